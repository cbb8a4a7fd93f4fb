// The generated layout of the port properties dialog: a framed description, the
// general group with the time out, the per-port group with the SNMP and proxy
// parts, and the OK/Cancel row. Its texts are placeholders that the dialog
// built on it replaces.
#pragma once

#include "ui_uiproperties.h"

#include <QDialog>

class UIProperties : public QDialog, public Ui::UIProperties {
    Q_OBJECT
public:
    // Without a name the form is named "UIProperties".
    explicit UIProperties(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                          Qt::WindowFlags flags = {});
    ~UIProperties() override;
};
