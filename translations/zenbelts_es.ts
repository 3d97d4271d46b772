<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Adjustment</name>
    <message>
        <source>Pole N/S</source>
        <translation>Mástil N/S</translation>
    </message>
    <message>
        <source>NS</source>
        <translation>NS</translation>
    </message>
    <message>
        <source>Mounting pole North/South roll</source>
        <translation>Inclinación Norte/Sur del mástil</translation>
    </message>
    <message>
        <source>Pole E/W</source>
        <translation>Mástil E/W</translation>
    </message>
    <message>
        <source>EW</source>
        <translation>EW</translation>
    </message>
    <message>
        <source>Mounting pole East/West roll</source>
        <translation>Inclinación Este/Oeste del mástil</translation>
    </message>
    <message>
        <source>Motor azimuth</source>
        <translation>Acimut del motor</translation>
    </message>
    <message>
        <source>Motor Az</source>
        <translation>Acim. motor</translation>
    </message>
    <message>
        <source>MA</source>
        <translation>MA</translation>
    </message>
    <message>
        <source>Motor azimuthal shift (on mounting pole)</source>
        <translation>Giro en acimut del motor (sobre el mástil)</translation>
    </message>
    <message>
        <source>Motor elevation</source>
        <translation>Elevación del motor</translation>
    </message>
    <message>
        <source>Motor Elv</source>
        <translation>Elev. motor</translation>
    </message>
    <message>
        <source>EL</source>
        <translation>EL</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevación</translation>
    </message>
    <message>
        <source>Dish azimuth</source>
        <translation>Acimut de la antena</translation>
    </message>
    <message>
        <source>Dish Az</source>
        <translation>Acim. antena</translation>
    </message>
    <message>
        <source>DA</source>
        <translation>DA</translation>
    </message>
    <message>
        <source>Dish azimuthal shift (on motor pole)</source>
        <translation>Giro en acimut de la antena (sobre el eje del motor)</translation>
    </message>
    <message>
        <source>Dish declination</source>
        <translation>Declinación de la antena</translation>
    </message>
    <message>
        <source>Dish Decl</source>
        <translation>Decl. antena</translation>
    </message>
    <message>
        <source>DC</source>
        <translation>DC</translation>
    </message>
    <message>
        <source>Declination</source>
        <translation>Declinación</translation>
    </message>
    <message>
        <source>pole north/south</source>
        <translation>inclinación norte/sur del mástil</translation>
    </message>
    <message>
        <source>pole east/west</source>
        <translation>inclinación este/oeste del mástil</translation>
    </message>
    <message>
        <source>motor azimuth</source>
        <translation>acimut del motor</translation>
    </message>
    <message>
        <source>motor elevation</source>
        <translation>elevación del motor</translation>
    </message>
    <message>
        <source>dish azimuth</source>
        <translation>acimut de la antena</translation>
    </message>
    <message>
        <source>dish declination</source>
        <translation>declinación de la antena</translation>
    </message>
</context>
<context>
    <name>FieldPage</name>
    <message>
        <source>Open…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>New at a site…</source>
        <translation>Nuevo en un lugar…</translation>
    </message>
    <message>
        <source>Satellite list…</source>
        <translation>Lista de satélites…</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Altitude (m)</source>
        <translation>Altitud (m)</translation>
    </message>
    <message>
        <source>Start here</source>
        <translation>Empezar aquí</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The arc</source>
        <translation>El arco</translation>
    </message>
    <message>
        <source>Field assistant</source>
        <translation>Asistente de campo</translation>
    </message>
    <message>
        <source>At the dish</source>
        <translation>En la antena</translation>
    </message>
    <message>
        <source>At the dish, turn the motor to a satellite, peak its signal, and type the motor angle the receiver shows; where tilting the dish up (+) or down (-) helped, by how much.</source>
        <translation>En la antena, gire el motor hacia un satélite, busque el máximo de la señal y escriba el ángulo del motor que muestra el receptor; si inclinar la antena hacia arriba (+) o abajo (-) ayudó, cuánto.</translation>
    </message>
    <message>
        <source>Third column</source>
        <translation>Tercera columna</translation>
    </message>
    <message>
        <source>Offset (°)</source>
        <translation>Corrección (°)</translation>
    </message>
    <message>
        <source>Face tilt (°)</source>
        <translation>Inclinación de la cara (°)</translation>
    </message>
    <message>
        <source>Motor angle</source>
        <translation>Ángulo del motor</translation>
    </message>
    <message>
        <source>Add a row</source>
        <translation>Añadir una fila</translation>
    </message>
    <message>
        <source>Remove the row</source>
        <translation>Quitar la fila</translation>
    </message>
    <message>
        <source>As set up</source>
        <translation>Según el ajuste</translation>
    </message>
    <message>
        <source>Instruments</source>
        <translation>Instrumentos</translation>
    </message>
    <message>
        <source>Use the phone&apos;s sensors</source>
        <translation>Usar los sensores del teléfono</translation>
    </message>
    <message>
        <source>Zero on a level surface</source>
        <translation>Poner a cero en una superficie nivelada</translation>
    </message>
    <message>
        <source>Phone along the motor axis</source>
        <translation>Teléfono a lo largo del eje del motor</translation>
    </message>
    <message>
        <source>Phone on the dish&apos;s face</source>
        <translation>Teléfono sobre la cara de la antena</translation>
    </message>
    <message>
        <source>Compass heading of the phone&apos;s top</source>
        <translation>Rumbo de brújula del extremo superior</translation>
    </message>
    <message>
        <source>should read %1 (%2 off)</source>
        <translation>debería marcar %1 (desvío %2)</translation>
    </message>
    <message>
        <source>at the motor&apos;s zero %1 (%2 off)</source>
        <translation>con el motor en cero %1 (desvío %2)</translation>
    </message>
    <message>
        <source>%1 true, with the declination %2</source>
        <translation>%1 geográfico, con la declinación %2</translation>
    </message>
    <message>
        <source>Lay the phone along the motor axis, its top towards the raised end, or flat on the dish&apos;s face, its screen outwards. Zero it first on a level surface.</source>
        <translation>Coloque el teléfono a lo largo del eje del motor, con el extremo superior hacia el lado elevado, o plano sobre la cara de la antena, con la pantalla hacia fuera. Póngalo antes a cero en una superficie nivelada.</translation>
    </message>
    <message>
        <source>Zeroed on a level surface.</source>
        <translation>Puesto a cero en una superficie nivelada.</translation>
    </message>
    <message>
        <source>This browser gives no orientation sensor here: the readings below still hold.</source>
        <translation>Este navegador no ofrece aquí ningún sensor de orientación: los valores de abajo siguen valiendo.</translation>
    </message>
    <message>
        <source>The sensors were refused: allow motion and orientation for this page in the browser&apos;s settings. The readings below still hold.</source>
        <translation>Se rechazaron los sensores: permita movimiento y orientación para esta página en los ajustes del navegador. Los valores de abajo siguen valiendo.</translation>
    </message>
    <message>
        <source>The sensors need a secure page (https or a file): the readings below still hold.</source>
        <translation>Los sensores necesitan una página segura (https o un archivo): los valores de abajo siguen valiendo.</translation>
    </message>
    <message>
        <source>Waiting for the sensors… move the phone a little.</source>
        <translation>Esperando los sensores… mueva un poco el teléfono.</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>Guardado como %1.</translation>
    </message>
    <message>
        <source>List: %1 satellites.</source>
        <translation>Lista: %1 satélites.</translation>
    </message>
    <message>
        <source>Measure next: %1 (added as a row).</source>
        <translation>Medir a continuación: %1 (añadido como fila).</translation>
    </message>
    <message>
        <source>Lay the phone flat on a level surface, then zero.</source>
        <translation>Coloque el teléfono plano sobre una superficie nivelada y luego ponga a cero.</translation>
    </message>
    <message>
        <source>Nothing observed yet, and no satellite of the list is up and within the motor&apos;s reach.</source>
        <translation>Aún no se ha observado nada y ningún satélite de la lista está sobre el horizonte y al alcance del motor.</translation>
    </message>
    <message>
        <source>it is far larger than a set-up</source>
        <translation>es mucho mayor que un ajuste</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>The list %1 cannot be used: %2</source>
        <translation>No se puede usar la lista %1: %2</translation>
    </message>
    <message>
        <source>it is larger than 8 MiB</source>
        <translation>supera los 8 MiB</translation>
    </message>
    <message>
        <source>it lists channels, not satellites</source>
        <translation>enumera canales, no satélites</translation>
    </message>
    <message>
        <source>%1 is not a number of degrees</source>
        <translation>%1 no es un número de grados</translation>
    </message>
    <message>
        <source>The altitude is whole metres from %1 to %2</source>
        <translation>La altitud va en metros enteros de %1 a %2</translation>
    </message>
    <message>
        <source>The latitude lies from 90°S to 90°N</source>
        <translation>La latitud va de 90°S a 90°N</translation>
    </message>
    <message>
        <source>The longitude lies from 180°W to 180°E</source>
        <translation>La longitud va de 180°W a 180°E</translation>
    </message>
    <message>
        <source>The date is of the form YYYY-MM-DD, from 1900 to 2199</source>
        <translation>La fecha tiene la forma AAAA-MM-DD, de 1900 a 2199</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>supera 1 MiB</translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Reading receiver files...</source>
        <translation>Leyendo los archivos del receptor...</translation>
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
        <translation>Ubicación:</translation>
    </message>
    <message>
        <source>%1; Alt: %2 m</source>
        <translation>%1; alt.: %2 m</translation>
    </message>
    <message>
        <source>Mounting pole:</source>
        <translation>Mástil:</translation>
    </message>
