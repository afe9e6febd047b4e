#include "core/JsonText.h"

void AppendJsonEscaped(std::string& out, std::string_view utf8)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    std::size_t run = 0; // characters that go in as they are, not yet appended
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && c != '"' && c != '\\') {
            ++run;
            continue;
        }
        out.append(utf8.data() + i - run, run);
        run = 0;
        out += '\\';
        switch (c) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '\b': out += 'b'; break;
        case '\f': out += 'f'; break;
        case '\n': out += 'n'; break;
        case '\r': out += 'r'; break;
        case '\t': out += 't'; break;
        default:
            out += "u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0Fu];
        }
    }
    out.append(utf8.data() + utf8.size() - run, run);
    out += '"';
}
