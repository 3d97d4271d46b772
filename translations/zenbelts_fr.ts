<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Adjustment</name>
    <message>
        <source>Pole N/S</source>
        <translation>Mât N/S</translation>
    </message>
    <message>
        <source>NS</source>
        <translation>NS</translation>
    </message>
    <message>
        <source>Mounting pole North/South roll</source>
        <translation>Inclinaison Nord/Sud du mât</translation>
    </message>
    <message>
        <source>Pole E/W</source>
        <translation>Mât E/W</translation>
    </message>
    <message>
        <source>EW</source>
        <translation>EW</translation>
    </message>
    <message>
        <source>Mounting pole East/West roll</source>
        <translation>Inclinaison Est/Ouest du mât</translation>
    </message>
    <message>
        <source>Motor azimuth</source>
        <translation>Azimut du moteur</translation>
    </message>
    <message>
        <source>Motor Az</source>
        <translation>Az. moteur</translation>
    </message>
    <message>
        <source>MA</source>
        <translation>MA</translation>
    </message>
    <message>
        <source>Motor azimuthal shift (on mounting pole)</source>
        <translation>Rotation azimutale du moteur (sur le mât)</translation>
    </message>
    <message>
        <source>Motor elevation</source>
        <translation>Élévation du moteur</translation>
    </message>
    <message>
        <source>Motor Elv</source>
        <translation>Élév. moteur</translation>
    </message>
    <message>
        <source>EL</source>
        <translation>EL</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Élévation</translation>
    </message>
    <message>
        <source>Dish azimuth</source>
        <translation>Azimut de la parabole</translation>
    </message>
    <message>
        <source>Dish Az</source>
        <translation>Az. parabole</translation>
    </message>
    <message>
        <source>DA</source>
        <translation>DA</translation>
    </message>
    <message>
        <source>Dish azimuthal shift (on motor pole)</source>
        <translation>Rotation azimutale de la parabole (sur le tube du moteur)</translation>
    </message>
    <message>
        <source>Dish declination</source>
        <translation>Déclinaison de la parabole</translation>
    </message>
    <message>
        <source>Dish Decl</source>
        <translation>Décl. parabole</translation>
    </message>
    <message>
        <source>DC</source>
        <translation>DC</translation>
    </message>
    <message>
        <source>Declination</source>
        <translation>Déclinaison</translation>
    </message>
    <message>
        <source>pole north/south</source>
        <translation>inclinaison nord/sud du mât</translation>
    </message>
    <message>
        <source>pole east/west</source>
        <translation>inclinaison est/ouest du mât</translation>
    </message>
    <message>
        <source>motor azimuth</source>
        <translation>azimut du moteur</translation>
    </message>
    <message>
        <source>motor elevation</source>
        <translation>élévation du moteur</translation>
    </message>
    <message>
        <source>dish azimuth</source>
        <translation>azimut de la parabole</translation>
    </message>
    <message>
        <source>dish declination</source>
        <translation>déclinaison de la parabole</translation>
    </message>
</context>
<context>
    <name>FieldPage</name>
    <message>
        <source>Open…</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>New at a site…</source>
        <translation>Nouveau sur un site…</translation>
    </message>
    <message>
        <source>Satellite list…</source>
        <translation>Liste des satellites…</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Altitude (m)</source>
        <translation>Altitude (m)</translation>
    </message>
    <message>
        <source>Start here</source>
        <translation>Commencer ici</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The arc</source>
        <translation>L&apos;arc</translation>
    </message>
    <message>
        <source>Field assistant</source>
        <translation>Assistant de terrain</translation>
    </message>
    <message>
        <source>At the dish</source>
        <translation>À la parabole</translation>
    </message>
    <message>
        <source>At the dish, turn the motor to a satellite, peak its signal, and type the motor angle the receiver shows; where tilting the dish up (+) or down (-) helped, by how much.</source>
        <translation>À la parabole, tournez le moteur vers un satellite, cherchez le maximum du signal et saisissez l&apos;angle du moteur qu&apos;affiche le récepteur ; si incliner la parabole vers le haut (+) ou le bas (-) a aidé, de combien.</translation>
    </message>
    <message>
        <source>Third column</source>
        <translation>Troisième colonne</translation>
    </message>
    <message>
        <source>Offset (°)</source>
        <translation>Décalage (°)</translation>
    </message>
    <message>
        <source>Face tilt (°)</source>
        <translation>Inclinaison de la face (°)</translation>
    </message>
    <message>
        <source>Motor angle</source>
        <translation>Angle du moteur</translation>
    </message>
    <message>
        <source>Add a row</source>
        <translation>Ajouter une ligne</translation>
    </message>
    <message>
        <source>Remove the row</source>
        <translation>Supprimer la ligne</translation>
    </message>
    <message>
        <source>As set up</source>
        <translation>Tel que réglé</translation>
    </message>
    <message>
        <source>Instruments</source>
        <translation>Instruments</translation>
    </message>
    <message>
        <source>Use the phone&apos;s sensors</source>
        <translation>Utiliser les capteurs du téléphone</translation>
    </message>
    <message>
        <source>Zero on a level surface</source>
        <translation>Mettre à zéro sur une surface plane</translation>
    </message>
    <message>
        <source>Phone along the motor axis</source>
        <translation>Téléphone le long de l&apos;axe du moteur</translation>
    </message>
    <message>
        <source>Phone on the dish&apos;s face</source>
        <translation>Téléphone sur la face de la parabole</translation>
    </message>
    <message>
        <source>Compass heading of the phone&apos;s top</source>
        <translation>Cap compas du haut du téléphone</translation>
    </message>
    <message>
        <source>should read %1 (%2 off)</source>
        <translation>devrait indiquer %1 (écart %2)</translation>
    </message>
    <message>
        <source>at the motor&apos;s zero %1 (%2 off)</source>
        <translation>au zéro du moteur %1 (écart %2)</translation>
    </message>
    <message>
        <source>%1 true, with the declination %2</source>
        <translation>%1 géographique, avec la déclinaison %2</translation>
    </message>
    <message>
        <source>Lay the phone along the motor axis, its top towards the raised end, or flat on the dish&apos;s face, its screen outwards. Zero it first on a level surface.</source>
        <translation>Posez le téléphone le long de l&apos;axe du moteur, le haut vers l&apos;extrémité relevée, ou à plat sur la face de la parabole, l&apos;écran vers l&apos;extérieur. Mettez-le d&apos;abord à zéro sur une surface plane.</translation>
    </message>
    <message>
        <source>Zeroed on a level surface.</source>
        <translation>Mis à zéro sur une surface plane.</translation>
    </message>
    <message>
        <source>This browser gives no orientation sensor here: the readings below still hold.</source>
        <translation>Ce navigateur n&apos;offre ici aucun capteur d&apos;orientation : les valeurs ci-dessous restent valables.</translation>
    </message>
    <message>
        <source>The sensors were refused: allow motion and orientation for this page in the browser&apos;s settings. The readings below still hold.</source>
        <translation>Les capteurs ont été refusés : autorisez le mouvement et l&apos;orientation pour cette page dans les réglages du navigateur. Les valeurs ci-dessous restent valables.</translation>
    </message>
    <message>
        <source>The sensors need a secure page (https or a file): the readings below still hold.</source>
        <translation>Les capteurs exigent une page sécurisée (https ou un fichier) : les valeurs ci-dessous restent valables.</translation>
    </message>
    <message>
        <source>Waiting for the sensors… move the phone a little.</source>
        <translation>En attente des capteurs… bougez un peu le téléphone.</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>Enregistré sous %1.</translation>
    </message>
    <message>
        <source>List: %1 satellites.</source>
        <translation>Liste : %1 satellites.</translation>
    </message>
    <message>
        <source>Measure next: %1 (added as a row).</source>
        <translation>À mesurer ensuite : %1 (ajouté comme ligne).</translation>
    </message>
    <message>
        <source>Lay the phone flat on a level surface, then zero.</source>
        <translation>Posez le téléphone à plat sur une surface plane, puis mettez à zéro.</translation>
    </message>
    <message>
        <source>Nothing observed yet, and no satellite of the list is up and within the motor&apos;s reach.</source>
        <translation>Rien n&apos;a encore été observé, et aucun satellite de la liste n&apos;est levé et à portée du moteur.</translation>
    </message>
    <message>
        <source>it is far larger than a set-up</source>
        <translation>il est bien plus grand qu&apos;un réglage</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Impossible d&apos;ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>The list %1 cannot be used: %2</source>
        <translation>La liste %1 est inutilisable : %2</translation>
    </message>
    <message>
        <source>it is larger than 8 MiB</source>
        <translation>il dépasse 8 Mio</translation>
    </message>
    <message>
        <source>it lists channels, not satellites</source>
        <translation>elle liste des chaînes, pas des satellites</translation>
    </message>
    <message>
        <source>%1 is not a number of degrees</source>
        <translation>%1 n&apos;est pas un nombre de degrés</translation>
    </message>
    <message>
        <source>The altitude is whole metres from %1 to %2</source>
        <translation>L&apos;altitude est en mètres entiers de %1 à %2</translation>
    </message>
    <message>
        <source>The latitude lies from 90°S to 90°N</source>
        <translation>La latitude va de 90°S à 90°N</translation>
    </message>
    <message>
        <source>The longitude lies from 180°W to 180°E</source>
        <translation>La longitude va de 180°W à 180°E</translation>
    </message>
    <message>
        <source>The date is of the form YYYY-MM-DD, from 1900 to 2199</source>
        <translation>La date est de la forme AAAA-MM-JJ, de 1900 à 2199</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>il dépasse 1 Mio</translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Reading receiver files...</source>
        <translation>Lecture des fichiers du récepteur...</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>%1:</source>
        <translation>%1&#xa0;:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Lieu&#xa0;:</translation>
    </message>
    <message>
        <source>%1; Alt: %2 m</source>
        <translation>%1&#xa0;; alt.&#xa0;: %2 m</translation>
    </message>
    <message>
        <source>Mounting pole:</source>
        <translation>Mât&#xa0;:</translation>
    </message>
