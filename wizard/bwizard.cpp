#include "wizard/bwizard.h"

#include "toolkit/log.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QStackedWidget>

// Included last: on Windows it brings in the system headers and their macros.
#include "platform/win32.h"

namespace {

// A button of an exclusive set that is not checked takes no Tab focus: the
// checked one of its set stands for the set. Null when none is checked.
QAbstractButton* checkedOfSet(QAbstractButton* button) {
    if (button->isChecked()) {
        return button;
    }
    if (QButtonGroup* group = button->group()) {
        return group->exclusive() ? group->checkedButton() : button;
    }
    if (!button->autoExclusive()) {
        return button;
    }
    const auto siblings = button->parentWidget()->findChildren<QAbstractButton*>(
        QString(), Qt::FindDirectChildrenOnly);
    for (QAbstractButton* sibling : siblings) {
        if (sibling->autoExclusive() && sibling->isChecked()) {
            return sibling;
        }
    }
    return nullptr;
}

// The first widget inside the page that Tab would reach, walking the window's
// tab order from the page; null when the page takes no focus.
QWidget* firstTabStop(QWidget* page) {
    for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
        if (!page->isAncestorOf(w) || (w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus ||
            !w->isEnabled() || !w->isVisibleTo(page) || w->focusProxy()) {
            continue;
        }
        auto* button = qobject_cast<QAbstractButton*>(w);
        if (QWidget* stop = button ? checkedOfSet(button) : w) {
            return stop;
        }
    }
    return nullptr;
}

} // namespace

