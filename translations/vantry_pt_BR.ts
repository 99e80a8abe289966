<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutValues</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>red</source>
        <translation>vermelho</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarelo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>%1&apos;s turn, computer</source>
        <translation>Vez de %1, computador</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>Vez de %1</translation>
    </message>
    <message>
        <source>%1 throws %2</source>
        <translation>%1 tira %2</translation>
    </message>
    <message>
        <source>%1 moves from the start to %2</source>
        <extracomment>%1 is a player&apos;s name; %2 a square of the board.</extracomment>
        <translation>%1 vai do início para a casa %2</translation>
    </message>
    <message>
        <source>%1 moves from %2 to %3</source>
        <extracomment>%1 is a player&apos;s name; %2 and %3 squares of the board.</extracomment>
        <translation>%1 vai da casa %2 para a %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 wins in %n moves</source>
        <translation>
            <numerusform>%1 vence em %n jogada</numerusform>
            <numerusform>%1 vence em %n jogadas</numerusform>
        </translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>Jogo aberto: %1</translation>
    </message>
    <message>
        <source>computer</source>
        <extracomment>Who plays a seat, said after its name and colour in the reading of the board.</extracomment>
        <translation>computador</translation>
    </message>
    <message>
        <source>person</source>
        <extracomment>Who plays a seat, said after its name and colour: a human player, not &quot;nobody&quot;.</extracomment>
        <translation>pessoa</translation>
    </message>
    <message>
        <source>%1, %2, %3, at the start</source>
        <translation>%1, %2, %3, no início</translation>
    </message>
    <message>
        <source>%1, %2, %3, on square %4</source>
        <translation>%1, %2, %3, na casa %4</translation>
    </message>
    <message>
        <source>%1 has won</source>
        <translation>%1 venceu</translation>
    </message>
    <message>
        <source>%1 moves from the start to %2, ladder up to %3</source>
        <extracomment>%1 is a player&apos;s name; %2 the square the throw reached, the foot of a ladder; %3 its top.</extracomment>
        <translation>%1 vai do início para a casa %2 e sobe pela escada até a %3</translation>
    </message>
    <message>
        <source>%1 moves from %2 to %3, ladder up to %4</source>
        <extracomment>%1 is a player&apos;s name; %2 and %3 squares; %4 the top of the ladder on square %3.</extracomment>
        <translation>%1 vai da casa %2 para a %3 e sobe pela escada até a %4</translation>
    </message>
    <message>
        <source>%1 moves from the start to %2, snake down to %3</source>
        <extracomment>%1 is a player&apos;s name; %2 the square the throw reached, a snake&apos;s head; %3 its tail.</extracomment>
        <translation>%1 vai do início para a casa %2 e desce pela cobra até a %3</translation>
    </message>
    <message>
        <source>%1 moves from %2 to %3, snake down to %4</source>
        <extracomment>%1 is a player&apos;s name; %2 and %3 squares; %4 the tail of the snake on square %3.</extracomment>
        <translation>%1 vai da casa %2 para a %3 e desce pela cobra até a %4</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Invitation:</source>
        <extracomment>The label over the box where a player pastes an invitation, a vantry:// link.</extracomment>
        <translation>Convite:</translation>
    </message>
    <message>
        <source>This copy of the game cannot play across computers: its network module is missing.</source>
        <translation>Esta cópia do jogo não pode jogar entre computadores: falta o seu módulo de rede.</translation>
    </message>
    <message>
        <source>This desktop has no keyring to keep the password in, so the game asks for it each time it signs in.</source>
        <translation>Esta área de trabalho não tem chaveiro para guardar a senha, então o jogo a pede toda vez que entra na conta.</translation>
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
        <translation>Menu Arquivo</translation>
    </message>
    <message>
        <source>computer</source>
        <extracomment>Said of a name on the board after the name and colour: the computer plays this seat.</extracomment>
        <translation>computador</translation>
    </message>
    <message>
        <source>winner</source>
        <extracomment>Said of a name on the board after the name and colour: this seat has won.</extracomment>
        <translation>vencedor</translation>
    </message>
    <message>
        <source>to play</source>
        <extracomment>Said of a name on the board after the name and colour: this seat is on turn.</extracomment>
        <translation>na vez</translation>
    </message>
    <message>
        <source>Red counter at the start</source>
        <translation>Peão vermelho no início</translation>
    </message>
    <message>
        <source>Blue counter at the start</source>
        <translation>Peão azul no início</translation>
    </message>
    <message>
        <source>Yellow counter at the start</source>
        <translation>Peão amarelo no início</translation>
    </message>
    <message>
        <source>Green counter at the start</source>
        <translation>Peão verde no início</translation>
    </message>
    <message>
        <source>Red counter on square %1</source>
        <translation>Peão vermelho na casa %1</translation>
    </message>
    <message>
        <source>Blue counter on square %1</source>
        <translation>Peão azul na casa %1</translation>
    </message>
    <message>
        <source>Yellow counter on square %1</source>
        <translation>Peão amarelo na casa %1</translation>
    </message>
    <message>
        <source>Green counter on square %1</source>
        <translation>Peão verde na casa %1</translation>
    </message>
    <message>
        <source>Move the red counter</source>
        <translation>Mover o peão vermelho</translation>
    </message>
    <message>
        <source>Move the blue counter</source>
        <translation>Mover o peão azul</translation>
    </message>
    <message>
        <source>Move the yellow counter</source>
        <translation>Mover o peão amarelo</translation>
    </message>
    <message>
        <source>Move the green counter</source>
        <translation>Mover o peão verde</translation>
    </message>
    <message>
        <source>Die, click to throw</source>
        <translation>Dado, clique para lançar</translation>
    </message>
    <message>
        <source>Die, showing %1</source>
        <translation>Dado, mostrando %1</translation>
    </message>
    <message>
        <source>on another computer</source>
        <extracomment>Said of a name on the board after the name and colour: a player on another computer plays it.</extracomment>
        <translation>em outro computador</translation>
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
        <translation>Vai</translation>
    </message>
    <message>
        <source>Click</source>
        <extracomment>The caption on the die before the first throw, asking to click it; it must fit the small face.</extracomment>
        <translation>Role</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>the word on the File menu&apos;s button</comment>
        <translation>ARQUIVO</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>vantry: unknown option &apos;%1&apos;
