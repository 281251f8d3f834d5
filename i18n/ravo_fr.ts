<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ControlHelp</name>
    <message>
        <source>Start</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Slow-down</source>
        <translation>Ralentissement</translation>
    </message>
    <message>
        <source>Radius of lens</source>
        <translation>Rayon de la lentille</translation>
    </message>
    <message>
        <source>Radius of the lens&apos;s curved face, now %1 pixels: Great 500, Middle 450, Small 400.</source>
        <translation>Rayon de la face bombée de la lentille, actuellement %1 pixels&#xa0;: Grand 500, Moyen 450, Petit 400.</translation>
    </message>
    <message>
        <source>Radius of lens: Great</source>
        <translation>Rayon de la lentille&#xa0;: Grand</translation>
    </message>
    <message>
        <source>Radius of lens: Middle</source>
        <translation>Rayon de la lentille&#xa0;: Moyen</translation>
    </message>
    <message>
        <source>Radius of lens: Small</source>
        <translation>Rayon de la lentille&#xa0;: Petit</translation>
    </message>
    <message>
        <source>Frequency - colour</source>
        <translation>Fréquence – couleur</translation>
    </message>
    <message>
        <source>Colour of the light, now frequency %1: Red 0.5, Green 0.75, Blue 1.</source>
        <translation>Couleur de la lumière, actuellement fréquence %1&#xa0;: Rouge 0.5, Vert 0.75, Bleu 1.</translation>
    </message>
    <message>
        <source>Frequency - colour: Red</source>
        <translation>Fréquence – couleur&#xa0;: Rouge</translation>
    </message>
    <message>
        <source>Frequency - colour: Green</source>
        <translation>Fréquence – couleur&#xa0;: Vert</translation>
    </message>
    <message>
        <source>Frequency - colour: Blue</source>
        <translation>Fréquence – couleur&#xa0;: Bleu</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Refractive index</source>
        <translation>Indice de réfraction</translation>
    </message>
    <message>
        <source>Refractive index of the glass, now %1: Great 1, Middle 0.98, Small 0.96.</source>
        <translation>Indice de réfraction du verre, actuellement %1&#xa0;: Élevé 1, Moyen 0.98, Faible 0.96.</translation>
    </message>
    <message>
        <source>Refractive index: Great</source>
        <translation>Indice de réfraction&#xa0;: Élevé</translation>
    </message>
    <message>
        <source>Refractive index: Middle</source>
        <translation>Indice de réfraction&#xa0;: Moyen</translation>
    </message>
    <message>
        <source>Refractive index: Small</source>
        <translation>Indice de réfraction&#xa0;: Faible</translation>
    </message>
    <message>
        <source>Dispersion</source>
        <translation>Dispersion</translation>
    </message>
    <message>
        <source>Dispersion, now on: the glass slows red and green light less than blue.</source>
        <translation>Dispersion, actuellement activée&#xa0;: le verre ralentit moins la lumière rouge et la verte que la bleue.</translation>
    </message>
    <message>
        <source>Dispersion, now off: the glass slows every colour alike. When on, it slows red and green light less than blue.</source>
        <translation>Dispersion, actuellement désactivée&#xa0;: le verre ralentit toutes les couleurs de la même façon. Quand elle est activée, le verre ralentit moins la lumière rouge et la verte que la bleue.</translation>
    </message>
    <message>
        <source>Dispersion is on.</source>
        <translation>La dispersion est activée.</translation>
    </message>
    <message>
        <source>Dispersion is off.</source>
        <translation>La dispersion est désactivée.</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>Probabilities are marked as dots, which can stay from run to run.</source>
        <translation>Les probabilités sont marquées par des points, qui peuvent rester d’une exécution à l’autre.</translation>
    </message>
    <message>
        <source>Probabilities are marked as bars, which every run erases.</source>
        <translation>Les probabilités sont marquées par des traits, que chaque exécution efface.</translation>
    </message>
    <message>
        <source>Probabilities are not marked.</source>
        <translation>Les probabilités ne sont pas marquées.</translation>
    </message>
    <message>
        <source>Mapping: Dots</source>
        <translation>Marque&#xa0;: Point</translation>
    </message>
    <message>
        <source>Mapping: Bars</source>
        <translation>Marque&#xa0;: Trait</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Diaphragme</translation>
    </message>
    <message>
        <source>Aperture: the blades close %1 pixels at each edge of the lens (Great 0, Middle 50, Small 100).</source>
        <translation>Diaphragme&#xa0;: les lames couvrent %1 pixels à chaque bord de la lentille (Grand 0, Moyen 50, Petit 100).</translation>
    </message>
    <message>
        <source>Aperture: Great</source>
        <translation>Diaphragme&#xa0;: Grand</translation>
    </message>
    <message>
        <source>Aperture: Middle</source>
        <translation>Diaphragme&#xa0;: Moyen</translation>
    </message>
    <message>
        <source>Aperture: Small</source>
        <translation>Diaphragme&#xa0;: Petit</translation>
    </message>
    <message>
        <source>Half lens</source>
        <translation>Demi-lentille</translation>
    </message>
    <message>
        <source>The whole lens is open now.</source>
        <translation>La lentille est maintenant ouverte en entier.</translation>
    </message>
    <message>
        <source>Only the upper half of the lens is open now.</source>
        <translation>Seule la moitié supérieure de la lentille est maintenant ouverte.</translation>
    </message>
    <message>
        <source>Half lens: No</source>
        <translation>Demi-lentille&#xa0;: Non</translation>
    </message>
    <message>
        <source>Half lens: Yes</source>
        <translation>Demi-lentille&#xa0;: Oui</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Probabilité</translation>
    </message>
    <message>
        <source>Cornu spirals - Vector sum</source>
        <translation>Spirales de Cornu – Somme vectorielle</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Écran</translation>
    </message>
    <message>
        <source>Slow-down %1: %2 s per detector point, about %3 s a run</source>
        <translation>Ralentissement %1&#xa0;: %2 s par point de détection, environ %3 s par exécution</translation>
    </message>
    <message>
        <source>Starts a run. During a run: Space holds it and releases it again, Right arrow or Page Down draws the next detector point of a held run, Escape stops it.</source>
        <translation>Lance une exécution. Pendant l’exécution, la touche Espace la met en pause puis la laisse reprendre, Flèche droite ou Pg Suiv trace le point de détection suivant d’une exécution en pause, et Échap l’arrête.</translation>
    </message>
    <message>
        <source>Closes Ravo (Ctrl+Q). Nothing is saved.</source>
        <translation>Ferme Ravo (Ctrl+Q). Rien n’est enregistré.</translation>
    </message>
    <message>
        <source>Radius of the lens: 500 pixels.</source>
        <translation>Rayon de la lentille&#xa0;: 500 pixels.</translation>
    </message>
    <message>
        <source>Radius of the lens: 450 pixels.</source>
        <translation>Rayon de la lentille&#xa0;: 450 pixels.</translation>
    </message>
    <message>
        <source>Radius of the lens: 400 pixels.</source>
        <translation>Rayon de la lentille&#xa0;: 400 pixels.</translation>
    </message>
    <message>
        <source>Red light: frequency 0.5.</source>
        <translation>Lumière rouge&#xa0;: fréquence 0.5.</translation>
    </message>
    <message>
        <source>Green light: frequency 0.75.</source>
        <translation>Lumière verte&#xa0;: fréquence 0.75.</translation>
    </message>
    <message>
        <source>Blue light: frequency 1.</source>
        <translation>Lumière bleue&#xa0;: fréquence 1.</translation>
    </message>
    <message>
        <source>Refractive index 1.</source>
        <translation>Indice de réfraction 1.</translation>
    </message>
    <message>
        <source>Refractive index 0.98.</source>
        <translation>Indice de réfraction 0.98.</translation>
    </message>
    <message>
        <source>Refractive index 0.96.</source>
        <translation>Indice de réfraction 0.96.</translation>
    </message>
    <message>
        <source>Probabilities as dots; answer &quot;No&quot; to &quot;Delete probability&quot; to keep the dots of earlier runs.</source>
        <translation>Probabilités sous forme de points&#xa0;; répondez «&#xa0;Non&#xa0;» à «&#xa0;Effacer la probabilité&#xa0;» pour garder les points des exécutions précédentes.</translation>
    </message>
    <message>
        <source>Probabilities as bars rising from the base line; every run erases the old ones.</source>
        <translation>Probabilités sous forme de traits qui montent depuis la ligne de base&#xa0;; chaque exécution efface les anciens.</translation>
    </message>
    <message>
        <source>The blades close nothing: every path is open.</source>
        <translation>Les lames ne couvrent rien&#xa0;: tous les chemins sont ouverts.</translation>
    </message>
    <message>
        <source>The blades close 50 pixels at each edge.</source>
        <translation>Les lames couvrent 50 pixels à chaque bord.</translation>
    </message>
    <message>
        <source>The blades close 100 pixels at each edge.</source>
        <translation>Les lames couvrent 100 pixels à chaque bord.</translation>
    </message>
    <message>
        <source>The whole lens is open.</source>
        <translation>La lentille est ouverte en entier.</translation>
    </message>
    <message>
        <source>Only the upper half of the lens is open.</source>
        <translation>Seule la moitié supérieure de la lentille est ouverte.</translation>
    </message>
    <message>
        <source>Above the base line: the probability that light arrives at each detector point.</source>
        <translation>Au-dessus de la ligne de base&#xa0;: la probabilité que la lumière arrive en chaque point de détection.</translation>
    </message>
    <message>
        <source>Below the axis: each detector point&apos;s arrows added head to tail, and their green sum.</source>
        <translation>Sous l’axe&#xa0;: les flèches de chaque point de détection mises bout à bout, et leur somme en vert.</translation>
    </message>
    <message>
        <source>The aperture: the blades in front of the flat face of the lens.</source>
        <translation>Le diaphragme&#xa0;: les lames placées devant la face plane de la lentille.</translation>
    </message>
    <message>
        <source>Frequency of the light, now %1. The colour buttons write 0.5 (red), 0.75 (green) and 1 (blue), and the glass slows the light only for exactly these texts. Another number, even 1.0 or .5, turns the arrows at its own rate, but the glass adds no time and the lens does not focus; the mark of a colour is drawn where the number equals 0.5, 0.75 or 1. Numbers are written with a decimal point.</source>
        <translation>Fréquence de la lumière, actuellement %1. Les boutons de couleur écrivent 0.5 (rouge), 0.75 (vert) et 1 (bleu), et le verre ne ralentit la lumière que pour exactement ces textes. Un autre nombre, même 1.0 ou .5, fait tourner les flèches à son propre rythme, mais le verre n’ajoute aucun temps et la lentille ne focalise pas&#xa0;; une marque de couleur est tracée lorsque le nombre vaut 0.5, 0.75 ou 1. Les nombres s’écrivent avec un point décimal.</translation>
    </message>
