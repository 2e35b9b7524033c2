<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AgendaTyping</name>
    <message>
        <source>AGENDA</source>
        <translation>ORDRE DU JOUR</translation>
    </message>
    <message>
        <source>9:00am - 5:00pm</source>
        <translation>9 h 00 - 17 h 00</translation>
    </message>
    <message>
        <source>Meeting called by </source>
        <translation>Réunion convoquée par </translation>
    </message>
    <message>
        <source>Attendees:</source>
        <translation>Participants&#xa0;:</translation>
    </message>
    <message>
        <source>Please read:</source>
        <translation>À lire&#xa0;:</translation>
    </message>
    <message>
        <source>Please bring:</source>
        <translation>À apporter&#xa0;:</translation>
    </message>
    <message>
        <source>Additional Information:</source>
        <translation>Informations complémentaires&#xa0;:</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>at line </source>
        <translation>à la ligne </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Veuillez envoyer une capture d’écran de ce message par e-mail à </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l’application</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>dans %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Salle</translation>
    </message>
    <message>
        <source>You forgot to add time.</source>
        <translation>Vous avez oublié d’ajouter une heure.</translation>
    </message>
    <message>
        <source>Please fill out all entries.</source>
        <translation>Veuillez remplir tous les champs.</translation>
    </message>
    <message>
        <source>Enter the meeting&apos;s details, its attendees and lists, and its agenda items; then start creating the agenda.</source>
        <translation>Saisissez les informations de la réunion, ses participants et ses listes, ainsi que les points de l’ordre du jour ; puis créez l’ordre du jour.</translation>
    </message>
    <message>
        <source>Start Creating Template</source>
        <translation>Créer le modèle</translation>
    </message>
    <message>
        <source>Clear/Reset Data</source>
        <translation>Effacer/réinitialiser</translation>
    </message>
    <message>
        <source>Load Sample/Example Data</source>
        <translation>Charger l’exemple</translation>
    </message>
    <message>
        <source>Meeting Title</source>
        <translation>Titre de la réunion</translation>
    </message>
    <message>
        <source>Date of Meeting</source>
        <translation>Date de la réunion</translation>
    </message>
    <message>
        <source>Meeting Called By</source>
        <translation>Convoquée par</translation>
    </message>
    <message>
        <source>Attendee, Reading, &amp;&amp; Supplies</source>
        <translation>Participants, lectures &amp;&amp; fournitures</translation>
    </message>
    <message>
        <source>Meeting lists and agenda items</source>
        <translation>Listes et points de l’ordre du jour</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Heure&#xa0;:</translation>
    </message>
    <message>
        <source>Topic:</source>
        <translation>Sujet&#xa0;:</translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Détails&#xa0;:</translation>
    </message>
    <message>
        <source>Room:</source>
        <translation>Salle&#xa0;:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Supprimer la sélection</translation>
    </message>
    <message>
        <source>Agenda items</source>
        <translation>Points de l’ordre du jour</translation>
    </message>
    <message>
        <source>Attendee List:</source>
        <translation>Participants&#xa0;:</translation>
    </message>
    <message>
        <source>Reading List:</source>
        <translation>Lectures&#xa0;:</translation>
    </message>
    <message>
        <source>Supplies List:</source>
        <translation>Fournitures&#xa0;:</translation>
    </message>
    <message>
        <source>Additional Instructions:</source>
        <translation>Autres consignes&#xa0;:</translation>
    </message>
    <message>
        <source>Quillary did not end normally last time. The agenda list it had then was recovered from %1.</source>
        <translation>Quillary ne s’est pas terminé normalement la dernière fois. La liste de l’ordre du jour d’alors a été récupérée depuis %1.</translation>
    </message>
    <message>
        <source>Load Sample Data</source>
        <translation>Charger l’exemple</translation>
    </message>
    <message>
        <source>Open Meeting</source>
        <translation>Ouvrir une réunion</translation>
    </message>
    <message>
        <source>Import Invitation</source>
        <translation>Importer une invitation</translation>
    </message>
    <message>
        <source>%1 cannot be opened.

%2</source>
        <translation>Impossible d’ouvrir %1.

