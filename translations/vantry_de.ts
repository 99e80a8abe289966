<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutValues</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>%1&apos;s turn, computer</source>
        <translation>%1 ist am Zug, Computer</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>%1 ist am Zug</translation>
    </message>
    <message>
        <source>%1 throws %2</source>
        <translation>%1 würfelt eine %2</translation>
    </message>
    <message>
        <source>%1 moves from the start to %2</source>
        <extracomment>%1 is a player&apos;s name; %2 a square of the board.</extracomment>
        <translation>%1 zieht vom Start auf %2</translation>
    </message>
    <message>
        <source>%1 moves from %2 to %3</source>
        <extracomment>%1 is a player&apos;s name; %2 and %3 squares of the board.</extracomment>
        <translation>%1 zieht von %2 auf %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 wins in %n moves</source>
        <translation>
            <numerusform>%1 gewinnt mit %n Zug</numerusform>
            <numerusform>%1 gewinnt mit %n Zügen</numerusform>
        </translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 geöffnet</translation>
    </message>
    <message>
        <source>computer</source>
        <extracomment>Who plays a seat, said after its name and colour in the reading of the board.</extracomment>
        <translation>Computer</translation>
    </message>
    <message>
        <source>person</source>
        <extracomment>Who plays a seat, said after its name and colour: a human player, not &quot;nobody&quot;.</extracomment>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>%1, %2, %3, at the start</source>
        <translation>%1, %2, %3, am Start</translation>
    </message>
    <message>
        <source>%1, %2, %3, on square %4</source>
        <translation>%1, %2, %3, auf Feld %4</translation>
    </message>
    <message>
        <source>%1 has won</source>
        <translation>%1 hat gewonnen</translation>
    </message>
    <message>
        <source>%1 moves from the start to %2, ladder up to %3</source>
        <extracomment>%1 is a player&apos;s name; %2 the square the throw reached, the foot of a ladder; %3 its top.</extracomment>
        <translation>%1 zieht vom Start auf %2, die Leiter hinauf auf %3</translation>
    </message>
    <message>
        <source>%1 moves from %2 to %3, ladder up to %4</source>
        <extracomment>%1 is a player&apos;s name; %2 and %3 squares; %4 the top of the ladder on square %3.</extracomment>
        <translation>%1 zieht von %2 auf %3, die Leiter hinauf auf %4</translation>
    </message>
    <message>
        <source>%1 moves from the start to %2, snake down to %3</source>
        <extracomment>%1 is a player&apos;s name; %2 the square the throw reached, a snake&apos;s head; %3 its tail.</extracomment>
        <translation>%1 zieht vom Start auf %2, die Schlange hinunter auf %3</translation>
    </message>
    <message>
        <source>%1 moves from %2 to %3, snake down to %4</source>
        <extracomment>%1 is a player&apos;s name; %2 and %3 squares; %4 the tail of the snake on square %3.</extracomment>
        <translation>%1 zieht von %2 auf %3, die Schlange hinunter auf %4</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Invitation:</source>
        <extracomment>The label over the box where a player pastes an invitation, a vantry:// link.</extracomment>
        <translation>Einladung:</translation>
    </message>
    <message>
        <source>This copy of the game cannot play across computers: its network module is missing.</source>
        <translation>Diese Kopie des Spiels kann nicht über mehrere Computer spielen: ihr Netzwerkmodul fehlt.</translation>
    </message>
    <message>
        <source>This desktop has no keyring to keep the password in, so the game asks for it each time it signs in.</source>
        <translation>Diese Arbeitsumgebung hat keinen Schlüsselbund für das Passwort, daher fragt das Spiel bei jeder Anmeldung danach.</translation>
    </message>
</context>
<context>
    <name>BoardDescriptions</name>
    <message>
        <source>Go</source>
        <extracomment>The name a screen reader gives the button that moves the counter thrown for; its caption on the board.</extracomment>
        <translation>Los</translation>
    </message>
    <message>
        <source>File menu</source>
        <translation>Dateimenü</translation>
    </message>
    <message>
        <source>computer</source>
        <extracomment>Said of a name on the board after the name and colour: the computer plays this seat.</extracomment>
        <translation>Computer</translation>
    </message>
    <message>
        <source>winner</source>
        <extracomment>Said of a name on the board after the name and colour: this seat has won.</extracomment>
        <translation>Gewinner</translation>
    </message>
    <message>
        <source>to play</source>
        <extracomment>Said of a name on the board after the name and colour: this seat is on turn.</extracomment>
        <translation>am Zug</translation>
    </message>
    <message>
        <source>Red counter at the start</source>
        <translation>Rote Spielfigur am Start</translation>
    </message>
    <message>
        <source>Blue counter at the start</source>
        <translation>Blaue Spielfigur am Start</translation>
    </message>
    <message>
        <source>Yellow counter at the start</source>
        <translation>Gelbe Spielfigur am Start</translation>
    </message>
    <message>
        <source>Green counter at the start</source>
        <translation>Grüne Spielfigur am Start</translation>
    </message>
    <message>
        <source>Red counter on square %1</source>
        <translation>Rote Spielfigur auf Feld %1</translation>
    </message>
    <message>
        <source>Blue counter on square %1</source>
        <translation>Blaue Spielfigur auf Feld %1</translation>
    </message>
    <message>
        <source>Yellow counter on square %1</source>
        <translation>Gelbe Spielfigur auf Feld %1</translation>
    </message>
    <message>
        <source>Green counter on square %1</source>
        <translation>Grüne Spielfigur auf Feld %1</translation>
    </message>
    <message>
        <source>Move the red counter</source>
        <translation>Rote Spielfigur ziehen</translation>
    </message>
    <message>
        <source>Move the blue counter</source>
        <translation>Blaue Spielfigur ziehen</translation>
    </message>
    <message>
        <source>Move the yellow counter</source>
        <translation>Gelbe Spielfigur ziehen</translation>
    </message>
    <message>
        <source>Move the green counter</source>
        <translation>Grüne Spielfigur ziehen</translation>
    </message>
    <message>
        <source>Die, click to throw</source>
        <translation>Würfel, zum Würfeln klicken</translation>
    </message>
    <message>
        <source>Die, showing %1</source>
        <translation>Würfel, zeigt %1</translation>
    </message>
    <message>
        <source>on another computer</source>
        <extracomment>Said of a name on the board after the name and colour: a player on another computer plays it.</extracomment>
        <translation>an einem anderen Computer</translation>
    </message>
    <message>
        <source>away</source>
        <extracomment>Said of a name on the board: the other computer that plays this seat has lost its connection.</extracomment>
        <translation>abwesend</translation>
    </message>
