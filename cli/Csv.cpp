#include "cli/Csv.h"

std::string CsvField(std::string_view text, const CsvStyle& style)
{
    const char special[] = {style.separator, '"', '\n', '\r', '\0'};
    if (text.find_first_of(special) == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

void AppendCsvRow(std::string& out, std::initializer_list<std::string_view> fields, const CsvStyle& style)
{
    bool first = true;
    for (std::string_view field : fields) {
        if (!first)
            out += style.separator;
        out += CsvField(field, style);
        first = false;
    }
    out += style.lineEnd;
}

void AppendCsvStart(std::string& out, const CsvStyle& style)
{
    if (style.byteOrderMark)
        out += "\xEF\xBB\xBF";
}