%2</translation>
    </message>
    <message>
        <source>New Meeting from This One</source>
        <translation>Nouvelle réunion à partir de celle-ci</translation>
    </message>
    <message>
        <source>Meetings and Invitations (*.quillary *.ics)|*.quillary;*.ics|Quillary Meetings (*.quillary)|*.quillary|Calendar Invitations (*.ics)|*.ics|All Files (*)|*</source>
        <translation>Réunions et invitations (*.quillary *.ics)|*.quillary;*.ics|Réunions Quillary (*.quillary)|*.quillary|Invitations d’agenda (*.ics)|*.ics|Tous les fichiers (*)|*</translation>
    </message>
    <message>
        <source>Calendar Invitations (*.ics)|*.ics;*.ical|All Files (*)|*</source>
        <translation>Invitations d’agenda (*.ics)|*.ics;*.ical|Tous les fichiers (*)|*</translation>
    </message>
    <message>
        <source>Meeting</source>
        <translation>Réunion</translation>
    </message>
    <message>
        <source>Save Meeting As</source>
        <translation>Enregistrer la réunion sous</translation>
    </message>
    <message>
        <source>Quillary Meetings (*.quillary)|*.quillary</source>
        <translation>Réunions Quillary (*.quillary)|*.quillary</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Voulez-vous vraiment remplacer %1&#xa0;?</translation>
    </message>
    <message>
        <source>The meeting could not be saved as %1.

%2</source>
        <translation>La réunion n’a pas pu être enregistrée sous %1.

%2</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Meeting from This One</source>
        <translation>&amp;Nouvelle réunion à partir de celle-ci</translation>
    </message>
    <message>
        <source>&amp;Open Meeting…</source>
        <translation>&amp;Ouvrir une réunion…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>Save Meeting &amp;As…</source>
        <translation>Enregistrer la réunion &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Import Invitation…</source>
        <translation>&amp;Importer une invitation…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Page(s)</source>
        <translation>Page(s)</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom&#xa0;:</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Save Results To Word File</source>
        <translation>Enregistrer en fichier Word</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Retour</translation>
    </message>
    <message>
        <source>Agenda</source>
        <translation>Ordre du jour</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Exporter en PDF…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)|*.pdf</source>
        <translation>Fichiers PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Voulez-vous vraiment remplacer %1&#xa0;?</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>The agenda could not be exported as a PDF.<byte value="xd"/>
</source>
        <translation>L’ordre du jour n’a pas pu être exporté en PDF.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The printer %1 could not be used.</source>
        <translation>L’imprimante %1 n’a pas pu être utilisée.</translation>
    </message>
    <message>
        <source>The agenda could not be printed.<byte value="xd"/>
