<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Über VELM Tarvikon</translation>
    </message>
    <message>
        <source>License...</source>
        <translation>Lizenz...</translation>
    </message>
    <message>
        <source>Product version:</source>
        <translation>Produktversion:</translation>
    </message>
    <message>
        <source>File version:</source>
        <translation>Dateiversion:</translation>
    </message>
    <message>
        <source>Made and supported by</source>
        <translation>Hergestellt und betreut von</translation>
    </message>
    <message>
        <source>Tarviku 1, 10111 Tallinn, Estonia</source>
        <translation>Tarviku 1, 10111 Tallinn, Estland</translation>
    </message>
    <message>
        <source>Phone / fax: +372 000 0000</source>
        <translation>Telefon / Fax: +372 000 0000</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>WWW:</source>
        <translation>WWW:</translation>
    </message>
    <message>
        <source>License agreements</source>
        <translation>Lizenzvereinbarungen</translation>
    </message>
</context>
<context>
    <name>TComSelectForm</name>
    <message>
        <source>You may not use this port. Run: sudo usermod -aG dialout $USER, then log in again.</source>
        <translation>Sie dürfen diesen Port nicht benutzen. Führen Sie sudo usermod -aG dialout $USER aus und melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>Select Port</source>
        <translation>Port wählen</translation>
    </message>
    <message>
        <source>The configured serial port is not valid.</source>
        <translation>Der eingestellte serielle Port ist ungültig.</translation>
    </message>
    <message>
        <source>Please choose another port.</source>
        <translation>Bitte wählen Sie einen anderen Port.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>'%1' is not a valid integer value</source>
        <translation>'%1' ist keine gültige ganze Zahl</translation>
    </message>
</context>
<context>
    <name>TDBEditFrm</name>
    <message>
        <source>Lenght of key code must be 12 symbols</source>
        <translation>Der Schlüsselcode muss 12 Zeichen lang sein</translation>
    </message>
    <message>
        <source>Key with defined code already excist!</source>
        <translation>Ein Schlüssel mit diesem Code ist bereits vorhanden!</translation>
    </message>
    <message>
        <source>The key code is the key's six serial bytes in the order the wire sends them, as 12 hexadecimal digits.
The can is engraved CRC, the six bytes most significant first, then the family 01: the key engraved "66 000000FBC52B 01" has the code 2BC5FB000000.
Paste any written form: the 16-digit number family first or as engraved, the engraving without its CRC, "01.XXXXXXXXXXXX", Linux's "01-xxxxxxxxxxxx", byte dumps and C arrays, with or without spaces, dots, dashes or colons.</source>
        <translation>Der Schlüsselcode sind die sechs Seriennummer-Bytes des Schlüssels in der Reihenfolge, in der die Leitung sie sendet, als 12 Hexadezimalziffern.
Auf dem Gehäuse sind CRC, die sechs Bytes mit dem höchstwertigen zuerst und dann die Familie 01 eingraviert: Der Schlüssel mit der Gravur "66 000000FBC52B 01" hat den Code 2BC5FB000000.
Sie können jede geschriebene Form einfügen: die 16-stellige Nummer mit der Familie zuerst oder wie graviert, die Gravur ohne CRC, "01.XXXXXXXXXXXX", Linux' "01-xxxxxxxxxxxx", Byte-Auszüge und C-Arrays, mit oder ohne Leerzeichen, Punkte, Striche oder Doppelpunkte.</translation>
    </message>
    <message>
        <source>Which Order?</source>
        <translation>Welche Reihenfolge?</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>geprüft</translation>
    </message>
    <message>
        <source>The pasted key number's CRC checked</source>
        <translation>Die CRC der eingefügten Schlüsselnummer ist geprüft</translation>
    </message>
    <message>
        <source>Active Key</source>
        <translation>Schlüssel aktiv</translation>
    </message>
    <message>
        <source>Record #:</source>
        <translation>Eintrag Nr.:</translation>
    </message>
    <message>
        <source>Key Type:</source>
        <translation>Schlüsselart:</translation>
    </message>
    <message>
        <source>Key Code:</source>
        <translation>Schlüsselcode:</translation>
    </message>
    <message>
        <source>Engraved:</source>
        <translation>Gravur:</translation>
    </message>
    <message>
        <source>Key Info:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Master Key Info</source>
        <translation>Stammschlüssel</translation>
    </message>
    <message>
        <source>Slave Key Info</source>
        <translation>Benutzerschlüssel</translation>
    </message>
    <message>
        <source>MASTER KEY</source>
        <translation>STAMMSCHLÜSSEL</translation>
    </message>
    <message>
        <source>SLAVE KEY</source>
        <translation>BENUTZERSCHLÜSSEL</translation>
    </message>
    <message>
        <source>The code %1 reads two ways.<byte value="xd"/><byte value="xd"/>Yes: it is the key list's code, in the order the wire sends it: %1 (engraved "%2").<byte value="xd"/>No: it is the middle of the engraving "%3": the code is %4.<byte value="xd"/><byte value="xd"/>Cancel: say neither and mend the code.</source>
        <translation>Der Code %1 lässt sich auf zwei Arten lesen.<byte value="xd"/><byte value="xd"/>Ja: Er ist der Code der Schlüsselliste, in der Reihenfolge, in der die Leitung ihn sendet: %1 (Gravur "%2").<byte value="xd"/>Nein: Er ist die Mitte der Gravur "%3": Der Code ist %4.<byte value="xd"/><byte value="xd"/>Abbrechen: keines von beiden, den Code berichtigen.</translation>
    </message>
