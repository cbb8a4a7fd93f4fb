// The properties form: naming, cells, group box layouts, the community field's
// limit, the two check box connections and the tab order.
#include "forms/uiproperties.h"

#include <QApplication>
#include <QStyle>
#include <QtTest>

namespace {

// "(row, column, row span, column span)" of a widget or layout in `grid`; all -1 when it is not
// there.
QString cellOf(QGridLayout* grid, QObject* item) {
    int cell[4] = {-1, -1, -1, -1};
    const int index = qobject_cast<QWidget*>(item) != nullptr
                          ? grid->indexOf(static_cast<QWidget*>(item))
                          : grid->indexOf(static_cast<QLayout*>(item));
    if (index >= 0) {
        grid->getItemPosition(index, &cell[0], &cell[1], &cell[2], &cell[3]);
    }
    return QStringLiteral("(%1, %2, %3, %4)").arg(cell[0]).arg(cell[1]).arg(cell[2]).arg(cell[3]);
}

// Clicks a check box on its indicator: a check box wider than its text only
// reacts to clicks on the indicator and the text.
void clickCheckBox(QCheckBox* box) {
    const int indicator = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(indicator / 2 + 1, box->height() / 2));
}

} // namespace

class TestUIProperties : public QObject {
    Q_OBJECT

private slots:
    void naming();
    void cells_data();
    void cells();
    void buttonRowAndIndent();
    void groupBoxLayouts();
    void communityLimit();
    void checkBoxesSwitchGroups();
    void tabOrder();
};

