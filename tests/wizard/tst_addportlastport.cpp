// The corrections of the wizard's port fields while the user types, with the
// last accepted port numbers that live for the whole process. The functions
// run in the order declared and build on what the previous ones left; this
// executable starts from a fresh process.
#include "platform/win32_testing.h"
#include "wizard/addportwizardtesting.h"

#include <QCheckBox>

namespace {

QString capturedLog() {
    return QString::fromStdString(win32::endDebugCapture());
}

AddSocketPortWidget* openSocketPage(AddPortWizard& wizard) {
    wizard.show();
    clickNext(wizard);
    return currentPage<AddSocketPortWidget>(wizard);
}

ProxyWidget* openProxyPage(AddPortWizard& wizard) {
    wizard.show();
    chooseMethod(wizard, 2);
    clickNext(wizard);
    QTest::keyClicks(currentPage<AddHTTPPortWidget>(wizard)->hostname, QStringLiteral("h"));
    clickNext(wizard);
    clickNext(wizard);
    return currentPage<ProxyWidget>(wizard);
}

} // namespace

class AddPortLastPortTest : public QObject {
    Q_OBJECT
private slots:
    void socketPortInAFreshProcess();
    void socketPortRemembersTheLastWizard();
    void proxyPortInAFreshProcess();
    void proxyPortCorrections();
};

void AddPortLastPortTest::socketPortInAFreshProcess() {
    AddPortWizard wizard;
    AddSocketPortWidget* socket = openSocketPage(wizard);
    QVERIFY(socket);
    QCOMPARE(socket->port->text(), QStringLiteral("9100"));

    // A fifth digit on 9100 puts 9100 back, logs once, and leaves Next as it was
    // (here: off, no host yet).
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next- cancel+"));
    win32::beginDebugCapture();
    QTest::keyClick(socket->port, Qt::Key_End);
    QTest::keyClick(socket->port, Qt::Key_7);
    QCOMPARE(capturedLog(), QStringLiteral("> 0xffff, lastPort(9100)\n"));
    QCOMPARE(socket->port->text(), QStringLiteral("9100"));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next- cancel+"));

    // The same with a host: Next stays on.
    QTest::keyClicks(socket->hostname, QStringLiteral("printer"));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next+ cancel+"));
    win32::beginDebugCapture();
    QTest::keyClick(socket->port, Qt::Key_End);
    QTest::keyClick(socket->port, Qt::Key_0);
    QCOMPARE(capturedLog(), QStringLiteral("> 0xffff, lastPort(9100)\n"));
    QCOMPARE(socket->port->text(), QStringLiteral("9100"));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next+ cancel+"));

    // Pasting a number above 65535 over it: 9100 again.
    win32::beginDebugCapture();
    pasteOver(socket->port, QStringLiteral("123456"));
    QCOMPARE(capturedLog(), QStringLiteral("> 0xffff, lastPort(9100)\n"));
    QCOMPARE(socket->port->text(), QStringLiteral("9100"));

    // "0" over it empties the field and turns Next off.
    typeOver(socket->port, QStringLiteral("0"));
    QCOMPARE(socket->port->text(), QString());
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next- cancel+"));

    // 65536 digit by digit: the first four digits stay.
    win32::beginDebugCapture();
    QTest::keyClicks(socket->port, QStringLiteral("65536"));
    QCOMPARE(capturedLog(), QStringLiteral("> 0xffff, lastPort(6553)\n"));
    QCOMPARE(socket->port->text(), QStringLiteral("6553"));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next+ cancel+"));
    QCOMPARE(wizard.tcpPort(), quint16(6553));
    saveShot(wizard, QStringLiteral("socket-6553"));
}

void AddPortLastPortTest::socketPortRemembersTheLastWizard() {
    // The previous wizard accepted 6553 last.
    AddPortWizard wizard;
    AddSocketPortWidget* socket = openSocketPage(wizard);
    QCOMPARE(socket->port->text(), QStringLiteral("9100"));
    win32::beginDebugCapture();
    QTest::keyClick(socket->port, Qt::Key_End);
    QTest::keyClick(socket->port, Qt::Key_9);
    QCOMPARE(capturedLog(), QStringLiteral("> 0xffff, lastPort(6553)\n"));
    QCOMPARE(socket->port->text(), QStringLiteral("6553"));

    // Emptied, the field's last port is 0: a number above 65535 pasted next
    // puts "0" back, which is emptied in turn.
    typeOver(socket->port, QString());
    win32::beginDebugCapture();
    pasteOver(socket->port, QStringLiteral("99999"));
    QCOMPARE(capturedLog(), QStringLiteral("> 0xffff, lastPort(0)\n"));
    QCOMPARE(socket->port->text(), QString());
    QCOMPARE(wizard.tcpPort(), quint16(0));
}

void AddPortLastPortTest::proxyPortInAFreshProcess() {
    AddPortWizard wizard;
    ProxyWidget* proxy = openProxyPage(wizard);
    QVERIFY(proxy);
    // Turning the proxy on runs the correction on the empty port field; no log.
    win32::beginDebugCapture();
    clickIndicator(proxy->proxyCB);
    QCOMPARE(capturedLog(), QString());
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next- cancel+"));

    // No proxy port accepted yet: a number above 65535 leaves the field empty.
    win32::beginDebugCapture();
    pasteOver(proxy->port, QStringLiteral("70000"));
    QCOMPARE(capturedLog(), QStringLiteral("> 0xffff, lastPort(0)\n"));
    QCOMPARE(proxy->port->text(), QString());
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next- cancel+"));
}

void AddPortLastPortTest::proxyPortCorrections() {
    AddPortWizard wizard;
    ProxyWidget* proxy = openProxyPage(wizard);
    clickIndicator(proxy->proxyCB);
    QTest::keyClicks(proxy->proxyname, QStringLiteral("proxy"));
    QTest::keyClicks(proxy->port, QStringLiteral("8080"));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next+ cancel+"));

    win32::beginDebugCapture();
    QTest::keyClick(proxy->port, Qt::Key_End);
    QTest::keyClick(proxy->port, Qt::Key_8);
    QCOMPARE(capturedLog(), QStringLiteral("> 0xffff, lastPort(8080)\n"));
    QCOMPARE(proxy->port->text(), QStringLiteral("8080"));

    // Typing in the name field runs the correction of the port field too: the
    // port is accepted again, nothing changes.
    win32::beginDebugCapture();
    QTest::keyClicks(proxy->proxyname, QStringLiteral("2"));
    QCOMPARE(capturedLog(), QString());
    QCOMPARE(proxy->port->text(), QStringLiteral("8080"));

    typeOver(proxy->port, QStringLiteral("0"));
    QCOMPARE(proxy->port->text(), QString());
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next- cancel+"));
    QTest::keyClicks(proxy->port, QStringLiteral("65536"));
    QCOMPARE(proxy->port->text(), QStringLiteral("6553"));
    QCOMPARE(wizard.proxyPort(), QStringLiteral("6553"));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next+ cancel+"));
}

QTEST_MAIN(AddPortLastPortTest)
#include "tst_addportlastport.moc"
