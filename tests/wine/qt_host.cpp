// A host that is itself a Qt Widgets application, built against the Qt that
// most products ship (plain names, no namespace), as a print console written
// with Qt would be. With its application running, its own window shown and
// its own timer ticking, it calls the spooler's AddPortW from its
// user-interface thread; the chain test works the wizard that appears. It
// counts what its own Qt did meanwhile, checks afterwards that its
// application is intact by opening one more window of its own, quits, and
// writes what it saw, one "name value" a line, to the file named by its first
// argument.
//
// Usage: qt_host.exe RESULT_FILE
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <windows.h>
#include <winspool.h>

namespace {

// The host's own window: counts its paints.
class HostWindow : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override {
        ++paints;
        QPainter(this).fillRect(rect(), paints % 2 ? Qt::darkCyan : Qt::darkYellow);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    const QString resultFile = QString::fromLocal8Bit(argv[1]);
    HostWindow window;
    window.setWindowTitle(QStringLiteral("NETPORTUI Qt host"));
    window.setGeometry(760, 560, 200, 100);
    window.show();
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        window.update();
    });
    timer.start(50);

    QStringList results;
    QTimer::singleShot(500, [&] {
        const int ticksBefore = ticks;
        const int paintsBefore = window.paints;
        SetLastError(0);
        std::wstring monitor = L"VARDENO Port Monitor";
        const BOOL added =
            AddPortW(nullptr, reinterpret_cast<HWND>(window.winId()), monitor.data());
        const DWORD error = GetLastError();
        results << QStringLiteral("addport %1").arg(added) << QStringLiteral("error %1").arg(error)
                << QStringLiteral("ticks %1").arg(ticks - ticksBefore)
                << QStringLiteral("paints %1").arg(window.paints - paintsBefore)
                << QStringLiteral("application %1")
                       .arg(QCoreApplication::instance() == &app &&
                            QApplication::topLevelWidgets().contains(&window));
        QDialog another;
        another.setWindowTitle(QStringLiteral("NETPORTUI Qt host, afterwards"));
        another.setGeometry(760, 400, 200, 100);
        QTimer::singleShot(300, &another, &QDialog::accept);
        results << QStringLiteral("another %1").arg(another.exec() == QDialog::Accepted);
        app.quit();
    });
    const int code = app.exec();
    QFile out(resultFile);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Text)) {
        return 3;
    }
    out.write((results.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return code;
}
