#include "forms/uiproperties.h"

#include "ui_uiproperties.h"

UIProperties::UIProperties(QWidget* parent, const char* name, bool modal, Qt::WindowFlags flags)
    : QDialog(parent, flags) {
    if (name != nullptr) {
        setObjectName(QString::fromUtf8(name));
    }
    setModal(modal);
    // Names the form "UIProperties" when it has no name yet.
    setupUi(this);

    // Each group box stacks its inner layout at the top of its vertical layout.
    // The designer file cannot align a nested layout, so it is done here.
    const struct {
        QVBoxLayout* box;
        QLayout* inner;
    } groups[] = {{generalGBBox, generalGBLayout},
                  {portGBBox, portGBLayout},
                  {proxyGBBox, proxyGBLayout},
                  {snmpGBBox, snmpGBLayout}};
    for (const auto& group : groups) {
        group.box->setAlignment(group.inner, Qt::AlignTop);
        // Only the form's own grid and its two nested layouts carry names.
        group.box->setObjectName(QString());
        group.inner->setObjectName(QString());
    }
}

UIProperties::~UIProperties() = default;