</context>
<context>
    <name>ControlTable</name>
    <message>
        <source>Start</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Cliquez sur Départ</translation>
    </message>
    <message>
        <source>Radius of lens</source>
        <translation>Rayon lentille</translation>
    </message>
    <message>
        <source>Frequency - colour</source>
        <translation>Fréquence – couleur</translation>
    </message>
    <message>
        <source>Refractive index</source>
        <translation>Indice de réfraction</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Diaphragme</translation>
    </message>
    <message>
        <source>Half lens</source>
        <translation>½ lentille</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Probabilité</translation>
    </message>
    <message>
        <source>Cornu spirals - Vector sum</source>
        <translation>Spirales de Cornu, somme</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Écran</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Dispercion</source>
        <translation>Dispersion</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Trait</translation>
    </message>
    <message>
        <source>Great</source>
        <comment>radius of the lens</comment>
        <translation>Grand</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>radius of the lens</comment>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Small</source>
        <comment>radius of the lens</comment>
        <translation>Petit</translation>
    </message>
    <message>
        <source>Great</source>
        <comment>refractive index</comment>
        <translation>Élevé</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>refractive index</comment>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Small</source>
        <comment>refractive index</comment>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Great</source>
        <comment>aperture: wide open</comment>
        <translation>Grand</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>aperture: half open</comment>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Small</source>
        <comment>aperture: narrow</comment>
        <translation>Petit</translation>
    </message>
    <message>
        <source>No</source>
        <comment>half lens: no, the whole lens is open</comment>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>half lens: yes, only the upper half is open</comment>
        <translation>Oui</translation>
    </message>