</context>
<context>
    <name>TDifferencesFrm</name>
    <message>
        <source>Show all slots</source>
        <translation>Alle Plätze zeigen</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Als PDF speichern...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <source>Write changes</source>
        <translation>Änderungen schreiben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Momentaufnahme</translation>
    </message>
    <message>
        <source>Key list</source>
        <translation>Schlüsselliste</translation>
    </message>
    <message>
        <source>Changes to write to controller %1</source>
        <translation>In die Steuerung %1 zu schreibende Änderungen</translation>
    </message>
    <message>
        <source>Differences: key list and controller %1</source>
        <translation>Unterschiede: Schlüsselliste und Steuerung %1</translation>
    </message>
    <message>
        <source>snapshot</source>
        <translation>Momentaufnahme</translation>
    </message>
    <message>
        <source>key list</source>
        <translation>Schlüsselliste</translation>
    </message>
    <message>
        <source>Write %1 change</source>
        <translation>%1 Änderung schreiben</translation>
    </message>
    <message>
        <source>Write %1 changes</source>
        <translation>%1 Änderungen schreiben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Differences between key list and controller</source>
        <translation>Unterschiede zwischen Schlüsselliste und Steuerung</translation>
    </message>
    <message>
        <source>Changes to write to the controller</source>
        <translation>In die Steuerung zu schreibende Änderungen</translation>
    </message>
    <message>
        <source>Save differences as PDF</source>
        <translation>Unterschiede als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Can not write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Export differences as CSV</source>
        <translation>Unterschiede als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
</context>
<context>
    <name>TDifferencesReport</name>
    <message>
        <source>the report could not be built</source>
        <translation>der Bericht konnte nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>TEnrolKeysFrm</name>
    <message>
        <source>Enrol Master Keys</source>
        <translation>Stammschlüssel einlesen</translation>
    </message>
    <message>
        <source>Enrol Slave Keys</source>
        <translation>Benutzerschlüssel einlesen</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>goes with the next key touched</source>
        <translation>gilt für den nächsten angelegten Schlüssel</translation>
    </message>
    <message>
        <source>Undo last</source>
        <translation>Letzten zurücknehmen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Enrolled:</source>
        <translation>Eingelesen:</translation>
    </message>
    <message>
        <source>Reader: owserver at %1</source>
        <translation>Leser: owserver auf %1</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Verbindung mit %1 wird aufgebaut...</translation>
    </message>
    <message>
        <source>Touch a key to the reader.</source>
        <translation>Legen Sie einen Schlüssel an den Leser.</translation>
    </message>
    <message>
        <source>%1   %2   engraved %3   %4</source>
        <translation>%1   %2   Gravur %3   %4</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>abgelehnt: %1</translation>
    </message>
    <message>
        <source>A key touched now would be refused: %1</source>
        <translation>Ein jetzt angelegter Schlüssel würde abgelehnt: %1</translation>
    </message>
    <message>
        <source>undone: %1 is empty again</source>
        <translation>zurückgenommen: %1 ist wieder leer</translation>
    </message>
    <message>
        <source>1-Wire Reader</source>
        <translation>1-Wire-Leser</translation>
    </message>
    <message>
        <source>owserver address (host:port):</source>
        <translation>Adresse des owserver (Rechner:Port):</translation>
    </message>
