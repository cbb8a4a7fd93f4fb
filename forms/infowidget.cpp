#include "forms/infowidget.h"

#include <QBitmap>
#include <QImage>
#include <QPixmap>

#include "forms/symbols.h"

namespace {

// The symbol with the white ground around the drawing made transparent; white
// enclosed by the drawing stays.
QImage maskedSymbol(const char* const* xpm) {
    QPixmap symbol(xpm);
    symbol.setMask(symbol.createHeuristicMask(true));
    return symbol.toImage();
}

// Reading the drawing and finding its ground cost more than the rest of the
// page, and the result never changes: each symbol is made once in the process
// and kept as an image (a pixmap must not outlive the toolkit application).
QPixmap symbolPixmap(int type) {
    switch (type) {
    case 1: {
        static const QImage info = maskedSymbol(info_xpm);
        return QPixmap::fromImage(info);
    }
    case 2: {
        static const QImage warning = maskedSymbol(warning_xpm);
        return QPixmap::fromImage(warning);
    }
    case 3: {
        static const QImage error = maskedSymbol(error_xpm);
        return QPixmap::fromImage(error);
    }
    default:
        return QPixmap();
    }
}

} // namespace

InfoWidget::InfoWidget(int symbolType, QWidget* parent, const char* name)
    : UIInfoWidget(parent, name) {
    setSymbol(symbolType);
}

InfoWidget::~InfoWidget() = default;

void InfoWidget::setSymbol(int type) {
    const QPixmap symbol = symbolPixmap(type);
    if (symbol.isNull()) {
        return;
    }
    // The label is 40 x 40 and scales its contents, so the 45 x 45 image shrinks to fit.
    pixmap->setPixmap(symbol);
}
