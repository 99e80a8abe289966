<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutValues</name>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>red</source>
        <translation>czerwony</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>niebieski</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>żółty</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zielony</translation>
    </message>
    <message>
        <source>%1&apos;s turn, computer</source>
        <translation>Ruch: %1, komputer</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>Ruch: %1</translation>
    </message>
    <message>
        <source>%1 throws %2</source>
        <translation>%1 wyrzuca %2</translation>
    </message>
    <message>
        <source>%1 moves from the start to %2</source>
        <extracomment>%1 is a player&apos;s name; %2 a square of the board.</extracomment>
        <translation>%1 idzie ze startu na pole %2</translation>
    </message>
    <message>
        <source>%1 moves from %2 to %3</source>
        <extracomment>%1 is a player&apos;s name; %2 and %3 squares of the board.</extracomment>
        <translation>%1 idzie z pola %2 na pole %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 wins in %n moves</source>
        <translation>
            <numerusform>%1 wygrywa w %n ruchu</numerusform>
            <numerusform>%1 wygrywa w %n ruchach</numerusform>
            <numerusform>%1 wygrywa w %n ruchach</numerusform>
        </translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>Otwarto plik %1</translation>
    </message>
    <message>
        <source>computer</source>
        <extracomment>Who plays a seat, said after its name and colour in the reading of the board.</extracomment>
        <translation>komputer</translation>
    </message>
    <message>
        <source>person</source>
        <extracomment>Who plays a seat, said after its name and colour: a human player, not &quot;nobody&quot;.</extracomment>
        <translation>człowiek</translation>
    </message>
    <message>
        <source>%1, %2, %3, at the start</source>
        <translation>%1, %2, %3, na starcie</translation>
    </message>
    <message>
        <source>%1, %2, %3, on square %4</source>
        <translation>%1, %2, %3, na polu %4</translation>
    </message>
    <message>
        <source>%1 has won</source>
        <translation>Zwycięzca: %1</translation>
    </message>
    <message>
        <source>%1 moves from the start to %2, ladder up to %3</source>
        <extracomment>%1 is a player&apos;s name; %2 the square the throw reached, the foot of a ladder; %3 its top.</extracomment>
        <translation>%1 idzie ze startu na pole %2 i wchodzi po drabinie na pole %3</translation>
    </message>
    <message>
        <source>%1 moves from %2 to %3, ladder up to %4</source>
        <extracomment>%1 is a player&apos;s name; %2 and %3 squares; %4 the top of the ladder on square %3.</extracomment>
        <translation>%1 idzie z pola %2 na pole %3 i wchodzi po drabinie na pole %4</translation>
    </message>
    <message>
        <source>%1 moves from the start to %2, snake down to %3</source>
        <extracomment>%1 is a player&apos;s name; %2 the square the throw reached, a snake&apos;s head; %3 its tail.</extracomment>
        <translation>%1 idzie ze startu na pole %2 i zsuwa się po wężu na pole %3</translation>
    </message>
    <message>
        <source>%1 moves from %2 to %3, snake down to %4</source>
        <extracomment>%1 is a player&apos;s name; %2 and %3 squares; %4 the tail of the snake on square %3.</extracomment>
        <translation>%1 idzie z pola %2 na pole %3 i zsuwa się po wężu na pole %4</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Invitation:</source>
        <extracomment>The label over the box where a player pastes an invitation, a vantry:// link.</extracomment>
        <translation>Zaproszenie:</translation>
    </message>
    <message>
        <source>This copy of the game cannot play across computers: its network module is missing.</source>
        <translation>Ta kopia gry nie może grać przez sieć z innymi komputerami: brakuje jej modułu sieciowego.</translation>
    </message>
    <message>
        <source>This desktop has no keyring to keep the password in, so the game asks for it each time it signs in.</source>
        <translation>Ten pulpit nie ma pęku kluczy, w którym można by przechować hasło, więc gra pyta o nie przy każdym logowaniu.</translation>
    </message>
