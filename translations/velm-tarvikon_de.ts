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
    <name>TCliDifferences</name>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>master</source>
        <translation>Stamm</translation>
    </message>
    <message>
        <source>slave</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>%1 #%2  %3  controller: %4  list: %5
</source>
        <translation>%1 #%2  %3  Steuerung: %4  Liste: %5
</translation>
    </message>
    <message>
        <source>Write %1 change to the controller?</source>
        <translation>%1 Änderung in die Steuerung schreiben?</translation>
    </message>
    <message>
        <source>Write %1 changes to the controller?</source>
        <translation>%1 Änderungen in die Steuerung schreiben?</translation>
    </message>
</context>
<context>
    <name>TCliKeyList</name>
    <message>
        <source>cannot make a working directory: %1</source>
        <translation>ein Arbeitsordner kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>cannot create a key list in %1: %2</source>
        <translation>in %1 kann keine Schlüsselliste angelegt werden: %2</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
</context>
<context>
    <name>TCliLink</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>stopped before the %1 was answered</source>
        <translation>angehalten, bevor die %1 beantwortet war</translation>
    </message>
    <message>
        <source>the controller on %1 did not answer the %2</source>
        <translation>die Steuerung an %1 hat die %2 nicht beantwortet</translation>
    </message>
    <message>
        <source>version query</source>
        <translation>Versionsabfrage</translation>
    </message>
    <message>
        <source>firmware version "%1" refused; nothing was read or written</source>
        <translation>Firmware-Version "%1" abgelehnt; nichts wurde gelesen oder geschrieben</translation>
    </message>
    <message>
        <source>serial number query</source>
        <translation>Seriennummernabfrage</translation>
    </message>
    <message>
        <source>information query</source>
        <translation>Informationsabfrage</translation>
    </message>
    <message>
        <source>a key code cannot be sent; nothing was written</source>
        <translation>ein Schlüsselcode kann nicht gesendet werden; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>the transfer on %1 was stopped</source>
        <translation>die Übertragung an %1 wurde angehalten</translation>
    </message>
    <message>
        <source>the transfer on %1 stopped</source>
        <translation>die Übertragung an %1 brach ab</translation>
    </message>
</context>
<context>
    <name>TCliMessageBoxes</name>
    <message>
        <source>  yes (--yes)</source>
        <translation>  ja (--yes)</translation>
    </message>
    <message>
        <source>  not confirmed: nobody to ask; give --yes to go on</source>
        <translation>  nicht bestätigt: niemand zu fragen; geben Sie --yes an, um fortzufahren</translation>
    </message>
    <message>
        <source>  not confirmed: nobody to ask</source>
        <translation>  nicht bestätigt: niemand zu fragen</translation>
    </message>
    <message>
        <source>  continue? [y/N] </source>
        <translation>  fortfahren? [j/N] </translation>
    </message>
    <message>
        <source>y</source>
        <comment>the letter that answers yes in "continue? [y/N]"</comment>
        <translation>j</translation>
    </message>
</context>
<context>
    <name>TCliOtherController</name>
    <message>
        <source>Write a key list saved from another controller to this one (--yes does not cover this).</source>
        <translation>Eine von einer anderen Steuerung gespeicherte Schlüsselliste in diese schreiben (--yes gilt dafür nicht).</translation>
    </message>
    <message>
        <source>%1 yes (--other-controller)</source>
        <translation>%1 ja (--other-controller)</translation>
    </message>
    <message>
        <source>the key list belongs to another controller than the one on %1; nothing was written (give --other-controller to write it anyway)</source>
        <translation>die Schlüsselliste gehört zu einer anderen Steuerung als der an %1; nichts wurde geschrieben (mit --other-controller wird sie trotzdem geschrieben)</translation>
    </message>