BWizard::BWizard(QWidget* parent, const char* name, bool modal, Qt::WindowFlags flags)
    : QDialog(parent, flags) {
    if (name) {
        setObjectName(QString::fromLatin1(name));
    }
    setModal(modal);

    stack = new QStackedWidget(this);
    stack->setObjectName(QStringLiteral("pages"));

    backBtn = new QPushButton(this);
    backBtn->setObjectName(QStringLiteral("back"));
    nextBtn = new QPushButton(this);
    nextBtn->setObjectName(QStringLiteral("next"));
    finishBtn = new QPushButton(this);
    finishBtn->setObjectName(QStringLiteral("finish"));
    cancelBtn = new QPushButton(this);
    cancelBtn->setObjectName(QStringLiteral("cancel"));
    helpBtn = new QPushButton(this);
    helpBtn->setObjectName(QStringLiteral("help"));
    helpBtn->setEnabled(false);
    helpBtn->hide();
    // In a dialog a push button becomes the default while it has the focus:
    // Return would go back or cancel once Back or Cancel was clicked or tabbed
    // to. Only updateButtons() chooses the default here.
    for (QPushButton* button : {backBtn, nextBtn, finishBtn, cancelBtn, helpBtn}) {
        button->setAutoDefault(false);
    }

    connect(backBtn, &QPushButton::clicked, this, &BWizard::back);
    connect(nextBtn, &QPushButton::clicked, this, &BWizard::next);
    connect(finishBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    // The pages, a line, and the button row below them.
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(6, 6, 6, 6);
    top->setSpacing(0);
    top->addWidget(stack, 10);
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("line"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedHeight(12);
    top->addWidget(line);
    buttonRow = new QHBoxLayout();
    buttonRow->setObjectName(QStringLiteral("buttonRow"));
    buttonRow->setSpacing(6);
    top->addLayout(buttonRow);

    updateButtons();
}

BWizard::~BWizard() {
    // The pages that are still in the list die with the page stack, after this
    // object's members are gone: they must not report back any more.
    for (const Page& p : pages) {
        disconnect(p.widget, nullptr, this, nullptr);
    }
}

void BWizard::addPage(QWidget* page, const QString& title) {
    insertPage(page, title, -1);
}

void BWizard::insertPage(QWidget* page, const QString& title, int index) {
    if (!page || findPage(page)) {
        return;
    }
    if (index < 0 || index > pages.size()) {
        index = pages.size();
    }
    pages.insert(index, Page{page, title, true, true, false});
    // The first page of the stack is made visible in it at once, which lays it
    // out at the size it has now. While the wizard is hidden that is wasted:
    // showing the wizard lays the page out at its real size. The page's layout
    // is switched off for the insertion.
    QLayout* const pageLayout = isVisible() ? nullptr : page->layout();
    const bool deferLayout = pageLayout && pageLayout->isEnabled();
    if (deferLayout) {
        pageLayout->setEnabled(false);
    }
    stack->addWidget(page);
    if (deferLayout) {
        pageLayout->setEnabled(true);
    }
    connect(page, &QObject::destroyed, this, &BWizard::pageDestroyed);
    if (current) {
        // The current page may have stopped being the last one.
        updateButtons();
    }
}

void BWizard::removePage(QWidget* page) {
    const int i = indexOf(page);
    if (i < 0) {
        return;
    }
    disconnect(page, &QObject::destroyed, this, &BWizard::pageDestroyed);
    pages.removeAt(i);
    stack->removeWidget(page);
    page->hide();
    page->setParent(nullptr);
    if (page == current) {
        current = nullptr;
        if (!pages.isEmpty()) {
            showPage(pages.at(i > 0 ? i - 1 : 0).widget);
            return;
        }
    }
    updateButtons();
}

void BWizard::pageDestroyed(QObject* object) {
    for (int i = 0; i < pages.size(); ++i) {
        if (pages.at(i).widget == object) {
            pages.removeAt(i);
            break;
        }
    }
    if (current == object) {
        current = nullptr;
    }
}

QWidget* BWizard::page(int index) const {
    return index >= 0 && index < pages.size() ? pages.at(index).widget : nullptr;
}

int BWizard::indexOf(QWidget* page) const {
    for (int i = 0; i < pages.size(); ++i) {
        if (pages.at(i).widget == page) {
            return i;
        }
    }
    return -1;
}

int BWizard::pageCount() const {
    return pages.size();
}

QWidget* BWizard::currentPage() const {
    return current;
}

QString BWizard::title(QWidget* page) const {
    const Page* p = findPage(page);
    return p ? p->title : QString();
}

void BWizard::setTitle(QWidget* page, const QString& title) {
    if (Page* p = findPage(page)) {
        p->title = title;
    }
}

BWizard::Page* BWizard::findPage(QWidget* page) {
    for (Page& p : pages) {
        if (p.widget == page) {
            return &p;
        }
    }
    return nullptr;
}

const BWizard::Page* BWizard::findPage(QWidget* page) const {
    for (const Page& p : pages) {
        if (p.widget == page) {
            return &p;
        }
    }
    return nullptr;
}

void BWizard::setBackEnabled(QWidget* page, bool enable) {
    Page* p = findPage(page);
    if (p && p->backEnabled != enable) {
        p->backEnabled = enable;
        if (page == current) {
            updateButtons();
        }
    }
}

void BWizard::setNextEnabled(QWidget* page, bool enable) {
    Page* p = findPage(page);
    if (p && p->nextEnabled != enable) {
        p->nextEnabled = enable;
        if (page == current) {
            updateButtons();
        }
    }
}

void BWizard::setFinishEnabled(QWidget* page, bool enable) {
    Page* p = findPage(page);
    if (p && p->finishEnabled != enable) {
        p->finishEnabled = enable;
        if (page == current) {
            updateButtons();
        }
    }
}

void BWizard::showPage(QWidget* page) {
    const bool shown = findPage(page) != nullptr;
    if (shown) {
        stack->setCurrentWidget(page);
        current = page;
    }
    updateButtons();
    // Wrapped texts need more lines the narrower they are, which the minimum
    // size the toolkit gives the window leaves out: take the height the pages
    // need at this width, so that a longer translation or a wider font cuts
    // no text. The pages in the list and the summary change as the user goes.
    if (layout()->hasHeightForWidth()) {
        const int needed = layout()->totalHeightForWidth(width());
        if (needed > height()) {
            resize(width(), needed);
        }
    }
    if (shown) {
        focusPage(page);
    }
}

void BWizard::focusPage(QWidget* page) {
    QWidget* target = firstTabStop(page);
    if (!target) {
        QPushButton* const defaultButton = nextBtn->isDefault() ? nextBtn : finishBtn;
        if (defaultButton->isDefault() && defaultButton->isEnabled()) {
            target = defaultButton;
        }
    }
    if (target) {
        // Also while the wizard is hidden: the window then gives the focus to
        // this widget when it is activated.
        target->setFocus(Qt::OtherFocusReason);
    }
}

void BWizard::next() {
    const int i = indexOf(current);
    if (i >= 0 && i + 1 < pages.size()) {
        showPage(pages.at(i + 1).widget);
    }
}

void BWizard::back() {
    const int i = indexOf(current);
    if (i > 0) {
        showPage(pages.at(i - 1).widget);
    }
}

void BWizard::setVisible(bool visible) {
    if (visible && !isVisible()) {
        // Showing the wizard shows its current page again (the first one the
        // first time), which brings the buttons up to date.
        showPage(current ? current : page(0));
    }
    QDialog::setVisible(visible);
}

void BWizard::updateButtons() {
    const int i = indexOf(current);
    if (i >= 0) {
        const Page& p = pages.at(i);
        backBtn->setEnabled(p.backEnabled && i > 0);
        nextBtn->setEnabled(p.nextEnabled && i + 1 < pages.size());
        finishBtn->setEnabled(p.finishEnabled);
    } else {
        backBtn->setEnabled(false);
        nextBtn->setEnabled(false);
        finishBtn->setEnabled(false);
    }
    // Finish is the way on when Next is not; otherwise Next is the default,
    // and a disabled default makes Return do nothing. A dialog has one default
    // button: making one the default takes it from the other.
    const bool finishIsDefault = finishBtn->isEnabled() && !nextBtn->isEnabled();
    (finishIsDefault ? finishBtn : nextBtn)->setDefault(true);
    rebuildButtonRow();
}

void BWizard::rebuildButtonRow() {
    // Deleting the previous inner layout deletes its items, not the buttons.
    while (QLayoutItem* item = buttonRow->takeAt(0)) {
        delete item;
    }
    layOutButtonRow(buttonRow);
    // Place the buttons now rather than on the next pass of the event loop.
    layout()->activate();
}

void BWizard::layOutButtonRow(QHBoxLayout* row) {
    helpBtn->setText(QObject::tr("Help"));
    nextBtn->setText(QObject::tr("Next") + QLatin1String(" >"));
    backBtn->setText(QLatin1String("< ") + QObject::tr("Back"));
    // A screen reader says the words, not the arrow marks.
    nextBtn->setAccessibleName(QObject::tr("Next"));
    backBtn->setAccessibleName(QObject::tr("Back"));
    cancelBtn->setText(QObject::tr("Cancel"));
    finishBtn->setText(QObject::tr("Finish"));

    helpBtn->setEnabled(false);

    const bool finishEnabled = finishBtn->isEnabledTo(this);
    // Some page before the last position exists while Finish is enabled.
    bool earlyFinish = false;
    for (int i = pageCount() - 2; i >= 0 && !earlyFinish; --i) {
        earlyFinish = page(i) != nullptr && finishEnabled;
    }

    auto* h = new QHBoxLayout();
    row->addLayout(h);
    h->addStretch(42);
    h->addWidget(backBtn);
    h->addSpacing(6);

    if (earlyFinish) {
        nextBtn->show();
        finishBtn->show();
        h->addWidget(nextBtn);
        h->addSpacing(12);
        h->addWidget(finishBtn);
    } else if (pageCount() > 0 && !finishEnabled && current != page(pageCount() - 1)) {
        nextBtn->show();
        finishBtn->hide();
        h->addWidget(nextBtn);
    } else {
        nextBtn->hide();
        finishBtn->show();
        h->addWidget(finishBtn);
    }

    helpBtn->hide();
    h->addWidget(cancelBtn);
}

void BWizard::layOutTitleRow(QHBoxLayout*, const QString&) {}

void BWizard::showEvent(QShowEvent* event) {
#ifdef _WIN32
    SetFocus(reinterpret_cast<HWND>(winId()));
#else
    activateWindow();
    raise();
#endif
    logMessage("showEvent");
    QDialog::showEvent(event);
}

void BWizard::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = !event->modifiers() ||
                       (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
    if (enter && plain) {
        // The buttons are no auto-defaults, so a focused one that is not the
        // default passes Return on to here.
        auto* button = qobject_cast<QPushButton*>(focusWidget());
        if (button && isAncestorOf(button) && button->isVisible() && button->isEnabled()) {
            button->click();
            return;
        }
    }
    // Return presses the default button if it is shown and enabled; Escape
    // rejects.
    QDialog::keyPressEvent(event);
}
