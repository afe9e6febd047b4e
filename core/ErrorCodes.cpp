#include "core/ErrorCodes.h"

#include "core/HexText.h"
#include "core/Translatable.h"

#include <algorithm>
#include <utility>

namespace {

constexpr ErrorDetail kHardwareDetails[] = {
    {0x00, QT_TRANSLATE_NOOP("ErrorCodes", "Неопределенная ошибка оборудования!")},
    {0x01, QT_TRANSLATE_NOOP("ErrorCodes", "Ошибка принтера!")},
    {0x02, QT_TRANSLATE_NOOP("ErrorCodes", "Ошибка RAM!")},
    {0x03, QT_TRANSLATE_NOOP("ErrorCodes", "Ошибка контрольной суммы памяти программы!")},
    {0x04, QT_TRANSLATE_NOOP("ErrorCodes", "Ошибка Flash памяти!")},
    {0x05, QT_TRANSLATE_NOOP("ErrorCodes", "Ошибка дисплея!")},
    {0x06, QT_TRANSLATE_NOOP("ErrorCodes", "Ошибка часов, необходимо скорректировать время!")},
    {0x07, QT_TRANSLATE_NOOP("ErrorCodes", "Ошибка, возникшая в связи с понижением напряжения питания!")},
    {0x08, QT_TRANSLATE_NOOP("ErrorCodes", "SIM: отказ оборудования!")},
    {0x09, QT_TRANSLATE_NOOP("ErrorCodes", "MMC: отказ оборудования!")},
};

constexpr ErrorDetail kCommandDetails[] = {
    {0x00, QT_TRANSLATE_NOOP("ErrorCodes", "Нет команды с таким кодом!")},
    {0x01, QT_TRANSLATE_NOOP("ErrorCodes", "Данная функция не поддерживается!")},
    {0x02, QT_TRANSLATE_NOOP("ErrorCodes", "В сообщении нет данных")},
    {0x03, QT_TRANSLATE_NOOP("ErrorCodes", "Переполнение буфера приемника/передатчика!")},
};

constexpr ErrorDetail kFiscalMemoryDetails[] = {
    {0x00, QT_TRANSLATE_NOOP("ErrorCodes", "Нет свободного места для записи в ФП!")},
    {0x01, QT_TRANSLATE_NOOP("ErrorCodes", "Ошибка записи в фискальную память!")},
    {0x02, QT_TRANSLATE_NOOP("ErrorCodes", "Заводской номер не установлен!")},
    {0x03, QT_TRANSLATE_NOOP("ErrorCodes", "Дата текущей записи более ранняя \n   чем дата предыдущей записи!")},
    {0x04, QT_TRANSLATE_NOOP("ErrorCodes", "Запрещен выход за пределы суток!")},
    {0x05, QT_TRANSLATE_NOOP("ErrorCodes", "Данные в фискальной памяти неверны!")},
    {0x06, QT_TRANSLATE_NOOP("ErrorCodes", "Фискальная память исчерпана!")},
    {0x07, QT_TRANSLATE_NOOP("ErrorCodes", "Данная команда выполняется только в фискальном режиме!")},
    {0x08, QT_TRANSLATE_NOOP("ErrorCodes", "Дата и время не были установлены \nс момента последнего аварийного обнуления ОЗУ!")},
    {0x09, QT_TRANSLATE_NOOP("ErrorCodes", "С начала смены прошло более 24х часов!")},
    {0x0A, QT_TRANSLATE_NOOP("ErrorCodes", "Необходимо скорректировать время!")},
    {0x0B, QT_TRANSLATE_NOOP("ErrorCodes", "Ошибка в формате таблицы!")},
    {0x0C, QT_TRANSLATE_NOOP("ErrorCodes", "ДОшибка в формате даты!")},
    {0x0D, QT_TRANSLATE_NOOP("ErrorCodes", "Ошибка в формате времени!")},
    {0x0E, QT_TRANSLATE_NOOP("ErrorCodes", "Устанавливаемое время меньше текущего!")},
    {0x0F, QT_TRANSLATE_NOOP("ErrorCodes", "Есть не отправленные эквайру документы в течение 72 часов или более!")},
};

constexpr ErrorDetail kStateDetails[] = {
    {0x00, QT_TRANSLATE_NOOP("ErrorCodes", "Неверный режим регистратора (перемычка)!")},
    {0x01, QT_TRANSLATE_NOOP("ErrorCodes", "Команда невыполнима в данном состоянии смены!")},
    {0x02, QT_TRANSLATE_NOOP("ErrorCodes", "Необходимо выгрузить контрольную ленту (бумажную/подписанную)!")},
    {0x03, QT_TRANSLATE_NOOP("ErrorCodes", "Регистратор находится в автономном режиме!")},
    {0x04, QT_TRANSLATE_NOOP("ErrorCodes", "Смена закрыта но не обнулена! (Возможно, требуется выполнить принудительное обнуление контрольной ленты).")},
    {0x05, QT_TRANSLATE_NOOP("ErrorCodes", "Персонализация не выполнена!")},
    {0x06, QT_TRANSLATE_NOOP("ErrorCodes", "Не все данные переданы эквайеру перед сменой налоговых номеров!")},
    {0x07, QT_TRANSLATE_NOOP("ErrorCodes", "Версия внутреннего ПО не активирована. Требуется ключ активации ПО!")},
    {0x09, QT_TRANSLATE_NOOP("ErrorCodes", "Неверный ключ активации версии!")},
    {0x0A, QT_TRANSLATE_NOOP("ErrorCodes", "Удаленный сервис не активирован!")},
    {0x0D, QT_TRANSLATE_NOOP("ErrorCodes", "Операция отвергнута. Выполняется автоматический перевод на зимнее время!")},
};

constexpr ErrorDetail kNotClearedDetails[] = {
    {0x00, QT_TRANSLATE_NOOP("ErrorCodes", "Не очищено!")},
    {0x01, QT_TRANSLATE_NOOP("ErrorCodes", "Чтение-запись по неинициализированному указателю!")},
    {0x02, QT_TRANSLATE_NOOP("ErrorCodes", "Адрес-параметр за пределами зоны!")},
    {0x03, QT_TRANSLATE_NOOP("ErrorCodes", "Выделен недостаточный буфер!")},
    {0x04, QT_TRANSLATE_NOOP("ErrorCodes", "Ошибка данных")},
};

constexpr ErrorDetail kGoodsBaseDetails[] = {
    {0x00, QT_TRANSLATE_NOOP("ErrorCodes", "Нет свободного места для выполнения команды!")},
    {0x01, QT_TRANSLATE_NOOP("ErrorCodes", "Длинна записи больше максимума (>255)!")},
    {0x02, QT_TRANSLATE_NOOP("ErrorCodes", "Артикул (кассир) с данным кодом не найден!")},
    {0x03, QT_TRANSLATE_NOOP("ErrorCodes", "Индекс за пределами базы!")},
    {0x04, QT_TRANSLATE_NOOP("ErrorCodes", "Артикул с данным кодом существует!")},
    {0x05, QT_TRANSLATE_NOOP("ErrorCodes", "Налог запрещен!")},
    {0x06, QT_TRANSLATE_NOOP("ErrorCodes", "Продаж по налоговой группе не было!")},
    {0x07, QT_TRANSLATE_NOOP("ErrorCodes", "Использование такого типа налога запрещено!")},
};

constexpr ErrorDetail kSalesDetails[] = {
    {0x00, QT_TRANSLATE_NOOP("ErrorCodes", "Неверное состояние документа выполняется попытка повторно открыть документ, \n  или выполняется попытка выполнить продажу без предварительного открытия чека!")},
    {0x01, QT_TRANSLATE_NOOP("ErrorCodes", "Недостаточно свободного места для выполнения команды!")},
    {0x02, QT_TRANSLATE_NOOP("ErrorCodes", "Неизвестный тип продажи!")},
    {0x03, QT_TRANSLATE_NOOP("ErrorCodes", "Аннуляция: не может начинаться с данной операции!")},
    {0x04, QT_TRANSLATE_NOOP("ErrorCodes", "Аннуляция: данная операция в чеке не найдена!")},
    {0x05, QT_TRANSLATE_NOOP("ErrorCodes", "Аннуляция: последовательность неполная!")},
    {0x06, QT_TRANSLATE_NOOP("ErrorCodes", "Аннулировать нечего!")},
    {0x07, QT_TRANSLATE_NOOP("ErrorCodes", "Копия чека недоступна!")},
    {0x08, QT_TRANSLATE_NOOP("ErrorCodes", "В кассе недостаточно наличных денег для выполнения операции!")},
    {0x09, QT_TRANSLATE_NOOP("ErrorCodes", "Указанный тип оплаты запрещен для данного чека!")},
    {0x0A, QT_TRANSLATE_NOOP("ErrorCodes", "Сдача запрещена с данного типа оплаты!")},
    {0x0B, QT_TRANSLATE_NOOP("ErrorCodes", "Значение скидки вышло за допустимый диапазон!")},
    {0x0C, QT_TRANSLATE_NOOP("ErrorCodes", "Переполнение итога по чеку!")},
    {0x0D, QT_TRANSLATE_NOOP("ErrorCodes", "Переполнение по оплатам в чеке!")},
    {0x0E, QT_TRANSLATE_NOOP("ErrorCodes", "Переполнение буфера!")},
    {0x0F, QT_TRANSLATE_NOOP("ErrorCodes", "Продажа: ошибка в количестве!")},
    {0x10, QT_TRANSLATE_NOOP("ErrorCodes", "Продажа: ошибка в цене!")},
    {0x11, QT_TRANSLATE_NOOP("ErrorCodes", "Аннуляция: удаляемая последовательность заблокирована!")},
    {0x12, QT_TRANSLATE_NOOP("ErrorCodes", "Продажа: достигнуто максимальное количество позиций в чеке \n (комментарии считаются как позиции)!")},
};

constexpr ErrorDetail kTmpBuffDetails[] = {
    {0x00, QT_TRANSLATE_NOOP("ErrorCodes", "TMPBuff: Не соответствует заголовок!")},
    {0x01, QT_TRANSLATE_NOOP("ErrorCodes", "TMPBuff: данные не совпали с ранее сохраненными!")},
    {0x02, QT_TRANSLATE_NOOP("ErrorCodes", "TMPBuff: за пределами буфера")},
};

constexpr ErrorDetail kSimDetails[] = {
    {0x00, QT_TRANSLATE_NOOP("ErrorCodes", "SIM: неправильный порядок вычисления хэша!")},
    {0x01, QT_TRANSLATE_NOOP("ErrorCodes", "SIM: подпись не совпадает!")},
    {0x02, QT_TRANSLATE_NOOP("ErrorCodes", "SIM: текущий открытый ключ не соответствует сохраненному в ФП!")},
    {0x03, QT_TRANSLATE_NOOP("ErrorCodes", "SIM: Ошибка закрытого ключа!")},
    {0x04, QT_TRANSLATE_NOOP("ErrorCodes", "SIM: ID_DEV не установлен!")},
    {0x05, QT_TRANSLATE_NOOP("ErrorCodes", "SIM: Неверное состояние карты!")},
    {0x06, QT_TRANSLATE_NOOP("ErrorCodes", "SIM: Ошибка подписывания!")},
    {0x07, QT_TRANSLATE_NOOP("ErrorCodes", "SIM: Ошибка формата XML!")},
    {0x08, QT_TRANSLATE_NOOP("ErrorCodes", "SIM: Ошибка версии ключа!")},
    {0x09, QT_TRANSLATE_NOOP("ErrorCodes", "SIM: Документ уничтожен!")},
    {0x0A, QT_TRANSLATE_NOOP("ErrorCodes", "SIM: Документ изменен!")},
    {0x0B, QT_TRANSLATE_NOOP("ErrorCodes", "SIM: Неверный размер документа!")},
    {0x0C, QT_TRANSLATE_NOOP("ErrorCodes", "SIM: Копия документа временно не доступна. Идет передача данных!")},
};

constexpr ErrorDetail kMmcDetails[] = {
    {0x00, QT_TRANSLATE_NOOP("ErrorCodes", "MMC: карточку необходимо форматировать!")},
    {0x01, QT_TRANSLATE_NOOP("ErrorCodes", "MMC: Недостаточно свободного места для выполнения команды!")},
    {0x02, QT_TRANSLATE_NOOP("ErrorCodes", "MMC: Ошибка создания файла, файл с таким именем уже существует!")},
    {0x03, QT_TRANSLATE_NOOP("ErrorCodes", "MMC: Ошибка чтения файла, запрошенный размер на чтение больше фактического размера файла!")},
    {0x04, QT_TRANSLATE_NOOP("ErrorCodes", "MMC: Попытка произвести операции с открытым файлом!")},
    {0x05, QT_TRANSLATE_NOOP("ErrorCodes", "MMC: ошибка открытия файла - не найден файл или директория!")},
    {0x06, QT_TRANSLATE_NOOP("ErrorCodes", "MMC: AccessMode!")},
    {0x07, QT_TRANSLATE_NOOP("ErrorCodes", "MMC: rErrSD_PathLength!")},
    {0x08, QT_TRANSLATE_NOOP("ErrorCodes", "MMC: Ошибка открытия/создания файла!")},
    {0x09, QT_TRANSLATE_NOOP("ErrorCodes", "MMC: Ошибка записи файла!")},
    {0x0A, QT_TRANSLATE_NOOP("ErrorCodes", "MMC: Необходимо обратиться в службу сервиса!")},
    {0x0B, QT_TRANSLATE_NOOP("ErrorCodes", "MMC: Ошибка в записях КСЕФ. Необходимо обратиться в службу сервиса!")},
};

constexpr ErrorDetail kDbfDetails[] = {
    {0x00, QT_TRANSLATE_NOOP("ErrorCodes", "ФСтрока: Параметры!")},
    {0x01, QT_TRANSLATE_NOOP("ErrorCodes", "ФСтрока: Тип данных")},
    {0x02, QT_TRANSLATE_NOOP("ErrorCodes", "ФСтрока: Выбор шрифта!")},
    {0x03, QT_TRANSLATE_NOOP("ErrorCodes", "ФСтрока: Выравнивание!")},
    {0x04, QT_TRANSLATE_NOOP("ErrorCodes", "ФСтрока: Позиции в строке!")},
    {0x05, QT_TRANSLATE_NOOP("ErrorCodes", "DBF: Формат файла неверен!")},
    {0x06, QT_TRANSLATE_NOOP("ErrorCodes", "DBF: Количество полей больше максимального!")},
    {0x07, QT_TRANSLATE_NOOP("ErrorCodes", "DBF: Обращение к несуществующей записи!")},
    {0x08, QT_TRANSLATE_NOOP("ErrorCodes", "DBF: Недопустимый тип поля!")},
    {0x09, QT_TRANSLATE_NOOP("ErrorCodes", "DBF: Неверное значение в поле!")},
    {0x0A, QT_TRANSLATE_NOOP("ErrorCodes", "DBF: Значение для поиска не задано!")},
    {0x0B, QT_TRANSLATE_NOOP("ErrorCodes", "DBF: База не открыта!")},
};

constexpr ErrorDetail kInputDetails[] = {
    {0x00, QT_TRANSLATE_NOOP("ErrorCodes", "Строка ввода: Величина за пределами!")},
    {0x01, QT_TRANSLATE_NOOP("ErrorCodes", "Строка ввода: Нельзя изменять!")},
    {0x02, QT_TRANSLATE_NOOP("ErrorCodes", "Отменено пользователем")},
};

using Form = ErrorClassForm;

const char* DetailText(const ErrorClass& errorClass, int detailNumber)
{
    for (const ErrorDetail& detail : errorClass.details) {
        if (detail.number == detailNumber)
            return detail.text;
    }
    return kUnknownErrorDetail;
}

} // namespace

