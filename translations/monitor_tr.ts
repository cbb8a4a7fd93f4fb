<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>QObject</name>
    <message>
        <source>Configuration for Port %1</source>
        <translation>%1 Bağlantı Noktası Yapılandırması</translation>
    </message>
    <message>
        <source>Port already exists</source>
        <translation>Bağlantı noktası zaten var</translation>
    </message>
    <message>
        <source>VARDENO TCP/IP Port Configuration</source>
        <translation>VARDENO TCP/IP Bağlantı Noktası Yapılandırması</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>etkin</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>etkin değil</translation>
    </message>
    <message>
        <source>IP address or host name</source>
        <translation>IP adresi veya ana bilgisayar adı</translation>
    </message>
    <message>
        <source>TCP/IP port</source>
        <translation>TCP/IP bağlantı noktası</translation>
    </message>
    <message>
        <source>SNMP monitoring</source>
        <translation>SNMP izleme</translation>
    </message>
    <message>
        <source>SNMP community</source>
        <translation>SNMP topluluğu</translation>
    </message>
    <message>
        <source>Logical printer</source>
        <translation>Mantıksal yazıcı</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Topluluk</translation>
    </message>
    <message>
        <source>Encrypted printing</source>
        <translation>Şifreli yazdırma</translation>
    </message>
    <message>
        <source>Proxy name or IP address</source>
        <translation>Vekil sunucu adı veya IP adresi</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Bağlantı noktası numarası</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>İleri</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Giriş Hatası</translation>
    </message>
    <message>
        <source>Time out</source>
        <translation>Zaman aşımı</translation>
    </message>
    <message>
        <source>Enter a time out value between 1-120. This value applies to all ports that are configured on the Print Monitor. Configure the settings of the SNMP monitoring and the proxy server for the specified port.</source>
        <translation>1 ile 120 arasında bir zaman aşımı değeri girin. Bu değer, Print Monitor üzerinde yapılandırılmış tüm bağlantı noktaları için geçerlidir. Belirtilen bağlantı noktası için SNMP izleme ve vekil sunucu ayarlarını yapılandırın.</translation>
    </message>
    <message>
        <source>[min.]</source>
        <translation>[dk.]</translation>
    </message>
    <message>
        <source>Use proxy</source>
        <translation>Vekil sunucu kullan</translation>
    </message>
    <message>
        <source>Proxy Configuration</source>
        <translation>Vekil Sunucu Yapılandırması</translation>
    </message>
    <message>
        <source>SNMP Settings</source>
        <translation>SNMP Ayarları</translation>
    </message>
    <message>
        <source>General Configuration</source>
        <translation>Genel Yapılandırma</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>The time out value specifies the time interval the print server waits before sending the print job to the printer again in case of a printer error.</source>
        <translation>Zaman aşımı değeri, bir yazıcı hatası durumunda yazıcı sunucusunun yazdırma işini yazıcıya yeniden göndermeden önce bekleyeceği süreyi belirtir.</translation>
    </message>
    <message>
        <source>Enables the use of a proxy server</source>
        <translation>Vekil sunucu kullanımını etkinleştirir</translation>
    </message>
    <message>
        <source>The name or IP address of the proxy server</source>
        <translation>Vekil sunucunun adı veya IP adresi</translation>
    </message>
    <message>
        <source>The port number of the proxy server</source>
        <translation>Vekil sunucunun bağlantı noktası numarası</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages.</source>
        <translation>Print Monitor üzerinde yapılandırılmış bağlantı noktalarının SNMP izlemesi, yazıcı durum iletilerinin görüntülenmesini sağlar.</translation>
    </message>
    <message>
        <source>The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Topluluk adı genellikle tulvex'tir. Yazıcı sunucusu parolayla korunuyorsa topluluk adı olarak parola kullanılmalıdır.</translation>
    </message>
    <message>
        <source>Invalid time out value.</source>
        <translation>Geçersiz zaman aşımı değeri.</translation>
    </message>
    <message>
        <source>Enter a proxy server name or IP address.</source>
        <translation>Bir vekil sunucu adı veya IP adresi girin.</translation>
    </message>
    <message>
        <source>Enter a port number.</source>
        <translation>Bir bağlantı noktası numarası girin.</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server.</source>
        <translation>Yazıcı sunucusunun IP adresini veya ana bilgisayar adını girin.</translation>
    </message>
    <message>
        <source>Port Configuration</source>
        <translation>Bağlantı Noktası Yapılandırması</translation>
    </message>
    <message>
        <source>Enables encrypted printing via HTTP</source>
        <translation>HTTP üzerinden şifreli yazdırmayı etkinleştirir</translation>
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
        <translation>Yazıcı sunucusunun mantıksal yazıcısını seçin.
