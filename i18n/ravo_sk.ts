<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>ControlHelp</name>
    <message>
        <source>Start</source>
        <translation>Štart</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Slow-down</source>
        <translation>Spomalenie</translation>
    </message>
    <message>
        <source>Radius of lens</source>
        <translation>Polomer šošovky</translation>
    </message>
    <message>
        <source>Radius of the lens&apos;s curved face, now %1 pixels: Great 500, Middle 450, Small 400.</source>
        <translation>Polomer zakrivenej plochy šošovky, teraz %1 pixelov: Veľký 500, Stredný 450, Malý 400.</translation>
    </message>
    <message>
        <source>Radius of lens: Great</source>
        <translation>Polomer šošovky: Veľký</translation>
    </message>
    <message>
        <source>Radius of lens: Middle</source>
        <translation>Polomer šošovky: Stredný</translation>
    </message>
    <message>
        <source>Radius of lens: Small</source>
        <translation>Polomer šošovky: Malý</translation>
    </message>
    <message>
        <source>Frequency - colour</source>
        <translation>Frekvencia - farba</translation>
    </message>
    <message>
        <source>Colour of the light, now frequency %1: Red 0.5, Green 0.75, Blue 1.</source>
        <translation>Farba svetla, teraz frekvencia %1: Červená 0.5, Zelená 0.75, Modrá 1.</translation>
    </message>
    <message>
        <source>Frequency - colour: Red</source>
        <translation>Frekvencia - farba: Červená</translation>
    </message>
    <message>
        <source>Frequency - colour: Green</source>
        <translation>Frekvencia - farba: Zelená</translation>
    </message>
    <message>
        <source>Frequency - colour: Blue</source>
        <translation>Frekvencia - farba: Modrá</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekvencia</translation>
    </message>
    <message>
        <source>Refractive index</source>
        <translation>Index lomu</translation>
    </message>
    <message>
        <source>Refractive index of the glass, now %1: Great 1, Middle 0.98, Small 0.96.</source>
        <translation>Index lomu skla, teraz %1: Veľký 1, Stredný 0.98, Malý 0.96.</translation>
    </message>
    <message>
        <source>Refractive index: Great</source>
        <translation>Index lomu: Veľký</translation>
    </message>
    <message>
        <source>Refractive index: Middle</source>
        <translation>Index lomu: Stredný</translation>
    </message>
    <message>
        <source>Refractive index: Small</source>
        <translation>Index lomu: Malý</translation>
    </message>
    <message>
        <source>Dispersion</source>
        <translation>Disperzia</translation>
    </message>
    <message>
        <source>Dispersion, now on: the glass slows red and green light less than blue.</source>
        <translation>Disperzia, teraz zapnutá: sklo spomaľuje červené a zelené svetlo menej ako modré.</translation>
    </message>
    <message>
        <source>Dispersion, now off: the glass slows every colour alike. When on, it slows red and green light less than blue.</source>
        <translation>Disperzia, teraz vypnutá: sklo spomaľuje všetky farby rovnako. Keď je zapnutá, spomaľuje červené a zelené svetlo menej ako modré.</translation>
    </message>
    <message>
        <source>Dispersion is on.</source>
        <translation>Disperzia je zapnutá.</translation>
    </message>
    <message>
        <source>Dispersion is off.</source>
        <translation>Disperzia je vypnutá.</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Graf</translation>
    </message>
    <message>
        <source>Probabilities are marked as dots, which can stay from run to run.</source>
        <translation>Pravdepodobnosti sa vyznačujú bodmi, ktoré môžu zostať z jedného behu do ďalšieho.</translation>
    </message>
    <message>
        <source>Probabilities are marked as bars, which every run erases.</source>
        <translation>Pravdepodobnosti sa vyznačujú pruhmi, ktoré každý beh zmaže.</translation>
    </message>
    <message>
        <source>Probabilities are not marked.</source>
        <translation>Pravdepodobnosti sa nevyznačujú.</translation>
    </message>
    <message>
        <source>Mapping: Dots</source>
        <translation>Graf: Body</translation>
    </message>
    <message>
        <source>Mapping: Bars</source>
        <translation>Graf: Pruhy</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Clona</translation>
    </message>
    <message>
        <source>Aperture: the blades close %1 pixels at each edge of the lens (Great 0, Middle 50, Small 100).</source>
        <translation>Clona: lamely zakrývajú %1 pixelov pri každom okraji šošovky (Veľký 0, Stredný 50, Malý 100).</translation>
    </message>
    <message>
        <source>Aperture: Great</source>
        <translation>Clona: Veľký otvor</translation>
    </message>
    <message>
        <source>Aperture: Middle</source>
        <translation>Clona: Stredný otvor</translation>
    </message>
    <message>
        <source>Aperture: Small</source>
        <translation>Clona: Malý otvor</translation>
    </message>
    <message>
        <source>Half lens</source>
        <translation>Polovica šošovky</translation>
    </message>
    <message>
        <source>The whole lens is open now.</source>
        <translation>Teraz je otvorená celá šošovka.</translation>
    </message>
    <message>
        <source>Only the upper half of the lens is open now.</source>
        <translation>Teraz je otvorená len horná polovica šošovky.</translation>
    </message>
    <message>
        <source>Half lens: No</source>
        <translation>Polovica šošovky: Nie</translation>
    </message>
    <message>
        <source>Half lens: Yes</source>
        <translation>Polovica šošovky: Áno</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Pravdepodobnosť</translation>
    </message>
    <message>
        <source>Cornu spirals - Vector sum</source>
        <translation>Cornuove špirály - vektorový súčet</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Clona</translation>
    </message>
    <message>
        <source>Slow-down %1: %2 s per detector point, about %3 s a run</source>
        <translation>Spomalenie %1: %2 s na bod detektora, asi %3 s na beh</translation>
    </message>
    <message>
        <source>Starts a run. During a run: Space holds it and releases it again, Right arrow or Page Down draws the next detector point of a held run, Escape stops it.</source>
        <translation>Spustí beh. Počas behu ho medzerník pozastaví a znova pustí ďalej, šípka vpravo alebo Page Down nakreslí ďalší bod detektora pozastaveného behu a Esc ho zastaví.</translation>
    </message>
    <message>
        <source>Closes Ravo (Ctrl+Q). Nothing is saved.</source>
        <translation>Zatvorí Ravo (Ctrl+Q). Nič sa neukladá.</translation>
    </message>
    <message>
        <source>Radius of the lens: 500 pixels.</source>
        <translation>Polomer šošovky: 500 pixelov.</translation>
    </message>
    <message>
        <source>Radius of the lens: 450 pixels.</source>
        <translation>Polomer šošovky: 450 pixelov.</translation>
    </message>
    <message>
        <source>Radius of the lens: 400 pixels.</source>
        <translation>Polomer šošovky: 400 pixelov.</translation>
    </message>
    <message>
        <source>Red light: frequency 0.5.</source>
        <translation>Červené svetlo: frekvencia 0.5.</translation>
    </message>
    <message>
        <source>Green light: frequency 0.75.</source>
        <translation>Zelené svetlo: frekvencia 0.75.</translation>
    </message>
    <message>
        <source>Blue light: frequency 1.</source>
        <translation>Modré svetlo: frekvencia 1.</translation>
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
        <translation>Pravdepodobnosti ako body; keď na otázku „Vymazať pravdepodobnosť?“ odpoviete „Nie“, body predchádzajúcich behov zostanú.</translation>
    </message>
    <message>
        <source>Probabilities as bars rising from the base line; every run erases the old ones.</source>
        <translation>Pravdepodobnosti ako pruhy vychádzajúce zo základnej čiary; každý beh tie staré zmaže.</translation>
    </message>
    <message>
        <source>The blades close nothing: every path is open.</source>
        <translation>Lamely nič nezakrývajú: všetky dráhy sú otvorené.</translation>
    </message>
    <message>
        <source>The blades close 50 pixels at each edge.</source>
        <translation>Lamely zakrývajú 50 pixelov pri každom okraji.</translation>
    </message>
    <message>
        <source>The blades close 100 pixels at each edge.</source>
        <translation>Lamely zakrývajú 100 pixelov pri každom okraji.</translation>
    </message>
    <message>
        <source>The whole lens is open.</source>
        <translation>Otvorená je celá šošovka.</translation>
    </message>
    <message>
        <source>Only the upper half of the lens is open.</source>
        <translation>Otvorená je len horná polovica šošovky.</translation>
    </message>
    <message>
        <source>Above the base line: the probability that light arrives at each detector point.</source>
        <translation>Nad základnou čiarou: pravdepodobnosť, že svetlo dorazí do jednotlivých bodov detektora.</translation>
    </message>
    <message>
        <source>Below the axis: each detector point&apos;s arrows added head to tail, and their green sum.</source>
        <translation>Pod osou: šípky každého bodu detektora sčítané za sebou a ich zelený súčet.</translation>
    </message>
    <message>
        <source>The aperture: the blades in front of the flat face of the lens.</source>
        <translation>Clona: lamely pred rovinnou plochou šošovky.</translation>
    </message>
    <message>
        <source>Frequency of the light, now %1. The colour buttons write 0.5 (red), 0.75 (green) and 1 (blue), and the glass slows the light only for exactly these texts. Another number, even 1.0 or .5, turns the arrows at its own rate, but the glass adds no time and the lens does not focus; the mark of a colour is drawn where the number equals 0.5, 0.75 or 1. Numbers are written with a decimal point.</source>
        <translation>Frekvencia svetla, teraz %1. Tlačidlá farieb zapisujú 0.5 (červená), 0.75 (zelená) a 1 (modrá) a sklo spomaľuje svetlo len pri presne týchto textoch. Iné číslo, aj 1.0 alebo .5, otáča šípkami vlastnou rýchlosťou, ale sklo nepridá žiadny čas a šošovka svetlo nesústredí do ohniska; farebná značka sa nakreslí, keď sa číslo rovná 0.5, 0.75 alebo 1. Čísla sa píšu s desatinnou bodkou.</translation>
    </message>
