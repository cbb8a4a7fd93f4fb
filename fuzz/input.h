// Reads the values a fuzz input stands for: bytes, small numbers and texts.
// Every read past the end gives zeros or the empty text, so any input means
// something.
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data(data), size(size) {}

    bool atEnd() const { return position >= size; }

    uint8_t byte() { return atEnd() ? 0 : data[position++]; }

    // Two bytes, little-endian.
    uint16_t word() {
        const uint16_t low = byte();
        return static_cast<uint16_t>(low | (byte() << 8));
    }

    // A text ending at a 0 byte or at the end of the input. Every other byte
    // is one character (U+0001 to U+00FE), except 0xFF, which takes the next
    // two bytes as any UTF-16 unit (little-endian), NUL and 0xFF included.
    QString text() {
        QString out;
        while (!atEnd()) {
            const uint8_t b = byte();
            if (b == 0) {
                break;
            }
            out += QChar(static_cast<char16_t>(b == 0xff ? word() : b));
        }
        return out;
    }

    // The remaining bytes as Latin-1 characters.
    QString restAsLatin1() {
        const QString out = QString::fromLatin1(reinterpret_cast<const char*>(data + position),
                                                static_cast<qsizetype>(size - position));
        position = size;
        return out;
    }

    // The remaining bytes as UTF-16 units (little-endian); an odd last byte
    // is dropped.
    QString restAsUtf16() {
        QString out;
        while (size - position >= 2) {
            out += QChar(static_cast<char16_t>(word()));
        }
        position = size;
        return out;
    }

    const uint8_t* rest() const { return data + position; }
    size_t restSize() const { return atEnd() ? 0 : size - position; }

private:
    const uint8_t* data;
    size_t size;
    size_t position = 0;
};

// The text with every character outside printable ASCII written as \uXXXX,
// so that a failure message shows exactly what was compared.
inline QString shown(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f && c != QLatin1Char('\\')) {
            out += c;
        } else {
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        }
    }
    return QLatin1Char('"') + out + QLatin1Char('"');
}
