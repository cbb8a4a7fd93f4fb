// Input: a mode byte, then
//   mode % 3 == 0: the reply, as UTF-16 units (little-endian), parsed as it is
//                  and as a reply block of exactly that many bytes;
//   mode % 3 == 1: "AddPort" values: protocol byte, flags byte (1 proxy,
//                  2 secure, 4 monitoring), then the texts port name, proxy
//                  name, proxy port, logical printer, community;
//   mode % 3 == 2: "SetProperties" values: flags byte (1 proxy, 4 monitoring),
//                  proxy port word, then the texts port name, time out, proxy
//                  name, community.
// Texts are read as FuzzInput::text() describes.
#include "fuzz/checks.h"
#include "fuzz/input.h"
#include "monitorui/settings.h"
#include "platform/win32.h"
#include "platform/win32_testing.h"

#include <QStringList>

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

class Failures {
public:
    void fail(const QString& what) {
        if (first.isEmpty()) {
            first = what;
        }
    }
    template <typename T> void expectEqual(const char* field, const T& actual, const T& expected) {
        if (!(actual == expected)) {
            fail(QStringLiteral("%1 came out wrong").arg(QLatin1String(field)));
        }
    }
    void expectText(const char* field, const QString& actual, const QString& expected) {
        if (actual != expected) {
            fail(QStringLiteral("%1 came out as %2 instead of %3")
                     .arg(QLatin1String(field), shown(actual), shown(expected)));
        }
    }
    QString result(const QString& context) const {
        return first.isEmpty() ? QString() : first + QStringLiteral(" in ") + context;
    }

private:
    QString first;
};

// An optional minus and one to nine ASCII digits: a decimal that fits an int.
bool isPlainDecimal(const QString& text) {
    const qsizetype start = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    const qsizetype digits = text.size() - start;
    if (digits < 1 || digits > 9) {
        return false;
    }
    for (qsizetype i = start; i < text.size(); ++i) {
        if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9')) {
            return false;
        }
    }
    return true;
}

int plainDecimal(const QString& text) {
    int value = 0;
    for (const QChar c : text) {
        if (c != QLatin1Char('-')) {
            value = value * 10 + (c.unicode() - '0');
        }
    }
    return text.startsWith(QLatin1Char('-')) ? -value : value;
}

bool hasTrailingSpace(const QString& text) {
    return !text.isEmpty() && text.back().isSpace();
}

// A text value written as KEY=VALUE reads back unchanged when it is not empty,
// holds neither separator, no NUL (the wire form ends there) and no white
// space at its end (the parser trims each item).
bool readable(const QString& value) {
    return !value.isEmpty() && !value.contains(QLatin1Char(';')) &&
           !value.contains(QLatin1Char('=')) && !value.contains(QChar(u'\0')) &&
           !hasTrailingSpace(value);
}

// What a fresh record holds after parsing an item written with the value: the
// value where it is readable, the empty text where the item is dropped (empty
// value), and nothing certain otherwise.
std::optional<QString> readBack(const QString& value) {
    if (readable(value)) {
        return value;
    }
    if (value.isEmpty()) {
        return QString();
    }
    return std::nullopt;
}

void expectReadBack(Failures& failures, const char* field, const QString& actual,
                    const QString& written) {
    if (const auto expected = readBack(written)) {
        failures.expectText(field, actual, *expected);
    }
}

// The pieces of `text` between the separator `at`, empty pieces left out.
QStringList piecesBetween(const QString& text, QChar at) {
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == at) {
            if (i > start) {
                pieces << text.mid(start, i - start);
            }
            start = i + 1;
        }
    }
    return pieces;
}

QString withoutOuterSpace(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].isSpace()) {
        ++begin;
    }
    while (end > begin && text[end - 1].isSpace()) {
        --end;
    }
    return text.mid(begin, end - begin);
}

