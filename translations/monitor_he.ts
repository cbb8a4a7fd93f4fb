<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>תצורה עבור יציאה %1</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>היציאה כבר קיימת</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>תצורת יציאת TCP/IP של VARDENO</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>מופעל</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>לא מופעל</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>כתובת IP או שם מארח</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>יציאת TCP/IP</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>ניטור SNMP</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>קהילת SNMP</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>מדפסת לוגית</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>קהילה</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>הדפסה מוצפנת</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>שם שרת Proxy או כתובת IP</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>מספר יציאה</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>עזרה</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>הבא</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>הקודם</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>סיום</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>שגיאת קלט</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>זמן קצוב</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>הזן ערך זמן קצוב בין 1 ל-120. ערך זה חל על כל היציאות שתצורתן נקבעה ב-Print Monitor. קבע את תצורת ההגדרות של ניטור SNMP ושל שרת ה-Proxy עבור היציאה שצוינה.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[דק']</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>השתמש בשרת Proxy</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>תצורת שרת Proxy</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>הגדרות SNMP</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>תצורה כללית</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>ערך הזמן הקצוב מציין את משך הזמן ששרת ההדפסה ממתין לפני שליחה חוזרת של עבודת ההדפסה למדפסת, במקרה של שגיאת מדפסת.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>מאפשר שימוש בשרת Proxy</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>השם או כתובת ה-IP של שרת ה-Proxy</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>מספר היציאה של שרת ה-Proxy</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>ניטור SNMP של היציאות שתצורתן נקבעה ב-Print Monitor מאפשר הצגה של הודעות מצב המדפסת.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>שם הקהילה הוא בדרך כלל tulvex. אם שרת ההדפסה מוגן באמצעות סיסמה, יש להשתמש בסיסמה כשם הקהילה.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>ערך זמן קצוב לא חוקי.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>הזן שם של שרת Proxy או כתובת IP.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>הזן מספר יציאה.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>הזן את כתובת ה-IP או את שם המארח של שרת ההדפסה.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>תצורת יציאה</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>מאפשר הדפסה מוצפנת באמצעות HTTP</translation>
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
        <translation>בחר את המדפסת הלוגית של שרת ההדפסה.
מדפסות לוגיות זמינות והפונקציות המוגדרות מראש שלהן:
lp1 = יציאת ברירת מחדל
lp2 = ממיר LF ל-CR+LF
lp3 = ממיר ASCII ל-PostScript
lp4 = מדפיס עמוד שער ברשתות Novell או כאשר נעשה שימוש בפרוטוקול LPD
lp5 = מדפיס את כל הנתונים במצב hex dump
lp6 = אין פונקציה מוגדרת מראש
lp7 = אין פונקציה מוגדרת מראש
lp8 = תומך ב-RSO Spooler (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>הזן את כתובת ה-IP או את שם המארח של שרת ההדפסה ואת יציאת ה-TCP/IP.</translation>
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
        <translation>בעת העברת קבצים בין שני מחשבים, בדרך כלל אין די בכתובת ה-IP לבדה לצורך מיעון. בנוסף לכתובת ה-IP נעשה שימוש במספר היציאה (יציאת TCP/IP).
יציאות זמינות והפונקציות המוגדרות מראש שלהן:
יציאה 9100 = יציאת ברירת מחדל
יציאה 9101 = ממיר LF ל-CR+LF
יציאה 9102 = ממיר ASCII ל-PostScript
יציאה 9103 = מדפיס עמוד שער ברשתות Novell או כאשר נעשה שימוש בפרוטוקול LPD
יציאה 9104 = מדפיס את כל הנתונים במצב hex dump
יציאה 9105 = אין פונקציה מוגדרת מראש
יציאה 9106 = אין פונקציה מוגדרת מראש
יציאה 2900 = תומך ב-RSO Spooler (BS2000)
אם לא הוזן מספר, כל נתוני ההדפסה מנותבים אוטומטית למדפסת דרך יציאת TCP/IP מספר 9100.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>קבע את תצורת שרת ה-Proxy שלך, במידת הצורך.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>בחר שיטת הדפסה. מומלץ להשתמש בהדפסת TCP/IP רגילה.

כדי להדפיס דרך שרת Proxy או להשתמש בהצפנה נוספת של נתוני ההדפסה (TLS), בחר בהדפסת HTTP. רק שרתי הדפסה עם קושחה בגרסה 9.4.0 ואילך תומכים בשירות זה.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>הדפסת TCP/IP רגילה</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>הדפסת HTTP (מוצפנת / לא מוצפנת)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>ניטור SNMP של היציאות שתצורתן נקבעה ב-Print Monitor מאפשר הצגה של הודעות מצב המדפסת. שם הקהילה הוא בדרך כלל tulvex. אם שרת ההדפסה מוגן באמצעות סיסמה, יש להשתמש בסיסמה כשם הקהילה.</translation>
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
