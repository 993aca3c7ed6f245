<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Zuvaduro</source>
        <translation>Über Zuvaduro</translation>
    </message>
    <message>
        <source>&lt;b&gt;Zuvaduro Version 3.2&lt;/b&gt;&lt;br&gt;Contract offers for mercenary units.&lt;br&gt;%1</source>
        <translation>&lt;b&gt;Zuvaduro Version 3.2&lt;/b&gt;&lt;br&gt;Vertragsangebote für Söldnereinheiten.&lt;br&gt;%1</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&lt;b&gt;New&lt;/b&gt;&lt;p&gt;Starts again with no offers and the rating D, as at start-up. When the offers have unsaved changes, asks first whether to save them.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Neu&lt;/b&gt;&lt;p&gt;Beginnt von vorn ohne Angebote und mit der Einstufung D, wie beim Start. Haben die Angebote ungespeicherte Änderungen, wird zuerst gefragt, ob sie gespeichert werden sollen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;New Custom</source>
        <translation>Neu nach V&amp;orgabe</translation>
    </message>
    <message>
        <source>New Custom</source>
        <translation>Neu nach Vorgabe</translation>
    </message>
    <message>
        <source>&lt;b&gt;New Custom&lt;/b&gt;&lt;p&gt;Asks for the unit&apos;s rating and for the terms the first offer must have, then rolls a new set of offers. Edit, Undo brings back the offers it replaced.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Neu nach Vorgabe&lt;/b&gt;&lt;p&gt;Fragt nach der Einstufung der Einheit und nach den Bedingungen, die das erste Angebot haben muss, und würfelt dann neue Angebote aus. Bearbeiten, Rückgängig holt die ersetzten Angebote zurück.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>New &amp;Random</source>
        <translation>Neu nach &amp;Zufall</translation>
    </message>
    <message>
        <source>New Random</source>
        <translation>Neu nach Zufall</translation>
    </message>
    <message>
        <source>&lt;b&gt;New Random&lt;/b&gt;&lt;p&gt;Asks for the unit&apos;s rating and rolls a new set of offers with every term at random.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Neu nach Zufall&lt;/b&gt;&lt;p&gt;Fragt nach der Einstufung der Einheit und würfelt neue Angebote aus, jede Bedingung zufällig.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Open&lt;/b&gt;&lt;p&gt;Opens a saved set of contract offers (a .did file).&lt;/p&gt;</source>
        <translation>&lt;b&gt;Öffnen&lt;/b&gt;&lt;p&gt;Öffnet gespeicherte Vertragsangebote (eine .did-Datei).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save&lt;/b&gt;&lt;p&gt;Saves the offers under their file name; a new set asks for a name.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Speichern&lt;/b&gt;&lt;p&gt;Speichert die Angebote unter ihrem Dateinamen; für neue Angebote wird nach einem Namen gefragt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save As&lt;/b&gt;&lt;p&gt;Saves the offers under a new file name.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Speichern unter&lt;/b&gt;&lt;p&gt;Speichert die Angebote unter einem neuen Dateinamen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>&lt;b&gt;Print&lt;/b&gt;&lt;p&gt;Prints the listing of the offers on one page, or writes it to a PDF file.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Drucken&lt;/b&gt;&lt;p&gt;Druckt die Aufstellung der Angebote auf eine Seite oder schreibt sie in eine PDF-Datei.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Print &amp;Contract</source>
        <translation>&amp;Vertrag drucken</translation>
    </message>
    <message>
        <source>Print Contract</source>
        <translation>Vertrag drucken</translation>
    </message>
    <message>
        <source>&lt;b&gt;Print Contract&lt;/b&gt;&lt;p&gt;Prints a formal contract for each offer you tick.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Vertrag drucken&lt;/b&gt;&lt;p&gt;Druckt einen förmlichen Vertrag für jedes angekreuzte Angebot.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Print Offer &amp;Details...</source>
        <translation>Angebotsde&amp;tails drucken...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Print Offer Details&lt;/b&gt;&lt;p&gt;Prints the offers side by side on one page, with what each pays over its whole length, or writes them to a PDF file.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Angebotsdetails drucken&lt;/b&gt;&lt;p&gt;Druckt die Angebote nebeneinander auf eine Seite, mit dem, was jedes über seine ganze Laufzeit zahlt, oder schreibt sie in eine PDF-Datei.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&lt;b&gt;Exit&lt;/b&gt;&lt;p&gt;Ends the program. When the offers have unsaved changes, asks first whether to save them.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Beenden&lt;/b&gt;&lt;p&gt;Beendet das Programm. Haben die Angebote ungespeicherte Änderungen, wird zuerst gefragt, ob sie gespeichert werden sollen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&lt;b&gt;Undo&lt;/b&gt;&lt;p&gt;Takes back the last change: new offers, an edited line or a term rolled again.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Rückgängig&lt;/b&gt;&lt;p&gt;Nimmt die letzte Änderung zurück: neue Angebote, eine bearbeitete Zeile oder eine neu gewürfelte Bedingung.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Redo&lt;/b&gt;&lt;p&gt;Makes the change that Undo took back once more; new offers come back as they were rolled.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Wiederholen&lt;/b&gt;&lt;p&gt;Macht die Änderung, die Rückgängig zurückgenommen hat, noch einmal; neue Angebote kommen so zurück, wie sie gewürfelt wurden.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Copy &amp;Listing</source>
        <translation>&amp;Aufstellung kopieren</translation>
    </message>
    <message>
        <source>&lt;b&gt;Copy Listing&lt;/b&gt;&lt;p&gt;Copies the listing of the offers as text.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Aufstellung kopieren&lt;/b&gt;&lt;p&gt;Kopiert die Aufstellung der Angebote als Text.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Roll &amp;Term Again</source>
        <translation>Bedingung &amp;neu würfeln</translation>
    </message>
    <message>
        <source>&lt;b&gt;Roll Term Again&lt;/b&gt;&lt;p&gt;Rolls the term on the current line again on its own table; the rest of the offer stays.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Bedingung neu würfeln&lt;/b&gt;&lt;p&gt;Würfelt die Bedingung der aktuellen Zeile auf ihrer eigenen Tabelle neu; der Rest des Angebots bleibt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt;&lt;p&gt;Sets the campaign year, the unit&apos;s name, its base pay and its size.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Optionen&lt;/b&gt;&lt;p&gt;Legt das Jahr der Kampagne, den Namen der Einheit, ihren Grundsold und ihre Größe fest.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>&lt;b&gt;Toolbar&lt;/b&gt;&lt;p&gt;Shows or hides the toolbar.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Werkzeugleiste&lt;/b&gt;&lt;p&gt;Zeigt oder verbirgt die Werkzeugleiste.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Offer &amp;Details</source>
        <translation>Angebots&amp;details</translation>
    </message>
    <message>
        <source>&lt;b&gt;Offer Details&lt;/b&gt;&lt;p&gt;Shows or hides the offers side by side beside the listing, with the dice behind every term and what each offer pays.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Angebotsdetails&lt;/b&gt;&lt;p&gt;Zeigt oder verbirgt die Angebote nebeneinander neben der Aufstellung, mit den Würfeln hinter jeder Bedingung und dem, was jedes Angebot zahlt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Odd&amp;s...</source>
        <translation>&amp;Chancen...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Odds&lt;/b&gt;&lt;p&gt;Rolls the offers of a rating many times and shows, as charts and counts, how often each outcome comes up.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Chancen&lt;/b&gt;&lt;p&gt;Würfelt die Angebote einer Einstufung viele Male aus und zeigt als Diagramme und Zählungen, wie oft jedes Ergebnis vorkommt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help Topics&lt;/b&gt;&lt;p&gt;Opens the help pages.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Hilfethemen&lt;/b&gt;&lt;p&gt;Öffnet die Hilfeseiten.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;About Rode...</source>
        <translation>Ü&amp;ber Rode...</translation>
    </message>
    <message>
        <source>&lt;b&gt;About&lt;/b&gt;&lt;p&gt;Shows the program&apos;s version.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Über&lt;/b&gt;&lt;p&gt;Zeigt die Version des Programms.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt;&lt;p&gt;Opens help about what you are working on.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Hilfe&lt;/b&gt;&lt;p&gt;Öffnet die Hilfe zu dem, woran Sie gerade arbeiten.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>What&apos;s This?</source>
        <translation>Direkthilfe</translation>
    </message>
    <message>
        <source>&lt;b&gt;What&apos;s This?&lt;/b&gt;&lt;p&gt;Click on a part of the window to learn what it does. On the current line of the listing or the current term of the offer details it says at once how that term was rolled.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Direkthilfe&lt;/b&gt;&lt;p&gt;Klicken Sie auf einen Teil des Fensters, um zu erfahren, was er tut. Auf der aktuellen Zeile der Aufstellung oder der aktuellen Bedingung der Angebotsdetails sagt sie sofort, wie diese Bedingung gewürfelt wurde.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Rules Editor...</source>
        <translation>&amp;Regeleditor...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Rules Editor&lt;/b&gt;&lt;p&gt;Opens the tables of the rules in use (or a copy of the built-in ones) as grids to change, checks them as you type, tries their odds and saves them as a rules file.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Regeleditor&lt;/b&gt;&lt;p&gt;Öffnet die Tabellen der verwendeten Regeln (oder eine Kopie der eingebauten) als Raster zum Ändern, prüft sie beim Tippen, probiert ihre Chancen aus und speichert sie als Regeldatei.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
