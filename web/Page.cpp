// The page's bindings: the window's rules, run on the page's events. The
// JavaScript side reads DOM events into these calls and draws view().
#include "core/Cp1251.h"
#include "core/Diagnostics.h"
#include "core/ErrorCodes.h"
#include "core/Explanation.h"
#include "core/StatusFlagCatalogue.h"
#include "core/StatusRecord.h"
#include "form/FieldKeys.h"
#include "form/FieldRules.h"
#include "form/Form1Controls.h"
#include "form/MaskEditModel.h"
#include "form/StatusBinding.h"
#include "web/EnglishTexts.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <deque>
#include <optional>
#include <string>
#include <utility>

namespace {

using emscripten::val;

// The field's keys by the browser's names (KeyboardEvent.key); a name of
// one character is the character it types.
FieldKey FieldKeyNamed(const std::wstring& key)
{
    static const std::pair<const wchar_t*, FieldKey> kNames[] = {
        {L"ArrowLeft", FieldKey::Left}, {L"ArrowRight", FieldKey::Right}, {L"Home", FieldKey::Home},
        {L"End", FieldKey::End}, {L"ArrowUp", FieldKey::Up}, {L"ArrowDown", FieldKey::Down},
        {L"Backspace", FieldKey::Backspace}, {L"Delete", FieldKey::Delete}, {L"Enter", FieldKey::Enter},
        {L"Escape", FieldKey::Escape},
    };
    for (const auto& [name, fieldKey] : kNames) {
        if (key == name)
            return fieldKey;
    }
    return key.size() == 1 ? FieldKey::Text : FieldKey::Other;
}

// wchar_t holds a whole code point here, and embind passes std::wstring as a JS string.
std::u32string FromJs(const std::wstring& text)
{
    return {text.begin(), text.end()};
}
std::wstring ToJs(std::u32string_view text)
{
    return {text.begin(), text.end()};
}
std::u32string Latin(std::string_view text)
{
    return {text.begin(), text.end()};
}

enum FieldNumber { kStatusField = 1, kErrorCodeField = 2 };

constexpr char kBadLink[] =
    QT_TRANSLATE_NOOP("Page", "Ссылка не открыта: в ней нет строки статуса (s=) или кода ошибки (e=), которые можно прочитать.");

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

class Page {
public:
    explicit Page(bool english)
        : translate_(english ? &TranslateToEnglish : nullptr), status_(Latin(kStatusEditMask)),
          errorCode_(Latin(kErrorCodeEditMask)), binding_(status_), lastErrorCode_(kInitialErrorCodeText)
    {
        // The fields start showing these texts; no handler runs for them.
        status_.SetText(Latin(kInitialStatusText));
        errorCode_.SetText(Latin(kInitialErrorCodeText));
        status_.WholeTextOf = &StatusLineText;
        status_.OnChange = [this] { binding_.FieldChanged(); };
    }

    // A key pressed in a field, by the browser's key name and modifiers;
    // false leaves it to the browser (Tab, say).
    bool KeyDown(int field, const std::wstring& key, bool shift, bool control, bool alt)
    {
        MaskEditModel& model = Field(field);
        const bool selectAll = control && !alt && (key == L"a" || key == L"A");
        const FieldKey fieldKey = selectAll ? FieldKey::SelectAll : FieldKeyNamed(key);
        if (fieldKey == FieldKey::Enter && field == kErrorCodeField)
            Translate();
        const std::u32string text = fieldKey == FieldKey::Text ? FromJs(key) : std::u32string();
        const FieldKeyOutcome outcome = PressKey(model, {fieldKey, text, shift, control, alt});
        if (outcome.incompleteAt)
            AddMessage(MaskEditModel::kInvalidInputMessage);
        if (fieldKey == FieldKey::Enter && field == kStatusField)
            Remember(kStatusField);
        return outcome.handled || fieldKey == FieldKey::Enter;
    }

    void KeyUp(int field, const std::wstring& key)
    {
        if (field == kStatusField)
            binding_.FieldKeyUp();
        else
            AcceptFieldChange(errorCode_, lastErrorCode_);
        // The word-wise move leaves a bare caret until the key comes up.
        if (key == L"ArrowLeft" || key == L"ArrowRight")
            Field(field).EnsureHighlight();
    }

    // Text committed by an on-screen keyboard or an input method, as typed keys.
    void Type(int field, const std::wstring& text)
    {
        for (char32_t c : FromJs(text))
            Field(field).TypeChar(c);
        KeyUp(field, L"");
    }

    // Whether a paste of `length` UTF-16 units is taken; a larger one is
    // refused with a message before it costs anything.
    bool AcceptsPaste(int length)
    {
        if (length <= kLargestPaste)
            return true;
        std::string message = Translated("Page", kPasteRefused, translate_);
        message.replace(message.find("%1"), 2, std::to_string(length));
        AddMessage(message);
        return false;
    }

