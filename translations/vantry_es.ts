<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutValues</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>%1&apos;s turn, computer</source>
        <translation>Le toca a %1, el ordenador</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>Le toca a %1</translation>
    </message>
    <message>
        <source>%1 throws %2</source>
        <translation>%1 saca un %2</translation>
    </message>
    <message>
        <source>%1 moves from the start to %2</source>
        <extracomment>%1 is a player&apos;s name; %2 a square of the board.</extracomment>
        <translation>%1 avanza de la salida a la casilla %2</translation>
    </message>
    <message>
        <source>%1 moves from %2 to %3</source>
        <extracomment>%1 is a player&apos;s name; %2 and %3 squares of the board.</extracomment>
        <translation>%1 avanza de la casilla %2 a la %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 wins in %n moves</source>
        <translation>
            <numerusform>%1 gana en %n jugada</numerusform>
            <numerusform>%1 gana en %n jugadas</numerusform>
        </translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>Partida abierta: %1</translation>
    </message>
    <message>
        <source>computer</source>
        <extracomment>Who plays a seat, said after its name and colour in the reading of the board.</extracomment>
        <translation>ordenador</translation>
    </message>
    <message>
        <source>person</source>
        <extracomment>Who plays a seat, said after its name and colour: a human player, not &quot;nobody&quot;.</extracomment>
        <translation>persona</translation>
    </message>
    <message>
        <source>%1, %2, %3, at the start</source>
        <translation>%1, %2, %3, en la salida</translation>
    </message>
    <message>
        <source>%1, %2, %3, on square %4</source>
        <translation>%1, %2, %3, en la casilla %4</translation>
    </message>
    <message>
        <source>%1 has won</source>
        <translation>%1 ha ganado</translation>
    </message>
    <message>
        <source>%1 moves from the start to %2, ladder up to %3</source>
        <extracomment>%1 is a player&apos;s name; %2 the square the throw reached, the foot of a ladder; %3 its top.</extracomment>
        <translation>%1 avanza de la salida a la casilla %2 y sube por la escalera hasta la %3</translation>
    </message>
    <message>
        <source>%1 moves from %2 to %3, ladder up to %4</source>
        <extracomment>%1 is a player&apos;s name; %2 and %3 squares; %4 the top of the ladder on square %3.</extracomment>
        <translation>%1 avanza de la casilla %2 a la %3 y sube por la escalera hasta la %4</translation>
    </message>
    <message>
        <source>%1 moves from the start to %2, snake down to %3</source>
        <extracomment>%1 is a player&apos;s name; %2 the square the throw reached, a snake&apos;s head; %3 its tail.</extracomment>
        <translation>%1 avanza de la salida a la casilla %2 y baja por la serpiente hasta la %3</translation>
    </message>
    <message>
        <source>%1 moves from %2 to %3, snake down to %4</source>
        <extracomment>%1 is a player&apos;s name; %2 and %3 squares; %4 the tail of the snake on square %3.</extracomment>
        <translation>%1 avanza de la casilla %2 a la %3 y baja por la serpiente hasta la %4</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Invitation:</source>
        <extracomment>The label over the box where a player pastes an invitation, a vantry:// link.</extracomment>
        <translation>Invitación:</translation>
    </message>
    <message>
        <source>This copy of the game cannot play across computers: its network module is missing.</source>
        <translation>Esta copia del juego no puede jugar entre ordenadores: le falta su módulo de red.</translation>
    </message>
    <message>
        <source>This desktop has no keyring to keep the password in, so the game asks for it each time it signs in.</source>
        <translation>Este escritorio no tiene un llavero donde guardar la contraseña, así que el juego la pide cada vez que inicia sesión.</translation>
    </message>
