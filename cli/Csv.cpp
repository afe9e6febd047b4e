#include "cli/Csv.h"

#include "core/Diagnostics.h"

#include <limits>

namespace {

// What a spreadsheet takes for the start of a formula.
bool StartsLikeAFormula(std::string_view text)
{
    return !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

std::string Quoted(std::string_view text, const CsvStyle& style)
{
    const char special[] = {style.separator, '"', '\n', '\r', '\0'};
    if (text.find_first_of(std::string_view(special, 4)) == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

// Excel takes at most 255 characters of text in a formula; a longer text, or
// one of several lines, holds letters and stays text as it is.
bool FitsATextFormula(std::string_view text)
{
    return text.find('\n') == std::string_view::npos && CharacterCount(text) <= 255;
}

} // namespace

std::string CsvField(const CsvCell& cell, const CsvStyle& style)
{
    if (cell.kind == CsvCell::Kind::Number)
        return Quoted(cell.text, style);
    std::string text;
    if (cell.kind == CsvCell::Kind::Input) {
        AppendEscaped(text, cell.text, std::numeric_limits<std::size_t>::max());
        if (StartsLikeAFormula(text))
            text.insert(0, 1, '\'');
    } else {
        text = cell.text;
    }
    if (!style.textAsFormula || text.empty() || !FitsATextFormula(text))
        return Quoted(text, style);
    std::string formula = "=\"";
    for (char c : text) {
        if (c == '"')
            formula += '"';
        formula += c;
    }
    return Quoted(formula + '"', style);
}

void AppendCsvRow(std::string& out, std::initializer_list<CsvCell> cells, const CsvStyle& style)
{
    bool first = true;
    for (const CsvCell& cell : cells) {
        if (!first)
            out += style.separator;
        out += CsvField(cell, style);
        first = false;
    }
    out += style.lineEnd;
}

void AppendCsvHeader(std::string& out, std::initializer_list<std::string_view> names, const CsvStyle& style)
{
    if (style.byteOrderMark)
        out += "\xEF\xBB\xBF";
    bool first = true;
    for (std::string_view name : names) {
        if (!first)
            out += style.separator;
        out += name;
        first = false;
    }
    out += style.lineEnd;
}
