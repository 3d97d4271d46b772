<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>Adjustment</name>
    <message>
        <source>Pole N/S</source>
        <translation>العمود N/S</translation>
    </message>
    <message>
        <source>NS</source>
        <translation>NS</translation>
    </message>
    <message>
        <source>Mounting pole North/South roll</source>
        <translation>إمالة عمود التثبيت شمالًا/جنوبًا</translation>
    </message>
    <message>
        <source>Pole E/W</source>
        <translation>العمود E/W</translation>
    </message>
    <message>
        <source>EW</source>
        <translation>EW</translation>
    </message>
    <message>
        <source>Mounting pole East/West roll</source>
        <translation>إمالة عمود التثبيت شرقًا/غربًا</translation>
    </message>
    <message>
        <source>Motor azimuth</source>
        <translation>سمت المحرك</translation>
    </message>
    <message>
        <source>Motor Az</source>
        <translation>سمت المحرك</translation>
    </message>
    <message>
        <source>MA</source>
        <translation>MA</translation>
    </message>
    <message>
        <source>Motor azimuthal shift (on mounting pole)</source>
        <translation>إزاحة سمت المحرك (على عمود التثبيت)</translation>
    </message>
    <message>
        <source>Motor elevation</source>
        <translation>ارتفاع المحرك</translation>
    </message>
    <message>
        <source>Motor Elv</source>
        <translation>ارتفاع المحرك</translation>
    </message>
    <message>
        <source>EL</source>
        <translation>EL</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <source>Dish azimuth</source>
        <translation>سمت الطبق</translation>
    </message>
    <message>
        <source>Dish Az</source>
        <translation>سمت الطبق</translation>
    </message>
    <message>
        <source>DA</source>
        <translation>DA</translation>
    </message>
    <message>
        <source>Dish azimuthal shift (on motor pole)</source>
        <translation>إزاحة سمت الطبق (على عمود المحرك)</translation>
    </message>
    <message>
        <source>Dish declination</source>
        <translation>ميل الطبق</translation>
    </message>
    <message>
        <source>Dish Decl</source>
        <translation>ميل الطبق</translation>
    </message>
    <message>
        <source>DC</source>
        <translation>DC</translation>
    </message>
    <message>
        <source>Declination</source>
        <translation>الميل</translation>
    </message>
    <message>
        <source>pole north/south</source>
        <translation>ميل السارية شمال/جنوب</translation>
    </message>
    <message>
        <source>pole east/west</source>
        <translation>ميل السارية شرق/غرب</translation>
    </message>
    <message>
        <source>motor azimuth</source>
        <translation>سمت المحرك</translation>
    </message>
    <message>
        <source>motor elevation</source>
        <translation>ارتفاع المحرك</translation>
    </message>
    <message>
        <source>dish azimuth</source>
        <translation>سمت الطبق</translation>
    </message>
    <message>
        <source>dish declination</source>
        <translation>ميل الطبق</translation>
    </message>
</context>
<context>
    <name>FieldPage</name>
    <message>
        <source>Open…</source>
        <translation>فتح…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>New at a site…</source>
        <translation>جديد في موقع…</translation>
    </message>
    <message>
        <source>Satellite list…</source>
        <translation>قائمة الأقمار…</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>خط العرض</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>خط الطول</translation>
    </message>
    <message>
        <source>Altitude (m)</source>
        <translation>الارتفاع (م)</translation>
    </message>
    <message>
        <source>Start here</source>
        <translation>ابدأ هنا</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>The arc</source>
        <translation>القوس</translation>
    </message>
    <message>
        <source>Field assistant</source>
        <translation>مساعد الموقع</translation>
    </message>
    <message>
        <source>At the dish</source>
        <translation>عند الطبق</translation>
    </message>
    <message>
        <source>At the dish, turn the motor to a satellite, peak its signal, and type the motor angle the receiver shows; where tilting the dish up (+) or down (-) helped, by how much.</source>
        <translation>عند الطبق، أدر المحرك نحو قمر، وابحث عن ذروة إشارته، واكتب زاوية المحرك التي يعرضها جهاز الاستقبال؛ وإن ساعد إمالة الطبق إلى الأعلى (+) أو الأسفل (-) فاكتب بكم.</translation>
    </message>
    <message>
        <source>Third column</source>
        <translation>العمود الثالث</translation>
    </message>
    <message>
        <source>Offset (°)</source>
        <translation>الإزاحة (°)</translation>
    </message>
    <message>
        <source>Face tilt (°)</source>
        <translation>ميل الوجه (°)</translation>
    </message>
    <message>
        <source>Motor angle</source>
        <translation>زاوية المحرك</translation>
    </message>
    <message>
        <source>Add a row</source>
        <translation>إضافة صف</translation>
    </message>
    <message>
        <source>Remove the row</source>
        <translation>حذف الصف</translation>
    </message>
    <message>
        <source>As set up</source>
        <translation>كما هو مضبوط</translation>
    </message>
    <message>
        <source>Instruments</source>
        <translation>أدوات القياس</translation>
    </message>
    <message>
        <source>Use the phone&apos;s sensors</source>
        <translation>استخدام مستشعرات الهاتف</translation>
    </message>
    <message>
        <source>Zero on a level surface</source>
        <translation>تصفير على سطح مستوٍ</translation>
    </message>
    <message>
        <source>Phone along the motor axis</source>
        <translation>الهاتف على محور المحرك</translation>
    </message>
    <message>
        <source>Phone on the dish&apos;s face</source>
        <translation>الهاتف على وجه الطبق</translation>
    </message>
    <message>
        <source>Compass heading of the phone&apos;s top</source>
        <translation>اتجاه البوصلة لأعلى الهاتف</translation>
    </message>
    <message>
        <source>should read %1 (%2 off)</source>
        <translation>يجب أن يقرأ %1 (الفرق %2)</translation>
    </message>
    <message>
        <source>at the motor&apos;s zero %1 (%2 off)</source>
        <translation>عند صفر المحرك %1 (الفرق %2)</translation>
    </message>
    <message>
        <source>%1 true, with the declination %2</source>
        <translation>%1 حقيقي، مع الانحراف %2</translation>
    </message>
    <message>
        <source>Lay the phone along the motor axis, its top towards the raised end, or flat on the dish&apos;s face, its screen outwards. Zero it first on a level surface.</source>
        <translation>ضع الهاتف على محور المحرك وأعلاه نحو الطرف المرتفع، أو مسطحًا على وجه الطبق وشاشته إلى الخارج. صفّره أولًا على سطح مستوٍ.</translation>
    </message>
    <message>
        <source>Zeroed on a level surface.</source>
        <translation>تم التصفير على سطح مستوٍ.</translation>
    </message>
    <message>
        <source>This browser gives no orientation sensor here: the readings below still hold.</source>
        <translation>لا يوفر هذا المتصفح هنا مستشعر اتجاه: القراءات أدناه تبقى صالحة.</translation>
    </message>
    <message>
        <source>The sensors were refused: allow motion and orientation for this page in the browser&apos;s settings. The readings below still hold.</source>
        <translation>رُفض الوصول إلى المستشعرات: اسمح بالحركة والاتجاه لهذه الصفحة في إعدادات المتصفح. القراءات أدناه تبقى صالحة.</translation>
    </message>
    <message>
        <source>The sensors need a secure page (https or a file): the readings below still hold.</source>
        <translation>تحتاج المستشعرات إلى صفحة آمنة (https أو ملف): القراءات أدناه تبقى صالحة.</translation>
    </message>
    <message>
        <source>Waiting for the sensors… move the phone a little.</source>
        <translation>بانتظار المستشعرات… حرّك الهاتف قليلًا.</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>حُفظ باسم %1.</translation>
    </message>
    <message>
        <source>List: %1 satellites.</source>
        <translation>القائمة: %1 قمرًا.</translation>
    </message>
    <message>
        <source>Measure next: %1 (added as a row).</source>
        <translation>القياس التالي: %1 (أُضيف صفًا).</translation>
    </message>
    <message>
        <source>Lay the phone flat on a level surface, then zero.</source>
        <translation>ضع الهاتف مسطحًا على سطح مستوٍ ثم صفّره.</translation>
    </message>
    <message>
        <source>Nothing observed yet, and no satellite of the list is up and within the motor&apos;s reach.</source>
        <translation>لم يُرصد شيء بعد، ولا قمر في القائمة فوق الأفق وفي متناول المحرك.</translation>
    </message>
    <message>
        <source>it is far larger than a set-up</source>
        <translation>إنه أكبر بكثير من ملف ضبط</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>تعذّر فتح %1: %2</translation>
    </message>
    <message>
        <source>The list %1 cannot be used: %2</source>
        <translation>لا يمكن استخدام القائمة %1: %2</translation>
    </message>
    <message>
        <source>it is larger than 8 MiB</source>
        <translation>حجمها أكبر من 8 ميبيبايت</translation>
    </message>
    <message>
        <source>it lists channels, not satellites</source>
        <translation>إنها تسرد قنوات لا أقمارًا</translation>
    </message>
    <message>
        <source>%1 is not a number of degrees</source>
        <translation>%1 ليس عددًا من الدرجات</translation>
    </message>
    <message>
        <source>The altitude is whole metres from %1 to %2</source>
        <translation>الارتفاع بالأمتار الصحيحة من %1 إلى %2</translation>
    </message>
    <message>
        <source>The latitude lies from 90°S to 90°N</source>
        <translation>يقع خط العرض بين 90°S و90°N</translation>
    </message>
    <message>
        <source>The longitude lies from 180°W to 180°E</source>
        <translation>يقع خط الطول بين 180°W و180°E</translation>
    </message>
    <message>
        <source>The date is of the form YYYY-MM-DD, from 1900 to 2199</source>
        <translation>التاريخ بالصيغة YYYY-MM-DD من 1900 إلى 2199</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>حجمه أكبر من 1 ميبيبايت</translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Reading receiver files...</source>
        <translation>تُقرأ ملفات جهاز الاستقبال...</translation>
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
        <translation>الموقع:</translation>
    </message>
    <message>
        <source>%1; Alt: %2 m</source>
        <translation>%1؛ الارتفاع: %2 م</translation>
    </message>
    <message>
        <source>Mounting pole:</source>
        <translation>العمود:</translation>
    </message>