</context>
<context>
    <name>BoardDescriptions</name>
    <message>
        <source>Go</source>
        <extracomment>The name a screen reader gives the button that moves the counter thrown for; its caption on the board.</extracomment>
        <translation>Idź</translation>
    </message>
    <message>
        <source>File menu</source>
        <translation>Menu Plik</translation>
    </message>
    <message>
        <source>computer</source>
        <extracomment>Said of a name on the board after the name and colour: the computer plays this seat.</extracomment>
        <translation>komputer</translation>
    </message>
    <message>
        <source>winner</source>
        <extracomment>Said of a name on the board after the name and colour: this seat has won.</extracomment>
        <translation>zwycięzca</translation>
    </message>
    <message>
        <source>to play</source>
        <extracomment>Said of a name on the board after the name and colour: this seat is on turn.</extracomment>
        <translation>ma ruch</translation>
    </message>
    <message>
        <source>Red counter at the start</source>
        <translation>Czerwony pionek na starcie</translation>
    </message>
    <message>
        <source>Blue counter at the start</source>
        <translation>Niebieski pionek na starcie</translation>
    </message>
    <message>
        <source>Yellow counter at the start</source>
        <translation>Żółty pionek na starcie</translation>
    </message>
    <message>
        <source>Green counter at the start</source>
        <translation>Zielony pionek na starcie</translation>
    </message>
    <message>
        <source>Red counter on square %1</source>
        <translation>Czerwony pionek na polu %1</translation>
    </message>
    <message>
        <source>Blue counter on square %1</source>
        <translation>Niebieski pionek na polu %1</translation>
    </message>
    <message>
        <source>Yellow counter on square %1</source>
        <translation>Żółty pionek na polu %1</translation>
    </message>
    <message>
        <source>Green counter on square %1</source>
        <translation>Zielony pionek na polu %1</translation>
    </message>
    <message>
        <source>Move the red counter</source>
        <translation>Przesuń czerwony pionek</translation>
    </message>
    <message>
        <source>Move the blue counter</source>
        <translation>Przesuń niebieski pionek</translation>
    </message>
    <message>
        <source>Move the yellow counter</source>
        <translation>Przesuń żółty pionek</translation>
    </message>
    <message>
        <source>Move the green counter</source>
        <translation>Przesuń zielony pionek</translation>
    </message>
    <message>
        <source>Die, click to throw</source>
        <translation>Kostka, kliknij, aby rzucić</translation>
    </message>
    <message>
        <source>Die, showing %1</source>
        <translation>Kostka, wypadło %1</translation>
    </message>
    <message>
        <source>on another computer</source>
        <extracomment>Said of a name on the board after the name and colour: a player on another computer plays it.</extracomment>
        <translation>na innym komputerze</translation>
    </message>
    <message>
        <source>away</source>
        <extracomment>Said of a name on the board: the other computer that plays this seat has lost its connection.</extracomment>
        <translation>brak połączenia</translation>
    </message>
</context>
<context>
    <name>BoardWidgets</name>
    <message>
        <source>Go</source>
        <extracomment>The caption of the board&apos;s button that moves the counter after a throw; 41 pixels wide.</extracomment>
        <translation>Idź</translation>
    </message>
    <message>
        <source>Click</source>
        <extracomment>The caption on the die before the first throw, asking to click it; it must fit the small face.</extracomment>
        <translation>Rzuć</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>the word on the File menu&apos;s button</comment>
        <translation>PLIK</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>vantry: unknown option &apos;%1&apos;
Try &apos;vantry --help&apos; for more information.</source>
        <translation>vantry: nieznana opcja „%1”
Wpisz „vantry --help”, aby uzyskać więcej informacji.</translation>
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
        <translation>Użycie: vantry [PLIK]
Uruchamia Vantry – wyścig po planszy z drabinami i wężami dla 1–4 graczy.
Z PLIKIEM otwiera tę zapisaną grę (plik .vty) i ją kontynuuje; bez niego
zaczyna od okna nowej gry.

  -h, --help     pokazuje tę pomoc i kończy działanie
      --version  pokazuje wersję i kończy działanie
      --         traktuje wszystkie dalsze argumenty jako część PLIKU

PLIK podany jako kilka argumentów jest ponownie łączony pojedynczymi spacjami.
Gdy w środowisku jest VANTRY_NO_TRAVEL=1, pionki przeskakują na swoje pola,
zamiast się do nich przesuwać.

Na planszy: Spacja rzuca kostką; Enter przesuwa pionek albo naciska aktywny
element; Tab przechodzi od kostki do pionków, przycisku Idź i PLIK; B odczytuje
całą planszę przez czytnik ekranu.
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
Ustawienia (w menu Plik lub Ctrl+przecinek na planszy) włączają i wyłączają
znaki graczy, przesuwanie się pionków i dźwięk oraz ustalają tempo komputera,
głośność i język; są zapamiętywane do następnego uruchomienia.
VANTRY_NO_TRAVEL=1 wyłącza przesuwanie bez względu na ustawienia.
</translation>
    </message>
    <message>
        <source>F11 shows the board on the whole screen, and Escape leaves it.
</source>
        <translation>F11 pokazuje planszę na pełnym ekranie, a Escape z niego wychodzi.
</translation>
    </message>
    <message>
        <source>vantry: the game could not be hosted</source>
        <translation>vantry: nie udało się udostępnić gry</translation>
    </message>
    <message>
        <source>vantry: --host needs the saved game to host
Try &apos;vantry --help&apos; for more information.</source>
        <translation>vantry: --host wymaga zapisanej gry, którą ma udostępnić
Wpisz „vantry --help”, aby uzyskać więcej informacji.</translation>
    </message>
    <message>
        <source>--host FILE hosts it and prints the invitations; vantry://... joins one.
</source>
        <translation>--host PLIK udostępnia grę i wypisuje zaproszenia; vantry://... dołącza do gry.
</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Vantry - Untitled</source>
        <translation>Vantry - Bez nazwy</translation>
    </message>
    <message>
        <source>Vantry Game Files (*.vty)</source>
        <translation>Zapisane gry Vantry (*.vty)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Zapisz plik</translation>
    </message>
    <message>
        <source>The game could not be opened from &quot;%1&quot;.

%2</source>
        <translation>Nie udało się otworzyć gry z pliku „%1”.

%2</translation>
    </message>
    <message>
        <source>Do you want to save your game?</source>
        <translation>Czy chcesz zapisać grę?</translation>
    </message>
    <message>
        <source>Do you want to save changes on your game?</source>
        <translation>Czy chcesz zapisać zmiany w grze?</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;.

%2</source>
        <translation>Nie udało się zapisać gry do pliku „%1”.

%2</translation>
    </message>