Try &apos;vantry --help&apos; for more information.</source>
        <translation>vantry: opção desconhecida “%1”
Use “vantry --help” para mais informações.</translation>
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
        <translation>Uso: vantry [ARQUIVO]
Joga Vantry, uma corrida de escadas e cobras para até quatro jogadores.
Com ARQUIVO, abre esse jogo salvo (um arquivo .vty) e continua a partir dele;
sem ele, começa com a janela de novo jogo.

  -h, --help     mostra esta ajuda e sai
      --version  mostra a versão e sai
      --         considera todos os argumentos seguintes parte de ARQUIVO

Um ARQUIVO dado em vários argumentos é reunido com espaços simples.
Com VANTRY_NO_TRAVEL=1 no ambiente, os peões pulam direto para a sua casa em
vez de percorrer o caminho.

No tabuleiro: Espaço joga o dado; Enter move, ou aciona o controle com o foco;
Tab vai do dado aos peões, ao Vai e ao ARQUIVO; B lê o tabuleiro inteiro em
voz alta por um leitor de tela.
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
As configurações (no menu Arquivo, ou Ctrl+vírgula no tabuleiro) ligam ou
desligam as marcas dos lugares, o andar dos peões e o som, e definem o ritmo
do computador, o volume e o idioma; elas ficam guardadas para a próxima vez.
VANTRY_NO_TRAVEL=1 desliga o andar dos peões, seja qual for a configuração.
</translation>
    </message>
    <message>
        <source>F11 shows the board on the whole screen, and Escape leaves it.
</source>
        <translation>F11 mostra o tabuleiro em tela cheia e Esc sai dela.
</translation>
    </message>
    <message>
        <source>vantry: the game could not be hosted</source>
        <translation>vantry: não foi possível hospedar o jogo</translation>
    </message>
    <message>
        <source>vantry: --host needs the saved game to host
Try &apos;vantry --help&apos; for more information.</source>
        <translation>vantry: --host precisa do jogo salvo a ser hospedado
Use “vantry --help” para mais informações.</translation>
    </message>
    <message>
        <source>--host FILE hosts it and prints the invitations; vantry://... joins one.
</source>
        <translation>--host ARQUIVO hospeda o jogo e mostra os convites; vantry://... aceita um.
</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Vantry - Untitled</source>
        <translation>Vantry - Sem título</translation>
    </message>
    <message>
        <source>Vantry Game Files (*.vty)</source>
        <translation>Jogos salvos do Vantry (*.vty)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir arquivo</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salvar arquivo</translation>
    </message>
    <message>
        <source>The game could not be opened from &quot;%1&quot;.

%2</source>
        <translation>Não foi possível abrir o jogo de “%1”.

%2</translation>
    </message>
    <message>
        <source>Do you want to save your game?</source>
        <translation>Quer salvar seu jogo?</translation>
    </message>
    <message>
        <source>Do you want to save changes on your game?</source>
        <translation>Quer salvar as alterações no seu jogo?</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;.

%2</source>
        <translation>Não foi possível salvar o jogo em “%1”.

%2</translation>
    </message>
