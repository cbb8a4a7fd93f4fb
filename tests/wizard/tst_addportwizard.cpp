// The add-port wizard: page sequences, Next and Finish, accessors, summary.
#include "platform/win32_testing.h"
#include "wizard/addportwizardtesting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPointer>
#include <QSignalSpy>
#include <QTextDocument>
#include <QTimer>
#include <QTranslator>

namespace {

const char* const kSocketPages = "SelectWidget AddSocketPortWidget SnmpWidget InfoWidget";
const char* const kSocketTitles = "selectPage AddSocketPortWidget SnmpWidget InfoWidget";
const char* const kHttpPages = "SelectWidget AddHTTPPortWidget SnmpWidget ProxyWidget InfoWidget";
const char* const kHttpTitles = "selectPage AddHTTPPortWidget SnmpWidget ProxyWidget InfoWidget";
const char* const kNextRow = "stretch42 back space6 next cancel";
const char* const kFinishRow = "stretch42 back space6 next space12 finish cancel";

class GermanTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char*,
                      int) const override {
        if (qstrcmp(context, "QObject") != 0) {
            return QString();
        }
        static const char* const pairs[][2] = {
            {"Next", "Weiter"},
            {"Standard TCP/IP printing", "Standard-TCP/IP-Druck"},
            {"VARDENO TCP/IP Port Configuration", "VARDENO TCP/IP-Anschlusskonfiguration"},
            {"TCP/IP port", "TCP/IP-Anschluss"},
            {"activated", "aktiviert"},
        };
        for (const auto& pair : pairs) {
            if (qstrcmp(sourceText, pair[0]) == 0) {
                return QString::fromUtf8(pair[1]);
            }
        }
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class AddPortWizardTest : public QObject {
    Q_OBJECT
private slots:
    void startsOnTheSelectionPage();
    void socketSequence();
    void httpSequence();
    void switchingMethodsRebuildsTheList();
    void proxyPageNext();
    void accessors();
    void summaryForStandardTcpIp();
    void summaryForHttp();
    void summaryShowsMarkUpCharactersAsTyped();
    void separatorsCannotBeTyped();
    void eachShowIsLogged();
    void textsAreTranslatedUnderQObject();
    void pagesAreDeletedWithTheWizard();
    void execReportsFinishAndCancel();
    void returnInTheHostFieldGoesOnNotBack();
    void secondReturnDoesNotCancel();
    void eachPageTakesTheFocus();
};

void AddPortWizardTest::startsOnTheSelectionPage() {
    AddPortWizard wizard(nullptr, "AddPortWizard");
    QCOMPARE(wizard.objectName(), QStringLiteral("AddPortWizard"));
    QCOMPARE(wizard.windowTitle(), QStringLiteral("VARDENO TCP/IP Port Configuration (4.2.2)"));
    QVERIFY(wizard.isModal());
    QCOMPARE(pageClasses(wizard), QStringLiteral("SelectWidget InfoWidget"));
    QCOMPARE(pageTitles(wizard), QStringLiteral("selectPage infoPage"));

    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));
    saveShot(wizard, QStringLiteral("1-select"));
    auto* select = currentPage<SelectWidget>(wizard);
    QVERIFY(select);
    QVERIFY(select->isVisible());
    QVERIFY(select->socketRB->isChecked());
    QCOMPARE(wizard.protocol(), 1);
    QCOMPARE(describeRow(wizard), QString::fromLatin1(kNextRow));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back- next+ cancel+"));
    // The window grew from 300 x 200 to hold the pages.
    QVERIFY(wizard.width() >= select->minimumWidth());
    QVERIFY(wizard.height() > select->minimumHeight());
    // No title row: no label shows a page title, and the page starts at the top.
    for (QLabel* label : wizard.findChildren<QLabel*>()) {
        QVERIFY(!label->text().contains(QStringLiteral("selectPage")));
    }
    QVERIFY(select->mapTo(&wizard, QPoint(0, 0)).y() < 10);
}

