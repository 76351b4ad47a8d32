<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CharacterLoader</name>
    <message>
        <source>The sprite workspace %1 cannot be read</source>
        <translation>No se puede leer el espacio de trabajo de sprites %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made for the sprites: %2</source>
        <translation>No se puede crear la carpeta %1 para los sprites: %2</translation>
    </message>
    <message>
        <source>Status: Loading SFF file</source>
        <translation>Estado: cargando archivo SFF</translation>
    </message>
    <message>
        <source>The spawn script cannot be written in %1.</source>
        <translation>No se puede escribir el script de lanzamiento en %1.</translation>
    </message>
    <message>
        <source>Unpacking the sprites</source>
        <translation>Desempaquetando los sprites</translation>
    </message>
    <message>
        <source>The sprite file %1 was not unpacked: cancelled.</source>
        <translation>El archivo de sprites %1 no se desempaquetó: cancelado.</translation>
    </message>
    <message>
        <source>the sprite tool wrote no sprite index.</source>
        <translation>la herramienta de sprites no escribió ningún índice de sprites.</translation>
    </message>
    <message>
        <source>The sprite file %1 cannot be unpacked: %2</source>
        <translation>No se puede desempaquetar el archivo de sprites %1: %2</translation>
    </message>
    <message>
        <source>The sprite file %1 cannot be unpacked</source>
        <translation>No se puede desempaquetar el archivo de sprites %1</translation>
    </message>
    <message>
        <source>Status: Indexing images</source>
        <translation>Estado: indexando imágenes</translation>
    </message>
    <message>
        <source>Indexing images</source>
        <translation>Indexando imágenes</translation>
    </message>
    <message>
        <source>%1: the first sprite&apos;s picture is missing.</source>
        <translation>%1: falta la imagen del primer sprite.</translation>
    </message>
    <message>
        <source>The sprite workspace in %1 cannot be replaced: %2</source>
        <translation>No se puede reemplazar el espacio de trabajo de sprites en %1: %2</translation>
    </message>
    <message>
        <source>A file referenced in the .DEF file does not exist?</source>
        <translation>¿Un archivo indicado en el archivo .DEF no existe?</translation>
    </message>
</context>
<context>
    <name>DocumentViews</name>
    <message>
        <source>%1 changed on disk since Vantrel read it.  Save your version over it?</source>
        <translation>%1 cambió en el disco desde que Vantrel lo leyó.  ¿Guardar tu versión encima?</translation>
    </message>
    <message>
        <source>Discard your changes to %1?</source>
        <translation>¿Descartar tus cambios en %1?</translation>
    </message>
</context>
<context>
    <name>FramePanel</name>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Volteo</translation>
    </message>
    <message>
        <source>Blend</source>
        <translation>Mezcla</translation>
    </message>
    <message>
        <source>Scale X</source>
        <translation>Escala X</translation>
    </message>
    <message>
        <source>Scale Y</source>
        <translation>Escala Y</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>%1 does not read</source>
        <translation>%1 no se puede leer</translation>
    </message>
    <message>
        <source>%1 is out of range</source>
        <translation>%1 está fuera de rango</translation>
    </message>
</context>
<context>
    <name>GuardedApplication</name>
    <message>
        <source>Vantrel could not finish that: %1. Your other work is unchanged.</source>
        <translation>Vantrel no pudo terminar eso: %1. El resto de tu trabajo no ha cambiado.</translation>
    </message>
</context>
<context>
    <name>HistoryActions</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Problem with associated AIR file.</source>
        <translation>Problema con el archivo AIR asociado.</translation>
    </message>
    <message>
        <source>Can&apos;t divide by zero</source>
        <translation>No se puede dividir entre cero</translation>
    </message>
    <message>
        <source>This is not a valid 256-colour Jasc PAL file.  Please choose another.</source>
        <translation>Este no es un archivo PAL de Jasc válido de 256 colores.  Elige otro.</translation>
    </message>
    <message>
        <source>A sound bank holds at most 32767 samples.</source>
        <translation>Un banco de sonidos contiene como máximo 32767 muestras.</translation>
    </message>
    <message>
        <source>A sound bank must stay under 2 GB.</source>
        <translation>Un banco de sonidos debe ocupar menos de 2 GB.</translation>
    </message>
    <message>
        <source>Not a valid SND file!</source>
        <translation>¡No es un archivo SND válido!</translation>
    </message>
    <message>
        <source>No associated Sound file.
Please reference one in the DEF file, or create one now.</source>
        <translation>No hay un archivo de sonido asociado.
