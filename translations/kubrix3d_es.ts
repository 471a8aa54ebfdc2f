<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>commandline</name>
    <message>
        <source>Try &apos;kubrix3d --help&apos; for the options.</source>
        <translation>Pruebe &apos;kubrix3d --help&apos; para ver las opciones.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argumento inesperado &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--folder and --user-files cannot be used together.</source>
        <translation>--folder y --user-files no se pueden usar juntos.</translation>
    </message>
    <message>
        <source>--folder needs the name of a folder.</source>
        <translation>--folder necesita el nombre de una carpeta.</translation>
    </message>
    <message>
        <source>--user-files needs XDG_DATA_HOME or HOME set to an absolute folder.</source>
        <translation>--user-files necesita que XDG_DATA_HOME o HOME indiquen una carpeta absoluta.</translation>
    </message>
    <message>
        <source>cannot keep the files in &apos;%1&apos;: %2</source>
        <translation>no se pueden guardar los archivos en &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>no window can be opened: %1</source>
        <translation>no se puede abrir ninguna ventana: %1</translation>
    </message>
    <message>
        <source>the game needs a graphical desktop (an X11 or Wayland display).</source>
        <translation>el juego necesita un escritorio gráfico (una pantalla X11 o Wayland).</translation>
    </message>
    <message>
        <source>a game is already running on the files in this folder; it was asked to come to the front.</source>
        <translation>ya hay una partida en marcha con los archivos de esta carpeta; se le pidió que pase al frente.</translation>
    </message>
    <message>
        <source>Vovov Kubrix 3d, a falling-block puzzle in three dimensions.
Without options it keeps its settings and high scores in the working directory.</source>
        <translation>Vovov Kubrix 3d, un rompecabezas de bloques que caen, en tres dimensiones.
Sin opciones guarda sus ajustes y sus mejores puntuaciones en el directorio de trabajo.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Keep the files in &lt;folder&gt;, made when missing.</source>
        <translation>Guardar los archivos en &lt;folder&gt;, que se crea si falta.</translation>
    </message>
    <message>
        <source>Keep the files in $XDG_DATA_HOME/kubrix3d, by default ~/.local/share/kubrix3d, made when missing.</source>
        <translation>Guardar los archivos en $XDG_DATA_HOME/kubrix3d, por defecto ~/.local/share/kubrix3d, que se crea si falta.</translation>
    </message>
    <message>
        <source>Play the replay &lt;file&gt; again without a display and exit: 0 when it ends as recorded.</source>
        <translation>Volver a jugar la repetición &lt;file&gt; sin pantalla y salir: 0 si termina como se grabó.</translation>
    </message>
    <message>
        <source>Watch the replay &lt;file&gt; in the game&apos;s window.</source>
        <translation>Ver la repetición &lt;file&gt; en la ventana del juego.</translation>
    </message>
    <message>
        <source>--verify needs the name of a replay.</source>
        <translation>--verify necesita el nombre de una repetición.</translation>
    </message>
    <message>
        <source>--replay needs the name of a replay.</source>
        <translation>--replay necesita el nombre de una repetición.</translation>
    </message>
    <message>
        <source>%1: cannot be read as a replay: %2</source>
        <translation>%1: no se puede leer como repetición: %2</translation>
    </message>
    <message>
        <source>recorded score: %1</source>
        <translation>puntuación grabada: %1</translation>
    </message>
    <message>
        <source>replayed score: %1</source>
        <translation>puntuación repetida: %1</translation>
    </message>
    <message>
        <source>the game plays out as recorded</source>
        <translation>la partida transcurre como se grabó</translation>
    </message>
    <message>
        <source>the game does not play out as recorded</source>
        <translation>la partida no transcurre como se grabó</translation>
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
        <translation>Piezas hechas de cubos aparecen en lo alto del pozo y caen una fila por segundo. Mueva una pieza hacia los lados con las flechas, tal como la imagen muestra el pozo; gírela con H y J, I y K, U e Y; Intro la baja una fila. Cuando ya no puede caer más, aterriza. Una capa del pozo llena de cubos desaparece, y los cubos de encima caen a su lugar. La partida termina cuando una pieza aterriza en la fila donde apareció.

