<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>commandline</name>
    <message>
        <source>Try &apos;kubrix3d --help&apos; for the options.</source>
        <translation>Mehr zu den Optionen: &apos;kubrix3d --help&apos;.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--folder and --user-files cannot be used together.</source>
        <translation>--folder und --user-files lassen sich nicht zusammen verwenden.</translation>
    </message>
    <message>
        <source>--folder needs the name of a folder.</source>
        <translation>--folder braucht den Namen eines Ordners.</translation>
    </message>
    <message>
        <source>--user-files needs XDG_DATA_HOME or HOME set to an absolute folder.</source>
        <translation>--user-files braucht XDG_DATA_HOME oder HOME, auf einen absoluten Ordner gesetzt.</translation>
    </message>
    <message>
        <source>cannot keep the files in &apos;%1&apos;: %2</source>
        <translation>die Dateien können nicht in &apos;%1&apos; abgelegt werden: %2</translation>
    </message>
    <message>
        <source>no window can be opened: %1</source>
        <translation>es lässt sich kein Fenster öffnen: %1</translation>
    </message>
    <message>
        <source>the game needs a graphical desktop (an X11 or Wayland display).</source>
        <translation>das Spiel braucht eine grafische Arbeitsumgebung (eine X11- oder Wayland-Anzeige).</translation>
    </message>
    <message>
        <source>a game is already running on the files in this folder; it was asked to come to the front.</source>
        <translation>mit den Dateien in diesem Ordner läuft schon ein Spiel; es wurde gebeten, nach vorn zu kommen.</translation>
    </message>
    <message>
        <source>Vovov Kubrix 3d, a falling-block puzzle in three dimensions.
Without options it keeps its settings and high scores in the working directory.</source>
        <translation>Vovov Kubrix 3d, ein Puzzlespiel mit fallenden Blöcken in drei Dimensionen.
Ohne Optionen legt es seine Einstellungen und die Bestenliste im Arbeitsverzeichnis ab.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Keep the files in &lt;folder&gt;, made when missing.</source>
        <translation>Die Dateien in &lt;folder&gt; ablegen, der angelegt wird, wenn er fehlt.</translation>
    </message>
    <message>
        <source>Keep the files in $XDG_DATA_HOME/kubrix3d, by default ~/.local/share/kubrix3d, made when missing.</source>
        <translation>Die Dateien in $XDG_DATA_HOME/kubrix3d ablegen, sonst in ~/.local/share/kubrix3d; der Ordner wird angelegt, wenn er fehlt.</translation>
    </message>
    <message>
        <source>Play the replay &lt;file&gt; again without a display and exit: 0 when it ends as recorded.</source>
        <translation>Die Wiederholung &lt;file&gt; ohne Anzeige noch einmal abspielen und beenden: 0, wenn sie wie aufgezeichnet endet.</translation>
    </message>
    <message>
        <source>Watch the replay &lt;file&gt; in the game&apos;s window.</source>
        <translation>Die Wiederholung &lt;file&gt; im Fenster des Spiels ansehen.</translation>
    </message>
    <message>
        <source>--verify needs the name of a replay.</source>
        <translation>--verify braucht den Namen einer Wiederholung.</translation>
    </message>
    <message>
        <source>--replay needs the name of a replay.</source>
        <translation>--replay braucht den Namen einer Wiederholung.</translation>
    </message>
    <message>
        <source>%1: cannot be read as a replay: %2</source>
        <translation>%1: kann nicht als Wiederholung gelesen werden: %2</translation>
    </message>
    <message>
        <source>recorded score: %1</source>
        <translation>aufgezeichnete Punkte: %1</translation>
    </message>
    <message>
        <source>replayed score: %1</source>
        <translation>nachgespielte Punkte: %1</translation>
    </message>
    <message>
        <source>the game plays out as recorded</source>
        <translation>das Spiel verläuft wie aufgezeichnet</translation>
    </message>
    <message>
        <source>the game does not play out as recorded</source>
        <translation>das Spiel verläuft nicht wie aufgezeichnet</translation>
    </message>
</context>
<context>
    <name>help</name>
    <message>
        <source>Pieces of cubes appear at the top of the well and fall one row a second. Move a piece sideways with the arrow keys, the way the picture shows the well; turn it with H and J, I and K, U and Y; Enter drops it one row. When it can fall no further it lands. A layer of the well that is full of cubes vanishes, and the cubes above fall into its place. The game is over when a piece lands on the row where it appeared.

