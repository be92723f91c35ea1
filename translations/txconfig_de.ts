<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Changes</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Changes...</source>
        <translation>Änderungen...</translation>
    </message>
    <message numerus="yes">
        <source>Revert %n setting(s)</source>
        <extracomment>An undo step.</extracomment>
        <translation>
            <numerusform>%n Einstellung zurücknehmen</numerusform>
            <numerusform>%n Einstellungen zurücknehmen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChangesWindow</name>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Revert</source>
        <comment>button</comment>
        <translation>Zurücknehmen</translation>
    </message>
    <message>
        <source>Put the transmitter&apos;s values of the ticked settings back into the form</source>
        <translation>Die Werte des Senders für die markierten Einstellungen wieder ins Formular übernehmen</translation>
    </message>
    <message>
        <source>What the transmitter holds is not known yet: READ it, or send the form to it.</source>
        <extracomment>READ is the name of the form&apos;s button and stays as it is.</extracomment>
        <translation>Noch ist nicht bekannt, was der Sender enthält: Lesen Sie ihn mit READ aus oder senden Sie ihm das Formular.</translation>
    </message>
    <message>
        <source>Form</source>
        <extracomment>Column header over the form&apos;s values.</extracomment>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <extracomment>Column header over the values the transmitter holds.</extracomment>
        <translation>Sender</translation>
    </message>
</context>
<context>
    <name>CommandKeys</name>
    <message>
        <source>Open or close the port chosen beside it</source>
        <translation>Den daneben gewählten Port öffnen oder schließen</translation>
    </message>
    <message>
        <source>Read the transmitter&apos;s settings</source>
        <translation>Die Einstellungen aus dem Sender lesen</translation>
    </message>
    <message>
        <source>Load a parameter file and send it to the transmitter</source>
        <translation>Eine Parameterdatei laden und an den Sender senden</translation>
    </message>
    <message>
        <source>Write the form&apos;s settings to the transmitter</source>
        <translation>Die Einstellungen des Formulars in den Sender schreiben</translation>
    </message>
    <message>
        <source>Save the form&apos;s settings to a file and send them</source>
        <translation>Die Einstellungen des Formulars in einer Datei speichern und senden</translation>
    </message>
    <message>
        <source>Reset the transmitter to factory settings</source>
        <translation>Den Sender auf Werkseinstellungen zurücksetzen</translation>
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
        <translation>Die angegebene Datei kann nicht gelesen werden!</translation>
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
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Saved to %1; the transmitter holds every setting sent.</source>
        <translation>Gespeichert unter %1; der Sender hat alle gesendeten Einstellungen übernommen.</translation>
    </message>
    <message>
        <source>LOAD replaces them with the settings of a file.</source>
        <translation>LOAD ersetzt sie durch die Einstellungen einer Datei.</translation>
    </message>
    <message>
        <source>not a parameter file, none of its S, G, H and I frames is in place. Nothing was loaded or sent.</source>
        <translation>keine Parameterdatei, keiner ihrer Frames S, G, H und I ist intakt. Es wurde nichts geladen oder gesendet.</translation>
    </message>
    <message>
        <source>LOAD %1</source>
        <extracomment>An undo step: LOAD stays as on its button, %1 is the file&apos;s name.</extracomment>
        <translation>LOAD %1</translation>
    </message>
    <message>
        <source>Loaded %1; the transmitter holds every setting sent.</source>
        <translation>%1 geladen; der Sender hat alle gesendeten Einstellungen übernommen.</translation>
    </message>
    <message>
        <source>Please open the serial port!</source>
        <translation>Bitte öffnen Sie den seriellen Port!</translation>
    </message>
    <message>
        <source>READ replaces them with the transmitter&apos;s settings.</source>
        <translation>READ ersetzt sie durch die Einstellungen des Senders.</translation>
    </message>
    <message>
        <source>History not kept</source>
        <translation>Verlauf nicht gesichert</translation>
    </message>
    <message>
        <source>WRITE checked: the transmitter holds every setting sent.</source>
        <translation>WRITE geprüft: Der Sender hat alle gesendeten Einstellungen übernommen.</translation>
    </message>
    <message>
        <source>%1 checked: the transmitter holds the factory settings.</source>
        <extracomment>%1 is RESET or DATA RESET, as on the buttons.</extracomment>
        <translation>%1 geprüft: Der Sender enthält die Werkseinstellungen.</translation>
    </message>
    <message>
        <source>The transmitter&apos;s current settings could not be read, so no copy of them can be kept before they are replaced.</source>
        <translation>Die aktuellen Einstellungen des Senders konnten nicht gelesen werden, daher kann vor dem Ersetzen keine Kopie davon gesichert werden.</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Trotzdem senden</translation>
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
        <translation>Sichert, prüft und vergleicht Modelle eines Senders und stellt sie wieder her.</translation>
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
        <translation>Befehle:
  dump FILE [--json]          alle Parameter einer Parameterdatei, als NAME WERT
  diff A B [--json]           die Parameter mit unterschiedlichen Werten, als NAME A-WERT B-WERT
  read --port PORT -o FILE    das Modell des Senders in eine Parameterdatei lesen
  write --port PORT FILE      eine Parameterdatei an den Sender senden, dann zurücklesen und
                              vergleichen (--no-verify überspringt die Prüfung); das Modell, das
                              sie ersetzt, wird vorher gelesen und im Verlauf gesichert
                              (--no-backup überspringt das)
  history [--json]            die im Verlauf gesicherten Modelle, das neueste zuerst, nummeriert
  record --port PORT -o FILE.csv [--seconds N]
                              die Kanalausgänge, Spannungen und das Signal live in eine CSV-Datei,
                              eine Zeile pro Frame, für N Sekunden oder bis zum Abbruch (Strg+C)
  sheet FILE -o OUT           ein druckbares Datenblatt des Modells: jede Einstellung mit Wert und
                              Werkswert, als OUT.pdf oder, je nach Endung, als OUT.html
  recover                     einen mittendrin abgebrochenen WRITE (oder LOAD, SAVE, RESET des
                              Fensters) beschreiben, falls es einen gibt
  recover --port PORT --restore | --resend
                              das davor gesicherte Modell senden oder das, das gerade gesendet
                              wurde, dann zurücklesen und vergleichen</translation>
    </message>
    <message>
        <source>FILE may be @N, the N-th newest entry of the history (@1 the newest).</source>
        <extracomment>FILE, @N and @1 are typed so and stay as they are.</extracomment>
        <translation>FILE kann auch @N sein: der N-te Eintrag des Verlaufs, vom neuesten an gezählt (@1 ist der neueste).</translation>
    </message>
    <message>
        <source>Exit codes: 0 success (diff: the files are equal); 1 diff: they differ, read: blocks missing
(no file written), write, recover: the transmitter does not hold what was sent; 2 an error (a message on
stderr names the file or port and why; a recording keeps the rows written until then).</source>
        <extracomment>The exit codes 0, 1 and 2 and the command names diff, read, write, recover stay as they are.</extracomment>
        <translation>Exit-Codes: 0 Erfolg (diff: die Dateien sind gleich); 1 diff: sie unterscheiden sich, read: Blöcke fehlen
