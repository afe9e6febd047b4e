#include "core/Csv.h"

#include "core/Diagnostics.h"

#include <algorithm>
#include <limits>

namespace {

// What a spreadsheet takes for the start of a formula.
bool StartsLikeAFormula(std::string_view text)
{
    return !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

} // namespace

void AppendDoubledQuotes(std::string& out, std::string_view text)
{
    std::size_t start = 0;
    for (std::size_t quote; (quote = text.find('"', start)) != std::string_view::npos; start = quote + 1) {
        out.append(text, start, quote + 1 - start);
        out += '"';
    }
    out.append(text, start);
}

namespace {

// Quoted when it holds the separator, a quote or a line end.
void AppendQuoted(std::string& out, std::string_view text, const CsvStyle& style)
{
    const bool special = std::any_of(text.begin(), text.end(), [&style](char c) {
        return c == style.separator || c == '"' || c == '\n' || c == '\r';
    });
    if (!special) {
        out += text;
        return;
    }
    out += '"';
    AppendDoubledQuotes(out, text);
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
    // Most input is plain: it stands as it is.
    const bool plain = std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F && c != '\\'; });
    if (cell.kind == CsvCell::Kind::Input && !(plain && !StartsLikeAFormula(text))) {
        AppendEscaped(escaped, text, std::numeric_limits<std::size_t>::max());
        if (StartsLikeAFormula(escaped))
            escaped.insert(0, 1, '\'');
        text = escaped;
    }
    if (!style.textAsFormula || text.empty() || !FitsATextFormula(text)) {
        AppendQuoted(out, text, style);
        return;
    }
    // ="text", whose quotes always quote the field: each quote of the text
    // is doubled for the formula, then again for the field.
    out += "\"=\"\"";
    std::size_t start = 0;
    for (std::size_t quote; (quote = text.find('"', start)) != std::string_view::npos; start = quote + 1) {
        out.append(text, start, quote - start);
        out += "\"\"\"\"";
    }
    out.append(text, start);
    out += "\"\"\"";
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
