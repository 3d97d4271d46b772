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
    <name>FieldPage</name>
    <message>
        <source>Open…</source>
        <translation>Открыть…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>New at a site…</source>
        <translation>Новая для места…</translation>
    </message>
    <message>
        <source>Satellite list…</source>
        <translation>Список спутников…</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>Altitude (m)</source>
        <translation>Высота (м)</translation>
    </message>
    <message>
        <source>Start here</source>
        <translation>Начать здесь</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The arc</source>
        <translation>Дуга</translation>
    </message>
    <message>
        <source>Field assistant</source>
        <translation>Помощник на месте</translation>
    </message>
    <message>
        <source>At the dish</source>
        <translation>У антенны</translation>
    </message>
    <message>
        <source>At the dish, turn the motor to a satellite, peak its signal, and type the motor angle the receiver shows; where tilting the dish up (+) or down (-) helped, by how much.</source>
        <translation>У антенны поверните мотор на спутник, найдите максимум сигнала и введите угол мотора, который показывает ресивер; если помог наклон антенны вверх (+) или вниз (-), укажите на сколько.</translation>
    </message>
    <message>
        <source>Third column</source>
        <translation>Третий столбец</translation>
    </message>
    <message>
        <source>Offset (°)</source>
        <translation>Смещение (°)</translation>
    </message>
    <message>
        <source>Face tilt (°)</source>
        <translation>Наклон плоскости (°)</translation>
    </message>
    <message>
        <source>Motor angle</source>
        <translation>Угол мотора</translation>
    </message>
    <message>
        <source>Add a row</source>
        <translation>Добавить строку</translation>
    </message>
    <message>
        <source>Remove the row</source>
        <translation>Удалить строку</translation>
    </message>
    <message>
        <source>As set up</source>
        <translation>Как настроено</translation>
    </message>
    <message>
        <source>Instruments</source>
        <translation>Приборы</translation>
    </message>
    <message>
        <source>Use the phone&apos;s sensors</source>
        <translation>Датчики телефона</translation>
    </message>
    <message>
        <source>Zero on a level surface</source>
        <translation>Обнулить на ровной поверхности</translation>
    </message>
    <message>
        <source>Phone along the motor axis</source>
        <translation>Телефон вдоль оси мотора</translation>
    </message>
    <message>
        <source>Phone on the dish&apos;s face</source>
        <translation>Телефон на плоскости антенны</translation>
    </message>
    <message>
        <source>Compass heading of the phone&apos;s top</source>
        <translation>Курс по компасу верха телефона</translation>
    </message>
    <message>
        <source>should read %1 (%2 off)</source>
        <translation>должно быть %1 (отклонение %2)</translation>
    </message>
    <message>
        <source>at the motor&apos;s zero %1 (%2 off)</source>
        <translation>при нуле мотора %1 (отклонение %2)</translation>
    </message>
    <message>
        <source>%1 true, with the declination %2</source>
        <translation>%1 истинный, со склонением %2</translation>
    </message>
    <message>
        <source>Lay the phone along the motor axis, its top towards the raised end, or flat on the dish&apos;s face, its screen outwards. Zero it first on a level surface.</source>
        <translation>Положите телефон вдоль оси мотора верхом к поднятому концу или плашмя на плоскость антенны экраном наружу. Сначала обнулите его на ровной поверхности.</translation>
    </message>
    <message>
        <source>Zeroed on a level surface.</source>
        <translation>Обнулено на ровной поверхности.</translation>
    </message>
    <message>
        <source>This browser gives no orientation sensor here: the readings below still hold.</source>
        <translation>Этот браузер не даёт здесь датчика ориентации: показания ниже остаются в силе.</translation>
    </message>
    <message>
        <source>The sensors were refused: allow motion and orientation for this page in the browser&apos;s settings. The readings below still hold.</source>
        <translation>Доступ к датчикам отклонён: разрешите движение и ориентацию для этой страницы в настройках браузера. Показания ниже остаются в силе.</translation>
    </message>
    <message>
        <source>The sensors need a secure page (https or a file): the readings below still hold.</source>
        <translation>Датчикам нужна защищённая страница (https или файл): показания ниже остаются в силе.</translation>
    </message>
    <message>
        <source>Waiting for the sensors… move the phone a little.</source>
        <translation>Ожидание датчиков… слегка пошевелите телефон.</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>Сохранено как %1.</translation>
    </message>
    <message>
        <source>List: %1 satellites.</source>
        <translation>Список: спутников — %1.</translation>
    </message>
    <message>
        <source>Measure next: %1 (added as a row).</source>
        <translation>Измерьте следующим: %1 (добавлено строкой).</translation>
    </message>
    <message>
        <source>Lay the phone flat on a level surface, then zero.</source>
        <translation>Положите телефон на ровную поверхность, затем обнулите.</translation>
    </message>
    <message>
        <source>Nothing observed yet, and no satellite of the list is up and within the motor&apos;s reach.</source>
        <translation>Пока ничего не наблюдалось, и ни один спутник списка не виден и не доступен мотору.</translation>
    </message>
    <message>
        <source>it is far larger than a set-up</source>
        <translation>он намного больше файла настройки</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Не удаётся открыть %1: %2</translation>
    </message>
    <message>
        <source>The list %1 cannot be used: %2</source>
        <translation>Список %1 нельзя использовать: %2</translation>
    </message>
    <message>
        <source>it is larger than 8 MiB</source>
        <translation>он больше 8 МиБ</translation>
    </message>
    <message>
        <source>it lists channels, not satellites</source>
        <translation>в нём каналы, а не спутники</translation>
    </message>
    <message>
        <source>%1 is not a number of degrees</source>
        <translation>%1 — не число градусов</translation>
    </message>
    <message>
        <source>The altitude is whole metres from %1 to %2</source>
        <translation>Высота — целые метры от %1 до %2</translation>
    </message>
    <message>
        <source>The latitude lies from 90°S to 90°N</source>
        <translation>Широта лежит от 90°S до 90°N</translation>
    </message>
    <message>
        <source>The longitude lies from 180°W to 180°E</source>
        <translation>Долгота лежит от 180°W до 180°E</translation>
    </message>
    <message>
        <source>The date is of the form YYYY-MM-DD, from 1900 to 2199</source>
        <translation>Дата в виде ГГГГ-ММ-ДД, с 1900 по 2199 год</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>он больше 1 МиБ</translation>
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
    <name>Legend</name>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Место:</translation>
    </message>
    <message>
        <source>%1; Alt: %2 m</source>
        <translation>%1; высота: %2 м</translation>
    </message>
    <message>
        <source>Mounting pole:</source>
        <translation>Мачта:</translation>
    </message>
