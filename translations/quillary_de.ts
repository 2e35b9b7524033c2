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
    <message>
        <source>in %1</source>
        <translation>in %1</translation>
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
    <message>
        <source>Quillary did not end normally last time. The agenda list it had then was recovered from %1.</source>
        <translation>Quillary wurde beim letzten Mal nicht normal beendet. Die damalige Tagesordnungsliste wurde aus %1 wiederhergestellt.</translation>
    </message>
    <message>
        <source>Load Sample Data</source>
        <translation>Beispieldaten laden</translation>
    </message>
    <message>
        <source>Open Meeting</source>
        <translation>Besprechung öffnen</translation>
    </message>
    <message>
        <source>Import Invitation</source>
        <translation>Einladung importieren</translation>
    </message>
    <message>
        <source>%1 cannot be opened.

%2</source>
        <translation>%1 kann nicht geöffnet werden.

%2</translation>
    </message>
    <message>
        <source>New Meeting from This One</source>
        <translation>Neue Besprechung aus dieser</translation>
    </message>
    <message>
        <source>Meetings and Invitations (*.quillary *.ics)|*.quillary;*.ics|Quillary Meetings (*.quillary)|*.quillary|Calendar Invitations (*.ics)|*.ics|All Files (*)|*</source>
        <translation>Besprechungen und Einladungen (*.quillary *.ics)|*.quillary;*.ics|Quillary-Besprechungen (*.quillary)|*.quillary|Kalendereinladungen (*.ics)|*.ics|Alle Dateien (*)|*</translation>
    </message>
    <message>
        <source>Calendar Invitations (*.ics)|*.ics;*.ical|All Files (*)|*</source>
        <translation>Kalendereinladungen (*.ics)|*.ics;*.ical|Alle Dateien (*)|*</translation>
    </message>
    <message>
        <source>Meeting</source>
        <translation>Besprechung</translation>
    </message>
    <message>
        <source>Save Meeting As</source>
        <translation>Besprechung speichern unter</translation>
    </message>
    <message>
        <source>Quillary Meetings (*.quillary)|*.quillary</source>
        <translation>Quillary-Besprechungen (*.quillary)|*.quillary</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Möchten Sie %1 wirklich überschreiben?</translation>
    </message>
    <message>
        <source>The meeting could not be saved as %1.

%2</source>
        <translation>Die Besprechung konnte nicht als %1 gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Eingabe</translation>
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
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Meeting from This One</source>
        <translation>&amp;Neue Besprechung aus dieser</translation>
    </message>
    <message>
        <source>&amp;Open Meeting…</source>
        <translation>Besprechung ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Save Meeting &amp;As…</source>
        <translation>Besprechung speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Import Invitation…</source>
        <translation>Einladung &amp;importieren…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
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
    <message>
        <source>The PDF of the agenda could not be made.</source>
        <translation>Das PDF der Tagesordnung konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
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
    <name>MeetingAgenda</name>
    <message>
        <source>Word may be open. It is recommended that you close Word first. Use Ctrl+Alt+Del &gt; Task Manager &gt; WINWORD.EXE if necessary.<byte value="xd"/>
