<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Zelto</name>
    <message>
        <source>Встроенный имитатор преобразователя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Конфигуратор Velmor-7, Dastra-2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>График</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автомасштаб</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Весь график</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить PNG…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записывать в CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить историю в CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подключить COM-порт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Освободить COM-порт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подключить прибор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отключить прибор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запрос. Ждите!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>запись конфигурации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>подстройка диапазона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сброс подстройки диапазона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>запись калибровки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>обнуление калибровки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>полное обнуление калибровки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>восстановление</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись изменит в приборе (поле: прибор → окно):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прибор уже содержит то, что будет записано.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отменить запись?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прибор содержал:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Восстановить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. Восстановить всё равно?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неверный формат числа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Конфигуратор Harlow-9, Harlow-3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Информация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип датчика</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прибор и тип датчика</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harlow3(Мини дизайн)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прибор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Линейная от ЭДС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Работа с Флэш</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Калибровка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть профиль…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить профиль…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отменить последнюю запись…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резервная копия перед записью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сравнивать перед записью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить как...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Печатать...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настройки принтера...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить журнал…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выбор порта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скорость обмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Команды</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подключить порт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файлы конфигурации (*.cfg)|*.cfg|Все файлы (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип выхода</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0...5 мА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0...20 мА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4...20 мА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Установить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>У данного типа изделия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>параметры не изменяются</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Технологическая блокировка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>компенсации холодного спая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(на 5 циклов вкл./выкл.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-проводная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-проводная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-проводная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Схема подключения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Компенсация холодного спая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Корнеизвлечение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обрыв датчика</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Точки коррекции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Измеренные значения токов, мА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, Iи1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, Iи2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обнулить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Табличные
значения
токов, мА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Измеренные
значения
токов, мА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iи1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iи2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т, °C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U, мкВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Старт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Непрерывное отображение измеренных значений</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зафиксировать измеренное значение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть окно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подстройка  диапазона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диапазон преобразования</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура, °C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выходной ток, мА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Интерфейс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сом%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сом 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Интерфейс, COM-порт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Интерфейс, скорость обмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подключить Прибор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поиск</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Работа с файлами</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Работа с прибором</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запрос и прием информации от объекта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение eeprom в memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение полиномов в из eeprom и вывод в memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение текущих коэфициентов приведения кода к напряжению</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>График значений монитора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Профили (*.json)|*.json</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось открыть файл профиля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл профиля не в формате JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл не является профилем</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Профиль записан более новой версией программы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В профиле нет прибора или датчика</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Профиль не подходит ни к одному прибору списка:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Профиль для другого прибора (%1); чтобы открыть его, отключите прибор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не применено:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binary files (*.bin)|*.bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Текстовые файлы (*.txt)|*.txt|Все файлы (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В имени файла есть знаки не в кодировке UTF-8: выберите другое имя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файлы CSV (*.csv)|*.csv|Все файлы (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рисунки PNG (*.png)|*.png</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>Запись отменена</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
