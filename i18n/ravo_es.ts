<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ControlHelp</name>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Slow-down</source>
        <translation>Ralentización</translation>
    </message>
    <message>
        <source>Radius of lens</source>
        <translation>Radio de la lente</translation>
    </message>
    <message>
        <source>Radius of the lens&apos;s curved face, now %1 pixels: Great 500, Middle 450, Small 400.</source>
        <translation>Radio de la cara curva de la lente, ahora %1 píxeles: Grande 500, Medio 450, Chico 400.</translation>
    </message>
    <message>
        <source>Radius of lens: Great</source>
        <translation>Radio de la lente: Grande</translation>
    </message>
    <message>
        <source>Radius of lens: Middle</source>
        <translation>Radio de la lente: Medio</translation>
    </message>
    <message>
        <source>Radius of lens: Small</source>
        <translation>Radio de la lente: Chico</translation>
    </message>
    <message>
        <source>Frequency - colour</source>
        <translation>Frecuencia – color</translation>
    </message>
    <message>
        <source>Colour of the light, now frequency %1: Red 0.5, Green 0.75, Blue 1.</source>
        <translation>Color de la luz, ahora frecuencia %1: Rojo 0.5, Verde 0.75, Azul 1.</translation>
    </message>
    <message>
        <source>Frequency - colour: Red</source>
        <translation>Frecuencia – color: Rojo</translation>
    </message>
    <message>
        <source>Frequency - colour: Green</source>
        <translation>Frecuencia – color: Verde</translation>
    </message>
    <message>
        <source>Frequency - colour: Blue</source>
        <translation>Frecuencia – color: Azul</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Refractive index</source>
        <translation>Índice de refracción</translation>
    </message>
    <message>
        <source>Refractive index of the glass, now %1: Great 1, Middle 0.98, Small 0.96.</source>
        <translation>Índice de refracción del vidrio, ahora %1: Alto 1, Medio 0.98, Bajo 0.96.</translation>
    </message>
    <message>
        <source>Refractive index: Great</source>
        <translation>Índice de refracción: Alto</translation>
    </message>
    <message>
        <source>Refractive index: Middle</source>
        <translation>Índice de refracción: Medio</translation>
    </message>
    <message>
        <source>Refractive index: Small</source>
        <translation>Índice de refracción: Bajo</translation>
    </message>
    <message>
        <source>Dispersion</source>
        <translation>Dispersión</translation>
    </message>
    <message>
        <source>Dispersion, now on: the glass slows red and green light less than blue.</source>
        <translation>Dispersión, ahora activada: el vidrio frena la luz roja y la verde menos que la azul.</translation>
    </message>
    <message>
        <source>Dispersion, now off: the glass slows every colour alike. When on, it slows red and green light less than blue.</source>
        <translation>Dispersión, ahora desactivada: el vidrio frena todos los colores por igual. Activada, frena la luz roja y la verde menos que la azul.</translation>
    </message>
    <message>
        <source>Dispersion is on.</source>
        <translation>La dispersión está activada.</translation>
    </message>
    <message>
        <source>Dispersion is off.</source>
        <translation>La dispersión está desactivada.</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>Probabilities are marked as dots, which can stay from run to run.</source>
        <translation>Las probabilidades se marcan con puntos, que pueden quedarse de una ejecución a otra.</translation>
    </message>
    <message>
        <source>Probabilities are marked as bars, which every run erases.</source>
        <translation>Las probabilidades se marcan con barras, que cada ejecución borra.</translation>
    </message>
    <message>
        <source>Probabilities are not marked.</source>
        <translation>Las probabilidades no se marcan.</translation>
    </message>
    <message>
        <source>Mapping: Dots</source>
        <translation>Marca: Punto</translation>
    </message>
    <message>
        <source>Mapping: Bars</source>
        <translation>Marca: Barra</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Diafragma</translation>
    </message>
    <message>
        <source>Aperture: the blades close %1 pixels at each edge of the lens (Great 0, Middle 50, Small 100).</source>
        <translation>Diafragma: las láminas tapan %1 píxeles en cada borde de la lente (Grande 0, Medio 50, Chico 100).</translation>
    </message>
    <message>
        <source>Aperture: Great</source>
        <translation>Diafragma: Grande</translation>
    </message>
    <message>
        <source>Aperture: Middle</source>
        <translation>Diafragma: Medio</translation>
    </message>
    <message>
        <source>Aperture: Small</source>
        <translation>Diafragma: Chico</translation>
    </message>
    <message>
        <source>Half lens</source>
        <translation>Media lente</translation>
    </message>
    <message>
        <source>The whole lens is open now.</source>
        <translation>Ahora está abierta toda la lente.</translation>
    </message>
    <message>
        <source>Only the upper half of the lens is open now.</source>
        <translation>Ahora solo está abierta la mitad superior de la lente.</translation>
    </message>
    <message>
        <source>Half lens: No</source>
        <translation>Media lente: No</translation>
    </message>
    <message>
        <source>Half lens: Yes</source>
        <translation>Media lente: Sí</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Probabilidad</translation>
    </message>
    <message>
        <source>Cornu spirals - Vector sum</source>
        <translation>Espirales de Cornu – Suma vectorial</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Slow-down %1: %2 s per detector point, about %3 s a run</source>
        <translation>Ralentización %1: %2 s por punto del detector, unos %3 s por ejecución</translation>
    </message>
    <message>
        <source>Starts a run. During a run: Space holds it and releases it again, Right arrow or Page Down draws the next detector point of a held run, Escape stops it.</source>
        <translation>Inicia una ejecución. Durante la ejecución, Espacio la pausa y la reanuda, Flecha derecha o Av Pág dibuja el siguiente punto del detector de una ejecución en pausa, y Esc la detiene.</translation>
    </message>
    <message>
        <source>Closes Ravo (Ctrl+Q). Nothing is saved.</source>
        <translation>Cierra Ravo (Ctrl+Q). No se guarda nada.</translation>
    </message>
    <message>
        <source>Radius of the lens: 500 pixels.</source>
        <translation>Radio de la lente: 500 píxeles.</translation>
    </message>
    <message>
        <source>Radius of the lens: 450 pixels.</source>
        <translation>Radio de la lente: 450 píxeles.</translation>
    </message>
    <message>
        <source>Radius of the lens: 400 pixels.</source>
        <translation>Radio de la lente: 400 píxeles.</translation>
    </message>
    <message>
        <source>Red light: frequency 0.5.</source>
        <translation>Luz roja: frecuencia 0.5.</translation>
    </message>
    <message>
        <source>Green light: frequency 0.75.</source>
        <translation>Luz verde: frecuencia 0.75.</translation>
    </message>
    <message>
        <source>Blue light: frequency 1.</source>
        <translation>Luz azul: frecuencia 1.</translation>
    </message>
    <message>
        <source>Refractive index 1.</source>
        <translation>Índice de refracción 1.</translation>
    </message>
    <message>
        <source>Refractive index 0.98.</source>
        <translation>Índice de refracción 0.98.</translation>
    </message>
    <message>
        <source>Refractive index 0.96.</source>
        <translation>Índice de refracción 0.96.</translation>
    </message>
    <message>
        <source>Probabilities as dots; answer &quot;No&quot; to &quot;Delete probability&quot; to keep the dots of earlier runs.</source>
        <translation>Probabilidades como puntos; responda «No» a «Borrar probabilidad» para conservar los puntos de ejecuciones anteriores.</translation>
    </message>
    <message>
        <source>Probabilities as bars rising from the base line; every run erases the old ones.</source>
        <translation>Probabilidades como barras que suben desde la línea base; cada ejecución borra las anteriores.</translation>
    </message>
    <message>
        <source>The blades close nothing: every path is open.</source>
        <translation>Las láminas no tapan nada: todos los caminos están abiertos.</translation>
    </message>
    <message>
        <source>The blades close 50 pixels at each edge.</source>
        <translation>Las láminas tapan 50 píxeles en cada borde.</translation>
    </message>
    <message>
        <source>The blades close 100 pixels at each edge.</source>
        <translation>Las láminas tapan 100 píxeles en cada borde.</translation>
    </message>
    <message>
        <source>The whole lens is open.</source>
        <translation>Toda la lente está abierta.</translation>
    </message>
    <message>
        <source>Only the upper half of the lens is open.</source>
        <translation>Solo está abierta la mitad superior de la lente.</translation>
    </message>
    <message>
        <source>Above the base line: the probability that light arrives at each detector point.</source>
        <translation>Sobre la línea base: la probabilidad de que la luz llegue a cada punto del detector.</translation>
    </message>
    <message>
        <source>Below the axis: each detector point&apos;s arrows added head to tail, and their green sum.</source>
        <translation>Bajo el eje: las flechas de cada punto del detector sumadas una tras otra, y su suma en verde.</translation>
    </message>
    <message>
        <source>The aperture: the blades in front of the flat face of the lens.</source>
        <translation>El diafragma: las láminas delante de la cara plana de la lente.</translation>
    </message>
    <message>
        <source>Frequency of the light, now %1. The colour buttons write 0.5 (red), 0.75 (green) and 1 (blue), and the glass slows the light only for exactly these texts. Another number, even 1.0 or .5, turns the arrows at its own rate, but the glass adds no time and the lens does not focus; the mark of a colour is drawn where the number equals 0.5, 0.75 or 1. Numbers are written with a decimal point.</source>
        <translation>Frecuencia de la luz, ahora %1. Los botones de color escriben 0.5 (rojo), 0.75 (verde) y 1 (azul), y el vidrio frena la luz solo con exactamente esos textos. Otro número, incluso 1.0 o .5, gira las flechas a su propio ritmo, pero el vidrio no añade tiempo y la lente no enfoca; se dibuja una marca de color cuando el número es igual a 0.5, 0.75 o 1. Los números se escriben con punto decimal.</translation>
    </message>
