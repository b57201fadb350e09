<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message>
        <source>Wenner</source>
        <translation>Веннер</translation>
    </message>
    <message>
        <source>Schlumberger</source>
        <translation>Шлюмберже</translation>
    </message>
    <message>
        <source>Dipole-Dipole</source>
        <translation>Диполь-диполь</translation>
    </message>
    <message>
        <source>Forward Pole-Dipole</source>
        <translation>Поль-диполь прямой</translation>
    </message>
    <message>
        <source>Backward Pole-Dipole</source>
        <translation>Поль-диполь обратный</translation>
    </message>
    <message>
        <source>Pole-Pole</source>
        <translation>Поль-поль</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Градиент</translation>
    </message>
    <message>
        <source>Reciprocal Wenner</source>
        <translation>Взаимный Веннер</translation>
    </message>
    <message>
        <source>Reciprocal Schlumberger</source>
        <translation>Взаимный Шлюмберже</translation>
    </message>
    <message>
        <source>Reciprocal Dipole-Dipole</source>
        <translation>Взаимный диполь-диполь</translation>
    </message>
    <message>
        <source>Reciprocal Pole-Pole</source>
        <translation>Взаимный поль-поль</translation>
    </message>
    <message>
        <source>Reciprocal Gradient</source>
        <translation>Взаимный градиент</translation>
    </message>
    <message>
        <source>Core</source>
        <translation>Ядро</translation>
    </message>
    <message>
        <source>Internal battery indicator</source>
        <translation>Индикатор внутренней батареи</translation>
    </message>
    <message>
        <source>External battery indicator</source>
        <translation>Индикатор внешней батареи</translation>
    </message>
    <message>
        <source>Moisture indicator</source>
        <translation>Индикатор влажности</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Динамик</translation>
    </message>
    <message>
        <source>Real-time clock</source>
        <translation>Часы реального времени</translation>
    </message>
    <message>
        <source>Reference voltage unit</source>
        <translation>Блок опорного напряжения</translation>
    </message>
    <message>
        <source>Internal transmitter</source>
        <translation>Внутренний генератор</translation>
    </message>
    <message>
        <source>Output voltage receiver</source>
        <translation>Приёмник выходного напряжения</translation>
    </message>
    <message>
        <source>Output current receiver</source>
        <translation>Приёмник выходного тока</translation>
    </message>
    <message>
        <source>Transmitter switch</source>
        <translation>Коммутатор генератора</translation>
    </message>
    <message>
        <source>Unknown device</source>
        <translation>Неизвестное устройство</translation>
    </message>
    <message>
        <source>Unknown array</source>
        <translation>Неизвестная установка</translation>
    </message>
    <message>
        <source>Input voltage receiver %1</source>
        <translation>Приёмник входного напряжения %1</translation>
    </message>
    <message>
        <source>Input voltage receiver %1 switch</source>
        <translation>Коммутатор приёмника входного напряжения %1</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <source>Simulated error</source>
        <translation>Имитированная ошибка</translation>
    </message>
    <message>
        <source>Can not establish connection with core</source>
        <translation>Не удаётся установить связь с ядром</translation>
    </message>
    <message>
        <source>Can not send command</source>
        <translation>Не удаётся отправить команду</translation>
    </message>
    <message>
        <source>Can not receive data</source>
        <translation>Не удаётся принять данные</translation>
    </message>
    <message>
        <source>Device "%1" does not respond</source>
        <translation>Устройство "%1" не отвечает</translation>
    </message>
    <message>
        <source>External battery is low</source>
        <translation>Внешняя батарея разряжена</translation>
    </message>
    <message>
        <source>Condensation inside</source>
        <translation>Конденсат внутри прибора</translation>
    </message>
    <message>
        <source>Short circuit (detected by software)</source>
        <translation>Короткое замыкание (обнаружено программно)</translation>
    </message>
    <message>
        <source>Short circuit (detected by hardware)</source>
        <translation>Короткое замыкание (обнаружено аппаратно)</translation>
    </message>
    <message>
        <source>Open circuit (detected by software)</source>
        <translation>Обрыв цепи (обнаружен программно)</translation>
    </message>
    <message>
        <source>External battery is low or short circuit</source>
        <translation>Внешняя батарея разряжена или короткое замыкание</translation>
    </message>
    <message>
        <source>Generator is overheated</source>
        <translation>Генератор перегрет</translation>
    </message>
    <message>
        <source>Canceled by user</source>
        <translation>Отменено пользователем</translation>
    </message>
    <message>
        <source>Code bug</source>
        <translation>Ошибка в программе</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Сессия</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Шаблон</translation>
    </message>
    <message>
        <source>N / A</source>
        <translation>Н / Д</translation>
    </message>
    <message>
        <source>k</source>
        <translation>к</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ом</translation>
    </message>
</context>
<context>
    <name>mClockWidget</name>
    <message>
        <source>Clock</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Мин</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