</context>
<context>
    <name>TCliPortArgument</name>
    <message>
        <source>The controller port: COM1 .. COM50, or a device path.</source>
        <translation>Der Port der Steuerung: COM1 .. COM50 oder ein Gerätepfad.</translation>
    </message>
    <message>
        <source>The controller port as a device path.</source>
        <translation>Der Port der Steuerung als Gerätepfad.</translation>
    </message>
    <message>
        <source>no port number is free for %1</source>
        <translation>für %1 ist keine Portnummer frei</translation>
    </message>
    <message>
        <source>the controller port is missing (COMn or --port DEVICE)</source>
        <translation>der Steuerungsport fehlt (COMn oder --port GERÄT)</translation>
    </message>
    <message>
        <source>"%1" is not a port: give COM1 .. COM%2 or a device path</source>
        <translation>"%1" ist kein Port: geben Sie COM1 .. COM%2 oder einen Gerätepfad an</translation>
    </message>
    <message>
        <source>%1 is not a serial device that can be opened</source>
        <translation>%1 ist kein serielles Gerät, das sich öffnen lässt</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 gibt es nicht</translation>
    </message>
    <message>
        <source>%1 has no serial device on this machine; "vtrk ports" lists the ports there are</source>
        <translation>zu %1 gibt es auf diesem Rechner kein serielles Gerät; "vtrk ports" listet die vorhandenen Ports auf</translation>
    </message>
    <message>
        <source>cannot open %1: permission denied. You may not use this port. Run: sudo usermod -aG dialout $USER, then log in again.</source>
        <translation>%1 kann nicht geöffnet werden: Zugriff verweigert. Sie dürfen diesen Port nicht benutzen. Führen Sie aus: sudo usermod -aG dialout $USER, und melden Sie sich dann neu an.</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 wird von einem anderen Programm benutzt</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>TCliProgress</name>
    <message>
        <source>, %1:%2 left</source>
        <translation>, noch %1:%2</translation>
    </message>
</context>
<context>
    <name>TCliSiteJournal</name>
    <message>
        <source>--%1 "%2" is not a time: give 2026-12-10 or 2026-12-10T14:00Z</source>
        <translation>--%1 "%2" ist keine Zeit: geben Sie 2026-12-10 oder 2026-12-10T14:00Z an</translation>
    </message>
    <message>
        <source>--key: not one key code %1</source>
        <translation>--key: nicht ein Schlüsselcode %1</translation>
    </message>
    <message>
        <source>the site has no door "%1"</source>
        <translation>das Gebäude hat keine Tür "%1"</translation>
    </message>
    <message>
        <source>journal takes no argument; filter with --key, --door, --since, --until</source>
        <translation>journal nimmt kein Argument; filtern Sie mit --key, --door, --since, --until</translation>
    </message>
    <message>
        <source>No journal lines.
</source>
        <translation>Keine Journalzeilen.
</translation>
    </message>
    <message>
        <source>list</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>controller</source>
        <translation>Steuerung</translation>
    </message>
</context>
<context>
    <name>TCliSiteKeys</name>
    <message>
        <source>planned</source>
        <translation>geplant</translation>
    </message>
    <message>
        <source>saved</source>
        <translation>gespeichert</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>übersprungen</translation>
    </message>
    <message>
        <source>changed in the open window</source>
        <translation>im offenen Fenster geändert</translation>
    </message>
    <message>
        <source>controller %1 (%2)</source>
        <translation>Steuerung %1 (%2)</translation>
    </message>
    <message>
        <source>list %1</source>
        <translation>Liste %1</translation>
    </message>
    <message>
        <source>active</source>
        <translation>aktiv</translation>
    </message>
    <message>
        <source>inactive</source>
        <translation>gesperrt</translation>
    </message>
    <message>
        <source>  still active in the controller: visit the door</source>
        <translation>  in der Steuerung noch aktiv: Tür aufsuchen</translation>
    </message>
    <message>
        <source>the key code</source>
        <translation>der Schlüsselcode</translation>
    </message>
    <message>
        <source>the code reads two ways (%1 or engraved %2): write it with its family byte, e.g. 01.%1</source>
        <translation>der Code lässt sich zweifach lesen (%1 oder eingraviert %2): schreiben Sie ihn mit Familienbyte, z. B. 01.%1</translation>
    </message>
    <message>
        <source>not a key code: %1</source>
        <translation>kein Schlüsselcode: %1</translation>
    </message>
    <message>
        <source>No list of the site needs a change for %1.
</source>
        <translation>Keine Liste des Gebäudes braucht eine Änderung für %1.
</translation>
    </message>
    <message>
        <source>Doors to synchronise (their controller held the key active when last seen): %1
</source>
        <translation>Abzugleichende Türen (ihre Steuerung hatte den Schlüssel zuletzt aktiv): %1