</context>
<context>
    <name>BoardWidgets</name>
    <message>
        <source>Go</source>
        <extracomment>The caption of the board&apos;s button that moves the counter after a throw; 41 pixels wide.</extracomment>
        <translation>Los</translation>
    </message>
    <message>
        <source>Click</source>
        <extracomment>The caption on the die before the first throw, asking to click it; it must fit the small face.</extracomment>
        <translation>Klick</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>the word on the File menu&apos;s button</comment>
        <translation>DATEI</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>vantry: unknown option &apos;%1&apos;
Try &apos;vantry --help&apos; for more information.</source>
        <translation>vantry: unbekannte Option „%1“
„vantry --help“ zeigt weitere Informationen.</translation>
    </message>
    <message>
        <source>Usage: vantry [FILE]
Plays Vantry, a race over a board of ladders and snakes for up to four players.
With FILE, opens that saved game (a .vty file) and goes on with it; without,
starts with the new-game dialog.

  -h, --help     show this help and exit
      --version  show the version and exit
      --         take every later argument as part of FILE

A FILE given as several arguments is joined again with single blanks.
With VANTRY_NO_TRAVEL=1 in the environment the counters jump to their squares
instead of travelling there.

On the board: Space throws; Enter moves, or presses the control with the focus;
Tab goes from the die to the counters, Go and FILE; B reads the whole board
aloud through a screen reader.
</source>
        <translation>Aufruf: vantry [DATEI]
Spielt Vantry, ein Wettrennen mit Leitern und Schlangen für bis zu vier Spieler.
Mit DATEI wird dieser Spielstand (eine .vty-Datei) geöffnet und weitergespielt,
ohne DATEI beginnt das Spiel mit dem Fenster für ein neues Spiel.

  -h, --help     diese Hilfe zeigen und beenden
      --version  die Version zeigen und beenden
      --         alle weiteren Argumente als Teil von DATEI nehmen

Eine DATEI aus mehreren Argumenten wird mit Leerzeichen wieder zusammengefügt.
Mit VANTRY_NO_TRAVEL=1 in der Umgebung springen die Spielfiguren direkt auf ihre
Felder, statt dorthin zu wandern.

Auf dem Brett: Leertaste würfelt; Eingabetaste zieht oder drückt das Element mit
dem Fokus; Tab geht vom Würfel zu den Spielfiguren, zu Los und zu DATEI; B liest
das ganze Brett über einen Bildschirmleser vor.
</translation>
    </message>
    <message>
        <source>
Settings (in the File menu, or Ctrl+comma on the board) turn the seats&apos; marks,
the counters&apos; travel and the sound on or off and set the computer&apos;s pace, the
volume and the language; they are kept for the next start. VANTRY_NO_TRAVEL=1
stops the travel whatever the settings say.
</source>
        <translation>
Die Einstellungen (im Menü Datei oder Strg+Komma auf dem Brett) schalten die
Zeichen der Plätze, das Wandern der Spielfiguren und die Klänge ein oder aus,
legen Tempo des Computers, Lautstärke und Sprache fest und bleiben für den
nächsten Start erhalten. VANTRY_NO_TRAVEL=1 schaltet das Wandern immer ab.
</translation>
    </message>
    <message>
        <source>F11 shows the board on the whole screen, and Escape leaves it.
</source>
        <translation>F11 zeigt das Brett im Vollbild, Esc beendet das Vollbild wieder.
</translation>
    </message>
    <message>
        <source>vantry: the game could not be hosted</source>
        <translation>vantry: das Spiel konnte nicht für andere Computer bereitgestellt werden</translation>
    </message>
    <message>
        <source>vantry: --host needs the saved game to host
Try &apos;vantry --help&apos; for more information.</source>
        <translation>vantry: --host braucht den Spielstand, der bereitgestellt werden soll
„vantry --help“ zeigt weitere Informationen.</translation>
    </message>
    <message>
        <source>--host FILE hosts it and prints the invitations; vantry://... joins one.