</context>
<context>
    <name>SetUpEdit</name>
    <message>
        <source>it must lie in %1..%2</source>
        <translation>يجب أن يقع بين %1..%2</translation>
    </message>
    <message>
        <source>the limits of the %1 must be -1799..-1 and 1..1800</source>
        <translation>يجب أن تكون حدود %1 بين -1799..-1 و 1..1800</translation>
    </message>
    <message>
        <source>the lower limit of the %1 must lie below the upper one, within -1799..1800</source>
        <translation>يجب أن يقع الحد الأدنى لـ %1 تحت الحد الأعلى، ضمن -1799..1800</translation>
    </message>
    <message>
        <source>the declination follows its automatic value while autoDeclination is on</source>
        <translation>يتبع الميل قيمته التلقائية ما دام autoDeclination مفعّلًا</translation>
    </message>
    <message>
        <source>it lies outside its current range %1..%2</source>
        <translation>يقع خارج مداه الحالي %1..%2</translation>
    </message>
    <message>
        <source>a position must lie in 0..3599</source>
        <translation>يجب أن يقع الموقع بين 0..3599</translation>
    </message>
    <message>
        <source>unknown name</source>
        <translation>اسم غير معروف</translation>
    </message>
    <message>
        <source>it must be 0 or 1</source>
        <translation>يجب أن يكون 0 أو 1</translation>
    </message>
    <message>
        <source>it is computed, not set</source>
        <translation>تُحسب هذه القيمة ولا تُضبط</translation>
    </message>
    <message>
        <source>not of the form NAME=VALUE</source>
        <translation>ليس على الصيغة الاسم=القيمة</translation>
    </message>
    <message>
        <source>the value is not a whole number</source>
        <translation>القيمة ليست عددًا صحيحًا</translation>
    </message>
    <message>
        <source>it must lie in %1..%2 tenths (0 for prime focus)</source>
        <translation>يجب أن يقع بين %1..%2 من الأعشار (0 للطبق ذي البؤرة الأمامية)</translation>
    </message>
    <message>
        <source>the horizon takes at most %1 points</source>
        <translation>يقبل الأفق %1 نقطة على الأكثر</translation>
    </message>
    <message>
        <source>an azimuth must lie in 0..3599 tenths</source>
        <translation>يجب أن يقع السمت بين 0..3599 من الأعشار</translation>
    </message>
    <message>
        <source>an elevation must lie in 0..%1 tenths</source>
        <translation>يجب أن يقع الارتفاع بين 0..%1 من الأعشار</translation>
    </message>
    <message>
        <source>the azimuth %1 is given twice</source>
        <translation>السمت %1 مذكور مرتين</translation>
    </message>
    <message>
        <source>it must lie in %1..%2 tenths</source>
        <translation>يجب أن يقع بين %1..%2 من الأعشار</translation>
    </message>
    <message>
        <source>it must lie in %1..%2 centimetres</source>
        <translation>يجب أن يقع بين %1..%2 سنتيمترًا</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not AZIMUTH:ELEVATION in whole tenths</source>
        <translation>«%1» ليس السمت:الارتفاع بأعشار صحيحة</translation>
    </message>
</context>
<context>
    <name>diagnose</name>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 و%2</translation>
    </message>
    <message>
        <source>between %1 and %2</source>
        <translation>بين %1 و%2</translation>
    </message>
    <message>
        <source>west of %1 and east of %2</source>
        <translation>غرب %1 وشرق %2</translation>
    </message>
    <message>
        <source>west of %1</source>
        <translation>غرب %1</translation>
    </message>
    <message>
        <source>east of %1</source>
        <translation>شرق %1</translation>
    </message>
    <message>
        <source>lines %1 and %2 give two peaks of %3 %4 apart, far beyond the precision of %5</source>
        <translation>السطران %1 و%2 يعطيان ذروتين للقمر %3 بينهما %4، وهذا أبعد بكثير من الدقة %5</translation>
    </message>
    <message>
        <source>lines %1 and %2 give two offsets of %3 %4 apart, far beyond the precision of %5</source>
        <translation>السطران %1 و%2 يعطيان إزاحتين للقمر %3 بينهما %4، وهذا أبعد بكثير من الدقة %5</translation>
    </message>
    <message>
        <source>line %1: the offset of %2 lies %3 from where the other observations put it, far beyond the precision of %4</source>
        <translation>السطر %1: إزاحة %2 تبعد %3 عمّا تعطيه الأرصاد الأخرى، وهذا أبعد بكثير من الدقة %4</translation>
    </message>
    <message>
        <source>line %1: the motor angle of %2 lies %3 from where the other observations put it, far beyond the precision of %4</source>
        <translation>السطر %1: زاوية المحرك لـ%2 تبعد %3 عمّا تعطيه الأرصاد الأخرى، وهذا أبعد بكثير من الدقة %4</translation>
    </message>
    <message>
        <source>%1 does not move the beam at this site.</source>
        <translation>%1 لا يحرّك الحزمة في هذا الموقع.</translation>
    </message>
    <message>
        <source>%1 move the beam alike, so no observation can tell them apart.</source>
        <translation>%1 تحرّك الحزمة بالطريقة نفسها، لذا لا يستطيع أي رصد التمييز بينها.</translation>
    </message>
    <message>
        <source>Within the limits %1 cannot take the whole correction, so %2 turns as well.</source>
        <translation>ضمن الحدود لا يستطيع %1 استيعاب التصحيح كله، لذا يُدار %2 أيضًا.</translation>
    </message>
    <message>
        <source>The advice turns %1 alone; %2 may stay as it is.</source>
        <translation>تُدير النصيحة %1 وحده؛ ويمكن أن يبقى %2 كما هو.</translation>
    </message>
    <message>
        <source>The advice turns %1 alone; %2 may stay as they are.</source>
        <translation>تُدير النصيحة %1 وحدها؛ ويمكن أن تبقى %2 كما هي.</translation>
    </message>
    <message>
        <source>These observations cannot separate %1.</source>
        <translation>لا تستطيع هذه الأرصاد الفصل بين %1.</translation>
    </message>
    <message>
        <source>These observations leave %1 undetermined.</source>
        <translation>تترك هذه الأرصاد %1 غير محدد.</translation>
    </message>
    <message>
        <source>The fit keeps what they cannot tell near the set-up.</source>
        <translation>تُبقي الملاءمة ما لا تستطيع الأرصاد تحديده قريبًا من الإعداد.</translation>
    </message>
    <message>
        <source>What they cannot tell is kept as in the set-up.</source>
        <translation>ما لا تستطيع الأرصاد تحديده يبقى كما في الإعداد.</translation>
    </message>
    <message>
        <source>the satellites at least 5° up</source>
        <translation>الأقمار المرتفعة 5° على الأقل</translation>
    </message>
    <message>
        <source>the arc at least 5° up</source>
        <translation>القوس المرتفع 5° على الأقل</translation>
    </message>
    <message>
        <source>At worst over %1, the mount as found gives the motor angle to %2 and the offset to %3 (1σ).</source>
        <translation>في أسوأ الأحوال على %1، يعطي الحامل الفعلي زاوية المحرك بدقة %2 والإزاحة بدقة %3 (1σ).</translation>
    </message>
    <message>
        <source>At worst over %1, the mount as found gives the motor angle to %2 (1σ); with no offset observed, the offset only to %3.</source>
        <translation>في أسوأ الأحوال على %1، يعطي الحامل الفعلي زاوية المحرك بدقة %2 (1σ)؛ ومن دون إزاحة مرصودة، الإزاحة بدقة %3 فقط.</translation>
    </message>
    <message>
        <source>%1 The observations are good to %2 in the motor angle and %3 in the offset (1σ), as stated.</source>
        <translation>%1 دقة الأرصاد %2 في زاوية المحرك و%3 في الإزاحة (1σ)، كما هو محدد.</translation>
    </message>
    <message>
        <source>%1 The observations are good to %2 in the motor angle and %3 in the offset (1σ), as the residuals show.</source>
        <translation>%1 دقة الأرصاد %2 في زاوية المحرك و%3 في الإزاحة (1σ)، كما تُظهر البواقي.</translation>
    </message>
    <message>
        <source>%1 The observations are taken to be good to %2 in the motor angle and %3 in the offset (1σ), as usual at a dish: too few to tell from the residuals.</source>
        <translation>%1 تُفترض دقة الأرصاد %2 في زاوية المحرك و%3 في الإزاحة (1σ)، كالمعتاد عند الطبق: فهي أقل من أن تُستخلص دقتها من البواقي.</translation>
    </message>
    <message>
        <source>The fit is not sure of the satellites %1 (up to %2 at 1σ): measure one there.</source>
        <translation>الملاءمة غير متأكدة من الأقمار %1 (حتى %2 عند 1σ): ارصد واحدًا منها.</translation>
    </message>
    <message>
        <source>The fit is not sure of any satellite (up to %1 at 1σ): measure more, spread along the arc.</source>
        <translation>الملاءمة غير متأكدة من أي قمر (حتى %1 عند 1σ): ارصد المزيد موزّعًا على القوس.</translation>
    </message>
    <message>
        <source>Measure %1 next, its motor angle and offset: the worst uncertainty would fall from %2 to %3 (1σ).</source>
        <translation>ارصد %1 بعد ذلك، زاوية محركه وإزاحته: ستنخفض أسوأ حالات عدم اليقين من %2 إلى %3 (1σ).</translation>
    </message>
    <message>
        <source>Measure %1 next, its motor angle: the worst uncertainty would fall from %2 to %3 (1σ).</source>
        <translation>ارصد %1 بعد ذلك، زاوية محركه: ستنخفض أسوأ حالات عدم اليقين من %2 إلى %3 (1σ).</translation>
    </message>
    <message>
        <source>%1: turn %2° %3, from %4 to %5, with the motor at %6, the satellite nearest due south</source>
        <translation>%1: أدر بمقدار %2° نحو %3، من %4 إلى %5، والمحرك على %6، أقرب قمر إلى الجنوب</translation>
    </message>
    <message>
        <source>%1: turn %2° %3, from %4 to %5, with the motor at %6, the satellite nearest due north</source>
        <translation>%1: أدر بمقدار %2° نحو %3، من %4 إلى %5، والمحرك على %6، أقرب قمر إلى الشمال</translation>
    </message>
    <message>
        <source>%1: turn %2° %3, from %4 to %5</source>
        <translation>%1: أدر بمقدار %2° نحو %3، من %4 إلى %5</translation>
    </message>
    <message>
        <source>Nothing to turn: the mount stands as the set-up.</source>
        <translation>لا شيء يُدار: الحامل مطابق للإعداد.</translation>
    </message>
    <message>
        <source>To bring the mount to the set-up, turn in this order:</source>
        <translation>لإعادة الحامل إلى الإعداد، أدِر بهذا الترتيب:</translation>
    </message>
    <message>
        <source>Nothing observed yet. Measure these first, each its motor angle and offset: %1. The worst uncertainty would then be %2 (1σ).</source>
        <translation>لا أرصاد بعد. ارصد هذه أولًا، لكل منها زاوية المحرك والإزاحة: %1. ستكون أسوأ حالات عدم اليقين عندئذ %2 (1σ).</translation>
    </message>
