// The configure-port dialog: shows a port's time out, SNMP monitoring with a
// masked community and, for HTTP ports, the proxy; checks the entries on OK.
// The configure flow fills it through the setters before running it and reads
// it through the accessors after it was accepted.
#pragma once

#include "forms/uiproperties.h"

#include <QString>

class PropertiesDlg : public UIProperties {
    Q_OBJECT
public:
    // `protocol` 2 is HTTP printing; every other value hides the proxy part.
    explicit PropertiesDlg(int protocol, QWidget* parent = nullptr, const char* name = nullptr,
                           bool modal = false, Qt::WindowFlags flags = {});
    ~PropertiesDlg() override;

    void setTimeout(const QString& text);
    // Hands back the time out text unchanged; true when it is an unsigned decimal number.
    // (It hides the form's field of the same name, reached as UIProperties::timeout.)
    bool timeout(QString& text) const;

    void setMonitoringEnabled(bool enabled);
    bool isMonitoringEnabled() const;

    // Shows one "*" per character and keeps the community; a null text changes nothing.
    void setCommunity(const QString& community);
    // The kept community, or the field's text once the user has edited the field.
    QString community() const;

    void setProxyEnabled(bool enabled);
    bool isProxyEnabled() const;

    void setProxyName(const QString& name);
    // The proxy name field with a dotted address normalised.
    QString proxyName() const;

    // Goes through the port field's correction like a typed text.
    void setProxyPort(int port);
    // 0 when the field is empty, not a number or above 65535.
    quint16 proxyPort() const;

protected slots:
    void accept() override;
    void portChangedSocket(const QString& text);
    void communityChanged(const QString& text);

private:
    int protocol;
    QString keptCommunity;
    // Set by every text change of the community field after setCommunity() wrote its mask.
    bool communityEdited = false;
};
