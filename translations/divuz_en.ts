<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs">
<context>
    <name>BestGamesDialog</name>
    <message>
        <source>Hráč</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Počítač</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Místo</source>
        <translation>Place</translation>
    </message>
    <message>
        <source> Hráč</source>
        <translation> Player</translation>
    </message>
    <message>
        <source>Pohyb</source>
        <translation>Moves</translation>
    </message>
    <message>
        <source>Best Games</source>
        <translation>Best Games</translation>
    </message>
    <message>
        <source>Zobrazit hru</source>
        <translation>Show Game</translation>
    </message>
    <message>
        <source>Zrušit</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Obtížnost</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Kdo začíná</source>
        <translation>Who Begins</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>O programu Divuz</source>
        <translation>About Divuz</translation>
    </message>
    <message>
        <source>Verze 1.0 · piškvorky proti počítači</source>
        <translation>Version 1.0 · five in a row vs. computer</translation>
    </message>
    <message>
        <source>Darudo Pro Web site :</source>
        <translation>Darudo Pro web site:</translation>
    </message>
    <message>
        <source>Náš e-mail :</source>
        <translation>Our e-mail:</translation>
    </message>
    <message>
        <source>Beru na vědomí</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CDivuzView</name>
    <message>
        <source>Hráč a počítač</source>
        <translation>Player and computer</translation>
    </message>
    <message>
        <source>Úroveň</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Skóre</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Čas</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Šance</source>
        <translation>Chances</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Nový	Ctrl+N</source>
        <translation>&amp;New	Ctrl+N</translation>
    </message>
    <message>
        <source>Nová &amp;hra</source>
        <translation>New &amp;Game</translation>
    </message>
    <message>
        <source>Nový &amp;turnaj</source>
        <translation>New &amp;Tournament</translation>
    </message>
    <message>
        <source>&amp;Otevřít...	Ctrl+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Uložit	Ctrl+S</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;Volby</source>
        <translation>O&amp;ptions</translation>
    </message>
    <message>
        <source>Nej&amp;lepší hráči</source>
        <translation>&amp;Best Players</translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Hráč</source>
        <translation>&amp;Player</translation>
    </message>
    <message>
        <source>&amp;Počítač</source>
        <translation>&amp;Computer</translation>
    </message>
    <message>
        <source>&amp;Střídavě</source>
        <translation>&amp;Alternately</translation>
    </message>
    <message>
        <source>&amp;Nástroje</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>&amp;Stavový řádek</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>&amp;Informační panel</source>
        <translation>&amp;Information Panel</translation>
    </message>
    <message>
        <source>&amp;100 %</source>
        <translation>&amp;100 %</translation>
    </message>
    <message>
        <source>1&amp;50 %</source>
        <translation>1&amp;50 %</translation>
    </message>
    <message>
        <source>&amp;200 %</source>
        <translation>&amp;200 %</translation>
    </message>
    <message>
        <source>&amp;Témata nápovědy</source>
        <translation>&amp;Help Topics</translation>
    </message>
    <message>
        <source>&amp;O programu</source>
        <translation>&amp;About Divuz</translation>
    </message>
    <message>
        <source>&amp;Soubor</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Hra</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>&amp;Zpět	Ctrl+Z</source>
        <translation>&amp;Undo	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Opakovat	Ctrl+X</source>
        <translation>&amp;Redo	Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Kdo začíná</source>
        <translation>&amp;Who Begins</translation>
    </message>
    <message>
        <source>&amp;Editovací režim</source>
        <translation>&amp;Edit Mode</translation>
    </message>
    <message>
        <source>&amp;Nápověda</source>
        <comment>a move advised to the player</comment>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>&amp;Zobrazit</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Velikost</source>
        <translation>Si&amp;ze</translation>
    </message>
    <message>
        <source>&amp;Nápověda</source>
        <comment>the help menu</comment>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Nástroje</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Darudo Files (*.orb)</source>
        <translation>Darudo Files (*.orb)</translation>
    </message>
    <message>
        <source>Otevřít</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Uložit</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>DamagedTable</name>
    <message>
        <source>Tabulka nejlepších her v souboru „%1“ je poškozená a nedala se celá načíst. Soubor se nepodařilo uschovat pod jiným jménem.</source>
        <translation>The best-games table in the file “%1” is damaged and could not be read in full. The file could not be kept aside under another name.</translation>
    </message>
    <message>
        <source>Tabulka nejlepších her v souboru „%1“ byla poškozená a nedala se celá načíst. Původní soubor je uschován jako „%2“; nová tabulka se uloží na původní místo.</source>
        <translation>The best-games table in the file “%1” was damaged and could not be read in full. The original file is kept as “%2”; the new table will be saved in its place.</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>Obsah</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Vítejte v programu Divuz</source>
        <translation>Welcome to Divuz</translation>
    </message>
    <message>
        <source>Jak se hraje</source>
        <translation>How to Play</translation>
    </message>
    <message>
        <source>Informační panel</source>
        <translation>Information Panel</translation>
    </message>
    <message>
        <source>Síla počítače</source>
        <translation>Computer Strength</translation>
    </message>
    <message>
        <source>Turnaj a nejlepší hráči</source>
        <translation>Tournaments and Best Players</translation>
    </message>
    <message>
        <source>Volby</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Zvuky a hudba</source>
        <translation>Sounds and Music</translation>
    </message>
    <message>
        <source>Ukládání a otevírání her</source>
        <translation>Saving and Opening Games</translation>
    </message>
    <message>
        <source>Nabídky, nástroje a klávesy</source>
        <translation>Menus, Toolbar and Keys</translation>
    </message>
    <message>
        <source>Reklamní pruh</source>
        <translation>Advertising Bar</translation>
    </message>
    <message>
        <source>Divuz v příkazovém řádku</source>
        <translation>Divuz on the Command Line</translation>
    </message>
    <message>
        <source>O programu a jeho souborech</source>
        <translation>About Divuz and Its Files</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Divuz – nápověda</source>
        <translation>Divuz – Help</translation>
    </message>
    <message>
        <source>Zpět</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Vpřed</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Obsah</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Hledaná slova</source>
        <translation>Words to find</translation>
    </message>
    <message>
        <source>Hledat</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Nalezená témata:</source>
        <translation>Topics found:</translation>
    </message>
    <message>
        <source>Divuz – nápověda – %1</source>
        <translation>Divuz – Help – %1</translation>
    </message>
