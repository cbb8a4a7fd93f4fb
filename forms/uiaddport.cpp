#include "forms/uiaddport.h"

UIAddPort::UIAddPort(QWidget* parent, const char* name, Qt::WindowFlags flags)
    : QWidget(parent, flags) {
    if (name != nullptr) {
        setObjectName(QString::fromUtf8(name));
    }
    setupUi(this);
    // The grid of the group sits at the top of the group's column layout; the
    // generated code cannot align a layout nested in a box layout.
    portGBColumnLayout->setAlignment(portGBLayout, Qt::AlignTop);
    // The host field comes before the port field, which is created first. The
    // generated setTabOrder(hostname, port) does nothing here: Qt takes the
    // order as already right because port follows hostname round the loop of
    // this form's two focusable widgets, yet port comes first as soon as the
    // form sits in a larger window. So hostname is moved right behind the
    // description, which accepts focus just for that move.
    description->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(description, hostname);
    description->setFocusPolicy(Qt::NoFocus);
}

UIAddPort::~UIAddPort() = default;
