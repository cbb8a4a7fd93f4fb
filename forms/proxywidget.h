// The add-port wizard's page for the proxy of HTTP printing.
#pragma once

#include "forms/uiproxywidget.h"

class ProxyWidget : public UIProxyWidget {
    Q_OBJECT
public:
    explicit ProxyWidget(QWidget* parent = nullptr, const char* name = nullptr);
    ~ProxyWidget() override;
};
