<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>Command:</source>
        <translation>Befehl:</translation>
    </message>
</context>
<context>
    <name>CommandLineWidget</name>
    <message>
        <source>Command:</source>
        <translation>Befehl:</translation>
    </message>
    <message>
        <source>The command failed.</source>
        <translation>Der Befehl ist fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>CommandProcessor</name>
    <message>
        <source>*Cancel*</source>
        <translation>*Abbruch*</translation>
    </message>
    <message>
        <source>Command %1 failed.</source>
        <translation>Befehl %1 ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Unbekannter Befehl „%1“.</translation>
    </message>
    <message>
        <source>%1 cannot run while another command runs.</source>
        <translation>%1 kann nicht laufen, solange ein anderer Befehl läuft.</translation>
    </message>
</context>
<context>
    <name>DocumentManager</name>
    <message>
        <source>Drawing%1</source>
        <translation>Zeichnung%1</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Beispiel</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>unknown exception</source>
        <translation>unbekannte Ausnahme</translation>
    </message>
    <message>
        <source>Error in %1: %2</source>
        <translation>Fehler in %1: %2</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help - %1</source>
        <translation>Hilfe – %1</translation>
    </message>
</context>
<context>
    <name>HostAunitsCommand</name>
    <message>
        <source>Angular units: 0 decimal degrees, 1 degrees/minutes/seconds, 2 grads, 3 radians, 4 surveyor&apos;s units.</source>
        <translation>Winkeleinheiten: 0 Dezimalgrad, 1 Grad/Minuten/Sekunden, 2 Gon, 3 Bogenmaß, 4 Feldmesser-Einheiten.</translation>
    </message>
    <message>
        <source>Enter new value for AUNITS</source>
        <translation>Neuen Wert für AUNITS eingeben</translation>
    </message>
</context>
<context>
    <name>HostCloseCommand</name>
    <message>
        <source>No drawing is active.</source>
        <translation>Keine Zeichnung ist aktiv.</translation>
    </message>
</context>
<context>
    <name>HostCommand</name>
    <message>
        <source>No drawing is open.</source>
        <translation>Keine Zeichnung ist geöffnet.</translation>
    </message>
    <message>
        <source>The two points of a line must differ.</source>
        <translation>Die beiden Punkte einer Linie müssen verschieden sein.</translation>
    </message>
    <message>
        <source>Requires an integer between %1 and %2.</source>
        <translation>Erfordert eine ganze Zahl zwischen %1 und %2.</translation>
    </message>
</context>
<context>
    <name>HostCommandStack</name>
    <message>
        <source>A command without a name was not added.</source>
        <translation>Ein Befehl ohne Namen wurde nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>Command %1 is already defined; not added.</source>
        <translation>Befehl %1 ist bereits definiert; nicht hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>HostGetAngleCommand</name>
    <message>
        <source>Specify first point of the first line:</source>
        <translation>Ersten Punkt der ersten Linie angeben:</translation>
    </message>
    <message>
        <source>Specify second point of the first line:</source>
        <translation>Zweiten Punkt der ersten Linie angeben:</translation>
    </message>
    <message>
        <source>Specify first point of the second line:</source>
        <translation>Ersten Punkt der zweiten Linie angeben:</translation>
    </message>
    <message>
        <source>Specify second point of the second line:</source>
        <translation>Zweiten Punkt der zweiten Linie angeben:</translation>
    </message>
    <message>
        <source>Angle = %1</source>
        <translation>Winkel = %1</translation>
    </message>
</context>
<context>
    <name>HostGetAreaCommand</name>
    <message>
        <source>Specify first corner point:</source>
        <translation>Ersten Eckpunkt angeben:</translation>
    </message>
    <message>
        <source>Specify next corner point:</source>
        <translation>Nächsten Eckpunkt angeben:</translation>
    </message>
    <message>
        <source>Specify next corner point or press Enter to close:</source>
        <translation>Nächsten Eckpunkt angeben oder mit Eingabe schließen:</translation>
    </message>
    <message>
        <source>An area needs at least three points.</source>
        <translation>Eine Fläche braucht mindestens drei Punkte.</translation>
    </message>
    <message>
        <source>Area = %1, Perimeter = %2</source>
        <translation>Fläche = %1, Umfang = %2</translation>
    </message>
</context>
<context>
    <name>HostGetDistanceCommand</name>
    <message>
        <source>Specify first point:</source>
        <translation>Ersten Punkt angeben:</translation>
    </message>
    <message>
        <source>Specify second point:</source>
        <translation>Zweiten Punkt angeben:</translation>
    </message>
    <message>
        <source>Distance = %1</source>
        <translation>Abstand = %1</translation>
    </message>
