<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Changement</name>
    <message>
        <source>Load picture</source>
        <translation>Chargement de l&apos;image</translation>
    </message>
    <message>
        <source>Unload picture</source>
        <translation>Retrait de l&apos;image</translation>
    </message>
    <message>
        <source>Drop picture</source>
        <translation>Dépôt de l&apos;image</translation>
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
        <translation>Durée d&apos;affichage</translation>
    </message>
    <message>
        <source>Change screen</source>
        <translation>Modification de l&apos;écran</translation>
    </message>
    <message>
        <source>New screen</source>
        <translation>Nouvel écran</translation>
    </message>
    <message>
        <source>Delete screen</source>
        <translation>Suppression de l&apos;écran</translation>
    </message>
    <message>
        <source>Delete all screens</source>
        <translation>Suppression de tous les écrans</translation>
    </message>
    <message>
        <source>Move screen</source>
        <translation>Déplacement de l&apos;écran</translation>
    </message>
    <message>
        <source>Add photos</source>
        <translation>Ajout de photos</translation>
    </message>
    <message>
        <source>Display properties</source>
        <translation>Propriétés d&apos;affichage</translation>
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
    <message>
        <source>Pair portrait photos</source>
        <translation>Associer les photos en portrait</translation>
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
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
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
        <translation>Supprime l&apos;écran sélectionné</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Select previous screen</source>
        <translation>Sélectionne l&apos;écran précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Select next screen</source>
        <translation>Sélectionne l&apos;écran suivant</translation>
    </message>
    <message>
        <source>Picture loading</source>
        <translation>Chargement de l&apos;image</translation>
    </message>
    <message>
        <source>Picture unloading</source>
        <translation>Retrait de l&apos;image</translation>
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
        <translation>Durée d&apos;affichage</translation>
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
        <translation>Génère un économiseur d&apos;écran</translation>
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
        <translation>Manuel d&apos;aide</translation>
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
    <name>Messages</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>You must create at least 2 screens before generating a screen saver !</source>
        <translation>Vous devez créer au moins 2 écrans avant de générer un économiseur d&apos;écran !</translation>
    </message>
    <message>
        <source>Unable to put software engine !</source>
        <translation>Impossible d&apos;installer le moteur du logiciel !</translation>
    </message>
    <message>
        <source>*** Treatment of screen n°%d ***</source>
        <translation>*** Traitement de l&apos;écran n°%d ***</translation>
    </message>
    <message>
        <source>Break the sequence ?</source>
        <translation>Interrompre la séquence ?</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>To use this screen saver under &apos;Displaying properties&apos;,
it must be copy under Windows system directory.

Copy screen saver ?</source>
        <translation>Pour utiliser cet économiseur dans les « Propriétés d&apos;affichage »,
il doit être copié dans le dossier système de Windows.

Copier l&apos;économiseur d&apos;écran ?</translation>
    </message>
    <message>
        <source>Error during saving of this screen !
Do you want to continue ?</source>
        <translation>Erreur lors de l&apos;enregistrement de cet écran !
Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Now, under &apos;Displaying properties&apos; , select &apos;screen saver&apos;.
Choice your new artistic creation.</source>
        <translation>Dans les « Propriétés d&apos;affichage », choisissez maintenant « Écran de veille ».
Sélectionnez votre nouvelle création.</translation>
    </message>
    <message>
        <source>Unable to write-open file</source>
        <translation>Impossible d&apos;ouvrir le fichier en écriture</translation>
    </message>
    <message>
        <source>No saved file.
First, you must save screensaver in file.</source>
        <translation>Aucun fichier enregistré.
Vous devez d&apos;abord enregistrer l&apos;économiseur dans un fichier.</translation>
    </message>
    <message>
        <source>Confirm sending saved screensaver by email ?</source>
        <translation>Confirmer l&apos;envoi par e-mail de l&apos;économiseur enregistré ?</translation>
    </message>
    <message>
        <source>Unable to send screensaver by email.
No email capacity found.</source>
        <translation>Impossible d&apos;envoyer l&apos;économiseur par e-mail.
