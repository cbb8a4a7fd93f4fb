// The port properties dialog: what it shows for socket and HTTP ports, the
// checks on OK with their message boxes, the proxy port correction, the proxy
// name and the masked community.
#include "properties/propertiesdlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStyle>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

namespace {

const int kSocket = 1;
const int kHttp = 2;

// Closes every message box that appears while it lives, recording title and
// text, as a user pressing the box's only button would.
class MessageBoxCloser : public QObject {
public:
    MessageBoxCloser() {
        connect(&timer, &QTimer::timeout, this, &MessageBoxCloser::closeBoxes);
        timer.start(10);
    }

    QStringList titles;
    QStringList texts;
    QList<QMessageBox::Icon> icons;
    QList<int> buttonCounts;

private:
    void closeBoxes() {
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget* window : windows) {
            auto* box = qobject_cast<QMessageBox*>(window);
            if (box == nullptr || !box->isVisible() || handled.contains(box)) {
                continue;
            }
            handled << box;
            titles << box->windowTitle();
            texts << box->text();
            icons << box->icon();
            buttonCounts << box->buttons().size();
            QAbstractButton* button = box->button(QMessageBox::Ok);
            if (button == nullptr) {
                // An unexpected box must not block the test.
                box->reject();
                continue;
            }
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }

    QTimer timer;
    QList<QPointer<QMessageBox>> handled;
};

// Clicks a check box on its indicator: a check box wider than its text only
// reacts to clicks on the indicator and the text.
void clickCheckBox(QCheckBox* box) {
    const int indicator = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(indicator / 2 + 1, box->height() / 2));
}

void selectAll(QLineEdit* field) {
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
}

// Replaces the field's text by typing, as a user would.
void retype(QLineEdit* field, const QString& text) {
    selectAll(field);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

QStringList tabSequence(QWidget* start, int steps) {
    start->setFocus();
    QStringList visited;
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    return visited;
}

} // namespace

class TestPropertiesDlg : public QObject {
    Q_OBJECT

private slots:
    void socketDialog();
    void httpDialog();
    void tabOrder();
    void timeoutCheck_data();
    void timeoutCheck();
    void proxyCheck_data();
    void proxyCheck();
    void execResult();
    void proxyPortTyping();
    void proxyPortSetter();
    void proxyName();
    void maskedCommunity();
    void separatorsRefused();
    void longDescriptionSqueezesNothing();
};

void TestPropertiesDlg::socketDialog() {
    PropertiesDlg dialog(kSocket, nullptr, "test", true, Qt::Dialog | Qt::WindowStaysOnTopHint);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QCOMPARE(dialog.metaObject()->className(), "PropertiesDlg");
    QCOMPARE(dialog.objectName(), QStringLiteral("test"));
    QVERIFY(dialog.isModal());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("VARDENO TCP/IP Port Configuration (4.2.2)"));
    QVERIFY(dialog.description->text().startsWith(QStringLiteral("\nEnter a time out value")));
    QVERIFY(dialog.description->text().endsWith(QStringLiteral("specified port.\n")));

    // No proxy part for a socket port.
    QVERIFY(!dialog.proxyCB->isVisible());
    QVERIFY(!dialog.proxyGB->isVisible());
    QVERIFY(dialog.snmpCB->isVisible());

    dialog.setMonitoringEnabled(false);
    QVERIFY(!dialog.snmpGB->isEnabled());
    clickCheckBox(dialog.snmpCB);
    QVERIFY(dialog.isMonitoringEnabled());
    QVERIFY(dialog.snmpGB->isEnabled());

    // The hidden proxy fields still take values and are not checked.
    dialog.setProxyEnabled(true);
    QVERIFY(dialog.isProxyEnabled());
    dialog.setTimeout(QStringLiteral("10"));
    MessageBoxCloser closer;
    QTest::mouseClick(dialog.okButton, Qt::LeftButton);
    QVERIFY(closer.texts.isEmpty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
}

void TestPropertiesDlg::httpDialog() {
    PropertiesDlg dialog(kHttp);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QCOMPARE(dialog.windowTitle(), QStringLiteral("VARDENO TCP/IP Port Configuration (4.2.2)"));
    QVERIFY(dialog.proxyCB->isVisible());
    QVERIFY(dialog.proxyGB->isVisible());

    // The proxy group starts disabled and follows the check box.
    QVERIFY(!dialog.isProxyEnabled());
    QVERIFY(!dialog.proxyGB->isEnabled());
    clickCheckBox(dialog.proxyCB);
    QVERIFY(dialog.isProxyEnabled());
    QVERIFY(dialog.proxyGB->isEnabled());
    clickCheckBox(dialog.proxyCB);
    QVERIFY(!dialog.proxyGB->isEnabled());
}

