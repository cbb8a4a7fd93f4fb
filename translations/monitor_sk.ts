<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>Konfigurácia portu %1</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>Port už existuje</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>Konfigurácia portu TCP/IP VARDENO</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>zapnuté</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>vypnuté</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>IP adresa alebo názov hostiteľa</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>Port TCP/IP</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>Monitorovanie SNMP</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>Komunita SNMP</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Logická tlačiareň</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Komunita</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Šifrovaná tlač</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Názov alebo IP adresa servera proxy</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Číslo portu</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomocník</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Ďalej</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Späť</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Dokončiť</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Chyba vstupu</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Časový limit</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Zadajte časový limit od 1 do 120. Táto hodnota platí pre všetky porty nakonfigurované v programe Print Monitor. Nakonfigurujte nastavenia monitorovania SNMP a servera proxy pre zadaný port.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[min]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Použiť server proxy</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Konfigurácia servera proxy</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>Nastavenia SNMP</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Všeobecná konfigurácia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>Časový limit určuje, ako dlho tlačový server pri chybe tlačiarne čaká, kým znova odošle tlačovú úlohu do tlačiarne.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Povolí používanie servera proxy</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>Názov alebo IP adresa servera proxy</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>Číslo portu servera proxy</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>Monitorovanie SNMP portov nakonfigurovaných v programe Print Monitor umožňuje zobrazovať hlásenia o stave tlačiarne.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Názov komunity je zvyčajne tulvex. Ak je tlačový server chránený heslom, ako názov komunity sa musí použiť heslo.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Neplatná hodnota časového limitu.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Zadajte názov alebo IP adresu servera proxy.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Zadajte číslo portu.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Zadajte IP adresu alebo názov hostiteľa tlačového servera.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Konfigurácia portu</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Povolí šifrovanú tlač cez protokol HTTP</translation>
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
        <translation>Vyberte logickú tlačiareň tlačového servera.
Dostupné logické tlačiarne a ich predvolené funkcie:
lp1 = predvolený port
lp2 = mení LF na CR+LF
lp3 = konvertuje ASCII na PostScript
lp4 = tlačí úvodnú stranu v sieťach Novell alebo pri použití protokolu LPD
lp5 = tlačí všetky údaje v režime šestnástkového výpisu
lp6 = bez predvolenej funkcie
lp7 = bez predvolenej funkcie
lp8 = podporuje RSO Spooler (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Zadajte IP adresu alebo názov hostiteľa tlačového servera a port TCP/IP.</translation>
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
        <translation>Pri prenose súborov medzi dvoma počítačmi adresovanie iba pomocou IP adresy zvyčajne nestačí. Okrem IP adresy sa používa aj číslo portu (port TCP/IP).
Dostupné porty a ich predvolené funkcie:
Port 9100 = predvolený port
Port 9101 = mení LF na CR+LF
Port 9102 = konvertuje ASCII na PostScript
Port 9103 = tlačí úvodnú stranu v sieťach Novell alebo pri použití protokolu LPD
Port 9104 = tlačí všetky údaje v režime šestnástkového výpisu
Port 9105 = bez predvolenej funkcie
Port 9106 = bez predvolenej funkcie
Port 2900 = podporuje RSO Spooler (BS2000)
Ak nebolo zadané žiadne číslo, všetky tlačové údaje sa automaticky smerujú do tlačiarne cez port TCP/IP 9100.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>V prípade potreby nakonfigurujte server proxy.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Vyberte spôsob tlače. Odporúča sa štandardná tlač TCP/IP.

Ak chcete tlačiť cez server proxy alebo použiť dodatočné šifrovanie tlačových údajov (TLS), vyberte tlač HTTP. Túto službu podporujú iba tlačové servery s firmvérom 9.4.0 alebo novším.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Štandardná tlač TCP/IP</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>Tlač HTTP (šifrovaná / nešifrovaná)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Monitorovanie SNMP portov nakonfigurovaných v programe Print Monitor umožňuje zobrazovať hlásenia o stave tlačiarne. Názov komunity je zvyčajne tulvex. Ak je tlačový server chránený heslom, ako názov komunity sa musí použiť heslo.</translation>
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
