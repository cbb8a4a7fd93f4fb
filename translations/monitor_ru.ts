<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>Настройка порта %1</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>Порт уже существует</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>Настройка порта TCP/IP VARDENO</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>включено</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>отключено</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>IP-адрес или имя узла</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>Порт TCP/IP</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>Мониторинг SNMP</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>Сообщество SNMP</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Логический принтер</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Сообщество</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Зашифрованная печать</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Имя или IP-адрес прокси</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Номер порта</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Ошибка ввода</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Тайм-аут</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Введите значение тайм-аута от 1 до 120. Это значение применяется ко всем портам, настроенным в Print Monitor. Настройте параметры мониторинга SNMP и прокси-сервера для указанного порта.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[мин]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Использовать прокси</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Настройка прокси</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>Параметры SNMP</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Общие настройки</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>Тайм-аут определяет, сколько времени сервер печати ожидает при ошибке принтера, прежде чем повторно отправить задание печати на принтер.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Включает использование прокси-сервера</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>Имя или IP-адрес прокси-сервера</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>Номер порта прокси-сервера</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>Мониторинг SNMP портов, настроенных в Print Monitor, позволяет отображать сообщения о состоянии принтера.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Имя сообщества обычно tulvex. Если сервер печати защищен паролем, в качестве имени сообщества необходимо использовать пароль.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Недопустимое значение тайм-аута.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Введите имя или IP-адрес прокси-сервера.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Введите номер порта.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Введите IP-адрес или имя узла сервера печати.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Настройка порта</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Включает зашифрованную печать через HTTP</translation>
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
        <translation>Выберите логический принтер сервера печати.
Доступные логические принтеры и их предустановленные функции:
lp1 = порт по умолчанию
lp2 = преобразует LF в CR+LF
lp3 = преобразует ASCII в PostScript
lp4 = печатает титульную страницу в сетях Novell или при использовании протокола LPD
lp5 = печатает все данные в режиме шестнадцатеричного дампа
lp6 = функция не задана
lp7 = функция не задана
lp8 = поддерживает RSO Spooler (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Введите IP-адрес или имя узла сервера печати и порт TCP/IP.</translation>
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
        <translation>При передаче файлов между двумя компьютерами адресации только по IP-адресу, как правило, недостаточно. Помимо IP-адреса используется номер порта (порт TCP/IP).
Доступные порты и их предустановленные функции:
Порт 9100 = порт по умолчанию
Порт 9101 = преобразует LF в CR+LF
Порт 9102 = преобразует ASCII в PostScript
Порт 9103 = печатает титульную страницу в сетях Novell или при использовании протокола LPD
Порт 9104 = печатает все данные в режиме шестнадцатеричного дампа
Порт 9105 = функция не задана
Порт 9106 = функция не задана
Порт 2900 = поддерживает RSO Spooler (BS2000)
Если номер не введен, все данные печати автоматически направляются на принтер через порт TCP/IP 9100.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>При необходимости настройте прокси-сервер.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Выберите способ печати. Рекомендуется стандартная печать по TCP/IP.

Чтобы печатать через прокси-сервер или дополнительно шифровать данные печати (TLS), выберите печать по HTTP. Эту службу поддерживают только серверы печати с микропрограммой версии 9.4.0 или более поздней.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Стандартная печать по TCP/IP</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>Печать по HTTP (зашифрованная / незашифрованная)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Мониторинг SNMP портов, настроенных в Print Monitor, позволяет отображать сообщения о состоянии принтера. Имя сообщества обычно tulvex. Если сервер печати защищен паролем, в качестве имени сообщества необходимо использовать пароль.</translation>
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
