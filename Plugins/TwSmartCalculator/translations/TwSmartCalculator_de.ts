<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CTwSCGetAngleCommand</name>
    <message>
        <source>_SCGETANGLE</source>
        <comment>Command Name: Needs to be unique and all uppercase.</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acute</source>
        <comment>[GROUP MAIN]Command Option: Upper- and Lowercase letters are relevant.</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obtuse</source>
        <comment>[GROUP MAIN]Command Option: Upper- and Lowercase letters are relevant.</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify angle to measure</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalculatorUI</name>
    <message>
        <source>Smart Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to command line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtract from memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>←</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ANS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>√(x)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n√(x)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nth root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10^x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power of 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e^x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power of e</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Euler&apos;s number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>𝜋</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x³</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xⁿ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X to the power n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left parenthesis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right parenthesis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>asin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arcsine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>acos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arccosine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>atan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arctangent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log variable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>log10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log base 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ln</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log base e</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rnd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>abs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absolute value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trunc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Truncate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RtoD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radians to degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DtoR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degree to radians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measure distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measure angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measure area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measure circumference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value to convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converted value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste to command-line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append expression to input area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert expression in input area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append result to input area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert result in input area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save this in the memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot add this to the memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot subtract this from the memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measurement tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory to complete this operation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operation could not be completed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error calculating the formula.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong number of brackets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot divide by 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no previous result.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arcussinus is only defined for values between -1 and 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logarithms of negative numbers do not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not possible to extract a root from a negative number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commas are only accepted as separators for functions with multiple parameters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The result is greater/smaller than the largest/smallest possible number that can be represented.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The expression is invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arcuscosinus is only defined for values between -1 and 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tangent is not defined for 90 or 270 degrees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tangent is not defined for 100 or 300 gradians.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tangent is not defined for (1/2)pi or (3/2)pi.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The expression is nested too deeply to be calculated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error in formula.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Milimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square Millimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square Centimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square Feet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square Yards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square Meters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square Kilometers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square Miles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hectar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cubic Milimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cubic Centimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cubic Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cubic Feet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cubic Yards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cubic Meters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cubic Kilometers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cubic Miles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circles</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CloseCommand</name>
    <message>
        <source>HIDESMARTCALCULATOR</source>
        <comment>Command Name : Needs to be unique and all uppercase.</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GetAngleSC</name>
    <message>
        <source>Lines are parallel.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>Smart Calculator</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SmartCalculator</name>
    <message>
        <source>SMARTCALCULATOR</source>
        <comment>Command Name : Needs to be unique and all uppercase.</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitConversionCommand</name>
    <message>
        <source>UNITCONVERSION</source>
        <comment>Command Name : Needs to be unique and all uppercase.</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
