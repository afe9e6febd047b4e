// What the page's build asks of the rules, beyond what the page itself
// calls: every text in both languages and how the controls are numbered,
// written into the page when it is built. Only the build's module has them.
#include "core/Json.h"
#include "core/StatusFlagCatalogue.h"
#include "core/Translatable.h"
#include "form/Form1Controls.h"
#include "form/LogTimeline.h"
#include "web/EnglishTexts.h"
#include "web/PageCalls.h"
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
    {"copyComparison", QT_TRANSLATE_NOOP("Page", "Копировать сравнение")},
    {"noAddress", QT_TRANSLATE_NOOP("Page", "Страница открыта из файла, и ссылки на неё нет: скопирована расшифровка.")},
    {"noStorage", QT_TRANSLATE_NOOP("Page", "Браузер не даёт хранить данные: недавние значения не сохраняются.")},
    {"loading", QT_TRANSLATE_NOOP("Page", "Загружаю правила…")},
    {"failed", QT_TRANSLATE_NOOP("Page", "Правила страницы не загрузились: обновите её; без сети откройте её один раз со связью.")},
    {"build", QT_TRANSLATE_NOOP("Page", "сборка %1")},
    {"update", QT_TRANSLATE_NOOP("Page", "Готова новая версия страницы.")},
    {"reload", QT_TRANSLATE_NOOP("Page", "Обновить")},
    {"ArrowLeft", QT_TRANSLATE_NOOP("Page", "Влево")},
    {"ArrowRight", QT_TRANSLATE_NOOP("Page", "Вправо")},
    {"Backspace", QT_TRANSLATE_NOOP("Page", "Стереть")},
    {"Enter", QT_TRANSLATE_NOOP("Page", "Ввод")},
    {"log", QT_TRANSLATE_NOOP("Page", "Журнал")},
    {"logOpen", QT_TRANSLATE_NOOP("Page", "Открыть журнал")},
    {"logHint", QT_TRANSLATE_NOOP("Page", "или перетащите файл на страницу, или вставьте строки журнала вне полей. Журнал читается здесь и никуда не отправляется.")},
    {"logReading", QT_TRANSLATE_NOOP("Page", "%1: читаю, %2%")},
    {"logFound", QT_TRANSLATE_NOOP("Page", "%1: показаний найдено: %2.")},
    {"logNone", QT_TRANSLATE_NOOP("Page", "%1: строк статуса и кодов ошибок в журнале нет.")},
    {"logFailed", QT_TRANSLATE_NOOP("Page", "%1: журнал не прочитан: %2")},
    {"logShown", QT_TRANSLATE_NOOP("Page", "Показано: %1 из %2.")},
    {"logPasted", QT_TRANSLATE_NOOP("Page", "Вставленные строки")},
    {"logFilter", QT_TRANSLATE_NOOP("Page", "Показать")},
    {"logAll", QT_TRANSLATE_NOOP("Page", "все показания")},
    {"logTime", QT_TRANSLATE_NOOP("Page", "Время")},
    {"logLine", QT_TRANSLATE_NOOP("Page", "Строка")},
    {"logValue", QT_TRANSLATE_NOOP("Page", "Показание")},
    {"logWords", QT_TRANSLATE_NOOP("Page", "Что изменилось")},
    {"logChanges", QT_TRANSLATE_NOOP("Page", "Только изменения")},
    {"logBack", QT_TRANSLATE_NOOP("Page", "К журналу")},
    {"logChart", QT_TRANSLATE_NOOP("Page", "Состояние чека, флаги, менявшиеся в журнале, и ошибки по времени; те же показания - в таблице")},
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
template <class Items, class Write>
void WriteArray(JsonWriter& json, const Items& items, Write write)
{
    json.BeginArray();
    for (const auto& item : items)
        write(item);
    json.EndArray();
}

void WriteTexts(JsonWriter& json, const auto& texts)
{
    WriteArray(json, texts, [&json](const std::string& text) { json.String(text); });
}

