<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Adjustment</name>
    <message>
        <source>Pole N/S</source>
        <translation>Мачта N/S</translation>
    </message>
    <message>
        <source>NS</source>
        <translation>NS</translation>
    </message>
    <message>
        <source>Mounting pole North/South roll</source>
        <translation>Наклон опорной мачты к северу/югу</translation>
    </message>
    <message>
        <source>Pole E/W</source>
        <translation>Мачта E/W</translation>
    </message>
    <message>
        <source>EW</source>
        <translation>EW</translation>
    </message>
    <message>
        <source>Mounting pole East/West roll</source>
        <translation>Наклон опорной мачты к востоку/западу</translation>
    </message>
    <message>
        <source>Motor azimuth</source>
        <translation>Азимут мотора</translation>
    </message>
    <message>
        <source>Motor Az</source>
        <translation>Аз. мотора</translation>
    </message>
    <message>
        <source>MA</source>
        <translation>MA</translation>
    </message>
    <message>
        <source>Motor azimuthal shift (on mounting pole)</source>
        <translation>Поворот мотора по азимуту (на мачте)</translation>
    </message>
    <message>
        <source>Motor elevation</source>
        <translation>Элевация мотора</translation>
    </message>
    <message>
        <source>Motor Elv</source>
        <translation>Элев. мотора</translation>
    </message>
    <message>
        <source>EL</source>
        <translation>EL</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Элевация</translation>
    </message>
    <message>
        <source>Dish azimuth</source>
        <translation>Азимут антенны</translation>
    </message>
    <message>
        <source>Dish Az</source>
        <translation>Аз. антенны</translation>
    </message>
    <message>
        <source>DA</source>
        <translation>DA</translation>
    </message>
    <message>
        <source>Dish azimuthal shift (on motor pole)</source>
        <translation>Поворот антенны по азимуту (на трубе мотора)</translation>
    </message>
    <message>
        <source>Dish declination</source>
        <translation>Склонение антенны</translation>
    </message>
    <message>
        <source>Dish Decl</source>
        <translation>Скл. антенны</translation>
    </message>
    <message>
        <source>DC</source>
        <translation>DC</translation>
    </message>
    <message>
        <source>Declination</source>
        <translation>Склонение</translation>
    </message>
    <message>
        <source>pole north/south</source>
        <translation>наклон мачты север/юг</translation>
    </message>
    <message>
        <source>pole east/west</source>
        <translation>наклон мачты восток/запад</translation>
    </message>
    <message>
        <source>motor azimuth</source>
        <translation>азимут мотора</translation>
    </message>
    <message>
        <source>motor elevation</source>
        <translation>угол места мотора</translation>
    </message>
    <message>
        <source>dish azimuth</source>
        <translation>азимут антенны</translation>
    </message>
    <message>
        <source>dish declination</source>
        <translation>склонение антенны</translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Reading receiver files...</source>
        <translation>Чтение файлов ресивера...</translation>
    </message>
</context>
<context>
    <name>io</name>
    <message>
        <source>no such file</source>
        <translation>нет такого файла</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>это папка, а не файл</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>cannot list the folder: %1</source>
        <translation>не удаётся прочитать папку: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>a folder is read as .ini files or scan tables, not as %1</source>
        <translation>папка читается как файлы .ini или таблицы поиска, а не как %1</translation>
    </message>
    <message>
        <source>cannot tell which format it is in</source>
        <translation>не удаётся определить формат</translation>
    </message>
    <message>
        <source>a list of channels (%1) names positions, not satellites</source>
        <translation>список каналов (%1) называет позиции, а не спутники</translation>
    </message>
    <message>
        <source>line %1 is longer than %2</source>
        <translation>строка %1 длиннее %2</translation>
    </message>
    <message>
        <source>cannot read it</source>
        <translation>не удаётся прочитать</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>он больше %1</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 МиБ</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 КиБ</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 байт</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 байт</translation>
    </message>
    <message>
        <source>cannot open it: %1</source>
        <translation>не удаётся открыть: %1</translation>
    </message>
    <message>
        <source>cannot read it: %1</source>
        <translation>не удаётся прочитать: %1</translation>
    </message>
    <message>
        <source>cannot write it: %1</source>
        <translation>не удаётся записать: %1</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>нет имени файла</translation>
    </message>
    <message>
        <source>the import was cancelled</source>
        <translation>импорт отменён</translation>
    </message>
    <message>
        <source>no satellites in %1: is it a satellite list?</source>
        <translation>в %1 нет спутников: это список спутников?</translation>
    </message>
