#include "forms/addhttpportwidget.h"

#include "forms/pagelayout.h"

AddHTTPPortWidget::AddHTTPPortWidget(QWidget* parent, const char* name, Qt::WindowFlags flags)
    : UIAddHTTPPort(parent, name, flags) {
    description->setText(QStringLiteral("\n") +
                         QObject::tr("Enter the IP address or the host name of the print server.") +
                         QStringLiteral("\n"));
    portGB->setTitle(QObject::tr("Port Configuration"));
    ipLabel->setText(QObject::tr("IP address or host name"));
    lpLabel->setText(QObject::tr("Logical printer"));
    // The check box has no text of its own; this label beside it names it.
    secureLabel->setText(QObject::tr("Encrypted printing"));
    keepRoomForTexts(this);
    hostname->setWhatsThis(
        QObject::tr("Enter the IP address or the host name of the print server."));
    secureCB->setWhatsThis(QObject::tr("Enables encrypted printing via HTTP"));
    lpComboBox->setWhatsThis(QObject::tr(
        "Select the logical printer of the print server.\n"
        "Available logical printers and their preset functions:\n"
        "lp1 = default port\n"
        "lp2 = changes LF to CR+LF\n"
        "lp3 = converts ASCII into PostScript\n"
        "lp4 = prints a banner page in Novell networks or when the LPD protocol is used\n"
        "lp5 = prints all data in hex dump mode\n"
        "lp6 = no function preset\n"
        "lp7 = no function preset\n"
        "lp8 = supports the RSO Spooler (BS2000)\n"));
    // A screen reader reads the help text as the field's description. The
    // labels bound to the fields give their names; a check box is named by its
    // own text only, and this one has none.
    secureCB->setAccessibleName(QObject::tr("Encrypted printing"));
    for (QWidget* field : QWidgetList{hostname, lpComboBox, secureCB}) {
        field->setAccessibleDescription(field->whatsThis());
    }
}

AddHTTPPortWidget::~AddHTTPPortWidget() = default;

bool AddHTTPPortWidget::isSecure() const {
    return secureCB->isChecked();
}