</translation>
    </message>
    <message>
        <source>the plan only; nothing was changed (--yes carries it out)</source>
        <translation>nur der Plan; nichts wurde geändert (--yes führt ihn aus)</translation>
    </message>
    <message>
        <source>"%1" is not a slot: give M1..M8 or S1..S128</source>
        <translation>"%1" ist kein Platz: geben Sie M1..M8 oder S1..S128 an</translation>
    </message>
    <message>
        <source>the key code or note text</source>
        <translation>der Schlüsselcode oder Notiztext</translation>
    </message>
    <message>
        <source>not searched: %1</source>
        <translation>nicht durchsucht: %1</translation>
    </message>
    <message>
        <source>Not found in the site.
</source>
        <translation>Im Gebäude nicht gefunden.
</translation>
    </message>
    <message>
        <source>the note cannot be stored: %1</source>
        <translation>die Notiz kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>name the doors with --to DOOR (repeat it for each)</source>
        <translation>nennen Sie die Türen mit --to TÜR (für jede wiederholt)</translation>
    </message>
    <message>
        <source>the site has no door "%1"</source>
        <translation>das Gebäude hat keine Tür "%1"</translation>
    </message>
</context>
<context>
    <name>TCliSiteRound</name>
    <message>
        <source>give the controller port alone</source>
        <translation>geben Sie nur den Port der Steuerung an</translation>
    </message>
    <message>
        <source>controller %1 on %2 is not in the site: "vtrk site add %2" adds it, "--door NAME" links it to a list without a controller</source>
        <translation>die Steuerung %1 an %2 gehört nicht zum Gebäude: "vtrk site add %2" nimmt sie auf, "--door NAME" verbindet sie mit einer Liste ohne Steuerung</translation>
    </message>
    <message>
        <source>door "%1" belongs to controller %2</source>
        <translation>die Tür "%1" gehört zur Steuerung %2</translation>
    </message>
    <message>
        <source>the site has no door "%1"</source>
        <translation>das Gebäude hat keine Tür "%1"</translation>
    </message>
    <message>
        <source>%1 is now the list of controller %2</source>
        <translation>%1 ist jetzt die Liste der Steuerung %2</translation>
    </message>
    <message>
        <source>nothing was compared</source>
        <translation>nichts wurde verglichen</translation>
    </message>
    <message>
        <source>the plan only; nothing was written (--yes writes it)</source>
        <translation>nur der Plan; nichts wurde geschrieben (--yes schreibt ihn)</translation>
    </message>
    <message>
        <source>%1: %2 (%3), controller %4</source>
        <translation>%1: %2 (%3), Steuerung %4</translation>
    </message>
    <message>
        <source>Controller %1 is in the site already: %2 (%3)
</source>
        <translation>Die Steuerung %1 gehört schon zum Gebäude: %2 (%3)
</translation>
    </message>
    <message>
        <source>%1 exists already; add it with "vtrk site add %2"</source>
        <translation>%1 gibt es schon; nehmen Sie sie mit "vtrk site add %2" auf</translation>
    </message>
    <message>
        <source>these keys could not be read and are marked unread in the list: %1</source>
        <translation>diese Schlüssel konnten nicht gelesen werden und sind in der Liste als ungelesen markiert: %1</translation>
    </message>
</context>
<context>
    <name>TCliStop</name>
    <message>
        <source>interrupted; nothing was shown</source>
        <translation>abgebrochen; nichts wurde gezeigt</translation>
    </message>
    <message>
        <source>interrupted; the port is closed</source>
        <translation>abgebrochen; der Port ist geschlossen</translation>
    </message>
</context>
<context>
    <name>TCliSyncSession</name>
    <message>
        <source>give the port and the key-list file</source>
        <translation>geben Sie den Port und die Schlüsselliste an</translation>
    </message>
    <message>
        <source>not confirmed; %1</source>
        <translation>nicht bestätigt; %1</translation>
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
    <name>TDiffCommand</name>
    <message>
        <source>The key-list file to compare.</source>
        <translation>Die zu vergleichende Schlüsselliste.</translation>
    </message>
    <message>
        <source>nothing was compared</source>
        <translation>nichts wurde verglichen</translation>
    </message>
    <message>
        <source>compare a key list with the controller</source>
        <translation>eine Schlüsselliste mit der Steuerung vergleichen</translation>
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
    <name>TExportCommand</name>
    <message>
        <source>The key-list file to export.</source>
        <translation>Die zu exportierende Schlüsselliste.</translation>
    </message>
    <message>
        <source>The CSV file to write (replaced whole, or not at all); without it the standard output.</source>
        <translation>Die zu schreibende CSV-Datei (ganz ersetzt oder gar nicht); ohne sie die Standardausgabe.</translation>
    </message>
    <message>
        <source>Write for spreadsheets that expect semicolons: UTF-8 with a byte-order mark and ';' between the fields.</source>
        <translation>Für Tabellenkalkulationen schreiben, die Semikolons erwarten: UTF-8 mit Byte-Order-Mark und ';' zwischen den Feldern.</translation>
    </message>
    <message>
        <source>interrupted; nothing was written</source>
        <translation>abgebrochen; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>cannot write to the standard output</source>
        <translation>in die Standardausgabe kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1: %2 slots written