</context>
<context>
    <name>SetUpEdit</name>
    <message>
        <source>it must lie in %1..%2</source>
        <translation>значение должно быть в пределах %1..%2</translation>
    </message>
    <message>
        <source>the limits of the %1 must be -1799..-1 and 1..1800</source>
        <translation>пределы для %1 должны быть -1799..-1 и 1..1800</translation>
    </message>
    <message>
        <source>the lower limit of the %1 must lie below the upper one, within -1799..1800</source>
        <translation>нижний предел для %1 должен быть ниже верхнего, в пределах -1799..1800</translation>
    </message>
    <message>
        <source>the declination follows its automatic value while autoDeclination is on</source>
        <translation>склонение следует автоматическому значению, пока включён autoDeclination</translation>
    </message>
    <message>
        <source>it lies outside its current range %1..%2</source>
        <translation>значение вне текущего диапазона %1..%2</translation>
    </message>
    <message>
        <source>a position must lie in 0..3599</source>
        <translation>позиция должна быть в пределах 0..3599</translation>
    </message>
    <message>
        <source>unknown name</source>
        <translation>неизвестное имя</translation>
    </message>
    <message>
        <source>it must be 0 or 1</source>
        <translation>значение должно быть 0 или 1</translation>
    </message>
    <message>
        <source>it is computed, not set</source>
        <translation>это значение вычисляется, а не задаётся</translation>
    </message>
    <message>
        <source>not of the form NAME=VALUE</source>
        <translation>не в виде ИМЯ=ЗНАЧЕНИЕ</translation>
    </message>
    <message>
        <source>the value is not a whole number</source>
        <translation>значение не является целым числом</translation>
    </message>
    <message>
        <source>it must lie in %1..%2 tenths (0 for prime focus)</source>
        <translation>значение должно быть в пределах %1..%2 десятых (0 для прямофокусной антенны)</translation>
    </message>
    <message>
        <source>the horizon takes at most %1 points</source>
        <translation>горизонт содержит не более %1 точек</translation>
    </message>
    <message>
        <source>an azimuth must lie in 0..3599 tenths</source>
        <translation>азимут должен быть в пределах 0..3599 десятых</translation>
    </message>
    <message>
        <source>an elevation must lie in 0..%1 tenths</source>
        <translation>элевация должна быть в пределах 0..%1 десятых</translation>
    </message>
    <message>
        <source>the azimuth %1 is given twice</source>
        <translation>азимут %1 указан дважды</translation>
    </message>
    <message>
        <source>it must lie in %1..%2 tenths</source>
        <translation>значение должно быть в пределах %1..%2 десятых</translation>
    </message>
    <message>
        <source>it must lie in %1..%2 centimetres</source>
        <translation>значение должно быть в пределах %1..%2 сантиметров</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not AZIMUTH:ELEVATION in whole tenths</source>
        <translation>«%1» — не АЗИМУТ:ЭЛЕВАЦИЯ в целых десятых</translation>
    </message>
