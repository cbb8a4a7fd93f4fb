#include "host/driver.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeySequence>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

namespace driver {
namespace {

constexpr int kStepTimeoutMs = 15000;

struct Script {
    bool armed = false;
    std::vector<Step> steps;
    size_t next = 0;
    QString failure;
    std::function<void(const QString&)> onStep;
};

Script script;
std::function<void()> applicationHook;

// A dialog still shown, or null.
QDialog* shownDialog() {
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget* w : widgets) {
        if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible()) {
            return dialog;
        }
    }
    return nullptr;
}

// Rejects every window the module still shows, so that the operation returns.
void closeWindows() {
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget* w : widgets) {
        if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible()) {
            dialog->reject();
        }
    }
}

// Lives as long as the application the module created and polls the windows.
// Each step's action is queued rather than run from the timer: an action that
// opens a nested modal loop (OK that raises an error box) returns only when
// that loop ends, and the timer must keep firing inside it for the next step.
class Driver : public QObject {
public:
    explicit Driver(QObject* parent) : QObject(parent) {
        connect(&timer, &QTimer::timeout, this, &Driver::poll);
        timer.start(10);
        clock.start();
    }

private:
    void poll() {
        if (!script.armed || pending) {
            return;
        }
        if (!script.failure.isEmpty()) {
            // Windows shown after the problem (by a later application) are
            // closed too, so that the operation returns.
            closeWindows();
            return;
        }
        if (script.next >= script.steps.size()) {
            // A window still shown long after the last step is one nobody
            // expected; it would keep the operation from returning.
            QDialog* shown = clock.elapsed() > kStepTimeoutMs ? shownDialog() : nullptr;
            if (shown) {
                fail(QStringLiteral("\"%1\" is still shown after the last step")
                         .arg(shown->windowTitle()));
            }
            return;
        }
        Step& step = script.steps[script.next];
        if (!step.ready()) {
            if (clock.elapsed() > kStepTimeoutMs) {
                fail(QStringLiteral("\"%1\" did not happen within %2 s")
                         .arg(step.what)
                         .arg(kStepTimeoutMs / 1000));
            }
            return;
        }
        if (script.onStep) {
            script.onStep(step.what);
        }
        ++script.next;
        clock.restart();
        pending = true;
        QMetaObject::invokeMethod(
            this,
            [this, act = step.act] {
                pending = false;
                act();
                if (!script.failure.isEmpty()) {
                    closeWindows();
                }
            },
            Qt::QueuedConnection);
    }

    // A step was taken and its action is queued but has not started yet.
    bool pending = false;
    QTimer timer;
    QElapsedTimer clock;
};

} // namespace

void start() {
    if (script.armed && QCoreApplication::instance()) {
        new Driver(QCoreApplication::instance());
    }
}

void arm(std::vector<Step> steps, std::function<void(const QString&)> onStep) {
    script = Script();
    script.armed = true;
    script.steps = std::move(steps);
    script.onStep = std::move(onStep);
    // An application that exists already (a host with its own) is driven too.
    start();
}

void disarm() {
    script.armed = false;
}

void setApplicationHook(std::function<void()> hook) {
    applicationHook = std::move(hook);
}

QString failure() {
    return script.failure;
}

int remaining() {
    return static_cast<int>(script.steps.size() - script.next);
}

QString nextStep() {
    return script.next < script.steps.size() ? script.steps[script.next].what : QString();
}

void fail(const QString& problem) {
    if (script.failure.isEmpty()) {
        script.failure = problem;
    }
    closeWindows();
}

QWidget* window(const char* name) {
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget* w : widgets) {
        if (w->isVisible() && w->objectName() == QLatin1String(name)) {
            return w;
        }
    }
    return nullptr;
}

QMessageBox* messageBox(const QString& title) {
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget* w : widgets) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (box && box->isVisible() && box->windowTitle() == title) {
            return box;
        }
    }
    return nullptr;
}

QWidget* wizard() {
    return window("AddPortWizard");
}

QWidget* currentPage() {
    QWidget* w = wizard();
    auto* pages = w ? w->findChild<QStackedWidget*>(QStringLiteral("pages")) : nullptr;
    return pages ? pages->currentWidget() : nullptr;
}

bool onPage(const char* form) {
    QWidget* page = currentPage();
    return page && page->isVisible() && page->inherits(form);
}

QWidget* child(QWidget* in, const char* name) {
    QWidget* w = in ? in->findChild<QWidget*>(QLatin1String(name)) : nullptr;
    if (!w) {
        fail(QStringLiteral("there is no %1 in %2")
                 .arg(QLatin1String(name), in ? in->objectName() : QStringLiteral("no window")));
    }
    return w;
}

void click(QWidget* w) {
    if (!w) {
        return;
    }
    if (!w->isEnabled()) {
        fail(QStringLiteral("%1 is disabled").arg(w->objectName()));
        return;
    }
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

void wizardButton(const char* name) {
    click(find<QPushButton>(wizard(), name));
}

void toggle(QCheckBox* box) {
    if (!box) {
        return;
    }
    const bool was = box->isChecked();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    if (box->isChecked() == was) {
        fail(QStringLiteral("%1 did not switch").arg(box->objectName()));
    }
}

void type(QLineEdit* field, const QString& text) {
    if (!field) {
        return;
    }
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Backspace);
    }
    QTest::keyClicks(field, text);
    if (field->text() != text) {
        fail(QStringLiteral("%1 shows \"%2\" after typing \"%3\"")
                 .arg(field->objectName(), field->text(), text));
    }
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus) {
        fail(QStringLiteral("nothing has the keyboard focus for %1")
                 .arg(QKeySequence(QKeyCombination(modifiers, key)).toString()));
        return;
    }
    QTest::keyClick(focus->window()->windowHandle(), key, modifiers);
}

void typeKeys(const QString& text) {
    for (const QChar c : text) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || c.unicode() > 0x7e || c.unicode() < 0x20) {
            fail(QStringLiteral("cannot type \"%1\" here").arg(c));
            return;
        }
        QTest::keyClick(focus->window()->windowHandle(), char(c.unicode()));
    }
}

bool active(QWidget* window) {
    // The window asked last and when: a request takes a while to be answered.
    static QPointer<QWidget> asked;
    static QElapsedTimer since;
    if (!window || !window->isVisible()) {
        return false;
    }
    if (window->isActiveWindow()) {
        return true;
    }
    if (asked != window || since.elapsed() > 1000) {
        asked = window;
        since.start();
        window->activateWindow();
    }
    return false;
}

} // namespace driver

namespace {
void startDriver() {
    driver::start();
    if (driver::applicationHook) {
        driver::applicationHook();
    }
}
} // namespace
Q_COREAPP_STARTUP_FUNCTION(startDriver)
