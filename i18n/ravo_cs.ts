<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>ControlHelp</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Slow-down</source>
        <translation>Zpomalení</translation>
    </message>
    <message>
        <source>Radius of lens</source>
        <translation>Poloměr čočky</translation>
    </message>
    <message>
        <source>Radius of the lens&apos;s curved face, now %1 pixels: Great 500, Middle 450, Small 400.</source>
        <translation>Poloměr zakřivené plochy čočky, nyní %1 pixelů: Velký 500, Střední 450, Malý 400.</translation>
    </message>
    <message>
        <source>Radius of lens: Great</source>
        <translation>Poloměr čočky: Velký</translation>
    </message>
    <message>
        <source>Radius of lens: Middle</source>
        <translation>Poloměr čočky: Střední</translation>
    </message>
    <message>
        <source>Radius of lens: Small</source>
        <translation>Poloměr čočky: Malý</translation>
    </message>
    <message>
        <source>Frequency - colour</source>
        <translation>Kmitočet - barva</translation>
    </message>
    <message>
        <source>Colour of the light, now frequency %1: Red 0.5, Green 0.75, Blue 1.</source>
        <translation>Barva světla, nyní kmitočet %1: Červená 0.5, Zelená 0.75, Modrá 1.</translation>
    </message>
    <message>
        <source>Frequency - colour: Red</source>
        <translation>Kmitočet - barva: Červená</translation>
    </message>
    <message>
        <source>Frequency - colour: Green</source>
        <translation>Kmitočet - barva: Zelená</translation>
    </message>
    <message>
        <source>Frequency - colour: Blue</source>
        <translation>Kmitočet - barva: Modrá</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Kmitočet</translation>
    </message>
    <message>
        <source>Refractive index</source>
        <translation>Index lomu</translation>
    </message>
    <message>
        <source>Refractive index of the glass, now %1: Great 1, Middle 0.98, Small 0.96.</source>
        <translation>Index lomu skla, nyní %1: Velký 1, Střední 0.98, Malý 0.96.</translation>
    </message>
    <message>
        <source>Refractive index: Great</source>
        <translation>Index lomu: Velký</translation>
    </message>
    <message>
        <source>Refractive index: Middle</source>
        <translation>Index lomu: Střední</translation>
    </message>
    <message>
        <source>Refractive index: Small</source>
        <translation>Index lomu: Malý</translation>
    </message>
    <message>
        <source>Dispersion</source>
        <translation>Disperze</translation>
    </message>
    <message>
        <source>Dispersion, now on: the glass slows red and green light less than blue.</source>
        <translation>Disperze, nyní zapnutá: sklo zpomaluje červené a zelené světlo méně než modré.</translation>
    </message>
    <message>
        <source>Dispersion, now off: the glass slows every colour alike. When on, it slows red and green light less than blue.</source>
        <translation>Disperze, nyní vypnutá: sklo zpomaluje všechny barvy stejně. Když je zapnutá, zpomaluje červené a zelené světlo méně než modré.</translation>
    </message>
    <message>
        <source>Dispersion is on.</source>
        <translation>Disperze je zapnutá.</translation>
    </message>
    <message>
        <source>Dispersion is off.</source>
        <translation>Disperze je vypnutá.</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Zobrazení</translation>
    </message>
    <message>
        <source>Probabilities are marked as dots, which can stay from run to run.</source>
        <translation>Pravděpodobnosti se vyznačují body, které mohou zůstat z jednoho běhu do dalšího.</translation>
    </message>
    <message>
        <source>Probabilities are marked as bars, which every run erases.</source>
        <translation>Pravděpodobnosti se vyznačují pruhy, které každý běh smaže.</translation>
    </message>
    <message>
        <source>Probabilities are not marked.</source>
        <translation>Pravděpodobnosti se nevyznačují.</translation>
    </message>
    <message>
        <source>Mapping: Dots</source>
        <translation>Zobrazení: Body</translation>
    </message>
    <message>
        <source>Mapping: Bars</source>
        <translation>Zobrazení: Pruhy</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Clona</translation>
    </message>
    <message>
        <source>Aperture: the blades close %1 pixels at each edge of the lens (Great 0, Middle 50, Small 100).</source>
        <translation>Clona: lamely zakrývají %1 pixelů u každého okraje čočky (Velký 0, Střední 50, Malý 100).</translation>
    </message>
    <message>
        <source>Aperture: Great</source>
        <translation>Clona: Velký otvor</translation>
    </message>
    <message>
        <source>Aperture: Middle</source>
        <translation>Clona: Střední otvor</translation>
    </message>
    <message>
        <source>Aperture: Small</source>
        <translation>Clona: Malý otvor</translation>
    </message>
    <message>
        <source>Half lens</source>
        <translation>Polovina čočky</translation>
    </message>
    <message>
        <source>The whole lens is open now.</source>
        <translation>Nyní je otevřená celá čočka.</translation>
    </message>
    <message>
        <source>Only the upper half of the lens is open now.</source>
        <translation>Nyní je otevřená jen horní polovina čočky.</translation>
    </message>
    <message>
        <source>Half lens: No</source>
        <translation>Polovina čočky: Ne</translation>
    </message>
    <message>
        <source>Half lens: Yes</source>
        <translation>Polovina čočky: Ano</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Pravděpodobnost</translation>
    </message>
    <message>
        <source>Cornu spirals - Vector sum</source>
        <translation>Cornuovy spirály - vektorový součet</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Clona</translation>
    </message>
    <message>
        <source>Slow-down %1: %2 s per detector point, about %3 s a run</source>
        <translation>Zpomalení %1: %2 s na bod detektoru, asi %3 s na běh</translation>
    </message>
    <message>
        <source>Starts a run. During a run: Space holds it and releases it again, Right arrow or Page Down draws the next detector point of a held run, Escape stops it.</source>
        <translation>Spustí běh. Během běhu ho mezerník pozastaví a zase pustí dál, šipka vpravo nebo Page Down nakreslí další bod detektoru pozastaveného běhu a Esc ho zastaví.</translation>
    </message>
    <message>
        <source>Closes Ravo (Ctrl+Q). Nothing is saved.</source>
        <translation>Zavře Ravo (Ctrl+Q). Nic se neukládá.</translation>
    </message>
    <message>
        <source>Radius of the lens: 500 pixels.</source>
        <translation>Poloměr čočky: 500 pixelů.</translation>
    </message>
    <message>
        <source>Radius of the lens: 450 pixels.</source>
        <translation>Poloměr čočky: 450 pixelů.</translation>
    </message>
    <message>
        <source>Radius of the lens: 400 pixels.</source>
        <translation>Poloměr čočky: 400 pixelů.</translation>
    </message>
    <message>
        <source>Red light: frequency 0.5.</source>
        <translation>Červené světlo: kmitočet 0.5.</translation>
    </message>
    <message>
        <source>Green light: frequency 0.75.</source>
        <translation>Zelené světlo: kmitočet 0.75.</translation>
    </message>
    <message>
        <source>Blue light: frequency 1.</source>
        <translation>Modré světlo: kmitočet 1.</translation>
    </message>
    <message>
        <source>Refractive index 1.</source>
        <translation>Index lomu 1.</translation>
    </message>
    <message>
        <source>Refractive index 0.98.</source>
        <translation>Index lomu 0.98.</translation>
    </message>
    <message>
        <source>Refractive index 0.96.</source>
        <translation>Index lomu 0.96.</translation>
    </message>
    <message>
        <source>Probabilities as dots; answer &quot;No&quot; to &quot;Delete probability&quot; to keep the dots of earlier runs.</source>
        <translation>Pravděpodobnosti jako body; když na otázku „Smazat pravděpodobnost?“ odpovíte „Ne“, body dřívějších běhů zůstanou.</translation>
    </message>
    <message>
        <source>Probabilities as bars rising from the base line; every run erases the old ones.</source>
        <translation>Pravděpodobnosti jako pruhy vycházející ze základní čáry; každý běh ty staré smaže.</translation>
    </message>
    <message>
        <source>The blades close nothing: every path is open.</source>
        <translation>Lamely nic nezakrývají: všechny dráhy jsou otevřené.</translation>
    </message>
    <message>
        <source>The blades close 50 pixels at each edge.</source>
        <translation>Lamely zakrývají 50 pixelů u každého okraje.</translation>
    </message>
    <message>
        <source>The blades close 100 pixels at each edge.</source>
        <translation>Lamely zakrývají 100 pixelů u každého okraje.</translation>
    </message>
    <message>
        <source>The whole lens is open.</source>
        <translation>Otevřená je celá čočka.</translation>
    </message>
    <message>
        <source>Only the upper half of the lens is open.</source>
        <translation>Otevřená je jen horní polovina čočky.</translation>
    </message>
    <message>
        <source>Above the base line: the probability that light arrives at each detector point.</source>
        <translation>Nad základní čarou: pravděpodobnost, že světlo dorazí do jednotlivých bodů detektoru.</translation>
    </message>
    <message>
        <source>Below the axis: each detector point&apos;s arrows added head to tail, and their green sum.</source>
        <translation>Pod osou: šipky každého bodu detektoru sečtené za sebou a jejich zelený součet.</translation>
    </message>
    <message>
        <source>The aperture: the blades in front of the flat face of the lens.</source>
        <translation>Clona: lamely před rovinnou plochou čočky.</translation>
    </message>
    <message>
        <source>Frequency of the light, now %1. The colour buttons write 0.5 (red), 0.75 (green) and 1 (blue), and the glass slows the light only for exactly these texts. Another number, even 1.0 or .5, turns the arrows at its own rate, but the glass adds no time and the lens does not focus; the mark of a colour is drawn where the number equals 0.5, 0.75 or 1. Numbers are written with a decimal point.</source>
        <translation>Kmitočet světla, nyní %1. Tlačítka barev zapisují 0.5 (červená), 0.75 (zelená) a 1 (modrá) a sklo zpomaluje světlo jen při přesně těchto textech. Jiné číslo, i 1.0 nebo .5, otáčí šipkami vlastní rychlostí, ale sklo nepřidá žádný čas a čočka světlo nesoustředí do ohniska; barevná značka se nakreslí, když se číslo rovná 0.5, 0.75 nebo 1. Čísla se píší s desetinnou tečkou.</translation>
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
        <translation>Konec</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Klepněte na tlačítko Start</translation>
    </message>
    <message>
        <source>Radius of lens</source>
        <translation>Poloměr čočky</translation>
    </message>
    <message>
        <source>Frequency - colour</source>
        <translation>Kmitočet - barva</translation>
    </message>
    <message>
        <source>Refractive index</source>
        <translation>Index lomu</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Zobrazení</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Clona</translation>
    </message>
    <message>
        <source>Half lens</source>
        <translation>Polovina</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Pravděpod.</translation>
    </message>
    <message>
        <source>Cornu spirals - Vector sum</source>
        <translation>Cornuovy spirály - součet</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Clona</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Červená</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zelená</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Modrá</translation>
    </message>
    <message>
        <source>Dispercion</source>
        <translation>Disperze</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Pruhy</translation>
    </message>
    <message>
        <source>Great</source>
        <comment>radius of the lens</comment>
        <translation>Velký</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>radius of the lens</comment>
        <translation>Střední</translation>
    </message>
    <message>
        <source>Small</source>
        <comment>radius of the lens</comment>
        <translation>Malý</translation>
    </message>
    <message>
        <source>Great</source>
        <comment>refractive index</comment>
        <translation>Velký</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>refractive index</comment>
        <translation>Střední</translation>
    </message>
    <message>
        <source>Small</source>
        <comment>refractive index</comment>
        <translation>Malý</translation>
    </message>
    <message>
        <source>Great</source>
        <comment>aperture: wide open</comment>
        <translation>Velký</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>aperture: half open</comment>
        <translation>Střední</translation>
    </message>
    <message>
        <source>Small</source>
        <comment>aperture: narrow</comment>
        <translation>Malý</translation>
    </message>
    <message>
        <source>No</source>
        <comment>half lens: no, the whole lens is open</comment>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>half lens: yes, only the upper half is open</comment>
        <translation>Ano</translation>
    </message>
