<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutValues</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>red</source>
        <translation>rosso</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blu</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>giallo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>%1&apos;s turn, computer</source>
        <translation>Tocca a %1, computer</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>Tocca a %1</translation>
    </message>
    <message>
        <source>%1 throws %2</source>
        <translation>%1 tira un %2</translation>
    </message>
    <message>
        <source>%1 moves from the start to %2</source>
        <extracomment>%1 is a player&apos;s name; %2 a square of the board.</extracomment>
        <translation>%1 va dalla partenza alla casella %2</translation>
    </message>
    <message>
        <source>%1 moves from %2 to %3</source>
        <extracomment>%1 is a player&apos;s name; %2 and %3 squares of the board.</extracomment>
        <translation>%1 va dalla casella %2 alla %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 wins in %n moves</source>
        <translation>
            <numerusform>%1 vince in %n mossa</numerusform>
            <numerusform>%1 vince in %n mosse</numerusform>
        </translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>Partita aperta: %1</translation>
    </message>
    <message>
        <source>computer</source>
        <extracomment>Who plays a seat, said after its name and colour in the reading of the board.</extracomment>
        <translation>computer</translation>
    </message>
    <message>
        <source>person</source>
        <extracomment>Who plays a seat, said after its name and colour: a human player, not &quot;nobody&quot;.</extracomment>
        <translation>persona</translation>
    </message>
    <message>
        <source>%1, %2, %3, at the start</source>
        <translation>%1, %2, %3, alla partenza</translation>
    </message>
    <message>
        <source>%1, %2, %3, on square %4</source>
        <translation>%1, %2, %3, sulla casella %4</translation>
    </message>
    <message>
        <source>%1 has won</source>
        <translation>%1 ha vinto</translation>
    </message>
    <message>
        <source>%1 moves from the start to %2, ladder up to %3</source>
        <extracomment>%1 is a player&apos;s name; %2 the square the throw reached, the foot of a ladder; %3 its top.</extracomment>
        <translation>%1 va dalla partenza alla casella %2 e sale la scala fino alla %3</translation>
    </message>
    <message>
        <source>%1 moves from %2 to %3, ladder up to %4</source>
        <extracomment>%1 is a player&apos;s name; %2 and %3 squares; %4 the top of the ladder on square %3.</extracomment>
        <translation>%1 va dalla casella %2 alla %3 e sale la scala fino alla %4</translation>
    </message>
    <message>
        <source>%1 moves from the start to %2, snake down to %3</source>
        <extracomment>%1 is a player&apos;s name; %2 the square the throw reached, a snake&apos;s head; %3 its tail.</extracomment>
        <translation>%1 va dalla partenza alla casella %2 e scende lungo il serpente fino alla %3</translation>
    </message>
    <message>
        <source>%1 moves from %2 to %3, snake down to %4</source>
        <extracomment>%1 is a player&apos;s name; %2 and %3 squares; %4 the tail of the snake on square %3.</extracomment>
        <translation>%1 va dalla casella %2 alla %3 e scende lungo il serpente fino alla %4</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Invitation:</source>
        <extracomment>The label over the box where a player pastes an invitation, a vantry:// link.</extracomment>
        <translation>Invito:</translation>
    </message>
    <message>
        <source>This copy of the game cannot play across computers: its network module is missing.</source>
        <translation>Questa copia del gioco non può giocare tra computer diversi: manca il suo modulo di rete.</translation>
    </message>
    <message>
        <source>This desktop has no keyring to keep the password in, so the game asks for it each time it signs in.</source>
        <translation>Questo desktop non ha un portachiavi in cui conservare la password, quindi il gioco la chiede a ogni accesso.</translation>
    </message>
