#include "forms/selectwidget.h"

#include "forms/pagelayout.h"

SelectWidget::SelectWidget(QWidget* parent, const char* name, Qt::WindowFlags flags)
    : UISelectWidget(parent, name, flags) {
    const QString explanation =
        QObject::tr("Select a printing method. Standard TCP/IP printing is recommended.\n\n"
                    "To print via a proxy server or use additional print data encryption (TLS), "
                    "please choose HTTP printing. Only print servers with firmware 9.4.0 or later "
                    "support this service.");
    description->setText(QStringLiteral("\n") + explanation + QStringLiteral("\n"));
    socketRB->setText(QObject::tr("Standard TCP/IP printing"));
    secureRB->setText(QObject::tr("HTTP printing (encrypted / unencrypted)"));
    keepRoomForTexts(this);
    socketRB->setChecked(true);
    // A screen reader gives the choice with the explanation of the page.
    socketRB->setAccessibleDescription(explanation);
    secureRB->setAccessibleDescription(explanation);
}

SelectWidget::~SelectWidget() = default;

int SelectWidget::protocol() const {
    if (socketRB->isChecked()) {
        return 1;
    }
    if (secureRB->isChecked()) {
        return 2;
    }
    // Not reached through the page: the exclusive group always keeps one button on.
    return 0;
}
