<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Anleitungsseite</name>
    <message>
        <source>Bedienungsanleitung</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Mit  diesem Programm  können Sie im Komplexen Zahlensystem rechnen,
als wenn Sie mit Reellen Zahlen rechnen würden.
Auch können Gleichungssysteme mit Komplexen Zahlen gelöst werden.

Mit der rechten Maustaste können (nach dem Darg &amp; Drop verfahren)
Zahlenwerte kopiert werden.
 
Der Editormodus kann mit der Taste [ESC] abgeschaltet werden um das
Darg und Dorp zu ermöglichen.

Für Fragen und Verbesserungen.
Bitte an das Quorvel-Projekt wenden (Menü Hilfe, „Über Quorvel“).

 
                                                                                              Das Quorvel-Projekt

Copyright © 2026 die Quorvel-Entwickler. Quorvel ist freie Software nach der GNU GPL,
Version 3 oder neuer: Sie dürfen es weitergeben und ändern. OHNE JEDE GEWÄHRLEISTUNG.
Lizenztext: https://www.gnu.org/licenses/gpl-3.0.html</source>
        <translation>With this program you can calculate in the complex number system
as if you were calculating with real numbers.
Systems of equations with complex numbers can be solved too.

With the right mouse button (by drag &amp; drop)
numerical values can be copied.
 
The editor mode can be switched off with the [ESC] key to allow
drag and drop.

For questions and improvements,
please contact the Quorvel project (menu Help, “About Quorvel”).

 
                                                                                              The Quorvel project

Copyright © 2026 the Quorvel developers. Quorvel is free software under the GNU GPL,
version 3 or later: you may pass it on and change it. WITHOUT ANY WARRANTY.
License text: https://www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
</context>
<context>
    <name>AufgabenDatei</name>
    <message>
        <source>„%1“ fehlt</source>
        <translation>“%1” is missing</translation>
    </message>
    <message>
        <source>„%1“ ist kein Objekt</source>
        <translation>“%1” is not an object</translation>
    </message>
    <message>
        <source>„%1“ ist kein Text</source>
        <translation>“%1” is not a text</translation>
    </message>
    <message>
        <source>„%1“ ist länger als %2 Zeichen</source>
        <translation>“%1” is longer than %2 characters</translation>
    </message>
    <message>
        <source>„%1“ enthält ein Nullzeichen</source>
        <translation>“%1” contains a null character</translation>
    </message>
    <message>
        <source>„%1“ ist nicht true oder false</source>
        <translation>“%1” is not true or false</translation>
    </message>
    <message>
        <source>„%1“ ist keine ganze Zahl von %2 bis %3</source>
        <translation>“%1” is not a whole number from %2 to %3</translation>
    </message>
    <message>
        <source>„%1“ ist keine Liste von höchstens %2 Zeilen</source>
        <translation>“%1” is not a list of at most %2 rows</translation>
    </message>
    <message>
        <source>Zeile %1 der Matrix ist keine Liste von höchstens %2 Texten</source>
        <translation>row %1 of the matrix is not a list of at most %2 texts</translation>
    </message>
    <message>
        <source>Zelle( %1 , %2 )</source>
        <translation>cell( %1 , %2 )</translation>
    </message>
    <message>
        <source>„%1“ ist kein Wert aus Real- und Imaginärteil</source>
        <translation>“%1” is not a value of real and imaginary part</translation>
    </message>
    <message>
        <source>wert“ von „%1</source>
        <translation>wert” of “%1</translation>
    </message>
    <message>
        <source>„%1“ ist keine Liste</source>
        <translation>“%1” is not a list</translation>
    </message>
    <message>
        <source>ein Speichereintrag ist kein Objekt</source>
        <translation>a memory entry is not an object</translation>
    </message>
    <message>
        <source>K%1 steht zweimal im Speicher</source>
        <translation>K%1 is in the memory twice</translation>
    </message>
    <message>
        <source>„getippt“ von K%1 ist weder „K“ noch „G“</source>
        <translation>“getippt” of K%1 is neither “K” nor “G”</translation>
    </message>
    <message>
        <source>wert“ von „K%1</source>
        <translation>wert” of “K%1</translation>
    </message>
    <message>
        <source>„%1“ ist keiner der Werte %2</source>
        <translation>“%1” is none of the values %2</translation>
    </message>
    <message>
        <source>„gesucht“ in „%1“ ist keine der Größen %2, %3, %4</source>
        <translation>“gesucht” in “%1” is none of the quantities %2, %3, %4</translation>
    </message>
    <message>
        <source>„zahlendarstellung“ ist weder „General“ noch „Exponent“</source>
        <translation>“zahlendarstellung” is neither “General” nor “Exponent”</translation>
    </message>
    <message>
        <source>ein Eintrag in „werte“ ist kein Objekt</source>
        <translation>an entry in “werte” is not an object</translation>
    </message>
    <message>
        <source>ein Eintrag in „werte“ liegt nicht in der Formel oder überlappt den vorigen</source>
        <translation>an entry in “werte” lies outside the formula or overlaps the one before</translation>
    </message>
    <message>
        <source>„%1“ ist keine Liste von höchstens %2 Texten</source>
        <translation>“%1” is not a list of at most %2 texts</translation>
    </message>
    <message>
        <source>„verfahren“ ist weder „knoten“ noch „maschen“</source>
        <translation>“verfahren” is neither “knoten” nor “maschen”</translation>
    </message>
    <message>
        <source>„uebung“ ist weder null noch ein Objekt</source>
        <translation>“uebung” is neither null nor an object</translation>
    </message>
    <message>
        <source>Antwort X%1 ist keine Liste von höchstens 2 Texten</source>
        <translation>answer X%1 is not a list of at most 2 texts</translation>
    </message>
    <message>
        <source>Antwort X%1</source>
        <translation>answer X%1</translation>
    </message>
    <message>
        <source>sie ist abgeschnitten, ihr Ende fehlt</source>
        <translation>it is cut off, its end is missing</translation>
    </message>
    <message>
        <source>Der Text in %1 ist länger als %2 Zeichen und kann so nicht gespeichert werden.</source>
        <translation>The text in %1 is longer than %2 characters and cannot be saved like this.</translation>
    </message>
    <message>
        <source>dem Kommentar zu K%1</source>
        <translation>the comment on K%1</translation>
    </message>
    <message>
        <source>der Antwort für X%1</source>
        <translation>the answer for X%1</translation>
    </message>
    <message>
        <source>Die Netzliste hat mehr als %1 Zeilen und kann so nicht gespeichert werden.</source>
        <translation>The netlist has more than %1 lines and cannot be saved like this.</translation>
    </message>
    <message>
        <source>Zeile %1 der Netzliste</source>
        <translation>line %1 of the netlist</translation>
    </message>
    <message>
        <source>einem Zeilentitel der Matrix</source>
        <translation>a row title of the matrix</translation>
    </message>
    <message>
        <source>einem Spaltentitel der Matrix</source>
        <translation>a column title of the matrix</translation>
    </message>
    <message>
        <source>einem Eingabefeld</source>
        <translation>an input field</translation>
    </message>
    <message>
        <source>Die Aufgabe ist größer als 1 MB und kann nicht gespeichert werden.</source>
        <translation>The task is larger than 1 MB and cannot be saved.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ ist größer als 1 MB und damit keine Quorvel-Aufgabe. Sie wurde nicht geöffnet.</source>
        <translation>The file “%1” is larger than 1 MB and so not a Quorvel task. It was not opened.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ enthält ungültige Zeichen (kein UTF-8). Sie ist keine Quorvel-Aufgabe oder beschädigt und wurde nicht geöffnet.</source>
        <translation>The file “%1” contains invalid characters (not UTF-8). It is not a Quorvel task or is damaged and was not opened.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ ist keine Quorvel-Aufgabe. Sie wurde nicht geöffnet.</source>
        <translation>The file “%1” is not a Quorvel task. It was not opened.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ stammt von einer neueren Quorvel-Version (Dateiformat %2, dieses Programm kennt bis %3). Sie wurde nicht geöffnet.</source>
        <translation>The file “%1” comes from a newer Quorvel version (file format %2, this program knows up to %3). It was not opened.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ ist beschädigt: %2. Sie wurde nicht geöffnet.</source>
        <translation>The file “%1” is damaged: %2. It was not opened.</translation>
    </message>
</context>
<context>
    <name>Barrierefreiheit</name>
    <message>
        <source>Dimension ändern</source>
        <translation>Change dimension</translation>
    </message>
    <message>
        <source>Dimension verringern</source>
        <translation>Decrease dimension</translation>
    </message>
    <message>
        <source>Dimension erhöhen</source>
        <translation>Increase dimension</translation>
    </message>
    <message>
        <source>Gleichung %1</source>
        <translation>Equation %1</translation>
    </message>
    <message>
        <source>Ergebnis, rechte Seite</source>
        <translation>Result, right-hand side</translation>
    </message>
    <message>
        <source>Ergebnis Exponentialform</source>
        <translation>Result in exponential form</translation>
    </message>
    <message>
        <source>Ergebnis Komponentenform</source>
        <translation>Result in component form</translation>
    </message>
</context>
<context>
    <name>Beispielfenster</name>
    <message>
        <source>Beispielaufgaben</source>
        <translation>Example Problems</translation>
    </message>
    <message>
        <source>Beispielaufgabe mit Lösung</source>
        <translation>Example problem with solution</translation>
    </message>
</context>
<context>
    <name>Beispielschaltungen</name>
    <message>
        <source>Spannungsteiler</source>
        <translation>Voltage divider</translation>
    </message>
    <message>
        <source>* Unbelasteter Spannungsteiler
* U2 = U · R2 / (R1 + R2) = 10 V · 4 kΩ / 5 kΩ = 8 V
U1 1 0 10 V
R1 1 2 1k
R2 2 0 4k
</source>
        <translation>* Unloaded voltage divider
* U2 = U · R2 / (R1 + R2) = 10 V · 4 kΩ / 5 kΩ = 8 V
U1 1 0 10 V
R1 1 2 1k
R2 2 0 4k
</translation>
    </message>
    <message>
        <source>RC-Tiefpass</source>
        <translation>RC low-pass</translation>
    </message>
    <message>
        <source>* RC-Tiefpass bei seiner Grenzfrequenz fg = 1/(2π·R·C) = 1 kHz:
* U2 = U1/√2 ∠ −45°, also |U2| = 0,7071 V
f = 1000 Hz
U1 1 0 1∠0°
R1 1 2 1k
C1 2 0 159,15494309n   ; Ausgang ist Knoten 2
</source>
        <translation>* RC low-pass at its cut-off frequency fg = 1/(2π·R·C) = 1 kHz:
* U2 = U1/√2 ∠ −45°, so |U2| = 0,7071 V
f = 1000 Hz
U1 1 0 1∠0°
R1 1 2 1k
C1 2 0 159,15494309n   ; output is node 2
</translation>
    </message>
    <message>
        <source>RL-Hochpass</source>
        <translation>RL high-pass</translation>
    </message>
    <message>
        <source>* RL-Hochpass bei seiner Grenzfrequenz fg = R/(2π·L) = 1 kHz:
