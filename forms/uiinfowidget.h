// The generated layout of the summary page: a 40 x 40 symbol at the left of the
// message, which takes the rest of the page.
//
// The widgets and layouts come from uiinfowidget.ui; they are members named after their
// object names. The form's texts are placeholders that the page replaces, or initial
// values and item names that must stay as they are, so none is translated.
#pragma once

#include <QWidget>

#include "ui_uiinfowidget.h"

class UIInfoWidget : public QWidget, public Ui::UIInfoWidget {
    Q_OBJECT
public:
    // Without a name the form is named "UIInfoWidget".
    explicit UIInfoWidget(QWidget* parent = nullptr, const char* name = nullptr,
                          Qt::WindowFlags flags = {});
    ~UIInfoWidget() override;
};