void AddPortWizardTest::socketSequence() {
    AddPortWizard wizard;
    QSignalSpy accepted(&wizard, &QDialog::accepted);
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));

    clickNext(wizard);
    auto* socket = currentPage<AddSocketPortWidget>(wizard);
    QVERIFY(socket);
    QCOMPARE(pageClasses(wizard), QString::fromLatin1(kSocketPages));
    QCOMPARE(pageTitles(wizard), QString::fromLatin1(kSocketTitles));
    QCOMPARE(socket->port->text(), QStringLiteral("9100"));
    QCOMPARE(socket->hostname->text(), QString());
    QCOMPARE(describeRow(wizard), QString::fromLatin1(kNextRow));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next- cancel+"));

    // White space counts as a host.
    QTest::keyClicks(socket->hostname, QStringLiteral("  "));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next+ cancel+"));
    typeOver(socket->hostname, QString());
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next- cancel+"));
    QTest::keyClicks(socket->hostname, QStringLiteral("192.168.001.020"));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next+ cancel+"));
    saveShot(wizard, QStringLiteral("2-socket"));

    clickNext(wizard);
    QVERIFY(currentPage<SnmpWidget>(wizard));
    QCOMPARE(describeRow(wizard), QString::fromLatin1(kNextRow));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next+ cancel+"));
    saveShot(wizard, QStringLiteral("3-snmp"));

    clickNext(wizard);
    QVERIFY(currentPage<InfoWidget>(wizard));
    QCOMPARE(describeRow(wizard), QString::fromLatin1(kFinishRow));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next- finish+ cancel+"));
    saveShot(wizard, QStringLiteral("4-socket-info"));

    // Back on the SNMP page the row is Next only again.
    clickBack(wizard);
    QCOMPARE(describeRow(wizard), QString::fromLatin1(kNextRow));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next+ cancel+"));
    clickNext(wizard);

    QTest::mouseClick(wizard.finishButton(), Qt::LeftButton);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(wizard.portName(), QStringLiteral("192.168.1.20:9100"));
}

void AddPortWizardTest::httpSequence() {
    AddPortWizard wizard;
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));

    chooseMethod(wizard, 2);
    QCOMPARE(wizard.protocol(), 2);
    clickNext(wizard);
    auto* http = currentPage<AddHTTPPortWidget>(wizard);
    QVERIFY(http);
    QCOMPARE(pageClasses(wizard), QString::fromLatin1(kHttpPages));
    QCOMPARE(pageTitles(wizard), QString::fromLatin1(kHttpTitles));
    QCOMPARE(describeRow(wizard), QString::fromLatin1(kNextRow));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next- cancel+"));
    QTest::keyClicks(http->hostname, QStringLiteral(" "));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next+ cancel+"));
    typeOver(http->hostname, QStringLiteral("10.0.0.7"));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next+ cancel+"));
    saveShot(wizard, QStringLiteral("5-http"));

    clickNext(wizard);
    QVERIFY(currentPage<SnmpWidget>(wizard));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next+ cancel+"));

    clickNext(wizard);
    QVERIFY(currentPage<ProxyWidget>(wizard));
    QCOMPARE(describeRow(wizard), QString::fromLatin1(kNextRow));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next+ cancel+"));
    saveShot(wizard, QStringLiteral("6-proxy"));

    clickNext(wizard);
    QVERIFY(currentPage<InfoWidget>(wizard));
    QCOMPARE(describeRow(wizard), QString::fromLatin1(kFinishRow));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next- finish+ cancel+"));
    saveShot(wizard, QStringLiteral("7-http-info"));
}