* U2 = U1/√2 ∠ +45°, also |U2| = 0,7071 V
f = 1000 Hz
U1 1 0 1∠0°
R1 1 2 100
L1 2 0 15,915494309m   ; Ausgang ist Knoten 2
</source>
        <translation>* RL high-pass at its cut-off frequency fg = R/(2π·L) = 1 kHz:
* U2 = U1/√2 ∠ +45°, so |U2| = 0,7071 V
f = 1000 Hz
U1 1 0 1∠0°
R1 1 2 100
L1 2 0 15,915494309m   ; output is node 2
</translation>
    </message>
    <message>
        <source>Reihenschwingkreis</source>
        <translation>Series resonant circuit</translation>
    </message>
    <message>
        <source>* Reihenschwingkreis in Resonanz: f0 = 1/(2π·√(L·C)) = 1591,55 Hz
* Z = R, also I = U/R = 1 A in Phase mit U;
* Güte Q = ω0·L/R = 10, also |UL| = |UC| = Q·U = 100 V
f = 1591,5494309
U1 1 0 10∠0°
R1 1 2 10
L1 2 3 10m
C1 3 0 1µ
</source>
        <translation>* Series resonant circuit at resonance: f0 = 1/(2π·√(L·C)) = 1591,55 Hz
* Z = R, so I = U/R = 1 A in phase with U;
* quality factor Q = ω0·L/R = 10, so |UL| = |UC| = Q·U = 100 V
f = 1591,5494309
U1 1 0 10∠0°
R1 1 2 10
L1 2 3 10m
C1 3 0 1µ
</translation>
    </message>
    <message>
        <source>Parallelschwingkreis</source>
        <translation>Parallel resonant circuit</translation>
    </message>
    <message>
        <source>* Parallelschwingkreis in Resonanz: f0 = 1/(2π·√(L·C)) = 1591,55 Hz
* Y = 1/R, also U = I·R = 10 mA · 1 kΩ = 10 V in Phase mit I
f = 1591,5494309
I1 0 1 10m∠0°   ; speist 10 mA in Knoten 1
R1 1 0 1k
L1 1 0 10m
C1 1 0 1µ
</source>
        <translation>* Parallel resonant circuit at resonance: f0 = 1/(2π·√(L·C)) = 1591,55 Hz
* Y = 1/R, so U = I·R = 10 mA · 1 kΩ = 10 V in phase with I
f = 1591,5494309
I1 0 1 10m∠0°   ; feeds 10 mA into node 1
R1 1 0 1k
L1 1 0 10m
C1 1 0 1µ
</translation>
    </message>
    <message>
        <source>Wheatstone-Brücke</source>
        <translation>Wheatstone bridge</translation>
    </message>
    <message>
        <source>* Abgeglichene Wheatstone-Brücke: R1/R2 = R3/R4,
* also fließt durch den Brückenzweig R5 kein Strom: I(R5) = 0
U1 1 0 10 V
R1 1 2 100
R2 2 0 200
R3 1 3 150
R4 3 0 300
R5 2 3 50   ; Brückenzweig
</source>
        <translation>* Balanced Wheatstone bridge: R1/R2 = R3/R4,
* so no current flows through the bridge branch R5: I(R5) = 0
U1 1 0 10 V
R1 1 2 100
R2 2 0 200
R3 1 3 150
R4 3 0 300
R5 2 3 50   ; bridge branch
</translation>
    </message>
    <message>
        <source>Drehstrom-Sternlast</source>
        <translation>Three-phase star load</translation>
    </message>
    <message>
        <source>* Symmetrische Sternlast am Vierleiternetz 3 × 230 V, 50 Hz
* Knoten 0 ist der Sternpunkt N der Quelle, S der der Last.
* Strangstrom |I| = 230 V / |80 + j60| Ω = 2,3 A; Neutralleiterstrom I(RN) = 0
f = 50 Hz
U1 L1 0 230∠0°
U2 L2 0 230∠-120°
U3 L3 0 230∠120°
Z1 L1 S 80+j60
Z2 L2 S 80+j60
Z3 L3 S 80+j60
RN S 0 1   ; Neutralleiter
</source>
        <translation>* Balanced star load on a four-wire system 3 × 230 V, 50 Hz
* Node 0 is the source&apos;s star point N, S that of the load.
* Phase current |I| = 230 V / |80 + j60| Ω = 2,3 A; neutral current I(RN) = 0
f = 50 Hz
U1 L1 0 230∠0°
U2 L2 0 230∠-120°
U3 L3 0 230∠120°
Z1 L1 S 80+j60
Z2 L2 S 80+j60
Z3 L3 S 80+j60
RN S 0 1   ; neutral conductor
</translation>
    </message>
    <message>
        <source>Überbrückte T-Schaltung</source>
        <translation>Bridged-T network</translation>
    </message>
    <message>
        <source>* Überbrückte T-Schaltung (Kerbfilter), Ausgang Knoten 3 unbelastet:
* f0 = 1/(2π·C·√(R1·R2)) = 5032,92 Hz, dort U3/U1 = 2·R2/(R1 + 2·R2) = 1/6
f = 5032,9212104487
U1 1 0 1∠0°
C1 1 2 10n
C2 2 3 10n
R1 1 3 10k   ; überbrückt das T
R2 2 0 1k
</source>
        <translation>* Bridged-T network (notch filter), output node 3 unloaded:
* f0 = 1/(2π·C·√(R1·R2)) = 5032,92 Hz, where U3/U1 = 2·R2/(R1 + 2·R2) = 1/6
f = 5032,9212104487
U1 1 0 1∠0°
C1 1 2 10n
C2 2 3 10n
R1 1 3 10k   ; bridges the T
R2 2 0 1k
</translation>
    </message>
</context>
<context>
    <name>Bericht</name>
    <message>
        <source>Knotenpotentialverfahren</source>
        <translation>Nodal analysis</translation>
    </message>
    <message>
        <source>Maschenstromverfahren</source>
        <translation>Mesh analysis</translation>
    </message>
    <message>
        <source>Unbekannte:</source>
        <translation>Unknowns:</translation>
    </message>
    <message>
        <source>Gleichungen:</source>
        <translation>Equations:</translation>
    </message>
    <message>
        <source>Lösung:</source>
        <translation>Solution:</translation>
    </message>
    <message>
        <source>Knotenpotentiale (gegen Masse %1):</source>
        <translation>Node potentials (with respect to ground %1):</translation>
    </message>
    <message>
        <source>Elemente (U vom ersten zum zweiten Knoten, I durch das Element in gleicher Richtung, S = U·I*):</source>
        <translation>Elements (U from the first node to the second, I through the element in the same direction, S = U·I*):</translation>
    </message>
    <message>
        <source>Leistungsbilanz: Summe aller S = %1 VA (Summe aller |S| = %2 VA)</source>
        <translation>Power balance: sum of all S = %1 VA (sum of all |S| = %2 VA)</translation>
    </message>
