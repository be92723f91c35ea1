<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Changes</name>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Changes...</source>
        <translation>更改...</translation>
    </message>
    <message numerus="yes">
        <source>Revert %n setting(s)</source>
        <extracomment>An undo step.</extracomment>
        <translation>
            <numerusform>还原 %n 项设置</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChangesWindow</name>
    <message>
        <source>Changes</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>Revert</source>
        <comment>button</comment>
        <translation>还原</translation>
    </message>
    <message>
        <source>Put the transmitter&apos;s values of the ticked settings back into the form</source>
        <translation>将勾选的设置在界面中恢复为遥控器中的值</translation>
    </message>
    <message>
        <source>What the transmitter holds is not known yet: READ it, or send the form to it.</source>
        <extracomment>READ is the name of the form&apos;s button and stays as it is.</extracomment>
        <translation>尚不清楚遥控器中的设置：请先 READ 读取，或将界面中的设置发送到遥控器。</translation>
    </message>
    <message>
        <source>Form</source>
        <extracomment>Column header over the form&apos;s values.</extracomment>
        <translation>界面</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <extracomment>Column header over the values the transmitter holds.</extracomment>
        <translation>遥控器</translation>
    </message>
</context>
<context>
    <name>CommandKeys</name>
    <message>
        <source>Open or close the port chosen beside it</source>
        <translation>打开或关闭旁边所选的端口</translation>
    </message>
    <message>
        <source>Read the transmitter&apos;s settings</source>
        <translation>读取遥控器的设置</translation>
    </message>
    <message>
        <source>Load a parameter file and send it to the transmitter</source>
        <translation>载入参数文件并发送到遥控器</translation>
    </message>
    <message>
        <source>Write the form&apos;s settings to the transmitter</source>
        <translation>将界面中的设置写入遥控器</translation>
    </message>
    <message>
        <source>Save the form&apos;s settings to a file and send them</source>
        <translation>将界面中的设置保存到文件并发送到遥控器</translation>
    </message>
    <message>
        <source>Reset the transmitter to factory settings</source>
        <translation>将遥控器恢复为出厂设置</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A command button&apos;s tooltip: what it does (%1) and its key (%2).</extracomment>
        <translation>%1（%2）</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Cannot read the specified file!</source>
        <translation>无法读取指定的文件！</translation>
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
        <translation>错误</translation>
    </message>
    <message>
        <source>Saved to %1; the transmitter holds every setting sent.</source>
        <translation>已保存到 %1；遥控器中的设置与发送的完全一致。</translation>
    </message>
    <message>
        <source>LOAD replaces them with the settings of a file.</source>
        <translation>LOAD 会用文件中的设置替换这些修改。</translation>
    </message>
    <message>
        <source>not a parameter file, none of its S, G, H and I frames is in place. Nothing was loaded or sent.</source>
        <translation>不是参数文件：其 S、G、H、I 帧均不完好。未载入也未发送任何内容。</translation>
    </message>
    <message>
        <source>LOAD %1</source>
        <extracomment>An undo step: LOAD stays as on its button, %1 is the file&apos;s name.</extracomment>
        <translation>LOAD %1</translation>
    </message>
    <message>
        <source>Loaded %1; the transmitter holds every setting sent.</source>
        <translation>已载入 %1；遥控器中的设置与发送的完全一致。</translation>
    </message>
    <message>
        <source>Please open the serial port!</source>
        <translation>请先打开串口！</translation>
    </message>
    <message>
        <source>READ replaces them with the transmitter&apos;s settings.</source>
        <translation>READ 会用遥控器中的设置替换这些修改。</translation>
    </message>
    <message>
        <source>History not kept</source>
        <translation>历史记录未保存</translation>
    </message>
    <message>
        <source>WRITE checked: the transmitter holds every setting sent.</source>
        <translation>WRITE 已校验：遥控器中的设置与发送的完全一致。</translation>
    </message>
    <message>
        <source>%1 checked: the transmitter holds the factory settings.</source>
        <extracomment>%1 is RESET or DATA RESET, as on the buttons.</extracomment>
        <translation>%1 已校验：遥控器已恢复为出厂设置。</translation>
    </message>
    <message>
        <source>The transmitter&apos;s current settings could not be read, so no copy of them can be kept before they are replaced.</source>
        <translation>无法读取遥控器当前的设置，因此在替换之前无法保存其副本。</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>仍然发送</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 why it cannot be read or written.
----------
A notice: %1 says what was not kept, %2 why.</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>CompanionHelp</name>
    <message>
        <source>Backs up, restores, inspects and compares transmitter models.</source>
        <translation>备份、恢复、查看和比较遥控器中的模型。</translation>
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
        <translation>命令：
  dump FILE [--json]          列出参数文件中的每个参数，格式为 NAME VALUE
  diff A B [--json]           列出取值不同的参数，格式为 NAME A-VALUE B-VALUE
  read --port PORT -o FILE    将遥控器中的模型读入参数文件
  write --port PORT FILE      将参数文件发送到遥控器，然后读回并比对
                              （--no-verify 跳过校验）；被替换的模型会先
                              读出并保存到历史记录中（--no-backup 跳过此步）
  history [--json]            历史记录中保存的模型，最新的在前，带编号
  record --port PORT -o FILE.csv [--seconds N]
                              将实时通道输出、电压和信号录制到 CSV 文件，
                              每帧一行，持续 N 秒或直到被中断（Ctrl+C）
  sheet FILE -o OUT           生成模型的可打印参数表：每项设置及其值和
                              出厂值，输出为 OUT.pdf，或按扩展名输出为 OUT.html
  recover                     如有中途被打断的 WRITE（或窗口中的 LOAD、
                              SAVE、RESET），显示其情况
  recover --port PORT --restore | --resend
                              发送中断前保存的模型，或当时正在发送的模型，
                              然后读回并比对</translation>
    </message>
    <message>
        <source>FILE may be @N, the N-th newest entry of the history (@1 the newest).</source>
        <extracomment>FILE, @N and @1 are typed so and stay as they are.</extracomment>
        <translation>FILE 可以是 @N，即历史记录中第 N 新的条目（@1 为最新）。</translation>
    </message>
    <message>
        <source>Exit codes: 0 success (diff: the files are equal); 1 diff: they differ, read: blocks missing
(no file written), write, recover: the transmitter does not hold what was sent; 2 an error (a message on
stderr names the file or port and why; a recording keeps the rows written until then).</source>
        <extracomment>The exit codes 0, 1 and 2 and the command names diff, read, write, recover stay as they are.</extracomment>
        <translation>退出码：0 成功（diff：文件相同）；1 diff：文件不同，read：缺少数据块
