// Every window in every language: each wizard page as the wizard shows it, the
// wizard itself, and the properties dialog of a socket and of an HTTP port,
// built with the language's catalogue installed. No text may be cut, no window
// be smaller than its layout needs, and at 100 % every window fits a 1280 x 800
// screen. CTest runs this at QT_SCALE_FACTOR 1 and 2.
#include "forms/measuredlabel.h"
#include "layout/layoutcheck.h"
#include "properties/propertiesdlg.h"
#include "wizard/addportwizardtesting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>
#include <QTextTable>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>

namespace {

const int kSocket = 1;
const int kHttp = 2;

// The catalogue of a language, installed while it lives; English has none.
class Language {
public:
    explicit Language(const QString& code) {
        if (code != QLatin1String("en")) {
            loaded =
                catalogue.load(QStringLiteral("monitor_") + code, QStringLiteral(TRANSLATIONS_DIR));
            QCoreApplication::installTranslator(&catalogue);
            // Every catalogue names its writing direction; British English
            // reads the same as the sources elsewhere.
            loaded =
                loaded && QCoreApplication::translate("QGuiApplication", "QT_LAYOUT_DIRECTION") !=
                              QLatin1String("QT_LAYOUT_DIRECTION");
        }
    }
    ~Language() { QCoreApplication::removeTranslator(&catalogue); }
    // The catalogue is loaded and in use.
    bool loaded = true;

private:
    QTranslator catalogue;
};

// At 100 % every window must fit a small laptop screen; at 200 % no screen
// size is asked for.
QSize screenToFit() {
    return qEnvironmentVariableIntValue("QT_SCALE_FACTOR") > 1 ? QSize() : QSize(1280, 800);
}

QString report(const QStringList& problems) {
    return problems.join(QLatin1Char('\n'));
}

// Answers every lookup with the source text twice over.
class DoubledTexts : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        const QString text = QString::fromUtf8(source);
        return text + QLatin1Char(' ') + text;
    }
    bool isEmpty() const override { return false; }
};

void addProblems(QStringList& problems, const QString& where, QWidget* window,
                 const QSize& screen) {
    QApplication::processEvents();
    for (const QString& problem : layoutProblems(window, screen)) {
        problems << where + QStringLiteral(": ") + problem;
    }
}

// Walks a new wizard through the pages of one printing method, filled in as a
// user would, and checks the whole wizard on each page.
QStringList wizardProblems(int protocol, const QSize& screen) {
    AddPortWizard wizard;
    wizard.show();
    if (!QTest::qWaitForWindowExposed(&wizard)) {
        return {QStringLiteral("the wizard was not shown")};
    }
    QStringList problems;
    chooseMethod(wizard, protocol);
    addProblems(problems, QStringLiteral("method page"), &wizard, screen);
    clickNext(wizard);
    if (auto* socket = currentPage<AddSocketPortWidget>(wizard)) {
        QTest::keyClicks(socket->hostname, QStringLiteral("192.168.1.20"));
        addProblems(problems, QStringLiteral("socket page"), &wizard, screen);
    } else if (auto* http = currentPage<AddHTTPPortWidget>(wizard)) {
        QTest::keyClicks(http->hostname, QStringLiteral("10.0.0.7"));
        clickIndicator(http->secureCB);
        addProblems(problems, QStringLiteral("HTTP page"), &wizard, screen);
    } else {
        return problems << QStringLiteral("the wizard did not reach its address page");
    }
    clickNext(wizard);
    if (!currentPage<SnmpWidget>(wizard)) {
        return problems << QStringLiteral("the wizard did not reach its SNMP page");
    }
    addProblems(problems, QStringLiteral("SNMP page"), &wizard, screen);
    clickNext(wizard);
    if (auto* proxy = currentPage<ProxyWidget>(wizard)) {
        clickIndicator(proxy->proxyCB);
        QTest::keyClicks(proxy->proxyname, QStringLiteral("proxy.example"));
        QTest::keyClicks(proxy->port, QStringLiteral("8080"));
        addProblems(problems, QStringLiteral("proxy page"), &wizard, screen);
        clickNext(wizard);
    }
    if (!currentPage<InfoWidget>(wizard)) {
        return problems << QStringLiteral("the wizard did not reach its summary");
    }
    addProblems(problems, QStringLiteral("summary page"), &wizard, screen);
    return problems;
}