</source>
        <translation>%1: %2 Plätze geschrieben
</translation>
    </message>
    <message>
        <source>write a key-list file as CSV</source>
        <translation>eine Schlüssellisten-Datei als CSV schreiben</translation>
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
    <name>THistoryCommand</name>
    <message>
        <source>both</source>
        <translation>beide</translation>
    </message>
    <message>
        <source>master</source>
        <translation>Stamm</translation>
    </message>
    <message>
        <source>slave</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>%1  %2  %3 snapshots  %4
</source>
        <translation>%1  %2  %3 Momentaufnahmen  %4
</translation>
    </message>
    <message>
        <source>No controllers in %1
</source>
        <translation>Keine Steuerungen in %1
</translation>
    </message>
    <message>
        <source>no snapshots of controller %1 in %2</source>
        <translation>keine Momentaufnahmen der Steuerung %1 in %2</translation>
    </message>
    <message>
        <source>first</source>
        <translation>erste</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 geändert</translation>
    </message>
    <message>
        <source>The controller's serial number; without it the controllers.</source>
        <translation>Die Seriennummer der Steuerung; ohne sie die Steuerungen.</translation>
    </message>
    <message>
        <source>give at most one serial number</source>
        <translation>geben Sie höchstens eine Seriennummer an</translation>
    </message>
    <message>
        <source>list the snapshots kept of the controllers</source>
        <translation>die aufbewahrten Momentaufnahmen der Steuerungen auflisten</translation>
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
    <name>TImportCommand</name>
    <message>
        <source>interrupted; nothing was written</source>
        <translation>abgebrochen; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>The first row names the columns, in any order and case (comma, semicolon or tab):
  code      the key code: code, key, keycode, key code, Schlüssel (needed)
  note      note, memo, name, keymemo, key info, Notiz, Bemerkung
  type      M (master) or S (slave): type, keytype, Typ; without it, slave keys
  #         the slot as the window numbers it (1..8, 1..128): #, recid, Platz, Nr.
  slot      the controller's slot (0..7, 0..127): slot, keyid
  active    yes/no, ja/nein, 1/0, true/false or x: active, keystatus, aktiv
  engraved, serial, info: as vtrk export writes them

Key codes are taken in every form they are written in: the 12 digits of a key list
(2BC5FB000000), with blanks, dots, dashes or colons between the digits, with the
family byte (01.2BC5FB000000, as owfs prints it), as Linux names the device
(01-000000fbc52b), all 16 digits in wire order (012BC5FB00000066) or as engraved
on the key (66000000FBC52B01, or 000000FBC52B 01 without the CRC). A CRC that is
given is checked.
</source>
        <translation>Die erste Zeile benennt die Spalten, in beliebiger Reihenfolge und Schreibweise
(Komma, Semikolon oder Tabulator):
  code      der Schlüsselcode: code, key, keycode, key code, Schlüssel (nötig)
  note      note, memo, name, keymemo, key info, Notiz, Bemerkung
  type      M (Stammschlüssel) oder S (Benutzerschlüssel): type, keytype, Typ;
            ohne sie Benutzerschlüssel
  #         der Platz, wie das Fenster ihn zählt (1..8, 1..128): #, recid, Platz, Nr.
  slot      der Platz der Steuerung (0..7, 0..127): slot, keyid
  active    yes/no, ja/nein, 1/0, true/false oder x: active, keystatus, aktiv
  engraved, serial, info: wie vtrk export sie schreibt

