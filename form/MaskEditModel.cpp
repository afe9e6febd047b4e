#include "form/MaskEditModel.h"

#include "core/Cp1251.h"
#include "core/Paste.h"
#include "core/Utf8.h"

#include <algorithm>
#include <cstdlib>

const char MaskEditModel::kInvalidInputMessage[] =
    "Invalid input value.  Use escape key to abandon changes";

MaskEditModel::MaskEditModel(std::u32string_view editMask)
{
    std::size_t i = 0;
    for (; i < editMask.size() && editMask[i] != U';'; ++i) {
        if (editMask[i] == U'A') {
            literals_.emplace_back(std::nullopt);
        } else if (editMask[i] == U'\\' && i + 1 < editMask.size()) {
            literals_.emplace_back(editMask[++i]);
        } else {
            literals_.emplace_back(editMask[i]);
        }
    }
    // The keep-literals and blank fields follow the template.
    const std::u32string_view rest = i < editMask.size() ? editMask.substr(i + 1) : std::u32string_view{};
    const std::size_t split = rest.find(U';');
    keepLiterals_ = rest.substr(0, split) != U"0";
    if (split != std::u32string_view::npos && split + 1 < rest.size())
        blank_ = rest[split + 1];

    display_ = FitToTemplate(U"");
    restore_ = display_;
    RefreshText();
    PlaceCaret(0);
    reportedDisplay_ = display_;
    reportedAnchor_ = anchor_;
    reportedActive_ = active_;
}

void MaskEditModel::ReportState()
{
    if (display_ == reportedDisplay_ && anchor_ == reportedAnchor_ && active_ == reportedActive_)
        return;
    reportedDisplay_ = display_;
    reportedAnchor_ = anchor_;
    reportedActive_ = active_;
    if (OnStateChanged)
        OnStateChanged();
}

bool MaskEditModel::IsLiteral(int offset) const
{
    return offset >= 0 && offset < Length() && literals_[static_cast<std::size_t>(offset)].has_value();
}

void MaskEditModel::RefreshText()
{
    text_.clear();
    for (std::size_t i = 0; i < display_.size(); ++i) {
        const char32_t c = display_[i];
        if (!literals_[i])
            text_.push_back(c == blank_ ? U' ' : c);
        else if (keepLiterals_)
            text_.push_back(c);
    }
}

bool MaskEditModel::HasTemplateShape(std::u32string_view value) const
{
    if (value.size() != literals_.size())
        return false;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (literals_[i] && value[i] != *literals_[i])
            return false;
    }
    return true;
}

std::u32string MaskEditModel::FitToTemplate(std::u32string_view value) const
{
    std::u32string fitted;
    if (HasTemplateShape(value)) {
        fitted = value;
        for (std::size_t i = 0; i < fitted.size(); ++i) {
            if (!literals_[i] && fitted[i] == U' ')
                fitted[i] = blank_;
        }
        return fitted;
    }
    // Any other text: each literal is looked for in turn and the groups
    // between them are padded or cut to the template's widths.
    std::size_t from = 0; // where the next group starts in `value`
    int groupStart = 0;   // where it starts in the template
    auto appendGroup = [&](std::u32string_view group, int width) {
        for (int k = 0; k < width; ++k) {
            const auto index = static_cast<std::size_t>(k);
            const char32_t c = index < group.size() ? group[index] : blank_;
            fitted.push_back(c == U' ' ? blank_ : c);
        }
    };
    for (int offset = 0; offset < Length(); ++offset) {
        const auto& literal = literals_[static_cast<std::size_t>(offset)];
        if (!literal)
            continue;
        std::size_t found = from <= value.size() ? value.find(*literal, from) : std::u32string_view::npos;
        std::u32string_view group;
        if (found == std::u32string_view::npos) {
            // Missing literal: it counts as appended to the value.
            group = from < value.size() ? value.substr(from) : std::u32string_view{};
            from = value.size() + 1;
        } else {
            group = value.substr(from, found - from);
            from = found + 1;
        }
        appendGroup(group, offset - groupStart);
        fitted.push_back(*literal);
        groupStart = offset + 1;
    }
    appendGroup(from < value.size() ? value.substr(from) : std::u32string_view{}, Length() - groupStart);
    return fitted;
}

void MaskEditModel::SetText(std::u32string_view value)
{
    const auto operation = Operation();
    ReplaceDisplay(FitToTemplate(value));
}

void MaskEditModel::ReplaceDisplay(const std::u32string& text)
{
    if (text == display_)
        return;
    display_ = text;
    modified_ = false;
    typedOffset_.reset();
    Notify();
    restore_ = display_;
    // After the handlers: they may have assigned the text again meanwhile.
    PlaceCaret(0);
}

void MaskEditModel::Notify()
{
    RefreshText();
    if (rule_)
        rule_();
    if (OnChange)
        OnChange();
}

int MaskEditModel::SelStart() const
{
    return std::min(anchor_, active_);
}

int MaskEditModel::SelLength() const
{
    return std::abs(active_ - anchor_);
}