</context>
<context>
    <name>ControlTable</name>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Pulse el botón Iniciar</translation>
    </message>
    <message>
        <source>Radius of lens</source>
        <translation>Radio de lente</translation>
    </message>
    <message>
        <source>Frequency - colour</source>
        <translation>Frecuencia – color</translation>
    </message>
    <message>
        <source>Refractive index</source>
        <translation>Índice de refracción</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Diafragma</translation>
    </message>
    <message>
        <source>Half lens</source>
        <translation>½ lente</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Probabilidad</translation>
    </message>
    <message>
        <source>Cornu spirals - Vector sum</source>
        <translation>Espirales de Cornu: suma</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Placa</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Dispercion</source>
        <translation>Dispersión</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Barra</translation>
    </message>
    <message>
        <source>Great</source>
        <comment>radius of the lens</comment>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>radius of the lens</comment>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Small</source>
        <comment>radius of the lens</comment>
        <translation>Chico</translation>
    </message>
    <message>
        <source>Great</source>
        <comment>refractive index</comment>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>refractive index</comment>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Small</source>
        <comment>refractive index</comment>
        <translation>Bajo</translation>
    </message>
    <message>
        <source>Great</source>
        <comment>aperture: wide open</comment>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>aperture: half open</comment>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Small</source>
        <comment>aperture: narrow</comment>
        <translation>Chico</translation>
    </message>
    <message>
        <source>No</source>
        <comment>half lens: no, the whole lens is open</comment>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>half lens: yes, only the upper half is open</comment>
        <translation>Sí</translation>
    </message>
