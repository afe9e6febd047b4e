#include "web/EnglishTexts.h"

#include "core/TextTables.h"
#include "core/Translatable.h"

extern const TranslatedText kPageTexts[];
extern const std::size_t kPageTextCount;

const char* TranslatePageToEnglish(const char* context, const char* source)
{
    const char* found = FindTranslation(kPageTexts, kPageTextCount, context, source);
    return found != nullptr ? found : TranslateToEnglish(context, source);
}