</context>
<context>
    <name>ContractPrintCommand</name>
    <message>
        <source>Remember to change the Dates, and Location before printing.</source>
        <translation>Denken Sie daran, vor dem Drucken die Daten und den Ort zu ändern.</translation>
    </message>
</context>
<context>
    <name>ContractSelectDialog</name>
    <message>
        <source>Contract One</source>
        <translation>Erster Vertrag</translation>
    </message>
    <message>
        <source>Contract Two</source>
        <translation>Zweiter Vertrag</translation>
    </message>
    <message>
        <source>Contract Three</source>
        <translation>Dritter Vertrag</translation>
    </message>
    <message>
        <source>Contract Four</source>
        <translation>Vierter Vertrag</translation>
    </message>
    <message>
        <source>Choose Contracts to Print</source>
        <translation>Zu druckende Verträge wählen</translation>
    </message>
    <message>
        <source>Tick the offers whose formal contract you want to print, one page each.</source>
        <translation>Kreuzen Sie die Angebote an, deren förmlichen Vertrag Sie drucken möchten, je eine Seite.</translation>
    </message>
</context>
<context>
    <name>CoreTexts</name>
    <message>
        <source>Unexpected file format.</source>
        <translation>Unerwartetes Dateiformat.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Das Dokument konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>every term Random</source>
        <translation>jede Bedingung zufällig</translation>
    </message>
    <message>
        <source>Printed by Zuvaduro, the mercenary contract generator</source>
        <translation>Gedruckt von Zuvaduro, dem Vertragsgenerator für Söldner</translation>
    </message>
