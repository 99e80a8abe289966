<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AboutValues</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>red</source>
        <translation>rood</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blauw</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>geel</translation>
    </message>
    <message>
        <source>green</source>
        <translation>groen</translation>
    </message>
    <message>
        <source>%1&apos;s turn, computer</source>
        <translation>%1 is aan de beurt, computer</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>%1 is aan de beurt</translation>
    </message>
    <message>
        <source>%1 throws %2</source>
        <translation>%1 gooit %2</translation>
    </message>
    <message>
        <source>%1 moves from the start to %2</source>
        <extracomment>%1 is a player&apos;s name; %2 a square of the board.</extracomment>
        <translation>%1 gaat van de start naar %2</translation>
    </message>
    <message>
        <source>%1 moves from %2 to %3</source>
        <extracomment>%1 is a player&apos;s name; %2 and %3 squares of the board.</extracomment>
        <translation>%1 gaat van %2 naar %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 wins in %n moves</source>
        <translation>
            <numerusform>%1 wint in %n zet</numerusform>
            <numerusform>%1 wint in %n zetten</numerusform>
        </translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 geopend</translation>
    </message>
    <message>
        <source>computer</source>
        <extracomment>Who plays a seat, said after its name and colour in the reading of the board.</extracomment>
        <translation>computer</translation>
    </message>
    <message>
        <source>person</source>
        <extracomment>Who plays a seat, said after its name and colour: a human player, not &quot;nobody&quot;.</extracomment>
        <translation>mens</translation>
    </message>
    <message>
        <source>%1, %2, %3, at the start</source>
        <translation>%1, %2, %3, op de start</translation>
    </message>
    <message>
        <source>%1, %2, %3, on square %4</source>
        <translation>%1, %2, %3, op vakje %4</translation>
    </message>
    <message>
        <source>%1 has won</source>
        <translation>%1 heeft gewonnen</translation>
    </message>
    <message>
        <source>%1 moves from the start to %2, ladder up to %3</source>
        <extracomment>%1 is a player&apos;s name; %2 the square the throw reached, the foot of a ladder; %3 its top.</extracomment>
        <translation>%1 gaat van de start naar %2 en klimt via de ladder naar %3</translation>
    </message>
    <message>
        <source>%1 moves from %2 to %3, ladder up to %4</source>
        <extracomment>%1 is a player&apos;s name; %2 and %3 squares; %4 the top of the ladder on square %3.</extracomment>
        <translation>%1 gaat van %2 naar %3 en klimt via de ladder naar %4</translation>
    </message>
    <message>
        <source>%1 moves from the start to %2, snake down to %3</source>
        <extracomment>%1 is a player&apos;s name; %2 the square the throw reached, a snake&apos;s head; %3 its tail.</extracomment>
        <translation>%1 gaat van de start naar %2 en glijdt via de slang naar %3</translation>
    </message>
    <message>
        <source>%1 moves from %2 to %3, snake down to %4</source>
        <extracomment>%1 is a player&apos;s name; %2 and %3 squares; %4 the tail of the snake on square %3.</extracomment>
        <translation>%1 gaat van %2 naar %3 en glijdt via de slang naar %4</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Invitation:</source>
        <extracomment>The label over the box where a player pastes an invitation, a vantry:// link.</extracomment>
        <translation>Uitnodiging:</translation>
    </message>
    <message>
        <source>This copy of the game cannot play across computers: its network module is missing.</source>
        <translation>Deze kopie van het spel kan niet over meerdere computers spelen: de netwerkmodule ontbreekt.</translation>
    </message>
    <message>
        <source>This desktop has no keyring to keep the password in, so the game asks for it each time it signs in.</source>
        <translation>Dit bureaublad heeft geen sleutelbos om het wachtwoord in te bewaren, dus vraagt het spel er bij elke aanmelding om.</translation>
    </message>
