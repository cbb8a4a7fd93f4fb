// The wizard frame: page list, button states, the button row and show handling.
#include "platform/win32_testing.h"
#include "wizard/bwizard.h"
#include "wizard/wizardtesting.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

namespace {

QWidget* makePage(const QString& text) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(text, page));
    return page;
}

// A page with a label and a line edit for each name, in this order.
QWidget* makeFieldPage(std::initializer_list<const char*> names) {
    QWidget* page = makePage(QStringLiteral("fields"));
    for (const char* name : names) {
        auto* field = new QLineEdit(page);
        field->setObjectName(QLatin1String(name));
        page->layout()->addWidget(field);
    }
    return page;
}

// Which of the frame's buttons is the default, e.g. "next".
QString defaultButton(BWizard& wizard) {
    QStringList names;
    for (QPushButton* b : {wizard.backButton(), wizard.nextButton(), wizard.finishButton(),
                           wizard.cancelButton(), wizard.helpButton()}) {
        if (b->isDefault()) {
            names << b->objectName();
        }
    }
    return names.join(QLatin1Char(' '));
}

class NextTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char*,
                      int) const override {
        if (qstrcmp(context, "QObject") == 0 && qstrcmp(sourceText, "Next") == 0) {
            return QStringLiteral("Weiter");
        }
        if (qstrcmp(context, "QObject") == 0 && qstrcmp(sourceText, "Back") == 0) {
            return QStringLiteral("Zurück");
        }
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class BWizardTest : public QObject {
    Q_OBJECT
private slots:
    void onePageShowsFinishOnly();
    void buttonRowFollowsThePages();
    void earlyFinishShowsNextAndFinish();
    void helpAndTitlesAreNeverShown();
    void pageListOperations();
    void removedPageSurvivesTheWizard();
    void finishAcceptsCancelEscapeAndCloseReject();
    void eachShowIsLogged();
    void captionsAreTranslatedUnderQObject();
    void defaultIsNextOrFinishNeverBackOrCancel();
    void returnPressesTheFocusedButtonOrTheDefault();
    void showingAPageFocusesItsFirstTabStop();
    void windowTakesTheHeightOfWrappedTexts();
};

void BWizardTest::onePageShowsFinishOnly() {
    BWizard wizard(nullptr, "one", false);
    QWidget* only = makePage(QStringLiteral("only page"));
    wizard.addPage(only, QStringLiteral("only"));
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));

    QCOMPARE(wizard.currentPage(), only);
    QCOMPARE(describeRow(wizard), QStringLiteral("stretch42 back space6 finish cancel"));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back- finish- cancel+"));

    // Finish on the single page: still Finish alone, now enabled.
    wizard.setFinishEnabled(only, true);
    QCOMPARE(describeRow(wizard), QStringLiteral("stretch42 back space6 finish cancel"));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back- finish+ cancel+"));
}

