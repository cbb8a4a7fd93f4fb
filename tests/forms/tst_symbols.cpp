// The three symbol images: their XPM data, how they load, and how the heuristic
// mask leaves them.
#include <QBitmap>
#include <QPixmap>
#include <QSet>
#include <QtTest>

#include "forms/symbols.h"

namespace {

constexpr int kSize = 45;

struct Symbol {
    const char* name;
    const char* const* xpm;
    const char* header;
    QStringList colourLines;
    QRect drawing; // columns x rows that may hold anything but white
};

QList<Symbol> symbols() {
    return {
        {"info",
         info_xpm,
         "45 45 4 1",
         {"  c #000000", ". c #999999", "X c #FFFFFF", "o c #0000FF"},
         QRect(QPoint(6, 7), QPoint(37, 38))},
        {"warning",
         warning_xpm,
         "45 45 4 1",
         {"  c #000000", ". c #999999", "X c #FFFFFF", "o c #FFFF00"},
         QRect(QPoint(7, 6), QPoint(38, 37))},
        {"error",
         error_xpm,
         "45 45 3 1",
         {"  c #999999", ". c #FF0000", "X c #FFFFFF"},
         QRect(QPoint(8, 8), QPoint(39, 39))},
    };
}

QString row(const Symbol& symbol, int index) {
    return QString::fromLatin1(symbol.xpm[1 + symbol.colourLines.size() + index]);
}

// The columns of one row whose pixel character is c.
QList<int> columnsOf(const QString& line, QChar c) {
    QList<int> columns;
    for (int i = 0; i < line.size(); ++i) {
        if (line[i] == c) {
            columns << i;
        }
    }
    return columns;
}

QList<int> span(int first, int last) {
    QList<int> columns;
    for (int c = first; c <= last; ++c) {
        columns << c;
    }
    return columns;
}

QPixmap masked(const char* const* xpm) {
    QPixmap pixmap(xpm);
    pixmap.setMask(pixmap.createHeuristicMask(true));
    return pixmap;
}

} // namespace

class SymbolsTest : public QObject {
    Q_OBJECT
private slots:
    void dataAndBounds();
    void sampleRows();
    void shapes();
    void loadedColours();
    void masking();
};

void SymbolsTest::dataAndBounds() {
    for (const Symbol& symbol : symbols()) {
        QCOMPARE(symbol.xpm[0], symbol.header);
        for (int i = 0; i < symbol.colourLines.size(); ++i) {
            QCOMPARE(QString::fromLatin1(symbol.xpm[1 + i]), symbol.colourLines[i]);
        }
        QString allowed;
        for (const QString& line : symbol.colourLines) {
            allowed += line[0];
        }
        for (int y = 0; y < kSize; ++y) {
            const QString line = row(symbol, y);
            QCOMPARE(line.size(), kSize);
            for (int x = 0; x < kSize; ++x) {
                QVERIFY2(allowed.contains(line[x]), symbol.name);
                if (!symbol.drawing.contains(x, y)) {
                    QVERIFY2(line[x] == QLatin1Char('X'),
                             qPrintable(QStringLiteral("%1 %2,%3").arg(symbol.name).arg(x).arg(y)));
                }
            }
        }
    }
}

void SymbolsTest::sampleRows() {
    const QList<QPair<int, QString>> info = {
        {7, "XXXXXXXXXXXXXXXXX........XXXXXXXXXXXXXXXXXXXX"},
        {12, "XXXXXXXXX.XXXXXXXXooooooXXXXXXXX XXXXXXXXXXXX"},
        {26, "XXXXXXXXX XXXXXXXoooooooooXXXXXX ....XXXXXXXX"},
        {30, "XXXXXXXXXXXXX.   XXXXXXXX   .....XXXXXXXXXXXX"},
        {38, "XXXXXXXXXXXXXXXXXXXXXXXXX..XXXXXXXXXXXXXXXXXX"},
    };
    const QList<QPair<int, QString>> warning = {
        {6, "XXXXXXXXXXXXXXXXXXXX   .XXXXXXXXXXXXXXXXXXXXX"},
        {16, "XXXXXXXXXXXXXX oooo     oooo ..XXXXXXXXXXXXXX"},
        {29, "XXXXXXXX ooooooooooo    oooooooooo ..XXXXXXXX"},
        {35, "XXXXXXXXX                         ....XXXXXXX"},
        {37, "XXXXXXXXXXXX.........................XXXXXXXX"},
    };
    const QList<QPair<int, QString>> error = {
        {8, "XXXXXXXXXXXXXXXXXXX........XXXXXXXXXXXXXXXXXX"},
        {15, "XXXXXXXXXX.......X..........X....... XXXXXXXX"},
        {22, "XXXXXXXX............XXXXXX............  XXXXX"},
        {38, "XXXXXXXXXXXXXXXXXXX           XXXXXXXXXXXXXXX"},
        {39, "XXXXXXXXXXXXXXXXXXXXX       XXXXXXXXXXXXXXXXX"},
    };
    const QList<Symbol> all = symbols();
    const QList<QPair<int, QString>>* samples[] = {&info, &warning, &error};
    for (int s = 0; s < 3; ++s) {
        for (const auto& [index, expected] : *samples[s]) {
            QCOMPARE(row(all[s], index), expected);
        }
    }
}

