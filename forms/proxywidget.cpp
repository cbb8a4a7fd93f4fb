#include "forms/proxywidget.h"

#include "forms/intvalidator.h"

ProxyWidget::ProxyWidget(QWidget* parent, const char* name) : UIProxyWidget(parent, name) {
    description->setText(QStringLiteral("\n") +
                         QObject::tr("Configure your proxy server, if required.") +
                         QStringLiteral("\n"));
    proxyCB->setText(QObject::tr("Use proxy"));
    proxyGB->setTitle(QObject::tr("Proxy Configuration"));
    proxyLabel->setText(QObject::tr("Proxy name or IP address"));
    portLabel->setText(QObject::tr("Port number"));
    // "Use proxy" starts off; the form's connection enables the group with it.
    proxyGB->setEnabled(false);
    port->setValidator(new IntValidator(1, 65535, this));
    proxyCB->setWhatsThis(QObject::tr("Enables the use of a proxy server"));
    proxyname->setWhatsThis(QObject::tr("The name or IP address of the proxy server"));
    port->setWhatsThis(QObject::tr("The port number of the proxy server"));
    // A screen reader reads the help text as the field's description; the
    // label bound to each field gives its name.
    for (QWidget* field : QWidgetList{proxyCB, proxyname, port}) {
        field->setAccessibleDescription(field->whatsThis());
    }
}

ProxyWidget::~ProxyWidget() = default;
