// Input: a mode byte, then
//   mode bit 0 clear: the text for normalizeHostAddress (the rest of the input);
//   mode bit 0 set:   a word, the field's lastPort to start from, then texts
//                     separated by NUL characters that are set into the port
//                     field one after the other; mode bit 2 makes the field
//                     write its log line.
// Mode bit 1 reads the text as UTF-16 units (little-endian), otherwise as
// Latin-1 bytes.
#include "fuzz/checks.h"
#include "fuzz/input.h"
#include "platform/win32_testing.h"
#include "wizard/rules.h"

#include <QLineEdit>
#include <QStringList>

#include <clocale>
#include <cstdio>
#include <locale.h>

namespace {

// Whether every number in the first `length` bytes has at most nine
// significant digits, so that it lies well within the range of an int and
// the C library's conversion is exact.
bool numbersWellInRange(const QByteArray& bytes, int length) {
    int significant = 0;
    for (int i = 0; i < length; ++i) {
        const char c = bytes.at(i);
        if (c >= '0' && c <= '9') {
            if (significant > 0 || c != '0') {
                ++significant;
            }
            if (significant > 9) {
                return false;
            }
        } else {
            significant = 0;
        }
    }
    return true;
}

QString checkAddress(const QString& text) {
    const QString result = normalizeHostAddress(text);
    const QByteArray bytes = text.toLatin1();
    if (bytes.contains('\0')) {
        return QString();
    }
    // The C library's reading in the "C" locale, whatever locale the process
    // runs in.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const locale_t previous = uselocale(cLocale);
    int n[4] = {};
    int consumed = 0;
    const int read =
        std::sscanf(bytes.constData(), "%d.%d.%d.%d%n", &n[0], &n[1], &n[2], &n[3], &consumed);
    uselocale(previous);

    QString expected = text;
    if (read == 4) {
        if (!numbersWellInRange(bytes, consumed)) {
            return QString();
        }
        expected = QString::asprintf("%d.%d.%d.%d", n[0], n[1], n[2], n[3]);
    }
    if (result != expected) {
        return QStringLiteral("normalizeHostAddress(%1) gave %2 instead of %3")
            .arg(shown(text), shown(result), shown(expected));
    }
    return QString();
}

// The port field as the rule says it must behave, followed text by text.
struct PortFieldModel {
    QString text;
    quint16 lastPort = 0;
    bool writeLog = false;
    QString log;

    // A text change of the field: none when the text stays the same.
    void set(const QString& newText) {
        if (newText == text) {
            return;
        }
        text = newText;
        changed(newText);
    }

    void changed(const QString& newText) {
        bool ok = false;
        const unsigned long number = newText.toULong(&ok, 10);
        const unsigned long value = ok ? number : 0;
        if (value > 0xffff) {
            set(QString::number(lastPort));
            if (writeLog) {
                log += QStringLiteral("> 0xffff, lastPort(%1)\n").arg(lastPort);
            }
        } else if (newText == QLatin1String("0")) {
            set(QString());
        } else {
            lastPort = static_cast<quint16>(value);
        }
    }
};

QString checkPortField(FuzzInput& in, bool utf16, bool writeLog) {
    quint16 lastPort = in.word();
    const QString texts = utf16 ? in.restAsUtf16() : in.restAsLatin1();

    // The field applies the rule on every change of its text, as the wizard's
    // and the dialog's port fields do, so that a replacement runs it again.
    QLineEdit field;
    QObject::connect(&field, &QLineEdit::textChanged, &field, [&](const QString& text) {
        correctPortText(&field, text, lastPort, writeLog);
    });
    PortFieldModel model;
    model.lastPort = lastPort;
    model.writeLog = writeLog;

    win32::beginDebugCapture();
    QString failure;
    for (const QString& text : texts.split(QChar(u'\0'))) {
        const QString stored = text.left(field.maxLength());
        field.setText(stored);
        model.set(stored);

        const QString now = field.text();
        bool ok = false;
        const unsigned long number = now.toULong(&ok, 10);
        // lastPort is 16 bits wide, so it cannot leave 0 to 65535.
        if (ok && number > 0xffff) {
            failure = QStringLiteral("the field holds %1").arg(shown(now));
        } else if (now != model.text || lastPort != model.lastPort) {
            failure = QStringLiteral("the field holds %1 with lastPort %2 instead of %3 with %4")
                          .arg(shown(now))
                          .arg(lastPort)
                          .arg(shown(model.text))
                          .arg(model.lastPort);
        }
        if (!failure.isEmpty()) {
            failure += QStringLiteral(" after setting %1").arg(shown(stored));
            break;
        }
    }
    const QString log = QString::fromStdString(win32::endDebugCapture());
    if (failure.isEmpty() && log != model.log) {
        failure =
            QStringLiteral("the field logged %1 instead of %2").arg(shown(log), shown(model.log));
    }
    return failure;
}

} // namespace

QString checkRules(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const uint8_t mode = in.byte();
    const bool utf16 = mode & 2;
    if (mode & 1) {
        return checkPortField(in, utf16, mode & 4);
    }
    return checkAddress(utf16 ? in.restAsUtf16() : in.restAsLatin1());
}