</context>
<context>
    <name>BoardDescriptions</name>
    <message>
        <source>Go</source>
        <extracomment>The name a screen reader gives the button that moves the counter thrown for; its caption on the board.</extracomment>
        <translation>Ir</translation>
    </message>
    <message>
        <source>File menu</source>
        <translation>Menú Archivo</translation>
    </message>
    <message>
        <source>computer</source>
        <extracomment>Said of a name on the board after the name and colour: the computer plays this seat.</extracomment>
        <translation>ordenador</translation>
    </message>
    <message>
        <source>winner</source>
        <extracomment>Said of a name on the board after the name and colour: this seat has won.</extracomment>
        <translation>ganador</translation>
    </message>
    <message>
        <source>to play</source>
        <extracomment>Said of a name on the board after the name and colour: this seat is on turn.</extracomment>
        <translation>le toca jugar</translation>
    </message>
    <message>
        <source>Red counter at the start</source>
        <translation>Ficha roja en la salida</translation>
    </message>
    <message>
        <source>Blue counter at the start</source>
        <translation>Ficha azul en la salida</translation>
    </message>
    <message>
        <source>Yellow counter at the start</source>
        <translation>Ficha amarilla en la salida</translation>
    </message>
    <message>
        <source>Green counter at the start</source>
        <translation>Ficha verde en la salida</translation>
    </message>
    <message>
        <source>Red counter on square %1</source>
        <translation>Ficha roja en la casilla %1</translation>
    </message>
    <message>
        <source>Blue counter on square %1</source>
        <translation>Ficha azul en la casilla %1</translation>
    </message>
    <message>
        <source>Yellow counter on square %1</source>
        <translation>Ficha amarilla en la casilla %1</translation>
    </message>
    <message>
        <source>Green counter on square %1</source>
        <translation>Ficha verde en la casilla %1</translation>
    </message>
    <message>
        <source>Move the red counter</source>
        <translation>Mover la ficha roja</translation>
    </message>
    <message>
        <source>Move the blue counter</source>
        <translation>Mover la ficha azul</translation>
    </message>
    <message>
        <source>Move the yellow counter</source>
        <translation>Mover la ficha amarilla</translation>
    </message>
    <message>
        <source>Move the green counter</source>
        <translation>Mover la ficha verde</translation>
    </message>
    <message>
        <source>Die, click to throw</source>
        <translation>Dado, haz clic para tirar</translation>
    </message>
    <message>
        <source>Die, showing %1</source>
        <translation>Dado, muestra un %1</translation>
    </message>
    <message>
        <source>on another computer</source>
        <extracomment>Said of a name on the board after the name and colour: a player on another computer plays it.</extracomment>
        <translation>en otro ordenador</translation>
    </message>
    <message>
        <source>away</source>
        <extracomment>Said of a name on the board: the other computer that plays this seat has lost its connection.</extracomment>
        <translation>ausente</translation>
    </message>
</context>
<context>
    <name>BoardWidgets</name>
    <message>
        <source>Go</source>
        <extracomment>The caption of the board&apos;s button that moves the counter after a throw; 41 pixels wide.</extracomment>
        <translation>Ir</translation>
    </message>
    <message>
        <source>Click</source>
        <extracomment>The caption on the die before the first throw, asking to click it; it must fit the small face.</extracomment>
        <translation>Tira</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>the word on the File menu&apos;s button</comment>
        <translation>ARCHIVO</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>vantry: unknown option &apos;%1&apos;
Try &apos;vantry --help&apos; for more information.</source>
        <translation>vantry: opción desconocida «%1»
Prueba «vantry --help» para más información.</translation>
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
        <translation>Uso: vantry [ARCHIVO]
Vantry: carrera por un tablero de escaleras y serpientes, hasta 4 jugadores.
Con ARCHIVO, abre esa partida guardada (un archivo .vty) y sigue con ella; sin
él, empieza con la ventana de nueva partida.

  -h, --help     muestra esta ayuda y sale
      --version  muestra la versión y sale
      --         toma todos los argumentos siguientes como parte de ARCHIVO

Un ARCHIVO dado en varios argumentos se vuelve a unir con espacios simples.
Con VANTRY_NO_TRAVEL=1 en el entorno, las fichas saltan a su casilla en vez de
recorrer el camino.

En el tablero: Espacio tira el dado; Intro mueve, o pulsa el control que tiene
el foco; Tab va del dado a las fichas, a Mover y a ARCHIVO; B lee todo el
tablero en voz alta con un lector de pantalla.
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
Las preferencias (menú Archivo, o Ctrl+coma en el tablero) activan o desactivan
las marcas de los puestos, el desplazamiento de las fichas y el sonido, y fijan
el ritmo del ordenador, el volumen y el idioma; se guardan para la próxima vez.
VANTRY_NO_TRAVEL=1 quita el desplazamiento, diga lo que diga la preferencia.
</translation>
    </message>
    <message>
        <source>F11 shows the board on the whole screen, and Escape leaves it.
</source>
        <translation>F11 muestra el tablero a pantalla completa, y Escape sale de ella.
</translation>
    </message>
    <message>
        <source>vantry: the game could not be hosted</source>
        <translation>vantry: no se pudo alojar la partida</translation>
    </message>
    <message>
        <source>vantry: --host needs the saved game to host
Try &apos;vantry --help&apos; for more information.</source>
        <translation>vantry: --host necesita la partida guardada que se va a alojar
Prueba «vantry --help» para más información.</translation>
    </message>
    <message>
        <source>--host FILE hosts it and prints the invitations; vantry://... joins one.
</source>
        <translation>--host ARCHIVO la aloja y muestra las invitaciones; vantry://... acepta una.
</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Vantry - Untitled</source>
        <translation>Vantry - Sin título</translation>
    </message>
    <message>
        <source>Vantry Game Files (*.vty)</source>
        <translation>Partidas guardadas de Vantry (*.vty)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>The game could not be opened from &quot;%1&quot;.

%2</source>
        <translation>No se pudo abrir la partida guardada en «%1».

%2</translation>
    </message>
    <message>
        <source>Do you want to save your game?</source>
        <translation>¿Quieres guardar la partida?</translation>
    </message>
    <message>
        <source>Do you want to save changes on your game?</source>
        <translation>¿Quieres guardar los cambios de la partida?</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;.

