<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutValues</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>%1&apos;s turn, computer</source>
        <translation>À %1 de jouer (ordinateur)</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>À %1 de jouer</translation>
    </message>
    <message>
        <source>%1 throws %2</source>
        <translation>%1 fait un %2</translation>
    </message>
    <message>
        <source>%1 moves from the start to %2</source>
        <extracomment>%1 is a player&apos;s name; %2 a square of the board.</extracomment>
        <translation>%1 avance du départ à la case %2</translation>
    </message>
    <message>
        <source>%1 moves from %2 to %3</source>
        <extracomment>%1 is a player&apos;s name; %2 and %3 squares of the board.</extracomment>
        <translation>%1 avance de la case %2 à la case %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 wins in %n moves</source>
        <translation>
            <numerusform>%1 gagne en %n coup</numerusform>
            <numerusform>%1 gagne en %n coups</numerusform>
        </translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>Partie ouverte&#xa0;: %1</translation>
    </message>
    <message>
        <source>computer</source>
        <extracomment>Who plays a seat, said after its name and colour in the reading of the board.</extracomment>
        <translation>ordinateur</translation>
    </message>
    <message>
        <source>person</source>
        <extracomment>Who plays a seat, said after its name and colour: a human player, not &quot;nobody&quot;.</extracomment>
        <translation>humain</translation>
    </message>
    <message>
        <source>%1, %2, %3, at the start</source>
        <translation>%1, %2, %3, au départ</translation>
    </message>
    <message>
        <source>%1, %2, %3, on square %4</source>
        <translation>%1, %2, %3, sur la case %4</translation>
    </message>
    <message>
        <source>%1 has won</source>
        <translation>%1 a gagné</translation>
    </message>
    <message>
        <source>%1 moves from the start to %2, ladder up to %3</source>
        <extracomment>%1 is a player&apos;s name; %2 the square the throw reached, the foot of a ladder; %3 its top.</extracomment>
        <translation>%1 avance du départ à la case %2, puis monte par l’échelle jusqu’à la case %3</translation>
    </message>
    <message>
        <source>%1 moves from %2 to %3, ladder up to %4</source>
        <extracomment>%1 is a player&apos;s name; %2 and %3 squares; %4 the top of the ladder on square %3.</extracomment>
        <translation>%1 avance de la case %2 à la case %3, puis monte par l’échelle jusqu’à la case %4</translation>
    </message>
    <message>
        <source>%1 moves from the start to %2, snake down to %3</source>
        <extracomment>%1 is a player&apos;s name; %2 the square the throw reached, a snake&apos;s head; %3 its tail.</extracomment>
        <translation>%1 avance du départ à la case %2, puis glisse le long du serpent jusqu’à la case %3</translation>
    </message>
    <message>
        <source>%1 moves from %2 to %3, snake down to %4</source>
        <extracomment>%1 is a player&apos;s name; %2 and %3 squares; %4 the tail of the snake on square %3.</extracomment>
        <translation>%1 avance de la case %2 à la case %3, puis glisse le long du serpent jusqu’à la case %4</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Invitation:</source>
        <extracomment>The label over the box where a player pastes an invitation, a vantry:// link.</extracomment>
        <translation>Invitation&#xa0;:</translation>
    </message>
    <message>
        <source>This copy of the game cannot play across computers: its network module is missing.</source>
        <translation>Cette copie du jeu ne peut pas jouer entre ordinateurs&#xa0;: son module réseau est absent.</translation>
    </message>
    <message>
        <source>This desktop has no keyring to keep the password in, so the game asks for it each time it signs in.</source>
        <translation>Ce bureau n’a pas de trousseau où garder le mot de passe&#xa0;: le jeu le demande donc à chaque connexion.</translation>
    </message>
</context>
<context>
    <name>BoardDescriptions</name>
    <message>
        <source>Go</source>
        <extracomment>The name a screen reader gives the button that moves the counter thrown for; its caption on the board.</extracomment>
        <translation>Joue</translation>
    </message>
    <message>
        <source>File menu</source>
        <translation>Menu Fichier</translation>
    </message>
    <message>
        <source>computer</source>
        <extracomment>Said of a name on the board after the name and colour: the computer plays this seat.</extracomment>
        <translation>ordinateur</translation>
    </message>
    <message>
        <source>winner</source>
        <extracomment>Said of a name on the board after the name and colour: this seat has won.</extracomment>
        <translation>vainqueur</translation>
    </message>
    <message>
        <source>to play</source>
        <extracomment>Said of a name on the board after the name and colour: this seat is on turn.</extracomment>
        <translation>c’est son tour</translation>
    </message>
    <message>
        <source>Red counter at the start</source>
        <translation>Pion rouge au départ</translation>
    </message>
    <message>
        <source>Blue counter at the start</source>
        <translation>Pion bleu au départ</translation>
    </message>
    <message>
        <source>Yellow counter at the start</source>
        <translation>Pion jaune au départ</translation>
    </message>
    <message>
        <source>Green counter at the start</source>
        <translation>Pion vert au départ</translation>
    </message>
    <message>
        <source>Red counter on square %1</source>
        <translation>Pion rouge sur la case %1</translation>
    </message>
    <message>
        <source>Blue counter on square %1</source>
        <translation>Pion bleu sur la case %1</translation>
    </message>
    <message>
        <source>Yellow counter on square %1</source>
        <translation>Pion jaune sur la case %1</translation>
    </message>
    <message>
        <source>Green counter on square %1</source>
        <translation>Pion vert sur la case %1</translation>
    </message>
    <message>
        <source>Move the red counter</source>
        <translation>Avancer le pion rouge</translation>
    </message>
    <message>
        <source>Move the blue counter</source>
        <translation>Avancer le pion bleu</translation>
    </message>
    <message>
        <source>Move the yellow counter</source>
        <translation>Avancer le pion jaune</translation>
    </message>
    <message>
        <source>Move the green counter</source>
        <translation>Avancer le pion vert</translation>
    </message>
    <message>
        <source>Die, click to throw</source>
        <translation>Dé, clique pour le lancer</translation>
    </message>
    <message>
        <source>Die, showing %1</source>
        <translation>Dé, face %1</translation>
    </message>
    <message>
        <source>on another computer</source>
        <extracomment>Said of a name on the board after the name and colour: a player on another computer plays it.</extracomment>
        <translation>sur un autre ordinateur</translation>
    </message>
    <message>
        <source>away</source>
        <extracomment>Said of a name on the board: the other computer that plays this seat has lost its connection.</extracomment>
        <translation>absent</translation>
    </message>