    // A pasted text arrives as UTF-8 in a buffer the page fills natively.
    val ClipBuffer(int size)
    {
        clip_.resize(static_cast<std::size_t>(std::max(size, 0)));
        return val(emscripten::typed_memory_view(clip_.size(), reinterpret_cast<unsigned char*>(clip_.data())));
    }
    void PasteClip(int field)
    {
        std::u32string text;
        text.reserve(clip_.size());
        for (std::size_t offset = 0; offset < clip_.size();) {
            if (const auto byte = static_cast<unsigned char>(clip_[offset]); byte < 0x80) {
                text.push_back(byte);
                ++offset;
                continue;
            }
            char32_t c = 0;
            const std::size_t length = DecodeUtf8(clip_, offset, c);
            text.push_back(length > 0 ? c : U'\uFFFD');
            offset += std::max<std::size_t>(length, 1);
        }
        std::string().swap(clip_);
        Field(field).Paste(text);
        Remember(field);
    }
    std::wstring Copy(int field) { return ToJs(Field(field).Copy()); }
    std::wstring Cut(int field) { return ToJs(Field(field).Cut()); }

    // A selection made with the mouse or a finger; the highlight follows when the button comes up.
    void Select(int field, int anchor, int active, bool released)
    {
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
        for (int byteIndex = 0; byteIndex < kStatusByteCount; ++byteIndex) {
            for (int bit = 0; bit < kBitsPerByte; ++bit) {
                if (CheckBoxNumberOf(byteIndex, bit) == number)
                    binding_.SetChecked(byteIndex, bit, checked);
            }
        }
    }

    void ChooseReceiptState(int state)
    {
        if (state >= 0 && state < kReceiptStateCount)
            binding_.ReceiptStateChosen(state);
    }

    // The code asked about (the button, Enter) is described and joins the recent ones.
    void Translate()
    {
        Describe();
        Remember(kErrorCodeField);
    }

    // A status line and code, put in as a pasted line and a typed,
    // translated code; nothing is taken from a pair with anything unreadable.
    bool Open(const std::wstring& status, const std::wstring& code)
    {
        const std::u32string line = FromJs(status);
        const std::string codeText = ToCp1251(FromJs(code));
        if ((status.empty() && code.empty()) || (!status.empty() && !WholeStatusLine(line))
            || (!code.empty() && !IsErrorCode(codeText))) {
            AddMessage(Translated("Page", kBadLink, translate_));
            return false;
        }
        if (!status.empty())
            status_.Paste(line);
        if (!code.empty()) {
            PutCode(errorCode_, lastErrorCode_, FromCp1251(codeText));
            Describe();
        }
        return true;
    }
    // What a link names is opened and joins the recent ones.
    void OpenLink(const std::wstring& status, const std::wstring& code)
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

    // The recent ones as kept between visits: a line each, "s 808489808391" or "e 0501".
    std::string RecentText() const
    {
        std::string text;
        for (const auto& [kind, value] : recent_)
            text += std::string(1, kind) + ' ' + value + '\n';
        return text;
    }
    void RestoreRecent(const std::string& text)
    {
        recent_.clear();
        for (std::size_t start = 0; start < text.size() && recent_.size() < kRecentCount;) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            const std::string_view line = std::string_view(text).substr(start, end - start);
            start = end + 1;
            if (line.size() < 3 || line[1] != ' ')
                continue;
            const std::string value(line.substr(2));
            if ((line[0] == 's' && ReadStatusLine(value)) || (line[0] == 'e' && IsErrorCode(value)))
                recent_.emplace_back(line[0], value);
        }
    }
    void ClearRecent() { recent_.clear(); }
    val Recent() const
    {
        val list = val::array();
        for (const auto& [kind, value] : recent_) {
            val entry = val::object();
            entry.set("kind", std::string(1, kind));
            entry.set("value", kind == 's' ? StatusHexText(ReadStatusLine(value)->bytes) : value);
            list.call<void>("push", entry);
        }
        return list;
    }
    // What changed from an earlier status line to the one in the field, in
    // regalo-decode diff's words; empty while the field holds no whole line.
    std::string Compare(const std::string& earlier) const
    {
        const auto before = ReadStatusLine(earlier);
        const auto now = WholeStatusLine(status_.Text());
        return before && now ? ExplainChange(before->bytes, now->bytes, translate_) : std::string();
    }

    // The page's language switch: the description shown is said again in the new language.
    void SetEnglish(bool english)
    {
        translate_ = english ? &TranslateToEnglish : nullptr;
        if (!description_.empty())
            description_ = DescribeErrorCode(describedCode_, translate_).value_or(std::string());
    }

    // Everything the page shows, in one call: fields with their selection,
    // the boxes by number ("0"/"1"), the list's entry, the description, and a
    // message to show once.
    val View()
    {
        val view = val::object();
        ViewField(view, "status", status_);
        ViewField(view, "errorCode", errorCode_);
        std::string boxes(kStatusByteCount * kBitsPerByte, '0');
        for (int byteIndex = 0; byteIndex < kStatusByteCount; ++byteIndex) {
            for (int bit = 0; bit < kBitsPerByte; ++bit)
                boxes[static_cast<std::size_t>(CheckBoxNumberOf(byteIndex, bit) - 1)] = binding_.Checked(byteIndex, bit) ? '1' : '0';
        }
        view.set("boxes", boxes);
        view.set("receiptState", binding_.ReceiptState());
        view.set("description", description_);
        view.set("explanation", ExplainFields(status_, errorCode_, translate_));
        view.set("link", Link());
        view.set("message", std::exchange(message_, std::string()));
        return view;
    }

private:
    MaskEditModel& Field(int field) { return field == kStatusField ? status_ : errorCode_; }