</context>
<context>
    <name>ControlTable</name>
    <message>
        <source>Start</source>
        <translation>Štart</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Stlačte tlačidlo Štart</translation>
    </message>
    <message>
        <source>Radius of lens</source>
        <translation>Polomer</translation>
    </message>
    <message>
        <source>Frequency - colour</source>
        <translation>Frekvencia - farba</translation>
    </message>
    <message>
        <source>Refractive index</source>
        <translation>Index lomu</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Graf</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Clona</translation>
    </message>
    <message>
        <source>Half lens</source>
        <translation>Polovica</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Pravdepod.</translation>
    </message>
    <message>
        <source>Cornu spirals - Vector sum</source>
        <translation>Cornuove špirály - súčet</translation>
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
        <translation>Disperzia</translation>
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
        <translation>Veľký</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>radius of the lens</comment>
        <translation>Stredný</translation>
    </message>
    <message>
        <source>Small</source>
        <comment>radius of the lens</comment>
        <translation>Malý</translation>
    </message>
    <message>
        <source>Great</source>
        <comment>refractive index</comment>
        <translation>Veľký</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>refractive index</comment>
        <translation>Stredný</translation>
    </message>
    <message>
        <source>Small</source>
        <comment>refractive index</comment>
        <translation>Malý</translation>
    </message>
    <message>
        <source>Great</source>
        <comment>aperture: wide open</comment>
        <translation>Veľký</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>aperture: half open</comment>
        <translation>Stredný</translation>
    </message>
    <message>
        <source>Small</source>
        <comment>aperture: narrow</comment>
        <translation>Malý</translation>
    </message>
    <message>
        <source>No</source>
        <comment>half lens: no, the whole lens is open</comment>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>half lens: yes, only the upper half is open</comment>
        <translation>Áno</translation>
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
        <translation>Medzerník</translation>
    </message>
    <message>
        <source>holds a run, and lets it go on again</source>
        <translation>pozastaví beh a znova ho pustí ďalej</translation>
    </message>
    <message>
        <source>Right arrow, Page Down</source>
        <translation>Šípka vpravo, Page Down</translation>
    </message>
    <message>
        <source>draws one more detector point of a held run</source>
        <translation>nakreslí ďalší bod detektora pozastaveného behu</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>stops a run, keeping what it drew</source>
        <translation>zastaví beh; čo nakreslil, zostane</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>copies the picture</source>
        <translation>skopíruje obrázok</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>copies the marks as a table, for a spreadsheet</source>
        <translation>skopíruje značky ako tabuľku pre tabuľkový procesor</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>closes Ravo</source>
        <translation>zatvorí Ravo</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>full screen, and back</source>
        <translation>celá obrazovka a späť</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>tento pomocník</translation>
    </message>
    <message>
        <source>Resting the mouse on a mark</source>
        <translation>Myš podržaná nad značkou</translation>
    </message>
    <message>
        <source>shows its point, x, P and its run&apos;s settings</source>
        <translation>ukáže jej bod, x, P a nastavenia jej behu</translation>
    </message>
    <message>
        <source>A click on a mark</source>
        <translation>Kliknutie na značku</translation>
    </message>
    <message>
        <source>looks inside that detector point: its paths and spiral</source>
        <translation>nahliadne do toho bodu detektora: jeho dráhy a špirála</translation>
    </message>
    <message>
        <source>A right click on the picture</source>
        <translation>Kliknutie pravým tlačidlom do obrázka</translation>
    </message>
    <message>
        <source>the menu: copy, projector colours, pace, language</source>
        <translation>ponuka: kopírovanie, farby pre projektor, tempo, jazyk</translation>
    </message>
    <message>
        <source>Tab to the picture, then arrows</source>
        <translation>Tab na obrázok, potom šípky</translation>
    </message>
    <message>
        <source>from mark to mark: Left and Right along a run, Home and End to its ends, Up and Down to another run</source>
        <translation>zo značky na značku: vľavo a vpravo po behu, Home a End na jeho konce, hore a dole na iný beh</translation>
    </message>
    <message>
        <source>Return on a mark</source>
        <translation>Enter na značke</translation>
    </message>
    <message>
        <source>looks inside its detector point; Escape comes back</source>
        <translation>nahliadne do jej bodu detektora; Esc vráti späť</translation>
    </message>
    <message>
        <source>Menu key, Shift+F10</source>
        <translation>Kláves Menu, Shift+F10</translation>
    </message>
    <message>
        <source>the picture&apos;s menu, at the mark</source>
        <translation>ponuka obrázka pri značke</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>listens to the run: a tone for each point, higher for a higher P</source>
        <translation>prehrá beh: pre každý bod tón, čím vyššie P, tým vyšší tón</translation>
    </message>
    <message>
        <source>Ctrl+L, Ctrl+V</source>
        <translation>Ctrl+L, Ctrl+V</translation>
    </message>
    <message>
        <source>copies the picture as a link, and opens a link</source>
        <translation>skopíruje obrázok ako odkaz a otvorí odkaz</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>brings back the marks that &quot;Yes&quot; to &quot;Delete probability&quot; erased</source>
        <translation>vráti značky zmazané odpoveďou „Áno“ na otázku „Vymazať pravdepodobnosť?“</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>Run %1: %2</source>
        <translation>Beh %1: %2</translation>
    </message>
    <message>
        <source>Runs shown</source>
        <translation>Zobrazené behy</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>A run of the link is damaged.</source>
        <translation>Jeden z behov v odkaze je poškodený.</translation>
    </message>
    <message>
        <source>A frequency text of the link is too long or not text.</source>
        <translation>Text frekvencie v odkaze je príliš dlhý alebo to nie je text.</translation>
    </message>
    <message>
        <source>The link holds a setting that no control can make.</source>
        <translation>Odkaz obsahuje nastavenie, ktoré sa nedá zvoliť žiadnym ovládacím prvkom.</translation>
    </message>
    <message>
        <source>The link is too long to be one of Ravo&apos;s.</source>
        <translation>Odkaz je príliš dlhý na to, aby bol odkazom Ravo.</translation>
    </message>
    <message>
        <source>This is not a Ravo link.</source>
        <translation>Toto nie je odkaz Ravo.</translation>
    </message>
    <message>
        <source>The link comes from a newer Ravo, which this one cannot read.</source>
        <translation>Odkaz pochádza z novšej verzie Ravo, ktorú táto verzia nevie prečítať.</translation>
    </message>
    <message>
        <source>The link is damaged.</source>
        <translation>Odkaz je poškodený.</translation>
    </message>
    <message>
        <source>The link asks for more runs than Ravo draws.</source>
        <translation>Odkaz žiada viac behov, ako Ravo kreslí.</translation>
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
        <translation>bez času v skle</translation>
    </message>
    <message>
        <source>dispersion on</source>
        <translation>disperzia zapnutá</translation>
    </message>
    <message>
        <source>dispersion off</source>
        <translation>disperzia vypnutá</translation>
    </message>
    <message>
        <source>%1, f = %2, %3 · radius %4, index %5, whole lens, aperture %6</source>
        <translation>%1, f = %2, %3 · polomer %4, index %5, celá šošovka, clona %6</translation>
    </message>
    <message>
        <source>%1, f = %2, %3 · radius %4, index %5, half lens, aperture %6</source>
        <translation>%1, f = %2, %3 · polomer %4, index %5, polovica šošovky, clona %6</translation>
    </message>
    <message>
        <source>Point %1, x = %2: P = %3 · %4</source>
        <translation>Bod %1, x = %2: P = %3 · %4</translation>
    </message>
    <message>
        <source>no glass time, as the frequency text is none of 0.5, 0.75 and 1</source>
        <translation>bez času v skle, pretože text frekvencie nie je ani 0.5, ani 0.75, ani 1</translation>
    </message>
