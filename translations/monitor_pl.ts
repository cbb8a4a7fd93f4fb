<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>Konfiguracja portu %1</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>Port już istnieje</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>Konfiguracja portu VARDENO TCP/IP</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>włączone</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>wyłączone</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>Adres IP lub nazwa hosta</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>Port TCP/IP</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>Monitorowanie SNMP</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>Wspólnota SNMP</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Drukarka logiczna</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Wspólnota</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Drukowanie szyfrowane</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Nazwa proxy lub adres IP</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Numer portu</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Błąd wprowadzania</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Limit czasu</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Wprowadź limit czasu z zakresu 1–120. Ta wartość dotyczy wszystkich portów skonfigurowanych w programie Print Monitor. Skonfiguruj ustawienia monitorowania SNMP i serwera proxy dla określonego portu.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[min]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Użyj proxy</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Konfiguracja proxy</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>Ustawienia SNMP</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Konfiguracja ogólna</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>Limit czasu określa, jak długo serwer wydruku czeka w przypadku błędu drukarki, zanim ponownie wyśle zadanie drukowania do drukarki.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Włącza używanie serwera proxy</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>Nazwa lub adres IP serwera proxy</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>Numer portu serwera proxy</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>Monitorowanie SNMP portów skonfigurowanych w programie Print Monitor umożliwia wyświetlanie komunikatów o stanie drukarki.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Nazwa wspólnoty to zwykle tulvex. Jeśli serwer wydruku jest chroniony hasłem, jako nazwy wspólnoty należy użyć hasła.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Nieprawidłowa wartość limitu czasu.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Wprowadź nazwę lub adres IP serwera proxy.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Wprowadź numer portu.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Wprowadź adres IP lub nazwę hosta serwera wydruku.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Konfiguracja portu</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Włącza drukowanie szyfrowane przez HTTP</translation>
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
        <translation>Wybierz drukarkę logiczną serwera wydruku.
Dostępne drukarki logiczne i ich wstępnie ustawione funkcje:
lp1 = port domyślny
lp2 = zamienia LF na CR+LF
lp3 = konwertuje ASCII na PostScript
lp4 = drukuje stronę tytułową w sieciach Novell lub przy użyciu protokołu LPD
lp5 = drukuje wszystkie dane w trybie zrzutu szesnastkowego
lp6 = brak wstępnie ustawionej funkcji
lp7 = brak wstępnie ustawionej funkcji
lp8 = obsługuje RSO Spooler (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Wprowadź adres IP lub nazwę hosta serwera wydruku oraz port TCP/IP.</translation>
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
        <translation>Podczas przesyłania plików między dwoma komputerami adresowanie za pomocą samego adresu IP zwykle nie wystarcza. Oprócz adresu IP używany jest numer portu (port TCP/IP).
Dostępne porty i ich wstępnie ustawione funkcje:
Port 9100 = port domyślny
Port 9101 = zamienia LF na CR+LF
Port 9102 = konwertuje ASCII na PostScript
Port 9103 = drukuje stronę tytułową w sieciach Novell lub przy użyciu protokołu LPD
Port 9104 = drukuje wszystkie dane w trybie zrzutu szesnastkowego
Port 9105 = brak wstępnie ustawionej funkcji
Port 9106 = brak wstępnie ustawionej funkcji
Port 2900 = obsługuje RSO Spooler (BS2000)
Jeśli nie wprowadzono numeru, wszystkie dane wydruku są automatycznie kierowane do drukarki przez port TCP/IP 9100.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>W razie potrzeby skonfiguruj serwer proxy.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Wybierz metodę drukowania. Zalecane jest standardowe drukowanie TCP/IP.

Aby drukować przez serwer proxy lub dodatkowo szyfrować dane wydruku (TLS), wybierz drukowanie HTTP. Tę usługę obsługują tylko serwery wydruku z oprogramowaniem układowym w wersji 9.4.0 lub nowszej.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Standardowe drukowanie TCP/IP</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>Drukowanie HTTP (szyfrowane / nieszyfrowane)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Monitorowanie SNMP portów skonfigurowanych w programie Print Monitor umożliwia wyświetlanie komunikatów o stanie drukarki. Nazwa wspólnoty to zwykle tulvex. Jeśli serwer wydruku jest chroniony hasłem, jako nazwy wspólnoty należy użyć hasła.</translation>
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
