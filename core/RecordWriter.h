#pragma once

#include "core/Formats.h"
#include "core/LogSummary.h"
#include "core/Scan.h"

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Each code's message in a writer's form, built on first sight: a log and a
// stream repeat their codes.
class CodeMessages {
public:
    explicit CodeMessages(const FormatWriter& writer) : writer_(writer) {}
    std::string_view Of(const ErrorCode& code)
    {
        const auto index = static_cast<std::size_t>(code.detail * 256 + code.errorClass);
        if (index < messages_.size() && !messages_[index].empty())
            return messages_[index];
        return Built(index, code);
    }

private:
    std::string_view Built(std::size_t index, const ErrorCode& code);

    const FormatWriter& writer_;
    // By code, empty until its message is built; the texts kept where they never move.
    std::vector<std::string_view> messages_;
    std::deque<std::string> texts_;
};

// A log's records and its summary in one of regalo-decode's formats, as
// `regalo-decode scan` writes them: the catalogue's texts in `catalogue`'s
// language, the reason a value cannot be read in `ownWords`'s.
class RecordWriter {
public:
    RecordWriter(Format format, TextTranslation catalogue, TextTranslation ownWords);

    // The format's header (CSV's), before the first record.
    void Header(std::string& out) const { writer_->Header(out); }
    void Write(std::string& out, const ScanRecord& record);
    void Summary(std::string& out, const LogSummary& summary) const { summaries_->Summary(out, summary); }

private:
    std::unique_ptr<FormatWriter> writer_;
    std::unique_ptr<FormatWriter> summaries_;
    TextTranslation ownWords_;
    CodeMessages messages_;
};
