<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ErrorCodes</name>
    <message>
        <source>Код %1: описания нет</source>
        <translation>Code %1: no description</translation>
    </message>
    <message>
        <source>Неопределенная ошибка оборудования!</source>
        <translation>Unspecified hardware error!</translation>
    </message>
    <message>
        <source>Ошибка принтера!</source>
        <translation>Printer error!</translation>
    </message>
    <message>
        <source>Ошибка RAM!</source>
        <translation>RAM error!</translation>
    </message>
    <message>
        <source>Ошибка контрольной суммы памяти программы!</source>
        <translation>Program memory checksum error!</translation>
    </message>
    <message>
        <source>Ошибка Flash памяти!</source>
        <translation>Flash memory error!</translation>
    </message>
    <message>
        <source>Ошибка дисплея!</source>
        <translation>Display error!</translation>
    </message>
    <message>
        <source>Ошибка часов, необходимо скорректировать время!</source>
        <translation>Clock error, the time must be corrected!</translation>
    </message>
    <message>
        <source>Ошибка, возникшая в связи с понижением напряжения питания!</source>
        <translation>Error caused by a drop in the supply voltage!</translation>
    </message>
    <message>
        <source>SIM: отказ оборудования!</source>
        <translation>SIM: hardware failure!</translation>
    </message>
    <message>
        <source>MMC: отказ оборудования!</source>
        <translation>MMC: hardware failure!</translation>
    </message>
    <message>
        <source>Нет команды с таким кодом!</source>
        <translation>No command with this code!</translation>
    </message>
    <message>
        <source>Данная функция не поддерживается!</source>
        <translation>This function is not supported!</translation>
    </message>
    <message>
        <source>В сообщении нет данных</source>
        <translation>The message holds no data</translation>
    </message>
    <message>
        <source>Переполнение буфера приемника/передатчика!</source>
        <translation>Receive/transmit buffer overflow!</translation>
    </message>
    <message>
        <source>Нет свободного места для записи в ФП!</source>
        <translation>No free space left in the fiscal memory!</translation>
    </message>
    <message>
        <source>Ошибка записи в фискальную память!</source>
        <translation>Fiscal memory write error!</translation>
    </message>
    <message>
        <source>Заводской номер не установлен!</source>
        <translation>Serial number not set!</translation>
    </message>
    <message>
        <source>Дата текущей записи более ранняя 
   чем дата предыдущей записи!</source>
        <translation>The date of the current record is earlier 
   than the date of the previous record!</translation>
    </message>
    <message>
        <source>Запрещен выход за пределы суток!</source>
        <translation>Crossing the end of the day is not allowed!</translation>
    </message>
    <message>
        <source>Данные в фискальной памяти неверны!</source>
        <translation>Fiscal memory data are invalid!</translation>
    </message>
    <message>
        <source>Фискальная память исчерпана!</source>
        <translation>Fiscal memory is full!</translation>
    </message>
    <message>
        <source>Данная команда выполняется только в фискальном режиме!</source>
        <translation>This command works in fiscal mode only!</translation>
    </message>
    <message>
        <source>Дата и время не были установлены 
с момента последнего аварийного обнуления ОЗУ!</source>
        <translation>Date and time have not been set 
