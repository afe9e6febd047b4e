#include "core/StatusFlagCatalogue.h"

#include "core/Translatable.h"

#include <stdexcept>

const std::array<const char*, kStatusByteCount> StatusByteCaptions = {
    QT_TRANSLATE_NOOP("StatusFlags", "Статус регистратора - байт 0 (общее состояние)"),
    QT_TRANSLATE_NOOP("StatusFlags", "Статус регистратора - байт 1 (состояние принтера)"),
    QT_TRANSLATE_NOOP("StatusFlags", "Статус регистратора - байт 2 (состояние чека)"),
    QT_TRANSLATE_NOOP("StatusFlags", "Статус регистратора - байт 3 (состояние переключателей)"),
    QT_TRANSLATE_NOOP("StatusFlags", "Статус регистратора - байт 4 (фискальная память)"),
    QT_TRANSLATE_NOOP("StatusFlags", "Статус регистратора - байт 5 (дополнительные статусы)"),
};

const std::array<StatusFlag, kStatusByteCount * kBitsPerByte> StatusFlagCatalogue = {{
    {0, 0, QT_TRANSLATE_NOOP("StatusFlags", "Регистрвтор находится в сервисном режиме")},
    {0, 1, QT_TRANSLATE_NOOP("StatusFlags", "(2) Буфер документа близок к концу")},
    {0, 2, QT_TRANSLATE_NOOP("StatusFlags", "(4) Дата/ время не установлены после обнуления ОЗУ")},
    {0, 3, QT_TRANSLATE_NOOP("StatusFlags", "(8) Дисплей не подключен")},
    {0, 4, QT_TRANSLATE_NOOP("StatusFlags", "(10) Механизм печатающего устройства неисправен")},
    {0, 5, QT_TRANSLATE_NOOP("StatusFlags", "(20) Для новых настроек необходимо перегрузить ЭККР")},
    {0, 6, QT_TRANSLATE_NOOP("StatusFlags", "(40) Другие ошибки оборудования")},
    {0, 7, QT_TRANSLATE_NOOP("StatusFlags", "(80) Всегда установлен")},

    {1, 0, QT_TRANSLATE_NOOP("StatusFlags", "(1) Заканчивается чековая лента")},
    {1, 1, QT_TRANSLATE_NOOP("StatusFlags", "(2) Заканчивается контрольная лента")},
    {1, 2, QT_TRANSLATE_NOOP("StatusFlags", "(4) Закончилась чековая лента")},
    {1, 3, QT_TRANSLATE_NOOP("StatusFlags", "(8) Закончилась контрольная лента")},
    {1, 4, QT_TRANSLATE_NOOP("StatusFlags", "(10) Открыта крышка принтера")},
    {1, 5, QT_TRANSLATE_NOOP("StatusFlags", "(20) Осуществляется ручная протяжка бумаги")},
    {1, 6, QT_TRANSLATE_NOOP("StatusFlags", "(40) Буфер принтера не пуст (есть еще не распечатанные данные)")},
    {1, 7, QT_TRANSLATE_NOOP("StatusFlags", "(80) Всегда установлен")},

    {2, 0, QT_TRANSLATE_NOOP("StatusFlags", "(1) Состояние чека")},
    {2, 1, QT_TRANSLATE_NOOP("StatusFlags", "(2) Состояние чека")},
    {2, 2, QT_TRANSLATE_NOOP("StatusFlags", "(4) Состояние чека")},
    {2, 3, QT_TRANSLATE_NOOP("StatusFlags", "(8) Текущее состояние чека")},
    {2, 4, QT_TRANSLATE_NOOP("StatusFlags", "(10) Открыт чек возврата")},
    {2, 5, QT_TRANSLATE_NOOP("StatusFlags", "(20) Резерв")},
    {2, 6, QT_TRANSLATE_NOOP("StatusFlags", "(40) Резерв")},
    {2, 7, QT_TRANSLATE_NOOP("StatusFlags", "(80) Всегда установлен")},

    {3, 0, QT_TRANSLATE_NOOP("StatusFlags", "(1) SIMError")},
    {3, 1, QT_TRANSLATE_NOOP("StatusFlags", "(2) Memory Card Error")},
    {3, 2, QT_TRANSLATE_NOOP("StatusFlags", "(4) Автономный режим работы")},
    {3, 3, QT_TRANSLATE_NOOP("StatusFlags", "(8) Memory Card Error (hardware)")},
    {3, 4, QT_TRANSLATE_NOOP("StatusFlags", "(10) Резерв")},
    {3, 5, QT_TRANSLATE_NOOP("StatusFlags", "(20) Версия внутреннего ПО не активирована")},
    {3, 6, QT_TRANSLATE_NOOP("StatusFlags", "(40) Связь с WiFi модулем")},
    {3, 7, QT_TRANSLATE_NOOP("StatusFlags", "(80) Всегда установлен")},

    {4, 0, QT_TRANSLATE_NOOP("StatusFlags", "(1) Заводской номер запрограммирован")},
    {4, 1, QT_TRANSLATE_NOOP("StatusFlags", "(2) Регистратор фискализирован")},
    {4, 2, QT_TRANSLATE_NOOP("StatusFlags", "(4) В ФП места менее чем на 30 отчетов")},
    {4, 3, QT_TRANSLATE_NOOP("StatusFlags", "(8) Фискальная память переполнена")},
    {4, 4, QT_TRANSLATE_NOOP("StatusFlags", "(10) ID_DEV установлен")},
    {4, 5, QT_TRANSLATE_NOOP("StatusFlags", "(20) Регистратор персонализирован")},
    {4, 6, QT_TRANSLATE_NOOP("StatusFlags", "(40) Возникла ошибка фискальной памяти (CRC)")},
    {4, 7, QT_TRANSLATE_NOOP("StatusFlags", "(80) Всегда установлен")},

    {5, 0, QT_TRANSLATE_NOOP("StatusFlags", "(1) Денежный ящик закрыт")},
    {5, 1, QT_TRANSLATE_NOOP("StatusFlags", "(2) Резерв")},
    {5, 2, QT_TRANSLATE_NOOP("StatusFlags", "(4) Низкий заряд батареи")},
    {5, 3, QT_TRANSLATE_NOOP("StatusFlags", "(8) Сработало оповещение")},
    {5, 4, QT_TRANSLATE_NOOP("StatusFlags", "(10) Смена открыта")},
    {5, 5, QT_TRANSLATE_NOOP("StatusFlags", "(20) Часы нуждаются в корректировке")},
    {5, 6, QT_TRANSLATE_NOOP("StatusFlags", "(40) До конца смены(24 часа) осталось меньше 60 минут")},
    {5, 7, QT_TRANSLATE_NOOP("StatusFlags", "(80) Всегда установлен")},
}};

