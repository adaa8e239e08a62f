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
        <translation>Invalid number format: use a decimal comma, e.g. 12,5</translation>
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
        <source>1   Термосопротивление 50M (1.4260)    Cu65</source>
        <translation>1   RTD 50M (1.4260)    Cu65</translation>
    </message>
    <message>
        <source>2   Термосопротивление 53M (1.4260)    Cu63</source>
        <translation>2   RTD 53M (1.4260)    Cu63</translation>
    </message>
    <message>
        <source>3   Термосопротивление 100M (1.4260)  Cu61</source>
        <translation>3   RTD 100M (1.4260)  Cu61</translation>
    </message>
    <message>
        <source>4   Термосопротивление 50M (1.4280)    Cu85</source>
        <translation>4   RTD 50M (1.4280)    Cu85</translation>
    </message>
    <message>
        <source>5   Термосопротивление 53M (1.4280)    Cu83</source>
        <translation>5   RTD 53M (1.4280)    Cu83</translation>
    </message>
    <message>
        <source>6   Термосопротивление 100M (1.4280)  Cu81</source>
        <translation>6   RTD 100M (1.4280)  Cu81</translation>
    </message>
    <message>
        <source>7   Термосопротивление 50П                   PtH5</source>
        <translation>7   RTD 50P                   PtH5</translation>
    </message>
    <message>
        <source>8   Термосопротивление 100П                 PtH1</source>
        <translation>8   RTD 100P                 PtH1</translation>
    </message>
    <message>
        <source>9   Термосопротивление Pt100                Ptb1</source>
        <translation>9   RTD Pt100                Ptb1</translation>
    </message>
    <message>
        <source>10 Термопара  ЖК(J) (-50...+1100)            FC</source>
        <translation>10 Thermocouple  J (-50...+1100)            FC</translation>
    </message>
    <message>
        <source>11 Термопара  ХК(L) (-50...+600)               HE</source>
        <translation>11 Thermocouple  L (-50...+600)               HE</translation>
    </message>
    <message>
        <source>12 Термопара  ХА(K) (-50...+1300)             HA</source>
        <translation>12 Thermocouple  K (-50...+1300)             HA</translation>
    </message>
    <message>
        <source>13 Термопара  ПП(S) (0...1700)               PP</source>
        <translation>13 Thermocouple  S (0...1700)               PP</translation>
    </message>
    <message>
        <source>14 Термопара  ПР(B) (300...1800)           Pr</source>
        <translation>14 Thermocouple  B (300...1800)           Pr</translation>
    </message>
    <message>
        <source>15 Термопара  ВР(A-1) (0...2500)            BP</source>
        <translation>15 Thermocouple  A-1 (0...2500)            BP</translation>
    </message>
    <message>
        <source>1   Термосопротивление 50M    R100/R0=1,426   (-50...+200) °C</source>
        <translation>1   RTD 50M    R100/R0=1,426   (-50...+200) °C</translation>
    </message>
    <message>
        <source>2   Термосопротивление 53M    R100/R0=1,426   (-50...+200) °C</source>
        <translation>2   RTD 53M    R100/R0=1,426   (-50...+200) °C</translation>
    </message>
    <message>
        <source>3   Термосопротивление 100M  R100/R0=1,426   (-50...+200) °C</source>
        <translation>3   RTD 100M  R100/R0=1,426   (-50...+200) °C</translation>
    </message>
    <message>
        <source>4   Термосопротивление 50M    R100/R0=1,428   (-50...+200) °C</source>
        <translation>4   RTD 50M    R100/R0=1,428   (-50...+200) °C</translation>
    </message>
    <message>
        <source>5   Термосопротивление 53M    R100/R0=1,428   (-50...+200) °C</source>
        <translation>5   RTD 53M    R100/R0=1,428   (-50...+200) °C</translation>
    </message>
    <message>
        <source>6   Термосопротивление 100M  R100/R0=1,428   (-50...+200) °C</source>
        <translation>6   RTD 100M  R100/R0=1,428   (-50...+200) °C</translation>
    </message>
    <message>
        <source>7   Термосопротивление 50П    R100/R0=1,391   (-50...+600) °C</source>
        <translation>7   RTD 50P    R100/R0=1,391   (-50...+600) °C</translation>
    </message>
    <message>
        <source>8   Термосопротивление 100П  R100/R0=1,391   (-50...+600) °C</source>
        <translation>8   RTD 100P  R100/R0=1,391   (-50...+600) °C</translation>
    </message>
    <message>
        <source>9   Термосопротивление Pt100  R100/R0=1,385   (-50...+600) °C</source>
        <translation>9   RTD Pt100  R100/R0=1,385   (-50...+600) °C</translation>
    </message>
    <message>
        <source>10 Термопара  ТЖК (J)  (-50...+1100) °C</source>
        <translation>10 Thermocouple type J  (-50...+1100) °C</translation>
    </message>
    <message>
        <source>11 Термопара  ТХК (L)   (-50...+600) °C</source>
        <translation>11 Thermocouple type L   (-50...+600) °C</translation>
    </message>
    <message>
        <source>12 Термопара  ТХА (K)   (-50...+1300) °C</source>
        <translation>12 Thermocouple type K   (-50...+1300) °C</translation>
    </message>
    <message>
        <source>13 Термопара  ТПП (S)  (0...1700) °C</source>
        <translation>13 Thermocouple type S  (0...1700) °C</translation>
    </message>
    <message>
        <source>14 Термопара  ТПР (B)   (300...1800) °C</source>
        <translation>14 Thermocouple type B   (300...1800) °C</translation>
    </message>
    <message>
        <source>15 Термопара  ТВР (A-1)  (0...2500) °C</source>
        <translation>15 Thermocouple type A-1  (0...2500) °C</translation>
    </message>
    <message>
        <source>16 Напряжение 0...100 мВ</source>
        <translation>16 Voltage 0...100 mV</translation>
    </message>
    <message>
        <source>17 Напряжение 0...75 мВ</source>
        <translation>17 Voltage 0...75 mV</translation>
    </message>
    <message>
        <source>18 Ток 0...5 мА</source>
        <translation>18 Current 0...5 mA</translation>
    </message>
    <message>
        <source>19 Ток 0...20 мА</source>
        <translation>19 Current 0...20 mA</translation>
    </message>
    <message>
        <source>20 Ток 4...20 мА</source>
        <translation>20 Current 4...20 mA</translation>
    </message>
    <message>
        <source>21 Сопротивление 0...320 Ом</source>
        <translation>21 Resistance 0...320 Ω</translation>
    </message>
    <message>
        <source>термосопротивление   50M R100/R0=1,426 (-50...+200)°C</source>
        <translation>RTD   50M R100/R0=1,426 (-50...+200)°C</translation>
    </message>
    <message>
        <source>термосопротивление   53M R100/R0=1,426 (-50...+200)°C</source>
        <translation>RTD   53M R100/R0=1,426 (-50...+200)°C</translation>
    </message>
    <message>
        <source>термосопротивление  100M R100/R0=1,426 (-50...+200)°C</source>
        <translation>RTD  100M R100/R0=1,426 (-50...+200)°C</translation>
    </message>
    <message>
        <source>термосопротивление   50M R100/R0=1,428 (-50...+200)°C</source>
        <translation>RTD   50M R100/R0=1,428 (-50...+200)°C</translation>
    </message>
    <message>
        <source>термосопротивление   53M R100/R0=1,428 (-50...+200)°C</source>
        <translation>RTD   53M R100/R0=1,428 (-50...+200)°C</translation>
    </message>
    <message>
        <source>термосопротивление  100M R100/R0=1,428 (-50...+200)°C</source>
        <translation>RTD  100M R100/R0=1,428 (-50...+200)°C</translation>
    </message>
    <message>
        <source>термосопротивление   50П R100/R0=1,391 (-50...+600)°C</source>
        <translation>RTD   50P R100/R0=1,391 (-50...+600)°C</translation>
    </message>
    <message>
        <source>термосопротивление  100П R100/R0=1,391 (-50...+600)°C</source>
        <translation>RTD  100P R100/R0=1,391 (-50...+600)°C</translation>
    </message>
    <message>
        <source>термосопротивление Pt100 R100/R0=1,385 (-50...+600)°C</source>
        <translation>RTD Pt100 R100/R0=1,385 (-50...+600)°C</translation>
    </message>
    <message>
        <source>термопара ТЖК (J)(-50...+1100)°C</source>
        <translation>thermocouple type J (-50...+1100)°C</translation>
    </message>
    <message>
        <source>термопара ТХК (L)(-50... +600)°C</source>
        <translation>thermocouple type L (-50... +600)°C</translation>
    </message>
    <message>
        <source>термопара ТХА (K)(-50...+1300)°C</source>
        <translation>thermocouple type K (-50...+1300)°C</translation>
    </message>
    <message>
        <source>термопара ТПП (S)(0...1700)°C</source>
        <translation>thermocouple type S (0...1700)°C</translation>
    </message>
    <message>
        <source>термопара ТПР (B)(300...1800)°C</source>
        <translation>thermocouple type B (300...1800)°C</translation>
    </message>
    <message>
        <source>термопара ТВР (A-1)(0...2500)°C</source>
        <translation>thermocouple type A-1 (0...2500)°C</translation>
    </message>
    <message>
        <source>напряжение (0...100)мВ</source>
        <translation>voltage (0...100) mV</translation>
    </message>
    <message>
        <source>напряжение (0...75)мВ</source>
        <translation>voltage (0...75) mV</translation>
    </message>
    <message>
        <source>ток (0... 5)мА</source>
        <translation>current (0... 5) mA</translation>
    </message>
    <message>
        <source>ток (0...20)мА</source>
        <translation>current (0...20) mA</translation>
    </message>
    <message>
        <source>ток (4...20)мА</source>
        <translation>current (4...20) mA</translation>
    </message>
    <message>
        <source>сопротивление (0...320)Ом</source>
        <translation>resistance (0...320) Ω</translation>
    </message>
    <message>
        <source>Версия прошивки прибора</source>
        <translation>Firmware version</translation>
    </message>
    <message>
        <source> от </source>
        <translation> dated </translation>
    </message>
    <message>
        <source>Прибор не конфигурирован</source>
        <translation>Device not configured</translation>
    </message>
    <message>
        <source>Диапазон:</source>
        <translation>Range:</translation>
    </message>
    <message>
        <source>Линейно от термоЭДС</source>
        <translation>Linear in thermo-EMF</translation>
    </message>
    <message>
        <source>Линейно от температуры</source>
        <translation>Linear in temperature</translation>
    </message>
    <message>
        <source>мВ</source>
        <translation>mV</translation>
    </message>
    <message>
        <source>Схема подключения:</source>
        <translation>Wiring:</translation>
    </message>
    <message>
        <source>Диапазон выхода:</source>
        <translation>Output range:</translation>
    </message>
    <message>
        <source>Компенсация холодного спая:</source>
        <translation>Cold-junction compensation:</translation>
    </message>
    <message>
        <source>Корнеизвлечение:</source>
        <translation>Square root:</translation>
    </message>
    <message>
        <source>Обрыв датчика:</source>
        <translation>Sensor break:</translation>
    </message>
    <message>
        <source>Тип датчика:</source>
        <translation>Sensor type:</translation>
    </message>
    <message>
        <source>Зависимость:линейная от термоЭДС</source>
        <translation>Characteristic:linear in thermo-EMF</translation>
    </message>
    <message>
        <source>Зависимость:линейная от температуры</source>
        <translation>Characteristic:linear in temperature</translation>
    </message>
    <message>
        <source>код </source>
        <translation>code </translation>
    </message>
    <message>
        <source>Записывать только изменённые с&amp;лова</source>
        <translation>&amp;Write changed words only</translation>
    </message>
    <message>
        <source>Этому прибору подходят несколько резервных копий.</source>
        <translation>Several backups fit this unit.</translation>
    </message>
    <message>
        <source>Журнал проверок</source>
        <translation>Check log</translation>
    </message>
    <message>
        <source>Проверки</source>
        <translation>Checks</translation>
    </message>
    <message>
        <source>Позиция</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Итог</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>&amp;Сохранить протокол…</source>
        <translation>Save &amp;report…</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Проверок пока нет</source>
        <translation>No checks yet</translation>
    </message>
    <message>
        <source>Не прочитаны: %1</source>
        <translation>Not read: %1</translation>
    </message>
    <message>
        <source>%1: «%2» — ни manual, ни serial:ПУТЬ[:СКОРОСТЬ], ни tcp:УЗЕЛ:ПОРТ</source>
        <translation>%1: “%2” is none of manual, serial:PATH[:BAUD], tcp:HOST:PORT</translation>
    </message>
    <message>
        <source>Измеритель тока</source>
        <translation>Current meter</translation>
    </message>
    <message>
        <source>Запрос измерителя: одна строка без управляющих символов</source>
        <translation>Meter query: one line without control characters</translation>
    </message>
    <message>
        <source>Калибратор</source>
        <translation>Calibrator</translation>
    </message>
    <message>
        <source>Калибратору %1 нужна команда, например SOUR:TEMP {c}</source>
        <translation>Calibrator %1 needs a command, such as SOUR:TEMP {c}</translation>
    </message>
    <message>
        <source>Команда калибратора: одна строка; поля {c}, {ohm}, {mv}, {v}, {ma} и {a}</source>
        <translation>Calibrator command: one line; the fields {c}, {ohm}, {mv}, {v}, {ma} and {a}</translation>
    </message>
    <message>
        <source>Точки: %1</source>
        <translation>Points: %1</translation>
    </message>
    <message>
        <source>Допуск: от 0 (не включая) до 100 % диапазона выхода</source>
        <translation>Tolerance: above 0 and at most 100 % of the output span</translation>
    </message>
    <message>
        <source>Выдержка: от 0 до 3600 с</source>
        <translation>Settle time: 0 to 3600 s</translation>
    </message>
    <message>
        <source>Показание: %1 мА</source>
        <translation>Reading: %1 mA</translation>
    </message>
    <message>
        <source>Проверка выхода</source>
        <translation>Output check</translation>
    </message>
    <message>
        <source>Команда калибратора: у входа этого прибора нет значения для поля %1</source>
        <translation>Calibrator command: this unit’s input has no value for the field %1</translation>
    </message>
    <message>
        <source>&amp;Далее</source>
        <translation>Ne&amp;xt</translation>
    </message>
    <message>
        <source>До подстройки</source>
        <translation>As found</translation>
    </message>
    <message>
        <source>После подстройки</source>
        <translation>As left</translation>
    </message>
    <message>
        <source>Все точки измерены</source>
        <translation>Every point is measured</translation>
    </message>
    <message>
        <source>Ток в мА, например 12,004</source>
        <translation>A current in mA, such as 12,004</translation>
    </message>
    <message>
        <source>До подстройки: %1</source>
        <translation>As found: %1</translation>
    </message>
    <message>
        <source>&amp;Позиция (тег):</source>
        <translation>&amp;Tag:</translation>
    </message>
    <message>
        <source>&amp;Инженер:</source>
        <translation>&amp;Engineer:</translation>
    </message>
    <message>
        <source>&amp;Точки, % диапазона:</source>
        <translation>&amp;Points, % of the range:</translation>
    </message>
    <message>
        <source>&amp;Допуск, % диапазона выхода:</source>
        <translation>T&amp;olerance, % of the output span:</translation>
    </message>
    <message>
        <source>&amp;Выдержка, с:</source>
        <translation>&amp;Settle time, s:</translation>
    </message>
    <message>
        <source>Измеритель т&amp;ока:</source>
        <translation>Current &amp;meter:</translation>
    </message>
    <message>
        <source>&amp;Запрос измерителя:</source>
        <translation>Meter &amp;query:</translation>
    </message>
    <message>
        <source>&amp;Калибратор:</source>
        <translation>&amp;Calibrator:</translation>
    </message>
    <message>
        <source>Ко&amp;манда калибратора:</source>
        <translation>Calibrator comma&amp;nd:</translation>
    </message>
    <message>
        <source>Проверить &amp;связь</source>
        <translation>Test the &amp;link</translation>
    </message>
    <message>
        <source>Ответы приборов на *IDN?</source>
        <translation>The instruments’ answers to *IDN?</translation>
    </message>
    <message>
        <source>Точки проверки</source>
        <translation>Check points</translation>
    </message>
    <message>
        <source>Точка, %</source>
        <translation>Point, %</translation>
    </message>
    <message>
        <source>Сигнал</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Ожидается, мА</source>
        <translation>Expected, mA</translation>
    </message>
    <message>
        <source>Измерено, мА</source>
        <translation>Measured, mA</translation>
    </message>
    <message>
        <source>Погрешность, %</source>
        <translation>Error, %</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Проход проверки</source>
        <translation>Check pass</translation>
    </message>
    <message>
        <source>Проверяемый прибор</source>
        <translation>Unit under check</translation>
    </message>
    <message>
        <source>Что подать</source>
        <translation>Signal to apply</translation>
    </message>
    <message>
        <source>То&amp;к, мА:</source>
        <translation>C&amp;urrent, mA:</translation>
    </message>
    <message>
        <source>&amp;Принять</source>
        <translation>Ta&amp;ke</translation>
    </message>
    <message>
        <source>&amp;Измерить</source>
        <translation>Mea&amp;sure</translation>
    </message>
    <message>
        <source>Показание измерителя</source>
        <translation>Meter reading</translation>
    </message>
    <message>
        <source>Итог проверки</source>
        <translation>Check result</translation>
    </message>
    <message>
        <source>Подстройка</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>По&amp;дстроить</source>
        <translation>&amp;Adjust</translation>
    </message>
    <message>
        <source>Состояние проверки</source>
        <translation>Check status</translation>
    </message>
    <message>
        <source>&amp;Начать</source>
        <translation>St&amp;art</translation>
    </message>
    <message>
        <source>&amp;Готово</source>
        <translation>&amp;Done</translation>
    </message>
    <message>
        <source>Протоколы (*.pdf)|*.pdf</source>
        <translation>Reports (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>&amp;Проверка</source>
        <translation>Chec&amp;k</translation>
    </message>
    <message>
        <source>&amp;Проверка выхода…</source>
        <translation>&amp;Output check…</translation>
    </message>
    <message>
        <source>&amp;Журнал проверок…</source>
        <translation>Check &amp;log…</translation>
    </message>
    <message>
        <source>%1, ПО %2</source>
        <translation>%1, firmware %2</translation>
    </message>
    <message>
        <source>, позиция «%1»</source>
        <translation>, tag “%1”</translation>
    </message>
    <message>
        <source>Измеренные точки</source>
        <translation>Points measured</translation>
    </message>
    <message>
        <source>ручной, связь не нужна</source>
        <translation>manual, no link needed</translation>
    </message>
    <message>
        <source>Измеритель тока: %1</source>
        <translation>Current meter: %1</translation>
    </message>
    <message>
        <source>Калибратор: %1</source>
        <translation>Calibrator: %1</translation>
    </message>
    <message>
        <source>Выдержка…</source>
        <translation>Settling…</translation>
    </message>
    <message>
        <source>например, %1</source>
        <translation>e.g. %1</translation>
    </message>
    <message>
        <source>Нажмите «Измерить»: калибратор подаст %1</source>
        <translation>Press “Measure”: the calibrator will apply %1</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>restore работает с одним портом, а не с %1</source>
        <translation>restore takes one port, not %1</translation>
    </message>
    <message>
        <source>резервная копия %1 снята с модели %2, а не %3</source>
        <translation>backup %1 is of the model %2, not %3</translation>
    </message>
    <message>
        <source>calib нужна операция: show, read, write, clear или clear-full</source>
        <translation>calib needs an operation: show, read, write, clear or clear-full</translation>
    </message>
    <message>
        <source>неизвестная операция calib &apos;%1&apos;</source>
        <translation>unknown calib operation &apos;%1&apos;</translation>
    </message>
    <message>
        <source>параметру %1 нужен файл .bin или .txt</source>
        <translation>option %1 needs a .bin or .txt file</translation>
    </message>
    <message>
        <source>calib %1 нужен --load ФАЙЛ</source>
        <translation>calib %1 needs --load FILE</translation>
    </message>
    <message>
        <source>файл &apos;%1&apos; содержит %2 чисел, а файл калибровки — %3</source>
        <translation>file &apos;%1&apos; holds %2 numbers, a calibration text file %3</translation>
    </message>
    <message>
        <source>файл &apos;%1&apos; не ложится в раскладку калибровки %2: это блок другой модели (раскладку выбирает --model, по умолчанию velmor-7)</source>
        <translation>file &apos;%1&apos; does not fit the calibration layout of %2: it is a block of another model (--model chooses the layout, velmor-7 by default)</translation>
    </message>
    <message>
        <source>параметру %1 нужно значение</source>
        <translation>option %1 needs a value</translation>
    </message>
    <message>
        <source>ru или en</source>
        <translation>ru or en</translation>
    </message>
    <message>
        <source>неизвестная команда &apos;%1&apos;</source>
        <translation>unknown command &apos;%1&apos;</translation>
    </message>
    <message>
        <source>неизвестный параметр &apos;%1&apos;</source>
        <translation>unknown option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>неизвестный параметр &apos;%1&apos; команды %2</source>
        <translation>unknown option &apos;%1&apos; for %2</translation>
    </message>
    <message>
        <source>лишний аргумент &apos;%1&apos; команды %2</source>
        <translation>unexpected argument &apos;%1&apos; for %2</translation>
    </message>
    <message>
        <source>параметр %1 указан дважды</source>
        <translation>option %1 given twice</translation>
    </message>
    <message>
        <source>недопустимое значение &apos;%1&apos; для %2</source>
        <translation>invalid value &apos;%1&apos; for %2</translation>
    </message>
    <message>
        <source>командная строка не разобрана: %1</source>
        <translation>the command line does not parse: %1</translation>
    </message>
    <message>
        <source>команда не указана (см. --help)</source>
        <translation>no command given (see --help)</translation>
    </message>
    <message>
        <source>%1 нужен --sensor КОД</source>
        <translation>%1 needs --sensor CODE</translation>
    </message>
    <message>
        <source>такого кода нет в списке датчиков модели</source>
        <translation>not in the model&apos;s sensor list</translation>
    </message>
    <message>
        <source>у датчика с кодом %1 нет таблиц преобразования</source>
        <translation>sensor code %1 has no conversion tables</translation>
    </message>
    <message>
        <source>convert нужен ровно один из --temperature и --signal</source>
        <translation>convert needs exactly one of --temperature and --signal</translation>
    </message>
    <message>
        <source>нет конечного результата для %1 %2</source>
        <translation>no finite result for %1 %2</translation>
    </message>
    <message>
        <source>%1 только для моделей с загрузкой таблиц: у Velmor-7 нет подстройки диапазона</source>
        <translation>%1 is for the table-loading models; Velmor-7 has no range correction</translation>
    </message>
    <message>
        <source>команде нужен прибор: укажите --port ПУТЬ или --com N</source>
        <translation>this command needs a device: give --port PATH or --com N</translation>
    </message>
    <message>
        <source>команды &apos;%1&apos; нет в этой сборке</source>
        <translation>command &apos;%1&apos; is not available in this build</translation>
    </message>
    <message>
        <source>--csv и --json вместе не используются</source>
        <translation>--csv and --json do not go together</translation>
    </message>
    <message>
        <source>порт %1 указан дважды</source>
        <translation>port %1 is given twice</translation>
    </message>
    <message>
        <source>профиль &apos;%1&apos;: %2</source>
        <translation>profile &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>с --profile ФАЙЛ команда write не берёт других параметров, а здесь есть %1</source>
        <translation>with --profile FILE, write takes no other option, not %1</translation>
    </message>
    <message>
        <source>%1 нужен --profile ФАЙЛ</source>
        <translation>%1 needs --profile FILE</translation>
    </message>
    <message>
        <source>профиль для модели %1, а --model называет %2</source>
        <translation>the profile is for model %1, --model names %2</translation>
    </message>
    <message>
        <source>%1 = %2: профиль этой модели и этого датчика такого не содержит</source>
        <translation>%1 is %2, which a profile of this model and sensor cannot hold</translation>
    </message>
    <message>
        <source>не сохранён: %1</source>
        <translation>not saved: %1</translation>
    </message>
    <message>
        <source>конфигурацию профиля нельзя записать</source>
        <translation>the profile&apos;s configuration cannot be written</translation>
    </message>
    <message>
        <source>у simulate нет вывода JSON</source>
        <translation>simulate has no JSON output</translation>
    </message>
    <message>
        <source>не удалось записать образ памяти &apos;%1&apos;</source>
        <translation>cannot write memory image &apos;%1&apos;</translation>
    </message>
    <message>
        <source>образ памяти &apos;%1&apos; не 512 байт</source>
        <translation>memory image &apos;%1&apos; is not 512 bytes</translation>
    </message>
    <message>
        <source>образ памяти &apos;%1&apos; не обычный файл</source>
        <translation>memory image &apos;%1&apos; is not a regular file</translation>
    </message>
    <message>
        <source>не удалось прочитать образ памяти &apos;%1&apos;</source>
        <translation>cannot read memory image &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 %2 не принято: %3</source>
        <translation>%1 %2 is refused: %3</translation>
    </message>
    <message>
        <source>ток должен отличаться от номинального %2 мА менее чем на %1 мА</source>
        <translation>it must lie within %1 mA of the nominal %2 mA</translation>
    </message>
    <message>
        <source>T1 и T2 должны лежать в диапазоне, T1 ниже T2</source>
        <translation>T1 and T2 must lie within the range, T1 below T2</translation>
    </message>
    <message>
        <source>целые числа LO..HI</source>
        <translation>whole numbers LO..HI</translation>
    </message>
    <message>
        <source>correct нужен %1</source>
        <translation>correct needs %1</translation>
    </message>
    <message>
        <source>--linear-emf только для термопар (коды датчиков 9..14)</source>
        <translation>--linear-emf is for thermocouples only (sensor codes 9..14)</translation>
    </message>
    <message>
        <source>%1 только для Velmor-7</source>
        <translation>%1 is for Velmor-7 only</translation>
    </message>
    <message>
        <source>--cold-junction только для термопар (коды датчиков 9..14)</source>
        <translation>--cold-junction is for thermocouples only (sensor codes 9..14)</translation>
    </message>
    <message>
        <source>--scheme не предлагается для датчика с кодом %1</source>
        <translation>--scheme is not offered for sensor code %1</translation>
    </message>
    <message>
        <source>4, 3 или 2</source>
        <translation>4, 3 or 2</translation>
    </message>
    <message>
        <source>0-5, 0-20 или 4-20</source>
        <translation>0-5, 0-20 or 4-20</translation>
    </message>
    <message>
        <source>correct нужен --range LO..HI</source>
        <translation>correct needs --range LO..HI</translation>
    </message>
    <message>
        <source>резервной копии %1 нет</source>
        <translation>no backup %1</translation>
    </message>
    <message>
        <source>диапазон %1..%2 не принят: датчик %3 берёт LO ниже HI в пределах %4..%5</source>
        <translation>range %1..%2 is refused: sensor %3 takes LO below HI within %4..%5</translation>
    </message>
    <message>
        <source>такой модели нет (0, 1 или 2)</source>
        <translation>no such model (0, 1 or 2)</translation>
    </message>
    <message>
        <source>такого диапазона выхода нет</source>
        <translation>no such output range</translation>
    </message>
    <message>
        <source>такой схемы подключения нет</source>
        <translation>no such wiring scheme</translation>
    </message>
    <message>
        <source>%1 только для термопар (коды датчиков 9..14)</source>
        <translation>%1 is for thermocouples only (sensor codes 9..14)</translation>
    </message>
    <message>
        <source>%1 не предлагается для датчика с кодом %2</source>
        <translation>%1 is not offered for sensor code %2</translation>
    </message>
    <message>
        <source>не профиль: формат не назван, нужен %1</source>
        <translation>not a profile: it names no format, not %1</translation>
    </message>
    <message>
        <source>не профиль: формат %1, а нужен %2</source>
        <translation>not a profile: its format is %1, not %2</translation>
    </message>
    <message>
        <source>у профиля нет версии (целого числа от 1)</source>
        <translation>the profile has no version (a whole number from 1)</translation>
    </message>
    <message>
        <source>версия профиля %1 новее той, что читает эта программа (%2)</source>
        <translation>profile version %1 is newer than this program reads (%2)</translation>
    </message>
    <message>
        <source>в профиле нет ключа %1</source>
        <translation>the profile names no %1</translation>
    </message>
    <message>
        <source>недопустимая модель (0, 1, 2, dastra-2 или velmor-7)</source>
        <translation>invalid model (0, 1, 2, dastra-2 or velmor-7)</translation>
    </message>
    <message>
        <source>недопустимый код датчика (нужно целое число)</source>
        <translation>invalid sensor code (a whole number)</translation>
    </message>
    <message>
        <source>недопустимое значение %1 (%2)</source>
        <translation>invalid %1 (%2)</translation>
    </message>
    <message>
        <source>true или false</source>
        <translation>true or false</translation>
    </message>
    <message>
        <source>[LO, HI], целые числа</source>
        <translation>[LO, HI], whole numbers</translation>
    </message>
    <message>
        <source>неизвестный ключ %1</source>
        <translation>unknown key %1</translation>
    </message>
    <message>
        <source>не профиль: файл больше любого файла профиля</source>
        <translation>not a profile: larger than any profile file</translation>
    </message>
    <message>
        <source>не JSON: %1 в байте %2</source>
        <translation>not valid JSON: %1 at byte %2</translation>
    </message>
    <message>
        <source>не профиль: в файле нет объекта JSON</source>
        <translation>not a profile: the file holds no JSON object</translation>
    </message>
    <message>
        <source>файл не читается</source>
        <translation>cannot read the file</translation>
    </message>
    <message>
        <source>датчика %1 нет в списке модели (0..%2)</source>
        <translation>sensor %1 is not in the model&apos;s list (0..%2)</translation>
    </message>
    <message>
        <source>слово %1 не прочитано</source>
        <translation>word %1 was not read</translation>
    </message>
    <message>
        <source>слова диапазона содержат сигнал %1..%2, которого не даёт ни один диапазон в целых градусах</source>
        <translation>the range words hold the signal %1..%2, which no range of whole degrees writes</translation>
    </message>
    <message>
        <source>слово %1 содержит %2, а запись профиля шлёт %3</source>
        <translation>word %1 holds %2, a write of the profile sends %3</translation>
    </message>
    <message>
        <source>прибор не конфигурирован</source>
        <translation>the device is not configured</translation>
    </message>
    <message>
        <source>%1 только вместе с --bench</source>
        <translation>%1 is for --bench only</translation>
    </message>
    <message>
        <source>--bench подключает приборы к одному симулятору: без --count</source>
        <translation>--bench wires its instruments to one simulator: no --count</translation>
    </message>
    <message>
        <source>GAIN,OFFSET, усиление больше 0</source>
        <translation>GAIN,OFFSET with a gain above 0</translation>
    </message>
    <message>
        <source>--source-command: у входа этого прибора нет значения для поля %1 (компенсация холодного спая прибора включена: подавайте {c} в режиме термопары калибратора)</source>
        <translation>--source-command: this unit&apos;s input has no value for the field %1 (its cold-junction compensation is on: apply {c} in the calibrator&apos;s thermocouple mode)</translation>
    </message>
    <message>
        <source>--source-command: у входа этого прибора нет значения для поля %1</source>
        <translation>--source-command: this unit&apos;s input has no value for the field %1</translation>
    </message>
    <message>
        <source>manual, serial:ПУТЬ[:СКОРОСТЬ] или tcp:УЗЕЛ:ПОРТ</source>
        <translation>manual, serial:PATH[:BAUD] or tcp:HOST:PORT</translation>
    </message>
    <message>
        <source>--meter-query только для измерителя тока по последовательному порту или TCP (--meter)</source>
        <translation>--meter-query is for a meter over serial or TCP (--meter)</translation>
    </message>
    <message>
        <source>одна строка без управляющих символов</source>
        <translation>one line without control characters</translation>
    </message>
    <message>
        <source>--source-command только для калибратора по последовательному порту или TCP (--source)</source>
        <translation>--source-command is for a calibrator over serial or TCP (--source)</translation>
    </message>
    <message>
        <source>--source %1 нужен --source-command ШАБЛОН</source>
        <translation>--source %1 needs --source-command TEMPLATE</translation>
    </message>
    <message>
        <source>одна строка; поля {c}, {ohm}, {mv}, {v}, {ma} и {a}</source>
        <translation>one line; the fields {c}, {ohm}, {mv}, {v}, {ma} and {a}</translation>
    </message>
    <message>
        <source>--readings только для показаний, вводимых вручную, а не для --meter %1</source>
        <translation>--readings is for a manual meter, not --meter %1</translation>
    </message>
    <message>
        <source>токи в мА с десятичной точкой, через запятую</source>
        <translation>currents in mA with the decimal point, comma-separated</translation>
    </message>
    <message>
        <source>--readings нужно %1 токов, по одному на точку до подстройки и снова после неё, а не %2</source>
        <translation>--readings needs %1 currents, one a point as found and again as left, not %2</translation>
    </message>
    <message>
        <source>--readings нужно %1 токов, по одному на точку, а не %2</source>
        <translation>--readings needs %1 currents, one a point, not %2</translation>
    </message>
    <message>
        <source>от 2 до 11 процентов диапазона, каждый 0..100, строго по возрастанию</source>
        <translation>2 to 11 percentages of the range, each 0..100, strictly ascending</translation>
    </message>
    <message>
        <source>% диапазона выходного сигнала, больше 0 и не больше 100</source>
        <translation>% of the output span, above 0 and at most 100</translation>
    </message>
    <message>
        <source>секунды, 0..3600</source>
        <translation>seconds, 0..3600</translation>
    </message>
    <message>
        <source>check работает с одним портом, а не с %1</source>
        <translation>check takes one port, not %1</translation>
    </message>
    <message>
        <source>--adjust только для моделей с загрузкой таблиц: у Velmor-7 нет подстройки диапазона</source>
        <translation>--adjust is for the table-loading models: Velmor-7 has no range correction</translation>
    </message>
    <message>
        <source>протокол не может быть записан в &apos;%1&apos;</source>
        <translation>the report cannot be written to &apos;%1&apos;</translation>
    </message>
    <message>
        <source>протокол не записан в &apos;%1&apos;</source>
        <translation>the report was not written to &apos;%1&apos;</translation>
    </message>
    <message>
        <source>report нужен ID проверки</source>
        <translation>report needs the ID of a check</translation>
    </message>
    <message>
        <source>report нужен --out ФАЙЛ.pdf</source>
        <translation>report needs --out FILE.pdf</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>Точка, % диапазона</source>
        <translation>Point, % of range</translation>
    </message>
    <message>
        <source>Погрешность, % диапазона выхода</source>
        <translation>Error, % of output span</translation>
    </message>
    <message>
        <source>Погрешность в точках проверки</source>
        <translation>Error at the check&apos;s points</translation>
    </message>
    <message>
        <source>допуск ±%1 %</source>
        <translation>tolerance ±%1 %</translation>
    </message>
    <message>
        <source>dd.MM.yyyy HH:mm</source>
        <translation>yyyy-MM-dd HH:mm</translation>
    </message>
    <message>
        <source>Прибор</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Модель</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Версия прошивки</source>
        <translation>Firmware version</translation>
    </message>
    <message>
        <source>Позиционное обозначение</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Идентификатор прибора</source>
        <translation>Unit identity</translation>
    </message>
    <message>
        <source>Порт</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Конфигурация</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Датчик</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Диапазон измерения</source>
        <translation>Measuring range</translation>
    </message>
    <message>
        <source>Выходной сигнал</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>не указаны</source>
        <translation>none given</translation>
    </message>
    <message>
        <source>Средства измерений</source>
        <translation>Instruments</translation>
    </message>
    <message>
        <source>Допуск</source>
        <translation>Tolerance</translation>
    </message>
    <message>
        <source>±%1 % диапазона выходного сигнала</source>
        <translation>±%1 % of the output span</translation>
    </message>
    <message>
        <source>Точка, %</source>
        <translation>Point, %</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Сигнал</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Ожидается, мА</source>
        <translation>Expected, mA</translation>
    </message>
    <message>
        <source>Измерено, мА</source>
        <translation>Measured, mA</translation>
    </message>
    <message>
        <source>Погрешность, %</source>
        <translation>Error, %</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>выход не опускается ниже 0 мА: погрешность меньше нуля в этой точке не видна</source>
        <translation>the output does not go below 0 mA: an error below zero does not show at this point</translation>
    </message>
    <message>
        <source>Подстройка</source>
        <translation>Adjustment</translation>
    </message>
    <message>
        <source>не выполнялась</source>
        <translation>none made</translation>
    </message>
    <message>
        <source>Резервная копия</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>проверку прервал оператор</source>
        <translation>the engineer cancelled the check</translation>
    </message>
    <message>
        <source>измеритель тока не ответил или ответил не числом</source>
        <translation>the current meter did not answer, or answered no number</translation>
    </message>
    <message>
        <source>калибратор не принял команду</source>
        <translation>the calibrator did not take its command</translation>
    </message>
    <message>
        <source>прибор не ответил во время подстройки</source>
        <translation>the unit did not answer during the adjustment</translation>
    </message>
    <message>
        <source>резервная копия не сохранена, подстройка не записана</source>
        <translation>the backup was not saved, so the adjustment was not written</translation>
    </message>
    <message>
        <source>Результат проверки</source>
        <translation>Result of the check</translation>
    </message>
    <message>
        <source>Проверку выполнил</source>
        <translation>Checked by</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Подпись</source>
        <translation>Signature</translation>
    </message>
    <message>
        <source>Протокол проверки</source>
        <translation>Output check report</translation>
    </message>
    <message>
        <source>%1 %2 — страница %3 из %4</source>
        <translation>%1 %2 — page %3 of %4</translation>
    </message>
    <message>
        <source>№ %1 от %2</source>
        <translation>No. %1 of %2</translation>
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
        <source>Допустимо: %1…%2</source>
        <translation>Allowed: %1…%2</translation>
    </message>
    <message>
        <source>Допустимо: %1…%2, T1 &lt; T2</source>
        <translation>Allowed: %1…%2, T1 &lt; T2</translation>
    </message>
    <message>
        <source>Допустимо: %1…%2, T2 &gt; T1</source>
        <translation>Allowed: %1…%2, T2 &gt; T1</translation>
    </message>
    <message>
        <source>Допустимо: |I − %1| &lt; %2 мА</source>
        <translation>Allowed: |I − %1| &lt; %2 mA</translation>
    </message>
    <message>
        <source>Поиск на %1. Ждите!</source>
        <translation>Searching on %1. Please wait!</translation>
    </message>
    <message>
        <source>Неверный номер порта %1</source>
        <translation>Invalid port number %1</translation>
    </message>
    <message>
        <source>Порт %1 отключен</source>
        <translation>Port %1 unplugged</translation>
    </message>
    <message>
        <source>Порт %1 не найден</source>
        <translation>Port %1 not found</translation>
    </message>
    <message>
        <source>Порт %1 занят другой программой</source>
        <translation>Port %1 is in use by another program</translation>
    </message>
    <message>
        <source>Нет доступа к порту %1: добавьте пользователя в группу dialout (sudo usermod -aG dialout $USER) и войдите в систему снова</source>
        <translation>No access to port %1: add the user to the dialout group (sudo usermod -aG dialout $USER) and log in again</translation>
    </message>
    <message>
        <source>Порт %1 не принимает настройки линии</source>
        <translation>Port %1 refuses the line settings</translation>
    </message>
    <message>
        <source>Недопустимое имя устройства порта %1</source>
        <translation>Invalid device name for port %1</translation>
    </message>
    <message>
        <source>Устройство порта %1 не является последовательным портом</source>
        <translation>The device of port %1 is not a serial port</translation>
    </message>
    <message>
        <source>Порт %1 не открывается: не хватает ресурсов системы</source>
        <translation>Port %1 does not open: the system is out of resources</translation>
    </message>
    <message>
        <source>Порт %1 не открывается</source>
        <translation>Port %1 does not open</translation>
    </message>
    <message>
        <source>Сравнение: подтвердите запись</source>
        <translation>Compare: confirm the write</translation>
    </message>
    <message>
        <source>Профиль открыт</source>
        <translation>Profile opened</translation>
    </message>
    <message>
        <source>Подстройка невозможна: у этой модели нет коррекции диапазона</source>
        <translation>No adjustment: this model has no range correction</translation>
    </message>
    <message>
        <source>Подстройка невозможна: в крайней точке показания не установились</source>
        <translation>No adjustment: the readings at an end point did not settle</translation>
    </message>
    <message>
        <source>Подстройка невозможна: диапазон прибора вне пределов датчика</source>
        <translation>No adjustment: the unit&apos;s range lies beyond the sensor&apos;s limits</translation>
    </message>
    <message>
        <source>Подстройка невозможна: T1 и T2 должны лежать в диапазоне, T1 ниже T2</source>
        <translation>No adjustment: T1 and T2 must lie within the range, T1 below T2</translation>
    </message>
    <message>
        <source>Подстройка невозможна: ток в нижней точке должен отличаться от номинального меньше чем на 0,32 мА</source>
        <translation>No adjustment: the current at the low point must differ from the nominal one by less than 0.32 mA</translation>
    </message>
    <message>
        <source>Подстройка невозможна: ток в верхней точке должен отличаться от номинального меньше чем на 0,8 мА</source>
        <translation>No adjustment: the current at the high point must differ from the nominal one by less than 0.8 mA</translation>
    </message>
    <message>
        <source>До подстройки</source>
        <translation>As found</translation>
    </message>
    <message>
        <source>После подстройки</source>
        <translation>As left</translation>
    </message>
    <message>
        <source>в допуске</source>
        <translation>within tolerance</translation>
    </message>
    <message>
        <source>вне допуска</source>
        <translation>out of tolerance</translation>
    </message>
    <message>
        <source>показания не установились</source>
        <translation>readings did not settle</translation>
    </message>
    <message>
        <source>Подайте %1 в режиме термопары калибратора, с его компенсацией холодного спая: компенсация прибора включена</source>
        <translation>Apply %1 in the calibrator&apos;s thermocouple mode, with its own cold-junction compensation: the unit&apos;s compensation is on</translation>
    </message>
    <message>
        <source>Подайте %1</source>
        <translation>Apply %1</translation>
    </message>
    <message>
        <source>%1, ожидается %2 мА, %3</source>
        <translation>%1, expected %2 mA, %3</translation>
    </message>
    <message>
        <source>%1, ожидается %2 мА, измерено %3 мА, погрешность %4 %, %5</source>
        <translation>%1, expected %2 mA, measured %3 mA, error %4 %, %5</translation>
    </message>
    <message>
        <source>Подстройка: Au %1 → %2, Bu %3 → %4</source>
        <translation>Adjustment: Au %1 → %2, Bu %3 → %4</translation>
    </message>
    <message>
        <source>проверка прервана</source>
        <translation>check cancelled</translation>
    </message>
    <message>
        <source>годен</source>
        <translation>pass</translation>
    </message>
    <message>
        <source>не годен</source>
        <translation>fail</translation>
    </message>
    <message>
        <source>Итог: %1, протокол %2</source>
        <translation>Result: %1, record %2</translation>
    </message>
    <message>
        <source>Проверка выхода пройдена</source>
        <translation>Output check passed</translation>
    </message>
    <message>
        <source>Проверка выхода не пройдена</source>
        <translation>Output check failed</translation>
    </message>
    <message>
        <source>Проверка выхода прервана</source>
        <translation>Output check cancelled</translation>
    </message>
    <message>
        <source>Протокол проверки не сохранён</source>
        <translation>The check&apos;s record was not saved</translation>
    </message>
    <message>
        <source>Нажмите Enter, когда сигнал подан</source>
        <translation>Press Enter once the signal is applied</translation>
    </message>
    <message>
        <source>Ток, мА:</source>
        <translation>Current, mA:</translation>
    </message>
    <message>
        <source>Неверный формат числа</source>
        <translation>Invalid number format</translation>
    </message>
    <message>
        <source>Прибор уже содержит эту конфигурацию</source>
        <translation>The device already holds this configuration</translation>
    </message>
    <message>
        <source>Калибратор подаёт %1</source>
        <translation>The calibrator applies %1</translation>
    </message>
    <message>
        <source>модель %1</source>
        <translation>model %1</translation>
    </message>
    <message>
        <source>подстроен</source>
        <translation>adjusted</translation>
    </message>
</context>
</TS>
