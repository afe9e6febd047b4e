// What the page's build asks of the rules, beyond what the page itself
// calls: every text in both languages and how the controls are numbered,
// written into the page when it is built. Only the build's module has them.
#include "core/StatusFlagCatalogue.h"
#include "core/Translatable.h"
#include "form/Form1Controls.h"
#include "web/EnglishTexts.h"
#include "web/ScriptText.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

namespace {

// The page's own words, beyond the window's: by the key the page's script
// knows them by.
constexpr std::pair<const char*, const char*> kPageWords[] = {
    {"explanation", QT_TRANSLATE_NOOP("Page", "Расшифровка")},
    {"copy", QT_TRANSLATE_NOOP("Page", "Копировать")},
    {"copyLink", QT_TRANSLATE_NOOP("Page", "Копировать ссылку")},
    {"share", QT_TRANSLATE_NOOP("Page", "Поделиться")},
    {"copied", QT_TRANSLATE_NOOP("Page", "Скопировано")},
    {"recent", QT_TRANSLATE_NOOP("Page", "Недавние")},
    {"compare", QT_TRANSLATE_NOOP("Page", "Сравнить с текущей")},
    {"clear", QT_TRANSLATE_NOOP("Page", "Очистить")},
    {"noStorage", QT_TRANSLATE_NOOP("Page", "Браузер не даёт хранить данные: недавние значения не сохраняются.")},
    {"loading", QT_TRANSLATE_NOOP("Page", "Загружаю правила…")},
    {"failed", QT_TRANSLATE_NOOP("Page", "Правила страницы не загрузились: обновите её; без сети откройте её один раз со связью.")},
    {"build", QT_TRANSLATE_NOOP("Page", "сборка %1")},
    {"update", QT_TRANSLATE_NOOP("Page", "Готова новая версия страницы.")},
    {"reload", QT_TRANSLATE_NOOP("Page", "Обновить")},
    {"ArrowLeft", QT_TRANSLATE_NOOP("Page", "Влево")},
    {"ArrowRight", QT_TRANSLATE_NOOP("Page", "Вправо")},
    {"Backspace", QT_TRANSLATE_NOOP("Page", "Стереть")},
};

// A caption in another script than the page's language: Latin letters and
// no Cyrillic one, in a Russian page. Screen readers speak it as English.
bool IsEnglishIn(bool englishPage, std::string_view utf8Caption)
{
    const auto latin = [](unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    // U+0400-U+04FF begin with these bytes in UTF-8.
    const auto cyrillic = [](unsigned char c) { return c >= 0xD0 && c <= 0xD3; };
    return !englishPage && std::any_of(utf8Caption.begin(), utf8Caption.end(), latin)
           && std::none_of(utf8Caption.begin(), utf8Caption.end(), cyrillic);
}
std::string TextArray(const auto& texts)
{
    return JsonArray(texts, [](const std::string& text) { return JsonQuoted(text); });
}

// Every text the page shows, in the language asked for.
std::string Texts(bool english)
{
    const TextTranslation translate = english ? &TranslateToEnglish : nullptr;
    JsonObject texts;
    texts.AddText("title", kForm1Caption);
    for (const char* name : {"Label3", "GroupBox7", "Label2", "Button2"})
        texts.AddText(name, Translated("TForm1", Form1Text(name), translate));
    std::string groups[kStatusByteCount];
    std::string boxes[kStatusByteCount * kBitsPerByte];
    for (int byteIndex = 0; byteIndex < kStatusByteCount; ++byteIndex) {
        groups[GroupBoxNumberOf(byteIndex) - 1] = Translated(kStatusFlagsContext, ByteCaption(byteIndex), translate);
        for (int bit = 0; bit < kBitsPerByte; ++bit)
            boxes[CheckBoxNumberOf(byteIndex, bit) - 1] = Translated(kStatusFlagsContext, FlagOf(byteIndex, bit).caption, translate);
    }
    texts.Add("groups", TextArray(groups));
    texts.Add("boxes", TextArray(boxes));
    texts.Add("boxLanguages", JsonArray(boxes, [&](const std::string& caption) {
        return JsonQuoted(IsEnglishIn(english, caption) ? "en" : "");
    }));
    std::string states[kReceiptStateCount];
    for (int state = 0; state < kReceiptStateCount; ++state)
        states[state] = Translated(kStatusFlagsContext, ReceiptStateList[static_cast<std::size_t>(state)], translate);
    texts.Add("states", TextArray(states));
    JsonObject words;
    for (const auto& [key, text] : kPageWords)
        words.AddText(key, Translated("Page", text, translate));
    texts.Add("page", words.Json());
    return texts.Json();
}

// How the page's controls are numbered, as the window's are: per byte, in
// byte order (the page's reading and tab order), its group box's number and
// its check boxes' numbers by bit.
std::string Controls()
{
    std::string groups[kStatusByteCount];
    for (int byteIndex = 0; byteIndex < kStatusByteCount; ++byteIndex) {
        int bits[kBitsPerByte];
        for (int bit = 0; bit < kBitsPerByte; ++bit)
            bits[bit] = CheckBoxNumberOf(byteIndex, bit);
        groups[byteIndex] = JsonObject()
                                .AddNumber("number", GroupBoxNumberOf(byteIndex))
                                .AddNumber("byte", byteIndex)
                                .Add("boxes", JsonArray(bits, [](int box) { return std::to_string(box); }))
                                .AddFlag("hasReceiptState", byteIndex == kReceiptStateByte)
                                .Json();
    }
    return JsonArray(groups, [](const std::string& group) { return group; });
}

} // namespace

extern "C" {
EMSCRIPTEN_KEEPALIVE const char* page_texts(bool english) { return Answer(Texts(english)); }
EMSCRIPTEN_KEEPALIVE const char* page_controls() { return Answer(Controls()); }
}