</context>
<context>
    <name>BoardDescriptions</name>
    <message>
        <source>Go</source>
        <extracomment>The name a screen reader gives the button that moves the counter thrown for; its caption on the board.</extracomment>
        <translation>Ga</translation>
    </message>
    <message>
        <source>File menu</source>
        <translation>Menu Bestand</translation>
    </message>
    <message>
        <source>computer</source>
        <extracomment>Said of a name on the board after the name and colour: the computer plays this seat.</extracomment>
        <translation>computer</translation>
    </message>
    <message>
        <source>winner</source>
        <extracomment>Said of a name on the board after the name and colour: this seat has won.</extracomment>
        <translation>winnaar</translation>
    </message>
    <message>
        <source>to play</source>
        <extracomment>Said of a name on the board after the name and colour: this seat is on turn.</extracomment>
        <translation>aan de beurt</translation>
    </message>
    <message>
        <source>Red counter at the start</source>
        <translation>Rode pion op de start</translation>
    </message>
    <message>
        <source>Blue counter at the start</source>
        <translation>Blauwe pion op de start</translation>
    </message>
    <message>
        <source>Yellow counter at the start</source>
        <translation>Gele pion op de start</translation>
    </message>
    <message>
        <source>Green counter at the start</source>
        <translation>Groene pion op de start</translation>
    </message>
    <message>
        <source>Red counter on square %1</source>
        <translation>Rode pion op vakje %1</translation>
    </message>
    <message>
        <source>Blue counter on square %1</source>
        <translation>Blauwe pion op vakje %1</translation>
    </message>
    <message>
        <source>Yellow counter on square %1</source>
        <translation>Gele pion op vakje %1</translation>
    </message>
    <message>
        <source>Green counter on square %1</source>
        <translation>Groene pion op vakje %1</translation>
    </message>
    <message>
        <source>Move the red counter</source>
        <translation>Verzet de rode pion</translation>
    </message>
    <message>
        <source>Move the blue counter</source>
        <translation>Verzet de blauwe pion</translation>
    </message>
    <message>
        <source>Move the yellow counter</source>
        <translation>Verzet de gele pion</translation>
    </message>
    <message>
        <source>Move the green counter</source>
        <translation>Verzet de groene pion</translation>
    </message>
    <message>
        <source>Die, click to throw</source>
        <translation>Dobbelsteen, klik om te gooien</translation>
    </message>
    <message>
        <source>Die, showing %1</source>
        <translation>Dobbelsteen, toont %1</translation>
    </message>
    <message>
        <source>on another computer</source>
        <extracomment>Said of a name on the board after the name and colour: a player on another computer plays it.</extracomment>
        <translation>op een andere computer</translation>
    </message>
    <message>
        <source>away</source>
        <extracomment>Said of a name on the board: the other computer that plays this seat has lost its connection.</extracomment>
        <translation>afwezig</translation>
    </message>
</context>
<context>
    <name>BoardWidgets</name>
    <message>
        <source>Go</source>
        <extracomment>The caption of the board&apos;s button that moves the counter after a throw; 41 pixels wide.</extracomment>
        <translation>Ga</translation>
    </message>
    <message>
        <source>Click</source>
        <extracomment>The caption on the die before the first throw, asking to click it; it must fit the small face.</extracomment>
        <translation>Klik</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>the word on the File menu&apos;s button</comment>
        <translation>BESTAND</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>vantry: unknown option &apos;%1&apos;
Try &apos;vantry --help&apos; for more information.</source>
        <translation>vantry: onbekende optie ‘%1’
Probeer ‘vantry --help’ voor meer informatie.</translation>
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
        <translation>Gebruik: vantry [BESTAND]
Speelt Vantry, een race langs ladders en slangen voor maximaal vier spelers.
Met BESTAND wordt dat opgeslagen spel (een .vty-bestand) geopend en verder
gespeeld; zonder begint het met het venster voor een nieuw spel.

  -h, --help     deze hulp tonen en afsluiten
      --version  de versie tonen en afsluiten
      --         elk volgend argument als deel van BESTAND nemen

Een BESTAND in meerdere argumenten wordt met enkele spaties weer samengevoegd.
Met VANTRY_NO_TRAVEL=1 in de omgeving springen de pionnen naar hun vakje in
plaats van erheen te lopen.

Op het bord: Spatie gooit; Enter zet, of drukt op het element met de focus;
Tab gaat van de dobbelsteen naar de pionnen, Ga en BESTAND; B leest het hele
bord voor via een schermlezer.
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
De instellingen (in het menu Bestand, of Ctrl+komma op het bord) zetten de
markeringen van de plaatsen, het lopen van de pionnen en het geluid aan of uit
en bepalen het tempo van de computer, het volume en de taal; ze blijven bewaard
voor de volgende start. VANTRY_NO_TRAVEL=1 zet het lopen altijd uit.
</translation>
    </message>
    <message>
        <source>F11 shows the board on the whole screen, and Escape leaves it.
</source>
        <translation>F11 toont het bord schermvullend en Esc keert daarvan terug.
</translation>
    </message>
    <message>
        <source>vantry: the game could not be hosted</source>
        <translation>vantry: het spel kon niet worden gehost</translation>
    </message>
    <message>
        <source>vantry: --host needs the saved game to host
Try &apos;vantry --help&apos; for more information.</source>
        <translation>vantry: --host heeft het opgeslagen spel nodig dat gehost moet worden
Probeer ‘vantry --help’ voor meer informatie.</translation>
    </message>
    <message>
        <source>--host FILE hosts it and prints the invitations; vantry://... joins one.
</source>
        <translation>--host BESTAND host het spel en toont de uitnodigingen; vantry://... doet mee.
</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Vantry - Untitled</source>
        <translation>Vantry - Naamloos</translation>
    </message>
    <message>
        <source>Vantry Game Files (*.vty)</source>
        <translation>Opgeslagen Vantry-spellen (*.vty)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Bestand openen</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Bestand opslaan</translation>
    </message>
    <message>
        <source>The game could not be opened from &quot;%1&quot;.

%2</source>
        <translation>Het spel in ‘%1’ kon niet worden geopend.

%2</translation>
    </message>
    <message>
        <source>Do you want to save your game?</source>
        <translation>Wil je je spel opslaan?</translation>
    </message>
    <message>
        <source>Do you want to save changes on your game?</source>
        <translation>Wil je de wijzigingen in je spel opslaan?</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;.

%2</source>
        <translation>Het spel kon niet worden opgeslagen in ‘%1’.

