<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Clipboard</name>
    <message>
        <source>The clipboard cannot be used.</source>
        <translation>Die Zwischenablage kann nicht benutzt werden.</translation>
    </message>
    <message>
        <source>The page could not be placed on the clipboard.</source>
        <translation>Die Seite konnte nicht in die Zwischenablage gelegt werden.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Strumix: guitar and bass tablature, typed and drawn on a picture.</source>
        <translation>Strumix: Tabulaturen für Gitarre und Bass, getippt und gezeichnet auf einem Bild.</translation>
    </message>
    <message>
        <source>Write PAGE to FILE and end, with no window: the picture as PNG or PDF, its notes as text tab, MusicXML or MIDI, or their sound as WAV or FLAC (by FILE&apos;s extension: .png, .pdf, .txt, .musicxml, .mid, .wav, .flac).</source>
        <translation>PAGE als FILE schreiben und ohne Fenster enden: das Bild als PNG oder PDF, die Noten als Text-Tab, MusicXML oder MIDI, oder ihr Klang als WAV oder FLAC (nach der Endung von FILE: .png, .pdf, .txt, .musicxml, .mid, .wav, .flac).</translation>
    </message>
    <message>
        <source>A page to open (.tab or .bmp), or a text tab (.txt) to take in.</source>
        <translation>Eine Seite zum Öffnen (.tab oder .bmp) oder ein Text-Tab (.txt) zum Übernehmen.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos;.</source>
        <translation>%1: %2
&apos;%1 --help&apos; zeigt mehr.</translation>
    </message>
    <message>
        <source>%1: one page at a time, not %2.
Try &apos;%1 --help&apos;.</source>
        <translation>%1: eine Seite auf einmal, nicht %2.
&apos;%1 --help&apos; zeigt mehr.</translation>
    </message>
    <message>
        <source>%1: --export needs the page to export.
Try &apos;%1 --help&apos;.</source>
        <translation>%1: --export braucht die Seite, die exportiert werden soll.
&apos;%1 --help&apos; zeigt mehr.</translation>
    </message>
    <message>
        <source>strumix %1
Built with Qt %2, running on Qt %3
%4</source>
        <translation>strumix %1
Gebaut mit Qt %2, läuft auf Qt %3
%4</translation>
    </message>
    <message>
        <source>strumix: cannot take in &quot;%1&quot;: %2</source>
        <translation>strumix: &quot;%1&quot; kann nicht übernommen werden: %2</translation>
    </message>
    <message>
        <source>strumix: left out of &quot;%1&quot;:
%2</source>
        <translation>strumix: ausgelassen aus &quot;%1&quot;:
%2</translation>
    </message>
    <message>
        <source>strumix: cannot open &quot;%1&quot;: %2</source>
        <translation>strumix: &quot;%1&quot; kann nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Image has been changed. Do you want to save changes?</source>
        <translation>Das Bild wurde geändert. Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>Error has occured:
</source>
        <translation>Ein Fehler ist aufgetreten:
</translation>
    </message>
    <message>
        <source>
please reduce  your page layout&apos;s dimensions so your system can create the image.</source>
        <translation>
Bitte verkleinern Sie das Seitenlayout, damit Ihr System das Bild erstellen kann.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is open in another Strumix too. What is saved in one replaces what was saved in the other.</source>
        <translation>&quot;%1&quot; ist auch in einem anderen Strumix geöffnet. Was in einem gespeichert wird, ersetzt, was im anderen gespeichert wurde.</translation>
    </message>
    <message>
        <source>Please adjust strumix&apos;s layout to fit the image.</source>
        <translation>Bitte passen Sie das Layout von Strumix an das Bild an.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program since Strumix opened or saved it. Do you want to overwrite it?</source>
        <translation>&quot;%1&quot; wurde von einem anderen Programm geändert, seit Strumix die Datei geöffnet oder gespeichert hat. Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <source>File has not been saved yet. Do you want to save it now?</source>
        <translation>Die Datei wurde noch nicht gespeichert. Möchten Sie sie jetzt speichern?</translation>
    </message>
    <message>
        <source>Image has been succesfully copied to the clipboard.</source>
        <translation>Das Bild wurde in die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>The clipboard holds no text to take in as a text tab.</source>
        <translation>Die Zwischenablage enthält keinen Text, der als Text-Tab übernommen werden kann.</translation>
    </message>
    <message>
        <source>There is already a file named %1. Do you want to replace it?</source>
        <translation>Es gibt bereits eine Datei namens %1. Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>There are already files named %1. Do you want to replace them?</source>
        <translation>Es gibt bereits Dateien namens %1. Möchten Sie sie ersetzen?</translation>
    </message>