</context>
<context>
    <name>BoardDescriptions</name>
    <message>
        <source>Go</source>
        <extracomment>The name a screen reader gives the button that moves the counter thrown for; its caption on the board.</extracomment>
        <translation>Vai</translation>
    </message>
    <message>
        <source>File menu</source>
        <translation>Menu File</translation>
    </message>
    <message>
        <source>computer</source>
        <extracomment>Said of a name on the board after the name and colour: the computer plays this seat.</extracomment>
        <translation>computer</translation>
    </message>
    <message>
        <source>winner</source>
        <extracomment>Said of a name on the board after the name and colour: this seat has won.</extracomment>
        <translation>vincitore</translation>
    </message>
    <message>
        <source>to play</source>
        <extracomment>Said of a name on the board after the name and colour: this seat is on turn.</extracomment>
        <translation>di turno</translation>
    </message>
    <message>
        <source>Red counter at the start</source>
        <translation>Pedina rossa alla partenza</translation>
    </message>
    <message>
        <source>Blue counter at the start</source>
        <translation>Pedina blu alla partenza</translation>
    </message>
    <message>
        <source>Yellow counter at the start</source>
        <translation>Pedina gialla alla partenza</translation>
    </message>
    <message>
        <source>Green counter at the start</source>
        <translation>Pedina verde alla partenza</translation>
    </message>
    <message>
        <source>Red counter on square %1</source>
        <translation>Pedina rossa sulla casella %1</translation>
    </message>
    <message>
        <source>Blue counter on square %1</source>
        <translation>Pedina blu sulla casella %1</translation>
    </message>
    <message>
        <source>Yellow counter on square %1</source>
        <translation>Pedina gialla sulla casella %1</translation>
    </message>
    <message>
        <source>Green counter on square %1</source>
        <translation>Pedina verde sulla casella %1</translation>
    </message>
    <message>
        <source>Move the red counter</source>
        <translation>Muovi la pedina rossa</translation>
    </message>
    <message>
        <source>Move the blue counter</source>
        <translation>Muovi la pedina blu</translation>
    </message>
    <message>
        <source>Move the yellow counter</source>
        <translation>Muovi la pedina gialla</translation>
    </message>
    <message>
        <source>Move the green counter</source>
        <translation>Muovi la pedina verde</translation>
    </message>
    <message>
        <source>Die, click to throw</source>
        <translation>Dado, fai clic per lanciare</translation>
    </message>
    <message>
        <source>Die, showing %1</source>
        <translation>Dado, mostra %1</translation>
    </message>
    <message>
        <source>on another computer</source>
        <extracomment>Said of a name on the board after the name and colour: a player on another computer plays it.</extracomment>
        <translation>su un altro computer</translation>
    </message>
    <message>
        <source>away</source>
        <extracomment>Said of a name on the board: the other computer that plays this seat has lost its connection.</extracomment>
        <translation>assente</translation>
    </message>
</context>
<context>
    <name>BoardWidgets</name>
    <message>
        <source>Go</source>
        <extracomment>The caption of the board&apos;s button that moves the counter after a throw; 41 pixels wide.</extracomment>
        <translation>Vai</translation>
    </message>
    <message>
        <source>Click</source>
        <extracomment>The caption on the die before the first throw, asking to click it; it must fit the small face.</extracomment>
        <translation>Clic</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>the word on the File menu&apos;s button</comment>
        <translation>FILE</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>vantry: unknown option &apos;%1&apos;
Try &apos;vantry --help&apos; for more information.</source>
        <translation>vantry: opzione sconosciuta «%1»
Usa «vantry --help» per maggiori informazioni.</translation>
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
        <translation>Uso: vantry [FILE]
Gioca a Vantry, una corsa tra scale e serpenti per quattro giocatori al massimo.
Con FILE apre quella partita salvata (un file .vty) e la prosegue; senza, parte
dalla finestra della nuova partita.

  -h, --help     mostra questo aiuto ed esce
      --version  mostra la versione ed esce
      --         considera ogni argomento successivo come parte di FILE

Un FILE dato in più argomenti viene ricomposto con singoli spazi.
Con VANTRY_NO_TRAVEL=1 nell’ambiente le pedine saltano sulla loro casella
invece di percorrere il tragitto.

Sul tabellone: Spazio lancia il dado; Invio muove, o preme il controllo che ha
il focus; Tab va dal dado alle pedine, a Vai e a FILE; B legge tutto il
tabellone ad alta voce con un lettore di schermo.
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
Le impostazioni (nel menu File, o Ctrl+virgola sul tabellone) attivano o
disattivano i contrassegni dei posti, il movimento delle pedine e il suono, e
regolano ritmo del computer, volume e lingua; restano per il prossimo avvio.
VANTRY_NO_TRAVEL=1 toglie il movimento qualunque cosa dicano le impostazioni.
</translation>
    </message>
    <message>
        <source>F11 shows the board on the whole screen, and Escape leaves it.
</source>
        <translation>F11 mostra il tabellone a schermo intero ed Esc ne esce.
</translation>
    </message>
    <message>
        <source>vantry: the game could not be hosted</source>
        <translation>vantry: impossibile ospitare la partita</translation>
    </message>
    <message>
        <source>vantry: --host needs the saved game to host
Try &apos;vantry --help&apos; for more information.</source>
        <translation>vantry: --host richiede la partita salvata da ospitare
Usa «vantry --help» per maggiori informazioni.</translation>
    </message>
    <message>
        <source>--host FILE hosts it and prints the invitations; vantry://... joins one.
</source>
        <translation>--host FILE ospita la partita e mostra gli inviti; vantry://... ne accetta uno.
</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Vantry - Untitled</source>
        <translation>Vantry - Senza titolo</translation>
    </message>
    <message>
        <source>Vantry Game Files (*.vty)</source>
        <translation>Partite salvate di Vantry (*.vty)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>The game could not be opened from &quot;%1&quot;.

%2</source>
        <translation>Non è stato possibile aprire la partita da «%1».

%2</translation>
    </message>
    <message>
        <source>Do you want to save your game?</source>
        <translation>Vuoi salvare la tua partita?</translation>
    </message>
    <message>
        <source>Do you want to save changes on your game?</source>
        <translation>Vuoi salvare le modifiche alla tua partita?</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;.

