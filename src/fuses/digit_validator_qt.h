#pragma once

#include <QString>
#include <QValidator>

// Guards what reaches an edit box other than by typing (pasting, dropping):
// the text is upper-cased and only the given characters may stand in it.
class TDigitValidator : public QValidator {
public:
    TDigitValidator(QString allowed, QObject* parent)
        : QValidator(parent), allowed_(std::move(allowed)) {}

    State validate(QString& input, int&) const override {
        input = input.toUpper();
        for (QChar c : input)
            if (!allowed_.contains(c))
                return Invalid;
        return Acceptable;
    }

private:
    QString allowed_;
};

inline const QString kHexDigits = QStringLiteral("0123456789ABCDEF");