</context>
<context>
    <name>GuestTable</name>
    <message>
        <source>This seat is already played from another computer.</source>
        <translation>Tym graczem kieruje już ktoś z innego komputera.</translation>
    </message>
    <message>
        <source>The host has no room for another player or watcher.</source>
        <translation>Gospodarz nie ma już miejsca dla kolejnego gracza ani widza.</translation>
    </message>
    <message>
        <source>This is not an invitation to a game. An invitation begins with vantry:// and works only when it is copied whole, without a character changed.</source>
        <translation>To nie jest zaproszenie do gry. Zaproszenie zaczyna się od vantry:// i działa tylko wtedy, gdy zostanie skopiowane w całości, bez zmiany żadnego znaku.</translation>
    </message>
    <message>
        <source>The host has stopped hosting the game. The game stays on the board, and you can save it.</source>
        <translation>Gospodarz przestał udostępniać grę. Gra zostaje na planszy i możesz ją zapisać.</translation>
    </message>
    <message>
        <source>The host has ended the game. The game stays on the board, and you can save it.</source>
        <translation>Gospodarz zakończył grę. Gra zostaje na planszy i możesz ją zapisać.</translation>
    </message>
    <message>
        <source>The host speaks version %1 of the game&apos;s network protocol and this copy speaks version %2, so they cannot play together. Both players need the same version of the game.</source>
        <extracomment>%1 and %2 are version numbers of the way two copies of the game talk over the network.</extracomment>
        <translation>Gospodarz używa wersji %1 protokołu sieciowego gry, a ta kopia – wersji %2, więc nie mogą grać razem. Obaj gracze potrzebują tej samej wersji gry.</translation>
    </message>
    <message>
        <source>The invitation opens no seat of this game: it was changed, or the host has taken the seat back. Ask the host for a new invitation.</source>
        <translation>Zaproszenie nie pozwala kierować żadnym graczem tej gry: zostało zmienione albo gospodarz przejął tego gracza z powrotem. Poproś gospodarza o nowe zaproszenie.</translation>
    </message>
    <message>
        <source>The computer that answered is not the host that sent the invitation, so this copy did not join.</source>
        <translation>Komputer, który odpowiedział, nie jest gospodarzem, który wysłał zaproszenie, więc ta kopia gry nie dołączyła.</translation>
    </message>
</context>
<context>
    <name>HostTable</name>
    <message>
        <source>%1 has been away for a minute. Shall the computer play for %1 until %1 is back?</source>
        <translation>%1 od minuty nie ma połączenia. Czy komputer ma grać za %1, dopóki %1 nie wróci?</translation>
    </message>
</context>
<context>
    <name>NewGameSetup</name>
    <message>
        <source>Select</source>
        <extracomment>The prompt in a computer seat&apos;s name list until a name is chosen from it.</extracomment>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>Please Select the Name!</source>
        <translation>Wybierz imię z listy!</translation>
    </message>
    <message>
        <source>Please type the Name!</source>
        <translation>Wpisz imię!</translation>
    </message>
    <message>
        <source>A name cannot begin with a double quote (&quot;).</source>
        <translation>Imię nie może zaczynać się od cudzysłowu (&quot;).</translation>
    </message>
    <message>
        <source>A name with a comma or a leading blank cannot also hold a double quote (&quot;).</source>
        <translation>Imię z przecinkiem lub spacją na początku nie może zawierać także cudzysłowu (&quot;).</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>It ends after %1 of the %2 fields of a saved game.</source>
        <translation>Plik kończy się po %1 z %2 wpisów zapisanej gry.</translation>
    </message>
    <message>
        <source>It is larger than 1 MiB, so it is not a saved game.</source>
        <translation>Plik jest większy niż 1 MiB, więc nie jest zapisaną grą.</translation>
    </message>
    <message>
        <source>It is a directory, not a regular file.</source>
        <translation>To katalog, a nie zwykły plik.</translation>
    </message>
    <message>
        <source>It is a named pipe, not a regular file.</source>
        <translation>To potok nazwany, a nie zwykły plik.</translation>
    </message>
    <message>
        <source>It is a device, not a regular file.</source>
        <translation>To urządzenie, a nie zwykły plik.</translation>
    </message>
    <message>
        <source>It is a socket, not a regular file.</source>
        <translation>To gniazdo, a nie zwykły plik.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>To nie jest zwykły plik.</translation>
    </message>