%2</source>
        <translation>Non è stato possibile salvare la partita in «%1».

%2</translation>
    </message>
</context>
<context>
    <name>GuestTable</name>
    <message>
        <source>This seat is already played from another computer.</source>
        <translation>In questo posto gioca già qualcuno da un altro computer.</translation>
    </message>
    <message>
        <source>The host has no room for another player or watcher.</source>
        <translation>L’host non può accogliere altri giocatori né spettatori.</translation>
    </message>
    <message>
        <source>This is not an invitation to a game. An invitation begins with vantry:// and works only when it is copied whole, without a character changed.</source>
        <translation>Questo non è un invito a una partita. Un invito inizia con vantry:// e funziona solo se viene copiato per intero, senza cambiare alcun carattere.</translation>
    </message>
    <message>
        <source>The host has stopped hosting the game. The game stays on the board, and you can save it.</source>
        <translation>L’host ha smesso di ospitare la partita. La partita resta sul tabellone e puoi salvarla.</translation>
    </message>
    <message>
        <source>The host has ended the game. The game stays on the board, and you can save it.</source>
        <translation>L’host ha chiuso la partita. La partita resta sul tabellone e puoi salvarla.</translation>
    </message>
    <message>
        <source>The host speaks version %1 of the game&apos;s network protocol and this copy speaks version %2, so they cannot play together. Both players need the same version of the game.</source>
        <extracomment>%1 and %2 are version numbers of the way two copies of the game talk over the network.</extracomment>
        <translation>L’host usa la versione %1 del protocollo di rete del gioco e questa copia la versione %2, quindi non possono giocare insieme. Entrambi i giocatori hanno bisogno della stessa versione del gioco.</translation>
    </message>
    <message>
        <source>The invitation opens no seat of this game: it was changed, or the host has taken the seat back. Ask the host for a new invitation.</source>
        <translation>L’invito non apre nessun posto di questa partita: è stato modificato, oppure l’host ha ripreso il posto. Chiedi all’host un nuovo invito.</translation>
    </message>
    <message>
        <source>The computer that answered is not the host that sent the invitation, so this copy did not join.</source>
        <translation>Il computer che ha risposto non è l’host che ha mandato l’invito, quindi questa copia non si è unita alla partita.</translation>
    </message>
</context>
<context>
    <name>HostTable</name>
    <message>
        <source>%1 has been away for a minute. Shall the computer play for %1 until %1 is back?</source>
        <translation>%1 è assente da un minuto. Vuoi che il computer giochi per %1 finché %1 non torna?</translation>
    </message>
</context>
<context>
    <name>NewGameSetup</name>
    <message>
        <source>Select</source>
        <extracomment>The prompt in a computer seat&apos;s name list until a name is chosen from it.</extracomment>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>Please Select the Name!</source>
        <translation>Scegli il nome, per favore!</translation>
    </message>
    <message>
        <source>Please type the Name!</source>
        <translation>Scrivi il nome, per favore!</translation>
    </message>
    <message>
        <source>A name cannot begin with a double quote (&quot;).</source>
        <translation>Un nome non può iniziare con le virgolette doppie (&quot;).</translation>
    </message>
    <message>
        <source>A name with a comma or a leading blank cannot also hold a double quote (&quot;).</source>
        <translation>Un nome con una virgola o che inizia con uno spazio non può contenere anche le virgolette doppie (&quot;).</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>It ends after %1 of the %2 fields of a saved game.</source>
        <translation>Il file finisce dopo %1 dei %2 campi di una partita salvata.</translation>
    </message>
    <message>
        <source>It is larger than 1 MiB, so it is not a saved game.</source>
        <translation>Il file supera 1 MiB, quindi non è una partita salvata.</translation>
    </message>
    <message>
        <source>It is a directory, not a regular file.</source>
        <translation>È una cartella, non un file normale.</translation>
    </message>
    <message>
        <source>It is a named pipe, not a regular file.</source>
        <translation>È una pipe con nome, non un file normale.</translation>
    </message>
    <message>
        <source>It is a device, not a regular file.</source>
        <translation>È un dispositivo, non un file normale.</translation>
    </message>
    <message>
        <source>It is a socket, not a regular file.</source>
        <translation>È un socket, non un file normale.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Non è un file normale.</translation>
    </message>