</context>
<context>
    <name>observations</name>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>the header must be %1</source>
        <translation>заголовок должен быть %1</translation>
    </message>
    <message>
        <source>expected 3 fields (position,motorAngle,offset), found %1</source>
        <translation>ожидалось 3 поля (position,motorAngle,offset), найдено %1</translation>
    </message>
    <message>
        <source>the position is missing</source>
        <translation>нет позиции</translation>
    </message>
    <message>
        <source>the position is neither 0 to 3599 tenths nor a label like 19.2E</source>
        <translation>позиция не является ни числом десятых от 0 до 3599, ни меткой вида 19.2E</translation>
    </message>
    <message>
        <source>the motor angle is missing</source>
        <translation>нет угла мотора</translation>
    </message>
    <message>
        <source>the motor angle is not a number</source>
        <translation>угол мотора — не число</translation>
    </message>
    <message>
        <source>the motor angle is out of range (-180 to 180 degrees)</source>
        <translation>угол мотора вне диапазона (от -180 до 180 градусов)</translation>
    </message>
    <message>
        <source>the offset is not a number</source>
        <translation>смещение — не число</translation>
    </message>
    <message>
        <source>the offset is out of range (-90 to 90 degrees)</source>
        <translation>смещение вне диапазона (от -90 до 90 градусов)</translation>
    </message>
    <message>
        <source>the line is longer than %1</source>
        <translation>строка длиннее %1</translation>
    </message>
    <message>
        <source>no observations</source>
        <translation>нет наблюдений</translation>
    </message>
    <message>
        <source>a position is out of range</source>
        <translation>позиция вне диапазона</translation>
    </message>
    <message>
        <source>%1 is below the horizon here</source>
        <translation>%1 здесь ниже горизонта</translation>
    </message>
</context>
<context>
    <name>setup</name>
    <message>
        <source>it ends early</source>
        <translation>он обрывается раньше времени</translation>
    </message>
    <message>
        <source>the %1 is out of range</source>
        <translation>значение вне диапазона: %1</translation>
    </message>
    <message>
        <source>the %1 limits are out of range</source>
        <translation>пределы вне диапазона: %1</translation>
    </message>
    <message>
        <source>the %1 is outside its limits</source>
        <translation>значение за своими пределами: %1</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>широта</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>долгота</translation>
    </message>
    <message>
        <source>altitude</source>
        <translation>высота</translation>
    </message>
