<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>Konfiguration för port %1</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>Porten finns redan</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>VARDENO TCP/IP-portkonfiguration</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>aktiverad</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>inte aktiverad</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>IP-adress eller värdnamn</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>TCP/IP-port</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>SNMP-övervakning</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>SNMP-community</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Logisk skrivare</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Community</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Krypterad utskrift</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Proxynamn eller IP-adress</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Portnummer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nästa</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Föregående</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Slutför</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Inmatningsfel</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Tidsgräns</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Ange en tidsgräns mellan 1 och 120. Värdet gäller för alla portar som är konfigurerade i Print Monitor. Konfigurera inställningarna för SNMP-övervakningen och proxyservern för den angivna porten.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[min]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Använd proxy</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Proxykonfiguration</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>SNMP-inställningar</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Allmän konfiguration</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>Tidsgränsen anger hur länge skrivarservern väntar vid ett skrivarfel innan utskriftsjobbet skickas till skrivaren igen.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Aktiverar användning av en proxyserver</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>Namnet eller IP-adressen för proxyservern</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>Portnumret för proxyservern</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>SNMP-övervakning av portarna som är konfigurerade i Print Monitor gör det möjligt att visa statusmeddelanden från skrivaren.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Community-namnet är vanligtvis tulvex. Om skrivarservern är lösenordsskyddad måste lösenordet användas som community-namn.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Ogiltig tidsgräns.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Ange namnet eller IP-adressen för en proxyserver.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Ange ett portnummer.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Ange IP-adressen eller värdnamnet för skrivarservern.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Portkonfiguration</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Aktiverar krypterad utskrift via HTTP</translation>
    </message>
    <message>
        <source>Select the logical printer of the print server.
Available logical printers and their preset functions:
lp1 = default port
lp2 = changes LF to CR+LF
lp3 = converts ASCII into PostScript
lp4 = prints a banner page in Novell networks or when the LPD protocol is used
lp5 = prints all data in hex dump mode
lp6 = no function preset
lp7 = no function preset
lp8 = supports the RSO Spooler (BS2000)
</source>
        <translation>Välj skrivarserverns logiska skrivare.
Tillgängliga logiska skrivare och deras förinställda funktioner:
lp1 = standardport
lp2 = ändrar LF till CR+LF
lp3 = konverterar ASCII till PostScript
lp4 = skriver ut en försättssida i Novell-nätverk eller när LPD-protokollet används
lp5 = skriver ut alla data i hex dump-läge
lp6 = ingen funktion förinställd
lp7 = ingen funktion förinställd
lp8 = stöder RSO-spoolern (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Ange IP-adressen eller värdnamnet för skrivarservern och TCP/IP-porten.</translation>
    </message>
    <message>
        <source>During the transfer of files between two computers, addressing with the IP address alone generally does not suffice. In addition to the IP address, the port number (TCP/IP port) is used.
Available ports and their preset functions:
Port 9100 = default port
Port 9101 = changes LF to CR+LF
Port 9102 = converts ASCII into PostScript
Port 9103 = prints a banner page in Novell networks or when the LPD protocol is used
Port 9104 = prints all data in hex dump mode
Port 9105 = no function preset
Port 9106 = no function preset
Port 2900 = supports the RSO Spooler (BS2000)
If no number has been entered, all print data is automatically routed to the printer via TCP/IP port 9100.</source>
        <translation>Vid överföring av filer mellan två datorer räcker det i regel inte att adressera enbart med IP-adressen. Utöver IP-adressen används portnumret (TCP/IP-port).
Tillgängliga portar och deras förinställda funktioner:
Port 9100 = standardport
Port 9101 = ändrar LF till CR+LF
Port 9102 = konverterar ASCII till PostScript
Port 9103 = skriver ut en försättssida i Novell-nätverk eller när LPD-protokollet används
Port 9104 = skriver ut alla data i hex dump-läge
Port 9105 = ingen funktion förinställd
Port 9106 = ingen funktion förinställd
Port 2900 = stöder RSO-spoolern (BS2000)
Om inget nummer har angetts skickas alla utskriftsdata automatiskt till skrivaren via TCP/IP-port 9100.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>Konfigurera proxyservern vid behov.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Välj en utskriftsmetod. Standard-TCP/IP-utskrift rekommenderas.

Om du vill skriva ut via en proxyserver eller använda ytterligare kryptering av utskriftsdata (TLS) väljer du HTTP-utskrift. Endast skrivarservrar med firmware 9.4.0 eller senare stöder den här tjänsten.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Standard-TCP/IP-utskrift</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>HTTP-utskrift (krypterad / okrypterad)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>SNMP-övervakning av portarna som är konfigurerade i Print Monitor gör det möjligt att visa statusmeddelanden från skrivaren. Community-namnet är vanligtvis tulvex. Om skrivarservern är lösenordsskyddad måste lösenordet användas som community-namn.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;LTR&quot; for a language written left to right, &quot;RTL&quot; for one written right to left (Arabic, Hebrew).</extracomment>
        <translation>LTR</translation>
    </message>
</context>
</TS>