void BWizardTest::buttonRowFollowsThePages() {
    BWizard wizard;
    QWidget* first = makePage(QStringLiteral("first"));
    QWidget* second = makePage(QStringLiteral("second"));
    QWidget* third = makePage(QStringLiteral("third"));
    wizard.addPage(first, QStringLiteral("1"));
    wizard.addPage(second, QStringLiteral("2"));
    wizard.addPage(third, QStringLiteral("3"));
    wizard.resize(600, 300);
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));

    QCOMPARE(wizard.currentPage(), first);
    QVERIFY(first->isVisible());
    QCOMPARE(describeRow(wizard), QStringLiteral("stretch42 back space6 next cancel"));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back- next+ cancel+"));
    QCOMPARE(wizard.backButton()->text(), QStringLiteral("< Back"));
    QCOMPARE(wizard.nextButton()->text(), QStringLiteral("Next >"));
    QCOMPARE(wizard.cancelButton()->text(), QStringLiteral("Cancel"));
    QCOMPARE(wizard.finishButton()->text(), QStringLiteral("Finish"));
    // The free space is at the left: the row's buttons sit at the right edge.
    QVERIFY(wizard.backButton()->x() > 300);
    QCOMPARE(wizard.cancelButton()->geometry().right(), wizard.width() - 1 - 6);

    QTest::mouseClick(wizard.nextButton(), Qt::LeftButton);
    QCOMPARE(wizard.currentPage(), second);
    QVERIFY(second->isVisible());
    QVERIFY(!first->isVisible());
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next+ cancel+"));

    // A page's own states: Next off, Back off.
    wizard.setNextEnabled(second, false);
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next- cancel+"));
    wizard.setBackEnabled(second, false);
    QCOMPARE(shownButtons(wizard), QStringLiteral("back- next- cancel+"));
    wizard.setNextEnabled(second, true);
    wizard.setBackEnabled(second, true);

    QTest::mouseClick(wizard.nextButton(), Qt::LeftButton);
    QCOMPARE(wizard.currentPage(), third);
    // The last page with Finish off: Finish alone, disabled.
    QCOMPARE(describeRow(wizard), QStringLiteral("stretch42 back space6 finish cancel"));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ finish- cancel+"));

    QTest::mouseClick(wizard.backButton(), Qt::LeftButton);
    QCOMPARE(wizard.currentPage(), second);
    QTest::mouseClick(wizard.backButton(), Qt::LeftButton);
    QCOMPARE(wizard.currentPage(), first);
    QCOMPARE(shownButtons(wizard), QStringLiteral("back- next+ cancel+"));

    // Appending a page after the last one, while it is shown, brings Next back.
    QTest::mouseClick(wizard.nextButton(), Qt::LeftButton);
    QTest::mouseClick(wizard.nextButton(), Qt::LeftButton);
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ finish- cancel+"));
    QWidget* fourth = makePage(QStringLiteral("fourth"));
    wizard.addPage(fourth, QStringLiteral("4"));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next+ cancel+"));
}

void BWizardTest::earlyFinishShowsNextAndFinish() {
    BWizard wizard;
    QWidget* first = makePage(QStringLiteral("first"));
    QWidget* second = makePage(QStringLiteral("second"));
    wizard.addPage(first, QStringLiteral("1"));
    wizard.addPage(second, QStringLiteral("2"));
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));

    wizard.setFinishEnabled(first, true);
    QCOMPARE(describeRow(wizard),
             QStringLiteral("stretch42 back space6 next space12 finish cancel"));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back- next+ finish+ cancel+"));
    // The spacer before Finish is 6 pixels wider than the one before Next.
    QTRY_VERIFY(wizard.finishButton()->x() > wizard.nextButton()->x());
    const int backToNext = wizard.nextButton()->x() - wizard.backButton()->geometry().right();
    const int nextToFinish = wizard.finishButton()->x() - wizard.nextButton()->geometry().right();
    QCOMPARE(nextToFinish - backToNext, 6);

    // On the last page as well, whatever its position.
    QTest::mouseClick(wizard.nextButton(), Qt::LeftButton);
    QCOMPARE(wizard.currentPage(), second);
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ finish- cancel+"));
    wizard.setFinishEnabled(second, true);
    QCOMPARE(describeRow(wizard),
             QStringLiteral("stretch42 back space6 next space12 finish cancel"));
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next- finish+ cancel+"));

    // Turning Finish off again goes back to Finish alone.
    wizard.setFinishEnabled(second, false);
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ finish- cancel+"));
}

void BWizardTest::helpAndTitlesAreNeverShown() {
    BWizard wizard;
    QWidget* first = makePage(QStringLiteral("first"));
    wizard.addPage(first, QStringLiteral("The first page's title"));
    wizard.addPage(makePage(QStringLiteral("second")), QStringLiteral("The second page's title"));
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));

    QVERIFY(!wizard.helpButton()->isVisible());
    QVERIFY(!wizard.helpButton()->isEnabled());
    QCOMPARE(wizard.helpButton()->text(), QStringLiteral("Help"));
    QVERIFY(!describeRow(wizard).contains(QStringLiteral("help")));

    QCOMPARE(wizard.title(first), QStringLiteral("The first page's title"));
    wizard.setTitle(first, QStringLiteral("Renamed"));
    QCOMPARE(wizard.title(first), QStringLiteral("Renamed"));
    // No label anywhere in the window shows a title; the page content is the
    // topmost thing in the window.
    for (QLabel* label : wizard.findChildren<QLabel*>()) {
        QVERIFY2(!label->text().contains(QStringLiteral("title")) &&
                     label->text() != QStringLiteral("Renamed"),
                 qPrintable(label->text()));
    }
    QVERIFY(first->mapTo(&wizard, QPoint(0, 0)).y() <= 6);

    QTest::mouseClick(wizard.nextButton(), Qt::LeftButton);
    QVERIFY(!wizard.helpButton()->isVisible());
}

