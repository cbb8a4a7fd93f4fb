// Works the module's windows as a person would, with real key and mouse events,
// from inside the module's modal loops. The host arms it before an operation;
// it starts each time the module creates its toolkit application and performs
// the steps in order, each as soon as the windows show what it waits for.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

QT_BEGIN_NAMESPACE
class QCheckBox;
class QLineEdit;
class QMessageBox;
class QWidget;
QT_END_NAMESPACE

namespace driver {

// One thing a person does once the windows show what `ready` waits for.
struct Step {
    QString what;
    std::function<bool()> ready;
    std::function<void()> act;
};

// Arms the steps for the next operation; `onStep` (may be empty) is told the
// description of each step as it is taken.
void arm(std::vector<Step> steps, std::function<void(const QString&)> onStep = {});
// Starts driving the application that exists now; called when an application
// is created.
void start();
// Disarms: applications created from now on are left alone.
void disarm();
// Called right after every toolkit application is created (once the driver
// has started on it), armed or not; empty to call nothing.
void setApplicationHook(std::function<void()> hook);
// The first problem met (a step that did not come within its time, a widget
// that is missing or disabled, a text that did not take), or empty.
QString failure();
// The steps not taken yet; the description of the next one, or empty.
int remaining();
QString nextStep();

// Records a problem; the driver then closes the module's windows.
void fail(const QString& problem);

// A visible top-level window of that object name, or null.
QWidget* window(const char* name);
// A visible message box of that title, or null.
QMessageBox* messageBox(const QString& title);
// The add-port wizard, and the page it shows now (by the form it is built on).
QWidget* wizard();
QWidget* currentPage();
bool onPage(const char* form);

// A child of that name, or null with a recorded problem.
QWidget* child(QWidget* in, const char* name);
template <typename T> T* find(QWidget* in, const char* name) {
    QWidget* w = child(in, name);
    T* typed = qobject_cast<T*>(w);
    if (w && !typed) {
        fail(QStringLiteral("%1 is not a %2")
                 .arg(QLatin1String(name), QLatin1String(T::staticMetaObject.className())));
    }
    return typed;
}
template <typename T> T* onCurrentPage(const char* name) {
    return find<T>(currentPage(), name);
}

// A left click in the middle of the widget; a disabled widget is a problem.
void click(QWidget* w);
// Clicks the wizard's button of that name ("next", "back", "finish", "cancel").
void wizardButton(const char* name);
// Switches the check box with the space key (a box without text has no label
// to click); a box that does not switch is a problem.
void toggle(QCheckBox* box);
// Replaces the field's text by typing: select all, then type.
void type(QLineEdit* field, const QString& text);

// Keyboard alone: a key goes to the window that holds the keyboard focus, which
// hands it to its focus widget, as a key pressed by a person does. No focus
// anywhere is a problem.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {});
// Types ASCII text key by key, as press() does.
void typeKeys(const QString& text);
// Whether the window is shown and active. If not, asks for its activation (at
// most once a second): on a display without a window manager nobody else does.
bool active(QWidget* window);

} // namespace driver