</context>
<context>
    <name>SaveRecord</name>
    <message>
        <source>The kind of the Red seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>Wpis z rodzajem gracza czerwonego brzmi „%1”, a musi to być True, False lub liczba.</translation>
    </message>
    <message>
        <source>The move count of Red is %1, but it must be from %2 to %3.</source>
        <translation>Liczba ruchów gracza czerwonego to %1, a musi wynosić od %2 do %3.</translation>
    </message>
    <message>
        <source>The square of Red is %1, but the board has squares 1 to 100.</source>
        <translation>Numer pola gracza czerwonego to %1, a plansza ma pola od&#xa0;1 do&#xa0;100.</translation>
    </message>
    <message>
        <source>The move count of Red reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Wpis z liczbą ruchów gracza czerwonego brzmi „%1”, a nie jest to liczba całkowita od -32768 do 32767.</translation>
    </message>
    <message>
        <source>The square of Red reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Wpis z numerem pola gracza czerwonego brzmi „%1”, a nie jest to liczba całkowita od -32768 do 32767.</translation>
    </message>
    <message>
        <source>The kind of the Blue seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>Wpis z rodzajem gracza niebieskiego brzmi „%1”, a musi to być True, False lub liczba.</translation>
    </message>
    <message>
        <source>The move count of Blue is %1, but it must be from %2 to %3.</source>
        <translation>Liczba ruchów gracza niebieskiego to %1, a musi wynosić od %2 do %3.</translation>
    </message>
    <message>
        <source>The square of Blue is %1, but the board has squares 1 to 100.</source>
        <translation>Numer pola gracza niebieskiego to %1, a plansza ma pola od&#xa0;1 do&#xa0;100.</translation>
    </message>
    <message>
        <source>The move count of Blue reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Wpis z liczbą ruchów gracza niebieskiego brzmi „%1”, a nie jest to liczba całkowita od -32768 do 32767.</translation>
    </message>
    <message>
        <source>The square of Blue reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Wpis z numerem pola gracza niebieskiego brzmi „%1”, a nie jest to liczba całkowita od -32768 do 32767.</translation>
    </message>
    <message>
        <source>The kind of the Yellow seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>Wpis z rodzajem gracza żółtego brzmi „%1”, a musi to być True, False lub liczba.</translation>
    </message>
    <message>
        <source>The move count of Yellow is %1, but it must be from %2 to %3.</source>
        <translation>Liczba ruchów gracza żółtego to %1, a musi wynosić od %2 do %3.</translation>
    </message>
    <message>
        <source>The square of Yellow is %1, but the board has squares 1 to 100.</source>
        <translation>Numer pola gracza żółtego to %1, a plansza ma pola od&#xa0;1 do&#xa0;100.</translation>
    </message>
    <message>
        <source>The move count of Yellow reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Wpis z liczbą ruchów gracza żółtego brzmi „%1”, a nie jest to liczba całkowita od -32768 do 32767.</translation>
    </message>
    <message>
        <source>The square of Yellow reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Wpis z numerem pola gracza żółtego brzmi „%1”, a nie jest to liczba całkowita od -32768 do 32767.</translation>
    </message>
    <message>
        <source>The kind of the Green seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>Wpis z rodzajem gracza zielonego brzmi „%1”, a musi to być True, False lub liczba.</translation>
    </message>
    <message>
        <source>The move count of Green is %1, but it must be from %2 to %3.</source>
        <translation>Liczba ruchów gracza zielonego to %1, a musi wynosić od %2 do %3.</translation>
    </message>
    <message>
        <source>The square of Green is %1, but the board has squares 1 to 100.</source>
        <translation>Numer pola gracza zielonego to %1, a plansza ma pola od&#xa0;1 do&#xa0;100.</translation>
    </message>
    <message>
        <source>The move count of Green reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Wpis z liczbą ruchów gracza zielonego brzmi „%1”, a nie jest to liczba całkowita od -32768 do 32767.</translation>
    </message>
    <message>
        <source>The square of Green reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Wpis z numerem pola gracza zielonego brzmi „%1”, a nie jest to liczba całkowita od -32768 do 32767.</translation>
    </message>
    <message>
        <source>The player on turn reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Wpis z graczem, który ma ruch, brzmi „%1”, a nie jest to liczba całkowita od -32768 do 32767.</translation>
    </message>
    <message>
        <source>The player on turn is %1, but it must be from %2 to %3.</source>
        <translation>Gracz, który ma ruch, ma numer %1, a musi mieć numer od %2 do %3.</translation>
    </message>
</context>
<context>
    <name>StatisticsKeeper</name>
    <message>
        <source>The players&apos; statistics could not be stored in %1: %2.</source>
        <translation>Nie udało się zapisać statystyk graczy w %1: %2.</translation>
    </message>
</context>
<context>
    <name>TableNews</name>
    <message>
        <source>The connection to the host is lost. This copy keeps trying to reach it</source>
        <translation>Połączenie z gospodarzem zostało przerwane. Ta kopia wciąż próbuje się z nim połączyć</translation>
    </message>
    <message>
        <source>This copy is back at the host&apos;s game</source>
        <translation>Ta kopia wróciła do gry gospodarza</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>The host</source>
        <extracomment>Who wrote a line of chat: the computer that hosts the game.</extracomment>
        <translation>Gospodarz</translation>
    </message>
    <message>
        <source>A watcher</source>
        <extracomment>Who wrote a line of chat: someone who watches the game and plays no seat.</extracomment>
        <translation>Widz</translation>
    </message>
    <message>
        <source>%1 says: %2</source>
        <extracomment>A line of chat in the game log and as the screen reader says it: %1 is who wrote it, %2 the line.</extracomment>
        <translation>%1 mówi: %2</translation>
    </message>
    <message>
        <source>%1 has lost the connection to the game</source>
        <translation>%1 stracił(a) połączenie z grą</translation>
    </message>
    <message>
        <source>%1 is back in the game</source>
        <translation>%1 wraca do gry</translation>
    </message>
    <message numerus="yes">
        <source>A watcher has joined: %n watching the game</source>
        <translation>
            <numerusform>Dołączył widz: grę ogląda %n osoba</numerusform>
            <numerusform>Dołączył widz: grę oglądają %n osoby</numerusform>
            <numerusform>Dołączył widz: grę ogląda %n osób</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A watcher has left: %n watching the game</source>
        <translation>
            <numerusform>Widz wyszedł: grę ogląda %n osoba</numerusform>
            <numerusform>Widz wyszedł: grę oglądają %n osoby</numerusform>
            <numerusform>Widz wyszedł: grę ogląda %n osób</numerusform>
        </translation>
    </message>
    <message>
        <source>This invitation reaches the host only through an XMPP server. Set up your XMPP account in the Settings window, then join again.</source>
        <translation>To zaproszenie dociera do gospodarza tylko przez serwer XMPP. Skonfiguruj swoje konto XMPP w oknie Ustawienia, a potem dołącz ponownie.</translation>
    </message>