const std::array<ErrorClass, 17> ErrorCatalogue = {{
    {0x00, Form::NoError, "", "", {}},
    {0x01, Form::HeaderAndDetail, QT_TRANSLATE_NOOP("ErrorCodes", "Ошибка оборудования!\n "), "", kHardwareDetails},
    {0x02, Form::DetailOnly, "", "", kCommandDetails},
    {0x03, Form::NumberedField, QT_TRANSLATE_NOOP("ErrorCodes", "Неправильный формат поля номер "), QT_TRANSLATE_NOOP("ErrorCodes", "!"), {}},
    {0x04, Form::NumberedField, QT_TRANSLATE_NOOP("ErrorCodes", "Значение поля номер "), QT_TRANSLATE_NOOP("ErrorCodes", " выходит за допустимый диапазон!"), {}},
    {0x05, Form::HeaderAndDetail, QT_TRANSLATE_NOOP("ErrorCodes", "Ошибка фискальной памяти!\n "), "", kFiscalMemoryDetails},
    {0x06, Form::HeaderOnly, QT_TRANSLATE_NOOP("ErrorCodes", "Неверный пароль доступа!"), "", {}},
    {0x07, Form::HeaderAndDetail, QT_TRANSLATE_NOOP("ErrorCodes", "Команда не может быть выполнена в данном состоянии регистратора!\n"), "", kStateDetails},
    {0x08, Form::HeaderOnly, QT_TRANSLATE_NOOP("ErrorCodes", "При выполнении операции \n  обнаружено арифметическое переполнение!"), "", {}},
    {0x09, Form::HeaderAndDetail, QT_TRANSLATE_NOOP("ErrorCodes", "Не обнулено!"), "", kNotClearedDetails},
    {0x0A, Form::HeaderAndDetail, QT_TRANSLATE_NOOP("ErrorCodes", "Ошибка работы с базой товаров!\n "), "", kGoodsBaseDetails},
    {0x0B, Form::HeaderAndDetail, QT_TRANSLATE_NOOP("ErrorCodes", "Ошибка работы с продажами!\n "), "", kSalesDetails},
    {0xC0, Form::HeaderAndDetail, QT_TRANSLATE_NOOP("ErrorCodes", "Ошибка TMPBuff!\n "), "", kTmpBuffDetails},
    {0xD0, Form::HeaderAndDetail, QT_TRANSLATE_NOOP("ErrorCodes", "Ошибка работы с SIM!\n "), "", kSimDetails},
    {0xD1, Form::HeaderAndDetail, QT_TRANSLATE_NOOP("ErrorCodes", "Ошибка работы с MMC!\n "), "", kMmcDetails},
    {0xF0, Form::HeaderAndDetail, QT_TRANSLATE_NOOP("ErrorCodes", "Ошибка работы с DBF!\n "), "", kDbfDetails},
    {0xF1, Form::HeaderAndDetail, QT_TRANSLATE_NOOP("ErrorCodes", "Ошибка работы с вводом!\n "), "", kInputDetails},
}};