since the last emergency RAM reset!</translation>
    </message>
    <message>
        <source>С начала смены прошло более 24х часов!</source>
        <translation>More than 24 hours since the shift was opened!</translation>
    </message>
    <message>
        <source>Необходимо скорректировать время!</source>
        <translation>The time must be corrected!</translation>
    </message>
    <message>
        <source>Ошибка в формате таблицы!</source>
        <translation>Table format error!</translation>
    </message>
    <message>
        <source>ДОшибка в формате даты!</source>
        <translation>Date format error!</translation>
    </message>
    <message>
        <source>Ошибка в формате времени!</source>
        <translation>Time format error!</translation>
    </message>
    <message>
        <source>Устанавливаемое время меньше текущего!</source>
        <translation>The time being set is earlier than the current time!</translation>
    </message>
    <message>
        <source>Есть не отправленные эквайру документы в течение 72 часов или более!</source>
        <translation>Documents not sent to the acquirer for 72 hours or more!</translation>
    </message>
    <message>
        <source>Неверный режим регистратора (перемычка)!</source>
        <translation>Wrong register mode (jumper)!</translation>
    </message>
    <message>
        <source>Команда невыполнима в данном состоянии смены!</source>
        <translation>The command cannot be run in this shift state!</translation>
    </message>
    <message>
        <source>Необходимо выгрузить контрольную ленту (бумажную/подписанную)!</source>
        <translation>The journal tape (paper/signed) must be unloaded!</translation>
    </message>
    <message>
        <source>Регистратор находится в автономном режиме!</source>
        <translation>The register is in offline mode!</translation>
    </message>
    <message>
        <source>Смена закрыта но не обнулена! (Возможно, требуется выполнить принудительное обнуление контрольной ленты).</source>
        <translation>Shift closed but not reset! (A forced reset of the journal tape may be needed).</translation>
    </message>
    <message>
        <source>Персонализация не выполнена!</source>
        <translation>Personalization not done!</translation>
    </message>
    <message>
        <source>Не все данные переданы эквайеру перед сменой налоговых номеров!</source>
        <translation>Not all data sent to the acquirer before the tax numbers changed!</translation>
    </message>
    <message>
        <source>Версия внутреннего ПО не активирована. Требуется ключ активации ПО!</source>
        <translation>Firmware version not activated. A firmware activation key is needed!</translation>
    </message>
    <message>
        <source>Неверный ключ активации версии!</source>
        <translation>Wrong version activation key!</translation>
    </message>
    <message>
        <source>Удаленный сервис не активирован!</source>
        <translation>Remote service not activated!</translation>
    </message>
    <message>
        <source>Операция отвергнута. Выполняется автоматический перевод на зимнее время!</source>
        <translation>Operation refused. Automatic change to winter time in progress!</translation>
    </message>
    <message>
        <source>Не очищено!</source>
        <translation>Not cleared!</translation>
    </message>
    <message>
        <source>Чтение-запись по неинициализированному указателю!</source>
        <translation>Read/write through an uninitialized pointer!</translation>
    </message>
    <message>
        <source>Адрес-параметр за пределами зоны!</source>
        <translation>Address parameter out of range!</translation>
    </message>
    <message>
        <source>Выделен недостаточный буфер!</source>
        <translation>Buffer too small!</translation>
    </message>
    <message>
        <source>Ошибка данных</source>
        <translation>Data error</translation>
    </message>
    <message>
        <source>Нет свободного места для выполнения команды!</source>
        <translation>No free space to run the command!</translation>
    </message>
    <message>
        <source>Длинна записи больше максимума (&gt;255)!</source>
        <translation>Record longer than the maximum (&gt;255)!</translation>
    </message>
    <message>
        <source>Артикул (кассир) с данным кодом не найден!</source>
        <translation>No item (cashier) with this code!</translation>
    </message>
    <message>
        <source>Индекс за пределами базы!</source>
        <translation>Index outside the database!</translation>
    </message>
    <message>
        <source>Артикул с данным кодом существует!</source>
        <translation>An item with this code exists!</translation>
    </message>
    <message>
        <source>Налог запрещен!</source>
        <translation>Tax not allowed!</translation>
    </message>
    <message>
        <source>Продаж по налоговой группе не было!</source>
        <translation>No sales in this tax group!</translation>
    </message>
    <message>
        <source>Использование такого типа налога запрещено!</source>
        <translation>This tax type is not allowed!</translation>
    </message>
    <message>
        <source>Неверное состояние документа выполняется попытка повторно открыть документ, 
  или выполняется попытка выполнить продажу без предварительного открытия чека!</source>
        <translation>Wrong document state: an attempt to open the document again, 
  or to make a sale without opening a receipt first!</translation>
    </message>
    <message>
        <source>Недостаточно свободного места для выполнения команды!</source>
        <translation>Not enough free space to run the command!</translation>
    </message>
    <message>
        <source>Неизвестный тип продажи!</source>
        <translation>Unknown sale type!</translation>
    </message>
    <message>
        <source>Аннуляция: не может начинаться с данной операции!</source>
        <translation>Void: cannot start with this operation!</translation>
    </message>
    <message>
        <source>Аннуляция: данная операция в чеке не найдена!</source>
        <translation>Void: operation not found in the receipt!</translation>
    </message>
    <message>
        <source>Аннуляция: последовательность неполная!</source>
        <translation>Void: incomplete sequence!</translation>
    </message>
    <message>
        <source>Аннулировать нечего!</source>
        <translation>Nothing to void!</translation>
    </message>
    <message>
        <source>Копия чека недоступна!</source>
        <translation>Receipt copy not available!</translation>
    </message>
    <message>
        <source>В кассе недостаточно наличных денег для выполнения операции!</source>
        <translation>Not enough cash in the drawer for the operation!</translation>
    </message>
    <message>
        <source>Указанный тип оплаты запрещен для данного чека!</source>
        <translation>This payment type is not allowed for this receipt!</translation>
    </message>
    <message>
        <source>Сдача запрещена с данного типа оплаты!</source>
        <translation>No change allowed for this payment type!</translation>
    </message>
    <message>
        <source>Значение скидки вышло за допустимый диапазон!</source>
        <translation>Discount value out of the allowed range!</translation>
    </message>
    <message>
        <source>Переполнение итога по чеку!</source>
        <translation>Receipt total overflow!</translation>
    </message>
    <message>
        <source>Переполнение по оплатам в чеке!</source>
        <translation>Receipt payments overflow!</translation>
    </message>
    <message>
        <source>Переполнение буфера!</source>
        <translation>Buffer overflow!</translation>
    </message>
    <message>
        <source>Продажа: ошибка в количестве!</source>
        <translation>Sale: quantity error!</translation>
    </message>
    <message>
        <source>Продажа: ошибка в цене!</source>
        <translation>Sale: price error!</translation>
    </message>
    <message>
        <source>Аннуляция: удаляемая последовательность заблокирована!</source>
        <translation>Void: the sequence to remove is locked!</translation>
    </message>
    <message>
        <source>Продажа: достигнуто максимальное количество позиций в чеке 
 (комментарии считаются как позиции)!</source>
        <translation>Sale: the receipt holds the maximum number of items 
 (comments count as items)!</translation>
    </message>
    <message>
        <source>TMPBuff: Не соответствует заголовок!</source>
        <translation>TMPBuff: header mismatch!</translation>
    </message>
    <message>
        <source>TMPBuff: данные не совпали с ранее сохраненными!</source>
        <translation>TMPBuff: data differ from those saved before!</translation>
    </message>
    <message>
        <source>TMPBuff: за пределами буфера</source>
        <translation>TMPBuff: outside the buffer</translation>
    </message>
    <message>
        <source>SIM: неправильный порядок вычисления хэша!</source>
        <translation>SIM: wrong hash computation order!</translation>
    </message>
    <message>
        <source>SIM: подпись не совпадает!</source>
        <translation>SIM: signature mismatch!</translation>
    </message>
    <message>
        <source>SIM: текущий открытый ключ не соответствует сохраненному в ФП!</source>
        <translation>SIM: current public key differs from the one in fiscal memory!</translation>
    </message>
    <message>
        <source>SIM: Ошибка закрытого ключа!</source>
        <translation>SIM: private key error!</translation>
    </message>
    <message>
        <source>SIM: ID_DEV не установлен!</source>
        <translation>SIM: ID_DEV not set!</translation>
    </message>
    <message>
        <source>SIM: Неверное состояние карты!</source>
        <translation>SIM: wrong card state!</translation>
    </message>
    <message>
        <source>SIM: Ошибка подписывания!</source>
        <translation>SIM: signing error!</translation>
    </message>
    <message>
        <source>SIM: Ошибка формата XML!</source>
        <translation>SIM: XML format error!</translation>
    </message>
    <message>
        <source>SIM: Ошибка версии ключа!</source>
        <translation>SIM: key version error!</translation>
    </message>
    <message>
        <source>SIM: Документ уничтожен!</source>
        <translation>SIM: document destroyed!</translation>
    </message>
    <message>
        <source>SIM: Документ изменен!</source>
        <translation>SIM: document changed!</translation>
    </message>
    <message>
        <source>SIM: Неверный размер документа!</source>
        <translation>SIM: wrong document size!</translation>
    </message>
    <message>
        <source>SIM: Копия документа временно не доступна. Идет передача данных!</source>
        <translation>SIM: document copy temporarily unavailable. Data transfer in progress!</translation>
    </message>
    <message>
        <source>MMC: карточку необходимо форматировать!</source>
        <translation>MMC: the card must be formatted!</translation>
    </message>
    <message>
        <source>MMC: Недостаточно свободного места для выполнения команды!</source>
        <translation>MMC: not enough free space to run the command!</translation>
    </message>
    <message>
        <source>MMC: Ошибка создания файла, файл с таким именем уже существует!</source>
        <translation>MMC: file creation error, a file with this name exists!</translation>
    </message>
    <message>
        <source>MMC: Ошибка чтения файла, запрошенный размер на чтение больше фактического размера файла!</source>
        <translation>MMC: file read error, the size asked for is larger than the file!</translation>
    </message>
    <message>
        <source>MMC: Попытка произвести операции с открытым файлом!</source>
        <translation>MMC: operation attempted on an open file!</translation>
    </message>
    <message>
        <source>MMC: ошибка открытия файла - не найден файл или директория!</source>
        <translation>MMC: file open error - file or directory not found!</translation>
    </message>
    <message>
        <source>MMC: AccessMode!</source>
        <translation>MMC: access mode error!</translation>
    </message>
    <message>
        <source>MMC: rErrSD_PathLength!</source>
        <translation>MMC: path too long!</translation>
    </message>
    <message>
        <source>MMC: Ошибка открытия/создания файла!</source>
        <translation>MMC: file open/create error!</translation>
    </message>
    <message>
        <source>MMC: Ошибка записи файла!</source>
        <translation>MMC: file write error!</translation>
    </message>
    <message>
        <source>MMC: Необходимо обратиться в службу сервиса!</source>
        <translation>MMC: contact the service centre!</translation>
    </message>
    <message>
        <source>MMC: Ошибка в записях КСЕФ. Необходимо обратиться в службу сервиса!</source>
        <translation>MMC: error in the electronic journal records. Contact the service centre!</translation>
    </message>
    <message>
        <source>ФСтрока: Параметры!</source>
        <translation>Format line: parameters!</translation>
    </message>
    <message>
        <source>ФСтрока: Тип данных</source>
        <translation>Format line: data type</translation>
    </message>
    <message>
        <source>ФСтрока: Выбор шрифта!</source>
        <translation>Format line: font selection!</translation>
    </message>
    <message>
        <source>ФСтрока: Выравнивание!</source>
        <translation>Format line: alignment!</translation>
    </message>
    <message>
        <source>ФСтрока: Позиции в строке!</source>
        <translation>Format line: positions in the line!</translation>
    </message>
    <message>
        <source>DBF: Формат файла неверен!</source>
        <translation>DBF: wrong file format!</translation>
    </message>
    <message>
        <source>DBF: Количество полей больше максимального!</source>
        <translation>DBF: more fields than the maximum!</translation>
    </message>
    <message>
        <source>DBF: Обращение к несуществующей записи!</source>
        <translation>DBF: access to a record that does not exist!</translation>
    </message>
    <message>
        <source>DBF: Недопустимый тип поля!</source>
        <translation>DBF: field type not allowed!</translation>
    </message>
    <message>
        <source>DBF: Неверное значение в поле!</source>
        <translation>DBF: wrong value in a field!</translation>
    </message>
    <message>
        <source>DBF: Значение для поиска не задано!</source>
        <translation>DBF: no value to search for!</translation>
    </message>
    <message>
        <source>DBF: База не открыта!</source>
        <translation>DBF: database not open!</translation>
    </message>
    <message>
        <source>Строка ввода: Величина за пределами!</source>
        <translation>Input line: value out of range!</translation>
    </message>
    <message>
        <source>Строка ввода: Нельзя изменять!</source>
        <translation>Input line: cannot be changed!</translation>
    </message>
    <message>
        <source>Отменено пользователем</source>
        <translation>Cancelled by the user</translation>
    </message>
    <message>
        <source>Ошибка оборудования!
 </source>
        <translation>Hardware error!
 </translation>
    </message>
    <message>
        <source>Неправильный формат поля номер </source>
        <translation>Wrong format of field number </translation>
    </message>
    <message>
        <source>!</source>
        <translation>!</translation>
    </message>
    <message>
        <source>Значение поля номер </source>
        <translation>The value of field number </translation>
    </message>
    <message>
        <source> выходит за допустимый диапазон!</source>
        <translation> is out of the allowed range!</translation>
    </message>
    <message>
        <source>Ошибка фискальной памяти!
 </source>
        <translation>Fiscal memory error!
 </translation>
    </message>
    <message>
        <source>Неверный пароль доступа!</source>
        <translation>Wrong access password!</translation>
    </message>
    <message>
        <source>Команда не может быть выполнена в данном состоянии регистратора!
