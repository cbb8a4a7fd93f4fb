// The add-port wizard's page for SNMP status monitoring and its community.
#pragma once

#include "forms/uisnmpwidget.h"

class SnmpWidget : public UISnmpWidget {
    Q_OBJECT
public:
    explicit SnmpWidget(QWidget* parent = nullptr, const char* name = nullptr);
    ~SnmpWidget() override;
};