</source>
        <translation>--host DATEI gibt Einladungen zu diesem Spiel aus; vantry://... nimmt eine an.
</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Vantry - Untitled</source>
        <translation>Vantry - Unbenannt</translation>
    </message>
    <message>
        <source>Vantry Game Files (*.vty)</source>
        <translation>Vantry-Spielstände (*.vty)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>The game could not be opened from &quot;%1&quot;.

%2</source>
        <translation>Der Spielstand „%1“ konnte nicht geöffnet werden.

%2</translation>
    </message>
    <message>
        <source>Do you want to save your game?</source>
        <translation>Möchtest du dein Spiel speichern?</translation>
    </message>
    <message>
        <source>Do you want to save changes on your game?</source>
        <translation>Möchtest du die Änderungen an deinem Spiel speichern?</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;.

%2</source>
        <translation>Das Spiel konnte nicht in „%1“ gespeichert werden.

%2</translation>
    </message>
</context>
<context>
    <name>GuestTable</name>
    <message>
        <source>This seat is already played from another computer.</source>
        <translation>Auf diesem Platz wird schon von einem anderen Computer aus gespielt.</translation>
    </message>
    <message>
        <source>The host has no room for another player or watcher.</source>
        <translation>Der Gastgeber kann keine weiteren Spieler oder Zuschauer aufnehmen.</translation>
    </message>
    <message>
        <source>This is not an invitation to a game. An invitation begins with vantry:// and works only when it is copied whole, without a character changed.</source>
        <translation>Das ist keine Einladung zu einem Spiel. Eine Einladung beginnt mit vantry:// und funktioniert nur, wenn sie vollständig und ohne ein geändertes Zeichen kopiert wird.</translation>
    </message>
    <message>
        <source>The host has stopped hosting the game. The game stays on the board, and you can save it.</source>
        <translation>Der Gastgeber stellt das Spiel nicht mehr bereit. Das Spiel bleibt auf dem Brett, und du kannst es speichern.</translation>
    </message>
    <message>
        <source>The host has ended the game. The game stays on the board, and you can save it.</source>
        <translation>Der Gastgeber hat das Spiel beendet. Das Spiel bleibt auf dem Brett, und du kannst es speichern.</translation>
    </message>
    <message>
        <source>The host speaks version %1 of the game&apos;s network protocol and this copy speaks version %2, so they cannot play together. Both players need the same version of the game.</source>
        <extracomment>%1 and %2 are version numbers of the way two copies of the game talk over the network.</extracomment>
        <translation>Der Gastgeber spricht Version %1 des Netzwerkprotokolls des Spiels, dieses Exemplar Version %2, daher können die beiden nicht zusammen spielen. Beide Spieler brauchen dieselbe Version des Spiels.</translation>
    </message>
    <message>
        <source>The invitation opens no seat of this game: it was changed, or the host has taken the seat back. Ask the host for a new invitation.</source>
        <translation>Die Einladung öffnet keinen Platz dieses Spiels: sie wurde verändert, oder der Gastgeber hat den Platz zurückgenommen. Frag den Gastgeber nach einer neuen Einladung.</translation>
    </message>
    <message>
        <source>The computer that answered is not the host that sent the invitation, so this copy did not join.</source>
        <translation>Der Computer, der geantwortet hat, ist nicht der Gastgeber, der die Einladung verschickt hat; daher ist dieses Exemplar dem Spiel nicht beigetreten.</translation>
    </message>
</context>
<context>
    <name>HostTable</name>
    <message>
        <source>%1 has been away for a minute. Shall the computer play for %1 until %1 is back?</source>
        <translation>%1 ist seit einer Minute weg. Soll der Computer für %1 spielen, bis %1 zurück ist?</translation>
    </message>
</context>
<context>
    <name>NewGameSetup</name>
    <message>
        <source>Select</source>
        <extracomment>The prompt in a computer seat&apos;s name list until a name is chosen from it.</extracomment>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Please Select the Name!</source>
        <translation>Bitte wähle den Namen aus!</translation>
    </message>
    <message>
        <source>Please type the Name!</source>
        <translation>Bitte gib den Namen ein!</translation>
    </message>
    <message>
        <source>A name cannot begin with a double quote (&quot;).</source>
        <translation>Ein Name darf nicht mit einem Anführungszeichen (&quot;) beginnen.</translation>
    </message>
    <message>
        <source>A name with a comma or a leading blank cannot also hold a double quote (&quot;).</source>
        <translation>Ein Name mit einem Komma oder einem Leerzeichen am Anfang darf kein Anführungszeichen (&quot;) enthalten.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>It ends after %1 of the %2 fields of a saved game.</source>
        <translation>Die Datei endet nach %1 der %2 Einträge eines Spielstands.</translation>
    </message>
    <message>
        <source>It is larger than 1 MiB, so it is not a saved game.</source>
        <translation>Die Datei ist größer als 1 MiB und damit kein Spielstand.</translation>
    </message>
    <message>
        <source>It is a directory, not a regular file.</source>
        <translation>Das ist ein Ordner, keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>It is a named pipe, not a regular file.</source>
        <translation>Das ist eine benannte Pipe, keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>It is a device, not a regular file.</source>
        <translation>Das ist ein Gerät, keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>It is a socket, not a regular file.</source>
        <translation>Das ist ein Socket, keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Das ist keine gewöhnliche Datei.</translation>
    </message>
