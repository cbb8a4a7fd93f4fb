// The proxy port that properties dialogs remember: it starts at 9100 when the
// module is loaded and carries over from one dialog to the next.
#include "properties/propertiesdlg.h"

#include <QtTest>

class TestPropertiesLastPort : public QObject {
    Q_OBJECT

private slots:
    // Runs first: nothing has touched the remembered port yet.
    void firstDialogFallsBackTo9100();
    void laterDialogRemembersPort();
};

void TestPropertiesLastPort::firstDialogFallsBackTo9100() {
    PropertiesDlg dialog(2);
    dialog.setProxyPort(70000);
    QCOMPARE(dialog.port->text(), QStringLiteral("9100"));
    QCOMPARE(dialog.proxyPort(), quint16(9100));
}

void TestPropertiesLastPort::laterDialogRemembersPort() {
    {
        PropertiesDlg first(2);
        first.setProxyEnabled(true);
        first.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        QTest::keyClicks(first.port, QStringLiteral("1234"));
        QCOMPARE(first.port->text(), QStringLiteral("1234"));
    }
    {
        // The port typed into the first dialog comes back in the next one.
        PropertiesDlg second(2);
        second.setProxyPort(99999);
        QCOMPARE(second.port->text(), QStringLiteral("1234"));
        second.setProxyPort(4321);
    }
    PropertiesDlg third(2);
    third.setProxyPort(123456);
    QCOMPARE(third.port->text(), QStringLiteral("4321"));
}

QTEST_MAIN(TestPropertiesLastPort)
#include "tst_propertieslastport.moc"