</context>
<context>
    <name>mDeviceTableWidget</name>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>mGPSWidget</name>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Широта:</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>Н/Д</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Долгота:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Качество:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Время:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
</context>
<context>
    <name>mLanguageWidget</name>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
</context>
<context>
    <name>mMainWidget</name>
    <message>
        <source>MAIN</source>
        <translation>ГЛАВНАЯ</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>НАСТРОЙКИ</translation>
    </message>
    <message>
        <source>TEMPLATES</source>
        <translation>ШАБЛОНЫ</translation>
    </message>
    <message>
        <source>DATA</source>
        <translation>ДАННЫЕ</translation>
    </message>
    <message>
        <source>SYSTEM</source>
        <translation>СИСТЕМА</translation>
    </message>
</context>
<context>
    <name>mPasswordDialog</name>
    <message>
        <source>Enter password</source>
        <translation type="vanished">Введите пароль</translation>
    </message>
    <message>
        <source>1</source>
        <translation type="vanished">1</translation>
    </message>
    <message>
        <source>2</source>
        <translation type="vanished">2</translation>
    </message>
    <message>
        <source>3</source>
        <translation type="vanished">3</translation>
    </message>
    <message>
        <source>4</source>
        <translation type="vanished">4</translation>
    </message>
    <message>
        <source>5</source>
        <translation type="vanished">5</translation>
    </message>
    <message>
        <source>6</source>
        <translation type="vanished">6</translation>
    </message>
    <message>
        <source>7</source>
        <translation type="vanished">7</translation>
    </message>
    <message>
        <source>8</source>
        <translation type="vanished">8</translation>
    </message>
    <message>
        <source>9</source>
        <translation type="vanished">9</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="vanished">Отмена</translation>
    </message>
    <message>
        <source>0</source>
        <translation type="vanished">0</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="vanished">Ввод</translation>
    </message>
</context>
<context>
    <name>mReleaseWidget</name>
    <message>
        <source>Release</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Current version: XXX</source>
        <translation>Текущая версия: XXX</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
</context>
<context>
    <name>mStatusBar</name>
    <message>
        <source>Moisture:</source>
        <translation>Влажность:</translation>
    </message>
    <message>
        <source>Ext. battery:</source>
        <translation>Внеш. батарея:</translation>
    </message>
    <message>
        <source>Int. battery:</source>
        <translation>Внут. батарея:</translation>
    </message>
</context>
<context>
    <name>mSystemWidget</name>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Устройства</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Engineer</source>
        <translation>Инженер</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>mUpdateWidget</name>
    <message>
        <source>Update</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Download, install, restart</source>
        <translation>Загрузить, установить, перезапустить</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
</context>
<context>
    <name>mWarningDialog</name>
    <message>
        <source>Attention!</source>
        <translation>Внимание!</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>woxAddModifyArrayDialog</name>
    <message>
        <source>Add / modify array</source>
        <translation>Добавить / изменить установку</translation>
    </message>
    <message>
        <source>Array:</source>
        <translation>Установка:</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>woxArrangementDialog</name>
    <message>
        <source>Edit arrangement</source>
        <translation>Изменить расстановку</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Cables:</source>
        <translation>Кабели:</translation>
    </message>
    <message>
        <source>Cable spacing:</source>
        <translation>Шаг электродов:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
</context>
<context>
    <name>woxCableConfigDialog</name>
    <message>
        <source>Actions</source>
        <translation>Действия</translation>
    </message>
    <message>
        <source>Current cable</source>
        <translation>Текущий кабель</translation>
    </message>
    <message>
        <source>Cable configuration</source>
        <translation>Конфигурация кабеля</translation>
    </message>
    <message>
        <source>Grounding check</source>
        <translation>Проверка заземления</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Удалённые</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Предыдущий</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Следующий</translation>
    </message>
    <message>
        <source>Check cable</source>
        <translation>Проверить кабель</translation>
    </message>
    <message>
        <source>Disable failed</source>
        <translation>Отключить плохие</translation>
    </message>
    <message>
        <source>Check remote</source>
        <translation>Проверить удалённые</translation>
    </message>
    <message>
        <source>Automatic advance</source>
        <translation>Автопереход</translation>
    </message>
    <message>
        <source>Stop if failed</source>
        <translation>Стоп при отказе</translation>
    </message>
    <message>
        <source>Fail grounding</source>
        <translation>Порог заземления</translation>
    </message>
    <message>
        <source>k</source>
        <translation>к</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ом</translation>
    </message>
    <message>
        <source>Are you sure you want to reset current configuration?</source>
        <translation>Вы уверены, что хотите сбросить текущую конфигурацию?</translation>
    </message>
    <message>
        <source>Are you sure you want to disable failed electrodes?</source>
        <translation>Вы уверены, что хотите отключить плохие электроды?</translation>
    </message>
</context>
<context>
    <name>woxClockWidget</name>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Мин</translation>
    </message>
