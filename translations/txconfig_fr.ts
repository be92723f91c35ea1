<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Changes</name>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Changes...</source>
        <translation>Modifications...</translation>
    </message>
    <message numerus="yes">
        <source>Revert %n setting(s)</source>
        <extracomment>An undo step.</extracomment>
        <translation>
            <numerusform>Valeur de l&apos;émetteur pour %n réglage</numerusform>
            <numerusform>Valeurs de l&apos;émetteur pour %n réglages</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChangesWindow</name>
    <message>
        <source>Changes</source>
        <translation>Modifications</translation>
    </message>
    <message>
        <source>Revert</source>
        <comment>button</comment>
        <translation>Revenir</translation>
    </message>
    <message>
        <source>Put the transmitter&apos;s values of the ticked settings back into the form</source>
        <translation>Remettre dans le formulaire les valeurs de l&apos;émetteur pour les réglages cochés</translation>
    </message>
    <message>
        <source>What the transmitter holds is not known yet: READ it, or send the form to it.</source>
        <extracomment>READ is the name of the form&apos;s button and stays as it is.</extracomment>
        <translation>Le contenu de l&apos;émetteur n&apos;est pas encore connu&#xa0;: faites un READ, ou envoyez-lui le formulaire.</translation>
    </message>
    <message>
        <source>Form</source>
        <extracomment>Column header over the form&apos;s values.</extracomment>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <extracomment>Column header over the values the transmitter holds.</extracomment>
        <translation>Émetteur</translation>
    </message>
</context>
<context>
    <name>CommandKeys</name>
    <message>
        <source>Open or close the port chosen beside it</source>
        <translation>Ouvrir ou fermer le port choisi à côté</translation>
    </message>
    <message>
        <source>Read the transmitter&apos;s settings</source>
        <translation>Lire les réglages de l&apos;émetteur</translation>
    </message>
    <message>
        <source>Load a parameter file and send it to the transmitter</source>
        <translation>Charger un fichier de paramètres et l&apos;envoyer à l&apos;émetteur</translation>
    </message>
    <message>
        <source>Write the form&apos;s settings to the transmitter</source>
        <translation>Écrire les réglages du formulaire dans l&apos;émetteur</translation>
    </message>
    <message>
        <source>Save the form&apos;s settings to a file and send them</source>
        <translation>Enregistrer les réglages du formulaire dans un fichier et les envoyer</translation>
    </message>
    <message>
        <source>Reset the transmitter to factory settings</source>
        <translation>Remettre l&apos;émetteur aux réglages d&apos;usine</translation>
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
        <translation>Impossible de lire le fichier indiqué&#xa0;!</translation>
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
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>Saved to %1; the transmitter holds every setting sent.</source>
        <translation>Enregistré dans %1&#xa0;; l&apos;émetteur contient tous les réglages envoyés.</translation>
    </message>
    <message>
        <source>LOAD replaces them with the settings of a file.</source>
        <translation>LOAD les remplace par les réglages d&apos;un fichier.</translation>
    </message>
    <message>
        <source>not a parameter file, none of its S, G, H and I frames is in place. Nothing was loaded or sent.</source>
        <translation>pas un fichier de paramètres, aucune de ses trames S, G, H et I n&apos;est en place. Rien n&apos;a été chargé ni envoyé.</translation>
    </message>
    <message>
        <source>LOAD %1</source>
        <extracomment>An undo step: LOAD stays as on its button, %1 is the file&apos;s name.</extracomment>
        <translation>LOAD %1</translation>
    </message>
    <message>
        <source>Loaded %1; the transmitter holds every setting sent.</source>
        <translation>%1 chargé&#xa0;; l&apos;émetteur contient tous les réglages envoyés.</translation>
    </message>
    <message>
        <source>Please open the serial port!</source>
        <translation>Veuillez ouvrir le port série&#xa0;!</translation>
    </message>
    <message>
        <source>READ replaces them with the transmitter&apos;s settings.</source>
        <translation>READ les remplace par les réglages de l&apos;émetteur.</translation>
    </message>
    <message>
        <source>History not kept</source>
        <translation>Historique non conservé</translation>
    </message>
    <message>
        <source>WRITE checked: the transmitter holds every setting sent.</source>
        <translation>WRITE vérifié&#xa0;: l&apos;émetteur contient tous les réglages envoyés.</translation>
    </message>
    <message>
        <source>%1 checked: the transmitter holds the factory settings.</source>
        <extracomment>%1 is RESET or DATA RESET, as on the buttons.</extracomment>
        <translation>%1 vérifié&#xa0;: l&apos;émetteur contient les réglages d&apos;usine.</translation>
    </message>
    <message>
        <source>The transmitter&apos;s current settings could not be read, so no copy of them can be kept before they are replaced.</source>
        <translation>Les réglages actuels de l&apos;émetteur n&apos;ont pas pu être lus&#xa0;: aucune copie ne peut donc en être conservée avant leur remplacement.</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Envoyer quand même</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 why it cannot be read or written.
----------
A notice: %1 says what was not kept, %2 why.</extracomment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>CompanionHelp</name>
    <message>
        <source>Backs up, restores, inspects and compares transmitter models.</source>
        <translation>Sauvegarde, restaure, examine et compare les modèles de l&apos;émetteur.</translation>
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
        <translation>Commandes&#xa0;:
  dump FILE [--json]          chaque paramètre que contient un fichier de paramètres, en NOM VALEUR
  diff A B [--json]           les paramètres dont les valeurs diffèrent, en NOM VALEUR-A VALEUR-B
  read --port PORT -o FILE    lire le modèle de l&apos;émetteur dans un fichier de paramètres
  write --port PORT FILE      envoyer un fichier de paramètres à l&apos;émetteur, puis le relire et
                              comparer (--no-verify saute la vérification)&#xa0;; le modèle remplacé est
                              d&apos;abord lu et conservé dans l&apos;historique (--no-backup l&apos;évite)
  history [--json]            les modèles de l&apos;historique, numérotés, du plus récent au plus ancien
  record --port PORT -o FILE.csv [--seconds N]
                              les sorties des voies en direct, les tensions et le signal dans un
                              fichier CSV, une ligne par trame, pendant N secondes ou jusqu&apos;à
                              l&apos;interruption (Ctrl+C)
  sheet FILE -o OUT           une fiche imprimable du modèle&#xa0;: chaque réglage avec sa valeur et sa
                              valeur d&apos;usine, en OUT.pdf ou, selon son extension, en OUT.html
  recover                     décrire un WRITE (ou un LOAD, SAVE, RESET de la fenêtre) interrompu
                              en cours de route, s&apos;il y en a un
  recover --port PORT --restore | --resend
                              envoyer le modèle conservé avant lui, ou celui qu&apos;il envoyait, puis
                              le relire et comparer</translation>
    </message>
    <message>
        <source>FILE may be @N, the N-th newest entry of the history (@1 the newest).</source>
        <extracomment>FILE, @N and @1 are typed so and stay as they are.</extracomment>
        <translation>FILE peut être @N, la N-ième entrée la plus récente de l&apos;historique (@1 la plus récente).</translation>
    </message>
    <message>
        <source>Exit codes: 0 success (diff: the files are equal); 1 diff: they differ, read: blocks missing
(no file written), write, recover: the transmitter does not hold what was sent; 2 an error (a message on
stderr names the file or port and why; a recording keeps the rows written until then).</source>
        <extracomment>The exit codes 0, 1 and 2 and the command names diff, read, write, recover stay as they are.</extracomment>
        <translation>Codes de sortie&#xa0;: 0 succès (diff&#xa0;: fichiers identiques)&#xa0;; 1 diff&#xa0;: ils diffèrent, read&#xa0;: blocs manquants