</context>
<context>
    <name>HostLoadCommand</name>
    <message>
        <source>Module file to load:</source>
        <translation>Zu ladende Moduldatei:</translation>
    </message>
    <message>
        <source>No module file given.</source>
        <translation>Keine Moduldatei angegeben.</translation>
    </message>
</context>
<context>
    <name>HostLocateCommand</name>
    <message>
        <source>There is no window to look in.</source>
        <translation>Es gibt kein Fenster zum Suchen.</translation>
    </message>
    <message>
        <source>Object name to locate:</source>
        <translation>Zu suchender Objektname:</translation>
    </message>
    <message>
        <source>Nothing visible is named &quot;%1&quot;.</source>
        <translation>Nichts Sichtbares heißt „%1“.</translation>
    </message>
    <message>
        <source>%1: centre %2,%3, rectangle %4,%5 %6x%7</source>
        <translation>%1: Mitte %2,%3, Rechteck %4,%5 %6x%7</translation>
    </message>
    <message>
        <source>, text &quot;%1&quot;</source>
        <translation>, Text &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>HostLunitsCommand</name>
    <message>
        <source>Length units: 1 scientific, 2 decimal, 3 engineering, 4 architectural, 5 fractional. 3 to 5 are in inches; in 4 and 5 LUPREC sets the fraction (4: sixteenths).</source>
        <translation>Längenformat: 1 wissenschaftlich, 2 dezimal, 3 technisch, 4 architektonisch, 5 Bruch. 3 bis 5 sind in Zoll; in 4 und 5 bestimmt LUPREC den Bruch (4: Sechzehntel).</translation>
    </message>
    <message>
        <source>Enter new value for LUNITS</source>
        <translation>Neuen Wert für LUNITS eingeben</translation>
    </message>
</context>
<context>
    <name>HostLuprecCommand</name>
    <message>
        <source>Enter new value for LUPREC (decimals of lengths, 0 to 8)</source>
        <translation>Neuen Wert für LUPREC eingeben (Nachkommastellen von Längen, 0 bis 8)</translation>
    </message>
</context>
<context>
    <name>HostMainWindow</name>
    <message>
        <source>Drawing Host</source>
        <translation>Zeichenprogramm</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Smart Calculator</source>
        <translation>Smart Calculator</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>The Smart Calculator is not loaded.</source>
        <translation>Der Smart Calculator ist nicht geladen.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>The start page stays while no drawing is open.</source>
        <translation>Die Startseite bleibt, solange keine Zeichnung geöffnet ist.</translation>
    </message>
</context>
<context>
    <name>HostMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New drawing</source>
        <translation>&amp;Neue Zeichnung</translation>
    </message>
    <message>
        <source>&amp;Close drawing</source>
        <translation>Zeichnung &amp;schließen</translation>
    </message>
    <message>
        <source>&amp;Start page</source>
        <translation>S&amp;tartseite</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Light theme</source>
        <translation>&amp;Helles Farbschema</translation>
    </message>
    <message>
        <source>&amp;Dark theme</source>
        <translation>&amp;Dunkles Farbschema</translation>
    </message>
    <message>
        <source>&amp;Classic workspace</source>
        <translation>&amp;Klassischer Arbeitsbereich</translation>
    </message>
    <message>
        <source>D&amp;rafting workspace</source>
        <translation>Arbeitsbereich &amp;Zeichnen</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>Measure &amp;distance</source>
        <translation>&amp;Abstand messen</translation>
    </message>
    <message>
        <source>Measure &amp;area</source>
        <translation>&amp;Fläche messen</translation>
    </message>
    <message>
        <source>Measure an&amp;gle</source>
        <translation>&amp;Winkel messen</translation>
    </message>
    <message>
        <source>&amp;Linear precision...</source>
        <translation>&amp;Lineare Genauigkeit...</translation>
    </message>
    <message>
        <source>A&amp;ngular units...</source>
        <translation>Winkel&amp;einheiten...</translation>
    </message>
    <message>
        <source>Measure distance</source>
        <translation>Abstand messen</translation>
    </message>
    <message>
        <source>Measure area</source>
        <translation>Fläche messen</translation>
    </message>
    <message>
        <source>Measure angle</source>
        <translation>Winkel messen</translation>
    </message>
    <message>
        <source>Smart select</source>
        <translation>Intelligente Auswahl</translation>
    </message>
    <message>
        <source>Length &amp;units...</source>
        <translation>Län&amp;genformat...</translation>
    </message>