</context>
<context>
    <name>DesktopApp</name>
    <message>
        <source>No default printer is set up, so %1 was not printed.</source>
        <translation>Es ist kein Standarddrucker eingerichtet, daher wurde %1 nicht gedruckt.</translation>
    </message>
    <message>
        <source>There is no printer named &quot;%1&quot;, so %2 was not printed.</source>
        <translation>Es gibt keinen Drucker namens „%1“, daher wurde %2 nicht gedruckt.</translation>
    </message>
    <message>
        <source>System registry entries have been removed and the INI file (if any) was deleted.</source>
        <translation>Die Einträge in der Systemregistrierung wurden entfernt und die INI-Datei (falls vorhanden) wurde gelöscht.</translation>
    </message>
    <message>
        <source>The running Zuvaduro did not answer.</source>
        <translation>Das laufende Zuvaduro hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>The running Zuvaduro did not answer, so %1 was not opened.</source>
        <translation>Das laufende Zuvaduro hat nicht geantwortet, daher wurde %1 nicht geöffnet.</translation>
    </message>
    <message>
        <source>No file was named, so nothing was printed. Print a file with: zuvaduro /p FILE</source>
        <translation>Es wurde keine Datei angegeben, daher wurde nichts gedruckt. Eine Datei druckt: zuvaduro /p DATEI</translation>
    </message>
    <message>
        <source>The offers are rolled with the built-in tables.</source>
        <translation>Die Angebote werden mit den eingebauten Tabellen gewürfelt.</translation>
    </message>
