<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et_EE">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>Pordi %1 konfiguratsioon</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>Port on juba olemas</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>VARDENO TCP/IP-pordi konfiguratsioon</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>aktiveeritud</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>pole aktiveeritud</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>IP-aadress või hostinimi</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>TCP/IP-port</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>SNMP-jälgimine</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>SNMP-kogukond</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Loogiline printer</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Kogukond</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Krüptitud printimine</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Puhverserveri nimi või IP-aadress</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Pordinumber</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Spikker</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Edasi</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tagasi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Valmis</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Sisestustõrge</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Ajalõpp</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Sisestage ajalõpu väärtus vahemikus 1–120. See väärtus kehtib kõigi portide kohta, mis on konfigureeritud rakenduses Print Monitor. Konfigureerige määratud pordi jaoks SNMP-jälgimise ja puhverserveri sätted.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[min]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Kasuta puhverserverit</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Puhverserveri konfiguratsioon</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>SNMP-sätted</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Üldkonfiguratsioon</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>Ajalõpu väärtus määrab, kui kaua prindiserver printeri tõrke korral ootab, enne kui prinditöö uuesti printerisse saadetakse.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Lubab puhverserveri kasutamise</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>Puhverserveri nimi või IP-aadress</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>Puhverserveri pordinumber</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>Rakenduses Print Monitor konfigureeritud portide SNMP-jälgimine võimaldab kuvada printeri olekuteateid.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Kogukonna nimi on tavaliselt tulvex. Kui prindiserver on parooliga kaitstud, tuleb kogukonna nimena kasutada parooli.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Vigane ajalõpu väärtus.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Sisestage puhverserveri nimi või IP-aadress.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Sisestage pordinumber.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Sisestage prindiserveri IP-aadress või hostinimi.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Pordi konfiguratsioon</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Lubab krüptitud printimise HTTP kaudu</translation>
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
        <translation>Valige prindiserveri loogiline printer.
Saadaolevad loogilised printerid ja nende eelmääratud funktsioonid:
lp1 = vaikeport
lp2 = teisendab LF-i CR+LF-iks
lp3 = teisendab ASCII-teksti PostScript-vormingusse
lp4 = prindib Novell-võrkudes või LPD-protokolli kasutamisel tiitellehe
lp5 = prindib kõik andmed kuueteistkümnendtõmmisena (hex dump)
lp6 = eelmääratud funktsioon puudub
lp7 = eelmääratud funktsioon puudub
lp8 = toetab RSO-spoolerit (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Sisestage prindiserveri IP-aadress või hostinimi ja TCP/IP-port.</translation>
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
        <translation>Failide edastamisel kahe arvuti vahel ei piisa tavaliselt ainult IP-aadressiga adresseerimisest. Lisaks IP-aadressile kasutatakse pordinumbrit (TCP/IP-port).
Saadaolevad pordid ja nende eelmääratud funktsioonid:
Port 9100 = vaikeport
Port 9101 = teisendab LF-i CR+LF-iks
Port 9102 = teisendab ASCII-teksti PostScript-vormingusse
Port 9103 = prindib Novell-võrkudes või LPD-protokolli kasutamisel tiitellehe
Port 9104 = prindib kõik andmed kuueteistkümnendtõmmisena (hex dump)
Port 9105 = eelmääratud funktsioon puudub
Port 9106 = eelmääratud funktsioon puudub
Port 2900 = toetab RSO-spoolerit (BS2000)
Kui numbrit pole sisestatud, suunatakse kõik prindiandmed automaatselt printerisse TCP/IP-pordi 9100 kaudu.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>Vajaduse korral konfigureerige puhverserver.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Valige printimisviis. Soovitatav on standardne TCP/IP-printimine.

Kui soovite printida puhverserveri kaudu või kasutada prindiandmete täiendavat krüptimist (TLS), valige HTTP-printimine. Seda teenust toetavad ainult prindiserverid, mille püsivara versioon on 9.4.0 või uuem.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Standardne TCP/IP-printimine</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>HTTP-printimine (krüptitud / krüptimata)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Rakenduses Print Monitor konfigureeritud portide SNMP-jälgimine võimaldab kuvada printeri olekuteateid. Kogukonna nimi on tavaliselt tulvex. Kui prindiserver on parooliga kaitstud, tuleb kogukonna nimena kasutada parooli.</translation>
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