</context>
<context>
    <name>HostModulesCommand</name>
    <message>
        <source>No module is loaded.</source>
        <translation>Kein Modul ist geladen.</translation>
    </message>
    <message>
        <source>Loaded modules: %1</source>
        <translation>Geladene Module: %1</translation>
    </message>
</context>
<context>
    <name>HostThemeCommand</name>
    <message>
        <source>Choose the colour theme</source>
        <translation>Farbschema wählen</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>[GROUP MAIN]Command Option: Upper- and Lowercase letters are relevant.</comment>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>[GROUP MAIN]Command Option: Upper- and Lowercase letters are relevant.</comment>
        <translation>Dunkel</translation>
    </message>
</context>
<context>
    <name>HostUnloadCommand</name>
    <message>
        <source>No module is loaded.</source>
        <translation>Kein Modul ist geladen.</translation>
    </message>
    <message>
        <source>Module to unload (file name or path):</source>
        <translation>Zu entladendes Modul (Dateiname oder Pfad):</translation>
    </message>
</context>
<context>
    <name>HostUserIO</name>
    <message>
        <source>Ambiguous keyword &quot;%1&quot;.</source>
        <translation>Mehrdeutige Option „%1“.</translation>
    </message>
    <message>
        <source>Requires one of the keywords.</source>
        <translation>Erfordert eine der Optionen.</translation>
    </message>
    <message>
        <source>Invalid keyword &quot;%1&quot;.</source>
        <translation>Ungültige Option „%1“.</translation>
    </message>
    <message>
        <source>Requires a point, typed as x,y.</source>
        <translation>Erfordert einen Punkt, eingegeben als x,y.</translation>
    </message>
    <message>
        <source>Invalid point &quot;%1&quot;: type it as x,y.</source>
        <translation>Ungültiger Punkt „%1“: als x,y eingeben.</translation>
    </message>
    <message>
        <source>Requires an integer.</source>
        <translation>Erfordert eine ganze Zahl.</translation>
    </message>
    <message>
        <source>Invalid integer &quot;%1&quot;.</source>
        <translation>Ungültige ganze Zahl „%1“.</translation>
    </message>
</context>
<context>
    <name>HostWorkspaceCommand</name>
    <message>
        <source>Choose the workspace</source>
        <translation>Arbeitsbereich wählen</translation>
    </message>
    <message>
        <source>Classic</source>
        <comment>[GROUP MAIN]Command Option: Upper- and Lowercase letters are relevant.</comment>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Drafting</source>
        <comment>[GROUP MAIN]Command Option: Upper- and Lowercase letters are relevant.</comment>
        <translation>Zeichnen</translation>
    </message>