void TestPropertiesDlg::tabOrder() {
    {
        PropertiesDlg dialog(kSocket);
        dialog.setMonitoringEnabled(true);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(tabSequence(dialog.UIProperties::timeout, 5),
                 QStringList({"snmpCB", "communityLE", "okButton", "cancelButton", "timeout"}));
    }
    {
        PropertiesDlg dialog(kHttp);
        dialog.setMonitoringEnabled(true);
        dialog.setProxyEnabled(true);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(tabSequence(dialog.UIProperties::timeout, 8),
                 QStringList({"snmpCB", "proxyCB", "proxyname", "port", "communityLE", "okButton",
                              "cancelButton", "timeout"}));
        // With the proxy off its fields are skipped.
        clickCheckBox(dialog.proxyCB);
        QCOMPARE(tabSequence(dialog.UIProperties::timeout, 3),
                 QStringList({"snmpCB", "proxyCB", "communityLE"}));
    }
}

void TestPropertiesDlg::timeoutCheck_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("0") << "0"
                       << "0" << false;
    QTest::newRow("121") << "121"
                         << "121" << false;
    QTest::newRow("empty") << ""
                           << "" << false;
    QTest::newRow("letters refused") << "ab"
                                     << "" << false;
    QTest::newRow("1") << "1"
                       << "1" << true;
    QTest::newRow("120") << "120"
                         << "120" << true;
    QTest::newRow("90 above the validator's top") << "90"
                                                  << "90" << true;
    QTest::newRow("005") << "005"
                         << "005" << true;
}

void TestPropertiesDlg::timeoutCheck() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(bool, accepted);

    // An HTTP port with the proxy on and empty proxy fields: a bad time out is
    // reported alone, without looking at the proxy.
    PropertiesDlg dialog(kHttp);
    dialog.setProxyEnabled(true);
    dialog.setProxyName(QStringLiteral("proxy"));
    dialog.setProxyPort(3128);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    retype(dialog.UIProperties::timeout, typed);
    QCOMPARE(dialog.UIProperties::timeout->text(), shown);

    MessageBoxCloser closer;
    QTest::mouseClick(dialog.okButton, Qt::LeftButton);
    if (accepted) {
        QVERIFY(closer.texts.isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QString text;
        QVERIFY(dialog.timeout(text));
        QCOMPARE(text, typed);
    } else {
        QCOMPARE(closer.texts, QStringList{QStringLiteral("Invalid time out value.")});
        QCOMPARE(closer.titles, QStringList{QStringLiteral("Input Error")});
        QCOMPARE(closer.icons.value(0), QMessageBox::Critical);
        QCOMPARE(closer.buttonCounts.value(0), 1);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.UIProperties::timeout->text(), shown);
    }
}

void TestPropertiesDlg::proxyCheck_data() {
    QTest::addColumn<int>("protocol");
    QTest::addColumn<bool>("proxyOn");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QStringList>("messages");

    const QString nameMessage = QStringLiteral("Enter a proxy server name or IP address.");
    const QString portMessage = QStringLiteral("Enter a port number.");
    QTest::newRow("both empty") << kHttp << true << ""
                                << "" << QStringList{nameMessage, portMessage};
    QTest::newRow("port empty") << kHttp << true << "proxy"
                                << "" << QStringList{portMessage};
    QTest::newRow("name empty") << kHttp << true << ""
                                << "8080" << QStringList{nameMessage};
    QTest::newRow("both filled") << kHttp << true << "proxy"
                                 << "8080" << QStringList{};
    QTest::newRow("blank name passes") << kHttp << true << " "
                                       << "8080" << QStringList{};
    QTest::newRow("proxy off") << kHttp << false << ""
                               << "" << QStringList{};
    QTest::newRow("socket") << kSocket << true << ""
                            << "" << QStringList{};
}

void TestPropertiesDlg::proxyCheck() {
    QFETCH(int, protocol);
    QFETCH(bool, proxyOn);
    QFETCH(QString, name);
    QFETCH(QString, port);
    QFETCH(QStringList, messages);

    PropertiesDlg dialog(protocol);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    retype(dialog.UIProperties::timeout, QStringLiteral("5"));
    dialog.setProxyEnabled(true);
    retype(dialog.proxyname, name);
    retype(dialog.port, port);
    if (!proxyOn) {
        clickCheckBox(dialog.proxyCB);
    }

    MessageBoxCloser closer;
    QTest::mouseClick(dialog.okButton, Qt::LeftButton);
    QCOMPARE(closer.texts, messages);
    if (messages.isEmpty()) {
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    } else {
        QCOMPARE(closer.titles, QStringList(QList<QString>(messages.size(), "Input Error")));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.proxyname->text(), name);
        QCOMPARE(dialog.port->text(), port);
        QCOMPARE(dialog.UIProperties::timeout->text(), QStringLiteral("5"));
        QVERIFY(dialog.isProxyEnabled());
    }
}