Opciones de juego elige el tipo de partida y la dificultad, a partir de la próxima Nueva partida (Ctrl+N). Fácil juega con cuatro formas fijas. Normal moldea piezas planas con los huecos del fondo del pozo, con tantas capas como diga Opciones de forma; Hoyo en uno les quita los cubos interiores. Difícil moldea piezas con el relieve de la pila. Todos los tamaños hace crecer las piezas hasta el número de cubos que da Opciones de forma. La dificultad decide cómo se gira una pieza nueva al aparecer: nada, sobre el eje vertical o de cualquier manera.

Una capa llena da 10 puntos por cada una de sus casillas, y cada pieza que aterriza da 10 (10 por cada una de sus capas en las partidas normal y hoyo en uno). Nueva forma cambia la pieza que cae por otra a cambio de 5 puntos. Una puntuación entre las diez mejores con sus ajustes le pide su nombre; Opciones › Mejores puntuaciones las muestra.

W muestra el pozo desde arriba y S desde un lado; R y T giran la vista un cuarto de vuelta en sentido horario o antihorario. P pausa y reanuda. El juego también se pausa cuando sale de su ventana, salvo que Opciones de juego › Pausar al salir de la ventana esté desactivado. F11 cambia a pantalla completa y vuelve.

El juego guarda sus archivos en una carpeta, que indica Acerca de: %1 guarda las opciones que escribe Opciones › Ajustes › Guardar ajustes, %2 las mejores puntuaciones, %3 la partida que dejó al cerrar la ventana, que vuelve en pausa en el siguiente inicio, y %4 el tamaño y la posición de la ventana y las opciones de pausa y sonido.</translation>
    </message>
    <message>
        <source>Vovov Kubrix 3d %1
A falling-block puzzle in three dimensions.

Free software under the GNU General Public License, version 3 or (at your option) any later version: GPL-3.0-or-later. It comes with no warranty.

The game keeps its files in
%2</source>
        <translation>Vovov Kubrix 3d %1
Un rompecabezas de bloques que caen, en tres dimensiones.

Software libre bajo la Licencia Pública General de GNU, versión 3 o (a su elección) cualquier versión posterior: GPL-3.0-or-later. Se ofrece sin ninguna garantía.

