#include "core/TextTables.h"
#include "core/Translatable.h"

#include <algorithm>
#include <cstring>

// The core's tables, generated at build time.
extern const TranslatedText kCoreTexts[];
extern const std::size_t kCoreTextCount;
extern const CountedText kCoreCountedTexts[];
extern const std::size_t kCoreCountedTextCount;

namespace {

template <class Row>
const Row* Find(const Row* table, std::size_t count, const char* context, const char* source)
{
    const auto less = [](const Row& a, const Row& b) {
        const int byContext = std::strcmp(a.context, b.context);
        return byContext != 0 ? byContext < 0 : std::strcmp(a.source, b.source) < 0;
    };
    Row key{};
    key.context = context;
    key.source = source;
    const Row* end = table + count;
    const Row* found = std::lower_bound(table, end, key, less);
    return found == end || less(key, *found) ? nullptr : found;
}

// Qt's rules for the plural forms of the two languages.
std::size_t RussianForm(std::size_t n)
{
    if (n % 10 == 1 && n % 100 != 11)
        return 0;
    if (n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 10 || n % 100 >= 20))
        return 1;
    return 2;
}

} // namespace

const char* FindTranslation(const TranslatedText* table, std::size_t count, const char* context, const char* source)
{
    const TranslatedText* found = Find(table, count, context, source);
    return found == nullptr ? nullptr : found->translation;
}

const CountedText* FindCountedText(const CountedText* table, std::size_t count, const char* context, const char* source)
{
    return Find(table, count, context, source);
}

const char* TranslateToEnglish(const char* context, const char* source)
{
    const char* found = FindTranslation(kCoreTexts, kCoreTextCount, context, source);
    return found != nullptr ? found : source;
}

std::string Counted(const char* context, const char* source, std::size_t count, TextTranslation translate)
{
    const CountedText* counted = FindCountedText(kCoreCountedTexts, kCoreCountedTextCount, context, source);
    std::string text = counted == nullptr            ? source
                       : translate == nullptr        ? counted->russian[RussianForm(count)]
                                                     : counted->english[count == 1 ? 0 : 1];
    const std::string number = std::to_string(count);
    for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at + number.size()))
        text.replace(at, 2, number);
    return text;
}

std::string Filled(std::string_view text, std::initializer_list<std::string_view> values)
{
    // One pass over the text: what a value brings in is never filled again.
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t index = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : values.size();
        if (text[i] == '%' && index < values.size()) {
            filled += values.begin()[index];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}
