// The page's bindings: the window's rules, run on the page's events. The
// script reads DOM events into these calls (PageCalls.h) and draws view().
#include "core/Cp1251.h"
#include "core/Diagnostics.h"
#include "core/Reading.h"
#include "core/ErrorCodes.h"
#include "core/Explanation.h"
#include "core/Json.h"
#include "core/StatusFlagCatalogue.h"
#include "core/Utf8.h"
#include "form/ErrorCodeRow.h"
#include "form/FieldKeys.h"
#include "form/FieldRules.h"
#include "form/Form1Controls.h"
#include "form/MaskEditModel.h"
#include "form/StatusBinding.h"
#include "web/EnglishTexts.h"
#include "web/PageCalls.h"
#include "web/ScriptText.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

// The field's keys by the browser's names (KeyboardEvent.key); a name of
// one character is the character it types.
FieldKey FieldKeyNamed(std::string_view key)
{
    static const std::pair<std::string_view, FieldKey> kNames[] = {
        {"ArrowLeft", FieldKey::Left}, {"ArrowRight", FieldKey::Right}, {"Home", FieldKey::Home},
        {"End", FieldKey::End}, {"ArrowUp", FieldKey::Up}, {"ArrowDown", FieldKey::Down},
        {"Backspace", FieldKey::Backspace}, {"Delete", FieldKey::Delete}, {"Enter", FieldKey::Enter},
        {"Escape", FieldKey::Escape},
    };
    for (const auto& [name, fieldKey] : kNames) {
        if (key == name)
            return fieldKey;
    }
    return FromUtf8(key).size() == 1 ? FieldKey::Text : FieldKey::Other;
}
std::u32string Latin(std::string_view text)
{
    return {text.begin(), text.end()};
}

constexpr char kBadLink[] =
    QT_TRANSLATE_NOOP("Page", "Ссылка не открыта: в ней нет строки статуса (s=) или кода ошибки (e=), которые можно прочитать.");
constexpr char kLinkNotOpened[] = QT_TRANSLATE_NOOP("Page", "Ссылка не открыта: %1.");
constexpr char kLinkPartlyOpened[] = QT_TRANSLATE_NOOP("Page", "Ссылка открыта не вся: %1.");
constexpr char kUnreadStatus[] = QT_TRANSLATE_NOOP("Page", "строка статуса %1 не прочитана (%2)");
constexpr char kUnreadCode[] = QT_TRANSLATE_NOOP("Page", "код ошибки %1 не прочитан (%2)");

// The most a paste may hold, in UTF-16 units as the browser counts them: far
// more than any status line in any form, so that a pasted file cannot hang
// the page.
constexpr int kLargestPaste = 4096;
constexpr char kPasteRefused[] =
    QT_TRANSLATE_NOOP("Page", "Вставка не принята: в ней %1 символов, а строка статуса не бывает длиннее 4096.");

// How many status lines and codes the page keeps.
constexpr std::size_t kRecentCount = 20;

std::optional<StatusLine> WholeStatusLine(const std::u32string& text)
{
    return ReadStatusLine(ToCp1251(text));
}

bool IsErrorCode(const std::string& text)
{
    return ReadErrorCode(text, CodeLetters::EitherCase).has_value();
}

TextTranslation TranslationFor(bool english)
{
    return english ? &TranslatePageToEnglish : nullptr;
}

class Page {
public:
    explicit Page(bool english)
        : translate_(TranslationFor(english)), status_(Latin(kStatusEditMask)), errorCode_(Latin(kErrorCodeEditMask)),
          binding_(status_), row_(errorCode_)
    {
        // The fields start showing these texts; no handler runs for them.
        status_.SetText(Latin(kInitialStatusText));
        errorCode_.SetText(Latin(kInitialErrorCodeText));
        // What looks like a whole value but cannot be read is refused whole, with the reason.
        for (MaskEditModel* field : {&status_, &errorCode_})
            field->OnPasteRefused = [this](const InputProblem& problem) { AddMessage(Phrased(problem, translate_)); };
    }

