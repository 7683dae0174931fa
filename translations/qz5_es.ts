<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Advice</name>
    <message>
        <source>Check that the tracker is switched on and that its cable is in this port. If it may be on another port, choose that one, or let Find Tracker on the window menu ask each port.</source>
        <translation>Compruebe que el rastreador esté encendido y que su cable esté conectado a este puerto. Si puede estar en otro puerto, elija ese, o deje que Buscar rastreador, en el menú de la ventana, pregunte en cada puerto.</translation>
    </message>
    <message>
        <source>Check that the tracker is switched on and that its cable is in this port. &apos;qz5cfg ports&apos; lists the ports; &apos;qz5cfg ports --find&apos; asks each one for the tracker.</source>
        <translation>Compruebe que el rastreador esté encendido y que su cable esté conectado a este puerto. &apos;qz5cfg ports&apos; lista los puertos; &apos;qz5cfg ports --find&apos; pregunta en cada uno por el rastreador.</translation>
    </message>
    <message>
        <source>Write the configuration again.</source>
        <translation>Vuelva a escribir la configuración.</translation>
    </message>
    <message>
        <source>Write the configuration again. The tracker&apos;s settings from before this write are in the history as number %1: History on the window menu shows them.</source>
        <translation>Vuelva a escribir la configuración. Los ajustes que tenía el rastreador antes de esta escritura están en el historial con el número %1: Historial, en el menú de la ventana, los muestra.</translation>
    </message>
    <message>
        <source>Write the configuration again. The tracker&apos;s settings from before this write are in the history: &apos;qz5cfg history&apos; lists them, &apos;qz5cfg history show %1&apos; prints them.</source>
        <translation>Vuelva a escribir la configuración. Los ajustes que tenía el rastreador antes de esta escritura están en el historial: &apos;qz5cfg history&apos; los lista y &apos;qz5cfg history show %1&apos; los imprime.</translation>
    </message>
    <message>
        <source>Another program holds this port: close it and try again, or choose another port.</source>
        <translation>Otro programa tiene ocupado este puerto: ciérrelo y vuelva a intentarlo, o elija otro puerto.</translation>
    </message>
    <message>
        <source>The system does not let you open this port: the reason given with &quot;Could not aquire Com Port&quot; says what gives you the right to use it.</source>
        <translation>El sistema no le permite abrir este puerto: el motivo que acompaña a &quot;No se pudo obtener el puerto COM&quot; indica qué le da derecho a usarlo.</translation>
    </message>
    <message>
        <source>The device is not there: plug the adapter in again, or choose a port from the list.</source>
        <translation>El dispositivo no está: vuelva a conectar el adaptador o elija un puerto de la lista.</translation>
    </message>
    <message>
        <source>The device is not there: plug the adapter in again, or choose a port that &apos;qz5cfg ports&apos; lists.</source>
        <translation>El dispositivo no está: vuelva a conectar el adaptador o elija un puerto de los que lista &apos;qz5cfg ports&apos;.</translation>
    </message>
    <message>
        <source>Unplug the adapter, plug it in again, and try again.</source>
        <translation>Desconecte el adaptador, vuelva a conectarlo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Check the cable and that the tracker is switched on, then try again.</source>
        <translation>Compruebe el cable y que el rastreador esté encendido, y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>enter your own</source>
        <translation>introduzca el suyo</translation>
    </message>
    <message>
        <source>enter one</source>
        <translation>introduzca uno</translation>
    </message>
    <message>
        <source>enter it as sent</source>
        <translation>introdúzcalo tal como se enviará</translation>
    </message>
    <message>
        <source>shorten it</source>
        <translation>reduzca su longitud</translation>
    </message>
    <message>
        <source>remove the empty hop</source>
        <translation>quite el salto vacío</translation>
    </message>
    <message>
        <source>ask for two hops</source>
        <translation>pida dos saltos</translation>
    </message>
    <message>
        <source>replace the retired alias</source>
        <translation>sustituya el alias retirado</translation>
    </message>
    <message>
        <source>use WIDE2-2 at most</source>
        <translation>use como máximo WIDE2-2</translation>
    </message>
    <message>
        <source>put WIDE1-1 first</source>
        <translation>ponga WIDE1-1 en primer lugar</translation>
    </message>
    <message>
        <source>lower the SSID</source>
        <translation>reduzca el SSID</translation>
    </message>
    <message>
        <source>remove the used-up hop</source>
        <translation>quite el salto agotado</translation>
    </message>
    <message>
        <source>remove the internet alias</source>
        <translation>quite el alias de internet</translation>
    </message>
    <message>
        <source>beacon less often</source>
        <translation>emita balizas con menos frecuencia</translation>
    </message>
    <message>
        <source>keep it below the slow rate</source>
        <translation>manténgalo por debajo del intervalo lento</translation>
    </message>
    <message>
        <source>keep it above the low speed</source>
        <translation>manténgala por encima de la velocidad baja</translation>
    </message>
    <message>
        <source>turn it or SmartBeaconing off</source>
        <translation>desactive la franja o SmartBeaconing</translation>
    </message>
    <message>
        <source>keep it within the rate</source>
        <translation>manténgala dentro del intervalo</translation>
    </message>
    <message>
        <source>use plain ASCII</source>
        <translation>use ASCII simple</translation>
    </message>
    <message>
        <source>use the 2 m band</source>
        <translation>use la banda de 2 m</translation>
    </message>
    <message>
        <source>keep to 146 MHz at most</source>
        <translation>no pase de 146 MHz</translation>
    </message>
    <message>
        <source>use your APRS channel</source>
        <translation>use su canal APRS</translation>
    </message>
    <message>
        <source>set your APRS channel</source>
        <translation>configure su canal APRS</translation>
    </message>
    <message>
        <source>choose another</source>
        <translation>elija otro</translation>
    </message>
    <message>
        <source>choose one a map can draw</source>
        <translation>elija uno que un mapa pueda dibujar</translation>
    </message>
    <message>
        <source>enter a value it keeps</source>
        <translation>introduzca un valor que el rastreador guarde</translation>
    </message>
    <message>
        <source>Beacon every %1 or slower instead of every %2: one minute is for special events, two or more for routine use.</source>
        <translation>Emita una baliza cada %1 o con menos frecuencia en lugar de cada %2: un minuto es para eventos especiales; dos o más, para el uso habitual.</translation>
    </message>
    <message>
        <source>Make the fast rate shorter than the slow rate (now %1 and %2), or faster driving would beacon less often.</source>
        <translation>Haga el intervalo rápido más corto que el intervalo lento (ahora %1 y %2), o al conducir más deprisa se emitirían balizas con menos frecuencia.</translation>
    </message>
    <message>
        <source>Make the high speed greater than the low speed (now %1 and %2).</source>
        <translation>Haga la velocidad alta mayor que la velocidad baja (ahora %1 y %2).</translation>
    </message>
    <message>
        <source>Turn off either the time slot or SmartBeaconing: the tracker keeps the slot in SmartBeaconing&apos;s settings.</source>
        <translation>Desactive la franja horaria o SmartBeaconing: el rastreador guarda la franja en los ajustes de SmartBeaconing.</translation>
    </message>
    <message>
        <source>Set the time slot to at most the transmit rate, %1: a slot at %2 never comes.</source>
        <translation>Ajuste la franja horaria a un valor no mayor que el intervalo de transmisión, %1: una franja en %2 nunca llega.</translation>
    </message>
    <message>
        <source>Choose another Mic-E message unless this is a real emergency: Emergency! sets off alarms at every station that hears it.</source>
        <translation>Elija otro mensaje Mic-E salvo que se trate de una emergencia real: Emergency! hace saltar las alarmas en todas las estaciones que lo oyen.</translation>
    </message>
    <message>
        <source>Enter the station&apos;s callsign: the tracker would send a blank one.</source>
        <translation>Introduzca el indicativo de la estación: el rastreador enviaría uno en blanco.</translation>
    </message>
    <message>
        <source>Enter your own callsign: APRS-IS servers refuse %1.</source>
        <translation>Introduzca su propio indicativo: los servidores APRS-IS rechazan %1.</translation>
    </message>
    <message>
        <source>Enter the callsign as %1, which is what the tracker will send: it keeps at most six letters or digits and an SSID from 0 to 15.</source>
        <translation>Introduzca el indicativo como %1, que es lo que enviará el rastreador: guarda como máximo seis letras o cifras y un SSID de 0 a 15.</translation>
    </message>
    <message>
        <source>Set a frequency in the 2 m band, %1 to %2.</source>
        <translation>Ajuste una frecuencia de la banda de 2 m, de %1 a %2.</translation>
    </message>
    <message>
        <source>Set your APRS channel before the tracker goes into service: %1 is for testing.</source>
        <translation>Ajuste su canal APRS antes de poner el rastreador en servicio: %1 es para pruebas.</translation>
    </message>
    <message>
        <source>If you operate in %1, set a frequency of at most %2: the 2 m band of ITU Region 1 ends there.</source>
        <translation>Si opera en %1, ajuste una frecuencia de como máximo %2: allí termina la banda de 2 m de la Región 1 de la UIT.</translation>
    </message>
    <message>
        <source>If you operate in %1, set its APRS channel, %2.</source>
        <translation>Si opera en %1, ajuste su canal APRS, %2.</translation>
    </message>
    <message>
        <source>Enter a value the tracker can hold: %1 would be sent as %2.</source>
        <translation>Introduzca un valor que el rastreador pueda guardar: %1 se enviaría como %2.</translation>
    </message>
    <message>
        <source>Shorten the path: the tracker keeps only &quot;%1&quot;.</source>
        <translation>Acorte la ruta: el rastreador solo guarda &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Remove the empty element from the path: the tracker would send a blank digipeater address.</source>
        <translation>Quite el elemento vacío de la ruta: el rastreador enviaría una dirección de digipeater en blanco.</translation>
    </message>
    <message>
        <source>Remove %1 from the path: it marks packets from the internet and must never go out on the air.</source>
        <translation>Quite %1 de la ruta: marca los paquetes procedentes de internet y nunca debe salir al aire.</translation>
    </message>
    <message>
        <source>Replace %1 with WIDE1-1 or WIDE2-n: digipeaters no longer service this alias.</source>
        <translation>Sustituya %1 por WIDE1-1 o WIDE2-n: los digipeaters ya no atienden este alias.</translation>
    </message>
    <message>
        <source>Use WIDE2-2 at most instead of %1: digipeaters limit WIDEn-N to n of 2.</source>
        <translation>Use como máximo WIDE2-2 en lugar de %1: los digipeaters limitan WIDEn-N a n de 2.</translation>
    </message>
    <message>
        <source>Put WIDE1-1 first in the path or leave it out: it asks for a fill-in digipeater&apos;s first hop only.</source>
        <translation>Ponga WIDE1-1 en primer lugar en la ruta o quítelo: solo pide el primer salto de un digipeater de relleno.</translation>
    </message>
    <message>
        <source>Use %1 rather than %2: N above n is not serviced.</source>
        <translation>Use %1 en lugar de %2: no se atiende una N mayor que n.</translation>
    </message>
    <message>
        <source>Remove %1 from the path: a hop with SSID 0 is used up and asks for nothing.</source>
        <translation>Quite %1 de la ruta: un salto con SSID 0 está agotado y no pide nada.</translation>
    </message>
    <message>
        <source>Ask for two hops, as WIDE1-1,WIDE2-1 does: this path asks for %1, which floods the network.</source>
        <translation>Pida dos saltos, como hace WIDE1-1,WIDE2-1: esta ruta pide %1, lo que satura la red.</translation>
    </message>
    <message>
        <source>Ask for two hops, as WIDE1-1,WIDE2-1 does: this path asks for %1, which suits only an area with few digipeaters.</source>
        <translation>Pida dos saltos, como hace WIDE1-1,WIDE2-1: esta ruta pide %1, lo que solo conviene en una zona con pocos digipeaters.</translation>
    </message>
    <message>
        <source>no callsign-prefix list: %1</source>
        <translation>no hay lista de prefijos de indicativo: %1</translation>
    </message>
    <message>
        <source>no callsign-prefix list: %1 holds no country that can be read</source>
        <translation>no hay lista de prefijos de indicativo: %1 no contiene ningún país legible</translation>
    </message>
    <message>
        <source>the callsign-prefix list %1 was read only in part: line %2 cannot be read and was left out</source>
        <translation>la lista de prefijos de indicativo %1 solo se leyó en parte: la línea %2 no se puede leer y se ha omitido</translation>
    </message>
    <message numerus="yes">
        <source>Shorten the status text, use fewer digipeaters or share settings between the profiles: the tracker keeps only its first %n characters.</source>
        <translation>
            <numerusform>Acorte el texto de estado, use menos digipeaters o comparta ajustes entre los perfiles: el rastreador solo guarda %n carácter.</numerusform>
            <numerusform>Acorte el texto de estado, use menos digipeaters o comparta ajustes entre los perfiles: el rastreador solo guarda sus primeros %n caracteres.</numerusform>
        </translation>
    </message>
    <message>
        <source>Shorten the Primary profile&apos;s status text, use fewer digipeaters or share settings between the profiles: the Primary profile&apos;s status text leaves no room for this one.</source>
        <translation>Acorte el texto de estado del perfil principal, use menos digipeaters o comparta ajustes entre los perfiles: el texto de estado del perfil principal no deja espacio para este.</translation>
    </message>
    <message>
        <source>Use fewer digipeaters or share settings between the profiles: no room is left for the status text.</source>
        <translation>Use menos digipeaters o comparta ajustes entre los perfiles: no queda espacio para el texto de estado.</translation>
    </message>
    <message>
        <source>Remove %1 from the status text: APRS keeps status texts to printable ASCII other than | and ~.</source>
        <translation>Quite %1 del texto de estado: APRS limita los textos de estado a ASCII imprimible, salvo | y ~.</translation>
    </message>
    <message>
        <source>Set the symbol table to /, \ or an overlay character 0-9 or A-Z: with %1 maps may show a placeholder (symbol list %2).</source>
        <translation>Ajuste la tabla de símbolos a /, \ o un carácter superpuesto 0-9 o A-Z: con %1 los mapas pueden mostrar un marcador genérico (lista de símbolos %2).</translation>
    </message>
    <message>
        <source>Set the symbol table to /, \ or an overlay character 0-9 or A-Z: with %1 maps may show a placeholder.</source>
        <translation>Ajuste la tabla de símbolos a /, \ o un carácter superpuesto 0-9 o A-Z: con %1 los mapas pueden mostrar un marcador genérico.</translation>
    </message>
    <message>
        <source>Choose a symbol the list has a picture for: maps may show a placeholder for %1 on the %2 (symbol list %3).</source>
        <translation>Elija un símbolo para el que la lista tenga una imagen: los mapas pueden mostrar un marcador genérico para %1 (%2) (lista de símbolos %3).</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Commands in detail:
  show FILE              reads FILE as the window&apos;s Load does and prints the
                         record (defaults, then the file&apos;s image) as JSON; a
                         JSON record (FILE ending in .json) is shown as a
                         configuration file would hold it
  build JSON_FILE OUT    applies the JSON record to the defaults and saves it
                         as the window&apos;s Save does (136 bytes: &quot;ZB3A&quot;, 128,
                         the image); a truncated status text is reported and
                         the file is still written. --strict checks the
                         record first and saves nothing when a finding is an
                         error (exit status 1)
  version --port P       prints the tracker&apos;s version reply
  read --port P OUT      reads the image twice, requires 128 equal bytes that
                         decode, and saves exactly the tracker&apos;s bytes to OUT
  read --port P --json   or prints the decoded record as JSON
  write --port P IN      IN is a configuration file, whose image is sent
                         exactly as it is, or a JSON record when its name ends
                         in .json, which is encoded; the image is written and
                         read back to verify it. A profile whose micEStatus is
                         7 (Emergency!), or any value whose low byte is 7, is
                         refused, with the window&apos;s question as the reason,
                         unless --emergency-ok is given. Before sending, the
                         tracker&apos;s current image is read into the history
                         (about two seconds); if that read fails nothing is
                         written. --no-backup skips it. --strict sends
                         nothing when a finding of the check is an error
                         (exit status 1). Once written, every setting the
                         write changed on the tracker is printed on stdout,
                         as --dry-run prints it (nothing with --no-backup).
  diff A B               compares the settings of A and B, each a
                         configuration file, a JSON record (as it would be
                         written) or tracker:PORT (read from the tracker), and
                         prints every field that differs by its JSON name:
                         &quot;profiles[1].statusText: &quot;a&quot; -&gt; &quot;b&quot;&quot;; a symbol&apos;s
                         line adds the symbol list&apos;s names for both sides.
                         When only the image bytes differ, it says so in one
                         line.
  history                lists the images kept in the history, the one stored
                         last first: time (UTC), direction, port, version,
                         file. --json prints a JSON array: sequence, time,
                         kind, port, version, callsigns and file (a file that
                         does not read has &quot;problem&quot; in place of callsigns)
  history show N         prints the record of the image whose name begins
                         with the sequence number N as JSON, as show does;
                         write --port P FILE puts it back on a tracker. When
                         N begins more than one name, it names them all
                         (exit status 2)
  check SOURCE           checks a configuration file, a JSON record or
                         tracker:PORT against APRS practice and against what
                         the tracker keeps, and prints one line per finding,
                         most severe first: &quot;severity  rule  field  message&quot;
                         (error: it cannot work or harms the network;
                         warning: it goes against practice; note: worth
                         knowing). A symbol table that is not /, \ or an
                         overlay character, or a symbol the symbol list has
                         no picture for, is a warning naming the list.
                         --json prints them as a JSON array;
                         --ignore RULE leaves a rule out. write prints the
                         same findings on stderr before it sends, and writes
                         all the same unless --strict is given.
  --set FIELD=VALUE      (show, build, write; repeatable) sets a field by its
                         JSON name, &quot;calibration&quot; or &quot;profiles[N].NAME&quot;, split
                         at the first &apos;=&apos;; a text is taken as it stands, other
                         values as JSON (true, 5, 144.8). The record is then
                         encoded as the window&apos;s Write does, so every other
                         setting stays as it was. activeProfile,
                         calibrationChanged, slotDivides60/600 and
                         symbolName cannot be set.
  --preset N=NAME        (build, write, timing; repeatable) sets profile N&apos;s
                         (1 Primary, 2 Secondary) SmartBeaconing to a preset
                         NAME, in any letter case, and turns SmartBeaconing
                         on, the time slot and the sent value off, as the
                         window&apos;s box does; applied before any --set. The
                         presets are listed below.
  timing FILE            prints when the tracker sends its beacons, for each
                         profile of a configuration file or JSON record (the
                         defaults without FILE), for those --preset sets, or
                         for --profile N (0 Primary, 1 Secondary): with
                         SmartBeaconing off the transmit rate (in its time
                         slot when one is on); with it on a row of speeds
                         from standing still to above the high speed, each
                         with its interval, beacons per hour and turn
                         threshold, by the published SmartBeaconing rules
                         (at or below the low speed the slow rate and no turn
                         beacons, at or above the high speed the fast rate,
                         between them fast rate x high speed / speed; turn
                         angle + turn slope / speed, no sooner than the turn
                         time). Seconds and degrees are rounded, halves up;
                         speeds are in the tracker&apos;s own unit. A
                         SmartBeaconing speeds or rates finding of check is
                         shown instead of rows. --json prints an array of
                         one object a profile.
  write --dry-run        reads the tracker&apos;s image into the history as the
                         backup, prints on stdout every setting the write
                         would change (as diff) and the findings on stderr,
                         and sends nothing. Exit status: 0 nothing would
                         change, 1 something would, 2 trouble.