// Shows the dialog filled as the configure-port flow fills it.
QStringList dialogProblems(int protocol, const QSize& screen) {
    PropertiesDlg dialog(protocol, nullptr, "test", true, Qt::WindowStaysOnTopHint);
    dialog.setTimeout(QStringLiteral("15"));
    dialog.setMonitoringEnabled(true);
    dialog.setCommunity(QStringLiteral("tulvex"));
    const QString port = protocol == kHttp ? QStringLiteral("http://10.0.0.7/elp3")
                                           : QStringLiteral("192.168.1.20:9100");
    dialog.portGB->setTitle(QObject::tr("Configuration for Port %1").arg(port));
    dialog.setProxyEnabled(protocol == kHttp);
    dialog.setProxyName(QStringLiteral("proxy.example"));
    dialog.setProxyPort(8080);
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog)) {
        return {QStringLiteral("the dialog was not shown")};
    }
    QStringList problems;
    addProblems(problems, QStringLiteral("properties"), &dialog, screen);
    return problems;
}

// Types any text key by key, as a keyboard of its script does.
void typeText(QWidget* field, const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// The horizontal middle of a widget in its window.
int middle(const QWidget* w) {
    return w->mapTo(w->window(), w->rect().center()).x();
}

// The input fields that must read left to right in any language: addresses,
// ports, numbers and the settings' values.
QStringList fieldsNotLeftToRight(QWidget* window) {
    QStringList wrong;
    const QList<QWidget*> fields = window->findChildren<QWidget*>();
    for (QWidget* w : fields) {
        if ((qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)) &&
            w->layoutDirection() != Qt::LeftToRight) {
            wrong << w->objectName();
        }
    }
    return wrong;
}

} // namespace

class LayoutsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void wizard_data();
    void wizard();
    void propertiesDialog_data();
    void propertiesDialog();
    void longerTextsWidenTheWindows();
    void largerFontCutsNothing_data();
    void largerFontCutsNothing();
    void mirroredRightToLeft_data();
    void mirroredRightToLeft();

    // The check itself finds what it is there for.
    void findsTextCutShort();
    void findsWrappedTextCutShort();
    void allowsOnlyEmptyEndLinesCut();
    void findsWindowBelowLayoutMinimum();
    void findsWidgetOutsideItsParent();
    void findsCharactersWithoutGlyphs();
    void findsWindowTooLargeForTheScreen();

private:
    void addLanguageRows();
};

void LayoutsTest::initTestCase() {
    // The scale factor really applies to the windows drawn.
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    QCOMPARE(qApp->devicePixelRatio(), scale);
}

void LayoutsTest::addLanguageRows() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("protocol");
    QStringList languages = QStringLiteral(LANGUAGES).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    languages.prepend(QStringLiteral("en"));
    for (const QString& language : languages) {
        QTest::addRow("%s socket", qPrintable(language)) << language << kSocket;
        QTest::addRow("%s http", qPrintable(language)) << language << kHttp;
    }
}

void LayoutsTest::wizard_data() {
    addLanguageRows();
}

void LayoutsTest::wizard() {
    QFETCH(QString, language);
    QFETCH(int, protocol);
    Language catalogue(language);
    QVERIFY(catalogue.loaded);
    const QStringList problems = wizardProblems(protocol, screenToFit());
    QVERIFY2(problems.isEmpty(), qPrintable(report(problems)));
}

void LayoutsTest::propertiesDialog_data() {
    addLanguageRows();
}

void LayoutsTest::propertiesDialog() {
    QFETCH(QString, language);
    QFETCH(int, protocol);
    Language catalogue(language);
    QVERIFY(catalogue.loaded);
    const QStringList problems = dialogProblems(protocol, screenToFit());
    QVERIFY2(problems.isEmpty(), qPrintable(report(problems)));
}

void LayoutsTest::longerTextsWidenTheWindows() {
    // Every text twice as long as in English: the layouts must grow with them
    // (no screen size is asked for: such windows need not fit a small one).
    DoubledTexts doubled;
    QCoreApplication::installTranslator(&doubled);
    QStringList problems = wizardProblems(kSocket, QSize());
    problems << wizardProblems(kHttp, QSize()) << dialogProblems(kSocket, QSize())
             << dialogProblems(kHttp, QSize());
    QCoreApplication::removeTranslator(&doubled);
    QVERIFY2(problems.isEmpty(), qPrintable(report(problems)));
}

void LayoutsTest::largerFontCutsNothing_data() {
    addLanguageRows();
}

void LayoutsTest::largerFontCutsNothing() {
    // A desktop's font may be wider than the one here: a wrapped text then
    // prefers a width that its window does not give it, and needs more lines.
    QFETCH(QString, language);
    QFETCH(int, protocol);
    Language catalogue(language);
    QVERIFY(catalogue.loaded);
    const QFont font = QApplication::font();
    QFont larger = font;
    larger.setPointSizeF(font.pointSizeF() * 1.5);
    QApplication::setFont(larger);
    QStringList problems = wizardProblems(protocol, QSize());
    problems << dialogProblems(protocol, QSize());
    QApplication::setFont(font);
    QVERIFY2(problems.isEmpty(), qPrintable(report(problems)));
}

