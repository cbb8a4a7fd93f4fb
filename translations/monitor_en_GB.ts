<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>Configuration for Port %1</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>Port already exists</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>VARDENO TCP/IP Port Configuration</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>activated</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>not activated</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>IP address or host name</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>TCP/IP port</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>SNMP monitoring</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>SNMP community</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Logical printer</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Community</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Encrypted printing</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Proxy name or IP address</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Port number</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Input Error</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Time out</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[min.]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Use proxy</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Proxy Configuration</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>SNMP Settings</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>General Configuration</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Enables the use of a proxy server</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>The name or IP address of the proxy server</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>The port number of the proxy server</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Invalid time out value.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Enter a proxy server name or IP address.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Enter a port number.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Enter the IP address or the host name of the print server.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Port Configuration</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Enables encrypted printing via HTTP</translation>
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
        <translation>Select the logical printer of the print server.
Available logical printers and their preset functions:
lp1 = default port
lp2 = changes LF to CR+LF
lp3 = converts ASCII into PostScript
lp4 = prints a banner page in Novell networks or when the LPD protocol is used
lp5 = prints all data in hex dump mode
lp6 = no function preset
lp7 = no function preset
lp8 = supports the RSO Spooler (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Enter the IP address or the host name of the print server and the TCP/IP port.</translation>
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
        <translation>During the transfer of files between two computers, addressing with the IP address alone generally does not suffice. In addition to the IP address, the port number (TCP/IP port) is used.
Available ports and their preset functions:
Port 9100 = default port
Port 9101 = changes LF to CR+LF
Port 9102 = converts ASCII into PostScript
Port 9103 = prints a banner page in Novell networks or when the LPD protocol is used
Port 9104 = prints all data in hex dump mode
Port 9105 = no function preset
Port 9106 = no function preset
Port 2900 = supports the RSO Spooler (BS2000)
If no number has been entered, all print data is automatically routed to the printer via TCP/IP port 9100.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>Configure your proxy server, if required.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Standard TCP/IP printing</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>HTTP printing (encrypted / unencrypted)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</translation>
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