</context>
<context>
    <name>SetUpEdit</name>
    <message>
        <source>it must lie in %1..%2</source>
        <translation>debe estar en %1..%2</translation>
    </message>
    <message>
        <source>the limits of the %1 must be -1799..-1 and 1..1800</source>
        <translation>los límites de %1 deben ser -1799..-1 y 1..1800</translation>
    </message>
    <message>
        <source>the lower limit of the %1 must lie below the upper one, within -1799..1800</source>
        <translation>el límite inferior de %1 debe estar por debajo del superior, dentro de -1799..1800</translation>
    </message>
    <message>
        <source>the declination follows its automatic value while autoDeclination is on</source>
        <translation>la declinación sigue su valor automático mientras autoDeclination está activado</translation>
    </message>
    <message>
        <source>it lies outside its current range %1..%2</source>
        <translation>está fuera de su intervalo actual %1..%2</translation>
    </message>
    <message>
        <source>a position must lie in 0..3599</source>
        <translation>una posición debe estar en 0..3599</translation>
    </message>
    <message>
        <source>unknown name</source>
        <translation>nombre desconocido</translation>
    </message>
    <message>
        <source>it must be 0 or 1</source>
        <translation>debe ser 0 o 1</translation>
    </message>
    <message>
        <source>it is computed, not set</source>
        <translation>se calcula, no se fija</translation>
    </message>
    <message>
        <source>not of the form NAME=VALUE</source>
        <translation>no tiene la forma NOMBRE=VALOR</translation>
    </message>
    <message>
        <source>the value is not a whole number</source>
        <translation>el valor no es un número entero</translation>
    </message>
    <message>
        <source>it must lie in %1..%2 tenths (0 for prime focus)</source>
        <translation>debe estar en %1..%2 décimas (0 para foco primario)</translation>
    </message>
    <message>
        <source>the horizon takes at most %1 points</source>
        <translation>el horizonte admite como máximo %1 puntos</translation>
    </message>
    <message>
        <source>an azimuth must lie in 0..3599 tenths</source>
        <translation>un acimut debe estar en 0..3599 décimas</translation>
    </message>
    <message>
        <source>an elevation must lie in 0..%1 tenths</source>
        <translation>una elevación debe estar en 0..%1 décimas</translation>
    </message>
    <message>
        <source>the azimuth %1 is given twice</source>
        <translation>el acimut %1 aparece dos veces</translation>
    </message>
    <message>
        <source>it must lie in %1..%2 tenths</source>
        <translation>debe estar en %1..%2 décimas</translation>
    </message>
    <message>
        <source>it must lie in %1..%2 centimetres</source>
        <translation>debe estar en %1..%2 centímetros</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not AZIMUTH:ELEVATION in whole tenths</source>
        <translation>«%1» no es ACIMUT:ELEVACIÓN en décimas enteras</translation>
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
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>between %1 and %2</source>
        <translation>entre %1 y %2</translation>
    </message>
    <message>
        <source>west of %1 and east of %2</source>
        <translation>al oeste de %1 y al este de %2</translation>
    </message>
    <message>
        <source>west of %1</source>
        <translation>al oeste de %1</translation>
    </message>
    <message>
        <source>east of %1</source>
        <translation>al este de %1</translation>
    </message>
    <message>
        <source>lines %1 and %2 give two peaks of %3 %4 apart, far beyond the precision of %5</source>
        <translation>las líneas %1 y %2 dan dos máximos de %3 separados %4, muy por encima de la precisión de %5</translation>
    </message>
    <message>
        <source>lines %1 and %2 give two offsets of %3 %4 apart, far beyond the precision of %5</source>
        <translation>las líneas %1 y %2 dan dos correcciones de %3 separadas %4, muy por encima de la precisión de %5</translation>
    </message>
    <message>
        <source>line %1: the offset of %2 lies %3 from where the other observations put it, far beyond the precision of %4</source>
        <translation>línea %1: la corrección de %2 está a %3 de donde la sitúan las demás observaciones, muy por encima de la precisión de %4</translation>
    </message>
    <message>
        <source>line %1: the motor angle of %2 lies %3 from where the other observations put it, far beyond the precision of %4</source>
        <translation>línea %1: el ángulo del motor de %2 está a %3 de donde lo sitúan las demás observaciones, muy por encima de la precisión de %4</translation>
    </message>
    <message>
        <source>%1 does not move the beam at this site.</source>
        <translation>%1 no mueve el haz en este lugar.</translation>
    </message>
    <message>
        <source>%1 move the beam alike, so no observation can tell them apart.</source>
        <translation>%1 mueven el haz de la misma manera, así que ninguna observación puede distinguirlos.</translation>
    </message>
    <message>
        <source>Within the limits %1 cannot take the whole correction, so %2 turns as well.</source>
        <translation>Dentro de los límites, %1 no puede asumir toda la corrección, así que también se gira %2.</translation>
    </message>
    <message>
        <source>The advice turns %1 alone; %2 may stay as it is.</source>
        <translation>El consejo solo gira %1; %2 puede quedarse como está.</translation>
    </message>
    <message>
        <source>The advice turns %1 alone; %2 may stay as they are.</source>
        <translation>El consejo solo gira %1; %2 pueden quedarse como están.</translation>
    </message>
    <message>
        <source>These observations cannot separate %1.</source>
        <translation>Estas observaciones no pueden separar %1.</translation>
    </message>
    <message>
        <source>These observations leave %1 undetermined.</source>
        <translation>Estas observaciones dejan %1 sin determinar.</translation>
    </message>
    <message>
        <source>The fit keeps what they cannot tell near the set-up.</source>
        <translation>El ajuste mantiene lo que no pueden determinar cerca de lo configurado.</translation>
    </message>
    <message>
        <source>What they cannot tell is kept as in the set-up.</source>
        <translation>Lo que no pueden determinar se queda como en lo configurado.</translation>
    </message>
    <message>
        <source>the satellites at least 5° up</source>
        <translation>los satélites al menos 5° sobre el horizonte</translation>
    </message>
    <message>
        <source>the arc at least 5° up</source>
        <translation>el arco al menos 5° sobre el horizonte</translation>
    </message>
    <message>
        <source>At worst over %1, the mount as found gives the motor angle to %2 and the offset to %3 (1σ).</source>
        <translation>En el peor caso entre %1, la montura tal como está da el ángulo del motor con %2 y la corrección con %3 (1σ).</translation>
    </message>
    <message>
        <source>At worst over %1, the mount as found gives the motor angle to %2 (1σ); with no offset observed, the offset only to %3.</source>
        <translation>En el peor caso entre %1, la montura tal como está da el ángulo del motor con %2 (1σ); sin corrección observada, la corrección solo con %3.</translation>
    </message>
    <message>
        <source>%1 The observations are good to %2 in the motor angle and %3 in the offset (1σ), as stated.</source>
        <translation>%1 Las observaciones tienen una precisión de %2 en el ángulo del motor y de %3 en la corrección (1σ), según lo indicado.</translation>
    </message>
    <message>
        <source>%1 The observations are good to %2 in the motor angle and %3 in the offset (1σ), as the residuals show.</source>
        <translation>%1 Las observaciones tienen una precisión de %2 en el ángulo del motor y de %3 en la corrección (1σ), según muestran los residuos.</translation>
    </message>
    <message>
        <source>%1 The observations are taken to be good to %2 in the motor angle and %3 in the offset (1σ), as usual at a dish: too few to tell from the residuals.</source>
        <translation>%1 Se supone que las observaciones tienen una precisión de %2 en el ángulo del motor y de %3 en la corrección (1σ), como es habitual en la antena: son muy pocas para deducirlo de los residuos.</translation>
    </message>
    <message>
        <source>The fit is not sure of the satellites %1 (up to %2 at 1σ): measure one there.</source>
        <translation>El ajuste no está seguro de los satélites %1 (hasta %2 a 1σ): mida uno allí.</translation>
    </message>
    <message>
        <source>The fit is not sure of any satellite (up to %1 at 1σ): measure more, spread along the arc.</source>
        <translation>El ajuste no está seguro de ningún satélite (hasta %1 a 1σ): mida más, repartidos a lo largo del arco.</translation>
    </message>
    <message>
        <source>Measure %1 next, its motor angle and offset: the worst uncertainty would fall from %2 to %3 (1σ).</source>
        <translation>Mida después %1, su ángulo del motor y su corrección: la peor incertidumbre bajaría de %2 a %3 (1σ).</translation>
    </message>
    <message>
        <source>Measure %1 next, its motor angle: the worst uncertainty would fall from %2 to %3 (1σ).</source>
        <translation>Mida después %1, su ángulo del motor: la peor incertidumbre bajaría de %2 a %3 (1σ).</translation>
    </message>
    <message>
        <source>%1: turn %2° %3, from %4 to %5, with the motor at %6, the satellite nearest due south</source>
        <translation>%1: girar %2° hacia %3, de %4 a %5, con el motor en %6, el satélite más cercano al sur</translation>
    </message>
    <message>
        <source>%1: turn %2° %3, from %4 to %5, with the motor at %6, the satellite nearest due north</source>
        <translation>%1: girar %2° hacia %3, de %4 a %5, con el motor en %6, el satélite más cercano al norte</translation>
    </message>
    <message>
        <source>%1: turn %2° %3, from %4 to %5</source>
        <translation>%1: girar %2° hacia %3, de %4 a %5</translation>
    </message>
    <message>
        <source>Nothing to turn: the mount stands as the set-up.</source>
        <translation>Nada que girar: la montura está como se configuró.</translation>
    </message>
    <message>
        <source>To bring the mount to the set-up, turn in this order:</source>
        <translation>Para llevar la montura a lo configurado, gire en este orden:</translation>
    </message>
    <message>
        <source>Nothing observed yet. Measure these first, each its motor angle and offset: %1. The worst uncertainty would then be %2 (1σ).</source>
        <translation>Aún no hay observaciones. Mida primero estos, cada uno con su ángulo del motor y su corrección: %1. La peor incertidumbre sería entonces de %2 (1σ).</translation>
    </message>
