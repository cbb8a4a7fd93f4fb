#include "forms/intvalidator.h"

IntValidator::IntValidator(int bottom, int top, QObject* parent)
    : QValidator(parent), bottomValue(bottom), topValue(top) {
    setObjectName(QStringLiteral("IntValidator"));
}

QValidator::State IntValidator::validate(QString& input, int&) const {
    if (input.isEmpty()) {
        return Intermediate;
    }
    for (const QChar c : input) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return Invalid;
        }
    }
    bool ok = false;
    const int value = input.toInt(&ok, 10);
    if (!ok) {
        return Invalid;
    }
    return value >= bottomValue && value <= topValue ? Acceptable : Intermediate;
}