</context>
<context>
    <name>KeysHelp</name>
    <message>
        <source>Ravo - keys and mouse</source>
        <translation>Ravo – teclas y ratón</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>holds a run, and lets it go on again</source>
        <translation>pausa una ejecución y la reanuda</translation>
    </message>
    <message>
        <source>Right arrow, Page Down</source>
        <translation>Flecha derecha, Av Pág</translation>
    </message>
    <message>
        <source>draws one more detector point of a held run</source>
        <translation>dibuja el siguiente punto del detector de una ejecución en pausa</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>stops a run, keeping what it drew</source>
        <translation>detiene una ejecución y conserva lo que dibujó</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>copies the picture</source>
        <translation>copia la imagen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Ctrl+Mayús+C</translation>
    </message>
    <message>
        <source>copies the marks as a table, for a spreadsheet</source>
        <translation>copia las marcas como tabla, para una hoja de cálculo</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>closes Ravo</source>
        <translation>cierra Ravo</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>full screen, and back</source>
        <translation>pantalla completa, y de vuelta</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>esta ayuda</translation>
    </message>
    <message>
        <source>Resting the mouse on a mark</source>
        <translation>El ratón quieto sobre una marca</translation>
    </message>
    <message>
        <source>shows its point, x, P and its run&apos;s settings</source>
        <translation>muestra su punto, x, P y los ajustes de su ejecución</translation>
    </message>
    <message>
        <source>A click on a mark</source>
        <translation>Un clic en una marca</translation>
    </message>
    <message>
        <source>looks inside that detector point: its paths and spiral</source>
        <translation>mira dentro de ese punto del detector: sus caminos y su espiral</translation>
    </message>
    <message>
        <source>A right click on the picture</source>
        <translation>Un clic derecho en la imagen</translation>
    </message>
    <message>
        <source>the menu: copy, projector colours, pace, language</source>
        <translation>el menú: copiar, colores para proyector, ritmo, idioma</translation>
    </message>
    <message>
        <source>Tab to the picture, then arrows</source>
        <translation>Tab hasta la imagen, luego las flechas</translation>
    </message>
    <message>
        <source>from mark to mark: Left and Right along a run, Home and End to its ends, Up and Down to another run</source>
        <translation>de marca en marca: Izquierda y Derecha a lo largo de una ejecución, Inicio y Fin a sus extremos, Arriba y Abajo a otra ejecución</translation>
    </message>
    <message>
        <source>Return on a mark</source>
        <translation>Intro sobre una marca</translation>
    </message>
    <message>
        <source>looks inside its detector point; Escape comes back</source>
        <translation>mira dentro de su punto del detector; Esc vuelve</translation>
    </message>
    <message>
        <source>Menu key, Shift+F10</source>
        <translation>Tecla de menú, Mayús+F10</translation>
    </message>
    <message>
        <source>the picture&apos;s menu, at the mark</source>
        <translation>el menú de la imagen, en la marca</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>listens to the run: a tone for each point, higher for a higher P</source>
        <translation>hace oír la ejecución: un tono por punto, más agudo cuanto mayor es P</translation>
    </message>
    <message>
        <source>Ctrl+L, Ctrl+V</source>
        <translation>Ctrl+L, Ctrl+V</translation>
    </message>
    <message>
        <source>copies the picture as a link, and opens a link</source>
        <translation>copia la imagen como enlace, y abre un enlace</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>brings back the marks that &quot;Yes&quot; to &quot;Delete probability&quot; erased</source>
        <translation>recupera las marcas que borró un «Sí» a «Borrar probabilidad»</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>Run %1: %2</source>
        <translation>Ejecución %1: %2</translation>
    </message>
    <message>
        <source>Runs shown</source>
        <translation>Ejecuciones mostradas</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>A run of the link is damaged.</source>
        <translation>Una ejecución del enlace está dañada.</translation>
    </message>
    <message>
        <source>A frequency text of the link is too long or not text.</source>
        <translation>Un texto de frecuencia del enlace es demasiado largo o no es texto.</translation>
    </message>
    <message>
        <source>The link holds a setting that no control can make.</source>
        <translation>El enlace contiene un ajuste que ningún control permite elegir.</translation>
    </message>
    <message>
        <source>The link is too long to be one of Ravo&apos;s.</source>
        <translation>El enlace es demasiado largo para ser de Ravo.</translation>
    </message>
    <message>
        <source>This is not a Ravo link.</source>
        <translation>Esto no es un enlace de Ravo.</translation>
    </message>
    <message>
        <source>The link comes from a newer Ravo, which this one cannot read.</source>
        <translation>El enlace viene de una versión más reciente de Ravo, que esta no sabe leer.</translation>
    </message>
    <message>
        <source>The link is damaged.</source>
        <translation>El enlace está dañado.</translation>
    </message>
    <message>
        <source>The link asks for more runs than Ravo draws.</source>
        <translation>El enlace pide más ejecuciones de las que dibuja Ravo.</translation>
    </message>
