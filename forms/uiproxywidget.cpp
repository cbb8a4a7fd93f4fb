#include "forms/uiproxywidget.h"

UIProxyWidget::UIProxyWidget(QWidget* parent, const char* name, Qt::WindowFlags flags)
    : QWidget(parent, flags) {
    if (name != nullptr) {
        setObjectName(QString::fromUtf8(name));
    }
    setupUi(this);
    // The grid of the group sits at the top of the group's column layout; the
    // generated code cannot align a layout nested in a box layout.
    proxyGBColumnLayout->setAlignment(proxyGBLayout, Qt::AlignTop);
}

UIProxyWidget::~UIProxyWidget() = default;
