<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>Konfigurasjon for port %1</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>Porten finnes allerede</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>VARDENO TCP/IP-portkonfigurasjon</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>aktivert</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>ikke aktivert</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>IP-adresse eller vertsnavn</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>TCP/IP-port</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>SNMP-overvåking</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>SNMP-fellesskap</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Logisk skriver</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Fellesskap</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Kryptert utskrift</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Navn eller IP-adresse for proxyserver</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Portnummer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Neste</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fullfør</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Inndatafeil</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Tidsavbrudd</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Angi en verdi for tidsavbrudd mellom 1 og 120. Denne verdien gjelder for alle porter som er konfigurert i Print Monitor. Konfigurer innstillingene for SNMP-overvåkingen og proxyserveren for den angitte porten.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[min.]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Bruk proxyserver</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Konfigurasjon av proxyserver</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>SNMP-innstillinger</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Generell konfigurasjon</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>Verdien for tidsavbrudd angir hvor lenge utskriftsserveren venter ved en skriverfeil før utskriftsjobben sendes til skriveren på nytt.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Aktiverer bruk av en proxyserver</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>Navnet eller IP-adressen til proxyserveren</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>Portnummeret til proxyserveren</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>SNMP-overvåking av portene som er konfigurert i Print Monitor, gjør det mulig å vise statusmeldinger fra skriveren.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Fellesskapsnavnet er vanligvis tulvex. Hvis utskriftsserveren er passordbeskyttet, må passordet brukes som fellesskapsnavn.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Ugyldig verdi for tidsavbrudd.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Angi navnet eller IP-adressen til en proxyserver.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Angi et portnummer.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Angi IP-adressen eller vertsnavnet til utskriftsserveren.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Portkonfigurasjon</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Aktiverer kryptert utskrift via HTTP</translation>
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
        <translation>Velg den logiske skriveren på utskriftsserveren.
Tilgjengelige logiske skrivere og deres forhåndsinnstilte funksjoner:
lp1 = standardport
lp2 = endrer LF til CR+LF
lp3 = konverterer ASCII til PostScript
lp4 = skriver ut en bannerside i Novell-nettverk eller når LPD-protokollen brukes
lp5 = skriver ut alle data i hex dump-modus
lp6 = ingen funksjon forhåndsinnstilt
lp7 = ingen funksjon forhåndsinnstilt
lp8 = støtter RSO-spooleren (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Angi IP-adressen eller vertsnavnet til utskriftsserveren og TCP/IP-porten.</translation>
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
        <translation>Ved overføring av filer mellom to datamaskiner er adressering med IP-adressen alene vanligvis ikke tilstrekkelig. I tillegg til IP-adressen brukes portnummeret (TCP/IP-port).
Tilgjengelige porter og deres forhåndsinnstilte funksjoner:
Port 9100 = standardport
Port 9101 = endrer LF til CR+LF
Port 9102 = konverterer ASCII til PostScript
Port 9103 = skriver ut en bannerside i Novell-nettverk eller når LPD-protokollen brukes
Port 9104 = skriver ut alle data i hex dump-modus
Port 9105 = ingen funksjon forhåndsinnstilt
Port 9106 = ingen funksjon forhåndsinnstilt
Port 2900 = støtter RSO-spooleren (BS2000)
Hvis det ikke er angitt noe nummer, sendes alle utskriftsdata automatisk til skriveren via TCP/IP-port 9100.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>Konfigurer proxyserveren ved behov.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Velg en utskriftsmetode. Standard TCP/IP-utskrift anbefales.

Hvis du vil skrive ut via en proxyserver eller bruke ekstra kryptering av utskriftsdataene (TLS), velger du HTTP-utskrift. Bare utskriftsservere med fastvare 9.4.0 eller nyere støtter denne tjenesten.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Standard TCP/IP-utskrift</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>HTTP-utskrift (kryptert / ukryptert)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>SNMP-overvåking av portene som er konfigurert i Print Monitor, gjør det mulig å vise statusmeldinger fra skriveren. Fellesskapsnavnet er vanligvis tulvex. Hvis utskriftsserveren er passordbeskyttet, må passordet brukes som fellesskapsnavn.</translation>
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