Schlüsselcodes werden in jeder Schreibweise angenommen: die 12 Ziffern einer
Schlüsselliste (2BC5FB000000), mit Leerzeichen, Punkten, Bindestrichen oder
Doppelpunkten zwischen den Ziffern, mit dem Familienbyte (01.2BC5FB000000, wie owfs
sie ausgibt), wie Linux das Gerät benennt (01-000000fbc52b), alle 16 Ziffern in
Leitungsreihenfolge (012BC5FB00000066) oder wie auf dem Schlüssel eingraviert
(66000000FBC52B01, oder 000000FBC52B 01 ohne die CRC). Eine angegebene CRC wird
geprüft.
</translation>
    </message>
    <message>
        <source>The CSV file to read.</source>
        <translation>Die zu lesende CSV-Datei.</translation>
    </message>
    <message>
        <source>The key-list file to write (replaced whole, or not at all).</source>
        <translation>Die zu schreibende Schlüsselliste (ganz ersetzt oder gar nicht).</translation>
    </message>
    <message>
        <source>Replace the key-list file when it exists.</source>
        <translation>Die Schlüsselliste ersetzen, wenn es sie gibt.</translation>
    </message>
    <message>
        <source>Import into the existing key-list file, as the window does.</source>
        <translation>In die vorhandene Schlüsselliste importieren, wie es das Fenster tut.</translation>
    </message>
    <message>
        <source>--merge and --replace exclude each other</source>
        <translation>--merge und --replace schließen einander aus</translation>
    </message>
    <message>
        <source>%1: there is no key list to merge into</source>
        <translation>%1: es gibt keine Schlüsselliste, in die importiert werden kann</translation>
    </message>
    <message>
        <source>%1 exists; nothing was written. Add --replace to replace it, or --merge to import into it</source>
        <translation>%1 gibt es schon; nichts wurde geschrieben. Mit --replace wird sie ersetzt, mit --merge wird in sie importiert</translation>
    </message>
    <message>
        <source>the key-list file to write is missing (-o FILE)</source>
        <translation>die zu schreibende Schlüsselliste fehlt (-o DATEI)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>every key row was refused; %1 was not written</source>
        <translation>jede Schlüsselzeile wurde abgelehnt; %1 wurde nicht geschrieben</translation>
    </message>
    <message>
        <source>%1: %2 keys imported, %3 rows refused
</source>
        <translation>%1: %2 Schlüssel importiert, %3 Zeilen abgelehnt
</translation>
    </message>
    <message>
        <source>make a key-list file from a CSV file</source>
        <translation>aus einer CSV-Datei eine Schlüssellisten-Datei machen</translation>
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
    <name>TInfoCommand</name>
    <message>
        <source>Version code:</source>
        <translation>Versionscode:</translation>
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
        <source>show what the controller says about itself</source>
        <translation>zeigen, was die Steuerung über sich selbst meldet</translation>
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
    <name>TLineTestCommand</name>
    <message>
        <source>The number of test frames (default %1).</source>
        <translation>Die Anzahl der Testrahmen (Vorgabe %1).</translation>
    </message>
    <message>
        <source>-n takes a number of cycles from 1 to %1</source>
        <translation>-n nimmt eine Anzahl Zyklen von 1 bis %1</translation>
    </message>
    <message>
        <source>cycles</source>
        <translation>Zyklen</translation>
    </message>
    <message>
        <source>%1 cycles on %2: %3 acknowledged, %4 not acknowledged
</source>
        <translation>%1 Zyklen an %2: %3 bestätigt, %4 nicht bestätigt
