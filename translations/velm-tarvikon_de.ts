<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>TAboutForm</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>The program's picture</source>
        <translation>Das Bild des Programms</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Das Info-Fenster schließen</translation>
    </message>
    <message>
        <source>License...</source>
        <translation>Lizenz...</translation>
    </message>
    <message>
        <source>Show the license</source>
        <translation>Die Lizenz anzeigen</translation>
    </message>
    <message>
        <source>Product name</source>
        <translation>Produktname</translation>
    </message>
    <message>
        <source>The program's name</source>
        <translation>Der Name des Programms</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Produktversion</translation>
    </message>
    <message>
        <source>The program's version</source>
        <translation>Die Version des Programms</translation>
    </message>
    <message>
        <source>File version</source>
        <translation>Dateiversion</translation>
    </message>
    <message>
        <source>The program file's version</source>
        <translation>Die Version der Programmdatei</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Who makes and supports the program</source>
        <translation>Wer das Programm herstellt und betreut</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Write an e-mail to support</source>
        <translation>Eine E-Mail an den Support schreiben</translation>
    </message>
    <message>
        <source>WWW</source>
        <translation>WWW</translation>
    </message>
    <message>
        <source>Open the web site</source>
        <translation>Die Website öffnen</translation>
    </message>
</context>
<context>
    <name>TComSelectForm</name>
    <message>
        <source>Serial port</source>
        <translation>Serieller Port</translation>
    </message>
    <message>
        <source>The COM port the controller is connected to</source>
        <translation>Der COM-Port, an dem die Steuerung angeschlossen ist</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>The device file of the selected port</source>
        <translation>Die Gerätedatei des gewählten Ports</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Use the selected port</source>
        <translation>Den gewählten Port verwenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Keep no port</source>
        <translation>Keinen Port verwenden</translation>
    </message>
</context>
<context>
    <name>TDBEditFrm</name>
    <message>
        <source>Record #</source>
        <translation>Eintrag Nr.</translation>
    </message>
    <message>
        <source>The key's slot number, read only</source>
        <translation>Die Platznummer des Schlüssels, nur lesbar</translation>
    </message>
    <message>
        <source>Key Type</source>
        <translation>Schlüsselart</translation>
    </message>
    <message>
        <source>Master key or slave key, read only</source>
        <translation>Stammschlüssel oder Benutzerschlüssel, nur lesbar</translation>
    </message>
    <message>
        <source>Key Code</source>
        <translation>Schlüsselcode</translation>
    </message>
    <message>
        <source>12 hexadecimal digits; any written form of the key number may be pasted</source>
        <translation>12 Hexadezimalziffern; jede geschriebene Form der Schlüsselnummer kann eingefügt werden</translation>
    </message>
    <message>
        <source>Engraved</source>
        <translation>Gravur</translation>
    </message>
    <message>
        <source>The key code as it is engraved on the key, read only</source>
        <translation>Der Schlüsselcode, wie er auf dem Schlüssel eingraviert ist, nur lesbar</translation>
    </message>
    <message>
        <source>Checked</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <source>The pasted key number's CRC checked</source>
        <translation>Die CRC der eingefügten Schlüsselnummer ist geprüft</translation>
    </message>
    <message>
        <source>Key code problem</source>
        <translation>Problem mit dem Schlüsselcode</translation>
    </message>
    <message>
        <source>Why the key code is refused</source>
        <translation>Warum der Schlüsselcode abgelehnt wird</translation>
    </message>
    <message>
        <source>Note problem</source>
        <translation>Problem mit der Notiz</translation>
    </message>
    <message>
        <source>Why the note is refused</source>
        <translation>Warum die Notiz abgelehnt wird</translation>
    </message>
    <message>
        <source>Active Key</source>
        <translation>Schlüssel aktiv</translation>
    </message>
    <message>
        <source>Checked: the key opens the door; unchecked: deactivated</source>
        <translation>Angekreuzt: der Schlüssel öffnet die Tür; nicht angekreuzt: gesperrt</translation>
    </message>
    <message>
        <source>Key Info</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>A note about the key or its holder</source>
        <translation>Eine Notiz zum Schlüssel oder seinem Inhaber</translation>
    </message>
    <message>
        <source>First key</source>
        <translation>Erster Schlüssel</translation>
    </message>
    <message>
        <source>Go to the first key of the list</source>
        <translation>Zum ersten Schlüssel der Liste</translation>
    </message>
    <message>
        <source>Previous key</source>
        <translation>Vorheriger Schlüssel</translation>
    </message>
    <message>
        <source>Go to the previous key</source>
        <translation>Zum vorherigen Schlüssel</translation>
    </message>
    <message>
        <source>Next key</source>
        <translation>Nächster Schlüssel</translation>
    </message>
    <message>
        <source>Go to the next key</source>
        <translation>Zum nächsten Schlüssel</translation>
    </message>
    <message>
        <source>Last key</source>
        <translation>Letzter Schlüssel</translation>
    </message>
    <message>
        <source>Go to the last key of the list</source>
        <translation>Zum letzten Schlüssel der Liste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Store the key and close</source>
        <translation>Schlüssel speichern und schließen</translation>
    </message>