</context>
<context>
    <name>BoardWidgets</name>
    <message>
        <source>Go</source>
        <extracomment>The caption of the board&apos;s button that moves the counter after a throw; 41 pixels wide.</extracomment>
        <translation>Joue</translation>
    </message>
    <message>
        <source>Click</source>
        <extracomment>The caption on the die before the first throw, asking to click it; it must fit the small face.</extracomment>
        <translation>Clic</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>the word on the File menu&apos;s button</comment>
        <translation>FICHIER</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>vantry: unknown option &apos;%1&apos;
Try &apos;vantry --help&apos; for more information.</source>
        <translation>vantry&#xa0;: option inconnue «&#xa0;%1&#xa0;»
Essaie «&#xa0;vantry --help&#xa0;» pour en savoir plus.</translation>
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
        <translation>Utilisation&#xa0;: vantry [FICHIER]
Lance Vantry, une course d’échelles et de serpents pour quatre joueurs au plus.
Avec FICHIER, ouvre cette partie enregistrée (un fichier .vty) et la poursuit&#xa0;;
sinon, commence par la fenêtre de nouvelle partie.

  -h, --help     affiche cette aide et quitte
      --version  affiche la version et quitte
      --         rattache tous les arguments suivants à FICHIER

Un FICHIER donné en plusieurs arguments est recomposé avec des espaces simples.
Avec VANTRY_NO_TRAVEL=1 dans l’environnement, les pions sautent sur leur case
au lieu de s’y déplacer.

Sur le plateau&#xa0;: Espace lance le dé&#xa0;; Entrée avance le pion ou active l’élément
qui a le focus&#xa0;; Tab passe du dé aux pions, à Joue et à FICHIER&#xa0;; B lit tout le
plateau à voix haute par le lecteur d’écran.
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
Les paramètres (menu Fichier, ou Ctrl+virgule sur le plateau) activent ou
désactivent les symboles des places, le déplacement des pions et le son, et
règlent le rythme de l’ordinateur, le volume et la langue&#xa0;; ils sont conservés
d’un lancement à l’autre. VANTRY_NO_TRAVEL=1 supprime toujours le déplacement.
</translation>
    </message>
    <message>
        <source>F11 shows the board on the whole screen, and Escape leaves it.
</source>
        <translation>F11 affiche le plateau en plein écran, et Échap en sort.
</translation>
    </message>
    <message>
        <source>vantry: the game could not be hosted</source>
        <translation>vantry&#xa0;: impossible d’héberger la partie</translation>
    </message>
    <message>
        <source>vantry: --host needs the saved game to host
Try &apos;vantry --help&apos; for more information.</source>
        <translation>vantry&#xa0;: --host demande la partie enregistrée à héberger
Essaie «&#xa0;vantry --help&#xa0;» pour en savoir plus.</translation>
    </message>
    <message>
        <source>--host FILE hosts it and prints the invitations; vantry://... joins one.
</source>
        <translation>--host FICHIER l’héberge et affiche les invitations&#xa0;; vantry://... la rejoint.
</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Vantry - Untitled</source>
        <translation>Vantry - Sans titre</translation>
    </message>
    <message>
        <source>Vantry Game Files (*.vty)</source>
        <translation>Parties Vantry enregistrées (*.vty)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir une partie</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>The game could not be opened from &quot;%1&quot;.

%2</source>
        <translation>Impossible d’ouvrir la partie «&#xa0;%1&#xa0;».

%2</translation>
    </message>
    <message>
        <source>Do you want to save your game?</source>
        <translation>Veux-tu enregistrer ta partie&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to save changes on your game?</source>
        <translation>Veux-tu enregistrer les modifications de ta partie&#xa0;?</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;.

%2</source>
        <translation>Impossible d’enregistrer la partie dans «&#xa0;%1&#xa0;».

%2</translation>
    </message>