</context>
<context>
    <name>KeysHelp</name>
    <message>
        <source>Ravo - keys and mouse</source>
        <translation>Ravo – touches et souris</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>holds a run, and lets it go on again</source>
        <translation>met une exécution en pause, puis la laisse reprendre</translation>
    </message>
    <message>
        <source>Right arrow, Page Down</source>
        <translation>Flèche droite, Pg Suiv</translation>
    </message>
    <message>
        <source>draws one more detector point of a held run</source>
        <translation>trace le point de détection suivant d’une exécution en pause</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>stops a run, keeping what it drew</source>
        <translation>arrête une exécution en gardant ce qu’elle a tracé</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>copies the picture</source>
        <translation>copie l’image</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Ctrl+Maj+C</translation>
    </message>
    <message>
        <source>copies the marks as a table, for a spreadsheet</source>
        <translation>copie les marques sous forme de tableau, pour un tableur</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>closes Ravo</source>
        <translation>ferme Ravo</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>full screen, and back</source>
        <translation>plein écran, et retour</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>cette aide</translation>
    </message>
    <message>
        <source>Resting the mouse on a mark</source>
        <translation>La souris immobile sur une marque</translation>
    </message>
    <message>
        <source>shows its point, x, P and its run&apos;s settings</source>
        <translation>affiche son point, x, P et les réglages de son exécution</translation>
    </message>
    <message>
        <source>A click on a mark</source>
        <translation>Un clic sur une marque</translation>
    </message>
    <message>
        <source>looks inside that detector point: its paths and spiral</source>
        <translation>montre l’intérieur de ce point de détection&#xa0;: ses chemins et sa spirale</translation>
    </message>
    <message>
        <source>A right click on the picture</source>
        <translation>Un clic droit sur l’image</translation>
    </message>
    <message>
        <source>the menu: copy, projector colours, pace, language</source>
        <translation>le menu&#xa0;: copier, couleurs pour projecteur, cadence, langue</translation>
    </message>
    <message>
        <source>Tab to the picture, then arrows</source>
        <translation>Tab jusqu’à l’image, puis les flèches</translation>
    </message>
    <message>
        <source>from mark to mark: Left and Right along a run, Home and End to its ends, Up and Down to another run</source>
        <translation>de marque en marque&#xa0;: Gauche et Droite le long d’une exécution, Origine et Fin jusqu’à ses extrémités, Haut et Bas vers une autre exécution</translation>
    </message>
    <message>
        <source>Return on a mark</source>
        <translation>Entrée sur une marque</translation>
    </message>
    <message>
        <source>looks inside its detector point; Escape comes back</source>
        <translation>montre l’intérieur de son point de détection&#xa0;; Échap ramène à la marque</translation>
    </message>
    <message>
        <source>Menu key, Shift+F10</source>
        <translation>Touche Menu, Maj+F10</translation>
    </message>
    <message>
        <source>the picture&apos;s menu, at the mark</source>
        <translation>le menu de l’image, à l’endroit de la marque</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>listens to the run: a tone for each point, higher for a higher P</source>
        <translation>fait entendre l’exécution&#xa0;: un son par point, plus aigu quand P est plus grand</translation>
    </message>
    <message>
        <source>Ctrl+L, Ctrl+V</source>
        <translation>Ctrl+L, Ctrl+V</translation>
    </message>
    <message>
        <source>copies the picture as a link, and opens a link</source>
        <translation>copie l’image sous forme de lien, et ouvre un lien</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>brings back the marks that &quot;Yes&quot; to &quot;Delete probability&quot; erased</source>
        <translation>rétablit les marques qu’un «&#xa0;Oui&#xa0;» à «&#xa0;Effacer la probabilité&#xa0;» a effacées</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>Run %1: %2</source>
        <translation>Exécution %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Runs shown</source>
        <translation>Exécutions affichées</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>A run of the link is damaged.</source>
        <translation>Une exécution du lien est endommagée.</translation>
    </message>
    <message>
        <source>A frequency text of the link is too long or not text.</source>
        <translation>Un texte de fréquence du lien est trop long ou n’est pas du texte.</translation>
    </message>
    <message>
        <source>The link holds a setting that no control can make.</source>
        <translation>Le lien contient un réglage qu’aucune commande ne permet de choisir.</translation>
    </message>
    <message>
        <source>The link is too long to be one of Ravo&apos;s.</source>
        <translation>Le lien est trop long pour être un lien Ravo.</translation>
    </message>
    <message>
        <source>This is not a Ravo link.</source>
        <translation>Ce n’est pas un lien Ravo.</translation>
    </message>
    <message>
        <source>The link comes from a newer Ravo, which this one cannot read.</source>
        <translation>Le lien vient d’une version plus récente de Ravo, que celle-ci ne sait pas lire.</translation>
    </message>
    <message>
        <source>The link is damaged.</source>
        <translation>Le lien est endommagé.</translation>
    </message>
    <message>
        <source>The link asks for more runs than Ravo draws.</source>
        <translation>Le lien demande plus d’exécutions que Ravo n’en trace.</translation>
    </message>