</context>
<context>
    <name>diagnose</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>between %1 and %2</source>
        <translation>между %1 и %2</translation>
    </message>
    <message>
        <source>west of %1 and east of %2</source>
        <translation>западнее %1 и восточнее %2</translation>
    </message>
    <message>
        <source>west of %1</source>
        <translation>западнее %1</translation>
    </message>
    <message>
        <source>east of %1</source>
        <translation>восточнее %1</translation>
    </message>
    <message>
        <source>lines %1 and %2 give two peaks of %3 %4 apart, far beyond the precision of %5</source>
        <translation>строки %1 и %2 дают два максимума %3 на расстоянии %4, далеко за пределами точности %5</translation>
    </message>
    <message>
        <source>lines %1 and %2 give two offsets of %3 %4 apart, far beyond the precision of %5</source>
        <translation>строки %1 и %2 дают два смещения %3 с разницей %4, далеко за пределами точности %5</translation>
    </message>
    <message>
        <source>line %1: the offset of %2 lies %3 from where the other observations put it, far beyond the precision of %4</source>
        <translation>строка %1: смещение %2 отличается на %3 от того, что дают остальные замеры, далеко за пределами точности %4</translation>
    </message>
    <message>
        <source>line %1: the motor angle of %2 lies %3 from where the other observations put it, far beyond the precision of %4</source>
        <translation>строка %1: угол мотора %2 отличается на %3 от того, что дают остальные замеры, далеко за пределами точности %4</translation>
    </message>
    <message>
        <source>%1 does not move the beam at this site.</source>
        <translation>%1 не смещает луч в этом месте.</translation>
    </message>
    <message>
        <source>%1 move the beam alike, so no observation can tell them apart.</source>
        <translation>%1 смещают луч одинаково, поэтому никакой замер не может их различить.</translation>
    </message>
    <message>
        <source>Within the limits %1 cannot take the whole correction, so %2 turns as well.</source>
        <translation>В пределах ограничений %1 не может принять всю поправку, поэтому подкручивается и %2.</translation>
    </message>
    <message>
        <source>The advice turns %1 alone; %2 may stay as it is.</source>
        <translation>Совет подкручивает только %1; %2 можно оставить как есть.</translation>
    </message>
    <message>
        <source>The advice turns %1 alone; %2 may stay as they are.</source>
        <translation>Совет подкручивает только %1; %2 можно оставить как есть.</translation>
    </message>
    <message>
        <source>These observations cannot separate %1.</source>
        <translation>Эти замеры не могут разделить %1.</translation>
    </message>
    <message>
        <source>These observations leave %1 undetermined.</source>
        <translation>Эти замеры оставляют %1 неопределённым.</translation>
    </message>
    <message>
        <source>The fit keeps what they cannot tell near the set-up.</source>
        <translation>То, что они не могут определить, расчёт держит близко к заданному.</translation>
    </message>
    <message>
        <source>What they cannot tell is kept as in the set-up.</source>
        <translation>То, что они не могут определить, остаётся как задано.</translation>
    </message>
    <message>
        <source>the satellites at least 5° up</source>
        <translation>спутников не ниже 5° над горизонтом</translation>
    </message>
    <message>
        <source>the arc at least 5° up</source>
        <translation>дуги не ниже 5° над горизонтом</translation>
    </message>
    <message>
        <source>At worst over %1, the mount as found gives the motor angle to %2 and the offset to %3 (1σ).</source>
        <translation>В худшем случае среди %1 фактический подвес даёт угол мотора с точностью %2, а смещение — с точностью %3 (1σ).</translation>
    </message>
    <message>
        <source>At worst over %1, the mount as found gives the motor angle to %2 (1σ); with no offset observed, the offset only to %3.</source>
        <translation>В худшем случае среди %1 фактический подвес даёт угол мотора с точностью %2 (1σ); без замеренного смещения смещение — лишь с точностью %3.</translation>
    </message>
    <message>
        <source>%1 The observations are good to %2 in the motor angle and %3 in the offset (1σ), as stated.</source>
        <translation>%1 Точность замеров — %2 по углу мотора и %3 по смещению (1σ), как указано.</translation>
    </message>
    <message>
        <source>%1 The observations are good to %2 in the motor angle and %3 in the offset (1σ), as the residuals show.</source>
        <translation>%1 Точность замеров — %2 по углу мотора и %3 по смещению (1σ), как показывают невязки.</translation>
    </message>
    <message>
        <source>%1 The observations are taken to be good to %2 in the motor angle and %3 in the offset (1σ), as usual at a dish: too few to tell from the residuals.</source>
        <translation>%1 Точность замеров принята равной %2 по углу мотора и %3 по смещению (1σ), как обычно у антенны: замеров слишком мало, чтобы судить по невязкам.</translation>
    </message>
    <message>
        <source>The fit is not sure of the satellites %1 (up to %2 at 1σ): measure one there.</source>
        <translation>Расчёт не уверен в спутниках %1 (до %2 при 1σ): замерьте один из них.</translation>
    </message>
    <message>
        <source>The fit is not sure of any satellite (up to %1 at 1σ): measure more, spread along the arc.</source>
        <translation>Расчёт не уверен ни в одном спутнике (до %1 при 1σ): замерьте ещё, распределив замеры по дуге.</translation>
    </message>
    <message>
        <source>Measure %1 next, its motor angle and offset: the worst uncertainty would fall from %2 to %3 (1σ).</source>
        <translation>Замерьте следующим %1, угол мотора и смещение: наибольшая неопределённость снизится с %2 до %3 (1σ).</translation>
    </message>
    <message>
        <source>Measure %1 next, its motor angle: the worst uncertainty would fall from %2 to %3 (1σ).</source>
        <translation>Замерьте следующим %1, угол мотора: наибольшая неопределённость снизится с %2 до %3 (1σ).</translation>
    </message>
    <message>
        <source>%1: turn %2° %3, from %4 to %5, with the motor at %6, the satellite nearest due south</source>
        <translation>%1: повернуть на %2° в сторону %3, с %4 на %5, с мотором на %6 — ближайшем к югу спутнике</translation>
    </message>
    <message>
        <source>%1: turn %2° %3, from %4 to %5, with the motor at %6, the satellite nearest due north</source>
        <translation>%1: повернуть на %2° в сторону %3, с %4 на %5, с мотором на %6 — ближайшем к северу спутнике</translation>
    </message>
    <message>
        <source>%1: turn %2° %3, from %4 to %5</source>
        <translation>%1: повернуть на %2° в сторону %3, с %4 на %5</translation>
    </message>
    <message>
        <source>Nothing to turn: the mount stands as the set-up.</source>
        <translation>Подкручивать нечего: подвес стоит как задано.</translation>
    </message>
    <message>
        <source>To bring the mount to the set-up, turn in this order:</source>
        <translation>Чтобы привести подвес к заданному, подкручивайте в таком порядке:</translation>
    </message>
    <message>
        <source>Nothing observed yet. Measure these first, each its motor angle and offset: %1. The worst uncertainty would then be %2 (1σ).</source>
        <translation>Замеров пока нет. Сначала замерьте эти спутники, у каждого угол мотора и смещение: %1. Наибольшая неопределённость тогда составит %2 (1σ).</translation>
    </message>