</source>
        <translation>L’ordre du jour n’a pas pu être imprimé.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The pages of the agenda just created: choose a page in the list, zoom and scroll it, save the agenda as a Word file or go back to the meeting.</source>
        <translation>Les pages de l’ordre du jour qui vient d’être créé&#xa0;: choisissez une page dans la liste, zoomez et faites-la défiler, enregistrez l’ordre du jour en fichier Word ou revenez à la réunion.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Scroll the page sideways</source>
        <translation>Faire défiler la page horizontalement</translation>
    </message>
    <message>
        <source>Scroll the page up and down</source>
        <translation>Faire défiler la page verticalement</translation>
    </message>
    <message>
        <source>Page view</source>
        <translation>Vue de la page</translation>
    </message>
    <message>
        <source>The arrow keys and Page Up and Page Down scroll the page; Ctrl+Plus and Ctrl+Minus zoom.</source>
        <translation>Les flèches, Page préc. et Page suiv. font défiler la page&#xa0;; Ctrl+Plus et Ctrl+Moins zooment.</translation>
    </message>
    <message>
        <source>No page</source>
        <translation>Aucune page</translation>
    </message>
    <message>
        <source>Page %1 of %2, zoom %3 %</source>
        <translation>Page %1 sur %2, zoom %3&#xa0;%</translation>
    </message>
    <message>
        <source>%1 is Quillary&apos;s working copy of this agenda and is deleted when the preview closes. Please save under another name.</source>
        <translation>%1 est la copie de travail de Quillary pour cet ordre du jour et sera supprimé à la fermeture de l’aperçu. Veuillez enregistrer sous un autre nom.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Word Files (*.doc)|*.doc</source>
        <translation>Fichiers Word (*.doc)|*.doc</translation>
    </message>
    <message>
        <source>The PDF of the agenda could not be made.</source>
        <translation>Le PDF de l’ordre du jour n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
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
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
</context>
<context>
    <name>IsInstalled</name>
    <message>
        <source>Error 842001. A normal instance of Word could not be created.</source>
        <translation>Erreur 842001. Impossible de créer une instance normale de Word.</translation>
    </message>
    <message>
        <source>1. Please make sure Word is installed on this computer.</source>
        <translation>1. Veuillez vérifier que Word est installé sur cet ordinateur.</translation>
    </message>
    <message>
        <source>2. Please open Word normally and make sure a blank document opens immediately without any interrupting window (such as an Word file recovery window).</source>
        <translation>2. Veuillez ouvrir Word normalement et vérifier qu’un document vierge s’ouvre immédiatement, sans fenêtre intermédiaire (comme une fenêtre de récupération de fichiers Word).</translation>
    </message>
    <message>
        <source>3. Please make sure that when you double-click on a DOC or DOCX file that Word opens normally without any interrupting messages.</source>
        <translation>3. Veuillez vérifier qu’un double-clic sur un fichier DOC ou DOCX ouvre Word normalement, sans message intermédiaire.</translation>
    </message>
    <message>
        <source>4. All versions of Word are supported by this software except for the rare Word Starter and Student editions.</source>
        <translation>4. Toutes les versions de Word sont prises en charge par ce logiciel, sauf les rares éditions Word Starter et Étudiant.</translation>
    </message>
</context>
<context>
    <name>MeetingAgenda</name>
    <message>
        <source>Word may be open. It is recommended that you close Word first. Use Ctrl+Alt+Del &gt; Task Manager &gt; WINWORD.EXE if necessary.<byte value="xd"/>
<byte value="xd"/>
Would you like to proceed anyway?</source>
        <translation>Word est peut-être ouvert. Il est recommandé de fermer Word d’abord. Utilisez si nécessaire Ctrl+Alt+Suppr &gt; Gestionnaire des tâches &gt; WINWORD.EXE.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous continuer quand même ?</translation>
    </message>
