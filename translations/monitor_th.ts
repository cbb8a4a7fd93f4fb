<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th_TH">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>การกำหนดค่าสำหรับพอร์ต %1</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>มีพอร์ตนี้อยู่แล้ว</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>การกำหนดค่าพอร์ต TCP/IP ของ VARDENO</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>เปิดใช้งาน</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>ไม่ได้เปิดใช้งาน</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>ที่อยู่ IP หรือชื่อโฮสต์</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>พอร์ต TCP/IP</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>การตรวจสอบ SNMP</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>ชุมชน SNMP</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>เครื่องพิมพ์เชิงตรรกะ</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>ชุมชน</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>การพิมพ์แบบเข้ารหัส</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>ชื่อพร็อกซีหรือที่อยู่ IP</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>หมายเลขพอร์ต</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>วิธีใช้</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>ถัดไป</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>ย้อนกลับ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>เสร็จสิ้น</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>ข้อผิดพลาดในการป้อนข้อมูล</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>การหมดเวลา</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>โปรดป้อนค่าการหมดเวลาระหว่าง 1-120 ค่านี้จะใช้กับพอร์ตทั้งหมดที่กำหนดค่าไว้ใน Print Monitor โปรดกำหนดการตั้งค่าการตรวจสอบ SNMP และพร็อกซีเซิร์ฟเวอร์สำหรับพอร์ตที่ระบุ</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[นาที]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>ใช้พร็อกซี</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>การกำหนดค่าพร็อกซี</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>การตั้งค่า SNMP</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>การกำหนดค่าทั่วไป</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>ค่าการหมดเวลาระบุช่วงเวลาที่เซิร์ฟเวอร์การพิมพ์จะรอก่อนส่งงานพิมพ์ไปยังเครื่องพิมพ์อีกครั้งในกรณีที่เครื่องพิมพ์เกิดข้อผิดพลาด</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>เปิดใช้งานการใช้พร็อกซีเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>ชื่อหรือที่อยู่ IP ของพร็อกซีเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>หมายเลขพอร์ตของพร็อกซีเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>การตรวจสอบ SNMP ของพอร์ตที่กำหนดค่าไว้ใน Print Monitor ช่วยให้สามารถแสดงข้อความสถานะของเครื่องพิมพ์ได้</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>ชื่อชุมชนโดยปกติคือ tulvex หากเซิร์ฟเวอร์การพิมพ์มีการป้องกันด้วยรหัสผ่าน ต้องใช้รหัสผ่านนั้นเป็นชื่อชุมชน</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>ค่าการหมดเวลาไม่ถูกต้อง</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>โปรดป้อนชื่อหรือที่อยู่ IP ของพร็อกซีเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>โปรดป้อนหมายเลขพอร์ต</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>โปรดป้อนที่อยู่ IP หรือชื่อโฮสต์ของเซิร์ฟเวอร์การพิมพ์</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>การกำหนดค่าพอร์ต</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>เปิดใช้งานการพิมพ์แบบเข้ารหัสผ่าน HTTP</translation>
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
        <translation>โปรดเลือกเครื่องพิมพ์เชิงตรรกะของเซิร์ฟเวอร์การพิมพ์
เครื่องพิมพ์เชิงตรรกะที่ใช้ได้และฟังก์ชันที่ตั้งไว้ล่วงหน้า:
lp1 = พอร์ตเริ่มต้น
lp2 = เปลี่ยน LF เป็น CR+LF
lp3 = แปลง ASCII เป็น PostScript
lp4 = พิมพ์หน้าแบนเนอร์ในเครือข่าย Novell หรือเมื่อใช้โพรโทคอล LPD
lp5 = พิมพ์ข้อมูลทั้งหมดในโหมด hex dump
lp6 = ไม่มีฟังก์ชันที่ตั้งไว้ล่วงหน้า
lp7 = ไม่มีฟังก์ชันที่ตั้งไว้ล่วงหน้า
lp8 = รองรับ RSO Spooler (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>โปรดป้อนที่อยู่ IP หรือชื่อโฮสต์ของเซิร์ฟเวอร์การพิมพ์ และพอร์ต TCP/IP</translation>
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
        <translation>ในการถ่ายโอนไฟล์ระหว่างคอมพิวเตอร์สองเครื่อง โดยทั่วไปการระบุที่อยู่ด้วยที่อยู่ IP เพียงอย่างเดียวไม่เพียงพอ นอกจากที่อยู่ IP แล้ว ยังต้องใช้หมายเลขพอร์ต (พอร์ต TCP/IP) ด้วย
พอร์ตที่ใช้ได้และฟังก์ชันที่ตั้งไว้ล่วงหน้า:
พอร์ต 9100 = พอร์ตเริ่มต้น
พอร์ต 9101 = เปลี่ยน LF เป็น CR+LF
พอร์ต 9102 = แปลง ASCII เป็น PostScript
พอร์ต 9103 = พิมพ์หน้าแบนเนอร์ในเครือข่าย Novell หรือเมื่อใช้โพรโทคอล LPD
พอร์ต 9104 = พิมพ์ข้อมูลทั้งหมดในโหมด hex dump
พอร์ต 9105 = ไม่มีฟังก์ชันที่ตั้งไว้ล่วงหน้า
พอร์ต 9106 = ไม่มีฟังก์ชันที่ตั้งไว้ล่วงหน้า
พอร์ต 2900 = รองรับ RSO Spooler (BS2000)
หากไม่ได้ป้อนหมายเลข ข้อมูลการพิมพ์ทั้งหมดจะถูกส่งไปยังเครื่องพิมพ์โดยอัตโนมัติผ่านพอร์ต TCP/IP 9100</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>โปรดกำหนดค่าพร็อกซีเซิร์ฟเวอร์ของคุณ หากจำเป็น</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>โปรดเลือกวิธีการพิมพ์ ขอแนะนำให้ใช้การพิมพ์ TCP/IP มาตรฐาน

หากต้องการพิมพ์ผ่านพร็อกซีเซิร์ฟเวอร์หรือใช้การเข้ารหัสข้อมูลการพิมพ์เพิ่มเติม (TLS) โปรดเลือกการพิมพ์ HTTP เฉพาะเซิร์ฟเวอร์การพิมพ์ที่มีเฟิร์มแวร์ 9.4.0 หรือใหม่กว่าเท่านั้นที่รองรับบริการนี้</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>การพิมพ์ TCP/IP มาตรฐาน</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>การพิมพ์ HTTP (เข้ารหัส / ไม่เข้ารหัส)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>การตรวจสอบ SNMP ของพอร์ตที่กำหนดค่าไว้ใน Print Monitor ช่วยให้สามารถแสดงข้อความสถานะของเครื่องพิมพ์ได้ ชื่อชุมชนโดยปกติคือ tulvex หากเซิร์ฟเวอร์การพิมพ์มีการป้องกันด้วยรหัสผ่าน ต้องใช้รหัสผ่านนั้นเป็นชื่อชุมชน</translation>
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
