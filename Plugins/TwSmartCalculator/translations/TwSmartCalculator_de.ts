<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CTwSCGetAngleCommand</name>
    <message>
        <source>_SCGETANGLE</source>
        <comment>Command Name: Needs to be unique and all uppercase.</comment>
        <translation>_SCGETANGLE</translation>
    </message>
    <message>
        <source>Acute</source>
        <comment>[GROUP MAIN]Command Option: Upper- and Lowercase letters are relevant.</comment>
        <translation>SPitz</translation>
    </message>
    <message>
        <source>Obtuse</source>
        <comment>[GROUP MAIN]Command Option: Upper- and Lowercase letters are relevant.</comment>
        <translation>STumpf</translation>
    </message>
    <message>
        <source>Specify angle to measure</source>
        <translation>Zu messenden Winkel angeben</translation>
    </message>
    <message>
        <source>Angle = %1</source>
        <translation>Winkel = %1</translation>
    </message>
</context>
<context>
    <name>CalculatorUI</name>
    <message>
        <source>Smart Calculator</source>
        <translation>Smart Calculator</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Verlauf löschen</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy to command line</source>
        <translation>In die Befehlszeile kopieren</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>MC</source>
        <translation>MC</translation>
    </message>
    <message>
        <source>Clear memory</source>
        <translation>Speicher löschen</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>MS</translation>
    </message>
    <message>
        <source>Set memory</source>
        <translation>Im Speicher ablegen</translation>
    </message>
    <message>
        <source>M+</source>
        <translation>M+</translation>
    </message>
    <message>
        <source>Add to memory</source>
        <translation>Zum Speicher addieren</translation>
    </message>
    <message>
        <source>M-</source>
        <translation>M-</translation>
    </message>
    <message>
        <source>Subtract from memory</source>
        <translation>Vom Speicher subtrahieren</translation>
    </message>
    <message>
        <source>MR</source>
        <translation>MR</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Speicher abrufen</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>←</source>
        <translation>←</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplizieren</translation>
    </message>
    <message>
        <source>/</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividieren</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Addieren</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Subtrahieren</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Dezimalpunkt</translation>
    </message>
    <message>
        <source>ANS</source>
        <translation>ANS</translation>
    </message>
    <message>
        <source>Last Result</source>
        <translation>Letztes Ergebnis</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>√(x)</source>
        <translation>√(x)</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <source>n√(x)</source>
        <translation>n√(x)</translation>
    </message>
    <message>
        <source>Nth root</source>
        <translation>n-te Wurzel</translation>
    </message>
    <message>
        <source>10^x</source>
        <translation>10^x</translation>
    </message>
    <message>
        <source>Power of 10</source>
        <translation>Potenz zur Basis 10</translation>
    </message>
    <message>
        <source>e^x</source>
        <translation>e^x</translation>
    </message>
    <message>
        <source>Power of e</source>
        <translation>Potenz zur Basis e</translation>
    </message>
    <message>
        <source>e</source>
        <translation>e</translation>
    </message>
    <message>
        <source>Euler&apos;s number</source>
        <translation>Eulersche Zahl</translation>
    </message>
    <message>
        <source>𝜋</source>
        <translation>𝜋</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>x²</source>
        <translation>x²</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>x³</source>
        <translation>x³</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Dritte Potenz</translation>
    </message>
    <message>
        <source>xⁿ</source>
        <translation>xⁿ</translation>
    </message>
    <message>
        <source>X to the power n</source>
        <translation>x hoch n</translation>
    </message>
    <message>
        <source>1/x</source>
        <translation>1/x</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Kehrwert</translation>
    </message>
    <message>
        <source>(</source>
        <translation>(</translation>
    </message>
    <message>
        <source>Left parenthesis</source>
        <translation>Klammer auf</translation>
    </message>
    <message>
        <source>)</source>
        <translation>)</translation>
    </message>
    <message>
        <source>Right parenthesis</source>
        <translation>Klammer zu</translation>
    </message>
    <message>
        <source>sin</source>
        <translation>sin</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>cos</source>
        <translation>cos</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Kosinus</translation>
    </message>
    <message>
        <source>tan</source>
        <translation>tan</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangens</translation>
    </message>
    <message>
        <source>asin</source>
        <translation>asin</translation>
    </message>
    <message>
        <source>Arcsine</source>
        <translation>Arkussinus</translation>
    </message>
    <message>
        <source>acos</source>
        <translation>acos</translation>
    </message>
    <message>
        <source>Arccosine</source>
        <translation>Arkuskosinus</translation>
    </message>
    <message>
        <source>atan</source>
        <translation>atan</translation>
    </message>
    <message>
        <source>Arctangent</source>
        <translation>Arkustangens</translation>
    </message>
    <message>
        <source>log</source>
        <translation>log</translation>
    </message>
    <message>
        <source>Log variable</source>
        <translation>Logarithmus zu beliebiger Basis</translation>
    </message>
    <message>
        <source>log10</source>
        <translation>log10</translation>
    </message>
    <message>
        <source>Log base 10</source>
        <translation>Logarithmus zur Basis 10</translation>
    </message>
    <message>
        <source>ln</source>
        <translation>ln</translation>
    </message>
    <message>
        <source>Log base e</source>
        <translation>Natürlicher Logarithmus</translation>
    </message>
    <message>
        <source>rnd</source>
        <translation>rnd</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>abs</source>
        <translation>abs</translation>
    </message>
    <message>
        <source>Absolute value</source>
        <translation>Absolutbetrag</translation>
    </message>
    <message>
        <source>trunc</source>
        <translation>trunc</translation>
    </message>
    <message>
        <source>Truncate</source>
        <translation>Nachkommastellen abschneiden</translation>
    </message>
    <message>
        <source>RtoD</source>
        <translation>RtoD</translation>
    </message>
    <message>
        <source>Radians to degrees</source>
        <translation>Bogenmaß in Grad</translation>
    </message>
    <message>
        <source>DtoR</source>
        <translation>DtoR</translation>
    </message>
    <message>
        <source>Degree to radians</source>
        <translation>Grad in Bogenmaß</translation>
    </message>
    <message>
        <source>Measure distance</source>
        <translation>Abstand messen</translation>
    </message>
    <message>
        <source>Measure angle</source>
        <translation>Winkel messen</translation>
    </message>
    <message>
        <source>Measure area</source>
        <translation>Fläche messen</translation>
    </message>
    <message>
        <source>Measure circumference</source>
        <translation>Umfang messen</translation>
    </message>
    <message>
        <source>Units Type</source>
        <translation>Einheitentyp</translation>
    </message>
    <message>
        <source>Convert from</source>
        <translation>Umrechnen von</translation>
    </message>
    <message>
        <source>Convert to</source>
        <translation>Umrechnen in</translation>
    </message>
    <message>
        <source>Value to convert</source>
        <translation>Umzurechnender Wert</translation>
    </message>
    <message>
        <source>Converted value</source>
        <translation>Umgerechneter Wert</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umrechnen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste to command-line</source>
        <translation>In die Befehlszeile einfügen</translation>
    </message>
    <message>
        <source>Append expression to input area</source>
        <translation>Ausdruck an die Eingabe anhängen</translation>
    </message>
    <message>
        <source>Insert expression in input area</source>
        <translation>Ausdruck in die Eingabe einfügen</translation>
    </message>
    <message>
        <source>Append result to input area</source>
        <translation>Ergebnis an die Eingabe anhängen</translation>
    </message>
    <message>
        <source>Insert result in input area</source>
        <translation>Ergebnis in die Eingabe einfügen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cannot save this in the memory</source>
        <translation>Dieser Wert kann nicht im Speicher abgelegt werden</translation>
    </message>
    <message>
        <source>Cannot add this to the memory</source>
        <translation>Dieser Wert kann nicht zum Speicher addiert werden</translation>
    </message>
    <message>
        <source>Cannot subtract this from the memory</source>
        <translation>Dieser Wert kann nicht vom Speicher subtrahiert werden</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Wissenschaftlich</translation>
    </message>
    <message>
        <source>Measurement tools</source>
        <translation>Messwerkzeuge</translation>
    </message>
    <message>
        <source>Unit conversion</source>
        <translation>Einheitenumrechnung</translation>
    </message>
    <message>
        <source>There is not enough memory to complete this operation.</source>
        <translation>Für diesen Vorgang ist nicht genügend Arbeitsspeicher vorhanden.</translation>
    </message>
    <message>
        <source>The operation could not be completed.</source>
        <translation>Der Vorgang konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>Error calculating the formula.</source>
        <translation>Fehler beim Berechnen der Formel.</translation>
    </message>
    <message>
        <source>Wrong number of brackets.</source>
        <translation>Falsche Anzahl von Klammern.</translation>
    </message>
    <message>
        <source>Cannot divide by 0.</source>
        <translation>Division durch 0 ist nicht möglich.</translation>
    </message>
    <message>
        <source>There is no previous result.</source>
        <translation>Es gibt kein vorheriges Ergebnis.</translation>
    </message>
    <message>
        <source>The arc sine is only defined for values between -1 and 1.</source>
        <translation>Der Arkussinus ist nur für Werte zwischen -1 und 1 definiert.</translation>
    </message>
    <message>
        <source>Logarithms are only defined for positive numbers.</source>
        <translation>Logarithmen sind nur für positive Zahlen definiert.</translation>
    </message>
    <message>
        <source>It is not possible to extract a root from a negative number.</source>
        <translation>Aus einer negativen Zahl kann keine Wurzel gezogen werden.</translation>
    </message>
    <message>
        <source>Commas are only accepted as separators for functions with multiple parameters.</source>
        <translation>Kommas sind nur als Trennzeichen bei Funktionen mit mehreren Parametern zulässig.</translation>
    </message>
    <message>
        <source>The result is greater/smaller than the largest/smallest possible number that can be represented.</source>
        <translation>Das Ergebnis ist größer/kleiner als die größte/kleinste darstellbare Zahl.</translation>
    </message>
    <message>
        <source>The expression is invalid.</source>
        <translation>Der Ausdruck ist ungültig.</translation>
    </message>
    <message>
        <source>The arc cosine is only defined for values between -1 and 1.</source>
        <translation>Der Arkuskosinus ist nur für Werte zwischen -1 und 1 definiert.</translation>
    </message>
    <message>
        <source>Tangent is not defined for 90 or 270 degrees.</source>
        <translation>Der Tangens ist für 90 oder 270 Grad nicht definiert.</translation>
    </message>
    <message>
        <source>Tangent is not defined for 100 or 300 gradians.</source>
        <translation>Der Tangens ist für 100 oder 300 Gon nicht definiert.</translation>
    </message>
    <message>
        <source>Tangent is not defined for (1/2)pi or (3/2)pi.</source>
        <translation>Der Tangens ist für (1/2)pi oder (3/2)pi nicht definiert.</translation>
    </message>
    <message>
        <source>The expression is nested too deeply to be calculated.</source>
        <translation>Der Ausdruck ist zu tief verschachtelt und kann nicht berechnet werden.</translation>
    </message>
    <message>
        <source>Unknown error in formula.</source>
        <translation>Unbekannter Fehler in der Formel.</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Angular</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Zentimeter</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>Yards</source>
        <translation>Yard</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>Kilometer</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Meilen</translation>
    </message>
    <message>
        <source>Square Millimeters</source>
        <translation>Quadratmillimeter</translation>
    </message>
    <message>
        <source>Square Centimeters</source>
        <translation>Quadratzentimeter</translation>
    </message>
    <message>
        <source>Square Inches</source>
        <translation>Quadratzoll</translation>
    </message>
    <message>
        <source>Square Feet</source>
        <translation>Quadratfuß</translation>
    </message>
    <message>
        <source>Square Yards</source>
        <translation>Quadratyard</translation>
    </message>
    <message>
        <source>Square Meters</source>
        <translation>Quadratmeter</translation>
    </message>
    <message>
        <source>Square Kilometers</source>
        <translation>Quadratkilometer</translation>
    </message>
    <message>
        <source>Square Miles</source>
        <translation>Quadratmeilen</translation>
    </message>
    <message>
        <source>Acres</source>
        <translation>Acres</translation>
    </message>
    <message>
        <source>Hectare</source>
        <translation>Hektar</translation>
    </message>
    <message>
        <source>Cubic Millimeters</source>
        <translation>Kubikmillimeter</translation>
    </message>
    <message>
        <source>Cubic Centimeters</source>
        <translation>Kubikzentimeter</translation>
    </message>
    <message>
        <source>Cubic Inches</source>
        <translation>Kubikzoll</translation>
    </message>
    <message>
        <source>Cubic Feet</source>
        <translation>Kubikfuß</translation>
    </message>
    <message>
        <source>Cubic Yards</source>
        <translation>Kubikyard</translation>
    </message>
    <message>
        <source>Cubic Meters</source>
        <translation>Kubikmeter</translation>
    </message>
    <message>
        <source>Cubic Kilometers</source>
        <translation>Kubikkilometer</translation>
    </message>
    <message>
        <source>Cubic Miles</source>
        <translation>Kubikmeilen</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Grads</source>
        <translation>Gon</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>Radiant</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>Vollwinkel</translation>
    </message>
    <message>
        <source>The value is too large to convert.</source>
        <translation>Der Wert ist zu groß zum Umrechnen.</translation>
    </message>
    <message>
        <source>M</source>
        <comment>memory indicator</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>Memory recall: %1</source>
        <translation>Speicher abrufen: %1</translation>
    </message>
    <message>
        <source>Memory: %1</source>
        <translation>Speicher: %1</translation>
    </message>
    <message>
        <source>Live result</source>
        <translation>Live-Ergebnis</translation>
    </message>
    <message>
        <source>What Return would give for the expression being typed</source>
        <translation>Was die Eingabetaste für den eingegebenen Ausdruck ergäbe</translation>
    </message>
    <message>
        <source>Show live result</source>
        <translation>Live-Ergebnis anzeigen</translation>
    </message>
    <message>
        <source>Calculated with the full previous result, %1.</source>
        <translation>Mit dem vollständigen vorherigen Ergebnis berechnet, %1.</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potenz</translation>
    </message>
    <message>
        <source>Logarithm to a base</source>
        <translation>Logarithmus zu einer Basis</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Ausdruck</translation>
    </message>
    <message>
        <source>Memory in use</source>
        <translation>Speicher belegt</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Earlier calculations, one per row: expression and result. Double-click to reuse one; the context menu has more.</source>
        <translation>Frühere Berechnungen, eine pro Zeile: Ausdruck und Ergebnis. Ein Doppelklick übernimmt eine; das Kontextmenü bietet mehr.</translation>
    </message>
    <message>
        <source>Type an expression; Return calculates it.</source>
        <translation>Geben Sie einen Ausdruck ein; die Eingabetaste berechnet ihn.</translation>
    </message>
    <message>
        <source>What kind of quantity to convert</source>
        <translation>Welche Art von Größe umgerechnet wird</translation>
    </message>
    <message>
        <source>The unit of the value</source>
        <translation>Die Einheit des Werts</translation>
    </message>
    <message>
        <source>The unit to convert into</source>
        <translation>Die Einheit, in die umgerechnet wird</translation>
    </message>
    <message>
        <source>A number; a comma counts as the decimal point. Return converts it.</source>
        <translation>Eine Zahl; ein Komma gilt als Dezimaltrennzeichen. Die Eingabetaste rechnet sie um.</translation>
    </message>
    <message>
        <source>The value in the unit converted into</source>
        <translation>Der Wert in der Zieleinheit</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <translation>Ergebnis: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Delete this row</source>
        <translation>Diese Zeile löschen</translation>
    </message>
    <message>
        <source>The number is incomplete.</source>
        <translation>Die Zahl ist unvollständig.</translation>
    </message>
    <message>
        <source>Feet (&apos;) and inches (&quot;) follow a number, as in 5&apos;, 6&quot;, 5&apos;-6 1/2&quot; or 3/4&quot;.</source>
        <translation>Fuß (&apos;) und Zoll (&quot;) folgen einer Zahl, wie in 5&apos;, 6&quot;, 5&apos;-6 1/2&quot; oder 3/4&quot;.</translation>
    </message>
    <message>
        <source>The denominator of an inch fraction cannot be 0.</source>
        <translation>Der Nenner eines Zollbruchs kann nicht 0 sein.</translation>
    </message>
    <message>
        <source>Not a number. The value takes digits, one decimal point or comma, a sign and an exponent, as in -2,5 or 1.5e-3; from Feet or Inches also feet and inches, as in 5&apos;-6 1/2&quot;.</source>
        <translation>Keine Zahl. Der Wert nimmt Ziffern, einen Dezimalpunkt oder ein Dezimalkomma, ein Vorzeichen und einen Exponenten an, etwa -2,5 oder 1.5e-3; von Fuß oder Zoll aus auch Fuß und Zoll, etwa 5&apos;-6 1/2&quot;.</translation>
    </message>
    <message>
        <source>Undo clear</source>
        <translation>Löschen rückgängig machen</translation>
    </message>
</context>
<context>
    <name>CloseCommand</name>
    <message>
        <source>HIDESMARTCALCULATOR</source>
        <comment>Command Name : Needs to be unique and all uppercase.</comment>
        <translation>HIDESMARTCALCULATOR</translation>
    </message>
</context>
<context>
    <name>GetAngleSC</name>
    <message>
        <source>Lines are parallel.</source>
        <translation>Die Linien sind parallel.</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>Smart Calculator</source>
        <translation>Smart Calculator</translation>
    </message>
</context>
<context>
    <name>SmartCalculator</name>
    <message>
        <source>SMARTCALCULATOR</source>
        <comment>Command Name : Needs to be unique and all uppercase.</comment>
        <translation>SMARTCALCULATOR</translation>
    </message>
</context>
<context>
    <name>UnitConversionCommand</name>
    <message>
        <source>UNITCONVERSION</source>
        <comment>Command Name : Needs to be unique and all uppercase.</comment>
        <translation>UNITCONVERSION</translation>
    </message>
</context>
</TS>