void LayoutsTest::mirroredRightToLeft_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("mirrored");
    QTest::newRow("ar") << QStringLiteral("ar") << true;
    QTest::newRow("he") << QStringLiteral("he") << true;
    QTest::newRow("en") << QStringLiteral("en") << false;
}

void LayoutsTest::mirroredRightToLeft() {
    // Arabic and Hebrew lay the windows out right to left: the wizard's
    // buttons in mirrored order, the summary's symbol right of its message,
    // labels aligned right; the fields keep reading left to right, also with
    // Arabic typed into one.
    QFETCH(QString, language);
    QFETCH(bool, mirrored);
    Language catalogue(language);
    QVERIFY(catalogue.loaded);
    const auto inOrder = [mirrored](const QList<QWidget*>& leftToRight) {
        for (int i = 1; i < leftToRight.size(); ++i) {
            if ((middle(leftToRight[i - 1]) < middle(leftToRight[i])) == mirrored) {
                return false;
            }
        }
        return true;
    };
    AddPortWizard wizard;
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));
    QCOMPARE(wizard.isRightToLeft(), mirrored);
    // In English: Back, Next, Finish, Cancel from left to right.
    QVERIFY(inOrder({wizard.backButton(), wizard.nextButton(), wizard.cancelButton()}));
    clickNext(wizard);
    auto* socket = currentPage<AddSocketPortWidget>(wizard);
    QVERIFY(socket);
    QTest::keyClicks(socket->hostname, QStringLiteral("10.0.0.5"));
    QVERIFY(inOrder({socket->ipLabel, socket->hostname}));
    const Qt::Alignment labelSide =
        QStyle::visualAlignment(socket->ipLabel->layoutDirection(), socket->ipLabel->alignment());
    QCOMPARE(labelSide & (Qt::AlignLeft | Qt::AlignRight),
             mirrored ? Qt::AlignRight : Qt::AlignLeft);
    clickNext(wizard);
    auto* snmp = currentPage<SnmpWidget>(wizard);
    QVERIFY(snmp);
    const QString arabic = QStringLiteral("مجتمع");
    snmp->communityLE->clear();
    typeText(snmp->communityLE, arabic);
    QCOMPARE(snmp->communityLE->text(), arabic);
    QCOMPARE(wizard.community(), arabic);
    clickNext(wizard);
    auto* info = currentPage<InfoWidget>(wizard);
    QVERIFY(info);
    QVERIFY(inOrder({info->pixmap, info->message}));
    // The toolkit keeps a table's columns in the order written, so the
    // mirrored summary writes the values first.
    QTextDocument summary;
    summary.setHtml(info->message->text());
    const auto* table = qobject_cast<QTextTable*>(summary.rootFrame()->childFrames().value(0));
    QVERIFY(table);
    QCOMPARE(table->cellAt(0, 0).firstCursorPosition().block().text() == QStringLiteral("10.0.0.5"),
             mirrored);
    QStringList wrong = fieldsNotLeftToRight(&wizard);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char(' '))));

    PropertiesDlg dialog(kHttp, nullptr, "test", true, Qt::WindowStaysOnTopHint);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(inOrder({dialog.okButton, dialog.cancelButton}));
    QVERIFY(inOrder({dialog.timeoutLabel, dialog.findChild<QLineEdit*>("timeout")}));
    wrong = fieldsNotLeftToRight(&dialog);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char(' '))));
}

void LayoutsTest::findsTextCutShort() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* box = new QCheckBox(QStringLiteral("A check box whose text needs a good deal of room"));
    auto* button = new QPushButton(QStringLiteral("A push button with a long text"));
    layout->addWidget(box);
    layout->addWidget(button);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY2(layoutProblems(&window).isEmpty(), qPrintable(report(layoutProblems(&window))));

    // Fixed sizes that the texts outgrow, as a form might set them.
    box->setFixedWidth(box->sizeHint().width() / 2);
    button->setFixedWidth(button->sizeHint().width() - 4);
    window.layout()->activate();
    const QStringList problems = layoutProblems(&window);
    QCOMPARE(problems.size(), 2);
    QVERIFY(problems.at(0).startsWith(QStringLiteral("QCheckBox")));
    QVERIFY(problems.at(1).startsWith(QStringLiteral("QPushButton")));
}