（未写入文件），write、recover：遥控器中的设置与发送的不一致；2 出错（stderr 上的
消息会指明文件或端口及原因；录制会保留此前已写入的行）。</translation>
    </message>
    <message>
        <source>The transmitter&apos;s serial port (read, write, record, recover).</source>
        <translation>遥控器的串口（read、write、record、recover）。</translation>
    </message>
    <message>
        <source>port</source>
        <comment>value of an option</comment>
        <extracomment>The value --port takes, as --help shows it.</extracomment>
        <translation>端口</translation>
    </message>
    <message>
        <source>The parameter file (read), CSV file (record) or sheet (sheet) to write.</source>
        <translation>要写入的参数文件（read）、CSV 文件（record）或参数表（sheet）。</translation>
    </message>
    <message>
        <source>file</source>
        <comment>value of an option</comment>
        <extracomment>The value -o takes, as --help shows it.</extracomment>
        <translation>文件</translation>
    </message>
    <message>
        <source>How many seconds to record (record).</source>
        <translation>录制的秒数（record）。</translation>
    </message>
    <message>
        <source>N</source>
        <comment>value of an option</comment>
        <extracomment>The value --seconds takes, as --help shows it.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>One JSON object instead of lines (dump, diff).</source>
        <translation>输出一个 JSON 对象，而不是逐行输出（dump、diff）。</translation>
    </message>
    <message>
        <source>Send the frames that are in place even if others are not (write).</source>
        <translation>即使有些帧不完好，也发送完好的帧（write）。</translation>
    </message>
    <message>
        <source>Do not read the model back after sending it (write).</source>
        <translation>发送后不读回模型（write）。</translation>
    </message>
    <message>
        <source>Do not read and keep the transmitter&apos;s model before sending (write).</source>
        <translation>发送前不读取并保存遥控器中的模型（write）。</translation>
    </message>
    <message>
        <source>Send the model kept before the command cut off (recover).</source>
        <translation>发送命令中断前保存的模型（recover）。</translation>
    </message>
    <message>
        <source>Send the model the command cut off was sending (recover).</source>
        <translation>发送被中断的命令当时正在发送的模型（recover）。</translation>
    </message>
    <message>
        <source>Speak the language CODE (de, es, fr, ru, zh_CN or en) instead of the system&apos;s; what scripts read stays English.</source>
        <translation>使用语言 CODE（de、es、fr、ru、zh_CN 或 en）代替系统语言；供脚本读取的输出仍为英文。</translation>
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
        <translation>命令</translation>
    </message>
    <message>
        <source>dump, diff, read, write, history, record, sheet or recover.</source>
        <extracomment>The commands&apos; names are typed so and stay as they are.</extracomment>
        <translation>dump、diff、read、write、history、record、sheet 或 recover。</translation>
    </message>
    <message>
        <source>files</source>
        <comment>argument&apos;s name</comment>
        <extracomment>The name --help shows for the words after the command.</extracomment>
        <translation>文件</translation>
    </message>
    <message>
        <source>The parameter files the command works on.</source>
        <translation>命令要处理的参数文件。</translation>
    </message>
    <message>
        <source>[files...]</source>
        <comment>usage line</comment>
        <extracomment>How --help&apos;s usage line shows the words after the command.</extracomment>
        <translation>[文件...]</translation>
    </message>
