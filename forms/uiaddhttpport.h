// The generated layout of the HTTP port page: the description above the port
// group with the host, logical printer and encryption rows.
//
// The widgets and layouts come from uiaddhttpport.ui; they are members named after their
// object names. The form's texts are placeholders that the page replaces, or initial
// values and item names that must stay as they are, so none is translated.
#pragma once

#include <QWidget>

#include "ui_uiaddhttpport.h"

class UIAddHTTPPort : public QWidget, public Ui::UIAddHTTPPort {
    Q_OBJECT
public:
    // Without a name the form is named "UIAddHTTPPort".
    explicit UIAddHTTPPort(QWidget* parent = nullptr, const char* name = nullptr,
                           Qt::WindowFlags flags = {});
    ~UIAddHTTPPort() override;
};
