#include "forms/uiaddhttpport.h"

UIAddHTTPPort::UIAddHTTPPort(QWidget* parent, const char* name, Qt::WindowFlags flags)
    : QWidget(parent, flags) {
    if (name != nullptr) {
        setObjectName(QString::fromUtf8(name));
    }
    setupUi(this);
    // The grid of the group sits at the top of the group's column layout; the
    // generated code cannot align a layout nested in a box layout.
    portGBColumnLayout->setAlignment(portGBLayout, Qt::AlignTop);
}

UIAddHTTPPort::~UIAddHTTPPort() = default;
