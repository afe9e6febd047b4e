#pragma once

#include "cli/Output.h"

#include <cstdio>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

// regalo-decode's work, apart from reading the command line: decoding values
// given as arguments or streamed one per line, and listing the catalogue.
class Decoder {
public:
    enum class Kind { Status, ErrorCode };

    Decoder(Kind kind, bool json, std::FILE* out, std::FILE* err);
    ~Decoder();

    // Decodes one value; false when it could not be read.
    bool Decode(std::string_view input);
    // Decodes every non-blank line; false when any could not be read.
    bool DecodeStream(std::istream& in);

private:
    void Flush();
    void FlushIfFull();
    void Complain(std::string_view input, const std::string& what);
    void Note(std::string_view input, std::string_view what);
    // The message of a code that was read, in the chosen form.
    void WriteErrorCode(std::string_view input, const ErrorCodeValue& code);

    Kind kind_;
    bool json_;
    bool streaming_ = false;
    std::FILE* out_;
    std::FILE* err_;
    // Both streams are written in chunks; notes keep their order among
    // themselves, results among themselves.
    std::string buffer_;
    std::string errBuffer_;
    // Messages by code, built on first sight: a log repeats its codes.
    struct Message {
        std::string text;
        std::string streamed; // a tab, the text on one line, a line feed
    };
    std::vector<Message> messages_;
    std::vector<int> messageIndex_; // by code; -1 until its message is built
    const Message& MessageOf(const ErrorCodeValue& code);
};

enum class ExitCode { Ok = 0, BadInput = 1, Usage = 2 };

// Runs the command line; `arguments` excludes the program name.
ExitCode RunDecodeCommand(const std::vector<std::string>& arguments, std::istream& in, std::FILE* out, std::FILE* err);