%2</translation>
    </message>
</context>
<context>
    <name>GuestTable</name>
    <message>
        <source>This seat is already played from another computer.</source>
        <translation>Op deze plaats wordt al vanaf een andere computer gespeeld.</translation>
    </message>
    <message>
        <source>The host has no room for another player or watcher.</source>
        <translation>De host heeft geen ruimte meer voor nog een speler of toeschouwer.</translation>
    </message>
    <message>
        <source>This is not an invitation to a game. An invitation begins with vantry:// and works only when it is copied whole, without a character changed.</source>
        <translation>Dit is geen uitnodiging voor een spel. Een uitnodiging begint met vantry:// en werkt alleen als ze in haar geheel wordt gekopieerd, zonder dat er één teken is veranderd.</translation>
    </message>
    <message>
        <source>The host has stopped hosting the game. The game stays on the board, and you can save it.</source>
        <translation>De host is gestopt met het hosten van het spel. Het spel blijft op het bord staan en je kunt het opslaan.</translation>
    </message>
    <message>
        <source>The host has ended the game. The game stays on the board, and you can save it.</source>
        <translation>De host heeft het spel beëindigd. Het spel blijft op het bord staan en je kunt het opslaan.</translation>
    </message>
    <message>
        <source>The host speaks version %1 of the game&apos;s network protocol and this copy speaks version %2, so they cannot play together. Both players need the same version of the game.</source>
        <extracomment>%1 and %2 are version numbers of the way two copies of the game talk over the network.</extracomment>
        <translation>De host spreekt versie %1 van het netwerkprotocol van het spel en dit exemplaar versie %2, dus ze kunnen niet samen spelen. Beide spelers hebben dezelfde versie van het spel nodig.</translation>
    </message>
    <message>
        <source>The invitation opens no seat of this game: it was changed, or the host has taken the seat back. Ask the host for a new invitation.</source>
        <translation>De uitnodiging opent geen plaats in dit spel: ze is veranderd, of de host heeft de plaats teruggenomen. Vraag de host om een nieuwe uitnodiging.</translation>
    </message>
    <message>
        <source>The computer that answered is not the host that sent the invitation, so this copy did not join.</source>
        <translation>De computer die antwoordde, is niet de host die de uitnodiging stuurde; daarom neemt dit exemplaar niet deel aan het spel.</translation>
    </message>
</context>
<context>
    <name>HostTable</name>
    <message>
        <source>%1 has been away for a minute. Shall the computer play for %1 until %1 is back?</source>
        <translation>%1 is al een minuut weg. Zal de computer voor %1 spelen tot %1 terug is?</translation>
    </message>
</context>
<context>
    <name>NewGameSetup</name>
    <message>
        <source>Select</source>
        <extracomment>The prompt in a computer seat&apos;s name list until a name is chosen from it.</extracomment>
        <translation>Kiezen</translation>
    </message>
    <message>
        <source>Please Select the Name!</source>
        <translation>Kies de naam alsjeblieft!</translation>
    </message>
    <message>
        <source>Please type the Name!</source>
        <translation>Typ de naam alsjeblieft!</translation>
    </message>
    <message>
        <source>A name cannot begin with a double quote (&quot;).</source>
        <translation>Een naam mag niet met een dubbel aanhalingsteken (&quot;) beginnen.</translation>
    </message>
    <message>
        <source>A name with a comma or a leading blank cannot also hold a double quote (&quot;).</source>
        <translation>Een naam met een komma of een spatie aan het begin mag niet ook een dubbel aanhalingsteken (&quot;) bevatten.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>It ends after %1 of the %2 fields of a saved game.</source>
        <translation>Het bestand eindigt na %1 van de %2 velden van een opgeslagen spel.</translation>
    </message>
    <message>
        <source>It is larger than 1 MiB, so it is not a saved game.</source>
        <translation>Het bestand is groter dan 1 MiB, dus het is geen opgeslagen spel.</translation>
    </message>
    <message>
        <source>It is a directory, not a regular file.</source>
        <translation>Het is een map, geen gewoon bestand.</translation>
    </message>
    <message>
        <source>It is a named pipe, not a regular file.</source>
        <translation>Het is een named pipe, geen gewoon bestand.</translation>
    </message>
    <message>
        <source>It is a device, not a regular file.</source>
        <translation>Het is een apparaat, geen gewoon bestand.</translation>
    </message>
    <message>
        <source>It is a socket, not a regular file.</source>
        <translation>Het is een socket, geen gewoon bestand.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Het is geen gewoon bestand.</translation>
    </message>
