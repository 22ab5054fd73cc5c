<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Changement</name>
    <message>
        <source>Load picture</source>
        <translation>Chargement de l'image</translation>
    </message>
    <message>
        <source>Unload picture</source>
        <translation>Retrait de l'image</translation>
    </message>
    <message>
        <source>Drop picture</source>
        <translation>Dépôt de l'image</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Colour adjustment</source>
        <translation>Réglage des couleurs</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recadrage</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionnement</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>Textes</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Changing effect</source>
        <translation>Effet de transition</translation>
    </message>
    <message>
        <source>Displaying duration</source>
        <translation>Durée d'affichage</translation>
    </message>
    <message>
        <source>Change screen</source>
        <translation>Modification de l'écran</translation>
    </message>
    <message>
        <source>New screen</source>
        <translation>Nouvel écran</translation>
    </message>
    <message>
        <source>Delete screen</source>
        <translation>Suppression de l'écran</translation>
    </message>
    <message>
        <source>Delete all screens</source>
        <translation>Suppression de tous les écrans</translation>
    </message>
    <message>
        <source>Move screen</source>
        <translation>Déplacement de l'écran</translation>
    </message>
    <message>
        <source>Add photos</source>
        <translation>Ajout de photos</translation>
    </message>
    <message>
        <source>Display properties</source>
        <translation>Propriétés d'affichage</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Template for all screens</source>
        <translation>Modèle pour tous les écrans</translation>
    </message>
    <message>
        <source>Playing options</source>
        <translation>Options de lecture</translation>
    </message>
    <message>
        <source>Rebuild screens</source>
        <translation>Reconstruction des écrans</translation>
    </message>
</context>
<context>
    <name>Commandes</name>
    <message>
        <source>Add &amp;photos...	Ctrl+Shift+O</source>
        <translation>Ajouter des &amp;photos...	Ctrl+Maj+O</translation>
    </message>
    <message>
        <source>Add photos</source>
        <translation>Ajouter des photos</translation>
    </message>
    <message>
        <source>Add &amp;folder...</source>
        <translation>Ajouter un &amp;dossier...</translation>
    </message>
    <message>
        <source>Add in name order</source>
        <translation>Ajouter par ordre des noms</translation>
    </message>
    <message>
        <source>Add in date order</source>
        <translation>Ajouter par ordre des dates</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nouveau	Ctrl+N</translation>
    </message>
    <message>
        <source>Creates a new document</source>
        <translation>Crée un nouveau document</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Ouvrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ouvre un document existant</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Enregistrer	Ctrl+S</translation>
    </message>
    <message>
        <source>Save working document</source>
        <translation>Enregistre le document en cours</translation>
    </message>
    <message>
        <source>S&amp;ave as...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Annuler	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Annule la dernière modification</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Shift+Z</source>
        <translation>&amp;Rétablir	Ctrl+Maj+Z</translation>
    </message>
    <message>
        <source>Redo the change undone</source>
        <translation>Rétablit la modification annulée</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Create a new screen</source>
        <translation>Crée un nouvel écran</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete selected screen</source>
        <translation>Supprime l'écran sélectionné</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Select previous screen</source>
        <translation>Sélectionne l'écran précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Select next screen</source>
        <translation>Sélectionne l'écran suivant</translation>
    </message>
    <message>
        <source>Picture loading</source>
        <translation>Chargement de l'image</translation>
    </message>
    <message>
        <source>Picture unloading</source>
        <translation>Retrait de l'image</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>Recadrage</translation>
    </message>
    <message>
        <source>Color Adjustment</source>
        <translation>Réglage des couleurs</translation>
    </message>
    <message>
        <source>Stretching</source>
        <translation>Redimensionnement</translation>
    </message>
    <message>
        <source>Text definition</source>
        <translation>Définition des textes</translation>
    </message>
    <message>
        <source>Border definition</source>
        <translation>Définition du cadre</translation>
    </message>
    <message>
        <source>Background definition</source>
        <translation>Définition du fond</translation>
    </message>
    <message>
        <source>Changing effect</source>
        <translation>Effet de transition</translation>
    </message>
    <message>
        <source>Displaying duration</source>
        <translation>Durée d'affichage</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Générer</translation>
    </message>
    <message>
        <source>Generate a screen saver</source>
        <translation>Génère un économiseur d'écran</translation>
    </message>
    <message>
        <source>Save for Windows</source>
        <translation>Enregistrer pour Windows</translation>
    </message>
    <message>
        <source>Save for Linux</source>
        <translation>Enregistrer pour Linux</translation>
    </message>
    <message>
        <source>Save as web page</source>
        <translation>Enregistrer comme page web</translation>
    </message>
    <message>
        <source>Send by email</source>
        <translation>Envoyer par courriel</translation>
    </message>
    <message>
        <source>Send to Internet</source>
        <translation>Envoyer sur Internet</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Help manual</source>
        <translation>Manuel d'aide</translation>
    </message>
    <message>
        <source>Information about software</source>
        <translation>Informations sur le logiciel</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Démonstration</translation>
    </message>
    <message>
        <source>About Lumaveil...</source>
        <translation>À propos de Lumaveil...</translation>
    </message>
</context>
<context>
    <name>lumaveil::CChampNombre</name>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
</context>
<context>
    <name>lumaveil::CDoc</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
</context>
<context>
    <name>lumaveil::CMainFrame</name>
    <message>
        <source>Select a folder of photos</source>
        <translation>Choisir un dossier de photos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Screen</source>
        <translation>É&amp;cran</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Générer</translation>
    </message>
    <message>
        <source>Se&amp;tup</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
</context>
</TS>