</context>
<context>
    <name>MarkTable</name>
    <message>
        <source>run</source>
        <translation>beh</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>farba</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>frekvencia</translation>
    </message>
    <message>
        <source>dispersion</source>
        <translation>disperzia</translation>
    </message>
    <message>
        <source>radius</source>
        <translation>polomer</translation>
    </message>
    <message>
        <source>refractive index</source>
        <translation>index lomu</translation>
    </message>
    <message>
        <source>lens</source>
        <translation>šošovka</translation>
    </message>
    <message>
        <source>aperture</source>
        <translation>clona</translation>
    </message>
    <message>
        <source>detector point</source>
        <translation>bod detektora</translation>
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
        <translation>polovica</translation>
    </message>
    <message>
        <source>path</source>
        <translation>dráha</translation>
    </message>
    <message>
        <source>height at the lens</source>
        <translation>výška pri šošovke</translation>
    </message>
    <message>
        <source>glass thickness</source>
        <translation>hrúbka skla</translation>
    </message>
    <message>
        <source>distance to the point</source>
        <translation>vzdialenosť k bodu</translation>
    </message>
    <message>
        <source>trip time</source>
        <translation>čas cesty</translation>
    </message>
    <message>
        <source>phase</source>
        <translation>fáza</translation>
    </message>
    <message>
        <source>arrow x</source>
        <translation>šípka x</translation>
    </message>
    <message>
        <source>arrow y</source>
        <translation>šípka y</translation>
    </message>