</context>
<context>
    <name>PageExport</name>
    <message>
        <source>Page </source>
        <translation>Page </translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Index hors limites</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>L’indice n’appartient pas à la sélection</translation>
    </message>
    <message>
        <source>ActiveX component can&apos;t create object</source>
        <translation>Un composant ActiveX ne peut pas créer d’objet</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Fichier introuvable : %1</translation>
    </message>
    <message>
        <source>Invalid picture: %1</source>
        <translation>Image incorrecte : %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 belongs to someone else</source>
        <translation>%1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 n’a pas pu être écrit : %2.</translation>
    </message>
    <message>
        <source>The settings could not be written to %1</source>
        <translation>Les réglages n’ont pas pu être écrits dans %1</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument incorrect</translation>
    </message>
    <message>
        <source>Member not found</source>
        <translation>Membre introuvable</translation>
    </message>
    <message>
        <source>The skin file %1 could not be read</source>
        <translation>Le fichier d’habillage %1 n’a pas pu être lu</translation>
    </message>
    <message>
        <source>No skin is loaded</source>
        <translation>Aucun habillage n’est chargé</translation>
    </message>
    <message>
        <source>Invalid window handle</source>
        <translation>Handle de fenêtre incorrect</translation>
    </message>
    <message>
        <source>The remote server machine does not exist or is unavailable</source>
        <translation>L’ordinateur serveur distant n’existe pas ou n’est pas disponible</translation>
    </message>
    <message>
        <source>The object invoked has disconnected from its clients.</source>
        <translation>L’objet appelé s’est déconnecté de ses clients.</translation>
    </message>
    <message>
        <source>The requested member of the collection does not exist.</source>
        <translation>Le membre de la collection demandé n’existe pas.</translation>
    </message>
    <message>
        <source>Bad parameter</source>
        <translation>Paramètre incorrect</translation>
    </message>
    <message>
        <source>This command is not available because no document is open.</source>
        <translation>Cette commande n’est pas disponible, car aucun document n’est ouvert.</translation>
    </message>
    <message>
        <source>Value out of range</source>
        <translation>Valeur hors limites</translation>
    </message>
    <message>
        <source>This method or property is not available because the current selection cannot be deleted as a whole.</source>
        <translation>Cette méthode ou propriété n’est pas disponible, car la sélection active ne peut pas être supprimée d’un seul tenant.</translation>
    </message>
    <message>
        <source>This method or property is not available because the object refers to a table cell.</source>
        <translation>Cette méthode ou propriété n’est pas disponible, car l’objet désigne une cellule de tableau.</translation>
    </message>
    <message>
        <source>The number must be between 1 and 63.</source>
        <translation>Le nombre doit être compris entre 1 et 63.</translation>
    </message>
    <message>
        <source>This method or property is not available because the object does not refer to a table.</source>
        <translation>Cette méthode ou propriété n’est pas disponible, car l’objet ne désigne pas un tableau.</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;. %2</source>
        <translation>Impossible d’ouvrir « %1 ». %2</translation>
    </message>
    <message>
        <source>The file is not a readable document: %1.</source>
        <translation>Le fichier n’est pas un document lisible : %1.</translation>
    </message>
    <message>
        <source>The document &quot;%1&quot; could not be opened: %2.</source>
        <translation>Le document « %1 » n’a pas pu être ouvert : %2.</translation>
    </message>
    <message>
        <source>The file is not a readable document: its part &quot;%1&quot; %2.</source>
        <translation>Le fichier n’est pas un document lisible : sa partie « %1 » %2.</translation>
    </message>
    <message>
        <source>The document could not be packed: %1.</source>
        <translation>Le document n’a pas pu être empaqueté : %1.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>L’élément « %1 » du groupe de contrôles n’existe pas</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Objet déjà chargé</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 n’a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>The agenda&apos;s document %1 is not complete, so it was not saved. %2</source>
        <translation>Le document de l’ordre du jour %1 est incomplet ; il n’a donc pas été enregistré. %2</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Image incorrecte</translation>
    </message>
    <message>
        <source>The picture could not be saved</source>
        <translation>L’image n’a pas pu être enregistrée</translation>
    </message>
    <message>
        <source>%1 is in use</source>
        <translation>%1 est en cours d’utilisation</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>aucun nom de fichier n’a été donné</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>un dossier porte ce nom</translation>
    </message>
    <message>
        <source>the disk took only part</source>
        <translation>le disque n’en a reçu qu’une partie</translation>
    </message>
    <message>
        <source>flushing it to the disk failed: %1</source>
        <translation>l’écriture sur le disque a échoué : %1</translation>
    </message>
    <message>
        <source>the new file could not take the old one&apos;s place: %1</source>
        <translation>le nouveau fichier n’a pas pu remplacer l’ancien : %1</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>n’est pas un dossier</translation>
    </message>
    <message>
        <source>belongs to someone else</source>
        <translation>appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>it is not a WordprocessingML (zip) package</source>
        <translation>ce n’est pas un paquet WordprocessingML (zip)</translation>
    </message>
    <message>
        <source>the package has no content types</source>
        <translation>le paquet n’a pas de types de contenu</translation>
    </message>
    <message>
        <source>the package holds no document</source>
        <translation>le paquet ne contient aucun document</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>le fichier est trop volumineux</translation>
    </message>
    <message>
        <source>is too long</source>
        <translation>est trop longue</translation>
    </message>
    <message>
        <source>is nested too deeply</source>
        <translation>est imbriquée trop profondément</translation>
    </message>
    <message>
        <source>declares a document type, which documents never do</source>
        <translation>déclare un type de document, ce que les documents ne font jamais</translation>
    </message>
    <message>
        <source>refers to an entity, which documents never do</source>
        <translation>fait référence à une entité, ce que les documents ne font jamais</translation>
    </message>
    <message>
        <source>is not well-formed XML (%1 at line %2)</source>
        <translation>n’est pas du XML bien formé (%1 à la ligne %2)</translation>
    </message>
    <message>
        <source>ends too early</source>
        <translation>se termine trop tôt</translation>
    </message>
    <message>
        <source>does not start with the expected element</source>
        <translation>ne commence pas par l’élément attendu</translation>
    </message>
    <message>
        <source>it is not a valid zip package (%1)</source>
        <translation>ce n’est pas un paquet zip valide (%1)</translation>
    </message>
    <message>
        <source>entry %1 of the package is damaged</source>
        <translation>l’entrée %1 du paquet est endommagée</translation>
    </message>
    <message>
        <source>the package holds an unsafe entry name &quot;%1&quot;</source>
        <translation>le paquet contient un nom d’entrée dangereux « %1 »</translation>
    </message>
    <message>
        <source>the package entry &quot;%1&quot; is too large</source>
        <translation>l’entrée « %1 » du paquet est trop volumineuse</translation>
    </message>
    <message>
        <source>the package entry &quot;%1&quot; is compressed suspiciously well</source>
        <translation>l’entrée « %1 » du paquet est compressée de façon suspecte</translation>
    </message>
    <message>
        <source>the package holds too many entries</source>
        <translation>le paquet contient trop d’entrées</translation>
    </message>
    <message>
        <source>the package is too large when unpacked</source>
        <translation>le paquet est trop volumineux une fois décompressé</translation>
    </message>
    <message>
        <source>the package holds &quot;%1&quot; twice</source>
        <translation>le paquet contient « %1 » deux fois</translation>
    </message>
    <message>
        <source>the package has no &quot;%1&quot;</source>
        <translation>le paquet n’a pas de « %1 »</translation>
    </message>
    <message>
        <source>the package entry &quot;%1&quot; cannot be opened (%2)</source>
        <translation>l’entrée « %1 » du paquet ne peut pas être ouverte (%2)</translation>
    </message>
    <message>
        <source>the package entry &quot;%1&quot; is damaged</source>
        <translation>l’entrée « %1 » du paquet est endommagée</translation>
    </message>
    <message>
        <source>the archive size is unknown</source>
        <translation>la taille de l’archive est inconnue</translation>
    </message>
    <message>
        <source>the archive could not be read back</source>
        <translation>l’archive n’a pas pu être relue</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Variable objet ou variable de bloc With non définie</translation>
    </message>
