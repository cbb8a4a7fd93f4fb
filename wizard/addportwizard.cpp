#include "wizard/addportwizard.h"

#include "forms/addhttpportwidget.h"
#include "forms/addsocketportwidget.h"
#include "forms/infowidget.h"
#include "forms/proxywidget.h"
#include "forms/selectwidget.h"
#include "forms/separatorvalidator.h"
#include "forms/snmpwidget.h"
#include "wizard/rules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <utility>
#include <vector>

// Included last: on Windows it brings in the system headers and their macros.
#include "platform/win32.h"

namespace {

// The last port numbers accepted by the socket page's and the proxy page's port
// fields. They live for the whole process: a wizard opened later starts from
// what the previous one left.
quint16 socketLastPort = 9100;
quint16 proxyLastPort = 0;

// ";" separates the items of the port settings string and "=" a key from its
// value, so neither may be typed into a text that ends up in it.
void refuseSettingsSeparators(QLineEdit* field) {
    field->setValidator(new SeparatorValidator(field));
}

} // namespace

AddPortWizard::AddPortWizard(QWidget* parent, const char* name)
    : BWizard(parent, name, true, Qt::WindowFlags()) {
    resize(300, 200);
#ifdef _WIN32
    SetActiveWindow(reinterpret_cast<HWND>(winId()));
#else
    activateWindow();
#endif
    setWindowTitle(QObject::tr("VARDENO TCP/IP Port Configuration") + QStringLiteral(" (4.2.2)"));

    selectPage = new SelectWidget();
    insertPage(selectPage, QStringLiteral("selectPage"), 0);
    setNextEnabled(selectPage, true);

    infoPage = new InfoWidget(1);
    // With one page in the list this appends: selection page, info page.
    insertPage(infoPage, QStringLiteral("infoPage"), 2);
}

AddSocketPortWidget* AddPortWizard::socket() const {
    if (!socketPage) {
        auto* self = const_cast<AddPortWizard*>(this);
        socketPage = new AddSocketPortWidget();
        connect(socketPage->hostname, &QLineEdit::textChanged, self,
                &AddPortWizard::hostnameChangedSocket);
        connect(socketPage->port, &QLineEdit::textChanged, self, &AddPortWizard::portChangedSocket);
        refuseSettingsSeparators(socketPage->hostname);
    }
    return socketPage;
}

AddHTTPPortWidget* AddPortWizard::http() const {
    if (!httpPage) {
        auto* self = const_cast<AddPortWizard*>(this);
        httpPage = new AddHTTPPortWidget();
        connect(httpPage->hostname, &QLineEdit::textChanged, self,
                &AddPortWizard::hostnameChangedHTTP);
        refuseSettingsSeparators(httpPage->hostname);
    }
    return httpPage;
}

ProxyWidget* AddPortWizard::proxy() const {
    if (!proxyPage) {
        auto* self = const_cast<AddPortWizard*>(this);
        proxyPage = new ProxyWidget();
        connect(proxyPage->proxyCB, &QCheckBox::toggled, self, &AddPortWizard::proxyCBToggled);
        connect(proxyPage->proxyname, &QLineEdit::textChanged, self,
                &AddPortWizard::proxyNameOrPortChanged);
        connect(proxyPage->port, &QLineEdit::textChanged, self,
                &AddPortWizard::proxyNameOrPortChanged);
        refuseSettingsSeparators(proxyPage->proxyname);
    }
    return proxyPage;
}

SnmpWidget* AddPortWizard::snmp() const {
    if (!snmpPage) {
        snmpPage = new SnmpWidget();
        refuseSettingsSeparators(snmpPage->communityLE);
    }
    return snmpPage;
}

AddPortWizard::~AddPortWizard() {
    delete selectPage;
    delete socketPage;
    delete httpPage;
    delete infoPage;
    delete proxyPage;
    delete snmpPage;
}

int AddPortWizard::protocol() const {
    return selectPage->protocol();
}

QString AddPortWizard::hostAddress() const {
    QString host;
    switch (protocol()) {
    case 1:
        host = socket()->hostname->text();
        break;
    case 2:
        host = http()->hostname->text();
        break;
    default:
        break;
    }
    return normalizeHostAddress(host);
}

quint16 AddPortWizard::tcpPort() const {
    bool ok = false;
    const quint16 port = socket()->port->text().toUShort(&ok, 10);
    return ok ? port : 0;
}

QString AddPortWizard::portName() const {
    return composePortName(protocol(), hostAddress(), tcpPort(), isSecure(), logicalPrinter());
}

bool AddPortWizard::isSecure() const {
    return http()->isSecure();
}

QString AddPortWizard::logicalPrinter() const {
    return http()->lpComboBox->currentText();
}

bool AddPortWizard::isProxyEnabled() const {
    return proxy()->proxyCB->isChecked();
}

QString AddPortWizard::proxyName() const {
    return normalizeHostAddress(proxy()->proxyname->text());
}

QString AddPortWizard::proxyPort() const {
    return proxy()->port->text();
}

bool AddPortWizard::isMonitoringEnabled() const {
    return snmp()->snmpCB->isChecked();
}

QString AddPortWizard::community() const {
    return defaultCommunity(snmp()->communityLE->text());
}

