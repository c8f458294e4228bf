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