const ErrorClass* FindErrorClass(int classNumber)
{
    const auto found = std::find_if(ErrorCatalogue.begin(), ErrorCatalogue.end(),
                                    [classNumber](const ErrorClass& c) { return c.number == classNumber; });
    return found == ErrorCatalogue.end() ? nullptr : &*found;
}

namespace {

// The message of a class the catalogue knows, appended.
void AppendMessage(std::string& out, const ErrorClass& errorClass, int detailNumber, TextTranslation translate)
{
    const auto text = [translate](const char* source) { return Translated(kErrorCodesContext, source, translate); };
    switch (errorClass.form) {
    case Form::NoError:
        if (detailNumber == 0)
            out += text(kNoErrorMessage);
        return;
    case Form::HeaderAndDetail:
        out += text(errorClass.header);
        out += text(DetailText(errorClass, detailNumber));
        return;
    case Form::DetailOnly:
        out += text(DetailText(errorClass, detailNumber));
        return;
    case Form::HeaderOnly:
        out += text(errorClass.header);
        return;
    case Form::NumberedField:
        out += text(errorClass.header);
        out += std::to_string(detailNumber);
        out += text(errorClass.suffix);
        return;
    }
}

// "Код 5010: описания нет", appended: split around its %1 once, for a log
// of unknown codes names each of them.
void AppendNoDescriptionNote(std::string& out, std::string_view code, TextTranslation translate)
{
    const auto& [before, after] = OncePerLanguage(translate, [translate] {
        const std::string_view note = Translated(kErrorCodesContext, kNoDescriptionNote, translate);
        const std::size_t at = note.find("%1");
        return std::pair<std::string, std::string>(note.substr(0, at), at == std::string_view::npos ? "" : note.substr(at + 2));
    });
    out += before;
    out += code;
    out += after;
}

} // namespace

