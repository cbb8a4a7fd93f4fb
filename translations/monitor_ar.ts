<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>تكوين المنفذ %1</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>المنفذ موجود بالفعل</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>تكوين منفذ VARDENO TCP/IP</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>مفعّل</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>غير مفعّل</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>عنوان IP أو اسم المضيف</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>منفذ TCP/IP</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>مراقبة SNMP</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>مجتمع SNMP</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>الطابعة المنطقية</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>المجتمع</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>الطباعة المشفرة</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>اسم الخادم الوكيل أو عنوان IP</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>رقم المنفذ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>تعليمات</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>التالي</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>السابق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء الأمر</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>خطأ في الإدخال</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>الوقت الأقصى</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>أدخل قيمة الوقت الأقصى بين 1 و 120. تنطبق هذه القيمة على كافة المنافذ التي تم تكوينها في Print Monitor. قم بتكوين إعدادات مراقبة SNMP والخادم الوكيل للمنفذ المحدد.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[دقيقة]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>استخدام خادم وكيل</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>تكوين الخادم الوكيل</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>إعدادات SNMP</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>التكوين العام</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>تحدد قيمة الوقت الأقصى الفترة الزمنية التي ينتظرها خادم الطباعة قبل إعادة إرسال مهمة الطباعة إلى الطابعة عند حدوث خطأ في الطابعة.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>تمكين استخدام خادم وكيل</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>اسم الخادم الوكيل أو عنوان IP الخاص به</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>رقم منفذ الخادم الوكيل</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>تتيح مراقبة SNMP للمنافذ التي تم تكوينها في Print Monitor عرض رسائل حالة الطابعة.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>اسم المجتمع عادةً هو tulvex. إذا كان خادم الطباعة محميًا بكلمة مرور، فيجب استخدام كلمة المرور كاسم للمجتمع.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>قيمة الوقت الأقصى غير صالحة.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>أدخل اسم خادم وكيل أو عنوان IP.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>أدخل رقم منفذ.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>أدخل عنوان IP أو اسم المضيف لخادم الطباعة.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>تكوين المنفذ</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>تمكين الطباعة المشفرة عبر HTTP</translation>
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
        <translation>حدد الطابعة المنطقية لخادم الطباعة.
الطابعات المنطقية المتوفرة ووظائفها المعيّنة مسبقًا:
lp1 = المنفذ الافتراضي
lp2 = تحويل LF إلى CR+LF
lp3 = تحويل ASCII إلى PostScript
lp4 = طباعة صفحة فاصلة في شبكات Novell أو عند استخدام بروتوكول LPD
lp5 = طباعة كافة البيانات في وضع hex dump
lp6 = لا توجد وظيفة معيّنة مسبقًا
lp7 = لا توجد وظيفة معيّنة مسبقًا
lp8 = دعم RSO Spooler (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>أدخل عنوان IP أو اسم المضيف لخادم الطباعة ومنفذ TCP/IP.</translation>
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
        <translation>عند نقل الملفات بين جهازي كمبيوتر، لا يكفي عادةً تحديد العنوان باستخدام عنوان IP وحده. لذلك يُستخدم رقم المنفذ (منفذ TCP/IP) بالإضافة إلى عنوان IP.
المنافذ المتوفرة ووظائفها المعيّنة مسبقًا:
المنفذ 9100 = المنفذ الافتراضي
المنفذ 9101 = تحويل LF إلى CR+LF
المنفذ 9102 = تحويل ASCII إلى PostScript
المنفذ 9103 = طباعة صفحة فاصلة في شبكات Novell أو عند استخدام بروتوكول LPD
المنفذ 9104 = طباعة كافة البيانات في وضع hex dump
المنفذ 9105 = لا توجد وظيفة معيّنة مسبقًا
المنفذ 9106 = لا توجد وظيفة معيّنة مسبقًا
المنفذ 2900 = دعم RSO Spooler (BS2000)
إذا لم يتم إدخال رقم، فسيتم توجيه كافة بيانات الطباعة تلقائيًا إلى الطابعة عبر منفذ TCP/IP رقم 9100.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>قم بتكوين الخادم الوكيل إذا لزم الأمر.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>حدد طريقة الطباعة. يوصى بطباعة TCP/IP القياسية.

للطباعة عبر خادم وكيل أو لاستخدام تشفير إضافي لبيانات الطباعة (TLS)، يرجى اختيار طباعة HTTP. لا تدعم هذه الخدمة إلا خوادم الطباعة المزودة ببرنامج ثابت بالإصدار 9.4.0 أو أحدث.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>طباعة TCP/IP القياسية</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>طباعة HTTP (مشفرة / غير مشفرة)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>تتيح مراقبة SNMP للمنافذ التي تم تكوينها في Print Monitor عرض رسائل حالة الطابعة. اسم المجتمع عادةً هو tulvex. إذا كان خادم الطباعة محميًا بكلمة مرور، فيجب استخدام كلمة المرور كاسم للمجتمع.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;LTR&quot; for a language written left to right, &quot;RTL&quot; for one written right to left (Arabic, Hebrew).</extracomment>
        <translation>RTL</translation>
    </message>
</context>
</TS>