</source>
        <translation>Órdenes en detalle:
  show FILE              lee FILE como lo hace Cargar en la ventana e imprime
                         el registro (valores predeterminados y luego la imagen
                         del archivo) como JSON; un registro JSON (FILE
                         terminado en .json) se muestra como lo guardaría un
                         archivo de configuración
  build JSON_FILE OUT    aplica el registro JSON a los valores predeterminados
                         y lo guarda como lo hace Guardar en la ventana (136
                         bytes: &quot;ZB3A&quot;, 128, la imagen); un texto de estado
                         truncado se notifica y el archivo se escribe de todos
                         modos. --strict comprueba antes el registro y no
                         guarda nada si un hallazgo es un error (estado de
                         salida 1)
  version --port P       imprime la respuesta de versión del rastreador
  read --port P OUT      lee la imagen dos veces, exige 128 bytes iguales que
                         se puedan decodificar y guarda en OUT exactamente los
                         bytes del rastreador
  read --port P --json   o imprime el registro decodificado como JSON
  write --port P IN      IN es un archivo de configuración, cuya imagen se
                         envía tal cual, o un registro JSON si su nombre
                         termina en .json, que se codifica; la imagen se
                         escribe y se vuelve a leer para verificarla. Un perfil
                         cuyo micEStatus es 7 (Emergency!), o cualquier valor
                         cuyo byte bajo sea 7, se rechaza, con la pregunta de
                         la ventana como motivo, salvo que se indique
                         --emergency-ok. Antes de enviar, la imagen actual del
                         rastreador se lee al historial (unos dos segundos); si
                         esa lectura falla, no se escribe nada. --no-backup la
                         omite. --strict no envía nada si un hallazgo de la
                         comprobación es un error (estado de salida 1). Tras
                         escribir, cada ajuste que la escritura cambió en el
                         rastreador se imprime en stdout, como lo imprime
                         --dry-run (nada con --no-backup).
  diff A B               compara los ajustes de A y B, cada uno un archivo de
                         configuración, un registro JSON (tal como se
                         escribiría) o tracker:PORT (leído del rastreador), e
                         imprime cada campo que difiere por su nombre JSON:
                         &quot;profiles[1].statusText: &quot;a&quot; -&gt; &quot;b&quot;&quot;; la línea de un
                         símbolo añade los nombres de la lista de símbolos para
                         ambos lados. Si solo difieren los bytes de la imagen,
                         lo dice en una línea.
  history                lista las imágenes guardadas en el historial, la
                         última guardada primero: hora (UTC), sentido, puerto,
                         versión, archivo. --json imprime una matriz JSON:
                         secuencia, hora, tipo, puerto, versión, indicativos y
                         archivo (un archivo que no se puede leer tiene
                         &quot;problem&quot; en lugar de los indicativos)
  history show N         imprime como JSON el registro de la imagen cuyo nombre
                         empieza por el número de secuencia N, como hace show;
                         write --port P FILE la devuelve a un rastreador. Si N
                         es el comienzo de más de un nombre, los nombra todos
                         (estado de salida 2)
  check SOURCE           comprueba un archivo de configuración, un registro
                         JSON o tracker:PORT según la práctica APRS y lo que
                         guarda el rastreador, e imprime una línea por
                         hallazgo, el más grave primero: &quot;gravedad  regla
                         campo  mensaje&quot; (error: no puede funcionar o perjudica
                         a la red; advertencia: va contra la práctica; nota:
                         conviene saberlo). Una tabla de símbolos que no es /,
                         \ ni un carácter superpuesto, o un símbolo para el que
                         la lista de símbolos no tiene imagen, es una
                         advertencia que nombra la lista. --json los imprime
                         como matriz JSON; --ignore RULE omite una regla. write
                         imprime los mismos hallazgos en stderr antes de
                         enviar, y escribe igualmente salvo que se indique
                         --strict.
  --set FIELD=VALUE      (show, build, write; repetible) ajusta un campo por su
                         nombre JSON, &quot;calibration&quot; o &quot;profiles[N].NAME&quot;,
                         separado en el primer &apos;=&apos;; un texto se toma tal cual,
                         los demás valores como JSON (true, 5, 144.8). Luego el
                         registro se codifica como lo hace Escribir en la
                         ventana, de modo que todos los demás ajustes quedan
                         como estaban. activeProfile, calibrationChanged,
                         slotDivides60/600 y symbolName no se pueden ajustar.
  --preset N=NAME        (build, write, timing; repetible) ajusta
                         SmartBeaconing del perfil N (1 principal, 2
                         secundario) al preajuste NAME, en mayúsculas o
                         minúsculas, y activa SmartBeaconing y desactiva la
                         franja horaria y el valor enviado, como hace el cuadro
                         de la ventana; se aplica antes de cualquier --set. Los
                         preajustes se listan más abajo.
  timing FILE            imprime cuándo envía el rastreador sus balizas, para
                         cada perfil de un archivo de configuración o registro
                         JSON (los valores predeterminados sin FILE), para los
                         que ajusta --preset o para --profile N (0 principal, 1
                         secundario): con SmartBeaconing desactivado, el
                         intervalo de transmisión (en su franja horaria si hay
                         una activa); con él activado, una fila de velocidades
                         desde parado hasta por encima de la velocidad alta,
                         cada una con su intervalo, balizas por hora y umbral
                         de giro, según las reglas publicadas de SmartBeaconing
                         (en la velocidad baja o por debajo, el intervalo lento
                         y sin balizas de giro; en la velocidad alta o por
                         encima, el intervalo rápido; entre ambas, intervalo
                         rápido x velocidad alta / velocidad; ángulo de giro +
                         pendiente de giro / velocidad, no antes del tiempo de
                         giro). Los segundos y grados se redondean, las mitades
                         hacia arriba; las velocidades están en la unidad
                         propia del rastreador. Un hallazgo de check sobre las
                         velocidades o los intervalos de SmartBeaconing se
                         muestra en lugar de las filas. --json imprime una
                         matriz de un objeto por perfil.
  write --dry-run        lee la imagen del rastreador al historial como copia
                         de seguridad, imprime en stdout cada ajuste que la
                         escritura cambiaría (como diff) y los hallazgos en
                         stderr, y no envía nada. Estado de salida: 0 nada
                         cambiaría, 1 algo cambiaría, 2 problema.
</translation>
    </message>
    <message>
        <source>
History: every image read from or written to a tracker (by qz5cfg or the
window) is kept as a configuration file in $XDG_STATE_HOME/qz5-config/history
(by default ~/.local/state/qz5-config/history); the 1000 stored last are kept,
in the order of the sequence number that begins each name, whatever the clock
says. The folders from the state base down must be yours and closed to other
writers. If an image cannot be stored, a warning goes to stderr and the
command goes on; but a write whose backup cannot be kept sends nothing
(--no-backup writes without it).

Trace: --trace FILE (before or after the command) writes every open, close,
rate change and byte on the line, timed in seconds since the start with
millisecond resolution, &quot;tx&quot; sent to the tracker and &quot;rx&quot; received from it.
The file is opened when a command first talks to a tracker; it must be a
regular file (no terminal, pipe or device), and one it creates is readable by
you alone. A trace that cannot be written is said after the exchange.

Messages go to stderr as &quot;Caption: text&quot; (the text alone when it has no
caption). The version reply and JSON records go to stdout. A successful read
or write says &quot;Zelbin3 Read: Read Successful&quot; or &quot;Zelbin3 Write: Write
Successful&quot; on stderr. When stderr is a terminal, version, read and write
also show their steps there (&quot;Writing the configuration: 64 of 132 bytes&quot;)
on one line that is rewritten in place and wiped at the end; --quiet turns
that off.

Exit status:
  0  done
  1  the file or device operation failed (its message says which), a JSON
     file could not be read, or the trace file cannot be written
  2  usage error, invalid JSON record, an input that is no regular file (a
     folder, a FIFO, a device), a write of an Emergency Mic-E status
     without --emergency-ok (nothing is sent to the tracker), or a history
     show N whose number more than one image bears
  diff follows diff(1) instead: 0 the settings are equal, 1 they differ,
  2 trouble (a side could not be read, or a usage error)
  check: 0 no warning or error, 1 at least one, 2 trouble (an unknown rule
  for --ignore, a source that could not be read)
  write --dry-run: 0 nothing would change, 1 something would, 2 trouble
  A --set that names no settable field or gives a value of the wrong type
  exits with 2, and nothing is written.

Callsign prefixes: check names the country of a callsign from the list that
amateur loggers use, cty.dat (/usr/share/hamradio-files/cty.dat, or beside
the program on Windows; QZ5_PREFIX_LIST names another file). Without it, no
finding depends on the country.

Symbols: show, diff and check name a symbol from the list of symbol pictures
of an APRS client&apos;s data (/usr/share/xastir/symbols/symbols.dat from
xastir-data, or beside the program on Windows; QZ5_SYMBOLS names another
file). Without it, names are null and a line on stderr says so once.

JSON form (show and read --json print it; build and write accept it):
  {
    &quot;activeProfile&quot;: 0,            0 or 1
    &quot;calibration&quot;: 128,
    &quot;calibrationChanged&quot;: false,
    &quot;profiles&quot;: [ {Primary}, {Secondary} ]
  }
</source>
        <translation>
Historial: cada imagen leída de un rastreador o escrita en él (por qz5cfg o
por la ventana) se guarda como archivo de configuración en
$XDG_STATE_HOME/qz5-config/history (por defecto
~/.local/state/qz5-config/history); se conservan las 1000 guardadas en último
lugar, en el orden del número de secuencia con que empieza cada nombre, diga
lo que diga el reloj. Las carpetas desde la base de estado hacia abajo deben
ser suyas y estar cerradas a otros escritores. Si una imagen no se puede
guardar, se envía una advertencia a stderr y la orden continúa; pero una
escritura cuya copia de seguridad no se puede guardar no envía nada
(--no-backup escribe sin ella).

Traza: --trace FILE (antes o después de la orden) escribe cada apertura,
cierre, cambio de velocidad y byte de la línea, con el tiempo en segundos
desde el inicio y resolución de milisegundos, &quot;tx&quot; lo enviado al rastreador y
&quot;rx&quot; lo recibido de él. El archivo se abre cuando una orden se comunica por
primera vez con un rastreador; debe ser un archivo normal (ni terminal, ni
tubería, ni dispositivo), y el que se crea solo lo puede leer usted. Una traza
que no se puede escribir se notifica después del intercambio.

