<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>ControlHelp</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Slow-down</source>
        <translation>Spowolnienie</translation>
    </message>
    <message>
        <source>Radius of lens</source>
        <translation>Promień soczewki</translation>
    </message>
    <message>
        <source>Radius of the lens&apos;s curved face, now %1 pixels: Great 500, Middle 450, Small 400.</source>
        <translation>Promień krzywizny wypukłej powierzchni soczewki, teraz %1 pikseli: Duży 500, Średni 450, Mały 400.</translation>
    </message>
    <message>
        <source>Radius of lens: Great</source>
        <translation>Promień soczewki: Duży</translation>
    </message>
    <message>
        <source>Radius of lens: Middle</source>
        <translation>Promień soczewki: Średni</translation>
    </message>
    <message>
        <source>Radius of lens: Small</source>
        <translation>Promień soczewki: Mały</translation>
    </message>
    <message>
        <source>Frequency - colour</source>
        <translation>Częstotliwość - kolor</translation>
    </message>
    <message>
        <source>Colour of the light, now frequency %1: Red 0.5, Green 0.75, Blue 1.</source>
        <translation>Kolor światła, teraz częstotliwość %1: Czerwień 0.5, Zieleń 0.75, Błękit 1.</translation>
    </message>
    <message>
        <source>Frequency - colour: Red</source>
        <translation>Częstotliwość - kolor: Czerwień</translation>
    </message>
    <message>
        <source>Frequency - colour: Green</source>
        <translation>Częstotliwość - kolor: Zieleń</translation>
    </message>
    <message>
        <source>Frequency - colour: Blue</source>
        <translation>Częstotliwość - kolor: Błękit</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Częstotliwość</translation>
    </message>
    <message>
        <source>Refractive index</source>
        <translation>Współczynnik załamania</translation>
    </message>
    <message>
        <source>Refractive index of the glass, now %1: Great 1, Middle 0.98, Small 0.96.</source>
        <translation>Współczynnik załamania szkła, teraz %1: Duży 1, Średni 0.98, Mały 0.96.</translation>
    </message>
    <message>
        <source>Refractive index: Great</source>
        <translation>Współczynnik załamania: Duży</translation>
    </message>
    <message>
        <source>Refractive index: Middle</source>
        <translation>Współczynnik załamania: Średni</translation>
    </message>
    <message>
        <source>Refractive index: Small</source>
        <translation>Współczynnik załamania: Mały</translation>
    </message>
    <message>
        <source>Dispersion</source>
        <translation>Dyspersja</translation>
    </message>
    <message>
        <source>Dispersion, now on: the glass slows red and green light less than blue.</source>
        <translation>Dyspersja, teraz włączona: szkło spowalnia światło czerwone i zielone mniej niż niebieskie.</translation>
    </message>
    <message>
        <source>Dispersion, now off: the glass slows every colour alike. When on, it slows red and green light less than blue.</source>
        <translation>Dyspersja, teraz wyłączona: szkło spowalnia każdy kolor jednakowo. Gdy jest włączona, spowalnia światło czerwone i zielone mniej niż niebieskie.</translation>
    </message>
    <message>
        <source>Dispersion is on.</source>
        <translation>Dyspersja jest włączona.</translation>
    </message>
    <message>
        <source>Dispersion is off.</source>
        <translation>Dyspersja jest wyłączona.</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Wykres</translation>
    </message>
    <message>
        <source>Probabilities are marked as dots, which can stay from run to run.</source>
        <translation>Prawdopodobieństwa są zaznaczane kółkami, które mogą zostać z jednego przebiegu na następny.</translation>
    </message>
    <message>
        <source>Probabilities are marked as bars, which every run erases.</source>
        <translation>Prawdopodobieństwa są zaznaczane słupkami, które każdy przebieg usuwa.</translation>
    </message>
    <message>
        <source>Probabilities are not marked.</source>
        <translation>Prawdopodobieństwa nie są zaznaczane.</translation>
    </message>
    <message>
        <source>Mapping: Dots</source>
        <translation>Wykres: Kółka</translation>
    </message>
    <message>
        <source>Mapping: Bars</source>
        <translation>Wykres: Słupki</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Przysłona</translation>
    </message>
    <message>
        <source>Aperture: the blades close %1 pixels at each edge of the lens (Great 0, Middle 50, Small 100).</source>
        <translation>Przysłona: listki zasłaniają %1 pikseli przy każdej krawędzi soczewki (Duży 0, Średni 50, Mały 100).</translation>
    </message>
    <message>
        <source>Aperture: Great</source>
        <translation>Przysłona: Duży otwór</translation>
    </message>
    <message>
        <source>Aperture: Middle</source>
        <translation>Przysłona: Średni otwór</translation>
    </message>
    <message>
        <source>Aperture: Small</source>
        <translation>Przysłona: Mały otwór</translation>
    </message>
    <message>
        <source>Half lens</source>
        <translation>Połowa soczewki</translation>
    </message>
    <message>
        <source>The whole lens is open now.</source>
        <translation>Teraz otwarta jest cała soczewka.</translation>
    </message>
    <message>
        <source>Only the upper half of the lens is open now.</source>
        <translation>Teraz otwarta jest tylko górna połowa soczewki.</translation>
    </message>
    <message>
        <source>Half lens: No</source>
        <translation>Połowa soczewki: Nie</translation>
    </message>
    <message>
        <source>Half lens: Yes</source>
        <translation>Połowa soczewki: Tak</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Prawdopodobieństwo</translation>
    </message>
    <message>
        <source>Cornu spirals - Vector sum</source>
        <translation>Spirale Cornu - suma wektorów</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Ekran</translation>
    </message>
    <message>
        <source>Slow-down %1: %2 s per detector point, about %3 s a run</source>
        <translation>Spowolnienie %1: %2 s na punkt detektora, około %3 s na przebieg</translation>
    </message>
    <message>
        <source>Starts a run. During a run: Space holds it and releases it again, Right arrow or Page Down draws the next detector point of a held run, Escape stops it.</source>
        <translation>Uruchamia przebieg. W trakcie przebiegu spacja wstrzymuje go i wznawia, strzałka w prawo lub Page Down rysuje kolejny punkt detektora wstrzymanego przebiegu, a Esc go zatrzymuje.</translation>
    </message>
    <message>
        <source>Closes Ravo (Ctrl+Q). Nothing is saved.</source>
        <translation>Zamyka Ravo (Ctrl+Q). Nic nie jest zapisywane.</translation>
    </message>
    <message>
        <source>Radius of the lens: 500 pixels.</source>
        <translation>Promień soczewki: 500 pikseli.</translation>
    </message>
    <message>
        <source>Radius of the lens: 450 pixels.</source>
        <translation>Promień soczewki: 450 pikseli.</translation>
    </message>
    <message>
        <source>Radius of the lens: 400 pixels.</source>
        <translation>Promień soczewki: 400 pikseli.</translation>
    </message>
    <message>
        <source>Red light: frequency 0.5.</source>
        <translation>Światło czerwone: częstotliwość 0.5.</translation>
    </message>
    <message>
        <source>Green light: frequency 0.75.</source>
        <translation>Światło zielone: częstotliwość 0.75.</translation>
    </message>
    <message>
        <source>Blue light: frequency 1.</source>
        <translation>Światło niebieskie: częstotliwość 1.</translation>
    </message>
    <message>
        <source>Refractive index 1.</source>
        <translation>Współczynnik załamania 1.</translation>
    </message>
    <message>
        <source>Refractive index 0.98.</source>
        <translation>Współczynnik załamania 0.98.</translation>
    </message>
    <message>
        <source>Refractive index 0.96.</source>
        <translation>Współczynnik załamania 0.96.</translation>
    </message>
    <message>
        <source>Probabilities as dots; answer &quot;No&quot; to &quot;Delete probability&quot; to keep the dots of earlier runs.</source>
        <translation>Prawdopodobieństwa jako kółka; odpowiedz „Nie” na pytanie „Usunąć prawdopodobieństwo?”, aby zachować kółka z wcześniejszych przebiegów.</translation>
    </message>
    <message>
        <source>Probabilities as bars rising from the base line; every run erases the old ones.</source>
        <translation>Prawdopodobieństwa jako słupki wyrastające z linii bazowej; każdy przebieg usuwa poprzednie.</translation>
    </message>
    <message>
        <source>The blades close nothing: every path is open.</source>
        <translation>Listki niczego nie zasłaniają: wszystkie drogi są otwarte.</translation>
    </message>
    <message>
        <source>The blades close 50 pixels at each edge.</source>
        <translation>Listki zasłaniają 50 pikseli przy każdej krawędzi.</translation>
    </message>
    <message>
        <source>The blades close 100 pixels at each edge.</source>
        <translation>Listki zasłaniają 100 pikseli przy każdej krawędzi.</translation>
    </message>
    <message>
        <source>The whole lens is open.</source>
        <translation>Otwarta jest cała soczewka.</translation>
    </message>
    <message>
        <source>Only the upper half of the lens is open.</source>
        <translation>Otwarta jest tylko górna połowa soczewki.</translation>
    </message>
    <message>
        <source>Above the base line: the probability that light arrives at each detector point.</source>
        <translation>Nad linią bazową: prawdopodobieństwo, że światło dotrze do danego punktu detektora.</translation>
    </message>
    <message>
        <source>Below the axis: each detector point&apos;s arrows added head to tail, and their green sum.</source>
        <translation>Pod osią: strzałki każdego punktu detektora dodane jedna za drugą i ich zielona suma.</translation>
    </message>
    <message>
        <source>The aperture: the blades in front of the flat face of the lens.</source>
        <translation>Przysłona: listki przed płaską powierzchnią soczewki.</translation>
    </message>
    <message>
        <source>Frequency of the light, now %1. The colour buttons write 0.5 (red), 0.75 (green) and 1 (blue), and the glass slows the light only for exactly these texts. Another number, even 1.0 or .5, turns the arrows at its own rate, but the glass adds no time and the lens does not focus; the mark of a colour is drawn where the number equals 0.5, 0.75 or 1. Numbers are written with a decimal point.</source>
        <translation>Częstotliwość światła, teraz %1. Przyciski kolorów wpisują 0.5 (czerwony), 0.75 (zielony) i 1 (niebieski), a szkło spowalnia światło tylko przy dokładnie tych tekstach. Inna liczba, nawet 1.0 lub .5, obraca strzałki we własnym tempie, ale szkło nie dodaje czasu i soczewka nie skupia światła w ognisku; kolorowy znacznik jest rysowany, gdy liczba jest równa 0.5, 0.75 lub 1. Liczby zapisuje się z kropką dziesiętną.</translation>
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
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Naciśnij przycisk Start</translation>
    </message>
    <message>
        <source>Radius of lens</source>
        <translation>Promień socz.</translation>
    </message>
    <message>
        <source>Frequency - colour</source>
        <translation>Częstotliwość - kolor</translation>
    </message>
    <message>
        <source>Refractive index</source>
        <translation>Wsp. załamania</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Wykres</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Przysłona</translation>
    </message>
    <message>
        <source>Half lens</source>
        <translation>Połowa</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Prawdopod.</translation>
    </message>
    <message>
        <source>Cornu spirals - Vector sum</source>
        <translation>Spirale Cornu - suma</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Ekran</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwień</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zieleń</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Błękit</translation>
    </message>
    <message>
        <source>Dispercion</source>
        <translation>Dyspersja</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Kółka</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Słupki</translation>
    </message>
    <message>
        <source>Great</source>
        <comment>radius of the lens</comment>
        <translation>Duży</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>radius of the lens</comment>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Small</source>
        <comment>radius of the lens</comment>
        <translation>Mały</translation>
    </message>
    <message>
        <source>Great</source>
        <comment>refractive index</comment>
        <translation>Duży</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>refractive index</comment>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Small</source>
        <comment>refractive index</comment>
        <translation>Mały</translation>
    </message>
    <message>
        <source>Great</source>
        <comment>aperture: wide open</comment>
        <translation>Duży</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>aperture: half open</comment>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Small</source>
        <comment>aperture: narrow</comment>
        <translation>Mały</translation>
    </message>
    <message>
        <source>No</source>
        <comment>half lens: no, the whole lens is open</comment>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>half lens: yes, only the upper half is open</comment>
        <translation>Tak</translation>
    </message>
