// The six generated wizard page forms on their own: names, widget tree, grid
// cells, spacers, key properties, tab orders and the two check box connections.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVBoxLayout>
#include <QtTest>

#include "forms/uiaddhttpport.h"
#include "forms/uiaddport.h"
#include "forms/uiinfowidget.h"
#include "forms/uiproxywidget.h"
#include "forms/uiselectwidget.h"
#include "forms/uisnmpwidget.h"

namespace {

QString policyName(QSizePolicy::Policy policy) {
    switch (policy) {
    case QSizePolicy::Fixed:
        return QStringLiteral("Fixed");
    case QSizePolicy::Minimum:
        return QStringLiteral("Minimum");
    case QSizePolicy::Maximum:
        return QStringLiteral("Maximum");
    case QSizePolicy::Preferred:
        return QStringLiteral("Preferred");
    case QSizePolicy::MinimumExpanding:
        return QStringLiteral("MinimumExpanding");
    case QSizePolicy::Expanding:
        return QStringLiteral("Expanding");
    case QSizePolicy::Ignored:
        return QStringLiteral("Ignored");
    }
    return QStringLiteral("?");
}

QString policyText(const QSizePolicy& policy) {
    return policyName(policy.horizontalPolicy()) + QLatin1Char('/') +
           policyName(policy.verticalPolicy());
}

// Every item of a grid as "row,column[-last column] what", sorted; spacers as
// "spacer WxH h/v", widgets and layouts by object name.
QStringList gridCells(QGridLayout* grid) {
    QStringList cells;
    for (int i = 0; i < grid->count(); ++i) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        QString cell = QStringLiteral("%1,%2").arg(row).arg(column);
        if (columnSpan > 1) {
            cell += QStringLiteral("-%1").arg(column + columnSpan - 1);
        }
        if (rowSpan > 1) {
            cell += QStringLiteral(" rows %1").arg(rowSpan);
        }
        QLayoutItem* item = grid->itemAt(i);
        if (QSpacerItem* spacer = item->spacerItem()) {
            cell += QStringLiteral(" spacer %1x%2 ")
                        .arg(spacer->sizeHint().width())
                        .arg(spacer->sizeHint().height()) +
                    policyText(spacer->sizePolicy());
        } else if (item->widget() != nullptr) {
            cell += QLatin1Char(' ') + item->widget()->objectName();
        } else if (item->layout() != nullptr) {
            cell += QLatin1Char(' ') + item->layout()->objectName();
        }
        cells << cell;
    }
    cells.sort();
    return cells;
}

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

const QString VF = QStringLiteral(" spacer 20x20 Minimum/Fixed");
const QString VE = QStringLiteral(" spacer 20x20 Minimum/Expanding");
const QString HE = QStringLiteral(" spacer 20x20 Expanding/Minimum");
const QString HF = QStringLiteral(" spacer 20x20 Fixed/Minimum");

QStringList childNames(QWidget* parent) {
    QStringList names;
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        names << child->objectName();
    }
    return names;
}

void checkTopGrid(QGridLayout* grid, QWidget* form) {
    QVERIFY(form->layout() == grid);
    QCOMPARE(grid->spacing(), 6);
    QCOMPARE(grid->contentsMargins(), QMargins(11, 11, 11, 11));
}

void checkGroupPattern(QGroupBox* box, QVBoxLayout* column, QGridLayout* grid) {
    QVERIFY(box->layout() == column);
    QCOMPARE(column->spacing(), 6);
    QCOMPARE(column->contentsMargins(), QMargins(11, 11, 11, 11));
    QCOMPARE(column->count(), 1);
    QVERIFY(column->itemAt(0)->layout() == grid);
    QCOMPARE(grid->alignment(), Qt::AlignTop);
}

void checkDescription(QLabel* description, int minimumWidth) {
    QCOMPARE(description->frameShape(), QFrame::Panel);
    QCOMPARE(description->frameShadow(), QFrame::Sunken);
    QCOMPARE(description->text(), QStringLiteral("Please..."));
    QVERIFY(description->wordWrap());
    QCOMPARE(description->alignment(), Qt::AlignCenter);
    QCOMPARE(description->indent(), 12);
    // Never lower than its text needs at its width: a fixed height would be
    // the height at the label's own preferred width, too low when narrower.
    QCOMPARE(policyText(description->sizePolicy()), QStringLiteral("Preferred/Minimum"));
    QVERIFY(description->sizePolicy().hasHeightForWidth());
    QCOMPARE(description->minimumSize(), QSize(minimumWidth, 0));
}