</context>
<context>
    <name>horizon</name>
    <message>
        <source>line %1: %2</source>
        <translation>السطر %1: %2</translation>
    </message>
    <message>
        <source>it is not azimuth,elevation</source>
        <translation>ليس بصيغة السمت،الارتفاع</translation>
    </message>
    <message>
        <source>the azimuth is not a number of degrees from 0 to 360</source>
        <translation>السمت ليس عددًا من الدرجات بين 0 و360</translation>
    </message>
    <message>
        <source>the elevation is not a number of degrees from 0 to 90</source>
        <translation>الارتفاع ليس عددًا من الدرجات بين 0 و90</translation>
    </message>
    <message>
        <source>a horizon takes at most 360 points</source>
        <translation>يقبل الأفق 360 نقطة على الأكثر</translation>
    </message>
</context>
<context>
    <name>io</name>
    <message>
        <source>no such file</source>
        <translation>الملف غير موجود</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>إنه مجلد وليس ملفًا</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>cannot list the folder: %1</source>
        <translation>تعذّر سرد المجلد: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>a folder is read as .ini files or scan tables, not as %1</source>
        <translation>يُقرأ المجلد كملفات ‎.ini أو جداول مسح، لا كـ %1</translation>
    </message>
    <message>
        <source>cannot tell which format it is in</source>
        <translation>تعذّر تحديد صيغته</translation>
    </message>
    <message>
        <source>a list of channels (%1) names positions, not satellites</source>
        <translation>قائمة القنوات (%1) تسمّي مواقع لا أقمارًا</translation>
    </message>
    <message>
        <source>line %1 is longer than %2</source>
        <translation>السطر %1 أطول من %2</translation>
    </message>
    <message>
        <source>cannot read it</source>
        <translation>تعذّرت قراءته</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>حجمه أكبر من %1</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 ميبيبايت</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 كيبيبايت</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>بايت واحد</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 بايت</translation>
    </message>
    <message>
        <source>cannot open it: %1</source>
        <translation>تعذّر فتحه: %1</translation>
    </message>
    <message>
        <source>cannot read it: %1</source>
        <translation>تعذّرت قراءته: %1</translation>
    </message>
    <message>
        <source>cannot write it: %1</source>
        <translation>تعذّرت كتابته: %1</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>لا يوجد اسم ملف</translation>
    </message>
    <message>
        <source>the import was cancelled</source>
        <translation>أُلغي الاستيراد</translation>
    </message>
    <message>
        <source>no satellites in %1: is it a satellite list?</source>
        <translation>لا أقمار في %1: هل هي قائمة أقمار؟</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Print FILE on the default printer.</source>
        <translation>اطبع FILE على الطابعة الافتراضية.</translation>
    </message>
    <message>
        <source>Set-ups to open.</source>
        <translation>الإعدادات المراد فتحها.</translation>
    </message>
</context>
<context>
    <name>metadata</name>
    <message>
        <source>Polar Mount Set-up</source>
        <translation>إعداد الحامل القطبي</translation>
    </message>
    <message>
        <source>Set up a motorised polar mount for a satellite dish</source>
        <translation>إعداد حامل قطبي بمحرك لطبق استقبال الأقمار الصناعية</translation>
    </message>
    <message>
        <source>satellite;dish;polar;mount;motor;geostationary;antenna;</source>
        <extracomment>Search words for the desktop&apos;s menus, each followed by a semicolon, the last one too; keep an English word where users search for it.</extracomment>
        <translation>قمر صناعي;طبق;هوائي;قطبي;حامل;محرك;ثابت بالنسبة إلى الأرض;satellite;dish;</translation>
    </message>
    <message>
        <source>Set up a motorised satellite dish</source>
        <translation>إعداد طبق استقبال بمحرك</translation>
    </message>
    <message>
        <source>Zenbelts helps you set up a motorised polar mount for a satellite dish. Tell it where the dish stands and how the mount is adjusted, and it works out where the dish&apos;s beam sweeps as the motor turns and shows that path against the geostationary satellites you chose, so you can see at a glance which satellites the beam will hit and by how much it misses the others.</source>
        <translation>يساعدك Zenbelts على إعداد حامل قطبي بمحرك لطبق استقبال الأقمار الصناعية. أخبره أين يقف الطبق وكيف ضُبط الحامل، فيحسب أين تمرّ حزمة الطبق عند دوران المحرك ويعرض هذا المسار أمام الأقمار الثابتة بالنسبة إلى الأرض التي اخترتها، فترى بنظرة واحدة أي الأقمار ستصيبها الحزمة وبكم تخطئ الأخرى.</translation>
    </message>
    <message>
        <source>Sliders and fields for the pole&apos;s roll, the motor&apos;s azimuth and elevation, the dish&apos;s azimuth and its declination</source>
        <translation>منزلقات وحقول لإمالة العمود، وسمت المحرك وارتفاعه، وسمت الطبق وميله</translation>
    </message>
    <message>
        <source>The best motor elevation and declination for your location, or the ones that make the largest miss smallest</source>
        <translation>أفضل ارتفاع للمحرك وأفضل ميل لموقعك، أو القيمتان اللتان تجعلان أكبر انحراف أصغر ما يمكن</translation>
    </message>
    <message>
        <source>A table of the motor angle and the miss for every chosen satellite</source>
        <translation>جدول بزاوية المحرك والانحراف لكل قمر مختار</translation>
    </message>
    <message>
        <source>What each scale, the compass and the sun tell at the dish on a given day</source>
        <translation>ما تُظهره كل تدريجة والبوصلة والشمس عند الطبق في يوم معيّن</translation>
    </message>
    <message>
        <source>A field assistant that works out how the mount really stands from where the signals peaked, and says what to turn</source>
        <translation>مساعد يستنتج من زوايا المحرك التي بلغت عندها الإشارات ذروتها كيف يقف الحامل فعلًا، ويخبرك بما يجب إدارته</translation>
    </message>
    <message>
        <source>Satellite lists read from a receiver&apos;s files</source>
        <translation>قوائم أقمار تُقرأ من ملفات جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Printed plots with a legend of the whole set-up</source>
        <translation>رسوم مطبوعة مع مفتاح للإعداد كله</translation>
    </message>
    <message>
        <source>A command-line tool that makes, changes, draws and optimises set-ups</source>
        <translation>أداة سطر أوامر تنشئ الإعدادات وتغيّرها وترسمها وتحسّنها</translation>
    </message>
    <message>
        <source>A set-up: the beam&apos;s path against the satellites, the adjustments and the misses</source>
        <translation>إعداد: مسار الحزمة أمام الأقمار، والضبط، والانحرافات</translation>
    </message>
    <message>
        <source>Zenbelt document</source>
        <translation>مستند Zenbelt</translation>
    </message>
    <message>
        <source>What the dish can reach past a horizon mask and the motor&apos;s limits, and the positions to store in a receiver</source>
        <translation>ما يمكن أن يبلغه الطبق فوق قناع الأفق وضمن حدود المحرك، والمواضع التي تُحفظ في جهاز الاستقبال</translation>
    </message>
    <message>
        <source>A page for the phone in your hand at the dish, which works offline</source>
        <translation>صفحة للهاتف الذي في يدك عند الطبق، تعمل دون اتصال بالشبكة</translation>
    </message>
