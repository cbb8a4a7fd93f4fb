#include "host/printable.h"

namespace {

QString hex(uint value, int digits) {
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0'));
}

bool escaped(QChar c) {
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

} // namespace

QString printable(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool pair =
            c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        if (pair) {
            const char32_t code = QChar::surrogateToUcs4(c, text.at(i + 1));
            if (QChar::category(code) == QChar::Other_Format) {
                out += QLatin1String("\\U") + hex(code, 8);
            } else {
                out += c;
                out += text.at(i + 1);
            }
            ++i;
        } else if (c == QLatin1Char('\n')) {
            out += QLatin1String("\\n");
        } else if (c == QLatin1Char('\r')) {
            out += QLatin1String("\\r");
        } else if (c == QLatin1Char('\t')) {
            out += QLatin1String("\\t");
        } else if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
            out += QLatin1String("\\x") + hex(c.unicode(), 2);
        } else if (escaped(c)) {
            out += QLatin1String("\\u") + hex(c.unicode(), 4);
        } else {
            out += c;
        }
    }
    return out;
}
