// The generated layout of the SNMP page: the description, the centred monitoring
// check box and the SNMP group, which the check box enables and disables.
//
// The widgets and layouts come from uisnmpwidget.ui; they are members named after their
// object names, and the form's texts are translated in the context "UISnmpWidget".
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
