// The address and port rules shared by the wizard and the properties dialog.
#include "forms/intvalidator.h"
#include "platform/win32_testing.h"
#include "wizard/rules.h"

#include <QLineEdit>
#include <QTest>

class RulesTest : public QObject {
    Q_OBJECT
private slots:
    void normalizeHostAddress_data();
    void normalizeHostAddress();
    void correctPortTextWhileTyping();
    void correctPortTextReplacements();
    void composePortName();
    void defaultCommunity();
};

void RulesTest::normalizeHostAddress_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("leading zeros") << "192.168.001.010"
                                   << "192.168.1.10";
    QTest::newRow("leading zero first") << "010.0.0.5"
                                        << "10.0.0.5";
    QTest::newRow("space after a dot") << "10. 1.2.3"
                                       << "10.1.2.3";
    QTest::newRow("fifth number dropped") << "1.2.3.4.5"
                                          << "1.2.3.4";
    QTest::newRow("port dropped") << "10.0.0.1:9100"
                                  << "10.0.0.1";
    QTest::newRow("leading blanks") << "  7.8.9.10"
                                    << "7.8.9.10";
    QTest::newRow("plus sign") << "+1.2.3.4"
                               << "1.2.3.4";
    QTest::newRow("no range check") << "300.1.1.1"
                                    << "300.1.1.1";
    QTest::newRow("minus kept") << "-1.2.3.4"
                                << "-1.2.3.4";
    QTest::newRow("minus with zeros") << "-01.02.3.4"
                                      << "-1.2.3.4";
    QTest::newRow("space before a dot") << "10 .1.2.3"
                                        << "10 .1.2.3";
    QTest::newRow("three numbers") << "1.2.3"
                                   << "1.2.3";
    QTest::newRow("trailing dot") << "1.2.3."
                                  << "1.2.3.";
    QTest::newRow("host name") << "printserver.example"
                               << "printserver.example";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("blanks only") << "   "
                                 << "   ";
}

void RulesTest::normalizeHostAddress() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(::normalizeHostAddress(text), expected);
}

void RulesTest::correctPortTextWhileTyping() {
    QLineEdit field;
    field.setValidator(new IntValidator(1, 65535, &field));
    quint16 lastPort = 9100;
    QList<quint16> seen;
    connect(&field, &QLineEdit::textChanged, &field, [&](const QString& text) {
        correctPortText(&field, text, lastPort, true);
        seen << lastPort;
    });

    // Every text on the way counts.
    QTest::keyClicks(&field, QStringLiteral("9100"));
    QCOMPARE(field.text(), QStringLiteral("9100"));
    QCOMPARE(seen, (QList<quint16>{9, 91, 910, 9100}));

    // A fifth digit puts back the last accepted number, logged once.
    win32::beginDebugCapture();
    QTest::keyClick(&field, Qt::Key_5);
    QCOMPARE(QString::fromStdString(win32::endDebugCapture()),
             QStringLiteral("> 0xffff, lastPort(9100)\n"));
    QCOMPARE(field.text(), QStringLiteral("9100"));
    QCOMPARE(lastPort, quint16(9100));

    // Typed digit by digit, 65536 ends with its first four digits.
    field.clear();
    QCOMPARE(lastPort, quint16(0));
    QTest::keyClicks(&field, QStringLiteral("65536"));
    QCOMPARE(field.text(), QStringLiteral("6553"));
    QCOMPARE(lastPort, quint16(6553));

    // "0" alone is emptied; "00" stays and counts as 0.
    field.clear();
    QTest::keyClicks(&field, QStringLiteral("0"));
    QCOMPARE(field.text(), QString());
    lastPort = 77;
    field.setText(QStringLiteral("00"));
    QCOMPARE(field.text(), QStringLiteral("00"));
    QCOMPARE(lastPort, quint16(0));
}

void RulesTest::correctPortTextReplacements() {
    QLineEdit field;
    quint16 lastPort = 0;
    connect(&field, &QLineEdit::textChanged, &field,
            [&](const QString& text) { correctPortText(&field, text, lastPort, false); });

    // After the field was emptied a number above 65535 puts "0" back, which the
    // nested run empties again. Without the log flag nothing is written.
    win32::beginDebugCapture();
    field.setText(QStringLiteral("123456"));
    QCOMPARE(QString::fromStdString(win32::endDebugCapture()), QString());
    QCOMPARE(field.text(), QString());
    QCOMPARE(lastPort, quint16(0));

    field.setText(QStringLiteral("65535"));
    QCOMPARE(lastPort, quint16(65535));
    field.setText(QStringLiteral("123456789"));
    QCOMPARE(field.text(), QStringLiteral("65535"));
    // A text that is no number counts as 0.
    field.setText(QStringLiteral("12ab"));
    QCOMPARE(field.text(), QStringLiteral("12ab"));
    QCOMPARE(lastPort, quint16(0));
}

void RulesTest::composePortName() {
    QCOMPARE(
        ::composePortName(1, QStringLiteral("192.168.1.20"), 9100, true, QStringLiteral("lp1")),
        QStringLiteral("192.168.1.20:9100"));
    QCOMPARE(::composePortName(1, QStringLiteral("host"), 0, false, QString()),
             QStringLiteral("host:0"));
    QCOMPARE(::composePortName(2, QStringLiteral("10.0.0.7"), 9100, true, QStringLiteral("lp2")),
             QStringLiteral("http://10.0.0.7/elp2"));
    QCOMPARE(::composePortName(2, QStringLiteral("10.0.0.7"), 9100, false, QStringLiteral("lp2")),
             QStringLiteral("http://10.0.0.7/lp2"));
    QCOMPARE(::composePortName(3, QStringLiteral("10.0.0.7"), 9100, false, QStringLiteral("lp2")),
             QString());
}

void RulesTest::defaultCommunity() {
    QCOMPARE(::defaultCommunity(QString()), QStringLiteral("tulvex"));
    QCOMPARE(::defaultCommunity(QStringLiteral(" ")), QStringLiteral(" "));
    QCOMPARE(::defaultCommunity(QStringLiteral("public")), QStringLiteral("public"));
    QCOMPARE(QString::fromLatin1(kDefaultCommunity), QStringLiteral("tulvex"));
}

QTEST_MAIN(RulesTest)
#include "tst_rules.moc"