</context>
<context>
    <name>SaveRecord</name>
    <message>
        <source>The kind of the Red seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>Il tipo del posto rosso è «%1», ma deve essere True, False o un numero.</translation>
    </message>
    <message>
        <source>The move count of Red is %1, but it must be from %2 to %3.</source>
        <translation>Il numero di mosse del rosso è %1, ma deve essere compreso tra %2 e %3.</translation>
    </message>
    <message>
        <source>The square of Red is %1, but the board has squares 1 to 100.</source>
        <translation>La casella del rosso è %1, ma il tabellone ha le caselle da 1 a 100.</translation>
    </message>
    <message>
        <source>The move count of Red reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Il numero di mosse del rosso è «%1», che non è un numero intero da -32768 a 32767.</translation>
    </message>
    <message>
        <source>The square of Red reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>La casella del rosso è «%1», che non è un numero intero da -32768 a 32767.</translation>
    </message>
    <message>
        <source>The kind of the Blue seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>Il tipo del posto blu è «%1», ma deve essere True, False o un numero.</translation>
    </message>
    <message>
        <source>The move count of Blue is %1, but it must be from %2 to %3.</source>
        <translation>Il numero di mosse del blu è %1, ma deve essere compreso tra %2 e %3.</translation>
    </message>
    <message>
        <source>The square of Blue is %1, but the board has squares 1 to 100.</source>
        <translation>La casella del blu è %1, ma il tabellone ha le caselle da 1 a 100.</translation>
    </message>
    <message>
        <source>The move count of Blue reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Il numero di mosse del blu è «%1», che non è un numero intero da -32768 a 32767.</translation>
    </message>
    <message>
        <source>The square of Blue reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>La casella del blu è «%1», che non è un numero intero da -32768 a 32767.</translation>
    </message>
    <message>
        <source>The kind of the Yellow seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>Il tipo del posto giallo è «%1», ma deve essere True, False o un numero.</translation>
    </message>
    <message>
        <source>The move count of Yellow is %1, but it must be from %2 to %3.</source>
        <translation>Il numero di mosse del giallo è %1, ma deve essere compreso tra %2 e %3.</translation>
    </message>
    <message>
        <source>The square of Yellow is %1, but the board has squares 1 to 100.</source>
        <translation>La casella del giallo è %1, ma il tabellone ha le caselle da 1 a 100.</translation>
    </message>
    <message>
        <source>The move count of Yellow reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Il numero di mosse del giallo è «%1», che non è un numero intero da -32768 a 32767.</translation>
    </message>
    <message>
        <source>The square of Yellow reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>La casella del giallo è «%1», che non è un numero intero da -32768 a 32767.</translation>
    </message>
    <message>
        <source>The kind of the Green seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>Il tipo del posto verde è «%1», ma deve essere True, False o un numero.</translation>
    </message>
    <message>
        <source>The move count of Green is %1, but it must be from %2 to %3.</source>
        <translation>Il numero di mosse del verde è %1, ma deve essere compreso tra %2 e %3.</translation>
    </message>
    <message>
        <source>The square of Green is %1, but the board has squares 1 to 100.</source>
        <translation>La casella del verde è %1, ma il tabellone ha le caselle da 1 a 100.</translation>
    </message>
    <message>
        <source>The move count of Green reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Il numero di mosse del verde è «%1», che non è un numero intero da -32768 a 32767.</translation>
    </message>
    <message>
        <source>The square of Green reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>La casella del verde è «%1», che non è un numero intero da -32768 a 32767.</translation>
    </message>
    <message>
        <source>The player on turn reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Il giocatore di turno è «%1», che non è un numero intero da -32768 a 32767.</translation>
    </message>
    <message>
        <source>The player on turn is %1, but it must be from %2 to %3.</source>
        <translation>Il giocatore di turno è %1, ma deve essere compreso tra %2 e %3.</translation>
    </message>
</context>
<context>
    <name>StatisticsKeeper</name>
    <message>
        <source>The players&apos; statistics could not be stored in %1: %2.</source>
        <translation>Non è stato possibile salvare le statistiche dei giocatori in %1: %2.</translation>
    </message>
</context>
<context>
    <name>TableNews</name>
    <message>
        <source>The connection to the host is lost. This copy keeps trying to reach it</source>
        <translation>La connessione con l’host si è interrotta. Questa copia continua a provare a raggiungerlo</translation>
    </message>
    <message>
        <source>This copy is back at the host&apos;s game</source>
        <translation>Questa copia è di nuovo nella partita dell’host</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>The host</source>
        <extracomment>Who wrote a line of chat: the computer that hosts the game.</extracomment>
        <translation>L’host</translation>
    </message>
    <message>
        <source>A watcher</source>
        <extracomment>Who wrote a line of chat: someone who watches the game and plays no seat.</extracomment>
        <translation>Uno spettatore</translation>
    </message>
    <message>
        <source>%1 says: %2</source>
        <extracomment>A line of chat in the game log and as the screen reader says it: %1 is who wrote it, %2 the line.</extracomment>
        <translation>%1 dice: %2</translation>
    </message>
    <message>
        <source>%1 has lost the connection to the game</source>
        <translation>%1 ha perso la connessione alla partita</translation>
    </message>
    <message>
        <source>%1 is back in the game</source>
        <translation>%1 è tornato/a nella partita</translation>
    </message>
    <message numerus="yes">
        <source>A watcher has joined: %n watching the game</source>
        <translation>
            <numerusform>È arrivato uno spettatore: %n persona guarda la partita</numerusform>
            <numerusform>È arrivato uno spettatore: %n persone guardano la partita</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A watcher has left: %n watching the game</source>
        <translation>
            <numerusform>Uno spettatore se n’è andato: %n persona guarda la partita</numerusform>
            <numerusform>Uno spettatore se n’è andato: %n persone guardano la partita</numerusform>
        </translation>
    </message>
    <message>
        <source>This invitation reaches the host only through an XMPP server. Set up your XMPP account in the Settings window, then join again.</source>
        <translation>Questo invito raggiunge l’host solo tramite un server XMPP. Configura il tuo account XMPP nella finestra Impostazioni, poi unisciti di nuovo.</translation>
    </message>