Indica uno en el archivo DEF o crea uno ahora.</translation>
    </message>
    <message>
        <source>Not enough disk space. Free some space then retry.</source>
        <translation>No hay suficiente espacio en disco. Libera algo de espacio y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load that pcx file!</source>
        <translation>¡Lo siento, no se puede cargar ese archivo pcx!</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load that png file!</source>
        <translation>¡Lo siento, no se puede cargar ese archivo png!</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Éxito</translation>
    </message>
    <message>
        <source>This is not a valid WAV file. Choose another file.</source>
        <translation>Este no es un archivo WAV válido. Elige otro archivo.</translation>
    </message>
    <message>
        <source>Samples written to disk</source>
        <translation>Muestras escritas en el disco</translation>
    </message>
    <message>
        <source>You have unsaved changes. Do you want to save?</source>
        <translation>Tienes cambios sin guardar. ¿Quieres guardarlos?</translation>
    </message>
    <message>
        <source>There is no Sound Card on this system.</source>
        <translation>No hay tarjeta de sonido en este sistema.</translation>
    </message>
    <message>
        <source>Please type a whole number from 0 to 2147483647.</source>
        <translation>Escribe un número entero de 0 a 2147483647.</translation>
    </message>
    <message>
        <source>The sound bank cannot take more samples: it holds at most 32767 and must stay under 2 GB.</source>
        <translation>El banco de sonidos no admite más muestras: contiene como máximo 32767 y debe ocupar menos de 2 GB.</translation>
    </message>
    <message>
        <source>The sprites have changes that are not in an SFF file yet. Save them first?</source>
        <translation>Los sprites tienen cambios que aún no están en un archivo SFF. ¿Guardarlos primero?</translation>
    </message>
    <message>
        <source>The sprites are read when the character is opened: open it again to read the SFF anew.</source>
        <translation>Los sprites se leen al abrir el personaje: ábrelo de nuevo para volver a leer el SFF.</translation>
    </message>
    <message>
        <source>The SFF file is still being built.</source>
        <translation>El archivo SFF aún se está generando.</translation>
    </message>
    <message>
        <source>There are no sprites to build an SFF file from.</source>
        <translation>No hay sprites con los que generar un archivo SFF.</translation>
    </message>
    <message>
        <source>Too many images!</source>
        <translation>¡Demasiadas imágenes!</translation>
    </message>
    <message>
        <source>The sprite index is too large (more than 99,000 lines).</source>
        <translation>El índice de sprites es demasiado grande (más de 99 000 líneas).</translation>
    </message>
    <message>
        <source>The sprite index is too large (more than 20,000 images).</source>
        <translation>El índice de sprites es demasiado grande (más de 20 000 imágenes).</translation>
    </message>
    <message>
        <source>There is no place to open documents in.</source>
        <translation>No hay ningún lugar donde abrir documentos.</translation>
    </message>
    <message>
        <source>Could not write the file: it has no name yet.</source>
        <translation>No se pudo escribir el archivo: aún no tiene nombre.</translation>
    </message>
    <message>
        <source>cannot read the character definition</source>
        <translation>no se puede leer la definición del personaje</translation>
    </message>
    <message>
        <source>ikemenversion %1 is not a version number (such as 0.99 or 1.0)</source>
        <translation>ikemenversion %1 no es un número de versión (como 0.99 o 1.0)</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 no existe</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>sprite %1 appears twice in %2</source>
        <translation>el sprite %1 aparece dos veces en %2</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>%1 is not a sound bank that can be read</source>
        <translation>%1 no es un banco de sonidos legible</translation>
    </message>
    <message>
        <source>sprite %1 is used by no action</source>
        <translation>ninguna acción usa el sprite %1</translation>
    </message>
    <message>
        <source>the character is too large to check</source>
        <translation>el personaje es demasiado grande para revisarlo</translation>
    </message>
    <message>
        <source>cannot check: %1</source>
        <translation>no se puede revisar: %1</translation>
    </message>
    <message>
        <source>%1 is too large to read</source>
        <translation>%1 es demasiado grande para leerlo</translation>
    </message>
    <message>
        <source>action %1 is defined again (first at line %2)</source>
        <translation>la acción %1 se define de nuevo (primero en la línea %2)</translation>
    </message>
    <message>
        <source>frame %1 of action %2 shows sprite %3, which %4 does not have</source>
        <translation>el fotograma %1 de la acción %2 muestra el sprite %3, que %4 no tiene</translation>
    </message>
    <message>
        <source>%1 count says %2 but %3 box follows</source>
        <translation>la cuenta de %1 dice %2, pero sigue %3 caja</translation>
    </message>
    <message>
        <source>%1 count says %2 but %3 boxes follow</source>
        <translation>la cuenta de %1 dice %2, pero siguen %3 cajas</translation>
    </message>
    <message>
        <source>%1 box under a %2 count line</source>
        <translation>caja %1 bajo una línea de cuenta de %2</translation>
    </message>
    <message>
        <source>Loopstart is the last line of its action: no frame follows it</source>
        <translation>Loopstart es la última línea de su acción: no le sigue ningún fotograma</translation>
    </message>
    <message>
        <source>%1 is an %2 controller; this character is for %3</source>
        <translation>%1 es un controlador de %2; este personaje es para %3</translation>
    </message>
    <message>
        <source>%1 is a %2 controller; this character is for %3</source>
        <translation>%1 es un controlador de %2; este personaje es para %3</translation>
    </message>
    <message>
        <source>%1 is an %2 trigger; this character is for %3</source>
        <translation>%1 es un trigger de %2; este personaje es para %3</translation>
    </message>
    <message>
        <source>%1 is a %2 trigger; this character is for %3</source>
        <translation>%1 es un trigger de %2; este personaje es para %3</translation>
    </message>
    <message>
        <source>%1 is neither beside the character nor in the engine&apos;s data folder here; the engine&apos;s own common states are assumed</source>
        <translation>%1 no está junto al personaje ni en la carpeta data del motor; se suponen los estados comunes propios del motor</translation>
    </message>
    <message>
        <source>Statedef without a readable state number</source>
        <translation>Statedef sin un número de estado legible</translation>
    </message>
    <message>
        <source>Statedef %1 is defined again (first at %2)</source>
        <translation>Statedef %1 se define de nuevo (primero en %2)</translation>
    </message>
    <message>
        <source>controller outside any Statedef</source>
        <translation>controlador fuera de todo Statedef</translation>
    </message>
    <message>
        <source>%1 uses action %2, which %3 does not have</source>
        <translation>%1 usa la acción %2, que %3 no tiene</translation>
    </message>
    <message>
        <source>controller without a type</source>
        <translation>controlador sin type</translation>
    </message>
    <message>
        <source>unknown controller type %1</source>
        <translation>type de controlador desconocido %1</translation>
    </message>
    <message>
        <source>%1 without %2</source>
        <translation>%1 sin %2</translation>
    </message>
    <message>
        <source>%1 without any of %2 or %3</source>
        <translation>%1 sin ninguno de %2 o %3</translation>
    </message>
    <message>
        <source>%1 is not a parameter of %2</source>
        <translation>%1 no es un parámetro de %2</translation>
    </message>
    <message>
        <source>%1: did you mean %2?</source>
        <translation>%1: ¿quisiste decir %2?</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 without a value</source>
        <translation>%1 sin valor</translation>
    </message>
    <message>
        <source>%1 to state %2, which no state file defines</source>
        <translation>%1 al estado %2, que ningún archivo de estados define</translation>
    </message>
    <message>
        <source>%1 of %2 is empty</source>
        <translation>%1 de %2 está vacío</translation>
    </message>
    <message>
        <source>%1 plays sound %2, which %3 does not have</source>
        <translation>%1 reproduce el sonido %2, que %3 no tiene</translation>
    </message>
    <message>
        <source>controller without any trigger</source>
        <translation>controlador sin ningún trigger</translation>
    </message>
    <message>
        <source>controller without trigger1</source>
        <translation>controlador sin trigger1</translation>
    </message>
    <message>
        <source>%1 is missing: the triggers after it are never read</source>
        <translation>falta %1: los triggers posteriores nunca se leen</translation>
    </message>
    <message>
        <source>unbalanced parentheses in %1</source>
        <translation>paréntesis desequilibrados en %1</translation>
    </message>
    <message>
        <source>string without its closing quote in %1</source>
        <translation>cadena sin su comilla de cierre en %1</translation>
    </message>
    <message>
        <source>unknown trigger %1 in %2</source>
        <translation>trigger desconocido %1 en %2</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 está vacío</translation>
    </message>
    <message>
        <source>command %1 is not defined in %2</source>
        <translation>el comando %1 no está definido en %2</translation>
    </message>
    <message>
        <source>%1 is not state letters (S, C, A)</source>
        <translation>%1 no son letras de estado (S, C, A)</translation>
    </message>
    <message>
        <source>%1 is not an attack attribute (N, S, H or A, then A, T or P)</source>
        <translation>%1 no es un atributo de ataque (N, S, H o A, y luego A, T o P)</translation>
    </message>
    <message>
        <source>%1 is out of range: %2 goes from 0 to %3</source>
        <translation>%1 está fuera de rango: %2 va de 0 a %3</translation>
    </message>
    <message>
        <source>%1 %2 is not one of %3</source>
        <translation>%1 %2 no es ninguno de %3</translation>
    </message>
    <message>
        <source>%1 %2 %3: %4</source>
        <translation>%1 %2 %3: %4</translation>
    </message>
    <message>
        <source>%1 %2 holds %3, which the engine does not take</source>
        <translation>%1 %2 contiene %3, que el motor no acepta</translation>
    </message>
    <message>
        <source>postype %1 is not one of p1, p2, front, back, left, right</source>
        <translation>postype %1 no es ninguno de p1, p2, front, back, left, right</translation>
    </message>
    <message>
        <source>the condition of if</source>
        <translation>la condición de if</translation>
    </message>
    <message>
        <source>the expression in %1 is too long to check its names</source>
        <translation>la expresión de %1 es demasiado larga para revisar sus nombres</translation>
    </message>
    <message>
        <source>box line does not read as four numbers</source>
        <translation>la línea de caja no se lee como cuatro números</translation>
    </message>
    <message>
        <source>box number outside -32768 to 32767</source>
        <translation>número de caja fuera de -32768 a 32767</translation>
    </message>
    <message>
        <source>box written with left after right or top below bottom</source>
        <translation>caja escrita con la izquierda tras la derecha o la parte superior bajo la inferior</translation>
    </message>
    <message>
        <source>box index not below the block&apos;s count</source>
        <translation>índice de caja no inferior a la cuenta del bloque</translation>
    </message>
    <message>
        <source>box line without a count line above it</source>
        <translation>línea de caja sin una línea de cuenta encima</translation>
    </message>
    <message>
        <source>box line of the other kind than its count line</source>
        <translation>línea de caja de otro tipo que su línea de cuenta</translation>
    </message>
    <message>
        <source>box count is not a number</source>
        <translation>la cuenta de cajas no es un número</translation>
    </message>
    <message>
        <source>box count disagrees with the boxes that follow</source>
        <translation>la cuenta de cajas no coincide con las cajas que siguen</translation>
    </message>
    <message>
        <source>boxes that no frame of the action follows</source>
        <translation>cajas a las que no sigue ningún fotograma de la acción</translation>
    </message>
    <message>
        <source>frame line does not read as group, image, x, y, time</source>
        <translation>la línea de fotograma no se lee como group, image, x, y, time</translation>
    </message>
    <message>
        <source>line before the first action header</source>
        <translation>línea antes del primer encabezado de acción</translation>
    </message>
    <message>
        <source>action header without a readable number</source>
        <translation>encabezado de acción sin un número legible</translation>
    </message>
    <message>
        <source>Loopstart with no frame after it</source>
        <translation>Loopstart sin fotograma después</translation>
    </message>
    <message>
        <source>line not understood</source>
        <translation>línea no entendida</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>problema</translation>
    </message>
    <message>
        <source>too many problems; those after this line are not listed</source>
        <translation>demasiados problemas; no se listan los posteriores a esta línea</translation>
    </message>
    <message>
        <source>&apos;%1&apos; without its opening bracket</source>
        <translation>&apos;%1&apos; sin su paréntesis de apertura</translation>
    </message>
    <message>
        <source>string without its closing quote</source>
        <translation>cadena sin su comilla de cierre</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is never closed</source>
        <translation>&apos;%1&apos; nunca se cierra</translation>
    </message>
    <message>
        <source>%1 without its &apos;{&apos;</source>
        <translation>%1 sin su &apos;{&apos;</translation>
    </message>
    <message>
        <source>state header without its closing &apos;]&apos;</source>
        <translation>encabezado de estado sin su &apos;]&apos; de cierre</translation>
    </message>
    <message>
        <source>function header without a name</source>
        <translation>encabezado de función sin nombre</translation>
    </message>
    <message>
        <source>unknown header [%1]: a state starts with [StateDef n; ...]</source>
        <translation>encabezado desconocido [%1]: un estado empieza con [StateDef n; ...]</translation>
    </message>
    <message>
        <source>StateDef without a readable state number</source>
        <translation>StateDef sin un número de estado legible</translation>
    </message>
    <message>
        <source>state header part &quot;%1&quot; is not &quot;key: value&quot;</source>
        <translation>la parte &quot;%1&quot; del encabezado de estado no es &quot;clave: valor&quot;</translation>
    </message>
    <message>
        <source>&apos;{&apos; of %1 is never closed</source>
        <translation>la &apos;{&apos; de %1 nunca se cierra</translation>
    </message>
    <message>
        <source>&apos;{&apos; inside the parameters of %1</source>
        <translation>&apos;{&apos; dentro de los parámetros de %1</translation>
    </message>
    <message>
        <source>parameter of %1 without its &quot;name:&quot;</source>
        <translation>parámetro de %1 sin su &quot;name:&quot;</translation>
    </message>
    <message>
        <source>code outside any [StateDef] or [Function]</source>
        <translation>código fuera de todo [StateDef] o [Function]</translation>
    </message>
    <message>
        <source>&apos;}&apos; without its &apos;{&apos;</source>
        <translation>&apos;}&apos; sin su &apos;{&apos;</translation>
    </message>
    <message>
        <source>if without a condition</source>
        <translation>if sin condición</translation>
    </message>
    <message>
        <source>else without its if</source>
        <translation>else sin su if</translation>
    </message>
    <message>
        <source>%1 without &quot;name =&quot;</source>
        <translation>%1 sin &quot;name =&quot;</translation>
    </message>
    <message>
        <source>%1 without its &apos;:&apos;</source>
        <translation>%1 sin su &apos;:&apos;</translation>
    </message>
    <message>
        <source>%1 outside a switch</source>
        <translation>%1 fuera de un switch</translation>
    </message>
    <message>
        <source>call without &quot;Function(...)&quot;</source>
        <translation>call sin &quot;Function(...)&quot;</translation>
    </message>
    <message>
        <source>unknown statement &quot;%1&quot;</source>
        <translation>instrucción desconocida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the file is too large to read</source>
        <translation>el archivo es demasiado grande para leerlo</translation>
    </message>
    <message>
        <source>Frame no:%1</source>
        <translation>Fotograma nº:%1</translation>
    </message>
    <message>
        <source>Group:%1</source>
        <translation>Grupo:%1</translation>
    </message>
    <message>
        <source>Image:%1</source>
        <translation>Imagen:%1</translation>
    </message>
    <message>
        <source>Duration:%1</source>
        <translation>Duración:%1</translation>
    </message>
    <message>
        <source>The palette file %1 cannot be read.</source>
        <translation>No se puede leer el archivo de paleta %1.</translation>
    </message>
    <message>
        <source>The palette file %1 holds only%2 bytes; a palette needs 768.</source>
        <translation>El archivo de paleta %1 tiene solo%2 bytes; una paleta necesita 768.</translation>
    </message>
    <message>
        <source>sound %1 of %2</source>
        <translation>el sonido %1 de %2</translation>
    </message>
    <message>
        <source>the header&apos;s sound count, %1, is more than the %2 bytes after the header can hold</source>
        <translation>la cuenta de sonidos de la cabecera, %1, es más de lo que caben en los %2 bytes tras la cabecera</translation>
    </message>
    <message>
        <source>truncated: the sub-header of %1 is at offset %2, the file ends at %3</source>
        <translation>truncado: la subcabecera de %1 está en el desplazamiento %2, el archivo termina en %3</translation>
    </message>
    <message>
        <source>the sub-header of %1 at offset %2 has a value above 2147483647</source>
        <translation>la subcabecera de %1 en el desplazamiento %2 tiene un valor mayor que 2147483647</translation>
    </message>
    <message>
        <source>truncated: the sub-header of %1 says %2 bytes of data at offset %3, the file ends at %4</source>
        <translation>truncado: la subcabecera de %1 indica %2 bytes de datos en el desplazamiento %3, el archivo termina en %4</translation>
    </message>
    <message>
        <source>the data of %1 at offset %2 could not be read</source>
        <translation>no se pudieron leer los datos de %1 en el desplazamiento %2</translation>
    </message>
    <message>
        <source>the WAV data of %1 at offset %2 is %3 bytes, too short to give its format</source>
        <translation>los datos WAV de %1 en el desplazamiento %2 ocupan %3 bytes, demasiado pocos para dar su formato</translation>
    </message>
    <message>
        <source>the WAV data of %1 at offset %2 gives a rate, channel count or sample size out of range</source>
        <translation>los datos WAV de %1 en el desplazamiento %2 dan una frecuencia, un número de canales o un tamaño de muestra fuera de rango</translation>
    </message>
    <message>
        <source>the next offset of %1 is %2, before the end of that sound at %3</source>
        <translation>el siguiente desplazamiento de %1 es %2, antes del final de ese sonido en %3</translation>
    </message>
    <message>
        <source>truncated: the file is %1 bytes long, shorter than the %2-byte SND header</source>
        <translation>truncado: el archivo tiene %1 bytes, menos que la cabecera SND de %2 bytes</translation>
    </message>
    <message>
        <source>the header gives more than %1 sounds</source>
        <translation>la cabecera indica más de %1 sonidos</translation>
    </message>
    <message>
        <source>the header&apos;s first offset is above 32767</source>
        <translation>el primer desplazamiento de la cabecera es mayor que 32767</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>no se pudo leer el archivo</translation>
    </message>
    <message>
        <source>the file does not start with the SND signature &quot;ElecbyteSnd&quot;</source>
        <translation>el archivo no empieza con la firma SND &quot;ElecbyteSnd&quot;</translation>
    </message>
    <message>
        <source>the file does not start with &quot;RIFF&quot; and the &quot;WAVEfmt&quot; header at byte 8</source>
        <translation>el archivo no empieza con &quot;RIFF&quot; y la cabecera &quot;WAVEfmt&quot; en el byte 8</translation>
    </message>
    <message>
        <source>the file is %1 bytes long, too short to give its format (%2 bytes)</source>
        <translation>el archivo tiene %1 bytes, demasiado pocos para dar su formato (%2 bytes)</translation>
    </message>
    <message>
        <source>its rate, channel count or sample size is out of range</source>
        <translation>su frecuencia, número de canales o tamaño de muestra está fuera de rango</translation>
    </message>
    <message>
        <source>the file cannot be opened: %1</source>
        <translation>no se puede abrir el archivo: %1</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is %1 bytes long, shorter than the %2-byte PCX header</source>
        <translation>el archivo tiene %1 bytes, menos que la cabecera PCX de %2 bytes</translation>
    </message>
    <message>
        <source>%1-bit PCX (only 8-bit pictures with a palette are read)</source>
        <translation>PCX de %1 bits (solo se leen imágenes de 8 bits con paleta)</translation>
    </message>
    <message>
        <source>the header gives a picture of %1 x %2 pixels</source>
        <translation>la cabecera indica una imagen de %1 x %2 píxeles</translation>
    </message>
    <message>
        <source>the header gives %1 bytes per line for a picture %2 pixels wide</source>
        <translation>la cabecera indica %1 bytes por línea para una imagen de %2 píxeles de ancho</translation>
    </message>
    <message>
        <source>the header promises %1 rows of %2 bytes, more than the %3 bytes of data after it can hold</source>
        <translation>la cabecera promete %1 filas de %2 bytes, más de lo que caben en los %3 bytes de datos que la siguen</translation>
    </message>
    <message>
        <source>truncated: the picture data ends at offset %1 in row %2 of %3</source>
        <translation>truncado: los datos de la imagen terminan en el desplazamiento %1, en la fila %2 de %3</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>no se puede leer el archivo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>line %1 ends with a line feed alone, without a carriage return</source>
        <translation>la línea %1 termina con un salto de línea solo, sin retorno de carro</translation>
    </message>
    <message>
        <source>the file has %1 lines, fewer than the 259 of the header and 256 colours</source>
        <translation>el archivo tiene %1 líneas, menos que las 259 de la cabecera y los 256 colores</translation>
    </message>
    <message>
        <source>line %1 is %2, not %3</source>
        <translation>la línea %1 es %2, no %3</translation>
    </message>
    <message>
        <source>line %1, %2, is not three numbers from 0 to 255</source>
        <translation>la línea %1, %2, no son tres números de 0 a 255</translation>
    </message>
    <message>
        <source>%1 is not a valid WAV file. Choose another file.</source>
        <translation>%1 no es un archivo WAV válido. Elige otro archivo.</translation>
    </message>
    <message>
        <source>Successfully added

%1</source>
        <translation>Añadidos correctamente

%1</translation>
    </message>
</context>
<context>
    <name>PaletteWindow</name>
    <message>
        <source>Character palette file (*.act)</source>
        <translation>Archivo de paleta de personaje (*.act)</translation>
    </message>
    <message>
        <source>Jasc/PSP PAL file (*.pal)</source>
        <translation>Archivo PAL de Jasc/PSP (*.pal)</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>the file starts as a PNG, but its picture cannot be decoded</source>
        <translation>el archivo empieza como PNG, pero su imagen no se puede decodificar</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>no se puede leer el archivo</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>QuickRun</name>
    <message>
        <source>The engine could not be started.</source>
        <translation>No se pudo iniciar el motor.</translation>
    </message>
    <message>
        <source>The engine stopped at once (it crashed).</source>
        <translation>El motor se detuvo de inmediato (se bloqueó).</translation>
    </message>
    <message>
        <source>The engine stopped at once with exit code %1.</source>
        <translation>El motor se detuvo de inmediato con el código de salida %1.</translation>
    </message>
    <message>
        <source>%1

The last lines of its log (%2):

%3</source>
        <translation>%1

Las últimas líneas de su registro (%2):

%3</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vacío)</translation>
    </message>
    <message>
        <source>Save all changes before running?</source>
        <translation>¿Guardar todos los cambios antes de ejecutar?</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Guardar todo</translation>
    </message>
    <message>
        <source>Run Without Saving</source>
        <translation>Ejecutar sin guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1

Open Settings to choose the engine?</source>
        <translation>%1

¿Abrir la configuración para elegir el motor?</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>the unsaved sprite changes</source>
        <translation>los cambios de sprites sin guardar</translation>
    </message>
    <message>
        <source>the unsaved sprite changes of %1</source>
        <translation>los cambios de sprites sin guardar de %1</translation>
    </message>
    <message>
        <source>the unsaved changes of %1 files</source>
        <translation>los cambios sin guardar de %1 archivos</translation>
    </message>
    <message>
        <source>Vantrel did not close cleanly. Restore %1?

Yes restores it, No keeps it for the next start, Discard deletes it.</source>
        <translation>Vantrel no se cerró correctamente. ¿Restaurar %1?

Sí lo restaura, No lo conserva para el próximo inicio, Descartar lo elimina.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>The unsaved changes of %1 files could not be put back. The copies stay in %2.</source>
        <translation>No se pudieron restaurar los cambios sin guardar de %1 archivos. Las copias quedan en %2.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Default zoom: %1x</source>
        <translation>Zoom predeterminado: %1x</translation>
    </message>
</context>
<context>
    <name>SoundWindow</name>
    <message>
        <source>Delete Sound</source>
        <translation>Eliminar sonido</translation>
    </message>
    <message>
        <source>Add Sounds</source>
        <translation>Añadir sonidos</translation>
    </message>
    <message>
        <source>Add Sound</source>
        <translation>Añadir sonido</translation>
    </message>
    <message>
        <source>Group Number</source>
        <translation>Número de grupo</translation>
    </message>
    <message>
        <source>Sample Number</source>
        <translation>Número de muestra</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>SND Mugen files (*.SND)</source>
        <translation>Archivos SND de Mugen (*.SND)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>WAV files (*.WAV)</source>
        <translation>Archivos WAV (*.WAV)</translation>
    </message>
</context>
<context>
    <name>SpriteCommands</name>
    <message>
        <source>Delete Sprite</source>
        <translation>Eliminar sprite</translation>
    </message>
    <message>
        <source>Clone Sprite</source>
        <translation>Clonar sprite</translation>
    </message>
    <message>
        <source>Sort Sprites</source>
        <translation>Ordenar sprites</translation>
    </message>
</context>
<context>
    <name>TextDocument</name>
    <message>
        <source>Typing</source>
        <translation>Escritura</translation>
    </message>
</context>
<context>
    <name>TextEditorWindow</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Revertir</translation>
    </message>
    <message>
        <source>Revert to saved state</source>
        <translation>Volver al estado guardado</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Find text...</source>
        <translation>Buscar texto...</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Character Definition File (DEF)</source>
        <translation>Archivo de definición de personaje (DEF)</translation>
    </message>
    <message>
        <source>Saves the .def file</source>
        <translation>Guarda el archivo .def</translation>
    </message>
    <message>
        <source>Saves the .air file</source>
        <translation>Guarda el archivo .air</translation>
    </message>
    <message>
        <source>Anim</source>
        <translation>Anim</translation>
    </message>
    <message>
        <source>Character Animation Actions (AIR)</source>
        <translation>Acciones de animación del personaje (AIR)</translation>
    </message>
    <message>
        <source>Commands (CMD)</source>
        <translation>Comandos (CMD)</translation>
    </message>
    <message>
        <source>Saves the .cmd file</source>
        <translation>Guarda el archivo .cmd</translation>
    </message>
    <message>
        <source>Constants (CNS)</source>
        <translation>Constantes (CNS)</translation>
    </message>
    <message>
        <source>Saves the .cns file</source>
        <translation>Guarda el archivo .cns</translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation>Bloc de notas</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Saves the current .ST file</source>
        <translation>Guarda el archivo .ST actual</translation>
    </message>
    <message>
        <source>Get help on programming States</source>
        <translation>Obtener ayuda sobre la programación de estados</translation>
    </message>
    <message>
        <source>Open State file %1 from the .DEF file</source>
        <translation>Abrir el archivo de estados %1 del archivo .DEF</translation>
    </message>
    <message>
        <source>States (ST)</source>
        <translation>Estados (ST)</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open a Character Definition File (.def)</source>
        <translation>Abrir un archivo de definición de personaje (.def)</translation>
    </message>
    <message>
        <source>Recycle</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Reload the DEF file so Vantrel will recognise recent changes</source>
        <translation>Recargar el archivo DEF para que Vantrel reconozca los cambios recientes</translation>
    </message>
    <message>
        <source>DEF</source>
        <translation>DEF</translation>
    </message>
    <message>
        <source>Edit the Definition file (.def)</source>
        <translation>Editar el archivo de definición (.def)</translation>
    </message>
    <message>
        <source>SFF</source>
        <translation>SFF</translation>
    </message>
    <message>
        <source>Edit the Spritesheet File (.sff)</source>
        <translation>Editar el archivo de sprites (.sff)</translation>
    </message>
    <message>
        <source>CNS</source>
        <translation>CNS</translation>
    </message>
    <message>
        <source>Edit the Constants file (.cns)</source>
        <translation>Editar el archivo de constantes (.cns)</translation>
    </message>
    <message>
        <source>CMD</source>
        <translation>CMD</translation>
    </message>
    <message>
        <source>Edit the Commands file (.cmd)</source>
        <translation>Editar el archivo de comandos (.cmd)</translation>
    </message>
    <message>
        <source>AIR</source>
        <translation>AIR</translation>
    </message>
    <message>
        <source>Edit the Animation file (.air)</source>
        <translation>Editar el archivo de animaciones (.air)</translation>
    </message>
    <message>
        <source>SND</source>
        <translation>SND</translation>
    </message>
    <message>
        <source>Edit the Sound file (.snd)</source>
        <translation>Editar el archivo de sonidos (.snd)</translation>
    </message>
    <message>
        <source>ST</source>
        <translation>ST</translation>
    </message>
    <message>
        <source>Edit the States files (.st)</source>
        <translation>Editar los archivos de estados (.st)</translation>
    </message>
    <message>
        <source>ACT</source>
        <translation>ACT</translation>
    </message>
    <message>
        <source>Edit the Palettes files (.act)</source>
        <translation>Editar los archivos de paletas (.act)</translation>
    </message>
    <message>
        <source>Calc</source>
        <translation>Calc</translation>
    </message>
    <message>
        <source>Miniature calculator</source>
        <translation>Calculadora en miniatura</translation>
    </message>
    <message>
        <source>pad</source>
        <translation>Bloc</translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation>Bloc de notas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>Quick-run this character</source>
        <translation>Ejecutar rápidamente este personaje</translation>
    </message>
</context>
<context>
    <name>WorkspaceFolders</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>No workspace folder can be made in %1.</source>
        <translation>No se puede crear ninguna carpeta de trabajo en %1.</translation>
    </message>
</context>
<context>
    <name>vantrel::ActionPanel</name>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Renumerar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>From Sprites</source>
        <translation>Desde sprites</translation>
    </message>
    <message>
        <source>New action from sprites</source>
        <translation>Nueva acción desde sprites</translation>
    </message>
    <message>
        <source>Action number:</source>
        <translation>Número de acción:</translation>
    </message>
    <message>
        <source>Action %1 already exists.</source>
        <translation>La acción %1 ya existe.</translation>
    </message>
    <message>
        <source>New Action</source>
        <translation>Nueva acción</translation>
    </message>
    <message>
        <source>Duplicate Action</source>
        <translation>Duplicar acción</translation>
    </message>
    <message>
        <source>Renumber Action</source>
        <translation>Renumerar acción</translation>
    </message>
    <message>
        <source>The header of this action cannot be renumbered.</source>
        <translation>La cabecera de esta acción no se puede renumerar.</translation>
    </message>
    <message>
        <source>Delete action %1 and all its frames?</source>
        <translation>¿Eliminar la acción %1 y todos sus fotogramas?</translation>
    </message>
    <message>
        <source>Delete Action</source>
        <translation>Eliminar acción</translation>
    </message>
    <message>
        <source>New Action from Sprites</source>
        <translation>Nueva acción desde sprites</translation>
    </message>
    <message>
        <source>Sprites (group,first-last; ...):</source>
        <translation>Sprites (grupo,primero-último; ...):</translation>
    </message>
</context>
<context>
    <name>vantrel::AirTextLink</name>
    <message>
        <source>The character&apos;s .def names no AIR file.</source>
        <translation>El .def del personaje no indica ningún archivo AIR.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>vantrel::AnimationPreview</name>
    <message>
        <source>Animation Preview</source>
        <translation>Vista previa de animación</translation>
    </message>
    <message>
        <source>Animation Controls</source>
        <translation>Controles de animación</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Bucle</translation>
    </message>
    <message>
        <source>Hide lines</source>
        <translation>Ocultar líneas</translation>
    </message>
    <message>
        <source>Show boxes</source>
        <translation>Mostrar cajas</translation>
    </message>
    <message>
        <source>Action no:</source>
        <translation>Acción n.º:</translation>
    </message>
    <message>
        <source>Animation Window</source>
        <translation>Ventana de animación</translation>
    </message>
    <message>
        <source>Zoom: 1x</source>
        <translation>Zoom: 1x</translation>
    </message>
    <message>
        <source>Zoom: %1x</source>
        <translation>Zoom: %1x</translation>
    </message>
    <message>
        <source>Something bad happened!  Err #%1</source>
        <translation>¡Algo salió mal!  Err #%1</translation>
    </message>
    <message>
        <source>Status: Finding Palette</source>
        <translation>Estado: buscando paleta</translation>
    </message>
    <message>
        <source>Status: OK</source>
        <translation>Estado: OK</translation>
    </message>
</context>
<context>
    <name>vantrel::BoxCanvas</name>
    <message>
        <source>frame line not understood</source>
        <translation>línea de fotograma no reconocida</translation>
    </message>
    <message>
        <source>sprite %1,%2 missing</source>
        <translation>falta el sprite %1,%2</translation>
    </message>
</context>
<context>
    <name>vantrel::BuildOptionsDialog</name>
    <message>
        <source>Save Parameters</source>
        <translation>Guardar parámetros</translation>
    </message>
    <message>
        <source>Crop images to maximum needed</source>
        <translation>Recortar las imágenes al mínimo necesario</translation>
    </message>
    <message>
        <source>Remove duplicate images</source>
        <translation>Eliminar imágenes duplicadas</translation>
    </message>
    <message>
        <source>Remove duplicate palettes</source>
        <translation>Eliminar paletas duplicadas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The character&apos;s sprites were read from an SFF v%1. Write:</source>
        <translation>Los sprites del personaje se leyeron de un SFF v%1. Escribir:</translation>
    </message>
    <message>
        <source>SFF v1 (WinMUGEN, MUGEN 1.0 and 1.1, IKEMEN GO)</source>
        <translation>SFF v1 (WinMUGEN, MUGEN 1.0 y 1.1, IKEMEN GO)</translation>
    </message>
    <message>
        <source>SFF v2.00 (MUGEN 1.0 and 1.1, IKEMEN GO)</source>
        <translation>SFF v2.00 (MUGEN 1.0 y 1.1, IKEMEN GO)</translation>
    </message>
    <message>
        <source>SFF v2.01 (MUGEN 1.1, IKEMEN GO)</source>
        <translation>SFF v2.01 (MUGEN 1.1, IKEMEN GO)</translation>
    </message>
    <message>
        <source>MUGEN 1.0 reads no 32-bit sprites: %1 sprites are 32-bit pictures, which only MUGEN 1.1 and IKEMEN GO draw.</source>
        <translation>MUGEN 1.0 no lee sprites de 32 bits: %1 sprites son imágenes de 32 bits, que solo MUGEN 1.1 e IKEMEN GO dibujan.</translation>
    </message>
    <message>
        <source>SFF v1 has no palette table: each sprite keeps its colours, but the %1 palettes lose their numbers, and the %2 that no sprite uses are lost.</source>
        <translation>SFF v1 no tiene tabla de paletas: cada sprite conserva sus colores, pero las %1 paletas pierden sus números, y las %2 que ningún sprite usa se pierden.</translation>
    </message>
    <message>
        <source>SFF v1 has no palette table: each sprite keeps its colours, but the %1 palettes lose their numbers.</source>
        <translation>SFF v1 no tiene tabla de paletas: cada sprite conserva sus colores, pero las %1 paletas pierden sus números.</translation>
    </message>
    <message>
        <source>SFF v1 holds 8-bit sprites only: %1 sprites are 32-bit pictures, and the build stops at the first of them.</source>
        <translation>SFF v1 solo admite sprites de 8 bits: %1 sprites son imágenes de 32 bits, y la generación se detiene en el primero de ellos.</translation>
    </message>
</context>
<context>
    <name>vantrel::CalculatorWindow</name>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
</context>
<context>
    <name>vantrel::ChangedOnDiskBar</name>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Keep mine</source>
        <translation>Conservar los míos</translation>
    </message>
    <message>
        <source>%1 changed on disk.</source>
        <translation>%1 cambió en el disco.</translation>
    </message>
</context>
<context>
    <name>vantrel::ClipList</name>
    <message>
        <source>TextClips</source>
        <translation>Fragmentos de texto</translation>
    </message>
    <message>
        <source>Too many textclips!
Truncated at 500...</source>
        <translation>¡Demasiados fragmentos de texto!
Se truncó en 500...</translation>
    </message>
</context>
<context>
    <name>vantrel::CollisionBoxWindow</name>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Del All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animación</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Export Action...</source>
        <translation>&amp;Exportar acción...</translation>
    </message>
    <message>
        <source>Selected frame</source>
        <translation>Fotograma seleccionado</translation>
    </message>
    <message>
        <source>Action #</source>
        <translation>Acción n.º</translation>
    </message>
    <message>
        <source>Frame #</source>
        <translation>Fotograma n.º</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Bucle</translation>
    </message>
    <message>
        <source>Collision box draw style</source>
        <translation>Estilo de dibujo de las cajas de colisión</translation>
    </message>
    <message>
        <source>CLSN1 (Attack area definition)</source>
        <translation>CLSN1 (definición del área de ataque)</translation>
    </message>
    <message>
        <source>CLSN2 (Hittable area definition)</source>
        <translation>CLSN2 (definición del área golpeable)</translation>
    </message>
    <message>
        <source>Default for future frames</source>
        <translation>Predeterminado para los siguientes fotogramas</translation>
    </message>
    <message>
        <source>Copy boxes of previous frame</source>
        <translation>Copiar cajas del fotograma anterior</translation>
    </message>
    <message>
        <source>Onion skin</source>
        <translation>Papel cebolla</translation>
    </message>
    <message>
        <source>Zoom: 1x</source>
        <translation>Zoom: 1x</translation>
    </message>
    <message>
        <source>Zoom: 2x</source>
        <translation>Zoom: 2x</translation>
    </message>
    <message>
        <source>Zoom: %1x</source>
        <translation>Zoom: %1x</translation>
    </message>
    <message>
        <source>1 frame</source>
        <translation>1 fotograma</translation>
    </message>
    <message>
        <source>%1 frames</source>
        <translation>%1 fotogramas</translation>
    </message>
    <message>
        <source>Export Action</source>
        <translation>Exportar acción</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>GIF animado (*.gif)</translation>
    </message>
    <message>
        <source>Sprite sheet (*.png)</source>
        <translation>Hoja de sprites (*.png)</translation>
    </message>
    <message>
        <source>the frame&apos;s offset does not read, so it is not moved.</source>
        <translation>el desplazamiento del fotograma no se puede leer, así que no se mueve.</translation>
    </message>
    <message>
        <source>Move Sprite</source>
        <translation>Mover sprite</translation>
    </message>
    <message>
        <source>Not changed: %1</source>
        <translation>Sin cambios: %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Advertencia: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>the AIR file could not be read.</source>
        <translation>no se pudo leer el archivo AIR.</translation>
    </message>
    <message>
        <source>Change Box</source>
        <translation>Cambiar caja</translation>
    </message>
    <message>
        <source>Add Box</source>
        <translation>Añadir caja</translation>
    </message>
    <message>
        <source>a box is four whole numbers from -32768 to 32767: left, top, right, bottom.</source>
        <translation>una caja son cuatro números enteros de -32768 a 32767: izquierda, arriba, derecha, abajo.</translation>
    </message>
    <message>
        <source>Delete Box</source>
        <translation>Eliminar caja</translation>
    </message>
    <message>
        <source>Delete All Boxes</source>
        <translation>Eliminar todas las cajas</translation>
    </message>
    <message>
        <source>Copy Previous Boxes</source>
        <translation>Copiar cajas anteriores</translation>
    </message>
</context>
<context>
    <name>vantrel::Document</name>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Can&apos;t open file: %1 with error %2</source>
        <translation>No se puede abrir el archivo: %1 con el error %2</translation>
    </message>
    <message>
        <source>%1 cannot be read again here.</source>
        <translation>%1 no se puede volver a leer aquí.</translation>
    </message>
    <message>
        <source>Reload %1</source>
        <translation>Recargar %1</translation>
    </message>
    <message>
        <source>Recovered Changes</source>
        <translation>Cambios recuperados</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 es de solo lectura.</translation>
    </message>
    <message>
        <source>The document has no file to be saved to.</source>
        <translation>El documento no tiene un archivo en el que guardarse.</translation>
    </message>
</context>
<context>
    <name>vantrel::DocumentManager</name>
    <message>
        <source>This kind of file cannot be opened here.</source>
        <translation>Este tipo de archivo no se puede abrir aquí.</translation>
    </message>
</context>
<context>
    <name>vantrel::EditorTextBox</name>
    <message>
        <source>Replace Lines</source>
        <translation>Reemplazar líneas</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
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
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar t&amp;odo</translation>
    </message>
</context>
<context>
    <name>vantrel::EngineSettingsBox</name>
    <message>
        <source>Engine</source>
        <translation>Engine</translation>
    </message>
    <message>
        <source>(no profile)</source>
        <translation>(sin perfil)</translation>
    </message>
    <message>
        <source>Save as Profile...</source>
        <translation>Guardar como perfil...</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>Eliminar perfil</translation>
    </message>
    <message>
        <source>Found in the working folder: %1</source>
        <translation>Encontrado en la carpeta de trabajo: %1</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>The engine&apos;s own: %1 (IKEMEN GO), %2 (MUGEN)</source>
        <translation>Los predeterminados del motor: %1 (IKEMEN GO), %2 (MUGEN)</translation>
    </message>
    <message>
        <source>%f: the .def opened, as the engine names it (folder/file.def), %2: the second player, %c: the character&apos;s folder name, %d: the .def&apos;s full path, %s: the stage, %a: the AI level, %%: a single %.
Quotes keep blanks inside one argument. A stage and an AI level that the arguments do not place follow them as -s and -p2.ai.</source>
        <translation>%f: el .def abierto, como lo nombra el motor (carpeta/archivo.def), %2: el segundo jugador, %c: el nombre de la carpeta del personaje, %d: la ruta completa del .def, %s: el escenario, %a: el nivel de IA, %%: un solo %.
Las comillas mantienen los espacios dentro de un mismo argumento. Un escenario y un nivel de IA que los argumentos no coloquen se añaden después como -s y -p2.ai.</translation>
    </message>
    <message>
        <source>Two folders above the character&apos;s folder</source>
        <translation>Dos carpetas por encima de la carpeta del personaje</translation>
    </message>
    <message>
        <source>The same character</source>
        <translation>El mismo personaje</translation>
    </message>
    <message>
        <source>The engine&apos;s choice</source>
        <translation>La elección del motor</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>The second player&apos;s AI level; Off leaves it to the engine</source>
        <translation>El nivel de IA del segundo jugador; Desactivado lo deja en manos del motor</translation>
    </message>
    <message>
        <source>Save all changes before running, without asking</source>
        <translation>Guardar todos los cambios antes de ejecutar, sin preguntar</translation>
    </message>
    <message>
        <source>Run profile:</source>
        <translation>Perfil de ejecución:</translation>
    </message>
    <message>
        <source>Program:</source>
        <translation>Programa:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentos:</translation>
    </message>
    <message>
        <source>Working folder:</source>
        <translation>Carpeta de trabajo:</translation>
    </message>
    <message>
        <source>Second player:</source>
        <translation>Segundo jugador:</translation>
    </message>
    <message>
        <source>Stage:</source>
        <translation>Escenario:</translation>
    </message>
    <message>
        <source>AI level:</source>
        <translation>Nivel de IA:</translation>
    </message>
    <message>
        <source>Save as Profile</source>
        <translation>Guardar como perfil</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Nombre del perfil:</translation>
    </message>
    <message>
        <source>A profile name cannot be empty or hold a |.</source>
        <translation>Un nombre de perfil no puede estar vacío ni contener |.</translation>
    </message>
    <message>
        <source>Vantrel keeps at most %1 run profiles: delete one first.</source>
        <translation>Vantrel guarda como máximo %1 perfiles de ejecución: elimina uno primero.</translation>
    </message>
    <message>
        <source>Choose the engine program</source>
        <translation>Elige el programa del motor</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Choose the engine&apos;s working folder</source>
        <translation>Elige la carpeta de trabajo del motor</translation>
    </message>
</context>
<context>
    <name>vantrel::FindDialog</name>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>Bu&amp;scar:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Reemplazar con:</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Replace &gt;&gt;</source>
        <translation>Reemplazar &gt;&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Match &amp;Case</source>
        <translation>Coincidir &amp;mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Abajo</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>A&amp;rriba</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;</source>
        <translation>No se encuentra &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
</context>
<context>
    <name>vantrel::FramePanel</name>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Loop Start</source>
        <translation>Inicio de bucle</translation>
    </message>
    <message>
        <source>Interpolate: %1</source>
        <translation>Interpolar: %1</translation>
    </message>
    <message>
        <source>%1 cannot be done here: the lines around the frame belong to others.</source>
        <translation>%1 no se puede hacer aquí: las líneas alrededor del fotograma pertenecen a otros.</translation>
    </message>
    <message>
        <source>Insert Frame</source>
        <translation>Insertar fotograma</translation>
    </message>
    <message>
        <source>Duplicate Frame</source>
        <translation>Duplicar fotograma</translation>
    </message>
    <message>
        <source>Delete Frame</source>
        <translation>Eliminar fotograma</translation>
    </message>
    <message>
        <source>Move Frame Up</source>
        <translation>Subir fotograma</translation>
    </message>
    <message>
        <source>Move Frame Down</source>
        <translation>Bajar fotograma</translation>
    </message>
    <message>
        <source>The clipboard holds no frames to paste.</source>
        <translation>El portapapeles no contiene fotogramas para pegar.</translation>
    </message>
    <message>
        <source>Paste Frames</source>
        <translation>Pegar fotogramas</translation>
    </message>
    <message>
        <source>Clear Loop Start</source>
        <translation>Quitar inicio de bucle</translation>
    </message>
    <message>
        <source>Set Loop Start</source>
        <translation>Establecer inicio de bucle</translation>
    </message>
    <message>
        <source>%1 cannot be &quot;%2&quot;.</source>
        <translation>%1 no puede ser &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Cambiar %1</translation>
    </message>
</context>
<context>
    <name>vantrel::HelpViewer</name>
    <message>
        <source>Vantrel Help</source>
        <translation>Ayuda de Vantrel</translation>
    </message>
    <message>
        <source>The help file %1 cannot be read.</source>
        <translation>No se puede leer el archivo de ayuda %1.</translation>
    </message>
    <message>
        <source>There is no help topic number %1 in %2.</source>
        <translation>No hay ningún tema de ayuda con el número %1 en %2.</translation>
    </message>
</context>
<context>
    <name>vantrel::HistoryActions</name>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
</context>
<context>
    <name>vantrel::MainWindow</name>
    <message>
        <source>No file loaded</source>
        <translation>Ningún archivo cargado</translation>
    </message>
    <message>
        <source>Status: OK</source>
        <translation>Estado: OK</translation>
    </message>
    <message>
        <source>%1 was changed on disk and read again.</source>
        <translation>%1 se cambió en el disco y se volvió a leer.</translation>
    </message>
    <message>
        <source>%1 changed on disk.</source>
        <translation>%1 cambió en el disco.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>End the engine</source>
        <translation>Cerrar el motor</translation>
    </message>
    <message>
        <source>%1 running</source>
        <translation>%1 en ejecución</translation>
    </message>
    <message numerus="yes">
        <source>The %n open windows do not fit in the frame at their smallest sizes. Show them as tabs instead?</source>
        <translation>
            <numerusform>Las %n ventanas abiertas no caben en el marco con sus tamaños mínimos. ¿Mostrarlas como pestañas?</numerusform>
            <numerusform>Las %n ventanas abiertas no caben en el marco con sus tamaños mínimos. ¿Mostrarlas como pestañas?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open DEF file...</source>
        <translation>&amp;Abrir archivo DEF...</translation>
    </message>
    <message>
        <source>Save A&amp;ll</source>
        <translation>Guardar &amp;todo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Check Character</source>
        <translation>&amp;Comprobar personaje</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Ventana</translation>
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
        <source>Close &amp;All</source>
        <translation>Cerrar &amp;todas</translation>
    </message>
    <message>
        <source>Show Windows as Ta&amp;bs</source>
        <translation>Mostrar ventanas como &amp;pestañas</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <extracomment>An entry of the Window menu: its number, then the window&apos;s title.</extracomment>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Find a DEF file</source>
        <translation>Buscar un archivo DEF</translation>
    </message>
    <message>
        <source>Character definition file (*.def)</source>
        <translation>Archivo de definición de personaje (*.def)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
</context>
<context>
    <name>vantrel::NotepadWindow</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>Guardar archivo...</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Changes have been made!  Save first?</source>
        <translation>¡Se han hecho cambios!  ¿Guardar primero?</translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation>Bloc de notas</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Abrir archivo</translation>
    </message>
</context>
<context>
    <name>vantrel::PaletteDocument</name>
    <message>
        <source>%1 is not a palette: an ACT file holds 768 bytes.</source>
        <translation>%1 no es una paleta: un archivo ACT contiene 768 bytes.</translation>
    </message>
    <message>
        <source>The palette has changed. Save it before it is dropped?</source>
        <translation>La paleta ha cambiado. ¿Guardarla antes de descartarla?</translation>
    </message>
</context>
<context>
    <name>vantrel::PaletteWindow</name>
    <message>
        <source>ACT Editor</source>
        <translation>Editor ACT</translation>
    </message>
    <message>
        <source>R G B</source>
        <translation>R G B</translation>
    </message>
    <message>
        <source>ACT palette %1</source>
        <translation>Paleta ACT %1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save the palette</source>
        <translation>Guardar la paleta</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Import PAL</source>
        <translation>Importar PAL</translation>
    </message>
    <message>
        <source>Import a JASC PAL file</source>
        <translation>Importar un archivo PAL de JASC</translation>
    </message>
    <message>
        <source>Export PAL</source>
        <translation>Exportar PAL</translation>
    </message>
    <message>
        <source>Save a JASC PAL file</source>
        <translation>Guardar un archivo PAL de JASC</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Muestra</translation>
    </message>
    <message>
        <source>Load PCX for sample image</source>
        <translation>Cargar PCX como imagen de muestra</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo last palette change</source>
        <translation>Deshacer el último cambio de paleta</translation>
    </message>
    <message>
        <source>Find a DEF file</source>
        <translation>Buscar un archivo DEF</translation>
    </message>
    <message>
        <source>Character image file (*.pcx)</source>
        <translation>Archivo de imagen de personaje (*.pcx)</translation>
    </message>
    <message>
        <source>The sample is a 32-bit picture: palettes do not change it.</source>
        <translation>La muestra es una imagen de 32 bits: las paletas no la cambian.</translation>
    </message>
    <message>
        <source>Choose Colour</source>
        <translation>Elegir color</translation>
    </message>
    <message>
        <source>Change Red</source>
        <translation>Cambiar rojo</translation>
    </message>
    <message>
        <source>Change Green</source>
        <translation>Cambiar verde</translation>
    </message>
    <message>
        <source>Change Blue</source>
        <translation>Cambiar azul</translation>
    </message>
    <message>
        <source>Save ACT file</source>
        <translation>Guardar archivo ACT</translation>
    </message>
    <message>
        <source>Import PAL file</source>
        <translation>Importar archivo PAL</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>no se puede leer el archivo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Open one of the character&apos;s palettes to import a palette into.</source>
        <translation>Abre una de las paletas del personaje para importar una paleta en ella.</translation>
    </message>
    <message>
        <source>Import ACT</source>
        <translation>Importar ACT</translation>
    </message>
    <message>
        <source>Export PAL file</source>
        <translation>Exportar archivo PAL</translation>
    </message>
</context>
<context>
    <name>vantrel::PcxBrowser</name>
    <message>
        <source>PCX Browser</source>
        <translation>Explorador de PCX</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Selected PCX</source>
        <translation>PCX seleccionado</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 no es una carpeta.</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permiso denegado: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Error: %1</translation>
    </message>
</context>
<context>
    <name>vantrel::ProblemsWindow</name>
    <message>
        <source>No problems found</source>
        <translation>No se encontraron problemas</translation>
    </message>
    <message>
        <source>%1 error</source>
        <translation>%1 error</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 errores</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation>%1 advertencia</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 advertencias</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>the count of errors, then the count of warnings (&quot;2 errors, 1 warning&quot;)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>No character is open</source>
        <translation>No hay ningún personaje abierto</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Comprobando...</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>advertencia</translation>
    </message>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>%1: %2: %3</source>
        <extracomment>A problem the checker found: its file and line, &quot;error&quot; or &quot;warning&quot;, and what is wrong.</extracomment>
        <translation>%1: %2: %3</translation>
    </message>
</context>
<context>
    <name>vantrel::ReferencesWindow</name>
    <message>
        <source>state %1</source>
        <translation>estado %1</translation>
    </message>
    <message>
        <source>action %1</source>
        <translation>acción %1</translation>
    </message>
    <message>
        <source>command &quot;%1&quot;</source>
        <translation>comando &quot;%1&quot;</translation>
    </message>
    <message>
        <source>sound %1</source>
        <translation>sonido %1</translation>
    </message>
    <message>
        <source>sprite %1</source>
        <translation>sprite %1</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Referencias</translation>
    </message>
    <message>
        <source>Shift+F12 on a state, action or command lists where it is named.</source>
        <translation>Shift+F12 sobre un estado, acción o comando muestra dónde se nombra.</translation>
    </message>
    <message>
        <source>Double-click a place, or press Enter, to go there</source>
        <translation>Haz doble clic en un lugar, o pulsa Enter, para ir allí</translation>
    </message>
    <message>
        <source>(definition)</source>
        <translation>(definición)</translation>
    </message>
    <message>
        <source>1 place names %1.</source>
        <translation>1 lugar nombra %1.</translation>
    </message>
    <message>
        <source>%1 places name %2.</source>
        <translation>%1 lugares nombran %2.</translation>
    </message>
</context>
<context>
    <name>vantrel::SettingsDialog</name>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Program configuration</source>
        <translation>Configuración del programa</translation>
    </message>
    <message>
        <source>Default text editing settings:</source>
        <translation>Ajustes predeterminados de edición de texto:</translation>
    </message>
    <message>
        <source>Set font</source>
        <translation>Elegir fuente</translation>
    </message>
    <message>
        <source>Fore colour</source>
        <translation>Color de primer plano</translation>
    </message>
    <message>
        <source>Back colour</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Show Tip of the Day</source>
        <translation>Mostrar el consejo del día</translation>
    </message>
    <message>
        <source>Language (from the next start):</source>
        <translation>Idioma (desde el próximo inicio):</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>vantrel::SffBuilder</name>
    <message>
        <source>The SFF file is still being built.</source>
        <translation>El archivo SFF aún se está generando.</translation>
    </message>
    <message>
        <source>There are no sprites to build an SFF file from.</source>
        <translation>No hay sprites con los que generar un archivo SFF.</translation>
    </message>
    <message>
        <source>Save SFF file</source>
        <translation>Guardar archivo SFF</translation>
    </message>
    <message>
        <source>Character Spritesheet (*.sff)</source>
        <translation>Hoja de sprites de personaje (*.sff)</translation>
    </message>
    <message>
        <source>Status: Building SFF file</source>
        <translation>Estado: generando archivo SFF</translation>
    </message>
    <message>
        <source>Building the SFF file</source>
        <translation>Generando el archivo SFF</translation>
    </message>
    <message>
        <source>Status: OK</source>
        <translation>Estado: OK</translation>
    </message>
</context>
<context>
    <name>vantrel::SoundAboutDialog</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>vantrel::SoundWindow</name>
    <message>
        <source> Sample Info </source>
        <translation> Información de la muestra </translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Muestra</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Duración:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Loop sound</source>
        <translation>Repetir sonido</translation>
    </message>
    <message>
        <source>Activate sample looping</source>
        <translation>Activar la repetición de la muestra</translation>
    </message>
    <message>
        <source> Comment </source>
        <translation> Comentario </translation>
    </message>
    <message>
        <source>No sound output was found on this system: sounds cannot be played.</source>
        <translation>No se encontró ninguna salida de sonido en este sistema: no se pueden reproducir sonidos.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Add sound...</source>
        <translation>Añadir sonido...</translation>
    </message>
    <message>
        <source>Delete sound</source>
        <translation>Eliminar sonido</translation>
    </message>
    <message>
        <source>Save current sample...</source>
        <translation>Guardar la muestra actual...</translation>
    </message>
    <message>
        <source>Save all samples...</source>
        <translation>Guardar todas las muestras...</translation>
    </message>
    <message>
        <source>Play current sample</source>
        <translation>Reproducir la muestra actual</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Detener reproducción</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Add sound</source>
        <translation>Añadir sonido</translation>
    </message>
    <message>
        <source>Adding sounds</source>
        <translation>Añadiendo sonidos</translation>
    </message>
    <message>
        <source>Save current sample</source>
        <translation>Guardar la muestra actual</translation>
    </message>
    <message>
        <source>Save all samples</source>
        <translation>Guardar todas las muestras</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Reproduciendo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add sample</source>
        <translation>Añadir muestra</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete sample</source>
        <translation>Eliminar muestra</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Export All</source>
        <translation>Exportar todo</translation>
    </message>
    <message>
        <source>About this program</source>
        <translation>Acerca de este programa</translation>
    </message>
</context>
<context>
    <name>vantrel::SplashScreen</name>
    <message>
        <source>Whoa, buddy, one instance at a time!  You don&apos;t want
Vantrel to become a multiperson disturb program!</source>
        <translation>¡Eh, amigo, una instancia a la vez!  ¡No querrás que
Vantrel se convierta en un programa de molestia multipersona!</translation>
    </message>
    <message>
        <source>Character editor for the MUGEN engine</source>
        <translation>Editor de personajes para el motor MUGEN</translation>
    </message>
    <message>
        <source>Written by the Vantrel developers for character makers everywhere</source>
        <translation>Escrito por los desarrolladores de Vantrel para creadores de personajes de todo el mundo</translation>
    </message>
</context>
<context>
    <name>vantrel::SpriteDocument</name>
    <message>
        <source>Edit Picture Externally</source>
        <translation>Editar imagen externamente</translation>
    </message>
    <message>
        <source>The SFF file %1 was written with %2 sprites%3.</source>
        <extracomment>%3 is empty or what the build tool reports, as &quot; (240 pictures copied, 1 encoded)&quot;</extracomment>
        <translation>El archivo SFF %1 se escribió con %2 sprites%3.</translation>
    </message>
    <message>
        <source>The SFF file was not written: the build was cancelled.</source>
        <translation>El archivo SFF no se escribió: la generación se canceló.</translation>
    </message>
    <message>
        <source>The SFF file was not written: %1</source>
        <translation>El archivo SFF no se escribió: %1</translation>
    </message>
    <message>
        <source>sprmaker ended with code %1.</source>
        <translation>sprmaker terminó con el código %1.</translation>
    </message>
</context>
<context>
    <name>vantrel::SpriteTableModel</name>
    <message>
        <source>%1
Axis %2,%3</source>
        <extracomment>a sprite&apos;s picture file, then its axis as x,y</extracomment>
        <translation>%1
Eje %2,%3</translation>
    </message>
</context>
<context>
    <name>vantrel::SpriteWindow</name>
    <message>
        <source>SFF Editor</source>
        <translation>Editor SFF</translation>
    </message>
    <message>
        <source>Status: OK</source>
        <translation>Estado: OK</translation>
    </message>
    <message>
        <source>Status: Finding Palette</source>
        <translation>Estado: buscando paleta</translation>
    </message>
    <message>
        <source>1 of%1</source>
        <extracomment>the sprite shown of how many, as &quot;1 of 281&quot;</extracomment>
        <translation>1 de%1</translation>
    </message>
    <message>
        <source>%1 of%2 </source>
        <extracomment>the sprite shown of how many, as &quot; 3 of 281 &quot;</extracomment>
        <translation>%1 de%2 </translation>
    </message>
    <message>
        <source>Group Number</source>
        <translation>Número de grupo</translation>
    </message>
    <message>
        <source>Image Number</source>
        <translation>Número de imagen</translation>
    </message>
    <message>
        <source>Sprite %1,%2 is taken: sprite %3 (%4) has that number.</source>
        <translation>El sprite %1,%2 ya está ocupado: el sprite %3 (%4) tiene ese número.</translation>
    </message>
    <message>
        <source>Axis X</source>
        <translation>Eje X</translation>
    </message>
    <message>
        <source>Axis Y</source>
        <translation>Eje Y</translation>
    </message>
    <message>
        <source>Move Axis</source>
        <translation>Mover eje</translation>
    </message>
    <message>
        <source>No match found for Group%1 image%2</source>
        <translation>No se encontró ninguna coincidencia para el grupo%1 imagen%2</translation>
    </message>
    <message>
        <source>the selected sprite</source>
        <translation>el sprite seleccionado</translation>
    </message>
    <message>
        <source>the %1 selected sprites</source>
        <translation>los %1 sprites seleccionados</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>Set Axis...</source>
        <translation>Fijar eje...</translation>
    </message>
    <message>
        <source>Move to Group...</source>
        <translation>Mover al grupo...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Export as PNG...</source>
        <translation>Exportar como PNG...</translation>
    </message>
    <message>
        <source>Crop to Content</source>
        <translation>Recortar al contenido</translation>
    </message>
    <message>
        <source>Use the Character&apos;s Palette</source>
        <translation>Usar la paleta del personaje</translation>
    </message>
    <message>
        <source>Import Sprite Sheet...</source>
        <translation>Importar hoja de sprites...</translation>
    </message>
    <message>
        <source>What to do with the selected sprites</source>
        <translation>Qué hacer con los sprites seleccionados</translation>
    </message>
    <message>
        <source>Set the axis of %1, or move it?</source>
        <translation>¿Fijar el eje de %1 o moverlo?</translation>
    </message>
    <message>
        <source>Set to x,y</source>
        <translation>Fijar en x,y</translation>
    </message>
    <message>
        <source>Move by x,y</source>
        <translation>Desplazar en x,y</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Set Axis</source>
        <translation>Fijar eje</translation>
    </message>
    <message>
        <source>The axis (x,y):</source>
        <translation>El eje (x,y):</translation>
    </message>
    <message>
        <source>Move the axis by (x,y):</source>
        <translation>Desplazar el eje en (x,y):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not two numbers, as x,y.</source>
        <translation>&quot;%1&quot; no son dos números, como x,y.</translation>
    </message>
    <message>
        <source>The selected sprites have that axis already.</source>
        <translation>Los sprites seleccionados ya tienen ese eje.</translation>
    </message>
    <message>
        <source>Move to Group</source>
        <translation>Mover al grupo</translation>
    </message>
    <message>
        <source>Move %1 to group:
(Each keeps its image number unless the group has it already; then it takes the group&apos;s next free number.)</source>
        <translation>Mover %1 al grupo:
(Cada uno conserva su número de imagen, salvo que el grupo ya lo tenga; en ese caso, toma el siguiente número libre del grupo.)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a group number.</source>
        <translation>&quot;%1&quot; no es un número de grupo.</translation>
    </message>
    <message>
        <source>The selected sprites are in that group already.</source>
        <translation>Los sprites seleccionados ya están en ese grupo.</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>¿Eliminar %1?</translation>
    </message>
    <message>
        <source>Delete sprites</source>
        <translation>Eliminar sprites</translation>
    </message>
    <message>
        <source>Delete Sprite</source>
        <translation>Eliminar sprite</translation>
    </message>
    <message>
        <source>Delete Sprites</source>
        <translation>Eliminar sprites</translation>
    </message>
    <message>
        <source>Save the selected pictures to:</source>
        <translation>Guardar las imágenes seleccionadas en:</translation>
    </message>
    <message>
        <source>The selected pictures have no transparent border to remove.</source>
        <translation>Las imágenes seleccionadas no tienen ningún borde transparente que quitar.</translation>
    </message>
    <message>
        <source>the sprites&apos; shared palette</source>
        <translation>la paleta compartida de los sprites</translation>
    </message>
    <message>
        <source>The character has no palette to use: its definition names no palette file, and no sprite has a palette of its own.</source>
        <translation>El personaje no tiene ninguna paleta que usar: su definición no indica ningún archivo de paleta y ningún sprite tiene una paleta propia.</translation>
    </message>
    <message>
        <source>The selected pictures have the colours of %1 already.</source>
        <translation>Las imágenes seleccionadas ya tienen los colores de %1.</translation>
    </message>
    <message>
        <source>Remapped to the colours of %1.</source>
        <translation>Colores reasignados a los de %1.</translation>
    </message>
    <message>
        <source>Import a sprite sheet</source>
        <translation>Importar una hoja de sprites</translation>
    </message>
    <message>
        <source>PNG (*.png)</source>
        <translation>PNG (*.png)</translation>
    </message>
    <message>
        <source>Import Sprite Sheet</source>
        <translation>Importar hoja de sprites</translation>
    </message>
    <message>
        <source>The sheet is %1 x %2 pixels. Its frames, as width,height in pixels, or as columns x rows (as 8x2):</source>
        <translation>La hoja mide %1 x %2 píxeles. Sus fotogramas, como ancho,alto en píxeles, o como columnas x filas (como 8x2):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no frames: write 64,80 or 8x2.</source>
        <translation>&quot;%1&quot; no indica fotogramas: escribe 64,80 u 8x2.</translation>
    </message>
    <message>
        <source>The new sprites&apos; group and first image number (group,number):</source>
        <translation>El grupo y el primer número de imagen de los nuevos sprites (grupo,número):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a group and an image number.</source>
        <translation>&quot;%1&quot; no es un grupo y un número de imagen.</translation>
    </message>
    <message>
        <source>Where is each frame&apos;s axis?</source>
        <translation>¿Dónde está el eje de cada fotograma?</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Abajo al centro</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <source>ZSoft PCX (*.pcx)</source>
        <translation>ZSoft PCX (*.pcx)</translation>
    </message>
    <message>
        <source>Pictures (*.pcx *.png)</source>
        <translation>Imágenes (*.pcx *.png)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save SFF file</source>
        <translation>Guardar archivo SFF</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Save the sprites as another SFF file, choosing the build options</source>
        <translation>Guardar los sprites como otro archivo SFF, eligiendo las opciones de generación</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Sort images</source>
        <translation>Ordenar imágenes</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add a PCX or PNG after this image</source>
        <translation>Añadir un PCX o PNG después de esta imagen</translation>
    </message>
    <message>
        <source>Delete this image</source>
        <translation>Eliminar esta imagen</translation>
    </message>
    <message>
        <source>Clone</source>
        <translation>Clonar</translation>
    </message>
    <message>
        <source>Clone image to end</source>
        <translation>Clonar la imagen al final</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Change this image</source>
        <translation>Cambiar esta imagen</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Explorador</translation>
    </message>
    <message>
        <source>Browse for PCX&apos;s with thumbnails</source>
        <translation>Explorar archivos PCX con miniaturas</translation>
    </message>
    <message>
        <source>ZoomIn</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>ZoomOut</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>ShellEdit</source>
        <translation>Editor externo</translation>
    </message>
    <message>
        <source>Send to shell with &quot;Edit&quot; command</source>
        <translation>Enviar al sistema con el comando &quot;Edit&quot;</translation>
    </message>
    <message>
        <source>SaveOne</source>
        <translation>Guardar una</translation>
    </message>
    <message>
        <source>Save this picture as PCX or PNG...</source>
        <translation>Guardar esta imagen como PCX o PNG...</translation>
    </message>
    <message>
        <source>SaveAll</source>
        <translation>Guardar todas</translation>
    </message>
    <message>
        <source>Save all pictures...</source>
        <translation>Guardar todas las imágenes...</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Sprites</source>
        <translation>Sprites</translation>
    </message>
    <message>
        <source>%1 is a 32-bit picture. This character&apos;s sprites are built as SFF v1, which holds 8-bit pictures only (256 colours from a palette). Build them as SFF v2 from now on, so that it can go in?</source>
        <translation>%1 es una imagen de 32 bits. Los sprites de este personaje se generan como SFF v1, que solo admite imágenes de 8 bits (256 colores de una paleta). ¿Generarlos como SFF v2 a partir de ahora, para que pueda entrar?</translation>
    </message>
    <message>
        <source>Add Sprite</source>
        <translation>Añadir sprite</translation>
    </message>
    <message>
        <source>Add a PCX or PNG picture</source>
        <translation>Añadir una imagen PCX o PNG</translation>
    </message>
    <message>
        <source>Adding pictures</source>
        <translation>Añadiendo imágenes</translation>
    </message>
    <message>
        <source>Add Sprites</source>
        <translation>Añadir sprites</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>¿Estás seguro?</translation>
    </message>
    <message>
        <source>Delete current image</source>
        <translation>Eliminar la imagen actual</translation>
    </message>
    <message>
        <source>Change Picture</source>
        <translation>Cambiar imagen</translation>
    </message>
    <message>
        <source>Save single frame</source>
        <translation>Guardar un solo fotograma</translation>
    </message>
    <message>
        <source>Make colour 0 transparent in the PNG file?</source>
        <translation>¿Hacer transparente el color 0 en el archivo PNG?</translation>
    </message>
    <message>
        <source>Save all files to:</source>
        <translation>Guardar todos los archivos en:</translation>
    </message>
    <message>
        <source>Save all files</source>
        <translation>Guardar todos los archivos</translation>
    </message>
    <message>
        <source>Save the pictures as PNG files?
(No saves them as they are: PCX files, and PNG files for 32-bit sprites.)</source>
        <translation>¿Guardar las imágenes como archivos PNG?
(No las guarda tal como están: archivos PCX, y archivos PNG para los sprites de 32 bits.)</translation>
    </message>
    <message>
        <source>Make colour 0 transparent in the PNG files?</source>
        <translation>¿Hacer transparente el color 0 en los archivos PNG?</translation>
    </message>
    <message>
        <source>Saving all pictures</source>
        <translation>Guardando todas las imágenes</translation>
    </message>
    <message>
        <source>
(%1 pictures were not saved.)</source>
        <translation>
(No se guardaron %1 imágenes.)</translation>
    </message>
    <message>
        <source>Image Data</source>
        <translation>Datos de la imagen</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Mouse X, Y:</source>
        <translation>Ratón X, Y:</translation>
    </message>
    <message>
        <source>Alignment tools</source>
        <translation>Herramientas de alineación</translation>
    </message>
    <message>
        <source>Onionskin group and image:</source>
        <translation>Grupo e imagen de papel cebolla:</translation>
    </message>
    <message>
        <source>Jump to</source>
        <translation>Ir a</translation>
    </message>
    <message>
        <source>Hide transparent sections</source>
        <translation>Ocultar secciones transparentes</translation>
    </message>
    <message>
        <source>White background</source>
        <translation>Fondo blanco</translation>
    </message>
    <message>
        <source>Current image</source>
        <translation>Imagen actual</translation>
    </message>
    <message>
        <source>center</source>
        <translation>centrar</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer %1</translation>
    </message>
</context>
<context>
    <name>vantrel::StateFileWindow</name>
    <message>
        <source>Not in a state - %1</source>
        <translation>Fuera de un estado - %1</translation>
    </message>
    <message>
        <source>State%1 of %2</source>
        <extracomment>%1 is the state&apos;s number, with a space before it or its minus sign</extracomment>
        <translation>Estado%1 de %2</translation>
    </message>
</context>
<context>
    <name>vantrel::StatusProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>vantrel::TextDocument</name>
    <message>
        <source>Encoding %1</source>
        <translation>Codificación %1</translation>
    </message>
    <message>
        <source>Can&apos;t open file: %1</source>
        <translation>No se puede abrir el archivo: %1</translation>
    </message>
    <message>
        <source>The character “%1” on line %2 cannot be written in %3.

Save the file as UTF-8 instead?  (No writes “?” in its place.)</source>
        <translation>El carácter “%1” de la línea %2 no se puede escribir en %3.

¿Guardar el archivo como UTF-8?  (Si eliges No, se escribirá “?” en su lugar.)</translation>
    </message>
    <message>
        <source>Recovered Changes</source>
        <translation>Cambios recuperados</translation>
    </message>
</context>
<context>
    <name>vantrel::TextEditorWindow</name>
    <message>
        <source>Encoding of the file</source>
        <translation>Codificación del archivo</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>advertencia: %1</translation>
    </message>
    <message>
        <source>Click a place to go there</source>
        <translation>Haz clic en un lugar para ir allí</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>&amp;Revertir</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
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
        <source>De&amp;lete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>R&amp;eplace...</source>
        <translation>Ree&amp;mplazar...</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar t&amp;odo</translation>
    </message>
    <message>
        <source>&amp;Go to Line...</source>
        <translation>&amp;Ir a la línea...</translation>
    </message>
    <message>
        <source>Go to &amp;Definition</source>
        <translation>Ir a la de&amp;finición</translation>
    </message>
    <message>
        <source>Find &amp;References</source>
        <translation>Buscar &amp;referencias</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>Hora/fecha</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Ventana</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascada</translation>
    </message>
    <message>
        <source>Tile &amp;Horizontally</source>
        <translation>Mosaico &amp;horizontal</translation>
    </message>
    <message>
        <source>Tile &amp;Vertically</source>
        <translation>Mosaico &amp;vertical</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Organizar iconos</translation>
    </message>
    <message>
        <source>C&amp;lose All</source>
        <translation>Cerrar &amp;todo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Go to Line</source>
        <translation>Ir a la línea</translation>
    </message>
    <message>
        <source>Line number (1 to %1):</source>
        <translation>Número de línea (1 a %1):</translation>
    </message>
    <message>
        <source>There is no line %1: the lines go from 1 to %2.</source>
        <translation>No existe la línea %1: las líneas van de 1 a %2.</translation>
    </message>
    <message>
        <source>The character has no %1.</source>
        <translation>El personaje no tiene %1.</translation>
    </message>
    <message>
        <source>%1 is not defined in the character&apos;s files.</source>
        <translation>%1 no está definido en los archivos del personaje.</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;</source>
        <translation>No se encuentra &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Reading the file again as %1 drops your unsaved changes.  Go on?</source>
        <translation>Volver a leer el archivo como %1 descarta tus cambios sin guardar.  ¿Continuar?</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>an undo step</comment>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>Guardar archivo...</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
</context>
<context>
    <name>vantrel::TipDialog</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Consejo del día</translation>
    </message>
    <message>
        <source>Tip of the day</source>
        <translation>Consejo del día</translation>
    </message>
    <message>
        <source>Tips at startup</source>
        <translation>Consejos al iniciar</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Siguiente &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Prev</source>
        <translation>&lt;&lt; Anterior</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