Play-Options chooses the kind of game and the difficulty, from the next New Game (Ctrl+N) on. Easy plays four fixed shapes. Regular casts flat pieces from the holes of the well&apos;s floor, as many layers deep as Shape-Options says; Hole-in-One takes out their inner cubes. Hard casts pieces from the relief of the stack. All Sizes grows pieces up to the number of cubes Shape-Options gives. The difficulty decides how a new piece is turned as it appears: not at all, about the vertical axis, or any way.

A full layer scores 10 points for each of its cells, and every piece that lands scores 10 (10 for each of its layers in the regular and hole-in-one games). New Shape swaps the falling piece for another at a cost of 5 points. A score among the ten best on its settings asks for your name; Options › High Scores lists them.

W shows the well from above and S from the side; R and T turn the view a quarter clockwise or counter-clockwise. P pauses and goes on. The game also pauses when you leave its window, unless Play-Options › Pause When Window Is Left is off. F11 switches full screen.

The game keeps its files in one folder, which About names: %1 holds the choices that Options › Settings › Save Settings writes, %2 the high scores, %3 the game you left by closing the window, brought back paused at the next start, and %4 the window&apos;s size and place and the Pause and Sound choices.</source>
        <translation>Teile aus Würfeln erscheinen oben im Schacht und fallen eine Reihe pro Sekunde. Die Pfeiltasten schieben ein Teil seitwärts, so wie das Bild den Schacht zeigt; H und J, I und K, U und Y drehen es; die Eingabetaste lässt es eine Reihe tiefer fallen. Kann es nicht weiter fallen, landet es. Eine Schicht des Schachts, die voller Würfel ist, verschwindet, und die Würfel darüber rücken an ihren Platz. Das Spiel ist vorbei, wenn ein Teil auf der Reihe landet, auf der es erschienen ist.

Spiel-Optionen wählt die Spielart und den Schwierigkeitsgrad, vom nächsten Neuen Spiel (Strg+N) an. Leicht spielt vier feste Formen. Normal gießt flache Teile aus den Löchern im Boden des Schachts, so viele Schichten tief, wie Form-Optionen angibt; Hole-in-One nimmt ihnen die inneren Würfel. Schwer gießt Teile aus dem Relief des Stapels. Alle Größen lässt Teile bis zu der Zahl an Würfeln wachsen, die Form-Optionen vorgibt. Der Schwierigkeitsgrad bestimmt, wie ein neues Teil beim Erscheinen gedreht wird: gar nicht, um die senkrechte Achse oder beliebig.

Eine volle Schicht bringt 10 Punkte für jede ihrer Zellen, und jedes Teil, das landet, bringt 10 (10 für jede seiner Schichten im normalen Spiel und im Hole-in-One). Neue Form tauscht das fallende Teil für 5 Punkte gegen ein anderes. Ein Ergebnis unter den zehn besten auf seinen Einstellungen fragt nach deinem Namen; Optionen › Bestenliste zeigt sie.

W zeigt den Schacht von oben und S von der Seite; R und T drehen die Ansicht um eine Vierteldrehung im oder gegen den Uhrzeigersinn. P hält an und spielt weiter. Das Spiel hält auch an, wenn du sein Fenster verlässt, es sei denn, Spiel-Optionen › Pause beim Verlassen des Fensters ist aus. F11 schaltet auf Vollbild und zurück.

Das Spiel legt seine Dateien in einem Ordner ab, den „Über“ nennt: %1 enthält die Auswahl, die Optionen › Einstellungen › Einstellungen speichern schreibt, %2 die Bestenliste, %3 das Spiel, das du durch Schließen des Fensters verlassen hast und das beim nächsten Start angehalten zurückkommt, und %4 Größe und Lage des Fensters sowie die Auswahl für Pause und Ton.</translation>
    </message>
    <message>
        <source>Vovov Kubrix 3d %1
A falling-block puzzle in three dimensions.

Free software under the GNU General Public License, version 3 or (at your option) any later version: GPL-3.0-or-later. It comes with no warranty.

The game keeps its files in
%2</source>
        <translation>Vovov Kubrix 3d %1
Ein Puzzlespiel mit fallenden Blöcken in drei Dimensionen.

Freie Software unter der GNU General Public License, Version 3 oder (nach deiner Wahl) jeder späteren Version: GPL-3.0-or-later. Sie kommt ohne jede Gewährleistung.