</context>
<context>
    <name>StoreWrites</name>
    <message>
        <source>Your changes cannot be saved to %1.

Quillary keeps what you type and saves it as soon as the file can be written again.</source>
        <translation>Vos modifications ne peuvent pas être enregistrées dans %1.

Quillary conserve ce que vous saisissez et l’enregistre dès que le fichier peut de nouveau être écrit.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. It was kept as %2, and Quillary starts with new settings.</source>
        <translation>Le fichier de réglages %1 n’a pas pu être lu. Il a été conservé sous le nom %2, et Quillary démarre avec de nouveaux réglages.</translation>
    </message>
    <message>
        <source>Some lines of the settings file %1 could not be read, and Quillary would lose them when it saves. The file as it was is kept as %2; Quillary goes on with what it could read.</source>
        <translation>Certaines lignes du fichier de réglages %1 n’ont pas pu être lues, et Quillary les perdrait en enregistrant. Le fichier tel qu’il était est conservé sous le nom %2&#xa0;; Quillary continue avec ce qu’il a pu lire.</translation>
    </message>
</context>
<context>
    <name>app</name>
    <message>
        <source>%1 %2

Turns the details of a meeting into a formatted agenda document.

Free software under the %3 licence.
%4</source>
        <translation>%1 %2

Transforme les informations d’une réunion en un ordre du jour mis en forme.