El juego guarda sus archivos en
%2</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>About Vovov Kubrix 3d</source>
        <translation>Acerca de Vovov Kubrix 3d</translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>Move the shape sideways, the way the picture shows it</source>
        <translation>Mover la forma hacia los lados, tal como la muestra la imagen</translation>
    </message>
    <message>
        <source>Rotate the shape about the X axis</source>
        <translation>Girar la forma sobre el eje X</translation>
    </message>
    <message>
        <source>Rotate the shape about the Y axis</source>
        <translation>Girar la forma sobre el eje Y</translation>
    </message>
    <message>
        <source>Rotate the shape about the Z axis</source>
        <translation>Girar la forma sobre el eje Z</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Pause or resume the game</source>
        <translation>Pausar o reanudar la partida</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Move the shape one row down</source>
        <translation>Bajar la forma una fila</translation>
    </message>
    <message>
        <source>Switch to the top view</source>
        <translation>Cambiar a la vista superior</translation>
    </message>
    <message>
        <source>Switch to the side view</source>
        <translation>Cambiar a la vista lateral</translation>
    </message>
    <message>
        <source>Rotate the view clockwise</source>
        <translation>Girar la vista en sentido horario</translation>
    </message>
    <message>
        <source>Rotate the view counter-clockwise</source>
        <translation>Girar la vista en sentido antihorario</translation>
    </message>
    <message>
        <source>Show this list</source>
        <translation>Mostrar esta lista</translation>
    </message>
    <message>
        <source>Vovov Kubrix 3d - Keys</source>
        <translation>Vovov Kubrix 3d - Teclas</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>New Shape</source>
        <translation>Nueva forma</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Guardar ajustes</translation>
    </message>
    <message>
        <source>Restore Default Settings</source>
        <translation>Restablecer ajustes predeterminados</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Play-Options</source>
        <translation>Opciones de juego</translation>
    </message>
    <message>
        <source>Difficulty Level</source>
        <translation>Nivel de dificultad</translation>
    </message>
    <message>
        <source>One (no rotation)</source>
        <translation>Uno (sin rotación)</translation>
    </message>
    <message>
        <source>Two (rotate four directions)</source>
        <translation>Dos (girar en cuatro direcciones)</translation>
    </message>
    <message>
        <source>Three (rotate all directions)</source>
        <translation>Tres (girar en todas las direcciones)</translation>
    </message>
    <message>
        <source>Type of game</source>
        <translation>Tipo de partida</translation>
    </message>
    <message>
        <source>Easy (Classic)</source>
        <translation>Fácil (clásico)</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>All Sizes</source>
        <translation>Todos los tamaños</translation>
    </message>
    <message>
        <source>Other Game-Types</source>
        <translation>Otros tipos de partida</translation>
    </message>
    <message>
        <source>Hole-in-One (regular)</source>
        <translation>Hoyo en uno (normal)</translation>
    </message>
    <message>
        <source>Pause When Window Is Left</source>
        <translation>Pausar al salir de la ventana</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Size-Options</source>
        <translation>Opciones de tamaño</translation>
    </message>
    <message>
        <source>Choose Game-Size</source>
        <translation>Elegir tamaño del juego</translation>
    </message>
    <message>
        <source>Choose Grid-Size</source>
        <translation>Elegir tamaño de la cuadrícula</translation>
    </message>
    <message>
        <source>Shape-Options</source>
        <translation>Opciones de forma</translation>
    </message>
    <message>
        <source>Choose shape-size (all-sizes mode)</source>
        <translation>Elegir tamaño de forma (modo todos los tamaños)</translation>
    </message>
    <message>
        <source>Choose number of layers (regular mode)</source>
        <translation>Elegir número de capas (modo normal)</translation>
    </message>
    <message>
        <source>Color-Options</source>
        <translation>Opciones de color</translation>
    </message>
    <message>
        <source>Choose color-mode</source>
        <translation>Elegir modo de color</translation>
    </message>
    <message>
        <source>True color (default)</source>
        <translation>Color verdadero (predeterminado)</translation>
    </message>
    <message>
        <source>16-bit-color</source>
        <translation>Color de 16 bits</translation>
    </message>
    <message>
        <source>Choose block-color</source>
        <translation>Elegir color de bloque</translation>
    </message>
    <message>
        <source>Block-Color is random</source>
        <translation>Color de bloque aleatorio</translation>
    </message>
    <message>
        <source>Block-Color is uniform</source>
        <translation>Color de bloque uniforme</translation>
    </message>
    <message>
        <source>Key-Help</source>
        <translation>Ayuda de teclas</translation>
    </message>
    <message>
        <source>Moving the shape</source>
        <translation>Mover la forma</translation>
    </message>
    <message>
        <source>{Use the arrow keys}</source>
        <translation>{Use las flechas}</translation>
    </message>
    <message>
        <source>Pausing the game</source>
        <translation>Pausar el juego</translation>
    </message>
    <message>
        <source>{Press &quot;P&quot;}</source>
        <translation>{Pulse «P»}</translation>
    </message>
    <message>
        <source>Moving shape downwards</source>
        <translation>Bajar la forma</translation>
    </message>
    <message>
        <source>{Press Enter}</source>
        <translation>{Pulse Intro}</translation>
    </message>
    <message>
        <source>Switching to Top-View</source>
        <translation>Cambiar a la vista superior</translation>
    </message>
    <message>
        <source>{Press &quot;W&quot;}</source>
        <translation>{Pulse «W»}</translation>
    </message>
    <message>
        <source>Switching to Side-View</source>
        <translation>Cambiar a la vista lateral</translation>
    </message>
    <message>
        <source>{Press &quot;S&quot;}</source>
        <translation>{Pulse «S»}</translation>
    </message>
    <message>
        <source>Rotating view Clock-Wise</source>
        <translation>Girar la vista en sentido horario</translation>
    </message>
    <message>
        <source>{Press &quot;R&quot;}</source>
        <translation>{Pulse «R»}</translation>
    </message>
    <message>
        <source>Rotating view Counter-Clock-Wise</source>
        <translation>Girar la vista en sentido antihorario</translation>
    </message>
    <message>
        <source>{Press &quot;T&quot;}</source>
        <translation>{Pulse «T»}</translation>
    </message>
    <message>
        <source>Rotating shape about the X-Axis</source>
        <translation>Girar la forma sobre el eje X</translation>
    </message>
    <message>
        <source>{Press &quot;J&quot; or &quot;H&quot;}</source>
        <translation>{Pulse «J» o «H»}</translation>
    </message>
    <message>
        <source>Rotating shape about the Y-Axis</source>
        <translation>Girar la forma sobre el eje Y</translation>
    </message>
    <message>
        <source>{Press &quot;U&quot; or &quot;Y&quot;}</source>
        <translation>{Pulse «U» o «Y»}</translation>
    </message>
    <message>
        <source>Rotating shape about the Z-Axis</source>
        <translation>Girar la forma sobre el eje Z</translation>
    </message>
    <message>
        <source>{Press &quot;I&quot; or &quot;K&quot;} </source>
        <translation>{Pulse «I» o «K»} </translation>
    </message>
    <message>
        <source>All Keys (F1)</source>
        <translation>Todas las teclas (F1)</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>About Vovov Kubrix 3d</source>
        <translation>Acerca de Vovov Kubrix 3d</translation>
    </message>
