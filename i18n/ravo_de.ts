<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ControlHelp</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Slow-down</source>
        <translation>Verlangsamung</translation>
    </message>
    <message>
        <source>Radius of lens</source>
        <translation>Linsenradius</translation>
    </message>
    <message>
        <source>Radius of the lens&apos;s curved face, now %1 pixels: Great 500, Middle 450, Small 400.</source>
        <translation>Radius der gewölbten Linsenfläche, jetzt %1 Pixel: Groß 500, Mittel 450, Klein 400.</translation>
    </message>
    <message>
        <source>Radius of lens: Great</source>
        <translation>Linsenradius: Groß</translation>
    </message>
    <message>
        <source>Radius of lens: Middle</source>
        <translation>Linsenradius: Mittel</translation>
    </message>
    <message>
        <source>Radius of lens: Small</source>
        <translation>Linsenradius: Klein</translation>
    </message>
    <message>
        <source>Frequency - colour</source>
        <translation>Frequenz – Farbe</translation>
    </message>
    <message>
        <source>Colour of the light, now frequency %1: Red 0.5, Green 0.75, Blue 1.</source>
        <translation>Farbe des Lichts, jetzt Frequenz %1: Rot 0.5, Grün 0.75, Blau 1.</translation>
    </message>
    <message>
        <source>Frequency - colour: Red</source>
        <translation>Frequenz – Farbe: Rot</translation>
    </message>
    <message>
        <source>Frequency - colour: Green</source>
        <translation>Frequenz – Farbe: Grün</translation>
    </message>
    <message>
        <source>Frequency - colour: Blue</source>
        <translation>Frequenz – Farbe: Blau</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Refractive index</source>
        <translation>Brechzahl</translation>
    </message>
    <message>
        <source>Refractive index of the glass, now %1: Great 1, Middle 0.98, Small 0.96.</source>
        <translation>Brechzahl des Glases, jetzt %1: Groß 1, Mittel 0.98, Klein 0.96.</translation>
    </message>
    <message>
        <source>Refractive index: Great</source>
        <translation>Brechzahl: Groß</translation>
    </message>
    <message>
        <source>Refractive index: Middle</source>
        <translation>Brechzahl: Mittel</translation>
    </message>
    <message>
        <source>Refractive index: Small</source>
        <translation>Brechzahl: Klein</translation>
    </message>
    <message>
        <source>Dispersion</source>
        <translation>Dispersion</translation>
    </message>
    <message>
        <source>Dispersion, now on: the glass slows red and green light less than blue.</source>
        <translation>Dispersion, jetzt an: Das Glas bremst rotes und grünes Licht weniger als blaues.</translation>
    </message>
    <message>
        <source>Dispersion, now off: the glass slows every colour alike. When on, it slows red and green light less than blue.</source>
        <translation>Dispersion, jetzt aus: Das Glas bremst alle Farben gleich. Ist sie an, bremst es rotes und grünes Licht weniger als blaues.</translation>
    </message>
    <message>
        <source>Dispersion is on.</source>
        <translation>Die Dispersion ist an.</translation>
    </message>
    <message>
        <source>Dispersion is off.</source>
        <translation>Die Dispersion ist aus.</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Probabilities are marked as dots, which can stay from run to run.</source>
        <translation>Die Wahrscheinlichkeiten werden als Punkte markiert, die von Lauf zu Lauf stehen bleiben können.</translation>
    </message>
    <message>
        <source>Probabilities are marked as bars, which every run erases.</source>
        <translation>Die Wahrscheinlichkeiten werden als Striche markiert, die jeder Lauf löscht.</translation>
    </message>
    <message>
        <source>Probabilities are not marked.</source>
        <translation>Die Wahrscheinlichkeiten werden nicht markiert.</translation>
    </message>
    <message>
        <source>Mapping: Dots</source>
        <translation>Anzeige: Punkt</translation>
    </message>
    <message>
        <source>Mapping: Bars</source>
        <translation>Anzeige: Strich</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Blende</translation>
    </message>
    <message>
        <source>Aperture: the blades close %1 pixels at each edge of the lens (Great 0, Middle 50, Small 100).</source>
        <translation>Blende: Die Lamellen decken an jedem Rand der Linse %1 Pixel ab (Weit 0, Mittel 50, Eng 100).</translation>
    </message>
    <message>
        <source>Aperture: Great</source>
        <translation>Blende: Weit</translation>
    </message>
    <message>
        <source>Aperture: Middle</source>
        <translation>Blende: Mittel</translation>
    </message>
    <message>
        <source>Aperture: Small</source>
        <translation>Blende: Eng</translation>
    </message>
    <message>
        <source>Half lens</source>
        <translation>Halbe Linse</translation>
    </message>
    <message>
        <source>The whole lens is open now.</source>
        <translation>Jetzt ist die ganze Linse offen.</translation>
    </message>
    <message>
        <source>Only the upper half of the lens is open now.</source>
        <translation>Jetzt ist nur die obere Hälfte der Linse offen.</translation>
    </message>
    <message>
        <source>Half lens: No</source>
        <translation>Halbe Linse: Nein</translation>
    </message>
    <message>
        <source>Half lens: Yes</source>
        <translation>Halbe Linse: Ja</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Wahrscheinlichkeit</translation>
    </message>
    <message>
        <source>Cornu spirals - Vector sum</source>
        <translation>Cornu-Spiralen – Vektorsumme</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Schirm</translation>
    </message>
    <message>
        <source>Slow-down %1: %2 s per detector point, about %3 s a run</source>
        <translation>Verlangsamung %1: %2 s je Detektorpunkt, etwa %3 s je Lauf</translation>
    </message>
    <message>
        <source>Starts a run. During a run: Space holds it and releases it again, Right arrow or Page Down draws the next detector point of a held run, Escape stops it.</source>
        <translation>Startet einen Lauf. Während eines Laufs: Die Leertaste hält ihn an und lässt ihn wieder weiterlaufen, Pfeil rechts oder Bild ab zeichnet bei angehaltenem Lauf den nächsten Detektorpunkt, Esc stoppt ihn.</translation>
    </message>
    <message>
        <source>Closes Ravo (Ctrl+Q). Nothing is saved.</source>
        <translation>Beendet Ravo (Strg+Q). Es wird nichts gespeichert.</translation>
    </message>
    <message>
        <source>Radius of the lens: 500 pixels.</source>
        <translation>Radius der Linse: 500 Pixel.</translation>
    </message>
    <message>
        <source>Radius of the lens: 450 pixels.</source>
        <translation>Radius der Linse: 450 Pixel.</translation>
    </message>
    <message>
        <source>Radius of the lens: 400 pixels.</source>
        <translation>Radius der Linse: 400 Pixel.</translation>
    </message>
    <message>
        <source>Red light: frequency 0.5.</source>
        <translation>Rotes Licht: Frequenz 0.5.</translation>
    </message>
    <message>
        <source>Green light: frequency 0.75.</source>
        <translation>Grünes Licht: Frequenz 0.75.</translation>
    </message>
    <message>
        <source>Blue light: frequency 1.</source>
        <translation>Blaues Licht: Frequenz 1.</translation>
    </message>
    <message>
        <source>Refractive index 1.</source>
        <translation>Brechzahl 1.</translation>
    </message>
    <message>
        <source>Refractive index 0.98.</source>
        <translation>Brechzahl 0.98.</translation>
    </message>
    <message>
        <source>Refractive index 0.96.</source>
        <translation>Brechzahl 0.96.</translation>
    </message>
    <message>
        <source>Probabilities as dots; answer &quot;No&quot; to &quot;Delete probability&quot; to keep the dots of earlier runs.</source>
        <translation>Wahrscheinlichkeiten als Punkte; wer auf „Wahrscheinlichkeit löschen“ mit „Nein“ antwortet, behält die Punkte früherer Läufe.</translation>
    </message>
    <message>
        <source>Probabilities as bars rising from the base line; every run erases the old ones.</source>
        <translation>Wahrscheinlichkeiten als Striche, die von der Grundlinie aufsteigen; jeder Lauf löscht die alten.</translation>
    </message>
    <message>
        <source>The blades close nothing: every path is open.</source>
        <translation>Die Lamellen decken nichts ab: Alle Wege sind offen.</translation>
    </message>
    <message>
        <source>The blades close 50 pixels at each edge.</source>
        <translation>Die Lamellen decken an jedem Rand 50 Pixel ab.</translation>
    </message>
    <message>
        <source>The blades close 100 pixels at each edge.</source>
        <translation>Die Lamellen decken an jedem Rand 100 Pixel ab.</translation>
    </message>
    <message>
        <source>The whole lens is open.</source>
        <translation>Die ganze Linse ist offen.</translation>
    </message>
    <message>
        <source>Only the upper half of the lens is open.</source>
        <translation>Nur die obere Hälfte der Linse ist offen.</translation>
    </message>
    <message>
        <source>Above the base line: the probability that light arrives at each detector point.</source>
        <translation>Über der Grundlinie: die Wahrscheinlichkeit, dass Licht an jedem Detektorpunkt ankommt.</translation>
    </message>
    <message>
        <source>Below the axis: each detector point&apos;s arrows added head to tail, and their green sum.</source>
        <translation>Unter der Achse: die Pfeile jedes Detektorpunkts, Fuß an Spitze addiert, und ihre grüne Summe.</translation>
    </message>
    <message>
        <source>The aperture: the blades in front of the flat face of the lens.</source>
        <translation>Die Blende: die Lamellen vor der ebenen Fläche der Linse.</translation>
    </message>
    <message>
        <source>Frequency of the light, now %1. The colour buttons write 0.5 (red), 0.75 (green) and 1 (blue), and the glass slows the light only for exactly these texts. Another number, even 1.0 or .5, turns the arrows at its own rate, but the glass adds no time and the lens does not focus; the mark of a colour is drawn where the number equals 0.5, 0.75 or 1. Numbers are written with a decimal point.</source>
        <translation>Frequenz des Lichts, jetzt %1. Die Farbknöpfe schreiben 0.5 (Rot), 0.75 (Grün) und 1 (Blau), und nur bei genau diesen Texten bremst das Glas das Licht. Eine andere Zahl, selbst 1.0 oder .5, dreht die Pfeile in ihrem eigenen Takt, aber das Glas fügt keine Zeit hinzu und die Linse bündelt das Licht nicht; eine farbige Markierung wird gezeichnet, wenn die Zahl gleich 0.5, 0.75 oder 1 ist. Zahlen werden mit Dezimalpunkt geschrieben.</translation>
    </message>
