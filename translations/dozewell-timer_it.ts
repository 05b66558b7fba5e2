<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Staging</name>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>%1 is not a folder of its own (a link or a file stands there)</source>
        <translation>%1 non è una vera cartella (al suo posto c&apos;è un collegamento o un file)</translation>
    </message>
    <message>
        <source>the folder %1 belongs to another user</source>
        <translation>la cartella %1 appartiene a un altro utente</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made private</source>
        <translation>impossibile rendere privata la cartella %1</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>unknown error</source>
        <extracomment>Why the lock cannot be written, where the system does not say.</extracomment>
        <translation>errore sconosciuto</translation>
    </message>
    <message>
        <source>Select An Option</source>
        <extracomment>The action box before an action is chosen.</extracomment>
        <translation>Scegli azione</translation>
    </message>
    <message>
        <source>No File Was Selected Yet</source>
        <extracomment>The media file box before a file is chosen; short, it fills the box.</extracomment>
        <translation>Nessun file scelto</translation>
    </message>
    <message>
        <source>Choose a diffrent path for the &apos;%1&apos; file</source>
        <extracomment>The tool tip of the Path button. %1 is the player&apos;s file name.</extracomment>
        <translation>Scegli un altro percorso per il file «%1»</translation>
    </message>
    <message>
        <source>Winamp Path</source>
        <extracomment>The title of the Open dialog that asks where the player is.</extracomment>
        <translation>Percorso di Winamp</translation>
    </message>
    <message>
        <source>Executable Files</source>
        <extracomment>The Open dialog&apos;s file type for the player.</extracomment>
        <translation>File eseguibili</translation>
    </message>
    <message>
        <source>Winamp Media File and Playlists</source>
        <extracomment>The Open dialog&apos;s file type for the media file.</extracomment>
        <translation>File multimediali e playlist di Winamp</translation>
    </message>
    <message>
        <source>ERROR</source>
        <extracomment>The title of every box that refuses or reports a failure.</extracomment>
        <translation>ERRORE</translation>
    </message>
    <message>
        <source>Please choose all the needed options</source>
        <translation>Scegliere tutte le opzioni necessarie</translation>
    </message>
    <message>
        <source>No File Was Selected Yet !</source>
        <translation>Non è stato ancora scelto alcun file!</translation>
    </message>
    <message>
        <source>This is not the original %1 file!</source>
        <extracomment>%1 is the player&apos;s file name.</extracomment>
        <translation>Questo non è il file %1 originale!</translation>
    </message>
    <message>
        <source>Filesize too big %1Bytes, 20,000,000Bytes is the max size !</source>
        <extracomment>%1 is the file&apos;s size in bytes; the limit is 20,000,000 bytes.</extracomment>
        <translation>File troppo grande (dimensione in byte: %L1); la dimensione massima è 20.000.000 byte!</translation>
    </message>
    <message>
        <source>The file could not be copied to the staging folder %1: %2</source>
        <extracomment>%1 is the staging folder, %2 why the copy failed.</extracomment>
        <translation>Impossibile copiare il file nella cartella di appoggio %1: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <extracomment>%1 is the media file, %2 the system&apos;s reason.</extracomment>
        <translation>Impossibile leggere il file %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be played: it is not a regular file (a pipe, a device or a link to one).</source>
        <translation>Impossibile riprodurre il file %1: non è un file normale (è una pipe, un dispositivo o un collegamento a uno di essi).</translation>
    </message>
    <message>
        <source>The player could not be started: %1</source>
        <extracomment>%1 is the player.</extracomment>
        <translation>Impossibile avviare il lettore: %1</translation>
    </message>
    <message>
        <source>Wine could not start the player %1 (launcher: %2).</source>
        <extracomment>%1 is the player, %2 the Wine program that was to start it.</extracomment>
        <translation>Wine non è riuscito ad avviare il lettore %1 (avviatore: %2).</translation>
    </message>
    <message>
        <source>The staged file %1 lies on no drive of the Wine prefix of the player %2, so the player could not be handed it.</source>
        <extracomment>%1 is the staged copy of the media file, %2 the player.</extracomment>
        <translation>La copia di appoggio %1 non si trova in nessuna unità del prefisso Wine del lettore %2, quindi non è stato possibile passargliela.</translation>
    </message>
    <message>
        <source>The player %1 did not take the command: it ended at once with status %2.</source>
        <extracomment>%1 is the player, %2 its exit status (a number).</extracomment>
        <translation>Il lettore %1 non ha accettato il comando: è terminato subito con lo stato %2.</translation>
    </message>
    <message>
        <source>The player %1 did not take the command: it crashed (%2).</source>
        <extracomment>%1 is the player, %2 the signal that ended it (SIGSEGV, ...).</extracomment>
        <translation>Il lettore %1 non ha accettato il comando: si è chiuso in modo anomalo (%2).</translation>
    </message>
    <message>
        <source>Wine cannot run this file: it is not a Windows program.</source>
        <translation>Wine non può eseguire questo file: non è un programma Windows.</translation>
    </message>
    <message>
        <source>Wine could not load the player or a library it needs.</source>
        <translation>Wine non è riuscito a caricare il lettore o una libreria che gli serve.</translation>
    </message>
    <message>
        <source>The player %1 is a Windows program and needs Wine to run, but no Wine was found.

