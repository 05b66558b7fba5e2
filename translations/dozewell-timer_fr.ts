<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Staging</name>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>%1 is not a folder of its own (a link or a file stands there)</source>
        <translation>%1 n’est pas un vrai dossier (un lien ou un fichier s’y trouve)</translation>
    </message>
    <message>
        <source>the folder %1 belongs to another user</source>
        <translation>le dossier %1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made private</source>
        <translation>le dossier %1 ne peut pas être rendu privé</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>unknown error</source>
        <extracomment>Why the lock cannot be written, where the system does not say.</extracomment>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>Select An Option</source>
        <extracomment>The action box before an action is chosen.</extracomment>
        <translation>Choisir une action</translation>
    </message>
    <message>
        <source>No File Was Selected Yet</source>
        <extracomment>The media file box before a file is chosen; short, it fills the box.</extracomment>
        <translation>Aucun fichier choisi</translation>
    </message>
    <message>
        <source>Choose a diffrent path for the &apos;%1&apos; file</source>
        <extracomment>The tool tip of the Path button. %1 is the player&apos;s file name.</extracomment>
        <translation>Choisir un autre chemin pour le fichier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Winamp Path</source>
        <extracomment>The title of the Open dialog that asks where the player is.</extracomment>
        <translation>Chemin de Winamp</translation>
    </message>
    <message>
        <source>Executable Files</source>
        <extracomment>The Open dialog&apos;s file type for the player.</extracomment>
        <translation>Fichiers exécutables</translation>
    </message>
    <message>
        <source>Winamp Media File and Playlists</source>
        <extracomment>The Open dialog&apos;s file type for the media file.</extracomment>
        <translation>Fichiers multimédias et listes de lecture Winamp</translation>
    </message>
    <message>
        <source>ERROR</source>
        <extracomment>The title of every box that refuses or reports a failure.</extracomment>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>Please choose all the needed options</source>
        <translation>Veuillez choisir toutes les options nécessaires</translation>
    </message>
    <message>
        <source>No File Was Selected Yet !</source>
        <translation>Aucun fichier n’a encore été choisi&#x202f;!</translation>
    </message>
    <message>
        <source>This is not the original %1 file!</source>
        <extracomment>%1 is the player&apos;s file name.</extracomment>
        <translation>Ce n’est pas le fichier %1 d’origine&#x202f;!</translation>
    </message>
    <message>
        <source>Filesize too big %1Bytes, 20,000,000Bytes is the max size !</source>
        <extracomment>%1 is the file&apos;s size in bytes; the limit is 20,000,000 bytes.</extracomment>
        <translation>Fichier trop volumineux (taille en octets&#xa0;: %L1)&#x202f;; la taille maximale est de 20&#x202f;000&#x202f;000 octets&#x202f;!</translation>
    </message>
    <message>
        <source>The file could not be copied to the staging folder %1: %2</source>
        <extracomment>%1 is the staging folder, %2 why the copy failed.</extracomment>
        <translation>Le fichier n’a pas pu être copié dans le dossier intermédiaire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <extracomment>%1 is the media file, %2 the system&apos;s reason.</extracomment>
        <translation>Le fichier %1 n’a pas pu être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be played: it is not a regular file (a pipe, a device or a link to one).</source>
        <translation>Le fichier %1 ne peut pas être lu&#xa0;: ce n’est pas un fichier ordinaire (c’est un tube, un périphérique ou un lien vers l’un d’eux).</translation>
    </message>
    <message>
        <source>The player could not be started: %1</source>
        <extracomment>%1 is the player.</extracomment>
        <translation>Le lecteur n’a pas pu être lancé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Wine could not start the player %1 (launcher: %2).</source>
        <extracomment>%1 is the player, %2 the Wine program that was to start it.</extracomment>
        <translation>Wine n’a pas pu lancer le lecteur %1 (lanceur&#xa0;: %2).</translation>
    </message>
    <message>
        <source>The staged file %1 lies on no drive of the Wine prefix of the player %2, so the player could not be handed it.</source>
        <extracomment>%1 is the staged copy of the media file, %2 the player.</extracomment>
        <translation>La copie intermédiaire %1 ne se trouve sur aucun disque du préfixe Wine du lecteur %2&#xa0;: elle n’a donc pas pu lui être transmise.</translation>
    </message>
    <message>
        <source>The player %1 did not take the command: it ended at once with status %2.</source>
        <extracomment>%1 is the player, %2 its exit status (a number).</extracomment>
        <translation>Le lecteur %1 n’a pas accepté la commande&#xa0;: il s’est arrêté aussitôt avec le code %2.</translation>
    </message>
    <message>
        <source>The player %1 did not take the command: it crashed (%2).</source>
        <extracomment>%1 is the player, %2 the signal that ended it (SIGSEGV, ...).</extracomment>
        <translation>Le lecteur %1 n’a pas accepté la commande&#xa0;: il s’est arrêté brutalement (%2).</translation>
    </message>
    <message>
        <source>Wine cannot run this file: it is not a Windows program.</source>
        <translation>Wine ne peut pas exécuter ce fichier&#xa0;: ce n’est pas un programme Windows.</translation>
    </message>
    <message>
        <source>Wine could not load the player or a library it needs.</source>
        <translation>Wine n’a pas pu charger le lecteur ou une bibliothèque dont il a besoin.</translation>
    </message>
    <message>
        <source>The player %1 is a Windows program and needs Wine to run, but no Wine was found.

On Debian, install it with:
%2

or name the Wine launcher to use in the variable %3.</source>
        <extracomment>%1 is the player, %2 the commands that install Wine (on lines of their own), %3 the name of an environment variable.</extracomment>
        <translation>Le lecteur %1 est un programme Windows et a besoin de Wine, mais Wine est introuvable.

Sous Debian, installez-le avec&#xa0;:
%2

ou indiquez le lanceur Wine à utiliser dans la variable %3.</translation>
    </message>
    <message>
        <source>The player %1 is a 32-bit Windows program, but the Wine here (%2) has no 32-bit part, so it cannot run it.

On Debian, add it with:
%3</source>
        <extracomment>%1 is the player, %2 the Wine program, %3 the commands that add the 32-bit part.</extracomment>
        <translation>Le lecteur %1 est un programme Windows 32 bits, mais le Wine installé ici (%2) n’a pas de partie 32 bits et ne peut donc pas l’exécuter.

Sous Debian, ajoutez-la avec&#xa0;:
%3</translation>
    </message>
    <message>
        <source>A 32-bit player needs Wine&apos;s 32-bit part. On Debian, add it with:
%1</source>
        <extracomment>%1 is the commands that add Wine&apos;s 32-bit part.</extracomment>
        <translation>Un lecteur 32 bits a besoin de la partie 32 bits de Wine. Sous Debian, ajoutez-la avec&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Dozewell Timer is already running for this user; a second one would delete the staged copy of the first one&apos;s run.</source>
        <translation>Dozewell Timer est déjà lancé pour cet utilisateur&#x202f;; une deuxième instance supprimerait la copie intermédiaire de la première.</translation>
    </message>
    <message>
        <source>Dozewell Timer cannot start: its lock %1 cannot be written (%2).</source>
        <extracomment>%1 is the lock file, %2 the system&apos;s reason.</extracomment>
        <translation>Dozewell Timer ne peut pas démarrer&#xa0;: impossible d’écrire son fichier de verrou %1 (%2).</translation>
    </message>
    <message>
        <source>%1: no display could be opened (see %2).
It is a desktop program: start it from a desktop session, or under a virtual
X server with:  %3
</source>
        <extracomment>On the terminal. %1 is the program&apos;s command, %2 the environment variables that name a display, %3 the command that starts it under a virtual X server. Keep the lines within 80 characters.</extracomment>
        <translation>%1&#xa0;: aucun affichage n’a pu être ouvert (voir %2).
C’est un programme de bureau&#xa0;: lancez-le depuis une session de bureau, ou sous
un serveur X virtuel avec&#xa0;:  %3
</translation>
    </message>
    <message>
        <source>A sleep timer: stops the media player, or makes it play one file, after a set time.</source>
        <extracomment>The first line of --help.</extracomment>
        <translation>Un minuteur de sommeil&#xa0;: arrête le lecteur multimédia, ou lui fait lire un fichier, après un délai choisi.</translation>
    </message>
    <message>
        <source>Unknown argument &apos;%1&apos;.</source>
        <translation>Argument inconnu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Try &apos;%1&apos;.</source>
        <extracomment>After a wrong argument, on the terminal. %1 is the command that shows the help.</extracomment>
        <translation>Essayez «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Dozewell Timer stops the player at %1</source>
        <extracomment>Shown by the desktop while the computer is kept awake. %1 is the clock time of the time-out.</extracomment>
        <translation>Dozewell Timer arrêtera le lecteur à %1</translation>
    </message>
    <message>
        <source>Dozewell Timer plays the chosen file at %1</source>
        <extracomment>Shown by the desktop while the computer is kept awake. %1 is the clock time of the time-out.</extracomment>
        <translation>Dozewell Timer lira le fichier choisi à %1</translation>
    </message>
    <message>
        <source>Winamp was terminated by Orvo&apos;s Timer!!!</source>
        <extracomment>The report after the player was told to stop.</extracomment>
        <translation>Winamp a été arrêté par Orvo&apos;s Timer&#x202f;!!!</translation>
    </message>
    <message>
        <source>Orvo&apos;s Timer</source>
        <extracomment>The title of that report: the program&apos;s old name.</extracomment>
        <translation>Orvo&apos;s Timer</translation>
    </message>
    <message>
        <source>Playing%1...</source>
        <extracomment>The report after the player was told to play a file: %1 is the file, right after the word, as the program has always shown it.</extracomment>
        <translation>Lecture de %1…</translation>
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
Ce petit programme aide ceux qui aiment s’endormir avec
une très longue liste de lecture aléatoire dans Winamp,
sans vouloir de musique toute la nuit…
Réglez une heure précise ou un minuteur, et Winamp
arrêtera la lecture au moment choisi.

Version&#xa0;: %1

Vos remarques sont les bienvenues à&#xa0;:
%2
</translation>
    </message>
    <message>
        <source>This computer refused to run Wine&apos;s loader.</source>
        <translation>Cet ordinateur a refusé d’exécuter le chargeur de Wine.</translation>
    </message>
    <message>
        <source>A program that Wine needs was not found.</source>
        <translation>Un programme dont Wine a besoin est introuvable.</translation>
    </message>
    <message>
        <source>The player %1 is a Windows program, but the Wine here (%2) does not run on this computer: %3

%4</source>
        <extracomment>%1 is the player, %2 the Wine program, %3 what Wine said (in English) or how it ended, %4 what to do (a text of its own).</extracomment>
        <translation>Le lecteur %1 est un programme Windows, mais le Wine installé ici (%2) ne fonctionne pas sur cet ordinateur&#xa0;: %3

%4</translation>
    </message>
    <message>
        <source>The Wine here (%1) does not run on this computer: %2

%3</source>
        <extracomment>%1 is the Wine program, %2 what Wine said (in English) or how it ended, %3 what to do.</extracomment>
        <translation>Le Wine installé ici (%1) ne fonctionne pas sur cet ordinateur&#xa0;: %2

%3</translation>
    </message>
    <message>
        <source>it ended at once with status %1.</source>
        <extracomment>How Wine ended, after &quot;does not run on this computer:&quot;. %1 is its exit status (a number).</extracomment>
        <translation>il s’est arrêté aussitôt avec le code %1.</translation>
    </message>
    <message>
        <source>it crashed (%1).</source>
        <extracomment>How Wine ended, after &quot;does not run on this computer:&quot;. %1 is the signal that ended it.</extracomment>
        <translation>il s’est arrêté brutalement (%1).</translation>
    </message>
    <message>
        <source>This computer refuses to start Wine&apos;s loader. A computer that runs no 32-bit programs (a kernel built without IA-32 emulation, or started with ia32_emulation=0) cannot run Wine&apos;s 32-bit part, nor a 32-bit player. While that part is installed, Debian&apos;s wine fails for 64-bit players too; remove it with:
%1</source>
        <extracomment>%1 is the command that removes Wine&apos;s 32-bit part, on a line of its own.</extracomment>
        <translation>Cet ordinateur refuse de lancer le chargeur de Wine. Un ordinateur qui n’exécute aucun programme 32 bits (un noyau compilé sans émulation IA-32, ou démarré avec ia32_emulation=0) ne peut exécuter ni la partie 32 bits de Wine, ni un lecteur 32 bits. Tant que cette partie est installée, le wine de Debian échoue aussi avec les lecteurs 64 bits&#x202f;; supprimez-la avec&#xa0;:
%1</translation>
    </message>
    <message>
        <source>See what Wine says with:
%1</source>
        <extracomment>%1 is a command, on a line of its own.</extracomment>
        <translation>Pour voir ce que dit Wine&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The Wine here (%1) did not answer within half a minute; nothing was started.</source>
        <extracomment>%1 is the Wine program. Start&apos;s refusal when Wine, asked whether it runs here, gives no answer within half a minute; how to see what Wine says follows on lines of its own.</extracomment>
        <translation>Le Wine installé ici (%1) n’a pas répondu en une demi-minute&#x202f;; rien n’a été démarré.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader says of a + or - button beside a time field: %1 is what the button does, its tool tip (&quot;More Minutes&quot;), %2 the field&apos;s value.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <extracomment>After &quot;see&quot; in the no-display message: %1, %2 and %3 are the environment variables that name a display.</extracomment>
        <translation>%1, %2 et %3</translation>
    </message>
    <message>
        <source>the computer may suspend before the time-out: it could not be kept awake (%1)</source>
        <extracomment>On standard error when no way keeps the computer awake. %1 is each way&apos;s answer.</extracomment>
        <translation>l’ordinateur peut se mettre en veille avant la fin du délai&#xa0;: impossible d’empêcher la mise en veille (%1)</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Dozewell Timer</source>
        <translation>À propos de Dozewell Timer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Dozewell Timer logo</source>
        <translation>Logo de Dozewell Timer</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Click to see the About Window</source>
        <translation>Cliquer pour ouvrir la fenêtre «&#xa0;À propos&#xa0;»</translation>
    </message>
    <message>
        <source>Hide this window</source>
        <translation>Masquer cette fenêtre</translation>
    </message>
    <message>
        <source>Hide</source>
        <extracomment>Button that minimizes the window; a waiting run goes on. Not close, not quit.</extracomment>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Pause Dozewell Timer</source>
        <translation>Mettre Dozewell Timer en pause</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>Button that pauses the waiting run; Start! starts it again. Not Exit.</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Exit and stop Dozewell Timer</source>
        <translation>Arrêter et quitter Dozewell Timer</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button that ends the program, and with it a waiting run.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Start Dozewell Timer</source>
        <translation>Démarrer Dozewell Timer</translation>
    </message>
    <message>
        <source>Start!</source>
        <translation>Démarrer&#x202f;!</translation>
    </message>
    <message>
        <source>What to do</source>
        <extracomment>Frame of the action box: what the program does at the time-out (when the wait ends).</extracomment>
        <translation>Action</translation>
    </message>
    <message>
        <source>Select what should happend when the time is out...</source>
        <translation>Choisir ce qui se passe à la fin du délai…</translation>
    </message>
    <message>
        <source>What to do at the time-out</source>
        <extracomment>What a screen reader calls the action box. The time-out is the moment the wait ends.</extracomment>
        <translation>Action à la fin du délai</translation>
    </message>
    <message>
        <source>Shutdown Winamp</source>
        <extracomment>Action at the time-out: stop the player (Winamp). Fills a narrow box.</extracomment>
        <translation>Arrêter Winamp</translation>
    </message>
    <message>
        <source>Play Mp3 File</source>
        <extracomment>Action at the time-out: make the player play one chosen media file (any of its types, not only MP3). Fills a narrow box.</extracomment>
        <translation>Lire un MP3</translation>
    </message>
    <message>
        <source>Mp3 File</source>
        <extracomment>Frame of the media file that the player plays at the time-out.</extracomment>
        <translation>Fichier MP3</translation>
    </message>
    <message>
        <source>Select an MP3 file to be played when time is out...</source>
        <translation>Choisir un fichier MP3 à lire à la fin du délai…</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Button that opens a file dialog to choose the media file. Very narrow: a short word.</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Media file</source>
        <translation>Fichier multimédia</translation>
    </message>
    <message>
        <source>No File Was Selected Yet</source>
        <translation>Aucun fichier choisi</translation>
    </message>
    <message>
        <source>Winamp Path</source>
        <extracomment>Frame around the path of the player&apos;s file.</extracomment>
        <translation>Chemin de Winamp</translation>
    </message>
    <message>
        <source>Winamp current loction</source>
        <translation>Chemin actuel de Winamp</translation>
    </message>
    <message>
        <source>Player path</source>
        <extracomment>What a screen reader calls the field that holds the path of the player&apos;s file.</extracomment>
        <translation>Chemin du lecteur</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>Button that opens a file dialog to choose where the player is (the path of the frame Winamp Path). Very narrow: a short word, such as the word for path or for change.</extracomment>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Timer</source>
        <extracomment>Frame of Timer Mode: the clock time (hours, minutes, seconds) at which the program acts. Not a countdown (that is Counter); the same word as the check box Use Timer.</extracomment>
        <translation>Heure précise</translation>
    </message>
    <message>
        <source>More Seconds</source>
        <translation>Plus de secondes</translation>
    </message>
    <message>
        <source>More Minutes</source>
        <translation>Plus de minutes</translation>
    </message>
    <message>
        <source>More Hours</source>
        <translation>Plus d’heures</translation>
    </message>
    <message>
        <source>Timer seconds</source>
        <extracomment>What a screen reader calls the field of Timer Mode&apos;s seconds (of the clock time). Timer as in the frame Timer.</extracomment>
        <translation>Heure précise&#xa0;: secondes</translation>
    </message>
    <message>
        <source>Timer minutes</source>
        <extracomment>What a screen reader calls the field of Timer Mode&apos;s minutes (of the clock time). Timer as in the frame Timer.</extracomment>
        <translation>Heure précise&#xa0;: minutes</translation>
    </message>
    <message>
        <source>Timer hours</source>
        <extracomment>What a screen reader calls the field of Timer Mode&apos;s hours (of the clock time). Timer as in the frame Timer.</extracomment>
        <translation>Heure précise&#xa0;: heures</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Small frame around a clock in each mode: the time left in Counter Mode, the current time in Timer Mode.</extracomment>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Heure actuelle</translation>
    </message>
    <message>
        <source>Less Seconds</source>
        <translation>Moins de secondes</translation>
    </message>
    <message>
        <source>Less Minutes</source>
        <translation>Moins de minutes</translation>
    </message>
    <message>
        <source>Less Hours</source>
        <translation>Moins d’heures</translation>
    </message>
    <message>
        <source>Counter</source>
        <extracomment>Frame of Counter Mode: a countdown of hours and minutes from now. The same word as the check box Use Counter.</extracomment>
        <translation>Minuteur</translation>
    </message>
    <message>
        <source>Remaining time til&apos; Winamp&apos;s shutdown</source>
        <translation>Temps restant avant l’arrêt de Winamp</translation>
    </message>
    <message>
        <source>Counter hours</source>
        <extracomment>What a screen reader calls the field of Counter Mode&apos;s hours. Counter as in the frame Counter.</extracomment>
        <translation>Minuteur&#xa0;: heures</translation>
    </message>
    <message>
        <source>Counter minutes</source>
        <extracomment>What a screen reader calls the field of Counter Mode&apos;s minutes. Counter as in the frame Counter.</extracomment>
        <translation>Minuteur&#xa0;: minutes</translation>
    </message>
    <message>
        <source>Click to return to all vlues to &apos;0&apos;</source>
        <extracomment>Tool tip of the Reset button: sets the Counter&apos;s hours and minutes back to 0.</extracomment>
        <translation>Cliquer pour remettre toutes les valeurs à «&#xa0;0&#xa0;»</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>Narrow upright button that sets Counter Mode&apos;s hours and minutes back to 0. Only a few letters from its middle show; a screen reader speaks it whole.</extracomment>
        <translation>Remettre à zéro</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Choose to use Counter Mode</source>
        <extracomment>Tool tip of the check box Use Counter: Counter Mode, a countdown of hours and minutes from now.</extracomment>
        <translation>Utiliser le minuteur</translation>
    </message>
    <message>
        <source>Use Counter</source>
        <extracomment>Check box that chooses Counter Mode: a countdown of hours and minutes from now. Use the same word as the frame Counter. Narrow: keep it short.</extracomment>
        <translation>Minuteur</translation>
    </message>
    <message>
        <source>Choose to use Timer Mode</source>
        <extracomment>Tool tip of the check box Use Timer: Timer Mode, waiting until a clock time.</extracomment>
        <translation>Utiliser une heure précise</translation>
    </message>
    <message>
        <source>Use Timer</source>
        <extracomment>Check box that chooses Timer Mode: the program acts at a clock time (HH:MM:SS), not after a countdown. Use the same word as the frame Timer, and not the desktop&apos;s word for a countdown timer (that is Counter). Narrow: keep it short.</extracomment>
        <translation>Heure précise</translation>
    </message>
</context>
</TS>