    // A key pressed in a field, by the browser's key name and modifiers;
    // false leaves it to the browser (Tab, say).
    bool KeyDown(int field, std::string_view key, bool shift, bool control, bool alt)
    {
        NewAction();
        MaskEditModel& model = Field(field);
        const bool selectAll = control && !alt && (key == "a" || key == "A");
        const FieldKey fieldKey = selectAll ? FieldKey::SelectAll : FieldKeyNamed(key);
        if (field == kErrorCodeField && ErrorCodeRow::Translates(fieldKey))
            Translate();
        const std::u32string text = fieldKey == FieldKey::Text ? FromUtf8(key) : std::u32string();
        const FieldKeyOutcome outcome = PressKey(model, {fieldKey, text, shift, control, alt});
        if (outcome.incompleteAt)
            AddMessage(MaskEditModel::kInvalidInputMessage);
        if (fieldKey == FieldKey::Enter && field == kStatusField)
            Remember(kStatusField);
        return outcome.handled || fieldKey == FieldKey::Enter;
    }

    void KeyUp(int field, std::string_view key)
    {
        if (field == kStatusField)
            binding_.FieldKeyUp();
        else
            row_.KeyUp();
        // The word-wise move leaves a bare caret until the key comes up.
        if (key == "ArrowLeft" || key == "ArrowRight")
            Field(field).EnsureHighlight();
    }

    // Text committed by an on-screen keyboard or an input method, as typed keys.
    void Type(int field, std::string_view text)
    {
        NewAction();
        for (char32_t c : FromUtf8(text))
            Field(field).TypeChar(c);
        KeyUp(field, "");
    }

    // Whether a paste of `length` UTF-16 units is taken; a larger one is
    // refused with a message before it costs anything.
    bool AcceptsPaste(int length)
    {
        NewAction();
        if (length <= kLargestPaste)
            return true;
        AddMessage(Filled(Translated(kPageContext, kPasteRefused, translate_), {std::to_string(length)}));
        return false;
    }

    void Paste(int field, std::string_view text)
    {
        Field(field).Paste(FromUtf8(text));
        Remember(field);
    }
    std::string Copy(int field) { return ToUtf8(Field(field).Copy()); }
    std::string Cut(int field) { return ToUtf8(Field(field).Cut()); }

    // A selection made with the mouse or a finger; the highlight follows when the button comes up.
    void Select(int field, int anchor, int active, bool released)
    {
        NewAction();
        Field(field).Select(anchor, active);
        if (released)
            Field(field).EnsureHighlight();
    }

    void FocusEntered(int field, bool fromAnotherControl)
    {
        Field(field).FocusEntered(fromAnotherControl);
        if (field == kStatusField)
            statusAtFocus_ = StatusDigits();
    }
    // A line the user changed is remembered on leaving the field.
    void FocusLeft(int field)
    {
        if (field == kStatusField && StatusDigits() != statusAtFocus_)
            Remember(kStatusField);
    }
    // The focus is leaving for another control: refused while the entry is incomplete.
    bool MayLeave(int field)
    {
        if (!Field(field).RefuseIncomplete())
            return true;
        AddMessage(MaskEditModel::kInvalidInputMessage);
        return false;
    }

    // CheckBoxN was clicked.
    void SetBox(int number, bool checked)
    {
        NewAction();
        if (const std::optional<FlagPlace> flag = FlagOfCheckBox(number))
            binding_.SetChecked(flag->byteIndex, flag->bit, checked);
    }

    void ChooseReceiptState(int state)
    {
        NewAction();
        if (state >= 0 && state < kReceiptStateCount)
            binding_.ReceiptStateChosen(state);
    }

    // The code asked about (the button, Enter) is described and joins the recent ones.
    void Translate()
    {
        NewAction();
        if (!row_.Translate(translate_))
            AddMessage(Translated(kForm1Context, kInvalidErrorCodeMessage, translate_));
        Remember(kErrorCodeField);
    }