</context>
<context>
    <name>SaveRecord</name>
    <message>
        <source>The kind of the Red seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>Het type van de rode plaats is ‘%1’, maar dat moet True, False of een getal zijn.</translation>
    </message>
    <message>
        <source>The move count of Red is %1, but it must be from %2 to %3.</source>
        <translation>Het aantal zetten van rood is %1, maar dat moet van %2 tot en met %3 zijn.</translation>
    </message>
    <message>
        <source>The square of Red is %1, but the board has squares 1 to 100.</source>
        <translation>Het vakje van rood is %1, maar het bord heeft de vakjes 1 tot en met 100.</translation>
    </message>
    <message>
        <source>The move count of Red reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Het aantal zetten van rood is ‘%1’, en dat is geen geheel getal van -32768 tot en met 32767.</translation>
    </message>
    <message>
        <source>The square of Red reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Het vakje van rood is ‘%1’, en dat is geen geheel getal van -32768 tot en met 32767.</translation>
    </message>
    <message>
        <source>The kind of the Blue seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>Het type van de blauwe plaats is ‘%1’, maar dat moet True, False of een getal zijn.</translation>
    </message>
    <message>
        <source>The move count of Blue is %1, but it must be from %2 to %3.</source>
        <translation>Het aantal zetten van blauw is %1, maar dat moet van %2 tot en met %3 zijn.</translation>
    </message>
    <message>
        <source>The square of Blue is %1, but the board has squares 1 to 100.</source>
        <translation>Het vakje van blauw is %1, maar het bord heeft de vakjes 1 tot en met 100.</translation>
    </message>
    <message>
        <source>The move count of Blue reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Het aantal zetten van blauw is ‘%1’, en dat is geen geheel getal van -32768 tot en met 32767.</translation>
    </message>
    <message>
        <source>The square of Blue reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Het vakje van blauw is ‘%1’, en dat is geen geheel getal van -32768 tot en met 32767.</translation>
    </message>
    <message>
        <source>The kind of the Yellow seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>Het type van de gele plaats is ‘%1’, maar dat moet True, False of een getal zijn.</translation>
    </message>
    <message>
        <source>The move count of Yellow is %1, but it must be from %2 to %3.</source>
        <translation>Het aantal zetten van geel is %1, maar dat moet van %2 tot en met %3 zijn.</translation>
    </message>
    <message>
        <source>The square of Yellow is %1, but the board has squares 1 to 100.</source>
        <translation>Het vakje van geel is %1, maar het bord heeft de vakjes 1 tot en met 100.</translation>
    </message>
    <message>
        <source>The move count of Yellow reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Het aantal zetten van geel is ‘%1’, en dat is geen geheel getal van -32768 tot en met 32767.</translation>
    </message>
    <message>
        <source>The square of Yellow reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Het vakje van geel is ‘%1’, en dat is geen geheel getal van -32768 tot en met 32767.</translation>
    </message>
    <message>
        <source>The kind of the Green seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>Het type van de groene plaats is ‘%1’, maar dat moet True, False of een getal zijn.</translation>
    </message>
    <message>
        <source>The move count of Green is %1, but it must be from %2 to %3.</source>
        <translation>Het aantal zetten van groen is %1, maar dat moet van %2 tot en met %3 zijn.</translation>
    </message>
    <message>
        <source>The square of Green is %1, but the board has squares 1 to 100.</source>
        <translation>Het vakje van groen is %1, maar het bord heeft de vakjes 1 tot en met 100.</translation>
    </message>
    <message>
        <source>The move count of Green reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Het aantal zetten van groen is ‘%1’, en dat is geen geheel getal van -32768 tot en met 32767.</translation>
    </message>
    <message>
        <source>The square of Green reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Het vakje van groen is ‘%1’, en dat is geen geheel getal van -32768 tot en met 32767.</translation>
    </message>
    <message>
        <source>The player on turn reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>De speler aan de beurt is ‘%1’, en dat is geen geheel getal van -32768 tot en met 32767.</translation>
    </message>
    <message>
        <source>The player on turn is %1, but it must be from %2 to %3.</source>
        <translation>De speler aan de beurt is %1, maar dat moet van %2 tot en met %3 zijn.</translation>
    </message>
</context>
<context>
    <name>StatisticsKeeper</name>
    <message>
        <source>The players&apos; statistics could not be stored in %1: %2.</source>
        <translation>De statistieken van de spelers konden niet worden opgeslagen in %1: %2.</translation>
    </message>
</context>
<context>
    <name>TableNews</name>
    <message>
        <source>The connection to the host is lost. This copy keeps trying to reach it</source>
        <translation>De verbinding met de host is verbroken. Deze kopie blijft proberen hem te bereiken</translation>
    </message>
    <message>
        <source>This copy is back at the host&apos;s game</source>
        <translation>Deze kopie is terug in het spel van de host</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>The host</source>
        <extracomment>Who wrote a line of chat: the computer that hosts the game.</extracomment>
        <translation>De host</translation>
    </message>
    <message>
        <source>A watcher</source>
        <extracomment>Who wrote a line of chat: someone who watches the game and plays no seat.</extracomment>
        <translation>Een toeschouwer</translation>
    </message>
    <message>
        <source>%1 says: %2</source>
        <extracomment>A line of chat in the game log and as the screen reader says it: %1 is who wrote it, %2 the line.</extracomment>
        <translation>%1 zegt: %2</translation>
    </message>
    <message>
        <source>%1 has lost the connection to the game</source>
        <translation>%1 heeft de verbinding met het spel verloren</translation>
    </message>
    <message>
        <source>%1 is back in the game</source>
        <translation>%1 is terug in het spel</translation>
    </message>
    <message numerus="yes">
        <source>A watcher has joined: %n watching the game</source>
        <translation>
            <numerusform>Er is een toeschouwer bijgekomen: %n persoon kijkt naar het spel</numerusform>
            <numerusform>Er is een toeschouwer bijgekomen: %n personen kijken naar het spel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A watcher has left: %n watching the game</source>
        <translation>
            <numerusform>Er is een toeschouwer weggegaan: %n persoon kijkt naar het spel</numerusform>
            <numerusform>Er is een toeschouwer weggegaan: %n personen kijken naar het spel</numerusform>
        </translation>
    </message>
    <message>
        <source>This invitation reaches the host only through an XMPP server. Set up your XMPP account in the Settings window, then join again.</source>
        <translation>Deze uitnodiging bereikt de host alleen via een XMPP-server. Stel je XMPP-account in via het venster Instellingen en doe dan opnieuw mee.</translation>
    </message>