void AddPortWizardTest::switchingMethodsRebuildsTheList() {
    AddPortWizard wizard;
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));

    for (int pass = 0; pass < 3; ++pass) {
        chooseMethod(wizard, 1);
        clickNext(wizard);
        auto* socket = currentPage<AddSocketPortWidget>(wizard);
        QVERIFY(socket);
        QCOMPARE(pageClasses(wizard), QString::fromLatin1(kSocketPages));
        QCOMPARE(pageTitles(wizard), QString::fromLatin1(kSocketTitles));
        if (pass == 0) {
            QTest::keyClicks(socket->hostname, QStringLiteral("printer-a"));
        }
        QCOMPARE(socket->hostname->text(), QStringLiteral("printer-a"));
        QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next+ cancel+"));
        // Walk to the end and start the next pass from there.
        clickNext(wizard);
        clickNext(wizard);
        QVERIFY(currentPage<InfoWidget>(wizard));

        chooseMethod(wizard, 2);
        QVERIFY(currentPage<SelectWidget>(wizard));
        // The list is rebuilt by Next only.
        QCOMPARE(pageClasses(wizard), QString::fromLatin1(kSocketPages));
        clickNext(wizard);
        auto* http = currentPage<AddHTTPPortWidget>(wizard);
        QVERIFY(http);
        QCOMPARE(pageClasses(wizard), QString::fromLatin1(kHttpPages));
        QCOMPARE(pageTitles(wizard), QString::fromLatin1(kHttpTitles));
        if (pass == 0) {
            QTest::keyClicks(http->hostname, QStringLiteral("printer-b"));
        }
        QCOMPARE(http->hostname->text(), QStringLiteral("printer-b"));
        QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next+ cancel+"));
        // Back and Next again on the same method keeps the same list.
        clickBack(wizard);
        clickNext(wizard);
        QCOMPARE(pageClasses(wizard), QString::fromLatin1(kHttpPages));
        QCOMPARE(wizard.currentPage(), http);
    }
}

void AddPortWizardTest::proxyPageNext() {
    AddPortWizard wizard;
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));
    chooseMethod(wizard, 2);
    clickNext(wizard);
    QTest::keyClicks(currentPage<AddHTTPPortWidget>(wizard)->hostname, QStringLiteral("h"));
    clickNext(wizard);
    clickNext(wizard);
    auto* proxy = currentPage<ProxyWidget>(wizard);
    QVERIFY(proxy);
    QVERIFY(!proxy->proxyname->isEnabled());
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next+ cancel+"));

    clickIndicator(proxy->proxyCB);
    QVERIFY(proxy->proxyCB->isChecked());
    QVERIFY(proxy->proxyname->isEnabled());
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next- cancel+"));
    QTest::keyClicks(proxy->proxyname, QStringLiteral("proxy"));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next- cancel+"));
    QTest::keyClicks(proxy->port, QStringLiteral("8080"));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next+ cancel+"));
    saveShot(wizard, QStringLiteral("8-proxy-on"));
    typeOver(proxy->port, QString());
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next- cancel+"));

    // Off: Next whatever the fields hold, and the fields keep their texts.
    clickIndicator(proxy->proxyCB);
    QVERIFY(!proxy->proxyname->isEnabled());
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next+ cancel+"));
    QCOMPARE(proxy->proxyname->text(), QStringLiteral("proxy"));

    // An incomplete proxy stays incomplete after the page left the list and came
    // back with a switch of method.
    clickIndicator(proxy->proxyCB);
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next- cancel+"));
    chooseMethod(wizard, 1);
    clickNext(wizard);
    QCOMPARE(pageClasses(wizard), QString::fromLatin1(kSocketPages));
    chooseMethod(wizard, 2);
    clickNext(wizard);
    clickNext(wizard);
    clickNext(wizard);
    QCOMPARE(wizard.currentPage(), proxy);
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next- cancel+"));
    QTest::keyClicks(proxy->port, QStringLiteral("3128"));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next+ cancel+"));
}

