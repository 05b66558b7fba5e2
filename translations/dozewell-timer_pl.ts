<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Staging</name>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>nie można utworzyć katalogu %1</translation>
    </message>
    <message>
        <source>%1 is not a folder of its own (a link or a file stands there)</source>
        <translation>%1 nie jest zwykłym katalogiem (w tym miejscu jest dowiązanie lub plik)</translation>
    </message>
    <message>
        <source>the folder %1 belongs to another user</source>
        <translation>katalog %1 należy do innego użytkownika</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made private</source>
        <translation>nie można ustawić katalogu %1 jako prywatnego</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>unknown error</source>
        <extracomment>Why the lock cannot be written, where the system does not say.</extracomment>
        <translation>nieznany błąd</translation>
    </message>
    <message>
        <source>Select An Option</source>
        <extracomment>The action box before an action is chosen.</extracomment>
        <translation>Wybierz akcję</translation>
    </message>
    <message>
        <source>No File Was Selected Yet</source>
        <extracomment>The media file box before a file is chosen; short, it fills the box.</extracomment>
        <translation>Nie wybrano pliku</translation>
    </message>
    <message>
        <source>Choose a diffrent path for the &apos;%1&apos; file</source>
        <extracomment>The tool tip of the Path button. %1 is the player&apos;s file name.</extracomment>
        <translation>Wybierz inną ścieżkę do pliku „%1”</translation>
    </message>
    <message>
        <source>Winamp Path</source>
        <extracomment>The title of the Open dialog that asks where the player is.</extracomment>
        <translation>Ścieżka do Winampa</translation>
    </message>
    <message>
        <source>Executable Files</source>
        <extracomment>The Open dialog&apos;s file type for the player.</extracomment>
        <translation>Pliki wykonywalne</translation>
    </message>
    <message>
        <source>Winamp Media File and Playlists</source>
        <extracomment>The Open dialog&apos;s file type for the media file.</extracomment>
        <translation>Pliki multimedialne i listy odtwarzania Winampa</translation>
    </message>
    <message>
        <source>ERROR</source>
        <extracomment>The title of every box that refuses or reports a failure.</extracomment>
        <translation>BŁĄD</translation>
    </message>
    <message>
        <source>Please choose all the needed options</source>
        <translation>Wybierz wszystkie potrzebne opcje</translation>
    </message>
    <message>
        <source>No File Was Selected Yet !</source>
        <translation>Nie wybrano jeszcze pliku!</translation>
    </message>
    <message>
        <source>This is not the original %1 file!</source>
        <extracomment>%1 is the player&apos;s file name.</extracomment>
        <translation>To nie jest oryginalny plik %1!</translation>
    </message>
    <message>
        <source>Filesize too big %1Bytes, 20,000,000Bytes is the max size !</source>
        <extracomment>%1 is the file&apos;s size in bytes; the limit is 20,000,000 bytes.</extracomment>
        <translation>Plik jest za duży (rozmiar w bajtach: %L1); największy dozwolony rozmiar to 20&#xa0;000&#xa0;000 bajtów!</translation>
    </message>
    <message>
        <source>The file could not be copied to the staging folder %1: %2</source>
        <extracomment>%1 is the staging folder, %2 why the copy failed.</extracomment>
        <translation>Nie udało się skopiować pliku do katalogu pośredniego %1: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <extracomment>%1 is the media file, %2 the system&apos;s reason.</extracomment>
        <translation>Nie udało się odczytać pliku %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be played: it is not a regular file (a pipe, a device or a link to one).</source>
        <translation>Nie można odtworzyć pliku %1: nie jest to zwykły plik (lecz potok, urządzenie lub dowiązanie do nich).</translation>
    </message>
    <message>
        <source>The player could not be started: %1</source>
        <extracomment>%1 is the player.</extracomment>
        <translation>Nie udało się uruchomić odtwarzacza: %1</translation>
    </message>
    <message>
        <source>Wine could not start the player %1 (launcher: %2).</source>
        <extracomment>%1 is the player, %2 the Wine program that was to start it.</extracomment>
        <translation>Wine nie mogło uruchomić odtwarzacza %1 (program uruchamiający: %2).</translation>
    </message>
    <message>
        <source>The staged file %1 lies on no drive of the Wine prefix of the player %2, so the player could not be handed it.</source>
        <extracomment>%1 is the staged copy of the media file, %2 the player.</extracomment>
        <translation>Kopia pośrednia %1 nie znajduje się na żadnym dysku prefiksu Wine odtwarzacza %2, więc nie można było przekazać jej odtwarzaczowi.</translation>
    </message>
    <message>
        <source>The player %1 did not take the command: it ended at once with status %2.</source>
        <extracomment>%1 is the player, %2 its exit status (a number).</extracomment>
        <translation>Odtwarzacz %1 nie przyjął polecenia: zakończył działanie od razu z kodem %2.</translation>
    </message>
    <message>
        <source>The player %1 did not take the command: it crashed (%2).</source>
        <extracomment>%1 is the player, %2 the signal that ended it (SIGSEGV, ...).</extracomment>
        <translation>Odtwarzacz %1 nie przyjął polecenia: uległ awarii (%2).</translation>
    </message>
    <message>
        <source>Wine cannot run this file: it is not a Windows program.</source>
        <translation>Wine nie może uruchomić tego pliku: to nie jest program dla Windows.</translation>
    </message>
    <message>
        <source>Wine could not load the player or a library it needs.</source>
        <translation>Wine nie mogło wczytać odtwarzacza lub potrzebnej mu biblioteki.</translation>
    </message>
    <message>
        <source>The player %1 is a Windows program and needs Wine to run, but no Wine was found.