</context>
<context>
    <name>texts</name>
    <message>
        <source>About Zenbelts</source>
        <translation>О программе Zenbelts</translation>
    </message>
    <message>
        <source>Zenbelts Version %1</source>
        <translation>Zenbelts, версия %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or any later version.</source>
        <translation>Свободная программа под лицензией GNU General Public License версии 3 или любой более поздней версии.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Zenbelt</source>
        <translation>Zenbelt</translation>
    </message>
    <message>
        <source>Zenbelt Files (*.zb)</source>
        <translation>Файлы Zenbelt (*.zb)</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Создать новый документ</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Открыть существующий документ</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>Закрыть активный документ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Сохранить активный документ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Сохранить активный документ под новым именем</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Напечатать активный документ</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Показать страницы целиком</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Предварительный просмотр</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Выбрать принтер и параметры печати</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Настройка печати</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Открыть этот документ</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Выйти из программы</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Отменить последнее действие</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Вырезать выделенное и поместить в буфер обмена</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Копировать выделенное в буфер обмена</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Вставить содержимое буфера обмена</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Update location, ranges and satellites</source>
        <translation>Изменить местоположение, пределы и спутники</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>Set default values for current location</source>
        <translation>Установить значения по умолчанию для текущего местоположения</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Показать или скрыть панель инструментов</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Показать или скрыть строку состояния</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Строка состояния</translation>
    </message>
    <message>
        <source>Show or hide the tooltips of the adjustment panel</source>
        <translation>Показать или скрыть подсказки панели регулировок</translation>
    </message>
    <message>
        <source>Show tooltips</source>
        <translation>Показывать подсказки</translation>
    </message>
    <message>
        <source>Open another window for the active document</source>
        <translation>Открыть ещё одно окно для активного документа</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Новое окно</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap</source>
        <translation>Расположить окна с перекрытием</translation>
    </message>
    <message>
        <source>Cascade Windows</source>
        <translation>Окна каскадом</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles</source>
        <translation>Расположить окна без перекрытия</translation>
    </message>
    <message>
        <source>Tile Windows</source>
        <translation>Окна мозаикой</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window</source>
        <translation>Упорядочить значки в нижней части окна</translation>
    </message>
    <message>
        <source>Arrange Icons</source>
        <translation>Упорядочить значки</translation>
    </message>
    <message>
        <source>Set motor elevation and declination for the smallest miss across the arc</source>
        <translation>Подобрать элевацию мотора и склонение для наименьшего отклонения по всей дуге</translation>
    </message>
    <message>
        <source>Optimise</source>
        <translation>Оптимизировать</translation>
    </message>
    <message>
        <source>Find how the mount really stands from what was found at the dish</source>
        <translation>Определить фактическую установку подвеса по замерам у антенны</translation>
    </message>
    <message>
        <source>Diagnose</source>
        <translation>Диагностика</translation>
    </message>
    <message>
        <source>Activate the next document window</source>
        <translation>Перейти к следующему окну документа</translation>
    </message>
    <message>
        <source>Next Window</source>
        <translation>Следующее окно</translation>
    </message>
    <message>
        <source>Activate the previous document window</source>
        <translation>Перейти к предыдущему окну документа</translation>
    </message>
    <message>
        <source>Previous Window</source>
        <translation>Предыдущее окно</translation>
    </message>
    <message>
        <source>Close the active document window</source>
        <translation>Закрыть активное окно документа</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Закрыть окно</translation>
    </message>
    <message>
        <source>Move to the next part of the window</source>
        <translation>Перейти к следующей области окна</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Следующая область</translation>
    </message>
    <message>
        <source>Move to the previous part of the window</source>
        <translation>Перейти к предыдущей области окна</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Предыдущая область</translation>
    </message>
    <message>
        <source>Show or hide the table of misses</source>
        <translation>Показать или скрыть таблицу отклонений</translation>
    </message>
    <message>
        <source>Misses</source>
        <translation>Отклонения</translation>
    </message>
    <message>
        <source>Show the site to enter into the receiver and its motor commands</source>
        <translation>Показать координаты для ввода в ресивер и команды мотора</translation>
    </message>
    <message>
        <source>Receiver settings</source>
        <translation>Настройки ресивера</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Показать сведения о программе, номер версии и авторские права</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Не удаётся открыть %1: %2</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Не удаётся сохранить %1: %2</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Сохранить изменения в %1?</translation>
    </message>
    <message>
        <source>Worst miss %1° before, %2° after (%3)</source>
        <translation>Наибольшее отклонение: было %1°, стало %2° (%3)</translation>
    </message>
    <message>
        <source>over the %1 chosen satellites at least %2 up</source>
        <translation>по выбранным спутникам не ниже %2 (их %1)</translation>
    </message>
    <message>
        <source>over the visible arc at least %1 up (fewer than two chosen satellites are)</source>
        <translation>по видимой дуге не ниже %1 (таких выбранных спутников меньше двух)</translation>
    </message>
    <message>
        <source>Nothing to optimise: fewer than two points of the arc stand %1 above the horizon</source>
        <translation>Нечего оптимизировать: меньше двух точек дуги поднимаются на %1 над горизонтом</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>Нет доступных принтеров.</translation>
    </message>
    <message>
        <source>The page is too small for the plot and its legend. Choose a larger paper size or smaller margins in Print Setup.</source>
        <translation>Страница слишком мала для графика и его легенды. Выберите больший формат бумаги или меньшие поля в настройке печати.</translation>
    </message>