Das Spiel legt seine Dateien ab in
%2</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>About Vovov Kubrix 3d</source>
        <translation>Über Vovov Kubrix 3d</translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>Move the shape sideways, the way the picture shows it</source>
        <translation>Die Form seitwärts bewegen, so wie das Bild sie zeigt</translation>
    </message>
    <message>
        <source>Rotate the shape about the X axis</source>
        <translation>Die Form um die X-Achse drehen</translation>
    </message>
    <message>
        <source>Rotate the shape about the Y axis</source>
        <translation>Die Form um die Y-Achse drehen</translation>
    </message>
    <message>
        <source>Rotate the shape about the Z axis</source>
        <translation>Die Form um die Z-Achse drehen</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Pause or resume the game</source>
        <translation>Das Spiel anhalten oder fortsetzen</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Move the shape one row down</source>
        <translation>Die Form eine Reihe nach unten bewegen</translation>
    </message>
    <message>
        <source>Switch to the top view</source>
        <translation>Zur Ansicht von oben wechseln</translation>
    </message>
    <message>
        <source>Switch to the side view</source>
        <translation>Zur Seitenansicht wechseln</translation>
    </message>
    <message>
        <source>Rotate the view clockwise</source>
        <translation>Die Ansicht im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Rotate the view counter-clockwise</source>
        <translation>Die Ansicht gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Show this list</source>
        <translation>Diese Liste zeigen</translation>
    </message>
    <message>
        <source>Vovov Kubrix 3d - Keys</source>
        <translation>Vovov Kubrix 3d - Tasten</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>New Shape</source>
        <translation>Neue Form</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Restore Default Settings</source>
        <translation>Standardeinstellungen wiederherstellen</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Play-Options</source>
        <translation>Spiel-Optionen</translation>
    </message>
    <message>
        <source>Difficulty Level</source>
        <translation>Schwierigkeitsgrad</translation>
    </message>
    <message>
        <source>One (no rotation)</source>
        <translation>Eins (keine Drehung)</translation>
    </message>
    <message>
        <source>Two (rotate four directions)</source>
        <translation>Zwei (in vier Richtungen drehen)</translation>
    </message>
    <message>
        <source>Three (rotate all directions)</source>
        <translation>Drei (in alle Richtungen drehen)</translation>
    </message>
    <message>
        <source>Type of game</source>
        <translation>Spielart</translation>
    </message>
    <message>
        <source>Easy (Classic)</source>
        <translation>Leicht (Klassisch)</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>All Sizes</source>
        <translation>Alle Größen</translation>
    </message>
    <message>
        <source>Other Game-Types</source>
        <translation>Weitere Spielarten</translation>
    </message>
    <message>
        <source>Hole-in-One (regular)</source>
        <translation>Hole-in-One (normal)</translation>
    </message>
    <message>
        <source>Pause When Window Is Left</source>
        <translation>Pause beim Verlassen des Fensters</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Size-Options</source>
        <translation>Größen-Optionen</translation>
    </message>
    <message>
        <source>Choose Game-Size</source>
        <translation>Spielgröße wählen</translation>
    </message>
    <message>
        <source>Choose Grid-Size</source>
        <translation>Rastergröße wählen</translation>
    </message>
    <message>
        <source>Shape-Options</source>
        <translation>Form-Optionen</translation>
    </message>
    <message>
        <source>Choose shape-size (all-sizes mode)</source>
        <translation>Formgröße wählen (Alle Größen)</translation>
    </message>
    <message>
        <source>Choose number of layers (regular mode)</source>
        <translation>Zahl der Schichten wählen (Normal)</translation>
    </message>
    <message>
        <source>Color-Options</source>
        <translation>Farb-Optionen</translation>
    </message>
    <message>
        <source>Choose color-mode</source>
        <translation>Farbmodus wählen</translation>
    </message>
    <message>
        <source>True color (default)</source>
        <translation>Echtfarben (Standard)</translation>
    </message>
    <message>
        <source>16-bit-color</source>
        <translation>16-Bit-Farben</translation>
    </message>
    <message>
        <source>Choose block-color</source>
        <translation>Blockfarbe wählen</translation>
    </message>
    <message>
        <source>Block-Color is random</source>
        <translation>Blockfarbe ist zufällig</translation>
    </message>
    <message>
        <source>Block-Color is uniform</source>
        <translation>Blockfarbe ist einheitlich</translation>
    </message>
    <message>
        <source>Key-Help</source>
        <translation>Tastenhilfe</translation>
    </message>
    <message>
        <source>Moving the shape</source>
        <translation>Die Form bewegen</translation>
    </message>
    <message>
        <source>{Use the arrow keys}</source>
        <translation>{Die Pfeiltasten benutzen}</translation>
    </message>
    <message>
        <source>Pausing the game</source>
        <translation>Das Spiel anhalten</translation>
    </message>
    <message>
        <source>{Press &quot;P&quot;}</source>
        <translation>{„P“ drücken}</translation>
    </message>
    <message>
        <source>Moving shape downwards</source>
        <translation>Die Form nach unten bewegen</translation>
    </message>
    <message>
        <source>{Press Enter}</source>
        <translation>{Die Eingabetaste drücken}</translation>
    </message>
    <message>
        <source>Switching to Top-View</source>
        <translation>Zur Ansicht von oben wechseln</translation>
    </message>
    <message>
        <source>{Press &quot;W&quot;}</source>
        <translation>{„W“ drücken}</translation>
    </message>
    <message>
        <source>Switching to Side-View</source>
        <translation>Zur Seitenansicht wechseln</translation>
    </message>
    <message>
        <source>{Press &quot;S&quot;}</source>
        <translation>{„S“ drücken}</translation>
    </message>
    <message>
        <source>Rotating view Clock-Wise</source>
        <translation>Die Ansicht im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>{Press &quot;R&quot;}</source>
        <translation>{„R“ drücken}</translation>
    </message>
    <message>
        <source>Rotating view Counter-Clock-Wise</source>
        <translation>Die Ansicht gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>{Press &quot;T&quot;}</source>
        <translation>{„T“ drücken}</translation>
    </message>
    <message>
        <source>Rotating shape about the X-Axis</source>
        <translation>Die Form um die X-Achse drehen</translation>
    </message>
    <message>
        <source>{Press &quot;J&quot; or &quot;H&quot;}</source>
        <translation>{„J“ oder „H“ drücken}</translation>
    </message>
    <message>
        <source>Rotating shape about the Y-Axis</source>
        <translation>Die Form um die Y-Achse drehen</translation>
    </message>
    <message>
        <source>{Press &quot;U&quot; or &quot;Y&quot;}</source>
        <translation>{„U“ oder „Y“ drücken}</translation>
    </message>
    <message>
        <source>Rotating shape about the Z-Axis</source>
        <translation>Die Form um die Z-Achse drehen</translation>
    </message>
    <message>
        <source>{Press &quot;I&quot; or &quot;K&quot;} </source>
        <translation>{„I“ oder „K“ drücken} </translation>
    </message>
    <message>
        <source>All Keys (F1)</source>
        <translation>Alle Tasten (F1)</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>About Vovov Kubrix 3d</source>
        <translation>Über Vovov Kubrix 3d</translation>
    </message>
