#include "core/ErrorCodes.h"

#include "core/HexText.h"

#include <algorithm>

namespace {

constexpr ErrorDetail kHardwareDetails[] = {
    {0x00, "Неопределенная ошибка оборудования!"},
    {0x01, "Ошибка принтера!"},
    {0x02, "Ошибка RAM!"},
    {0x03, "Ошибка контрольной суммы памяти программы!"},
    {0x04, "Ошибка Flash памяти!"},
    {0x05, "Ошибка дисплея!"},
    {0x06, "Ошибка часов, необходимо скорректировать время!"},
    {0x07, "Ошибка, возникшая в связи с понижением напряжения питания!"},
    {0x08, "SIM: отказ оборудования!"},
    {0x09, "MMC: отказ оборудования!"},
};

constexpr ErrorDetail kCommandDetails[] = {
    {0x00, "Нет команды с таким кодом!"},
    {0x01, "Данная функция не поддерживается!"},
    {0x02, "В сообщении нет данных"},
    {0x03, "Переполнение буфера приемника/передатчика!"},
};

constexpr ErrorDetail kFiscalMemoryDetails[] = {
    {0x00, "Нет свободного места для записи в ФП!"},
    {0x01, "Ошибка записи в фискальную память!"},
    {0x02, "Заводской номер не установлен!"},
    {0x03, "Дата текущей записи более ранняя \n   чем дата предыдущей записи!"},
    {0x04, "Запрещен выход за пределы суток!"},
    {0x05, "Данные в фискальной памяти неверны!"},
    {0x06, "Фискальная память исчерпана!"},
    {0x07, "Данная команда выполняется только в фискальном режиме!"},
    {0x08, "Дата и время не были установлены \nс момента последнего аварийного обнуления ОЗУ!"},
    {0x09, "С начала смены прошло более 24х часов!"},
    {0x0A, "Необходимо скорректировать время!"},
    {0x0B, "Ошибка в формате таблицы!"},
    {0x0C, "ДОшибка в формате даты!"},
    {0x0D, "Ошибка в формате времени!"},
    {0x0E, "Устанавливаемое время меньше текущего!"},
    {0x0F, "Есть не отправленные эквайру документы в течение 72 часов или более!"},
};

constexpr ErrorDetail kStateDetails[] = {
    {0x00, "Неверный режим регистратора (перемычка)!"},
    {0x01, "Команда невыполнима в данном состоянии смены!"},
    {0x02, "Необходимо выгрузить контрольную ленту (бумажную/подписанную)!"},
    {0x03, "Регистратор находится в автономном режиме!"},
    {0x04, "Смена закрыта но не обнулена! (Возможно, требуется выполнить принудительное обнуление контрольной ленты)."},
    {0x05, "Персонализация не выполнена!"},
    {0x06, "Не все данные переданы эквайеру перед сменой налоговых номеров!"},
    {0x07, "Версия внутреннего ПО не активирована. Требуется ключ активации ПО!"},
    {0x09, "Неверный ключ активации версии!"},
    {0x0A, "Удаленный сервис не активирован!"},
    {0x0D, "Операция отвергнута. Выполняется автоматический перевод на зимнее время!"},
};

constexpr ErrorDetail kNotClearedDetails[] = {
    {0x00, "Не очищено!"},
    {0x01, "Чтение-запись по неинициализированному указателю!"},
    {0x02, "Адрес-параметр за пределами зоны!"},
    {0x03, "Выделен недостаточный буфер!"},
    {0x04, "Ошибка данных"},
};

constexpr ErrorDetail kGoodsBaseDetails[] = {
    {0x00, "Нет свободного места для выполнения команды!"},
    {0x01, "Длинна записи больше максимума (>255)!"},
    {0x02, "Артикул (кассир) с данным кодом не найден!"},
    {0x03, "Индекс за пределами базы!"},
    {0x04, "Артикул с данным кодом существует!"},
    {0x05, "Налог запрещен!"},
    {0x06, "Продаж по налоговой группе не было!"},
    {0x07, "Использование такого типа налога запрещено!"},
};

constexpr ErrorDetail kSalesDetails[] = {
    {0x00, "Неверное состояние документа выполняется попытка повторно открыть документ, \n  или выполняется попытка выполнить продажу без предварительного открытия чека!"},
    {0x01, "Недостаточно свободного места для выполнения команды!"},
    {0x02, "Неизвестный тип продажи!"},
    {0x03, "Аннуляция: не может начинаться с данной операции!"},
    {0x04, "Аннуляция: данная операция в чеке не найдена!"},
    {0x05, "Аннуляция: последовательность неполная!"},
    {0x06, "Аннулировать нечего!"},
    {0x07, "Копия чека недоступна!"},
    {0x08, "В кассе недостаточно наличных денег для выполнения операции!"},
    {0x09, "Указанный тип оплаты запрещен для данного чека!"},
    {0x0A, "Сдача запрещена с данного типа оплаты!"},
    {0x0B, "Значение скидки вышло за допустимый диапазон!"},
    {0x0C, "Переполнение итога по чеку!"},
    {0x0D, "Переполнение по оплатам в чеке!"},
    {0x0E, "Переполнение буфера!"},
    {0x0F, "Продажа: ошибка в количестве!"},
    {0x10, "Продажа: ошибка в цене!"},
    {0x11, "Аннуляция: удаляемая последовательность заблокирована!"},
    {0x12, "Продажа: достигнуто максимальное количество позиций в чеке \n (комментарии считаются как позиции)!"},
};

constexpr ErrorDetail kTmpBuffDetails[] = {
    {0x00, "TMPBuff: Не соответствует заголовок!"},
    {0x01, "TMPBuff: данные не совпали с ранее сохраненными!"},
    {0x02, "TMPBuff: за пределами буфера"},
};

constexpr ErrorDetail kSimDetails[] = {
    {0x00, "SIM: неправильный порядок вычисления хэша!"},
    {0x01, "SIM: подпись не совпадает!"},
    {0x02, "SIM: текущий открытый ключ не соответствует сохраненному в ФП!"},
    {0x03, "SIM: Ошибка закрытого ключа!"},
    {0x04, "SIM: ID_DEV не установлен!"},
    {0x05, "SIM: Неверное состояние карты!"},
    {0x06, "SIM: Ошибка подписывания!"},
    {0x07, "SIM: Ошибка формата XML!"},
    {0x08, "SIM: Ошибка версии ключа!"},
    {0x09, "SIM: Документ уничтожен!"},
    {0x0A, "SIM: Документ изменен!"},
    {0x0B, "SIM: Неверный размер документа!"},
    {0x0C, "SIM: Копия документа временно не доступна. Идет передача данных!"},
};

constexpr ErrorDetail kMmcDetails[] = {
    {0x00, "MMC: карточку необходимо форматировать!"},
    {0x01, "MMC: Недостаточно свободного места для выполнения команды!"},
    {0x02, "MMC: Ошибка создания файла, файл с таким именем уже существует!"},
    {0x03, "MMC: Ошибка чтения файла, запрошенный размер на чтение больше фактического размера файла!"},
    {0x04, "MMC: Попытка произвести операции с открытым файлом!"},
    {0x05, "MMC: ошибка открытия файла - не найден файл или директория!"},
    {0x06, "MMC: AccessMode!"},
    {0x07, "MMC: rErrSD_PathLength!"},
    {0x08, "MMC: Ошибка открытия/создания файла!"},
    {0x09, "MMC: Ошибка записи файла!"},
    {0x0A, "MMC: Необходимо обратиться в службу сервиса!"},
    {0x0B, "MMC: Ошибка в записях КСЕФ. Необходимо обратиться в службу сервиса!"},
};

constexpr ErrorDetail kDbfDetails[] = {
    {0x00, "ФСтрока: Параметры!"},
    {0x01, "ФСтрока: Тип данных"},
    {0x02, "ФСтрока: Выбор шрифта!"},
    {0x03, "ФСтрока: Выравнивание!"},
    {0x04, "ФСтрока: Позиции в строке!"},
    {0x05, "DBF: Формат файла неверен!"},
    {0x06, "DBF: Количество полей больше максимального!"},
    {0x07, "DBF: Обращение к несуществующей записи!"},
    {0x08, "DBF: Недопустимый тип поля!"},
    {0x09, "DBF: Неверное значение в поле!"},
    {0x0A, "DBF: Значение для поиска не задано!"},
    {0x0B, "DBF: База не открыта!"},
};

constexpr ErrorDetail kInputDetails[] = {
    {0x00, "Строка ввода: Величина за пределами!"},
    {0x01, "Строка ввода: Нельзя изменять!"},
    {0x02, "Отменено пользователем"},
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
    {0x01, Form::HeaderAndDetail, "Ошибка оборудования!\n ", "", kHardwareDetails},
    {0x02, Form::DetailOnly, "", "", kCommandDetails},
    {0x03, Form::NumberedField, "Неправильный формат поля номер ", "!", {}},
    {0x04, Form::NumberedField, "Значение поля номер ", " выходит за допустимый диапазон!", {}},
    {0x05, Form::HeaderAndDetail, "Ошибка фискальной памяти!\n ", "", kFiscalMemoryDetails},
    {0x06, Form::HeaderOnly, "Неверный пароль доступа!", "", {}},
    {0x07, Form::HeaderAndDetail, "Команда не может быть выполнена в данном состоянии регистратора!\n", "", kStateDetails},
    {0x08, Form::HeaderOnly, "При выполнении операции \n  обнаружено арифметическое переполнение!", "", {}},
    {0x09, Form::HeaderAndDetail, "Не обнулено!", "", kNotClearedDetails},
    {0x0A, Form::HeaderAndDetail, "Ошибка работы с базой товаров!\n ", "", kGoodsBaseDetails},
    {0x0B, Form::HeaderAndDetail, "Ошибка работы с продажами!\n ", "", kSalesDetails},
    {0xC0, Form::HeaderAndDetail, "Ошибка TMPBuff!\n ", "", kTmpBuffDetails},
    {0xD0, Form::HeaderAndDetail, "Ошибка работы с SIM!\n ", "", kSimDetails},
    {0xD1, Form::HeaderAndDetail, "Ошибка работы с MMC!\n ", "", kMmcDetails},
    {0xF0, Form::HeaderAndDetail, "Ошибка работы с DBF!\n ", "", kDbfDetails},
    {0xF1, Form::HeaderAndDetail, "Ошибка работы с вводом!\n ", "", kInputDetails},
}};

