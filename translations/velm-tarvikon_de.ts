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
    <message>
        <source>About</source>
        <translation>Über VELM Tarvikon</translation>
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
        <source>'%1' is not a valid integer value</source>
        <translation>'%1' ist keine gültige ganze Zahl</translation>
    </message>
</context>
<context>
    <name>TControllerCommands</name>
    <message>
        <source>Writing master keys list to controller...</source>
        <translation>Stammschlüssel werden in die Steuerung geschrieben...</translation>
    </message>
    <message>
        <source>Writing slave keys list to controller...</source>
        <translation>Benutzerschlüssel werden in die Steuerung geschrieben...</translation>
    </message>
    <message>
        <source>Reading master keys list from controller...</source>
        <translation>Stammschlüssel werden aus der Steuerung gelesen...</translation>
    </message>
    <message>
        <source>Reading slave keys list from controller...</source>
        <translation>Benutzerschlüssel werden aus der Steuerung gelesen...</translation>
    </message>
    <message>
        <source>Cannot write master keys list into the controller because it is empty.</source>
        <translation>Die Stammschlüssel können nicht in die Steuerung geschrieben werden, weil die Liste leer ist.</translation>
    </message>
    <message>
        <source>Cannot write slave keys list into the controller because it is empty.</source>
        <translation>Die Benutzerschlüssel können nicht in die Steuerung geschrieben werden, weil die Liste leer ist.</translation>
    </message>
    <message>
        <source>Are you sure you want to change controller information to:<byte value="xd"/></source>
        <translation>Möchten Sie die Information der Steuerung wirklich ändern in:<byte value="xd"/></translation>
    </message>
    <message>
        <source>To read Master keys from controller you must first create new or open key list.</source>
        <translation>Um Stammschlüssel aus der Steuerung zu lesen, legen Sie zuerst eine Schlüsselliste an oder öffnen Sie eine.</translation>
    </message>
    <message>
        <source>You are about to read Master keys from controller. Current Master keys list<byte value="xd"/>will be overwrited. Are you sure you want to continue?</source>
        <translation>Sie sind dabei, die Stammschlüssel aus der Steuerung zu lesen. Die aktuellen Stammschlüssel<byte value="xd"/>werden überschrieben. Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>To read Slave keys from controlle you must first create new or open key list.</source>
        <translation>Um Benutzerschlüssel aus der Steuerung zu lesen, legen Sie zuerst eine Schlüsselliste an oder öffnen Sie eine.</translation>
    </message>
    <message>
        <source>You are about to read Slave keys from controller. Current Slave keys list<byte value="xd"/>will be overwrited. Are you sure you want to continue?</source>
        <translation>Sie sind dabei, die Benutzerschlüssel aus der Steuerung zu lesen. Die aktuellen Benutzerschlüssel<byte value="xd"/>werden überschrieben. Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>To read keys from controller you must first create new or open key list.</source>
        <translation>Um Schlüssel aus der Steuerung zu lesen, legen Sie zuerst eine Schlüsselliste an oder öffnen Sie eine.</translation>
    </message>
    <message>
        <source>You are about to read all information from controller.Current information and keys list<byte value="xd"/>will be overwrited. Are you sure you want to continue?</source>
        <translation>Sie sind dabei, alle Daten aus der Steuerung zu lesen. Die aktuelle Information und die Schlüsselliste<byte value="xd"/>werden überschrieben. Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>Cannot load master keys list into the controller because it is empty.</source>
        <translation>Die Stammschlüssel können nicht in die Steuerung geladen werden, weil die Liste leer ist.</translation>
    </message>
    <message>
        <source>You are about to overwrite controller`s master keys list.<byte value="xd"/>Are you sure you want to continue?</source>
        <translation>Sie sind dabei, die Stammschlüssel der Steuerung zu überschreiben.<byte value="xd"/>Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>You are about to overwrite controller`s slave keys list.<byte value="xd"/>Are you sure you want to continue?</source>
        <translation>Sie sind dabei, die Benutzerschlüssel der Steuerung zu überschreiben.<byte value="xd"/>Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>You are about to overwrite full controller`s keys list.<byte value="xd"/>Are you sure you want to continue?</source>
        <translation>Sie sind dabei, die gesamte Schlüsselliste der Steuerung zu überschreiben.<byte value="xd"/>Möchten Sie wirklich fortfahren?</translation>
    </message>
</context>
<context>
    <name>TControllerExchange</name>
    <message>
        <source>Error writing data from COM port.</source>
        <translation>Fehler beim Schreiben von Daten auf den COM-Port.</translation>
    </message>
    <message>
        <source>Error reading data from COM port.</source>
        <translation>Fehler beim Lesen von Daten vom COM-Port.</translation>
    </message>
    <message>
        <source>Data integritatity check error.</source>
        <translation>Fehler bei der Prüfung der Datenintegrität.</translation>
    </message>
    <message>
        <source>The controller does not answer on COM%1.</source>
        <translation>Die Steuerung antwortet nicht an COM%1.</translation>
    </message>
    <message>
        <source>The controller port COM%1 was disconnected.</source>
        <translation>Der Steuerungsport COM%1 wurde getrennt.</translation>
    </message>
    <message>
        <source>The line on COM%1 does not fall quiet: bytes keep arriving that answer no request.</source>
        <translation>Die Leitung an COM%1 wird nicht ruhig: es kommen weiter Bytes an, die auf keine Anfrage antworten.</translation>
    </message>
</context>
<context>
    <name>TControllerInfo</name>
    <message>
        <source>Information writing fail.</source>
        <translation>Die Information konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Information has been written succesufuly.</source>
        <translation>Die Information wurde erfolgreich geschrieben.</translation>
    </message>
    <message>
        <source>The controller information is unknown: read it from the controller first (Read controller information).<byte value="xd"/>Nothing has been written.</source>
        <translation>Die Steuerungsinformation ist unbekannt: lesen Sie sie zuerst aus der Steuerung (Steuerungsinformation lesen).<byte value="xd"/>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Controller internal programm version is unknown.<byte value="xd"/>(Supported version code: "%1" Controller version code: "%2")<byte value="xd"/>Reading or writing data can harm information in controller.</source>
        <translation>Die interne Programmversion der Steuerung ist unbekannt.<byte value="xd"/>(Unterstützter Versionscode: „%1“ Versionscode der Steuerung: „%2“)<byte value="xd"/>Lesen oder Schreiben von Daten kann die Information in der Steuerung beschädigen.</translation>
    </message>
</context>
<context>
    <name>TControllerSync</name>
    <message>
        <source>The controller on COM%1 did not answer the %2; nothing was written.</source>
        <translation>Die Steuerung an COM%1 hat auf die %2 nicht geantwortet; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>No controller port is open.</source>
        <translation>Es ist kein Steuerungsport geöffnet.</translation>
    </message>
    <message>
        <source>version query</source>
        <translation>Versionsabfrage</translation>
    </message>
    <message>
        <source>serial number query</source>
        <translation>Seriennummernabfrage</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>geschrieben und geprüft</translation>
    </message>
    <message>
        <source>the controller did not accept the write</source>
        <translation>die Steuerung hat das Schreiben nicht angenommen</translation>
    </message>
    <message>
        <source>unknown: may or may not have been applied; read again</source>
        <translation>unbekannt: kann angekommen sein oder nicht; lesen Sie erneut</translation>
    </message>
    <message>
        <source>not written (the controller stopped answering)</source>
        <translation>nicht geschrieben (die Steuerung antwortet nicht mehr)</translation>
    </message>
    <message>
        <source>not written (the line did not fall quiet)</source>
        <translation>nicht geschrieben (die Leitung wurde nicht ruhig)</translation>
    </message>
    <message>
        <source>not written (stopped)</source>
        <translation>nicht geschrieben (abgebrochen)</translation>
    </message>
    <message>
        <source>not written (the port failed)</source>
        <translation>nicht geschrieben (der Port ist ausgefallen)</translation>
    </message>
    <message>
        <source>written, but could not be read back</source>
        <translation>geschrieben, konnte aber nicht zurückgelesen werden</translation>
    </message>
    <message>
        <source>read back differently</source>
        <translation>anders zurückgelesen</translation>
    </message>
    <message>
        <source>The controller already holds the wanted keys: nothing was written.</source>
        <translation>Die Steuerung enthält bereits die gewünschten Schlüssel: es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 of %2 changes written and verified.</source>
        <translation>%1 von %2 Änderungen geschrieben und geprüft.</translation>
    </message>
    <message>
        <source>These slots failed; check the cable and synchronise again:</source>
        <translation>Diese Plätze sind fehlgeschlagen; prüfen Sie das Kabel und gleichen Sie erneut ab:</translation>
    </message>
    <message>
        <source>, it holds %1</source>
        <translation>, sie enthält %1</translation>
    </message>
    <message>
        <source>no key</source>
        <translation>keinen Schlüssel</translation>
    </message>
    <message>
        <source>The port failed; what was not written is listed above.</source>
        <translation>Der Port ist ausgefallen; was nicht geschrieben wurde, steht oben.</translation>
    </message>
    <message>
        <source>The synchronisation was stopped; what was not written or not read back is listed above.</source>
        <translation>Der Abgleich wurde abgebrochen; was nicht geschrieben oder nicht zurückgelesen wurde, steht oben.</translation>
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
    <name>TDbfEngine</name>
    <message>
        <source>Unable to load required table engine: %1</source>
        <translation>Die benötigte Tabellenbibliothek kann nicht geladen werden: %1</translation>
    </message>
</context>
<context>
    <name>TDbfTable</name>
    <message>
        <source>Table does not exist.<byte value="xd"/>File or directory does not exist.<byte value="xd"/>File: %1</source>
        <translation>Die Tabelle existiert nicht.<byte value="xd"/>Datei oder Verzeichnis existiert nicht.<byte value="xd"/>Datei: %1</translation>
    </message>
    <message>
        <source>Unable to open table: %1</source>
        <translation>Die Tabelle kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Record Lock Failure. May be locked by another user or task.</source>
        <translation>Der Datensatz kann nicht gesperrt werden. Er wird vielleicht von einem anderen Benutzer oder Programm verwendet.</translation>
    </message>
    <message>
        <source>Unable to write record: %1</source>
        <translation>Der Datensatz kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Unable to create index file: %1</source>
        <translation>Die Indexdatei kann nicht angelegt werden: %1</translation>
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
    <name>TDifferenceTableModel</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>%1: key code</source>
        <translation>%1: Schlüsselcode</translation>
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
        <source>Controller: key code</source>
        <translation>Steuerung: Schlüsselcode</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Unterschied</translation>
    </message>
    <message>
        <source>Key list</source>
        <translation>Schlüsselliste</translation>
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
    <message>
        <source>Enrol Master Keys</source>
        <translation>Stammschlüssel einlesen</translation>
    </message>
    <message>
        <source>Enrol Slave Keys</source>
        <translation>Benutzerschlüssel einlesen</translation>
    </message>
    <message>
        <source>goes with the next key touched</source>
        <translation>gilt für den nächsten angelegten Schlüssel</translation>
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
    <name>TKeyCode</name>
    <message>
        <source>"%1" is no key's code: all zeros or all FF is what a 1-Wire line reads when it is shorted or no key touches it</source>
        <translation>„%1“ ist kein Schlüsselcode: lauter Nullen oder lauter FF liest eine 1-Wire-Leitung, wenn sie kurzgeschlossen ist oder kein Schlüssel sie berührt</translation>
    </message>
    <message>
        <source>There is no key code</source>
        <translation>Es gibt keinen Schlüsselcode</translation>
    </message>
    <message>
        <source>"%1" is not a key code: "%2" cannot appear in one; only hexadecimal digits, blanks, dots, dashes, colons and commas can</source>
        <translation>„%1“ ist kein Schlüsselcode: „%2“ kann darin nicht vorkommen, nur Hexadezimalziffern, Leerzeichen, Punkte, Bindestriche, Doppelpunkte und Kommas</translation>
    </message>
    <message>
        <source>"%1" is not a key code: it is written as bytes, and "%2" is longer than the two digits of a byte</source>
        <translation>„%1“ ist kein Schlüsselcode: er ist in Bytes geschrieben, und „%2“ ist länger als die zwei Ziffern eines Bytes</translation>
    </message>
    <message>
        <source>"%1" reads two ways: as a code in wire order it is %2, as the middle digits of the engraving it is %3; no real key starts with its zero bytes in wire order, so write the engraving with its CRC ("%4") or the family and code ("01.%2") to say which is meant</source>
        <translation>„%1“ lässt sich zweifach lesen: als Code in Leitungsreihenfolge ist es %2, als mittlere Ziffern der Gravur %3; kein echter Schlüssel beginnt in Leitungsreihenfolge mit seinen Null-Bytes, schreiben Sie daher die Gravur mit ihrer CRC („%4“) oder Familie und Code („01.%2“), um zu sagen, was gemeint ist</translation>
    </message>
    <message>
        <source>"%1" is not a touch key: its family is %2, not 01</source>
        <translation>„%1“ ist kein Touch-Schlüssel: seine Familie ist %2, nicht 01</translation>
    </message>
    <message>
        <source>"%1" is not a key code: it has %2 hexadecimal digits, a key code has 12 and a key number 16</source>
        <translation>„%1“ ist kein Schlüsselcode: er hat %2 Hexadezimalziffern, ein Schlüsselcode hat 12 und eine Schlüsselnummer 16</translation>
    </message>
    <message>
        <source>"%1" is not a key code: its 14 digits start and end with the family 01, so they may be family first or as engraved; add the CRC or a blank after the family</source>
        <translation>„%1“ ist kein Schlüsselcode: seine 14 Ziffern beginnen und enden mit der Familie 01, sie können also mit der Familie voran oder wie graviert sein; fügen Sie die CRC oder ein Leerzeichen nach der Familie hinzu</translation>
    </message>
    <message>
        <source>"%1" is not a key code: 14 digits must start with the family 01 of a touch key, or end with it as engraved, not %2 and %3</source>
        <translation>„%1“ ist kein Schlüsselcode: 14 Ziffern müssen mit der Familie 01 eines Touch-Schlüssels beginnen oder wie graviert damit enden, nicht mit %2 und %3</translation>
    </message>
    <message>
        <source>The key number %1 checks both family first and as engraved, giving two different codes (%2 and %3); enter the 12-digit code instead</source>
        <translation>Die Schlüsselnummer %1 ist mit der Familie voran und wie graviert gültig und ergibt zwei verschiedene Codes (%2 und %3); geben Sie stattdessen den 12-stelligen Code ein</translation>
    </message>
    <message>
        <source>The key number %1 fails its check in both byte orders: read family first, %2; read as engraved, %3</source>
        <translation>Die Schlüsselnummer %1 besteht ihre Prüfung in keiner Bytereihenfolge: mit der Familie voran gelesen %2; wie graviert gelesen %3</translation>
    </message>
    <message>
        <source>the family is %1, not 01</source>
        <translation>die Familie ist %1, nicht 01</translation>
    </message>
    <message>
        <source>the CRC is %1 where %2 was expected</source>
        <translation>die CRC ist %1, erwartet war %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
</context>
<context>
    <name>TKeyComparison</name>
    <message>
        <source>Not written; change the note in the key list ("y" for "ÿ"):</source>
        <translation>Nicht geschrieben; ändern Sie die Notiz in der Schlüsselliste („y“ statt „ÿ“):</translation>
    </message>
    <message>
        <source>This key list was saved from controller %1, but the connected controller is %2.<byte value="xd"/>Write its keys to controller %2 anyway?</source>
        <translation>Diese Schlüsselliste wurde von der Steuerung %1 gespeichert, angeschlossen ist aber die Steuerung %2.<byte value="xd"/>Ihre Schlüssel trotzdem in die Steuerung %2 schreiben?</translation>
    </message>
    <message>
        <source>This %1 was saved from controller %2; the connected controller is %3.</source>
        <translation>%1 wurde von der Steuerung %2 gespeichert; angeschlossen ist die Steuerung %3.</translation>
    </message>
    <message>
        <source>key list</source>
        <translation>Schlüsselliste</translation>
    </message>
    <message>
        <source>No differences</source>
        <translation>Keine Unterschiede</translation>
    </message>
    <message>
        <source>%1 difference: %2</source>
        <translation>%1 Unterschied: %2</translation>
    </message>
    <message>
        <source>%1 differences: %2</source>
        <translation>%1 Unterschiede: %2</translation>
    </message>
</context>
<context>
    <name>TKeyCsvReader</name>
    <message>
        <source>The CSV file starts as UTF-16 but is not valid UTF-16</source>
        <translation>Die CSV-Datei beginnt als UTF-16, ist aber kein gültiges UTF-16</translation>
    </message>
    <message>
        <source>The CSV file holds zero bytes (line %1): UTF-16 is not supported without its byte-order mark; save the file as CSV (UTF-8)</source>
        <translation>Die CSV-Datei enthält Null-Bytes (Zeile %1): UTF-16 ohne Byte-Order-Mark wird nicht unterstützt; speichern Sie die Datei als CSV (UTF-8)</translation>
    </message>
    <message>
        <source>The CSV reader could not start</source>
        <translation>Der CSV-Leser konnte nicht starten</translation>
    </message>
    <message>
        <source>The CSV file cannot be read on line %1: %2</source>
        <translation>Die CSV-Datei kann in Zeile %1 nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The CSV file was not read to its end: interrupted</source>
        <translation>Die CSV-Datei wurde nicht bis zum Ende gelesen: abgebrochen</translation>
    </message>
    <message>
        <source>the line is not valid UTF-8, while other lines of the file are; save the file as CSV (UTF-8) again</source>
        <translation>die Zeile ist kein gültiges UTF-8, andere Zeilen der Datei schon; speichern Sie die Datei erneut als CSV (UTF-8)</translation>
    </message>
    <message>
        <source>The CSV file has more than %1 rows (line %2); a key list holds %3 keys, so this is not a list of keys</source>
        <translation>Die CSV-Datei hat mehr als %1 Zeilen (Zeile %2); eine Schlüsselliste enthält %3 Schlüssel, dies ist also keine Schlüsselliste</translation>
    </message>
    <message>
        <source>Line %1 of the CSV file has more than %2 columns; this is not a list of keys</source>
        <translation>Zeile %1 der CSV-Datei hat mehr als %2 Spalten; dies ist keine Schlüsselliste</translation>
    </message>
</context>
<context>
    <name>TKeyCsvWriter</name>
    <message>
        <source>Can not write the CSV file %1: %2</source>
        <translation>Die CSV-Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>TKeyDifference</name>
    <message>
        <source>same</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>key added</source>
        <translation>Schlüssel hinzugefügt</translation>
    </message>
    <message>
        <source>key removed</source>
        <translation>Schlüssel entfernt</translation>
    </message>
    <message>
        <source>code changed</source>
        <translation>Code geändert</translation>
    </message>
    <message>
        <source>note changed</source>
        <translation>Notiz geändert</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>aktiviert</translation>
    </message>
    <message>
        <source>deactivated</source>
        <translation>gesperrt</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>nicht gelesen</translation>
    </message>
    <message>
        <source>note holds ÿ</source>
        <translation>Notiz enthält ÿ</translation>
    </message>
</context>
<context>
    <name>TKeyEnrolment</name>
    <message>
        <source>No key list is open</source>
        <translation>Es ist keine Schlüsselliste geöffnet</translation>
    </message>
    <message>
        <source>The reader gave "%1", which is not a key code</source>
        <translation>Der Leser lieferte „%1“, das ist kein Schlüsselcode</translation>
    </message>
    <message>
        <source>The key %1 was not enrolled: %2</source>
        <translation>Der Schlüssel %1 wurde nicht eingelesen: %2</translation>
    </message>
    <message>
        <source>The key %1 is already in the list as %2</source>
        <translation>Der Schlüssel %1 steht bereits als %2 in der Liste</translation>
    </message>
    <message>
        <source>%1 enrolled as %2</source>
        <translation>%1 eingelesen als %2</translation>
    </message>
    <message>
        <source>There is no empty slot left for the key %1</source>
        <translation>Für den Schlüssel %1 ist kein leerer Platz mehr frei</translation>
    </message>
    <message>
        <source>There is no enrolment to undo</source>
        <translation>Es gibt kein Einlesen, das rückgängig gemacht werden kann</translation>
    </message>
</context>
<context>
    <name>TKeyFileCopy</name>
    <message>
        <source>it %1</source>
        <translation>sie %1</translation>
    </message>
    <message>
        <source>the file is shorter than its header says</source>
        <translation>die Datei ist kürzer, als ihr Kopf angibt</translation>
    </message>
    <message>
        <source>the file is too short for a dBASE header</source>
        <translation>die Datei ist zu kurz für einen dBASE-Kopf</translation>
    </message>
    <message>
        <source>its header length %1 is not that of a key list</source>
        <translation>ihre Kopflänge %1 ist nicht die einer Schlüsselliste</translation>
    </message>
    <message>
        <source>its record length %1 is not that of a key list</source>
        <translation>ihre Satzlänge %1 ist nicht die einer Schlüsselliste</translation>
    </message>
    <message>
        <source>it holds %1 records, not those of a key list</source>
        <translation>sie enthält %1 Datensätze, nicht die einer Schlüsselliste</translation>
    </message>
    <message>
        <source>the file is shorter than its header says (truncated)</source>
        <translation>die Datei ist kürzer, als ihr Kopf angibt (abgeschnitten)</translation>
    </message>
    <message>
        <source>the file holds %1 bytes more than its header says</source>
        <translation>die Datei enthält %1 Bytes mehr, als ihr Kopf angibt</translation>
    </message>
    <message>
        <source>the file holds a byte more than its header says</source>
        <translation>die Datei enthält ein Byte mehr, als ihr Kopf angibt</translation>
    </message>
</context>
<context>
    <name>TKeyImport</name>
    <message>
        <source>Can not read the CSV file %1: %2</source>
        <translation>Die CSV-Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it %1</source>
        <translation>sie %1</translation>
    </message>
    <message>
        <source>The CSV file is empty</source>
        <translation>Die CSV-Datei ist leer</translation>
    </message>
    <message>
        <source>The CSV file has no key code column: its first row must name one of the columns code, key, keycode, Schlüssel or Key Code</source>
        <translation>Die CSV-Datei hat keine Spalte für den Schlüsselcode: ihre erste Zeile muss eine der Spalten code, key, keycode, Schlüssel oder Key Code nennen</translation>
    </message>
    <message>
        <source>The import was interrupted</source>
        <translation>Der Import wurde abgebrochen</translation>
    </message>
    <message>
        <source>the type "%1" is neither M nor S</source>
        <translation>der Typ „%1“ ist weder M noch S</translation>
    </message>
    <message>
        <source>the key code "%1" is %2 characters long, longer than any way of writing one</source>
        <translation>der Schlüsselcode „%1“ ist %2 Zeichen lang, länger als jede Schreibweise eines Codes</translation>
    </message>
    <message>
        <source>the active column holds "%1", not yes or no</source>
        <translation>die Spalte „aktiv“ enthält „%1“, nicht ja oder nein</translation>
    </message>
    <message>
        <source>an active key needs a key code</source>
        <translation>ein aktiver Schlüssel braucht einen Schlüsselcode</translation>
    </message>
    <message>
        <source>the slot "%1" is not a slot number</source>
        <translation>der Platz „%1“ ist keine Platznummer</translation>
    </message>
    <message>
        <source>the # "%1" is not a slot number</source>
        <translation>die # „%1“ ist keine Platznummer</translation>
    </message>
    <message>
        <source>serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>information text</source>
        <translation>Informationstext</translation>
    </message>
    <message>
        <source>the controller's %1 "%2" differs from "%3" on line %4</source>
        <translation>%1 der Steuerung „%2“ weicht von „%3“ in Zeile %4 ab</translation>
    </message>
    <message>
        <source>the controller's %1 "%2" does not fit a key list (at most %3 characters of Windows-1252)</source>
        <translation>%1 der Steuerung „%2“ passt nicht in eine Schlüsselliste (höchstens %3 Zeichen aus Windows-1252)</translation>
    </message>
    <message>
        <source>there is no master slot %1 (slots 0 to %2)</source>
        <translation>es gibt keinen Stammschlüssel-Platz %1 (Plätze 0 bis %2)</translation>
    </message>
    <message>
        <source>there is no slave slot %1 (slots 0 to %2)</source>
        <translation>es gibt keinen Benutzerschlüssel-Platz %1 (Plätze 0 bis %2)</translation>
    </message>
    <message>
        <source>there is no master key #%1</source>
        <translation>es gibt keinen Stammschlüssel #%1</translation>
    </message>
    <message>
        <source>there is no slave key #%1</source>
        <translation>es gibt keinen Benutzerschlüssel #%1</translation>
    </message>
    <message>
        <source>%1 is already filled by line %2</source>
        <translation>%1 ist bereits durch Zeile %2 belegt</translation>
    </message>
    <message>
        <source>the row has neither a key code nor a slot</source>
        <translation>die Zeile hat weder einen Schlüsselcode noch einen Platz</translation>
    </message>
    <message>
        <source>a slot marked as not read needs its slot number</source>
        <translation>ein als nicht gelesen gekennzeichneter Platz braucht seine Platznummer</translation>
    </message>
    <message>
        <source>there is no free master slot left</source>
        <translation>es ist kein Stammschlüssel-Platz mehr frei</translation>
    </message>
    <message>
        <source>there is no free slave slot left</source>
        <translation>es ist kein Benutzerschlüssel-Platz mehr frei</translation>
    </message>
    <message>
        <source>the key %1 is a duplicate of line %2</source>
        <translation>der Schlüssel %1 wiederholt Zeile %2</translation>
    </message>
    <message>
        <source>the key %1 is already in the list as %2</source>
        <translation>der Schlüssel %1 steht bereits als %2 in der Liste</translation>
    </message>
</context>
<context>
    <name>TKeyListCommands</name>
    <message>
        <source>VELM Tarvikon   Key file: </source>
        <translation>VELM Tarvikon   Schlüsseldatei: </translation>
    </message>
    <message>
        <source>Current key list has been changed. Do you want to save changes?</source>
        <translation>Die Schlüsselliste wurde geändert. Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>No key list is open, so there is nothing to save. Create or open a key list first.</source>
        <translation>Es ist keine Schlüsselliste geöffnet, es gibt also nichts zu speichern. Legen Sie zuerst eine Schlüsselliste an oder öffnen Sie eine.</translation>
    </message>
    <message>
        <source>Key list: %1</source>
        <translation>Schlüsselliste: %1</translation>
    </message>
    <message>
        <source>Can not create file here. Check you access rights or contact your system administrator.</source>
        <translation>Die Datei kann hier nicht angelegt werden. Prüfen Sie Ihre Zugriffsrechte oder wenden Sie sich an Ihren Systemverwalter.</translation>
    </message>
    <message>
        <source>New key list</source>
        <translation>Neue Schlüsselliste</translation>
    </message>
    <message>
        <source>Error creating new key list.</source>
        <translation>Fehler beim Anlegen der neuen Schlüsselliste.</translation>
    </message>
    <message>
        <source>New key list created succesefully.</source>
        <translation>Die neue Schlüsselliste wurde erfolgreich angelegt.</translation>
    </message>
    <message>
        <source>new key list</source>
        <translation>neue Schlüsselliste</translation>
    </message>
    <message>
        <source>Create new key list</source>
        <translation>Neue Schlüsselliste anlegen</translation>
    </message>
    <message>
        <source>Database files (*.dbf)</source>
        <translation>Datenbankdateien (*.dbf)</translation>
    </message>
    <message>
        <source>Key list file not found: %1</source>
        <translation>Schlüsselliste nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Key list file %1 %2.</source>
        <translation>Die Schlüsselliste %1 %2.</translation>
    </message>
    <message>
        <source>It has been taken off the recent key lists.</source>
        <translation>Sie wurde aus den zuletzt geöffneten Schlüssellisten entfernt.</translation>
    </message>
    <message>
        <source>DBF tables (*.dbf)</source>
        <translation>DBF-Tabellen (*.dbf)</translation>
    </message>
    <message>
        <source>Overwrite it anyway?</source>
        <translation>Trotzdem überschreiben?</translation>
    </message>
</context>
<context>
    <name>TKeyListFile</name>
    <message>
        <source>Can not create %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>TKeyListNumbering</name>
    <message>
        <source>%1 (%2 records)</source>
        <translation>%1 (%2 Datensätze)</translation>
    </message>
    <message>
        <source>master keys</source>
        <translation>Stammschlüssel</translation>
    </message>
    <message>
        <source>slave keys</source>
        <translation>Benutzerschlüssel</translation>
    </message>
    <message>
        <source>%1: # repeated: %2</source>
        <translation>%1: # mehrfach: %2</translation>
    </message>
    <message>
        <source>%1: slot number (KEYID) repeated: %2</source>
        <translation>%1: Platznummer (KEYID) mehrfach: %2</translation>
    </message>
    <message>
        <source>The key list %1 numbers some slots twice:<byte value="xd"/>%2<byte value="xd"/>Keys are written to the controller by their position in the list, not by these numbers.</source>
        <translation>Die Schlüsselliste %1 nummeriert manche Plätze doppelt:<byte value="xd"/>%2<byte value="xd"/>Schlüssel werden nach ihrer Stellung in der Liste in die Steuerung geschrieben, nicht nach diesen Nummern.</translation>
    </message>
</context>
<context>
    <name>TKeyListRows</name>
    <message>
        <source>master key #%1</source>
        <translation>Stammschlüssel #%1</translation>
    </message>
    <message>
        <source>slave key #%1</source>
        <translation>Benutzerschlüssel #%1</translation>
    </message>
</context>
<context>
    <name>TKeyListStore</name>
    <message>
        <source>there is no working directory</source>
        <translation>es gibt kein Arbeitsverzeichnis</translation>
    </message>
    <message>
        <source>Creating new key list...</source>
        <translation>Neue Schlüsselliste wird angelegt...</translation>
    </message>
    <message>
        <source>Opening Key list...</source>
        <translation>Schlüsselliste wird geöffnet...</translation>
    </message>
    <message>
        <source>The file %1 is not a key list: %2</source>
        <translation>Die Datei %1 ist keine Schlüsselliste: %2</translation>
    </message>
    <message>
        <source>it does not exist or is not a file</source>
        <translation>sie existiert nicht oder ist keine Datei</translation>
    </message>
    <message>
        <source>it is not a dBASE table (%1)</source>
        <translation>sie ist keine dBASE-Tabelle (%1)</translation>
    </message>
    <message>
        <source>the field %1 is missing</source>
        <translation>das Feld %1 fehlt</translation>
    </message>
    <message>
        <source>the field %1 is not of type %2 and width %3</source>
        <translation>das Feld %1 hat nicht den Typ %2 und die Breite %3</translation>
    </message>
    <message>
        <source>it has no header record</source>
        <translation>sie hat keinen Kopfdatensatz</translation>
    </message>
    <message>
        <source>its first record is a key, not the header record</source>
        <translation>ihr erster Datensatz ist ein Schlüssel, nicht der Kopfdatensatz</translation>
    </message>
    <message>
        <source>it holds %1 master and %2 slave key records instead of %3 and %4</source>
        <translation>sie enthält %1 Stammschlüssel- und %2 Benutzerschlüssel-Datensätze statt %3 und %4</translation>
    </message>
    <message>
        <source>Can not open the key list %1: there is no working directory</source>
        <translation>Die Schlüsselliste %1 kann nicht geöffnet werden: es gibt kein Arbeitsverzeichnis</translation>
    </message>
    <message>
        <source>Can not open the key list %1: %2</source>
        <translation>Die Schlüsselliste %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Can not make the working copy of %1</source>
        <translation>Die Arbeitskopie von %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>No key list is open</source>
        <translation>Es ist keine Schlüsselliste geöffnet</translation>
    </message>
    <message>
        <source>The key list %1 was changed on disk since it was opened here; saving would overwrite that change.</source>
        <translation>Die Schlüsselliste %1 wurde auf dem Datenträger geändert, seit sie hier geöffnet wurde; Speichern würde diese Änderung überschreiben.</translation>
    </message>
    <message>
        <source>Can not save the key list to %1: %2</source>
        <translation>Die Schlüsselliste kann nicht unter %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>that is the program's working directory, which is deleted when the program ends; choose another folder</source>
        <translation>das ist das Arbeitsverzeichnis des Programms, das beim Beenden gelöscht wird; wählen Sie einen anderen Ordner</translation>
    </message>
    <message>
        <source>the table could not be written</source>
        <translation>die Tabelle konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>TKeyNote</name>
    <message>
        <source>the note holds "ÿ", which the controller takes for its fill byte: it would be dropped there and the note never verified; write "y" instead</source>
        <translation>die Notiz enthält „ÿ“, das die Steuerung für ihr Füllbyte hält: es ginge dort verloren und die Notiz ließe sich nie prüfen; schreiben Sie stattdessen „y“</translation>
    </message>
    <message>
        <source>the note holds "%1", which the key list's code page (Windows-1252) cannot hold</source>
        <translation>die Notiz enthält „%1“, das die Codepage der Schlüsselliste (Windows-1252) nicht darstellen kann</translation>
    </message>
    <message>
        <source>the note is %1 characters long, a key list holds at most %2</source>
        <translation>die Notiz ist %1 Zeichen lang, eine Schlüsselliste fasst höchstens %2</translation>
    </message>
    <message>
        <source>the note holds "ÿ", which the controller drops as its fill byte when it is read: the note can never be verified</source>
        <translation>die Notiz enthält „ÿ“, das die Steuerung beim Lesen als Füllbyte weglässt: die Notiz lässt sich nie prüfen</translation>
    </message>
</context>
<context>
    <name>TKeyTableModel</name>
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
        <source>Not read: the controller's slot could not be read. Read the controller again; until then this key list cannot be written.</source>
        <translation>Nicht gelesen: der Platz der Steuerung konnte nicht gelesen werden. Lesen Sie die Steuerung erneut; bis dahin kann diese Schlüsselliste nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Slot %1</source>
        <translation>Platz %1</translation>
    </message>
    <message>
        <source>Key code %1</source>
        <translation>Schlüsselcode %1</translation>
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
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>TKeyTables</name>
    <message>
        <source>Master</source>
        <translation>Stammschlüssel</translation>
    </message>
    <message>
        <source>Slave</source>
        <translation>Benutzerschlüssel</translation>
    </message>
</context>
<context>
    <name>TKeyTransfer</name>
    <message>
        <source>These active keys have a key code that is not 12 hexadecimal digits:</source>
        <translation>Diese aktiven Schlüssel haben einen Schlüsselcode, der nicht aus 12 Hexadezimalziffern besteht:</translation>
    </message>
    <message>
        <source>Master keys %1</source>
        <translation>Stammschlüssel %1</translation>
    </message>
    <message>
        <source>Slave keys %1</source>
        <translation>Benutzerschlüssel %1</translation>
    </message>
    <message>
        <source>Nothing has been written to the controller.</source>
        <translation>Es wurde nichts in die Steuerung geschrieben.</translation>
    </message>
    <message>
        <source>Master key slot #%1 was not read; read again.</source>
        <translation>Stammschlüssel-Platz #%1 wurde nicht gelesen; lesen Sie erneut.</translation>
    </message>
    <message>
        <source>Slave key slot #%1 was not read; read again.</source>
        <translation>Benutzerschlüssel-Platz #%1 wurde nicht gelesen; lesen Sie erneut.</translation>
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
    <name>TMessageBoxes</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
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
    <name>TOwServerBus</name>
    <message>
        <source>name the reader in /etc/owfs.conf instead of its "FAKE" line ("server: usb = all" for a USB adapter, "server: device = /dev/ttyUSB0" for a serial one) and run "sudo systemctl restart owserver"</source>
        <translation>tragen Sie den Leser in /etc/owfs.conf statt der Zeile „FAKE“ ein („server: usb = all“ für einen USB-Adapter, „server: device = /dev/ttyUSB0“ für einen seriellen) und führen Sie „sudo systemctl restart owserver“ aus</translation>
    </message>
    <message>
        <source>it lists more than %1 buses</source>
        <translation>er listet mehr als %1 Busse</translation>
    </message>
    <message>
        <source>No 1-Wire server (owserver) answers at %1.<byte value="xd"/>Install it with "sudo apt-get install owserver", %2, or set its address under Settings.</source>
        <translation>Unter %1 antwortet kein 1-Wire-Server (owserver).<byte value="xd"/>Installieren Sie ihn mit „sudo apt-get install owserver“, %2, oder stellen Sie seine Adresse unter Einstellungen ein.</translation>
    </message>
    <message>
        <source>The 1-Wire server at %1 sent an answer that makes no sense: %2.</source>
        <translation>Der 1-Wire-Server unter %1 hat eine unsinnige Antwort gesendet: %2.</translation>
    </message>
    <message>
        <source>The 1-Wire server at %1 answers, but no reader (1-Wire adapter) is connected to it: plug the reader in, or start owserver for it.</source>
        <translation>Der 1-Wire-Server unter %1 antwortet, aber es ist kein Leser (1-Wire-Adapter) angeschlossen: stecken Sie den Leser ein oder starten Sie owserver für ihn.</translation>
    </message>
    <message>
        <source>The 1-Wire server at %1 serves simulated devices, not a reader, as Debian installs it.<byte value="xd"/>To use your reader, %2.</source>
        <translation>Der 1-Wire-Server unter %1 bietet simulierte Geräte an, keinen Leser, so wie Debian ihn installiert.<byte value="xd"/>Um Ihren Leser zu verwenden, %2.</translation>
    </message>
    <message>
        <source>The 1-Wire server at %1 has gone away (%2): no key touched now is seen until it answers again.</source>
        <translation>Der 1-Wire-Server unter %1 ist nicht mehr erreichbar (%2): kein Schlüssel, der jetzt angelegt wird, wird erkannt, bis er wieder antwortet.</translation>
    </message>
    <message>
        <source>The 1-Wire server at %1 did not answer in time.</source>
        <translation>Der 1-Wire-Server unter %1 hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The 1-Wire server at %1 broke off its answer (%2).</source>
        <translation>Der 1-Wire-Server unter %1 hat seine Antwort abgebrochen (%2).</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>it lists more than %1 touch keys at once</source>
        <translation>er listet mehr als %1 Touch-Schlüssel auf einmal</translation>
    </message>
</context>
<context>
    <name>TOwServerClient</name>
    <message>
        <source>"%1" is not a server address (host:port)</source>
        <translation>„%1“ ist keine Serveradresse (Rechner:Port)</translation>
    </message>
    <message>
        <source>it refused to list %1 (error %2)</source>
        <translation>er hat das Auflisten von %1 abgelehnt (Fehler %2)</translation>
    </message>
    <message>
        <source>its listing holds a zero byte</source>
        <translation>seine Auflistung enthält ein Null-Byte</translation>
    </message>
    <message>
        <source>it announced an answer of %1 bytes</source>
        <translation>er hat eine Antwort von %1 Bytes angekündigt</translation>
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
    <name>TRegularFile</name>
    <message>
        <source>is a folder, not a file</source>
        <translation>ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>is a named pipe, not a file</source>
        <translation>ist eine benannte Pipe, keine Datei</translation>
    </message>
    <message>
        <source>is a character device, not a file</source>
        <translation>ist ein zeichenorientiertes Gerät, keine Datei</translation>
    </message>
    <message>
        <source>is a block device, not a file</source>
        <translation>ist ein blockorientiertes Gerät, keine Datei</translation>
    </message>
    <message>
        <source>is a socket, not a file</source>
        <translation>ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>is larger than %1 bytes</source>
        <translation>ist größer als %1 Bytes</translation>
    </message>
</context>
<context>
    <name>TSerErrors</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Dateizugriff verweigert</translation>
    </message>
    <message>
        <source>Invalid file handle</source>
        <translation>Ungültiges Datei-Handle</translation>
    </message>
    <message>
        <source>Insufficient memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Invalid drive</source>
        <translation>Ungültiges Laufwerk</translation>
    </message>
    <message>
        <source>No more files</source>
        <translation>Keine weiteren Dateien</translation>
    </message>
    <message>
        <source>Attempt to read beyond end of file</source>
        <translation>Versuch, über das Dateiende hinaus zu lesen</translation>
    </message>
    <message>
        <source>Disk is full</source>
        <translation>Der Datenträger ist voll</translation>
    </message>
    <message>
        <source>File/device not assigned</source>
        <translation>Datei/Gerät nicht zugeordnet</translation>
    </message>
    <message>
        <source>File/device not open</source>
        <translation>Datei/Gerät nicht geöffnet</translation>
    </message>
    <message>
        <source>File/device not open for input</source>
        <translation>Datei/Gerät nicht zum Lesen geöffnet</translation>
    </message>
    <message>
        <source>File/device not open for output</source>
        <translation>Datei/Gerät nicht zum Schreiben geöffnet</translation>
    </message>
    <message>
        <source>Disk is write-protected</source>
        <translation>Der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Unknown disk unit</source>
        <translation>Unbekanntes Laufwerk</translation>
    </message>
    <message>
        <source>Drive is not ready</source>
        <translation>Das Laufwerk ist nicht bereit</translation>
    </message>
    <message>
        <source>Unknown command</source>
        <translation>Unbekannter Befehl</translation>
    </message>
    <message>
        <source>Data error</source>
        <translation>Datenfehler</translation>
    </message>
    <message>
        <source>Bad request structure length</source>
        <translation>Falsche Länge der Anfragestruktur</translation>
    </message>
    <message>
        <source>Seek error</source>
        <translation>Positionierungsfehler</translation>
    </message>
    <message>
        <source>Unknown media type</source>
        <translation>Unbekannter Datenträgertyp</translation>
    </message>
    <message>
        <source>Disk sector not found</source>
        <translation>Sektor nicht gefunden</translation>
    </message>
    <message>
        <source>Printer is out of paper</source>
        <translation>Der Drucker hat kein Papier</translation>
    </message>
    <message>
        <source>Device write error</source>
        <translation>Schreibfehler am Gerät</translation>
    </message>
    <message>
        <source>Device read error</source>
        <translation>Lesefehler am Gerät</translation>
    </message>
    <message>
        <source>General failure</source>
        <translation>Allgemeiner Fehler</translation>
    </message>
    <message>
        <source>Specified comport doesn't exist</source>
        <translation>Der angegebene COM-Port existiert nicht</translation>
    </message>
    <message>
        <source>Device not open</source>
        <translation>Gerät nicht geöffnet</translation>
    </message>
    <message>
        <source>Device already open</source>
        <translation>Gerät bereits geöffnet</translation>
    </message>
    <message>
        <source>The ComNumber property of the TSerComPort has not been set</source>
        <translation>Die Eigenschaft ComNumber des TSerComPort ist nicht gesetzt</translation>
    </message>
    <message>
        <source>Failed to put entire block</source>
        <translation>Der Block konnte nicht vollständig gesendet werden</translation>
    </message>
    <message>
        <source>Output buffer too small for block</source>
        <translation>Der Ausgabepuffer ist zu klein für den Block</translation>
    </message>
    <message>
        <source>Buffer is empty</source>
        <translation>Der Puffer ist leer</translation>
    </message>
    <message>
        <source>Serial port exception</source>
        <translation>Fehler am seriellen Port</translation>
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
    <name>TSite</name>
    <message>
        <source>%1: there is no site here ("vtrk site create" makes one)</source>
        <translation>%1: hier gibt es kein Gebäude („vtrk site create“ legt eines an)</translation>
    </message>
    <message>
        <source>%1:%2: key list %3</source>
        <translation>%1:%2: Schlüsselliste %3</translation>
    </message>
    <message>
        <source>%1 lies outside the site folder</source>
        <translation>%1 liegt außerhalb des Gebäudeordners</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>%1: a site file exists already</source>
        <translation>%1: eine Gebäudedatei gibt es bereits</translation>
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
    <name>TSiteDoorRound</name>
    <message>
        <source>The controller did not tell its serial number, so its door is not known.</source>
        <translation>Die Steuerung hat ihre Seriennummer nicht genannt, daher ist ihre Tür nicht bekannt.</translation>
    </message>
    <message>
        <source>Controller %1 is not in the site yet.<byte value="xd"/>Is it the controller of door "%2"? Its key list %3 is then the list of this controller.</source>
        <translation>Die Steuerung %1 gehört noch nicht zum Gebäude.<byte value="xd"/>Ist sie die Steuerung der Tür „%2“? Deren Schlüsselliste %3 ist dann die Liste dieser Steuerung.</translation>
    </message>
    <message>
        <source>Door "%1" has a controller already.</source>
        <translation>Die Tür „%1“ hat bereits eine Steuerung.</translation>
    </message>
    <message>
        <source>Controller %1 is not in the site, and %2 exists already.<byte value="xd"/>Add that list to the site or move it away, then go round again.</source>
        <translation>Die Steuerung %1 gehört nicht zum Gebäude, und %2 gibt es bereits.<byte value="xd"/>Nehmen Sie diese Liste in das Gebäude auf oder verschieben Sie sie, und starten Sie den Rundgang erneut.</translation>
    </message>
    <message>
        <source>Controller %1 is not in the site.<byte value="xd"/>Read everything it holds into a new key list %2 and add it to the site as a door?<byte value="xd"/>(To give it the list of a door that has no controller yet, choose that door first.)</source>
        <translation>Die Steuerung %1 gehört nicht zum Gebäude.<byte value="xd"/>Alles, was sie enthält, in eine neue Schlüsselliste %2 lesen und sie als Tür in das Gebäude aufnehmen?<byte value="xd"/>(Um ihr die Liste einer Tür ohne Steuerung zu geben, wählen Sie zuerst diese Tür.)</translation>
    </message>
    <message>
        <source>The key list %1 was saved, but the site was not changed:<byte value="xd"/>%2</source>
        <translation>Die Schlüsselliste %1 wurde gespeichert, das Gebäude aber nicht geändert:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Controller %1 is now door "%2" of the site.</source>
        <translation>Die Steuerung %1 ist jetzt die Tür „%2“ des Gebäudes.</translation>
    </message>
</context>
<context>
    <name>TSiteDoorWitness</name>
    <message>
        <source>The site's history of controller %1 was not updated: %2</source>
        <translation>Der Verlauf des Gebäudes für Steuerung %1 wurde nicht ergänzt: %2</translation>
    </message>
</context>
<context>
    <name>TSiteFile</name>
    <message>
        <source>%1: is not UTF-8 text</source>
        <translation>%1: ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>unknown section %1</source>
        <translation>unbekannter Abschnitt %1</translation>
    </message>
    <message>
        <source>expected "key = value"</source>
        <translation>erwartet „Schlüssel = Wert“</translation>
    </message>
    <message>
        <source>the value holds a control character</source>
        <translation>der Wert enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>"%1" before [site] or [door]</source>
        <translation>„%1“ vor [site] oder [door]</translation>
    </message>
    <message>
        <source>"%1" given twice for one door</source>
        <translation>„%1“ zweimal für eine Tür angegeben</translation>
    </message>
    <message>
        <source>the door names no key list ("list = ...")</source>
        <translation>die Tür nennt keine Schlüsselliste („list = ...“)</translation>
    </message>
    <message>
        <source>serial number %1 is named twice (also at line %2)</source>
        <translation>die Seriennummer %1 ist zweimal genannt (auch in Zeile %2)</translation>
    </message>
    <message>
        <source>key list %1 is named twice (also at line %2)</source>
        <translation>die Schlüsselliste %1 ist zweimal genannt (auch in Zeile %2)</translation>
    </message>
</context>
<context>
    <name>TSiteFolder</name>
    <message>
        <source>Can not save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Can not use %1: it is not a folder</source>
        <translation>%1 kann nicht verwendet werden: es ist kein Ordner</translation>
    </message>
    <message>
        <source>Can not make the folder %1: %2</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2</translation>
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
    <message>
        <source>Door round...</source>
        <translation>Türrundgang...</translation>
    </message>
    <message>
        <source>Recognise the controller on the port, open its door's list and write what differs</source>
        <translation>Die Steuerung am Anschluss erkennen, die Liste ihrer Tür öffnen und die Unterschiede schreiben</translation>
    </message>
</context>
<context>
    <name>TSiteGive</name>
    <message>
        <source>already holds the key at %1</source>
        <translation>enthält den Schlüssel bereits auf %1</translation>
    </message>
    <message>
        <source>has no %1</source>
        <translation>hat keinen %1</translation>
    </message>
    <message>
        <source>%1 was not read from the controller; read it first</source>
        <translation>%1 wurde nicht aus der Steuerung gelesen; lesen Sie zuerst</translation>
    </message>
    <message>
        <source>%1 holds another key</source>
        <translation>%1 enthält einen anderen Schlüssel</translation>
    </message>
    <message>
        <source>has no free slave slot</source>
        <translation>hat keinen freien Benutzerschlüssel-Platz</translation>
    </message>
</context>
<context>
    <name>TSiteJournal</name>
    <message>
        <source>Can not write the journal %1: %2</source>
        <translation>Das Journal %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Can not open the journal %1: %2</source>
        <translation>Das Journal %1 kann nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>TSiteListWriter</name>
    <message>
        <source>Can not save the key list %1: %2</source>
        <translation>Die Schlüsselliste %1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1 (open in the window): %2</source>
        <translation>%1 (im Fenster geöffnet): %2</translation>
    </message>
    <message>
        <source>changed in the open window; save it there</source>
        <translation>im geöffneten Fenster geändert; speichern Sie sie dort</translation>
    </message>
    <message>
        <source>it has no %1 #%2</source>
        <translation>sie hat keinen %1 #%2</translation>
    </message>
    <message>
        <source>%1 #%2 was changed meanwhile; nothing was changed in this list</source>
        <translation>%1 #%2 wurde inzwischen geändert; an dieser Liste wurde nichts geändert</translation>
    </message>
    <message>
        <source>the table could not be written</source>
        <translation>die Tabelle konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>saved, but not journalled: %1</source>
        <translation>gespeichert, aber nicht im Journal vermerkt: %1</translation>
    </message>
</context>
<context>
    <name>TSiteOpenList</name>
    <message>
        <source>%1 #%2 %3; nothing was changed in this list</source>
        <translation>%1 #%2 %3; an dieser Liste wurde nichts geändert</translation>
    </message>
    <message>
        <source>No key list is open in the window.</source>
        <translation>Im Fenster ist keine Schlüsselliste geöffnet.</translation>
    </message>
    <message>
        <source>is not in the open list</source>
        <translation>ist nicht in der geöffneten Liste</translation>
    </message>
    <message>
        <source>was changed in the window</source>
        <translation>wurde im Fenster geändert</translation>
    </message>
</context>
<context>
    <name>TSiteSaveJournal</name>
    <message>
        <source>The key list was saved, but the site journal does not record it: %1</source>
        <translation>Die Schlüsselliste wurde gespeichert, aber das Journal des Gebäudes vermerkt es nicht: %1</translation>
    </message>
</context>
<context>
    <name>TSiteStatus</name>
    <message>
        <source>in step</source>
        <translation>abgeglichen</translation>
    </message>
    <message>
        <source>1 change to write</source>
        <translation>1 Änderung zu schreiben</translation>
    </message>
    <message>
        <source>%1 changes to write</source>
        <translation>%1 Änderungen zu schreiben</translation>
    </message>
    <message>
        <source>never read</source>
        <translation>nie gelesen</translation>
    </message>
    <message>
        <source>no controller yet</source>
        <translation>noch keine Steuerung</translation>
    </message>
    <message>
        <source>unreadable: %1</source>
        <translation>nicht lesbar: %1</translation>
    </message>
</context>
<context>
    <name>TSnapshotStore</name>
    <message>
        <source>Can not write a snapshot in %1: %2</source>
        <translation>Es kann keine Momentaufnahme in %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Can not make the snapshot folder %1: %2</source>
        <translation>Der Ordner für Momentaufnahmen %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Can not use the snapshot folder %1: it is not a folder of this user</source>
        <translation>Der Ordner für Momentaufnahmen %1 kann nicht verwendet werden: er gehört nicht diesem Benutzer</translation>
    </message>
    <message>
        <source>Can not make the snapshot folder %1 private: %2</source>
        <translation>Der Ordner für Momentaufnahmen %1 kann nicht privat gemacht werden: %2</translation>
    </message>
    <message>
        <source>Can not write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Can not make the snapshot folder %1</source>
        <translation>Der Ordner für Momentaufnahmen %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Can not name a snapshot in %1</source>
        <translation>In %1 kann keine Momentaufnahme benannt werden</translation>
    </message>
    <message>
        <source>The snapshot of the controller was not stored: %1</source>
        <translation>Die Momentaufnahme der Steuerung wurde nicht gespeichert: %1</translation>
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
    <name>TSyncCommands</name>
    <message>
        <source>To compare keys with the controller you must first create new or open key list.</source>
        <translation>Um Schlüssel mit der Steuerung zu vergleichen, legen Sie zuerst eine Schlüsselliste an oder öffnen Sie eine.</translation>
    </message>
    <message>
        <source>Writing changes to controller...</source>
        <translation>Änderungen werden in die Steuerung geschrieben...</translation>
    </message>
    <message>
        <source>Reading master keys list from controller...</source>
        <translation>Stammschlüssel werden aus der Steuerung gelesen...</translation>
    </message>
    <message>
        <source>Reading slave keys list from controller...</source>
        <translation>Benutzerschlüssel werden aus der Steuerung gelesen...</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>This snapshot was taken from controller %1, but the connected controller is %2.<byte value="xd"/>Restore it to this controller anyway (for example to a replacement unit)?</source>
        <translation>Diese Momentaufnahme stammt von der Steuerung %1, angeschlossen ist aber die Steuerung %2.<byte value="xd"/>Trotzdem in diese Steuerung zurückschreiben (zum Beispiel in ein Ersatzgerät)?</translation>
    </message>
    <message>
        <source>New key list</source>
        <translation>Neue Schlüsselliste</translation>
    </message>
    <message>
        <source>Key list: new key list from the snapshot of %1, %2</source>
        <translation>Schlüsselliste: neue Schlüsselliste aus der Momentaufnahme von %1, %2</translation>
    </message>
</context>
<context>
    <name>TTcpStream</name>
    <message>
        <source>%1 was not found in time</source>
        <translation>%1 wurde nicht rechtzeitig gefunden</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>no answer in time</source>
        <translation>keine rechtzeitige Antwort</translation>
    </message>
    <message>
        <source>the connection was closed</source>
        <translation>die Verbindung wurde geschlossen</translation>
    </message>
</context>
<context>
    <name>TTransferReport</name>
    <message>
        <source>Master keys</source>
        <translation>Stammschlüssel</translation>
    </message>
    <message>
        <source>Slave keys</source>
        <translation>Benutzerschlüssel</translation>
    </message>
    <message>
        <source>read</source>
        <translation>gelesen</translation>
    </message>
    <message>
        <source>written</source>
        <translation>geschrieben</translation>
    </message>
    <message>
        <source>The transfer was stopped.</source>
        <translation>Die Übertragung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>These key slots were not %1 for sure:</source>
        <translation>Diese Schlüsselplätze wurden nicht sicher %1:</translation>
    </message>
    <message>
        <source>Unknown: the write may or may not have been applied there; read the controller again.</source>
        <translation>Unbekannt: das Schreiben kann dort angekommen sein oder nicht; lesen Sie die Steuerung erneut.</translation>
    </message>
    <message>
        <source>The key list marks them as not read (%1); read the controller again.</source>
        <translation>Die Schlüsselliste kennzeichnet sie als nicht gelesen (%1); lesen Sie die Steuerung erneut.</translation>
    </message>
    <message>
        <source>%1 were not %2.</source>
        <translation>%1 wurden nicht %2.</translation>
    </message>
    <message>
        <source>%1 from #%2 on were not %3.</source>
        <translation>%1 ab #%2 wurden nicht %3.</translation>
    </message>
    <message>
        <source>Connect the controller again, choose its port and repeat the command.</source>
        <translation>Schließen Sie die Steuerung wieder an, wählen Sie ihren Port und wiederholen Sie den Befehl.</translation>
    </message>
    <message>
        <source>Check the cable and repeat the command.</source>
        <translation>Prüfen Sie das Kabel und wiederholen Sie den Befehl.</translation>
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
    <name>TWriteWarnings</name>
    <message>
        <source>master #%1</source>
        <translation>Stammschlüssel #%1</translation>
    </message>
    <message>
        <source>slave #%1</source>
        <translation>Benutzerschlüssel #%1</translation>
    </message>
    <message>
        <source>No active master key would remain: the controller could no longer be programmed with a master key.</source>
        <translation>Es bliebe kein aktiver Stammschlüssel: die Steuerung könnte nicht mehr mit einem Stammschlüssel programmiert werden.</translation>
    </message>
    <message>
        <source>The slave key %1 is also a master key (%2).</source>
        <translation>Der Benutzerschlüssel %1 ist auch ein Stammschlüssel (%2).</translation>
    </message>
    <message>
        <source>The key %1 appears more than once (%2).</source>
        <translation>Der Schlüssel %1 kommt mehrfach vor (%2).</translation>
    </message>
    <message>
        <source>Before writing to the controller:<byte value="xd"/>%1<byte value="xd"/>Do you want to continue?</source>
        <translation>Vor dem Schreiben in die Steuerung:<byte value="xd"/>%1<byte value="xd"/>Möchten Sie fortfahren?</translation>
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