    // A status line and code, put in as a pasted line and a typed,
    // translated code, each where it can be read; what cannot be read is
    // named in one line. True when anything was opened.
    bool Open(std::string_view status, std::string_view code)
    {
        NewAction();
        if (status.empty() && code.empty()) {
            AddMessage(Translated(kPageContext, kBadLink, translate_));
            return false;
        }
        std::vector<std::string> unread;
        bool opened = false;
        StatusBytes bytes{};
        ErrorCode read{};
        InputProblem problem{};
        if (!status.empty() && ParseStatusLine(status, bytes, problem)) {
            binding_.Open(FromUtf8(status));
            opened = true;
        } else if (!status.empty()) {
            unread.push_back(Unread(kUnreadStatus, status, problem));
        }
        if (!code.empty() && ParseErrorCode(code, read, problem)) {
            row_.Open(FromUtf8(code), translate_);
            opened = true;
        } else if (!code.empty()) {
            unread.push_back(Unread(kUnreadCode, code, problem));
        }
        if (!unread.empty()) {
            std::string parts;
            for (const std::string& part : unread)
                parts += (parts.empty() ? "" : "; ") + part;
            AddMessage(Filled(Translated(kPageContext, opened ? kLinkPartlyOpened : kLinkNotOpened, translate_), {parts}));
        }
        return opened;
    }
    // What a link names is opened and joins the recent ones.
    void OpenLink(std::string_view status, std::string_view code)
    {
        if (!Open(status, code))
            return;
        Remember(kStatusField);
        Remember(kErrorCodeField);
    }

    // What a link to this screen carries: "s=808489808391&e=0501", each part
    // only while its field holds a whole line or a code.
    std::string Link() const
    {
        const auto digits = StatusDigits();
        const auto code = Code();
        std::string link = digits ? "s=" + *digits : std::string();
        if (code)
            link += (link.empty() ? "e=" : "&e=") + *code;
        return link;
    }

    // The recent ones as kept between visits: a line each, "s 808489808391 10:42"
    // or "e 0501 10:42", the time they were taken last.
    std::string RecentText() const
    {
        std::string text;
        for (const Recent& entry : recent_)
            text += std::string(1, entry.kind) + ' ' + entry.value + (entry.time.empty() ? "" : " " + entry.time) + '\n';
        return text;
    }
    void RestoreRecent(std::string_view text)
    {
        recent_.clear();
        for (std::size_t start = 0; start < text.size() && recent_.size() < kRecentCount;) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            const std::string_view line = text.substr(start, end - start);
            start = end + 1;
            if (line.size() < 3 || line[1] != ' ')
                continue;
            const std::string_view rest = line.substr(2);
            const std::size_t blank = rest.find(' ');
            const std::string value(rest.substr(0, blank));
            const std::string time(blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1));
            if ((line[0] == 's' && ReadStatusLine(value)) || (line[0] == 'e' && IsErrorCode(value)))
                recent_.push_back({line[0], value, time});
        }
    }
    void ClearRecent() { recent_.clear(); }
    std::string RecentJson() const
    {
        std::string out;
        JsonWriter json(out);
        json.BeginArray();
        for (const Recent& entry : recent_)
            json.BeginObject()
                .Key("kind").String(std::string(1, entry.kind))
                .Key("time").String(entry.time)
                .Key("value").String(entry.kind == 's' ? StatusHexText(ReadStatusLine(entry.value)->bytes) : entry.value)
                .EndObject();
        json.EndArray();
        return out;
    }
    // What Copy puts on the clipboard: the explanation, or nothing, with a
    // message saying why, when nothing was read.
    std::string ExplanationToCopy()
    {
        NewAction();
        FieldsExplained explained = ExplainFields(status_, row_.TranslatedCode(), translate_);
        if (!explained.read)
            AddMessage(Translated(kForm1Context, kNothingToCopy, translate_));
        return explained.read ? std::move(explained.text) : std::string();
    }

    // The time of day the page's clock shows, "10:42": what is remembered now is remembered with it.
    void SetTime(std::string_view time) { now_ = time; }

    // What changed from an earlier status line to the one in the field, in
    // regalo-decode diff's words; empty while the field holds no whole line.
    std::string Compare(std::string_view earlier) const
    {
        const auto before = ReadStatusLine(earlier);
        const auto now = WholeStatusLine(status_.Text());
        return before && now ? ExplainChange(before->bytes, now->bytes, translate_) : std::string();
    }

    // The page's language switch: the description shown is said again in the new language.
    void SetEnglish(bool english)
    {
        translate_ = TranslationFor(english);
        row_.Retranslate(translate_);
    }

    // Everything the page shows, in one call: fields with their selection,
    // the boxes by number ("0"/"1"), the list's entry, the description, and a
    // message to show once.
    std::string View()
    {
        std::string boxes(kStatusByteCount * kBitsPerByte, '0');
        for (std::size_t box = 0; box < boxes.size(); ++box) {
            const FlagPlace flag = *FlagOfCheckBox(static_cast<int>(box) + 1);
            boxes[box] = binding_.Checked(flag.byteIndex, flag.bit) ? '1' : '0';
        }
        std::string out;
        JsonWriter json(out);
        json.BeginObject().Key("status");
        WriteField(json, status_);
        json.Key("errorCode");
        WriteField(json, errorCode_);
        json.Key("boxes").String(boxes)
            .Key("receiptState").Number(binding_.ReceiptState())
            .Key("description").String(row_.Description())
            .Key("explanation").String(ExplainFields(status_, row_.TranslatedCode(), translate_).text)
            .Key("link").String(Link())
            .Key("message").String(message_)
            .EndObject();
        return out;
    }

