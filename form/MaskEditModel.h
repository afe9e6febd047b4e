#pragma once

#include "core/Reading.h"
#include "form/OutermostScope.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The masked entry field without the widget: a fixed template of character
// and literal positions, overwrite typing with a one-character highlight,
// blank characters for empty positions, the completeness check, Escape's
// restore text and paste. Offsets count from 0.
//
// Every change of the display text is reported through OnChange at once,
// before the operation that caused it goes on; the handler may assign the
// text again from inside. Once the outermost operation is done, whoever
// started it (a key, a handler, the program), OnStateChanged reports that
// text, caret or selection differ from what it reported last: a view draws
// the model then, and only then.
class MaskEditModel {
public:
    // `editMask` is "template;keep-literals;blank", e.g. "AA\ AA;1;": "A" is a
    // character position, "\x" the literal x (any other character is taken
    // as a literal too); an empty blank field means "_".
    explicit MaskEditModel(std::u32string_view editMask);

    // The change event. The rules bound to the field (BindRule) run first,
    // then OnChange, so whoever listens sees what the rules made of it.
    std::function<void()> OnChange;
    void BindRule(std::function<void()> rule) { rule_ = std::move(rule); }
    std::function<void()> OnStateChanged;
    std::function<void()> OnBeep;
    // How a clipboard text goes in: piece by piece from the caret (nothing
    // judged), as the whole field in another form, replacing the whole text
    // wherever the caret stands, or not at all, for what has the shape of a
    // whole value but cannot be read: then OnPasteRefused says why, and the
    // field stays as it was.
    struct PasteJudgement {
        std::optional<std::u32string> whole;
        std::optional<InputProblem> refused;
    };
    std::function<PasteJudgement(std::u32string_view clip)> JudgePaste;
    std::function<void(const InputProblem& problem)> OnPasteRefused;
    // Several lines of a log refused as several readings: given instead to
    // a front end that opens them as a log; the field stays as it was.
    std::function<void(std::u32string_view clip)> OnLogPasted;

    int Length() const { return static_cast<int>(literals_.size()); }
    bool IsLiteral(int offset) const;
    char32_t BlankChar() const { return blank_; }

    const std::u32string& DisplayText() const { return display_; }
    // The display text with blanks read as spaces.
    const std::u32string& Text() const { return text_; }
    // Fits `value` to the template; a text that differs replaces the display
    // text, clears the modified state, raises OnChange and becomes the
    // restore text, leaving the first character highlighted.
    void SetText(std::u32string_view value);
    std::u32string FitToTemplate(std::u32string_view value) const;

    bool Modified() const { return modified_; }

    // Where the latest change of the display text typed a character, until
    // the text changes any other way: a keystroke is judged by the position
    // it typed into, not by the blanks it emptied behind it.
    std::optional<int> TypedOffset() const { return typedOffset_; }

    // Selection: `anchor` is the fixed end, `active` the caret's end.
    int Anchor() const { return anchor_; }
    int Active() const { return active_; }
    int SelStart() const;
    int SelLength() const;
    // Where typing goes in: the highlighted character.
    int Caret() const { return SelStart(); }

    // Highlights the character at `offset`, or puts the caret after the last
    // position when `offset` is at or past the end.
    void PlaceCaret(int offset);
    void Select(int anchor, int active);
    void SelectAll();
    // With nothing selected, highlights the character after the caret.
    void EnsureHighlight();

    void TypeChar(char32_t c);
    void Backspace();
    void Delete();
    std::u32string Copy() const;
    std::u32string Cut();
    void Paste(std::u32string_view clip);

    void MoveLeft(bool extend);
    void MoveRight(bool extend);
    void WordLeft(bool extend);
    void WordRight(bool extend);
    void Home(bool extend);
    void End(bool extend);

    // Escape: returns false when there is nothing to undo, so the key can go on
    // to the window.
    bool Escape();
    // The check when the focus leaves: for a modified entry with an empty
    // position, highlights it, beeps and returns its offset.
    std::optional<int> RefuseIncomplete();
    // Focus entry: highlights, and takes the restore text when asked to.
    void FocusEntered(bool takeRestoreText);

    // The first character position holding a blank or a space.
    std::optional<int> FirstIncompletePosition() const;

    static const char kInvalidInputMessage[];

private:
    // Brackets every public operation that may change text, caret or
    // selection; the outermost one reports the state when it ends.
    auto Operation() { return OutermostScope(depth_, [this] { ReportState(); }); }
    void ReportState();

    bool Admits(char32_t c) const;
    bool HasTemplateShape(std::u32string_view value) const;
    int NextCharPosition(int offset, bool includeOffset) const;
    int PreviousCharPosition(int offset) const;
    void Step(int direction, bool extend);
    int SelEnd() const { return SelStart() + SelLength(); }
    // Empties the character positions in [start, end); reports a change.
    bool EmptyRange(int start, int end);
    // Empties a wide selection and puts the caret on its first character position.
    bool EmptyWideSelection();
    // Replaces the display text as a whole, as an assignment does.
    void ReplaceDisplay(const std::u32string& text);
    void ExtendTo(int active, bool towardsStart);
    // Every change of the display text ends here.
    void Notify();
    void RefreshText();

    std::function<void()> rule_;
    std::vector<std::optional<char32_t>> literals_; // nullopt: character position
    bool keepLiterals_ = true;
    char32_t blank_ = U'_';
    std::u32string display_;
    std::u32string text_; // Text(), kept up to date with display_
    std::u32string restore_;
    int anchor_ = 0;
    int active_ = 0;
    // True right after typing has stepped the caret over a literal, until
    // the caret is placed any other way.
    bool steppedOverLiteral_ = false;
    bool modified_ = false;
    std::optional<int> typedOffset_;
    int depth_ = 0;
    // What OnStateChanged reported last.
    std::u32string reportedDisplay_;
    int reportedAnchor_ = 0;
    int reportedActive_ = 0;
};