%2</source>
        <translation>No se pudo guardar la partida en «%1».

%2</translation>
    </message>
</context>
<context>
    <name>GuestTable</name>
    <message>
        <source>This seat is already played from another computer.</source>
        <translation>Este puesto ya se juega desde otro ordenador.</translation>
    </message>
    <message>
        <source>The host has no room for another player or watcher.</source>
        <translation>El anfitrión ya no admite más jugadores ni espectadores.</translation>
    </message>
    <message>
        <source>This is not an invitation to a game. An invitation begins with vantry:// and works only when it is copied whole, without a character changed.</source>
        <translation>Esto no es una invitación a una partida. Una invitación empieza por vantry:// y solo funciona si se copia entera, sin cambiar ningún carácter.</translation>
    </message>
    <message>
        <source>The host has stopped hosting the game. The game stays on the board, and you can save it.</source>
        <translation>El anfitrión ha dejado de alojar la partida. La partida sigue en el tablero y puedes guardarla.</translation>
    </message>
    <message>
        <source>The host has ended the game. The game stays on the board, and you can save it.</source>
        <translation>El anfitrión ha terminado la partida. La partida sigue en el tablero y puedes guardarla.</translation>
    </message>
    <message>
        <source>The host speaks version %1 of the game&apos;s network protocol and this copy speaks version %2, so they cannot play together. Both players need the same version of the game.</source>
        <extracomment>%1 and %2 are version numbers of the way two copies of the game talk over the network.</extracomment>
        <translation>El anfitrión usa la versión %1 del protocolo de red del juego y esta copia usa la versión %2, así que no pueden jugar juntos. Los dos jugadores necesitan la misma versión del juego.</translation>
    </message>
    <message>
        <source>The invitation opens no seat of this game: it was changed, or the host has taken the seat back. Ask the host for a new invitation.</source>
        <translation>La invitación no abre ningún puesto de esta partida: se ha modificado, o el anfitrión ha recuperado el puesto. Pide al anfitrión una invitación nueva.</translation>
    </message>
    <message>
        <source>The computer that answered is not the host that sent the invitation, so this copy did not join.</source>
        <translation>El ordenador que ha respondido no es el anfitrión que envió la invitación, así que esta copia no se ha unido a la partida.</translation>
    </message>
</context>
<context>
    <name>HostTable</name>
    <message>
        <source>%1 has been away for a minute. Shall the computer play for %1 until %1 is back?</source>
        <translation>%1 lleva un minuto ausente. ¿Quieres que el ordenador juegue por %1 hasta que %1 vuelva?</translation>
    </message>
</context>
<context>
    <name>NewGameSetup</name>
    <message>
        <source>Select</source>
        <extracomment>The prompt in a computer seat&apos;s name list until a name is chosen from it.</extracomment>
        <translation>Elige</translation>
    </message>
    <message>
        <source>Please Select the Name!</source>
        <translation>¡Elige un nombre, por favor!</translation>
    </message>
    <message>
        <source>Please type the Name!</source>
        <translation>¡Escribe un nombre, por favor!</translation>
    </message>
    <message>
        <source>A name cannot begin with a double quote (&quot;).</source>
        <translation>Un nombre no puede empezar por comillas dobles (&quot;).</translation>
    </message>
    <message>
        <source>A name with a comma or a leading blank cannot also hold a double quote (&quot;).</source>
        <translation>Un nombre con una coma o con un espacio al principio no puede llevar además comillas dobles (&quot;).</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>It ends after %1 of the %2 fields of a saved game.</source>
        <translation>El archivo termina tras %1 de los %2 campos de una partida guardada.</translation>
    </message>
    <message>
        <source>It is larger than 1 MiB, so it is not a saved game.</source>
        <translation>El archivo ocupa más de 1 MiB, así que no es una partida guardada.</translation>
    </message>
    <message>
        <source>It is a directory, not a regular file.</source>
        <translation>Es una carpeta, no un archivo normal.</translation>
    </message>
    <message>
        <source>It is a named pipe, not a regular file.</source>
        <translation>Es una tubería con nombre, no un archivo normal.</translation>
    </message>
    <message>
        <source>It is a device, not a regular file.</source>
        <translation>Es un dispositivo, no un archivo normal.</translation>
    </message>
    <message>
        <source>It is a socket, not a regular file.</source>
        <translation>Es un socket, no un archivo normal.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