</source>
        <translation>The command cannot be run in the present state of the register!
</translation>
    </message>
    <message>
        <source>При выполнении операции 
  обнаружено арифметическое переполнение!</source>
        <translation>An arithmetic overflow 
  occurred during the operation!</translation>
    </message>
    <message>
        <source>Не обнулено!</source>
        <translation>Not reset!</translation>
    </message>
    <message>
        <source>Ошибка работы с базой товаров!
 </source>
        <translation>Item database error!
 </translation>
    </message>
    <message>
        <source>Ошибка работы с продажами!
 </source>
        <translation>Sales error!
 </translation>
    </message>
    <message>
        <source>Ошибка TMPBuff!
 </source>
        <translation>TMPBuff error!
 </translation>
    </message>
    <message>
        <source>Ошибка работы с SIM!
 </source>
        <translation>SIM error!
 </translation>
    </message>
    <message>
        <source>Ошибка работы с MMC!
 </source>
        <translation>MMC error!
 </translation>
    </message>
    <message>
        <source>Ошибка работы с DBF!
 </source>
        <translation>DBF error!
 </translation>
    </message>
    <message>
        <source>Ошибка работы с вводом!
 </source>
        <translation>Input error!
 </translation>
    </message>
    <message>
        <source>Без ошибок!</source>
        <translation>No errors!</translation>
    </message>
    <message>
        <source>Неизвестная ошибка!</source>
        <translation>Unknown error!</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>Состояние чека: %1</source>
        <translation>Receipt state: %1</translation>
    </message>
    <message>
        <source>Без изменений</source>
        <translation>No change</translation>
    </message>
    <message>
        <source>Строка статуса не прочитана: %1</source>
        <translation>Status line not read: %1</translation>
    </message>
    <message>
        <source>Прочитанные байты:</source>
        <translation>Bytes read:</translation>
    </message>
    <message>
        <source>байт %1: %2</source>
        <translation>byte %1: %2</translation>
    </message>
    <message>
        <source>Состояние чека</source>
        <translation>Receipt state</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>готово</source>
        <translation>done</translation>
    </message>
    <message>
        <source>значение не прочитано: его JSON говорит почему</source>
        <translation>the value cannot be read: its JSON says why</translation>
    </message>
    <message>
        <source>буфер мал: ответ записан не весь</source>
        <translation>the buffer is too small: only part of the answer was written</translation>
    </message>
    <message>
        <source>неверный аргумент: язык, формат или пустой указатель</source>
        <translation>bad argument: a language, a format or a null pointer</translation>
    </message>
    <message>
        <source>не хватило памяти</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>неизвестный результат</source>
        <translation>unknown result</translation>
    </message>