// The record that parsing `text` into a fresh record gives, worked out item by
// item as the format describes it. The time out is left out where its text is
// neither a plain decimal nor free of digits (nullopt).
struct Expected {
    PortSettings settings;
    std::optional<int> timeout = 0;
};

Expected parsedAsDescribed(const QString& text) {
    Expected expected;
    PortSettings& s = expected.settings;
    const QStringList items = piecesBetween(text, QLatin1Char(';'));
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i == 0) {
            s.portName = items[0];
            continue;
        }
        const QStringList kv = piecesBetween(withoutOuterSpace(items[i]), QLatin1Char('='));
        if (kv.size() != 2) {
            continue;
        }
        const QString& key = kv[0];
        const QString& value = kv[1];
        const bool on = value == QLatin1String("ON");
        if (key == QLatin1String("PROT")) {
            s.protocol = value == QLatin1String("SOCKET") ? 1
                         : value == QLatin1String("HTTP") ? 2
                                                          : 0;
        } else if (key == QLatin1String("MONITORING")) {
            s.monitoring = on;
        } else if (key == QLatin1String("COMMUNITY")) {
            s.community = value;
        } else if (key == QLatin1String("TIMEOUT")) {
            if (isPlainDecimal(value)) {
                expected.timeout = plainDecimal(value);
            } else if (std::none_of(value.begin(), value.end(),
                                    [](QChar c) { return c.isDigit(); })) {
                expected.timeout = 0;
            } else {
                expected.timeout = std::nullopt;
            }
        } else if (key == QLatin1String("HTTP_PROXY_ENABLED")) {
            s.proxyEnabled = on;
        } else if (key == QLatin1String("HTTP_PROXY_NAME")) {
            s.proxyName = value;
        } else if (key == QLatin1String("HTTP_PROXY_PORT")) {
            s.proxyPort = value;
        } else if (key == QLatin1String("HTTP_PROXY_LPRINTER")) {
            s.logicalPrinter = value;
        } else if (key == QLatin1String("HTTP_SECURE")) {
            s.secure = on;
        }
    }
    return expected;
}

// Properties of every parse result, whatever the text. A value is one piece of
// an item split at "=", so it holds neither separator; it may end in white
// space when the item went on with "=" after it.
void checkParsed(Failures& failures, const PortSettings& s, const QString& text) {
    const Expected expected = parsedAsDescribed(text);
    const PortSettings& e = expected.settings;
    failures.expectText("port name", s.portName, e.portName);
    failures.expectEqual("protocol", s.protocol, e.protocol);
    failures.expectEqual("proxy switch", s.proxyEnabled, e.proxyEnabled);
    failures.expectText("proxy name", s.proxyName, e.proxyName);
    failures.expectText("proxy port", s.proxyPort, e.proxyPort);
    failures.expectText("logical printer", s.logicalPrinter, e.logicalPrinter);
    failures.expectEqual("encryption", s.secure, e.secure);
    failures.expectEqual("monitoring", s.monitoring, e.monitoring);
    failures.expectText("community", s.community, e.community);
    if (expected.timeout) {
        failures.expectEqual("time out", s.timeout, *expected.timeout);
    }
    if (s.protocol < 0 || s.protocol > 2) {
        failures.fail(QStringLiteral("protocol %1").arg(s.protocol));
    }
    if (s.portName.contains(QLatin1Char(';'))) {
        failures.fail(QStringLiteral("port name %1 holds a separator").arg(shown(s.portName)));
    }
    const bool anyItem =
        std::any_of(text.begin(), text.end(), [](QChar c) { return c != QLatin1Char(';'); });
    if (s.portName.isEmpty() == anyItem) {
        failures.fail(QStringLiteral("port name %1 for a text %2 items")
                          .arg(shown(s.portName),
                               anyItem ? QStringLiteral("with") : QStringLiteral("without")));
    }
    const std::pair<const char*, const QString*> values[] = {
        {"proxy name", &s.proxyName},
        {"proxy port", &s.proxyPort},
        {"logical printer", &s.logicalPrinter},
        {"community", &s.community},
    };
    for (const auto& [field, value] : values) {
        if (value->contains(QLatin1Char(';')) || value->contains(QLatin1Char('='))) {
            failures.fail(QStringLiteral("%1 %2 could not have come from one item")
                              .arg(QLatin1String(field), shown(*value)));
        }
    }
}