</context>
<context>
    <name>SetUpEdit</name>
    <message>
        <source>it must lie in %1..%2</source>
        <translation>la valeur doit être dans %1..%2</translation>
    </message>
    <message>
        <source>the limits of the %1 must be -1799..-1 and 1..1800</source>
        <translation>les limites de %1 doivent être -1799..-1 et 1..1800</translation>
    </message>
    <message>
        <source>the lower limit of the %1 must lie below the upper one, within -1799..1800</source>
        <translation>la limite basse de %1 doit être sous la limite haute, dans -1799..1800</translation>
    </message>
    <message>
        <source>the declination follows its automatic value while autoDeclination is on</source>
        <translation>la déclinaison suit sa valeur automatique tant que autoDeclination est activé</translation>
    </message>
    <message>
        <source>it lies outside its current range %1..%2</source>
        <translation>la valeur est hors de sa plage actuelle %1..%2</translation>
    </message>
    <message>
        <source>a position must lie in 0..3599</source>
        <translation>une position doit être dans 0..3599</translation>
    </message>
    <message>
        <source>unknown name</source>
        <translation>nom inconnu</translation>
    </message>
    <message>
        <source>it must be 0 or 1</source>
        <translation>la valeur doit être 0 ou 1</translation>
    </message>
    <message>
        <source>it is computed, not set</source>
        <translation>cette valeur est calculée, pas fixée</translation>
    </message>
    <message>
        <source>not of the form NAME=VALUE</source>
        <translation>pas de la forme NOM=VALEUR</translation>
    </message>
    <message>
        <source>the value is not a whole number</source>
        <translation>la valeur n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>it must lie in %1..%2 tenths (0 for prime focus)</source>
        <translation>la valeur doit être dans %1..%2 dixièmes (0 pour un foyer primaire)</translation>
    </message>
    <message>
        <source>the horizon takes at most %1 points</source>
        <translation>l&apos;horizon compte au plus %1 points</translation>
    </message>
    <message>
        <source>an azimuth must lie in 0..3599 tenths</source>
        <translation>un azimut doit être dans 0..3599 dixièmes</translation>
    </message>
    <message>
        <source>an elevation must lie in 0..%1 tenths</source>
        <translation>une élévation doit être dans 0..%1 dixièmes</translation>
    </message>
    <message>
        <source>the azimuth %1 is given twice</source>
        <translation>l&apos;azimut %1 est donné deux fois</translation>
    </message>
    <message>
        <source>it must lie in %1..%2 tenths</source>
        <translation>la valeur doit être dans %1..%2 dixièmes</translation>
    </message>
    <message>
        <source>it must lie in %1..%2 centimetres</source>
        <translation>la valeur doit être dans %1..%2 centimètres</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not AZIMUTH:ELEVATION in whole tenths</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas AZIMUT:ÉLÉVATION en dixièmes entiers</translation>
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
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>between %1 and %2</source>
        <translation>entre %1 et %2</translation>
    </message>
    <message>
        <source>west of %1 and east of %2</source>
        <translation>à l&apos;ouest de %1 et à l&apos;est de %2</translation>
    </message>
    <message>
        <source>west of %1</source>
        <translation>à l&apos;ouest de %1</translation>
    </message>
    <message>
        <source>east of %1</source>
        <translation>à l&apos;est de %1</translation>
    </message>
    <message>
        <source>lines %1 and %2 give two peaks of %3 %4 apart, far beyond the precision of %5</source>
        <translation>les lignes %1 et %2 donnent deux maximums de %3 écartés de %4, bien au-delà de la précision de %5</translation>
    </message>
    <message>
        <source>lines %1 and %2 give two offsets of %3 %4 apart, far beyond the precision of %5</source>
        <translation>les lignes %1 et %2 donnent deux décalages de %3 écartés de %4, bien au-delà de la précision de %5</translation>
    </message>
    <message>
        <source>line %1: the offset of %2 lies %3 from where the other observations put it, far beyond the precision of %4</source>
        <translation>ligne %1&#xa0;: le décalage de %2 est à %3 de ce que donnent les autres relevés, bien au-delà de la précision de %4</translation>
    </message>
    <message>
        <source>line %1: the motor angle of %2 lies %3 from where the other observations put it, far beyond the precision of %4</source>
        <translation>ligne %1&#xa0;: l&apos;angle du moteur de %2 est à %3 de ce que donnent les autres relevés, bien au-delà de la précision de %4</translation>
    </message>
    <message>
        <source>%1 does not move the beam at this site.</source>
        <translation>%1 ne déplace pas le faisceau à cet emplacement.</translation>
    </message>
    <message>
        <source>%1 move the beam alike, so no observation can tell them apart.</source>
        <translation>%1 déplacent le faisceau de la même façon, aucun relevé ne peut donc les distinguer.</translation>
    </message>
    <message>
        <source>Within the limits %1 cannot take the whole correction, so %2 turns as well.</source>
        <translation>Dans les limites, %1 ne peut pas absorber toute la correction&#xa0;; %2 est donc tourné aussi.</translation>
    </message>
    <message>
        <source>The advice turns %1 alone; %2 may stay as it is.</source>
        <translation>Le conseil ne tourne que %1&#xa0;; %2 peut rester tel quel.</translation>
    </message>
    <message>
        <source>The advice turns %1 alone; %2 may stay as they are.</source>
        <translation>Le conseil ne tourne que %1&#xa0;; %2 peuvent rester tels quels.</translation>
    </message>
    <message>
        <source>These observations cannot separate %1.</source>
        <translation>Ces relevés ne peuvent pas séparer %1.</translation>
    </message>
    <message>
        <source>These observations leave %1 undetermined.</source>
        <translation>Ces relevés laissent %1 indéterminé.</translation>
    </message>
    <message>
        <source>The fit keeps what they cannot tell near the set-up.</source>
        <translation>L&apos;ajustement garde ce qu&apos;ils ne peuvent pas déterminer près du réglage prévu.</translation>
    </message>
    <message>
        <source>What they cannot tell is kept as in the set-up.</source>
        <translation>Ce qu&apos;ils ne peuvent pas déterminer reste comme dans le réglage prévu.</translation>
    </message>
    <message>
        <source>the satellites at least 5° up</source>
        <translation>les satellites à au moins 5° au-dessus de l&apos;horizon</translation>
    </message>
    <message>
        <source>the arc at least 5° up</source>
        <translation>l&apos;arc à au moins 5° au-dessus de l&apos;horizon</translation>
    </message>
    <message>
        <source>At worst over %1, the mount as found gives the motor angle to %2 and the offset to %3 (1σ).</source>
        <translation>Au pire sur %1, la monture constatée donne l&apos;angle du moteur à %2 près et le décalage à %3 près (1σ).</translation>
    </message>
    <message>
        <source>At worst over %1, the mount as found gives the motor angle to %2 (1σ); with no offset observed, the offset only to %3.</source>
        <translation>Au pire sur %1, la monture constatée donne l&apos;angle du moteur à %2 près (1σ)&#xa0;; sans décalage relevé, le décalage seulement à %3 près.</translation>
    </message>
    <message>
        <source>%1 The observations are good to %2 in the motor angle and %3 in the offset (1σ), as stated.</source>
        <translation>%1 Les relevés sont précis à %2 pour l&apos;angle du moteur et à %3 pour le décalage (1σ), comme indiqué.</translation>
    </message>
    <message>
        <source>%1 The observations are good to %2 in the motor angle and %3 in the offset (1σ), as the residuals show.</source>
        <translation>%1 Les relevés sont précis à %2 pour l&apos;angle du moteur et à %3 pour le décalage (1σ), d&apos;après les résidus.</translation>
    </message>
    <message>
        <source>%1 The observations are taken to be good to %2 in the motor angle and %3 in the offset (1σ), as usual at a dish: too few to tell from the residuals.</source>
        <translation>%1 Les relevés sont supposés précis à %2 pour l&apos;angle du moteur et à %3 pour le décalage (1σ), comme d&apos;habitude à la parabole&#xa0;: trop peu nombreux pour le déduire des résidus.</translation>
    </message>
    <message>
        <source>The fit is not sure of the satellites %1 (up to %2 at 1σ): measure one there.</source>
        <translation>L&apos;ajustement n&apos;est pas sûr des satellites %1 (jusqu&apos;à %2 à 1σ)&#xa0;: relevez-en un là-bas.</translation>
    </message>
    <message>
        <source>The fit is not sure of any satellite (up to %1 at 1σ): measure more, spread along the arc.</source>
        <translation>L&apos;ajustement n&apos;est sûr d&apos;aucun satellite (jusqu&apos;à %1 à 1σ)&#xa0;: relevez-en d&apos;autres, répartis sur l&apos;arc.</translation>
    </message>
    <message>
        <source>Measure %1 next, its motor angle and offset: the worst uncertainty would fall from %2 to %3 (1σ).</source>
        <translation>Relevez ensuite %1, son angle du moteur et son décalage&#xa0;: la pire incertitude passerait de %2 à %3 (1σ).</translation>
    </message>
    <message>
        <source>Measure %1 next, its motor angle: the worst uncertainty would fall from %2 to %3 (1σ).</source>
        <translation>Relevez ensuite %1, son angle du moteur&#xa0;: la pire incertitude passerait de %2 à %3 (1σ).</translation>
    </message>
    <message>
        <source>%1: turn %2° %3, from %4 to %5, with the motor at %6, the satellite nearest due south</source>
        <translation>%1&#xa0;: tourner de %2° vers %3, de %4 à %5, le moteur sur %6, le satellite le plus proche du plein sud</translation>
    </message>
    <message>
        <source>%1: turn %2° %3, from %4 to %5, with the motor at %6, the satellite nearest due north</source>
        <translation>%1&#xa0;: tourner de %2° vers %3, de %4 à %5, le moteur sur %6, le satellite le plus proche du plein nord</translation>
    </message>
    <message>
        <source>%1: turn %2° %3, from %4 to %5</source>
        <translation>%1&#xa0;: tourner de %2° vers %3, de %4 à %5</translation>
    </message>
    <message>
        <source>Nothing to turn: the mount stands as the set-up.</source>
        <translation>Rien à tourner&#xa0;: la monture est conforme au réglage prévu.</translation>
    </message>
    <message>
        <source>To bring the mount to the set-up, turn in this order:</source>
        <translation>Pour ramener la monture au réglage prévu, tourner dans cet ordre&#xa0;:</translation>
    </message>
    <message>
        <source>Nothing observed yet. Measure these first, each its motor angle and offset: %1. The worst uncertainty would then be %2 (1σ).</source>
        <translation>Rien de relevé pour l&apos;instant. Relevez d&apos;abord ceux-ci, chacun avec son angle du moteur et son décalage&#xa0;: %1. La pire incertitude serait alors de %2 (1σ).</translation>
    </message>