</context>
<context>
    <name>GuestTable</name>
    <message>
        <source>This seat is already played from another computer.</source>
        <translation>Alguém já joga neste lugar a partir de outro computador.</translation>
    </message>
    <message>
        <source>The host has no room for another player or watcher.</source>
        <translation>O anfitrião não pode receber mais nenhum jogador ou espectador.</translation>
    </message>
    <message>
        <source>This is not an invitation to a game. An invitation begins with vantry:// and works only when it is copied whole, without a character changed.</source>
        <translation>Isto não é um convite para um jogo. Um convite começa com vantry:// e só funciona se for copiado inteiro, sem nenhum caractere alterado.</translation>
    </message>
    <message>
        <source>The host has stopped hosting the game. The game stays on the board, and you can save it.</source>
        <translation>O anfitrião parou de hospedar o jogo. O jogo continua no tabuleiro, e você pode salvá-lo.</translation>
    </message>
    <message>
        <source>The host has ended the game. The game stays on the board, and you can save it.</source>
        <translation>O anfitrião encerrou o jogo. O jogo continua no tabuleiro, e você pode salvá-lo.</translation>
    </message>
    <message>
        <source>The host speaks version %1 of the game&apos;s network protocol and this copy speaks version %2, so they cannot play together. Both players need the same version of the game.</source>
        <extracomment>%1 and %2 are version numbers of the way two copies of the game talk over the network.</extracomment>
        <translation>O anfitrião usa a versão %1 do protocolo de rede do jogo e esta cópia usa a versão %2, então eles não podem jogar juntos. Os dois jogadores precisam da mesma versão do jogo.</translation>
    </message>
    <message>
        <source>The invitation opens no seat of this game: it was changed, or the host has taken the seat back. Ask the host for a new invitation.</source>
        <translation>O convite não abre nenhum lugar deste jogo: ele foi alterado, ou o anfitrião retomou o lugar. Peça um novo convite ao anfitrião.</translation>
    </message>
    <message>
        <source>The computer that answered is not the host that sent the invitation, so this copy did not join.</source>
        <translation>O computador que respondeu não é o anfitrião que enviou o convite, então esta cópia não entrou no jogo.</translation>
    </message>
</context>
<context>
    <name>HostTable</name>
    <message>
        <source>%1 has been away for a minute. Shall the computer play for %1 until %1 is back?</source>
        <translation>%1 está ausente há um minuto. O computador deve jogar por %1 até %1 voltar?</translation>
    </message>
</context>
<context>
    <name>NewGameSetup</name>
    <message>
        <source>Select</source>
        <extracomment>The prompt in a computer seat&apos;s name list until a name is chosen from it.</extracomment>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>Please Select the Name!</source>
        <translation>Escolha o nome, por favor!</translation>
    </message>
    <message>
        <source>Please type the Name!</source>
        <translation>Digite o nome, por favor!</translation>
    </message>
    <message>
        <source>A name cannot begin with a double quote (&quot;).</source>
        <translation>Um nome não pode começar com aspas duplas (&quot;).</translation>
    </message>
    <message>
        <source>A name with a comma or a leading blank cannot also hold a double quote (&quot;).</source>
        <translation>Um nome com vírgula ou que começa com espaço não pode ter também aspas duplas (&quot;).</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>It ends after %1 of the %2 fields of a saved game.</source>
        <translation>O arquivo termina depois de %1 dos %2 campos de um jogo salvo.</translation>
    </message>
    <message>
        <source>It is larger than 1 MiB, so it is not a saved game.</source>
        <translation>O arquivo tem mais de 1 MiB, então não é um jogo salvo.</translation>
    </message>
    <message>
        <source>It is a directory, not a regular file.</source>
        <translation>É uma pasta, não um arquivo comum.</translation>
    </message>
    <message>
        <source>It is a named pipe, not a regular file.</source>
        <translation>É um pipe nomeado, não um arquivo comum.</translation>
    </message>
    <message>
        <source>It is a device, not a regular file.</source>
        <translation>É um dispositivo, não um arquivo comum.</translation>
    </message>
    <message>
        <source>It is a socket, not a regular file.</source>
        <translation>É um socket, não um arquivo comum.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Não é um arquivo comum.</translation>
    </message>