</context>
<context>
    <name>MarkReadout</name>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>no glass time</source>
        <translation>sin tiempo en el vidrio</translation>
    </message>
    <message>
        <source>dispersion on</source>
        <translation>dispersión activada</translation>
    </message>
    <message>
        <source>dispersion off</source>
        <translation>dispersión desactivada</translation>
    </message>
    <message>
        <source>%1, f = %2, %3 · radius %4, index %5, whole lens, aperture %6</source>
        <translation>%1, f = %2, %3 · radio %4, índice %5, lente entera, diafragma %6</translation>
    </message>
    <message>
        <source>%1, f = %2, %3 · radius %4, index %5, half lens, aperture %6</source>
        <translation>%1, f = %2, %3 · radio %4, índice %5, media lente, diafragma %6</translation>
    </message>
    <message>
        <source>Point %1, x = %2: P = %3 · %4</source>
        <translation>Punto %1, x = %2: P = %3 · %4</translation>
    </message>
    <message>
        <source>no glass time, as the frequency text is none of 0.5, 0.75 and 1</source>
        <translation>sin tiempo en el vidrio, ya que el texto de frecuencia no es 0.5, ni 0.75, ni 1</translation>
    </message>
</context>
<context>
    <name>MarkTable</name>
    <message>
        <source>run</source>
        <translation>ejecución</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>color</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>frecuencia</translation>
    </message>
    <message>
        <source>dispersion</source>
        <translation>dispersión</translation>
    </message>
    <message>
        <source>radius</source>
        <translation>radio</translation>
    </message>
    <message>
        <source>refractive index</source>
        <translation>índice de refracción</translation>
    </message>
    <message>
        <source>lens</source>
        <translation>lente</translation>
    </message>
    <message>
        <source>aperture</source>
        <translation>diafragma</translation>
    </message>
    <message>
        <source>detector point</source>
        <translation>punto del detector</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>height of the mark</source>
        <translation>altura de la marca</translation>
    </message>
    <message>
        <source>whole</source>
        <translation>entera</translation>
    </message>
    <message>
        <source>half</source>
        <translation>media</translation>
    </message>
    <message>
        <source>path</source>
        <translation>camino</translation>
    </message>
    <message>
        <source>height at the lens</source>
        <translation>altura en la lente</translation>
    </message>
    <message>
        <source>glass thickness</source>
        <translation>espesor del vidrio</translation>
    </message>
    <message>
        <source>distance to the point</source>
        <translation>distancia al punto</translation>
    </message>
    <message>
        <source>trip time</source>
        <translation>tiempo de recorrido</translation>
    </message>
    <message>
        <source>phase</source>
        <translation>fase</translation>
    </message>
    <message>
        <source>arrow x</source>
        <translation>flecha x</translation>
    </message>
    <message>
        <source>arrow y</source>
        <translation>flecha y</translation>
    </message>
