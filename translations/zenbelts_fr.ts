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
    <name>ImportProgress</name>
    <message>
        <source>Reading receiver files...</source>
        <translation>Lecture des fichiers du récepteur...</translation>
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
        <source>Worst miss %1° before, %2° after (%3)</source>
        <translation>Plus grand écart&#xa0;: %1° avant, %2° après (%3)</translation>
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
        <source>Nothing to turn: the mount stands as the set-up.</source>
        <translation>Rien à tourner&#xa0;: la monture est conforme au réglage prévu.</translation>
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
        <source>%1: turn %2° %3, from %4 to %5</source>
        <translation>%1&#xa0;: tourner de %2° vers %3, de %4 à %5</translation>
    </message>
    <message>
        <source>The observations cannot tell these adjustments apart; they stay as set up.</source>
        <translation>Les relevés ne permettent pas de distinguer ces réglages&#xa0;; ils restent tels que prévus.</translation>
    </message>
    <message>
        <source>Observing the satellite at %1 would tell them apart.</source>
        <translation>Un relevé du satellite à %1 permettrait de les distinguer.</translation>
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
        <source>Latitude:</source>
        <translation>Latitude&#xa0;:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitude&#xa0;:</translation>
    </message>
    <message>
        <source>Altitude (m):</source>
        <translation>Altitude (m)&#xa0;:</translation>
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
        <source>Worst miss over %1 chosen satellites at least %2 up: %3° with the true site, %4° with this one.</source>
        <translation>Plus grand écart sur %1 satellites choisis à au moins %2 d&apos;élévation&#xa0;: %3° avec l&apos;emplacement réel, %4° avec celui-ci.</translation>
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
        <source>Receiver miss</source>
        <translation>Écart récepteur</translation>
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
        <translation>Importer une liste...</translation>
    </message>
    <message>
        <source>Use the shipped list</source>
        <translation>Utiliser la liste fournie</translation>
    </message>
    <message>
        <source>Choose from receiver files...</source>
        <translation>Choisir d&apos;après le récepteur...</translation>
    </message>
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
</context>
</TS>