</context>
<context>
    <name>LogChartView</name>
    <message>
        <source>График журнала</source>
        <translation>Log chart</translation>
    </message>
</context>
<context>
    <name>LogPieces</name>
    <message>
        <source>вставленные строки</source>
        <translation>pasted lines</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>it is a folder, not a file</translation>
    </message>
</context>
<context>
    <name>LogWindow</name>
    <message>
        <source>Строка</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Расшифровка</source>
        <translation>Explanation</translation>
    </message>
    <message>
        <source>Журнал — %1</source>
        <translation>Log — %1</translation>
    </message>
    <message>
        <source>Открыть журнал…</source>
        <translation>Open log…</translation>
    </message>
    <message>
        <source>Копировать сводку</source>
        <translation>Copy summary</translation>
    </message>
    <message>
        <source>Сохранить как CSV…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <source>Показать</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>&amp;Показать:</source>
        <translation>&amp;Show:</translation>
    </message>
    <message>
        <source>Только изменения</source>
        <translation>Changes only</translation>
    </message>
    <message>
        <source>Сводка журнала</source>
        <translation>Log summary</translation>
    </message>
    <message>
        <source>Показания журнала</source>
        <translation>Log readings</translation>
    </message>
    <message>
        <source>Показание целиком</source>
        <translation>The whole reading</translation>
    </message>
    <message>
        <source>Выбранное показание — здесь целиком; двойной щелчок или Enter открывает его в главном окне.</source>
        <translation>The chosen reading, in full; a double click or Enter opens it in the main window.</translation>
    </message>
    <message>
        <source>Чтение журнала</source>
        <translation>Reading the log</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Чтение остановлено: показано прочитанное, %1 % журнала.</source>
        <translation>Reading stopped: shown is what was read, %1 % of the log.</translation>
    </message>
    <message>
        <source>Журнал «%1» прочитан не весь: %2</source>
        <translation>The log “%1” was not read to its end: %2</translation>
    </message>
    <message>
        <source>Сохранено.</source>
        <translation>Saved.</translation>
    </message>
    <message>
        <source>Сохранение отменено.</source>
        <translation>Saving cancelled.</translation>
    </message>
    <message>
        <source>CSV не сохранён: %1</source>
        <translation>The CSV was not saved: %1</translation>
    </message>
    <message>
        <source>Журнал «%1» не открыть: %2</source>
        <translation>The log “%1” cannot be opened: %2</translation>
    </message>
    <message>
        <source>%1 — журнал — %2</source>
        <translation>%1 — log — %2</translation>
    </message>
    <message>
        <source>Все показания</source>
        <translation>All readings</translation>
    </message>
    <message>
        <source>Чтение журнала…</source>
        <translation>Reading the log…</translation>
    </message>
    <message>
        <source>Открыть журнал</source>
        <translation>Open log</translation>
    </message>
    <message>
        <source>Журналы (*.log *.txt);;Текст (*.txt);;Все файлы (*)</source>
        <translation>Logs (*.log *.txt);;Text (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Строка %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>журнал</source>
        <translation>log</translation>
    </message>
    <message>
        <source>Сохранить как CSV</source>
        <translation>Save as CSV</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Сохранение CSV…</source>
        <translation>Saving the CSV…</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>неизвестный параметр %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>после %1 нужно значение</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>--lang принимает ru или en, а не %1</source>
        <translation>--lang takes ru or en, not %1</translation>
    </message>
    <message>
        <source>лишний аргумент %1</source>
        <translation>unexpected argument %1</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Расшифровка</source>
        <translation>Explanation</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Копировать ссылку</source>
        <translation>Copy link</translation>
    </message>
    <message>
        <source>Поделиться</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Скопировано</source>
        <translation>Copied</translation>
    </message>
    <message>
        <source>Недавние</source>
        <translation>Recent</translation>
    </message>
    <message>
        <source>Сравнить с текущей</source>
        <translation>Compare with current</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Браузер не даёт хранить данные: недавние значения не сохраняются.</source>
        <translation>The browser allows no storage: recent values are not kept.</translation>
    </message>
    <message>
        <source>Ссылка не открыта: в ней нет строки статуса (s=) или кода ошибки (e=), которые можно прочитать.</source>
        <translation>Link not opened: it holds no readable status line (s=) or error code (e=).</translation>
    </message>
    <message>
        <source>Вставка не принята: в ней %1 символов, а строка статуса не бывает длиннее 4096.</source>
        <translation>Paste refused: it holds %1 characters, and no status line is longer than 4096.</translation>
    </message>
    <message>
        <source>Загружаю правила…</source>
        <translation>Loading the rules…</translation>
    </message>
    <message>
        <source>Правила страницы не загрузились: обновите её; без сети откройте её один раз со связью.</source>
        <translation>The page&apos;s rules did not load: reload it; offline, open it once with a connection first.</translation>
    </message>
    <message>
        <source>сборка %1</source>
        <translation>build %1</translation>
    </message>
    <message>
        <source>Готова новая версия страницы.</source>
        <translation>A new version of the page is ready.</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>Влево</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Вправо</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Стереть</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>Ссылка не открыта: %1.</source>
        <translation>The link was not opened: %1.</translation>
    </message>
    <message>
        <source>Ссылка открыта не вся: %1.</source>
        <translation>The link was opened in part: %1.</translation>
    </message>
    <message>
        <source>строка статуса %1 не прочитана (%2)</source>
        <translation>status line %1 not read (%2)</translation>
    </message>
    <message>
        <source>код ошибки %1 не прочитан (%2)</source>
        <translation>error code %1 not read (%2)</translation>
    </message>
    <message>
        <source>Копировать сравнение</source>
        <translation>Copy comparison</translation>
    </message>
    <message>
        <source>Страница открыта из файла, и ссылки на неё нет: скопирована расшифровка.</source>
        <translation>The page was opened from a file and has no link: the explanation was copied.</translation>
    </message>
    <message>
        <source>Журнал</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Открыть журнал</source>
        <translation>Open log</translation>
    </message>
    <message>
        <source>или перетащите файл на страницу, или вставьте строки журнала вне полей. Журнал читается здесь и никуда не отправляется.</source>
        <translation>or drop a file on the page, or paste a log&apos;s lines outside the fields. The log is read here and sent nowhere.</translation>
    </message>
    <message>
        <source>%1: читаю, %2%</source>
        <translation>%1: reading, %2%</translation>
    </message>
    <message>
        <source>%1: показаний найдено: %2.</source>
        <translation>%1: readings found: %2.</translation>
    </message>
    <message>
        <source>%1: строк статуса и кодов ошибок в журнале нет.</source>
        <translation>%1: the log holds no status lines or error codes.</translation>
    </message>
    <message>
        <source>%1: журнал не прочитан: %2</source>
        <translation>%1: the log was not read: %2</translation>
    </message>
    <message>
        <source>Показано: %1 из %2.</source>
        <translation>Shown: %1 of %2.</translation>
    </message>
    <message>
        <source>Вставленные строки</source>
        <translation>Pasted lines</translation>
    </message>
    <message>
        <source>Показать</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>все показания</source>
        <translation>all readings</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Строка</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Показание</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>Что изменилось</source>
        <translation>What changed</translation>
    </message>
    <message>
        <source>Ввод</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Только изменения</source>
        <translation>Changes only</translation>
    </message>
    <message>
        <source>К журналу</source>
        <translation>Back to the log</translation>
    </message>
    <message>
        <source>Состояние чека, флаги, менявшиеся в журнале, и ошибки по времени; те же показания - в таблице</source>
        <translation>The receipt state, the flags that changed in the log and the errors over time; the same readings are in the table</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message numerus="yes">
        <source>неверная длина: %n символ(ов) вместо 4</source>
        <translation>
            <numerusform>wrong length: %n character instead of 4</numerusform>
            <numerusform>wrong length: %n characters instead of 4</numerusform>
        </translation>
    </message>
    <message>
        <source>недопустимый символ «%1» на позиции %2</source>
        <translation>non-hexadecimal character &apos;%1&apos; at position %2</translation>
    </message>
    <message>
        <source>недопустимый символ на позиции %1</source>
        <translation>a non-hexadecimal character at position %1</translation>
    </message>
    <message>
        <source>у байта одна цифра вместо двух (позиция %1)</source>
        <translation>a byte needs two hexadecimal digits (position %1)</translation>
    </message>
    <message>
        <source>неверное число байтов: %1 вместо 6</source>
        <translation>wrong number of bytes: %1 instead of 6</translation>
    </message>
    <message>
        <source>кириллическая «%1» на позиции %2 — нужна цифра %3</source>
        <translation>Cyrillic &apos;%1&apos; at position %2: the digit %3 is needed</translation>
    </message>
    <message>
        <source>кириллическая «%1» на позиции %2 — нужна латинская %3</source>
        <translation>Cyrillic &apos;%1&apos; at position %2: a Latin %3 is needed</translation>
    </message>
    <message>
        <source>полноширинная «%1» на позиции %2 — нужна цифра %3</source>
        <translation>full-width &apos;%1&apos; at position %2: the digit %3 is needed</translation>
    </message>
    <message>
        <source>полноширинная «%1» на позиции %2 — нужна латинская %3</source>
        <translation>full-width &apos;%1&apos; at position %2: a Latin %3 is needed</translation>
    </message>
    <message>
        <source>байт %1 неполный</source>
        <translation>byte %1 incomplete</translation>
    </message>
    <message>
        <source>в строке нулевые байты: это не UTF-8 (UTF-16 без метки порядка байтов?); сохраните файл в UTF-8</source>
        <translation>the line holds NUL bytes: this is not UTF-8 (UTF-16 without a byte-order mark?); save the file as UTF-8</translation>
    </message>
    <message>
        <source>в тексте несколько строк статуса (%1): вставьте одну</source>
        <translation>the text holds several status lines (%1): paste one</translation>
    </message>
    <message>
        <source>в тексте несколько кодов ошибок (%1): вставьте один</source>
        <translation>the text holds several error codes (%1): paste one</translation>
    </message>
    <message>
        <source>в тексте нет строки статуса</source>
        <translation>the text holds no status line</translation>
    </message>
    <message>
        <source>в тексте нет кода ошибки</source>
        <translation>the text holds no error code</translation>
    </message>
    <message>
        <source>в тексте код ошибки %1, а не строка статуса</source>
        <translation>the text holds error code %1, not a status line</translation>
    </message>
    <message>
        <source>в тексте строка статуса %1, а не код ошибки</source>
        <translation>the text holds status line %1, not an error code</translation>
    </message>
    <message numerus="yes">
        <source>значение длиннее %n байт(а)</source>
        <translation>
            <numerusform>the value is longer than %n byte</numerusform>
            <numerusform>the value is longer than %n bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Regalo_Vespera</name>
    <message>
        <source>Параметры: Regalo_Vespera --help</source>
        <translation>Options: Regalo_Vespera --help</translation>
    </message>
    <message>
        <source>--status ждёт шесть байтов статуса, например &quot;80 84 89 80 83 91&quot;, а не %1</source>
        <translation>--status takes six status bytes, such as &quot;80 84 89 80 83 91&quot;, not %1</translation>
    </message>
    <message>
        <source>--code ждёт четырёхзначный шестнадцатеричный код ошибки, например 0501, а не %1</source>
        <translation>--code takes a four-digit hexadecimal error code, such as 0501, not %1</translation>
    </message>
    <message>
        <source>Использование: Regalo_Vespera [параметры] [ЖУРНАЛ]

Окно, которое объясняет байты статуса и коды ошибок фискального регистратора.

Параметры:
  --lang ru|en   язык окна: русский или английский; без него английский,
                 если система говорит по-английски, иначе русский
  --status БАЙТЫ открыть с этими байтами статуса, как вставленными,
                 например --status &quot;80 84 89 80 83 91&quot;
  --code КОД     открыть с этим кодом ошибки, переведённым в текст,
                 например --code 0501
  --log ЖУРНАЛ   открыть журнал в окне журнала (так же, как ЖУРНАЛ
                 без параметра), например --log смена.log
  -h, --help     эта справка
  -v, --version  версия программы

Параметры самой Qt (-platform, -style, -display и другие) передаются Qt.
</source>
        <translation>Usage: Regalo_Vespera [options] [LOG]

A window that explains a fiscal cash register&apos;s status bytes and error codes.

Options:
  --lang ru|en   the window&apos;s language: Russian or English; without it
                 English where the system speaks English, else Russian
  --status BYTES open with these status bytes, as if pasted,
                 e.g. --status &quot;80 84 89 80 83 91&quot;
  --code CODE    open with this error code, translated into text,
                 e.g. --code 0501
  --log LOG      open a log in the log window (as LOG alone does),
                 e.g. --log shift.log
  -h, --help     this text
  -v, --version  the version

Qt&apos;s own options (-platform, -style, -display and others) go to Qt.
</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>без ошибки</source>
        <translation>no error</translation>
    </message>
    <message>
        <source>заголовок и деталь</source>
        <translation>header and detail</translation>
    </message>
    <message>
        <source>только деталь</source>
        <translation>detail only</translation>
    </message>
    <message>
        <source>только заголовок</source>
        <translation>header only</translation>
    </message>
    <message>
        <source>номер поля</source>
        <translation>numbered field</translation>
    </message>
    <message>
        <source>состояние чека: %1</source>
        <translation>receipt state: %1</translation>
    </message>
    <message>
        <source>класс %1 (%2), %3</source>
        <translation>class %1 (%2), %3</translation>
    </message>
    <message>
        <source>байт %1 бит %2 (%3)</source>
        <translation>byte %1 bit %2 (%3)</translation>
    </message>
    <message>
        <source>состояние чека %1</source>
        <translation>receipt state %1</translation>
    </message>
    <message>
        <source>Показаний нет.</source>
        <translation>No readings.</translation>
    </message>
    <message>
        <source>Показаний: %1 (строк статуса: %2, кодов ошибок: %3, не прочитано: %4)</source>
        <translation>Readings: %1 (status lines: %2, error codes: %3, unreadable: %4)</translation>
    </message>
    <message>
        <source>Время: %1 – %2</source>
        <translation>Time: %1 – %2</translation>
    </message>
    <message>
        <source>Коды ошибок:</source>
        <translation>Error codes:</translation>
    </message>
    <message>
        <source>%1 ×%2, %3 – %4: %5</source>
        <translation>%1 ×%2, %3 – %4: %5</translation>
    </message>
    <message>
        <source>Флаги, которые менялись:</source>
        <translation>Flags that changed:</translation>
    </message>
    <message>
        <source>%1: установлен %2, снят %3; впервые %4, в последний раз снят %5; всего установлен %6</source>
        <translation>%1: set %2, cleared %3; first set %4, last cleared %5; set for %6 in all</translation>
    </message>
    <message>
        <source>Состояния чека:</source>
        <translation>Receipt states:</translation>
    </message>
</context>
<context>
    <name>StatusFlags</name>
    <message>
        <source>Статус регистратора - байт 0 (общее состояние)</source>
        <translation>Register status - byte 0 (general state)</translation>
    </message>
    <message>
        <source>Статус регистратора - байт 1 (состояние принтера)</source>
        <translation>Register status - byte 1 (printer state)</translation>
    </message>
    <message>
        <source>Статус регистратора - байт 2 (состояние чека)</source>
        <translation>Register status - byte 2 (receipt state)</translation>
    </message>
    <message>
        <source>Статус регистратора - байт 3 (состояние переключателей)</source>
        <translation>Register status - byte 3 (switch state)</translation>
    </message>
    <message>
        <source>Статус регистратора - байт 4 (фискальная память)</source>
        <translation>Register status - byte 4 (fiscal memory)</translation>
    </message>
    <message>
        <source>Статус регистратора - байт 5 (дополнительные статусы)</source>
        <translation>Register status - byte 5 (other states)</translation>
    </message>
    <message>
        <source>Регистрвтор находится в сервисном режиме</source>
        <translation>The register is in service mode</translation>
    </message>
    <message>
        <source>(2) Буфер документа близок к концу</source>
        <translation>(2) Document buffer nearly full</translation>
    </message>
    <message>
        <source>(4) Дата/ время не установлены после обнуления ОЗУ</source>
        <translation>(4) Date/time not set after the RAM reset</translation>
    </message>
    <message>
        <source>(8) Дисплей не подключен</source>
        <translation>(8) Display not connected</translation>
    </message>
    <message>
        <source>(10) Механизм печатающего устройства неисправен</source>
        <translation>(10) Print mechanism faulty</translation>
    </message>
    <message>
        <source>(20) Для новых настроек необходимо перегрузить ЭККР</source>
        <translation>(20) Restart the register for new settings</translation>
    </message>
    <message>
        <source>(40) Другие ошибки оборудования</source>
        <translation>(40) Other hardware errors</translation>
    </message>
    <message>
        <source>(80) Всегда установлен</source>
        <translation>(80) Always set</translation>
    </message>
    <message>
        <source>(1) Заканчивается чековая лента</source>
        <translation>(1) Receipt paper running out</translation>
    </message>
    <message>
        <source>(2) Заканчивается контрольная лента</source>
        <translation>(2) Journal paper running out</translation>
    </message>
    <message>
        <source>(4) Закончилась чековая лента</source>
        <translation>(4) Out of receipt paper</translation>
    </message>
    <message>
        <source>(8) Закончилась контрольная лента</source>
        <translation>(8) Out of journal paper</translation>
    </message>
    <message>
        <source>(10) Открыта крышка принтера</source>
        <translation>(10) Printer cover open</translation>
    </message>
    <message>
        <source>(20) Осуществляется ручная протяжка бумаги</source>
        <translation>(20) Paper being fed by hand</translation>
    </message>
    <message>
        <source>(40) Буфер принтера не пуст (есть еще не распечатанные данные)</source>
        <translation>(40) Printer buffer not empty (data still to print)</translation>
    </message>
    <message>
        <source>(1) Состояние чека</source>
        <translation>(1) Receipt state</translation>
    </message>
    <message>
        <source>(2) Состояние чека</source>
        <translation>(2) Receipt state</translation>
    </message>
    <message>
        <source>(4) Состояние чека</source>
        <translation>(4) Receipt state</translation>
    </message>
    <message>
        <source>(8) Текущее состояние чека</source>
        <translation>(8) Current receipt state</translation>
    </message>
    <message>
        <source>(10) Открыт чек возврата</source>
        <translation>(10) Refund receipt open</translation>
    </message>
    <message>
        <source>(20) Резерв</source>
        <translation>(20) Spare</translation>
    </message>
    <message>
        <source>(40) Резерв</source>
        <translation>(40) Spare</translation>
    </message>
    <message>
        <source>(1) SIMError</source>
        <translation>(1) SIMError</translation>
    </message>
    <message>
        <source>(2) Memory Card Error</source>
        <translation>(2) Memory Card Error</translation>
    </message>
    <message>
        <source>(4) Автономный режим работы</source>
        <translation>(4) Offline mode</translation>
    </message>
    <message>
        <source>(8) Memory Card Error (hardware)</source>
        <translation>(8) Memory Card Error (hardware)</translation>
    </message>
    <message>
        <source>(10) Резерв</source>
        <translation>(10) Spare</translation>
    </message>
    <message>
        <source>(20) Версия внутреннего ПО не активирована</source>
        <translation>(20) Firmware version not activated</translation>
    </message>
    <message>
        <source>(40) Связь с WiFi модулем</source>
        <translation>(40) Connected to the WiFi module</translation>
    </message>
    <message>
        <source>(1) Заводской номер запрограммирован</source>
        <translation>(1) Serial number programmed</translation>
    </message>
    <message>
        <source>(2) Регистратор фискализирован</source>
        <translation>(2) Register fiscalized</translation>
    </message>
    <message>
        <source>(4) В ФП места менее чем на 30 отчетов</source>
        <translation>(4) Fiscal memory has room for under 30 reports</translation>
    </message>
    <message>
        <source>(8) Фискальная память переполнена</source>
        <translation>(8) Fiscal memory full</translation>
    </message>
    <message>
        <source>(10) ID_DEV установлен</source>
        <translation>(10) ID_DEV set</translation>
    </message>
    <message>
        <source>(20) Регистратор персонализирован</source>
        <translation>(20) Register personalized</translation>
    </message>
    <message>
        <source>(40) Возникла ошибка фискальной памяти (CRC)</source>
        <translation>(40) Fiscal memory error (CRC)</translation>
    </message>
    <message>
        <source>(1) Денежный ящик закрыт</source>
        <translation>(1) Cash drawer closed</translation>
    </message>
    <message>
        <source>(2) Резерв</source>
        <translation>(2) Spare</translation>
    </message>
    <message>
        <source>(4) Низкий заряд батареи</source>
        <translation>(4) Battery low</translation>
    </message>
    <message>
        <source>(8) Сработало оповещение</source>
        <translation>(8) Alert raised</translation>
    </message>
    <message>
        <source>(10) Смена открыта</source>
        <translation>(10) Shift open</translation>
    </message>
    <message>
        <source>(20) Часы нуждаются в корректировке</source>
        <translation>(20) Clock needs correcting</translation>
    </message>
    <message>
        <source>(40) До конца смены(24 часа) осталось меньше 60 минут</source>
        <translation>(40) Less than 60 minutes left of the shift (24 hours)</translation>
    </message>
    <message>
        <source>0. Документ закрыт</source>
        <translation>0. Document closed</translation>
    </message>
    <message>
        <source>1. Отпечатан заголовок чека</source>
        <translation>1. Receipt header printed</translation>
    </message>
    <message>
        <source>2. Выполнена операция продажи</source>
        <translation>2. Sale made</translation>
    </message>
    <message>
        <source>3. Состояние оплаты</source>
        <translation>3. Payment</translation>
    </message>
    <message>
        <source>4. Завершение</source>
        <translation>4. Closing</translation>
    </message>
    <message>
        <source>5. Произвольный текстовый документ открыт</source>
        <translation>5. Free text document open</translation>
    </message>
    <message>
        <source>6. Произведена скидка/надбавка на сумму</source>
        <translation>6. Discount/surcharge on the subtotal</translation>
    </message>
    <message>
        <source>7. Открыт чек  внесения/изъятия</source>
        <translation>7. Cash in/out receipt open</translation>
    </message>
    <message>
        <source>8. Резерв</source>
        <translation>8. Spare</translation>
    </message>
    <message>
        <source>9. Режим АННУЛИРОВАНИЕ</source>
        <translation>9. VOID mode</translation>
    </message>
    <message>
        <source>10.</source>
        <translation>10.</translation>
    </message>
    <message>
        <source>11.</source>
        <translation>11.</translation>
    </message>
    <message>
        <source>12.</source>
        <translation>12.</translation>
    </message>
    <message>
        <source>13.</source>
        <translation>13.</translation>
    </message>
    <message>
        <source>14.</source>
        <translation>14.</translation>
    </message>
    <message>
        <source>15.</source>
        <translation>15.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Байты состояния регистратора</source>
        <translation>Register status bytes</translation>
    </message>
    <message>
        <source>Коды ошибок</source>
        <translation>Error codes</translation>
    </message>
    <message>
        <source>Код ошибки:</source>
        <translation>Error code:</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Перевести в текст</source>
        <translation>Explain</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Неверный код ошибки!</source>
        <translation>Invalid error code!</translation>
    </message>
    <message>
        <source>Код ошибки</source>
        <translation>Error code</translation>
    </message>
    <message>
        <source>Копировать расшифровку</source>
        <translation>Copy explanation</translation>
    </message>
    <message>
        <source>Нечего копировать: ни один байт статуса не прочитан, код ошибки не переведён.</source>
        <translation>Nothing to copy: no status byte can be read, and no error code was translated.</translation>
    </message>
    <message>
        <source>Открыть журнал…</source>
        <translation>Open log…</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>ПО Regalo_Vespera ver. 1.0.2 30.11.2017  предназначено для   получения  </source>
        <translation>Regalo_Vespera ver. 1.0.2 30.11.2017 gives detailed information</translation>
    </message>
    <message>
        <source>подробной информации (в текстовом формате) по кодам статуса и  коду</source>
        <translation>(as text) on a register&apos;s status codes and error</translation>
    </message>
    <message>
        <source>ошибки.</source>
        <translation>codes.</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>TMaskEdit</name>
    <message>
        <source>Вырезать</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Выделить все</source>
        <translation>Select All</translation>
    </message>
</context>
<context>
    <name>regalo-decode</name>
    <message>
        <source>может быть, %1?</source>
        <translation>did you mean %1?</translation>
    </message>
    <message>
        <source>Справка: regalo-decode --help</source>
        <translation>Usage: regalo-decode --help</translation>
    </message>
    <message>
        <source>list принимает одно из: errors, flags</source>
        <translation>list takes one of: errors, flags</translation>
    </message>
    <message>
        <source>нет списка %1</source>
        <translation>nothing to list called %1</translation>
    </message>
    <message>
        <source>неизвестная команда %1</source>
        <translation>unknown command %1</translation>
    </message>
    <message>
        <source>%1 ждёт значение или - для стандартного ввода</source>
        <translation>%1 needs a value, or - for standard input</translation>
    </message>
    <message>
        <source>error принимает один код</source>
        <translation>error takes one code</translation>
    </message>
    <message numerus="yes">
        <source>строка длиннее %n байт(а), пропущена</source>
        <translation>
            <numerusform>line too long: over %n byte; skipped</numerusform>
            <numerusform>line too long: over %n bytes; skipped</numerusform>
        </translation>
    </message>
    <message>
        <source>строка %1: </source>
        <translation>line %1: </translation>
    </message>
    <message>
        <source>ошибка записи: %1</source>
        <translation>write error: %1</translation>
    </message>
    <message>
        <source>ошибка чтения: %1</source>
        <translation>read error: %1</translation>
    </message>
    <message>
        <source>Нажмите Enter, чтобы закрыть это окно.</source>
        <translation>Press Enter to close this window.</translation>
    </message>
    <message>
        <source>--brief, --json, --csv и --excel исключают друг друга</source>
        <translation>--brief, --json, --csv and --excel exclude each other</translation>
    </message>
    <message>
        <source>diff сравнивает две строки статуса, каждую одним аргументом</source>
        <translation>diff compares two status lines, each one argument</translation>
    </message>
    <message>
        <source>скажите, что расшифровать: status, error, list, diff или scan</source>
        <translation>say what to decode: status, error, list, diff or scan</translation>
    </message>
    <message>
        <source>--%1 %2: это не время; нужно, например, 2026-12-09 10:00:00 или 10:00:00</source>
        <translation>--%1 %2: not a time; write, for example, 2026-12-09 10:00:00 or 10:00:00</translation>
    </message>
    <message>
        <source>в заданном промежутке нет ни строки статуса, ни кода ошибки</source>
        <translation>no status line or error code in the given span</translation>
    </message>
    <message>
        <source>в журнале нет ни строки статуса, ни кода ошибки</source>
        <translation>no status line or error code in the log</translation>
    </message>
    <message>
        <source>Использование:
  regalo-decode status БАЙТЫ...     шесть байтов статуса, например 80 80 89 80 80 80
  regalo-decode error КОД           четырёхзначный код ошибки, например 0501
  regalo-decode status -            по строке статуса на каждую строку стандартного ввода
  regalo-decode error -             по коду ошибки на каждую строку стандартного ввода
  regalo-decode list errors|flags   весь каталог
  regalo-decode diff СТРОКА СТРОКА  что изменилось между двумя строками статуса:
                                    код 0, если ничего, 1, если они различаются
  regalo-decode scan [ФАЙЛ...|-]    строки статуса и коды ошибок в журнале, по записи
                                    на каждое: номер строки, время, значение, что
                                    изменилось; код 0, если они найдены, 1, если нет

Параметры:
  --brief       расшифровка в нескольких словах, чтобы переслать или вставить в заявку
  --json        по объекту JSON на значение (для list - массив)
  --csv         значения через запятую: строка заголовка, затем по строке на значение
  --excel       то же для Excel: UTF-8 с BOM, точка с запятой, CR LF
  --changes     (scan) только строки статуса, отличные от предыдущей, и все коды
  --any         (scan) любые шесть байтов, не только с битом 7 в каждом
  --summary     (scan) вместо записей - итог журнала: какие коды ошибок были, сколько
                раз, когда впервые и в последний раз; какие флаги менялись, сколько
                раз и как долго были установлены; какие состояния чека были
  --follow      (scan) читать файл журнала, пока в него пишут (как tail -F, и после
                ротации); Ctrl-C заканчивает с кодом 0 (и итогом, если --summary)
  --since ВРЕМЯ (scan) только показания с этого времени, например 2026-12-09 10:00:00
  --until ВРЕМЯ (scan) только показания до этого времени включительно; показание
                без своего времени берёт последнее время перед ним
  --lang ru|en  язык: русский или английский; без него слова программы на языке
                системы (английский, если она говорит по-английски, иначе русский),
                а тексты каталога по-русски
  -h, --help    эта справка
  -v, --version версия
</source>
        <translation>Usage:
  regalo-decode status BYTES...     the six status bytes, e.g. 80 80 89 80 80 80
  regalo-decode error CODE          a four-digit error code, e.g. 0501
  regalo-decode status -            one status line per line of standard input
  regalo-decode error -             one error code per line of standard input
  regalo-decode list errors|flags   the whole catalogue
  regalo-decode diff LINE LINE      what changed between two status lines:
                                    exit code 0 if nothing, 1 if they differ
  regalo-decode scan [FILE...|-]    the status lines and error codes in a log, a
                                    record for each: line number, time, value,
                                    what changed; exit code 0 if any, 1 if none

Options:
  --brief       the explanation in a few words, to send on or paste into a ticket
  --json        one JSON object per value (an array for list)
  --csv         comma-separated values: a header row, then a row per value
  --excel       the same for Excel: UTF-8 with a BOM, semicolons, CR LF
  --changes     (scan) only status lines that differ from the one before, and every code
  --any         (scan) any six bytes, not only those with bit 7 set in each
  --summary     (scan) instead of the records, what the log comes to: which error codes
                came, how often, when first and last; which flags changed, how often
                and for how long they stood set; which receipt states it showed
  --follow      (scan) read a log file while it is written (as tail -F, across a
                rotation too); Ctrl-C ends it with exit code 0 (and the summary,
                with --summary)
  --since TIME  (scan) only readings from this time on, e.g. 2026-12-09 10:00:00
  --until TIME  (scan) only readings up to this time; a reading without a time
                of its own takes the last time before it
  --lang ru|en  the language: Russian or English; without it the program&apos;s own
                words follow the system (English where it speaks English, else
                Russian), and the catalogue&apos;s texts are Russian
  -h, --help    this text
  -v, --version the version
</translation>
    </message>
    <message>
        <source>--changes, --any, --since, --until, --summary и --follow - для scan</source>
        <translation>--changes, --any, --since, --until, --summary and --follow are for scan</translation>
    </message>
    <message>
        <source>--follow следит за одним файлом журнала: назовите его</source>
        <translation>--follow follows one log file: name it</translation>
    </message>
</context>
</TS>
