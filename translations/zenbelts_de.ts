<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Adjustment</name>
    <message>
        <source>Pole N/S</source>
        <translation>Mast N/S</translation>
    </message>
    <message>
        <source>NS</source>
        <translation>NS</translation>
    </message>
    <message>
        <source>Mounting pole North/South roll</source>
        <translation>Neigung des Mastes Nord/Süd</translation>
    </message>
    <message>
        <source>Pole E/W</source>
        <translation>Mast E/W</translation>
    </message>
    <message>
        <source>EW</source>
        <translation>EW</translation>
    </message>
    <message>
        <source>Mounting pole East/West roll</source>
        <translation>Neigung des Mastes Ost/West</translation>
    </message>
    <message>
        <source>Motor azimuth</source>
        <translation>Motor-Azimut</translation>
    </message>
    <message>
        <source>Motor Az</source>
        <translation>Motor-Az</translation>
    </message>
    <message>
        <source>MA</source>
        <translation>MA</translation>
    </message>
    <message>
        <source>Motor azimuthal shift (on mounting pole)</source>
        <translation>Azimutverdrehung des Motors (am Mast)</translation>
    </message>
    <message>
        <source>Motor elevation</source>
        <translation>Motor-Elevation</translation>
    </message>
    <message>
        <source>Motor Elv</source>
        <translation>Motor-Elev</translation>
    </message>
    <message>
        <source>EL</source>
        <translation>EL</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <source>Dish azimuth</source>
        <translation>Spiegel-Azimut</translation>
    </message>
    <message>
        <source>Dish Az</source>
        <translation>Spiegel-Az</translation>
    </message>
    <message>
        <source>DA</source>
        <translation>DAz</translation>
    </message>
    <message>
        <source>Dish azimuthal shift (on motor pole)</source>
        <translation>Azimutverdrehung des Spiegels (am Motorrohr)</translation>
    </message>
    <message>
        <source>Dish declination</source>
        <translation>Spiegel-Deklination</translation>
    </message>
    <message>
        <source>Dish Decl</source>
        <translation>Spiegel-Dekl</translation>
    </message>
    <message>
        <source>DC</source>
        <translation>DC</translation>
    </message>
    <message>
        <source>Declination</source>
        <translation>Deklination</translation>
    </message>
    <message>
        <source>pole north/south</source>
        <translation>Mastneigung Nord/Süd</translation>
    </message>
    <message>
        <source>pole east/west</source>
        <translation>Mastneigung Ost/West</translation>
    </message>
    <message>
        <source>motor azimuth</source>
        <translation>Motor-Azimut</translation>
    </message>
    <message>
        <source>motor elevation</source>
        <translation>Motor-Elevation</translation>
    </message>
    <message>
        <source>dish azimuth</source>
        <translation>Spiegel-Azimut</translation>
    </message>
    <message>
        <source>dish declination</source>
        <translation>Spiegel-Deklination</translation>
    </message>
</context>
<context>
    <name>FieldPage</name>
    <message>
        <source>Open…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>New at a site…</source>
        <translation>Neu an einem Standort…</translation>
    </message>
    <message>
        <source>Satellite list…</source>
        <translation>Satellitenliste…</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Altitude (m)</source>
        <translation>Höhe (m)</translation>
    </message>
    <message>
        <source>Start here</source>
        <translation>Hier beginnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The arc</source>
        <translation>Der Bogen</translation>
    </message>
    <message>
        <source>Field assistant</source>
        <translation>Feldassistent</translation>
    </message>
    <message>
        <source>At the dish</source>
        <translation>Am Spiegel</translation>
    </message>
    <message>
        <source>At the dish, turn the motor to a satellite, peak its signal, and type the motor angle the receiver shows; where tilting the dish up (+) or down (-) helped, by how much.</source>
        <translation>Drehen Sie am Spiegel den Motor zu einem Satelliten, suchen Sie das Signalmaximum und tragen Sie den Motorwinkel ein, den der Receiver zeigt; wo ein Kippen des Spiegels nach oben (+) oder unten (-) half, um wie viel.</translation>
    </message>
    <message>
        <source>Third column</source>
        <translation>Dritte Spalte</translation>
    </message>
    <message>
        <source>Offset (°)</source>
        <translation>Versatz (°)</translation>
    </message>
    <message>
        <source>Face tilt (°)</source>
        <translation>Neigung der Fläche (°)</translation>
    </message>
    <message>
        <source>Motor angle</source>
        <translation>Motorwinkel</translation>
    </message>
    <message>
        <source>Add a row</source>
        <translation>Zeile hinzufügen</translation>
    </message>
    <message>
        <source>Remove the row</source>
        <translation>Zeile entfernen</translation>
    </message>
    <message>
        <source>As set up</source>
        <translation>Wie eingerichtet</translation>
    </message>
    <message>
        <source>Instruments</source>
        <translation>Messgeräte</translation>
    </message>
    <message>
        <source>Use the phone&apos;s sensors</source>
        <translation>Sensoren des Telefons nutzen</translation>
    </message>
    <message>
        <source>Zero on a level surface</source>
        <translation>Auf ebener Fläche nullen</translation>
    </message>
    <message>
        <source>Phone along the motor axis</source>
        <translation>Telefon längs der Motorachse</translation>
    </message>
    <message>
        <source>Phone on the dish&apos;s face</source>
        <translation>Telefon auf der Spiegelfläche</translation>
    </message>
    <message>
        <source>Compass heading of the phone&apos;s top</source>
        <translation>Kompasskurs der Oberkante</translation>
    </message>
    <message>
        <source>should read %1 (%2 off)</source>
        <translation>sollte %1 zeigen (%2 daneben)</translation>
    </message>
    <message>
        <source>at the motor&apos;s zero %1 (%2 off)</source>
        <translation>bei Motor null %1 (%2 daneben)</translation>
    </message>
    <message>
        <source>%1 true, with the declination %2</source>
        <translation>%1 geografisch, mit der Missweisung %2</translation>
    </message>
    <message>
        <source>Lay the phone along the motor axis, its top towards the raised end, or flat on the dish&apos;s face, its screen outwards. Zero it first on a level surface.</source>
        <translation>Legen Sie das Telefon längs auf die Motorachse, die Oberkante zum hohen Ende, oder flach auf die Spiegelfläche, den Bildschirm nach außen. Nullen Sie es zuerst auf einer ebenen Fläche.</translation>
    </message>
    <message>
        <source>Zeroed on a level surface.</source>
        <translation>Auf ebener Fläche genullt.</translation>
    </message>
    <message>
        <source>This browser gives no orientation sensor here: the readings below still hold.</source>
        <translation>Dieser Browser bietet hier keinen Lagesensor: die Werte unten gelten weiterhin.</translation>
    </message>
    <message>
        <source>The sensors were refused: allow motion and orientation for this page in the browser&apos;s settings. The readings below still hold.</source>
        <translation>Die Sensoren wurden verweigert: erlauben Sie Bewegung und Ausrichtung für diese Seite in den Einstellungen des Browsers. Die Werte unten gelten weiterhin.</translation>
    </message>
    <message>
        <source>The sensors need a secure page (https or a file): the readings below still hold.</source>
        <translation>Die Sensoren brauchen eine sichere Seite (https oder eine Datei): die Werte unten gelten weiterhin.</translation>
    </message>
    <message>
        <source>Waiting for the sensors… move the phone a little.</source>
        <translation>Warten auf die Sensoren… bewegen Sie das Telefon ein wenig.</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>Gespeichert als %1.</translation>
    </message>
    <message>
        <source>List: %1 satellites.</source>
        <translation>Liste: %1 Satelliten.</translation>
    </message>
    <message>
        <source>Measure next: %1 (added as a row).</source>
        <translation>Als Nächstes messen: %1 (als Zeile hinzugefügt).</translation>
    </message>
    <message>
        <source>Lay the phone flat on a level surface, then zero.</source>
        <translation>Legen Sie das Telefon flach auf eine ebene Fläche, dann nullen.</translation>
    </message>
    <message>
        <source>Nothing observed yet, and no satellite of the list is up and within the motor&apos;s reach.</source>
        <translation>Noch nichts beobachtet, und kein Satellit der Liste steht am Himmel und in Reichweite des Motors.</translation>
    </message>
    <message>
        <source>it is far larger than a set-up</source>
        <translation>sie ist weit größer als eine Einrichtung</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The list %1 cannot be used: %2</source>
        <translation>Die Liste %1 ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>it is larger than 8 MiB</source>
        <translation>sie ist größer als 8 MiB</translation>
    </message>
    <message>
        <source>it lists channels, not satellites</source>
        <translation>sie nennt Kanäle, keine Satelliten</translation>
    </message>
    <message>
        <source>%1 is not a number of degrees</source>
        <translation>%1 ist keine Gradzahl</translation>
    </message>
    <message>
        <source>The altitude is whole metres from %1 to %2</source>
        <translation>Die Höhe ist in ganzen Metern von %1 bis %2 anzugeben</translation>
    </message>
    <message>
        <source>The latitude lies from 90°S to 90°N</source>
        <translation>Die Breite liegt zwischen 90°S und 90°N</translation>
    </message>
    <message>
        <source>The longitude lies from 180°W to 180°E</source>
        <translation>Die Länge liegt zwischen 180°W und 180°E</translation>
    </message>
    <message>
        <source>The date is of the form YYYY-MM-DD, from 1900 to 2199</source>
        <translation>Das Datum hat die Form JJJJ-MM-TT, von 1900 bis 2199</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>sie ist größer als 1 MiB</translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Reading receiver files...</source>
        <translation>Receiver-Dateien werden gelesen...</translation>
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
        <translation>Standort:</translation>
    </message>
    <message>
        <source>%1; Alt: %2 m</source>
        <translation>%1; Höhe: %2 m</translation>
    </message>
    <message>
        <source>Mounting pole:</source>
        <translation>Mast:</translation>
    </message>