On Debian, install it with:
%2

or name the Wine launcher to use in the variable %3.</source>
        <extracomment>%1 is the player, %2 the commands that install Wine (on lines of their own), %3 the name of an environment variable.</extracomment>
        <translation>Il lettore %1 è un programma Windows e ha bisogno di Wine, ma Wine non è stato trovato.

Su Debian, installarlo con:
%2

oppure indicare l&apos;avviatore di Wine da usare nella variabile %3.</translation>
    </message>
    <message>
        <source>The player %1 is a 32-bit Windows program, but the Wine here (%2) has no 32-bit part, so it cannot run it.

On Debian, add it with:
%3</source>
        <extracomment>%1 is the player, %2 the Wine program, %3 the commands that add the 32-bit part.</extracomment>
        <translation>Il lettore %1 è un programma Windows a 32 bit, ma il Wine installato (%2) non ha la parte a 32 bit, quindi non può eseguirlo.

Su Debian, aggiungerla con:
%3</translation>
    </message>
    <message>
        <source>A 32-bit player needs Wine&apos;s 32-bit part. On Debian, add it with:
%1</source>
        <extracomment>%1 is the commands that add Wine&apos;s 32-bit part.</extracomment>
        <translation>Un lettore a 32 bit ha bisogno della parte a 32 bit di Wine. Su Debian, aggiungerla con:
%1</translation>
    </message>
    <message>
        <source>Dozewell Timer is already running for this user; a second one would delete the staged copy of the first one&apos;s run.</source>
        <translation>Dozewell Timer è già in esecuzione per questo utente; una seconda istanza cancellerebbe la copia di appoggio della prima.</translation>
    </message>
    <message>
        <source>Dozewell Timer cannot start: its lock %1 cannot be written (%2).</source>
        <extracomment>%1 is the lock file, %2 the system&apos;s reason.</extracomment>
        <translation>Dozewell Timer non può avviarsi: impossibile scrivere il suo file di blocco %1 (%2).</translation>
    </message>
    <message>
        <source>%1: no display could be opened (see %2).
It is a desktop program: start it from a desktop session, or under a virtual
X server with:  %3
</source>
        <extracomment>On the terminal. %1 is the program&apos;s command, %2 the environment variables that name a display, %3 the command that starts it under a virtual X server. Keep the lines within 80 characters.</extracomment>
        <translation>%1: impossibile aprire un display (vedere %2).