</context>
<context>
    <name>SaveRecord</name>
    <message>
        <source>The kind of the Red seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>O tipo do lugar vermelho é “%1”, mas deve ser True, False ou um número.</translation>
    </message>
    <message>
        <source>The move count of Red is %1, but it must be from %2 to %3.</source>
        <translation>O número de jogadas do vermelho é %1, mas deve ficar entre %2 e %3.</translation>
    </message>
    <message>
        <source>The square of Red is %1, but the board has squares 1 to 100.</source>
        <translation>A casa do vermelho é %1, mas o tabuleiro tem as casas de 1 a 100.</translation>
    </message>
    <message>
        <source>The move count of Red reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>O número de jogadas do vermelho é “%1”, que não é um número inteiro de -32768 a 32767.</translation>
    </message>
    <message>
        <source>The square of Red reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>A casa do vermelho é “%1”, que não é um número inteiro de -32768 a 32767.</translation>
    </message>
    <message>
        <source>The kind of the Blue seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>O tipo do lugar azul é “%1”, mas deve ser True, False ou um número.</translation>
    </message>
    <message>
        <source>The move count of Blue is %1, but it must be from %2 to %3.</source>
        <translation>O número de jogadas do azul é %1, mas deve ficar entre %2 e %3.</translation>
    </message>
    <message>
        <source>The square of Blue is %1, but the board has squares 1 to 100.</source>
        <translation>A casa do azul é %1, mas o tabuleiro tem as casas de 1 a 100.</translation>
    </message>
    <message>
        <source>The move count of Blue reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>O número de jogadas do azul é “%1”, que não é um número inteiro de -32768 a 32767.</translation>
    </message>
    <message>
        <source>The square of Blue reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>A casa do azul é “%1”, que não é um número inteiro de -32768 a 32767.</translation>
    </message>
    <message>
        <source>The kind of the Yellow seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>O tipo do lugar amarelo é “%1”, mas deve ser True, False ou um número.</translation>
    </message>
    <message>
        <source>The move count of Yellow is %1, but it must be from %2 to %3.</source>
        <translation>O número de jogadas do amarelo é %1, mas deve ficar entre %2 e %3.</translation>
    </message>
    <message>
        <source>The square of Yellow is %1, but the board has squares 1 to 100.</source>
        <translation>A casa do amarelo é %1, mas o tabuleiro tem as casas de 1 a 100.</translation>
    </message>
    <message>
        <source>The move count of Yellow reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>O número de jogadas do amarelo é “%1”, que não é um número inteiro de -32768 a 32767.</translation>
    </message>
    <message>
        <source>The square of Yellow reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>A casa do amarelo é “%1”, que não é um número inteiro de -32768 a 32767.</translation>
    </message>
    <message>
        <source>The kind of the Green seat is &quot;%1&quot;, but it must be True, False or a number.</source>
        <translation>O tipo do lugar verde é “%1”, mas deve ser True, False ou um número.</translation>
    </message>
    <message>
        <source>The move count of Green is %1, but it must be from %2 to %3.</source>
        <translation>O número de jogadas do verde é %1, mas deve ficar entre %2 e %3.</translation>
    </message>
    <message>
        <source>The square of Green is %1, but the board has squares 1 to 100.</source>
        <translation>A casa do verde é %1, mas o tabuleiro tem as casas de 1 a 100.</translation>
    </message>
    <message>
        <source>The move count of Green reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>O número de jogadas do verde é “%1”, que não é um número inteiro de -32768 a 32767.</translation>
    </message>
    <message>
        <source>The square of Green reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>A casa do verde é “%1”, que não é um número inteiro de -32768 a 32767.</translation>
    </message>
    <message>
        <source>The player on turn reads &quot;%1&quot;, which is not a whole number from -32768 to 32767.</source>
        <translation>O jogador da vez é “%1”, que não é um número inteiro de -32768 a 32767.</translation>
    </message>
    <message>
        <source>The player on turn is %1, but it must be from %2 to %3.</source>
        <translation>O jogador da vez é %1, mas deve ficar entre %2 e %3.</translation>
    </message>
</context>
<context>
    <name>StatisticsKeeper</name>
    <message>
        <source>The players&apos; statistics could not be stored in %1: %2.</source>
        <translation>Não foi possível salvar as estatísticas dos jogadores em %1: %2.</translation>
    </message>
</context>
<context>
    <name>TableNews</name>
    <message>
        <source>The connection to the host is lost. This copy keeps trying to reach it</source>
        <translation>A conexão com o anfitrião caiu. Esta cópia continua tentando alcançá-lo</translation>
    </message>
    <message>
        <source>This copy is back at the host&apos;s game</source>
        <translation>Esta cópia voltou ao jogo do anfitrião</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>The host</source>
        <extracomment>Who wrote a line of chat: the computer that hosts the game.</extracomment>
        <translation>O anfitrião</translation>
    </message>
    <message>
        <source>A watcher</source>
        <extracomment>Who wrote a line of chat: someone who watches the game and plays no seat.</extracomment>
        <translation>Um espectador</translation>
    </message>
    <message>
        <source>%1 says: %2</source>
        <extracomment>A line of chat in the game log and as the screen reader says it: %1 is who wrote it, %2 the line.</extracomment>
        <translation>%1 diz: %2</translation>
    </message>
    <message>
        <source>%1 has lost the connection to the game</source>
        <translation>%1 perdeu a conexão com o jogo</translation>
    </message>
    <message>
        <source>%1 is back in the game</source>
        <translation>%1 voltou ao jogo</translation>
    </message>
    <message numerus="yes">
        <source>A watcher has joined: %n watching the game</source>
        <translation>
            <numerusform>Um espectador entrou: %n pessoa assiste ao jogo</numerusform>
            <numerusform>Um espectador entrou: %n pessoas assistem ao jogo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A watcher has left: %n watching the game</source>
        <translation>
            <numerusform>Um espectador saiu: %n pessoa assiste ao jogo</numerusform>
            <numerusform>Um espectador saiu: %n pessoas assistem ao jogo</numerusform>
        </translation>
    </message>
    <message>
        <source>This invitation reaches the host only through an XMPP server. Set up your XMPP account in the Settings window, then join again.</source>
        <translation>Este convite chega ao anfitrião apenas por um servidor XMPP. Configure sua conta XMPP na janela Configurações e entre de novo.</translation>
    </message>