</context>
<context>
    <name>SetUpEdit</name>
    <message>
        <source>it must lie in %1..%2</source>
        <translation>er muss in %1..%2 liegen</translation>
    </message>
    <message>
        <source>the limits of the %1 must be -1799..-1 and 1..1800</source>
        <translation>die Grenzen von %1 müssen -1799..-1 und 1..1800 sein</translation>
    </message>
    <message>
        <source>the lower limit of the %1 must lie below the upper one, within -1799..1800</source>
        <translation>die untere Grenze von %1 muss unter der oberen liegen, innerhalb -1799..1800</translation>
    </message>
    <message>
        <source>the declination follows its automatic value while autoDeclination is on</source>
        <translation>die Deklination folgt ihrem automatischen Wert, solange autoDeclination an ist</translation>
    </message>
    <message>
        <source>it lies outside its current range %1..%2</source>
        <translation>er liegt außerhalb des aktuellen Bereichs %1..%2</translation>
    </message>
    <message>
        <source>a position must lie in 0..3599</source>
        <translation>eine Position muss in 0..3599 liegen</translation>
    </message>
    <message>
        <source>unknown name</source>
        <translation>unbekannter Name</translation>
    </message>
    <message>
        <source>it must be 0 or 1</source>
        <translation>er muss 0 oder 1 sein</translation>
    </message>
    <message>
        <source>it is computed, not set</source>
        <translation>er wird berechnet, nicht gesetzt</translation>
    </message>
    <message>
        <source>not of the form NAME=VALUE</source>
        <translation>nicht in der Form NAME=WERT</translation>
    </message>
    <message>
        <source>the value is not a whole number</source>
        <translation>der Wert ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>it must lie in %1..%2 tenths (0 for prime focus)</source>
        <translation>er muss in %1..%2 Zehnteln liegen (0 für Primärfokus)</translation>
    </message>
    <message>
        <source>the horizon takes at most %1 points</source>
        <translation>der Horizont nimmt höchstens %1 Punkte</translation>
    </message>
    <message>
        <source>an azimuth must lie in 0..3599 tenths</source>
        <translation>ein Azimut muss in 0..3599 Zehnteln liegen</translation>
    </message>
    <message>
        <source>an elevation must lie in 0..%1 tenths</source>
        <translation>eine Elevation muss in 0..%1 Zehnteln liegen</translation>
    </message>
    <message>
        <source>the azimuth %1 is given twice</source>
        <translation>der Azimut %1 ist zweimal angegeben</translation>
    </message>
    <message>
        <source>it must lie in %1..%2 tenths</source>
        <translation>er muss in %1..%2 Zehnteln liegen</translation>
    </message>
    <message>
        <source>it must lie in %1..%2 centimetres</source>
        <translation>er muss in %1..%2 Zentimetern liegen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not AZIMUTH:ELEVATION in whole tenths</source>
        <translation>„%1“ ist nicht AZIMUT:ELEVATION in ganzen Zehnteln</translation>
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
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>between %1 and %2</source>
        <translation>zwischen %1 und %2</translation>
    </message>
    <message>
        <source>west of %1 and east of %2</source>
        <translation>westlich von %1 und östlich von %2</translation>
    </message>
    <message>
        <source>west of %1</source>
        <translation>westlich von %1</translation>
    </message>
    <message>
        <source>east of %1</source>
        <translation>östlich von %1</translation>
    </message>
    <message>
        <source>lines %1 and %2 give two peaks of %3 %4 apart, far beyond the precision of %5</source>
        <translation>Zeilen %1 und %2 geben zwei Maxima von %3 im Abstand von %4, weit jenseits der Genauigkeit von %5</translation>
    </message>
    <message>
        <source>lines %1 and %2 give two offsets of %3 %4 apart, far beyond the precision of %5</source>
        <translation>Zeilen %1 und %2 geben zwei Versätze von %3 im Abstand von %4, weit jenseits der Genauigkeit von %5</translation>
    </message>
    <message>
        <source>line %1: the offset of %2 lies %3 from where the other observations put it, far beyond the precision of %4</source>
        <translation>Zeile %1: Der Versatz von %2 liegt %3 neben dem, was die übrigen Messungen ergeben, weit jenseits der Genauigkeit von %4</translation>
    </message>
    <message>
        <source>line %1: the motor angle of %2 lies %3 from where the other observations put it, far beyond the precision of %4</source>
        <translation>Zeile %1: Der Motorwinkel von %2 liegt %3 neben dem, was die übrigen Messungen ergeben, weit jenseits der Genauigkeit von %4</translation>
    </message>
    <message>
        <source>%1 does not move the beam at this site.</source>
        <translation>%1 bewegt den Strahl an diesem Standort nicht.</translation>
    </message>
    <message>
        <source>%1 move the beam alike, so no observation can tell them apart.</source>
        <translation>%1 bewegen den Strahl gleich, daher kann keine Messung sie unterscheiden.</translation>
    </message>
    <message>
        <source>Within the limits %1 cannot take the whole correction, so %2 turns as well.</source>
        <translation>Innerhalb der Grenzen kann %1 nicht die ganze Korrektur übernehmen, daher wird auch %2 gedreht.</translation>
    </message>
    <message>
        <source>The advice turns %1 alone; %2 may stay as it is.</source>
        <translation>Die Anleitung dreht nur an %1; %2 kann bleiben, wie es ist.</translation>
    </message>
    <message>
        <source>The advice turns %1 alone; %2 may stay as they are.</source>
        <translation>Die Anleitung dreht nur an %1; %2 können bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>These observations cannot separate %1.</source>
        <translation>Diese Messungen können %1 nicht trennen.</translation>
    </message>
    <message>
        <source>These observations leave %1 undetermined.</source>
        <translation>Diese Messungen lassen %1 unbestimmt.</translation>
    </message>
    <message>
        <source>The fit keeps what they cannot tell near the set-up.</source>
        <translation>Was sie nicht bestimmen können, hält die Anpassung nahe am Soll.</translation>
    </message>
    <message>
        <source>What they cannot tell is kept as in the set-up.</source>
        <translation>Was sie nicht bestimmen können, bleibt wie im Soll.</translation>
    </message>
    <message>
        <source>the satellites at least 5° up</source>
        <translation>die Satelliten mindestens 5° über dem Horizont</translation>
    </message>
    <message>
        <source>the arc at least 5° up</source>
        <translation>den Bogen mindestens 5° über dem Horizont</translation>
    </message>
    <message>
        <source>At worst over %1, the mount as found gives the motor angle to %2 and the offset to %3 (1σ).</source>
        <translation>Im ungünstigsten Fall über %1 gibt die Halterung im Ist-Zustand den Motorwinkel auf %2 und den Versatz auf %3 genau an (1σ).</translation>
    </message>
    <message>
        <source>At worst over %1, the mount as found gives the motor angle to %2 (1σ); with no offset observed, the offset only to %3.</source>
        <translation>Im ungünstigsten Fall über %1 gibt die Halterung im Ist-Zustand den Motorwinkel auf %2 genau an (1σ); ohne gemessenen Versatz den Versatz nur auf %3.</translation>
    </message>
    <message>
        <source>%1 The observations are good to %2 in the motor angle and %3 in the offset (1σ), as stated.</source>
        <translation>%1 Die Messungen sind auf %2 im Motorwinkel und %3 im Versatz genau (1σ), wie angegeben.</translation>
    </message>
    <message>
        <source>%1 The observations are good to %2 in the motor angle and %3 in the offset (1σ), as the residuals show.</source>
        <translation>%1 Die Messungen sind auf %2 im Motorwinkel und %3 im Versatz genau (1σ), wie die Residuen zeigen.</translation>
    </message>
    <message>
        <source>%1 The observations are taken to be good to %2 in the motor angle and %3 in the offset (1σ), as usual at a dish: too few to tell from the residuals.</source>
        <translation>%1 Die Messungen gelten als auf %2 im Motorwinkel und %3 im Versatz genau (1σ), wie am Spiegel üblich: zu wenige, um es aus den Residuen zu bestimmen.</translation>
    </message>
    <message>
        <source>The fit is not sure of the satellites %1 (up to %2 at 1σ): measure one there.</source>
        <translation>Die Anpassung ist sich der Satelliten %1 nicht sicher (bis %2 bei 1σ): Messen Sie dort einen.</translation>
    </message>
    <message>
        <source>The fit is not sure of any satellite (up to %1 at 1σ): measure more, spread along the arc.</source>
        <translation>Die Anpassung ist sich keines Satelliten sicher (bis %1 bei 1σ): Messen Sie weitere, über den Bogen verteilt.</translation>
    </message>
    <message>
        <source>Measure %1 next, its motor angle and offset: the worst uncertainty would fall from %2 to %3 (1σ).</source>
        <translation>Messen Sie als Nächstes %1, Motorwinkel und Versatz: Die größte Unsicherheit fiele von %2 auf %3 (1σ).</translation>
    </message>
    <message>
        <source>Measure %1 next, its motor angle: the worst uncertainty would fall from %2 to %3 (1σ).</source>
        <translation>Messen Sie als Nächstes %1, den Motorwinkel: Die größte Unsicherheit fiele von %2 auf %3 (1σ).</translation>
    </message>
    <message>
        <source>%1: turn %2° %3, from %4 to %5, with the motor at %6, the satellite nearest due south</source>
        <translation>%1: um %2° nach %3 drehen, von %4 auf %5, mit dem Motor auf %6, dem Satelliten am nächsten an Süd</translation>
    </message>
    <message>
        <source>%1: turn %2° %3, from %4 to %5, with the motor at %6, the satellite nearest due north</source>
        <translation>%1: um %2° nach %3 drehen, von %4 auf %5, mit dem Motor auf %6, dem Satelliten am nächsten an Nord</translation>
    </message>
    <message>
        <source>%1: turn %2° %3, from %4 to %5</source>
        <translation>%1: um %2° nach %3 drehen, von %4 auf %5</translation>
    </message>
    <message>
        <source>Nothing to turn: the mount stands as the set-up.</source>
        <translation>Nichts zu drehen: Die Halterung steht wie eingestellt.</translation>
    </message>
    <message>
        <source>To bring the mount to the set-up, turn in this order:</source>
        <translation>Um die Halterung auf das Soll zu bringen, in dieser Reihenfolge drehen:</translation>
    </message>
    <message>
        <source>Nothing observed yet. Measure these first, each its motor angle and offset: %1. The worst uncertainty would then be %2 (1σ).</source>
        <translation>Noch nichts gemessen. Messen Sie zuerst diese, jeweils Motorwinkel und Versatz: %1. Die größte Unsicherheit läge dann bei %2 (1σ).</translation>
    </message>