Los mensajes van a stderr como &quot;Título: texto&quot; (solo el texto si no tiene
título). La respuesta de versión y los registros JSON van a stdout. Una
lectura o escritura correcta dice &quot;Zelbin3 - Lectura: Lectura correcta&quot; o
&quot;Zelbin3 - Escritura: Escritura correcta&quot; en stderr. Si stderr es un terminal,
version, read y write también muestran allí sus pasos (&quot;Escribiendo la
configuración: 64 de 132 bytes&quot;) en una línea que se reescribe en su sitio y
se borra al final; --quiet lo desactiva.

Estado de salida:
  0  hecho
  1  falló la operación con el archivo o el dispositivo (su mensaje dice
     cuál), no se pudo leer un archivo JSON o no se puede escribir el archivo
     de traza
  2  error de uso, registro JSON no válido, una entrada que no es un archivo
     normal (una carpeta, una FIFO, un dispositivo), una escritura de un estado
     Mic-E Emergency sin --emergency-ok (no se envía nada al rastreador) o un
     history show N cuyo número llevan varias imágenes
  diff sigue en cambio a diff(1): 0 los ajustes son iguales, 1 difieren, 2
  problema (no se pudo leer un lado, o error de uso)
  check: 0 ninguna advertencia ni error, 1 al menos uno, 2 problema (una regla
  desconocida para --ignore, un origen que no se pudo leer)
  write --dry-run: 0 nada cambiaría, 1 algo cambiaría, 2 problema
  Un --set que no nombra ningún campo ajustable o da un valor de tipo
  incorrecto sale con 2, y no se escribe nada.

Prefijos de indicativo: check nombra el país de un indicativo a partir de la
lista que usan los programas de registro de radioaficionados, cty.dat
(/usr/share/hamradio-files/cty.dat, o junto al programa en Windows;
QZ5_PREFIX_LIST nombra otro archivo). Sin ella, ningún hallazgo depende del
país.

Símbolos: show, diff y check nombran un símbolo a partir de la lista de
imágenes de símbolos de los datos de un cliente APRS
(/usr/share/xastir/symbols/symbols.dat de xastir-data, o junto al programa en
Windows; QZ5_SYMBOLS nombra otro archivo). Sin ella, los nombres son null y
una línea en stderr lo dice una vez.

Forma JSON (show y read --json la imprimen; build y write la aceptan):
  {
    &quot;activeProfile&quot;: 0,            0 o 1
    &quot;calibration&quot;: 128,
    &quot;calibrationChanged&quot;: false,
    &quot;profiles&quot;: [ {Primary}, {Secondary} ]
  }
</translation>
    </message>
    <message>
        <source>  Integers are JSON integers (32-bit signed); flags are true or false.
  Texts are strings in which each character U+0000..U+00FF stands for one
  byte: callsign up to 19 characters, digiPath up to 99, statusText up to 199.
  symbolCode and symbolTable are one-character strings (&quot;&quot; for a zero byte).
  symbolName, printed after symbolTable, is the symbol list&apos;s name for the
  symbol, or null; it is for people: build and write pass over it.
  frequencyMHz is a number in MHz (at most 10000000 either side of 0),
  printed as the shortest decimal that gives back the same 32-bit float
  (144.39).
  For build and write every field is optional: absent fields keep the
  defaults, and &quot;profiles&quot; may hold fewer than two objects, each partial. An
  unknown field, a wrong type, an integer outside the 32-bit range, a text
  too long for its field or a symbol of more than one character is an error
  that names the field; a key given twice in one object is an error that
  names the key and its object. Printed JSON writes the control characters
  U+0080..U+009F as \u0080..\u009f escapes.
</source>
        <translation>  Los enteros son enteros JSON (32 bits con signo); los indicadores son true o
  false. Los textos son cadenas en las que cada carácter U+0000..U+00FF
  representa un byte: callsign hasta 19 caracteres, digiPath hasta 99,
  statusText hasta 199. symbolCode y symbolTable son cadenas de un carácter
  (&quot;&quot; para un byte cero). symbolName, impreso tras symbolTable, es el nombre
  del símbolo en la lista de símbolos, o null; es para las personas: build y
  write lo pasan por alto. frequencyMHz es un número en MHz (como máximo
  10000000 a cada lado de 0), impreso como el decimal más corto que devuelve
  el mismo float de 32 bits (144.39). Para build y write todos los campos son
  opcionales: los campos ausentes conservan los valores predeterminados, y
  &quot;profiles&quot; puede contener menos de dos objetos, cada uno parcial. Un campo
  desconocido, un tipo incorrecto, un entero fuera del rango de 32 bits, un
  texto demasiado largo para su campo o un símbolo de más de un carácter es un
  error que nombra el campo; una clave dada dos veces en un mismo objeto es un
  error que nombra la clave y su objeto. El JSON impreso escribe los
  caracteres de control U+0080..U+009F como escapes \u0080..\u009f.
</translation>
    </message>
    <message>
        <source>--ignore %1: no such rule; &apos;qz5cfg check --help&apos; lists them</source>
        <translation>--ignore %1: no existe esa regla; &apos;qz5cfg check --help&apos; las lista</translation>
    </message>
    <message>
        <source>Check a configuration file, JSON record or tracker:PORT against APRS practice and what the tracker keeps. Exit status: 0 nothing above a note, 1 a warning or an error, 2 trouble.</source>
        <translation>Comprueba un archivo de configuración, un registro JSON o tracker:PORT según la práctica APRS y lo que guarda el rastreador. Estado de salida: 0 nada por encima de una nota, 1 una advertencia o un error, 2 problema.</translation>
    </message>
    <message>
        <source>file, JSON record or tracker:PORT</source>
        <translation>archivo, registro JSON o tracker:PORT</translation>
    </message>
    <message>
        <source>print the findings as a JSON array</source>
        <translation>imprime los hallazgos como una matriz JSON</translation>
    </message>
    <message>
        <source>leave out the findings of this rule (repeatable)</source>
        <translation>omite los hallazgos de esta regla (repetible)</translation>
    </message>
    <message>
        <source>Run &apos;qz5cfg --help&apos; for ports, messages, exit statuses and the JSON form.</source>
        <translation>Ejecute &apos;qz5cfg --help&apos; para ver los puertos, los mensajes, los estados de salida y la forma JSON.</translation>
    </message>
    <message>
        <source>set a field by its JSON name, e.g. profiles[0].callsign=MYCALL-7 (repeatable)</source>
        <translation>ajusta un campo por su nombre JSON, p. ej. profiles[0].callsign=MYCALL-7 (repetible)</translation>
    </message>
    <message>
        <source>set profile N&apos;s (1 Primary, 2 Secondary) SmartBeaconing to a preset and turn it on, before any --set: %1 (repeatable)</source>
        <translation>ajusta SmartBeaconing del perfil N (1 principal, 2 secundario) a un preajuste y lo activa, antes de cualquier --set: %1 (repetible)</translation>
    </message>
    <message>
        <source>nothing written: --strict and the check found an error</source>
        <translation>no se ha escrito nada: --strict y la comprobación encontró un error</translation>
    </message>
    <message>
        <source>nothing written: the tracker&apos;s current configuration could not be read into the history first; give --no-backup to write without that copy</source>
        <translation>no se ha escrito nada: antes no se pudo leer al historial la configuración actual del rastreador; indique --no-backup para escribir sin esa copia</translation>
    </message>
    <message>
        <source>nothing written: the tracker&apos;s current configuration could not be kept in the history (%1); give --no-backup to write without that copy</source>
        <translation>no se ha escrito nada: la configuración actual del rastreador no se pudo guardar en el historial (%1); indique --no-backup para escribir sin esa copia</translation>
    </message>
    <message>
        <source>nothing written; give --emergency-ok to write an Emergency status</source>
        <translation>no se ha escrito nada; indique --emergency-ok para escribir un estado Emergency</translation>
    </message>
    <message>
        <source>the tracker&apos;s current configuration could not be kept in the history (%1); a write would be refused</source>
        <translation>la configuración actual del rastreador no se pudo guardar en el historial (%1); se rechazaría una escritura</translation>
    </message>
    <message>
        <source>COM1..COM255, a device path, or auto to look for the tracker on every free port</source>
        <translation>COM1..COM255, una ruta de dispositivo, o auto para buscar el rastreador en todos los puertos libres</translation>
    </message>
    <message>
        <source>no progress line on a terminal (there is none in a pipe)</source>
        <translation>sin línea de progreso en un terminal (en una tubería no la hay)</translation>
    </message>
    <message>
        <source>Print the tracker&apos;s version reply.</source>
        <translation>Imprime la respuesta de versión del rastreador.</translation>
    </message>
    <message>
        <source>Read the tracker&apos;s configuration and save it to OUT (or print it with --json).</source>
        <translation>Lee la configuración del rastreador y la guarda en OUT (o la imprime con --json).</translation>
    </message>
    <message>
        <source>read: give OUT or --json</source>
        <translation>read: indique OUT o --json</translation>
    </message>
    <message>
        <source>configuration file to write</source>
        <translation>archivo de configuración que se escribirá</translation>
    </message>
    <message>
        <source>print the record as JSON instead of saving it</source>
        <translation>imprime el registro como JSON en lugar de guardarlo</translation>
    </message>
    <message>
        <source>Write a configuration file, or a JSON record (IN ending in .json), into the tracker and verify it by reading it back.</source>
        <translation>Escribe un archivo de configuración, o un registro JSON (IN terminado en .json), en el rastreador y lo verifica volviéndolo a leer.</translation>
    </message>
    <message>
        <source>write: --dry-run compares with the backup read, which --no-backup leaves out</source>
        <translation>write: --dry-run compara con la copia de seguridad leída, que --no-backup omite</translation>
    </message>
    <message>
        <source>write: --dry-run sends nothing and prints every finding; --strict is for the write itself</source>
        <translation>write: --dry-run no envía nada e imprime todos los hallazgos; --strict es para la propia escritura</translation>
    </message>
    <message>
        <source>configuration file or JSON record</source>
        <translation>archivo de configuración o registro JSON</translation>
    </message>
    <message>
        <source>allow a profile whose Mic-E status is 7 (Emergency!)</source>
        <translation>permite un perfil cuyo estado Mic-E es 7 (Emergency!)</translation>
    </message>
    <message>
        <source>do not read the tracker&apos;s current image into the history first</source>
        <translation>no lee antes al historial la imagen actual del rastreador</translation>
    </message>
    <message>
        <source>read the tracker&apos;s image into the history, print what the write would change and the check&apos;s findings, and send nothing (exit status as diff)</source>
        <translation>lee la imagen del rastreador al historial, imprime lo que cambiaría la escritura y los hallazgos de la comprobación, y no envía nada (estado de salida como diff)</translation>
    </message>
    <message>
        <source>check the record first and send nothing when a finding is an error</source>
        <translation>comprueba antes el registro y no envía nada si un hallazgo es un error</translation>
    </message>
    <message>
        <source>--port %1: expected COM1..COM255, auto, or a device path starting with &apos;/&apos;</source>
        <translation>--port %1: se esperaba COM1..COM255, auto o una ruta de dispositivo que empiece por &apos;/&apos;</translation>
    </message>
    <message>
        <source>same settings; the images differ in %1 byte(s) (rounded delays or the layout of the image)</source>
        <translation>mismos ajustes; las imágenes difieren en %1 byte(s) (retardos redondeados o la disposición de la imagen)</translation>
    </message>
    <message>
        <source>Compare the settings of two configuration files, JSON records or tracker:PORT. Exit status as diff(1): 0 equal, 1 different, 2 trouble.</source>
        <translation>Compara los ajustes de dos archivos de configuración, registros JSON o tracker:PORT. Estado de salida como diff(1): 0 iguales, 1 distintos, 2 problema.</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>no se puede escribir la salida</translation>
    </message>
    <message>
        <source>%1: expected FIELD=VALUE</source>
        <translation>%1: se esperaba FIELD=VALUE</translation>
    </message>
    <message>
        <source>%1: cannot be set</source>
        <translation>%1: no se puede ajustar</translation>
    </message>
    <message>
        <source>%1: unknown field (profile fields are named profiles[0].NAME or profiles[1].NAME)</source>
        <translation>%1: campo desconocido (los campos de perfil se llaman profiles[0].NAME o profiles[1].NAME)</translation>
    </message>
    <message>
        <source>%1: expected N=NAME</source>
        <translation>%1: se esperaba N=NAME</translation>
    </message>
    <message>
        <source>%1: the profile is 1 (Primary) or 2 (Secondary)</source>
        <translation>%1: el perfil es 1 (principal) o 2 (secundario)</translation>
    </message>
    <message>
        <source>%1: the presets are %2</source>
        <translation>%1: los preajustes son %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>an option and what is wrong with its value</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>nothing saved: --strict and the check found an error</source>
        <translation>no se ha guardado nada: --strict y la comprobación encontró un error</translation>
    </message>
    <message>
        <source>Print a configuration file (.zb3) or a JSON record as JSON.</source>
        <translation>Imprime un archivo de configuración (.zb3) o un registro JSON como JSON.</translation>
    </message>
    <message>
        <source>Apply a JSON record to the defaults and save it as a configuration file.</source>
        <translation>Aplica un registro JSON a los valores predeterminados y lo guarda como archivo de configuración.</translation>
    </message>
    <message>
        <source>JSON record</source>
        <translation>registro JSON</translation>
    </message>
    <message>
        <source>check the record first and save nothing when a finding is an error</source>
        <translation>comprueba antes el registro y no guarda nada si un hallazgo es un error</translation>
    </message>
    <message>
        <source>Looking for the tracker: every serial port that no other program holds gets the version request (ESC ESC V) at 4800, then 9600 bit/s, with DTR and RTS raised.</source>
        <translation>Buscando el rastreador: cada puerto serie que ningún otro programa ocupa recibe la petición de versión (ESC ESC V) a 4800 y luego a 9600 bit/s, con DTR y RTS activados.</translation>
    </message>
    <message>
        <source>Asking %1 at %2 bit/s (port %3 of %4)</source>
        <translation>Preguntando en %1 a %2 bit/s (puerto %3 de %4)</translation>
    </message>
    <message>
        <source>No serial ports found.</source>
        <translation>No se han encontrado puertos serie.</translation>
    </message>
    <message>
        <source>--port auto: no tracker answered on any free port (qz5cfg ports lists them and why some cannot be opened)</source>
        <translation>--port auto: ningún rastreador respondió en ningún puerto libre (qz5cfg ports los lista e indica por qué algunos no se pueden abrir)</translation>
    </message>
    <message>
        <source>--port auto: a tracker answered on each of %1; name one with --port</source>
        <translation>--port auto: respondió un rastreador en cada uno de %1; nombre uno con --port</translation>
    </message>
    <message>
        <source>Found the tracker on %1.</source>
        <translation>Rastreador encontrado en %1.</translation>
    </message>
    <message>
        <source>Each profile object holds every per-profile field under its own name, in this order: %1.</source>
        <translation>Cada objeto de perfil contiene todos los campos por perfil con su propio nombre, en este orden: %1.</translation>
    </message>
    <message>
        <source>Rules: %1.</source>
        <translation>Reglas: %1.</translation>
    </message>
    <message>
        <source>SmartBeaconing presets (speeds in %1, as the record&apos;s defaults):</source>
        <translation>Preajustes de SmartBeaconing (velocidades en %1, como los valores predeterminados del registro):</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a preset&apos;s values as a sentence</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>List the images kept from every read and write, the one stored last first.</source>
        <translation>Lista las imágenes guardadas de cada lectura y escritura, la última guardada primero.</translation>
    </message>
    <message>
        <source>print a JSON array: sequence, time, kind, port, version, callsigns, file</source>
        <translation>imprime una matriz JSON: secuencia, hora, tipo, puerto, versión, indicativos, archivo</translation>
    </message>
    <message>
        <source>Print the record of the kept image numbered N (its name&apos;s first part) as JSON.</source>
        <translation>Imprime como JSON el registro de la imagen guardada con el número N (la primera parte de su nombre).</translation>
    </message>
    <message>
        <source>the image&apos;s sequence number</source>
        <translation>el número de secuencia de la imagen</translation>
    </message>
    <message>
        <source>qz5cfg: show and build tracker configuration files, and read, write or ask the version of a tracker on a serial port.</source>
        <translation>qz5cfg: muestra y crea archivos de configuración del rastreador, y lee, escribe o pregunta la versión de un rastreador en un puerto serie.</translation>
    </message>
    <message>
        <source>Print the version and exit</source>
        <translation>Imprime la versión y sale</translation>
    </message>
    <message>
        <source>write every byte on the serial line, with times, to this file</source>
        <translation>escribe en este archivo cada byte de la línea serie, con los tiempos</translation>
    </message>
    <message>
        <source>  ports                  lists every serial device present, openable or not:
  ports --json           COM name, path, description (vendor, model, USB IDs,
                         serial number, driver, /dev/serial/by-id name) and,
                         when it cannot be opened, why and what to do; then
                         USB serial adapters that are plugged in but have no
                         port. Exit 0 when the listing worked, also if empty.
  ports --find           asks every port that no other program holds for the
                         tracker&apos;s version, at 4800 then 9600 bit/s: this
                         sends the version request and raises DTR and RTS on
                         each. One line per port; exit 0 when a tracker
                         answered, 1 when none did. A port that another
                         process has open is passed over; only root sees
                         other users&apos; processes, so a port that another
                         user&apos;s program holds without a lock is asked.