</context>
<context>
    <name>KeysHelp</name>
    <message>
        <source>Ravo - keys and mouse</source>
        <translation>Ravo - klávesy a myš</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Mezerník</translation>
    </message>
    <message>
        <source>holds a run, and lets it go on again</source>
        <translation>pozastaví běh a zase ho pustí dál</translation>
    </message>
    <message>
        <source>Right arrow, Page Down</source>
        <translation>Šipka vpravo, Page Down</translation>
    </message>
    <message>
        <source>draws one more detector point of a held run</source>
        <translation>nakreslí další bod detektoru pozastaveného běhu</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>stops a run, keeping what it drew</source>
        <translation>zastaví běh; co nakreslil, zůstane</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>copies the picture</source>
        <translation>zkopíruje obrázek</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>copies the marks as a table, for a spreadsheet</source>
        <translation>zkopíruje značky jako tabulku pro tabulkový procesor</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>closes Ravo</source>
        <translation>zavře Ravo</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>full screen, and back</source>
        <translation>celá obrazovka a zpět</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>tato nápověda</translation>
    </message>
    <message>
        <source>Resting the mouse on a mark</source>
        <translation>Myš podržená nad značkou</translation>
    </message>
    <message>
        <source>shows its point, x, P and its run&apos;s settings</source>
        <translation>ukáže její bod, x, P a nastavení jejího běhu</translation>
    </message>
    <message>
        <source>A click on a mark</source>
        <translation>Klepnutí na značku</translation>
    </message>
    <message>
        <source>looks inside that detector point: its paths and spiral</source>
        <translation>nahlédne do toho bodu detektoru: jeho dráhy a spirála</translation>
    </message>
    <message>
        <source>A right click on the picture</source>
        <translation>Klepnutí pravým tlačítkem do obrázku</translation>
    </message>
    <message>
        <source>the menu: copy, projector colours, pace, language</source>
        <translation>nabídka: kopírování, barvy pro projektor, tempo, jazyk</translation>
    </message>
    <message>
        <source>Tab to the picture, then arrows</source>
        <translation>Tab na obrázek, pak šipky</translation>
    </message>
    <message>
        <source>from mark to mark: Left and Right along a run, Home and End to its ends, Up and Down to another run</source>
        <translation>ze značky na značku: vlevo a vpravo po běhu, Home a End na jeho konce, nahoru a dolů na jiný běh</translation>
    </message>
    <message>
        <source>Return on a mark</source>
        <translation>Enter na značce</translation>
    </message>
    <message>
        <source>looks inside its detector point; Escape comes back</source>
        <translation>nahlédne do jejího bodu detektoru; Esc vrací zpět</translation>
    </message>
    <message>
        <source>Menu key, Shift+F10</source>
        <translation>Klávesa Menu, Shift+F10</translation>
    </message>
    <message>
        <source>the picture&apos;s menu, at the mark</source>
        <translation>nabídka obrázku u značky</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>listens to the run: a tone for each point, higher for a higher P</source>
        <translation>přehraje běh: pro každý bod tón, čím vyšší P, tím vyšší tón</translation>
    </message>
    <message>
        <source>Ctrl+L, Ctrl+V</source>
        <translation>Ctrl+L, Ctrl+V</translation>
    </message>
    <message>
        <source>copies the picture as a link, and opens a link</source>
        <translation>zkopíruje obrázek jako odkaz a otevře odkaz</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>brings back the marks that &quot;Yes&quot; to &quot;Delete probability&quot; erased</source>
        <translation>vrátí značky smazané odpovědí „Ano“ na otázku „Smazat pravděpodobnost?“</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>Run %1: %2</source>
        <translation>Běh %1: %2</translation>
    </message>
    <message>
        <source>Runs shown</source>
        <translation>Zobrazené běhy</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>A run of the link is damaged.</source>
        <translation>Jeden z běhů v odkazu je poškozený.</translation>
    </message>
    <message>
        <source>A frequency text of the link is too long or not text.</source>
        <translation>Text kmitočtu v odkazu je příliš dlouhý nebo to není text.</translation>
    </message>
    <message>
        <source>The link holds a setting that no control can make.</source>
        <translation>Odkaz obsahuje nastavení, které nelze zvolit žádným ovládacím prvkem.</translation>
    </message>
    <message>
        <source>The link is too long to be one of Ravo&apos;s.</source>
        <translation>Odkaz je příliš dlouhý na to, aby byl odkazem Ravo.</translation>
    </message>
    <message>
        <source>This is not a Ravo link.</source>
        <translation>Toto není odkaz Ravo.</translation>
    </message>
    <message>
        <source>The link comes from a newer Ravo, which this one cannot read.</source>
        <translation>Odkaz pochází z novější verze Ravo, kterou tato verze neumí přečíst.</translation>
    </message>
    <message>
        <source>The link is damaged.</source>
        <translation>Odkaz je poškozený.</translation>
    </message>
    <message>
        <source>The link asks for more runs than Ravo draws.</source>
        <translation>Odkaz požaduje více běhů, než Ravo kreslí.</translation>
    </message>