</context>
<context>
    <name>horizon</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>it is not azimuth,elevation</source>
        <translation>sie ist nicht Azimut,Elevation</translation>
    </message>
    <message>
        <source>the azimuth is not a number of degrees from 0 to 360</source>
        <translation>der Azimut ist keine Gradzahl von 0 bis 360</translation>
    </message>
    <message>
        <source>the elevation is not a number of degrees from 0 to 90</source>
        <translation>die Elevation ist keine Gradzahl von 0 bis 90</translation>
    </message>
    <message>
        <source>a horizon takes at most 360 points</source>
        <translation>ein Horizont nimmt höchstens 360 Punkte</translation>
    </message>
</context>
<context>
    <name>io</name>
    <message>
        <source>no such file</source>
        <translation>Datei existiert nicht</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>cannot list the folder: %1</source>
        <translation>Der Ordner kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>a folder is read as .ini files or scan tables, not as %1</source>
        <translation>ein Ordner wird als .ini-Dateien oder Suchlauftabellen gelesen, nicht als %1</translation>
    </message>
    <message>
        <source>cannot tell which format it is in</source>
        <translation>das Format ist nicht zu erkennen</translation>
    </message>
    <message>
        <source>a list of channels (%1) names positions, not satellites</source>
        <translation>eine Kanalliste (%1) nennt Positionen, keine Satelliten</translation>
    </message>
    <message>
        <source>line %1 is longer than %2</source>
        <translation>Zeile %1 ist länger als %2</translation>
    </message>
    <message>
        <source>cannot read it</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>sie ist größer als %1</translation>
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
        <translation>1 Byte</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>cannot open it: %1</source>
        <translation>sie kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>cannot read it: %1</source>
        <translation>sie kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>cannot write it: %1</source>
        <translation>sie kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>kein Dateiname</translation>
    </message>
    <message>
        <source>the import was cancelled</source>
        <translation>der Import wurde abgebrochen</translation>
    </message>
    <message>
        <source>no satellites in %1: is it a satellite list?</source>
        <translation>keine Satelliten in %1: ist das eine Satellitenliste?</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Print FILE on the default printer.</source>
        <translation>FILE auf dem Standarddrucker drucken.</translation>
    </message>
    <message>
        <source>Set-ups to open.</source>
        <translation>Zu öffnende Einstellungen.</translation>
    </message>
</context>
<context>
    <name>metadata</name>
    <message>
        <source>Polar Mount Set-up</source>
        <translation>Polarmount einrichten</translation>
    </message>
    <message>
        <source>Set up a motorised polar mount for a satellite dish</source>
        <translation>Eine motorisierte Polarhalterung für einen Satellitenspiegel einrichten</translation>
    </message>
    <message>
        <source>satellite;dish;polar;mount;motor;geostationary;antenna;</source>
        <extracomment>Search words for the desktop&apos;s menus, each followed by a semicolon, the last one too; keep an English word where users search for it.</extracomment>
        <translation>Satellit;Spiegel;Schüssel;polar;Halterung;Motor;geostationär;Antenne;satellite;dish;</translation>
    </message>
    <message>
        <source>Set up a motorised satellite dish</source>
        <translation>Sat-Spiegel mit Motor einrichten</translation>
    </message>
    <message>
        <source>Zenbelts helps you set up a motorised polar mount for a satellite dish. Tell it where the dish stands and how the mount is adjusted, and it works out where the dish&apos;s beam sweeps as the motor turns and shows that path against the geostationary satellites you chose, so you can see at a glance which satellites the beam will hit and by how much it misses the others.</source>
        <translation>Zenbelts hilft beim Einrichten einer motorisierten Polarhalterung für einen Satellitenspiegel. Geben Sie an, wo der Spiegel steht und wie die Halterung eingestellt ist: Zenbelts berechnet, wohin der Strahl des Spiegels wandert, während der Motor dreht, und zeigt diesen Weg vor den gewählten geostationären Satelliten, sodass Sie auf einen Blick sehen, welche Satelliten der Strahl trifft und wie weit er die anderen verfehlt.</translation>
    </message>
    <message>
        <source>Sliders and fields for the pole&apos;s roll, the motor&apos;s azimuth and elevation, the dish&apos;s azimuth and its declination</source>
        <translation>Schieberegler und Felder für die Neigung des Mastes, Azimut und Elevation des Motors, den Azimut des Spiegels und seine Deklination</translation>
    </message>
    <message>
        <source>The best motor elevation and declination for your location, or the ones that make the largest miss smallest</source>
        <translation>Die beste Motor-Elevation und Deklination für Ihren Standort oder die, bei denen die größte Abweichung am kleinsten ist</translation>
    </message>
    <message>
        <source>A table of the motor angle and the miss for every chosen satellite</source>
        <translation>Eine Tabelle mit Motorwinkel und Abweichung für jeden gewählten Satelliten</translation>
    </message>
    <message>
        <source>What each scale, the compass and the sun tell at the dish on a given day</source>
        <translation>Was jede Skala, der Kompass und die Sonne an einem bestimmten Tag am Spiegel zeigen</translation>
    </message>
    <message>
        <source>A field assistant that works out how the mount really stands from where the signals peaked, and says what to turn</source>
        <translation>Ein Assistent, der aus den Motorwinkeln der stärksten Signale ermittelt, wie die Halterung wirklich steht, und sagt, was zu drehen ist</translation>
    </message>
    <message>
        <source>Satellite lists read from a receiver&apos;s files</source>
        <translation>Satellitenlisten aus den Dateien eines Receivers</translation>
    </message>
    <message>
        <source>Printed plots with a legend of the whole set-up</source>
        <translation>Ausdrucke mit einer Legende der ganzen Einstellung</translation>
    </message>
    <message>
        <source>A command-line tool that makes, changes, draws and optimises set-ups</source>
        <translation>Ein Kommandozeilenwerkzeug, das Einstellungen anlegt, ändert, zeichnet und optimiert</translation>
    </message>
    <message>
        <source>A set-up: the beam&apos;s path against the satellites, the adjustments and the misses</source>
        <translation>Eine Einstellung: der Weg des Strahls vor den Satelliten, die Stellgrößen und die Abweichungen</translation>
    </message>
    <message>
        <source>Zenbelt document</source>
        <translation>Zenbelt-Dokument</translation>
    </message>
    <message>
        <source>What the dish can reach past a horizon mask and the motor&apos;s limits, and the positions to store in a receiver</source>
        <translation>Was die Schüssel über eine Horizontmaske hinweg und innerhalb der Grenzen des Motors erreicht, und die Positionen zum Speichern im Receiver</translation>
    </message>
    <message>
        <source>A page for the phone in your hand at the dish, which works offline</source>
        <translation>Eine Seite für das Telefon in Ihrer Hand an der Schüssel, die auch offline funktioniert</translation>
    </message>
