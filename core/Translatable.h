#pragma once

// Marks a text of the tables for Qt's translation tools without bringing Qt
// into the core: the text stays as it is here and is translated where it is
// shown, in the context named. The same definition as Qt's own.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// Translates a marked text of `context`; nullptr stands for the texts as they are.
using TextTranslation = const char* (*)(const char* context, const char* source);

// A marked text of `context` in the language `translate` gives; an empty
// text stays empty.
inline const char* Translated(const char* context, const char* text, TextTranslation translate)
{
    return translate != nullptr && *text != '\0' ? translate(context, text) : text;
}

inline constexpr char kStatusFlagsContext[] = "StatusFlags";
inline constexpr char kErrorCodesContext[] = "ErrorCodes";
