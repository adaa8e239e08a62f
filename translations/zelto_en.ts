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
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
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
        <source>Остановить запись</source>
        <translation>Stop recording</translation>
    </message>
    <message>
        <source>График — запись в %1</source>
        <translation>Plot — recording to %1</translation>
    </message>
    <message>
        <source>&amp;Подключить COM-порт</source>
        <translation>&amp;Open COM port</translation>
    </message>
    <message>
        <source>&amp;Освободить COM-порт</source>
        <translation>&amp;Release COM port</translation>
    </message>
    <message>
        <source>Работа с &amp;Флэш</source>
        <translation>&amp;Flash</translation>
    </message>
    <message>
        <source>&amp;Калибровка</source>
        <translation>&amp;Calibration</translation>
    </message>
    <message>
        <source>&amp;Открыть профиль…</source>
        <translation>&amp;Open profile…</translation>
    </message>
    <message>
        <source>&amp;Сохранить профиль…</source>
        <translation>&amp;Save profile…</translation>
    </message>
    <message>
        <source>Отменить последнюю &amp;запись…</source>
        <translation>&amp;Undo last write…</translation>
    </message>
    <message>
        <source>&amp;Резервная копия перед записью</source>
        <translation>&amp;Back up before writing</translation>
    </message>
    <message>
        <source>Сравн&amp;ивать перед записью</source>
        <translation>&amp;Compare before writing</translation>
    </message>
    <message>
        <source>&amp;Проверять после записи</source>
        <translation>&amp;Verify after writing</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Откр&amp;ыть</source>
        <translation>O&amp;pen</translation>
    </message>
    <message>
        <source>Сохра&amp;нить</source>
        <translation>Sav&amp;e</translation>
    </message>
    <message>
        <source>Сохранить к&amp;ак...</source>
        <translation>Save &amp;as...</translation>
    </message>
    <message>
        <source>Печа&amp;тать...</source>
        <translation>P&amp;rint...</translation>
    </message>
    <message>
        <source>Настройки принт&amp;ера...</source>
        <translation>Prin&amp;ter setup...</translation>
    </message>
    <message>
        <source>&amp;Выход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Сохранить &amp;журнал…</source>
        <translation>Save &amp;log…</translation>
    </message>
    <message>
        <source>&amp;Настройки</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>Выбор &amp;порта</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>&amp;Скорость обмена</source>
        <translation>&amp;Line speed</translation>
    </message>
    <message>
        <source>&amp;Команды</source>
        <translation>&amp;Commands</translation>
    </message>
    <message>
        <source>&amp;Подключить порт</source>
        <translation>&amp;Open port</translation>
    </message>
    <message>
        <source>&amp;Чтение</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <source>&amp;Запись</source>
        <translation>&amp;Write</translation>
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
        <source>Сравнение: подтвердите запись</source>
        <translation>Compare: confirm the write</translation>
    </message>
    <message>
        <source>Профиль открыт</source>
        <translation>Profile opened</translation>
    </message>
</context>
</TS>