</context>
<context>
    <name>KeysHelp</name>
    <message>
        <source>Ravo - keys and mouse</source>
        <translation>Ravo - klawisze i mysz</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spacja</translation>
    </message>
    <message>
        <source>holds a run, and lets it go on again</source>
        <translation>wstrzymuje przebieg i wznawia go</translation>
    </message>
    <message>
        <source>Right arrow, Page Down</source>
        <translation>Strzałka w prawo, Page Down</translation>
    </message>
    <message>
        <source>draws one more detector point of a held run</source>
        <translation>rysuje kolejny punkt detektora wstrzymanego przebiegu</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>stops a run, keeping what it drew</source>
        <translation>zatrzymuje przebieg, zachowując to, co narysował</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>copies the picture</source>
        <translation>kopiuje obraz</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>copies the marks as a table, for a spreadsheet</source>
        <translation>kopiuje znaczniki jako tabelę do arkusza kalkulacyjnego</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>closes Ravo</source>
        <translation>zamyka Ravo</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>full screen, and back</source>
        <translation>pełny ekran i z powrotem</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>ta pomoc</translation>
    </message>
    <message>
        <source>Resting the mouse on a mark</source>
        <translation>Kursor myszy nad znacznikiem</translation>
    </message>
    <message>
        <source>shows its point, x, P and its run&apos;s settings</source>
        <translation>pokazuje jego punkt, x, P i ustawienia jego przebiegu</translation>
    </message>
    <message>
        <source>A click on a mark</source>
        <translation>Kliknięcie znacznika</translation>
    </message>
    <message>
        <source>looks inside that detector point: its paths and spiral</source>
        <translation>zagląda do wnętrza tego punktu detektora: jego drogi i spirala</translation>
    </message>
    <message>
        <source>A right click on the picture</source>
        <translation>Kliknięcie prawym przyciskiem na obrazie</translation>
    </message>
    <message>
        <source>the menu: copy, projector colours, pace, language</source>
        <translation>menu: kopiowanie, kolory dla projektora, tempo, język</translation>
    </message>
    <message>
        <source>Tab to the picture, then arrows</source>
        <translation>Tab do obrazu, potem strzałki</translation>
    </message>
    <message>
        <source>from mark to mark: Left and Right along a run, Home and End to its ends, Up and Down to another run</source>
        <translation>od znacznika do znacznika: w lewo i w prawo wzdłuż przebiegu, Home i End na jego końce, w górę i w dół do innego przebiegu</translation>
    </message>
    <message>
        <source>Return on a mark</source>
        <translation>Enter na znaczniku</translation>
    </message>
    <message>
        <source>looks inside its detector point; Escape comes back</source>
        <translation>zagląda do wnętrza jego punktu detektora; Esc wraca</translation>
    </message>
    <message>
        <source>Menu key, Shift+F10</source>
        <translation>Klawisz Menu, Shift+F10</translation>
    </message>
    <message>
        <source>the picture&apos;s menu, at the mark</source>
        <translation>menu obrazu przy znaczniku</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>listens to the run: a tone for each point, higher for a higher P</source>
        <translation>odtwarza przebieg: ton dla każdego punktu, tym wyższy, im wyższe P</translation>
    </message>
    <message>
        <source>Ctrl+L, Ctrl+V</source>
        <translation>Ctrl+L, Ctrl+V</translation>
    </message>
    <message>
        <source>copies the picture as a link, and opens a link</source>
        <translation>kopiuje obraz jako link i otwiera link</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>brings back the marks that &quot;Yes&quot; to &quot;Delete probability&quot; erased</source>
        <translation>przywraca znaczniki usunięte odpowiedzią „Tak” na pytanie „Usunąć prawdopodobieństwo?”</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>Run %1: %2</source>
        <translation>Przebieg %1: %2</translation>
    </message>
    <message>
        <source>Runs shown</source>
        <translation>Widoczne przebiegi</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>A run of the link is damaged.</source>
        <translation>Jeden z przebiegów w linku jest uszkodzony.</translation>
    </message>
    <message>
        <source>A frequency text of the link is too long or not text.</source>
        <translation>Tekst częstotliwości w linku jest za długi albo nie jest tekstem.</translation>
    </message>
    <message>
        <source>The link holds a setting that no control can make.</source>
        <translation>Link zawiera ustawienie, którego nie da się wybrać żadnym elementem sterującym.</translation>
    </message>
    <message>
        <source>The link is too long to be one of Ravo&apos;s.</source>
        <translation>Link jest za długi, by mógł być linkiem Ravo.</translation>
    </message>
    <message>
        <source>This is not a Ravo link.</source>
        <translation>To nie jest link Ravo.</translation>
    </message>
    <message>
        <source>The link comes from a newer Ravo, which this one cannot read.</source>
        <translation>Link pochodzi z nowszej wersji Ravo, której ta wersja nie potrafi odczytać.</translation>
    </message>
    <message>
        <source>The link is damaged.</source>
        <translation>Link jest uszkodzony.</translation>
    </message>
    <message>
        <source>The link asks for more runs than Ravo draws.</source>
        <translation>Link żąda więcej przebiegów, niż Ravo rysuje.</translation>
    </message>
