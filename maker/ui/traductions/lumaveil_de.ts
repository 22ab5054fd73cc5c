<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Changement</name>
    <message>
        <source>Load picture</source>
        <translation>Bild laden</translation>
    </message>
    <message>
        <source>Unload picture</source>
        <translation>Bild entfernen</translation>
    </message>
    <message>
        <source>Drop picture</source>
        <translation>Bild ablegen</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Colour adjustment</source>
        <translation>Farbanpassung</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Changing effect</source>
        <translation>Übergangseffekt</translation>
    </message>
    <message>
        <source>Displaying duration</source>
        <translation>Anzeigedauer</translation>
    </message>
    <message>
        <source>Change screen</source>
        <translation>Bildschirm ändern</translation>
    </message>
    <message>
        <source>New screen</source>
        <translation>Neuer Bildschirm</translation>
    </message>
    <message>
        <source>Delete screen</source>
        <translation>Bildschirm löschen</translation>
    </message>
    <message>
        <source>Delete all screens</source>
        <translation>Alle Bildschirme löschen</translation>
    </message>
    <message>
        <source>Move screen</source>
        <translation>Bildschirm verschieben</translation>
    </message>
    <message>
        <source>Add photos</source>
        <translation>Fotos hinzufügen</translation>
    </message>
    <message>
        <source>Display properties</source>
        <translation>Anzeigeeigenschaften</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>Template for all screens</source>
        <translation>Vorlage für alle Bildschirme</translation>
    </message>
    <message>
        <source>Playing options</source>
        <translation>Wiedergabeoptionen</translation>
    </message>
    <message>
        <source>Rebuild screens</source>
        <translation>Bildschirme neu erstellen</translation>
    </message>
    <message>
        <source>Pair portrait photos</source>
        <translation>Hochformatfotos paarweise zeigen</translation>
    </message>
</context>
<context>
    <name>Commandes</name>
    <message>
        <source>Add &amp;photos...	Ctrl+Shift+O</source>
        <translation>&amp;Fotos hinzufügen...	Strg+Umschalt+O</translation>
    </message>
    <message>
        <source>Add photos</source>
        <translation>Fotos hinzufügen</translation>
    </message>
    <message>
        <source>Add &amp;folder...</source>
        <translation>&amp;Ordner hinzufügen...</translation>
    </message>
    <message>
        <source>Add in name order</source>
        <translation>Nach Namen hinzufügen</translation>
    </message>
    <message>
        <source>Add in date order</source>
        <translation>Nach Datum hinzufügen</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Neu	Strg+N</translation>
    </message>
    <message>
        <source>Creates a new document</source>
        <translation>Erstellt ein neues Dokument</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Strg+O</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Öffnet ein vorhandenes Dokument</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Strg+S</translation>
    </message>
    <message>
        <source>Save working document</source>
        <translation>Speichert das aktuelle Dokument</translation>
    </message>
    <message>
        <source>S&amp;ave as...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Strg+Z</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Macht die letzte Änderung rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Shift+Z</source>
        <translation>&amp;Wiederherstellen	Strg+Umschalt+Z</translation>
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
        <source>Redo the change undone</source>
        <translation>Stellt die rückgängig gemachte Änderung wieder her</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Create a new screen</source>
        <translation>Erstellt einen neuen Bildschirm</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete selected screen</source>
        <translation>Löscht den ausgewählten Bildschirm</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorheriger</translation>
    </message>
    <message>
        <source>Select previous screen</source>
        <translation>Wählt den vorherigen Bildschirm</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>Select next screen</source>
        <translation>Wählt den nächsten Bildschirm</translation>
    </message>
    <message>
        <source>Picture loading</source>
        <translation>Bild laden</translation>
    </message>
    <message>
        <source>Picture unloading</source>
        <translation>Bild entfernen</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Color Adjustment</source>
        <translation>Farbanpassung</translation>
    </message>
    <message>
        <source>Stretching</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Text definition</source>
        <translation>Texte festlegen</translation>
    </message>
    <message>
        <source>Border definition</source>
        <translation>Rahmen festlegen</translation>
    </message>
    <message>
        <source>Background definition</source>
        <translation>Hintergrund festlegen</translation>
    </message>
    <message>
        <source>Changing effect</source>
        <translation>Übergangseffekt</translation>
    </message>
    <message>
        <source>Displaying duration</source>
        <translation>Anzeigedauer</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erzeugen</translation>
    </message>
    <message>
        <source>Generate a screen saver</source>
        <translation>Erzeugt einen Bildschirmschoner</translation>
    </message>
    <message>
        <source>Save for Windows</source>
        <translation>Für Windows speichern</translation>
    </message>
    <message>
        <source>Save for Linux</source>
        <translation>Für Linux speichern</translation>
    </message>
    <message>
        <source>Save as web page</source>
        <translation>Als Webseite speichern</translation>
    </message>
    <message>
        <source>Send by email</source>
        <translation>Per E-Mail senden</translation>
    </message>
    <message>
        <source>Send to Internet</source>
        <translation>Ins Internet senden</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Help manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>Information about software</source>
        <translation>Informationen zur Software</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Vorführung</translation>
    </message>
    <message>
        <source>About Lumaveil...</source>
        <translation>Über Lumaveil...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>You must create at least 2 screens before generating a screen saver !</source>
        <translation>Vor dem Erzeugen eines Bildschirmschoners müssen Sie mindestens 2 Bildschirme anlegen!</translation>
    </message>
    <message>
        <source>Unable to put software engine !</source>
        <translation>Die Wiedergabe-Engine kann nicht abgelegt werden!</translation>
    </message>
    <message>
        <source>*** Treatment of screen n°%d ***</source>
        <translation>*** Bearbeitung von Bildschirm Nr. %d ***</translation>
    </message>
    <message>
        <source>Break the sequence ?</source>
        <translation>Ablauf abbrechen?</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>To use this screen saver under &apos;Displaying properties&apos;,
