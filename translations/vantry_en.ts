<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Announcer</name>
    <message numerus="yes">
        <source>%1 wins in %n moves</source>
        <translation>
            <numerusform>%1 wins in %n move</numerusform>
            <numerusform>%1 wins in %n moves</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TableNews</name>
    <message numerus="yes">
        <source>A watcher has joined: %n watching the game</source>
        <translation>
            <numerusform>A watcher has joined: %n person watches the game</numerusform>
            <numerusform>A watcher has joined: %n people watch the game</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A watcher has left: %n watching the game</source>
        <translation>
            <numerusform>A watcher has left: %n person watches the game</numerusform>
            <numerusform>A watcher has left: %n people watch the game</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UserStore</name>
    <message numerus="yes">
        <source>its lock file %1 could not be taken within %n seconds</source>
        <extracomment>Follows &quot;could not be stored in &lt;file&gt;:&quot;. The lock file is the settings file&apos;s name with &quot;.lock&quot; added; another copy of the game holds it while it writes.</extracomment>
        <translation>
            <numerusform>its lock file %1 could not be taken within %n second</numerusform>
            <numerusform>its lock file %1 could not be taken within %n seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantry::RaceChart</name>
    <message numerus="yes">
        <source>%1 has won, %n squares ahead of %2.</source>
        <translation>
            <numerusform>%1 has won, %n square ahead of %2.</numerusform>
            <numerusform>%1 has won, %n squares ahead of %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 leads on square %2, %n squares ahead of %3.</source>
        <translation>
            <numerusform>%1 leads on square %2, %n square ahead of %3.</numerusform>
            <numerusform>%1 leads on square %2, %n squares ahead of %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other players share the lead on square %2.</source>
        <translation>
            <numerusform>%1 and %n other player share the lead on square %2.</numerusform>
            <numerusform>%1 and %n other players share the lead on square %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantry::StatisticsPane</name>
    <message numerus="yes">
        <source>%1: %n games finished, no wins, ladders: %2, snakes: %3</source>
        <translation>
            <numerusform>%1: %n game finished, no wins, ladders: %2, snakes: %3</numerusform>
            <numerusform>%1: %n games finished, no wins, ladders: %2, snakes: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n games finished, wins: %2, fewest moves: %3, average moves: %4, ladders: %5, snakes: %6</source>
        <translation>
            <numerusform>%1: %n game finished, wins: %2, fewest moves: %3, average moves: %4, ladders: %5, snakes: %6</numerusform>
            <numerusform>%1: %n games finished, wins: %2, fewest moves: %3, average moves: %4, ladders: %5, snakes: %6</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantry::frmRec</name>
    <message numerus="yes">
        <source>%1, %2, %n moves</source>
        <extracomment>A row of the best players read aloud: %1 the place (1 to 10), %2 the name, %n the moves.</extracomment>
        <translation>
            <numerusform>%1, %2, %n move</numerusform>
            <numerusform>%1, %2, %n moves</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 Moves = %n</source>
        <extracomment>The winner&apos;s result: %1 the winner&apos;s name, %n the moves of the game.</extracomment>
        <translation>
            <numerusform>%1 Moves = %n</numerusform>
            <numerusform>%1 Moves = %n</numerusform>
        </translation>
    </message>
</context>
</TS>