</context>
<context>
    <name>MarkReadout</name>
    <message>
        <source>red</source>
        <translation>czerwony</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zielony</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>niebieski</translation>
    </message>
    <message>
        <source>no glass time</source>
        <translation>bez czasu w szkle</translation>
    </message>
    <message>
        <source>dispersion on</source>
        <translation>dyspersja włączona</translation>
    </message>
    <message>
        <source>dispersion off</source>
        <translation>dyspersja wyłączona</translation>
    </message>
    <message>
        <source>%1, f = %2, %3 · radius %4, index %5, whole lens, aperture %6</source>
        <translation>%1, f = %2, %3 · promień %4, wsp. załamania %5, cała soczewka, przysłona %6</translation>
    </message>
    <message>
        <source>%1, f = %2, %3 · radius %4, index %5, half lens, aperture %6</source>
        <translation>%1, f = %2, %3 · promień %4, wsp. załamania %5, połowa soczewki, przysłona %6</translation>
    </message>
    <message>
        <source>Point %1, x = %2: P = %3 · %4</source>
        <translation>Punkt %1, x = %2: P = %3 · %4</translation>
    </message>
    <message>
        <source>no glass time, as the frequency text is none of 0.5, 0.75 and 1</source>
        <translation>bez czasu w szkle, bo tekst częstotliwości nie jest żadną z wartości 0.5, 0.75 i 1</translation>
    </message>
