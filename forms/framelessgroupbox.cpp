#include "forms/framelessgroupbox.h"

#include <QEvent>

FramelessGroupBox::FramelessGroupBox(QWidget* parent) : QGroupBox(parent) {
    setContentsMargins(0, 0, 0, 0);
}

FramelessGroupBox::~FramelessGroupBox() = default;

bool FramelessGroupBox::event(QEvent* event) {
    const bool handled = QGroupBox::event(event);
    // QGroupBox sets its margins from the style's frame and title again when
    // its title, font or checkability changes; take them back to none.
    if (event->type() == QEvent::ContentsRectChange && !contentsMargins().isNull()) {
        setContentsMargins(0, 0, 0, 0);
    }
    return handled;
}

void FramelessGroupBox::paintEvent(QPaintEvent* event) {
    // Frame, line and title are all there is to draw; the parent paints the
    // background and the buttons paint themselves.
    Q_UNUSED(event);
}