</context>
<context>
    <name>observations</name>
    <message>
        <source>line %1: %2</source>
        <translation>السطر %1: %2</translation>
    </message>
    <message>
        <source>the header must be %1</source>
        <translation>يجب أن يكون سطر العنوان %1</translation>
    </message>
    <message>
        <source>expected 3 fields (position,motorAngle,offset), found %1</source>
        <translation>المتوقع 3 حقول (position,motorAngle,offset)، والموجود %1</translation>
    </message>
    <message>
        <source>the position is missing</source>
        <translation>الموقع مفقود</translation>
    </message>
    <message>
        <source>the position is neither 0 to 3599 tenths nor a label like 19.2E</source>
        <translation>الموقع ليس عددًا من الأعشار بين 0 و3599 ولا تسمية مثل 19.2E</translation>
    </message>
    <message>
        <source>the motor angle is missing</source>
        <translation>زاوية المحرك مفقودة</translation>
    </message>
    <message>
        <source>the motor angle is not a number</source>
        <translation>زاوية المحرك ليست رقمًا</translation>
    </message>
    <message>
        <source>the motor angle is out of range (-180 to 180 degrees)</source>
        <translation>زاوية المحرك خارج النطاق (من -180 إلى 180 درجة)</translation>
    </message>
    <message>
        <source>the offset is not a number</source>
        <translation>الانحراف ليس رقمًا</translation>
    </message>
    <message>
        <source>the offset is out of range (-90 to 90 degrees)</source>
        <translation>الانحراف خارج النطاق (من -90 إلى 90 درجة)</translation>
    </message>
    <message>
        <source>the line is longer than %1</source>
        <translation>السطر أطول من %1</translation>
    </message>
    <message>
        <source>no observations</source>
        <translation>لا توجد ملاحظات</translation>
    </message>
    <message>
        <source>a position is out of range</source>
        <translation>أحد المواقع خارج النطاق</translation>
    </message>
    <message>
        <source>%1 is below the horizon here</source>
        <translation>%1 تحت الأفق هنا</translation>
    </message>
    <message>
        <source>the face tilt is not a number</source>
        <translation>ميل وجه الطبق ليس رقمًا</translation>
    </message>
    <message>
        <source>the face tilt lies more than 20 degrees from the set-up&apos;s at that motor angle: check the dish&apos;s offset and feed arm</source>
        <translation>يبتعد ميل وجه الطبق عند زاوية المحرك هذه أكثر من 20 درجة عن ميل الإعداد: تحقّق من زاوية الإزاحة وذراع المغذّي</translation>
    </message>
    <message>
        <source>face tilts are read only with a set-up&apos;s dish</source>
        <translation>لا تُقرأ ميول وجه الطبق إلا مع طبق إعداد ما</translation>
    </message>
</context>
<context>
    <name>positions</name>
    <message>
        <source>Halt: the motor stops at once</source>
        <translation>إيقاف: يتوقف المحرك فورًا</translation>
    </message>
    <message>
        <source>Limits off: the motor may turn to its end stops</source>
        <translation>إلغاء الحدود: يمكن للمحرك الدوران حتى مصدّاته</translation>
    </message>
    <message>
        <source>Go to %1, the east soft limit</source>
        <translation>الانتقال إلى %1، الحد البرمجي الشرقي</translation>
    </message>
    <message>
        <source>Set the motor&apos;s east limit where it stands</source>
        <translation>تثبيت الحد الشرقي للمحرك حيث يقف</translation>
    </message>
    <message>
        <source>Set the motor&apos;s west limit where it stands (the eastern sky, south of the equator)</source>
        <translation>تثبيت الحد الغربي للمحرك حيث يقف (السماء الشرقية جنوب خط الاستواء)</translation>
    </message>
    <message>
        <source>Go to %1, the west soft limit</source>
        <translation>الانتقال إلى %1، الحد البرمجي الغربي</translation>
    </message>
    <message>
        <source>Set the motor&apos;s west limit where it stands</source>
        <translation>تثبيت الحد الغربي للمحرك حيث يقف</translation>
    </message>
    <message>
        <source>Set the motor&apos;s east limit where it stands (the western sky, south of the equator)</source>
        <translation>تثبيت الحد الشرقي للمحرك حيث يقف (السماء الغربية جنوب خط الاستواء)</translation>
    </message>
    <message>
        <source>Limits on: the motor stays between the two limits from now on</source>
        <translation>تفعيل الحدود: يبقى المحرك من الآن بين الحدّين</translation>
    </message>
    <message>
        <source>Go to %1 for %2</source>
        <translation>الانتقال إلى %1 من أجل %2</translation>
    </message>
    <message>
        <source>Store this position as slot %1 (%2)</source>
        <translation>حفظ هذا الموضع في الخانة %1 (%2)</translation>
    </message>
    <message>
        <source>Go to slot %1 (%2)</source>
        <translation>الانتقال إلى الخانة %1 (%2)</translation>
    </message>
    <message>
        <source>Recalculate: once slot %1 (%2) is peaked again and stored, every other stored position moves by as much</source>
        <translation>إعادة الحساب: بعد ضبط الخانة %1 (%2) على أقوى إشارة من جديد وحفظها، تنزاح كل المواضع المحفوظة الأخرى بالقدر نفسه</translation>
    </message>
</context>
<context>
    <name>setup</name>
    <message>
        <source>it ends early</source>
        <translation>ينتهي قبل أوانه</translation>
    </message>
    <message>
        <source>the %1 is out of range</source>
        <translation>القيمة خارج النطاق: %1</translation>
    </message>
    <message>
        <source>the %1 limits are out of range</source>
        <translation>الحدود خارج النطاق: %1</translation>
    </message>
    <message>
        <source>the %1 is outside its limits</source>
        <translation>القيمة خارج حدودها: %1</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>خط العرض</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>خط الطول</translation>
    </message>
    <message>
        <source>altitude</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <source>the set-up&apos;s extension is damaged: %1</source>
        <translation>امتداد ملف الإعداد تالف: %1</translation>
    </message>
    <message>
        <source>a record does not read</source>
        <translation>أحد السجلات لا يُقرأ</translation>
    </message>
    <message>
        <source>dish offset</source>
        <translation>زاوية إزاحة الطبق</translation>
    </message>
    <message>
        <source>the feed arm is neither below nor above the dish</source>
        <translation>ذراع المغذّي ليس تحت الطبق ولا فوقه</translation>
    </message>
    <message>
        <source>the set-up&apos;s extension is of a later version (%1)</source>
        <translation>امتداد ملف الإعداد من إصدار أحدث (%1)</translation>
    </message>
    <message>
        <source>its version is unknown</source>
        <translation>إصداره غير معروف</translation>
    </message>
    <message>
        <source>its length does not match the file</source>
        <translation>طوله لا يطابق الملف</translation>
    </message>
    <message>
        <source>its check does not match</source>
        <translation>مجموع التحقق الخاص به لا يطابق</translation>
    </message>
    <message>
        <source>horizon mask</source>
        <translation>قناع الأفق</translation>
    </message>
    <message>
        <source>motor&apos;s range</source>
        <translation>مدى المحرك</translation>
    </message>
    <message>
        <source>dish diameter</source>
        <translation>قطر الطبق</translation>
    </message>