</context>
<context>
    <name>TDifferencesFrm</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The controller is not the one the key list was made for</source>
        <translation>Die Steuerung ist nicht die, für die die Schlüsselliste angelegt wurde</translation>
    </message>
    <message>
        <source>Counts</source>
        <translation>Anzahlen</translation>
    </message>
    <message>
        <source>How many slots differ</source>
        <translation>Wie viele Plätze sich unterscheiden</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>One row a slot: what the controller holds and what the list wants</source>
        <translation>Eine Zeile je Platz: was die Steuerung enthält und was die Liste vorsieht</translation>
    </message>
    <message>
        <source>Show all slots</source>
        <translation>Alle Plätze anzeigen</translation>
    </message>
    <message>
        <source>Show the slots that are the same as well</source>
        <translation>Auch die gleichen Plätze anzeigen</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Print the differences</source>
        <translation>Die Unterschiede drucken</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Als PDF speichern...</translation>
    </message>
    <message>
        <source>Save the differences as a PDF file</source>
        <translation>Die Unterschiede als PDF-Datei speichern</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <source>Save the differences as a CSV file</source>
        <translation>Die Unterschiede als CSV-Datei speichern</translation>
    </message>
    <message>
        <source>Write changes</source>
        <translation>Änderungen schreiben</translation>
    </message>
    <message>
        <source>Write the differing slots to the controller</source>
        <translation>Die abweichenden Plätze in die Steuerung schreiben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close without writing</source>
        <translation>Ohne Schreiben schließen</translation>
    </message>
</context>
<context>
    <name>TEnrolKeysFrm</name>
    <message>
        <source>Reader</source>
        <translation>Lesegerät</translation>
    </message>
    <message>
        <source>The 1-Wire server the keys are read from</source>
        <translation>Der 1-Wire-Server, von dem die Schlüssel gelesen werden</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Choose the 1-Wire server</source>
        <translation>Den 1-Wire-Server wählen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>The last key read, or why none was</source>
        <translation>Der zuletzt gelesene Schlüssel oder warum keiner gelesen wurde</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>The note given to each key enrolled next</source>
        <translation>Die Notiz für jeden als Nächstes angelernten Schlüssel</translation>
    </message>
    <message>
        <source>Enrolled keys</source>
        <translation>Angelernte Schlüssel</translation>
    </message>
    <message>
        <source>The keys enrolled in this window, newest last</source>
        <translation>Die in diesem Fenster angelernten Schlüssel, der neueste zuletzt</translation>
    </message>
    <message>
        <source>Undo last</source>
        <translation>Letzten rückgängig machen</translation>
    </message>
    <message>
        <source>Take the last enrolled key out of the list again</source>
        <translation>Den zuletzt angelernten Schlüssel wieder aus der Liste nehmen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the window; enrolled keys stay in the list</source>
        <translation>Das Fenster schließen; angelernte Schlüssel bleiben in der Liste</translation>
    </message>