void MaskEditModel::PlaceCaret(int offset)
{
    const auto operation = Operation();
    steppedOverLiteral_ = false;
    offset = std::max(offset, 0);
    if (offset < Length()) {
        anchor_ = offset;
        active_ = offset + 1;
    } else {
        anchor_ = active_ = Length();
    }
}

void MaskEditModel::Select(int anchor, int active)
{
    const auto operation = Operation();
    steppedOverLiteral_ = false;
    anchor_ = std::clamp(anchor, 0, Length());
    active_ = std::clamp(active, 0, Length());
}

void MaskEditModel::SelectAll()
{
    const auto operation = Operation();
    Select(0, Length());
}

void MaskEditModel::EnsureHighlight()
{
    const auto operation = Operation();
    if (SelLength() == 0)
        PlaceCaret(active_);
}

int MaskEditModel::NextCharPosition(int offset, bool includeOffset) const
{
    for (int i = includeOffset ? offset : offset + 1; i < Length(); ++i) {
        if (!IsLiteral(i))
            return i;
    }
    return Length();
}

int MaskEditModel::PreviousCharPosition(int offset) const
{
    for (int i = offset - 1; i >= 0; --i) {
        if (!IsLiteral(i))
            return i;
    }
    return -1;
}

bool MaskEditModel::Admits(char32_t c) const
{
    return IsCp1251LetterOrDigit(c);
}

bool MaskEditModel::EmptyRange(int start, int end)
{
    bool changed = false;
    for (int i = std::max(start, 0); i < std::min(end, Length()); ++i) {
        char32_t& c = display_[static_cast<std::size_t>(i)];
        if (!IsLiteral(i) && c != blank_) {
            c = blank_;
            changed = true;
        }
    }
    if (changed) {
        modified_ = true;
        typedOffset_.reset();
        Notify();
    }
    return changed;
}

bool MaskEditModel::EmptyWideSelection()
{
    if (SelLength() < 2)
        return false;
    const int start = SelStart();
    EmptyRange(start, SelEnd());
    PlaceCaret(NextCharPosition(start, true));
    return true;
}

void MaskEditModel::TypeChar(char32_t c)
{
    const auto operation = Operation();
    const bool afterStep = steppedOverLiteral_;
    EnsureHighlight();
    EmptyWideSelection();
    const int p = Caret();
    if (p >= Length())
        return; // the field is full: nothing goes in, and no beep
    char32_t entered = c;
    if (IsLiteral(p)) {
        entered = *literals_[static_cast<std::size_t>(p)];
    } else if (!Admits(c)) {
        // The separator typing has just stepped over is taken as typed, so a
        // line typed as it reads, "80 80 ...", stays in its groups.
        if (afterStep && p > 0 && IsLiteral(p - 1) && *literals_[static_cast<std::size_t>(p - 1)] == c) {
            steppedOverLiteral_ = false;
            return;
        }
        // Any other separator typed where a digit belongs jumps to the next group.
        for (int q = p + 1; q < Length(); ++q) {
            if (IsLiteral(q)) {
                if (*literals_[static_cast<std::size_t>(q)] == c) {
                    PlaceCaret(NextCharPosition(q, false));
                    return;
                }
                break;
            }
        }
        if (OnBeep)
            OnBeep();
        return;
    }
    display_[static_cast<std::size_t>(p)] = entered;
    modified_ = true;
    typedOffset_ = p;
    Notify();
    // The caret moves on from where the character went in, even when the
    // change handler assigned the text meanwhile.
    const int next = NextCharPosition(p, false);
    PlaceCaret(next);
    steppedOverLiteral_ = next > p + 1;
}

void MaskEditModel::Backspace()
{
    const auto operation = Operation();
    EnsureHighlight();
    if (EmptyWideSelection())
        return;
    const int target = PreviousCharPosition(Caret());
    if (target < 0)
        return;
    EmptyRange(target, target + 1);
    PlaceCaret(target);
}

void MaskEditModel::Delete()
{
    const auto operation = Operation();
    EnsureHighlight();
    if (EmptyWideSelection())
        return;
    const int p = Caret();
    if (p >= Length())
        return;
    EmptyRange(p, p + 1);
    PlaceCaret(p);
}

std::u32string MaskEditModel::Copy() const
{
    int start = SelStart();
    int length = SelLength();
    if (length == 0 && start < Length())
        length = 1; // the highlighted character
    return display_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
}

std::u32string MaskEditModel::Cut()
{
    const auto operation = Operation();
    EnsureHighlight();
    std::u32string copied = Copy();
    Delete();
    return copied;
}