void AddPortWizardTest::accessors() {
    AddPortWizard wizard;
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));

    clickNext(wizard);
    auto* socket = currentPage<AddSocketPortWidget>(wizard);
    QTest::keyClicks(socket->hostname, QStringLiteral("192.168.001.020"));
    QCOMPARE(wizard.protocol(), 1);
    QCOMPARE(wizard.hostAddress(), QStringLiteral("192.168.1.20"));
    QCOMPARE(wizard.tcpPort(), quint16(9100));
    QCOMPARE(wizard.portName(), QStringLiteral("192.168.1.20:9100"));
    // Before any visit the other pages answer with their initial contents.
    QVERIFY(!wizard.isSecure());
    QCOMPARE(wizard.logicalPrinter(), QStringLiteral("lp1"));
    QVERIFY(!wizard.isProxyEnabled());
    QCOMPARE(wizard.proxyName(), QString());
    QCOMPARE(wizard.proxyPort(), QString());
    QVERIFY(wizard.isMonitoringEnabled());
    QCOMPARE(wizard.community(), QStringLiteral("tulvex"));

    // "00" stays in the field, counts as filled, and is port 0.
    pasteOver(socket->port, QStringLiteral("00"));
    QCOMPARE(socket->port->text(), QStringLiteral("00"));
    QVERIFY(wizard.nextButton()->isEnabled());
    QCOMPARE(wizard.tcpPort(), quint16(0));
    QCOMPARE(wizard.portName(), QStringLiteral("192.168.1.20:0"));
    typeOver(socket->port, QStringLiteral("9101"));

    chooseMethod(wizard, 2);
    clickNext(wizard);
    auto* http = currentPage<AddHTTPPortWidget>(wizard);
    QTest::keyClicks(http->hostname, QStringLiteral("10.0.0.7"));
    http->lpComboBox->setFocus();
    QTest::keyClick(http->lpComboBox, Qt::Key_Down);
    QTest::keyClick(http->lpComboBox, Qt::Key_Down);
    QTest::keyClick(http->secureCB, Qt::Key_Space);
    QCOMPARE(wizard.protocol(), 2);
    QCOMPARE(wizard.hostAddress(), QStringLiteral("10.0.0.7"));
    QCOMPARE(wizard.logicalPrinter(), QStringLiteral("lp3"));
    QVERIFY(wizard.isSecure());
    QCOMPARE(wizard.portName(), QStringLiteral("http://10.0.0.7/elp3"));
    QTest::keyClick(http->secureCB, Qt::Key_Space);
    QCOMPARE(wizard.portName(), QStringLiteral("http://10.0.0.7/lp3"));

    clickNext(wizard);
    auto* snmp = currentPage<SnmpWidget>(wizard);
    typeOver(snmp->communityLE, QString());
    QCOMPARE(wizard.community(), QStringLiteral("tulvex"));
    clickIndicator(snmp->snmpCB);
    QVERIFY(!wizard.isMonitoringEnabled());
    QCOMPARE(wizard.community(), QStringLiteral("tulvex"));
    clickIndicator(snmp->snmpCB);
    QVERIFY(wizard.isMonitoringEnabled());
    QTest::keyClicks(snmp->communityLE, QStringLiteral(" "));
    QCOMPARE(wizard.community(), QStringLiteral(" "));

    clickNext(wizard);
    auto* proxy = currentPage<ProxyWidget>(wizard);
    clickIndicator(proxy->proxyCB);
    QTest::keyClicks(proxy->proxyname, QStringLiteral("010.000.000.001"));
    QTest::keyClicks(proxy->port, QStringLiteral("3128"));
    QVERIFY(wizard.isProxyEnabled());
    QCOMPARE(wizard.proxyName(), QStringLiteral("10.0.0.1"));
    QCOMPARE(wizard.proxyPort(), QStringLiteral("3128"));

    // Back to standard TCP/IP: the pages out of the list still answer.
    chooseMethod(wizard, 1);
    clickNext(wizard);
    QCOMPARE(wizard.protocol(), 1);
    QCOMPARE(wizard.portName(), QStringLiteral("192.168.1.20:9101"));
    QCOMPARE(wizard.proxyName(), QStringLiteral("10.0.0.1"));
    QCOMPARE(wizard.proxyPort(), QStringLiteral("3128"));
    QCOMPARE(wizard.logicalPrinter(), QStringLiteral("lp3"));
}