</context>
<context>
    <name>horizon</name>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>it is not azimuth,elevation</source>
        <translation>no es acimut,elevación</translation>
    </message>
    <message>
        <source>the azimuth is not a number of degrees from 0 to 360</source>
        <translation>el acimut no es un número de grados de 0 a 360</translation>
    </message>
    <message>
        <source>the elevation is not a number of degrees from 0 to 90</source>
        <translation>la elevación no es un número de grados de 0 a 90</translation>
    </message>
    <message>
        <source>a horizon takes at most 360 points</source>
        <translation>un horizonte admite como máximo 360 puntos</translation>
    </message>
</context>
<context>
    <name>io</name>
    <message>
        <source>no such file</source>
        <translation>no existe el archivo</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>cannot list the folder: %1</source>
        <translation>no se puede listar la carpeta: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>a folder is read as .ini files or scan tables, not as %1</source>
        <translation>una carpeta se lee como archivos .ini o tablas de búsqueda, no como %1</translation>
    </message>
    <message>
        <source>cannot tell which format it is in</source>
        <translation>no se reconoce su formato</translation>
    </message>
    <message>
        <source>a list of channels (%1) names positions, not satellites</source>
        <translation>una lista de canales (%1) nombra posiciones, no satélites</translation>
    </message>
    <message>
        <source>line %1 is longer than %2</source>
        <translation>la línea %1 supera %2</translation>
    </message>
    <message>
        <source>cannot read it</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>supera %1</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 KiB</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 byte</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>cannot open it: %1</source>
        <translation>no se puede abrir: %1</translation>
    </message>
    <message>
        <source>cannot read it: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>cannot write it: %1</source>
        <translation>no se puede escribir: %1</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>falta el nombre del archivo</translation>
    </message>
    <message>
        <source>the import was cancelled</source>
        <translation>se canceló la importación</translation>
    </message>
    <message>
        <source>no satellites in %1: is it a satellite list?</source>
        <translation>no hay satélites en %1: ¿es una lista de satélites?</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Print FILE on the default printer.</source>
        <translation>Imprimir FILE en la impresora predeterminada.</translation>
    </message>
    <message>
        <source>Set-ups to open.</source>
        <translation>Configuraciones que abrir.</translation>
    </message>
</context>
<context>
    <name>metadata</name>
    <message>
        <source>Polar Mount Set-up</source>
        <translation>Ajuste de montura polar</translation>
    </message>
    <message>
        <source>Set up a motorised polar mount for a satellite dish</source>
        <translation>Ajustar la montura polar motorizada de una antena parabólica</translation>
    </message>
    <message>
        <source>satellite;dish;polar;mount;motor;geostationary;antenna;</source>
        <extracomment>Search words for the desktop&apos;s menus, each followed by a semicolon, the last one too; keep an English word where users search for it.</extracomment>
        <translation>satélite;antena;parabólica;polar;montura;motor;geoestacionario;dish;</translation>
    </message>
    <message>
        <source>Set up a motorised satellite dish</source>
        <translation>Ajustar una antena motorizada</translation>
    </message>
    <message>
        <source>Zenbelts helps you set up a motorised polar mount for a satellite dish. Tell it where the dish stands and how the mount is adjusted, and it works out where the dish&apos;s beam sweeps as the motor turns and shows that path against the geostationary satellites you chose, so you can see at a glance which satellites the beam will hit and by how much it misses the others.</source>
        <translation>Zenbelts le ayuda a ajustar la montura polar motorizada de una antena parabólica. Indique dónde está la antena y cómo está ajustada la montura: Zenbelts calcula por dónde pasa el haz de la antena cuando gira el motor y muestra ese recorrido frente a los satélites geoestacionarios elegidos, para ver de un vistazo qué satélites alcanzará el haz y por cuánto se desvía de los demás.</translation>
    </message>
    <message>
        <source>Sliders and fields for the pole&apos;s roll, the motor&apos;s azimuth and elevation, the dish&apos;s azimuth and its declination</source>
        <translation>Deslizadores y campos para la inclinación del mástil, el acimut y la elevación del motor, el acimut de la antena y su declinación</translation>
    </message>
    <message>
        <source>The best motor elevation and declination for your location, or the ones that make the largest miss smallest</source>
        <translation>La mejor elevación del motor y la mejor declinación para su ubicación, o las que hacen menor el mayor desvío</translation>
    </message>
    <message>
        <source>A table of the motor angle and the miss for every chosen satellite</source>
        <translation>Una tabla con el ángulo del motor y el desvío de cada satélite elegido</translation>
    </message>
    <message>
        <source>What each scale, the compass and the sun tell at the dish on a given day</source>
        <translation>Lo que cada escala, la brújula y el sol indican en la antena un día dado</translation>
    </message>
    <message>
        <source>A field assistant that works out how the mount really stands from where the signals peaked, and says what to turn</source>
        <translation>Un asistente que deduce, de los ángulos del motor donde las señales alcanzaron su máximo, cómo está realmente la montura, y dice qué girar</translation>
    </message>
    <message>
        <source>Satellite lists read from a receiver&apos;s files</source>
        <translation>Listas de satélites leídas de los archivos de un receptor</translation>
    </message>
    <message>
        <source>Printed plots with a legend of the whole set-up</source>
        <translation>Gráficos impresos con una leyenda de toda la configuración</translation>
    </message>
    <message>
        <source>A command-line tool that makes, changes, draws and optimises set-ups</source>
        <translation>Una herramienta de línea de órdenes que crea, cambia, dibuja y optimiza configuraciones</translation>
    </message>
    <message>
        <source>A set-up: the beam&apos;s path against the satellites, the adjustments and the misses</source>
        <translation>Una configuración: el recorrido del haz frente a los satélites, los ajustes y los desvíos</translation>
    </message>
    <message>
        <source>Zenbelt document</source>
        <translation>Documento Zenbelt</translation>
    </message>
    <message>
        <source>What the dish can reach past a horizon mask and the motor&apos;s limits, and the positions to store in a receiver</source>
        <translation>Lo que la antena alcanza por encima de una máscara de horizonte y dentro de los límites del motor, y las posiciones que guardar en un receptor</translation>
    </message>
    <message>
        <source>A page for the phone in your hand at the dish, which works offline</source>
        <translation>Una página para el teléfono que lleva en la mano junto a la antena, que funciona sin conexión</translation>
    </message>