</context>
<context>
    <name>PointView</name>
    <message>
        <source>Ravo - point %1 of run %2</source>
        <translation>Ravo – punto %1 de la ejecución %2</translation>
    </message>
    <message>
        <source>Point %1 of %2, x = %3: P = %4</source>
        <translation>Punto %1 de %2, x = %3: P = %4</translation>
    </message>
    <message>
        <source>Run %1: %2</source>
        <translation>Ejecución %1: %2</translation>
    </message>
    <message>
        <source>Cornu spiral: the arrows of all paths, head to tail</source>
        <translation>Espiral de Cornu: todas las flechas, una tras otra</translation>
    </message>
    <message>
        <source>trip time</source>
        <translation>tiempo de recorrido</translation>
    </message>
    <message>
        <source>height at the lens</source>
        <translation>altura en la lente</translation>
    </message>
    <message>
        <source>each path: its trip time, and its arrow</source>
        <translation>cada camino: su tiempo de recorrido y su flecha</translation>
    </message>
    <message>
        <source>least time</source>
        <translation>tiempo mínimo</translation>
    </message>
    <message numerus="yes">
        <source>%n path(s); the resultant is %1 long (P = its length squared times %2)</source>
        <translation>
            <numerusform>%n camino; la resultante mide %1 (P = su longitud al cuadrado por %2)</numerusform>
            <numerusform>%n caminos; la resultante mide %1 (P = su longitud al cuadrado por %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>No marks yet.</source>
        <translation>Aún no hay marcas.</translation>
    </message>
    <message>
        <source>Run %1: point %2, x = %3: P = %4 · %5</source>
        <translation>Ejecución %1: punto %2, x = %3: P = %4 · %5</translation>
    </message>
    <message>
        <source>The lens: radius %1, refractive index %2, aperture %3, the whole lens open.</source>
        <translation>La lente: radio %1, índice de refracción %2, diafragma %3, toda la lente abierta.</translation>
    </message>
    <message>
        <source>The lens: radius %1, refractive index %2, aperture %3, only its upper half open.</source>
        <translation>La lente: radio %1, índice de refracción %2, diafragma %3, solo su mitad superior abierta.</translation>
    </message>
    <message>
        <source>No marks are shown yet.</source>
        <translation>Aún no se muestra ninguna marca.</translation>
    </message>
    <message>
        <source>Run %1, %2: it comes to its focus at point %3, x = %4, with P = %5; its peak, where the marks stand above half the highest, is %6 pixels wide, from x = %7 to %8.</source>
        <translation>Ejecución %1, %2: tiene su foco en el punto %3, x = %4, con P = %5; su pico, donde las marcas superan la mitad de la más alta, mide %6 píxeles de ancho, de x = %7 a %8.</translation>
    </message>
    <message>
        <source>Every run shown comes to its focus at the same point.</source>
        <translation>Todas las ejecuciones mostradas tienen su foco en el mismo punto.</translation>
    </message>
    <message>
        <source>Run %1 (%2) comes to its focus nearest the lens, run %3 (%4) farthest from it.</source>
        <translation>La ejecución %1 (%2) tiene su foco más cerca de la lente, la ejecución %3 (%4) más lejos.</translation>
    </message>
    <message>
        <source>Run %1 finished: it comes to its focus at point %2, x = %3, with P = %4.</source>
        <translation>Ejecución %1 terminada: tiene su foco en el punto %2, x = %3, con P = %4.</translation>
    </message>
    <message>
        <source>Run %1 stopped: so far its highest mark is at point %2, x = %3, with P = %4.</source>
        <translation>Ejecución %1 detenida: hasta ahora su marca más alta está en el punto %2, x = %3, con P = %4.</translation>
    </message>
    <message>
        <source>Run %1 finished.</source>
        <translation>Ejecución %1 terminada.</translation>
    </message>
    <message>
        <source>Run %1 stopped.</source>
        <translation>Ejecución %1 detenida.</translation>
    </message>
    <message>
        <source>Run %1, %2, not finished (%3 of %4 points): so far its highest mark is at point %5, x = %6, with P = %7.</source>
        <translation>Ejecución %1, %2, sin terminar (%3 de %4 puntos): hasta ahora su marca más alta está en el punto %5, x = %6, con P = %7.</translation>
    </message>
</context>
<context>
    <name>frmRavo</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>No marks are shown: only the column names were copied.</source>
        <translation>No se muestra ninguna marca: solo se copiaron los nombres de las columnas.</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n mark(s) as a table.</source>
        <translation>
            <numerusform>Se copió %n marca como tabla.</numerusform>
            <numerusform>Se copiaron %n marcas como tabla.</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>Copy data</source>
        <translation>Copiar datos</translation>
    </message>
    <message>
        <source>Projector colours</source>
        <translation>Colores para proyector</translation>
    </message>
    <message>
        <source>Pace</source>
        <translation>Ritmo</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápido</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Más lento</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Keys and mouse</source>
        <translation>Teclas y ratón</translation>
    </message>
    <message>
        <source>The frequency must be a number with a decimal point, not a comma, such as 0.5 (red), 0.75 (green) or 1 (blue).</source>
        <translation>La frecuencia debe ser un número con punto decimal, no con coma, como 0.5 (rojo), 0.75 (verde) o 1 (azul).</translation>
    </message>
    <message>
        <source>The frequency must be a number, such as 0.5 (red), 0.75 (green) or 1 (blue).</source>
        <translation>La frecuencia debe ser un número, como 0.5 (rojo), 0.75 (verde) o 1 (azul).</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>%1 (paused)</source>
        <translation>%1 (en pausa)</translation>
    </message>
    <message>
        <source>Delete probability</source>
        <translation>Borrar probabilidad</translation>
    </message>
    <message>
        <source>Waiting for an answer</source>
        <translation>Esperando una respuesta</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Running: point %1 of %2</source>
        <translation>En curso: punto %1 de %2</translation>
    </message>
    <message>
        <source>Held at point %1 of %2 — Space: go on · →: next point · Esc: stop</source>
        <translation>En pausa en el punto %1 de %2 — Espacio: seguir · →: punto siguiente · Esc: detener</translation>
    </message>
    <message>
        <source>Stopped at point %1 of %2</source>
        <translation>Detenido en el punto %1 de %2</translation>
    </message>
    <message>
        <source>Finished: %1 of %2 points</source>
        <translation>Terminado: %1 de %2 puntos</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>the dispersion display, 25 pixels</comment>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <comment>the dispersion display, 25 pixels</comment>
        <translation>No</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>Open link</source>
        <translation>Abrir enlace</translation>
    </message>
    <message>
        <source>Undo erase</source>
        <translation>Deshacer borrado</translation>
    </message>
    <message>
        <source>Marks by shape</source>
        <translation>Marcas por forma</translation>
    </message>
    <message>
        <source>Hide marks</source>
        <translation>Ocultar marcas</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Listen: no sound device was found</source>
        <translation>Escuchar: no se encontró ningún dispositivo de sonido</translation>
    </message>
    <message>
        <source>Listening waits until the run has ended.</source>
        <translation>La escucha espera a que termine la ejecución.</translation>
    </message>
    <message>
        <source>The picture was copied as a link.</source>
        <translation>La imagen se copió como enlace.</translation>
    </message>
    <message numerus="yes">
        <source>Opened a link of %n run(s).</source>
        <translation>
            <numerusform>Se abrió un enlace con %n ejecución.</numerusform>
            <numerusform>Se abrió un enlace con %n ejecuciones.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no erase to undo: only the last run&apos;s &quot;Yes&quot; to &quot;Delete probability&quot;, before the next run.</source>
        <translation>No hay ningún borrado que deshacer: solo se puede deshacer el «Sí» a «Borrar probabilidad» de la última ejecución, antes de la siguiente.</translation>
    </message>
    <message>
        <source>The erased marks are back.</source>
        <translation>Las marcas borradas han vuelto.</translation>
    </message>
    <message>
        <source>Stopped at point %1 of %2. The glass added no time: the frequency text &quot;%3&quot; is none of 0.5, 0.75 and 1.</source>
        <translation>Detenido en el punto %1 de %2. El vidrio no añadió tiempo: el texto de frecuencia «%3» no es 0.5, ni 0.75, ni 1.</translation>
    </message>
    <message>
        <source>Finished: %1 of %2 points. The glass added no time: the frequency text &quot;%3&quot; is none of 0.5, 0.75 and 1.</source>
        <translation>Terminado: %1 de %2 puntos. El vidrio no añadió tiempo: el texto de frecuencia «%3» no es 0.5, ni 0.75, ni 1.</translation>
    </message>
</context>
<context>
    <name>ravo-page</name>
    <message>
        <source>Ends Ravo: closes its tab where the browser lets a page do that. Nothing is saved.</source>
        <translation>Sale de Ravo: cierra su pestaña si el navegador permite que una página lo haga. No se guarda nada.</translation>
    </message>
    <message>
        <source>To end Ravo, close this tab.</source>
        <translation>Para salir de Ravo, cierre esta pestaña.</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Cerrar (Esc)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Picture copied</source>
        <translation>Imagen copiada</translation>
    </message>
    <message>
        <source>Data copied</source>
        <translation>Datos copiados</translation>
    </message>
    <message>
        <source>This browser cannot copy pictures.</source>
        <translation>Este navegador no puede copiar imágenes.</translation>
    </message>
    <message>
        <source>This browser cannot copy text.</source>
        <translation>Este navegador no puede copiar texto.</translation>
    </message>
    <message>
        <source>The picture was not copied: %1</source>
        <translation>La imagen no se copió: %1</translation>
    </message>
    <message>
        <source>The data was not copied: %1</source>
        <translation>Los datos no se copiaron: %1</translation>
    </message>
    <message>
        <source>Link to a Ravo picture (Ctrl+V pastes it here):</source>
        <translation>Enlace a una imagen de Ravo (Ctrl+V lo pega aquí):</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The link was not copied: %1</source>
        <translation>El enlace no se copió: %1</translation>
    </message>
    <message>
        <source>The run</source>
        <translation>La ejecución</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Go on</source>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Holds the run, and lets it go on again (Space)</source>
        <translation>Pausa la ejecución y la deja seguir de nuevo (Espacio)</translation>
    </message>
    <message>
        <source>Draws the next detector point of a held run (Right arrow)</source>
        <translation>Dibuja el siguiente punto del detector de una ejecución en pausa (Flecha derecha)</translation>
    </message>
    <message>
        <source>Stops the run, keeping what is drawn (Esc)</source>
        <translation>Detiene la ejecución y conserva lo dibujado (Esc)</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Salir de pantalla completa</translation>
    </message>
    <message>
        <source>Download picture</source>
        <translation>Descargar imagen</translation>
    </message>
    <message>
        <source>Download data</source>
        <translation>Descargar datos</translation>
    </message>
    <message>
        <source>Previous point (Left arrow)</source>
        <translation>Punto anterior (Flecha izquierda)</translation>
    </message>
    <message>
        <source>Next point (Right arrow)</source>
        <translation>Punto siguiente (Flecha derecha)</translation>
    </message>
</context>
</TS>