void BWizardTest::pageListOperations() {
    BWizard wizard;
    QWidget* a = makePage(QStringLiteral("a"));
    QWidget* b = makePage(QStringLiteral("b"));
    QWidget* c = makePage(QStringLiteral("c"));
    QWidget* d = makePage(QStringLiteral("d"));
    wizard.insertPage(a, QStringLiteral("a"), 0);
    wizard.insertPage(b, QStringLiteral("b"), 7); // past the end: appended
    wizard.insertPage(c, QStringLiteral("c"), 1); // between a and b
    wizard.addPage(a, QStringLiteral("again"));   // already there: ignored
    QCOMPARE(wizard.pageCount(), 3);
    QCOMPARE(wizard.page(0), a);
    QCOMPARE(wizard.page(1), c);
    QCOMPARE(wizard.page(2), b);
    QCOMPARE(wizard.page(3), nullptr);
    QCOMPARE(wizard.indexOf(b), 2);
    QCOMPARE(wizard.indexOf(d), -1);
    QCOMPARE(wizard.title(a), QStringLiteral("a"));
    QCOMPARE(wizard.currentPage(), nullptr);

    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));
    QCOMPARE(wizard.currentPage(), a);

    // Removing the current page shows the one before it.
    QTest::mouseClick(wizard.nextButton(), Qt::LeftButton);
    QCOMPARE(wizard.currentPage(), c);
    wizard.setNextEnabled(c, false);
    QPointer<QWidget> removed(c);
    wizard.removePage(c);
    QVERIFY(!removed.isNull());
    QCOMPARE(c->parentWidget(), nullptr);
    QVERIFY(!c->isVisible());
    QCOMPARE(wizard.pageCount(), 2);
    QCOMPARE(wizard.currentPage(), a);
    QVERIFY(a->isVisible());
    // States of a page not in the list are ignored; put back, it starts afresh.
    wizard.setBackEnabled(c, false);
    wizard.insertPage(c, QStringLiteral("c"), 1);
    QCOMPARE(c->parentWidget()->window(), &wizard);
    QVERIFY(!c->isVisible());
    QTest::mouseClick(wizard.nextButton(), Qt::LeftButton);
    QCOMPARE(wizard.currentPage(), c);
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ next+ cancel+"));

    // Removing a page that is not shown keeps the current one.
    wizard.removePage(b);
    QCOMPARE(wizard.currentPage(), c);
    QCOMPARE(shownButtons(wizard), QStringLiteral("back+ finish- cancel+"));
    wizard.removePage(d); // not in the list: nothing happens
    QCOMPARE(wizard.pageCount(), 2);

    // A page deleted by its owner leaves the list.
    delete a;
    QCOMPARE(wizard.pageCount(), 1);
    QCOMPARE(wizard.page(0), c);
    delete b;
    delete d;
}

void BWizardTest::removedPageSurvivesTheWizard() {
    QPointer<QWidget> kept = makePage(QStringLiteral("kept"));
    QPointer<QWidget> owned = makePage(QStringLiteral("owned"));
    {
        BWizard wizard;
        wizard.addPage(kept, QStringLiteral("kept"));
        wizard.addPage(owned, QStringLiteral("owned"));
        wizard.removePage(kept);
    }
    QVERIFY(!kept.isNull());
    QVERIFY(owned.isNull());
    delete kept;
}

void BWizardTest::finishAcceptsCancelEscapeAndCloseReject() {
    BWizard wizard;
    QWidget* only = makePage(QStringLiteral("only"));
    wizard.addPage(only, QStringLiteral("only"));
    wizard.setFinishEnabled(only, true);
    QSignalSpy accepted(&wizard, &QDialog::accepted);
    QSignalSpy rejected(&wizard, &QDialog::rejected);

    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));
    QTest::mouseClick(wizard.finishButton(), Qt::LeftButton);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(wizard.result(), int(QDialog::Accepted));
    QVERIFY(!wizard.isVisible());

    wizard.show();
    QTest::mouseClick(wizard.cancelButton(), Qt::LeftButton);
    QCOMPARE(rejected.count(), 1);
    QCOMPARE(wizard.result(), int(QDialog::Rejected));

    wizard.show();
    QTest::keyClick(&wizard, Qt::Key_Escape);
    QCOMPARE(rejected.count(), 2);
    QVERIFY(!wizard.isVisible());

    wizard.show();
    wizard.close();
    QCOMPARE(rejected.count(), 3);
    QCOMPARE(accepted.count(), 1);
}

