#include "toolkit/application.h"

#include "platform/display.h"
#include "toolkit/log.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QMutex>
#include <QPluginLoader>
#include <QPointer>
#include <QThread>
#include <QTranslator>

#include <set>
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

// Whether a platform plugin with that key can be found where the toolkit looks
// for it, and loaded. The key is matched as the toolkit matches it, ignoring
// case; the plugin stays loaded for the toolkit to use.
bool searchPlatformPlugin(const QString& key) {
    const auto offers = [&key](const QJsonObject& metaData) {
        if (!metaData.value(QStringLiteral("IID"))
                 .toString()
                 .startsWith(QLatin1String("org.qt-project.Qt.QPA.QPlatformIntegrationFactory"))) {
            return false;
        }
        const QJsonArray keys = metaData.value(QStringLiteral("MetaData"))
                                    .toObject()
                                    .value(QStringLiteral("Keys"))
                                    .toArray();
        for (const QJsonValue& k : keys) {
            if (k.toString().compare(key, Qt::CaseInsensitive) == 0) {
                return true;
            }
        }
        return false;
    };
    for (const QStaticPlugin& plugin : QPluginLoader::staticPlugins()) {
        if (offers(plugin.metaData())) {
            return true;
        }
    }
    QStringList folders;
    const QString pluginPath = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    if (!pluginPath.isEmpty()) {
        folders << pluginPath;
    }
    for (const QString& path : QCoreApplication::libraryPaths()) {
        folders << path + QStringLiteral("/platforms");
    }
    for (const QString& folder : folders) {
        const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files, QDir::Name);
        for (const QFileInfo& file : files) {
            // The toolkit loads only files named as libraries (a "qwindows.dll.old" is
            // not a plugin to it, though the system would load it).
            if (!QLibrary::isLibrary(file.fileName())) {
                continue;
            }
            QPluginLoader loader(file.absoluteFilePath());
            if (!offers(loader.metaData())) {
                continue;
            }
            if (loader.load()) {
                return true;
            }
            logMessage("cannot load platform plugin (%s): %s",
                       file.absoluteFilePath().toLatin1().constData(),
                       loader.errorString().toLatin1().constData());
        }
    }
    return false;
}

// The platform keys (case folded) whose plugin was found and loaded. A loaded
// plugin stays loaded for the life of the process, so the answer for its key
// cannot change; a key not found is searched again every time, since its plugin
// may be installed meanwhile. Operations may come from different threads.
QMutex pluginSearchMutex;
std::set<QString> loadedPlatformKeys;

bool platformPluginLoads(const QString& key) {
    const QString folded = key.toCaseFolded();
    QMutexLocker lock(&pluginSearchMutex);
    if (loadedPlatformKeys.count(folded) != 0) {
        return true;
    }
    if (!searchPlatformPlugin(key)) {
        return false;
    }
    loadedPlatformKeys.insert(folded);
    return true;
}

// Whether the toolkit can start on one of the platforms it would try: the
// ones QT_QPA_PLATFORM names ("name" or "name:options", separated by ";"), or
// its defaults.
DWORD platformStartError() {
    QString platforms = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platforms.isEmpty()) {
        platforms = QString::fromStdString(platform::defaultWindowingPlatforms());
    }
    bool pluginFound = false;
    for (const QString& entry : platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0);
        if (!platformPluginLoads(name)) {
            continue;
        }
        pluginFound = true;
        if (platform::displayReachable(name.toStdString())) {
            return ERROR_SUCCESS;
        }
    }
    if (!pluginFound) {
        logMessage("no platform plugin for (%s)", platforms.toLatin1().constData());
        return ERROR_MOD_NOT_FOUND;
    }
    logMessage("cannot open the display for (%s)", platforms.toLatin1().constData());
    return ERROR_DEVICE_NOT_AVAILABLE;
}

