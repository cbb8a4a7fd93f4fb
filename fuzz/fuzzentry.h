// Shared by the libFuzzer entry points: the toolkit application on the
// offscreen platform, and the report of a failed check.
#pragma once

#include <QApplication>
#include <QString>

#include <cstdio>
#include <cstdlib>

// The toolkit's debug lines (font fallbacks for the characters of arbitrary
// texts) and the offscreen platform's warning, for every dialog shown, that it
// cannot pass size hints on are dropped; everything else goes where it went
// before.
inline QtMessageHandler previousMessageHandler = nullptr;

inline void fuzzMessageHandler(QtMsgType type, const QMessageLogContext& context,
                               const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg ||
        (type == QtWarningMsg &&
         message == QLatin1String("This plugin does not support propagateSizeHints()"))) {
        return;
    }
    previousMessageHandler(type, context, message);
}

// Creates the toolkit application once, on the offscreen platform; the module
// then borrows it instead of creating its own for every operation.
inline void startFuzzApplication() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "netport-fuzz";
    static char* argv[] = {name, nullptr};
    previousMessageHandler = qInstallMessageHandler(fuzzMessageHandler);
    new QApplication(argc, argv);
}

// A failed check is a finding: say what failed and abort, so that libFuzzer
// keeps the input.
inline void abortOnFailure(const char* target, const QString& failure) {
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", target, failure.toUtf8().constData());
        std::abort();
    }
}