</context>
<context>
    <name>SaveRecord</name>
    <message>
        <source>The kind of the Red seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>Die Art des roten Platzes ist „%1“, muss aber True, False oder eine Zahl sein.</translation>
    </message>
    <message>
        <source>The move count of Red is %1, but it must be from %2 to %3.</source>
        <translation>Die Zahl der Züge von Rot ist %1, muss aber zwischen %2 und %3 liegen.</translation>
    </message>
    <message>
        <source>The square of Red is %1, but the board has squares 1 to 100.</source>
        <translation>Das Feld von Rot ist %1, aber das Brett hat nur die Felder 1 bis 100.</translation>
    </message>
    <message>
        <source>The move count of Red reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Die Zahl der Züge von Rot lautet „%1“; das ist keine ganze Zahl von -32768 bis 32767.</translation>
    </message>
    <message>
        <source>The square of Red reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Das Feld von Rot lautet „%1“; das ist keine ganze Zahl von -32768 bis 32767.</translation>
    </message>
    <message>
        <source>The kind of the Blue seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>Die Art des blauen Platzes ist „%1“, muss aber True, False oder eine Zahl sein.</translation>
    </message>
    <message>
        <source>The move count of Blue is %1, but it must be from %2 to %3.</source>
        <translation>Die Zahl der Züge von Blau ist %1, muss aber zwischen %2 und %3 liegen.</translation>
    </message>
    <message>
        <source>The square of Blue is %1, but the board has squares 1 to 100.</source>
        <translation>Das Feld von Blau ist %1, aber das Brett hat nur die Felder 1 bis 100.</translation>
    </message>
    <message>
        <source>The move count of Blue reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Die Zahl der Züge von Blau lautet „%1“; das ist keine ganze Zahl von -32768 bis 32767.</translation>
    </message>
    <message>
        <source>The square of Blue reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Das Feld von Blau lautet „%1“; das ist keine ganze Zahl von -32768 bis 32767.</translation>
    </message>
    <message>
        <source>The kind of the Yellow seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>Die Art des gelben Platzes ist „%1“, muss aber True, False oder eine Zahl sein.</translation>
    </message>
    <message>
        <source>The move count of Yellow is %1, but it must be from %2 to %3.</source>
        <translation>Die Zahl der Züge von Gelb ist %1, muss aber zwischen %2 und %3 liegen.</translation>
    </message>
    <message>
        <source>The square of Yellow is %1, but the board has squares 1 to 100.</source>
        <translation>Das Feld von Gelb ist %1, aber das Brett hat nur die Felder 1 bis 100.</translation>
    </message>
    <message>
        <source>The move count of Yellow reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Die Zahl der Züge von Gelb lautet „%1“; das ist keine ganze Zahl von -32768 bis 32767.</translation>
    </message>
    <message>
        <source>The square of Yellow reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Das Feld von Gelb lautet „%1“; das ist keine ganze Zahl von -32768 bis 32767.</translation>
    </message>
    <message>
        <source>The kind of the Green seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>Die Art des grünen Platzes ist „%1“, muss aber True, False oder eine Zahl sein.</translation>
    </message>
    <message>
        <source>The move count of Green is %1, but it must be from %2 to %3.</source>
        <translation>Die Zahl der Züge von Grün ist %1, muss aber zwischen %2 und %3 liegen.</translation>
    </message>
    <message>
        <source>The square of Green is %1, but the board has squares 1 to 100.</source>
        <translation>Das Feld von Grün ist %1, aber das Brett hat nur die Felder 1 bis 100.</translation>
    </message>
    <message>
        <source>The move count of Green reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Die Zahl der Züge von Grün lautet „%1“; das ist keine ganze Zahl von -32768 bis 32767.</translation>
    </message>
    <message>
        <source>The square of Green reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Das Feld von Grün lautet „%1“; das ist keine ganze Zahl von -32768 bis 32767.</translation>
    </message>
    <message>
        <source>The player on turn reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Die Nummer des Spielers am Zug lautet „%1“; das ist keine ganze Zahl von -32768 bis 32767.</translation>
    </message>
    <message>
        <source>The player on turn is %1, but it must be from %2 to %3.</source>
        <translation>Die Nummer des Spielers am Zug ist %1, muss aber zwischen %2 und %3 liegen.</translation>
    </message>