</context>
<context>
    <name>HouseBanners</name>
    <message>
        <source>Tip: otevřená trojka</source>
        <translation>Tip: the open three</translation>
    </message>
    <message>
        <source>Otevřenou trojku zablokujte hned – jinak z ní bude
čtyřka otevřená z obou stran a tu už zastavit nejde.</source>
        <translation>Block an open three at once – or it becomes a four
open at both ends, and that cannot be stopped.</translation>
    </message>
    <message>
        <source>Klávesové zkratky</source>
        <translation>Keyboard shortcuts</translation>
    </message>
    <message>
        <source>[Ctrl+N] nová hra   [Ctrl+O] otevřít   [Ctrl+S] uložit
[Ctrl+Z] zpět   [Ctrl+X] opakovat vrácený tah</source>
        <translation>[Ctrl+N] new game   [Ctrl+O] open   [Ctrl+S] save
[Ctrl+Z] undo   [Ctrl+X] redo an undone move</translation>
    </message>
    <message>
        <source>Tip: dvojitá hrozba</source>
        <translation>Tip: the double threat</translation>
    </message>
    <message>
        <source>Tah, který vytvoří dvě hrozby najednou, vyhrává:
soupeř stihne zablokovat jen jednu z nich.</source>
        <translation>A move that makes two threats at once wins:
the opponent can block only one of them.</translation>
    </message>
    <message>
        <source>Nový turnaj</source>
        <translation>New Tournament</translation>
    </message>
    <message>
        <source>Hra naostro: bez vracení tahů, nápovědy a editace.
Začnete ho v menu Soubor → Nový turnaj.</source>
        <translation>A game for real: no undo, no hints, no editing.
Start one with File → New Tournament.</translation>
    </message>
    <message>
        <source>Nejlepší hráči</source>
        <translation>Best Players</translation>
    </message>
    <message>
        <source>Vyhrajte turnajovou hru co nejrychleji a zapište se
mezi pět nejlepších na své úrovni.</source>
        <translation>Win a tournament game as fast as you can and join
the five best players of your level.</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Začátečník</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Amatér</source>
        <translation>Amateur</translation>
    </message>
    <message>
        <source>Pokročilý</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Mistr</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Okamžetě</source>
        <translation>Instant</translation>
    </message>
    <message>
        <source>2  sec/tah</source>
        <translation>2 s/move</translation>
    </message>
    <message>
        <source>5  sec/tah</source>
        <translation>5 s/move</translation>
    </message>
    <message>
        <source>10 sec/tah</source>
        <translation>10 s/move</translation>
    </message>
    <message>
        <source>30 sec/tah</source>
        <translation>30 s/move</translation>
    </message>
    <message>
        <source>60 sec/tah</source>
        <translation>60 s/move</translation>
    </message>