void TestPropertiesDlg::execResult() {
    const struct {
        const char* name;
        std::function<void(PropertiesDlg&)> act;
        int result;
    } cases[] = {
        {"OK", [](PropertiesDlg& d) { QTest::mouseClick(d.okButton, Qt::LeftButton); }, 1},
        {"Cancel", [](PropertiesDlg& d) { QTest::mouseClick(d.cancelButton, Qt::LeftButton); }, 0},
        {"Escape", [](PropertiesDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); }, 0},
        {"Enter presses OK",
         [](PropertiesDlg& d) { QTest::keyClick(d.UIProperties::timeout, Qt::Key_Return); }, 1},
    };
    for (const auto& c : cases) {
        PropertiesDlg dialog(kSocket, nullptr, "test", true, Qt::Dialog | Qt::WindowStaysOnTopHint);
        dialog.setTimeout(QStringLiteral("7"));
        QTimer::singleShot(0, &dialog, [&] {
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            c.act(dialog);
        });
        // A dialog still open after a second is closed so that the case fails instead of hanging.
        QTimer::singleShot(1000, &dialog, [&] { dialog.done(-1); });
        QCOMPARE(dialog.exec(), c.result);
        QVERIFY2(!dialog.isVisible(), c.name);
    }
}

void TestPropertiesDlg::proxyPortTyping() {
    PropertiesDlg dialog(kHttp);
    dialog.setProxyEnabled(true);
    dialog.setProxyPort(8080);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.port->text(), QStringLiteral("8080"));

    // A fifth digit makes a number above 65535: the last accepted port comes back.
    QTest::keyClick(dialog.port, Qt::Key_End);
    QTest::keyClick(dialog.port, Qt::Key_1);
    QCOMPARE(dialog.port->text(), QStringLiteral("8080"));
    QCOMPARE(dialog.proxyPort(), quint16(8080));

    // Letters never get in.
    QTest::keyClicks(dialog.port, QStringLiteral("x-"));
    QCOMPARE(dialog.port->text(), QStringLiteral("8080"));

    // "0" on its own is emptied.
    selectAll(dialog.port);
    QTest::keyClick(dialog.port, Qt::Key_0);
    QCOMPARE(dialog.port->text(), QString());
    QCOMPARE(dialog.proxyPort(), quint16(0));

    // Each keystroke is accepted on its own, so the last keystroke of 70000
    // brings back 7000.
    QTest::keyClicks(dialog.port, QStringLiteral("70000"));
    QCOMPARE(dialog.port->text(), QStringLiteral("7000"));
    QCOMPARE(dialog.proxyPort(), quint16(7000));

    retype(dialog.port, QStringLiteral("65535"));
    QCOMPARE(dialog.proxyPort(), quint16(65535));
}

void TestPropertiesDlg::proxyPortSetter() {
    PropertiesDlg dialog(kHttp);
    dialog.setProxyPort(631);
    QCOMPARE(dialog.port->text(), QStringLiteral("631"));

    // The setter takes the same path as typing: too big gives the last port back.
    dialog.setProxyPort(65536);
    QCOMPARE(dialog.port->text(), QStringLiteral("631"));

    dialog.setProxyPort(0);
    QCOMPARE(dialog.port->text(), QString());
    QCOMPARE(dialog.proxyPort(), quint16(0));
    // After the field was emptied, the remembered port is 0, which is emptied too.
    dialog.setProxyPort(100000);
    QCOMPARE(dialog.port->text(), QString());

    // The socket dialog corrects its hidden field the same way.
    PropertiesDlg socket(kSocket);
    socket.setProxyPort(9101);
    socket.setProxyPort(99999);
    QCOMPARE(socket.port->text(), QStringLiteral("9101"));
}