</context>
<context>
    <name>texts</name>
    <message>
        <source>About Zenbelts</source>
        <translation>حول Zenbelts</translation>
    </message>
    <message>
        <source>Zenbelts Version %1</source>
        <translation>Zenbelts الإصدار %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or any later version.</source>
        <translation>برنامج حر بموجب رخصة GNU العمومية العامة، الإصدار 3 أو أي إصدار لاحق.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>جاهز</translation>
    </message>
    <message>
        <source>Zenbelt</source>
        <translation>Zenbelt</translation>
    </message>
    <message>
        <source>Zenbelt Files (*.zb)</source>
        <translation>ملفات Zenbelt (*.zb)</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>إنشاء مستند جديد</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>فتح مستند موجود</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>إغلاق المستند النشط</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>حفظ المستند النشط</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>حفظ المستند النشط باسم جديد</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>طباعة المستند النشط</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>عرض صفحات كاملة</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>معاينة الطباعة</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>تغيير الطابعة وخيارات الطباعة</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>إعداد الطباعة</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>فتح هذا المستند</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>إنهاء البرنامج</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>التراجع عن آخر إجراء</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>قص التحديد ووضعه في الحافظة</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>نسخ التحديد ووضعه في الحافظة</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>إدراج محتويات الحافظة</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Update location, ranges and satellites</source>
        <translation>تحديث الموقع والنطاقات والأقمار</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>خصائص</translation>
    </message>
    <message>
        <source>Set default values for current location</source>
        <translation>ضبط القيم الافتراضية للموقع الحالي</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>القيم الافتراضية</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>إظهار شريط الأدوات أو إخفاؤه</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>تبديل شريط الأدوات</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>إظهار شريط الحالة أو إخفاؤه</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>تبديل شريط الحالة</translation>
    </message>
    <message>
        <source>Show or hide the tooltips of the adjustment panel</source>
        <translation>إظهار تلميحات لوحة الضبط أو إخفاؤها</translation>
    </message>
    <message>
        <source>Show tooltips</source>
        <translation>إظهار التلميحات</translation>
    </message>
    <message>
        <source>Open another window for the active document</source>
        <translation>فتح نافذة أخرى للمستند النشط</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>نافذة جديدة</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap</source>
        <translation>ترتيب النوافذ متداخلة</translation>
    </message>
    <message>
        <source>Cascade Windows</source>
        <translation>تتالي النوافذ</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles</source>
        <translation>ترتيب النوافذ متجانبة دون تداخل</translation>
    </message>
    <message>
        <source>Tile Windows</source>
        <translation>تجانب النوافذ</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window</source>
        <translation>ترتيب الأيقونات أسفل النافذة</translation>
    </message>
    <message>
        <source>Arrange Icons</source>
        <translation>ترتيب الأيقونات</translation>
    </message>
    <message>
        <source>Set motor elevation and declination for the smallest miss across the arc</source>
        <translation>ضبط ارتفاع المحرك والميل لأصغر انحراف على امتداد القوس</translation>
    </message>
    <message>
        <source>Optimise</source>
        <translation>تحسين</translation>
    </message>
    <message>
        <source>Find how the mount really stands from what was found at the dish</source>
        <translation>معرفة الوضع الفعلي للحامل مما وُجد عند الطبق</translation>
    </message>
    <message>
        <source>Diagnose</source>
        <translation>تشخيص</translation>
    </message>
    <message>
        <source>Activate the next document window</source>
        <translation>تنشيط نافذة المستند التالية</translation>
    </message>
    <message>
        <source>Next Window</source>
        <translation>النافذة التالية</translation>
    </message>
    <message>
        <source>Activate the previous document window</source>
        <translation>تنشيط نافذة المستند السابقة</translation>
    </message>
    <message>
        <source>Previous Window</source>
        <translation>النافذة السابقة</translation>
    </message>
    <message>
        <source>Close the active document window</source>
        <translation>إغلاق نافذة المستند النشطة</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>إغلاق النافذة</translation>
    </message>
    <message>
        <source>Move to the next part of the window</source>
        <translation>الانتقال إلى الجزء التالي من النافذة</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>الجزء التالي</translation>
    </message>
    <message>
        <source>Move to the previous part of the window</source>
        <translation>الانتقال إلى الجزء السابق من النافذة</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>الجزء السابق</translation>
    </message>
    <message>
        <source>Show or hide the table of misses</source>
        <translation>إظهار جدول الانحرافات أو إخفاؤه</translation>
    </message>
    <message>
        <source>Misses</source>
        <translation>الانحرافات</translation>
    </message>
    <message>
        <source>Show the site to enter into the receiver and its motor commands</source>
        <translation>عرض الموقع المطلوب إدخاله في جهاز الاستقبال وأوامر المحرك</translation>
    </message>
    <message>
        <source>Receiver settings</source>
        <translation>إعدادات جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>عرض معلومات البرنامج ورقم الإصدار وحقوق النشر</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>تعذّر فتح %1: %2</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>تعذّر حفظ %1: %2</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>هل تريد حفظ التغييرات في %1؟</translation>
    </message>
    <message>
        <source>Worst miss %1 before, %2 after (%3)</source>
        <translation>أسوأ انحراف: %1 قبل، %2 بعد (%3)</translation>
    </message>
    <message>
        <source>over the %1 chosen satellites at least %2 up</source>
        <translation>على الأقمار المختارة (%1) بارتفاع %2 فأكثر</translation>
    </message>
    <message>
        <source>over the visible arc at least %1 up (fewer than two chosen satellites are)</source>
        <translation>على القوس المرئي بارتفاع %1 فأكثر (المرتفع من الأقمار المختارة أقل من اثنين)</translation>
    </message>
    <message>
        <source>Nothing to optimise: fewer than two points of the arc stand %1 above the horizon</source>
        <translation>لا شيء للتحسين: أقل من نقطتين من القوس ترتفعان %1 فوق الأفق</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>لا تتوفر طابعة.</translation>
    </message>
    <message>
        <source>The page is too small for the plot and its legend. Choose a larger paper size or smaller margins in Print Setup.</source>
        <translation>الصفحة أصغر من أن تتسع للمخطط ومفتاحه. اختر ورقًا أكبر أو هوامش أصغر في «إعداد الطباعة».</translation>
    </message>
    <message>
        <source>Redo the action undone last</source>
        <translation>أعد آخر إجراء تم التراجع عنه</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>Show what every scale, the compass and the sun tell at the dish, to print</source>
        <translation>إظهار ما تقوله كل مسطرة والبوصلة والشمس عند الطبق، للطباعة</translation>
    </message>
    <message>
        <source>At the dish</source>
        <translation>عند الطبق</translation>
    </message>
    <message>
        <source>Open the field page, Zenbelts for a phone at the dish, in the browser</source>
        <translation>فتح صفحة الموقع، Zenbelts لهاتف عند الطبق، في المتصفح</translation>
    </message>
    <message>
        <source>Field page</source>
        <translation>صفحة الموقع</translation>
    </message>
</context>
<context>
    <name>zenbelts::CAdjustmentBar</name>
    <message>
        <source>Auto-calculate best dish declination</source>
        <translation>حساب أفضل ميل للطبق تلقائيًا</translation>
    </message>
    <message>
        <source>Auto decl.</source>
        <translation>ميل تلقائي</translation>
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
        <translation>ميل تل&amp;قائي</translation>
    </message>
    <message>
        <source>Loc&amp;k satellites</source>
        <translation>تث&amp;بيت الأقمار</translation>
    </message>
</context>
<context>
    <name>zenbelts::CAtTheDishDialog</name>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;طباعة...</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>معا&amp;ينة الطباعة...</translation>
    </message>
    <message>
        <source>At the dish: %1</source>
        <translation>عند الطبق: %1</translation>
    </message>
    <message>
        <source>&amp;Date (UTC):</source>
        <translation>ال&amp;تاريخ (UTC):</translation>
    </message>
    <message>
        <source>%1 UTC (%2 local)</source>
        <translation>%1 بالتوقيت العالمي (%2 محليًا)</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>عمودي</translation>
    </message>
    <message>
        <source>%1 back from vertical</source>
        <translation>%1 إلى الخلف عن العمودي</translation>
    </message>
    <message>
        <source>%1 forward from vertical</source>
        <translation>%1 إلى الأمام عن العمودي</translation>
    </message>
    <message>
        <source>Prime focus</source>
        <translation>بؤرة أمامية</translation>
    </message>
    <message>
        <source>Offset %1, feed arm above the dish</source>
        <translation>إزاحة %1، ذراع المغذّي فوق الطبق</translation>
    </message>
    <message>
        <source>Offset %1, feed arm below the dish</source>
        <translation>إزاحة %1، ذراع المغذّي تحت الطبق</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Dish</source>
        <translation>الطبق</translation>
    </message>
    <message>
        <source>Magnetic declination %1 (World Magnetic Model 2025)</source>
        <translation>الانحراف المغناطيسي %1 (النموذج المغناطيسي العالمي 2025)</translation>
    </message>
    <message>
        <source>The model holds from 2025.0 to 2030.0: on this date the declination is extrapolated; check it against a local source.</source>
        <translation>يصلح النموذج من 2025.0 إلى 2030.0: في هذا التاريخ الانحراف مستقرأ؛ تحقّق منه بمصدر محلي.</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>البوصلة</translation>
    </message>
    <message>
        <source>True north</source>
        <translation>الشمال الحقيقي</translation>
    </message>
    <message>
        <source>True south</source>
        <translation>الجنوب الحقيقي</translation>
    </message>
    <message>
        <source>Compass bearing %1</source>
        <translation>اتجاه البوصلة %1</translation>
    </message>
    <message>
        <source>Motor axis</source>
        <translation>محور المحرك</translation>
    </message>
    <message>
        <source>Inclinometer on the axis: %1 above the horizon, towards %2 true (%3 by compass)</source>
        <translation>مقياس الميل على المحور: %1 فوق الأفق، باتجاه %2 حقيقي (%3 بالبوصلة)</translation>
    </message>
    <message>
        <source>Motor scale</source>
        <translation>مسطرة المحرك</translation>
    </message>
    <message>
        <source>%1 if it shows the axis elevation, %2 if it shows the latitude</source>
        <translation>%1 إن كانت تبيّن ارتفاع المحور، %2 إن كانت تبيّن خط العرض</translation>
    </message>
    <message>
        <source>Dish clamp</source>
        <translation>مشبك الطبق</translation>
    </message>
    <message>
        <source>%1 against the motor axis</source>
        <translation>%1 بالنسبة إلى محور المحرك</translation>
    </message>
    <message>
        <source>Motor at zero</source>
        <translation>المحرك عند الصفر</translation>
    </message>
    <message>
        <source>Beam %1 up towards %2 true (%3 by compass); face %4</source>
        <translation>الحزمة %1 إلى الأعلى باتجاه %2 حقيقي (%3 بالبوصلة)؛ الوجه %4</translation>
    </message>
    <message>
        <source>Due south at %1</source>
        <translation>جنوبًا تمامًا في %1</translation>
    </message>
    <message>
        <source>Due north at %1</source>
        <translation>شمالًا تمامًا في %1</translation>
    </message>
    <message>
        <source>, %1 up: a plumb line&apos;s shadow then marks the meridian</source>
        <translation>، على ارتفاع %1: ظل خيط الشاقول يحدّد حينئذٍ خط الزوال</translation>
    </message>
    <message>
        <source>, below the horizon</source>
        <translation>، تحت الأفق</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>الشمس</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر الصناعي</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>السمت</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>المحرك</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>الوجه</translation>
    </message>
    <message>
        <source>Sun at its azimuth</source>
        <translation>الشمس عند سمته</translation>
    </message>
    <message>
        <source>%1, %2 up</source>
        <translation>%1، على ارتفاع %2</translation>
    </message>
    <message>
        <source>never that day</source>
        <translation>لا يحدث في ذلك اليوم</translation>
    </message>
    <message>
        <source>Azimuth: true, clockwise from north. Compass: the bearing a compass shows. Motor: the turn from the motor&apos;s zero. Face: the inclinometer on the dish&apos;s face, degrees from vertical, + when the face looks up. When the sun stands at a satellite&apos;s azimuth, a plumb line&apos;s shadow points straight away from the satellite.</source>
        <translation>السمت: حقيقي، باتجاه عقارب الساعة من الشمال. البوصلة: الاتجاه الذي تبيّنه البوصلة. المحرك: الدوران من صفر المحرك. الوجه: مقياس الميل على وجه الطبق، بالدرجات عن العمودي، + حين يتجه الوجه إلى الأعلى. حين تقف الشمس عند سمت قمر صناعي يشير ظل خيط الشاقول مباشرة بعيدًا عن القمر.</translation>
    </message>
    <message>
        <source>On %1 (UTC)</source>
        <translation>في %1 (UTC)</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>لا تتوفر طابعة.</translation>
    </message>