</context>
<context>
    <name>UserStore</name>
    <message>
        <source>a folder stands where the file should be</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>al posto del file c’è una cartella</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>il file è di sola lettura</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>non è possibile creare la sua cartella</translation>
    </message>
    <message>
        <source>its folder is read-only</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>la sua cartella è di sola lettura</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>non è stato possibile scriverlo</translation>
    </message>
    <message numerus="yes">
        <source>its lock file %1 could not be taken within %n seconds</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;. The lock file is the settings file&apos;s name with &quot;.lock&quot; added; another copy of the game holds it while it writes.</extracomment>
        <translation>
            <numerusform>non è stato possibile ottenere il suo file di blocco %1 entro %n secondo</numerusform>
            <numerusform>non è stato possibile ottenere il suo file di blocco %1 entro %n secondi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowPlace</name>
    <message>
        <source>The window&apos;s size and place could not be stored in %1: %2.</source>
        <extracomment>%1 is the settings file, %2 why it could not be written (&quot;the file is read-only&quot;).</extracomment>
        <translation>Non è stato possibile salvare dimensioni e posizione della finestra in %1: %2.</translation>
    </message>
</context>
<context>
    <name>XmppAccount</name>
    <message>
        <source>The XMPP server turned down the address %1 with its password. Check them in Settings.</source>
        <translation>Il server XMPP ha rifiutato l’indirizzo %1 con la sua password. Controllali nelle Impostazioni.</translation>
    </message>
    <message>
        <source>The XMPP server of %1 cannot be reached. The game goes on, and this copy keeps trying to sign in.</source>
        <translation>Il server XMPP di %1 non è raggiungibile. La partita continua e questa copia continua a provare ad accedere.</translation>
    </message>
    <message>
        <source>The XMPP server of %1 offers no secure connection this computer trusts, so this copy did not sign in.</source>
        <translation>Il server XMPP di %1 non offre una connessione sicura di cui questo computer si fidi, quindi questa copia non ha effettuato l’accesso.</translation>
    </message>
    <message>
        <source>The XMPP server does not let accounts be made from the game. Make one on the server&apos;s web site, or ask its administrator.</source>
        <translation>Il server XMPP non permette di creare account dal gioco. Creane uno sul sito web del server o chiedi al suo amministratore.</translation>
    </message>
    <message>
        <source>The address %1 is taken already. Choose another name.</source>
        <translation>L’indirizzo %1 è già in uso. Scegli un altro nome.</translation>
    </message>
    <message>
        <source>%1 is not an XMPP address. An address looks like name@example.org.</source>
        <translation>%1 non è un indirizzo XMPP. Un indirizzo ha la forma nome@example.org.</translation>
    </message>
    <message>
        <source>Password of the XMPP account %1:</source>
        <extracomment>The label over the box where the player types the password of an XMPP account; %1 is its address.</extracomment>
        <translation>Password dell’account XMPP %1:</translation>
    </message>
</context>
<context>
    <name>vantry::FileMenu</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Se&amp;ttings...</source>
        <extracomment>The File menu&apos;s entry that opens the Settings window; its letter is used by no other entry.</extracomment>
        <translation>I&amp;mpostazioni...</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;con nome...</translation>
    </message>
    <message>
        <source>Game &amp;Log</source>
        <extracomment>Opens the window with the game&apos;s log, the race chart and the players&apos; statistics.</extracomment>
        <translation>&amp;Registro della partita</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Join Game...</source>
        <extracomment>Asks for an invitation from a player on another computer and joins that player&apos;s game.</extracomment>
        <translation>&amp;Unisciti a una partita...</translation>
    </message>
    <message>
        <source>&amp;Invite Players...</source>
        <extracomment>Opens the window that gives seats to players on other computers and shows their invitations.</extracomment>
        <translation>In&amp;vita giocatori...</translation>
    </message>
