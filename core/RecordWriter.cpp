#include "core/RecordWriter.h"

std::string_view CodeMessages::Built(std::size_t index, const ErrorCode& code)
{
    if (messages_.empty())
        messages_.resize(0x10000);
    return messages_[index] = texts_.emplace_back(writer_.Message(code));
}

RecordWriter::RecordWriter(Format format, TextTranslation catalogue, TextTranslation ownWords)
    : writer_(MakeFormatWriter(format, ValueKind::LogReading, ValueSource::Lines, catalogue)),
      summaries_(MakeFormatWriter(format, ValueKind::LogSummary, ValueSource::Lines, catalogue)), ownWords_(ownWords),
      messages_(*writer_)
{
}

void RecordWriter::Write(std::string& out, const ScanRecord& record)
{
    switch (record.reading.kind) {
    case FoundReading::Kind::Error:
        writer_->Reading(out, record, messages_.Of(record.reading.code));
        return;
    case FoundReading::Kind::Unreadable:
        writer_->Reading(out, record, Phrased(record.reading.problem, ownWords_));
        return;
    case FoundReading::Kind::Status:
        writer_->Reading(out, record, {});
        return;
    }
}
