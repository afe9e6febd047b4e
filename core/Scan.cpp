#include "core/Scan.h"

#include "core/HexText.h"
#include "core/ReadingRules.h"
#include "core/Utf8.h"

#include <algorithm>
#include <array>

namespace {

// A line is read in windows of this size, each with what stands before it
// for context, and readings starting in its last part left to the next:
// what one reading and its surroundings may span is far less.
constexpr std::size_t kWindow = 1 << 16;
constexpr std::size_t kLookAhead = 1024;
constexpr std::size_t kLookBehind = 256;
// Blanks between two bytes of a status line, at most.
constexpr std::size_t kWidestGap = 16;
// What may follow a status word and be taken for a status line.
constexpr std::size_t kLongestValue = 96;
// Identifiers longer than this are no words that say anything here.
constexpr std::size_t kLongestKeyword = 40;

// Punctuation and symbols beyond ASCII, which end a word as ASCII's do:
// "№", "«", "—", "→", the byte-order mark, full-width punctuation.
bool IsWordCodePoint(char32_t c)
{
    if (c < 0x80)
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    return !((c >= 0xA0 && c <= 0xBF) || c == 0xD7 || c == 0xF7 || (c >= 0x2000 && c <= 0x2BFF) || (c >= 0x3000 && c <= 0x303F)
             || c == 0xFEFF || (c >= 0xFF01 && c <= 0xFF0F) || (c >= 0xFF1A && c <= 0xFF20) || (c >= 0xFF3B && c <= 0xFF40)
             || (c >= 0xFF5B && c <= 0xFF65));
}

char32_t LowerCase(char32_t c)
{
    if ((c >= U'A' && c <= U'Z') || (c >= U'А' && c <= U'Я'))
        return c + 32;
    return c == U'Ё' ? U'ё' : c;
}

bool IsUpperCase(char32_t c)
{
    return (c >= U'A' && c <= U'Z') || (c >= U'А' && c <= U'Я') || c == U'Ё';
}

bool IsLowerCase(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'а' && c <= U'я') || c == U'ё';
}

// What a word says, as a whole or as one of the parts of an identifier
// ("lastError", "err_code", "macAddress"), in lower case.
enum class Says : std::uint8_t { Nothing, Error, Count, Status, Address, Between };

struct Keyword {
    std::u32string_view word;
    Says says;
};
constexpr std::array kKeywords = {
    Keyword{U"error", Says::Error},     Keyword{U"err", Says::Error},         Keyword{U"errcode", Says::Error},
    Keyword{U"errorcode", Says::Error}, Keyword{U"ошибка", Says::Error},      Keyword{U"ошибки", Says::Error},
    Keyword{U"ошибку", Says::Error},    Keyword{U"count", Says::Count},       Keyword{U"cnt", Says::Count},
    Keyword{U"counter", Says::Count},   Keyword{U"total", Says::Count},       Keyword{U"qty", Says::Count},
    Keyword{U"status", Says::Status},   Keyword{U"state", Says::Status},      Keyword{U"st", Says::Status},
    Keyword{U"статус", Says::Status},   Keyword{U"состояние", Says::Status},  Keyword{U"mac", Says::Address},
    Keyword{U"hwaddr", Says::Address},  Keyword{U"ether", Says::Address},     Keyword{U"bssid", Says::Address},
    Keyword{U"addr", Says::Address},    Keyword{U"address", Says::Address},
    // Between a word that says error and its code: what it is, or the device.
    Keyword{U"code", Says::Between},    Keyword{U"код", Says::Between},       Keyword{U"no", Says::Between},
    Keyword{U"nr", Says::Between},      Keyword{U"number", Says::Between},    Keyword{U"номер", Says::Between},
    Keyword{U"ккм", Says::Between},     Keyword{U"ккт", Says::Between},       Keyword{U"фр", Says::Between},
    Keyword{U"фн", Says::Between},      Keyword{U"фп", Says::Between},        Keyword{U"kkm", Says::Between},
    Keyword{U"kkt", Says::Between},     Keyword{U"fr", Says::Between},        Keyword{U"fn", Says::Between},
    Keyword{U"ecr", Says::Between},     Keyword{U"pos", Says::Between},
};

