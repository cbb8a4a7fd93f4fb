// The windows' texts are measured once and remembered for the process; every
// operation must still get the sizes its own font gives. Each operation runs
// with an application font of its own, set as the application is created, and
// the explanations of the wizard and the properties dialog are compared with a
// plain QLabel made alike in the same application.
#include "host/driver.h"
#include "monitorui/entry.h"
#include "spooler/scriptablemonitor.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using spooler::ScriptableMonitor;

namespace {

const char16_t* const kMonitor = u"Test Monitor";
const char16_t* const kPort = u"10.0.0.5:9100";

// The label's measures beside those of a QLabel with the same text and settings,
// or empty when they agree.
QString measuresDiffer(const QLabel* label) {
    QLabel reference(label->text());
    reference.setFont(label->font());
    reference.setTextFormat(label->textFormat());
    reference.setWordWrap(label->wordWrap());
    reference.setAlignment(label->alignment());
    reference.setIndent(label->indent());
    reference.setMargin(label->margin());
    reference.setFrameStyle(label->frameStyle());
    reference.setLineWidth(label->lineWidth());
    reference.setMidLineWidth(label->midLineWidth());
    reference.setMaximumWidth(label->maximumWidth());
    const auto describe = [](const QLabel* l, int width) {
        return QStringLiteral("size %1x%2, minimum %3x%4, height %5 at %6")
            .arg(l->sizeHint().width())
            .arg(l->sizeHint().height())
            .arg(l->minimumSizeHint().width())
            .arg(l->minimumSizeHint().height())
            .arg(l->heightForWidth(width))
            .arg(width);
    };
    for (const int width : {label->width(), 150, 600}) {
        const QString got = describe(label, width);
        const QString expected = describe(&reference, width);
        if (got != expected) {
            return got + QStringLiteral(" instead of ") + expected;
        }
    }
    return {};
}

QLabel* description(QWidget* in) {
    return in ? in->findChild<QLabel*>(QStringLiteral("description")) : nullptr;
}

} // namespace

class MeasuresTest : public QObject {
    Q_OBJECT
    std::shared_ptr<ScriptableMonitor> monitor;
    PMONITORUI table = nullptr;

private slots:
    void init() {
        monitor = std::make_shared<ScriptableMonitor>(std::set<std::u16string>{kPort});
        spooler::registerMonitor(kMonitor, monitor);
        table = InitializePrintMonitorUI();
    }
    void cleanup() {
        driver::disarm();
        driver::setApplicationHook({});
        spooler::unregisterAllMonitors();
    }

    void eachFontMeasuredAsItsOwn_data() {
        QTest::addColumn<double>("scale");
        QTest::addColumn<bool>("bold");
        // The default font first, so that the later rows find it remembered;
        // back to it at the end, after other fonts were remembered.
        QTest::newRow("default") << 1.0 << false;
        QTest::newRow("larger") << 1.5 << false;
        QTest::newRow("bold") << 1.0 << true;
        QTest::newRow("smaller bold") << 0.8 << true;
        QTest::newRow("default again") << 1.0 << false;
    }
    void eachFontMeasuredAsItsOwn() {
        QFETCH(double, scale);
        QFETCH(bool, bold);
        driver::setApplicationHook([scale, bold] {
            QFont font = QApplication::font();
            font.setPointSizeF(font.pointSizeF() * scale);
            font.setBold(bold);
            QApplication::setFont(font);
        });

        QString wizardProblem = QStringLiteral("not reached");
        driver::arm(
            {{QStringLiteral("the selection page"), [] { return driver::onPage("UISelectWidget"); },
              [&wizardProblem] {
                  QLabel* label = description(driver::currentPage());
                  wizardProblem = label ? measuresDiffer(label) : QStringLiteral("none");
                  driver::wizardButton("cancel");
              }}});
        PWSTR out = nullptr;
        QVERIFY(table->pfnAddPortUI(nullptr, nullptr, kMonitor, &out));
        QCOMPARE(driver::failure(), QString());
        QCOMPARE(wizardProblem, QString());

        const std::u16string reply = u"10.0.0.5:9100;PROT=SOCKET;TIMEOUT=5;MONITORING=ON";
        const DWORD size = DWORD(2 * reply.size() + 2);
        monitor->answer(u"GetProperties", {TRUE, 0, ERROR_INSUFFICIENT_BUFFER, size, {}});
        monitor->answer(u"GetProperties", {TRUE, 0, 0, size, ScriptableMonitor::utf16(reply)});
        QString dialogProblem = QStringLiteral("not reached");
        driver::arm({{QStringLiteral("the properties dialog"),
                      [] { return driver::window("test") != nullptr; },
                      [&dialogProblem] {
                          QWidget* dialog = driver::window("test");
                          QLabel* label = description(dialog);
                          dialogProblem = label ? measuresDiffer(label) : QStringLiteral("none");
                          driver::click(driver::child(dialog, "cancelButton"));
                      }}});
        QVERIFY(table->pfnConfigurePortUI(nullptr, nullptr, kPort));
        QCOMPARE(driver::failure(), QString());
        QCOMPARE(dialogProblem, QString());
    }
};

QTEST_APPLESS_MAIN(MeasuresTest)
#include "test_measures.moc"