</context>
<context>
    <name>MarkReadout</name>
    <message>
        <source>red</source>
        <translation>červená</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zelená</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>modrá</translation>
    </message>
    <message>
        <source>no glass time</source>
        <translation>bez času ve skle</translation>
    </message>
    <message>
        <source>dispersion on</source>
        <translation>disperze zapnutá</translation>
    </message>
    <message>
        <source>dispersion off</source>
        <translation>disperze vypnutá</translation>
    </message>
    <message>
        <source>%1, f = %2, %3 · radius %4, index %5, whole lens, aperture %6</source>
        <translation>%1, f = %2, %3 · poloměr %4, index %5, celá čočka, clona %6</translation>
    </message>
    <message>
        <source>%1, f = %2, %3 · radius %4, index %5, half lens, aperture %6</source>
        <translation>%1, f = %2, %3 · poloměr %4, index %5, půl čočky, clona %6</translation>
    </message>
    <message>
        <source>Point %1, x = %2: P = %3 · %4</source>
        <translation>Bod %1, x = %2: P = %3 · %4</translation>
    </message>
    <message>
        <source>no glass time, as the frequency text is none of 0.5, 0.75 and 1</source>
        <translation>bez času ve skle, protože text kmitočtu není ani 0.5, ani 0.75, ani 1</translation>
    </message>