void BWizardTest::eachShowIsLogged() {
    BWizard wizard;
    wizard.addPage(makePage(QStringLiteral("only")), QStringLiteral("only"));
    win32::beginDebugCapture();
    wizard.show();
    wizard.hide();
    wizard.show();
    const std::string log = win32::endDebugCapture();
    QCOMPARE(QString::fromStdString(log), QStringLiteral("showEvent\nshowEvent\n"));
}

void BWizardTest::captionsAreTranslatedUnderQObject() {
    NextTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    BWizard wizard;
    wizard.addPage(makePage(QStringLiteral("first")), QStringLiteral("1"));
    wizard.addPage(makePage(QStringLiteral("second")), QStringLiteral("2"));
    wizard.show();
    QCOMPARE(wizard.nextButton()->text(), QStringLiteral("Weiter >"));
    QCOMPARE(wizard.backButton()->text(), QStringLiteral("< Zurück"));
    QCOMPARE(wizard.cancelButton()->text(), QStringLiteral("Cancel"));
    // A screen reader gets the words without the arrow marks.
    QCOMPARE(wizard.nextButton()->accessibleName(), QStringLiteral("Weiter"));
    QCOMPARE(wizard.backButton()->accessibleName(), QStringLiteral("Zurück"));
    QCoreApplication::removeTranslator(&translator);
}

void BWizardTest::defaultIsNextOrFinishNeverBackOrCancel() {
    BWizard wizard;
    QWidget* first = makeFieldPage({"a"});
    QWidget* second = makeFieldPage({"b"});
    wizard.addPage(first, QStringLiteral("1"));
    wizard.addPage(second, QStringLiteral("2"));
    wizard.show();
    QVERIFY(QTest::qWaitForWindowActive(&wizard));
    for (QPushButton* b : wizard.findChildren<QPushButton*>()) {
        QVERIFY2(!b->autoDefault(), qPrintable(b->objectName()));
    }
    QCOMPARE(defaultButton(wizard), QStringLiteral("next"));

    // Clicking Next and tabbing onto Back or Cancel leaves Next the default.
    QTest::mouseClick(wizard.nextButton(), Qt::LeftButton);
    wizard.insertPage(makeFieldPage({"c"}), QStringLiteral("3"), 2);
    QCOMPARE(focusName(), QStringLiteral("b"));
    pressKey(wizard, Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("back"));
    QCOMPARE(defaultButton(wizard), QStringLiteral("next"));
    pressKey(wizard, Qt::Key_Tab);
    pressKey(wizard, Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("cancel"));
    QCOMPARE(defaultButton(wizard), QStringLiteral("next"));

    // Finish with Next: Next stays the default. Finish without Next: Finish.
    wizard.setFinishEnabled(second, true);
    QCOMPARE(defaultButton(wizard), QStringLiteral("next"));
    wizard.setNextEnabled(second, false);
    QCOMPARE(defaultButton(wizard), QStringLiteral("finish"));
    // Neither: Next, disabled, stays the default, so Return does nothing.
    wizard.setFinishEnabled(second, false);
    QCOMPARE(defaultButton(wizard), QStringLiteral("next"));
    QVERIFY(!wizard.nextButton()->isEnabled());
}