</context>
<context>
    <name>MarkReadout</name>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>no glass time</source>
        <translation>aucun temps dans le verre</translation>
    </message>
    <message>
        <source>dispersion on</source>
        <translation>dispersion activée</translation>
    </message>
    <message>
        <source>dispersion off</source>
        <translation>dispersion désactivée</translation>
    </message>
    <message>
        <source>%1, f = %2, %3 · radius %4, index %5, whole lens, aperture %6</source>
        <translation>%1, f = %2, %3 · rayon %4, indice %5, lentille entière, diaphragme %6</translation>
    </message>
    <message>
        <source>%1, f = %2, %3 · radius %4, index %5, half lens, aperture %6</source>
        <translation>%1, f = %2, %3 · rayon %4, indice %5, demi-lentille, diaphragme %6</translation>
    </message>
    <message>
        <source>Point %1, x = %2: P = %3 · %4</source>
        <translation>Point %1, x = %2&#xa0;: P = %3 · %4</translation>
    </message>
    <message>
        <source>no glass time, as the frequency text is none of 0.5, 0.75 and 1</source>
        <translation>aucun temps dans le verre, car le texte de fréquence n’est ni 0.5, ni 0.75, ni 1</translation>
    </message>
</context>
<context>
    <name>MarkTable</name>
    <message>
        <source>run</source>
        <translation>exécution</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>couleur</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>fréquence</translation>
    </message>
    <message>
        <source>dispersion</source>
        <translation>dispersion</translation>
    </message>
    <message>
        <source>radius</source>
        <translation>rayon</translation>
    </message>
    <message>
        <source>refractive index</source>
        <translation>indice de réfraction</translation>
    </message>
    <message>
        <source>lens</source>
        <translation>lentille</translation>
    </message>
    <message>
        <source>aperture</source>
        <translation>diaphragme</translation>
    </message>
    <message>
        <source>detector point</source>
        <translation>point de détection</translation>
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
        <translation>hauteur de la marque</translation>
    </message>
    <message>
        <source>whole</source>
        <translation>entière</translation>
    </message>
    <message>
        <source>half</source>
        <translation>moitié</translation>
    </message>
    <message>
        <source>path</source>
        <translation>chemin</translation>
    </message>
    <message>
        <source>height at the lens</source>
        <translation>hauteur à la lentille</translation>
    </message>
    <message>
        <source>glass thickness</source>
        <translation>épaisseur de verre</translation>
    </message>
    <message>
        <source>distance to the point</source>
        <translation>distance au point</translation>
    </message>
    <message>
        <source>trip time</source>
        <translation>durée du trajet</translation>
    </message>
    <message>
        <source>phase</source>
        <translation>phase</translation>
    </message>
    <message>
        <source>arrow x</source>
        <translation>flèche x</translation>
    </message>
    <message>
        <source>arrow y</source>
        <translation>flèche y</translation>
    </message>