void AddPortWizardTest::summaryForStandardTcpIp() {
    AddPortWizard wizard;
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));
    clickNext(wizard);
    auto* socket = currentPage<AddSocketPortWidget>(wizard);
    QTest::keyClicks(socket->hostname, QStringLiteral("192.168.001.020"));
    typeOver(socket->port, QStringLiteral("9100"));
    clickNext(wizard);
    typeOver(currentPage<SnmpWidget>(wizard)->communityLE, QString());
    clickNext(wizard);
    QCOMPARE(summaryText(wizard),
             QStringLiteral(
                 "<table border=0>"
                 "<tr width=\"100\"><td>IP address or host name</td><td>192.168.1.20</td></tr>"
                 "<tr><td>TCP/IP port</td><td>9100</td></tr>"
                 "<tr><td>SNMP monitoring</td><td>activated</td></tr>"
                 "<tr><td>SNMP community</td><td>tulvex</td></tr>"
                 "</table>"));
    InfoWidget* info = currentPage<InfoWidget>(wizard);
    QVERIFY(info->message->isVisible());
    QCOMPARE(info->message->textFormat(), Qt::AutoText);

    // Edited after going back: the whole table is rebuilt.
    clickBack(wizard);
    auto* snmp = currentPage<SnmpWidget>(wizard);
    clickIndicator(snmp->snmpCB);
    clickBack(wizard);
    typeOver(socket->hostname, QStringLiteral("printer.local"));
    typeOver(socket->port, QStringLiteral("9102"));
    clickNext(wizard);
    clickNext(wizard);
    QCOMPARE(summaryText(wizard),
             QStringLiteral(
                 "<table border=0>"
                 "<tr width=\"100\"><td>IP address or host name</td><td>printer.local</td></tr>"
                 "<tr><td>TCP/IP port</td><td>9102</td></tr>"
                 "<tr><td>SNMP monitoring</td><td>not activated</td></tr>"
                 "<tr><td>SNMP community</td><td>tulvex</td></tr>"
                 "</table>"));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next- finish+ cancel+"));
}

void AddPortWizardTest::summaryForHttp() {
    AddPortWizard wizard;
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));
    chooseMethod(wizard, 2);
    clickNext(wizard);
    auto* http = currentPage<AddHTTPPortWidget>(wizard);
    QTest::keyClicks(http->hostname, QStringLiteral("10.0.000.7"));
    QTest::keyClick(http->lpComboBox, Qt::Key_Down);
    QTest::keyClick(http->secureCB, Qt::Key_Space);
    clickNext(wizard);
    typeOver(currentPage<SnmpWidget>(wizard)->communityLE, QStringLiteral("public"));
    clickNext(wizard);
    clickNext(wizard);
    const QString common =
        QStringLiteral("<table border=0>"
                       "<tr><td>IP address or host name</td><td>10.0.0.7</td></tr>"
                       "<tr><td>Logical printer</td><td>lp2</td></tr>"
                       "<tr><td>SNMP monitoring</td><td>activated</td></tr>"
                       "<tr><td>Community</td><td>public</td></tr>"
                       "<tr><td>Encrypted printing</td><td>activated</td></tr>");
    QCOMPARE(summaryText(wizard), common + QStringLiteral("</table>"));

    clickBack(wizard);
    auto* proxy = currentPage<ProxyWidget>(wizard);
    clickIndicator(proxy->proxyCB);
    QTest::keyClicks(proxy->proxyname, QStringLiteral("proxy.local"));
    QTest::keyClicks(proxy->port, QStringLiteral("8080"));
    clickNext(wizard);
    QCOMPARE(summaryText(wizard),
             common +
                 QStringLiteral("<tr><td>Proxy name or IP address</td><td>proxy.local</td></tr>"
                                "<tr><td>Port number</td><td>8080</td></tr>"
                                "</table>"));
    saveShot(wizard, QStringLiteral("9-http-info-proxy"));

    // The proxy port row shows the field's text as it is, also an empty one.
    typeOver(proxy->port, QString());
    wizard.buildSummary();
    QVERIFY(summaryText(wizard).endsWith(
        QStringLiteral("<tr><td>Port number</td><td></td></tr></table>")));
}

