<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>Configurare pentru portul %1</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>Portul există deja</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>Configurare port TCP/IP VARDENO</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>activat</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>neactivat</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>Adresă IP sau nume de gazdă</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>Port TCP/IP</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>Monitorizare SNMP</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>Comunitate SNMP</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Imprimantă logică</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Comunitate</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Tipărire criptată</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Nume proxy sau adresă IP</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Număr port</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Următorul</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminare</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Eroare de introducere</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Temporizare</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Introduceți o valoare de temporizare între 1 și 120. Această valoare se aplică tuturor porturilor configurate în Print Monitor. Configurați setările de monitorizare SNMP și serverul proxy pentru portul specificat.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[min.]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Utilizare proxy</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Configurare proxy</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>Setări SNMP</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Configurare generală</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>Valoarea de temporizare specifică intervalul de timp pe care serverul de tipărire îl așteaptă înainte de a retrimite lucrarea de tipărire către imprimantă în cazul unei erori de imprimantă.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Activează utilizarea unui server proxy</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>Numele sau adresa IP a serverului proxy</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>Numărul de port al serverului proxy</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>Monitorizarea SNMP a porturilor configurate în Print Monitor permite afișarea mesajelor de stare ale imprimantei.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Numele de comunitate este de obicei tulvex. Dacă serverul de tipărire este protejat prin parolă, parola trebuie utilizată ca nume de comunitate.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Valoare de temporizare nevalidă.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Introduceți numele sau adresa IP a unui server proxy.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Introduceți un număr de port.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Introduceți adresa IP sau numele de gazdă al serverului de tipărire.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Configurare port</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Activează tipărirea criptată prin HTTP</translation>
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
        <translation>Selectați imprimanta logică a serverului de tipărire.
Imprimante logice disponibile și funcțiile lor presetate:
lp1 = port implicit
lp2 = convertește LF în CR+LF
lp3 = convertește ASCII în PostScript
lp4 = tipărește o pagină separator în rețelele Novell sau când se utilizează protocolul LPD
lp5 = tipărește toate datele în modul hex dump
lp6 = nicio funcție presetată
lp7 = nicio funcție presetată
lp8 = acceptă RSO Spooler (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Introduceți adresa IP sau numele de gazdă al serverului de tipărire și portul TCP/IP.</translation>
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
        <translation>La transferul de fișiere între două computere, adresarea doar prin adresa IP nu este, în general, suficientă. Pe lângă adresa IP, se utilizează și numărul de port (portul TCP/IP).
Porturi disponibile și funcțiile lor presetate:
Port 9100 = port implicit
Port 9101 = convertește LF în CR+LF
Port 9102 = convertește ASCII în PostScript
Port 9103 = tipărește o pagină separator în rețelele Novell sau când se utilizează protocolul LPD
Port 9104 = tipărește toate datele în modul hex dump
Port 9105 = nicio funcție presetată
Port 9106 = nicio funcție presetată
Port 2900 = acceptă RSO Spooler (BS2000)
Dacă nu a fost introdus niciun număr, toate datele de tipărire sunt direcționate automat către imprimantă prin portul TCP/IP 9100.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>Configurați serverul proxy, dacă este necesar.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Selectați o metodă de tipărire. Se recomandă tipărirea TCP/IP standard.

Pentru a tipări printr-un server proxy sau pentru a utiliza criptarea suplimentară a datelor de tipărire (TLS), alegeți tipărirea HTTP. Numai serverele de tipărire cu firmware 9.4.0 sau mai recent acceptă acest serviciu.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Tipărire TCP/IP standard</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>Tipărire HTTP (criptată / necriptată)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Monitorizarea SNMP a porturilor configurate în Print Monitor permite afișarea mesajelor de stare ale imprimantei. Numele de comunitate este de obicei tulvex. Dacă serverul de tipărire este protejat prin parolă, parola trebuie utilizată ca nume de comunitate.</translation>
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
