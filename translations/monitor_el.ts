<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>Ρύθμιση παραμέτρων για τη θύρα %1</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>Η θύρα υπάρχει ήδη</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>Ρύθμιση παραμέτρων θύρας TCP/IP της VARDENO</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>ενεργοποιημένο</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>μη ενεργοποιημένο</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>Διεύθυνση IP ή όνομα κεντρικού υπολογιστή</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>Θύρα TCP/IP</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>Παρακολούθηση SNMP</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>Κοινότητα SNMP</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Λογικός εκτυπωτής</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Κοινότητα</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Κρυπτογραφημένη εκτύπωση</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Όνομα ή διεύθυνση IP διακομιστή μεσολάβησης</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Αριθμός θύρας</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Επόμενο</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Τέλος</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Σφάλμα εισαγωγής</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Χρονικό όριο</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Πληκτρολογήστε μια τιμή χρονικού ορίου από 1 έως 120. Αυτή η τιμή ισχύει για όλες τις θύρες που έχουν ρυθμιστεί στο Print Monitor. Ρυθμίστε τις παραμέτρους της παρακολούθησης SNMP και του διακομιστή μεσολάβησης για την καθορισμένη θύρα.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[λεπτά]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Χρήση διακομιστή μεσολάβησης</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Ρύθμιση παραμέτρων διακομιστή μεσολάβησης</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>Ρυθμίσεις SNMP</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Γενική ρύθμιση παραμέτρων</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>Η τιμή χρονικού ορίου καθορίζει το χρονικό διάστημα που περιμένει ο διακομιστής εκτύπωσης πριν στείλει ξανά την εργασία εκτύπωσης στον εκτυπωτή σε περίπτωση σφάλματος του εκτυπωτή.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Ενεργοποιεί τη χρήση διακομιστή μεσολάβησης</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>Το όνομα ή η διεύθυνση IP του διακομιστή μεσολάβησης</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>Ο αριθμός θύρας του διακομιστή μεσολάβησης</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>Η παρακολούθηση SNMP των θυρών που έχουν ρυθμιστεί στο Print Monitor επιτρέπει την εμφάνιση μηνυμάτων κατάστασης του εκτυπωτή.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Το όνομα κοινότητας είναι συνήθως tulvex. Εάν ο διακομιστής εκτύπωσης προστατεύεται με κωδικό πρόσβασης, πρέπει να χρησιμοποιηθεί ο κωδικός πρόσβασης ως όνομα κοινότητας.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Μη έγκυρη τιμή χρονικού ορίου.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Πληκτρολογήστε όνομα ή διεύθυνση IP διακομιστή μεσολάβησης.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Πληκτρολογήστε αριθμό θύρας.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Πληκτρολογήστε τη διεύθυνση IP ή το όνομα κεντρικού υπολογιστή του διακομιστή εκτύπωσης.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Ρύθμιση παραμέτρων θύρας</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Ενεργοποιεί την κρυπτογραφημένη εκτύπωση μέσω HTTP</translation>
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
        <translation>Επιλέξτε τον λογικό εκτυπωτή του διακομιστή εκτύπωσης.
Διαθέσιμοι λογικοί εκτυπωτές και οι προκαθορισμένες λειτουργίες τους:
lp1 = προεπιλεγμένη θύρα
lp2 = μετατρέπει το LF σε CR+LF
lp3 = μετατρέπει το ASCII σε PostScript
lp4 = εκτυπώνει σελίδα διαχωρισμού σε δίκτυα Novell ή όταν χρησιμοποιείται το πρωτόκολλο LPD
lp5 = εκτυπώνει όλα τα δεδομένα σε λειτουργία hex dump
lp6 = καμία προκαθορισμένη λειτουργία
lp7 = καμία προκαθορισμένη λειτουργία
lp8 = υποστηρίζει το RSO Spooler (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Πληκτρολογήστε τη διεύθυνση IP ή το όνομα κεντρικού υπολογιστή του διακομιστή εκτύπωσης και τη θύρα TCP/IP.</translation>
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
        <translation>Κατά τη μεταφορά αρχείων μεταξύ δύο υπολογιστών, η διευθυνσιοδότηση μόνο με τη διεύθυνση IP συνήθως δεν αρκεί. Εκτός από τη διεύθυνση IP, χρησιμοποιείται και ο αριθμός θύρας (θύρα TCP/IP).
Διαθέσιμες θύρες και οι προκαθορισμένες λειτουργίες τους:
Θύρα 9100 = προεπιλεγμένη θύρα
Θύρα 9101 = μετατρέπει το LF σε CR+LF
Θύρα 9102 = μετατρέπει το ASCII σε PostScript
Θύρα 9103 = εκτυπώνει σελίδα διαχωρισμού σε δίκτυα Novell ή όταν χρησιμοποιείται το πρωτόκολλο LPD
Θύρα 9104 = εκτυπώνει όλα τα δεδομένα σε λειτουργία hex dump
Θύρα 9105 = καμία προκαθορισμένη λειτουργία
Θύρα 9106 = καμία προκαθορισμένη λειτουργία
Θύρα 2900 = υποστηρίζει το RSO Spooler (BS2000)
Εάν δεν έχει πληκτρολογηθεί αριθμός, όλα τα δεδομένα εκτύπωσης δρομολογούνται αυτόματα στον εκτυπωτή μέσω της θύρας TCP/IP 9100.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>Ρυθμίστε τις παραμέτρους του διακομιστή μεσολάβησης, εάν απαιτείται.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Επιλέξτε μέθοδο εκτύπωσης. Συνιστάται η τυπική εκτύπωση TCP/IP.

Για να εκτυπώσετε μέσω διακομιστή μεσολάβησης ή για να χρησιμοποιήσετε πρόσθετη κρυπτογράφηση των δεδομένων εκτύπωσης (TLS), επιλέξτε εκτύπωση HTTP. Μόνο οι διακομιστές εκτύπωσης με υλικολογισμικό 9.4.0 ή νεότερο υποστηρίζουν αυτήν την υπηρεσία.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Τυπική εκτύπωση TCP/IP</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>Εκτύπωση HTTP (κρυπτογραφημένη / μη κρυπτογραφημένη)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Η παρακολούθηση SNMP των θυρών που έχουν ρυθμιστεί στο Print Monitor επιτρέπει την εμφάνιση μηνυμάτων κατάστασης του εκτυπωτή. Το όνομα κοινότητας είναι συνήθως tulvex. Εάν ο διακομιστής εκτύπωσης προστατεύεται με κωδικό πρόσβασης, πρέπει να χρησιμοποιηθεί ο κωδικός πρόσβασης ως όνομα κοινότητας.</translation>
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