void AddPortWizardTest::summaryShowsMarkUpCharactersAsTyped() {
    AddPortWizard wizard;
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));
    chooseMethod(wizard, 2);
    clickNext(wizard);
    QTest::keyClicks(currentPage<AddHTTPPortWidget>(wizard)->hostname,
                     QStringLiteral("<b>a</b>&\"x\""));
    clickNext(wizard);
    typeOver(currentPage<SnmpWidget>(wizard)->communityLE, QStringLiteral("c<i>"));
    clickNext(wizard);
    auto* proxy = currentPage<ProxyWidget>(wizard);
    clickIndicator(proxy->proxyCB);
    QTest::keyClicks(proxy->proxyname, QStringLiteral("p&q"));
    QTest::keyClicks(proxy->port, QStringLiteral("81"));
    clickNext(wizard);

    const QString summary = summaryText(wizard);
    QVERIFY2(summary.contains(QStringLiteral("<td>&lt;b&gt;a&lt;/b&gt;&amp;&quot;x&quot;</td>")),
             qPrintable(summary));
    QVERIFY(summary.contains(QStringLiteral("<td>c&lt;i&gt;</td>")));
    QVERIFY(summary.contains(QStringLiteral("<td>p&amp;q</td>")));
    // What the label shows is the text as typed.
    QTextDocument shown;
    shown.setHtml(summary);
    const QString plain = shown.toPlainText();
    QVERIFY2(plain.contains(QStringLiteral("<b>a</b>&\"x\"")), qPrintable(plain));
    QVERIFY(plain.contains(QStringLiteral("c<i>")));
    QVERIFY(plain.contains(QStringLiteral("p&q")));
    QVERIFY(plain.contains(QStringLiteral("Port number")));
}

void AddPortWizardTest::separatorsCannotBeTyped() {
    AddPortWizard wizard;
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));
    clickNext(wizard);
    auto* socket = currentPage<AddSocketPortWidget>(wizard);
    QTest::keyClicks(socket->hostname, QStringLiteral("my host;x=1"));
    QCOMPARE(socket->hostname->text(), QStringLiteral("my hostx1"));
    pasteOver(socket->hostname, QStringLiteral("a;b"));
    QCOMPARE(socket->hostname->text(), QStringLiteral("my hostx1"));

    chooseMethod(wizard, 2);
    clickNext(wizard);
    auto* http = currentPage<AddHTTPPortWidget>(wizard);
    QTest::keyClicks(http->hostname, QStringLiteral("web=;host"));
    QCOMPARE(http->hostname->text(), QStringLiteral("webhost"));

    clickNext(wizard);
    auto* snmp = currentPage<SnmpWidget>(wizard);
    typeOver(snmp->communityLE, QStringLiteral("pub;lic= x"));
    QCOMPARE(snmp->communityLE->text(), QStringLiteral("public x"));

    clickNext(wizard);
    auto* proxy = currentPage<ProxyWidget>(wizard);
    clickIndicator(proxy->proxyCB);
    QTest::keyClicks(proxy->proxyname, QStringLiteral("pro;xy=1 2"));
    QCOMPARE(proxy->proxyname->text(), QStringLiteral("proxy1 2"));

    QCOMPARE(wizard.portName(), QStringLiteral("http://webhost/lp1"));
}