Says SaysWord(std::u32string_view lower)
{
    for (const Keyword& keyword : kKeywords) {
        if (keyword.word == lower)
            return keyword.says;
    }
    return Says::Nothing;
}

// What a text of one line says and holds, read from left to right. A
// window of a long line is read with what stands before it; where the text
// was cut (`attachedBefore`, `attachedAfter`) a word may run on past it,
// so nothing is read across the cut.
class Finder {
public:
    Finder(std::string_view text, bool attachedBefore, bool attachedAfter, bool anyPairs, std::vector<FoundReading>& found)
        : text_(text), attachedBefore_(attachedBefore), attachedAfter_(attachedAfter), anyPairs_(anyPairs), found_(found)
    {
    }

    // Reads from `from` while the position is before `cutoff`; where it
    // stopped, at the start of what was not read.
    std::size_t Read(std::size_t from, std::size_t cutoff)
    {
        std::size_t i = from;
        while (i < text_.size() && i < cutoff) {
            const auto c = static_cast<unsigned char>(text_[i]);
            if (!WordStartsAt(i)) {
                i += c < 0x80 ? 1 : std::max<std::size_t>(1, Utf8SequenceLength(text_, i));
                continue;
            }
            i = c >= '0' && c <= '9' ? Number(i) : Word(i);
        }
        return i;
    }

private:
    // The code point at `i` and its length; a byte of no sequence is a word's.
    std::size_t CodePointAt(std::size_t i, char32_t& c) const
    {
        const auto byte = static_cast<unsigned char>(text_[i]);
        if (byte < 0x80) {
            c = byte;
            return 1;
        }
        const std::size_t length = DecodeUtf8(text_, i, c);
        if (length == 0)
            c = U'\uFFFD';
        return std::max<std::size_t>(length, 1);
    }
    bool IsWordAt(std::size_t i) const
    {
        if (i >= text_.size())
            return attachedAfter_;
        char32_t c = 0;
        CodePointAt(i, c);
        return IsWordCodePoint(c);
    }
    bool IsWordBefore(std::size_t i) const
    {
        if (i == 0)
            return attachedBefore_;
        std::size_t start = i - 1;
        while (start > 0 && i - start < 4 && (static_cast<unsigned char>(text_[start]) & 0xC0) == 0x80)
            --start;
        return IsWordAt(start);
    }
    bool WordStartsAt(std::size_t i) const { return IsWordAt(i) && !IsWordBefore(i); }
    bool IsHex(std::size_t i) const { return i < text_.size() && IsHexDigitChar(text_[i]); }
    bool IsBlankAt(std::size_t i) const { return i < text_.size() && IsBlank(text_[i]); }
    bool IsJoiner(std::size_t i) const { return i < text_.size() && (text_[i] == '-' || text_[i] == ':' || text_[i] == '.'); }

    // A hexadecimal group joined on before `start` by '-', ':' or '.' ("::"
    // too): then the pairs from `start` are a piece of a longer token.
    bool JoinedBefore(std::size_t start) const
    {
        std::size_t at = start;
        while (at > 0 && start - at < 2 && IsJoiner(at - 1))
            --at;
        if (at == start)
            return false;
        if (at == 0)
            return attachedBefore_;
        std::size_t group = at;
        while (group > 0 && IsHex(group - 1) && at - group < kLookBehind)
            --group;
        return group < at && !(group > 0 && IsWordBefore(group));
    }
    bool JoinedAfter(std::size_t end) const
    {
        return IsJoiner(end) && (end + 1 < text_.size() ? IsHex(end + 1) : attachedAfter_);
    }

    // A pair at `i`, maybe prefixed, not running on into more digits: where it ends, or 0.
    std::size_t PairAt(std::size_t i) const
    {
        const std::size_t start = i + HexPrefixAt(text_, i);
        return IsHex(start) && IsHex(start + 1) && !IsHex(start + 2) && (start + 2 < text_.size() || !attachedAfter_) ? start + 2 : 0;
    }

