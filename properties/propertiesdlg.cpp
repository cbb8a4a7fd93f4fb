#include "properties/propertiesdlg.h"

#include "forms/intvalidator.h"
#include "forms/separatorvalidator.h"
#include "wizard/rules.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

// The last number accepted by the proxy port field of any properties dialog;
// a dialog opened later in the process starts from it.
quint16 lastPort = 9100;

const int kHttp = 2;

// `text` is a source text of the "QObject" context.
void showInputError(const char* text) {
    QMessageBox::critical(nullptr, QObject::tr("Input Error"), QObject::tr(text));
}

} // namespace

PropertiesDlg::PropertiesDlg(int protocol, QWidget* parent, const char* name, bool modal,
                             Qt::WindowFlags flags)
    : UIProperties(parent, name, modal, flags), protocol(protocol) {
    resize(446, 327);

    timeoutLabel->setText(QObject::tr("Time out"));
    description->setText(
        QLatin1String("\n") +
        QObject::tr(
            "Enter a time out value between 1-120. This value applies to all ports that are "
            "configured on the Print Monitor. Configure the settings of the SNMP monitoring "
            "and the proxy server for the specified port.") +
        QLatin1String("\n"));
    unit->setText(QObject::tr("[min.]"));
    proxyCB->setText(QObject::tr("Use proxy"));
    proxyGB->setTitle(QObject::tr("Proxy Configuration"));
    proxyLabel->setText(QObject::tr("Proxy name or IP address"));
    portLabel->setText(QObject::tr("Port number"));
    snmpCB->setText(QObject::tr("SNMP monitoring"));
    snmpGB->setTitle(QObject::tr("SNMP Settings"));
    communityLabel->setText(QObject::tr("Community"));

    // Numbers above 60 stay in the field as intermediate input, so the whole
    // range that accept() admits can be typed.
    UIProperties::timeout->setValidator(new IntValidator(0, 60, this));

    setWindowTitle(QObject::tr("VARDENO TCP/IP Port Configuration") + QStringLiteral(" (4.2.2)"));

    generalGB->setTitle(QObject::tr("General Configuration"));
    okButton->setText(QObject::tr("OK"));
    cancelButton->setText(QObject::tr("Cancel"));
    okButton->setDefault(true);
    proxyGB->setEnabled(false);

    // ";" separates the items of the settings string and "=" a key from its
    // value, so neither may be typed into a field whose text is sent in it.
    communityLE->setValidator(new SeparatorValidator(this));
    proxyname->setValidator(new SeparatorValidator(this));

    if (protocol == kHttp) {
        port->setValidator(new IntValidator(1, 65535, this));
    } else {
        proxyCB->hide();
        proxyGB->hide();
    }

    connect(okButton, &QPushButton::clicked, this, &PropertiesDlg::accept);
    connect(cancelButton, &QPushButton::clicked, this, &PropertiesDlg::reject);
    connect(port, &QLineEdit::textChanged, this, &PropertiesDlg::portChangedSocket);
    connect(communityLE, &QLineEdit::textChanged, this, &PropertiesDlg::communityChanged);

    UIProperties::timeout->setWhatsThis(
        QObject::tr("The time out value specifies the time interval the print server waits before "
                    "sending the print job to the printer again in case of a printer error."));
    proxyCB->setWhatsThis(QObject::tr("Enables the use of a proxy server"));
    proxyname->setWhatsThis(QObject::tr("The name or IP address of the proxy server"));
    port->setWhatsThis(QObject::tr("The port number of the proxy server"));
    snmpCB->setWhatsThis(
        QObject::tr("SNMP monitoring of the ports that are configured on the Print Monitor allows "
                    "the display of printer status messages."));
    communityLE->setWhatsThis(
        QObject::tr("The community name usually is tulvex. If the print server is "
                    "password-protected, the password must be used as community name."));
    // A screen reader reads the help text as the field's description; the
    // label bound to each field gives its name.
    for (QWidget* field :
         QWidgetList{UIProperties::timeout, proxyCB, proxyname, port, snmpCB, communityLE}) {
        field->setAccessibleDescription(field->whatsThis());
    }

    // The description wraps, and a longer (translated) text needs more lines
    // than the toolkit's minimum size allows for: give the dialog the height
    // its contents need at this width, so that no field is squeezed.
    resize(width(), qMax(height(), layout()->totalHeightForWidth(width())));
}

PropertiesDlg::~PropertiesDlg() = default;

void PropertiesDlg::setTimeout(const QString& text) {
    UIProperties::timeout->setText(text);
}

bool PropertiesDlg::timeout(QString& text) const {
    text = UIProperties::timeout->text();
    bool ok = false;
    text.toULong(&ok, 10);
    return ok;
}

void PropertiesDlg::setMonitoringEnabled(bool enabled) {
    snmpCB->setChecked(enabled);
    snmpGB->setEnabled(enabled);
}

bool PropertiesDlg::isMonitoringEnabled() const {
    return snmpCB->isChecked();
}

void PropertiesDlg::setCommunity(const QString& community) {
    if (community.isNull()) {
        return;
    }
    // One "*" per character (a character outside the basic plane is one too);
    // the field's maximum length cuts a long mask.
    const qsizetype characters = community.toUcs4().size();
    communityLE->setText(QString(characters, QLatin1Char('*')));
    keptCommunity = community;
    // Writing the mask is no edit of the user's: the kept community stays in force.
    communityEdited = false;
}

QString PropertiesDlg::community() const {
    return communityEdited ? communityLE->text() : keptCommunity;
}

void PropertiesDlg::setProxyEnabled(bool enabled) {
    proxyCB->setChecked(enabled);
    proxyGB->setEnabled(enabled);
}

bool PropertiesDlg::isProxyEnabled() const {
    return proxyCB->isChecked();
}

void PropertiesDlg::setProxyName(const QString& name) {
    proxyname->setText(name);
}

QString PropertiesDlg::proxyName() const {
    return normalizeHostAddress(proxyname->text());
}

void PropertiesDlg::setProxyPort(int number) {
    port->setText(QString::number(number));
}

quint16 PropertiesDlg::proxyPort() const {
    bool ok = false;
    const ushort number = port->text().toUShort(&ok, 10);
    return ok ? number : 0;
}

void PropertiesDlg::accept() {
    const QString name = proxyname->text();
    const QString portText = port->text();
    bool ok = false;
    const unsigned long minutes = UIProperties::timeout->text().toULong(&ok, 10);
    if (!ok || minutes < 1 || minutes > 120) {
        showInputError(QT_TRANSLATE_NOOP("QObject", "Invalid time out value."));
        return;
    }
    if (protocol != kHttp || !proxyCB->isChecked()) {
        QDialog::accept();
        return;
    }
    if (!name.isEmpty() && !portText.isEmpty()) {
        QDialog::accept();
        return;
    }
    const bool nameMissing = proxyname->text().isEmpty();
    const bool portMissing = port->text().isEmpty();
    if (nameMissing) {
        showInputError(QT_TRANSLATE_NOOP("QObject", "Enter a proxy server name or IP address."));
    }
    if (portMissing) {
        showInputError(QT_TRANSLATE_NOOP("QObject", "Enter a port number."));
    }
}

void PropertiesDlg::portChangedSocket(const QString& text) {
    correctPortText(port, text, lastPort, /*writeLog=*/false);
}

void PropertiesDlg::communityChanged(const QString&) {
    communityEdited = true;
}