void AddPortWizardTest::eachShowIsLogged() {
    AddPortWizard wizard;
    win32::beginDebugCapture();
    wizard.show();
    clickNext(wizard);
    wizard.hide();
    wizard.show();
    QCOMPARE(QString::fromStdString(win32::endDebugCapture()),
             QStringLiteral("showEvent\nshowEvent\n"));
    // Showing again stays on the page that was current.
    QVERIFY(currentPage<AddSocketPortWidget>(wizard));
}

void AddPortWizardTest::textsAreTranslatedUnderQObject() {
    GermanTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    {
        AddPortWizard wizard;
        wizard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wizard));
        QCOMPARE(wizard.windowTitle(),
                 QStringLiteral("VARDENO TCP/IP-Anschlusskonfiguration (4.2.2)"));
        QCOMPARE(wizard.nextButton()->text(), QStringLiteral("Weiter >"));
        QCOMPARE(currentPage<SelectWidget>(wizard)->socketRB->text(),
                 QStringLiteral("Standard-TCP/IP-Druck"));
        clickNext(wizard);
        QTest::keyClicks(currentPage<AddSocketPortWidget>(wizard)->hostname, QStringLiteral("h"));
        clickNext(wizard);
        clickNext(wizard);
        const QString summary = summaryText(wizard);
        QVERIFY2(summary.contains(QStringLiteral("<tr><td>TCP/IP-Anschluss</td><td>")),
                 qPrintable(summary));
        QVERIFY(summary.contains(QStringLiteral("<td>aktiviert</td>")));
        QVERIFY(summary.contains(QStringLiteral("<td>IP address or host name</td>")));
    }
    QCoreApplication::removeTranslator(&translator);
}

void AddPortWizardTest::pagesAreDeletedWithTheWizard() {
    auto* wizard = new AddPortWizard;
    wizard->show();
    QVERIFY(QTest::qWaitForWindowExposed(wizard));
    QList<QPointer<QWidget>> pages = {wizard->page(0), wizard->page(1)};
    chooseMethod(*wizard, 2);
    clickNext(*wizard);
    pages << wizard->page(1) << wizard->page(2) << wizard->page(3);
    chooseMethod(*wizard, 1);
    clickNext(*wizard);
    pages << wizard->page(1);
    QCOMPARE(pages.size(), 6);
    for (int i = 0; i < pages.size(); ++i) {
        for (int j = i + 1; j < pages.size(); ++j) {
            QVERIFY(pages.at(i) != pages.at(j));
        }
    }
    // The HTTP and proxy pages are out of the list now.
    QCOMPARE(wizard->indexOf(pages.at(2)), -1);
    QCOMPARE(wizard->indexOf(pages.at(4)), -1);
    QCOMPARE(pages.at(2)->parentWidget(), nullptr);
    delete wizard;
    for (const QPointer<QWidget>& page : pages) {
        QVERIFY(page.isNull());
    }
}

void AddPortWizardTest::execReportsFinishAndCancel() {
    AddPortWizard wizard(nullptr, "AddPortWizard");
    QTimer::singleShot(0, &wizard, [&wizard] {
        clickNext(wizard);
        QTest::keyClicks(currentPage<AddSocketPortWidget>(wizard)->hostname,
                         QStringLiteral("printer"));
        clickNext(wizard);
        clickNext(wizard);
        QTest::mouseClick(wizard.finishButton(), Qt::LeftButton);
    });
    QCOMPARE(wizard.exec(), int(QDialog::Accepted));
    QCOMPARE(wizard.portName(), QStringLiteral("printer:9100"));

    AddPortWizard second;
    QTimer::singleShot(0, &second, [&second] { QTest::keyClick(&second, Qt::Key_Escape); });
    QCOMPARE(second.exec(), int(QDialog::Rejected));
}