</context>
<context>
    <name>GuestTable</name>
    <message>
        <source>This seat is already played from another computer.</source>
        <translation>Cette place est déjà jouée depuis un autre ordinateur.</translation>
    </message>
    <message>
        <source>The host has no room for another player or watcher.</source>
        <translation>L’hôte ne peut plus accueillir d’autre joueur ni de spectateur.</translation>
    </message>
    <message>
        <source>This is not an invitation to a game. An invitation begins with vantry:// and works only when it is copied whole, without a character changed.</source>
        <translation>Ce n’est pas une invitation à une partie. Une invitation commence par vantry:// et ne fonctionne que si elle est copiée en entier, sans aucun caractère modifié.</translation>
    </message>
    <message>
        <source>The host has stopped hosting the game. The game stays on the board, and you can save it.</source>
        <translation>L’hôte a cessé d’héberger la partie. La partie reste sur le plateau, et tu peux l’enregistrer.</translation>
    </message>
    <message>
        <source>The host has ended the game. The game stays on the board, and you can save it.</source>
        <translation>L’hôte a mis fin à la partie. La partie reste sur le plateau, et tu peux l’enregistrer.</translation>
    </message>
    <message>
        <source>The host speaks version %1 of the game&apos;s network protocol and this copy speaks version %2, so they cannot play together. Both players need the same version of the game.</source>
        <extracomment>%1 and %2 are version numbers of the way two copies of the game talk over the network.</extracomment>
        <translation>L’hôte parle la version %1 du protocole réseau du jeu et cet exemplaire la version %2&#xa0;: ils ne peuvent donc pas jouer ensemble. Les deux joueurs doivent avoir la même version du jeu.</translation>
    </message>
    <message>
        <source>The invitation opens no seat of this game: it was changed, or the host has taken the seat back. Ask the host for a new invitation.</source>
        <translation>L’invitation n’ouvre aucune place de cette partie&#xa0;: elle a été modifiée, ou l’hôte a repris la place. Demande une nouvelle invitation à l’hôte.</translation>
    </message>
    <message>
        <source>The computer that answered is not the host that sent the invitation, so this copy did not join.</source>
        <translation>L’ordinateur qui a répondu n’est pas l’hôte qui a envoyé l’invitation&#xa0;; cet exemplaire n’a donc pas rejoint la partie.</translation>
    </message>
</context>
<context>
    <name>HostTable</name>
    <message>
        <source>%1 has been away for a minute. Shall the computer play for %1 until %1 is back?</source>
        <translation>%1 est absent depuis une minute. L’ordinateur doit-il jouer pour %1 jusqu’au retour de %1&#xa0;?</translation>
    </message>
</context>
<context>
    <name>NewGameSetup</name>
    <message>
        <source>Select</source>
        <extracomment>The prompt in a computer seat&apos;s name list until a name is chosen from it.</extracomment>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Please Select the Name!</source>
        <translation>Choisis un nom, s’il te plaît&#xa0;!</translation>
    </message>
    <message>
        <source>Please type the Name!</source>
        <translation>Saisis un nom, s’il te plaît&#xa0;!</translation>
    </message>
    <message>
        <source>A name cannot begin with a double quote (&quot;).</source>
        <translation>Un nom ne peut pas commencer par un guillemet droit (&quot;).</translation>
    </message>
    <message>
        <source>A name with a comma or a leading blank cannot also hold a double quote (&quot;).</source>
        <translation>Un nom qui contient une virgule ou commence par une espace ne peut pas contenir non plus de guillemet droit (&quot;).</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>It ends after %1 of the %2 fields of a saved game.</source>
        <translation>Le fichier s’arrête après %1 des %2 champs d’une partie enregistrée.</translation>
    </message>
    <message>
        <source>It is larger than 1 MiB, so it is not a saved game.</source>
        <translation>Le fichier dépasse 1&#xa0;Mio, ce n’est donc pas une partie enregistrée.</translation>
    </message>
    <message>
        <source>It is a directory, not a regular file.</source>
        <translation>C’est un dossier, pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>It is a named pipe, not a regular file.</source>
        <translation>C’est un tube nommé, pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>It is a device, not a regular file.</source>
        <translation>C’est un périphérique, pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>It is a socket, not a regular file.</source>
        <translation>C’est un socket, pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n’est pas un fichier ordinaire.</translation>
    </message>