std::string BuildErrorMessage(int classNumber, int detailNumber, TextTranslation translate)
{
    std::string message;
    if (const ErrorClass* errorClass = FindErrorClass(classNumber))
        AppendMessage(message, *errorClass, detailNumber, translate);
    return message;
}

std::optional<ErrorCode> ReadErrorCodeJudged(std::string_view text, CodeLetters letters, std::size_t* badOffset)
{
    if (text.size() != kErrorCodeLength) {
        if (badOffset)
            *badOffset = text.size();
        return std::nullopt;
    }
    const int digits[kErrorCodeLength] = {HexDigitValue(text[0]), HexDigitValue(text[1]), HexDigitValue(text[2]),
                                          HexDigitValue(text[3])};
    // A character that is no digit would decode to garbage: report it.
    const bool allDigits = (digits[0] | digits[1] | digits[2] | digits[3]) >= 0;
    if (!allDigits || letters == CodeLetters::UpperCase) {
        for (std::size_t i = 0; i < kErrorCodeLength; ++i) {
            const bool lowerLetter = text[i] >= 'a' && text[i] <= 'f';
            if (digits[i] < 0 || (lowerLetter && letters == CodeLetters::UpperCase)) {
                if (badOffset)
                    *badOffset = i;
                return std::nullopt;
            }
        }
    }
    return ErrorCode{16 * digits[2] + digits[3], 16 * digits[0] + digits[1]};
}

