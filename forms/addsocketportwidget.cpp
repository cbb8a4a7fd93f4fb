#include "forms/addsocketportwidget.h"

#include "forms/intvalidator.h"
#include "forms/pagelayout.h"

AddSocketPortWidget::AddSocketPortWidget(QWidget* parent, const char* name, Qt::WindowFlags flags)
    : UIAddPort(parent, name, flags) {
    portGB->setTitle(QObject::tr("Port Configuration"));
    description->setText(QStringLiteral("\n") +
                         QObject::tr("Enter the IP address or the host name of the print server "
                                     "and the TCP/IP port.") +
                         QStringLiteral("\n"));
    ipLabel->setText(QObject::tr("IP address or host name"));
    portLabel->setText(QObject::tr("TCP/IP port"));
    keepRoomForTexts(this);
    // The form has put the default port 9100 into the field already.
    port->setValidator(new IntValidator(1, 65535, this));
    hostname->setWhatsThis(
        QObject::tr("Enter the IP address or the host name of the print server."));
    port->setWhatsThis(QObject::tr(
        "During the transfer of files between two computers, addressing with the IP address "
        "alone generally does not suffice. In addition to the IP address, the port number "
        "(TCP/IP port) is used.\n"
        "Available ports and their preset functions:\n"
        "Port 9100 = default port\n"
        "Port 9101 = changes LF to CR+LF\n"
        "Port 9102 = converts ASCII into PostScript\n"
        "Port 9103 = prints a banner page in Novell networks or when the LPD protocol is used\n"
        "Port 9104 = prints all data in hex dump mode\n"
        "Port 9105 = no function preset\n"
        "Port 9106 = no function preset\n"
        "Port 2900 = supports the RSO Spooler (BS2000)\n"
        "If no number has been entered, all print data is automatically routed to the printer "
        "via TCP/IP port 9100."));
    // A screen reader reads the help text as the field's description; the
    // label bound to each field gives its name.
    for (QWidget* field : QWidgetList{hostname, port}) {
        field->setAccessibleDescription(field->whatsThis());
    }
}

AddSocketPortWidget::~AddSocketPortWidget() = default;