    // Between separated pairs: a few blanks, one punctuation mark among
    // them; not nothing. Its mark (' ' for blanks only) must be the same
    // all along, so that a clock "10:00:01" before "80 84 89 80 83 91" stays apart.
    struct Gap {
        std::size_t end;
        char mark;
    };
    Gap GapAt(std::size_t i) const
    {
        Gap gap{i, ' '};
        const auto blanks = [&] {
            const std::size_t from = gap.end;
            while (IsBlankAt(gap.end) && gap.end - from < kWidestGap)
                ++gap.end;
        };
        blanks();
        if (gap.end < text_.size() && IsPunctuationSeparator(text_[gap.end])) {
            gap.mark = text_[gap.end++];
            blanks();
        }
        return gap;
    }

    // Six pairs from `start` as the status field shows them, with no more
    // pairs after them: where they end, or 0.
    std::size_t FieldFormAt(std::size_t start, StatusBytes& bytes) const
    {
        const std::size_t end = start + kStatusTextLength;
        if (end > text_.size() || !ReadFieldForm(text_.substr(start, kStatusTextLength), bytes))
            return 0;
        const Gap gap = GapAt(end);
        return gap.end > end && gap.mark == ' ' && PairAt(gap.end) ? 0 : end;
    }

    // Readings-like text from `start`: its end, and whether it is six pairs standing apart.
    struct Run {
        std::size_t end;
        bool sixPairs;
        bool read = false; // its bytes already read, in the field's form
        StatusBytes bytes{};
    };
    Run RunAt(std::size_t start) const
    {
        Run run{start, false};
        std::size_t& end = run.end;
        std::size_t pairs = 0;
        if (HexPrefixAt(text_, start) == 0 && IsHex(start) && IsHex(start + 1) && IsHex(start + 2)) {
            // Twelve digits in one piece.
            while (IsHex(end))
                ++end;
            pairs = end - start == 2 * kStatusByteCount ? kStatusByteCount : 0;
        } else if (const std::size_t fieldEnd = FieldFormAt(start, run.bytes)) {
            // "HH HH HH HH HH HH", as most logs write a line: six pairs at once.
            end = fieldEnd;
            pairs = kStatusByteCount;
            run.read = true;
        } else {
            end = PairAt(start);
            if (end == 0)
                return {start + 1, false};
            pairs = 1;
            char mark = 0;
            for (;;) {
                const Gap gap = GapAt(end);
                const std::size_t next = gap.end > end && (mark == 0 || gap.mark == mark) ? PairAt(gap.end) : 0;
                if (next == 0)
                    break;
                mark = gap.mark;
                end = next;
                ++pairs;
            }
        }
        run.sixPairs = pairs == kStatusByteCount && !IsWordAt(end) && !JoinedAfter(end) && !JoinedBefore(start);
        return run;
    }

    // Six pairs from `start`, taken where they are a register's: where they end, or 0.
    std::size_t StatusAt(std::size_t start, std::size_t& runEnd)
    {
        const Run run = RunAt(start);
        runEnd = run.end;
        if (!run.sixPairs)
            return 0;
        const std::string_view text = text_.substr(start, run.end - start);
        FoundReading reading{FoundReading::Kind::Status, text, run.bytes};
        if (!run.read) {
            const auto read = ReadStatusLine(text);
            if (!read)
                return 0;
            reading.bytes = read->bytes;
        }
        if (!(anyPairs_ || IsRegisterReading(reading.bytes)))
            return 0;
        found_.push_back(reading);
        return run.end;
    }

    bool IsRegisterReading(const StatusBytes& bytes) const
    {
        return std::all_of(bytes.begin(), bytes.end(), [](unsigned byte) { return (byte & kAlwaysSetValue) != 0; });
    }

    // Four digits at `i`, maybe prefixed (or only so, where `prefixed`),
    // standing alone: the code, and where it ends; 0 where none stands.
    std::size_t CodeAt(std::size_t i, bool prefixed)
    {
        const std::size_t prefix = HexPrefixAt(text_, i);
        if (prefixed && prefix == 0)
            return 0;
        const std::size_t start = i + prefix;
        for (std::size_t k = 0; k < kErrorCodeLength; ++k) {
            if (!IsHex(start + k))
                return 0;
        }
        const std::size_t end = start + kErrorCodeLength;
        if (IsWordAt(end))
            return 0;
        if (const auto code = ReadErrorCode(text_.substr(start, kErrorCodeLength), CodeLetters::EitherCase))
            found_.push_back({FoundReading::Kind::Error, text_.substr(i, end - i), {}, *code});
        return end;
    }

