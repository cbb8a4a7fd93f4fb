#include "host/diagnostics.h"

#include "platform/win32_testing.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <unistd.h>

#include <cstdio>
#include <mutex>
#include <string>

namespace diagnostics {

namespace {

std::mutex mutex;
bool verbose = false;
QString runName;
QFile log;
bool logFailed = false;
QStringList causes;
// Debugger output arrives in pieces that need not end a line.
std::string pending;

// Whether a line of the module tells why something could not be done. Its
// lines of that kind begin "cannot" or "no", or say what cannot be done.
bool namesCause(const QString& line) {
    return line.startsWith(QLatin1String("cannot ")) || line.startsWith(QLatin1String("no ")) ||
           line.contains(QLatin1String(" cannot "));
}

// A line of the log: the time, the process and the text.
QByteArray stamped(const QString& text) {
    return QStringLiteral("%1 %2 %3\n")
        .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs))
        .arg(::getpid())
        .arg(text)
        .toUtf8();
}

void rotate() {
    const QString name = log.fileName();
    log.close();
    QFile::remove(name + QStringLiteral(".1"));
    QFile::rename(name, name + QStringLiteral(".1"));
}

// Opens the log on its first line, starting afresh when it is full. A log
// that cannot be written is said once; the run goes on without it.
bool openLog() {
    if (log.isOpen()) {
        return true;
    }
    if (logFailed) {
        return false;
    }
    const QString path = logFile();
    log.setFileName(path);
    if (QFileInfo(path).size() >= kLogLimit) {
        rotate();
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) ||
        !log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        logFailed = true;
        std::fprintf(stderr, "netport: cannot write the log %s: %s\n", qPrintable(path),
                     qPrintable(log.errorString()));
        return false;
    }
    log.write(stamped(runName));
    return true;
}

// Writes one line as it came: to the log with the time and the process, to
// standard error unchanged when asked for.
void write(const QString& line, bool toTerminal) {
    if (openLog()) {
        log.write(stamped(line));
        log.flush();
        if (log.size() >= kLogLimit) {
            rotate();
        }
    }
    if (toTerminal) {
        std::fprintf(stderr, "%s\n", qPrintable(line));
        std::fflush(stderr);
    }
}

void fromModule(const std::string& text) {
    std::lock_guard<std::mutex> lock(mutex);
    pending += text;
    size_t end;
    while ((end = pending.find('\n')) != std::string::npos) {
        const QString line = QString::fromUtf8(pending.data(), static_cast<qsizetype>(end));
        pending.erase(0, end + 1);
        write(line, verbose);
        if (namesCause(line)) {
            causes << line;
        }
    }
}

void fromToolkit(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const QString line = qFormatLogMessage(type, context, message);
    std::lock_guard<std::mutex> lock(mutex);
    // A fatal message ends the process: it is always shown.
    write(line, verbose || type == QtFatalMsg);
    const bool platformWarning =
        type == QtWarningMsg && context.category &&
        QLatin1String(context.category).startsWith(QLatin1String("qt.qpa"));
    if (type == QtCriticalMsg || type == QtFatalMsg || platformWarning) {
        causes << line;
    }
}

} // namespace

QString logFile() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state)) {
        state = QDir::homePath() + QStringLiteral("/.local/state");
    }
    return state + QStringLiteral("/netport/netport.log");
}

void start(bool beVerbose, const QString& run) {
    {
        std::lock_guard<std::mutex> lock(mutex);
        verbose = beVerbose;
        runName = run;
    }
    win32::setDebugListener(fromModule);
    qInstallMessageHandler(fromToolkit);
}

void beginOperation() {
    std::lock_guard<std::mutex> lock(mutex);
    causes.clear();
}

void reportCauses() {
    // After what the operation printed, not amid it.
    std::fflush(stdout);
    std::lock_guard<std::mutex> lock(mutex);
    if (!verbose) {
        for (const QString& cause : causes) {
            std::fprintf(stderr, "netport: %s\n", qPrintable(cause));
        }
    }
    causes.clear();
}

} // namespace diagnostics
