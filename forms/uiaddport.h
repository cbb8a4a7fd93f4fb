// The generated layout of the socket port page: the description above the port
// group, whose grid centres the host row above the port row.
//
// The widgets and layouts come from uiaddport.ui; they are members named after their
// object names. The form's texts are placeholders that the page replaces, or initial
// values and item names that must stay as they are, so none is translated.
#pragma once

#include <QWidget>

#include "ui_uiaddport.h"

class UIAddPort : public QWidget, public Ui::UIAddPort {
    Q_OBJECT
public:
    // Without a name the form is named "UIAddPort".
    explicit UIAddPort(QWidget* parent = nullptr, const char* name = nullptr,
                       Qt::WindowFlags flags = {});
    ~UIAddPort() override;
};