// Clicks a check box or radio button on its indicator, as a user would.
void clickIndicator(QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QStyle::SubElement indicator = qobject_cast<QRadioButton*>(button)
                                             ? QStyle::SE_RadioButtonIndicator
                                             : QStyle::SE_CheckBoxIndicator;
    const QRect area = button->style()->subElementRect(indicator, &option, button);
    QTest::mouseClick(button, Qt::LeftButton, {}, area.center());
}

// Puts the form between two line edits in one window, starts on the first line
// edit and presses Tab until the last line edit is reached; returns the names of
// the widgets that got the focus on the way.
QStringList tabChain(QWidget* form) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* before = new QLineEdit(&window);
    before->setObjectName(QStringLiteral("before"));
    layout->addWidget(before);
    form->setParent(&window);
    layout->addWidget(form);
    form->show();
    auto* after = new QLineEdit(&window);
    after->setObjectName(QStringLiteral("after"));
    layout->addWidget(after);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        return {QStringLiteral("window not active")};
    }
    before->setFocus(Qt::OtherFocusReason);
    QStringList chain;
    for (int i = 0; i < 10 && QApplication::focusWidget() != after; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        chain << QApplication::focusWidget()->objectName();
    }
    form->setParent(nullptr);
    return chain;
}

template <typename Form> void checkNames(const char* className) {
    Form unnamed;
    QCOMPARE(unnamed.objectName(), QString::fromLatin1(className));
    QCOMPARE(unnamed.metaObject()->className(), className);
    Form named(nullptr, "somePage");
    QCOMPARE(named.objectName(), QStringLiteral("somePage"));
    QWidget parent;
    Form child(&parent, nullptr, Qt::Window);
    QCOMPARE(child.parentWidget(), &parent);
    QVERIFY(child.isWindow());
}

} // namespace

class PageFormsTest : public QObject {
    Q_OBJECT
private slots:
    void namesDefaultAndKept();
    void selectForm();
    void addPortForm();
    void addHttpPortForm();
    void proxyForm();
    void snmpForm();
    void infoForm();
};

void PageFormsTest::namesDefaultAndKept() {
    checkNames<UISelectWidget>("UISelectWidget");
    checkNames<UIAddPort>("UIAddPort");
    checkNames<UIAddHTTPPort>("UIAddHTTPPort");
    checkNames<UIProxyWidget>("UIProxyWidget");
    checkNames<UISnmpWidget>("UISnmpWidget");
    checkNames<UIInfoWidget>("UIInfoWidget");
}

void PageFormsTest::selectForm() {
    UISelectWidget form;
    QCOMPARE(form.size(), QSize(449, 314));
    QCOMPARE(form.minimumSize(), QSize(400, 270));
    QCOMPARE(form.windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(childNames(&form), QStringList({"description", "ButtonGroup3"}));
    QCOMPARE(childNames(form.ButtonGroup3), QStringList({"socketRB", "secureRB"}));
    checkTopGrid(form.UISelectWidgetLayout, &form);
    QCOMPARE(gridCells(form.UISelectWidgetLayout),
             sorted({"0,3" + VF, "1,0-4 description", "3,2" + VE, "4,0" + HE, "4,2 ButtonGroup3",
                     "4,4" + HE, "5,2" + VE}));
    checkDescription(form.description, 0);

    checkGroupPattern(form.ButtonGroup3, form.ButtonGroup3ColumnLayout, form.ButtonGroup3Layout);
    QCOMPARE(gridCells(form.ButtonGroup3Layout), QStringList({"0,0 Layout4"}));
    QCOMPARE(form.Layout4->contentsMargins(), QMargins(0, 0, 0, 0));
    QCOMPARE(form.Layout4->spacing(), 6);
    QCOMPARE(form.Layout4->count(), 2);
    QVERIFY(form.Layout4->itemAt(0)->widget() == form.socketRB);
    QVERIFY(form.Layout4->itemAt(1)->widget() == form.secureRB);
    QVERIFY(form.ButtonGroup3->title().isEmpty());
    QVERIFY(form.ButtonGroup3->isEnabled());
    QVERIFY(form.ButtonGroup3Buttons->exclusive());
    QCOMPARE(form.ButtonGroup3Buttons->buttons().size(), 2);

    // Neither button starts on; the group keeps at most one on.
    QCOMPARE(form.socketRB->text(), QStringLiteral("RadioButton1"));
    QCOMPARE(form.secureRB->text(), QStringLiteral("RadioButton2"));
    QVERIFY(!form.socketRB->isChecked());
    QVERIFY(!form.secureRB->isChecked());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    clickIndicator(form.socketRB);
    QVERIFY(form.socketRB->isChecked());
    clickIndicator(form.secureRB);
    QVERIFY(form.secureRB->isChecked());
    QVERIFY(!form.socketRB->isChecked());

    // The group draws no frame and no line, and keeps no room for them: its
    // layout's margin of 11 is all that lies between its edges and the
    // buttons, and outside the buttons it shows nothing but its background.
    // The box must stay so when its font or title changes (a group box takes
    // its margins from the style's frame and title again then).
    const auto checkFrameless = [&form] {
        QCOMPARE(form.ButtonGroup3->contentsMargins(), QMargins(0, 0, 0, 0));
        QCOMPARE(form.socketRB->pos(), QPoint(11, 11));
        const QImage image = form.ButtonGroup3->grab().toImage();
        const QColor background = form.ButtonGroup3->palette().color(QPalette::Window);
        QRegion buttons(form.socketRB->geometry());
        buttons += form.secureRB->geometry();
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (!buttons.contains(QPoint(x, y)) && image.pixelColor(x, y) != background) {
                    ++drawn;
                }
            }
        }
        QCOMPARE(drawn, 0);
    };
    checkFrameless();
    QFont larger = form.ButtonGroup3->font();
    larger.setPointSize(larger.pointSize() + 6);
    form.ButtonGroup3->setFont(larger);
    form.ButtonGroup3->setTitle(QStringLiteral("RadioButtons"));
    form.ButtonGroup3->setTitle(QString());
    QCoreApplication::sendPostedEvents();
    checkFrameless();
}

