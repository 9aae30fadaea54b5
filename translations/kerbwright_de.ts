<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBanners</name>
    <message>
        <source>Kerbwright tracks</source>
        <translation>Kerbwright-Strecken</translation>
    </message>
    <message>
        <source>Share your layouts</source>
        <translation>Teile deine Strecken</translation>
    </message>
</context>
<context>
    <name>BuildSheets</name>
    <message>
        <source>1 piece</source>
        <translation>1 Teil</translation>
    </message>
    <message numerus="yes">
        <source>%n pieces</source>
        <translation>
            <numerusform>%n Teil</numerusform>
            <numerusform>%n Teile</numerusform>
        </translation>
    </message>
    <message>
        <source>1 sheet</source>
        <translation>1 Blatt</translation>
    </message>
    <message numerus="yes">
        <source>%n sheets</source>
        <translation>
            <numerusform>%n Blatt</numerusform>
            <numerusform>%n Blätter</numerusform>
        </translation>
    </message>
    <message>
        <source>Build sheets</source>
        <translation>Aufbaublätter</translation>
    </message>
    <message>
        <source>Each sheet shows its cells, each with its piece&apos;s code on a light label.</source>
        <translation>Jedes Blatt zeigt seine Felder, jedes mit dem Code seines Teils auf einem hellen Schild.</translation>
    </message>
    <message>
        <source>Lay the road first, by the numbers on the dark labels: they follow the drive round each circuit from where its line above says, 1, 2, 3 and on. Then lay the other pieces, sheet by sheet.</source>
        <translation>Legt zuerst die Fahrbahn, nach den Nummern auf den dunklen Schildern: Sie folgen der Fahrt um jeden Rundkurs ab der Stelle, die seine Zeile oben nennt, 1, 2, 3 und so weiter. Dann legt die übrigen Teile, Blatt für Blatt.</translation>
    </message>
    <message>
        <source>Lay the pieces sheet by sheet.</source>
        <translation>Legt die Teile Blatt für Blatt.</translation>
    </message>
    <message>
        <source>Each sheet&apos;s pick list names the pieces to bring to it</source>
        <translation>Die Packliste jedes Blatts nennt die Teile, die dorthin gebracht werden</translation>
    </message>
    <message>
        <source>, road pieces first in the order they are laid.</source>
        <translation>, die Fahrbahnteile zuerst in der Reihenfolge, in der sie gelegt werden.</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>The column and row numbers along a sheet&apos;s edges are the track&apos;s</source>
        <translation>Die Spalten- und Zeilennummern an den Rändern eines Blatts sind die der Strecke</translation>
    </message>
    <message>
        <source>, and each edge that goes on names the sheet it continues on.</source>
        <translation>, und jeder Rand, an dem es weitergeht, nennt das Blatt, auf dem es weitergeht.</translation>
    </message>
    <message>
        <source>Pieces framed in red are ones the club runs out of before it gets there.</source>
        <translation>Rot umrahmte Teile gehen dem Verein aus, bevor er dort ankommt.</translation>
    </message>
    <message>
        <source>Pick list: </source>
        <translation>Packliste: </translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Fehlt</translation>
    </message>
    <message>
        <source> short on this sheet</source>
        <translation> fehlen auf diesem Blatt</translation>
    </message>
    <message>
        <source>Nothing short on this sheet</source>
        <translation>Auf diesem Blatt fehlt nichts</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source> portrait</source>
        <translation> hoch</translation>
    </message>
    <message>
        <source> landscape</source>
        <translation> quer</translation>
    </message>
    <message>
        <source>, road </source>
        <translation>, Fahrbahn </translation>
    </message>
    <message>
        <source>No road on the track</source>
        <translation>Keine Fahrbahn auf der Strecke</translation>
    </message>
    <message>
        <source>number %1</source>
        <translation>Nummer %1</translation>
    </message>
    <message>
        <source>numbers %1–%2</source>
        <translation>Nummern %1–%2</translation>
    </message>
    <message>
        <source>Circuit %1: %2; %3 from %4 in column %5, row %6</source>
        <translation>Rundkurs %1: %2; %3 ab %4 in Spalte %5, Zeile %6</translation>
    </message>
    <message>
        <source>the start line</source>
        <translation>der Start-Ziel-Linie</translation>
    </message>
    <message>
        <source>its top-left cell</source>
        <translation>seinem Feld oben links</translation>
    </message>
    <message>
        <source>Parts: </source>
        <translation>Teile: </translation>
    </message>
    <message>
        <source>%1 of %2%3 × %4 cells, %5 mm a cell, %6</source>
        <translation>%1 mit %2%3 × %4 Feldern, %5 mm je Feld, %6</translation>
    </message>
    <message>
        <source>up to </source>
        <translation>bis zu </translation>
    </message>
    <message>
        <source> build sheets</source>
        <translation> Aufbaublätter</translation>
    </message>
</context>
<context>
    <name>Car</name>
    <message>
        <source>top speed</source>
        <translation>Höchstgeschwindigkeit</translation>
    </message>
    <message>
        <source>grip</source>
        <translation>Haftung</translation>
    </message>
    <message>
        <source>acceleration</source>
        <translation>Beschleunigung</translation>
    </message>
    <message>
        <source>braking</source>
        <translation>Bremsverzögerung</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is no number</source>
        <translation>die %1 „%2“ ist keine Zahl</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no unit of %2; use %3</source>
        <translation>„%1“ ist keine Einheit der %2; möglich sind %3</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>the %1 must be more than 0, not %2</source>
        <translation>die %1 muss größer als 0 sein, nicht %2</translation>
    </message>
    <message>
        <source>the %1 %2 is more than a model car can do (at most %3 %4)</source>
        <translation>die %1 %2 ist mehr, als ein Modellauto schafft (höchstens %3 %4)</translation>
    </message>
    <message>
        <source>%1 is too large for a car&apos;s figures</source>
        <translation>%1 ist zu groß für die Werte eines Autos</translation>
    </message>
    <message>
        <source>%1 is given already on line %2</source>
        <translation>%1 steht schon in Zeile %2</translation>
    </message>
    <message>
        <source>a name is 1 to 60 characters</source>
        <translation>ein Name hat 1 bis 60 Zeichen</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1: no %2 given (%3 = ...)</source>
        <translation>%1: keine %2 angegeben (%3 = ...)</translation>
    </message>
</context>
<context>
    <name>CarDialog</name>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source> km/h</source>
        <translation> km/h</translation>
    </message>
    <message>
        <source> g</source>
        <translation> g</translation>
    </message>
    <message>
        <source> m/s²</source>
        <translation> m/s²</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Class:</source>
        <translation>Klasse:</translation>
    </message>
    <message>
        <source>Top speed:</source>
        <translation>Höchstgeschwindigkeit:</translation>
    </message>
    <message>
        <source>Grip in corners:</source>
        <translation>Haftung in Kurven:</translation>
    </message>
    <message>
        <source>Acceleration:</source>
        <translation>Beschleunigung:</translation>
    </message>
    <message>
        <source>Braking:</source>
        <translation>Bremsen:</translation>
    </message>
    <message>
        <source>Lap times are estimated for this car until the program ends. The grip goes from a slippery floor to a grippy one; acceleration and braking are on the grippy floor.</source>
        <translation>Rundenzeiten werden für dieses Auto geschätzt, bis das Programm endet. Die Haftung reicht von einem rutschigen zu einem griffigen Boden; Beschleunigung und Bremsen gelten auf dem griffigen Boden.</translation>
    </message>
    <message>
        <source>, own figures</source>
        <translation>, eigene Werte</translation>
    </message>
    <message>
        <source>The grip on the slippery floor cannot be more than on the grippy one.</source>
        <translation>Die Haftung auf dem rutschigen Boden kann nicht größer sein als auf dem griffigen.</translation>
    </message>
</context>
<context>
    <name>CellInfoLabel</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Column %1, row %2: %3    %4</source>
        <translation>Spalte %1, Zeile %2: %3    %4</translation>
    </message>
</context>
<context>
    <name>CellMenu</name>
    <message>
        <source>Pick this piece</source>
        <translation>Dieses Teil aufnehmen</translation>
    </message>
    <message>
        <source>Insert column left</source>
        <translation>Spalte links einfügen</translation>
    </message>
    <message>
        <source>Insert column right</source>
        <translation>Spalte rechts einfügen</translation>
    </message>
    <message>
        <source>Delete column</source>
        <translation>Spalte löschen</translation>
    </message>
    <message>
        <source>Insert row above</source>
        <translation>Zeile darüber einfügen</translation>
    </message>
    <message>
        <source>Insert row below</source>
        <translation>Zeile darunter einfügen</translation>
    </message>
    <message>
        <source>Delete row</source>
        <translation>Zeile löschen</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Usage: kerbwright-check [--json] [--cell-size METRES] [--car NAME | --car-file FILE]
                        [--inventory FILE] [--quiet] TRACK...
       kerbwright-check --help | --version
</source>
        <translation>Aufruf: kerbwright-check [--json] [--cell-size METER] [--car NAME | --car-file DATEI]
                         [--inventory DATEI] [--quiet] STRECKE...
        kerbwright-check --help | --version
</translation>
    </message>
    <message>
        <source>
Lists the open road ends of each track file, as the editor&apos;s Check
connections marks them: one line TRACK:COLUMN:ROW: EDGE for each (columns
and rows count from 1, EDGE is north, east, south or west), a line
TRACK:COLUMN:ROW: unknown piece CODE for each code that no piece has, then
a line TRACK: circuit N: lap 26.9 m, 9.2–10.4 s (CAR) for each circuit
with a lap, and a line TRACK: N open road ends. The check reads codes
only, no tiles.

  --json                one JSON object a track: its size, open ends,
                        circuits with lap and road lengths and lap times,
                        unknown codes, the car
  --cell-size METRES    the side of a cell in metres (default 0.5)
  --car NAME            the car of the lap times, one of the classes
                        %1 (default %2)
  --car-file FILE       the car&apos;s own figures instead, as lines
                        top_speed = 25 km/h, grip = 1.1 g,
                        acceleration = 4 m/s2, braking = 6 m/s2, and an
                        optional name = ...; m/s and m/s2 without a unit
  --inventory FILE      the pieces the club owns, as a CSV file of code,count
                        lines; lists what each track needs more of
  -q, --quiet           print the findings only, no summary lines
  --tiles DIR           accepted and ignored: the check reads no tiles
  -h, --help            show this text
  --version             show the version

Exit status: 0 every track is fine, 1 some track has open road ends,
unknown codes or pieces short, 2 some file could not be read, the output
could not be written, or a usage error.
</source>
        <translation>
Listet die offenen Fahrbahnenden jeder Streckendatei, wie sie „Verbindungen
prüfen“ im Editor markiert: eine Zeile STRECKE:SPALTE:ZEILE: RAND für jedes
(Spalten und Zeilen zählen ab 1, RAND ist north, east, south oder west), eine
Zeile STRECKE:SPALTE:ZEILE: unknown piece CODE für jeden Code, den kein Teil
hat, dann eine Zeile STRECKE: circuit N: lap 26.9 m, 9.2–10.4 s (AUTO) für
jeden Rundkurs mit einer Runde und eine Zeile STRECKE: N open road ends. Diese
Zeilen sind für Skripte und bleiben englisch. Die Prüfung liest nur Codes,
keine Kacheln.

  --json                ein JSON-Objekt je Strecke: Größe, offene Enden,
                        Rundkurse mit Runden- und Fahrbahnlänge und
                        Rundenzeiten, unbekannte Codes, das Auto
  --cell-size METER     die Seite eines Felds in Metern (Vorgabe 0.5)
  --car NAME            das Auto der Rundenzeiten, eine der Klassen
                        %1 (Vorgabe %2)
  --car-file DATEI      stattdessen die eigenen Werte des Autos, als Zeilen
                        top_speed = 25 km/h, grip = 1.1 g,
                        acceleration = 4 m/s2, braking = 6 m/s2 und ein
                        optionales name = ...; m/s und m/s2 ohne Einheit
  --inventory DATEI     die Teile, die der Verein besitzt, als CSV-Datei mit
                        Zeilen code,count; listet, wovon jede Strecke mehr braucht
  -q, --quiet           nur die Befunde ausgeben, keine Zusammenfassung
  --tiles ORDNER        angenommen und übergangen: die Prüfung liest keine Kacheln
  -h, --help            diesen Text zeigen
  --version             die Version zeigen