</context>
<context>
    <name>ModuleManager</name>
    <message>
        <source>No module named.</source>
        <translation>Kein Modul genannt.</translation>
    </message>
    <message>
        <source>Module %1 is not loaded.</source>
        <translation>Modul %1 ist nicht geladen.</translation>
    </message>
    <message>
        <source>%1 modules named %2 are loaded; give the path.</source>
        <translation>%1 Module namens %2 sind geladen; den Pfad angeben.</translation>
    </message>
    <message>
        <source>Cannot load module %1: %2</source>
        <translation>Modul %1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>the file does not exist.</source>
        <translation>die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>it is already loaded.</source>
        <translation>es ist bereits geladen.</translation>
    </message>
    <message>
        <source>it is not a module (odrxGetAPIVersion or odrxCreateModuleObject is missing).</source>
        <translation>es ist kein Modul (odrxGetAPIVersion oder odrxCreateModuleObject fehlt).</translation>
    </message>
    <message>
        <source>it was built for version %1.%2; this host needs %3.%4.</source>
        <translation>es wurde für Version %1.%2 gebaut; dieses Programm braucht %3.%4.</translation>
    </message>
    <message>
        <source>it created no module object.</source>
        <translation>es hat kein Modulobjekt erzeugt.</translation>
    </message>
    <message>
        <source>Module %1 did not start cleanly.</source>
        <translation>Modul %1 ist nicht sauber gestartet.</translation>
    </message>
    <message>
        <source>Module %1 loaded.</source>
        <translation>Modul %1 geladen.</translation>
    </message>
    <message>
        <source>Command %1 of module %2 is cancelled; the module unloads once it has ended.</source>
        <translation>Befehl %1 von Modul %2 wird abgebrochen; das Modul wird entladen, sobald er beendet ist.</translation>
    </message>
    <message>
        <source>Module %1 left %2 command(s) and %3 reactor(s) or widget(s) behind; removed.</source>
        <translation>Modul %1 hat %2 Befehl(e) und %3 Reaktor(en) oder Widget(s) zurückgelassen; entfernt.</translation>
    </message>
    <message>
        <source>Module %1 unloaded.</source>
        <translation>Modul %1 entladen.</translation>
    </message>
    <message>
        <source>by path</source>
        <translation>per Pfad</translation>
    </message>
    <message>
        <source>user folder</source>
        <translation>Benutzerordner</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>installiert</translation>
    </message>
    <message>
        <source>Module folder %1 does not exist; no module loaded from it.</source>
        <translation>Der Modulordner %1 existiert nicht; aus ihm wird kein Modul geladen.</translation>
    </message>
    <message>
        <source>Module folder %1 cannot be read; no module loaded from it.</source>
        <translation>Der Modulordner %1 kann nicht gelesen werden; aus ihm wird kein Modul geladen.</translation>
    </message>
    <message>
        <source>Module %1 in %2 is loaded already.</source>
        <translation>Das Modul %1 in %2 ist bereits geladen.</translation>
    </message>
    <message>
        <source>Module %1 in %2 skipped: %3 is loaded.</source>
        <translation>Das Modul %1 in %2 wird übersprungen: %3 ist geladen.</translation>
    </message>
    <message>
        <source>Module %1 loaded from %2.</source>
        <translation>Das Modul %1 wurde aus %2 geladen.</translation>
    </message>
</context>
<context>
    <name>ScriptRunner</name>
    <message>
        <source>Cannot read script %1: %2</source>
        <translation>Skript %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>StartPageWidget</name>
    <message>
        <source>Drawing Host</source>
        <translation>Zeichen­programm</translation>
    </message>
    <message>
        <source>A small drawing application that loads calculator modules and runs their commands, the way a CAD application does.

Start a new drawing, or open the sample drawing: it has lines, an angle and a rectangle to measure with the calculator&apos;s measurement tools.</source>
        <translation>Ein kleines Zeichenprogramm, das Rechnermodule lädt und ihre Befehle ausführt, wie es ein CAD-Programm tut.

Beginnen Sie eine neue Zeichnung oder öffnen Sie die Beispielzeichnung: Sie enthält Linien, einen Winkel und ein Rechteck zum Messen mit den Messwerkzeugen des Rechners.</translation>
    </message>
    <message>
        <source>New Drawing</source>
        <translation>Neue Zeichnung</translation>
    </message>
    <message>
        <source>Open Sample Drawing</source>
        <translation>Beispielzeichnung öffnen</translation>
    </message>
</context>
<context>
    <name>SystemServices</name>
    <message>
        <source>A command list must start with a command name.</source>
        <translation>Eine Befehlsliste muss mit einem Befehlsnamen beginnen.</translation>
    </message>
</context>
<context>
    <name>UserInput</name>
    <message>
        <source>*Cancel*</source>
        <translation>*Abbruch*</translation>
    </message>
    <message>
        <source>No more input: the command is cancelled.</source>
        <translation>Keine Eingabe mehr: der Befehl wird abgebrochen.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A drawing host for calculator modules.</source>
        <translation>Ein Zeichenprogramm für Rechnermodule.</translation>
    </message>
    <message>
        <source>Load a module.</source>
        <translation>Ein Modul laden.</translation>
    </message>
    <message>
        <source>Run a file of command-line input.</source>
        <translation>Eine Datei mit Befehlszeilen-Eingaben ausführen.</translation>
    </message>
    <message>
        <source>Quit once the script has run.</source>
        <translation>Beenden, sobald das Skript gelaufen ist.</translation>
    </message>
    <message>
        <source>Save the main window as PNG after the script, then quit.</source>
        <translation>Das Hauptfenster nach dem Skript als PNG speichern, dann beenden.</translation>
    </message>
    <message>
        <source>Append every command-line message to a file.</source>
        <translation>Jede Meldung der Befehlszeile an eine Datei anhängen.</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot open the log file %1: %2</source>
        <translation>Die Protokolldatei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Load no module from the installed or the user&apos;s module folder.</source>
        <translation>Kein Modul aus dem installierten Modulordner oder dem des Benutzers laden.</translation>
    </message>
</context>
</TS>