private:
    MaskEditModel& Field(int field) { return field == kStatusField ? status_ : errorCode_; }

    // The window shows each in a box of its own, one after the other. A
    // message stands until the user does something else.
    void AddMessage(const std::string& text) { message_ += (message_.empty() ? "" : "\n") + text; }
    void NewAction() { message_.clear(); }

    // A part of a link that cannot be read, quoted safely, and why.
    std::string Unread(const char* words, std::string_view value, const InputProblem& problem) const
    {
        std::string quoted;
        AppendQuoted(quoted, value);
        return Filled(Translated(kPageContext, words, translate_), {quoted, Phrased(problem, translate_)});
    }

    // The status field's whole line as its twelve digits.
    std::optional<std::string> StatusDigits() const
    {
        const auto line = WholeStatusLine(status_.Text());
        if (!line)
            return std::nullopt;
        std::string digits;
        std::copy_if(line->text.begin(), line->text.end(), std::back_inserter(digits), [](char c) { return c != ' '; });
        return digits;
    }
    std::optional<std::string> Code() const
    {
        std::string code = ToCp1251(errorCode_.Text());
        return IsErrorCode(code) ? std::optional(code) : std::nullopt;
    }

    // The field's line or code joins the recent ones, first, once.
    void Remember(int field)
    {
        if (const auto value = field == kStatusField ? StatusDigits() : Code())
            AddRecent(field == kStatusField ? 's' : 'e', *value);
    }
    void AddRecent(char kind, const std::string& value)
    {
        std::erase_if(recent_, [&](const Recent& entry) { return entry.kind == kind && entry.value == value; });
        recent_.push_front({kind, value, now_});
        if (recent_.size() > kRecentCount)
            recent_.pop_back();
    }

    static void WriteField(JsonWriter& json, const MaskEditModel& model)
    {
        json.BeginObject()
            .Key("backward").Bool(model.Active() < model.Anchor())
            .Key("end").Number(model.SelStart() + model.SelLength())
            .Key("start").Number(model.SelStart())
            .Key("text").String(ToUtf8(model.DisplayText()))
            .EndObject();
    }

    TextTranslation translate_;
    MaskEditModel status_;
    MaskEditModel errorCode_;
    StatusBinding binding_;
    ErrorCodeRow row_;
    std::optional<std::string> statusAtFocus_;
    std::string message_;
    // A status line ('s', its twelve digits) or code ('e'), and when it was taken.
    struct Recent {
        char kind;
        std::string value;
        std::string time;
    };
    std::deque<Recent> recent_;
    std::string now_;
};

// The page has one Page: its script starts it, then calls it by name.
std::optional<Page> thePage;