</context>
<context>
    <name>TFindKeyFrm</name>
    <message>
        <source>Key with defined parametrs not found.</source>
        <translation>Kein Schlüssel mit diesen Angaben gefunden.</translation>
    </message>
    <message>
        <source>Find Key Dialog</source>
        <translation>Schlüssel suchen</translation>
    </message>
    <message>
        <source>Master Key</source>
        <translation>Stammschlüssel</translation>
    </message>
    <message>
        <source>Slave Key</source>
        <translation>Benutzerschlüssel</translation>
    </message>
    <message>
        <source>Any Type</source>
        <translation>Beliebige Art</translation>
    </message>
    <message>
        <source>Find Key</source>
        <translation>Schlüssel suchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Key Code:</source>
        <translation>Schlüsselcode:</translation>
    </message>
    <message>
        <source>Key Type:</source>
        <translation>Schlüsselart:</translation>
    </message>
    <message>
        <source>Key Info:</source>
        <translation>Notiz:</translation>
    </message>
</context>
<context>
    <name>THistoryFrm</name>
    <message>
        <source>both</source>
        <translation>beide</translation>
    </message>
    <message>
        <source>master only</source>
        <translation>nur Stammschlüssel</translation>
    </message>
    <message>
        <source>slave only</source>
        <translation>nur Benutzerschlüssel</translation>
    </message>
    <message>
        <source>Controller history</source>
        <translation>Verlauf der Steuerungen</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Last contact</source>
        <translation>Letzter Kontakt</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Momentaufnahmen</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Aufgenommen</translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Anlass</translation>
    </message>
    <message>
        <source>Tables</source>
        <translation>Tabellen</translation>
    </message>
    <message>
        <source>Changed slots</source>
        <translation>Geänderte Plätze</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Open as new key list</source>
        <translation>Als neue Schlüsselliste öffnen</translation>
    </message>
    <message>
        <source>Restore to controller...</source>
        <translation>In die Steuerung zurückschreiben...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Steuerungen</translation>
    </message>
    <message>
        <source>Snapshots of the selected controller, newest first</source>
        <translation>Momentaufnahmen der gewählten Steuerung, neueste zuerst</translation>
    </message>
    <message>
        <source>first</source>
        <translation>erste</translation>
    </message>
    <message>
        <source>Read the controller information first: restoring needs a controller whose version was accepted.</source>
        <translation>Lesen Sie zuerst die Steuerungsinformation: Zurückschreiben braucht eine Steuerung, deren Version angenommen wurde.</translation>
    </message>
</context>
<context>
    <name>TImportPreviewFrm</name>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source> (inactive)</source>
        <translation> (gesperrt)</translation>
    </message>
    <message>
        <source>Import Keys</source>
        <translation>Schlüssel importieren</translation>
    </message>
    <message>
        <source>%1: %2 slot(s) will change, %3 row(s) are refused, %4 row(s) change nothing. Nothing changes until you choose Import.</source>
        <translation>%1: %2 Platz/Plätze ändern sich, %3 Zeile(n) werden abgelehnt, %4 Zeile(n) ändern nichts. Nichts ändert sich, bevor Sie Importieren wählen.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>After the import</source>
        <translation>Nach dem Import</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Changes:</source>
        <translation>Änderungen:</translation>
    </message>
    <message>
        <source>Refused rows (not imported):</source>
        <translation>Abgelehnte Zeilen (nicht importiert):</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>TLicenseFile</name>
    <message>
        <source>File not found: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>TLineTestFrm</name>
    <message>
        <source>Line Test</source>
        <translation>Leitungstest</translation>
    </message>
    <message>
        <source>Correct transmitions:</source>
        <translation>Korrekte Übertragungen:</translation>
    </message>
    <message>
        <source>Uncorrect transmitions:</source>
        <translation>Fehlerhafte Übertragungen:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
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
        <source>To change controller information you must first create or open key list</source>
        <translation>Um die Steuerungsinformation zu ändern, müssen Sie zuerst eine Schlüsselliste anlegen oder öffnen</translation>
    </message>
    <message>
        <source>Clear key information?</source>
        <translation>Schlüsselangaben löschen?</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export key list</source>
        <translation>Schlüsselliste exportieren</translation>
    </message>
    <message>
        <source>Import keys</source>
        <translation>Schlüssel importieren</translation>
    </message>
    <message>
        <source>Open site</source>
        <translation>Gebäude öffnen</translation>
    </message>
    <message>
        <source>Site files (site.ini)</source>
        <translation>Gebäudedateien (site.ini)</translation>
    </message>
</context>
<context>
    <name>TNotePrinter</name>
    <message>
        <source>Cannot start printing</source>
        <translation>Der Druck kann nicht gestartet werden</translation>
    </message>