</context>
<context>
    <name>SaveRecord</name>
    <message>
        <source>The kind of the Red seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>Le champ du type de la place rouge contient «&#xa0;%1&#xa0;», mais il doit valoir True, False ou un nombre.</translation>
    </message>
    <message>
        <source>The move count of Red is %1, but it must be from %2 to %3.</source>
        <translation>Le nombre de coups de la place rouge vaut %1, mais il doit être compris entre %2 et %3.</translation>
    </message>
    <message>
        <source>The square of Red is %1, but the board has squares 1 to 100.</source>
        <translation>La case de la place rouge est la case %1, mais les cases du plateau vont de 1 à 100.</translation>
    </message>
    <message>
        <source>The move count of Red reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Le champ du nombre de coups de la place rouge contient «&#xa0;%1&#xa0;», qui n’est pas un nombre entier compris entre -32768 et 32767.</translation>
    </message>
    <message>
        <source>The square of Red reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Le champ de la case de la place rouge contient «&#xa0;%1&#xa0;», qui n’est pas un nombre entier compris entre -32768 et 32767.</translation>
    </message>
    <message>
        <source>The kind of the Blue seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>Le champ du type de la place bleue contient «&#xa0;%1&#xa0;», mais il doit valoir True, False ou un nombre.</translation>
    </message>
    <message>
        <source>The move count of Blue is %1, but it must be from %2 to %3.</source>
        <translation>Le nombre de coups de la place bleue vaut %1, mais il doit être compris entre %2 et %3.</translation>
    </message>
    <message>
        <source>The square of Blue is %1, but the board has squares 1 to 100.</source>
        <translation>La case de la place bleue est la case %1, mais les cases du plateau vont de 1 à 100.</translation>
    </message>
    <message>
        <source>The move count of Blue reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Le champ du nombre de coups de la place bleue contient «&#xa0;%1&#xa0;», qui n’est pas un nombre entier compris entre -32768 et 32767.</translation>
    </message>
    <message>
        <source>The square of Blue reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Le champ de la case de la place bleue contient «&#xa0;%1&#xa0;», qui n’est pas un nombre entier compris entre -32768 et 32767.</translation>
    </message>
    <message>
        <source>The kind of the Yellow seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>Le champ du type de la place jaune contient «&#xa0;%1&#xa0;», mais il doit valoir True, False ou un nombre.</translation>
    </message>
    <message>
        <source>The move count of Yellow is %1, but it must be from %2 to %3.</source>
        <translation>Le nombre de coups de la place jaune vaut %1, mais il doit être compris entre %2 et %3.</translation>
    </message>
    <message>
        <source>The square of Yellow is %1, but the board has squares 1 to 100.</source>
        <translation>La case de la place jaune est la case %1, mais les cases du plateau vont de 1 à 100.</translation>
    </message>
    <message>
        <source>The move count of Yellow reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Le champ du nombre de coups de la place jaune contient «&#xa0;%1&#xa0;», qui n’est pas un nombre entier compris entre -32768 et 32767.</translation>
    </message>
    <message>
        <source>The square of Yellow reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Le champ de la case de la place jaune contient «&#xa0;%1&#xa0;», qui n’est pas un nombre entier compris entre -32768 et 32767.</translation>
    </message>
    <message>
        <source>The kind of the Green seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>Le champ du type de la place verte contient «&#xa0;%1&#xa0;», mais il doit valoir True, False ou un nombre.</translation>
    </message>
    <message>
        <source>The move count of Green is %1, but it must be from %2 to %3.</source>
        <translation>Le nombre de coups de la place verte vaut %1, mais il doit être compris entre %2 et %3.</translation>
    </message>
    <message>
        <source>The square of Green is %1, but the board has squares 1 to 100.</source>
        <translation>La case de la place verte est la case %1, mais les cases du plateau vont de 1 à 100.</translation>
    </message>
    <message>
        <source>The move count of Green reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Le champ du nombre de coups de la place verte contient «&#xa0;%1&#xa0;», qui n’est pas un nombre entier compris entre -32768 et 32767.</translation>
    </message>
    <message>
        <source>The square of Green reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Le champ de la case de la place verte contient «&#xa0;%1&#xa0;», qui n’est pas un nombre entier compris entre -32768 et 32767.</translation>
    </message>
    <message>
        <source>The player on turn reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>Le champ du joueur qui doit jouer contient «&#xa0;%1&#xa0;», qui n’est pas un nombre entier compris entre -32768 et 32767.</translation>
    </message>
    <message>
        <source>The player on turn is %1, but it must be from %2 to %3.</source>
        <translation>Le joueur qui doit jouer porte le numéro %1, mais ce numéro doit être compris entre %2 et %3.</translation>
    </message>
</context>
<context>
    <name>StatisticsKeeper</name>
    <message>
        <source>The players&apos; statistics could not be stored in %1: %2.</source>
        <translation>Les statistiques des joueurs n’ont pas pu être enregistrées dans %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>TableNews</name>
    <message>
        <source>The connection to the host is lost. This copy keeps trying to reach it</source>
        <translation>La connexion avec l’hôte est perdue. Cette copie continue d’essayer de le joindre</translation>
    </message>
    <message>
        <source>This copy is back at the host&apos;s game</source>
        <translation>Cette copie a rejoint à nouveau la partie de l’hôte</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>The host</source>
        <extracomment>Who wrote a line of chat: the computer that hosts the game.</extracomment>
        <translation>L’hôte</translation>
    </message>
    <message>
        <source>A watcher</source>
        <extracomment>Who wrote a line of chat: someone who watches the game and plays no seat.</extracomment>
        <translation>Un spectateur</translation>
    </message>
    <message>
        <source>%1 says: %2</source>
        <extracomment>A line of chat in the game log and as the screen reader says it: %1 is who wrote it, %2 the line.</extracomment>
        <translation>%1 dit&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 has lost the connection to the game</source>
        <translation>%1 a perdu la connexion à la partie</translation>
    </message>
    <message>
        <source>%1 is back in the game</source>
        <translation>%1 est de retour dans la partie</translation>
    </message>
    <message numerus="yes">
        <source>A watcher has joined: %n watching the game</source>
        <translation>
            <numerusform>Un spectateur est arrivé&#xa0;: %n personne regarde la partie</numerusform>
            <numerusform>Un spectateur est arrivé&#xa0;: %n personnes regardent la partie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A watcher has left: %n watching the game</source>
        <translation>
            <numerusform>Un spectateur est parti&#xa0;: %n personne regarde la partie</numerusform>
            <numerusform>Un spectateur est parti&#xa0;: %n personnes regardent la partie</numerusform>
        </translation>
    </message>
    <message>
        <source>This invitation reaches the host only through an XMPP server. Set up your XMPP account in the Settings window, then join again.</source>
        <translation>Cette invitation ne joint l’hôte que par un serveur XMPP. Configure ton compte XMPP dans la fenêtre Paramètres, puis rejoins à nouveau la partie.</translation>
    </message>
