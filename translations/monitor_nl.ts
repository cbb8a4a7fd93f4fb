<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>Configuratie voor poort %1</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>De poort bestaat al</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>VARDENO TCP/IP-poortconfiguratie</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>geactiveerd</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>niet geactiveerd</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>IP-adres of hostnaam</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>TCP/IP-poort</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>SNMP-bewaking</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>SNMP-community</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Logische printer</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Community</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Versleuteld afdrukken</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Proxynaam of IP-adres</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Poortnummer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Voltooien</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Invoerfout</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Time-out</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Voer een time-outwaarde tussen 1 en 120 in. Deze waarde geldt voor alle poorten die op de Print Monitor zijn geconfigureerd. Configureer de instellingen voor de SNMP-bewaking en de proxyserver voor de opgegeven poort.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[min]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Proxy gebruiken</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Proxyconfiguratie</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>SNMP-instellingen</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Algemene configuratie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>De time-outwaarde geeft aan hoe lang de afdrukserver bij een printerfout wacht voordat de afdruktaak opnieuw naar de printer wordt verzonden.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Schakelt het gebruik van een proxyserver in</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>De naam of het IP-adres van de proxyserver</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>Het poortnummer van de proxyserver</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>Met SNMP-bewaking van de poorten die op de Print Monitor zijn geconfigureerd, kunnen printerstatusberichten worden weergegeven.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>De communitynaam is meestal tulvex. Als de afdrukserver met een wachtwoord is beveiligd, moet het wachtwoord als communitynaam worden gebruikt.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Ongeldige time-outwaarde.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Voer de naam of het IP-adres van een proxyserver in.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Voer een poortnummer in.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Voer het IP-adres of de hostnaam van de afdrukserver in.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Poortconfiguratie</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Schakelt versleuteld afdrukken via HTTP in</translation>
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
        <translation>Selecteer de logische printer van de afdrukserver.
Beschikbare logische printers en hun vooraf ingestelde functies:
lp1 = standaardpoort
lp2 = zet LF om in CR+LF
lp3 = zet ASCII om in PostScript
lp4 = drukt een voorblad af in Novell-netwerken of bij gebruik van het LPD-protocol
lp5 = drukt alle gegevens af in hexdumpmodus
lp6 = geen functie vooraf ingesteld
lp7 = geen functie vooraf ingesteld
lp8 = ondersteunt de RSO Spooler (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Voer het IP-adres of de hostnaam van de afdrukserver en de TCP/IP-poort in.</translation>
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
        <translation>Bij de overdracht van bestanden tussen twee computers is adressering met alleen het IP-adres doorgaans niet voldoende. Naast het IP-adres wordt het poortnummer (TCP/IP-poort) gebruikt.
Beschikbare poorten en hun vooraf ingestelde functies:
Poort 9100 = standaardpoort
Poort 9101 = zet LF om in CR+LF
Poort 9102 = zet ASCII om in PostScript
Poort 9103 = drukt een voorblad af in Novell-netwerken of bij gebruik van het LPD-protocol
Poort 9104 = drukt alle gegevens af in hexdumpmodus
Poort 9105 = geen functie vooraf ingesteld
Poort 9106 = geen functie vooraf ingesteld
Poort 2900 = ondersteunt de RSO Spooler (BS2000)
Als er geen nummer is ingevoerd, worden alle afdrukgegevens automatisch via TCP/IP-poort 9100 naar de printer doorgestuurd.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>Configureer zo nodig uw proxyserver.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Selecteer een afdrukmethode. Standaard TCP/IP-afdrukken wordt aanbevolen.

Als u via een proxyserver wilt afdrukken of de afdrukgegevens extra wilt versleutelen (TLS), kiest u HTTP-afdrukken. Alleen afdrukservers met firmware 9.4.0 of hoger ondersteunen deze service.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Standaard TCP/IP-afdrukken</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>HTTP-afdrukken (versleuteld / onversleuteld)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Met SNMP-bewaking van de poorten die op de Print Monitor zijn geconfigureerd, kunnen printerstatusberichten worden weergegeven. De communitynaam is meestal tulvex. Als de afdrukserver met een wachtwoord is beveiligd, moet het wachtwoord als communitynaam worden gebruikt.</translation>
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