</context>
<context>
    <name>SaveRecord</name>
    <message>
        <source>The kind of the Red seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>El tipo del puesto rojo es «%1», pero debe ser True, False o un número.</translation>
    </message>
    <message>
        <source>The move count of Red is %1, but it must be from %2 to %3.</source>
        <translation>El número de jugadas del puesto rojo es %1, pero debe estar entre %2 y %3.</translation>
    </message>
    <message>
        <source>The square of Red is %1, but the board has squares 1 to 100.</source>
        <translation>La casilla del puesto rojo es %1, pero el tablero tiene las casillas de la 1 a la 100.</translation>
    </message>
    <message>
        <source>The move count of Red reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>El número de jugadas del puesto rojo figura como «%1», que no es un número entero entre -32768 y 32767.</translation>
    </message>
    <message>
        <source>The square of Red reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>La casilla del puesto rojo figura como «%1», que no es un número entero entre -32768 y 32767.</translation>
    </message>
    <message>
        <source>The kind of the Blue seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>El tipo del puesto azul es «%1», pero debe ser True, False o un número.</translation>
    </message>
    <message>
        <source>The move count of Blue is %1, but it must be from %2 to %3.</source>
        <translation>El número de jugadas del puesto azul es %1, pero debe estar entre %2 y %3.</translation>
    </message>
    <message>
        <source>The square of Blue is %1, but the board has squares 1 to 100.</source>
        <translation>La casilla del puesto azul es %1, pero el tablero tiene las casillas de la 1 a la 100.</translation>
    </message>
    <message>
        <source>The move count of Blue reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>El número de jugadas del puesto azul figura como «%1», que no es un número entero entre -32768 y 32767.</translation>
    </message>
    <message>
        <source>The square of Blue reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>La casilla del puesto azul figura como «%1», que no es un número entero entre -32768 y 32767.</translation>
    </message>
    <message>
        <source>The kind of the Yellow seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>El tipo del puesto amarillo es «%1», pero debe ser True, False o un número.</translation>
    </message>
    <message>
        <source>The move count of Yellow is %1, but it must be from %2 to %3.</source>
        <translation>El número de jugadas del puesto amarillo es %1, pero debe estar entre %2 y %3.</translation>
    </message>
    <message>
        <source>The square of Yellow is %1, but the board has squares 1 to 100.</source>
        <translation>La casilla del puesto amarillo es %1, pero el tablero tiene las casillas de la 1 a la 100.</translation>
    </message>
    <message>
        <source>The move count of Yellow reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>El número de jugadas del puesto amarillo figura como «%1», que no es un número entero entre -32768 y 32767.</translation>
    </message>
    <message>
        <source>The square of Yellow reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>La casilla del puesto amarillo figura como «%1», que no es un número entero entre -32768 y 32767.</translation>
    </message>
    <message>
        <source>The kind of the Green seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>El tipo del puesto verde es «%1», pero debe ser True, False o un número.</translation>
    </message>
    <message>
        <source>The move count of Green is %1, but it must be from %2 to %3.</source>
        <translation>El número de jugadas del puesto verde es %1, pero debe estar entre %2 y %3.</translation>
    </message>
    <message>
        <source>The square of Green is %1, but the board has squares 1 to 100.</source>
        <translation>La casilla del puesto verde es %1, pero el tablero tiene las casillas de la 1 a la 100.</translation>
    </message>
    <message>
        <source>The move count of Green reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>El número de jugadas del puesto verde figura como «%1», que no es un número entero entre -32768 y 32767.</translation>
    </message>
    <message>
        <source>The square of Green reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>La casilla del puesto verde figura como «%1», que no es un número entero entre -32768 y 32767.</translation>
    </message>
    <message>
        <source>The player on turn reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>El jugador en turno figura como «%1», que no es un número entero entre -32768 y 32767.</translation>
    </message>
    <message>
        <source>The player on turn is %1, but it must be from %2 to %3.</source>
        <translation>El jugador en turno es %1, pero debe estar entre %2 y %3.</translation>
    </message>
</context>
<context>
    <name>StatisticsKeeper</name>
    <message>
        <source>The players&apos; statistics could not be stored in %1: %2.</source>
        <translation>No se pudieron guardar las estadísticas de los jugadores en %1: %2.</translation>
    </message>
</context>
<context>
    <name>TableNews</name>
    <message>
        <source>The connection to the host is lost. This copy keeps trying to reach it</source>
        <translation>Se ha perdido la conexión con el anfitrión. Esta copia sigue intentando alcanzarlo</translation>
    </message>
    <message>
        <source>This copy is back at the host&apos;s game</source>
        <translation>Esta copia ha vuelto a la partida del anfitrión</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>The host</source>
        <extracomment>Who wrote a line of chat: the computer that hosts the game.</extracomment>
        <translation>El anfitrión</translation>
    </message>
    <message>
        <source>A watcher</source>
        <extracomment>Who wrote a line of chat: someone who watches the game and plays no seat.</extracomment>
        <translation>Un espectador</translation>
    </message>
    <message>
        <source>%1 says: %2</source>
        <extracomment>A line of chat in the game log and as the screen reader says it: %1 is who wrote it, %2 the line.</extracomment>
        <translation>%1 dice: %2</translation>
    </message>
    <message>
        <source>%1 has lost the connection to the game</source>
        <translation>%1 ha perdido la conexión con la partida</translation>
    </message>
    <message>
        <source>%1 is back in the game</source>
        <translation>%1 ha vuelto a la partida</translation>
    </message>
    <message numerus="yes">
        <source>A watcher has joined: %n watching the game</source>
        <translation>
            <numerusform>Se ha unido un espectador: %n persona mira la partida</numerusform>
            <numerusform>Se ha unido un espectador: %n personas miran la partida</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A watcher has left: %n watching the game</source>
        <translation>
            <numerusform>Un espectador se ha ido: %n persona mira la partida</numerusform>
            <numerusform>Un espectador se ha ido: %n personas miran la partida</numerusform>
        </translation>
    </message>
    <message>
        <source>This invitation reaches the host only through an XMPP server. Set up your XMPP account in the Settings window, then join again.</source>
        <translation>Esta invitación llega al anfitrión solo a través de un servidor XMPP. Configura tu cuenta XMPP en la ventana Preferencias y vuelve a unirte.</translation>
    </message>