void TestPropertiesDlg::proxyName() {
    PropertiesDlg dialog(kHttp);
    dialog.setProxyName(QStringLiteral("010.001.000.001"));
    QCOMPARE(dialog.proxyName(), QStringLiteral("10.1.0.1"));
    // The field itself keeps what was given.
    QCOMPARE(dialog.proxyname->text(), QStringLiteral("010.001.000.001"));

    dialog.setProxyName(QStringLiteral("proxyhost"));
    QCOMPARE(dialog.proxyName(), QStringLiteral("proxyhost"));

    // A name outside Latin-1 survives the way back.
    const QString cyrillic = QStringLiteral("прокси.пример");
    dialog.setProxyName(cyrillic);
    QCOMPARE(dialog.proxyname->text(), cyrillic);
    QCOMPARE(dialog.proxyName(), cyrillic);
}

void TestPropertiesDlg::maskedCommunity() {
    PropertiesDlg dialog(kSocket);
    dialog.setMonitoringEnabled(true);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    // Before any community was handed over, the kept community is null.
    QVERIFY(dialog.community().isNull());

    dialog.setCommunity(QStringLiteral("public"));
    QCOMPARE(dialog.communityLE->text(), QStringLiteral("******"));
    QCOMPARE(dialog.community(), QStringLiteral("public"));

    // A null community changes nothing.
    dialog.setCommunity(QString());
    QCOMPARE(dialog.communityLE->text(), QStringLiteral("******"));
    QCOMPARE(dialog.community(), QStringLiteral("public"));

    // Longer than the field: 16 asterisks, the whole community comes back.
    const QString longCommunity = QStringLiteral("abcdefghijklmnopqrstu");
    dialog.setCommunity(longCommunity);
    QCOMPARE(dialog.communityLE->text(), QString(16, QLatin1Char('*')));
    QCOMPARE(dialog.community(), longCommunity);

    // Characters outside Latin-1 are kept as they are, one asterisk each.
    for (const QString& community :
         {QStringLiteral("Grüße✓"), QStringLiteral("сообщество"), QStringLiteral("ab😀")}) {
        dialog.setCommunity(community);
        QCOMPARE(dialog.communityLE->text(), QString(community.toUcs4().size(), QLatin1Char('*')));
        QCOMPARE(dialog.community(), community);
    }

    // The empty community stays empty (no default is put in).
    dialog.setCommunity(QStringLiteral(""));
    QCOMPARE(dialog.communityLE->text(), QString());
    QVERIFY(!dialog.community().isNull());
    QCOMPARE(dialog.community(), QString());

    // Once the user edits the field, its text is the community.
    dialog.setCommunity(QStringLiteral("tulvex"));
    retype(dialog.communityLE, QStringLiteral("secret"));
    QCOMPARE(dialog.community(), QStringLiteral("secret"));
    QTest::keyClick(dialog.communityLE, Qt::Key_End);
    QTest::keyClicks(dialog.communityLE, QStringLiteral("Ü"));
    QCOMPARE(dialog.community(), QStringLiteral("secretÜ"));
    // Even an edit that leaves only asterisks is the user's text.
    retype(dialog.communityLE, QStringLiteral("**"));
    QCOMPARE(dialog.community(), QStringLiteral("**"));

    // A community handed over later is kept again until the next edit.
    dialog.setCommunity(QStringLiteral("private"));
    QCOMPARE(dialog.community(), QStringLiteral("private"));
}

void TestPropertiesDlg::separatorsRefused() {
    PropertiesDlg dialog(kHttp);
    dialog.setMonitoringEnabled(true);
    dialog.setProxyEnabled(true);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    for (QLineEdit* field : {dialog.communityLE, dialog.proxyname}) {
        retype(field, QStringLiteral("a;b=c d"));
        QCOMPARE(field->text(), QStringLiteral("abc d"));
    }
    QCOMPARE(dialog.community(), QStringLiteral("abc d"));
}

namespace {
// Stands in for a catalogue whose description is much longer than the English.
class LongDescription : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (qstrcmp(context, "QObject") == 0 &&
            qstrncmp(source, "Enter a time out value", 22) == 0) {
            return QString::fromLatin1(source).repeated(3);
        }
        return QString();
    }
};
} // namespace

void TestPropertiesDlg::longDescriptionSqueezesNothing() {
    LongDescription translator;
    QCoreApplication::installTranslator(&translator);
    for (int protocol : {kSocket, kHttp}) {
        PropertiesDlg dialog(protocol);
        dialog.setProxyEnabled(true);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.width(), 446);
        for (QWidget* field : {static_cast<QWidget*>(dialog.communityLE),
                               static_cast<QWidget*>(dialog.UIProperties::timeout),
                               static_cast<QWidget*>(dialog.okButton)}) {
            QVERIFY2(field->height() >= field->minimumSizeHint().height(),
                     qPrintable(field->objectName()));
        }
    }
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(TestPropertiesDlg)
#include "tst_propertiesdlg.moc"