</context>
<context>
    <name>observations</name>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the header must be %1</source>
        <translation>el encabezado debe ser %1</translation>
    </message>
    <message>
        <source>expected 3 fields (position,motorAngle,offset), found %1</source>
        <translation>se esperaban 3 campos (position,motorAngle,offset), hay %1</translation>
    </message>
    <message>
        <source>the position is missing</source>
        <translation>falta la posición</translation>
    </message>
    <message>
        <source>the position is neither 0 to 3599 tenths nor a label like 19.2E</source>
        <translation>la posición no es ni de 0 a 3599 décimas ni una etiqueta como 19.2E</translation>
    </message>
    <message>
        <source>the motor angle is missing</source>
        <translation>falta el ángulo del motor</translation>
    </message>
    <message>
        <source>the motor angle is not a number</source>
        <translation>el ángulo del motor no es un número</translation>
    </message>
    <message>
        <source>the motor angle is out of range (-180 to 180 degrees)</source>
        <translation>el ángulo del motor está fuera de rango (-180 a 180 grados)</translation>
    </message>
    <message>
        <source>the offset is not a number</source>
        <translation>el desvío no es un número</translation>
    </message>
    <message>
        <source>the offset is out of range (-90 to 90 degrees)</source>
        <translation>el desvío está fuera de rango (-90 a 90 grados)</translation>
    </message>
    <message>
        <source>the line is longer than %1</source>
        <translation>la línea supera %1</translation>
    </message>
    <message>
        <source>no observations</source>
        <translation>no hay observaciones</translation>
    </message>
    <message>
        <source>a position is out of range</source>
        <translation>una posición está fuera de rango</translation>
    </message>
    <message>
        <source>%1 is below the horizon here</source>
        <translation>%1 está bajo el horizonte aquí</translation>
    </message>
    <message>
        <source>the face tilt is not a number</source>
        <translation>la inclinación de la cara no es un número</translation>
    </message>
    <message>
        <source>the face tilt lies more than 20 degrees from the set-up&apos;s at that motor angle: check the dish&apos;s offset and feed arm</source>
        <translation>la inclinación de la cara se aparta más de 20 grados de la del ajuste en ese ángulo del motor: compruebe el offset y el brazo del alimentador de la antena</translation>
    </message>
    <message>
        <source>face tilts are read only with a set-up&apos;s dish</source>
        <translation>las inclinaciones de la cara solo se leen con la antena de un ajuste</translation>
    </message>
</context>
<context>
    <name>positions</name>
    <message>
        <source>Halt: the motor stops at once</source>
        <translation>Parar: el motor se detiene en el acto</translation>
    </message>
    <message>
        <source>Limits off: the motor may turn to its end stops</source>
        <translation>Límites desactivados: el motor puede girar hasta sus topes</translation>
    </message>
    <message>
        <source>Go to %1, the east soft limit</source>
        <translation>Ir a %1, el límite por software este</translation>
    </message>
    <message>
        <source>Set the motor&apos;s east limit where it stands</source>
        <translation>Fijar el límite este del motor donde está</translation>
    </message>
    <message>
        <source>Set the motor&apos;s west limit where it stands (the eastern sky, south of the equator)</source>
        <translation>Fijar el límite oeste del motor donde está (el cielo del este, al sur del ecuador)</translation>
    </message>
    <message>
        <source>Go to %1, the west soft limit</source>
        <translation>Ir a %1, el límite por software oeste</translation>
    </message>
    <message>
        <source>Set the motor&apos;s west limit where it stands</source>
        <translation>Fijar el límite oeste del motor donde está</translation>
    </message>
    <message>
        <source>Set the motor&apos;s east limit where it stands (the western sky, south of the equator)</source>
        <translation>Fijar el límite este del motor donde está (el cielo del oeste, al sur del ecuador)</translation>
    </message>
    <message>
        <source>Limits on: the motor stays between the two limits from now on</source>
        <translation>Límites activados: desde ahora el motor queda entre los dos límites</translation>
    </message>
    <message>
        <source>Go to %1 for %2</source>
        <translation>Ir a %1 para %2</translation>
    </message>
    <message>
        <source>Store this position as slot %1 (%2)</source>
        <translation>Guardar esta posición como memoria %1 (%2)</translation>
    </message>
    <message>
        <source>Go to slot %1 (%2)</source>
        <translation>Ir a la memoria %1 (%2)</translation>
    </message>
    <message>
        <source>Recalculate: once slot %1 (%2) is peaked again and stored, every other stored position moves by as much</source>
        <translation>Recalcular: una vez ajustada de nuevo al máximo y guardada la memoria %1 (%2), todas las demás posiciones guardadas se desplazan lo mismo</translation>
    </message>
</context>
<context>
    <name>setup</name>
    <message>
        <source>it ends early</source>
        <translation>termina antes de tiempo</translation>
    </message>
    <message>
        <source>the %1 is out of range</source>
        <translation>valor fuera de rango: %1</translation>
    </message>
    <message>
        <source>the %1 limits are out of range</source>
        <translation>límites fuera de rango: %1</translation>
    </message>
    <message>
        <source>the %1 is outside its limits</source>
        <translation>valor fuera de sus límites: %1</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>latitud</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>longitud</translation>
    </message>
    <message>
        <source>altitude</source>
        <translation>altitud</translation>
    </message>
    <message>
        <source>the set-up&apos;s extension is damaged: %1</source>
        <translation>la extensión de la configuración está dañada: %1</translation>
    </message>
    <message>
        <source>a record does not read</source>
        <translation>un registro no se puede leer</translation>
    </message>
    <message>
        <source>dish offset</source>
        <translation>offset de la antena</translation>
    </message>
    <message>
        <source>the feed arm is neither below nor above the dish</source>
        <translation>el brazo del alimentador no está ni debajo ni encima de la antena</translation>
    </message>
    <message>
        <source>the set-up&apos;s extension is of a later version (%1)</source>
        <translation>la extensión de la configuración es de una versión posterior (%1)</translation>
    </message>
    <message>
        <source>its version is unknown</source>
        <translation>su versión es desconocida</translation>
    </message>
    <message>
        <source>its length does not match the file</source>
        <translation>su longitud no coincide con el archivo</translation>
    </message>
    <message>
        <source>its check does not match</source>
        <translation>su suma de control no coincide</translation>
    </message>
    <message>
        <source>horizon mask</source>
        <translation>máscara de horizonte</translation>
    </message>
    <message>
        <source>motor&apos;s range</source>
        <translation>recorrido del motor</translation>
    </message>
    <message>
        <source>dish diameter</source>
        <translation>diámetro de la antena</translation>
    </message>