    // Four characters at `i` that would be a code if its look-alike letters
    // were digits: named, with why they cannot be read.
    std::size_t AlmostACodeAt(std::size_t i)
    {
        std::size_t at = i;
        if (i + 1 < text_.size() && text_[i] == '0' && (text_[i + 1] == 'x' || text_[i + 1] == 'X'))
            at += 2;
        bool lookAlike = false;
        for (std::size_t k = 0; k < kErrorCodeLength; ++k) {
            if (at >= text_.size())
                return 0;
            char32_t c = 0;
            const std::size_t length = CodePointAt(at, c);
            if (!IsDigitOrItsLookAlike(c))
                return 0;
            lookAlike = lookAlike || c >= 0x80;
            at += length;
        }
        if (!lookAlike || IsWordAt(at))
            return 0;
        FoundReading reading{FoundReading::Kind::Unreadable, text_.substr(i, at - i)};
        ErrorCode code{};
        ParseErrorCode(reading.text, code, reading.problem);
        found_.push_back(reading);
        return at;
    }

    // A number where a word starts: a code written 0x0501, or a status line.
    std::size_t Number(std::size_t i)
    {
        if (const std::size_t end = CodeAt(i, true))
            return end;
        std::size_t runEnd = 0;
        StatusAt(i, runEnd);
        return runEnd;
    }

    // An identifier from `i`: letters, digits and '_'.
    std::size_t WordEnd(std::size_t i) const
    {
        char32_t c = 0;
        while (i < text_.size()) {
            const std::size_t length = CodePointAt(i, c);
            if (!IsWordCodePoint(c))
                break;
            i += length;
        }
        return i;
    }

    // What an identifier says, from its parts: split at '_' and where its
    // case turns ("lastError", "ERRCode" is ERR and Code).
    Says WordSays(std::size_t start, std::size_t end) const
    {
        if (end - start > 2 * kLongestKeyword)
            return Says::Nothing;
        // Held here, not in a string: a log has a word every few bytes.
        std::array<char32_t, 2 * kLongestKeyword> word;
        std::size_t size = 0;
        for (std::size_t i = start; i < end;)
            i += CodePointAt(i, word[size++]);
        Says says = Says::Nothing;
        bool counted = false;
        std::array<char32_t, 2 * kLongestKeyword> lower;
        const auto part = [&](std::size_t from, std::size_t to) {
            std::transform(word.begin() + static_cast<std::ptrdiff_t>(from), word.begin() + static_cast<std::ptrdiff_t>(to),
                           lower.begin(), LowerCase);
            const Says saying = SaysWord(std::u32string_view(lower.data(), to - from));
            if (saying == Says::Count)
                counted = true;
            // A word that says error outweighs one that says status or address.
            else if (saying != Says::Nothing && (says == Says::Nothing || says == Says::Between || saying == Says::Error))
                says = saying;
        };
        // The whole first ("HWaddr"), then its parts.
        part(0, size);
        if (says != Says::Nothing)
            return says;
        std::size_t from = 0;
        for (std::size_t k = 1; k <= size; ++k) {
            const bool ends = k == size || word[k] == U'_' || (IsUpperCase(word[k]) && IsLowerCase(word[k - 1]))
                              || (IsUpperCase(word[k]) && IsUpperCase(word[k - 1]) && k + 1 < size && IsLowerCase(word[k + 1]));
            if (!ends)
                continue;
            if (k > from)
                part(from, k);
            from = k < size && word[k] == U'_' ? k + 1 : k;
        }
        // "errorCount", "err_cnt": how many, not which.
        return says == Says::Error && counted ? Says::Count : says;
    }