</context>
<context>
    <name>horizon</name>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is not azimuth,elevation</source>
        <translation>ce n&apos;est pas azimut,élévation</translation>
    </message>
    <message>
        <source>the azimuth is not a number of degrees from 0 to 360</source>
        <translation>l&apos;azimut n&apos;est pas un nombre de degrés de 0 à 360</translation>
    </message>
    <message>
        <source>the elevation is not a number of degrees from 0 to 90</source>
        <translation>l&apos;élévation n&apos;est pas un nombre de degrés de 0 à 90</translation>
    </message>
    <message>
        <source>a horizon takes at most 360 points</source>
        <translation>un horizon compte au plus 360 points</translation>
    </message>
</context>
<context>
    <name>io</name>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>cannot list the folder: %1</source>
        <translation>impossible de lister le dossier&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>a folder is read as .ini files or scan tables, not as %1</source>
        <translation>un dossier se lit comme fichiers .ini ou tables de balayage, pas comme %1</translation>
    </message>
    <message>
        <source>cannot tell which format it is in</source>
        <translation>impossible de reconnaître son format</translation>
    </message>
    <message>
        <source>a list of channels (%1) names positions, not satellites</source>
        <translation>une liste de chaînes (%1) nomme des positions, pas des satellites</translation>
    </message>
    <message>
        <source>line %1 is longer than %2</source>
        <translation>la ligne %1 dépasse %2</translation>
    </message>
    <message>
        <source>cannot read it</source>
        <translation>impossible de le lire</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>il dépasse %1</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 Mio</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 Kio</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 octet</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>cannot open it: %1</source>
        <translation>impossible de l’ouvrir&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot read it: %1</source>
        <translation>impossible de le lire&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot write it: %1</source>
        <translation>impossible de l’écrire&#xa0;: %1</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>aucun nom de fichier</translation>
    </message>
    <message>
        <source>the import was cancelled</source>
        <translation>l’importation a été annulée</translation>
    </message>
    <message>
        <source>no satellites in %1: is it a satellite list?</source>
        <translation>aucun satellite dans %1&#xa0;: est-ce une liste de satellites&#xa0;?</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Print FILE on the default printer.</source>
        <translation>Imprimer FILE sur l’imprimante par défaut.</translation>
    </message>
    <message>
        <source>Set-ups to open.</source>
        <translation>Configurations à ouvrir.</translation>
    </message>
</context>
<context>
    <name>metadata</name>
    <message>
        <source>Polar Mount Set-up</source>
        <translation>Réglage de monture polaire</translation>
    </message>
    <message>
        <source>Set up a motorised polar mount for a satellite dish</source>
        <translation>Régler la monture polaire motorisée d’une parabole satellite</translation>
    </message>
    <message>
        <source>satellite;dish;polar;mount;motor;geostationary;antenna;</source>
        <extracomment>Search words for the desktop&apos;s menus, each followed by a semicolon, the last one too; keep an English word where users search for it.</extracomment>
        <translation>satellite;parabole;antenne;polaire;monture;moteur;géostationnaire;dish;</translation>
    </message>
    <message>
        <source>Set up a motorised satellite dish</source>
        <translation>Régler une parabole motorisée</translation>
    </message>
    <message>
        <source>Zenbelts helps you set up a motorised polar mount for a satellite dish. Tell it where the dish stands and how the mount is adjusted, and it works out where the dish&apos;s beam sweeps as the motor turns and shows that path against the geostationary satellites you chose, so you can see at a glance which satellites the beam will hit and by how much it misses the others.</source>
        <translation>Zenbelts vous aide à régler la monture polaire motorisée d’une parabole satellite. Indiquez où se trouve la parabole et comment la monture est réglée&#xa0;: Zenbelts calcule où passe le faisceau de la parabole quand le moteur tourne et montre ce trajet face aux satellites géostationnaires choisis, pour voir d’un coup d’œil quels satellites le faisceau atteindra et de combien il manque les autres.</translation>
    </message>
    <message>
        <source>Sliders and fields for the pole&apos;s roll, the motor&apos;s azimuth and elevation, the dish&apos;s azimuth and its declination</source>
        <translation>Curseurs et champs pour l’inclinaison du mât, l’azimut et l’élévation du moteur, l’azimut de la parabole et sa déclinaison</translation>
    </message>
    <message>
        <source>The best motor elevation and declination for your location, or the ones that make the largest miss smallest</source>
        <translation>La meilleure élévation du moteur et la meilleure déclinaison pour votre emplacement, ou celles qui rendent le plus grand écart le plus petit</translation>
    </message>
    <message>
        <source>A table of the motor angle and the miss for every chosen satellite</source>
        <translation>Un tableau de l’angle du moteur et de l’écart pour chaque satellite choisi</translation>
    </message>
    <message>
        <source>What each scale, the compass and the sun tell at the dish on a given day</source>
        <translation>Ce que chaque échelle, la boussole et le soleil indiquent à la parabole un jour donné</translation>
    </message>
    <message>
        <source>A field assistant that works out how the mount really stands from where the signals peaked, and says what to turn</source>
        <translation>Un assistant qui déduit, des angles du moteur où les signaux culminaient, la position réelle de la monture, et dit quoi tourner</translation>
    </message>
    <message>
        <source>Satellite lists read from a receiver&apos;s files</source>
        <translation>Listes de satellites lues dans les fichiers d’un récepteur</translation>
    </message>
    <message>
        <source>Printed plots with a legend of the whole set-up</source>
        <translation>Tracés imprimés avec une légende de tout le réglage</translation>
    </message>
    <message>
        <source>A command-line tool that makes, changes, draws and optimises set-ups</source>
        <translation>Un outil en ligne de commande qui crée, modifie, dessine et optimise les réglages</translation>
    </message>
    <message>
        <source>A set-up: the beam&apos;s path against the satellites, the adjustments and the misses</source>
        <translation>Un réglage&#xa0;: le trajet du faisceau face aux satellites, les ajustements et les écarts</translation>
    </message>
    <message>
        <source>Zenbelt document</source>
        <translation>Document Zenbelt</translation>
    </message>
    <message>
        <source>What the dish can reach past a horizon mask and the motor&apos;s limits, and the positions to store in a receiver</source>
        <translation>Ce que la parabole peut atteindre au-delà d&apos;un masque d&apos;horizon et dans les limites du moteur, et les positions à enregistrer dans un récepteur</translation>
    </message>
    <message>
        <source>A page for the phone in your hand at the dish, which works offline</source>
        <translation>Une page pour le téléphone que vous tenez près de la parabole, qui fonctionne hors ligne</translation>
    </message>
