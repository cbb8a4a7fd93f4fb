// Checks that a shown window gives every text the room it needs.
#pragma once

#include <QSize>
#include <QStringList>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

// What does not fit in the shown `window`, one line each:
// - a label, check box, radio button, push button or group box title narrower
//   or lower than its text needs, and a field lower than it needs;
// - a text with characters that no installed font can draw;
// - a wrapped (or rich) text taller than its room; of a text that begins or
//   ends with a line break, only those empty lines may be cut;
// - a widget that reaches out of the widget holding it;
// - the window, or a widget with a layout, smaller than that layout's minimum;
// - when `screen` is valid, a window that with its frame does not fit a
//   screen of that size.
QStringList layoutProblems(QWidget* window, const QSize& screen = QSize());