Ports (--port P):
  COM1..COM255 name the serial devices found in /dev, in the order ttyUSB*,
  ttyACM*, ttyS*, ttyAMA*, rfcomm*; a path starting with &apos;/&apos; (for example
  /dev/ttyUSB0 or /dev/pts/4) is used as it is; auto looks for the tracker as
  ports --find does and uses the one port where it answered (exit 1 when
  none or more than one did). com5 and \\.\COM5 are COM5. The tracker is
  looked for at 4800 bit/s, then at 9600. When a port cannot be opened, the
  line after &quot;Could not aquire Com Port&quot; says why (permission and the group
  to join, the program that holds it, ...).
</source>
        <translation>  ports                  lista todos los dispositivos serie presentes, se
  ports --json           puedan abrir o no: nombre COM, ruta, descripción
                         (fabricante, modelo, ID USB, número de serie,
                         controlador, nombre en /dev/serial/by-id) y, si no se
                         puede abrir, por qué y qué hacer; después, los
                         adaptadores serie USB conectados que no tienen puerto.
                         Sale con 0 si el listado funcionó, también si está
                         vacío.
  ports --find           pregunta a cada puerto que ningún otro programa ocupa
                         la versión del rastreador, a 4800 y luego a 9600
                         bit/s: esto envía la petición de versión y activa DTR
                         y RTS en cada uno. Una línea por puerto; sale con 0 si
                         respondió un rastreador y con 1 si no respondió
                         ninguno. Un puerto que otro proceso tiene abierto se
                         pasa por alto; solo root ve los procesos de otros
                         usuarios, así que se pregunta en un puerto que el
                         programa de otro usuario ocupa sin bloqueo.

Puertos (--port P):
  COM1..COM255 nombran los dispositivos serie encontrados en /dev, en el orden
  ttyUSB*, ttyACM*, ttyS*, ttyAMA*, rfcomm*; una ruta que empieza por &apos;/&apos; (por
  ejemplo /dev/ttyUSB0 o /dev/pts/4) se usa tal cual; auto busca el rastreador
  como lo hace ports --find y usa el único puerto en que respondió (sale con 1
  si no respondió ninguno o más de uno). com5 y \\.\COM5 son COM5. El
  rastreador se busca a 4800 bit/s y luego a 9600. Si un puerto no se puede
  abrir, la línea que sigue a &quot;No se pudo obtener el puerto COM&quot; dice por qué
  (el permiso y el grupo al que unirse, el programa que lo ocupa, ...).
</translation>
    </message>
    <message>
        <source>List the serial devices, what they are and whether they open.</source>
        <translation>Lista los dispositivos serie, qué son y si se abren.</translation>
    </message>
    <message>
        <source>  ports                  lists the COM ports that Windows knows, openable or
  ports --json           not: name, device, description (the adapter&apos;s name,
                         USB IDs, serial number, driver) and, when it cannot
                         be opened, why and what to do; then adapters that are
                         plugged in but have no working port. Exit 0 when the
                         listing worked, also if empty.
  ports --find           asks every port that no other program holds for the
                         tracker&apos;s version, at 4800 then 9600 bit/s: this
                         sends the version request and raises DTR and RTS on
                         each. One line per port; exit 0 when a tracker
                         answered, 1 when none did.

Ports (--port P):
  COM1..COM255 are the system&apos;s own COM ports, as Device Manager shows them,
  in any case (com5) and also as \\.\COM5. A port that another program holds
  does not open. auto looks for the tracker as ports --find does and uses the
  one port where it answered (exit 1 when none or more than one did). The tracker is looked for at
  4800 bit/s, then at 9600. When a port cannot be opened, the line after
  &quot;Could not aquire Com Port&quot; says why.
</source>
        <translation>  ports                  lista los puertos COM que conoce Windows, se puedan
  ports --json           abrir o no: nombre, dispositivo, descripción (el
                         nombre del adaptador, ID USB, número de serie,
                         controlador) y, si no se puede abrir, por qué y qué
                         hacer; después, los adaptadores conectados que no
                         tienen un puerto que funcione. Sale con 0 si el
                         listado funcionó, también si está vacío.
  ports --find           pregunta a cada puerto que ningún otro programa ocupa
                         la versión del rastreador, a 4800 y luego a 9600
                         bit/s: esto envía la petición de versión y activa DTR
                         y RTS en cada uno. Una línea por puerto; sale con 0 si
                         respondió un rastreador y con 1 si no respondió
                         ninguno.

Puertos (--port P):
  COM1..COM255 son los puertos COM propios del sistema, tal como los muestra
  el Administrador de dispositivos, en mayúsculas o minúsculas (com5) y
  también como \\.\COM5. Un puerto que otro programa ocupa no se abre. auto
  busca el rastreador como lo hace ports --find y usa el único puerto en que
  respondió (sale con 1 si no respondió ninguno o más de uno). El rastreador
  se busca a 4800 bit/s y luego a 9600. Si un puerto no se puede abrir, la
  línea que sigue a &quot;No se pudo obtener el puerto COM&quot; dice por qué.
</translation>
    </message>
    <message>
        <source>List the COM ports that Windows knows, what they are and whether they open.</source>
        <translation>Lista los puertos COM que conoce Windows, qué son y si se abren.</translation>
    </message>
    <message>
        <source>print the list as JSON</source>
        <translation>imprime la lista como JSON</translation>
    </message>
    <message>
        <source>ask every free port for the tracker&apos;s version (sends the version request and raises DTR and RTS on each) and say which answered</source>
        <translation>pregunta a cada puerto libre la versión del rastreador (envía la petición de versión y activa DTR y RTS en cada uno) e indica cuáles respondieron</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>the heading of the help&apos;s options</comment>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Imprime este mensaje de ayuda y sale</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <comment>the heading of the help&apos;s commands</comment>
        <translation>Subórdenes</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Uso</translation>
    </message>
    <message>
        <source>Positionals</source>
        <translation>Argumentos posicionales</translation>
    </message>
    <message>
        <source>hint: %1</source>
        <comment>what to try next, after a message</comment>
        <translation>sugerencia: %1</translation>
    </message>
    <message>
        <source>Print when the tracker sends its beacons: the interval, or with SmartBeaconing the interval and turn threshold at a row of speeds, and the beacons per hour.</source>
        <translation>Imprime cuándo envía el rastreador sus balizas: el intervalo o, con SmartBeaconing, el intervalo y el umbral de giro en una serie de velocidades, y las balizas por hora.</translation>
    </message>
    <message>
        <source>timing: give FILE or --preset</source>
        <translation>timing: indique FILE o --preset</translation>
    </message>
    <message>
        <source>configuration file or JSON record; the defaults without it</source>
        <translation>archivo de configuración o registro JSON; sin él, los valores predeterminados</translation>
    </message>
    <message>
        <source>0 (Primary) or 1 (Secondary); both without it</source>
        <translation>0 (principal) o 1 (secundario); sin él, ambos</translation>
    </message>
    <message>
        <source>print the timing as a JSON array, one object a profile</source>
        <translation>imprime la temporización como una matriz JSON, un objeto por perfil</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>&amp;Load Tracker&apos;s Settings</source>
        <translation>Car&amp;gar los ajustes del rastreador</translation>
    </message>
    <message>
        <source>Compare with Tracker</source>
        <translation>Comparar con el rastreador</translation>
    </message>
    <message>
        <source>Differences from the form</source>
        <translation>Diferencias con el formulario</translation>
    </message>
    <message>
        <source>The tracker holds the same settings as the form.</source>
        <translation>El rastreador tiene los mismos ajustes que el formulario.</translation>
    </message>
    <message>
        <source>&amp;The tracker and the form are the same:</source>
        <translation>&amp;El rastreador y el formulario son iguales:</translation>
    </message>
    <message>
        <source>&amp;The tracker differs from the form (form -&gt; tracker):</source>
        <translation>&amp;El rastreador difiere del formulario (formulario -&gt; rastreador):</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>Primary, %1: %2 -&gt; %3</source>
        <translation>Principal, %1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>Secondary, %1: %2 -&gt; %3</source>
        <translation>Secundario, %1: %2 -&gt; %3</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1
Folder not found.
Please verify the correct path was given.</source>
        <translation>%1
No se encuentra la carpeta.
Compruebe que se ha indicado la ruta correcta.</translation>
    </message>
    <message>
        <source>a link on the way is another user&apos;s, in a folder every user may write to</source>
        <translation>un enlace del camino es de otro usuario, en una carpeta en la que todos los usuarios pueden escribir</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Cargar archivo de configuración</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Guardar archivo de configuración</translation>
    </message>
    <message>
        <source>Zelbin3 Config files *.zb3</source>
        <translation>Archivos de configuración de Zelbin3 *.zb3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 pertenece a otro usuario</translation>
    </message>
    <message>
        <source>%1 may be written by other users</source>
        <translation>otros usuarios pueden escribir en %1</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a folder, a FIFO or a device); give a file.</source>
        <translation>%1 no es un archivo normal (una carpeta, una FIFO o un dispositivo); indique un archivo.</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB</source>
        <translation>%1 ocupa más de %2 MiB</translation>
    </message>
    <message>
        <source>%1 is another user&apos;s; using %2 instead</source>
        <translation>%1 es de otro usuario; se usa %2 en su lugar</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>advertencia</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>Error al cargar</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>No se pudo abrir el archivo</translation>
    </message>
    <message>
        <source>Failed to write data</source>
        <translation>No se pudieron escribir los datos</translation>
    </message>
    <message>
        <source>Failed to read data</source>
        <translation>No se pudieron leer los datos</translation>
    </message>
    <message>
        <source>Invalid File Format</source>
        <translation>Formato de archivo no válido</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Error al importar</translation>
    </message>
    <message>
        <source>%1: larger than 1 MiB, not a record</source>
        <translation>%1: ocupa más de 1 MiB, no es un registro</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and what is wrong in it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>nothing could be written</source>
        <translation>no se pudo escribir nada</translation>
    </message>
    <message>
        <source>it is not a regular file (a terminal, a pipe or a device)</source>
        <translation>no es un archivo normal (un terminal, una tubería o un dispositivo)</translation>
    </message>
    <message>
        <source>it is not a regular file (a console, a pipe or a device)</source>
        <translation>no es un archivo normal (una consola, una tubería o un dispositivo)</translation>
    </message>
    <message>
        <source>cannot write the trace file %1: %2</source>
        <translation>no se puede escribir el archivo de traza %1: %2</translation>
    </message>
    <message>
        <source>cannot write the trace: the stream failed</source>
        <translation>no se puede escribir la traza: el flujo falló</translation>
    </message>
</context>
<context>
    <name>FindTracker</name>
    <message>
        <source>Find Tracker</source>
        <translation>Buscar rastreador</translation>
    </message>
    <message>
        <source>Asking %1 for the tracker&apos;s version at %2 bit/s (port %3 of %4)</source>
        <translation>Preguntando en %1 la versión del rastreador a %2 bit/s (puerto %3 de %4)</translation>
    </message>
    <message>
        <source>%1Cancelled before the other ports were asked.
</source>
        <translation>%1Cancelado antes de preguntar en los demás puertos.
</translation>
    </message>
    <message>
        <source>Find Tracker sends the tracker&apos;s version request to every serial port that no other program holds, at 4800 and then at 9600 bit/s, and raises each port&apos;s DTR and RTS lines. Another device on one of those ports may react to that.

Look for the tracker now?</source>
        <translation>Buscar rastreador envía la petición de versión del rastreador a cada puerto serie que ningún otro programa ocupa, a 4800 y luego a 9600 bit/s, y activa las líneas DTR y RTS de cada puerto. Otro dispositivo conectado a uno de esos puertos podría reaccionar a ello.

¿Buscar el rastreador ahora?</translation>
    </message>
    <message>
        <source>The tracker answered on %1
%2 is now the selected port.</source>
        <translation>El rastreador respondió en %1
%2 es ahora el puerto seleccionado.</translation>
    </message>
    <message>
        <source>Cancelled: no tracker answered on the ports asked.</source>
        <translation>Cancelado: ningún rastreador respondió en los puertos consultados.</translation>
    </message>
    <message>
        <source>No tracker answered on any free port.</source>
        <translation>Ningún rastreador respondió en ningún puerto libre.</translation>
    </message>
    <message>
        <source>A tracker answered on more than one port; choose the one to use in the COM port list.</source>
        <translation>Un rastreador respondió en más de un puerto; elija el que quiera usar en la lista de puertos COM.</translation>
    </message>
    <message>
        <source>%1%2
