<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Staging</name>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 is not a folder of its own (a link or a file stands there)</source>
        <translation>%1 ist kein echter Ordner (dort liegt eine Verknüpfung oder eine Datei)</translation>
    </message>
    <message>
        <source>the folder %1 belongs to another user</source>
        <translation>der Ordner %1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made private</source>
        <translation>der Ordner %1 kann nicht privat gemacht werden</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>unknown error</source>
        <extracomment>Why the lock cannot be written, where the system does not say.</extracomment>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>Select An Option</source>
        <extracomment>The action box before an action is chosen.</extracomment>
        <translation>Aktion wählen</translation>
    </message>
    <message>
        <source>No File Was Selected Yet</source>
        <extracomment>The media file box before a file is chosen; short, it fills the box.</extracomment>
        <translation>Noch keine Datei gewählt</translation>
    </message>
    <message>
        <source>Choose a diffrent path for the &apos;%1&apos; file</source>
        <extracomment>The tool tip of the Path button. %1 is the player&apos;s file name.</extracomment>
        <translation>Einen anderen Pfad für die Datei „%1“ wählen</translation>
    </message>
    <message>
        <source>Winamp Path</source>
        <extracomment>The title of the Open dialog that asks where the player is.</extracomment>
        <translation>Winamp-Pfad</translation>
    </message>
    <message>
        <source>Executable Files</source>
        <extracomment>The Open dialog&apos;s file type for the player.</extracomment>
        <translation>Ausführbare Dateien</translation>
    </message>
    <message>
        <source>Winamp Media File and Playlists</source>
        <extracomment>The Open dialog&apos;s file type for the media file.</extracomment>
        <translation>Winamp-Mediendateien und Wiedergabelisten</translation>
    </message>
    <message>
        <source>ERROR</source>
        <extracomment>The title of every box that refuses or reports a failure.</extracomment>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Please choose all the needed options</source>
        <translation>Bitte alle nötigen Einstellungen wählen</translation>
    </message>
    <message>
        <source>No File Was Selected Yet !</source>
        <translation>Es wurde noch keine Datei gewählt!</translation>
    </message>
    <message>
        <source>This is not the original %1 file!</source>
        <extracomment>%1 is the player&apos;s file name.</extracomment>
        <translation>Dies ist nicht die Originaldatei %1!</translation>
    </message>
    <message>
        <source>Filesize too big %1Bytes, 20,000,000Bytes is the max size !</source>
        <extracomment>%1 is the file&apos;s size in bytes; the limit is 20,000,000 bytes.</extracomment>
        <translation>Die Datei ist zu groß (Größe in Bytes: %L1); erlaubt sind höchstens 20.000.000 Bytes!</translation>
    </message>
    <message>
        <source>The file could not be copied to the staging folder %1: %2</source>
        <extracomment>%1 is the staging folder, %2 why the copy failed.</extracomment>
        <translation>Die Datei konnte nicht in den Zwischenordner %1 kopiert werden: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <extracomment>%1 is the media file, %2 the system&apos;s reason.</extracomment>
        <translation>Die Datei %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be played: it is not a regular file (a pipe, a device or a link to one).</source>
        <translation>Die Datei %1 kann nicht abgespielt werden: Sie ist keine gewöhnliche Datei, sondern eine Pipe, ein Gerät oder eine Verknüpfung darauf.</translation>
    </message>
    <message>
        <source>The player could not be started: %1</source>
        <extracomment>%1 is the player.</extracomment>
        <translation>Der Player konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>Wine could not start the player %1 (launcher: %2).</source>
        <extracomment>%1 is the player, %2 the Wine program that was to start it.</extracomment>
        <translation>Wine konnte den Player %1 nicht starten (Starter: %2).</translation>
    </message>
    <message>
        <source>The staged file %1 lies on no drive of the Wine prefix of the player %2, so the player could not be handed it.</source>
        <extracomment>%1 is the staged copy of the media file, %2 the player.</extracomment>
        <translation>Die Zwischenkopie %1 liegt auf keinem Laufwerk des Wine-Präfixes des Players %2, daher konnte sie ihm nicht übergeben werden.</translation>
    </message>
    <message>
        <source>The player %1 did not take the command: it ended at once with status %2.</source>
        <extracomment>%1 is the player, %2 its exit status (a number).</extracomment>
        <translation>Der Player %1 hat den Befehl nicht angenommen: Er wurde sofort mit dem Status %2 beendet.</translation>
    </message>
    <message>
        <source>The player %1 did not take the command: it crashed (%2).</source>
        <extracomment>%1 is the player, %2 the signal that ended it (SIGSEGV, ...).</extracomment>
        <translation>Der Player %1 hat den Befehl nicht angenommen: Er ist abgestürzt (%2).</translation>
    </message>
    <message>
        <source>Wine cannot run this file: it is not a Windows program.</source>
        <translation>Wine kann diese Datei nicht ausführen: Sie ist kein Windows-Programm.</translation>
    </message>
    <message>
        <source>Wine could not load the player or a library it needs.</source>
        <translation>Wine konnte den Player oder eine von ihm benötigte Bibliothek nicht laden.</translation>
    </message>
    <message>
        <source>The player %1 is a Windows program and needs Wine to run, but no Wine was found.