</context>
<context>
    <name>UserStore</name>
    <message>
        <source>a folder stands where the file should be</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>un dossier se trouve à la place du fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>its folder is read-only</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>son dossier est en lecture seule</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>le fichier n’a pas pu être écrit</translation>
    </message>
    <message numerus="yes">
        <source>its lock file %1 could not be taken within %n seconds</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;. The lock file is the settings file&apos;s name with &quot;.lock&quot; added; another copy of the game holds it while it writes.</extracomment>
        <translation>
            <numerusform>son fichier de verrou %1 n’a pas pu être obtenu en %n seconde</numerusform>
            <numerusform>son fichier de verrou %1 n’a pas pu être obtenu en %n secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowPlace</name>
    <message>
        <source>The window&apos;s size and place could not be stored in %1: %2.</source>
        <extracomment>%1 is the settings file, %2 why it could not be written (&quot;the file is read-only&quot;).</extracomment>
        <translation>La taille et la position de la fenêtre n’ont pas pu être enregistrées dans %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>XmppAccount</name>
    <message>
        <source>The XMPP server turned down the address %1 with its password. Check them in Settings.</source>
        <translation>Le serveur XMPP a refusé l’adresse %1 avec son mot de passe. Vérifie-les dans les Paramètres.</translation>
    </message>
    <message>
        <source>The XMPP server of %1 cannot be reached. The game goes on, and this copy keeps trying to sign in.</source>
        <translation>Le serveur XMPP de %1 est injoignable. La partie continue, et cet exemplaire continue d’essayer de se connecter.</translation>
    </message>
    <message>
        <source>The XMPP server of %1 offers no secure connection this computer trusts, so this copy did not sign in.</source>
        <translation>Le serveur XMPP de %1 n’offre aucune connexion sécurisée à laquelle cet ordinateur se fie&#xa0;; cet exemplaire ne s’est donc pas connecté.</translation>
    </message>
    <message>
        <source>The XMPP server does not let accounts be made from the game. Make one on the server&apos;s web site, or ask its administrator.</source>
        <translation>Le serveur XMPP ne permet pas de créer de compte depuis le jeu. Crée-en un sur le site web du serveur, ou demande à son administrateur.</translation>
    </message>
    <message>
        <source>The address %1 is taken already. Choose another name.</source>
        <translation>L’adresse %1 est déjà prise. Choisis un autre nom.</translation>
    </message>
    <message>
        <source>%1 is not an XMPP address. An address looks like name@example.org.</source>
        <translation>%1 n’est pas une adresse XMPP. Une adresse a la forme nom@example.org.</translation>
    </message>
    <message>
        <source>Password of the XMPP account %1:</source>
        <extracomment>The label over the box where the player types the password of an XMPP account; %1 is its address.</extracomment>
        <translation>Mot de passe du compte XMPP %1&#xa0;:</translation>
    </message>
</context>
<context>
    <name>vantry::FileMenu</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Se&amp;ttings...</source>
        <extracomment>The File menu&apos;s entry that opens the Settings window; its letter is used by no other entry.</extracomment>
        <translation>Pa&amp;ramètres…</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>Game &amp;Log</source>
        <extracomment>Opens the window with the game&apos;s log, the race chart and the players&apos; statistics.</extracomment>
        <translation>&amp;Journal de la partie</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Join Game...</source>
        <extracomment>Asks for an invitation from a player on another computer and joins that player&apos;s game.</extracomment>
        <translation>Rejoindre une par&amp;tie…</translation>
    </message>
    <message>
        <source>&amp;Invite Players...</source>
        <extracomment>Opens the window that gives seats to players on other computers and shows their invitations.</extracomment>
        <translation>&amp;Inviter des joueurs…</translation>
    </message>