(aucun fichier écrit), write, recover&#xa0;: l&apos;émetteur ne contient pas ce qui a été envoyé&#xa0;; 2 une erreur
(un message sur stderr nomme le fichier ou le port et la cause&#xa0;; un enregistrement garde les lignes déjà écrites).</translation>
    </message>
    <message>
        <source>The transmitter&apos;s serial port (read, write, record, recover).</source>
        <translation>Le port série de l&apos;émetteur (read, write, record, recover).</translation>
    </message>
    <message>
        <source>port</source>
        <comment>value of an option</comment>
        <extracomment>The value --port takes, as --help shows it.</extracomment>
        <translation>port</translation>
    </message>
    <message>
        <source>The parameter file (read), CSV file (record) or sheet (sheet) to write.</source>
        <translation>Le fichier de paramètres (read), le fichier CSV (record) ou la fiche (sheet) à écrire.</translation>
    </message>
    <message>
        <source>file</source>
        <comment>value of an option</comment>
        <extracomment>The value -o takes, as --help shows it.</extracomment>
        <translation>fichier</translation>
    </message>
    <message>
        <source>How many seconds to record (record).</source>
        <translation>Durée de l&apos;enregistrement en secondes (record).</translation>
    </message>
    <message>
        <source>N</source>
        <comment>value of an option</comment>
        <extracomment>The value --seconds takes, as --help shows it.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>One JSON object instead of lines (dump, diff).</source>
        <translation>Un seul objet JSON au lieu de lignes (dump, diff).</translation>
    </message>
    <message>
        <source>Send the frames that are in place even if others are not (write).</source>
        <translation>Envoyer les trames qui sont en place même si d&apos;autres ne le sont pas (write).</translation>
    </message>
    <message>
        <source>Do not read the model back after sending it (write).</source>
        <translation>Ne pas relire le modèle après l&apos;avoir envoyé (write).</translation>
    </message>
    <message>
        <source>Do not read and keep the transmitter&apos;s model before sending (write).</source>
        <translation>Ne pas lire ni conserver le modèle de l&apos;émetteur avant l&apos;envoi (write).</translation>
    </message>
    <message>
        <source>Send the model kept before the command cut off (recover).</source>
        <translation>Envoyer le modèle conservé avant la commande interrompue (recover).</translation>
    </message>
    <message>
        <source>Send the model the command cut off was sending (recover).</source>
        <translation>Envoyer le modèle que la commande interrompue était en train d&apos;envoyer (recover).</translation>
    </message>
    <message>
        <source>Speak the language CODE (de, es, fr, ru, zh_CN or en) instead of the system&apos;s; what scripts read stays English.</source>
        <translation>Parler la langue CODE (de, es, fr, ru, zh_CN ou en) au lieu de celle du système&#xa0;; ce que lisent les scripts reste en anglais.</translation>
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
        <translation>commande</translation>
    </message>
    <message>
        <source>dump, diff, read, write, history, record, sheet or recover.</source>
        <extracomment>The commands&apos; names are typed so and stay as they are.</extracomment>
        <translation>dump, diff, read, write, history, record, sheet ou recover.</translation>
    </message>
    <message>
        <source>files</source>
        <comment>argument&apos;s name</comment>
        <extracomment>The name --help shows for the words after the command.</extracomment>
        <translation>fichiers</translation>
    </message>
    <message>
        <source>The parameter files the command works on.</source>
        <translation>Les fichiers de paramètres sur lesquels agit la commande.</translation>
    </message>
    <message>
        <source>[files...]</source>
        <comment>usage line</comment>
        <extracomment>How --help&apos;s usage line shows the words after the command.</extracomment>
        <translation>[fichiers...]</translation>
    </message>
</context>
<context>
    <name>CompanionMessages</name>
    <message>
        <source>%1 (see --help)</source>
        <extracomment>After a mistake on the command line: %1 says what is wrong.</extracomment>
        <translation>%1 (voir --help)</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <extracomment>%1 is the word typed where a command was expected.</extracomment>
        <translation>commande inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 takes no file</source>
        <extracomment>%1 is the command&apos;s name.</extracomment>
        <translation>%1 ne prend aucun fichier</translation>
    </message>
    <message>
        <source>%1 takes one file</source>
        <extracomment>%1 is the command&apos;s name.</extracomment>
        <translation>%1 prend un fichier</translation>
    </message>
    <message>
        <source>%1 takes two files</source>
        <extracomment>%1 is the command&apos;s name.</extracomment>
        <translation>%1 prend deux fichiers</translation>
    </message>
    <message>
        <source>%1 takes no file (%1 writes -o FILE)</source>
        <extracomment>%1 is the command&apos;s name (read, record); -o FILE is typed so.</extracomment>
        <translation>%1 ne prend aucun fichier (%1 écrit dans -o FILE)</translation>
    </message>
    <message>
        <source>%1 has no option --%2</source>
        <extracomment>%1 is the command&apos;s name, %2 the option&apos;s.</extracomment>
        <translation>%1 n&apos;a pas d&apos;option --%2</translation>
    </message>
    <message>
        <source>%1 needs --port PORT</source>
        <extracomment>%1 is the command&apos;s name; --port PORT is typed so.</extracomment>
        <translation>%1 demande --port PORT</translation>
    </message>
    <message>
        <source>recover takes --restore or --resend, not both</source>
        <translation>recover prend --restore ou --resend, pas les deux</translation>
    </message>
    <message>
        <source>recover --port needs --restore or --resend</source>
        <translation>recover --port demande --restore ou --resend</translation>
    </message>
    <message>
        <source>recover --%1 needs --port PORT</source>
        <extracomment>%1 is the option given, restore or resend; --port PORT is typed so.</extracomment>
        <translation>recover --%1 demande --port PORT</translation>
    </message>
    <message>
        <source>%1 needs -o FILE</source>
        <extracomment>%1 is the command&apos;s name; -o FILE is typed so.</extracomment>
        <translation>%1 demande -o FILE</translation>
    </message>
    <message>
        <source>--seconds takes a whole number above 0, not &apos;%1&apos;</source>
        <extracomment>%1 is what was typed after --seconds.</extracomment>
        <translation>--seconds prend un nombre entier supérieur à 0, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <extracomment>%1 says why the file could not be written.</extracomment>
        <translation>écriture impossible&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>no such history entry (%n kept in %1)</source>
        <extracomment>%n is how many entries the history keeps, %1 its folder.</extracomment>
        <translation>
            <numerusform>aucune entrée de ce rang dans l&apos;historique (%n conservée dans %1)</numerusform>
            <numerusform>aucune entrée de ce rang dans l&apos;historique (%n conservées dans %1)</numerusform>
        </translation>
    </message>
    <message>
        <source>not kept: %1</source>
        <extracomment>%1 says why the model could not be kept in the history.</extracomment>
        <translation>non conservé&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 The transmitter may hold part of two models; see txconfig-cli recover</source>
        <extracomment>%1 says which command was cut off, when and on which port; txconfig-cli recover is typed so.</extracomment>
        <translation>%1 L&apos;émetteur peut contenir une partie de deux modèles&#xa0;; voir txconfig-cli recover</translation>
    </message>
    <message>
        <source>the journal %1 is damaged (%2)</source>
        <extracomment>%1 is the journal&apos;s path, %2 what is wrong with it.</extracomment>
        <translation>le journal %1 est endommagé (%2)</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>pas de réponse</translation>
    </message>
    <message numerus="yes">
        <source>frame(s) %1 missing</source>
        <extracomment>%1 lists the frame numbers (&quot;5, 12&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>trame %1 manquante</numerusform>
            <numerusform>trames %1 manquantes</numerusform>
        </translation>
    </message>
    <message>
        <source>writing %1: opening</source>
        <extracomment>A line of progress on a terminal; %1 is the port.</extracomment>
        <translation>écriture %1&#xa0;: ouverture</translation>
    </message>
    <message>
        <source>writing %1: %2 frame (%3 of %4)</source>
        <extracomment>A line of progress on a terminal: %1 is the port, %2 the frame&apos;s letter (S, G, H or I), %3 and %4 count the frames.</extracomment>
        <translation>écriture %1&#xa0;: trame %2 (%3 sur %4)</translation>
    </message>
    <message>
        <source>nothing sent: the model on the transmitter could not be read to keep a copy (%1) (--no-backup sends without one)</source>
        <extracomment>%1 says what the read lacked (&quot;no answer&quot;, &quot;frames 5, 12 missing&quot;); --no-backup is typed so.</extracomment>
        <translation>rien n&apos;a été envoyé&#xa0;: le modèle de l&apos;émetteur n&apos;a pas pu être lu pour en garder une copie (%1) (--no-backup envoie sans copie)</translation>
    </message>
    <message numerus="yes">
        <source>%1; %2 of %n frames had gone out, write the file again</source>
        <extracomment>%1 says why the link failed, %2 how many of the %n frames had gone out.</extracomment>
        <translation>
            <numerusform>%1&#xa0;; %2 sur %n trame était partie, écrivez de nouveau le fichier</numerusform>
            <numerusform>%1&#xa0;; %2 sur %n trames étaient parties, écrivez de nouveau le fichier</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the transmitter does not hold what was sent: %n setting(s) differ(s) (listed above)</source>
        <translation>
            <numerusform>l&apos;émetteur ne contient pas ce qui a été envoyé&#xa0;: %n réglage diffère (liste ci-dessus)</numerusform>
            <numerusform>l&apos;émetteur ne contient pas ce qui a été envoyé&#xa0;: %n réglages diffèrent (liste ci-dessus)</numerusform>
        </translation>
    </message>
    <message>
        <source>sent, but the transmitter did not answer the read-back: nothing was checked</source>
        <translation>envoyé, mais l&apos;émetteur n&apos;a pas répondu à la relecture&#xa0;: rien n&apos;a été vérifié</translation>
    </message>
    <message numerus="yes">
        <source>sent, but the read-back lacked frame(s) %1: their settings are unchecked</source>
        <extracomment>%1 lists the frame numbers (&quot;5, 12&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>envoyé, mais la trame %1 manquait à la relecture&#xa0;: ses réglages ne sont pas vérifiés</numerusform>
            <numerusform>envoyé, mais les trames %1 manquaient à la relecture&#xa0;: leurs réglages ne sont pas vérifiés</numerusform>
        </translation>
    </message>
    <message>
        <source>reading %1: opening</source>
        <extracomment>A line of progress on a terminal; %1 is the port.</extracomment>
        <translation>lecture %1&#xa0;: ouverture</translation>
    </message>
    <message numerus="yes">
        <source>reading %1: %2 of %n blocks</source>
        <extracomment>A line of progress on a terminal: %1 is the port, %2 how many of the %n blocks have come.</extracomment>
        <translation>
            <numerusform>lecture %1&#xa0;: %2 sur %n bloc</numerusform>
            <numerusform>lecture %1&#xa0;: %2 sur %n blocs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>incomplete read, frame(s) %1 missing; no file written</source>
        <extracomment>%1 lists the frame numbers (&quot;5, 12&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>lecture incomplète, trame %1 manquante&#xa0;; aucun fichier écrit</numerusform>
            <numerusform>lecture incomplète, trames %1 manquantes&#xa0;; aucun fichier écrit</numerusform>
        </translation>
    </message>
    <message>
        <source>no telemetry frame arrived; the stick trims are saved centred</source>
        <translation>aucune trame de télémesure reçue&#xa0;; les trims des manches sont enregistrés au neutre</translation>
    </message>
    <message>
        <source>%1 %2 does not fit the file, saved as %3</source>
        <extracomment>%1 is the parameter&apos;s name as the file has it, %2 its value, %3 the value saved.</extracomment>
        <translation>%1 %2 ne tient pas dans le fichier, enregistré avec la valeur %3</translation>
    </message>
    <message>
        <source>nothing sent: not every frame is in place (--partial sends the others)</source>
        <extracomment>--partial is typed so.</extracomment>
        <translation>rien n&apos;a été envoyé&#xa0;: les trames ne sont pas toutes en place (--partial envoie les autres)</translation>
    </message>
    <message>
        <source>%1 %2 out of range, sent as %3</source>
        <extracomment>%1 is the parameter&apos;s name as the file has it, %2 its value, %3 the value sent.</extracomment>
        <translation>%1 %2 hors plage, envoyé avec la valeur %3</translation>
    </message>
    <message>
        <source>damaged (%1); left in place</source>
        <extracomment>%1 says what is wrong with the journal.</extracomment>
        <translation>endommagé (%1)&#xa0;; laissé en place</translation>
    </message>
    <message>
        <source>No command was cut off: the journal is empty.</source>
        <translation>Aucune commande n&apos;a été interrompue&#xa0;: le journal est vide.</translation>
    </message>
    <message>
        <source>nothing sent: no command was cut off</source>
        <translation>rien n&apos;a été envoyé&#xa0;: aucune commande n&apos;a été interrompue</translation>
    </message>
    <message>
        <source>none kept</source>
        <translation>aucun conservé</translation>
    </message>
    <message>
        <source>earlier model: %1</source>
        <extracomment>%1 is the history entry of the model the command replaced. The two lines&apos; values line up.</extracomment>
        <translation>modèle précédent&#xa0;: %1</translation>
    </message>
    <message>
        <source>being sent:    %1</source>
        <extracomment>%1 is the history entry of the model the command was sending. The two lines&apos; values line up.</extracomment>
        <translation>en cours d&apos;envoi&#xa0;: %1</translation>
    </message>
    <message>
        <source>no copy of the earlier model was kept; --resend sends the one that was being sent</source>
        <extracomment>--resend is typed so.</extracomment>
        <translation>aucune copie du modèle précédent n&apos;a été conservée&#xa0;; --resend envoie celui qui était en cours d&apos;envoi</translation>
    </message>
    <message>
        <source>recording %1: opening</source>
        <extracomment>A line of progress on a terminal; %1 is the port.</extracomment>
        <translation>enregistrement %1&#xa0;: ouverture</translation>
    </message>
    <message>
        <source>recording %1: %2 s, %3</source>
        <extracomment>A line of progress on a terminal: %1 is the port, %2 the seconds recorded, %3 how many rows.</extracomment>
        <translation>enregistrement %1&#xa0;: %2 s, %3</translation>
    </message>
    <message>
        <source>%1; %2 kept in %3</source>
        <extracomment>%1 says why the link failed, %2 how many rows were kept, %3 the file.</extracomment>
        <translation>%1&#xa0;; %3 conserve %2</translation>
    </message>
    <message>
        <source>cannot write: %1; %2 kept</source>
        <extracomment>%1 says why the file could not be written, %2 how many rows it kept.</extracomment>
        <translation>écriture impossible&#xa0;: %1&#xa0;; le fichier conserve %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 frame left out: the file ends after %n characters</source>
        <extracomment>%1 is the frame&apos;s letter (S, G, H or I), %n how many characters the file has.</extracomment>
        <translation>
            <numerusform>trame %1 ignorée&#xa0;: le fichier se termine après %n caractère</numerusform>
            <numerusform>trame %1 ignorée&#xa0;: le fichier se termine après %n caractères</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 frame left out: its markers are not in place (&apos;%1&apos; at character %2, &apos;%3&apos; at %4)</source>
        <extracomment>%1 is the frame&apos;s letter (S, G, H or I), which is also its first marker and belongs at character %2; %3 is its last marker, which belongs at character %4.</extracomment>
        <translation>trame %1 ignorée&#xa0;: ses marqueurs ne sont pas en place («&#xa0;%1&#xa0;» au caractère %2, «&#xa0;%3&#xa0;» au caractère %4)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>not a parameter file (it is a folder)</source>
        <translation>pas un fichier de paramètres (c&apos;est un dossier)</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>not a parameter file (no S, G, H or I frame in place)</source>
        <extracomment>S, G, H and I are the frames&apos; letters.</extracomment>
        <translation>pas un fichier de paramètres (aucune trame S, G, H ou I en place)</translation>
    </message>
    <message>
        <source>the port went away (cable pulled?): %1</source>
        <extracomment>%1 says what the system reported.</extracomment>
        <translation>le port a disparu (câble débranché&#xa0;?)&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CompareTable</name>
    <message>
        <source>Setting</source>
        <translation>Réglage</translation>
    </message>
    <message>
        <source>All</source>
        <comment>tick every row</comment>
        <translation>Tout</translation>
    </message>
    <message numerus="yes">
        <source>No settings differ (%n are equal).</source>
        <extracomment>%n is the number of settings that are the same on both sides.</extracomment>
        <translation>
            <numerusform>Aucun réglage ne diffère (%n identique).</numerusform>
            <numerusform>Aucun réglage ne diffère (%n identiques).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s) differ(s), %1 are equal.</source>
        <extracomment>%n is the number of rows below, %1 the number of settings that are the same on both sides.</extracomment>
        <translation>
            <numerusform>%n réglage diffère&#xa0;; les autres (%1) sont identiques.</numerusform>
            <numerusform>%n réglages diffèrent&#xa0;; les autres (%1) sont identiques.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EditorMenus</name>
    <message>
        <source>Revert to the transmitter&apos;s value (%1)</source>
        <extracomment>%1 is the setting&apos;s value as the transmitter holds it.</extracomment>
        <translation>Revenir à la valeur de l&apos;émetteur (%1)</translation>
    </message>
    <message>
        <source>Revert %1</source>
        <extracomment>An undo step; %1 is the setting&apos;s label as the form shows it.</extracomment>
        <translation>Valeur de l&apos;émetteur pour %1</translation>
    </message>
    <message>
        <source>Reset to the factory value (%1)</source>
        <extracomment>%1 is the setting&apos;s factory value.</extracomment>
        <translation>Revenir à la valeur d&apos;usine (%1)</translation>
    </message>
    <message>
        <source>Reset %1</source>
        <extracomment>An undo step; %1 is the setting&apos;s label as the form shows it.</extracomment>
        <translation>Valeur d&apos;usine pour %1</translation>
    </message>
</context>
<context>
    <name>EditorTips</name>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of values, lowest to highest.</extracomment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>none, the transmitter reports it</source>
        <extracomment>The factory value of a read-only field such as the transmitter&apos;s version.</extracomment>
        <translation>aucune, l&apos;émetteur la fournit</translation>
    </message>
    <message>
        <source>On the transmitter: %1</source>
        <extracomment>%1 is the setting&apos;s value as the transmitter holds it.</extracomment>
        <translation>Sur l&apos;émetteur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <extracomment>%1 is what the editor accepts, e.g. &quot;-100 to 100 %&quot; or a list of its choices.</extracomment>
        <translation>Plage&#xa0;: %1</translation>
    </message>
    <message>
        <source>Factory: %1</source>
        <extracomment>%1 is the value the setting takes at a factory reset.</extracomment>
        <translation>Valeur d&apos;usine&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>file</source>
        <comment>view of parameter files</comment>
        <extracomment>The file dialogs&apos; view of parameter files; the patterns after it stay as they are.</extracomment>
        <translation>Fichiers de paramètres</translation>
    </message>
    <message>
        <source>allfile</source>
        <comment>view of every file</comment>
        <extracomment>SAVE&apos;s file-dialog view of every file; the pattern after it stays as it is.</extracomment>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>All file</source>
        <comment>view of every file</comment>
        <extracomment>LOAD&apos;s file-dialog view of every file; the patterns after it stay as they are.</extracomment>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Ouvrir un fichier</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>cut short or not a txconfig draft</source>
        <translation>tronqué ou pas un brouillon txconfig</translation>
    </message>
    <message>
        <source>cannot lock %1</source>
        <extracomment>%1 is the lock file&apos;s path.</extracomment>
        <translation>impossible de verrouiller %1</translation>
    </message>
    <message>
        <source>its settings are cut short</source>
        <translation>ses réglages sont tronqués</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <extracomment>%1 is a path.</extracomment>
        <translation>%1 est un fichier, pas un dossier</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <extracomment>%1 is a path.</extracomment>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>not a parameter file</source>
        <translation>pas un fichier de paramètres</translation>
    </message>
    <message>
        <source>cut short (%1 of 324 bytes)</source>
        <extracomment>Why a history entry cannot be read: %1 is how many bytes it has.</extracomment>
        <translation>tronqué (%1 octets sur 324)</translation>
    </message>
    <message>
        <source>damaged: not every frame is in place</source>
        <translation>endommagé&#xa0;: les trames ne sont pas toutes en place</translation>
    </message>
    <message>
        <source>not a txconfig journal</source>
        <translation>pas un journal txconfig</translation>
    </message>
    <message>
        <source>cut short or damaged</source>
        <translation>tronqué ou endommagé</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>le PDF n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>History not kept</source>
        <extracomment>A notice&apos;s start; &quot;: &quot; and the reason follow.</extracomment>
        <translation>Historique non conservé</translation>
    </message>
    <message>
        <source>Journal not written</source>
        <extracomment>A notice&apos;s start; &quot;: &quot; and the reason follow.</extracomment>
        <translation>Journal non écrit</translation>
    </message>
    <message>
        <source>Journal not closed</source>
        <extracomment>A notice&apos;s start; &quot;: &quot; and the reason follow.</extracomment>
        <translation>Journal non fermé</translation>
    </message>
</context>
<context>
    <name>HistoryEvents</name>
    <message>
        <source>Read</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Before WRITE</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Avant WRITE</translation>
    </message>
    <message>
        <source>After WRITE</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Après WRITE</translation>
    </message>
    <message>
        <source>Before LOAD</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Avant LOAD</translation>
    </message>
    <message>
        <source>After LOAD</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Après LOAD</translation>
    </message>
    <message>
        <source>Before SAVE</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Avant SAVE</translation>
    </message>
    <message>
        <source>After SAVE</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Après SAVE</translation>
    </message>
    <message>
        <source>Before RESET</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Avant RESET</translation>
    </message>
    <message>
        <source>After RESET</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Après RESET</translation>
    </message>
    <message>
        <source>Before DATA RESET</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Avant DATA RESET</translation>
    </message>
    <message>
        <source>After DATA RESET</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>Après DATA RESET</translation>
    </message>
    <message>
        <source>Being sent</source>
        <translation>En cours d&apos;envoi</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>Interrompu</translation>
    </message>
</context>
<context>
    <name>HistoryList</name>
    <message>
        <source>before the interrupted %1</source>
        <extracomment>%1 is the command&apos;s button name (WRITE, LOAD, RESET...), which stays as it is.</extracomment>
        <translation>avant le %1 interrompu</translation>
    </message>
    <message>
        <source>sent by the interrupted %1</source>
        <extracomment>%1 is the command&apos;s button name (WRITE, LOAD, RESET...), which stays as it is.</extracomment>
        <translation>envoyé par le %1 interrompu</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is the event (e.g. &quot;Before WRITE&quot;), %2 what it was to an interrupted command.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Port</source>
        <extracomment>The serial port the transmitter was on.</extracomment>
        <translation>Port</translation>
    </message>
    <message>
        <source>Differs from the form</source>
        <translation>Écarts avec le formulaire</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Restore</source>
        <comment>button</comment>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Save as...</source>
        <comment>button</comment>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment>button</comment>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <extracomment>In the list&apos;s last column; %1 is why the entry cannot be read.</extracomment>
        <translation>endommagée&#xa0;: %1</translation>
    </message>
    <message>
        <source>equal</source>
        <extracomment>In the list&apos;s last column: the entry holds the same settings as the form.</extracomment>
        <translation>identique</translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s)</source>
        <extracomment>In the list&apos;s last column: how many settings of the entry differ from the form.</extracomment>
        <translation>
            <numerusform>%n réglage</numerusform>
            <numerusform>%n réglages</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose an entry to compare it with the form, or two to compare them with each other.</source>
        <translation>Choisissez une entrée pour la comparer au formulaire, ou deux pour les comparer entre elles.</translation>
    </message>
    <message>
        <source>Choose one entry or two.</source>
        <translation>Choisissez une ou deux entrées.</translation>
    </message>
    <message>
        <source>This entry cannot be read: %1.</source>
        <extracomment>%1 is the reason.</extracomment>
        <translation>Cette entrée est illisible&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Form</source>
        <extracomment>Column header over the form&apos;s values.</extracomment>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>The older entry cannot be read: %1.</source>
        <extracomment>%1 is the reason.</extracomment>
        <translation>L&apos;entrée la plus ancienne est illisible&#xa0;: %1.</translation>
    </message>
    <message>
        <source>file (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 holds the file name patterns, which stay as they are.</extracomment>
        <translation>Fichiers de paramètres (%1)</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>%1 n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Speaking %1; a change takes effect at the next start</source>
        <extracomment>Under the list of languages; %1 is the language spoken now, in its own name.</extracomment>
        <translation>Langue actuelle&#xa0;: %1&#xa0;; un changement prend effet au prochain démarrage</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>La langue changera au prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>LinkErrors</name>
    <message>
        <source>the device hung up</source>
        <translation>le périphérique s&apos;est déconnecté</translation>
    </message>
    <message>
        <source>No serial port is listed. Plug the transmitter in; its port appears in the list within a second or two.</source>
        <translation>Aucun port série n&apos;est listé. Branchez l&apos;émetteur&#xa0;; son port apparaît dans la liste en une ou deux secondes.</translation>
    </message>
    <message>
        <source>%1 is not connected. Check the transmitter&apos;s USB cable, or pick another port from the list.</source>
        <extracomment>%1 is the port&apos;s device, e.g. /dev/ttyUSB0.</extracomment>
        <translation>%1 n&apos;est pas connecté. Vérifiez le câble USB de l&apos;émetteur, ou choisissez un autre port dans la liste.</translation>
    </message>
    <message>
        <source>%1 is in use by another program (another txconfig, a terminal program or ModemManager). Close it and press OPEN again.</source>
        <extracomment>%1 is the port&apos;s device. OPEN is the button&apos;s name and stays as it is.</extracomment>
        <translation>%1 est utilisé par un autre programme (un autre txconfig, un programme de terminal ou ModemManager). Fermez-le et appuyez de nouveau sur OPEN.</translation>
    </message>
    <message>
        <source>You have no permission to use %1. Add yourself to the dialout group:

sudo usermod -aG dialout $USER

then log out and log in again.</source>
        <extracomment>%1 is the port&apos;s device. The command line and the group&apos;s name dialout stay as they are.</extracomment>
        <translation>Vous n&apos;avez pas l&apos;autorisation d&apos;utiliser %1. Ajoutez-vous au groupe dialout&#xa0;:

sudo usermod -aG dialout $USER

puis fermez votre session et rouvrez-la.</translation>
    </message>
    <message>
        <source>Cannot open the serial port!</source>
        <extracomment>The first line of the box; what went wrong and what to do follow after a blank line.</extracomment>
        <translation>Impossible d&apos;ouvrir le port série&#xa0;!</translation>
    </message>
    <message>
        <source>no port given</source>
        <extracomment>txconfig-cli says it on a terminal, after the port&apos;s name.</extracomment>
        <translation>aucun port indiqué</translation>
    </message>
    <message>
        <source>no such port (is the transmitter plugged in?)</source>
        <extracomment>txconfig-cli says it on a terminal, after the port&apos;s name.</extracomment>
        <translation>port introuvable (l&apos;émetteur est-il branché&#xa0;?)</translation>
    </message>
    <message>
        <source>busy: another program has the port open</source>
        <extracomment>txconfig-cli says it on a terminal, after the port&apos;s name.</extracomment>
        <translation>occupé&#xa0;: un autre programme a ouvert le port</translation>
    </message>
    <message>
        <source>permission denied (is your user in the dialout group?)</source>
        <extracomment>txconfig-cli says it on a terminal, after the port&apos;s name.</extracomment>
        <translation>permission refusée (votre utilisateur est-il dans le groupe dialout&#xa0;?)</translation>
    </message>
</context>
<context>
    <name>LiveRecording</name>
    <message>
        <source>Cannot record to %1: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Impossible d&apos;enregistrer dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Recording stopped: %1 is gone (deleted, or its folder removed); no rows were kept.</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>Enregistrement arrêté&#xa0;: %1 a disparu (supprimé, ou son dossier retiré)&#xa0;; aucune ligne n&apos;a été conservée.</translation>
    </message>
    <message>
        <source>the file is gone (deleted, or its folder removed)</source>
        <extracomment>Why a recording stopped, where the system gives no reason of its own.</extracomment>
        <translation>le fichier a disparu (supprimé, ou son dossier retiré)</translation>
    </message>
    <message numerus="yes">
        <source>Recording stopped: cannot write %1 (%2); %n row(s) kept.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason, %n the whole rows the file keeps.</extracomment>
        <translation>
            <numerusform>Enregistrement arrêté&#xa0;: impossible d&apos;écrire %1 (%2)&#xa0;; %n ligne conservée.</numerusform>
            <numerusform>Enregistrement arrêté&#xa0;: impossible d&apos;écrire %1 (%2)&#xa0;; %n lignes conservées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n ligne</numerusform>
            <numerusform>%n lignes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LoadPreview</name>
    <message>
        <source>Sending %1 changes these settings on the transmitter. A setting left unticked keeps the transmitter&apos;s value.</source>
        <extracomment>%1 is the parameter file&apos;s name.</extracomment>
        <translation>L&apos;envoi de %1 modifie ces réglages sur l&apos;émetteur. Un réglage laissé non coché garde la valeur de l&apos;émetteur.</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Column header over the file&apos;s values.</extracomment>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <extracomment>Column header over the values the transmitter holds.</extracomment>
        <translation>Émetteur</translation>
    </message>
    <message>
        <source>Send</source>
        <comment>button</comment>
        <translation>Envoyer</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Find...</source>
        <translation>Chercher...</translation>
    </message>
    <message>
        <source>Export sheet...</source>
        <translation>Exporter la fiche...</translation>
    </message>
    <message>
        <source>Sheet written to %1</source>
        <translation>Fiche écrite dans %1</translation>
    </message>
    <message>
        <source>Export sheet</source>
        <translation>Exporter la fiche</translation>
    </message>
    <message>
        <source>the form of %1</source>
        <translation>le formulaire de %1</translation>
    </message>
    <message>
        <source>The sheet could not be written to %1: %2</source>
        <translation>La fiche n&apos;a pas pu être écrite dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The link to %1 was lost (%2). Check the cable, then press OPEN.</source>
        <translation>La liaison avec %1 a été perdue (%2). Vérifiez le câble, puis appuyez sur OPEN.</translation>
    </message>
    <message>
        <source>Closing the window loses them.</source>
        <translation>Elles seront perdues si vous fermez la fenêtre.</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Historique...</translation>
    </message>
    <message>
        <source>Restore from history</source>
        <translation>Restauration depuis l&apos;historique</translation>
    </message>
</context>
<context>
    <name>Meanings</name>
    <message>
        <source>Servo direction of channel %1: REV turns the servo the other way for the same stick.</source>
        <translation>Sens du servo de la voie %1&#xa0;: REV inverse le sens du servo pour un même mouvement du manche.</translation>
    </message>
    <message>
        <source>Sub-trim of channel %1: shifts the servo&apos;s centre so the linkage sits neutral without bending it.</source>
        <translation>Subtrim de la voie %1&#xa0;: décale le neutre du servo pour que la tringlerie soit au neutre sans la forcer.</translation>
    </message>
    <message>
        <source>End point of channel %1 on the left (low) side: how far the servo may travel that way.</source>
        <translation>Fin de course de la voie %1 côté gauche (bas)&#xa0;: jusqu&apos;où le servo peut aller de ce côté.</translation>
    </message>
    <message>
        <source>End point of channel %1 on the right (high) side: how far the servo may travel that way.</source>
        <translation>Fin de course de la voie %1 côté droit (haut)&#xa0;: jusqu&apos;où le servo peut aller de ce côté.</translation>
    </message>
    <message>
        <source>Fail-safe of channel %1: the position the servo goes to when the receiver loses the signal.</source>
        <translation>Fail-safe de la voie %1&#xa0;: la position que prend le servo quand le récepteur perd le signal.</translation>
    </message>
    <message>
        <source>Servo delay of channel %1: slows the servo, for gear doors or flaps that should move gently.</source>
        <translation>Ralentissement du servo de la voie %1&#xa0;: ralentit le servo, pour des trappes de train ou des volets qui doivent bouger en douceur.</translation>
    </message>
    <message>
        <source>Control that drives channel %1: switch SwA or SwB, knob VrA, VrB/SwC, Lock-C, or none (NULL).</source>
        <translation>Commande qui pilote la voie %1&#xa0;: interrupteur SwA ou SwB, potentiomètre VrA, VrB/SwC, Lock-C, ou aucune (NULL).</translation>
    </message>
    <message>
        <source>Channel 1 follows its stick; it has no control to choose (NC).</source>
        <translation>La voie 1 suit son manche&#xa0;; elle n&apos;a pas de commande à choisir (NC).</translation>
    </message>
    <message>
        <source>Channel 2 follows its stick; it has no control to choose (NC).</source>
        <translation>La voie 2 suit son manche&#xa0;; elle n&apos;a pas de commande à choisir (NC).</translation>
    </message>
    <message>
        <source>Channel 3 follows its stick; it has no control to choose (NC).</source>
        <translation>La voie 3 suit son manche&#xa0;; elle n&apos;a pas de commande à choisir (NC).</translation>
    </message>
    <message>
        <source>Channel 4 follows its stick; it has no control to choose (NC).</source>
        <translation>La voie 4 suit son manche&#xa0;; elle n&apos;a pas de commande à choisir (NC).</translation>
    </message>
    <message>
        <source>Dual rate on or off: when on, switch SWA picks the UP or the DOWN rate of each D/R channel.</source>
        <translation>Double débattement activé ou non&#xa0;: s&apos;il est activé, l&apos;interrupteur SWA choisit le débattement UP ou DOWN de chaque voie D/R.</translation>
    </message>
    <message>
        <source>Which dual-rate channel (CH1 to CH4) the D/R rows show and edit.</source>
        <translation>La voie à double débattement (CH1 à CH4) que les lignes D/R affichent et modifient.</translation>
    </message>
    <message>
        <source>The switch that selects the dual rate (SWA).</source>
        <translation>L&apos;interrupteur qui sélectionne le double débattement (SWA).</translation>
    </message>
    <message>
        <source>Dual rate of the channel chosen under CH with the switch UP: stick travel in percent of full.</source>
        <translation>Double débattement de la voie choisie sous CH, interrupteur sur UP&#xa0;: débattement en pourcentage du maximum.</translation>
    </message>
    <message>
        <source>Dual rate of the channel chosen under CH with the switch DOWN: stick travel in percent of full.</source>
        <translation>Double débattement de la voie choisie sous CH, interrupteur sur DOWN&#xa0;: débattement en pourcentage du maximum.</translation>
    </message>
    <message>
        <source>Dual rate of channel %1 with the switch UP: stick travel in percent of full (choose CH%1 under CH).</source>
        <translation>Double débattement de la voie %1, interrupteur sur UP&#xa0;: débattement en pourcentage du maximum (choisissez CH%1 sous CH).</translation>
    </message>
    <message>
        <source>Dual rate of channel %1 with the switch DOWN: stick travel in percent of full (choose CH%1 under CH).</source>
        <translation>Double débattement de la voie %1, interrupteur sur DOWN&#xa0;: débattement en pourcentage du maximum (choisissez CH%1 sous CH).</translation>
    </message>
    <message>
        <source>The switch that selects the dual rate (SWA); the same setting as SW on ADVANCE2.</source>
        <translation>L&apos;interrupteur qui sélectionne le double débattement (SWA)&#xa0;; le même réglage que SW dans ADVANCE2.</translation>
    </message>
    <message>
        <source>The channel that sends the attitude (flight mode) position, CH5 to CH8, or OFF.</source>
        <translation>La voie qui transmet la position d&apos;attitude (mode de vol), CH5 à CH8, ou OFF.</translation>
    </message>
    <message>
        <source>Output of the attitude channel in flight-mode position %1.</source>
        <translation>Sortie de la voie d&apos;attitude en position de mode de vol %1.</translation>
    </message>
    <message>
        <source>Elevon mix on or off, for flying wings: aileron and elevator both drive the two wing servos.</source>
        <translation>Mixage élevon activé ou non, pour les ailes volantes&#xa0;: ailerons et profondeur commandent tous deux les deux servos d&apos;aile.</translation>
    </message>
    <message>
        <source>Elevon: how much aileron moves the first wing servo (AILE1).</source>
        <translation>Élevon&#xa0;: taux des ailerons sur le premier servo d&apos;aile (AILE1).</translation>
    </message>
    <message>
        <source>Elevon: how much aileron moves the second wing servo (AILE2).</source>
        <translation>Élevon&#xa0;: taux des ailerons sur le second servo d&apos;aile (AILE2).</translation>
    </message>
    <message>
        <source>Elevon: how much elevator moves the second wing servo (ELEV2).</source>
        <translation>Élevon&#xa0;: taux de la profondeur sur le second servo d&apos;aile (ELEV2).</translation>
    </message>
    <message>
        <source>Elevon: how much elevator moves the first wing servo (ELEV1).</source>
        <translation>Élevon&#xa0;: taux de la profondeur sur le premier servo d&apos;aile (ELEV1).</translation>
    </message>
    <message>
        <source>Elevon: the second amount on the AILE1 row, for the first wing servo.</source>
        <translation>Élevon&#xa0;: le second taux de la ligne AILE1, pour le premier servo d&apos;aile.</translation>
    </message>
    <message>
        <source>Elevon: the second amount on the AILE2 row, for the second wing servo.</source>
        <translation>Élevon&#xa0;: le second taux de la ligne AILE2, pour le second servo d&apos;aile.</translation>
    </message>
    <message>
        <source>V-tail mix on or off: elevator and rudder both drive the two tail servos.</source>
        <translation>Mixage empennage en V activé ou non&#xa0;: profondeur et direction commandent toutes deux les deux servos d&apos;empennage.</translation>
    </message>
    <message>
        <source>V-tail: how much elevator moves the first tail servo (ELEV1).</source>
        <translation>Empennage en V&#xa0;: taux de la profondeur sur le premier servo d&apos;empennage (ELEV1).</translation>
    </message>
    <message>
        <source>V-tail: how much elevator moves the second tail servo (ELEV2).</source>
        <translation>Empennage en V&#xa0;: taux de la profondeur sur le second servo d&apos;empennage (ELEV2).</translation>
    </message>
    <message>
        <source>V-tail: how much rudder moves the second tail servo (RUDD2).</source>
        <translation>Empennage en V&#xa0;: taux de la direction sur le second servo d&apos;empennage (RUDD2).</translation>
    </message>
    <message>
        <source>V-tail: how much rudder moves the first tail servo (RUDD1).</source>
        <translation>Empennage en V&#xa0;: taux de la direction sur le premier servo d&apos;empennage (RUDD1).</translation>
    </message>
    <message>
        <source>Dual rate on or off; the same setting as MIX on ADVANCE1.</source>
        <translation>Double débattement activé ou non&#xa0;; le même réglage que MIX dans ADVANCE1.</translation>
    </message>
    <message>
        <source>Which dual-rate channel RATE and EXP show; the same setting as CH on ADVANCE1.</source>
        <translation>La voie à double débattement qu&apos;affichent RATE et EXP&#xa0;; le même réglage que CH dans ADVANCE1.</translation>
    </message>
    <message>
        <source>Which switch position (UP or DOWN) RATE and EXP show and edit.</source>
        <translation>La position d&apos;interrupteur (UP ou DOWN) que RATE et EXP affichent et modifient.</translation>
    </message>
    <message>
        <source>Dual rate of the channel under CH at the switch position under POSI: stick travel in percent of full.</source>
        <translation>Double débattement de la voie indiquée sous CH, à la position d&apos;interrupteur indiquée sous POSI&#xa0;: débattement en pourcentage du maximum.</translation>
    </message>
    <message>
        <source>Exponential of the channel under CH at the position under POSI: softens or sharpens the stick around centre.</source>
        <translation>Exponentiel de la voie indiquée sous CH, à la position indiquée sous POSI&#xa0;: adoucit ou durcit le manche autour du neutre.</translation>
    </message>
    <message>
        <source>Exponential of channel %1 with the switch UP: softens or sharpens the stick around centre.</source>
        <translation>Exponentiel de la voie %1, interrupteur sur UP&#xa0;: adoucit ou durcit le manche autour du neutre.</translation>
    </message>
    <message>
        <source>Exponential of channel %1 with the switch DOWN: softens or sharpens the stick around centre.</source>
        <translation>Exponentiel de la voie %1, interrupteur sur DOWN&#xa0;: adoucit ou durcit le manche autour du neutre.</translation>
    </message>
    <message>
        <source>Throttle curve on or off: when on, the seven points shape the throttle&apos;s response to the stick.</source>
        <translation>Courbe des gaz activée ou non&#xa0;: si elle est activée, ses sept points définissent la réponse des gaz au manche.</translation>
    </message>
    <message>
        <source>Throttle curve point %1 of 7: the throttle output at that stick position, from low stick to high.</source>
        <translation>Point %1 sur 7 de la courbe des gaz&#xa0;: la sortie des gaz à cette position du manche, du manche en bas au manche en haut.</translation>
    </message>
    <message>
        <source>A throttle-curve value the transmitter keeps with the curve; no row of the form shows it.</source>
        <translation>Une valeur de courbe des gaz que l&apos;émetteur garde avec la courbe&#xa0;; aucune ligne du formulaire ne l&apos;affiche.</translation>
    </message>
    <message>
        <source>Programmable mix %1: INH not in use, OFF set up but switched off, ON mixing.</source>
        <translation>Mixage programmable %1&#xa0;: INH inutilisé, OFF configuré mais coupé, ON mixage actif.</translation>
    </message>
    <message>
        <source>Programmable mix %1: the master channel, whose movement is mixed in.</source>
        <translation>Mixage programmable %1&#xa0;: la voie maître, dont le mouvement est mixé.</translation>
    </message>
    <message>
        <source>Programmable mix %1: the slave channel, which follows the master as well as its own control.</source>
        <translation>Mixage programmable %1&#xa0;: la voie esclave, qui suit la voie maître en plus de sa propre commande.</translation>
    </message>
    <message>
        <source>Programmable mix %1: the offset, the master&apos;s position where the mix starts.</source>
        <translation>Mixage programmable %1&#xa0;: le décalage (offset), la position de la voie maître où le mixage commence.</translation>
    </message>
    <message>
        <source>Programmable mix %1: how much the slave moves as the master moves up.</source>
        <translation>Mixage programmable %1&#xa0;: le débattement de la voie esclave quand la voie maître monte.</translation>
    </message>
    <message>
        <source>Programmable mix %1: how much the slave moves as the master moves down.</source>
        <translation>Mixage programmable %1&#xa0;: le débattement de la voie esclave quand la voie maître descend.</translation>
    </message>
    <message>
        <source>Transmitter battery alarm: the transmitter warns when its battery falls below this voltage.</source>
        <translation>Alarme batterie de l&apos;émetteur&#xa0;: l&apos;émetteur avertit quand sa batterie descend sous cette tension.</translation>
    </message>
    <message>
        <source>Receiver battery alarm: warns when the receiver&apos;s battery, reported by telemetry, falls below this.</source>
        <translation>Alarme batterie du récepteur&#xa0;: avertit quand la batterie du récepteur, transmise par télémesure, descend sous ce seuil.</translation>
    </message>
    <message>
        <source>External voltage alarm: warns when the voltage the receiver measures (flight pack) falls below this.</source>
        <translation>Alarme de tension externe&#xa0;: avertit quand la tension mesurée par le récepteur (accu de propulsion) descend sous ce seuil.</translation>
    </message>
    <message>
        <source>Signal-strength alarm: warns when the receiver&apos;s signal falls below this level.</source>
        <translation>Alarme de force du signal&#xa0;: avertit quand le signal du récepteur descend sous ce niveau.</translation>
    </message>
    <message>
        <source>Stick mode 1 to 4: which stick works throttle, elevator, rudder and aileron.</source>
        <translation>Mode des manches 1 à 4&#xa0;: quel manche commande les gaz, la profondeur, la direction et les ailerons.</translation>
    </message>
    <message>
        <source>The transmitter&apos;s firmware version, as it reports it; it is not sent back.</source>
        <translation>La version du firmware de l&apos;émetteur, telle qu&apos;il l&apos;indique&#xa0;; elle n&apos;est pas renvoyée.</translation>
    </message>
    <message>
        <source>The version of the transmitter&apos;s protocol this program speaks.</source>
        <translation>La version du protocole de l&apos;émetteur utilisée par ce programme.</translation>
    </message>
    <message>
        <source>Stick trim %1 as the transmitter keeps it: the trim buttons move it, 0 is centre.</source>
        <translation>Trim de manche %1 tel que l&apos;émetteur le garde&#xa0;: les boutons de trim le déplacent, 0 est le neutre.</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>crans</translation>
    </message>
</context>
<context>
    <name>ModelSheet</name>
    <message>
        <source>Model sheet</source>
        <extracomment>The PDF&apos;s title, as a viewer shows it.</extracomment>
        <translation>Fiche du modèle</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Transmitter version</source>
        <translation>Version de l&apos;émetteur</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>inconnue</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n settings differ from the factory values; they are in &lt;b&gt;bold&lt;/b&gt;.</source>
        <extracomment>%1 is how many of the %n settings differ; keep the &lt;b&gt; tags around the word for bold.</extracomment>
        <translation>
            <numerusform>Réglages différents des valeurs d&apos;usine&#xa0;: %1 sur %n, en &lt;b&gt;gras&lt;/b&gt;.</numerusform>
            <numerusform>Réglages différents des valeurs d&apos;usine&#xa0;: %1 sur %n, en &lt;b&gt;gras&lt;/b&gt;.</numerusform>
        </translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Réglage</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Valeur d&apos;usine</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <extracomment>The foot of each printed page: %1 is the page, %2 how many there are.</extracomment>
        <translation>page %1 sur %2</translation>
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
        <translation>Moniteur...</translation>
    </message>
    <message>
        <source>Record...</source>
        <translation>Enregistrer...</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>CSV file (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 holds the file name pattern, which stays as it is.</extracomment>
        <translation>Fichier CSV (%1)</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The title of the file dialog that asks where to record.</extracomment>
        <translation>Enregistrer</translation>
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
        <translation>Moniteur</translation>
    </message>
    <message>
        <source>Freeze the graph; the frames keep being kept (Space)</source>
        <translation>Figer le graphique&#xa0;; les trames continuent d&apos;être conservées (Espace)</translation>
    </message>
    <message>
        <source>last %1 s</source>
        <extracomment>The graph&apos;s span, %1 a number of seconds; keep %1 exactly once.</extracomment>
        <translation>%1 dernières s</translation>
    </message>
    <message>
        <source>How many seconds the graph shows</source>
        <translation>Nombre de secondes affichées par le graphique</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment>button</comment>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>button</comment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Record...</source>
        <comment>button</comment>
        <translation>Enregistrer...</translation>
    </message>
    <message>
        <source>End the recording</source>
        <translation>Terminer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Record every frame to a CSV file</source>
        <translation>Enregistrer chaque trame dans un fichier CSV</translation>
    </message>
    <message numerus="yes">
        <source>Recording %1: %2, %n row(s)</source>
        <extracomment>%1 is the file&apos;s name, %2 the time recorded (minutes:seconds), %n the rows taken so far.</extracomment>
        <translation>
            <numerusform>Enregistrement %1&#xa0;: %2, %n ligne</numerusform>
            <numerusform>Enregistrement %1&#xa0;: %2, %n lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recorded %n row(s) to %1</source>
        <extracomment>%1 is the file; %n the rows it holds.</extracomment>
        <translation>
            <numerusform>%n ligne enregistrée dans %1</numerusform>
            <numerusform>%n lignes enregistrées dans %1</numerusform>
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
        <translation>Sur l&apos;émetteur&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s)
not on the transmitter</source>
        <extracomment>Beside the tabs, in two short lines.</extracomment>
        <translation>
            <numerusform>%n réglage
absent de l&apos;émetteur</numerusform>
            <numerusform>%n réglages
absents de l&apos;émetteur</numerusform>
        </translation>
    </message>
    <message>
        <source>Settings on this page are not on the transmitter</source>
        <translation>Des réglages de cette page ne sont pas sur l&apos;émetteur</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The form holds edits that are neither on the transmitter nor in a file.

%1</source>
        <extracomment>%1 says what the command about to run does to the edits.</extracomment>
        <translation>Le formulaire contient des modifications qui ne sont ni sur l&apos;émetteur ni dans un fichier.

%1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A list of frame letters: %1 is &quot;S&quot; or &quot;S, G&quot;, %2 the last letter (&quot;S, G and H&quot;).</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 is damaged: its %2 frame(s) cannot be read.</source>
        <extracomment>%1 is the file, %2 the letters of its damaged frames (S, G, H, I); the count picks &quot;frame(s)&quot;.</extracomment>
        <translation>
            <numerusform>%1 est endommagé&#xa0;: sa trame %2 est illisible.</numerusform>
            <numerusform>%1 est endommagé&#xa0;: ses trames %2 sont illisibles.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Load the %1 frame(s) and send them to the transmitter? The settings of the damaged frames keep the form&apos;s values.</source>
        <extracomment>%1 is the letters of the frames that can be read.</extracomment>
        <translation>
            <numerusform>Charger la trame %1 et l&apos;envoyer à l&apos;émetteur&#xa0;? Les réglages des trames endommagées gardent les valeurs du formulaire.</numerusform>
            <numerusform>Charger les trames %1 et les envoyer à l&apos;émetteur&#xa0;? Les réglages des trames endommagées gardent les valeurs du formulaire.</numerusform>
        </translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Reset the transmitter to factory settings? The model on the transmitter will be replaced.</source>
        <translation>Remettre l&apos;émetteur aux réglages d&apos;usine&#xa0;? Le modèle de l&apos;émetteur sera remplacé.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>The form holds a mix: the last READ was incomplete, so some settings are the transmitter&apos;s and the others are what the form held before.</source>
        <translation>Le formulaire contient un mélange&#xa0;: le dernier READ était incomplet, donc certains réglages sont ceux de l&apos;émetteur et les autres sont ceux que le formulaire contenait avant.</translation>
    </message>
    <message>
        <source>The form holds the program&apos;s start-up values: nothing has been read from the transmitter or loaded from a file yet.</source>
        <translation>Le formulaire contient les valeurs de démarrage du programme&#xa0;: rien n&apos;a encore été lu depuis l&apos;émetteur ni chargé depuis un fichier.</translation>
    </message>
    <message>
        <source>%1

Write them anyway? The whole model on the transmitter will be replaced, trims, mixes and curves included.</source>
        <extracomment>%1 says where the form&apos;s values came from.</extracomment>
        <translation>%1

Les écrire quand même&#xa0;? Tout le modèle de l&apos;émetteur sera remplacé, trims, mixages et courbes compris.</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écrire</translation>
    </message>
</context>
<context>
    <name>ReadAnswer</name>
    <message>
        <source>%1 and %2</source>
        <comment>frame numbers</comment>
        <extracomment>A list of frame numbers: %1 is &quot;4&quot; or &quot;4, 7&quot;, %2 the last number (&quot;4, 7 and 17&quot;).</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message numerus="yes">
        <source>frame(s) %1 did not arrive</source>
        <extracomment>%1 lists the frame numbers (&quot;17 and 18&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>trame %1 non reçue</numerusform>
            <numerusform>trames %1 non reçues</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>frame(s) %1 came twice with different values</source>
        <extracomment>%1 lists the frame numbers (&quot;5&quot; or &quot;5 and 9&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>trame %1 reçue deux fois avec des valeurs différentes</numerusform>
            <numerusform>trames %1 reçues deux fois avec des valeurs différentes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two gaps of an answer</comment>
        <extracomment>Both things a read&apos;s answer lacks: %1 the frames that did not arrive, %2 those that came twice.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message numerus="yes">
        <source>The transmitter did not answer the read request (asked %n times). The form still holds the values it had; WRITE will ask before sending them.</source>
        <extracomment>%n is how many times the read request went out. WRITE is the button&apos;s name and stays as it is.</extracomment>
        <translation>
            <numerusform>L&apos;émetteur n&apos;a pas répondu à la demande de lecture (envoyée %n fois). Le formulaire garde les valeurs qu&apos;il avait&#xa0;; WRITE demandera confirmation avant de les envoyer.</numerusform>
            <numerusform>L&apos;émetteur n&apos;a pas répondu à la demande de lecture (envoyée %n fois). Le formulaire garde les valeurs qu&apos;il avait&#xa0;; WRITE demandera confirmation avant de les envoyer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transmitter&apos;s answer was incomplete: %1 (asked %n times).

The form now holds a mix: the settings of the frames that came are the transmitter&apos;s, the others are what the form held before. WRITE will ask before sending them.</source>
        <extracomment>%1 says what is missing (&quot;frames 17 and 18 did not arrive&quot;), %n how many times the read request went out. WRITE is the button&apos;s name and stays as it is.</extracomment>
        <translation>
            <numerusform>La réponse de l&apos;émetteur était incomplète&#xa0;: %1 (demande envoyée %n fois).

Le formulaire contient maintenant un mélange&#xa0;: les réglages des trames reçues sont ceux de l&apos;émetteur, les autres sont ceux que le formulaire contenait avant. WRITE demandera confirmation avant de les envoyer.</numerusform>
            <numerusform>La réponse de l&apos;émetteur était incomplète&#xa0;: %1 (demande envoyée %n fois).

Le formulaire contient maintenant un mélange&#xa0;: les réglages des trames reçues sont ceux de l&apos;émetteur, les autres sont ceux que le formulaire contenait avant. WRITE demandera confirmation avant de les envoyer.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReadBack</name>
    <message>
        <source>%1: form %2, transmitter %3</source>
        <extracomment>%1 is the setting as the form labels it, %2 the form&apos;s value, %3 the transmitter&apos;s.</extracomment>
        <translation>%1&#xa0;: formulaire %2, émetteur %3</translation>
    </message>
    <message>
        <source>The settings were sent, but the transmitter did not answer the read-back, so they could not be checked.</source>
        <translation>Les réglages ont été envoyés, mais l&apos;émetteur n&apos;a pas répondu à la relecture&#xa0;: ils n&apos;ont donc pas pu être vérifiés.</translation>
    </message>
    <message numerus="yes">
        <source>The transmitter does not hold what was sent. %n setting(s) differ(s):</source>
        <extracomment>Followed by one line per setting that differs.</extracomment>
        <translation>
            <numerusform>L&apos;émetteur ne contient pas ce qui a été envoyé. %n réglage diffère&#xa0;:</numerusform>
            <numerusform>L&apos;émetteur ne contient pas ce qui a été envoyé. %n réglages diffèrent&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>The read-back was incomplete (%1), so the settings of those frames could not be checked.</source>
        <extracomment>%1 says what the read-back lacks (&quot;frame 5 did not arrive&quot;).</extracomment>
        <translation>La relecture était incomplète (%1)&#xa0;: les réglages de ces trames n&apos;ont donc pas pu être vérifiés.</translation>
    </message>
    <message>
        <source>The form keeps your values; WRITE sends them again.</source>
        <extracomment>WRITE is the button&apos;s name and stays as it is.</extracomment>
        <translation>Le formulaire garde vos valeurs&#xa0;; WRITE les renvoie.</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Restore draft</source>
        <translation>Restauration du brouillon</translation>
    </message>
    <message>
        <source>Edits not kept as a draft in %1</source>
        <translation>Modifications non conservées en brouillon dans %1</translation>
    </message>
    <message>
        <source>A draft of earlier edits is damaged (%1): %2. It was left in place.</source>
        <translation>Un brouillon de modifications antérieures est endommagé (%1)&#xa0;: %2. Il a été laissé en place.</translation>
    </message>
    <message>
        <source>The last %1 did not finish; open the port to check the transmitter.</source>
        <extracomment>%1 is the command&apos;s name as on its button (WRITE, LOAD...).</extracomment>
        <translation>Le dernier %1 ne s&apos;est pas terminé&#xa0;; ouvrez le port pour vérifier l&apos;émetteur.</translation>
    </message>
    <message>
        <source>The journal of an earlier command is damaged (%1): %2. It was left in place.</source>
        <extracomment>%1 says what is wrong with the file, %2 is its path.</extracomment>
        <translation>Le journal d&apos;une commande antérieure est endommagé (%1)&#xa0;: %2. Il a été laissé en place.</translation>
    </message>
    <message>
        <source>%1 The transmitter may now hold part of it and part of the model it replaced.</source>
        <extracomment>%1 says which command was cut off, when and on which port.</extracomment>
        <translation>%1 L&apos;émetteur peut maintenant contenir une partie de l&apos;envoi et une partie du modèle qu&apos;il remplaçait.</translation>
    </message>
    <message>
        <source>Restore the earlier model</source>
        <translation>Restaurer le modèle précédent</translation>
    </message>
    <message>
        <source>Send it again</source>
        <translation>Le renvoyer</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Pas maintenant</translation>
    </message>
    <message>
        <source>Edits made at %1 were neither sent nor saved when the program ended.</source>
        <extracomment>%1 is the time of day of the last edit.</extracomment>
        <translation>Les modifications faites à %1 n&apos;avaient été ni envoyées ni enregistrées à la fermeture du programme.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>No copy of the earlier model was kept (&quot;Send anyway&quot; was chosen), so it cannot be restored.</source>
        <translation>Aucune copie du modèle précédent n&apos;a été conservée («&#xa0;Envoyer quand même&#xa0;» a été choisi)&#xa0;: il ne peut donc pas être restauré.</translation>
    </message>
    <message>
        <source>The copy of the earlier model cannot be read (%1: %2).</source>
        <extracomment>%1 is the copy&apos;s file name, %2 why it cannot be read.</extracomment>
        <translation>La copie du modèle précédent est illisible (%1&#xa0;: %2).</translation>
    </message>
    <message>
        <source>Checked: the transmitter holds the model sent; the interrupted %1 is mended.</source>
        <extracomment>%1 is the command&apos;s name as on its button (WRITE, LOAD, RESET...).</extracomment>
        <translation>Vérifié&#xa0;: l&apos;émetteur contient le modèle envoyé&#xa0;; le %1 interrompu est réparé.</translation>
    </message>
    <message>
        <source>no copy was kept</source>
        <translation>aucune copie n&apos;a été conservée</translation>
    </message>
    <message>
        <source>The model the %1 was sending cannot be read (%2: %3). Nothing was sent.</source>
        <extracomment>%1 is the command (WRITE, LOAD...), %2 the copy&apos;s path, %3 why it cannot be read.</extracomment>
        <translation>Le modèle que le %1 envoyait est illisible (%2&#xa0;: %3). Rien n&apos;a été envoyé.</translation>
    </message>
    <message numerus="yes">
        <source>The last %1 (started %2 on %3, %4 of %n frames sent) did not finish.</source>
        <extracomment>%1 is the command&apos;s name as on its button (WRITE, LOAD...), %2 the time it started, %3 the port, %4 how many of its %n frames had gone out.</extracomment>
        <translation>
            <numerusform>Le dernier %1 (commencé à %2 sur %3, %4 sur %n trame envoyée) ne s&apos;est pas terminé.</numerusform>
            <numerusform>Le dernier %1 (commencé à %2 sur %3, %4 sur %n trames envoyées) ne s&apos;est pas terminé.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingFinder</name>
    <message>
        <source>Find a setting: label, meaning or name</source>
        <translation>Chercher un réglage&#xa0;: libellé, signification ou nom</translation>
    </message>
    <message>
        <source>Find a setting</source>
        <translation>Chercher un réglage</translation>
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
        <translation>Afficher les réglages absents de l&apos;émetteur (Ctrl+D)</translation>
    </message>
    <message>
        <source>Views</source>
        <extracomment>A button over a menu of windows (History, Changes, Monitor...).</extracomment>
        <translation>Vues</translation>
    </message>
    <message>
        <source>Windows beside the form</source>
        <translation>Fenêtres à côté du formulaire</translation>
    </message>
</context>
<context>
    <name>txconfig</name>
    <message>
        <source>Reads, edits, saves and writes the settings of an eight-channel radio-control transmitter over a serial port.
Qt&apos;s own options, such as -platform and -style, are accepted too (--help-all lists them).</source>
        <translation>Lit, modifie, enregistre et écrit les réglages d&apos;un émetteur de radiocommande à huit voies par un port série.
Les options propres à Qt, comme -platform et -style, sont aussi acceptées (--help-all les liste).</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Affiche l&apos;aide, options propres à Qt comprises.</translation>
    </message>
    <message>
        <source>%1: ignoring &apos;%2&apos;: no files are opened from the command line.
</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» ignoré&#xa0;: aucun fichier n&apos;est ouvert depuis la ligne de commande.
</translation>
    </message>
    <message>
        <source>Speaks the language CODE (de, es, fr, ru, zh_CN or en) instead of the one chosen under Views or the system&apos;s.</source>
        <translation>Parle la langue CODE (de, es, fr, ru, zh_CN ou en) au lieu de celle choisie sous Vues ou de celle du système.</translation>
    </message>
</context>
</TS>
