<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Changes</name>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Changes...</source>
        <translation>Cambios...</translation>
    </message>
    <message numerus="yes">
        <source>Revert %n setting(s)</source>
        <extracomment>An undo step.</extracomment>
        <translation>
            <numerusform>Revertir %n ajuste</numerusform>
            <numerusform>Revertir %n ajustes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChangesWindow</name>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>Revert</source>
        <comment>button</comment>
        <translation>Revertir</translation>
    </message>
    <message>
        <source>Put the transmitter&apos;s values of the ticked settings back into the form</source>
        <translation>Devuelve al formulario los valores de la emisora de los ajustes marcados</translation>
    </message>
    <message>
        <source>What the transmitter holds is not known yet: READ it, or send the form to it.</source>
        <extracomment>READ is the name of the form&apos;s button and stays as it is.</extracomment>
        <translation>Aún no se sabe qué contiene la emisora: léala con READ o envíele el formulario.</translation>
    </message>
    <message>
        <source>Form</source>
        <extracomment>Column header over the form&apos;s values.</extracomment>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <extracomment>Column header over the values the transmitter holds.</extracomment>
        <translation>Emisora</translation>
    </message>
</context>
<context>
    <name>CommandKeys</name>
    <message>
        <source>Open or close the port chosen beside it</source>
        <translation>Abre o cierra el puerto elegido al lado</translation>
    </message>
    <message>
        <source>Read the transmitter&apos;s settings</source>
        <translation>Lee los ajustes de la emisora</translation>
    </message>
    <message>
        <source>Load a parameter file and send it to the transmitter</source>
        <translation>Carga un archivo de parámetros y lo envía a la emisora</translation>
    </message>
    <message>
        <source>Write the form&apos;s settings to the transmitter</source>
        <translation>Escribe los ajustes del formulario en la emisora</translation>
    </message>
    <message>
        <source>Save the form&apos;s settings to a file and send them</source>
        <translation>Guarda los ajustes del formulario en un archivo y los envía</translation>
    </message>
    <message>
        <source>Reset the transmitter to factory settings</source>
        <translation>Restablece los ajustes de fábrica de la emisora</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A command button&apos;s tooltip: what it does (%1) and its key (%2).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Cannot read the specified file!</source>
        <translation>¡No se puede leer el archivo indicado!</translation>
    </message>
    <message>
        <source>%1

%2</source>
        <extracomment>%1 is the first line (Cannot read the specified file!), %2 which file and why.</extracomment>
        <translation>%1

%2</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Saved to %1; the transmitter holds every setting sent.</source>
        <translation>Guardado en %1; la emisora contiene todos los ajustes enviados.</translation>
    </message>
    <message>
        <source>LOAD replaces them with the settings of a file.</source>
        <translation>LOAD los sustituye por los ajustes de un archivo.</translation>
    </message>
    <message>
        <source>not a parameter file, none of its S, G, H and I frames is in place. Nothing was loaded or sent.</source>
        <translation>no es un archivo de parámetros: ninguna de sus tramas S, G, H e I está en su sitio. No se ha cargado ni enviado nada.</translation>
    </message>
    <message>
        <source>LOAD %1</source>
        <extracomment>An undo step: LOAD stays as on its button, %1 is the file&apos;s name.</extracomment>
        <translation>LOAD %1</translation>
    </message>
    <message>
        <source>Loaded %1; the transmitter holds every setting sent.</source>
        <translation>Cargado %1; la emisora contiene todos los ajustes enviados.</translation>
    </message>
    <message>
        <source>Please open the serial port!</source>
        <translation>¡Abra el puerto serie!</translation>
    </message>
    <message>
        <source>READ replaces them with the transmitter&apos;s settings.</source>
        <translation>READ los sustituye por los ajustes de la emisora.</translation>
    </message>
    <message>
        <source>History not kept</source>
        <translation>Historial no guardado</translation>
    </message>
    <message>
        <source>WRITE checked: the transmitter holds every setting sent.</source>
        <translation>WRITE comprobado: la emisora contiene todos los ajustes enviados.</translation>
    </message>
    <message>
        <source>%1 checked: the transmitter holds the factory settings.</source>
        <extracomment>%1 is RESET or DATA RESET, as on the buttons.</extracomment>
        <translation>%1 comprobado: la emisora contiene los ajustes de fábrica.</translation>
    </message>
    <message>
        <source>The transmitter&apos;s current settings could not be read, so no copy of them can be kept before they are replaced.</source>
        <translation>No se han podido leer los ajustes actuales de la emisora, así que no se puede guardar una copia antes de sustituirlos.</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Enviar de todos modos</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 why it cannot be read or written.
----------
A notice: %1 says what was not kept, %2 why.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CompanionHelp</name>
    <message>
        <source>Backs up, restores, inspects and compares transmitter models.</source>
        <translation>Hace copias de seguridad de modelos de la emisora, los restaura, los examina y los compara.</translation>
    </message>
    <message>
        <source>Commands:
  dump FILE [--json]          every parameter a parameter file carries, as NAME VALUE
  diff A B [--json]           the parameters whose values differ, as NAME A-VALUE B-VALUE
  read --port PORT -o FILE    read the transmitter&apos;s model into a parameter file
  write --port PORT FILE      send a parameter file to the transmitter, then read it back and
                              compare (--no-verify skips the check); the model it replaces is read
                              first and kept in the history (--no-backup skips that)
  history [--json]            the models kept in the history, newest first, numbered
  record --port PORT -o FILE.csv [--seconds N]
                              the live channel outputs, voltages and signal to a CSV file, one
                              row per frame, for N seconds or until interrupted (Ctrl+C)
  sheet FILE -o OUT           a printable sheet of the model: every setting with its value and
                              factory value, as OUT.pdf or, by its extension, OUT.html
  recover                     describe a WRITE (or the window&apos;s LOAD, SAVE, RESET) that was cut
                              off half-way, if there is one
  recover --port PORT --restore | --resend
                              send the model kept before it, or the one it was sending, then read
                              it back and compare</source>
        <extracomment>Only the descriptions on the right are translated, in the same columns; what is typed (dump, FILE, --json, --port PORT...) and the command names WRITE, LOAD, SAVE, RESET stay as they are.</extracomment>
        <translation>Comandos:
  dump FILE [--json]          cada parámetro de un archivo de parámetros, como NOMBRE VALOR
  diff A B [--json]           los parámetros cuyos valores difieren, como NOMBRE VALOR-A VALOR-B
  read --port PORT -o FILE    lee el modelo de la emisora y lo guarda en un archivo de parámetros
  write --port PORT FILE      envía un archivo de parámetros a la emisora, luego lo vuelve a leer
                              y compara (--no-verify omite la comprobación); antes lee el modelo
                              que sustituye y lo guarda en el historial (--no-backup lo omite)
  history [--json]            los modelos guardados en el historial, numerados, del más reciente
                              al más antiguo
  record --port PORT -o FILE.csv [--seconds N]
                              las salidas de los canales en directo, las tensiones y la señal en
                              un archivo CSV, una fila por trama, durante N segundos o hasta que
                              se interrumpa (Ctrl+C)
  sheet FILE -o OUT           una ficha imprimible del modelo: cada ajuste con su valor y su
                              valor de fábrica, como OUT.pdf o, según su extensión, OUT.html
  recover                     describe un WRITE (o un LOAD, SAVE o RESET de la ventana) que se
                              interrumpió a medias, si lo hay
  recover --port PORT --restore | --resend
                              envía el modelo guardado antes de él, o el que estaba enviando, y
                              luego lo vuelve a leer y compara</translation>
    </message>
    <message>
        <source>FILE may be @N, the N-th newest entry of the history (@1 the newest).</source>
        <extracomment>FILE, @N and @1 are typed so and stay as they are.</extracomment>
        <translation>FILE puede ser @N, la N-ésima entrada más reciente del historial (@1, la más reciente).</translation>
    </message>
    <message>
        <source>Exit codes: 0 success (diff: the files are equal); 1 diff: they differ, read: blocks missing
(no file written), write, recover: the transmitter does not hold what was sent; 2 an error (a message on
stderr names the file or port and why; a recording keeps the rows written until then).</source>
        <extracomment>The exit codes 0, 1 and 2 and the command names diff, read, write, recover stay as they are.</extracomment>
        <translation>Códigos de salida: 0 éxito (diff: los archivos son iguales); 1 diff: difieren, read: faltan bloques
