// What the wizard pages share about their size.
#pragma once

#include <QWidget>

// Makes the minimum size that the page's form sets a floor only: a longer
// translation needs the room the page's layout asks for, which a set minimum
// would otherwise override. Called once the page's texts are in place.
inline void keepRoomForTexts(QWidget* page) {
    page->setMinimumSize(page->minimumSize().expandedTo(page->minimumSizeHint()));
}