</context>
<context>
    <name>UserStore</name>
    <message>
        <source>a folder stands where the file should be</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>há uma pasta onde deveria estar o arquivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>o arquivo é somente leitura</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>não é possível criar a pasta dele</translation>
    </message>
    <message>
        <source>its folder is read-only</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>a pasta dele é somente leitura</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;, the file being the game&apos;s settings file.</extracomment>
        <translation>não foi possível gravá-lo</translation>
    </message>
    <message numerus="yes">
        <source>its lock file %1 could not be taken within %n seconds</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;. The lock file is the settings file&apos;s name with &quot;.lock&quot; added; another copy of the game holds it while it writes.</extracomment>
        <translation>
            <numerusform>não foi possível obter o arquivo de bloqueio %1 em %n segundo</numerusform>
            <numerusform>não foi possível obter o arquivo de bloqueio %1 em %n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowPlace</name>
    <message>
        <source>The window&apos;s size and place could not be stored in %1: %2.</source>
        <extracomment>%1 is the settings file, %2 why it could not be written (&quot;the file is read-only&quot;).</extracomment>
        <translation>Não foi possível salvar o tamanho e a posição da janela em %1: %2.</translation>
    </message>
</context>
<context>
    <name>XmppAccount</name>
    <message>
        <source>The XMPP server turned down the address %1 with its password. Check them in Settings.</source>
        <translation>O servidor XMPP recusou o endereço %1 com essa senha. Confira os dois em Configurações.</translation>
    </message>
    <message>
        <source>The XMPP server of %1 cannot be reached. The game goes on, and this copy keeps trying to sign in.</source>
        <translation>Não foi possível alcançar o servidor XMPP de %1. O jogo continua, e esta cópia segue tentando entrar.</translation>
    </message>
    <message>
        <source>The XMPP server of %1 offers no secure connection this computer trusts, so this copy did not sign in.</source>
        <translation>O servidor XMPP de %1 não oferece uma conexão segura em que este computador confie, então esta cópia não entrou.</translation>
    </message>
    <message>
        <source>The XMPP server does not let accounts be made from the game. Make one on the server&apos;s web site, or ask its administrator.</source>
        <translation>O servidor XMPP não deixa criar contas pelo jogo. Crie uma no site do servidor ou peça ao administrador dele.</translation>
    </message>
    <message>
        <source>The address %1 is taken already. Choose another name.</source>
        <translation>O endereço %1 já está em uso. Escolha outro nome.</translation>
    </message>
    <message>
        <source>%1 is not an XMPP address. An address looks like name@example.org.</source>
        <translation>%1 não é um endereço XMPP. Um endereço tem a forma nome@example.org.</translation>
    </message>
    <message>
        <source>Password of the XMPP account %1:</source>
        <extracomment>The label over the box where the player types the password of an XMPP account; %1 is its address.</extracomment>
        <translation>Senha da conta XMPP %1:</translation>
    </message>
</context>
<context>
    <name>vantry::FileMenu</name>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Se&amp;ttings...</source>
        <extracomment>The File menu&apos;s entry that opens the Settings window; its letter is used by no other entry.</extracomment>
        <translation>Con&amp;figurações...</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Sa&amp;lvar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>Game &amp;Log</source>
        <extracomment>Opens the window with the game&apos;s log, the race chart and the players&apos; statistics.</extracomment>
        <translation>Re&amp;gistro da partida</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Join Game...</source>
        <extracomment>Asks for an invitation from a player on another computer and joins that player&apos;s game.</extracomment>
        <translation>&amp;Entrar em uma partida...</translation>
    </message>
    <message>
        <source>&amp;Invite Players...</source>
        <extracomment>Opens the window that gives seats to players on other computers and shows their invitations.</extracomment>
        <translation>Con&amp;vidar jogadores...</translation>
    </message>
