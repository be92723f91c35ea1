<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Changes</name>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Changes...</source>
        <translation>Изменения...</translation>
    </message>
    <message numerus="yes">
        <source>Revert %n setting(s)</source>
        <extracomment>An undo step.</extracomment>
        <translation>
            <numerusform>возврат %n настройки</numerusform>
            <numerusform>возврат %n настроек</numerusform>
            <numerusform>возврат %n настроек</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChangesWindow</name>
    <message>
        <source>Changes</source>
        <translation>Изменения</translation>
    </message>
    <message>
        <source>Revert</source>
        <comment>button</comment>
        <translation>Вернуть</translation>
    </message>
    <message>
        <source>Put the transmitter&apos;s values of the ticked settings back into the form</source>
        <translation>Вернуть в форму значения передатчика для отмеченных настроек</translation>
    </message>
    <message>
        <source>What the transmitter holds is not known yet: READ it, or send the form to it.</source>
        <extracomment>READ is the name of the form&apos;s button and stays as it is.</extracomment>
        <translation>Содержимое передатчика пока неизвестно: выполните READ или отправьте в него форму.</translation>
    </message>
    <message>
        <source>Form</source>
        <extracomment>Column header over the form&apos;s values.</extracomment>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <extracomment>Column header over the values the transmitter holds.</extracomment>
        <translation>Передатчик</translation>
    </message>
</context>
<context>
    <name>CommandKeys</name>
    <message>
        <source>Open or close the port chosen beside it</source>
        <translation>Открыть или закрыть порт, выбранный рядом</translation>
    </message>
    <message>
        <source>Read the transmitter&apos;s settings</source>
        <translation>Считать настройки передатчика</translation>
    </message>
    <message>
        <source>Load a parameter file and send it to the transmitter</source>
        <translation>Загрузить файл параметров и отправить его в передатчик</translation>
    </message>
    <message>
        <source>Write the form&apos;s settings to the transmitter</source>
        <translation>Записать настройки формы в передатчик</translation>
    </message>
    <message>
        <source>Save the form&apos;s settings to a file and send them</source>
        <translation>Сохранить настройки формы в файл и отправить их в передатчик</translation>
    </message>
    <message>
        <source>Reset the transmitter to factory settings</source>
        <translation>Сбросить передатчик к заводским настройкам</translation>
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
        <translation>Не удаётся прочитать указанный файл!</translation>
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
        <translation>ОШИБКА</translation>
    </message>
    <message>
        <source>Saved to %1; the transmitter holds every setting sent.</source>
        <translation>Сохранено в %1; в передатчике записаны все отправленные настройки.</translation>
    </message>
    <message>
        <source>LOAD replaces them with the settings of a file.</source>
        <translation>LOAD заменит их настройками из файла.</translation>
    </message>
    <message>
        <source>not a parameter file, none of its S, G, H and I frames is in place. Nothing was loaded or sent.</source>
        <translation>не файл параметров: ни одного из кадров S, G, H и I нет на месте. Ничего не загружено и не отправлено.</translation>
    </message>
    <message>
        <source>LOAD %1</source>
        <extracomment>An undo step: LOAD stays as on its button, %1 is the file&apos;s name.</extracomment>
        <translation>LOAD %1</translation>
    </message>
    <message>
        <source>Loaded %1; the transmitter holds every setting sent.</source>
        <translation>Загружен файл %1; в передатчике записаны все отправленные настройки.</translation>
    </message>
    <message>
        <source>Please open the serial port!</source>
        <translation>Откройте последовательный порт!</translation>
    </message>
    <message>
        <source>READ replaces them with the transmitter&apos;s settings.</source>
        <translation>READ заменит их настройками из передатчика.</translation>
    </message>
    <message>
        <source>History not kept</source>
        <translation>История не сохранена</translation>
    </message>
    <message>
        <source>WRITE checked: the transmitter holds every setting sent.</source>
        <translation>Проверка после WRITE: в передатчике записаны все отправленные настройки.</translation>
    </message>
    <message>
        <source>%1 checked: the transmitter holds the factory settings.</source>
        <extracomment>%1 is RESET or DATA RESET, as on the buttons.</extracomment>
        <translation>Проверка после %1: в передатчике заводские настройки.</translation>
    </message>
    <message>
        <source>The transmitter&apos;s current settings could not be read, so no copy of them can be kept before they are replaced.</source>
        <translation>Не удалось считать текущие настройки передатчика, поэтому сохранить их копию перед заменой невозможно.</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Всё равно отправить</translation>
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
        <translation>Резервное копирование, восстановление, просмотр и сравнение моделей передатчика.</translation>
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
        <translation>Команды:
  dump FILE [--json]          все параметры из файла параметров, в виде ИМЯ ЗНАЧЕНИЕ
  diff A B [--json]           параметры с разными значениями, в виде ИМЯ ЗНАЧЕНИЕ-A ЗНАЧЕНИЕ-B
  read --port PORT -o FILE    считать модель из передатчика в файл параметров
  write --port PORT FILE      отправить файл параметров в передатчик, затем считать обратно и
                              сравнить (--no-verify отключает проверку); заменяемая модель сначала
                              считывается и сохраняется в истории (--no-backup отключает это)
  history [--json]            модели, сохранённые в истории, от новых к старым, с номерами
  record --port PORT -o FILE.csv [--seconds N]
                              текущие выходы каналов, напряжения и уровень сигнала в CSV-файл,
                              по строке на кадр, N секунд или до прерывания (Ctrl+C)
  sheet FILE -o OUT           лист настроек модели для печати: каждая настройка со своим значением
                              и заводским значением, в OUT.pdf или, по расширению, в OUT.html
  recover                     описать команду WRITE (или LOAD, SAVE, RESET в окне), прерванную
                              на полпути, если такая есть
  recover --port PORT --restore | --resend
                              отправить модель, сохранённую до неё, или ту, которую она отправляла,
                              затем считать обратно и сравнить</translation>
    </message>
    <message>
        <source>FILE may be @N, the N-th newest entry of the history (@1 the newest).</source>
        <extracomment>FILE, @N and @1 are typed so and stay as they are.</extracomment>
        <translation>Вместо FILE можно указать @N — N-ю по новизне запись истории (@1 — самая новая).</translation>
    </message>
    <message>
        <source>Exit codes: 0 success (diff: the files are equal); 1 diff: they differ, read: blocks missing
(no file written), write, recover: the transmitter does not hold what was sent; 2 an error (a message on
stderr names the file or port and why; a recording keeps the rows written until then).</source>
        <extracomment>The exit codes 0, 1 and 2 and the command names diff, read, write, recover stay as they are.</extracomment>
        <translation>Коды выхода: 0 успех (diff: файлы одинаковы); 1 diff: файлы различаются, read: не хватает блоков