void MaskEditModel::Paste(std::u32string_view clip)
{
    const auto operation = Operation();
    if (JudgePaste) {
        const PasteJudgement judgement = JudgePaste(clip);
        if (judgement.whole) {
            ReplaceDisplay(FitToTemplate(*judgement.whole));
            PlaceCaret(Length());
            return;
        }
        if (judgement.refused) {
            if (OnLogPasted && OpensAsALog(ToUtf8(clip), *judgement.refused))
                OnLogPasted(clip);
            else if (OnPasteRefused)
                OnPasteRefused(*judgement.refused);
            return;
        }
    }
    EnsureHighlight();
    const int start = SelStart();
    std::u32string text = display_;
    for (int i = start; i < SelEnd(); ++i) {
        if (!IsLiteral(i))
            text[static_cast<std::size_t>(i)] = blank_;
    }
    ReplaceDisplay(text);

    int offset = start;
    std::size_t next = 0;
    while (offset < Length() && next < clip.size()) {
        const auto index = static_cast<std::size_t>(offset);
        if (IsLiteral(offset)) {
            text[index] = *literals_[index];
            // Separators in the clipboard are optional.
            if (clip[next] == text[index])
                ++next;
        } else {
            const char32_t c = clip[next++];
            text[index] = Admits(c) ? c : blank_;
        }
        ++offset;
    }
    ReplaceDisplay(text);
    PlaceCaret(offset);
}

void MaskEditModel::MoveLeft(bool extend)
{
    const auto operation = Operation();
    Step(-1, extend);
}

void MaskEditModel::MoveRight(bool extend)
{
    const auto operation = Operation();
    Step(1, extend);
}

void MaskEditModel::Step(int direction, bool extend)
{
    if (extend) {
        ExtendTo(active_ + direction, direction < 0);
        return;
    }
    // A wide selection collapses to the character at its caret end.
    if (SelLength() >= 2) {
        PlaceCaret(active_ > anchor_ ? active_ - 1 : active_);
        return;
    }
    const int p = SelLength() == 0 ? active_ : Caret();
    if (direction < 0) {
        const int previous = PreviousCharPosition(p);
        PlaceCaret(previous < 0 ? p : previous);
    } else {
        PlaceCaret(p < Length() ? NextCharPosition(p, false) : p);
    }
}

void MaskEditModel::ExtendTo(int active, bool towardsStart)
{
    steppedOverLiteral_ = false;
    // The highlighted character counts as selected: growing from it keeps it
    // in, on whichever side the caret moves.
    if (SelLength() == 1) {
        const int highlighted = SelStart();
        anchor_ = towardsStart ? highlighted + 1 : highlighted;
        active = towardsStart ? highlighted - 1 : highlighted + 2;
    }
    active_ = std::clamp(active, 0, Length());
    anchor_ = std::clamp(anchor_, 0, Length());
}

namespace {

bool IsWordChar(char32_t c)
{
    return c != U' ';
}

} // namespace

void MaskEditModel::WordLeft(bool extend)
{
    const auto operation = Operation();
    steppedOverLiteral_ = false;
    int p = active_;
    if (!extend && SelLength() > 0)
        p = SelStart();
    while (p > 0 && !IsWordChar(display_[static_cast<std::size_t>(p - 1)]))
        --p;
    while (p > 0 && IsWordChar(display_[static_cast<std::size_t>(p - 1)]))
        --p;
    if (extend) {
        if (SelLength() == 1)
            anchor_ = SelEnd();
        active_ = p;
    } else {
        anchor_ = active_ = p; // highlighted again when the key is released
    }
}

void MaskEditModel::WordRight(bool extend)
{
    const auto operation = Operation();
    steppedOverLiteral_ = false;
    int p = extend ? active_ : SelStart();
    while (p < Length() && IsWordChar(display_[static_cast<std::size_t>(p)]))
        ++p;
    while (p < Length() && !IsWordChar(display_[static_cast<std::size_t>(p)]))
        ++p;
    if (extend) {
        if (SelLength() == 1)
            anchor_ = SelStart();
        active_ = p;
    } else {
        anchor_ = active_ = p;
    }
}

void MaskEditModel::Home(bool extend)
{
    const auto operation = Operation();
    steppedOverLiteral_ = false;
    if (!extend) {
        PlaceCaret(0);
        return;
    }
    if (SelLength() <= 1)
        anchor_ = SelEnd();
    active_ = 0;
}

void MaskEditModel::End(bool extend)
{
    const auto operation = Operation();
    steppedOverLiteral_ = false;
    if (!extend) {
        PlaceCaret(Length());
        return;
    }
    if (SelLength() <= 1)
        anchor_ = SelStart();
    active_ = Length();
}

std::optional<int> MaskEditModel::FirstIncompletePosition() const
{
    for (int i = 0; i < Length(); ++i) {
        const char32_t c = display_[static_cast<std::size_t>(i)];
        if (!IsLiteral(i) && (c == blank_ || c == U' '))
            return i;
    }
    return std::nullopt;
}

std::optional<int> MaskEditModel::RefuseIncomplete()
{
    const auto operation = Operation();
    if (!modified_)
        return std::nullopt;
    const auto position = FirstIncompletePosition();
    if (position) {
        PlaceCaret(*position);
        if (OnBeep)
            OnBeep();
    }
    return position;
}

bool MaskEditModel::Escape()
{
    const auto operation = Operation();
    if (!modified_)
        return false;
    modified_ = false;
    ReplaceDisplay(restore_);
    return true;
}

void MaskEditModel::FocusEntered(bool takeRestoreText)
{
    const auto operation = Operation();
    steppedOverLiteral_ = false;
    if (takeRestoreText)
        restore_ = display_;
    EnsureHighlight();
}