</context>
<context>
    <name>MarkTable</name>
    <message>
        <source>run</source>
        <translation>przebieg</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>kolor</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>częstotliwość</translation>
    </message>
    <message>
        <source>dispersion</source>
        <translation>dyspersja</translation>
    </message>
    <message>
        <source>radius</source>
        <translation>promień</translation>
    </message>
    <message>
        <source>refractive index</source>
        <translation>współczynnik załamania</translation>
    </message>
    <message>
        <source>lens</source>
        <translation>soczewka</translation>
    </message>
    <message>
        <source>aperture</source>
        <translation>przysłona</translation>
    </message>
    <message>
        <source>detector point</source>
        <translation>punkt detektora</translation>
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
        <translation>wysokość znacznika</translation>
    </message>
    <message>
        <source>whole</source>
        <translation>cała</translation>
    </message>
    <message>
        <source>half</source>
        <translation>połowa</translation>
    </message>
    <message>
        <source>path</source>
        <translation>droga</translation>
    </message>
    <message>
        <source>height at the lens</source>
        <translation>wysokość przy soczewce</translation>
    </message>
    <message>
        <source>glass thickness</source>
        <translation>grubość szkła</translation>
    </message>
    <message>
        <source>distance to the point</source>
        <translation>odległość do punktu</translation>
    </message>
    <message>
        <source>trip time</source>
        <translation>czas przelotu</translation>
    </message>
    <message>
        <source>phase</source>
        <translation>faza</translation>
    </message>
    <message>
        <source>arrow x</source>
        <translation>strzałka x</translation>
    </message>
    <message>
        <source>arrow y</source>
        <translation>strzałka y</translation>
    </message>