</context>
<context>
    <name>vantry::QtPrompter</name>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>vantry::RaceChart</name>
    <message>
        <source>Race chart</source>
        <extracomment>What a screen reader calls the chart of every seat&apos;s square after each move.</extracomment>
        <translation>Gráfico da corrida</translation>
    </message>
    <message>
        <source>No counter has moved yet.</source>
        <translation>Nenhum peão se moveu ainda.</translation>
    </message>
    <message numerus="yes">
        <source>%1 has won, %n squares ahead of %2.</source>
        <translation>
            <numerusform>%1 venceu, %n casa à frente de %2.</numerusform>
            <numerusform>%1 venceu, %n casas à frente de %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has won.</source>
        <translation>%1 venceu.</translation>
    </message>
    <message numerus="yes">
        <source>%1 leads on square %2, %n squares ahead of %3.</source>
        <translation>
            <numerusform>%1 lidera na casa %2, %n casa à frente de %3.</numerusform>
            <numerusform>%1 lidera na casa %2, %n casas à frente de %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other players share the lead on square %2.</source>
        <translation>
            <numerusform>%1 e mais %n jogador dividem a liderança na casa %2.</numerusform>
            <numerusform>%1 e mais %n jogadores dividem a liderança na casa %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantry::StatisticsPane</name>
    <message>
        <source>Players&apos; statistics</source>
        <extracomment>What a screen reader calls the table of every player&apos;s figures.</extracomment>
        <translation>Estatísticas dos jogadores</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Column heading: the player&apos;s name.</extracomment>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>Games</source>
        <extracomment>Column heading: how many games the player finished.</extracomment>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Column heading: how many games the player won.</extracomment>
        <translation>Vitórias</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <extracomment>Column heading: the fewest moves the player needed for a win.</extracomment>
        <translation>Menos jogadas</translation>
    </message>
    <message>
        <source>Average moves</source>
        <extracomment>Column heading: the average moves of the player&apos;s wins.</extracomment>
        <translation>Média de jogadas</translation>
    </message>
    <message>
        <source>Ladders</source>
        <extracomment>Column heading: how many ladders the player climbed.</extracomment>
        <translation>Escadas</translation>
    </message>
    <message>
        <source>Snakes</source>
        <extracomment>Column heading: how many snakes the player met.</extracomment>
        <translation>Cobras</translation>
    </message>
    <message>
        <source>No game has been finished yet.</source>
        <translation>Nenhuma partida foi concluída ainda.</translation>
    </message>
    <message>
        <source>Clear S&amp;tatistics...</source>
        <extracomment>Button: removes every player&apos;s statistics, after asking.</extracomment>
        <translation>&amp;Limpar estatísticas...</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n games finished, no wins, ladders: %2, snakes: %3</source>
        <translation>
            <numerusform>%1: %n partida concluída, nenhuma vitória, escadas: %2, cobras: %3</numerusform>
            <numerusform>%1: %n partidas concluídas, nenhuma vitória, escadas: %2, cobras: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n games finished, wins: %2, fewest moves: %3, average moves: %4, ladders: %5, snakes: %6</source>
        <translation>
            <numerusform>%1: %n partida concluída, vitórias: %2, menos jogadas: %3, média de jogadas: %4, escadas: %5, cobras: %6</numerusform>
            <numerusform>%1: %n partidas concluídas, vitórias: %2, menos jogadas: %3, média de jogadas: %4, escadas: %5, cobras: %6</numerusform>
        </translation>
    </message>
    <message>
        <source>Do you want to clear the statistics of every player?</source>
        <translation>Quer limpar as estatísticas de todos os jogadores?</translation>
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
        <translation>Cópia licenciada para:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>3rd Edition</source>
        <translation>3ª edição</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>W-site: %1</source>
        <translation>Site: %1</translation>
    </message>
    <message>
        <source>Vantry - About</source>
        <translation>Vantry - Sobre</translation>
    </message>