</context>
<context>
    <name>UserStore</name>
    <message>
        <source>a folder stands where the file should be</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>er staat een map waar het bestand hoort te staan</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>het bestand is alleen-lezen</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>de map ervan kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>its folder is read-only</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>de map ervan is alleen-lezen</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>het kon niet worden geschreven</translation>
    </message>
    <message numerus="yes">
        <source>its lock file %1 could not be taken within %n seconds</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;. The lock file is the settings file&apos;s name with &quot;.lock&quot; added; another copy of the game holds it while it writes.</extracomment>
        <translation>
            <numerusform>het vergrendelingsbestand %1 kon niet binnen %n seconde worden verkregen</numerusform>
            <numerusform>het vergrendelingsbestand %1 kon niet binnen %n seconden worden verkregen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowPlace</name>
    <message>
        <source>The window&apos;s size and place could not be stored in %1: %2.</source>
        <extracomment>%1 is the settings file, %2 why it could not be written (&quot;the file is read-only&quot;).</extracomment>
        <translation>De grootte en plaats van het venster konden niet worden opgeslagen in %1: %2.</translation>
    </message>
</context>
<context>
    <name>XmppAccount</name>
    <message>
        <source>The XMPP server turned down the address %1 with its password. Check them in Settings.</source>
        <translation>De XMPP-server heeft het adres %1 met dit wachtwoord geweigerd. Controleer ze bij Instellingen.</translation>
    </message>
    <message>
        <source>The XMPP server of %1 cannot be reached. The game goes on, and this copy keeps trying to sign in.</source>
        <translation>De XMPP-server van %1 is niet bereikbaar. Het spel gaat door en dit exemplaar blijft proberen zich aan te melden.</translation>
    </message>
    <message>
        <source>The XMPP server of %1 offers no secure connection this computer trusts, so this copy did not sign in.</source>
        <translation>De XMPP-server van %1 biedt geen beveiligde verbinding die deze computer vertrouwt; daarom heeft dit exemplaar zich niet aangemeld.</translation>
    </message>
    <message>
        <source>The XMPP server does not let accounts be made from the game. Make one on the server&apos;s web site, or ask its administrator.</source>
        <translation>De XMPP-server staat niet toe dat er vanuit het spel accounts worden aangemaakt. Maak er een aan op de website van de server of vraag het de beheerder.</translation>
    </message>
    <message>
        <source>The address %1 is taken already. Choose another name.</source>
        <translation>Het adres %1 is al in gebruik. Kies een andere naam.</translation>
    </message>
    <message>
        <source>%1 is not an XMPP address. An address looks like name@example.org.</source>
        <translation>%1 is geen XMPP-adres. Een adres ziet eruit als naam@example.org.</translation>
    </message>
    <message>
        <source>Password of the XMPP account %1:</source>
        <extracomment>The label over the box where the player types the password of an XMPP account; %1 is its address.</extracomment>
        <translation>Wachtwoord van het XMPP-account %1:</translation>
    </message>
</context>
<context>
    <name>vantry::FileMenu</name>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>O&amp;ver</translation>
    </message>
    <message>
        <source>Se&amp;ttings...</source>
        <extracomment>The File menu&apos;s entry that opens the Settings window; its letter is used by no other entry.</extracomment>
        <translation>&amp;Instellingen...</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Opslaan a&amp;ls...</translation>
    </message>
    <message>
        <source>Game &amp;Log</source>
        <extracomment>Opens the window with the game&apos;s log, the race chart and the players&apos; statistics.</extracomment>
        <translation>Spelve&amp;rslag</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Join Game...</source>
        <extracomment>Asks for an invitation from a player on another computer and joins that player&apos;s game.</extracomment>
        <translation>&amp;Deelnemen aan spel...</translation>
    </message>
    <message>
        <source>&amp;Invite Players...</source>
        <extracomment>Opens the window that gives seats to players on other computers and shows their invitations.</extracomment>
        <translation>Spelers &amp;uitnodigen...</translation>
    </message>
</context>
<context>
    <name>vantry::QtPrompter</name>
    <message>
        <source>All Files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
