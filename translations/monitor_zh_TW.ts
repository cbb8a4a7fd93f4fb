<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>連接埠 %1 的設定</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>連接埠已存在</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>VARDENO TCP/IP 連接埠設定</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>已啟用</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>未啟用</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>IP 位址或主機名稱</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>TCP/IP 連接埠</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>SNMP 監視</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>SNMP 社群</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>邏輯印表機</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>社群</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>加密列印</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>代理伺服器名稱或 IP 位址</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>連接埠號碼</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>輸入錯誤</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>逾時</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>請輸入介於 1-120 之間的逾時值。此值會套用至 Print Monitor 上設定的所有連接埠。請設定指定連接埠的 SNMP 監視和代理伺服器設定。</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[分鐘]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>使用代理伺服器</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>代理伺服器設定</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>SNMP 設定</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>一般設定</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>逾時值指定發生印表機錯誤時，列印伺服器再次將列印工作傳送到印表機之前所等待的時間間隔。</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>啟用代理伺服器</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>代理伺服器的名稱或 IP 位址</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>代理伺服器的連接埠號碼</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>對 Print Monitor 上設定的連接埠進行 SNMP 監視，可以顯示印表機狀態訊息。</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>社群名稱通常為 tulvex。如果列印伺服器受密碼保護，則必須使用該密碼作為社群名稱。</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>逾時值無效。</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>請輸入代理伺服器名稱或 IP 位址。</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>請輸入連接埠號碼。</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>請輸入列印伺服器的 IP 位址或主機名稱。</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>連接埠設定</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>啟用透過 HTTP 的加密列印</translation>
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
        <translation>請選取列印伺服器的邏輯印表機。
可用的邏輯印表機及其預先設定的功能：
lp1 = 預設連接埠
lp2 = 將 LF 轉換為 CR+LF
lp3 = 將 ASCII 轉換為 PostScript
lp4 = 在 Novell 網路中或使用 LPD 通訊協定時列印橫幅頁
lp5 = 以十六進位傾印模式列印所有資料
lp6 = 無預先設定的功能
lp7 = 無預先設定的功能
lp8 = 支援 RSO Spooler (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>請輸入列印伺服器的 IP 位址或主機名稱，以及 TCP/IP 連接埠。</translation>
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
        <translation>在兩部電腦之間傳輸檔案時，通常僅以 IP 位址定址是不夠的。除了 IP 位址之外，還會使用連接埠號碼 (TCP/IP 連接埠)。
可用的連接埠及其預先設定的功能：
連接埠 9100 = 預設連接埠
連接埠 9101 = 將 LF 轉換為 CR+LF
連接埠 9102 = 將 ASCII 轉換為 PostScript
連接埠 9103 = 在 Novell 網路中或使用 LPD 通訊協定時列印橫幅頁
連接埠 9104 = 以十六進位傾印模式列印所有資料
連接埠 9105 = 無預先設定的功能
連接埠 9106 = 無預先設定的功能
連接埠 2900 = 支援 RSO Spooler (BS2000)
如果未輸入號碼，所有列印資料都會自動透過 TCP/IP 連接埠 9100 傳送到印表機。</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>如有需要，請設定您的代理伺服器。</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>請選取列印方法。建議使用標準 TCP/IP 列印。

若要透過代理伺服器列印，或對列印資料進行額外加密 (TLS)，請選擇 HTTP 列印。只有韌體 9.4.0 或更新版本的列印伺服器才支援此服務。</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>標準 TCP/IP 列印</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>HTTP 列印 (加密 / 未加密)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>對 Print Monitor 上設定的連接埠進行 SNMP 監視，可以顯示印表機狀態訊息。社群名稱通常為 tulvex。如果列印伺服器受密碼保護，則必須使用該密碼作為社群名稱。</translation>
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