</context>
<context>
    <name>UserStore</name>
    <message>
        <source>a folder stands where the file should be</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>hay una carpeta donde debería estar el archivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>its folder is read-only</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>su carpeta es de solo lectura</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>no se pudo escribir</translation>
    </message>
    <message numerus="yes">
        <source>its lock file %1 could not be taken within %n seconds</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;. The lock file is the settings file&apos;s name with &quot;.lock&quot; added; another copy of the game holds it while it writes.</extracomment>
        <translation>
            <numerusform>no se pudo obtener su archivo de bloqueo %1 en %n segundo</numerusform>
            <numerusform>no se pudo obtener su archivo de bloqueo %1 en %n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowPlace</name>
    <message>
        <source>The window&apos;s size and place could not be stored in %1: %2.</source>
        <extracomment>%1 is the settings file, %2 why it could not be written (&quot;the file is read-only&quot;).</extracomment>
        <translation>No se pudieron guardar el tamaño y la posición de la ventana en %1: %2.</translation>
    </message>
</context>
<context>
    <name>XmppAccount</name>
    <message>
        <source>The XMPP server turned down the address %1 with its password. Check them in Settings.</source>
        <translation>El servidor XMPP ha rechazado la dirección %1 con su contraseña. Revisa ambas en Preferencias.</translation>
    </message>
    <message>
        <source>The XMPP server of %1 cannot be reached. The game goes on, and this copy keeps trying to sign in.</source>
        <translation>No se puede contactar con el servidor XMPP de %1. La partida continúa y esta copia sigue intentando iniciar sesión.</translation>
    </message>
    <message>
        <source>The XMPP server of %1 offers no secure connection this computer trusts, so this copy did not sign in.</source>
        <translation>El servidor XMPP de %1 no ofrece ninguna conexión segura en la que este ordenador confíe, así que esta copia no ha iniciado sesión.</translation>
    </message>
    <message>
        <source>The XMPP server does not let accounts be made from the game. Make one on the server&apos;s web site, or ask its administrator.</source>
        <translation>El servidor XMPP no permite crear cuentas desde el juego. Crea una en la web del servidor o pídesela a su administrador.</translation>
    </message>
    <message>
        <source>The address %1 is taken already. Choose another name.</source>
        <translation>La dirección %1 ya está ocupada. Elige otro nombre.</translation>
    </message>
    <message>
        <source>%1 is not an XMPP address. An address looks like name@example.org.</source>
        <translation>%1 no es una dirección XMPP. Una dirección tiene el aspecto nombre@example.org.</translation>
    </message>
    <message>
        <source>Password of the XMPP account %1:</source>
        <extracomment>The label over the box where the player types the password of an XMPP account; %1 is its address.</extracomment>
        <translation>Contraseña de la cuenta XMPP %1:</translation>
    </message>
</context>
<context>
    <name>vantry::FileMenu</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Se&amp;ttings...</source>
        <extracomment>The File menu&apos;s entry that opens the Settings window; its letter is used by no other entry.</extracomment>
        <translation>&amp;Preferencias...</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Game &amp;Log</source>
        <extracomment>Opens the window with the game&apos;s log, the race chart and the players&apos; statistics.</extracomment>
        <translation>&amp;Registro de la partida</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Join Game...</source>
        <extracomment>Asks for an invitation from a player on another computer and joins that player&apos;s game.</extracomment>
        <translation>&amp;Unirse a una partida...</translation>
    </message>
    <message>
        <source>&amp;Invite Players...</source>
        <extracomment>Opens the window that gives seats to players on other computers and shows their invitations.</extracomment>
        <translation>&amp;Invitar jugadores...</translation>
    </message>