</context>
<context>
    <name>StatisticsKeeper</name>
    <message>
        <source>The players&apos; statistics could not be stored in %1: %2.</source>
        <translation>Die Statistik der Spieler konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>TableNews</name>
    <message>
        <source>The connection to the host is lost. This copy keeps trying to reach it</source>
        <translation>Die Verbindung zum Gastgeber ist abgerissen. Diese Kopie versucht weiter, ihn zu erreichen</translation>
    </message>
    <message>
        <source>This copy is back at the host&apos;s game</source>
        <translation>Diese Kopie ist wieder im Spiel des Gastgebers</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>The host</source>
        <extracomment>Who wrote a line of chat: the computer that hosts the game.</extracomment>
        <translation>Der Gastgeber</translation>
    </message>
    <message>
        <source>A watcher</source>
        <extracomment>Who wrote a line of chat: someone who watches the game and plays no seat.</extracomment>
        <translation>Ein Zuschauer</translation>
    </message>
    <message>
        <source>%1 says: %2</source>
        <extracomment>A line of chat in the game log and as the screen reader says it: %1 is who wrote it, %2 the line.</extracomment>
        <translation>%1 sagt: %2</translation>
    </message>
    <message>
        <source>%1 has lost the connection to the game</source>
        <translation>%1 hat die Verbindung zum Spiel verloren</translation>
    </message>
    <message>
        <source>%1 is back in the game</source>
        <translation>%1 ist wieder im Spiel</translation>
    </message>
    <message numerus="yes">
        <source>A watcher has joined: %n watching the game</source>
        <translation>
            <numerusform>Ein Zuschauer ist dazugekommen: %n Person schaut zu</numerusform>
            <numerusform>Ein Zuschauer ist dazugekommen: %n Personen schauen zu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A watcher has left: %n watching the game</source>
        <translation>
            <numerusform>Ein Zuschauer ist gegangen: %n Person schaut zu</numerusform>
            <numerusform>Ein Zuschauer ist gegangen: %n Personen schauen zu</numerusform>
        </translation>
    </message>
    <message>
        <source>This invitation reaches the host only through an XMPP server. Set up your XMPP account in the Settings window, then join again.</source>
        <translation>Diese Einladung erreicht den Gastgeber nur über einen XMPP-Server. Richte dein XMPP-Konto im Fenster Einstellungen ein und tritt dann erneut bei.</translation>
    </message>
</context>
<context>
    <name>UserStore</name>
    <message>
        <source>a folder stands where the file should be</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>an Stelle der Datei steht ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>ihr Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>its folder is read-only</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>ihr Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>sie konnte nicht geschrieben werden</translation>
    </message>
    <message numerus="yes">
        <source>its lock file %1 could not be taken within %n seconds</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;. The lock file is the settings file&apos;s name with &quot;.lock&quot; added; another copy of the game holds it while it writes.</extracomment>
        <translation>
            <numerusform>ihre Sperrdatei %1 ließ sich nicht innerhalb von %n Sekunde belegen</numerusform>
            <numerusform>ihre Sperrdatei %1 ließ sich nicht innerhalb von %n Sekunden belegen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowPlace</name>
    <message>
        <source>The window&apos;s size and place could not be stored in %1: %2.</source>
        <extracomment>%1 is the settings file, %2 why it could not be written (&quot;the file is read-only&quot;).</extracomment>
        <translation>Größe und Lage des Fensters konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>XmppAccount</name>
    <message>
        <source>The XMPP server turned down the address %1 with its password. Check them in Settings.</source>
        <translation>Der XMPP-Server hat die Adresse %1 mit ihrem Passwort abgelehnt. Prüfe beides in den Einstellungen.</translation>
    </message>
    <message>
        <source>The XMPP server of %1 cannot be reached. The game goes on, and this copy keeps trying to sign in.</source>
        <translation>Der XMPP-Server von %1 ist nicht erreichbar. Das Spiel geht weiter, und dieses Exemplar versucht weiter, sich anzumelden.</translation>
    </message>
    <message>
        <source>The XMPP server of %1 offers no secure connection this computer trusts, so this copy did not sign in.</source>
        <translation>Der XMPP-Server von %1 bietet keine sichere Verbindung, der dieser Computer vertraut; daher hat sich dieses Exemplar nicht angemeldet.</translation>
    </message>
    <message>
        <source>The XMPP server does not let accounts be made from the game. Make one on the server&apos;s web site, or ask its administrator.</source>
        <translation>Der XMPP-Server erlaubt nicht, Konten aus dem Spiel heraus zu erstellen. Erstelle eines auf der Website des Servers oder frage seinen Betreiber.</translation>
    </message>
    <message>
        <source>The address %1 is taken already. Choose another name.</source>
        <translation>Die Adresse %1 ist schon vergeben. Wähle einen anderen Namen.</translation>
    </message>
    <message>
        <source>%1 is not an XMPP address. An address looks like name@example.org.</source>
        <translation>%1 ist keine XMPP-Adresse. Eine Adresse sieht so aus: name@example.org.</translation>
    </message>
    <message>
        <source>Password of the XMPP account %1:</source>
        <extracomment>The label over the box where the player types the password of an XMPP account; %1 is its address.</extracomment>
        <translation>Passwort des XMPP-Kontos %1:</translation>
    </message>
</context>
<context>
    <name>vantry::FileMenu</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über Vantry</translation>
    </message>
    <message>
        <source>Se&amp;ttings...</source>
        <extracomment>The File menu&apos;s entry that opens the Settings window; its letter is used by no other entry.</extracomment>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Game &amp;Log</source>
        <extracomment>Opens the window with the game&apos;s log, the race chart and the players&apos; statistics.</extracomment>
        <translation>Spiel&amp;protokoll</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Join Game...</source>
        <extracomment>Asks for an invitation from a player on another computer and joins that player&apos;s game.</extracomment>
        <translation>Spiel bei&amp;treten...</translation>
    </message>
    <message>
        <source>&amp;Invite Players...</source>
        <extracomment>Opens the window that gives seats to players on other computers and shows their invitations.</extracomment>
        <translation>Spieler ein&amp;laden...</translation>
    </message>