void AddPortWizard::next() {
    if (currentPage() == selectPage) {
        std::vector<std::pair<QWidget*, QString>> sequence;
        switch (protocol()) {
        case 1:
            sequence = {{socket(), QStringLiteral("AddSocketPortWidget")},
                        {snmp(), QStringLiteral("SnmpWidget")},
                        {infoPage, QStringLiteral("InfoWidget")}};
            break;
        case 2:
            sequence = {{http(), QStringLiteral("AddHTTPPortWidget")},
                        {snmp(), QStringLiteral("SnmpWidget")},
                        {proxy(), QStringLiteral("ProxyWidget")},
                        {infoPage, QStringLiteral("InfoWidget")}};
            break;
        default:
            break;
        }

        // Take out the pages of the other method, then put every page of this
        // one in its place; pages already in place stay as they are. Pages not
        // built yet are in no list.
        QWidget* const pagesAfterSelection[] = {socketPage, httpPage, snmpPage, proxyPage,
                                                infoPage};
        for (QWidget* candidate : pagesAfterSelection) {
            if (!candidate) {
                continue;
            }
            const bool wanted =
                std::any_of(sequence.begin(), sequence.end(),
                            [candidate](const auto& entry) { return entry.first == candidate; });
            if (!wanted) {
                removePage(candidate);
            }
        }
        int position = indexOf(selectPage) + 1;
        for (const auto& [widget, title] : sequence) {
            if (page(position) != widget) {
                removePage(widget);
                insertPage(widget, title, position);
            } else {
                setTitle(widget, title);
            }
            ++position;
        }

        // A page put back into the list starts with Next enabled; the proxy page
        // may hold an incomplete proxy from an earlier pass.
        if (proxyPage && indexOf(proxyPage) >= 0) {
            setNextEnabled(proxyPage, !proxyPage->proxyCB->isChecked() ||
                                          (!proxyPage->proxyname->text().isEmpty() &&
                                           !proxyPage->port->text().isEmpty()));
        }
    }
    BWizard::next();
}

void AddPortWizard::showPage(QWidget* page) {
    // The pages not built yet are null, and no page to show.
    if (!page) {
    } else if (page == socketPage) {
        setNextEnabled(socketPage, !socketPage->hostname->text().isEmpty() &&
                                       !socketPage->port->text().isEmpty());
    } else if (page == httpPage) {
        setNextEnabled(httpPage, !httpPage->hostname->text().isEmpty());
    } else if (page == infoPage) {
        buildSummary();
    }
    BWizard::showPage(page);
}

void AddPortWizard::hostnameChangedSocket(const QString& text) {
    setNextEnabled(socketPage, !text.isEmpty() && !socketPage->port->text().isEmpty());
}

void AddPortWizard::portChangedSocket(const QString& text) {
    correctPortText(socketPage->port, text, socketLastPort, true);
    setNextEnabled(socketPage,
                   !socketPage->port->text().isEmpty() && !socketPage->hostname->text().isEmpty());
}

void AddPortWizard::hostnameChangedHTTP(const QString& text) {
    setNextEnabled(httpPage, !text.isEmpty());
}

void AddPortWizard::proxyCBToggled(bool on) {
    if (on) {
        proxyNameOrPortChanged(QString());
    } else {
        setNextEnabled(proxyPage, true);
    }
}

void AddPortWizard::proxyNameOrPortChanged(const QString&) {
    correctPortText(proxyPage->port, proxyPage->port->text(), proxyLastPort, true);
    setNextEnabled(proxyPage,
                   !proxyPage->proxyname->text().isEmpty() && !proxyPage->port->text().isEmpty());
}

void AddPortWizard::buildSummary() {
    const QString activated = QObject::tr("activated");
    const QString notActivated = QObject::tr("not activated");

    // Labels and values are shown as they are: their mark-up characters are
    // escaped, so a host name such as "a<b" is not read as mark-up. The
    // toolkit's tables keep their columns in the order written whatever the
    // writing direction, so a language written right to left gets the values'
    // column first, and the table and its texts on the right.
    const bool mirrored = layoutDirection() == Qt::RightToLeft;
    QString summary = mirrored ? QStringLiteral("<table border=0 dir=\"rtl\" align=\"right\">")
                               : QStringLiteral("<table border=0>");
    auto addRow = [&summary, mirrored](const char* rowStart, const QString& label,
                                       const QString& value) {
        const QString first = mirrored ? value : label;
        const QString second = mirrored ? label : value;
        summary += QLatin1String(rowStart) + first.toHtmlEscaped() + QLatin1String("</td><td>") +
                   second.toHtmlEscaped() + QLatin1String("</td></tr>");
    };
    const char* const firstRowStart = "<tr width=\"100\"><td>";
    const char* const rowStart = "<tr><td>";

    switch (protocol()) {
    case 1:
        addRow(firstRowStart, QObject::tr("IP address or host name"), hostAddress());
        addRow(rowStart, QObject::tr("TCP/IP port"), QString::number(tcpPort()));
        addRow(rowStart, QObject::tr("SNMP monitoring"),
               isMonitoringEnabled() ? activated : notActivated);
        addRow(rowStart, QObject::tr("SNMP community"), community());
        break;
    case 2:
        addRow(rowStart, QObject::tr("IP address or host name"), hostAddress());
        addRow(rowStart, QObject::tr("Logical printer"), logicalPrinter());
        addRow(rowStart, QObject::tr("SNMP monitoring"),
               isMonitoringEnabled() ? activated : notActivated);
        addRow(rowStart, QObject::tr("Community"), community());
        addRow(rowStart, QObject::tr("Encrypted printing"), isSecure() ? activated : notActivated);
        if (isProxyEnabled()) {
            addRow(rowStart, QObject::tr("Proxy name or IP address"), proxyName());
            addRow(rowStart, QObject::tr("Port number"), proxyPort());
        }
        break;
    default:
        break;
    }
    summary += QLatin1String("</table>");

    infoPage->message->setText(summary);
    setFinishEnabled(infoPage, true);
    setNextEnabled(infoPage, false);
}
