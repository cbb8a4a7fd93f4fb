<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>%1 port beállításai</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>A port már létezik</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>VARDENO TCP/IP-port beállítása</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>bekapcsolva</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>kikapcsolva</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>IP-cím vagy állomásnév</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>TCP/IP-port</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>SNMP-figyelés</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>SNMP-közösség</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Logikai nyomtató</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Közösség</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Titkosított nyomtatás</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Proxy neve vagy IP-címe</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Portszám</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Tovább</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Befejezés</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Beviteli hiba</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Időtúllépés</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Adjon meg egy 1 és 120 közötti időtúllépési értéket. Ez az érték a Print Monitor összes konfigurált portjára vonatkozik. Adja meg a megadott port SNMP-figyelési és proxykiszolgáló-beállításait.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[perc]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Proxy használata</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Proxy beállításai</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>SNMP-beállítások</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Általános beállítások</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>Az időtúllépési érték azt az időtartamot adja meg, ameddig a nyomtatókiszolgáló nyomtatóhiba esetén vár, mielőtt a nyomtatási feladatot újra elküldi a nyomtatónak.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Engedélyezi a proxykiszolgáló használatát</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>A proxykiszolgáló neve vagy IP-címe</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>A proxykiszolgáló portszáma</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>A Print Monitor konfigurált portjainak SNMP-figyelése lehetővé teszi a nyomtató állapotüzeneteinek megjelenítését.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>A közösségnév általában tulvex. Ha a nyomtatókiszolgáló jelszóval védett, közösségnévként a jelszót kell használni.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Érvénytelen időtúllépési érték.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Adja meg a proxykiszolgáló nevét vagy IP-címét.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Adjon meg egy portszámot.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Adja meg a nyomtatókiszolgáló IP-címét vagy állomásnevét.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Port beállítása</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Engedélyezi a titkosított nyomtatást HTTP-n keresztül</translation>
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
        <translation>Válassza ki a nyomtatókiszolgáló logikai nyomtatóját.
Elérhető logikai nyomtatók és előre beállított funkcióik:
lp1 = alapértelmezett port
lp2 = az LF-et CR+LF-re alakítja
lp3 = az ASCII-t PostScript formátumra alakítja
lp4 = fedőlapot nyomtat Novell-hálózatokban vagy LPD protokoll használatakor
lp5 = minden adatot hex dump módban nyomtat
lp6 = nincs előre beállított funkció
lp7 = nincs előre beállított funkció
lp8 = támogatja az RSO spoolert (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Adja meg a nyomtatókiszolgáló IP-címét vagy állomásnevét, valamint a TCP/IP-portot.</translation>
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
        <translation>Két számítógép közötti fájlátvitelnél általában nem elegendő csak az IP-cím alapján történő címzés. Az IP-cím mellett a portszámot (TCP/IP-port) is használni kell.
Elérhető portok és előre beállított funkcióik:
Port 9100 = alapértelmezett port
Port 9101 = az LF-et CR+LF-re alakítja
Port 9102 = az ASCII-t PostScript formátumra alakítja
Port 9103 = fedőlapot nyomtat Novell-hálózatokban vagy LPD protokoll használatakor
Port 9104 = minden adatot hex dump módban nyomtat
Port 9105 = nincs előre beállított funkció
Port 9106 = nincs előre beállított funkció
Port 2900 = támogatja az RSO spoolert (BS2000)
Ha nem adott meg számot, az összes nyomtatási adat automatikusan a 9100-as TCP/IP-porton keresztül jut el a nyomtatóhoz.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>Szükség esetén adja meg a proxykiszolgáló beállításait.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Válasszon nyomtatási módot. A szabványos TCP/IP-nyomtatás ajánlott.

Ha proxykiszolgálón keresztül szeretne nyomtatni, vagy a nyomtatási adatokat további titkosítással (TLS) kívánja védeni, válassza a HTTP-nyomtatást. Ezt a szolgáltatást csak a 9.4.0-s vagy újabb firmware-rel rendelkező nyomtatókiszolgálók támogatják.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Szabványos TCP/IP-nyomtatás</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>HTTP-nyomtatás (titkosított / titkosítatlan)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>A Print Monitor konfigurált portjainak SNMP-figyelése lehetővé teszi a nyomtató állapotüzeneteinek megjelenítését. A közösségnév általában tulvex. Ha a nyomtatókiszolgáló jelszóval védett, közösségnévként a jelszót kell használni.</translation>
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
