// The generated layout of the printing method page: the description across the top
// and, centred below it, a frameless group with the two radio buttons stacked.
//
// The widgets and layouts come from uiselectwidget.ui; they are members named after their
// object names. The form's texts are placeholders that the page replaces, or initial
// values and item names that must stay as they are, so none is translated.
#pragma once

#include <QWidget>

#include "ui_uiselectwidget.h"

class UISelectWidget : public QWidget, public Ui::UISelectWidget {
    Q_OBJECT
public:
    // Without a name the form is named "UISelectWidget".
    explicit UISelectWidget(QWidget* parent = nullptr, const char* name = nullptr,
                            Qt::WindowFlags flags = {});
    ~UISelectWidget() override;
};