</context>
<context>
    <name>vantry::QtPrompter</name>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>vantry::RaceChart</name>
    <message>
        <source>Race chart</source>
        <extracomment>What a screen reader calls the chart of every seat&apos;s square after each move.</extracomment>
        <translation>Gráfico de la carrera</translation>
    </message>
    <message>
        <source>No counter has moved yet.</source>
        <translation>Todavía no se ha movido ninguna ficha.</translation>
    </message>
    <message numerus="yes">
        <source>%1 has won, %n squares ahead of %2.</source>
        <translation>
            <numerusform>%1 ha ganado, %n casilla por delante de %2.</numerusform>
            <numerusform>%1 ha ganado, %n casillas por delante de %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has won.</source>
        <translation>%1 ha ganado.</translation>
    </message>
    <message numerus="yes">
        <source>%1 leads on square %2, %n squares ahead of %3.</source>
        <translation>
            <numerusform>%1 va en cabeza en la casilla %2, %n casilla por delante de %3.</numerusform>
            <numerusform>%1 va en cabeza en la casilla %2, %n casillas por delante de %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other players share the lead on square %2.</source>
        <translation>
            <numerusform>%1 y %n jugador más comparten el primer puesto en la casilla %2.</numerusform>
            <numerusform>%1 y %n jugadores más comparten el primer puesto en la casilla %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantry::StatisticsPane</name>
    <message>
        <source>Players&apos; statistics</source>
        <extracomment>What a screen reader calls the table of every player&apos;s figures.</extracomment>
        <translation>Estadísticas de los jugadores</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Column heading: the player&apos;s name.</extracomment>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Games</source>
        <extracomment>Column heading: how many games the player finished.</extracomment>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Column heading: how many games the player won.</extracomment>
        <translation>Victorias</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <extracomment>Column heading: the fewest moves the player needed for a win.</extracomment>
        <translation>Menos jugadas</translation>
    </message>
    <message>
        <source>Average moves</source>
        <extracomment>Column heading: the average moves of the player&apos;s wins.</extracomment>
        <translation>Media de jugadas</translation>
    </message>
    <message>
        <source>Ladders</source>
        <extracomment>Column heading: how many ladders the player climbed.</extracomment>
        <translation>Escaleras</translation>
    </message>
    <message>
        <source>Snakes</source>
        <extracomment>Column heading: how many snakes the player met.</extracomment>
        <translation>Serpientes</translation>
    </message>
    <message>
        <source>No game has been finished yet.</source>
        <translation>Todavía no se ha terminado ninguna partida.</translation>
    </message>
    <message>
        <source>Clear S&amp;tatistics...</source>
        <extracomment>Button: removes every player&apos;s statistics, after asking.</extracomment>
        <translation>&amp;Borrar estadísticas...</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n games finished, no wins, ladders: %2, snakes: %3</source>
        <translation>
            <numerusform>%1: %n partida terminada, ninguna victoria, escaleras: %2, serpientes: %3</numerusform>
            <numerusform>%1: %n partidas terminadas, ninguna victoria, escaleras: %2, serpientes: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n games finished, wins: %2, fewest moves: %3, average moves: %4, ladders: %5, snakes: %6</source>
        <translation>
            <numerusform>%1: %n partida terminada, victorias: %2, menos jugadas: %3, media de jugadas: %4, escaleras: %5, serpientes: %6</numerusform>
            <numerusform>%1: %n partidas terminadas, victorias: %2, menos jugadas: %3, media de jugadas: %4, escaleras: %5, serpientes: %6</numerusform>
        </translation>
    </message>
    <message>
        <source>Do you want to clear the statistics of every player?</source>
        <translation>¿Quieres borrar las estadísticas de todos los jugadores?</translation>
    </message>
</context>
<context>
    <name>vantry::frmAbout</name>
    <message>
        <source>Written by</source>
        <translation>Escrito por</translation>
    </message>
    <message>
        <source>Griphics:</source>
        <translation>Gráficos:</translation>
    </message>
    <message>
        <source>This copy is licensed to:</source>
        <translation>Licencia a nombre de:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Published by</source>
        <translation>Publicado por</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>3rd Edition</source>
        <translation>3.ª edición</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>Correo: %1</translation>
    </message>
    <message>
        <source>W-site: %1</source>
        <translation>Web: %1</translation>
    </message>
    <message>
        <source>Vantry - About</source>
        <translation>Vantry - Acerca de</translation>
    </message>