</context>
<context>
    <name>horizon</name>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>it is not azimuth,elevation</source>
        <translation>это не азимут,элевация</translation>
    </message>
    <message>
        <source>the azimuth is not a number of degrees from 0 to 360</source>
        <translation>азимут — не число градусов от 0 до 360</translation>
    </message>
    <message>
        <source>the elevation is not a number of degrees from 0 to 90</source>
        <translation>элевация — не число градусов от 0 до 90</translation>
    </message>
    <message>
        <source>a horizon takes at most 360 points</source>
        <translation>горизонт содержит не более 360 точек</translation>
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
    <name>main</name>
    <message>
        <source>Print FILE on the default printer.</source>
        <translation>Напечатать FILE на принтере по умолчанию.</translation>
    </message>
    <message>
        <source>Set-ups to open.</source>
        <translation>Открываемые настройки.</translation>
    </message>
</context>
<context>
    <name>metadata</name>
    <message>
        <source>Polar Mount Set-up</source>
        <translation>Настройка полярного подвеса</translation>
    </message>
    <message>
        <source>Set up a motorised polar mount for a satellite dish</source>
        <translation>Настройка моторизованного полярного подвеса спутниковой антенны</translation>
    </message>
    <message>
        <source>satellite;dish;polar;mount;motor;geostationary;antenna;</source>
        <extracomment>Search words for the desktop&apos;s menus, each followed by a semicolon, the last one too; keep an English word where users search for it.</extracomment>
        <translation>спутник;антенна;тарелка;полярный;подвес;мотор;геостационарный;satellite;dish;</translation>
    </message>
    <message>
        <source>Set up a motorised satellite dish</source>
        <translation>Настройка антенны с мотором</translation>
    </message>
    <message>
        <source>Zenbelts helps you set up a motorised polar mount for a satellite dish. Tell it where the dish stands and how the mount is adjusted, and it works out where the dish&apos;s beam sweeps as the motor turns and shows that path against the geostationary satellites you chose, so you can see at a glance which satellites the beam will hit and by how much it misses the others.</source>
        <translation>Zenbelts помогает настроить моторизованный полярный подвес спутниковой антенны. Укажите, где стоит антенна и как настроен подвес, и Zenbelts рассчитает, где проходит луч антенны, когда поворачивается мотор, и покажет этот путь на фоне выбранных геостационарных спутников, чтобы вы сразу видели, какие спутники луч поймает и на сколько он отклонится от остальных.</translation>
    </message>
    <message>
        <source>Sliders and fields for the pole&apos;s roll, the motor&apos;s azimuth and elevation, the dish&apos;s azimuth and its declination</source>
        <translation>Ползунки и поля для наклона мачты, азимута и элевации мотора, азимута антенны и её склонения</translation>
    </message>
    <message>
        <source>The best motor elevation and declination for your location, or the ones that make the largest miss smallest</source>
        <translation>Наилучшие элевация мотора и склонение для вашего места или такие, при которых наибольшее отклонение наименьшее</translation>
    </message>
    <message>
        <source>A table of the motor angle and the miss for every chosen satellite</source>
        <translation>Таблица угла мотора и отклонения для каждого выбранного спутника</translation>
    </message>
    <message>
        <source>What each scale, the compass and the sun tell at the dish on a given day</source>
        <translation>Что показывают каждая шкала, компас и солнце у антенны в заданный день</translation>
    </message>
    <message>
        <source>A field assistant that works out how the mount really stands from where the signals peaked, and says what to turn</source>
        <translation>Помощник, который по углам мотора, где сигналы были сильнее всего, определяет, как на самом деле стоит подвес, и подсказывает, что подкрутить</translation>
    </message>
    <message>
        <source>Satellite lists read from a receiver&apos;s files</source>
        <translation>Списки спутников из файлов ресивера</translation>
    </message>
    <message>
        <source>Printed plots with a legend of the whole set-up</source>
        <translation>Печать графика с легендой всей настройки</translation>
    </message>
    <message>
        <source>A command-line tool that makes, changes, draws and optimises set-ups</source>
        <translation>Инструмент командной строки, который создаёт, изменяет, рисует и оптимизирует настройки</translation>
    </message>
    <message>
        <source>A set-up: the beam&apos;s path against the satellites, the adjustments and the misses</source>
        <translation>Настройка: путь луча на фоне спутников, регулировки и отклонения</translation>
    </message>
    <message>
        <source>Zenbelt document</source>
        <translation>Документ Zenbelt</translation>
    </message>
    <message>
        <source>What the dish can reach past a horizon mask and the motor&apos;s limits, and the positions to store in a receiver</source>
        <translation>Что антенна достаёт поверх маски горизонта и в пределах хода мотора, и позиции для сохранения в ресивере</translation>
    </message>
    <message>
        <source>A page for the phone in your hand at the dish, which works offline</source>
        <translation>Страница для телефона в вашей руке у антенны, работающая без сети</translation>
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
    <message>
        <source>the face tilt is not a number</source>
        <translation>наклон лицевой стороны не является числом</translation>
    </message>
    <message>
        <source>the face tilt lies more than 20 degrees from the set-up&apos;s at that motor angle: check the dish&apos;s offset and feed arm</source>
        <translation>наклон лицевой стороны отличается от расчётного при этом угле мотора более чем на 20 градусов: проверьте офсетный угол и кронштейн облучателя антенны</translation>
    </message>
    <message>
        <source>face tilts are read only with a set-up&apos;s dish</source>
        <translation>наклоны лицевой стороны читаются только вместе с антенной установки</translation>
    </message>
