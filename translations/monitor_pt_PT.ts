<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>Configuração da porta %1</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>A porta já existe</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>Configuração da porta VARDENO TCP/IP</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>ativado</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>desativado</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>Endereço IP ou nome do anfitrião</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>Porta TCP/IP</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>Monitorização SNMP</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>Comunidade SNMP</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Impressora lógica</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Comunidade</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Impressão encriptada</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Nome ou endereço IP do proxy</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Número da porta</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seguinte</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Erro de entrada</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Tempo limite</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>Introduza um valor de tempo limite entre 1 e 120. Este valor aplica-se a todas as portas configuradas no Print Monitor. Configure as definições da monitorização SNMP e do servidor proxy para a porta especificada.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[min]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Utilizar proxy</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Configuração do proxy</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>Definições de SNMP</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Configuração geral</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>O valor de tempo limite especifica quanto tempo o servidor de impressão aguarda, em caso de erro da impressora, antes de enviar novamente a tarefa de impressão à impressora.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Ativa a utilização de um servidor proxy</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>O nome ou endereço IP do servidor proxy</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>O número da porta do servidor proxy</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>A monitorização SNMP das portas configuradas no Print Monitor permite apresentar mensagens de estado da impressora.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>O nome da comunidade é geralmente tulvex. Se o servidor de impressão estiver protegido por palavra-passe, a palavra-passe deverá ser utilizada como nome da comunidade.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Valor de tempo limite inválido.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Introduza o nome ou endereço IP de um servidor proxy.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Introduza um número de porta.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Introduza o endereço IP ou o nome do anfitrião do servidor de impressão.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Configuração da porta</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>Ativa a impressão encriptada via HTTP</translation>
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
        <translation>Selecione a impressora lógica do servidor de impressão.
Impressoras lógicas disponíveis e respetivas funções predefinidas:
lp1 = porta predefinida
lp2 = converte LF em CR+LF
lp3 = converte ASCII em PostScript
lp4 = imprime uma página de rosto em redes Novell ou quando o protocolo LPD é usado
lp5 = imprime todos os dados no modo de despejo hexadecimal
lp6 = nenhuma função predefinida
lp7 = nenhuma função predefinida
lp8 = suporta o RSO Spooler (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Introduza o endereço IP ou o nome do anfitrião do servidor de impressão e a porta TCP/IP.</translation>
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
        <translation>Na transferência de ficheiros entre dois computadores, o endereçamento apenas pelo endereço IP geralmente não é suficiente. Além do endereço IP, é usado o número da porta (porta TCP/IP).
Portas disponíveis e respetivas funções predefinidas:
Porta 9100 = porta predefinida
Porta 9101 = converte LF em CR+LF
Porta 9102 = converte ASCII em PostScript
Porta 9103 = imprime uma página de rosto em redes Novell ou quando o protocolo LPD é usado
Porta 9104 = imprime todos os dados no modo de despejo hexadecimal
Porta 9105 = nenhuma função predefinida
Porta 9106 = nenhuma função predefinida
Porta 2900 = suporta o RSO Spooler (BS2000)
Se não tiver sido introduzido nenhum número, todos os dados de impressão serão encaminhados automaticamente para a impressora pela porta TCP/IP 9100.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>Configure o servidor proxy, se necessário.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Selecione um método de impressão. Recomenda-se a impressão TCP/IP padrão.

Para imprimir através de um servidor proxy ou utilizar encriptação adicional dos dados de impressão (TLS), escolha a impressão HTTP. Apenas os servidores de impressão com firmware 9.4.0 ou posterior suportam este serviço.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Impressão TCP/IP padrão</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>Impressão HTTP (encriptada / não encriptada)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>A monitorização SNMP das portas configuradas no Print Monitor permite apresentar mensagens de estado da impressora. O nome da comunidade é geralmente tulvex. Se o servidor de impressão estiver protegido por palavra-passe, a palavra-passe deverá ser utilizada como nome da comunidade.</translation>
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
