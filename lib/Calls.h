#pragma once

// What every call of the library shares: its arguments checked, its answer
// handed out by the buffer convention of regalo.h, nothing thrown out of it.
#include "core/Formats.h"
#include "core/Translatable.h"
#include "lib/regalo/regalo.h"

#include <cstddef>
#include <new>
#include <string>

inline bool IsLanguage(int lang)
{
    return lang == REGALO_RU || lang == REGALO_EN;
}

inline bool IsFormat(int format)
{
    return format == REGALO_BRIEF || format == REGALO_JSON;
}

inline TextTranslation TranslationOf(int lang)
{
    return lang == REGALO_EN ? &TranslateToEnglish : nullptr;
}

// regalo-decode's writer for a value given as an argument.
const FormatWriter& WriterFor(int lang, int format);

// Hands `text` out, without regalo-decode's final line feed, as far as it fits.
int Answer(std::string text, int result, char* buf, std::size_t cap, std::size_t* needed);
// A call that writes nothing still leaves an empty text where it may.
int Unanswered(int result, char* buf, std::size_t cap, std::size_t* needed);

// `answer(text)` gives the result and fills `text`; a bad buffer is refused first.
template <class Write>
int Call(char* buf, std::size_t cap, std::size_t* needed, Write answer)
{
    if (buf == nullptr && cap > 0)
        return REGALO_BAD_ARGUMENT;
    try {
        std::string text;
        const int result = answer(text);
        return Answer(std::move(text), result, buf, cap, needed);
    } catch (const std::bad_alloc&) {
        return Unanswered(REGALO_OUT_OF_MEMORY, buf, cap, needed);
    }
}