</source>
        <comment>the ports&apos; answers, one a line</comment>
        <translation>%1%2
</translation>
    </message>
</context>
<context>
    <name>Findings</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>%1, Primary profile, %2: %3</source>
        <translation>%1, perfil principal, %2: %3</translation>
    </message>
    <message>
        <source>%1, Secondary profile, %2: %3</source>
        <translation>%1, perfil secundario, %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No findings: APRS practice is kept</source>
        <translation>Sin hallazgos: se respeta la práctica APRS</translation>
    </message>
    <message>
        <source> (1 finding)</source>
        <translation> (1 hallazgo)</translation>
    </message>
    <message numerus="yes">
        <source> (%n findings)</source>
        <translation>
            <numerusform> (%n hallazgo)</numerusform>
            <numerusform> (%n hallazgos)</numerusform>
        </translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Hallazgos</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The port list offers COM1, COM2, ... for the serial devices found in /dev at
start-up, in the order ttyUSB*, ttyACM*, ttyS*, ttyAMA*, rfcomm*; hover over
a name to see its device. Serial devices usually belong to the group dialout.
Find Tracker on the window menu (right click, Shift+F10) asks each free port.
</source>
        <translation>La lista de puertos ofrece COM1, COM2, ... para los dispositivos serie
encontrados en /dev al arrancar, en el orden ttyUSB*, ttyACM*, ttyS*, ttyAMA*,
rfcomm*; pase el ratón sobre un nombre para ver su dispositivo. Los
dispositivos serie suelen pertenecer al grupo dialout. Buscar rastreador, en
el menú de la ventana (clic derecho, Mayús+F10), pregunta en cada puerto
libre.
</translation>
    </message>
    <message>
        <source>The port list offers those of COM1 to COM255 that Windows knows and that can
be opened now, under the names Device Manager shows (Ports (COM &amp; LPT)); hover
over a name to see the adapter. A port that another program has open is not
listed. The list follows adapters plugged in and removed while it is open.
Find Tracker on the window menu (right click, Shift+F10) asks each free port.
</source>
        <translation>La lista de puertos ofrece los puertos de COM1 a COM255 que Windows conoce y
que se pueden abrir ahora, con los nombres que muestra el Administrador de
dispositivos (Puertos (COM y LPT)); pase el ratón sobre un nombre para ver el
adaptador. Un puerto que otro programa tiene abierto no se lista. La lista
sigue a los adaptadores que se conectan y desconectan mientras está abierta.
Buscar rastreador, en el menú de la ventana (clic derecho, Mayús+F10),
pregunta en cada puerto libre.
</translation>
    </message>
    <message>
        <source>The window draws its captions in DejaVuSans.ttf from the program&apos;s folder;
when that file is missing or broken it says so once and uses another face,
in which some captions may be cut off.
</source>
        <translation>La ventana dibuja sus textos con DejaVuSans.ttf de la carpeta del programa;
cuando ese archivo falta o está dañado, lo dice una vez y usa otra fuente, con
la que algunos textos pueden quedar cortados.
</translation>
    </message>
    <message>
        <source>Usage: qz5-config [OPTION]... [FILE]
Configure an Orvane QZ5 APRS tracker over a serial port: read its version and
its configuration, edit the Primary and Secondary beacon profiles, write them
back and verify them, and make the tracker send test tones. A configuration
file (.zb3) given as FILE is loaded once the window is up, as Load does.

Options:
      --demo              wire COM1 to a simulated tracker instead of a serial
                          device, to try the program without hardware
      --all-settings      open the All settings view, with every setting of
                          both profiles, instead of the view chosen last
      --quit-after-start  close the window as soon as it has been shown; the
                          exit status is 1 if it could not be shown (for
                          checking an installation)
      --trace FILE        write every byte sent and received on the serial
                          line, with its time, and each open, close and rate
                          change, to FILE
  -h, --help              print this help and exit
      --version           print the version and exit

Qt&apos;s own options, such as -platform NAME, are accepted as well.

%1%2
Exit status:
  0  the window was closed, or help or the version was printed
  1  the demo&apos;s simulated tracker could not be started, the trace file
     could not be written, the help or the version could not be
     written, or with --quit-after-start the window could not be shown
  2  usage error
</source>
        <translation>Uso: qz5-config [OPCIÓN]... [ARCHIVO]
Configura un rastreador APRS Orvane QZ5 por un puerto serie: lee su versión y
su configuración, edita los perfiles de baliza principal y secundario, los
vuelve a escribir y los verifica, y hace que el rastreador envíe tonos de
prueba. Un archivo de configuración (.zb3) indicado como ARCHIVO se carga en
cuanto aparece la ventana, como lo hace Cargar.

Opciones:
      --demo              conecta COM1 a un rastreador simulado en lugar de un
                          dispositivo serie, para probar el programa sin
                          hardware
      --all-settings      abre la vista Todos los ajustes, con todos los ajustes
                          de ambos perfiles, en lugar de la última vista elegida
      --quit-after-start  cierra la ventana en cuanto se ha mostrado; el
                          estado de salida es 1 si no se pudo mostrar (para
                          comprobar una instalación)
      --trace FILE        escribe en FILE cada byte enviado y recibido por la
                          línea serie, con su tiempo, y cada apertura, cierre y
                          cambio de velocidad
  -h, --help              imprime esta ayuda y sale
      --version           imprime la versión y sale

También se aceptan las opciones propias de Qt, como -platform NAME.

%1%2
Estado de salida:
  0  se cerró la ventana, o se imprimió la ayuda o la versión
  1  no se pudo iniciar el rastreador simulado de la demo, no se pudo
     escribir el archivo de traza, no se pudo escribir la ayuda o la
     versión, o con --quit-after-start no se pudo mostrar la ventana
  2  error de uso
</translation>
    </message>
    <message>
        <source>qz5-config: %1
Try &apos;qz5-config --help&apos; for more information.
</source>
        <translation>qz5-config: %1
Pruebe &apos;qz5-config --help&apos; para más información.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--trace&apos; needs a file name</source>
        <translation>la opción &apos;--trace&apos; necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Read</source>
        <comment>a kept image the tracker sent</comment>
        <translation>Leída</translation>
    </message>
    <message>
        <source>Kept before a write</source>
        <translation>Guardada antes de una escritura</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Escrita</translation>
    </message>
    <message>
        <source>&amp;Load into Form</source>
        <translation>Car&amp;gar en el formulario</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Kept images</source>
        <translation>Imágenes guardadas</translation>
    </message>
    <message>
        <source>Differences from the form</source>
        <translation>Diferencias con el formulario</translation>
    </message>
    <message>
        <source>&amp;Kept images, the newest first:</source>
        <translation>&amp;Imágenes guardadas, la más reciente primero:</translation>
    </message>
    <message>
        <source>&amp;Differences from the form (form -&gt; image):</source>
        <translation>&amp;Diferencias con el formulario (formulario -&gt; imagen):</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>No. %1   </source>
        <translation>N.º %1   </translation>
    </message>
    <message>
        <source>does not read as a configuration file</source>
        <translation>no se puede leer como archivo de configuración</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>No se puede leer el historial: %1</translation>
    </message>
    <message>
        <source>No images have been kept yet. Every Read and Write adds one (%1).</source>
        <translation>Aún no se ha guardado ninguna imagen. Cada lectura y cada escritura añade una (%1).</translation>
    </message>
    <message>
        <source>This file does not read as a configuration file: %1</source>
        <translation>Este archivo no se puede leer como archivo de configuración: %1</translation>
    </message>
    <message>
        <source>The same settings as the form.</source>
        <translation>Los mismos ajustes que el formulario.</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lectura</translation>
    </message>
    <message>
        <source>write</source>
        <translation>escritura</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>copia de seguridad</translation>
    </message>
    <message>
        <source>the clock (%1) is behind the newest image in the history (%2); images are still kept in the order they were stored</source>
        <translation>el reloj (%1) va por detrás de la imagen más reciente del historial (%2); las imágenes se siguen guardando en el orden en que se almacenaron</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>advertencia</translation>
    </message>
    <message>
        <source>warning: the image was not kept in the history</source>
        <translation>advertencia: la imagen no se ha guardado en el historial</translation>
    </message>
    <message>
        <source>no folder to keep it in (HOME and XDG_STATE_HOME are unset)</source>
        <translation>no hay carpeta donde guardarla (HOME y XDG_STATE_HOME no están definidas)</translation>
    </message>
    <message>
        <source>%1 has the last number there is; move the images elsewhere to number anew from 1</source>
        <translation>%1 tiene el último número posible; mueva las imágenes a otro sitio para volver a numerar desde 1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>no se puede bloquear %1: %2</translation>
    </message>
    <message>
        <source>cannot read the history: %1</source>
        <translation>no se puede leer el historial: %1</translation>
    </message>
    <message>
        <source>history show: N is the number that begins an image&apos;s name, not &quot;%1&quot;</source>
        <translation>history show: N es el número con que empieza el nombre de una imagen, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>history show: no image numbered %1 in %2</source>
        <translation>history show: no hay ninguna imagen con el número %1 en %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>a list of files</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>history show: more than one image is numbered %1: %2; show the one meant by its file</source>
        <translation>history show: hay más de una imagen con el número %1: %2; muestre la deseada mediante su archivo</translation>
    </message>
</context>
<context>
    <name>Image</name>
    <message>
        <source>Bad EE Size</source>
        <translation>Tamaño de EE incorrecto</translation>
    </message>
    <message>
        <source>The Primary or Secondary digipeater path is too long and has been truncated.</source>
        <translation>La ruta de digipeaters principal o secundaria es demasiado larga y se ha truncado.</translation>
    </message>
    <message>
        <source>Digipeater Path Truncated</source>
        <translation>Ruta de digipeaters truncada</translation>
    </message>
    <message>
        <source>The Primary or Secondary Status Beacon text is too long and has been tuncated.  To have a longer status beacon text, use fewer digipeaters, and make the primary and secondary callsigns, digipeaters, or status texts identical.</source>
        <translation>El texto de la baliza de estado principal o secundaria es demasiado largo y se ha truncado. Para tener un texto de baliza de estado más largo, use menos digipeaters y haga idénticos los indicativos, los digipeaters o los textos de estado principal y secundario.</translation>
    </message>
    <message>
        <source>Status Beacon Text Truncated</source>
        <translation>Texto de baliza de estado truncado</translation>
    </message>
    <message>
        <source>Bad EE Size %1
</source>
        <translation>Tamaño de EE incorrecto %1
</translation>
    </message>
</context>
<context>
    <name>Json</name>
    <message>
        <source>%1: integer outside -2147483648..2147483647</source>
        <translation>%1: entero fuera de -2147483648..2147483647</translation>
    </message>
    <message>
        <source>%1: expected an integer</source>
        <translation>%1: se esperaba un entero</translation>
    </message>
    <message>
        <source>%1: expected true or false</source>
        <translation>%1: se esperaba true o false</translation>
    </message>
    <message>
        <source>%1: expected a string</source>
        <translation>%1: se esperaba una cadena</translation>
    </message>
    <message>
        <source>%1: character outside U+0000..U+00FF</source>
        <translation>%1: carácter fuera de U+0000..U+00FF</translation>
    </message>
    <message>
        <source>%1: a text cannot contain U+0000</source>
        <translation>%1: un texto no puede contener U+0000</translation>
    </message>
    <message>
        <source>%1: longer than %2 characters</source>
        <translation>%1: más de %2 caracteres</translation>
    </message>
    <message>
        <source>%1: more than one character</source>
        <translation>%1: más de un carácter</translation>
    </message>
    <message>
        <source>%1: expected a number</source>
        <translation>%1: se esperaba un número</translation>
    </message>
    <message>
        <source>%1: outside -10000000..10000000</source>
        <translation>%1: fuera de -10000000..10000000</translation>
    </message>
    <message>
        <source>%1: expected an object</source>
        <translation>%1: se esperaba un objeto</translation>
    </message>
    <message>
        <source>%1: unknown field</source>
        <translation>%1: campo desconocido</translation>
    </message>
    <message>
        <source>%1: expected an array of at most two objects</source>
        <translation>%1: se esperaba una matriz de como máximo dos objetos</translation>
    </message>
    <message>
        <source>expected a JSON object</source>
        <translation>se esperaba un objeto JSON</translation>
    </message>
    <message>
        <source>%1: must be 0 or 1</source>
        <translation>%1: debe ser 0 o 1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; named twice in %2</source>
        <translation>&quot;%1&quot; aparece dos veces en %2</translation>
    </message>
    <message>
        <source>the record</source>
        <translation>el registro</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>GetCommState failed</source>
        <translation>GetCommState falló</translation>
    </message>
    <message>
        <source>SetCommState failed</source>
        <translation>SetCommState falló</translation>
    </message>
    <message>
        <source>SetCommTimeouts failed</source>
        <translation>SetCommTimeouts falló</translation>
    </message>
    <message>
        <source>Looking for the tracker at %1 bit/s</source>
        <translation>Buscando el rastreador a %1 bit/s</translation>
    </message>
    <message>
        <source>Writing the configuration: %1 of %2 bytes</source>
        <translation>Escribiendo la configuración: %1 de %2 bytes</translation>
    </message>
    <message>
        <source>Reading it back</source>
        <translation>Volviendo a leerla</translation>
    </message>
    <message>
        <source>Keeping the tracker&apos;s settings: reading them</source>
        <translation>Guardando los ajustes del rastreador: leyéndolos</translation>
    </message>
    <message>
        <source>Reading the configuration</source>
        <translation>Leyendo la configuración</translation>
    </message>
    <message>
        <source>Keeping the tracker&apos;s settings: reading them again to compare</source>
        <translation>Guardando los ajustes del rastreador: leyéndolos de nuevo para comparar</translation>
    </message>
    <message>
        <source>Reading it again to compare</source>
        <translation>Leyéndola de nuevo para comparar</translation>
    </message>
    <message>
        <source>Starting the test tone</source>
        <translation>Iniciando el tono de prueba</translation>
    </message>
    <message>
        <source>Stopping the test tone</source>
        <translation>Deteniendo el tono de prueba</translation>
    </message>
    <message>
        <source>ComPort Invalid</source>
        <translation>Puerto COM no válido</translation>
    </message>
    <message>
        <source>ComPort write failed</source>
        <translation>Error de escritura en el puerto COM</translation>
    </message>
    <message>
        <source>ComPort write mismatch</source>
        <translation>Discrepancia de escritura en el puerto COM</translation>
    </message>
    <message>
        <source>ComPort read failed</source>
        <translation>Error de lectura en el puerto COM</translation>
    </message>
    <message>
        <source>ComPort Close failed</source>
        <translation>Error al cerrar el puerto COM</translation>
    </message>
    <message>
        <source>Zelbin3 Not Found</source>
        <translation>Zelbin3 no encontrado</translation>
    </message>
    <message>
        <source>Write Failed (code %1 %2)</source>
        <translation>Error de escritura (código %1 %2)</translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation>Error de escritura</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>Ports</name>
    <message>
        <source>No COM Ports Found</source>
        <translation>No se encontraron puertos COM</translation>
    </message>
    <message>
        <source>%1 (%2, %3):
