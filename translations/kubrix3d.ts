<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>commandline</name>
    <message>
        <source>Try &apos;kubrix3d --help&apos; for the options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--folder and --user-files cannot be used together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--folder needs the name of a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--user-files needs XDG_DATA_HOME or HOME set to an absolute folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot keep the files in &apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no window can be opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game needs a graphical desktop (an X11 or Wayland display).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a game is already running on the files in this folder; it was asked to come to the front.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vovov Kubrix 3d, a falling-block puzzle in three dimensions.
Without options it keeps its settings and high scores in the working directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the files in &lt;folder&gt;, made when missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the files in $XDG_DATA_HOME/kubrix3d, by default ~/.local/share/kubrix3d, made when missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the replay &lt;file&gt; again without a display and exit: 0 when it ends as recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch the replay &lt;file&gt; in the game&apos;s window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--verify needs the name of a replay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--replay needs the name of a replay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be read as a replay: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recorded score: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>replayed score: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game plays out as recorded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game does not play out as recorded</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vovov Kubrix 3d %1
A falling-block puzzle in three dimensions.

Free software under the GNU General Public License, version 3 or (at your option) any later version: GPL-3.0-or-later. It comes with no warranty.

The game keeps its files in
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Vovov Kubrix 3d</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>Move the shape sideways, the way the picture shows it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate the shape about the X axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate the shape about the Y axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate the shape about the Z axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause or resume the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the shape one row down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to the top view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to the side view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate the view clockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate the view counter-clockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vovov Kubrix 3d - Keys</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Default Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play-Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difficulty Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One (no rotation)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two (rotate four directions)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three (rotate all directions)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type of game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easy (Classic)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Sizes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Game-Types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hole-in-One (regular)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause When Window Is Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size-Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Game-Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Grid-Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape-Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose shape-size (all-sizes mode)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose number of layers (regular mode)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color-Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose color-mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True color (default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16-bit-color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose block-color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block-Color is random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block-Color is uniform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key-Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving the shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{Use the arrow keys}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pausing the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{Press &quot;P&quot;}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving shape downwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{Press Enter}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switching to Top-View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{Press &quot;W&quot;}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switching to Side-View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{Press &quot;S&quot;}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotating view Clock-Wise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{Press &quot;R&quot;}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotating view Counter-Clock-Wise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{Press &quot;T&quot;}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotating shape about the X-Axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{Press &quot;J&quot; or &quot;H&quot;}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotating shape about the Y-Axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{Press &quot;U&quot; or &quot;Y&quot;}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotating shape about the Z-Axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{Press &quot;I&quot; or &quot;K&quot;} </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Keys (F1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Vovov Kubrix 3d</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>message</name>
    <message>
        <source>The saved game could not be read from &quot;%1&quot;; it was renamed to &quot;%2&quot; and a new game starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved game could not be read, nor renamed to &quot;%1&quot;, from &quot;%2&quot;: %3. A new game starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your high score could not be saved to &quot;%1&quot;: %2. The scores saved before are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The high scores could not be read from &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No high scores yet on the current settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High scores on the current settings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit or close the window again to leave without saving.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The replay &quot;%1&quot; cannot be watched: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger than any replay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a whole replay of this version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>replay missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>replay does not verify</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>panel</name>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose the width and height of the puzzle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width of puzzle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height of puzzle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose the width and height of one square:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width of square:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height of square:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose the maximum size of the shape:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum number of squares:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose the maximum number of layers (for regular mode):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum number of layers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONGRADULATIONS!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have a new High-Score on the current settings!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>Vovov Kubrix 3d - High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>Game over — Options › New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused — press P to go on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game cannot be kept right now (%1); the next landing tries again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difficulty %1 · %2 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay · %1 · %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>title</name>
    <message>
        <source>Regular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hole-In-One</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All-Sizes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game-Type: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difficulty: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape-Size: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Points: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Game Over)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vovov Kubrix 3d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vovov Kubrix 3d - By Vendrisalo (Age 20)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