</context>
<context>
    <name>zenbelts::CDiagnoseDialog</name>
    <message>
        <source>Diagnose %1</source>
        <translation>تشخيص %1</translation>
    </message>
    <message>
        <source>At the dish, drive the motor to each satellite, peak its signal and type the motor angle. Where tilting the dish up or down helps, type by how much as the offset (up +, down -). Then Fit.</source>
        <translation>عند الطبق، أدِر المحرك إلى كل قمر واضبط إشارته على أقصاها واكتب زاوية المحرك. وحيث تفيد إمالة الطبق لأعلى أو لأسفل، اكتب مقدارها إزاحةً (لأعلى +، لأسفل -). ثم «ملاءمة».</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Motor angle (°)</source>
        <translation>زاوية المحرك (°)</translation>
    </message>
    <message>
        <source>Offset (°)</source>
        <translation>الإزاحة (°)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;استيراد...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;تصدير...</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;ملاءمة</translation>
    </message>
    <message>
        <source>Observations</source>
        <translation>الأرصاد</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>الضبط</translation>
    </message>
    <message>
        <source>Set-up</source>
        <translation>الإعداد</translation>
    </message>
    <message>
        <source>As found</source>
        <translation>الفعلي</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>التغيير</translation>
    </message>
    <message>
        <source>Motor, set-up</source>
        <translation>المحرك، الإعداد</translation>
    </message>
    <message>
        <source>Motor, found</source>
        <translation>المحرك، الفعلي</translation>
    </message>
    <message>
        <source>Offset, set-up</source>
        <translation>الإزاحة، الإعداد</translation>
    </message>
    <message>
        <source>Offset, found</source>
        <translation>الإزاحة، الفعلي</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>التقرير</translation>
    </message>
    <message>
        <source>Observed minus computed, degrees:</source>
        <translation>المرصود ناقص المحسوب، بالدرجات:</translation>
    </message>
    <message>
        <source>What to turn</source>
        <translation>ما يجب تدويره</translation>
    </message>
    <message>
        <source>&amp;Show the mount as found</source>
        <translation>إ&amp;ظهار الحامل الفعلي</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;طباعة...</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>معا&amp;ينة الطباعة...</translation>
    </message>
    <message>
        <source>%1: the motor angle is not a number</source>
        <translation>%1: زاوية المحرك ليست رقمًا</translation>
    </message>
    <message>
        <source>%1: the offset is not a number</source>
        <translation>%1: الإزاحة ليست رقمًا</translation>
    </message>
    <message>
        <source>%1: the motor angle is out of range (-180 to 180 degrees)</source>
        <translation>%1: زاوية المحرك خارج النطاق (من -180 إلى 180 درجة)</translation>
    </message>
    <message>
        <source>%1: the offset is out of range (-90 to 90 degrees)</source>
        <translation>%1: الإزاحة خارج النطاق (من -90 إلى 90 درجة)</translation>
    </message>
    <message>
        <source>%1: an offset needs the motor angle it was found at</source>
        <translation>%1: تتطلب الإزاحة زاوية المحرك التي وُجدت عندها</translation>
    </message>
    <message>
        <source>Type the motor angle of at least one satellite.</source>
        <translation>اكتب زاوية المحرك لقمر واحد على الأقل.</translation>
    </message>
    <message>
        <source>%1 as found</source>
        <translation>%1 (الفعلي)</translation>
    </message>
    <message>
        <source>Fit to see what to turn.</source>
        <translation>اضغط «ملاءمة» لمعرفة ما يجب تدويره.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>Root-mean-square: %1° with the set-up, %2° as found</source>
        <translation>جذر متوسط المربعات: %1° للإعداد، %2° للفعلي</translation>
    </message>
    <message>
        <source>Undetermined: %1</source>
        <translation>غير محدد: %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>Import observations</source>
        <translation>استيراد الأرصاد</translation>
    </message>
    <message>
        <source>Observations (*.csv);;All files (*)</source>
        <translation>الأرصاد (*.csv);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>تعذّر استيراد %1: %2</translation>
    </message>
    <message>
        <source>Export observations</source>
        <translation>تصدير الأرصاد</translation>
    </message>
    <message>
        <source>Cannot export %1: %2</source>
        <translation>تعذّر تصدير %1: %2</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>لا تتوفر طابعة.</translation>
    </message>
    <message>
        <source>%1: what to turn</source>
        <translation>%1: ما يجب تدويره</translation>
    </message>
    <message>
        <source>P&amp;recision of the motor angle (1σ, °):</source>
        <translation>&amp;دقة زاوية المحرك (1σ، °):</translation>
    </message>
    <message>
        <source>Precision of the &amp;offset (1σ, °):</source>
        <translation>دقة الإ&amp;زاحة (1σ، °):</translation>
    </message>
    <message>
        <source>from the residuals</source>
        <translation>من البواقي</translation>
    </message>
    <message>
        <source>How well you find a signal&apos;s peak, in degrees: about %1 for the motor angle and %2 for the offset with a signal meter. Leave empty to estimate it from the residuals.</source>
        <translation>مدى دقتك في إيجاد ذروة الإشارة، بالدرجات: نحو %1 لزاوية المحرك و%2 للإزاحة باستخدام مقياس الإشارة. اتركه فارغًا لتقديرها من البواقي.</translation>
    </message>
    <message>
        <source>How sure</source>
        <translation>مدى اليقين</translation>
    </message>
    <message>
        <source>The precision of the motor angle is not a number of degrees above 0 to %1</source>
        <translation>دقة زاوية المحرك ليست عددًا من الدرجات أكبر من 0 وحتى %1</translation>
    </message>
    <message>
        <source>The precision of the offset is not a number of degrees above 0 to %1</source>
        <translation>دقة الإزاحة ليست عددًا من الدرجات أكبر من 0 وحتى %1</translation>
    </message>
    <message>
        <source>Satellites to peak next, in this order:</source>
        <translation>الأقمار التي تُرصد بعد ذلك، بهذا الترتيب:</translation>
    </message>
    <message>
        <source>worst 1σ then %1°</source>
        <translation>أسوأ 1σ بعدها %1°</translation>
    </message>
    <message>
        <source>Chosen satellites, for the mount as found:</source>
        <translation>الأقمار المختارة، للحامل الفعلي:</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>المحرك</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>جهاز الاستقبال</translation>
    </message>
    <message>
        <source>The observations you typed have not been exported. They stay with %1 while it is open; export them to a file now?</source>
        <translation>لم تُصدَّر الملاحظات التي أدخلتها. تبقى مع %1 ما دام مفتوحًا؛ هل تصدّرها إلى ملف الآن؟</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
</context>
<context>
    <name>zenbelts::CDishSection</name>
    <message>
        <source>Dish</source>
        <translation>الطبق</translation>
    </message>
    <message>
        <source>Prime focus</source>
        <translation>بؤرة أمامية</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>إزاحة</translation>
    </message>
    <message>
        <source>Below the dish</source>
        <translation>تحت الطبق</translation>
    </message>
    <message>
        <source>Above the dish</source>
        <translation>فوق الطبق</translation>
    </message>
    <message>
        <source>The maker&apos;s offset angle: how far the beam rises above the normal of the rim, 1 to 45 degrees</source>
        <translation>زاوية الإزاحة من الصانع: مقدار ارتفاع الحزمة فوق العمودي على حافة الطبق، من 1 إلى 45 درجة</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>ال&amp;نوع:</translation>
    </message>
    <message>
        <source>Offset &amp;angle:</source>
        <translation>&amp;زاوية الإزاحة:</translation>
    </message>
    <message>
        <source>&amp;Feed arm:</source>
        <translation>ذراع ال&amp;مغذّي:</translation>
    </message>
</context>
<context>
    <name>zenbelts::CGeneralPage</name>
    <message>
        <source>Location</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>الحدود</translation>
    </message>
    <message>
        <source>from:</source>
        <translation>من:</translation>
    </message>
    <message>
        <source>to:</source>
        <translation>إلى:</translation>
    </message>
    <message>
        <source>(*) - relative to autocalculated values</source>
        <translation>(*) - نسبةً إلى القيم المحسوبة تلقائيًا</translation>
    </message>
    <message>
        <source>&amp;Latitude:</source>
        <translation>&amp;خط العرض:</translation>
    </message>
    <message>
        <source>L&amp;ongitude:</source>
        <translation>خط ال&amp;طول:</translation>
    </message>
    <message>
        <source>Al&amp;titude (m):</source>
        <translation>الا&amp;رتفاع (م):</translation>
    </message>