</context>
<context>
    <name>woxDataMenuWidget</name>
    <message>
        <source>Open session</source>
        <translation>Открыть сессию</translation>
    </message>
    <message>
        <source>Can not find sessions</source>
        <translation>Невозможно найти сессии</translation>
    </message>
    <message>
        <source>System error</source>
        <translation type="vanished">Системная ошибка</translation>
    </message>
</context>
<context>
    <name>woxDeviceTableWidget</name>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Пожалуйста, подождите...</translation>
    </message>
</context>
<context>
    <name>woxERTLoader</name>
    <message>
        <source>A and B electrodes have equal positions</source>
        <translation>Электроды A и B имеют одинаковое положение</translation>
    </message>
    <message>
        <source>M and N electrodes have equal positions</source>
        <translation>Электроды M и N имеют одинаковое положение</translation>
    </message>
    <message>
        <source>Header does not contain electrode %1</source>
        <translation>Заголовок не содержит электрод %1</translation>
    </message>
    <message>
        <source>Header does not contains electrode %1</source>
        <translation>Заголовок не содержит электрод %1</translation>
    </message>
    <message>
        <source>Can not open file for reading</source>
        <translation>Невозможно открыть файл для чтения</translation>
    </message>
    <message>
        <source>Can not find the beginning of header (# X Y Z)</source>
        <translation>Не найдено начало заголовка (# X Y Z)</translation>
    </message>
    <message>
        <source>Electrodes section contains an empty line</source>
        <translation>Раздел электродов содержит пустую строку</translation>
    </message>
    <message>
        <source>Electrode number %1 is not supported</source>
        <translation>Номер электрода %1 не поддерживается</translation>
    </message>
    <message>
        <source>Electrode %1 appears more than once</source>
        <translation>Электрод %1 встречается более одного раза</translation>
    </message>
    <message>
        <source>Electrode %1 has a coordinate that is not a finite number</source>
        <translation>Координата электрода %1 не является конечным числом</translation>
    </message>
    <message>
        <source>Can not read data from file</source>
        <translation>Невозможно прочитать данные из файла</translation>
    </message>
    <message>
        <source>(row: %1)</source>
        <translation>(строка: %1)</translation>
    </message>
</context>
<context>
    <name>woxERTTableDialog</name>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>woxERTTemplateWidget</name>
    <message>
        <source>Move</source>
        <translation>Сдвиг</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>Estimate duration</source>
        <translation>Оценить длительность</translation>
    </message>
    <message>
        <source>Close template</source>
        <translation>Закрыть шаблон</translation>
    </message>
    <message>
        <source>Save template</source>
        <translation>Сохранить шаблон</translation>
    </message>
    <message>
        <source>X [m]</source>
        <translation>X [м]</translation>
    </message>
    <message>
        <source>Y [m]</source>
        <translation>Y [м]</translation>
    </message>
    <message>
        <source>Z [m]</source>
        <translation>Z [м]</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Графика</translation>
    </message>
    <message>
        <source>Electrode</source>
        <translation>Электрод</translation>
    </message>
    <message>
        <source>Measurements:</source>
        <translation>Измерений:</translation>
    </message>
    <message>
        <source>runs:</source>
        <translation>запусков:</translation>
    </message>
    <message>
        <source>duration:</source>
        <translation>длительность:</translation>
    </message>
    <message>
        <source>File exists, do you want to overwrite it?</source>
        <translation>Файл существует, перезаписать его?</translation>
    </message>
    <message>
        <source>Can not open file for writing</source>
        <translation>Не удаётся открыть файл для записи</translation>
    </message>
    <message>
        <source>Can not write data to file</source>
        <translation>Не удаётся записать данные в файл</translation>
    </message>
    <message>
        <source>Do you want to save this template?</source>
        <translation>Сохранить этот шаблон?</translation>
    </message>
</context>
<context>
    <name>woxEngineerWidget</name>
    <message>
        <source>Setup and testing</source>
        <translation>Настройка и проверка</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Please remove everything (except supply) connected to device sockets before starting every operation!</source>
        <translation>Перед началом каждой операции отключите от гнёзд прибора всё, кроме питания!</translation>
    </message>
    <message>
        <source>Save log?</source>
        <translation>Сохранить журнал?</translation>
    </message>
    <message>
        <source>Can not write data to file</source>
        <translation>Невозможно записать данные в файл</translation>
    </message>
    <message>
        <source>Are you ready to continue?</source>
        <translation>Готовы продолжить?</translation>
    </message>
    <message>
        <source>Did USB drive appear?</source>
        <translation>Появился ли USB-диск?</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Adjust Rx channels</source>
        <translation>Настройка каналов Rx</translation>
    </message>
    <message>
        <source>Check Rx channels adjustment</source>
        <translation>Проверка настройки каналов Rx</translation>
    </message>
    <message>
        <source>Check A and B sockets and Rx channels for Tx monitoring</source>
        <translation>Проверка гнёзд A и B и каналов Rx контроля Tx</translation>
    </message>
    <message>
        <source>Check Tx and Rx switches interconnections</source>
        <translation>Проверка соединений коммутаторов Tx и Rx</translation>
    </message>
    <message>
        <source>Check M and N sockets</source>
        <translation>Проверка гнёзд M и N</translation>
    </message>
    <message>
        <source>Check Tx%1 and Rx%1 sockets</source>
        <translation>Проверка гнёзд Tx%1 и Rx%1</translation>
    </message>
    <message>
        <source>Check 1...32 cable socket</source>
        <translation>Проверка разъёма кабеля 1...32</translation>
    </message>
    <message>
        <source>Check 33...64 cable socket</source>
        <translation>Проверка разъёма кабеля 33...64</translation>
    </message>
    <message>
        <source>Check USB</source>
        <translation>Проверка USB</translation>
    </message>
    <message>
        <source>Check LAN</source>
        <translation>Проверка LAN</translation>
    </message>
    <message>
        <source>Check Tx low supply voltage protection</source>
        <translation>Проверка защиты Tx от низкого напряжения питания</translation>
    </message>
    <message>
        <source>Check Tx short circuit protection</source>
        <translation>Проверка защиты Tx от короткого замыкания</translation>
    </message>
    <message>
        <source>Check Tx output power</source>
        <translation>Проверка выходной мощности Tx</translation>
    </message>
    <message>
        <source>Check Tx output voltage</source>
        <translation>Проверка выходного напряжения Tx</translation>
    </message>
    <message>
        <source>Check 1...32 cable isolation</source>
        <translation>Проверка изоляции кабеля 1...32</translation>
    </message>
    <message>
        <source>Check 33...64 cable isolation</source>
        <translation>Проверка изоляции кабеля 33...64</translation>
    </message>
    <message>
        <source>Check Tx operability (1 hour)</source>
        <translation>Проверка работоспособности Tx (1 час)</translation>
    </message>
    <message>
        <source>Check Rx channels polarity</source>
        <translation>Проверка полярности каналов Rx</translation>
    </message>
    <message>
        <source>Check Tx output current</source>
        <translation>Проверка выходного тока Tx</translation>
    </message>
    <message>
        <source>Check GPS</source>
        <translation>Проверка GPS</translation>
    </message>
    <message>
        <source>Check Tx overheat protection</source>
        <translation>Проверка защиты Tx от перегрева</translation>
    </message>
    <message>
        <source>Check Rx channels reproducibility</source>
        <translation>Проверка повторяемости каналов Rx</translation>
    </message>
    <message>
        <source>Please connect A and B sockets with resistor:</source>
        <translation>Подключите к гнёздам A и B резистор:</translation>
    </message>
    <message>
        <source>Please connect M and N sockets with resistor:</source>
        <translation>Подключите к гнёздам M и N резистор:</translation>
    </message>
    <message>
        <source>Please connect Tx%1 and Rx%1 sockets with resistor:</source>
        <translation>Подключите к гнёздам Tx%1 и Rx%1 резистор:</translation>
    </message>
    <message>
        <source>resistance: %1 kOhm %2 %3 %,</source>
        <translation>сопротивление: %1 кОм %2 %3 %,</translation>
    </message>
    <message>
        <source>resistance: %1 kOhm %2 %3 % or more,</source>
        <translation>сопротивление: %1 кОм %2 %3 % или более,</translation>
    </message>
    <message>
        <source>resistance: %1 Ohm %2 %3 %,</source>
        <translation>сопротивление: %1 Ом %2 %3 %,</translation>
    </message>
    <message>
        <source>resistance: %1 Ohm %2 %3 % or more,</source>
        <translation>сопротивление: %1 Ом %2 %3 % или более,</translation>
    </message>
    <message>
        <source>max. power: %1 W or more,</source>
        <translation>макс. мощность: %1 Вт или более,</translation>
    </message>
    <message>
        <source>max power: %1 W or more.</source>
        <translation>макс. мощность: %1 Вт или более.</translation>
    </message>
    <message>
        <source>max voltage: %1 V or more.</source>
        <translation>макс. напряжение: %1 В или более.</translation>
    </message>
    <message>
        <source>Rx channels are going to be adjusted.</source>
        <translation>Каналы Rx будут настроены.</translation>
    </message>
    <message>
        <source>Rx channels are going to be tested.</source>
        <translation>Каналы Rx будут проверены.</translation>
    </message>
    <message>
        <source>Please connect checking module to 1...32 socket.</source>
        <translation>Подключите проверочный модуль к разъёму 1...32.</translation>
    </message>
    <message>
        <source>Please connect checking module to 33...64 socket.</source>
        <translation>Подключите проверочный модуль к разъёму 33...64.</translation>
    </message>
    <message>
        <source>Please connect USB sockets of this device and
powered-on computer with USB cable.</source>
        <translation>Соедините USB-кабелем гнёзда USB этого прибора
и включённого компьютера.</translation>
    </message>
    <message>
        <source>Please connect LAN sockets of this device and
local network with patch cord and wait for 20 seconds.</source>
        <translation>Соедините патч-кордом гнездо LAN этого прибора
с локальной сетью и подождите 20 секунд.</translation>
    </message>
    <message>
        <source>Please make supply voltage less than %1 V.</source>
        <translation>Сделайте напряжение питания меньше %1 В.</translation>
    </message>
    <message>
        <source>Please connect A and B sockets with a wire to
make short circuit.</source>
        <translation>Соедините гнёзда A и B проводом,
чтобы сделать короткое замыкание.</translation>
    </message>
    <message>
        <source>Please connect multi-electrode cable to 1...32 socket.</source>
        <translation>Подключите многоэлектродный кабель к разъёму 1...32.</translation>
    </message>
    <message>
        <source>Please connect multi-electrode cable to 33...64 socket.</source>
        <translation>Подключите многоэлектродный кабель к разъёму 33...64.</translation>
    </message>
    <message>
        <source>GPS receiver is going to be tested.</source>
        <translation>Приёмник GPS будет проверен.</translation>
    </message>
    <message>
        <source>Please start heating Tx.</source>
        <translation>Начните нагрев Tx.</translation>
    </message>
    <message>
        <source>Please connect reference voltage source (%1 %2 mV) to A and B sockets.</source>
        <translation>Подключите к гнёздам A и B источник опорного напряжения (%1 %2 мВ).</translation>
    </message>
    <message>
        <source>IPv4/IPv6 address: %1</source>
        <translation>Адрес IPv4/IPv6: %1</translation>
    </message>
    <message>
        <source>Detecting USB appearance</source>
        <translation>Обнаружение USB</translation>
    </message>
</context>
<context>
    <name>woxFileTableDataModel</name>
    <message>
        <source>Cbl</source>
        <translation>Кбл</translation>
    </message>
    <message>
        <source>CS</source>
        <translation>РШ</translation>
    </message>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <source>Qdps</source>
        <translation>Квдр</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Запуски</translation>
    </message>
</context>
<context>
    <name>woxFileTableDialog</name>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>woxGPSWidget</name>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Широта:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Долгота:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Качество:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Время:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>Н/Д</translation>
    </message>
    <message>
        <source>high</source>
        <translation>высокое</translation>
    </message>
    <message>
        <source>low</source>
        <translation>низкое</translation>
    </message>
</context>
<context>
    <name>woxKeyboardDialog</name>
    <message>
        <source>Input file name:</source>
        <translation>Введите имя файла:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Ввод</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Регистр</translation>
    </message>
    <message>
        <source>Timestamp</source>
        <translation>Метка времени</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Стереть</translation>
    </message>
    <message>
        <source>File name is empty</source>
        <translation>Имя файла не задано</translation>
    </message>
    <message>
        <source>File name must not start with a dot</source>
        <translation>Имя файла не должно начинаться с точки</translation>
    </message>
</context>
<context>
    <name>woxLanguageWidget</name>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
</context>
<context>
    <name>woxMainWidget</name>
    <message>
        <source>MAIN</source>
        <translation>ГЛАВНАЯ</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>НАСТРОЙКИ</translation>
    </message>
    <message>
        <source>TEMPLATES</source>
        <translation>ШАБЛОНЫ</translation>
    </message>
    <message>
        <source>DATA</source>
        <translation>ДАННЫЕ</translation>
    </message>
    <message>
        <source>SYSTEM</source>
        <translation>СИСТЕМА</translation>
    </message>
</context>
<context>
    <name>woxMoveDialog</name>
    <message>
        <source>Move</source>
        <translation>Сдвиг</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
</context>
<context>
    <name>woxOptionsWidget</name>
    <message>
        <source>Pulses</source>
        <translation>Импульсы</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Качество</translation>
    </message>
    <message>
        <source>Transmitter voltage</source>
        <translation>Напряжение генератора</translation>
    </message>
    <message>
        <source>Pulse duration</source>
        <translation>Длительность импульса</translation>
    </message>
    <message>
        <source>msec</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>Pause duration</source>
        <translation>Длительность паузы</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Гц</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Режим:</translation>
    </message>
    <message>
        <source>Relative standart deviation</source>
        <translation>Отн. стандартное отклонение</translation>
    </message>
    <message>
        <source>Min cycles:</source>
        <translation>Минимум циклов:</translation>
    </message>
    <message>
        <source>Max cycles:</source>
        <translation>Максимум циклов:</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
    <message>
        <source>RESISTIVITY</source>
        <translation>УЭС</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>ВП</translation>
    </message>
</context>
<context>
    <name>woxPasswordDialog</name>
    <message>
        <source>Enter password</source>
        <translation>Введите пароль</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Ввод</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>woxPseudoSectionPlot</name>
    <message>
        <source>Go to</source>
        <translation>Перейти</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected measurement?</source>
        <translation>Вы уверены, что хотите удалить выбранное измерение?</translation>
    </message>
</context>
<context>
    <name>woxReleaseWidget</name>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>Текущая версия</translation>
    </message>
    <message>
        <source>Uk</source>
        <translation>Ru</translation>
    </message>
</context>
<context>
    <name>woxScaleDialog</name>
    <message>
        <source>Scale</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>woxSessionDataModel</name>
    <message>
        <source>Can not open file for reading</source>
        <translation>Невозможно открыть файл для чтения</translation>
    </message>
    <message>
        <source>Can not read data from file</source>
        <translation>Невозможно прочитать данные из файла</translation>
    </message>
    <message>
        <source>Session is corrupted</source>
        <translation>Сессия повреждена</translation>
    </message>
    <message>
        <source>File exists, do you want to overwrite it?</source>
        <translation>Файл существует, перезаписать его?</translation>
    </message>
    <message>
        <source>Can not write data to file</source>
        <translation>Невозможно записать данные в файл</translation>
    </message>
    <message>
        <source>Can not open file for writing</source>
        <translation>Невозможно открыть файл для записи</translation>
    </message>
    <message>
        <source>N / A</source>
        <translation>Н / Д</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ом</translation>
    </message>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <source>Rx</source>
        <translation>Пр</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>мА</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Вт</translation>
    </message>
    <message>
        <source>mV</source>
        <translation>мВ</translation>
    </message>
    <message>
        <source>mV/V</source>
        <translation>мВ/В</translation>
    </message>
    <message>
        <source>IP options were changed since last session. Change back?</source>
        <translation>Параметры ВП изменились с прошлой сессии. Вернуть прежние?</translation>
    </message>
    <message>
        <source>IP options of this session can not be restored</source>
        <translation>Параметры ВП этой сессии невозможно восстановить</translation>
    </message>
    <message>
        <source>Measurement center:</source>
        <translation>Центр измерения:</translation>
    </message>
    <message>
        <source>Pseudo depth:</source>
        <translation>Псевдоглубина:</translation>
    </message>
</context>
<context>
    <name>woxSessionMenuWidget</name>
    <message>
        <source>Start new session</source>
        <translation>Начать новую сессию</translation>
    </message>
    <message>
        <source>Start new Varnex session</source>
        <translation>Начать новую сессию по списку Варнекс</translation>
    </message>
    <message>
        <source>Open previous session</source>
        <translation>Открыть предыдущую сессию</translation>
    </message>
    <message>
        <source>Can not find previous session</source>
        <translation>Невозможно найти предыдущую сессию</translation>
    </message>
    <message>
        <source>System error</source>
        <translation type="vanished">Системная ошибка</translation>
    </message>
</context>
<context>
    <name>woxSessionModeDialog</name>
    <message>
        <source>Session mode</source>
        <translation>Режим сессии</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Полная</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Cable segment to append:</source>
        <translation>Добавляемый сегмент кабеля:</translation>
    </message>
</context>
<context>
    <name>woxSessionWidget</name>
    <message>
        <source>Left:</source>
        <translation>Осталось:</translation>
    </message>
    <message>
        <source>too long</source>
        <translation>слишком долго</translation>
    </message>
    <message>
        <source>Can not find templates</source>
        <translation>Невозможно найти шаблоны</translation>
    </message>
    <message>
        <source>Previous session was not finished. Start a new session and discard its measurements?</source>
        <translation>Предыдущая сессия не была завершена. Начать новую сессию и отказаться от её измерений?</translation>
    </message>
    <message>
        <source>Can not write data to file</source>
        <translation>Невозможно записать данные в файл</translation>
    </message>
    <message>
        <source>There are no measurements in session</source>
        <translation>В сессии нет измерений</translation>
    </message>
    <message>
        <source>It is all done</source>
        <translation>Всё выполнено</translation>
    </message>
    <message>
        <source>Do you want to save current session?</source>
        <translation>Сохранить текущую сессию?</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Графика</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Signals</source>
        <translation>Сигналы</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Завершить</translation>
    </message>
    <message>
        <source>Current set:</source>
        <translation>Текущий набор:</translation>
    </message>
    <message>
        <source>Display:</source>
        <translation>Показать:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Режим:</translation>
    </message>
    <message>
        <source>Pseudo section</source>
        <translation>Псевдоразрез</translation>
    </message>
    <message>
        <source>Sounding curves</source>
        <translation>Кривые зондирования</translation>
    </message>
    <message>
        <source>Profile curves</source>
        <translation>Кривые профилирования</translation>
    </message>
    <message>
        <source>Resistivity</source>
        <translation>Сопротивление</translation>
    </message>
    <message>
        <source>Chargeability</source>
        <translation>Поляризуемость</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ом</translation>
    </message>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <source>P s e u d o  d e p t h  [m]</source>
        <translation>П с е в д о г л у б и н а  [м]</translation>
    </message>
    <message>
        <source>M e a s u r e m e n t  c e n t e r  [m]</source>
        <translation>Ц е н т р  и з м е р е н и я  [м]</translation>
    </message>
    <message>
        <source>A p p a r e n t  r e s i s t i v i t y</source>
        <translation>К а ж у щ е е с я  с о п р о т и в л е н и е</translation>
    </message>
    <message>
        <source>A p p a r e n t  c h a r g e a b i l i t y  [mV/V]</source>
        <translation>К а ж у щ а я с я  п о л я р и з у е м о с т ь  [мВ/В]</translation>
    </message>
    <message>
        <source>P
s
e
u
d
o

d
e
p
t
h

[m]</source>
        <translation>П
с
е
в
д
о
г
л
у
б
и
н
а

[м]</translation>
    </message>
    <message>
        <source>A
p
p
a
r
e
n
t

r
e
s
i
s
t
i
v
i
t
y</source>
        <translation>К
а
ж
у
щ
е
е
с
я

с
о
п
р
о
т
и
в
л
е
н
и
е</translation>
    </message>
    <message>
        <source>A
p
p
a
r
e
n
t

c
h
a
r
g
e
a
b
i
l
i
t
y

[mV/V]</source>
        <translation>К
а
ж
у
щ
а
я
с
я

п
о
л
я
р
и
з
у
е
м
о
с
т
ь

[мВ/В]</translation>
    </message>
    <message>
        <source>System error</source>
        <translation>Системная ошибка</translation>
    </message>
</context>
<context>
    <name>woxSignalWidget</name>
    <message>
        <source>Bad</source>
        <translation>Брак</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Input voltage</source>
        <translation>Входное напряжение</translation>
    </message>
    <message>
        <source>Output voltage</source>
        <translation>Выходное напряжение</translation>
    </message>
    <message>
        <source>Output current</source>
        <translation>Выходной ток</translation>
    </message>
    <message>
        <source>T i m e  [msec]</source>
        <translation>В р е м я  [мс]</translation>
    </message>
    <message>
        <source>Tx

V
o
l
t
a
g
e

[V]</source>
        <translation>Tx

Н
а
п
р
я
ж
е
н
и
е

[В]</translation>
    </message>
    <message>
        <source>Tx

C
u
r
r
e
n
t

[mA]</source>
        <translation>Tx

Т
о
к

[мА]</translation>
    </message>
    <message>
        <source>Rx

V
o
l
t
a
g
e

[mV]</source>
        <translation>Rx

Н
а
п
р
я
ж
е
н
и
е

[мВ]</translation>
    </message>
</context>
<context>
    <name>woxSoundingCurvePlot</name>
    <message>
        <source>Go to</source>
        <translation>Перейти</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected measurement?</source>
        <translation>Вы уверены, что хотите удалить выбранное измерение?</translation>
    </message>
</context>
<context>
    <name>woxStatusBar</name>
    <message>
        <source>Moisture:</source>
        <translation>Влажность:</translation>
    </message>
    <message>
        <source>Ext. battery:</source>
        <translation>Внеш. батарея:</translation>
    </message>
    <message>
        <source>Int. battery:</source>
        <translation>Внут. батарея:</translation>
    </message>
    <message>
        <source>System time seems to be invalid</source>
        <translation>Системное время выставлено неверно</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
</context>
<context>
    <name>woxSystemWidget</name>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Устройства</translation>
    </message>
    <message>
        <source>Engineer</source>
        <translation>Инженер</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>System error</source>
        <translation>Системная ошибка</translation>
    </message>
    <message>
        <source>Stop all activities to exit</source>
        <translation>Остановите все процессы для выхода</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Вы уверены, что хотите выйти?</translation>
    </message>
    <message>
        <source>Stop all activities to enter USB storage mode</source>
        <translation>Остановите все процессы для входа в режим USB-накопителя</translation>
    </message>
    <message>
        <source>Press OK to leave USB storage mode</source>
        <translation>Нажмите OK для выхода из режима USB-накопителя</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Пожалуйста, подождите...</translation>
    </message>
    <message>
        <source>Stop all activities to enter engineer mode</source>
        <translation>Остановите все процессы для входа в инженерный режим</translation>
    </message>
    <message>
        <source>Stop all activities to update</source>
        <translation>Остановите все процессы для обновления</translation>
    </message>
</context>
<context>
    <name>woxTemplateDataModel</name>
    <message>
        <source>Template contains too many measurements</source>
        <translation>Шаблон содержит слишком много измерений</translation>
    </message>
    <message>
        <source>Template is empty</source>
        <translation>Шаблон пуст</translation>
    </message>
    <message>
        <source>Template contains an empty set</source>
        <translation>Шаблон содержит пустой набор</translation>
    </message>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <source>Can not add one more set</source>
        <translation>Невозможно добавить ещё один набор</translation>
    </message>
    <message>
        <source>Set was cloned successfully</source>
        <translation>Набор успешно скопирован</translation>
    </message>
    <message>
        <source>Are you sure you want to remove current set?</source>
        <translation>Вы уверены, что хотите удалить текущий набор?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear surrent set?</source>
        <translation>Вы уверены, что хотите очистить текущий набор?</translation>
    </message>
    <message>
        <source>Can not open file for reading</source>
        <translation>Невозможно открыть файл для чтения</translation>
    </message>
    <message>
        <source>Can not read data from file</source>
        <translation>Невозможно прочитать данные из файла</translation>
    </message>
    <message>
        <source>Template is corrupted</source>
        <translation>Шаблон повреждён</translation>
    </message>
    <message>
        <source>File exists, do you want to overwrite it?</source>
        <translation>Файл существует, перезаписать его?</translation>
    </message>
    <message>
        <source>Can not open file for writing</source>
        <translation>Невозможно открыть файл для записи</translation>
    </message>
    <message>
        <source>Can not write data to file</source>
        <translation>Невозможно записать данные в файл</translation>
    </message>
</context>
<context>
    <name>woxTemplateMenuWidget</name>
    <message>
        <source>New template</source>
        <translation>Новый шаблон</translation>
    </message>
    <message>
        <source>Open template</source>
        <translation>Открыть шаблон</translation>
    </message>
    <message>
        <source>Open Varnex template</source>
        <translation>Открыть шаблон Varnex</translation>
    </message>
    <message>
        <source>Can not find templates</source>
        <translation>Не удаётся найти шаблоны</translation>
    </message>
    <message>
        <source>System error</source>
        <translation>Системная ошибка</translation>
    </message>
</context>
<context>
    <name>woxTemplatePlot</name>
    <message>
        <source>Grounding is not checked yet, are you sure you want to continue?</source>
        <translation>Заземление ещё не проверено, вы уверены, что хотите продолжить?</translation>
    </message>
    <message>
        <source>This quadripole contains disabled electrode</source>
        <translation>Этот квадриполь содержит отключённый электрод</translation>
    </message>
    <message>
        <source>Signals</source>
        <translation>Сигналы</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>woxTemplateWidget</name>
    <message>
        <source>Arrangement</source>
        <translation>Расстановка</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Действия</translation>
    </message>
    <message>
        <source>Estimate duration</source>
        <translation>Оценить длительность</translation>
    </message>
    <message>
        <source>Save template</source>
        <translation>Сохранить шаблон</translation>
    </message>
    <message>
        <source>Check grounding</source>
        <translation>Проверить заземление</translation>
    </message>
    <message>
        <source>Close template</source>
        <translation>Закрыть шаблон</translation>
    </message>
    <message>
        <source>Edit arrangement</source>
        <translation>Изменить расстановку</translation>
    </message>
    <message>
        <source>Cables:</source>
        <translation>Косы:</translation>
    </message>
    <message>
        <source>Cable spacing:</source>
        <translation>Шаг электродов:</translation>
    </message>
    <message>
        <source>Profile length:</source>
        <translation>Длина профиля:</translation>
    </message>
    <message>
        <source>Electrodes:</source>
        <translation>Электроды:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общее</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Графика</translation>
    </message>
    <message>
        <source>Current set:</source>
        <translation>Текущий набор:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Clone</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>S
p
a
c
i
n
g</source>
        <translation>Р
а
з
н
о
с</translation>
    </message>
    <message>
        <source>System error</source>
        <translation>Системная ошибка</translation>
    </message>
    <message>
        <source>Measurements:</source>
        <translation>Измерений:</translation>
    </message>
    <message>
        <source>runs:</source>
        <translation>запусков:</translation>
    </message>
    <message>
        <source>duration:</source>
        <translation>длительность:</translation>
    </message>
    <message>
        <source>Do you want to save this template?</source>
        <translation>Сохранить этот шаблон?</translation>
    </message>
</context>
<context>
    <name>woxUpdateWidget</name>
    <message>
        <source>Update</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Download, install, restart</source>
        <translation>Загрузить, установить, перезапустить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>System error</source>
        <translation>Системная ошибка</translation>
    </message>
    <message>
        <source>Connecting to server...</source>
        <translation>Соединение с сервером...</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>Closing...</source>
        <translation>Завершение...</translation>
    </message>
    <message>
        <source>Network error</source>
        <translation>Ошибка сети</translation>
    </message>
    <message>
        <source>Update is available</source>
        <translation>Доступно обновление</translation>
    </message>
    <message>
        <source>There is no update yet</source>
        <translation>Обновлений пока нет</translation>
    </message>
    <message>
        <source>Downloaded update is corrupted</source>
        <translation>Загруженное обновление повреждено</translation>
    </message>
    <message>
        <source>Restarting...</source>
        <translation>Перезапуск...</translation>
    </message>
</context>
<context>
    <name>woxWarningDialog</name>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Attention!</source>
        <translation>Внимание!</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
</TS>