</context>
<context>
    <name>vantry::frmInvite</name>
    <message>
        <source>Vantry - Invite Players</source>
        <translation>Vantry - Convidar jogadores</translation>
    </message>
    <message>
        <source>Each seat ticked here is played from another computer. Send its player the invitation beside it; the last one lets someone watch the game.</source>
        <translation>Cada lugar marcado aqui é jogado a partir de outro computador. Envie ao jogador o convite ao lado; o último permite que alguém assista à partida.</translation>
    </message>
    <message>
        <source>%1 plays from another computer</source>
        <extracomment>A seat&apos;s tick box in the invitations window; %1 is the seat&apos;s name as on the board.</extracomment>
        <translation>%1 joga a partir de outro computador</translation>
    </message>
    <message>
        <source>Invitation for %1</source>
        <extracomment>The accessible name of the box holding a seat&apos;s invitation; %1 is the seat&apos;s name.</extracomment>
        <translation>Convite para %1</translation>
    </message>
    <message>
        <source>To watch:</source>
        <extracomment>The label before the invitation that lets someone watch the game without playing.</extracomment>
        <translation>Para assistir:</translation>
    </message>
    <message>
        <source>Invitation to watch</source>
        <translation>Convite para assistir</translation>
    </message>
    <message>
        <source>The game could not be hosted: this computer could not open a network port for it.</source>
        <translation>Não foi possível hospedar a partida: este computador não conseguiu abrir uma porta de rede para ela.</translation>
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
        <translation>Vantry - Registro da partida</translation>
    </message>
    <message>
        <source>Game log</source>
        <extracomment>What a screen reader calls the list of the game&apos;s events.</extracomment>
        <translation>Registro da partida</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <extracomment>The tab of the game log window that lists every event of the game.</extracomment>
        <translation>&amp;Registro</translation>
    </message>
    <message>
        <source>&amp;Race</source>
        <extracomment>The tab of the game log window with the chart of the race.</extracomment>
        <translation>&amp;Corrida</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <extracomment>The tab of the game log window with every player&apos;s statistics.</extracomment>
        <translation>&amp;Estatísticas</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <extracomment>Button: copies every line of the game log to the clipboard.</extracomment>
        <translation>Copiar &amp;tudo</translation>
    </message>
    <message>
        <source>Copies every line of the log as text.</source>
        <translation>Copia todas as linhas do registro como texto.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: closes the game log window.</extracomment>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>S&amp;ay:</source>
        <extracomment>The label in front of the box where a player types a line of chat to everyone at the table.</extracomment>
        <translation>&amp;Dizer:</translation>
    </message>
    <message>
        <source>Chat to everyone at the table</source>
        <extracomment>The screen reader&apos;s name for the box where a player types a line of chat.</extracomment>
        <translation>Mensagem para todos na mesa</translation>
    </message>
    <message>
        <source>Enter sends the line to every player and watcher of the game.</source>
        <translation>Enter envia a linha para todos os jogadores e espectadores do jogo.</translation>
    </message>