</context>
<context>
    <name>vantry::QtPrompter</name>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>vantry::RaceChart</name>
    <message>
        <source>Race chart</source>
        <extracomment>What a screen reader calls the chart of every seat&apos;s square after each move.</extracomment>
        <translation>Graphique de la course</translation>
    </message>
    <message>
        <source>No counter has moved yet.</source>
        <translation>Aucun pion n’a encore bougé.</translation>
    </message>
    <message numerus="yes">
        <source>%1 has won, %n squares ahead of %2.</source>
        <translation>
            <numerusform>%1 a gagné, %n case devant %2.</numerusform>
            <numerusform>%1 a gagné, %n cases devant %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has won.</source>
        <translation>%1 a gagné.</translation>
    </message>
    <message numerus="yes">
        <source>%1 leads on square %2, %n squares ahead of %3.</source>
        <translation>
            <numerusform>%1 mène sur la case %2, %n case devant %3.</numerusform>
            <numerusform>%1 mène sur la case %2, %n cases devant %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other players share the lead on square %2.</source>
        <translation>
            <numerusform>%1 et %n autre joueur se partagent la tête sur la case %2.</numerusform>
            <numerusform>%1 et %n autres joueurs se partagent la tête sur la case %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantry::StatisticsPane</name>
    <message>
        <source>Players&apos; statistics</source>
        <extracomment>What a screen reader calls the table of every player&apos;s figures.</extracomment>
        <translation>Statistiques des joueurs</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Column heading: the player&apos;s name.</extracomment>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Games</source>
        <extracomment>Column heading: how many games the player finished.</extracomment>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Column heading: how many games the player won.</extracomment>
        <translation>Victoires</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <extracomment>Column heading: the fewest moves the player needed for a win.</extracomment>
        <translation>Moins de coups</translation>
    </message>
    <message>
        <source>Average moves</source>
        <extracomment>Column heading: the average moves of the player&apos;s wins.</extracomment>
        <translation>Coups en moyenne</translation>
    </message>
    <message>
        <source>Ladders</source>
        <extracomment>Column heading: how many ladders the player climbed.</extracomment>
        <translation>Échelles</translation>
    </message>
    <message>
        <source>Snakes</source>
        <extracomment>Column heading: how many snakes the player met.</extracomment>
        <translation>Serpents</translation>
    </message>
    <message>
        <source>No game has been finished yet.</source>
        <translation>Aucune partie n’a encore été terminée.</translation>
    </message>
    <message>
        <source>Clear S&amp;tatistics...</source>
        <extracomment>Button: removes every player&apos;s statistics, after asking.</extracomment>
        <translation>&amp;Effacer les statistiques...</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n games finished, no wins, ladders: %2, snakes: %3</source>
        <translation>
            <numerusform>%1&#xa0;: %n partie terminée, aucune victoire, échelles&#xa0;: %2, serpents&#xa0;: %3</numerusform>
            <numerusform>%1&#xa0;: %n parties terminées, aucune victoire, échelles&#xa0;: %2, serpents&#xa0;: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n games finished, wins: %2, fewest moves: %3, average moves: %4, ladders: %5, snakes: %6</source>
        <translation>
            <numerusform>%1&#xa0;: %n partie terminée, victoires&#xa0;: %2, moins de coups&#xa0;: %3, coups en moyenne&#xa0;: %4, échelles&#xa0;: %5, serpents&#xa0;: %6</numerusform>
            <numerusform>%1&#xa0;: %n parties terminées, victoires&#xa0;: %2, moins de coups&#xa0;: %3, coups en moyenne&#xa0;: %4, échelles&#xa0;: %5, serpents&#xa0;: %6</numerusform>
        </translation>
    </message>
    <message>
        <source>Do you want to clear the statistics of every player?</source>
        <translation>Veux-tu effacer les statistiques de tous les joueurs&#xa0;?</translation>
    </message>
</context>
<context>
    <name>vantry::frmAbout</name>
    <message>
        <source>Written by</source>
        <translation>Développé par</translation>
    </message>
    <message>
        <source>Griphics:</source>
        <translation>Graphismes&#xa0;:</translation>
    </message>
    <message>
        <source>This copy is licensed to:</source>
        <translation>Licence accordée à&#xa0;:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Société</translation>
    </message>
    <message>
        <source>Published by</source>
        <translation>Publié par</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>3rd Edition</source>
        <translation>3e édition</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>E-mail&#xa0;: %1</translation>
    </message>
    <message>
        <source>W-site: %1</source>
        <translation>Site web&#xa0;: %1</translation>
    </message>
    <message>
        <source>Vantry - About</source>
        <translation>Vantry - À propos</translation>
    </message>