// Hands the text to the port monitor's side and back: the block that
// toWireString makes, read with replyText within the byte count sent with it.
QString throughWire(Failures& failures, const QString& text) {
    const long blocks = win32::liveBlocks();
    PWSTR block = toWireString(text);
    if (!block) {
        failures.fail(QStringLiteral("toWireString gave no block"));
        return QString();
    }
    const DWORD bytes = 2 * static_cast<DWORD>(text.size()) + 2;
    if (block[text.size()] != 0) {
        failures.fail(QStringLiteral("the wire block has no terminator"));
    }
    const QString read = replyText(block, bytes);
    GlobalFree(block);
    // The wire form ends at the first NUL.
    const QString expected = text.left(text.indexOf(QChar(u'\0')));
    if (read != expected) {
        failures.fail(QStringLiteral("the wire form read back as %1").arg(shown(read)));
    }
    if (win32::liveBlocks() != blocks) {
        failures.fail(QStringLiteral("the wire block was not released"));
    }
    return read;
}

// The items of a composed string stay apart when no text holds a separator or
// a NUL and the port name is not empty.
bool itemsStayApart(const QString& portName, const QStringList& texts) {
    if (portName.isEmpty() || portName.contains(QLatin1Char(';')) ||
        portName.contains(QChar(u'\0'))) {
        return false;
    }
    for (const QString& text : texts) {
        if (text.contains(QLatin1Char(';')) || text.contains(QChar(u'\0'))) {
            return false;
        }
    }
    return true;
}

QString checkReply(FuzzInput& in) {
    Failures failures;
    // As a reply block of exactly the reported size, odd sizes and missing
    // terminators included.
    const size_t bytes = in.restSize();
    auto* block = static_cast<PBYTE>(GlobalAlloc(GMEM_ZEROINIT, bytes));
    if (!block) {
        return QStringLiteral("no reply block");
    }
    if (bytes > 0) {
        std::memcpy(block, in.rest(), bytes);
    }
    const QString whole = in.restAsUtf16();
    const QString read = replyText(reinterpret_cast<PCWSTR>(block), static_cast<DWORD>(bytes));
    GlobalFree(block);
    const QString expected = whole.left(whole.indexOf(QChar(u'\0')));
    if (read != expected) {
        failures.fail(QStringLiteral("the reply read as %1").arg(shown(read)));
    }
    for (const QString& text : {whole, read}) {
        PortSettings settings;
        parseParams(settings, text);
        checkParsed(failures, settings, text);
    }
    return failures.result(shown(whole));
}

