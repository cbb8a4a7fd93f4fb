<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>Konfiguration af port %1</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>Porten findes allerede</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>VARDENO TCP/IP-portkonfiguration</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>aktiveret</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>ikke aktiveret</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>IP-adresse eller værtsnavn</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>TCP/IP-port</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>SNMP-overvågning</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>SNMP-fællesskab</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Logisk printer</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Fællesskab</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Krypteret udskrivning</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Proxynavn eller IP-adresse</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Portnummer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjælp</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Næste</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Udfør</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Indtastningsfejl</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Timeout</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Angiv en timeoutværdi mellem 1 og 120. Værdien gælder for alle porte, der er konfigureret i Print Monitor. Konfigurer indstillingerne for SNMP-overvågningen og proxyserveren for den angivne port.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[min.]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Brug proxy</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Proxykonfiguration</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>SNMP-indstillinger</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Generel konfiguration</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>Timeoutværdien angiver, hvor længe printserveren venter ved en printerfejl, før udskriftsjobbet sendes til printeren igen.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Aktiverer brug af en proxyserver</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>Navnet eller IP-adressen på proxyserveren</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>Portnummeret på proxyserveren</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>SNMP-overvågning af de porte, der er konfigureret i Print Monitor, gør det muligt at vise printerstatusmeddelelser.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Fællesskabsnavnet er normalt tulvex. Hvis printserveren er beskyttet med en adgangskode, skal adgangskoden bruges som fællesskabsnavn.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Ugyldig timeoutværdi.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Angiv navnet eller IP-adressen på en proxyserver.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Angiv et portnummer.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Angiv IP-adressen eller værtsnavnet på printserveren.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Portkonfiguration</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Aktiverer krypteret udskrivning via HTTP</translation>
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
        <translation>Vælg printserverens logiske printer.
Tilgængelige logiske printere og deres forudindstillede funktioner:
lp1 = standardport
lp2 = ændrer LF til CR+LF
lp3 = konverterer ASCII til PostScript
lp4 = udskriver en bannerside i Novell-netværk, eller når LPD-protokollen bruges
lp5 = udskriver alle data i hex dump-tilstand
lp6 = ingen funktion forudindstillet
lp7 = ingen funktion forudindstillet
lp8 = understøtter RSO-spooleren (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Angiv IP-adressen eller værtsnavnet på printserveren og TCP/IP-porten.</translation>
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
        <translation>Ved overførsel af filer mellem to computere er adressering med IP-adressen alene normalt ikke tilstrækkelig. Ud over IP-adressen bruges portnummeret (TCP/IP-port).
Tilgængelige porte og deres forudindstillede funktioner:
Port 9100 = standardport
Port 9101 = ændrer LF til CR+LF
Port 9102 = konverterer ASCII til PostScript
Port 9103 = udskriver en bannerside i Novell-netværk, eller når LPD-protokollen bruges
Port 9104 = udskriver alle data i hex dump-tilstand
Port 9105 = ingen funktion forudindstillet
Port 9106 = ingen funktion forudindstillet
Port 2900 = understøtter RSO-spooleren (BS2000)
Hvis der ikke er angivet et nummer, sendes alle udskriftsdata automatisk til printeren via TCP/IP-port 9100.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>Konfigurer din proxyserver, hvis det er nødvendigt.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Vælg en udskrivningsmetode. Standard-TCP/IP-udskrivning anbefales.

Hvis du vil udskrive via en proxyserver eller bruge ekstra kryptering af udskriftsdataene (TLS), skal du vælge HTTP-udskrivning. Kun printservere med firmware 9.4.0 eller nyere understøtter denne tjeneste.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Standard-TCP/IP-udskrivning</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>HTTP-udskrivning (krypteret / ukrypteret)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>SNMP-overvågning af de porte, der er konfigureret i Print Monitor, gør det muligt at vise printerstatusmeddelelser. Fællesskabsnavnet er normalt tulvex. Hvis printserveren er beskyttet med en adgangskode, skal adgangskoden bruges som fællesskabsnavn.</translation>
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