</context>
<context>
    <name>UserStore</name>
    <message>
        <source>a folder stands where the file should be</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>w miejscu pliku jest katalog</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>plik jest tylko do odczytu</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>nie można utworzyć jego katalogu</translation>
    </message>
    <message>
        <source>its folder is read-only</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>jego katalog jest tylko do odczytu</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>nie udało się go zapisać</translation>
    </message>
    <message numerus="yes">
        <source>its lock file %1 could not be taken within %n seconds</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;. The lock file is the settings file&apos;s name with &quot;.lock&quot; added; another copy of the game holds it while it writes.</extracomment>
        <translation>
            <numerusform>nie udało się w ciągu %n sekundy zająć jego pliku blokady %1</numerusform>
            <numerusform>nie udało się w ciągu %n sekund zająć jego pliku blokady %1</numerusform>
            <numerusform>nie udało się w ciągu %n sekund zająć jego pliku blokady %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowPlace</name>
    <message>
        <source>The window&apos;s size and place could not be stored in %1: %2.</source>
        <extracomment>%1 is the settings file, %2 why it could not be written (&quot;the file is read-only&quot;).</extracomment>
        <translation>Nie udało się zapisać rozmiaru i położenia okna w pliku %1: %2.</translation>
    </message>
</context>
<context>
    <name>XmppAccount</name>
    <message>
        <source>The XMPP server turned down the address %1 with its password. Check them in Settings.</source>
        <translation>Serwer XMPP odrzucił adres %1 z tym hasłem. Sprawdź je w Ustawieniach.</translation>
    </message>
    <message>
        <source>The XMPP server of %1 cannot be reached. The game goes on, and this copy keeps trying to sign in.</source>
        <translation>Nie można połączyć się z serwerem XMPP konta %1. Gra toczy się dalej, a ta kopia gry wciąż próbuje się zalogować.</translation>
    </message>
    <message>
        <source>The XMPP server of %1 offers no secure connection this computer trusts, so this copy did not sign in.</source>
        <translation>Serwer XMPP konta %1 nie oferuje bezpiecznego połączenia, któremu ten komputer ufa, więc ta kopia gry się nie zalogowała.</translation>
    </message>
    <message>
        <source>The XMPP server does not let accounts be made from the game. Make one on the server&apos;s web site, or ask its administrator.</source>
        <translation>Serwer XMPP nie pozwala zakładać kont z poziomu gry. Załóż konto na stronie serwera albo poproś jego administratora.</translation>
    </message>
    <message>
        <source>The address %1 is taken already. Choose another name.</source>
        <translation>Adres %1 jest już zajęty. Wybierz inną nazwę.</translation>
    </message>
    <message>
        <source>%1 is not an XMPP address. An address looks like name@example.org.</source>
        <translation>%1 nie jest adresem XMPP. Adres wygląda tak: nazwa@example.org.</translation>
    </message>
    <message>
        <source>Password of the XMPP account %1:</source>
        <extracomment>The label over the box where the player types the password of an XMPP account; %1 is its address.</extracomment>
        <translation>Hasło konta XMPP %1:</translation>
    </message>
</context>
<context>
    <name>vantry::FileMenu</name>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>O p&amp;rogramie</translation>
    </message>
    <message>
        <source>Se&amp;ttings...</source>
        <extracomment>The File menu&apos;s entry that opens the Settings window; its letter is used by no other entry.</extracomment>
        <translation>&amp;Ustawienia…</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Zapisz &amp;jako…</translation>
    </message>
    <message>
        <source>Game &amp;Log</source>
        <extracomment>Opens the window with the game&apos;s log, the race chart and the players&apos; statistics.</extracomment>
        <translation>&amp;Dziennik gry</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Join Game...</source>
        <extracomment>Asks for an invitation from a player on another computer and joins that player&apos;s game.</extracomment>
        <translation>Dołącz do &amp;gry…</translation>
    </message>
    <message>
        <source>&amp;Invite Players...</source>
        <extracomment>Opens the window that gives seats to players on other computers and shows their invitations.</extracomment>
        <translation>Zaproś gra&amp;czy…</translation>
    </message>
