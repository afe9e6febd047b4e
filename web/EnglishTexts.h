#pragma once

#include <cstddef>

// The English translation of the texts the page shows, generated from the
// desktop program's translation file at build time; ordered by context, then
// source text (byte order).
struct EnglishText {
    const char* context;
    const char* source;
    const char* translation;
};

extern const EnglishText kEnglishTexts[];
extern const std::size_t kEnglishTextCount;

// A TextTranslation: the English text, or the source where there is none.
const char* TranslateToEnglish(const char* context, const char* source);
