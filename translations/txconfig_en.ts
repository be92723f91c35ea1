<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Changes</name>
    <message numerus="yes">
        <source>Revert %n setting(s)</source>
        <extracomment>An undo step.</extracomment>
        <translation>
            <numerusform>Revert %n setting</numerusform>
            <numerusform>Revert %n settings</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CompanionMessages</name>
    <message numerus="yes">
        <source>no such history entry (%n kept in %1)</source>
        <extracomment>%n is how many entries the history keeps, %1 its folder.</extracomment>
        <translation>
            <numerusform>no such history entry (%n kept in %1)</numerusform>
            <numerusform>no such history entry (%n kept in %1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>frame(s) %1 missing</source>
        <extracomment>%1 lists the frame numbers (&quot;5, 12&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>frame %1 missing</numerusform>
            <numerusform>frames %1 missing</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %2 of %n frames had gone out, write the file again</source>
        <extracomment>%1 says why the link failed, %2 how many of the %n frames had gone out.</extracomment>
        <translation>
            <numerusform>%1; %2 of %n frames had gone out, write the file again</numerusform>
            <numerusform>%1; %2 of %n frames had gone out, write the file again</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the transmitter does not hold what was sent: %n setting(s) differ(s) (listed above)</source>
        <translation>
            <numerusform>the transmitter does not hold what was sent: %n setting differs (listed above)</numerusform>
            <numerusform>the transmitter does not hold what was sent: %n settings differ (listed above)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sent, but the read-back lacked frame(s) %1: their settings are unchecked</source>
        <extracomment>%1 lists the frame numbers (&quot;5, 12&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>sent, but the read-back lacked frame %1: their settings are unchecked</numerusform>
            <numerusform>sent, but the read-back lacked frames %1: their settings are unchecked</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>reading %1: %2 of %n blocks</source>
        <extracomment>A line of progress on a terminal: %1 is the port, %2 how many of the %n blocks have come.</extracomment>
        <translation>
            <numerusform>reading %1: %2 of %n blocks</numerusform>
            <numerusform>reading %1: %2 of %n blocks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>incomplete read, frame(s) %1 missing; no file written</source>
        <extracomment>%1 lists the frame numbers (&quot;5, 12&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>incomplete read, frame %1 missing; no file written</numerusform>
            <numerusform>incomplete read, frames %1 missing; no file written</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 frame left out: the file ends after %n characters</source>
        <extracomment>%1 is the frame&apos;s letter (S, G, H or I), %n how many characters the file has.</extracomment>
        <translation>
            <numerusform>%1 frame left out: the file ends after %n characters</numerusform>
            <numerusform>%1 frame left out: the file ends after %n characters</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CompareTable</name>
    <message numerus="yes">
        <source>No settings differ (%n are equal).</source>
        <extracomment>%n is the number of settings that are the same on both sides.</extracomment>
        <translation>
            <numerusform>No settings differ (%n are equal).</numerusform>
            <numerusform>No settings differ (%n are equal).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s) differ(s), %1 are equal.</source>
        <extracomment>%n is the number of rows below, %1 the number of settings that are the same on both sides.</extracomment>
        <translation>
            <numerusform>%n setting differs, %1 are equal.</numerusform>
            <numerusform>%n settings differ, %1 are equal.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message numerus="yes">
        <source>%n setting(s)</source>
        <extracomment>In the list&apos;s last column: how many settings of the entry differ from the form.</extracomment>
        <translation>
            <numerusform>%n setting</numerusform>
            <numerusform>%n settings</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LiveRecording</name>
    <message numerus="yes">
        <source>Recording stopped: cannot write %1 (%2); %n row(s) kept.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason, %n the whole rows the file keeps.</extracomment>
        <translation>
            <numerusform>Recording stopped: cannot write %1 (%2); %n row was kept.</numerusform>
            <numerusform>Recording stopped: cannot write %1 (%2); %n rows were kept.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n row</numerusform>
            <numerusform>%n rows</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ModelSheet</name>
    <message numerus="yes">
        <source>%1 of %n settings differ from the factory values; they are in &lt;b&gt;bold&lt;/b&gt;.</source>
        <extracomment>%1 is how many of the %n settings differ; keep the &lt;b&gt; tags around the word for bold.</extracomment>
        <translation>
            <numerusform>%1 of %n settings differ from the factory values; they are in &lt;b&gt;bold&lt;/b&gt;.</numerusform>
            <numerusform>%1 of %n settings differ from the factory values; they are in &lt;b&gt;bold&lt;/b&gt;.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MonitorWindow</name>
    <message numerus="yes">
        <source>Recording %1: %2, %n row(s)</source>
        <extracomment>%1 is the file&apos;s name, %2 the time recorded (minutes:seconds), %n the rows taken so far.</extracomment>
        <translation>
            <numerusform>Recording %1: %2, %n row</numerusform>
            <numerusform>Recording %1: %2, %n rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recorded %n row(s) to %1</source>
        <extracomment>%1 is the file; %n the rows it holds.</extracomment>
        <translation>
            <numerusform>Recorded %n row to %1</numerusform>
            <numerusform>Recorded %n rows to %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PendingMarks</name>
    <message numerus="yes">
        <source>%n setting(s)
not on the transmitter</source>
        <extracomment>Beside the tabs, in two short lines.</extracomment>
        <translation>
            <numerusform>%n setting
not on the transmitter</numerusform>
            <numerusform>%n settings
not on the transmitter</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message numerus="yes">
        <source>%1 is damaged: its %2 frame(s) cannot be read.</source>
        <extracomment>%1 is the file, %2 the letters of its damaged frames (S, G, H, I); the count picks &quot;frame(s)&quot;.</extracomment>
        <translation>
            <numerusform>%1 is damaged: its %2 frame cannot be read.</numerusform>
            <numerusform>%1 is damaged: its %2 frames cannot be read.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Load the %1 frame(s) and send them to the transmitter? The settings of the damaged frames keep the form&apos;s values.</source>
        <extracomment>%1 is the letters of the frames that can be read.</extracomment>
        <translation>
            <numerusform>Load the %1 frame and send them to the transmitter? The settings of the damaged frames keep the form&apos;s values.</numerusform>
            <numerusform>Load the %1 frames and send them to the transmitter? The settings of the damaged frames keep the form&apos;s values.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReadAnswer</name>
    <message numerus="yes">
        <source>frame(s) %1 did not arrive</source>
        <extracomment>%1 lists the frame numbers (&quot;17 and 18&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>frame %1 did not arrive</numerusform>
            <numerusform>frames %1 did not arrive</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>frame(s) %1 came twice with different values</source>
        <extracomment>%1 lists the frame numbers (&quot;5&quot; or &quot;5 and 9&quot;); their count picks the word.</extracomment>
        <translation>
            <numerusform>frame %1 came twice with different values</numerusform>
            <numerusform>frames %1 came twice with different values</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transmitter did not answer the read request (asked %n times). The form still holds the values it had; WRITE will ask before sending them.</source>
        <extracomment>%n is how many times the read request went out. WRITE is the button&apos;s name and stays as it is.</extracomment>
        <translation>
            <numerusform>The transmitter did not answer the read request (asked %n times). The form still holds the values it had; WRITE will ask before sending them.</numerusform>
            <numerusform>The transmitter did not answer the read request (asked %n times). The form still holds the values it had; WRITE will ask before sending them.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transmitter&apos;s answer was incomplete: %1 (asked %n times).

The form now holds a mix: the settings of the frames that came are the transmitter&apos;s, the others are what the form held before. WRITE will ask before sending them.</source>
        <extracomment>%1 says what is missing (&quot;frames 17 and 18 did not arrive&quot;), %n how many times the read request went out. WRITE is the button&apos;s name and stays as it is.</extracomment>
        <translation>
            <numerusform>The transmitter&apos;s answer was incomplete: %1 (asked %n times).

The form now holds a mix: the settings of the frames that came are the transmitter&apos;s, the others are what the form held before. WRITE will ask before sending them.</numerusform>
            <numerusform>The transmitter&apos;s answer was incomplete: %1 (asked %n times).

The form now holds a mix: the settings of the frames that came are the transmitter&apos;s, the others are what the form held before. WRITE will ask before sending them.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReadBack</name>
    <message numerus="yes">
        <source>The transmitter does not hold what was sent. %n setting(s) differ(s):</source>
        <extracomment>Followed by one line per setting that differs.</extracomment>
        <translation>
            <numerusform>The transmitter does not hold what was sent. %n setting differs:</numerusform>
            <numerusform>The transmitter does not hold what was sent. %n settings differ:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message numerus="yes">
        <source>The last %1 (started %2 on %3, %4 of %n frames sent) did not finish.</source>
        <extracomment>%1 is the command&apos;s name as on its button (WRITE, LOAD...), %2 the time it started, %3 the port, %4 how many of its %n frames had gone out.</extracomment>
        <translation>
            <numerusform>The last %1 (started %2 on %3, %4 of %n frames sent) did not finish.</numerusform>
            <numerusform>The last %1 (started %2 on %3, %4 of %n frames sent) did not finish.</numerusform>
        </translation>
    </message>
</context>
</TS>
