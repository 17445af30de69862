#include "platform/translator_qt.h"

#include "platform/translate.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

// Outside any namespace, as the resource initialiser requires.
static void InitTranslations() {
    Q_INIT_RESOURCE(tessaro_translations);
}

namespace {
struct Installed {
    std::string language;
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> toolkit;
};

Installed& Current() {
    static Installed installed;
    return installed;
}

std::optional<std::string> LookUp(std::string_view source) {
    const std::string key(source);
    const QString text = QCoreApplication::translate(kTextContext, key.c_str());
    if (text == QString::fromStdString(key))
        return std::nullopt;
    return text.toStdString();
}
} // namespace

const std::string& WindowLanguage() {
    return Current().language;
}

bool UseLanguage(QCoreApplication& app, const std::string& language) {
    Installed& now = Current();
    for (auto* translator : {now.own.get(), now.toolkit.get()})
        if (translator != nullptr)
            app.removeTranslator(translator);
    now = Installed();
    SetTextLookup(nullptr);
    if (language.empty())
        return true;
    InitTranslations();
    auto own = std::make_unique<QTranslator>();
    if (!own->load(QString(":/i18n/tessaro_%1.qm").arg(QString::fromStdString(language))))
        return false;
    app.installTranslator(own.get());
    // The toolkit's own texts (Yes, No, the file dialogs) from the system's Qt
    // translations; a program built with a Qt of its own (Windows) carries them.
    auto toolkit = std::make_unique<QTranslator>();
    const QString toolkitFile = "qtbase_" + QString::fromStdString(language);
    if (toolkit->load(toolkitFile, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        toolkit->load(toolkitFile, ":/i18n"))
        app.installTranslator(toolkit.get());
    else
        toolkit.reset();
    now = Installed{language, std::move(own), std::move(toolkit)};
    SetTextLookup(LookUp);
    return true;
}

QString Tr(const char* source) {
    return QCoreApplication::translate(kTextContext, source);
}

QString TrShown(const std::string& shown) {
    return QString::fromStdString(Translated(shown));
}