</context>
<context>
    <name>message</name>
    <message>
        <source>The saved game could not be read from &quot;%1&quot;; it was renamed to &quot;%2&quot; and a new game starts.</source>
        <translation>La partida guardada no se pudo leer de «%1»; se renombró a «%2» y empieza una partida nueva.</translation>
    </message>
    <message>
        <source>The saved game could not be read, nor renamed to &quot;%1&quot;, from &quot;%2&quot;: %3. A new game starts.</source>
        <translation>La partida guardada en «%2» no se pudo leer ni renombrar a «%1»: %3. Empieza una partida nueva.</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Los ajustes no se pudieron guardar en «%1»: %2.</translation>
    </message>
    <message>
        <source>Your high score could not be saved to &quot;%1&quot;: %2. The scores saved before are kept.</source>
        <translation>Su puntuación no se pudo guardar en «%1»: %2. Las puntuaciones guardadas antes se conservan.</translation>
    </message>
    <message>
        <source>The high scores could not be read from &quot;%1&quot;: %2.</source>
        <translation>Las mejores puntuaciones no se pudieron leer de «%1»: %2.</translation>
    </message>
    <message>
        <source>No high scores yet on the current settings.</source>
        <translation>Aún no hay mejores puntuaciones con los ajustes actuales.</translation>
    </message>
    <message>
        <source>High scores on the current settings:</source>
        <translation>Mejores puntuaciones con los ajustes actuales:</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;: %2.</source>
        <translation>La partida no se pudo guardar en «%1»: %2.</translation>
    </message>
    <message>
        <source>Quit or close the window again to leave without saving.</source>
        <translation>Salga o cierre la ventana otra vez para irse sin guardar.</translation>
    </message>
    <message>
        <source>The replay &quot;%1&quot; cannot be watched: %2.</source>
        <translation>La repetición «%1» no se puede ver: %2.</translation>
    </message>
    <message>
        <source>larger than any replay</source>
        <translation>mayor que cualquier repetición</translation>
    </message>
    <message>
        <source>not a whole replay of this version</source>
        <translation>no es una repetición completa de esta versión</translation>
    </message>
    <message>
        <source>replay missing</source>
        <translation>falta la repetición</translation>
    </message>
    <message>
        <source>replay does not verify</source>
        <translation>la repetición no coincide</translation>
    </message>