Rückgabewert: 0 jede Strecke ist in Ordnung, 1 eine Strecke hat offene
Fahrbahnenden, unbekannte Codes oder fehlende Teile, 2 eine Datei war nicht
lesbar, die Ausgabe nicht schreibbar oder der Aufruf falsch.
</translation>
    </message>
    <message>
        <source>the cell size must be a positive number of metres, not &quot;%1&quot;</source>
        <translation>die Feldgröße muss eine positive Zahl von Metern sein, nicht „%1“</translation>
    </message>
    <message>
        <source>give --car or --car-file, not both</source>
        <translation>--car oder --car-file angeben, nicht beides</translation>
    </message>
    <message>
        <source>no car file given</source>
        <translation>keine Autodatei angegeben</translation>
    </message>
    <message>
        <source>no inventory file given</source>
        <translation>keine Bestandsdatei angegeben</translation>
    </message>
    <message>
        <source>no track file given</source>
        <translation>keine Streckendatei angegeben</translation>
    </message>
    <message>
        <source>no car class &quot;%1&quot;; the classes are %2</source>
        <translation>keine Autoklasse „%1“; die Klassen sind %2</translation>
    </message>
</context>
<context>
    <name>CircuitGenerator</name>
    <message>
        <source>any length</source>
        <translation>beliebige Länge</translation>
    </message>
    <message>
        <source>a floor has at most 30 × 30 cells</source>
        <translation>eine Fläche hat höchstens 30 × 30 Felder</translation>
    </message>
    <message>
        <source>a circuit needs a floor of at least 2 × 2 cells</source>
        <translation>ein Rundkurs braucht eine Fläche von mindestens 2 × 2 Feldern</translation>
    </message>
    <message>
        <source>with %1 straight cells or more between corners a circuit needs a floor of at least %2 × %2 cells</source>
        <translation>mit %1 oder mehr geraden Feldern zwischen den Kurven braucht ein Rundkurs eine Fläche von mindestens %2 × %2 Feldern</translation>
    </message>
    <message>
        <source>a circuit needs each of the four corners, and no %1 (%2) is owned</source>
        <translation>ein Rundkurs braucht alle vier Kurven, und es ist keine %1 (%2) vorhanden</translation>
    </message>
    <message>
        <source>no circuit laps as little as %1: the smallest laps %2</source>
        <translation>kein Rundkurs hat eine so kurze Runde wie %1: der kleinste hat %2</translation>
    </message>
    <message>
        <source>no lap of %1 fits a floor of %2 × %3 cells</source>
        <translation>keine Runde von %1 passt auf eine Fläche von %2 × %3 Feldern</translation>
    </message>
    <message>
        <source>the pieces owned make at most %1 of road, short of a lap of %2</source>
        <translation>die vorhandenen Teile ergeben höchstens %1 Fahrbahn, weniger als eine Runde von %2</translation>
    </message>
    <message>
        <source>1 circuit</source>
        <translation>1 Rundkurs</translation>
    </message>
    <message numerus="yes">
        <source>%n circuits</source>
        <translation>
            <numerusform>%n Rundkurs</numerusform>
            <numerusform>%n Rundkurse</numerusform>
        </translation>
    </message>
    <message>
        <source>no other layout was found that closes on this floor</source>
        <translation>auf dieser Fläche fand sich kein anderer geschlossener Verlauf</translation>
    </message>
    <message>
        <source>no layout was found that closes on this floor</source>
        <translation>auf dieser Fläche fand sich kein geschlossener Verlauf</translation>
    </message>
    <message>
        <source>with 1 corner owned, %1</source>
        <translation>mit 1 vorhandenen Kurve: %1</translation>
    </message>
    <message>
        <source>with 1 straight owned, %1</source>
        <translation>mit 1 vorhandenen Geraden: %1</translation>
    </message>
    <message>
        <source>with 1 crossroads owned, %1</source>
        <translation>mit 1 vorhandenen Kreuzung: %1</translation>
    </message>
    <message>
        <source>with %2 corners owned, %1</source>
        <translation>mit %2 vorhandenen Kurven: %1</translation>
    </message>
    <message>
        <source>with %2 straights owned, %1</source>
        <translation>mit %2 vorhandenen Geraden: %1</translation>
    </message>
    <message>
        <source>with %2 crossroads owned, %1</source>
        <translation>mit %2 vorhandenen Kreuzungen: %1</translation>
    </message>
    <message>
        <source>for a lap of %1, %2</source>
        <translation>für eine Runde von %1: %2</translation>
    </message>
    <message>
        <source>Found %1</source>
        <translation>Gefunden: %1</translation>
    </message>
    <message>
        <source>Found %1 of %2: %3</source>
        <translation>Gefunden: %1 von %2: %3</translation>
    </message>
    <message>
        <source>Cancelled: found %1 of %2</source>
        <translation>Abgebrochen: %1 von %2 gefunden</translation>
    </message>
</context>
<context>
    <name>CircuitTarget</name>
    <message>
        <source>at least %1</source>
        <translation>mindestens %1</translation>
    </message>
    <message>
        <source>any length</source>
        <translation>beliebige Länge</translation>
    </message>
</context>
<context>
    <name>ConnectionCheck</name>
    <message>
        <source>no open road ends</source>
        <translation>keine offenen Fahrbahnenden</translation>
    </message>
    <message>
        <source>1 open road end</source>
        <translation>1 offenes Fahrbahnende</translation>
    </message>
    <message>
        <source>%1 open road ends</source>
        <translation>%1 offene Fahrbahnenden</translation>
    </message>
</context>
<context>
    <name>ConnectionCommands</name>
    <message>
        <source>Check connections</source>
        <translation>Verbindungen prüfen</translation>
    </message>
    <message>
        <source>Show open ends</source>
        <translation>Offene Enden zeigen</translation>
    </message>
    <message>
        <source>Close gaps</source>
        <translation>Lücken schließen</translation>
    </message>
