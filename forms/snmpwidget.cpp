#include "forms/snmpwidget.h"

SnmpWidget::SnmpWidget(QWidget* parent, const char* name) : UISnmpWidget(parent, name) {
    description->setText(
        QStringLiteral("\n") +
        QObject::tr("SNMP monitoring of the ports that are configured on the Print Monitor allows "
                    "the display of printer status messages. The community name usually is "
                    "tulvex. If the print server is password-protected, the password must be "
                    "used as community name.") +
        QStringLiteral("\n"));
    snmpCB->setText(QObject::tr("SNMP monitoring"));
    snmpGB->setTitle(QObject::tr("SNMP Settings"));
    communityLabel->setText(QObject::tr("Community"));
    // Monitoring starts on (set by the form), so its group starts enabled.
    snmpGB->setEnabled(true);
    snmpCB->setWhatsThis(QObject::tr("SNMP monitoring of the ports that are configured on the "
                                     "Print Monitor allows the display of printer status "
                                     "messages."));
    communityLE->setWhatsThis(
        QObject::tr("The community name usually is tulvex. If the print server is "
                    "password-protected, the password must be used as community name."));
    // A screen reader reads the help text as the field's description; the
    // label bound to the community field gives its name.
    snmpCB->setAccessibleDescription(snmpCB->whatsThis());
    communityLE->setAccessibleDescription(communityLE->whatsThis());
}

SnmpWidget::~SnmpWidget() = default;