</context>
<context>
    <name>texts</name>
    <message>
        <source>About Zenbelts</source>
        <translation>Acerca de Zenbelts</translation>
    </message>
    <message>
        <source>Zenbelts Version %1</source>
        <translation>Zenbelts versión %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or any later version.</source>
        <translation>Software libre bajo la Licencia Pública General de GNU, versión 3 o cualquier versión posterior.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Zenbelt</source>
        <translation>Zenbelt</translation>
    </message>
    <message>
        <source>Zenbelt Files (*.zb)</source>
        <translation>Archivos Zenbelt (*.zb)</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Crear un documento nuevo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Abrir un documento existente</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>Cerrar el documento activo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Guardar el documento activo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Guardar el documento activo con otro nombre</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Imprimir el documento activo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Mostrar páginas completas</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista preliminar</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Cambiar la impresora y las opciones de impresión</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impresión</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Abrir este documento</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Salir de la aplicación</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Deshacer la última acción</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Cortar la selección y ponerla en el Portapapeles</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Copiar la selección y ponerla en el Portapapeles</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Insertar el contenido del Portapapeles</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Update location, ranges and satellites</source>
        <translation>Modificar ubicación, límites y satélites</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Set default values for current location</source>
        <translation>Poner los valores predeterminados de la ubicación actual</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Predeterminados</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Mostrar u ocultar la barra de herramientas</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostrar u ocultar la barra de estado</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>Show or hide the tooltips of the adjustment panel</source>
        <translation>Mostrar u ocultar las sugerencias del panel de ajuste</translation>
    </message>
    <message>
        <source>Show tooltips</source>
        <translation>Mostrar sugerencias</translation>
    </message>
    <message>
        <source>Open another window for the active document</source>
        <translation>Abrir otra ventana del documento activo</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nueva ventana</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap</source>
        <translation>Organizar las ventanas superpuestas</translation>
    </message>
    <message>
        <source>Cascade Windows</source>
        <translation>Ventanas en cascada</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles</source>
        <translation>Organizar las ventanas en mosaico, sin superponerse</translation>
    </message>
    <message>
        <source>Tile Windows</source>
        <translation>Ventanas en mosaico</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window</source>
        <translation>Organizar los iconos en la parte inferior de la ventana</translation>
    </message>
    <message>
        <source>Arrange Icons</source>
        <translation>Organizar iconos</translation>
    </message>
    <message>
        <source>Set motor elevation and declination for the smallest miss across the arc</source>
        <translation>Ajustar la elevación del motor y la declinación para el menor desvío en todo el arco</translation>
    </message>
    <message>
        <source>Optimise</source>
        <translation>Optimizar</translation>
    </message>
    <message>
        <source>Find how the mount really stands from what was found at the dish</source>
        <translation>Deducir cómo está realmente la montura a partir de lo medido en la antena</translation>
    </message>
    <message>
        <source>Diagnose</source>
        <translation>Diagnosticar</translation>
    </message>
    <message>
        <source>Activate the next document window</source>
        <translation>Activar la ventana de documento siguiente</translation>
    </message>
    <message>
        <source>Next Window</source>
        <translation>Ventana siguiente</translation>
    </message>
    <message>
        <source>Activate the previous document window</source>
        <translation>Activar la ventana de documento anterior</translation>
    </message>
    <message>
        <source>Previous Window</source>
        <translation>Ventana anterior</translation>
    </message>
    <message>
        <source>Close the active document window</source>
        <translation>Cerrar la ventana de documento activa</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <source>Move to the next part of the window</source>
        <translation>Pasar a la siguiente sección de la ventana</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Panel siguiente</translation>
    </message>
    <message>
        <source>Move to the previous part of the window</source>
        <translation>Pasar a la sección anterior de la ventana</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Panel anterior</translation>
    </message>
    <message>
        <source>Show or hide the table of misses</source>
        <translation>Mostrar u ocultar la tabla de desvíos</translation>
    </message>
    <message>
        <source>Misses</source>
        <translation>Desvíos</translation>
    </message>
    <message>
        <source>Show the site to enter into the receiver and its motor commands</source>
        <translation>Mostrar la ubicación que introducir en el receptor y sus órdenes al motor</translation>
    </message>
    <message>
        <source>Receiver settings</source>
        <translation>Ajustes del receptor</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostrar la información del programa, el número de versión y el copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>No se puede guardar %1: %2</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>Worst miss %1 before, %2 after (%3)</source>
        <translation>Peor desvío: %1 antes, %2 después (%3)</translation>
    </message>
    <message>
        <source>over the %1 chosen satellites at least %2 up</source>
        <translation>en los %1 satélites elegidos con al menos %2 de elevación</translation>
    </message>
    <message>
        <source>over the visible arc at least %1 up (fewer than two chosen satellites are)</source>
        <translation>en el arco visible con al menos %1 de elevación (lo están menos de dos satélites elegidos)</translation>
    </message>
    <message>
        <source>Nothing to optimise: fewer than two points of the arc stand %1 above the horizon</source>
        <translation>Nada que optimizar: menos de dos puntos del arco están a %1 sobre el horizonte</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>No hay ninguna impresora disponible.</translation>
    </message>
    <message>
        <source>The page is too small for the plot and its legend. Choose a larger paper size or smaller margins in Print Setup.</source>
        <translation>La página es demasiado pequeña para el gráfico y su leyenda. Elija un tamaño de papel mayor o márgenes menores en Configurar impresión.</translation>
    </message>
    <message>
        <source>Redo the action undone last</source>
        <translation>Rehacer la última acción deshecha</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Show what every scale, the compass and the sun tell at the dish, to print</source>
        <translation>Mostrar lo que indican cada escala, la brújula y el sol junto a la antena, para imprimir</translation>
    </message>
    <message>
        <source>At the dish</source>
        <translation>En la antena</translation>
    </message>
    <message>
        <source>Open the field page, Zenbelts for a phone at the dish, in the browser</source>
        <translation>Abrir en el navegador la página de campo, Zenbelts para un teléfono en la antena</translation>
    </message>
    <message>
        <source>Field page</source>
        <translation>Página de campo</translation>
    </message>
</context>
<context>
    <name>zenbelts::CAdjustmentBar</name>
    <message>
        <source>Auto-calculate best dish declination</source>
        <translation>Calcular automáticamente la mejor declinación de la antena</translation>
    </message>
    <message>
        <source>Auto decl.</source>
        <translation>Decl. auto.</translation>
    </message>
    <message>
        <source>&amp;NS:</source>
        <translation>N&amp;S:</translation>
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
        <translation>&amp;DA:</translation>
    </message>
    <message>
        <source>Au&amp;to declination</source>
        <translation>Declinación au&amp;tomática</translation>
    </message>
    <message>
        <source>Loc&amp;k satellites</source>
        <translation>&amp;Fijar satélites</translation>
    </message>
</context>
<context>
    <name>zenbelts::CAtTheDishDialog</name>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>&amp;Vista preliminar...</translation>
    </message>
    <message>
        <source>At the dish: %1</source>
        <translation>En la antena: %1</translation>
    </message>
    <message>
        <source>&amp;Date (UTC):</source>
        <translation>&amp;Fecha (UTC):</translation>
    </message>
    <message>
        <source>%1 UTC (%2 local)</source>
        <translation>%1 UTC (%2 hora local)</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>vertical</translation>
    </message>
    <message>
        <source>%1 back from vertical</source>
        <translation>%1 hacia atrás desde la vertical</translation>
    </message>
    <message>
        <source>%1 forward from vertical</source>
        <translation>%1 hacia delante desde la vertical</translation>
    </message>
    <message>
        <source>Prime focus</source>
        <translation>Foco primario</translation>
    </message>
    <message>
        <source>Offset %1, feed arm above the dish</source>
        <translation>Offset %1, brazo del alimentador encima de la antena</translation>
    </message>
    <message>
        <source>Offset %1, feed arm below the dish</source>
        <translation>Offset %1, brazo del alimentador debajo de la antena</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Emplazamiento</translation>
    </message>
    <message>
        <source>Dish</source>
        <translation>Antena</translation>
    </message>
    <message>
        <source>Magnetic declination %1 (World Magnetic Model 2025)</source>
        <translation>Declinación magnética %1 (World Magnetic Model 2025)</translation>
    </message>
    <message>
        <source>The model holds from 2025.0 to 2030.0: on this date the declination is extrapolated; check it against a local source.</source>
        <translation>El modelo vale de 2025.0 a 2030.0: en esta fecha la declinación está extrapolada; compruébela con una fuente local.</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Brújula</translation>
    </message>
    <message>
        <source>True north</source>
        <translation>Norte geográfico</translation>
    </message>
    <message>
        <source>True south</source>
        <translation>Sur geográfico</translation>
    </message>
    <message>
        <source>Compass bearing %1</source>
        <translation>Rumbo de brújula %1</translation>
    </message>
    <message>
        <source>Motor axis</source>
        <translation>Eje del motor</translation>
    </message>
    <message>
        <source>Inclinometer on the axis: %1 above the horizon, towards %2 true (%3 by compass)</source>
        <translation>Inclinómetro sobre el eje: %1 sobre el horizonte, hacia %2 geográfico (%3 por brújula)</translation>
    </message>
    <message>
        <source>Motor scale</source>
        <translation>Escala del motor</translation>
    </message>
    <message>
        <source>%1 if it shows the axis elevation, %2 if it shows the latitude</source>
        <translation>%1 si indica la elevación del eje, %2 si indica la latitud</translation>
    </message>
    <message>
        <source>Dish clamp</source>
        <translation>Abrazadera de la antena</translation>
    </message>
    <message>
        <source>%1 against the motor axis</source>
        <translation>%1 respecto al eje del motor</translation>
    </message>
    <message>
        <source>Motor at zero</source>
        <translation>Motor en cero</translation>
    </message>
    <message>
        <source>Beam %1 up towards %2 true (%3 by compass); face %4</source>
        <translation>Haz %1 hacia arriba, hacia %2 geográfico (%3 por brújula); cara %4</translation>
    </message>
    <message>
        <source>Due south at %1</source>
        <translation>Justo al sur a las %1</translation>
    </message>
    <message>
        <source>Due north at %1</source>
        <translation>Justo al norte a las %1</translation>
    </message>
    <message>
        <source>, %1 up: a plumb line&apos;s shadow then marks the meridian</source>
        <translation>, %1 de altura: la sombra de una plomada marca entonces el meridiano</translation>
    </message>
    <message>
        <source>, below the horizon</source>
        <translation>, bajo el horizonte</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Acimut</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevación</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Cara</translation>
    </message>
    <message>
        <source>Sun at its azimuth</source>
        <translation>Sol en su acimut</translation>
    </message>
    <message>
        <source>%1, %2 up</source>
        <translation>%1, %2 de altura</translation>
    </message>
    <message>
        <source>never that day</source>
        <translation>nunca ese día</translation>
    </message>
    <message>
        <source>Azimuth: true, clockwise from north. Compass: the bearing a compass shows. Motor: the turn from the motor&apos;s zero. Face: the inclinometer on the dish&apos;s face, degrees from vertical, + when the face looks up. When the sun stands at a satellite&apos;s azimuth, a plumb line&apos;s shadow points straight away from the satellite.</source>
        <translation>Acimut: geográfico, en sentido horario desde el norte. Brújula: el rumbo que indica una brújula. Motor: el giro desde el cero del motor. Cara: el inclinómetro sobre la cara de la antena, grados desde la vertical, + cuando la cara mira hacia arriba. Cuando el sol está en el acimut de un satélite, la sombra de una plomada apunta justo en sentido contrario al satélite.</translation>
    </message>
    <message>
        <source>On %1 (UTC)</source>
        <translation>El %1 (UTC)</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>No hay ninguna impresora disponible.</translation>
    </message>