</context>
<context>
    <name>PointView</name>
    <message>
        <source>Ravo - point %1 of run %2</source>
        <translation>Ravo - bod %1 behu %2</translation>
    </message>
    <message>
        <source>Point %1 of %2, x = %3: P = %4</source>
        <translation>Bod %1 z %2, x = %3: P = %4</translation>
    </message>
    <message>
        <source>Run %1: %2</source>
        <translation>Beh %1: %2</translation>
    </message>
    <message>
        <source>Cornu spiral: the arrows of all paths, head to tail</source>
        <translation>Cornuova špirála: šípky všetkých dráh za sebou</translation>
    </message>
    <message>
        <source>trip time</source>
        <translation>čas cesty</translation>
    </message>
    <message>
        <source>height at the lens</source>
        <translation>výška pri šošovke</translation>
    </message>
    <message>
        <source>each path: its trip time, and its arrow</source>
        <translation>každá dráha: jej čas cesty a jej šípka</translation>
    </message>
    <message>
        <source>least time</source>
        <translation>najkratší čas</translation>
    </message>
    <message numerus="yes">
        <source>%n path(s); the resultant is %1 long (P = its length squared times %2)</source>
        <translation>
            <numerusform>%n dráha; výslednica má dĺžku %1 (P = druhá mocnina jej dĺžky krát %2)</numerusform>
            <numerusform>%n dráhy; výslednica má dĺžku %1 (P = druhá mocnina jej dĺžky krát %2)</numerusform>
            <numerusform>%n dráh; výslednica má dĺžku %1 (P = druhá mocnina jej dĺžky krát %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>No marks yet.</source>
        <translation>Zatiaľ žiadne značky.</translation>
    </message>
    <message>
        <source>Run %1: point %2, x = %3: P = %4 · %5</source>
        <translation>Beh %1: bod %2, x = %3: P = %4 · %5</translation>
    </message>
    <message>
        <source>The lens: radius %1, refractive index %2, aperture %3, the whole lens open.</source>
        <translation>Šošovka: polomer %1, index lomu %2, clona %3, otvorená je celá šošovka.</translation>
    </message>
    <message>
        <source>The lens: radius %1, refractive index %2, aperture %3, only its upper half open.</source>
        <translation>Šošovka: polomer %1, index lomu %2, clona %3, otvorená je len jej horná polovica.</translation>
    </message>
    <message>
        <source>No marks are shown yet.</source>
        <translation>Zatiaľ nie sú zobrazené žiadne značky.</translation>
    </message>
    <message>
        <source>Run %1, %2: it comes to its focus at point %3, x = %4, with P = %5; its peak, where the marks stand above half the highest, is %6 pixels wide, from x = %7 to %8.</source>
        <translation>Beh %1, %2: má ohnisko v bode %3, x = %4, s P = %5; jeho vrchol, kde sú značky vyššie ako polovica tej najvyššej, je široký %6 pixelov, od x = %7 po %8.</translation>
    </message>
    <message>
        <source>Every run shown comes to its focus at the same point.</source>
        <translation>Všetky zobrazené behy majú ohnisko v tom istom bode.</translation>
    </message>
    <message>
        <source>Run %1 (%2) comes to its focus nearest the lens, run %3 (%4) farthest from it.</source>
        <translation>Beh %1 (%2) má ohnisko najbližšie k šošovke, beh %3 (%4) najďalej od nej.</translation>
    </message>
    <message>
        <source>Run %1 finished: it comes to its focus at point %2, x = %3, with P = %4.</source>
        <translation>Beh %1 sa skončil: má ohnisko v bode %2, x = %3, s P = %4.</translation>
    </message>
    <message>
        <source>Run %1 stopped: so far its highest mark is at point %2, x = %3, with P = %4.</source>
        <translation>Beh %1 bol zastavený: jeho doteraz najvyššia značka je v bode %2, x = %3, s P = %4.</translation>
    </message>
    <message>
        <source>Run %1 finished.</source>
        <translation>Beh %1 sa skončil.</translation>
    </message>
    <message>
        <source>Run %1 stopped.</source>
        <translation>Beh %1 bol zastavený.</translation>
    </message>
    <message>
        <source>Run %1, %2, not finished (%3 of %4 points): so far its highest mark is at point %5, x = %6, with P = %7.</source>
        <translation>Beh %1, %2, nedokončený (%3 z %4 bodov): jeho doteraz najvyššia značka je v bode %5, x = %6, s P = %7.</translation>
    </message>
</context>
<context>
    <name>frmRavo</name>
    <message>
        <source>Yes</source>
        <translation>Áno</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obrázok</translation>
    </message>
    <message>
        <source>No marks are shown: only the column names were copied.</source>
        <translation>Nie sú zobrazené žiadne značky: skopírovali sa len názvy stĺpcov.</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n mark(s) as a table.</source>
        <translation>
            <numerusform>Skopírovaná %n značka ako tabuľka.</numerusform>
            <numerusform>Skopírované %n značky ako tabuľka.</numerusform>
            <numerusform>Skopírovaných %n značiek ako tabuľka.</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Kopírovať obrázok</translation>
    </message>
    <message>
        <source>Copy data</source>
        <translation>Kopírovať údaje</translation>
    </message>
    <message>
        <source>Projector colours</source>
        <translation>Farby pre projektor</translation>
    </message>
    <message>
        <source>Pace</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rýchle</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Pomalšie</translation>
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
        <translation>Frekvencia musí byť číslo s desatinnou bodkou, nie čiarkou, napríklad 0.5 (červená), 0.75 (zelená) alebo 1 (modrá).</translation>
    </message>
    <message>
        <source>The frequency must be a number, such as 0.5 (red), 0.75 (green) or 1 (blue).</source>
        <translation>Frekvencia musí byť číslo, napríklad 0.5 (červená), 0.75 (zelená) alebo 1 (modrá).</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>%1 (paused)</source>
        <translation>%1 (pozastavené)</translation>
    </message>
    <message>
        <source>Delete probability</source>
        <translation>Vymazať pravdepodobnosť?</translation>
    </message>
    <message>
        <source>Waiting for an answer</source>
        <translation>Čaká sa na odpoveď</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pripravené</translation>
    </message>
    <message>
        <source>Running: point %1 of %2</source>
        <translation>Beží: bod %1 z %2</translation>
    </message>
    <message>
        <source>Held at point %1 of %2 — Space: go on · →: next point · Esc: stop</source>
        <translation>Pozastavené v bode %1 z %2 — Medzerník: ďalej · →: ďalší bod · Esc: zastaviť</translation>
    </message>
    <message>
        <source>Stopped at point %1 of %2</source>
        <translation>Zastavené v bode %1 z %2</translation>
    </message>
    <message>
        <source>Finished: %1 of %2 points</source>
        <translation>Hotovo: %1 z %2 bodov</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>the dispersion display, 25 pixels</comment>
        <translation>Áno</translation>
    </message>
    <message>
        <source>No</source>
        <comment>the dispersion display, 25 pixels</comment>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Kopírovať odkaz</translation>
    </message>
    <message>
        <source>Open link</source>
        <translation>Otvoriť odkaz</translation>
    </message>
    <message>
        <source>Undo erase</source>
        <translation>Vrátiť zmazanie</translation>
    </message>
    <message>
        <source>Marks by shape</source>
        <translation>Značky podľa tvaru</translation>
    </message>
    <message>
        <source>Hide marks</source>
        <translation>Skryť značky</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Vypočuť</translation>
    </message>
    <message>
        <source>Listen: no sound device was found</source>
        <translation>Vypočuť: nenašlo sa žiadne zvukové zariadenie</translation>
    </message>
    <message>
        <source>Listening waits until the run has ended.</source>
        <translation>Počúvanie počká, kým sa beh neskončí.</translation>
    </message>
    <message>
        <source>The picture was copied as a link.</source>
        <translation>Obrázok bol skopírovaný ako odkaz.</translation>
    </message>
    <message numerus="yes">
        <source>Opened a link of %n run(s).</source>
        <translation>
            <numerusform>Otvorený odkaz: %n beh.</numerusform>
            <numerusform>Otvorený odkaz: %n behy.</numerusform>
            <numerusform>Otvorený odkaz: %n behov.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no erase to undo: only the last run&apos;s &quot;Yes&quot; to &quot;Delete probability&quot;, before the next run.</source>
        <translation>Nie je čo vrátiť: vrátiť sa dá len odpoveď „Áno“ na otázku „Vymazať pravdepodobnosť?“ pri poslednom behu, a to pred ďalším behom.</translation>
    </message>
    <message>
        <source>The erased marks are back.</source>
        <translation>Zmazané značky sú späť.</translation>
    </message>
    <message>
        <source>Stopped at point %1 of %2. The glass added no time: the frequency text &quot;%3&quot; is none of 0.5, 0.75 and 1.</source>
        <translation>Zastavené v bode %1 z %2. Sklo nepridalo žiadny čas: text frekvencie „%3“ nie je ani 0.5, ani 0.75, ani 1.</translation>
    </message>
    <message>
        <source>Finished: %1 of %2 points. The glass added no time: the frequency text &quot;%3&quot; is none of 0.5, 0.75 and 1.</source>
        <translation>Hotovo: %1 z %2 bodov. Sklo nepridalo žiadny čas: text frekvencie „%3“ nie je ani 0.5, ani 0.75, ani 1.</translation>
    </message>
</context>
<context>
    <name>ravo-page</name>
    <message>
        <source>Ends Ravo: closes its tab where the browser lets a page do that. Nothing is saved.</source>
        <translation>Ukončí Ravo: zatvorí jeho kartu, ak to prehliadač stránke dovolí. Nič sa neukladá.</translation>
    </message>
    <message>
        <source>To end Ravo, close this tab.</source>
        <translation>Ravo ukončíte zatvorením tejto karty.</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Zavrieť (Esc)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Picture copied</source>
        <translation>Obrázok skopírovaný</translation>
    </message>
    <message>
        <source>Data copied</source>
        <translation>Údaje skopírované</translation>
    </message>
    <message>
        <source>This browser cannot copy pictures.</source>
        <translation>Tento prehliadač nevie kopírovať obrázky.</translation>
    </message>
    <message>
        <source>This browser cannot copy text.</source>
        <translation>Tento prehliadač nevie kopírovať text.</translation>
    </message>
    <message>
        <source>The picture was not copied: %1</source>
        <translation>Obrázok sa neskopíroval: %1</translation>
    </message>
    <message>
        <source>The data was not copied: %1</source>
        <translation>Údaje sa neskopírovali: %1</translation>
    </message>
    <message>
        <source>Link to a Ravo picture (Ctrl+V pastes it here):</source>
        <translation>Odkaz na obrázok Ravo (Ctrl+V ho sem vloží):</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvoriť</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>The link was not copied: %1</source>
        <translation>Odkaz sa neskopíroval: %1</translation>
    </message>
    <message>
        <source>The run</source>
        <translation>Beh</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Pozastaviť</translation>
    </message>
    <message>
        <source>Go on</source>
        <translation>Ďalej</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Krok</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastaviť</translation>
    </message>
    <message>
        <source>Holds the run, and lets it go on again (Space)</source>
        <translation>Pozastaví beh a znova ho pustí ďalej (Medzerník)</translation>
    </message>
    <message>
        <source>Draws the next detector point of a held run (Right arrow)</source>
        <translation>Nakreslí ďalší bod detektora pozastaveného behu (Šípka vpravo)</translation>
    </message>
    <message>
        <source>Stops the run, keeping what is drawn (Esc)</source>
        <translation>Zastaví beh a ponechá, čo je nakreslené (Esc)</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Celá obrazovka</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Opustiť celú obrazovku</translation>
    </message>
    <message>
        <source>Download picture</source>
        <translation>Stiahnuť obrázok</translation>
    </message>
    <message>
        <source>Download data</source>
        <translation>Stiahnuť údaje</translation>
    </message>
    <message>
        <source>Previous point (Left arrow)</source>
        <translation>Predchádzajúci bod (Šípka vľavo)</translation>
    </message>
    <message>
        <source>Next point (Right arrow)</source>
        <translation>Ďalší bod (Šípka vpravo)</translation>
    </message>
</context>
</TS>