</context>
<context>
    <name>CsvFileDialog</name>
    <message>
        <source>Save Parts List</source>
        <translation>Teileliste speichern</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <source>Compare with Inventory</source>
        <translation>Mit Bestand vergleichen</translation>
    </message>
    <message>
        <source>Inventory (*.csv *.txt)</source>
        <translation>Bestand (*.csv *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Nichts auswählen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert:</translation>
    </message>
    <message>
        <source>%1 %2 x %3 cells</source>
        <translation>%1 %2 x %3 Felder</translation>
    </message>
    <message>
        <source>Cannot paste: </source>
        <translation>Einfügen nicht möglich: </translation>
    </message>
</context>
<context>
    <name>ExamplesMenu</name>
    <message>
        <source>Club circuit</source>
        <translation>Vereinsstrecke</translation>
    </message>
    <message>
        <source>Small oval</source>
        <translation>Kleines Oval</translation>
    </message>
    <message>
        <source>Sweeping corners</source>
        <translation>Weite Kurven</translation>
    </message>
    <message>
        <source>Diagonals</source>
        <translation>Diagonalen</translation>
    </message>
    <message>
        <source>Foam mat</source>
        <translation>Schaumstoffmatte</translation>
    </message>
    <message>
        <source>Carpet</source>
        <translation>Teppich</translation>
    </message>
    <message>
        <source>Kerbed paddock</source>
        <translation>Fahrerlager mit Randsteinen</translation>
    </message>
    <message>
        <source>Showcase</source>
        <translation>Schaustück</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Beispiele</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>Usage: kerbwright-export [--format jpg|bmp|png|pdf|csv|sheets] [--depth 16|24|32]
                         [--paper a4|letter|a3] [--cell-mm N] [--tiles DIR]
                         [--inventory FILE] [-o OUTPUT] [--jobs N] [--quiet] TRACK...
       kerbwright-export --thumbnail SIZE [--tiles DIR] [--quiet] TRACK OUTPUT
       kerbwright-export --help | --version
</source>
        <translation>Aufruf: kerbwright-export [--format jpg|bmp|png|pdf|csv|sheets] [--depth 16|24|32]
                          [--paper a4|letter|a3] [--cell-mm N] [--tiles ORDNER]
                          [--inventory DATEI] [-o AUSGABE] [--jobs N] [--quiet] STRECKE...
        kerbwright-export --thumbnail GRÖSSE [--tiles ORDNER] [--quiet] STRECKE AUSGABE
        kerbwright-export --help | --version
</translation>
    </message>
    <message>
        <source>
Writes the picture of each track file as the editor&apos;s export does, or its
printable plan, build sheets or parts list: beside the track, named after it
less its last four characters.

  --format FORMAT       jpg, bmp or png: the track&apos;s picture (default jpg);
                        pdf: the plan, picture and parts list on A4;
                        csv: the parts list, lines of code,page,count;
                        sheets: the build sheets, a PDF named TRACK-sheets.pdf
  --depth 16|24|32      bits per pixel of a BMP picture (default 24)
  --paper a4|letter|a3  the build sheets&apos; paper (default a4)
  --cell-mm N           the least side of a cell on the build sheets, in mm
                        (10 to 100, default 18)
  --tiles DIR           tile folder (default: tiles beside the program)
  --inventory FILE      the pieces the club owns (CSV of code,count lines):
                        the plan lists what is short, the build sheets mark it
  -o, --output OUTPUT   output file for a single TRACK; its extension (.jpg,
                        .jpeg, .bmp, .png, .pdf, .csv) chooses the format;
                        with --format sheets it must be .pdf
  -j, --jobs N          tracks exported at once (default: one per processor);
                        lines and files are the same for every N
  -q, --quiet           print nothing for files written
  --thumbnail SIZE      write the track&apos;s picture scaled to fit SIZE x SIZE
                        pixels as PNG to OUTPUT, as file managers show it
  -h, --help            show this text
  --version             show the version

Exit status: 0 all files written, 1 some track failed, 2 usage error or
standard output not written.
</source>
        <translation>
Schreibt das Bild jeder Streckendatei wie der Export des Editors, oder ihren
druckbaren Plan, ihre Aufbaublätter oder ihre Teileliste: neben die Strecke,
benannt nach ihr ohne ihre letzten vier Zeichen.

  --format FORMAT       jpg, bmp oder png: das Bild der Strecke (Vorgabe jpg);
                        pdf: Plan, Bild und Teileliste auf A4;
                        csv: die Teileliste, Zeilen code,page,count;
                        sheets: die Aufbaublätter, ein PDF namens STRECKE-sheets.pdf
  --depth 16|24|32      Bits je Pixel eines BMP-Bilds (Vorgabe 24)
  --paper a4|letter|a3  das Papier der Aufbaublätter (Vorgabe a4)
  --cell-mm N           die kleinste Seite eines Felds auf den Aufbaublättern,
                        in mm (10 bis 100, Vorgabe 18)
  --tiles ORDNER        Kachelordner (Vorgabe: tiles neben dem Programm)
  --inventory DATEI     die Teile, die der Verein besitzt (CSV mit Zeilen
                        code,count): der Plan listet, was fehlt, die
                        Aufbaublätter markieren es
  -o, --output AUSGABE  Ausgabedatei für eine einzelne STRECKE; ihre Endung
                        (.jpg, .jpeg, .bmp, .png, .pdf, .csv) wählt das Format;
                        mit --format sheets muss sie .pdf sein
  -j, --jobs N          gleichzeitig exportierte Strecken (Vorgabe: eine je
                        Prozessor); Zeilen und Dateien sind für jedes N gleich
  -q, --quiet           nichts zu geschriebenen Dateien ausgeben
  --thumbnail GRÖSSE    das Bild der Strecke auf GRÖSSE x GRÖSSE Pixel verkleinert
                        als PNG nach AUSGABE schreiben, wie Dateimanager es zeigen
  -h, --help            diesen Text zeigen
  --version             die Version zeigen

Rückgabewert: 0 alle Dateien geschrieben, 1 eine Strecke schlug fehl, 2 Aufruf
falsch oder Standardausgabe nicht geschrieben.
</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;</source>
        <translation>unbekanntes Format „%1“</translation>
    </message>
    <message>
        <source>--depth takes 16, 24 or 32</source>
        <translation>--depth nimmt 16, 24 oder 32</translation>
    </message>
    <message>
        <source>--jobs takes a whole number from 1 on</source>
        <translation>--jobs nimmt eine ganze Zahl ab 1</translation>
    </message>
    <message>
        <source>no inventory file given</source>
        <translation>keine Bestandsdatei angegeben</translation>
    </message>
    <message>
        <source>--thumbnail takes no --%1</source>
        <translation>--thumbnail nimmt kein --%1</translation>
    </message>
    <message>
        <source>no track file given</source>
        <translation>keine Streckendatei angegeben</translation>
    </message>
    <message>
        <source>-o takes exactly one track file</source>
        <translation>-o nimmt genau eine Streckendatei</translation>
    </message>
    <message>
        <source>the build sheets are a PDF: the extension of &quot;%1&quot; must be .pdf</source>
        <translation>die Aufbaublätter sind ein PDF: die Endung von „%1“ muss .pdf sein</translation>
    </message>
    <message>
        <source>the extension of &quot;%1&quot; is not %2</source>
        <translation>die Endung von „%1“ ist nicht %2</translation>
    </message>
    <message>
        <source>--format and the extension of -o disagree</source>
        <translation>--format und die Endung von -o widersprechen sich</translation>
    </message>
    <message>
        <source>-o names the track file itself</source>
        <translation>-o nennt die Streckendatei selbst</translation>
    </message>
    <message>
        <source>--depth applies to BMP only (--format bmp or -o with .bmp)</source>
        <translation>--depth gilt nur für BMP (--format bmp oder -o mit .bmp)</translation>
    </message>
    <message>
        <source>--%1 applies to the build sheets only (--format sheets)</source>
        <translation>--%1 gilt nur für die Aufbaublätter (--format sheets)</translation>
    </message>
    <message>
        <source>unknown paper &quot;%1&quot;: a4, letter or a3</source>
        <translation>unbekanntes Papier „%1“: a4, letter oder a3</translation>
    </message>
    <message>
        <source>--cell-mm takes a number of millimetres from 10 to 100, not &quot;%1&quot;</source>
        <translation>--cell-mm nimmt eine Zahl von Millimetern von 10 bis 100, nicht „%1“</translation>
    </message>
    <message>
        <source>--thumbnail takes a size from 1 to %1 pixels</source>
        <translation>--thumbnail nimmt eine Größe von 1 bis %1 Pixeln</translation>
    </message>
    <message>
        <source>--thumbnail takes a track file and an output file</source>
        <translation>--thumbnail nimmt eine Streckendatei und eine Ausgabedatei</translation>
    </message>
    <message>
        <source>the output names the track file itself</source>
        <translation>die Ausgabe nennt die Streckendatei selbst</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export as</source>
        <translation>Exportieren als</translation>
    </message>
    <message>
        <source>Pictures, plans and parts lists (*.png *.jpg *.jpeg *.bmp *.pdf *.csv)</source>
        <translation>Bilder, Pläne und Teilelisten (*.png *.jpg *.jpeg *.bmp *.pdf *.csv)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>JPEG picture (*.jpg *.jpeg)</source>
        <translation>JPEG-Bild (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>BMP picture (*.bmp)</source>
        <translation>BMP-Bild (*.bmp)</translation>
    </message>
    <message>
        <source>Plan (*.pdf)</source>
        <translation>Plan (*.pdf)</translation>
    </message>
    <message>
        <source>Parts list (*.csv)</source>
        <translation>Teileliste (*.csv)</translation>
    </message>
    <message>
        <source>Export build sheets to PDF</source>
        <translation>Aufbaublätter als PDF exportieren</translation>
    </message>
    <message>
        <source>Build sheets (*.pdf)</source>
        <translation>Aufbaublätter (*.pdf)</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Kerbwright File (*.kwf)</source>
        <translation>Kerbwright-Datei (*.kwf)</translation>
    </message>
    <message>
        <source>Save DizedidedeVida</source>
        <translation>Strecke speichern</translation>
    </message>
    <message>
        <source>Open Kerbwright File</source>
        <translation>Kerbwright-Datei öffnen</translation>
    </message>
</context>
<context>
    <name>FitMode</name>
    <message>
        <source>--fit TRACK writes the track to OUT.kwf with the pieces the club owns used
where it needs more of a piece than the club owns, as the editor&apos;s Use owned
pieces does: a piece with the same edges and road takes its place (a plain
straight for a start line, a paved corner for a kerbed one), so every
connection, circuit and lap stays. Prints a line FROM -&gt; TO: N (names) for
each change, CODE short by N (need A, own B) for what stays short, and a
summary. The track itself is never written over. Exit status 0 when every
piece is owned, 1 when some stay short.
</source>
        <translation>--fit STRECKE schreibt die Strecke nach AUS.kwf, mit den Teilen, die der Verein
besitzt, wo sie mehr von einem Teil braucht, als der Verein hat, wie es
„Vorhandene Teile verwenden“ im Editor tut: ein Teil mit denselben Rändern und
derselben Fahrbahn tritt an seine Stelle (eine einfache Gerade für eine
Start-Ziel-Gerade, eine Asphaltkurve für eine mit Randsteinen), so bleiben jede
Verbindung, jeder Rundkurs und jede Runde. Gibt für Skripte englische Zeilen aus:
FROM -&gt; TO: N (Namen) für jeden Tausch, CODE short by N (need A, own B) für
was weiter fehlt, und eine Zusammenfassung. Die Strecke selbst wird nie
überschrieben. Rückgabewert 0, wenn jedes Teil vorhanden ist, 1, wenn welche
fehlen.
</translation>
    </message>
    <message>
        <source>no track given (--fit TRACK)</source>
        <translation>keine Strecke angegeben (--fit STRECKE)</translation>
    </message>
    <message>
        <source>no track file given</source>
        <translation>keine Streckendatei angegeben</translation>
    </message>
    <message>
        <source>--fit needs --inventory FILE</source>
        <translation>--fit braucht --inventory DATEI</translation>
    </message>
    <message>
        <source>--fit needs -o OUT.kwf, the file to write</source>
        <translation>--fit braucht -o AUS.kwf, die zu schreibende Datei</translation>
    </message>
    <message>
        <source>%1 is the track itself: name another file to write</source>
        <translation>%1 ist die Strecke selbst: nenne eine andere Datei zum Schreiben</translation>
    </message>
</context>
<context>
    <name>GapCloser</name>
    <message>
        <source>No gap can be closed</source>
        <translation>Keine Lücke lässt sich schließen</translation>
    </message>
    <message>
        <source>Closed 1 gap</source>
        <translation>1 Lücke geschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Closed %n gaps</source>
        <translation>
            <numerusform>%n Lücke geschlossen</numerusform>
            <numerusform>%n Lücken geschlossen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 with 1 piece</source>
        <translation>%1, mit 1 Teil</translation>
    </message>
    <message numerus="yes">
        <source>%1 with %n pieces</source>
        <translation>
            <numerusform>%1, mit %n Teil</numerusform>
            <numerusform>%1, mit %n Teilen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GenerateMode</name>
    <message>
        <source>no floor size given (--size COLSxROWS)</source>
        <translation>keine Flächengröße angegeben (--size COLSxROWS)</translation>
    </message>
    <message>
        <source>the family must be circuit, foam or carpet, not &quot;%1&quot;</source>
        <translation>die Familie muss circuit, foam oder carpet sein, nicht „%1“</translation>
    </message>
    <message>
        <source>no inventory file given</source>
        <translation>keine Bestandsdatei angegeben</translation>
    </message>
    <message>
        <source>no output folder given</source>
        <translation>kein Ausgabeordner angegeben</translation>
    </message>
    <message>
        <source>the size must be COLSxROWS, each from 1 to 30, not &quot;%1&quot;</source>
        <translation>die Größe muss COLSxROWS sein, jeweils 1 bis 30, nicht „%1“</translation>
    </message>
    <message>
        <source>the count must be a whole number from 1 to %1, not &quot;%2&quot;</source>
        <translation>die Anzahl muss eine ganze Zahl von 1 bis %1 sein, nicht „%2“</translation>
    </message>
    <message>
        <source>the straight between corners must be 0 to 28 cells, not &quot;%1&quot;</source>
        <translation>die Gerade zwischen Kurven muss 0 bis 28 Felder lang sein, nicht „%1“</translation>
    </message>
    <message>
        <source>the seed must be a whole number from 0 up, not &quot;%1&quot;</source>
        <translation>der Startwert muss eine ganze Zahl ab 0 sein, nicht „%1“</translation>
    </message>
    <message>
        <source>the cell size must be a positive number of metres, not &quot;%1&quot;</source>
        <translation>die Feldgröße muss eine positive Zahl von Metern sein, nicht „%1“</translation>
    </message>
    <message>
        <source>the lap must be MIN-MAX in metres, MIN no more than MAX, not &quot;%1&quot;</source>
        <translation>die Runde muss MIN-MAX in Metern sein, MIN nicht größer als MAX, nicht „%1“</translation>
    </message>
    <message>
        <source>Cannot create folder %1</source>
        <translation>Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>--size suggests closed circuits for a floor of COLS x ROWS cells (1 to 30 each)
and writes them as suggestion-1.kwf, suggestion-2.kwf ... into DIR, best first,
with a line for each: the file, the lap in metres and its time for the car (on
a grippy to a slippery floor), its pieces, corners, hairpins, chicanes and
crossings, and its score (out of 100: 60 for a lap near the middle of --lap or
--lap-time, 40 for the share of the floor the lap spans). Then a line says what
was found, and what held it back when fewer than N were. Each circuit has a
start line in the middle of its longest straight. With --inventory no
suggestion needs more than the club owns, a plain straight standing in for a
start line it lacks; the plain surface counts only when the file lists it. -o
names the folder (default the current folder). Exit status 0 when N circuits
were found, 1 when fewer.

  --size COLSxROWS      the floor, in cells
  --family NAME         circuit (default), foam or carpet: the road to lay
  --lap MIN-MAX         the lap in metres (default any length)
  --lap-time MIN-MAX    the lap time in seconds instead: the middle of the
                        car&apos;s time between a grippy and a slippery floor
  --car NAME            the car of the lap times, one of the classes
                        %1 (default %2)
  --car-file FILE       the car&apos;s own figures instead, as kerbwright-check
                        reads them
  --cell-size METRES    the side of a cell in metres (default 0.5)
  --min-straight N      at least N straight cells between corners (default 0)
  --crossings           figures of eight too, crossing on a crossroads
  -n, --count N         how many suggestions, 1 to 100 (default 5)
  --seed S              another seed, other suggestions (default 1); the same
                        seed always gives the same suggestions
  --json                one JSON object a suggestion, then one for the outcome
</source>
        <translation>--size schlägt geschlossene Rundkurse für eine Fläche von SPALTEN x ZEILEN Feldern
vor (je 1 bis 30) und schreibt sie als suggestion-1.kwf, suggestion-2.kwf ... in
ORDNER, die besten zuerst, mit einer Zeile für jeden (für Skripte englisch): die
Datei, die Runde in Metern und ihre Zeit für das Auto (auf griffigem bis
rutschigem Boden), ihre Teile, Kurven, Haarnadeln, Schikanen und Kreuzungen und
ihre Wertung (von 100: 60 für eine Runde nahe der Mitte von --lap oder
--lap-time, 40 für den Anteil der Fläche, den die Runde umspannt). Dann sagt
eine Zeile, was gefunden wurde und was zurückhielt, wenn es weniger als N waren.
Jeder Rundkurs hat eine Start-Ziel-Gerade in der Mitte seiner längsten Geraden.
Mit --inventory braucht kein Vorschlag mehr, als der Verein besitzt; eine
einfache Gerade tritt an die Stelle einer fehlenden Start-Ziel-Geraden; die
leere Fläche zählt nur, wenn die Datei sie listet. -o nennt den Ordner (Vorgabe
der aktuelle Ordner). Rückgabewert 0, wenn N Rundkurse gefunden wurden, 1 bei
weniger.

  --size COLSxROWS      die Fläche, in Feldern
  --family NAME         circuit (Vorgabe), foam oder carpet: die zu legende Fahrbahn
  --lap MIN-MAX         die Runde in Metern (Vorgabe beliebige Länge)
  --lap-time MIN-MAX    stattdessen die Rundenzeit in Sekunden: die Mitte der
                        Zeit des Autos zwischen griffigem und rutschigem Boden
  --car NAME            das Auto der Rundenzeiten, eine der Klassen
                        %1 (Vorgabe %2)
  --car-file FILE       stattdessen die eigenen Werte des Autos, wie
                        kerbwright-check sie liest
  --cell-size METER     die Seite eines Felds in Metern (Vorgabe 0.5)
  --min-straight N      mindestens N gerade Felder zwischen Kurven (Vorgabe 0)
  --crossings           auch Achten, die sich auf einer Kreuzung kreuzen
  -n, --count N         wie viele Vorschläge, 1 bis 100 (Vorgabe 5)
  --seed S              ein anderer Startwert, andere Vorschläge (Vorgabe 1);
                        derselbe Startwert gibt immer dieselben Vorschläge
  --json                ein JSON-Objekt je Vorschlag, dann eines für das Ergebnis
</translation>
    </message>
    <message>
        <source>give --lap or --lap-time, not both</source>
        <translation>--lap oder --lap-time angeben, nicht beides</translation>
    </message>
    <message>
        <source>give --car or --car-file, not both</source>
        <translation>--car oder --car-file angeben, nicht beides</translation>
    </message>
    <message>
        <source>no car class &quot;%1&quot;; the classes are %2</source>
        <translation>keine Autoklasse „%1“; die Klassen sind %2</translation>
    </message>
    <message>
        <source>no car file given</source>
        <translation>keine Autodatei angegeben</translation>
    </message>
    <message>
        <source>the lap time must be MIN-MAX in seconds, MIN no more than MAX, not &quot;%1&quot;</source>
        <translation>die Rundenzeit muss MIN-MAX in Sekunden sein, MIN nicht größer als MAX, nicht „%1“</translation>
    </message>
</context>
<context>
    <name>GridTransform</name>
    <message>
        <source>1 piece has no turned counterpart: %1</source>
        <translation>1 Teil hat kein gedrehtes Gegenstück: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n pieces have no turned counterpart: %1</source>
        <translation>
            <numerusform>%n Teil hat kein gedrehtes Gegenstück: %1</numerusform>
            <numerusform>%n Teile haben kein gedrehtes Gegenstück: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>1 piece has no mirrored counterpart: %1</source>
        <translation>1 Teil hat kein gespiegeltes Gegenstück: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n pieces have no mirrored counterpart: %1</source>
        <translation>
            <numerusform>%n Teil hat kein gespiegeltes Gegenstück: %1</numerusform>
            <numerusform>%n Teile haben kein gespiegeltes Gegenstück: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Inventory</name>
    <message>
        <source>a quote is not closed</source>
        <translation>ein Anführungszeichen wird nicht geschlossen</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>nach einem schließenden Anführungszeichen folgt Text</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>ein Anführungszeichen in einem Feld, das nicht mit einem beginnt</translation>
    </message>
    <message>
        <source>the header has no column &quot;count&quot;</source>
        <translation>die Kopfzeile hat keine Spalte „count“</translation>
    </message>
    <message>
        <source>1 field</source>
        <translation>1 Feld</translation>
    </message>
    <message>
        <source>%1 fields</source>
        <translation>%1 Felder</translation>
    </message>
    <message>
        <source> where code,count or code,page,count,name was expected</source>
        <translation>, erwartet war code,count oder code,page,count,name</translation>
    </message>
    <message>
        <source>the count &quot;%1&quot; is not a whole number from 0 to %2</source>
        <translation>die Anzahl „%1“ ist keine ganze Zahl von 0 bis %2</translation>
    </message>
    <message>
        <source>%1 is too large for an inventory</source>
        <translation>%1 ist zu groß für einen Bestand</translation>
    </message>
    <message>
        <source> where the lines above have %1</source>
        <translation>, die Zeilen darüber haben %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no piece code</source>
        <translation>„%1“ ist kein Teilecode</translation>
    </message>
    <message>
        <source>%1 is listed already on line %2</source>
        <translation>%1 steht schon in Zeile %2</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1 lists no pieces</source>
        <translation>%1 listet keine Teile</translation>
    </message>
    <message>
        <source>All pieces owned</source>
        <translation>Alle Teile vorhanden</translation>
    </message>
    <message>
        <source>1 piece short</source>
        <translation>1 Teil fehlt</translation>
    </message>
    <message numerus="yes">
        <source>%n pieces short</source>
        <translation>
            <numerusform>%n Teil fehlt</numerusform>
            <numerusform>%n Teile fehlen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InventoryCommands</name>
    <message>
        <source>Inventory</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Inventory…</source>
        <translation>Bestand…</translation>
    </message>
    <message>
        <source>Forget inventory</source>
        <translation>Bestand vergessen</translation>
    </message>
    <message>
        <source>Use owned pieces</source>
        <translation>Vorhandene Teile einsetzen</translation>
    </message>
    <message>
        <source>Read the pieces the club owns from a CSV file of code,count lines</source>
        <translation>Die Teile, die der Verein besitzt, aus einer CSV-Datei mit Zeilen code,count lesen</translation>
    </message>
    <message>
        <source>Put owned pieces that fit alike in place of the pieces too few of</source>
        <translation>Vorhandene Teile, die gleich anschließen, an die Stelle der Teile setzen, von denen zu wenige da sind</translation>
    </message>
    <message>
        <source>Inventory %1: %2</source>
        <translation>Bestand %1: %2</translation>
    </message>
    <message>
        <source>Inventory forgotten</source>
        <translation>Bestand vergessen</translation>
    </message>
</context>
<context>
    <name>KwError</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Lesefehler</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Das Bitmap-Bild ist ungültig</translation>
    </message>
    <message>
        <source>Text exceeds memo capacity</source>
        <translation>Der Text ist zu lang</translation>
    </message>
    <message>
        <source>Out of system resources</source>
        <translation>Nicht genug Systemressourcen</translation>
    </message>
    <message>
        <source>JPEG error #%1</source>
        <translation>JPEG-Fehler Nr. %1</translation>
    </message>
    <message>
        <source>Track too large: at most 30 columns and 30 rows</source>
        <translation>Strecke zu groß: höchstens 30 Spalten und 30 Zeilen</translation>
    </message>
</context>
<context>
    <name>LapCommands</name>
    <message>
        <source>Car…</source>
        <translation>Auto…</translation>
    </message>
    <message>
        <source>Drive a lap</source>
        <translation>Eine Runde fahren</translation>
    </message>
    <message>
        <source>Show speed map</source>
        <translation>Geschwindigkeitskarte zeigen</translation>
    </message>
    <message>
        <source>No lap to drive: the track has no closed circuit that a car can drive round in one go (Check connections shows its open road ends)</source>
        <translation>Keine Runde zum Fahren: Die Strecke hat keinen geschlossenen Rundkurs, den ein Auto in einem Zug umrunden kann („Verbindungen prüfen“ zeigt die offenen Fahrbahnenden)</translation>
    </message>
    <message>
        <source>Speed map of a %1 s lap (%2, grippy floor): %3–%4 m/s, red slow, green fast; Esc ends it</source>
        <translation>Geschwindigkeitskarte einer Runde von %1 s (%2, griffiger Boden): %3–%4 m/s, rot langsam, grün schnell; Esc beendet sie</translation>
    </message>
    <message>
        <source>Lap %1: %2 s of %3 s at %4 (%5, grippy floor); - slower, + faster, Esc stops</source>
        <translation>Runde %1: %2 s von %3 s bei %4 (%5, griffiger Boden); - langsamer, + schneller, Esc hält an</translation>
    </message>
</context>
<context>
    <name>LapModel</name>
    <message>
        <source>lap %1, %2 (%3)</source>
        <translation>Runde %1, %2 (%3)</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save &amp;as</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>Modify gridsize</source>
        <translation>Rastergröße ändern</translation>
    </message>
    <message>
        <source>Export to &amp;JPG</source>
        <translation>Als &amp;JPG exportieren</translation>
    </message>
    <message>
        <source>Export to &amp;BMP</source>
        <translation>Als &amp;BMP exportieren</translation>
    </message>
    <message>
        <source>Export to &amp;PNG</source>
        <translation>Als &amp;PNG exportieren</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>Export as…</source>
        <translation>Exportieren als…</translation>
    </message>
    <message>
        <source>Print preview…</source>
        <translation>Druckvorschau…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Print build sheets…</source>
        <translation>Aufbaublätter drucken…</translation>
    </message>
    <message>
        <source>Export build sheets to PDF…</source>
        <translation>Aufbaublätter als PDF exportieren…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>OutputCommands</name>
    <message>
        <source>Save your file first!</source>
        <translation>Speichere zuerst deine Datei!</translation>
    </message>
    <message>
        <source>Exported </source>
        <translation>Exportiert: </translation>
    </message>
    <message>
        <source>%1 cannot be exported: its extension chooses the format, one of %2.</source>
        <translation>%1 kann nicht exportiert werden: Die Endung wählt das Format, eine von %2.</translation>
    </message>
    <message>
        <source>Printed to </source>
        <translation>Gedruckt in </translation>
    </message>
    <message>
        <source>The printer %1 would not start printing</source>
        <translation>Der Drucker %1 hat nicht zu drucken begonnen</translation>
    </message>
    <message>
        <source>Printed %1 to %2</source>
        <translation>%1 auf %2 gedruckt</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 Seite</translation>
    </message>
    <message>
        <source>%1 cannot take the build sheets: they are a PDF, so its extension must be .pdf.</source>
        <translation>%1 kann die Aufbaublätter nicht aufnehmen: Sie sind ein PDF, die Endung muss also .pdf sein.</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n Seite</numerusform>
            <numerusform>%n Seiten</numerusform>
        </translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>OverOwned</name>
    <message>
        <source>No %1 owned</source>
        <translation>Kein Teil „%1“ vorhanden</translation>
    </message>
    <message>
        <source>Only %1 of %2 owned</source>
        <translation>Nur %1 von „%2“ vorhanden</translation>
    </message>
    <message>
        <source>: the track now uses %1</source>
        <translation>: die Strecke braucht jetzt %1</translation>
    </message>
    <message>
        <source>, and 1 other piece is over too</source>
        <translation>, und 1 weiteres Teil ist ebenfalls zu viel</translation>
    </message>
    <message numerus="yes">
        <source>, and %n other pieces are over too</source>
        <translation>
            <numerusform>, und %n weiteres Teil ist ebenfalls zu viel</numerusform>
            <numerusform>, und %n weitere Teile sind ebenfalls zu viel</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OwnedPieces</name>
    <message>
        <source>1 piece</source>
        <translation>1 Teil</translation>
    </message>
    <message numerus="yes">
        <source>%n pieces</source>
        <translation>
            <numerusform>%n Teil</numerusform>
            <numerusform>%n Teile</numerusform>
        </translation>
    </message>
    <message>
        <source>All pieces owned</source>
        <translation>Alle Teile vorhanden</translation>
    </message>
    <message>
        <source>No owned piece can stand in; %1 short</source>
        <translation>Kein vorhandenes Teil kann einspringen; %1 fehlen</translation>
    </message>
    <message>
        <source>Changed %1; </source>
        <translation>%1 getauscht; </translation>
    </message>
    <message>
        <source>all pieces owned</source>
        <translation>alle Teile vorhanden</translation>
    </message>
    <message>
        <source>%1 still short</source>
        <translation>%1 fehlen noch</translation>
    </message>
    <message>
        <source>Use owned pieces</source>
        <translation>Vorhandene Teile verwenden</translation>
    </message>
</context>
<context>
    <name>Palette</name>
    <message>
        <source>Add a column</source>
        <translation>Spalte anfügen</translation>
    </message>
    <message>
        <source>Remove a column</source>
        <translation>Spalte entfernen</translation>
    </message>
    <message>
        <source>Add a row</source>
        <translation>Zeile anfügen</translation>
    </message>
    <message>
        <source>Remove a row</source>
        <translation>Zeile entfernen</translation>
    </message>
</context>
<context>
    <name>PaletteKeys</name>
    <message>
        <source>Previous palette page</source>
        <translation>Vorige Palettenseite</translation>
    </message>
    <message>
        <source>Next palette page</source>
        <translation>Nächste Palettenseite</translation>
    </message>
    <message>
        <source>Previous piece</source>
        <translation>Voriges Teil</translation>
    </message>
    <message>
        <source>Next piece</source>
        <translation>Nächstes Teil</translation>
    </message>
</context>
<context>
    <name>PartsList</name>
    <message>
        <source>1 piece</source>
        <translation>1 Teil</translation>
    </message>
    <message numerus="yes">
        <source>%n pieces</source>
        <translation>
            <numerusform>%n Teil</numerusform>
            <numerusform>%n Teile</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 distinct</source>
        <translation>%1, %2 verschiedene</translation>
    </message>
</context>
<context>
    <name>PartsListCommand</name>
    <message>
        <source>Parts list…</source>
        <translation>Teileliste…</translation>
    </message>
    <message>
        <source>Circuit of 1 piece in columns %1–%2, rows %3–%4</source>
        <translation>Rundkurs aus 1 Teil in Spalten %1–%2, Zeilen %3–%4</translation>
    </message>
    <message numerus="yes">
        <source>Circuit of %n pieces in columns %1–%2, rows %3–%4</source>
        <translation>
            <numerusform>Rundkurs aus %n Teil in Spalten %1–%2, Zeilen %3–%4</numerusform>
            <numerusform>Rundkurs aus %n Teilen in Spalten %1–%2, Zeilen %3–%4</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PartsListWindow</name>
    <message>
        <source>Circuit %1: </source>
        <translation>Rundkurs %1: </translation>
    </message>
    <message>
        <source>Parts list</source>
        <translation>Teileliste</translation>
    </message>
    <message>
        <source>Piece</source>
        <translation>Teil</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Owned</source>
        <translation>Vorhanden</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Fehlt</translation>
    </message>
    <message>
        <source>The side of one cell, for the sizes and lengths above</source>
        <translation>Die Seite eines Felds, für die Größen und Längen oben</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save as CSV…</source>
        <translation>Als CSV speichern…</translation>
    </message>
    <message>
        <source>Compare with inventory…</source>
        <translation>Mit Bestand vergleichen…</translation>
    </message>
    <message>
        <source>Forget inventory</source>
        <translation>Bestand vergessen</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>Strecke:</translation>
    </message>
    <message>
        <source>Cell side:</source>
        <translation>Feldseite:</translation>
    </message>
    <message>
        <source>Circuits:</source>
        <translation>Rundkurse:</translation>
    </message>
    <message>
        <source>, road </source>
        <translation>, Fahrbahn </translation>
    </message>
    <message>
        <source>No road on the track</source>
        <translation>Keine Fahrbahn auf der Strecke</translation>
    </message>
    <message>
        <source>Total: </source>
        <translation>Gesamt: </translation>
    </message>
    <message>
        <source>An estimate from the pieces&apos; centre lines and the car&apos;s figures (Track → Car…); a measured lap calibrates it</source>
        <translation>Eine Schätzung aus den Mittellinien der Teile und den Werten des Autos (Strecke → Auto…); eine gemessene Runde eicht sie</translation>
    </message>
    <message>
        <source>Lap time:</source>
        <translation>Rundenzeit:</translation>
    </message>
    <message>
        <source>No lap: no circuit that a car can drive round in one go</source>
        <translation>Keine Runde: kein Rundkurs, den ein Auto in einem Zug umrunden kann</translation>
    </message>
    <message>
        <source>Circuit %1: %2, average %3–%4 km/h (%5)</source>
        <translation>Rundkurs %1: %2, im Mittel %3–%4 km/h (%5)</translation>
    </message>
    <message>
        <source>any</source>
        <translation>beliebig</translation>
    </message>
</context>
<context>
    <name>PiecePanel</name>
    <message>
        <source>Current piece</source>
        <translation>Aktuelles Teil</translation>
    </message>
    <message>
        <source>No piece chosen</source>
        <translation>Kein Teil gewählt</translation>
    </message>
</context>
<context>
    <name>PieceTable</name>
    <message>
        <source>Corner, east to south</source>
        <translation>Kurve, von Osten nach Süden</translation>
    </message>
    <message>
        <source>Corner, south to west</source>
        <translation>Kurve, von Süden nach Westen</translation>
    </message>
    <message>
        <source>Corner, north to east</source>
        <translation>Kurve, von Norden nach Osten</translation>
    </message>
    <message>
        <source>Corner, west to north</source>
        <translation>Kurve, von Westen nach Norden</translation>
    </message>
    <message>
        <source>Straight, west–east</source>
        <translation>Gerade, West–Ost</translation>
    </message>
    <message>
        <source>Straight, north–south</source>
        <translation>Gerade, Nord–Süd</translation>
    </message>
    <message>
        <source>Straight, west–east, start line</source>
        <translation>Gerade, West–Ost, Start-Ziel</translation>
    </message>
    <message>
        <source>Grass</source>
        <translation>Rasen</translation>
    </message>
    <message>
        <source>Straight, north–south, start line</source>
        <translation>Gerade, Nord–Süd, Start-Ziel</translation>
    </message>
    <message>
        <source>Gravel trap</source>
        <translation>Kiesbett</translation>
    </message>
    <message>
        <source>Foam corner, east to south</source>
        <translation>Schaumstoff-Kurve, von Osten nach Süden</translation>
    </message>
    <message>
        <source>Foam corner, south to west</source>
        <translation>Schaumstoff-Kurve, von Süden nach Westen</translation>
    </message>
    <message>
        <source>Foam corner, north to east</source>
        <translation>Schaumstoff-Kurve, von Norden nach Osten</translation>
    </message>
    <message>
        <source>Foam corner, west to north</source>
        <translation>Schaumstoff-Kurve, von Westen nach Norden</translation>
    </message>
    <message>
        <source>Foam straight, west–east</source>
        <translation>Schaumstoff-Gerade, West–Ost</translation>
    </message>
    <message>
        <source>Foam straight, north–south</source>
        <translation>Schaumstoff-Gerade, Nord–Süd</translation>
    </message>
    <message>
        <source>Foam straight, west–east, start line</source>
        <translation>Schaumstoff-Gerade, West–Ost, Start-Ziel</translation>
    </message>
    <message>
        <source>Foam straight, north–south, start line</source>
        <translation>Schaumstoff-Gerade, Nord–Süd, Start-Ziel</translation>
    </message>
    <message>
        <source>Foam T-junction, west–east with branch south</source>
        <translation>Schaumstoff-Einmündung, West–Ost mit Abzweig nach Süden</translation>
    </message>
    <message>
        <source>Foam T-junction, north–south with branch west</source>
        <translation>Schaumstoff-Einmündung, Nord–Süd mit Abzweig nach Westen</translation>
    </message>
    <message>
        <source>Foam T-junction, west–east with branch north</source>
        <translation>Schaumstoff-Einmündung, West–Ost mit Abzweig nach Norden</translation>
    </message>
    <message>
        <source>Foam T-junction, north–south with branch east</source>
        <translation>Schaumstoff-Einmündung, Nord–Süd mit Abzweig nach Osten</translation>
    </message>
    <message>
        <source>Foam chicane, west–east, kink north</source>
        <translation>Schaumstoff-Schikane, West–Ost, Knick nach Norden</translation>
    </message>
    <message>
        <source>Foam chicane, north–south, kink east</source>
        <translation>Schaumstoff-Schikane, Nord–Süd, Knick nach Osten</translation>
    </message>
    <message>
        <source>Foam chicane, west–east, kink south</source>
        <translation>Schaumstoff-Schikane, West–Ost, Knick nach Süden</translation>
    </message>
    <message>
        <source>Foam chicane, north–south, kink west</source>
        <translation>Schaumstoff-Schikane, Nord–Süd, Knick nach Westen</translation>
    </message>
    <message>
        <source>Foam crossroads</source>
        <translation>Schaumstoff-Kreuzung</translation>
    </message>
    <message>
        <source>Plain foam</source>
        <translation>Schaumstoff ohne Fahrbahn</translation>
    </message>
    <message>
        <source>Foam slalom, west–east</source>
        <translation>Schaumstoff-Slalom, West–Ost</translation>
    </message>
    <message>
        <source>Foam slalom, north–south</source>
        <translation>Schaumstoff-Slalom, Nord–Süd</translation>
    </message>
    <message>
        <source>Carpet corner, east to south</source>
        <translation>Teppich-Kurve, von Osten nach Süden</translation>
    </message>
    <message>
        <source>Carpet corner, south to west</source>
        <translation>Teppich-Kurve, von Süden nach Westen</translation>
    </message>
    <message>
        <source>Carpet corner, north to east</source>
        <translation>Teppich-Kurve, von Norden nach Osten</translation>
    </message>
    <message>
        <source>Carpet corner, west to north</source>
        <translation>Teppich-Kurve, von Westen nach Norden</translation>
    </message>
    <message>
        <source>Carpet straight, west–east</source>
        <translation>Teppich-Gerade, West–Ost</translation>
    </message>
    <message>
        <source>Carpet straight, north–south</source>
        <translation>Teppich-Gerade, Nord–Süd</translation>
    </message>
    <message>
        <source>Carpet straight, west–east, start line</source>
        <translation>Teppich-Gerade, West–Ost, Start-Ziel</translation>
    </message>
    <message>
        <source>Carpet straight, north–south, start line</source>
        <translation>Teppich-Gerade, Nord–Süd, Start-Ziel</translation>
    </message>
    <message>
        <source>Carpet T-junction, west–east with branch south</source>
        <translation>Teppich-Einmündung, West–Ost mit Abzweig nach Süden</translation>
    </message>
    <message>
        <source>Carpet T-junction, north–south with branch west</source>
        <translation>Teppich-Einmündung, Nord–Süd mit Abzweig nach Westen</translation>
    </message>
    <message>
        <source>Carpet T-junction, west–east with branch north</source>
        <translation>Teppich-Einmündung, West–Ost mit Abzweig nach Norden</translation>
    </message>
    <message>
        <source>Carpet T-junction, north–south with branch east</source>
        <translation>Teppich-Einmündung, Nord–Süd mit Abzweig nach Osten</translation>
    </message>
    <message>
        <source>Carpet turning bay, entry from the west</source>
        <translation>Teppich-Wendeschleife, Einfahrt von Westen</translation>
    </message>
    <message>
        <source>Carpet turning bay, entry from the north</source>
        <translation>Teppich-Wendeschleife, Einfahrt von Norden</translation>
    </message>
    <message>
        <source>Carpet turning bay, entry from the east</source>
        <translation>Teppich-Wendeschleife, Einfahrt von Osten</translation>
    </message>
    <message>
        <source>Carpet turning bay, entry from the south</source>
        <translation>Teppich-Wendeschleife, Einfahrt von Süden</translation>
    </message>
    <message>
        <source>Carpet crossroads</source>
        <translation>Teppich-Kreuzung</translation>
    </message>
    <message>
        <source>Plain carpet</source>
        <translation>Teppich ohne Fahrbahn</translation>
    </message>
    <message>
        <source>Carpet roundabout</source>
        <translation>Teppich-Kreisverkehr</translation>
    </message>
    <message>
        <source>Large corner 2 × 2 east to south, top-left</source>
        <translation>Große Kurve 2 × 2 von Osten nach Süden, oben links</translation>
    </message>
    <message>
        <source>Large corner 2 × 2 east to south, top-right</source>
        <translation>Große Kurve 2 × 2 von Osten nach Süden, oben rechts</translation>
    </message>
    <message>
        <source>Large corner 2 × 2 east to south, bottom-left</source>
        <translation>Große Kurve 2 × 2 von Osten nach Süden, unten links</translation>
    </message>
    <message>
        <source>Large corner 2 × 2 east to south, bottom-right</source>
        <translation>Große Kurve 2 × 2 von Osten nach Süden, unten rechts</translation>
    </message>
    <message>
        <source>Large corner 2 × 2 south to west, top-left</source>
        <translation>Große Kurve 2 × 2 von Süden nach Westen, oben links</translation>
    </message>
    <message>
        <source>Large corner 2 × 2 south to west, top-right</source>
        <translation>Große Kurve 2 × 2 von Süden nach Westen, oben rechts</translation>
    </message>
    <message>
        <source>Large corner 2 × 2 south to west, bottom-left</source>
        <translation>Große Kurve 2 × 2 von Süden nach Westen, unten links</translation>
    </message>
    <message>
        <source>Large corner 2 × 2 south to west, bottom-right</source>
        <translation>Große Kurve 2 × 2 von Süden nach Westen, unten rechts</translation>
    </message>
    <message>
        <source>Large corner 2 × 2 north to east, top-left</source>
        <translation>Große Kurve 2 × 2 von Norden nach Osten, oben links</translation>
    </message>
    <message>
        <source>Large corner 2 × 2 north to east, top-right</source>
        <translation>Große Kurve 2 × 2 von Norden nach Osten, oben rechts</translation>
    </message>
    <message>
        <source>Large corner 2 × 2 north to east, bottom-left</source>
        <translation>Große Kurve 2 × 2 von Norden nach Osten, unten links</translation>
    </message>
    <message>
        <source>Large corner 2 × 2 north to east, bottom-right</source>
        <translation>Große Kurve 2 × 2 von Norden nach Osten, unten rechts</translation>
    </message>
    <message>
        <source>Large corner 2 × 2 west to north, top-left</source>
        <translation>Große Kurve 2 × 2 von Westen nach Norden, oben links</translation>
    </message>
    <message>
        <source>Large corner 2 × 2 west to north, top-right</source>
        <translation>Große Kurve 2 × 2 von Westen nach Norden, oben rechts</translation>
    </message>
    <message>
        <source>Large corner 2 × 2 west to north, bottom-left</source>
        <translation>Große Kurve 2 × 2 von Westen nach Norden, unten links</translation>
    </message>
    <message>
        <source>Large corner 2 × 2 west to north, bottom-right</source>
        <translation>Große Kurve 2 × 2 von Westen nach Norden, unten rechts</translation>
    </message>
    <message>
        <source>Large corner 3 × 3 east to south, top-left</source>
        <translation>Große Kurve 3 × 3 von Osten nach Süden, oben links</translation>
    </message>
    <message>
        <source>Large corner 3 × 3 east to south, top-middle</source>
        <translation>Große Kurve 3 × 3 von Osten nach Süden, oben Mitte</translation>
    </message>
    <message>
        <source>Large corner 3 × 3 east to south, middle-left</source>
        <translation>Große Kurve 3 × 3 von Osten nach Süden, Mitte links</translation>
    </message>
    <message>
        <source>Large corner 3 × 3 east to south, centre</source>
        <translation>Große Kurve 3 × 3 von Osten nach Süden, Mitte</translation>
    </message>
    <message>
        <source>Large corner 3 × 3 east to south, top-right</source>
        <translation>Große Kurve 3 × 3 von Osten nach Süden, oben rechts</translation>
    </message>
    <message>
        <source>Large corner 3 × 3 east to south, bottom-left</source>
        <translation>Große Kurve 3 × 3 von Osten nach Süden, unten links</translation>
    </message>
    <message>
        <source>T-junction, west–east with branch south</source>
        <translation>Einmündung, West–Ost mit Abzweig nach Süden</translation>
    </message>
    <message>
        <source>T-junction, north–south with branch west</source>
        <translation>Einmündung, Nord–Süd mit Abzweig nach Westen</translation>
    </message>
    <message>
        <source>T-junction, west–east with branch north</source>
        <translation>Einmündung, West–Ost mit Abzweig nach Norden</translation>
    </message>
    <message>
        <source>T-junction, north–south with branch east</source>
        <translation>Einmündung, Nord–Süd mit Abzweig nach Osten</translation>
    </message>
    <message>
        <source>Fork, west–east with branch north, at the west end</source>
        <translation>Gabelung, West–Ost mit Abzweig nach Norden, am westlichen Ende</translation>
    </message>
    <message>
        <source>Fork, north–south with branch east, at the north end</source>
        <translation>Gabelung, Nord–Süd mit Abzweig nach Osten, am nördlichen Ende</translation>
    </message>
    <message>
        <source>Fork, west–east with branch south, at the east end</source>
        <translation>Gabelung, West–Ost mit Abzweig nach Süden, am östlichen Ende</translation>
    </message>
    <message>
        <source>Fork, north–south with branch west, at the south end</source>
        <translation>Gabelung, Nord–Süd mit Abzweig nach Westen, am südlichen Ende</translation>
    </message>
    <message>
        <source>Crossroads</source>
        <translation>Kreuzung</translation>
    </message>
    <message>
        <source>Bridge, west–east over north–south</source>
        <translation>Brücke, West–Ost über Nord–Süd</translation>
    </message>
    <message>
        <source>Bridge, north–south over west–east</source>
        <translation>Brücke, Nord–Süd über West–Ost</translation>
    </message>
    <message>
        <source>Roundabout</source>
        <translation>Kreisverkehr</translation>
    </message>
    <message>
        <source>Diagonal bend, west to north-east</source>
        <translation>Diagonaler Knick, von Westen nach Nordosten</translation>
    </message>
    <message>
        <source>Diagonal bend, north to south-east</source>
        <translation>Diagonaler Knick, von Norden nach Südosten</translation>
    </message>
    <message>
        <source>Diagonal bend, east to south-west</source>
        <translation>Diagonaler Knick, von Osten nach Südwesten</translation>
    </message>
    <message>
        <source>Diagonal bend, south to north-west</source>
        <translation>Diagonaler Knick, von Süden nach Nordwesten</translation>
    </message>
    <message>
        <source>Diagonal, south-west to north-east</source>
        <translation>Diagonale, von Südwesten nach Nordosten</translation>
    </message>
    <message>
        <source>Diagonal, north-west to south-east</source>
        <translation>Diagonale, von Nordwesten nach Südosten</translation>
    </message>
    <message>
        <source>Diagonal bend, west to south-east</source>
        <translation>Diagonaler Knick, von Westen nach Südosten</translation>
    </message>
    <message>
        <source>Diagonal bend, north to south-west</source>
        <translation>Diagonaler Knick, von Norden nach Südwesten</translation>
    </message>
    <message>
        <source>Diagonal bend, east to north-west</source>
        <translation>Diagonaler Knick, von Osten nach Nordwesten</translation>
    </message>
    <message>
        <source>Diagonal bend, south to north-east</source>
        <translation>Diagonaler Knick, von Süden nach Nordosten</translation>
    </message>
    <message>
        <source>Diagonal corner, south-east</source>
        <translation>Diagonalecke, Südosten</translation>
    </message>
    <message>
        <source>Diagonal corner, south-west</source>
        <translation>Diagonalecke, Südwesten</translation>
    </message>
    <message>
        <source>Diagonal corner, north-east</source>
        <translation>Diagonalecke, Nordosten</translation>
    </message>
    <message>
        <source>Diagonal corner, north-west</source>
        <translation>Diagonalecke, Nordwesten</translation>
    </message>
    <message>
        <source>Diagonal, south-west to north-east, start line</source>
        <translation>Diagonale, von Südwesten nach Nordosten, Start-Ziel</translation>
    </message>
    <message>
        <source>Diagonal, north-west to south-east, start line</source>
        <translation>Diagonale, von Nordwesten nach Südosten, Start-Ziel</translation>
    </message>
    <message>
        <source>Diagonal corners, north-west and south-east</source>
        <translation>Diagonalecken, Nordwesten und Südosten</translation>
    </message>
    <message>
        <source>Diagonal corners, north-east and south-west</source>
        <translation>Diagonalecken, Nordosten und Südwesten</translation>
    </message>
    <message>
        <source>Pit garages, west–east, pits north</source>
        <translation>Boxengaragen, West–Ost, Boxen im Norden</translation>
    </message>
    <message>
        <source>Pit garages, north–south, pits east</source>
        <translation>Boxengaragen, Nord–Süd, Boxen im Osten</translation>
    </message>
    <message>
        <source>Pit straight, west–east, pits north</source>
        <translation>Boxengerade, West–Ost, Boxen im Norden</translation>
    </message>
    <message>
        <source>Pit straight, north–south, pits east</source>
        <translation>Boxengerade, Nord–Süd, Boxen im Osten</translation>
    </message>
    <message>
        <source>Pit lane end, west–east, lane goes on east</source>
        <translation>Ende der Boxengasse, West–Ost, Boxengasse geht nach Osten weiter</translation>
    </message>
    <message>
        <source>Pit lane end, west–east, lane goes on west</source>
        <translation>Ende der Boxengasse, West–Ost, Boxengasse geht nach Westen weiter</translation>
    </message>
    <message>
        <source>Pit lane end, north–south, lane goes on south</source>
        <translation>Ende der Boxengasse, Nord–Süd, Boxengasse geht nach Süden weiter</translation>
    </message>
    <message>
        <source>Pit lane end, north–south, lane goes on north</source>
        <translation>Ende der Boxengasse, Nord–Süd, Boxengasse geht nach Norden weiter</translation>
    </message>
    <message>
        <source>Pit start line, west–east, pits north</source>
        <translation>Start-Ziel an der Boxengasse, West–Ost, Boxen im Norden</translation>
    </message>
    <message>
        <source>Pit start line, north–south, pits east</source>
        <translation>Start-Ziel an der Boxengasse, Nord–Süd, Boxen im Osten</translation>
    </message>
    <message>
        <source>Speed hump, west–east</source>
        <translation>Bodenwelle, West–Ost</translation>
    </message>
    <message>
        <source>Speed hump, north–south</source>
        <translation>Bodenwelle, Nord–Süd</translation>
    </message>
    <message>
        <source>Bump strip, west–east</source>
        <translation>Rüttelstreifen, West–Ost</translation>
    </message>
    <message>
        <source>Bump strip, north–south</source>
        <translation>Rüttelstreifen, Nord–Süd</translation>
    </message>
    <message>
        <source>Washboard, west–east</source>
        <translation>Waschbrett, West–Ost</translation>
    </message>
    <message>
        <source>Washboard, north–south</source>
        <translation>Waschbrett, Nord–Süd</translation>
    </message>
    <message>
        <source>Jump ramp, west–east, heading east</source>
        <translation>Sprungrampe, West–Ost, in Richtung Osten</translation>
    </message>
    <message>
        <source>Jump ramp, north–south, heading south</source>
        <translation>Sprungrampe, Nord–Süd, in Richtung Süden</translation>
    </message>
    <message>
        <source>Jump ramp, west–east, heading west</source>
        <translation>Sprungrampe, West–Ost, in Richtung Westen</translation>
    </message>
    <message>
        <source>Jump ramp, north–south, heading north</source>
        <translation>Sprungrampe, Nord–Süd, in Richtung Norden</translation>
    </message>
    <message>
        <source>Paved area, edge, grass to the north</source>
        <translation>Asphaltfläche, Rand, Rasen im Norden</translation>
    </message>
    <message>
        <source>Paved area, edge, grass to the east</source>
        <translation>Asphaltfläche, Rand, Rasen im Osten</translation>
    </message>
    <message>
        <source>Paved area, edge, grass to the south</source>
        <translation>Asphaltfläche, Rand, Rasen im Süden</translation>
    </message>
    <message>
        <source>Paved area, edge, grass to the west</source>
        <translation>Asphaltfläche, Rand, Rasen im Westen</translation>
    </message>
    <message>
        <source>Paved area, outer corner, paved to the south-east</source>
        <translation>Asphaltfläche, Außenecke, Asphalt im Südosten</translation>
    </message>
    <message>
        <source>Paved area, outer corner, paved to the south-west</source>
        <translation>Asphaltfläche, Außenecke, Asphalt im Südwesten</translation>
    </message>
    <message>
        <source>Paved area, outer corner, paved to the north-east</source>
        <translation>Asphaltfläche, Außenecke, Asphalt im Nordosten</translation>
    </message>
    <message>
        <source>Paved area, outer corner, paved to the north-west</source>
        <translation>Asphaltfläche, Außenecke, Asphalt im Nordwesten</translation>
    </message>
    <message>
        <source>Paved area, inner corner, grass to the south-east</source>
        <translation>Asphaltfläche, Innenecke, Rasen im Südosten</translation>
    </message>
    <message>
        <source>Paved area, inner corner, grass to the south-west</source>
        <translation>Asphaltfläche, Innenecke, Rasen im Südwesten</translation>
    </message>
    <message>
        <source>Paved area, inner corner, grass to the north-east</source>
        <translation>Asphaltfläche, Innenecke, Rasen im Nordosten</translation>
    </message>
    <message>
        <source>Paved area, inner corner, grass to the north-west</source>
        <translation>Asphaltfläche, Innenecke, Rasen im Nordwesten</translation>
    </message>
    <message>
        <source>Paved area, road entry from the north</source>
        <translation>Asphaltfläche, Straßeneinfahrt von Norden</translation>
    </message>
    <message>
        <source>Paved area, road entry from the east</source>
        <translation>Asphaltfläche, Straßeneinfahrt von Osten</translation>
    </message>
    <message>
        <source>Paved area, road entry from the south</source>
        <translation>Asphaltfläche, Straßeneinfahrt von Süden</translation>
    </message>
    <message>
        <source>Paved area, road entry from the west</source>
        <translation>Asphaltfläche, Straßeneinfahrt von Westen</translation>
    </message>
    <message>
        <source>Paved area</source>
        <translation>Asphaltfläche</translation>
    </message>
    <message>
        <source>Paved area with cones</source>
        <translation>Asphaltfläche mit Pylonen</translation>
    </message>
    <message>
        <source>Paved finish line, driven west–east</source>
        <translation>Asphalt-Ziellinie, befahren West–Ost</translation>
    </message>
    <message>
        <source>Paved finish line, driven north–south</source>
        <translation>Asphalt-Ziellinie, befahren Nord–Süd</translation>
    </message>
    <message>
        <source>Kerbed area, edge, grass to the north</source>
        <translation>Randsteinfläche, Rand, Rasen im Norden</translation>
    </message>
    <message>
        <source>Kerbed area, edge, grass to the east</source>
        <translation>Randsteinfläche, Rand, Rasen im Osten</translation>
    </message>
    <message>
        <source>Kerbed area, edge, grass to the south</source>
        <translation>Randsteinfläche, Rand, Rasen im Süden</translation>
    </message>
    <message>
        <source>Kerbed area, edge, grass to the west</source>
        <translation>Randsteinfläche, Rand, Rasen im Westen</translation>
    </message>
    <message>
        <source>Kerbed area, outer corner, paved to the south-east</source>
        <translation>Randsteinfläche, Außenecke, Asphalt im Südosten</translation>
    </message>
    <message>
        <source>Kerbed area, outer corner, paved to the south-west</source>
        <translation>Randsteinfläche, Außenecke, Asphalt im Südwesten</translation>
    </message>
    <message>
        <source>Kerbed area, outer corner, paved to the north-east</source>
        <translation>Randsteinfläche, Außenecke, Asphalt im Nordosten</translation>
    </message>
    <message>
        <source>Kerbed area, outer corner, paved to the north-west</source>
        <translation>Randsteinfläche, Außenecke, Asphalt im Nordwesten</translation>
    </message>
    <message>
        <source>Kerbed area, inner corner, grass to the south-east</source>
        <translation>Randsteinfläche, Innenecke, Rasen im Südosten</translation>
    </message>
    <message>
        <source>Kerbed area, inner corner, grass to the south-west</source>
        <translation>Randsteinfläche, Innenecke, Rasen im Südwesten</translation>
    </message>
    <message>
        <source>Kerbed area, inner corner, grass to the north-west</source>
        <translation>Randsteinfläche, Innenecke, Rasen im Nordwesten</translation>
    </message>
    <message>
        <source>Kerbed area, inner corner, grass to the north-east</source>
        <translation>Randsteinfläche, Innenecke, Rasen im Nordosten</translation>
    </message>
    <message>
        <source>Tyre stacks</source>
        <translation>Reifenstapel</translation>
    </message>
    <message>
        <source>Tyre wall, running west–east</source>
        <translation>Reifenwand, verläuft West–Ost</translation>
    </message>
    <message>
        <source>Tyre wall, running north–south</source>
        <translation>Reifenwand, verläuft Nord–Süd</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Baum</translation>
    </message>
    <message>
        <source>Start lights, west–east</source>
        <translation>Startampel, West–Ost</translation>
    </message>
    <message>
        <source>Grandstand</source>
        <translation>Tribüne</translation>
    </message>
    <message>
        <source>Marshal post</source>
        <translation>Streckenposten</translation>
    </message>
    <message>
        <source>Bushes</source>
        <translation>Büsche</translation>
    </message>
    <message>
        <source>Pond</source>
        <translation>Teich</translation>
    </message>
    <message>
        <source>Straw bales</source>
        <translation>Strohballen</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>RCP 1</source>
        <translation>RCP 1</translation>
    </message>
    <message>
        <source>RCP 2</source>
        <translation>RCP 2</translation>
    </message>
    <message>
        <source>Larger corners</source>
        <translation>Große Kurven</translation>
    </message>
    <message>
        <source>Intersection</source>
        <translation>Kreuzungen</translation>
    </message>
    <message>
        <source>Diagonal</source>
        <translation>Diagonalen</translation>
    </message>
    <message>
        <source>Pit lane</source>
        <translation>Boxengasse</translation>
    </message>
    <message>
        <source>Bumps</source>
        <translation>Bodenwellen</translation>
    </message>
    <message>
        <source>Open 1</source>
        <translation>Freifläche 1</translation>
    </message>
    <message>
        <source>Open 2</source>
        <translation>Freifläche 2</translation>
    </message>
    <message>
        <source>Extra&apos;s</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Raster</translation>
    </message>
</context>
<context>
    <name>PlanPdf</name>
    <message>
        <source>, parts list continued</source>
        <translation>, Fortsetzung der Teileliste</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Total: </source>
        <translation>Gesamt: </translation>
    </message>
    <message>
        <source>own %1</source>
        <translation>vorhanden %1</translation>
    </message>
    <message>
        <source>need %1: %2</source>
        <translation>Bedarf %1: %2</translation>
    </message>
    <message>
        <source>%1 × %2 cells</source>
        <translation>%1 × %2 Felder</translation>
    </message>
    <message>
        <source>Piece</source>
        <translation>Teil</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
</context>
<context>
    <name>PrintDialogs</name>
    <message>
        <source>The build sheets stand or lie as the fewest sheets need</source>
        <translation>Die Aufbaublätter stehen oder liegen so, wie es die wenigsten Blätter braucht</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print build sheets</source>
        <translation>Aufbaublätter drucken</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Loading Tiles - </source>
        <translation>Kacheln laden - </translation>
    </message>
    <message>
        <source>Drawing Grid - </source>
        <translation>Raster zeichnen - </translation>
    </message>
    <message>
        <source>Loading Track - </source>
        <translation>Strecke laden - </translation>
    </message>
    <message>
        <source>Drawing Image - </source>
        <translation>Bild zeichnen - </translation>
    </message>
    <message>
        <source>Initialising Array - </source>
        <translation>Felder vorbereiten - </translation>
    </message>
</context>
<context>
    <name>RecoveryDialog</name>
    <message>
        <source>Recover unsaved track</source>
        <translation>Ungespeicherte Strecke wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>A recovery copy of unsaved work, written at %1, is damaged and cannot be restored:
%2</source>
        <translation>Eine Sicherungskopie ungespeicherter Arbeit, geschrieben am %1, ist beschädigt und lässt sich nicht wiederherstellen:
%2</translation>
    </message>
    <message>
        <source>a new track that was never saved</source>
        <translation>einer neuen, nie gespeicherten Strecke</translation>
    </message>
    <message>
        <source>The editor ended before the changes to %1 were saved.

A recovery copy of them was written at %2. Restore it to go on where you left off, or discard it.</source>
        <translation>Der Editor wurde beendet, bevor die Änderungen an %1 gespeichert waren.

Eine Sicherungskopie davon wurde am %2 geschrieben. Stelle sie wieder her, um dort weiterzumachen, wo du aufgehört hast, oder verwirf sie.</translation>
    </message>
</context>
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>No recovery copy can be kept: neither XDG_DATA_HOME nor HOME names a folder.</source>
        <translation>Es kann keine Sicherungskopie angelegt werden: Weder XDG_DATA_HOME noch HOME nennt einen Ordner.</translation>
    </message>
    <message>
        <source>Recovery copies cannot be written to %1.</source>
        <translation>Sicherungskopien können nicht nach %1 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>SessionInventory</name>
    <message>
        <source>%1 owned, %2 used, %3 short</source>
        <translation>%1 vorhanden, %2 verbaut, %3 fehlen</translation>
    </message>
    <message>
        <source>%1 owned, %2 used, %3 left</source>
        <translation>%1 vorhanden, %2 verbaut, %3 übrig</translation>
    </message>
    <message>
        <source>Not in the inventory: as much as the track needs</source>
        <translation>Nicht im Bestand: so viele, wie die Strecke braucht</translation>
    </message>
</context>
<context>
    <name>SheetLayout</name>
    <message>
        <source>Sheet %1 of %2 — %3, %4</source>
        <translation>Blatt %1 von %2 — %3, %4</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>columns %1–%2</source>
        <translation>Spalten %1–%2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>rows %1–%2</source>
        <translation>Zeilen %1–%2</translation>
    </message>
    <message>
        <source>continues on sheet %1</source>
        <translation>weiter auf Blatt %1</translation>
    </message>
</context>
<context>
    <name>SpeedChart</name>
    <message>
        <source>Speed over the lap&apos;s distance: coloured on a grippy floor, grey on a slippery one</source>
        <translation>Geschwindigkeit über die Strecke der Runde: farbig auf griffigem Boden, grau auf rutschigem</translation>
    </message>
    <message>
        <source>No lap to chart</source>
        <translation>Keine Runde für das Diagramm</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>metres from the start</source>
        <translation>Meter ab dem Start</translation>
    </message>
    <message>
        <source>%1 m/s</source>
        <translation>%1 m/s</translation>
    </message>
</context>
<context>
    <name>StandardOutput</name>
    <message>
        <source>write error</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>: cannot write standard output: </source>
        <translation>: Standardausgabe nicht schreibbar: </translation>
    </message>
</context>
<context>
    <name>SuggestCircuitsCommand</name>
    <message>
        <source>Suggest circuits…</source>
        <translation>Rundkurse vorschlagen…</translation>
    </message>
</context>
<context>
    <name>SuggestCommand</name>
    <message>
        <source>Options both modes take:
  -o, --output PATH     where to write: the suggestions&apos; folder (default the
                        current folder), or the fitted track
  --inventory FILE      the pieces the club owns, as a CSV file of code,count
                        lines (or the parts list&apos;s code,page,count,name)
  -h, --help            show this text
  --version             show the version

Exit status: 0 all that was asked was done, 1 only part of it, 2 some file
could not be read or written (standard output too), or a usage error.
</source>
        <translation>Optionen beider Arten:
  -o, --output PFAD     wohin geschrieben wird: der Ordner der Vorschläge
                        (Vorgabe der aktuelle Ordner) oder die angepasste Strecke
  --inventory DATEI     die Teile, die der Verein besitzt, als CSV-Datei mit
                        Zeilen code,count (oder code,page,count,name der Teileliste)
  -h, --help            diesen Text zeigen
  --version             die Version zeigen

Rückgabewert: 0 alles Verlangte wurde getan, 1 nur ein Teil davon, 2 eine Datei
war nicht les- oder schreibbar (auch die Standardausgabe) oder der Aufruf falsch.
</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>%1 and %2 cannot go together</source>
        <translation>%1 und %2 gehen nicht zusammen</translation>
    </message>
    <message>
        <source>no mode given: %1</source>
        <translation>keine Art angegeben: %1</translation>
    </message>
    <message>
        <source>%1 does not go with %2</source>
        <translation>%1 geht nicht mit %2</translation>
    </message>
    <message>
        <source>Usage: </source>
        <translation>Aufruf: </translation>
    </message>
</context>
<context>
    <name>SuggestDialog</name>
    <message>
        <source>Suggest circuits</source>
        <translation>Rundkurse vorschlagen</translation>
    </message>
    <message>
        <source>cells, %1 × %2 m</source>
        <translation>Felder, %1 × %2 m</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Rundkurs</translation>
    </message>
    <message>
        <source>Foam mat (RCP 1)</source>
        <translation>Schaummatte (RCP 1)</translation>
    </message>
    <message>
        <source>Carpet (RCP 2)</source>
        <translation>Teppich (RCP 2)</translation>
    </message>
    <message>
        <source>Figures of eight (a crossing)</source>
        <translation>Achten (eine Kreuzung)</translation>
    </message>
    <message>
        <source>Floor:</source>
        <translation>Fläche:</translation>
    </message>
    <message>
        <source>×</source>
        <translation>×</translation>
    </message>
    <message>
        <source>Road:</source>
        <translation>Fahrbahn:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Ziel:</translation>
    </message>
    <message>
        <source>Pieces:</source>
        <translation>Teile:</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Anlage:</translation>
    </message>
    <message>
        <source>  at least</source>
        <translation>  mindestens</translation>
    </message>
    <message>
        <source>straight cells between corners</source>
        <translation>gerade Felder zwischen Kurven</translation>
    </message>
    <message>
        <source>Suggestions:</source>
        <translation>Vorschläge:</translation>
    </message>
    <message>
        <source>  seed</source>
        <translation>  Startwert</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Vorschlagen</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Other suggestions: the next seed</source>
        <translation>Andere Vorschläge: der nächste Startwert</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Use as track</source>
        <translation>Als Strecke übernehmen</translation>
    </message>
    <message>
        <source>Place as stamp</source>
        <translation>Als Stempel setzen</translation>
    </message>
    <message>
        <source>Any lap</source>
        <translation>Beliebige Runde</translation>
    </message>
    <message>
        <source>Lap length</source>
        <translation>Rundenlänge</translation>
    </message>
    <message>
        <source>Lap time</source>
        <translation>Rundenzeit</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>The car whose lap times are shown and aimed at</source>
        <translation>Das Auto, dessen Rundenzeiten gezeigt und angestrebt werden</translation>
    </message>
    <message>
        <source>  car</source>
        <translation>  Auto</translation>
    </message>
    <message>
        <source>Only what we own:</source>
        <translation>Nur was wir besitzen:</translation>
    </message>
    <message>
        <source>Load inventory…</source>
        <translation>Bestand laden…</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source> m</source>
        <translation> m</translation>
    </message>
    <message>
        <source>Suggestion %1: %2</source>
        <translation>Vorschlag %1: %2</translation>
    </message>
    <message>
        <source>no inventory loaded</source>
        <translation>kein Bestand geladen</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n piece)</source>
        <translation>
            <numerusform>%1 (%n Teil)</numerusform>
            <numerusform>%1 (%n Teile)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n pieces)</source>
        <translation>
            <numerusform>%1 (%n Teil)</numerusform>
            <numerusform>%1 (%n Teile)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SuggestionSheet</name>
    <message>
        <source>%1. Lap %2, %3</source>
        <translation>%1. Runde %2, %3</translation>
    </message>
    <message>
        <source>%1