void BWizardTest::returnPressesTheFocusedButtonOrTheDefault() {
    BWizard wizard;
    QWidget* first = makeFieldPage({"a"});
    QWidget* second = makeFieldPage({"b"});
    QWidget* last = makeFieldPage({"c"});
    wizard.addPage(first, QStringLiteral("1"));
    wizard.addPage(second, QStringLiteral("2"));
    wizard.addPage(last, QStringLiteral("3"));
    QSignalSpy accepted(&wizard, &QDialog::accepted);
    QSignalSpy rejected(&wizard, &QDialog::rejected);
    wizard.show();
    QVERIFY(QTest::qWaitForWindowActive(&wizard));

    QCOMPARE(focusName(), QStringLiteral("a"));
    pressKey(wizard, Qt::Key_Return);
    QCOMPARE(wizard.currentPage(), second);
    QCOMPARE(focusName(), QStringLiteral("b"));
    // A focused Back is pressed by Return although Next is the default.
    pressKey(wizard, Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("back"));
    pressKey(wizard, Qt::Key_Return);
    QCOMPARE(wizard.currentPage(), first);
    QCOMPARE(focusName(), QStringLiteral("a"));
    // The keypad's Enter goes on like Return.
    pressKey(wizard, Qt::Key_Enter, Qt::KeypadModifier);
    pressKey(wizard, Qt::Key_Return);
    QCOMPARE(wizard.currentPage(), last);

    // The last page with Finish off: Return does nothing.
    pressKey(wizard, Qt::Key_Return);
    QCOMPARE(wizard.currentPage(), last);
    QVERIFY(wizard.isVisible());
    wizard.setFinishEnabled(last, true);
    pressKey(wizard, Qt::Key_Return);
    QCOMPARE(accepted.count(), 1);
    QVERIFY(!wizard.isVisible());

    // A focused Cancel is pressed by Return.
    wizard.show();
    QVERIFY(QTest::qWaitForWindowActive(&wizard));
    QCOMPARE(focusName(), QStringLiteral("c"));
    pressKey(wizard, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focusName(), QStringLiteral("cancel"));
    pressKey(wizard, Qt::Key_Return);
    QCOMPARE(rejected.count(), 1);
    QCOMPARE(accepted.count(), 1);

    // Return with a modifier presses nothing.
    wizard.show();
    QVERIFY(QTest::qWaitForWindowActive(&wizard));
    wizard.setFinishEnabled(last, false);
    QTest::mouseClick(wizard.backButton(), Qt::LeftButton);
    pressKey(wizard, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(wizard.currentPage(), second);
}

void BWizardTest::showingAPageFocusesItsFirstTabStop() {
    BWizard wizard;
    // A hidden field before x.
    QWidget* fields = makeFieldPage({"hidden", "x"});
    fields->findChild<QWidget*>(QStringLiteral("hidden"))->hide();
    // A disabled field, then two exclusive buttons with the second one on.
    QWidget* choice = makeFieldPage({"off"});
    choice->findChild<QWidget*>(QStringLiteral("off"))->setEnabled(false);
    for (const char* name : {"r1", "r2"}) {
        auto* radio = new QRadioButton(QLatin1String(name), choice);
        radio->setObjectName(QLatin1String(name));
        choice->layout()->addWidget(radio);
    }
    choice->findChild<QRadioButton*>(QStringLiteral("r2"))->setChecked(true);
    // Pages without a tab stop.
    QWidget* plain = makePage(QStringLiteral("nothing to focus"));
    QWidget* summary = makePage(QStringLiteral("nothing to focus either"));
    for (QWidget* page : {fields, choice, plain, summary}) {
        wizard.addPage(page, QString());
    }
    wizard.setFinishEnabled(summary, true);
    wizard.show();
    QVERIFY(QTest::qWaitForWindowActive(&wizard));

    QStringList focused{focusName()};
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(wizard.nextButton(), Qt::LeftButton);
        focused << focusName();
    }
    QTest::mouseClick(wizard.backButton(), Qt::LeftButton);
    focused << focusName();
    // The default button stands in for a page without a tab stop.
    QCOMPARE(focused, QStringList({"x", "r2", "next", "finish", "next"}));
}

void BWizardTest::windowTakesTheHeightOfWrappedTexts() {
    // Two pages whose wrapped texts need more lines than a window of the
    // toolkit's minimum height holds; the second one needs the most.
    BWizard wizard;
    QLabel* labels[2];
    for (int i = 0; i < 2; ++i) {
        auto* page = new QWidget;
        auto* layout = new QVBoxLayout(page);
        labels[i] = new QLabel(QStringLiteral("A text that wraps. ").repeated(20 * (i + 1)));
        labels[i]->setWordWrap(true);
        layout->addWidget(labels[i]);
        wizard.addPage(page, QStringLiteral("page"));
    }
    wizard.resize(300, 100);
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));
    QCOMPARE(wizard.width(), 300);
    for (QLabel* label : labels) {
        wizard.showPage(label->parentWidget());
        QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                 qPrintable(QStringLiteral("%1 for %2")
                                .arg(label->height())
                                .arg(label->heightForWidth(label->width()))));
    }
}

QTEST_MAIN(BWizardTest)
#include "tst_bwizard.moc"
