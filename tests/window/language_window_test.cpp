// The window in the user's language: Qt's translators made from translations/*.ts.
#include "main_window_harness.h"

#include "app/fuse_edit_fm.h"
#include "app/small_dialogs_fm.h"
#include "platform/translate.h"
#include "platform/translator_qt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <map>

#include <gtest/gtest.h>

namespace {
struct WindowInLanguage {
    explicit WindowInLanguage(const std::string& language) { ok = UseLanguage(*qApp, language); }
    ~WindowInLanguage() { UseLanguage(*qApp, ""); }
    bool ok = false;
};

// Every text a user reads or hears of a window and its menus.
void CollectTexts(QWidget* window, std::vector<QString>& texts) {
    texts.push_back(window->windowTitle());
    for (QWidget* w : window->findChildren<QWidget*>()) {
        texts.push_back(w->toolTip());
        texts.push_back(w->accessibleName());
        texts.push_back(w->accessibleDescription());
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            texts.push_back(b->text());
        if (auto* l = qobject_cast<QLabel*>(w))
            texts.push_back(l->text());
    }
    for (QAction* a : window->findChildren<QAction*>()) {
        texts.push_back(a->text());
        texts.push_back(a->toolTip());
    }
}

// Texts that answer the same Alt+letter where they are offered together: in
// one window its menu bar, buttons and labelled fields; in one menu its items.
using Clashes = std::map<QString, QStringList>;
void AddKey(Clashes& keys, const QString& text) {
    const QString key = QKeySequence::mnemonic(text).toString();
    if (!key.isEmpty())
        keys[key].append(text);
}

void CollectClashes(QWidget* window, std::vector<QStringList>& clashes) {
    Clashes inWindow;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window)
            continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            AddKey(inWindow, b->text());
        if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy())
            AddKey(inWindow, l->text());
        if (auto* bar = qobject_cast<QMenuBar*>(w))
            for (QAction* a : bar->actions())
                AddKey(inWindow, a->text());
    }
    std::vector<Clashes> groups{inWindow};
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        groups.emplace_back();
        for (QAction* a : menu->actions())
            AddKey(groups.back(), a->text());
    }
    for (const Clashes& group : groups)
        for (const auto& [key, texts] : group)
            if (texts.size() > 1)
                clashes.push_back(texts);
}
} // namespace

TEST(LanguageWindow, InGermanNoEnglishTextIsLeftInTheWindowsAndMenus) {
    const WindowInLanguage german("de");
    ASSERT_TRUE(german.ok);
    MainWindowHarness h("language-de");
    h.CopyShippedChipFile();
    TestWindow& w = h.Start();
    w.Timer1->stop();
    std::vector<QString> texts;
    CollectTexts(&w, texts);
    CollectTexts(w.FuseEditFM, texts);
    CollectTexts(w.FlyForm, texts);
    const TextLookup builtIn = BuiltInLookup("de");
    for (const QString& text : texts) {
        const std::optional<std::string> german = builtIn(text.toStdString());
        EXPECT_TRUE(!german || *german == text.toStdString())
            << "shown in English: " << text.toStdString();
    }
    EXPECT_EQ(w.Load1->text(), "&Laden");
    EXPECT_EQ(w.StatusLabel->text(), "Tessaro wird zurückgesetzt...");
    // The toolkit's own buttons come from the system's Qt translations.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Ja");
}

TEST(LanguageWindow, BackInEnglishTheTextsAreTheSourceTexts) {
    { const WindowInLanguage spanish("es"); }
    MainWindowHarness h("language-en");
    TestWindow& w = h.Start();
    EXPECT_EQ(w.Load1->text(), "&Load");
    EXPECT_EQ(Translated("Ready"), "Ready");
    EXPECT_FALSE(UseLanguage(*qApp, "xx"));
}

// In English ("") as in each translation every command has a key of its own.
TEST(LanguageWindow, NoTwoCommandsOfAWindowOrMenuShareTheirAltKey) {
    std::vector<std::string> languages = ShippedLanguages();
    languages.insert(languages.begin(), "");
    for (const std::string& language : languages) {
        const WindowInLanguage translated(language);
        MainWindowHarness h("language-keys-" + language);
        TestWindow& w = h.Start();
        w.Timer1->stop();
        std::vector<QStringList> clashes;
        CollectClashes(&w, clashes);
        for (QWidget* dialog : w.findChildren<QWidget*>())
            if (dialog->isWindow())
                CollectClashes(dialog, clashes);
        for (const QStringList& texts : clashes)
            ADD_FAILURE() << language << ": " << texts.join(" / ").toStdString();
    }
}
