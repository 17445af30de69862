#pragma once

#include <cstddef>
#include <span>

// The translations built into the programs, one table a language, made from
// translations/tessaro_LANG.ts at build time (tools/i18n/ts_table.py).
struct TranslationEntry {
    const char* source;
    const char* translation; // null while the translation is unfinished
};

struct LanguageTable {
    const char* language; // "de"
    const TranslationEntry* entries;
    std::size_t count;
};

extern const std::span<const LanguageTable> kLanguageTables;