</context>
<context>
    <name>FileWindow</name>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Save File As...</source>
        <translation>Datei speichern unter...</translation>
    </message>
    <message>
        <source>*.bmp;*.tab  Bitmaps</source>
        <translation>*.bmp;*.tab  Bitmaps</translation>
    </message>
    <message>
        <source>*.*          All Files</source>
        <translation>*.*          Alle Dateien</translation>
    </message>
    <message>
        <source>*.txt        Text Tabs</source>
        <translation>*.txt        Text-Tabs</translation>
    </message>
    <message>
        <source>File Window</source>
        <translation>Dateifenster</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Filename exists. Do you want to replace it?</source>
        <translation>Die Datei gibt es bereits. Möchten Sie sie ersetzen?</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>a help file</source>
        <translation>eine Hilfedatei</translation>
    </message>
    <message>
        <source>The help file is too large.</source>
        <translation>Die Hilfedatei ist zu groß.</translation>
    </message>
    <message>
        <source>The help file holds no topics.</source>
        <translation>Die Hilfedatei enthält keine Themen.</translation>
    </message>
    <message>
        <source>Help is not available: the help file &quot;%1&quot; could not be read.
%2</source>
        <translation>Die Hilfe ist nicht verfügbar: Die Hilfedatei &quot;%1&quot; konnte nicht gelesen werden.
%2</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Strumix Help - </source>
        <translation>Strumix-Hilfe - </translation>
    </message>