    // What may stand between a key and its value.
    std::size_t AfterJoiners(std::size_t i, std::string_view joiners) const
    {
        for (;;) {
            if (i < text_.size() && joiners.find(text_[i]) != std::string_view::npos) {
                ++i;
                continue;
            }
            if (text_.substr(i).starts_with("\xE2\x84\x96")) { // №
                i += 3;
                continue;
            }
            return i;
        }
    }

    // A word where a word starts, and what it says of what follows.
    std::size_t Word(std::size_t i)
    {
        const std::size_t end = WordEnd(i);
        // Hexadecimal digits alone ("a1b2c3d4e5f6", "ff") are a number.
        if (IsHex(i) && std::all_of(text_.begin() + static_cast<std::ptrdiff_t>(i), text_.begin() + static_cast<std::ptrdiff_t>(end),
                                    [](char c) { return IsHexDigitChar(c); }))
            return Number(i);
        if (end >= text_.size() && attachedAfter_)
            return end;
        switch (WordSays(i, end)) {
        case Says::Error:
            return std::max(end, AfterErrorWord(end));
        case Says::Status:
            return AfterStatusWord(end);
        case Says::Address:
            return AfterAddressKey(end);
        default:
            return end;
        }
    }

    // A code after a word that says error, with at most two words between.
    std::size_t AfterErrorWord(std::size_t end)
    {
        constexpr std::string_view kJoiners = " \t:=#-\"'([";
        std::size_t at = end;
        for (int between = 0; between <= 2; ++between) {
            const std::size_t value = AfterJoiners(at, kJoiners);
            if (value == at || value >= text_.size())
                return end;
            if (const std::size_t codeEnd = CodeAt(value, false))
                return codeEnd;
            if (const std::size_t almostEnd = AlmostACodeAt(value))
                return almostEnd;
            const std::size_t wordEnd = WordEnd(value);
            if (between == 2 || wordEnd == value || WordSays(value, wordEnd) != Says::Between)
                return end;
            at = wordEnd;
        }
        return end;
    }

    // A status line after a status word: where one stands in the forms a
    // log writes them, or in any form regalo-decode status reads; named
    // where it has the shape of one and cannot be read.
    std::size_t AfterStatusWord(std::size_t end)
    {
        const std::size_t value = AfterJoiners(end, " \t:=#\"'([");
        if (value == end || value >= text_.size() || !IsWordAt(value))
            return end;
        std::size_t runEnd = 0;
        if (const std::size_t statusEnd = StatusAt(value, runEnd))
            return statusEnd;
        // The value: letters, digits, blanks and separators, up to its first
        // word with nothing like a digit in it ("80 80 80 80 83 ok").
        std::size_t at = value;
        std::size_t kept = value;
        std::size_t wordStart = value;
        bool digitInWord = false;
        while (at < text_.size() && at - value <= kLongestValue) {
            char32_t c = 0;
            const std::size_t length = CodePointAt(at, c);
            if (c < 0x80 && (IsBlank(static_cast<char>(c)) || IsPunctuationSeparator(static_cast<char>(c)))) {
                if (at > wordStart && !digitInWord)
                    break;
                kept = at;
                wordStart = at + length;
                digitInWord = false;
            } else if (IsLetterOrDigitOfAReading(c)) {
                digitInWord = digitInWord || IsDigitOrItsLookAlike(c);
            } else {
                break;
            }
            at += length;
        }
        if (at - value > kLongestValue || (at >= text_.size() && attachedAfter_))
            return end;
        if (at > wordStart && digitInWord)
            kept = at;
        std::string_view text = text_.substr(value, kept - value);
        while (!text.empty() && (IsBlank(text.back()) || IsPunctuationSeparator(text.back())))
            text.remove_suffix(1);
        if (text.empty())
            return value;
        FoundReading reading{FoundReading::Kind::Status, text};
        if (ParseStatusLine(text, reading.bytes, reading.problem)) {
            if (anyPairs_ || IsRegisterReading(reading.bytes))
                found_.push_back(reading);
            return value + text.size();
        }
        if (!HasTheShapeOfAStatusLine(FromUtf8(text)))
            return value;
        reading.kind = FoundReading::Kind::Unreadable;
        reading.statusLike = true;
        found_.push_back(reading);
        return value + text.size();
    }

