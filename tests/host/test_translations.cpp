// Extracts the texts from the sources as the toolkit's lupdate sees them and
// checks that the compiled German catalogue translates every one of them, in
// the context where it is looked up.
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void catalogueIsComplete() {
        QTemporaryDir dir;
        const QString ts = dir.filePath(QStringLiteral("current.ts"));
        QProcess lupdate;
        QStringList arguments;
        for (const char* part : {"monitorui", "toolkit", "wizard", "properties", "forms"}) {
            arguments << QStringLiteral(SOURCE_DIR "/") + QLatin1String(part);
        }
        arguments << QStringLiteral("-ts") << ts;
        lupdate.start(QStringLiteral(LUPDATE), arguments);
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);

        QFile file(ts);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTranslator catalogue;
        QVERIFY(catalogue.load(QStringLiteral(CATALOGUE)));

        QXmlStreamReader xml(&file);
        QString context;
        int texts = 0;
        QStringList untranslated;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement()) {
                continue;
            }
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                const QString source = xml.readElementText();
                ++texts;
                if (catalogue.translate(context.toUtf8().constData(), source.toUtf8().constData())
                        .isEmpty()) {
                    untranslated << context + QStringLiteral(": ") + source;
                }
            }
        }
        QVERIFY(!xml.hasError());
        QVERIFY2(texts > 90, qPrintable(QString::number(texts)));
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
        // Spot checks in both kinds of context.
        QCOMPARE(catalogue.translate("QObject", "Next"), QStringLiteral("Weiter"));
        QCOMPARE(catalogue.translate("UIProperties", "Please..."), QStringLiteral("Bitte..."));
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "test_translations.moc"