void LayoutsTest::findsWrappedTextCutShort() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* label = new QLabel(QStringLiteral("A wrapped text. ").repeated(30));
    label->setWordWrap(true);
    layout->addWidget(label);
    window.resize(300, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY2(layoutProblems(&window).isEmpty(), qPrintable(report(layoutProblems(&window))));

    // A window whose layout holds a wrapped label keeps no minimum height of
    // its own, so it can be made too low for the text.
    window.resize(300, label->heightForWidth(label->width()) / 2);
    window.layout()->activate();
    QStringList problems = layoutProblems(&window);
    QCOMPARE(problems.size(), 1);
    QVERIFY2(problems.first().startsWith(QStringLiteral("QLabel")), qPrintable(report(problems)));

    // A fixed height is the label's size hint, which is measured at a width of
    // the label's own choosing: narrower, the text needs more lines than that.
    window.resize(300, 400);
    QSizePolicy fixedHeight(QSizePolicy::Preferred, QSizePolicy::Fixed);
    fixedHeight.setHeightForWidth(true);
    label->setSizePolicy(fixedHeight);
    window.layout()->activate();
    QVERIFY(label->sizeHint().width() > label->width());
    problems = layoutProblems(&window);
    QCOMPARE(problems.size(), 1);
    QVERIFY2(problems.first().startsWith(QStringLiteral("QLabel")), qPrintable(report(problems)));
}

void LayoutsTest::allowsOnlyEmptyEndLinesCut() {
    QWidget window;
    auto* label = new QLabel(&window);
    label->setText(QStringLiteral("\nSome text\n"));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    const int line = label->fontMetrics().lineSpacing();
    const int full = label->heightForWidth(200);
    label->setGeometry(0, 0, 200, full - 2 * line);
    window.resize(200, full);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY2(layoutProblems(&window).isEmpty(), qPrintable(report(layoutProblems(&window))));

    label->setGeometry(0, 0, 200, full - 2 * line - 1);
    QCOMPARE(layoutProblems(&window).size(), 1);

    // At the top of its room the text loses its last line only.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(0, 0, 200, full - line);
    QVERIFY2(layoutProblems(&window).isEmpty(), qPrintable(report(layoutProblems(&window))));
    label->setGeometry(0, 0, 200, full - line - 1);
    QCOMPARE(layoutProblems(&window).size(), 1);
}

void LayoutsTest::findsWindowBelowLayoutMinimum() {
    QGroupBox window(QStringLiteral("Group"));
    auto* layout = new QVBoxLayout(&window);
    auto* field = new QLineEdit;
    layout->addWidget(new QLabel(QStringLiteral("First row")));
    layout->addWidget(field);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(window.layout()->totalMinimumSize() - QSize(0, 10));
    const QStringList problems = layoutProblems(&window);
    QVERIFY2(problems.join(QLatin1Char('\n')).contains(QStringLiteral("layout's minimum")),
             qPrintable(report(problems)));
}

void LayoutsTest::findsWidgetOutsideItsParent() {
    QWidget window;
    auto* group = new QGroupBox(QStringLiteral("Group"), &window);
    group->setGeometry(0, 0, 300, 100);
    auto* label = new QLabel(QStringLiteral("Inside"), group);
    label->setGeometry(10, 30, label->sizeHint().width(), label->sizeHint().height());
    window.resize(300, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY2(layoutProblems(&window).isEmpty(), qPrintable(report(layoutProblems(&window))));

    label->move(280, 30);
    const QStringList problems = layoutProblems(&window);
    QCOMPARE(problems.size(), 1);
    QVERIFY2(problems.first().contains(QStringLiteral("reaches out of QGroupBox")),
             qPrintable(report(problems)));
}

void LayoutsTest::findsCharactersWithoutGlyphs() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    // Japanese and Chinese come from the CJK fonts that the set-up installs.
    auto* label = new QLabel(QStringLiteral("Port ポート 端口"));
    layout->addWidget(label);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY2(layoutProblems(&window).isEmpty(), qPrintable(report(layoutProblems(&window))));

    // A private-use character has a glyph in no font.
    label->setText(QStringLiteral("Port ") + QChar(0xE000));
    window.layout()->activate();
    const QStringList problems = layoutProblems(&window);
    QCOMPARE(problems.size(), 1);
    QVERIFY2(problems.first().contains(QStringLiteral("no glyph for 1 characters")),
             qPrintable(report(problems)));
}

void LayoutsTest::findsWindowTooLargeForTheScreen() {
    QWidget window;
    window.resize(1280, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(layoutProblems(&window, QSize(1280, 800)).size(), 1);
    window.resize(1000, 700);
    QVERIFY(layoutProblems(&window, QSize(1280, 800)).isEmpty());
}

QTEST_MAIN(LayoutsTest)
#include "test_layouts.moc"