</context>
<context>
    <name>observations</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the header must be %1</source>
        <translation>die Kopfzeile muss %1 lauten</translation>
    </message>
    <message>
        <source>expected 3 fields (position,motorAngle,offset), found %1</source>
        <translation>3 Felder erwartet (position,motorAngle,offset), %1 gefunden</translation>
    </message>
    <message>
        <source>the position is missing</source>
        <translation>die Position fehlt</translation>
    </message>
    <message>
        <source>the position is neither 0 to 3599 tenths nor a label like 19.2E</source>
        <translation>die Position ist weder 0 bis 3599 Zehntel noch eine Angabe wie 19.2E</translation>
    </message>
    <message>
        <source>the motor angle is missing</source>
        <translation>der Motorwinkel fehlt</translation>
    </message>
    <message>
        <source>the motor angle is not a number</source>
        <translation>der Motorwinkel ist keine Zahl</translation>
    </message>
    <message>
        <source>the motor angle is out of range (-180 to 180 degrees)</source>
        <translation>der Motorwinkel liegt außerhalb des Bereichs (-180 bis 180 Grad)</translation>
    </message>
    <message>
        <source>the offset is not a number</source>
        <translation>der Versatz ist keine Zahl</translation>
    </message>
    <message>
        <source>the offset is out of range (-90 to 90 degrees)</source>
        <translation>der Versatz liegt außerhalb des Bereichs (-90 bis 90 Grad)</translation>
    </message>
    <message>
        <source>the line is longer than %1</source>
        <translation>die Zeile ist länger als %1</translation>
    </message>
    <message>
        <source>no observations</source>
        <translation>keine Beobachtungen</translation>
    </message>
    <message>
        <source>a position is out of range</source>
        <translation>eine Position liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>%1 is below the horizon here</source>
        <translation>%1 liegt hier unter dem Horizont</translation>
    </message>
    <message>
        <source>the face tilt is not a number</source>
        <translation>die Neigung der Spiegelfläche ist keine Zahl</translation>
    </message>
    <message>
        <source>the face tilt lies more than 20 degrees from the set-up&apos;s at that motor angle: check the dish&apos;s offset and feed arm</source>
        <translation>die Neigung der Spiegelfläche liegt bei diesem Motorwinkel mehr als 20 Grad von der der Einstellung entfernt: Offset-Winkel und LNB-Arm des Spiegels prüfen</translation>
    </message>
    <message>
        <source>face tilts are read only with a set-up&apos;s dish</source>
        <translation>Neigungen der Spiegelfläche lassen sich nur mit dem Spiegel einer Einstellung lesen</translation>
    </message>
</context>
<context>
    <name>positions</name>
    <message>
        <source>Halt: the motor stops at once</source>
        <translation>Halt: Der Motor bleibt sofort stehen</translation>
    </message>
    <message>
        <source>Limits off: the motor may turn to its end stops</source>
        <translation>Grenzen aus: Der Motor darf bis zu seinen Endanschlägen drehen</translation>
    </message>
    <message>
        <source>Go to %1, the east soft limit</source>
        <translation>Fahre auf %1, die östliche Softgrenze</translation>
    </message>
    <message>
        <source>Set the motor&apos;s east limit where it stands</source>
        <translation>Die Ostgrenze des Motors an seiner Stellung setzen</translation>
    </message>
    <message>
        <source>Set the motor&apos;s west limit where it stands (the eastern sky, south of the equator)</source>
        <translation>Die Westgrenze des Motors an seiner Stellung setzen (der östliche Himmel, südlich des Äquators)</translation>
    </message>
    <message>
        <source>Go to %1, the west soft limit</source>
        <translation>Fahre auf %1, die westliche Softgrenze</translation>
    </message>
    <message>
        <source>Set the motor&apos;s west limit where it stands</source>
        <translation>Die Westgrenze des Motors an seiner Stellung setzen</translation>
    </message>
    <message>
        <source>Set the motor&apos;s east limit where it stands (the western sky, south of the equator)</source>
        <translation>Die Ostgrenze des Motors an seiner Stellung setzen (der westliche Himmel, südlich des Äquators)</translation>
    </message>
    <message>
        <source>Limits on: the motor stays between the two limits from now on</source>
        <translation>Grenzen ein: Der Motor bleibt von nun an zwischen beiden Grenzen</translation>
    </message>
    <message>
        <source>Go to %1 for %2</source>
        <translation>Fahre auf %1 für %2</translation>
    </message>
    <message>
        <source>Store this position as slot %1 (%2)</source>
        <translation>Diese Stellung als Speicherplatz %1 ablegen (%2)</translation>
    </message>
    <message>
        <source>Go to slot %1 (%2)</source>
        <translation>Fahre auf Speicherplatz %1 (%2)</translation>
    </message>
    <message>
        <source>Recalculate: once slot %1 (%2) is peaked again and stored, every other stored position moves by as much</source>
        <translation>Neu berechnen: Ist Speicherplatz %1 (%2) neu auf Maximum gestellt und abgelegt, verschieben sich alle anderen gespeicherten Stellungen um ebenso viel</translation>
    </message>
</context>
<context>
    <name>setup</name>
    <message>
        <source>it ends early</source>
        <translation>sie endet zu früh</translation>
    </message>
    <message>
        <source>the %1 is out of range</source>
        <translation>Wert außerhalb des Bereichs: %1</translation>
    </message>
    <message>
        <source>the %1 limits are out of range</source>
        <translation>Grenzen außerhalb des Bereichs: %1</translation>
    </message>
    <message>
        <source>the %1 is outside its limits</source>
        <translation>Wert außerhalb seiner Grenzen: %1</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>the set-up&apos;s extension is damaged: %1</source>
        <translation>die Erweiterung der Einstellung ist beschädigt: %1</translation>
    </message>
    <message>
        <source>a record does not read</source>
        <translation>ein Eintrag ist unlesbar</translation>
    </message>
    <message>
        <source>dish offset</source>
        <translation>Offset-Winkel des Spiegels</translation>
    </message>
    <message>
        <source>the feed arm is neither below nor above the dish</source>
        <translation>der LNB-Arm liegt weder unter noch über dem Spiegel</translation>
    </message>
    <message>
        <source>the set-up&apos;s extension is of a later version (%1)</source>
        <translation>die Erweiterung der Einstellung stammt aus einer neueren Version (%1)</translation>
    </message>
    <message>
        <source>its version is unknown</source>
        <translation>ihre Version ist unbekannt</translation>
    </message>
    <message>
        <source>its length does not match the file</source>
        <translation>ihre Länge passt nicht zur Datei</translation>
    </message>
    <message>
        <source>its check does not match</source>
        <translation>ihre Prüfsumme stimmt nicht</translation>
    </message>
    <message>
        <source>horizon mask</source>
        <translation>Horizontmaske</translation>
    </message>
    <message>
        <source>motor&apos;s range</source>
        <translation>Bereich des Motors</translation>
    </message>
    <message>
        <source>dish diameter</source>
        <translation>Spiegeldurchmesser</translation>
    </message>