</context>
<context>
    <name>NameEntryDialog</name>
    <message>
        <source>Gratuluji!
To byla skvělá hra!
 Prosím napište své jméno:</source>
        <translation>Congratulations!
That was a great game!
Please enter your name:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Nastavení</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Obtížnost</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Kdo začíná</source>
        <translation>Who Begins</translation>
    </message>
    <message>
        <source>Hráč</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Počítač</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Střídavě</source>
        <translation>Alternately</translation>
    </message>
    <message>
        <source>Vzhled</source>
        <translation>Look</translation>
    </message>
    <message>
        <source>Vyber sadu značek:</source>
        <translation>Choose a set of signs:</translation>
    </message>
    <message>
        <source>Renju board</source>
        <translation>Renju board</translation>
    </message>
    <message>
        <source>Hudba</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>Zapnout zvuk</source>
        <translation>Sound on</translation>
    </message>
    <message>
        <source>Zapnout hudbu</source>
        <translation>Music on</translation>
    </message>
    <message>
        <source>Režim přehrávání:</source>
        <translation>Play mode:</translation>
    </message>
    <message>
        <source>Za sebou</source>
        <translation>One after another</translation>
    </message>
    <message>
        <source>Jedna pro jednu hru</source>
        <translation>One per game</translation>
    </message>
    <message>
        <source>Jedna pro všechny hry </source>
        <translation>One for all games</translation>
    </message>
    <message>
        <source>Současná melodie :</source>
        <translation>Current piece:</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Budiž</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zrušit</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Piškvorky proti počítači</source>
        <translation>Five in a row against the computer</translation>
    </message>
    <message>
        <source>Pět v řadě na desce 19 × 19</source>
        <translation>Five in a row on a 19 × 19 board</translation>
    </message>
    <message>
        <source>Level :</source>
        <translation>Level:</translation>
    </message>
    <message>
        <source>PLAYER</source>
        <translation>PLAYER</translation>
    </message>
    <message>
        <source>COMPUTER</source>
        <translation>COMPUTER</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Chances</source>
        <translation>Chances</translation>
    </message>
    <message>
        <source>MASTER</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>INSTANT</source>
        <translation>Instant</translation>
    </message>
    <message>
        <source>2 sec/move</source>
        <translation>2 s/move</translation>
    </message>
    <message>
        <source>EXPERT</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>5 sec/move</source>
        <translation>5 s/move</translation>
    </message>
    <message>
        <source>10 sec/move</source>
        <translation>10 s/move</translation>
    </message>
    <message>
        <source>30 sec/move</source>
        <translation>30 s/move</translation>
    </message>
    <message>
        <source>60 sec/move</source>
        <translation>60 s/move</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Dilettante</source>
        <translation>Amateur</translation>
    </message>
    <message>
        <source>Candidate</source>
        <translation>Advanced</translation>
    </message>
</context>
<context>
    <name>PoleWnd</name>
    <message>
        <source>Hrací deska</source>
        <translation>Game board</translation>
    </message>
    <message>
        <source>%1, volné pole</source>
        <translation>%1, free cell</translation>
    </message>
    <message>
        <source>%1, kámen hráče</source>
        <translation>%1, player’s stone</translation>
    </message>
    <message>
        <source>%1, kámen počítače</source>
        <translation>%1, computer’s stone</translation>
    </message>
</context>
<context>
    <name>SplashWnd</name>
    <message>
        <source>E-mail:  %1</source>
        <translation>E-mail:  %1</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Initial status bar information for debug tratatatatat</source>
        <translation>Initial status bar information for debug tratatatatat</translation>
    </message>
    <message>
        <source>Nastavení obtížnosti, vzhledu, zvuků a hudby
Volby</source>
        <translation>Sets the level, the look, the sounds and the music
Options</translation>
    </message>
    <message>
        <source>Začíná hráč
Hráč</source>
        <translation>The player begins
Player</translation>
    </message>
    <message>
        <source>Začíná počítač
Počítač</source>
        <translation>The computer begins
Computer</translation>
    </message>
    <message>
        <source>Hráč a počítač začínají střídavě
Střídavě</source>
        <translation>The player and the computer begin in turn
Alternately</translation>
    </message>
    <message>
        <source>Rozestavění pozice oběma znaky
Editovací režim</source>
        <translation>Sets up a position with both signs
Edit Mode</translation>
    </message>
    <message>
        <source>Poradí vám tah
Nápověda</source>
        <translation>Suggests a move
Hint</translation>
    </message>
    <message>
        <source>Otevře uloženou hru
Otevřít</source>
        <translation>Opens a saved game