</context>
<context>
    <name>zenbelts::CAdjustmentBar</name>
    <message>
        <source>Auto-calculate best dish declination</source>
        <translation>Автоматически рассчитывать лучшее склонение антенны</translation>
    </message>
    <message>
        <source>Auto decl.</source>
        <translation>Автосклонение</translation>
    </message>
    <message>
        <source>&amp;NS:</source>
        <translation>&amp;NS:</translation>
    </message>
    <message>
        <source>E&amp;L:</source>
        <translation>E&amp;L:</translation>
    </message>
    <message>
        <source>D&amp;C:</source>
        <translation>D&amp;C:</translation>
    </message>
    <message>
        <source>E&amp;W:</source>
        <translation>E&amp;W:</translation>
    </message>
    <message>
        <source>&amp;MA:</source>
        <translation>&amp;MA:</translation>
    </message>
    <message>
        <source>D&amp;A:</source>
        <translation>D&amp;A:</translation>
    </message>
    <message>
        <source>Au&amp;to declination</source>
        <translation>Автос&amp;клонение</translation>
    </message>
    <message>
        <source>Loc&amp;k satellites</source>
        <translation>&amp;Закрепить спутники</translation>
    </message>
</context>
<context>
    <name>zenbelts::CDiagnoseDialog</name>
    <message>
        <source>Diagnose %1</source>
        <translation>Диагностика: %1</translation>
    </message>
    <message>
        <source>At the dish, drive the motor to each satellite, peak its signal and type the motor angle. Where tilting the dish up or down helps, type by how much as the offset (up +, down -). Then Fit.</source>
        <translation>У антенны поверните мотор на каждый спутник, добейтесь максимума сигнала и введите угол мотора. Если помогает наклон антенны вверх или вниз, введите его величину как смещение (вверх +, вниз -). Затем нажмите «Рассчитать».</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Motor angle (°)</source>
        <translation>Угол мотора (°)</translation>
    </message>
    <message>
        <source>Offset (°)</source>
        <translation>Смещение (°)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Импорт...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Экспорт...</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Рассчитать</translation>
    </message>
    <message>
        <source>Observations</source>
        <translation>Замеры</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Регулировка</translation>
    </message>
    <message>
        <source>Set-up</source>
        <translation>Задано</translation>
    </message>
    <message>
        <source>As found</source>
        <translation>Фактически</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Поправка</translation>
    </message>
    <message>
        <source>Motor, set-up</source>
        <translation>Мотор, задано</translation>
    </message>
    <message>
        <source>Motor, found</source>
        <translation>Мотор, факт.</translation>
    </message>
    <message>
        <source>Offset, set-up</source>
        <translation>Смещение, задано</translation>
    </message>
    <message>
        <source>Offset, found</source>
        <translation>Смещение, факт.</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Отчёт</translation>
    </message>
    <message>
        <source>Observed minus computed, degrees:</source>
        <translation>Измерено минус рассчитано, градусы:</translation>
    </message>
    <message>
        <source>What to turn</source>
        <translation>Что подкрутить</translation>
    </message>
    <message>
        <source>&amp;Show the mount as found</source>
        <translation>Показать &amp;фактический подвес</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Печ&amp;ать...</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>&amp;Предпросмотр...</translation>
    </message>
    <message>
        <source>%1: the motor angle is not a number</source>
        <translation>%1: угол мотора не является числом</translation>
    </message>
    <message>
        <source>%1: the offset is not a number</source>
        <translation>%1: смещение не является числом</translation>
    </message>
    <message>
        <source>%1: the motor angle is out of range (-180 to 180 degrees)</source>
        <translation>%1: угол мотора вне диапазона (от -180 до 180 градусов)</translation>
    </message>
    <message>
        <source>%1: the offset is out of range (-90 to 90 degrees)</source>
        <translation>%1: смещение вне диапазона (от -90 до 90 градусов)</translation>
    </message>
    <message>
        <source>%1: an offset needs the motor angle it was found at</source>
        <translation>%1: для смещения нужен угол мотора, при котором оно найдено</translation>
    </message>
    <message>
        <source>Type the motor angle of at least one satellite.</source>
        <translation>Введите угол мотора хотя бы для одного спутника.</translation>
    </message>
    <message>
        <source>%1 as found</source>
        <translation>%1 (фактически)</translation>
    </message>
    <message>
        <source>Fit to see what to turn.</source>
        <translation>Нажмите «Рассчитать», чтобы узнать, что подкрутить.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Root-mean-square: %1° with the set-up, %2° as found</source>
        <translation>Среднеквадратичное: %1° по заданному, %2° по фактическому</translation>
    </message>
    <message>
        <source>Undetermined: %1</source>
        <translation>Не определяются: %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Nothing to turn: the mount stands as the set-up.</source>
        <translation>Подкручивать нечего: подвес стоит как задано.</translation>
    </message>
    <message>
        <source>Import observations</source>
        <translation>Импорт замеров</translation>
    </message>
    <message>
        <source>Observations (*.csv);;All files (*)</source>
        <translation>Замеры (*.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>Не удаётся импортировать %1: %2</translation>
    </message>
    <message>
        <source>Export observations</source>
        <translation>Экспорт замеров</translation>
    </message>
    <message>
        <source>Cannot export %1: %2</source>
        <translation>Не удаётся экспортировать %1: %2</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>Нет доступных принтеров.</translation>
    </message>
    <message>
        <source>%1: what to turn</source>
        <translation>%1: что подкрутить</translation>
    </message>
    <message>
        <source>%1: turn %2° %3, from %4 to %5</source>
        <translation>%1: повернуть на %2° в сторону %3, с %4 на %5</translation>
    </message>
    <message>
        <source>The observations cannot tell these adjustments apart; they stay as set up.</source>
        <translation>По замерам эти настройки не различить; они остаются как заданы.</translation>
    </message>
    <message>
        <source>Observing the satellite at %1 would tell them apart.</source>
        <translation>Замер спутника на %1 позволил бы их различить.</translation>
    </message>
</context>
<context>
    <name>zenbelts::CGeneralPage</name>
    <message>
        <source>Location</source>
        <translation>Местоположение</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Пределы</translation>
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
        <source>Altitude (m):</source>
        <translation>Высота (м):</translation>
    </message>
    <message>
        <source>from:</source>
        <translation>от:</translation>
    </message>
    <message>
        <source>to:</source>
        <translation>до:</translation>
    </message>
    <message>
        <source>(*) - relative to autocalculated values</source>
        <translation>(*) — относительно расчётных значений</translation>
    </message>
</context>
<context>
    <name>zenbelts::CMainFrame</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Печать...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Пред&amp;варительный просмотр</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Настройка печати...</translation>
    </message>
    <message>
        <source>Propert&amp;ies</source>
        <translation>Сво&amp;йства</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Вы&amp;резать</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Вст&amp;авить</translation>
    </message>
    <message>
        <source>Set &amp;defaults</source>
        <translation>Значения по &amp;умолчанию</translation>
    </message>
    <message>
        <source>&amp;Optimise</source>
        <translation>О&amp;птимизировать</translation>
    </message>
    <message>
        <source>Dia&amp;gnose...</source>
        <translation>&amp;Диагностика...</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Панель инструментов</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Строка состояния</translation>
    </message>
    <message>
        <source>Show t&amp;ooltips</source>
        <translation>Показывать по&amp;дсказки</translation>
    </message>
    <message>
        <source>&amp;Misses</source>
        <translation>&amp;Отклонения</translation>
    </message>
    <message>
        <source>&amp;Receiver settings...</source>
        <translation>Настройки &amp;ресивера...</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Новое окно</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Каскадом</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Мозаикой</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Упорядочить значки</translation>
    </message>
    <message>
        <source>Ne&amp;xt Window</source>
        <translation>&amp;Следующее окно</translation>
    </message>
    <message>
        <source>Pre&amp;vious Window</source>
        <translation>&amp;Предыдущее окно</translation>
    </message>
    <message>
        <source>C&amp;lose Window</source>
        <translation>&amp;Закрыть окно</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Следующая область</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Предыдущая область</translation>
    </message>
    <message>
        <source>&amp;About Zenbelts...</source>
        <translation>&amp;О программе Zenbelts...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Недавние файлы</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>Win&amp;dow</source>
        <translation>&amp;Окно</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
</context>
<context>
    <name>zenbelts::CMissTable</name>
    <message>
        <source>Misses</source>
        <translation>Отклонения</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>The satellite&apos;s orbital position</source>
        <translation>Орбитальная позиция спутника</translation>
    </message>
    <message>
        <source>The satellite&apos;s name in the list</source>
        <translation>Название спутника в списке</translation>
    </message>
    <message>
        <source>The rotation of the motor from its zero that points the beam at this satellite</source>
        <translation>Поворот мотора от нуля, при котором луч направлен на этот спутник</translation>
    </message>
    <message>
        <source>How far the satellite lies from the beam at that motor angle: above means the satellite lies above the beam</source>
        <translation>Насколько спутник отстоит от луча при этом угле мотора: «выше» — спутник выше луча</translation>
    </message>
    <message>
        <source>How high the satellite stands above the horizon</source>
        <translation>Угол места спутника над горизонтом</translation>
    </message>
    <message>
        <source>The motor angle a receiver that turns the motor itself would command for an ideal polar mount at your true site</source>
        <translation>Угол мотора, который задал бы ресивер, сам управляющий мотором, для идеального полярного подвеса в ваших истинных координатах</translation>
    </message>
    <message>
        <source>The motor angle less the receiver&apos;s, east positive: how far the receiver would turn short of this satellite</source>
        <translation>Угол мотора минус угол ресивера, восток со знаком плюс: на сколько ресивер не довернёт до этого спутника</translation>
    </message>
    <message>
        <source>Copy as C&amp;SV</source>
        <translation>Копировать как C&amp;SV</translation>
    </message>
    <message>
        <source>&amp;Receiver columns</source>
        <translation>Столбцы &amp;ресивера</translation>
    </message>
    <message>
        <source>%1 above</source>
        <translation>%1 выше</translation>
    </message>
    <message>
        <source>%1 below</source>
        <translation>%1 ниже</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Мотор</translation>
    </message>
    <message>
        <source>Miss</source>
        <translation>Отклонение</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Элевация</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Ресивер</translation>
    </message>
    <message>
        <source>Receiver miss</source>
        <translation>Отклонение ресивера</translation>
    </message>
</context>
<context>
    <name>zenbelts::CPropertiesDialog</name>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Спутники</translation>
    </message>
</context>
<context>
    <name>zenbelts::CReceiverDialog</name>
    <message>
        <source>Copy as CSV</source>
        <translation>Копировать как CSV</translation>
    </message>
    <message>
        <source>Receiver settings</source>
        <translation>Настройки ресивера</translation>
    </message>
    <message>
        <source>Site to enter into the receiver: %1</source>
        <translation>Координаты для ввода в ресивер: %1</translation>
    </message>
    <message>
        <source>Fewer than two chosen satellites stand %1 above the horizon: this is the true site.</source>
        <translation>Меньше двух выбранных спутников поднимаются на %1 над горизонтом: это истинные координаты.</translation>
    </message>
    <message>
        <source>Worst miss over %1 chosen satellites at least %2 up: %3° with the true site, %4° with this one.</source>
        <translation>Наибольшее отклонение по выбранным спутникам не ниже %2 (их %1): %3° с истинными координатами, %4° с этими.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Мотор</translation>
    </message>
    <message>
        <source>Receiver miss</source>
        <translation>Отклонение ресивера</translation>
    </message>
    <message>
        <source>GotoX</source>
        <translation>GotoX</translation>
    </message>
</context>
<context>
    <name>zenbelts::CSatellitesPage</name>
    <message>
        <source>Import list...</source>
        <translation>Импорт списка...</translation>
    </message>
    <message>
        <source>Use the shipped list</source>
        <translation>Стандартный список</translation>
    </message>
    <message>
        <source>Choose from receiver files...</source>
        <translation>Выбрать по файлам ресивера...</translation>
    </message>
    <message>
        <source>Files...</source>
        <translation>Файлы...</translation>
    </message>
    <message>
        <source>Folder...</source>
        <translation>Папка...</translation>
    </message>
    <message>
        <source>Make a list of receivers&apos; files your own satellite list</source>
        <translation>Сделать списки из файлов ресивера своим списком спутников</translation>
    </message>
    <message>
        <source>Drop your own list and use the list that came with the program</source>
        <translation>Удалить свой список и вернуться к списку, поставляемому с программой</translation>
    </message>
    <message>
        <source>Check the satellites that a receiver&apos;s channel or satellite lists name</source>
        <translation>Отметить спутники, названные в списках каналов или спутников ресивера</translation>
    </message>
    <message>
        <source>Folder of receiver files</source>
        <translation>Папка с файлами ресивера</translation>
    </message>
    <message>
        <source>Receiver files</source>
        <translation>Файлы ресивера</translation>
    </message>
    <message>
        <source>Receiver lists (*.xml *.conf *.ini *.txt lamedb*);;All files (*)</source>
        <translation>Списки ресивера (*.xml *.conf *.ini *.txt lamedb*);;Все файлы (*)</translation>
    </message>
    <message>
        <source>The files name no satellite positions.</source>
        <translation>В файлах нет ни одной позиции спутника.</translation>
    </message>
    <message>
        <source>%1 of the %2 positions named chosen; the others are not in the list.</source>
        <translation>Выбрано позиций: %1 из %2 названных; остальных нет в списке.</translation>
    </message>
    <message>
        <source>1 satellite chosen.</source>
        <translation>Выбран 1 спутник.</translation>
    </message>
    <message>
        <source>%1 satellites chosen.</source>
        <translation>Выбрано спутников: %1.</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Поз.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>&amp;Отметить все</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Снять все</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Фильтр:</translation>
    </message>
    <message>
        <source>name or position</source>
        <translation>название или позиция</translation>
    </message>
    <message>
        <source>Check every satellite shown</source>
        <translation>Отметить все показанные спутники</translation>
    </message>
    <message>
        <source>Uncheck every satellite shown</source>
        <translation>Снять отметку со всех показанных спутников</translation>
    </message>
</context>
<context>
    <name>zenbelts::CZenbeltsApp</name>
    <message>
        <source>read %1, merged %2, skipped %3</source>
        <translation>прочитано: %1, объединено: %2, пропущено: %3</translation>
    </message>
    <message>
        <source>No satellites found: %1.</source>
        <translation>Спутники не найдены: %1.</translation>
    </message>
    <message>
        <source>There is no folder to keep your own list in.</source>
        <translation>Нет папки для хранения вашего списка.</translation>
    </message>
    <message>
        <source>Cannot save your list %1: %2</source>
        <translation>Не удаётся сохранить ваш список %1: %2</translation>
    </message>
    <message>
        <source>Imported 1 satellite: %1.</source>
        <translation>Импортирован 1 спутник: %1.</translation>
    </message>
    <message>
        <source>Imported %1 satellites: %2.</source>
        <translation>Импортировано спутников: %1 (%2).</translation>
    </message>
    <message>
        <source>Cannot remove your list %1.</source>
        <translation>Не удаётся удалить ваш список %1.</translation>
    </message>
    <message>
        <source>The shipped list is used: %1 satellites.</source>
        <translation>Используется стандартный список, спутников: %1.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Unable to load sats.lst: %1</source>
        <translation>Не удаётся загрузить sats.lst: %1</translation>
    </message>
    <message>
        <source>Your satellite list %1 cannot be read, so the shipped list is used instead: %2</source>
        <translation>Не удаётся прочитать ваш список спутников %1, поэтому используется стандартный список: %2</translation>
    </message>
    <message>
        <source>; names cut to fit: %1</source>
        <translation>; сокращено названий: %1</translation>
    </message>
</context>
<context>
    <name>zenbelts::CZenbeltsDoc</name>
    <message>
        <source>not a valid Zenbelt file: %1</source>
        <translation>не является файлом Zenbelt: %1</translation>
    </message>
    <message>
        <source> Location: %1</source>
        <translation> Местоположение: %1</translation>
    </message>
</context>
</TS>
