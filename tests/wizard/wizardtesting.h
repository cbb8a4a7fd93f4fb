// Helpers shared by the wizard tests: what the button row holds and shows.
#pragma once

#include "wizard/bwizard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBoxLayout>
#include <QPushButton>
#include <QSpacerItem>
#include <QStringList>
#include <QTest>
#include <QWindow>

#include <algorithm>

// The inner layout of the button row, written as e.g.
// "stretch42 back space6 next space12 finish cancel".
inline QString describeRow(BWizard& wizard) {
    auto* row = wizard.findChild<QHBoxLayout*>(QStringLiteral("buttonRow"));
    if (!row || row->count() != 1 || !qobject_cast<QHBoxLayout*>(row->itemAt(0)->layout())) {
        return QStringLiteral("<no single inner row>");
    }
    auto* inner = static_cast<QHBoxLayout*>(row->itemAt(0)->layout());
    QStringList parts;
    for (int i = 0; i < inner->count(); ++i) {
        QLayoutItem* item = inner->itemAt(i);
        if (QWidget* w = item->widget()) {
            parts << w->objectName();
        } else if (QSpacerItem* s = item->spacerItem()) {
            if (s->sizePolicy().horizontalPolicy() & QSizePolicy::ExpandFlag) {
                parts << QStringLiteral("stretch%1").arg(inner->stretch(i));
            } else {
                parts << QStringLiteral("space%1").arg(s->sizeHint().width());
            }
        } else {
            parts << QStringLiteral("?");
        }
    }
    return parts.join(QLatin1Char(' '));
}

// The visible buttons from left to right, each followed by "+" when enabled
// and "-" when disabled.
inline QString shownButtons(BWizard& wizard) {
    QList<QPushButton*> buttons = {wizard.helpButton(), wizard.backButton(), wizard.nextButton(),
                                   wizard.finishButton(), wizard.cancelButton()};
    buttons.erase(std::remove_if(buttons.begin(), buttons.end(),
                                 [](QPushButton* b) { return !b->isVisible(); }),
                  buttons.end());
    std::sort(buttons.begin(), buttons.end(),
              [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
    QStringList parts;
    for (QPushButton* b : buttons) {
        parts << b->objectName() + (b->isEnabled() ? QLatin1Char('+') : QLatin1Char('-'));
    }
    return parts.join(QLatin1Char(' '));
}

// Clicks a check box or radio button on its indicator.
inline void clickIndicator(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, Qt::KeyboardModifiers(),
                      QPoint(qMin(8, button->width() / 2), button->height() / 2));
}

// Presses a key as the keyboard does: the window hands it to its focus widget.
inline void pressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(window.windowHandle(), key, modifiers);
}

// Types the text key by key into whatever has the keyboard focus in the window.
inline void typeKeys(QWidget& window, const QString& text) {
    for (const QChar c : text) {
        QTest::keyClick(window.windowHandle(), c.toLatin1());
    }
}

// The object name of the widget with the keyboard focus.
inline QString focusName() {
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QStringLiteral("<none>");
}
