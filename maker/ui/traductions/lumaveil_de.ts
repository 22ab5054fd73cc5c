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
    <name>lumaveil::CChampNombre</name>
    <message>
        <source>Up</source>
        <translation>Höher</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Niedriger</translation>
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
</context>
</TS>
