#pragma once

#include "cli/Format.h"
#include "cli/Input.h"

#include <memory>
#include <string>
#include <string_view>

// What regalo-decode decodes, and where the values come from: a value given
// as arguments is answered in full for a person, a stream line by line.
enum class ValueKind { Status, ErrorCode };
enum class ValueSource { Arguments, Lines };

// How one format writes decoded values: the header before them, a decoded
// status line, a decoded code, and a value that could not be read. A new
// format is one more writer.
class ValueWriter {
public:
    virtual ~ValueWriter() = default;

    virtual void Header(std::string& out) const;
    virtual void Status(std::string& out, std::string_view input, const StatusBytes& bytes) const = 0;
    // A code's message as this format writes it, built once per code: a log repeats its codes.
    virtual std::string Message(const std::string& text) const = 0;
    virtual void Code(std::string& out, std::string_view input, const ErrorCode& code, std::string_view message) const = 0;
    virtual void Invalid(std::string& out, std::string_view input, std::string_view why) const;
    // A blank line of a stream: an empty record, so that answers line up with their input.
    virtual void Blank(std::string& out) const = 0;
};

std::unique_ptr<ValueWriter> MakeValueWriter(Format format, ValueKind kind, ValueSource source);
