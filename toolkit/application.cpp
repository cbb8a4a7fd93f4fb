#include "toolkit/application.h"

#include "platform/win32.h"
#include "toolkit/log.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QTranslator>

#include <vector>

namespace {

// The application that the module created, and the number of its users.
QApplication* moduleApplication = nullptr;
int useCount = 0;

// When the host has a toolkit application of its own, the module borrows it and
// installs its catalogue there for as long as it has users.
QPointer<QTranslator> borrowedTranslator;

// The toolkit keeps references to the argument count and vector for the
// application's whole life.
int argumentCount = 1;
char programName[] = "netportui";
char* argumentVector[] = {programName, nullptr};

// Reads the system directory. A path that does not fit the 256-unit buffer is
// read whole and cut to 255 units rather than overrunning the buffer.
QString systemDirectory() {
    WCHAR buffer[256] = {};
    const UINT length = GetSystemDirectoryW(buffer, 256);
    if (length < 256) {
        // Unit by unit, without reading a leading U+FEFF as a byte order mark.
        return QStringView(reinterpret_cast<const char16_t*>(buffer)).toString();
    }
    std::vector<WCHAR> whole(length + 1, 0);
    const UINT read = GetSystemDirectoryW(whole.data(), length + 1);
    const qsizetype units = read > 255 ? 255 : read;
    return QStringView(reinterpret_cast<const char16_t*>(whole.data()), units).toString();
}

} // namespace

void acquireApplication() {
    logMessage("create pApp() app (%" PRIxPTR ")", logAddress(qApp));
    ++useCount;
    if (moduleApplication || borrowedTranslator) {
        return;
    }
    if (QCoreApplication::instance()) {
        borrowedTranslator = new QTranslator(QCoreApplication::instance());
        loadTranslator(*borrowedTranslator);
        QCoreApplication::installTranslator(borrowedTranslator);
        return;
    }
    logMessage("vor create app (%" PRIxPTR ")", logAddress(qApp));
    moduleApplication = new QApplication(argumentCount, argumentVector);
    logMessage("create app (%" PRIxPTR ")", logAddress(moduleApplication));
    // Owned by the application, so that it goes with it instead of piling up
    // with every new application.
    auto* translator = new QTranslator(moduleApplication);
    loadTranslator(*translator);
    moduleApplication->installTranslator(translator);
    logMessage("installTranslator");
}

void releaseApplication() {
    --useCount;
    logMessage("delete pApp() app (%" PRIxPTR ")", logAddress(qApp));
    if (useCount != 0) {
        return;
    }
    if (moduleApplication) {
        delete moduleApplication;
        moduleApplication = nullptr;
    } else if (borrowedTranslator) {
        QCoreApplication::removeTranslator(borrowedTranslator);
        delete borrowedTranslator;
    }
}

bool loadTranslator(QTranslator& translator) {
    const QString directory = systemDirectory();
    QDir dir(directory);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    dir.setFilter(QDir::AllEntries); // files, directories and drives
    dir.setNameFilters({QStringLiteral("monitor*.qm")});
    const QStringList entries = dir.entryList();
    logMessage("count(%d)", static_cast<int>(entries.size()));
    const QString name = entries.value(0);
    const bool loaded = translator.load(name, directory);
    if (loaded) {
        logMessage("translator file loaded (%s/%s)", directory.toLatin1().constData(),
                   name.toLatin1().constData());
    } else {
        logMessage("can't load translator file (%s/%s)", directory.toLatin1().constData(),
                   name.toLatin1().constData());
    }
    return loaded;
}

int applicationUseCount() {
    return useCount;
}

bool applicationIsOwn() {
    return moduleApplication != nullptr;
}