On Debian, install it with:
%2

or name the Wine launcher to use in the variable %3.</source>
        <extracomment>%1 is the player, %2 the commands that install Wine (on lines of their own), %3 the name of an environment variable.</extracomment>
        <translation>Odtwarzacz %1 jest programem dla Windows i wymaga Wine, ale nie znaleziono Wine.

W Debianie można je zainstalować, wpisując:
%2

albo podać program uruchamiający Wine w zmiennej %3.</translation>
    </message>
    <message>
        <source>The player %1 is a 32-bit Windows program, but the Wine here (%2) has no 32-bit part, so it cannot run it.

On Debian, add it with:
%3</source>
        <extracomment>%1 is the player, %2 the Wine program, %3 the commands that add the 32-bit part.</extracomment>
        <translation>Odtwarzacz %1 jest 32-bitowym programem dla Windows, ale zainstalowane tu Wine (%2) nie ma części 32-bitowej, więc nie może go uruchomić.

W Debianie można ją dodać poleceniami:
%3</translation>
    </message>
    <message>
        <source>A 32-bit player needs Wine&apos;s 32-bit part. On Debian, add it with:
%1</source>
        <extracomment>%1 is the commands that add Wine&apos;s 32-bit part.</extracomment>
        <translation>Odtwarzacz 32-bitowy wymaga 32-bitowej części Wine. W Debianie można ją dodać poleceniami:
%1</translation>
    </message>
    <message>
        <source>Dozewell Timer is already running for this user; a second one would delete the staged copy of the first one&apos;s run.</source>
        <translation>Dozewell Timer jest już uruchomiony dla tego użytkownika; druga instancja usunęłaby kopię pośrednią pierwszej.</translation>
    </message>
    <message>
        <source>Dozewell Timer cannot start: its lock %1 cannot be written (%2).</source>
        <extracomment>%1 is the lock file, %2 the system&apos;s reason.</extracomment>
        <translation>Nie można uruchomić Dozewell Timer: nie można zapisać jego pliku blokady %1 (%2).</translation>
    </message>
    <message>
        <source>%1: no display could be opened (see %2).
It is a desktop program: start it from a desktop session, or under a virtual
X server with:  %3
</source>
        <extracomment>On the terminal. %1 is the program&apos;s command, %2 the environment variables that name a display, %3 the command that starts it under a virtual X server. Keep the lines within 80 characters.</extracomment>
        <translation>%1: nie można otworzyć żadnego ekranu (zob. %2).