<byte value="xd"/>
Would you like to proceed anyway?</source>
        <translation>Word ist möglicherweise geöffnet. Es wird empfohlen, Word zuerst zu schließen. Verwenden Sie bei Bedarf Strg+Alt+Entf &gt; Task-Manager &gt; WINWORD.EXE.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie trotzdem fortfahren?</translation>
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
    <name>RuntimeError</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>ActiveX component can&apos;t create object</source>
        <translation>ActiveX-Komponente kann kein Objekt erstellen</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Invalid picture: %1</source>
        <translation>Ungültiges Bild: %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 belongs to someone else</source>
        <translation>%1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The settings could not be written to %1</source>
        <translation>Die Einstellungen konnten nicht in %1 geschrieben werden</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Unzulässiger Prozeduraufruf oder unzulässiges Argument</translation>
    </message>
    <message>
        <source>Member not found</source>
        <translation>Element nicht gefunden</translation>
    </message>
    <message>
        <source>The skin file %1 could not be read</source>
        <translation>Die Skin-Datei %1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>No skin is loaded</source>
        <translation>Es ist kein Skin geladen</translation>
    </message>
    <message>
        <source>Invalid window handle</source>
        <translation>Ungültiges Fensterhandle</translation>
    </message>
    <message>
        <source>The remote server machine does not exist or is unavailable</source>
        <translation>Der Remoteservercomputer ist nicht vorhanden oder nicht verfügbar</translation>
    </message>
    <message>
        <source>The object invoked has disconnected from its clients.</source>
        <translation>Das aufgerufene Objekt wurde von den Clients getrennt.</translation>
    </message>
    <message>
        <source>The requested member of the collection does not exist.</source>
        <translation>Das angeforderte Element der Auflistung ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>Bad parameter</source>
        <translation>Ungültiger Parameter</translation>
    </message>
    <message>
        <source>This command is not available because no document is open.</source>
        <translation>Dieser Befehl ist nicht verfügbar, weil kein Dokument geöffnet ist.</translation>
    </message>
    <message>
        <source>Value out of range</source>
        <translation>Wert außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>This method or property is not available because the current selection cannot be deleted as a whole.</source>
        <translation>Diese Methode oder Eigenschaft ist nicht verfügbar, weil die aktuelle Markierung nicht als Ganzes gelöscht werden kann.</translation>
    </message>
    <message>
        <source>This method or property is not available because the object refers to a table cell.</source>
        <translation>Diese Methode oder Eigenschaft ist nicht verfügbar, weil sich das Objekt auf eine Tabellenzelle bezieht.</translation>
    </message>
    <message>
        <source>The number must be between 1 and 63.</source>
        <translation>Die Zahl muss zwischen 1 und 63 liegen.</translation>
    </message>
    <message>
        <source>This method or property is not available because the object does not refer to a table.</source>
        <translation>Diese Methode oder Eigenschaft ist nicht verfügbar, weil sich das Objekt nicht auf eine Tabelle bezieht.</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;. %2</source>
        <translation>„%1“ konnte nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>The file is not a readable document: %1.</source>
        <translation>Die Datei ist kein lesbares Dokument: %1.</translation>
    </message>
    <message>
        <source>The document &quot;%1&quot; could not be opened: %2.</source>
        <translation>Das Dokument „%1“ konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The file is not a readable document: its part &quot;%1&quot; %2.</source>
        <translation>Die Datei ist kein lesbares Dokument: sein Teil „%1“ %2.</translation>
    </message>
    <message>
        <source>The document could not be packed: %1.</source>
        <translation>Das Dokument konnte nicht gepackt werden: %1.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Steuerelementfeld-Element „%1“ ist nicht vorhanden</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Objekt bereits geladen</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The agenda&apos;s document %1 is not complete, so it was not saved. %2</source>
        <translation>Das Dokument der Tagesordnung %1 ist nicht vollständig und wurde daher nicht gespeichert. %2</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
    <message>
        <source>The picture could not be saved</source>
        <translation>Das Bild konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>%1 is in use</source>
        <translation>%1 wird verwendet</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>es wurde kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>ein Ordner trägt diesen Namen</translation>
    </message>
    <message>
        <source>the disk took only part</source>
        <translation>der Datenträger hat nur einen Teil aufgenommen</translation>
    </message>
    <message>
        <source>flushing it to the disk failed: %1</source>
        <translation>das Schreiben auf den Datenträger ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>the new file could not take the old one&apos;s place: %1</source>
        <translation>die neue Datei konnte die alte nicht ersetzen: %1</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>kein Ordner</translation>
    </message>
    <message>
        <source>belongs to someone else</source>
        <translation>gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>it is not a WordprocessingML (zip) package</source>
        <translation>es ist kein WordprocessingML-Paket (zip)</translation>
    </message>
    <message>
        <source>the package has no content types</source>
        <translation>das Paket hat keine Inhaltstypen</translation>
    </message>
    <message>
        <source>the package holds no document</source>
        <translation>das Paket enthält kein Dokument</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>is too long</source>
        <translation>ist zu lang</translation>
    </message>
    <message>
        <source>is nested too deeply</source>
        <translation>ist zu tief verschachtelt</translation>
    </message>
    <message>
        <source>declares a document type, which documents never do</source>
        <translation>deklariert einen Dokumenttyp, was Dokumente nie tun</translation>
    </message>
    <message>
        <source>refers to an entity, which documents never do</source>
        <translation>verweist auf eine Entität, was Dokumente nie tun</translation>
    </message>
    <message>
        <source>is not well-formed XML (%1 at line %2)</source>
        <translation>ist kein wohlgeformtes XML (%1 in Zeile %2)</translation>
    </message>
    <message>
        <source>ends too early</source>
        <translation>endet zu früh</translation>
    </message>
    <message>
        <source>does not start with the expected element</source>
        <translation>beginnt nicht mit dem erwarteten Element</translation>
    </message>
    <message>
        <source>it is not a valid zip package (%1)</source>
        <translation>es ist kein gültiges Zip-Paket (%1)</translation>
    </message>
    <message>
        <source>entry %1 of the package is damaged</source>
        <translation>Eintrag %1 des Pakets ist beschädigt</translation>
    </message>
    <message>
        <source>the package holds an unsafe entry name &quot;%1&quot;</source>
        <translation>das Paket enthält einen unsicheren Eintragsnamen „%1“</translation>
    </message>
    <message>
        <source>the package entry &quot;%1&quot; is too large</source>
        <translation>der Paketeintrag „%1“ ist zu groß</translation>
    </message>
    <message>
        <source>the package entry &quot;%1&quot; is compressed suspiciously well</source>
        <translation>der Paketeintrag „%1“ ist verdächtig gut komprimiert</translation>
    </message>
    <message>
        <source>the package holds too many entries</source>
        <translation>das Paket enthält zu viele Einträge</translation>
    </message>
    <message>
        <source>the package is too large when unpacked</source>
        <translation>das Paket ist entpackt zu groß</translation>
    </message>
    <message>
        <source>the package holds &quot;%1&quot; twice</source>
        <translation>das Paket enthält „%1“ doppelt</translation>
    </message>
    <message>
        <source>the package has no &quot;%1&quot;</source>
        <translation>dem Paket fehlt „%1“</translation>
    </message>
    <message>
        <source>the package entry &quot;%1&quot; cannot be opened (%2)</source>
        <translation>der Paketeintrag „%1“ kann nicht geöffnet werden (%2)</translation>
    </message>
    <message>
        <source>the package entry &quot;%1&quot; is damaged</source>
        <translation>der Paketeintrag „%1“ ist beschädigt</translation>
    </message>
    <message>
        <source>the archive size is unknown</source>
        <translation>die Größe des Archivs ist unbekannt</translation>
    </message>
    <message>
        <source>the archive could not be read back</source>
        <translation>das Archiv konnte nicht zurückgelesen werden</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Objektvariable oder With-Blockvariable nicht festgelegt</translation>
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
    <message>
        <source>Some lines of the settings file %1 could not be read, and Quillary would lose them when it saves. The file as it was is kept as %2; Quillary goes on with what it could read.</source>
        <translation>Einige Zeilen der Einstellungsdatei %1 konnten nicht gelesen werden, und Quillary würde sie beim Speichern verlieren. Die Datei wird, wie sie war, als %2 aufbewahrt; Quillary arbeitet mit dem weiter, was es lesen konnte.</translation>
    </message>