</context>
<context>
    <name>TFindKeyFrm</name>
    <message>
        <source>Key Code</source>
        <translation>Schlüsselcode</translation>
    </message>
    <message>
        <source>The code to find, or its beginning</source>
        <translation>Der gesuchte Code oder sein Anfang</translation>
    </message>
    <message>
        <source>Key Type</source>
        <translation>Schlüsselart</translation>
    </message>
    <message>
        <source>Look among master keys, slave keys or both</source>
        <translation>Unter Stammschlüsseln, Benutzerschlüsseln oder beiden suchen</translation>
    </message>
    <message>
        <source>Key Info</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Text of the note to find</source>
        <translation>Text der gesuchten Notiz</translation>
    </message>
    <message>
        <source>Find Key</source>
        <translation>Schlüssel suchen</translation>
    </message>
    <message>
        <source>Go to the first key that matches</source>
        <translation>Zum ersten passenden Schlüssel</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close without finding</source>
        <translation>Ohne Suche schließen</translation>
    </message>
</context>
<context>
    <name>THistoryFrm</name>
    <message>
        <source>Controllers</source>
        <translation>Steuerungen</translation>
    </message>
    <message>
        <source>Every controller read or written, with its last contact</source>
        <translation>Jede gelesene oder geschriebene Steuerung mit ihrem letzten Kontakt</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Momentaufnahmen</translation>
    </message>
    <message>
        <source>Snapshots of the selected controller, newest first</source>
        <translation>Momentaufnahmen der gewählten Steuerung, die neueste zuerst</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Where the snapshots are kept</source>
        <translation>Wo die Momentaufnahmen aufbewahrt werden</translation>
    </message>
    <message>
        <source>Open as new key list</source>
        <translation>Als neue Schlüsselliste öffnen</translation>
    </message>
    <message>
        <source>Open the selected snapshot as a new key list</source>
        <translation>Die gewählte Momentaufnahme als neue Schlüsselliste öffnen</translation>
    </message>
    <message>
        <source>Restore to controller...</source>
        <translation>In die Steuerung zurückschreiben...</translation>
    </message>
    <message>
        <source>Write the selected snapshot back to its controller</source>
        <translation>Die gewählte Momentaufnahme in ihre Steuerung zurückschreiben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the history</source>
        <translation>Den Verlauf schließen</translation>
    </message>
</context>
<context>
    <name>TImportPreviewFrm</name>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>How many rows change the key list and how many are refused</source>
        <translation>Wie viele Zeilen die Schlüsselliste ändern und wie viele abgelehnt werden</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>The slots the import changes, with their old and new keys</source>
        <translation>Die Plätze, die der Import ändert, mit ihren alten und neuen Schlüsseln</translation>
    </message>
    <message>
        <source>Refused rows</source>
        <translation>Abgelehnte Zeilen</translation>
    </message>
    <message>
        <source>The file's rows that are not imported, and why</source>
        <translation>Die Zeilen der Datei, die nicht importiert werden, und warum</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Make the changes in the key list</source>
        <translation>Die Änderungen in der Schlüsselliste vornehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Import nothing</source>
        <translation>Nichts importieren</translation>
    </message>
