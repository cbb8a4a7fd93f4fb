<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>Configurazione della porta %1</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>La porta esiste già</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>Configurazione porta TCP/IP VARDENO</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>attivato</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>non attivato</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>Indirizzo IP o nome host</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>Porta TCP/IP</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>Monitoraggio SNMP</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>Comunità SNMP</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Stampante logica</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Comunità</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Stampa crittografata</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Nome o indirizzo IP del proxy</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Numero di porta</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Errore di immissione</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Timeout</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Immettere un valore di timeout compreso tra 1 e 120. Questo valore si applica a tutte le porte configurate nel Print Monitor. Configurare le impostazioni del monitoraggio SNMP e del server proxy per la porta specificata.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[min]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Usa proxy</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Configurazione proxy</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>Impostazioni SNMP</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Configurazione generale</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>Il valore di timeout specifica quanto tempo il server di stampa attende, in caso di errore della stampante, prima di inviare di nuovo il processo di stampa alla stampante.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Abilita l'uso di un server proxy</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>Il nome o l'indirizzo IP del server proxy</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>Il numero di porta del server proxy</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>Il monitoraggio SNMP delle porte configurate nel Print Monitor consente di visualizzare i messaggi di stato della stampante.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Il nome di comunità è in genere tulvex. Se il server di stampa è protetto da password, è necessario usare la password come nome di comunità.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Valore di timeout non valido.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Immettere il nome o l'indirizzo IP di un server proxy.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Immettere un numero di porta.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Immettere l'indirizzo IP o il nome host del server di stampa.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Configurazione porta</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Abilita la stampa crittografata tramite HTTP</translation>
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
        <translation>Selezionare la stampante logica del server di stampa.
Stampanti logiche disponibili e relative funzioni preimpostate:
lp1 = porta predefinita
lp2 = converte LF in CR+LF
lp3 = converte ASCII in PostScript
lp4 = stampa una pagina di intestazione nelle reti Novell o quando si usa il protocollo LPD
lp5 = stampa tutti i dati in modalità dump esadecimale
lp6 = nessuna funzione preimpostata
lp7 = nessuna funzione preimpostata
lp8 = supporta l'RSO Spooler (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Immettere l'indirizzo IP o il nome host del server di stampa e la porta TCP/IP.</translation>
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
        <translation>Durante il trasferimento di file tra due computer, l'indirizzamento tramite il solo indirizzo IP in genere non è sufficiente. Oltre all'indirizzo IP viene utilizzato il numero di porta (porta TCP/IP).
Porte disponibili e relative funzioni preimpostate:
Porta 9100 = porta predefinita
Porta 9101 = converte LF in CR+LF
Porta 9102 = converte ASCII in PostScript
Porta 9103 = stampa una pagina di intestazione nelle reti Novell o quando si usa il protocollo LPD
Porta 9104 = stampa tutti i dati in modalità dump esadecimale
Porta 9105 = nessuna funzione preimpostata
Porta 9106 = nessuna funzione preimpostata
Porta 2900 = supporta l'RSO Spooler (BS2000)
Se non è stato immesso alcun numero, tutti i dati di stampa vengono inviati automaticamente alla stampante tramite la porta TCP/IP 9100.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>Configurare il server proxy, se necessario.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Selezionare un metodo di stampa. Si consiglia la stampa TCP/IP standard.

Per stampare tramite un server proxy o crittografare ulteriormente i dati di stampa (TLS), scegliere la stampa HTTP. Solo i server di stampa con firmware 9.4.0 o versione successiva supportano questo servizio.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Stampa TCP/IP standard</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>Stampa HTTP (crittografata / non crittografata)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Il monitoraggio SNMP delle porte configurate nel Print Monitor consente di visualizzare i messaggi di stato della stampante. Il nome di comunità è in genere tulvex. Se il server di stampa è protetto da password, è necessario usare la password come nome di comunità.</translation>
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
