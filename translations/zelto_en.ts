<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Zelto</name>
    <message>
        <source>Встроенный имитатор преобразователя</source>
        <translation>Built-in simulated transmitter</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Конфигуратор Velmor-7, Dastra-2</source>
        <translation>Velmor-7, Dastra-2 Configurator</translation>
    </message>
    <message>
        <source>График</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Автомасштаб</source>
        <translation>Autoscale</translation>
    </message>
    <message>
        <source>Весь график</source>
        <translation>Whole plot</translation>
    </message>
    <message>
        <source>Сохранить PNG…</source>
        <translation>Save PNG…</translation>
    </message>
    <message>
        <source>Записывать в CSV…</source>
        <translation>Record to CSV…</translation>
    </message>
    <message>
        <source>Сохранить историю в CSV…</source>
        <translation>Save history to CSV…</translation>
    </message>
    <message>
        <source>Подключить COM-порт</source>
        <translation>Open COM port</translation>
    </message>
    <message>
        <source>Освободить COM-порт</source>
        <translation>Release COM port</translation>
    </message>
    <message>
        <source>Подключить прибор</source>
        <translation>Connect device</translation>
    </message>
    <message>
        <source>Отключить прибор</source>
        <translation>Disconnect device</translation>
    </message>
    <message>
        <source>Запрос. Ждите!!</source>
        <translation>Asking. Please wait!</translation>
    </message>
    <message>
        <source>запись конфигурации</source>
        <translation>configuration write</translation>
    </message>
    <message>
        <source>подстройка диапазона</source>
        <translation>range correction</translation>
    </message>
    <message>
        <source>сброс подстройки диапазона</source>
        <translation>range correction reset</translation>
    </message>
    <message>
        <source>запись калибровки</source>
        <translation>calibration write</translation>
    </message>
    <message>
        <source>обнуление калибровки</source>
        <translation>calibration clear</translation>
    </message>
    <message>
        <source>полное обнуление калибровки</source>
        <translation>full calibration clear</translation>
    </message>
    <message>
        <source>восстановление</source>
        <translation>restore</translation>
    </message>
    <message>
        <source>Запись изменит в приборе (поле: прибор → окно):</source>
        <translation>The write will change on the device (field: device → window):</translation>
    </message>
    <message>
        <source>Прибор уже содержит то, что будет записано.</source>
        <translation>The device already holds what would be written.</translation>
    </message>
    <message>
        <source>Записать</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Отменить запись?</source>
        <translation>Undo the write?</translation>
    </message>
    <message>
        <source>Прибор содержал:</source>
        <translation>The device held:</translation>
    </message>
    <message>
        <source>Восстановить</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>. Восстановить всё равно?</source>
        <translation>. Restore anyway?</translation>
    </message>
    <message>
        <source>Неверный формат числа</source>
        <translation>Invalid number format</translation>
    </message>
    <message>
        <source>Конфигуратор Harlow-9, Harlow-3</source>
        <translation>Harlow-9, Harlow-3 Configurator</translation>
    </message>
    <message>
        <source>Информация</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Тип датчика</source>
        <translation>Sensor type</translation>
    </message>
    <message>
        <source>Прибор и тип датчика</source>
        <translation>Device and sensor type</translation>
    </message>
    <message>
        <source>Harlow3(Мини дизайн)</source>
        <translation>Harlow3 (mini design)</translation>
    </message>
    <message>
        <source>Прибор</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Линейная от ЭДС</source>
        <translation>Linear in EMF</translation>
    </message>
    <message>
        <source>Работа с Флэш</source>
        <translation>Flash</translation>
    </message>
    <message>
        <source>Калибровка</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Открыть профиль…</source>
        <translation>Open profile…</translation>
    </message>
    <message>
        <source>Сохранить профиль…</source>
        <translation>Save profile…</translation>
    </message>
    <message>
        <source>Отменить последнюю запись…</source>
        <translation>Undo last write…</translation>
    </message>
    <message>
        <source>Резервная копия перед записью</source>
        <translation>Back up before writing</translation>
    </message>
    <message>
        <source>Сравнивать перед записью</source>
        <translation>Compare before writing</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить как...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Печатать...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Настройки принтера...</source>
        <translation>Printer setup...</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Сохранить журнал…</source>
        <translation>Save log…</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Выбор порта</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Скорость обмена</source>
        <translation>Line speed</translation>
    </message>
    <message>
        <source>Команды</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>Подключить порт</source>
        <translation>Open port</translation>
    </message>
    <message>
        <source>Чтение</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Запись</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Файлы конфигурации (*.cfg)|*.cfg|Все файлы (*.*)|*.*</source>
        <translation>Configuration files (*.cfg)|*.cfg|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Тип выхода</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>0...5 мА</source>
        <translation>0...5 mA</translation>
    </message>
    <message>
        <source>0...20 мА</source>
        <translation>0...20 mA</translation>
    </message>
    <message>
        <source>4...20 мА</source>
        <translation>4...20 mA</translation>
    </message>
    <message>
        <source>Установить</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>У данного типа изделия</source>
        <translation>This kind of device</translation>
    </message>
    <message>
        <source>параметры не изменяются</source>
        <translation>has fixed parameters</translation>
    </message>
    <message>
        <source>Технологическая блокировка</source>
        <translation>Service lock of the</translation>
    </message>
    <message>
        <source>компенсации холодного спая</source>
        <translation>cold-junction compensation</translation>
    </message>
    <message>
        <source>(на 5 циклов вкл./выкл.)</source>
        <translation>(for 5 on/off cycles)</translation>
    </message>
    <message>
        <source>4-проводная</source>
        <translation>4-wire</translation>
    </message>
    <message>
        <source>3-проводная</source>
        <translation>3-wire</translation>
    </message>
    <message>
        <source>2-проводная</source>
        <translation>2-wire</translation>
    </message>
    <message>
        <source>Схема подключения</source>
        <translation>Wiring</translation>
    </message>
    <message>
        <source>Компенсация холодного спая</source>
        <translation>Cold-junction compensation</translation>
    </message>
    <message>
        <source>Корнеизвлечение</source>
        <translation>Square root</translation>
    </message>
    <message>
        <source>Обрыв датчика</source>
        <translation>Sensor break</translation>
    </message>
    <message>
        <source>Точки коррекции</source>
        <translation>Correction points</translation>
    </message>
    <message>
        <source>Измеренные значения токов, мА</source>
        <translation>Measured currents, mA</translation>
    </message>
    <message>
        <source>, Iи1</source>
        <translation>, Im1</translation>
    </message>
    <message>
        <source>, Iи2</source>
        <translation>, Im2</translation>
    </message>
    <message>
        <source>Обнулить</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Табличные
