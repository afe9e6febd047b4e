#include "cli/Decoder.h"

#include "cli/FollowedFile.h"
#include "cli/Surroundings.h"
#include "cli/Words.h"
#include "core/Diagnostics.h"
#include "core/GivenValue.h"
#include "translations/Language.h"

#include <algorithm>
#include <charconv>
#include <optional>

Decoder::Decoder(ValueKind kind, Format format, ValueSource source, FdWriter& out, FdWriter& err)
    : kind_(kind), ownWords_(OwnWordsTranslation()), out_(out), err_(err)
{
    if (kind == ValueKind::LogReading || kind == ValueKind::LogSummary) {
        records_.emplace(format, CurrentTranslation(), OwnWordsTranslation());
        if (kind == ValueKind::LogReading)
            records_->Header(out_.Buffer());
    } else {
        writer_ = MakeFormatWriter(format, kind, source, CurrentTranslation());
        messages_.emplace(*writer_);
        writer_->Header(out_.Buffer());
    }
    // "строка %1: " split around its number, once: a log may need many.
    const std::string line = Words(QT_TRANSLATE_NOOP("regalo-decode", "строка %1: "));
    const std::size_t number = line.find("%1");
    lineBefore_ = line.substr(0, number);
    lineAfter_ = number == std::string::npos ? std::string() : line.substr(number + 2);
}

void Decoder::Note(std::string_view value, std::uint64_t lineNumber, std::string_view what)
{
    AppendNote(err_.Buffer(), "regalo-decode", lineNumber, {lineBefore_, lineAfter_}, value, what);
}

bool Decoder::Decode(std::string_view value)
{
    return DecodeGiven(value, 0);
}

bool Decoder::DecodeGiven(std::string_view given, std::uint64_t lineNumber)
{
    ReadGivenValue(given_, kind_, given, ownWords_);
    if (!given_.read)
        Note(given_.input, lineNumber, given_.why);
    WriteGivenValue(*writer_, given_, out_.Buffer(), &*messages_);
    return given_.read;
}

void Decoder::FlushBoth()
{
    out_.Flush();
    err_.Flush();
}

bool Decoder::DecodeLines(int in)
{
    LineReader reader(in, [this] { FlushBoth(); });
    bool allRead = true;
    LineReader::Line line;
    while (reader.Next(line)) {
        if (line.tooLong) {
            const std::string why = Words(QT_TRANSLATE_N_NOOP("regalo-decode", "строка длиннее %n байт(а), пропущена"), kMaxLineLength);
            Note(line.text, line.number, why);
            writer_->Invalid(out_.Buffer(), line.text, why);
            allRead = false;
        } else if (Trimmed(line.text).empty()) {
            writer_->Blank(out_.Buffer());
        } else {
            allRead = DecodeGiven(line.text, line.number) && allRead;
        }
        FlushAfterEachLine();
    }
    FlushBoth();
    return allRead;
}

void Decoder::FlushNotes()
{
    // On a terminal, notes keep their place among the results they follow.
    if (out_.IsTerminal() || err_.IsTerminal())
        FlushBoth();
    err_.FlushIfFull();
}

namespace {

// Logs hold hexadecimal dumps of whole frames on one line: a longer line is
// read in pieces of this size.
constexpr std::size_t kLogPiece = 1 << 20;
// Files smaller than this are read before a person would wait for them.
constexpr std::uint64_t kProgressFrom = 8u << 20;

// "regalo-decode: журнал.log: 45%" on one line of the terminal, redrawn as
// the percentage grows and wiped at the end: while the results go to a file.
class ProgressLine {
public:
    ProgressLine(FdWriter& err, std::string_view file, std::uint64_t size) : err_(err), file_(file), size_(size) {}
    ~ProgressLine()
    {
        if (shown_ < 0)
            return;
        try {
            err_.Buffer() += '\r' + std::string(width_, ' ') + '\r';
            err_.Flush();
        } catch (const IoError&) {
            // The terminal is gone; so is the line.
        }
    }

    void Show(std::uint64_t done)
    {
        const int percent = static_cast<int>(done * 100 / size_);
        if (percent == shown_ || percent > 100)
            return;
        shown_ = percent;
        std::string& line = err_.Buffer();
        line += "\rregalo-decode: ";
        AppendEscaped(line, file_, kMaxLineLength);
        line += ": " + std::to_string(percent) + '%';
        width_ = std::max(width_, line.size());
        err_.Flush();
    }

private:
    FdWriter& err_;
    std::string_view file_;
    std::uint64_t size_;
    int shown_ = -1;
    std::size_t width_ = 0;
};

} // namespace

void Decoder::Record(const ScanRecord& found, std::string_view file)
{
    if (summary_) {
        summary_->Add(found);
        return;
    }
    ScanRecord record = found;
    record.file = file;
    records_->Write(out_.Buffer(), record);
    // However many readings one line holds.
    out_.FlushIfFull();
}

std::uint64_t Decoder::ScanLines(int in, std::string_view file, const ScanChoices& choices, bool showProgress)
{
    LineReader reader(in, [this] { FlushBoth(); }, kLogPiece, true, true);
    const std::uint64_t size = showProgress ? RegularFileSize(in) : 0;
    std::optional<ProgressLine> progress;
    if (size >= kProgressFrom)
        progress.emplace(err_, file.empty() ? std::string_view("-") : file, size);
    LogScan scan(choices);
    LineReader::Line line;
    while (reader.Next(line)) {
        scan.Line(line.text, line.number, line.continues, [&](const ScanRecord& found) { Record(found, file); });
        if (progress)
            progress->Show(reader.BytesRead());
        FlushAfterEachLine();
    }
    progress.reset();
    FlushBoth();
    return scan.Count();
}

std::uint64_t Decoder::FollowLines(const std::string& path, const ScanChoices& choices)
{
    FollowedFile followed(path);
    // What changed is followed across a rotation: one scan; a text each file.
    LogScan scan(choices);
    std::optional<TextLines> lines;
    const auto drain = [&] {
        TextLines::Line line;
        while (lines->Next(line))
            scan.Line(line.text, line.number, line.continues, [&](const ScanRecord& found) { Record(found, {}); });
    };
    while (!StopRequested()) {
        if (!lines)
            lines.emplace(kLogPiece, true, true);
        std::size_t read = 0;
        switch (followed.Read(lines->Space(), read)) {
        case FollowedFile::Next::Read:
            lines->Took(read);
            drain();
            continue;
        case FollowedFile::Next::Anew:
            // The last line of the one before, if it had no line end, and a new text.
            lines->Took(0);
            drain();
            lines.reset();
            continue;
        case FollowedFile::Next::Waiting:
            // Each reading out as its line arrives.
            FlushBoth();
            FollowedFile::Pause();
            continue;
        }
    }
    FlushBoth();
    return scan.Count();
}

void Decoder::WriteSummary()
{
    if (summary_)
        records_->Summary(out_.Buffer(), *summary_);
    FlushBoth();
}
