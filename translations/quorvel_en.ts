<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
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
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
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
</TS>