(no se escribe ningún archivo), write, recover: la emisora no contiene lo enviado; 2 un error (un
mensaje en stderr indica el archivo o el puerto y el motivo; una grabación conserva las filas escritas
hasta ese momento).</translation>
    </message>
    <message>
        <source>The transmitter&apos;s serial port (read, write, record, recover).</source>
        <translation>El puerto serie de la emisora (read, write, record, recover).</translation>
    </message>
    <message>
        <source>port</source>
        <comment>value of an option</comment>
        <extracomment>The value --port takes, as --help shows it.</extracomment>
        <translation>puerto</translation>
    </message>
    <message>
        <source>The parameter file (read), CSV file (record) or sheet (sheet) to write.</source>
        <translation>El archivo de parámetros (read), el archivo CSV (record) o la ficha (sheet) que se escribe.</translation>
    </message>
    <message>
        <source>file</source>
        <comment>value of an option</comment>
        <extracomment>The value -o takes, as --help shows it.</extracomment>
        <translation>archivo</translation>
    </message>
    <message>
        <source>How many seconds to record (record).</source>
        <translation>Cuántos segundos grabar (record).</translation>
    </message>
    <message>
        <source>N</source>
        <comment>value of an option</comment>
        <extracomment>The value --seconds takes, as --help shows it.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>One JSON object instead of lines (dump, diff).</source>
        <translation>Un objeto JSON en lugar de líneas (dump, diff).</translation>
    </message>
    <message>
        <source>Send the frames that are in place even if others are not (write).</source>
        <translation>Envía las tramas que están en su sitio aunque falten otras (write).</translation>
    </message>
    <message>
        <source>Do not read the model back after sending it (write).</source>
        <translation>No vuelve a leer el modelo después de enviarlo (write).</translation>
    </message>
    <message>
        <source>Do not read and keep the transmitter&apos;s model before sending (write).</source>
        <translation>No lee ni guarda el modelo de la emisora antes de enviar (write).</translation>
    </message>
    <message>
        <source>Send the model kept before the command cut off (recover).</source>
        <translation>Envía el modelo guardado antes de que se interrumpiera el comando (recover).</translation>
    </message>
    <message>
        <source>Send the model the command cut off was sending (recover).</source>
        <translation>Envía el modelo que estaba enviando el comando interrumpido (recover).</translation>
    </message>
    <message>
        <source>Speak the language CODE (de, es, fr, ru, zh_CN or en) instead of the system&apos;s; what scripts read stays English.</source>
        <translation>Usa el idioma CÓDIGO (de, es, fr, ru, zh_CN o en) en lugar del idioma del sistema; lo que leen los scripts sigue en inglés.</translation>
    </message>
    <message>
        <source>CODE</source>
        <comment>value of an option</comment>
        <extracomment>The value --lang takes, as --help shows it.</extracomment>
        <translation>CÓDIGO</translation>
    </message>
    <message>
        <source>command</source>
        <comment>argument&apos;s name</comment>
        <extracomment>The name --help shows for the first word after the program&apos;s name.</extracomment>
        <translation>comando</translation>
    </message>
    <message>
        <source>dump, diff, read, write, history, record, sheet or recover.</source>
        <extracomment>The commands&apos; names are typed so and stay as they are.</extracomment>
        <translation>dump, diff, read, write, history, record, sheet o recover.</translation>
    </message>
    <message>
        <source>files</source>
        <comment>argument&apos;s name</comment>
        <extracomment>The name --help shows for the words after the command.</extracomment>
        <translation>archivos</translation>
    </message>
    <message>
        <source>The parameter files the command works on.</source>
        <translation>Los archivos de parámetros con los que trabaja el comando.</translation>
    </message>
    <message>
        <source>[files...]</source>
        <comment>usage line</comment>
        <extracomment>How --help&apos;s usage line shows the words after the command.</extracomment>
        <translation>[archivos...]</translation>
    </message>