È un programma per il desktop: avviarlo da una sessione desktop oppure in un
server X virtuale con:  %3
</translation>
    </message>
    <message>
        <source>A sleep timer: stops the media player, or makes it play one file, after a set time.</source>
        <extracomment>The first line of --help.</extracomment>
        <translation>Un timer per dormire: ferma il lettore multimediale, o gli fa riprodurre un file, dopo un tempo stabilito.</translation>
    </message>
    <message>
        <source>Unknown argument &apos;%1&apos;.</source>
        <translation>Argomento sconosciuto «%1».</translation>
    </message>
    <message>
        <source>Try &apos;%1&apos;.</source>
        <extracomment>After a wrong argument, on the terminal. %1 is the command that shows the help.</extracomment>
        <translation>Provare «%1».</translation>
    </message>
    <message>
        <source>Dozewell Timer stops the player at %1</source>
        <extracomment>Shown by the desktop while the computer is kept awake. %1 is the clock time of the time-out.</extracomment>
        <translation>Dozewell Timer fermerà il lettore alle %1</translation>
    </message>
    <message>
        <source>Dozewell Timer plays the chosen file at %1</source>
        <extracomment>Shown by the desktop while the computer is kept awake. %1 is the clock time of the time-out.</extracomment>
        <translation>Dozewell Timer riprodurrà il file scelto alle %1</translation>
    </message>
    <message>
        <source>Winamp was terminated by Orvo&apos;s Timer!!!</source>
        <extracomment>The report after the player was told to stop.</extracomment>
        <translation>Winamp è stato fermato da Orvo&apos;s Timer!!!</translation>
    </message>
    <message>
        <source>Orvo&apos;s Timer</source>
        <extracomment>The title of that report: the program&apos;s old name.</extracomment>
        <translation>Orvo&apos;s Timer</translation>
    </message>
    <message>
        <source>Playing%1...</source>
        <extracomment>The report after the player was told to play a file: %1 is the file, right after the word, as the program has always shown it.</extracomment>
        <translation>Riproduzione di %1…</translation>
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
Questo piccolo programma aiuta chi ama addormentarsi
con una lunga playlist casuale in riproduzione su Winamp,
ma non vuole dormire con la musica tutta la notte…
Si imposta un orario o un timer, e allo scadere
del tempo Winamp smette di suonare.

Versione: %1

Inviare commenti a:
%2
</translation>
    </message>
    <message>
        <source>This computer refused to run Wine&apos;s loader.</source>
        <translation>Questo computer si è rifiutato di eseguire il caricatore di Wine.</translation>
    </message>
    <message>
        <source>A program that Wine needs was not found.</source>
        <translation>Non è stato trovato un programma di cui Wine ha bisogno.</translation>
    </message>
    <message>
        <source>The player %1 is a Windows program, but the Wine here (%2) does not run on this computer: %3

%4</source>
        <extracomment>%1 is the player, %2 the Wine program, %3 what Wine said (in English) or how it ended, %4 what to do (a text of its own).</extracomment>
        <translation>Il lettore %1 è un programma Windows, ma il Wine installato (%2) non funziona su questo computer: %3

%4</translation>
    </message>
    <message>
        <source>The Wine here (%1) does not run on this computer: %2

%3</source>
        <extracomment>%1 is the Wine program, %2 what Wine said (in English) or how it ended, %3 what to do.</extracomment>
        <translation>Il Wine installato (%1) non funziona su questo computer: %2

%3</translation>
    </message>
    <message>
        <source>it ended at once with status %1.</source>
        <extracomment>How Wine ended, after &quot;does not run on this computer:&quot;. %1 is its exit status (a number).</extracomment>
        <translation>è terminato subito con lo stato %1.</translation>
    </message>
    <message>
        <source>it crashed (%1).</source>
        <extracomment>How Wine ended, after &quot;does not run on this computer:&quot;. %1 is the signal that ended it.</extracomment>
        <translation>si è chiuso in modo anomalo (%1).</translation>
    </message>
    <message>
        <source>This computer refuses to start Wine&apos;s loader. A computer that runs no 32-bit programs (a kernel built without IA-32 emulation, or started with ia32_emulation=0) cannot run Wine&apos;s 32-bit part, nor a 32-bit player. While that part is installed, Debian&apos;s wine fails for 64-bit players too; remove it with:
%1</source>
        <extracomment>%1 is the command that removes Wine&apos;s 32-bit part, on a line of its own.</extracomment>
        <translation>Questo computer si rifiuta di avviare il caricatore di Wine. Un computer che non esegue programmi a 32 bit (un kernel compilato senza emulazione IA-32, o avviato con ia32_emulation=0) non può eseguire la parte a 32 bit di Wine, né un lettore a 32 bit. Finché quella parte è installata, il wine di Debian non funziona nemmeno con i lettori a 64 bit; rimuoverla con:
%1</translation>
    </message>
    <message>
        <source>See what Wine says with:
%1</source>
        <extracomment>%1 is a command, on a line of its own.</extracomment>
        <translation>Per vedere cosa dice Wine:
%1</translation>
    </message>
    <message>
        <source>The Wine here (%1) did not answer within half a minute; nothing was started.</source>
        <extracomment>%1 is the Wine program. Start&apos;s refusal when Wine, asked whether it runs here, gives no answer within half a minute; how to see what Wine says follows on lines of its own.</extracomment>
        <translation>Il Wine installato (%1) non ha risposto entro mezzo minuto; non è stato avviato nulla.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader says of a + or - button beside a time field: %1 is what the button does, its tool tip (&quot;More Minutes&quot;), %2 the field&apos;s value.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <extracomment>After &quot;see&quot; in the no-display message: %1, %2 and %3 are the environment variables that name a display.</extracomment>
        <translation>%1, %2 e %3</translation>
    </message>
    <message>
        <source>the computer may suspend before the time-out: it could not be kept awake (%1)</source>
        <extracomment>On standard error when no way keeps the computer awake. %1 is each way&apos;s answer.</extracomment>
        <translation>il computer potrebbe andare in sospensione prima dello scadere del tempo: impossibile impedire la sospensione (%1)</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Dozewell Timer</source>
        <translation>Informazioni su Dozewell Timer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Dozewell Timer logo</source>
        <translation>Logo di Dozewell Timer</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Click to see the About Window</source>
        <translation>Fare clic per aprire la finestra Informazioni</translation>
    </message>
    <message>
        <source>Hide this window</source>
        <translation>Nascondi questa finestra</translation>
    </message>
    <message>
        <source>Hide</source>
        <extracomment>Button that minimizes the window; a waiting run goes on. Not close, not quit.</extracomment>
        <translation>Nascondi</translation>
    </message>
    <message>
        <source>Pause Dozewell Timer</source>
        <translation>Metti in pausa Dozewell Timer</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>Button that pauses the waiting run; Start! starts it again. Not Exit.</extracomment>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Exit and stop Dozewell Timer</source>
        <translation>Ferma ed esci da Dozewell Timer</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button that ends the program, and with it a waiting run.</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Start Dozewell Timer</source>
        <translation>Avvia Dozewell Timer</translation>
    </message>
    <message>
        <source>Start!</source>
        <translation>Avvia!</translation>
    </message>
    <message>
        <source>What to do</source>
        <extracomment>Frame of the action box: what the program does at the time-out (when the wait ends).</extracomment>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Select what should happend when the time is out...</source>
        <translation>Scegli cosa deve accadere allo scadere del tempo…</translation>
    </message>
    <message>
        <source>What to do at the time-out</source>
        <extracomment>What a screen reader calls the action box. The time-out is the moment the wait ends.</extracomment>
        <translation>Azione allo scadere del tempo</translation>
    </message>
    <message>
        <source>Shutdown Winamp</source>
        <extracomment>Action at the time-out: stop the player (Winamp). Fills a narrow box.</extracomment>
        <translation>Ferma Winamp</translation>
    </message>
    <message>
        <source>Play Mp3 File</source>
        <extracomment>Action at the time-out: make the player play one chosen media file (any of its types, not only MP3). Fills a narrow box.</extracomment>
        <translation>Riproduci MP3</translation>
    </message>
    <message>
        <source>Mp3 File</source>
        <extracomment>Frame of the media file that the player plays at the time-out.</extracomment>
        <translation>File MP3</translation>
    </message>
    <message>
        <source>Select an MP3 file to be played when time is out...</source>
        <translation>Scegli un file MP3 da riprodurre allo scadere del tempo…</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Button that opens a file dialog to choose the media file. Very narrow: a short word.</extracomment>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Media file</source>
        <translation>File multimediale</translation>
    </message>
    <message>
        <source>No File Was Selected Yet</source>
        <translation>Nessun file scelto</translation>
    </message>
    <message>
        <source>Winamp Path</source>
        <extracomment>Frame around the path of the player&apos;s file.</extracomment>
        <translation>Percorso di Winamp</translation>
    </message>
    <message>
        <source>Winamp current loction</source>
        <translation>Percorso attuale di Winamp</translation>
    </message>
    <message>
        <source>Player path</source>
        <extracomment>What a screen reader calls the field that holds the path of the player&apos;s file.</extracomment>
        <translation>Percorso del lettore</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>Button that opens a file dialog to choose where the player is (the path of the frame Winamp Path). Very narrow: a short word, such as the word for path or for change.</extracomment>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Timer</source>
        <extracomment>Frame of Timer Mode: the clock time (hours, minutes, seconds) at which the program acts. Not a countdown (that is Counter); the same word as the check box Use Timer.</extracomment>
        <translation>Orario</translation>
    </message>
    <message>
        <source>More Seconds</source>
        <translation>Più secondi</translation>
    </message>
    <message>
        <source>More Minutes</source>
        <translation>Più minuti</translation>
    </message>
    <message>
        <source>More Hours</source>
        <translation>Più ore</translation>
    </message>
    <message>
        <source>Timer seconds</source>
        <extracomment>What a screen reader calls the field of Timer Mode&apos;s seconds (of the clock time). Timer as in the frame Timer.</extracomment>
        <translation>Orario: secondi</translation>
    </message>
    <message>
        <source>Timer minutes</source>
        <extracomment>What a screen reader calls the field of Timer Mode&apos;s minutes (of the clock time). Timer as in the frame Timer.</extracomment>
        <translation>Orario: minuti</translation>
    </message>
    <message>
        <source>Timer hours</source>
        <extracomment>What a screen reader calls the field of Timer Mode&apos;s hours (of the clock time). Timer as in the frame Timer.</extracomment>
        <translation>Orario: ore</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Small frame around a clock in each mode: the time left in Counter Mode, the current time in Timer Mode.</extracomment>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Ora attuale</translation>
    </message>
    <message>
        <source>Less Seconds</source>
        <translation>Meno secondi</translation>
    </message>
    <message>
        <source>Less Minutes</source>
        <translation>Meno minuti</translation>
    </message>
    <message>
        <source>Less Hours</source>
        <translation>Meno ore</translation>
    </message>
    <message>
        <source>Counter</source>
        <extracomment>Frame of Counter Mode: a countdown of hours and minutes from now. The same word as the check box Use Counter.</extracomment>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Remaining time til&apos; Winamp&apos;s shutdown</source>
        <translation>Tempo rimanente prima di fermare Winamp</translation>
    </message>
    <message>
        <source>Counter hours</source>
        <extracomment>What a screen reader calls the field of Counter Mode&apos;s hours. Counter as in the frame Counter.</extracomment>
        <translation>Timer: ore</translation>
    </message>
    <message>
        <source>Counter minutes</source>
        <extracomment>What a screen reader calls the field of Counter Mode&apos;s minutes. Counter as in the frame Counter.</extracomment>
        <translation>Timer: minuti</translation>
    </message>
    <message>
        <source>Click to return to all vlues to &apos;0&apos;</source>
        <extracomment>Tool tip of the Reset button: sets the Counter&apos;s hours and minutes back to 0.</extracomment>
        <translation>Fare clic per riportare tutti i valori a «0»</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>Narrow upright button that sets Counter Mode&apos;s hours and minutes back to 0. Only a few letters from its middle show; a screen reader speaks it whole.</extracomment>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Choose to use Counter Mode</source>
        <extracomment>Tool tip of the check box Use Counter: Counter Mode, a countdown of hours and minutes from now.</extracomment>
        <translation>Usa il timer</translation>
    </message>
    <message>
        <source>Use Counter</source>
        <extracomment>Check box that chooses Counter Mode: a countdown of hours and minutes from now. Use the same word as the frame Counter. Narrow: keep it short.</extracomment>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Choose to use Timer Mode</source>
        <extracomment>Tool tip of the check box Use Timer: Timer Mode, waiting until a clock time.</extracomment>
        <translation>Usa un orario</translation>
    </message>
    <message>
        <source>Use Timer</source>
        <extracomment>Check box that chooses Timer Mode: the program acts at a clock time (HH:MM:SS), not after a countdown. Use the same word as the frame Timer, and not the desktop&apos;s word for a countdown timer (that is Counter). Narrow: keep it short.</extracomment>
        <translation>Orario</translation>
    </message>
</context>
</TS>
