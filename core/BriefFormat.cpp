// The explanation in a few words, as the window copies it and the page shows
// it; in a stream on one line, its lines split by tabs. The catalogue and
// what changed read as in text.
#include "core/Explanation.h"
#include "core/Formats.h"

#include <algorithm>

namespace {

class BriefWriter : public FormatWriter {
public:
    BriefWriter(ValueSource source, TextTranslation translate)
        : oneLine_(source == ValueSource::Lines), translate_(translate), text_(MakeTextWriter(source, translate))
    {
    }

    void Status(std::string& out, std::string_view, const StatusBytes& bytes) const override
    {
        Append(out, ExplainStatus(bytes, translate_));
    }
    std::string Message(const ErrorCode& code) const override
    {
        return ExplainErrorCode(ErrorCodeText(code), translate_).value_or(std::string());
    }
    void Code(std::string& out, std::string_view, const ErrorCode&, std::string_view message) const override
    {
        Append(out, std::string(message));
    }
    void Invalid(std::string& out, std::string_view input, std::string_view why) const override
    {
        if (oneLine_)
            AppendInvalidLine(out, input, why);
    }
    void Blank(std::string& out) const override { out += '\n'; }

    void Errors(std::string& out) const override { text_->Errors(out); }
    void Flags(std::string& out) const override { text_->Flags(out); }
    void Difference(std::string& out, const StatusBytes& before, const StatusBytes& after) const override
    {
        text_->Difference(out, before, after);
    }
    void Reading(std::string& out, const ScanRecord& record, std::string_view message) const override
    {
        text_->Reading(out, record, message);
    }
    void Summary(std::string& out, const LogSummary& summary) const override { text_->Summary(out, summary); }

private:
    void Append(std::string& out, std::string explanation) const
    {
        if (oneLine_)
            std::replace(explanation.begin(), explanation.end(), '\n', '\t');
        out += explanation;
        out += '\n';
    }

    bool oneLine_;
    TextTranslation translate_;
    std::unique_ptr<FormatWriter> text_;
};

} // namespace

std::unique_ptr<FormatWriter> MakeBriefWriter(ValueSource source, TextTranslation translate)
{
    return std::make_unique<BriefWriter>(source, translate);
}