</context>
<context>
    <name>PointView</name>
    <message>
        <source>Ravo - point %1 of run %2</source>
        <translation>Ravo – point %1 de l’exécution %2</translation>
    </message>
    <message>
        <source>Point %1 of %2, x = %3: P = %4</source>
        <translation>Point %1 sur %2, x = %3&#xa0;: P = %4</translation>
    </message>
    <message>
        <source>Run %1: %2</source>
        <translation>Exécution %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cornu spiral: the arrows of all paths, head to tail</source>
        <translation>Spirale de Cornu&#xa0;: toutes les flèches, bout à bout</translation>
    </message>
    <message>
        <source>trip time</source>
        <translation>durée du trajet</translation>
    </message>
    <message>
        <source>height at the lens</source>
        <translation>hauteur à la lentille</translation>
    </message>
    <message>
        <source>each path: its trip time, and its arrow</source>
        <translation>chaque chemin&#xa0;: sa durée de trajet et sa flèche</translation>
    </message>
    <message>
        <source>least time</source>
        <translation>temps minimal</translation>
    </message>
    <message numerus="yes">
        <source>%n path(s); the resultant is %1 long (P = its length squared times %2)</source>
        <translation>
            <numerusform>%n chemin&#xa0;; la résultante mesure %1 (P = le carré de sa longueur fois %2)</numerusform>
            <numerusform>%n chemins&#xa0;; la résultante mesure %1 (P = le carré de sa longueur fois %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>No marks yet.</source>
        <translation>Pas encore de marques.</translation>
    </message>
    <message>
        <source>Run %1: point %2, x = %3: P = %4 · %5</source>
        <translation>Exécution %1&#xa0;: point %2, x = %3&#xa0;: P = %4 · %5</translation>
    </message>
    <message>
        <source>The lens: radius %1, refractive index %2, aperture %3, the whole lens open.</source>
        <translation>La lentille&#xa0;: rayon %1, indice de réfraction %2, diaphragme %3, la lentille ouverte en entier.</translation>
    </message>
    <message>
        <source>The lens: radius %1, refractive index %2, aperture %3, only its upper half open.</source>
        <translation>La lentille&#xa0;: rayon %1, indice de réfraction %2, diaphragme %3, seule sa moitié supérieure ouverte.</translation>
    </message>
    <message>
        <source>No marks are shown yet.</source>
        <translation>Aucune marque n’est encore affichée.</translation>
    </message>
    <message>
        <source>Run %1, %2: it comes to its focus at point %3, x = %4, with P = %5; its peak, where the marks stand above half the highest, is %6 pixels wide, from x = %7 to %8.</source>
        <translation>Exécution %1, %2&#xa0;: son foyer est au point %3, x = %4, avec P = %5&#xa0;; son pic, là où les marques dépassent la moitié de la plus haute, est large de %6 pixels, de x = %7 à %8.</translation>
    </message>
    <message>
        <source>Every run shown comes to its focus at the same point.</source>
        <translation>Toutes les exécutions affichées ont leur foyer au même point.</translation>
    </message>
    <message>
        <source>Run %1 (%2) comes to its focus nearest the lens, run %3 (%4) farthest from it.</source>
        <translation>L’exécution %1 (%2) a son foyer le plus près de la lentille, l’exécution %3 (%4) le plus loin.</translation>
    </message>
    <message>
        <source>Run %1 finished: it comes to its focus at point %2, x = %3, with P = %4.</source>
        <translation>Exécution %1 terminée&#xa0;: son foyer est au point %2, x = %3, avec P = %4.</translation>
    </message>
    <message>
        <source>Run %1 stopped: so far its highest mark is at point %2, x = %3, with P = %4.</source>
        <translation>Exécution %1 arrêtée&#xa0;: jusqu’ici, sa marque la plus haute est au point %2, x = %3, avec P = %4.</translation>
    </message>
    <message>
        <source>Run %1 finished.</source>
        <translation>Exécution %1 terminée.</translation>
    </message>
    <message>
        <source>Run %1 stopped.</source>
        <translation>Exécution %1 arrêtée.</translation>
    </message>
    <message>
        <source>Run %1, %2, not finished (%3 of %4 points): so far its highest mark is at point %5, x = %6, with P = %7.</source>
        <translation>Exécution %1, %2, inachevée (%3 points sur %4)&#xa0;: jusqu’ici, sa marque la plus haute est au point %5, x = %6, avec P = %7.</translation>
    </message>
