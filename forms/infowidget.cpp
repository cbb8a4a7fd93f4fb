#include "forms/infowidget.h"

#include <QBitmap>
#include <QPixmap>

#include "forms/symbols.h"

InfoWidget::InfoWidget(int symbolType, QWidget* parent, const char* name)
    : UIInfoWidget(parent, name) {
    setSymbol(symbolType);
}

InfoWidget::~InfoWidget() = default;

void InfoWidget::setSymbol(int type) {
    const char* const* image = nullptr;
    switch (type) {
    case 1:
        image = info_xpm;
        break;
    case 2:
        image = warning_xpm;
        break;
    case 3:
        image = error_xpm;
        break;
    default:
        return;
    }
    QPixmap symbol(image);
    // The white ground around the drawing becomes transparent; white enclosed by
    // the drawing stays.
    symbol.setMask(symbol.createHeuristicMask(true));
    // The label is 40 x 40 and scales its contents, so the 45 x 45 image shrinks to fit.
    pixmap->setPixmap(symbol);
}
