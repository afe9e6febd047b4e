#pragma once

#include "core/HexText.h"
#include "core/Translatable.h"

#include <array>
#include <cstring>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The register's error codes: four hexadecimal characters, detail number
// first ("05" in "0501"), error class second ("01"). Messages are UTF-8.

enum class ErrorClassForm {
    NoError,         // detail 0: "Без ошибок!", anything else: empty
    HeaderAndDetail, // header, then the detail's text
    DetailOnly,      // the detail's text alone
    HeaderOnly,      // the header alone, whatever the detail
    NumberedField,   // header, the detail number in decimal, suffix
};

struct ErrorDetail {
    int number;
    const char* text;
};

struct ErrorClass {
    int number;
    ErrorClassForm form;
    const char* header; // or the prefix of a numbered field
    const char* suffix; // numbered fields only
    std::span<const ErrorDetail> details;
};

inline constexpr char kNoErrorMessage[] = QT_TRANSLATE_NOOP("ErrorCodes", "Без ошибок!");
inline constexpr char kUnknownErrorDetail[] = QT_TRANSLATE_NOOP("ErrorCodes", "Неизвестная ошибка!");

// In ascending class order.
extern const std::array<ErrorClass, 17> ErrorCatalogue;

// nullptr for a class the catalogue does not know.
const ErrorClass* FindErrorClass(int classNumber);

// The message for a class and detail number, 0-255 each; empty for an
// unknown class. Its pieces are translated with `translate` when given.
std::string BuildErrorMessage(int classNumber, int detailNumber, TextTranslation translate = nullptr);

// A code as read: both numbers 0-255.
struct ErrorCode {
    int errorClass;
    int detail;
};

inline constexpr std::size_t kErrorCodeLength = 4;

// The window upper-cases a-f before it decodes; logs write either case.
enum class CodeLetters { UpperCase, EitherCase };

// The code as four upper-case digits, detail number first: "0501".
std::string ErrorCodeText(const ErrorCode& code);

// The details a class gives a message of its own for: its listed details,
// or detail 0 for a class whose message does not depend on one.
std::vector<int> ListedDetails(const ErrorClass& errorClass);

// The form's name, as programs read it: "header and detail".
const char* FormName(ErrorClassForm form);

// Reads four hexadecimal digits, detail number first. For any other text
// returns nothing and, when asked, the offset of the first character that is
// no digit (the text's length when the length alone is wrong).
std::optional<ErrorCode> ReadErrorCodeJudged(std::string_view text, CodeLetters letters, std::size_t* badOffset);
inline std::optional<ErrorCode> ReadErrorCode(std::string_view text, CodeLetters letters, std::size_t* badOffset = nullptr)
{
    // Four digits in either case, as a stream has nearly all its codes: at once.
    if (text.size() == kErrorCodeLength && letters == CodeLetters::EitherCase) {
        const int digits[kErrorCodeLength] = {HexDigitValue(text[0]), HexDigitValue(text[1]), HexDigitValue(text[2]),
                                              HexDigitValue(text[3])};
        if ((digits[0] | digits[1] | digits[2] | digits[3]) >= 0)
            return ErrorCode{16 * digits[2] + digits[3], 16 * digits[0] + digits[1]};
    }
    return ReadErrorCodeJudged(text, letters, badOffset);
}

// Whether `input` is `code` as most logs write it, four digits in upper
// case: a written code's line then begins as the input does.
inline bool IsUpperCaseCodeText(std::string_view input, const ErrorCode& code)
{
    if (input.size() != kErrorCodeLength)
        return false;
    const auto value = static_cast<unsigned>(code.detail * 256 + code.errorClass);
    const char digits[kErrorCodeLength] = {UpperHexDigit(value >> 12), UpperHexDigit(value >> 8), UpperHexDigit(value >> 4),
                                           UpperHexDigit(value)};
    return std::memcmp(input.data(), digits, kErrorCodeLength) == 0;
}

// Decodes an error code text whose letters are already upper case. Returns
// false, leaving `message` untouched, for a text that is not four hexadecimal
// digits; otherwise replaces `message` and returns true.
bool DecodeErrorCode(const std::string& code, std::string& message, TextTranslation translate = nullptr);

inline constexpr char kNoDescriptionNote[] = QT_TRANSLATE_NOOP("ErrorCodes", "Код %1: описания нет");

// A code's message, or where the catalogue has no text for it the line
// that names it ("Код 5010: описания нет"), so that no answer reads as if
// nothing had happened: what every face shows for a code.
struct CodeDescription {
    std::string text;
    bool described = false; // the catalogue's own message
};
CodeDescription DescribeCode(const ErrorCode& code, TextTranslation translate);
// The same appended to `out`; true for the catalogue's own message.
bool AppendCodeDescription(std::string& out, const ErrorCode& code, TextTranslation translate);

// What the window shows for a code text in either case: its message, or,
// where the catalogue has no text for it, a line that names the code, so
// that no answer reads as if nothing had happened; nothing for a text that
// is no code.
std::optional<std::string> DescribeErrorCode(const std::string& code, TextTranslation translate = nullptr);
// "Код 5010: описания нет", for a code in upper case.
std::string NoDescriptionNote(const std::string& code, TextTranslation translate);