</context>
<context>
    <name>frmRavo</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>No marks are shown: only the column names were copied.</source>
        <translation>Aucune marque n’est affichée&#xa0;: seuls les noms des colonnes ont été copiés.</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n mark(s) as a table.</source>
        <translation>
            <numerusform>%n marque copiée sous forme de tableau.</numerusform>
            <numerusform>%n marques copiées sous forme de tableau.</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copier l’image</translation>
    </message>
    <message>
        <source>Copy data</source>
        <translation>Copier les données</translation>
    </message>
    <message>
        <source>Projector colours</source>
        <translation>Couleurs pour projecteur</translation>
    </message>
    <message>
        <source>Pace</source>
        <translation>Cadence</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Plus lente</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Keys and mouse</source>
        <translation>Touches et souris</translation>
    </message>
    <message>
        <source>The frequency must be a number with a decimal point, not a comma, such as 0.5 (red), 0.75 (green) or 1 (blue).</source>
        <translation>La fréquence doit être un nombre écrit avec un point décimal, pas une virgule, par exemple 0.5 (rouge), 0.75 (vert) ou 1 (bleu).</translation>
    </message>
    <message>
        <source>The frequency must be a number, such as 0.5 (red), 0.75 (green) or 1 (blue).</source>
        <translation>La fréquence doit être un nombre, par exemple 0.5 (rouge), 0.75 (vert) ou 1 (bleu).</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>%1 (paused)</source>
        <translation>%1 (en pause)</translation>
    </message>
    <message>
        <source>Delete probability</source>
        <translation>Effacer la probabilité</translation>
    </message>
    <message>
        <source>Waiting for an answer</source>
        <translation>En attente d’une réponse</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Running: point %1 of %2</source>
        <translation>En cours&#xa0;: point %1 sur %2</translation>
    </message>
    <message>
        <source>Held at point %1 of %2 — Space: go on · →: next point · Esc: stop</source>
        <translation>En pause au point %1 sur %2 — Espace&#xa0;: continuer · →&#xa0;: point suivant · Échap&#xa0;: arrêter</translation>
    </message>
    <message>
        <source>Stopped at point %1 of %2</source>
        <translation>Arrêté au point %1 sur %2</translation>
    </message>
    <message>
        <source>Finished: %1 of %2 points</source>
        <translation>Terminé&#xa0;: %1 points sur %2</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>the dispersion display, 25 pixels</comment>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <comment>the dispersion display, 25 pixels</comment>
        <translation>Non</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Open link</source>
        <translation>Ouvrir un lien</translation>
    </message>
    <message>
        <source>Undo erase</source>
        <translation>Annuler l’effacement</translation>
    </message>
    <message>
        <source>Marks by shape</source>
        <translation>Marques par forme</translation>
    </message>
    <message>
        <source>Hide marks</source>
        <translation>Masquer les marques</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Listen: no sound device was found</source>
        <translation>Écouter&#xa0;: aucun périphérique audio n’a été trouvé</translation>
    </message>
    <message>
        <source>Listening waits until the run has ended.</source>
        <translation>L’écoute attend la fin de l’exécution.</translation>
    </message>
    <message>
        <source>The picture was copied as a link.</source>
        <translation>L’image a été copiée sous forme de lien.</translation>
    </message>
    <message numerus="yes">
        <source>Opened a link of %n run(s).</source>
        <translation>
            <numerusform>Lien ouvert avec %n exécution.</numerusform>
            <numerusform>Lien ouvert avec %n exécutions.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no erase to undo: only the last run&apos;s &quot;Yes&quot; to &quot;Delete probability&quot;, before the next run.</source>
        <translation>Il n’y a aucun effacement à annuler&#xa0;: on ne peut annuler que le «&#xa0;Oui&#xa0;» à «&#xa0;Effacer la probabilité&#xa0;» de la dernière exécution, avant l’exécution suivante.</translation>
    </message>
    <message>
        <source>The erased marks are back.</source>
        <translation>Les marques effacées sont revenues.</translation>
    </message>
    <message>
        <source>Stopped at point %1 of %2. The glass added no time: the frequency text &quot;%3&quot; is none of 0.5, 0.75 and 1.</source>
        <translation>Arrêté au point %1 sur %2. Le verre n’a ajouté aucun temps&#xa0;: le texte de fréquence «&#xa0;%3&#xa0;» n’est ni 0.5, ni 0.75, ni 1.</translation>
    </message>
    <message>
        <source>Finished: %1 of %2 points. The glass added no time: the frequency text &quot;%3&quot; is none of 0.5, 0.75 and 1.</source>
        <translation>Terminé&#xa0;: %1 points sur %2. Le verre n’a ajouté aucun temps&#xa0;: le texte de fréquence «&#xa0;%3&#xa0;» n’est ni 0.5, ni 0.75, ni 1.</translation>
    </message>