Open</translation>
    </message>
    <message>
        <source>Zobrazí nebo skryje informační panel
Informační panel</source>
        <translation>Shows or hides the information panel
Information Panel</translation>
    </message>
    <message>
        <source>Zopakuje vrácené tahy
Opakovat</source>
        <translation>Replays the moves taken back
Redo</translation>
    </message>
    <message>
        <source>Začne turnajovou hru
Nový turnaj</source>
        <translation>Starts a tournament game
New Tournament</translation>
    </message>
    <message>
        <source>Začne novou hru mimo turnaj
Nová hra</source>
        <translation>Starts a new game outside the tournament
New Game</translation>
    </message>
    <message>
        <source>Tabulka nejlepších hráčů
Nejlepší hráči</source>
        <translation>The table of the best players
Best Players</translation>
    </message>
    <message>
        <source>Začne novou hru
Nový</source>
        <translation>Starts a new game
New</translation>
    </message>
    <message>
        <source>Uloží hru
Uložit</source>
        <translation>Saves the game
Save</translation>
    </message>
    <message>
        <source>Uloží hru do souboru
Uložit</source>
        <translation>Saves the game to a file
Save</translation>
    </message>
    <message>
        <source>Vrátí poslední tahy
Zpět</source>
        <translation>Takes back the last moves
Undo</translation>
    </message>
    <message>
        <source>Informace o programu
O programu</source>
        <translation>About the program
About Divuz</translation>
    </message>
    <message>
        <source>Ukončí program
Konec</source>
        <translation>Quits the program
Exit</translation>
    </message>
    <message>
        <source>Témata nápovědy
Nápověda</source>
        <translation>Help topics
Help</translation>
    </message>
    <message>
        <source>Zobrazí nebo skryje panel nástrojů
Nástroje</source>
        <translation>Shows or hides the toolbar
Toolbar</translation>
    </message>
    <message>
        <source>Zobrazí nebo skryje stavový řádek
Stavový řádek</source>
        <translation>Shows or hides the status bar
Status Bar</translation>
    </message>
    <message>
        <source>Váš tah</source>
        <translation>Your move</translation>
    </message>
    <message>
        <source>Make position. Use left and right buttons, Undo.</source>
        <translation>Set up a position: left and right buttons, Undo.</translation>
    </message>
    <message>
        <source>Debug mode. Use arrows, &apos;S&apos; &apos;B&apos; &apos;A&apos; keys.</source>
        <translation>Debug mode. Use the arrows and the &apos;S&apos;, &apos;B&apos;, &apos;A&apos; keys.</translation>
    </message>
    <message>
        <source>Vyhrál jsi !!!</source>
        <translation>You won!!!</translation>
    </message>
    <message>
        <source>Vyhrál počítač...</source>
        <translation>The computer won...</translation>
    </message>
    <message>
        <source>Radím vám tento tah.</source>
        <translation>I suggest this move.</translation>
    </message>
    <message>
        <source>Remíza. bez vítěze.</source>
        <translation>A draw, no winner.</translation>
    </message>
    <message>
        <source>My move. I am thinking...</source>
        <translation>My move. I am thinking...</translation>
    </message>
    <message>
        <source>Debug mode.I am thinking.</source>
        <translation>Debug mode. I am thinking.</translation>
    </message>
    <message>
        <source>Finding hint...</source>
        <translation>Finding a hint...</translation>
    </message>
    <message>
        <source>View party. Use Undo and Redo. </source>
        <translation>Replaying a game. Use Undo and Redo.</translation>
    </message>
    <message>
        <source>Turnaj : Váš tah.</source>
        <translation>Tournament: your move.</translation>
    </message>
    <message>
        <source>Tournament : My move. I am thinking...</source>
        <translation>Tournament: my move. I am thinking...</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>použití: divuz [--help | --version | --check-data]
</source>
        <translation>usage: divuz [--help | --version | --check-data]
</translation>
    </message>
    <message>
        <source>Piškvorky proti počítači na desce 19 × 19. Bez argumentů spustí hru.

  --check-data  vypíše, kde program našel zvuky, hudbu a nápovědu, a skončí
  --help        vypíše tuto nápovědu a skončí
  --version     vypíše verzi programu a skončí
</source>
        <translation>Five in a row against the computer on a 19 × 19 board. Without arguments it starts the game.

  --check-data  shows where the program found its sounds, music and help, and exits
  --help        shows this help and exits
  --version     shows the program&apos;s version and exits
</translation>
    </message>
    <message>
        <source>divuz: neznámý argument „%1“
</source>
        <translation>divuz: unknown argument “%1”
</translation>
    </message>
</context>
</TS>
