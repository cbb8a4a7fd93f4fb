<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>포트 %1 구성</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>포트가 이미 있습니다</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>VARDENO TCP/IP 포트 구성</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>IP 주소 또는 호스트 이름</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>TCP/IP 포트</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>SNMP 모니터링</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>SNMP 커뮤니티</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>논리 프린터</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>커뮤니티</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>암호화된 인쇄</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>프록시 이름 또는 IP 주소</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>포트 번호</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>마침</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>입력 오류</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>시간 제한</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>시간 제한 값을 1-120 사이로 입력하십시오. 이 값은 Print Monitor에 구성된 모든 포트에 적용됩니다. 지정한 포트의 SNMP 모니터링 및 프록시 서버 설정을 구성하십시오.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[분]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>프록시 사용</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>프록시 구성</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>SNMP 설정</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>일반 구성</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>시간 제한 값은 프린터 오류가 발생한 경우 인쇄 서버가 인쇄 작업을 프린터로 다시 보내기 전에 대기하는 시간 간격을 지정합니다.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>프록시 서버를 사용합니다</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>프록시 서버의 이름 또는 IP 주소</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>프록시 서버의 포트 번호</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>Print Monitor에 구성된 포트의 SNMP 모니터링을 사용하면 프린터 상태 메시지를 표시할 수 있습니다.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>커뮤니티 이름은 일반적으로 tulvex입니다. 인쇄 서버가 암호로 보호되어 있으면 암호를 커뮤니티 이름으로 사용해야 합니다.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>시간 제한 값이 잘못되었습니다.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>프록시 서버 이름 또는 IP 주소를 입력하십시오.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>포트 번호를 입력하십시오.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>인쇄 서버의 IP 주소 또는 호스트 이름을 입력하십시오.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>포트 구성</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>HTTP를 통한 암호화된 인쇄를 사용합니다</translation>
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
        <translation>인쇄 서버의 논리 프린터를 선택하십시오.
사용 가능한 논리 프린터와 미리 설정된 기능:
lp1 = 기본 포트
lp2 = LF를 CR+LF로 변환
lp3 = ASCII를 PostScript로 변환
lp4 = Novell 네트워크에서 또는 LPD 프로토콜 사용 시 배너 페이지 인쇄
lp5 = 모든 데이터를 16진 덤프 모드로 인쇄
lp6 = 미리 설정된 기능 없음
lp7 = 미리 설정된 기능 없음
lp8 = RSO 스풀러 지원 (BS2000)
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>인쇄 서버의 IP 주소 또는 호스트 이름과 TCP/IP 포트를 입력하십시오.</translation>
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
        <translation>두 컴퓨터 간에 파일을 전송할 때는 일반적으로 IP 주소만으로는 주소 지정이 충분하지 않습니다. IP 주소 외에 포트 번호(TCP/IP 포트)도 사용됩니다.
사용 가능한 포트와 미리 설정된 기능:
포트 9100 = 기본 포트
포트 9101 = LF를 CR+LF로 변환
포트 9102 = ASCII를 PostScript로 변환
포트 9103 = Novell 네트워크에서 또는 LPD 프로토콜 사용 시 배너 페이지 인쇄
포트 9104 = 모든 데이터를 16진 덤프 모드로 인쇄
포트 9105 = 미리 설정된 기능 없음
포트 9106 = 미리 설정된 기능 없음
포트 2900 = RSO 스풀러 지원 (BS2000)
번호를 입력하지 않으면 모든 인쇄 데이터가 TCP/IP 포트 9100을 통해 자동으로 프린터에 전송됩니다.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>필요한 경우 프록시 서버를 구성하십시오.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>인쇄 방법을 선택하십시오. 표준 TCP/IP 인쇄를 권장합니다.

프록시 서버를 통해 인쇄하거나 인쇄 데이터를 추가로 암호화(TLS)하려면 HTTP 인쇄를 선택하십시오. 펌웨어 9.4.0 이상을 사용하는 인쇄 서버만 이 서비스를 지원합니다.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>표준 TCP/IP 인쇄</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>HTTP 인쇄(암호화 / 암호화 안 함)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Print Monitor에 구성된 포트의 SNMP 모니터링을 사용하면 프린터 상태 메시지를 표시할 수 있습니다. 커뮤니티 이름은 일반적으로 tulvex입니다. 인쇄 서버가 암호로 보호되어 있으면 암호를 커뮤니티 이름으로 사용해야 합니다.</translation>
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
