// The C library over the core: each call reads one value as regalo-decode
// reads it and writes it with the same writer regalo-decode uses.
#include "lib/Calls.h"

#include "core/GivenValue.h"
#include "core/TextTables.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
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

// The value's text, as given: never null.
bool TakeInput(const char* text, std::size_t length, std::string_view& input)
{
    if (text == nullptr)
        return false;
    input = std::string_view(text, length);
    return true;
}

// A value read and explained, or refused: in the brief format with why in
// words, in JSON as regalo-decode writes it.
int Explain(ValueKind kind, std::string_view given, int lang, int format, char* buf, std::size_t cap, std::size_t* needed)
{
    if (!IsLanguage(lang) || !IsFormat(format))
        return Unanswered(REGALO_BAD_ARGUMENT, buf, cap, needed);
    return Call(buf, cap, needed, [&](std::string& text) {
        const GivenValue value = ReadGivenValue(kind, given, TranslationOf(lang));
        if (!value.read && format == REGALO_BRIEF)
            text = value.why;
        else
            WriteGivenValue(WriterFor(lang, format), value, text);
        return value.read ? REGALO_OK : REGALO_UNREADABLE;
    });
}

// A status line read, or why not in `text`.
bool ReadStatus(std::string_view given, int lang, StatusBytes& bytes, std::string& why)
{
    GivenValue value = ReadGivenValue(ValueKind::Status, given, TranslationOf(lang));
    bytes = value.bytes;
    why = std::move(value.why);
    return value.read;
}

} // namespace

const FormatWriter& WriterFor(int lang, int format)
{
    // The writers hold nothing that changes: one of each, made on first use.
    static const auto russianBrief = MakeBriefWriter(ValueSource::Arguments, nullptr);
    static const auto englishBrief = MakeBriefWriter(ValueSource::Arguments, &TranslateToEnglish);
    static const auto russianJson = MakeJsonWriter(nullptr);
    static const auto englishJson = MakeJsonWriter(&TranslateToEnglish);
    if (format == REGALO_JSON)
        return lang == REGALO_EN ? *englishJson : *russianJson;
    return lang == REGALO_EN ? *englishBrief : *russianBrief;
}

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

int Unanswered(int result, char* buf, std::size_t cap, std::size_t* needed)
{
    if (buf != nullptr && cap > 0)
        buf[0] = '\0';
    if (needed != nullptr)
        *needed = 0;
    return result;
}

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
        return Unanswered(REGALO_BAD_ARGUMENT, buf, cap, needed);
    return Explain(ValueKind::Status, given, lang, format, buf, cap, needed);
}

REGALO_API int REGALO_CALL regalo_explain_error(const char* code, std::size_t len, int lang, int format, char* buf,
                                                std::size_t cap, std::size_t* needed)
{
    std::string_view given;
    if (!TakeInput(code, len, given))
        return Unanswered(REGALO_BAD_ARGUMENT, buf, cap, needed);
    return Explain(ValueKind::ErrorCode, given, lang, format, buf, cap, needed);
}

REGALO_API int REGALO_CALL regalo_diff(const char* before, std::size_t before_len, const char* after, std::size_t after_len,
                                       int lang, int format, char* buf, std::size_t cap, std::size_t* needed)
{
    std::string_view first;
    std::string_view second;
    if (!TakeInput(before, before_len, first) || !TakeInput(after, after_len, second) || !IsLanguage(lang) || !IsFormat(format))
        return Unanswered(REGALO_BAD_ARGUMENT, buf, cap, needed);
    // Where a line cannot be read, the answer is that line's.
    StatusBytes lines[2]{};
    std::string why;
    try {
        for (int i = 0; i < 2; ++i) {
            const std::string_view line = i == 0 ? first : second;
            if (!ReadStatus(line, lang, lines[i], why))
                return Explain(ValueKind::Status, line, lang, format, buf, cap, needed);
        }
    } catch (const std::bad_alloc&) {
        return Unanswered(REGALO_OUT_OF_MEMORY, buf, cap, needed);
    }
    return Call(buf, cap, needed, [&](std::string& text) {
        WriterFor(lang, format).Difference(text, lines[0], lines[1]);
        return REGALO_OK;
    });
}

REGALO_API int REGALO_CALL regalo_explain_status_bytes(const unsigned char bytes[6], int lang, int format, char* buf,
                                                       std::size_t cap, std::size_t* needed)
{
    if (bytes == nullptr)
        return Unanswered(REGALO_BAD_ARGUMENT, buf, cap, needed);
    StatusBytes status{};
    std::copy_n(bytes, kStatusByteCount, status.begin());
    const std::string text = StatusHexText(status);
    return Explain(ValueKind::Status, text, lang, format, buf, cap, needed);
}

REGALO_API int REGALO_CALL regalo_explain_error_number(unsigned code, int lang, int format, char* buf, std::size_t cap,
                                                       std::size_t* needed)
{
    char text[16];
    const int length = std::snprintf(text, sizeof text, "%04X", code);
    return Explain(ValueKind::ErrorCode, std::string_view(text, static_cast<std::size_t>(length)), lang, format, buf, cap, needed);
}

REGALO_API int REGALO_CALL regalo_read_status(const char* line, std::size_t len, unsigned char out[6], int lang, char* buf,
                                              std::size_t cap, std::size_t* needed)
{
    std::string_view given;
    if (!TakeInput(line, len, given) || out == nullptr || !IsLanguage(lang))
        return Unanswered(REGALO_BAD_ARGUMENT, buf, cap, needed);
    return Call(buf, cap, needed, [&](std::string& why) {
        StatusBytes bytes{};
        if (!ReadStatus(given, lang, bytes, why))
            return REGALO_UNREADABLE;
        std::copy(bytes.begin(), bytes.end(), out);
        return REGALO_OK;
    });
}

REGALO_API int REGALO_CALL regalo_read_error(const char* code, std::size_t len, unsigned* out, int lang, char* buf,
                                             std::size_t cap, std::size_t* needed)
{
    std::string_view given;
    if (!TakeInput(code, len, given) || out == nullptr || !IsLanguage(lang))
        return Unanswered(REGALO_BAD_ARGUMENT, buf, cap, needed);
    return Call(buf, cap, needed, [&](std::string& why) {
        GivenValue value = ReadGivenValue(ValueKind::ErrorCode, given, TranslationOf(lang));
        if (!value.read) {
            why = std::move(value.why);
            return REGALO_UNREADABLE;
        }
        *out = static_cast<unsigned>(value.code.detail) << 8 | value.code.errorClass;
        return REGALO_OK;
    });
}

} // extern "C"