</context>
<context>
    <name>vantry::RaceChart</name>
    <message>
        <source>Race chart</source>
        <extracomment>What a screen reader calls the chart of every seat&apos;s square after each move.</extracomment>
        <translation>Grafiek van de wedloop</translation>
    </message>
    <message>
        <source>No counter has moved yet.</source>
        <translation>Er is nog geen pion verzet.</translation>
    </message>
    <message numerus="yes">
        <source>%1 has won, %n squares ahead of %2.</source>
        <translation>
            <numerusform>%1 heeft gewonnen, %n vakje voor op %2.</numerusform>
            <numerusform>%1 heeft gewonnen, %n vakjes voor op %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has won.</source>
        <translation>%1 heeft gewonnen.</translation>
    </message>
    <message numerus="yes">
        <source>%1 leads on square %2, %n squares ahead of %3.</source>
        <translation>
            <numerusform>%1 leidt op vakje %2, %n vakje voor op %3.</numerusform>
            <numerusform>%1 leidt op vakje %2, %n vakjes voor op %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other players share the lead on square %2.</source>
        <translation>
            <numerusform>%1 en %n andere speler delen de leiding op vakje %2.</numerusform>
            <numerusform>%1 en %n andere spelers delen de leiding op vakje %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantry::StatisticsPane</name>
    <message>
        <source>Players&apos; statistics</source>
        <extracomment>What a screen reader calls the table of every player&apos;s figures.</extracomment>
        <translation>Statistieken van de spelers</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Column heading: the player&apos;s name.</extracomment>
        <translation>Speler</translation>
    </message>
    <message>
        <source>Games</source>
        <extracomment>Column heading: how many games the player finished.</extracomment>
        <translation>Spellen</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Column heading: how many games the player won.</extracomment>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <extracomment>Column heading: the fewest moves the player needed for a win.</extracomment>
        <translation>Minste zetten</translation>
    </message>
    <message>
        <source>Average moves</source>
        <extracomment>Column heading: the average moves of the player&apos;s wins.</extracomment>
        <translation>Gemiddeld zetten</translation>
    </message>
    <message>
        <source>Ladders</source>
        <extracomment>Column heading: how many ladders the player climbed.</extracomment>
        <translation>Ladders</translation>
    </message>
    <message>
        <source>Snakes</source>
        <extracomment>Column heading: how many snakes the player met.</extracomment>
        <translation>Slangen</translation>
    </message>
    <message>
        <source>No game has been finished yet.</source>
        <translation>Er is nog geen spel uitgespeeld.</translation>
    </message>
    <message>
        <source>Clear S&amp;tatistics...</source>
        <extracomment>Button: removes every player&apos;s statistics, after asking.</extracomment>
        <translation>Statistieken w&amp;issen...</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n games finished, no wins, ladders: %2, snakes: %3</source>
        <translation>
            <numerusform>%1: %n spel uitgespeeld, geen overwinningen, ladders: %2, slangen: %3</numerusform>
            <numerusform>%1: %n spellen uitgespeeld, geen overwinningen, ladders: %2, slangen: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n games finished, wins: %2, fewest moves: %3, average moves: %4, ladders: %5, snakes: %6</source>
        <translation>
            <numerusform>%1: %n spel uitgespeeld, gewonnen: %2, minste zetten: %3, gemiddeld aantal zetten: %4, ladders: %5, slangen: %6</numerusform>
            <numerusform>%1: %n spellen uitgespeeld, gewonnen: %2, minste zetten: %3, gemiddeld aantal zetten: %4, ladders: %5, slangen: %6</numerusform>
        </translation>
    </message>
    <message>
        <source>Do you want to clear the statistics of every player?</source>
        <translation>Wil je de statistieken van alle spelers wissen?</translation>
    </message>
</context>
<context>
    <name>vantry::frmAbout</name>
    <message>
        <source>Written by</source>
        <translation>Geschreven door</translation>
    </message>
    <message>
        <source>Griphics:</source>
        <translation>Illustraties:</translation>
    </message>
    <message>
        <source>This copy is licensed to:</source>
        <translation>Licentie op naam van:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Bedrijf</translation>
    </message>
    <message>
        <source>Published by</source>
        <translation>Uitgegeven door</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>3rd Edition</source>
        <translation>Derde editie</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>W-site: %1</source>
        <translation>Website: %1</translation>
    </message>
    <message>
        <source>Vantry - About</source>
        <translation>Vantry - Over</translation>
    </message>
</context>
<context>
    <name>vantry::frmInvite</name>
    <message>
        <source>Vantry - Invite Players</source>
        <translation>Vantry - Spelers uitnodigen</translation>
    </message>
    <message>
        <source>Each seat ticked here is played from another computer. Send its player the invitation beside it; the last one lets someone watch the game.</source>
        <translation>Elke plaats die hier is aangevinkt, wordt vanaf een andere computer gespeeld. Stuur de speler de uitnodiging ernaast; met de laatste kan iemand het spel bekijken.</translation>
    </message>
    <message>
        <source>%1 plays from another computer</source>
        <extracomment>A seat&apos;s tick box in the invitations window; %1 is the seat&apos;s name as on the board.</extracomment>
        <translation>%1 speelt vanaf een andere computer</translation>
    </message>
    <message>
        <source>Invitation for %1</source>
        <extracomment>The accessible name of the box holding a seat&apos;s invitation; %1 is the seat&apos;s name.</extracomment>
        <translation>Uitnodiging voor %1</translation>
    </message>
    <message>
        <source>To watch:</source>
        <extracomment>The label before the invitation that lets someone watch the game without playing.</extracomment>
        <translation>Om te kijken:</translation>
    </message>
    <message>
        <source>Invitation to watch</source>
        <translation>Uitnodiging om te kijken</translation>
    </message>
    <message>
        <source>The game could not be hosted: this computer could not open a network port for it.</source>
        <translation>Het spel kon niet worden gehost: deze computer kon er geen netwerkpoort voor openen.</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Copies an invitation to the clipboard, to paste it into a mail or a chat.</extracomment>
        <translation>Kopiëren</translation>
    </message>