</context>
<context>
    <name>LayoutDialog</name>
    <message>
        <source>Page Layout</source>
        <translation>Seitenlayout</translation>
    </message>
    <message>
        <source>New Page Layout</source>
        <translation>Neues Seitenlayout</translation>
    </message>
    <message>
        <source>Adjust Layout to Image</source>
        <translation>Layout an Bild anpassen</translation>
    </message>
    <message>
        <source>Notes In Measure</source>
        <translation>Noten im Takt</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Measures Across</source>
        <translation>Takte nebeneinander</translation>
    </message>
    <message>
        <source>Music Staffs </source>
        <translation>Notensysteme </translation>
    </message>
    <message>
        <source>&amp;Caption</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Properties of Line#</source>
        <translation>Eigenschaften von System Nr.</translation>
    </message>
    <message>
        <source>Quick Select:</source>
        <translation>Schnellauswahl:</translation>
    </message>
    <message>
        <source>Staff Caption:</source>
        <translation>Systemtitel:</translation>
    </message>
    <message>
        <source>Number of Strings:</source>
        <translation>Anzahl der Saiten:</translation>
    </message>
    <message>
        <source>String Tuning:</source>
        <translation>Stimmung der Saiten:</translation>
    </message>
    <message>
        <source>&amp;Assign</source>
        <translation>&amp;Zuweisen</translation>
    </message>
    <message>
        <source>Standard E Tuning</source>
        <translation>Standardstimmung E</translation>
    </message>
    <message>
        <source>E Flat Tuning</source>
        <translation>Stimmung Es</translation>
    </message>
    <message>
        <source>D Tuning</source>
        <translation>Stimmung D</translation>
    </message>
    <message>
        <source>6th String D</source>
        <translation>6. Saite auf D</translation>
    </message>
    <message>
        <source>Bass Standard</source>
        <translation>Bass Standard</translation>
    </message>
    <message>
        <source>Bass 5-string</source>
        <translation>Bass 5-saitig</translation>
    </message>
    <message>
        <source>7-String Guitar</source>
        <translation>7-saitige Gitarre</translation>
    </message>
    <message>
        <source>Strumix v1.0  Measure Reference  Table</source>
        <translation>Strumix v1.0  Tabelle der Taktarten</translation>
    </message>
    <message>
        <source>NOTES PER MEASURE (npm):</source>
        <translation>NOTEN PRO TAKT (npT):</translation>
    </message>
    <message>
        <source>Time Signature / Smallest  Notes:           Use (npm):</source>
        <translation>Taktart / kleinste  Noten:                   Wert (npT):</translation>
    </message>
    <message>
        <source>     4/4  Quarter Notes                                          4</source>
        <translation>     4/4  Viertelnoten                                            4</translation>
    </message>
    <message>
        <source>     4/4  Eight Notes                                               8</source>
        <translation>     4/4  Achtelnoten                                              8</translation>
    </message>
    <message>
        <source>     4/4  Sixteenth Notes                                       16</source>
        <translation>     4/4  Sechzehntelnoten                                     16</translation>
    </message>
    <message>
        <source>     4/4  Thirty-secondth Notes                            32</source>
        <translation>     4/4  Zweiunddreißigstelnoten                         32</translation>
    </message>
    <message>
        <source>     3/4  Eighth Notes                                             6</source>
        <translation>     3/4  Achtelnoten                                              6</translation>
    </message>
    <message>
        <source>     3/4  Sixteenth Notes                                       12</source>
        <translation>     3/4  Sechzehntelnoten                                     12</translation>
    </message>
    <message>
        <source>     5/4  Eighth Notes                                             10</source>
        <translation>     5/4  Achtelnoten                                              10</translation>
    </message>
    <message>
        <source>     5/4  Sixteenth Notes                                        20</source>
        <translation>     5/4  Sechzehntelnoten                                      20</translation>
    </message>
    <message>
        <source>     7/8  Eighth Notes                                              7</source>
        <translation>     7/8  Achtelnoten                                               7</translation>
    </message>
    <message>
        <source>Max value is 52 notes per measure, allowing you to</source>
        <translation>Höchstens 52 Noten pro Takt sind möglich; damit lässt sich</translation>
    </message>
    <message>
        <source>display up to 13/8 time showing thiry-secondth notes, and you should use 1 measure across only for this.</source>
        <translation>bis zu einem 13/8-Takt in Zweiunddreißigsteln darstellen, dafür aber nur mit 1 Takt nebeneinander.</translation>
    </message>
    <message>
        <source>IMPORTANT: You will get an error if you try 52 notes, 4 measures across, 4 lines down. </source>
        <translation>WICHTIG: 52 Noten, 4 Takte nebeneinander und 4 Systeme untereinander ergeben einen Fehler. </translation>
    </message>
    <message>
        <source>This is because your system is limits how large an image you can make.</source>
        <translation>Ihr System begrenzt, wie groß ein Bild werden kann.</translation>
    </message>
    <message>
        <source>Reduce the &apos;Measures Across&apos; value for large amounts of &apos;Notes per Measure&apos;.</source>
        <translation>Verringern Sie bei vielen &apos;Noten im Takt&apos; den Wert &apos;Takte nebeneinander&apos;.</translation>
    </message>
    <message>
        <source>Properties of Line# %1</source>
        <translation>Eigenschaften von System Nr. %1</translation>
    </message>
    <message>
        <source>Number of Strings: %1</source>
        <translation>Anzahl der Saiten: %1</translation>
    </message>
