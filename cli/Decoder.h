#pragma once

#include "cli/Streams.h"
#include "core/Formats.h"
#include "core/GivenValue.h"
#include "core/LogSummary.h"
#include "core/Reading.h"
#include "core/RecordWriter.h"
#include "core/Scan.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// regalo-decode's work once the command line is read: decoding values given
// as arguments or streamed one per line. Results go to `out`, notes on values
// that could not be read or have no description to `err`.
class Decoder {
public:
    // Writes the format's header, if it has one.
    Decoder(ValueKind kind, Format format, ValueSource source, FdWriter& out, FdWriter& err);

    // Decodes one value given as arguments; false when it could not be read.
    bool Decode(std::string_view value);
    // Answers every line of `in` (a blank one with an empty record), writing each answer before
    // waiting for more input; false when any could not be read.
    bool DecodeLines(int in);

    // A log: a record for each reading found in `in`'s lines (see LogScan),
    // `file` named in each where it is not empty; how many were written.
    // A progress line goes to `err` while a large file is read, where
    // `showProgress` allows it.
    std::uint64_t ScanLines(int in, std::string_view file, const ScanChoices& choices, bool showProgress);
    // A log file followed as it grows (FollowedFile) until a stop.
    std::uint64_t FollowLines(const std::string& path, const ScanChoices& choices);

    // The records of logs go into a summary instead, written at the end.
    void SummarizeInstead() { summary_.emplace(); }
    void WriteSummary();

private:
    // `lineNumber` names a streamed value's line in notes, 0 for an argument.
    bool DecodeGiven(std::string_view value, std::uint64_t lineNumber);
    void Note(std::string_view value, std::uint64_t lineNumber, std::string_view what);
    void FlushBoth();
    // Writes what each holds, on a terminal after a note's own line end.
    void FlushAfterEachLine()
    {
        if (!err_.Buffer().empty())
            FlushNotes();
        out_.FlushIfFull();
    }
    void FlushNotes();
    // A log's record written, or added to the summary.
    void Record(const ScanRecord& record, std::string_view file);

    ValueKind kind_;
    TextTranslation ownWords_;
    // A value's writer and its codes' messages; a log's records.
    std::unique_ptr<FormatWriter> writer_;
    std::optional<CodeMessages> messages_;
    GivenValue given_; // the last line's, its room kept for the next
    std::optional<RecordWriter> records_;
    FdWriter& out_;
    FdWriter& err_;
    // The words of notes, translated once: a log may need many.
    std::string lineBefore_;
    std::string lineAfter_;
    std::optional<LogSummary> summary_;
};