</context>
<context>
    <name>vantry::QtPrompter</name>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>vantry::RaceChart</name>
    <message>
        <source>Race chart</source>
        <extracomment>What a screen reader calls the chart of every seat&apos;s square after each move.</extracomment>
        <translation>Grafico della corsa</translation>
    </message>
    <message>
        <source>No counter has moved yet.</source>
        <translation>Nessuna pedina si è ancora mossa.</translation>
    </message>
    <message numerus="yes">
        <source>%1 has won, %n squares ahead of %2.</source>
        <translation>
            <numerusform>%1 ha vinto, %n casella davanti a %2.</numerusform>
            <numerusform>%1 ha vinto, %n caselle davanti a %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has won.</source>
        <translation>%1 ha vinto.</translation>
    </message>
    <message numerus="yes">
        <source>%1 leads on square %2, %n squares ahead of %3.</source>
        <translation>
            <numerusform>%1 è in testa sulla casella %2, %n casella davanti a %3.</numerusform>
            <numerusform>%1 è in testa sulla casella %2, %n caselle davanti a %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other players share the lead on square %2.</source>
        <translation>
            <numerusform>%1 e %n altro giocatore sono in testa insieme sulla casella %2.</numerusform>
            <numerusform>%1 e altri %n giocatori sono in testa insieme sulla casella %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantry::StatisticsPane</name>
    <message>
        <source>Players&apos; statistics</source>
        <extracomment>What a screen reader calls the table of every player&apos;s figures.</extracomment>
        <translation>Statistiche dei giocatori</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Column heading: the player&apos;s name.</extracomment>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Games</source>
        <extracomment>Column heading: how many games the player finished.</extracomment>
        <translation>Partite</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Column heading: how many games the player won.</extracomment>
        <translation>Vittorie</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <extracomment>Column heading: the fewest moves the player needed for a win.</extracomment>
        <translation>Meno mosse</translation>
    </message>
    <message>
        <source>Average moves</source>
        <extracomment>Column heading: the average moves of the player&apos;s wins.</extracomment>
        <translation>Media mosse</translation>
    </message>
    <message>
        <source>Ladders</source>
        <extracomment>Column heading: how many ladders the player climbed.</extracomment>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Snakes</source>
        <extracomment>Column heading: how many snakes the player met.</extracomment>
        <translation>Serpenti</translation>
    </message>
    <message>
        <source>No game has been finished yet.</source>
        <translation>Nessuna partita è stata ancora conclusa.</translation>
    </message>
    <message>
        <source>Clear S&amp;tatistics...</source>
        <extracomment>Button: removes every player&apos;s statistics, after asking.</extracomment>
        <translation>Ca&amp;ncella statistiche...</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n games finished, no wins, ladders: %2, snakes: %3</source>
        <translation>
            <numerusform>%1: %n partita conclusa, nessuna vittoria, scale: %2, serpenti: %3</numerusform>
            <numerusform>%1: %n partite concluse, nessuna vittoria, scale: %2, serpenti: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n games finished, wins: %2, fewest moves: %3, average moves: %4, ladders: %5, snakes: %6</source>
        <translation>
            <numerusform>%1: %n partita conclusa, vittorie: %2, meno mosse: %3, media mosse: %4, scale: %5, serpenti: %6</numerusform>
            <numerusform>%1: %n partite concluse, vittorie: %2, meno mosse: %3, media mosse: %4, scale: %5, serpenti: %6</numerusform>
        </translation>
    </message>
    <message>
        <source>Do you want to clear the statistics of every player?</source>
        <translation>Vuoi cancellare le statistiche di tutti i giocatori?</translation>
    </message>
</context>
<context>
    <name>vantry::frmAbout</name>
    <message>
        <source>Written by</source>
        <translation>Scritto da</translation>
    </message>
    <message>
        <source>Griphics:</source>
        <translation>Grafica:</translation>
    </message>
    <message>
        <source>This copy is licensed to:</source>
        <translation>Copia concessa in licenza a:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Azienda</translation>
    </message>
    <message>
        <source>Published by</source>
        <translation>Pubblicato da</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>3rd Edition</source>
        <translation>3ª edizione</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>W-site: %1</source>
        <translation>Sito: %1</translation>
    </message>
    <message>
        <source>Vantry - About</source>
        <translation>Vantry - Informazioni</translation>
    </message>
</context>
<context>
    <name>vantry::frmInvite</name>
    <message>
        <source>Vantry - Invite Players</source>
        <translation>Vantry - Invita giocatori</translation>
    </message>
    <message>
        <source>Each seat ticked here is played from another computer. Send its player the invitation beside it; the last one lets someone watch the game.</source>
        <translation>Ogni posto spuntato qui si gioca da un altro computer. Manda al suo giocatore l’invito accanto; l’ultimo permette a qualcuno di guardare la partita.</translation>
    </message>
    <message>
        <source>%1 plays from another computer</source>
        <extracomment>A seat&apos;s tick box in the invitations window; %1 is the seat&apos;s name as on the board.</extracomment>
        <translation>%1 gioca da un altro computer</translation>
    </message>
    <message>
        <source>Invitation for %1</source>
        <extracomment>The accessible name of the box holding a seat&apos;s invitation; %1 is the seat&apos;s name.</extracomment>
        <translation>Invito per %1</translation>
    </message>
    <message>
        <source>To watch:</source>
        <extracomment>The label before the invitation that lets someone watch the game without playing.</extracomment>
        <translation>Per guardare:</translation>
    </message>
    <message>
        <source>Invitation to watch</source>
        <translation>Invito per guardare</translation>
    </message>
    <message>
        <source>The game could not be hosted: this computer could not open a network port for it.</source>
        <translation>Non è stato possibile ospitare la partita: questo computer non è riuscito ad aprire una porta di rete.</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Copies an invitation to the clipboard, to paste it into a mail or a chat.</extracomment>
        <translation>Copia</translation>
    </message>
