#include "core/Cp1251.h"

#include <array>

namespace {

// Bytes 0x80-0xFF of Windows-1251; 0x98 is unassigned.
constexpr std::array<char32_t, 128> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

constexpr char32_t kUnassigned = 0xFFFD;

} // namespace

char32_t DecodeCp1251(unsigned char byte)
{
    return byte < 0x80 ? char32_t{byte} : kHighHalf[byte - 0x80u];
}

std::optional<unsigned char> EncodeCp1251(char32_t c)
{
    if (c < 0x80)
        return static_cast<unsigned char>(c);
    if (c == kUnassigned)
        return std::nullopt;
    for (std::size_t i = 0; i < kHighHalf.size(); ++i) {
        if (kHighHalf[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

bool IsCp1251LetterOrDigit(char32_t c)
{
    if ((c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z'))
        return true;
    // Every Cyrillic character of the code page is a letter; its other
    // characters are punctuation and symbols (the micro sign included).
    return c >= 0x0400 && c <= 0x04FF && EncodeCp1251(c).has_value();
}

std::string ToCp1251(std::u32string_view text, char fallback)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (char32_t c : text) {
        if (c < 0x80) {
            bytes.push_back(static_cast<char>(c));
            continue;
        }
        const auto byte = EncodeCp1251(c);
        bytes.push_back(byte ? static_cast<char>(*byte) : fallback);
    }
    return bytes;
}

std::u32string FromCp1251(std::string_view bytes)
{
    std::u32string text;
    text.reserve(bytes.size());
    for (char byte : bytes)
        text.push_back(DecodeCp1251(static_cast<unsigned char>(byte)));
    return text;
}

bool EqualsCp1251(std::u32string_view text, std::string_view bytes)
{
    if (text.size() != bytes.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != DecodeCp1251(static_cast<unsigned char>(bytes[i])))
            return false;
    }
    return true;
}