</context>
<context>
    <name>observations</name>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the header must be %1</source>
        <translation>l’en-tête doit être %1</translation>
    </message>
    <message>
        <source>expected 3 fields (position,motorAngle,offset), found %1</source>
        <translation>3 champs attendus (position,motorAngle,offset), %1 trouvés</translation>
    </message>
    <message>
        <source>the position is missing</source>
        <translation>la position manque</translation>
    </message>
    <message>
        <source>the position is neither 0 to 3599 tenths nor a label like 19.2E</source>
        <translation>la position n’est ni un nombre de dixièmes de 0 à 3599 ni une étiquette comme 19.2E</translation>
    </message>
    <message>
        <source>the motor angle is missing</source>
        <translation>l’angle du moteur manque</translation>
    </message>
    <message>
        <source>the motor angle is not a number</source>
        <translation>l’angle du moteur n’est pas un nombre</translation>
    </message>
    <message>
        <source>the motor angle is out of range (-180 to 180 degrees)</source>
        <translation>l’angle du moteur est hors limites (-180 à 180 degrés)</translation>
    </message>
    <message>
        <source>the offset is not a number</source>
        <translation>l’écart n’est pas un nombre</translation>
    </message>
    <message>
        <source>the offset is out of range (-90 to 90 degrees)</source>
        <translation>l’écart est hors limites (-90 à 90 degrés)</translation>
    </message>
    <message>
        <source>the line is longer than %1</source>
        <translation>la ligne dépasse %1</translation>
    </message>
    <message>
        <source>no observations</source>
        <translation>aucun relevé</translation>
    </message>
    <message>
        <source>a position is out of range</source>
        <translation>une position est hors limites</translation>
    </message>
    <message>
        <source>%1 is below the horizon here</source>
        <translation>%1 est sous l’horizon ici</translation>
    </message>
    <message>
        <source>the face tilt is not a number</source>
        <translation>l&apos;inclinaison de la face n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>the face tilt lies more than 20 degrees from the set-up&apos;s at that motor angle: check the dish&apos;s offset and feed arm</source>
        <translation>l&apos;inclinaison de la face s&apos;écarte de plus de 20 degrés de celle du réglage à cet angle du moteur : vérifiez l&apos;offset et le bras de la source de la parabole</translation>
    </message>
    <message>
        <source>face tilts are read only with a set-up&apos;s dish</source>
        <translation>les inclinaisons de la face ne se lisent qu&apos;avec la parabole d&apos;un réglage</translation>
    </message>
</context>
<context>
    <name>positions</name>
    <message>
        <source>Halt: the motor stops at once</source>
        <translation>Arrêt&#xa0;: le moteur s&apos;arrête aussitôt</translation>
    </message>
    <message>
        <source>Limits off: the motor may turn to its end stops</source>
        <translation>Limites désactivées&#xa0;: le moteur peut tourner jusqu&apos;à ses butées</translation>
    </message>
    <message>
        <source>Go to %1, the east soft limit</source>
        <translation>Aller à %1, la limite logicielle côté est</translation>
    </message>
    <message>
        <source>Set the motor&apos;s east limit where it stands</source>
        <translation>Fixer la limite est du moteur là où il se trouve</translation>
    </message>
    <message>
        <source>Set the motor&apos;s west limit where it stands (the eastern sky, south of the equator)</source>
        <translation>Fixer la limite ouest du moteur là où il se trouve (le ciel est, au sud de l&apos;équateur)</translation>
    </message>
    <message>
        <source>Go to %1, the west soft limit</source>
        <translation>Aller à %1, la limite logicielle côté ouest</translation>
    </message>
    <message>
        <source>Set the motor&apos;s west limit where it stands</source>
        <translation>Fixer la limite ouest du moteur là où il se trouve</translation>
    </message>
    <message>
        <source>Set the motor&apos;s east limit where it stands (the western sky, south of the equator)</source>
        <translation>Fixer la limite est du moteur là où il se trouve (le ciel ouest, au sud de l&apos;équateur)</translation>
    </message>
    <message>
        <source>Limits on: the motor stays between the two limits from now on</source>
        <translation>Limites activées&#xa0;: le moteur reste désormais entre les deux limites</translation>
    </message>
    <message>
        <source>Go to %1 for %2</source>
        <translation>Aller à %1 pour %2</translation>
    </message>
    <message>
        <source>Store this position as slot %1 (%2)</source>
        <translation>Mémoriser cette position comme emplacement %1 (%2)</translation>
    </message>
    <message>
        <source>Go to slot %1 (%2)</source>
        <translation>Aller à l&apos;emplacement %1 (%2)</translation>
    </message>
    <message>
        <source>Recalculate: once slot %1 (%2) is peaked again and stored, every other stored position moves by as much</source>
        <translation>Recalculer&#xa0;: une fois l&apos;emplacement %1 (%2) de nouveau réglé au maximum et mémorisé, toutes les autres positions mémorisées se décalent d&apos;autant</translation>
    </message>
</context>
<context>
    <name>setup</name>
    <message>
        <source>it ends early</source>
        <translation>il se termine trop tôt</translation>
    </message>
    <message>
        <source>the %1 is out of range</source>
        <translation>valeur hors limites&#xa0;: %1</translation>
    </message>
    <message>
        <source>the %1 limits are out of range</source>
        <translation>limites hors plage&#xa0;: %1</translation>
    </message>
    <message>
        <source>the %1 is outside its limits</source>
        <translation>valeur hors de ses limites&#xa0;: %1</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>latitude</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>longitude</translation>
    </message>
    <message>
        <source>altitude</source>
        <translation>altitude</translation>
    </message>
    <message>
        <source>the set-up&apos;s extension is damaged: %1</source>
        <translation>l&apos;extension de la configuration est endommagée : %1</translation>
    </message>
    <message>
        <source>a record does not read</source>
        <translation>un enregistrement est illisible</translation>
    </message>
    <message>
        <source>dish offset</source>
        <translation>offset de la parabole</translation>
    </message>
    <message>
        <source>the feed arm is neither below nor above the dish</source>
        <translation>le bras de la source n&apos;est ni sous ni au-dessus de la parabole</translation>
    </message>
    <message>
        <source>the set-up&apos;s extension is of a later version (%1)</source>
        <translation>l&apos;extension de la configuration vient d&apos;une version plus récente (%1)</translation>
    </message>
    <message>
        <source>its version is unknown</source>
        <translation>sa version est inconnue</translation>
    </message>
    <message>
        <source>its length does not match the file</source>
        <translation>sa longueur ne correspond pas au fichier</translation>
    </message>
    <message>
        <source>its check does not match</source>
        <translation>sa somme de contrôle ne correspond pas</translation>
    </message>
    <message>
        <source>horizon mask</source>
        <translation>masque d&apos;horizon</translation>
    </message>
    <message>
        <source>motor&apos;s range</source>
        <translation>course du moteur</translation>
    </message>
    <message>
        <source>dish diameter</source>
        <translation>diamètre de la parabole</translation>
    </message>