it must be copy under Windows system directory.

Copy screen saver ?</source>
        <translation>Um diesen Bildschirmschoner in den „Anzeigeeigenschaften“ zu verwenden,
muss er in das Windows-Systemverzeichnis kopiert werden.

Bildschirmschoner kopieren?</translation>
    </message>
    <message>
        <source>Error during saving of this screen !
Do you want to continue ?</source>
        <translation>Fehler beim Speichern dieses Bildschirms!
Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Now, under &apos;Displaying properties&apos; , select &apos;screen saver&apos;.
Choice your new artistic creation.</source>
        <translation>Wählen Sie jetzt in den „Anzeigeeigenschaften“ den Punkt „Bildschirmschoner“.
Wählen Sie Ihre neue Kreation aus.</translation>
    </message>
    <message>
        <source>Unable to write-open file</source>
        <translation>Die Datei kann nicht zum Schreiben geöffnet werden</translation>
    </message>
    <message>
        <source>No saved file.
First, you must save screensaver in file.</source>
        <translation>Keine gespeicherte Datei.
Speichern Sie den Bildschirmschoner zuerst in einer Datei.</translation>
    </message>
    <message>
        <source>Confirm sending saved screensaver by email ?</source>
        <translation>Den gespeicherten Bildschirmschoner per E-Mail senden?</translation>
    </message>
    <message>
        <source>Unable to send screensaver by email.
No email capacity found.</source>
        <translation>Der Bildschirmschoner kann nicht per E-Mail gesendet werden.