On Debian, install it with:
%2

or name the Wine launcher to use in the variable %3.</source>
        <extracomment>%1 is the player, %2 the commands that install Wine (on lines of their own), %3 the name of an environment variable.</extracomment>
        <translation>Der Player %1 ist ein Windows-Programm und braucht Wine, aber Wine wurde nicht gefunden.

Unter Debian installieren Sie es mit:
%2

oder nennen Sie den zu verwendenden Wine-Starter in der Variablen %3.</translation>
    </message>
    <message>
        <source>The player %1 is a 32-bit Windows program, but the Wine here (%2) has no 32-bit part, so it cannot run it.

On Debian, add it with:
%3</source>
        <extracomment>%1 is the player, %2 the Wine program, %3 the commands that add the 32-bit part.</extracomment>
        <translation>Der Player %1 ist ein 32-Bit-Windows-Programm, aber dem hier installierten Wine (%2) fehlt der 32-Bit-Teil, daher kann es ihn nicht ausführen.

Unter Debian fügen Sie ihn hinzu mit:
%3</translation>
    </message>
    <message>
        <source>A 32-bit player needs Wine&apos;s 32-bit part. On Debian, add it with:
%1</source>
        <extracomment>%1 is the commands that add Wine&apos;s 32-bit part.</extracomment>
        <translation>Ein 32-Bit-Player braucht den 32-Bit-Teil von Wine. Unter Debian fügen Sie ihn hinzu mit:
%1</translation>
    </message>
    <message>
        <source>Dozewell Timer is already running for this user; a second one would delete the staged copy of the first one&apos;s run.</source>
        <translation>Dozewell Timer läuft für diesen Benutzer bereits; eine zweite Instanz würde die Zwischenkopie der ersten löschen.</translation>
    </message>
    <message>
        <source>Dozewell Timer cannot start: its lock %1 cannot be written (%2).</source>
        <extracomment>%1 is the lock file, %2 the system&apos;s reason.</extracomment>
        <translation>Dozewell Timer kann nicht starten: Die Sperrdatei %1 kann nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>%1: no display could be opened (see %2).
It is a desktop program: start it from a desktop session, or under a virtual
X server with:  %3
</source>
        <extracomment>On the terminal. %1 is the program&apos;s command, %2 the environment variables that name a display, %3 the command that starts it under a virtual X server. Keep the lines within 80 characters.</extracomment>
        <translation>%1: Es konnte keine Anzeige geöffnet werden (siehe %2).