</context>
<context>
    <name>vantry::QtPrompter</name>
    <message>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>vantry::RaceChart</name>
    <message>
        <source>Race chart</source>
        <extracomment>What a screen reader calls the chart of every seat&apos;s square after each move.</extracomment>
        <translation>Wykres wyścigu</translation>
    </message>
    <message>
        <source>No counter has moved yet.</source>
        <translation>Żaden pionek jeszcze się nie ruszył.</translation>
    </message>
    <message numerus="yes">
        <source>%1 has won, %n squares ahead of %2.</source>
        <translation>
            <numerusform>Zwycięzca: %1, z przewagą %n pola nad graczem %2.</numerusform>
            <numerusform>Zwycięzca: %1, z przewagą %n pól nad graczem %2.</numerusform>
            <numerusform>Zwycięzca: %1, z przewagą %n pól nad graczem %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has won.</source>
        <translation>Zwycięzca: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 leads on square %2, %n squares ahead of %3.</source>
        <translation>
            <numerusform>%1 prowadzi na polu %2 z przewagą %n pola nad graczem %3.</numerusform>
            <numerusform>%1 prowadzi na polu %2 z przewagą %n pól nad graczem %3.</numerusform>
            <numerusform>%1 prowadzi na polu %2 z przewagą %n pól nad graczem %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other players share the lead on square %2.</source>
        <translation>
            <numerusform>%1 i %n inny gracz dzielą prowadzenie na polu %2.</numerusform>
            <numerusform>%1 i %n innych graczy dzielą prowadzenie na polu %2.</numerusform>
            <numerusform>%1 i %n innych graczy dzielą prowadzenie na polu %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantry::StatisticsPane</name>
    <message>
        <source>Players&apos; statistics</source>
        <extracomment>What a screen reader calls the table of every player&apos;s figures.</extracomment>
        <translation>Statystyki graczy</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Column heading: the player&apos;s name.</extracomment>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>Games</source>
        <extracomment>Column heading: how many games the player finished.</extracomment>
        <translation>Gry</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Column heading: how many games the player won.</extracomment>
        <translation>Wygrane</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <extracomment>Column heading: the fewest moves the player needed for a win.</extracomment>
        <translation>Najmniej ruchów</translation>
    </message>
    <message>
        <source>Average moves</source>
        <extracomment>Column heading: the average moves of the player&apos;s wins.</extracomment>
        <translation>Średnio ruchów</translation>
    </message>
    <message>
        <source>Ladders</source>
        <extracomment>Column heading: how many ladders the player climbed.</extracomment>
        <translation>Drabiny</translation>
    </message>
    <message>
        <source>Snakes</source>
        <extracomment>Column heading: how many snakes the player met.</extracomment>
        <translation>Węże</translation>
    </message>
    <message>
        <source>No game has been finished yet.</source>
        <translation>Nie ukończono jeszcze żadnej gry.</translation>
    </message>
    <message>
        <source>Clear S&amp;tatistics...</source>
        <extracomment>Button: removes every player&apos;s statistics, after asking.</extracomment>
        <translation>Wy&amp;czyść statystyki...</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n games finished, no wins, ladders: %2, snakes: %3</source>
        <translation>
            <numerusform>%1: %n ukończona gra, bez wygranych, drabiny: %2, węże: %3</numerusform>
            <numerusform>%1: %n ukończone gry, bez wygranych, drabiny: %2, węże: %3</numerusform>
            <numerusform>%1: %n ukończonych gier, bez wygranych, drabiny: %2, węże: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n games finished, wins: %2, fewest moves: %3, average moves: %4, ladders: %5, snakes: %6</source>
        <translation>
            <numerusform>%1: %n ukończona gra, wygrane: %2, najmniej ruchów: %3, średnio ruchów: %4, drabiny: %5, węże: %6</numerusform>
            <numerusform>%1: %n ukończone gry, wygrane: %2, najmniej ruchów: %3, średnio ruchów: %4, drabiny: %5, węże: %6</numerusform>
            <numerusform>%1: %n ukończonych gier, wygrane: %2, najmniej ruchów: %3, średnio ruchów: %4, drabiny: %5, węże: %6</numerusform>
        </translation>
    </message>
    <message>
        <source>Do you want to clear the statistics of every player?</source>
        <translation>Czy chcesz wyczyścić statystyki wszystkich graczy?</translation>
    </message>
</context>
<context>
    <name>vantry::frmAbout</name>
    <message>
        <source>Written by</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Griphics:</source>
        <translation>Grafika:</translation>
    </message>
    <message>
        <source>This copy is licensed to:</source>
        <translation>Licencjobiorca tej kopii:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię i nazwisko</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Published by</source>
        <translation>Wydawca</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>3rd Edition</source>
        <translation>Wydanie III</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>W-site: %1</source>
        <translation>WWW: %1</translation>
    </message>
    <message>
        <source>Vantry - About</source>
        <translation>Vantry - O programie</translation>
    </message>
</context>
<context>
    <name>vantry::frmInvite</name>
    <message>
        <source>Vantry - Invite Players</source>
        <translation>Vantry - Zaproś graczy</translation>
    </message>
    <message>
        <source>Each seat ticked here is played from another computer. Send its player the invitation beside it; the last one lets someone watch the game.</source>
        <translation>Każdym zaznaczonym tu graczem kieruje ktoś z innego komputera. Wyślij mu zaproszenie obok; ostatnie pozwala komuś oglądać grę.</translation>
    </message>
    <message>
        <source>%1 plays from another computer</source>
        <extracomment>A seat&apos;s tick box in the invitations window; %1 is the seat&apos;s name as on the board.</extracomment>
        <translation>%1 gra z innego komputera</translation>
    </message>
    <message>
        <source>Invitation for %1</source>
        <extracomment>The accessible name of the box holding a seat&apos;s invitation; %1 is the seat&apos;s name.</extracomment>
        <translation>Zaproszenie dla: %1</translation>
    </message>
    <message>
        <source>To watch:</source>
        <extracomment>The label before the invitation that lets someone watch the game without playing.</extracomment>
        <translation>Do oglądania:</translation>
    </message>
    <message>
        <source>Invitation to watch</source>
        <translation>Zaproszenie do oglądania</translation>
    </message>
    <message>
        <source>The game could not be hosted: this computer could not open a network port for it.</source>
        <translation>Nie udało się udostępnić gry: ten komputer nie mógł otworzyć dla niej portu sieciowego.</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Copies an invitation to the clipboard, to paste it into a mail or a chat.</extracomment>
        <translation>Kopiuj</translation>
    </message>