</context>
<context>
    <name>vantry::frmLog</name>
    <message>
        <source>Vantry - Game Log</source>
        <translation>Vantry - Registro della partita</translation>
    </message>
    <message>
        <source>Game log</source>
        <extracomment>What a screen reader calls the list of the game&apos;s events.</extracomment>
        <translation>Registro della partita</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <extracomment>The tab of the game log window that lists every event of the game.</extracomment>
        <translation>&amp;Registro</translation>
    </message>
    <message>
        <source>&amp;Race</source>
        <extracomment>The tab of the game log window with the chart of the race.</extracomment>
        <translation>&amp;Corsa</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <extracomment>The tab of the game log window with every player&apos;s statistics.</extracomment>
        <translation>&amp;Statistiche</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <extracomment>Button: copies every line of the game log to the clipboard.</extracomment>
        <translation>Copia &amp;tutto</translation>
    </message>
    <message>
        <source>Copies every line of the log as text.</source>
        <translation>Copia tutte le righe del registro come testo.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: closes the game log window.</extracomment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>S&amp;ay:</source>
        <extracomment>The label in front of the box where a player types a line of chat to everyone at the table.</extracomment>
        <translation>Scri&amp;vi:</translation>
    </message>
    <message>
        <source>Chat to everyone at the table</source>
        <extracomment>The screen reader&apos;s name for the box where a player types a line of chat.</extracomment>
        <translation>Messaggio a tutti al tavolo</translation>
    </message>
    <message>
        <source>Enter sends the line to every player and watcher of the game.</source>
        <translation>Invio manda la riga a tutti i giocatori e gli spettatori della partita.</translation>
    </message>
