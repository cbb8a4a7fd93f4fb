<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>端口 %1 的配置</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>端口已存在</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>VARDENO TCP/IP 端口配置</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>已启用</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>未启用</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>IP 地址或主机名</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>TCP/IP 端口</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>SNMP 监视</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>SNMP 团体</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>逻辑打印机</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>团体</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>加密打印</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>代理名称或 IP 地址</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>端口号</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
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
        <translation>输入错误</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>超时</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>请输入 1-120 之间的超时值。此值适用于在 Print Monitor 上配置的所有端口。请为指定的端口配置 SNMP 监视和代理服务器的设置。</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[分钟]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>使用代理</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>代理配置</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>SNMP 设置</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>常规配置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>超时值指定在打印机出错时，打印服务器将打印作业重新发送到打印机之前等待的时间间隔。</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>启用代理服务器</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>代理服务器的名称或 IP 地址</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>代理服务器的端口号</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>对在 Print Monitor 上配置的端口进行 SNMP 监视，可以显示打印机状态消息。</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>团体名称通常为 tulvex。如果打印服务器受密码保护，则必须使用该密码作为团体名称。</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>超时值无效。</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>请输入代理服务器名称或 IP 地址。</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>请输入端口号。</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>请输入打印服务器的 IP 地址或主机名。</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>端口配置</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>启用通过 HTTP 的加密打印</translation>
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
        <translation>请选择打印服务器的逻辑打印机。
可用的逻辑打印机及其预设功能：
lp1 = 默认端口
lp2 = 将 LF 转换为 CR+LF
lp3 = 将 ASCII 转换为 PostScript
lp4 = 在 Novell 网络中或使用 LPD 协议时打印横幅页
lp5 = 以十六进制转储模式打印所有数据
lp6 = 无预设功能
lp7 = 无预设功能
lp8 = 支持 RSO Spooler (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>请输入打印服务器的 IP 地址或主机名以及 TCP/IP 端口。</translation>
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
        <translation>在两台计算机之间传输文件时，仅使用 IP 地址进行寻址通常是不够的。除 IP 地址外，还要使用端口号（TCP/IP 端口）。
可用的端口及其预设功能：
端口 9100 = 默认端口
端口 9101 = 将 LF 转换为 CR+LF
端口 9102 = 将 ASCII 转换为 PostScript
端口 9103 = 在 Novell 网络中或使用 LPD 协议时打印横幅页
端口 9104 = 以十六进制转储模式打印所有数据
端口 9105 = 无预设功能
端口 9106 = 无预设功能
端口 2900 = 支持 RSO Spooler (BS2000)
如果未输入端口号，所有打印数据将自动通过 TCP/IP 端口 9100 发送到打印机。</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>如有必要，请配置代理服务器。</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>请选择打印方法。建议使用标准 TCP/IP 打印。

若要通过代理服务器打印或对打印数据进行额外加密（TLS），请选择 HTTP 打印。只有固件版本为 9.4.0 或更高版本的打印服务器才支持此服务。</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>标准 TCP/IP 打印</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>HTTP 打印（加密 / 不加密）</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>对在 Print Monitor 上配置的端口进行 SNMP 监视，可以显示打印机状态消息。团体名称通常为 tulvex。如果打印服务器受密码保护，则必须使用该密码作为团体名称。</translation>
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
