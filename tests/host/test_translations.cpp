// Extracts the texts from the sources as the toolkit's lupdate sees them and
// checks every catalogue against them: nothing unfinished, vanished or
// obsolete, every text translated in the context where it is looked up, the
// placeholders, numbers, names and line breaks kept, and the glossary's terms
// used.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>
#include <map>

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

QList<Message> readCatalogue(const QString& path, QString& error) {
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read ") + path;
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.append(Message{context, {}, {}, {}});
        } else if (xml.name() == QLatin1String("source")) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().translation = xml.readElementText();
        }
    }
    if (xml.hasError()) {
        error = path + QStringLiteral(": ") + xml.errorString();
    }
    return messages;
}

// Runs lupdate over `inputs` into the catalogues `ts` (created when missing).
QString runLupdate(const QStringList& inputs, const QStringList& ts) {
    QProcess lupdate;
    lupdate.start(QStringLiteral(LUPDATE), inputs + QStringList{QStringLiteral("-ts")} + ts);
    if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0) {
        return QStringLiteral("lupdate failed: ") + QString::fromLocal8Bit(lupdate.readAll());
    }
    return QString();
}

QString shown(const Message& m) {
    return m.context + QStringLiteral(": \"") + m.source.left(60) + QStringLiteral("\"");
}

// The glossary (tests/host/glossary.tsv, which says how its forms match):
// language -> English term -> the forms of the term in that language.
using Glossary = std::map<QString, std::map<QString, QStringList>>;

Glossary readGlossary(QString& error) {
    Glossary glossary;
    QFile file(QStringLiteral(SOURCE_DIR "/tests/host/glossary.tsv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = QStringLiteral("cannot read ") + file.fileName();
        return glossary;
    }
    for (int number = 1; !file.atEnd(); ++number) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 3 || fields[2].isEmpty()) {
            error = QStringLiteral("glossary.tsv:%1: not LANGUAGE<tab>TERM<tab>FORMS").arg(number);
            return glossary;
        }
        glossary[fields[0]][fields[1]] = fields[2].split(QLatin1Char('|'));
    }
    return glossary;
}

bool containsForm(const QString& text, QString form) {
    const bool compound = form.startsWith(QLatin1Char('~'));
    if (compound) {
        form.remove(0, 1);
    }
    for (qsizetype at = text.indexOf(form, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(form, at + 1, Qt::CaseInsensitive)) {
        const bool wordStart = at == 0 || !text.at(at - 1).isLetter();
        if (compound || wordStart || form.at(0).script() != QChar::Script_Latin) {
            return true;
        }
    }
    return false;
}

// What a translation keeps exactly: its placeholders and its line breaks (the
// help texts are lists, one entry a line).
QStringList placeholdersAndLines(const QString& text) {
    static const QRegularExpression placeholders(QStringLiteral("%L?\\d+|%[a-z]"));
    QStringList found;
    for (auto it = placeholders.globalMatch(text); it.hasNext();) {
        found << it.next().captured();
    }
    found.sort();
    found << QStringLiteral("%1 line breaks").arg(text.count(QLatin1Char('\n')));
    return found;
}

// What a translation repeats as it is: numbers (ports, firmware version,
// range) and the product, protocol and logical printer names. It may add
// numbers of its own (Japanese writes "hex" as "16 進").
QStringList verbatim(const QString& text) {
    static const QRegularExpression numbersAndNames(
        QStringLiteral("\\d+(\\.\\d+)*|\\b(VARDENO|Print Monitor|tulvex|SNMP|HTTP|TCP/IP|TLS|"
                       "PostScript|ASCII|LPD|Novell|BS2000|RSO|LF|CR\\+LF|lp\\d)\\b"));
    QStringList found;
    for (auto it = numbersAndNames.globalMatch(text); it.hasNext();) {
        found << it.next().captured();
    }
    found.removeDuplicates();
    return found;
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void formsHaveNoTexts();
    void everyLanguageHasGlossaryTerms();
    void catalogueIsComplete_data();
    void catalogueIsComplete();
    void translationsKeepWhatMustStay_data() { catalogueIsComplete_data(); }
    void translationsKeepWhatMustStay();
    void glossaryTermsUsed_data() { catalogueIsComplete_data(); }
    void glossaryTermsUsed();

private:
    QTemporaryDir dir;
    QStringList languages;
    QList<Message> extracted; // every text the sources hand to the toolkit
    Glossary glossary;
};

void TranslationsTest::initTestCase() {
    QVERIFY(dir.isValid());
    languages = QStringLiteral(LANGUAGES).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QCOMPARE(languages.size(), 37);
    QString glossaryError;
    glossary = readGlossary(glossaryError);
    QVERIFY2(glossaryError.isEmpty(), qPrintable(glossaryError));

    // One lupdate run over the sources updates a copy of every catalogue and
    // writes the extracted texts into a new one.
    QStringList ts;
    for (const QString& language : languages) {
        const QString name = QStringLiteral("monitor_%1.ts").arg(language);
        QVERIFY(
            QFile::copy(QStringLiteral(SOURCE_DIR "/translations/") + name, dir.filePath(name)));
        ts << dir.filePath(name);
    }
    ts << dir.filePath(QStringLiteral("extracted.ts"));
    QStringList sources;
    for (const char* part : {"monitorui", "toolkit", "wizard", "properties", "forms"}) {
        sources << QStringLiteral(SOURCE_DIR "/") + QLatin1String(part);
    }
    const QString failure = runLupdate(sources, ts);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));

    QString error;
    extracted = readCatalogue(ts.last(), error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY2(extracted.size() >= 48, qPrintable(QString::number(extracted.size())));
}

