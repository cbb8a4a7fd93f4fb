// The generated layout of the proxy page: the description, the centred "use proxy"
// check box and the proxy group, which the check box enables and disables.
//
// The widgets and layouts come from uiproxywidget.ui; they are members named after their
// object names. The form's texts are placeholders that the page replaces, or initial
// values and item names that must stay as they are, so none is translated.
#pragma once

#include <QWidget>

#include "ui_uiproxywidget.h"

class UIProxyWidget : public QWidget, public Ui::UIProxyWidget {
    Q_OBJECT
public:
    // Without a name the form is named "UIProxyWidget".
    explicit UIProxyWidget(QWidget* parent = nullptr, const char* name = nullptr,
                           Qt::WindowFlags flags = {});
    ~UIProxyWidget() override;
};