</context>
<context>
    <name>CompanionMessages</name>
    <message>
        <source>%1 (see --help)</source>
        <extracomment>After a mistake on the command line: %1 says what is wrong.</extracomment>
        <translation>%1 (véase --help)</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se ha indicado ningún comando</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <extracomment>%1 is the word typed where a command was expected.</extracomment>
        <translation>comando desconocido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 takes no file</source>
        <extracomment>%1 is the command&apos;s name.</extracomment>
        <translation>%1 no admite ningún archivo</translation>
    </message>
    <message>
        <source>%1 takes one file</source>
        <extracomment>%1 is the command&apos;s name.</extracomment>
        <translation>%1 necesita un archivo</translation>
    </message>
    <message>
        <source>%1 takes two files</source>
        <extracomment>%1 is the command&apos;s name.</extracomment>
        <translation>%1 necesita dos archivos</translation>
    </message>
    <message>
        <source>%1 takes no file (%1 writes -o FILE)</source>
        <extracomment>%1 is the command&apos;s name (read, record); -o FILE is typed so.</extracomment>
        <translation>%1 no admite ningún archivo (%1 escribe en -o FILE)</translation>
    </message>
    <message>
        <source>%1 has no option --%2</source>
        <extracomment>%1 is the command&apos;s name, %2 the option&apos;s.</extracomment>
        <translation>%1 no tiene la opción --%2</translation>
    </message>
    <message>
        <source>%1 needs --port PORT</source>
        <extracomment>%1 is the command&apos;s name; --port PORT is typed so.</extracomment>
        <translation>%1 necesita --port PORT</translation>
    </message>
    <message>
        <source>recover takes --restore or --resend, not both</source>
        <translation>recover admite --restore o --resend, no ambos</translation>
    </message>
    <message>
        <source>recover --port needs --restore or --resend</source>
        <translation>recover --port necesita --restore o --resend</translation>
    </message>
    <message>
        <source>recover --%1 needs --port PORT</source>
        <extracomment>%1 is the option given, restore or resend; --port PORT is typed so.</extracomment>
        <translation>recover --%1 necesita --port PORT</translation>
    </message>
    <message>
        <source>%1 needs -o FILE</source>
        <extracomment>%1 is the command&apos;s name; -o FILE is typed so.</extracomment>
        <translation>%1 necesita -o FILE</translation>
    </message>
    <message>
        <source>--seconds takes a whole number above 0, not &apos;%1&apos;</source>
        <extracomment>%1 is what was typed after --seconds.</extracomment>
        <translation>--seconds admite un número entero mayor que 0, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <extracomment>%1 says why the file could not be written.</extracomment>
        <translation>no se puede escribir: %1</translation>
    </message>
    <message numerus="yes">
        <source>no such history entry (%n kept in %1)</source>
        <extracomment>%n is how many entries the history keeps, %1 its folder.</extracomment>
        <translation>
            <numerusform>no existe esa entrada del historial (%n guardada en %1)</numerusform>
            <numerusform>no existe esa entrada del historial (%n guardadas en %1)</numerusform>
        </translation>
    </message>
    <message>
        <source>not kept: %1</source>
        <extracomment>%1 says why the model could not be kept in the history.</extracomment>
        <translation>no guardado: %1</translation>
    </message>
    <message>
        <source>%1 The transmitter may hold part of two models; see txconfig-cli recover</source>
        <extracomment>%1 says which command was cut off, when and on which port; txconfig-cli recover is typed so.</extracomment>
        <translation>%1 Puede que la emisora contenga parte de dos modelos; véase txconfig-cli recover</translation>
    </message>
    <message>
        <source>the journal %1 is damaged (%2)</source>
        <extracomment>%1 is the journal&apos;s path, %2 what is wrong with it.</extracomment>
        <translation>el registro de operaciones %1 está dañado (%2)</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message numerus="yes">
        <source>frame(s) %1 missing</source>
        <extracomment>%1 lists the frame numbers (&quot;5, 12&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>falta la trama %1</numerusform>
            <numerusform>faltan las tramas %1</numerusform>
        </translation>
    </message>
    <message>
        <source>writing %1: opening</source>
        <extracomment>A line of progress on a terminal; %1 is the port.</extracomment>
        <translation>escribiendo %1: abriendo</translation>
    </message>
    <message>
        <source>writing %1: %2 frame (%3 of %4)</source>
        <extracomment>A line of progress on a terminal: %1 is the port, %2 the frame&apos;s letter (S, G, H or I), %3 and %4 count the frames.</extracomment>
        <translation>escribiendo %1: trama %2 (%3 de %4)</translation>
    </message>
    <message>
        <source>nothing sent: the model on the transmitter could not be read to keep a copy (%1) (--no-backup sends without one)</source>
        <extracomment>%1 says what the read lacked (&quot;no answer&quot;, &quot;frames 5, 12 missing&quot;); --no-backup is typed so.</extracomment>
        <translation>no se ha enviado nada: no se ha podido leer el modelo de la emisora para guardar una copia (%1) (--no-backup envía sin copia)</translation>
    </message>
    <message numerus="yes">
        <source>%1; %2 of %n frames had gone out, write the file again</source>
        <extracomment>%1 says why the link failed, %2 how many of the %n frames had gone out.</extracomment>
        <translation>
            <numerusform>%1; se habían enviado %2 de %n trama, vuelva a escribir el archivo</numerusform>
            <numerusform>%1; se habían enviado %2 de %n tramas, vuelva a escribir el archivo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the transmitter does not hold what was sent: %n setting(s) differ(s) (listed above)</source>
        <translation>
            <numerusform>la emisora no contiene lo enviado: %n ajuste difiere (indicado arriba)</numerusform>
            <numerusform>la emisora no contiene lo enviado: %n ajustes difieren (indicados arriba)</numerusform>
        </translation>
    </message>
    <message>
        <source>sent, but the transmitter did not answer the read-back: nothing was checked</source>
        <translation>enviado, pero la emisora no ha respondido a la lectura de comprobación: no se ha comprobado nada</translation>
    </message>
    <message numerus="yes">
        <source>sent, but the read-back lacked frame(s) %1: their settings are unchecked</source>
        <extracomment>%1 lists the frame numbers (&quot;5, 12&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>enviado, pero en la lectura de comprobación faltó la trama %1: sus ajustes no se han comprobado</numerusform>
            <numerusform>enviado, pero en la lectura de comprobación faltaron las tramas %1: sus ajustes no se han comprobado</numerusform>
        </translation>
    </message>
    <message>
        <source>reading %1: opening</source>
        <extracomment>A line of progress on a terminal; %1 is the port.</extracomment>
        <translation>leyendo %1: abriendo</translation>
    </message>
    <message numerus="yes">
        <source>reading %1: %2 of %n blocks</source>
        <extracomment>A line of progress on a terminal: %1 is the port, %2 how many of the %n blocks have come.</extracomment>
        <translation>
            <numerusform>leyendo %1: %2 de %n bloque</numerusform>
            <numerusform>leyendo %1: %2 de %n bloques</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>incomplete read, frame(s) %1 missing; no file written</source>
        <extracomment>%1 lists the frame numbers (&quot;5, 12&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>lectura incompleta, falta la trama %1; no se ha escrito ningún archivo</numerusform>
            <numerusform>lectura incompleta, faltan las tramas %1; no se ha escrito ningún archivo</numerusform>
        </translation>
    </message>
    <message>
        <source>no telemetry frame arrived; the stick trims are saved centred</source>
        <translation>no ha llegado ninguna trama de telemetría; los trims de los sticks se guardan centrados</translation>
    </message>
    <message>
        <source>%1 %2 does not fit the file, saved as %3</source>
        <extracomment>%1 is the parameter&apos;s name as the file has it, %2 its value, %3 the value saved.</extracomment>
        <translation>%1 %2 no cabe en el archivo, guardado como %3</translation>
    </message>
    <message>
        <source>nothing sent: not every frame is in place (--partial sends the others)</source>
        <extracomment>--partial is typed so.</extracomment>
        <translation>no se ha enviado nada: no todas las tramas están en su sitio (--partial envía las demás)</translation>
    </message>
    <message>
        <source>%1 %2 out of range, sent as %3</source>
        <extracomment>%1 is the parameter&apos;s name as the file has it, %2 its value, %3 the value sent.</extracomment>
        <translation>%1 %2 fuera de rango, enviado como %3</translation>
    </message>
    <message>
        <source>damaged (%1); left in place</source>
        <extracomment>%1 says what is wrong with the journal.</extracomment>
        <translation>dañado (%1); se deja donde está</translation>
    </message>
    <message>
        <source>No command was cut off: the journal is empty.</source>
        <translation>No se interrumpió ningún comando: el registro de operaciones está vacío.</translation>
    </message>
    <message>
        <source>nothing sent: no command was cut off</source>
        <translation>no se ha enviado nada: no se interrumpió ningún comando</translation>
    </message>
    <message>
        <source>none kept</source>
        <translation>no se guardó ninguno</translation>
    </message>
    <message>
        <source>earlier model: %1</source>
        <extracomment>%1 is the history entry of the model the command replaced. The two lines&apos; values line up.</extracomment>
        <translation>modelo anterior: %1</translation>
    </message>
    <message>
        <source>being sent:    %1</source>
        <extracomment>%1 is the history entry of the model the command was sending. The two lines&apos; values line up.</extracomment>
        <translation>modelo en envío: %1</translation>
    </message>
    <message>
        <source>no copy of the earlier model was kept; --resend sends the one that was being sent</source>
        <extracomment>--resend is typed so.</extracomment>
        <translation>no se guardó ninguna copia del modelo anterior; --resend envía el que se estaba enviando</translation>
    </message>
    <message>
        <source>recording %1: opening</source>
        <extracomment>A line of progress on a terminal; %1 is the port.</extracomment>
        <translation>grabando %1: abriendo</translation>
    </message>
    <message>
        <source>recording %1: %2 s, %3</source>
        <extracomment>A line of progress on a terminal: %1 is the port, %2 the seconds recorded, %3 how many rows.</extracomment>
        <translation>grabando %1: %2 s, %3</translation>
    </message>
    <message>
        <source>%1; %2 kept in %3</source>
        <extracomment>%1 says why the link failed, %2 how many rows were kept, %3 the file.</extracomment>
        <translation>%1; %3 conserva %2</translation>
    </message>
    <message>
        <source>cannot write: %1; %2 kept</source>
        <extracomment>%1 says why the file could not be written, %2 how many rows it kept.</extracomment>
        <translation>no se puede escribir: %1; el archivo conserva %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 frame left out: the file ends after %n characters</source>
        <extracomment>%1 is the frame&apos;s letter (S, G, H or I), %n how many characters the file has.</extracomment>
        <translation>
            <numerusform>trama %1 omitida: el archivo termina tras %n carácter</numerusform>
            <numerusform>trama %1 omitida: el archivo termina tras %n caracteres</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 frame left out: its markers are not in place (&apos;%1&apos; at character %2, &apos;%3&apos; at %4)</source>
        <extracomment>%1 is the frame&apos;s letter (S, G, H or I), which is also its first marker and belongs at character %2; %3 is its last marker, which belongs at character %4.</extracomment>
        <translation>trama %1 omitida: sus marcas no están en su sitio (&apos;%1&apos; en el carácter %2, &apos;%3&apos; en el %4)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>no existe el archivo</translation>
    </message>
    <message>
        <source>not a parameter file (it is a folder)</source>
        <translation>no es un archivo de parámetros (es una carpeta)</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>not a parameter file (no S, G, H or I frame in place)</source>
        <extracomment>S, G, H and I are the frames&apos; letters.</extracomment>
        <translation>no es un archivo de parámetros (ninguna trama S, G, H ni I está en su sitio)</translation>
    </message>
    <message>
        <source>the port went away (cable pulled?): %1</source>
        <extracomment>%1 says what the system reported.</extracomment>
        <translation>el puerto ha desaparecido (¿cable desconectado?): %1</translation>
    </message>
</context>
<context>
    <name>CompareTable</name>
    <message>
        <source>Setting</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>All</source>
        <comment>tick every row</comment>
        <translation>Todos</translation>
    </message>
    <message numerus="yes">
        <source>No settings differ (%n are equal).</source>
        <extracomment>%n is the number of settings that are the same on both sides.</extracomment>
        <translation>
            <numerusform>Ningún ajuste difiere (%n es igual).</numerusform>
            <numerusform>Ningún ajuste difiere (%n son iguales).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s) differ(s), %1 are equal.</source>
        <extracomment>%n is the number of rows below, %1 the number of settings that are the same on both sides.</extracomment>
        <translation>
            <numerusform>%n ajuste difiere; iguales: %1.</numerusform>
            <numerusform>%n ajustes difieren; iguales: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EditorMenus</name>
    <message>
        <source>Revert to the transmitter&apos;s value (%1)</source>
        <extracomment>%1 is the setting&apos;s value as the transmitter holds it.</extracomment>
        <translation>Volver al valor de la emisora (%1)</translation>
    </message>
    <message>
        <source>Revert %1</source>
        <extracomment>An undo step; %1 is the setting&apos;s label as the form shows it.</extracomment>
        <translation>Revertir %1</translation>
    </message>
    <message>
        <source>Reset to the factory value (%1)</source>
        <extracomment>%1 is the setting&apos;s factory value.</extracomment>
        <translation>Volver al valor de fábrica (%1)</translation>
    </message>
    <message>
        <source>Reset %1</source>
        <extracomment>An undo step; %1 is the setting&apos;s label as the form shows it.</extracomment>
        <translation>Restablecer %1</translation>
    </message>
</context>
<context>
    <name>EditorTips</name>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of values, lowest to highest.</extracomment>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>none, the transmitter reports it</source>
        <extracomment>The factory value of a read-only field such as the transmitter&apos;s version.</extracomment>
        <translation>ninguno, lo indica la emisora</translation>
    </message>
    <message>
        <source>On the transmitter: %1</source>
        <extracomment>%1 is the setting&apos;s value as the transmitter holds it.</extracomment>
        <translation>En la emisora: %1</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <extracomment>%1 is what the editor accepts, e.g. &quot;-100 to 100 %&quot; or a list of its choices.</extracomment>
        <translation>Rango: %1</translation>
    </message>
    <message>
        <source>Factory: %1</source>
        <extracomment>%1 is the value the setting takes at a factory reset.</extracomment>
        <translation>De fábrica: %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>file</source>
        <comment>view of parameter files</comment>
        <extracomment>The file dialogs&apos; view of parameter files; the patterns after it stay as they are.</extracomment>
        <translation>Archivos de parámetros</translation>
    </message>
    <message>
        <source>allfile</source>
        <comment>view of every file</comment>
        <extracomment>SAVE&apos;s file-dialog view of every file; the pattern after it stays as it is.</extracomment>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>All file</source>
        <comment>view of every file</comment>
        <extracomment>LOAD&apos;s file-dialog view of every file; the patterns after it stay as they are.</extracomment>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Abrir archivo</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>cut short or not a txconfig draft</source>
        <translation>incompleto o no es un borrador de txconfig</translation>
    </message>
    <message>
        <source>cannot lock %1</source>
        <extracomment>%1 is the lock file&apos;s path.</extracomment>
        <translation>no se puede bloquear %1</translation>
    </message>
    <message>
        <source>its settings are cut short</source>
        <translation>sus ajustes están incompletos</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <extracomment>%1 is a path.</extracomment>
        <translation>%1 es un archivo, no una carpeta</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <extracomment>%1 is a path.</extracomment>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>not a parameter file</source>
        <translation>no es un archivo de parámetros</translation>
    </message>
    <message>
        <source>cut short (%1 of 324 bytes)</source>
        <extracomment>Why a history entry cannot be read: %1 is how many bytes it has.</extracomment>
        <translation>incompleto (%1 de 324 bytes)</translation>
    </message>
    <message>
        <source>damaged: not every frame is in place</source>
        <translation>dañado: no todas las tramas están en su sitio</translation>
    </message>
    <message>
        <source>not a txconfig journal</source>
        <translation>no es un registro de operaciones de txconfig</translation>
    </message>
    <message>
        <source>cut short or damaged</source>
        <translation>incompleto o dañado</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>no se ha podido crear el PDF</translation>
    </message>
    <message>
        <source>History not kept</source>
        <extracomment>A notice&apos;s start; &quot;: &quot; and the reason follow.</extracomment>
        <translation>Historial no guardado</translation>
    </message>
    <message>
        <source>Journal not written</source>
        <extracomment>A notice&apos;s start; &quot;: &quot; and the reason follow.</extracomment>
        <translation>Registro de operaciones no escrito</translation>
    </message>
    <message>
        <source>Journal not closed</source>
        <extracomment>A notice&apos;s start; &quot;: &quot; and the reason follow.</extracomment>
        <translation>Registro de operaciones no cerrado</translation>
    </message>
</context>
<context>
    <name>HistoryEvents</name>
    <message>
        <source>Read</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Before WRITE</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Antes de WRITE</translation>
    </message>
    <message>
        <source>After WRITE</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Después de WRITE</translation>
    </message>
    <message>
        <source>Before LOAD</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Antes de LOAD</translation>
    </message>
    <message>
        <source>After LOAD</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Después de LOAD</translation>
    </message>
    <message>
        <source>Before SAVE</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Antes de SAVE</translation>
    </message>
    <message>
        <source>After SAVE</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Después de SAVE</translation>
    </message>
    <message>
        <source>Before RESET</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Antes de RESET</translation>
    </message>
    <message>
        <source>After RESET</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Después de RESET</translation>
    </message>
    <message>
        <source>Before DATA RESET</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Antes de DATA RESET</translation>
    </message>
    <message>
        <source>After DATA RESET</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Después de DATA RESET</translation>
    </message>
    <message>
        <source>Being sent</source>
        <translation>En envío</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>Interrumpido</translation>
    </message>
</context>
<context>
    <name>HistoryList</name>
    <message>
        <source>before the interrupted %1</source>
        <extracomment>%1 is the command&apos;s button name (WRITE, LOAD, RESET...), which stays as it is.</extracomment>
        <translation>antes del %1 interrumpido</translation>
    </message>
    <message>
        <source>sent by the interrupted %1</source>
        <extracomment>%1 is the command&apos;s button name (WRITE, LOAD, RESET...), which stays as it is.</extracomment>
        <translation>enviado por el %1 interrumpido</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is the event (e.g. &quot;Before WRITE&quot;), %2 what it was to an interrupted command.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Port</source>
        <extracomment>The serial port the transmitter was on.</extracomment>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Differs from the form</source>
        <translation>Difiere del formulario</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Restore</source>
        <comment>button</comment>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Save as...</source>
        <comment>button</comment>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment>button</comment>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <extracomment>In the list&apos;s last column; %1 is why the entry cannot be read.</extracomment>
        <translation>dañada: %1</translation>
    </message>
    <message>
        <source>equal</source>
        <extracomment>In the list&apos;s last column: the entry holds the same settings as the form.</extracomment>
        <translation>igual</translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s)</source>
        <extracomment>In the list&apos;s last column: how many settings of the entry differ from the form.</extracomment>
        <translation>
            <numerusform>%n ajuste</numerusform>
            <numerusform>%n ajustes</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose an entry to compare it with the form, or two to compare them with each other.</source>
        <translation>Elija una entrada para compararla con el formulario, o dos para compararlas entre sí.</translation>
    </message>
    <message>
        <source>Choose one entry or two.</source>
        <translation>Elija una o dos entradas.</translation>
    </message>
    <message>
        <source>This entry cannot be read: %1.</source>
        <extracomment>%1 is the reason.</extracomment>
        <translation>Esta entrada no se puede leer: %1.</translation>
    </message>
    <message>
        <source>Form</source>
        <extracomment>Column header over the form&apos;s values.</extracomment>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>The older entry cannot be read: %1.</source>
        <extracomment>%1 is the reason.</extracomment>
        <translation>La entrada más antigua no se puede leer: %1.</translation>
    </message>
    <message>
        <source>file (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 holds the file name patterns, which stay as they are.</extracomment>
        <translation>Archivos de parámetros (%1)</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>No se ha podido escribir %1: %2</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>Speaking %1; a change takes effect at the next start</source>
        <extracomment>Under the list of languages; %1 is the language spoken now, in its own name.</extracomment>
        <translation>Idioma actual: %1; el cambio se aplica en el próximo inicio</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>El idioma cambiará en el próximo inicio.</translation>
    </message>
</context>
<context>
    <name>LinkErrors</name>
    <message>
        <source>the device hung up</source>
        <translation>el dispositivo ha cortado la conexión</translation>
    </message>
    <message>
        <source>No serial port is listed. Plug the transmitter in; its port appears in the list within a second or two.</source>
        <translation>No hay ningún puerto serie en la lista. Conecte la emisora; su puerto aparecerá en la lista en uno o dos segundos.</translation>
    </message>
    <message>
        <source>%1 is not connected. Check the transmitter&apos;s USB cable, or pick another port from the list.</source>
        <extracomment>%1 is the port&apos;s device, e.g. /dev/ttyUSB0.</extracomment>
        <translation>%1 no está conectado. Compruebe el cable USB de la emisora o elija otro puerto de la lista.</translation>
    </message>
    <message>
        <source>%1 is in use by another program (another txconfig, a terminal program or ModemManager). Close it and press OPEN again.</source>
        <extracomment>%1 is the port&apos;s device. OPEN is the button&apos;s name and stays as it is.</extracomment>
        <translation>%1 está en uso por otro programa (otro txconfig, un programa de terminal o ModemManager). Ciérrelo y vuelva a pulsar OPEN.</translation>
    </message>
    <message>
        <source>You have no permission to use %1. Add yourself to the dialout group:

sudo usermod -aG dialout $USER

then log out and log in again.</source>
        <extracomment>%1 is the port&apos;s device. The command line and the group&apos;s name dialout stay as they are.</extracomment>
        <translation>No tiene permiso para usar %1. Añada su usuario al grupo dialout:

sudo usermod -aG dialout $USER

y después cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>Cannot open the serial port!</source>
        <extracomment>The first line of the box; what went wrong and what to do follow after a blank line.</extracomment>
        <translation>¡No se puede abrir el puerto serie!</translation>
    </message>
    <message>
        <source>no port given</source>
        <extracomment>txconfig-cli says it on a terminal, after the port&apos;s name.</extracomment>
        <translation>no se ha indicado ningún puerto</translation>
    </message>
    <message>
        <source>no such port (is the transmitter plugged in?)</source>
        <extracomment>txconfig-cli says it on a terminal, after the port&apos;s name.</extracomment>
        <translation>no existe el puerto (¿está conectada la emisora?)</translation>
    </message>
    <message>
        <source>busy: another program has the port open</source>
        <extracomment>txconfig-cli says it on a terminal, after the port&apos;s name.</extracomment>
        <translation>ocupado: otro programa tiene el puerto abierto</translation>
    </message>
    <message>
        <source>permission denied (is your user in the dialout group?)</source>
        <extracomment>txconfig-cli says it on a terminal, after the port&apos;s name.</extracomment>
        <translation>permiso denegado (¿está su usuario en el grupo dialout?)</translation>
    </message>
</context>
<context>
    <name>LiveRecording</name>
    <message>
        <source>Cannot record to %1: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>No se puede grabar en %1: %2</translation>
    </message>
    <message>
        <source>Recording stopped: %1 is gone (deleted, or its folder removed); no rows were kept.</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>Grabación detenida: %1 ya no existe (se ha borrado o se ha eliminado su carpeta); no se ha conservado ninguna fila.</translation>
    </message>
    <message>
        <source>the file is gone (deleted, or its folder removed)</source>
        <extracomment>Why a recording stopped, where the system gives no reason of its own.</extracomment>
        <translation>el archivo ya no existe (se ha borrado o se ha eliminado su carpeta)</translation>
    </message>
    <message numerus="yes">
        <source>Recording stopped: cannot write %1 (%2); %n row(s) kept.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason, %n the whole rows the file keeps.</extracomment>
        <translation>
            <numerusform>Grabación detenida: no se puede escribir %1 (%2); se conserva %n fila.</numerusform>
            <numerusform>Grabación detenida: no se puede escribir %1 (%2); se conservan %n filas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n fila</numerusform>
            <numerusform>%n filas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LoadPreview</name>
    <message>
        <source>Sending %1 changes these settings on the transmitter. A setting left unticked keeps the transmitter&apos;s value.</source>
        <extracomment>%1 is the parameter file&apos;s name.</extracomment>
        <translation>Al enviar %1 cambiarán estos ajustes en la emisora. Un ajuste sin marcar conserva el valor de la emisora.</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Column header over the file&apos;s values.</extracomment>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <extracomment>Column header over the values the transmitter holds.</extracomment>
        <translation>Emisora</translation>
    </message>
    <message>
        <source>Send</source>
        <comment>button</comment>
        <translation>Enviar</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Find...</source>
        <translation>Buscar...</translation>
    </message>
    <message>
        <source>Export sheet...</source>
        <translation>Exportar ficha...</translation>
    </message>
    <message>
        <source>Sheet written to %1</source>
        <translation>Ficha guardada en %1</translation>
    </message>
    <message>
        <source>Export sheet</source>
        <translation>Exportar ficha</translation>
    </message>
    <message>
        <source>the form of %1</source>
        <translation>el formulario de %1</translation>
    </message>
    <message>
        <source>The sheet could not be written to %1: %2</source>
        <translation>No se ha podido guardar la ficha en %1: %2</translation>
    </message>
    <message>
        <source>The link to %1 was lost (%2). Check the cable, then press OPEN.</source>
        <translation>Se ha perdido la conexión con %1 (%2). Compruebe el cable y pulse OPEN.</translation>
    </message>
    <message>
        <source>Closing the window loses them.</source>
        <translation>Si cierra la ventana, se perderán.</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Historial...</translation>
    </message>
    <message>
        <source>Restore from history</source>
        <translation>Restaurar desde el historial</translation>
    </message>
</context>
<context>
    <name>Meanings</name>
    <message>
        <source>Servo direction of channel %1: REV turns the servo the other way for the same stick.</source>
        <translation>Inversión de servo del canal %1: REV hace girar el servo en sentido contrario con el mismo movimiento del stick.</translation>
    </message>
    <message>
        <source>Sub-trim of channel %1: shifts the servo&apos;s centre so the linkage sits neutral without bending it.</source>
        <translation>Subtrim del canal %1: desplaza el centro del servo para que la transmisión quede en neutro sin tener que doblarla.</translation>
    </message>
    <message>
        <source>End point of channel %1 on the left (low) side: how far the servo may travel that way.</source>
        <translation>Punto final del canal %1 en el lado izquierdo (bajo): cuánto puede desplazarse el servo hacia ese lado.</translation>
    </message>
    <message>
        <source>End point of channel %1 on the right (high) side: how far the servo may travel that way.</source>
        <translation>Punto final del canal %1 en el lado derecho (alto): cuánto puede desplazarse el servo hacia ese lado.</translation>
    </message>
    <message>
        <source>Fail-safe of channel %1: the position the servo goes to when the receiver loses the signal.</source>
        <translation>Fail-safe del canal %1: la posición a la que va el servo cuando el receptor pierde la señal.</translation>
    </message>
    <message>
        <source>Servo delay of channel %1: slows the servo, for gear doors or flaps that should move gently.</source>
        <translation>Retardo del servo del canal %1: ralentiza el servo, para compuertas del tren o flaps que deben moverse con suavidad.</translation>
    </message>
    <message>
        <source>Control that drives channel %1: switch SwA or SwB, knob VrA, VrB/SwC, Lock-C, or none (NULL).</source>
        <translation>Control que mueve el canal %1: interruptor SwA o SwB, potenciómetro VrA, VrB/SwC, Lock-C o ninguno (NULL).</translation>
    </message>
    <message>
        <source>Channel 1 follows its stick; it has no control to choose (NC).</source>
        <translation>El canal 1 sigue a su stick; no tiene ningún control que elegir (NC).</translation>
    </message>
    <message>
        <source>Channel 2 follows its stick; it has no control to choose (NC).</source>
        <translation>El canal 2 sigue a su stick; no tiene ningún control que elegir (NC).</translation>
    </message>
    <message>
        <source>Channel 3 follows its stick; it has no control to choose (NC).</source>
        <translation>El canal 3 sigue a su stick; no tiene ningún control que elegir (NC).</translation>
    </message>
    <message>
        <source>Channel 4 follows its stick; it has no control to choose (NC).</source>
        <translation>El canal 4 sigue a su stick; no tiene ningún control que elegir (NC).</translation>
    </message>
    <message>
        <source>Dual rate on or off: when on, switch SWA picks the UP or the DOWN rate of each D/R channel.</source>
        <translation>Dual rate activado o desactivado: si está activado, el interruptor SWA elige el valor UP o DOWN de cada canal D/R.</translation>
    </message>
    <message>
        <source>Which dual-rate channel (CH1 to CH4) the D/R rows show and edit.</source>
        <translation>Qué canal de dual rate (CH1 a CH4) muestran y editan las filas D/R.</translation>
    </message>
    <message>
        <source>The switch that selects the dual rate (SWA).</source>
        <translation>El interruptor que selecciona el dual rate (SWA).</translation>
    </message>
    <message>
        <source>Dual rate of the channel chosen under CH with the switch UP: stick travel in percent of full.</source>
        <translation>Dual rate del canal elegido en CH con el interruptor en UP: recorrido del stick en porcentaje del total.</translation>
    </message>
    <message>
        <source>Dual rate of the channel chosen under CH with the switch DOWN: stick travel in percent of full.</source>
        <translation>Dual rate del canal elegido en CH con el interruptor en DOWN: recorrido del stick en porcentaje del total.</translation>
    </message>
    <message>
        <source>Dual rate of channel %1 with the switch UP: stick travel in percent of full (choose CH%1 under CH).</source>
        <translation>Dual rate del canal %1 con el interruptor en UP: recorrido del stick en porcentaje del total (elija CH%1 en CH).</translation>
    </message>
    <message>
        <source>Dual rate of channel %1 with the switch DOWN: stick travel in percent of full (choose CH%1 under CH).</source>
        <translation>Dual rate del canal %1 con el interruptor en DOWN: recorrido del stick en porcentaje del total (elija CH%1 en CH).</translation>
    </message>
    <message>
        <source>The switch that selects the dual rate (SWA); the same setting as SW on ADVANCE2.</source>
        <translation>El interruptor que selecciona el dual rate (SWA); el mismo ajuste que SW en ADVANCE2.</translation>
    </message>
    <message>
        <source>The channel that sends the attitude (flight mode) position, CH5 to CH8, or OFF.</source>
        <translation>El canal que envía la posición de actitud (modo de vuelo): de CH5 a CH8, o bien OFF.</translation>
    </message>
    <message>
        <source>Output of the attitude channel in flight-mode position %1.</source>
        <translation>Salida del canal de actitud en la posición %1 del modo de vuelo.</translation>
    </message>
    <message>
        <source>Elevon mix on or off, for flying wings: aileron and elevator both drive the two wing servos.</source>
        <translation>Mezcla de elevones activada o desactivada, para alas volantes: alerón y profundidad mueven ambos los dos servos del ala.</translation>
    </message>
    <message>
        <source>Elevon: how much aileron moves the first wing servo (AILE1).</source>
        <translation>Elevón: cuánto mueve el alerón el primer servo del ala (AILE1).</translation>
    </message>
    <message>
        <source>Elevon: how much aileron moves the second wing servo (AILE2).</source>
        <translation>Elevón: cuánto mueve el alerón el segundo servo del ala (AILE2).</translation>
    </message>
    <message>
        <source>Elevon: how much elevator moves the second wing servo (ELEV2).</source>
        <translation>Elevón: cuánto mueve la profundidad el segundo servo del ala (ELEV2).</translation>
    </message>
    <message>
        <source>Elevon: how much elevator moves the first wing servo (ELEV1).</source>
        <translation>Elevón: cuánto mueve la profundidad el primer servo del ala (ELEV1).</translation>
    </message>
    <message>
        <source>Elevon: the second amount on the AILE1 row, for the first wing servo.</source>
        <translation>Elevón: el segundo valor de la fila AILE1, para el primer servo del ala.</translation>
    </message>
    <message>
        <source>Elevon: the second amount on the AILE2 row, for the second wing servo.</source>
        <translation>Elevón: el segundo valor de la fila AILE2, para el segundo servo del ala.</translation>
    </message>
    <message>
        <source>V-tail mix on or off: elevator and rudder both drive the two tail servos.</source>
        <translation>Mezcla de cola en V activada o desactivada: profundidad y dirección mueven ambas los dos servos de la cola.</translation>
    </message>
    <message>
        <source>V-tail: how much elevator moves the first tail servo (ELEV1).</source>
        <translation>Cola en V: cuánto mueve la profundidad el primer servo de la cola (ELEV1).</translation>
    </message>
    <message>
        <source>V-tail: how much elevator moves the second tail servo (ELEV2).</source>
        <translation>Cola en V: cuánto mueve la profundidad el segundo servo de la cola (ELEV2).</translation>
    </message>
    <message>
        <source>V-tail: how much rudder moves the second tail servo (RUDD2).</source>
        <translation>Cola en V: cuánto mueve la dirección el segundo servo de la cola (RUDD2).</translation>
    </message>
    <message>
        <source>V-tail: how much rudder moves the first tail servo (RUDD1).</source>
        <translation>Cola en V: cuánto mueve la dirección el primer servo de la cola (RUDD1).</translation>
    </message>
    <message>
        <source>Dual rate on or off; the same setting as MIX on ADVANCE1.</source>
        <translation>Dual rate activado o desactivado; el mismo ajuste que MIX en ADVANCE1.</translation>
    </message>
    <message>
        <source>Which dual-rate channel RATE and EXP show; the same setting as CH on ADVANCE1.</source>
        <translation>Qué canal de dual rate muestran RATE y EXP; el mismo ajuste que CH en ADVANCE1.</translation>
    </message>
    <message>
        <source>Which switch position (UP or DOWN) RATE and EXP show and edit.</source>
        <translation>Qué posición del interruptor (UP o DOWN) muestran y editan RATE y EXP.</translation>
    </message>
    <message>
        <source>Dual rate of the channel under CH at the switch position under POSI: stick travel in percent of full.</source>
        <translation>Dual rate del canal elegido en CH, en la posición del interruptor elegida en POSI: recorrido del stick en porcentaje del total.</translation>
    </message>
    <message>
        <source>Exponential of the channel under CH at the position under POSI: softens or sharpens the stick around centre.</source>
        <translation>Exponencial del canal elegido en CH, en la posición elegida en POSI: suaviza o hace más sensible el stick en torno al centro.</translation>
    </message>
    <message>
        <source>Exponential of channel %1 with the switch UP: softens or sharpens the stick around centre.</source>
        <translation>Exponencial del canal %1 con el interruptor en UP: suaviza o hace más sensible el stick en torno al centro.</translation>
    </message>
    <message>
        <source>Exponential of channel %1 with the switch DOWN: softens or sharpens the stick around centre.</source>
        <translation>Exponencial del canal %1 con el interruptor en DOWN: suaviza o hace más sensible el stick en torno al centro.</translation>
    </message>
    <message>
        <source>Throttle curve on or off: when on, the seven points shape the throttle&apos;s response to the stick.</source>
        <translation>Curva de gas activada o desactivada: si está activada, los siete puntos definen cómo responde el gas al stick.</translation>
    </message>
    <message>
        <source>Throttle curve point %1 of 7: the throttle output at that stick position, from low stick to high.</source>
        <translation>Punto %1 de 7 de la curva de gas: la salida de gas en esa posición del stick, de stick abajo a stick arriba.</translation>
    </message>
    <message>
        <source>A throttle-curve value the transmitter keeps with the curve; no row of the form shows it.</source>
        <translation>Un valor de la curva de gas que la emisora guarda con la curva; no aparece en ninguna fila del formulario.</translation>
    </message>
    <message>
        <source>Programmable mix %1: INH not in use, OFF set up but switched off, ON mixing.</source>
        <translation>Mezcla programable %1: INH sin uso, OFF configurada pero desactivada, ON mezclando.</translation>
    </message>
    <message>
        <source>Programmable mix %1: the master channel, whose movement is mixed in.</source>
        <translation>Mezcla programable %1: el canal maestro, cuyo movimiento se mezcla.</translation>
    </message>
    <message>
        <source>Programmable mix %1: the slave channel, which follows the master as well as its own control.</source>
        <translation>Mezcla programable %1: el canal esclavo, que sigue al maestro además de a su propio control.</translation>
    </message>
    <message>
        <source>Programmable mix %1: the offset, the master&apos;s position where the mix starts.</source>
        <translation>Mezcla programable %1: el offset, la posición del maestro a partir de la cual empieza la mezcla.</translation>
    </message>
    <message>
        <source>Programmable mix %1: how much the slave moves as the master moves up.</source>
        <translation>Mezcla programable %1: cuánto se mueve el esclavo cuando el maestro se mueve hacia arriba.</translation>
    </message>
    <message>
        <source>Programmable mix %1: how much the slave moves as the master moves down.</source>
        <translation>Mezcla programable %1: cuánto se mueve el esclavo cuando el maestro se mueve hacia abajo.</translation>
    </message>
    <message>
        <source>Transmitter battery alarm: the transmitter warns when its battery falls below this voltage.</source>
        <translation>Alarma de batería de la emisora: la emisora avisa cuando su batería baja de esta tensión.</translation>
    </message>
    <message>
        <source>Receiver battery alarm: warns when the receiver&apos;s battery, reported by telemetry, falls below this.</source>
        <translation>Alarma de batería del receptor: avisa cuando la batería del receptor, según la telemetría, baja de este valor.</translation>
    </message>
    <message>
        <source>External voltage alarm: warns when the voltage the receiver measures (flight pack) falls below this.</source>
        <translation>Alarma de tensión externa: avisa cuando la tensión que mide el receptor (batería de vuelo) baja de este valor.</translation>
    </message>
    <message>
        <source>Signal-strength alarm: warns when the receiver&apos;s signal falls below this level.</source>
        <translation>Alarma de intensidad de señal: avisa cuando la señal del receptor baja de este nivel.</translation>
    </message>
    <message>
        <source>Stick mode 1 to 4: which stick works throttle, elevator, rudder and aileron.</source>
        <translation>Modo de sticks 1 a 4: qué stick controla gas, profundidad, dirección y alerones.</translation>
    </message>
    <message>
        <source>The transmitter&apos;s firmware version, as it reports it; it is not sent back.</source>
        <translation>La versión del firmware que comunica la emisora; no se le vuelve a enviar.</translation>
    </message>
    <message>
        <source>The version of the transmitter&apos;s protocol this program speaks.</source>
        <translation>La versión del protocolo de la emisora que usa este programa.</translation>
    </message>
    <message>
        <source>Stick trim %1 as the transmitter keeps it: the trim buttons move it, 0 is centre.</source>
        <translation>Trim del stick %1 tal como lo guarda la emisora: los botones de trim lo mueven; 0 es el centro.</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>pasos</translation>
    </message>
</context>
<context>
    <name>ModelSheet</name>
    <message>
        <source>Model sheet</source>
        <extracomment>The PDF&apos;s title, as a viewer shows it.</extracomment>
        <translation>Ficha del modelo</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Transmitter version</source>
        <translation>Versión de la emisora</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>desconocida</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n settings differ from the factory values; they are in &lt;b&gt;bold&lt;/b&gt;.</source>
        <extracomment>%1 is how many of the %n settings differ; keep the &lt;b&gt; tags around the word for bold.</extracomment>
        <translation>
            <numerusform>Ajustes que difieren de los valores de fábrica: %1 de %n; aparecen en &lt;b&gt;negrita&lt;/b&gt;.</numerusform>
            <numerusform>Ajustes que difieren de los valores de fábrica: %1 de %n; aparecen en &lt;b&gt;negrita&lt;/b&gt;.</numerusform>
        </translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>De fábrica</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <extracomment>The foot of each printed page: %1 is the page, %2 how many there are.</extracomment>
        <translation>página %1 de %2</translation>
    </message>
</context>
<context>
    <name>MonitorPlot</name>
    <message>
        <source>%1 s</source>
        <extracomment>A mark on the time axis: %1 seconds (0 or less) from the graph&apos;s end.</extracomment>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>MonitorViews</name>
    <message>
        <source>Monitor...</source>
        <translation>Monitor...</translation>
    </message>
    <message>
        <source>Record...</source>
        <translation>Grabar...</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Detener grabación</translation>
    </message>
    <message>
        <source>CSV file (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 holds the file name pattern, which stays as it is.</extracomment>
        <translation>Archivo CSV (%1)</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The title of the file dialog that asks where to record.</extracomment>
        <translation>Grabar</translation>
    </message>
</context>
<context>
    <name>MonitorWindow</name>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Freeze the graph; the frames keep being kept (Space)</source>
        <translation>Congela la gráfica; las tramas se siguen guardando (Espacio)</translation>
    </message>
    <message>
        <source>last %1 s</source>
        <extracomment>The graph&apos;s span, %1 a number of seconds; keep %1 exactly once.</extracomment>
        <translation>últimos %1 s</translation>
    </message>
    <message>
        <source>How many seconds the graph shows</source>
        <translation>Cuántos segundos muestra la gráfica</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment>button</comment>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>button</comment>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Record...</source>
        <comment>button</comment>
        <translation>Grabar...</translation>
    </message>
    <message>
        <source>End the recording</source>
        <translation>Termina la grabación</translation>
    </message>
    <message>
        <source>Record every frame to a CSV file</source>
        <translation>Graba cada trama en un archivo CSV</translation>
    </message>
    <message numerus="yes">
        <source>Recording %1: %2, %n row(s)</source>
        <extracomment>%1 is the file&apos;s name, %2 the time recorded (minutes:seconds), %n the rows taken so far.</extracomment>
        <translation>
            <numerusform>Grabando %1: %2, %n fila</numerusform>
            <numerusform>Grabando %1: %2, %n filas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recorded %n row(s) to %1</source>
        <extracomment>%1 is the file; %n the rows it holds.</extracomment>
        <translation>
            <numerusform>%n fila grabada en %1</numerusform>
            <numerusform>%n filas grabadas en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>The pointer&apos;s time in the Monitor&apos;s read-out: %1 seconds (0 or less) from the graph&apos;s end.</extracomment>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>PendingMarks</name>
    <message>
        <source>On the transmitter: %1</source>
        <extracomment>%1 is the setting&apos;s value as the transmitter holds it.</extracomment>
        <translation>En la emisora: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s)
not on the transmitter</source>
        <extracomment>Beside the tabs, in two short lines.</extracomment>
        <translation>
            <numerusform>%n ajuste
no está en la emisora</numerusform>
            <numerusform>%n ajustes
no están en la emisora</numerusform>
        </translation>
    </message>
    <message>
        <source>Settings on this page are not on the transmitter</source>
        <translation>Hay ajustes de esta página que no están en la emisora</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>Note</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The form holds edits that are neither on the transmitter nor in a file.

%1</source>
        <extracomment>%1 says what the command about to run does to the edits.</extracomment>
        <translation>El formulario tiene cambios que no están ni en la emisora ni en un archivo.

%1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A list of frame letters: %1 is &quot;S&quot; or &quot;S, G&quot;, %2 the last letter (&quot;S, G and H&quot;).</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 is damaged: its %2 frame(s) cannot be read.</source>
        <extracomment>%1 is the file, %2 the letters of its damaged frames (S, G, H, I); the count picks &quot;frame(s)&quot;.</extracomment>
        <translation>
            <numerusform>%1 está dañado: su trama %2 no se puede leer.</numerusform>
            <numerusform>%1 está dañado: sus tramas %2 no se pueden leer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Load the %1 frame(s) and send them to the transmitter? The settings of the damaged frames keep the form&apos;s values.</source>
        <extracomment>%1 is the letters of the frames that can be read.</extracomment>
        <translation>
            <numerusform>¿Cargar la trama %1 y enviarla a la emisora? Los ajustes de las tramas dañadas conservan los valores del formulario.</numerusform>
            <numerusform>¿Cargar las tramas %1 y enviarlas a la emisora? Los ajustes de las tramas dañadas conservan los valores del formulario.</numerusform>
        </translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Reset the transmitter to factory settings? The model on the transmitter will be replaced.</source>
        <translation>¿Restablecer los ajustes de fábrica de la emisora? Se sustituirá el modelo que contiene la emisora.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>The form holds a mix: the last READ was incomplete, so some settings are the transmitter&apos;s and the others are what the form held before.</source>
        <translation>El formulario contiene una combinación: el último READ fue incompleto, así que algunos ajustes son los de la emisora y los demás son los que tenía antes el formulario.</translation>
    </message>
    <message>
        <source>The form holds the program&apos;s start-up values: nothing has been read from the transmitter or loaded from a file yet.</source>
        <translation>El formulario contiene los valores iniciales del programa: aún no se ha leído nada de la emisora ni se ha cargado ningún archivo.</translation>
    </message>
    <message>
        <source>%1

Write them anyway? The whole model on the transmitter will be replaced, trims, mixes and curves included.</source>
        <extracomment>%1 says where the form&apos;s values came from.</extracomment>
        <translation>%1

¿Escribirlos de todos modos? Se sustituirá todo el modelo de la emisora, incluidos trims, mezclas y curvas.</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
</context>
<context>
    <name>ReadAnswer</name>
    <message>
        <source>%1 and %2</source>
        <comment>frame numbers</comment>
        <extracomment>A list of frame numbers: %1 is &quot;4&quot; or &quot;4, 7&quot;, %2 the last number (&quot;4, 7 and 17&quot;).</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message numerus="yes">
        <source>frame(s) %1 did not arrive</source>
        <extracomment>%1 lists the frame numbers (&quot;17 and 18&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>la trama %1 no llegó</numerusform>
            <numerusform>las tramas %1 no llegaron</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>frame(s) %1 came twice with different values</source>
        <extracomment>%1 lists the frame numbers (&quot;5&quot; or &quot;5 and 9&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>la trama %1 llegó dos veces con valores distintos</numerusform>
            <numerusform>las tramas %1 llegaron dos veces con valores distintos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two gaps of an answer</comment>
        <extracomment>Both things a read&apos;s answer lacks: %1 the frames that did not arrive, %2 those that came twice.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message numerus="yes">
        <source>The transmitter did not answer the read request (asked %n times). The form still holds the values it had; WRITE will ask before sending them.</source>
        <extracomment>%n is how many times the read request went out. WRITE is the button&apos;s name and stays as it is.</extracomment>
        <translation>
            <numerusform>La emisora no respondió a la petición de lectura (enviada %n vez). El formulario conserva los valores que tenía; WRITE pedirá confirmación antes de enviarlos.</numerusform>
            <numerusform>La emisora no respondió a la petición de lectura (enviada %n veces). El formulario conserva los valores que tenía; WRITE pedirá confirmación antes de enviarlos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transmitter&apos;s answer was incomplete: %1 (asked %n times).

The form now holds a mix: the settings of the frames that came are the transmitter&apos;s, the others are what the form held before. WRITE will ask before sending them.</source>
        <extracomment>%1 says what is missing (&quot;frames 17 and 18 did not arrive&quot;), %n how many times the read request went out. WRITE is the button&apos;s name and stays as it is.</extracomment>
        <translation>
            <numerusform>La respuesta de la emisora fue incompleta: %1 (petición enviada %n vez).

El formulario contiene ahora una combinación: los ajustes de las tramas que llegaron son los de la emisora; los demás son los que tenía antes el formulario. WRITE pedirá confirmación antes de enviarlos.</numerusform>
            <numerusform>La respuesta de la emisora fue incompleta: %1 (petición enviada %n veces).

El formulario contiene ahora una combinación: los ajustes de las tramas que llegaron son los de la emisora; los demás son los que tenía antes el formulario. WRITE pedirá confirmación antes de enviarlos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReadBack</name>
    <message>
        <source>%1: form %2, transmitter %3</source>
        <extracomment>%1 is the setting as the form labels it, %2 the form&apos;s value, %3 the transmitter&apos;s.</extracomment>
        <translation>%1: formulario %2, emisora %3</translation>
    </message>
    <message>
        <source>The settings were sent, but the transmitter did not answer the read-back, so they could not be checked.</source>
        <translation>Los ajustes se enviaron, pero la emisora no respondió a la lectura de comprobación, así que no se han podido comprobar.</translation>
    </message>
    <message numerus="yes">
        <source>The transmitter does not hold what was sent. %n setting(s) differ(s):</source>
        <extracomment>Followed by one line per setting that differs.</extracomment>
        <translation>
            <numerusform>La emisora no contiene lo que se envió. %n ajuste difiere:</numerusform>
            <numerusform>La emisora no contiene lo que se envió. %n ajustes difieren:</numerusform>
        </translation>
    </message>
    <message>
        <source>The read-back was incomplete (%1), so the settings of those frames could not be checked.</source>
        <extracomment>%1 says what the read-back lacks (&quot;frame 5 did not arrive&quot;).</extracomment>
        <translation>La lectura de comprobación fue incompleta (%1), así que no se han podido comprobar los ajustes de esas tramas.</translation>
    </message>
    <message>
        <source>The form keeps your values; WRITE sends them again.</source>
        <extracomment>WRITE is the button&apos;s name and stays as it is.</extracomment>
        <translation>El formulario conserva sus valores; WRITE los vuelve a enviar.</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Restore draft</source>
        <translation>Restaurar borrador</translation>
    </message>
    <message>
        <source>Edits not kept as a draft in %1</source>
        <translation>Cambios no guardados como borrador en %1</translation>
    </message>
    <message>
        <source>A draft of earlier edits is damaged (%1): %2. It was left in place.</source>
        <translation>Un borrador de cambios anteriores está dañado (%1): %2. Se ha dejado donde estaba.</translation>
    </message>
    <message>
        <source>The last %1 did not finish; open the port to check the transmitter.</source>
        <extracomment>%1 is the command&apos;s name as on its button (WRITE, LOAD...).</extracomment>
        <translation>El último %1 no terminó; abra el puerto para comprobar la emisora.</translation>
    </message>
    <message>
        <source>The journal of an earlier command is damaged (%1): %2. It was left in place.</source>
        <extracomment>%1 says what is wrong with the file, %2 is its path.</extracomment>
        <translation>El registro de operaciones de un comando anterior está dañado (%1): %2. Se ha dejado donde estaba.</translation>
    </message>
    <message>
        <source>%1 The transmitter may now hold part of it and part of the model it replaced.</source>
        <extracomment>%1 says which command was cut off, when and on which port.</extracomment>
        <translation>%1 Puede que la emisora contenga ahora parte de él y parte del modelo al que sustituía.</translation>
    </message>
    <message>
        <source>Restore the earlier model</source>
        <translation>Restaurar el modelo anterior</translation>
    </message>
    <message>
        <source>Send it again</source>
        <translation>Volver a enviarlo</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Ahora no</translation>
    </message>
    <message>
        <source>Edits made at %1 were neither sent nor saved when the program ended.</source>
        <extracomment>%1 is the time of day of the last edit.</extracomment>
        <translation>Los cambios hechos a las %1 no se enviaron ni se guardaron al cerrarse el programa.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>No copy of the earlier model was kept (&quot;Send anyway&quot; was chosen), so it cannot be restored.</source>
        <translation>No se guardó ninguna copia del modelo anterior (se eligió «Enviar de todos modos»), así que no se puede restaurar.</translation>
    </message>
    <message>
        <source>The copy of the earlier model cannot be read (%1: %2).</source>
        <extracomment>%1 is the copy&apos;s file name, %2 why it cannot be read.</extracomment>
        <translation>No se puede leer la copia del modelo anterior (%1: %2).</translation>
    </message>
    <message>
        <source>Checked: the transmitter holds the model sent; the interrupted %1 is mended.</source>
        <extracomment>%1 is the command&apos;s name as on its button (WRITE, LOAD, RESET...).</extracomment>
        <translation>Comprobado: la emisora contiene el modelo enviado; el %1 interrumpido queda subsanado.</translation>
    </message>
    <message>
        <source>no copy was kept</source>
        <translation>no se guardó ninguna copia</translation>
    </message>
    <message>
        <source>The model the %1 was sending cannot be read (%2: %3). Nothing was sent.</source>
        <extracomment>%1 is the command (WRITE, LOAD...), %2 the copy&apos;s path, %3 why it cannot be read.</extracomment>
        <translation>No se puede leer el modelo que enviaba el %1 (%2: %3). No se ha enviado nada.</translation>
    </message>
    <message numerus="yes">
        <source>The last %1 (started %2 on %3, %4 of %n frames sent) did not finish.</source>
        <extracomment>%1 is the command&apos;s name as on its button (WRITE, LOAD...), %2 the time it started, %3 the port, %4 how many of its %n frames had gone out.</extracomment>
        <translation>
            <numerusform>El último %1 (iniciado a las %2 en %3; tramas enviadas: %4 de %n) no terminó.</numerusform>
            <numerusform>El último %1 (iniciado a las %2 en %3; tramas enviadas: %4 de %n) no terminó.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingFinder</name>
    <message>
        <source>Find a setting: label, meaning or name</source>
        <translation>Buscar un ajuste: etiqueta, significado o nombre</translation>
    </message>
    <message>
        <source>Find a setting</source>
        <translation>Buscar un ajuste</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is what the setting does, %2 its name in the parameter files.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ViewsCorner</name>
    <message>
        <source>Show the settings the transmitter does not hold (Ctrl+D)</source>
        <translation>Muestra los ajustes que no están en la emisora (Ctrl+D)</translation>
    </message>
    <message>
        <source>Views</source>
        <extracomment>A button over a menu of windows (History, Changes, Monitor...).</extracomment>
        <translation>Vistas</translation>
    </message>
    <message>
        <source>Windows beside the form</source>
        <translation>Ventanas junto al formulario</translation>
    </message>
</context>
<context>
    <name>txconfig</name>
    <message>
        <source>Reads, edits, saves and writes the settings of an eight-channel radio-control transmitter over a serial port.
Qt&apos;s own options, such as -platform and -style, are accepted too (--help-all lists them).</source>
        <translation>Lee, edita, guarda y escribe los ajustes de una emisora de radiocontrol de ocho canales a través de un puerto serie.
También se aceptan las opciones propias de Qt, como -platform y -style (--help-all las muestra).</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de comandos.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, incluidas las opciones específicas de Qt.</translation>
    </message>
    <message>
        <source>%1: ignoring &apos;%2&apos;: no files are opened from the command line.
</source>
        <translation>%1: se ignora &apos;%2&apos;: no se abren archivos desde la línea de comandos.
</translation>
    </message>
    <message>
        <source>Speaks the language CODE (de, es, fr, ru, zh_CN or en) instead of the one chosen under Views or the system&apos;s.</source>
        <translation>Usa el idioma CODE (de, es, fr, ru, zh_CN o en) en lugar del elegido en Vistas o del idioma del sistema.</translation>
    </message>
</context>
</TS>