</context>
<context>
    <name>TKeyTableModel</name>
    <message>
        <source>Slot %1</source>
        <translation>Platz %1</translation>
    </message>
    <message>
        <source>Key code %1</source>
        <translation>Schlüsselcode %1</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Deactivated</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>No note</source>
        <translation>Keine Notiz</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Notiz: %1</translation>
    </message>
    <message>
        <source>Slot number</source>
        <translation>Platznummer</translation>
    </message>
    <message>
        <source>Key code</source>
        <translation>Schlüsselcode</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>TLineTestFrm</name>
    <message>
        <source>Correct transmissions</source>
        <translation>Richtige Übertragungen</translation>
    </message>
    <message>
        <source>How many test frames came back right</source>
        <translation>Wie viele Testrahmen richtig zurückkamen</translation>
    </message>
    <message>
        <source>Incorrect transmissions</source>
        <translation>Fehlerhafte Übertragungen</translation>
    </message>
    <message>
        <source>How many test frames came back wrong or not at all</source>
        <translation>Wie viele Testrahmen falsch oder gar nicht zurückkamen</translation>
    </message>
    <message>
        <source>Correct transmission lamp</source>
        <translation>Lampe für richtige Übertragung</translation>
    </message>
    <message>
        <source>Lights green on each frame that came back right</source>
        <translation>Leuchtet grün bei jedem richtig zurückgekommenen Rahmen</translation>
    </message>
    <message>
        <source>Incorrect transmission lamp</source>
        <translation>Lampe für fehlerhafte Übertragung</translation>
    </message>
    <message>
        <source>Lights red on each frame that failed</source>
        <translation>Leuchtet rot bei jedem fehlgeschlagenen Rahmen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Start sending test frames to the controller</source>
        <translation>Beginnen, Testrahmen an die Steuerung zu senden</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stop the line test</source>
        <translation>Den Leitungstest anhalten</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Close the line test</source>
        <translation>Den Leitungstest schließen</translation>
    </message>