Aucun logiciel de messagerie trouvé.</translation>
    </message>
    <message>
        <source>Screensaver</source>
        <translation>Économiseur d&apos;écran</translation>
    </message>
    <message>
        <source>This message contains a screen saver generated by Lumaveil, the screen saver maker of Vermalune (https://www.vermalune.org/lumaveil/).</source>
        <translation>Ce message contient un économiseur d&apos;écran créé avec Lumaveil, le créateur d&apos;économiseurs d&apos;écran de Vermalune (https://www.vermalune.org/lumaveil/).</translation>
    </message>
    <message>
        <source>The easiest way to install it is with Murvalo, another product of Vermalune: https://www.vermalune.org/lumaveil/</source>
        <translation>Le plus simple pour l&apos;installer est d&apos;utiliser Murvalo, un autre produit de Vermalune : https://www.vermalune.org/lumaveil/</translation>
    </message>
    <message>
        <source>Confirm sending saved screensaver on Internet ?</source>
        <translation>Confirmer l&apos;envoi sur Internet de l&apos;économiseur enregistré ?</translation>
    </message>
    <message>
        <source>Unable to send screensaver on Internet.
No FTP capacity found.</source>
        <translation>Impossible d&apos;envoyer l&apos;économiseur sur Internet.
Aucune connexion FTP disponible.</translation>
    </message>
    <message>
        <source>Unable to send screensaver on Internet.
Verify connection or parameters.</source>
        <translation>Impossible d&apos;envoyer l&apos;économiseur sur Internet.
Vérifiez la connexion ou les paramètres.</translation>
    </message>
    <message>
        <source>Unable to compress file.</source>
        <translation>Impossible de compresser le fichier.</translation>
    </message>
    <message>
        <source>Many mail services refuse screen saver (.scr) attachments, even compressed ones.
If the message does not arrive, use &quot;Send to Internet&quot; and send the address of the download page instead.</source>
        <translation>Beaucoup de services de messagerie refusent les pièces jointes d&apos;économiseur (.scr), même compressées.
Si le message n&apos;arrive pas, utilisez « Envoyer sur Internet » et envoyez plutôt l&apos;adresse de la page de téléchargement.</translation>
    </message>
    <message>
        <source>To use this screen saver with xscreensaver,
it must be installed as an xscreensaver hack.

Install screen saver ?</source>
        <translation>Pour utiliser cet économiseur avec xscreensaver,
il doit être installé comme module (hack) xscreensaver.

Installer l&apos;économiseur d&apos;écran ?</translation>
    </message>
    <message>
        <source>No screen was saved, so no screen saver was written.</source>
        <translation>Aucun écran n&apos;a été enregistré : aucun économiseur n&apos;a donc été écrit.</translation>
    </message>
    <message>
        <source>The SFTP server %s is not known yet.
The fingerprint of its key is:
%s

Is it the fingerprint your server&apos;s administrator gives ?
Trust this server (its key is then remembered) ?</source>
        <translation>Le serveur SFTP %s n&apos;est pas encore connu.
L&apos;empreinte de sa clé est :
%s

Est-ce l&apos;empreinte que donne l&apos;administrateur de votre serveur ?
Faire confiance à ce serveur (sa clé sera alors mémorisée) ?</translation>
    </message>
    <message>
        <source>Now, in xscreensaver&apos;s settings, select &apos;%s&apos;.
Choice your new artistic creation.</source>
        <translation>Dans les réglages de xscreensaver, choisissez maintenant « %s ».
Sélectionnez votre nouvelle création.</translation>
    </message>
    <message>
        <source>Unable to open the file for writing</source>
        <translation>Impossible d&apos;ouvrir le fichier en écriture</translation>
    </message>
    <message>
        <source>Unable to open the file for reading</source>
        <translation>Impossible d&apos;ouvrir le fichier en lecture</translation>
    </message>
    <message>
        <source>This file is not a Lumaveil template</source>
        <translation>Ce fichier n&apos;est pas un modèle Lumaveil</translation>
    </message>
    <message>
        <source>This file isn&apos;t correct.</source>
        <translation>Ce fichier n&apos;est pas correct.</translation>
    </message>
    <message>
        <source>This file is damaged or incomplete.</source>
        <translation>Ce fichier est endommagé ou incomplet.</translation>
    </message>
    <message>
        <source>File %ld kb   %2d/%2d/%4d</source>
        <translation>Fichier %ld Ko   %2d/%2d/%4d</translation>
    </message>
    <message>
        <source>Format %3dx%3d</source>
        <translation>Format %3dx%3d</translation>
    </message>
    <message>
        <source>*** No loaded picture ***</source>
        <translation>*** Aucune image chargée ***</translation>
    </message>
    <message>
        <source>Cutting.done.</source>
        <translation>Recadrage effectué.</translation>
    </message>
    <message>
        <source>No defined cutting.</source>
        <translation>Aucun recadrage défini.</translation>
    </message>
    <message>
        <source>Rotating of %d° done.</source>
        <translation>Rotation de %d° effectuée.</translation>
    </message>
    <message>
        <source>No defined rotating..</source>
        <translation>Aucune rotation définie.</translation>
    </message>
    <message>
        <source>Color adjustment done.</source>
        <translation>Réglage des couleurs effectué.</translation>
    </message>
    <message>
        <source>No color adjustment defined.</source>
        <translation>Aucun réglage des couleurs défini.</translation>
    </message>
    <message>
        <source>No defined stretching.</source>
        <translation>Aucun redimensionnement défini.</translation>
    </message>
    <message>
        <source>Stretching to fit the screen.</source>
        <translation>Redimensionnement à la taille de l&apos;écran.</translation>
    </message>
    <message>
        <source>Stretching to %d%%.</source>
        <translation>Redimensionnement à %d%%.</translation>
    </message>
    <message>
        <source>Stretching to %dx%d.</source>
        <translation>Redimensionnement à %dx%d.</translation>
    </message>
    <message>
        <source>Defined text(s).</source>
        <translation>Texte(s) défini(s).</translation>
    </message>
    <message>
        <source>No defined text.</source>
        <translation>Aucun texte défini.</translation>
    </message>
    <message>
        <source>Defined border.</source>
        <translation>Cadre défini.</translation>
    </message>
    <message>
        <source>No defined border.</source>
        <translation>Aucun cadre défini.</translation>
    </message>
    <message>
        <source>No defined background.</source>
        <translation>Aucun fond défini.</translation>
    </message>
    <message>
        <source>Defined pattern background.</source>
        <translation>Fond à motif défini.</translation>
    </message>
    <message>
        <source>Defined white color background.</source>
        <translation>Fond blanc défini.</translation>
    </message>
    <message>
        <source>Defined black color background.</source>
        <translation>Fond noir défini.</translation>
    </message>
    <message>
        <source>Defined color background.</source>
        <translation>Fond de couleur défini.</translation>
    </message>
    <message>
        <source>Defined changing effect.</source>
        <translation>Effet de transition défini.</translation>
    </message>
    <message>
        <source>No defined changing effect.</source>
        <translation>Aucun effet de transition défini.</translation>
    </message>
    <message>
        <source>Defined duration to %d second(s)</source>
        <translation>Durée définie à %d seconde(s)</translation>
    </message>
    <message>
        <source>The folder already holds files that were not written by an earlier web page:

%s
Replace them? A link is replaced itself, never the file it names.</source>
        <translation>Le dossier contient déjà des fichiers qui n&apos;ont pas été écrits par une page web précédente :

%s
Les remplacer ? Un lien est remplacé lui-même, jamais le fichier qu&apos;il désigne.</translation>
    </message>
    <message>
        <source>The web page was not written: the folder is left as it was.</source>
        <translation>La page web n&apos;a pas été écrite : le dossier est resté tel quel.</translation>
    </message>
    <message>
        <source>The web page was written only in part: this file could not be put in place</source>
        <translation>La page web n&apos;a été écrite qu&apos;en partie : ce fichier n&apos;a pas pu être mis en place</translation>
    </message>
    <message>
        <source>Sending to %1</source>
        <translation>Envoi vers %1</translation>
    </message>
    <message>
        <source>Unable to open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Warning ! Displaying properties have changed.
All screens must be rebuild.
This operation may change quality of actual screen.

Confirm this operation ?</source>
        <translation>Attention ! Les propriétés d&apos;affichage ont changé.
Tous les écrans doivent être reconstruits.
Cette opération peut modifier la qualité de l&apos;écran actuel.

Confirmer l&apos;opération ?</translation>
    </message>
    <message>
        <source>Drag&amp;drop all pictures on list to create screens !</source>
        <translation>Glissez-déposez toutes les images sur la liste pour créer les écrans !</translation>
    </message>
    <message>
        <source>Rebuilding the screen</source>
        <translation>Reconstruction de l&apos;écran</translation>
    </message>
    <message>
        <source>
Italic</source>
        <translation>
Italique</translation>
    </message>
    <message>
        <source>
Underline</source>
        <translation>
Souligné</translation>
    </message>
    <message>
        <source>
Barred</source>
        <translation>
Barré</translation>
    </message>
    <message>
        <source>
Bold</source>
        <translation>
Gras</translation>
    </message>
    <message>
        <source>Unable to validate data.</source>
        <translation>Impossible de valider les données.</translation>
    </message>
    <message>
        <source>Text n°%d</source>
        <translation>Texte n°%d</translation>
    </message>
    <message>
        <source>Unable to load file</source>
        <translation>Impossible de charger le fichier</translation>
    </message>
    <message>
        <source>Input of new filename</source>
        <translation>Saisie du nouveau nom de fichier</translation>
    </message>
    <message>
        <source>File copy error

Unable to access source file.</source>
        <translation>Erreur de copie de fichier

Impossible d&apos;accéder au fichier source.</translation>
    </message>
    <message>
        <source>File copy error

Unable to access destination file.</source>
        <translation>Erreur de copie de fichier

Impossible d&apos;accéder au fichier de destination.</translation>
    </message>
    <message>
        <source>File copy error

Unable to write destination file.</source>
        <translation>Erreur de copie de fichier

Impossible d&apos;écrire le fichier de destination.</translation>
    </message>
    <message>
        <source>Unable to add pattern.
User pattern number is too big 
or invalid file.</source>
        <translation>Impossible d&apos;ajouter le motif.
Le nombre de motifs utilisateur est trop grand
ou le fichier n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Unable to delete pattern.
You can only delete user pattern.</source>
        <translation>Impossible de supprimer le motif.
Seuls les motifs utilisateur peuvent être supprimés.</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
</context>
<context>
    <name>lumaveil::BarreBoutons</name>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>lumaveil::CApercuFenetre</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>lumaveil::CAssistantDlg</name>
    <message>
        <source>Screen saver creation wizard</source>
        <translation>Assistant de création d&apos;économiseur d&apos;écran</translation>
    </message>
    <message>
        <source>this wizard help you to create quickly a screen saver.</source>
        <translation>cet assistant vous aide à créer rapidement un économiseur d&apos;écran.</translation>
    </message>
    <message>
        <source>Steps for wizard mode :</source>
        <translation>Étapes de l&apos;assistant :</translation>
    </message>
    <message>
        <source>1 -  Displaying properties selection.</source>
        <translation>1 -  Choix des propriétés d&apos;affichage.</translation>
    </message>
    <message>
        <source>2 - Template definition.</source>
        <translation>2 - Définition du modèle.</translation>
    </message>
    <message>
        <source>3 - Pictures selection.</source>
        <translation>3 - Choix des images.</translation>
    </message>
    <message>
        <source>4 - Screen saver generation.</source>
        <translation>4 - Génération de l&apos;économiseur d&apos;écran.</translation>
    </message>
    <message>
        <source>Follow each step of wizard to create quickly and easily a screen saver.
You can stop this wizard at any moment by selecting &apos;Finish&apos;.</source>
        <translation>Suivez chaque étape de l&apos;assistant pour créer rapidement et facilement un économiseur d&apos;écran.
Vous pouvez arrêter l&apos;assistant à tout moment en choisissant « Terminer ».</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
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
    <message>
        <source> up</source>
        <translation> plus</translation>
    </message>
    <message>
        <source> down</source>
        <translation> moins</translation>
    </message>
</context>
<context>
    <name>lumaveil::CCommandesGeneration</name>
    <message>
        <source>Save as web page</source>
        <translation>Enregistrer comme page web</translation>
    </message>
    <message>
        <source>The web page is ready. Open index.html in a browser to watch the screen saver, or copy the whole folder to any web host and share the link.

%1</source>
        <translation>La page web est prête. Ouvrez index.html dans un navigateur pour voir l&apos;économiseur d&apos;écran, ou copiez tout le dossier chez un hébergeur web et partagez le lien.

%1</translation>
    </message>
    <message>
        <source>The screen saver is saved as:
%1

Open the folder that holds it?</source>
        <translation>L&apos;économiseur d&apos;écran est enregistré sous :
%1

Ouvrir le dossier qui le contient ?</translation>
    </message>
</context>
<context>
    <name>lumaveil::CConfigurationDlg</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source> Yes</source>
        <translation> Oui</translation>
    </message>
    <message>
        <source> No</source>
        <translation> Non</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Start wizard at beginning :</source>
        <translation>Lancer l&apos;assistant au démarrage :</translation>
    </message>
    <message>
        <source>Send compressed fil (*.gz) by email :</source>
        <translation>Envoyer un fichier compressé (*.gz) par e-mail :</translation>
    </message>
    <message>
        <source>Quality of image JPEG :</source>
        <translation>Qualité des images JPEG :</translation>
    </message>
    <message>
        <source>Playing (saved with the project)</source>
        <translation>Lecture (enregistrée avec le projet)</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Ordre aléatoire</translation>
    </message>
    <message>
        <source>The same screen on every monitor</source>
        <translation>Le même écran sur chaque moniteur</translation>
    </message>
    <message>
        <source>Different screens on each monitor</source>
        <translation>Des écrans différents sur chaque moniteur</translation>
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
    <name>lumaveil::CDureeDlg</name>
    <message>
        <source>Displaying duration definition</source>
        <translation>Définition de la durée d&apos;affichage</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>second(s)</source>
        <translation>seconde(s)</translation>
    </message>
    <message>
        <source>Select a duration between 1 to 180 seconds</source>
        <translation>Choisissez une durée entre 1 et 180 secondes</translation>
    </message>
</context>
<context>
    <name>lumaveil::CEffetDlg</name>
    <message>
        <source>No effect.</source>
        <translation>Aucun effet.</translation>
    </message>
    <message>
        <source>New screen is only displayed on old screen.</source>
        <translation>Le nouvel écran s&apos;affiche simplement sur l&apos;ancien.</translation>
    </message>
    <message>
        <source>Up/Down : </source>
        <translation>Haut/Bas : </translation>
    </message>
    <message>
        <source>New screen go down on old screen.</source>
        <translation>Le nouvel écran descend sur l&apos;ancien.</translation>
    </message>
    <message>
        <source>Up-left/Down :</source>
        <translation>Haut-gauche/Bas :</translation>
    </message>
    <message>
        <source>New scrren go down from up-left on old screen.</source>
        <translation>Le nouvel écran descend depuis le coin haut gauche sur l&apos;ancien.</translation>
    </message>
    <message>
        <source>Down-right/Up :</source>
        <translation>Bas-droite/Haut :</translation>
    </message>
    <message>
        <source>New screen go up from down-right on old screen.</source>
        <translation>Le nouvel écran monte depuis le coin bas droit sur l&apos;ancien.</translation>
    </message>
    <message>
        <source>Down/Up : </source>
        <translation>Bas/Haut : </translation>
    </message>
    <message>
        <source>New screen go up straight on old screen.</source>
        <translation>Le nouvel écran monte tout droit sur l&apos;ancien.</translation>
    </message>
    <message>
        <source>Left/right : </source>
        <translation>Gauche/Droite : </translation>
    </message>
    <message>
        <source>New screen go from left to right on old screen.</source>
        <translation>Le nouvel écran passe de gauche à droite sur l&apos;ancien.</translation>
    </message>
    <message>
        <source>Stretching :</source>
        <translation>Étirement :</translation>
    </message>
    <message>
        <source>New screen stretch up step by step on old screen.</source>
        <translation>Le nouvel écran s&apos;étire peu à peu sur l&apos;ancien.</translation>
    </message>
    <message>
        <source>Random : </source>
        <translation>Aléatoire : </translation>
    </message>
    <message>
        <source>a randomize effect from the list.</source>
        <translation>un effet de la liste tiré au hasard.</translation>
    </message>
    <message>
        <source>Cross-fade</source>
        <translation>Fondu enchaîné</translation>
    </message>
    <message>
        <source>The new screen fades in over the old one.</source>
        <translation>Le nouvel écran apparaît en fondu sur l&apos;ancien.</translation>
    </message>
    <message>
        <source>Pan and zoom</source>
        <translation>Panoramique et zoom</translation>
    </message>
    <message>
        <source>The screen slowly zooms and drifts while it is shown; it fades in.</source>
        <translation>L&apos;écran zoome et glisse lentement pendant son affichage ; il apparaît en fondu.</translation>
    </message>
    <message>
        <source>Random (all effects)</source>
        <translation>Aléatoire (tous les effets)</translation>
    </message>
    <message>
        <source>An effect chosen at random among all the others.</source>
        <translation>Un effet choisi au hasard parmi tous les autres.</translation>
    </message>
    <message>
        <source>Changing effect definition</source>
        <translation>Définition de l&apos;effet de transition</translation>
    </message>
    <message>
        <source>Transition length :</source>
        <translation>Durée de la transition :</translation>
    </message>
    <message>
        <source>Transition length</source>
        <translation>Durée de la transition</translation>
    </message>
</context>
<context>
    <name>lumaveil::CGenerationDlg</name>
    <message>
        <source>Display</source>
        <translation>Afficher</translation>
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
        <translation>Envoyer par e-mail</translation>
    </message>
    <message>
        <source>Send to Internet</source>
        <translation>Envoyer sur Internet</translation>
    </message>
    <message>
        <source>Screen saver Generation</source>
        <translation>Génération de l&apos;économiseur d&apos;écran</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Ordre aléatoire</translation>
    </message>
    <message>
        <source>Each round shows every screen once, in a new random order.</source>
        <translation>Chaque tour montre chaque écran une fois, dans un nouvel ordre aléatoire.</translation>
    </message>
    <message>
        <source>The same screen on every monitor</source>
        <translation>Le même écran sur chaque moniteur</translation>
    </message>
    <message>
        <source>Different screens on each monitor</source>
        <translation>Des écrans différents sur chaque moniteur</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Version du logiciel  n° %1</translation>
    </message>
    <message>
        <source>Lumaveil,  software to make screensavers.</source>
        <translation>Lumaveil,  logiciel de création d&apos;économiseurs d&apos;écran.</translation>
    </message>
    <message>
        <source>Lumaveil logo</source>
        <translation>Logo de Lumaveil</translation>
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
        <translation>Nom du serveur</translation>
    </message>
    <message>
        <source>An FTP server (encrypted with TLS), or sftp://host for SFTP</source>
        <translation>Un serveur FTP (chiffré par TLS), ou sftp://hôte pour SFTP</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Numéro de port</translation>
    </message>
    <message>
        <source>Passive mode</source>
        <translation>Mode passif</translation>
    </message>
    <message>
        <source>Allow unencrypted FTP (password sent in clear)</source>
        <translation>Autoriser le FTP non chiffré (mot de passe envoyé en clair)</translation>
    </message>
    <message>
        <source>Only for a server that offers no encryption: anyone on the way can read the password</source>
        <translation>Uniquement pour un serveur sans chiffrement : n&apos;importe qui sur le chemin peut lire le mot de passe</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Server directory</source>
        <translation>Dossier sur le serveur</translation>
    </message>
    <message>
        <source>Screensaver file name</source>
        <translation>Nom du fichier de l&apos;économiseur</translation>
    </message>
    <message>
        <source>Create a simple Web page for download.</source>
        <translation>Créer une page web simple de téléchargement.</translation>
    </message>
    <message>
        <source>Web page name</source>
        <translation>Nom de la page web</translation>
    </message>
    <message>
        <source>Web address of the page</source>
        <translation>Adresse web de la page</translation>
    </message>
    <message>
        <source>https://example.org/summer.html (optional)</source>
        <translation>https://example.org/ete.html (facultatif)</translation>
    </message>
    <message>
        <source>Where people see the page once it is sent; &quot;Send by email&quot; can then send this link instead of the file</source>
        <translation>Là où l&apos;on verra la page une fois envoyée ; « Envoyer par e-mail » peut alors envoyer ce lien au lieu du fichier</translation>
    </message>
</context>
<context>
    <name>lumaveil::CKSFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>Toutes les images</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Select images to load (use &apos;CTRL&apos; for multiple selection)</source>
        <translation>Choisissez les images à charger (« Ctrl » pour une sélection multiple)</translation>
    </message>
    <message>
        <source>Lumaveil File(*.lmv)</source>
        <translation>Fichier Lumaveil (*.lmv)</translation>
    </message>
    <message>
        <source>Lumaveil Template (*.mod)</source>
        <translation>Modèle Lumaveil (*.mod)</translation>
    </message>
    <message>
        <source>Template loading from</source>
        <translation>Charger un modèle depuis</translation>
    </message>
    <message>
        <source>Template saving under</source>
        <translation>Enregistrer le modèle sous</translation>
    </message>
</context>
<context>
    <name>lumaveil::CListeView</name>
    <message>
        <source>Screens</source>
        <translation>Écrans</translation>
    </message>
    <message>
        <source>Moving screen</source>
        <translation>Déplacement de l&apos;écran</translation>
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
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
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
    <message>
        <source>About Lumaveil</source>
        <translation>À propos de Lumaveil</translation>
    </message>
</context>
<context>
    <name>lumaveil::CModeleDlg</name>
    <message>
        <source>Template definition</source>
        <translation>Définition du modèle</translation>
    </message>
    <message>
        <source>Template preview</source>
        <translation>Aperçu du modèle</translation>
    </message>
    <message>
        <source>Template loading</source>
        <translation>Charger un modèle</translation>
    </message>
    <message>
        <source>Template saving</source>
        <translation>Enregistrer le modèle</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>OK for all</source>
        <translation>OK pour tous</translation>
    </message>
    <message>
        <source>Loaded template &apos;%1&apos;.</source>
        <translation>Modèle chargé « %1 ».</translation>
    </message>
    <message>
        <source>No loaded template.</source>
        <translation>Aucun modèle chargé.</translation>
    </message>
    <message>
        <source>Saved template &apos;%1&apos;.</source>
        <translation>Modèle enregistré « %1 ».</translation>
    </message>
    <message>
        <source>No saved template.</source>
        <translation>Aucun modèle enregistré.</translation>
    </message>
</context>
<context>
    <name>lumaveil::CModeleListe</name>
    <message>
        <source>Shown beside %1</source>
        <translation>Affiché à côté de %1</translation>
    </message>
</context>
<context>
    <name>lumaveil::COutilDialog</name>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
</context>
<context>
    <name>lumaveil::CPanneauLignes</name>
    <message>
        <source>Stretching</source>
        <translation>Redimensionnement</translation>
    </message>
    <message>
        <source>Text definition</source>
        <translation>Définition du texte</translation>
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
        <translation>Durée d&apos;affichage</translation>
    </message>
</context>
<context>
    <name>lumaveil::CPrincipaleView</name>
    <message>
        <source>Screen</source>
        <translation>Écran</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Decoration</source>
        <translation>Décoration</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transition</translation>
    </message>
</context>
<context>
    <name>lumaveil::CProprietesDlg</name>
    <message>
        <source>Displaying properties</source>
        <translation>Propriétés d&apos;affichage</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>(better for Internet)</source>
        <translation>(mieux pour Internet)</translation>
    </message>
    <message>
        <source>(better for email)</source>
        <translation>(mieux pour le courrier électronique)</translation>
    </message>
    <message>
        <source>(better for PocketPC)</source>
        <translation>(mieux pour PocketPC)</translation>
    </message>
    <message>
        <source>(actual resolution not defined)</source>
        <translation>(résolution actuelle non définie)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Pair portrait photos</source>
        <translation>Associer les photos en portrait</translation>
    </message>
</context>
<context>
    <name>lumaveil::CRetoucheDialog</name>
    <message>
        <source>Click to display on full screen</source>
        <translation>Cliquez pour afficher en plein écran</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Picture loading</source>
        <translation>Charger une image</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Color Adjustment</source>
        <translation>Réglage des couleurs</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>Recadrage</translation>
    </message>
    <message>
        <source>File %1   %2</source>
        <translation>Fichier %1   %2</translation>
    </message>
</context>
<context>
    <name>talvik::CAproposdeDlg</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>talvik::CCadreDlg</name>
    <message>
        <source>Add a border to picture</source>
        <translation>Ajouter un cadre à l&apos;image</translation>
    </message>
    <message>
        <source>To add a border to a picture allows to give a nicer picture.</source>
        <translation>Ajouter un cadre à une image permet de la mettre en valeur.</translation>
    </message>
    <message>
        <source>Select border typ : pattern or color with/without borderline. 
Click on picture to display it on full screen.</source>
        <translation>Choisissez le type de cadre : motif ou couleur, avec ou sans liseré. 
Cliquez sur l&apos;image pour l&apos;afficher en plein écran.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Border with pattern</source>
        <translation>Cadre à motif</translation>
    </message>
    <message>
        <source>Border with color</source>
        <translation>Cadre de couleur</translation>
    </message>
    <message>
        <source>Border typ</source>
        <translation>Type de cadre</translation>
    </message>
    <message>
        <source>Borderline</source>
        <translation>Liseré</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Épaisseur</translation>
    </message>
    <message>
        <source>Border color</source>
        <translation>Couleur du cadre</translation>
    </message>
    <message>
        <source>Borderline color</source>
        <translation>Couleur du liseré</translation>
    </message>
</context>
<context>
    <name>talvik::CCouleurDlg</name>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Choose a color</source>
        <translation>Choisir une couleur</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Déc</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>More %1</source>
        <translation>Plus de %1</translation>
    </message>
    <message>
        <source>Less %1</source>
        <translation>Moins de %1</translation>
    </message>
</context>
<context>
    <name>talvik::CDialogueAvantApres</name>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
</context>
<context>
    <name>talvik::CDialogueEditeur</name>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>talvik::CDialogueMotifs</name>
    <message>
        <source>Pattern</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Add pattern</source>
        <translation>Ajouter un motif</translation>
    </message>
    <message>
        <source>Delete pattern</source>
        <translation>Supprimer le motif</translation>
    </message>
</context>
<context>
    <name>talvik::CFondDlg</name>
    <message>
        <source>Background definitiion</source>
        <translation>Définition du fond</translation>
    </message>
    <message>
        <source>To add a background to a picture allows to give some relief to it.</source>
        <translation>Ajouter un fond à une image permet de lui donner du relief.</translation>
    </message>
    <message>
        <source>Select background typ : pattern ord color.
Click on picture to display it on full screen.</source>
        <translation>Choisissez le type de fond : motif ou couleur.
Cliquez sur l&apos;image pour l&apos;afficher en plein écran.</translation>
    </message>
    <message>
        <source>Motif</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Background with pattern</source>
        <translation>Fond à motif</translation>
    </message>
    <message>
        <source>Background with color</source>
        <translation>Fond de couleur</translation>
    </message>
    <message>
        <source>Blurred photo</source>
        <translation>Photo floutée</translation>
    </message>
    <message>
        <source>Background typ</source>
        <translation>Type de fond</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
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
        <translation>Texte</translation>
    </message>
    <message>
        <source>Insert field</source>
        <translation>Insérer un champ</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Format de date</translation>
    </message>
    <message>
        <source>Text edge</source>
        <translation>Bord du texte</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contour</translation>
    </message>
    <message>
        <source>Soft shadow</source>
        <translation>Ombre douce</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Absolute</source>
        <translation>Absolue</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centre</translation>
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
        <translation>Couleur de l&apos;encre</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>Date de prise de vue</translation>
    </message>
    <message>
        <source>Time taken</source>
        <translation>Heure de prise de vue</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Appareil photo</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Long (14 July 2024)</source>
        <translation>Long (14 juillet 2024)</translation>
    </message>
    <message>
        <source>With the day (Sunday 14 July 2024)</source>
        <translation>Avec le jour (dimanche 14 juillet 2024)</translation>
    </message>
    <message>
        <source>Numeric (14/07/2024)</source>
        <translation>Numérique (14/07/2024)</translation>
    </message>
    <message>
        <source>Month and year (July 2024)</source>
        <translation>Mois et année (juillet 2024)</translation>
    </message>
    <message>
        <source>Year (2024)</source>
        <translation>Année (2024)</translation>
    </message>
</context>
<context>
    <name>talvik::CPleinEcranDlg</name>
    <message>
        <source>Full screen view</source>
        <translation>Vue plein écran</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>talvik::CProgressionDlg</name>
    <message>
        <source>Running operation...</source>
        <translation>Opération en cours…</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Compteur</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>talvik::CQuestionTraitementDlg</name>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Caution ! Filename already exists. What do you want to do ?</source>
        <translation>Attention ! Ce nom de fichier existe déjà. Que voulez-vous faire ?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>All replace</source>
        <translation>Tout remplacer</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>talvik::CRecoupeDlg</name>
    <message>
        <source>Cutting a picture</source>
        <translation>Recadrer une image</translation>
    </message>
    <message>
        <source>To cut a picture allows to keep only a special piece of it.</source>
        <translation>Recadrer une image permet de n&apos;en garder qu&apos;une partie.</translation>
    </message>
    <message>
        <source>Modify up-left point (X1,Y1) and down-right point (X2,Y2) from picture to cut it.
Click on picture to display it on full screen.</source>
        <translation>Modifiez le point haut gauche (X1,Y1) et le point bas droit (X2,Y2) de l&apos;image pour la recadrer.
Cliquez sur l&apos;image pour l&apos;afficher en plein écran.</translation>
    </message>
</context>
<context>
    <name>talvik::CRedimensionDlg</name>
    <message>
        <source>Resizing a picture</source>
        <translation>Redimensionner une image</translation>
    </message>
    <message>
        <source>To resize a picture allows to decrease or increase size of it.</source>
        <translation>Redimensionner une image permet de la réduire ou de l&apos;agrandir.</translation>
    </message>
    <message>
        <source>Modify size of image by selecting percent (%)  or select and input absolute values (X,Y), in this case you can keep proportion ( KP ).

Click on picture to display it on full screen.</source>
        <translation>Modifiez la taille de l&apos;image en pourcentage (%)  ou en valeurs absolues (X,Y) ; dans ce cas vous pouvez garder les proportions ( KP ).

Cliquez sur l&apos;image pour l&apos;afficher en plein écran.</translation>
    </message>
    <message>
        <source>KP</source>
        <translation>KP</translation>
    </message>
    <message>
        <source>Fill the screen</source>
        <translation>Remplir l&apos;écran</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>talvik::CReglageDlg</name>
    <message>
        <source>Color adjustment to picture</source>
        <translation>Réglage des couleurs de l&apos;image</translation>
    </message>
    <message>
        <source>To adjust color to a picture allows to improve clearness and clarte of it (like you want).</source>
        <translation>Régler les couleurs d&apos;une image permet d&apos;en améliorer la netteté et la clarté (à votre goût).</translation>
    </message>
    <message>
        <source>Slide cursors from left to right to adjust light, contrast and intensity.

Click on picture to display it on full screen.</source>
        <translation>Faites glisser les curseurs de gauche à droite pour régler luminosité, contraste et intensité.

Cliquez sur l&apos;image pour l&apos;afficher en plein écran.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensité</translation>
    </message>
</context>
<context>
    <name>talvik::CRotationDlg</name>
    <message>
        <source>Rotating a picture</source>
        <translation>Faire pivoter une image</translation>
    </message>
    <message>
        <source>To rotate a picture allows to turn it for displaying in better position.</source>
        <translation>Faire pivoter une image permet de l&apos;afficher dans le bon sens.</translation>
    </message>
    <message>
        <source>Select rotating by clicking on left arrow  (-90°),  center (180°)  or right (90°).
Click on picture to display it on full screen.</source>
        <translation>Choisissez la rotation en cliquant sur la flèche gauche  (-90°),  centrale (180°)  ou droite (90°).
Cliquez sur l&apos;image pour l&apos;afficher en plein écran.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>talvik::CSaisieChaineDlg</name>
    <message>
        <source>Request</source>
        <translation>Demande</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
</context>
<context>
    <name>talvik::CSpinEdition</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez saisir un nombre entier entre %1 et %2.</translation>
    </message>
</context>
<context>
    <name>talvik::CTexteDlg</name>
    <message>
        <source>Add text to picture</source>
        <translation>Ajouter du texte à l&apos;image</translation>
    </message>
    <message>
        <source>To add text to a picture allows to give some infomations about it.</source>
        <translation>Ajouter du texte à une image permet de donner des informations sur elle.</translation>
    </message>
    <message>
        <source>Select text by clicking on tab and input characteristics.
Click on picture to display it on full screen.</source>
        <translation>Choisissez le texte en cliquant sur son onglet et saisissez ses caractéristiques.
Cliquez sur l&apos;image pour l&apos;afficher en plein écran.</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>Textes</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
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