// Makes the toolkit look for plugins in the module's own folder too. The
// folder is added anew before every application, since destroying one
// forgets the paths that were added.
void addModulePluginFolder() {
    const std::string folder = platform::modulePluginFolder();
    if (!folder.empty()) {
        QCoreApplication::addLibraryPath(QString::fromStdString(folder));
    }
}

// The catalogues found in a directory: how many names match "monitor*.qm"
// ignoring case, and the first of them by name ignoring case.
struct CatalogueScan {
    QString name;
    int count = 0;
};

// The entries a plain listing shows (files, directories and drives; no hidden
// or system ones), their names matched here: a name filter would have the
// listing build and compile a pattern for every scan, and the whole directory
// is read either way.
CatalogueScan listCatalogues(const QString& directory) {
    CatalogueScan scan;
    QString nameKey;
    QDirIterator entries(directory, QDir::AllEntries);
    while (entries.hasNext()) {
        entries.next();
        const QString entry = entries.fileName();
        if (!entry.startsWith(QLatin1String("monitor"), Qt::CaseInsensitive) ||
            !entry.endsWith(QLatin1String(".qm"), Qt::CaseInsensitive)) {
            continue;
        }
        ++scan.count;
        const QString key = entry.toLower();
        if (scan.name.isNull() || key < nameKey) {
            scan.name = entry;
            nameKey = key;
        }
    }
    return scan;
}

// The last scan and the modification time its directory had. The system
// directory holds thousands of entries on Windows, and every new application
// would read them all; an entry added, removed or renamed changes the
// directory's modification time. Timestamps are coarse (a file system may give
// two changes in the same few milliseconds the same time), so a directory
// changed in the last seconds is read again every time.
const qint64 kSettledMilliseconds = 2000;
QMutex catalogueScanMutex;
QString scannedDirectory;
qint64 scannedModified = 0;
CatalogueScan lastScan;

CatalogueScan scanCatalogues(const QString& directory) {
    const QDateTime modifiedAt = QFileInfo(directory).lastModified();
    const qint64 modified = modifiedAt.isValid() ? modifiedAt.toMSecsSinceEpoch() : 0;
    const bool settled =
        modified != 0 && QDateTime::currentMSecsSinceEpoch() - modified >= kSettledMilliseconds;
    QMutexLocker lock(&catalogueScanMutex);
    if (settled && directory == scannedDirectory && modified == scannedModified) {
        return lastScan;
    }
    const CatalogueScan scan = listCatalogues(directory);
    if (settled) {
        scannedDirectory = directory;
        scannedModified = modified;
        lastScan = scan;
    }
    return scan;
}

// Which way the catalogue's language is written. The toolkit looks this text
// up in its own context whenever a catalogue is installed, and lays out every
// window right to left when the answer is "RTL".
//: "LTR" for a language written left to right, "RTL" for one written right to
//: left (Arabic, Hebrew).
[[maybe_unused]] const char* const kLayoutDirection =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

} // namespace

DWORD applicationStartError() {
    platform::keepModuleLoaded();
    if (moduleApplication) {
        return ERROR_SUCCESS;
    }
    if (QCoreApplication* host = QCoreApplication::instance()) {
        if (!qobject_cast<QApplication*>(host)) {
            logMessage("host application cannot carry windows (%s)",
                       host->metaObject()->className());
            return ERROR_NOT_SUPPORTED;
        }
        if (host->thread() != QThread::currentThread()) {
            logMessage("host application belongs to another thread");
            return ERROR_NOT_SUPPORTED;
        }
        return ERROR_SUCCESS;
    }
    addModulePluginFolder();
    return platformStartError();
}

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
    addModulePluginFolder();
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
    const CatalogueScan scan = scanCatalogues(directory);
    const QString& name = scan.name;
    const int count = scan.count;
    logMessage("count(%d)", count);
    // With no catalogue found there is nothing to load: given an empty name,
    // the toolkit would probe the directory and take a file named ".qm", which
    // the scan did not choose.
    const bool loaded = !name.isEmpty() && translator.load(name, directory);
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