</context>
<context>
    <name>vantry::frmInvite</name>
    <message>
        <source>Vantry - Invite Players</source>
        <translation>Vantry - Invitar jugadores</translation>
    </message>
    <message>
        <source>Each seat ticked here is played from another computer. Send its player the invitation beside it; the last one lets someone watch the game.</source>
        <translation>Cada puesto marcado aquí se juega desde otro ordenador. Envía a su jugador la invitación que tiene al lado; la última permite a alguien mirar la partida.</translation>
    </message>
    <message>
        <source>%1 plays from another computer</source>
        <extracomment>A seat&apos;s tick box in the invitations window; %1 is the seat&apos;s name as on the board.</extracomment>
        <translation>%1 juega desde otro ordenador</translation>
    </message>
    <message>
        <source>Invitation for %1</source>
        <extracomment>The accessible name of the box holding a seat&apos;s invitation; %1 is the seat&apos;s name.</extracomment>
        <translation>Invitación para %1</translation>
    </message>
    <message>
        <source>To watch:</source>
        <extracomment>The label before the invitation that lets someone watch the game without playing.</extracomment>
        <translation>Para mirar:</translation>
    </message>
    <message>
        <source>Invitation to watch</source>
        <translation>Invitación para mirar</translation>
    </message>
    <message>
        <source>The game could not be hosted: this computer could not open a network port for it.</source>
        <translation>No se pudo alojar la partida: este ordenador no pudo abrir un puerto de red para ella.</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Copies an invitation to the clipboard, to paste it into a mail or a chat.</extracomment>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>vantry::frmLog</name>
    <message>
        <source>Vantry - Game Log</source>
        <translation>Vantry - Registro de la partida</translation>
    </message>
    <message>
        <source>Game log</source>
        <extracomment>What a screen reader calls the list of the game&apos;s events.</extracomment>
        <translation>Registro de la partida</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <extracomment>The tab of the game log window that lists every event of the game.</extracomment>
        <translation>&amp;Registro</translation>
    </message>
    <message>
        <source>&amp;Race</source>
        <extracomment>The tab of the game log window with the chart of the race.</extracomment>
        <translation>&amp;Carrera</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <extracomment>The tab of the game log window with every player&apos;s statistics.</extracomment>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <extracomment>Button: copies every line of the game log to the clipboard.</extracomment>
        <translation>Copiar &amp;todo</translation>
    </message>
    <message>
        <source>Copies every line of the log as text.</source>
        <translation>Copia todas las líneas del registro como texto.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: closes the game log window.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>S&amp;ay:</source>
        <extracomment>The label in front of the box where a player types a line of chat to everyone at the table.</extracomment>
        <translation>&amp;Decir:</translation>
    </message>
    <message>
        <source>Chat to everyone at the table</source>
        <extracomment>The screen reader&apos;s name for the box where a player types a line of chat.</extracomment>
        <translation>Mensaje para todos los de la mesa</translation>
    </message>
    <message>
        <source>Enter sends the line to every player and watcher of the game.</source>
        <translation>Intro envía la línea a todos los jugadores y espectadores de la partida.</translation>
    </message>
</context>
<context>
    <name>vantry::frmMain</name>
    <message>
        <source>%1 Wins!</source>
        <translation>¡Gana %1!</translation>
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
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>The computer plays this seat</source>
        <translation>En este puesto juega el ordenador</translation>
    </message>
    <message>
        <source>A person plays this seat</source>
        <translation>En este puesto juega una persona</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Alias:</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>Al a&amp;zar</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>Vantry - New Game</source>
        <translation>Vantry - Nueva partida</translation>
    </message>
    <message>
        <source>Red seat: computer</source>
        <translation>Puesto rojo: ordenador</translation>
    </message>
    <message>
        <source>Blue seat: computer</source>
        <translation>Puesto azul: ordenador</translation>
    </message>
    <message>
        <source>Yellow seat: computer</source>
        <translation>Puesto amarillo: ordenador</translation>
    </message>
    <message>
        <source>Green seat: computer</source>
        <translation>Puesto verde: ordenador</translation>
    </message>
    <message>
        <source>Red seat: person</source>
        <translation>Puesto rojo: persona</translation>
    </message>
    <message>
        <source>Blue seat: person</source>
        <translation>Puesto azul: persona</translation>
    </message>
    <message>
        <source>Yellow seat: person</source>
        <translation>Puesto amarillo: persona</translation>
    </message>
    <message>
        <source>Green seat: person</source>
        <translation>Puesto verde: persona</translation>
    </message>
    <message>
        <source>Red seat name</source>
        <translation>Nombre del puesto rojo</translation>
    </message>
    <message>
        <source>Blue seat name</source>
        <translation>Nombre del puesto azul</translation>
    </message>
    <message>
        <source>Yellow seat name</source>
        <translation>Nombre del puesto amarillo</translation>
    </message>
    <message>
        <source>Green seat name</source>
        <translation>Nombre del puesto verde</translation>
    </message>
    <message>
        <source>Red seat: a player on another computer</source>
        <translation>Puesto rojo: una persona en otro ordenador</translation>
    </message>
    <message>
        <source>Blue seat: a player on another computer</source>
        <translation>Puesto azul: una persona en otro ordenador</translation>
    </message>
    <message>
        <source>Yellow seat: a player on another computer</source>
        <translation>Puesto amarillo: una persona en otro ordenador</translation>
    </message>
    <message>
        <source>Green seat: a player on another computer</source>
        <translation>Puesto verde: una persona en otro ordenador</translation>
    </message>
    <message>
        <source>On another &amp;computer</source>
        <extracomment>A check box in each seat&apos;s group of the new-game dialog; ticked, a person on another computer plays the seat.</extracomment>
        <translation>En otro &amp;ordenador</translation>
    </message>
    <message>
        <source>A player on another computer plays this seat. Starting the game hosts it and shows the invitation to send.</source>
        <translation>Una persona en otro ordenador juega este puesto. Al empezar, la partida se aloja aquí y se muestra la invitación que hay que enviar.</translation>
    </message>
