#pragma once

#include "cli/Csv.h"
#include "cli/Input.h"
#include "cli/Streams.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// regalo-decode's work once the command line is read: decoding values given
// as arguments or streamed one per line. Results go to `out`, notes on values
// that could not be read or have no description to `err`.
class Decoder {
public:
    enum class Kind { Status, ErrorCode };
    // Report: a value given as arguments, in full for a person. Line: one
    // line per streamed value. Json: one object per value, either way. Csv:
    // a header row, then one row per value, in `csvStyle`.
    enum class Form { Report, Line, Json, Csv };

    Decoder(Kind kind, Form form, FdWriter& out, FdWriter& err, const CsvStyle& csvStyle = kCsv);

    // Decodes one value given as arguments; false when it could not be read.
    bool Decode(std::string_view value);
    // Decodes every non-blank line of `in`, writing each answer before
    // waiting for more input; false when any could not be read.
    bool DecodeLines(int in);

private:
    // The one place a value is trimmed is before this. `lineNumber` names a
    // streamed value's line in notes, 0 for an argument.
    bool DecodeTrimmed(std::string_view value, std::uint64_t lineNumber);
    void Note(std::string_view value, std::uint64_t lineNumber, std::string_view what);
    void Refuse(std::string_view value, std::uint64_t lineNumber, std::string_view why);
    void FlushBoth();
    // The message of a code in this decoder's form, built on first sight: a
    // log repeats its codes.
    struct Message {
        std::string rendered;
        bool empty;
    };
    const Message& MessageOf(const ErrorCode& code);

    Kind kind_;
    Form form_;
    CsvStyle csvStyle_;
    FdWriter& out_;
    FdWriter& err_;
    // The words of notes, translated once: a log may need many.
    std::string lineBefore_;
    std::string lineAfter_;
    std::string noDescription_;
    std::vector<Message> messages_;
    std::vector<int> messageIndex_; // by code; -1 until its message is built
};