</context>
<context>
    <name>zenbelts::CHorizonPage</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;إضافة</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;حذف</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>السمت</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <source>True bearing, clockwise from north</source>
        <translation>الاتجاه الحقيقي، باتجاه عقارب الساعة من الشمال</translation>
    </message>
    <message>
        <source>The lowest elevation the dish sees past at that bearing; straight lines join the points</source>
        <translation>أدنى ارتفاع يرى الطبق فوقه في ذلك الاتجاه؛ تصل خطوط مستقيمة بين النقاط</translation>
    </message>
    <message>
        <source>Degrees from 0 to 360, clockwise from true north</source>
        <translation>درجات من 0 إلى 360، باتجاه عقارب الساعة من الشمال الحقيقي</translation>
    </message>
    <message>
        <source>Degrees from 0 to 90</source>
        <translation>درجات من 0 إلى 90</translation>
    </message>
    <message>
        <source>How far the motor turns from its zero, 0 to 90 degrees</source>
        <translation>إلى أي حد يدور المحرك من صفره، من 0 إلى 90 درجة</translation>
    </message>
    <message>
        <source>Obstacles</source>
        <translation>العوائق</translation>
    </message>
    <message>
        <source>A&amp;zimuth:</source>
        <translation>ال&amp;سمت:</translation>
    </message>
    <message>
        <source>E&amp;levation:</source>
        <translation>الا&amp;رتفاع:</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;استيراد...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>&amp;تصدير...</translation>
    </message>
    <message>
        <source>Motor and dish</source>
        <translation>المحرك والطبق</translation>
    </message>
    <message>
        <source>Motor turns &amp;east to:</source>
        <translation>يدور المحرك &amp;شرقًا حتى:</translation>
    </message>
    <message>
        <source>Motor turns &amp;west to:</source>
        <translation>يدور المحرك &amp;غربًا حتى:</translation>
    </message>
    <message>
        <source>Dish &amp;diameter (cm):</source>
        <translation>&amp;قطر الطبق (سم):</translation>
    </message>
    <message>
        <source>A satellite is in reach when it stands above the horizon by half the dish&apos;s beam and the motor turns that far.</source>
        <translation>يكون القمر في المتناول إذا ارتفع فوق الأفق بنصف عرض حزمة الطبق وكان المحرك يدور إلى هذا الحد.</translation>
    </message>
    <message>
        <source>The azimuth must be a number of degrees from 0 to 360.</source>
        <translation>يجب أن يكون السمت عددًا من الدرجات بين 0 و360.</translation>
    </message>
    <message>
        <source>The elevation must be a number of degrees from 0 to 90.</source>
        <translation>يجب أن يكون الارتفاع عددًا من الدرجات بين 0 و90.</translation>
    </message>
    <message>
        <source>Import the horizon</source>
        <translation>استيراد الأفق</translation>
    </message>
    <message>
        <source>Horizon (*.csv);;All files (*)</source>
        <translation>الأفق (*.csv);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>تعذّر استيراد %1: %2</translation>
    </message>
    <message>
        <source>Export the horizon</source>
        <translation>تصدير الأفق</translation>
    </message>
    <message>
        <source>Cannot export %1: %2</source>
        <translation>تعذّر تصدير %1: %2</translation>
    </message>
</context>
<context>
    <name>zenbelts::CHorizonSketch</name>
    <message>
        <source>The sky from the dish as on a map, north up: the horizon at the rim, straight up at the centre; shaded what the horizon hides, the arc in pink, the chosen satellites as dots</source>
        <translation>السماء من الطبق كما على خريطة، الشمال في الأعلى: الأفق عند الحافة والسمت الرأسي في المركز؛ المظلّل ما يحجبه الأفق، والقوس بالوردي، والأقمار المختارة نقاط</translation>
    </message>
</context>
<context>
    <name>zenbelts::CMainFrame</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;جديد</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;فتح...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;إغلاق</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>حفظ &amp;باسم...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;طباعة...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;معاينة الطباعة</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>إ&amp;عداد الطباعة...</translation>
    </message>
    <message>
        <source>Propert&amp;ies</source>
        <translation>&amp;خصائص</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خ&amp;روج</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;قص</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;نسخ</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;لصق</translation>
    </message>
    <message>
        <source>Set &amp;defaults</source>
        <translation>القيم الا&amp;فتراضية</translation>
    </message>
    <message>
        <source>&amp;Optimise</source>
        <translation>ت&amp;حسين</translation>
    </message>
    <message>
        <source>Dia&amp;gnose...</source>
        <translation>ت&amp;شخيص...</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>شريط الأ&amp;دوات</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>شريط ال&amp;حالة</translation>
    </message>
    <message>
        <source>Show t&amp;ooltips</source>
        <translation>إظهار ال&amp;تلميحات</translation>
    </message>
    <message>
        <source>&amp;Misses</source>
        <translation>&amp;الانحرافات</translation>
    </message>
    <message>
        <source>&amp;Receiver settings...</source>
        <translation>إعدادات جهاز الا&amp;ستقبال...</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;نافذة جديدة</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;تتالي</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>ت&amp;جانب</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>ترتيب الأ&amp;يقونات</translation>
    </message>
    <message>
        <source>Ne&amp;xt Window</source>
        <translation>النافذة التا&amp;لية</translation>
    </message>
    <message>
        <source>Pre&amp;vious Window</source>
        <translation>النافذة ال&amp;سابقة</translation>
    </message>
    <message>
        <source>C&amp;lose Window</source>
        <translation>إ&amp;غلاق النافذة</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>الجزء التالي</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>الجزء السابق</translation>
    </message>
    <message>
        <source>&amp;About Zenbelts...</source>
        <translation>&amp;حول Zenbelts...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>ملف حديث</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;تحرير</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <source>Win&amp;dow</source>
        <translation>&amp;نافذة</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>شريط الأدوات</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>إ&amp;عادة</translation>
    </message>
    <message>
        <source>Mount as found</source>
        <translation>الحامل كما وُجد</translation>
    </message>
    <message>
        <source>&amp;At the dish...</source>
        <translation>عند ال&amp;طبق...</translation>
    </message>
    <message>
        <source>&amp;Field page...</source>
        <translation>صفحة الم&amp;وقع...</translation>
    </message>
    <message>
        <source>Field page</source>
        <translation>صفحة الموقع</translation>
    </message>
    <message>
        <source>No browser could be started to open %1.</source>
        <translation>تعذّر تشغيل متصفح لفتح %1.</translation>
    </message>
    <message>
        <source>The field page is not installed with this Zenbelts.</source>
        <translation>صفحة الموقع غير مثبتة مع نسخة Zenbelts هذه.</translation>
    </message>
</context>
<context>
    <name>zenbelts::CMissTable</name>
    <message>
        <source>Misses</source>
        <translation>الانحرافات</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;نسخ</translation>
    </message>
    <message>
        <source>The satellite&apos;s orbital position</source>
        <translation>الموقع المداري للقمر</translation>
    </message>
    <message>
        <source>The satellite&apos;s name in the list</source>
        <translation>اسم القمر في القائمة</translation>
    </message>
    <message>
        <source>The rotation of the motor from its zero that points the beam at this satellite</source>
        <translation>دوران المحرك من صفره الذي يوجّه الحزمة إلى هذا القمر</translation>
    </message>
    <message>
        <source>How far the satellite lies from the beam at that motor angle: above means the satellite lies above the beam</source>
        <translation>بُعد القمر عن الحزمة عند زاوية المحرك هذه: «فوق» تعني أن القمر يقع فوق الحزمة</translation>
    </message>
    <message>
        <source>How high the satellite stands above the horizon</source>
        <translation>ارتفاع القمر فوق الأفق</translation>
    </message>
    <message>
        <source>The motor angle a receiver that turns the motor itself would command for an ideal polar mount at your true site</source>
        <translation>زاوية المحرك التي يأمر بها جهاز استقبال يدير المحرك بنفسه لحامل قطبي مثالي في موقعك الحقيقي</translation>
    </message>
    <message>
        <source>The motor angle less the receiver&apos;s, east positive: how far the receiver would turn short of this satellite</source>
        <translation>زاوية المحرك ناقص زاوية جهاز الاستقبال، والشرق موجب: مقدار ما يقصر به جهاز الاستقبال عن هذا القمر</translation>
    </message>
    <message>
        <source>Copy as C&amp;SV</source>
        <translation>نسخ بصيغة C&amp;SV</translation>
    </message>
    <message>
        <source>&amp;Receiver columns</source>
        <translation>أعمدة جهاز الا&amp;ستقبال</translation>
    </message>
    <message>
        <source>%1 above</source>
        <translation>%1 فوق</translation>
    </message>
    <message>
        <source>%1 below</source>
        <translation>%1 تحت</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>المحرك</translation>
    </message>
    <message>
        <source>Miss</source>
        <translation>الانحراف</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Receiver miss</source>
        <translation>انحراف جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Hidden by the horizon: too low over the obstacles there for the dish&apos;s beam</source>
        <translation>يحجبه الأفق: منخفض جدًا فوق العوائق هناك بالنسبة لحزمة الطبق</translation>
    </message>
    <message>
        <source>Below the horizon</source>
        <translation>تحت الأفق</translation>
    </message>
    <message>
        <source>Beyond the motor&apos;s limit: the motor does not turn that far</source>
        <translation>خارج حد المحرك: المحرك لا يدور إلى هذا الحد</translation>
    </message>
</context>
<context>
    <name>zenbelts::CNumericEdit</name>
    <message>
        <source>Not taken: %1 lies beyond the limit %2</source>
        <translation>لم يُقبل: %1 يتجاوز الحد %2</translation>
    </message>
    <message>
        <source>“%1” was read as %2</source>
        <translation>قُرئ «%1» على أنه %2</translation>
    </message>
</context>
<context>
    <name>zenbelts::CPropertiesDialog</name>
    <message>
        <source>Properties</source>
        <translation>الخصائص</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>الأقمار</translation>
    </message>
    <message>
        <source>Horizon</source>
        <translation>الأفق</translation>
    </message>
