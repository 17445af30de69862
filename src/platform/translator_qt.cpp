#include "platform/translator_qt.h"

#include "platform/translate.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

// Outside any namespace, as the resource initialiser requires.
static void InitTranslations() {
    Q_INIT_RESOURCE(tessaro_translations);
}

namespace {
std::string& Language() {
    static std::string language;
    return language;
}
} // namespace

const std::string& WindowLanguage() {
    return Language();
}

bool UseLanguage(QCoreApplication& app, const std::string& language) {
    if (language.empty())
        return true;
    InitTranslations();
    auto* own = new QTranslator(&app);
    if (!own->load(QString(":/i18n/tessaro_%1.qm").arg(QString::fromStdString(language)))) {
        delete own;
        return false;
    }
    app.installTranslator(own);
    Language() = language;
    auto* toolkit = new QTranslator(&app);
    if (toolkit->load("qtbase_" + QString::fromStdString(language),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(toolkit);
    else
        delete toolkit;
    SetTextLookup([](std::string_view source) -> std::optional<std::string> {
        const std::string key(source);
        const QString text = QCoreApplication::translate(kTextContext, key.c_str());
        if (text == QString::fromStdString(key))
            return std::nullopt;
        return text.toStdString();
    });
    return true;
}

QString Tr(const char* source) {
    return QCoreApplication::translate(kTextContext, source);
}

QString TrShown(const std::string& shown) {
    return QString::fromStdString(Translated(shown));
}