%2 pieces in %3 × %4 cells; score %5 of 100</source>
        <translation>%1
%2 Teile auf %3 × %4 Feldern; Wertung %5 von 100</translation>
    </message>
    <message>
        <source>lap %1, %2 (%3)</source>
        <translation>Runde %1, %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%n corner</source>
        <translation>
            <numerusform>%n Kurve</numerusform>
            <numerusform>%n Kurven</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n corners</source>
        <translation>
            <numerusform>%n Kurve</numerusform>
            <numerusform>%n Kurven</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hairpin</source>
        <translation>
            <numerusform>%n Haarnadel</numerusform>
            <numerusform>%n Haarnadeln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hairpins</source>
        <translation>
            <numerusform>%n Haarnadel</numerusform>
            <numerusform>%n Haarnadeln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n chicane</source>
        <translation>
            <numerusform>%n Schikane</numerusform>
            <numerusform>%n Schikanen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n chicanes</source>
        <translation>
            <numerusform>%n Schikane</numerusform>
            <numerusform>%n Schikanen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n crossing</source>
        <translation>
            <numerusform>%n Kreuzung</numerusform>
            <numerusform>%n Kreuzungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n crossings</source>
        <translation>
            <numerusform>%n Kreuzung</numerusform>
            <numerusform>%n Kreuzungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Fits what we own</source>
        <translation>Passt zu dem, was wir besitzen</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Kerbwright</source>
        <translation>Über Kerbwright</translation>
    </message>
    <message>
        <source>Free software by the Kerbwright developers: GNU GPL 3 or later.</source>
        <translation>Freie Software der Kerbwright-Entwickler: GNU GPL 3 oder neuer.</translation>
    </message>
    <message>
        <source>Kerbwright tracks: the editor&apos;s home, with ready-made layouts</source>
        <translation>Kerbwright-Strecken: die Heimat des Editors, mit fertigen Strecken</translation>
    </message>
    <message>
        <source>to download, print and build on the floor.</source>
        <translation>zum Herunterladen, Drucken und Aufbauen auf dem Boden.</translation>
    </message>
    <message>
        <source>Share your layouts: send in your own tracks for other drivers.</source>
        <translation>Teile deine Strecken: Schicke sie für andere Fahrer ein.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>You should consider changing to a larger screen-resolution.</source>
        <translation>Eine höhere Bildschirmauflösung wäre zu empfehlen.</translation>
    </message>
    <message>
        <source>--inventory needs the name of a CSV file</source>
        <translation>--inventory braucht den Namen einer CSV-Datei</translation>
    </message>
