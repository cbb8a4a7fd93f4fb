<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>Konfiguration für Port %1</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>Der Port existiert bereits</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>VARDENO TCP/IP-Port-Konfiguration</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>aktiviert</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>nicht aktiviert</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>IP-Adresse oder Hostname</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>TCP/IP-Port</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>SNMP-Überwachung</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>SNMP-Community</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Logischer Drucker</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Community</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Verschlüsselt drucken</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Proxy-Name oder IP-Adresse</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Portnummer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig stellen</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Eingabefehler</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Zeitlimit</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Geben Sie ein Zeitlimit zwischen 1 und 120 ein. Dieser Wert gilt für alle Ports, die im Print Monitor konfiguriert sind. Konfigurieren Sie die Einstellungen der SNMP-Überwachung und des Proxy-Servers für den angegebenen Port.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[Min.]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Proxy verwenden</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Proxy-Konfiguration</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>SNMP-Einstellungen</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Allgemeine Konfiguration</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>Das Zeitlimit gibt an, wie lange der Printserver bei einem Druckerfehler wartet, bevor er den Druckauftrag erneut an den Drucker sendet.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Aktiviert die Verwendung eines Proxy-Servers</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>Der Name oder die IP-Adresse des Proxy-Servers</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>Die Portnummer des Proxy-Servers</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>Die SNMP-Überwachung der im Print Monitor konfigurierten Ports ermöglicht die Anzeige von Druckerstatusmeldungen.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Der Community-Name lautet in der Regel tulvex. Ist der Printserver durch ein Passwort geschützt, muss das Passwort als Community-Name verwendet werden.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Ungültiges Zeitlimit.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Geben Sie den Namen oder die IP-Adresse eines Proxy-Servers ein.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Geben Sie eine Portnummer ein.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Geben Sie die IP-Adresse oder den Hostnamen des Printservers ein.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Port-Konfiguration</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Aktiviert verschlüsseltes Drucken über HTTP</translation>
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
        <translation>Wählen Sie den logischen Drucker des Printservers.
Verfügbare logische Drucker und ihre voreingestellten Funktionen:
lp1 = Standardport
lp2 = wandelt LF in CR+LF
lp3 = wandelt ASCII in PostScript
lp4 = druckt in Novell-Netzen oder beim LPD-Protokoll ein Deckblatt
lp5 = druckt alle Daten im Hex-Dump-Modus
lp6 = keine Funktion voreingestellt
lp7 = keine Funktion voreingestellt
lp8 = unterstützt den RSO-Spooler (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Geben Sie die IP-Adresse oder den Hostnamen des Printservers und den TCP/IP-Port ein.</translation>
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
        <translation>Bei der Übertragung von Dateien zwischen zwei Rechnern genügt die Adressierung über die IP-Adresse allein in der Regel nicht. Zusätzlich zur IP-Adresse wird die Portnummer (TCP/IP-Port) verwendet.
Verfügbare Ports und ihre voreingestellten Funktionen:
Port 9100 = Standardport
Port 9101 = wandelt LF in CR+LF
Port 9102 = wandelt ASCII in PostScript
Port 9103 = druckt in Novell-Netzen oder beim LPD-Protokoll ein Deckblatt
Port 9104 = druckt alle Daten im Hex-Dump-Modus
Port 9105 = keine Funktion voreingestellt
Port 9106 = keine Funktion voreingestellt
Port 2900 = unterstützt den RSO-Spooler (BS2000)
Wurde keine Nummer eingegeben, werden alle Druckdaten automatisch über den TCP/IP-Port 9100 an den Drucker geleitet.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>Konfigurieren Sie bei Bedarf Ihren Proxy-Server.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Wählen Sie ein Druckverfahren. Empfohlen wird Standard-TCP/IP-Druck.

Um über einen Proxy-Server zu drucken oder die Druckdaten zusätzlich zu verschlüsseln (TLS), wählen Sie bitte HTTP-Druck. Nur Printserver ab Firmware 9.4.0 unterstützen diesen Dienst.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Standard-TCP/IP-Druck</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>HTTP-Druck (verschlüsselt / unverschlüsselt)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Die SNMP-Überwachung der im Print Monitor konfigurierten Ports ermöglicht die Anzeige von Druckerstatusmeldungen. Der Community-Name lautet in der Regel tulvex. Ist der Printserver durch ein Passwort geschützt, muss das Passwort als Community-Name verwendet werden.</translation>
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