</context>
<context>
    <name>PointView</name>
    <message>
        <source>Ravo - point %1 of run %2</source>
        <translation>Ravo - punkt %1 przebiegu %2</translation>
    </message>
    <message>
        <source>Point %1 of %2, x = %3: P = %4</source>
        <translation>Punkt %1 z %2, x = %3: P = %4</translation>
    </message>
    <message>
        <source>Run %1: %2</source>
        <translation>Przebieg %1: %2</translation>
    </message>
    <message>
        <source>Cornu spiral: the arrows of all paths, head to tail</source>
        <translation>Spirala Cornu: strzałki dróg, jedna za drugą</translation>
    </message>
    <message>
        <source>trip time</source>
        <translation>czas przelotu</translation>
    </message>
    <message>
        <source>height at the lens</source>
        <translation>wysokość przy soczewce</translation>
    </message>
    <message>
        <source>each path: its trip time, and its arrow</source>
        <translation>każda droga: jej czas przelotu i jej strzałka</translation>
    </message>
    <message>
        <source>least time</source>
        <translation>najkrótszy czas</translation>
    </message>
    <message numerus="yes">
        <source>%n path(s); the resultant is %1 long (P = its length squared times %2)</source>
        <translation>
            <numerusform>%n droga; wypadkowa ma długość %1 (P = kwadrat jej długości razy %2)</numerusform>
            <numerusform>%n drogi; wypadkowa ma długość %1 (P = kwadrat jej długości razy %2)</numerusform>
            <numerusform>%n dróg; wypadkowa ma długość %1 (P = kwadrat jej długości razy %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>No marks yet.</source>
        <translation>Na razie brak znaczników.</translation>
    </message>
    <message>
        <source>Run %1: point %2, x = %3: P = %4 · %5</source>
        <translation>Przebieg %1: punkt %2, x = %3: P = %4 · %5</translation>
    </message>
    <message>
        <source>The lens: radius %1, refractive index %2, aperture %3, the whole lens open.</source>
        <translation>Soczewka: promień %1, współczynnik załamania %2, przysłona %3, otwarta jest cała soczewka.</translation>
    </message>
    <message>
        <source>The lens: radius %1, refractive index %2, aperture %3, only its upper half open.</source>
        <translation>Soczewka: promień %1, współczynnik załamania %2, przysłona %3, otwarta jest tylko jej górna połowa.</translation>
    </message>
    <message>
        <source>No marks are shown yet.</source>
        <translation>Nie ma jeszcze widocznych znaczników.</translation>
    </message>
    <message>
        <source>Run %1, %2: it comes to its focus at point %3, x = %4, with P = %5; its peak, where the marks stand above half the highest, is %6 pixels wide, from x = %7 to %8.</source>
        <translation>Przebieg %1, %2: ma ognisko w punkcie %3, x = %4, przy P = %5; jego szczyt, gdzie znaczniki są wyżej niż połowa najwyższego, ma szerokość %6 pikseli, od x = %7 do %8.</translation>
    </message>
    <message>
        <source>Every run shown comes to its focus at the same point.</source>
        <translation>Wszystkie widoczne przebiegi mają ognisko w tym samym punkcie.</translation>
    </message>
    <message>
        <source>Run %1 (%2) comes to its focus nearest the lens, run %3 (%4) farthest from it.</source>
        <translation>Przebieg %1 (%2) ma ognisko najbliżej soczewki, przebieg %3 (%4) najdalej od niej.</translation>
    </message>
    <message>
        <source>Run %1 finished: it comes to its focus at point %2, x = %3, with P = %4.</source>
        <translation>Przebieg %1 zakończony: ma ognisko w punkcie %2, x = %3, przy P = %4.</translation>
    </message>
    <message>
        <source>Run %1 stopped: so far its highest mark is at point %2, x = %3, with P = %4.</source>
        <translation>Przebieg %1 zatrzymany: jak dotąd jego najwyższy znacznik jest w punkcie %2, x = %3, przy P = %4.</translation>
    </message>
    <message>
        <source>Run %1 finished.</source>
        <translation>Przebieg %1 zakończony.</translation>
    </message>
    <message>
        <source>Run %1 stopped.</source>
        <translation>Przebieg %1 zatrzymany.</translation>
    </message>
    <message>
        <source>Run %1, %2, not finished (%3 of %4 points): so far its highest mark is at point %5, x = %6, with P = %7.</source>
        <translation>Przebieg %1, %2, niedokończony (%3 z %4 punktów): jak dotąd jego najwyższy znacznik jest w punkcie %5, x = %6, przy P = %7.</translation>
    </message>
</context>
<context>
    <name>frmRavo</name>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>No marks are shown: only the column names were copied.</source>
        <translation>Nie ma widocznych znaczników: skopiowano tylko nazwy kolumn.</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n mark(s) as a table.</source>
        <translation>
            <numerusform>Skopiowano %n znacznik jako tabelę.</numerusform>
            <numerusform>Skopiowano %n znaczniki jako tabelę.</numerusform>
            <numerusform>Skopiowano %n znaczników jako tabelę.</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Kopiuj obraz</translation>
    </message>
    <message>
        <source>Copy data</source>
        <translation>Kopiuj dane</translation>
    </message>
    <message>
        <source>Projector colours</source>
        <translation>Kolory dla projektora</translation>
    </message>
    <message>
        <source>Pace</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Szybkie</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Wolniejsze</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Wolne</translation>
    </message>
    <message>
        <source>Keys and mouse</source>
        <translation>Klawisze i mysz</translation>
    </message>
    <message>
        <source>The frequency must be a number with a decimal point, not a comma, such as 0.5 (red), 0.75 (green) or 1 (blue).</source>
        <translation>Częstotliwość musi być liczbą z kropką dziesiętną, nie z przecinkiem, na przykład 0.5 (czerwony), 0.75 (zielony) lub 1 (niebieski).</translation>
    </message>
    <message>
        <source>The frequency must be a number, such as 0.5 (red), 0.75 (green) or 1 (blue).</source>
        <translation>Częstotliwość musi być liczbą, na przykład 0.5 (czerwony), 0.75 (zielony) lub 1 (niebieski).</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>%1 (paused)</source>
        <translation>%1 (wstrzymano)</translation>
    </message>
    <message>
        <source>Delete probability</source>
        <translation>Usunąć prawdopodobieństwo?</translation>
    </message>
    <message>
        <source>Waiting for an answer</source>
        <translation>Oczekiwanie na odpowiedź</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Running: point %1 of %2</source>
        <translation>Trwa: punkt %1 z %2</translation>
    </message>
    <message>
        <source>Held at point %1 of %2 — Space: go on · →: next point · Esc: stop</source>
        <translation>Wstrzymano w punkcie %1 z %2 — Spacja: dalej · →: następny punkt · Esc: zatrzymaj</translation>
    </message>
    <message>
        <source>Stopped at point %1 of %2</source>
        <translation>Zatrzymano w punkcie %1 z %2</translation>
    </message>
    <message>
        <source>Finished: %1 of %2 points</source>
        <translation>Zakończono: %1 z %2 punktów</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>the dispersion display, 25 pixels</comment>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <comment>the dispersion display, 25 pixels</comment>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Kopiuj link</translation>
    </message>
    <message>
        <source>Open link</source>
        <translation>Otwórz link</translation>
    </message>
    <message>
        <source>Undo erase</source>
        <translation>Cofnij usunięcie</translation>
    </message>
    <message>
        <source>Marks by shape</source>
        <translation>Kształty znaczników</translation>
    </message>
    <message>
        <source>Hide marks</source>
        <translation>Ukryj znaczniki</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Odsłuchaj</translation>
    </message>
    <message>
        <source>Listen: no sound device was found</source>
        <translation>Odsłuchaj: nie znaleziono urządzenia dźwiękowego</translation>
    </message>
    <message>
        <source>Listening waits until the run has ended.</source>
        <translation>Odsłuch poczeka, aż przebieg się zakończy.</translation>
    </message>
    <message>
        <source>The picture was copied as a link.</source>
        <translation>Obraz został skopiowany jako link.</translation>
    </message>
    <message numerus="yes">
        <source>Opened a link of %n run(s).</source>
        <translation>
            <numerusform>Otwarto link: %n przebieg.</numerusform>
            <numerusform>Otwarto link: %n przebiegi.</numerusform>
            <numerusform>Otwarto link: %n przebiegów.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no erase to undo: only the last run&apos;s &quot;Yes&quot; to &quot;Delete probability&quot;, before the next run.</source>
        <translation>Nie ma czego cofnąć: cofnąć można tylko odpowiedź „Tak” na pytanie „Usunąć prawdopodobieństwo?” przy ostatnim przebiegu, i to przed następnym przebiegiem.</translation>
    </message>
    <message>
        <source>The erased marks are back.</source>
        <translation>Usunięte znaczniki wróciły.</translation>
    </message>
    <message>
        <source>Stopped at point %1 of %2. The glass added no time: the frequency text &quot;%3&quot; is none of 0.5, 0.75 and 1.</source>
        <translation>Zatrzymano w punkcie %1 z %2. Szkło nie dodało czasu: tekst częstotliwości „%3” nie jest żadną z wartości 0.5, 0.75 i 1.</translation>
    </message>
    <message>
        <source>Finished: %1 of %2 points. The glass added no time: the frequency text &quot;%3&quot; is none of 0.5, 0.75 and 1.</source>
        <translation>Zakończono: %1 z %2 punktów. Szkło nie dodało czasu: tekst częstotliwości „%3” nie jest żadną z wartości 0.5, 0.75 i 1.</translation>
    </message>
</context>
<context>
    <name>ravo-page</name>
    <message>
        <source>Ends Ravo: closes its tab where the browser lets a page do that. Nothing is saved.</source>
        <translation>Kończy Ravo: zamyka jego kartę, jeśli przeglądarka pozwala na to stronie. Nic nie jest zapisywane.</translation>
    </message>
    <message>
        <source>To end Ravo, close this tab.</source>
        <translation>Aby zakończyć Ravo, zamknij tę kartę.</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Zamknij (Esc)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Picture copied</source>
        <translation>Skopiowano obraz</translation>
    </message>
    <message>
        <source>Data copied</source>
        <translation>Skopiowano dane</translation>
    </message>
    <message>
        <source>This browser cannot copy pictures.</source>
        <translation>Ta przeglądarka nie umie kopiować obrazów.</translation>
    </message>
    <message>
        <source>This browser cannot copy text.</source>
        <translation>Ta przeglądarka nie umie kopiować tekstu.</translation>
    </message>
    <message>
        <source>The picture was not copied: %1</source>
        <translation>Nie skopiowano obrazu: %1</translation>
    </message>
    <message>
        <source>The data was not copied: %1</source>
        <translation>Nie skopiowano danych: %1</translation>
    </message>
    <message>
        <source>Link to a Ravo picture (Ctrl+V pastes it here):</source>
        <translation>Link do obrazu Ravo (Ctrl+V wkleja go tutaj):</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>The link was not copied: %1</source>
        <translation>Nie skopiowano linku: %1</translation>
    </message>
    <message>
        <source>The run</source>
        <translation>Przebieg</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Go on</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Krok</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Holds the run, and lets it go on again (Space)</source>
        <translation>Wstrzymuje przebieg i wznawia go (Spacja)</translation>
    </message>
    <message>
        <source>Draws the next detector point of a held run (Right arrow)</source>
        <translation>Rysuje następny punkt detektora wstrzymanego przebiegu (Strzałka w prawo)</translation>
    </message>
    <message>
        <source>Stops the run, keeping what is drawn (Esc)</source>
        <translation>Zatrzymuje przebieg, zachowując to, co narysowane (Esc)</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Zamknij pełny ekran</translation>
    </message>
    <message>
        <source>Download picture</source>
        <translation>Pobierz obraz</translation>
    </message>
    <message>
        <source>Download data</source>
        <translation>Pobierz dane</translation>
    </message>
    <message>
        <source>Previous point (Left arrow)</source>
        <translation>Poprzedni punkt (Strzałka w lewo)</translation>
    </message>
    <message>
        <source>Next point (Right arrow)</source>
        <translation>Następny punkt (Strzałka w prawo)</translation>
    </message>
</context>
</TS>