</context>
<context>
    <name>vantry::frmLog</name>
    <message>
        <source>Vantry - Game Log</source>
        <translation>Vantry - Dziennik gry</translation>
    </message>
    <message>
        <source>Game log</source>
        <extracomment>What a screen reader calls the list of the game&apos;s events.</extracomment>
        <translation>Dziennik gry</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <extracomment>The tab of the game log window that lists every event of the game.</extracomment>
        <translation>&amp;Dziennik</translation>
    </message>
    <message>
        <source>&amp;Race</source>
        <extracomment>The tab of the game log window with the chart of the race.</extracomment>
        <translation>&amp;Wyścig</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <extracomment>The tab of the game log window with every player&apos;s statistics.</extracomment>
        <translation>&amp;Statystyki</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <extracomment>Button: copies every line of the game log to the clipboard.</extracomment>
        <translation>&amp;Kopiuj wszystko</translation>
    </message>
    <message>
        <source>Copies every line of the log as text.</source>
        <translation>Kopiuje wszystkie wiersze dziennika jako tekst.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: closes the game log window.</extracomment>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>S&amp;ay:</source>
        <extracomment>The label in front of the box where a player types a line of chat to everyone at the table.</extracomment>
        <translation>&amp;Napisz:</translation>
    </message>
    <message>
        <source>Chat to everyone at the table</source>
        <extracomment>The screen reader&apos;s name for the box where a player types a line of chat.</extracomment>
        <translation>Wiadomość do wszystkich przy stole</translation>
    </message>
    <message>
        <source>Enter sends the line to every player and watcher of the game.</source>
        <translation>Enter wysyła wiersz do wszystkich graczy i widzów gry.</translation>
    </message>
</context>
<context>
    <name>vantry::frmMain</name>
    <message>
        <source>%1 Wins!</source>
        <translation>%1 wygrywa!</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line of the standings after a win: %1 a player&apos;s name, %2 the square its counter stands on.</extracomment>
        <translation>%1: pole %2</translation>
    </message>
</context>
<context>
    <name>vantry::frmNew</name>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>The computer plays this seat</source>
        <translation>Tym graczem kieruje komputer</translation>
    </message>
    <message>
        <source>A person plays this seat</source>
        <translation>Tym graczem kieruje człowiek</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Imię:</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Graj</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Losuj</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>Vantry - New Game</source>
        <translation>Vantry - Nowa gra</translation>
    </message>
    <message>
        <source>Red seat: computer</source>
        <translation>Gracz czerwony: komputer</translation>
    </message>
    <message>
        <source>Blue seat: computer</source>
        <translation>Gracz niebieski: komputer</translation>
    </message>
    <message>
        <source>Yellow seat: computer</source>
        <translation>Gracz żółty: komputer</translation>
    </message>
    <message>
        <source>Green seat: computer</source>
        <translation>Gracz zielony: komputer</translation>
    </message>
    <message>
        <source>Red seat: person</source>
        <translation>Gracz czerwony: człowiek</translation>
    </message>
    <message>
        <source>Blue seat: person</source>
        <translation>Gracz niebieski: człowiek</translation>
    </message>
    <message>
        <source>Yellow seat: person</source>
        <translation>Gracz żółty: człowiek</translation>
    </message>
    <message>
        <source>Green seat: person</source>
        <translation>Gracz zielony: człowiek</translation>
    </message>
    <message>
        <source>Red seat name</source>
        <translation>Imię gracza czerwonego</translation>
    </message>
    <message>
        <source>Blue seat name</source>
        <translation>Imię gracza niebieskiego</translation>
    </message>
    <message>
        <source>Yellow seat name</source>
        <translation>Imię gracza żółtego</translation>
    </message>
    <message>
        <source>Green seat name</source>
        <translation>Imię gracza zielonego</translation>
    </message>
    <message>
        <source>Red seat: a player on another computer</source>
        <translation>Gracz czerwony: człowiek na innym komputerze</translation>
    </message>
    <message>
        <source>Blue seat: a player on another computer</source>
        <translation>Gracz niebieski: człowiek na innym komputerze</translation>
    </message>
    <message>
        <source>Yellow seat: a player on another computer</source>
        <translation>Gracz żółty: człowiek na innym komputerze</translation>
    </message>
    <message>
        <source>Green seat: a player on another computer</source>
        <translation>Gracz zielony: człowiek na innym komputerze</translation>
    </message>
    <message>
        <source>On another &amp;computer</source>
        <extracomment>A check box in each seat&apos;s group of the new-game dialog; ticked, a person on another computer plays the seat.</extracomment>
        <translation>Na innym &amp;komputerze</translation>
    </message>
    <message>
        <source>A player on another computer plays this seat. Starting the game hosts it and shows the invitation to send.</source>
        <translation>Ten gracz gra na innym komputerze. Po rozpoczęciu gry ten komputer ją udostępnia i pokazuje zaproszenie do wysłania.</translation>
    </message>