</context>
<context>
    <name>DialogPrompts</name>
    <message>
        <source>Mercenary Contracts(*.did) (*.DID *.did)</source>
        <translation>Söldnerverträge(*.did) (*.DID *.did)</translation>
    </message>
    <message>
        <source>All Files (*.*) (*)</source>
        <translation>Alle Dateien (*.*) (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <source>Failed to save document.</source>
        <translation>Das Dokument konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>EditLineDialog</name>
    <message>
        <source>Edit Information</source>
        <translation>Angabe bearbeiten</translation>
    </message>
    <message>
        <source>Overwrites one line of the offer listing. The text is kept exactly as typed.</source>
        <translation>Überschreibt eine Zeile der Angebotsaufstellung. Der Text wird genau so übernommen, wie er eingegeben wurde.</translation>
    </message>
    <message>
        <source>The new text of the line. Nothing is checked: an empty text empties the line.</source>
        <translation>Der neue Text der Zeile. Nichts wird geprüft: Ein leerer Text leert die Zeile.</translation>
    </message>
    <message>
        <source>Stores the text in the listing.</source>
        <translation>Übernimmt den Text in die Aufstellung.</translation>
    </message>
    <message>
        <source>Leaves the line as it was.</source>
        <translation>Lässt die Zeile, wie sie war.</translation>
    </message>
    <message>
        <source>Text to be changed</source>
        <translation>Zu ändernder Text</translation>
    </message>
    <message>
        <source>The line being changed and its current text.</source>
        <translation>Die zu ändernde Zeile und ihr aktueller Text.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist ein unbekannter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 enthält einen ungültigen Pfad.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 konnte nicht geöffnet werden, weil zu viele Dateien geöffnet sind.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Der Zugriff auf %1 wurde verweigert.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>Mit %1 war ein ungültiges Dateihandle verbunden.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>%1 konnte nicht entfernt werden, weil es das aktuelle Verzeichnis ist.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>%1 konnte nicht angelegt werden, weil das Verzeichnis voll ist.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>Positionieren in %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Beim Zugriff auf %1 wurde ein Hardware-E/A-Fehler gemeldet.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist eine Freigabeverletzung aufgetreten.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist eine Sperrverletzung aufgetreten.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Datenträger voll beim Zugriff auf %1.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Es wurde versucht, über das Ende von %1 hinaus zuzugreifen.</translation>
    </message>
</context>
<context>
    <name>GenerationCommands</name>
    <message>
        <source>New Random</source>
        <translation>Neu nach Zufall</translation>
    </message>
    <message>
        <source>New Custom</source>
        <translation>Neu nach Vorgabe</translation>
    </message>
    <message>
        <source>Please Select A Valid Line</source>
        <translation>Bitte wählen Sie eine gültige Zeile</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>Roll %1 Again</source>
        <translation>%1 neu würfeln</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Zuvaduro Help</source>
        <translation>Zuvaduro-Hilfe</translation>
    </message>
</context>
<context>
    <name>ListingView</name>
    <message>
        <source>Double-click to change; right-click for more</source>
        <translation>Doppelklick zum Ändern; Rechtsklick für mehr</translation>
    </message>
    <message>
        <source>Offer listing</source>
        <translation>Angebotsaufstellung</translation>
    </message>
    <message>
        <source>&lt;b&gt;Offer listing&lt;/b&gt;&lt;p&gt;The unit&apos;s rating, the number of offers and the terms of each offer. Double-click a value to change it; the rating and every term, date and location of an offer can be edited. Right-click a term to roll it again. A click makes a line current: Up and Down move it, Enter changes it.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Angebotsaufstellung&lt;/b&gt;&lt;p&gt;Die Einstufung der Einheit, die Zahl der Angebote und die Bedingungen jedes Angebots. Ein Doppelklick auf einen Wert ändert ihn; die Einstufung und jede Bedingung, jedes Datum und jeder Ort eines Angebots lassen sich bearbeiten. Ein Rechtsklick auf eine Bedingung würfelt sie neu. Ein Klick macht eine Zeile aktuell: Auf und Ab verschieben sie, Eingabe ändert sie.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Roll Term Again</source>
        <translation>&amp;Neu würfeln</translation>
    </message>
    <message>
        <source>&amp;Copy Value</source>
        <translation>Wert &amp;kopieren</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>&lt;b&gt;Toolbar&lt;/b&gt;&lt;p&gt;Buttons for New Custom, New Random, Open, Save, Options, Print and Print Contract. Drag it to any side of the window; View, Toolbar hides it.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Werkzeugleiste&lt;/b&gt;&lt;p&gt;Knöpfe für Neu nach Vorgabe, Neu nach Zufall, Öffnen, Speichern, Optionen, Drucken und Vertrag drucken. Ziehen Sie sie an eine beliebige Seite des Fensters; Ansicht, Werkzeugleiste verbirgt sie.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source> - house rules &apos;%1&apos;</source>
        <translation> - Hausregeln &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>NewCustomDialog</name>
    <message>
        <source>The unit&apos;s rating, A (best) to D: one character. It sets how many offers the unit receives and how well they pay.</source>
        <translation>Die Einstufung der Einheit, A (beste) bis D: ein Zeichen. Sie bestimmt, wie viele Angebote die Einheit erhält und wie gut sie zahlen.</translation>
    </message>
    <message>
        <source>The first offer&apos;s employer. Random rolls it; a picked or typed name is used as it stands.</source>
        <translation>Der Auftraggeber des ersten Angebots. Random würfelt ihn aus; ein gewählter oder eingegebener Name wird so verwendet, wie er dasteht.</translation>
    </message>
    <message>
        <source>The first offer&apos;s mission. Random rolls it from the employer&apos;s table.</source>
        <translation>Der Auftrag des ersten Angebots. Random würfelt ihn auf der Tabelle des Auftraggebers aus.</translation>
    </message>
    <message>
        <source>The first offer&apos;s duration. Random rolls it from the assignment&apos;s table.</source>
        <translation>Die Laufzeit des ersten Angebots. Random würfelt sie auf der Tabelle des Auftrags aus.</translation>
    </message>
    <message>
        <source>The first offer&apos;s multiple of the unit&apos;s base pay. A typed number such as 5.5 is used for the pay as it stands.</source>
        <translation>Das Vielfache des Grundsolds der Einheit im ersten Angebot. Eine eingegebene Zahl wie 5.5 wird für den Sold so verwendet, wie sie dasteht.</translation>
    </message>
    <message>
        <source>Fixes both straight support and battle-loss compensation of the first offer, for example 80%. Random rolls them.</source>
        <translation>Legt Unterstützung und Ersatz von Kampfverlusten des ersten Angebots fest, zum Beispiel 80%. Random würfelt sie aus.</translation>
    </message>
    <message>
        <source>Fixes both transport compensations of the first offer, for example 25%. Random rolls them.</source>
        <translation>Legt beide Transportentschädigungen des ersten Angebots fest, zum Beispiel 25%. Random würfelt sie aus.</translation>
    </message>
    <message>
        <source>The first offer&apos;s salvage rights. Random rolls them from the employer.</source>
        <translation>Die Bergungsrechte des ersten Angebots. Random würfelt sie nach dem Auftraggeber aus.</translation>
    </message>
    <message>
        <source>The first offer&apos;s command arrangement. Random rolls it from the employer.</source>
        <translation>Die Befehlsregelung des ersten Angebots. Random würfelt sie nach dem Auftraggeber aus.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Bitte geben Sie höchstens %1 Zeichen ein.</translation>
    </message>
    <message>
        <source>New Custom Contract</source>
        <translation>Neuer Vertrag nach Vorgabe</translation>
    </message>
    <message>
        <source>Rolls a new set of contract offers. Any term of the first offer may be fixed here; Random rolls it. The other offers are always rolled.</source>
        <translation>Würfelt neue Vertragsangebote aus. Jede Bedingung des ersten Angebots lässt sich hier festlegen; Random würfelt sie aus. Die anderen Angebote werden immer gewürfelt.</translation>
    </message>
    <message>
        <source>Rolls the offers with the choices shown.</source>
        <translation>Würfelt die Angebote mit der gezeigten Auswahl aus.</translation>
    </message>
    <message>
        <source>Closes the dialog and keeps the current offers.</source>
        <translation>Schließt den Dialog und behält die aktuellen Angebote.</translation>
    </message>
</context>
<context>
    <name>NewRandomDialog</name>
    <message>
        <source>New Random Contract</source>
        <translation>Neuer Vertrag nach Zufall</translation>
    </message>
    <message>
        <source>Rolls a new set of contract offers for a unit of the chosen rating. Every term of every offer is rolled; the current offers are replaced.</source>
        <translation>Würfelt neue Vertragsangebote für eine Einheit der gewählten Einstufung aus. Jede Bedingung jedes Angebots wird gewürfelt; die aktuellen Angebote werden ersetzt.</translation>
    </message>
    <message>
        <source>Rolls the offers for the rating shown.</source>
        <translation>Würfelt die Angebote für die gezeigte Einstufung aus.</translation>
    </message>
    <message>
        <source>Closes the dialog and keeps the current offers.</source>
        <translation>Schließt den Dialog und behält die aktuellen Angebote.</translation>
    </message>
    <message>
        <source>Please chose a Dragoon&apos;s Rating</source>
        <translation>Bitte wählen Sie ein Dragoon&apos;s Rating</translation>
    </message>
    <message>
        <source>Dragoon&apos;s Rating</source>
        <translation>Dragoon&apos;s Rating</translation>
    </message>
    <message>
        <source>The unit&apos;s rating, A (best) to D. It sets how many offers the unit receives and how well they pay.</source>
        <translation>Die Einstufung der Einheit, A (beste) bis D. Sie bestimmt, wie viele Angebote die Einheit erhält und wie gut sie zahlen.</translation>
    </message>
</context>
<context>
    <name>OddsBars</name>
    <message>
        <source>No offers were rolled.</source>
        <translation>Es wurden keine Angebote gewürfelt.</translation>
    </message>
    <message>
        <source>%1 offers, %2</source>
        <translation>%1 Angebote, %2</translation>
    </message>
    <message>
        <source>Difference: %1%2 percentage points</source>
        <translation>Unterschied: %1%2 Prozentpunkte</translation>
    </message>
</context>
<context>
    <name>OddsWindow</name>
    <message>
        <source>Odds - Zuvaduro</source>
        <translation>Chancen - Zuvaduro</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Chancen</translation>
    </message>
    <message>
        <source>Rolls the offers of a rating many times, with the first offer&apos;s terms fixed as in New Custom, and shows how often each outcome comes up.</source>
        <translation>Würfelt die Angebote einer Einstufung viele Male aus, mit den Bedingungen des ersten Angebots wie bei Neu nach Vorgabe festgelegt, und zeigt, wie oft jedes Ergebnis vorkommt.</translation>
    </message>
    <message>
        <source>Rating and first offer</source>
        <translation>Einstufung und erstes Angebot</translation>
    </message>
    <message>
        <source>How many times the offers are rolled.</source>
        <translation>Wie oft die Angebote gewürfelt werden.</translation>
    </message>
    <message>
        <source>&amp;Rolls:</source>
        <translation>&amp;Würfe:</translation>
    </message>
    <message>
        <source>from the clock</source>
        <translation>aus der Uhrzeit</translation>
    </message>
    <message>
        <source>The seed of the rolls: the same seed, rating, choices and number of rolls give the same counts. Empty takes a new seed from the clock.</source>
        <translation>Der Startwert der Würfe: Gleicher Startwert, gleiche Einstufung, gleiche Auswahl und gleiche Zahl der Würfe ergeben dieselben Zählungen. Leer nimmt einen neuen Startwert aus der Uhrzeit.</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>&amp;Startwert:</translation>
    </message>
    <message>
        <source>R&amp;un</source>
        <translation>&amp;Los</translation>
    </message>
    <message>
        <source>Rolls done</source>
        <translation>Erledigte Würfe</translation>
    </message>
    <message>
        <source>Choose a rating and the first offer&apos;s terms, then Run.</source>
        <translation>Wählen Sie eine Einstufung und die Bedingungen des ersten Angebots, dann Los.</translation>
    </message>
    <message>
        <source>Export Counts as &amp;CSV...</source>
        <translation>Zählungen als &amp;CSV exportieren...</translation>
    </message>
    <message>
        <source>Export Chart as &amp;PNG...</source>
        <translation>Diagramm als &amp;PNG exportieren...</translation>
    </message>
    <message>
        <source>The charts are unavailable: their module (%1) could not be loaded from beside the program or from its library folder. The counts are shown as tables.</source>
        <translation>Die Diagramme sind nicht verfügbar: Ihr Modul (%1) konnte weder neben dem Programm noch aus seinem Bibliotheksordner geladen werden. Die Zählungen werden als Tabellen gezeigt.</translation>
    </message>
    <message>
        <source>The seed is a whole number from 0 to 18446744073709551615.</source>
        <translation>Der Startwert ist eine ganze Zahl von 0 bis 18446744073709551615.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Cancelled: these are the counts of the %1 rolls done before.</source>
        <translation>Abgebrochen: Dies sind die Zählungen der %1 Würfe davor.</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Angebote</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Export Counts</source>
        <translation>Zählungen exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>Diagramm exportieren</translation>
    </message>
    <message>
        <source>PNG images (*.png);;All files (*)</source>
        <translation>PNG-Bilder (*.png);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Rolling rating %1 %2 times with seed %3; choices: %4...</source>
        <translation>Einstufung %1 wird %2-mal gewürfelt, Startwert %3; Auswahl: %4...</translation>
    </message>
    <message>
        <source>Rating %1, %2 rolls, seed %3; choices: %4. They gave %5 offers, mean payment multiplier %6.</source>
        <translation>Einstufung %1, %2 Würfe, Startwert %3; Auswahl: %4. Sie ergaben %5 Angebote, mittlerer Soldmultiplikator %6.</translation>
    </message>
    <message>
        <source>Co&amp;mpare with the built-in tables</source>
        <translation>&amp;Vergleichen mit den eingebauten Tabellen</translation>
    </message>
    <message>
        <source>Counts the built-in tables from the same seeds as the rules in use and shows both side by side: two bars per value, and the difference in percentage points.</source>
        <translation>Zählt die eingebauten Tabellen mit denselben Startwerten wie die verwendeten Regeln und zeigt beide nebeneinander: zwei Balken je Wert und den Unterschied in Prozentpunkten.</translation>
    </message>
    <message>
        <source>Rolled with the built-in tables.</source>
        <translation>Mit den eingebauten Tabellen gewürfelt.</translation>
    </message>
    <message>
        <source>Rolled with house rules &apos;%1&apos;.</source>
        <translation>Mit den Hausregeln &apos;%1&apos; gewürfelt.</translation>
    </message>
    <message>
        <source>house rules &apos;%1&apos;</source>
        <translation>Hausregeln &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Rating %1, %2 rolls each, seed %3; choices: %4. Built-in tables: %5 offers, mean payment multiplier %6. %7: %8 offers, mean payment multiplier %9.</source>
        <translation>Einstufung %1, je %2 Würfe, Startwert %3; Vorgaben: %4. Eingebaute Tabellen: %5 Angebote, mittlerer Soldmultiplikator %6. %7: %8 Angebote, mittlerer Soldmultiplikator %9.</translation>
    </message>
    <message>
        <source>Cancelled: these are the counts of the rolls done before.</source>
        <translation>Abgebrochen: das sind die Zählungen der Würfe bis dahin.</translation>
    </message>
    <message>
        <source>built-in tables</source>
        <translation>eingebaute Tabellen</translation>
    </message>
</context>
<context>
    <name>OfferDetails</name>
    <message>
        <source>base pay not set: View &gt; Options</source>
        <translation>Grundsold nicht gesetzt: Ansicht &gt; Optionen</translation>
    </message>
    <message>
        <source>Monthly Pay (C-Bills)</source>
        <translation>Monatssold (C-Bills)</translation>
    </message>
    <message>
        <source>The payment multiplier times the base pay (View &gt; Options)</source>
        <translation>Der Soldmultiplikator mal dem Grundsold (Ansicht &gt; Optionen)</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>Contract Total (C-Bills)</source>
        <translation>Vertragssumme (C-Bills)</translation>
    </message>
    <message>
        <source>Support (straight, battle-loss)</source>
        <translation>Unterstützung (direkt, Kampfverluste)</translation>
    </message>
    <message>
        <source>Transport (DS/JS, commercial)</source>
        <translation>Transport (DS/JS, kommerziell)</translation>
    </message>
    <message>
        <source>the listing shows the pay at the time of the roll: %1 C-Bills</source>
        <translation>die Aufstellung zeigt den Sold zur Zeit des Wurfs: %1 C-Bills</translation>
    </message>
    <message>
        <source> (best)</source>
        <translation> (bestes)</translation>
    </message>
    <message>
        <source>The highest contract total of these offers</source>
        <translation>Die höchste Vertragssumme dieser Angebote</translation>
    </message>
    <message>
        <source>Rating %1, %2</source>
        <translation>Einstufung %1, %2</translation>
    </message>
    <message>
        <source>1 offer</source>
        <translation>1 Angebot</translation>
    </message>
    <message>
        <source>%1 offers</source>
        <translation>%1 Angebote</translation>
    </message>
    <message>
        <source>, house rules &apos;%1&apos;</source>
        <translation>, Hausregeln &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>OfferDetailsDock</name>
    <message>
        <source>Offer Details</source>
        <translation>Angebotsdetails</translation>
    </message>
    <message>
        <source>&lt;b&gt;Offer Details&lt;/b&gt;&lt;p&gt;The offers side by side: every term, then what each offer pays a month, for how many months and over its whole length, with the best total marked. Point at a term to see the dice and modifiers behind it; double-click it to change it.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Angebotsdetails&lt;/b&gt;&lt;p&gt;Die Angebote nebeneinander: jede Bedingung, dann was jedes Angebot im Monat zahlt, für wie viele Monate und über seine ganze Laufzeit, die beste Summe markiert. Zeigen Sie auf eine Bedingung, um die Würfel und Modifikatoren dahinter zu sehen; ein Doppelklick ändert sie.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>OpenProgress</name>
    <message>
        <source>Opening %1...</source>
        <translation>%1 wird geöffnet...</translation>
    </message>
    <message>
        <source>Share of the file read</source>
        <translation>Gelesener Anteil der Datei</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Your unit&apos;s name, size and base pay, kept for every document. The name and size fill printed contracts; the base pay sets the offers&apos; pay.</source>
        <translation>Name, Größe und Grundsold Ihrer Einheit, für jedes Dokument behalten. Name und Größe füllen gedruckte Verträge; der Grundsold bestimmt den Sold der Angebote.</translation>
    </message>
    <message>
        <source>Closes the dialog and keeps the stored values.</source>
        <translation>Schließt den Dialog und behält die gespeicherten Werte.</translation>
    </message>
    <message>
        <source>Contract Time Period</source>
        <translation>Zeitraum des Vertrags</translation>
    </message>
    <message>
        <source>The campaign year saved with documents. Opening a document sets it; it cannot be changed here.</source>
        <translation>Das Jahr der Kampagne, das mit den Dokumenten gespeichert wird. Das Öffnen eines Dokuments setzt es; hier lässt es sich nicht ändern.</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Name der Einheit</translation>
    </message>
    <message>
        <source>Your unit&apos;s name, as printed in contracts.</source>
        <translation>Der Name Ihrer Einheit, wie er in Verträgen gedruckt wird.</translation>
    </message>
    <message>
        <source>Base Pay For Unit (C-Bills/Month)</source>
        <translation>Grundsold der Einheit (C-Bills/Monat)</translation>
    </message>
    <message>
        <source>Your unit&apos;s monthly base pay in C-Bills, multiplied by each offer&apos;s payment multiplier. Write it without separators, for example 100000.</source>
        <translation>Der monatliche Grundsold Ihrer Einheit in C-Bills, mit dem Soldmultiplikator jedes Angebots multipliziert. Schreiben Sie ihn ohne Trennzeichen, zum Beispiel 100000.</translation>
    </message>
    <message>
        <source>Size of Unit (eg. 2 Regiments)</source>
        <translation>Größe der Einheit (z. B. 2 Regiments)</translation>
    </message>
    <message>
        <source>Your unit&apos;s size, as printed in contracts.</source>
        <translation>Die Größe Ihrer Einheit, wie sie in Verträgen gedruckt wird.</translation>
    </message>
    <message>
        <source>Stores the values.</source>
        <translation>Speichert die Werte.</translation>
    </message>
    <message>
        <source>The tables New Custom, New Random and Roll Term Again roll on: the built-in ones, or a rules file of your own. A file is checked when you press OK; one that has problems is not taken.</source>
        <translation>Die Tabellen, auf denen „Neu nach Vorgabe“, „Neu nach Zufall“ und „Bedingung neu würfeln“ würfeln: die eingebauten oder eine eigene Regeldatei. Eine Datei wird beim Drücken von OK geprüft; eine mit Problemen wird nicht übernommen.</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regeln</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Wählen...</translation>
    </message>
    <message>
        <source>Chooses a rules file to roll with.</source>
        <translation>Wählt eine Regeldatei zum Würfeln.</translation>
    </message>
    <message>
        <source>&amp;Built-in</source>
        <translation>&amp;Eingebaut</translation>
    </message>
    <message>
        <source>Goes back to the built-in tables.</source>
        <translation>Kehrt zu den eingebauten Tabellen zurück.</translation>
    </message>
    <message>
        <source>Choose a Rules File</source>
        <translation>Regeldatei wählen</translation>
    </message>
    <message>
        <source>Rules files (*.toml);;All files (*)</source>
        <translation>Regeldateien (*.toml);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>Eingebaut</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Could not start print job.</source>
        <translation>Der Druckauftrag konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>PrintQueue</name>
    <message>
        <source>The printer &quot;%1&quot; does not accept print jobs now, so nothing was printed.</source>
        <translation>Der Drucker „%1“ nimmt zurzeit keine Druckaufträge an, daher wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the print job, so nothing was printed: %2</source>
        <translation>Der Drucker „%1“ hat den Druckauftrag nicht angenommen, daher wurde nichts gedruckt: %2</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
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
    <name>QObject</name>
    <message>
        <source>read as %1 C-Bills</source>
        <translation>gelesen als %1 C-Bills</translation>
    </message>
    <message>
        <source>Offers per roll</source>
        <translation>Angebote je Wurf</translation>
    </message>
    <message>
        <source>% of rolls</source>
        <translation>% der Würfe</translation>
    </message>
    <message>
        <source>offers</source>
        <translation>Angebote</translation>
    </message>
    <message>
        <source>Payment multiplier</source>
        <translation>Soldmultiplikator</translation>
    </message>
    <message>
        <source> (%1 offers whose multiplier is no finite number are not shown)</source>
        <translation> (%1 Angebote, deren Multiplikator keine endliche Zahl ist, werden nicht gezeigt)</translation>
    </message>
    <message>
        <source>% of offers</source>
        <translation>% der Angebote</translation>
    </message>
    <message>
        <source>multiplier (each bar from its value to the next)</source>
        <translation>Multiplikator (jeder Balken von seinem Wert bis zum nächsten)</translation>
    </message>
    <message>
        <source>The rules file %1 cannot be used:
%2</source>
        <translation>Die Regeldatei %1 kann nicht verwendet werden:
%2</translation>
    </message>
    <message>
        <source>and %1 more.</source>
        <translation>und %1 weitere.</translation>
    </message>
    <message>
        <source>the file is not there.</source>
        <translation>die Datei ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>es ist keine Datei.</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes.</source>
        <translation>sie ist größer als %1 Bytes.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>Eingebaut</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>House rules</source>
        <translation>Hausregeln</translation>
    </message>
    <message>
        <source>± points</source>
        <translation>± Punkte</translation>
    </message>
    <message>
        <source>Edit Line %1</source>
        <translation>Zeile %1 bearbeiten</translation>
    </message>
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>The settings file %1 could not be read completely. It is kept as it is, and settings changed now last only until the program ends.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht vollständig gelesen werden. Sie bleibt, wie sie ist, und jetzt geänderte Einstellungen gelten nur, bis das Programm endet.</translation>
    </message>
    <message>
        <source>The settings were not removed: their file could not be read completely and is kept as it is.</source>
        <translation>Die Einstellungen wurden nicht entfernt: Ihre Datei konnte nicht vollständig gelesen werden und bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>The settings were not removed: %1 could not be changed.</source>
        <translation>Die Einstellungen wurden nicht entfernt: %1 konnte nicht geändert werden.</translation>
    </message>
    <message>
        <source>The settings were cleared, but their file %1 could not be deleted: %2.</source>
        <translation>Die Einstellungen wurden geleert, aber ihre Datei %1 konnte nicht gelöscht werden: %2.</translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>&lt;b&gt;Recent file&lt;/b&gt;&lt;p&gt;Opens this document again.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Zuletzt geöffnete Datei&lt;/b&gt;&lt;p&gt;Öffnet dieses Dokument wieder.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>RulesEditor</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Takes back the last edit.</source>
        <translation>Nimmt die letzte Änderung zurück.</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Makes the edit Undo took back.</source>
        <translation>Macht die Änderung erneut, die Rückgängig zurückgenommen hat.</translation>
    </message>
    <message>
        <source>&amp;Try It</source>
        <translation>&amp;Ausprobieren</translation>
    </message>
    <message>
        <source>Shows the odds of the rating with the edited tables beside the built-in ones, without saving.</source>
        <translation>Zeigt die Chancen der Einstufung mit den bearbeiteten Tabellen neben den eingebauten, ohne zu speichern.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Saves the rules file.</source>
        <translation>Speichert die Regeldatei.</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Saves the rules under a new name.</source>
        <translation>Speichert die Regeln unter einem neuen Namen.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Text or first field</source>
        <translation>Text oder erstes Feld</translation>
    </message>
    <message>
        <source>Field %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>The rules are sound.</source>
        <translation>Die Regeln sind in Ordnung.</translation>
    </message>
    <message>
        <source>1 problem: the rules cannot be used until it is mended.</source>
        <translation>1 Problem: die Regeln können erst verwendet werden, wenn es behoben ist.</translation>
    </message>
    <message>
        <source>%1 problems: the rules cannot be used until they are mended.</source>
        <translation>%1 Probleme: die Regeln können erst verwendet werden, wenn sie behoben sind.</translation>
    </message>
    <message>
        <source>Save Rules As</source>
        <translation>Regeln speichern unter</translation>
    </message>
    <message>
        <source>Rules files (*.toml);;All files (*)</source>
        <translation>Regeldateien (*.toml);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The edited tables have problems; mend them before trying them.</source>
        <translation>Die bearbeiteten Tabellen haben Probleme; beheben Sie sie vor dem Ausprobieren.</translation>
    </message>
    <message>
        <source>Odds of the Edited Rules - Zuvaduro</source>
        <translation>Chancen der bearbeiteten Regeln - Zuvaduro</translation>
    </message>
    <message>
        <source>copy of the built-in tables</source>
        <translation>Kopie der eingebauten Tabellen</translation>
    </message>
    <message>
        <source>Rules Editor - %1[*] - Zuvaduro</source>
        <translation>Regeleditor - %1[*] - Zuvaduro</translation>
    </message>
    <message>
        <source>Zuvaduro</source>
        <translation>Zuvaduro</translation>
    </message>
    <message>
        <source>Save the changes to the rules?</source>
        <translation>Änderungen an den Regeln speichern?</translation>
    </message>
</context>
<context>
    <name>SideWindows</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>Die Hilfe konnte nicht gestartet werden.</translation>
    </message>
</context>
</TS>
