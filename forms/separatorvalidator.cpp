#include "forms/separatorvalidator.h"

SeparatorValidator::SeparatorValidator(QObject* parent) : QValidator(parent) {}

QValidator::State SeparatorValidator::validate(QString& input, int&) const {
    for (const QChar c : input) {
        if (c == QLatin1Char(';') || c == QLatin1Char('=')) {
            return Invalid;
        }
    }
    return Acceptable;
}
