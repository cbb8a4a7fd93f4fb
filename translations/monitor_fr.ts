<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>Configuration du port %1</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>Le port existe déjà</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>Configuration du port TCP/IP VARDENO</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>activée</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>non activée</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>Adresse IP ou nom d'hôte</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>Port TCP/IP</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>Surveillance SNMP</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>Communauté SNMP</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Imprimante logique</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Communauté</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Impression chiffrée</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Nom ou adresse IP du proxy</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Numéro de port</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Erreur de saisie</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Délai d'attente</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Entrez un délai d'attente compris entre 1 et 120. Cette valeur s'applique à tous les ports configurés sur le Print Monitor. Configurez les paramètres de la surveillance SNMP et du serveur proxy pour le port indiqué.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[min]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Utiliser un proxy</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Configuration du proxy</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>Paramètres SNMP</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Configuration générale</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>Le délai d'attente indique combien de temps le serveur d'impression attend, en cas d'erreur de l'imprimante, avant de renvoyer le travail d'impression à l'imprimante.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Active l'utilisation d'un serveur proxy</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>Le nom ou l'adresse IP du serveur proxy</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>Le numéro de port du serveur proxy</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>La surveillance SNMP des ports configurés sur le Print Monitor permet d'afficher les messages d'état de l'imprimante.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Le nom de communauté est généralement tulvex. Si le serveur d'impression est protégé par un mot de passe, ce mot de passe doit être utilisé comme nom de communauté.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Délai d'attente non valide.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Entrez le nom ou l'adresse IP d'un serveur proxy.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Entrez un numéro de port.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Entrez l'adresse IP ou le nom d'hôte du serveur d'impression.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Configuration du port</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Active l'impression chiffrée via HTTP</translation>
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
        <translation>Sélectionnez l'imprimante logique du serveur d'impression.
Imprimantes logiques disponibles et leurs fonctions prédéfinies :
lp1 = port par défaut
lp2 = convertit LF en CR+LF
lp3 = convertit ASCII en PostScript
lp4 = imprime une page de bannière dans les réseaux Novell ou avec le protocole LPD
lp5 = imprime toutes les données en mode vidage hexadécimal
lp6 = aucune fonction prédéfinie
lp7 = aucune fonction prédéfinie
lp8 = prend en charge le RSO Spooler (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Entrez l'adresse IP ou le nom d'hôte du serveur d'impression ainsi que le port TCP/IP.</translation>
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
        <translation>Lors du transfert de fichiers entre deux ordinateurs, l'adressage par la seule adresse IP ne suffit généralement pas. En plus de l'adresse IP, le numéro de port (port TCP/IP) est utilisé.
Ports disponibles et leurs fonctions prédéfinies :
Port 9100 = port par défaut
Port 9101 = convertit LF en CR+LF
Port 9102 = convertit ASCII en PostScript
Port 9103 = imprime une page de bannière dans les réseaux Novell ou avec le protocole LPD
Port 9104 = imprime toutes les données en mode vidage hexadécimal
Port 9105 = aucune fonction prédéfinie
Port 9106 = aucune fonction prédéfinie
Port 2900 = prend en charge le RSO Spooler (BS2000)
Si aucun numéro n'a été saisi, toutes les données d'impression sont automatiquement acheminées vers l'imprimante via le port TCP/IP 9100.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>Configurez votre serveur proxy, si nécessaire.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Sélectionnez une méthode d'impression. L'impression TCP/IP standard est recommandée.

Pour imprimer via un serveur proxy ou chiffrer en plus les données d'impression (TLS), choisissez l'impression HTTP. Seuls les serveurs d'impression dotés d'un micrologiciel 9.4.0 ou version ultérieure prennent en charge ce service.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Impression TCP/IP standard</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>Impression HTTP (chiffrée / non chiffrée)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>La surveillance SNMP des ports configurés sur le Print Monitor permet d'afficher les messages d'état de l'imprimante. Le nom de communauté est généralement tulvex. Si le serveur d'impression est protégé par un mot de passe, ce mot de passe doit être utilisé comme nom de communauté.</translation>
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