</context>
<context>
    <name>texts</name>
    <message>
        <source>About Zenbelts</source>
        <translation>À propos de Zenbelts</translation>
    </message>
    <message>
        <source>Zenbelts Version %1</source>
        <translation>Zenbelts version %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or any later version.</source>
        <translation>Logiciel libre sous licence publique générale GNU, version 3 ou toute version ultérieure.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Zenbelt</source>
        <translation>Zenbelt</translation>
    </message>
    <message>
        <source>Zenbelt Files (*.zb)</source>
        <translation>Fichiers Zenbelt (*.zb)</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Crée un nouveau document</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ouvre un document existant</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>Ferme le document actif</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Enregistre le document actif</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Enregistre le document actif sous un nouveau nom</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Imprime le document actif</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Affiche des pages entières</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Modifie l&apos;imprimante et les options d&apos;impression</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Ouvre ce document</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Quitte l&apos;application</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Annule la dernière action</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Coupe la sélection et la place dans le Presse-papiers</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Copie la sélection et la place dans le Presse-papiers</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Insère le contenu du Presse-papiers</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Update location, ranges and satellites</source>
        <translation>Modifie l&apos;emplacement, les limites et les satellites</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Set default values for current location</source>
        <translation>Applique les valeurs par défaut de l&apos;emplacement actuel</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Affiche ou masque la barre d&apos;outils</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Afficher/masquer la barre d&apos;outils</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Affiche ou masque la barre d&apos;état</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Afficher/masquer la barre d&apos;état</translation>
    </message>
    <message>
        <source>Show or hide the tooltips of the adjustment panel</source>
        <translation>Affiche ou masque les infobulles du panneau de réglage</translation>
    </message>
    <message>
        <source>Show tooltips</source>
        <translation>Afficher les infobulles</translation>
    </message>
    <message>
        <source>Open another window for the active document</source>
        <translation>Ouvre une autre fenêtre pour le document actif</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nouvelle fenêtre</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap</source>
        <translation>Dispose les fenêtres en cascade</translation>
    </message>
    <message>
        <source>Cascade Windows</source>
        <translation>Fenêtres en cascade</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles</source>
        <translation>Dispose les fenêtres en mosaïque</translation>
    </message>
    <message>
        <source>Tile Windows</source>
        <translation>Fenêtres en mosaïque</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window</source>
        <translation>Réorganise les icônes en bas de la fenêtre</translation>
    </message>
    <message>
        <source>Arrange Icons</source>
        <translation>Réorganiser les icônes</translation>
    </message>
    <message>
        <source>Set motor elevation and declination for the smallest miss across the arc</source>
        <translation>Règle l&apos;élévation du moteur et la déclinaison pour le plus petit écart sur l&apos;arc</translation>
    </message>
    <message>
        <source>Optimise</source>
        <translation>Optimiser</translation>
    </message>
    <message>
        <source>Find how the mount really stands from what was found at the dish</source>
        <translation>Détermine le réglage réel de la monture d&apos;après les relevés faits à la parabole</translation>
    </message>
    <message>
        <source>Diagnose</source>
        <translation>Diagnostiquer</translation>
    </message>
    <message>
        <source>Activate the next document window</source>
        <translation>Active la fenêtre de document suivante</translation>
    </message>
    <message>
        <source>Next Window</source>
        <translation>Fenêtre suivante</translation>
    </message>
    <message>
        <source>Activate the previous document window</source>
        <translation>Active la fenêtre de document précédente</translation>
    </message>
    <message>
        <source>Previous Window</source>
        <translation>Fenêtre précédente</translation>
    </message>
    <message>
        <source>Close the active document window</source>
        <translation>Ferme la fenêtre de document active</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Move to the next part of the window</source>
        <translation>Passe à la partie suivante de la fenêtre</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Volet suivant</translation>
    </message>
    <message>
        <source>Move to the previous part of the window</source>
        <translation>Passe à la partie précédente de la fenêtre</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Volet précédent</translation>
    </message>
    <message>
        <source>Show or hide the table of misses</source>
        <translation>Affiche ou masque le tableau des écarts</translation>
    </message>
    <message>
        <source>Misses</source>
        <translation>Écarts</translation>
    </message>
    <message>
        <source>Show the site to enter into the receiver and its motor commands</source>
        <translation>Affiche l&apos;emplacement à saisir dans le récepteur et ses commandes moteur</translation>
    </message>
    <message>
        <source>Receiver settings</source>
        <translation>Réglages du récepteur</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Affiche les informations sur le programme, le numéro de version et le copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1&#xa0;?</translation>
    </message>
    <message>
        <source>Worst miss %1 before, %2 after (%3)</source>
        <translation>Plus grand écart&#xa0;: %1 avant, %2 après (%3)</translation>
    </message>
    <message>
        <source>over the %1 chosen satellites at least %2 up</source>
        <translation>sur les %1 satellites choisis à au moins %2 d&apos;élévation</translation>
    </message>
    <message>
        <source>over the visible arc at least %1 up (fewer than two chosen satellites are)</source>
        <translation>sur l&apos;arc visible à au moins %1 d&apos;élévation (moins de deux satellites choisis le sont)</translation>
    </message>
    <message>
        <source>Nothing to optimise: fewer than two points of the arc stand %1 above the horizon</source>
        <translation>Rien à optimiser&#xa0;: moins de deux points de l&apos;arc sont à %1 au-dessus de l&apos;horizon</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>Aucune imprimante n&apos;est disponible.</translation>
    </message>
    <message>
        <source>The page is too small for the plot and its legend. Choose a larger paper size or smaller margins in Print Setup.</source>
        <translation>La page est trop petite pour le tracé et sa légende. Choisissez un format de papier plus grand ou des marges plus petites dans Configuration de l&apos;impression.</translation>
    </message>
    <message>
        <source>Redo the action undone last</source>
        <translation>Rétablir la dernière action annulée</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Show what every scale, the compass and the sun tell at the dish, to print</source>
        <translation>Afficher ce que disent chaque échelle, la boussole et le soleil à la parabole, à imprimer</translation>
    </message>
    <message>
        <source>At the dish</source>
        <translation>À la parabole</translation>
    </message>
    <message>
        <source>Open the field page, Zenbelts for a phone at the dish, in the browser</source>
        <translation>Ouvrir dans le navigateur la page de terrain, Zenbelts pour un téléphone à la parabole</translation>
    </message>
    <message>
        <source>Field page</source>
        <translation>Page de terrain</translation>
    </message>
</context>
<context>
    <name>zenbelts::CAdjustmentBar</name>
    <message>
        <source>Auto-calculate best dish declination</source>
        <translation>Calcule automatiquement la meilleure déclinaison de la parabole</translation>
    </message>
    <message>
        <source>Auto decl.</source>
        <translation>Décl. auto</translation>
    </message>
    <message>
        <source>&amp;NS:</source>
        <translation>N&amp;S&#xa0;:</translation>
    </message>
    <message>
        <source>E&amp;L:</source>
        <translation>E&amp;L&#xa0;:</translation>
    </message>
    <message>
        <source>D&amp;C:</source>
        <translation>D&amp;C&#xa0;:</translation>
    </message>
    <message>
        <source>E&amp;W:</source>
        <translation>E&amp;W&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;MA:</source>
        <translation>&amp;MA&#xa0;:</translation>
    </message>
    <message>
        <source>D&amp;A:</source>
        <translation>&amp;DA&#xa0;:</translation>
    </message>
    <message>
        <source>Au&amp;to declination</source>
        <translation>Déclinaison au&amp;to</translation>
    </message>
    <message>
        <source>Loc&amp;k satellites</source>
        <translation>Fi&amp;ger les satellites</translation>
    </message>
</context>
<context>
    <name>zenbelts::CAtTheDishDialog</name>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>Aperçu a&amp;vant impression...</translation>
    </message>
    <message>
        <source>At the dish: %1</source>
        <translation>À la parabole : %1</translation>
    </message>
    <message>
        <source>&amp;Date (UTC):</source>
        <translation>&amp;Date (UTC) :</translation>
    </message>
    <message>
        <source>%1 UTC (%2 local)</source>
        <translation>%1 UTC (%2 heure locale)</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>verticale</translation>
    </message>
    <message>
        <source>%1 back from vertical</source>
        <translation>%1 en arrière de la verticale</translation>
    </message>
    <message>
        <source>%1 forward from vertical</source>
        <translation>%1 en avant de la verticale</translation>
    </message>
    <message>
        <source>Prime focus</source>
        <translation>Foyer primaire</translation>
    </message>
    <message>
        <source>Offset %1, feed arm above the dish</source>
        <translation>Offset %1, bras de la source au-dessus de la parabole</translation>
    </message>
    <message>
        <source>Offset %1, feed arm below the dish</source>
        <translation>Offset %1, bras de la source sous la parabole</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Dish</source>
        <translation>Parabole</translation>
    </message>
    <message>
        <source>Magnetic declination %1 (World Magnetic Model 2025)</source>
        <translation>Déclinaison magnétique %1 (World Magnetic Model 2025)</translation>
    </message>
    <message>
        <source>The model holds from 2025.0 to 2030.0: on this date the declination is extrapolated; check it against a local source.</source>
        <translation>Le modèle vaut de 2025.0 à 2030.0 : à cette date la déclinaison est extrapolée ; vérifiez-la auprès d&apos;une source locale.</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Boussole</translation>
    </message>
    <message>
        <source>True north</source>
        <translation>Nord géographique</translation>
    </message>
    <message>
        <source>True south</source>
        <translation>Sud géographique</translation>
    </message>
    <message>
        <source>Compass bearing %1</source>
        <translation>Relèvement à la boussole %1</translation>
    </message>
    <message>
        <source>Motor axis</source>
        <translation>Axe du moteur</translation>
    </message>
    <message>
        <source>Inclinometer on the axis: %1 above the horizon, towards %2 true (%3 by compass)</source>
        <translation>Inclinomètre sur l&apos;axe : %1 au-dessus de l&apos;horizon, vers %2 géographique (%3 à la boussole)</translation>
    </message>
    <message>
        <source>Motor scale</source>
        <translation>Échelle du moteur</translation>
    </message>
    <message>
        <source>%1 if it shows the axis elevation, %2 if it shows the latitude</source>
        <translation>%1 si elle indique l&apos;élévation de l&apos;axe, %2 si elle indique la latitude</translation>
    </message>
    <message>
        <source>Dish clamp</source>
        <translation>Collier de la parabole</translation>
    </message>
    <message>
        <source>%1 against the motor axis</source>
        <translation>%1 par rapport à l&apos;axe du moteur</translation>
    </message>
    <message>
        <source>Motor at zero</source>
        <translation>Moteur à zéro</translation>
    </message>
    <message>
        <source>Beam %1 up towards %2 true (%3 by compass); face %4</source>
        <translation>Faisceau %1 vers le haut, vers %2 géographique (%3 à la boussole) ; face %4</translation>
    </message>
    <message>
        <source>Due south at %1</source>
        <translation>Plein sud à %1</translation>
    </message>
    <message>
        <source>Due north at %1</source>
        <translation>Plein nord à %1</translation>
    </message>
    <message>
        <source>, %1 up: a plumb line&apos;s shadow then marks the meridian</source>
        <translation>, %1 de hauteur : l&apos;ombre d&apos;un fil à plomb marque alors le méridien</translation>
    </message>
    <message>
        <source>, below the horizon</source>
        <translation>, sous l&apos;horizon</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Élévation</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Face</translation>
    </message>
    <message>
        <source>Sun at its azimuth</source>
        <translation>Soleil à son azimut</translation>
    </message>
    <message>
        <source>%1, %2 up</source>
        <translation>%1, %2 de hauteur</translation>
    </message>
    <message>
        <source>never that day</source>
        <translation>jamais ce jour-là</translation>
    </message>
    <message>
        <source>Azimuth: true, clockwise from north. Compass: the bearing a compass shows. Motor: the turn from the motor&apos;s zero. Face: the inclinometer on the dish&apos;s face, degrees from vertical, + when the face looks up. When the sun stands at a satellite&apos;s azimuth, a plumb line&apos;s shadow points straight away from the satellite.</source>
        <translation>Azimut : géographique, dans le sens horaire depuis le nord. Boussole : le relèvement qu&apos;indique une boussole. Moteur : la rotation depuis le zéro du moteur. Face : l&apos;inclinomètre sur la face de la parabole, degrés depuis la verticale, + quand la face regarde vers le haut. Quand le soleil se tient à l&apos;azimut d&apos;un satellite, l&apos;ombre d&apos;un fil à plomb pointe droit à l&apos;opposé du satellite.</translation>
    </message>
    <message>
        <source>On %1 (UTC)</source>
        <translation>Le %1 (UTC)</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>Aucune imprimante n&apos;est disponible.</translation>
    </message>