    // The description of the code in the field, or the window's message for no code.
    void Describe()
    {
        describedCode_ = ToCp1251(errorCode_.Text());
        const std::optional<std::string> description = DescribeErrorCode(describedCode_, translate_);
        if (!description)
            AddMessage(Translated("TForm1", kInvalidErrorCodeMessage, translate_));
        description_ = description.value_or(std::string());
    }

    // The window shows each in a box of its own, one after the other.
    void AddMessage(const std::string& text) { message_ += (message_.empty() ? "" : "\n") + text; }

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
        std::erase_if(recent_, [&](const auto& entry) { return entry.first == kind && entry.second == value; });
        recent_.emplace_front(kind, value);
        if (recent_.size() > kRecentCount)
            recent_.pop_back();
    }

    static void ViewField(val& view, const char* name, const MaskEditModel& model)
    {
        val field = val::object();
        field.set("text", ToJs(model.DisplayText()));
        field.set("start", model.SelStart());
        field.set("end", model.SelStart() + model.SelLength());
        field.set("backward", model.Active() < model.Anchor());
        view.set(name, field);
    }

    TextTranslation translate_;
    MaskEditModel status_;
    MaskEditModel errorCode_;
    StatusBinding binding_;
    std::string lastErrorCode_;
    std::string clip_;
    std::optional<std::string> statusAtFocus_;
    std::string describedCode_;
    std::string description_;
    std::string message_;
    std::deque<std::pair<char, std::string>> recent_;
};

// What the core says of a code, as regalo-decode prints it: null for a text that is no code.
val DecodeCode(const std::string& code, bool english)
{
    std::string message;
    if (!DecodeErrorCode(code, message, english ? &TranslateToEnglish : nullptr))
        return val::null();
    return val(message);
}

// The page has one Page: its script starts it, then calls it by name.
std::optional<Page> thePage;

template <auto Method>
struct OnThePage;
template <typename Result, typename... Args, Result (Page::*Method)(Args...)>
struct OnThePage<Method> {
    static Result Call(Args... args) { return ((*thePage).*Method)(std::forward<Args>(args)...); }
};
template <typename Result, typename... Args, Result (Page::*Method)(Args...) const>
struct OnThePage<Method> {
    static Result Call(Args... args) { return ((*thePage).*Method)(std::forward<Args>(args)...); }
};

} // namespace

EMSCRIPTEN_BINDINGS(regalo)
{
    emscripten::function("start", +[](bool english) { thePage.emplace(english); });
    emscripten::function("keyDown", &OnThePage<&Page::KeyDown>::Call);
    emscripten::function("keyUp", &OnThePage<&Page::KeyUp>::Call);
    emscripten::function("type", &OnThePage<&Page::Type>::Call);
    emscripten::function("clipBuffer", &OnThePage<&Page::ClipBuffer>::Call);
    emscripten::function("acceptsPaste", &OnThePage<&Page::AcceptsPaste>::Call);
    emscripten::function("pasteClip", &OnThePage<&Page::PasteClip>::Call);
    emscripten::function("copy", &OnThePage<&Page::Copy>::Call);
    emscripten::function("cut", &OnThePage<&Page::Cut>::Call);
    emscripten::function("select", &OnThePage<&Page::Select>::Call);
    emscripten::function("focusEntered", &OnThePage<&Page::FocusEntered>::Call);
    emscripten::function("focusLeft", &OnThePage<&Page::FocusLeft>::Call);
    emscripten::function("mayLeave", &OnThePage<&Page::MayLeave>::Call);
    emscripten::function("setBox", &OnThePage<&Page::SetBox>::Call);
    emscripten::function("chooseReceiptState", &OnThePage<&Page::ChooseReceiptState>::Call);
    emscripten::function("translate", &OnThePage<&Page::Translate>::Call);
    emscripten::function("setEnglish", &OnThePage<&Page::SetEnglish>::Call);
    emscripten::function("open", &OnThePage<&Page::Open>::Call);
    emscripten::function("openLink", &OnThePage<&Page::OpenLink>::Call);
    emscripten::function("recentText", &OnThePage<&Page::RecentText>::Call);
    emscripten::function("restoreRecent", &OnThePage<&Page::RestoreRecent>::Call);
    emscripten::function("clearRecent", &OnThePage<&Page::ClearRecent>::Call);
    emscripten::function("recent", &OnThePage<&Page::Recent>::Call);
    emscripten::function("compare", &OnThePage<&Page::Compare>::Call);
    emscripten::function("view", &OnThePage<&Page::View>::Call);
    emscripten::function("decodeCode", &DecodeCode);
}