</context>
<context>
    <name>TSaveForm</name>
    <message>
        <source>Save changes ?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <source>Save changes first ?</source>
        <translation>Änderungen zuerst speichern?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TSizeForm</name>
    <message>
        <source>Modify grid size</source>
        <translation>Rastergröße ändern</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Tool</name>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Fill: click to give the current piece to the cells joined to it through cells of the same piece</source>
        <translation>Füllen: Klick gibt das aktuelle Teil allen Feldern, die über Felder desselben Teils verbunden sind</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>Stempel</translation>
    </message>
    <message>
        <source>Click or press Enter to place the %1 x %2 block, Esc drops it</source>
        <translation>Klick oder Eingabetaste legt den Block %1 x %2 ab, Esc verwirft ihn</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Malen</translation>
    </message>
    <message>
        <source>Paint: click or drag to place the current piece; Alt+click picks a cell&apos;s piece</source>
        <translation>Malen: Klicken oder Ziehen legt das aktuelle Teil; Alt+Klick nimmt das Teil eines Felds auf</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Fahrbahn</translation>
    </message>
    <message>
        <source>Route: drag through the cells a road is to take; the release lays it, Esc drops it</source>
        <translation>Fahrbahn: durch die Felder ziehen, die eine Fahrbahn nehmen soll; Loslassen legt sie, Esc verwirft sie</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Select: drag over cells to select them, with Shift to add them; drag the selection to move its pieces</source>
        <translation>Auswählen: über Felder ziehen wählt sie aus, mit Umschalt kommen sie hinzu; Ziehen der Auswahl verschiebt ihre Teile</translation>
    </message>
