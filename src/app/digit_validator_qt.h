#pragma once

#include <QKeyEvent>
#include <QLineEdit>
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

// Applies a key filter to a typed character: dropped, passed, or replaced by
// its upper-case form. Keys without a printable character (Backspace, Enter,
// Delete, Tab, shortcuts) go their usual way.
inline bool FilterKey(QLineEdit* edit, QKeyEvent* event, char (*filter)(char)) {
    const QString text = event->text();
    if (text.size() != 1)
        return false;
    const char16_t code = text.at(0).unicode();
    if (code < 0x20 || code == 0x7F)
        return false;
    const char typed = code < 0x80 ? static_cast<char>(code) : '\0';
    const char passed = typed == '\0' ? '\0' : filter(typed);
    if (passed == '\0')
        return true;
    if (passed != typed) {
        edit->insert(QString(QChar(passed)));
        return true;
    }
    return false;
}