Logiciel libre sous licence %3.
%4</translation>
    </message>
    <message>
        <source>Meeting window</source>
        <translation>Fenêtre de la réunion</translation>
    </message>
    <message>
        <source>New Meeting from This One</source>
        <translation>Nouvelle réunion à partir de celle-ci</translation>
    </message>
    <message>
        <source>Open Meeting</source>
        <translation>Ouvrir une réunion</translation>
    </message>
    <message>
        <source>Save Meeting As</source>
        <translation>Enregistrer la réunion sous</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Preview window</source>
        <translation>Fenêtre d’aperçu</translation>
    </message>
    <message>
        <source>Save Results To Word File</source>
        <translation>Enregistrer en fichier Word</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Zoom In (also Ctrl+wheel)</source>
        <translation>Zoom avant (aussi Ctrl+molette)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Page préc., Page suiv.</translation>
    </message>
    <message>
        <source>Move the page by a screenful</source>
        <translation>Déplacer la page d’un écran</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Quillary</source>
        <translation>À &amp;propos de Quillary</translation>
    </message>
    <message>
        <source>About Quillary</source>
        <translation>À propos de Quillary</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Next tab</source>
        <translation>Onglet suivant</translation>
    </message>
    <message>
        <source>Previous tab</source>
        <translation>Onglet précédent</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Flèches</translation>
    </message>
    <message>
        <source>Scroll the page</source>
        <translation>Faire défiler la page</translation>
    </message>
    <message>
        <source>Back to the meeting</source>
        <translation>Retour à la réunion</translation>
    </message>
</context>
<context>
    <name>app::CommandLine</name>
    <message>
        <source>Usage: %1 [options] [file]</source>
        <translation>Utilisation : %1 [options] [fichier]</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1 : %2
Essayez « %1 --help » pour plus d’informations.
</translation>
    </message>
    <message>
        <source>%1 turns the details of one meeting into a formatted agenda document.
Qt&apos;s own options (-platform, -style, -display, ...) are accepted too.</source>
        <translation>%1 fait des détails d’une réunion un ordre du jour mis en forme.
Les options propres à Qt (-platform, -style, -display, ...) sont acceptées aussi.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and exit.</source>
        <translation>Afficher la version du programme et quitter.</translation>
    </message>
    <message>
        <source>A meeting file (.quillary) or a calendar invitation (.ics) to open.</source>
        <translation>Un fichier de réunion (.quillary) ou une invitation d’agenda (.ics) à ouvrir.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
</context>
<context>
    <name>entry</name>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2–%3</source>
        <translation>%1, %2–%3</translation>
    </message>
    <message>
        <source>%1, %2 – %3, %4</source>
        <translation>%1, %2 – %3, %4</translation>
    </message>
    <message>
        <source>The file holds %n events; the first one was used.</source>
        <translation>Le fichier contient %n événements&#xa0;; le premier a été utilisé.</translation>
    </message>
    <message>
        <source>The meeting repeats; the date of its first occurrence was used.</source>
        <translation>La réunion se répète&#xa0;; la date de sa première occurrence a été utilisée.</translation>
    </message>
    <message>
        <source>The invitation says that the meeting is cancelled.</source>
        <translation>L’invitation indique que la réunion est annulée.</translation>
    </message>
    <message>
        <source>The file is not a calendar invitation (an iCalendar .ics file).</source>
        <translation>Le fichier n’est pas une invitation d’agenda (fichier iCalendar .ics).</translation>
    </message>
    <message>
        <source>The file is too large to be a calendar invitation.</source>
        <translation>Le fichier est trop volumineux pour être une invitation d’agenda.</translation>
    </message>
    <message>
        <source>The calendar file holds no meeting (no event).</source>
        <translation>Le fichier d’agenda ne contient aucune réunion (aucun événement).</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Impossible de lire le fichier&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>entry::AgendaEditor</name>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Placer en haut</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Placer en bas</translation>
    </message>
    <message>
        <source>Insert Above</source>
        <translation>Insérer au-dessus</translation>
    </message>
    <message>
        <source>Insert Below</source>
        <translation>Insérer en dessous</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
</context>
<context>
    <name>entry::MeetingFile</name>
    <message>
        <source>The file is not a Quillary meeting file, or it is damaged.</source>
        <translation>Le fichier n’est pas un fichier de réunion Quillary, ou il est endommagé.</translation>
    </message>
    <message>
        <source>The file is too large to be a Quillary meeting file.</source>
        <translation>Le fichier est trop volumineux pour être un fichier de réunion Quillary.</translation>
    </message>
    <message>
        <source>The file was saved by a newer version of Quillary. Install a newer Quillary to open it.</source>
        <translation>Le fichier a été enregistré par une version plus récente de Quillary. Installez un Quillary plus récent pour l’ouvrir.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Impossible de lire le fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>The file cannot be written: %1</source>
        <translation>Impossible d’écrire le fichier&#xa0;: %1</translation>
    </message>
</context>
</TS>