</context>
<context>
    <name>positions</name>
    <message>
        <source>Halt: the motor stops at once</source>
        <translation>Стоп: мотор сразу останавливается</translation>
    </message>
    <message>
        <source>Limits off: the motor may turn to its end stops</source>
        <translation>Пределы выключены: мотор может поворачиваться до упоров</translation>
    </message>
    <message>
        <source>Go to %1, the east soft limit</source>
        <translation>Перейти к %1 — восточный программный предел</translation>
    </message>
    <message>
        <source>Set the motor&apos;s east limit where it stands</source>
        <translation>Установить восточный предел мотора в текущем положении</translation>
    </message>
    <message>
        <source>Set the motor&apos;s west limit where it stands (the eastern sky, south of the equator)</source>
        <translation>Установить западный предел мотора в текущем положении (восточная часть неба к югу от экватора)</translation>
    </message>
    <message>
        <source>Go to %1, the west soft limit</source>
        <translation>Перейти к %1 — западный программный предел</translation>
    </message>
    <message>
        <source>Set the motor&apos;s west limit where it stands</source>
        <translation>Установить западный предел мотора в текущем положении</translation>
    </message>
    <message>
        <source>Set the motor&apos;s east limit where it stands (the western sky, south of the equator)</source>
        <translation>Установить восточный предел мотора в текущем положении (западная часть неба к югу от экватора)</translation>
    </message>
    <message>
        <source>Limits on: the motor stays between the two limits from now on</source>
        <translation>Пределы включены: теперь мотор остаётся между двумя пределами</translation>
    </message>
    <message>
        <source>Go to %1 for %2</source>
        <translation>Перейти к %1 для %2</translation>
    </message>
    <message>
        <source>Store this position as slot %1 (%2)</source>
        <translation>Запомнить это положение как ячейку %1 (%2)</translation>
    </message>
    <message>
        <source>Go to slot %1 (%2)</source>
        <translation>Перейти к ячейке %1 (%2)</translation>
    </message>
    <message>
        <source>Recalculate: once slot %1 (%2) is peaked again and stored, every other stored position moves by as much</source>
        <translation>Пересчитать: когда ячейка %1 (%2) снова настроена по максимуму и сохранена, все остальные сохранённые положения сдвигаются на столько же</translation>
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
    <message>
        <source>the set-up&apos;s extension is damaged: %1</source>
        <translation>расширение файла настройки повреждено: %1</translation>
    </message>
    <message>
        <source>a record does not read</source>
        <translation>запись не читается</translation>
    </message>
    <message>
        <source>dish offset</source>
        <translation>офсетный угол антенны</translation>
    </message>
    <message>
        <source>the feed arm is neither below nor above the dish</source>
        <translation>кронштейн облучателя ни под антенной, ни над ней</translation>
    </message>
    <message>
        <source>the set-up&apos;s extension is of a later version (%1)</source>
        <translation>расширение файла настройки более новой версии (%1)</translation>
    </message>
    <message>
        <source>its version is unknown</source>
        <translation>его версия неизвестна</translation>
    </message>
    <message>
        <source>its length does not match the file</source>
        <translation>его длина не совпадает с файлом</translation>
    </message>
    <message>
        <source>its check does not match</source>
        <translation>его контрольная сумма не совпадает</translation>
    </message>
    <message>
        <source>horizon mask</source>
        <translation>маска горизонта</translation>
    </message>
    <message>
        <source>motor&apos;s range</source>
        <translation>диапазон мотора</translation>
    </message>
    <message>
        <source>dish diameter</source>
        <translation>диаметр антенны</translation>
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
        <source>Worst miss %1 before, %2 after (%3)</source>
        <translation>Наибольшее отклонение: было %1, стало %2 (%3)</translation>
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
    <message>
        <source>Redo the action undone last</source>
        <translation>Вернуть последнее отменённое действие</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Вернуть</translation>
    </message>
    <message>
        <source>Show what every scale, the compass and the sun tell at the dish, to print</source>
        <translation>Показать, что говорят у антенны каждая шкала, компас и солнце, для печати</translation>
    </message>
    <message>
        <source>At the dish</source>
        <translation>У антенны</translation>
    </message>
    <message>
        <source>Open the field page, Zenbelts for a phone at the dish, in the browser</source>
        <translation>Открыть в браузере полевую страницу — Zenbelts для телефона у антенны</translation>
    </message>
    <message>
        <source>Field page</source>
        <translation>Полевая страница</translation>
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
    <name>zenbelts::CAtTheDishDialog</name>
    <message>
        <source>&amp;Print...</source>
        <translation>Печ&amp;ать...</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>&amp;Предпросмотр...</translation>
    </message>
    <message>
        <source>At the dish: %1</source>
        <translation>У антенны: %1</translation>
    </message>
    <message>
        <source>&amp;Date (UTC):</source>
        <translation>&amp;Дата (UTC):</translation>
    </message>
    <message>
        <source>%1 UTC (%2 local)</source>
        <translation>%1 UTC (%2 местного)</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>вертикально</translation>
    </message>
    <message>
        <source>%1 back from vertical</source>
        <translation>%1 назад от вертикали</translation>
    </message>
    <message>
        <source>%1 forward from vertical</source>
        <translation>%1 вперёд от вертикали</translation>
    </message>
    <message>
        <source>Prime focus</source>
        <translation>Прямофокусная</translation>
    </message>
    <message>
        <source>Offset %1, feed arm above the dish</source>
        <translation>Офсетная %1, кронштейн облучателя над антенной</translation>
    </message>
    <message>
        <source>Offset %1, feed arm below the dish</source>
        <translation>Офсетная %1, кронштейн облучателя под антенной</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Место</translation>
    </message>
    <message>
        <source>Dish</source>
        <translation>Антенна</translation>
    </message>
    <message>
        <source>Magnetic declination %1 (World Magnetic Model 2025)</source>
        <translation>Магнитное склонение %1 (World Magnetic Model 2025)</translation>
    </message>
    <message>
        <source>The model holds from 2025.0 to 2030.0: on this date the declination is extrapolated; check it against a local source.</source>
        <translation>Модель действует с 2025.0 по 2030.0: на эту дату склонение экстраполировано; сверьте его с местным источником.</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Компас</translation>
    </message>
    <message>
        <source>True north</source>
        <translation>Истинный север</translation>
    </message>
    <message>
        <source>True south</source>
        <translation>Истинный юг</translation>
    </message>
    <message>
        <source>Compass bearing %1</source>
        <translation>Пеленг по компасу %1</translation>
    </message>
    <message>
        <source>Motor axis</source>
        <translation>Ось мотора</translation>
    </message>
    <message>
        <source>Inclinometer on the axis: %1 above the horizon, towards %2 true (%3 by compass)</source>
        <translation>Угломер на оси: %1 над горизонтом, в сторону %2 истинного (%3 по компасу)</translation>
    </message>
    <message>
        <source>Motor scale</source>
        <translation>Шкала мотора</translation>
    </message>
    <message>
        <source>%1 if it shows the axis elevation, %2 if it shows the latitude</source>
        <translation>%1, если она показывает возвышение оси, %2, если широту</translation>
    </message>
    <message>
        <source>Dish clamp</source>
        <translation>Хомут антенны</translation>
    </message>
    <message>
        <source>%1 against the motor axis</source>
        <translation>%1 относительно оси мотора</translation>
    </message>
    <message>
        <source>Motor at zero</source>
        <translation>Мотор в нуле</translation>
    </message>
    <message>
        <source>Beam %1 up towards %2 true (%3 by compass); face %4</source>
        <translation>Луч на %1 вверх в сторону %2 истинного (%3 по компасу); лицевая сторона %4</translation>
    </message>
    <message>
        <source>Due south at %1</source>
        <translation>Точно на юге в %1</translation>
    </message>
    <message>
        <source>Due north at %1</source>
        <translation>Точно на севере в %1</translation>
    </message>
    <message>
        <source>, %1 up: a plumb line&apos;s shadow then marks the meridian</source>
        <translation>, на высоте %1: тень отвеса тогда отмечает меридиан</translation>
    </message>
    <message>
        <source>, below the horizon</source>
        <translation>, под горизонтом</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Солнце</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Азимут</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Возвышение</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Мотор</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Лицо</translation>
    </message>
    <message>
        <source>Sun at its azimuth</source>
        <translation>Солнце на его азимуте</translation>
    </message>
    <message>
        <source>%1, %2 up</source>
        <translation>%1, на высоте %2</translation>
    </message>
    <message>
        <source>never that day</source>
        <translation>в этот день никогда</translation>
    </message>
    <message>
        <source>Azimuth: true, clockwise from north. Compass: the bearing a compass shows. Motor: the turn from the motor&apos;s zero. Face: the inclinometer on the dish&apos;s face, degrees from vertical, + when the face looks up. When the sun stands at a satellite&apos;s azimuth, a plumb line&apos;s shadow points straight away from the satellite.</source>
        <translation>Азимут: истинный, по часовой стрелке от севера. Компас: пеленг, который показывает компас. Мотор: поворот от нуля мотора. Лицо: угломер на лицевой стороне антенны, градусы от вертикали, + когда лицевая сторона смотрит вверх. Когда солнце стоит на азимуте спутника, тень отвеса указывает точно в сторону от спутника.</translation>
    </message>
    <message>
        <source>On %1 (UTC)</source>
        <translation>На %1 (UTC)</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>Нет доступного принтера.</translation>
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
        <source>P&amp;recision of the motor angle (1σ, °):</source>
        <translation>&amp;Точность угла мотора (1σ, °):</translation>
    </message>
    <message>
        <source>Precision of the &amp;offset (1σ, °):</source>
        <translation>Точность &amp;смещения (1σ, °):</translation>
    </message>
    <message>
        <source>from the residuals</source>
        <translation>по невязкам</translation>
    </message>
    <message>
        <source>How well you find a signal&apos;s peak, in degrees: about %1 for the motor angle and %2 for the offset with a signal meter. Leave empty to estimate it from the residuals.</source>
        <translation>Насколько точно вы находите максимум сигнала, в градусах: с измерителем сигнала около %1 по углу мотора и %2 по смещению. Оставьте пустым, чтобы оценить по невязкам.</translation>
    </message>
    <message>
        <source>How sure</source>
        <translation>Насколько точно</translation>
    </message>
    <message>
        <source>The precision of the motor angle is not a number of degrees above 0 to %1</source>
        <translation>Точность угла мотора не является числом градусов больше 0 и не больше %1</translation>
    </message>
    <message>
        <source>The precision of the offset is not a number of degrees above 0 to %1</source>
        <translation>Точность смещения не является числом градусов больше 0 и не больше %1</translation>
    </message>
    <message>
        <source>Satellites to peak next, in this order:</source>
        <translation>Спутники для следующих замеров, в таком порядке:</translation>
    </message>
    <message>
        <source>worst 1σ then %1°</source>
        <translation>наибольшее 1σ затем %1°</translation>
    </message>
    <message>
        <source>Chosen satellites, for the mount as found:</source>
        <translation>Выбранные спутники, для фактического подвеса:</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Мотор</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Ресивер</translation>
    </message>
    <message>
        <source>The observations you typed have not been exported. They stay with %1 while it is open; export them to a file now?</source>
        <translation>Введённые наблюдения не экспортированы. Они хранятся с %1, пока он открыт; экспортировать их в файл сейчас?</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