</context>
<context>
    <name>ToolBox</name>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
</context>
<context>
    <name>TrackBlock</name>
    <message>
        <source>The text is not plain text</source>
        <translation>Der Text ist kein reiner Text</translation>
    </message>
    <message>
        <source>The text holds no piece codes</source>
        <translation>Der Text enthält keine Teilecodes</translation>
    </message>
    <message>
        <source>Not a piece code: &quot;%1&quot; (row %2, column %3)</source>
        <translation>Kein Teilecode: „%1“ (Zeile %2, Spalte %3)</translation>
    </message>
</context>
<context>
    <name>TrackCanvas</name>
    <message>
        <source>Track</source>
        <translation>Strecke</translation>
    </message>
</context>
<context>
    <name>TrackEdits</name>
    <message>
        <source>Rotate clockwise</source>
        <translation>Im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Rotate anticlockwise</source>
        <translation>Gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Mirror left to right</source>
        <translation>Links-rechts spiegeln</translation>
    </message>
    <message>
        <source>Mirror top to bottom</source>
        <translation>Oben-unten spiegeln</translation>
    </message>
    <message>
        <source>1 cell fell beyond the track and was cut off</source>
        <translation>1 Feld lag außerhalb der Strecke und wurde abgeschnitten</translation>
    </message>
    <message>
        <source>%1 cells fell beyond the track and were cut off</source>
        <translation>%1 Felder lagen außerhalb der Strecke und wurden abgeschnitten</translation>
    </message>
    <message>
        <source>Place piece</source>
        <translation>Teil legen</translation>
    </message>
    <message>
        <source>Paint stroke</source>
        <translation>Malstrich</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Draw route</source>
        <translation>Fahrbahn ziehen</translation>
    </message>
    <message>
        <source>Close gaps</source>
        <translation>Lücken schließen</translation>
    </message>
    <message>
        <source>Replace track</source>
        <translation>Strecke ersetzen</translation>
    </message>
    <message>
        <source>Insert column</source>
        <translation>Spalte einfügen</translation>
    </message>
    <message>
        <source>Delete column</source>
        <translation>Spalte löschen</translation>
    </message>
    <message>
        <source>Insert row</source>
        <translation>Zeile einfügen</translation>
    </message>
    <message>
        <source>Delete row</source>
        <translation>Zeile löschen</translation>
    </message>
    <message>
        <source>Resize grid</source>
        <translation>Rastergröße ändern</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Move selection</source>
        <translation>Auswahl verschieben</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>No piece has the code &quot;%1&quot; (row %2, column %3)</source>
        <translation>Kein Teil hat den Code „%1“ (Zeile %2, Spalte %3)</translation>
    </message>