(keine Datei geschrieben), write, recover: der Sender enthält nicht, was gesendet wurde; 2 ein Fehler (eine
Meldung auf stderr nennt Datei oder Port und den Grund; eine Aufzeichnung behält die bis dahin geschriebenen Zeilen).</translation>
    </message>
    <message>
        <source>The transmitter&apos;s serial port (read, write, record, recover).</source>
        <translation>Der serielle Port des Senders (read, write, record, recover).</translation>
    </message>
    <message>
        <source>port</source>
        <comment>value of an option</comment>
        <extracomment>The value --port takes, as --help shows it.</extracomment>
        <translation>Port</translation>
    </message>
    <message>
        <source>The parameter file (read), CSV file (record) or sheet (sheet) to write.</source>
        <translation>Die zu schreibende Parameterdatei (read), CSV-Datei (record) oder das Datenblatt (sheet).</translation>
    </message>
    <message>
        <source>file</source>
        <comment>value of an option</comment>
        <extracomment>The value -o takes, as --help shows it.</extracomment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>How many seconds to record (record).</source>
        <translation>Wie viele Sekunden aufgezeichnet werden (record).</translation>
    </message>
    <message>
        <source>N</source>
        <comment>value of an option</comment>
        <extracomment>The value --seconds takes, as --help shows it.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>One JSON object instead of lines (dump, diff).</source>
        <translation>Ein JSON-Objekt statt Zeilen (dump, diff).</translation>
    </message>
    <message>
        <source>Send the frames that are in place even if others are not (write).</source>
        <translation>Die intakten Frames senden, auch wenn andere es nicht sind (write).</translation>
    </message>
    <message>
        <source>Do not read the model back after sending it (write).</source>
        <translation>Das Modell nach dem Senden nicht zurücklesen (write).</translation>
    </message>
    <message>
        <source>Do not read and keep the transmitter&apos;s model before sending (write).</source>
        <translation>Das Modell des Senders vor dem Senden nicht lesen und sichern (write).</translation>
    </message>
    <message>
        <source>Send the model kept before the command cut off (recover).</source>
        <translation>Das Modell senden, das vor dem abgebrochenen Befehl gesichert wurde (recover).</translation>
    </message>
    <message>
        <source>Send the model the command cut off was sending (recover).</source>
        <translation>Das Modell senden, das der abgebrochene Befehl gerade sendete (recover).</translation>
    </message>
    <message>
        <source>Speak the language CODE (de, es, fr, ru, zh_CN or en) instead of the system&apos;s; what scripts read stays English.</source>
        <translation>Ausgaben in der Sprache CODE (de, es, fr, ru, zh_CN oder en) statt in der Systemsprache; was Skripte lesen, bleibt Englisch.</translation>
    </message>
    <message>
        <source>CODE</source>
        <comment>value of an option</comment>
        <extracomment>The value --lang takes, as --help shows it.</extracomment>
        <translation>CODE</translation>
    </message>
    <message>
        <source>command</source>
        <comment>argument&apos;s name</comment>
        <extracomment>The name --help shows for the first word after the program&apos;s name.</extracomment>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>dump, diff, read, write, history, record, sheet or recover.</source>
        <extracomment>The commands&apos; names are typed so and stay as they are.</extracomment>
        <translation>dump, diff, read, write, history, record, sheet oder recover.</translation>
    </message>
    <message>
        <source>files</source>
        <comment>argument&apos;s name</comment>
        <extracomment>The name --help shows for the words after the command.</extracomment>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>The parameter files the command works on.</source>
        <translation>Die Parameterdateien, mit denen der Befehl arbeitet.</translation>
    </message>
    <message>
        <source>[files...]</source>
        <comment>usage line</comment>
        <extracomment>How --help&apos;s usage line shows the words after the command.</extracomment>
        <translation>[Dateien...]</translation>
    </message>