</context>
<context>
    <name>zenbelts::CDishSection</name>
    <message>
        <source>Dish</source>
        <translation>Антенна</translation>
    </message>
    <message>
        <source>Prime focus</source>
        <translation>Прямофокусная</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Офсетная</translation>
    </message>
    <message>
        <source>Below the dish</source>
        <translation>Под антенной</translation>
    </message>
    <message>
        <source>Above the dish</source>
        <translation>Над антенной</translation>
    </message>
    <message>
        <source>The maker&apos;s offset angle: how far the beam rises above the normal of the rim, 1 to 45 degrees</source>
        <translation>Офсетный угол изготовителя: насколько луч поднимается над нормалью к кромке, от 1 до 45 градусов</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Тип:</translation>
    </message>
    <message>
        <source>Offset &amp;angle:</source>
        <translation>Офсетный &amp;угол:</translation>
    </message>
    <message>
        <source>&amp;Feed arm:</source>
        <translation>&amp;Кронштейн облучателя:</translation>
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
    <message>
        <source>&amp;Latitude:</source>
        <translation>&amp;Широта:</translation>
    </message>
    <message>
        <source>L&amp;ongitude:</source>
        <translation>&amp;Долгота:</translation>
    </message>
    <message>
        <source>Al&amp;titude (m):</source>
        <translation>&amp;Высота (м):</translation>
    </message>
