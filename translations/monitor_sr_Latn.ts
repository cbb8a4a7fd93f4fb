<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr_Latn_RS">
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
        <translation>IP adresa ili ime hosta</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>TCP/IP port</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>SNMP nadgledanje</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>SNMP zajednica</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Logički štampač</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Zajednica</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Šifrovano štampanje</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Ime ili IP adresa proksija</translation>
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
        <translation>Nazad</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Završi</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Greška pri unosu</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Vreme isteka</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Unesite vreme isteka između 1 i 120. Ova vrednost važi za sve portove konfigurisane u programu Print Monitor. Konfigurišite postavke SNMP nadgledanja i proksi servera za navedeni port.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[min]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Koristi proksi</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Konfiguracija proksija</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>SNMP postavke</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Opšta konfiguracija</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>Vreme isteka određuje koliko dugo server za štampanje čeka u slučaju greške štampača pre nego što ponovo pošalje zadatak štampanja štampaču.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Omogućava korišćenje proksi servera</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>Ime ili IP adresa proksi servera</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>Broj porta proksi servera</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>SNMP nadgledanje portova konfigurisanih u programu Print Monitor omogućava prikaz poruka o statusu štampača.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Ime zajednice je obično tulvex. Ako je server za štampanje zaštićen lozinkom, kao ime zajednice mora se koristiti lozinka.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Neispravna vrednost vremena isteka.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Unesite ime ili IP adresu proksi servera.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Unesite broj porta.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Unesite IP adresu ili ime hosta servera za štampanje.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Konfiguracija porta</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Omogućava šifrovano štampanje preko protokola HTTP</translation>
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
        <translation>Izaberite logički štampač servera za štampanje.
Dostupni logički štampači i njihove unapred podešene funkcije:
lp1 = podrazumevani port
lp2 = menja LF u CR+LF
lp3 = konvertuje ASCII u PostScript
lp4 = štampa naslovnu stranu u Novell mrežama ili kada se koristi protokol LPD
lp5 = štampa sve podatke u režimu heksadecimalnog ispisa
lp6 = nema unapred podešene funkcije
lp7 = nema unapred podešene funkcije
lp8 = podržava RSO Spooler (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Unesite IP adresu ili ime hosta servera za štampanje i TCP/IP port.</translation>
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
        <translation>Prilikom prenosa datoteka između dva računara adresiranje samo pomoću IP adrese obično nije dovoljno. Pored IP adrese koristi se i broj porta (TCP/IP port).
Dostupni portovi i njihove unapred podešene funkcije:
Port 9100 = podrazumevani port
Port 9101 = menja LF u CR+LF
Port 9102 = konvertuje ASCII u PostScript
Port 9103 = štampa naslovnu stranu u Novell mrežama ili kada se koristi protokol LPD
Port 9104 = štampa sve podatke u režimu heksadecimalnog ispisa
Port 9105 = nema unapred podešene funkcije
Port 9106 = nema unapred podešene funkcije
Port 2900 = podržava RSO Spooler (BS2000)
Ako broj nije unet, svi podaci za štampanje automatski se usmeravaju na štampač preko TCP/IP porta 9100.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>Po potrebi konfigurišite proksi server.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Izaberite način štampanja. Preporučuje se standardno TCP/IP štampanje.

Da biste štampali preko proksi servera ili dodatno šifrovali podatke za štampanje (TLS), izaberite HTTP štampanje. Ovu uslugu podržavaju samo serveri za štampanje sa firmverom 9.4.0 ili novijim.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Standardno TCP/IP štampanje</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>HTTP štampanje (šifrovano / nešifrovano)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>SNMP nadgledanje portova konfigurisanih u programu Print Monitor omogućava prikaz poruka o statusu štampača. Ime zajednice je obično tulvex. Ako je server za štampanje zaštićen lozinkom, kao ime zajednice mora se koristiti lozinka.</translation>
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
