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
    <name>ImportProgress</name>
    <message>
        <source>Reading receiver files...</source>
        <translation>Leyendo los archivos del receptor...</translation>
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
        <source>Worst miss %1° before, %2° after (%3)</source>
        <translation>Peor desvío: %1° antes, %2° después (%3)</translation>
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
        <source>Nothing to turn: the mount stands as the set-up.</source>
        <translation>Nada que girar: la montura está como se configuró.</translation>
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
        <source>%1: turn %2° %3, from %4 to %5</source>
        <translation>%1: girar %2° hacia %3, de %4 a %5</translation>
    </message>
    <message>
        <source>The observations cannot tell these adjustments apart; they stay as set up.</source>
        <translation>Las observaciones no permiten distinguir estos ajustes; se mantienen como están configurados.</translation>
    </message>
    <message>
        <source>Observing the satellite at %1 would tell them apart.</source>
        <translation>Observar el satélite en %1 permitiría distinguirlos.</translation>
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
        <source>Latitude:</source>
        <translation>Latitud:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitud:</translation>
    </message>
    <message>
        <source>Altitude (m):</source>
        <translation>Altitud (m):</translation>
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
        <source>Worst miss over %1 chosen satellites at least %2 up: %3° with the true site, %4° with this one.</source>
        <translation>Peor desvío en %1 satélites elegidos con al menos %2 de elevación: %3° con la ubicación real, %4° con esta.</translation>
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
        <source>Receiver miss</source>
        <translation>Desvío del receptor</translation>
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
        <translation>Importar lista...</translation>
    </message>
    <message>
        <source>Use the shipped list</source>
        <translation>Usar la lista incluida</translation>
    </message>
    <message>
        <source>Choose from receiver files...</source>
        <translation>Elegir de archivos del receptor...</translation>
    </message>
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
</context>
</TS>