</context>
<context>
    <name>vantry::frmRec</name>
    <message>
        <source>P</source>
        <comment>heading of the places column</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ruchy</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Vantry - Best Players</source>
        <translation>Vantry - Najlepsi gracze</translation>
    </message>
    <message>
        <source>The best players could not be stored in %1: %2.</source>
        <extracomment>%1 is the settings file, %2 why it could not be written (&quot;the file is read-only&quot;).</extracomment>
        <translation>Nie udało się zapisać listy najlepszych graczy w pliku %1: %2.</translation>
    </message>
    <message>
        <source>%1, %2, moves: %3</source>
        <extracomment>A row of the best players read aloud: %1 the place (1 to 10), %2 the name, %3 the count as stored.</extracomment>
        <translation>%1, %2, ruchy: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %n moves</source>
        <extracomment>A row of the best players read aloud: %1 the place (1 to 10), %2 the name, %n the moves.</extracomment>
        <translation>
            <numerusform>%1, %2, %n ruch</numerusform>
            <numerusform>%1, %2, %n ruchy</numerusform>
            <numerusform>%1, %2, %n ruchów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 Moves = %n</source>
        <extracomment>The winner&apos;s result: %1 the winner&apos;s name, %n the moves of the game.</extracomment>
        <translation>
            <numerusform>%1 – %n ruch</numerusform>
            <numerusform>%1 – %n ruchy</numerusform>
            <numerusform>%1 – %n ruchów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantry::frmSettings</name>
    <message>
        <source>Vantry - Settings</source>
        <translation>Vantry - Ustawienia</translation>
    </message>
    <message>
        <source>Show each seat&apos;s &amp;mark on its counter and name</source>
        <translation>Pokazuj &amp;znak każdego gracza na pionku i przy imieniu</translation>
    </message>
    <message>
        <source>Counters &amp;travel square by square and the die rolls</source>
        <translation>&amp;Pionki przesuwają się pole po polu, a kostka się toczy</translation>
    </message>
    <message>
        <source>Computer&apos;s &amp;pace:</source>
        <extracomment>Label of the list of paces at which the computer&apos;s seats throw and move.</extracomment>
        <translation>&amp;Tempo komputera:</translation>
    </message>
    <message>
        <source>Relaxed (a step a second)</source>
        <extracomment>A pace of the computer&apos;s seats: one step (a throw or a move) a second.</extracomment>
        <translation>Spokojne (jeden krok na sekundę)</translation>
    </message>
    <message>
        <source>As designed (a step every half second)</source>
        <extracomment>A pace of the computer&apos;s seats: the game&apos;s own, one step every half second.</extracomment>
        <translation>Standardowe (jeden krok co pół sekundy)</translation>
    </message>
    <message>
        <source>Brisk (four steps a second)</source>
        <extracomment>A pace of the computer&apos;s seats: four steps a second.</extracomment>
        <translation>Szybkie (cztery kroki na sekundę)</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Dźwięk</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Głośność:</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>The volume as a percentage; %1 is a whole number from 0 to 100.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Język:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <extracomment>The first choice of the language list: whichever language the desktop is set to.</extracomment>
        <translation>Język systemu</translation>
    </message>
    <message>
        <source>A new language is used from the next start of Vantry.</source>
        <translation>Nowy język zacznie obowiązywać od następnego uruchomienia Vantry.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Za&amp;mknij</translation>
    </message>
    <message>
        <source>Your settings could not be stored in %1: %2. They hold until Vantry is closed.</source>
        <translation>Nie udało się zapisać ustawień w pliku %1: %2. Obowiązują do zamknięcia Vantry.</translation>
    </message>
    <message>
        <source>Playing through an XMPP server</source>
        <extracomment>The heading over the XMPP account&apos;s boxes in the Settings window.</extracomment>
        <translation>Gra przez serwer XMPP</translation>
    </message>
    <message>
        <source>XMPP &amp;address:</source>
        <extracomment>The box of the player&apos;s XMPP address, such as name@example.org.</extracomment>
        <translation>Adres &amp;XMPP:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Hasło:</translation>
    </message>
    <message>
        <source>Se&amp;rver:</source>
        <extracomment>The box of where the XMPP server listens, needed only when its address does not say.</extracomment>
        <translation>Se&amp;rwer:</translation>
    </message>
    <message>
        <source>Found from the address</source>
        <extracomment>Shown in the empty server box: the server is found from the XMPP address.</extracomment>
        <translation>Ustalany na podstawie adresu</translation>
    </message>
    <message>
        <source>Cr&amp;eate Account</source>
        <translation>&amp;Utwórz konto</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s keyring.</source>
        <translation>Hasło jest przechowywane w pęku kluczy pulpitu.</translation>
    </message>
    <message>
        <source>The account %1 was made.</source>
        <extracomment>%1 is the XMPP address just made on its server.</extracomment>
        <translation>Konto %1 zostało utworzone.</translation>
    </message>
    <message>
        <source>A hosted game then also opens a port, for players who can reach this computer, such as those at home. Unticked, a game hosted with the account opens no port, and every player joins through the server.</source>
        <translation>Udostępniona gra otwiera wtedy także port dla graczy, którzy mogą dotrzeć do tego komputera, na przykład domowników. Bez zaznaczenia gra udostępniona z kontem nie otwiera żadnego portu i wszyscy dołączają przez serwer.</translation>
    </message>
    <message>
        <source>Also let players reach this computer &amp;directly</source>
        <translation>Pozwól też łączyć się z tym komputerem &amp;bezpośrednio</translation>
    </message>
</context>
</TS>
