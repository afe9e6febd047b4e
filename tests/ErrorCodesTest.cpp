#include "core/ErrorCodes.h"

#include <gtest/gtest.h>

#include <cstdio>


namespace {

struct DecodeCase {
    const char* code;
    bool result;
    std::string message;
};

void PrintTo(const DecodeCase& c, std::ostream* os)
{
    *os << '"' << c.code << '"';
}

class DecodeErrorCodeTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeErrorCodeTest, GivesTheMessage)
{
    const DecodeCase& c = GetParam();
    std::string message = "untouched";
    EXPECT_EQ(DecodeErrorCode(c.code, message), c.result) << c.code;
    EXPECT_EQ(message, c.message) << c.code;
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, DecodeErrorCodeTest,
    testing::Values(
        DecodeCase{"0000", true, "Без ошибок!"},
        DecodeCase{"0100", true, ""},
        DecodeCase{"0501", true, "Ошибка оборудования!\n Ошибка дисплея!"},
        DecodeCase{"0A01", true, "Ошибка оборудования!\n Неизвестная ошибка!"},
        DecodeCase{"0001", true, "Ошибка оборудования!\n Неопределенная ошибка оборудования!"},
        DecodeCase{"0302", true, "Переполнение буфера приемника/передатчика!"},
        DecodeCase{"0402", true, "Неизвестная ошибка!"},
        DecodeCase{"0003", true, "Неправильный формат поля номер 0!"},
        DecodeCase{"0C03", true, "Неправильный формат поля номер 12!"},
        DecodeCase{"FF04", true, "Значение поля номер 255 выходит за допустимый диапазон!"},
        DecodeCase{"0C05", true, "Ошибка фискальной памяти!\n ДОшибка в формате даты!"},
        DecodeCase{"0305", true, "Ошибка фискальной памяти!\n Дата текущей записи более ранняя \n   чем дата предыдущей записи!"},
        DecodeCase{"1206", true, "Неверный пароль доступа!"},
        DecodeCase{"0006", true, "Неверный пароль доступа!"},
        DecodeCase{"FF08", true, "При выполнении операции \n  обнаружено арифметическое переполнение!"},
        DecodeCase{"0807", true, "Команда не может быть выполнена в данном состоянии регистратора!\nНеизвестная ошибка!"},
        DecodeCase{"0B07", true, "Команда не может быть выполнена в данном состоянии регистратора!\nНеизвестная ошибка!"},
        DecodeCase{"0D07", true, "Команда не может быть выполнена в данном состоянии регистратора!\nОперация отвергнута. Выполняется автоматический перевод на зимнее время!"},
        DecodeCase{"0009", true, "Не обнулено!Не очищено!"},
        DecodeCase{"010A", true, "Ошибка работы с базой товаров!\n Длинна записи больше максимума (>255)!"},
        DecodeCase{"120B", true, "Ошибка работы с продажами!\n Продажа: достигнуто максимальное количество позиций в чеке \n (комментарии считаются как позиции)!"},
        DecodeCase{"03C0", true, "Ошибка TMPBuff!\n Неизвестная ошибка!"},
        DecodeCase{"0CD0", true, "Ошибка работы с SIM!\n SIM: Копия документа временно не доступна. Идет передача данных!"},
        DecodeCase{"07D1", true, "Ошибка работы с MMC!\n MMC: rErrSD_PathLength!"},
        DecodeCase{"01F0", true, "Ошибка работы с DBF!\n ФСтрока: Тип данных"},
        DecodeCase{"02F1", true, "Ошибка работы с вводом!\n Отменено пользователем"},
        DecodeCase{"000C", true, ""},
        DecodeCase{"0010", true, ""},
        DecodeCase{"00FF", true, ""},
        // Malformed: the message stays as the caller had it.
        DecodeCase{"000", false, "untouched"},
        DecodeCase{"00000", false, "untouched"},
        DecodeCase{"", false, "untouched"},
        DecodeCase{"0a01", false, "untouched"},
        DecodeCase{"5   ", false, "untouched"},
        DecodeCase{"G000", false, "untouched"},
        DecodeCase{"00-1", false, "untouched"}));

// The catalogue's one count: 116 listed details in twelve classes.
TEST(ErrorCatalogue, HoldsItsClassesInOrderEachDetailOnce)
{
    std::size_t details = 0;
    int withDetails = 0;
    int previousClass = -1;
    for (const ErrorClass& errorClass : ErrorCatalogue) {
        EXPECT_GT(errorClass.number, previousClass) << "classes ascending and unique";
        previousClass = errorClass.number;
        EXPECT_EQ(FindErrorClass(errorClass.number), &errorClass);
        int previousDetail = -1;
        for (const ErrorDetail& detail : errorClass.details) {
            EXPECT_GT(detail.number, previousDetail) << "details of class " << errorClass.number << " ascending and unique";
            previousDetail = detail.number;
        }
        details += errorClass.details.size();
        withDetails += errorClass.details.empty() ? 0 : 1;
    }
    EXPECT_EQ(details, 116u);
    EXPECT_EQ(withDetails, 12);
}

TEST(ErrorCatalogue, EveryCodeDecodesAndUnknownClassesStayEmpty)
{
    for (int classNumber = 0; classNumber < 256; ++classNumber) {
        for (int detail = 0; detail < 256; ++detail) {
            char code[5];
            std::snprintf(code, sizeof code, "%02X%02X", detail, classNumber);
            std::string message = "x";
            ASSERT_TRUE(DecodeErrorCode(code, message));
            if (FindErrorClass(classNumber) == nullptr) {
                ASSERT_EQ(message, "") << code;
            } else if (classNumber != 0) {
                ASSERT_FALSE(message.empty()) << code;
            }
        }
    }
}

} // namespace
