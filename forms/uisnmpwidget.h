// The generated layout of the SNMP page: the description, the centred monitoring
// check box and the SNMP group, which the check box enables and disables.
//
// The widgets and layouts come from uisnmpwidget.ui; they are members named after their
// object names. The form's texts are placeholders that the page replaces, or initial
// values and item names that must stay as they are, so none is translated.
#pragma once

#include <QWidget>

#include "ui_uisnmpwidget.h"

class UISnmpWidget : public QWidget, public Ui::UISnmpWidget {
    Q_OBJECT
public:
    // Without a name the form is named "UISnmpWidget".
    explicit UISnmpWidget(QWidget* parent = nullptr, const char* name = nullptr,
                          Qt::WindowFlags flags = {});
    ~UISnmpWidget() override;
};