To program graficzny: należy go uruchomić w sesji pulpitu albo na wirtualnym
serwerze X poleceniem:  %3
</translation>
    </message>
    <message>
        <source>A sleep timer: stops the media player, or makes it play one file, after a set time.</source>
        <extracomment>The first line of --help.</extracomment>
        <translation>Wyłącznik czasowy: po zadanym czasie zatrzymuje odtwarzacz multimediów lub każe mu odtworzyć jeden plik.</translation>
    </message>
    <message>
        <source>Unknown argument &apos;%1&apos;.</source>
        <translation>Nieznany argument „%1”.</translation>
    </message>
    <message>
        <source>Try &apos;%1&apos;.</source>
        <extracomment>After a wrong argument, on the terminal. %1 is the command that shows the help.</extracomment>
        <translation>Pomoc: „%1”.</translation>
    </message>
    <message>
        <source>Dozewell Timer stops the player at %1</source>
        <extracomment>Shown by the desktop while the computer is kept awake. %1 is the clock time of the time-out.</extracomment>
        <translation>Dozewell Timer zatrzyma odtwarzacz o %1</translation>
    </message>
    <message>
        <source>Dozewell Timer plays the chosen file at %1</source>
        <extracomment>Shown by the desktop while the computer is kept awake. %1 is the clock time of the time-out.</extracomment>
        <translation>Dozewell Timer odtworzy wybrany plik o %1</translation>
    </message>
    <message>
        <source>Winamp was terminated by Orvo&apos;s Timer!!!</source>
        <extracomment>The report after the player was told to stop.</extracomment>
        <translation>Winamp został wyłączony przez Orvo&apos;s Timer!!!</translation>
    </message>
    <message>
        <source>Orvo&apos;s Timer</source>
        <extracomment>The title of that report: the program&apos;s old name.</extracomment>
        <translation>Orvo&apos;s Timer</translation>
    </message>
    <message>
        <source>Playing%1...</source>
        <extracomment>The report after the player was told to play a file: %1 is the file, right after the word, as the program has always shown it.</extracomment>
        <translation>Odtwarzanie: %1…</translation>
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
Ten mały program pomaga tym, którzy lubią zasypiać przy
bardzo długiej losowej liście odtwarzania w Winampie, ale
nie chcą spać przy muzyce przez całą noc…
Można w nim ustawić godzinę lub odliczanie, a Winamp
przestanie grać w wybranym momencie.

Wersja: %1

Uwagi prosimy przesyłać na adres:
%2
</translation>
    </message>
    <message>
        <source>This computer refused to run Wine&apos;s loader.</source>
        <translation>Ten komputer odmówił uruchomienia programu ładującego Wine.</translation>
    </message>
    <message>
        <source>A program that Wine needs was not found.</source>
        <translation>Nie znaleziono programu potrzebnego do działania Wine.</translation>
    </message>
    <message>
        <source>The player %1 is a Windows program, but the Wine here (%2) does not run on this computer: %3

%4</source>
        <extracomment>%1 is the player, %2 the Wine program, %3 what Wine said (in English) or how it ended, %4 what to do (a text of its own).</extracomment>
        <translation>Odtwarzacz %1 jest programem dla Windows, ale zainstalowane tu Wine (%2) nie działa na tym komputerze: %3

%4</translation>
    </message>
    <message>
        <source>The Wine here (%1) does not run on this computer: %2

%3</source>
        <extracomment>%1 is the Wine program, %2 what Wine said (in English) or how it ended, %3 what to do.</extracomment>
        <translation>Zainstalowane tu Wine (%1) nie działa na tym komputerze: %2

%3</translation>
    </message>
    <message>
        <source>it ended at once with status %1.</source>
        <extracomment>How Wine ended, after &quot;does not run on this computer:&quot;. %1 is its exit status (a number).</extracomment>
        <translation>zakończyło działanie od razu z kodem %1.</translation>
    </message>
    <message>
        <source>it crashed (%1).</source>
        <extracomment>How Wine ended, after &quot;does not run on this computer:&quot;. %1 is the signal that ended it.</extracomment>
        <translation>uległo awarii (%1).</translation>
    </message>
    <message>
        <source>This computer refuses to start Wine&apos;s loader. A computer that runs no 32-bit programs (a kernel built without IA-32 emulation, or started with ia32_emulation=0) cannot run Wine&apos;s 32-bit part, nor a 32-bit player. While that part is installed, Debian&apos;s wine fails for 64-bit players too; remove it with:
%1</source>
        <extracomment>%1 is the command that removes Wine&apos;s 32-bit part, on a line of its own.</extracomment>
        <translation>Ten komputer odmawia uruchomienia programu ładującego Wine. Komputer, który nie uruchamia programów 32-bitowych (jądro zbudowane bez emulacji IA-32 lub uruchomione z ia32_emulation=0), nie uruchomi 32-bitowej części Wine ani 32-bitowego odtwarzacza. Dopóki ta część jest zainstalowana, debianowe wine zawodzi także z odtwarzaczami 64-bitowymi; można ją usunąć poleceniem:
%1</translation>
    </message>
    <message>
        <source>See what Wine says with:
%1</source>
        <extracomment>%1 is a command, on a line of its own.</extracomment>
        <translation>Komunikat Wine pokaże polecenie:
%1</translation>
    </message>
    <message>
        <source>The Wine here (%1) did not answer within half a minute; nothing was started.</source>
        <extracomment>%1 is the Wine program. Start&apos;s refusal when Wine, asked whether it runs here, gives no answer within half a minute; how to see what Wine says follows on lines of its own.</extracomment>
        <translation>Zainstalowane tu Wine (%1) nie odpowiedziało w ciągu pół minuty; niczego nie uruchomiono.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader says of a + or - button beside a time field: %1 is what the button does, its tool tip (&quot;More Minutes&quot;), %2 the field&apos;s value.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <extracomment>After &quot;see&quot; in the no-display message: %1, %2 and %3 are the environment variables that name a display.</extracomment>
        <translation>%1, %2 i %3</translation>
    </message>
    <message>
        <source>the computer may suspend before the time-out: it could not be kept awake (%1)</source>
        <extracomment>On standard error when no way keeps the computer awake. %1 is each way&apos;s answer.</extracomment>
        <translation>komputer może zostać uśpiony przed upływem czasu: nie udało się zapobiec uśpieniu komputera (%1)</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Dozewell Timer</source>
        <translation>O programie Dozewell Timer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Dozewell Timer logo</source>
        <translation>Logo programu Dozewell Timer</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Click to see the About Window</source>
        <translation>Kliknij, aby otworzyć okno „O programie”</translation>
    </message>
    <message>
        <source>Hide this window</source>
        <translation>Ukryj to okno</translation>
    </message>
    <message>
        <source>Hide</source>
        <extracomment>Button that minimizes the window; a waiting run goes on. Not close, not quit.</extracomment>
        <translation>Ukryj</translation>
    </message>
    <message>
        <source>Pause Dozewell Timer</source>
        <translation>Wstrzymaj Dozewell Timer</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>Button that pauses the waiting run; Start! starts it again. Not Exit.</extracomment>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Exit and stop Dozewell Timer</source>
        <translation>Zatrzymaj i zakończ Dozewell Timer</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button that ends the program, and with it a waiting run.</extracomment>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Start Dozewell Timer</source>
        <translation>Uruchom Dozewell Timer</translation>
    </message>
    <message>
        <source>Start!</source>
        <translation>Start!</translation>
    </message>
    <message>
        <source>What to do</source>
        <extracomment>Frame of the action box: what the program does at the time-out (when the wait ends).</extracomment>
        <translation>Działanie</translation>
    </message>
    <message>
        <source>Select what should happend when the time is out...</source>
        <translation>Wybierz, co ma się stać po upływie czasu…</translation>
    </message>
    <message>
        <source>What to do at the time-out</source>
        <extracomment>What a screen reader calls the action box. The time-out is the moment the wait ends.</extracomment>
        <translation>Działanie po upływie czasu</translation>
    </message>
    <message>
        <source>Shutdown Winamp</source>
        <extracomment>Action at the time-out: stop the player (Winamp). Fills a narrow box.</extracomment>
        <translation>Wyłącz Winampa</translation>
    </message>
    <message>
        <source>Play Mp3 File</source>
        <extracomment>Action at the time-out: make the player play one chosen media file (any of its types, not only MP3). Fills a narrow box.</extracomment>
        <translation>Odtwórz MP3</translation>
    </message>
    <message>
        <source>Mp3 File</source>
        <extracomment>Frame of the media file that the player plays at the time-out.</extracomment>
        <translation>Plik MP3</translation>
    </message>
    <message>
        <source>Select an MP3 file to be played when time is out...</source>
        <translation>Wybierz plik MP3 do odtworzenia po upływie czasu…</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Button that opens a file dialog to choose the media file. Very narrow: a short word.</extracomment>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Media file</source>
        <translation>Plik multimedialny</translation>
    </message>
    <message>
        <source>No File Was Selected Yet</source>
        <translation>Nie wybrano pliku</translation>
    </message>
    <message>
        <source>Winamp Path</source>
        <extracomment>Frame around the path of the player&apos;s file.</extracomment>
        <translation>Ścieżka do Winampa</translation>
    </message>
    <message>
        <source>Winamp current loction</source>
        <translation>Obecna ścieżka do Winampa</translation>
    </message>
    <message>
        <source>Player path</source>
        <extracomment>What a screen reader calls the field that holds the path of the player&apos;s file.</extracomment>
        <translation>Ścieżka do odtwarzacza</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>Button that opens a file dialog to choose where the player is (the path of the frame Winamp Path). Very narrow: a short word, such as the word for path or for change.</extracomment>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Timer</source>
        <extracomment>Frame of Timer Mode: the clock time (hours, minutes, seconds) at which the program acts. Not a countdown (that is Counter); the same word as the check box Use Timer.</extracomment>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>More Seconds</source>
        <translation>Więcej sekund</translation>
    </message>
    <message>
        <source>More Minutes</source>
        <translation>Więcej minut</translation>
    </message>
    <message>
        <source>More Hours</source>
        <translation>Więcej godzin</translation>
    </message>
    <message>
        <source>Timer seconds</source>
        <extracomment>What a screen reader calls the field of Timer Mode&apos;s seconds (of the clock time). Timer as in the frame Timer.</extracomment>
        <translation>Godzina: sekundy</translation>
    </message>
    <message>
        <source>Timer minutes</source>
        <extracomment>What a screen reader calls the field of Timer Mode&apos;s minutes (of the clock time). Timer as in the frame Timer.</extracomment>
        <translation>Godzina: minuty</translation>
    </message>
    <message>
        <source>Timer hours</source>
        <extracomment>What a screen reader calls the field of Timer Mode&apos;s hours (of the clock time). Timer as in the frame Timer.</extracomment>
        <translation>Godzina: godziny</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Small frame around a clock in each mode: the time left in Counter Mode, the current time in Timer Mode.</extracomment>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Bieżąca godzina</translation>
    </message>
    <message>
        <source>Less Seconds</source>
        <translation>Mniej sekund</translation>
    </message>
    <message>
        <source>Less Minutes</source>
        <translation>Mniej minut</translation>
    </message>
    <message>
        <source>Less Hours</source>
        <translation>Mniej godzin</translation>
    </message>
    <message>
        <source>Counter</source>
        <extracomment>Frame of Counter Mode: a countdown of hours and minutes from now. The same word as the check box Use Counter.</extracomment>
        <translation>Odliczanie</translation>
    </message>
    <message>
        <source>Remaining time til&apos; Winamp&apos;s shutdown</source>
        <translation>Czas pozostały do wyłączenia Winampa</translation>
    </message>
    <message>
        <source>Counter hours</source>
        <extracomment>What a screen reader calls the field of Counter Mode&apos;s hours. Counter as in the frame Counter.</extracomment>
        <translation>Odliczanie: godziny</translation>
    </message>
    <message>
        <source>Counter minutes</source>
        <extracomment>What a screen reader calls the field of Counter Mode&apos;s minutes. Counter as in the frame Counter.</extracomment>
        <translation>Odliczanie: minuty</translation>
    </message>
    <message>
        <source>Click to return to all vlues to &apos;0&apos;</source>
        <extracomment>Tool tip of the Reset button: sets the Counter&apos;s hours and minutes back to 0.</extracomment>
        <translation>Kliknij, aby wyzerować wszystkie wartości</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>Narrow upright button that sets Counter Mode&apos;s hours and minutes back to 0. Only a few letters from its middle show; a screen reader speaks it whole.</extracomment>
        <translation>Zeruj</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Choose to use Counter Mode</source>
        <extracomment>Tool tip of the check box Use Counter: Counter Mode, a countdown of hours and minutes from now.</extracomment>
        <translation>Użyj odliczania</translation>
    </message>
    <message>
        <source>Use Counter</source>
        <extracomment>Check box that chooses Counter Mode: a countdown of hours and minutes from now. Use the same word as the frame Counter. Narrow: keep it short.</extracomment>
        <translation>Odliczanie</translation>
    </message>
    <message>
        <source>Choose to use Timer Mode</source>
        <extracomment>Tool tip of the check box Use Timer: Timer Mode, waiting until a clock time.</extracomment>
        <translation>Użyj godziny</translation>
    </message>
    <message>
        <source>Use Timer</source>
        <extracomment>Check box that chooses Timer Mode: the program acts at a clock time (HH:MM:SS), not after a countdown. Use the same word as the frame Timer, and not the desktop&apos;s word for a countdown timer (that is Counter). Narrow: keep it short.</extracomment>
        <translation>Godzina</translation>
    </message>
</context>
</TS>