// Every text the page shows, in the language asked for.
std::string Texts(bool english)
{
    const TextTranslation translate = english ? &TranslatePageToEnglish : nullptr;
    std::string groups[kStatusByteCount];
    std::string boxes[kStatusByteCount * kBitsPerByte];
    for (int byteIndex = 0; byteIndex < kStatusByteCount; ++byteIndex) {
        groups[GroupBoxNumberOf(byteIndex) - 1] = Translated(kStatusFlagsContext, ByteCaption(byteIndex), translate);
        for (int bit = 0; bit < kBitsPerByte; ++bit)
            boxes[CheckBoxNumberOf(byteIndex, bit) - 1] = Translated(kStatusFlagsContext, FlagOf(byteIndex, bit).caption, translate);
    }
    std::string states[kReceiptStateCount];
    for (int state = 0; state < kReceiptStateCount; ++state)
        states[state] = Translated(kStatusFlagsContext, ReceiptStateList[static_cast<std::size_t>(state)], translate);

    std::string out;
    JsonWriter json(out);
    json.BeginObject();
    for (const char* name : {"Button2", "GroupBox7", "Label2", "Label3"})
        json.Key(name).String(Translated(kForm1Context, Form1Text(name), translate));
    json.Key("boxLanguages");
    WriteArray(json, boxes, [&](const std::string& caption) { json.String(IsEnglishIn(english, caption) ? "en" : ""); });
    json.Key("boxes");
    WriteTexts(json, boxes);
    json.Key("groups");
    WriteTexts(json, groups);
    json.Key("page").BeginObject();
    for (const auto& [key, text] : kPageWords)
        json.Key(key).String(Translated(kPageContext, text, translate));
    json.EndObject().Key("states");
    WriteTexts(json, states);
    json.Key("title").String(kForm1Caption).EndObject();
    return out;
}

// How the page's controls are numbered, as the window's are: per byte, in
// byte order (the page's reading and tab order), its group box's number and
// its check boxes' numbers by bit.
std::string Controls()
{
    std::string out;
    JsonWriter json(out);
    json.BeginArray();
    for (int byteIndex = 0; byteIndex < kStatusByteCount; ++byteIndex) {
        json.BeginObject().Key("boxes").BeginArray();
        for (int bit = 0; bit < kBitsPerByte; ++bit)
            json.Number(CheckBoxNumberOf(byteIndex, bit));
        json.EndArray()
            .Key("byte").Number(byteIndex)
            .Key("hasReceiptState").Bool(byteIndex == kReceiptStateByte)
            .Key("number").Number(GroupBoxNumberOf(byteIndex))
            .EndObject();
    }
    json.EndArray();
    return out;
}

// The script's side of the page's boundary (PageCalls.h): each call by name
// with how its answer is read, the page's and the log's, how the fields are
// numbered, how many boxes.
std::string Boundary()
{
    std::string out;
    JsonWriter json(out);
    json.BeginObject().Key("boxes").Number(kStatusByteCount * kBitsPerByte).Key("calls").BeginObject();
#define REGALO_PAGE_CALL_ANSWER(name, result, answer, parameters) json.Key(#name).String(#answer);
    REGALO_PAGE_CALLS(REGALO_PAGE_CALL_ANSWER)
    json.EndObject().Key("logCalls").BeginObject();
    REGALO_LOG_CALLS(REGALO_PAGE_CALL_ANSWER)
#undef REGALO_PAGE_CALL_ANSWER
    json.EndObject()
        .Key("fields").BeginObject().Key("errorCode").Number(kErrorCodeField).Key("status").Number(kStatusField).EndObject()
        .Key("logFilters").BeginObject()
        .Key("all").Number(static_cast<int>(LogTimeline::Filter::All))
        .Key("code").Number(static_cast<int>(LogTimeline::Filter::Code))
        .Key("flag").Number(static_cast<int>(LogTimeline::Filter::Flag))
        .EndObject()
        .EndObject();
    return out;
}

} // namespace

extern "C" {
EMSCRIPTEN_KEEPALIVE const char* page_texts(bool english) { return Answer(Texts(english)); }
EMSCRIPTEN_KEEPALIVE const char* page_controls() { return Answer(Controls()); }
EMSCRIPTEN_KEEPALIVE const char* page_boundary() { return Answer(Boundary()); }
}
