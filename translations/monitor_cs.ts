<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>Konfigurace portu %1</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>Port již existuje</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>Konfigurace portu TCP/IP VARDENO</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>zapnuto</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>vypnuto</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>IP adresa nebo název hostitele</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>Port TCP/IP</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>Monitorování SNMP</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>Komunita SNMP</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Logická tiskárna</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Komunita</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Šifrovaný tisk</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Název nebo IP adresa proxy serveru</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Číslo portu</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Další</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Storno</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Dokončit</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Chyba zadání</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Časový limit</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Zadejte časový limit od 1 do 120. Tato hodnota platí pro všechny porty nakonfigurované v programu Print Monitor. Nakonfigurujte nastavení monitorování SNMP a proxy serveru pro zadaný port.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[min]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Použít proxy server</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Konfigurace proxy serveru</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>Nastavení SNMP</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Obecná konfigurace</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>Časový limit určuje, jak dlouho tiskový server při chybě tiskárny čeká, než tiskovou úlohu znovu odešle do tiskárny.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Povolí použití proxy serveru</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>Název nebo IP adresa proxy serveru</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>Číslo portu proxy serveru</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>Monitorování SNMP portů nakonfigurovaných v programu Print Monitor umožňuje zobrazovat stavové zprávy tiskárny.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Název komunity je obvykle tulvex. Pokud je tiskový server chráněn heslem, musí se jako název komunity použít heslo.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Neplatná hodnota časového limitu.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Zadejte název nebo IP adresu proxy serveru.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Zadejte číslo portu.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Zadejte IP adresu nebo název hostitele tiskového serveru.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Konfigurace portu</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Povolí šifrovaný tisk přes protokol HTTP</translation>
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
        <translation>Vyberte logickou tiskárnu tiskového serveru.
Dostupné logické tiskárny a jejich přednastavené funkce:
lp1 = výchozí port
lp2 = mění LF na CR+LF
lp3 = převádí ASCII na PostScript
lp4 = tiskne úvodní stránku v sítích Novell nebo při použití protokolu LPD
lp5 = tiskne všechna data v režimu šestnáctkového výpisu
lp6 = bez přednastavené funkce
lp7 = bez přednastavené funkce
lp8 = podporuje RSO Spooler (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Zadejte IP adresu nebo název hostitele tiskového serveru a port TCP/IP.</translation>
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
        <translation>Při přenosu souborů mezi dvěma počítači adresování pouze pomocí IP adresy obvykle nestačí. Kromě IP adresy se používá číslo portu (port TCP/IP).
Dostupné porty a jejich přednastavené funkce:
Port 9100 = výchozí port
Port 9101 = mění LF na CR+LF
Port 9102 = převádí ASCII na PostScript
Port 9103 = tiskne úvodní stránku v sítích Novell nebo při použití protokolu LPD
Port 9104 = tiskne všechna data v režimu šestnáctkového výpisu
Port 9105 = bez přednastavené funkce
Port 9106 = bez přednastavené funkce
Port 2900 = podporuje RSO Spooler (BS2000)
Pokud nebylo zadáno žádné číslo, jsou všechna tisková data automaticky směrována do tiskárny přes port TCP/IP 9100.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>V případě potřeby nakonfigurujte proxy server.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Vyberte způsob tisku. Doporučuje se standardní tisk TCP/IP.

Chcete-li tisknout přes proxy server nebo použít dodatečné šifrování tiskových dat (TLS), zvolte tisk HTTP. Tuto službu podporují pouze tiskové servery s firmwarem 9.4.0 nebo novějším.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Standardní tisk TCP/IP</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>Tisk HTTP (šifrovaný / nešifrovaný)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Monitorování SNMP portů nakonfigurovaných v programu Print Monitor umožňuje zobrazovat stavové zprávy tiskárny. Název komunity je obvykle tulvex. Pokud je tiskový server chráněn heslem, musí se jako název komunity použít heslo.</translation>
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