</context>
<context>
    <name>vantry::frmMain</name>
    <message>
        <source>%1 Wins!</source>
        <translation>%1 vince!</translation>
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
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>The computer plays this seat</source>
        <translation>Il computer gioca in questo posto</translation>
    </message>
    <message>
        <source>A person plays this seat</source>
        <translation>Una persona gioca in questo posto</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Gioca</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Sorteggia</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>Vantry - New Game</source>
        <translation>Vantry - Nuova partita</translation>
    </message>
    <message>
        <source>Red seat: computer</source>
        <translation>Posto rosso: computer</translation>
    </message>
    <message>
        <source>Blue seat: computer</source>
        <translation>Posto blu: computer</translation>
    </message>
    <message>
        <source>Yellow seat: computer</source>
        <translation>Posto giallo: computer</translation>
    </message>
    <message>
        <source>Green seat: computer</source>
        <translation>Posto verde: computer</translation>
    </message>
    <message>
        <source>Red seat: person</source>
        <translation>Posto rosso: persona</translation>
    </message>
    <message>
        <source>Blue seat: person</source>
        <translation>Posto blu: persona</translation>
    </message>
    <message>
        <source>Yellow seat: person</source>
        <translation>Posto giallo: persona</translation>
    </message>
    <message>
        <source>Green seat: person</source>
        <translation>Posto verde: persona</translation>
    </message>
    <message>
        <source>Red seat name</source>
        <translation>Nome del posto rosso</translation>
    </message>
    <message>
        <source>Blue seat name</source>
        <translation>Nome del posto blu</translation>
    </message>
    <message>
        <source>Yellow seat name</source>
        <translation>Nome del posto giallo</translation>
    </message>
    <message>
        <source>Green seat name</source>
        <translation>Nome del posto verde</translation>
    </message>
    <message>
        <source>Red seat: a player on another computer</source>
        <translation>Posto rosso: un giocatore su un altro computer</translation>
    </message>
    <message>
        <source>Blue seat: a player on another computer</source>
        <translation>Posto blu: un giocatore su un altro computer</translation>
    </message>
    <message>
        <source>Yellow seat: a player on another computer</source>
        <translation>Posto giallo: un giocatore su un altro computer</translation>
    </message>
    <message>
        <source>Green seat: a player on another computer</source>
        <translation>Posto verde: un giocatore su un altro computer</translation>
    </message>
    <message>
        <source>On another &amp;computer</source>
        <extracomment>A check box in each seat&apos;s group of the new-game dialog; ticked, a person on another computer plays the seat.</extracomment>
        <translation>Su un altro &amp;computer</translation>
    </message>
    <message>
        <source>A player on another computer plays this seat. Starting the game hosts it and shows the invitation to send.</source>
        <translation>Un giocatore su un altro computer gioca questo posto. Avviando la partita, questo computer la ospita e mostra l’invito da inviare.</translation>
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
        <translation>Nome</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Mosse</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Rigioca</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Vantry - Best Players</source>
        <translation>Vantry - Migliori giocatori</translation>
    </message>
    <message>
        <source>The best players could not be stored in %1: %2.</source>
        <extracomment>%1 is the settings file, %2 why it could not be written (&quot;the file is read-only&quot;).</extracomment>
        <translation>Non è stato possibile salvare i migliori giocatori in %1: %2.</translation>
    </message>
    <message>
        <source>%1, %2, moves: %3</source>
        <extracomment>A row of the best players read aloud: %1 the place (1 to 10), %2 the name, %3 the count as stored.</extracomment>
        <translation>%1, %2, mosse: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %n moves</source>
        <extracomment>A row of the best players read aloud: %1 the place (1 to 10), %2 the name, %n the moves.</extracomment>
        <translation>
            <numerusform>%1, %2, %n mossa</numerusform>
            <numerusform>%1, %2, %n mosse</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 Moves = %n</source>
        <extracomment>The winner&apos;s result: %1 the winner&apos;s name, %n the moves of the game.</extracomment>
        <translation>
            <numerusform>%1 – %n mossa</numerusform>
            <numerusform>%1 – %n mosse</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantry::frmSettings</name>
    <message>
        <source>Vantry - Settings</source>
        <translation>Vantry - Impostazioni</translation>
    </message>
    <message>
        <source>Show each seat&apos;s &amp;mark on its counter and name</source>
        <translation>Mostra il &amp;contrassegno di ogni posto sulla pedina e sul nome</translation>
    </message>
    <message>
        <source>Counters &amp;travel square by square and the die rolls</source>
        <translation>Le pedine si &amp;muovono casella per casella e il dado rotola</translation>
    </message>
    <message>
        <source>Computer&apos;s &amp;pace:</source>
        <extracomment>Label of the list of paces at which the computer&apos;s seats throw and move.</extracomment>
        <translation>&amp;Ritmo del computer:</translation>
    </message>
    <message>
        <source>Relaxed (a step a second)</source>
        <extracomment>A pace of the computer&apos;s seats: one step (a throw or a move) a second.</extracomment>
        <translation>Tranquillo (un passo al secondo)</translation>
    </message>
    <message>
        <source>As designed (a step every half second)</source>
        <extracomment>A pace of the computer&apos;s seats: the game&apos;s own, one step every half second.</extracomment>
        <translation>Come previsto (un passo ogni mezzo secondo)</translation>
    </message>
    <message>
        <source>Brisk (four steps a second)</source>
        <extracomment>A pace of the computer&apos;s seats: four steps a second.</extracomment>
        <translation>Svelto (quattro passi al secondo)</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Suono</translation>
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
        <translation>&amp;Lingua:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <extracomment>The first choice of the language list: whichever language the desktop is set to.</extracomment>
        <translation>La lingua del desktop</translation>
    </message>
    <message>
        <source>A new language is used from the next start of Vantry.</source>
        <translation>La nuova lingua sarà usata dal prossimo avvio di Vantry.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>Your settings could not be stored in %1: %2. They hold until Vantry is closed.</source>
        <translation>Non è stato possibile salvare le tue impostazioni in %1: %2. Restano valide fino alla chiusura di Vantry.</translation>
    </message>
    <message>
        <source>Playing through an XMPP server</source>
        <extracomment>The heading over the XMPP account&apos;s boxes in the Settings window.</extracomment>
        <translation>Giocare tramite un server XMPP</translation>
    </message>
    <message>
        <source>XMPP &amp;address:</source>
        <extracomment>The box of the player&apos;s XMPP address, such as name@example.org.</extracomment>
        <translation>&amp;Indirizzo XMPP:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>Se&amp;rver:</source>
        <extracomment>The box of where the XMPP server listens, needed only when its address does not say.</extracomment>
        <translation>S&amp;erver:</translation>
    </message>
    <message>
        <source>Found from the address</source>
        <extracomment>Shown in the empty server box: the server is found from the XMPP address.</extracomment>
        <translation>Ricavato dall’indirizzo</translation>
    </message>
    <message>
        <source>Cr&amp;eate Account</source>
        <translation>Crea &amp;account</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s keyring.</source>
        <translation>La password è conservata nel portachiavi del desktop.</translation>
    </message>
    <message>
        <source>The account %1 was made.</source>
        <extracomment>%1 is the XMPP address just made on its server.</extracomment>
        <translation>L’account %1 è stato creato.</translation>
    </message>
    <message>
        <source>A hosted game then also opens a port, for players who can reach this computer, such as those at home. Unticked, a game hosted with the account opens no port, and every player joins through the server.</source>
        <translation>Una partita ospitata apre allora anche una porta, per i giocatori che possono raggiungere questo computer, come quelli di casa. Se non è selezionato, una partita ospitata con l’account non apre alcuna porta e tutti si uniscono tramite il server.</translation>
    </message>
    <message>
        <source>Also let players reach this computer &amp;directly</source>
        <translation>Consenti anche di raggiungere questo computer &amp;direttamente</translation>
    </message>
</context>
</TS>
