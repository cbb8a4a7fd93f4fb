// The first page of the add-port wizard: the choice of the printing method.
#pragma once

#include "forms/uiselectwidget.h"

class SelectWidget : public UISelectWidget {
    Q_OBJECT
public:
    explicit SelectWidget(QWidget* parent = nullptr, const char* name = nullptr,
                          Qt::WindowFlags flags = {});
    ~SelectWidget() override;

    // 1 for standard TCP/IP (socket) printing, 2 for HTTP printing.
    int protocol() const;
};