</context>
<context>
    <name>CompanionMessages</name>
    <message>
        <source>%1 (see --help)</source>
        <extracomment>After a mistake on the command line: %1 says what is wrong.</extracomment>
        <translation>%1（参见 --help）</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>未指定命令</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <extracomment>%1 is the word typed where a command was expected.</extracomment>
        <translation>未知命令“%1”</translation>
    </message>
    <message>
        <source>%1 takes no file</source>
        <extracomment>%1 is the command&apos;s name.</extracomment>
        <translation>%1 不接受文件参数</translation>
    </message>
    <message>
        <source>%1 takes one file</source>
        <extracomment>%1 is the command&apos;s name.</extracomment>
        <translation>%1 需要一个文件</translation>
    </message>
    <message>
        <source>%1 takes two files</source>
        <extracomment>%1 is the command&apos;s name.</extracomment>
        <translation>%1 需要两个文件</translation>
    </message>
    <message>
        <source>%1 takes no file (%1 writes -o FILE)</source>
        <extracomment>%1 is the command&apos;s name (read, record); -o FILE is typed so.</extracomment>
        <translation>%1 不接受文件参数（%1 通过 -o FILE 指定要写入的文件）</translation>
    </message>
    <message>
        <source>%1 has no option --%2</source>
        <extracomment>%1 is the command&apos;s name, %2 the option&apos;s.</extracomment>
        <translation>%1 没有选项 --%2</translation>
    </message>
    <message>
        <source>%1 needs --port PORT</source>
        <extracomment>%1 is the command&apos;s name; --port PORT is typed so.</extracomment>
        <translation>%1 需要 --port PORT</translation>
    </message>
    <message>
        <source>recover takes --restore or --resend, not both</source>
        <translation>recover 只能使用 --restore 或 --resend 之一，不能同时使用</translation>
    </message>
    <message>
        <source>recover --port needs --restore or --resend</source>
        <translation>recover --port 需要 --restore 或 --resend</translation>
    </message>
    <message>
        <source>recover --%1 needs --port PORT</source>
        <extracomment>%1 is the option given, restore or resend; --port PORT is typed so.</extracomment>
        <translation>recover --%1 需要 --port PORT</translation>
    </message>
    <message>
        <source>%1 needs -o FILE</source>
        <extracomment>%1 is the command&apos;s name; -o FILE is typed so.</extracomment>
        <translation>%1 需要 -o FILE</translation>
    </message>
    <message>
        <source>--seconds takes a whole number above 0, not &apos;%1&apos;</source>
        <extracomment>%1 is what was typed after --seconds.</extracomment>
        <translation>--seconds 需要大于 0 的整数，而不是“%1”</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <extracomment>%1 says why the file could not be written.</extracomment>
        <translation>无法写入：%1</translation>
    </message>
    <message numerus="yes">
        <source>no such history entry (%n kept in %1)</source>
        <extracomment>%n is how many entries the history keeps, %1 its folder.</extracomment>
        <translation>
            <numerusform>没有该历史记录条目（%1 中共保存 %n 条）</numerusform>
        </translation>
    </message>
    <message>
        <source>not kept: %1</source>
        <extracomment>%1 says why the model could not be kept in the history.</extracomment>
        <translation>未保存：%1</translation>
    </message>
    <message>
        <source>%1 The transmitter may hold part of two models; see txconfig-cli recover</source>
        <extracomment>%1 says which command was cut off, when and on which port; txconfig-cli recover is typed so.</extracomment>
        <translation>%1遥控器中可能混有两个模型的部分设置；请参见 txconfig-cli recover</translation>
    </message>
    <message>
        <source>the journal %1 is damaged (%2)</source>
        <extracomment>%1 is the journal&apos;s path, %2 what is wrong with it.</extracomment>
        <translation>操作日志 %1 已损坏（%2）</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>无应答</translation>
    </message>
    <message numerus="yes">
        <source>frame(s) %1 missing</source>
        <extracomment>%1 lists the frame numbers (&quot;5, 12&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>缺少第 %1 帧</numerusform>
        </translation>
    </message>
    <message>
        <source>writing %1: opening</source>
        <extracomment>A line of progress on a terminal; %1 is the port.</extracomment>
        <translation>正在写入 %1：正在打开</translation>
    </message>
    <message>
        <source>writing %1: %2 frame (%3 of %4)</source>
        <extracomment>A line of progress on a terminal: %1 is the port, %2 the frame&apos;s letter (S, G, H or I), %3 and %4 count the frames.</extracomment>
        <translation>正在写入 %1：%2 帧（%3/%4）</translation>
    </message>
    <message>
        <source>nothing sent: the model on the transmitter could not be read to keep a copy (%1) (--no-backup sends without one)</source>
        <extracomment>%1 says what the read lacked (&quot;no answer&quot;, &quot;frames 5, 12 missing&quot;); --no-backup is typed so.</extracomment>
        <translation>未发送任何内容：无法读取遥控器中的模型以保存副本（%1）（--no-backup 可不保存副本直接发送）</translation>
    </message>
    <message numerus="yes">
        <source>%1; %2 of %n frames had gone out, write the file again</source>
        <extracomment>%1 says why the link failed, %2 how many of the %n frames had gone out.</extracomment>
        <translation>
            <numerusform>%1；%n 帧中已发出 %2 帧，请重新写入该文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the transmitter does not hold what was sent: %n setting(s) differ(s) (listed above)</source>
        <translation>
            <numerusform>遥控器中的设置与发送的不一致：%n 项设置不同（见上方列表）</numerusform>
        </translation>
    </message>
    <message>
        <source>sent, but the transmitter did not answer the read-back: nothing was checked</source>
        <translation>已发送，但遥控器未响应回读：未做任何校验</translation>
    </message>
    <message numerus="yes">
        <source>sent, but the read-back lacked frame(s) %1: their settings are unchecked</source>
        <extracomment>%1 lists the frame numbers (&quot;5, 12&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>已发送，但回读时缺少第 %1 帧：这些帧中的设置未经校验</numerusform>
        </translation>
    </message>
    <message>
        <source>reading %1: opening</source>
        <extracomment>A line of progress on a terminal; %1 is the port.</extracomment>
        <translation>正在读取 %1：正在打开</translation>
    </message>
    <message numerus="yes">
        <source>reading %1: %2 of %n blocks</source>
        <extracomment>A line of progress on a terminal: %1 is the port, %2 how many of the %n blocks have come.</extracomment>
        <translation>
            <numerusform>正在读取 %1：已收到 %2/%n 个数据块</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>incomplete read, frame(s) %1 missing; no file written</source>
        <extracomment>%1 lists the frame numbers (&quot;5, 12&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>读取不完整，缺少第 %1 帧；未写入文件</numerusform>
        </translation>
    </message>
    <message>
        <source>no telemetry frame arrived; the stick trims are saved centred</source>
        <translation>未收到回传帧；摇杆微调按中位保存</translation>
    </message>
    <message>
        <source>%1 %2 does not fit the file, saved as %3</source>
        <extracomment>%1 is the parameter&apos;s name as the file has it, %2 its value, %3 the value saved.</extracomment>
        <translation>%1 %2 无法存入文件，已保存为 %3</translation>
    </message>
    <message>
        <source>nothing sent: not every frame is in place (--partial sends the others)</source>
        <extracomment>--partial is typed so.</extracomment>
        <translation>未发送任何内容：并非所有帧都完好（--partial 可发送其余完好的帧）</translation>
    </message>
    <message>
        <source>%1 %2 out of range, sent as %3</source>
        <extracomment>%1 is the parameter&apos;s name as the file has it, %2 its value, %3 the value sent.</extracomment>
        <translation>%1 %2 超出范围，已按 %3 发送</translation>
    </message>
    <message>
        <source>damaged (%1); left in place</source>
        <extracomment>%1 says what is wrong with the journal.</extracomment>
        <translation>已损坏（%1）；保留原样</translation>
    </message>
    <message>
        <source>No command was cut off: the journal is empty.</source>
        <translation>没有被中断的命令：操作日志为空。</translation>
    </message>
    <message>
        <source>nothing sent: no command was cut off</source>
        <translation>未发送任何内容：没有被中断的命令</translation>
    </message>
    <message>
        <source>none kept</source>
        <translation>未保存副本</translation>
    </message>
    <message>
        <source>earlier model: %1</source>
        <extracomment>%1 is the history entry of the model the command replaced. The two lines&apos; values line up.</extracomment>
        <translation>先前模型：%1</translation>
    </message>
    <message>
        <source>being sent:    %1</source>
        <extracomment>%1 is the history entry of the model the command was sending. The two lines&apos; values line up.</extracomment>
        <translation>正在发送：%1</translation>
    </message>
    <message>
        <source>no copy of the earlier model was kept; --resend sends the one that was being sent</source>
        <extracomment>--resend is typed so.</extracomment>
        <translation>未保存先前模型的副本；--resend 会重新发送当时正在发送的模型</translation>
    </message>
    <message>
        <source>recording %1: opening</source>
        <extracomment>A line of progress on a terminal; %1 is the port.</extracomment>
        <translation>正在录制 %1：正在打开</translation>
    </message>
    <message>
        <source>recording %1: %2 s, %3</source>
        <extracomment>A line of progress on a terminal: %1 is the port, %2 the seconds recorded, %3 how many rows.</extracomment>
        <translation>正在录制 %1：%2 s，%3</translation>
    </message>
    <message>
        <source>%1; %2 kept in %3</source>
        <extracomment>%1 says why the link failed, %2 how many rows were kept, %3 the file.</extracomment>
        <translation>%1；%3 中已保留 %2</translation>
    </message>
    <message>
        <source>cannot write: %1; %2 kept</source>
        <extracomment>%1 says why the file could not be written, %2 how many rows it kept.</extracomment>
        <translation>无法写入：%1；已保留 %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 frame left out: the file ends after %n characters</source>
        <extracomment>%1 is the frame&apos;s letter (S, G, H or I), %n how many characters the file has.</extracomment>
        <translation>
            <numerusform>已略过 %1 帧：文件只有 %n 个字符</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 frame left out: its markers are not in place (&apos;%1&apos; at character %2, &apos;%3&apos; at %4)</source>
        <extracomment>%1 is the frame&apos;s letter (S, G, H or I), which is also its first marker and belongs at character %2; %3 is its last marker, which belongs at character %4.</extracomment>
        <translation>已略过 %1 帧：其标记不在应有位置（“%1”应位于第 %2 个字符，“%3”应位于第 %4 个字符）</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>not a parameter file (it is a folder)</source>
        <translation>不是参数文件（而是文件夹）</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>权限不足</translation>
    </message>
    <message>
        <source>not a parameter file (no S, G, H or I frame in place)</source>
        <extracomment>S, G, H and I are the frames&apos; letters.</extracomment>
        <translation>不是参数文件（S、G、H、I 帧均不完好）</translation>
    </message>
    <message>
        <source>the port went away (cable pulled?): %1</source>
        <extracomment>%1 says what the system reported.</extracomment>
        <translation>端口已断开（数据线被拔出？）：%1</translation>
    </message>
</context>
<context>
    <name>CompareTable</name>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>All</source>
        <comment>tick every row</comment>
        <translation>全选</translation>
    </message>
    <message numerus="yes">
        <source>No settings differ (%n are equal).</source>
        <extracomment>%n is the number of settings that are the same on both sides.</extracomment>
        <translation>
            <numerusform>没有不同的设置（%n 项相同）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s) differ(s), %1 are equal.</source>
        <extracomment>%n is the number of rows below, %1 the number of settings that are the same on both sides.</extracomment>
        <translation>
            <numerusform>%n 项设置不同，%1 项相同。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EditorMenus</name>
    <message>
        <source>Revert to the transmitter&apos;s value (%1)</source>
        <extracomment>%1 is the setting&apos;s value as the transmitter holds it.</extracomment>
        <translation>还原为遥控器中的值（%1）</translation>
    </message>
    <message>
        <source>Revert %1</source>
        <extracomment>An undo step; %1 is the setting&apos;s label as the form shows it.</extracomment>
        <translation>还原 %1</translation>
    </message>
    <message>
        <source>Reset to the factory value (%1)</source>
        <extracomment>%1 is the setting&apos;s factory value.</extracomment>
        <translation>恢复为出厂值（%1）</translation>
    </message>
    <message>
        <source>Reset %1</source>
        <extracomment>An undo step; %1 is the setting&apos;s label as the form shows it.</extracomment>
        <translation>重置 %1</translation>
    </message>
</context>
<context>
    <name>EditorTips</name>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of values, lowest to highest.</extracomment>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>none, the transmitter reports it</source>
        <extracomment>The factory value of a read-only field such as the transmitter&apos;s version.</extracomment>
        <translation>无，由遥控器报告</translation>
    </message>
    <message>
        <source>On the transmitter: %1</source>
        <extracomment>%1 is the setting&apos;s value as the transmitter holds it.</extracomment>
        <translation>遥控器中：%1</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <extracomment>%1 is what the editor accepts, e.g. &quot;-100 to 100 %&quot; or a list of its choices.</extracomment>
        <translation>范围：%1</translation>
    </message>
    <message>
        <source>Factory: %1</source>
        <extracomment>%1 is the value the setting takes at a factory reset.</extracomment>
        <translation>出厂值：%1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>file</source>
        <comment>view of parameter files</comment>
        <extracomment>The file dialogs&apos; view of parameter files; the patterns after it stay as they are.</extracomment>
        <translation>参数文件</translation>
    </message>
    <message>
        <source>allfile</source>
        <comment>view of every file</comment>
        <extracomment>SAVE&apos;s file-dialog view of every file; the pattern after it stays as it is.</extracomment>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>All file</source>
        <comment>view of every file</comment>
        <extracomment>LOAD&apos;s file-dialog view of every file; the patterns after it stay as they are.</extracomment>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>打开文件</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>cut short or not a txconfig draft</source>
        <translation>内容不完整，或不是 txconfig 草稿</translation>
    </message>
    <message>
        <source>cannot lock %1</source>
        <extracomment>%1 is the lock file&apos;s path.</extracomment>
        <translation>无法锁定 %1</translation>
    </message>
    <message>
        <source>its settings are cut short</source>
        <translation>其设置不完整</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <extracomment>%1 is a path.</extracomment>
        <translation>%1 是文件，而不是文件夹</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <extracomment>%1 is a path.</extracomment>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>not a parameter file</source>
        <translation>不是参数文件</translation>
    </message>
    <message>
        <source>cut short (%1 of 324 bytes)</source>
        <extracomment>Why a history entry cannot be read: %1 is how many bytes it has.</extracomment>
        <translation>内容不完整（只有 %1/324 字节）</translation>
    </message>
    <message>
        <source>damaged: not every frame is in place</source>
        <translation>已损坏：并非所有帧都完好</translation>
    </message>
    <message>
        <source>not a txconfig journal</source>
        <translation>不是 txconfig 操作日志</translation>
    </message>
    <message>
        <source>cut short or damaged</source>
        <translation>内容不完整或已损坏</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>无法生成 PDF</translation>
    </message>
    <message>
        <source>History not kept</source>
        <extracomment>A notice&apos;s start; &quot;: &quot; and the reason follow.</extracomment>
        <translation>历史记录未保存</translation>
    </message>
    <message>
        <source>Journal not written</source>
        <extracomment>A notice&apos;s start; &quot;: &quot; and the reason follow.</extracomment>
        <translation>操作日志未写入</translation>
    </message>
    <message>
        <source>Journal not closed</source>
        <extracomment>A notice&apos;s start; &quot;: &quot; and the reason follow.</extracomment>
        <translation>操作日志未关闭</translation>
    </message>
</context>
<context>
    <name>HistoryEvents</name>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Before WRITE</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>WRITE 前</translation>
    </message>
    <message>
        <source>After WRITE</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>WRITE 后</translation>
    </message>
    <message>
        <source>Before LOAD</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>LOAD 前</translation>
    </message>
    <message>
        <source>After LOAD</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>LOAD 后</translation>
    </message>
    <message>
        <source>Before SAVE</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>SAVE 前</translation>
    </message>
    <message>
        <source>After SAVE</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>SAVE 后</translation>
    </message>
    <message>
        <source>Before RESET</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>RESET 前</translation>
    </message>
    <message>
        <source>After RESET</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>RESET 后</translation>
    </message>
    <message>
        <source>Before DATA RESET</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>DATA RESET 前</translation>
    </message>
    <message>
        <source>After DATA RESET</source>
        <extracomment>The command&apos;s name is its button&apos;s and stays as it is.</extracomment>
        <translation>DATA RESET 后</translation>
    </message>
    <message>
        <source>Being sent</source>
        <translation>发送中</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>已中断</translation>
    </message>
</context>
<context>
    <name>HistoryList</name>
    <message>
        <source>before the interrupted %1</source>
        <extracomment>%1 is the command&apos;s button name (WRITE, LOAD, RESET...), which stays as it is.</extracomment>
        <translation>被中断的 %1 之前</translation>
    </message>
    <message>
        <source>sent by the interrupted %1</source>
        <extracomment>%1 is the command&apos;s button name (WRITE, LOAD, RESET...), which stays as it is.</extracomment>
        <translation>由被中断的 %1 发送</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is the event (e.g. &quot;Before WRITE&quot;), %2 what it was to an interrupted command.</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Port</source>
        <extracomment>The serial port the transmitter was on.</extracomment>
        <translation>端口</translation>
    </message>
    <message>
        <source>Differs from the form</source>
        <translation>与界面不同</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Restore</source>
        <comment>button</comment>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Save as...</source>
        <comment>button</comment>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment>button</comment>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <extracomment>In the list&apos;s last column; %1 is why the entry cannot be read.</extracomment>
        <translation>已损坏：%1</translation>
    </message>
    <message>
        <source>equal</source>
        <extracomment>In the list&apos;s last column: the entry holds the same settings as the form.</extracomment>
        <translation>相同</translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s)</source>
        <extracomment>In the list&apos;s last column: how many settings of the entry differ from the form.</extracomment>
        <translation>
            <numerusform>%n 项设置</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose an entry to compare it with the form, or two to compare them with each other.</source>
        <translation>选择一个条目与界面比较，或选择两个条目相互比较。</translation>
    </message>
    <message>
        <source>Choose one entry or two.</source>
        <translation>请选择一个或两个条目。</translation>
    </message>
    <message>
        <source>This entry cannot be read: %1.</source>
        <extracomment>%1 is the reason.</extracomment>
        <translation>无法读取此条目：%1。</translation>
    </message>
    <message>
        <source>Form</source>
        <extracomment>Column header over the form&apos;s values.</extracomment>
        <translation>界面</translation>
    </message>
    <message>
        <source>The older entry cannot be read: %1.</source>
        <extracomment>%1 is the reason.</extracomment>
        <translation>无法读取较早的条目：%1。</translation>
    </message>
    <message>
        <source>file (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 holds the file name patterns, which stay as they are.</extracomment>
        <translation>参数文件 (%1)</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>系统语言</translation>
    </message>
    <message>
        <source>Speaking %1; a change takes effect at the next start</source>
        <extracomment>Under the list of languages; %1 is the language spoken now, in its own name.</extracomment>
        <translation>当前语言：%1；更改将在下次启动时生效</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>语言将在下次启动时更改。</translation>
    </message>
</context>
<context>
    <name>LinkErrors</name>
    <message>
        <source>the device hung up</source>
        <translation>设备已断开连接</translation>
    </message>
    <message>
        <source>No serial port is listed. Plug the transmitter in; its port appears in the list within a second or two.</source>
        <translation>未列出任何串口。请插上遥控器，一两秒内其端口就会出现在列表中。</translation>
    </message>
    <message>
        <source>%1 is not connected. Check the transmitter&apos;s USB cable, or pick another port from the list.</source>
        <extracomment>%1 is the port&apos;s device, e.g. /dev/ttyUSB0.</extracomment>
        <translation>%1 未连接。请检查遥控器的 USB 数据线，或从列表中选择其他端口。</translation>
    </message>
    <message>
        <source>%1 is in use by another program (another txconfig, a terminal program or ModemManager). Close it and press OPEN again.</source>
        <extracomment>%1 is the port&apos;s device. OPEN is the button&apos;s name and stays as it is.</extracomment>
        <translation>%1 正被其他程序占用（另一个 txconfig、终端程序或 ModemManager）。请关闭该程序后再按 OPEN。</translation>
    </message>
    <message>
        <source>You have no permission to use %1. Add yourself to the dialout group:

sudo usermod -aG dialout $USER

then log out and log in again.</source>
        <extracomment>%1 is the port&apos;s device. The command line and the group&apos;s name dialout stay as they are.</extracomment>
        <translation>没有使用 %1 的权限。请将当前用户加入 dialout 组：

sudo usermod -aG dialout $USER

然后注销并重新登录。</translation>
    </message>
    <message>
        <source>Cannot open the serial port!</source>
        <extracomment>The first line of the box; what went wrong and what to do follow after a blank line.</extracomment>
        <translation>无法打开串口！</translation>
    </message>
    <message>
        <source>no port given</source>
        <extracomment>txconfig-cli says it on a terminal, after the port&apos;s name.</extracomment>
        <translation>未指定端口</translation>
    </message>
    <message>
        <source>no such port (is the transmitter plugged in?)</source>
        <extracomment>txconfig-cli says it on a terminal, after the port&apos;s name.</extracomment>
        <translation>端口不存在（遥控器是否已插上？）</translation>
    </message>
    <message>
        <source>busy: another program has the port open</source>
        <extracomment>txconfig-cli says it on a terminal, after the port&apos;s name.</extracomment>
        <translation>忙：另一个程序已打开该端口</translation>
    </message>
    <message>
        <source>permission denied (is your user in the dialout group?)</source>
        <extracomment>txconfig-cli says it on a terminal, after the port&apos;s name.</extracomment>
        <translation>权限不足（当前用户是否在 dialout 组中？）</translation>
    </message>
</context>
<context>
    <name>LiveRecording</name>
    <message>
        <source>Cannot record to %1: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>无法录制到 %1：%2</translation>
    </message>
    <message>
        <source>Recording stopped: %1 is gone (deleted, or its folder removed); no rows were kept.</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>录制已停止：%1 已不存在（已被删除，或其文件夹已被移除）；未保留任何行。</translation>
    </message>
    <message>
        <source>the file is gone (deleted, or its folder removed)</source>
        <extracomment>Why a recording stopped, where the system gives no reason of its own.</extracomment>
        <translation>文件已不存在（已被删除，或其文件夹已被移除）</translation>
    </message>
    <message numerus="yes">
        <source>Recording stopped: cannot write %1 (%2); %n row(s) kept.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason, %n the whole rows the file keeps.</extracomment>
        <translation>
            <numerusform>录制已停止：无法写入 %1（%2）；已保留 %n 行。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n 行</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LoadPreview</name>
    <message>
        <source>Sending %1 changes these settings on the transmitter. A setting left unticked keeps the transmitter&apos;s value.</source>
        <extracomment>%1 is the parameter file&apos;s name.</extracomment>
        <translation>发送 %1 将更改遥控器中的以下设置。未勾选的设置保持遥控器中的值。</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Column header over the file&apos;s values.</extracomment>
        <translation>文件</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <extracomment>Column header over the values the transmitter holds.</extracomment>
        <translation>遥控器</translation>
    </message>
    <message>
        <source>Send</source>
        <comment>button</comment>
        <translation>发送</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Find...</source>
        <translation>查找...</translation>
    </message>
    <message>
        <source>Export sheet...</source>
        <translation>导出参数表...</translation>
    </message>
    <message>
        <source>Sheet written to %1</source>
        <translation>参数表已写入 %1</translation>
    </message>
    <message>
        <source>Export sheet</source>
        <translation>导出参数表</translation>
    </message>
    <message>
        <source>the form of %1</source>
        <translation>%1 的界面设置</translation>
    </message>
    <message>
        <source>The sheet could not be written to %1: %2</source>
        <translation>无法将参数表写入 %1：%2</translation>
    </message>
    <message>
        <source>The link to %1 was lost (%2). Check the cable, then press OPEN.</source>
        <translation>与 %1 的连接已断开（%2）。请检查数据线，然后按 OPEN。</translation>
    </message>
    <message>
        <source>Closing the window loses them.</source>
        <translation>关闭窗口将丢失这些修改。</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>历史记录...</translation>
    </message>
    <message>
        <source>Restore from history</source>
        <translation>从历史记录恢复</translation>
    </message>
</context>
<context>
    <name>Meanings</name>
    <message>
        <source>Servo direction of channel %1: REV turns the servo the other way for the same stick.</source>
        <translation>通道 %1 的舵机正反向：REV 为舵机反向，同样的摇杆动作下舵机向相反方向转动。</translation>
    </message>
    <message>
        <source>Sub-trim of channel %1: shifts the servo&apos;s centre so the linkage sits neutral without bending it.</source>
        <translation>通道 %1 的中立点微调（子微调）：平移舵机的中立点，使连杆无需弯折即可处于中立位置。</translation>
    </message>
    <message>
        <source>End point of channel %1 on the left (low) side: how far the servo may travel that way.</source>
        <translation>通道 %1 左侧（低端）的舵量（行程终点）：舵机向这一侧可转动的最大行程。</translation>
    </message>
    <message>
        <source>End point of channel %1 on the right (high) side: how far the servo may travel that way.</source>
        <translation>通道 %1 右侧（高端）的舵量（行程终点）：舵机向这一侧可转动的最大行程。</translation>
    </message>
    <message>
        <source>Fail-safe of channel %1: the position the servo goes to when the receiver loses the signal.</source>
        <translation>通道 %1 的失控保护：接收机丢失信号时舵机转到的位置。</translation>
    </message>
    <message>
        <source>Servo delay of channel %1: slows the servo, for gear doors or flaps that should move gently.</source>
        <translation>通道 %1 的舵机延时：减慢舵机速度，用于需要平缓动作的起落架舱门或襟翼。</translation>
    </message>
    <message>
        <source>Control that drives channel %1: switch SwA or SwB, knob VrA, VrB/SwC, Lock-C, or none (NULL).</source>
        <translation>控制通道 %1 的控件：开关 SwA 或 SwB、旋钮 VrA、VrB/SwC、Lock-C，或无（NULL）。</translation>
    </message>
    <message>
        <source>Channel 1 follows its stick; it has no control to choose (NC).</source>
        <translation>通道 1 跟随其摇杆，没有可选的控件（NC）。</translation>
    </message>
    <message>
        <source>Channel 2 follows its stick; it has no control to choose (NC).</source>
        <translation>通道 2 跟随其摇杆，没有可选的控件（NC）。</translation>
    </message>
    <message>
        <source>Channel 3 follows its stick; it has no control to choose (NC).</source>
        <translation>通道 3 跟随其摇杆，没有可选的控件（NC）。</translation>
    </message>
    <message>
        <source>Channel 4 follows its stick; it has no control to choose (NC).</source>
        <translation>通道 4 跟随其摇杆，没有可选的控件（NC）。</translation>
    </message>
    <message>
        <source>Dual rate on or off: when on, switch SWA picks the UP or the DOWN rate of each D/R channel.</source>
        <translation>大小舵（双比率）开启或关闭：开启时，由开关 SWA 为每个 D/R 通道选择 UP 或 DOWN 档的比率。</translation>
    </message>
    <message>
        <source>Which dual-rate channel (CH1 to CH4) the D/R rows show and edit.</source>
        <translation>D/R 各行显示和编辑的大小舵通道（CH1 至 CH4）。</translation>
    </message>
    <message>
        <source>The switch that selects the dual rate (SWA).</source>
        <translation>切换大小舵的开关（SWA）。</translation>
    </message>
    <message>
        <source>Dual rate of the channel chosen under CH with the switch UP: stick travel in percent of full.</source>
        <translation>开关在 UP 位置时，CH 中所选通道的大小舵比率：摇杆行程占满行程的百分比。</translation>
    </message>
    <message>
        <source>Dual rate of the channel chosen under CH with the switch DOWN: stick travel in percent of full.</source>
        <translation>开关在 DOWN 位置时，CH 中所选通道的大小舵比率：摇杆行程占满行程的百分比。</translation>
    </message>
    <message>
        <source>Dual rate of channel %1 with the switch UP: stick travel in percent of full (choose CH%1 under CH).</source>
        <translation>开关在 UP 位置时通道 %1 的大小舵比率：摇杆行程占满行程的百分比（在 CH 中选择 CH%1）。</translation>
    </message>
    <message>
        <source>Dual rate of channel %1 with the switch DOWN: stick travel in percent of full (choose CH%1 under CH).</source>
        <translation>开关在 DOWN 位置时通道 %1 的大小舵比率：摇杆行程占满行程的百分比（在 CH 中选择 CH%1）。</translation>
    </message>
    <message>
        <source>The switch that selects the dual rate (SWA); the same setting as SW on ADVANCE2.</source>
        <translation>切换大小舵的开关（SWA）；与 ADVANCE2 中的 SW 为同一设置。</translation>
    </message>
    <message>
        <source>The channel that sends the attitude (flight mode) position, CH5 to CH8, or OFF.</source>
        <translation>发送姿态（飞行模式）档位的通道：CH5 至 CH8，或 OFF。</translation>
    </message>
    <message>
        <source>Output of the attitude channel in flight-mode position %1.</source>
        <translation>姿态通道在飞行模式档位 %1 时的输出。</translation>
    </message>
    <message>
        <source>Elevon mix on or off, for flying wings: aileron and elevator both drive the two wing servos.</source>
        <translation>三角翼混控开启或关闭，用于飞翼：副翼和升降舵共同驱动两个机翼舵机。</translation>
    </message>
    <message>
        <source>Elevon: how much aileron moves the first wing servo (AILE1).</source>
        <translation>三角翼混控：副翼对第一个机翼舵机（AILE1）的驱动量。</translation>
    </message>
    <message>
        <source>Elevon: how much aileron moves the second wing servo (AILE2).</source>
        <translation>三角翼混控：副翼对第二个机翼舵机（AILE2）的驱动量。</translation>
    </message>
    <message>
        <source>Elevon: how much elevator moves the second wing servo (ELEV2).</source>
        <translation>三角翼混控：升降舵对第二个机翼舵机（ELEV2）的驱动量。</translation>
    </message>
    <message>
        <source>Elevon: how much elevator moves the first wing servo (ELEV1).</source>
        <translation>三角翼混控：升降舵对第一个机翼舵机（ELEV1）的驱动量。</translation>
    </message>
    <message>
        <source>Elevon: the second amount on the AILE1 row, for the first wing servo.</source>
        <translation>三角翼混控：AILE1 行的第二个数值，作用于第一个机翼舵机。</translation>
    </message>
    <message>
        <source>Elevon: the second amount on the AILE2 row, for the second wing servo.</source>
        <translation>三角翼混控：AILE2 行的第二个数值，作用于第二个机翼舵机。</translation>
    </message>
    <message>
        <source>V-tail mix on or off: elevator and rudder both drive the two tail servos.</source>
        <translation>V尾混控开启或关闭：升降舵和方向舵共同驱动两个尾翼舵机。</translation>
    </message>
    <message>
        <source>V-tail: how much elevator moves the first tail servo (ELEV1).</source>
        <translation>V尾混控：升降舵对第一个尾翼舵机（ELEV1）的驱动量。</translation>
    </message>
    <message>
        <source>V-tail: how much elevator moves the second tail servo (ELEV2).</source>
        <translation>V尾混控：升降舵对第二个尾翼舵机（ELEV2）的驱动量。</translation>
    </message>
    <message>
        <source>V-tail: how much rudder moves the second tail servo (RUDD2).</source>
        <translation>V尾混控：方向舵对第二个尾翼舵机（RUDD2）的驱动量。</translation>
    </message>
    <message>
        <source>V-tail: how much rudder moves the first tail servo (RUDD1).</source>
        <translation>V尾混控：方向舵对第一个尾翼舵机（RUDD1）的驱动量。</translation>
    </message>
    <message>
        <source>Dual rate on or off; the same setting as MIX on ADVANCE1.</source>
        <translation>大小舵开启或关闭；与 ADVANCE1 中的 MIX 为同一设置。</translation>
    </message>
    <message>
        <source>Which dual-rate channel RATE and EXP show; the same setting as CH on ADVANCE1.</source>
        <translation>RATE 和 EXP 显示的大小舵通道；与 ADVANCE1 中的 CH 为同一设置。</translation>
    </message>
    <message>
        <source>Which switch position (UP or DOWN) RATE and EXP show and edit.</source>
        <translation>RATE 和 EXP 显示和编辑的开关位置（UP 或 DOWN）。</translation>
    </message>
    <message>
        <source>Dual rate of the channel under CH at the switch position under POSI: stick travel in percent of full.</source>
        <translation>CH 中所选通道在 POSI 所选开关位置时的大小舵比率：摇杆行程占满行程的百分比。</translation>
    </message>
    <message>
        <source>Exponential of the channel under CH at the position under POSI: softens or sharpens the stick around centre.</source>
        <translation>CH 中所选通道在 POSI 所选位置时的指数曲线：使摇杆在中位附近更柔和或更灵敏。</translation>
    </message>
    <message>
        <source>Exponential of channel %1 with the switch UP: softens or sharpens the stick around centre.</source>
        <translation>开关在 UP 位置时通道 %1 的指数曲线：使摇杆在中位附近更柔和或更灵敏。</translation>
    </message>
    <message>
        <source>Exponential of channel %1 with the switch DOWN: softens or sharpens the stick around centre.</source>
        <translation>开关在 DOWN 位置时通道 %1 的指数曲线：使摇杆在中位附近更柔和或更灵敏。</translation>
    </message>
    <message>
        <source>Throttle curve on or off: when on, the seven points shape the throttle&apos;s response to the stick.</source>
        <translation>油门曲线开启或关闭：开启时，由七个点决定油门对摇杆的响应。</translation>
    </message>
    <message>
        <source>Throttle curve point %1 of 7: the throttle output at that stick position, from low stick to high.</source>
        <translation>油门曲线第 %1 点（共 7 点）：摇杆在该位置时的油门输出，按摇杆从低到高排列。</translation>
    </message>
    <message>
        <source>A throttle-curve value the transmitter keeps with the curve; no row of the form shows it.</source>
        <translation>遥控器随油门曲线一起保存的一个曲线值；界面中没有显示它的行。</translation>
    </message>
    <message>
        <source>Programmable mix %1: INH not in use, OFF set up but switched off, ON mixing.</source>
        <translation>可编程混控 %1：INH 为未使用，OFF 为已设置但关闭，ON 为混控生效。</translation>
    </message>
    <message>
        <source>Programmable mix %1: the master channel, whose movement is mixed in.</source>
        <translation>可编程混控 %1：主通道，其动作被混入从通道。</translation>
    </message>
    <message>
        <source>Programmable mix %1: the slave channel, which follows the master as well as its own control.</source>
        <translation>可编程混控 %1：从通道，除受自身控件控制外，还跟随主通道动作。</translation>
    </message>
    <message>
        <source>Programmable mix %1: the offset, the master&apos;s position where the mix starts.</source>
        <translation>可编程混控 %1：偏移量，即混控开始起作用时主通道的位置。</translation>
    </message>
    <message>
        <source>Programmable mix %1: how much the slave moves as the master moves up.</source>
        <translation>可编程混控 %1：主通道向上移动时从通道的动作量。</translation>
    </message>
    <message>
        <source>Programmable mix %1: how much the slave moves as the master moves down.</source>
        <translation>可编程混控 %1：主通道向下移动时从通道的动作量。</translation>
    </message>
    <message>
        <source>Transmitter battery alarm: the transmitter warns when its battery falls below this voltage.</source>
        <translation>遥控器电池报警：遥控器电池电压低于此值时报警。</translation>
    </message>
    <message>
        <source>Receiver battery alarm: warns when the receiver&apos;s battery, reported by telemetry, falls below this.</source>
        <translation>接收机电池报警：回传的接收机电池电压低于此值时报警。</translation>
    </message>
    <message>
        <source>External voltage alarm: warns when the voltage the receiver measures (flight pack) falls below this.</source>
        <translation>外部电压报警：接收机测得的电压（动力电池）低于此值时报警。</translation>
    </message>
    <message>
        <source>Signal-strength alarm: warns when the receiver&apos;s signal falls below this level.</source>
        <translation>信号强度报警：接收机信号低于此值时报警。</translation>
    </message>
    <message>
        <source>Stick mode 1 to 4: which stick works throttle, elevator, rudder and aileron.</source>
        <translation>摇杆模式 1 至 4（模式 1 为日本手，模式 2 为美国手）：决定由哪个摇杆控制油门、升降舵、方向舵和副翼。</translation>
    </message>
    <message>
        <source>The transmitter&apos;s firmware version, as it reports it; it is not sent back.</source>
        <translation>遥控器报告的固件版本；不会写回遥控器。</translation>
    </message>
    <message>
        <source>The version of the transmitter&apos;s protocol this program speaks.</source>
        <translation>本程序所用的遥控器通信协议版本。</translation>
    </message>
    <message>
        <source>Stick trim %1 as the transmitter keeps it: the trim buttons move it, 0 is centre.</source>
        <translation>遥控器保存的摇杆微调 %1：由微调按键调节，0 为中位。</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>步</translation>
    </message>
</context>
<context>
    <name>ModelSheet</name>
    <message>
        <source>Model sheet</source>
        <extracomment>The PDF&apos;s title, as a viewer shows it.</extracomment>
        <translation>模型参数表</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>模型</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>生成时间</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Transmitter version</source>
        <translation>遥控器版本</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>未知</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n settings differ from the factory values; they are in &lt;b&gt;bold&lt;/b&gt;.</source>
        <extracomment>%1 is how many of the %n settings differ; keep the &lt;b&gt; tags around the word for bold.</extracomment>
        <translation>
            <numerusform>%n 项设置中有 %1 项与出厂值不同，已用&lt;b&gt;粗体&lt;/b&gt;标出。</numerusform>
        </translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>出厂值</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <extracomment>The foot of each printed page: %1 is the page, %2 how many there are.</extracomment>
        <translation>第 %1 页，共 %2 页</translation>
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
        <translation>实时监视...</translation>
    </message>
    <message>
        <source>Record...</source>
        <translation>录制...</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>停止录制</translation>
    </message>
    <message>
        <source>CSV file (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 holds the file name pattern, which stays as it is.</extracomment>
        <translation>CSV 文件 (%1)</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The title of the file dialog that asks where to record.</extracomment>
        <translation>录制</translation>
    </message>
</context>
<context>
    <name>MonitorWindow</name>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>实时监视</translation>
    </message>
    <message>
        <source>Freeze the graph; the frames keep being kept (Space)</source>
        <translation>冻结曲线图；数据帧仍会继续保存（空格键）</translation>
    </message>
    <message>
        <source>last %1 s</source>
        <extracomment>The graph&apos;s span, %1 a number of seconds; keep %1 exactly once.</extracomment>
        <translation>最近 %1 s</translation>
    </message>
    <message>
        <source>How many seconds the graph shows</source>
        <translation>曲线图显示的秒数</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment>button</comment>
        <translation>继续</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>button</comment>
        <translation>停止</translation>
    </message>
    <message>
        <source>Record...</source>
        <comment>button</comment>
        <translation>录制...</translation>
    </message>
    <message>
        <source>End the recording</source>
        <translation>结束录制</translation>
    </message>
    <message>
        <source>Record every frame to a CSV file</source>
        <translation>将每一帧录制到 CSV 文件</translation>
    </message>
    <message numerus="yes">
        <source>Recording %1: %2, %n row(s)</source>
        <extracomment>%1 is the file&apos;s name, %2 the time recorded (minutes:seconds), %n the rows taken so far.</extracomment>
        <translation>
            <numerusform>正在录制 %1：%2，%n 行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recorded %n row(s) to %1</source>
        <extracomment>%1 is the file; %n the rows it holds.</extracomment>
        <translation>
            <numerusform>已将 %n 行录制到 %1</numerusform>
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
        <translation>遥控器中：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s)
not on the transmitter</source>
        <extracomment>Beside the tabs, in two short lines.</extracomment>
        <translation>
            <numerusform>%n 项设置
未写入遥控器</numerusform>
        </translation>
    </message>
    <message>
        <source>Settings on this page are not on the transmitter</source>
        <translation>此页中有设置未写入遥控器</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>Note</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The form holds edits that are neither on the transmitter nor in a file.

%1</source>
        <extracomment>%1 says what the command about to run does to the edits.</extracomment>
        <translation>界面中有既未写入遥控器、也未保存到文件的修改。

%1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A list of frame letters: %1 is &quot;S&quot; or &quot;S, G&quot;, %2 the last letter (&quot;S, G and H&quot;).</extracomment>
        <translation>%1 和 %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 is damaged: its %2 frame(s) cannot be read.</source>
        <extracomment>%1 is the file, %2 the letters of its damaged frames (S, G, H, I); the count picks &quot;frame(s)&quot;.</extracomment>
        <translation>
            <numerusform>%1 已损坏：其 %2 帧无法读取。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Load the %1 frame(s) and send them to the transmitter? The settings of the damaged frames keep the form&apos;s values.</source>
        <extracomment>%1 is the letters of the frames that can be read.</extracomment>
        <translation>
            <numerusform>载入 %1 帧并发送到遥控器吗？已损坏帧中的设置将保持界面中的值。</numerusform>
        </translation>
    </message>
    <message>
        <source>Load</source>
        <translation>载入</translation>
    </message>
    <message>
        <source>Reset the transmitter to factory settings? The model on the transmitter will be replaced.</source>
        <translation>将遥控器恢复为出厂设置吗？遥控器中的模型将被替换。</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>The form holds a mix: the last READ was incomplete, so some settings are the transmitter&apos;s and the others are what the form held before.</source>
        <translation>界面中的设置是混合的：上次 READ 不完整，因此部分设置来自遥控器，其余仍是界面原先的值。</translation>
    </message>
    <message>
        <source>The form holds the program&apos;s start-up values: nothing has been read from the transmitter or loaded from a file yet.</source>
        <translation>界面中是程序启动时的默认值：尚未从遥控器读取，也未从文件载入任何设置。</translation>
    </message>
    <message>
        <source>%1

Write them anyway? The whole model on the transmitter will be replaced, trims, mixes and curves included.</source>
        <extracomment>%1 says where the form&apos;s values came from.</extracomment>
        <translation>%1

仍要写入吗？遥控器中的整个模型都将被替换，包括微调、混控和曲线。</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
</context>
<context>
    <name>ReadAnswer</name>
    <message>
        <source>%1 and %2</source>
        <comment>frame numbers</comment>
        <extracomment>A list of frame numbers: %1 is &quot;4&quot; or &quot;4, 7&quot;, %2 the last number (&quot;4, 7 and 17&quot;).</extracomment>
        <translation>%1 和 %2</translation>
    </message>
    <message numerus="yes">
        <source>frame(s) %1 did not arrive</source>
        <extracomment>%1 lists the frame numbers (&quot;17 and 18&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>第 %1 帧未收到</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>frame(s) %1 came twice with different values</source>
        <extracomment>%1 lists the frame numbers (&quot;5&quot; or &quot;5 and 9&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>第 %1 帧两次收到的数值不同</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two gaps of an answer</comment>
        <extracomment>Both things a read&apos;s answer lacks: %1 the frames that did not arrive, %2 those that came twice.</extracomment>
        <translation>%1，并且%2</translation>
    </message>
    <message numerus="yes">
        <source>The transmitter did not answer the read request (asked %n times). The form still holds the values it had; WRITE will ask before sending them.</source>
        <extracomment>%n is how many times the read request went out. WRITE is the button&apos;s name and stays as it is.</extracomment>
        <translation>
            <numerusform>遥控器未响应读取请求（已请求 %n 次）。界面仍保留原有的值；WRITE 会在发送前先询问。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transmitter&apos;s answer was incomplete: %1 (asked %n times).

The form now holds a mix: the settings of the frames that came are the transmitter&apos;s, the others are what the form held before. WRITE will ask before sending them.</source>
        <extracomment>%1 says what is missing (&quot;frames 17 and 18 did not arrive&quot;), %n how many times the read request went out. WRITE is the button&apos;s name and stays as it is.</extracomment>
        <translation>
            <numerusform>遥控器的应答不完整：%1（已请求 %n 次）。

界面中的设置现在是混合的：已收到的帧中的设置来自遥控器，其余仍是界面原先的值。WRITE 会在发送前先询问。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReadBack</name>
    <message>
        <source>%1: form %2, transmitter %3</source>
        <extracomment>%1 is the setting as the form labels it, %2 the form&apos;s value, %3 the transmitter&apos;s.</extracomment>
        <translation>%1：界面 %2，遥控器 %3</translation>
    </message>
    <message>
        <source>The settings were sent, but the transmitter did not answer the read-back, so they could not be checked.</source>
        <translation>设置已发送，但遥控器未响应回读，因此无法校验。</translation>
    </message>
    <message numerus="yes">
        <source>The transmitter does not hold what was sent. %n setting(s) differ(s):</source>
        <extracomment>Followed by one line per setting that differs.</extracomment>
        <translation>
            <numerusform>遥控器中的设置与发送的不一致。%n 项设置不同：</numerusform>
        </translation>
    </message>
    <message>
        <source>The read-back was incomplete (%1), so the settings of those frames could not be checked.</source>
        <extracomment>%1 says what the read-back lacks (&quot;frame 5 did not arrive&quot;).</extracomment>
        <translation>回读不完整（%1），因此这些帧中的设置无法校验。</translation>
    </message>
    <message>
        <source>The form keeps your values; WRITE sends them again.</source>
        <extracomment>WRITE is the button&apos;s name and stays as it is.</extracomment>
        <translation>界面保留您的值；WRITE 会再次发送。</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Restore draft</source>
        <translation>恢复草稿</translation>
    </message>
    <message>
        <source>Edits not kept as a draft in %1</source>
        <translation>修改未能作为草稿保存到 %1</translation>
    </message>
    <message>
        <source>A draft of earlier edits is damaged (%1): %2. It was left in place.</source>
        <translation>先前修改的草稿已损坏（%1）：%2。该文件已保留在原处。</translation>
    </message>
    <message>
        <source>The last %1 did not finish; open the port to check the transmitter.</source>
        <extracomment>%1 is the command&apos;s name as on its button (WRITE, LOAD...).</extracomment>
        <translation>上次的 %1 未完成；请打开端口以检查遥控器。</translation>
    </message>
    <message>
        <source>The journal of an earlier command is damaged (%1): %2. It was left in place.</source>
        <extracomment>%1 says what is wrong with the file, %2 is its path.</extracomment>
        <translation>先前某个命令的操作日志已损坏（%1）：%2。该文件已保留在原处。</translation>
    </message>
    <message>
        <source>%1 The transmitter may now hold part of it and part of the model it replaced.</source>
        <extracomment>%1 says which command was cut off, when and on which port.</extracomment>
        <translation>%1遥控器中现在可能一部分是该模型，一部分是被替换的模型。</translation>
    </message>
    <message>
        <source>Restore the earlier model</source>
        <translation>恢复先前的模型</translation>
    </message>
    <message>
        <source>Send it again</source>
        <translation>重新发送</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>以后再说</translation>
    </message>
    <message>
        <source>Edits made at %1 were neither sent nor saved when the program ended.</source>
        <extracomment>%1 is the time of day of the last edit.</extracomment>
        <translation>在 %1 所做的修改在程序退出时既未发送也未保存。</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>No copy of the earlier model was kept (&quot;Send anyway&quot; was chosen), so it cannot be restored.</source>
        <translation>未保存先前模型的副本（当时选择了“仍然发送”），因此无法恢复。</translation>
    </message>
    <message>
        <source>The copy of the earlier model cannot be read (%1: %2).</source>
        <extracomment>%1 is the copy&apos;s file name, %2 why it cannot be read.</extracomment>
        <translation>无法读取先前模型的副本（%1：%2）。</translation>
    </message>
    <message>
        <source>Checked: the transmitter holds the model sent; the interrupted %1 is mended.</source>
        <extracomment>%1 is the command&apos;s name as on its button (WRITE, LOAD, RESET...).</extracomment>
        <translation>已校验：遥控器中的模型与发送的一致；被中断的 %1 已修复。</translation>
    </message>
    <message>
        <source>no copy was kept</source>
        <translation>未保存副本</translation>
    </message>
    <message>
        <source>The model the %1 was sending cannot be read (%2: %3). Nothing was sent.</source>
        <extracomment>%1 is the command (WRITE, LOAD...), %2 the copy&apos;s path, %3 why it cannot be read.</extracomment>
        <translation>无法读取 %1 当时正在发送的模型（%2：%3）。未发送任何内容。</translation>
    </message>
    <message numerus="yes">
        <source>The last %1 (started %2 on %3, %4 of %n frames sent) did not finish.</source>
        <extracomment>%1 is the command&apos;s name as on its button (WRITE, LOAD...), %2 the time it started, %3 the port, %4 how many of its %n frames had gone out.</extracomment>
        <translation>
            <numerusform>上次的 %1（于 %2 在 %3 上开始，%n 帧中已发送 %4 帧）未完成。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingFinder</name>
    <message>
        <source>Find a setting: label, meaning or name</source>
        <translation>查找设置：标签、含义或名称</translation>
    </message>
    <message>
        <source>Find a setting</source>
        <translation>查找设置</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is what the setting does, %2 its name in the parameter files.</extracomment>
        <translation>%1（%2）</translation>
    </message>
</context>
<context>
    <name>ViewsCorner</name>
    <message>
        <source>Show the settings the transmitter does not hold (Ctrl+D)</source>
        <translation>显示未写入遥控器的设置（Ctrl+D）</translation>
    </message>
    <message>
        <source>Views</source>
        <extracomment>A button over a menu of windows (History, Changes, Monitor...).</extracomment>
        <translation>视图</translation>
    </message>
    <message>
        <source>Windows beside the form</source>
        <translation>界面旁的其他窗口</translation>
    </message>
</context>
<context>
    <name>txconfig</name>
    <message>
        <source>Reads, edits, saves and writes the settings of an eight-channel radio-control transmitter over a serial port.
Qt&apos;s own options, such as -platform and -style, are accepted too (--help-all lists them).</source>
        <translation>通过串口读取、编辑、保存和写入八通道遥控器的设置。
也接受 Qt 自身的选项，如 -platform 和 -style（--help-all 会列出这些选项）。</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>显示命令行选项的帮助。</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>显示包括 Qt 专用选项在内的帮助。</translation>
    </message>
    <message>
        <source>%1: ignoring &apos;%2&apos;: no files are opened from the command line.
</source>
        <translation>%1：忽略“%2”：不会从命令行打开文件。
</translation>
    </message>
    <message>
        <source>Speaks the language CODE (de, es, fr, ru, zh_CN or en) instead of the one chosen under Views or the system&apos;s.</source>
        <translation>使用语言 CODE（de、es、fr、ru、zh_CN 或 en），而不是在“视图”中所选的语言或系统语言。</translation>
    </message>
</context>
</TS>