</translation>
    </message>
    <message>
        <source>test the line: count acknowledged test frames</source>
        <translation>Leitungstest: bestätigte Testrahmen zählen</translation>
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
    <name>TPortsCommand</name>
    <message>
        <source>(no access: sudo usermod -aG dialout $USER, then log in again)</source>
        <translation>(kein Zugriff: sudo usermod -aG dialout $USER, dann neu anmelden)</translation>
    </message>
    <message>
        <source>list the serial ports (COM numbers)</source>
        <translation>die seriellen Ports auflisten (COM-Nummern)</translation>
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
    <name>TReadCommand</name>
    <message>
        <source>master keys %1</source>
        <translation>Stammschlüssel %1</translation>
    </message>
    <message>
        <source>slave keys %1</source>
        <translation>Benutzerschlüssel %1</translation>
    </message>
    <message>
        <source>slots</source>
        <translation>Plätze</translation>
    </message>
    <message>
        <source>%1; %2 was not written</source>
        <translation>%1; %2 wurde nicht geschrieben</translation>
    </message>
    <message>
        <source>The key-list file to write (replaced whole, or not at all).</source>
        <translation>Die zu schreibende Schlüsselliste (ganz ersetzt oder gar nicht).</translation>
    </message>
    <message>
        <source>the key-list file to write is missing (-o FILE)</source>
        <translation>die zu schreibende Schlüsselliste fehlt (-o DATEI)</translation>
    </message>
    <message>
        <source>cannot write %1: its folder is missing or not writable</source>
        <translation>%1 kann nicht geschrieben werden: der Ordner fehlt oder ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>these keys could not be read and are marked %1 in the file: %2</source>
        <translation>diese Schlüssel konnten nicht gelesen werden und sind in der Datei als %1 markiert: %2</translation>
    </message>
    <message>
        <source>%1: %2 master and %3 slave slots read from %4
</source>
        <translation>%1: %2 Stamm- und %3 Benutzerplätze aus %4 gelesen
</translation>
    </message>
    <message>
        <source>read the controller's keys into a key list</source>
        <translation>die Schlüssel der Steuerung in eine Schlüsselliste lesen</translation>
    </message>
</context>
<context>
    <name>TShowCommand</name>
    <message>
        <source>(not read from the controller; read it again)</source>
        <translation>(nicht aus der Steuerung gelesen; lesen Sie sie erneut)</translation>
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
        <source>The key-list file to show.</source>
        <translation>Die zu zeigende Schlüsselliste.</translation>
    </message>
    <message>
        <source>Only the slots that hold a key (and those not read, whose key is unknown).</source>
        <translation>Nur die Plätze mit einem Schlüssel (und die nicht gelesenen, deren Schlüssel unbekannt ist).</translation>
    </message>
    <message>
        <source>Controller S/N:  %1
Controller Info: %2

</source>
        <translation>Seriennummer der Steuerung: %1
Steuerungsinformation:      %2

</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
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
        <source>show a key-list file as a table</source>
        <translation>eine Schlüssellisten-Datei als Tabelle zeigen</translation>
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
    <name>TSiteCommand</name>
    <message>
        <source>create, add PORT|LIST, status, find CODE|TEXT, revoke CODE, give CODE --to DOOR..., round PORT, journal</source>
        <translation>create, add PORT|LISTE, status, find CODE|TEXT, revoke CODE, give CODE --to TÜR..., round PORT, journal</translation>
    </message>
    <message>
        <source>The site folder (default: the current folder).</source>
        <translation>Der Ordner des Gebäudes (Vorgabe: der aktuelle Ordner).</translation>
    </message>
    <message>
        <source>Carry out revoke, give and round; without it they show the plan only.</source>
        <translation>revoke, give und round ausführen; ohne dies zeigen sie nur den Plan.</translation>
    </message>
    <message>
        <source>create: the site's name; add: the door's name.</source>
        <translation>create: der Name des Gebäudes; add: der Name der Tür.</translation>
    </message>
    <message>
        <source>add: where the door is.</source>
        <translation>add: wo die Tür ist.</translation>
    </message>
    <message>
        <source>give: a door (name, list or serial); repeat it.</source>
        <translation>give: eine Tür (Name, Liste oder Seriennummer); wiederholbar.</translation>
    </message>
    <message>
        <source>give: the key's note.</source>
        <translation>give: die Notiz des Schlüssels.</translation>
    </message>
    <message>
        <source>give: the slot in every door, M1..M8 or S1..S128 (default: the first free slave slot).</source>
        <translation>give: der Platz in jeder Tür, M1..M8 oder S1..S128 (Vorgabe: der erste freie Benutzerplatz).</translation>
    </message>
    <message>
        <source>journal: only this door's lines; round: link this door's list to the controller.</source>
        <translation>journal: nur die Zeilen dieser Tür; round: die Liste dieser Tür mit der Steuerung verbinden.</translation>
    </message>
    <message>
        <source>journal: only lines of this key.</source>
        <translation>journal: nur Zeilen dieses Schlüssels.</translation>
    </message>
    <message>
        <source>journal: lines from this time on (UTC).</source>
        <translation>journal: Zeilen ab dieser Zeit (UTC).</translation>
    </message>
    <message>
        <source>journal: lines before this time (UTC).</source>
        <translation>journal: Zeilen vor dieser Zeit (UTC).</translation>
    </message>
    <message>
        <source>journal: as CSV.</source>
        <translation>journal: als CSV.</translation>
    </message>
    <message>
        <source>add, round: the controller port as a device path.</source>
        <translation>add, round: der Port der Steuerung als Gerätepfad.</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>too many arguments: "%1"</source>
        <translation>zu viele Argumente: "%1"</translation>
    </message>
    <message>
        <source>a subcommand is missing; "vtrk site --help" lists them</source>
        <translation>ein Unterbefehl fehlt; "vtrk site --help" listet sie auf</translation>
    </message>
    <message>
        <source>unknown subcommand "%1"; "vtrk site --help" lists them</source>
        <translation>unbekannter Unterbefehl "%1"; "vtrk site --help" listet sie auf</translation>
    </message>
    <message>
        <source>create takes no argument; give the folder as --site DIR</source>
        <translation>create nimmt kein Argument; geben Sie den Ordner als --site ORDNER an</translation>
    </message>
    <message>
        <source>%1: %2 doors
