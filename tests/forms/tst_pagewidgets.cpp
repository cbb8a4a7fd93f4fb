// The six wizard pages: their texts and help, initial states, validators,
// accessors, group enabling, symbols and translation contexts.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTranslator>
#include <QtTest>

#include "forms/addhttpportwidget.h"
#include "forms/addsocketportwidget.h"
#include "forms/infowidget.h"
#include "forms/intvalidator.h"
#include "forms/proxywidget.h"
#include "forms/selectwidget.h"
#include "forms/snmpwidget.h"
#include "forms/uiaddhttpport.h"
#include "forms/uiaddport.h"

namespace {

QString framed(const QString& text) {
    return QLatin1Char('\n') + text + QLatin1Char('\n');
}

void clickIndicator(QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QStyle::SubElement indicator = qobject_cast<QRadioButton*>(button)
                                             ? QStyle::SE_RadioButtonIndicator
                                             : QStyle::SE_CheckBoxIndicator;
    const QRect area = button->style()->subElementRect(indicator, &option, button);
    QTest::mouseClick(button, Qt::LeftButton, {}, area.center());
}

// Empties a line edit and types the text into it.
void retype(QLineEdit* field, const QString& text) {
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

// Checks the port validator of a page as a user typing into the field meets it.
void checkPortValidator(QWidget* page, QLineEdit* port) {
    const auto* validator = qobject_cast<const IntValidator*>(port->validator());
    QVERIFY(validator != nullptr);
    QCOMPARE(validator->objectName(), QStringLiteral("IntValidator"));
    QVERIFY(validator->parent() == page);
    QCOMPARE(validator->bottom(), 1);
    QCOMPARE(validator->top(), 65535);

    const QString before = port->text();
    QTest::keyClick(port, Qt::Key_End);
    QTest::keyClicks(port, QStringLiteral("ab-"));
    QCOMPARE(port->text(), before);

    retype(port, QStringLiteral("65536"));
    QCOMPARE(port->text(), QStringLiteral("65536"));
    QVERIFY(!port->hasAcceptableInput());
    retype(port, QStringLiteral("0"));
    QVERIFY(!port->hasAcceptableInput());
    retype(port, QStringLiteral("65535"));
    QVERIFY(port->hasAcceptableInput());
    retype(port, QString());
    QVERIFY(port->text().isEmpty());
    QVERIFY(!port->hasAcceptableInput());
}

QColor pixel(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

// Answers every lookup with "context:source", so that the text shown tells the
// context it was looked up in.
class ContextTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* = nullptr,
                      int = -1) const override {
        return QString::fromUtf8(context) + QLatin1Char(':') + QString::fromUtf8(sourceText);
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class PageWidgetsTest : public QObject {
    Q_OBJECT
private slots:
    void selectPage();
    void socketPage();
    void httpPage();
    void proxyPage();
    void snmpPage();
    void infoPageSymbols();
    void translationContexts();
};

void PageWidgetsTest::selectPage() {
    SelectWidget page(nullptr, "selectPage");
    QCOMPARE(page.objectName(), QStringLiteral("selectPage"));
    QCOMPARE(page.metaObject()->className(), "SelectWidget");
    QCOMPARE(page.description->text(),
             framed("Select a printing method. Standard TCP/IP printing is recommended.\n\nTo "
                    "print via a proxy server or use additional print data encryption (TLS), "
                    "please choose HTTP printing. Only print servers with firmware 9.4.0 or "
                    "later support this service."));
    QCOMPARE(page.socketRB->text(), QStringLiteral("Standard TCP/IP printing"));
    QCOMPARE(page.secureRB->text(), QStringLiteral("HTTP printing (encrypted / unencrypted)"));

    QVERIFY(page.socketRB->isChecked());
    QCOMPARE(page.protocol(), 1);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    clickIndicator(page.secureRB);
    QCOMPARE(page.protocol(), 2);
    QVERIFY(!page.socketRB->isChecked());
    clickIndicator(page.secureRB);
    QCOMPARE(page.protocol(), 2);
    clickIndicator(page.socketRB);
    QCOMPARE(page.protocol(), 1);
    QVERIFY(!page.secureRB->isChecked());
}

void PageWidgetsTest::socketPage() {
    AddSocketPortWidget page;
    QCOMPARE(page.objectName(), QStringLiteral("UIAddPort"));
    QCOMPARE(page.metaObject()->className(), "AddSocketPortWidget");
    QCOMPARE(page.portGB->title(), QStringLiteral("Port Configuration"));
    QCOMPARE(page.description->text(),
             framed("Enter the IP address or the host name of the print server and the TCP/IP "
                    "port."));
    QCOMPARE(page.ipLabel->text(), QStringLiteral("IP address or host name"));
    QCOMPARE(page.portLabel->text(), QStringLiteral("TCP/IP port"));
    QCOMPARE(page.hostname->whatsThis(),
             QStringLiteral("Enter the IP address or the host name of the print server."));
    QVERIFY(page.port->whatsThis().startsWith(
        "During the transfer of files between two computers, addressing with the IP address "
        "alone generally does not suffice. In addition to the IP address, the port number "
        "(TCP/IP port) is used.\nAvailable ports and their preset functions:\nPort 9100 = default "
        "port\nPort 9101 = changes LF to CR+LF\n"));
    QVERIFY(page.port->whatsThis().endsWith(
        "\nPort 2900 = supports the RSO Spooler (BS2000)\nIf no number has been entered, all "
        "print data is automatically routed to the printer via TCP/IP port 9100."));
    QCOMPARE(page.port->whatsThis().count(QLatin1Char('\n')), 10);

    QVERIFY(page.hostname->text().isEmpty());
    QCOMPARE(page.port->text(), QStringLiteral("9100"));
    QVERIFY(page.port->hasAcceptableInput());
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    checkPortValidator(&page, page.port);
}

void PageWidgetsTest::httpPage() {
    AddHTTPPortWidget page(nullptr, "httpPage", Qt::Window);
    QCOMPARE(page.objectName(), QStringLiteral("httpPage"));
    QCOMPARE(page.metaObject()->className(), "AddHTTPPortWidget");
    QCOMPARE(page.description->text(),
             framed("Enter the IP address or the host name of the print server."));
    QCOMPARE(page.portGB->title(), QStringLiteral("Port Configuration"));
    QCOMPARE(page.ipLabel->text(), QStringLiteral("IP address or host name"));
    QCOMPARE(page.lpLabel->text(), QStringLiteral("Logical printer"));
    QCOMPARE(page.secureLabel->text(), QStringLiteral("Encrypted printing"));
    QVERIFY(page.secureCB->text().isEmpty());
    QCOMPARE(page.hostname->whatsThis(),
             QStringLiteral("Enter the IP address or the host name of the print server."));
    QCOMPARE(page.secureCB->whatsThis(), QStringLiteral("Enables encrypted printing via HTTP"));
    QCOMPARE(page.lpComboBox->whatsThis(),
             QStringLiteral(
                 "Select the logical printer of the print server.\nAvailable logical printers "
                 "and their preset functions:\nlp1 = default port\nlp2 = changes LF to "
                 "CR+LF\nlp3 = converts ASCII into PostScript\nlp4 = prints a banner page in "
                 "Novell networks or when the LPD protocol is used\nlp5 = prints all data in hex "
                 "dump mode\nlp6 = no function preset\nlp7 = no function preset\nlp8 = supports "
                 "the RSO Spooler (BS2000)\n"));

    QVERIFY(page.hostname->text().isEmpty());
    QCOMPARE(page.lpComboBox->count(), 8);
    QCOMPARE(page.lpComboBox->currentText(), QStringLiteral("lp1"));
    QVERIFY(page.hostname->validator() == nullptr);

    QVERIFY(!page.isSecure());
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    clickIndicator(page.secureCB);
    QVERIFY(page.isSecure());
    clickIndicator(page.secureCB);
    QVERIFY(!page.isSecure());
}

void PageWidgetsTest::proxyPage() {
    ProxyWidget page;
    QCOMPARE(page.objectName(), QStringLiteral("UIProxyWidget"));
    QCOMPARE(page.metaObject()->className(), "ProxyWidget");
    QCOMPARE(page.description->text(), framed("Configure your proxy server, if required."));
    QCOMPARE(page.proxyCB->text(), QStringLiteral("Use proxy"));
    QCOMPARE(page.proxyGB->title(), QStringLiteral("Proxy Configuration"));
    QCOMPARE(page.proxyLabel->text(), QStringLiteral("Proxy name or IP address"));
    QCOMPARE(page.portLabel->text(), QStringLiteral("Port number"));
    QCOMPARE(page.proxyCB->whatsThis(), QStringLiteral("Enables the use of a proxy server"));
    QCOMPARE(page.proxyname->whatsThis(),
             QStringLiteral("The name or IP address of the proxy server"));
    QCOMPARE(page.port->whatsThis(), QStringLiteral("The port number of the proxy server"));

    // Nothing can be entered until "Use proxy" is on.
    QVERIFY(!page.proxyCB->isChecked());
    QVERIFY(!page.proxyGB->isEnabled());
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QTest::keyClicks(page.proxyname, QStringLiteral("proxy"));
    QVERIFY(page.proxyname->text().isEmpty());
    QVERIFY(page.port->text().isEmpty());

    clickIndicator(page.proxyCB);
    QVERIFY(page.proxyname->isEnabled());
    QVERIFY(page.port->isEnabled());
    QTest::keyClicks(page.proxyname, QStringLiteral("proxy.example"));
    QTest::keyClicks(page.port, QStringLiteral("8080"));
    clickIndicator(page.proxyCB);
    QVERIFY(!page.proxyname->isEnabled());
    QVERIFY(!page.port->isEnabled());
    QCOMPARE(page.proxyname->text(), QStringLiteral("proxy.example"));
    QCOMPARE(page.port->text(), QStringLiteral("8080"));

    clickIndicator(page.proxyCB);
    checkPortValidator(&page, page.port);
}

void PageWidgetsTest::snmpPage() {
    SnmpWidget page(nullptr, "snmpPage");
    QCOMPARE(page.objectName(), QStringLiteral("snmpPage"));
    QCOMPARE(page.metaObject()->className(), "SnmpWidget");
    QCOMPARE(page.description->text(),
             framed("SNMP monitoring of the ports that are configured on the Print Monitor "
                    "allows the display of printer status messages. The community name usually "
                    "is tulvex. If the print server is password-protected, the password must be "
                    "used as community name."));
    QCOMPARE(page.snmpCB->text(), QStringLiteral("SNMP monitoring"));
    QCOMPARE(page.snmpGB->title(), QStringLiteral("SNMP Settings"));
    QCOMPARE(page.communityLabel->text(), QStringLiteral("Community"));
    QCOMPARE(page.snmpCB->whatsThis(),
             QStringLiteral("SNMP monitoring of the ports that are configured on the Print "
                            "Monitor allows the display of printer status messages."));
    QCOMPARE(page.communityLE->whatsThis(),
             QStringLiteral("The community name usually is tulvex. If the print server is "
                            "password-protected, the password must be used as community name."));

    QVERIFY(page.snmpCB->isChecked());
    QVERIFY(page.communityLE->isEnabled());
    QCOMPARE(page.communityLE->text(), QStringLiteral("tulvex"));
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    clickIndicator(page.snmpCB);
    QVERIFY(!page.snmpGB->isEnabled());
    QVERIFY(!page.communityLE->isEnabled());
}

void PageWidgetsTest::infoPageSymbols() {
    // Symbol type, a pixel that tells the symbol apart and its colour.
    struct Expected {
        int type;
        QPoint telling;
        QColor tellingColour;
        QColor centre;
    };
    const Expected symbols[] = {
        {1, QPoint(18, 12), QColor(0x00, 0x00, 0xff), QColor(0x00, 0x00, 0xff)},
        {2, QPoint(15, 16), QColor(0xff, 0xff, 0x00), QColor(0x00, 0x00, 0x00)},
        {3, QPoint(10, 15), QColor(0xff, 0x00, 0x00), QColor(0xff, 0xff, 0xff)},
    };
    for (const Expected& expected : symbols) {
        InfoWidget page(expected.type);
        QCOMPARE(page.objectName(), QStringLiteral("UIInfoWidget"));
        QCOMPARE(page.message->text(), QStringLiteral("TextLabel1"));
        const QPixmap symbol = page.pixmap->pixmap();
        QCOMPARE(symbol.size(), QSize(45, 45));
        QVERIFY(symbol.hasAlpha());
        const QImage image = symbol.toImage().convertToFormat(QImage::Format_ARGB32);
        for (const QPoint corner : {QPoint(0, 0), QPoint(44, 0), QPoint(0, 44), QPoint(44, 44)}) {
            QCOMPARE(image.pixelColor(corner).alpha(), 0);
        }
        QCOMPARE(pixel(image, 22, 22), expected.centre);
        QCOMPARE(pixel(image, expected.telling.x(), expected.telling.y()), expected.tellingColour);

        // Another type outside 1 to 3 leaves the symbol as it is.
        page.setSymbol(4);
        QCOMPARE(page.pixmap->pixmap().cacheKey(), symbol.cacheKey());

        // Shown, the symbol is scaled into the 40 x 40 label.
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QCOMPARE(page.pixmap->size(), QSize(40, 40));
    }
    for (const int type : {0, 4, -1}) {
        InfoWidget page(type, nullptr, "emptySymbol");
        QCOMPARE(page.objectName(), QStringLiteral("emptySymbol"));
        QVERIFY(page.pixmap->pixmap().isNull());
    }
}

void PageWidgetsTest::translationContexts() {
    ContextTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));

    // The forms' placeholders, initial values and logical printer names are
    // never looked up: a translation of "lp1" would end up in the settings.
    UIAddPort socketForm;
    QCOMPARE(socketForm.ipLabel->text(), QStringLiteral("IP Address"));
    QCOMPARE(socketForm.port->text(), QStringLiteral("9100"));
    UIAddHTTPPort httpForm;
    QCOMPARE(httpForm.lpComboBox->itemText(0), QStringLiteral("lp1"));
    QCOMPARE(httpForm.windowTitle(), QStringLiteral("Form2"));
    UISnmpWidget snmpForm;
    QCOMPARE(snmpForm.communityLE->text(), QStringLiteral("tulvex"));

    // The pages' texts are looked up under QObject, each one whole, with the
    // line breaks around a description added outside.
    AddSocketPortWidget socketPage;
    QCOMPARE(socketPage.ipLabel->text(), QStringLiteral("QObject:IP address or host name"));
    QCOMPARE(socketPage.description->text(),
             framed("QObject:Enter the IP address or the host name of the print server and the "
                    "TCP/IP port."));
    QCOMPARE(socketPage.hostname->whatsThis(),
             QStringLiteral("QObject:Enter the IP address or the host name of the print server."));
    SelectWidget selectPage;
    QVERIFY(selectPage.description->text().startsWith(
        QStringLiteral("\nQObject:Select a printing method.")));
    QCOMPARE(selectPage.secureRB->text(),
             QStringLiteral("QObject:HTTP printing (encrypted / unencrypted)"));
    SnmpWidget snmpPage;
    QCOMPARE(snmpPage.communityLE->whatsThis(),
             QStringLiteral("QObject:The community name usually is tulvex. If the print server "
                            "is password-protected, the password must be used as community "
                            "name."));
    QCOMPARE(snmpPage.communityLabel->text(), QStringLiteral("QObject:Community"));

    QVERIFY(QCoreApplication::removeTranslator(&translator));
}

QTEST_MAIN(PageWidgetsTest)
#include "tst_pagewidgets.moc"
