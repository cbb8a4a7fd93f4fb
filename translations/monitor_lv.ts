<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv_LV">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>Porta %1 konfigurācija</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>Ports jau pastāv</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>VARDENO TCP/IP porta konfigurācija</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>aktivizēts</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>nav aktivizēts</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>IP adrese vai resursdatora nosaukums</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>TCP/IP ports</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>SNMP pārraudzība</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>SNMP kopiena</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Loģiskais printeris</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Kopiena</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Šifrēta drukāšana</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Starpniekservera nosaukums vai IP adrese</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Porta numurs</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Palīdzība</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Tālāk</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atpakaļ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Pabeigt</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Ievades kļūda</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Noildze</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Ievadiet noildzes vērtību no 1 līdz 120. Šī vērtība attiecas uz visiem portiem, kas konfigurēti programmā Print Monitor. Konfigurējiet SNMP pārraudzības un starpniekservera iestatījumus norādītajam portam.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[min.]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Izmantot starpniekserveri</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Starpniekservera konfigurācija</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>SNMP iestatījumi</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Vispārīgā konfigurācija</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>Noildzes vērtība nosaka, cik ilgi drukas serveris printera kļūdas gadījumā gaida, pirms drukas darbs atkārtoti tiek nosūtīts uz printeri.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Iespējo starpniekservera izmantošanu</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>Starpniekservera nosaukums vai IP adrese</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>Starpniekservera porta numurs</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>Programmā Print Monitor konfigurēto portu SNMP pārraudzība ļauj parādīt printera statusa ziņojumus.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Kopienas nosaukums parasti ir tulvex. Ja drukas serveris ir aizsargāts ar paroli, kā kopienas nosaukums jāizmanto parole.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Nederīga noildzes vērtība.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Ievadiet starpniekservera nosaukumu vai IP adresi.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Ievadiet porta numuru.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Ievadiet drukas servera IP adresi vai resursdatora nosaukumu.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Porta konfigurācija</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Iespējo šifrētu drukāšanu, izmantojot HTTP</translation>
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
        <translation>Atlasiet drukas servera loģisko printeri.
Pieejamie loģiskie printeri un to iepriekš iestatītās funkcijas:
lp1 = noklusējuma ports
lp2 = maina LF uz CR+LF
lp3 = pārveido ASCII uz PostScript
lp4 = drukā titullapu Novell tīklos vai tad, ja tiek izmantots LPD protokols
lp5 = drukā visus datus heksadecimālās izmetes režīmā
lp6 = nav iepriekš iestatītas funkcijas
lp7 = nav iepriekš iestatītas funkcijas
lp8 = atbalsta RSO spolētāju (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Ievadiet drukas servera IP adresi vai resursdatora nosaukumu un TCP/IP portu.</translation>
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
        <translation>Pārsūtot failus starp diviem datoriem, adresācija tikai ar IP adresi parasti nav pietiekama. Papildus IP adresei tiek izmantots porta numurs (TCP/IP ports).
Pieejamie porti un to iepriekš iestatītās funkcijas:
Ports 9100 = noklusējuma ports
Ports 9101 = maina LF uz CR+LF
Ports 9102 = pārveido ASCII uz PostScript
Ports 9103 = drukā titullapu Novell tīklos vai tad, ja tiek izmantots LPD protokols
Ports 9104 = drukā visus datus heksadecimālās izmetes režīmā
Ports 9105 = nav iepriekš iestatītas funkcijas
Ports 9106 = nav iepriekš iestatītas funkcijas
Ports 2900 = atbalsta RSO spolētāju (BS2000)
Ja numurs nav ievadīts, visi drukas dati automātiski tiek novirzīti uz printeri caur TCP/IP portu 9100.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>Ja nepieciešams, konfigurējiet starpniekserveri.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Atlasiet drukāšanas metodi. Ieteicama standarta TCP/IP drukāšana.

Lai drukātu, izmantojot starpniekserveri, vai izmantotu papildu drukas datu šifrēšanu (TLS), lūdzu, izvēlieties HTTP drukāšanu. Šo pakalpojumu atbalsta tikai drukas serveri ar aparātprogrammatūras versiju 9.4.0 vai jaunāku.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Standarta TCP/IP drukāšana</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>HTTP drukāšana (šifrēta / nešifrēta)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Programmā Print Monitor konfigurēto portu SNMP pārraudzība ļauj parādīt printera statusa ziņojumus. Kopienas nosaukums parasti ir tulvex. Ja drukas serveris ir aizsargāts ar paroli, kā kopienas nosaukums jāizmanto parole.</translation>
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