</context>
<context>
    <name>zenbelts::CDiagnoseDialog</name>
    <message>
        <source>Diagnose %1</source>
        <translation>Diagnostic de %1</translation>
    </message>
    <message>
        <source>At the dish, drive the motor to each satellite, peak its signal and type the motor angle. Where tilting the dish up or down helps, type by how much as the offset (up +, down -). Then Fit.</source>
        <translation>À la parabole, amenez le moteur sur chaque satellite, maximisez son signal et saisissez l&apos;angle du moteur. Si incliner la parabole vers le haut ou le bas améliore le signal, saisissez de combien comme décalage (haut +, bas -). Puis cliquez sur Ajuster.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Motor angle (°)</source>
        <translation>Angle moteur (°)</translation>
    </message>
    <message>
        <source>Offset (°)</source>
        <translation>Décalage (°)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Ajuster</translation>
    </message>
    <message>
        <source>Observations</source>
        <translation>Relevés</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Réglage</translation>
    </message>
    <message>
        <source>Set-up</source>
        <translation>Prévu</translation>
    </message>
    <message>
        <source>As found</source>
        <translation>Constaté</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>Motor, set-up</source>
        <translation>Moteur, prévu</translation>
    </message>
    <message>
        <source>Motor, found</source>
        <translation>Moteur, constaté</translation>
    </message>
    <message>
        <source>Offset, set-up</source>
        <translation>Décalage, prévu</translation>
    </message>
    <message>
        <source>Offset, found</source>
        <translation>Décalage, constaté</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Observed minus computed, degrees:</source>
        <translation>Observé moins calculé, en degrés&#xa0;:</translation>
    </message>
    <message>
        <source>What to turn</source>
        <translation>Ce qu&apos;il faut tourner</translation>
    </message>
    <message>
        <source>&amp;Show the mount as found</source>
        <translation>Afficher la &amp;monture constatée</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>Aperçu a&amp;vant impression...</translation>
    </message>
    <message>
        <source>%1: the motor angle is not a number</source>
        <translation>%1&#xa0;: l&apos;angle du moteur n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1: the offset is not a number</source>
        <translation>%1&#xa0;: le décalage n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1: the motor angle is out of range (-180 to 180 degrees)</source>
        <translation>%1&#xa0;: l&apos;angle du moteur est hors limites (-180 à 180 degrés)</translation>
    </message>
    <message>
        <source>%1: the offset is out of range (-90 to 90 degrees)</source>
        <translation>%1&#xa0;: le décalage est hors limites (-90 à 90 degrés)</translation>
    </message>
    <message>
        <source>%1: an offset needs the motor angle it was found at</source>
        <translation>%1&#xa0;: un décalage exige l&apos;angle du moteur auquel il a été relevé</translation>
    </message>
    <message>
        <source>Type the motor angle of at least one satellite.</source>
        <translation>Saisissez l&apos;angle du moteur d&apos;au moins un satellite.</translation>
    </message>
    <message>
        <source>%1 as found</source>
        <translation>%1 (constaté)</translation>
    </message>
    <message>
        <source>Fit to see what to turn.</source>
        <translation>Ajustez pour voir ce qu&apos;il faut tourner.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Root-mean-square: %1° with the set-up, %2° as found</source>
        <translation>Écart quadratique moyen&#xa0;: %1° pour le réglage prévu, %2° pour le constaté</translation>
    </message>
    <message>
        <source>Undetermined: %1</source>
        <translation>Indéterminé&#xa0;: %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>Import observations</source>
        <translation>Importer des relevés</translation>
    </message>
    <message>
        <source>Observations (*.csv);;All files (*)</source>
        <translation>Relevés (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>Impossible d&apos;importer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Export observations</source>
        <translation>Exporter les relevés</translation>
    </message>
    <message>
        <source>Cannot export %1: %2</source>
        <translation>Impossible d&apos;exporter %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>Aucune imprimante n&apos;est disponible.</translation>
    </message>
    <message>
        <source>%1: what to turn</source>
        <translation>%1&#xa0;: ce qu&apos;il faut tourner</translation>
    </message>
    <message>
        <source>P&amp;recision of the motor angle (1σ, °):</source>
        <translation>Préci&amp;sion de l&apos;angle du moteur (1σ, °)&#xa0;:</translation>
    </message>
    <message>
        <source>Precision of the &amp;offset (1σ, °):</source>
        <translation>Précision du déca&amp;lage (1σ, °)&#xa0;:</translation>
    </message>
    <message>
        <source>from the residuals</source>
        <translation>d&apos;après les résidus</translation>
    </message>
    <message>
        <source>How well you find a signal&apos;s peak, in degrees: about %1 for the motor angle and %2 for the offset with a signal meter. Leave empty to estimate it from the residuals.</source>
        <translation>La précision avec laquelle vous trouvez le maximum d&apos;un signal, en degrés&#xa0;: environ %1 pour l&apos;angle du moteur et %2 pour le décalage avec un mesureur de signal. Laissez vide pour l&apos;estimer d&apos;après les résidus.</translation>
    </message>
    <message>
        <source>How sure</source>
        <translation>Degré de certitude</translation>
    </message>
    <message>
        <source>The precision of the motor angle is not a number of degrees above 0 to %1</source>
        <translation>La précision de l&apos;angle du moteur n&apos;est pas un nombre de degrés supérieur à 0 et jusqu&apos;à %1</translation>
    </message>
    <message>
        <source>The precision of the offset is not a number of degrees above 0 to %1</source>
        <translation>La précision du décalage n&apos;est pas un nombre de degrés supérieur à 0 et jusqu&apos;à %1</translation>
    </message>
    <message>
        <source>Satellites to peak next, in this order:</source>
        <translation>Satellites à relever ensuite, dans cet ordre&#xa0;:</translation>
    </message>
    <message>
        <source>worst 1σ then %1°</source>
        <translation>pire 1σ ensuite %1°</translation>
    </message>
    <message>
        <source>Chosen satellites, for the mount as found:</source>
        <translation>Satellites choisis, pour la monture constatée&#xa0;:</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Récepteur</translation>
    </message>
    <message>
        <source>The observations you typed have not been exported. They stay with %1 while it is open; export them to a file now?</source>
        <translation>Les observations saisies n’ont pas été exportées. Elles restent avec %1 tant qu’il est ouvert&#xa0;; les exporter maintenant dans un fichier&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>zenbelts::CDishSection</name>
    <message>
        <source>Dish</source>
        <translation>Parabole</translation>
    </message>
    <message>
        <source>Prime focus</source>
        <translation>Foyer primaire</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Below the dish</source>
        <translation>Sous la parabole</translation>
    </message>
    <message>
        <source>Above the dish</source>
        <translation>Au-dessus de la parabole</translation>
    </message>
    <message>
        <source>The maker&apos;s offset angle: how far the beam rises above the normal of the rim, 1 to 45 degrees</source>
        <translation>L&apos;angle d&apos;offset du fabricant : de combien le faisceau s&apos;élève au-dessus de la normale au bord, de 1 à 45 degrés</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>Offset &amp;angle:</source>
        <translation>&amp;Angle d&apos;offset :</translation>
    </message>
    <message>
        <source>&amp;Feed arm:</source>
        <translation>&amp;Bras de la source :</translation>
    </message>
</context>
<context>
    <name>zenbelts::CGeneralPage</name>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limites</translation>
    </message>
    <message>
        <source>from:</source>
        <translation>de&#xa0;:</translation>
    </message>
    <message>
        <source>to:</source>
        <translation>à&#xa0;:</translation>
    </message>
    <message>
        <source>(*) - relative to autocalculated values</source>
        <translation>(*) - par rapport aux valeurs calculées automatiquement</translation>
    </message>
    <message>
        <source>&amp;Latitude:</source>
        <translation>&amp;Latitude&#xa0;:</translation>
    </message>
    <message>
        <source>L&amp;ongitude:</source>
        <translation>L&amp;ongitude&#xa0;:</translation>
    </message>
    <message>
        <source>Al&amp;titude (m):</source>
        <translation>Al&amp;titude (m)&#xa0;:</translation>
    </message>
</context>
<context>
    <name>zenbelts::CHorizonPage</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Élévation</translation>
    </message>
    <message>
        <source>True bearing, clockwise from north</source>
        <translation>Relèvement vrai, dans le sens horaire depuis le nord</translation>
    </message>
    <message>
        <source>The lowest elevation the dish sees past at that bearing; straight lines join the points</source>
        <translation>L&apos;élévation la plus basse que la parabole voit en passant au-dessus dans cette direction&#xa0;; des lignes droites relient les points</translation>
    </message>
    <message>
        <source>Degrees from 0 to 360, clockwise from true north</source>
        <translation>Degrés de 0 à 360, dans le sens horaire depuis le nord vrai</translation>
    </message>
    <message>
        <source>Degrees from 0 to 90</source>
        <translation>Degrés de 0 à 90</translation>
    </message>
    <message>
        <source>How far the motor turns from its zero, 0 to 90 degrees</source>
        <translation>Jusqu&apos;où le moteur tourne depuis son zéro, de 0 à 90 degrés</translation>
    </message>
    <message>
        <source>Obstacles</source>
        <translation>Obstacles</translation>
    </message>
    <message>
        <source>A&amp;zimuth:</source>
        <translation>A&amp;zimut :</translation>
    </message>
    <message>
        <source>E&amp;levation:</source>
        <translation>É&amp;lévation :</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>Motor and dish</source>
        <translation>Moteur et parabole</translation>
    </message>
    <message>
        <source>Motor turns &amp;east to:</source>
        <translation>Le moteur tourne à l&apos;&amp;est jusqu&apos;à :</translation>
    </message>
    <message>
        <source>Motor turns &amp;west to:</source>
        <translation>Le moteur tourne à l&apos;&amp;ouest jusqu&apos;à :</translation>
    </message>
    <message>
        <source>Dish &amp;diameter (cm):</source>
        <translation>&amp;Diamètre de la parabole (cm) :</translation>
    </message>
    <message>
        <source>A satellite is in reach when it stands above the horizon by half the dish&apos;s beam and the motor turns that far.</source>
        <translation>Un satellite est à portée s&apos;il dépasse l&apos;horizon d&apos;une demi-largeur du faisceau de la parabole et si le moteur tourne jusque-là.</translation>
    </message>
    <message>
        <source>The azimuth must be a number of degrees from 0 to 360.</source>
        <translation>L&apos;azimut doit être un nombre de degrés de 0 à 360.</translation>
    </message>
    <message>
        <source>The elevation must be a number of degrees from 0 to 90.</source>
        <translation>L&apos;élévation doit être un nombre de degrés de 0 à 90.</translation>
    </message>
    <message>
        <source>Import the horizon</source>
        <translation>Importer l&apos;horizon</translation>
    </message>
    <message>
        <source>Horizon (*.csv);;All files (*)</source>
        <translation>Horizon (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>Impossible d&apos;importer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Export the horizon</source>
        <translation>Exporter l&apos;horizon</translation>
    </message>
    <message>
        <source>Cannot export %1: %2</source>
        <translation>Impossible d&apos;exporter %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>zenbelts::CHorizonSketch</name>
    <message>
        <source>The sky from the dish as on a map, north up: the horizon at the rim, straight up at the centre; shaded what the horizon hides, the arc in pink, the chosen satellites as dots</source>
        <translation>Le ciel vu de la parabole comme sur une carte, nord en haut&#xa0;: l&apos;horizon au bord, le zénith au centre&#xa0;; en grisé ce que l&apos;horizon cache, l&apos;arc en rose, les satellites choisis en points</translation>
    </message>
</context>
<context>
    <name>zenbelts::CMainFrame</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Configuration de l&apos;impression...</translation>
    </message>
    <message>
        <source>Propert&amp;ies</source>
        <translation>&amp;Propriétés</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>Set &amp;defaults</source>
        <translation>Valeurs par &amp;défaut</translation>
    </message>
    <message>
        <source>&amp;Optimise</source>
        <translation>&amp;Optimiser</translation>
    </message>
    <message>
        <source>Dia&amp;gnose...</source>
        <translation>Dia&amp;gnostiquer...</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>Show t&amp;ooltips</source>
        <translation>Afficher les &amp;infobulles</translation>
    </message>
    <message>
        <source>&amp;Misses</source>
        <translation>É&amp;carts</translation>
    </message>
    <message>
        <source>&amp;Receiver settings...</source>
        <translation>&amp;Réglages du récepteur...</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nouvelle fenêtre</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaïque</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Réorganiser les icônes</translation>
    </message>
    <message>
        <source>Ne&amp;xt Window</source>
        <translation>Fenêtre &amp;suivante</translation>
    </message>
    <message>
        <source>Pre&amp;vious Window</source>
        <translation>Fenêtre &amp;précédente</translation>
    </message>
    <message>
        <source>C&amp;lose Window</source>
        <translation>&amp;Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Volet suivant</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Volet précédent</translation>
    </message>
    <message>
        <source>&amp;About Zenbelts...</source>
        <translation>À &amp;propos de Zenbelts...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Win&amp;dow</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Mount as found</source>
        <translation>Monture telle que trouvée</translation>
    </message>
    <message>
        <source>&amp;At the dish...</source>
        <translation>À la &amp;parabole...</translation>
    </message>
    <message>
        <source>&amp;Field page...</source>
        <translation>Page de &amp;terrain...</translation>
    </message>
    <message>
        <source>Field page</source>
        <translation>Page de terrain</translation>
    </message>
    <message>
        <source>No browser could be started to open %1.</source>
        <translation>Aucun navigateur n&apos;a pu être lancé pour ouvrir %1.</translation>
    </message>
    <message>
        <source>The field page is not installed with this Zenbelts.</source>
        <translation>La page de terrain n&apos;est pas installée avec ce Zenbelts.</translation>
    </message>
</context>
<context>
    <name>zenbelts::CMissTable</name>
    <message>
        <source>Misses</source>
        <translation>Écarts</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>The satellite&apos;s orbital position</source>
        <translation>Position orbitale du satellite</translation>
    </message>
    <message>
        <source>The satellite&apos;s name in the list</source>
        <translation>Nom du satellite dans la liste</translation>
    </message>
    <message>
        <source>The rotation of the motor from its zero that points the beam at this satellite</source>
        <translation>Rotation du moteur depuis son zéro qui pointe le faisceau sur ce satellite</translation>
    </message>
    <message>
        <source>How far the satellite lies from the beam at that motor angle: above means the satellite lies above the beam</source>
        <translation>Écart du satellite par rapport au faisceau à cet angle du moteur&#xa0;: «&#xa0;au-dessus&#xa0;» signifie que le satellite est au-dessus du faisceau</translation>
    </message>
    <message>
        <source>How high the satellite stands above the horizon</source>
        <translation>Hauteur du satellite au-dessus de l&apos;horizon</translation>
    </message>
    <message>
        <source>The motor angle a receiver that turns the motor itself would command for an ideal polar mount at your true site</source>
        <translation>Angle moteur que commanderait un récepteur pilotant lui-même le moteur, pour une monture polaire idéale à votre emplacement réel</translation>
    </message>
    <message>
        <source>The motor angle less the receiver&apos;s, east positive: how far the receiver would turn short of this satellite</source>
        <translation>Angle moteur moins celui du récepteur, positif vers l&apos;est&#xa0;: de combien le récepteur s&apos;arrêterait avant ce satellite</translation>
    </message>
    <message>
        <source>Copy as C&amp;SV</source>
        <translation>Copier en C&amp;SV</translation>
    </message>
    <message>
        <source>&amp;Receiver columns</source>
        <translation>Colonnes du &amp;récepteur</translation>
    </message>
    <message>
        <source>%1 above</source>
        <translation>%1 au-dessus</translation>
    </message>
    <message>
        <source>%1 below</source>
        <translation>%1 en dessous</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>Miss</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Élévation</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Récepteur</translation>
    </message>
    <message>
        <source>Receiver miss</source>
        <translation>Écart récepteur</translation>
    </message>
    <message>
        <source>Hidden by the horizon: too low over the obstacles there for the dish&apos;s beam</source>
        <translation>Caché par l&apos;horizon&#xa0;: trop bas au-dessus des obstacles de ce côté pour le faisceau de la parabole</translation>
    </message>
    <message>
        <source>Below the horizon</source>
        <translation>Sous l&apos;horizon</translation>
    </message>
    <message>
        <source>Beyond the motor&apos;s limit: the motor does not turn that far</source>
        <translation>Au-delà de la limite du moteur&#xa0;: le moteur ne tourne pas si loin</translation>
    </message>
</context>
<context>
    <name>zenbelts::CNumericEdit</name>
    <message>
        <source>Not taken: %1 lies beyond the limit %2</source>
        <translation>Non retenu&#xa0;: %1 dépasse la limite %2</translation>
    </message>
    <message>
        <source>“%1” was read as %2</source>
        <translation>«&#xa0;%1&#xa0;» a été lu comme %2</translation>
    </message>
</context>
<context>
    <name>zenbelts::CPropertiesDialog</name>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>Horizon</source>
        <translation>Horizon</translation>
    </message>
</context>
<context>
    <name>zenbelts::CReceiverDialog</name>
    <message>
        <source>Copy as CSV</source>
        <translation>Copier en CSV</translation>
    </message>
    <message>
        <source>Receiver settings</source>
        <translation>Réglages du récepteur</translation>
    </message>
    <message>
        <source>Site to enter into the receiver: %1</source>
        <translation>Emplacement à saisir dans le récepteur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Fewer than two chosen satellites stand %1 above the horizon: this is the true site.</source>
        <translation>Moins de deux satellites choisis sont à %1 au-dessus de l&apos;horizon&#xa0;: c&apos;est l&apos;emplacement réel.</translation>
    </message>
    <message>
        <source>Worst miss over %1 chosen satellites at least %2 up: %3 with the true site, %4 with this one.</source>
        <translation>Plus grand écart sur %1 satellites choisis à au moins %2 d&apos;élévation&#xa0;: %3 avec l&apos;emplacement réel, %4 avec celui-ci.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>GotoX</source>
        <translation>GotoX</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Récepteur</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Octets</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Ce qu&apos;elle fait</translation>
    </message>
    <message>
        <source>The number the receiver stores the position under; 0 is the motor&apos;s reference</source>
        <translation>Le numéro sous lequel le récepteur mémorise la position&#xa0;; 0 est la référence du moteur</translation>
    </message>
    <message>
        <source>The satellite&apos;s orbital position</source>
        <translation>Position orbitale du satellite</translation>
    </message>
    <message>
        <source>The satellite&apos;s name in the list</source>
        <translation>Nom du satellite dans la liste</translation>
    </message>
    <message>
        <source>The motor angle the set-up needs, east or west of the motor&apos;s zero</source>
        <translation>L&apos;angle du moteur dont la configuration a besoin, à l&apos;est ou à l&apos;ouest du zéro du moteur</translation>
    </message>
    <message>
        <source>The motor angle a receiver computes by itself for the true site</source>
        <translation>L&apos;angle du moteur qu&apos;un récepteur calcule lui-même pour l&apos;emplacement réel</translation>
    </message>
    <message>
        <source>Seconds the motor takes from the slot before, the first from its zero</source>
        <translation>Secondes que met le moteur depuis l&apos;emplacement précédent, le premier depuis son zéro</translation>
    </message>
    <message>
        <source>The DiSEqC command that turns the motor to this angle</source>
        <translation>La commande DiSEqC qui tourne le moteur vers cet angle</translation>
    </message>
    <message>
        <source>How far past the outermost satellite each soft limit lies, 0 to 30 degrees</source>
        <translation>À quelle distance au-delà du satellite le plus extérieur se trouve chaque limite logicielle, de 0 à 30 degrés</translation>
    </message>
    <message>
        <source>How many degrees a second the motor turns, as its maker gives it</source>
        <translation>Combien de degrés par seconde tourne le moteur, selon son fabricant</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <source>Soft limit &amp;margin (degrees):</source>
        <translation>&amp;Marge des limites logicielles (degrés) :</translation>
    </message>
    <message>
        <source>Motor &amp;speed (degrees a second):</source>
        <translation>&amp;Vitesse du moteur (degrés par seconde) :</translation>
    </message>
    <message>
        <source>DiSEqC 1.2 commands for a receiver that sends them raw, in order:</source>
        <translation>Commandes DiSEqC 1.2 pour un récepteur qui les envoie brutes, dans l&apos;ordre&#xa0;:</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>No chosen satellite is in reach: nothing to store, no limits to set.</source>
        <translation>Aucun satellite choisi n&apos;est à portée&#xa0;: rien à mémoriser, aucune limite à fixer.</translation>
    </message>
    <message>
        <source>Soft limits: east %1, west %2, %3 past the outermost slots where the horizon and the motor allow.</source>
        <translation>Limites logicielles&#xa0;: est %1, ouest %2, %3 au-delà des emplacements extrêmes, là où l&apos;horizon et le moteur le permettent.</translation>
    </message>
    <message>
        <source>%1, hidden by the horizon</source>
        <translation>%1, caché par l&apos;horizon</translation>
    </message>
    <message>
        <source>%1, beyond the motor&apos;s limit</source>
        <translation>%1, au-delà de la limite du moteur</translation>
    </message>
    <message>
        <source>%1, no slot left</source>
        <translation>%1, plus d&apos;emplacement libre</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>Laissés de côté&#xa0;: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <source>Export the positions</source>
        <translation>Exporter les positions</translation>
    </message>
    <message>
        <source>Positions (*.csv);;All files (*)</source>
        <translation>Positions (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Cannot export %1: %2</source>
        <translation>Impossible d&apos;exporter %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>zenbelts::CSatellitesPage</name>
    <message>
        <source>Files...</source>
        <translation>Fichiers...</translation>
    </message>
    <message>
        <source>Folder...</source>
        <translation>Dossier...</translation>
    </message>
    <message>
        <source>Make a list of receivers&apos; files your own satellite list</source>
        <translation>Crée votre propre liste de satellites à partir de fichiers de récepteurs</translation>
    </message>
    <message>
        <source>Drop your own list and use the list that came with the program</source>
        <translation>Abandonne votre propre liste et utilise celle fournie avec le programme</translation>
    </message>
    <message>
        <source>Check the satellites that a receiver&apos;s channel or satellite lists name</source>
        <translation>Coche les satellites cités dans les listes de chaînes ou de satellites d&apos;un récepteur</translation>
    </message>
    <message>
        <source>Folder of receiver files</source>
        <translation>Dossier des fichiers du récepteur</translation>
    </message>
    <message>
        <source>Receiver files</source>
        <translation>Fichiers du récepteur</translation>
    </message>
    <message>
        <source>Receiver lists (*.xml *.conf *.ini *.txt lamedb*);;All files (*)</source>
        <translation>Listes de récepteur (*.xml *.conf *.ini *.txt lamedb*);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The files name no satellite positions.</source>
        <translation>Les fichiers ne citent aucune position de satellite.</translation>
    </message>
    <message>
        <source>%1 of the %2 positions named chosen; the others are not in the list.</source>
        <translation>%1 des %2 positions citées choisies&#xa0;; les autres ne sont pas dans la liste.</translation>
    </message>
    <message>
        <source>1 satellite chosen.</source>
        <translation>1 satellite choisi.</translation>
    </message>
    <message>
        <source>%1 satellites chosen.</source>
        <translation>%1 satellites choisis.</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>Tout &amp;cocher</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Tout &amp;décocher</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtre&#xa0;:</translation>
    </message>
    <message>
        <source>name or position</source>
        <translation>nom ou position</translation>
    </message>
    <message>
        <source>Check every satellite shown</source>
        <translation>Coche tous les satellites affichés</translation>
    </message>
    <message>
        <source>Uncheck every satellite shown</source>
        <translation>Décoche tous les satellites affichés</translation>
    </message>
    <message>
        <source>&amp;Import list...</source>
        <translation>&amp;Importer une liste...</translation>
    </message>
    <message>
        <source>Use the s&amp;hipped list</source>
        <translation>Utiliser la liste &amp;fournie</translation>
    </message>
    <message>
        <source>Choose from &amp;receiver files...</source>
        <translation>Choisir d’après le &amp;récepteur...</translation>
    </message>
</context>
<context>
    <name>zenbelts::CZenbeltsApp</name>
    <message>
        <source>read %1, merged %2, skipped %3</source>
        <translation>lus&#xa0;: %1, fusionnés&#xa0;: %2, ignorés&#xa0;: %3</translation>
    </message>
    <message>
        <source>No satellites found: %1.</source>
        <translation>Aucun satellite trouvé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>There is no folder to keep your own list in.</source>
        <translation>Aucun dossier ne permet de conserver votre propre liste.</translation>
    </message>
    <message>
        <source>Cannot save your list %1: %2</source>
        <translation>Impossible d&apos;enregistrer votre liste %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Imported 1 satellite: %1.</source>
        <translation>1 satellite importé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Imported %1 satellites: %2.</source>
        <translation>%1 satellites importés&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot remove your list %1.</source>
        <translation>Impossible de supprimer votre liste %1.</translation>
    </message>
    <message>
        <source>The shipped list is used: %1 satellites.</source>
        <translation>La liste fournie est utilisée&#xa0;: %1 satellites.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Unable to load sats.lst: %1</source>
        <translation>Impossible de charger sats.lst&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your satellite list %1 cannot be read, so the shipped list is used instead: %2</source>
        <translation>Votre liste de satellites %1 est illisible, la liste fournie est donc utilisée à la place&#xa0;: %2</translation>
    </message>
    <message>
        <source>; names cut to fit: %1</source>
        <translation>&#xa0;; noms raccourcis&#xa0;: %1</translation>
    </message>
    <message>
        <source>The observations typed for %1 have not been exported, and some of them do not read. Close without them?</source>
        <translation>Les observations saisies pour %1 n’ont pas été exportées, et certaines sont illisibles. Fermer sans elles&#xa0;?</translation>
    </message>
    <message>
        <source>The observations typed for %1 have not been exported. Export them before closing?</source>
        <translation>Les observations saisies pour %1 n’ont pas été exportées. Les exporter avant de fermer&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
</context>
<context>
    <name>zenbelts::CZenbeltsDoc</name>
    <message>
        <source>not a valid Zenbelt file: %1</source>
        <translation>fichier Zenbelt non valide&#xa0;: %1</translation>
    </message>
    <message>
        <source> Location: %1</source>
        <translation> Emplacement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>Auto declination</source>
        <translation>Déclinaison automatique</translation>
    </message>
    <message>
        <source>Lock satellites</source>
        <translation>Fixer les satellites</translation>
    </message>
    <message>
        <source>Set defaults</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>The location changed: every adjustment is back at its default. Undo brings them back.</source>
        <translation>Le lieu a changé&#xa0;: chaque réglage est revenu à sa valeur par défaut. Annuler les rétablit.</translation>
    </message>
    <message>
        <source>Optimise</source>
        <translation>Optimiser</translation>
    </message>
</context>
</TS>