</context>
<context>
    <name>Licence</name>
    <message>
        <source>Free software under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). There is no warranty.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder jede spätere Version (GPL-3.0-or-later). Es gibt keine Gewährleistung.</translation>
    </message>
    <message>
        <source>Free software, GPL-3.0-or-later</source>
        <translation>Freie Software, GPL-3.0-or-later</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>PNG image (*.png);;PDF document (*.pdf);;Text tab (*.txt);;MusicXML (*.musicxml);;MIDI file (*.mid);;WAV sound (*.wav);;FLAC sound (*.flac)</source>
        <translation>PNG-Bild (*.png);;PDF-Dokument (*.pdf);;Text-Tab (*.txt);;MusicXML (*.musicxml);;MIDI-Datei (*.mid);;WAV-Klang (*.wav);;FLAC-Klang (*.flac)</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>&amp;Arc</source>
        <translation>&amp;Bogen</translation>
    </message>
    <message>
        <source>&amp;Line</source>
        <translation>&amp;Linie</translation>
    </message>
    <message>
        <source>&amp;Letter</source>
        <translation>Buch&amp;stabe</translation>
    </message>
    <message>
        <source>&amp;Steel-String Guitar</source>
        <translation>&amp;Stahlsaiten-Gitarre</translation>
    </message>
    <message>
        <source>&amp;Nylon-String Guitar</source>
        <translation>&amp;Nylonsaiten-Gitarre</translation>
    </message>
    <message>
        <source>&amp;Clean Electric Guitar</source>
        <translation>&amp;Cleane E-Gitarre</translation>
    </message>
    <message>
        <source>&amp;Distorted Electric Guitar</source>
        <translation>&amp;Verzerrte E-Gitarre</translation>
    </message>
    <message>
        <source>&amp;Bass</source>
        <translation>&amp;Bass</translation>
    </message>
    <message>
        <source>Staff &amp;%1</source>
        <translation>Notensystem &amp;%1</translation>
    </message>
    <message>
        <source>Tool: %1</source>
        <translation>Werkzeug: %1</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>&amp;Set Backup</source>
        <translation>Sicherung &amp;anlegen</translation>
    </message>
    <message>
        <source>&amp;Revert to Backup</source>
        <translation>Zurüc&amp;k zur Sicherung</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Copy Image</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste Text Tab</source>
        <translation>Text-Tab &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Adjust Layout to Image</source>
        <translation>Layout an Bild &amp;anpassen</translation>
    </message>
    <message>
        <source>Cursor &amp;Motion</source>
        <translation>Cursor&amp;bewegung</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Hoch</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Runter</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>Re&amp;chts</translation>
    </message>
    <message>
        <source>Diagonal U&amp;p</source>
        <translation>Diagonal h&amp;och</translation>
    </message>
    <message>
        <source>Diagonal Do&amp;wn</source>
        <translation>Diagonal ru&amp;nter</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>&amp;Auffrischen</translation>
    </message>
    <message>
        <source>&amp;Follow Cusror</source>
        <translation>Cursor &amp;folgen</translation>
    </message>
    <message>
        <source>Sa&amp;ve Settings on Exit</source>
        <translation>Einstellungen beim Beenden &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Page Title</source>
        <translation>&amp;Seitentitel</translation>
    </message>
    <message>
        <source>&amp;Harmonic</source>
        <translation>&amp;Flageolett</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Fit Page</source>
        <translation>Seite &amp;einpassen</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Wiedergabe</translation>
    </message>
    <message>
        <source>Play from &amp;Start</source>
        <translation>Von &amp;vorn abspielen</translation>
    </message>
    <message>
        <source>&amp;Loop</source>
        <translation>&amp;Schleife</translation>
    </message>
    <message>
        <source>&amp;Count In</source>
        <translation>&amp;Einzählen</translation>
    </message>
    <message>
        <source>&amp;Tempo...</source>
        <translation>&amp;Tempo...</translation>
    </message>
    <message>
        <source>&amp;Instrument</source>
        <translation>&amp;Instrument</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>Schritt &amp;zurück</translation>
    </message>
    <message>
        <source>Step &amp;Forward</source>
        <translation>Schritt &amp;vor</translation>
    </message>
    <message>
        <source>&amp;1 Half Bend</source>
        <translation>&amp;1 Halbes Bending</translation>
    </message>
    <message>
        <source>&amp;2 Whole Bend</source>
        <translation>&amp;2 Ganzes Bending</translation>
    </message>
    <message>
        <source>&amp;3 Ghost Bend</source>
        <translation>&amp;3 Ghost-Bending</translation>
    </message>
    <message>
        <source>&amp;4 Release Bend</source>
        <translation>&amp;4 Release-Bending</translation>
    </message>
    <message>
        <source>&amp;5 Vibrato</source>
        <translation>&amp;5 Vibrato</translation>
    </message>
    <message>
        <source>&amp;6 Trill Picking</source>
        <translation>&amp;6 Tremolo-Picking</translation>
    </message>
    <message>
        <source>&amp;7 Downward Rake/Sweep</source>
        <translation>&amp;7 Rake/Sweep abwärts</translation>
    </message>
    <message>
        <source>&amp;8 Upward Rake/Sweep</source>
        <translation>&amp;8 Rake/Sweep aufwärts</translation>
    </message>
    <message>
        <source>&amp;Hammer to Next Note</source>
        <translation>&amp;Hammer-on zur nächsten Note</translation>
    </message>
    <message>
        <source>&amp;Pull-Off to Next Note</source>
        <translation>&amp;Pull-off zur nächsten Note</translation>
    </message>
    <message>
        <source>Hammer &amp;and Pull-Off to Next Note</source>
        <translation>Hammer-on &amp;und Pull-off zur nächsten Note</translation>
    </message>
    <message>
        <source>&amp;Slide to Next Note</source>
        <translation>&amp;Slide zur nächsten Note</translation>
    </message>
    <message>
        <source>S&amp;ymbols and Slurs</source>
        <translation>S&amp;ymbole und Bögen</translation>
    </message>
    <message>
        <source>Cu&amp;t Notes</source>
        <translation>Noten aus&amp;schneiden</translation>
    </message>
    <message>
        <source>Cop&amp;y Notes</source>
        <translation>Noten k&amp;opieren</translation>
    </message>
    <message>
        <source>&amp;Paste Notes</source>
        <translation>Noten e&amp;infügen</translation>
    </message>