std::string_view Text(const char* utf8, int size)
{
    return {utf8, static_cast<std::size_t>(size)};
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void page_start(bool english) { thePage.emplace(english); }
EMSCRIPTEN_KEEPALIVE bool page_keyDown(int field, const char* key, int keySize, bool shift, bool control, bool alt)
{
    return thePage->KeyDown(field, Text(key, keySize), shift, control, alt);
}
EMSCRIPTEN_KEEPALIVE void page_keyUp(int field, const char* key, int keySize) { thePage->KeyUp(field, Text(key, keySize)); }
EMSCRIPTEN_KEEPALIVE void page_type(int field, const char* text, int size) { thePage->Type(field, Text(text, size)); }
EMSCRIPTEN_KEEPALIVE bool page_acceptsPaste(int length) { return thePage->AcceptsPaste(length); }
EMSCRIPTEN_KEEPALIVE void page_paste(int field, const char* text, int size) { thePage->Paste(field, Text(text, size)); }
EMSCRIPTEN_KEEPALIVE const char* page_copy(int field) { return Answer(thePage->Copy(field)); }
EMSCRIPTEN_KEEPALIVE const char* page_cut(int field) { return Answer(thePage->Cut(field)); }
EMSCRIPTEN_KEEPALIVE void page_select(int field, int anchor, int active, bool released)
{
    thePage->Select(field, anchor, active, released);
}
EMSCRIPTEN_KEEPALIVE void page_focusEntered(int field, bool fromAnotherControl)
{
    thePage->FocusEntered(field, fromAnotherControl);
}
EMSCRIPTEN_KEEPALIVE void page_focusLeft(int field) { thePage->FocusLeft(field); }
EMSCRIPTEN_KEEPALIVE bool page_mayLeave(int field) { return thePage->MayLeave(field); }
EMSCRIPTEN_KEEPALIVE void page_setBox(int number, bool checked) { thePage->SetBox(number, checked); }
EMSCRIPTEN_KEEPALIVE void page_chooseReceiptState(int state) { thePage->ChooseReceiptState(state); }
EMSCRIPTEN_KEEPALIVE void page_translate() { thePage->Translate(); }
EMSCRIPTEN_KEEPALIVE void page_setEnglish(bool english) { thePage->SetEnglish(english); }
EMSCRIPTEN_KEEPALIVE bool page_open(const char* status, int statusSize, const char* code, int codeSize)
{
    return thePage->Open(Text(status, statusSize), Text(code, codeSize));
}
EMSCRIPTEN_KEEPALIVE void page_openLink(const char* status, int statusSize, const char* code, int codeSize)
{
    thePage->OpenLink(Text(status, statusSize), Text(code, codeSize));
}
EMSCRIPTEN_KEEPALIVE const char* page_recentText() { return Answer(thePage->RecentText()); }
EMSCRIPTEN_KEEPALIVE void page_restoreRecent(const char* text, int size) { thePage->RestoreRecent(Text(text, size)); }
EMSCRIPTEN_KEEPALIVE void page_clearRecent() { thePage->ClearRecent(); }
EMSCRIPTEN_KEEPALIVE const char* page_recent() { return Answer(thePage->RecentJson()); }
EMSCRIPTEN_KEEPALIVE const char* page_explanationToCopy() { return Answer(thePage->ExplanationToCopy()); }
EMSCRIPTEN_KEEPALIVE void page_setTime(const char* time, int size) { thePage->SetTime(Text(time, size)); }
EMSCRIPTEN_KEEPALIVE const char* page_compare(const char* earlier, int size)
{
    return Answer(thePage->Compare(Text(earlier, size)));
}
EMSCRIPTEN_KEEPALIVE const char* page_view() { return Answer(thePage->View()); }

// What the core says of a code, as regalo-decode's JSON gives its message:
// null for a code the catalogue has no text for, and for a text that is no code.
EMSCRIPTEN_KEEPALIVE const char* page_decodeCode(const char* code, int size, bool english)
{
    std::string message;
    if (!DecodeErrorCode(std::string(Text(code, size)), message, TranslationFor(english)) || message.empty())
        return Answer("null");
    return Answer(JsonString(message));
}

} // extern "C"
