// The add-port wizard's summary page: a symbol beside the message that the
// wizard fills with the summary.
#pragma once

#include "forms/uiinfowidget.h"

class InfoWidget : public UIInfoWidget {
    Q_OBJECT
public:
    // symbolType as for setSymbol().
    explicit InfoWidget(int symbolType, QWidget* parent = nullptr, const char* name = nullptr);
    ~InfoWidget() override;

    // Shows the symbol of the given type beside the message: 1 information,
    // 2 warning, 3 error. Any other type leaves the symbol as it is.
    void setSymbol(int type);
};