</context>
<context>
    <name>NoteReader</name>
    <message>
        <source>marks in the cell that no entry explains: a number printed over another, or cut by an erase</source>
        <translation>Zeichen in der Zelle, die kein Eintrag erklärt: eine Zahl über einer anderen oder von einem Radieren angeschnitten</translation>
    </message>
    <message>
        <source>more than one entry fits the marks: something drawn over the number hides what tells them apart</source>
        <translation>mehr als ein Eintrag passt zu den Zeichen: etwas über der Zahl verdeckt, was sie unterscheidet</translation>
    </message>
    <message>
        <source>a harmonic diamond may be hidden under the marks around the number</source>
        <translation>unter den Zeichen um die Zahl kann eine Flageolett-Raute verborgen sein</translation>
    </message>
    <message>
        <source>a slide&apos;s line whose end hides in a string&apos;s line</source>
        <translation>die Linie eines Slides, deren Ende in einer Saitenlinie verschwindet</translation>
    </message>
    <message>
        <source>a slur or line that joins no two notes of one string</source>
        <translation>ein Bogen oder eine Linie, die keine zwei Noten einer Saite verbindet</translation>
    </message>
    <message>
        <source>a slur whose letter cannot be read</source>
        <translation>ein Bogen, dessen Buchstabe nicht lesbar ist</translation>
    </message>
    <message>
        <source>marks along a slur that nothing explains</source>
        <translation>Zeichen an einem Bogen, die nichts erklärt</translation>
    </message>
    <message>
        <source>an arc that may be a slide&apos;s, with its line</source>
        <translation>ein Bogen, der mit seiner Linie zu einem Slide gehören kann</translation>
    </message>
    <message>
        <source>a mark that may be a slur&apos;s arc or a slide&apos;s line</source>
        <translation>ein Zeichen, das Bogen oder Slide-Linie sein kann</translation>
    </message>
    <message>
        <source>two slurs over one another between the same notes</source>
        <translation>zwei Bögen übereinander zwischen denselben Noten</translation>
    </message>
    <message>
        <source>the page is not of its layout&apos;s size</source>
        <translation>die Seite hat nicht die Größe ihres Layouts</translation>
    </message>
    <message>
        <source>a symbol over other marks, where another symbol fits as well</source>
        <translation>ein Symbol über anderen Zeichen, wo auch ein anderes Symbol passt</translation>
    </message>
    <message>
        <source>a symbol on a note that cannot be read</source>
        <translation>ein Symbol an einer Note, die nicht lesbar ist</translation>
    </message>
    <message>
        <source>a symbol that marks no note</source>
        <translation>ein Symbol, das zu keiner Note gehört</translation>
    </message>
    <message>
        <source>marks that belong to no note: free lines, letters or drawings</source>
        <translation>Zeichen, die zu keiner Note gehören: freie Linien, Buchstaben oder Zeichnungen</translation>
    </message>
</context>
<context>
    <name>NumberEntry</name>
    <message>
        <source>You must be in &apos;Insert Numbers&apos; mode to insert a harmonic. Click the 2nd tool, or right click image with your mouse. Then place box over note to make harmonic, and hit Ctrl-H.</source>
        <translation>Ein Flageolett lässt sich nur im Modus &apos;Bundnummern einfügen&apos; setzen. Klicken Sie auf das 2. Werkzeug oder mit der rechten Maustaste auf das Bild. Setzen Sie dann den Kasten auf die Note und drücken Sie Strg+H.</translation>
    </message>
    <message>
        <source>Can&apos;t insert Harmonic</source>
        <translation>Flageolett nicht möglich</translation>
    </message>
