<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AgendaTyping</name>
    <message>
        <source>AGENDA</source>
        <translation>TAGESORDNUNG</translation>
    </message>
    <message>
        <source>9:00am - 5:00pm</source>
        <translation>9:00 - 17:00 Uhr</translation>
    </message>
    <message>
        <source>Meeting called by </source>
        <translation>Besprechung einberufen von </translation>
    </message>
    <message>
        <source>Attendees:</source>
        <translation>Teilnehmer:</translation>
    </message>
    <message>
        <source>Please read:</source>
        <translation>Bitte lesen:</translation>
    </message>
    <message>
        <source>Please bring:</source>
        <translation>Bitte mitbringen:</translation>
    </message>
    <message>
        <source>Additional Information:</source>
        <translation>Weitere Informationen:</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>at line </source>
        <translation>in Zeile </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Raum</translation>
    </message>
    <message>
        <source>You forgot to add time.</source>
        <translation>Sie haben vergessen, eine Zeit hinzuzufügen.</translation>
    </message>
    <message>
        <source>Please fill out all entries.</source>
        <translation>Bitte füllen Sie alle Felder aus.</translation>
    </message>
    <message>
        <source>Enter the meeting&apos;s details, its attendees and lists, and its agenda items; then start creating the agenda.</source>
        <translation>Geben Sie die Angaben zur Besprechung, ihre Teilnehmer und Listen sowie ihre Tagesordnungspunkte ein; erstellen Sie dann die Tagesordnung.</translation>
    </message>
    <message>
        <source>Start Creating Template</source>
        <translation>Vorlage erstellen</translation>
    </message>
    <message>
        <source>Clear/Reset Data</source>
        <translation>Daten löschen/zurücksetzen</translation>
    </message>
    <message>
        <source>Load Sample/Example Data</source>
        <translation>Beispieldaten laden</translation>
    </message>
    <message>
        <source>Meeting Title</source>
        <translation>Titel der Besprechung</translation>
    </message>
    <message>
        <source>Date of Meeting</source>
        <translation>Datum der Besprechung</translation>
    </message>
    <message>
        <source>Meeting Called By</source>
        <translation>Einberufen von</translation>
    </message>
    <message>
        <source>Attendee, Reading, &amp;&amp; Supplies</source>
        <translation>Teilnehmer, Lektüre &amp;&amp; Material</translation>
    </message>
    <message>
        <source>Meeting lists and agenda items</source>
        <translation>Listen und Tagesordnungspunkte der Besprechung</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Topic:</source>
        <translation>Thema:</translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Details:</translation>
    </message>
    <message>
        <source>Room:</source>
        <translation>Raum:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <source>Agenda items</source>
        <translation>Tagesordnungspunkte</translation>
    </message>
    <message>
        <source>Attendee List:</source>
        <translation>Teilnehmer:</translation>
    </message>
    <message>
        <source>Reading List:</source>
        <translation>Lektüre:</translation>
    </message>
    <message>
        <source>Supplies List:</source>
        <translation>Material:</translation>
    </message>
    <message>
        <source>Additional Instructions:</source>
        <translation>Weitere Hinweise:</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Page(s)</source>
        <translation>Seite(n)</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Save Results To Word File</source>
        <translation>Als Word-Datei speichern</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Agenda</source>
        <translation>Tagesordnung</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Als PDF exportieren…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)|*.pdf</source>
        <translation>PDF-Dateien (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Möchten Sie %1 wirklich überschreiben?</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>The agenda could not be exported as a PDF.<byte value="xd"/>
</source>
        <translation>Die Tagesordnung konnte nicht als PDF exportiert werden.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The printer %1 could not be used.</source>
        <translation>Der Drucker %1 konnte nicht verwendet werden.</translation>
    </message>
    <message>
        <source>The agenda could not be printed.<byte value="xd"/>
</source>
        <translation>Die Tagesordnung konnte nicht gedruckt werden.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The pages of the agenda just created: choose a page in the list, zoom and scroll it, save the agenda as a Word file or go back to the meeting.</source>
        <translation>Die Seiten der soeben erstellten Tagesordnung: Wählen Sie eine Seite in der Liste, zoomen und verschieben Sie sie, speichern Sie die Tagesordnung als Word-Datei oder kehren Sie zur Besprechung zurück.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Scroll the page sideways</source>
        <translation>Seite waagerecht verschieben</translation>
    </message>
    <message>
        <source>Scroll the page up and down</source>
        <translation>Seite senkrecht verschieben</translation>
    </message>
    <message>
        <source>Page view</source>
        <translation>Seitenansicht</translation>
    </message>
    <message>
        <source>The arrow keys and Page Up and Page Down scroll the page; Ctrl+Plus and Ctrl+Minus zoom.</source>
        <translation>Die Pfeiltasten sowie Bild auf und Bild ab verschieben die Seite; Strg+Plus und Strg+Minus zoomen.</translation>
    </message>
    <message>
        <source>No page</source>
        <translation>Keine Seite</translation>
    </message>
    <message>
        <source>Page %1 of %2, zoom %3 %</source>
        <translation>Seite %1 von %2, Zoom %3 %</translation>
    </message>
    <message>
        <source>%1 is Quillary&apos;s working copy of this agenda and is deleted when the preview closes. Please save under another name.</source>
        <translation>%1 ist Quillarys Arbeitskopie dieser Tagesordnung und wird beim Schließen der Vorschau gelöscht. Bitte speichern Sie unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Word Files (*.doc)|*.doc</source>
        <translation>Word-Dateien (*.doc)|*.doc</translation>
    </message>
</context>
<context>
    <name>IsInstalled</name>
    <message>
        <source>Error 842001. A normal instance of Word could not be created.</source>
        <translation>Fehler 842001. Eine normale Word-Instanz konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>1. Please make sure Word is installed on this computer.</source>
        <translation>1. Bitte stellen Sie sicher, dass Word auf diesem Computer installiert ist.</translation>
    </message>
    <message>
        <source>2. Please open Word normally and make sure a blank document opens immediately without any interrupting window (such as an Word file recovery window).</source>
        <translation>2. Bitte öffnen Sie Word wie gewohnt und stellen Sie sicher, dass sich sofort ein leeres Dokument öffnet, ohne dass ein anderes Fenster dazwischenkommt (etwa ein Fenster zur Wiederherstellung von Word-Dateien).</translation>
    </message>
    <message>
        <source>3. Please make sure that when you double-click on a DOC or DOCX file that Word opens normally without any interrupting messages.</source>
        <translation>3. Bitte stellen Sie sicher, dass sich Word beim Doppelklick auf eine DOC- oder DOCX-Datei normal und ohne störende Meldungen öffnet.</translation>
    </message>
    <message>
        <source>4. All versions of Word are supported by this software except for the rare Word Starter and Student editions.</source>
        <translation>4. Alle Word-Versionen werden von dieser Software unterstützt, außer den seltenen Ausgaben Word Starter und Student.</translation>
    </message>
</context>
<context>
    <name>PageExport</name>
    <message>
        <source>Page </source>
        <translation>Seite </translation>
    </message>
</context>
<context>
    <name>StoreWrites</name>
    <message>
        <source>Your changes cannot be saved to %1.

Quillary keeps what you type and saves it as soon as the file can be written again.</source>
        <translation>Ihre Änderungen können nicht in %1 gespeichert werden.

Quillary behält, was Sie eingeben, und speichert es, sobald die Datei wieder geschrieben werden kann.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. It was kept as %2, and Quillary starts with new settings.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden. Sie wurde als %2 aufbewahrt, und Quillary startet mit neuen Einstellungen.</translation>
    </message>
</context>
</TS>
