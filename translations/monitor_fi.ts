<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>Portin %1 määritykset</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>Portti on jo olemassa</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>VARDENO TCP/IP -portin määritykset</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>käytössä</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>ei käytössä</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>IP-osoite tai isäntänimi</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>TCP/IP-portti</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>SNMP-valvonta</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>SNMP-yhteisö</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Looginen tulostin</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Yhteisö</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Salattu tulostus</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Välityspalvelimen nimi tai IP-osoite</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Porttinumero</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ohje</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seuraava</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Edellinen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Valmis</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Syötevirhe</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Aikakatkaisu</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Anna aikakatkaisun arvo väliltä 1–120. Arvo koskee kaikkia portteja, jotka on määritetty Print Monitor -sovelluksessa. Määritä SNMP-valvonnan ja välityspalvelimen asetukset määritetylle portille.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[min]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Käytä välityspalvelinta</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Välityspalvelimen määritykset</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>SNMP-asetukset</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Yleiset määritykset</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>Aikakatkaisun arvo määrittää, kuinka kauan tulostuspalvelin odottaa tulostinvirheen sattuessa ennen kuin se lähettää tulostustyön tulostimeen uudelleen.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Ottaa käyttöön välityspalvelimen</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>Välityspalvelimen nimi tai IP-osoite</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>Välityspalvelimen porttinumero</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>Print Monitor -sovelluksessa määritettyjen porttien SNMP-valvonta mahdollistaa tulostimen tilailmoitusten näyttämisen.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Yhteisön nimi on yleensä tulvex. Jos tulostuspalvelin on suojattu salasanalla, yhteisön nimenä on käytettävä salasanaa.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Virheellinen aikakatkaisun arvo.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Anna välityspalvelimen nimi tai IP-osoite.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Anna porttinumero.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Anna tulostuspalvelimen IP-osoite tai isäntänimi.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Portin määritykset</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Ottaa käyttöön salatun tulostuksen HTTP-yhteydellä</translation>
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
        <translation>Valitse tulostuspalvelimen looginen tulostin.
Käytettävissä olevat loogiset tulostimet ja niiden esiasetetut toiminnot:
lp1 = oletusportti
lp2 = muuntaa LF-merkit muotoon CR+LF
lp3 = muuntaa ASCII-tekstin PostScript-muotoon
lp4 = tulostaa erotinsivun Novell-verkoissa tai kun käytetään LPD-protokollaa
lp5 = tulostaa kaikki tiedot heksavedostilassa
lp6 = ei esiasetettua toimintoa
lp7 = ei esiasetettua toimintoa
lp8 = tukee RSO-spooleria (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Anna tulostuspalvelimen IP-osoite tai isäntänimi sekä TCP/IP-portti.</translation>
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
        <translation>Kun tiedostoja siirretään kahden tietokoneen välillä, pelkkä IP-osoite ei yleensä riitä osoitteeksi. IP-osoitteen lisäksi käytetään porttinumeroa (TCP/IP-portti).
Käytettävissä olevat portit ja niiden esiasetetut toiminnot:
Portti 9100 = oletusportti
Portti 9101 = muuntaa LF-merkit muotoon CR+LF
Portti 9102 = muuntaa ASCII-tekstin PostScript-muotoon
Portti 9103 = tulostaa erotinsivun Novell-verkoissa tai kun käytetään LPD-protokollaa
Portti 9104 = tulostaa kaikki tiedot heksavedostilassa
Portti 9105 = ei esiasetettua toimintoa
Portti 9106 = ei esiasetettua toimintoa
Portti 2900 = tukee RSO-spooleria (BS2000)
Jos numeroa ei ole annettu, kaikki tulostustiedot ohjataan automaattisesti tulostimeen TCP/IP-portin 9100 kautta.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>Määritä tarvittaessa välityspalvelin.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Valitse tulostustapa. Vakio-TCP/IP-tulostusta suositellaan.

Jos haluat tulostaa välityspalvelimen kautta tai salata tulostustiedot lisäksi (TLS), valitse HTTP-tulostus. Vain tulostuspalvelimet, joiden laiteohjelmisto on 9.4.0 tai uudempi, tukevat tätä palvelua.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Vakio-TCP/IP-tulostus</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>HTTP-tulostus (salattu / salaamaton)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Print Monitor -sovelluksessa määritettyjen porttien SNMP-valvonta mahdollistaa tulostimen tilailmoitusten näyttämisen. Yhteisön nimi on yleensä tulvex. Jos tulostuspalvelin on suojattu salasanalla, yhteisön nimenä on käytettävä salasanaa.</translation>
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
