#include "core/HexText.h"
#include "core/StatusLine.h"
#include "core/StatusRecord.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

struct WriteByteCase {
    std::string before;
    int byteIndex;
    unsigned value;
    std::string after;
};

TEST(StatusRecord, WriteStatusByteTouchesOnlyItsField)
{
    const WriteByteCase cases[] = {
        {"80 80 80 80 80 80", 5, 0xFF, "80 80 80 80 80 FF"},
        {"80 80 80 80 80 80", 0, 0x82, "82 80 80 80 80 80"},
        {"8a 8b 8c 8d 8e 8f", 0, 0x8A, "8A 8b 8c 8d 8e 8f"},
        {"80 80 80 80 80 80", 2, 0x05, "80 80 05 80 80 80"},
        // A wider value keeps its leading two digits; the separators survive.
        {"80 80 80 80 80 80", 1, 0x123, "80 12 80 80 80 80"},
    };
    for (const WriteByteCase& c : cases) {
        std::string text = c.before;
        WriteStatusByte(text, c.byteIndex, c.value);
        EXPECT_EQ(text, c.after) << c.before << " byte " << c.byteIndex;
    }
}

TEST(StatusRecord, ReceiptStateDigitKeepsTheHighDigit)
{
    const struct {
        std::string before;
        int state;
        std::string after;
    } cases[] = {
        {"80 80 C3 80 80 80", 10, "80 80 CA 80 80 80"},
        {"80 80 08 80 80 80", 9, "80 80 09 80 80 80"},
        {"80 80 F0 80 80 80", 15, "80 80 FF 80 80 80"},
    };
    for (const auto& c : cases) {
        std::string text = c.before;
        WriteReceiptStateDigit(text, c.state);
        EXPECT_EQ(text, c.after);
    }
}

TEST(StatusRecord, WritingOutsideAShortTextFailsInsteadOfCorrupting)
{
    std::string text = "80 80";
    EXPECT_THROW(WriteStatusByte(text, 2, 0x80), std::out_of_range);
    EXPECT_THROW(WriteReceiptStateDigit(text, 1), std::out_of_range);
    EXPECT_EQ(text, "80 80");
}

TEST(StatusRecord, FieldScanReadsLikeAHexConversion)
{
    const struct {
        char high;
        char low;
        std::optional<unsigned> value;
    } cases[] = {
        {'8', 'A', 0x8A}, {'8', 'a', 0x8A}, {' ', '8', 0x08}, {'8', ' ', 0x08}, {'f', 'F', 0xFF},
        {'0', '0', 0x00}, {'8', 'G', 0x08}, {' ', ' ', std::nullopt}, {'G', '5', std::nullopt},
        {'z', ' ', std::nullopt}, {'\xC6', '1', std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScanStatusField(c.high, c.low), c.value) << c.high << c.low;
    EXPECT_EQ(ScanStatusByte("80 80 8B 80 80 80", 2), 0x8Bu);
    EXPECT_EQ(ReceiptStateOf(0x8B), 11);
}

TEST(StatusRecord, FirstDifferenceFindsTheFirstChangedPosition)
{
    EXPECT_EQ(FirstDifference("80 80", "80 80", 5), -1);
    EXPECT_EQ(FirstDifference("A0 80", "80 80", 5), 0);
    EXPECT_EQ(FirstDifference("80 8c", "80 80", 5), 4);
    EXPECT_EQ(FirstDifference("12 34", "80 80", 5), 0);
    EXPECT_EQ(FirstDifference("80", "80 80", 5), 2);
    EXPECT_EQ(UpperCaseHexLetters("b0aF g"), "B0AF g");
}

TEST(FlagCatalogue, FindsEachFlagByByteAndBit)
{
    for (int byte = 0; byte < kStatusByteCount; ++byte) {
        for (int bit = 0; bit < kBitsPerByte; ++bit) {
            const StatusFlag& flag = FlagOf(byte, bit);
            EXPECT_EQ(flag.byteIndex, byte);
            EXPECT_EQ(flag.bit, bit);
        }
        EXPECT_STREQ(FlagOf(byte, 7).caption, "(80) Всегда установлен");
    }
    EXPECT_THROW(FlagOf(6, 0), std::out_of_range);
    EXPECT_THROW(FlagOf(0, 8), std::out_of_range);
    EXPECT_THROW(ByteCaption(-1), std::out_of_range);
}

TEST(FlagCatalogue, CaptionsKeepTheirExactSpelling)
{
    EXPECT_STREQ(FlagOf(0, 0).caption, "Регистрвтор находится в сервисном режиме");
    EXPECT_STREQ(FlagOf(1, 0).caption, "(1) Заканчивается чековая лента");
    EXPECT_STREQ(FlagOf(1, 1).caption, "(2) Заканчивается контрольная лента");
    EXPECT_STREQ(FlagOf(5, 6).caption, "(40) До конца смены(24 часа) осталось меньше 60 минут");
    EXPECT_STREQ(ReceiptStateList[7], "7. Открыт чек  внесения/изъятия");
    EXPECT_STREQ(ReceiptStateList[11], "11.");
    EXPECT_STREQ(ByteCaption(3), "Статус регистратора - байт 3 (состояние переключателей)");
}

TEST(StatusLineReader, KeepsTheDigitsAsWrittenOrSaysWhatIsWrong)
{
    using Kind = StatusLineError::Kind;
    const struct {
        const char* input;
        const char* text; // nullptr: refused as below
        Kind kind = Kind::ByteCount;
        std::size_t offset = 0;
        std::size_t count = 0;
    } cases[] = {
        {"0x80 0X8a 89 c0 80 FF", "80 8a 89 c0 80 FF"},
        {" 80;8A:89-C0,80\t\tFF\r\n", "80 8A 89 C0 80 FF"},
        {"808a89c080ff", "80 8a 89 c0 80 ff"},
        {"80 80 8G 80 80 80", nullptr, Kind::NotHexadecimal, 7, 0},
        {"80 80 8 80 80 80", nullptr, Kind::OneDigit, 6, 0},
        {"80 80 80 80 80 80 80", nullptr, Kind::ByteCount, 0, 7},
        {"80 -- 80 80 80 80 80", nullptr, Kind::NotHexadecimal, 4, 0},
        {"80 80 80 80 80 80-", nullptr, Kind::NotHexadecimal, 17, 0},
        {"   ", nullptr, Kind::ByteCount, 0, 0},
    };
    for (const auto& c : cases) {
        StatusLineError error{};
        const auto line = ReadStatusLine(c.input, &error);
        if (c.text) {
            ASSERT_TRUE(line) << c.input;
            EXPECT_EQ(std::string(line->text.begin(), line->text.end()), c.text);
        } else {
            ASSERT_FALSE(line) << c.input;
            EXPECT_EQ(error.kind, c.kind) << c.input;
            EXPECT_EQ(error.offset, c.offset) << c.input;
            EXPECT_EQ(error.count, c.count) << c.input;
        }
    }
}

} // namespace