</context>
<context>
    <name>ControlTable</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Bitte auf Start klicken</translation>
    </message>
    <message>
        <source>Radius of lens</source>
        <translation>Linsenradius</translation>
    </message>
    <message>
        <source>Frequency - colour</source>
        <translation>Frequenz – Farbe</translation>
    </message>
    <message>
        <source>Refractive index</source>
        <translation>Brechzahl</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Blende</translation>
    </message>
    <message>
        <source>Half lens</source>
        <translation>Nur halb</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Wahrsch.</translation>
    </message>
    <message>
        <source>Cornu spirals - Vector sum</source>
        <translation>Cornu-Spiralen – Summe</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Schirm</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Dispercion</source>
        <translation>Dispersion</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Strich</translation>
    </message>
    <message>
        <source>Great</source>
        <comment>radius of the lens</comment>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>radius of the lens</comment>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Small</source>
        <comment>radius of the lens</comment>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Great</source>
        <comment>refractive index</comment>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>refractive index</comment>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Small</source>
        <comment>refractive index</comment>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Great</source>
        <comment>aperture: wide open</comment>
        <translation>Weit</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>aperture: half open</comment>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Small</source>
        <comment>aperture: narrow</comment>
        <translation>Eng</translation>
    </message>
    <message>
        <source>No</source>
        <comment>half lens: no, the whole lens is open</comment>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>half lens: yes, only the upper half is open</comment>
        <translation>Ja</translation>
    </message>