</context>
<context>
    <name>TrackExport</name>
    <message>
        <source>%1 is the track file itself: an export never replaces it.</source>
        <translation>%1 ist die Streckendatei selbst: Ein Export ersetzt sie nie.</translation>
    </message>
</context>
<context>
    <name>TrackFacts</name>
    <message>
        <source>No road on the track</source>
        <translation>Keine Fahrbahn auf der Strecke</translation>
    </message>
    <message>
        <source>No open road ends: 1 circuit</source>
        <translation>Keine offenen Fahrbahnenden: 1 Rundkurs</translation>
    </message>
    <message numerus="yes">
        <source>No open road ends: %n circuits</source>
        <translation>
            <numerusform>Keine offenen Fahrbahnenden: %n Rundkurs</numerusform>
            <numerusform>Keine offenen Fahrbahnenden: %n Rundkurse</numerusform>
        </translation>
    </message>
    <message>
        <source>, lap </source>
        <translation>, Runde </translation>
    </message>
    <message>
        <source>%1 × %2 cells, %3 × %4 m</source>
        <translation>%1 × %2 Felder, %3 × %4 m</translation>
    </message>
    <message>
        <source>closed, 1 piece</source>
        <translation>geschlossen, 1 Teil</translation>
    </message>
    <message numerus="yes">
        <source>closed, %n pieces</source>
        <translation>
            <numerusform>geschlossen, %n Teil</numerusform>
            <numerusform>geschlossen, %n Teile</numerusform>
        </translation>
    </message>
    <message>
        <source>open, 1 piece</source>
        <translation>offen, 1 Teil</translation>
    </message>
    <message numerus="yes">
        <source>open, %n pieces</source>
        <translation>
            <numerusform>offen, %n Teil</numerusform>
            <numerusform>offen, %n Teile</numerusform>
        </translation>
    </message>
    <message>
        <source>, no lap</source>
        <translation>, keine Runde</translation>
    </message>
    <message>
        <source>, road </source>
        <translation>, Fahrbahn </translation>
    </message>
</context>
<context>
    <name>TrackView</name>
    <message>
        <source>Initializing... please wait.</source>
        <translation>Wird vorbereitet... bitte warten.</translation>
    </message>
</context>
<context>
    <name>ViewCommands</name>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Fit track</source>
        <translation>Strecke einpassen</translation>
    </message>
    <message>
        <source>Show rulers</source>
        <translation>Lineale zeigen</translation>
    </message>
</context>
</TS>