</context>
<context>
    <name>panel</name>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Please choose the width and height of the puzzle:</source>
        <translation>Elija el ancho y el alto del juego:</translation>
    </message>
    <message>
        <source>Width of puzzle:</source>
        <translation>Ancho del juego:</translation>
    </message>
    <message>
        <source>Height of puzzle:</source>
        <translation>Alto del juego:</translation>
    </message>
    <message>
        <source>Please choose the width and height of one square:</source>
        <translation>Elija el ancho y el alto de una casilla:</translation>
    </message>
    <message>
        <source>Width of square:</source>
        <translation>Ancho de casilla:</translation>
    </message>
    <message>
        <source>Height of square:</source>
        <translation>Alto de casilla:</translation>
    </message>
    <message>
        <source>Please choose the maximum size of the shape:</source>
        <translation>Elija el tamaño máximo de la forma:</translation>
    </message>
    <message>
        <source>Maximum number of squares:</source>
        <translation>Número máximo de cubos:</translation>
    </message>
    <message>
        <source>Please choose the maximum number of layers (for regular mode):</source>
        <translation>Elija el número máximo de capas (modo normal):</translation>
    </message>
    <message>
        <source>Maximum number of layers:</source>
        <translation>Número máximo de capas:</translation>
    </message>
    <message>
        <source>CONGRADULATIONS!!!</source>
        <translation>¡¡¡ENHORABUENA!!!</translation>
    </message>
    <message>
        <source>You have a new High-Score on the current settings!!!</source>
        <translation>¡¡¡Nueva mejor puntuación con los ajustes actuales!!!</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Escriba su nombre:</translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>Vovov Kubrix 3d - High Scores</source>
        <translation>Vovov Kubrix 3d - Mejores puntuaciones</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Ver</translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>Game over — Options › New Game</source>
        <translation>Partida terminada — Opciones › Nueva partida</translation>
    </message>
    <message>
        <source>Paused — press P to go on</source>
        <translation>En pausa — pulse P para seguir</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>The game cannot be kept right now (%1); the next landing tries again</source>
        <translation>La partida no se puede guardar ahora (%1); el próximo aterrizaje lo intentará de nuevo</translation>
    </message>
    <message>
        <source>Difficulty %1 · %2 points</source>
        <translation>Dificultad %1 · %2 puntos</translation>
    </message>
    <message>
        <source>Replay · %1 · %2</source>
        <translation>Repetición · %1 · %2</translation>
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
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Hole-In-One</source>
        <translation>Hoyo-En-Uno</translation>
    </message>
    <message>
        <source>All-Sizes</source>
        <translation>Todos-Los-Tamaños</translation>
    </message>
    <message>
        <source>Game-Type: %1</source>
        <translation>Tipo de partida: %1</translation>
    </message>
    <message>
        <source>Difficulty: %1</source>
        <translation>Dificultad: %1</translation>
    </message>
    <message>
        <source>Shape-Size: %1</source>
        <translation>Tamaño de forma: %1</translation>
    </message>
    <message>
        <source>Total Points: %1</source>
        <translation>Puntos totales: %1</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Uno</translation>
    </message>
    <message>
        <source>(Game Over)</source>
        <translation>(Partida terminada)</translation>
    </message>
    <message>
        <source>Vovov Kubrix 3d</source>
        <translation>Vovov Kubrix 3d</translation>
    </message>
    <message>
        <source>Vovov Kubrix 3d - By Vendrisalo (Age 20)</source>
        <translation>Vovov Kubrix 3d - Por Vendrisalo (20 años)</translation>
    </message>
</context>
</TS>