</context>
<context>
    <name>KeysHelp</name>
    <message>
        <source>Ravo - keys and mouse</source>
        <translation>Ravo – Tasten und Maus</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>holds a run, and lets it go on again</source>
        <translation>hält einen Lauf an und lässt ihn wieder weiterlaufen</translation>
    </message>
    <message>
        <source>Right arrow, Page Down</source>
        <translation>Pfeil rechts, Bild ab</translation>
    </message>
    <message>
        <source>draws one more detector point of a held run</source>
        <translation>zeichnet bei angehaltenem Lauf einen weiteren Detektorpunkt</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>stops a run, keeping what it drew</source>
        <translation>stoppt einen Lauf; was er gezeichnet hat, bleibt</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Strg+C</translation>
    </message>
    <message>
        <source>copies the picture</source>
        <translation>kopiert das Bild</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Strg+Umschalt+C</translation>
    </message>
    <message>
        <source>copies the marks as a table, for a spreadsheet</source>
        <translation>kopiert die Markierungen als Tabelle, für eine Tabellenkalkulation</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Strg+Q</translation>
    </message>
    <message>
        <source>closes Ravo</source>
        <translation>beendet Ravo</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>full screen, and back</source>
        <translation>Vollbild und zurück</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>diese Hilfe</translation>
    </message>
    <message>
        <source>Resting the mouse on a mark</source>
        <translation>Maus auf einer Markierung ruhen lassen</translation>
    </message>
    <message>
        <source>shows its point, x, P and its run&apos;s settings</source>
        <translation>zeigt ihren Punkt, x, P und die Einstellungen ihres Laufs</translation>
    </message>
    <message>
        <source>A click on a mark</source>
        <translation>Klick auf eine Markierung</translation>
    </message>
    <message>
        <source>looks inside that detector point: its paths and spiral</source>
        <translation>zeigt das Innere dieses Detektorpunkts: seine Wege und seine Spirale</translation>
    </message>
    <message>
        <source>A right click on the picture</source>
        <translation>Rechtsklick auf das Bild</translation>
    </message>
    <message>
        <source>the menu: copy, projector colours, pace, language</source>
        <translation>das Menü: Kopieren, Farben für den Projektor, Tempo, Sprache</translation>
    </message>
    <message>
        <source>Tab to the picture, then arrows</source>
        <translation>Tab zum Bild, dann Pfeiltasten</translation>
    </message>
    <message>
        <source>from mark to mark: Left and Right along a run, Home and End to its ends, Up and Down to another run</source>
        <translation>von Markierung zu Markierung: links und rechts entlang eines Laufs, Pos1 und Ende an seine Enden, hoch und runter zu einem anderen Lauf</translation>
    </message>
    <message>
        <source>Return on a mark</source>
        <translation>Eingabetaste auf einer Markierung</translation>
    </message>
    <message>
        <source>looks inside its detector point; Escape comes back</source>
        <translation>zeigt das Innere ihres Detektorpunkts; Esc kehrt zurück</translation>
    </message>
    <message>
        <source>Menu key, Shift+F10</source>
        <translation>Menütaste, Umschalt+F10</translation>
    </message>
    <message>
        <source>the picture&apos;s menu, at the mark</source>
        <translation>das Menü des Bildes, an der Markierung</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>listens to the run: a tone for each point, higher for a higher P</source>
        <translation>spielt den Lauf ab: ein Ton je Punkt, höher bei höherem P</translation>
    </message>
    <message>
        <source>Ctrl+L, Ctrl+V</source>
        <translation>Strg+L, Strg+V</translation>
    </message>
    <message>
        <source>copies the picture as a link, and opens a link</source>
        <translation>kopiert das Bild als Link und öffnet einen Link</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Strg+Z</translation>
    </message>
    <message>
        <source>brings back the marks that &quot;Yes&quot; to &quot;Delete probability&quot; erased</source>
        <translation>holt die Markierungen zurück, die ein „Ja“ auf „Wahrscheinlichkeit löschen“ gelöscht hat</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>Run %1: %2</source>
        <translation>Lauf %1: %2</translation>
    </message>
    <message>
        <source>Runs shown</source>
        <translation>Angezeigte Läufe</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>A run of the link is damaged.</source>
        <translation>Ein Lauf des Links ist beschädigt.</translation>
    </message>
    <message>
        <source>A frequency text of the link is too long or not text.</source>
        <translation>Ein Frequenztext des Links ist zu lang oder kein Text.</translation>
    </message>
    <message>
        <source>The link holds a setting that no control can make.</source>
        <translation>Der Link enthält eine Einstellung, die sich mit keinem Bedienelement einstellen lässt.</translation>
    </message>
    <message>
        <source>The link is too long to be one of Ravo&apos;s.</source>
        <translation>Der Link ist zu lang für einen Ravo-Link.</translation>
    </message>
    <message>
        <source>This is not a Ravo link.</source>
        <translation>Das ist kein Ravo-Link.</translation>
    </message>
    <message>
        <source>The link comes from a newer Ravo, which this one cannot read.</source>
        <translation>Der Link stammt von einer neueren Ravo-Version, die diese nicht lesen kann.</translation>
    </message>
    <message>
        <source>The link is damaged.</source>
        <translation>Der Link ist beschädigt.</translation>
    </message>
    <message>
        <source>The link asks for more runs than Ravo draws.</source>
        <translation>Der Link verlangt mehr Läufe, als Ravo zeichnet.</translation>
    </message>
