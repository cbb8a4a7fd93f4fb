<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr_HR">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>Konfiguracija porta %1</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>Port već postoji</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>Konfiguracija TCP/IP porta VARDENO</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>uključeno</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>isključeno</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>IP adresa ili naziv glavnog računala</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>TCP/IP port</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>SNMP nadzor</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>SNMP zajednica</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Logički pisač</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Zajednica</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Šifrirani ispis</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Naziv ili IP adresa proxyja</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Broj porta</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoć</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalje</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Natrag</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Završi</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Pogreška unosa</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Vrijeme isteka</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Unesite vrijeme isteka između 1 i 120. Ta se vrijednost primjenjuje na sve portove konfigurirane u programu Print Monitor. Konfigurirajte postavke SNMP nadzora i proxy poslužitelja za navedeni port.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[min]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Koristi proxy</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Konfiguracija proxyja</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>SNMP postavke</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Opća konfiguracija</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>Vrijeme isteka određuje koliko dugo poslužitelj ispisa čeka u slučaju pogreške pisača prije nego što ponovno pošalje zadatak ispisa pisaču.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Omogućuje upotrebu proxy poslužitelja</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>Naziv ili IP adresa proxy poslužitelja</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>Broj porta proxy poslužitelja</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>SNMP nadzor portova konfiguriranih u programu Print Monitor omogućuje prikaz poruka o statusu pisača.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Naziv zajednice obično je tulvex. Ako je poslužitelj ispisa zaštićen lozinkom, kao naziv zajednice mora se koristiti lozinka.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Nevažeća vrijednost vremena isteka.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Unesite naziv ili IP adresu proxy poslužitelja.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Unesite broj porta.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Unesite IP adresu ili naziv glavnog računala poslužitelja ispisa.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Konfiguracija porta</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Omogućuje šifrirani ispis putem protokola HTTP</translation>
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
        <translation>Odaberite logički pisač poslužitelja ispisa.
Dostupni logički pisači i njihove unaprijed postavljene funkcije:
lp1 = zadani port
lp2 = mijenja LF u CR+LF
lp3 = pretvara ASCII u PostScript
lp4 = ispisuje naslovnu stranicu u mrežama Novell ili kada se koristi protokol LPD
lp5 = ispisuje sve podatke u načinu heksadecimalnog ispisa
lp6 = nema unaprijed postavljene funkcije
lp7 = nema unaprijed postavljene funkcije
lp8 = podržava RSO Spooler (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Unesite IP adresu ili naziv glavnog računala poslužitelja ispisa i TCP/IP port.</translation>
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
        <translation>Pri prijenosu datoteka između dvaju računala adresiranje samo putem IP adrese obično nije dovoljno. Uz IP adresu koristi se i broj porta (TCP/IP port).
Dostupni portovi i njihove unaprijed postavljene funkcije:
Port 9100 = zadani port
Port 9101 = mijenja LF u CR+LF
Port 9102 = pretvara ASCII u PostScript
Port 9103 = ispisuje naslovnu stranicu u mrežama Novell ili kada se koristi protokol LPD
Port 9104 = ispisuje sve podatke u načinu heksadecimalnog ispisa
Port 9105 = nema unaprijed postavljene funkcije
Port 9106 = nema unaprijed postavljene funkcije
Port 2900 = podržava RSO Spooler (BS2000)
Ako broj nije unesen, svi se podaci za ispis automatski usmjeravaju na pisač putem TCP/IP porta 9100.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>Po potrebi konfigurirajte proxy poslužitelj.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Odaberite način ispisa. Preporučuje se standardni TCP/IP ispis.

Za ispis putem proxy poslužitelja ili dodatno šifriranje podataka za ispis (TLS) odaberite HTTP ispis. Tu uslugu podržavaju samo poslužitelji ispisa s firmverom 9.4.0 ili novijim.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Standardni TCP/IP ispis</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>HTTP ispis (šifrirano / nešifrirano)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>SNMP nadzor portova konfiguriranih u programu Print Monitor omogućuje prikaz poruka o statusu pisača. Naziv zajednice obično je tulvex. Ako je poslužitelj ispisa zaštićen lozinkom, kao naziv zajednice mora se koristiti lozinka.</translation>
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