</context>
<context>
    <name>PageExport</name>
    <message>
        <source>The page could not be written as PNG.</source>
        <translation>Die Seite konnte nicht als PNG geschrieben werden.</translation>
    </message>
    <message>
        <source>The page could not be written as PDF.</source>
        <translation>Die Seite konnte nicht als PDF geschrieben werden.</translation>
    </message>
    <message>
        <source>The notes cannot be read: the page&apos;s layout cannot be found.</source>
        <translation>Die Noten sind nicht lesbar: Das Layout der Seite ist nicht zu finden.</translation>
    </message>
    <message>
        <source>Export writes PNG, PDF, text tab, MusicXML, MIDI, WAV or FLAC: end the name with .png, .pdf, .txt, .musicxml, .mid, .wav or .flac.</source>
        <translation>Exportieren schreibt PNG, PDF, Text-Tab, MusicXML, MIDI, WAV oder FLAC: Der Name muss auf .png, .pdf, .txt, .musicxml, .mid, .wav oder .flac enden.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>PageFile</name>
    <message>
        <source>There is no page to save.</source>
        <translation>Es gibt keine Seite zum Speichern.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genug Speicher.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The file is not a picture Strumix can read.</source>
        <translation>Die Datei ist kein Bild, das Strumix lesen kann.</translation>
    </message>
    <message>
        <source>The picture cannot be read: %1</source>
        <translation>Das Bild kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>a picture</source>
        <translation>ein Bild</translation>
    </message>
    <message>
        <source>The picture file is damaged: its data ends early.</source>
        <translation>Die Bilddatei ist beschädigt: Ihre Daten enden zu früh.</translation>
    </message>
    <message>
        <source>The bitmap file is damaged: it is shorter than its header says.</source>
        <translation>Die Bitmap-Datei ist beschädigt: Sie ist kürzer, als ihr Kopf angibt.</translation>
    </message>
    <message>
        <source>The bitmap file has a header Strumix does not know.</source>
        <translation>Die Bitmap-Datei hat einen Kopf, den Strumix nicht kennt.</translation>
    </message>
    <message>
        <source>The bitmap file is compressed in a way Strumix cannot read.</source>
        <translation>Die Bitmap-Datei ist auf eine Art komprimiert, die Strumix nicht lesen kann.</translation>
    </message>
    <message>
        <source>The bitmap file gives an impossible picture size.</source>
        <translation>Die Bitmap-Datei gibt eine unmögliche Bildgröße an.</translation>
    </message>
</context>
<context>
    <name>PageLimits</name>
    <message>
        <source>A page of %1 × %2 pixels is not a valid picture size.</source>
        <translation>Eine Seite von %1 × %2 Pixeln ist keine gültige Bildgröße.</translation>
    </message>
    <message>
        <source>A page of %1 × %2 pixels is too large: Strumix creates pages of at most %3 pixels, and at most %4 pixels a side.</source>
        <translation>Eine Seite von %1 × %2 Pixeln ist zu groß: Strumix erstellt Seiten von höchstens %3 Pixeln und höchstens %4 Pixeln je Seite.</translation>
    </message>
</context>
<context>
    <name>PageOutput</name>
    <message>
        <source>The page could not be printed.</source>
        <translation>Die Seite konnte nicht gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>PagePicture</name>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genug Speicher.</translation>
    </message>
</context>
<context>
    <name>PagePlayback</name>
    <message>
        <source>Beats a minute (%1 to %2):</source>
        <translation>Schläge pro Minute (%1 bis %2):</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>The tempo is a whole number of beats a minute from %1 to %2.</source>
        <translation>Das Tempo ist eine ganze Zahl von Schlägen pro Minute von %1 bis %2.</translation>
    </message>