void TranslationsTest::formsHaveNoTexts() {
    // Every text of the forms is a placeholder that the code replaces or a
    // value that must stay as it is ("lp1" is read back into the settings).
    const QStringList forms =
        QDir(QStringLiteral(SOURCE_DIR "/forms")).entryList({QStringLiteral("*.ui")}, QDir::Files);
    QCOMPARE(forms.size(), 7);
    QStringList paths;
    for (const QString& form : forms) {
        paths << QStringLiteral(SOURCE_DIR "/forms/") + form;
    }
    const QString ts = dir.filePath(QStringLiteral("forms.ts"));
    const QString failure = runLupdate(paths, {ts});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QString error;
    const QList<Message> texts = readCatalogue(ts, error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QStringList names;
    for (const Message& m : texts) {
        names << shown(m);
    }
    QVERIFY2(texts.isEmpty(), qPrintable(names.join(QLatin1Char('\n'))));
}

void TranslationsTest::everyLanguageHasGlossaryTerms() {
    // Every language has forms for the terms of the first one.
    const std::map<QString, QStringList>& terms = glossary.at(languages.first());
    QVERIFY(terms.size() >= 17);
    for (const QString& language : languages) {
        QStringList missing;
        for (const auto& [term, forms] : terms) {
            if (glossary[language].count(term) == 0) {
                missing << term;
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(language + QStringLiteral(": no forms for ") +
                                               missing.join(QStringLiteral(", "))));
    }
}

void TranslationsTest::catalogueIsComplete_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : languages) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

void TranslationsTest::catalogueIsComplete() {
    QFETCH(QString, language);
    QString error;
    const QList<Message> updated =
        readCatalogue(dir.filePath(QStringLiteral("monitor_%1.ts").arg(language)), error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QStringList problems;
    for (const Message& m : updated) {
        if (!m.type.isEmpty()) {
            problems << m.type + QStringLiteral(" ") + shown(m);
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    QCOMPARE(updated.size(), extracted.size());

    // The compiled catalogue answers every lookup the code makes.
    QTranslator catalogue;
    QVERIFY(catalogue.load(QStringLiteral("monitor_%1.qm").arg(language),
                           QStringLiteral(TRANSLATIONS_DIR)));
    for (const Message& m : extracted) {
        if (catalogue.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData())
                .isEmpty()) {
            problems << QStringLiteral("untranslated ") + shown(m);
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TranslationsTest::translationsKeepWhatMustStay() {
    QFETCH(QString, language);
    QString error;
    const QList<Message> messages = readCatalogue(
        QStringLiteral(SOURCE_DIR "/translations/monitor_%1.ts").arg(language), error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QStringList problems;
    for (const Message& m : messages) {
        const QStringList want = placeholdersAndLines(m.source);
        const QStringList have = placeholdersAndLines(m.translation);
        if (want != have) {
            problems << shown(m) + QStringLiteral("\n    wants ") + want.join(QLatin1Char(',')) +
                            QStringLiteral("\n    has   ") + have.join(QLatin1Char(','));
        }
        const QStringList repeated = verbatim(m.translation);
        for (const QString& text : verbatim(m.source)) {
            if (!repeated.contains(text)) {
                problems << shown(m) + QStringLiteral("\n    lacks ") + text;
            }
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TranslationsTest::glossaryTermsUsed() {
    QFETCH(QString, language);
    QString error;
    const QList<Message> messages = readCatalogue(
        QStringLiteral(SOURCE_DIR "/translations/monitor_%1.ts").arg(language), error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QStringList problems;
    int checked = 0;
    for (const auto& [term, forms] : glossary[language]) {
        const QRegularExpression word(QStringLiteral("\\b%1s?\\b").arg(term),
                                      QRegularExpression::CaseInsensitiveOption);
        for (const Message& m : messages) {
            if (!word.match(m.source).hasMatch()) {
                continue;
            }
            ++checked;
            const bool used = std::any_of(forms.begin(), forms.end(), [&m](const QString& form) {
                return containsForm(m.translation, form);
            });
            if (!used) {
                problems << QStringLiteral("no \"%1\" for \"%2\" in: ")
                                    .arg(forms.join(QStringLiteral("\" or \"")), term) +
                                m.translation.left(120);
            }
        }
    }
    QVERIFY2(checked >= 60, qPrintable(QString::number(checked)));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TranslationsTest)
#include "test_translations.moc"