значения
токов, мА</source>
        <translation>Nominal
currents,
mA</translation>
    </message>
    <message>
        <source>Измеренные
значения
токов, мА</source>
        <translation>Measured
currents,
mA</translation>
    </message>
    <message>
        <source>Iи1</source>
        <translation>Im1</translation>
    </message>
    <message>
        <source>Iи2</source>
        <translation>Im2</translation>
    </message>
    <message>
        <source>Т, °C</source>
        <translation>T, °C</translation>
    </message>
    <message>
        <source>U, мкВ</source>
        <translation>U, µV</translation>
    </message>
    <message>
        <source>Старт</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Непрерывное отображение измеренных значений</source>
        <translation>Show the measured values continuously</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Зафиксировать измеренное значение</source>
        <translation>Hold the measured value</translation>
    </message>
    <message>
        <source>Закрыть окно</source>
        <translation>Close the window</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Подстройка  диапазона</source>
        <translation>Range correction</translation>
    </message>
    <message>
        <source>Диапазон преобразования</source>
        <translation>Conversion range</translation>
    </message>
    <message>
        <source>Температура, °C</source>
        <translation>Temperature, °C</translation>
    </message>
    <message>
        <source>Выходной ток, мА</source>
        <translation>Output current, mA</translation>
    </message>
    <message>
        <source>Минимум</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Максимум</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Интерфейс</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Сом%1</source>
        <translation>COM%1</translation>
    </message>
    <message>
        <source>Сом 1</source>
        <translation>COM 1</translation>
    </message>
    <message>
        <source>Интерфейс, COM-порт</source>
        <translation>Interface, COM port</translation>
    </message>
    <message>
        <source>Интерфейс, скорость обмена</source>
        <translation>Interface, line speed</translation>
    </message>
    <message>
        <source>Подключить Прибор</source>
        <translation>Connect Device</translation>
    </message>
    <message>
        <source>Поиск</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Работа с файлами</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Работа с прибором</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Запрос и прием информации от объекта</source>
        <translation>Send a request and take the reply</translation>
    </message>
    <message>
        <source>Чтение eeprom в memo</source>
        <translation>Read the EEPROM into the memo</translation>
    </message>
    <message>
        <source>Чтение полиномов в из eeprom и вывод в memo</source>
        <translation>Read the polynomials from the EEPROM into the memo</translation>
    </message>
    <message>
        <source>Чтение текущих коэфициентов приведения кода к напряжению</source>
        <translation>Read the current code-to-voltage coefficients</translation>
    </message>
    <message>
        <source>График значений монитора</source>
        <translation>Plot of the monitor values</translation>
    </message>
    <message>
        <source>Профили (*.json)|*.json</source>
        <translation>Profiles (*.json)|*.json</translation>
    </message>
    <message>
        <source>Не удалось открыть файл профиля</source>
        <translation>The profile file could not be opened</translation>
    </message>
    <message>
        <source>Файл профиля не в формате JSON</source>
        <translation>The profile file is not JSON</translation>
    </message>
    <message>
        <source>Файл не является профилем</source>
        <translation>The file is not a profile</translation>
    </message>
    <message>
        <source>Профиль записан более новой версией программы</source>
        <translation>The profile was written by a newer version of the program</translation>
    </message>
    <message>
        <source>В профиле нет прибора или датчика</source>
        <translation>The profile names no device or sensor</translation>
    </message>
    <message>
        <source>Профиль не подходит ни к одному прибору списка:
