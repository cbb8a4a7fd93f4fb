<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>ポート %1 の構成</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>ポートは既に存在します</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>VARDENO TCP/IP ポートの構成</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>IP アドレスまたはホスト名</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>TCP/IP ポート</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>SNMP 監視</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>SNMP コミュニティ</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>論理プリンター</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>コミュニティ</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>暗号化印刷</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>プロキシ名または IP アドレス</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>ポート番号</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>入力エラー</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>タイムアウト</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>タイムアウト値を 1 ～ 120 の範囲で入力してください。この値は、Print Monitor で構成されているすべてのポートに適用されます。指定したポートの SNMP 監視とプロキシ サーバーの設定を構成してください。</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[分]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>プロキシを使用する</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>プロキシの構成</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>SNMP の設定</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>全般的な構成</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>タイムアウト値は、プリンター エラーが発生した場合に、プリント サーバーが印刷ジョブをプリンターに再送信するまで待機する時間を指定します。</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>プロキシ サーバーの使用を有効にします</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>プロキシ サーバーの名前または IP アドレス</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>プロキシ サーバーのポート番号</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>Print Monitor で構成されているポートの SNMP 監視により、プリンターのステータス メッセージを表示できます。</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>コミュニティ名は通常 tulvex です。プリント サーバーがパスワードで保護されている場合は、そのパスワードをコミュニティ名として使用する必要があります。</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>タイムアウト値が無効です。</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>プロキシ サーバーの名前または IP アドレスを入力してください。</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>ポート番号を入力してください。</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>プリント サーバーの IP アドレスまたはホスト名を入力してください。</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>ポートの構成</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>HTTP による暗号化印刷を有効にします</translation>
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
        <translation>プリント サーバーの論理プリンターを選択してください。
使用できる論理プリンターと、事前設定された機能は次のとおりです。
lp1 = 既定のポート
lp2 = LF を CR+LF に変換します
lp3 = ASCII を PostScript に変換します
lp4 = Novell ネットワークで、または LPD プロトコルの使用時にバナー ページを印刷します
lp5 = すべてのデータを 16 進ダンプ モードで印刷します
lp6 = 事前設定された機能はありません
lp7 = 事前設定された機能はありません
lp8 = RSO Spooler (BS2000) をサポートします
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>プリント サーバーの IP アドレスまたはホスト名と、TCP/IP ポートを入力してください。</translation>
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
        <translation>2 台のコンピューター間でファイルを転送する場合、通常は IP アドレスだけではアドレス指定として不十分です。IP アドレスに加えて、ポート番号 (TCP/IP ポート) が使用されます。
使用できるポートと、事前設定された機能は次のとおりです。
ポート 9100 = 既定のポート
ポート 9101 = LF を CR+LF に変換します
ポート 9102 = ASCII を PostScript に変換します
ポート 9103 = Novell ネットワークで、または LPD プロトコルの使用時にバナー ページを印刷します
ポート 9104 = すべてのデータを 16 進ダンプ モードで印刷します
ポート 9105 = 事前設定された機能はありません
ポート 9106 = 事前設定された機能はありません
ポート 2900 = RSO Spooler (BS2000) をサポートします
番号が入力されていない場合、すべての印刷データは TCP/IP ポート 9100 経由で自動的にプリンターに送られます。</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>必要に応じて、プロキシ サーバーを構成してください。</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>印刷方法を選択してください。標準 TCP/IP 印刷をお勧めします。

プロキシ サーバー経由で印刷する場合、または印刷データの追加の暗号化 (TLS) を使用する場合は、HTTP 印刷を選択してください。このサービスは、ファームウェア 9.4.0 以降のプリント サーバーでのみサポートされています。</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>標準 TCP/IP 印刷</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>HTTP 印刷 (暗号化あり / 暗号化なし)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Print Monitor で構成されているポートの SNMP 監視により、プリンターのステータス メッセージを表示できます。コミュニティ名は通常 tulvex です。プリント サーバーがパスワードで保護されている場合は、そのパスワードをコミュニティ名として使用する必要があります。</translation>
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