%4</source>
        <translation>%1 (%2, %3):
%4</translation>
    </message>
    <message>
        <source>No COM port can be used.</source>
        <translation>No se puede usar ningún puerto COM.</translation>
    </message>
    <message>
        <source>%1

%2</source>
        <translation>%1

%2</translation>
    </message>
    <message>
        <source>COM Ports</source>
        <translation>Puertos COM</translation>
    </message>
    <message>
        <source>Ignored the lock file %1: %2.</source>
        <translation>Se ha ignorado el archivo de bloqueo %1: %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>one sentence after another</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Access is denied: another program has %1 open (a terminal, GPS or map program, or a second copy of this one). Close it, then try again.</source>
        <translation>Acceso denegado: otro programa tiene abierto %1 (un terminal, un programa de GPS o de mapas, o una segunda copia de este). Ciérrelo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Windows has no port %1 now: the adapter is unplugged, or its driver is not installed (Device Manager, Ports (COM &amp; LPT)).</source>
        <translation>Windows no tiene ahora el puerto %1: el adaptador está desconectado o su controlador no está instalado (Administrador de dispositivos, Puertos (COM y LPT)).</translation>
    </message>
    <message>
        <source>%1 is there but its adapter does not answer: unplug it and plug it in again.</source>
        <translation>%1 está presente, pero su adaptador no responde: desconéctelo y vuelva a conectarlo.</translation>
    </message>
    <message>
        <source>Windows says: %1 (error %2).</source>
        <translation>Windows dice: %1 (error %2).</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>this program</source>
        <translation>este programa</translation>
    </message>
    <message>
        <source>a process</source>
        <translation>un proceso</translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1 (pid %2)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>one program after another</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>In use by %1. Its lock file is %2. Close that program or let it release the port, then try again.</source>
        <translation>En uso por %1. Su archivo de bloqueo es %2. Cierre ese programa o deje que libere el puerto, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>In use by %1. Close that program or let it release the port, then try again.</source>
        <translation>En uso por %1. Cierre ese programa o deje que libere el puerto, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>In use: the device was plugged in moments ago, and a modem manager usually probes such devices for a few seconds. Try again in a moment.</source>
        <translation>En uso: el dispositivo se conectó hace un momento, y un gestor de módems suele sondear estos dispositivos durante unos segundos. Vuelva a intentarlo dentro de un momento.</translation>
    </message>
    <message>
        <source>In use: the device was plugged in moments ago, and a modem manager usually probes such devices for a few seconds. Try again in a moment. To keep the modem manager away from it for good, give it the udev property ID_MM_DEVICE_IGNORE=1 in a udev rule.</source>
        <translation>En uso: el dispositivo se conectó hace un momento, y un gestor de módems suele sondear estos dispositivos durante unos segundos. Vuelva a intentarlo dentro de un momento. Para mantener el gestor de módems alejado de él definitivamente, asígnele la propiedad de udev ID_MM_DEVICE_IGNORE=1 en una regla de udev.</translation>
    </message>
    <message>
        <source>In use: the device was plugged in moments ago, and a modem manager usually probes such devices for a few seconds. Try again in a moment. To keep the modem manager away from it for good, give it the udev property ID_MM_DEVICE_IGNORE=1 in a udev rule, for example a file in /etc/udev/rules.d with the line
    ATTRS{idVendor}==&quot;%1&quot;, ATTRS{idProduct}==&quot;%2&quot;, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;
then plug the device in again.</source>
        <translation>En uso: el dispositivo se conectó hace un momento, y un gestor de módems suele sondear estos dispositivos durante unos segundos. Vuelva a intentarlo dentro de un momento. Para mantener el gestor de módems alejado de él definitivamente, asígnele la propiedad de udev ID_MM_DEVICE_IGNORE=1 en una regla de udev, por ejemplo un archivo en /etc/udev/rules.d con la línea
    ATTRS{idVendor}==&quot;%1&quot;, ATTRS{idProduct}==&quot;%2&quot;, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;
y después vuelva a conectar el dispositivo.</translation>
    </message>
    <message>
        <source>In use by a program this user cannot see: most likely a system service running as another user holds it. Stop that service, or ask the administrator which one it is.</source>
        <translation>En uso por un programa que este usuario no puede ver: lo más probable es que lo ocupe un servicio del sistema que se ejecuta como otro usuario. Detenga ese servicio o pregunte al administrador cuál es.</translation>
    </message>
    <message>
        <source>This program runs in a Flatpak sandbox, which reaches serial devices only with a permission granted outside it: flatpak override --user --device=all followed by the program&apos;s application ID.</source>
        <translation>Este programa se ejecuta en un entorno aislado Flatpak, que solo accede a los dispositivos serie con un permiso concedido desde fuera: flatpak override --user --device=all seguido del ID de aplicación del programa.</translation>
    </message>
    <message>
        <source>This program runs as a Snap, which reaches serial devices only through an interface connected outside it: sudo snap connect %1:raw-usb (USB adapters) or :serial-port.</source>
        <translation>Este programa se ejecuta como Snap, que solo accede a los dispositivos serie mediante una interfaz conectada desde fuera: sudo snap connect %1:raw-usb (adaptadores USB) o :serial-port.</translation>
    </message>
    <message>
        <source>Permission denied: only its owner &quot;%1&quot; may use %2. A udev rule that gives the device to a group of yours (GROUP=&quot;...&quot;, MODE=&quot;0660&quot;) would let you in.</source>
        <translation>Permiso denegado: solo su propietario &quot;%1&quot; puede usar %2. Una regla de udev que asigne el dispositivo a un grupo suyo (GROUP=&quot;...&quot;, MODE=&quot;0660&quot;) le daría acceso.</translation>
    </message>
    <message>
        <source>Permission denied, although you are in the group &quot;%1&quot; that may use %2: a security policy of the system refuses it.</source>
        <translation>Permiso denegado, aunque usted pertenece al grupo &quot;%1&quot; que puede usar %2: una política de seguridad del sistema lo impide.</translation>
    </message>
    <message>
        <source>Permission denied: you were added to the group &quot;%1&quot; that may use %2, but this login session started before that. Log out and in again (or restart) to use the port.</source>
        <translation>Permiso denegado: se le añadió al grupo &quot;%1&quot; que puede usar %2, pero esta sesión se inició antes. Cierre la sesión y vuelva a iniciarla (o reinicie) para usar el puerto.</translation>
    </message>
    <message>
        <source>Permission denied: %1 belongs to the group &quot;%2&quot;, and you are not a member. Add yourself with
    sudo usermod -aG %2 &quot;$USER&quot;
then log out and in again.</source>
        <translation>Permiso denegado: %1 pertenece al grupo &quot;%2&quot; y usted no es miembro. Añádase con
    sudo usermod -aG %2 &quot;$USER&quot;
y después cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>%1 is not there (any more): the device was unplugged or renamed.</source>
        <translation>%1 no está (ya): el dispositivo se desconectó o cambió de nombre.</translation>
    </message>
    <message>
        <source>No hardware answers behind %1.</source>
        <translation>Ningún hardware responde detrás de %1.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>No se pudo abrir %1: %2.</translation>
    </message>
    <message>
        <source>No port was chosen.</source>
        <translation>No se ha elegido ningún puerto.</translation>
    </message>
    <message>
        <source>No serial device was found.</source>
        <translation>No se ha encontrado ningún dispositivo serie.</translation>
    </message>
    <message>
        <source>No serial device is known as %1.</source>
        <translation>Ningún dispositivo serie se conoce como %1.</translation>
    </message>
    <message>
        <source>Could not aquire Com Port</source>
        <translation>No se pudo obtener el puerto COM</translation>
    </message>
    <message>
        <source>The device was busy for a moment and is free now: try again.</source>
        <translation>El dispositivo estuvo ocupado un momento y ahora está libre: vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The port was busy for a moment and is free now: try again.</source>
        <translation>El puerto estuvo ocupado un momento y ahora está libre: vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 at %2 bit/s: %3</source>
        <translation>%1 a %2 bit/s: %3</translation>
    </message>
    <message>
        <source>%1: no answer</source>
        <translation>%1: sin respuesta</translation>
    </message>
    <message>
        <source>%1: held by another program: passed over</source>
        <translation>%1: ocupado por otro programa: omitido</translation>
    </message>
    <message>
        <source>%1: not asked</source>
        <translation>%1: no consultado</translation>
    </message>
    <message>
        <source>%1: not asked, %2</source>
        <translation>%1: no consultado, %2</translation>
    </message>
    <message>
        <source>it is not root&apos;s, and who runs process %1 cannot be seen</source>
        <translation>no es de root, y no se puede ver quién ejecuta el proceso %1</translation>
    </message>
    <message>
        <source>its owner (uid %1) does not run process %2</source>
        <translation>su propietario (uid %1) no ejecuta el proceso %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>No serial devices found.</source>
        <translation>No se han encontrado dispositivos serie.</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>n.º de serie %1</translation>
    </message>
    <message>
        <source>driver %1</source>
        <translation>controlador %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a device&apos;s serial number, then its driver</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>can be opened</source>
        <translation>se puede abrir</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>no se puede abrir: %1</translation>
    </message>
    <message>
        <source>USB serial device</source>
        <translation>dispositivo serie USB</translation>
    </message>
    <message>
        <source>built-in serial port</source>
        <translation>puerto serie integrado</translation>
    </message>
    <message>
        <source>Bluetooth serial link</source>
        <translation>enlace serie Bluetooth</translation>
    </message>
    <message>
        <source>serial device</source>
        <translation>dispositivo serie</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a device and its USB ids</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>serial port</source>
        <translation>puerto serie</translation>
    </message>
    <message>
        <source>A USB serial adapter (CH340/CH341, %1, USB %2) is plugged in but has no serial port: a braille-display service took it over right after it was attached. If no braille display is used here, remove or disable that service (or its udev rule for this adapter), then plug the adapter in again.</source>
        <comment>%1 is the adapter&apos;s USB ids, %2 where it is plugged in</comment>
        <translation>Hay un adaptador serie USB (CH340/CH341, %1, USB %2) conectado, pero no tiene puerto serie: un servicio de líneas braille lo tomó justo después de conectarlo. Si aquí no se usa ninguna línea braille, elimine o desactive ese servicio (o su regla udev para este adaptador) y vuelva a conectar el adaptador.</translation>
    </message>
    <message>
        <source>its driver is not installed. Install the driver from the adapter&apos;s maker, or let Device Manager look for one (Update driver)</source>
        <translation>su controlador no está instalado. Instale el controlador del fabricante del adaptador o deje que el Administrador de dispositivos busque uno (Actualizar controlador)</translation>
    </message>
    <message>
        <source>it is disabled. Enable it in Device Manager (Ports (COM &amp; LPT))</source>
        <translation>está deshabilitado. Habilítelo en el Administrador de dispositivos (Puertos (COM y LPT))</translation>
    </message>
    <message>
        <source>its driver could not start it. Unplug the adapter and plug it in again; if that does not help, reinstall its driver</source>
        <translation>su controlador no pudo iniciarlo. Desconecte el adaptador y vuelva a conectarlo; si eso no ayuda, reinstale su controlador</translation>
    </message>
    <message>
        <source>Windows refused its driver, which is not signed. Install a signed driver from the adapter&apos;s maker</source>
        <translation>Windows rechazó su controlador, que no está firmado. Instale un controlador firmado del fabricante del adaptador</translation>
    </message>
    <message>
        <source>Device Manager reports problem code %1 for it (see the device&apos;s Properties there)</source>
        <translation>el Administrador de dispositivos indica para él el código de problema %1 (vea allí las Propiedades del dispositivo)</translation>
    </message>
    <message>
        <source>%1 is plugged in but has no working COM port: %2.</source>
        <comment>%1 is the device, %2 what Device Manager reports and what to do</comment>
        <translation>%1 está conectado, pero no tiene ningún puerto COM que funcione: %2.</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>
Symbol on maps: </source>
        <translation>