</source>
        <translation>The profile fits no device of the list:
</translation>
    </message>
    <message>
        <source>Профиль для другого прибора (%1); чтобы открыть его, отключите прибор</source>
        <translation>The profile is for another device (%1); disconnect the device to open it</translation>
    </message>
    <message>
        <source>Не применено:
</source>
        <translation>Not applied:
</translation>
    </message>
    <message>
        <source>Binary files (*.bin)|*.bin</source>
        <translation>Binary files (*.bin)|*.bin</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt</source>
        <translation>Text files (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Текстовые файлы (*.txt)|*.txt|Все файлы (*.*)|*.*</source>
        <translation>Text files (*.txt)|*.txt|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>В имени файла есть знаки не в кодировке UTF-8: выберите другое имя</source>
        <translation>The file name has characters that are not UTF-8: choose another name</translation>
    </message>
    <message>
        <source>Файлы CSV (*.csv)|*.csv|Все файлы (*.*)|*.*</source>
        <translation>CSV files (*.csv)|*.csv|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Рисунки PNG (*.png)|*.png</source>
        <translation>PNG images (*.png)|*.png</translation>
    </message>
    <message>
        <source>модель</source>
        <translation>model</translation>
    </message>
    <message>
        <source>датчик</source>
        <translation>sensor</translation>
    </message>
    <message>
        <source>диапазон</source>
        <translation>range</translation>
    </message>
    <message>
        <source>выход</source>
        <translation>output</translation>
    </message>
    <message>
        <source>линейная от ЭДС</source>
        <translation>linear in EMF</translation>
    </message>
    <message>
        <source>компенсация холодного спая</source>
        <translation>cold-junction compensation</translation>
    </message>
    <message>
        <source>схема подключения</source>
        <translation>wiring</translation>
    </message>
    <message>
        <source>корнеизвлечение</source>
        <translation>square root</translation>
    </message>
    <message>
        <source>обрыв датчика</source>
        <translation>sensor break</translation>
    </message>
    <message>
        <source>слово %1</source>
        <translation>word %1</translation>
    </message>
    <message>
        <source>конфигурация</source>
        <translation>configuration</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>no</translation>
    </message>
    <message>
        <source>есть</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>таблицы: отличаются</source>
        <translation>tables: differ</translation>
    </message>
    <message>
        <source>таблицы: совпадают</source>
        <translation>tables: match</translation>
    </message>
    <message>
        <source>(0...5)мА</source>
        <translation>(0...5) mA</translation>
    </message>
    <message>
        <source>(0...20)мА</source>
        <translation>(0...20) mA</translation>
    </message>
    <message>
        <source>(4...20)мА</source>
        <translation>(4...20) mA</translation>
    </message>
    <message>
        <source>выключено</source>
        <translation>off</translation>
    </message>
    <message>
        <source>включено</source>
        <translation>on</translation>
    </message>
    <message>
        <source>Напряжение,  мВ</source>
        <translation>Voltage, mV</translation>
    </message>
    <message>
        <source>Входной Ток, мА</source>
        <translation>Input current, mA</translation>
    </message>
    <message>
        <source>Сопротивление,Ом</source>
        <translation>Resistance, Ω</translation>
    </message>
    <message>
        <source>Проверять после записи</source>
        <translation>Verify after writing</translation>
    </message>
    <message>
        <source>коррекция диапазона</source>
        <translation>range correction</translation>
    </message>
    <message>
        <source>Выбор</source>
        <translation>Choice</translation>
    </message>
    <message>
        <source>Какую запись отменить?</source>
        <translation>Which write to undo?</translation>
    </message>
    <message>
        <source>Записывать только изменённые слова</source>
        <translation>Write only the changed words</translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>Запись отменена</source>
        <translation>Write cancelled</translation>
    </message>
    <message>
        <source>Файл записан</source>
        <translation>File written</translation>
    </message>
    <message>
        <source>Ошибка записи файла</source>
        <translation>File write error</translation>
    </message>
    <message>
        <source>Неверный формат файла</source>
        <translation>Invalid file format</translation>
    </message>
    <message>
        <source>Резервная копия. Ждите!</source>
        <translation>Backing up. Please wait!</translation>
    </message>
    <message>
        <source>Проверка прибора. Ждите!</source>
        <translation>Checking the device. Please wait!</translation>
    </message>
    <message>
        <source>Резервная копия не сохранена</source>
        <translation>Backup not saved</translation>
    </message>
    <message>
        <source>Прибор содержит другую конфигурацию</source>
        <translation>The device holds another configuration</translation>
    </message>
    <message>
        <source>Резервная копия другого прибора</source>
        <translation>The backup is of another device</translation>
    </message>
    <message>
        <source>Нет записи для отмены</source>
        <translation>No write to undo</translation>
    </message>
    <message>
        <source>Резервная копия сохранена:</source>
        <translation>Backup saved:</translation>
    </message>
    <message>
        <source>Восстановление</source>
        <translation>Restoring</translation>
    </message>
    <message>
        <source>Неверный формат входного файла!</source>
        <translation>Invalid input file format!</translation>
    </message>
    <message>
        <source>Коррекция не вычислена: сигналы в двух точках совпадают</source>
        <translation>Correction not computed: the signals at the two points are equal</translation>
    </message>
    <message>
        <source>Коррекция не вычислена: недопустимый результат</source>
        <translation>Correction not computed: the result is out of bounds</translation>
    </message>
    <message>
        <source>Прибор не подключен</source>
        <translation>Device not connected</translation>
    </message>
    <message>
        <source>Чтение завершено</source>
        <translation>Read complete</translation>
    </message>
    <message>
        <source>Неизвестный тип прибора</source>
        <translation>Unknown device type</translation>
    </message>
    <message>
        <source>Ждите завершения записи</source>
        <translation>Writing. Please wait</translation>
    </message>
    <message>
        <source>Запись завершена</source>
        <translation>Write complete</translation>
    </message>
    <message>
        <source>В данной версии отсутствует</source>
        <translation>Not available in this version</translation>
    </message>
    <message>
        <source>Конфигурация не записана: недопустимые значения</source>
        <translation>Configuration not written: invalid values</translation>
    </message>
    <message>
        <source>Поиск на Com%1. Ждите!</source>
        <translation>Searching on Com%1. Please wait!</translation>
    </message>
    <message>
        <source>Неверный номер порта Com%1</source>
        <translation>Invalid port number Com%1</translation>
    </message>
    <message>
        <source>Порт Com%1 отключен</source>
        <translation>Port Com%1 unplugged</translation>
    </message>
    <message>
        <source>Порт Com%1 не найден</source>
        <translation>Port Com%1 not found</translation>
    </message>
    <message>
        <source>Порт Com%1 занят другой программой</source>
        <translation>Port Com%1 is in use by another program</translation>
    </message>
    <message>
        <source>Нет доступа к порту Com%1: добавьте пользователя в группу dialout (sudo usermod -aG dialout $USER) и войдите в систему снова</source>
        <translation>No access to port Com%1: add the user to the dialout group (sudo usermod -aG dialout $USER) and log in again</translation>
    </message>
    <message>
        <source>Порт Com%1 не принимает настройки линии</source>
        <translation>Port Com%1 refuses the line settings</translation>
    </message>
    <message>
        <source>Недопустимое имя устройства порта Com%1</source>
        <translation>Invalid device name for port Com%1</translation>
    </message>
    <message>
        <source>Устройство порта Com%1 не является последовательным портом</source>
        <translation>The device of port Com%1 is not a serial port</translation>
    </message>
    <message>
        <source>Порт Com%1 не открывается: не хватает ресурсов системы</source>
        <translation>Port Com%1 does not open: the system is out of resources</translation>
    </message>
    <message>
        <source>Порт Com%1 не открывается</source>
        <translation>Port Com%1 does not open</translation>
    </message>
    <message>
        <source>Порт открыт</source>
        <translation>Port open</translation>
    </message>
    <message>
        <source>Порт закрыт</source>
        <translation>Port closed</translation>
    </message>
    <message>
        <source>Прибор не отвечает</source>
        <translation>The device does not answer</translation>
    </message>
    <message>
        <source>Ошибка выбора прибора</source>
        <translation>Wrong device selected</translation>
    </message>
    <message>
        <source>Ошибка приема</source>
        <translation>Receive error</translation>
    </message>
    <message>
        <source>Прибор подключен</source>
        <translation>Device connected</translation>
    </message>
    <message>
        <source>Прибор отключен</source>
        <translation>Device disconnected</translation>
    </message>
    <message>
        <source>Запись проверена</source>
        <translation>Write verified</translation>
    </message>
    <message>
        <source>Ошибка проверки записи</source>
        <translation>Write verification failed</translation>
    </message>
    <message>
        <source>Файл настроек не используется: настройки по умолчанию</source>
        <translation>Settings file not used: defaults in effect</translation>
    </message>
    <message>
        <source>Резервная копия снята с другого экземпляра прибора</source>
        <translation>The backup is of another unit</translation>
    </message>
    <message>
        <source>Несколько резервных копий подходят: укажите ID</source>
        <translation>Several backups fit: give the ID</translation>
    </message>
    <message>
        <source>Неверный формат резервной копии</source>
        <translation>Invalid backup format</translation>
    </message>
    <message>
        <source>Ом</source>
        <translation>Ω</translation>
    </message>
    <message>
        <source>мВ</source>
        <translation>mV</translation>
    </message>
    <message>
        <source>мА</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>Проверка выхода невозможна: модель прибора неизвестна</source>
        <translation>The output cannot be checked: unknown device model</translation>
    </message>
    <message>
        <source>Проверка выхода невозможна: прибор не конфигурирован</source>
        <translation>The output cannot be checked: the device is not configured</translation>
    </message>
    <message>
        <source>Проверка выхода невозможна: прибор хранит неизвестный код датчика</source>
        <translation>The output cannot be checked: the device holds an unknown sensor code</translation>
    </message>
    <message>
        <source>Проверка выхода невозможна: диапазон выходного тока прибора не 4...20 мА</source>
        <translation>The output cannot be checked: the device&apos;s output current range is not 4...20 mA</translation>
    </message>
    <message>
        <source>Проверка выхода невозможна: прибор хранит неизвестный диапазон выходного тока</source>
        <translation>The output cannot be checked: the device holds an unknown output current range</translation>
    </message>
    <message>
        <source>Проверка выхода невозможна: включено извлечение квадратного корня</source>
        <translation>The output cannot be checked: square-root extraction is on</translation>
    </message>
    <message>
        <source>Проверка выхода невозможна: диапазон измерений пуст</source>
        <translation>The output cannot be checked: the measuring range is empty</translation>
    </message>
    <message>
        <source>Проверка выхода невозможна: линейность по ЭДС у входа без характеристики</source>
        <translation>The output cannot be checked: linear from EMF on an input without a characteristic</translation>
    </message>
    <message>
        <source>Проверка выхода невозможна: сигнал точки не вычисляется</source>
        <translation>The output cannot be checked: a point&apos;s signal cannot be computed</translation>
    </message>
    <message>
        <source>Точки проверки: нужно от 2 до 11 точек</source>
        <translation>Check points: from 2 to 11 points are needed</translation>
    </message>
    <message>
        <source>Точки проверки: каждая от 0 до 100 % диапазона</source>
        <translation>Check points: each from 0 to 100 % of the range</translation>
    </message>
    <message>
        <source>Точки проверки: по возрастанию, без повторов</source>
        <translation>Check points: ascending, without repeats</translation>
    </message>
    <message>
        <source>Допуск: число больше 0 и не больше 100 %</source>
        <translation>Tolerance: a number above 0 and at most 100 %</translation>
    </message>
    <message>
        <source>Измеритель тока</source>
        <translation>Current meter</translation>
    </message>
    <message>
        <source>Калибратор</source>
        <translation>Calibrator</translation>
    </message>
    <message>
        <source>%1 %2 не подключается: %3</source>
        <translation>%1 %2 cannot be connected: %3</translation>
    </message>
    <message>
        <source>%1 %2 не отвечает</source>
        <translation>%1 %2 does not answer</translation>
    </message>
    <message>
        <source>%1 %2 ответил не числом: %3</source>
        <translation>%1 %2 answered with no number: %3</translation>
    </message>
    <message>
        <source>%1 %2 сообщает о перегрузке: %3</source>
        <translation>%1 %2 reports an overload: %3</translation>
    </message>
    <message>
        <source>%1 %2: связь потеряна</source>
        <translation>%1 %2: connection lost</translation>
    </message>
    <message>
        <source>%1 %2 не принимает команду</source>
        <translation>%1 %2 does not take the command</translation>
    </message>
    <message>
        <source>%1 %2: не задан шаблон команды</source>
        <translation>%1 %2: no command template given</translation>
    </message>
    <message>
        <source>%1 %2: в команде поле %3, которого нет у этого входа</source>
        <translation>%1 %2: the command&apos;s field %3 does not fit this input</translation>
    </message>
    <message>
        <source>Значение тока не введено</source>
        <translation>No current entered</translation>
    </message>
    <message>
        <source>Шаблон команды знает только поля {c}, {ohm}, {mv}, {v}, {ma} и {a}</source>
        <translation>A command template knows only the fields {c}, {ohm}, {mv}, {v}, {ma} and {a}</translation>
    </message>
    <message>
        <source>Точки проверки: числа с десятичной точкой через запятую, например 0,12.5,100</source>
        <translation>Check points: numbers with a decimal point, separated by commas, for example 0,12.5,100</translation>
    </message>
    <message>
        <source>Прибор стенда задаётся как manual, serial:ПУТЬ[:СКОРОСТЬ] или tcp:УЗЕЛ:ПОРТ</source>
        <translation>A bench instrument is given as manual, serial:PATH[:BAUD] or tcp:HOST:PORT</translation>
    </message>
    <message>
        <source>Не указан путь последовательного порта прибора стенда</source>
        <translation>No serial port path given for the bench instrument</translation>
    </message>
    <message>
        <source>Скорость порта прибора стенда: 1200, 2400, 4800, 9600, 19200, 38400, 57600 или 115200</source>
        <translation>Bench instrument port speed: 1200, 2400, 4800, 9600, 19200, 38400, 57600 or 115200</translation>
    </message>
    <message>
        <source>Не указан сетевой узел прибора стенда</source>
        <translation>No network host given for the bench instrument</translation>
    </message>
    <message>
        <source>Порт TCP прибора стенда: число от 1 до 65535</source>
        <translation>Bench instrument TCP port: a number from 1 to 65535</translation>
    </message>
    <message>
        <source>Команда прибора стенда пуста</source>
        <translation>The bench instrument command is empty</translation>
    </message>
    <message>
        <source>Команда прибора стенда должна быть одной строкой без управляющих символов</source>
        <translation>A bench instrument command must be one line without control characters</translation>
    </message>
    <message>
        <source>Прибор уже содержит эту конфигурацию</source>
        <translation>The device already holds this configuration</translation>
    </message>
</context>
</TS>
