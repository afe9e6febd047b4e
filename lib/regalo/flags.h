/* The flags of the status bytes by name, numbered byte * 8 + bit, each
 * with its caption: written by lib/tools/FlagNames.cpp from the catalogue
 * (cmake --build build --target update_flag_names), never by hand.
 * Included by regalo.h. */
#ifndef REGALO_FLAGS_H
#define REGALO_FLAGS_H

#define REGALO_FLAG_B0_THE_REGISTER_IS_IN_SERVICE_MODE 0 /* byte 0, bit 0: Регистрвтор находится в сервисном режиме */
#define REGALO_FLAG_B0_DOCUMENT_BUFFER_NEARLY_FULL 1 /* byte 0, bit 1: (2) Буфер документа близок к концу */
#define REGALO_FLAG_B0_DATE_TIME_NOT_SET_AFTER_THE_RAM_RESET 2 /* byte 0, bit 2: (4) Дата/ время не установлены после обнуления ОЗУ */
#define REGALO_FLAG_B0_DISPLAY_NOT_CONNECTED 3 /* byte 0, bit 3: (8) Дисплей не подключен */
#define REGALO_FLAG_B0_PRINT_MECHANISM_FAULTY 4 /* byte 0, bit 4: (10) Механизм печатающего устройства неисправен */
#define REGALO_FLAG_B0_RESTART_THE_REGISTER_FOR_NEW_SETTINGS 5 /* byte 0, bit 5: (20) Для новых настроек необходимо перегрузить ЭККР */
#define REGALO_FLAG_B0_OTHER_HARDWARE_ERRORS 6 /* byte 0, bit 6: (40) Другие ошибки оборудования */
#define REGALO_FLAG_B0_ALWAYS_SET 7 /* byte 0, bit 7: (80) Всегда установлен */
#define REGALO_FLAG_B1_RECEIPT_PAPER_RUNNING_OUT 8 /* byte 1, bit 0: (1) Заканчивается чековая лента */
#define REGALO_FLAG_B1_JOURNAL_PAPER_RUNNING_OUT 9 /* byte 1, bit 1: (2) Заканчивается контрольная лента */
#define REGALO_FLAG_B1_OUT_OF_RECEIPT_PAPER 10 /* byte 1, bit 2: (4) Закончилась чековая лента */
#define REGALO_FLAG_B1_OUT_OF_JOURNAL_PAPER 11 /* byte 1, bit 3: (8) Закончилась контрольная лента */
#define REGALO_FLAG_B1_PRINTER_COVER_OPEN 12 /* byte 1, bit 4: (10) Открыта крышка принтера */
#define REGALO_FLAG_B1_PAPER_BEING_FED_BY_HAND 13 /* byte 1, bit 5: (20) Осуществляется ручная протяжка бумаги */
#define REGALO_FLAG_B1_PRINTER_BUFFER_NOT_EMPTY_DATA_STILL_TO_PRINT 14 /* byte 1, bit 6: (40) Буфер принтера не пуст (есть еще не распечатанные данные) */
#define REGALO_FLAG_B1_ALWAYS_SET 15 /* byte 1, bit 7: (80) Всегда установлен */
#define REGALO_FLAG_B2_RECEIPT_STATE_1 16 /* byte 2, bit 0: (1) Состояние чека */
#define REGALO_FLAG_B2_RECEIPT_STATE_2 17 /* byte 2, bit 1: (2) Состояние чека */
#define REGALO_FLAG_B2_RECEIPT_STATE_4 18 /* byte 2, bit 2: (4) Состояние чека */
#define REGALO_FLAG_B2_CURRENT_RECEIPT_STATE 19 /* byte 2, bit 3: (8) Текущее состояние чека */
#define REGALO_FLAG_B2_REFUND_RECEIPT_OPEN 20 /* byte 2, bit 4: (10) Открыт чек возврата */
#define REGALO_FLAG_B2_SPARE_20 21 /* byte 2, bit 5: (20) Резерв */
#define REGALO_FLAG_B2_SPARE_40 22 /* byte 2, bit 6: (40) Резерв */
#define REGALO_FLAG_B2_ALWAYS_SET 23 /* byte 2, bit 7: (80) Всегда установлен */
#define REGALO_FLAG_B3_SIMERROR 24 /* byte 3, bit 0: (1) SIMError */
#define REGALO_FLAG_B3_MEMORY_CARD_ERROR 25 /* byte 3, bit 1: (2) Memory Card Error */
#define REGALO_FLAG_B3_OFFLINE_MODE 26 /* byte 3, bit 2: (4) Автономный режим работы */
#define REGALO_FLAG_B3_MEMORY_CARD_ERROR_HARDWARE 27 /* byte 3, bit 3: (8) Memory Card Error (hardware) */
#define REGALO_FLAG_B3_SPARE 28 /* byte 3, bit 4: (10) Резерв */
#define REGALO_FLAG_B3_FIRMWARE_VERSION_NOT_ACTIVATED 29 /* byte 3, bit 5: (20) Версия внутреннего ПО не активирована */
#define REGALO_FLAG_B3_CONNECTED_TO_THE_WIFI_MODULE 30 /* byte 3, bit 6: (40) Связь с WiFi модулем */
#define REGALO_FLAG_B3_ALWAYS_SET 31 /* byte 3, bit 7: (80) Всегда установлен */
#define REGALO_FLAG_B4_SERIAL_NUMBER_PROGRAMMED 32 /* byte 4, bit 0: (1) Заводской номер запрограммирован */
#define REGALO_FLAG_B4_REGISTER_FISCALIZED 33 /* byte 4, bit 1: (2) Регистратор фискализирован */
#define REGALO_FLAG_B4_FISCAL_MEMORY_HAS_ROOM_FOR_UNDER_30_REPORTS 34 /* byte 4, bit 2: (4) В ФП места менее чем на 30 отчетов */
#define REGALO_FLAG_B4_FISCAL_MEMORY_FULL 35 /* byte 4, bit 3: (8) Фискальная память переполнена */
#define REGALO_FLAG_B4_ID_DEV_SET 36 /* byte 4, bit 4: (10) ID_DEV установлен */
#define REGALO_FLAG_B4_REGISTER_PERSONALIZED 37 /* byte 4, bit 5: (20) Регистратор персонализирован */
#define REGALO_FLAG_B4_FISCAL_MEMORY_ERROR_CRC 38 /* byte 4, bit 6: (40) Возникла ошибка фискальной памяти (CRC) */
#define REGALO_FLAG_B4_ALWAYS_SET 39 /* byte 4, bit 7: (80) Всегда установлен */
#define REGALO_FLAG_B5_CASH_DRAWER_CLOSED 40 /* byte 5, bit 0: (1) Денежный ящик закрыт */
#define REGALO_FLAG_B5_SPARE 41 /* byte 5, bit 1: (2) Резерв */
#define REGALO_FLAG_B5_BATTERY_LOW 42 /* byte 5, bit 2: (4) Низкий заряд батареи */
#define REGALO_FLAG_B5_ALERT_RAISED 43 /* byte 5, bit 3: (8) Сработало оповещение */
#define REGALO_FLAG_B5_SHIFT_OPEN 44 /* byte 5, bit 4: (10) Смена открыта */
#define REGALO_FLAG_B5_CLOCK_NEEDS_CORRECTING 45 /* byte 5, bit 5: (20) Часы нуждаются в корректировке */
#define REGALO_FLAG_B5_LESS_THAN_60_MINUTES_LEFT_OF_THE_SHIFT_24_HOURS 46 /* byte 5, bit 6: (40) До конца смены(24 часа) осталось меньше 60 минут */
#define REGALO_FLAG_B5_ALWAYS_SET 47 /* byte 5, bit 7: (80) Всегда установлен */

#endif
