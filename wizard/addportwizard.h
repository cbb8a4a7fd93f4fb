// The add-port wizard: the user picks standard TCP/IP (socket) or HTTP
// printing, enters the print server's address with a TCP port or a logical
// printer, a proxy for HTTP, SNMP monitoring with its community, and confirms a
// summary. The caller reads the results through the accessors after exec()
// returned accepted.
#pragma once

#include "wizard/bwizard.h"

#include <QString>

class AddHTTPPortWidget;
class AddSocketPortWidget;
class InfoWidget;
class ProxyWidget;
class SelectWidget;
class SnmpWidget;

class AddPortWizard : public BWizard {
    Q_OBJECT
public:
    explicit AddPortWizard(QWidget* parent = nullptr, const char* name = nullptr);
    ~AddPortWizard() override;

    // 1 standard TCP/IP, 2 HTTP.
    int protocol() const;
    // The host of the chosen method, a dotted address in plain decimals.
    QString hostAddress() const;
    // The socket page's port; 0 when it holds no number from 0 to 65535.
    quint16 tcpPort() const;
    QString portName() const;
    bool isSecure() const;
    QString logicalPrinter() const;
    bool isProxyEnabled() const;
    QString proxyName() const;
    // The proxy port as typed.
    QString proxyPort() const;
    bool isMonitoringEnabled() const;
    // The community; the default one when the field is empty.
    QString community() const;

    // Writes the summary of the entries into the info page and makes the info
    // page the finishing page.
    void buildSummary();

protected slots:
    // On the selection page, puts the pages of the chosen method after it.
    void next() override;
    void showPage(QWidget* page) override;
    void hostnameChangedSocket(const QString& text);
    void portChangedSocket(const QString& text);
    void hostnameChangedHTTP(const QString& text);
    void proxyCBToggled(bool on);
    void proxyNameOrPortChanged(const QString& text);

private:
    // The pages of the two methods, built when first asked for: the wizard
    // opens on the selection page, and these join the list only once a method
    // was chosen. An accessor asked before that answers from a fresh page.
    AddSocketPortWidget* socket() const;
    AddHTTPPortWidget* http() const;
    ProxyWidget* proxy() const;
    SnmpWidget* snmp() const;

    SelectWidget* selectPage;
    InfoWidget* infoPage;
    mutable AddSocketPortWidget* socketPage = nullptr;
    mutable AddHTTPPortWidget* httpPage = nullptr;
    mutable ProxyWidget* proxyPage = nullptr;
    mutable SnmpWidget* snmpPage = nullptr;
};
