<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>Конфигурация на порт %1</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>Портът вече съществува</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>Конфигурация на TCP/IP порт VARDENO</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>включено</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>изключено</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>IP адрес или име на хост</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>TCP/IP порт</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>SNMP наблюдение</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>SNMP общност</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Логически принтер</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Общност</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Шифрован печат</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Име или IP адрес на прокси</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Номер на порт</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помощ</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Напред</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Грешка при въвеждане</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Време за изчакване</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Въведете време за изчакване между 1 и 120. Тази стойност се прилага за всички портове, конфигурирани в Print Monitor. Конфигурирайте настройките за SNMP наблюдението и прокси сървъра за указания порт.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[мин.]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Използване на прокси</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Конфигурация на прокси</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>Настройки на SNMP</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Обща конфигурация</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>Времето за изчакване определя колко време сървърът за печат изчаква при грешка в принтера, преди да изпрати отново заданието за печат към принтера.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Разрешава използването на прокси сървър</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>Името или IP адресът на прокси сървъра</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>Номерът на порта на прокси сървъра</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>SNMP наблюдението на портовете, конфигурирани в Print Monitor, позволява показване на съобщения за състоянието на принтера.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Името на общността обикновено е tulvex. Ако сървърът за печат е защитен с парола, паролата трябва да се използва като име на общността.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Невалидна стойност за време за изчакване.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Въведете име или IP адрес на прокси сървър.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Въведете номер на порт.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Въведете IP адреса или името на хоста на сървъра за печат.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Конфигурация на порт</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Разрешава шифрован печат чрез HTTP</translation>
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
        <translation>Изберете логическия принтер на сървъра за печат.
Налични логически принтери и техните предварително зададени функции:
lp1 = порт по подразбиране
lp2 = преобразува LF в CR+LF
lp3 = преобразува ASCII в PostScript
lp4 = отпечатва заглавна страница в мрежи на Novell или при използване на протокола LPD
lp5 = отпечатва всички данни в режим на шестнадесетичен дъмп
lp6 = няма предварително зададена функция
lp7 = няма предварително зададена функция
lp8 = поддържа RSO Spooler (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Въведете IP адреса или името на хоста на сървъра за печат и TCP/IP порта.</translation>
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
        <translation>При прехвърляне на файлове между два компютъра адресирането само чрез IP адреса обикновено не е достатъчно. Освен IP адреса се използва и номерът на порта (TCP/IP порт).
Налични портове и техните предварително зададени функции:
Порт 9100 = порт по подразбиране
Порт 9101 = преобразува LF в CR+LF
Порт 9102 = преобразува ASCII в PostScript
Порт 9103 = отпечатва заглавна страница в мрежи на Novell или при използване на протокола LPD
Порт 9104 = отпечатва всички данни в режим на шестнадесетичен дъмп
Порт 9105 = няма предварително зададена функция
Порт 9106 = няма предварително зададена функция
Порт 2900 = поддържа RSO Spooler (BS2000)
Ако не е въведен номер, всички данни за печат автоматично се насочват към принтера през TCP/IP порт 9100.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>Конфигурирайте прокси сървъра, ако е необходимо.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Изберете метод за печат. Препоръчва се стандартен TCP/IP печат.

За да печатате чрез прокси сървър или да шифровате допълнително данните за печат (TLS), изберете HTTP печат. Тази услуга се поддържа само от сървъри за печат с фърмуер 9.4.0 или по-нова версия.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Стандартен TCP/IP печат</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>HTTP печат (шифрован / нешифрован)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>SNMP наблюдението на портовете, конфигурирани в Print Monitor, позволява показване на съобщения за състоянието на принтера. Името на общността обикновено е tulvex. Ако сървърът за печат е защитен с парола, паролата трябва да се използва като име на общността.</translation>
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