const ErrorClass* FindErrorClass(int classNumber)
{
    const auto found = std::find_if(ErrorCatalogue.begin(), ErrorCatalogue.end(),
                                    [classNumber](const ErrorClass& c) { return c.number == classNumber; });
    return found == ErrorCatalogue.end() ? nullptr : &*found;
}

std::string BuildErrorMessage(int classNumber, int detailNumber)
{
    const ErrorClass* errorClass = FindErrorClass(classNumber);
    if (errorClass == nullptr)
        return {};
    switch (errorClass->form) {
    case Form::NoError:
        return detailNumber == 0 ? kNoErrorMessage : "";
    case Form::HeaderAndDetail:
        return std::string(errorClass->header) + DetailText(*errorClass, detailNumber);
    case Form::DetailOnly:
        return DetailText(*errorClass, detailNumber);
    case Form::HeaderOnly:
        return errorClass->header;
    case Form::NumberedField:
        return errorClass->header + std::to_string(detailNumber) + errorClass->suffix;
    }
    return {};
}

std::optional<ErrorCode> ReadErrorCode(std::string_view text, CodeLetters letters, std::size_t* badOffset)
{
    if (text.size() != kErrorCodeLength) {
        if (badOffset)
            *badOffset = text.size();
        return std::nullopt;
    }
    int digits[kErrorCodeLength];
    for (std::size_t i = 0; i < kErrorCodeLength; ++i) {
        digits[i] = HexDigitValue(text[i]);
        const bool lowerLetter = text[i] >= 'a' && text[i] <= 'f';
        // A character that is no digit would decode to garbage: report it.
        if (digits[i] < 0 || (lowerLetter && letters == CodeLetters::UpperCase)) {
            if (badOffset)
                *badOffset = i;
            return std::nullopt;
        }
    }
    return ErrorCode{16 * digits[2] + digits[3], 16 * digits[0] + digits[1]};
}

bool DecodeErrorCode(const std::string& code, std::string& message)
{
    const auto read = ReadErrorCode(code, CodeLetters::UpperCase);
    if (!read)
        return false;
    message = BuildErrorMessage(read->errorClass, read->detail);
    return true;
}
