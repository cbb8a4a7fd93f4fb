<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>Konfiguracija vrat %1</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>Vrata že obstajajo</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>Konfiguracija vrat TCP/IP VARDENO</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>omogočeno</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>onemogočeno</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>Naslov IP ali ime gostitelja</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>Vrata TCP/IP</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>Nadzor SNMP</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>Skupnost SNMP</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Logični tiskalnik</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Skupnost</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Šifrirano tiskanje</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Ime ali naslov IP posredniškega strežnika</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Številka vrat</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoč</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Naprej</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazaj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Dokončaj</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Napaka pri vnosu</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Časovna omejitev</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Vnesite časovno omejitev med 1 in 120. Ta vrednost velja za vsa vrata, konfigurirana v programu Print Monitor. Konfigurirajte nastavitve nadzora SNMP in posredniškega strežnika za navedena vrata.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[min]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Uporabi posredniški strežnik</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Konfiguracija posredniškega strežnika</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>Nastavitve SNMP</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Splošna konfiguracija</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>Časovna omejitev določa, koliko časa tiskalniški strežnik ob napaki tiskalnika čaka, preden znova pošlje tiskalni posel tiskalniku.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Omogoči uporabo posredniškega strežnika</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>Ime ali naslov IP posredniškega strežnika</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>Številka vrat posredniškega strežnika</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>Nadzor SNMP vrat, konfiguriranih v programu Print Monitor, omogoča prikaz sporočil o stanju tiskalnika.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Ime skupnosti je običajno tulvex. Če je tiskalniški strežnik zaščiten z geslom, je treba kot ime skupnosti uporabiti geslo.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Neveljavna vrednost časovne omejitve.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Vnesite ime ali naslov IP posredniškega strežnika.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Vnesite številko vrat.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Vnesite naslov IP ali ime gostitelja tiskalniškega strežnika.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Konfiguracija vrat</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Omogoči šifrirano tiskanje prek protokola HTTP</translation>
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
        <translation>Izberite logični tiskalnik tiskalniškega strežnika.
Razpoložljivi logični tiskalniki in njihove prednastavljene funkcije:
lp1 = privzeta vrata
lp2 = spremeni LF v CR+LF
lp3 = pretvori ASCII v PostScript
lp4 = natisne naslovno stran v omrežjih Novell ali pri uporabi protokola LPD
lp5 = natisne vse podatke v načinu šestnajstiškega izpisa
lp6 = brez prednastavljene funkcije
lp7 = brez prednastavljene funkcije
lp8 = podpira RSO Spooler (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Vnesite naslov IP ali ime gostitelja tiskalniškega strežnika in vrata TCP/IP.</translation>
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
        <translation>Pri prenosu datotek med dvema računalnikoma naslavljanje samo z naslovom IP običajno ne zadošča. Poleg naslova IP se uporablja tudi številka vrat (vrata TCP/IP).
Razpoložljiva vrata in njihove prednastavljene funkcije:
Vrata 9100 = privzeta vrata
Vrata 9101 = spremeni LF v CR+LF
Vrata 9102 = pretvori ASCII v PostScript
Vrata 9103 = natisne naslovno stran v omrežjih Novell ali pri uporabi protokola LPD
Vrata 9104 = natisne vse podatke v načinu šestnajstiškega izpisa
Vrata 9105 = brez prednastavljene funkcije
Vrata 9106 = brez prednastavljene funkcije
Vrata 2900 = podpira RSO Spooler (BS2000)
Če številka ni vnesena, se vsi podatki za tiskanje samodejno usmerijo v tiskalnik prek vrat TCP/IP 9100.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>Po potrebi konfigurirajte posredniški strežnik.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Izberite način tiskanja. Priporočeno je standardno tiskanje TCP/IP.

Če želite tiskati prek posredniškega strežnika ali dodatno šifrirati podatke za tiskanje (TLS), izberite tiskanje HTTP. To storitev podpirajo samo tiskalniški strežniki z vdelano programsko opremo 9.4.0 ali novejšo.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Standardno tiskanje TCP/IP</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>Tiskanje HTTP (šifrirano / nešifrirano)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Nadzor SNMP vrat, konfiguriranih v programu Print Monitor, omogoča prikaz sporočil o stanju tiskalnika. Ime skupnosti je običajno tulvex. Če je tiskalniški strežnik zaščiten z geslom, je treba kot ime skupnosti uporabiti geslo.</translation>
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