</context>
<context>
    <name>PageTitle</name>
    <message>
        <source>Please enter the text for the page title you want.</source>
        <translation>Bitte geben Sie den Text für den Seitentitel ein.</translation>
    </message>
    <message>
        <source>Insert Title</source>
        <translation>Titel einfügen</translation>
    </message>
    <message>
        <source>Guitar Riff</source>
        <translation>Gitarrenriff</translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>Strumix&apos;s recovery data</source>
        <translation>die Wiederherstellungsdaten von Strumix</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be made.</source>
        <translation>der Ordner &quot;%1&quot; kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be used.</source>
        <translation>der Ordner &quot;%1&quot; kann nicht benutzt werden.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; kann nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>&quot;%1&quot; is %2, not %3.</source>
        <translation>&quot;%1&quot; ist %2, nicht %3.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>eine Pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; kann nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>Filename refers to a directory</source>
        <translation>Der Dateiname bezeichnet einen Ordner</translation>
    </message>
    <message>
        <source>Existing file %1 is not writable</source>
        <translation>Die vorhandene Datei %1 ist nicht beschreibbar</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>This system&apos;s sound file library cannot write FLAC; export the sound as .wav instead.</source>
        <translation>Die Klangdatei-Bibliothek dieses Systems kann kein FLAC schreiben; exportieren Sie den Klang stattdessen als .wav.</translation>
    </message>
    <message>
        <source>The sound could not be written as FLAC: %1</source>
        <translation>Der Klang konnte nicht als FLAC geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The page cannot be played: no sound device could be opened (PipeWire, PulseAudio or ALSA). Export it as a WAV file instead.</source>
        <translation>Die Seite kann nicht abgespielt werden: Kein Audiogerät ließ sich öffnen (PipeWire, PulseAudio oder ALSA). Exportieren Sie sie stattdessen als WAV-Datei.</translation>
    </message>
    <message>
        <source>The page cannot be played: no General MIDI soundfont was found. Install the Debian package fluid-soundfont-gm or timgm6mb-soundfont.</source>
        <translation>Die Seite kann nicht abgespielt werden: Es wurde kein General-MIDI-Soundfont gefunden. Installieren Sie das Debian-Paket fluid-soundfont-gm oder timgm6mb-soundfont.</translation>
    </message>
    <message>
        <source>The sound cannot be made: FluidSynth could not start.</source>
        <translation>Der Klang kann nicht erzeugt werden: FluidSynth konnte nicht starten.</translation>
    </message>
    <message>
        <source>The soundfont &quot;%1&quot; cannot be read.</source>
        <translation>Der Soundfont &quot;%1&quot; kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The page cannot be played: the sound module %1 could not be loaded (%2).</source>
        <translation>Die Seite kann nicht abgespielt werden: Das Klangmodul %1 konnte nicht geladen werden (%2).</translation>
    </message>
    <message>
        <source>not a sound module</source>
        <translation>kein Klangmodul</translation>
    </message>
</context>
<context>
    <name>StoredSettings</name>
    <message>
        <source>Cannot make the folder &quot;%1&quot;.</source>
        <translation>Der Ordner &quot;%1&quot; kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The settings could not be written.</source>
        <translation>Die Einstellungen konnten nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The settings could not be written whole: the disk may be full.</source>
        <translation>Die Einstellungen konnten nicht vollständig geschrieben werden: Der Datenträger ist vielleicht voll.</translation>
    </message>
</context>
<context>
    <name>TextTabImport</name>
    <message>
        <source>the instrument &quot;%1&quot;: a page holds six staffs</source>
        <translation>das Instrument &quot;%1&quot;: Eine Seite fasst sechs Notensysteme</translation>
    </message>
    <message>
        <source>notes beyond the 52nd of a measure</source>
        <translation>Noten nach der 52. eines Takts</translation>
    </message>
    <message>
        <source>notes of a measure with more than 52 note columns</source>
        <translation>Noten eines Takts mit mehr als 52 Notenspalten</translation>
    </message>
    <message>
        <source>No tab was found in the text: a tab has lines of dashes for its strings, such as e|--3--5--|.</source>
        <translation>Im Text wurde kein Tab gefunden: Ein Tab hat Zeilen aus Strichen für seine Saiten, etwa e|--3--5--|.</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>a text tab</source>
        <translation>ein Text-Tab</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>These parts of the text tab were not understood and are left out:</source>
        <translation>Diese Teile des Text-Tabs wurden nicht verstanden und ausgelassen:</translation>
    </message>
    <message>
        <source>and %1 more.</source>
        <translation>und %1 weitere.</translation>
    </message>
    <message>
        <source>The tab fills %1 pages; the first is shown. Save all of them side by side as %2?</source>
        <translation>Der Tab füllt %1 Seiten; die erste wird gezeigt. Alle nebeneinander als %2 speichern?</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
</context>
<context>
    <name>TitleWindow</name>
    <message>
        <source>Open the tab page (Enter)</source>
        <translation>Die Tab-Seite öffnen (Eingabe)</translation>
    </message>
    <message>
        <source>Version %1 on Qt %2
