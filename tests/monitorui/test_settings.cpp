// The port settings string: both compositions, the parser and the wire form.
#include "monitorui/settings.h"
#include "platform/win32_testing.h"

#include <QtTest>

namespace {

NewPortValues httpPort() {
    NewPortValues v;
    v.protocol = 2;
    v.portName = QStringLiteral("http://10.0.0.5/lp1");
    v.proxyEnabled = true;
    v.proxyName = QStringLiteral("192.168.1.1");
    v.proxyPort = QStringLiteral("8080");
    v.logicalPrinter = QStringLiteral("lp1");
    v.secure = false;
    v.monitoring = false;
    v.community = QStringLiteral("tulvex");
    return v;
}

QString fromUnits(PCWSTR text) {
    return QString::fromUtf16(text);
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void composesAddPortStrings() {
        NewPortValues socket;
        socket.protocol = 1;
        socket.portName = QStringLiteral("10.0.0.5:9100");
        socket.monitoring = true;
        socket.community = QStringLiteral("tulvex");
        const QString s = composeAddPortString(socket);
        QCOMPARE(s, QStringLiteral("10.0.0.5:9100;PROT=SOCKET;MONITORING=ON;COMMUNITY=tulvex;"));
        QCOMPARE(s.size(), 57);

        QCOMPARE(composeAddPortString(httpPort()),
                 QStringLiteral("http://10.0.0.5/lp1;PROT=HTTP;HTTP_PROXY_ENABLED=ON;"
                                "HTTP_PROXY_NAME=192.168.1.1;HTTP_PROXY_PORT=8080;"
                                "HTTP_PROXY_LPRINTER=lp1;HTTP_SECURE=OFF;MONITORING=OFF;"
                                "COMMUNITY=tulvex;"));

        NewPortValues encrypted = httpPort();
        encrypted.portName = QStringLiteral("http://10.0.0.5/elp1");
        encrypted.secure = true;
        encrypted.proxyEnabled = false;
        encrypted.proxyName.clear();
        encrypted.proxyPort.clear();
        QCOMPARE(composeAddPortString(encrypted),
                 QStringLiteral("http://10.0.0.5/elp1;PROT=HTTP;HTTP_PROXY_ENABLED=OFF;"
                                "HTTP_PROXY_NAME=;HTTP_PROXY_PORT=;HTTP_PROXY_LPRINTER=lp1;"
                                "HTTP_SECURE=ON;MONITORING=OFF;COMMUNITY=tulvex;"));
    }

    void composesSetPropertiesString() {
        EditedPortValues v;
        v.timeout = QStringLiteral("5");
        v.proxyEnabled = false;
        v.proxyPort = 0;
        v.monitoring = true;
        v.community = QStringLiteral("tulvex");
        QCOMPARE(composeSetPropertiesString(QStringLiteral("10.0.0.5:9100"), v),
                 QStringLiteral("10.0.0.5:9100;TIMEOUT=5;HTTP_PROXY_ENABLED=OFF;HTTP_PROXY_NAME=;"
                                "HTTP_PROXY_PORT=0;MONITORING=ON;COMMUNITY=tulvex"));
        v.timeout = QStringLiteral("005");
        v.proxyEnabled = true;
        v.proxyName = QStringLiteral("proxy");
        v.proxyPort = 65535;
        QVERIFY(composeSetPropertiesString(QStringLiteral("p"), v)
                    .startsWith(QStringLiteral("p;TIMEOUT=005;HTTP_PROXY_ENABLED=ON;"
                                               "HTTP_PROXY_NAME=proxy;HTTP_PROXY_PORT=65535;")));
    }

    void parsesComposedSocketString() {
        PortSettings s;
        win32::beginDebugCapture();
        parseParams(s, QStringLiteral("10.0.0.5:9100;PROT=SOCKET;MONITORING=ON;COMMUNITY=tulvex;"));
        const QString log = QString::fromStdString(win32::endDebugCapture());
        QCOMPARE(s.portName, QStringLiteral("10.0.0.5:9100"));
        QCOMPARE(s.protocol, 1);
        QVERIFY(s.monitoring);
        QCOMPARE(s.community, QStringLiteral("tulvex"));
        QCOMPARE(log,
                 QStringLiteral("parseParams: params count (4)\n"
                                "parseParams: param1 = PROT=SOCKET, param(PROT), value(SOCKET)\n"
                                "parseParams: param2 = MONITORING=ON, param(MONITORING), "
                                "value(ON)\n"
                                "parseParams: param3 = COMMUNITY=tulvex, param(COMMUNITY), "
                                "value(tulvex)\n"));
    }

    void ignoresMalformedItemsAndKeepsUntouchedFields() {
        PortSettings s;
        s.proxyName = QStringLiteral("kept-name");
        s.proxyPort = QStringLiteral("1234");
        s.timeout = 7;
        s.monitoring = true;
        win32::beginDebugCapture();
        parseParams(s, QStringLiteral("p;; PROT=HTTP ;TIMEOUT=x;MONITORING=on;HTTP_PROXY_NAME=;"
                                      "HTTP_PROXY_PORT=a=b"));
        win32::endDebugCapture();
        QCOMPARE(s.portName, QStringLiteral("p"));
        QCOMPARE(s.protocol, 2);
        QCOMPARE(s.timeout, 0);
        QVERIFY(!s.monitoring);
        QCOMPARE(s.proxyName, QStringLiteral("kept-name"));
        QCOMPARE(s.proxyPort, QStringLiteral("1234"));

        // Blanks around "=" belong to the key or value; "==" counts as one "=".
        PortSettings t;
        win32::beginDebugCapture();
        parseParams(t, QStringLiteral("PROT=SOCKET;PROT==HTTP;MONITORING = ON;TIMEOUT=12;"
                                      "HTTP_SECURE=ON;HTTP_SECURE=OFF;COMMUNITY=a;COMMUNITY=b"));
        win32::endDebugCapture();
        QCOMPARE(t.portName, QStringLiteral("PROT=SOCKET"));
        QCOMPARE(t.protocol, 2);
        QVERIFY(!t.monitoring);
        QCOMPARE(t.timeout, 12);
        QVERIFY(!t.secure);
        QCOMPARE(t.community, QStringLiteral("b"));

        PortSettings u;
        u.community = QStringLiteral("before");
        u.protocol = 1;
        win32::beginDebugCapture();
        parseParams(u, QStringLiteral("only-a-name"));
        parseParams(u, QString());
        win32::endDebugCapture();
        QCOMPARE(u.portName, QStringLiteral("only-a-name"));
        QCOMPARE(u.community, QStringLiteral("before"));
        QCOMPARE(u.protocol, 1);

        PortSettings v;
        win32::beginDebugCapture();
        parseParams(v, QStringLiteral("n;PROT=LPD;HTTP_PROXY_ENABLED=ON;HTTP_PROXY_LPRINTER=lp3"));
        win32::endDebugCapture();
        QCOMPARE(v.protocol, 0);
        QVERIFY(v.proxyEnabled);
        QCOMPARE(v.logicalPrinter, QStringLiteral("lp3"));
    }

    void splitsKeyValue() {
        QString key = QStringLiteral("x"), value = QStringLiteral("y");
        splitKeyValue(QStringLiteral("  KEY=VALUE\t"), key, value);
        QCOMPARE(key, QStringLiteral("KEY"));
        QCOMPARE(value, QStringLiteral("VALUE"));
        for (const char* item : {"NOVALUE", "=x", "x=", "a=b=c", ""}) {
            splitKeyValue(QString::fromLatin1(item), key, value);
            QVERIFY2(key.isEmpty() && value.isEmpty(), item);
        }
        QVERIFY(isOnValue(QStringLiteral("ON")));
        QVERIFY(!isOnValue(QStringLiteral("on")));
        QVERIFY(!isOnValue(QStringLiteral(" ON")));
    }

    void wireStringHoldsUnitsAndTerminator() {
        const long before = win32::liveBlocks();
        const QString text =
            QStringLiteral("10.0.0.5:9100;PROT=SOCKET;MONITORING=ON;COMMUNITY=tulvex;");
        PWSTR block = toWireString(text);
        QVERIFY(block);
        QCOMPARE(win32::liveBlocks(), before + 1);
        QCOMPARE(2 * lstrlenW(block) + 2, 116);
        QCOMPARE(fromUnits(block), text);
        GlobalFree(block);

        // Outside Latin-1 and outside the basic plane, unit for unit.
        const QString wide = QStringLiteral("Grüße ✓ \U0001F5A8");
        block = toWireString(wide);
        QCOMPARE(lstrlenW(block), wide.size());
        QCOMPARE(fromUnits(block), wide);
        GlobalFree(block);

        win32::failAllocation(1);
        QVERIFY(!toWireString(text));
        QCOMPARE(win32::liveBlocks(), before);
    }

    void replyIsReadOnlyWithinItsSize() {
        const char16_t reply[] = {u'a', u'b', u'c', 0, u'x'};
        QCOMPARE(replyText(reinterpret_cast<PCWSTR>(reply), sizeof reply), QStringLiteral("abc"));
        // No terminator within the size: cut at the size.
        QCOMPARE(replyText(reinterpret_cast<PCWSTR>(reply), 4), QStringLiteral("ab"));
        // An odd size reads no half unit.
        QCOMPARE(replyText(reinterpret_cast<PCWSTR>(reply), 5), QStringLiteral("ab"));
        QCOMPARE(replyText(reinterpret_cast<PCWSTR>(reply), 1), QString());
        QCOMPARE(replyText(reinterpret_cast<PCWSTR>(reply), 0), QString());
        QCOMPARE(replyText(nullptr, 10), QString());
        // Units that look like byte order marks are text like any other.
        const char16_t marked[] = {0xFFFE, u'p', 0xFEFF, 0};
        QCOMPARE(replyText(reinterpret_cast<PCWSTR>(marked), sizeof marked),
                 QString(QChar(0xFFFE)) + QLatin1Char('p') + QChar(0xFEFF));
        const char16_t leading[] = {0xFEFF, u'q', 0};
        QCOMPARE(replyText(reinterpret_cast<PCWSTR>(leading), sizeof leading).size(), 2);
    }

    void composedStringsParseBack() {
        NewPortValues v = httpPort();
        v.secure = true;
        PortSettings s;
        win32::beginDebugCapture();
        parseParams(s, composeAddPortString(v));
        win32::endDebugCapture();
        QCOMPARE(s.portName, v.portName);
        QCOMPARE(s.protocol, 2);
        QVERIFY(s.proxyEnabled);
        QCOMPARE(s.proxyName, v.proxyName);
        QCOMPARE(s.proxyPort, v.proxyPort);
        QCOMPARE(s.logicalPrinter, v.logicalPrinter);
        QVERIFY(s.secure);
        QVERIFY(!s.monitoring);
        QCOMPARE(s.community, v.community);
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "test_settings.moc"