</context>
<context>
    <name>vantry::frmInvite</name>
    <message>
        <source>Vantry - Invite Players</source>
        <translation>Vantry - Inviter des joueurs</translation>
    </message>
    <message>
        <source>Each seat ticked here is played from another computer. Send its player the invitation beside it; the last one lets someone watch the game.</source>
        <translation>Chaque place cochée ici est jouée depuis un autre ordinateur. Envoie à son joueur l’invitation qui est à côté&#xa0;; la dernière permet à quelqu’un de regarder la partie.</translation>
    </message>
    <message>
        <source>%1 plays from another computer</source>
        <extracomment>A seat&apos;s tick box in the invitations window; %1 is the seat&apos;s name as on the board.</extracomment>
        <translation>%1 joue depuis un autre ordinateur</translation>
    </message>
    <message>
        <source>Invitation for %1</source>
        <extracomment>The accessible name of the box holding a seat&apos;s invitation; %1 is the seat&apos;s name.</extracomment>
        <translation>Invitation pour %1</translation>
    </message>
    <message>
        <source>To watch:</source>
        <extracomment>The label before the invitation that lets someone watch the game without playing.</extracomment>
        <translation>Pour regarder&#xa0;:</translation>
    </message>
    <message>
        <source>Invitation to watch</source>
        <translation>Invitation pour regarder</translation>
    </message>
    <message>
        <source>The game could not be hosted: this computer could not open a network port for it.</source>
        <translation>La partie n’a pas pu être hébergée&#xa0;: cet ordinateur n’a pas pu ouvrir de port réseau pour elle.</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Copies an invitation to the clipboard, to paste it into a mail or a chat.</extracomment>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>vantry::frmLog</name>
    <message>
        <source>Vantry - Game Log</source>
        <translation>Vantry - Journal de la partie</translation>
    </message>
    <message>
        <source>Game log</source>
        <extracomment>What a screen reader calls the list of the game&apos;s events.</extracomment>
        <translation>Journal de la partie</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <extracomment>The tab of the game log window that lists every event of the game.</extracomment>
        <translation>&amp;Journal</translation>
    </message>
    <message>
        <source>&amp;Race</source>
        <extracomment>The tab of the game log window with the chart of the race.</extracomment>
        <translation>&amp;Course</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <extracomment>The tab of the game log window with every player&apos;s statistics.</extracomment>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <extracomment>Button: copies every line of the game log to the clipboard.</extracomment>
        <translation>Tout co&amp;pier</translation>
    </message>
    <message>
        <source>Copies every line of the log as text.</source>
        <translation>Copie toutes les lignes du journal sous forme de texte.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: closes the game log window.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>S&amp;ay:</source>
        <extracomment>The label in front of the box where a player types a line of chat to everyone at the table.</extracomment>
        <translation>&amp;Dire&#xa0;:</translation>
    </message>
    <message>
        <source>Chat to everyone at the table</source>
        <extracomment>The screen reader&apos;s name for the box where a player types a line of chat.</extracomment>
        <translation>Message à toute la table</translation>
    </message>
    <message>
        <source>Enter sends the line to every player and watcher of the game.</source>
        <translation>Entrée envoie la ligne à tous les joueurs et spectateurs de la partie.</translation>
    </message>
</context>
<context>
    <name>vantry::frmMain</name>
    <message>
        <source>%1 Wins!</source>
        <translation>%1 a gagné&#xa0;!</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line of the standings after a win: %1 a player&apos;s name, %2 the square its counter stands on.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>vantry::frmNew</name>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>The computer plays this seat</source>
        <translation>Cette place est jouée par l’ordinateur</translation>
    </message>
    <message>
        <source>A person plays this seat</source>
        <translation>Cette place est jouée par une personne</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>Au &amp;hasard</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Vantry - New Game</source>
        <translation>Vantry - Nouvelle partie</translation>
    </message>
    <message>
        <source>Red seat: computer</source>
        <translation>Place rouge&#xa0;: ordinateur</translation>
    </message>
    <message>
        <source>Blue seat: computer</source>
        <translation>Place bleue&#xa0;: ordinateur</translation>
    </message>
    <message>
        <source>Yellow seat: computer</source>
        <translation>Place jaune&#xa0;: ordinateur</translation>
    </message>
    <message>
        <source>Green seat: computer</source>
        <translation>Place verte&#xa0;: ordinateur</translation>
    </message>
    <message>
        <source>Red seat: person</source>
        <translation>Place rouge&#xa0;: humain</translation>
    </message>
    <message>
        <source>Blue seat: person</source>
        <translation>Place bleue&#xa0;: humain</translation>
    </message>
    <message>
        <source>Yellow seat: person</source>
        <translation>Place jaune&#xa0;: humain</translation>
    </message>
    <message>
        <source>Green seat: person</source>
        <translation>Place verte&#xa0;: humain</translation>
    </message>
    <message>
        <source>Red seat name</source>
        <translation>Nom de la place rouge</translation>
    </message>
    <message>
        <source>Blue seat name</source>
        <translation>Nom de la place bleue</translation>
    </message>
    <message>
        <source>Yellow seat name</source>
        <translation>Nom de la place jaune</translation>
    </message>
    <message>
        <source>Green seat name</source>
        <translation>Nom de la place verte</translation>
    </message>
    <message>
        <source>Red seat: a player on another computer</source>
        <translation>Place rouge&#xa0;: un joueur sur un autre ordinateur</translation>
    </message>
    <message>
        <source>Blue seat: a player on another computer</source>
        <translation>Place bleue&#xa0;: un joueur sur un autre ordinateur</translation>
    </message>
    <message>
        <source>Yellow seat: a player on another computer</source>
        <translation>Place jaune&#xa0;: un joueur sur un autre ordinateur</translation>
    </message>
    <message>
        <source>Green seat: a player on another computer</source>
        <translation>Place verte&#xa0;: un joueur sur un autre ordinateur</translation>
    </message>
    <message>
        <source>On another &amp;computer</source>
        <extracomment>A check box in each seat&apos;s group of the new-game dialog; ticked, a person on another computer plays the seat.</extracomment>
        <translation>Sur un autre or&amp;dinateur</translation>
    </message>
    <message>
        <source>A player on another computer plays this seat. Starting the game hosts it and shows the invitation to send.</source>
        <translation>Un joueur sur un autre ordinateur joue cette place. Au début de la partie, ce poste l’héberge et affiche l’invitation à envoyer.</translation>
    </message>
