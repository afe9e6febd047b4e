#include "core/Cp1251.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1251, AdmitsLettersAndDigitsOfTheCodePageOnly)
{
    const std::u32string admitted = U"09AZaz" U"АЯаяЁё" U"ІіЇїЄєҐґ" U"Ўў" U"ЂђЃѓЉљЊњЌќЋћЏџЈјЅѕ";
    for (char32_t c : admitted)
        EXPECT_TRUE(IsCp1251LetterOrDigit(c)) << static_cast<unsigned>(c);
    const std::u32string refused = U" -!_.№µ«»€" U"αΩ" U"中" U"\U0001F600" U"Ѣ" U"é";
    for (char32_t c : refused)
        EXPECT_FALSE(IsCp1251LetterOrDigit(c)) << static_cast<unsigned>(c);
}

TEST(Cp1251, RoundTripsEveryAssignedByte)
{
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t c = DecodeCp1251(static_cast<unsigned char>(byte));
        if (byte == 0x98) {
            EXPECT_FALSE(EncodeCp1251(c).has_value());
            continue;
        }
        ASSERT_TRUE(EncodeCp1251(c).has_value()) << byte;
        EXPECT_EQ(*EncodeCp1251(c), byte);
    }
    EXPECT_EQ(DecodeCp1251(0xC0), U'А');
    EXPECT_EQ(ToCp1251(U"8Ж 中"), std::string("8\xC6 ?"));
    EXPECT_EQ(FromCp1251("8\xC6"), U"8Ж");
}

} // namespace