</context>
<context>
    <name>vantry::QtPrompter</name>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>vantry::RaceChart</name>
    <message>
        <source>Race chart</source>
        <extracomment>What a screen reader calls the chart of every seat&apos;s square after each move.</extracomment>
        <translation>Diagramm des Wettlaufs</translation>
    </message>
    <message>
        <source>No counter has moved yet.</source>
        <translation>Noch hat sich keine Spielfigur bewegt.</translation>
    </message>
    <message numerus="yes">
        <source>%1 has won, %n squares ahead of %2.</source>
        <translation>
            <numerusform>%1 hat gewonnen, %n Feld vor %2.</numerusform>
            <numerusform>%1 hat gewonnen, %n Felder vor %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has won.</source>
        <translation>%1 hat gewonnen.</translation>
    </message>
    <message numerus="yes">
        <source>%1 leads on square %2, %n squares ahead of %3.</source>
        <translation>
            <numerusform>%1 führt auf Feld %2, %n Feld vor %3.</numerusform>
            <numerusform>%1 führt auf Feld %2, %n Felder vor %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other players share the lead on square %2.</source>
        <translation>
            <numerusform>%1 und %n weiterer Spieler teilen sich die Führung auf Feld %2.</numerusform>
            <numerusform>%1 und %n weitere Spieler teilen sich die Führung auf Feld %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantry::StatisticsPane</name>
    <message>
        <source>Players&apos; statistics</source>
        <extracomment>What a screen reader calls the table of every player&apos;s figures.</extracomment>
        <translation>Statistik der Spieler</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Column heading: the player&apos;s name.</extracomment>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Games</source>
        <extracomment>Column heading: how many games the player finished.</extracomment>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Column heading: how many games the player won.</extracomment>
        <translation>Siege</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <extracomment>Column heading: the fewest moves the player needed for a win.</extracomment>
        <translation>Wenigste Züge</translation>
    </message>
    <message>
        <source>Average moves</source>
        <extracomment>Column heading: the average moves of the player&apos;s wins.</extracomment>
        <translation>Züge im Schnitt</translation>
    </message>
    <message>
        <source>Ladders</source>
        <extracomment>Column heading: how many ladders the player climbed.</extracomment>
        <translation>Leitern</translation>
    </message>
    <message>
        <source>Snakes</source>
        <extracomment>Column heading: how many snakes the player met.</extracomment>
        <translation>Schlangen</translation>
    </message>
    <message>
        <source>No game has been finished yet.</source>
        <translation>Noch wurde kein Spiel zu Ende gespielt.</translation>
    </message>
    <message>
        <source>Clear S&amp;tatistics...</source>
        <extracomment>Button: removes every player&apos;s statistics, after asking.</extracomment>
        <translation>Statistik &amp;löschen...</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n games finished, no wins, ladders: %2, snakes: %3</source>
        <translation>
            <numerusform>%1: %n Spiel beendet, keine Siege, Leitern: %2, Schlangen: %3</numerusform>
            <numerusform>%1: %n Spiele beendet, keine Siege, Leitern: %2, Schlangen: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n games finished, wins: %2, fewest moves: %3, average moves: %4, ladders: %5, snakes: %6</source>
        <translation>
            <numerusform>%1: %n Spiel beendet, Siege: %2, wenigste Züge: %3, Züge im Schnitt: %4, Leitern: %5, Schlangen: %6</numerusform>
            <numerusform>%1: %n Spiele beendet, Siege: %2, wenigste Züge: %3, Züge im Schnitt: %4, Leitern: %5, Schlangen: %6</numerusform>
        </translation>
    </message>
    <message>
        <source>Do you want to clear the statistics of every player?</source>
        <translation>Möchtest du die Statistik aller Spieler löschen?</translation>
    </message>
</context>
<context>
    <name>vantry::frmAbout</name>
    <message>
        <source>Written by</source>
        <translation>Geschrieben von</translation>
    </message>
    <message>
        <source>Griphics:</source>
        <translation>Grafik:</translation>
    </message>
    <message>
        <source>This copy is licensed to:</source>
        <translation>Lizenziert für:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Published by</source>
        <translation>Herausgegeben von</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>3rd Edition</source>
        <translation>3. Ausgabe</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>E-Mail: %1</translation>
    </message>
    <message>
        <source>W-site: %1</source>
        <translation>Website: %1</translation>
    </message>
    <message>
        <source>Vantry - About</source>
        <translation>Vantry - Über</translation>
    </message>