</context>
<context>
    <name>texts</name>
    <message>
        <source>About Zenbelts</source>
        <translation>Info über Zenbelts</translation>
    </message>
    <message>
        <source>Zenbelts Version %1</source>
        <translation>Zenbelts Version %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or any later version.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder einer späteren Version.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Zenbelt</source>
        <translation>Zenbelt</translation>
    </message>
    <message>
        <source>Zenbelt Files (*.zb)</source>
        <translation>Zenbelt-Dateien (*.zb)</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Neues Dokument erstellen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Vorhandenes Dokument öffnen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>Aktives Dokument schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Aktives Dokument speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Aktives Dokument unter neuem Namen speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Aktives Dokument drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Ganze Seiten anzeigen</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Drucker und Druckoptionen ändern</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Drucker einrichten</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Anwendung beenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Letzte Aktion rückgängig machen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Auswahl ausschneiden und in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Auswahl kopieren und in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Inhalt der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Update location, ranges and satellites</source>
        <translation>Standort, Bereiche und Satelliten ändern</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Set default values for current location</source>
        <translation>Standardwerte für den aktuellen Standort setzen</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Symbolleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Symbolleiste ein/aus</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Statusleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>Show or hide the tooltips of the adjustment panel</source>
        <translation>Tooltips der Justierleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Show tooltips</source>
        <translation>Tooltips anzeigen</translation>
    </message>
    <message>
        <source>Open another window for the active document</source>
        <translation>Weiteres Fenster für das aktive Dokument öffnen</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Neues Fenster</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap</source>
        <translation>Fenster überlappend anordnen</translation>
    </message>
    <message>
        <source>Cascade Windows</source>
        <translation>Fenster überlappend</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles</source>
        <translation>Fenster nebeneinander anordnen</translation>
    </message>
    <message>
        <source>Tile Windows</source>
        <translation>Fenster nebeneinander</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window</source>
        <translation>Symbole am unteren Fensterrand anordnen</translation>
    </message>
    <message>
        <source>Arrange Icons</source>
        <translation>Symbole anordnen</translation>
    </message>
    <message>
        <source>Set motor elevation and declination for the smallest miss across the arc</source>
        <translation>Motor-Elevation und Deklination für die kleinste Abweichung über den Bogen einstellen</translation>
    </message>
    <message>
        <source>Optimise</source>
        <translation>Optimieren</translation>
    </message>
    <message>
        <source>Find how the mount really stands from what was found at the dish</source>
        <translation>Aus den Messungen am Spiegel ermitteln, wie die Halterung wirklich steht</translation>
    </message>
    <message>
        <source>Diagnose</source>
        <translation>Diagnose</translation>
    </message>
    <message>
        <source>Activate the next document window</source>
        <translation>Nächstes Dokumentfenster aktivieren</translation>
    </message>
    <message>
        <source>Next Window</source>
        <translation>Nächstes Fenster</translation>
    </message>
    <message>
        <source>Activate the previous document window</source>
        <translation>Vorheriges Dokumentfenster aktivieren</translation>
    </message>
    <message>
        <source>Previous Window</source>
        <translation>Vorheriges Fenster</translation>
    </message>
    <message>
        <source>Close the active document window</source>
        <translation>Aktives Dokumentfenster schließen</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Move to the next part of the window</source>
        <translation>Zum nächsten Fensterbereich wechseln</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Nächster Bereich</translation>
    </message>
    <message>
        <source>Move to the previous part of the window</source>
        <translation>Zum vorherigen Fensterbereich wechseln</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Vorheriger Bereich</translation>
    </message>
    <message>
        <source>Show or hide the table of misses</source>
        <translation>Tabelle der Abweichungen ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Misses</source>
        <translation>Abweichungen</translation>
    </message>
    <message>
        <source>Show the site to enter into the receiver and its motor commands</source>
        <translation>Im Receiver einzugebenden Standort und die Motorbefehle anzeigen</translation>
    </message>
    <message>
        <source>Receiver settings</source>
        <translation>Receiver-Einstellungen</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Worst miss %1 before, %2 after (%3)</source>
        <translation>Größte Abweichung vorher %1, nachher %2 (%3)</translation>
    </message>
    <message>
        <source>over the %1 chosen satellites at least %2 up</source>
        <translation>über die %1 gewählten Satelliten ab %2 Höhe</translation>
    </message>
    <message>
        <source>over the visible arc at least %1 up (fewer than two chosen satellites are)</source>
        <translation>über den sichtbaren Bogen ab %1 Höhe (dort stehen weniger als zwei gewählte Satelliten)</translation>
    </message>
    <message>
        <source>Nothing to optimise: fewer than two points of the arc stand %1 above the horizon</source>
        <translation>Nichts zu optimieren: Weniger als zwei Punkte des Bogens stehen %1 über dem Horizont</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>Kein Drucker verfügbar.</translation>
    </message>
    <message>
        <source>The page is too small for the plot and its legend. Choose a larger paper size or smaller margins in Print Setup.</source>
        <translation>Die Seite ist zu klein für das Diagramm und seine Legende. Wählen Sie ein größeres Papierformat oder kleinere Ränder unter „Drucker einrichten“.</translation>
    </message>
    <message>
        <source>Redo the action undone last</source>
        <translation>Zuletzt rückgängig gemachte Aktion wiederherstellen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Show what every scale, the compass and the sun tell at the dish, to print</source>
        <translation>Zeigen, was jede Skala, der Kompass und die Sonne am Spiegel sagen, zum Ausdrucken</translation>
    </message>
    <message>
        <source>At the dish</source>
        <translation>Am Spiegel</translation>
    </message>
    <message>
        <source>Open the field page, Zenbelts for a phone at the dish, in the browser</source>
        <translation>Die Feldseite, Zenbelts für ein Telefon am Spiegel, im Browser öffnen</translation>
    </message>
    <message>
        <source>Field page</source>
        <translation>Feldseite</translation>
    </message>
</context>
<context>
    <name>zenbelts::CAdjustmentBar</name>
    <message>
        <source>Auto-calculate best dish declination</source>
        <translation>Beste Spiegel-Deklination automatisch berechnen</translation>
    </message>
    <message>
        <source>Auto decl.</source>
        <translation>Auto-Dekl.</translation>
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
        <translation>DA&amp;z:</translation>
    </message>
    <message>
        <source>Au&amp;to declination</source>
        <translation>Au&amp;to-Deklination</translation>
    </message>
    <message>
        <source>Loc&amp;k satellites</source>
        <translation>&amp;Satelliten fixieren</translation>
    </message>
</context>
<context>
    <name>zenbelts::CAtTheDishDialog</name>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>At the dish: %1</source>
        <translation>Am Spiegel: %1</translation>
    </message>
    <message>
        <source>&amp;Date (UTC):</source>
        <translation>&amp;Datum (UTC):</translation>
    </message>
    <message>
        <source>%1 UTC (%2 local)</source>
        <translation>%1 UTC (%2 Ortszeit)</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>senkrecht</translation>
    </message>
    <message>
        <source>%1 back from vertical</source>
        <translation>%1 nach hinten aus der Senkrechten</translation>
    </message>
    <message>
        <source>%1 forward from vertical</source>
        <translation>%1 nach vorn aus der Senkrechten</translation>
    </message>
    <message>
        <source>Prime focus</source>
        <translation>Primärfokus</translation>
    </message>
    <message>
        <source>Offset %1, feed arm above the dish</source>
        <translation>Offset %1, LNB-Arm über dem Spiegel</translation>
    </message>
    <message>
        <source>Offset %1, feed arm below the dish</source>
        <translation>Offset %1, LNB-Arm unter dem Spiegel</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Dish</source>
        <translation>Spiegel</translation>
    </message>
    <message>
        <source>Magnetic declination %1 (World Magnetic Model 2025)</source>
        <translation>Missweisung %1 (World Magnetic Model 2025)</translation>
    </message>
    <message>
        <source>The model holds from 2025.0 to 2030.0: on this date the declination is extrapolated; check it against a local source.</source>
        <translation>Das Modell gilt von 2025.0 bis 2030.0: an diesem Datum ist die Missweisung hochgerechnet; mit einer örtlichen Quelle prüfen.</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Kompass</translation>
    </message>
    <message>
        <source>True north</source>
        <translation>Geografisch Nord</translation>
    </message>
    <message>
        <source>True south</source>
        <translation>Geografisch Süd</translation>
    </message>
    <message>
        <source>Compass bearing %1</source>
        <translation>Kompasspeilung %1</translation>
    </message>
    <message>
        <source>Motor axis</source>
        <translation>Motorachse</translation>
    </message>
    <message>
        <source>Inclinometer on the axis: %1 above the horizon, towards %2 true (%3 by compass)</source>
        <translation>Neigungsmesser auf der Achse: %1 über dem Horizont, Richtung %2 geografisch (%3 nach Kompass)</translation>
    </message>
    <message>
        <source>Motor scale</source>
        <translation>Motorskala</translation>
    </message>
    <message>
        <source>%1 if it shows the axis elevation, %2 if it shows the latitude</source>
        <translation>%1, wenn sie die Achsenerhebung zeigt, %2, wenn sie die Breite zeigt</translation>
    </message>
    <message>
        <source>Dish clamp</source>
        <translation>Spiegelschelle</translation>
    </message>
    <message>
        <source>%1 against the motor axis</source>
        <translation>%1 gegen die Motorachse</translation>
    </message>
    <message>
        <source>Motor at zero</source>
        <translation>Motor auf null</translation>
    </message>
    <message>
        <source>Beam %1 up towards %2 true (%3 by compass); face %4</source>
        <translation>Strahl %1 hoch Richtung %2 geografisch (%3 nach Kompass); Spiegelfläche %4</translation>
    </message>
    <message>
        <source>Due south at %1</source>
        <translation>Genau im Süden um %1</translation>
    </message>
    <message>
        <source>Due north at %1</source>
        <translation>Genau im Norden um %1</translation>
    </message>
    <message>
        <source>, %1 up: a plumb line&apos;s shadow then marks the meridian</source>
        <translation>, %1 hoch: der Schatten eines Lots zeigt dann den Meridian</translation>
    </message>
    <message>
        <source>, below the horizon</source>
        <translation>, unter dem Horizont</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Erhebung</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Sun at its azimuth</source>
        <translation>Sonne in seinem Azimut</translation>
    </message>
    <message>
        <source>%1, %2 up</source>
        <translation>%1, %2 hoch</translation>
    </message>
    <message>
        <source>never that day</source>
        <translation>an diesem Tag nie</translation>
    </message>
    <message>
        <source>Azimuth: true, clockwise from north. Compass: the bearing a compass shows. Motor: the turn from the motor&apos;s zero. Face: the inclinometer on the dish&apos;s face, degrees from vertical, + when the face looks up. When the sun stands at a satellite&apos;s azimuth, a plumb line&apos;s shadow points straight away from the satellite.</source>
        <translation>Azimut: geografisch, im Uhrzeigersinn ab Nord. Kompass: die Peilung, die ein Kompass zeigt. Motor: die Drehung ab der Nullstellung des Motors. Fläche: der Neigungsmesser auf der Spiegelfläche, Grad aus der Senkrechten, + wenn die Fläche nach oben blickt. Steht die Sonne im Azimut eines Satelliten, zeigt der Schatten eines Lots genau von ihm weg.</translation>
    </message>
    <message>
        <source>On %1 (UTC)</source>
        <translation>Am %1 (UTC)</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>Kein Drucker verfügbar.</translation>
    </message>
