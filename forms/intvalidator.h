// A validator for whole numbers that lets every number be typed: only digits
// are refused as they are typed; the empty text and numbers outside the range
// stay in the field as intermediate input, numbers in range are acceptable.
// A digit string too long to be read as a number is refused.
#pragma once

#include <QValidator>

class IntValidator : public QValidator {
    Q_OBJECT
public:
    // Named "IntValidator".
    IntValidator(int bottom, int top, QObject* parent);

    State validate(QString& input, int& position) const override;

    int bottom() const { return bottomValue; }
    int top() const { return topValue; }

private:
    int bottomValue;
    int topValue;
};
