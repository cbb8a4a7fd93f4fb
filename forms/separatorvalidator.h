// A validator for texts that end up in a port settings string, where ";"
// separates the items and "=" a key from its value: a text holding either is
// refused as it is typed or pasted, any other text is acceptable.
#pragma once

#include <QValidator>

class SeparatorValidator : public QValidator {
    Q_OBJECT
public:
    explicit SeparatorValidator(QObject* parent);

    State validate(QString& input, int& position) const override;
};