</source>
        <translation>%1: %2 Türen
</translation>
    </message>
    <message>
        <source>  %1: no controller yet (the door round links it)
</source>
        <translation>  %1: noch keine Steuerung (der Rundgang an der Tür verbindet sie)
</translation>
    </message>
    <message>
        <source>  conflict, one serial number in several lists, none added: %1
</source>
        <translation>  Konflikt, eine Seriennummer in mehreren Listen, keine aufgenommen: %1
</translation>
    </message>
    <message>
        <source>  not a key list: %1
</source>
        <translation>  keine Schlüsselliste: %1
</translation>
    </message>
    <message>
        <source>the port or list</source>
        <translation>der Port oder die Liste</translation>
    </message>
    <message>
        <source>%1 is not in the site folder %2</source>
        <translation>%1 liegt nicht im Ordner %2 des Gebäudes</translation>
    </message>
    <message>
        <source>%1 added: %2, controller %3
</source>
        <translation>%1 aufgenommen: %2, Steuerung %3
</translation>
    </message>
    <message>
        <source>%1 added: %2, no controller yet
</source>
        <translation>%1 aufgenommen: %2, noch keine Steuerung
</translation>
    </message>
    <message>
        <source>status takes no argument</source>
        <translation>status nimmt kein Argument</translation>
    </message>
    <message>
        <source>%1  %2  %3  read %4  written %5  %6
</source>
        <translation>%1  %2  %3  gelesen %4  geschrieben %5  %6
</translation>
    </message>
    <message>
        <source>The site has no doors yet.
</source>
        <translation>Das Gebäude hat noch keine Türen.
</translation>
    </message>
    <message>
        <source>every controller of a building: status, find, revoke, round</source>
        <translation>alle Steuerungen eines Gebäudes: Stand, suchen, sperren, Rundgang</translation>
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
    <name>TSyncCommand</name>
    <message>
        <source>The key list the controller should hold.</source>
        <translation>Die Schlüsselliste, die die Steuerung enthalten soll.</translation>
    </message>
    <message>
        <source>Answer the confirmations with yes (needed without a terminal).</source>
        <translation>Die Rückfragen mit Ja beantworten (nötig ohne Terminal).</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>the synchronisation was stopped</source>
        <translation>der Abgleich wurde angehalten</translation>
    </message>
    <message>
        <source>the synchronisation on %1 stopped</source>
        <translation>der Abgleich an %1 brach ab</translation>
    </message>
    <message>
        <source>write only what differs, verified</source>
        <translation>nur Abweichendes schreiben, geprüft (abgleichen)</translation>
    </message>
</context>
<context>
    <name>TVtrkCommand</name>
    <message>
        <source>unexpected argument "%1"</source>
        <translation>unerwartetes Argument "%1"</translation>
    </message>
    <message>
        <source>an argument is missing</source>
        <translation>ein Argument fehlt</translation>
    </message>
</context>
<context>
    <name>TVtrkMain</name>
    <message>
        <source>Usage: vtrk COMMAND [options] [arguments]

Reads and writes the key tables of a VELM door controller over a serial line,
and shows key-list files.

Commands:
</source>
        <translation>Aufruf: vtrk BEFEHL [Optionen] [Argumente]

