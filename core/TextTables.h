#pragma once

#include <cstddef>

// Translations of marked texts as data, for programs without Qt: generated
// from the Qt translation files when the program is built
// (translations/ts-to-cpp.py), each table ordered by context, then source
// text (bytes of UTF-8, as strcmp orders them).

struct TranslatedText {
    const char* context;
    const char* source;
    const char* translation;
};

// A text with a count ("%n"): its plural forms, Russian (one, few, many) and
// English (one, other).
struct CountedText {
    const char* context;
    const char* source;
    const char* russian[3];
    const char* english[2];
};

// The translation of `source`, or nullptr where the table has none.
const char* FindTranslation(const TranslatedText* table, std::size_t count, const char* context, const char* source);
const CountedText* FindCountedText(const CountedText* table, std::size_t count, const char* context, const char* source);
