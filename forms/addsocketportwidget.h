// The add-port wizard's page for a standard TCP/IP (socket) port: print server
// address and TCP port.
#pragma once

#include "forms/uiaddport.h"

class AddSocketPortWidget : public UIAddPort {
    Q_OBJECT
public:
    explicit AddSocketPortWidget(QWidget* parent = nullptr, const char* name = nullptr,
                                 Qt::WindowFlags flags = {});
    ~AddSocketPortWidget() override;
};