void PageFormsTest::addPortForm() {
    UIAddPort form;
    QCOMPARE(form.size(), QSize(397, 302));
    QCOMPARE(form.minimumSize(), QSize(0, 270));
    QCOMPARE(form.baseSize(), QSize(0, 0));
    QCOMPARE(form.windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(childNames(&form), QStringList({"description", "portGB"}));
    QCOMPARE(childNames(form.portGB), QStringList({"port", "portLabel", "hostname", "ipLabel"}));
    checkTopGrid(form.UIAddPortLayout, &form);
    QCOMPARE(gridCells(form.UIAddPortLayout),
             sorted({"0,0" + VF, "1,0 description", "2,0" + VF, "3,0 portGB"}));
    checkDescription(form.description, 250);

    checkGroupPattern(form.portGB, form.portGBColumnLayout, form.portGBLayout);
    QCOMPARE(form.portGB->title(), QStringLiteral("GroupBox7"));
    QCOMPARE(policyText(form.portGB->sizePolicy()), QStringLiteral("Preferred/Preferred"));
    QCOMPARE(gridCells(form.portGBLayout),
             sorted({"0,3" + VE, "1,1" + HE, "1,2 ipLabel", "1,3" + HF, "1,4 hostname", "1,5" + HE,
                     "1,6" + HF, "2,0" + HF, "2,1" + HE, "2,2 portLabel", "2,3" + HF, "2,4 port",
                     "2,5" + HE, "4,4" + VE}));
    QCOMPARE(form.ipLabel->text(), QStringLiteral("IP Address"));
    QCOMPARE(form.portLabel->text(), QStringLiteral("Port"));
    QCOMPARE(form.port->text(), QStringLiteral("9100"));
    QCOMPARE(policyText(form.port->sizePolicy()), QStringLiteral("MinimumExpanding/Fixed"));
    QVERIFY(form.hostname->text().isEmpty());

    // The host field comes before the port field although it is created after it.
    QCOMPARE(tabChain(&form), QStringList({"hostname", "port", "after"}));
}

void PageFormsTest::addHttpPortForm() {
    UIAddHTTPPort form;
    QCOMPARE(form.size(), QSize(412, 362));
    QCOMPARE(form.minimumSize(), QSize(0, 250));
    QCOMPARE(form.windowTitle(), QStringLiteral("Form2"));
    QCOMPARE(childNames(form.portGB), QStringList({"ipLabel", "lpLabel", "lpComboBox",
                                                   "secureLabel", "secureCB", "hostname"}));
    checkTopGrid(form.UIAddHTTPPortLayout, &form);
    QCOMPARE(gridCells(form.UIAddHTTPPortLayout),
             sorted({"0,0" + VF, "1,0 description", "2,0" + VF, "3,0 portGB"}));
    checkDescription(form.description, 250);
    checkGroupPattern(form.portGB, form.portGBColumnLayout, form.portGBLayout);
    QCOMPARE(form.portGB->title(), QStringLiteral("GroupBox7"));
    QCOMPARE(gridCells(form.portGBLayout),
             sorted({"0,4" + VE, "1,1" + HE, "1,2 ipLabel", "1,4" + HF, "1,5 hostname", "1,6" + HE,
                     "1,7" + HF, "2,0" + HF, "2,2 lpLabel", "2,5 lpComboBox", "3,2 secureLabel",
                     "3,5 secureCB", "6,3" + VE}));
    QCOMPARE(form.ipLabel->text(), QStringLiteral("ipLabel"));
    QCOMPARE(form.lpLabel->text(), QStringLiteral("logicalPortLabel"));
    QCOMPARE(form.secureLabel->text(), QStringLiteral("secureLabel"));
    QVERIFY(form.secureCB->text().isEmpty());
    QVERIFY(!form.secureCB->isChecked());

    // Exactly eight logical printers, "lp1" current, and nothing can be typed in.
    QStringList entries;
    for (int i = 0; i < form.lpComboBox->count(); ++i) {
        entries << form.lpComboBox->itemText(i);
    }
    QCOMPARE(entries, QStringList({"lp1", "lp2", "lp3", "lp4", "lp5", "lp6", "lp7", "lp8"}));
    QCOMPARE(form.lpComboBox->currentText(), QStringLiteral("lp1"));
    QVERIFY(!form.lpComboBox->isEditable());
    QTest::keyClicks(form.lpComboBox, QStringLiteral("x9"));
    QCOMPARE(form.lpComboBox->count(), 8);
    QCOMPARE(form.lpComboBox->currentText(), QStringLiteral("lp1"));

    QCOMPARE(tabChain(&form), QStringList({"lpComboBox", "secureCB", "hostname", "after"}));
}

void PageFormsTest::proxyForm() {
    UIProxyWidget form;
    QCOMPARE(form.size(), QSize(411, 325));
    QCOMPARE(form.windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(childNames(&form), QStringList({"description", "proxyCB", "proxyGB"}));
    QCOMPARE(childNames(form.proxyGB),
             QStringList({"port", "portLabel", "proxyname", "proxyLabel"}));
    checkTopGrid(form.UIProxyWidgetLayout, &form);
    QCOMPARE(gridCells(form.UIProxyWidgetLayout),
             sorted({"0,1" + VF, "1,0-2 description", "2,1" + VF, "3,0" + HE, "3,1 proxyCB",
                     "3,2" + HE, "4,1" + VF, "5,0-2 proxyGB"}));
    checkDescription(form.description, 250);
    checkGroupPattern(form.proxyGB, form.proxyGBColumnLayout, form.proxyGBLayout);
    QCOMPARE(form.proxyGB->title(), QStringLiteral("proxyConifguration"));
    QCOMPARE(gridCells(form.proxyGBLayout),
             sorted({"0,3" + VE, "1,1" + HE, "1,2 proxyLabel", "1,3" + HF, "1,4 proxyname",
                     "1,5" + HE, "1,6" + HF, "2,0" + HF, "2,1" + HE, "2,2 portLabel", "2,3" + HF,
                     "2,4 port", "2,5" + HE, "4,4" + VE}));
    QCOMPARE(form.proxyCB->text(), QStringLiteral("useProxy"));
    QCOMPARE(form.proxyLabel->text(), QStringLiteral("proxylabel"));
    QCOMPARE(form.portLabel->text(), QStringLiteral("portLabel"));
    QVERIFY(form.port->text().isEmpty());
    QCOMPARE(policyText(form.port->sizePolicy()), QStringLiteral("MinimumExpanding/Fixed"));

    // The check box switches its group on and off.
    QVERIFY(!form.proxyCB->isChecked());
    QVERIFY(form.proxyGB->isEnabled());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    clickIndicator(form.proxyCB);
    QVERIFY(form.proxyGB->isEnabled());
    clickIndicator(form.proxyCB);
    QVERIFY(!form.proxyGB->isEnabled());
    QVERIFY(!form.proxyname->isEnabled());
    clickIndicator(form.proxyCB);
    QVERIFY(form.port->isEnabled());

    QCOMPARE(tabChain(&form), QStringList({"proxyCB", "proxyname", "port", "after"}));
}

void PageFormsTest::snmpForm() {
    UISnmpWidget form;
    QCOMPARE(form.size(), QSize(468, 350));
    QCOMPARE(form.windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(childNames(&form), QStringList({"description", "snmpCB", "snmpGB"}));
    QCOMPARE(childNames(form.snmpGB), QStringList({"communityLE", "communityLabel"}));
    checkTopGrid(form.UISnmpWidgetLayout, &form);
    QCOMPARE(gridCells(form.UISnmpWidgetLayout),
             sorted({"0,1" + VF, "1,0-2 description", "2,1" + VF, "3,0" + HE, "3,1 snmpCB",
                     "3,2" + HE, "4,1" + VF, "5,0-2 snmpGB"}));
    checkDescription(form.description, 250);
    checkGroupPattern(form.snmpGB, form.snmpGBColumnLayout, form.snmpGBLayout);
    QCOMPARE(form.snmpGB->title(), QStringLiteral("snmpConifguration"));
    QCOMPARE(gridCells(form.snmpGBLayout),
             sorted({"0,3" + VE, "1,1" + HE, "1,2 communityLabel", "1,3" + HF, "1,4 communityLE",
                     "1,5" + HE, "3,4" + VE}));
    QCOMPARE(form.snmpCB->text(), QStringLiteral("useSnmp"));
    QCOMPARE(form.communityLabel->text(), QStringLiteral("communityLabel"));

    // The community shows in clear and takes at most 16 characters.
    QCOMPARE(form.communityLE->text(), QStringLiteral("tulvex"));
    QCOMPARE(form.communityLE->echoMode(), QLineEdit::Normal);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::keyClick(form.communityLE, Qt::Key_End);
    QTest::keyClicks(form.communityLE, QStringLiteral("0123456789abcdef"));
    QCOMPARE(form.communityLE->text(), QStringLiteral("tulvex0123456789"));
    QCOMPARE(form.communityLE->displayText(), form.communityLE->text());

    // Monitoring starts on; turning it off disables the community with its group.
    QVERIFY(form.snmpCB->isChecked());
    QVERIFY(form.snmpGB->isEnabled());
    clickIndicator(form.snmpCB);
    QVERIFY(!form.snmpGB->isEnabled());
    QVERIFY(!form.communityLE->isEnabled());
    clickIndicator(form.snmpCB);
    QVERIFY(form.communityLE->isEnabled());
}

void PageFormsTest::infoForm() {
    UIInfoWidget form;
    QCOMPARE(form.size(), QSize(336, 241));
    QCOMPARE(form.windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(childNames(&form), QStringList({"pixmap", "message"}));
    checkTopGrid(form.UIInfoWidgetLayout, &form);
    QCOMPARE(gridCells(form.UIInfoWidgetLayout),
             sorted({"0,1 spacer 20x16 Minimum/Fixed", "1,0 pixmap", "1,1 message",
                     "2,1 spacer 20x16 Minimum/Fixed"}));
    QCOMPARE(policyText(form.pixmap->sizePolicy()), QStringLiteral("Fixed/Fixed"));
    QVERIFY(form.pixmap->hasScaledContents());
    QCOMPARE(form.message->text(), QStringLiteral("TextLabel1"));
    QCOMPARE(form.message->textFormat(), Qt::AutoText);
    QCOMPARE(form.message->frameShape(), QFrame::WinPanel);
    QCOMPARE(form.message->frameShadow(), QFrame::Sunken);
    QCOMPARE(form.message->alignment(), Qt::AlignLeft | Qt::AlignTop);
    QVERIFY(!form.message->hasScaledContents());
    QCOMPARE(policyText(form.message->sizePolicy()), QStringLiteral("Expanding/Expanding"));

    // The symbol stays 40 x 40 whatever the size of the page; the message takes
    // the rest of the room.
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const QSize size : {QSize(336, 241), QSize(700, 500)}) {
        form.resize(size);
        QApplication::processEvents();
        QCOMPARE(form.pixmap->size(), QSize(40, 40));
        QCOMPARE(form.message->geometry().right(), size.width() - 1 - 11);
        QCOMPARE(form.message->geometry().left(), form.pixmap->geometry().right() + 1 + 6);
        QVERIFY(form.message->geometry().top() <= 11 + 16 + 6);
        QVERIFY(form.message->geometry().bottom() >= size.height() - 1 - 11 - 16 - 6);
    }
}

QTEST_MAIN(PageFormsTest)
#include "tst_pageforms.moc"