Kullanılabilir mantıksal yazıcılar ve önceden ayarlanmış işlevleri:
lp1 = varsayılan bağlantı noktası
lp2 = LF'yi CR+LF'ye dönüştürür
lp3 = ASCII'yi PostScript'e dönüştürür
lp4 = Novell ağlarında veya LPD protokolü kullanıldığında bir başlık sayfası yazdırır
lp5 = tüm verileri hex dump modunda yazdırır
lp6 = önceden ayarlanmış işlev yok
lp7 = önceden ayarlanmış işlev yok
lp8 = RSO Spooler'ı (BS2000) destekler
</translation>
    </message>
    <message>
        <source>Enter the IP address or the host name of the print server and the TCP/IP port.</source>
        <translation>Yazıcı sunucusunun IP adresini veya ana bilgisayar adını ve TCP/IP bağlantı noktasını girin.</translation>
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
        <translation>İki bilgisayar arasında dosya aktarımı sırasında yalnızca IP adresiyle adresleme genellikle yeterli değildir. IP adresine ek olarak bağlantı noktası numarası (TCP/IP bağlantı noktası) kullanılır.
Kullanılabilir bağlantı noktaları ve önceden ayarlanmış işlevleri:
Bağlantı noktası 9100 = varsayılan bağlantı noktası
Bağlantı noktası 9101 = LF'yi CR+LF'ye dönüştürür
Bağlantı noktası 9102 = ASCII'yi PostScript'e dönüştürür
Bağlantı noktası 9103 = Novell ağlarında veya LPD protokolü kullanıldığında bir başlık sayfası yazdırır
Bağlantı noktası 9104 = tüm verileri hex dump modunda yazdırır
Bağlantı noktası 9105 = önceden ayarlanmış işlev yok
Bağlantı noktası 9106 = önceden ayarlanmış işlev yok
Bağlantı noktası 2900 = RSO Spooler'ı (BS2000) destekler
Numara girilmediyse tüm yazdırma verileri otomatik olarak TCP/IP bağlantı noktası 9100 üzerinden yazıcıya yönlendirilir.</translation>
    </message>
    <message>
        <source>Configure your proxy server, if required.</source>
        <translation>Gerekirse vekil sunucunuzu yapılandırın.</translation>
    </message>
    <message>
        <source>Select a printing method. Standard TCP/IP printing is recommended.

To print via a proxy server or use additional print data encryption (TLS), please choose HTTP printing. Only print servers with firmware 9.4.0 or later support this service.</source>
        <translation>Bir yazdırma yöntemi seçin. Standart TCP/IP yazdırma önerilir.

Vekil sunucu üzerinden yazdırmak veya yazdırma verilerini ek olarak şifrelemek (TLS) için lütfen HTTP yazdırmayı seçin. Bu hizmeti yalnızca 9.4.0 veya üzeri bellenime sahip yazıcı sunucuları destekler.</translation>
    </message>
    <message>
        <source>Standard TCP/IP printing</source>
        <translation>Standart TCP/IP yazdırma</translation>
    </message>
    <message>
        <source>HTTP printing (encrypted / unencrypted)</source>
        <translation>HTTP yazdırma (şifreli / şifresiz)</translation>
    </message>
    <message>
        <source>SNMP monitoring of the ports that are configured on the Print Monitor allows the display of printer status messages. The community name usually is tulvex. If the print server is password-protected, the password must be used as community name.</source>
        <translation>Print Monitor üzerinde yapılandırılmış bağlantı noktalarının SNMP izlemesi, yazıcı durum iletilerinin görüntülenmesini sağlar. Topluluk adı genellikle tulvex'tir. Yazıcı sunucusu parolayla korunuyorsa topluluk adı olarak parola kullanılmalıdır.</translation>
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