QString checkAddPort(FuzzInput& in) {
    NewPortValues values;
    values.protocol = in.byte() % 4;
    const uint8_t flags = in.byte();
    values.proxyEnabled = flags & 1;
    values.secure = flags & 2;
    values.monitoring = flags & 4;
    values.portName = in.text();
    values.proxyName = in.text();
    values.proxyPort = in.text();
    values.logicalPrinter = in.text();
    values.community = in.text();

    Failures failures;
    const QString composed = composeAddPortString(values);
    if (!composed.endsWith(QLatin1Char(';'))) {
        failures.fail(QStringLiteral("no closing separator"));
    }
    PortSettings parsed;
    const QString read = throughWire(failures, composed);
    parseParams(parsed, read);
    checkParsed(failures, parsed, read);

    if (itemsStayApart(values.portName, {values.proxyName, values.proxyPort, values.logicalPrinter,
                                         values.community})) {
        const bool http = values.protocol == 2;
        failures.expectText("port name", parsed.portName, values.portName);
        failures.expectEqual("protocol", parsed.protocol,
                             values.protocol == 1 || http ? values.protocol : 0);
        failures.expectEqual("proxy switch", parsed.proxyEnabled, http && values.proxyEnabled);
        failures.expectEqual("encryption", parsed.secure, http && values.secure);
        failures.expectEqual("monitoring", parsed.monitoring, values.monitoring);
        failures.expectEqual("time out", parsed.timeout, 0);
        // The proxy and logical printer items are written for HTTP only.
        expectReadBack(failures, "proxy name", parsed.proxyName,
                       http ? values.proxyName : QString());
        expectReadBack(failures, "proxy port", parsed.proxyPort,
                       http ? values.proxyPort : QString());
        expectReadBack(failures, "logical printer", parsed.logicalPrinter,
                       http ? values.logicalPrinter : QString());
        expectReadBack(failures, "community", parsed.community, values.community);
    }
    return failures.result(shown(composed));
}

QString checkSetProperties(FuzzInput& in) {
    EditedPortValues values;
    const uint8_t flags = in.byte();
    values.proxyEnabled = flags & 1;
    values.monitoring = flags & 4;
    values.proxyPort = in.word();
    const QString portName = in.text();
    values.timeout = in.text();
    values.proxyName = in.text();
    values.community = in.text();

    Failures failures;
    const QString composed = composeSetPropertiesString(portName, values);
    if (composed.endsWith(QLatin1Char(';')) && !values.community.endsWith(QLatin1Char(';'))) {
        failures.fail(QStringLiteral("a closing separator"));
    }
    PortSettings parsed;
    const QString read = throughWire(failures, composed);
    parseParams(parsed, read);
    checkParsed(failures, parsed, read);

    if (itemsStayApart(portName, {values.timeout, values.proxyName, values.community})) {
        failures.expectText("port name", parsed.portName, portName);
        failures.expectEqual("protocol", parsed.protocol, 0);
        failures.expectEqual("proxy switch", parsed.proxyEnabled, values.proxyEnabled);
        failures.expectEqual("encryption", parsed.secure, false);
        failures.expectEqual("monitoring", parsed.monitoring, values.monitoring);
        expectReadBack(failures, "proxy name", parsed.proxyName, values.proxyName);
        failures.expectText("proxy port", parsed.proxyPort, QString::number(values.proxyPort));
        failures.expectText("logical printer", parsed.logicalPrinter, QString());
        expectReadBack(failures, "community", parsed.community, values.community);
        // A readable time out is a number when it is written in decimal
        // digits that fit, and 0 when it holds no digit of any script.
        const QString& timeout = values.timeout;
        if (readable(timeout) && isPlainDecimal(timeout)) {
            failures.expectEqual("time out", parsed.timeout, plainDecimal(timeout));
        } else if (timeout.isEmpty() ||
                   (readable(timeout) && std::none_of(timeout.begin(), timeout.end(),
                                                      [](QChar c) { return c.isDigit(); }))) {
            failures.expectEqual("time out", parsed.timeout, 0);
        }
    }
    return failures.result(shown(composed));
}

} // namespace

QString checkSettings(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const long blocks = win32::liveBlocks();
    // The parser logs every item; the lines are not wanted here.
    win32::beginDebugCapture();
    QString failure;
    switch (in.byte() % 3) {
    case 0:
        failure = checkReply(in);
        break;
    case 1:
        failure = checkAddPort(in);
        break;
    default:
        failure = checkSetProperties(in);
        break;
    }
    win32::endDebugCapture();
    if (failure.isEmpty() && win32::liveBlocks() != blocks) {
        failure = QStringLiteral("%1 blocks left behind").arg(win32::liveBlocks() - blocks);
    }
    return failure;
}
