#include "core/Csv.h"

#include "core/Diagnostics.h"

#include <limits>

namespace {

// What a spreadsheet takes for the start of a formula.
bool StartsLikeAFormula(std::string_view text)
{
    return !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

void AppendQuoted(std::string& out, std::string_view text, const CsvStyle& style)
{
    const char special[] = {style.separator, '"', '\n', '\r', '\0'};
    if (text.find_first_of(std::string_view(special, 4)) == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

// Excel takes at most 255 characters of text in a formula; a longer text, or
// one of several lines, holds letters and stays text as it is.
bool FitsATextFormula(std::string_view text)
{
    return text.find('\n') == std::string_view::npos && (text.size() <= 255 || CharacterCount(text) <= 255);
}

} // namespace

void AppendCsvField(std::string& out, const CsvCell& cell, const CsvStyle& style)
{
    if (cell.kind == CsvCell::Kind::Number) {
        AppendQuoted(out, cell.text, style);
        return;
    }
    std::string escaped;
    std::string_view text = cell.text;
    if (cell.kind == CsvCell::Kind::Input) {
        AppendEscaped(escaped, text, std::numeric_limits<std::size_t>::max());
        if (StartsLikeAFormula(escaped))
            escaped.insert(0, 1, '\'');
        text = escaped;
    }
    if (!style.textAsFormula || text.empty() || !FitsATextFormula(text)) {
        AppendQuoted(out, text, style);
        return;
    }
    std::string formula = "=\"";
    for (char c : text) {
        if (c == '"')
            formula += '"';
        formula += c;
    }
    formula += '"';
    AppendQuoted(out, formula, style);
}

std::string CsvField(const CsvCell& cell, const CsvStyle& style)
{
    std::string field;
    AppendCsvField(field, cell, style);
    return field;
}

void AppendCsvRow(std::string& out, std::initializer_list<CsvCell> cells, const CsvStyle& style)
{
    bool first = true;
    for (const CsvCell& cell : cells) {
        if (!first)
            out += style.separator;
        AppendCsvField(out, cell, style);
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