</context>
<context>
    <name>vantry::frmLog</name>
    <message>
        <source>Vantry - Game Log</source>
        <translation>Vantry - Spelverslag</translation>
    </message>
    <message>
        <source>Game log</source>
        <extracomment>What a screen reader calls the list of the game&apos;s events.</extracomment>
        <translation>Spelverslag</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <extracomment>The tab of the game log window that lists every event of the game.</extracomment>
        <translation>&amp;Verslag</translation>
    </message>
    <message>
        <source>&amp;Race</source>
        <extracomment>The tab of the game log window with the chart of the race.</extracomment>
        <translation>&amp;Wedloop</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <extracomment>The tab of the game log window with every player&apos;s statistics.</extracomment>
        <translation>&amp;Statistieken</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <extracomment>Button: copies every line of the game log to the clipboard.</extracomment>
        <translation>Alles &amp;kopiëren</translation>
    </message>
    <message>
        <source>Copies every line of the log as text.</source>
        <translation>Kopieert elke regel van het verslag als tekst.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: closes the game log window.</extracomment>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>S&amp;ay:</source>
        <extracomment>The label in front of the box where a player types a line of chat to everyone at the table.</extracomment>
        <translation>&amp;Zeggen:</translation>
    </message>
    <message>
        <source>Chat to everyone at the table</source>
        <extracomment>The screen reader&apos;s name for the box where a player types a line of chat.</extracomment>
        <translation>Bericht aan iedereen aan tafel</translation>
    </message>
    <message>
        <source>Enter sends the line to every player and watcher of the game.</source>
        <translation>Enter stuurt de regel naar alle spelers en toeschouwers van het spel.</translation>
    </message>