bool DecodeErrorCode(const std::string& code, std::string& message, TextTranslation translate)
{
    const auto read = ReadErrorCode(code, CodeLetters::UpperCase);
    if (!read)
        return false;
    message = BuildErrorMessage(read->errorClass, read->detail, translate);
    return true;
}

bool AppendCodeDescription(std::string& out, const ErrorCode& code, TextTranslation translate)
{
    const std::size_t start = out.size();
    if (const ErrorClass* errorClass = FindErrorClass(code.errorClass))
        AppendMessage(out, *errorClass, code.detail, translate);
    if (out.size() > start)
        return true;
    char digits[kErrorCodeLength];
    const unsigned value = static_cast<unsigned>(code.detail * 256 + code.errorClass);
    for (std::size_t k = 0; k < kErrorCodeLength; ++k)
        digits[k] = UpperHexDigit(value >> (12 - 4 * k));
    AppendNoDescriptionNote(out, std::string_view(digits, kErrorCodeLength), translate);
    return false;
}

CodeDescription DescribeCode(const ErrorCode& code, TextTranslation translate)
{
    CodeDescription description;
    description.described = AppendCodeDescription(description.text, code, translate);
    return description;
}

std::optional<std::string> DescribeErrorCode(const std::string& code, TextTranslation translate)
{
    const auto read = ReadErrorCode(UpperCaseHexLetters(code), CodeLetters::UpperCase);
    if (!read)
        return std::nullopt;
    return DescribeCode(*read, translate).text;
}

std::string NoDescriptionNote(const std::string& code, TextTranslation translate)
{
    std::string said;
    AppendNoDescriptionNote(said, code, translate);
    return said;
}

std::string ErrorCodeText(const ErrorCode& code)
{
    std::string text;
    AppendHexByte(text, static_cast<unsigned>(code.detail));
    AppendHexByte(text, static_cast<unsigned>(code.errorClass));
    return text;
}

std::vector<int> ListedDetails(const ErrorClass& errorClass)
{
    std::vector<int> details;
    for (const ErrorDetail& detail : errorClass.details)
        details.push_back(detail.number);
    if (details.empty())
        details.push_back(0);
    return details;
}

const char* FormName(ErrorClassForm form)
{
    switch (form) {
    case ErrorClassForm::NoError:
        return "no error";
    case ErrorClassForm::HeaderAndDetail:
        return "header and detail";
    case ErrorClassForm::DetailOnly:
        return "detail only";
    case ErrorClassForm::HeaderOnly:
        return "header only";
    case ErrorClassForm::NumberedField:
        return "numbered field";
    }
    return "";
}