</context>
<context>
    <name>zenbelts::CDiagnoseDialog</name>
    <message>
        <source>Diagnose %1</source>
        <translation>Diagnose %1</translation>
    </message>
    <message>
        <source>At the dish, drive the motor to each satellite, peak its signal and type the motor angle. Where tilting the dish up or down helps, type by how much as the offset (up +, down -). Then Fit.</source>
        <translation>Fahren Sie am Spiegel den Motor auf jeden Satelliten, stellen Sie dessen Signal auf Maximum und tragen Sie den Motorwinkel ein. Wo Kippen des Spiegels nach oben oder unten hilft, tragen Sie den Betrag als Versatz ein (oben +, unten -). Dann „Anpassen“.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Motor angle (°)</source>
        <translation>Motorwinkel (°)</translation>
    </message>
    <message>
        <source>Offset (°)</source>
        <translation>Versatz (°)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Anpassen</translation>
    </message>
    <message>
        <source>Observations</source>
        <translation>Messungen</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Set-up</source>
        <translation>Soll</translation>
    </message>
    <message>
        <source>As found</source>
        <translation>Ist</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Motor, set-up</source>
        <translation>Motor, Soll</translation>
    </message>
    <message>
        <source>Motor, found</source>
        <translation>Motor, Ist</translation>
    </message>
    <message>
        <source>Offset, set-up</source>
        <translation>Versatz, Soll</translation>
    </message>
    <message>
        <source>Offset, found</source>
        <translation>Versatz, Ist</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Observed minus computed, degrees:</source>
        <translation>Gemessen minus berechnet, in Grad:</translation>
    </message>
    <message>
        <source>What to turn</source>
        <translation>Was zu drehen ist</translation>
    </message>
    <message>
        <source>&amp;Show the mount as found</source>
        <translation>Halterung im Ist-Zustand &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>%1: the motor angle is not a number</source>
        <translation>%1: Der Motorwinkel ist keine Zahl</translation>
    </message>
    <message>
        <source>%1: the offset is not a number</source>
        <translation>%1: Der Versatz ist keine Zahl</translation>
    </message>
    <message>
        <source>%1: the motor angle is out of range (-180 to 180 degrees)</source>
        <translation>%1: Der Motorwinkel liegt außerhalb des Bereichs (-180 bis 180 Grad)</translation>
    </message>
    <message>
        <source>%1: the offset is out of range (-90 to 90 degrees)</source>
        <translation>%1: Der Versatz liegt außerhalb des Bereichs (-90 bis 90 Grad)</translation>
    </message>
    <message>
        <source>%1: an offset needs the motor angle it was found at</source>
        <translation>%1: Ein Versatz braucht den Motorwinkel, bei dem er gefunden wurde</translation>
    </message>
    <message>
        <source>Type the motor angle of at least one satellite.</source>
        <translation>Geben Sie den Motorwinkel mindestens eines Satelliten ein.</translation>
    </message>
    <message>
        <source>%1 as found</source>
        <translation>%1 (Ist)</translation>
    </message>
    <message>
        <source>Fit to see what to turn.</source>
        <translation>„Anpassen“ zeigt, was zu drehen ist.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Root-mean-square: %1° with the set-up, %2° as found</source>
        <translation>Quadratisches Mittel: %1° beim Soll, %2° beim Ist</translation>
    </message>
    <message>
        <source>Undetermined: %1</source>
        <translation>Nicht bestimmbar: %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>Import observations</source>
        <translation>Messungen importieren</translation>
    </message>
    <message>
        <source>Observations (*.csv);;All files (*)</source>
        <translation>Messungen (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>%1 kann nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>Export observations</source>
        <translation>Messungen exportieren</translation>
    </message>
    <message>
        <source>Cannot export %1: %2</source>
        <translation>%1 kann nicht exportiert werden: %2</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>Kein Drucker verfügbar.</translation>
    </message>
    <message>
        <source>%1: what to turn</source>
        <translation>%1: Was zu drehen ist</translation>
    </message>
    <message>
        <source>P&amp;recision of the motor angle (1σ, °):</source>
        <translation>&amp;Genauigkeit des Motorwinkels (1σ, °):</translation>
    </message>
    <message>
        <source>Precision of the &amp;offset (1σ, °):</source>
        <translation>Genauigkeit des Ve&amp;rsatzes (1σ, °):</translation>
    </message>
    <message>
        <source>from the residuals</source>
        <translation>aus den Residuen</translation>
    </message>
    <message>
        <source>How well you find a signal&apos;s peak, in degrees: about %1 for the motor angle and %2 for the offset with a signal meter. Leave empty to estimate it from the residuals.</source>
        <translation>Wie genau Sie das Maximum eines Signals finden, in Grad: mit einem Messgerät etwa %1 beim Motorwinkel und %2 beim Versatz. Leer lassen, um es aus den Residuen zu schätzen.</translation>
    </message>
    <message>
        <source>How sure</source>
        <translation>Wie sicher</translation>
    </message>
    <message>
        <source>The precision of the motor angle is not a number of degrees above 0 to %1</source>
        <translation>Die Genauigkeit des Motorwinkels ist keine Gradzahl über 0 bis %1</translation>
    </message>
    <message>
        <source>The precision of the offset is not a number of degrees above 0 to %1</source>
        <translation>Die Genauigkeit des Versatzes ist keine Gradzahl über 0 bis %1</translation>
    </message>
    <message>
        <source>Satellites to peak next, in this order:</source>
        <translation>Als Nächstes zu messende Satelliten, in dieser Reihenfolge:</translation>
    </message>
    <message>
        <source>worst 1σ then %1°</source>
        <translation>größtes 1σ dann %1°</translation>
    </message>
    <message>
        <source>Chosen satellites, for the mount as found:</source>
        <translation>Gewählte Satelliten, für die Halterung im Ist-Zustand:</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>The observations you typed have not been exported. They stay with %1 while it is open; export them to a file now?</source>
        <translation>Die eingegebenen Beobachtungen wurden nicht exportiert. Sie bleiben bei %1, solange es geöffnet ist; jetzt in eine Datei exportieren?</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>zenbelts::CDishSection</name>
    <message>
        <source>Dish</source>
        <translation>Spiegel</translation>
    </message>
    <message>
        <source>Prime focus</source>
        <translation>Primärfokus</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Below the dish</source>
        <translation>Unter dem Spiegel</translation>
    </message>
    <message>
        <source>Above the dish</source>
        <translation>Über dem Spiegel</translation>
    </message>
    <message>
        <source>The maker&apos;s offset angle: how far the beam rises above the normal of the rim, 1 to 45 degrees</source>
        <translation>Der Offset-Winkel des Herstellers: um wie viel der Strahl über der Senkrechten auf den Spiegelrand steigt, 1 bis 45 Grad</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Bauart:</translation>
    </message>
    <message>
        <source>Offset &amp;angle:</source>
        <translation>Offset-&amp;Winkel:</translation>
    </message>
    <message>
        <source>&amp;Feed arm:</source>
        <translation>&amp;LNB-Arm:</translation>
    </message>
</context>
<context>
    <name>zenbelts::CGeneralPage</name>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Grenzen</translation>
    </message>
    <message>
        <source>from:</source>
        <translation>von:</translation>
    </message>
    <message>
        <source>to:</source>
        <translation>bis:</translation>
    </message>
    <message>
        <source>(*) - relative to autocalculated values</source>
        <translation>(*) - relativ zu den automatisch berechneten Werten</translation>
    </message>
    <message>
        <source>&amp;Latitude:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>L&amp;ongitude:</source>
        <translation>&amp;Länge:</translation>
    </message>
    <message>
        <source>Al&amp;titude (m):</source>
        <translation>&amp;Höhe (m):</translation>
    </message>
</context>
<context>
    <name>zenbelts::CHorizonPage</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <source>True bearing, clockwise from north</source>
        <translation>Rechtweisende Richtung, im Uhrzeigersinn von Norden</translation>
    </message>
    <message>
        <source>The lowest elevation the dish sees past at that bearing; straight lines join the points</source>
        <translation>Die niedrigste Elevation, über die der Spiegel in dieser Richtung hinwegsieht; gerade Linien verbinden die Punkte</translation>
    </message>
    <message>
        <source>Degrees from 0 to 360, clockwise from true north</source>
        <translation>Grad von 0 bis 360, im Uhrzeigersinn von geografisch Nord</translation>
    </message>
    <message>
        <source>Degrees from 0 to 90</source>
        <translation>Grad von 0 bis 90</translation>
    </message>
    <message>
        <source>How far the motor turns from its zero, 0 to 90 degrees</source>
        <translation>Wie weit der Motor von seiner Nullstellung dreht, 0 bis 90 Grad</translation>
    </message>
    <message>
        <source>Obstacles</source>
        <translation>Hindernisse</translation>
    </message>
    <message>
        <source>A&amp;zimuth:</source>
        <translation>A&amp;zimut:</translation>
    </message>
    <message>
        <source>E&amp;levation:</source>
        <translation>E&amp;levation:</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>Motor and dish</source>
        <translation>Motor und Spiegel</translation>
    </message>
    <message>
        <source>Motor turns &amp;east to:</source>
        <translation>Motor dreht nach &amp;Osten bis:</translation>
    </message>
    <message>
        <source>Motor turns &amp;west to:</source>
        <translation>Motor dreht nach &amp;Westen bis:</translation>
    </message>
    <message>
        <source>Dish &amp;diameter (cm):</source>
        <translation>Spiegel&amp;durchmesser (cm):</translation>
    </message>
    <message>
        <source>A satellite is in reach when it stands above the horizon by half the dish&apos;s beam and the motor turns that far.</source>
        <translation>Ein Satellit ist erreichbar, wenn er um die halbe Strahlbreite des Spiegels über dem Horizont steht und der Motor so weit dreht.</translation>
    </message>
    <message>
        <source>The azimuth must be a number of degrees from 0 to 360.</source>
        <translation>Der Azimut muss eine Gradzahl von 0 bis 360 sein.</translation>
    </message>
    <message>
        <source>The elevation must be a number of degrees from 0 to 90.</source>
        <translation>Die Elevation muss eine Gradzahl von 0 bis 90 sein.</translation>
    </message>
    <message>
        <source>Import the horizon</source>
        <translation>Horizont importieren</translation>
    </message>
    <message>
        <source>Horizon (*.csv);;All files (*)</source>
        <translation>Horizont (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>%1 kann nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>Export the horizon</source>
        <translation>Horizont exportieren</translation>
    </message>
    <message>
        <source>Cannot export %1: %2</source>
        <translation>%1 kann nicht exportiert werden: %2</translation>
    </message>
</context>
<context>
    <name>zenbelts::CHorizonSketch</name>
    <message>
        <source>The sky from the dish as on a map, north up: the horizon at the rim, straight up at the centre; shaded what the horizon hides, the arc in pink, the chosen satellites as dots</source>
        <translation>Der Himmel vom Spiegel aus wie auf einer Karte, Norden oben: der Horizont am Rand, senkrecht nach oben in der Mitte; schattiert, was der Horizont verdeckt, der Bogen rosa, die gewählten Satelliten als Punkte</translation>
    </message>
</context>
<context>
    <name>zenbelts::CMainFrame</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker ein&amp;richten...</translation>
    </message>
    <message>
        <source>Propert&amp;ies</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Set &amp;defaults</source>
        <translation>&amp;Standardwerte setzen</translation>
    </message>
    <message>
        <source>&amp;Optimise</source>
        <translation>&amp;Optimieren</translation>
    </message>
    <message>
        <source>Dia&amp;gnose...</source>
        <translation>&amp;Diagnose...</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Status&amp;leiste</translation>
    </message>
    <message>
        <source>Show t&amp;ooltips</source>
        <translation>&amp;Tooltips anzeigen</translation>
    </message>
    <message>
        <source>&amp;Misses</source>
        <translation>&amp;Abweichungen</translation>
    </message>
    <message>
        <source>&amp;Receiver settings...</source>
        <translation>&amp;Receiver-Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Neues Fenster</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Überlappend</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>Ne&amp;beneinander</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Symbole anordnen</translation>
    </message>
    <message>
        <source>Ne&amp;xt Window</source>
        <translation>Nä&amp;chstes Fenster</translation>
    </message>
    <message>
        <source>Pre&amp;vious Window</source>
        <translation>&amp;Vorheriges Fenster</translation>
    </message>
    <message>
        <source>C&amp;lose Window</source>
        <translation>Fenster sch&amp;ließen</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Nächster Bereich</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Vorheriger Bereich</translation>
    </message>
    <message>
        <source>&amp;About Zenbelts...</source>
        <translation>&amp;Info über Zenbelts...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Letzte Datei</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Win&amp;dow</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Mount as found</source>
        <translation>Halterung wie vorgefunden</translation>
    </message>
    <message>
        <source>&amp;At the dish...</source>
        <translation>Am Spie&amp;gel...</translation>
    </message>
    <message>
        <source>&amp;Field page...</source>
        <translation>&amp;Feldseite...</translation>
    </message>
    <message>
        <source>Field page</source>
        <translation>Feldseite</translation>
    </message>
    <message>
        <source>No browser could be started to open %1.</source>
        <translation>Es ließ sich kein Browser starten, um %1 zu öffnen.</translation>
    </message>
    <message>
        <source>The field page is not installed with this Zenbelts.</source>
        <translation>Die Feldseite ist mit diesem Zenbelts nicht installiert.</translation>
    </message>
</context>
<context>
    <name>zenbelts::CMissTable</name>
    <message>
        <source>Misses</source>
        <translation>Abweichungen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>The satellite&apos;s orbital position</source>
        <translation>Orbitposition des Satelliten</translation>
    </message>
    <message>
        <source>The satellite&apos;s name in the list</source>
        <translation>Name des Satelliten in der Liste</translation>
    </message>
    <message>
        <source>The rotation of the motor from its zero that points the beam at this satellite</source>
        <translation>Drehung des Motors aus der Nullstellung, die den Strahl auf diesen Satelliten richtet</translation>
    </message>
    <message>
        <source>How far the satellite lies from the beam at that motor angle: above means the satellite lies above the beam</source>
        <translation>Abstand des Satelliten vom Strahl bei diesem Motorwinkel: „darüber“ heißt, er liegt über dem Strahl</translation>
    </message>
    <message>
        <source>How high the satellite stands above the horizon</source>
        <translation>Wie hoch der Satellit über dem Horizont steht</translation>
    </message>
    <message>
        <source>The motor angle a receiver that turns the motor itself would command for an ideal polar mount at your true site</source>
        <translation>Der Motorwinkel, den ein Receiver mit Motorsteuerung für einen idealen Polarmount an Ihrem tatsächlichen Standort anfahren würde</translation>
    </message>
    <message>
        <source>The motor angle less the receiver&apos;s, east positive: how far the receiver would turn short of this satellite</source>
        <translation>Motorwinkel minus Receiver-Winkel, Ost positiv: wie weit der Receiver vor diesem Satelliten stehen bliebe</translation>
    </message>
    <message>
        <source>Copy as C&amp;SV</source>
        <translation>Als C&amp;SV kopieren</translation>
    </message>
    <message>
        <source>&amp;Receiver columns</source>
        <translation>&amp;Receiver-Spalten</translation>
    </message>
    <message>
        <source>%1 above</source>
        <translation>%1 darüber</translation>
    </message>
    <message>
        <source>%1 below</source>
        <translation>%1 darunter</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Miss</source>
        <translation>Abweichung</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>Receiver miss</source>
        <translation>Receiver-Abweichung</translation>
    </message>
    <message>
        <source>Hidden by the horizon: too low over the obstacles there for the dish&apos;s beam</source>
        <translation>Vom Horizont verdeckt: zu niedrig über den Hindernissen dort für den Strahl des Spiegels</translation>
    </message>
    <message>
        <source>Below the horizon</source>
        <translation>Unter dem Horizont</translation>
    </message>
    <message>
        <source>Beyond the motor&apos;s limit: the motor does not turn that far</source>
        <translation>Jenseits der Grenze des Motors: Der Motor dreht nicht so weit</translation>
    </message>
</context>
<context>
    <name>zenbelts::CNumericEdit</name>
    <message>
        <source>Not taken: %1 lies beyond the limit %2</source>
        <translation>Nicht übernommen: %1 liegt jenseits der Grenze %2</translation>
    </message>
    <message>
        <source>“%1” was read as %2</source>
        <translation>„%1“ wurde als %2 gelesen</translation>
    </message>
</context>
<context>
    <name>zenbelts::CPropertiesDialog</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Horizon</source>
        <translation>Horizont</translation>
    </message>
</context>
<context>
    <name>zenbelts::CReceiverDialog</name>
    <message>
        <source>Copy as CSV</source>
        <translation>Als CSV kopieren</translation>
    </message>
    <message>
        <source>Receiver settings</source>
        <translation>Receiver-Einstellungen</translation>
    </message>
    <message>
        <source>Site to enter into the receiver: %1</source>
        <translation>Im Receiver einzugebender Standort: %1</translation>
    </message>
    <message>
        <source>Fewer than two chosen satellites stand %1 above the horizon: this is the true site.</source>
        <translation>Weniger als zwei gewählte Satelliten stehen %1 über dem Horizont: Dies ist der tatsächliche Standort.</translation>
    </message>
    <message>
        <source>Worst miss over %1 chosen satellites at least %2 up: %3 with the true site, %4 with this one.</source>
        <translation>Größte Abweichung über %1 gewählte Satelliten ab %2 Höhe: %3 mit dem tatsächlichen Standort, %4 mit diesem.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
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
        <translation>Platz</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Was er bewirkt</translation>
    </message>
    <message>
        <source>The number the receiver stores the position under; 0 is the motor&apos;s reference</source>
        <translation>Die Nummer, unter der der Receiver die Stellung speichert; 0 ist die Referenz des Motors</translation>
    </message>
    <message>
        <source>The satellite&apos;s orbital position</source>
        <translation>Orbitposition des Satelliten</translation>
    </message>
    <message>
        <source>The satellite&apos;s name in the list</source>
        <translation>Name des Satelliten in der Liste</translation>
    </message>
    <message>
        <source>The motor angle the set-up needs, east or west of the motor&apos;s zero</source>
        <translation>Der Motorwinkel, den die Einrichtung braucht, östlich oder westlich der Nullstellung des Motors</translation>
    </message>
    <message>
        <source>The motor angle a receiver computes by itself for the true site</source>
        <translation>Der Motorwinkel, den ein Receiver selbst für den tatsächlichen Standort berechnet</translation>
    </message>
    <message>
        <source>Seconds the motor takes from the slot before, the first from its zero</source>
        <translation>Sekunden, die der Motor vom vorigen Platz braucht, der erste von seiner Nullstellung</translation>
    </message>
    <message>
        <source>The DiSEqC command that turns the motor to this angle</source>
        <translation>Der DiSEqC-Befehl, der den Motor auf diesen Winkel dreht</translation>
    </message>
    <message>
        <source>How far past the outermost satellite each soft limit lies, 0 to 30 degrees</source>
        <translation>Wie weit jenseits des äußersten Satelliten jede Softgrenze liegt, 0 bis 30 Grad</translation>
    </message>
    <message>
        <source>How many degrees a second the motor turns, as its maker gives it</source>
        <translation>Wie viele Grad pro Sekunde der Motor dreht, laut Hersteller</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>Soft limit &amp;margin (degrees):</source>
        <translation>Softgrenzen-&amp;Abstand (Grad):</translation>
    </message>
    <message>
        <source>Motor &amp;speed (degrees a second):</source>
        <translation>Motor&amp;geschwindigkeit (Grad pro Sekunde):</translation>
    </message>
    <message>
        <source>DiSEqC 1.2 commands for a receiver that sends them raw, in order:</source>
        <translation>DiSEqC-1.2-Befehle für einen Receiver, der sie roh sendet, in dieser Reihenfolge:</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>No chosen satellite is in reach: nothing to store, no limits to set.</source>
        <translation>Kein gewählter Satellit ist erreichbar: nichts zu speichern, keine Grenzen zu setzen.</translation>
    </message>
    <message>
        <source>Soft limits: east %1, west %2, %3 past the outermost slots where the horizon and the motor allow.</source>
        <translation>Softgrenzen: Osten %1, Westen %2, %3 jenseits der äußersten Plätze, soweit Horizont und Motor es zulassen.</translation>
    </message>
    <message>
        <source>%1, hidden by the horizon</source>
        <translation>%1, vom Horizont verdeckt</translation>
    </message>
    <message>
        <source>%1, beyond the motor&apos;s limit</source>
        <translation>%1, jenseits der Grenze des Motors</translation>
    </message>
    <message>
        <source>%1, no slot left</source>
        <translation>%1, kein Platz mehr frei</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>Ausgelassen: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Export the positions</source>
        <translation>Positionen exportieren</translation>
    </message>
    <message>
        <source>Positions (*.csv);;All files (*)</source>
        <translation>Positionen (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Cannot export %1: %2</source>
        <translation>%1 kann nicht exportiert werden: %2</translation>
    </message>
</context>
<context>
    <name>zenbelts::CSatellitesPage</name>
    <message>
        <source>Files...</source>
        <translation>Dateien...</translation>
    </message>
    <message>
        <source>Folder...</source>
        <translation>Ordner...</translation>
    </message>
    <message>
        <source>Make a list of receivers&apos; files your own satellite list</source>
        <translation>Eine Liste aus Receiver-Dateien als eigene Satellitenliste übernehmen</translation>
    </message>
    <message>
        <source>Drop your own list and use the list that came with the program</source>
        <translation>Eigene Liste verwerfen und die mit dem Programm gelieferte Liste verwenden</translation>
    </message>
    <message>
        <source>Check the satellites that a receiver&apos;s channel or satellite lists name</source>
        <translation>Die Satelliten anhaken, die in Kanal- oder Satellitenlisten eines Receivers stehen</translation>
    </message>
    <message>
        <source>Folder of receiver files</source>
        <translation>Ordner mit Receiver-Dateien</translation>
    </message>
    <message>
        <source>Receiver files</source>
        <translation>Receiver-Dateien</translation>
    </message>
    <message>
        <source>Receiver lists (*.xml *.conf *.ini *.txt lamedb*);;All files (*)</source>
        <translation>Receiver-Listen (*.xml *.conf *.ini *.txt lamedb*);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The files name no satellite positions.</source>
        <translation>Die Dateien nennen keine Satellitenpositionen.</translation>
    </message>
    <message>
        <source>%1 of the %2 positions named chosen; the others are not in the list.</source>
        <translation>%1 der %2 genannten Positionen gewählt; die übrigen stehen nicht in der Liste.</translation>
    </message>
    <message>
        <source>1 satellite chosen.</source>
        <translation>1 Satellit gewählt.</translation>
    </message>
    <message>
        <source>%1 satellites chosen.</source>
        <translation>%1 Satelliten gewählt.</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>&amp;Alle wählen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Keine wählen</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>name or position</source>
        <translation>Name oder Position</translation>
    </message>
    <message>
        <source>Check every satellite shown</source>
        <translation>Alle angezeigten Satelliten anhaken</translation>
    </message>
    <message>
        <source>Uncheck every satellite shown</source>
        <translation>Haken bei allen angezeigten Satelliten entfernen</translation>
    </message>
    <message>
        <source>&amp;Import list...</source>
        <translation>Liste &amp;importieren...</translation>
    </message>
    <message>
        <source>Use the s&amp;hipped list</source>
        <translation>&amp;Mitgelieferte Liste verwenden</translation>
    </message>
    <message>
        <source>Choose from &amp;receiver files...</source>
        <translation>Aus &amp;Receiver-Dateien wählen...</translation>
    </message>
</context>
<context>
    <name>zenbelts::CZenbeltsApp</name>
    <message>
        <source>read %1, merged %2, skipped %3</source>
        <translation>%1 gelesen, %2 zusammengeführt, %3 übersprungen</translation>
    </message>
    <message>
        <source>No satellites found: %1.</source>
        <translation>Keine Satelliten gefunden: %1.</translation>
    </message>
    <message>
        <source>There is no folder to keep your own list in.</source>
        <translation>Es gibt keinen Ordner für Ihre eigene Liste.</translation>
    </message>
    <message>
        <source>Cannot save your list %1: %2</source>
        <translation>Ihre Liste %1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Imported 1 satellite: %1.</source>
        <translation>1 Satellit importiert: %1.</translation>
    </message>
    <message>
        <source>Imported %1 satellites: %2.</source>
        <translation>%1 Satelliten importiert: %2.</translation>
    </message>
    <message>
        <source>Cannot remove your list %1.</source>
        <translation>Ihre Liste %1 kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>The shipped list is used: %1 satellites.</source>
        <translation>Die mitgelieferte Liste wird verwendet: %1 Satelliten.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Unable to load sats.lst: %1</source>
        <translation>sats.lst kann nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>Your satellite list %1 cannot be read, so the shipped list is used instead: %2</source>
        <translation>Ihre Satellitenliste %1 kann nicht gelesen werden, daher wird die mitgelieferte Liste verwendet: %2</translation>
    </message>
    <message>
        <source>; names cut to fit: %1</source>
        <translation>; gekürzte Namen: %1</translation>
    </message>
    <message>
        <source>The observations typed for %1 have not been exported, and some of them do not read. Close without them?</source>
        <translation>Die für %1 eingegebenen Beobachtungen wurden nicht exportiert, und einige davon sind nicht lesbar. Ohne sie schließen?</translation>
    </message>
    <message>
        <source>The observations typed for %1 have not been exported. Export them before closing?</source>
        <translation>Die für %1 eingegebenen Beobachtungen wurden nicht exportiert. Vor dem Schließen exportieren?</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
</context>
<context>
    <name>zenbelts::CZenbeltsDoc</name>
    <message>
        <source>not a valid Zenbelt file: %1</source>
        <translation>keine gültige Zenbelt-Datei: %1</translation>
    </message>
    <message>
        <source> Location: %1</source>
        <translation> Standort: %1</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <source>Auto declination</source>
        <translation>Automatische Deklination</translation>
    </message>
    <message>
        <source>Lock satellites</source>
        <translation>Satelliten fixieren</translation>
    </message>
    <message>
        <source>Set defaults</source>
        <translation>Standardwerte setzen</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>The location changed: every adjustment is back at its default. Undo brings them back.</source>
        <translation>Der Standort hat sich geändert: Alle Einstellungen stehen wieder auf ihrem Standardwert. Rückgängig holt sie zurück.</translation>
    </message>
    <message>
        <source>Optimise</source>
        <translation>Optimieren</translation>
    </message>
</context>
</TS>