</context>
<context>
    <name>MarkTable</name>
    <message>
        <source>run</source>
        <translation>běh</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>barva</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>kmitočet</translation>
    </message>
    <message>
        <source>dispersion</source>
        <translation>disperze</translation>
    </message>
    <message>
        <source>radius</source>
        <translation>poloměr</translation>
    </message>
    <message>
        <source>refractive index</source>
        <translation>index lomu</translation>
    </message>
    <message>
        <source>lens</source>
        <translation>čočka</translation>
    </message>
    <message>
        <source>aperture</source>
        <translation>clona</translation>
    </message>
    <message>
        <source>detector point</source>
        <translation>bod detektoru</translation>
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
        <translation>výška značky</translation>
    </message>
    <message>
        <source>whole</source>
        <translation>celá</translation>
    </message>
    <message>
        <source>half</source>
        <translation>polovina</translation>
    </message>
    <message>
        <source>path</source>
        <translation>dráha</translation>
    </message>
    <message>
        <source>height at the lens</source>
        <translation>výška u čočky</translation>
    </message>
    <message>
        <source>glass thickness</source>
        <translation>tloušťka skla</translation>
    </message>
    <message>
        <source>distance to the point</source>
        <translation>vzdálenost k bodu</translation>
    </message>
    <message>
        <source>trip time</source>
        <translation>čas cesty</translation>
    </message>
    <message>
        <source>phase</source>
        <translation>fáze</translation>
    </message>
    <message>
        <source>arrow x</source>
        <translation>šipka x</translation>
    </message>
    <message>
        <source>arrow y</source>
        <translation>šipka y</translation>
    </message>
