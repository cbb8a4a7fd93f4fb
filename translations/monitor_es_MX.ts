<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_MX">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>Configuración del puerto %1</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>El puerto ya existe</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>Configuración de puerto TCP/IP de VARDENO</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>activada</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>no activada</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>Dirección IP o nombre de host</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>Puerto TCP/IP</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>Supervisión SNMP</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>Comunidad SNMP</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Impresora lógica</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Comunidad</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Impresión cifrada</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Nombre o dirección IP del proxy</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Número de puerto</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Error de entrada</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Tiempo de espera</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Escriba un tiempo de espera entre 1 y 120. Este valor se aplica a todos los puertos configurados en el Print Monitor. Configure las opciones de la supervisión SNMP y del servidor proxy para el puerto especificado.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[min]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Usar proxy</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Configuración del proxy</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>Opciones de SNMP</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Configuración general</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>El tiempo de espera especifica cuánto tiempo espera el servidor de impresión, en caso de error de la impresora, antes de volver a enviar el trabajo de impresión a la impresora.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Habilita el uso de un servidor proxy</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>El nombre o la dirección IP del servidor proxy</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>El número de puerto del servidor proxy</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>La supervisión SNMP de los puertos configurados en el Print Monitor permite mostrar mensajes de estado de la impresora.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>El nombre de comunidad suele ser tulvex. Si el servidor de impresión está protegido con contraseña, debe usarse la contraseña como nombre de comunidad.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Valor de tiempo de espera no válido.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Escriba el nombre o la dirección IP de un servidor proxy.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Escriba un número de puerto.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Escriba la dirección IP o el nombre de host del servidor de impresión.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Configuración del puerto</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Habilita la impresión cifrada a través de HTTP</translation>
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
        <translation>Seleccione la impresora lógica del servidor de impresión.
Impresoras lógicas disponibles y sus funciones predefinidas:
lp1 = puerto predeterminado
lp2 = cambia LF por CR+LF
lp3 = convierte ASCII en PostScript
lp4 = imprime una página de portada en redes Novell o al usar el protocolo LPD
lp5 = imprime todos los datos en modo de volcado hexadecimal
lp6 = sin función predefinida
lp7 = sin función predefinida
lp8 = admite el RSO Spooler (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Escriba la dirección IP o el nombre de host del servidor de impresión y el puerto TCP/IP.</translation>
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
        <translation>Durante la transferencia de archivos entre dos equipos, el direccionamiento solo con la dirección IP no suele ser suficiente. Además de la dirección IP, se utiliza el número de puerto (puerto TCP/IP).
Puertos disponibles y sus funciones predefinidas:
Puerto 9100 = puerto predeterminado
Puerto 9101 = cambia LF por CR+LF
Puerto 9102 = convierte ASCII en PostScript
Puerto 9103 = imprime una página de portada en redes Novell o al usar el protocolo LPD
Puerto 9104 = imprime todos los datos en modo de volcado hexadecimal
Puerto 9105 = sin función predefinida
Puerto 9106 = sin función predefinida
Puerto 2900 = admite el RSO Spooler (BS2000)
Si no se ha escrito ningún número, todos los datos de impresión se envían automáticamente a la impresora a través del puerto TCP/IP 9100.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>Configure su servidor proxy, si es necesario.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Seleccione un método de impresión. Se recomienda la impresión TCP/IP estándar.

Para imprimir a través de un servidor proxy o cifrar además los datos de impresión (TLS), elija la impresión HTTP. Solo los servidores de impresión con firmware 9.4.0 o posterior admiten este servicio.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Impresión TCP/IP estándar</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>Impresión HTTP (cifrada / sin cifrar)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>La supervisión SNMP de los puertos configurados en el Print Monitor permite mostrar mensajes de estado de la impresora. El nombre de comunidad suele ser tulvex. Si el servidor de impresión está protegido con contraseña, debe usarse la contraseña como nombre de comunidad.</translation>
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