</context>
<context>
    <name>app</name>
    <message>
        <source>%1 %2

Turns the details of a meeting into a formatted agenda document.

Free software under the %3 licence.
%4</source>
        <translation>%1 %2

Macht aus den Angaben zu einer Besprechung ein formatiertes Tagesordnungsdokument.

Freie Software unter der %3-Lizenz.
%4</translation>
    </message>
    <message>
        <source>Meeting window</source>
        <translation>Besprechungsfenster</translation>
    </message>
    <message>
        <source>New Meeting from This One</source>
        <translation>Neue Besprechung aus dieser</translation>
    </message>
    <message>
        <source>Open Meeting</source>
        <translation>Besprechung öffnen</translation>
    </message>
    <message>
        <source>Save Meeting As</source>
        <translation>Besprechung speichern unter</translation>
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
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Preview window</source>
        <translation>Vorschaufenster</translation>
    </message>
    <message>
        <source>Save Results To Word File</source>
        <translation>Als Word-Datei speichern</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Zoom In (also Ctrl+wheel)</source>
        <translation>Vergrößern (auch Strg+Mausrad)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Bild auf, Bild ab</translation>
    </message>
    <message>
        <source>Move the page by a screenful</source>
        <translation>Seite um eine Bildschirmhöhe verschieben</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Quillary</source>
        <translation>&amp;Über Quillary</translation>
    </message>
    <message>
        <source>About Quillary</source>
        <translation>Über Quillary</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Next tab</source>
        <translation>Nächster Reiter</translation>
    </message>
    <message>
        <source>Previous tab</source>
        <translation>Vorheriger Reiter</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>Scroll the page</source>
        <translation>Seite verschieben</translation>
    </message>
    <message>
        <source>Back to the meeting</source>
        <translation>Zurück zur Besprechung</translation>
    </message>
