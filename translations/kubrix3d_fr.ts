<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>commandline</name>
    <message>
        <source>Try &apos;kubrix3d --help&apos; for the options.</source>
        <translation>Essayez &apos;kubrix3d --help&apos; pour voir les options.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argument inattendu &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--folder and --user-files cannot be used together.</source>
        <translation>--folder et --user-files ne peuvent pas être utilisés ensemble.</translation>
    </message>
    <message>
        <source>--folder needs the name of a folder.</source>
        <translation>--folder demande le nom d&apos;un dossier.</translation>
    </message>
    <message>
        <source>--user-files needs XDG_DATA_HOME or HOME set to an absolute folder.</source>
        <translation>--user-files demande que XDG_DATA_HOME ou HOME désigne un dossier absolu.</translation>
    </message>
    <message>
        <source>cannot keep the files in &apos;%1&apos;: %2</source>
        <translation>impossible de garder les fichiers dans &apos;%1&apos;&#xa0;: %2</translation>
    </message>
    <message>
        <source>no window can be opened: %1</source>
        <translation>aucune fenêtre ne peut être ouverte&#xa0;: %1</translation>
    </message>
    <message>
        <source>the game needs a graphical desktop (an X11 or Wayland display).</source>
        <translation>le jeu a besoin d&apos;un bureau graphique (un affichage X11 ou Wayland).</translation>
    </message>
    <message>
        <source>a game is already running on the files in this folder; it was asked to come to the front.</source>
        <translation>une partie tourne déjà sur les fichiers de ce dossier&#xa0;; elle a été priée de passer au premier plan.</translation>
    </message>
    <message>
        <source>Vovov Kubrix 3d, a falling-block puzzle in three dimensions.
Without options it keeps its settings and high scores in the working directory.</source>
        <translation>Vovov Kubrix 3d, un casse-tête de blocs qui tombent, en trois dimensions.
Sans option, il garde ses réglages et ses meilleurs scores dans le dossier de travail.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Keep the files in &lt;folder&gt;, made when missing.</source>
        <translation>Garder les fichiers dans &lt;folder&gt;, créé s&apos;il manque.</translation>
    </message>
    <message>
        <source>Keep the files in $XDG_DATA_HOME/kubrix3d, by default ~/.local/share/kubrix3d, made when missing.</source>
        <translation>Garder les fichiers dans $XDG_DATA_HOME/kubrix3d, par défaut ~/.local/share/kubrix3d, créé s&apos;il manque.</translation>
    </message>
    <message>
        <source>Play the replay &lt;file&gt; again without a display and exit: 0 when it ends as recorded.</source>
        <translation>Rejouer la partie enregistrée &lt;file&gt; sans affichage et quitter&#xa0;: 0 si elle finit comme elle a été enregistrée.</translation>
    </message>
    <message>
        <source>Watch the replay &lt;file&gt; in the game&apos;s window.</source>
        <translation>Regarder la partie enregistrée &lt;file&gt; dans la fenêtre du jeu.</translation>
    </message>
    <message>
        <source>--verify needs the name of a replay.</source>
        <translation>--verify demande le nom d&apos;une partie enregistrée.</translation>
    </message>
    <message>
        <source>--replay needs the name of a replay.</source>
        <translation>--replay demande le nom d&apos;une partie enregistrée.</translation>
    </message>
    <message>
        <source>%1: cannot be read as a replay: %2</source>
        <translation>%1&#xa0;: illisible comme partie enregistrée&#xa0;: %2</translation>
    </message>
    <message>
        <source>recorded score: %1</source>
        <translation>score enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>replayed score: %1</source>
        <translation>score rejoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>the game plays out as recorded</source>
        <translation>la partie se déroule comme elle a été enregistrée</translation>
    </message>
    <message>
        <source>the game does not play out as recorded</source>
        <translation>la partie ne se déroule pas comme elle a été enregistrée</translation>
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
        <translation>Des pièces faites de cubes apparaissent en haut du puits et descendent d&apos;une rangée par seconde. Déplacez une pièce latéralement avec les flèches, comme l&apos;image montre le puits&#xa0;; tournez-la avec H et J, I et K, U et Y&#xa0;; Entrée la fait descendre d&apos;une rangée. Quand elle ne peut plus descendre, elle atterrit. Une couche du puits pleine de cubes disparaît, et les cubes au-dessus prennent sa place. La partie est finie quand une pièce atterrit sur la rangée où elle est apparue.