</context>
<context>
    <name>TMainFrm</name>
    <message>
        <source>Create &amp;new key list</source>
        <translation>&amp;Neue Schlüsselliste anlegen</translation>
    </message>
    <message>
        <source>Create new empty list of keys</source>
        <translation>Neue, leere Schlüsselliste anlegen</translation>
    </message>
    <message>
        <source>&amp;Open key list...</source>
        <translation>Schlüsselliste ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open Dallas keys list</source>
        <translation>Schlüsselliste öffnen</translation>
    </message>
    <message>
        <source>&amp;Save key list...</source>
        <translation>Schlüsselliste &amp;speichern...</translation>
    </message>
    <message>
        <source>Save Dallas keys list into file</source>
        <translation>Schlüsselliste in eine Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Print key list...</source>
        <translation>Schlüsselliste &amp;drucken...</translation>
    </message>
    <message>
        <source>Print Dallas key list</source>
        <translation>Schlüsselliste drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the programm</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <source>&amp;Line Test</source>
        <translation>&amp;Leitungstest</translation>
    </message>
    <message>
        <source>Check connection line to controller</source>
        <translation>Die Leitung zur Steuerung prüfen</translation>
    </message>
    <message>
        <source>Read controller information</source>
        <translation>Steuerungsinformation lesen</translation>
    </message>
    <message>
        <source>Read controller info</source>
        <translation>Die Information der Steuerung lesen</translation>
    </message>
    <message>
        <source>Write controller information</source>
        <translation>Steuerungsinformation schreiben</translation>
    </message>
    <message>
        <source>Read master keys</source>
        <translation>Stammschlüssel lesen</translation>
    </message>
    <message>
        <source>Read master keys list</source>
        <translation>Die Stammschlüssel der Steuerung lesen</translation>
    </message>
    <message>
        <source>Write master keys</source>
        <translation>Stammschlüssel schreiben</translation>
    </message>
    <message>
        <source>Write master keys list</source>
        <translation>Die Stammschlüssel in die Steuerung schreiben</translation>
    </message>
    <message>
        <source>Read slave keys</source>
        <translation>Benutzerschlüssel lesen</translation>
    </message>
    <message>
        <source>Read slave keys list</source>
        <translation>Die Benutzerschlüssel der Steuerung lesen</translation>
    </message>
    <message>
        <source>Write slave keys</source>
        <translation>Benutzerschlüssel schreiben</translation>
    </message>
    <message>
        <source>Read all controller data</source>
        <translation>Alle Daten der Steuerung lesen</translation>
    </message>
    <message>
        <source>Write all data to controller</source>
        <translation>Alle Daten in die Steuerung schreiben</translation>
    </message>
    <message>
        <source>Overwrite controller keys list and information block</source>
        <translation>Schlüssel und Informationsblock der Steuerung überschreiben</translation>
    </message>
    <message>
        <source>Save key list as...</source>
        <translation>Schlüsselliste speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Select COM port</source>
        <translation>COM-Port wählen</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über VELM Tarvikon...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Recent key lists</source>
        <translation>Zuletzt geöffnete Schlüssellisten</translation>
    </message>
    <message>
        <source>&amp;Dallas</source>
        <translation>&amp;Steuerung</translation>
    </message>
    <message>
        <source>&amp;Read Controller Data</source>
        <translation>Daten aus der Steuerung &amp;lesen</translation>
    </message>
    <message>
        <source>Read Controller Data</source>
        <translation>Daten aus der Steuerung lesen</translation>
    </message>
    <message>
        <source>&amp;Write Controller Data</source>
        <translation>Daten in die Steuerung &amp;schreiben</translation>
    </message>
    <message>
        <source>Write Controller Data</source>
        <translation>Daten in die Steuerung schreiben</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>First Record</source>
        <translation>Erster Eintrag</translation>
    </message>
    <message>
        <source>Privios Record</source>
        <translation>Vorheriger Eintrag</translation>
    </message>
    <message>
        <source>Next Record</source>
        <translation>Nächster Eintrag</translation>
    </message>
    <message>
        <source>Last Record</source>
        <translation>Letzter Eintrag</translation>
    </message>
    <message>
        <source>Edit Key Info</source>
        <translation>Schlüssel bearbeiten</translation>
    </message>
    <message>
        <source>Deactivate Key</source>
        <translation>Schlüssel sperren</translation>
    </message>
    <message>
        <source>Deacivate Key</source>
        <translation>Schlüssel sperren</translation>
    </message>
    <message>
        <source>Find Key</source>
        <translation>Schlüssel suchen</translation>
    </message>
    <message>
        <source>Key code</source>
        <translation>Schlüsselcode</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Controller &amp;Info</source>
        <translation>Steuerungs&amp;information</translation>
    </message>
    <message>
        <source>&amp;Master Keys</source>
        <translation>S&amp;tammschlüssel</translation>
    </message>
    <message>
        <source>&amp;Slave Keys</source>
        <translation>&amp;Benutzerschlüssel</translation>
    </message>
    <message>
        <source>Current key list has been changed. Do you want to save changes before exit?</source>
        <translation>Die Schlüsselliste wurde geändert. Möchten Sie die Änderungen vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>Import keys from CSV...</source>
        <translation>Schlüssel aus CSV importieren...</translation>
    </message>
    <message>
        <source>Import keys from a CSV file into the open key list</source>
        <translation>Schlüssel aus einer CSV-Datei in die geöffnete Schlüsselliste übernehmen</translation>
    </message>
    <message>
        <source>Export key list to CSV...</source>
        <translation>Schlüsselliste als CSV exportieren...</translation>
    </message>
    <message>
        <source>Write the open key list to a CSV file</source>
        <translation>Die geöffnete Schlüsselliste in eine CSV-Datei schreiben</translation>
    </message>
    <message>
        <source>Enrol keys...</source>
        <translation>Schlüssel einlesen...</translation>
    </message>
    <message>
        <source>Controller port:<byte value="xd"/>COM</source>
        <translation>Steuerungsport:<byte value="xd"/>COM</translation>
    </message>
    <message>
        <source>Controller port:<byte value="xd"/>NOT SELECTED</source>
        <translation>Steuerungsport:<byte value="xd"/>NICHT GEWÄHLT</translation>
    </message>
    <message>
        <source>Compare key list with controller</source>
        <translation>Schlüsselliste mit der Steuerung vergleichen</translation>
    </message>
    <message>
        <source>Read the controller and show how it differs from the key list</source>
        <translation>Die Steuerung lesen und zeigen, worin sie von der Schlüsselliste abweicht</translation>
    </message>
    <message>
        <source>Write changes to controller</source>
        <translation>Änderungen in die Steuerung schreiben</translation>
    </message>
    <message>
        <source>Write only the slots that differ from the key list, and check them</source>
        <translation>Nur die abweichenden Plätze schreiben und prüfen</translation>
    </message>
    <message>
        <source>Controller history...</source>
        <translation>Verlauf der Steuerungen...</translation>
    </message>
    <message>
        <source>What the controllers held when they were read or written</source>
        <translation>Was die Steuerungen beim Lesen oder Schreiben enthielten</translation>
    </message>
    <message>
        <source>Programm Version:</source>
        <translation>Programmversion:</translation>
    </message>
    <message>
        <source>Controller S/N:</source>
        <translation>Seriennummer der Steuerung:</translation>
    </message>
    <message>
        <source>Controller Info:</source>
        <translation>Steuerungsinformation:</translation>
    </message>
    <message>
        <source>Max Master Key count:</source>
        <translation>Höchstzahl Stammschlüssel:</translation>
    </message>
    <message>
        <source>Max Slave Key count:</source>
        <translation>Höchstzahl Benutzerschlüssel:</translation>
    </message>
    <message>
        <source>Electronical keys type:</source>
        <translation>Art der elektronischen Schlüssel:</translation>
    </message>
    <message>
        <source>Amount of memory (kB):</source>
        <translation>Speichergröße (kB):</translation>
    </message>
    <message>
        <source>Door lock holding time (s):</source>
        <translation>Öffnungszeit des Türschlosses (s):</translation>
    </message>
    <message>
        <source>Open door signalization time (s):</source>
        <translation>Meldezeit offene Tür (s):</translation>
    </message>
    <message>
        <source>Type of door opening gauge:</source>
        <translation>Art des Türöffnungskontakts:</translation>
    </message>
    <message>
        <source>Site...</source>
        <translation>Gebäude...</translation>
    </message>
    <message>
        <source>Every controller of a building: status, find, revoke and give a key</source>
        <translation>Alle Steuerungen eines Gebäudes: Stand, Schlüssel suchen, sperren und vergeben</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>File, Dallas and Help commands</source>
        <translation>Befehle der Menüs Datei, Dallas und Hilfe</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Hauptwerkzeugleiste</translation>
    </message>
    <message>
        <source>Key list files, line test, reading, writing and printing</source>
        <translation>Schlüssellisten-Dateien, Leitungstest, Lesen, Schreiben und Drucken</translation>
    </message>
    <message>
        <source>Reads keys and information from the controller; its arrow lists the single reads</source>
        <translation>Liest Schlüssel und Informationen aus der Steuerung; sein Pfeil listet die einzelnen Lesebefehle</translation>
    </message>
    <message>
        <source>Overwrites the controller's keys and information; its arrow lists the single writes, compare and write changes</source>
        <translation>Überschreibt Schlüssel und Informationen der Steuerung; sein Pfeil listet die einzelnen Schreibbefehle, Vergleichen und Änderungen schreiben</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>What the program did last</source>
        <translation>Was das Programm zuletzt getan hat</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Controller information, master keys and slave keys</source>
        <translation>Steuerungsinformationen, Stammschlüssel und Benutzerschlüssel</translation>
    </message>
    <message>
        <source>Controller information</source>
        <translation>Steuerungsinformationen</translation>
    </message>
    <message>
        <source>What the controller told about itself</source>
        <translation>Was die Steuerung über sich mitgeteilt hat</translation>
    </message>
    <message>
        <source>Master keys</source>
        <translation>Stammschlüssel</translation>
    </message>
    <message>
        <source>The master key slots of the key list</source>
        <translation>Die Stammschlüssel-Plätze der Schlüsselliste</translation>
    </message>
    <message>
        <source>Slave keys</source>
        <translation>Benutzerschlüssel</translation>
    </message>
    <message>
        <source>The slave key slots of the key list</source>
        <translation>Die Benutzerschlüssel-Plätze der Schlüsselliste</translation>
    </message>
    <message>
        <source>Master key tools</source>
        <translation>Stammschlüssel-Werkzeuge</translation>
    </message>
    <message>
        <source>Move through the master keys, edit, deactivate or find one</source>
        <translation>Durch die Stammschlüssel blättern, einen bearbeiten, sperren oder suchen</translation>
    </message>
    <message>
        <source>Slave key tools</source>
        <translation>Benutzerschlüssel-Werkzeuge</translation>
    </message>
    <message>
        <source>Move through the slave keys, edit, deactivate or find one</source>
        <translation>Durch die Benutzerschlüssel blättern, einen bearbeiten, sperren oder suchen</translation>
    </message>
    <message>
        <source>One row a slot: number, key code, active and note</source>
        <translation>Eine Zeile je Platz: Nummer, Schlüsselcode, aktiv und Notiz</translation>
    </message>
    <message>
        <source>Shows the page tabs that do not fit</source>
        <translation>Zeigt die Seitenreiter, die keinen Platz haben</translation>
    </message>
    <message>
        <source>Program version</source>
        <translation>Programmversion</translation>
    </message>
    <message>
        <source>The controller's firmware version, read only</source>
        <translation>Die Firmware-Version der Steuerung, nur lesbar</translation>
    </message>
    <message>
        <source>Controller serial number</source>
        <translation>Seriennummer der Steuerung</translation>
    </message>
    <message>
        <source>The controller's serial number, read only</source>
        <translation>Die Seriennummer der Steuerung, nur lesbar</translation>
    </message>
    <message>
        <source>A text of your own about the controller</source>
        <translation>Ein eigener Text zur Steuerung</translation>
    </message>
    <message>
        <source>Maximum master key count</source>
        <translation>Höchstzahl der Stammschlüssel</translation>
    </message>
    <message>
        <source>How many master keys the controller holds</source>
        <translation>Wie viele Stammschlüssel die Steuerung aufnimmt</translation>
    </message>
    <message>
        <source>Maximum slave key count</source>
        <translation>Höchstzahl der Benutzerschlüssel</translation>
    </message>
    <message>
        <source>How many slave keys the controller holds</source>
        <translation>Wie viele Benutzerschlüssel die Steuerung aufnimmt</translation>
    </message>
    <message>
        <source>Electronic key type</source>
        <translation>Art der elektronischen Schlüssel</translation>
    </message>
    <message>
        <source>The kind of keys the controller reads</source>
        <translation>Die Art Schlüssel, die die Steuerung liest</translation>
    </message>
    <message>
        <source>Amount of memory in kilobytes</source>
        <translation>Speichergröße in Kilobyte</translation>
    </message>
    <message>
        <source>The controller's memory</source>
        <translation>Der Speicher der Steuerung</translation>
    </message>
    <message>
        <source>Door lock holding time in seconds</source>
        <translation>Haltezeit des Türschlosses in Sekunden</translation>
    </message>
    <message>
        <source>How long the lock stays open</source>
        <translation>Wie lange das Schloss offen bleibt</translation>
    </message>
    <message>
        <source>Open door signalisation time in seconds</source>
        <translation>Meldezeit der offenen Tür in Sekunden</translation>
    </message>
    <message>
        <source>How long a door may stand open before the controller signals</source>
        <translation>Wie lange eine Tür offen stehen darf, bevor die Steuerung meldet</translation>
    </message>
    <message>
        <source>Type of door opening gauge</source>
        <translation>Art des Türöffnungsmelders</translation>
    </message>
    <message>
        <source>The sensor that tells the door is open</source>
        <translation>Der Sensor, der meldet, dass die Tür offen ist</translation>
    </message>
    <message>
        <source>Controller port</source>
        <translation>Port der Steuerung</translation>
    </message>
    <message>
        <source>COM%1 is open (shown in blue)</source>
        <translation>COM%1 ist geöffnet (blau dargestellt)</translation>
    </message>
    <message>
        <source>Not selected, no port is open (shown in red)</source>
        <translation>Nicht gewählt, kein Port ist geöffnet (rot dargestellt)</translation>
    </message>