</context>
<context>
    <name>MarkReadout</name>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>no glass time</source>
        <translation>keine Zeit im Glas</translation>
    </message>
    <message>
        <source>dispersion on</source>
        <translation>Dispersion an</translation>
    </message>
    <message>
        <source>dispersion off</source>
        <translation>Dispersion aus</translation>
    </message>
    <message>
        <source>%1, f = %2, %3 · radius %4, index %5, whole lens, aperture %6</source>
        <translation>%1, f = %2, %3 · Radius %4, Brechzahl %5, ganze Linse, Blende %6</translation>
    </message>
    <message>
        <source>%1, f = %2, %3 · radius %4, index %5, half lens, aperture %6</source>
        <translation>%1, f = %2, %3 · Radius %4, Brechzahl %5, halbe Linse, Blende %6</translation>
    </message>
    <message>
        <source>Point %1, x = %2: P = %3 · %4</source>
        <translation>Punkt %1, x = %2: P = %3 · %4</translation>
    </message>
    <message>
        <source>no glass time, as the frequency text is none of 0.5, 0.75 and 1</source>
        <translation>keine Zeit im Glas, da der Frequenztext weder 0.5 noch 0.75 noch 1 ist</translation>
    </message>
</context>
<context>
    <name>MarkTable</name>
    <message>
        <source>run</source>
        <translation>Lauf</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>dispersion</source>
        <translation>Dispersion</translation>
    </message>
    <message>
        <source>radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>refractive index</source>
        <translation>Brechzahl</translation>
    </message>
    <message>
        <source>lens</source>
        <translation>Linse</translation>
    </message>
    <message>
        <source>aperture</source>
        <translation>Blende</translation>
    </message>
    <message>
        <source>detector point</source>
        <translation>Detektorpunkt</translation>
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
        <translation>Höhe der Markierung</translation>
    </message>
    <message>
        <source>whole</source>
        <translation>ganz</translation>
    </message>
    <message>
        <source>half</source>
        <translation>halb</translation>
    </message>
    <message>
        <source>path</source>
        <translation>Weg</translation>
    </message>
    <message>
        <source>height at the lens</source>
        <translation>Höhe an der Linse</translation>
    </message>
    <message>
        <source>glass thickness</source>
        <translation>Glasdicke</translation>
    </message>
    <message>
        <source>distance to the point</source>
        <translation>Abstand zum Punkt</translation>
    </message>
    <message>
        <source>trip time</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>arrow x</source>
        <translation>Pfeil x</translation>
    </message>
    <message>
        <source>arrow y</source>
        <translation>Pfeil y</translation>
    </message>