</context>
<context>
    <name>vantry::frmMain</name>
    <message>
        <source>%1 Wins!</source>
        <translation>%1 wint!</translation>
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
        <translation>Rood</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>The computer plays this seat</source>
        <translation>De computer speelt op deze plaats</translation>
    </message>
    <message>
        <source>A person plays this seat</source>
        <translation>Een mens speelt op deze plaats</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Naam:</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Spelen</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Loten</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>Vantry - New Game</source>
        <translation>Vantry - Nieuw spel</translation>
    </message>
    <message>
        <source>Red seat: computer</source>
        <translation>Rode plaats: computer</translation>
    </message>
    <message>
        <source>Blue seat: computer</source>
        <translation>Blauwe plaats: computer</translation>
    </message>
    <message>
        <source>Yellow seat: computer</source>
        <translation>Gele plaats: computer</translation>
    </message>
    <message>
        <source>Green seat: computer</source>
        <translation>Groene plaats: computer</translation>
    </message>
    <message>
        <source>Red seat: person</source>
        <translation>Rode plaats: mens</translation>
    </message>
    <message>
        <source>Blue seat: person</source>
        <translation>Blauwe plaats: mens</translation>
    </message>
    <message>
        <source>Yellow seat: person</source>
        <translation>Gele plaats: mens</translation>
    </message>
    <message>
        <source>Green seat: person</source>
        <translation>Groene plaats: mens</translation>
    </message>
    <message>
        <source>Red seat name</source>
        <translation>Naam voor de rode plaats</translation>
    </message>
    <message>
        <source>Blue seat name</source>
        <translation>Naam voor de blauwe plaats</translation>
    </message>
    <message>
        <source>Yellow seat name</source>
        <translation>Naam voor de gele plaats</translation>
    </message>
    <message>
        <source>Green seat name</source>
        <translation>Naam voor de groene plaats</translation>
    </message>
    <message>
        <source>Red seat: a player on another computer</source>
        <translation>Rode plaats: een speler op een andere computer</translation>
    </message>
    <message>
        <source>Blue seat: a player on another computer</source>
        <translation>Blauwe plaats: een speler op een andere computer</translation>
    </message>
    <message>
        <source>Yellow seat: a player on another computer</source>
        <translation>Gele plaats: een speler op een andere computer</translation>
    </message>
    <message>
        <source>Green seat: a player on another computer</source>
        <translation>Groene plaats: een speler op een andere computer</translation>
    </message>
    <message>
        <source>On another &amp;computer</source>
        <extracomment>A check box in each seat&apos;s group of the new-game dialog; ticked, a person on another computer plays the seat.</extracomment>
        <translation>Op andere &amp;computer</translation>
    </message>
    <message>
        <source>A player on another computer plays this seat. Starting the game hosts it and shows the invitation to send.</source>
        <translation>Een speler op een andere computer speelt deze plaats. Bij het starten host deze computer het spel en toont de uitnodiging om te versturen.</translation>
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
        <translation>Naam</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Zetten</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Vantry - Best Players</source>
        <translation>Vantry - Beste spelers</translation>
    </message>
    <message>
        <source>The best players could not be stored in %1: %2.</source>
        <extracomment>%1 is the settings file, %2 why it could not be written (&quot;the file is read-only&quot;).</extracomment>
        <translation>De beste spelers konden niet worden opgeslagen in %1: %2.</translation>
    </message>
    <message>
        <source>%1, %2, moves: %3</source>
        <extracomment>A row of the best players read aloud: %1 the place (1 to 10), %2 the name, %3 the count as stored.</extracomment>
        <translation>%1, %2, zetten: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %n moves</source>
        <extracomment>A row of the best players read aloud: %1 the place (1 to 10), %2 the name, %n the moves.</extracomment>
        <translation>
            <numerusform>%1, %2, %n zet</numerusform>
            <numerusform>%1, %2, %n zetten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 Moves = %n</source>
        <extracomment>The winner&apos;s result: %1 the winner&apos;s name, %n the moves of the game.</extracomment>
        <translation>
            <numerusform>%1 – %n zet</numerusform>
            <numerusform>%1 – %n zetten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantry::frmSettings</name>
    <message>
        <source>Vantry - Settings</source>
        <translation>Vantry - Instellingen</translation>
    </message>
    <message>
        <source>Show each seat&apos;s &amp;mark on its counter and name</source>
        <translation>&amp;Markering van elke plaats op de pion en bij de naam tonen</translation>
    </message>
    <message>
        <source>Counters &amp;travel square by square and the die rolls</source>
        <translation>Pionnen &amp;lopen vakje voor vakje en de dobbelsteen rolt</translation>
    </message>
    <message>
        <source>Computer&apos;s &amp;pace:</source>
        <extracomment>Label of the list of paces at which the computer&apos;s seats throw and move.</extracomment>
        <translation>&amp;Tempo van de computer:</translation>
    </message>
    <message>
        <source>Relaxed (a step a second)</source>
        <extracomment>A pace of the computer&apos;s seats: one step (a throw or a move) a second.</extracomment>
        <translation>Rustig (één stap per seconde)</translation>
    </message>
    <message>
        <source>As designed (a step every half second)</source>
        <extracomment>A pace of the computer&apos;s seats: the game&apos;s own, one step every half second.</extracomment>
        <translation>Zoals bedoeld (elke halve seconde een stap)</translation>
    </message>
    <message>
        <source>Brisk (four steps a second)</source>
        <extracomment>A pace of the computer&apos;s seats: four steps a second.</extracomment>
        <translation>Vlot (vier stappen per seconde)</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Geluid</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume:</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>The volume as a percentage; %1 is a whole number from 0 to 100.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>T&amp;aal:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <extracomment>The first choice of the language list: whichever language the desktop is set to.</extracomment>
        <translation>De taal van het bureaublad</translation>
    </message>
    <message>
        <source>A new language is used from the next start of Vantry.</source>
        <translation>Een nieuwe taal geldt vanaf de volgende start van Vantry.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Your settings could not be stored in %1: %2. They hold until Vantry is closed.</source>
        <translation>Je instellingen konden niet worden opgeslagen in %1: %2. Ze blijven gelden tot je Vantry afsluit.</translation>
    </message>
    <message>
        <source>Playing through an XMPP server</source>
        <extracomment>The heading over the XMPP account&apos;s boxes in the Settings window.</extracomment>
        <translation>Spelen via een XMPP-server</translation>
    </message>
    <message>
        <source>XMPP &amp;address:</source>
        <extracomment>The box of the player&apos;s XMPP address, such as name@example.org.</extracomment>
        <translation>&amp;XMPP-adres:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <source>Se&amp;rver:</source>
        <extracomment>The box of where the XMPP server listens, needed only when its address does not say.</extracomment>
        <translation>Se&amp;rver:</translation>
    </message>
    <message>
        <source>Found from the address</source>
        <extracomment>Shown in the empty server box: the server is found from the XMPP address.</extracomment>
        <translation>Afgeleid uit het adres</translation>
    </message>
    <message>
        <source>Cr&amp;eate Account</source>
        <translation>A&amp;ccount aanmaken</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s keyring.</source>
        <translation>Het wachtwoord wordt bewaard in de sleutelbos van het bureaublad.</translation>
    </message>
    <message>
        <source>The account %1 was made.</source>
        <extracomment>%1 is the XMPP address just made on its server.</extracomment>
        <translation>Het account %1 is aangemaakt.</translation>
    </message>
    <message>
        <source>A hosted game then also opens a port, for players who can reach this computer, such as those at home. Unticked, a game hosted with the account opens no port, and every player joins through the server.</source>
        <translation>Een gehost spel opent dan ook een poort, voor spelers die deze computer kunnen bereiken, zoals die thuis. Uitgevinkt opent een spel dat met het account wordt gehost geen poort, en doet iedereen mee via de server.</translation>
    </message>
    <message>
        <source>Also let players reach this computer &amp;directly</source>
        <translation>Spelers kunnen deze computer ook &amp;direct bereiken</translation>
    </message>
</context>
</TS>