</context>
<context>
    <name>vantry::frmInvite</name>
    <message>
        <source>Vantry - Invite Players</source>
        <translation>Vantry - Spieler einladen</translation>
    </message>
    <message>
        <source>Each seat ticked here is played from another computer. Send its player the invitation beside it; the last one lets someone watch the game.</source>
        <translation>Jeder hier angekreuzte Platz wird von einem anderen Computer aus gespielt. Schick seinem Spieler die Einladung daneben; mit der letzten kann jemand dem Spiel zusehen.</translation>
    </message>
    <message>
        <source>%1 plays from another computer</source>
        <extracomment>A seat&apos;s tick box in the invitations window; %1 is the seat&apos;s name as on the board.</extracomment>
        <translation>%1 spielt an einem anderen Computer</translation>
    </message>
    <message>
        <source>Invitation for %1</source>
        <extracomment>The accessible name of the box holding a seat&apos;s invitation; %1 is the seat&apos;s name.</extracomment>
        <translation>Einladung für %1</translation>
    </message>
    <message>
        <source>To watch:</source>
        <extracomment>The label before the invitation that lets someone watch the game without playing.</extracomment>
        <translation>Zum Zusehen:</translation>
    </message>
    <message>
        <source>Invitation to watch</source>
        <translation>Einladung zum Zusehen</translation>
    </message>
    <message>
        <source>The game could not be hosted: this computer could not open a network port for it.</source>
        <translation>Dieser Computer kann das Spiel nicht als Gastgeber anbieten: Er konnte keinen Netzwerkport dafür öffnen.</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Copies an invitation to the clipboard, to paste it into a mail or a chat.</extracomment>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>vantry::frmLog</name>
    <message>
        <source>Vantry - Game Log</source>
        <translation>Vantry - Spielprotokoll</translation>
    </message>
    <message>
        <source>Game log</source>
        <extracomment>What a screen reader calls the list of the game&apos;s events.</extracomment>
        <translation>Spielprotokoll</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <extracomment>The tab of the game log window that lists every event of the game.</extracomment>
        <translation>&amp;Protokoll</translation>
    </message>
    <message>
        <source>&amp;Race</source>
        <extracomment>The tab of the game log window with the chart of the race.</extracomment>
        <translation>&amp;Wettlauf</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <extracomment>The tab of the game log window with every player&apos;s statistics.</extracomment>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <extracomment>Button: copies every line of the game log to the clipboard.</extracomment>
        <translation>Alles &amp;kopieren</translation>
    </message>
    <message>
        <source>Copies every line of the log as text.</source>
        <translation>Kopiert jede Zeile des Protokolls als Text.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: closes the game log window.</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>S&amp;ay:</source>
        <extracomment>The label in front of the box where a player types a line of chat to everyone at the table.</extracomment>
        <translation>S&amp;agen:</translation>
    </message>
    <message>
        <source>Chat to everyone at the table</source>
        <extracomment>The screen reader&apos;s name for the box where a player types a line of chat.</extracomment>
        <translation>Nachricht an alle am Tisch</translation>
    </message>
    <message>
        <source>Enter sends the line to every player and watcher of the game.</source>
        <translation>Eingabe schickt die Zeile an alle Spieler und Zuschauer des Spiels.</translation>
    </message>
</context>
<context>
    <name>vantry::frmMain</name>
    <message>
        <source>%1 Wins!</source>
        <translation>%1 gewinnt!</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line of the standings after a win: %1 a player&apos;s name, %2 the square its counter stands on.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>vantry::frmNew</name>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>The computer plays this seat</source>
        <translation>Der Computer spielt auf diesem Platz</translation>
    </message>
    <message>
        <source>A person plays this seat</source>
        <translation>Ein Mensch spielt auf diesem Platz</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Auslosen</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Vantry - New Game</source>
        <translation>Vantry - Neues Spiel</translation>
    </message>
    <message>
        <source>Red seat: computer</source>
        <translation>Roter Platz: Computer</translation>
    </message>
    <message>
        <source>Blue seat: computer</source>
        <translation>Blauer Platz: Computer</translation>
    </message>
    <message>
        <source>Yellow seat: computer</source>
        <translation>Gelber Platz: Computer</translation>
    </message>
    <message>
        <source>Green seat: computer</source>
        <translation>Grüner Platz: Computer</translation>
    </message>
    <message>
        <source>Red seat: person</source>
        <translation>Roter Platz: Mensch</translation>
    </message>
    <message>
        <source>Blue seat: person</source>
        <translation>Blauer Platz: Mensch</translation>
    </message>
    <message>
        <source>Yellow seat: person</source>
        <translation>Gelber Platz: Mensch</translation>
    </message>
    <message>
        <source>Green seat: person</source>
        <translation>Grüner Platz: Mensch</translation>
    </message>
    <message>
        <source>Red seat name</source>
        <translation>Name des roten Platzes</translation>
    </message>
    <message>
        <source>Blue seat name</source>
        <translation>Name des blauen Platzes</translation>
    </message>
    <message>
        <source>Yellow seat name</source>
        <translation>Name des gelben Platzes</translation>
    </message>
    <message>
        <source>Green seat name</source>
        <translation>Name des grünen Platzes</translation>
    </message>
    <message>
        <source>Red seat: a player on another computer</source>
        <translation>Roter Platz: Mensch an einem anderen Computer</translation>
    </message>
    <message>
        <source>Blue seat: a player on another computer</source>
        <translation>Blauer Platz: Mensch an einem anderen Computer</translation>
    </message>
    <message>
        <source>Yellow seat: a player on another computer</source>
        <translation>Gelber Platz: Mensch an einem anderen Computer</translation>
    </message>
    <message>
        <source>Green seat: a player on another computer</source>
        <translation>Grüner Platz: Mensch an einem anderen Computer</translation>
    </message>
    <message>
        <source>On another &amp;computer</source>
        <extracomment>A check box in each seat&apos;s group of the new-game dialog; ticked, a person on another computer plays the seat.</extracomment>
        <translation>An anderem &amp;Computer</translation>
    </message>
    <message>
        <source>A player on another computer plays this seat. Starting the game hosts it and shows the invitation to send.</source>
        <translation>Ein Mensch an einem anderen Computer spielt diesen Platz. Beim Start stellt das Spiel ihn bereit und zeigt die Einladung zum Verschicken.</translation>
    </message>
