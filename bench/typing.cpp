#include "bench/typing.h"

#include "host/driver.h"
#include "platform/win32_testing.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace bench {

namespace {

// Alternates between an empty field and a one-digit field, so that every
// keystroke changes the field's emptiness.
Qt::Key flippingKey(QLineEdit* field) {
    return field->text().isEmpty() ? Qt::Key_9 : Qt::Key_Backspace;
}

// Alternates between "9" and "91": the field is never empty.
Qt::Key steadyKey(QLineEdit* field) {
    return field->text().size() == 1 ? Qt::Key_1 : Qt::Key_Backspace;
}

double timedKey(QLineEdit* field, Qt::Key key, bool repaint) {
    const Clock::time_point start = Clock::now();
    QTest::keyClick(field, key);
    if (repaint) {
        QCoreApplication::processEvents();
    }
    return microsecondsBetween(start, Clock::now());
}

// Puts the field in the starting state by typing, then times the keystrokes.
void typeInto(QLineEdit* field, QPushButton* next, int count, Keystrokes& k) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_9);
    QCoreApplication::processEvents();
    for (int i = 0; i < count; ++i) {
        k.flipping.push_back(timedKey(field, flippingKey(field), false));
        if (next && next->isEnabled() == field->text().isEmpty()) {
            ++k.wrongNext;
        }
    }
    QCoreApplication::processEvents();
    for (int i = 0; i < count; ++i) {
        k.painted.push_back(timedKey(field, flippingKey(field), true));
    }
    if (field->text().isEmpty()) {
        QTest::keyClick(field, Qt::Key_9);
    }
    QCoreApplication::processEvents();
    for (int i = 0; i < count; ++i) {
        k.steady.push_back(timedKey(field, steadyKey(field), false));
        if (next && !next->isEnabled()) {
            ++k.wrongNext;
        }
    }
    k.done = true;
}

// In the wizard: on to the socket page, type a host, then the port field.
void typeInWizard(QWidget* wizard, int count, Keystrokes& k) {
    auto* next = wizard->findChild<QPushButton*>(QStringLiteral("next"));
    if (next) {
        QTest::mouseClick(next, Qt::LeftButton, {}, next->rect().center());
    }
    QWidget* page = driver::currentPage();
    auto* host = page ? page->findChild<QLineEdit*>(QStringLiteral("hostname")) : nullptr;
    auto* port = page ? page->findChild<QLineEdit*>(QStringLiteral("port")) : nullptr;
    if (host && port && page->inherits("UIAddPort")) {
        host->setFocus();
        QTest::keyClicks(host, QStringLiteral("10.0.0.9"));
        typeInto(port, next, count, k);
    }
    rejectWindow(wizard);
}

} // namespace

void typeWizard(Bench& bench, int count, Keystrokes& k) {
    Awaited wait{QStringLiteral("AddPortWizard"),
                 [count, &k](QWidget* w) { typeInWizard(w, count, k); }};
    awaited = &wait;
    win32::beginDebugCapture();
    PWSTR out = nullptr;
    const BOOL result = bench.table->pfnAddPortUI(nullptr, nullptr, kMonitor, &out);
    win32::endDebugCapture();
    awaited = nullptr;
    if (!result || !k.done) {
        bench.problem("the typing in the wizard did not run");
    }
}

void typeFloor(Bench& bench, int count, Keystrokes& k) {
    showInBareApplication(
        [] {
            auto* dialog = new QDialog();
            auto* layout = new QVBoxLayout(dialog);
            layout->addWidget(new QLineEdit(dialog));
            return dialog;
        },
        [count, &k](QWidget* w) {
            typeInto(w->findChild<QLineEdit*>(), nullptr, count, k);
            rejectWindow(w);
        });
    if (!k.done) {
        bench.problem("the typing in the bare line edit did not run");
    }
}

} // namespace bench