Símbolo en los mapas: </translation>
    </message>
    <message>
        <source>not known. %1</source>
        <translation>desconocido. %1</translation>
    </message>
    <message>
        <source>none in the symbol list %1; maps may show a placeholder.</source>
        <translation>ninguno en la lista de símbolos %1; los mapas pueden mostrar un marcador genérico.</translation>
    </message>
    <message>
        <source>Choose Symbol</source>
        <translation>Elegir símbolo</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Find</source>
        <comment>the box that narrows the symbols</comment>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Type part of a name, such as car or bicycle, to narrow the symbols.</source>
        <translation>Escriba parte de un nombre, como car o bicycle, para acotar los símbolos.</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>Both symbol tables. Space or Enter chooses the symbol.</source>
        <translation>Ambas tablas de símbolos. Espacio o Intro elige el símbolo.</translation>
    </message>
    <message>
        <source>&amp;Overlay character:</source>
        <translation>Carácter &amp;superpuesto:</translation>
    </message>
    <message>
        <source>Overlay character</source>
        <translation>Carácter superpuesto</translation>
    </message>
    <message>
        <source>0 to 9 or A to Z drawn over an alternate symbol that takes one; empty for none.</source>
        <translation>De 0 a 9 o de A a Z, dibujado sobre un símbolo alternativo que lo admita; vacío para ninguno.</translation>
    </message>
    <message>
        <source>No symbol list: %1 is not a regular file (a folder, a FIFO or a device); give a file; symbols are shown without names or pictures.</source>
        <translation>Sin lista de símbolos: %1 no es un archivo normal (una carpeta, una FIFO o un dispositivo); indique un archivo; los símbolos se muestran sin nombres ni imágenes.</translation>
    </message>
    <message>
        <source>No symbol list: %1; symbols are shown without names or pictures.</source>
        <translation>Sin lista de símbolos: %1; los símbolos se muestran sin nombres ni imágenes.</translation>
    </message>
    <message>
        <source>No symbol list: %1 holds no symbol pictures; symbols are shown without names or pictures.</source>
        <translation>Sin lista de símbolos: %1 no contiene imágenes de símbolos; los símbolos se muestran sin nombres ni imágenes.</translation>
    </message>
    <message numerus="yes">
        <source>Symbol list %1: %n bad entry skipped, the first at line %2.</source>
        <translation>
            <numerusform>Lista de símbolos %1: se ha omitido %n entrada incorrecta, la primera en la línea %2.</numerusform>
            <numerusform>Lista de símbolos %1: se han omitido %n entradas incorrectas, la primera en la línea %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Symbol list %1: %n bad entries skipped, the first at line %2.</source>
        <translation>
            <numerusform>Lista de símbolos %1: se ha omitido %n entrada incorrecta, la primera en la línea %2.</numerusform>
            <numerusform>Lista de símbolos %1: se han omitido %n entradas incorrectas, la primera en la línea %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>sin imagen</translation>
    </message>
    <message>
        <source>primary table</source>
        <translation>tabla primaria</translation>
    </message>
    <message>
        <source>alternate table</source>
        <translation>tabla alternativa</translation>
    </message>
    <message>
        <source>overlay %1</source>
        <translation>superposición %1</translation>
    </message>
    <message>
        <source>Symbol %1</source>
        <translation>Símbolo %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a symbol&apos;s name, then its overlay</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>Timing</name>
    <message>
        <source>Beacon timing</source>
        <translation>Temporización de balizas</translation>
    </message>
    <message>
        <source>Beacon Timing</source>
        <translation>Temporización de balizas</translation>
    </message>
    <message>
        <source>SmartBeaconing &amp;preset:</source>
        <translation>&amp;Preajuste de SmartBeaconing:</translation>
    </message>
    <message>
        <source>SmartBeaconing preset</source>
        <translation>Preajuste de SmartBeaconing</translation>
    </message>
    <message>
        <source>&amp;Apply to Profile</source>
        <translation>&amp;Aplicar al perfil</translation>
    </message>
    <message>
        <source>Sets the profile&apos;s SmartBeaconing to the preset and turns it on</source>
        <translation>Ajusta SmartBeaconing del perfil al preajuste y lo activa</translation>
    </message>
    <message>
        <source>Plot of interval against speed</source>
        <translation>Gráfico del intervalo en función de la velocidad</translation>
    </message>
    <message>
        <source>The table above gives the same values.</source>
        <translation>La tabla de arriba da los mismos valores.</translation>
    </message>
    <message>
        <source>speed</source>
        <comment>the plot&apos;s axis</comment>
        <translation>velocidad</translation>
    </message>
    <message>
        <source>s</source>
        <comment>seconds, the plot&apos;s axis</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>over %1 degrees</source>
        <translation>más de %1 grados</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no turn beacon</comment>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>any</source>
        <comment>any speed</comment>
        <translation>cualquiera</translation>
    </message>
    <message>
        <source>SmartBeaconing is off: a beacon every %1, in its time slot, %2 into each interval of the clock.</source>
        <translation>SmartBeaconing está desactivado: una baliza cada %1, en su franja horaria, %2 después del comienzo de cada intervalo del reloj.</translation>
    </message>
    <message>
        <source>SmartBeaconing is off: a beacon every %1.</source>
        <translation>SmartBeaconing está desactivado: una baliza cada %1.</translation>
    </message>
    <message>
        <source>At or below the low speed (%1) the slow rate, %2, and no turn beacons; at or above the high speed (%3) the fast rate, %4; between them %4 x %3 / speed.</source>
        <translation>En la velocidad baja (%1) o por debajo, el intervalo lento, %2, y sin balizas de giro; en la velocidad alta (%3) o por encima, el intervalo rápido, %4; entre ambas, %4 x %3 / velocidad.</translation>
    </message>
    <message>
        <source>A turn beacon goes out when the heading changes by more than turn angle + turn slope / speed, no sooner than %1 after the last beacon.</source>
        <translation>Se emite una baliza de giro cuando el rumbo cambia más que ángulo de giro + pendiente de giro / velocidad, no antes de %1 después de la última baliza.</translation>
    </message>
    <message>
        <source>Seconds and degrees are rounded to whole numbers, halves up; speeds are in the tracker&apos;s own unit.</source>
        <translation>Los segundos y los grados se redondean a números enteros, las mitades hacia arriba; las velocidades están en la unidad propia del rastreador.</translation>
    </message>
    <message>
        <source>Primary profile: SmartBeaconing on</source>
        <translation>Perfil principal: SmartBeaconing activado</translation>
    </message>
    <message>
        <source>Primary profile: SmartBeaconing off</source>
        <translation>Perfil principal: SmartBeaconing desactivado</translation>
    </message>
    <message>
        <source>Secondary profile: SmartBeaconing on</source>
        <translation>Perfil secundario: SmartBeaconing activado</translation>
    </message>
    <message>
        <source>Secondary profile: SmartBeaconing off</source>
        <translation>Perfil secundario: SmartBeaconing desactivado</translation>
    </message>
    <message>
        <source>Speed (tracker&apos;s unit)</source>
        <translation>Velocidad (unidad del rastreador)</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Beacons per hour</source>
        <translation>Balizas por hora</translation>
    </message>
    <message>
        <source>Turn beacon</source>
        <translation>Baliza de giro</translation>
    </message>
    <message>
        <source>No timing until this is fixed: %1</source>
        <translation>No hay temporización hasta que se corrija esto: %1</translation>
    </message>
    <message>
        <source>Beacons less than %1 apart are for special events; the channel is shared.</source>
        <translation>Las balizas a menos de %1 entre sí son para eventos especiales; el canal es compartido.</translation>
    </message>
    <message>
        <source>This models the published SmartBeaconing rules, not the tracker&apos;s firmware.</source>
        <translation>Esto modela las reglas publicadas de SmartBeaconing, no el firmware del rastreador.</translation>
    </message>
    <message>
        <source>The second rate is left out: its role is not known.</source>
        <translation>Se omite el segundo intervalo: no se conoce su función.</translation>
    </message>
    <message>
        <source>%1: %2 to %3 %4, every %5 s to %6 s, turns from %7 degrees, slope %8</source>
        <comment>a SmartBeaconing preset: name, speeds, rates, turn angle and slope</comment>
        <translation>%1: de %2 a %3 %4, cada %5 s a %6 s, giros desde %7 grados, pendiente %8</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Primary</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Secundario</translation>
    </message>
    <message>
        <source>About Orvane QZ5 Config Basic</source>
        <translation>Acerca de Orvane QZ5 Config Basic</translation>
    </message>
    <message>
        <source>Orvane QZ5 Config Basic Version 1.4</source>
        <translation>Orvane QZ5 Config Basic versión 1.4</translation>
    </message>
    <message>
        <source>Configures QZ5 trackers</source>
        <translation>Configura rastreadores QZ5</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Station and path</source>
        <translation>Estación y ruta</translation>
    </message>
    <message>
        <source>Mic-E</source>
        <translation>Mic-E</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Temporización</translation>
    </message>
    <message>
        <source>Time slot</source>
        <translation>Franja horaria</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>Telemetría</translation>
    </message>
    <message>
        <source>SmartBeaconing</source>
        <translation>SmartBeaconing</translation>
    </message>
    <message>
        <source>SmartBeaconing preset</source>
        <translation>Preajuste de SmartBeaconing</translation>
    </message>
    <message>
        <source>GPS and serial</source>
        <translation>GPS y serie</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>COM port</source>
        <translation>Puerto COM</translation>
    </message>
    <message>
        <source>Tones</source>
        <translation>Tonos</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Orvane QZ5 Config - All settings</source>
        <translation>Orvane QZ5 Config - Todos los ajustes</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Orvane QZ5 Config Basic</source>
        <translation>Orvane QZ5 Config Basic</translation>
    </message>
    <message>
        <source>Callsign:</source>
        <translation>Indicativo:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>Símbolo:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frecuencia:</translation>
    </message>
    <message>
        <source>Transmit Rate:</source>
        <translation>Intervalo de transmisión:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Send Separate</source>
        <translation>Enviar aparte</translation>
    </message>
    <message>
        <source>Don&apos;t Send &apos;&gt;&apos;</source>
        <translation>No enviar &apos;&gt;&apos;</translation>
    </message>
    <message>
        <source>Send Altitude</source>
        <translation>Enviar altitud</translation>
    </message>
    <message>
        <source>Alternate Digi Paths</source>
        <translation>Alternar rutas de digipeater</translation>
    </message>
    <message>
        <source>Only Send Valid</source>
        <translation>Enviar solo válidas</translation>
    </message>
    <message>
        <source>Allow TTL Serial</source>
        <translation>Permitir serie TTL</translation>
    </message>
    <message>
        <source>Invert CD IN</source>
        <translation>Invertir entrada CD</translation>
    </message>
    <message>
        <source>Timestamp DHM</source>
        <translation>Marca de tiempo DHM</translation>
    </message>
    <message>
        <source>No TX on PTT In</source>
        <translation>Sin TX con entrada PTT</translation>
    </message>
    <message>
        <source>Send NMEA</source>
        <translation>Enviar NMEA</translation>
    </message>
    <message>
        <source>Timestamp HMS</source>
        <translation>Marca de tiempo HMS</translation>
    </message>
    <message>
        <source>Serial Out High</source>
        <translation>Salida serie en alto</translation>
    </message>
    <message>
        <source>Skip Start Packet</source>
        <translation>Omitir paquete inicial</translation>
    </message>
    <message>
        <source>300 baud packet</source>
        <translation>Packet a 300 baudios</translation>
    </message>
    <message>
        <source>9600 baud GPS</source>
        <translation>GPS a 9600 baudios</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Force Printable</source>
        <translation>Forzar imprimibles</translation>
    </message>
    <message>
        <source>Read Version</source>
        <translation>Leer versión</translation>
    </message>
    <message>
        <source>Read Configuration</source>
        <translation>Leer configuración</translation>
    </message>
    <message>
        <source>Write Configuration</source>
        <translation>Escribir configuración</translation>
    </message>
    <message>
        <source>Send 1200 Hz</source>
        <translation>Enviar 1200 Hz</translation>
    </message>
    <message>
        <source>Send 2200 Hz</source>
        <translation>Enviar 2200 Hz</translation>
    </message>
    <message>
        <source>Send Both</source>
        <translation>Enviar ambos</translation>
    </message>
    <message>
        <source>Stop Sending</source>
        <translation>Detener envío</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Apply to Profile</source>
        <translation>Aplicar al perfil</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A field&apos;s label in All settings; %1 is the field&apos;s name.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>&amp;Find Tracker</source>
        <translation>&amp;Buscar rastreador</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historial...</translation>
    </message>
    <message>
        <source>Co&amp;mpare with Tracker...</source>
        <translation>Co&amp;mparar con el rastreador...</translation>
    </message>
    <message>
        <source>Choose S&amp;ymbol...</source>
        <translation>Elegir &amp;símbolo...</translation>
    </message>
    <message>
        <source>&amp;Beacon Timing...</source>
        <translation>&amp;Temporización de balizas...</translation>
    </message>
    <message>
        <source>&amp;Keep Settings Before Writing</source>
        <translation>&amp;Conservar los ajustes antes de escribir</translation>
    </message>
    <message>
        <source>Send 1600 Hz</source>
        <translation>Enviar 1600 Hz</translation>
    </message>
    <message>
        <source>Send 1800 Hz</source>
        <translation>Enviar 1800 Hz</translation>
    </message>
    <message>
        <source>Scroll across</source>
        <translation>Desplazar en horizontal</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Desplazar en vertical</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>Tone calibration value, shared by both profiles. The tracker keeps 0 to 255; the window shows it but does not let it be edited.</source>
        <translation>Valor de calibración de los tonos, compartido por ambos perfiles. El rastreador guarda de 0 a 255; la ventana lo muestra pero no permite editarlo.</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>Indicativo</translation>
    </message>
    <message>
        <source>Station callsign, optionally followed by -SSID. The tracker keeps six letters or digits in capitals and an SSID of 0 to 15; other characters end the callsign.</source>
        <translation>Indicativo de la estación, seguido opcionalmente de -SSID. El rastreador guarda seis letras o cifras en mayúsculas y un SSID de 0 a 15; otros caracteres terminan el indicativo.</translation>
    </message>
    <message>
        <source>Digipeater path</source>
        <translation>Ruta de digipeaters</translation>
    </message>
    <message>
        <source>Digipeaters asked to relay each beacon, separated by commas, for example WIDE1-1,WIDE2-1. Each is kept like a callsign: six letters or digits and an SSID of 0 to 15.</source>
        <translation>Digipeaters a los que se pide retransmitir cada baliza, separados por comas, por ejemplo WIDE1-1,WIDE2-1. Cada uno se guarda como un indicativo: seis letras o cifras y un SSID de 0 a 15.</translation>
    </message>
    <message>
        <source>Status text</source>
        <translation>Texto de estado</translation>
    </message>
    <message>
        <source>Text of the status beacon. The tracker keeps what fits in its 128-byte memory after the other settings; equal texts in both profiles are stored once.</source>
        <translation>Texto de la baliza de estado. El rastreador guarda lo que cabe en su memoria de 128 bytes tras los demás ajustes; los textos iguales en ambos perfiles se almacenan una sola vez.</translation>
    </message>
    <message>
        <source>Delay 1</source>
        <translation>Retardo 1</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>First delay. Kept in byte times of the packet speed: 6.666 ms steps up to 1700 ms, or 26.666 ms steps up to 6800 ms with 300 baud packet.</source>
        <translation>Primer retardo. Se guarda en tiempos de byte de la velocidad de packet: pasos de 6.666 ms hasta 1700 ms, o pasos de 26.666 ms hasta 6800 ms con Packet a 300 baudios.</translation>
    </message>
    <message>
        <source>Delay 2</source>
        <translation>Retardo 2</translation>
    </message>
    <message>
        <source>Second delay. Kept in byte times of the packet speed: 6.666 ms steps up to 1700 ms, or 26.666 ms steps up to 6800 ms with 300 baud packet.</source>
        <translation>Segundo retardo. Se guarda en tiempos de byte de la velocidad de packet: pasos de 6.666 ms hasta 1700 ms, o pasos de 26.666 ms hasta 6800 ms con Packet a 300 baudios.</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Mic-E message sent with the position, one of eight. Writing Emergency! asks for confirmation first.</source>
        <translation>Mensaje Mic-E enviado con la posición, uno de ocho. Escribir Emergency! pide confirmación antes.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Mic-E digipeater path, one of sixteen.</source>
        <translation>Ruta de digipeaters Mic-E, una de dieciséis.</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>APRS symbol code: the character that picks the map icon. A control character is read back as &apos;-&apos;.</source>
        <translation>Código de símbolo APRS: el carácter que elige el icono del mapa. Un carácter de control se lee de vuelta como &apos;-&apos;.</translation>
    </message>
    <message>
        <source>Symbol table</source>
        <translation>Tabla de símbolos</translation>
    </message>
    <message>
        <source>APRS symbol table: / primary, \ alternate, or an overlay character. A control character is read back as /.</source>
        <translation>Tabla de símbolos APRS: / principal, \ alternativa o un carácter superpuesto. Un carácter de control se lee de vuelta como /.</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Count parameter. The tracker keeps 0 to 255.</source>
        <translation>Parámetro de cuenta. El rastreador guarda de 0 a 255.</translation>
    </message>
    <message>
        <source>Transmit rate</source>
        <translation>Intervalo de transmisión</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Time between beacons while SmartBeaconing is off; at least 3. The tracker keeps up to 65535.</source>
        <translation>Tiempo entre balizas mientras SmartBeaconing está desactivado; como mínimo 3. El rastreador guarda hasta 65535.</translation>
    </message>
    <message>
        <source>Second rate</source>
        <translation>Segundo intervalo</translation>
    </message>
    <message>
        <source>Second beacon interval; at least 3. The tracker keeps up to 65535.</source>
        <translation>Segundo intervalo de baliza; como mínimo 3. El rastreador guarda hasta 65535.</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segundo</translation>
    </message>
    <message>
        <source>Second within the transmit interval at which the beacon goes out. Sent only while the time slot is on; at most the transmit rate.</source>
        <translation>Segundo del intervalo de transmisión en el que sale la baliza. Solo se envía mientras la franja horaria está activada; como máximo el intervalo de transmisión.</translation>
    </message>
    <message>
        <source>Low speed</source>
        <translation>Velocidad baja</translation>
    </message>
    <message>
        <source>SmartBeaconing: at or below this speed the slow rate applies. The tracker keeps 0 to 255; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: en esta velocidad o por debajo se aplica el intervalo lento. El rastreador guarda de 0 a 255; solo se envía mientras SmartBeaconing está activado.</translation>
    </message>
    <message>
        <source>High speed</source>
        <translation>Velocidad alta</translation>
    </message>
    <message>
        <source>SmartBeaconing: at or above this speed the fast rate applies. The tracker keeps 0 to 255; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: en esta velocidad o por encima se aplica el intervalo rápido. El rastreador guarda de 0 a 255; solo se envía mientras SmartBeaconing está activado.</translation>
    </message>
    <message>
        <source>Slow rate</source>
        <translation>Intervalo lento</translation>
    </message>
    <message>
        <source>SmartBeaconing: time between beacons at low speed. The tracker keeps 0 to 65535; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: tiempo entre balizas a velocidad baja. El rastreador guarda de 0 a 65535; solo se envía mientras SmartBeaconing está activado.</translation>
    </message>
    <message>
        <source>Fast rate</source>
        <translation>Intervalo rápido</translation>
    </message>
    <message>
        <source>SmartBeaconing: time between beacons at high speed. The tracker keeps 0 to 65535; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: tiempo entre balizas a velocidad alta. El rastreador guarda de 0 a 65535; solo se envía mientras SmartBeaconing está activado.</translation>
    </message>
    <message>
        <source>Turn angle</source>
        <translation>Ángulo de giro</translation>
    </message>
    <message>
        <source>SmartBeaconing: smallest change of heading that counts as a turn. The tracker keeps 0 to 255; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: menor cambio de rumbo que cuenta como giro. El rastreador guarda de 0 a 255; solo se envía mientras SmartBeaconing está activado.</translation>
    </message>
    <message>
        <source>Turn slope</source>
        <translation>Pendiente de giro</translation>
    </message>
    <message>
        <source>SmartBeaconing: makes turns count sooner at low speed. The tracker keeps 0 to 65535; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: hace que los giros cuenten antes a velocidad baja. El rastreador guarda de 0 a 65535; solo se envía mientras SmartBeaconing está activado.</translation>
    </message>
    <message>
        <source>Turn time</source>
        <translation>Tiempo de giro</translation>
    </message>
    <message>
        <source>SmartBeaconing: least time between beacons sent for turns. The tracker keeps 0 to 255; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: tiempo mínimo entre balizas enviadas por giros. El rastreador guarda de 0 a 255; solo se envía mientras SmartBeaconing está activado.</translation>
    </message>
    <message>
        <source>Delay 3</source>
        <translation>Retardo 3</translation>
    </message>
    <message>
        <source>Third delay. Kept in 26.3 ms steps up to 6706 ms; not editable in the window.</source>
        <translation>Tercer retardo. Se guarda en pasos de 26.3 ms hasta 6706 ms; no se puede editar en la ventana.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Value sent while its Enable box is on. The tracker keeps 0 to 255.</source>
        <translation>Valor enviado mientras su casilla Activar está marcada. El rastreador guarda de 0 a 255.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Transmit frequency, 144.000 to 148.000 MHz; anything else becomes 144.390. The tracker keeps it in 5 kHz steps.</source>
        <translation>Frecuencia de transmisión, de 144.000 a 148.000 MHz; cualquier otro valor pasa a ser 144.390. El rastreador la guarda en pasos de 5 kHz.</translation>
    </message>
    <message>
        <source>Mic-E reports use printable characters only.</source>
        <translation>Los informes Mic-E usan solo caracteres imprimibles.</translation>
    </message>
    <message>
        <source>Beacons only with a valid GPS position. Not editable in the window.</source>
        <translation>Balizas solo con una posición GPS válida. No se puede editar en la ventana.</translation>
    </message>
    <message>
        <source>Beacons at a fixed second of the transmit interval. Turns SmartBeaconing off.</source>
        <translation>Balizas en un segundo fijo del intervalo de transmisión. Desactiva SmartBeaconing.</translation>
    </message>
    <message>
        <source>Beacons more often at speed and in turns, using the SmartBeaconing settings instead of the transmit rate. Turns the time slot off.</source>
        <translation>Balizas más frecuentes con velocidad y en los giros, con los ajustes de SmartBeaconing en lugar del intervalo de transmisión. Desactiva la franja horaria.</translation>
    </message>
    <message>
        <source>Positions include the altitude.</source>
        <translation>Las posiciones incluyen la altitud.</translation>
    </message>
    <message>
        <source>Positions are sent in the compact Mic-E form. Turns Send NMEA off.</source>
        <translation>Las posiciones se envían en la forma compacta Mic-E. Desactiva Enviar NMEA.</translation>
    </message>
    <message>
        <source>Sends the value beside this box.</source>
        <translation>Envía el valor que hay junto a esta casilla.</translation>
    </message>
    <message>
        <source>Positions carry a day, hour and minute time stamp.</source>
        <translation>Las posiciones llevan una marca de tiempo de día, hora y minuto.</translation>
    </message>
    <message>
        <source>The serial port accepts TTL levels.</source>
        <translation>El puerto serie acepta niveles TTL.</translation>
    </message>
    <message>
        <source>Beacons alternate between digipeater paths.</source>
        <translation>Las balizas alternan entre rutas de digipeaters.</translation>
    </message>
    <message>
        <source>Inverts the carrier detect input. Not editable in the window.</source>
        <translation>Invierte la entrada de detección de portadora. No se puede editar en la ventana.</translation>
    </message>
    <message>
        <source>Positions carry an hour, minute and second time stamp.</source>
        <translation>Las posiciones llevan una marca de tiempo de hora, minuto y segundo.</translation>
    </message>
    <message>
        <source>No transmission while the PTT input is active. Not editable in the window.</source>
        <translation>Sin transmisión mientras la entrada PTT está activa. No se puede editar en la ventana.</translation>
    </message>
    <message>
        <source>Sends the GPS sentences as received. Turns Mic-E and Send Altitude off.</source>
        <translation>Envía las sentencias GPS tal como se reciben. Desactiva Mic-E y Enviar altitud.</translation>
    </message>
    <message>
        <source>Sends the status text in a packet of its own.</source>
        <translation>Envía el texto de estado en un paquete propio.</translation>
    </message>
    <message>
        <source>Packets at 300 baud with 1600 and 1800 Hz tones instead of 1200 baud.</source>
        <translation>Paquetes a 300 baudios con tonos de 1600 y 1800 Hz en lugar de 1200 baudios.</translation>
    </message>
    <message>
        <source>The status text goes out without its leading &apos;&gt;&apos;.</source>
        <translation>El texto de estado sale sin su &apos;&gt;&apos; inicial.</translation>
    </message>
    <message>
        <source>The serial output rests high.</source>
        <translation>La salida serie reposa en nivel alto.</translation>
    </message>
    <message>
        <source>No beacon when the tracker starts.</source>
        <translation>Sin baliza al arrancar el rastreador.</translation>
    </message>
    <message>
        <source>The GPS receiver talks at 9600 baud instead of 4800.</source>
        <translation>El receptor GPS se comunica a 9600 baudios en lugar de 4800.</translation>
    </message>
    <message>
        <source>New Calibration value should be written before Testing Tones</source>
        <translation>El nuevo valor de calibración debe escribirse antes de probar los tonos</translation>
    </message>
    <message>
        <source>Calibration not written</source>
        <translation>Calibración no escrita</translation>
    </message>
    <message>
        <source>The settings were changed and have not been written to the tracker or saved to a file. Discard the changes and close?</source>
        <translation>Los ajustes se han cambiado y no se han escrito en el rastreador ni guardado en un archivo. ¿Descartar los cambios y cerrar?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>%1 is not a regular file; the window starts with its defaults and remembers nothing</source>
        <translation>%1 no es un archivo normal; la ventana arranca con sus valores predeterminados y no recuerda nada</translation>
    </message>
    <message>
        <source>The window&apos;s font could not be loaded from %1, so its captions are drawn in another face and some may be cut off. Installing the program again puts the file back.</source>
        <translation>No se pudo cargar la fuente de la ventana desde %1, así que sus textos se dibujan con otra fuente y algunos pueden quedar cortados. Al volver a instalar el programa se repone el archivo.</translation>
    </message>
    <message>
        <source>qz5-config: %1
