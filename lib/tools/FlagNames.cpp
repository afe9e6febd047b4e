// Writes the library's flags.h to standard output: a constant for every flag
// of the catalogue, named from its English caption, numbered byte * 8 + bit.
// The header is kept in the sources; a test sees that it is this output.
#include "core/StatusFlagCatalogue.h"
#include "core/Translatable.h"

#include <cctype>
#include <cstdio>
#include <map>
#include <string>

namespace {

// "(4) Out of receipt paper" -> "OUT_OF_RECEIPT_PAPER".
std::string NameOf(const char* english)
{
    std::string text = english;
    if (!text.empty() && text[0] == '(')
        text.erase(0, text.find(") ") + 2);
    std::string name;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0)
            name += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        else if (!name.empty() && name.back() != '_')
            name += '_';
    }
    while (!name.empty() && name.back() == '_')
        name.pop_back();
    return name;
}

} // namespace

int main()
{
    std::printf("/* The flags of the status bytes by name, numbered byte * 8 + bit, each\n"
                " * with its caption: written by lib/tools/FlagNames.cpp from the catalogue\n"
                " * (cmake --build build --target update_flag_names), never by hand.\n"
                " * Included by regalo.h. */\n"
                "#ifndef REGALO_FLAGS_H\n#define REGALO_FLAGS_H\n\n");
    for (int byte = 0; byte < kStatusByteCount; ++byte) {
        // Where two flags of a byte share a caption, each is told by its value.
        std::map<std::string, int> uses;
        for (int bit = 0; bit < kBitsPerByte; ++bit)
            ++uses[NameOf(TranslateToEnglish(kStatusFlagsContext, FlagOf(byte, bit).caption))];
        for (int bit = 0; bit < kBitsPerByte; ++bit) {
            const StatusFlag& flag = FlagOf(byte, bit);
            std::string name = NameOf(TranslateToEnglish(kStatusFlagsContext, flag.caption));
            if (uses[name] > 1) {
                char value[16];
                std::snprintf(value, sizeof value, "_%X", flag.Value());
                name += value;
            }
            std::printf("#define REGALO_FLAG_B%d_%s %d /* byte %d, bit %d: %s */\n", byte, name.c_str(), byte * kBitsPerByte + bit,
                        byte, bit, flag.caption);
        }
    }
    std::printf("\n#endif\n");
    return 0;
}
