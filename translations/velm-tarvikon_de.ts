<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
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
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>The desktop's language</source>
        <translation>Sprache der Arbeitsumgebung</translation>
    </message>
    <message>
        <source>The program speaks the chosen language from its next start.</source>
        <translation>Das Programm verwendet die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
</context>
</TS>