</context>
<context>
    <name>vantry::frmMain</name>
    <message>
        <source>%1 Wins!</source>
        <translation>%1 venceu!</translation>
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
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>The computer plays this seat</source>
        <translation>O computador joga neste lugar</translation>
    </message>
    <message>
        <source>A person plays this seat</source>
        <translation>Uma pessoa joga neste lugar</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Jogar</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Sortear</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Vantry - New Game</source>
        <translation>Vantry - Novo jogo</translation>
    </message>
    <message>
        <source>Red seat: computer</source>
        <translation>Lugar vermelho: computador</translation>
    </message>
    <message>
        <source>Blue seat: computer</source>
        <translation>Lugar azul: computador</translation>
    </message>
    <message>
        <source>Yellow seat: computer</source>
        <translation>Lugar amarelo: computador</translation>
    </message>
    <message>
        <source>Green seat: computer</source>
        <translation>Lugar verde: computador</translation>
    </message>
    <message>
        <source>Red seat: person</source>
        <translation>Lugar vermelho: pessoa</translation>
    </message>
    <message>
        <source>Blue seat: person</source>
        <translation>Lugar azul: pessoa</translation>
    </message>
    <message>
        <source>Yellow seat: person</source>
        <translation>Lugar amarelo: pessoa</translation>
    </message>
    <message>
        <source>Green seat: person</source>
        <translation>Lugar verde: pessoa</translation>
    </message>
    <message>
        <source>Red seat name</source>
        <translation>Nome do lugar vermelho</translation>
    </message>
    <message>
        <source>Blue seat name</source>
        <translation>Nome do lugar azul</translation>
    </message>
    <message>
        <source>Yellow seat name</source>
        <translation>Nome do lugar amarelo</translation>
    </message>
    <message>
        <source>Green seat name</source>
        <translation>Nome do lugar verde</translation>
    </message>
    <message>
        <source>Red seat: a player on another computer</source>
        <translation>Lugar vermelho: um jogador em outro computador</translation>
    </message>
    <message>
        <source>Blue seat: a player on another computer</source>
        <translation>Lugar azul: um jogador em outro computador</translation>
    </message>
    <message>
        <source>Yellow seat: a player on another computer</source>
        <translation>Lugar amarelo: um jogador em outro computador</translation>
    </message>
    <message>
        <source>Green seat: a player on another computer</source>
        <translation>Lugar verde: um jogador em outro computador</translation>
    </message>
    <message>
        <source>On another &amp;computer</source>
        <extracomment>A check box in each seat&apos;s group of the new-game dialog; ticked, a person on another computer plays the seat.</extracomment>
        <translation>Em outro &amp;computador</translation>
    </message>
    <message>
        <source>A player on another computer plays this seat. Starting the game hosts it and shows the invitation to send.</source>
        <translation>Um jogador em outro computador joga este lugar. Ao começar, este computador hospeda o jogo e mostra o convite para enviar.</translation>
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
        <translation>Jogadas</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Vantry - Best Players</source>
        <translation>Vantry - Melhores jogadores</translation>
    </message>
    <message>
        <source>The best players could not be stored in %1: %2.</source>
        <extracomment>%1 is the settings file, %2 why it could not be written (&quot;the file is read-only&quot;).</extracomment>
        <translation>Não foi possível salvar os melhores jogadores em %1: %2.</translation>
    </message>
    <message>
        <source>%1, %2, moves: %3</source>
        <extracomment>A row of the best players read aloud: %1 the place (1 to 10), %2 the name, %3 the count as stored.</extracomment>
        <translation>%1, %2, jogadas: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %n moves</source>
        <extracomment>A row of the best players read aloud: %1 the place (1 to 10), %2 the name, %n the moves.</extracomment>
        <translation>
            <numerusform>%1, %2, %n jogada</numerusform>
            <numerusform>%1, %2, %n jogadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 Moves = %n</source>
        <extracomment>The winner&apos;s result: %1 the winner&apos;s name, %n the moves of the game.</extracomment>
        <translation>
            <numerusform>%1 – %n jogada</numerusform>
            <numerusform>%1 – %n jogadas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantry::frmSettings</name>
    <message>
        <source>Vantry - Settings</source>
        <translation>Vantry - Configurações</translation>
    </message>
    <message>
        <source>Show each seat&apos;s &amp;mark on its counter and name</source>
        <translation>Mostrar a &amp;marca de cada lugar no peão e no nome</translation>
    </message>
    <message>
        <source>Counters &amp;travel square by square and the die rolls</source>
        <translation>Os peões &amp;andam casa por casa e o dado rola</translation>
    </message>
    <message>
        <source>Computer&apos;s &amp;pace:</source>
        <extracomment>Label of the list of paces at which the computer&apos;s seats throw and move.</extracomment>
        <translation>&amp;Ritmo do computador:</translation>
    </message>
    <message>
        <source>Relaxed (a step a second)</source>
        <extracomment>A pace of the computer&apos;s seats: one step (a throw or a move) a second.</extracomment>
        <translation>Tranquilo (um passo por segundo)</translation>
    </message>
    <message>
        <source>As designed (a step every half second)</source>
        <extracomment>A pace of the computer&apos;s seats: the game&apos;s own, one step every half second.</extracomment>
        <translation>Como previsto (um passo a cada meio segundo)</translation>
    </message>
    <message>
        <source>Brisk (four steps a second)</source>
        <extracomment>A pace of the computer&apos;s seats: four steps a second.</extracomment>
        <translation>Rápido (quatro passos por segundo)</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Som</translation>
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
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <extracomment>The first choice of the language list: whichever language the desktop is set to.</extracomment>
        <translation>O idioma da área de trabalho</translation>
    </message>
    <message>
        <source>A new language is used from the next start of Vantry.</source>
        <translation>O novo idioma passa a valer na próxima vez que o Vantry for aberto.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Your settings could not be stored in %1: %2. They hold until Vantry is closed.</source>
        <translation>Não foi possível salvar suas configurações em %1: %2. Elas valem até o Vantry ser fechado.</translation>
    </message>
    <message>
        <source>Playing through an XMPP server</source>
        <extracomment>The heading over the XMPP account&apos;s boxes in the Settings window.</extracomment>
        <translation>Jogar por um servidor XMPP</translation>
    </message>
    <message>
        <source>XMPP &amp;address:</source>
        <extracomment>The box of the player&apos;s XMPP address, such as name@example.org.</extracomment>
        <translation>&amp;Endereço XMPP:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Sen&amp;ha:</translation>
    </message>
    <message>
        <source>Se&amp;rver:</source>
        <extracomment>The box of where the XMPP server listens, needed only when its address does not say.</extracomment>
        <translation>Servi&amp;dor:</translation>
    </message>
    <message>
        <source>Found from the address</source>
        <extracomment>Shown in the empty server box: the server is found from the XMPP address.</extracomment>
        <translation>Obtido do endereço</translation>
    </message>
    <message>
        <source>Cr&amp;eate Account</source>
        <translation>&amp;Criar conta</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s keyring.</source>
        <translation>A senha fica guardada no chaveiro da área de trabalho.</translation>
    </message>
    <message>
        <source>The account %1 was made.</source>
        <extracomment>%1 is the XMPP address just made on its server.</extracomment>
        <translation>A conta %1 foi criada.</translation>
    </message>
    <message>
        <source>A hosted game then also opens a port, for players who can reach this computer, such as those at home. Unticked, a game hosted with the account opens no port, and every player joins through the server.</source>
        <translation>Um jogo hospedado abre então também uma porta, para os jogadores que alcançam este computador, como os de casa. Desmarcado, um jogo hospedado com a conta não abre porta nenhuma, e todos entram pelo servidor.</translation>
    </message>
    <message>
        <source>Also let players reach this computer &amp;directly</source>
        <translation>&amp;Permitir também conexão direta a este computador</translation>
    </message>
</context>
</TS>