</context>
<context>
    <name>TProgressFrm</name>
    <message>
        <source>Data exchange</source>
        <translation>Datenaustausch</translation>
    </message>
    <message>
        <source>Data exchange. Please, wait...</source>
        <translation>Datenaustausch. Bitte warten...</translation>
    </message>
</context>
<context>
    <name>TShowNoteForm</name>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
</context>
<context>
    <name>TSingleInstance</name>
    <message>
        <source>Programm VELM Tarvikon already executed.</source>
        <translation>Das Programm VELM Tarvikon läuft bereits.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>TSiteFrm</name>
    <message>
        <source>Site</source>
        <translation>Gebäude</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Key list</source>
        <translation>Schlüsselliste</translation>
    </message>
    <message>
        <source>Last read</source>
        <translation>Zuletzt gelesen</translation>
    </message>
    <message>
        <source>Last written</source>
        <translation>Zuletzt geschrieben</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Key code in any form, or note text</source>
        <translation>Schlüsselcode in beliebiger Form oder Notiztext</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Wo</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
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
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>List or controller</source>
        <translation>Liste oder Steuerung</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Revoke key everywhere...</source>
        <translation>Schlüssel überall sperren...</translation>
    </message>
    <message>
        <source>Give key to doors...</source>
        <translation>Schlüssel für Türen vergeben...</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>Liste öffnen</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>controller, %1</source>
        <translation>Steuerung, %1</translation>
    </message>
    <message>
        <source>key list</source>
        <translation>Schlüsselliste</translation>
    </message>
    <message>
        <source>yes: visit the door</source>
        <translation>ja: Tür aufsuchen</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Not searched:<byte value="xd"/>%1</source>
        <translation>Nicht durchsucht:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Type the key code into the search box first: %1</source>
        <translation>Geben Sie zuerst den Schlüsselcode in das Suchfeld ein: %1</translation>
    </message>
    <message>
        <source>The code reads two ways (%1 or engraved %2); type it with its family byte.</source>
        <translation>Der Code lässt sich auf zwei Arten lesen (%1 oder Gravur %2); geben Sie ihn mit dem Familienbyte ein.</translation>
    </message>
    <message>
        <source>No key list of the site needs a change.</source>
        <translation>Keine Schlüsselliste des Gebäudes muss geändert werden.</translation>
    </message>
    <message>
        <source>%1 in these key lists?<byte value="xd"/>%2</source>
        <translation>%1 in diesen Schlüssellisten?<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Revoke key %1</source>
        <translation>Schlüssel %1 sperren</translation>
    </message>
    <message>
        <source>Select the doors in the door table first.</source>
        <translation>Wählen Sie zuerst die Türen in der Türtabelle.</translation>
    </message>
    <message>
        <source>Give key %1</source>
        <translation>Schlüssel %1 vergeben</translation>
    </message>
</context>
<context>
    <name>TSplashForm</name>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>TWorkDir</name>
    <message>
        <source>Temporary directory %1 cannot be used: %2</source>
        <translation>Das temporäre Verzeichnis %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>the path is longer than 500 characters</source>
        <translation>der Pfad ist länger als 500 Zeichen</translation>
    </message>
    <message>
        <source>it is not a directory</source>
        <translation>es ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>es gehört einem anderen Benutzer</translation>
    </message>
</context>
<context>
    <name>TrpLocale</name>
    <message>
        <source>en</source>
        <comment>The code of this translation's language; report templates named with it are used</comment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>TrpPlaceholders</name>
    <message>
        <source>malformed placeholder "%1"</source>
        <translation>fehlerhafter Platzhalter "%1"</translation>
    </message>
</context>
<context>
    <name>TrpPreviewFrm</name>
    <message>
        <source>First</source>
        <translation>Erste</translation>
    </message>
    <message>
        <source>Prior</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächste</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzte</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Größer</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Kleiner</translation>
    </message>
    <message>
        <source>Page width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Page setup...</source>
        <translation>Seite einrichten...</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>PDF speichern...</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>"%1" was not found.</source>
        <translation>"%1" wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF file "%1" could not be written:<byte value="xd"/>%2</source>
        <translation>Die PDF-Datei "%1" konnte nicht geschrieben werden:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Page Up and Page Down turn the pages, Ctrl+Home and Ctrl+End go to the first and the last page.<byte value="xd"/>Ctrl+Plus and Ctrl+Minus zoom; "Page width" and "Whole page" fit the page into the window.<byte value="xd"/>Ctrl+F finds a text and marks it, F3 finds it on the next page.<byte value="xd"/>"Print..." prints on a printer you choose, "Export PDF..." writes the pages to a PDF file.</source>
        <translation>Bild auf und Bild ab blättern, Strg+Pos1 und Strg+Ende gehen zur ersten und zur letzten Seite.<byte value="xd"/>Strg+Plus und Strg+Minus zoomen; "Seitenbreite" und "Ganze Seite" passen die Seite in das Fenster ein.<byte value="xd"/>Strg+F sucht einen Text und markiert ihn, F3 sucht ihn auf der nächsten Seite.<byte value="xd"/>"Drucken..." druckt auf einem Drucker Ihrer Wahl, "PDF speichern..." schreibt die Seiten in eine PDF-Datei.</translation>
    </message>