</context>
<context>
    <name>zenbelts::CDiagnoseDialog</name>
    <message>
        <source>Diagnose %1</source>
        <translation>Diagnóstico de %1</translation>
    </message>
    <message>
        <source>At the dish, drive the motor to each satellite, peak its signal and type the motor angle. Where tilting the dish up or down helps, type by how much as the offset (up +, down -). Then Fit.</source>
        <translation>En la antena, lleve el motor a cada satélite, ajuste su señal al máximo y escriba el ángulo del motor. Si inclinar la antena hacia arriba o hacia abajo mejora la señal, escriba cuánto como corrección (arriba +, abajo -). Después, pulse Ajustar.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Motor angle (°)</source>
        <translation>Ángulo del motor (°)</translation>
    </message>
    <message>
        <source>Offset (°)</source>
        <translation>Corrección (°)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Ajustar</translation>
    </message>
    <message>
        <source>Observations</source>
        <translation>Observaciones</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Set-up</source>
        <translation>Configurado</translation>
    </message>
    <message>
        <source>As found</source>
        <translation>Hallado</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Motor, set-up</source>
        <translation>Motor, configurado</translation>
    </message>
    <message>
        <source>Motor, found</source>
        <translation>Motor, hallado</translation>
    </message>
    <message>
        <source>Offset, set-up</source>
        <translation>Corrección, configurada</translation>
    </message>
    <message>
        <source>Offset, found</source>
        <translation>Corrección, hallada</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Observed minus computed, degrees:</source>
        <translation>Observado menos calculado, en grados:</translation>
    </message>
    <message>
        <source>What to turn</source>
        <translation>Qué girar</translation>
    </message>
    <message>
        <source>&amp;Show the mount as found</source>
        <translation>&amp;Mostrar la montura tal como está</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>&amp;Vista preliminar...</translation>
    </message>
    <message>
        <source>%1: the motor angle is not a number</source>
        <translation>%1: el ángulo del motor no es un número</translation>
    </message>
    <message>
        <source>%1: the offset is not a number</source>
        <translation>%1: la corrección no es un número</translation>
    </message>
    <message>
        <source>%1: the motor angle is out of range (-180 to 180 degrees)</source>
        <translation>%1: el ángulo del motor está fuera de rango (de -180 a 180 grados)</translation>
    </message>
    <message>
        <source>%1: the offset is out of range (-90 to 90 degrees)</source>
        <translation>%1: la corrección está fuera de rango (de -90 a 90 grados)</translation>
    </message>
    <message>
        <source>%1: an offset needs the motor angle it was found at</source>
        <translation>%1: una corrección necesita el ángulo del motor en que se halló</translation>
    </message>
    <message>
        <source>Type the motor angle of at least one satellite.</source>
        <translation>Escriba el ángulo del motor de al menos un satélite.</translation>
    </message>
    <message>
        <source>%1 as found</source>
        <translation>%1 tal como está</translation>
    </message>
    <message>
        <source>Fit to see what to turn.</source>
        <translation>Pulse Ajustar para ver qué girar.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Root-mean-square: %1° with the set-up, %2° as found</source>
        <translation>Media cuadrática: %1° con lo configurado, %2° con lo hallado</translation>
    </message>
    <message>
        <source>Undetermined: %1</source>
        <translation>Sin determinar: %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>Import observations</source>
        <translation>Importar observaciones</translation>
    </message>
    <message>
        <source>Observations (*.csv);;All files (*)</source>
        <translation>Observaciones (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>No se puede importar %1: %2</translation>
    </message>
    <message>
        <source>Export observations</source>
        <translation>Exportar observaciones</translation>
    </message>
    <message>
        <source>Cannot export %1: %2</source>
        <translation>No se puede exportar %1: %2</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>No hay ninguna impresora disponible.</translation>
    </message>
    <message>
        <source>%1: what to turn</source>
        <translation>%1: qué girar</translation>
    </message>
    <message>
        <source>P&amp;recision of the motor angle (1σ, °):</source>
        <translation>P&amp;recisión del ángulo del motor (1σ, °):</translation>
    </message>
    <message>
        <source>Precision of the &amp;offset (1σ, °):</source>
        <translation>Precisión de la &amp;corrección (1σ, °):</translation>
    </message>
    <message>
        <source>from the residuals</source>
        <translation>según los residuos</translation>
    </message>
    <message>
        <source>How well you find a signal&apos;s peak, in degrees: about %1 for the motor angle and %2 for the offset with a signal meter. Leave empty to estimate it from the residuals.</source>
        <translation>Con qué precisión encuentra el máximo de una señal, en grados: con un medidor de señal, unos %1 en el ángulo del motor y %2 en la corrección. Déjelo vacío para estimarla según los residuos.</translation>
    </message>
    <message>
        <source>How sure</source>
        <translation>Qué tan seguro</translation>
    </message>
    <message>
        <source>The precision of the motor angle is not a number of degrees above 0 to %1</source>
        <translation>La precisión del ángulo del motor no es un número de grados mayor que 0 y hasta %1</translation>
    </message>
    <message>
        <source>The precision of the offset is not a number of degrees above 0 to %1</source>
        <translation>La precisión de la corrección no es un número de grados mayor que 0 y hasta %1</translation>
    </message>
    <message>
        <source>Satellites to peak next, in this order:</source>
        <translation>Satélites que medir después, en este orden:</translation>
    </message>
    <message>
        <source>worst 1σ then %1°</source>
        <translation>peor 1σ después %1°</translation>
    </message>
    <message>
        <source>Chosen satellites, for the mount as found:</source>
        <translation>Satélites elegidos, para la montura tal como está:</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receptor</translation>
    </message>
    <message>
        <source>The observations you typed have not been exported. They stay with %1 while it is open; export them to a file now?</source>
        <translation>Las observaciones escritas no se han exportado. Se quedan con %1 mientras esté abierto; ¿exportarlas ahora a un archivo?</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>zenbelts::CDishSection</name>
    <message>
        <source>Dish</source>
        <translation>Antena</translation>
    </message>
    <message>
        <source>Prime focus</source>
        <translation>Foco primario</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Below the dish</source>
        <translation>Debajo de la antena</translation>
    </message>
    <message>
        <source>Above the dish</source>
        <translation>Encima de la antena</translation>
    </message>
    <message>
        <source>The maker&apos;s offset angle: how far the beam rises above the normal of the rim, 1 to 45 degrees</source>
        <translation>El ángulo de offset del fabricante: cuánto sube el haz sobre la normal del borde, de 1 a 45 grados</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>Offset &amp;angle:</source>
        <translation>Á&amp;ngulo de offset:</translation>
    </message>
    <message>
        <source>&amp;Feed arm:</source>
        <translation>&amp;Brazo del alimentador:</translation>
    </message>
</context>
<context>
    <name>zenbelts::CGeneralPage</name>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Límites</translation>
    </message>
    <message>
        <source>from:</source>
        <translation>desde:</translation>
    </message>
    <message>
        <source>to:</source>
        <translation>hasta:</translation>
    </message>
    <message>
        <source>(*) - relative to autocalculated values</source>
        <translation>(*) - relativo a los valores autocalculados</translation>
    </message>
    <message>
        <source>&amp;Latitude:</source>
        <translation>&amp;Latitud:</translation>
    </message>
    <message>
        <source>L&amp;ongitude:</source>
        <translation>L&amp;ongitud:</translation>
    </message>
    <message>
        <source>Al&amp;titude (m):</source>
        <translation>Al&amp;titud (m):</translation>
    </message>
</context>
<context>
    <name>zenbelts::CHorizonPage</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Acimut</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevación</translation>
    </message>
    <message>
        <source>True bearing, clockwise from north</source>
        <translation>Rumbo verdadero, en sentido horario desde el norte</translation>
    </message>
    <message>
        <source>The lowest elevation the dish sees past at that bearing; straight lines join the points</source>
        <translation>La elevación más baja por encima de la cual ve la antena en esa dirección; líneas rectas unen los puntos</translation>
    </message>
    <message>
        <source>Degrees from 0 to 360, clockwise from true north</source>
        <translation>Grados de 0 a 360, en sentido horario desde el norte verdadero</translation>
    </message>
    <message>
        <source>Degrees from 0 to 90</source>
        <translation>Grados de 0 a 90</translation>
    </message>
    <message>
        <source>How far the motor turns from its zero, 0 to 90 degrees</source>
        <translation>Cuánto gira el motor desde su cero, de 0 a 90 grados</translation>
    </message>
    <message>
        <source>Obstacles</source>
        <translation>Obstáculos</translation>
    </message>
    <message>
        <source>A&amp;zimuth:</source>
        <translation>A&amp;cimut:</translation>
    </message>
    <message>
        <source>E&amp;levation:</source>
        <translation>E&amp;levación:</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>Motor and dish</source>
        <translation>Motor y antena</translation>
    </message>
    <message>
        <source>Motor turns &amp;east to:</source>
        <translation>El motor gira al &amp;este hasta:</translation>
    </message>
    <message>
        <source>Motor turns &amp;west to:</source>
        <translation>El motor gira al &amp;oeste hasta:</translation>
    </message>
    <message>
        <source>Dish &amp;diameter (cm):</source>
        <translation>&amp;Diámetro de la antena (cm):</translation>
    </message>
    <message>
        <source>A satellite is in reach when it stands above the horizon by half the dish&apos;s beam and the motor turns that far.</source>
        <translation>Un satélite está al alcance cuando supera el horizonte en medio haz de la antena y el motor gira hasta allí.</translation>
    </message>
    <message>
        <source>The azimuth must be a number of degrees from 0 to 360.</source>
        <translation>El acimut debe ser un número de grados de 0 a 360.</translation>
    </message>
    <message>
        <source>The elevation must be a number of degrees from 0 to 90.</source>
        <translation>La elevación debe ser un número de grados de 0 a 90.</translation>
    </message>
    <message>
        <source>Import the horizon</source>
        <translation>Importar el horizonte</translation>
    </message>
    <message>
        <source>Horizon (*.csv);;All files (*)</source>
        <translation>Horizonte (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>No se puede importar %1: %2</translation>
    </message>
    <message>
        <source>Export the horizon</source>
        <translation>Exportar el horizonte</translation>
    </message>
    <message>
        <source>Cannot export %1: %2</source>
        <translation>No se puede exportar %1: %2</translation>
    </message>
</context>
<context>
    <name>zenbelts::CHorizonSketch</name>
    <message>
        <source>The sky from the dish as on a map, north up: the horizon at the rim, straight up at the centre; shaded what the horizon hides, the arc in pink, the chosen satellites as dots</source>
        <translation>El cielo desde la antena como en un mapa, norte arriba: el horizonte en el borde, la vertical en el centro; sombreado lo que oculta el horizonte, el arco en rosa, los satélites elegidos como puntos</translation>
    </message>
</context>
<context>
    <name>zenbelts::CMainFrame</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista preliminar</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Configurar im&amp;presión...</translation>
    </message>
    <message>
        <source>Propert&amp;ies</source>
        <translation>P&amp;ropiedades</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Set &amp;defaults</source>
        <translation>&amp;Valores predeterminados</translation>
    </message>
    <message>
        <source>&amp;Optimise</source>
        <translation>&amp;Optimizar</translation>
    </message>
    <message>
        <source>Dia&amp;gnose...</source>
        <translation>Dia&amp;gnosticar...</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>Show t&amp;ooltips</source>
        <translation>Mostrar &amp;sugerencias</translation>
    </message>
    <message>
        <source>&amp;Misses</source>
        <translation>&amp;Desvíos</translation>
    </message>
    <message>
        <source>&amp;Receiver settings...</source>
        <translation>Ajustes del &amp;receptor...</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nueva ventana</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascada</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaico</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>Organizar &amp;iconos</translation>
    </message>
    <message>
        <source>Ne&amp;xt Window</source>
        <translation>Ventana si&amp;guiente</translation>
    </message>
    <message>
        <source>Pre&amp;vious Window</source>
        <translation>Ventana &amp;anterior</translation>
    </message>
    <message>
        <source>C&amp;lose Window</source>
        <translation>Ce&amp;rrar ventana</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Panel siguiente</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Panel anterior</translation>
    </message>
    <message>
        <source>&amp;About Zenbelts...</source>
        <translation>&amp;Acerca de Zenbelts...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Archivo reciente</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Win&amp;dow</source>
        <translation>Ve&amp;ntana</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Mount as found</source>
        <translation>Montura tal como se encontró</translation>
    </message>
    <message>
        <source>&amp;At the dish...</source>
        <translation>En la &amp;antena...</translation>
    </message>
    <message>
        <source>&amp;Field page...</source>
        <translation>Página de &amp;campo...</translation>
    </message>
    <message>
        <source>Field page</source>
        <translation>Página de campo</translation>
    </message>
    <message>
        <source>No browser could be started to open %1.</source>
        <translation>No se pudo iniciar ningún navegador para abrir %1.</translation>
    </message>
    <message>
        <source>The field page is not installed with this Zenbelts.</source>
        <translation>La página de campo no está instalada con este Zenbelts.</translation>
    </message>
</context>
<context>
    <name>zenbelts::CMissTable</name>
    <message>
        <source>Misses</source>
        <translation>Desvíos</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>The satellite&apos;s orbital position</source>
        <translation>La posición orbital del satélite</translation>
    </message>
    <message>
        <source>The satellite&apos;s name in the list</source>
        <translation>El nombre del satélite en la lista</translation>
    </message>
    <message>
        <source>The rotation of the motor from its zero that points the beam at this satellite</source>
        <translation>El giro del motor desde su cero que apunta el haz a este satélite</translation>
    </message>
    <message>
        <source>How far the satellite lies from the beam at that motor angle: above means the satellite lies above the beam</source>
        <translation>Distancia del satélite al haz con ese ángulo del motor: «por encima» significa que el satélite está por encima del haz</translation>
    </message>
    <message>
        <source>How high the satellite stands above the horizon</source>
        <translation>Elevación del satélite sobre el horizonte</translation>
    </message>
    <message>
        <source>The motor angle a receiver that turns the motor itself would command for an ideal polar mount at your true site</source>
        <translation>El ángulo que ordenaría al motor un receptor que lo gobierna por sí mismo, para una montura polar ideal en su ubicación real</translation>
    </message>
    <message>
        <source>The motor angle less the receiver&apos;s, east positive: how far the receiver would turn short of this satellite</source>
        <translation>El ángulo del motor menos el del receptor, positivo al este: cuánto se quedaría corto el receptor ante este satélite</translation>
    </message>
    <message>
        <source>Copy as C&amp;SV</source>
        <translation>Copiar como C&amp;SV</translation>
    </message>
    <message>
        <source>&amp;Receiver columns</source>
        <translation>Columnas del &amp;receptor</translation>
    </message>
    <message>
        <source>%1 above</source>
        <translation>%1 por encima</translation>
    </message>
    <message>
        <source>%1 below</source>
        <translation>%1 por debajo</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Miss</source>
        <translation>Desvío</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevación</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receptor</translation>
    </message>
    <message>
        <source>Receiver miss</source>
        <translation>Desvío del receptor</translation>
    </message>
    <message>
        <source>Hidden by the horizon: too low over the obstacles there for the dish&apos;s beam</source>
        <translation>Oculto por el horizonte: demasiado bajo sobre los obstáculos de ese lado para el haz de la antena</translation>
    </message>
    <message>
        <source>Below the horizon</source>
        <translation>Bajo el horizonte</translation>
    </message>
    <message>
        <source>Beyond the motor&apos;s limit: the motor does not turn that far</source>
        <translation>Más allá del límite del motor: el motor no gira tanto</translation>
    </message>
</context>
<context>
    <name>zenbelts::CNumericEdit</name>
    <message>
        <source>Not taken: %1 lies beyond the limit %2</source>
        <translation>No aceptado: %1 está más allá del límite %2</translation>
    </message>
    <message>
        <source>“%1” was read as %2</source>
        <translation>«%1» se leyó como %2</translation>
    </message>
</context>
<context>
    <name>zenbelts::CPropertiesDialog</name>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satélites</translation>
    </message>
    <message>
        <source>Horizon</source>
        <translation>Horizonte</translation>
    </message>
</context>
<context>
    <name>zenbelts::CReceiverDialog</name>
    <message>
        <source>Copy as CSV</source>
        <translation>Copiar como CSV</translation>
    </message>
    <message>
        <source>Receiver settings</source>
        <translation>Ajustes del receptor</translation>
    </message>
    <message>
        <source>Site to enter into the receiver: %1</source>
        <translation>Ubicación para el receptor: %1</translation>
    </message>
    <message>
        <source>Fewer than two chosen satellites stand %1 above the horizon: this is the true site.</source>
        <translation>Menos de dos satélites elegidos están a %1 sobre el horizonte: esta es la ubicación real.</translation>
    </message>
    <message>
        <source>Worst miss over %1 chosen satellites at least %2 up: %3 with the true site, %4 with this one.</source>
        <translation>Peor desvío en %1 satélites elegidos con al menos %2 de elevación: %3 con la ubicación real, %4 con esta.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>GotoX</source>
        <translation>GotoX</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receptor</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Giro</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Qué hace</translation>
    </message>
    <message>
        <source>The number the receiver stores the position under; 0 is the motor&apos;s reference</source>
        <translation>El número con el que el receptor guarda la posición; 0 es la referencia del motor</translation>
    </message>
    <message>
        <source>The satellite&apos;s orbital position</source>
        <translation>La posición orbital del satélite</translation>
    </message>
    <message>
        <source>The satellite&apos;s name in the list</source>
        <translation>El nombre del satélite en la lista</translation>
    </message>
    <message>
        <source>The motor angle the set-up needs, east or west of the motor&apos;s zero</source>
        <translation>El ángulo del motor que necesita la configuración, al este o al oeste del cero del motor</translation>
    </message>
    <message>
        <source>The motor angle a receiver computes by itself for the true site</source>
        <translation>El ángulo del motor que un receptor calcula por sí mismo para la ubicación real</translation>
    </message>
    <message>
        <source>Seconds the motor takes from the slot before, the first from its zero</source>
        <translation>Segundos que tarda el motor desde la memoria anterior, la primera desde su cero</translation>
    </message>
    <message>
        <source>The DiSEqC command that turns the motor to this angle</source>
        <translation>La orden DiSEqC que gira el motor a este ángulo</translation>
    </message>
    <message>
        <source>How far past the outermost satellite each soft limit lies, 0 to 30 degrees</source>
        <translation>A qué distancia más allá del satélite más extremo queda cada límite por software, de 0 a 30 grados</translation>
    </message>
    <message>
        <source>How many degrees a second the motor turns, as its maker gives it</source>
        <translation>Cuántos grados por segundo gira el motor, según su fabricante</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>Soft limit &amp;margin (degrees):</source>
        <translation>&amp;Margen de los límites por software (grados):</translation>
    </message>
    <message>
        <source>Motor &amp;speed (degrees a second):</source>
        <translation>&amp;Velocidad del motor (grados por segundo):</translation>
    </message>
    <message>
        <source>DiSEqC 1.2 commands for a receiver that sends them raw, in order:</source>
        <translation>Órdenes DiSEqC 1.2 para un receptor que las envía en bruto, en orden:</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>No chosen satellite is in reach: nothing to store, no limits to set.</source>
        <translation>Ningún satélite elegido está al alcance: nada que guardar, ningún límite que fijar.</translation>
    </message>
    <message>
        <source>Soft limits: east %1, west %2, %3 past the outermost slots where the horizon and the motor allow.</source>
        <translation>Límites por software: este %1, oeste %2, %3 más allá de las memorias extremas, donde el horizonte y el motor lo permiten.</translation>
    </message>
    <message>
        <source>%1, hidden by the horizon</source>
        <translation>%1, oculto por el horizonte</translation>
    </message>
    <message>
        <source>%1, beyond the motor&apos;s limit</source>
        <translation>%1, más allá del límite del motor</translation>
    </message>
    <message>
        <source>%1, no slot left</source>
        <translation>%1, sin memoria libre</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>Omitidos: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Export the positions</source>
        <translation>Exportar las posiciones</translation>
    </message>
    <message>
        <source>Positions (*.csv);;All files (*)</source>
        <translation>Posiciones (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Cannot export %1: %2</source>
        <translation>No se puede exportar %1: %2</translation>
    </message>
</context>
<context>
    <name>zenbelts::CSatellitesPage</name>
    <message>
        <source>Files...</source>
        <translation>Archivos...</translation>
    </message>
    <message>
        <source>Folder...</source>
        <translation>Carpeta...</translation>
    </message>
    <message>
        <source>Make a list of receivers&apos; files your own satellite list</source>
        <translation>Crear su propia lista de satélites a partir de archivos de receptores</translation>
    </message>
    <message>
        <source>Drop your own list and use the list that came with the program</source>
        <translation>Descartar su propia lista y usar la que viene con el programa</translation>
    </message>
    <message>
        <source>Check the satellites that a receiver&apos;s channel or satellite lists name</source>
        <translation>Marcar los satélites que figuran en las listas de canales o de satélites de un receptor</translation>
    </message>
    <message>
        <source>Folder of receiver files</source>
        <translation>Carpeta de archivos del receptor</translation>
    </message>
    <message>
        <source>Receiver files</source>
        <translation>Archivos del receptor</translation>
    </message>
    <message>
        <source>Receiver lists (*.xml *.conf *.ini *.txt lamedb*);;All files (*)</source>
        <translation>Listas del receptor (*.xml *.conf *.ini *.txt lamedb*);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The files name no satellite positions.</source>
        <translation>Los archivos no indican ninguna posición de satélite.</translation>
    </message>
    <message>
        <source>%1 of the %2 positions named chosen; the others are not in the list.</source>
        <translation>Elegidas %1 de las %2 posiciones indicadas; las demás no están en la lista.</translation>
    </message>
    <message>
        <source>1 satellite chosen.</source>
        <translation>1 satélite elegido.</translation>
    </message>
    <message>
        <source>%1 satellites chosen.</source>
        <translation>%1 satélites elegidos.</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>Marcar &amp;todos</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Desmarcar</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>name or position</source>
        <translation>nombre o posición</translation>
    </message>
    <message>
        <source>Check every satellite shown</source>
        <translation>Marcar todos los satélites mostrados</translation>
    </message>
    <message>
        <source>Uncheck every satellite shown</source>
        <translation>Desmarcar todos los satélites mostrados</translation>
    </message>
    <message>
        <source>&amp;Import list...</source>
        <translation>&amp;Importar lista...</translation>
    </message>
    <message>
        <source>Use the s&amp;hipped list</source>
        <translation>&amp;Usar la lista incluida</translation>
    </message>
    <message>
        <source>Choose from &amp;receiver files...</source>
        <translation>Elegir de archivos del &amp;receptor...</translation>
    </message>
</context>
<context>
    <name>zenbelts::CZenbeltsApp</name>
    <message>
        <source>read %1, merged %2, skipped %3</source>
        <translation>leídos %1, fusionados %2, omitidos %3</translation>
    </message>
    <message>
        <source>No satellites found: %1.</source>
        <translation>No se encontraron satélites: %1.</translation>
    </message>
    <message>
        <source>There is no folder to keep your own list in.</source>
        <translation>No hay ninguna carpeta donde guardar su propia lista.</translation>
    </message>
    <message>
        <source>Cannot save your list %1: %2</source>
        <translation>No se puede guardar su lista %1: %2</translation>
    </message>
    <message>
        <source>Imported 1 satellite: %1.</source>
        <translation>Importado 1 satélite: %1.</translation>
    </message>
    <message>
        <source>Imported %1 satellites: %2.</source>
        <translation>Importados %1 satélites: %2.</translation>
    </message>
    <message>
        <source>Cannot remove your list %1.</source>
        <translation>No se puede eliminar su lista %1.</translation>
    </message>
    <message>
        <source>The shipped list is used: %1 satellites.</source>
        <translation>Se usa la lista incluida: %1 satélites.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Unable to load sats.lst: %1</source>
        <translation>No se puede cargar sats.lst: %1</translation>
    </message>
    <message>
        <source>Your satellite list %1 cannot be read, so the shipped list is used instead: %2</source>
        <translation>No se puede leer su lista de satélites %1, así que se usa la lista incluida: %2</translation>
    </message>
    <message>
        <source>; names cut to fit: %1</source>
        <translation>; nombres acortados: %1</translation>
    </message>
    <message>
        <source>The observations typed for %1 have not been exported, and some of them do not read. Close without them?</source>
        <translation>Las observaciones escritas para %1 no se han exportado y algunas no se pueden leer. ¿Cerrar sin ellas?</translation>
    </message>
    <message>
        <source>The observations typed for %1 have not been exported. Export them before closing?</source>
        <translation>Las observaciones escritas para %1 no se han exportado. ¿Exportarlas antes de cerrar?</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
</context>
<context>
    <name>zenbelts::CZenbeltsDoc</name>
    <message>
        <source>not a valid Zenbelt file: %1</source>
        <translation>no es un archivo Zenbelt válido: %1</translation>
    </message>
    <message>
        <source> Location: %1</source>
        <translation> Ubicación: %1</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Cambiar %1</translation>
    </message>
    <message>
        <source>Auto declination</source>
        <translation>Declinación automática</translation>
    </message>
    <message>
        <source>Lock satellites</source>
        <translation>Fijar satélites</translation>
    </message>
    <message>
        <source>Set defaults</source>
        <translation>Valores predeterminados</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>The location changed: every adjustment is back at its default. Undo brings them back.</source>
        <translation>La ubicación cambió: cada ajuste volvió a su valor predeterminado. Deshacer los recupera.</translation>
    </message>
    <message>
        <source>Optimise</source>
        <translation>Optimizar</translation>
    </message>
</context>
</TS>