</context>
<context>
    <name>PointView</name>
    <message>
        <source>Ravo - point %1 of run %2</source>
        <translation>Ravo – Punkt %1 von Lauf %2</translation>
    </message>
    <message>
        <source>Point %1 of %2, x = %3: P = %4</source>
        <translation>Punkt %1 von %2, x = %3: P = %4</translation>
    </message>
    <message>
        <source>Run %1: %2</source>
        <translation>Lauf %1: %2</translation>
    </message>
    <message>
        <source>Cornu spiral: the arrows of all paths, head to tail</source>
        <translation>Cornu-Spirale: die Pfeile aller Wege, Fuß an Spitze</translation>
    </message>
    <message>
        <source>trip time</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>height at the lens</source>
        <translation>Höhe an der Linse</translation>
    </message>
    <message>
        <source>each path: its trip time, and its arrow</source>
        <translation>jeder Weg: seine Laufzeit und sein Pfeil</translation>
    </message>
    <message>
        <source>least time</source>
        <translation>kürzeste Zeit</translation>
    </message>
    <message numerus="yes">
        <source>%n path(s); the resultant is %1 long (P = its length squared times %2)</source>
        <translation>
            <numerusform>%n Weg; der resultierende Pfeil ist %1 lang (P = seine Länge zum Quadrat mal %2)</numerusform>
            <numerusform>%n Wege; der resultierende Pfeil ist %1 lang (P = seine Länge zum Quadrat mal %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>No marks yet.</source>
        <translation>Noch keine Markierungen.</translation>
    </message>
    <message>
        <source>Run %1: point %2, x = %3: P = %4 · %5</source>
        <translation>Lauf %1: Punkt %2, x = %3: P = %4 · %5</translation>
    </message>
    <message>
        <source>The lens: radius %1, refractive index %2, aperture %3, the whole lens open.</source>
        <translation>Die Linse: Radius %1, Brechzahl %2, Blende %3, die ganze Linse ist offen.</translation>
    </message>
    <message>
        <source>The lens: radius %1, refractive index %2, aperture %3, only its upper half open.</source>
        <translation>Die Linse: Radius %1, Brechzahl %2, Blende %3, nur ihre obere Hälfte ist offen.</translation>
    </message>
    <message>
        <source>No marks are shown yet.</source>
        <translation>Es werden noch keine Markierungen angezeigt.</translation>
    </message>
    <message>
        <source>Run %1, %2: it comes to its focus at point %3, x = %4, with P = %5; its peak, where the marks stand above half the highest, is %6 pixels wide, from x = %7 to %8.</source>
        <translation>Lauf %1, %2: Er hat seinen Brennpunkt bei Punkt %3, x = %4, mit P = %5; seine Spitze, wo die Markierungen höher als die Hälfte der höchsten stehen, ist %6 Pixel breit, von x = %7 bis %8.</translation>
    </message>
    <message>
        <source>Every run shown comes to its focus at the same point.</source>
        <translation>Alle angezeigten Läufe haben ihren Brennpunkt am selben Punkt.</translation>
    </message>
    <message>
        <source>Run %1 (%2) comes to its focus nearest the lens, run %3 (%4) farthest from it.</source>
        <translation>Lauf %1 (%2) hat seinen Brennpunkt am nächsten an der Linse, Lauf %3 (%4) am weitesten von ihr entfernt.</translation>
    </message>
    <message>
        <source>Run %1 finished: it comes to its focus at point %2, x = %3, with P = %4.</source>
        <translation>Lauf %1 ist fertig: Er hat seinen Brennpunkt bei Punkt %2, x = %3, mit P = %4.</translation>
    </message>
    <message>
        <source>Run %1 stopped: so far its highest mark is at point %2, x = %3, with P = %4.</source>
        <translation>Lauf %1 ist gestoppt: Seine bisher höchste Markierung liegt bei Punkt %2, x = %3, mit P = %4.</translation>
    </message>
    <message>
        <source>Run %1 finished.</source>
        <translation>Lauf %1 ist fertig.</translation>
    </message>
    <message>
        <source>Run %1 stopped.</source>
        <translation>Lauf %1 ist gestoppt.</translation>
    </message>
    <message>
        <source>Run %1, %2, not finished (%3 of %4 points): so far its highest mark is at point %5, x = %6, with P = %7.</source>
        <translation>Lauf %1, %2, nicht beendet (%3 von %4 Punkten): Seine bisher höchste Markierung liegt bei Punkt %5, x = %6, mit P = %7.</translation>
    </message>
</context>
<context>
    <name>frmRavo</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>No marks are shown: only the column names were copied.</source>
        <translation>Es werden keine Markierungen angezeigt: Nur die Spaltennamen wurden kopiert.</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n mark(s) as a table.</source>
        <translation>
            <numerusform>%n Markierung als Tabelle kopiert.</numerusform>
            <numerusform>%n Markierungen als Tabelle kopiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Copy data</source>
        <translation>Daten kopieren</translation>
    </message>
    <message>
        <source>Projector colours</source>
        <translation>Farben für den Projektor</translation>
    </message>
    <message>
        <source>Pace</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Langsamer</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Keys and mouse</source>
        <translation>Tasten und Maus</translation>
    </message>
    <message>
        <source>The frequency must be a number with a decimal point, not a comma, such as 0.5 (red), 0.75 (green) or 1 (blue).</source>
        <translation>Die Frequenz muss eine Zahl mit Dezimalpunkt sein, nicht mit Komma, etwa 0.5 (Rot), 0.75 (Grün) oder 1 (Blau).</translation>
    </message>
    <message>
        <source>The frequency must be a number, such as 0.5 (red), 0.75 (green) or 1 (blue).</source>
        <translation>Die Frequenz muss eine Zahl sein, etwa 0.5 (Rot), 0.75 (Grün) oder 1 (Blau).</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>%1 (paused)</source>
        <translation>%1 (angehalten)</translation>
    </message>
    <message>
        <source>Delete probability</source>
        <translation>Wahrscheinlichkeit löschen</translation>
    </message>
    <message>
        <source>Waiting for an answer</source>
        <translation>Wartet auf eine Antwort</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Running: point %1 of %2</source>
        <translation>Läuft: Punkt %1 von %2</translation>
    </message>
    <message>
        <source>Held at point %1 of %2 — Space: go on · →: next point · Esc: stop</source>
        <translation>Pause bei Punkt %1 von %2 — Leertaste: weiter · →: nächster Punkt · Esc: Stopp</translation>
    </message>
    <message>
        <source>Stopped at point %1 of %2</source>
        <translation>Gestoppt bei Punkt %1 von %2</translation>
    </message>
    <message>
        <source>Finished: %1 of %2 points</source>
        <translation>Fertig: %1 von %2 Punkten</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>the dispersion display, 25 pixels</comment>
        <translation>An</translation>
    </message>
    <message>
        <source>No</source>
        <comment>the dispersion display, 25 pixels</comment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Open link</source>
        <translation>Link öffnen</translation>
    </message>
    <message>
        <source>Undo erase</source>
        <translation>Löschen rückgängig</translation>
    </message>
    <message>
        <source>Marks by shape</source>
        <translation>Markierungen nach Form</translation>
    </message>
    <message>
        <source>Hide marks</source>
        <translation>Markierungen ausblenden</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Anhören</translation>
    </message>
    <message>
        <source>Listen: no sound device was found</source>
        <translation>Anhören: kein Audiogerät gefunden</translation>
    </message>
    <message>
        <source>Listening waits until the run has ended.</source>
        <translation>Das Anhören wartet, bis der Lauf zu Ende ist.</translation>
    </message>
    <message>
        <source>The picture was copied as a link.</source>
        <translation>Das Bild wurde als Link kopiert.</translation>
    </message>
    <message numerus="yes">
        <source>Opened a link of %n run(s).</source>
        <translation>
            <numerusform>Link mit %n Lauf geöffnet.</numerusform>
            <numerusform>Link mit %n Läufen geöffnet.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no erase to undo: only the last run&apos;s &quot;Yes&quot; to &quot;Delete probability&quot;, before the next run.</source>
        <translation>Es gibt kein Löschen rückgängig zu machen: nur das „Ja“ auf „Wahrscheinlichkeit löschen“ beim letzten Lauf, und nur vor dem nächsten Lauf.</translation>
    </message>
    <message>
        <source>The erased marks are back.</source>
        <translation>Die gelöschten Markierungen sind wieder da.</translation>
    </message>
    <message>
        <source>Stopped at point %1 of %2. The glass added no time: the frequency text &quot;%3&quot; is none of 0.5, 0.75 and 1.</source>
        <translation>Gestoppt bei Punkt %1 von %2. Das Glas hat keine Zeit hinzugefügt: Der Frequenztext „%3“ ist weder 0.5 noch 0.75 noch 1.</translation>
    </message>
    <message>
        <source>Finished: %1 of %2 points. The glass added no time: the frequency text &quot;%3&quot; is none of 0.5, 0.75 and 1.</source>
        <translation>Fertig: %1 von %2 Punkten. Das Glas hat keine Zeit hinzugefügt: Der Frequenztext „%3“ ist weder 0.5 noch 0.75 noch 1.</translation>
    </message>
</context>
<context>
    <name>ravo-page</name>
    <message>
        <source>Ends Ravo: closes its tab where the browser lets a page do that. Nothing is saved.</source>
        <translation>Beendet Ravo: schließt seinen Tab, wo der Browser das einer Seite erlaubt. Es wird nichts gespeichert.</translation>
    </message>
    <message>
        <source>To end Ravo, close this tab.</source>
        <translation>Zum Beenden von Ravo diesen Tab schließen.</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Schließen (Esc)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Picture copied</source>
        <translation>Bild kopiert</translation>
    </message>
    <message>
        <source>Data copied</source>
        <translation>Daten kopiert</translation>
    </message>
    <message>
        <source>This browser cannot copy pictures.</source>
        <translation>Dieser Browser kann keine Bilder kopieren.</translation>
    </message>
    <message>
        <source>This browser cannot copy text.</source>
        <translation>Dieser Browser kann keinen Text kopieren.</translation>
    </message>
    <message>
        <source>The picture was not copied: %1</source>
        <translation>Das Bild wurde nicht kopiert: %1</translation>
    </message>
    <message>
        <source>The data was not copied: %1</source>
        <translation>Die Daten wurden nicht kopiert: %1</translation>
    </message>
    <message>
        <source>Link to a Ravo picture (Ctrl+V pastes it here):</source>
        <translation>Link zu einem Ravo-Bild (Strg+V fügt ihn hier ein):</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The link was not copied: %1</source>
        <translation>Der Link wurde nicht kopiert: %1</translation>
    </message>
    <message>
        <source>The run</source>
        <translation>Der Lauf</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Go on</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Holds the run, and lets it go on again (Space)</source>
        <translation>Hält den Lauf an und lässt ihn wieder weiterlaufen (Leertaste)</translation>
    </message>
    <message>
        <source>Draws the next detector point of a held run (Right arrow)</source>
        <translation>Zeichnet den nächsten Detektorpunkt eines angehaltenen Laufs (Pfeil rechts)</translation>
    </message>
    <message>
        <source>Stops the run, keeping what is drawn (Esc)</source>
        <translation>Beendet den Lauf und behält, was gezeichnet ist (Esc)</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Vollbild verlassen</translation>
    </message>
    <message>
        <source>Download picture</source>
        <translation>Bild herunterladen</translation>
    </message>
    <message>
        <source>Download data</source>
        <translation>Daten herunterladen</translation>
    </message>
    <message>
        <source>Previous point (Left arrow)</source>
        <translation>Vorheriger Punkt (Pfeil links)</translation>
    </message>
    <message>
        <source>Next point (Right arrow)</source>
        <translation>Nächster Punkt (Pfeil rechts)</translation>
    </message>
</context>
</TS>