</context>
<context>
    <name>Bildexport</name>
    <message>
        <source>Als SVG speichern</source>
        <translation>Save as SVG</translation>
    </message>
    <message>
        <source>SVG-Bild (*.svg)</source>
        <translation>SVG image (*.svg)</translation>
    </message>
    <message>
        <source>Als PNG speichern</source>
        <translation>Save as PNG</translation>
    </message>
    <message>
        <source>PNG-Bild (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Das Bild konnte nicht als „%1“ gespeichert werden.</source>
        <translation>The picture could not be saved as “%1”.</translation>
    </message>
    <message>
        <source>Achtung!</source>
        <translation>Attention!</translation>
    </message>
</context>
<context>
    <name>Blindrechner</name>
    <message>
        <source>Eingabe Fehler!</source>
        <translation>Input error!</translation>
    </message>
    <message>
        <source>Division durch 0!</source>
        <translation>Division by 0!</translation>
    </message>
</context>
<context>
    <name>Ergebnistabelle</name>
    <message>
        <source>Ergebnis Expotentialform </source>
        <translation>Result exponential form </translation>
    </message>
    <message>
        <source>Ergebnis Koponetenform </source>
        <translation>Result component form </translation>
    </message>
</context>
<context>
    <name>Formelergebnis</name>
    <message>
        <source>R1 Ohmscher Widerstand</source>
        <translation>R1 resistance</translation>
    </message>
    <message>
        <source>R2 Ohmscher Widerstand</source>
        <translation>R2 resistance</translation>
    </message>
    <message>
        <source>R3 Ohmscher Widerstand</source>
        <translation>R3 resistance</translation>
    </message>
    <message>
        <source>Xc1 Kapazitiver Widerstand</source>
        <translation>Xc1 capacitive reactance</translation>
    </message>
    <message>
        <source>Xl1 Induktiver Widerstand</source>
        <translation>Xl1 inductive reactance</translation>
    </message>
    <message>
        <source>Xl2 Induktiver Widerstand</source>
        <translation>Xl2 inductive reactance</translation>
    </message>
    <message>
        <source>%1 enthält keine lesbare Zahl.</source>
        <translation>%1 holds no readable number.</translation>
    </message>
    <message>
        <source>%1 hat keinen Wert: %2</source>
        <translation>%1 has no value: %2</translation>
    </message>
    <message>
        <source>Es ist ein Klammerfehler aufgetreten.</source>
        <translation>There is a bracket error.</translation>
    </message>
    <message>
        <source>Es ist ein Formelfehler aufgetreten.</source>
        <translation>There is an error in the formula.</translation>
    </message>
    <message>
        <source>Das Ergebnis ist nicht definiert (Division durch 0).</source>
        <translation>The result is undefined (division by 0).</translation>
    </message>
    <message>
        <source>Der Exponent einer Potenz muss reell sein.</source>
        <translation>The exponent of a power must be real.</translation>
    </message>
</context>
<context>
    <name>Gleichungssystem</name>
    <message>
        <source>Lösungen eintragen, dann „Prüfen“.</source>
        <translation>Enter the solutions, then “Check”.</translation>
    </message>
    <message>
        <source>GL %1:</source>
        <translation>Eq %1:</translation>
    </message>
    <message>
        <source>Ergebnis  = </source>
        <translation>Result  = </translation>
    </message>
    <message>
        <source>Koeffizient von X%1</source>
        <translation>Coefficient of X%1</translation>
    </message>
    <message>
        <source>„Beispiele“ stellt eine Aufgabe.</source>
        <translation>“Examples” sets an exercise.</translation>
    </message>
    <message>
        <source>richtig</source>
        <translation>right</translation>
    </message>
    <message>
        <source>falsch</source>
        <translation>wrong</translation>
    </message>
    <message>
        <source>falsch: keine Antwort</source>
        <translation>wrong: no answer</translation>
    </message>
    <message>
        <source>%1 von %2 richtig</source>
        <translation>%1 of %2 right</translation>
    </message>
    <message>
        <source>Lösung gezeigt.</source>
        <translation>Solution shown.</translation>
    </message>
    <message>
        <source>in Zelle( %1 , %2 ) steht keine Zahl</source>
        <translation>cell( %1 , %2 ) holds no number</translation>
    </message>
    <message>
        <source>ihr Gleichungssystem hat keine eindeutige, genau bestimmbare Lösung</source>
        <translation>its equation system has no unique solution that can be determined accurately</translation>
    </message>
</context>
<context>
    <name>Hauptfenster</name>
    <message>
        <source>[ Mirelto 1.0  ]  Autor: das Quorvel-Projekt</source>
        <translation>[ Mirelto 1.0  ]  Author: the Quorvel project</translation>
    </message>
    <message>
        <source>Bearbeitungsmodus beendet</source>
        <translation>Editing mode ended</translation>
    </message>
    <message>
        <source>Escape hat die Eingabe in den Tabellen beendet; mit Tab geht es weiter.</source>
        <translation>Escape has ended input in the tables; Tab continues.</translation>
    </message>
    <message>
        <source>Rechnerseiten</source>
        <translation>Calculator pages</translation>
    </message>
    <message>
        <source>Gauss Algorithmus mit Komplexen Zahlen</source>
        <translation>Gauss Algorithm with Complex Numbers</translation>
    </message>
    <message>
        <source>KomplexeZahlen +  - * :</source>
        <translation>Complex Numbers +  - * :</translation>
    </message>
    <message>
        <source>Bedienungsanleitung</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Zeigerdiagramm</source>
        <translation>Phasor Diagram</translation>
    </message>
    <message>
        <source>Schaltung</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Zuletzt geöffnet</source>
        <translation>Open &amp;Recent</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Quorvel 1.0 – über das Programm: Menü Hilfe, „Über Quorvel“</source>
        <translation>Quorvel 1.0 – about the program: menu Help, “About Quorvel”</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Speichern &amp;unter…</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Anleitung</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>Ü&amp;ber Quorvel</source>
        <translation>&amp;About Quorvel</translation>
    </message>
</context>
<context>
    <name>Herleitung</name>
    <message>
        <source>Knoten %1: Summe der abfließenden Ströme = 0</source>
        <translation>Node %1: sum of the currents leaving = 0</translation>
    </message>
    <message>
        <source>Spannungsquelle %1: Potential von Knoten %2 (+) minus Potential von Knoten %3 (-) = %1</source>
        <translation>Voltage source %1: potential of node %2 (+) minus potential of node %3 (-) = %1</translation>
    </message>
    <message>
        <source>Masche %1 über %2 (%3): Summe der Spannungen im Umlauf = 0</source>
        <translation>Mesh %1 through %2 (%3): sum of the voltages around the loop = 0</translation>
    </message>
</context>
<context>
    <name>Kommandozeile</name>
    <message>
        <source>Aufruf: quorvel-schaltung [--verfahren knoten|maschen] [--json] [--sprache de|en] DATEI
Liest die Netzliste aus DATEI (- für die Standardeingabe), stellt das Schaltungssystem
nach dem Knotenpotentialverfahren (knoten, Vorgabe) oder dem Maschenstromverfahren
(maschen) auf, löst es und gibt System und Ergebnisse aus; mit --json als JSON.
</source>
        <translation>Usage: quorvel-schaltung [--verfahren knoten|maschen] [--json] [--sprache de|en] FILE
Reads the netlist from FILE (- for standard input), sets up the circuit&apos;s equation
system by nodal analysis (knoten, the default) or mesh analysis (maschen), solves it
and prints the system and the results; with --json as JSON (keys in German).
</translation>
    </message>
    <message>
        <source>Die Ausgabe ließ sich nicht schreiben.</source>
        <translation>The output could not be written.</translation>
    </message>
    <message>
        <source>Nach --verfahren fehlt knoten oder maschen.</source>
        <translation>--verfahren needs knoten or maschen after it.</translation>
    </message>
    <message>
        <source>Unbekanntes Verfahren „%1“ (knoten oder maschen).</source>
        <translation>Unknown method “%1” (knoten or maschen).</translation>
    </message>
    <message>
        <source>Unbekannte Option „%1“.</source>
        <translation>Unknown option “%1”.</translation>
    </message>
    <message>
        <source>Es wird genau eine Datei gelesen.</source>
        <translation>Exactly one file is read.</translation>
    </message>
    <message>
        <source>Die Netzliste fehlt.</source>
        <translation>The netlist is missing.</translation>
    </message>
    <message>
        <source>Die Standardeingabe lässt sich nicht lesen oder ist größer als 16 MiB.</source>
        <translation>Standard input cannot be read or is larger than 16 MiB.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ lässt sich nicht lesen oder ist größer als 16 MiB.</source>
        <translation>The file “%1” cannot be read or is larger than 16 MiB.</translation>
    </message>
</context>
<context>
    <name>Matrixseite</name>
    <message>
        <source>Koeffizientenmatrix</source>
        <translation>Coefficient matrix</translation>
    </message>
    <message>
        <source>Spalte Ergebnis: rechte Seite jeder Gleichung, danach die Koeffizienten von X1 bis Xn. Umschalt+Pfeiltasten markieren einen Block, Strg+C kopiert die Zelle oder den Block, Strg+V fügt ein, Strg+Tab verlässt die Tabelle.</source>
        <translation>Column Result: right-hand side of each equation, then the coefficients of X1 to Xn. Shift+arrow keys select a block, Ctrl+C copies the cell or the block, Ctrl+V pastes, Ctrl+Tab leaves the table.</translation>
    </message>
    <message>
        <source>Ergebnisse X1 bis Xn</source>
        <translation>Results X1 to Xn</translation>
    </message>
    <message>
        <source>Lösungen in Exponential- und Komponentenform. Strg+C kopiert die Zelle.</source>
        <translation>Solutions in exponential and component form. Ctrl+C copies the cell.</translation>
    </message>
    <message>
        <source>Anzahl der Unbekannten</source>
        <translation>Number of unknowns</translation>
    </message>
    <message>
        <source>Dimension des Gleichungssystems, 1 bis 20.</source>
        <translation>Dimension of the equation system, 1 to 20.</translation>
    </message>
    <message>
        <source>Gleichungssystem berechnen</source>
        <translation>Solve equation system</translation>
    </message>
    <message>
        <source>Tabelle löschen</source>
        <translation>Clear table</translation>
    </message>
    <message>
        <source>Leert die Koeffizientenmatrix nach einer Rückfrage.</source>
        <translation>Clears the coefficient matrix after asking.</translation>
    </message>
    <message>
        <source>Beispiele</source>
        <translation>Examples</translation>
    </message>
    <message>
        <source>Erzeugt ein Gleichungssystem mit bekannter Lösung und erklärt es im Beispielfenster.</source>
        <translation>Makes an equation system with a known solution and explains it in the example window.</translation>
    </message>
    <message>
        <source>Rechenweg</source>
        <translation>Solution steps</translation>
    </message>
    <message>
        <source>Öffnet ein Fenster mit den Schritten der letzten Rechnung.</source>
        <translation>Opens a window with the steps of the last calculation.</translation>
    </message>
    <message>
        <source>Übung (Lösung verbergen)</source>
        <translation>Exercise (hide solution)</translation>
    </message>
    <message>
        <source>Beispiele stellen dann eine Aufgabe ohne Lösung; die Ergebnisse trägt man selbst ein.</source>
        <translation>Examples then set a problem without its solution; you enter the results yourself.</translation>
    </message>
    <message>
        <source>Prüfen</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Markiert jede eingetragene Lösung grün (richtig) oder rot.</source>
        <translation>Marks each entered solution green (right) or red.</translation>
    </message>
    <message>
        <source>Lösung zeigen</source>
        <translation>Show solution</translation>
    </message>
    <message>
        <source>Rechnet die Übungsaufgabe und zeigt die Lösung.</source>
        <translation>Solves the exercise and shows the solution.</translation>
    </message>
    <message>
        <source>Übungsstand</source>
        <translation>Exercise status</translation>
    </message>
</context>
<context>
    <name>Netzliste</name>
    <message>
        <source>Der Widerstand</source>
        <translation>the resistance</translation>
    </message>
    <message>
        <source>Die Induktivität</source>
        <translation>the inductance</translation>
    </message>
    <message>
        <source>Die Kapazität</source>
        <translation>the capacitance</translation>
    </message>
    <message>
        <source>Die Impedanz</source>
        <translation>the impedance</translation>
    </message>
    <message>
        <source>Die Admittanz</source>
        <translation>the admittance</translation>
    </message>
    <message>
        <source>Die Quellenspannung</source>
        <translation>the source voltage</translation>
    </message>
    <message>
        <source>Der Quellenstrom</source>
        <translation>the source current</translation>
    </message>
    <message>
        <source>%1 oder %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>Knoten %1 und %2</source>
        <translation>nodes %1 and %2</translation>
    </message>
</context>
<context>
    <name>Ortskurve</name>
    <message>
        <source>Frequenzen sind 0 oder liegen zwischen 1E-15 Hz und 1E15 Hz.</source>
        <translation>A frequency is 0 or lies between 1E-15 Hz and 1E15 Hz.</translation>
    </message>
    <message>
        <source>„%1“ ist keine Frequenz (z. B. 50, 1,5k oder 2 MHz).</source>
        <translation>“%1” is not a frequency (e.g. 50, 1,5k or 2 MHz).</translation>
    </message>
    <message>
        <source>Eine Frequenz ist nicht negativ: „%1“.</source>
        <translation>A frequency is not negative: “%1”.</translation>
    </message>
    <message>
        <source>Die Endfrequenz muss größer als die Startfrequenz sein.</source>
        <translation>The end frequency must be greater than the start frequency.</translation>
    </message>
    <message>
        <source>Logarithmische Schritte brauchen eine Startfrequenz über 0.</source>
        <translation>Logarithmic steps need a start frequency above 0.</translation>
    </message>
    <message>
        <source>Die Zahl der Punkte muss zwischen 2 und %1 liegen.</source>
        <translation>The number of points must lie between 2 and %1.</translation>
    </message>
    <message>
        <source>Bitte die Startfrequenz eingeben.</source>
        <translation>Please enter the start frequency.</translation>
    </message>
    <message>
        <source>Bitte die Endfrequenz eingeben.</source>
        <translation>Please enter the end frequency.</translation>
    </message>
    <message>
        <source>Die Zahl der Punkte muss eine ganze Zahl zwischen 2 und %1 sein.</source>
        <translation>The number of points must be a whole number between 2 and %1.</translation>
    </message>
    <message>
        <source>„%1“: Bezifferungen werden mit Semikolon getrennt (50; 100; 1,5k).</source>
        <translation>“%1”: labelled frequencies are separated by semicolons (50; 100; 1,5k).</translation>
    </message>
    <message>
        <source>Die Bezifferung %1 liegt außerhalb des Bereichs %2 bis %3.</source>
        <translation>The label %1 lies outside the range %2 to %3.</translation>
    </message>
    <message>
        <source>Höchstens %1 Bezifferungen.</source>
        <translation>At most %1 labels.</translation>
    </message>
    <message>
        <source>Bei keiner Frequenz des Bereichs gibt es einen Wert: %1</source>
        <translation>There is a value at no frequency of the range: %1</translation>
    </message>
    <message>
        <source>Bei f = 0 ist jede Induktivität ein Kurzschluss; dafür gibt es hier keinen Wert.</source>
        <translation>At f = 0 every inductance is a short circuit; there is no value for that here.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
</context>
<context>
    <name>Rechenseite</name>
    <message>
        <source>Induktivität L berechnen</source>
        <translation>Calculate inductance L</translation>
    </message>
    <message>
        <source>Induktivität L in Henry</source>
        <translation>Inductance L in henry</translation>
    </message>
    <message>
        <source>Vorsätze wie m oder µ sind erlaubt.</source>
        <translation>Prefixes such as m or µ are allowed.</translation>
    </message>
    <message>
        <source>Frequenz f aus L und XL berechnen</source>
        <translation>Calculate frequency f from L and XL</translation>
    </message>
    <message>
        <source>Frequenz f in Hertz, induktiv</source>
        <translation>Frequency f in hertz, inductive</translation>
    </message>
    <message>
        <source>Blindwiderstand XL berechnen</source>
        <translation>Calculate reactance XL</translation>
    </message>
    <message>
        <source>Induktiver Blindwiderstand XL in Ohm</source>
        <translation>Inductive reactance XL in ohms</translation>
    </message>
    <message>
        <source>XL = 2 * Pi * f * L berechnen</source>
        <translation>Calculate XL = 2 * Pi * f * L</translation>
    </message>
    <message>
        <source>Komplexer Blindwiderstand K_XL</source>
        <translation>Complex reactance K_XL</translation>
    </message>
    <message>
        <source>Strg+C kopiert den Wert.</source>
        <translation>Ctrl+C copies the value.</translation>
    </message>
    <message>
        <source>Kapazität C berechnen</source>
        <translation>Calculate capacitance C</translation>
    </message>
    <message>
        <source>Kapazität C in Farad</source>
        <translation>Capacitance C in farads</translation>
    </message>
    <message>
        <source>Vorsätze wie n oder µ sind erlaubt.</source>
        <translation>Prefixes such as n or µ are allowed.</translation>
    </message>
    <message>
        <source>Frequenz f aus C und XC berechnen</source>
        <translation>Calculate frequency f from C and XC</translation>
    </message>
    <message>
        <source>Frequenz f in Hertz, kapazitiv</source>
        <translation>Frequency f in hertz, capacitive</translation>
    </message>
    <message>
        <source>Blindwiderstand XC berechnen</source>
        <translation>Calculate reactance XC</translation>
    </message>
    <message>
        <source>Kapazitiver Blindwiderstand XC in Ohm</source>
        <translation>Capacitive reactance XC in ohms</translation>
    </message>
    <message>
        <source>XC = 1 / (2 * Pi * f * C) berechnen</source>
        <translation>Calculate XC = 1 / (2 * Pi * f * C)</translation>
    </message>
    <message>
        <source>Komplexer Blindwiderstand K_XC</source>
        <translation>Complex reactance K_XC</translation>
    </message>
    <message>
        <source>Rechenfeld    Erlaubte Zeichen  {  Operratoren:  +  -  *  :  (  )    Variablen: K1 .. K20 , G1..G20  und   Zahlen}</source>
        <translation>Formula field    Allowed characters  {  Operators:  +  -  *  :  (  )    Variables: K1 .. K20 , G1..G20  and   numbers}</translation>
    </message>
    <message>
        <source>&lt;p&gt;Außer + - * / : und Klammern versteht das Rechenfeld:&lt;/p&gt;&lt;table&gt;&lt;tr&gt;&lt;td&gt;a||b&lt;/td&gt;&lt;td&gt;Parallelschaltung a·b/(a+b), z.&amp;nbsp;B. K1+K2||K3&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;a^b&lt;/td&gt;&lt;td&gt;Potenz mit reellem Exponenten, z.&amp;nbsp;B. (1+j)^8, -2^2 = -4&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;konj( ) conj( )&lt;/td&gt;&lt;td&gt;konjugiert komplexer Wert&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;betrag( ) abs( )&lt;/td&gt;&lt;td&gt;Betrag&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;winkel( ) arg( )&lt;/td&gt;&lt;td&gt;Winkel in Grad, -180 bis 180&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;re( ) im( )&lt;/td&gt;&lt;td&gt;Real- und Imaginärteil&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;wurzel( ) sqrt( )&lt;/td&gt;&lt;td&gt;Quadratwurzel (Hauptwert)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;pi π&lt;/td&gt;&lt;td&gt;die Kreiszahl&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;r∠φ&lt;/td&gt;&lt;td&gt;Winkelform, φ in Grad: 230∠-30 oder 230∠-30° = 230*e^-j30&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;Groß- und Kleinschreibung der Namen ist gleich.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Besides + - * / : and brackets the formula field understands (names typed as shown):&lt;/p&gt;&lt;table&gt;&lt;tr&gt;&lt;td&gt;a||b&lt;/td&gt;&lt;td&gt;parallel connection a·b/(a+b), e.g. K1+K2||K3&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;a^b&lt;/td&gt;&lt;td&gt;power with a real exponent, e.g. (1+j)^8, -2^2 = -4&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;konj( ) conj( )&lt;/td&gt;&lt;td&gt;complex conjugate&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;betrag( ) abs( )&lt;/td&gt;&lt;td&gt;magnitude&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;winkel( ) arg( )&lt;/td&gt;&lt;td&gt;angle in degrees, -180 to 180&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;re( ) im( )&lt;/td&gt;&lt;td&gt;real and imaginary part&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;wurzel( ) sqrt( )&lt;/td&gt;&lt;td&gt;square root (principal value)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;pi π&lt;/td&gt;&lt;td&gt;the number pi&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;r∠φ&lt;/td&gt;&lt;td&gt;polar form, φ in degrees: 230∠-30 or 230∠-30° = 230*e^-j30&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;Upper and lower case of the names are the same.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Formel</source>
        <translation>Formula</translation>
    </message>
    <message>
        <source>Erlaubt sind + - * : ( ), die Variablen K1 bis K20 und G1 bis G20 und Zahlen. Eingabetaste rechnet.</source>
        <translation>Allowed are + - * : ( ), the variables K1 to K20 and G1 to G20 and numbers. Enter calculates.</translation>
    </message>
    <message>
        <source>Ergebnis der Formel</source>
        <translation>Result of the formula</translation>
    </message>
    <message>
        <source>Strg+C kopiert die Exponentialform.</source>
        <translation>Ctrl+C copies the exponential form.</translation>
    </message>
    <message>
        <source>Beispielformel laden</source>
        <translation>Load example formula</translation>
    </message>
    <message>
        <source>Lädt die nächste von 14 Beispielformeln.</source>
        <translation>Loads the next of 14 example formulas.</translation>
    </message>
    <message>
        <source>Beispiel</source>
        <translation>Example</translation>
    </message>
    <message>
        <source>Formel berechnen</source>
        <translation>Calculate formula</translation>
    </message>
    <message>
        <source>Formel löschen</source>
        <translation>Clear formula</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Winkelrechner</source>
        <translation>Angle calculator</translation>
    </message>
    <message>
        <source>Einen Wert eingeben, die übrigen Zeilen werden berechnet. Strg+C kopiert die Zelle.</source>
        <translation>Enter one value, the other rows are calculated. Ctrl+C copies the cell.</translation>
    </message>
</context>
<context>
    <name>Rechenweg</name>
    <message>
        <source>X%1, Realteil</source>
        <translation>X%1, real part</translation>
    </message>
    <message>
        <source>X%1, Imaginärteil</source>
        <translation>X%1, imaginary part</translation>
    </message>
    <message>
        <source>Unendlich viele Lösungen</source>
        <translation>Infinitely many solutions</translation>
    </message>
    <message>
        <source>Keine Lösung</source>
        <translation>No solution</translation>
    </message>
    <message>
        <source>Keine eindeutige Lösung</source>
        <translation>No unique solution</translation>
    </message>
    <message>
        <source>Lösung nicht genau bestimmbar</source>
        <translation>Solution cannot be determined accurately</translation>
    </message>
    <message>
        <source>Rechnung abgebrochen</source>
        <translation>Calculation stopped</translation>
    </message>
    <message>
        <source>de</source>
        <extracomment>The language code of the saved HTML document.</extracomment>
        <translation>en</translation>
    </message>
    <message>
        <source>Rechenweg</source>
        <translation>Solution steps</translation>
    </message>
    <message>
        <source>rechte Seite</source>
        <translation>right-hand side</translation>
    </message>
    <message>
        <source>Z%1</source>
        <translation>R%1</translation>
    </message>
    <message>
        <source>Aufgabe: %1 Gleichung, wie sie gelesen wurde</source>
        <translation>Task: %1 equation, as read</translation>
    </message>
    <message>
        <source>Aufgabe: %1 Gleichungen, wie sie gelesen wurden</source>
        <translation>Task: %1 equations, as read</translation>
    </message>
    <message>
        <source>Gleichung %1:  %2 = %3</source>
        <translation>Equation %1:  %2 = %3</translation>
    </message>
    <message>
        <source>Anordnung (jede Diagonale ungleich null)</source>
        <translation>Arrangement (every diagonal entry non-zero)</translation>
    </message>
    <message>
        <source>Zeile %1: Gleichung %2 (für X%1)</source>
        <translation>Row %1: equation %2 (for X%1)</translation>
    </message>
    <message>
        <source>Die Gleichungen bleiben in ihrer Reihenfolge.</source>
        <translation>The equations keep their order.</translation>
    </message>
    <message>
        <source>Wiederholte Rechnung</source>
        <translation>Repeated calculation</translation>
    </message>
    <message>
        <source>Das Ergebnis der ersten Elimination bestand die Prüfung nicht (%1).</source>
        <translation>The result of the first elimination failed the check (%1).</translation>
    </message>
    <message>
        <source>in einer Spalte blieb kein Pivot ungleich null</source>
        <translation>a column was left without a non-zero pivot</translation>
    </message>
    <message>
        <source>Die Elimination wurde wiederholt, mit dem betragsgrößten Pivot jeder Spalte (Zeilentausch). Gezeigt wird diese Rechnung.</source>
        <translation>The elimination was repeated with the pivot of largest magnitude in each column (row exchange). This calculation is shown.</translation>
    </message>
    <message>
        <source>Die Elimination wurde wiederholt, mit Zeilentausch nach dem größten Pivot und danach noch einmal mit den Pivots der Anordnung, wo sie nicht null sind. Gezeigt wird die letzte Rechnung, deren Ergebnis besteht.</source>
        <translation>The elimination was repeated with row exchange by the largest pivot, then once more with the arrangement&apos;s pivots where they are not zero. The last calculation, whose result passes, is shown.</translation>
    </message>
    <message>
        <source>der Pivot in Zeile %1 ist null oder Rundungsrest</source>
        <translation>the pivot in row %1 is zero or rounding residue</translation>
    </message>
    <message>
        <source>Zeile %1 hat den betragsgrößten Pivot der Spalte</source>
        <translation>row %1 has the column&apos;s pivot of largest magnitude</translation>
    </message>
    <message>
        <source>der Pivot %1 ist zu klein gegen seine Spalte</source>
        <translation>pivot %1 is too small against its column</translation>
    </message>
    <message>
        <source>Zeile %1 und Zeile %2 getauscht (%3).</source>
        <translation>Row %1 and row %2 exchanged (%3).</translation>
    </message>
    <message>
        <source>Spalte %1</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>Zeile %1 geteilt durch (%2)</source>
        <translation>Row %1 divided by (%2)</translation>
    </message>
    <message>
        <source>Eintrag Zeile %1, Spalte %2 ist Rundungsrest und wird null gesetzt.</source>
        <translation>Entry row %1, column %2 is rounding residue and is set to zero.</translation>
    </message>
    <message>
        <source>Rückwärts: Spalte %1 oberhalb der Diagonale</source>
        <translation>Back substitution: column %1 above the diagonal</translation>
    </message>
    <message>
        <source>Zeile %1 − (%2) × Zeile %3</source>
        <translation>Row %1 − (%2) × row %3</translation>
    </message>
    <message>
        <source>Spalte %1 ist fertig.</source>
        <translation>Column %1 is done.</translation>
    </message>
    <message>
        <source>Matrix nach Spalte %1:</source>
        <translation>Matrix after column %1:</translation>
    </message>
    <message>
        <source>In Spalte %1 ist jeder mögliche Pivot null.</source>
        <translation>In column %1 every possible pivot is zero.</translation>
    </message>
    <message>
        <source>Die übrigen Spalten, ebenso eliminiert (eine Spalte ohne Pivot wird übergangen):</source>
        <translation>The other columns, eliminated likewise (a column without a pivot is skipped):</translation>
    </message>
    <message>
        <source>Zeile %1 lautet jetzt 0 = %2.</source>
        <translation>Row %1 now reads 0 = %2.</translation>
    </message>
    <message>
        <source>Eine Gleichung 0 = c mit c ungleich 0 ist ein Widerspruch: das System hat keine Lösung.</source>
        <translation>An equation 0 = c with c not 0 is a contradiction: the system has no solution.</translation>
    </message>
    <message>
        <source>Eine Gleichung 0 = 0 gilt für alle Werte der Unbekannten: mindestens eine bleibt frei wählbar, das System hat unendlich viele Lösungen.</source>
        <translation>An equation 0 = 0 holds for all values of the unknowns: at least one can be chosen freely, the system has infinitely many solutions.</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Die Lösung erfüllt alle Gleichungen; ihr Fehler ist höchstens %1 des größten Betrags der Unbekannten.</source>
        <translation>The solution satisfies all equations; its error is at most %1 of the largest magnitude of the unknowns.</translation>
    </message>
    <message>
        <source>Nicht bestanden: %1: %2.</source>
        <translation>Failed: %1: %2.</translation>
    </message>
    <message>
        <source>Nicht bestanden: %1.</source>
        <translation>Failed: %1.</translation>
    </message>
    <message>
        <source>Die Lösung wird nachgebessert (ein Schritt): der Rest der Gleichungen, mit etwa 38 Stellen gerechnet, ergibt ihre Korrektur.</source>
        <translation>The solution is refined (one step): the residual of the equations, computed with about 38 digits, gives its correction.</translation>
    </message>
    <message>
        <source>Die Lösung wird nachgebessert (%1 Schritte): der Rest der Gleichungen, mit etwa 38 Stellen gerechnet, ergibt ihre Korrektur.</source>
        <translation>The solution is refined (%1 steps): the residual of the equations, computed with about 38 digits, gives its correction.</translation>
    </message>
    <message>
        <source>%1: %2 (dieselben Stellen, nun gesichert)</source>
        <translation>%1: %2 (the same digits, now confirmed)</translation>
    </message>
    <message>
        <source>%1: %2 statt %3</source>
        <translation>%1: %2 instead of %3</translation>
    </message>
    <message>
        <source>%1: %2 ist von null nicht zu unterscheiden und wird 0.</source>
        <translation>%1: %2 cannot be told from zero and becomes 0.</translation>
    </message>
    <message>
        <source>Lösung</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Kein Fehler</source>
        <translation>No error</translation>
    </message>
    <message>
        <source>Die Anzahl der Gleichungen liegt außerhalb von 0 bis 100</source>
        <translation>The number of equations lies outside 0 to 100</translation>
    </message>
    <message>
        <source>Ein Wert des Systems ist unendlich oder unbestimmt</source>
        <translation>A value of the system is infinite or undefined</translation>
    </message>
    <message>
        <source>Keine Reihenfolge der Gleichungen gibt eine Diagonale ohne Null: das System hat keine eindeutige Lösung</source>
        <translation>No order of the equations gives a diagonal without zero: the system has no unique solution</translation>
    </message>
    <message>
        <source>Eine Spalte hat keinen Pivot, und jede Gleichung ohne Pivot lautet 0 = 0: das System hat unendlich viele Lösungen</source>
        <translation>A column has no pivot, and every equation without a pivot reads 0 = 0: the system has infinitely many solutions</translation>
    </message>
    <message>
        <source>Eine Spalte hat keinen Pivot, und eine Gleichung ohne Pivot lautet 0 = c mit c ungleich 0: das System hat keine Lösung</source>
        <translation>A column has no pivot, and an equation without a pivot reads 0 = c with c not 0: the system has no solution</translation>
    </message>
    <message>
        <source>Die Elimination ergab einen unendlichen oder unbestimmten Wert</source>
        <translation>The elimination gave an infinite or undefined value</translation>
    </message>
    <message>
        <source>Eine winzige Änderung der Koeffizienten macht das System singulär: es hat keine eindeutige Lösung</source>
        <translation>A tiny change of the coefficients makes the system singular: it has no unique solution</translation>
    </message>
    <message>
        <source>Der Fehler der Lösung könnte die angezeigten Stellen erreichen (schlecht konditioniert)</source>
        <translation>The error of the solution could reach the digits shown (ill-conditioned)</translation>
    </message>
</context>
<context>
    <name>RechenwegFenster</name>
    <message>
        <source>Rechenweg</source>
        <translation>Solution steps</translation>
    </message>
    <message>
        <source>Rechenweg des letzten Gleichungssystems</source>
        <translation>Solution steps of the last equation system</translation>
    </message>
    <message>
        <source>Text kopieren</source>
        <translation>Copy text</translation>
    </message>
    <message>
        <source>Legt den ganzen Rechenweg als Text in die Zwischenablage.</source>
        <translation>Puts all the solution steps on the clipboard as text.</translation>
    </message>
    <message>
        <source>Als HTML speichern …</source>
        <translation>Save as HTML …</translation>
    </message>
    <message>
        <source>Als PDF speichern …</source>
        <translation>Save as PDF …</translation>
    </message>
    <message>
        <source>Drucken …</source>
        <translation>Print …</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Rechenweg als HTML speichern</source>
        <translation>Save solution steps as HTML</translation>
    </message>
    <message>
        <source>Rechenweg.html</source>
        <translation>Solution steps.html</translation>
    </message>
    <message>
        <source>HTML-Dokument (*.html)</source>
        <translation>HTML document (*.html)</translation>
    </message>
    <message>
        <source>Rechenweg als PDF speichern</source>
        <translation>Save solution steps as PDF</translation>
    </message>
    <message>
        <source>Rechenweg.pdf</source>
        <translation>Solution steps.pdf</translation>
    </message>
    <message>
        <source>PDF-Dokument (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Es wurde noch kein Gleichungssystem gelöst. Nach „=“ steht hier jeder Schritt der Rechnung.</source>
        <translation>No equation system has been solved yet. After “=” every step of the calculation appears here.</translation>
    </message>
    <message>
        <source>Der Rechenweg konnte nicht als „%1“ gespeichert werden.</source>
        <translation>The solution steps could not be saved as “%1”.</translation>
    </message>
    <message>
        <source>Achtung!</source>
        <translation>Attention!</translation>
    </message>
</context>
<context>
    <name>Schaltung</name>
    <message>
        <source>Das Gleichungssystem hat keine eindeutige Lösung.</source>
        <translation>The equation system has no unique solution.</translation>
    </message>
    <message>
        <source>Das Gleichungssystem ist schlecht konditioniert; die Lösung ist nicht genau bestimmbar.</source>
        <translation>The equation system is ill-conditioned; its solution cannot be determined accurately.</translation>
    </message>
</context>
<context>
    <name>Schaltungsfehler</name>
    <message>
        <source>Die Zeile enthält Zeichen, die kein UTF-8 sind.</source>
        <translation>The line contains characters that are not UTF-8.</translation>
    </message>
    <message>
        <source>Unbekannte Angabe „%1“: mit „=“ wird nur die Frequenz gesetzt (f = 50 Hz oder ω = 314,16).</source>
        <translation>Unknown setting “%1”: “=” only sets the frequency (f = 50 Hz or ω = 314,16).</translation>
    </message>
    <message>
        <source>Unbekanntes Element „%1“: der erste Buchstabe muss R, L, C, Z, Y, U (oder V) oder I sein.</source>
        <translation>Unknown element “%1”: the first letter must be R, L, C, Z, Y, U (or V) or I.</translation>
    </message>
    <message>
        <source>Der Name „%1“ darf nur Buchstaben, Ziffern und _ enthalten.</source>
        <translation>The name “%1” may contain only letters, digits and _.</translation>
    </message>
    <message>
        <source>Bei %1 fehlen Knoten: nach dem Namen stehen zwei Knoten und der Wert.</source>
        <translation>%1 lacks nodes: the name is followed by two nodes and the value.</translation>
    </message>
    <message>
        <source>Bei %1 ist „%2“ kein Knotenname (nur Buchstaben, Ziffern und _).</source>
        <translation>In %1, “%2” is not a node name (only letters, digits and _).</translation>
    </message>
    <message>
        <source>Bei %1 fehlt der Wert.</source>
        <translation>%1 lacks its value.</translation>
    </message>
    <message>
        <source>Der Wert „%2“ von %1 ist nicht lesbar.</source>
        <translation>The value “%2” of %1 cannot be read.</translation>
    </message>
    <message>
        <source>Der Wert von %1 ist zu lang.</source>
        <translation>The value of %1 is too long.</translation>
    </message>
    <message>
        <source>„%2“ bei %1 ist kein Vorsatz: Mega ist M, Milli ist m (anders als in SPICE).</source>
        <translation>“%2” in %1 is not a prefix: mega is M, milli is m (unlike SPICE).</translation>
    </message>
    <message>
        <source>„f“ bei %1 ist kein Vorsatz: Femto gibt es hier nicht, und Farad schreibt man F.</source>
        <translation>“f” in %1 is not a prefix: there is no femto here, and farad is written F.</translation>
    </message>
    <message>
        <source>Die Einheit „%2“ passt nicht zu %1 (erwartet: %3).</source>
        <translation>The unit “%2” does not fit %1 (expected: %3).</translation>
    </message>
    <message>
        <source>Der Name „%1“ ist schon in Zeile %2 vergeben.</source>
        <translation>The name “%1” is already used in line %2.</translation>
    </message>
    <message>
        <source>%1 liegt mit beiden Enden am Knoten „%2“.</source>
        <translation>Both ends of %1 are at node “%2”.</translation>
    </message>
    <message>
        <source>%1: %2 muss reell sein (für komplexe Werte Z oder Y verwenden).</source>
        <translation>%1: %2 must be real (use Z or Y for complex values).</translation>
    </message>
    <message>
        <source>%1: %2 muss größer als 0 sein.</source>
        <translation>%1: %2 must be greater than 0.</translation>
    </message>
    <message>
        <source>%1 darf nicht 0 sein.</source>
        <translation>%1 must not be 0.</translation>
    </message>
    <message>
        <source>Die Frequenz ist schon in Zeile %1 gesetzt.</source>
        <translation>The frequency is already set in line %1.</translation>
    </message>
    <message>
        <source>%1 muss eine reelle Zahl sein, nicht negativ.</source>
        <translation>%1 must be a real number, not negative.</translation>
    </message>
    <message>
        <source>%1 braucht eine Frequenz: eine Zeile „f = 50 Hz“ oder „ω = 314,16“.</source>
        <translation>%1 needs a frequency: a line “f = 50 Hz” or “ω = 314,16”.</translation>
    </message>
    <message>
        <source>Die Frequenz ist 0, aber %1 braucht eine Frequenz über 0.</source>
        <translation>The frequency is 0, but %1 needs a frequency above 0.</translation>
    </message>
    <message>
        <source>Die Netzliste enthält kein Element.</source>
        <translation>The netlist contains no element.</translation>
    </message>
    <message>
        <source>Die Schaltung hat keinen Masseknoten (0, GND oder Masse).</source>
        <translation>The circuit has no ground node (0, GND or Masse).</translation>
    </message>
    <message>
        <source>%1 (%2) ist nicht mit dem Teil der Schaltung verbunden, der an Masse liegt.</source>
        <translation>%1 (%2) is not connected to the part of the circuit that is grounded.</translation>
    </message>
    <message>
        <source>%1 schließt eine Masche nur aus idealen Spannungsquellen (%2).</source>
        <translation>%1 closes a loop of ideal voltage sources only (%2).</translation>
    </message>
    <message>
        <source>Der Knoten „%1“ ist nur über Stromquellen mit dem Rest der Schaltung verbunden (%2).</source>
        <translation>Node “%1” is connected to the rest of the circuit through current sources only (%2).</translation>
    </message>
    <message>
        <source>Das Gleichungssystem hätte %1 Unbekannte; möglich sind höchstens %2.</source>
        <translation>The equation system would have %1 unknowns; at most %2 are possible.</translation>
    </message>
    <message>
        <source>Die Schaltung hat keinen Knoten „%1“.</source>
        <translation>The circuit has no node “%1”.</translation>
    </message>
    <message>
        <source>Die Impedanz braucht zwei verschiedene Knoten (beide Male „%1“).</source>
        <translation>The impedance needs two different nodes (both are “%1”).</translation>
    </message>
    <message>
        <source>Das Verhältnis U(%1)/U(%2) gibt es nicht: %2 ist Masse und hat immer das Potential 0.</source>
        <translation>The ratio U(%1)/U(%2) does not exist: %2 is ground and always has potential 0.</translation>
    </message>
    <message>
        <source>Ohne Quelle sind alle Potentiale 0; für ein Spannungsverhältnis braucht die Schaltung eine Quelle.</source>
        <translation>Without a source all potentials are 0; a voltage ratio needs a source in the circuit.</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
</context>
<context>
    <name>Schaltungsfeld</name>
    <message>
        <source>Masche %1</source>
        <translation>Mesh %1</translation>
    </message>
    <message>
        <source>Knoten %1</source>
        <translation>Node %1</translation>
    </message>
</context>
<context>
    <name>Sitzung</name>
    <message>
        <source>Der Ordner „%1“ lässt sich nicht anlegen.</source>
        <translation>The folder “%1” cannot be created.</translation>
    </message>
    <message>
        <source>Im Ordner „%1“ lässt sich keine Sitzung anlegen.</source>
        <translation>No session can be created in the folder “%1”.</translation>
    </message>
    <message>
        <source>Der Datenträger ist voll oder nicht beschreibbar.</source>
        <translation>The disk is full or cannot be written to.</translation>
    </message>
</context>
<context>
    <name>Sitzungsdatei</name>
    <message>
        <source>Die Datei ist zu groß.</source>
        <translation>The file is too large.</translation>
    </message>
    <message>
        <source>Die Datei ist unvollständig oder keine Sitzung von Quorvel.</source>
        <translation>The file is incomplete or not a Quorvel session.</translation>
    </message>
    <message>
        <source>Die Angaben zur Sitzung fehlen oder sind ungültig.</source>
        <translation>The session&apos;s details are missing or invalid.</translation>
    </message>
    <message>
        <source>Sitzung</source>
        <translation>Session</translation>
    </message>
</context>
<context>
    <name>Speicher</name>
    <message>
        <source>Variablen K1..K20  (* Speicher *)</source>
        <translation>Variables K1..K20  (* Memory *)</translation>
    </message>
    <message>
        <source>Speicher K1 bis K20</source>
        <translation>Memory K1 to K20</translation>
    </message>
    <message>
        <source>Wert und Kommentar jeder Variablen; die Kehrwerte stehen in G1 bis G20. Umschalt+Pfeiltasten markieren einen Block, Strg+C kopiert die Zelle oder den Block, Strg+V fügt ein, auch einen Block ab der gewählten Zeile.</source>
        <translation>Value and comment of each variable; the reciprocals are in G1 to G20. Shift+arrow keys select a block, Ctrl+C copies the cell or the block, Ctrl+V pastes, a block too, from the chosen row on.</translation>
    </message>
    <message>
        <source>Kehrwerte G1 bis G20</source>
        <translation>Reciprocals G1 to G20</translation>
    </message>
    <message>
        <source>Gn = 1/Kn. Strg+C kopiert die Zelle, Strg+V fügt ein.</source>
        <translation>Gn = 1/Kn. Ctrl+C copies the cell, Ctrl+V pastes.</translation>
    </message>
    <message>
        <source>Wandeln:</source>
        <translation>Convert:</translation>
    </message>
    <message>
        <source>Zahl zum Wandeln</source>
        <translation>Number to convert</translation>
    </message>
    <message>
        <source>Strg+C ohne Auswahl kopiert den ganzen Inhalt, Strg+V fügt ein.</source>
        <translation>Ctrl+C without a selection copies the whole content, Ctrl+V pastes.</translation>
    </message>
    <message>
        <source>Wandeln zwischen Exponential- und Komponentenform</source>
        <translation>Convert between exponential and component form</translation>
    </message>
    <message>
        <source>Wandeln  Ex &lt;-&gt; Kom</source>
        <translation>Convert Ex &lt;-&gt; Comp</translation>
    </message>
    <message>
        <source>Kehrwert 1/X bilden</source>
        <translation>Take the reciprocal 1/X</translation>
    </message>
    <message>
        <source>Zahlendarstellung</source>
        <translation>Number format</translation>
    </message>
    <message>
        <source>Zahlendarstellung General</source>
        <translation>Number format General</translation>
    </message>
    <message>
        <source>Zahlendarstellung Exponent</source>
        <translation>Number format Exponent</translation>
    </message>
    <message>
        <source>Speicher löschen</source>
        <translation>Clear memory</translation>
    </message>
    <message>
        <source>Leert K1 bis K20 nach einer Rückfrage.</source>
        <translation>Clears K1 to K20 after asking.</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Clear</translation>
    </message>
</context>
<context>
    <name>Sprachwahl</name>
    <message>
        <source>Nach --sprache fehlt de oder en.</source>
        <translation>--sprache needs de or en after it.</translation>
    </message>
    <message>
        <source>„%1“ ist keine Sprache von Quorvel: de oder en.</source>
        <translation>“%1” is not a language Quorvel speaks: de or en.</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Interner Fehler: %1</source>
        <translation>Internal error: %1</translation>
    </message>
</context>
<context>
    <name>TDateiAktionen</name>
    <message>
        <source>Datei öffnen</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Datei speichern</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>Quorvel-Aufgaben (*.quorvel);;Alle Dateien (*)</source>
        <translation>Quorvel problems (*.quorvel);;All files (*)</translation>
    </message>
    <message>
        <source>Aufgabe speichern unter</source>
        <translation>Save problem as</translation>
    </message>
    <message>
        <source>Aufgabe öffnen</source>
        <translation>Open problem</translation>
    </message>
    <message>
        <source>Änderungen speichern?</source>
        <translation>Save changes?</translation>
    </message>
    <message>
        <source>Die Datei „%1“ gibt es nicht (mehr).</source>
        <translation>The file “%1” does not exist (any more).</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht gelesen werden: %2</source>
        <translation>The file “%1” cannot be read: %2</translation>
    </message>
    <message>
        <source>Die Übung in der Datei „%1“ lässt sich nicht stellen: %2. Sie wurde nicht geöffnet.</source>
        <translation>The exercise in the file “%1” cannot be set: %2. It was not opened.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht gespeichert werden: %2
Eine schon vorhandene Datei dieses Namens ist unverändert.</source>
        <translation>The file “%1” could not be saved: %2
An existing file of this name is unchanged.</translation>
    </message>
    <message>
        <source>Liste leeren</source>
        <translation>Clear List</translation>
    </message>
    <message>
        <source>Quorvel %1
Rechner für komplexe Zahlen für den Unterricht in Wechselstromtechnik.

Copyright © 2026 die Quorvel-Entwickler.

Quorvel ist freie Software: Sie dürfen es unter den Bedingungen der GNU General Public License, wie von der Free Software Foundation veröffentlicht, weitergeben und/oder ändern, entweder nach Version 3 der Lizenz oder (nach Ihrer Wahl) jeder späteren Version.

Quorvel wird in der Hoffnung verbreitet, dass es nützlich ist, aber OHNE JEDE GEWÄHRLEISTUNG, sogar ohne die implizite Gewährleistung der MARKTREIFE oder der EIGNUNG FÜR EINEN BESTIMMTEN ZWECK.

Lizenztext: https://www.gnu.org/licenses/gpl-3.0.html</source>
        <translation>Quorvel %1
Complex number calculator for teaching AC circuit analysis.

Copyright © 2026 the Quorvel developers.

Quorvel is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.

Quorvel is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE.

License text: https://www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Über Quorvel</source>
        <translation>About Quorvel</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Ortskurve</source>
        <translation>Locus</translation>
    </message>
    <message>
        <source>Seitenauswahl</source>
        <translation>Page selection</translation>
    </message>
</context>
<context>
    <name>TMatrixseite</name>
    <message>
        <source>Nr</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>„%1“ ist keine gültige ganze Zahl für die Dimension.</source>
        <translation>“%1” is not a valid whole number for the dimension.</translation>
    </message>
    <message>
        <source>Falscheingabe!</source>
        <translation>Invalid input!</translation>
    </message>
    <message>
        <source>Fehlerhafte Eingabe in Zelle( %1 , %2 )</source>
        <translation>Invalid input in cell( %1 , %2 )</translation>
    </message>
    <message>
        <source>Das Gleichungssystem ist schlecht konditioniert; die Lösung ist nicht genau bestimmbar.</source>
        <translation>The equation system is ill-conditioned; its solution cannot be determined accurately.</translation>
    </message>
    <message>
        <source>Achtung!</source>
        <translation>Attention!</translation>
    </message>
    <message>
        <source>Das Gleichungssystem hat keine eindeutige Lösung.</source>
        <translation>The equation system has no unique solution.</translation>
    </message>
    <message>
        <source>Wollen Sie wirklich die Tabelle Löschen?</source>
        <translation>Do you really want to clear the table?</translation>
    </message>
    <message>
        <source>Beispiel: %1</source>
        <translation>Example: %1</translation>
    </message>
    <message>
        <source>GL%1 : %2  = </source>
        <translation>Eq%1 : %2  = </translation>
    </message>
    <message>
        <source>Beispielaufgabe: %1</source>
        <translation>Example problem: %1</translation>
    </message>
    <message>
        <source>Im Übungsmodus bleibt der Rechenweg verborgen, bis „Lösung zeigen“ die Aufgabe löst.</source>
        <translation>In exercise mode the solution steps stay hidden until “Show solution” solves the problem.</translation>
    </message>
</context>
<context>
    <name>TOrtskurvenFlaeche</name>
    <message>
        <source>Ortskurvendiagramm</source>
        <translation>Locus diagram</translation>
    </message>
    <message>
        <source>Die Kurve über der Frequenz. Die Maus auf einem Punkt zeigt Frequenz und Wert; ein Klick legt den Wert im ersten freien Speicher ab.</source>
        <translation>The curve over frequency. The mouse on a point shows frequency and value; a click stores the value in the first free memory.</translation>
    </message>
    <message>
        <source>Noch keine Kurve: links die Quelle und den Bereich wählen.</source>
        <translation>No curve yet: choose the source and the range on the left.</translation>
    </message>
    <message>
        <source>Kehrwert 1/x</source>
        <translation>Reciprocal 1/x</translation>
    </message>
    <message>
        <source>Kurve x</source>
        <translation>Curve x</translation>
    </message>
</context>
<context>
    <name>TOrtskurvenseite</name>
    <message>
        <source>Ortskurve</source>
        <translation>Locus</translation>
    </message>
    <message>
        <source>Quelle der Kurve</source>
        <translation>Source of the curve</translation>
    </message>
    <message>
        <source>Formel in f und ω</source>
        <translation>Formula in f and ω</translation>
    </message>
    <message>
        <source>Schaltung der Seite „Schaltung“</source>
        <translation>Circuit of the “Circuit” page</translation>
    </message>
    <message>
        <source>Formel der Kurve</source>
        <translation>Formula of the curve</translation>
    </message>
    <message>
        <source>Wie im Rechenfeld, dazu f (Frequenz in Hz) und ω oder omega (1/s), z. B. 100 + j*omega*0,1</source>
        <translation>As in the formula field, plus f (frequency in Hz) and ω or omega (1/s), e.g. 100 + j*omega*0,1</translation>
    </message>
    <message>
        <source>Größe der Schaltung</source>
        <translation>Quantity of the circuit</translation>
    </message>
    <message>
        <source>Impedanz Z zwischen a und b</source>
        <translation>Impedance Z between a and b</translation>
    </message>
    <message>
        <source>Übertragung U(a)/U(b)</source>
        <translation>Transfer U(a)/U(b)</translation>
    </message>
    <message>
        <source>Knoten a</source>
        <translation>Node a</translation>
    </message>
    <message>
        <source>Knoten b</source>
        <translation>Node b</translation>
    </message>
    <message>
        <source>automatisch</source>
        <translation>automatic</translation>
    </message>
    <message>
        <source>Frequenz von</source>
        <translation>Frequency from</translation>
    </message>
    <message>
        <source>Frequenz bis</source>
        <translation>Frequency to</translation>
    </message>
    <message>
        <source>Anzahl der Punkte</source>
        <translation>Number of points</translation>
    </message>
    <message>
        <source>In Hz, mit Vorsatz: 10, 2,5k, 1 MHz</source>
        <translation>In Hz, with prefix: 10, 2,5k, 1 MHz</translation>
    </message>
    <message>
        <source>2 bis 10000 Punkte</source>
        <translation>2 to 10000 points</translation>
    </message>
    <message>
        <source>Schritte</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>logarithmisch</source>
        <translation>logarithmic</translation>
    </message>
    <message>
        <source>linear</source>
        <translation>linear</translation>
    </message>
    <message>
        <source>Bezifferung</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Dekaden</source>
        <translation>decades</translation>
    </message>
    <message>
        <source>gewählte Frequenzen</source>
        <translation>chosen frequencies</translation>
    </message>
    <message>
        <source>Gewählte Frequenzen der Bezifferung</source>
        <translation>Chosen frequencies to label</translation>
    </message>
    <message>
        <source>Frequenzen mit Semikolon getrennt: 50; 100; 1,5k</source>
        <translation>Frequencies separated by semicolons: 50; 100; 1,5k</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Frequenzgang</source>
        <translation>Frequency response</translation>
    </message>
    <message>
        <source>Betrag im Frequenzgang</source>
        <translation>Magnitude in the frequency response</translation>
    </message>
    <message>
        <source>in dB</source>
        <translation>in dB</translation>
    </message>
    <message>
        <source>Inversion</source>
        <translation>Inversion</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Kehrwert daneben</source>
        <translation>reciprocal beside</translation>
    </message>
    <message>
        <source>nur Kehrwert</source>
        <translation>reciprocal only</translation>
    </message>
    <message>
        <source>Die Kurve 1/x (Impedanz ↔ Admittanz) mit denselben Marken</source>
        <translation>The curve 1/x (impedance ↔ admittance) with the same labels</translation>
    </message>
    <message>
        <source>Exportieren…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Das Bild als PNG oder SVG, die Punkte als CSV</source>
        <translation>The picture as PNG or SVG, the points as CSV</translation>
    </message>
    <message>
        <source>Meldung</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>&amp;Quelle</source>
        <translation>&amp;Source</translation>
    </message>
    <message>
        <source>&amp;Formel</source>
        <translation>&amp;Formula</translation>
    </message>
    <message>
        <source>&amp;Größe</source>
        <translation>&amp;Quantity</translation>
    </message>
    <message>
        <source>&amp;a, b</source>
        <translation>&amp;a, b</translation>
    </message>
    <message>
        <source>&amp;von, bis</source>
        <translation>F&amp;rom, to</translation>
    </message>
    <message>
        <source>&amp;Punkte</source>
        <translation>&amp;Points</translation>
    </message>
    <message>
        <source>Be&amp;zifferung</source>
        <translation>&amp;Labels</translation>
    </message>
    <message>
        <source>&amp;Marken</source>
        <translation>&amp;Marks</translation>
    </message>
    <message>
        <source>A&amp;nsicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Inversion</source>
        <translation>&amp;Inversion</translation>
    </message>
    <message>
        <source>Bitte eine Formel in f oder ω eingeben.</source>
        <translation>Please enter a formula in f or ω.</translation>
    </message>
    <message>
        <source>Die Formel enthält weder f noch ω: die Kurve ist ein Punkt.</source>
        <translation>The formula contains neither f nor ω: the curve is a point.</translation>
    </message>
    <message>
        <source>Auf der Seite „Schaltung“ ist noch keine Netzliste eingegeben.</source>
        <translation>No netlist has been entered on the “Circuit” page yet.</translation>
    </message>
    <message>
        <source>Die Netzliste der Seite „Schaltung“ hat Fehler: %1</source>
        <translation>The netlist of the “Circuit” page has errors: %1</translation>
    </message>
    <message>
        <source>Den Knoten „%1“ gibt es in der Netzliste nicht.</source>
        <translation>The netlist has no node “%1”.</translation>
    </message>
    <message>
        <source>kein Wert: %1</source>
        <translation>no value: %1</translation>
    </message>
    <message>
        <source>0 hat keinen Kehrwert.</source>
        <translation>0 has no reciprocal.</translation>
    </message>
    <message>
        <source>Klick: Wert in den ersten freien Speicher</source>
        <translation>Click: value into the first free memory</translation>
    </message>
    <message>
        <source>Alle 20 Speicher K1..K20 enthalten schon Werte. Bitte zuerst einen Speicher löschen.</source>
        <translation>All 20 memories K1..K20 already hold values. Please clear a memory first.</translation>
    </message>
    <message>
        <source>Achtung!</source>
        <translation>Attention!</translation>
    </message>
    <message>
        <source>Es ist noch keine Kurve berechnet.</source>
        <translation>No curve has been calculated yet.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht geschrieben werden.</source>
        <translation>The file “%1” could not be written.</translation>
    </message>
    <message>
        <source>Punkte als CSV speichern</source>
        <translation>Save points as CSV</translation>
    </message>
    <message>
        <source>CSV-Tabelle (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Als PNG speichern…</source>
        <translation>Save as PNG…</translation>
    </message>
    <message>
        <source>Als SVG speichern…</source>
        <translation>Save as SVG…</translation>
    </message>
    <message>
        <source>Punkte als CSV speichern…</source>
        <translation>Save points as CSV…</translation>
    </message>
</context>
<context>
    <name>TRechenseite</name>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Winkel in Grad</source>
        <translation>Angle in degrees</translation>
    </message>
    <message>
        <source>Winkel im Bogenmaß</source>
        <translation>Angle in radians</translation>
    </message>
    <message>
        <source>Sinus</source>
        <translation>Sine</translation>
    </message>
    <message>
        <source>Kosinus</source>
        <translation>Cosine</translation>
    </message>
    <message>
        <source>Tangens</source>
        <translation>Tangent</translation>
    </message>
    <message>
        <source>Kotangens</source>
        <translation>Cotangent</translation>
    </message>
    <message>
        <source>Winkel in Gon</source>
        <translation>Angle in gradians</translation>
    </message>
    <message>
        <source>Beispiel:%1</source>
        <translation>Example:%1</translation>
    </message>
</context>
<context>
    <name>TSchaltungsgraph</name>
    <message>
        <source>Graph der Schaltung</source>
        <translation>Graph of the circuit</translation>
    </message>
    <message>
        <source>Knoten und Zweige mit Zählpfeilen; beim Maschenstromverfahren der Baum fett und jede Masche als Umlaufpfeil. Das Kontextmenü speichert das Bild.</source>
        <translation>Nodes and branches with reference arrows; for mesh analysis the tree in bold and each mesh as a circulating arrow. The context menu saves the picture.</translation>
    </message>
    <message>
        <source>Schaltungsgraph</source>
        <translation>Circuit graph</translation>
    </message>
    <message>
        <source>Kontextmenü</source>
        <translation>Context menu</translation>
    </message>
    <message>
        <source>Bild kopieren</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Als PNG speichern…</source>
        <translation>Save as PNG…</translation>
    </message>
    <message>
        <source>Als SVG speichern…</source>
        <translation>Save as SVG…</translation>
    </message>
</context>
<context>
    <name>TSchaltungsseite</name>
    <message>
        <source>Schaltung</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>Netzliste</source>
        <translation>Netlist</translation>
    </message>
    <message>
        <source>Ein Element je Zeile: Name, zwei Knoten, Wert, etwa „R1 1 2 4,7k“; eine Zeile „f = 50 Hz“ setzt die Frequenz.</source>
        <translation>One element per line: name, two nodes, value, e.g. “R1 1 2 4,7k”; a line “f = 50 Hz” sets the frequency.</translation>
    </message>
    <message>
        <source>Beispiele</source>
        <translation>Examples</translation>
    </message>
    <message>
        <source>Beispielschaltungen</source>
        <translation>Example circuits</translation>
    </message>
    <message>
        <source>Knotenpotentialverfahren</source>
        <translation>Nodal analysis</translation>
    </message>
    <message>
        <source>Maschenstromverfahren</source>
        <translation>Mesh analysis</translation>
    </message>
    <message>
        <source>Verfahren</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>In Matrix übernehmen</source>
        <translation>Copy to matrix</translation>
    </message>
    <message>
        <source>Schreibt das Gleichungssystem der Schaltung auf die Matrixseite</source>
        <translation>Writes the circuit&apos;s equation system onto the matrix page</translation>
    </message>
    <message>
        <source>Meldung zur Netzliste</source>
        <translation>Message on the netlist</translation>
    </message>
    <message>
        <source>Format des Speichers</source>
        <translation>Memory&apos;s format</translation>
    </message>
    <message>
        <source>SI-Einheiten</source>
        <translation>SI units</translation>
    </message>
    <message>
        <source>Darstellung der Ergebnisse</source>
        <translation>Display of the results</translation>
    </message>
    <message>
        <source>Ergebnisse der Schaltung</source>
        <translation>Results of the circuit</translation>
    </message>
    <message>
        <source>Je Element Spannung, Strom und Leistung, dann die Knotenpotentiale und die Leistungsbilanz. Strg+C kopiert den Wert, die rechte Maustaste zieht ihn.</source>
        <translation>Voltage, current and power of each element, then the node potentials and the power balance. Ctrl+C copies the value, the right mouse button drags it.</translation>
    </message>
    <message>
        <source>Herleitung der Matrixeinträge</source>
        <translation>Derivation of the matrix entries</translation>
    </message>
    <message>
        <source>Ansichten der Schaltung</source>
        <translation>Views of the circuit</translation>
    </message>
    <message>
        <source>&amp;Darstellung:</source>
        <translation>&amp;Display:</translation>
    </message>
    <message>
        <source>Ergebnisse</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Herleitung</source>
        <translation>Derivation</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>%1 Unbekannte: %2. Hier gelöst; die Matrixseite zeigt höchstens %3.</source>
        <translation>Unknowns (%1): %2. Solved here; the matrix page shows at most %3.</translation>
    </message>
    <message>
        <source>%1 Unbekannte: %2</source>
        <translation>Unknowns (%1): %2</translation>
    </message>
    <message>
        <source>φ Knoten %1</source>
        <translation>φ node %1</translation>
    </message>
    <message>
        <source>Bilanz ΣS</source>
        <translation>Balance ΣS</translation>
    </message>
    <message>
        <source>Das Gleichungssystem (%1 Gleichungen) steht auf der Matrixseite; „=“ löst es dort.</source>
        <translation>The equation system (n = %1) is on the matrix page; “=” solves it there.</translation>
    </message>
    <message>
        <source>Die Netzliste ist leer.</source>
        <translation>The netlist is empty.</translation>
    </message>
    <message>
        <source>Die Matrixseite bleibt, wie sie ist.</source>
        <translation>The matrix page stays as it is.</translation>
    </message>
    <message>
        <source>Die Schaltung hat %1 Unbekannte; die Matrixseite zeigt höchstens %2. Die Ergebnisse stehen hier auf dieser Seite.</source>
        <translation>The circuit has %1 unknowns; the matrix page shows at most %2. The results are here on this page.</translation>
    </message>
    <message>
        <source>Auf der Matrixseite ist eine Übung gestellt; sie nimmt kein anderes Gleichungssystem an.</source>
        <translation>An exercise is set on the matrix page; it takes no other equation system.</translation>
    </message>
</context>
<context>
    <name>TSitzungsschutz</name>
    <message>
        <source>Quorvel wurde nicht ordnungsgemäß beendet. Die letzte Sitzung wiederherstellen?</source>
        <translation>Quorvel was not closed properly. Restore the last session?</translation>
    </message>
    <message>
        <source>Die Sitzung konnte nicht gesichert werden: %1 Die letzte Sicherung bleibt erhalten.</source>
        <translation>The session could not be saved: %1 The last saved session is kept.</translation>
    </message>
    <message>
        <source>Die Sitzung eines früheren Laufs von Quorvel ist beschädigt und kann nicht wiederhergestellt werden: %1
Die Datei wurde als „%2“ aufbewahrt.</source>
        <translation>The session of an earlier run of Quorvel is damaged and cannot be restored: %1
The file was kept as “%2”.</translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <source>&amp;Verwerfen</source>
        <translation>&amp;Discard</translation>
    </message>
</context>
<context>
    <name>TSpeicherleiste</name>
    <message>
        <source>Var</source>
        <translation>Var</translation>
    </message>
    <message>
        <source>Komplexe Zahl</source>
        <translation>Complex number</translation>
    </message>
    <message>
        <source>Wollen Sie wirklich alles Löschen?</source>
        <translation>Do you really want to clear everything?</translation>
    </message>
    <message>
        <source>Achtung!</source>
        <translation>Attention!</translation>
    </message>
</context>
<context>
    <name>TZeigerFlaeche</name>
    <message>
        <source>Zeigerdiagramm</source>
        <translation>Phasor diagram</translation>
    </message>
    <message>
        <source>Zeiger der angehakten Werte in der komplexen Ebene; die Liste daneben nennt jeden Wert in beiden Formen.</source>
        <translation>Phasors of the ticked values in the complex plane; the list beside it gives each value in both forms.</translation>
    </message>
    <message>
        <source>Speicher K</source>
        <translation>Memory K</translation>
    </message>
    <message>
        <source>Lösungen X</source>
        <translation>Solutions X</translation>
    </message>
    <message>
        <source>Rechenfeld ZK</source>
        <translation>Formula field ZK</translation>
    </message>
    <message>
        <source>Summe der Zeigerkette</source>
        <translation>Sum of the phasor chain</translation>
    </message>
    <message>
        <source>Keine Werte angehakt: die Liste links wählt sie aus.</source>
        <translation>No values ticked: the list on the left chooses them.</translation>
    </message>
</context>
<context>
    <name>TZeigerdiagramm</name>
    <message>
        <source>Werte im Zeigerdiagramm</source>
        <translation>Values in the phasor diagram</translation>
    </message>
    <message>
        <source>Jeder angehakte Wert wird als Zeiger gezeichnet. Strg+C kopiert den Wert, Strg+V legt einen Wert aus der Zwischenablage im Speicher ab.</source>
        <translation>Each ticked value is drawn as a phasor. Ctrl+C copies the value, Ctrl+V stores a value from the clipboard in the memory.</translation>
    </message>
    <message>
        <source>Speicher K1..K20</source>
        <translation>Memory K1..K20</translation>
    </message>
    <message>
        <source>Lösungen X1..Xn</source>
        <translation>Solutions X1..Xn</translation>
    </message>
    <message>
        <source>Rechenfeld</source>
        <translation>Formula field</translation>
    </message>
    <message>
        <source>Zeigerkette</source>
        <translation>Phasor chain</translation>
    </message>
    <message>
        <source>Die angehakten Werte in Listenfolge Kopf an Fuß, mit ihrer Summe</source>
        <translation>The ticked values head to tail in list order, with their sum</translation>
    </message>
    <message>
        <source>Einpassen</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Alle Zeiger zeigen (das Mausrad zoomt)</source>
        <translation>Show all phasors (the mouse wheel zooms)</translation>
    </message>
    <message>
        <source>Summe der Zeigerkette:
</source>
        <translation>Sum of the phasor chain:
</translation>
    </message>
    <message>
        <source>„%1“ ist keine komplexe Zahl und wird nicht gespeichert.</source>
        <translation>“%1” is not a complex number and is not stored.</translation>
    </message>
    <message>
        <source>Falscheingabe!</source>
        <translation>Invalid input!</translation>
    </message>
    <message>
        <source>Alle 20 Speicher K1..K20 enthalten schon Werte. Bitte zuerst einen Speicher löschen.</source>
        <translation>All 20 memories K1..K20 already hold values. Please clear a memory first.</translation>
    </message>
    <message>
        <source>Achtung!</source>
        <translation>Attention!</translation>
    </message>
    <message>
        <source>Zeigerdiagramm</source>
        <translation>Phasor diagram</translation>
    </message>
    <message>
        <source>Bild kopieren</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Als PNG speichern…</source>
        <translation>Save as PNG…</translation>
    </message>
    <message>
        <source>Als SVG speichern…</source>
        <translation>Save as SVG…</translation>
    </message>
</context>
<context>
    <name>Tabellen</name>
    <message>
        <source>Der Block aus der Zwischenablage (%1 Zeilen, %2 Spalten) passt ab Zelle( %3 , %4 ) nicht in die Matrix: sie hat höchstens %5 Gleichungen und %5 Unbekannte. Es wurde nichts eingefügt.</source>
        <translation>The block from the clipboard (%1 rows, %2 columns) does not fit into the matrix from cell( %3 , %4 ): it has at most %5 equations and %5 unknowns. Nothing was pasted.</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>%1 (Kommentar)</source>
        <translation>%1 (comment)</translation>
    </message>
    <message>
        <source>Der Block aus der Zwischenablage (%1 Zeilen, %2 Spalten) passt ab %3 nicht in den Speicher: %4 Es wurde nichts eingefügt.</source>
        <translation>The block from the clipboard (%1 rows, %2 columns) does not fit into the memory from %3: %4 Nothing was pasted.</translation>
    </message>
    <message>
        <source>K1 bis K20 haben je einen Wert und einen Kommentar.</source>
        <translation>K1 to K20 each have a value and a comment.</translation>
    </message>
    <message>
        <source>G1 bis G20 haben je einen Wert.</source>
        <translation>G1 to G20 each have a value.</translation>
    </message>
</context>
<context>
    <name>Variablenspeicher</name>
    <message>
        <source>Kmoplexe Zahl</source>
        <translation>Complex number</translation>
    </message>
    <message>
        <source>Kommentar</source>
        <translation>Comment</translation>
    </message>
</context>
<context>
    <name>Winkeltabelle</name>
    <message>
        <source>Winkel DEG</source>
        <translation>Angle DEG</translation>
    </message>
    <message>
        <source>Winkel RAD</source>
        <translation>Angle RAD</translation>
    </message>
    <message>
        <source>Winkel GRA</source>
        <translation>Angle GRAD</translation>
    </message>
</context>
<context>
    <name>ZKText</name>
    <message>
        <source>unendlich</source>
        <translation>infinite</translation>
    </message>
    <message>
        <source>undefiniert</source>
        <translation>undefined</translation>
    </message>
</context>
<context>
    <name>Zeigergeometrie</name>
    <message>
        <source>Summe</source>
        <translation>Sum</translation>
    </message>
</context>
<context>
    <name>Ziehen</name>
    <message>
        <source>Kontextmenü</source>
        <translation>Context menu</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
</context>
</TS>