Liest und schreibt die Schlüsseltabellen einer VELM-Türsteuerung über eine serielle
Leitung und zeigt Schlüssellisten-Dateien.

Befehle:
</translation>
    </message>
    <message>
        <source>
Options:
  -h, --help     this text; "vtrk COMMAND --help" for a command
  --version      the version of vtrk

Exit codes: 0 done, 1 done with failed slots, cycles, refused rows or differences,
2 usage, 3 port, 4 file, 5 firmware version refused, 6 another controller's list,
7 not confirmed, 8 not every slot could be compared (diff), 9 the controller is not in the site,
130 interrupted.
</source>
        <translation>
Optionen:
  -h, --help     dieser Text; "vtrk BEFEHL --help" für einen Befehl
  --version      die Version von vtrk

Exit-Codes: 0 erledigt, 1 erledigt mit fehlgeschlagenen Plätzen, Zyklen, abgelehnten Zeilen
oder Unterschieden, 2 Aufruf, 3 Port, 4 Datei, 5 Firmware-Version abgelehnt,
6 Liste einer anderen Steuerung, 7 nicht bestätigt, 8 nicht jeder Platz konnte verglichen
werden (diff), 9 die Steuerung gehört nicht zum Gebäude, 130 abgebrochen.
</translation>
    </message>
    <message>
        <source>a command is missing</source>
        <translation>ein Befehl fehlt</translation>
    </message>
    <message>
        <source>unknown command "%1"; "vtrk --help" lists the commands</source>
        <translation>unbekannter Befehl "%1"; "vtrk --help" listet die Befehle auf</translation>
    </message>
    <message>
        <source>This help.</source>
        <translation>Diese Hilfe.</translation>
    </message>
    <message>
        <source>Results as JSON, for scripts.</source>
        <translation>Ergebnisse als JSON, für Skripte.</translation>
    </message>
    <message>
        <source>%1; "vtrk %2 --help" shows the usage</source>
        <translation>%1; "vtrk %2 --help" zeigt die Verwendung</translation>
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
    <name>TWriteCommand</name>
    <message>
        <source>The key-list file to write.</source>
        <translation>Die zu schreibende Schlüsselliste.</translation>
    </message>
    <message>
        <source>Answer the confirmations with yes (needed without a terminal).</source>
        <translation>Die Rückfragen mit Ja beantworten (nötig ohne Terminal).</translation>
    </message>
    <message>
        <source>%1 was not written to the controller</source>
        <translation>%1 wurde nicht in die Steuerung geschrieben</translation>
    </message>
    <message>
        <source>not confirmed; nothing was sent</source>
        <translation>nicht bestätigt; nichts wurde gesendet</translation>
    </message>
    <message>
        <source>You are about to overwrite full controller`s keys list.<byte value="xd"/>Are you sure you want to continue?</source>
        <translation>Sie sind dabei, die gesamte Schlüsselliste der Steuerung zu überschreiben.<byte value="xd"/>Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>not confirmed; nothing was written</source>
        <translation>nicht bestätigt; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>slots</source>
        <translation>Plätze</translation>
    </message>
    <message>
        <source>these slots are unknown: the write may or may not have been applied there; read the controller again: %1</source>
        <translation>diese Plätze sind unbekannt: das Schreiben kann dort angekommen sein oder nicht; lesen Sie die Steuerung erneut: %1</translation>
    </message>
    <message>
        <source>the information text is unknown in the list; the controller keeps its own</source>
        <translation>der Informationstext ist in der Liste unbekannt; die Steuerung behält ihren eigenen</translation>
    </message>
    <message>
        <source>Are you sure you want to change controller information to:<byte value="xd"/></source>
        <translation>Möchten Sie die Information der Steuerung wirklich ändern in:<byte value="xd"/></translation>
    </message>
    <message>
        <source>the information text was not written to %1</source>
        <translation>der Informationstext wurde nicht nach %1 geschrieben</translation>
    </message>
    <message>
        <source>%1: %2 slots written to %3, information text too
</source>
        <translation>%1: %2 Plätze nach %3 geschrieben, der Informationstext auch
</translation>
    </message>
    <message>
        <source>%1: %2 slots written to %3
</source>
        <translation>%1: %2 Plätze nach %3 geschrieben
</translation>
    </message>
    <message>
        <source>write a key list to the controller</source>
        <translation>eine Schlüsselliste in die Steuerung schreiben</translation>
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