Options de jeu choisit le type de partie et la difficulté, à partir de la prochaine Nouvelle partie (Ctrl+N). Facile joue quatre formes fixes. Normal moule des pièces plates dans les trous du fond du puits, sur autant de couches que l&apos;indique Options de forme&#xa0;; Trou en un en retire les cubes intérieurs. Difficile moule les pièces dans le relief de la pile. Toutes tailles fait grandir les pièces jusqu&apos;au nombre de cubes que donne Options de forme. La difficulté décide comment une nouvelle pièce est tournée quand elle apparaît&#xa0;: pas du tout, autour de l&apos;axe vertical, ou dans tous les sens.

Une couche pleine rapporte 10 points par case, et chaque pièce qui atterrit rapporte 10 (10 par couche dans les parties normales et trou en un). Nouvelle forme échange la pièce qui tombe contre une autre pour 5 points. Un score parmi les dix meilleurs avec ses réglages demande votre nom&#xa0;; Options › Meilleurs scores les affiche.

W montre le puits de dessus et S de côté&#xa0;; R et T tournent la vue d&apos;un quart de tour dans le sens horaire ou antihoraire. P met en pause et reprend. Le jeu se met aussi en pause quand vous quittez sa fenêtre, sauf si Options de jeu › Pause quand on quitte la fenêtre est désactivé. F11 passe en plein écran et revient.

Le jeu garde ses fichiers dans un dossier, qu&apos;indique À propos&#xa0;: %1 contient les choix qu&apos;écrit Options › Réglages › Enregistrer les réglages, %2 les meilleurs scores, %3 la partie que vous avez quittée en fermant la fenêtre, reprise en pause au démarrage suivant, et %4 la taille et la place de la fenêtre ainsi que les choix Pause et Son.</translation>
    </message>
    <message>
        <source>Vovov Kubrix 3d %1
A falling-block puzzle in three dimensions.

Free software under the GNU General Public License, version 3 or (at your option) any later version: GPL-3.0-or-later. It comes with no warranty.

The game keeps its files in
%2</source>
        <translation>Vovov Kubrix 3d %1
Un casse-tête de blocs qui tombent, en trois dimensions.

Logiciel libre sous la licence publique générale GNU, version 3 ou (à votre choix) toute version ultérieure&#xa0;: GPL-3.0-or-later. Il est fourni sans aucune garantie.