// Clicking Next and then into the host field used to make Back the default, so
// that Return went back to the selection page.
void AddPortWizardTest::returnInTheHostFieldGoesOnNotBack() {
    AddPortWizard wizard;
    wizard.show();
    QVERIFY(QTest::qWaitForWindowActive(&wizard));
    clickNext(wizard);
    auto* socket = currentPage<AddSocketPortWidget>(wizard);
    QVERIFY(socket);
    QTest::mouseClick(socket->hostname, Qt::LeftButton);
    QCOMPARE(focusName(), QStringLiteral("hostname"));
    QVERIFY(wizard.nextButton()->isDefault());
    QVERIFY(!wizard.backButton()->isDefault());

    // No host yet: Next is off and Return does nothing.
    pressKey(wizard, Qt::Key_Return);
    QCOMPARE(wizard.currentPage(), socket);
    QVERIFY(wizard.isVisible());
    typeKeys(wizard, QStringLiteral("printer"));
    pressKey(wizard, Qt::Key_Return);
    QVERIFY(currentPage<SnmpWidget>(wizard));
    QCOMPARE(wizard.hostAddress(), QStringLiteral("printer"));
}

// Return on the selection page opens the socket page, whose Next is off; the
// focus and the default used to move to Cancel, and a second Return cancelled.
void AddPortWizardTest::secondReturnDoesNotCancel() {
    AddPortWizard wizard;
    QSignalSpy rejected(&wizard, &QDialog::rejected);
    wizard.show();
    QVERIFY(QTest::qWaitForWindowActive(&wizard));
    pressKey(wizard, Qt::Key_Return);
    QVERIFY(currentPage<AddSocketPortWidget>(wizard));
    QCOMPARE(focusName(), QStringLiteral("hostname"));
    pressKey(wizard, Qt::Key_Return);
    QVERIFY(wizard.isVisible());
    QCOMPARE(rejected.count(), 0);
    QVERIFY(currentPage<AddSocketPortWidget>(wizard));
    QCOMPARE(focusName(), QStringLiteral("hostname"));
    QVERIFY(!wizard.cancelButton()->isDefault());
}

void AddPortWizardTest::eachPageTakesTheFocus() {
    AddPortWizard wizard;
    wizard.show();
    QVERIFY(QTest::qWaitForWindowActive(&wizard));
    QStringList seen;
    auto note = [&] {
        seen << QString::fromLatin1(wizard.currentPage()->metaObject()->className()) +
                    QLatin1Char('/') + focusName();
    };
    auto forward = [&](int pages) {
        for (int i = 0; i < pages; ++i) {
            if (auto* socket = currentPage<AddSocketPortWidget>(wizard)) {
                QTest::keyClicks(socket->hostname, QStringLiteral("printer"));
            } else if (auto* http = currentPage<AddHTTPPortWidget>(wizard)) {
                QTest::keyClicks(http->hostname, QStringLiteral("printer"));
            }
            clickNext(wizard);
            note();
        }
    };
    auto backward = [&](int pages) {
        for (int i = 0; i < pages; ++i) {
            clickBack(wizard);
        }
        note();
    };
    note();
    forward(3);
    backward(3);
    chooseMethod(wizard, 2);
    forward(4);
    backward(4);
    QCOMPARE(seen,
             QStringList({"SelectWidget/socketRB", "AddSocketPortWidget/hostname",
                          "SnmpWidget/snmpCB", "InfoWidget/finish", "SelectWidget/socketRB",
                          "AddHTTPPortWidget/lpComboBox", "SnmpWidget/snmpCB",
                          "ProxyWidget/proxyCB", "InfoWidget/finish", "SelectWidget/secureRB"}));
}

QTEST_MAIN(AddPortWizardTest)
#include "tst_addportwizard.moc"