</context>
<context>
    <name>zenbelts::CReceiverDialog</name>
    <message>
        <source>Copy as CSV</source>
        <translation>نسخ بصيغة CSV</translation>
    </message>
    <message>
        <source>Receiver settings</source>
        <translation>إعدادات جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Site to enter into the receiver: %1</source>
        <translation>الموقع المطلوب إدخاله في جهاز الاستقبال: %1</translation>
    </message>
    <message>
        <source>Fewer than two chosen satellites stand %1 above the horizon: this is the true site.</source>
        <translation>أقل من قمرين مختارين يرتفعان %1 فوق الأفق: هذا هو الموقع الحقيقي.</translation>
    </message>
    <message>
        <source>Worst miss over %1 chosen satellites at least %2 up: %3 with the true site, %4 with this one.</source>
        <translation>أسوأ انحراف على الأقمار المختارة (%1) بارتفاع %2 فأكثر: %3 بالموقع الحقيقي، و%4 بهذا الموقع.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>المحرك</translation>
    </message>
    <message>
        <source>GotoX</source>
        <translation>GotoX</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>الخانة</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>الدوران</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>البايتات</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>ما يفعله</translation>
    </message>
    <message>
        <source>The number the receiver stores the position under; 0 is the motor&apos;s reference</source>
        <translation>الرقم الذي يحفظ جهاز الاستقبال الموضع تحته؛ 0 هو مرجع المحرك</translation>
    </message>
    <message>
        <source>The satellite&apos;s orbital position</source>
        <translation>الموقع المداري للقمر</translation>
    </message>
    <message>
        <source>The satellite&apos;s name in the list</source>
        <translation>اسم القمر في القائمة</translation>
    </message>
    <message>
        <source>The motor angle the set-up needs, east or west of the motor&apos;s zero</source>
        <translation>زاوية المحرك التي يحتاجها الإعداد، شرق صفر المحرك أو غربه</translation>
    </message>
    <message>
        <source>The motor angle a receiver computes by itself for the true site</source>
        <translation>زاوية المحرك التي يحسبها جهاز الاستقبال بنفسه للموقع الحقيقي</translation>
    </message>
    <message>
        <source>Seconds the motor takes from the slot before, the first from its zero</source>
        <translation>الثواني التي يستغرقها المحرك من الخانة السابقة، والأولى من صفره</translation>
    </message>
    <message>
        <source>The DiSEqC command that turns the motor to this angle</source>
        <translation>أمر DiSEqC الذي يدير المحرك إلى هذه الزاوية</translation>
    </message>
    <message>
        <source>How far past the outermost satellite each soft limit lies, 0 to 30 degrees</source>
        <translation>المسافة بعد أبعد قمر التي يقع عندها كل حد برمجي، من 0 إلى 30 درجة</translation>
    </message>
    <message>
        <source>How many degrees a second the motor turns, as its maker gives it</source>
        <translation>كم درجة في الثانية يدور المحرك، كما يذكر صانعه</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;تصدير CSV...</translation>
    </message>
    <message>
        <source>Soft limit &amp;margin (degrees):</source>
        <translation>&amp;هامش الحدود البرمجية (درجات):</translation>
    </message>
    <message>
        <source>Motor &amp;speed (degrees a second):</source>
        <translation>&amp;سرعة المحرك (درجة في الثانية):</translation>
    </message>
    <message>
        <source>DiSEqC 1.2 commands for a receiver that sends them raw, in order:</source>
        <translation>أوامر DiSEqC 1.2 لجهاز استقبال يرسلها كما هي، بالترتيب:</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 ث</translation>
    </message>
    <message>
        <source>No chosen satellite is in reach: nothing to store, no limits to set.</source>
        <translation>لا قمر مختار في المتناول: لا شيء لحفظه ولا حدود لتثبيتها.</translation>
    </message>
    <message>
        <source>Soft limits: east %1, west %2, %3 past the outermost slots where the horizon and the motor allow.</source>
        <translation>الحدود البرمجية: شرقًا %1، غربًا %2، أي %3 بعد الخانات الطرفية حيث يسمح الأفق والمحرك.</translation>
    </message>
    <message>
        <source>%1, hidden by the horizon</source>
        <translation>%1، يحجبه الأفق</translation>
    </message>
    <message>
        <source>%1, beyond the motor&apos;s limit</source>
        <translation>%1، خارج حد المحرك</translation>
    </message>
    <message>
        <source>%1, no slot left</source>
        <translation>%1، لا خانة متبقية</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>المستبعدة: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>؛ </translation>
    </message>
    <message>
        <source>Export the positions</source>
        <translation>تصدير المواضع</translation>
    </message>
    <message>
        <source>Positions (*.csv);;All files (*)</source>
        <translation>المواضع (*.csv);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>Cannot export %1: %2</source>
        <translation>تعذّر تصدير %1: %2</translation>
    </message>
</context>
<context>
    <name>zenbelts::CSatellitesPage</name>
    <message>
        <source>Files...</source>
        <translation>ملفات...</translation>
    </message>
    <message>
        <source>Folder...</source>
        <translation>مجلد...</translation>
    </message>
    <message>
        <source>Make a list of receivers&apos; files your own satellite list</source>
        <translation>إنشاء قائمة أقمارك الخاصة من ملفات أجهزة الاستقبال</translation>
    </message>
    <message>
        <source>Drop your own list and use the list that came with the program</source>
        <translation>ترك قائمتك الخاصة واستخدام القائمة المرفقة بالبرنامج</translation>
    </message>
    <message>
        <source>Check the satellites that a receiver&apos;s channel or satellite lists name</source>
        <translation>تحديد الأقمار المذكورة في قوائم القنوات أو الأقمار لجهاز الاستقبال</translation>
    </message>
    <message>
        <source>Folder of receiver files</source>
        <translation>مجلد ملفات جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Receiver files</source>
        <translation>ملفات جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Receiver lists (*.xml *.conf *.ini *.txt lamedb*);;All files (*)</source>
        <translation>قوائم جهاز الاستقبال (*.xml *.conf *.ini *.txt lamedb*);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>The files name no satellite positions.</source>
        <translation>لا تذكر الملفات أي مواقع للأقمار.</translation>
    </message>
    <message>
        <source>%1 of the %2 positions named chosen; the others are not in the list.</source>
        <translation>اختير %1 من المواقع المذكورة (%2)؛ والباقي ليس في القائمة.</translation>
    </message>
    <message>
        <source>1 satellite chosen.</source>
        <translation>اختير قمر واحد.</translation>
    </message>
    <message>
        <source>%1 satellites chosen.</source>
        <translation>عدد الأقمار المختارة: %1.</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>تحديد ال&amp;كل</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;مسح</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;تصفية:</translation>
    </message>
    <message>
        <source>name or position</source>
        <translation>الاسم أو الموقع</translation>
    </message>
    <message>
        <source>Check every satellite shown</source>
        <translation>تحديد كل الأقمار المعروضة</translation>
    </message>
    <message>
        <source>Uncheck every satellite shown</source>
        <translation>إلغاء تحديد كل الأقمار المعروضة</translation>
    </message>
    <message>
        <source>&amp;Import list...</source>
        <translation>ا&amp;ستيراد قائمة...</translation>
    </message>
    <message>
        <source>Use the s&amp;hipped list</source>
        <translation>استخدام القائمة المر&amp;فقة</translation>
    </message>
    <message>
        <source>Choose from &amp;receiver files...</source>
        <translation>&amp;اختيار من ملفات جهاز الاستقبال...</translation>
    </message>
</context>
<context>
    <name>zenbelts::CZenbeltsApp</name>
    <message>
        <source>read %1, merged %2, skipped %3</source>
        <translation>قُرئ %1، دُمج %2، تُخطّي %3</translation>
    </message>
    <message>
        <source>No satellites found: %1.</source>
        <translation>لم يُعثر على أقمار: %1.</translation>
    </message>
    <message>
        <source>There is no folder to keep your own list in.</source>
        <translation>لا يوجد مجلد لحفظ قائمتك الخاصة.</translation>
    </message>
    <message>
        <source>Cannot save your list %1: %2</source>
        <translation>تعذّر حفظ قائمتك %1: %2</translation>
    </message>
    <message>
        <source>Imported 1 satellite: %1.</source>
        <translation>استُورد قمر واحد: %1.</translation>
    </message>
    <message>
        <source>Imported %1 satellites: %2.</source>
        <translation>عدد الأقمار المستوردة: %1 (%2).</translation>
    </message>
    <message>
        <source>Cannot remove your list %1.</source>
        <translation>تعذّر حذف قائمتك %1.</translation>
    </message>
    <message>
        <source>The shipped list is used: %1 satellites.</source>
        <translation>تُستخدم القائمة المرفقة (عدد الأقمار: %1).</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <source>Unable to load sats.lst: %1</source>
        <translation>تعذّر تحميل sats.lst: %1</translation>
    </message>
    <message>
        <source>Your satellite list %1 cannot be read, so the shipped list is used instead: %2</source>
        <translation>تتعذّر قراءة قائمة أقمارك %1، لذا تُستخدم القائمة المرفقة بدلًا منها: %2</translation>
    </message>
    <message>
        <source>; names cut to fit: %1</source>
        <translation>؛ أسماء اختُصرت: %1</translation>
    </message>
    <message>
        <source>The observations typed for %1 have not been exported, and some of them do not read. Close without them?</source>
        <translation>لم تُصدَّر الملاحظات المدخلة لـ %1، وبعضها لا يُقرأ. هل تغلق من دونها؟</translation>
    </message>
    <message>
        <source>The observations typed for %1 have not been exported. Export them before closing?</source>
        <translation>لم تُصدَّر الملاحظات المدخلة لـ %1. هل تصدّرها قبل الإغلاق؟</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>ت&amp;صدير...</translation>
    </message>
</context>
<context>
    <name>zenbelts::CZenbeltsDoc</name>
    <message>
        <source>not a valid Zenbelt file: %1</source>
        <translation>ليس ملف Zenbelt صالحًا: %1</translation>
    </message>
    <message>
        <source> Location: %1</source>
        <translation> الموقع: %1</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>تغيير %1</translation>
    </message>
    <message>
        <source>Auto declination</source>
        <translation>الميل التلقائي</translation>
    </message>
    <message>
        <source>Lock satellites</source>
        <translation>تثبيت الأقمار</translation>
    </message>
    <message>
        <source>Set defaults</source>
        <translation>القيم الافتراضية</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>الخصائص</translation>
    </message>
    <message>
        <source>The location changed: every adjustment is back at its default. Undo brings them back.</source>
        <translation>تغيّر الموقع: عاد كل ضبط إلى قيمته الافتراضية. يعيدها التراجع.</translation>
    </message>
    <message>
        <source>Optimise</source>
        <translation>تحسين</translation>
    </message>
</context>
</TS>
