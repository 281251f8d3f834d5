<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ControlHelp</name>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow-down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius of lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius of the lens&apos;s curved face, now %1 pixels: Great 500, Middle 450, Small 400.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius of lens: Great</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius of lens: Middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius of lens: Small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency - colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour of the light, now frequency %1: Red 0.5, Green 0.75, Blue 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency - colour: Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency - colour: Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency - colour: Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency of the light, now %1. 0.5 is red, 0.75 green, 1 blue. Another number turns the arrows at its own rate, but the glass adds no time, and a mark is drawn only for a number equal to 0.5, 0.75 or 1 (such as 1.0). Numbers are written with a decimal point.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refractive index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refractive index of the glass, now %1: Great 1, Middle 0.98, Small 0.96.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refractive index: Great</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refractive index: Middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refractive index: Small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dispersion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dispersion, now on: the glass slows red and green light less than blue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dispersion, now off: the glass slows every colour alike. When on, it slows red and green light less than blue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dispersion is on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dispersion is off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probabilities are marked as dots, which can stay from run to run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probabilities are marked as bars, which every run erases.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probabilities are not marked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mapping: Dots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mapping: Bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aperture: the blades close %1 pixels at each edge of the lens (Great 0, Middle 50, Small 100).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aperture: Great</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aperture: Middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aperture: Small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The whole lens is open now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the upper half of the lens is open now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half lens: No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half lens: Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probability</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cornu spirals - Vector sum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow-down %1: %2 s per detector point, about %3 s a run</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ControlTable</name>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius of lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency - colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refractive index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probability</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cornu spirals - Vector sum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Great</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dispercion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeysHelp</name>
    <message>
        <source>Ravo - keys and mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a run, and lets it go on again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right arrow, Page Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>draws one more detector point of a held run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stops a run, keeping what it drew</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copies the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copies the marks as a table, for a spreadsheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>closes Ravo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>full screen, and back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resting the mouse on a mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shows its point, x, P and its run&apos;s settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A click on a mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>looks inside that detector point: its paths and spiral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A right click on the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the menu: copy, projector colours, pace, language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MarkReadout</name>
    <message>
        <source>red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no glass time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dispersion on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dispersion off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, f = %2, %3 · radius %4, index %5, whole lens, aperture %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, f = %2, %3 · radius %4, index %5, half lens, aperture %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point %1, x = %2: P = %3 · %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MarkTable</name>
    <message>
        <source>run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dispersion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refractive index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aperture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>detector point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>height of the mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>whole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>half</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>height at the lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glass thickness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>distance to the point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trip time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>phase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arrow x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arrow y</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PointInspector</name>
    <message>
        <source>Ravo - point %1 of run %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point %1 of %2, x = %3: P = %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 paths; the resultant is %2 long (P = its length squared times 0.012)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cornu spiral: the arrows of all paths, head to tail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trip time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>height at the lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>each path: its trip time, and its arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>least time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmRavo</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency %1: highest probability %2 at x = %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red light: highest probability %1 at x = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green light: highest probability %1 at x = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue light: highest probability %1 at x = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No marks are shown: only the column names were copied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Copied %n mark(s) as a table.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projector colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys and mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frequency must be a number with a decimal point, not a comma, such as 0.5 (red), 0.75 (green) or 1 (blue).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frequency must be a number, such as 0.5 (red), 0.75 (green) or 1 (blue).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (paused)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete probability</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for an answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running: point %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Held at point %1 of %2 — Space: go on · →: next point · Esc: stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped at point %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished: %1 of %2 points</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