</source>
        <translation>qz5-config: %1
</translation>
    </message>
    <message>
        <source>Font Missing</source>
        <translation>Falta la fuente</translation>
    </message>
    <message>
        <source>Off Duty</source>
        <translation>Fuera de servicio</translation>
    </message>
    <message>
        <source>En Route</source>
        <translation>En ruta</translation>
    </message>
    <message>
        <source>In Service</source>
        <translation>En servicio</translation>
    </message>
    <message>
        <source>Returning</source>
        <translation>Regresando</translation>
    </message>
    <message>
        <source>Committed</source>
        <translation>Comprometido</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Especial</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioridad</translation>
    </message>
    <message>
        <source>Emergency!</source>
        <translation>¡Emergencia!</translation>
    </message>
    <message>
        <source>Conventional</source>
        <translation>Convencional</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>North + WIDE</source>
        <translation>Norte + WIDE</translation>
    </message>
    <message>
        <source>South + WIDE</source>
        <translation>Sur + WIDE</translation>
    </message>
    <message>
        <source>East + WIDE</source>
        <translation>Este + WIDE</translation>
    </message>
    <message>
        <source>West + WIDE</source>
        <translation>Oeste + WIDE</translation>
    </message>
    <message>
        <source>qz5-config: cannot write the output
</source>
        <translation>qz5-config: no se puede escribir la salida
</translation>
    </message>
    <message>
        <source>qz5-config: no simulated tracker: %1
</source>
        <translation>qz5-config: no hay rastreador simulado: %1
</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>All &amp;settings</source>
        <translation>Todos &amp;los ajustes</translation>
    </message>
    <message>
        <source>&amp;About Zelbin3Config...</source>
        <translation>Acerca &amp;de Zelbin3Config...</translation>
    </message>
</context>
<context>
    <name>Workflow</name>
    <message>
        <source>Test Tones</source>
        <translation>Tonos de prueba</translation>
    </message>
    <message>
        <source>Find Tracker</source>
        <translation>Buscar rastreador</translation>
    </message>
    <message>
        <source>Zelbin3 Read</source>
        <translation>Zelbin3 - Lectura</translation>
    </message>
    <message>
        <source>Zelbin3 Version</source>
        <translation>Zelbin3 - Versión</translation>
    </message>
    <message>
        <source>Zelbin3 Write</source>
        <translation>Zelbin3 - Escritura</translation>
    </message>
    <message>
        <source>two reads of them did not agree</source>
        <translation>dos lecturas de ellos no coincidieron</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>one reason after another</comment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>the tracker did not send them whole</source>
        <translation>el rastreador no los envió completos</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <comment>one reason a line</comment>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>Read Failed</source>
        <translation>Error de lectura</translation>
    </message>
    <message>
        <source>Read Successful</source>
        <translation>Lectura correcta</translation>
    </message>
    <message>
        <source>You are about to configure your Zelbin with the ability to send an EMERGENCY beacon.  Are you sure you want to do this?</source>
        <translation>Está a punto de configurar su Zelbin con la capacidad de enviar una baliza de EMERGENCIA. ¿Seguro que desea hacerlo?</translation>
    </message>
    <message>
        <source>Write Successful</source>
        <translation>Escritura correcta</translation>
    </message>
</context>
<context>
    <name>Write</name>
    <message>
        <source>The tracker&apos;s settings could not be kept: %1. Write without keeping them?</source>
        <translation>No se pudieron conservar los ajustes del rastreador: %1. ¿Escribir sin conservarlos?</translation>
    </message>
    <message>
        <source>The tracker already held these settings.
The earlier settings are kept: History, entry %1.</source>
        <translation>El rastreador ya tenía estos ajustes.
Los ajustes anteriores se conservan: Historial, entrada %1.</translation>
    </message>
    <message>
        <source>The tracker already held these settings.
The earlier settings are kept in the History.</source>
        <translation>El rastreador ya tenía estos ajustes.
Los ajustes anteriores se conservan en el Historial.</translation>
    </message>
    <message>
        <source>Changed on the tracker:
%1The earlier settings are kept: History, entry %2.</source>
        <translation>Cambiado en el rastreador:
%1Los ajustes anteriores se conservan: Historial, entrada %2.</translation>
    </message>
    <message>
        <source>Changed on the tracker:
%1The earlier settings are kept in the History.</source>
        <translation>Cambiado en el rastreador:
%1Los ajustes anteriores se conservan en el Historial.</translation>
    </message>
    <message numerus="yes">
        <source>Changed on the tracker:
%1and %n more
The earlier settings are kept: History, entry %2.</source>
        <translation>
            <numerusform>Cambiado en el rastreador:
%1y %n más
Los ajustes anteriores se conservan: Historial, entrada %2.</numerusform>
            <numerusform>Cambiado en el rastreador:
%1y %n más
Los ajustes anteriores se conservan: Historial, entrada %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Changed on the tracker:
%1and %n more
The earlier settings are kept in the History.</source>
        <translation>
            <numerusform>Cambiado en el rastreador:
%1y %n más
Los ajustes anteriores se conservan en el Historial.</numerusform>
            <numerusform>Cambiado en el rastreador:
%1y %n más
Los ajustes anteriores se conservan en el Historial.</numerusform>
        </translation>
    </message>
    <message>
        <source>The tracker&apos;s settings from before this write were not read, so they are kept nowhere. &quot;Keep Settings Before Writing&quot; on the window menu keeps them next time.</source>
        <translation>Los ajustes que tenía el rastreador antes de esta escritura no se leyeron, así que no se conservan en ningún sitio. &quot;Conservar los ajustes antes de escribir&quot;, en el menú de la ventana, los conserva la próxima vez.</translation>
    </message>
    <message>
        <source>The tracker&apos;s settings from before this write could not be kept.</source>
        <translation>No se pudieron conservar los ajustes que tenía el rastreador antes de esta escritura.</translation>
    </message>
</context>
</TS>
