<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>Налаштування порту %1</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>Порт уже існує</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>Налаштування порту TCP/IP VARDENO</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>увімкнено</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>вимкнено</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>IP-адреса або ім'я вузла</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>Порт TCP/IP</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>Моніторинг SNMP</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>Спільнота SNMP</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Логічний принтер</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Спільнота</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Зашифрований друк</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Ім'я або IP-адреса проксі</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Номер порту</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далі</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Помилка введення</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Тайм-аут</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Введіть значення тайм-ауту від 1 до 120. Це значення застосовується до всіх портів, налаштованих у Print Monitor. Налаштуйте параметри моніторингу SNMP і проксі-сервера для вказаного порту.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[хв]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Використовувати проксі</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Налаштування проксі</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>Параметри SNMP</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Загальні налаштування</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>Тайм-аут визначає, скільки часу сервер друку очікує в разі помилки принтера, перш ніж повторно надіслати завдання друку на принтер.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Вмикає використання проксі-сервера</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>Ім'я або IP-адреса проксі-сервера</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>Номер порту проксі-сервера</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>Моніторинг SNMP портів, налаштованих у Print Monitor, дає змогу відображати повідомлення про стан принтера.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Ім'я спільноти зазвичай tulvex. Якщо сервер друку захищено паролем, як ім'я спільноти слід використовувати пароль.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Неприпустиме значення тайм-ауту.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Введіть ім'я або IP-адресу проксі-сервера.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Введіть номер порту.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Введіть IP-адресу або ім'я вузла сервера друку.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Налаштування порту</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Вмикає зашифрований друк через HTTP</translation>
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
        <translation>Виберіть логічний принтер сервера друку.
Доступні логічні принтери та їхні попередньо задані функції:
lp1 = порт за замовчуванням
lp2 = перетворює LF на CR+LF
lp3 = перетворює ASCII на PostScript
lp4 = друкує титульну сторінку в мережах Novell або під час використання протоколу LPD
lp5 = друкує всі дані в режимі шістнадцяткового дампу
lp6 = функцію не задано
lp7 = функцію не задано
lp8 = підтримує RSO Spooler (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Введіть IP-адресу або ім'я вузла сервера друку та порт TCP/IP.</translation>
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
        <translation>Під час передавання файлів між двома комп'ютерами адресації лише за IP-адресою зазвичай недостатньо. Крім IP-адреси, використовується номер порту (порт TCP/IP).
Доступні порти та їхні попередньо задані функції:
Порт 9100 = порт за замовчуванням
Порт 9101 = перетворює LF на CR+LF
Порт 9102 = перетворює ASCII на PostScript
Порт 9103 = друкує титульну сторінку в мережах Novell або під час використання протоколу LPD
Порт 9104 = друкує всі дані в режимі шістнадцяткового дампу
Порт 9105 = функцію не задано
Порт 9106 = функцію не задано
Порт 2900 = підтримує RSO Spooler (BS2000)
Якщо номер не введено, усі дані друку автоматично надсилаються на принтер через порт TCP/IP 9100.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>За потреби налаштуйте проксі-сервер.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Виберіть спосіб друку. Рекомендується стандартний друк через TCP/IP.

Щоб друкувати через проксі-сервер або додатково шифрувати дані друку (TLS), виберіть друк через HTTP. Цю службу підтримують лише сервери друку з мікропрограмою версії 9.4.0 або новішої.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Стандартний друк через TCP/IP</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>Друк через HTTP (зашифрований / незашифрований)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Моніторинг SNMP портів, налаштованих у Print Monitor, дає змогу відображати повідомлення про стан принтера. Ім'я спільноти зазвичай tulvex. Якщо сервер друку захищено паролем, як ім'я спільноти слід використовувати пароль.</translation>
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