void TestUIProperties::naming() {
    UIProperties unnamed;
    QCOMPARE(unnamed.objectName(), QStringLiteral("UIProperties"));
    QVERIFY(!unnamed.isModal());
    QCOMPARE(unnamed.windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(unnamed.size(), QSize(446, 527));

    QWidget owner;
    auto* named = new UIProperties(&owner, "test", true, Qt::Dialog | Qt::WindowStaysOnTopHint);
    QCOMPARE(named->objectName(), QStringLiteral("test"));
    QVERIFY(named->isModal());
    QCOMPARE(named->parentWidget(), &owner);
    QCOMPARE(named->windowType(), Qt::Dialog);
    QVERIFY(named->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    // The main grid and its two nested layouts carry names, the group boxes'
    // inner layouts none.
    QCOMPARE(unnamed.UIPropertiesLayout->objectName(), QStringLiteral("UIPropertiesLayout"));
    QCOMPARE(unnamed.Layout3->objectName(), QStringLiteral("Layout3"));
    QCOMPARE(unnamed.Layout6_2->objectName(), QStringLiteral("Layout6_2"));
    QVERIFY(unnamed.portGBLayout->objectName().isEmpty());
}

void TestUIProperties::cells_data() {
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("rowSpan");
    QTest::addColumn<int>("columnSpan");

    QTest::newRow("description") << "main"
                                 << "description" << 1 << 0 << 1 << 2;
    QTest::newRow("generalGB") << "main"
                               << "generalGB" << 3 << 0 << 1 << 2;
    QTest::newRow("portGB") << "main"
                            << "portGB" << 4 << 0 << 1 << 2;
    QTest::newRow("timeoutLabel") << "Layout3"
                                  << "timeoutLabel" << 1 << 1 << 1 << 1;
    QTest::newRow("timeout") << "Layout3"
                             << "timeout" << 1 << 3 << 1 << 1;
    QTest::newRow("unit") << "Layout3"
                          << "unit" << 1 << 4 << 1 << 1;
    QTest::newRow("snmpCB") << "portGB"
                            << "snmpCB" << 1 << 1 << 1 << 1;
    QTest::newRow("snmpGB") << "portGB"
                            << "snmpGB" << 2 << 1 << 1 << 1;
    QTest::newRow("proxyCB") << "portGB"
                             << "proxyCB" << 4 << 1 << 1 << 1;
    QTest::newRow("proxyGB") << "portGB"
                             << "proxyGB" << 5 << 1 << 1 << 1;
    QTest::newRow("proxyLabel") << "proxyGB"
                                << "proxyLabel" << 1 << 1 << 1 << 1;
    QTest::newRow("proxyname") << "proxyGB"
                               << "proxyname" << 1 << 2 << 1 << 2;
    QTest::newRow("portLabel") << "proxyGB"
                               << "portLabel" << 2 << 1 << 1 << 1;
    QTest::newRow("port") << "proxyGB"
                          << "port" << 2 << 2 << 1 << 2;
    QTest::newRow("communityLabel") << "snmpGB"
                                    << "communityLabel" << 1 << 1 << 1 << 1;
    QTest::newRow("communityLE") << "snmpGB"
                                 << "communityLE" << 1 << 2 << 1 << 2;
}

void TestUIProperties::cells() {
    QFETCH(QString, grid);
    QFETCH(QString, widget);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, rowSpan);
    QFETCH(int, columnSpan);

    UIProperties form;
    const QHash<QString, QGridLayout*> grids = {{QStringLiteral("main"), form.UIPropertiesLayout},
                                                {QStringLiteral("Layout3"), form.Layout3},
                                                {QStringLiteral("portGB"), form.portGBLayout},
                                                {QStringLiteral("proxyGB"), form.proxyGBLayout},
                                                {QStringLiteral("snmpGB"), form.snmpGBLayout}};
    auto* child = form.findChild<QWidget*>(widget);
    QVERIFY(child != nullptr);
    QCOMPARE(cellOf(grids.value(grid), child),
             QStringLiteral("(%1, %2, %3, %4)").arg(row).arg(column).arg(rowSpan).arg(columnSpan));
}

void TestUIProperties::buttonRowAndIndent() {
    UIProperties form;
    // OK and Cancel at the right-hand end of the last row.
    QCOMPARE(cellOf(form.UIPropertiesLayout, form.Layout6_2), QStringLiteral("(5, 0, 1, 2)"));
    QCOMPARE(form.Layout6_2->count(), 3);
    QCOMPARE(form.Layout6_2->itemAt(0)->expandingDirections(), Qt::Horizontal);
    QCOMPARE(form.Layout6_2->itemAt(1)->widget(), form.okButton);
    QCOMPARE(form.Layout6_2->itemAt(2)->widget(), form.cancelButton);
    // The per-port group's column is indented by a fixed 16 pixels.
    QLayoutItem* indent = form.portGBLayout->itemAtPosition(1, 0);
    QVERIFY(indent != nullptr && indent->spacerItem() != nullptr);
    QCOMPARE(indent->sizeHint(), QSize(16, 20));
    QCOMPARE(indent->expandingDirections(), Qt::Orientations());
}

void TestUIProperties::groupBoxLayouts() {
    UIProperties form;
    const struct {
        QGroupBox* box;
        QLayout* inner;
    } groups[] = {{form.generalGB, form.generalGBLayout},
                  {form.portGB, form.portGBLayout},
                  {form.proxyGB, form.proxyGBLayout},
                  {form.snmpGB, form.snmpGBLayout}};
    for (const auto& group : groups) {
        const QString name = group.box->objectName();
        auto* outer = qobject_cast<QVBoxLayout*>(group.box->layout());
        QVERIFY2(outer != nullptr, qPrintable(name));
        QCOMPARE(outer->spacing(), 6);
        QCOMPARE(outer->contentsMargins(), QMargins(11, 11, 11, 11));
        QCOMPARE(outer->count(), 1);
        QCOMPARE(outer->itemAt(0)->layout(), group.inner);
        QCOMPARE(outer->itemAt(0)->alignment(), Qt::Alignment(Qt::AlignTop));
        // The inner layout takes its spacing from the group's layout.
        QCOMPARE(group.inner->spacing(), 6);
    }
    QVERIFY(qobject_cast<QHBoxLayout*>(form.generalGBLayout) != nullptr);
    QCOMPARE(form.generalGBLayout->itemAt(0)->layout(), form.Layout3);
}

void TestUIProperties::communityLimit() {
    UIProperties form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    form.communityLE->setText(QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
    QCOMPARE(form.communityLE->text(), QStringLiteral("abcdefghijklmnop"));

    form.communityLE->clear();
    QTest::keyClicks(form.communityLE, QStringLiteral("0123456789abcdefXYZ"));
    QCOMPARE(form.communityLE->text(), QStringLiteral("0123456789abcdef"));
}

void TestUIProperties::checkBoxesSwitchGroups() {
    UIProperties form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    const struct {
        QCheckBox* check;
        QGroupBox* group;
        QWidget* field;
    } pairs[] = {{form.snmpCB, form.snmpGB, form.communityLE},
                 {form.proxyCB, form.proxyGB, form.port}};
    for (const auto& pair : pairs) {
        const QString name = pair.check->objectName();
        // Both check boxes start off with their groups enabled.
        QVERIFY2(!pair.check->isChecked(), qPrintable(name));
        QVERIFY2(pair.group->isEnabled(), qPrintable(name));

        clickCheckBox(pair.check);
        QVERIFY2(pair.check->isChecked(), qPrintable(name));
        QVERIFY2(pair.group->isEnabled(), qPrintable(name));

        clickCheckBox(pair.check);
        QVERIFY2(!pair.check->isChecked(), qPrintable(name));
        QVERIFY2(!pair.group->isEnabled(), qPrintable(name));
        QVERIFY2(!pair.field->isEnabled(), qPrintable(name));

        // Only a change of the check state moves the group.
        pair.group->setEnabled(true);
        pair.check->setChecked(false);
        QVERIFY2(pair.group->isEnabled(), qPrintable(name));
        clickCheckBox(pair.check);
        QVERIFY2(pair.group->isEnabled(), qPrintable(name));
        QVERIFY2(pair.field->isEnabled(), qPrintable(name));
    }
}

void TestUIProperties::tabOrder() {
    UIProperties form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.timeout->setFocus();
    QCOMPARE(QApplication::focusWidget(), form.timeout);

    QStringList visited;
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    // The community field follows the proxy fields although it sits above them.
    QCOMPARE(visited, QStringList({"snmpCB", "proxyCB", "proxyname", "port", "communityLE",
                                   "okButton", "cancelButton", "timeout"}));
}

QTEST_MAIN(TestUIProperties)
#include "tst_uiproperties.moc"
