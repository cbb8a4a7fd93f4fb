// What a screen reader learns about the windows: every input of a wizard page
// and of the properties dialog has a name and a description of its own, in the
// language of the catalogue, and the texts shown on the pages read as text.
#include "forms/addhttpportwidget.h"
#include "forms/addsocketportwidget.h"
#include "forms/infowidget.h"
#include "forms/proxywidget.h"
#include "forms/selectwidget.h"
#include "forms/snmpwidget.h"
#include "properties/propertiesdlg.h"
#include "wizard/addportwizard.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const int kSocket = 1;
const int kHttp = 2;

// The widgets of the window that the keyboard reaches, in creation order.
QWidgetList inputs(QWidget* window) {
    QWidgetList found;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy() &&
            w->window() == window && w->isVisibleTo(window)) {
            found << w;
        }
    }
    return found;
}

QAccessibleInterface* accessible(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w);
}

// The name a screen reader gives the input. On X11 the toolkit names a combo
// box after its current entry and leaves its name to the label relation, which
// the reader follows; everywhere else the name is the interface's own.
QString spokenName(QWidget* w) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (qobject_cast<QComboBox*>(w)) {
        const auto labels = accessible(w)->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    }
#endif
    return accessible(w)->text(QAccessible::Name);
}

// "objectName: name" for every input.
QStringList names(QWidget* window) {
    QStringList list;
    for (QWidget* w : inputs(window)) {
        list << w->objectName() + QStringLiteral(": ") + spokenName(w);
    }
    return list;
}

// Checks the rules every window keeps, whatever the language: each input has a
// name that no other input of the window has and that is not merely the title
// of the group around it; each field and switch has a description, its help
// text where it has one.
void checkInputs(QWidget* window) {
    const QWidgetList all = inputs(window);
    QVERIFY(!all.isEmpty());
    QHash<QString, QString> owners;
    for (QWidget* w : all) {
        const QString name = spokenName(w);
        const QString where = window->objectName() + QLatin1Char('/') + w->objectName();
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(where));
        QVERIFY2(!owners.contains(name),
                 qPrintable(where + QStringLiteral(" is named \"") + name +
                            QStringLiteral("\" like ") + owners.value(name)));
        owners.insert(name, w->objectName());
        if (auto* group = qobject_cast<QGroupBox*>(w->parentWidget())) {
            QVERIFY2(name != group->title(), qPrintable(where));
        }
        if (qobject_cast<QPushButton*>(w)) {
            continue;
        }
        const QString description = accessible(w)->text(QAccessible::Description);
        QVERIFY2(!description.trimmed().isEmpty(), qPrintable(where));
        if (!w->whatsThis().isEmpty()) {
            QCOMPARE(description, w->whatsThis());
        }
    }
}

// A text shown on a page as a screen reader reads it.
QString readText(QLabel* label) {
    return accessible(label)->text(QAccessible::Name).trimmed();
}

struct Window {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
};

const Window kWindows[] = {
    {"method page", [] { return std::make_unique<SelectWidget>(); }},
    {"socket page", [] { return std::make_unique<AddSocketPortWidget>(); }},
    {"HTTP page", [] { return std::make_unique<AddHTTPPortWidget>(); }},
    {"SNMP page", [] { return std::make_unique<SnmpWidget>(); }},
    {"proxy page", [] { return std::make_unique<ProxyWidget>(); }},
    {"socket port dialog", [] { return std::make_unique<PropertiesDlg>(kSocket); }},
    {"HTTP port dialog", [] { return std::make_unique<PropertiesDlg>(kHttp); }},
};

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void everyInputIsNamedByItsLabel() {
        const QStringList expected[] = {
            {"socketRB: Standard TCP/IP printing",
             "secureRB: HTTP printing (encrypted / unencrypted)"},
            {"port: TCP/IP port", "hostname: IP address or host name"},
            {"lpComboBox: Logical printer", "secureCB: Encrypted printing",
             "hostname: IP address or host name"},
            {"snmpCB: SNMP monitoring", "communityLE: Community"},
            {"proxyCB: Use proxy", "port: Port number", "proxyname: Proxy name or IP address"},
            {"timeout: Time out", "okButton: OK", "cancelButton: Cancel", "communityLE: Community",
             "snmpCB: SNMP monitoring"},
            {"timeout: Time out", "okButton: OK", "cancelButton: Cancel", "port: Port number",
             "proxyname: Proxy name or IP address", "proxyCB: Use proxy", "communityLE: Community",
             "snmpCB: SNMP monitoring"},
        };
        for (size_t i = 0; i < std::size(kWindows); ++i) {
            std::unique_ptr<QWidget> window = kWindows[i].make();
            window->setObjectName(QLatin1String(kWindows[i].name));
            checkInputs(window.get());
            QCOMPARE(names(window.get()), expected[i]);
        }
    }

    void namesFollowTheCatalogue() {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(CATALOGUE)));
        QVERIFY(QCoreApplication::installTranslator(&german));
        for (const Window& kind : kWindows) {
            std::unique_ptr<QWidget> window = kind.make();
            window->setObjectName(QLatin1String(kind.name));
            checkInputs(window.get());
            // A field is named by the text that its label shows.
            for (QLabel* label : window->findChildren<QLabel*>()) {
                if (label->buddy() && label->buddy()->isVisibleTo(window.get())) {
                    QCOMPARE(spokenName(label->buddy()), label->text());
                }
            }
        }
        AddHTTPPortWidget http;
        QCOMPARE(spokenName(http.hostname), http.ipLabel->text());
        QVERIFY(spokenName(http.hostname) != QStringLiteral("IP address or host name"));
        QCOMPARE(spokenName(http.secureCB), http.secureLabel->text());
        QCoreApplication::removeTranslator(&german);
    }

    void descriptionsReadAsText() {
        SelectWidget select;
        AddSocketPortWidget socket;
        AddHTTPPortWidget http;
        SnmpWidget snmp;
        ProxyWidget proxy;
        PropertiesDlg dialog(kHttp);
        for (QLabel* description : {select.description, socket.description, http.description,
                                    snmp.description, proxy.description, dialog.description}) {
            QVERIFY(!readText(description).isEmpty());
            QCOMPARE(readText(description), description->text().trimmed());
        }
    }

    void summaryReadsAsText() {
        AddPortWizard wizard;
        wizard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wizard));
        QTest::mouseClick(wizard.nextButton(), Qt::LeftButton);
        auto* socket = qobject_cast<AddSocketPortWidget*>(wizard.currentPage());
        QVERIFY(socket);
        QTest::keyClicks(socket->hostname, QStringLiteral("a<b>&c"));
        QTest::mouseClick(wizard.nextButton(), Qt::LeftButton);
        auto* snmp = qobject_cast<SnmpWidget*>(wizard.currentPage());
        QVERIFY(snmp);
        QTest::keyClick(snmp->communityLE, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(snmp->communityLE, QStringLiteral("p&ss"));
        QTest::mouseClick(wizard.nextButton(), Qt::LeftButton);
        auto* info = qobject_cast<InfoWidget*>(wizard.currentPage());
        QVERIFY(info);
        // Row by row, label and value, with every character of the values.
        QCOMPARE(readText(info->message),
                 QStringLiteral("IP address or host name\na<b>&c\nTCP/IP port\n9100\n"
                                "SNMP monitoring\nactivated\nSNMP community\np&ss"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
