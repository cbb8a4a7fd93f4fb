// Replays the fuzz targets' seed corpora and the inputs of past findings
// through the same checks the fuzz targets run, in the ordinary build, so that
// a finding stays fixed and the seeds stay meaningful.
#include "fuzz/checks.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

using Check = QString (*)(const uint8_t*, size_t);

// The inputs of one target: its seed corpus and the inputs of its findings.
void addInputs(const char* target) {
    QTest::addColumn<QString>("file");
    int count = 0;
    for (const char* root : {NETPORT_FUZZ_CORPUS, NETPORT_FUZZ_FINDINGS}) {
        const QDir dir(QString::fromUtf8(root) + QLatin1Char('/') + QLatin1String(target));
        const QStringList names = dir.entryList(QDir::Files, QDir::Name);
        for (const QString& name : names) {
            QTest::addRow("%s/%s", dir.dirName().toUtf8().constData(), name.toUtf8().constData())
                << dir.filePath(name);
            ++count;
        }
    }
    QVERIFY2(count > 0, target);
}

void replay(Check check) {
    QFETCH(QString, file);
    QFile input(file);
    QVERIFY2(input.open(QIODevice::ReadOnly), qPrintable(file));
    const QByteArray bytes = input.readAll();
    const QString failure = check(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                  static_cast<size_t>(bytes.size()));
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

} // namespace

class FuzzReplay : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareConfigureReply(); }

    void settings_data() { addInputs("fuzz_settings"); }
    void settings() { replay(checkSettings); }

    void configureReply_data() { addInputs("fuzz_configure_reply"); }
    void configureReply() { replay(checkConfigureReply); }

    void rules_data() { addInputs("fuzz_rules"); }
    void rules() { replay(checkRules); }
};

QTEST_MAIN(FuzzReplay)
#include "test_fuzz_replay.moc"