</context>
<context>
    <name>vantry::frmRec</name>
    <message>
        <source>P</source>
        <comment>heading of the places column</comment>
        <translation>#</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Otra vez</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Vantry - Best Players</source>
        <translation>Vantry - Mejores jugadores</translation>
    </message>
    <message>
        <source>The best players could not be stored in %1: %2.</source>
        <extracomment>%1 is the settings file, %2 why it could not be written (&quot;the file is read-only&quot;).</extracomment>
        <translation>No se pudo guardar la tabla de mejores jugadores en %1: %2.</translation>
    </message>
    <message>
        <source>%1, %2, moves: %3</source>
        <extracomment>A row of the best players read aloud: %1 the place (1 to 10), %2 the name, %3 the count as stored.</extracomment>
        <translation>%1, %2, jugadas: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %n moves</source>
        <extracomment>A row of the best players read aloud: %1 the place (1 to 10), %2 the name, %n the moves.</extracomment>
        <translation>
            <numerusform>%1, %2, %n jugada</numerusform>
            <numerusform>%1, %2, %n jugadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 Moves = %n</source>
        <extracomment>The winner&apos;s result: %1 the winner&apos;s name, %n the moves of the game.</extracomment>
        <translation>
            <numerusform>%1: %n jugada</numerusform>
            <numerusform>%1: %n jugadas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantry::frmSettings</name>
    <message>
        <source>Vantry - Settings</source>
        <translation>Vantry - Preferencias</translation>
    </message>
    <message>
        <source>Show each seat&apos;s &amp;mark on its counter and name</source>
        <translation>Mostrar la &amp;marca de cada puesto en su ficha y su nombre</translation>
    </message>
    <message>
        <source>Counters &amp;travel square by square and the die rolls</source>
        <translation>&amp;Desplazar las fichas casilla a casilla y hacer rodar el dado</translation>
    </message>
    <message>
        <source>Computer&apos;s &amp;pace:</source>
        <extracomment>Label of the list of paces at which the computer&apos;s seats throw and move.</extracomment>
        <translation>&amp;Ritmo del ordenador:</translation>
    </message>
    <message>
        <source>Relaxed (a step a second)</source>
        <extracomment>A pace of the computer&apos;s seats: one step (a throw or a move) a second.</extracomment>
        <translation>Pausado (un paso por segundo)</translation>
    </message>
    <message>
        <source>As designed (a step every half second)</source>
        <extracomment>A pace of the computer&apos;s seats: the game&apos;s own, one step every half second.</extracomment>
        <translation>Normal (un paso cada medio segundo)</translation>
    </message>
    <message>
        <source>Brisk (four steps a second)</source>
        <extracomment>A pace of the computer&apos;s seats: four steps a second.</extracomment>
        <translation>Rápido (cuatro pasos por segundo)</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volumen:</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>The volume as a percentage; %1 is a whole number from 0 to 100.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <extracomment>The first choice of the language list: whichever language the desktop is set to.</extracomment>
        <translation>El idioma del escritorio</translation>
    </message>
    <message>
        <source>A new language is used from the next start of Vantry.</source>
        <translation>El nuevo idioma se usará la próxima vez que inicies Vantry.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Your settings could not be stored in %1: %2. They hold until Vantry is closed.</source>
        <translation>No se pudieron guardar tus preferencias en %1: %2. Se mantienen hasta que cierres Vantry.</translation>
    </message>
    <message>
        <source>Playing through an XMPP server</source>
        <extracomment>The heading over the XMPP account&apos;s boxes in the Settings window.</extracomment>
        <translation>Jugar a través de un servidor XMPP</translation>
    </message>
    <message>
        <source>XMPP &amp;address:</source>
        <extracomment>The box of the player&apos;s XMPP address, such as name@example.org.</extracomment>
        <translation>Dirección &amp;XMPP:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Con&amp;traseña:</translation>
    </message>
    <message>
        <source>Se&amp;rver:</source>
        <extracomment>The box of where the XMPP server listens, needed only when its address does not say.</extracomment>
        <translation>S&amp;ervidor:</translation>
    </message>
    <message>
        <source>Found from the address</source>
        <extracomment>Shown in the empty server box: the server is found from the XMPP address.</extracomment>
        <translation>Se deduce de la dirección</translation>
    </message>
    <message>
        <source>Cr&amp;eate Account</source>
        <translation>Crear c&amp;uenta</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s keyring.</source>
        <translation>La contraseña se guarda en el llavero del escritorio.</translation>
    </message>
    <message>
        <source>The account %1 was made.</source>
        <extracomment>%1 is the XMPP address just made on its server.</extracomment>
        <translation>Se ha creado la cuenta %1.</translation>
    </message>
    <message>
        <source>A hosted game then also opens a port, for players who can reach this computer, such as those at home. Unticked, a game hosted with the account opens no port, and every player joins through the server.</source>
        <translation>La partida alojada abre entonces también un puerto para los jugadores que pueden llegar a este ordenador, como los de casa. Sin marcar, una partida alojada con la cuenta no abre ningún puerto y todos se unen a través del servidor.</translation>
    </message>
    <message>
        <source>Also let players reach this computer &amp;directly</source>
        <translation>&amp;Permitir también que se conecten directamente a este ordenador</translation>
    </message>
</context>
</TS>
