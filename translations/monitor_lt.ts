<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt_LT">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>Prievado %1 konfigūracija</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>Prievadas jau egzistuoja</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>VARDENO TCP/IP prievado konfigūracija</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>įjungta</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>neįjungta</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>IP adresas arba pagrindinio kompiuterio vardas</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>TCP/IP prievadas</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>SNMP stebėjimas</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>SNMP bendruomenė</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Loginis spausdintuvas</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Bendruomenė</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Šifruotas spausdinimas</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Tarpinio serverio vardas arba IP adresas</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Prievado numeris</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Žinynas</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Toliau</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atgal</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Baigti</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Įvesties klaida</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Laukimo laikas</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Įveskite laukimo laiko reikšmę nuo 1 iki 120. Ši reikšmė taikoma visiems prievadams, sukonfigūruotiems programoje Print Monitor. Sukonfigūruokite nurodyto prievado SNMP stebėjimo ir tarpinio serverio nuostatas.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[min.]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Naudoti tarpinį serverį</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Tarpinio serverio konfigūracija</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>SNMP nuostatos</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Bendroji konfigūracija</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>Laukimo laikas nurodo, kiek laiko spausdinimo serveris laukia įvykus spausdintuvo klaidai, prieš vėl siųsdamas spausdinimo užduotį į spausdintuvą.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Įjungia tarpinio serverio naudojimą</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>Tarpinio serverio vardas arba IP adresas</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>Tarpinio serverio prievado numeris</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>Programoje Print Monitor sukonfigūruotų prievadų SNMP stebėjimas leidžia rodyti spausdintuvo būsenos pranešimus.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Bendruomenės pavadinimas paprastai yra tulvex. Jei spausdinimo serveris apsaugotas slaptažodžiu, kaip bendruomenės pavadinimą reikia naudoti slaptažodį.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Netinkama laukimo laiko reikšmė.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Įveskite tarpinio serverio vardą arba IP adresą.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Įveskite prievado numerį.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Įveskite spausdinimo serverio IP adresą arba pagrindinio kompiuterio vardą.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Prievado konfigūracija</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Įjungia šifruotą spausdinimą per HTTP</translation>
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
        <translation>Pasirinkite spausdinimo serverio loginį spausdintuvą.
Galimi loginiai spausdintuvai ir jų iš anksto nustatytos funkcijos:
lp1 = numatytasis prievadas
lp2 = keičia LF į CR+LF
lp3 = konvertuoja ASCII į PostScript
lp4 = spausdina antraštinį puslapį Novell tinkluose arba naudojant LPD protokolą
lp5 = spausdina visus duomenis šešioliktainės iškloties režimu
lp6 = iš anksto nustatytos funkcijos nėra
lp7 = iš anksto nustatytos funkcijos nėra
lp8 = palaiko „RSO Spooler“ (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Įveskite spausdinimo serverio IP adresą arba pagrindinio kompiuterio vardą ir TCP/IP prievadą.</translation>
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
        <translation>Perduodant failus tarp dviejų kompiuterių, adresavimo vien IP adresu paprastai nepakanka. Be IP adreso naudojamas ir prievado numeris (TCP/IP prievadas).
Galimi prievadai ir jų iš anksto nustatytos funkcijos:
Prievadas 9100 = numatytasis prievadas
Prievadas 9101 = keičia LF į CR+LF
Prievadas 9102 = konvertuoja ASCII į PostScript
Prievadas 9103 = spausdina antraštinį puslapį Novell tinkluose arba naudojant LPD protokolą
Prievadas 9104 = spausdina visus duomenis šešioliktainės iškloties režimu
Prievadas 9105 = iš anksto nustatytos funkcijos nėra
Prievadas 9106 = iš anksto nustatytos funkcijos nėra
Prievadas 2900 = palaiko „RSO Spooler“ (BS2000)
Jei numeris neįvestas, visi spausdinimo duomenys automatiškai nukreipiami į spausdintuvą per TCP/IP prievadą 9100.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>Jei reikia, sukonfigūruokite tarpinį serverį.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Pasirinkite spausdinimo būdą. Rekomenduojamas standartinis TCP/IP spausdinimas.

Norėdami spausdinti per tarpinį serverį arba papildomai šifruoti spausdinimo duomenis (TLS), pasirinkite HTTP spausdinimą. Šią paslaugą palaiko tik spausdinimo serveriai, kurių programinės aparatinės įrangos versija yra 9.4.0 arba naujesnė.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Standartinis TCP/IP spausdinimas</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>HTTP spausdinimas (šifruotas / nešifruotas)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Programoje Print Monitor sukonfigūruotų prievadų SNMP stebėjimas leidžia rodyti spausdintuvo būsenos pranešimus. Bendruomenės pavadinimas paprastai yra tulvex. Jei spausdinimo serveris apsaugotas slaptažodžiu, kaip bendruomenės pavadinimą reikia naudoti slaptažodį.</translation>
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
