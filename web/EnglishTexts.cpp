#include "web/EnglishTexts.h"

#include <algorithm>
#include <cstring>

const char* TranslateToEnglish(const char* context, const char* source)
{
    const auto less = [](const EnglishText& a, const EnglishText& b) {
        const int byContext = std::strcmp(a.context, b.context);
        return byContext != 0 ? byContext < 0 : std::strcmp(a.source, b.source) < 0;
    };
    const EnglishText key{context, source, nullptr};
    const EnglishText* end = kEnglishTexts + kEnglishTextCount;
    const EnglishText* found = std::lower_bound(kEnglishTexts, end, key, less);
    if (found == end || less(key, *found) || *found->translation == '\0')
        return source;
    return found->translation;
}