</context>
<context>
    <name>vantry::frmRec</name>
    <message>
        <source>P</source>
        <comment>heading of the places column</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Vantry - Best Players</source>
        <translation>Vantry - Bestenliste</translation>
    </message>
    <message>
        <source>The best players could not be stored in %1: %2.</source>
        <extracomment>%1 is the settings file, %2 why it could not be written (&quot;the file is read-only&quot;).</extracomment>
        <translation>Die Bestenliste konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>%1, %2, moves: %3</source>
        <extracomment>A row of the best players read aloud: %1 the place (1 to 10), %2 the name, %3 the count as stored.</extracomment>
        <translation>%1, %2, Züge: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %n moves</source>
        <extracomment>A row of the best players read aloud: %1 the place (1 to 10), %2 the name, %n the moves.</extracomment>
        <translation>
            <numerusform>%1, %2, %n Zug</numerusform>
            <numerusform>%1, %2, %n Züge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 Moves = %n</source>
        <extracomment>The winner&apos;s result: %1 the winner&apos;s name, %n the moves of the game.</extracomment>
        <translation>
            <numerusform>%1 – %n Zug</numerusform>
            <numerusform>%1 – %n Züge</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantry::frmSettings</name>
    <message>
        <source>Vantry - Settings</source>
        <translation>Vantry - Einstellungen</translation>
    </message>
    <message>
        <source>Show each seat&apos;s &amp;mark on its counter and name</source>
        <translation>&amp;Zeichen jedes Platzes auf seiner Spielfigur und seinem Namen zeigen</translation>
    </message>
    <message>
        <source>Counters &amp;travel square by square and the die rolls</source>
        <translation>Spielfiguren &amp;wandern Feld für Feld und der Würfel rollt</translation>
    </message>
    <message>
        <source>Computer&apos;s &amp;pace:</source>
        <extracomment>Label of the list of paces at which the computer&apos;s seats throw and move.</extracomment>
        <translation>&amp;Tempo des Computers:</translation>
    </message>
    <message>
        <source>Relaxed (a step a second)</source>
        <extracomment>A pace of the computer&apos;s seats: one step (a throw or a move) a second.</extracomment>
        <translation>Gemächlich (ein Schritt pro Sekunde)</translation>
    </message>
    <message>
        <source>As designed (a step every half second)</source>
        <extracomment>A pace of the computer&apos;s seats: the game&apos;s own, one step every half second.</extracomment>
        <translation>Wie vorgesehen (jede halbe Sekunde ein Schritt)</translation>
    </message>
    <message>
        <source>Brisk (four steps a second)</source>
        <extracomment>A pace of the computer&apos;s seats: four steps a second.</extracomment>
        <translation>Zügig (vier Schritte pro Sekunde)</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Klänge</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Lautstärke:</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>The volume as a percentage; %1 is a whole number from 0 to 100.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <extracomment>The first choice of the language list: whichever language the desktop is set to.</extracomment>
        <translation>Sprache des Systems</translation>
    </message>
    <message>
        <source>A new language is used from the next start of Vantry.</source>
        <translation>Eine neue Sprache gilt ab dem nächsten Start von Vantry.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Your settings could not be stored in %1: %2. They hold until Vantry is closed.</source>
        <translation>Deine Einstellungen konnten nicht in %1 gespeichert werden: %2. Sie gelten, bis Vantry beendet wird.</translation>
    </message>
    <message>
        <source>Playing through an XMPP server</source>
        <extracomment>The heading over the XMPP account&apos;s boxes in the Settings window.</extracomment>
        <translation>Spielen über einen XMPP-Server</translation>
    </message>
    <message>
        <source>XMPP &amp;address:</source>
        <extracomment>The box of the player&apos;s XMPP address, such as name@example.org.</extracomment>
        <translation>XMPP-&amp;Adresse:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>Se&amp;rver:</source>
        <extracomment>The box of where the XMPP server listens, needed only when its address does not say.</extracomment>
        <translation>Se&amp;rver:</translation>
    </message>
    <message>
        <source>Found from the address</source>
        <extracomment>Shown in the empty server box: the server is found from the XMPP address.</extracomment>
        <translation>Aus der Adresse ermittelt</translation>
    </message>
    <message>
        <source>Cr&amp;eate Account</source>
        <translation>Konto &amp;erstellen</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s keyring.</source>
        <translation>Das Passwort wird im Schlüsselbund der Arbeitsumgebung aufbewahrt.</translation>
    </message>
    <message>
        <source>The account %1 was made.</source>
        <extracomment>%1 is the XMPP address just made on its server.</extracomment>
        <translation>Das Konto %1 wurde erstellt.</translation>
    </message>
    <message>
        <source>A hosted game then also opens a port, for players who can reach this computer, such as those at home. Unticked, a game hosted with the account opens no port, and every player joins through the server.</source>
        <translation>Ein bereitgestelltes Spiel öffnet dann auch einen Port, für Spieler, die diesen Computer erreichen können, etwa im selben Haushalt. Ohne Haken öffnet ein mit dem Konto bereitgestelltes Spiel keinen Port, und alle treten über den Server bei.</translation>
    </message>
    <message>
        <source>Also let players reach this computer &amp;directly</source>
        <translation>Spieler können diesen Computer auch &amp;direkt erreichen</translation>
    </message>
</context>
</TS>