</context>
<context>
    <name>PointView</name>
    <message>
        <source>Ravo - point %1 of run %2</source>
        <translation>Ravo - bod %1 běhu %2</translation>
    </message>
    <message>
        <source>Point %1 of %2, x = %3: P = %4</source>
        <translation>Bod %1 z %2, x = %3: P = %4</translation>
    </message>
    <message>
        <source>Run %1: %2</source>
        <translation>Běh %1: %2</translation>
    </message>
    <message>
        <source>Cornu spiral: the arrows of all paths, head to tail</source>
        <translation>Cornuova spirála: šipky všech drah za sebou</translation>
    </message>
    <message>
        <source>trip time</source>
        <translation>čas cesty</translation>
    </message>
    <message>
        <source>height at the lens</source>
        <translation>výška u čočky</translation>
    </message>
    <message>
        <source>each path: its trip time, and its arrow</source>
        <translation>každá dráha: její čas cesty a její šipka</translation>
    </message>
    <message>
        <source>least time</source>
        <translation>nejkratší čas</translation>
    </message>
    <message numerus="yes">
        <source>%n path(s); the resultant is %1 long (P = its length squared times %2)</source>
        <translation>
            <numerusform>%n dráha; výslednice má délku %1 (P = druhá mocnina její délky krát %2)</numerusform>
            <numerusform>%n dráhy; výslednice má délku %1 (P = druhá mocnina její délky krát %2)</numerusform>
            <numerusform>%n drah; výslednice má délku %1 (P = druhá mocnina její délky krát %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>No marks yet.</source>
        <translation>Zatím žádné značky.</translation>
    </message>
    <message>
        <source>Run %1: point %2, x = %3: P = %4 · %5</source>
        <translation>Běh %1: bod %2, x = %3: P = %4 · %5</translation>
    </message>
    <message>
        <source>The lens: radius %1, refractive index %2, aperture %3, the whole lens open.</source>
        <translation>Čočka: poloměr %1, index lomu %2, clona %3, otevřená je celá čočka.</translation>
    </message>
    <message>
        <source>The lens: radius %1, refractive index %2, aperture %3, only its upper half open.</source>
        <translation>Čočka: poloměr %1, index lomu %2, clona %3, otevřená je jen její horní polovina.</translation>
    </message>
    <message>
        <source>No marks are shown yet.</source>
        <translation>Zatím nejsou zobrazeny žádné značky.</translation>
    </message>
    <message>
        <source>Run %1, %2: it comes to its focus at point %3, x = %4, with P = %5; its peak, where the marks stand above half the highest, is %6 pixels wide, from x = %7 to %8.</source>
        <translation>Běh %1, %2: má ohnisko v bodě %3, x = %4, s P = %5; jeho vrchol, kde jsou značky vyšší než polovina té nejvyšší, je široký %6 pixelů, od x = %7 do %8.</translation>
    </message>
    <message>
        <source>Every run shown comes to its focus at the same point.</source>
        <translation>Všechny zobrazené běhy mají ohnisko ve stejném bodě.</translation>
    </message>
    <message>
        <source>Run %1 (%2) comes to its focus nearest the lens, run %3 (%4) farthest from it.</source>
        <translation>Běh %1 (%2) má ohnisko nejblíže čočce, běh %3 (%4) nejdále od ní.</translation>
    </message>
    <message>
        <source>Run %1 finished: it comes to its focus at point %2, x = %3, with P = %4.</source>
        <translation>Běh %1 skončil: má ohnisko v bodě %2, x = %3, s P = %4.</translation>
    </message>
    <message>
        <source>Run %1 stopped: so far its highest mark is at point %2, x = %3, with P = %4.</source>
        <translation>Běh %1 byl zastaven: jeho dosud nejvyšší značka je v bodě %2, x = %3, s P = %4.</translation>
    </message>
    <message>
        <source>Run %1 finished.</source>
        <translation>Běh %1 skončil.</translation>
    </message>
    <message>
        <source>Run %1 stopped.</source>
        <translation>Běh %1 byl zastaven.</translation>
    </message>
    <message>
        <source>Run %1, %2, not finished (%3 of %4 points): so far its highest mark is at point %5, x = %6, with P = %7.</source>
        <translation>Běh %1, %2, nedokončený (%3 z %4 bodů): jeho dosud nejvyšší značka je v bodě %5, x = %6, s P = %7.</translation>
    </message>
</context>
<context>
    <name>frmRavo</name>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obrázek</translation>
    </message>
    <message>
        <source>No marks are shown: only the column names were copied.</source>
        <translation>Nejsou zobrazeny žádné značky: zkopírovaly se jen názvy sloupců.</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n mark(s) as a table.</source>
        <translation>
            <numerusform>Zkopírována %n značka jako tabulka.</numerusform>
            <numerusform>Zkopírovány %n značky jako tabulka.</numerusform>
            <numerusform>Zkopírováno %n značek jako tabulka.</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Kopírovat obrázek</translation>
    </message>
    <message>
        <source>Copy data</source>
        <translation>Kopírovat data</translation>
    </message>
    <message>
        <source>Projector colours</source>
        <translation>Barvy pro projektor</translation>
    </message>
    <message>
        <source>Pace</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rychlé</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Pomalejší</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Pomalé</translation>
    </message>
    <message>
        <source>Keys and mouse</source>
        <translation>Klávesy a myš</translation>
    </message>
    <message>
        <source>The frequency must be a number with a decimal point, not a comma, such as 0.5 (red), 0.75 (green) or 1 (blue).</source>
        <translation>Kmitočet musí být číslo s desetinnou tečkou, ne čárkou, například 0.5 (červená), 0.75 (zelená) nebo 1 (modrá).</translation>
    </message>
    <message>
        <source>The frequency must be a number, such as 0.5 (red), 0.75 (green) or 1 (blue).</source>
        <translation>Kmitočet musí být číslo, například 0.5 (červená), 0.75 (zelená) nebo 1 (modrá).</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>%1 (paused)</source>
        <translation>%1 (pozastaveno)</translation>
    </message>
    <message>
        <source>Delete probability</source>
        <translation>Smazat pravděpodobnost?</translation>
    </message>
    <message>
        <source>Waiting for an answer</source>
        <translation>Čeká se na odpověď</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Připraveno</translation>
    </message>
    <message>
        <source>Running: point %1 of %2</source>
        <translation>Běží: bod %1 z %2</translation>
    </message>
    <message>
        <source>Held at point %1 of %2 — Space: go on · →: next point · Esc: stop</source>
        <translation>Pozastaveno v bodě %1 z %2 — Mezerník: dál · →: další bod · Esc: zastavit</translation>
    </message>
    <message>
        <source>Stopped at point %1 of %2</source>
        <translation>Zastaveno v bodě %1 z %2</translation>
    </message>
    <message>
        <source>Finished: %1 of %2 points</source>
        <translation>Hotovo: %1 z %2 bodů</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>the dispersion display, 25 pixels</comment>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <comment>the dispersion display, 25 pixels</comment>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Kopírovat odkaz</translation>
    </message>
    <message>
        <source>Open link</source>
        <translation>Otevřít odkaz</translation>
    </message>
    <message>
        <source>Undo erase</source>
        <translation>Vrátit smazání</translation>
    </message>
    <message>
        <source>Marks by shape</source>
        <translation>Značky podle tvaru</translation>
    </message>
    <message>
        <source>Hide marks</source>
        <translation>Skrýt značky</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Poslechnout</translation>
    </message>
    <message>
        <source>Listen: no sound device was found</source>
        <translation>Poslechnout: nenalezeno žádné zvukové zařízení</translation>
    </message>
    <message>
        <source>Listening waits until the run has ended.</source>
        <translation>Poslech počká, dokud běh neskončí.</translation>
    </message>
    <message>
        <source>The picture was copied as a link.</source>
        <translation>Obrázek byl zkopírován jako odkaz.</translation>
    </message>
    <message numerus="yes">
        <source>Opened a link of %n run(s).</source>
        <translation>
            <numerusform>Otevřen odkaz: %n běh.</numerusform>
            <numerusform>Otevřen odkaz: %n běhy.</numerusform>
            <numerusform>Otevřen odkaz: %n běhů.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no erase to undo: only the last run&apos;s &quot;Yes&quot; to &quot;Delete probability&quot;, before the next run.</source>
        <translation>Není co vrátit: vrátit lze jen odpověď „Ano“ na otázku „Smazat pravděpodobnost?“ u posledního běhu, a to před dalším během.</translation>
    </message>
    <message>
        <source>The erased marks are back.</source>
        <translation>Smazané značky jsou zpět.</translation>
    </message>
    <message>
        <source>Stopped at point %1 of %2. The glass added no time: the frequency text &quot;%3&quot; is none of 0.5, 0.75 and 1.</source>
        <translation>Zastaveno v bodě %1 z %2. Sklo nepřidalo žádný čas: text kmitočtu „%3“ není ani 0.5, ani 0.75, ani 1.</translation>
    </message>
    <message>
        <source>Finished: %1 of %2 points. The glass added no time: the frequency text &quot;%3&quot; is none of 0.5, 0.75 and 1.</source>
        <translation>Hotovo: %1 z %2 bodů. Sklo nepřidalo žádný čas: text kmitočtu „%3“ není ani 0.5, ani 0.75, ani 1.</translation>
    </message>
</context>
<context>
    <name>ravo-page</name>
    <message>
        <source>Ends Ravo: closes its tab where the browser lets a page do that. Nothing is saved.</source>
        <translation>Ukončí Ravo: zavře jeho kartu, pokud to prohlížeč stránce dovolí. Nic se neukládá.</translation>
    </message>
    <message>
        <source>To end Ravo, close this tab.</source>
        <translation>Ravo ukončíte zavřením této karty.</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Zavřít (Esc)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Picture copied</source>
        <translation>Obrázek zkopírován</translation>
    </message>
    <message>
        <source>Data copied</source>
        <translation>Data zkopírována</translation>
    </message>
    <message>
        <source>This browser cannot copy pictures.</source>
        <translation>Tento prohlížeč neumí kopírovat obrázky.</translation>
    </message>
    <message>
        <source>This browser cannot copy text.</source>
        <translation>Tento prohlížeč neumí kopírovat text.</translation>
    </message>
    <message>
        <source>The picture was not copied: %1</source>
        <translation>Obrázek se nezkopíroval: %1</translation>
    </message>
    <message>
        <source>The data was not copied: %1</source>
        <translation>Data se nezkopírovala: %1</translation>
    </message>
    <message>
        <source>Link to a Ravo picture (Ctrl+V pastes it here):</source>
        <translation>Odkaz na obrázek Ravo (Ctrl+V ho sem vloží):</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>The link was not copied: %1</source>
        <translation>Odkaz se nezkopíroval: %1</translation>
    </message>
    <message>
        <source>The run</source>
        <translation>Běh</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>Go on</source>
        <translation>Dál</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Krok</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Holds the run, and lets it go on again (Space)</source>
        <translation>Pozastaví běh a zase ho pustí dál (Mezerník)</translation>
    </message>
    <message>
        <source>Draws the next detector point of a held run (Right arrow)</source>
        <translation>Nakreslí další bod detektoru pozastaveného běhu (Šipka vpravo)</translation>
    </message>
    <message>
        <source>Stops the run, keeping what is drawn (Esc)</source>
        <translation>Zastaví běh a ponechá, co je nakresleno (Esc)</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Celá obrazovka</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Opustit celou obrazovku</translation>
    </message>
    <message>
        <source>Download picture</source>
        <translation>Stáhnout obrázek</translation>
    </message>
    <message>
        <source>Download data</source>
        <translation>Stáhnout data</translation>
    </message>
    <message>
        <source>Previous point (Left arrow)</source>
        <translation>Předchozí bod (Šipka vlevo)</translation>
    </message>
    <message>
        <source>Next point (Right arrow)</source>
        <translation>Další bod (Šipka vpravo)</translation>
    </message>
</context>
</TS>
