#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text of the tables for Qt's translation tools without bringing Qt
// into the core: the text stays as it is here and is translated where it is
// shown, in the context named. The same definitions as Qt's own.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x
#endif

// Translates a marked text of `context`; nullptr stands for the texts as they
// are, in Russian, their own language. The only other language is English.
using TextTranslation = const char* (*)(const char* context, const char* source);

// A marked text of `context` in the language `translate` gives; an empty
// text stays empty.
inline const char* Translated(const char* context, const char* text, TextTranslation translate)
{
    return translate != nullptr && *text != '\0' ? translate(context, text) : text;
}

// The English of the core's own texts, from translations/regalo_en.ts.
const char* TranslateToEnglish(const char* context, const char* source);

// A counted text ("%n символ(ов)") in the plural form its language takes for
// `count`, with %n replaced by it.
std::string Counted(const char* context, const char* source, std::size_t count, TextTranslation translate);

// The text with %1, %2 … replaced by `values` in turn.
std::string Filled(std::string_view text, std::initializer_list<std::string_view> values);

// Built on first use, once for Russian and once for English, whichever
// thread asks first; each call site keeps its own.
template <class Build>
const auto& OncePerLanguage(TextTranslation translate, Build build)
{
    using Built = decltype(build());
    if (translate == nullptr) {
        static const Built russian = build();
        return russian;
    }
    static const Built english = build();
    return english;
}

// The contexts of the core's texts.
inline constexpr char kStatusFlagsContext[] = "StatusFlags";
inline constexpr char kErrorCodesContext[] = "ErrorCodes";
inline constexpr char kExplanationContext[] = "Explanation";
// What is wrong with a value that cannot be read.
inline constexpr char kReadingContext[] = "Reading";
// Why a command line is refused.
inline constexpr char kOptionsContext[] = "Options";
// The labels of regalo-decode's text output and listings.
inline constexpr char kReportContext[] = "Report";