</context>
<context>
    <name>vantry::frmRec</name>
    <message>
        <source>P</source>
        <comment>heading of the places column</comment>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Rejouer</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Vantry - Best Players</source>
        <translation>Vantry - Meilleurs joueurs</translation>
    </message>
    <message>
        <source>The best players could not be stored in %1: %2.</source>
        <extracomment>%1 is the settings file, %2 why it could not be written (&quot;the file is read-only&quot;).</extracomment>
        <translation>Les meilleurs joueurs n’ont pas pu être enregistrés dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1, %2, moves: %3</source>
        <extracomment>A row of the best players read aloud: %1 the place (1 to 10), %2 the name, %3 the count as stored.</extracomment>
        <translation>%1, %2, coups&#xa0;: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %n moves</source>
        <extracomment>A row of the best players read aloud: %1 the place (1 to 10), %2 the name, %n the moves.</extracomment>
        <translation>
            <numerusform>%1, %2, %n coup</numerusform>
            <numerusform>%1, %2, %n coups</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 Moves = %n</source>
        <extracomment>The winner&apos;s result: %1 the winner&apos;s name, %n the moves of the game.</extracomment>
        <translation>
            <numerusform>%1&#xa0;: %n coup</numerusform>
            <numerusform>%1&#xa0;: %n coups</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantry::frmSettings</name>
    <message>
        <source>Vantry - Settings</source>
        <translation>Vantry - Paramètres</translation>
    </message>
    <message>
        <source>Show each seat&apos;s &amp;mark on its counter and name</source>
        <translation>Afficher le &amp;symbole de chaque place sur son pion et son nom</translation>
    </message>
    <message>
        <source>Counters &amp;travel square by square and the die rolls</source>
        <translation>Les pions se &amp;déplacent case par case et le dé roule</translation>
    </message>
    <message>
        <source>Computer&apos;s &amp;pace:</source>
        <extracomment>Label of the list of paces at which the computer&apos;s seats throw and move.</extracomment>
        <translation>&amp;Rythme de l’ordinateur&#xa0;:</translation>
    </message>
    <message>
        <source>Relaxed (a step a second)</source>
        <extracomment>A pace of the computer&apos;s seats: one step (a throw or a move) a second.</extracomment>
        <translation>Tranquille (une action par seconde)</translation>
    </message>
    <message>
        <source>As designed (a step every half second)</source>
        <extracomment>A pace of the computer&apos;s seats: the game&apos;s own, one step every half second.</extracomment>
        <translation>D’origine (une action toutes les demi-secondes)</translation>
    </message>
    <message>
        <source>Brisk (four steps a second)</source>
        <extracomment>A pace of the computer&apos;s seats: four steps a second.</extracomment>
        <translation>Rapide (quatre actions par seconde)</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>S&amp;on</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume&#xa0;:</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>The volume as a percentage; %1 is a whole number from 0 to 100.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue&#xa0;:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <extracomment>The first choice of the language list: whichever language the desktop is set to.</extracomment>
        <translation>La langue du bureau</translation>
    </message>
    <message>
        <source>A new language is used from the next start of Vantry.</source>
        <translation>La nouvelle langue s’appliquera au prochain lancement de Vantry.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Your settings could not be stored in %1: %2. They hold until Vantry is closed.</source>
        <translation>Tes paramètres n’ont pas pu être enregistrés dans %1&#xa0;: %2. Ils restent valables jusqu’à la fermeture de Vantry.</translation>
    </message>
    <message>
        <source>Playing through an XMPP server</source>
        <extracomment>The heading over the XMPP account&apos;s boxes in the Settings window.</extracomment>
        <translation>Jouer via un serveur XMPP</translation>
    </message>
    <message>
        <source>XMPP &amp;address:</source>
        <extracomment>The box of the player&apos;s XMPP address, such as name@example.org.</extracomment>
        <translation>&amp;Adresse XMPP&#xa0;:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Mot de &amp;passe&#xa0;:</translation>
    </message>
    <message>
        <source>Se&amp;rver:</source>
        <extracomment>The box of where the XMPP server listens, needed only when its address does not say.</extracomment>
        <translation>Serv&amp;eur&#xa0;:</translation>
    </message>
    <message>
        <source>Found from the address</source>
        <extracomment>Shown in the empty server box: the server is found from the XMPP address.</extracomment>
        <translation>Déduit de l’adresse</translation>
    </message>
    <message>
        <source>Cr&amp;eate Account</source>
        <translation>&amp;Créer le compte</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s keyring.</source>
        <translation>Le mot de passe est gardé dans le trousseau du bureau.</translation>
    </message>
    <message>
        <source>The account %1 was made.</source>
        <extracomment>%1 is the XMPP address just made on its server.</extracomment>
        <translation>Le compte %1 a été créé.</translation>
    </message>
    <message>
        <source>A hosted game then also opens a port, for players who can reach this computer, such as those at home. Unticked, a game hosted with the account opens no port, and every player joins through the server.</source>
        <translation>Une partie hébergée ouvre alors aussi un port, pour les joueurs qui peuvent joindre cet ordinateur, comme ceux de la maison. Décoché, une partie hébergée avec le compte n’ouvre aucun port, et chacun la rejoint par le serveur.</translation>
    </message>
    <message>
        <source>Also let players reach this computer &amp;directly</source>
        <translation>Permettre aussi de &amp;joindre cet ordinateur directement</translation>
    </message>
</context>
</TS>