%3</source>
        <translation>Version %1 auf Qt %2
%3</translation>
    </message>
    <message>
        <source>Back to the tab page (Enter)</source>
        <translation>Zurück zur Tab-Seite (Eingabe)</translation>
    </message>
</context>
<context>
    <name>ToolPalette</name>
    <message>
        <source>Selected Tool: </source>
        <translation>Werkzeug: </translation>
    </message>
    <message numerus="yes">
        <source>The staff has fewer strings than the block: %n string(s) of it were left out.</source>
        <translation>
            <numerusform>Das Notensystem hat weniger Saiten als der Block: %n Saite davon wurde ausgelassen.</numerusform>
            <numerusform>Das Notensystem hat weniger Saiten als der Block: %n Saiten davon wurden ausgelassen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message>
        <source>Cut section of image</source>
        <translation>Bildausschnitt ausschneiden</translation>
    </message>
    <message>
        <source>Insert Fret Numbers</source>
        <translation>Bundnummern einfügen</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Slide</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Hammer-on</translation>
    </message>
    <message>
        <source>Pull-Off</source>
        <translation>Pull-off</translation>
    </message>
    <message>
        <source>Hammer and Pull-Off</source>
        <translation>Hammer-on und Pull-off</translation>
    </message>
    <message>
        <source>Half Bend</source>
        <translation>Halbes Bending</translation>
    </message>
    <message>
        <source>Whole Bend</source>
        <translation>Ganzes Bending</translation>
    </message>
    <message>
        <source>Ghost Bend</source>
        <translation>Ghost-Bending</translation>
    </message>
    <message>
        <source>Release Bend</source>
        <translation>Release-Bending</translation>
    </message>
    <message>
        <source>Vibrato</source>
        <translation>Vibrato</translation>
    </message>
    <message>
        <source>Trill Picking</source>
        <translation>Tremolo-Picking</translation>
    </message>
    <message>
        <source>Downward Rake/Sweep</source>
        <translation>Rake/Sweep abwärts</translation>
    </message>
    <message>
        <source>Upward Rake/Sweep</source>
        <translation>Rake/Sweep aufwärts</translation>
    </message>
</context>
<context>
    <name>UnreadReport</name>
    <message>
        <source>1 place on the page could not be read and is left out:</source>
        <translation>1 Stelle der Seite war nicht lesbar und wurde ausgelassen:</translation>
    </message>
    <message>
        <source>%1 places on the page could not be read and are left out:</source>
        <translation>%1 Stellen der Seite waren nicht lesbar und wurden ausgelassen:</translation>
    </message>
    <message>
        <source>staff %1, measure %2, note %3, string %4: %5</source>
        <translation>System %1, Takt %2, Note %3, Saite %4: %5</translation>
    </message>
    <message>
        <source>at %1, %2: %3</source>
        <translation>bei %1, %2: %3</translation>
    </message>
    <message>
        <source>and %1 more.</source>
        <translation>und %1 weitere.</translation>
    </message>
</context>
<context>
    <name>UserFlows</name>
    <message>
        <source>Strumix cannot keep a copy of this page to recover it after a crash: %1
Save the page to keep it.</source>
        <translation>Strumix kann keine Kopie dieser Seite für eine Wiederherstellung nach einem Absturz halten: %1
Speichern Sie die Seite, um sie zu behalten.</translation>
    </message>
    <message>
        <source>Strumix could not keep its settings in &quot;%1&quot;: %2</source>
        <translation>Strumix konnte seine Einstellungen nicht in &quot;%1&quot; ablegen: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer exists.</source>
        <translation>&quot;%1&quot; gibt es nicht mehr.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, not a page.</source>
        <translation>&quot;%1&quot; ist %2, keine Seite.</translation>
    </message>
    <message>
        <source> It has been taken off the recent pages.</source>
        <translation> Der Eintrag wurde aus den zuletzt geöffneten Seiten entfernt.</translation>
    </message>
    <message>
        <source>Strumix ended before the page &quot;%1&quot; was saved. Do you want to recover it?</source>
        <translation>Strumix wurde beendet, bevor die Seite &quot;%1&quot; gespeichert war. Möchten Sie sie wiederherstellen?</translation>
    </message>
</context>
</TS>