(файл не записан), write, recover: в передатчике не то, что было отправлено; 2 ошибка (сообщение в
stderr называет файл или порт и причину; при записи сохраняются строки, записанные до этого момента).</translation>
    </message>
    <message>
        <source>The transmitter&apos;s serial port (read, write, record, recover).</source>
        <translation>Последовательный порт передатчика (read, write, record, recover).</translation>
    </message>
    <message>
        <source>port</source>
        <comment>value of an option</comment>
        <extracomment>The value --port takes, as --help shows it.</extracomment>
        <translation>порт</translation>
    </message>
    <message>
        <source>The parameter file (read), CSV file (record) or sheet (sheet) to write.</source>
        <translation>Записываемый файл параметров (read), CSV-файл (record) или лист настроек (sheet).</translation>
    </message>
    <message>
        <source>file</source>
        <comment>value of an option</comment>
        <extracomment>The value -o takes, as --help shows it.</extracomment>
        <translation>файл</translation>
    </message>
    <message>
        <source>How many seconds to record (record).</source>
        <translation>Сколько секунд вести запись (record).</translation>
    </message>
    <message>
        <source>N</source>
        <comment>value of an option</comment>
        <extracomment>The value --seconds takes, as --help shows it.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>One JSON object instead of lines (dump, diff).</source>
        <translation>Один объект JSON вместо строк (dump, diff).</translation>
    </message>
    <message>
        <source>Send the frames that are in place even if others are not (write).</source>
        <translation>Отправить целые кадры, даже если остальные повреждены или отсутствуют (write).</translation>
    </message>
    <message>
        <source>Do not read the model back after sending it (write).</source>
        <translation>Не считывать модель обратно после отправки (write).</translation>
    </message>
    <message>
        <source>Do not read and keep the transmitter&apos;s model before sending (write).</source>
        <translation>Не считывать и не сохранять модель передатчика перед отправкой (write).</translation>
    </message>
    <message>
        <source>Send the model kept before the command cut off (recover).</source>
        <translation>Отправить модель, сохранённую перед прерванной командой (recover).</translation>
    </message>
    <message>
        <source>Send the model the command cut off was sending (recover).</source>
        <translation>Отправить модель, которую отправляла прерванная команда (recover).</translation>
    </message>
    <message>
        <source>Speak the language CODE (de, es, fr, ru, zh_CN or en) instead of the system&apos;s; what scripts read stays English.</source>
        <translation>Использовать язык КОД (de, es, fr, ru, zh_CN или en) вместо системного; то, что читают скрипты, остаётся на английском.</translation>
    </message>
    <message>
        <source>CODE</source>
        <comment>value of an option</comment>
        <extracomment>The value --lang takes, as --help shows it.</extracomment>
        <translation>КОД</translation>
    </message>
    <message>
        <source>command</source>
        <comment>argument&apos;s name</comment>
        <extracomment>The name --help shows for the first word after the program&apos;s name.</extracomment>
        <translation>команда</translation>
    </message>
    <message>
        <source>dump, diff, read, write, history, record, sheet or recover.</source>
        <extracomment>The commands&apos; names are typed so and stay as they are.</extracomment>
        <translation>dump, diff, read, write, history, record, sheet или recover.</translation>
    </message>
    <message>
        <source>files</source>
        <comment>argument&apos;s name</comment>
        <extracomment>The name --help shows for the words after the command.</extracomment>
        <translation>файлы</translation>
    </message>
    <message>
        <source>The parameter files the command works on.</source>
        <translation>Файлы параметров, с которыми работает команда.</translation>
    </message>
    <message>
        <source>[files...]</source>
        <comment>usage line</comment>
        <extracomment>How --help&apos;s usage line shows the words after the command.</extracomment>
        <translation>[файлы...]</translation>
    </message>
