// The C library over the core: each call reads one value as regalo-decode
// reads it and writes it with the same writer regalo-decode uses.
#include "lib/regalo/regalo.h"

#include "core/Formats.h"
#include "core/Reading.h"
#include "core/TextTables.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>

extern const TranslatedText kLibraryTexts[];
extern const std::size_t kLibraryTextCount;

namespace {

constexpr char kLibraryContext[] = "Library";

// What each result means, in Russian, the texts' own language; marked for
// translation, by result.
constexpr const char* kResultTexts[] = {
    QT_TRANSLATE_NOOP("Library", "готово"),
    QT_TRANSLATE_NOOP("Library", "значение не прочитано: его JSON говорит почему"),
    QT_TRANSLATE_NOOP("Library", "буфер мал: ответ записан не весь"),
    QT_TRANSLATE_NOOP("Library", "неверный аргумент: язык, формат или пустой указатель"),
    QT_TRANSLATE_NOOP("Library", "не хватило памяти"),
};
constexpr char kUnknownResult[] = QT_TRANSLATE_NOOP("Library", "неизвестный результат");

bool IsLanguage(int lang)
{
    return lang == REGALO_RU || lang == REGALO_EN;
}

bool IsFormat(int format)
{
    return format == REGALO_BRIEF || format == REGALO_JSON;
}

TextTranslation TranslationOf(int lang)
{
    return lang == REGALO_EN ? &TranslateToEnglish : nullptr;
}

// The writers hold nothing that changes: one of each, made on first use.
const FormatWriter& WriterFor(int lang, int format)
{
    static const auto russianBrief = MakeBriefWriter(ValueSource::Arguments, nullptr);
    static const auto englishBrief = MakeBriefWriter(ValueSource::Arguments, &TranslateToEnglish);
    static const auto russianJson = MakeJsonWriter(nullptr);
    static const auto englishJson = MakeJsonWriter(&TranslateToEnglish);
    if (format == REGALO_JSON)
        return lang == REGALO_EN ? *englishJson : *russianJson;
    return lang == REGALO_EN ? *englishBrief : *russianBrief;
}

// The value's text, as given: null only with nothing in it.
bool TakeInput(const char* text, std::size_t length, std::string_view& input)
{
    if (text == nullptr && length > 0)
        return false;
    input = text == nullptr ? std::string_view() : std::string_view(text, length);
    return true;
}

// Hands `text` out, without regalo-decode's final line feed, as far as it fits.
int Answer(std::string text, int result, char* buf, std::size_t cap, std::size_t* needed)
{
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    if (needed != nullptr)
        *needed = text.size();
    if (cap == 0)
        return text.empty() ? result : REGALO_TOO_SMALL;
    std::size_t written = std::min(text.size(), cap - 1);
    // Never half a character: what is written stays UTF-8.
    while (written < text.size() && written > 0 && (static_cast<unsigned char>(text[written]) & 0xC0u) == 0x80u)
        --written;
    std::memcpy(buf, text.data(), written);
    buf[written] = '\0';
    return written < text.size() ? REGALO_TOO_SMALL : result;
}

// A status line read, or the text and result of one that cannot be.
bool ReadStatus(std::string_view input, int lang, const FormatWriter& writer, StatusBytes& bytes, std::string& refusal)
{
    InputProblem problem{};
    if (ParseStatusLine(input, bytes, problem))
        return true;
    writer.Invalid(refusal, input, Phrased(problem, TranslationOf(lang)));
    return false;
}

// The shared shape of every call: arguments checked, nothing thrown out of the library.
template <class Explain>
int Call(int lang, int format, char* buf, std::size_t cap, std::size_t* needed, Explain explain)
{
    if (!IsLanguage(lang) || !IsFormat(format) || (buf == nullptr && cap > 0))
        return REGALO_BAD_ARGUMENT;
    try {
        std::string text;
        const int result = explain(WriterFor(lang, format), text);
        return Answer(std::move(text), result, buf, cap, needed);
    } catch (const std::bad_alloc&) {
        return REGALO_OUT_OF_MEMORY;
    }
}

} // namespace

extern "C" {

REGALO_API const char* REGALO_CALL regalo_version(void)
{
    return REGALO_VERSION;
}

REGALO_API const char* REGALO_CALL regalo_strerror(int result, int lang)
{
    const bool listed = result >= 0 && static_cast<std::size_t>(result) < std::size(kResultTexts);
    const char* text = listed ? kResultTexts[result] : kUnknownResult;
    if (lang != REGALO_EN)
        return text;
    const char* english = FindTranslation(kLibraryTexts, kLibraryTextCount, kLibraryContext, text);
    return english != nullptr ? english : text;
}

REGALO_API int REGALO_CALL regalo_explain_status(const char* line, std::size_t len, int lang, int format, char* buf,
                                                 std::size_t cap, std::size_t* needed)
{
    std::string_view given;
    if (!TakeInput(line, len, given))
        return REGALO_BAD_ARGUMENT;
    return Call(lang, format, buf, cap, needed, [&](const FormatWriter& writer, std::string& text) {
        const std::string_view input = Trimmed(given);
        StatusBytes bytes{};
        if (!ReadStatus(input, lang, writer, bytes, text))
            return REGALO_UNREADABLE;
        writer.Status(text, input, bytes);
        return REGALO_OK;
    });
}

REGALO_API int REGALO_CALL regalo_explain_error(const char* code, std::size_t len, int lang, int format, char* buf,
                                                std::size_t cap, std::size_t* needed)
{
    std::string_view given;
    if (!TakeInput(code, len, given))
        return REGALO_BAD_ARGUMENT;
    return Call(lang, format, buf, cap, needed, [&](const FormatWriter& writer, std::string& text) {
        const std::string_view input = Trimmed(given);
        ErrorCode read{};
        InputProblem problem{};
        if (!ParseErrorCode(input, read, problem)) {
            writer.Invalid(text, input, Phrased(problem, TranslationOf(lang)));
            return REGALO_UNREADABLE;
        }
        writer.Code(text, input, read, writer.Message(read));
        return REGALO_OK;
    });
}

REGALO_API int REGALO_CALL regalo_diff(const char* before, std::size_t before_len, const char* after, std::size_t after_len,
                                       int lang, int format, char* buf, std::size_t cap, std::size_t* needed)
{
    std::string_view first;
    std::string_view second;
    if (!TakeInput(before, before_len, first) || !TakeInput(after, after_len, second))
        return REGALO_BAD_ARGUMENT;
    return Call(lang, format, buf, cap, needed, [&](const FormatWriter& writer, std::string& text) {
        StatusBytes lines[2]{};
        if (!ReadStatus(Trimmed(first), lang, writer, lines[0], text) || !ReadStatus(Trimmed(second), lang, writer, lines[1], text))
            return REGALO_UNREADABLE;
        writer.Difference(text, lines[0], lines[1]);
        return REGALO_OK;
    });
}

} // extern "C"
