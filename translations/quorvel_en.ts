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
        <translation>GL%1 : %2  = </translation>
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