</context>
<context>
    <name>CompanionMessages</name>
    <message>
        <source>%1 (see --help)</source>
        <extracomment>After a mistake on the command line: %1 says what is wrong.</extracomment>
        <translation>%1 (см. --help)</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>не указана команда</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <extracomment>%1 is the word typed where a command was expected.</extracomment>
        <translation>неизвестная команда «%1»</translation>
    </message>
    <message>
        <source>%1 takes no file</source>
        <extracomment>%1 is the command&apos;s name.</extracomment>
        <translation>команда %1 не принимает файлов</translation>
    </message>
    <message>
        <source>%1 takes one file</source>
        <extracomment>%1 is the command&apos;s name.</extracomment>
        <translation>команда %1 принимает один файл</translation>
    </message>
    <message>
        <source>%1 takes two files</source>
        <extracomment>%1 is the command&apos;s name.</extracomment>
        <translation>команда %1 принимает два файла</translation>
    </message>
    <message>
        <source>%1 takes no file (%1 writes -o FILE)</source>
        <extracomment>%1 is the command&apos;s name (read, record); -o FILE is typed so.</extracomment>
        <translation>команда %1 не принимает файлов (%1 записывает в -o FILE)</translation>
    </message>
    <message>
        <source>%1 has no option --%2</source>
        <extracomment>%1 is the command&apos;s name, %2 the option&apos;s.</extracomment>
        <translation>у команды %1 нет параметра --%2</translation>
    </message>
    <message>
        <source>%1 needs --port PORT</source>
        <extracomment>%1 is the command&apos;s name; --port PORT is typed so.</extracomment>
        <translation>для команды %1 нужен --port PORT</translation>
    </message>
    <message>
        <source>recover takes --restore or --resend, not both</source>
        <translation>recover принимает --restore или --resend, но не оба сразу</translation>
    </message>
    <message>
        <source>recover --port needs --restore or --resend</source>
        <translation>для recover --port нужен --restore или --resend</translation>
    </message>
    <message>
        <source>recover --%1 needs --port PORT</source>
        <extracomment>%1 is the option given, restore or resend; --port PORT is typed so.</extracomment>
        <translation>для recover --%1 нужен --port PORT</translation>
    </message>
    <message>
        <source>%1 needs -o FILE</source>
        <extracomment>%1 is the command&apos;s name; -o FILE is typed so.</extracomment>
        <translation>для команды %1 нужен -o FILE</translation>
    </message>
    <message>
        <source>--seconds takes a whole number above 0, not &apos;%1&apos;</source>
        <extracomment>%1 is what was typed after --seconds.</extracomment>
        <translation>--seconds принимает целое число больше 0, а не «%1»</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <extracomment>%1 says why the file could not be written.</extracomment>
        <translation>не удаётся записать: %1</translation>
    </message>
    <message numerus="yes">
        <source>no such history entry (%n kept in %1)</source>
        <extracomment>%n is how many entries the history keeps, %1 its folder.</extracomment>
        <translation>
            <numerusform>нет такой записи в истории (в %1: %n запись)</numerusform>
            <numerusform>нет такой записи в истории (в %1: %n записи)</numerusform>
            <numerusform>нет такой записи в истории (в %1: %n записей)</numerusform>
        </translation>
    </message>
    <message>
        <source>not kept: %1</source>
        <extracomment>%1 says why the model could not be kept in the history.</extracomment>
        <translation>не сохранено: %1</translation>
    </message>
    <message>
        <source>%1 The transmitter may hold part of two models; see txconfig-cli recover</source>
        <extracomment>%1 says which command was cut off, when and on which port; txconfig-cli recover is typed so.</extracomment>
        <translation>%1 В передатчике может оказаться часть двух моделей; см. txconfig-cli recover</translation>
    </message>
    <message>
        <source>the journal %1 is damaged (%2)</source>
        <extracomment>%1 is the journal&apos;s path, %2 what is wrong with it.</extracomment>
        <translation>журнал %1 повреждён (%2)</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>нет ответа</translation>
    </message>
    <message numerus="yes">
        <source>frame(s) %1 missing</source>
        <extracomment>%1 lists the frame numbers (&quot;5, 12&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>нет кадра %1</numerusform>
            <numerusform>нет кадров %1</numerusform>
            <numerusform>нет кадров %1</numerusform>
        </translation>
    </message>
    <message>
        <source>writing %1: opening</source>
        <extracomment>A line of progress on a terminal; %1 is the port.</extracomment>
        <translation>запись в %1: открытие</translation>
    </message>
    <message>
        <source>writing %1: %2 frame (%3 of %4)</source>
        <extracomment>A line of progress on a terminal: %1 is the port, %2 the frame&apos;s letter (S, G, H or I), %3 and %4 count the frames.</extracomment>
        <translation>запись в %1: кадр %2 (%3 из %4)</translation>
    </message>
    <message>
        <source>nothing sent: the model on the transmitter could not be read to keep a copy (%1) (--no-backup sends without one)</source>
        <extracomment>%1 says what the read lacked (&quot;no answer&quot;, &quot;frames 5, 12 missing&quot;); --no-backup is typed so.</extracomment>
        <translation>ничего не отправлено: не удалось считать модель из передатчика, чтобы сохранить её копию (%1) (--no-backup отправляет без копии)</translation>
    </message>
    <message numerus="yes">
        <source>%1; %2 of %n frames had gone out, write the file again</source>
        <extracomment>%1 says why the link failed, %2 how many of the %n frames had gone out.</extracomment>
        <translation>
            <numerusform>%1; отправлено %2 из %n кадра, запишите файл ещё раз</numerusform>
            <numerusform>%1; отправлено %2 из %n кадров, запишите файл ещё раз</numerusform>
            <numerusform>%1; отправлено %2 из %n кадров, запишите файл ещё раз</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the transmitter does not hold what was sent: %n setting(s) differ(s) (listed above)</source>
        <translation>
            <numerusform>в передатчике не то, что было отправлено: отличается %n настройка (список выше)</numerusform>
            <numerusform>в передатчике не то, что было отправлено: отличаются %n настройки (список выше)</numerusform>
            <numerusform>в передатчике не то, что было отправлено: отличаются %n настроек (список выше)</numerusform>
        </translation>
    </message>
    <message>
        <source>sent, but the transmitter did not answer the read-back: nothing was checked</source>
        <translation>отправлено, но передатчик не ответил на контрольное чтение: ничего не проверено</translation>
    </message>
    <message numerus="yes">
        <source>sent, but the read-back lacked frame(s) %1: their settings are unchecked</source>
        <extracomment>%1 lists the frame numbers (&quot;5, 12&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>отправлено, но при контрольном чтении не пришёл кадр %1: его настройки не проверены</numerusform>
            <numerusform>отправлено, но при контрольном чтении не пришли кадры %1: их настройки не проверены</numerusform>
            <numerusform>отправлено, но при контрольном чтении не пришли кадры %1: их настройки не проверены</numerusform>
        </translation>
    </message>
    <message>
        <source>reading %1: opening</source>
        <extracomment>A line of progress on a terminal; %1 is the port.</extracomment>
        <translation>чтение с %1: открытие</translation>
    </message>
    <message numerus="yes">
        <source>reading %1: %2 of %n blocks</source>
        <extracomment>A line of progress on a terminal: %1 is the port, %2 how many of the %n blocks have come.</extracomment>
        <translation>
            <numerusform>чтение с %1: %2 из %n блока</numerusform>
            <numerusform>чтение с %1: %2 из %n блоков</numerusform>
            <numerusform>чтение с %1: %2 из %n блоков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>incomplete read, frame(s) %1 missing; no file written</source>
        <extracomment>%1 lists the frame numbers (&quot;5, 12&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>неполное чтение, нет кадра %1; файл не записан</numerusform>
            <numerusform>неполное чтение, нет кадров %1; файл не записан</numerusform>
            <numerusform>неполное чтение, нет кадров %1; файл не записан</numerusform>
        </translation>
    </message>
    <message>
        <source>no telemetry frame arrived; the stick trims are saved centred</source>
        <translation>не пришло ни одного кадра телеметрии; триммеры стиков сохранены по центру</translation>
    </message>
    <message>
        <source>%1 %2 does not fit the file, saved as %3</source>
        <extracomment>%1 is the parameter&apos;s name as the file has it, %2 its value, %3 the value saved.</extracomment>
        <translation>%1 %2 не помещается в файл, сохранено как %3</translation>
    </message>
    <message>
        <source>nothing sent: not every frame is in place (--partial sends the others)</source>
        <extracomment>--partial is typed so.</extracomment>
        <translation>ничего не отправлено: не все кадры на месте (--partial отправляет остальные)</translation>
    </message>
    <message>
        <source>%1 %2 out of range, sent as %3</source>
        <extracomment>%1 is the parameter&apos;s name as the file has it, %2 its value, %3 the value sent.</extracomment>
        <translation>%1 %2 вне диапазона, отправлено как %3</translation>
    </message>
    <message>
        <source>damaged (%1); left in place</source>
        <extracomment>%1 says what is wrong with the journal.</extracomment>
        <translation>повреждён (%1); оставлен на месте</translation>
    </message>
    <message>
        <source>No command was cut off: the journal is empty.</source>
        <translation>Прерванных команд нет: журнал пуст.</translation>
    </message>
    <message>
        <source>nothing sent: no command was cut off</source>
        <translation>ничего не отправлено: прерванных команд нет</translation>
    </message>
    <message>
        <source>none kept</source>
        <translation>не сохранялась</translation>
    </message>
    <message>
        <source>earlier model: %1</source>
        <extracomment>%1 is the history entry of the model the command replaced. The two lines&apos; values line up.</extracomment>
        <translation>прежняя модель: %1</translation>
    </message>
    <message>
        <source>being sent:    %1</source>
        <extracomment>%1 is the history entry of the model the command was sending. The two lines&apos; values line up.</extracomment>
        <translation>отправлялась:   %1</translation>
    </message>
    <message>
        <source>no copy of the earlier model was kept; --resend sends the one that was being sent</source>
        <extracomment>--resend is typed so.</extracomment>
        <translation>копия прежней модели не сохранялась; --resend отправляет ту, что отправлялась</translation>
    </message>
    <message>
        <source>recording %1: opening</source>
        <extracomment>A line of progress on a terminal; %1 is the port.</extracomment>
        <translation>запись с %1: открытие</translation>
    </message>
    <message>
        <source>recording %1: %2 s, %3</source>
        <extracomment>A line of progress on a terminal: %1 is the port, %2 the seconds recorded, %3 how many rows.</extracomment>
        <translation>запись с %1: %2 s, %3</translation>
    </message>
    <message>
        <source>%1; %2 kept in %3</source>
        <extracomment>%1 says why the link failed, %2 how many rows were kept, %3 the file.</extracomment>
        <translation>%1; в %3 сохранено: %2</translation>
    </message>
    <message>
        <source>cannot write: %1; %2 kept</source>
        <extracomment>%1 says why the file could not be written, %2 how many rows it kept.</extracomment>
        <translation>не удаётся записать: %1; сохранено: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 frame left out: the file ends after %n characters</source>
        <extracomment>%1 is the frame&apos;s letter (S, G, H or I), %n how many characters the file has.</extracomment>
        <translation>
            <numerusform>кадр %1 пропущен: файл заканчивается после %n символа</numerusform>
            <numerusform>кадр %1 пропущен: файл заканчивается после %n символов</numerusform>
            <numerusform>кадр %1 пропущен: файл заканчивается после %n символов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 frame left out: its markers are not in place (&apos;%1&apos; at character %2, &apos;%3&apos; at %4)</source>
        <extracomment>%1 is the frame&apos;s letter (S, G, H or I), which is also its first marker and belongs at character %2; %3 is its last marker, which belongs at character %4.</extracomment>
        <translation>кадр %1 пропущен: его метки не на своих местах («%1» должна быть в позиции %2, «%3» — в позиции %4)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>нет такого файла</translation>
    </message>
    <message>
        <source>not a parameter file (it is a folder)</source>
        <translation>не файл параметров (это папка)</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>доступ запрещён</translation>
    </message>
    <message>
        <source>not a parameter file (no S, G, H or I frame in place)</source>
        <extracomment>S, G, H and I are the frames&apos; letters.</extracomment>
        <translation>не файл параметров (ни одного кадра S, G, H или I нет на месте)</translation>
    </message>
    <message>
        <source>the port went away (cable pulled?): %1</source>
        <extracomment>%1 says what the system reported.</extracomment>
        <translation>порт пропал (кабель отсоединён?): %1</translation>
    </message>
</context>
<context>
    <name>CompareTable</name>
    <message>
        <source>Setting</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>All</source>
        <comment>tick every row</comment>
        <translation>Все</translation>
    </message>
    <message numerus="yes">
        <source>No settings differ (%n are equal).</source>
        <extracomment>%n is the number of settings that are the same on both sides.</extracomment>
        <translation>
            <numerusform>Различий нет (совпадает %n настройка).</numerusform>
            <numerusform>Различий нет (совпадают %n настройки).</numerusform>
            <numerusform>Различий нет (совпадают %n настроек).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s) differ(s), %1 are equal.</source>
        <extracomment>%n is the number of rows below, %1 the number of settings that are the same on both sides.</extracomment>
        <translation>
            <numerusform>Отличается %n настройка, одинаковых: %1.</numerusform>
            <numerusform>Отличаются %n настройки, одинаковых: %1.</numerusform>
            <numerusform>Отличаются %n настроек, одинаковых: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EditorMenus</name>
    <message>
        <source>Revert to the transmitter&apos;s value (%1)</source>
        <extracomment>%1 is the setting&apos;s value as the transmitter holds it.</extracomment>
        <translation>Вернуть значение передатчика (%1)</translation>
    </message>
    <message>
        <source>Revert %1</source>
        <extracomment>An undo step; %1 is the setting&apos;s label as the form shows it.</extracomment>
        <translation>возврат %1</translation>
    </message>
    <message>
        <source>Reset to the factory value (%1)</source>
        <extracomment>%1 is the setting&apos;s factory value.</extracomment>
        <translation>Сбросить к заводскому значению (%1)</translation>
    </message>
    <message>
        <source>Reset %1</source>
        <extracomment>An undo step; %1 is the setting&apos;s label as the form shows it.</extracomment>
        <translation>сброс %1</translation>
    </message>
</context>
<context>
    <name>EditorTips</name>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of values, lowest to highest.</extracomment>
        <translation>от %1 до %2</translation>
    </message>
    <message>
        <source>none, the transmitter reports it</source>
        <extracomment>The factory value of a read-only field such as the transmitter&apos;s version.</extracomment>
        <translation>нет, значение сообщает передатчик</translation>
    </message>
    <message>
        <source>On the transmitter: %1</source>
        <extracomment>%1 is the setting&apos;s value as the transmitter holds it.</extracomment>
        <translation>В передатчике: %1</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <extracomment>%1 is what the editor accepts, e.g. &quot;-100 to 100 %&quot; or a list of its choices.</extracomment>
        <translation>Диапазон: %1</translation>
    </message>
    <message>
        <source>Factory: %1</source>
        <extracomment>%1 is the value the setting takes at a factory reset.</extracomment>
        <translation>Заводское: %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>file</source>
        <comment>view of parameter files</comment>
        <extracomment>The file dialogs&apos; view of parameter files; the patterns after it stay as they are.</extracomment>
        <translation>Файлы параметров</translation>
    </message>
    <message>
        <source>allfile</source>
        <comment>view of every file</comment>
        <extracomment>SAVE&apos;s file-dialog view of every file; the pattern after it stays as it is.</extracomment>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>All file</source>
        <comment>view of every file</comment>
        <extracomment>LOAD&apos;s file-dialog view of every file; the patterns after it stay as they are.</extracomment>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>%1 уже существует.
Заменить его?</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Открыть файл</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>cut short or not a txconfig draft</source>
        <translation>обрезан или не является черновиком txconfig</translation>
    </message>
    <message>
        <source>cannot lock %1</source>
        <extracomment>%1 is the lock file&apos;s path.</extracomment>
        <translation>не удаётся заблокировать %1</translation>
    </message>
    <message>
        <source>its settings are cut short</source>
        <translation>его настройки обрезаны</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <extracomment>%1 is a path.</extracomment>
        <translation>%1 — файл, а не папка</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <extracomment>%1 is a path.</extracomment>
        <translation>не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>not a parameter file</source>
        <translation>не файл параметров</translation>
    </message>
    <message>
        <source>cut short (%1 of 324 bytes)</source>
        <extracomment>Why a history entry cannot be read: %1 is how many bytes it has.</extracomment>
        <translation>обрезан (%1 из 324 байт)</translation>
    </message>
    <message>
        <source>damaged: not every frame is in place</source>
        <translation>повреждён: не все кадры на месте</translation>
    </message>
    <message>
        <source>not a txconfig journal</source>
        <translation>не журнал txconfig</translation>
    </message>
    <message>
        <source>cut short or damaged</source>
        <translation>обрезан или повреждён</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>не удалось создать PDF</translation>
    </message>
    <message>
        <source>History not kept</source>
        <extracomment>A notice&apos;s start; &quot;: &quot; and the reason follow.</extracomment>
        <translation>История не сохранена</translation>
    </message>
    <message>
        <source>Journal not written</source>
        <extracomment>A notice&apos;s start; &quot;: &quot; and the reason follow.</extracomment>
        <translation>Журнал не записан</translation>
    </message>
    <message>
        <source>Journal not closed</source>
        <extracomment>A notice&apos;s start; &quot;: &quot; and the reason follow.</extracomment>
        <translation>Журнал не закрыт</translation>
    </message>
</context>
<context>
    <name>HistoryEvents</name>
    <message>
        <source>Read</source>
        <translation>Чтение</translation>
    </message>
    <message>
        <source>Before WRITE</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>До WRITE</translation>
    </message>
    <message>
        <source>After WRITE</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>После WRITE</translation>
    </message>
    <message>
        <source>Before LOAD</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>До LOAD</translation>
    </message>
    <message>
        <source>After LOAD</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>После LOAD</translation>
    </message>
    <message>
        <source>Before SAVE</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>До SAVE</translation>
    </message>
    <message>
        <source>After SAVE</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>После SAVE</translation>
    </message>
    <message>
        <source>Before RESET</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>До RESET</translation>
    </message>
    <message>
        <source>After RESET</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>После RESET</translation>
    </message>
    <message>
        <source>Before DATA RESET</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>До DATA RESET</translation>
    </message>
    <message>
        <source>After DATA RESET</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>После DATA RESET</translation>
    </message>
    <message>
        <source>Being sent</source>
        <translation>Отправка</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>Прерывание</translation>
    </message>
</context>
<context>
    <name>HistoryList</name>
    <message>
        <source>before the interrupted %1</source>
        <extracomment>%1 is the command&apos;s button name (WRITE, LOAD, RESET...), which stays as it is.</extracomment>
        <translation>до прерванной команды %1</translation>
    </message>
    <message>
        <source>sent by the interrupted %1</source>
        <extracomment>%1 is the command&apos;s button name (WRITE, LOAD, RESET...), which stays as it is.</extracomment>
        <translation>отправлялась прерванной командой %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is the event (e.g. &quot;Before WRITE&quot;), %2 what it was to an interrupted command.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>Port</source>
        <extracomment>The serial port the transmitter was on.</extracomment>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Differs from the form</source>
        <translation>Отличия от формы</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Restore</source>
        <comment>button</comment>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Save as...</source>
        <comment>button</comment>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment>button</comment>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <extracomment>In the list&apos;s last column; %1 is why the entry cannot be read.</extracomment>
        <translation>повреждена: %1</translation>
    </message>
    <message>
        <source>equal</source>
        <extracomment>In the list&apos;s last column: the entry holds the same settings as the form.</extracomment>
        <translation>совпадает</translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s)</source>
        <extracomment>In the list&apos;s last column: how many settings of the entry differ from the form.</extracomment>
        <translation>
            <numerusform>%n настройка</numerusform>
            <numerusform>%n настройки</numerusform>
            <numerusform>%n настроек</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose an entry to compare it with the form, or two to compare them with each other.</source>
        <translation>Выберите запись, чтобы сравнить её с формой, или две записи, чтобы сравнить их между собой.</translation>
    </message>
    <message>
        <source>Choose one entry or two.</source>
        <translation>Выберите одну или две записи.</translation>
    </message>
    <message>
        <source>This entry cannot be read: %1.</source>
        <extracomment>%1 is the reason.</extracomment>
        <translation>Эту запись не удаётся прочитать: %1.</translation>
    </message>
    <message>
        <source>Form</source>
        <extracomment>Column header over the form&apos;s values.</extracomment>
        <translation>Форма</translation>
    </message>
    <message>
        <source>The older entry cannot be read: %1.</source>
        <extracomment>%1 is the reason.</extracomment>
        <translation>Более старую запись не удаётся прочитать: %1.</translation>
    </message>
    <message>
        <source>file (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 holds the file name patterns, which stay as they are.</extracomment>
        <translation>Файлы параметров (%1)</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ОШИБКА</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Язык системы</translation>
    </message>
    <message>
        <source>Speaking %1; a change takes effect at the next start</source>
        <extracomment>Under the list of languages; %1 is the language spoken now, in its own name.</extracomment>
        <translation>Текущий язык: %1; изменение вступит в силу при следующем запуске</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>Язык сменится при следующем запуске.</translation>
    </message>
</context>
<context>
    <name>LinkErrors</name>
    <message>
        <source>the device hung up</source>
        <translation>устройство разорвало связь</translation>
    </message>
    <message>
        <source>No serial port is listed. Plug the transmitter in; its port appears in the list within a second or two.</source>
        <translation>Нет ни одного последовательного порта. Подключите передатчик: его порт появится в списке через секунду-другую.</translation>
    </message>
    <message>
        <source>%1 is not connected. Check the transmitter&apos;s USB cable, or pick another port from the list.</source>
        <extracomment>%1 is the port&apos;s device, e.g. /dev/ttyUSB0.</extracomment>
        <translation>%1 не подключён. Проверьте USB-кабель передатчика или выберите другой порт из списка.</translation>
    </message>
    <message>
        <source>%1 is in use by another program (another txconfig, a terminal program or ModemManager). Close it and press OPEN again.</source>
        <extracomment>%1 is the port&apos;s device. OPEN is the button&apos;s name and stays as it is.</extracomment>
        <translation>%1 занят другой программой (другой копией txconfig, терминальной программой или ModemManager). Закройте её и снова нажмите OPEN.</translation>
    </message>
    <message>
        <source>You have no permission to use %1. Add yourself to the dialout group:

sudo usermod -aG dialout $USER

then log out and log in again.</source>
        <extracomment>%1 is the port&apos;s device. The command line and the group&apos;s name dialout stay as they are.</extracomment>
        <translation>У вас нет прав на использование %1. Добавьте себя в группу dialout:

sudo usermod -aG dialout $USER

затем выйдите из системы и войдите снова.</translation>
    </message>
    <message>
        <source>Cannot open the serial port!</source>
        <extracomment>The first line of the box; what went wrong and what to do follow after a blank line.</extracomment>
        <translation>Не удаётся открыть последовательный порт!</translation>
    </message>
    <message>
        <source>no port given</source>
        <extracomment>txconfig-cli says it on a terminal, after the port&apos;s name.</extracomment>
        <translation>порт не указан</translation>
    </message>
    <message>
        <source>no such port (is the transmitter plugged in?)</source>
        <extracomment>txconfig-cli says it on a terminal, after the port&apos;s name.</extracomment>
        <translation>нет такого порта (передатчик подключён?)</translation>
    </message>
    <message>
        <source>busy: another program has the port open</source>
        <extracomment>txconfig-cli says it on a terminal, after the port&apos;s name.</extracomment>
        <translation>занят: порт открыт другой программой</translation>
    </message>
    <message>
        <source>permission denied (is your user in the dialout group?)</source>
        <extracomment>txconfig-cli says it on a terminal, after the port&apos;s name.</extracomment>
        <translation>доступ запрещён (ваш пользователь входит в группу dialout?)</translation>
    </message>
</context>
<context>
    <name>LiveRecording</name>
    <message>
        <source>Cannot record to %1: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Не удаётся вести запись в %1: %2</translation>
    </message>
    <message>
        <source>Recording stopped: %1 is gone (deleted, or its folder removed); no rows were kept.</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>Запись остановлена: %1 исчез (удалён или удалена его папка); ни одной строки не сохранено.</translation>
    </message>
    <message>
        <source>the file is gone (deleted, or its folder removed)</source>
        <extracomment>Why a recording stopped, where the system gives no reason of its own.</extracomment>
        <translation>файл исчез (удалён или удалена его папка)</translation>
    </message>
    <message numerus="yes">
        <source>Recording stopped: cannot write %1 (%2); %n row(s) kept.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason, %n the whole rows the file keeps.</extracomment>
        <translation>
            <numerusform>Запись остановлена: не удаётся записать %1 (%2); сохранена %n строка.</numerusform>
            <numerusform>Запись остановлена: не удаётся записать %1 (%2); сохранены %n строки.</numerusform>
            <numerusform>Запись остановлена: не удаётся записать %1 (%2); сохранено %n строк.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n строка</numerusform>
            <numerusform>%n строки</numerusform>
            <numerusform>%n строк</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LoadPreview</name>
    <message>
        <source>Sending %1 changes these settings on the transmitter. A setting left unticked keeps the transmitter&apos;s value.</source>
        <extracomment>%1 is the parameter file&apos;s name.</extracomment>
        <translation>Отправка файла %1 изменит эти настройки в передатчике. Неотмеченные настройки сохранят значения передатчика.</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Column header over the file&apos;s values.</extracomment>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <extracomment>Column header over the values the transmitter holds.</extracomment>
        <translation>Передатчик</translation>
    </message>
    <message>
        <source>Send</source>
        <comment>button</comment>
        <translation>Отправить</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Find...</source>
        <translation>Найти...</translation>
    </message>
    <message>
        <source>Export sheet...</source>
        <translation>Экспорт листа настроек...</translation>
    </message>
    <message>
        <source>Sheet written to %1</source>
        <translation>Лист настроек записан в %1</translation>
    </message>
    <message>
        <source>Export sheet</source>
        <translation>Экспорт листа настроек</translation>
    </message>
    <message>
        <source>the form of %1</source>
        <translation>форма %1</translation>
    </message>
    <message>
        <source>The sheet could not be written to %1: %2</source>
        <translation>Не удалось записать лист настроек в %1: %2</translation>
    </message>
    <message>
        <source>The link to %1 was lost (%2). Check the cable, then press OPEN.</source>
        <translation>Связь с %1 потеряна (%2). Проверьте кабель и нажмите OPEN.</translation>
    </message>
    <message>
        <source>Closing the window loses them.</source>
        <translation>При закрытии окна они будут потеряны.</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>История...</translation>
    </message>
    <message>
        <source>Restore from history</source>
        <translation>восстановление из истории</translation>
    </message>
</context>
<context>
    <name>Meanings</name>
    <message>
        <source>Servo direction of channel %1: REV turns the servo the other way for the same stick.</source>
        <translation>Направление сервы канала %1 (реверс): REV поворачивает серву в обратную сторону при том же движении стика.</translation>
    </message>
    <message>
        <source>Sub-trim of channel %1: shifts the servo&apos;s centre so the linkage sits neutral without bending it.</source>
        <translation>Субтрим канала %1: смещает нейтраль сервы, чтобы тяга стояла в нейтрали без подгибания.</translation>
    </message>
    <message>
        <source>End point of channel %1 on the left (low) side: how far the servo may travel that way.</source>
        <translation>Конечная точка канала %1 слева (в сторону минимума): насколько далеко серва может отклониться в эту сторону.</translation>
    </message>
    <message>
        <source>End point of channel %1 on the right (high) side: how far the servo may travel that way.</source>
        <translation>Конечная точка канала %1 справа (в сторону максимума): насколько далеко серва может отклониться в эту сторону.</translation>
    </message>
    <message>
        <source>Fail-safe of channel %1: the position the servo goes to when the receiver loses the signal.</source>
        <translation>Фейлсейф канала %1: положение, в которое уходит серва, когда приёмник теряет сигнал.</translation>
    </message>
    <message>
        <source>Servo delay of channel %1: slows the servo, for gear doors or flaps that should move gently.</source>
        <translation>Замедление сервы канала %1: серва движется медленнее — для створок шасси или закрылков, которые должны двигаться плавно.</translation>
    </message>
    <message>
        <source>Control that drives channel %1: switch SwA or SwB, knob VrA, VrB/SwC, Lock-C, or none (NULL).</source>
        <translation>Орган управления канала %1: тумблер SwA или SwB, крутилка VrA, VrB/SwC, Lock-C или ничего (NULL).</translation>
    </message>
    <message>
        <source>Channel 1 follows its stick; it has no control to choose (NC).</source>
        <translation>Канал 1 управляется своим стиком; орган управления для него не выбирается (NC).</translation>
    </message>
    <message>
        <source>Channel 2 follows its stick; it has no control to choose (NC).</source>
        <translation>Канал 2 управляется своим стиком; орган управления для него не выбирается (NC).</translation>
    </message>
    <message>
        <source>Channel 3 follows its stick; it has no control to choose (NC).</source>
        <translation>Канал 3 управляется своим стиком; орган управления для него не выбирается (NC).</translation>
    </message>
    <message>
        <source>Channel 4 follows its stick; it has no control to choose (NC).</source>
        <translation>Канал 4 управляется своим стиком; орган управления для него не выбирается (NC).</translation>
    </message>
    <message>
        <source>Dual rate on or off: when on, switch SWA picks the UP or the DOWN rate of each D/R channel.</source>
        <translation>Двойные расходы вкл. или выкл.: когда включены, тумблер SWA выбирает расход UP или DOWN для каждого канала D/R.</translation>
    </message>
    <message>
        <source>Which dual-rate channel (CH1 to CH4) the D/R rows show and edit.</source>
        <translation>Канал двойных расходов (от CH1 до CH4), который показывают и редактируют строки D/R.</translation>
    </message>
    <message>
        <source>The switch that selects the dual rate (SWA).</source>
        <translation>Тумблер переключения двойных расходов (SWA).</translation>
    </message>
    <message>
        <source>Dual rate of the channel chosen under CH with the switch UP: stick travel in percent of full.</source>
        <translation>Расход D/R канала, выбранного в CH, при тумблере в положении UP: ход стика в процентах от полного.</translation>
    </message>
    <message>
        <source>Dual rate of the channel chosen under CH with the switch DOWN: stick travel in percent of full.</source>
        <translation>Расход D/R канала, выбранного в CH, при тумблере в положении DOWN: ход стика в процентах от полного.</translation>
    </message>
    <message>
        <source>Dual rate of channel %1 with the switch UP: stick travel in percent of full (choose CH%1 under CH).</source>
        <translation>Расход D/R канала %1 при тумблере в положении UP: ход стика в процентах от полного (выберите CH%1 в CH).</translation>
    </message>
    <message>
        <source>Dual rate of channel %1 with the switch DOWN: stick travel in percent of full (choose CH%1 under CH).</source>
        <translation>Расход D/R канала %1 при тумблере в положении DOWN: ход стика в процентах от полного (выберите CH%1 в CH).</translation>
    </message>
    <message>
        <source>The switch that selects the dual rate (SWA); the same setting as SW on ADVANCE2.</source>
        <translation>Тумблер переключения двойных расходов (SWA); та же настройка, что и SW на вкладке ADVANCE2.</translation>
    </message>
    <message>
        <source>The channel that sends the attitude (flight mode) position, CH5 to CH8, or OFF.</source>
        <translation>Канал, который передаёт положение полётного режима (attitude): от CH5 до CH8 или OFF.</translation>
    </message>
    <message>
        <source>Output of the attitude channel in flight-mode position %1.</source>
        <translation>Выход канала полётного режима в положении %1.</translation>
    </message>
    <message>
        <source>Elevon mix on or off, for flying wings: aileron and elevator both drive the two wing servos.</source>
        <translation>Микшер элевонов вкл. или выкл., для летающего крыла: элероны и руль высоты вместе управляют двумя сервами крыла.</translation>
    </message>
    <message>
        <source>Elevon: how much aileron moves the first wing servo (AILE1).</source>
        <translation>Элевоны: насколько элероны отклоняют первую серву крыла (AILE1).</translation>
    </message>
    <message>
        <source>Elevon: how much aileron moves the second wing servo (AILE2).</source>
        <translation>Элевоны: насколько элероны отклоняют вторую серву крыла (AILE2).</translation>
    </message>
    <message>
        <source>Elevon: how much elevator moves the second wing servo (ELEV2).</source>
        <translation>Элевоны: насколько руль высоты отклоняет вторую серву крыла (ELEV2).</translation>
    </message>
    <message>
        <source>Elevon: how much elevator moves the first wing servo (ELEV1).</source>
        <translation>Элевоны: насколько руль высоты отклоняет первую серву крыла (ELEV1).</translation>
    </message>
    <message>
        <source>Elevon: the second amount on the AILE1 row, for the first wing servo.</source>
        <translation>Элевоны: второе значение в строке AILE1, для первой сервы крыла.</translation>
    </message>
    <message>
        <source>Elevon: the second amount on the AILE2 row, for the second wing servo.</source>
        <translation>Элевоны: второе значение в строке AILE2, для второй сервы крыла.</translation>
    </message>
    <message>
        <source>V-tail mix on or off: elevator and rudder both drive the two tail servos.</source>
        <translation>Микшер V-образного оперения вкл. или выкл.: руль высоты и руль направления вместе управляют двумя сервами оперения.</translation>
    </message>
    <message>
        <source>V-tail: how much elevator moves the first tail servo (ELEV1).</source>
        <translation>V-образное оперение: насколько руль высоты отклоняет первую серву оперения (ELEV1).</translation>
    </message>
    <message>
        <source>V-tail: how much elevator moves the second tail servo (ELEV2).</source>
        <translation>V-образное оперение: насколько руль высоты отклоняет вторую серву оперения (ELEV2).</translation>
    </message>
    <message>
        <source>V-tail: how much rudder moves the second tail servo (RUDD2).</source>
        <translation>V-образное оперение: насколько руль направления отклоняет вторую серву оперения (RUDD2).</translation>
    </message>
    <message>
        <source>V-tail: how much rudder moves the first tail servo (RUDD1).</source>
        <translation>V-образное оперение: насколько руль направления отклоняет первую серву оперения (RUDD1).</translation>
    </message>
    <message>
        <source>Dual rate on or off; the same setting as MIX on ADVANCE1.</source>
        <translation>Двойные расходы вкл. или выкл.; та же настройка, что и MIX на вкладке ADVANCE1.</translation>
    </message>
    <message>
        <source>Which dual-rate channel RATE and EXP show; the same setting as CH on ADVANCE1.</source>
        <translation>Канал двойных расходов, который показывают RATE и EXP; та же настройка, что и CH на вкладке ADVANCE1.</translation>
    </message>
    <message>
        <source>Which switch position (UP or DOWN) RATE and EXP show and edit.</source>
        <translation>Положение тумблера (UP или DOWN), которое показывают и редактируют RATE и EXP.</translation>
    </message>
    <message>
        <source>Dual rate of the channel under CH at the switch position under POSI: stick travel in percent of full.</source>
        <translation>Расход D/R канала, выбранного в CH, в положении тумблера, выбранном в POSI: ход стика в процентах от полного.</translation>
    </message>
    <message>
        <source>Exponential of the channel under CH at the position under POSI: softens or sharpens the stick around centre.</source>
        <translation>Экспонента канала, выбранного в CH, в положении, выбранном в POSI: смягчает или обостряет реакцию стика около центра.</translation>
    </message>
    <message>
        <source>Exponential of channel %1 with the switch UP: softens or sharpens the stick around centre.</source>
        <translation>Экспонента канала %1 при тумблере в положении UP: смягчает или обостряет реакцию стика около центра.</translation>
    </message>
    <message>
        <source>Exponential of channel %1 with the switch DOWN: softens or sharpens the stick around centre.</source>
        <translation>Экспонента канала %1 при тумблере в положении DOWN: смягчает или обостряет реакцию стика около центра.</translation>
    </message>
    <message>
        <source>Throttle curve on or off: when on, the seven points shape the throttle&apos;s response to the stick.</source>
        <translation>Кривая газа вкл. или выкл.: когда включена, семь точек задают отклик газа на движение стика.</translation>
    </message>
    <message>
        <source>Throttle curve point %1 of 7: the throttle output at that stick position, from low stick to high.</source>
        <translation>Точка %1 из 7 кривой газа: выходное значение газа в этом положении стика, от нижнего положения стика к верхнему.</translation>
    </message>
    <message>
        <source>A throttle-curve value the transmitter keeps with the curve; no row of the form shows it.</source>
        <translation>Значение кривой газа, которое передатчик хранит вместе с кривой; в форме оно не показывается.</translation>
    </message>
    <message>
        <source>Programmable mix %1: INH not in use, OFF set up but switched off, ON mixing.</source>
        <translation>Программируемый микшер %1: INH — не используется, OFF — настроен, но выключен, ON — работает.</translation>
    </message>
    <message>
        <source>Programmable mix %1: the master channel, whose movement is mixed in.</source>
        <translation>Программируемый микшер %1: ведущий канал (master), движение которого подмешивается.</translation>
    </message>
    <message>
        <source>Programmable mix %1: the slave channel, which follows the master as well as its own control.</source>
        <translation>Программируемый микшер %1: ведомый канал (slave), который следует за ведущим, а также за своим органом управления.</translation>
    </message>
    <message>
        <source>Programmable mix %1: the offset, the master&apos;s position where the mix starts.</source>
        <translation>Программируемый микшер %1: смещение (offset) — положение ведущего канала, с которого начинается микширование.</translation>
    </message>
    <message>
        <source>Programmable mix %1: how much the slave moves as the master moves up.</source>
        <translation>Программируемый микшер %1: насколько отклоняется ведомый канал при движении ведущего вверх.</translation>
    </message>
    <message>
        <source>Programmable mix %1: how much the slave moves as the master moves down.</source>
        <translation>Программируемый микшер %1: насколько отклоняется ведомый канал при движении ведущего вниз.</translation>
    </message>
    <message>
        <source>Transmitter battery alarm: the transmitter warns when its battery falls below this voltage.</source>
        <translation>Предупреждение о разряде батареи передатчика: передатчик предупреждает, когда напряжение его батареи падает ниже этого значения.</translation>
    </message>
    <message>
        <source>Receiver battery alarm: warns when the receiver&apos;s battery, reported by telemetry, falls below this.</source>
        <translation>Предупреждение о разряде батареи приёмника: срабатывает, когда напряжение батареи приёмника (по телеметрии) падает ниже этого значения.</translation>
    </message>
    <message>
        <source>External voltage alarm: warns when the voltage the receiver measures (flight pack) falls below this.</source>
        <translation>Предупреждение по внешнему напряжению: срабатывает, когда напряжение, измеряемое приёмником (силовой аккумулятор), падает ниже этого значения.</translation>
    </message>
    <message>
        <source>Signal-strength alarm: warns when the receiver&apos;s signal falls below this level.</source>
        <translation>Предупреждение об уровне сигнала: срабатывает, когда сигнал на приёмнике падает ниже этого уровня.</translation>
    </message>
    <message>
        <source>Stick mode 1 to 4: which stick works throttle, elevator, rudder and aileron.</source>
        <translation>Мода стиков от 1 до 4: какой стик управляет газом, рулём высоты, рулём направления и элеронами.</translation>
    </message>
    <message>
        <source>The transmitter&apos;s firmware version, as it reports it; it is not sent back.</source>
        <translation>Версия прошивки передатчика, как он её сообщает; обратно не отправляется.</translation>
    </message>
    <message>
        <source>The version of the transmitter&apos;s protocol this program speaks.</source>
        <translation>Версия протокола передатчика, которую поддерживает эта программа.</translation>
    </message>
    <message>
        <source>Stick trim %1 as the transmitter keeps it: the trim buttons move it, 0 is centre.</source>
        <translation>Триммер стика %1 в том виде, как его хранит передатчик: меняется кнопками триммера, 0 — центр.</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>шагов</translation>
    </message>
</context>
<context>
    <name>ModelSheet</name>
    <message>
        <source>Model sheet</source>
        <extracomment>The PDF&apos;s title, as a viewer shows it.</extracomment>
        <translation>Лист настроек модели</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Создан</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Transmitter version</source>
        <translation>Версия передатчика</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>неизвестна</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n settings differ from the factory values; they are in &lt;b&gt;bold&lt;/b&gt;.</source>
        <extracomment>%1 is how many of the %n settings differ; keep the &lt;b&gt; tags around the word for bold.</extracomment>
        <translation>
            <numerusform>Отличаются от заводских значений: %1 из %n настройки; они выделены &lt;b&gt;жирным&lt;/b&gt;.</numerusform>
            <numerusform>Отличаются от заводских значений: %1 из %n настроек; они выделены &lt;b&gt;жирным&lt;/b&gt;.</numerusform>
            <numerusform>Отличаются от заводских значений: %1 из %n настроек; они выделены &lt;b&gt;жирным&lt;/b&gt;.</numerusform>
        </translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Заводское</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <extracomment>The foot of each printed page: %1 is the page, %2 how many there are.</extracomment>
        <translation>стр. %1 из %2</translation>
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
        <translation>Монитор...</translation>
    </message>
    <message>
        <source>Record...</source>
        <translation>Запись...</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Остановить запись</translation>
    </message>
    <message>
        <source>CSV file (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 holds the file name pattern, which stays as it is.</extracomment>
        <translation>Файлы CSV (%1)</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The title of the file dialog that asks where to record.</extracomment>
        <translation>Запись</translation>
    </message>
</context>
<context>
    <name>MonitorWindow</name>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Монитор</translation>
    </message>
    <message>
        <source>Freeze the graph; the frames keep being kept (Space)</source>
        <translation>Остановить график; кадры продолжают сохраняться (Пробел)</translation>
    </message>
    <message>
        <source>last %1 s</source>
        <extracomment>The graph&apos;s span, %1 a number of seconds; keep %1 exactly once.</extracomment>
        <translation>последние %1 s</translation>
    </message>
    <message>
        <source>How many seconds the graph shows</source>
        <translation>Сколько секунд показывает график</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment>button</comment>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>button</comment>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Record...</source>
        <comment>button</comment>
        <translation>Запись...</translation>
    </message>
    <message>
        <source>End the recording</source>
        <translation>Завершить запись</translation>
    </message>
    <message>
        <source>Record every frame to a CSV file</source>
        <translation>Записывать каждый кадр в CSV-файл</translation>
    </message>
    <message numerus="yes">
        <source>Recording %1: %2, %n row(s)</source>
        <extracomment>%1 is the file&apos;s name, %2 the time recorded (minutes:seconds), %n the rows taken so far.</extracomment>
        <translation>
            <numerusform>Запись в %1: %2, %n строка</numerusform>
            <numerusform>Запись в %1: %2, %n строки</numerusform>
            <numerusform>Запись в %1: %2, %n строк</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recorded %n row(s) to %1</source>
        <extracomment>%1 is the file; %n the rows it holds.</extracomment>
        <translation>
            <numerusform>В %1 записана %n строка</numerusform>
            <numerusform>В %1 записаны %n строки</numerusform>
            <numerusform>В %1 записано %n строк</numerusform>
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
        <translation>В передатчике: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s)
not on the transmitter</source>
        <extracomment>Beside the tabs, in two short lines.</extracomment>
        <translation>
            <numerusform>%n настройка
не записана</numerusform>
            <numerusform>%n настройки
не записаны</numerusform>
            <numerusform>%n настроек
не записано</numerusform>
        </translation>
    </message>
    <message>
        <source>Settings on this page are not on the transmitter</source>
        <translation>Настройки на этой вкладке не записаны в передатчик</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>Note</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The form holds edits that are neither on the transmitter nor in a file.

%1</source>
        <extracomment>%1 says what the command about to run does to the edits.</extracomment>
        <translation>В форме есть изменения, которых нет ни в передатчике, ни в файле.

%1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Не сохранять</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A list of frame letters: %1 is &quot;S&quot; or &quot;S, G&quot;, %2 the last letter (&quot;S, G and H&quot;).</extracomment>
        <translation>%1 и %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 is damaged: its %2 frame(s) cannot be read.</source>
        <extracomment>%1 is the file, %2 the letters of its damaged frames (S, G, H, I); the count picks &quot;frame(s)&quot;.</extracomment>
        <translation>
            <numerusform>%1 повреждён: его кадр %2 не читается.</numerusform>
            <numerusform>%1 повреждён: его кадры %2 не читаются.</numerusform>
            <numerusform>%1 повреждён: его кадры %2 не читаются.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Load the %1 frame(s) and send them to the transmitter? The settings of the damaged frames keep the form&apos;s values.</source>
        <extracomment>%1 is the letters of the frames that can be read.</extracomment>
        <translation>
            <numerusform>Загрузить кадр %1 и отправить его в передатчик? Настройки повреждённых кадров сохранят значения формы.</numerusform>
            <numerusform>Загрузить кадры %1 и отправить их в передатчик? Настройки повреждённых кадров сохранят значения формы.</numerusform>
            <numerusform>Загрузить кадры %1 и отправить их в передатчик? Настройки повреждённых кадров сохранят значения формы.</numerusform>
        </translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Reset the transmitter to factory settings? The model on the transmitter will be replaced.</source>
        <translation>Сбросить передатчик к заводским настройкам? Модель в передатчике будет заменена.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>The form holds a mix: the last READ was incomplete, so some settings are the transmitter&apos;s and the others are what the form held before.</source>
        <translation>В форме смешанные значения: последняя команда READ выполнена не полностью, поэтому часть настроек взята из передатчика, а остальные — те, что были в форме раньше.</translation>
    </message>
    <message>
        <source>The form holds the program&apos;s start-up values: nothing has been read from the transmitter or loaded from a file yet.</source>
        <translation>В форме начальные значения программы: ещё ничего не считано из передатчика и не загружено из файла.</translation>
    </message>
    <message>
        <source>%1

Write them anyway? The whole model on the transmitter will be replaced, trims, mixes and curves included.</source>
        <extracomment>%1 says where the form&apos;s values came from.</extracomment>
        <translation>%1

Всё равно записать? Вся модель в передатчике будет заменена, включая триммеры, микшеры и кривые.</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Записать</translation>
    </message>
</context>
<context>
    <name>ReadAnswer</name>
    <message>
        <source>%1 and %2</source>
        <comment>frame numbers</comment>
        <extracomment>A list of frame numbers: %1 is &quot;4&quot; or &quot;4, 7&quot;, %2 the last number (&quot;4, 7 and 17&quot;).</extracomment>
        <translation>%1 и %2</translation>
    </message>
    <message numerus="yes">
        <source>frame(s) %1 did not arrive</source>
        <extracomment>%1 lists the frame numbers (&quot;17 and 18&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>кадр %1 не пришёл</numerusform>
            <numerusform>кадры %1 не пришли</numerusform>
            <numerusform>кадры %1 не пришли</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>frame(s) %1 came twice with different values</source>
        <extracomment>%1 lists the frame numbers (&quot;5&quot; or &quot;5 and 9&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>кадр %1 пришёл дважды с разными значениями</numerusform>
            <numerusform>кадры %1 пришли дважды с разными значениями</numerusform>
            <numerusform>кадры %1 пришли дважды с разными значениями</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two gaps of an answer</comment>
        <extracomment>Both things a read&apos;s answer lacks: %1 the frames that did not arrive, %2 those that came twice.</extracomment>
        <translation>%1, а %2</translation>
    </message>
    <message numerus="yes">
        <source>The transmitter did not answer the read request (asked %n times). The form still holds the values it had; WRITE will ask before sending them.</source>
        <extracomment>%n is how many times the read request went out. WRITE is the button&apos;s name and stays as it is.</extracomment>
        <translation>
            <numerusform>Передатчик не ответил на запрос чтения (запрос отправлен %n раз). В форме остались прежние значения; перед их отправкой WRITE запросит подтверждение.</numerusform>
            <numerusform>Передатчик не ответил на запрос чтения (запрос отправлен %n раза). В форме остались прежние значения; перед их отправкой WRITE запросит подтверждение.</numerusform>
            <numerusform>Передатчик не ответил на запрос чтения (запрос отправлен %n раз). В форме остались прежние значения; перед их отправкой WRITE запросит подтверждение.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transmitter&apos;s answer was incomplete: %1 (asked %n times).

The form now holds a mix: the settings of the frames that came are the transmitter&apos;s, the others are what the form held before. WRITE will ask before sending them.</source>
        <extracomment>%1 says what is missing (&quot;frames 17 and 18 did not arrive&quot;), %n how many times the read request went out. WRITE is the button&apos;s name and stays as it is.</extracomment>
        <translation>
            <numerusform>Ответ передатчика неполный: %1 (запрос отправлен %n раз).

Теперь в форме смешанные значения: настройки пришедших кадров взяты из передатчика, остальные — те, что были в форме раньше. Перед их отправкой WRITE запросит подтверждение.</numerusform>
            <numerusform>Ответ передатчика неполный: %1 (запрос отправлен %n раза).

Теперь в форме смешанные значения: настройки пришедших кадров взяты из передатчика, остальные — те, что были в форме раньше. Перед их отправкой WRITE запросит подтверждение.</numerusform>
            <numerusform>Ответ передатчика неполный: %1 (запрос отправлен %n раз).

Теперь в форме смешанные значения: настройки пришедших кадров взяты из передатчика, остальные — те, что были в форме раньше. Перед их отправкой WRITE запросит подтверждение.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReadBack</name>
    <message>
        <source>%1: form %2, transmitter %3</source>
        <extracomment>%1 is the setting as the form labels it, %2 the form&apos;s value, %3 the transmitter&apos;s.</extracomment>
        <translation>%1: форма %2, передатчик %3</translation>
    </message>
    <message>
        <source>The settings were sent, but the transmitter did not answer the read-back, so they could not be checked.</source>
        <translation>Настройки отправлены, но передатчик не ответил на контрольное чтение, поэтому проверить их не удалось.</translation>
    </message>
    <message numerus="yes">
        <source>The transmitter does not hold what was sent. %n setting(s) differ(s):</source>
        <extracomment>Followed by one line per setting that differs.</extracomment>
        <translation>
            <numerusform>В передатчике не то, что было отправлено. Отличается %n настройка:</numerusform>
            <numerusform>В передатчике не то, что было отправлено. Отличаются %n настройки:</numerusform>
            <numerusform>В передатчике не то, что было отправлено. Отличаются %n настроек:</numerusform>
        </translation>
    </message>
    <message>
        <source>The read-back was incomplete (%1), so the settings of those frames could not be checked.</source>
        <extracomment>%1 says what the read-back lacks (&quot;frame 5 did not arrive&quot;).</extracomment>
        <translation>Контрольное чтение прошло не полностью (%1), поэтому настройки этих кадров проверить не удалось.</translation>
    </message>
    <message>
        <source>The form keeps your values; WRITE sends them again.</source>
        <extracomment>WRITE is the button&apos;s name and stays as it is.</extracomment>
        <translation>Ваши значения остаются в форме; WRITE отправит их снова.</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Restore draft</source>
        <translation>восстановление черновика</translation>
    </message>
    <message>
        <source>Edits not kept as a draft in %1</source>
        <translation>Изменения не сохранены как черновик в %1</translation>
    </message>
    <message>
        <source>A draft of earlier edits is damaged (%1): %2. It was left in place.</source>
        <translation>Черновик прежних изменений повреждён (%1): %2. Он оставлен на месте.</translation>
    </message>
    <message>
        <source>The last %1 did not finish; open the port to check the transmitter.</source>
        <extracomment>%1 is the command&apos;s name as on its button (WRITE, LOAD...).</extracomment>
        <translation>Последняя команда %1 не завершилась; откройте порт, чтобы проверить передатчик.</translation>
    </message>
    <message>
        <source>The journal of an earlier command is damaged (%1): %2. It was left in place.</source>
        <extracomment>%1 says what is wrong with the file, %2 is its path.</extracomment>
        <translation>Журнал прежней команды повреждён (%1): %2. Он оставлен на месте.</translation>
    </message>
    <message>
        <source>%1 The transmitter may now hold part of it and part of the model it replaced.</source>
        <extracomment>%1 says which command was cut off, when and on which port.</extracomment>
        <translation>%1 Теперь в передатчике может быть часть отправлявшейся модели и часть модели, которую она заменяла.</translation>
    </message>
    <message>
        <source>Restore the earlier model</source>
        <translation>Восстановить прежнюю модель</translation>
    </message>
    <message>
        <source>Send it again</source>
        <translation>Отправить ещё раз</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Не сейчас</translation>
    </message>
    <message>
        <source>Edits made at %1 were neither sent nor saved when the program ended.</source>
        <extracomment>%1 is the time of day of the last edit.</extracomment>
        <translation>Изменения, сделанные в %1, не были ни отправлены, ни сохранены при завершении программы.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>No copy of the earlier model was kept (&quot;Send anyway&quot; was chosen), so it cannot be restored.</source>
        <translation>Копия прежней модели не сохранялась (был выбран вариант «Всё равно отправить»), поэтому восстановить её нельзя.</translation>
    </message>
    <message>
        <source>The copy of the earlier model cannot be read (%1: %2).</source>
        <extracomment>%1 is the copy&apos;s file name, %2 why it cannot be read.</extracomment>
        <translation>Не удаётся прочитать копию прежней модели (%1: %2).</translation>
    </message>
    <message>
        <source>Checked: the transmitter holds the model sent; the interrupted %1 is mended.</source>
        <extracomment>%1 is the command&apos;s name as on its button (WRITE, LOAD, RESET...).</extracomment>
        <translation>Проверено: в передатчике отправленная модель; последствия прерванной команды %1 устранены.</translation>
    </message>
    <message>
        <source>no copy was kept</source>
        <translation>копия не сохранялась</translation>
    </message>
    <message>
        <source>The model the %1 was sending cannot be read (%2: %3). Nothing was sent.</source>
        <extracomment>%1 is the command (WRITE, LOAD...), %2 the copy&apos;s path, %3 why it cannot be read.</extracomment>
        <translation>Не удаётся прочитать модель, которую отправляла команда %1 (%2: %3). Ничего не отправлено.</translation>
    </message>
    <message numerus="yes">
        <source>The last %1 (started %2 on %3, %4 of %n frames sent) did not finish.</source>
        <extracomment>%1 is the command&apos;s name as on its button (WRITE, LOAD...), %2 the time it started, %3 the port, %4 how many of its %n frames had gone out.</extracomment>
        <translation>
            <numerusform>Последняя команда %1 (начата в %2, порт %3, отправлено %4 из %n кадра) не завершилась.</numerusform>
            <numerusform>Последняя команда %1 (начата в %2, порт %3, отправлено %4 из %n кадров) не завершилась.</numerusform>
            <numerusform>Последняя команда %1 (начата в %2, порт %3, отправлено %4 из %n кадров) не завершилась.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingFinder</name>
    <message>
        <source>Find a setting: label, meaning or name</source>
        <translation>Поиск настройки: метка, описание или имя</translation>
    </message>
    <message>
        <source>Find a setting</source>
        <translation>Поиск настройки</translation>
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
        <translation>Показать настройки, которых нет в передатчике (Ctrl+D)</translation>
    </message>
    <message>
        <source>Views</source>
        <extracomment>A button over a menu of windows (History, Changes, Monitor...).</extracomment>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Windows beside the form</source>
        <translation>Окна рядом с формой</translation>
    </message>
</context>
<context>
    <name>txconfig</name>
    <message>
        <source>Reads, edits, saves and writes the settings of an eight-channel radio-control transmitter over a serial port.
Qt&apos;s own options, such as -platform and -style, are accepted too (--help-all lists them).</source>
        <translation>Считывает, редактирует, сохраняет и записывает настройки восьмиканальной аппаратуры радиоуправления через последовательный порт.
Принимаются и собственные параметры Qt, например -platform и -style (их список выводит --help-all).</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Показать справку по параметрам командной строки.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Показать справку, включая параметры Qt.</translation>
    </message>
    <message>
        <source>%1: ignoring &apos;%2&apos;: no files are opened from the command line.
</source>
        <translation>%1: &apos;%2&apos; пропущено: файлы из командной строки не открываются.
</translation>
    </message>
    <message>
        <source>Speaks the language CODE (de, es, fr, ru, zh_CN or en) instead of the one chosen under Views or the system&apos;s.</source>
        <translation>Использовать язык CODE (de, es, fr, ru, zh_CN или en) вместо выбранного в меню «Вид» или системного.</translation>
    </message>
</context>
</TS>