</context>
<context>
    <name>CompanionMessages</name>
    <message>
        <source>%1 (see --help)</source>
        <extracomment>After a mistake on the command line: %1 says what is wrong.</extracomment>
        <translation>%1 (siehe --help)</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <extracomment>%1 is the word typed where a command was expected.</extracomment>
        <translation>unbekannter Befehl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 takes no file</source>
        <extracomment>%1 is the command&apos;s name.</extracomment>
        <translation>%1 erwartet keine Datei</translation>
    </message>
    <message>
        <source>%1 takes one file</source>
        <extracomment>%1 is the command&apos;s name.</extracomment>
        <translation>%1 erwartet eine Datei</translation>
    </message>
    <message>
        <source>%1 takes two files</source>
        <extracomment>%1 is the command&apos;s name.</extracomment>
        <translation>%1 erwartet zwei Dateien</translation>
    </message>
    <message>
        <source>%1 takes no file (%1 writes -o FILE)</source>
        <extracomment>%1 is the command&apos;s name (read, record); -o FILE is typed so.</extracomment>
        <translation>%1 erwartet keine Datei (%1 schreibt -o FILE)</translation>
    </message>
    <message>
        <source>%1 has no option --%2</source>
        <extracomment>%1 is the command&apos;s name, %2 the option&apos;s.</extracomment>
        <translation>%1 hat keine Option --%2</translation>
    </message>
    <message>
        <source>%1 needs --port PORT</source>
        <extracomment>%1 is the command&apos;s name; --port PORT is typed so.</extracomment>
        <translation>%1 braucht --port PORT</translation>
    </message>
    <message>
        <source>recover takes --restore or --resend, not both</source>
        <translation>recover nimmt --restore oder --resend, nicht beides</translation>
    </message>
    <message>
        <source>recover --port needs --restore or --resend</source>
        <translation>recover --port braucht --restore oder --resend</translation>
    </message>
    <message>
        <source>recover --%1 needs --port PORT</source>
        <extracomment>%1 is the option given, restore or resend; --port PORT is typed so.</extracomment>
        <translation>recover --%1 braucht --port PORT</translation>
    </message>
    <message>
        <source>%1 needs -o FILE</source>
        <extracomment>%1 is the command&apos;s name; -o FILE is typed so.</extracomment>
        <translation>%1 braucht -o FILE</translation>
    </message>
    <message>
        <source>--seconds takes a whole number above 0, not &apos;%1&apos;</source>
        <extracomment>%1 is what was typed after --seconds.</extracomment>
        <translation>--seconds erwartet eine ganze Zahl größer als 0, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <extracomment>%1 says why the file could not be written.</extracomment>
        <translation>Schreiben nicht möglich: %1</translation>
    </message>
    <message numerus="yes">
        <source>no such history entry (%n kept in %1)</source>
        <extracomment>%n is how many entries the history keeps, %1 its folder.</extracomment>
        <translation>
            <numerusform>kein solcher Eintrag im Verlauf (%n Eintrag in %1)</numerusform>
            <numerusform>kein solcher Eintrag im Verlauf (%n Einträge in %1)</numerusform>
        </translation>
    </message>
    <message>
        <source>not kept: %1</source>
        <extracomment>%1 says why the model could not be kept in the history.</extracomment>
        <translation>nicht gesichert: %1</translation>
    </message>
    <message>
        <source>%1 The transmitter may hold part of two models; see txconfig-cli recover</source>
        <extracomment>%1 says which command was cut off, when and on which port; txconfig-cli recover is typed so.</extracomment>
        <translation>%1 Der Sender enthält möglicherweise Teile zweier Modelle; siehe txconfig-cli recover</translation>
    </message>
    <message>
        <source>the journal %1 is damaged (%2)</source>
        <extracomment>%1 is the journal&apos;s path, %2 what is wrong with it.</extracomment>
        <translation>das Journal %1 ist beschädigt (%2)</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message numerus="yes">
        <source>frame(s) %1 missing</source>
        <extracomment>%1 lists the frame numbers (&quot;5, 12&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>Frame %1 fehlt</numerusform>
            <numerusform>Frames %1 fehlen</numerusform>
        </translation>
    </message>
    <message>
        <source>writing %1: opening</source>
        <extracomment>A line of progress on a terminal; %1 is the port.</extracomment>
        <translation>Schreiben auf %1: Öffnen</translation>
    </message>
    <message>
        <source>writing %1: %2 frame (%3 of %4)</source>
        <extracomment>A line of progress on a terminal: %1 is the port, %2 the frame&apos;s letter (S, G, H or I), %3 and %4 count the frames.</extracomment>
        <translation>Schreiben auf %1: Frame %2 (%3 von %4)</translation>
    </message>
    <message>
        <source>nothing sent: the model on the transmitter could not be read to keep a copy (%1) (--no-backup sends without one)</source>
        <extracomment>%1 says what the read lacked (&quot;no answer&quot;, &quot;frames 5, 12 missing&quot;); --no-backup is typed so.</extracomment>
        <translation>nichts gesendet: Das Modell im Sender konnte nicht gelesen werden, um eine Kopie zu sichern (%1) (--no-backup sendet ohne Kopie)</translation>
    </message>
    <message numerus="yes">
        <source>%1; %2 of %n frames had gone out, write the file again</source>
        <extracomment>%1 says why the link failed, %2 how many of the %n frames had gone out.</extracomment>
        <translation>
            <numerusform>%1; %2 von %n Frame war gesendet, Datei erneut schreiben</numerusform>
            <numerusform>%1; %2 von %n Frames waren gesendet, Datei erneut schreiben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the transmitter does not hold what was sent: %n setting(s) differ(s) (listed above)</source>
        <translation>
            <numerusform>der Sender enthält nicht, was gesendet wurde: %n Einstellung weicht ab (oben aufgeführt)</numerusform>
            <numerusform>der Sender enthält nicht, was gesendet wurde: %n Einstellungen weichen ab (oben aufgeführt)</numerusform>
        </translation>
    </message>
    <message>
        <source>sent, but the transmitter did not answer the read-back: nothing was checked</source>
        <translation>gesendet, aber der Sender hat beim Zurücklesen nicht geantwortet: nichts wurde geprüft</translation>
    </message>
    <message numerus="yes">
        <source>sent, but the read-back lacked frame(s) %1: their settings are unchecked</source>
        <extracomment>%1 lists the frame numbers (&quot;5, 12&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>gesendet, aber beim Zurücklesen fehlte Frame %1: seine Einstellungen sind ungeprüft</numerusform>
            <numerusform>gesendet, aber beim Zurücklesen fehlten Frames %1: ihre Einstellungen sind ungeprüft</numerusform>
        </translation>
    </message>
    <message>
        <source>reading %1: opening</source>
        <extracomment>A line of progress on a terminal; %1 is the port.</extracomment>
        <translation>Lesen von %1: Öffnen</translation>
    </message>
    <message numerus="yes">
        <source>reading %1: %2 of %n blocks</source>
        <extracomment>A line of progress on a terminal: %1 is the port, %2 how many of the %n blocks have come.</extracomment>
        <translation>
            <numerusform>Lesen von %1: %2 von %n Block</numerusform>
            <numerusform>Lesen von %1: %2 von %n Blöcken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>incomplete read, frame(s) %1 missing; no file written</source>
        <extracomment>%1 lists the frame numbers (&quot;5, 12&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>Lesen unvollständig, Frame %1 fehlt; keine Datei geschrieben</numerusform>
            <numerusform>Lesen unvollständig, Frames %1 fehlen; keine Datei geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>no telemetry frame arrived; the stick trims are saved centred</source>
        <translation>kein Telemetrie-Frame empfangen; die Knüppeltrimmungen werden auf Mitte gespeichert</translation>
    </message>
    <message>
        <source>%1 %2 does not fit the file, saved as %3</source>
        <extracomment>%1 is the parameter&apos;s name as the file has it, %2 its value, %3 the value saved.</extracomment>
        <translation>%1 %2 passt nicht in die Datei, gespeichert als %3</translation>
    </message>
    <message>
        <source>nothing sent: not every frame is in place (--partial sends the others)</source>
        <extracomment>--partial is typed so.</extracomment>
        <translation>nichts gesendet: nicht alle Frames sind intakt (--partial sendet die übrigen)</translation>
    </message>
    <message>
        <source>%1 %2 out of range, sent as %3</source>
        <extracomment>%1 is the parameter&apos;s name as the file has it, %2 its value, %3 the value sent.</extracomment>
        <translation>%1 %2 außerhalb des Bereichs, gesendet als %3</translation>
    </message>
    <message>
        <source>damaged (%1); left in place</source>
        <extracomment>%1 says what is wrong with the journal.</extracomment>
        <translation>beschädigt (%1); unverändert belassen</translation>
    </message>
    <message>
        <source>No command was cut off: the journal is empty.</source>
        <translation>Kein Befehl wurde abgebrochen: Das Journal ist leer.</translation>
    </message>
    <message>
        <source>nothing sent: no command was cut off</source>
        <translation>nichts gesendet: kein Befehl wurde abgebrochen</translation>
    </message>
    <message>
        <source>none kept</source>
        <translation>keines gesichert</translation>
    </message>
    <message>
        <source>earlier model: %1</source>
        <extracomment>%1 is the history entry of the model the command replaced. The two lines&apos; values line up.</extracomment>
        <translation>früheres Modell: %1</translation>
    </message>
    <message>
        <source>being sent:    %1</source>
        <extracomment>%1 is the history entry of the model the command was sending. The two lines&apos; values line up.</extracomment>
        <translation>gerade gesendet: %1</translation>
    </message>
    <message>
        <source>no copy of the earlier model was kept; --resend sends the one that was being sent</source>
        <extracomment>--resend is typed so.</extracomment>
        <translation>vom früheren Modell wurde keine Kopie gesichert; --resend sendet das, das gerade gesendet wurde</translation>
    </message>
    <message>
        <source>recording %1: opening</source>
        <extracomment>A line of progress on a terminal; %1 is the port.</extracomment>
        <translation>Aufzeichnen von %1: Öffnen</translation>
    </message>
    <message>
        <source>recording %1: %2 s, %3</source>
        <extracomment>A line of progress on a terminal: %1 is the port, %2 the seconds recorded, %3 how many rows.</extracomment>
        <translation>Aufzeichnen von %1: %2 s, %3</translation>
    </message>
    <message>
        <source>%1; %2 kept in %3</source>
        <extracomment>%1 says why the link failed, %2 how many rows were kept, %3 the file.</extracomment>
        <translation>%1; %2 in %3 gesichert</translation>
    </message>
    <message>
        <source>cannot write: %1; %2 kept</source>
        <extracomment>%1 says why the file could not be written, %2 how many rows it kept.</extracomment>
        <translation>Schreiben nicht möglich: %1; %2 gesichert</translation>
    </message>
    <message numerus="yes">
        <source>%1 frame left out: the file ends after %n characters</source>
        <extracomment>%1 is the frame&apos;s letter (S, G, H or I), %n how many characters the file has.</extracomment>
        <translation>
            <numerusform>Frame %1 ausgelassen: Die Datei endet nach %n Zeichen</numerusform>
            <numerusform>Frame %1 ausgelassen: Die Datei endet nach %n Zeichen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 frame left out: its markers are not in place (&apos;%1&apos; at character %2, &apos;%3&apos; at %4)</source>
        <extracomment>%1 is the frame&apos;s letter (S, G, H or I), which is also its first marker and belongs at character %2; %3 is its last marker, which belongs at character %4.</extracomment>
        <translation>Frame %1 ausgelassen: Seine Markierungen stehen nicht an ihrer Stelle (&apos;%1&apos; bei Zeichen %2, &apos;%3&apos; bei %4)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>not a parameter file (it is a folder)</source>
        <translation>keine Parameterdatei (es ist ein Ordner)</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>not a parameter file (no S, G, H or I frame in place)</source>
        <extracomment>S, G, H and I are the frames&apos; letters.</extracomment>
        <translation>keine Parameterdatei (kein Frame S, G, H oder I intakt)</translation>
    </message>
    <message>
        <source>the port went away (cable pulled?): %1</source>
        <extracomment>%1 says what the system reported.</extracomment>
        <translation>der Port ist verschwunden (Kabel abgezogen?): %1</translation>
    </message>
</context>
<context>
    <name>CompareTable</name>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>All</source>
        <comment>tick every row</comment>
        <translation>Alle</translation>
    </message>
    <message numerus="yes">
        <source>No settings differ (%n are equal).</source>
        <extracomment>%n is the number of settings that are the same on both sides.</extracomment>
        <translation>
            <numerusform>Keine Einstellung weicht ab (%n ist gleich).</numerusform>
            <numerusform>Keine Einstellung weicht ab (%n sind gleich).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s) differ(s), %1 are equal.</source>
        <extracomment>%n is the number of rows below, %1 the number of settings that are the same on both sides.</extracomment>
        <translation>
            <numerusform>%n Einstellung weicht ab, %1 sind gleich.</numerusform>
            <numerusform>%n Einstellungen weichen ab, %1 sind gleich.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EditorMenus</name>
    <message>
        <source>Revert to the transmitter&apos;s value (%1)</source>
        <extracomment>%1 is the setting&apos;s value as the transmitter holds it.</extracomment>
        <translation>Zurück zum Wert im Sender (%1)</translation>
    </message>
    <message>
        <source>Revert %1</source>
        <extracomment>An undo step; %1 is the setting&apos;s label as the form shows it.</extracomment>
        <translation>%1 zurücknehmen</translation>
    </message>
    <message>
        <source>Reset to the factory value (%1)</source>
        <extracomment>%1 is the setting&apos;s factory value.</extracomment>
        <translation>Auf Werkswert zurücksetzen (%1)</translation>
    </message>
    <message>
        <source>Reset %1</source>
        <extracomment>An undo step; %1 is the setting&apos;s label as the form shows it.</extracomment>
        <translation>%1 zurücksetzen</translation>
    </message>
</context>
<context>
    <name>EditorTips</name>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of values, lowest to highest.</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>none, the transmitter reports it</source>
        <extracomment>The factory value of a read-only field such as the transmitter&apos;s version.</extracomment>
        <translation>keiner, der Sender meldet ihn</translation>
    </message>
    <message>
        <source>On the transmitter: %1</source>
        <extracomment>%1 is the setting&apos;s value as the transmitter holds it.</extracomment>
        <translation>Im Sender: %1</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <extracomment>%1 is what the editor accepts, e.g. &quot;-100 to 100 %&quot; or a list of its choices.</extracomment>
        <translation>Bereich: %1</translation>
    </message>
    <message>
        <source>Factory: %1</source>
        <extracomment>%1 is the value the setting takes at a factory reset.</extracomment>
        <translation>Werkswert: %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>file</source>
        <comment>view of parameter files</comment>
        <extracomment>The file dialogs&apos; view of parameter files; the patterns after it stay as they are.</extracomment>
        <translation>Parameterdateien</translation>
    </message>
    <message>
        <source>allfile</source>
        <comment>view of every file</comment>
        <extracomment>SAVE&apos;s file-dialog view of every file; the pattern after it stays as it is.</extracomment>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>All file</source>
        <comment>view of every file</comment>
        <extracomment>LOAD&apos;s file-dialog view of every file; the patterns after it stay as they are.</extracomment>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Datei öffnen</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>cut short or not a txconfig draft</source>
        <translation>unvollständig oder kein txconfig-Entwurf</translation>
    </message>
    <message>
        <source>cannot lock %1</source>
        <extracomment>%1 is the lock file&apos;s path.</extracomment>
        <translation>%1 kann nicht gesperrt werden</translation>
    </message>
    <message>
        <source>its settings are cut short</source>
        <translation>die Einstellungen darin sind unvollständig</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <extracomment>%1 is a path.</extracomment>
        <translation>%1 ist eine Datei, kein Ordner</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <extracomment>%1 is a path.</extracomment>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>not a parameter file</source>
        <translation>keine Parameterdatei</translation>
    </message>
    <message>
        <source>cut short (%1 of 324 bytes)</source>
        <extracomment>Why a history entry cannot be read: %1 is how many bytes it has.</extracomment>
        <translation>unvollständig (%1 von 324 Bytes)</translation>
    </message>
    <message>
        <source>damaged: not every frame is in place</source>
        <translation>beschädigt: nicht alle Frames sind intakt</translation>
    </message>
    <message>
        <source>not a txconfig journal</source>
        <translation>kein txconfig-Journal</translation>
    </message>
    <message>
        <source>cut short or damaged</source>
        <translation>unvollständig oder beschädigt</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>das PDF konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>History not kept</source>
        <extracomment>A notice&apos;s start; &quot;: &quot; and the reason follow.</extracomment>
        <translation>Verlauf nicht gesichert</translation>
    </message>
    <message>
        <source>Journal not written</source>
        <extracomment>A notice&apos;s start; &quot;: &quot; and the reason follow.</extracomment>
        <translation>Journal nicht geschrieben</translation>
    </message>
    <message>
        <source>Journal not closed</source>
        <extracomment>A notice&apos;s start; &quot;: &quot; and the reason follow.</extracomment>
        <translation>Journal nicht geschlossen</translation>
    </message>
</context>
<context>
    <name>HistoryEvents</name>
    <message>
        <source>Read</source>
        <translation>Gelesen</translation>
    </message>
    <message>
        <source>Before WRITE</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Vor WRITE</translation>
    </message>
    <message>
        <source>After WRITE</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Nach WRITE</translation>
    </message>
    <message>
        <source>Before LOAD</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Vor LOAD</translation>
    </message>
    <message>
        <source>After LOAD</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Nach LOAD</translation>
    </message>
    <message>
        <source>Before SAVE</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Vor SAVE</translation>
    </message>
    <message>
        <source>After SAVE</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Nach SAVE</translation>
    </message>
    <message>
        <source>Before RESET</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Vor RESET</translation>
    </message>
    <message>
        <source>After RESET</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Nach RESET</translation>
    </message>
    <message>
        <source>Before DATA RESET</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Vor DATA RESET</translation>
    </message>
    <message>
        <source>After DATA RESET</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Nach DATA RESET</translation>
    </message>
    <message>
        <source>Being sent</source>
        <translation>In Übertragung</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>Unterbrochen</translation>
    </message>
</context>
<context>
    <name>HistoryList</name>
    <message>
        <source>before the interrupted %1</source>
        <extracomment>%1 is the command&apos;s button name (WRITE, LOAD, RESET...), which stays as it is.</extracomment>
        <translation>vor dem unterbrochenen %1</translation>
    </message>
    <message>
        <source>sent by the interrupted %1</source>
        <extracomment>%1 is the command&apos;s button name (WRITE, LOAD, RESET...), which stays as it is.</extracomment>
        <translation>gesendet vom unterbrochenen %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is the event (e.g. &quot;Before WRITE&quot;), %2 what it was to an interrupted command.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Port</source>
        <extracomment>The serial port the transmitter was on.</extracomment>
        <translation>Port</translation>
    </message>
    <message>
        <source>Differs from the form</source>
        <translation>Unterschied zum Formular</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Restore</source>
        <comment>button</comment>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Save as...</source>
        <comment>button</comment>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment>button</comment>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <extracomment>In the list&apos;s last column; %1 is why the entry cannot be read.</extracomment>
        <translation>beschädigt: %1</translation>
    </message>
    <message>
        <source>equal</source>
        <extracomment>In the list&apos;s last column: the entry holds the same settings as the form.</extracomment>
        <translation>gleich</translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s)</source>
        <extracomment>In the list&apos;s last column: how many settings of the entry differ from the form.</extracomment>
        <translation>
            <numerusform>%n Einstellung</numerusform>
            <numerusform>%n Einstellungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose an entry to compare it with the form, or two to compare them with each other.</source>
        <translation>Wählen Sie einen Eintrag, um ihn mit dem Formular zu vergleichen, oder zwei, um sie miteinander zu vergleichen.</translation>
    </message>
    <message>
        <source>Choose one entry or two.</source>
        <translation>Wählen Sie einen oder zwei Einträge.</translation>
    </message>
    <message>
        <source>This entry cannot be read: %1.</source>
        <extracomment>%1 is the reason.</extracomment>
        <translation>Dieser Eintrag kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>Form</source>
        <extracomment>Column header over the form&apos;s values.</extracomment>
        <translation>Formular</translation>
    </message>
    <message>
        <source>The older entry cannot be read: %1.</source>
        <extracomment>%1 is the reason.</extracomment>
        <translation>Der ältere Eintrag kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>file (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 holds the file name patterns, which stay as they are.</extracomment>
        <translation>Parameterdateien (%1)</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>Speaking %1; a change takes effect at the next start</source>
        <extracomment>Under the list of languages; %1 is the language spoken now, in its own name.</extracomment>
        <translation>Aktuelle Sprache: %1; eine Änderung wirkt ab dem nächsten Start</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>Die Sprache wechselt beim nächsten Start.</translation>
    </message>
</context>
<context>
    <name>LinkErrors</name>
    <message>
        <source>the device hung up</source>
        <translation>das Gerät hat die Verbindung getrennt</translation>
    </message>
    <message>
        <source>No serial port is listed. Plug the transmitter in; its port appears in the list within a second or two.</source>
        <translation>Kein serieller Port vorhanden. Schließen Sie den Sender an; sein Port erscheint nach ein, zwei Sekunden in der Liste.</translation>
    </message>
    <message>
        <source>%1 is not connected. Check the transmitter&apos;s USB cable, or pick another port from the list.</source>
        <extracomment>%1 is the port&apos;s device, e.g. /dev/ttyUSB0.</extracomment>
        <translation>%1 ist nicht verbunden. Prüfen Sie das USB-Kabel des Senders oder wählen Sie einen anderen Port aus der Liste.</translation>
    </message>
    <message>
        <source>%1 is in use by another program (another txconfig, a terminal program or ModemManager). Close it and press OPEN again.</source>
        <extracomment>%1 is the port&apos;s device. OPEN is the button&apos;s name and stays as it is.</extracomment>
        <translation>%1 wird von einem anderen Programm benutzt (einem weiteren txconfig, einem Terminalprogramm oder ModemManager). Schließen Sie es und drücken Sie erneut OPEN.</translation>
    </message>
    <message>
        <source>You have no permission to use %1. Add yourself to the dialout group:

sudo usermod -aG dialout $USER

then log out and log in again.</source>
        <extracomment>%1 is the port&apos;s device. The command line and the group&apos;s name dialout stay as they are.</extracomment>
        <translation>Sie haben keine Berechtigung für %1. Fügen Sie sich der Gruppe dialout hinzu:

sudo usermod -aG dialout $USER

Melden Sie sich danach ab und wieder an.</translation>
    </message>
    <message>
        <source>Cannot open the serial port!</source>
        <extracomment>The first line of the box; what went wrong and what to do follow after a blank line.</extracomment>
        <translation>Der serielle Port kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>no port given</source>
        <extracomment>txconfig-cli says it on a terminal, after the port&apos;s name.</extracomment>
        <translation>kein Port angegeben</translation>
    </message>
    <message>
        <source>no such port (is the transmitter plugged in?)</source>
        <extracomment>txconfig-cli says it on a terminal, after the port&apos;s name.</extracomment>
        <translation>Port nicht vorhanden (ist der Sender angeschlossen?)</translation>
    </message>
    <message>
        <source>busy: another program has the port open</source>
        <extracomment>txconfig-cli says it on a terminal, after the port&apos;s name.</extracomment>
        <translation>belegt: Ein anderes Programm hat den Port geöffnet</translation>
    </message>
    <message>
        <source>permission denied (is your user in the dialout group?)</source>
        <extracomment>txconfig-cli says it on a terminal, after the port&apos;s name.</extracomment>
        <translation>Zugriff verweigert (ist Ihr Benutzer in der Gruppe dialout?)</translation>
    </message>
</context>
<context>
    <name>LiveRecording</name>
    <message>
        <source>Cannot record to %1: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Aufzeichnung in %1 nicht möglich: %2</translation>
    </message>
    <message>
        <source>Recording stopped: %1 is gone (deleted, or its folder removed); no rows were kept.</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>Aufzeichnung beendet: %1 ist nicht mehr vorhanden (gelöscht oder Ordner entfernt); es wurden keine Zeilen gesichert.</translation>
    </message>
    <message>
        <source>the file is gone (deleted, or its folder removed)</source>
        <extracomment>Why a recording stopped, where the system gives no reason of its own.</extracomment>
        <translation>die Datei ist nicht mehr vorhanden (gelöscht oder Ordner entfernt)</translation>
    </message>
    <message numerus="yes">
        <source>Recording stopped: cannot write %1 (%2); %n row(s) kept.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason, %n the whole rows the file keeps.</extracomment>
        <translation>
            <numerusform>Aufzeichnung beendet: %1 kann nicht geschrieben werden (%2); %n Zeile gesichert.</numerusform>
            <numerusform>Aufzeichnung beendet: %1 kann nicht geschrieben werden (%2); %n Zeilen gesichert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n Zeile</numerusform>
            <numerusform>%n Zeilen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LoadPreview</name>
    <message>
        <source>Sending %1 changes these settings on the transmitter. A setting left unticked keeps the transmitter&apos;s value.</source>
        <extracomment>%1 is the parameter file&apos;s name.</extracomment>
        <translation>Das Senden von %1 ändert diese Einstellungen im Sender. Eine nicht markierte Einstellung behält den Wert des Senders.</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Column header over the file&apos;s values.</extracomment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <extracomment>Column header over the values the transmitter holds.</extracomment>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Send</source>
        <comment>button</comment>
        <translation>Senden</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Find...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Export sheet...</source>
        <translation>Datenblatt exportieren...</translation>
    </message>
    <message>
        <source>Sheet written to %1</source>
        <translation>Datenblatt gespeichert unter %1</translation>
    </message>
    <message>
        <source>Export sheet</source>
        <translation>Datenblatt exportieren</translation>
    </message>
    <message>
        <source>the form of %1</source>
        <translation>Formular von %1</translation>
    </message>
    <message>
        <source>The sheet could not be written to %1: %2</source>
        <translation>Das Datenblatt konnte nicht unter %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The link to %1 was lost (%2). Check the cable, then press OPEN.</source>
        <translation>Die Verbindung zu %1 ist unterbrochen (%2). Prüfen Sie das Kabel und drücken Sie dann OPEN.</translation>
    </message>
    <message>
        <source>Closing the window loses them.</source>
        <translation>Beim Schließen des Fensters gehen sie verloren.</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Verlauf...</translation>
    </message>
    <message>
        <source>Restore from history</source>
        <translation>Aus dem Verlauf wiederherstellen</translation>
    </message>
</context>
<context>
    <name>Meanings</name>
    <message>
        <source>Servo direction of channel %1: REV turns the servo the other way for the same stick.</source>
        <translation>Servolaufrichtung von Kanal %1: REV lässt das Servo bei gleicher Knüppelbewegung andersherum laufen.</translation>
    </message>
    <message>
        <source>Sub-trim of channel %1: shifts the servo&apos;s centre so the linkage sits neutral without bending it.</source>
        <translation>Subtrim von Kanal %1: verschiebt die Servomitte, damit das Gestänge neutral steht, ohne es zu verbiegen.</translation>
    </message>
    <message>
        <source>End point of channel %1 on the left (low) side: how far the servo may travel that way.</source>
        <translation>Endpunkt von Kanal %1 auf der linken (unteren) Seite: wie weit das Servo in diese Richtung laufen darf.</translation>
    </message>
    <message>
        <source>End point of channel %1 on the right (high) side: how far the servo may travel that way.</source>
        <translation>Endpunkt von Kanal %1 auf der rechten (oberen) Seite: wie weit das Servo in diese Richtung laufen darf.</translation>
    </message>
    <message>
        <source>Fail-safe of channel %1: the position the servo goes to when the receiver loses the signal.</source>
        <translation>Fail-Safe von Kanal %1: die Position, die das Servo anfährt, wenn der Empfänger das Signal verliert.</translation>
    </message>
    <message>
        <source>Servo delay of channel %1: slows the servo, for gear doors or flaps that should move gently.</source>
        <translation>Servoverzögerung von Kanal %1: verlangsamt das Servo, etwa für Fahrwerksklappen oder Landeklappen, die sich sanft bewegen sollen.</translation>
    </message>
    <message>
        <source>Control that drives channel %1: switch SwA or SwB, knob VrA, VrB/SwC, Lock-C, or none (NULL).</source>
        <translation>Geber für Kanal %1: Schalter SwA oder SwB, Drehgeber VrA, VrB/SwC, Lock-C oder keiner (NULL).</translation>
    </message>
    <message>
        <source>Channel 1 follows its stick; it has no control to choose (NC).</source>
        <translation>Kanal 1 folgt seinem Knüppel; ein Geber ist nicht wählbar (NC).</translation>
    </message>
    <message>
        <source>Channel 2 follows its stick; it has no control to choose (NC).</source>
        <translation>Kanal 2 folgt seinem Knüppel; ein Geber ist nicht wählbar (NC).</translation>
    </message>
    <message>
        <source>Channel 3 follows its stick; it has no control to choose (NC).</source>
        <translation>Kanal 3 folgt seinem Knüppel; ein Geber ist nicht wählbar (NC).</translation>
    </message>
    <message>
        <source>Channel 4 follows its stick; it has no control to choose (NC).</source>
        <translation>Kanal 4 folgt seinem Knüppel; ein Geber ist nicht wählbar (NC).</translation>
    </message>
    <message>
        <source>Dual rate on or off: when on, switch SWA picks the UP or the DOWN rate of each D/R channel.</source>
        <translation>Dual-Rate ein oder aus: Wenn ein, wählt Schalter SWA für jeden D/R-Kanal die Rate UP oder DOWN.</translation>
    </message>
    <message>
        <source>Which dual-rate channel (CH1 to CH4) the D/R rows show and edit.</source>
        <translation>Welcher Dual-Rate-Kanal (CH1 bis CH4) in den D/R-Zeilen angezeigt und bearbeitet wird.</translation>
    </message>
    <message>
        <source>The switch that selects the dual rate (SWA).</source>
        <translation>Der Schalter, der die Dual-Rate umschaltet (SWA).</translation>
    </message>
    <message>
        <source>Dual rate of the channel chosen under CH with the switch UP: stick travel in percent of full.</source>
        <translation>Dual-Rate des unter CH gewählten Kanals bei Schalter UP: Ausschlag in Prozent des vollen Knüppelwegs.</translation>
    </message>
    <message>
        <source>Dual rate of the channel chosen under CH with the switch DOWN: stick travel in percent of full.</source>
        <translation>Dual-Rate des unter CH gewählten Kanals bei Schalter DOWN: Ausschlag in Prozent des vollen Knüppelwegs.</translation>
    </message>
    <message>
        <source>Dual rate of channel %1 with the switch UP: stick travel in percent of full (choose CH%1 under CH).</source>
        <translation>Dual-Rate von Kanal %1 bei Schalter UP: Ausschlag in Prozent des vollen Knüppelwegs (unter CH den Kanal CH%1 wählen).</translation>
    </message>
    <message>
        <source>Dual rate of channel %1 with the switch DOWN: stick travel in percent of full (choose CH%1 under CH).</source>
        <translation>Dual-Rate von Kanal %1 bei Schalter DOWN: Ausschlag in Prozent des vollen Knüppelwegs (unter CH den Kanal CH%1 wählen).</translation>
    </message>
    <message>
        <source>The switch that selects the dual rate (SWA); the same setting as SW on ADVANCE2.</source>
        <translation>Der Schalter, der die Dual-Rate umschaltet (SWA); dieselbe Einstellung wie SW auf ADVANCE2.</translation>
    </message>
    <message>
        <source>The channel that sends the attitude (flight mode) position, CH5 to CH8, or OFF.</source>
        <translation>Der Kanal, der die Flugmodus-Stellung (ATTITUDE) sendet: CH5 bis CH8 oder OFF.</translation>
    </message>
    <message>
        <source>Output of the attitude channel in flight-mode position %1.</source>
        <translation>Ausgabewert des Flugmodus-Kanals in Flugmodus-Stellung %1.</translation>
    </message>
    <message>
        <source>Elevon mix on or off, for flying wings: aileron and elevator both drive the two wing servos.</source>
        <translation>Delta-Mischer (Elevon) ein oder aus, für Nurflügel: Quer- und Höhenruder steuern beide Flächenservos.</translation>
    </message>
    <message>
        <source>Elevon: how much aileron moves the first wing servo (AILE1).</source>
        <translation>Elevon: wie stark das Querruder das erste Flächenservo (AILE1) bewegt.</translation>
    </message>
    <message>
        <source>Elevon: how much aileron moves the second wing servo (AILE2).</source>
        <translation>Elevon: wie stark das Querruder das zweite Flächenservo (AILE2) bewegt.</translation>
    </message>
    <message>
        <source>Elevon: how much elevator moves the second wing servo (ELEV2).</source>
        <translation>Elevon: wie stark das Höhenruder das zweite Flächenservo (ELEV2) bewegt.</translation>
    </message>
    <message>
        <source>Elevon: how much elevator moves the first wing servo (ELEV1).</source>
        <translation>Elevon: wie stark das Höhenruder das erste Flächenservo (ELEV1) bewegt.</translation>
    </message>
    <message>
        <source>Elevon: the second amount on the AILE1 row, for the first wing servo.</source>
        <translation>Elevon: der zweite Wert in der Zeile AILE1, für das erste Flächenservo.</translation>
    </message>
    <message>
        <source>Elevon: the second amount on the AILE2 row, for the second wing servo.</source>
        <translation>Elevon: der zweite Wert in der Zeile AILE2, für das zweite Flächenservo.</translation>
    </message>
    <message>
        <source>V-tail mix on or off: elevator and rudder both drive the two tail servos.</source>
        <translation>V-Leitwerk-Mischer ein oder aus: Höhen- und Seitenruder steuern beide Leitwerksservos.</translation>
    </message>
    <message>
        <source>V-tail: how much elevator moves the first tail servo (ELEV1).</source>
        <translation>V-Leitwerk: wie stark das Höhenruder das erste Leitwerksservo (ELEV1) bewegt.</translation>
    </message>
    <message>
        <source>V-tail: how much elevator moves the second tail servo (ELEV2).</source>
        <translation>V-Leitwerk: wie stark das Höhenruder das zweite Leitwerksservo (ELEV2) bewegt.</translation>
    </message>
    <message>
        <source>V-tail: how much rudder moves the second tail servo (RUDD2).</source>
        <translation>V-Leitwerk: wie stark das Seitenruder das zweite Leitwerksservo (RUDD2) bewegt.</translation>
    </message>
    <message>
        <source>V-tail: how much rudder moves the first tail servo (RUDD1).</source>
        <translation>V-Leitwerk: wie stark das Seitenruder das erste Leitwerksservo (RUDD1) bewegt.</translation>
    </message>
    <message>
        <source>Dual rate on or off; the same setting as MIX on ADVANCE1.</source>
        <translation>Dual-Rate ein oder aus; dieselbe Einstellung wie MIX auf ADVANCE1.</translation>
    </message>
    <message>
        <source>Which dual-rate channel RATE and EXP show; the same setting as CH on ADVANCE1.</source>
        <translation>Welchen Dual-Rate-Kanal RATE und EXP zeigen; dieselbe Einstellung wie CH auf ADVANCE1.</translation>
    </message>
    <message>
        <source>Which switch position (UP or DOWN) RATE and EXP show and edit.</source>
        <translation>Welche Schalterstellung (UP oder DOWN) RATE und EXP zeigen und bearbeiten.</translation>
    </message>
    <message>
        <source>Dual rate of the channel under CH at the switch position under POSI: stick travel in percent of full.</source>
        <translation>Dual-Rate des Kanals unter CH in der Schalterstellung unter POSI: Ausschlag in Prozent des vollen Knüppelwegs.</translation>
    </message>
    <message>
        <source>Exponential of the channel under CH at the position under POSI: softens or sharpens the stick around centre.</source>
        <translation>Expo des Kanals unter CH in der Stellung unter POSI: macht die Steuerung um die Knüppelmitte feinfühliger oder direkter.</translation>
    </message>
    <message>
        <source>Exponential of channel %1 with the switch UP: softens or sharpens the stick around centre.</source>
        <translation>Expo von Kanal %1 bei Schalter UP: macht die Steuerung um die Knüppelmitte feinfühliger oder direkter.</translation>
    </message>
    <message>
        <source>Exponential of channel %1 with the switch DOWN: softens or sharpens the stick around centre.</source>
        <translation>Expo von Kanal %1 bei Schalter DOWN: macht die Steuerung um die Knüppelmitte feinfühliger oder direkter.</translation>
    </message>
    <message>
        <source>Throttle curve on or off: when on, the seven points shape the throttle&apos;s response to the stick.</source>
        <translation>Gaskurve ein oder aus: Wenn ein, bestimmen die sieben Punkte, wie das Gas auf den Knüppel reagiert.</translation>
    </message>
    <message>
        <source>Throttle curve point %1 of 7: the throttle output at that stick position, from low stick to high.</source>
        <translation>Gaskurve, Punkt %1 von 7: der Gaswert an dieser Knüppelstellung, von Knüppel unten bis Knüppel oben.</translation>
    </message>
    <message>
        <source>A throttle-curve value the transmitter keeps with the curve; no row of the form shows it.</source>
        <translation>Ein Gaskurvenwert, den der Sender mit der Kurve speichert; keine Zeile des Formulars zeigt ihn.</translation>
    </message>
    <message>
        <source>Programmable mix %1: INH not in use, OFF set up but switched off, ON mixing.</source>
        <translation>Programmierbarer Mischer %1: INH nicht benutzt, OFF eingerichtet, aber ausgeschaltet, ON mischt.</translation>
    </message>
    <message>
        <source>Programmable mix %1: the master channel, whose movement is mixed in.</source>
        <translation>Programmierbarer Mischer %1: der Masterkanal, dessen Bewegung zugemischt wird.</translation>
    </message>
    <message>
        <source>Programmable mix %1: the slave channel, which follows the master as well as its own control.</source>
        <translation>Programmierbarer Mischer %1: der Slavekanal, der zusätzlich zu seinem eigenen Geber dem Master folgt.</translation>
    </message>
    <message>
        <source>Programmable mix %1: the offset, the master&apos;s position where the mix starts.</source>
        <translation>Programmierbarer Mischer %1: der Offset, die Master-Stellung, ab der der Mischer wirkt.</translation>
    </message>
    <message>
        <source>Programmable mix %1: how much the slave moves as the master moves up.</source>
        <translation>Programmierbarer Mischer %1: wie stark sich der Slave bewegt, wenn sich der Master nach oben bewegt.</translation>
    </message>
    <message>
        <source>Programmable mix %1: how much the slave moves as the master moves down.</source>
        <translation>Programmierbarer Mischer %1: wie stark sich der Slave bewegt, wenn sich der Master nach unten bewegt.</translation>
    </message>
    <message>
        <source>Transmitter battery alarm: the transmitter warns when its battery falls below this voltage.</source>
        <translation>Senderakku-Alarm: Der Sender warnt, wenn die Spannung seines Akkus unter diesen Wert fällt.</translation>
    </message>
    <message>
        <source>Receiver battery alarm: warns when the receiver&apos;s battery, reported by telemetry, falls below this.</source>
        <translation>Empfängerakku-Alarm: warnt, wenn der per Telemetrie gemeldete Empfängerakku unter diesen Wert fällt.</translation>
    </message>
    <message>
        <source>External voltage alarm: warns when the voltage the receiver measures (flight pack) falls below this.</source>
        <translation>Alarm externe Spannung: warnt, wenn die vom Empfänger gemessene Spannung (Flugakku) unter diesen Wert fällt.</translation>
    </message>
    <message>
        <source>Signal-strength alarm: warns when the receiver&apos;s signal falls below this level.</source>
        <translation>Signalstärke-Alarm: warnt, wenn das Signal am Empfänger unter diesen Pegel fällt.</translation>
    </message>
    <message>
        <source>Stick mode 1 to 4: which stick works throttle, elevator, rudder and aileron.</source>
        <translation>Knüppelmodus (Mode) 1 bis 4: welcher Knüppel Gas, Höhenruder, Seitenruder und Querruder steuert.</translation>
    </message>
    <message>
        <source>The transmitter&apos;s firmware version, as it reports it; it is not sent back.</source>
        <translation>Die Firmware-Version des Senders, wie er sie meldet; sie wird nicht zurückgesendet.</translation>
    </message>
    <message>
        <source>The version of the transmitter&apos;s protocol this program speaks.</source>
        <translation>Die Version des Senderprotokolls, die dieses Programm verwendet.</translation>
    </message>
    <message>
        <source>Stick trim %1 as the transmitter keeps it: the trim buttons move it, 0 is centre.</source>
        <translation>Knüppeltrimmung %1, wie der Sender sie speichert: Die Trimmtasten verstellen sie, 0 ist die Mitte.</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>Schritte</translation>
    </message>
</context>
<context>
    <name>ModelSheet</name>
    <message>
        <source>Model sheet</source>
        <extracomment>The PDF&apos;s title, as a viewer shows it.</extracomment>
        <translation>Modelldatenblatt</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Transmitter version</source>
        <translation>Senderversion</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>unbekannt</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n settings differ from the factory values; they are in &lt;b&gt;bold&lt;/b&gt;.</source>
        <extracomment>%1 is how many of the %n settings differ; keep the &lt;b&gt; tags around the word for bold.</extracomment>
        <translation>
            <numerusform>%1 von %n Einstellung weicht vom Werkswert ab; sie ist &lt;b&gt;fett&lt;/b&gt; gedruckt.</numerusform>
            <numerusform>%1 von %n Einstellungen weichen von den Werkswerten ab; sie sind &lt;b&gt;fett&lt;/b&gt; gedruckt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Werkswert</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <extracomment>The foot of each printed page: %1 is the page, %2 how many there are.</extracomment>
        <translation>Seite %1 von %2</translation>
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
        <translation>Aufzeichnen...</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Aufzeichnung beenden</translation>
    </message>
    <message>
        <source>CSV file (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 holds the file name pattern, which stays as it is.</extracomment>
        <translation>CSV-Datei (%1)</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The title of the file dialog that asks where to record.</extracomment>
        <translation>Aufzeichnen</translation>
    </message>
</context>
<context>
    <name>MonitorWindow</name>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Freeze the graph; the frames keep being kept (Space)</source>
        <translation>Grafik einfrieren; die Frames werden weiter gespeichert (Leertaste)</translation>
    </message>
    <message>
        <source>last %1 s</source>
        <extracomment>The graph&apos;s span, %1 a number of seconds; keep %1 exactly once.</extracomment>
        <translation>letzte %1 s</translation>
    </message>
    <message>
        <source>How many seconds the graph shows</source>
        <translation>Wie viele Sekunden die Grafik zeigt</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment>button</comment>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>button</comment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Record...</source>
        <comment>button</comment>
        <translation>Aufzeichnen...</translation>
    </message>
    <message>
        <source>End the recording</source>
        <translation>Aufzeichnung beenden</translation>
    </message>
    <message>
        <source>Record every frame to a CSV file</source>
        <translation>Jeden Frame in eine CSV-Datei aufzeichnen</translation>
    </message>
    <message numerus="yes">
        <source>Recording %1: %2, %n row(s)</source>
        <extracomment>%1 is the file&apos;s name, %2 the time recorded (minutes:seconds), %n the rows taken so far.</extracomment>
        <translation>
            <numerusform>Aufzeichnung %1: %2, %n Zeile</numerusform>
            <numerusform>Aufzeichnung %1: %2, %n Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recorded %n row(s) to %1</source>
        <extracomment>%1 is the file; %n the rows it holds.</extracomment>
        <translation>
            <numerusform>%n Zeile in %1 aufgezeichnet</numerusform>
            <numerusform>%n Zeilen in %1 aufgezeichnet</numerusform>
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
        <translation>Im Sender: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s)
not on the transmitter</source>
        <extracomment>Beside the tabs, in two short lines.</extracomment>
        <translation>
            <numerusform>%n Einstellung
nicht im Sender</numerusform>
            <numerusform>%n Einstellungen
nicht im Sender</numerusform>
        </translation>
    </message>
    <message>
        <source>Settings on this page are not on the transmitter</source>
        <translation>Einstellungen auf dieser Seite sind nicht im Sender</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The form holds edits that are neither on the transmitter nor in a file.

%1</source>
        <extracomment>%1 says what the command about to run does to the edits.</extracomment>
        <translation>Das Formular enthält Änderungen, die weder im Sender noch in einer Datei sind.

%1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A list of frame letters: %1 is &quot;S&quot; or &quot;S, G&quot;, %2 the last letter (&quot;S, G and H&quot;).</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 is damaged: its %2 frame(s) cannot be read.</source>
        <extracomment>%1 is the file, %2 the letters of its damaged frames (S, G, H, I); the count picks &quot;frame(s)&quot;.</extracomment>
        <translation>
            <numerusform>%1 ist beschädigt: Frame %2 ist nicht lesbar.</numerusform>
            <numerusform>%1 ist beschädigt: Frames %2 sind nicht lesbar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Load the %1 frame(s) and send them to the transmitter? The settings of the damaged frames keep the form&apos;s values.</source>
        <extracomment>%1 is the letters of the frames that can be read.</extracomment>
        <translation>
            <numerusform>Frame %1 laden und an den Sender senden? Die Einstellungen der beschädigten Frames behalten die Werte des Formulars.</numerusform>
            <numerusform>Frames %1 laden und an den Sender senden? Die Einstellungen der beschädigten Frames behalten die Werte des Formulars.</numerusform>
        </translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Reset the transmitter to factory settings? The model on the transmitter will be replaced.</source>
        <translation>Sender auf Werkseinstellungen zurücksetzen? Das Modell im Sender wird ersetzt.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>The form holds a mix: the last READ was incomplete, so some settings are the transmitter&apos;s and the others are what the form held before.</source>
        <translation>Das Formular enthält einen gemischten Stand: Der letzte READ-Vorgang war unvollständig, daher stammen manche Einstellungen aus dem Sender, die anderen sind die vorherigen Werte des Formulars.</translation>
    </message>
    <message>
        <source>The form holds the program&apos;s start-up values: nothing has been read from the transmitter or loaded from a file yet.</source>
        <translation>Das Formular enthält die Startwerte des Programms: Es wurde noch nichts aus dem Sender gelesen oder aus einer Datei geladen.</translation>
    </message>
    <message>
        <source>%1

Write them anyway? The whole model on the transmitter will be replaced, trims, mixes and curves included.</source>
        <extracomment>%1 says where the form&apos;s values came from.</extracomment>
        <translation>%1

Trotzdem schreiben? Das ganze Modell im Sender wird ersetzt, einschließlich Trimmungen, Mischern und Kurven.</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
</context>
<context>
    <name>ReadAnswer</name>
    <message>
        <source>%1 and %2</source>
        <comment>frame numbers</comment>
        <extracomment>A list of frame numbers: %1 is &quot;4&quot; or &quot;4, 7&quot;, %2 the last number (&quot;4, 7 and 17&quot;).</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message numerus="yes">
        <source>frame(s) %1 did not arrive</source>
        <extracomment>%1 lists the frame numbers (&quot;17 and 18&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>Frame %1 ist nicht angekommen</numerusform>
            <numerusform>Frames %1 sind nicht angekommen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>frame(s) %1 came twice with different values</source>
        <extracomment>%1 lists the frame numbers (&quot;5&quot; or &quot;5 and 9&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>Frame %1 kam zweimal mit unterschiedlichen Werten</numerusform>
            <numerusform>Frames %1 kamen zweimal mit unterschiedlichen Werten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two gaps of an answer</comment>
        <extracomment>Both things a read&apos;s answer lacks: %1 the frames that did not arrive, %2 those that came twice.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message numerus="yes">
        <source>The transmitter did not answer the read request (asked %n times). The form still holds the values it had; WRITE will ask before sending them.</source>
        <extracomment>%n is how many times the read request went out. WRITE is the button&apos;s name and stays as it is.</extracomment>
        <translation>
            <numerusform>Der Sender hat auf die Leseanfrage nicht geantwortet (%n Versuch). Das Formular enthält weiterhin seine bisherigen Werte; WRITE fragt vor dem Senden nach.</numerusform>
            <numerusform>Der Sender hat auf die Leseanfrage nicht geantwortet (%n Versuche). Das Formular enthält weiterhin seine bisherigen Werte; WRITE fragt vor dem Senden nach.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transmitter&apos;s answer was incomplete: %1 (asked %n times).

The form now holds a mix: the settings of the frames that came are the transmitter&apos;s, the others are what the form held before. WRITE will ask before sending them.</source>
        <extracomment>%1 says what is missing (&quot;frames 17 and 18 did not arrive&quot;), %n how many times the read request went out. WRITE is the button&apos;s name and stays as it is.</extracomment>
        <translation>
            <numerusform>Die Antwort des Senders war unvollständig: %1 (%n Versuch).

Das Formular enthält jetzt einen gemischten Stand: Die Einstellungen der angekommenen Frames stammen aus dem Sender, die anderen sind die vorherigen Werte des Formulars. WRITE fragt vor dem Senden nach.</numerusform>
            <numerusform>Die Antwort des Senders war unvollständig: %1 (%n Versuche).

Das Formular enthält jetzt einen gemischten Stand: Die Einstellungen der angekommenen Frames stammen aus dem Sender, die anderen sind die vorherigen Werte des Formulars. WRITE fragt vor dem Senden nach.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReadBack</name>
    <message>
        <source>%1: form %2, transmitter %3</source>
        <extracomment>%1 is the setting as the form labels it, %2 the form&apos;s value, %3 the transmitter&apos;s.</extracomment>
        <translation>%1: Formular %2, Sender %3</translation>
    </message>
    <message>
        <source>The settings were sent, but the transmitter did not answer the read-back, so they could not be checked.</source>
        <translation>Die Einstellungen wurden gesendet, aber der Sender hat beim Zurücklesen nicht geantwortet; daher konnten sie nicht geprüft werden.</translation>
    </message>
    <message numerus="yes">
        <source>The transmitter does not hold what was sent. %n setting(s) differ(s):</source>
        <extracomment>Followed by one line per setting that differs.</extracomment>
        <translation>
            <numerusform>Der Sender enthält nicht, was gesendet wurde. %n Einstellung weicht ab:</numerusform>
            <numerusform>Der Sender enthält nicht, was gesendet wurde. %n Einstellungen weichen ab:</numerusform>
        </translation>
    </message>
    <message>
        <source>The read-back was incomplete (%1), so the settings of those frames could not be checked.</source>
        <extracomment>%1 says what the read-back lacks (&quot;frame 5 did not arrive&quot;).</extracomment>
        <translation>Das Zurücklesen war unvollständig (%1), daher konnten die Einstellungen dieser Frames nicht geprüft werden.</translation>
    </message>
    <message>
        <source>The form keeps your values; WRITE sends them again.</source>
        <extracomment>WRITE is the button&apos;s name and stays as it is.</extracomment>
        <translation>Das Formular behält Ihre Werte; WRITE sendet sie erneut.</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Restore draft</source>
        <translation>Entwurf wiederherstellen</translation>
    </message>
    <message>
        <source>Edits not kept as a draft in %1</source>
        <translation>Änderungen nicht als Entwurf in %1 gesichert</translation>
    </message>
    <message>
        <source>A draft of earlier edits is damaged (%1): %2. It was left in place.</source>
        <translation>Ein Entwurf früherer Änderungen ist beschädigt (%1): %2. Er wurde unverändert belassen.</translation>
    </message>
    <message>
        <source>The last %1 did not finish; open the port to check the transmitter.</source>
        <extracomment>%1 is the command&apos;s name as on its button (WRITE, LOAD...).</extracomment>
        <translation>Der letzte Vorgang %1 wurde nicht abgeschlossen; öffnen Sie den Port, um den Sender zu prüfen.</translation>
    </message>
    <message>
        <source>The journal of an earlier command is damaged (%1): %2. It was left in place.</source>
        <extracomment>%1 says what is wrong with the file, %2 is its path.</extracomment>
        <translation>Das Journal eines früheren Befehls ist beschädigt (%1): %2. Es wurde unverändert belassen.</translation>
    </message>
    <message>
        <source>%1 The transmitter may now hold part of it and part of the model it replaced.</source>
        <extracomment>%1 says which command was cut off, when and on which port.</extracomment>
        <translation>%1 Der Sender enthält jetzt möglicherweise Teile davon und Teile des Modells, das ersetzt wurde.</translation>
    </message>
    <message>
        <source>Restore the earlier model</source>
        <translation>Früheres Modell wiederherstellen</translation>
    </message>
    <message>
        <source>Send it again</source>
        <translation>Erneut senden</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>Edits made at %1 were neither sent nor saved when the program ended.</source>
        <extracomment>%1 is the time of day of the last edit.</extracomment>
        <translation>Die um %1 vorgenommenen Änderungen wurden beim Beenden des Programms weder gesendet noch gespeichert.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>No copy of the earlier model was kept (&quot;Send anyway&quot; was chosen), so it cannot be restored.</source>
        <translation>Vom früheren Modell wurde keine Kopie gesichert („Trotzdem senden“ wurde gewählt), daher kann es nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>The copy of the earlier model cannot be read (%1: %2).</source>
        <extracomment>%1 is the copy&apos;s file name, %2 why it cannot be read.</extracomment>
        <translation>Die Kopie des früheren Modells kann nicht gelesen werden (%1: %2).</translation>
    </message>
    <message>
        <source>Checked: the transmitter holds the model sent; the interrupted %1 is mended.</source>
        <extracomment>%1 is the command&apos;s name as on its button (WRITE, LOAD, RESET...).</extracomment>
        <translation>Geprüft: Der Sender enthält das gesendete Modell; der unterbrochene Vorgang %1 ist behoben.</translation>
    </message>
    <message>
        <source>no copy was kept</source>
        <translation>keine Kopie gesichert</translation>
    </message>
    <message>
        <source>The model the %1 was sending cannot be read (%2: %3). Nothing was sent.</source>
        <extracomment>%1 is the command (WRITE, LOAD...), %2 the copy&apos;s path, %3 why it cannot be read.</extracomment>
        <translation>Das Modell, das der Vorgang %1 gerade sendete, kann nicht gelesen werden (%2: %3). Es wurde nichts gesendet.</translation>
    </message>
    <message numerus="yes">
        <source>The last %1 (started %2 on %3, %4 of %n frames sent) did not finish.</source>
        <extracomment>%1 is the command&apos;s name as on its button (WRITE, LOAD...), %2 the time it started, %3 the port, %4 how many of its %n frames had gone out.</extracomment>
        <translation>
            <numerusform>Der letzte Vorgang %1 (gestartet um %2 an %3, %4 von %n Frame gesendet) wurde nicht abgeschlossen.</numerusform>
            <numerusform>Der letzte Vorgang %1 (gestartet um %2 an %3, %4 von %n Frames gesendet) wurde nicht abgeschlossen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingFinder</name>
    <message>
        <source>Find a setting: label, meaning or name</source>
        <translation>Einstellung suchen: Bezeichnung, Bedeutung oder Name</translation>
    </message>
    <message>
        <source>Find a setting</source>
        <translation>Einstellung suchen</translation>
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
        <translation>Die Einstellungen zeigen, die nicht im Sender sind (Strg+D)</translation>
    </message>
    <message>
        <source>Views</source>
        <extracomment>A button over a menu of windows (History, Changes, Monitor...).</extracomment>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Windows beside the form</source>
        <translation>Fenster neben dem Formular</translation>
    </message>
</context>
<context>
    <name>txconfig</name>
    <message>
        <source>Reads, edits, saves and writes the settings of an eight-channel radio-control transmitter over a serial port.
Qt&apos;s own options, such as -platform and -style, are accepted too (--help-all lists them).</source>
        <translation>Liest, bearbeitet, speichert und schreibt die Einstellungen eines 8-Kanal-RC-Senders über einen seriellen Port.
Qts eigene Optionen wie -platform und -style werden ebenfalls akzeptiert (--help-all listet sie auf).</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt die Hilfe einschließlich Qt-spezifischer Optionen an.</translation>
    </message>
    <message>
        <source>%1: ignoring &apos;%2&apos;: no files are opened from the command line.
</source>
        <translation>%1: &apos;%2&apos; wird ignoriert: Von der Kommandozeile werden keine Dateien geöffnet.
</translation>
    </message>
    <message>
        <source>Speaks the language CODE (de, es, fr, ru, zh_CN or en) instead of the one chosen under Views or the system&apos;s.</source>
        <translation>Verwendet die Sprache CODE (de, es, fr, ru, zh_CN oder en) statt der unter „Ansicht“ gewählten oder der Systemsprache.</translation>
    </message>
</context>
</TS>