</context>
<context>
    <name>message</name>
    <message>
        <source>The saved game could not be read from &quot;%1&quot;; it was renamed to &quot;%2&quot; and a new game starts.</source>
        <translation>Das gespeicherte Spiel konnte nicht aus „%1“ gelesen werden; es wurde in „%2“ umbenannt, und ein neues Spiel beginnt.</translation>
    </message>
    <message>
        <source>The saved game could not be read, nor renamed to &quot;%1&quot;, from &quot;%2&quot;: %3. A new game starts.</source>
        <translation>Das gespeicherte Spiel in „%2“ konnte weder gelesen noch in „%1“ umbenannt werden: %3. Ein neues Spiel beginnt.</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Die Einstellungen konnten nicht in „%1“ gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Your high score could not be saved to &quot;%1&quot;: %2. The scores saved before are kept.</source>
        <translation>Dein Ergebnis konnte nicht in „%1“ gespeichert werden: %2. Die zuvor gespeicherten Ergebnisse bleiben erhalten.</translation>
    </message>
    <message>
        <source>The high scores could not be read from &quot;%1&quot;: %2.</source>
        <translation>Die Bestenliste konnte nicht aus „%1“ gelesen werden: %2.</translation>
    </message>
    <message>
        <source>No high scores yet on the current settings.</source>
        <translation>Für die jetzigen Einstellungen gibt es noch keine Bestenliste.</translation>
    </message>
    <message>
        <source>High scores on the current settings:</source>
        <translation>Bestenliste für die jetzigen Einstellungen:</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Das Spiel konnte nicht in „%1“ gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Quit or close the window again to leave without saving.</source>
        <translation>Wähle noch einmal Beenden oder schließe das Fenster noch einmal, um ohne Speichern zu gehen.</translation>
    </message>
    <message>
        <source>The replay &quot;%1&quot; cannot be watched: %2.</source>
        <translation>Die Wiederholung „%1“ kann nicht angesehen werden: %2.</translation>
    </message>
    <message>
        <source>larger than any replay</source>
        <translation>größer als jede Wiederholung</translation>
    </message>
    <message>
        <source>not a whole replay of this version</source>
        <translation>keine vollständige Wiederholung dieser Version</translation>
    </message>
    <message>
        <source>replay missing</source>
        <translation>Wiederholung fehlt</translation>
    </message>
    <message>
        <source>replay does not verify</source>
        <translation>Wiederholung stimmt nicht</translation>
    </message>