Kein E-Mail-Programm gefunden.</translation>
    </message>
    <message>
        <source>Screensaver</source>
        <translation>Bildschirmschoner</translation>
    </message>
    <message>
        <source>This message contains a screen saver generated by Lumaveil, the screen saver maker of Vermalune (https://www.vermalune.org/lumaveil/).</source>
        <translation>Diese Nachricht enthält einen Bildschirmschoner, der mit Lumaveil erstellt wurde, dem Bildschirmschoner-Editor von Vermalune (https://www.vermalune.org/lumaveil/).</translation>
    </message>
    <message>
        <source>The easiest way to install it is with Murvalo, another product of Vermalune: https://www.vermalune.org/lumaveil/</source>
        <translation>Am einfachsten installieren Sie ihn mit Murvalo, einem weiteren Produkt von Vermalune: https://www.vermalune.org/lumaveil/</translation>
    </message>
    <message>
        <source>Confirm sending saved screensaver on Internet ?</source>
        <translation>Den gespeicherten Bildschirmschoner ins Internet senden?</translation>
    </message>
    <message>
        <source>Unable to send screensaver on Internet.
No FTP capacity found.</source>
        <translation>Der Bildschirmschoner kann nicht ins Internet gesendet werden.
Keine FTP-Verbindung verfügbar.</translation>
    </message>
    <message>
        <source>Unable to send screensaver on Internet.
Verify connection or parameters.</source>
        <translation>Der Bildschirmschoner kann nicht ins Internet gesendet werden.
Prüfen Sie die Verbindung oder die Einstellungen.</translation>
    </message>
    <message>
        <source>Unable to compress file.</source>
        <translation>Die Datei kann nicht komprimiert werden.</translation>
    </message>
    <message>
        <source>Many mail services refuse screen saver (.scr) attachments, even compressed ones.
If the message does not arrive, use &quot;Send to Internet&quot; and send the address of the download page instead.</source>
        <translation>Viele E-Mail-Dienste lehnen Bildschirmschoner-Anhänge (.scr) ab, auch komprimierte.
Kommt die Nachricht nicht an, verwenden Sie „Ins Internet senden“ und schicken Sie stattdessen die Adresse der Download-Seite.</translation>
    </message>
    <message>
        <source>To use this screen saver with xscreensaver,
it must be installed as an xscreensaver hack.

Install screen saver ?</source>
        <translation>Um diesen Bildschirmschoner mit xscreensaver zu verwenden,
muss er als xscreensaver-Modul (Hack) installiert werden.

Bildschirmschoner installieren?</translation>
    </message>
    <message>
        <source>No screen was saved, so no screen saver was written.</source>
        <translation>Es wurde kein Bildschirm gespeichert, daher wurde kein Bildschirmschoner geschrieben.</translation>
    </message>
    <message>
        <source>The SFTP server %s is not known yet.
The fingerprint of its key is:
%s

Is it the fingerprint your server&apos;s administrator gives ?
Trust this server (its key is then remembered) ?</source>
        <translation>Der SFTP-Server %s ist noch nicht bekannt.
Der Fingerabdruck seines Schlüssels lautet:
%s

Ist das der Fingerabdruck, den der Administrator Ihres Servers angibt?
Diesem Server vertrauen (sein Schlüssel wird dann gespeichert)?</translation>
    </message>
    <message>
        <source>Now, in xscreensaver&apos;s settings, select &apos;%s&apos;.
Choice your new artistic creation.</source>
        <translation>Wählen Sie jetzt in den Einstellungen von xscreensaver „%s“.
Wählen Sie Ihre neue Kreation aus.</translation>
    </message>
    <message>
        <source>Unable to open the file for writing</source>
        <translation>Die Datei kann nicht zum Schreiben geöffnet werden</translation>
    </message>
    <message>
        <source>Unable to open the file for reading</source>
        <translation>Die Datei kann nicht zum Lesen geöffnet werden</translation>
    </message>
    <message>
        <source>This file is not a Lumaveil template</source>
        <translation>Diese Datei ist keine Lumaveil-Vorlage</translation>
    </message>
    <message>
        <source>This file isn&apos;t correct.</source>
        <translation>Diese Datei ist fehlerhaft.</translation>
    </message>
    <message>
        <source>This file is damaged or incomplete.</source>
        <translation>Diese Datei ist beschädigt oder unvollständig.</translation>
    </message>
    <message>
        <source>File %ld kb   %2d/%2d/%4d</source>
        <translation>Datei %ld KB   %2d/%2d/%4d</translation>
    </message>
    <message>
        <source>Format %3dx%3d</source>
        <translation>Format %3dx%3d</translation>
    </message>
    <message>
        <source>*** No loaded picture ***</source>
        <translation>*** Kein Bild geladen ***</translation>
    </message>
    <message>
        <source>Cutting.done.</source>
        <translation>Zuschnitt erfolgt.</translation>
    </message>
    <message>
        <source>No defined cutting.</source>
        <translation>Kein Zuschnitt festgelegt.</translation>
    </message>
    <message>
        <source>Rotating of %d° done.</source>
        <translation>Drehung um %d° erfolgt.</translation>
    </message>
    <message>
        <source>No defined rotating..</source>
        <translation>Keine Drehung festgelegt.</translation>
    </message>
    <message>
        <source>Color adjustment done.</source>
        <translation>Farbkorrektur erfolgt.</translation>
    </message>
    <message>
        <source>No color adjustment defined.</source>
        <translation>Keine Farbkorrektur festgelegt.</translation>
    </message>
    <message>
        <source>No defined stretching.</source>
        <translation>Keine Größenänderung festgelegt.</translation>
    </message>
    <message>
        <source>Stretching to fit the screen.</source>
        <translation>Größe an den Bildschirm angepasst.</translation>
    </message>
    <message>
        <source>Stretching to %d%%.</source>
        <translation>Größe auf %d%% geändert.</translation>
    </message>
    <message>
        <source>Stretching to %dx%d.</source>
        <translation>Größe auf %dx%d geändert.</translation>
    </message>
    <message>
        <source>Defined text(s).</source>
        <translation>Text(e) festgelegt.</translation>
    </message>
    <message>
        <source>No defined text.</source>
        <translation>Kein Text festgelegt.</translation>
    </message>
    <message>
        <source>Defined border.</source>
        <translation>Rahmen festgelegt.</translation>
    </message>
    <message>
        <source>No defined border.</source>
        <translation>Kein Rahmen festgelegt.</translation>
    </message>
    <message>
        <source>No defined background.</source>
        <translation>Kein Hintergrund festgelegt.</translation>
    </message>
    <message>
        <source>Defined pattern background.</source>
        <translation>Musterhintergrund festgelegt.</translation>
    </message>
    <message>
        <source>Defined white color background.</source>
        <translation>Weißer Hintergrund festgelegt.</translation>
    </message>
    <message>
        <source>Defined black color background.</source>
        <translation>Schwarzer Hintergrund festgelegt.</translation>
    </message>
    <message>
        <source>Defined color background.</source>
        <translation>Farbiger Hintergrund festgelegt.</translation>
    </message>
    <message>
        <source>Defined changing effect.</source>
        <translation>Übergangseffekt festgelegt.</translation>
    </message>
    <message>
        <source>No defined changing effect.</source>
        <translation>Kein Übergangseffekt festgelegt.</translation>
    </message>
    <message>
        <source>Defined duration to %d second(s)</source>
        <translation>Anzeigedauer: %d Sekunde(n)</translation>
    </message>
    <message>
        <source>The folder already holds files that were not written by an earlier web page:

%s
Replace them? A link is replaced itself, never the file it names.</source>
        <translation>Der Ordner enthält bereits Dateien, die nicht von einer früheren Webseite geschrieben wurden:

%s
Ersetzen? Ein Link wird selbst ersetzt, nie die Datei, auf die er verweist.</translation>
    </message>
    <message>
        <source>The web page was not written: the folder is left as it was.</source>
        <translation>Die Webseite wurde nicht geschrieben: Der Ordner bleibt unverändert.</translation>
    </message>
    <message>
        <source>The web page was written only in part: this file could not be put in place</source>
        <translation>Die Webseite wurde nur teilweise geschrieben: Diese Datei konnte nicht abgelegt werden</translation>
    </message>
    <message>
        <source>Sending to %1</source>
        <translation>Senden an %1</translation>
    </message>
    <message>
        <source>Unable to open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Warning ! Displaying properties have changed.
All screens must be rebuild.
This operation may change quality of actual screen.

Confirm this operation ?</source>
        <translation>Achtung! Die Anzeigeeigenschaften wurden geändert.
Alle Bildschirme müssen neu aufgebaut werden.
Dies kann die Qualität des aktuellen Bildschirms verändern.

Vorgang bestätigen?</translation>
    </message>
    <message>
        <source>Drag&amp;drop all pictures on list to create screens !</source>
        <translation>Ziehen Sie alle Bilder auf die Liste, um Bildschirme anzulegen!</translation>
    </message>
    <message>
        <source>Rebuilding the screen</source>
        <translation>Bildschirm wird neu aufgebaut</translation>
    </message>
    <message>
        <source>
Italic</source>
        <translation>
Kursiv</translation>
    </message>
    <message>
        <source>
Underline</source>
        <translation>
Unterstrichen</translation>
    </message>
    <message>
        <source>
Barred</source>
        <translation>
Durchgestrichen</translation>
    </message>
    <message>
        <source>
Bold</source>
        <translation>
Fett</translation>
    </message>
    <message>
        <source>Unable to validate data.</source>
        <translation>Die Daten können nicht übernommen werden.</translation>
    </message>
    <message>
        <source>Text n°%d</source>
        <translation>Text Nr. %d</translation>
    </message>
    <message>
        <source>Unable to load file</source>
        <translation>Die Datei kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Input of new filename</source>
        <translation>Neuen Dateinamen eingeben</translation>
    </message>
    <message>
        <source>File copy error

Unable to access source file.</source>
        <translation>Fehler beim Kopieren

Auf die Quelldatei kann nicht zugegriffen werden.</translation>
    </message>
    <message>
        <source>File copy error

Unable to access destination file.</source>
        <translation>Fehler beim Kopieren

Auf die Zieldatei kann nicht zugegriffen werden.</translation>
    </message>
    <message>
        <source>File copy error

Unable to write destination file.</source>
        <translation>Fehler beim Kopieren

Die Zieldatei kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Unable to add pattern.
User pattern number is too big 
or invalid file.</source>
        <translation>Das Muster kann nicht hinzugefügt werden.
Es gibt zu viele eigene Muster
oder die Datei ist ungültig.</translation>
    </message>
    <message>
        <source>Unable to delete pattern.
You can only delete user pattern.</source>
        <translation>Das Muster kann nicht gelöscht werden.
Nur eigene Muster können gelöscht werden.</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
</context>
<context>
    <name>lumaveil::BarreBoutons</name>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
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
    <name>lumaveil::CApercuFenetre</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>lumaveil::CAssistantDlg</name>
    <message>
        <source>Screen saver creation wizard</source>
        <translation>Assistent zum Erstellen eines Bildschirmschoners</translation>
    </message>
    <message>
        <source>this wizard help you to create quickly a screen saver.</source>
        <translation>Dieser Assistent hilft Ihnen, schnell einen Bildschirmschoner zu erstellen.</translation>
    </message>
    <message>
        <source>Steps for wizard mode :</source>
        <translation>Schritte des Assistenten:</translation>
    </message>
    <message>
        <source>1 -  Displaying properties selection.</source>
        <translation>1 -  Anzeigeeigenschaften wählen.</translation>
    </message>
    <message>
        <source>2 - Template definition.</source>
        <translation>2 - Vorlage festlegen.</translation>
    </message>
    <message>
        <source>3 - Pictures selection.</source>
        <translation>3 - Bilder auswählen.</translation>
    </message>
    <message>
        <source>4 - Screen saver generation.</source>
        <translation>4 - Bildschirmschoner erzeugen.</translation>
    </message>
    <message>
        <source>Follow each step of wizard to create quickly and easily a screen saver.
You can stop this wizard at any moment by selecting &apos;Finish&apos;.</source>
        <translation>Folgen Sie den Schritten des Assistenten, um schnell und einfach einen Bildschirmschoner zu erstellen.
Sie können den Assistenten jederzeit mit „Fertigstellen“ beenden.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertigstellen</translation>
    </message>
</context>
<context>
    <name>lumaveil::CChampNombre</name>
    <message>
        <source>Up</source>
        <translation>Höher</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Niedriger</translation>
    </message>
    <message>
        <source> up</source>
        <translation> hoch</translation>
    </message>
    <message>
        <source> down</source>
        <translation> runter</translation>
    </message>
</context>
<context>
    <name>lumaveil::CCommandesGeneration</name>
    <message>
        <source>Save as web page</source>
        <translation>Als Webseite speichern</translation>
    </message>
    <message>
        <source>The web page is ready. Open index.html in a browser to watch the screen saver, or copy the whole folder to any web host and share the link.

%1</source>
        <translation>Die Webseite ist fertig. Öffnen Sie index.html in einem Browser, um den Bildschirmschoner anzusehen, oder kopieren Sie den ganzen Ordner auf einen Webserver und teilen Sie den Link.

%1</translation>
    </message>
    <message>
        <source>The screen saver is saved as:
%1

Open the folder that holds it?</source>
        <translation>Der Bildschirmschoner wurde gespeichert als:
%1

Den Ordner öffnen, der ihn enthält?</translation>
    </message>
</context>
<context>
    <name>lumaveil::CConfigurationDlg</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source> Yes</source>
        <translation> Ja</translation>
    </message>
    <message>
        <source> No</source>
        <translation> Nein</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Start wizard at beginning :</source>
        <translation>Assistenten beim Start öffnen:</translation>
    </message>
    <message>
        <source>Send compressed fil (*.gz) by email :</source>
        <translation>Komprimierte Datei (*.gz) per E-Mail senden:</translation>
    </message>
    <message>
        <source>Quality of image JPEG :</source>
        <translation>JPEG-Bildqualität:</translation>
    </message>
    <message>
        <source>Playing (saved with the project)</source>
        <translation>Wiedergabe (wird mit dem Projekt gespeichert)</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Zufällige Reihenfolge</translation>
    </message>
    <message>
        <source>The same screen on every monitor</source>
        <translation>Derselbe Bildschirm auf jedem Monitor</translation>
    </message>
    <message>
        <source>Different screens on each monitor</source>
        <translation>Verschiedene Bildschirme auf jedem Monitor</translation>
    </message>
</context>
<context>
    <name>lumaveil::CDoc</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
</context>
<context>
    <name>lumaveil::CDureeDlg</name>
    <message>
        <source>Displaying duration definition</source>
        <translation>Anzeigedauer festlegen</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>second(s)</source>
        <translation>Sekunde(n)</translation>
    </message>
    <message>
        <source>Select a duration between 1 to 180 seconds</source>
        <translation>Wählen Sie eine Dauer zwischen 1 und 180 Sekunden</translation>
    </message>
</context>
<context>
    <name>lumaveil::CEffetDlg</name>
    <message>
        <source>No effect.</source>
        <translation>Kein Effekt.</translation>
    </message>
    <message>
        <source>New screen is only displayed on old screen.</source>
        <translation>Der neue Bildschirm wird einfach über dem alten angezeigt.</translation>
    </message>
    <message>
        <source>Up/Down : </source>
        <translation>Oben/Unten: </translation>
    </message>
    <message>
        <source>New screen go down on old screen.</source>
        <translation>Der neue Bildschirm gleitet von oben über den alten.</translation>
    </message>
    <message>
        <source>Up-left/Down :</source>
        <translation>Oben links/Unten:</translation>
    </message>
    <message>
        <source>New scrren go down from up-left on old screen.</source>
        <translation>Der neue Bildschirm gleitet von oben links über den alten.</translation>
    </message>
    <message>
        <source>Down-right/Up :</source>
        <translation>Unten rechts/Oben:</translation>
    </message>
    <message>
        <source>New screen go up from down-right on old screen.</source>
        <translation>Der neue Bildschirm gleitet von unten rechts über den alten.</translation>
    </message>
    <message>
        <source>Down/Up : </source>
        <translation>Unten/Oben: </translation>
    </message>
    <message>
        <source>New screen go up straight on old screen.</source>
        <translation>Der neue Bildschirm gleitet gerade von unten über den alten.</translation>
    </message>
    <message>
        <source>Left/right : </source>
        <translation>Links/Rechts: </translation>
    </message>
    <message>
        <source>New screen go from left to right on old screen.</source>
        <translation>Der neue Bildschirm gleitet von links nach rechts über den alten.</translation>
    </message>
    <message>
        <source>Stretching :</source>
        <translation>Dehnen:</translation>
    </message>
    <message>
        <source>New screen stretch up step by step on old screen.</source>
        <translation>Der neue Bildschirm dehnt sich schrittweise über den alten.</translation>
    </message>
    <message>
        <source>Random : </source>
        <translation>Zufällig: </translation>
    </message>
    <message>
        <source>a randomize effect from the list.</source>
        <translation>ein zufälliger Effekt aus der Liste.</translation>
    </message>
    <message>
        <source>Cross-fade</source>
        <translation>Überblenden</translation>
    </message>
    <message>
        <source>The new screen fades in over the old one.</source>
        <translation>Der neue Bildschirm wird über dem alten eingeblendet.</translation>
    </message>
    <message>
        <source>Pan and zoom</source>
        <translation>Schwenken und Zoomen</translation>
    </message>
    <message>
        <source>The screen slowly zooms and drifts while it is shown; it fades in.</source>
        <translation>Der Bildschirm zoomt und wandert langsam, während er gezeigt wird; er wird eingeblendet.</translation>
    </message>
    <message>
        <source>Random (all effects)</source>
        <translation>Zufällig (alle Effekte)</translation>
    </message>
    <message>
        <source>An effect chosen at random among all the others.</source>
        <translation>Ein zufällig gewählter Effekt unter allen anderen.</translation>
    </message>
    <message>
        <source>Changing effect definition</source>
        <translation>Übergangseffekt festlegen</translation>
    </message>
    <message>
        <source>Transition length :</source>
        <translation>Dauer des Übergangs:</translation>
    </message>
    <message>
        <source>Transition length</source>
        <translation>Dauer des Übergangs</translation>
    </message>
</context>
<context>
    <name>lumaveil::CGenerationDlg</name>
    <message>
        <source>Display</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Save for Windows</source>
        <translation>Für Windows speichern</translation>
    </message>
    <message>
        <source>Save for Linux</source>
        <translation>Für Linux speichern</translation>
    </message>
    <message>
        <source>Save as web page</source>
        <translation>Als Webseite speichern</translation>
    </message>
    <message>
        <source>Send by email</source>
        <translation>Per E-Mail senden</translation>
    </message>
    <message>
        <source>Send to Internet</source>
        <translation>Ins Internet senden</translation>
    </message>
    <message>
        <source>Screen saver Generation</source>
        <translation>Bildschirmschoner erzeugen</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Zufällige Reihenfolge</translation>
    </message>
    <message>
        <source>Each round shows every screen once, in a new random order.</source>
        <translation>Jeder Durchgang zeigt jeden Bildschirm einmal, in neuer zufälliger Reihenfolge.</translation>
    </message>
    <message>
        <source>The same screen on every monitor</source>
        <translation>Derselbe Bildschirm auf jedem Monitor</translation>
    </message>
    <message>
        <source>Different screens on each monitor</source>
        <translation>Verschiedene Bildschirme auf jedem Monitor</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>lumaveil::CInformationDialog</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Version software  n° %1</source>
        <translation>Softwareversion  %1</translation>
    </message>
    <message>
        <source>Lumaveil,  software to make screensavers.</source>
        <translation>Lumaveil,  Software zum Erstellen von Bildschirmschonern.</translation>
    </message>
    <message>
        <source>Lumaveil logo</source>
        <translation>Lumaveil-Logo</translation>
    </message>
</context>
<context>
    <name>lumaveil::CInternetDlg</name>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Lumaveil</source>
        <translation>Lumaveil</translation>
    </message>
    <message>
        <source>Server name</source>
        <translation>Servername</translation>
    </message>
    <message>
        <source>An FTP server (encrypted with TLS), or sftp://host for SFTP</source>
        <translation>Ein FTP-Server (mit TLS verschlüsselt) oder sftp://host für SFTP</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Portnummer</translation>
    </message>
    <message>
        <source>Passive mode</source>
        <translation>Passiver Modus</translation>
    </message>
    <message>
        <source>Allow unencrypted FTP (password sent in clear)</source>
        <translation>Unverschlüsseltes FTP erlauben (Passwort im Klartext)</translation>
    </message>
    <message>
        <source>Only for a server that offers no encryption: anyone on the way can read the password</source>
        <translation>Nur für einen Server ohne Verschlüsselung: Jeder auf dem Weg kann das Passwort mitlesen</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Server directory</source>
        <translation>Verzeichnis auf dem Server</translation>
    </message>
    <message>
        <source>Screensaver file name</source>
        <translation>Dateiname des Bildschirmschoners</translation>
    </message>
    <message>
        <source>Create a simple Web page for download.</source>
        <translation>Eine einfache Download-Webseite erstellen.</translation>
    </message>
    <message>
        <source>Web page name</source>
        <translation>Name der Webseite</translation>
    </message>
    <message>
        <source>Web address of the page</source>
        <translation>Webadresse der Seite</translation>
    </message>
    <message>
        <source>https://example.org/summer.html (optional)</source>
        <translation>https://example.org/sommer.html (optional)</translation>
    </message>
    <message>
        <source>Where people see the page once it is sent; &quot;Send by email&quot; can then send this link instead of the file</source>
        <translation>Wo die Seite nach dem Senden zu sehen ist; „Per E-Mail senden“ kann dann diesen Link statt der Datei schicken</translation>
    </message>
</context>
<context>
    <name>lumaveil::CKSFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>Alle Bilder</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Select images to load (use &apos;CTRL&apos; for multiple selection)</source>
        <translation>Zu ladende Bilder wählen (Mehrfachauswahl mit „Strg“)</translation>
    </message>
    <message>
        <source>Lumaveil File(*.lmv)</source>
        <translation>Lumaveil-Datei (*.lmv)</translation>
    </message>
    <message>
        <source>Lumaveil Template (*.mod)</source>
        <translation>Lumaveil-Vorlage (*.mod)</translation>
    </message>
    <message>
        <source>Template loading from</source>
        <translation>Vorlage laden aus</translation>
    </message>
    <message>
        <source>Template saving under</source>
        <translation>Vorlage speichern unter</translation>
    </message>
</context>
<context>
    <name>lumaveil::CListeView</name>
    <message>
        <source>Screens</source>
        <translation>Bildschirme</translation>
    </message>
    <message>
        <source>Moving screen</source>
        <translation>Bildschirm wird verschoben</translation>
    </message>
</context>
<context>
    <name>lumaveil::CMainFrame</name>
    <message>
        <source>Select a folder of photos</source>
        <translation>Fotoordner auswählen</translation>
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
        <source>&amp;Screen</source>
        <translation>B&amp;ildschirm</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Erzeugen</translation>
    </message>
    <message>
        <source>Se&amp;tup</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>About Lumaveil</source>
        <translation>Über Lumaveil</translation>
    </message>
</context>
<context>
    <name>lumaveil::CModeleDlg</name>
    <message>
        <source>Template definition</source>
        <translation>Vorlage festlegen</translation>
    </message>
    <message>
        <source>Template preview</source>
        <translation>Vorschau der Vorlage</translation>
    </message>
    <message>
        <source>Template loading</source>
        <translation>Vorlage laden</translation>
    </message>
    <message>
        <source>Template saving</source>
        <translation>Vorlage speichern</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertigstellen</translation>
    </message>
    <message>
        <source>OK for all</source>
        <translation>OK für alle</translation>
    </message>
    <message>
        <source>Loaded template &apos;%1&apos;.</source>
        <translation>Geladene Vorlage „%1“.</translation>
    </message>
    <message>
        <source>No loaded template.</source>
        <translation>Keine Vorlage geladen.</translation>
    </message>
    <message>
        <source>Saved template &apos;%1&apos;.</source>
        <translation>Gespeicherte Vorlage „%1“.</translation>
    </message>
    <message>
        <source>No saved template.</source>
        <translation>Keine Vorlage gespeichert.</translation>
    </message>
</context>
<context>
    <name>lumaveil::CModeleListe</name>
    <message>
        <source>Shown beside %1</source>
        <translation>Neben %1 gezeigt</translation>
    </message>
</context>
<context>
    <name>lumaveil::COutilDialog</name>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
</context>
<context>
    <name>lumaveil::CPanneauLignes</name>
    <message>
        <source>Stretching</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Text definition</source>
        <translation>Text festlegen</translation>
    </message>
    <message>
        <source>Border definition</source>
        <translation>Rahmen festlegen</translation>
    </message>
    <message>
        <source>Background definition</source>
        <translation>Hintergrund festlegen</translation>
    </message>
    <message>
        <source>Changing effect</source>
        <translation>Übergangseffekt</translation>
    </message>
    <message>
        <source>Displaying duration</source>
        <translation>Anzeigedauer</translation>
    </message>
</context>
<context>
    <name>lumaveil::CPrincipaleView</name>
    <message>
        <source>Screen</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Decoration</source>
        <translation>Gestaltung</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Übergang</translation>
    </message>
</context>
<context>
    <name>lumaveil::CProprietesDlg</name>
    <message>
        <source>Displaying properties</source>
        <translation>Anzeigeeigenschaften</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>(better for Internet)</source>
        <translation>(besser für das Internet)</translation>
    </message>
    <message>
        <source>(better for email)</source>
        <translation>(besser für E-Mail)</translation>
    </message>
    <message>
        <source>(better for PocketPC)</source>
        <translation>(besser für PocketPC)</translation>
    </message>
    <message>
        <source>(actual resolution not defined)</source>
        <translation>(aktuelle Auflösung nicht festgelegt)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertigstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Pair portrait photos</source>
        <translation>Hochformatfotos paarweise zeigen</translation>
    </message>
</context>
<context>
    <name>lumaveil::CRetoucheDialog</name>
    <message>
        <source>Click to display on full screen</source>
        <translation>Klicken für Vollbildanzeige</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Picture loading</source>
        <translation>Bild laden</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Color Adjustment</source>
        <translation>Farbkorrektur</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>File %1   %2</source>
        <translation>Datei %1   %2</translation>
    </message>
</context>
<context>
    <name>talvik::CAproposdeDlg</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>talvik::CCadreDlg</name>
    <message>
        <source>Add a border to picture</source>
        <translation>Dem Bild einen Rahmen hinzufügen</translation>
    </message>
    <message>
        <source>To add a border to a picture allows to give a nicer picture.</source>
        <translation>Ein Rahmen lässt das Bild schöner wirken.</translation>
    </message>
    <message>
        <source>Select border typ : pattern or color with/without borderline. 
Click on picture to display it on full screen.</source>
        <translation>Wählen Sie die Rahmenart: Muster oder Farbe, mit oder ohne Randlinie. 
Klicken Sie auf das Bild für die Vollbildanzeige.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Border with pattern</source>
        <translation>Rahmen mit Muster</translation>
    </message>
    <message>
        <source>Border with color</source>
        <translation>Rahmen mit Farbe</translation>
    </message>
    <message>
        <source>Border typ</source>
        <translation>Rahmenart</translation>
    </message>
    <message>
        <source>Borderline</source>
        <translation>Randlinie</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Border color</source>
        <translation>Rahmenfarbe</translation>
    </message>
    <message>
        <source>Borderline color</source>
        <translation>Farbe der Randlinie</translation>
    </message>
</context>
<context>
    <name>talvik::CCouleurDlg</name>
    <message>
        <source>red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Choose a color</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>More %1</source>
        <translation>Mehr %1</translation>
    </message>
    <message>
        <source>Less %1</source>
        <translation>Weniger %1</translation>
    </message>
</context>
<context>
    <name>talvik::CDialogueAvantApres</name>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
</context>
<context>
    <name>talvik::CDialogueEditeur</name>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
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
    <name>talvik::CDialogueMotifs</name>
    <message>
        <source>Pattern</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Add pattern</source>
        <translation>Muster hinzufügen</translation>
    </message>
    <message>
        <source>Delete pattern</source>
        <translation>Muster löschen</translation>
    </message>
</context>
<context>
    <name>talvik::CFondDlg</name>
    <message>
        <source>Background definitiion</source>
        <translation>Hintergrund festlegen</translation>
    </message>
    <message>
        <source>To add a background to a picture allows to give some relief to it.</source>
        <translation>Ein Hintergrund verleiht dem Bild mehr Tiefe.</translation>
    </message>
    <message>
        <source>Select background typ : pattern ord color.
Click on picture to display it on full screen.</source>
        <translation>Wählen Sie die Hintergrundart: Muster oder Farbe.
Klicken Sie auf das Bild für die Vollbildanzeige.</translation>
    </message>
    <message>
        <source>Motif</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Background with pattern</source>
        <translation>Hintergrund mit Muster</translation>
    </message>
    <message>
        <source>Background with color</source>
        <translation>Hintergrund mit Farbe</translation>
    </message>
    <message>
        <source>Blurred photo</source>
        <translation>Unscharfes Foto</translation>
    </message>
    <message>
        <source>Background typ</source>
        <translation>Hintergrundart</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>talvik::CGraphique</name>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>PNG (*.png)</source>
        <translation>PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>talvik::CMiniTexteDlg</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Insert field</source>
        <translation>Feld einfügen</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>Text edge</source>
        <translation>Textrand</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Kontur</translation>
    </message>
    <message>
        <source>Soft shadow</source>
        <translation>Weicher Schatten</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Absolute</source>
        <translation>Absolut</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Dx = </source>
        <translation>Dx = </translation>
    </message>
    <message>
        <source>Dy = </source>
        <translation>Dy = </translation>
    </message>
    <message>
        <source>Ink color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>Aufnahmedatum</translation>
    </message>
    <message>
        <source>Time taken</source>
        <translation>Aufnahmezeit</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Long (14 July 2024)</source>
        <translation>Lang (14. Juli 2024)</translation>
    </message>
    <message>
        <source>With the day (Sunday 14 July 2024)</source>
        <translation>Mit Wochentag (Sonntag, 14. Juli 2024)</translation>
    </message>
    <message>
        <source>Numeric (14/07/2024)</source>
        <translation>Numerisch (14.07.2024)</translation>
    </message>
    <message>
        <source>Month and year (July 2024)</source>
        <translation>Monat und Jahr (Juli 2024)</translation>
    </message>
    <message>
        <source>Year (2024)</source>
        <translation>Jahr (2024)</translation>
    </message>
</context>
<context>
    <name>talvik::CPleinEcranDlg</name>
    <message>
        <source>Full screen view</source>
        <translation>Vollbildansicht</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>talvik::CProgressionDlg</name>
    <message>
        <source>Running operation...</source>
        <translation>Vorgang läuft…</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
</context>
<context>
    <name>talvik::CQuestionTraitementDlg</name>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Caution ! Filename already exists. What do you want to do ?</source>
        <translation>Achtung! Dieser Dateiname existiert bereits. Was möchten Sie tun?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>All replace</source>
        <translation>Alle ersetzen</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
</context>
<context>
    <name>talvik::CRecoupeDlg</name>
    <message>
        <source>Cutting a picture</source>
        <translation>Bild zuschneiden</translation>
    </message>
    <message>
        <source>To cut a picture allows to keep only a special piece of it.</source>
        <translation>Durch Zuschneiden behalten Sie nur einen bestimmten Teil des Bildes.</translation>
    </message>
    <message>
        <source>Modify up-left point (X1,Y1) and down-right point (X2,Y2) from picture to cut it.
Click on picture to display it on full screen.</source>
        <translation>Ändern Sie den Punkt oben links (X1,Y1) und unten rechts (X2,Y2), um das Bild zuzuschneiden.
Klicken Sie auf das Bild für die Vollbildanzeige.</translation>
    </message>
</context>
<context>
    <name>talvik::CRedimensionDlg</name>
    <message>
        <source>Resizing a picture</source>
        <translation>Bildgröße ändern</translation>
    </message>
    <message>
        <source>To resize a picture allows to decrease or increase size of it.</source>
        <translation>Durch Ändern der Größe wird das Bild verkleinert oder vergrößert.</translation>
    </message>
    <message>
        <source>Modify size of image by selecting percent (%)  or select and input absolute values (X,Y), in this case you can keep proportion ( KP ).

Click on picture to display it on full screen.</source>
        <translation>Ändern Sie die Bildgröße in Prozent (%)  oder mit absoluten Werten (X,Y); dabei können Sie das Seitenverhältnis beibehalten ( KP ).

Klicken Sie auf das Bild für die Vollbildanzeige.</translation>
    </message>
    <message>
        <source>KP</source>
        <translation>KP</translation>
    </message>
    <message>
        <source>Fill the screen</source>
        <translation>Bildschirm füllen</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>talvik::CReglageDlg</name>
    <message>
        <source>Color adjustment to picture</source>
        <translation>Farbkorrektur des Bildes</translation>
    </message>
    <message>
        <source>To adjust color to a picture allows to improve clearness and clarte of it (like you want).</source>
        <translation>Mit der Farbkorrektur verbessern Sie Klarheit und Helligkeit des Bildes (nach Wunsch).</translation>
    </message>
    <message>
        <source>Slide cursors from left to right to adjust light, contrast and intensity.

Click on picture to display it on full screen.</source>
        <translation>Schieben Sie die Regler von links nach rechts, um Helligkeit, Kontrast und Intensität einzustellen.

Klicken Sie auf das Bild für die Vollbildanzeige.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensität</translation>
    </message>
</context>
<context>
    <name>talvik::CRotationDlg</name>
    <message>
        <source>Rotating a picture</source>
        <translation>Bild drehen</translation>
    </message>
    <message>
        <source>To rotate a picture allows to turn it for displaying in better position.</source>
        <translation>Durch Drehen wird das Bild richtig herum angezeigt.</translation>
    </message>
    <message>
        <source>Select rotating by clicking on left arrow  (-90°),  center (180°)  or right (90°).
Click on picture to display it on full screen.</source>
        <translation>Wählen Sie die Drehung mit dem Pfeil links  (-90°),  Mitte (180°)  oder rechts (90°).
Klicken Sie auf das Bild für die Vollbildanzeige.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>talvik::CSaisieChaineDlg</name>
    <message>
        <source>Request</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
</context>
<context>
    <name>talvik::CSpinEdition</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
</context>
<context>
    <name>talvik::CTexteDlg</name>
    <message>
        <source>Add text to picture</source>
        <translation>Dem Bild Text hinzufügen</translation>
    </message>
    <message>
        <source>To add text to a picture allows to give some infomations about it.</source>
        <translation>Mit Text können Sie Informationen zum Bild hinzufügen.</translation>
    </message>
    <message>
        <source>Select text by clicking on tab and input characteristics.
Click on picture to display it on full screen.</source>
        <translation>Wählen Sie einen Text über seinen Reiter und geben Sie seine Eigenschaften ein.
Klicken Sie auf das Bild für die Vollbildanzeige.</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
</context>
<context>
    <name>talvik::ListeMotifs</name>
    <message>
        <source>Jpeg (*.jpg)</source>
        <translation>JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Gif (*.gif)</source>
        <translation>GIF (*.gif)</translation>
    </message>
</context>
</TS>