Dies ist ein Desktop-Programm: Starten Sie es in einer Desktop-Sitzung oder
unter einem virtuellen X-Server mit:  %3
</translation>
    </message>
    <message>
        <source>A sleep timer: stops the media player, or makes it play one file, after a set time.</source>
        <extracomment>The first line of --help.</extracomment>
        <translation>Ein Einschlaf-Timer: Stoppt den Mediaplayer nach einer eingestellten Zeit oder lässt ihn eine Datei abspielen.</translation>
    </message>
    <message>
        <source>Unknown argument &apos;%1&apos;.</source>
        <translation>Unbekanntes Argument „%1“.</translation>
    </message>
    <message>
        <source>Try &apos;%1&apos;.</source>
        <extracomment>After a wrong argument, on the terminal. %1 is the command that shows the help.</extracomment>
        <translation>Hilfe gibt es mit „%1“.</translation>
    </message>
    <message>
        <source>Dozewell Timer stops the player at %1</source>
        <extracomment>Shown by the desktop while the computer is kept awake. %1 is the clock time of the time-out.</extracomment>
        <translation>Dozewell Timer beendet den Player um %1</translation>
    </message>
    <message>
        <source>Dozewell Timer plays the chosen file at %1</source>
        <extracomment>Shown by the desktop while the computer is kept awake. %1 is the clock time of the time-out.</extracomment>
        <translation>Dozewell Timer spielt die gewählte Datei um %1 ab</translation>
    </message>
    <message>
        <source>Winamp was terminated by Orvo&apos;s Timer!!!</source>
        <extracomment>The report after the player was told to stop.</extracomment>
        <translation>Winamp wurde von Orvo&apos;s Timer beendet!!!</translation>
    </message>
    <message>
        <source>Orvo&apos;s Timer</source>
        <extracomment>The title of that report: the program&apos;s old name.</extracomment>
        <translation>Orvo&apos;s Timer</translation>
    </message>
    <message>
        <source>Playing%1...</source>
        <extracomment>The report after the player was told to play a file: %1 is the file, right after the word, as the program has always shown it.</extracomment>
        <translation>Wiedergabe: %1 …</translation>
    </message>
    <message>
        <source>Orvo&apos;s Dozewell Timer</source>
        <extracomment>The title of that report: the program&apos;s old name.</extracomment>
        <translation>Orvo&apos;s Dozewell Timer</translation>
    </message>
    <message>
        <source>
The main goal of this small program is to help those who like
to go to sleep with a very long random playlist playing in
winamp but don&apos;t like to sleep with music all night long...
With the help of this program you can set a Timer or a 
Counter to make winamp stop playing in a certain time.

Version: %1

Any Comments sould be sent to:
%2
</source>
        <extracomment>The About window&apos;s text, eleven lines that fill its box: keep the line breaks and make no line longer than the longest English one. %1 is the version, %2 the address.</extracomment>
        <translation>
Dieses kleine Programm hilft allen, die gern bei einer
langen Zufallswiedergabeliste in Winamp einschlafen, aber
nicht die ganze Nacht lang Musik hören möchten …
Stellen Sie eine Uhrzeit oder einen Countdown ein, und
Winamp hört zur gewählten Zeit auf zu spielen.

Version: %1

Anmerkungen bitte an:
%2
</translation>
    </message>
    <message>
        <source>This computer refused to run Wine&apos;s loader.</source>
        <translation>Dieser Computer hat sich geweigert, den Lader von Wine auszuführen.</translation>
    </message>
    <message>
        <source>A program that Wine needs was not found.</source>
        <translation>Ein Programm, das Wine braucht, wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The player %1 is a Windows program, but the Wine here (%2) does not run on this computer: %3

%4</source>
        <extracomment>%1 is the player, %2 the Wine program, %3 what Wine said (in English) or how it ended, %4 what to do (a text of its own).</extracomment>
        <translation>Der Player %1 ist ein Windows-Programm, aber das hier installierte Wine (%2) läuft auf diesem Computer nicht: %3

%4</translation>
    </message>
    <message>
        <source>The Wine here (%1) does not run on this computer: %2

%3</source>
        <extracomment>%1 is the Wine program, %2 what Wine said (in English) or how it ended, %3 what to do.</extracomment>
        <translation>Das hier installierte Wine (%1) läuft auf diesem Computer nicht: %2

%3</translation>
    </message>
    <message>
        <source>it ended at once with status %1.</source>
        <extracomment>How Wine ended, after &quot;does not run on this computer:&quot;. %1 is its exit status (a number).</extracomment>
        <translation>Es wurde sofort mit dem Status %1 beendet.</translation>
    </message>
    <message>
        <source>it crashed (%1).</source>
        <extracomment>How Wine ended, after &quot;does not run on this computer:&quot;. %1 is the signal that ended it.</extracomment>
        <translation>Es ist abgestürzt (%1).</translation>
    </message>
    <message>
        <source>This computer refuses to start Wine&apos;s loader. A computer that runs no 32-bit programs (a kernel built without IA-32 emulation, or started with ia32_emulation=0) cannot run Wine&apos;s 32-bit part, nor a 32-bit player. While that part is installed, Debian&apos;s wine fails for 64-bit players too; remove it with:
%1</source>
        <extracomment>%1 is the command that removes Wine&apos;s 32-bit part, on a line of its own.</extracomment>
        <translation>Dieser Computer weigert sich, den Lader von Wine zu starten. Ein Computer, der keine 32-Bit-Programme ausführt (ein Kernel ohne IA-32-Emulation oder mit ia32_emulation=0 gestartet), kann weder den 32-Bit-Teil von Wine noch einen 32-Bit-Player ausführen. Solange dieser Teil installiert ist, scheitert Debians wine auch mit 64-Bit-Playern; entfernen Sie ihn mit:
%1</translation>
    </message>
    <message>
        <source>See what Wine says with:
%1</source>
        <extracomment>%1 is a command, on a line of its own.</extracomment>
        <translation>Was Wine dazu sagt, zeigt:
%1</translation>
    </message>
    <message>
        <source>The Wine here (%1) did not answer within half a minute; nothing was started.</source>
        <extracomment>%1 is the Wine program. Start&apos;s refusal when Wine, asked whether it runs here, gives no answer within half a minute; how to see what Wine says follows on lines of its own.</extracomment>
        <translation>Das hier installierte Wine (%1) hat nicht innerhalb einer halben Minute geantwortet; es wurde nichts gestartet.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader says of a + or - button beside a time field: %1 is what the button does, its tool tip (&quot;More Minutes&quot;), %2 the field&apos;s value.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <extracomment>After &quot;see&quot; in the no-display message: %1, %2 and %3 are the environment variables that name a display.</extracomment>
        <translation>%1, %2 und %3</translation>
    </message>
    <message>
        <source>the computer may suspend before the time-out: it could not be kept awake (%1)</source>
        <extracomment>On standard error when no way keeps the computer awake. %1 is each way&apos;s answer.</extracomment>
        <translation>der Computer kann vor Ablauf der Zeit in Bereitschaft gehen: er konnte nicht wach gehalten werden (%1)</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Dozewell Timer</source>
        <translation>Über Dozewell Timer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Dozewell Timer logo</source>
        <translation>Logo von Dozewell Timer</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Click to see the About Window</source>
        <translation>Klicken, um das Info-Fenster zu öffnen</translation>
    </message>
    <message>
        <source>Hide this window</source>
        <translation>Dieses Fenster verbergen</translation>
    </message>
    <message>
        <source>Hide</source>
        <extracomment>Button that minimizes the window; a waiting run goes on. Not close, not quit.</extracomment>
        <translation>Verbergen</translation>
    </message>
    <message>
        <source>Pause Dozewell Timer</source>
        <translation>Dozewell Timer pausieren</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>Button that pauses the waiting run; Start! starts it again. Not Exit.</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Exit and stop Dozewell Timer</source>
        <translation>Dozewell Timer anhalten und beenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button that ends the program, and with it a waiting run.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Start Dozewell Timer</source>
        <translation>Dozewell Timer starten</translation>
    </message>
    <message>
        <source>Start!</source>
        <translation>Start!</translation>
    </message>
    <message>
        <source>What to do</source>
        <extracomment>Frame of the action box: what the program does at the time-out (when the wait ends).</extracomment>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Select what should happend when the time is out...</source>
        <translation>Wählen, was nach Ablauf der Zeit geschehen soll …</translation>
    </message>
    <message>
        <source>What to do at the time-out</source>
        <extracomment>What a screen reader calls the action box. The time-out is the moment the wait ends.</extracomment>
        <translation>Aktion nach Ablauf der Zeit</translation>
    </message>
    <message>
        <source>Shutdown Winamp</source>
        <extracomment>Action at the time-out: stop the player (Winamp). Fills a narrow box.</extracomment>
        <translation>Winamp beenden</translation>
    </message>
    <message>
        <source>Play Mp3 File</source>
        <extracomment>Action at the time-out: make the player play one chosen media file (any of its types, not only MP3). Fills a narrow box.</extracomment>
        <translation>MP3 abspielen</translation>
    </message>
    <message>
        <source>Mp3 File</source>
        <extracomment>Frame of the media file that the player plays at the time-out.</extracomment>
        <translation>MP3-Datei</translation>
    </message>
    <message>
        <source>Select an MP3 file to be played when time is out...</source>
        <translation>Eine MP3-Datei wählen, die nach Ablauf der Zeit abgespielt wird …</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Button that opens a file dialog to choose the media file. Very narrow: a short word.</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Media file</source>
        <translation>Mediendatei</translation>
    </message>
    <message>
        <source>No File Was Selected Yet</source>
        <translation>Noch keine Datei gewählt</translation>
    </message>
    <message>
        <source>Winamp Path</source>
        <extracomment>Frame around the path of the player&apos;s file.</extracomment>
        <translation>Winamp-Pfad</translation>
    </message>
    <message>
        <source>Winamp current loction</source>
        <translation>Aktueller Pfad von Winamp</translation>
    </message>
    <message>
        <source>Player path</source>
        <extracomment>What a screen reader calls the field that holds the path of the player&apos;s file.</extracomment>
        <translation>Pfad des Players</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>Button that opens a file dialog to choose where the player is (the path of the frame Winamp Path). Very narrow: a short word, such as the word for path or for change.</extracomment>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Timer</source>
        <extracomment>Frame of Timer Mode: the clock time (hours, minutes, seconds) at which the program acts. Not a countdown (that is Counter); the same word as the check box Use Timer.</extracomment>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>More Seconds</source>
        <translation>Mehr Sekunden</translation>
    </message>
    <message>
        <source>More Minutes</source>
        <translation>Mehr Minuten</translation>
    </message>
    <message>
        <source>More Hours</source>
        <translation>Mehr Stunden</translation>
    </message>
    <message>
        <source>Timer seconds</source>
        <extracomment>What a screen reader calls the field of Timer Mode&apos;s seconds (of the clock time). Timer as in the frame Timer.</extracomment>
        <translation>Uhrzeit: Sekunden</translation>
    </message>
    <message>
        <source>Timer minutes</source>
        <extracomment>What a screen reader calls the field of Timer Mode&apos;s minutes (of the clock time). Timer as in the frame Timer.</extracomment>
        <translation>Uhrzeit: Minuten</translation>
    </message>
    <message>
        <source>Timer hours</source>
        <extracomment>What a screen reader calls the field of Timer Mode&apos;s hours (of the clock time). Timer as in the frame Timer.</extracomment>
        <translation>Uhrzeit: Stunden</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Small frame around a clock in each mode: the time left in Counter Mode, the current time in Timer Mode.</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Aktuelle Uhrzeit</translation>
    </message>
    <message>
        <source>Less Seconds</source>
        <translation>Weniger Sekunden</translation>
    </message>
    <message>
        <source>Less Minutes</source>
        <translation>Weniger Minuten</translation>
    </message>
    <message>
        <source>Less Hours</source>
        <translation>Weniger Stunden</translation>
    </message>
    <message>
        <source>Counter</source>
        <extracomment>Frame of Counter Mode: a countdown of hours and minutes from now. The same word as the check box Use Counter.</extracomment>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>Remaining time til&apos; Winamp&apos;s shutdown</source>
        <translation>Verbleibende Zeit bis zum Beenden von Winamp</translation>
    </message>
    <message>
        <source>Counter hours</source>
        <extracomment>What a screen reader calls the field of Counter Mode&apos;s hours. Counter as in the frame Counter.</extracomment>
        <translation>Countdown: Stunden</translation>
    </message>
    <message>
        <source>Counter minutes</source>
        <extracomment>What a screen reader calls the field of Counter Mode&apos;s minutes. Counter as in the frame Counter.</extracomment>
        <translation>Countdown: Minuten</translation>
    </message>
    <message>
        <source>Click to return to all vlues to &apos;0&apos;</source>
        <extracomment>Tool tip of the Reset button: sets the Counter&apos;s hours and minutes back to 0.</extracomment>
        <translation>Klicken, um alle Werte auf „0“ zurückzusetzen</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>Narrow upright button that sets Counter Mode&apos;s hours and minutes back to 0. Only a few letters from its middle show; a screen reader speaks it whole.</extracomment>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Choose to use Counter Mode</source>
        <extracomment>Tool tip of the check box Use Counter: Counter Mode, a countdown of hours and minutes from now.</extracomment>
        <translation>Countdown verwenden</translation>
    </message>
    <message>
        <source>Use Counter</source>
        <extracomment>Check box that chooses Counter Mode: a countdown of hours and minutes from now. Use the same word as the frame Counter. Narrow: keep it short.</extracomment>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>Choose to use Timer Mode</source>
        <extracomment>Tool tip of the check box Use Timer: Timer Mode, waiting until a clock time.</extracomment>
        <translation>Uhrzeit verwenden</translation>
    </message>
    <message>
        <source>Use Timer</source>
        <extracomment>Check box that chooses Timer Mode: the program acts at a clock time (HH:MM:SS), not after a countdown. Use the same word as the frame Timer, and not the desktop&apos;s word for a countdown timer (that is Counter). Narrow: keep it short.</extracomment>
        <translation>Uhrzeit</translation>
    </message>
</context>
</TS>