</context>
<context>
    <name>TrpPrintDialogs</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Text to find:</source>
        <translation>Gesuchter Text:</translation>
    </message>
</context>
<context>
    <name>TrpReport</name>
    <message>
        <source>Preview - %1</source>
        <translation>Vorschau - %1</translation>
    </message>
    <message>
        <source>The report template "%1" cannot be used:<byte value="xd"/>%2.</source>
        <translation>Die Berichtsvorlage "%1" kann nicht verwendet werden:<byte value="xd"/>%2.</translation>
    </message>
    <message>
        <source>unknown band source "%1"</source>
        <translation>unbekannte Datenquelle "%1"</translation>
    </message>
    <message>
        <source>%1 has no field "%2"</source>
        <translation>%1 hat kein Feld "%2"</translation>
    </message>
</context>
<context>
    <name>TrpTemplate</name>
    <message>
        <source>not a report template (it must begin with @report)</source>
        <translation>keine Berichtsvorlage (sie muss mit @report beginnen)</translation>
    </message>
    <message>
        <source>the band of %1 is not closed by @end</source>
        <translation>das Band von %1 wird nicht mit @end geschlossen</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>@%1 inside the band of %2</source>
        <translation>@%1 im Band von %2</translation>
    </message>
    <message>
        <source>@empty outside a band</source>
        <translation>@empty außerhalb eines Bandes</translation>
    </message>
    <message>
        <source>second @empty in the band of %1</source>
        <translation>zweites @empty im Band von %1</translation>
    </message>
    <message>
        <source>@end closes no band</source>
        <translation>@end schließt kein Band</translation>
    </message>
    <message>
        <source>second @report</source>
        <translation>zweites @report</translation>
    </message>
    <message>
        <source>unknown directive "%1"</source>
        <translation>unbekannte Anweisung "%1"</translation>
    </message>
    <message>
        <source>unknown page setting "%1"</source>
        <translation>unbekannte Seiteneinstellung "%1"</translation>
    </message>
    <message>
        <source>page margin "%1" is not a number of millimetres from 0 to 50</source>
        <translation>der Seitenrand "%1" ist keine Zahl von Millimetern zwischen 0 und 50</translation>
    </message>
    <message>
        <source>a band outside @body</source>
        <translation>ein Band außerhalb von @body</translation>
    </message>
    <message>
        <source>a band inside the band of %1</source>
        <translation>ein Band im Band von %1</translation>
    </message>
    <message>
        <source>@band needs one data-band source name</source>
        <translation>@band braucht genau einen Namen einer Datenquelle</translation>
    </message>
    <message>
        <source>unknown band source "%1"</source>
        <translation>unbekannte Datenquelle "%1"</translation>
    </message>
    <message>
        <source>field {{%1}} outside a band</source>
        <translation>Feld {{%1}} außerhalb eines Bandes</translation>
    </message>
    <message>
        <source>field {{%1}} in the @empty part of a band</source>
        <translation>Feld {{%1}} im @empty-Teil eines Bandes</translation>
    </message>
    <message>
        <source>field {{%1}} inside the band of %2</source>
        <translation>Feld {{%1}} im Band von %2</translation>
    </message>
    <message>
        <source>{{%1}} belongs in @header or @footer</source>
        <translation>{{%1}} gehört in @header oder @footer</translation>
    </message>
    <message>
        <source>the file cannot be read: it is not a regular file</source>
        <translation>die Datei kann nicht gelesen werden: Sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file is larger than %1 bytes</source>
        <translation>die Datei ist größer als %1 Bytes</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>die Datei ist kein UTF-8-Text</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The settings file %1 %2: this time nothing is remembered.</source>
        <translation>Die Einstellungsdatei %1 %2: Diesmal wird nichts gespeichert.</translation>
    </message>
</context>
</TS>