</context>
<context>
    <name>app::CommandLine</name>
    <message>
        <source>Usage: %1 [options] [file]</source>
        <translation>Aufruf: %1 [Optionen] [Datei]</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
„%1 --help“ gibt weitere Informationen.
</translation>
    </message>
    <message>
        <source>%1 turns the details of one meeting into a formatted agenda document.
Qt&apos;s own options (-platform, -style, -display, ...) are accepted too.</source>
        <translation>%1 macht aus den Angaben zu einer Besprechung ein formatiertes Tagesordnungsdokument.
Qts eigene Optionen (-platform, -style, -display, ...) werden ebenfalls angenommen.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and exit.</source>
        <translation>Die Version des Programms anzeigen und beenden.</translation>
    </message>
    <message>
        <source>A meeting file (.quillary) or a calendar invitation (.ics) to open.</source>
        <translation>Eine Besprechungsdatei (.quillary) oder eine Kalendereinladung (.ics), die geöffnet werden soll.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
</context>
<context>
    <name>entry</name>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2–%3</source>
        <translation>%1, %2–%3</translation>
    </message>
    <message>
        <source>%1, %2 – %3, %4</source>
        <translation>%1, %2 – %3, %4</translation>
    </message>
    <message>
        <source>The file holds %n events; the first one was used.</source>
        <translation>Die Datei enthält %n Termine; der erste wurde verwendet.</translation>
    </message>
    <message>
        <source>The meeting repeats; the date of its first occurrence was used.</source>
        <translation>Die Besprechung wiederholt sich; das Datum des ersten Termins wurde verwendet.</translation>
    </message>
    <message>
        <source>The invitation says that the meeting is cancelled.</source>
        <translation>Laut Einladung ist die Besprechung abgesagt.</translation>
    </message>
    <message>
        <source>The file is not a calendar invitation (an iCalendar .ics file).</source>
        <translation>Die Datei ist keine Kalendereinladung (iCalendar-Datei .ics).</translation>
    </message>
    <message>
        <source>The file is too large to be a calendar invitation.</source>
        <translation>Die Datei ist zu groß für eine Kalendereinladung.</translation>
    </message>
    <message>
        <source>The calendar file holds no meeting (no event).</source>
        <translation>Die Kalenderdatei enthält keine Besprechung (keinen Termin).</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Die Datei kann nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>entry::AgendaEditor</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Ganz nach oben</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Ganz nach unten</translation>
    </message>
    <message>
        <source>Insert Above</source>
        <translation>Darüber einfügen</translation>
    </message>
    <message>
        <source>Insert Below</source>
        <translation>Darunter einfügen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
</context>
<context>
    <name>entry::MeetingFile</name>
    <message>
        <source>The file is not a Quillary meeting file, or it is damaged.</source>
        <translation>Die Datei ist keine Quillary-Besprechungsdatei oder sie ist beschädigt.</translation>
    </message>
    <message>
        <source>The file is too large to be a Quillary meeting file.</source>
        <translation>Die Datei ist zu groß für eine Quillary-Besprechungsdatei.</translation>
    </message>
    <message>
        <source>The file was saved by a newer version of Quillary. Install a newer Quillary to open it.</source>
        <translation>Die Datei wurde mit einer neueren Version von Quillary gespeichert. Installieren Sie ein neueres Quillary, um sie zu öffnen.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The file cannot be written: %1</source>
        <translation>Die Datei kann nicht geschrieben werden: %1</translation>
    </message>
</context>
</TS>
