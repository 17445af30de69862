#pragma once

#include <QString>

#include <string>

class QCoreApplication;

// Source texts (N_) belong to this one translation context.
inline constexpr const char* kTextContext = "Tessaro";

// The window in `language` ("de", "es"; empty for English): the program's own
// translations, built into it, and the toolkit's (its standard buttons and file
// dialogs) from the system's Qt translations; the texts the engine shows are
// looked up through them as well (SetTextLookup). False when the program has
// no translation for the language.
bool UseLanguage(QCoreApplication& app, const std::string& language);

// The language UseLanguage set; empty for English.
const std::string& WindowLanguage();

// A text of the window in the user's language.
QString Tr(const char* source);
// A text shown by code below the window (possibly composed), in the user's language.
QString TrShown(const std::string& shown);