Le jeu garde ses fichiers dans
%2</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>About Vovov Kubrix 3d</source>
        <translation>À propos de Vovov Kubrix 3d</translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>Move the shape sideways, the way the picture shows it</source>
        <translation>Déplacer la forme latéralement, comme l&apos;image la montre</translation>
    </message>
    <message>
        <source>Rotate the shape about the X axis</source>
        <translation>Tourner la forme autour de l&apos;axe X</translation>
    </message>
    <message>
        <source>Rotate the shape about the Y axis</source>
        <translation>Tourner la forme autour de l&apos;axe Y</translation>
    </message>
    <message>
        <source>Rotate the shape about the Z axis</source>
        <translation>Tourner la forme autour de l&apos;axe Z</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Pause or resume the game</source>
        <translation>Mettre en pause ou reprendre la partie</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Move the shape one row down</source>
        <translation>Descendre la forme d&apos;une rangée</translation>
    </message>
    <message>
        <source>Switch to the top view</source>
        <translation>Passer à la vue de dessus</translation>
    </message>
    <message>
        <source>Switch to the side view</source>
        <translation>Passer à la vue de côté</translation>
    </message>
    <message>
        <source>Rotate the view clockwise</source>
        <translation>Tourner la vue dans le sens horaire</translation>
    </message>
    <message>
        <source>Rotate the view counter-clockwise</source>
        <translation>Tourner la vue dans le sens antihoraire</translation>
    </message>
    <message>
        <source>Show this list</source>
        <translation>Afficher cette liste</translation>
    </message>
    <message>
        <source>Vovov Kubrix 3d - Keys</source>
        <translation>Vovov Kubrix 3d - Touches</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>New Shape</source>
        <translation>Nouvelle forme</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Enregistrer les réglages</translation>
    </message>
    <message>
        <source>Restore Default Settings</source>
        <translation>Rétablir les réglages par défaut</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Play-Options</source>
        <translation>Options de jeu</translation>
    </message>
    <message>
        <source>Difficulty Level</source>
        <translation>Niveau de difficulté</translation>
    </message>
    <message>
        <source>One (no rotation)</source>
        <translation>Un (sans rotation)</translation>
    </message>
    <message>
        <source>Two (rotate four directions)</source>
        <translation>Deux (rotation dans quatre directions)</translation>
    </message>
    <message>
        <source>Three (rotate all directions)</source>
        <translation>Trois (rotation dans toutes les directions)</translation>
    </message>
    <message>
        <source>Type of game</source>
        <translation>Type de partie</translation>
    </message>
    <message>
        <source>Easy (Classic)</source>
        <translation>Facile (classique)</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>All Sizes</source>
        <translation>Toutes tailles</translation>
    </message>
    <message>
        <source>Other Game-Types</source>
        <translation>Autres types de partie</translation>
    </message>
    <message>
        <source>Hole-in-One (regular)</source>
        <translation>Trou en un (normal)</translation>
    </message>
    <message>
        <source>Pause When Window Is Left</source>
        <translation>Pause quand on quitte la fenêtre</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Size-Options</source>
        <translation>Options de taille</translation>
    </message>
    <message>
        <source>Choose Game-Size</source>
        <translation>Choisir la taille du jeu</translation>
    </message>
    <message>
        <source>Choose Grid-Size</source>
        <translation>Choisir la taille de la grille</translation>
    </message>
    <message>
        <source>Shape-Options</source>
        <translation>Options de forme</translation>
    </message>
    <message>
        <source>Choose shape-size (all-sizes mode)</source>
        <translation>Choisir la taille des formes (mode toutes tailles)</translation>
    </message>
    <message>
        <source>Choose number of layers (regular mode)</source>
        <translation>Choisir le nombre de couches (mode normal)</translation>
    </message>
    <message>
        <source>Color-Options</source>
        <translation>Options de couleur</translation>
    </message>
    <message>
        <source>Choose color-mode</source>
        <translation>Choisir le mode de couleur</translation>
    </message>
    <message>
        <source>True color (default)</source>
        <translation>Couleurs vraies (par défaut)</translation>
    </message>
    <message>
        <source>16-bit-color</source>
        <translation>Couleurs 16 bits</translation>
    </message>
    <message>
        <source>Choose block-color</source>
        <translation>Choisir la couleur des blocs</translation>
    </message>
    <message>
        <source>Block-Color is random</source>
        <translation>Couleur des blocs aléatoire</translation>
    </message>
    <message>
        <source>Block-Color is uniform</source>
        <translation>Couleur des blocs uniforme</translation>
    </message>
    <message>
        <source>Key-Help</source>
        <translation>Aide des touches</translation>
    </message>
    <message>
        <source>Moving the shape</source>
        <translation>Déplacer la forme</translation>
    </message>
    <message>
        <source>{Use the arrow keys}</source>
        <translation>{Utilisez les flèches}</translation>
    </message>
    <message>
        <source>Pausing the game</source>
        <translation>Mettre le jeu en pause</translation>
    </message>
    <message>
        <source>{Press &quot;P&quot;}</source>
        <translation>{Appuyez sur «&#xa0;P&#xa0;»}</translation>
    </message>
    <message>
        <source>Moving shape downwards</source>
        <translation>Descendre la forme</translation>
    </message>
    <message>
        <source>{Press Enter}</source>
        <translation>{Appuyez sur Entrée}</translation>
    </message>
    <message>
        <source>Switching to Top-View</source>
        <translation>Passer à la vue de dessus</translation>
    </message>
    <message>
        <source>{Press &quot;W&quot;}</source>
        <translation>{Appuyez sur «&#xa0;W&#xa0;»}</translation>
    </message>
    <message>
        <source>Switching to Side-View</source>
        <translation>Passer à la vue de côté</translation>
    </message>
    <message>
        <source>{Press &quot;S&quot;}</source>
        <translation>{Appuyez sur «&#xa0;S&#xa0;»}</translation>
    </message>
    <message>
        <source>Rotating view Clock-Wise</source>
        <translation>Tourner la vue dans le sens horaire</translation>
    </message>
    <message>
        <source>{Press &quot;R&quot;}</source>
        <translation>{Appuyez sur «&#xa0;R&#xa0;»}</translation>
    </message>
    <message>
        <source>Rotating view Counter-Clock-Wise</source>
        <translation>Tourner la vue dans le sens antihoraire</translation>
    </message>
    <message>
        <source>{Press &quot;T&quot;}</source>
        <translation>{Appuyez sur «&#xa0;T&#xa0;»}</translation>
    </message>
    <message>
        <source>Rotating shape about the X-Axis</source>
        <translation>Tourner la forme autour de l&apos;axe X</translation>
    </message>
    <message>
        <source>{Press &quot;J&quot; or &quot;H&quot;}</source>
        <translation>{Appuyez sur «&#xa0;J&#xa0;» ou «&#xa0;H&#xa0;»}</translation>
    </message>
    <message>
        <source>Rotating shape about the Y-Axis</source>
        <translation>Tourner la forme autour de l&apos;axe Y</translation>
    </message>
    <message>
        <source>{Press &quot;U&quot; or &quot;Y&quot;}</source>
        <translation>{Appuyez sur «&#xa0;U&#xa0;» ou «&#xa0;Y&#xa0;»}</translation>
    </message>
    <message>
        <source>Rotating shape about the Z-Axis</source>
        <translation>Tourner la forme autour de l&apos;axe Z</translation>
    </message>
    <message>
        <source>{Press &quot;I&quot; or &quot;K&quot;} </source>
        <translation>{Appuyez sur «&#xa0;I&#xa0;» ou «&#xa0;K&#xa0;»} </translation>
    </message>
    <message>
        <source>All Keys (F1)</source>
        <translation>Toutes les touches (F1)</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>About Vovov Kubrix 3d</source>
        <translation>À propos de Vovov Kubrix 3d</translation>
    </message>
</context>
<context>
    <name>message</name>
    <message>
        <source>The saved game could not be read from &quot;%1&quot;; it was renamed to &quot;%2&quot; and a new game starts.</source>
        <translation>La partie enregistrée n&apos;a pas pu être lue depuis «&#xa0;%1&#xa0;»&#xa0;; elle a été renommée en «&#xa0;%2&#xa0;» et une nouvelle partie commence.</translation>
    </message>
    <message>
        <source>The saved game could not be read, nor renamed to &quot;%1&quot;, from &quot;%2&quot;: %3. A new game starts.</source>
        <translation>La partie enregistrée dans «&#xa0;%2&#xa0;» n&apos;a pu être ni lue ni renommée en «&#xa0;%1&#xa0;»&#xa0;: %3. Une nouvelle partie commence.</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés dans «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Your high score could not be saved to &quot;%1&quot;: %2. The scores saved before are kept.</source>
        <translation>Votre meilleur score n&apos;a pas pu être enregistré dans «&#xa0;%1&#xa0;»&#xa0;: %2. Les scores enregistrés auparavant sont conservés.</translation>
    </message>
    <message>
        <source>The high scores could not be read from &quot;%1&quot;: %2.</source>
        <translation>Les meilleurs scores n&apos;ont pas pu être lus depuis «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>No high scores yet on the current settings.</source>
        <translation>Pas encore de meilleurs scores avec les réglages actuels.</translation>
    </message>
    <message>
        <source>High scores on the current settings:</source>
        <translation>Meilleurs scores avec les réglages actuels&#xa0;:</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;: %2.</source>
        <translation>La partie n&apos;a pas pu être enregistrée dans «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Quit or close the window again to leave without saving.</source>
        <translation>Quittez ou fermez à nouveau la fenêtre pour partir sans enregistrer.</translation>
    </message>
    <message>
        <source>The replay &quot;%1&quot; cannot be watched: %2.</source>
        <translation>La partie enregistrée «&#xa0;%1&#xa0;» ne peut pas être regardée&#xa0;: %2.</translation>
    </message>
    <message>
        <source>larger than any replay</source>
        <translation>plus grande que toute partie enregistrée</translation>
    </message>
    <message>
        <source>not a whole replay of this version</source>
        <translation>pas une partie enregistrée complète de cette version</translation>
    </message>
    <message>
        <source>replay missing</source>
        <translation>partie enregistrée absente</translation>
    </message>
    <message>
        <source>replay does not verify</source>
        <translation>partie enregistrée non conforme</translation>
    </message>
</context>
<context>
    <name>panel</name>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Please choose the width and height of the puzzle:</source>
        <translation>Veuillez choisir la largeur et la hauteur du jeu&#xa0;:</translation>
    </message>
    <message>
        <source>Width of puzzle:</source>
        <translation>Largeur du jeu&#xa0;:</translation>
    </message>
    <message>
        <source>Height of puzzle:</source>
        <translation>Hauteur du jeu&#xa0;:</translation>
    </message>
    <message>
        <source>Please choose the width and height of one square:</source>
        <translation>Veuillez choisir la largeur et la hauteur d&apos;une case&#xa0;:</translation>
    </message>
    <message>
        <source>Width of square:</source>
        <translation>Largeur d&apos;une case&#xa0;:</translation>
    </message>
    <message>
        <source>Height of square:</source>
        <translation>Hauteur d&apos;une case&#xa0;:</translation>
    </message>
    <message>
        <source>Please choose the maximum size of the shape:</source>
        <translation>Veuillez choisir la taille maximale de la forme&#xa0;:</translation>
    </message>
    <message>
        <source>Maximum number of squares:</source>
        <translation>Nombre maximal de cubes&#xa0;:</translation>
    </message>
    <message>
        <source>Please choose the maximum number of layers (for regular mode):</source>
        <translation>Veuillez choisir le nombre maximal de couches (mode normal)&#xa0;:</translation>
    </message>
    <message>
        <source>Maximum number of layers:</source>
        <translation>Nombre maximal de couches&#xa0;:</translation>
    </message>
    <message>
        <source>CONGRADULATIONS!!!</source>
        <translation>FÉLICITATIONS&#xa0;!!!</translation>
    </message>
    <message>
        <source>You have a new High-Score on the current settings!!!</source>
        <translation>Nouveau meilleur score avec les réglages actuels&#xa0;!!!</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Veuillez saisir votre nom&#xa0;:</translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>Vovov Kubrix 3d - High Scores</source>
        <translation>Vovov Kubrix 3d - Meilleurs scores</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Regarder</translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>Game over — Options › New Game</source>
        <translation>Partie terminée — Options › Nouvelle partie</translation>
    </message>
    <message>
        <source>Paused — press P to go on</source>
        <translation>En pause — appuyez sur P pour continuer</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>The game cannot be kept right now (%1); the next landing tries again</source>
        <translation>La partie ne peut pas être conservée pour l&apos;instant (%1)&#xa0;; le prochain atterrissage réessaiera</translation>
    </message>
    <message>
        <source>Difficulty %1 · %2 points</source>
        <translation>Difficulté %1 · %2 points</translation>
    </message>
    <message>
        <source>Replay · %1 · %2</source>
        <translation>Partie enregistrée · %1 · %2</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
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
        <translation>Facile</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Hole-In-One</source>
        <translation>Trou-En-Un</translation>
    </message>
    <message>
        <source>All-Sizes</source>
        <translation>Toutes-Tailles</translation>
    </message>
    <message>
        <source>Game-Type: %1</source>
        <translation>Type de partie&#xa0;: %1</translation>
    </message>
    <message>
        <source>Difficulty: %1</source>
        <translation>Difficulté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Shape-Size: %1</source>
        <translation>Taille des formes&#xa0;: %1</translation>
    </message>
    <message>
        <source>Total Points: %1</source>
        <translation>Total des points&#xa0;: %1</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Un</translation>
    </message>
    <message>
        <source>(Game Over)</source>
        <translation>(Partie terminée)</translation>
    </message>
    <message>
        <source>Vovov Kubrix 3d</source>
        <translation>Vovov Kubrix 3d</translation>
    </message>
    <message>
        <source>Vovov Kubrix 3d - By Vendrisalo (Age 20)</source>
        <translation>Vovov Kubrix 3d - Par Vendrisalo (20 ans)</translation>
    </message>
</context>
</TS>
