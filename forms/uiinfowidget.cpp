#include "forms/uiinfowidget.h"

UIInfoWidget::UIInfoWidget(QWidget* parent, const char* name, Qt::WindowFlags flags)
    : QWidget(parent, flags) {
    if (name != nullptr) {
        setObjectName(QString::fromUtf8(name));
    }
    setupUi(this);
}

UIInfoWidget::~UIInfoWidget() = default;