</context>
<context>
    <name>TProgressFrm</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>How far the data exchange with the controller is</source>
        <translation>Wie weit der Datenaustausch mit der Steuerung ist</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>What the data exchange is doing now</source>
        <translation>Was der Datenaustausch gerade tut</translation>
    </message>
</context>
<context>
    <name>TShowNoteForm</name>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>The note's text, read only</source>
        <translation>Der Text der Notiz, nur lesbar</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Print the note</source>
        <translation>Die Notiz drucken</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the note</source>
        <translation>Die Notiz schließen</translation>
    </message>
</context>
<context>
    <name>TSiteFrm</name>
    <message>
        <source>Site</source>
        <translation>Gebäude</translation>
    </message>
    <message>
        <source>The site's name and folder</source>
        <translation>Name und Ordner des Gebäudes</translation>
    </message>
    <message>
        <source>Doors</source>
        <translation>Türen</translation>
    </message>
    <message>
        <source>Every door of the site with its controller, key list and status</source>
        <translation>Jede Tür des Gebäudes mit Steuerung, Schlüsselliste und Status</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>Liste öffnen</translation>
    </message>
    <message>
        <source>Open the selected door's key list in the main window</source>
        <translation>Die Schlüsselliste der gewählten Tür im Hauptfenster öffnen</translation>
    </message>
    <message>
        <source>Find key</source>
        <translation>Schlüssel suchen</translation>
    </message>
    <message>
        <source>Key code in any form, or note text</source>
        <translation>Schlüsselcode in beliebiger Form oder Notiztext</translation>
    </message>
    <message>
        <source>Found keys</source>
        <translation>Gefundene Schlüssel</translation>
    </message>
    <message>
        <source>Where the key was found: door, table, slot, code, active and note</source>
        <translation>Wo der Schlüssel gefunden wurde: Tür, Tabelle, Platz, Code, aktiv und Notiz</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Every change made at this site</source>
        <translation>Jede Änderung in diesem Gebäude</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find the key at every door</source>
        <translation>Den Schlüssel an jeder Tür suchen</translation>
    </message>
    <message>
        <source>Revoke key everywhere...</source>
        <translation>Schlüssel überall sperren...</translation>
    </message>
    <message>
        <source>Deactivate the found key at every door</source>
        <translation>Den gefundenen Schlüssel an jeder Tür sperren</translation>
    </message>
    <message>
        <source>Give key to doors...</source>
        <translation>Schlüssel an Türen vergeben...</translation>
    </message>
    <message>
        <source>Give the key to the doors you choose</source>
        <translation>Den Schlüssel an die gewählten Türen vergeben</translation>
    </message>
</context>
<context>
    <name>TrpPreviewFrm</name>
    <message>
        <source>Preview tools</source>
        <translation>Vorschau-Werkzeuge</translation>
    </message>
    <message>
        <source>Pages, zoom, printing and closing</source>
        <translation>Seiten, Zoom, Drucken und Schließen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>The report's pages as they will be printed</source>
        <translation>Die Seiten des Berichts, wie sie gedruckt werden</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>The page shown; type a number to go there</source>
        <translation>Die angezeigte Seite; eine Nummer eingeben, um dorthin zu gehen</translation>
    </message>
    <message>
        <source>Page count</source>
        <translation>Seitenzahl</translation>
    </message>
    <message>
        <source>How many pages the report has</source>
        <translation>Wie viele Seiten der Bericht hat</translation>
    </message>
</context>
</TS>