</context>
<context>
    <name>zenbelts::CHorizonPage</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Азимут</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Элевация</translation>
    </message>
    <message>
        <source>True bearing, clockwise from north</source>
        <translation>Истинный азимут, по часовой стрелке от севера</translation>
    </message>
    <message>
        <source>The lowest elevation the dish sees past at that bearing; straight lines join the points</source>
        <translation>Наименьшая элевация, поверх которой антенна видит в этом направлении; точки соединяются прямыми</translation>
    </message>
    <message>
        <source>Degrees from 0 to 360, clockwise from true north</source>
        <translation>Градусы от 0 до 360 по часовой стрелке от истинного севера</translation>
    </message>
    <message>
        <source>Degrees from 0 to 90</source>
        <translation>Градусы от 0 до 90</translation>
    </message>
    <message>
        <source>How far the motor turns from its zero, 0 to 90 degrees</source>
        <translation>Насколько мотор поворачивается от нуля, от 0 до 90 градусов</translation>
    </message>
    <message>
        <source>Obstacles</source>
        <translation>Препятствия</translation>
    </message>
    <message>
        <source>A&amp;zimuth:</source>
        <translation>&amp;Азимут:</translation>
    </message>
    <message>
        <source>E&amp;levation:</source>
        <translation>&amp;Элевация:</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Импорт...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>Э&amp;кспорт...</translation>
    </message>
    <message>
        <source>Motor and dish</source>
        <translation>Мотор и антенна</translation>
    </message>
    <message>
        <source>Motor turns &amp;east to:</source>
        <translation>Мотор поворачивает на &amp;восток до:</translation>
    </message>
    <message>
        <source>Motor turns &amp;west to:</source>
        <translation>Мотор поворачивает на &amp;запад до:</translation>
    </message>
    <message>
        <source>Dish &amp;diameter (cm):</source>
        <translation>Диа&amp;метр антенны (см):</translation>
    </message>
    <message>
        <source>A satellite is in reach when it stands above the horizon by half the dish&apos;s beam and the motor turns that far.</source>
        <translation>Спутник доступен, если он выше горизонта на половину ширины луча антенны и мотор поворачивается так далеко.</translation>
    </message>
    <message>
        <source>The azimuth must be a number of degrees from 0 to 360.</source>
        <translation>Азимут должен быть числом градусов от 0 до 360.</translation>
    </message>
    <message>
        <source>The elevation must be a number of degrees from 0 to 90.</source>
        <translation>Элевация должна быть числом градусов от 0 до 90.</translation>
    </message>
    <message>
        <source>Import the horizon</source>
        <translation>Импорт горизонта</translation>
    </message>
    <message>
        <source>Horizon (*.csv);;All files (*)</source>
        <translation>Горизонт (*.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>Не удаётся импортировать %1: %2</translation>
    </message>
    <message>
        <source>Export the horizon</source>
        <translation>Экспорт горизонта</translation>
    </message>
    <message>
        <source>Cannot export %1: %2</source>
        <translation>Не удаётся экспортировать %1: %2</translation>
    </message>
</context>
<context>
    <name>zenbelts::CHorizonSketch</name>
    <message>
        <source>The sky from the dish as on a map, north up: the horizon at the rim, straight up at the centre; shaded what the horizon hides, the arc in pink, the chosen satellites as dots</source>
        <translation>Небо от антенны как на карте, север вверху: горизонт по краю, зенит в центре; затенено то, что скрывает горизонт, дуга розовым, выбранные спутники точками</translation>
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
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Вернуть</translation>
    </message>
    <message>
        <source>Mount as found</source>
        <translation>Крепление как найдено</translation>
    </message>
    <message>
        <source>&amp;At the dish...</source>
        <translation>У &amp;антенны...</translation>
    </message>
    <message>
        <source>&amp;Field page...</source>
        <translation>&amp;Полевая страница...</translation>
    </message>
    <message>
        <source>Field page</source>
        <translation>Полевая страница</translation>
    </message>
    <message>
        <source>No browser could be started to open %1.</source>
        <translation>Не удалось запустить браузер, чтобы открыть %1.</translation>
    </message>
    <message>
        <source>The field page is not installed with this Zenbelts.</source>
        <translation>Полевая страница не установлена с этим Zenbelts.</translation>
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
    <message>
        <source>Hidden by the horizon: too low over the obstacles there for the dish&apos;s beam</source>
        <translation>Скрыт горизонтом: слишком низко над препятствиями в этом направлении для луча антенны</translation>
    </message>
    <message>
        <source>Below the horizon</source>
        <translation>Ниже горизонта</translation>
    </message>
    <message>
        <source>Beyond the motor&apos;s limit: the motor does not turn that far</source>
        <translation>За пределом мотора: мотор не поворачивается так далеко</translation>
    </message>
</context>
<context>
    <name>zenbelts::CNumericEdit</name>
    <message>
        <source>Not taken: %1 lies beyond the limit %2</source>
        <translation>Не принято: %1 за пределом %2</translation>
    </message>
    <message>
        <source>“%1” was read as %2</source>
        <translation>«%1» прочитано как %2</translation>
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
    <message>
        <source>Horizon</source>
        <translation>Горизонт</translation>
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
        <source>Worst miss over %1 chosen satellites at least %2 up: %3 with the true site, %4 with this one.</source>
        <translation>Наибольшее отклонение по выбранным спутникам не ниже %2 (их %1): %3 с истинными координатами, %4 с этими.</translation>
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
        <source>GotoX</source>
        <translation>GotoX</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Ячейка</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Ресивер</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Байты</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Что делает</translation>
    </message>
    <message>
        <source>The number the receiver stores the position under; 0 is the motor&apos;s reference</source>
        <translation>Номер, под которым ресивер сохраняет положение; 0 — опорное положение мотора</translation>
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
        <source>The motor angle the set-up needs, east or west of the motor&apos;s zero</source>
        <translation>Угол мотора, нужный установке, к востоку или западу от нуля мотора</translation>
    </message>
    <message>
        <source>The motor angle a receiver computes by itself for the true site</source>
        <translation>Угол мотора, который ресивер сам вычисляет для истинного места</translation>
    </message>
    <message>
        <source>Seconds the motor takes from the slot before, the first from its zero</source>
        <translation>Секунды, за которые мотор доходит от предыдущей ячейки, первая — от нуля</translation>
    </message>
    <message>
        <source>The DiSEqC command that turns the motor to this angle</source>
        <translation>Команда DiSEqC, поворачивающая мотор на этот угол</translation>
    </message>
    <message>
        <source>How far past the outermost satellite each soft limit lies, 0 to 30 degrees</source>
        <translation>Насколько дальше крайнего спутника лежит каждый программный предел, от 0 до 30 градусов</translation>
    </message>
    <message>
        <source>How many degrees a second the motor turns, as its maker gives it</source>
        <translation>Сколько градусов в секунду поворачивается мотор, по данным производителя</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Экспорт CSV...</translation>
    </message>
    <message>
        <source>Soft limit &amp;margin (degrees):</source>
        <translation>&amp;Запас программных пределов (градусы):</translation>
    </message>
    <message>
        <source>Motor &amp;speed (degrees a second):</source>
        <translation>&amp;Скорость мотора (градусов в секунду):</translation>
    </message>
    <message>
        <source>DiSEqC 1.2 commands for a receiver that sends them raw, in order:</source>
        <translation>Команды DiSEqC 1.2 для ресивера, отправляющего их как есть, по порядку:</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>No chosen satellite is in reach: nothing to store, no limits to set.</source>
        <translation>Ни один выбранный спутник не доступен: нечего сохранять, пределы не задаются.</translation>
    </message>
    <message>
        <source>Soft limits: east %1, west %2, %3 past the outermost slots where the horizon and the motor allow.</source>
        <translation>Программные пределы: восток %1, запад %2, на %3 дальше крайних ячеек, насколько позволяют горизонт и мотор.</translation>
    </message>
    <message>
        <source>%1, hidden by the horizon</source>
        <translation>%1 — скрыт горизонтом</translation>
    </message>
    <message>
        <source>%1, beyond the motor&apos;s limit</source>
        <translation>%1 — за пределом мотора</translation>
    </message>
    <message>
        <source>%1, no slot left</source>
        <translation>%1 — свободных ячеек нет</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>Пропущены: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Export the positions</source>
        <translation>Экспорт положений</translation>
    </message>
    <message>
        <source>Positions (*.csv);;All files (*)</source>
        <translation>Положения (*.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Cannot export %1: %2</source>
        <translation>Не удаётся экспортировать %1: %2</translation>
    </message>
</context>
<context>
    <name>zenbelts::CSatellitesPage</name>
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
    <message>
        <source>&amp;Import list...</source>
        <translation>&amp;Импорт списка...</translation>
    </message>
    <message>
        <source>Use the s&amp;hipped list</source>
        <translation>Ст&amp;андартный список</translation>
    </message>
    <message>
        <source>Choose from &amp;receiver files...</source>
        <translation>Выбрать по файлам &amp;ресивера...</translation>
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
    <message>
        <source>The observations typed for %1 have not been exported, and some of them do not read. Close without them?</source>
        <translation>Наблюдения, введённые для %1, не экспортированы, и некоторые из них не читаются. Закрыть без них?</translation>
    </message>
    <message>
        <source>The observations typed for %1 have not been exported. Export them before closing?</source>
        <translation>Наблюдения, введённые для %1, не экспортированы. Экспортировать их перед закрытием?</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Экспорт...</translation>
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
    <message>
        <source>Change %1</source>
        <translation>Изменить: %1</translation>
    </message>
    <message>
        <source>Auto declination</source>
        <translation>Автосклонение</translation>
    </message>
    <message>
        <source>Lock satellites</source>
        <translation>Закрепить спутники</translation>
    </message>
    <message>
        <source>Set defaults</source>
        <translation>Значения по умолчанию</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>The location changed: every adjustment is back at its default. Undo brings them back.</source>
        <translation>Место изменилось: все регулировки вернулись к значениям по умолчанию. Отмена возвращает их.</translation>
    </message>
    <message>
        <source>Optimise</source>
        <translation>Оптимизировать</translation>
    </message>
</context>
</TS>
