<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ErrorCodes</name>
    <message>
        <source>Неопределенная ошибка оборудования!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка принтера!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка RAM!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка контрольной суммы памяти программы!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка Flash памяти!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка дисплея!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка часов, необходимо скорректировать время!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка, возникшая в связи с понижением напряжения питания!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIM: отказ оборудования!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMC: отказ оборудования!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет команды с таким кодом!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Данная функция не поддерживается!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В сообщении нет данных</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Переполнение буфера приемника/передатчика!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет свободного места для записи в ФП!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка записи в фискальную память!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заводской номер не установлен!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата текущей записи более ранняя 
   чем дата предыдущей записи!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запрещен выход за пределы суток!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Данные в фискальной памяти неверны!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фискальная память исчерпана!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Данная команда выполняется только в фискальном режиме!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата и время не были установлены 
с момента последнего аварийного обнуления ОЗУ!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>С начала смены прошло более 24х часов!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Необходимо скорректировать время!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка в формате таблицы!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ДОшибка в формате даты!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка в формате времени!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Устанавливаемое время меньше текущего!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Есть не отправленные эквайру документы в течение 72 часов или более!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неверный режим регистратора (перемычка)!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Команда невыполнима в данном состоянии смены!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Необходимо выгрузить контрольную ленту (бумажную/подписанную)!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Регистратор находится в автономном режиме!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Смена закрыта но не обнулена! (Возможно, требуется выполнить принудительное обнуление контрольной ленты).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Персонализация не выполнена!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не все данные переданы эквайеру перед сменой налоговых номеров!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Версия внутреннего ПО не активирована. Требуется ключ активации ПО!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неверный ключ активации версии!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удаленный сервис не активирован!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Операция отвергнута. Выполняется автоматический перевод на зимнее время!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не очищено!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение-запись по неинициализированному указателю!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Адрес-параметр за пределами зоны!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выделен недостаточный буфер!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка данных</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет свободного места для выполнения команды!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Длинна записи больше максимума (&gt;255)!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Артикул (кассир) с данным кодом не найден!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Индекс за пределами базы!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Артикул с данным кодом существует!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Налог запрещен!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Продаж по налоговой группе не было!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Использование такого типа налога запрещено!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неверное состояние документа выполняется попытка повторно открыть документ, 
  или выполняется попытка выполнить продажу без предварительного открытия чека!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Недостаточно свободного места для выполнения команды!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неизвестный тип продажи!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аннуляция: не может начинаться с данной операции!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аннуляция: данная операция в чеке не найдена!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аннуляция: последовательность неполная!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аннулировать нечего!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копия чека недоступна!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В кассе недостаточно наличных денег для выполнения операции!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Указанный тип оплаты запрещен для данного чека!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сдача запрещена с данного типа оплаты!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Значение скидки вышло за допустимый диапазон!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Переполнение итога по чеку!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Переполнение по оплатам в чеке!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Переполнение буфера!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Продажа: ошибка в количестве!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Продажа: ошибка в цене!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аннуляция: удаляемая последовательность заблокирована!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Продажа: достигнуто максимальное количество позиций в чеке 
 (комментарии считаются как позиции)!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TMPBuff: Не соответствует заголовок!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TMPBuff: данные не совпали с ранее сохраненными!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TMPBuff: за пределами буфера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIM: неправильный порядок вычисления хэша!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIM: подпись не совпадает!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIM: текущий открытый ключ не соответствует сохраненному в ФП!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIM: Ошибка закрытого ключа!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIM: ID_DEV не установлен!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIM: Неверное состояние карты!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIM: Ошибка подписывания!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIM: Ошибка формата XML!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIM: Ошибка версии ключа!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIM: Документ уничтожен!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIM: Документ изменен!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIM: Неверный размер документа!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIM: Копия документа временно не доступна. Идет передача данных!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMC: карточку необходимо форматировать!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMC: Недостаточно свободного места для выполнения команды!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMC: Ошибка создания файла, файл с таким именем уже существует!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMC: Ошибка чтения файла, запрошенный размер на чтение больше фактического размера файла!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMC: Попытка произвести операции с открытым файлом!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMC: ошибка открытия файла - не найден файл или директория!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMC: AccessMode!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMC: rErrSD_PathLength!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMC: Ошибка открытия/создания файла!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMC: Ошибка записи файла!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMC: Необходимо обратиться в службу сервиса!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMC: Ошибка в записях КСЕФ. Необходимо обратиться в службу сервиса!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ФСтрока: Параметры!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ФСтрока: Тип данных</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ФСтрока: Выбор шрифта!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ФСтрока: Выравнивание!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ФСтрока: Позиции в строке!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DBF: Формат файла неверен!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DBF: Количество полей больше максимального!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DBF: Обращение к несуществующей записи!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DBF: Недопустимый тип поля!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DBF: Неверное значение в поле!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DBF: Значение для поиска не задано!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DBF: База не открыта!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка ввода: Величина за пределами!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка ввода: Нельзя изменять!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отменено пользователем</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка оборудования!
 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неправильный формат поля номер </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Значение поля номер </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> выходит за допустимый диапазон!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка фискальной памяти!
 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неверный пароль доступа!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Команда не может быть выполнена в данном состоянии регистратора!
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>При выполнении операции 
  обнаружено арифметическое переполнение!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не обнулено!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка работы с базой товаров!
 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка работы с продажами!
 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка TMPBuff!
 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка работы с SIM!
 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка работы с MMC!
 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка работы с DBF!
 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка работы с вводом!
 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Без ошибок!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неизвестная ошибка!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код %1: описания нет</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>Состояние чека: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Без изменений</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка статуса не прочитана: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прочитанные байты:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>байт %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Состояние чека</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>готово</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>значение не прочитано: его JSON говорит почему</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>буфер мал: ответ записан не весь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неверный аргумент: язык, формат или пустой указатель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не хватило памяти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неизвестный результат</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogChartView</name>
    <message>
        <source>График журнала</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogPieces</name>
    <message>
        <source>вставленные строки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogWindow</name>
    <message>
        <source>Строка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Значение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расшифровка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Журнал — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть журнал…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копировать сводку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить как CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Показать:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Только изменения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сводка журнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показания журнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показание целиком</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выбранное показание — здесь целиком; двойной щелчок или Enter открывает его в главном окне.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение журнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение остановлено: показано прочитанное, %1 % журнала.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Журнал «%1» прочитан не весь: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранено.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранение отменено.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV не сохранён: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Журнал «%1» не открыть: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — журнал — %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Все показания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение журнала…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть журнал</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Журналы (*.log *.txt);;Текст (*.txt);;Все файлы (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>журнал</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить как CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранение CSV…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>неизвестный параметр %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>после %1 нужно значение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--lang принимает ru или en, а не %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>лишний аргумент %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Расшифровка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копировать ссылку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поделиться</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скопировано</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Недавние</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сравнить с текущей</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Браузер не даёт хранить данные: недавние значения не сохраняются.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ссылка не открыта: в ней нет строки статуса (s=) или кода ошибки (e=), которые можно прочитать.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вставка не принята: в ней %1 символов, а строка статуса не бывает длиннее 4096.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загружаю правила…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Правила страницы не загрузились: обновите её; без сети откройте её один раз со связью.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сборка %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Готова новая версия страницы.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Влево</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вправо</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стереть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ссылка не открыта: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ссылка открыта не вся: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>строка статуса %1 не прочитана (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>код ошибки %1 не прочитан (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копировать сравнение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Страница открыта из файла, и ссылки на неё нет: скопирована расшифровка.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Журнал</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть журнал</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>или перетащите файл на страницу, или вставьте строки журнала вне полей. Журнал читается здесь и никуда не отправляется.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: читаю, %2%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: показаний найдено: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: строк статуса и кодов ошибок в журнале нет.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: журнал не прочитан: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показано: %1 из %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вставленные строки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>все показания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Что изменилось</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ввод</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Только изменения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>К журналу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Состояние чека, флаги, менявшиеся в журнале, и ошибки по времени; те же показания - в таблице</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message numerus="yes">
        <source>неверная длина: %n символ(ов) вместо 4</source>
        <translation>
            <numerusform>неверная длина: %n символ вместо 4</numerusform>
            <numerusform>неверная длина: %n символа вместо 4</numerusform>
            <numerusform>неверная длина: %n символов вместо 4</numerusform>
        </translation>
    </message>
    <message>
        <source>недопустимый символ «%1» на позиции %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>недопустимый символ на позиции %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>у байта одна цифра вместо двух (позиция %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неверное число байтов: %1 вместо 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>кириллическая «%1» на позиции %2 — нужна цифра %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>кириллическая «%1» на позиции %2 — нужна латинская %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>полноширинная «%1» на позиции %2 — нужна цифра %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>полноширинная «%1» на позиции %2 — нужна латинская %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>байт %1 неполный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в строке нулевые байты: это не UTF-8 (UTF-16 без метки порядка байтов?); сохраните файл в UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в тексте несколько строк статуса (%1): вставьте одну</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в тексте несколько кодов ошибок (%1): вставьте один</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в тексте нет строки статуса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в тексте нет кода ошибки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в тексте код ошибки %1, а не строка статуса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в тексте строка статуса %1, а не код ошибки</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>значение длиннее %n байт(а)</source>
        <translation>
            <numerusform>значение длиннее %n байта</numerusform>
            <numerusform>значение длиннее %n байтов</numerusform>
            <numerusform>значение длиннее %n байтов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Regalo_Vespera</name>
    <message>
        <source>Параметры: Regalo_Vespera --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--status ждёт шесть байтов статуса, например &quot;80 84 89 80 83 91&quot;, а не %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--code ждёт четырёхзначный шестнадцатеричный код ошибки, например 0501, а не %1</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>без ошибки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>заголовок и деталь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>только деталь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>только заголовок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>номер поля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>состояние чека: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>класс %1 (%2), %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>байт %1 бит %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>состояние чека %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показаний нет.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показаний: %1 (строк статуса: %2, кодов ошибок: %3, не прочитано: %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время: %1 – %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коды ошибок:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ×%2, %3 – %4: %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Флаги, которые менялись:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: установлен %2, снят %3; впервые %4, в последний раз снят %5; всего установлен %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Состояния чека:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusFlags</name>
    <message>
        <source>Статус регистратора - байт 0 (общее состояние)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Статус регистратора - байт 1 (состояние принтера)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Статус регистратора - байт 2 (состояние чека)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Статус регистратора - байт 3 (состояние переключателей)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Статус регистратора - байт 4 (фискальная память)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Статус регистратора - байт 5 (дополнительные статусы)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Регистрвтор находится в сервисном режиме</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(2) Буфер документа близок к концу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(4) Дата/ время не установлены после обнуления ОЗУ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(8) Дисплей не подключен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(10) Механизм печатающего устройства неисправен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(20) Для новых настроек необходимо перегрузить ЭККР</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(40) Другие ошибки оборудования</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(80) Всегда установлен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(1) Заканчивается чековая лента</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(2) Заканчивается контрольная лента</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(4) Закончилась чековая лента</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(8) Закончилась контрольная лента</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(10) Открыта крышка принтера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(20) Осуществляется ручная протяжка бумаги</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(40) Буфер принтера не пуст (есть еще не распечатанные данные)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(1) Состояние чека</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(2) Состояние чека</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(4) Состояние чека</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(8) Текущее состояние чека</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(10) Открыт чек возврата</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(20) Резерв</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(40) Резерв</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(1) SIMError</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(2) Memory Card Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(4) Автономный режим работы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(8) Memory Card Error (hardware)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(10) Резерв</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(20) Версия внутреннего ПО не активирована</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(40) Связь с WiFi модулем</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(1) Заводской номер запрограммирован</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(2) Регистратор фискализирован</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(4) В ФП места менее чем на 30 отчетов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(8) Фискальная память переполнена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(10) ID_DEV установлен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(20) Регистратор персонализирован</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(40) Возникла ошибка фискальной памяти (CRC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(1) Денежный ящик закрыт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(2) Резерв</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(4) Низкий заряд батареи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(8) Сработало оповещение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(10) Смена открыта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(20) Часы нуждаются в корректировке</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(40) До конца смены(24 часа) осталось меньше 60 минут</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0. Документ закрыт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Отпечатан заголовок чека</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Выполнена операция продажи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Состояние оплаты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. Завершение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5. Произвольный текстовый документ открыт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6. Произведена скидка/надбавка на сумму</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7. Открыт чек  внесения/изъятия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8. Резерв</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9. Режим АННУЛИРОВАНИЕ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Байты состояния регистратора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коды ошибок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код ошибки:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перевести в текст</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неверный код ошибки!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код ошибки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копировать расшифровку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нечего копировать: ни один байт статуса не прочитан, код ошибки не переведён.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть журнал…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>ПО Regalo_Vespera ver. 1.0.2 30.11.2017  предназначено для   получения  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>подробной информации (в текстовом формате) по кодам статуса и  коду</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>О программе</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMaskEdit</name>
    <message>
        <source>Вырезать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выделить все</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>regalo-decode</name>
    <message>
        <source>может быть, %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Справка: regalo-decode --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list принимает одно из: errors, flags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет списка %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неизвестная команда %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ждёт значение или - для стандартного ввода</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error принимает один код</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>строка длиннее %n байт(а), пропущена</source>
        <translation>
            <numerusform>строка длиннее %n байта, пропущена</numerusform>
            <numerusform>строка длиннее %n байтов, пропущена</numerusform>
            <numerusform>строка длиннее %n байтов, пропущена</numerusform>
        </translation>
    </message>
    <message>
        <source>строка %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка записи: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка чтения: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нажмите Enter, чтобы закрыть это окно.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--brief, --json, --csv и --excel исключают друг друга</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diff сравнивает две строки статуса, каждую одним аргументом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>скажите, что расшифровать: status, error, list, diff или scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 %2: это не время; нужно, например, 2026-12-09 10:00:00 или 10:00:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в заданном промежутке нет ни строки статуса, ни кода ошибки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в журнале нет ни строки статуса, ни кода ошибки</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--changes, --any, --since, --until, --summary и --follow - для scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--follow следит за одним файлом журнала: назовите его</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