void SymbolsTest::shapes() {
    const QList<Symbol> all = symbols();
    const QChar blue('o'), black(' '), red('.'), white('X');

    // Information: the dot and the stem of the "i".
    const Symbol& info = all[0];
    const QList<QList<int>> i = {span(19, 22), span(18, 23), span(18, 23), span(19, 22)};
    for (int y = 11; y <= 14; ++y) {
        QCOMPARE(columnsOf(row(info, y), blue), i[y - 11]);
    }
    QCOMPARE(columnsOf(row(info, 15), blue), QList<int>());
    QCOMPARE(columnsOf(row(info, 17), blue).size(), 7);
    for (int y = 18; y <= 25; ++y) {
        QCOMPARE(columnsOf(row(info, y), blue), span(19, 23));
    }
    QCOMPARE(columnsOf(row(info, 26), blue), span(17, 25));

    // Warning: the exclamation mark on column 21.
    const Symbol& warning = all[1];
    const QList<QList<int>> mark = {
        span(20, 22), span(19, 23), span(19, 23), span(19, 23), span(19, 23), span(19, 23),
        span(19, 23), span(20, 22), span(20, 22), span(20, 22), {21},         {21},
        {},           span(21, 22), span(20, 23), span(20, 23), span(21, 22)};
    for (int y = 15; y <= 31; ++y) {
        const QString line = row(warning, y);
        const QString inside = line.mid(17, 9); // well inside the outline
        QCOMPARE(columnsOf(inside, black).size(), mark[y - 15].size());
        for (int x : mark[y - 15]) {
            QCOMPARE(line[x], black);
        }
    }

    // Error: a red disc whose red pixels mirror about the line between rows 22
    // and 23; the cross meets in columns 20 to 25.
    const Symbol& error = all[2];
    for (int y = 8; y <= 22; ++y) {
        QCOMPARE(columnsOf(row(error, y), red), columnsOf(row(error, 45 - y), red));
    }
    QCOMPARE(columnsOf(row(error, 23).mid(8, 30), white), span(12, 17));
    QCOMPARE(columnsOf(row(error, 30).mid(10, 26), white), QList<int>({7, 18}));
}

void SymbolsTest::loadedColours() {
    const QList<QSet<QRgb>> expected = {
        {0xff000000, 0xff999999, 0xffffffff, 0xff0000ff},
        {0xff000000, 0xff999999, 0xffffffff, 0xffffff00},
        {0xff999999, 0xffff0000, 0xffffffff},
    };
    const QList<Symbol> all = symbols();
    for (int s = 0; s < 3; ++s) {
        const QPixmap pixmap(all[s].xpm);
        QCOMPARE(pixmap.size(), QSize(kSize, kSize));
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        QSet<QRgb> colours;
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                colours.insert(image.pixel(x, y));
            }
        }
        QCOMPARE(colours, expected[s]);
    }
}

void SymbolsTest::masking() {
    // After masking, the white surround is transparent; the centre and the white
    // enclosed by the drawing stay.
    struct Case {
        const char* const* xpm;
        QRgb centre;
        QPoint enclosedWhite;
    };
    const Case cases[] = {
        {info_xpm, 0xff0000ff, QPoint(12, 15)},    // inside the bubble
        {warning_xpm, 0xff000000, QPoint(-1, -1)}, // no white inside
        {error_xpm, 0xffffffff, QPoint(17, 15)},   // tip of the cross
    };
    for (const Case& c : cases) {
        const QImage image = masked(c.xpm).toImage().convertToFormat(QImage::Format_ARGB32);
        for (const QPoint corner : {QPoint(0, 0), QPoint(44, 0), QPoint(0, 44), QPoint(44, 44)}) {
            QCOMPARE(qAlpha(image.pixel(corner)), 0);
        }
        QCOMPARE(image.pixel(22, 22), c.centre);
        if (c.enclosedWhite.x() >= 0) {
            QCOMPARE(image.pixel(c.enclosedWhite), 0xffffffff);
        }
        // Everything but the white ground around the drawing stays opaque.
        const QImage plain = QPixmap(c.xpm).toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                if (plain.pixel(x, y) != 0xffffffff) {
                    QCOMPARE(image.pixel(x, y), plain.pixel(x, y));
                }
            }
        }
    }
    // The white inside the bubble survives the mask everywhere.
    const QImage info = masked(info_xpm).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 10; y <= 28; ++y) {
        QCOMPARE(qAlpha(info.pixel(14, y)), 255);
        QCOMPARE(qAlpha(info.pixel(28, y)), 255);
    }
    QCOMPARE(qAlpha(info.pixel(22, 33)), 255); // inside the tail
    QCOMPARE(qAlpha(info.pixel(21, 35)), 0);   // beside the tail
}

QTEST_MAIN(SymbolsTest)
#include "tst_symbols.moc"