const std::array<const char*, kReceiptStateCount> ReceiptStateList = {{
    QT_TRANSLATE_NOOP("StatusFlags", "0. Документ закрыт"),
    QT_TRANSLATE_NOOP("StatusFlags", "1. Отпечатан заголовок чека"),
    QT_TRANSLATE_NOOP("StatusFlags", "2. Выполнена операция продажи"),
    QT_TRANSLATE_NOOP("StatusFlags", "3. Состояние оплаты"),
    QT_TRANSLATE_NOOP("StatusFlags", "4. Завершение"),
    QT_TRANSLATE_NOOP("StatusFlags", "5. Произвольный текстовый документ открыт"),
    QT_TRANSLATE_NOOP("StatusFlags", "6. Произведена скидка/надбавка на сумму"),
    QT_TRANSLATE_NOOP("StatusFlags", "7. Открыт чек  внесения/изъятия"),
    QT_TRANSLATE_NOOP("StatusFlags", "8. Резерв"),
    QT_TRANSLATE_NOOP("StatusFlags", "9. Режим АННУЛИРОВАНИЕ"),
    QT_TRANSLATE_NOOP("StatusFlags", "10."),
    QT_TRANSLATE_NOOP("StatusFlags", "11."),
    QT_TRANSLATE_NOOP("StatusFlags", "12."),
    QT_TRANSLATE_NOOP("StatusFlags", "13."),
    QT_TRANSLATE_NOOP("StatusFlags", "14."),
    QT_TRANSLATE_NOOP("StatusFlags", "15."),
}};

namespace {

std::size_t CheckedByte(int byteIndex)
{
    if (byteIndex < 0 || byteIndex >= kStatusByteCount)
        throw std::out_of_range("status byte out of range");
    return static_cast<std::size_t>(byteIndex);
}

} // namespace

const char* ByteCaption(int byteIndex)
{
    return StatusByteCaptions[CheckedByte(byteIndex)];
}

const StatusFlag& FlagOf(int byteIndex, int bit)
{
    if (bit < 0 || bit >= kBitsPerByte)
        throw std::out_of_range("status bit out of range");
    return StatusFlagCatalogue[CheckedByte(byteIndex) * kBitsPerByte + static_cast<std::size_t>(bit)];
}