    // An address's value is passed over whole: a MAC address has six
    // pairs with bit 7 as often as not.
    std::size_t AfterAddressKey(std::size_t end) const
    {
        const std::size_t value = AfterJoiners(end, " \t:=\"'");
        if (value == end)
            return end;
        std::size_t at = value;
        while (IsHex(at) || IsJoiner(at))
            ++at;
        return std::max(at, RunAt(value).end);
    }

    std::string_view text_;
    bool attachedBefore_;
    bool attachedAfter_;
    bool anyPairs_;
    std::vector<FoundReading>& found_;
};

} // namespace

void FindReadings(std::string_view line, bool anyPairs, std::vector<FoundReading>& found)
{
    Finder(line, false, false, anyPairs, found).Read(0, line.size());
}

void LogScan::Line(std::string_view text, std::uint64_t number, bool continues, Emit emit)
{
    const bool pieceOfTheLine = inLine_ && number == lineNumber_;
    if (!pieceOfTheLine) {
        carry_.clear();
        carryFrom_ = 0;
        carryAttached_ = false;
        lineNumber_ = number;
        lineTime_ = TimeOfLine(text, year_);
        lineTimeText_.assign(lineTime_.text);
        lineTime_.text = lineTimeText_;
        linePlaced_ = {};
        if (lineTime_.Known())
            linePlaced_ = *(lastTime_ = Placed(lineTime_));
        if (lineTime_.dated)
            year_ = YearOf(lineTime_);
    }
    inLine_ = continues;
    std::string joined;
    std::string_view all = text;
    std::size_t from = 0;
    bool attached = false;
    if (!carry_.empty()) {
        joined = std::move(carry_);
        joined += text;
        all = joined;
        from = carryFrom_;
        attached = carryAttached_;
    }
    carry_.clear();
    for (;;) {
        const std::size_t remaining = all.size() - from;
        if (continues && remaining < kWindow + kLookAhead)
            break;
        const bool final = !continues && remaining <= kWindow + kLookAhead;
        const std::size_t windowEnd = final ? all.size() : from + kWindow + kLookAhead;
        const std::size_t cutoff = final ? windowEnd : windowEnd - kLookAhead;
        found_.clear();
        from = Finder(all.substr(0, windowEnd), attached, !final, choices_.anyPairs, found_).Read(from, cutoff);
        for (const FoundReading& reading : found_)
            Emitted(reading, emit);
        if (final)
            return;
    }
    // The rest waits for the next piece, with what stands before it.
    const std::size_t keep = from > kLookBehind ? from - kLookBehind : 0;
    carry_.assign(all.substr(keep));
    carryFrom_ = from - keep;
    carryAttached_ = attached || keep > 0;
}

LogTime LogScan::Placed(const LogTime& time)
{
    LogTime placed = time;
    if (time.dated) {
        midnight_ = MidnightOf(time);
        dateKnown_ = true;
    } else {
        // A clock that goes back past midnight has started the next day;
        // without a date before it, the log's first day is day 0.
        placed.ms += midnight_.value_or(0);
        if (placed.ms + kMsPerDay / 2 < lastPlaced_) {
            midnight_ = midnight_.value_or(0) + kMsPerDay;
            placed.ms += kMsPerDay;
        }
        placed.dated = dateKnown_;
    }
    lastPlaced_ = placed.ms;
    return placed;
}

bool LogScan::InSpan()
{
    if (!choices_.since && !choices_.until)
        return true;
    if (!lastTime_)
        return false;
    return !(choices_.since && CompareTimes(*lastTime_, *choices_.since) < 0)
           && !(choices_.until && CompareTimes(*lastTime_, *choices_.until) > 0);
}

void LogScan::Emitted(const FoundReading& reading, Emit emit)
{
    ScanRecord record{{}, lineNumber_, lineTime_, linePlaced_, reading, std::nullopt};
    if (reading.kind == FoundReading::Kind::Status) {
        record.previous = previous_;
        previous_ = reading.bytes;
        if (choices_.changesOnly && record.previous && *record.previous == reading.bytes)
            return;
    }
    if (!InSpan())
        return;
    ++count_;
    emit(record);
}