</context>
<context>
    <name>ravo-page</name>
    <message>
        <source>Ends Ravo: closes its tab where the browser lets a page do that. Nothing is saved.</source>
        <translation>Quitte Ravo&#xa0;: ferme son onglet si le navigateur permet à une page de le faire. Rien n’est enregistré.</translation>
    </message>
    <message>
        <source>To end Ravo, close this tab.</source>
        <translation>Pour quitter Ravo, fermez cet onglet.</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Fermer (Échap)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Picture copied</source>
        <translation>Image copiée</translation>
    </message>
    <message>
        <source>Data copied</source>
        <translation>Données copiées</translation>
    </message>
    <message>
        <source>This browser cannot copy pictures.</source>
        <translation>Ce navigateur ne peut pas copier d’images.</translation>
    </message>
    <message>
        <source>This browser cannot copy text.</source>
        <translation>Ce navigateur ne peut pas copier de texte.</translation>
    </message>
    <message>
        <source>The picture was not copied: %1</source>
        <translation>L’image n’a pas été copiée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The data was not copied: %1</source>
        <translation>Les données n’ont pas été copiées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Link to a Ravo picture (Ctrl+V pastes it here):</source>
        <translation>Lien vers une image Ravo (Ctrl+V le colle ici)&#xa0;:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The link was not copied: %1</source>
        <translation>Le lien n’a pas été copié&#xa0;: %1</translation>
    </message>
    <message>
        <source>The run</source>
        <translation>L’exécution</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Go on</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas à pas</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Holds the run, and lets it go on again (Space)</source>
        <translation>Met l’exécution en pause et la laisse reprendre (Espace)</translation>
    </message>
    <message>
        <source>Draws the next detector point of a held run (Right arrow)</source>
        <translation>Dessine le point de détection suivant d’une exécution en pause (Flèche droite)</translation>
    </message>
    <message>
        <source>Stops the run, keeping what is drawn (Esc)</source>
        <translation>Arrête l’exécution en gardant ce qui est dessiné (Échap)</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Quitter le plein écran</translation>
    </message>
    <message>
        <source>Download picture</source>
        <translation>Télécharger l’image</translation>
    </message>
    <message>
        <source>Download data</source>
        <translation>Télécharger les données</translation>
    </message>
    <message>
        <source>Previous point (Left arrow)</source>
        <translation>Point précédent (Flèche gauche)</translation>
    </message>
    <message>
        <source>Next point (Right arrow)</source>
        <translation>Point suivant (Flèche droite)</translation>
    </message>
</context>
</TS>