</context>
<context>
    <name>panel</name>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Please choose the width and height of the puzzle:</source>
        <translation>Bitte Breite und Höhe des Spielfelds wählen:</translation>
    </message>
    <message>
        <source>Width of puzzle:</source>
        <translation>Breite des Spielfelds:</translation>
    </message>
    <message>
        <source>Height of puzzle:</source>
        <translation>Höhe des Spielfelds:</translation>
    </message>
    <message>
        <source>Please choose the width and height of one square:</source>
        <translation>Bitte Breite und Höhe eines Feldes wählen:</translation>
    </message>
    <message>
        <source>Width of square:</source>
        <translation>Breite eines Feldes:</translation>
    </message>
    <message>
        <source>Height of square:</source>
        <translation>Höhe eines Feldes:</translation>
    </message>
    <message>
        <source>Please choose the maximum size of the shape:</source>
        <translation>Bitte die Höchstgröße der Form wählen:</translation>
    </message>
    <message>
        <source>Maximum number of squares:</source>
        <translation>Höchstzahl der Würfel:</translation>
    </message>
    <message>
        <source>Please choose the maximum number of layers (for regular mode):</source>
        <translation>Bitte die Höchstzahl der Schichten wählen (für Normal):</translation>
    </message>
    <message>
        <source>Maximum number of layers:</source>
        <translation>Höchstzahl der Schichten:</translation>
    </message>
    <message>
        <source>CONGRADULATIONS!!!</source>
        <translation>HERZLICHEN GLÜCKWUNSCH!!!</translation>
    </message>
    <message>
        <source>You have a new High-Score on the current settings!!!</source>
        <translation>Du hast eine neue Bestleistung auf den jetzigen Einstellungen!!!</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Bitte gib deinen Namen ein:</translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>Vovov Kubrix 3d - High Scores</source>
        <translation>Vovov Kubrix 3d - Bestenliste</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Ansehen</translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>Game over — Options › New Game</source>
        <translation>Spiel vorbei — Optionen › Neues Spiel</translation>
    </message>
    <message>
        <source>Paused — press P to go on</source>
        <translation>Angehalten — P drücken, um weiterzuspielen</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>The game cannot be kept right now (%1); the next landing tries again</source>
        <translation>Das Spiel lässt sich gerade nicht sichern (%1); die nächste Landung versucht es wieder</translation>
    </message>
    <message>
        <source>Difficulty %1 · %2 points</source>
        <translation>Schwierigkeit %1 · %2 Punkte</translation>
    </message>
    <message>
        <source>Replay · %1 · %2</source>
        <translation>Wiederholung · %1 · %2</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
</context>
<context>
    <name>title</name>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Hole-In-One</source>
        <translation>Hole-In-One</translation>
    </message>
    <message>
        <source>All-Sizes</source>
        <translation>Alle-Größen</translation>
    </message>
    <message>
        <source>Game-Type: %1</source>
        <translation>Spielart: %1</translation>
    </message>
    <message>
        <source>Difficulty: %1</source>
        <translation>Schwierigkeit: %1</translation>
    </message>
    <message>
        <source>Shape-Size: %1</source>
        <translation>Formgröße: %1</translation>
    </message>
    <message>
        <source>Total Points: %1</source>
        <translation>Punkte insgesamt: %1</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Eins</translation>
    </message>
    <message>
        <source>(Game Over)</source>
        <translation>(Spiel vorbei)</translation>
    </message>
    <message>
        <source>Vovov Kubrix 3d</source>
        <translation>Vovov Kubrix 3d</translation>
    </message>
    <message>
        <source>Vovov Kubrix 3d - By Vendrisalo (Age 20)</source>
        <translation>Vovov Kubrix 3d - Von Vendrisalo (20 Jahre)</translation>
    </message>
</context>
</TS>
