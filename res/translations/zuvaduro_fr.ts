<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Zuvaduro</source>
        <translation>À propos de Zuvaduro</translation>
    </message>
    <message>
        <source>&lt;b&gt;Zuvaduro Version 3.2&lt;/b&gt;&lt;br&gt;Contract offers for mercenary units.&lt;br&gt;%1</source>
        <translation>&lt;b&gt;Zuvaduro version 3.2&lt;/b&gt;&lt;br&gt;Offres de contrat pour unités de mercenaires.&lt;br&gt;%1</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&lt;b&gt;New&lt;/b&gt;&lt;p&gt;Starts again with no offers and the rating D, as at start-up. When the offers have unsaved changes, asks first whether to save them.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Nouveau&lt;/b&gt;&lt;p&gt;Recommence sans offres avec la cote D, comme au démarrage. Si les offres ont des modifications non enregistrées, demande d&apos;abord s&apos;il faut les enregistrer.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;New Custom</source>
        <translation>Nouveau &amp;personnalisé</translation>
    </message>
    <message>
        <source>New Custom</source>
        <translation>Nouveau personnalisé</translation>
    </message>
    <message>
        <source>&lt;b&gt;New Custom&lt;/b&gt;&lt;p&gt;Asks for the unit&apos;s rating and for the terms the first offer must have, then rolls a new set of offers. Edit, Undo brings back the offers it replaced.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Nouveau personnalisé&lt;/b&gt;&lt;p&gt;Demande la cote de l&apos;unité et les termes que la première offre doit avoir, puis tire un nouveau jeu d&apos;offres. Édition, Annuler rétablit les offres remplacées.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>New &amp;Random</source>
        <translation>Nouveau &amp;aléatoire</translation>
    </message>
    <message>
        <source>New Random</source>
        <translation>Nouveau aléatoire</translation>
    </message>
    <message>
        <source>&lt;b&gt;New Random&lt;/b&gt;&lt;p&gt;Asks for the unit&apos;s rating and rolls a new set of offers with every term at random.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Nouveau aléatoire&lt;/b&gt;&lt;p&gt;Demande la cote de l&apos;unité et tire un nouveau jeu d&apos;offres, chaque terme au hasard.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>&lt;b&gt;Open&lt;/b&gt;&lt;p&gt;Opens a saved set of contract offers (a .did file).&lt;/p&gt;</source>
        <translation>&lt;b&gt;Ouvrir&lt;/b&gt;&lt;p&gt;Ouvre un jeu d&apos;offres de contrat enregistré (un fichier .did).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save&lt;/b&gt;&lt;p&gt;Saves the offers under their file name; a new set asks for a name.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Enregistrer&lt;/b&gt;&lt;p&gt;Enregistre les offres sous leur nom de fichier ; pour un nouveau jeu, un nom est demandé.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save As&lt;/b&gt;&lt;p&gt;Saves the offers under a new file name.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Enregistrer sous&lt;/b&gt;&lt;p&gt;Enregistre les offres sous un nouveau nom de fichier.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>&lt;b&gt;Print&lt;/b&gt;&lt;p&gt;Prints the listing of the offers on one page, or writes it to a PDF file.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Imprimer&lt;/b&gt;&lt;p&gt;Imprime la liste des offres sur une page, ou l&apos;écrit dans un fichier PDF.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Print &amp;Contract</source>
        <translation>Imprimer le &amp;contrat</translation>
    </message>
    <message>
        <source>Print Contract</source>
        <translation>Imprimer le contrat</translation>
    </message>
    <message>
        <source>&lt;b&gt;Print Contract&lt;/b&gt;&lt;p&gt;Prints a formal contract for each offer you tick.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Imprimer le contrat&lt;/b&gt;&lt;p&gt;Imprime un contrat en bonne et due forme pour chaque offre cochée.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Print Offer &amp;Details...</source>
        <translation>Imprimer les &amp;détails des offres...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Print Offer Details&lt;/b&gt;&lt;p&gt;Prints the offers side by side on one page, with what each pays over its whole length, or writes them to a PDF file.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Imprimer les détails des offres&lt;/b&gt;&lt;p&gt;Imprime les offres côte à côte sur une page, avec ce que chacune rapporte sur toute sa durée, ou les écrit dans un fichier PDF.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&lt;b&gt;Exit&lt;/b&gt;&lt;p&gt;Ends the program. When the offers have unsaved changes, asks first whether to save them.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Quitter&lt;/b&gt;&lt;p&gt;Ferme le programme. Si les offres ont des modifications non enregistrées, demande d&apos;abord s&apos;il faut les enregistrer.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&lt;b&gt;Undo&lt;/b&gt;&lt;p&gt;Takes back the last change: new offers, an edited line or a term rolled again.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Annuler&lt;/b&gt;&lt;p&gt;Annule la dernière modification : de nouvelles offres, une ligne modifiée ou un terme relancé.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&lt;b&gt;Redo&lt;/b&gt;&lt;p&gt;Makes the change that Undo took back once more; new offers come back as they were rolled.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Rétablir&lt;/b&gt;&lt;p&gt;Refait la modification qu&apos;Annuler a défaite ; de nouvelles offres reviennent telles qu&apos;elles ont été tirées.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Copy &amp;Listing</source>
        <translation>Copier la &amp;liste</translation>
    </message>
    <message>
        <source>&lt;b&gt;Copy Listing&lt;/b&gt;&lt;p&gt;Copies the listing of the offers as text.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Copier la liste&lt;/b&gt;&lt;p&gt;Copie la liste des offres sous forme de texte.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Roll &amp;Term Again</source>
        <translation>Relancer le &amp;terme</translation>
    </message>
    <message>
        <source>&lt;b&gt;Roll Term Again&lt;/b&gt;&lt;p&gt;Rolls the term on the current line again on its own table; the rest of the offer stays.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Relancer le terme&lt;/b&gt;&lt;p&gt;Relance le terme de la ligne courante sur sa propre table ; le reste de l&apos;offre ne change pas.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt;&lt;p&gt;Sets the campaign year, the unit&apos;s name, its base pay and its size.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Options&lt;/b&gt;&lt;p&gt;Règle l&apos;année de la campagne, le nom de l&apos;unité, sa solde de base et sa taille.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&lt;b&gt;Toolbar&lt;/b&gt;&lt;p&gt;Shows or hides the toolbar.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Barre d&apos;outils&lt;/b&gt;&lt;p&gt;Affiche ou masque la barre d&apos;outils.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Offer &amp;Details</source>
        <translation>&amp;Détails des offres</translation>
    </message>
    <message>
        <source>&lt;b&gt;Offer Details&lt;/b&gt;&lt;p&gt;Shows or hides the offers side by side beside the listing, with the dice behind every term and what each offer pays.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Détails des offres&lt;/b&gt;&lt;p&gt;Affiche ou masque les offres côte à côte à côté de la liste, avec les dés derrière chaque terme et ce que rapporte chaque offre.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Odd&amp;s...</source>
        <translation>&amp;Probabilités...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Odds&lt;/b&gt;&lt;p&gt;Rolls the offers of a rating many times and shows, as charts and counts, how often each outcome comes up.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Probabilités&lt;/b&gt;&lt;p&gt;Tire les offres d&apos;une cote de nombreuses fois et montre, en graphiques et en comptes, la fréquence de chaque résultat.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help Topics&lt;/b&gt;&lt;p&gt;Opens the help pages.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Rubriques d&apos;aide&lt;/b&gt;&lt;p&gt;Ouvre les pages d&apos;aide.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;About Rode...</source>
        <translation>À &amp;propos de Rode...</translation>
    </message>
    <message>
        <source>&lt;b&gt;About&lt;/b&gt;&lt;p&gt;Shows the program&apos;s version.&lt;/p&gt;</source>
        <translation>&lt;b&gt;À propos&lt;/b&gt;&lt;p&gt;Affiche la version du programme.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt;&lt;p&gt;Opens help about what you are working on.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Aide&lt;/b&gt;&lt;p&gt;Ouvre l&apos;aide sur ce que vous êtes en train de faire.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>What&apos;s This?</source>
        <translation>Qu&apos;est-ce que c&apos;est ?</translation>
    </message>
    <message>
        <source>&lt;b&gt;What&apos;s This?&lt;/b&gt;&lt;p&gt;Click on a part of the window to learn what it does. On the current line of the listing or the current term of the offer details it says at once how that term was rolled.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Qu&apos;est-ce que c&apos;est ?&lt;/b&gt;&lt;p&gt;Cliquez sur une partie de la fenêtre pour savoir ce qu&apos;elle fait. Sur la ligne courante de la liste ou le terme courant des détails des offres, indique aussitôt comment ce terme a été tiré.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Rules Editor...</source>
        <translation>&amp;Éditeur de règles...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Rules Editor&lt;/b&gt;&lt;p&gt;Opens the tables of the rules in use (or a copy of the built-in ones) as grids to change, checks them as you type, tries their odds and saves them as a rules file.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Éditeur de règles&lt;/b&gt;&lt;p&gt;Ouvre les tables des règles en usage (ou une copie des tables intégrées) en grilles modifiables, les vérifie pendant la saisie, essaie leurs probabilités et les enregistre dans un fichier de règles.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
</context>
<context>
    <name>ContractPrintCommand</name>
    <message>
        <source>Remember to change the Dates, and Location before printing.</source>
        <translation>Pensez à modifier les dates et le lieu avant d&apos;imprimer.</translation>
    </message>
</context>
<context>
    <name>ContractSelectDialog</name>
    <message>
        <source>Contract One</source>
        <translation>Premier contrat</translation>
    </message>
    <message>
        <source>Contract Two</source>
        <translation>Deuxième contrat</translation>
    </message>
    <message>
        <source>Contract Three</source>
        <translation>Troisième contrat</translation>
    </message>
    <message>
        <source>Contract Four</source>
        <translation>Quatrième contrat</translation>
    </message>
    <message>
        <source>Choose Contracts to Print</source>
        <translation>Choisir les contrats à imprimer</translation>
    </message>
    <message>
        <source>Tick the offers whose formal contract you want to print, one page each.</source>
        <translation>Cochez les offres dont vous voulez imprimer le contrat, une page chacune.</translation>
    </message>
</context>
<context>
    <name>CoreTexts</name>
    <message>
        <source>Unexpected file format.</source>
        <translation>Format de fichier inattendu.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Impossible d&apos;ouvrir le document.</translation>
    </message>
    <message>
        <source>every term Random</source>
        <translation>chaque terme au hasard</translation>
    </message>
    <message>
        <source>Printed by Zuvaduro, the mercenary contract generator</source>
        <translation>Imprimé par Zuvaduro, le générateur de contrats de mercenaires</translation>
    </message>
</context>
<context>
    <name>DesktopApp</name>
    <message>
        <source>No default printer is set up, so %1 was not printed.</source>
        <translation>Aucune imprimante par défaut n&apos;est configurée, %1 n&apos;a donc pas été imprimé.</translation>
    </message>
    <message>
        <source>There is no printer named &quot;%1&quot;, so %2 was not printed.</source>
        <translation>Il n&apos;existe aucune imprimante nommée « %1 », %2 n&apos;a donc pas été imprimé.</translation>
    </message>
    <message>
        <source>System registry entries have been removed and the INI file (if any) was deleted.</source>
        <translation>Les entrées du registre système ont été supprimées et le fichier INI (s&apos;il existait) a été effacé.</translation>
    </message>
    <message>
        <source>The running Zuvaduro did not answer.</source>
        <translation>Le Zuvaduro en cours d&apos;exécution n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>The running Zuvaduro did not answer, so %1 was not opened.</source>
        <translation>Le Zuvaduro en cours d&apos;exécution n&apos;a pas répondu, %1 n&apos;a donc pas été ouvert.</translation>
    </message>
    <message>
        <source>No file was named, so nothing was printed. Print a file with: zuvaduro /p FILE</source>
        <translation>Aucun fichier n&apos;a été indiqué, rien n&apos;a donc été imprimé. Pour imprimer un fichier : zuvaduro /p FICHIER</translation>
    </message>
    <message>
        <source>The offers are rolled with the built-in tables.</source>
        <translation>Les offres sont tirées avec les tables intégrées.</translation>
    </message>
</context>
<context>
    <name>DialogPrompts</name>
    <message>
        <source>Mercenary Contracts(*.did) (*.DID *.did)</source>
        <translation>Contrats de mercenaires(*.did) (*.DID *.did)</translation>
    </message>
    <message>
        <source>All Files (*.*) (*)</source>
        <translation>Tous les fichiers (*.*) (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <source>Failed to save document.</source>
        <translation>Impossible d&apos;enregistrer le document.</translation>
    </message>
</context>
<context>
    <name>EditLineDialog</name>
    <message>
        <source>Edit Information</source>
        <translation>Modifier une information</translation>
    </message>
    <message>
        <source>Overwrites one line of the offer listing. The text is kept exactly as typed.</source>
        <translation>Remplace une ligne de la liste des offres. Le texte est gardé exactement tel que saisi.</translation>
    </message>
    <message>
        <source>The new text of the line. Nothing is checked: an empty text empties the line.</source>
        <translation>Le nouveau texte de la ligne. Rien n&apos;est vérifié : un texte vide vide la ligne.</translation>
    </message>
    <message>
        <source>Stores the text in the listing.</source>
        <translation>Enregistre le texte dans la liste.</translation>
    </message>
    <message>
        <source>Leaves the line as it was.</source>
        <translation>Laisse la ligne telle qu&apos;elle était.</translation>
    </message>
    <message>
        <source>Text to be changed</source>
        <translation>Texte à modifier</translation>
    </message>
    <message>
        <source>The line being changed and its current text.</source>
        <translation>La ligne modifiée et son texte actuel.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Une erreur inconnue s&apos;est produite lors de l&apos;accès à %1.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 contient un chemin non valide.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 n&apos;a pas pu être ouvert : trop de fichiers sont ouverts.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>L&apos;accès à %1 a été refusé.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>Un descripteur de fichier non valide était associé à %1.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>%1 n&apos;a pas pu être supprimé, car c&apos;est le dossier courant.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>%1 n&apos;a pas pu être créé, car le dossier est plein.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>Échec du positionnement dans %1</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Une erreur matérielle d&apos;entrée/sortie a été signalée lors de l&apos;accès à %1.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Une violation de partage s&apos;est produite lors de l&apos;accès à %1.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>Une violation de verrouillage s&apos;est produite lors de l&apos;accès à %1.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Disque plein lors de l&apos;accès à %1.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Une tentative d&apos;accès au-delà de la fin de %1 a eu lieu.</translation>
    </message>
</context>
<context>
    <name>GenerationCommands</name>
    <message>
        <source>New Random</source>
        <translation>Nouveau aléatoire</translation>
    </message>
    <message>
        <source>New Custom</source>
        <translation>Nouveau personnalisé</translation>
    </message>
    <message>
        <source>Please Select A Valid Line</source>
        <translation>Veuillez choisir une ligne valide</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>Roll %1 Again</source>
        <translation>Relancer %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Zuvaduro Help</source>
        <translation>Aide de Zuvaduro</translation>
    </message>
</context>
<context>
    <name>ListingView</name>
    <message>
        <source>Double-click to change; right-click for more</source>
        <translation>Double-clic pour modifier ; clic droit pour plus</translation>
    </message>
    <message>
        <source>Offer listing</source>
        <translation>Liste des offres</translation>
    </message>
    <message>
        <source>&lt;b&gt;Offer listing&lt;/b&gt;&lt;p&gt;The unit&apos;s rating, the number of offers and the terms of each offer. Double-click a value to change it; the rating and every term, date and location of an offer can be edited. Right-click a term to roll it again. A click makes a line current: Up and Down move it, Enter changes it.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Liste des offres&lt;/b&gt;&lt;p&gt;La cote de l&apos;unité, le nombre d&apos;offres et les termes de chaque offre. Double-cliquez sur une valeur pour la modifier ; la cote et chaque terme, date et lieu d&apos;une offre peuvent être modifiés. Un clic droit sur un terme le relance. Un clic rend une ligne courante : Haut et Bas la déplacent, Entrée la modifie.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Roll Term Again</source>
        <translation>&amp;Relancer le terme</translation>
    </message>
    <message>
        <source>&amp;Copy Value</source>
        <translation>&amp;Copier la valeur</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&lt;b&gt;Toolbar&lt;/b&gt;&lt;p&gt;Buttons for New Custom, New Random, Open, Save, Options, Print and Print Contract. Drag it to any side of the window; View, Toolbar hides it.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Barre d&apos;outils&lt;/b&gt;&lt;p&gt;Boutons pour Nouveau personnalisé, Nouveau aléatoire, Ouvrir, Enregistrer, Options, Imprimer et Imprimer le contrat. Faites-la glisser sur n&apos;importe quel côté de la fenêtre ; Affichage, Barre d&apos;outils la masque.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source> - house rules &apos;%1&apos;</source>
        <translation> - règles maison &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>NewCustomDialog</name>
    <message>
        <source>The unit&apos;s rating, A (best) to D: one character. It sets how many offers the unit receives and how well they pay.</source>
        <translation>La cote de l&apos;unité, de A (la meilleure) à D : un caractère. Elle fixe combien d&apos;offres l&apos;unité reçoit et combien elles rapportent.</translation>
    </message>
    <message>
        <source>The first offer&apos;s employer. Random rolls it; a picked or typed name is used as it stands.</source>
        <translation>L&apos;employeur de la première offre. Random le tire au hasard ; un nom choisi ou saisi est utilisé tel quel.</translation>
    </message>
    <message>
        <source>The first offer&apos;s mission. Random rolls it from the employer&apos;s table.</source>
        <translation>La mission de la première offre. Random la tire sur la table de l&apos;employeur.</translation>
    </message>
    <message>
        <source>The first offer&apos;s duration. Random rolls it from the assignment&apos;s table.</source>
        <translation>La durée de la première offre. Random la tire sur la table de la mission.</translation>
    </message>
    <message>
        <source>The first offer&apos;s multiple of the unit&apos;s base pay. A typed number such as 5.5 is used for the pay as it stands.</source>
        <translation>Le multiple de la solde de base de l&apos;unité pour la première offre. Un nombre saisi comme 5.5 est utilisé tel quel pour la solde.</translation>
    </message>
    <message>
        <source>Fixes both straight support and battle-loss compensation of the first offer, for example 80%. Random rolls them.</source>
        <translation>Fixe le soutien direct et la compensation des pertes au combat de la première offre, par exemple 80%. Random les tire au hasard.</translation>
    </message>
    <message>
        <source>Fixes both transport compensations of the first offer, for example 25%. Random rolls them.</source>
        <translation>Fixe les deux compensations de transport de la première offre, par exemple 25%. Random les tire au hasard.</translation>
    </message>
    <message>
        <source>The first offer&apos;s salvage rights. Random rolls them from the employer.</source>
        <translation>Les droits de récupération de la première offre. Random les tire selon l&apos;employeur.</translation>
    </message>
    <message>
        <source>The first offer&apos;s command arrangement. Random rolls it from the employer.</source>
        <translation>Le régime de commandement de la première offre. Random le tire selon l&apos;employeur.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Veuillez saisir au plus %1 caractères.</translation>
    </message>
    <message>
        <source>New Custom Contract</source>
        <translation>Nouveau contrat personnalisé</translation>
    </message>
    <message>
        <source>Rolls a new set of contract offers. Any term of the first offer may be fixed here; Random rolls it. The other offers are always rolled.</source>
        <translation>Tire un nouveau jeu d&apos;offres de contrat. Chaque terme de la première offre peut être fixé ici ; Random le tire au hasard. Les autres offres sont toujours tirées.</translation>
    </message>
    <message>
        <source>Rolls the offers with the choices shown.</source>
        <translation>Tire les offres avec les choix affichés.</translation>
    </message>
    <message>
        <source>Closes the dialog and keeps the current offers.</source>
        <translation>Ferme la boîte de dialogue et garde les offres actuelles.</translation>
    </message>
</context>
<context>
    <name>NewRandomDialog</name>
    <message>
        <source>New Random Contract</source>
        <translation>Nouveau contrat aléatoire</translation>
    </message>
    <message>
        <source>Rolls a new set of contract offers for a unit of the chosen rating. Every term of every offer is rolled; the current offers are replaced.</source>
        <translation>Tire un nouveau jeu d&apos;offres de contrat pour une unité de la cote choisie. Chaque terme de chaque offre est tiré ; les offres actuelles sont remplacées.</translation>
    </message>
    <message>
        <source>Rolls the offers for the rating shown.</source>
        <translation>Tire les offres pour la cote affichée.</translation>
    </message>
    <message>
        <source>Closes the dialog and keeps the current offers.</source>
        <translation>Ferme la boîte de dialogue et garde les offres actuelles.</translation>
    </message>
    <message>
        <source>Please chose a Dragoon&apos;s Rating</source>
        <translation>Veuillez choisir un Dragoon&apos;s Rating</translation>
    </message>
    <message>
        <source>Dragoon&apos;s Rating</source>
        <translation>Dragoon&apos;s Rating</translation>
    </message>
    <message>
        <source>The unit&apos;s rating, A (best) to D. It sets how many offers the unit receives and how well they pay.</source>
        <translation>La cote de l&apos;unité, de A (la meilleure) à D. Elle fixe combien d&apos;offres l&apos;unité reçoit et combien elles rapportent.</translation>
    </message>
</context>
<context>
    <name>OddsBars</name>
    <message>
        <source>No offers were rolled.</source>
        <translation>Aucune offre n&apos;a été tirée.</translation>
    </message>
    <message>
        <source>%1 offers, %2</source>
        <translation>%1 offres, %2</translation>
    </message>
    <message>
        <source>Difference: %1%2 percentage points</source>
        <translation>Différence : %1%2 points de pourcentage</translation>
    </message>
</context>
<context>
    <name>OddsWindow</name>
    <message>
        <source>Odds - Zuvaduro</source>
        <translation>Probabilités - Zuvaduro</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Probabilités</translation>
    </message>
    <message>
        <source>Rolls the offers of a rating many times, with the first offer&apos;s terms fixed as in New Custom, and shows how often each outcome comes up.</source>
        <translation>Tire les offres d&apos;une cote de nombreuses fois, avec les termes de la première offre fixés comme dans Nouveau personnalisé, et montre la fréquence de chaque résultat.</translation>
    </message>
    <message>
        <source>Rating and first offer</source>
        <translation>Cote et première offre</translation>
    </message>
    <message>
        <source>How many times the offers are rolled.</source>
        <translation>Combien de fois les offres sont tirées.</translation>
    </message>
    <message>
        <source>&amp;Rolls:</source>
        <translation>&amp;Tirages :</translation>
    </message>
    <message>
        <source>from the clock</source>
        <translation>de l&apos;horloge</translation>
    </message>
    <message>
        <source>The seed of the rolls: the same seed, rating, choices and number of rolls give the same counts. Empty takes a new seed from the clock.</source>
        <translation>La graine des tirages : la même graine, la même cote, les mêmes choix et le même nombre de tirages donnent les mêmes comptes. Vide prend une nouvelle graine de l&apos;horloge.</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>&amp;Graine :</translation>
    </message>
    <message>
        <source>R&amp;un</source>
        <translation>&amp;Lancer</translation>
    </message>
    <message>
        <source>Rolls done</source>
        <translation>Tirages effectués</translation>
    </message>
    <message>
        <source>Choose a rating and the first offer&apos;s terms, then Run.</source>
        <translation>Choisissez une cote et les termes de la première offre, puis Lancer.</translation>
    </message>
    <message>
        <source>Export Counts as &amp;CSV...</source>
        <translation>Exporter les comptes en &amp;CSV...</translation>
    </message>
    <message>
        <source>Export Chart as &amp;PNG...</source>
        <translation>Exporter le graphique en &amp;PNG...</translation>
    </message>
    <message>
        <source>The charts are unavailable: their module (%1) could not be loaded from beside the program or from its library folder. The counts are shown as tables.</source>
        <translation>Les graphiques ne sont pas disponibles : leur module (%1) n&apos;a pu être chargé ni à côté du programme ni depuis son dossier de bibliothèques. Les comptes sont affichés en tableaux.</translation>
    </message>
    <message>
        <source>The seed is a whole number from 0 to 18446744073709551615.</source>
        <translation>La graine est un nombre entier de 0 à 18446744073709551615.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Cancelled: these are the counts of the %1 rolls done before.</source>
        <translation>Annulé : voici les comptes des %1 tirages effectués auparavant.</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Offres</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Export Counts</source>
        <translation>Exporter les comptes</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>Exporter le graphique</translation>
    </message>
    <message>
        <source>PNG images (*.png);;All files (*)</source>
        <translation>Images PNG (*.png);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Rolling rating %1 %2 times with seed %3; choices: %4...</source>
        <translation>Tirage de la cote %1, %2 fois, graine %3 ; choix : %4...</translation>
    </message>
    <message>
        <source>Rating %1, %2 rolls, seed %3; choices: %4. They gave %5 offers, mean payment multiplier %6.</source>
        <translation>Cote %1, %2 tirages, graine %3 ; choix : %4. Ils ont donné %5 offres, multiplicateur de solde moyen %6.</translation>
    </message>
    <message>
        <source>Co&amp;mpare with the built-in tables</source>
        <translation>Co&amp;mparer avec les tables intégrées</translation>
    </message>
    <message>
        <source>Counts the built-in tables from the same seeds as the rules in use and shows both side by side: two bars per value, and the difference in percentage points.</source>
        <translation>Compte les tables intégrées avec les mêmes graines que les règles en usage et montre les deux côte à côte : deux barres par valeur, et la différence en points de pourcentage.</translation>
    </message>
    <message>
        <source>Rolled with the built-in tables.</source>
        <translation>Tiré avec les tables intégrées.</translation>
    </message>
    <message>
        <source>Rolled with house rules &apos;%1&apos;.</source>
        <translation>Tiré avec les règles maison &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>house rules &apos;%1&apos;</source>
        <translation>règles maison &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Rating %1, %2 rolls each, seed %3; choices: %4. Built-in tables: %5 offers, mean payment multiplier %6. %7: %8 offers, mean payment multiplier %9.</source>
        <translation>Classement %1, %2 tirages chacun, graine %3 ; choix : %4. Tables intégrées : %5 offres, multiplicateur de solde moyen %6. %7 : %8 offres, multiplicateur de solde moyen %9.</translation>
    </message>
    <message>
        <source>Cancelled: these are the counts of the rolls done before.</source>
        <translation>Annulé : voici les comptes des tirages faits auparavant.</translation>
    </message>
    <message>
        <source>built-in tables</source>
        <translation>tables intégrées</translation>
    </message>
</context>
<context>
    <name>OfferDetails</name>
    <message>
        <source>base pay not set: View &gt; Options</source>
        <translation>solde de base non réglée : Affichage &gt; Options</translation>
    </message>
    <message>
        <source>Monthly Pay (C-Bills)</source>
        <translation>Solde mensuelle (C-Bills)</translation>
    </message>
    <message>
        <source>The payment multiplier times the base pay (View &gt; Options)</source>
        <translation>Le multiplicateur de solde fois la solde de base (Affichage &gt; Options)</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Contract Total (C-Bills)</source>
        <translation>Total du contrat (C-Bills)</translation>
    </message>
    <message>
        <source>Support (straight, battle-loss)</source>
        <translation>Soutien (direct, pertes au combat)</translation>
    </message>
    <message>
        <source>Transport (DS/JS, commercial)</source>
        <translation>Transport (DS/JS, commercial)</translation>
    </message>
    <message>
        <source>the listing shows the pay at the time of the roll: %1 C-Bills</source>
        <translation>la liste montre la solde au moment du tirage : %1 C-Bills</translation>
    </message>
    <message>
        <source> (best)</source>
        <translation> (meilleur)</translation>
    </message>
    <message>
        <source>The highest contract total of these offers</source>
        <translation>Le plus haut total de contrat de ces offres</translation>
    </message>
    <message>
        <source>Rating %1, %2</source>
        <translation>Cote %1, %2</translation>
    </message>
    <message>
        <source>1 offer</source>
        <translation>1 offre</translation>
    </message>
    <message>
        <source>%1 offers</source>
        <translation>%1 offres</translation>
    </message>
    <message>
        <source>, house rules &apos;%1&apos;</source>
        <translation>, règles maison &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>OfferDetailsDock</name>
    <message>
        <source>Offer Details</source>
        <translation>Détails des offres</translation>
    </message>
    <message>
        <source>&lt;b&gt;Offer Details&lt;/b&gt;&lt;p&gt;The offers side by side: every term, then what each offer pays a month, for how many months and over its whole length, with the best total marked. Point at a term to see the dice and modifiers behind it; double-click it to change it.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Détails des offres&lt;/b&gt;&lt;p&gt;Les offres côte à côte : chaque terme, puis ce que chaque offre rapporte par mois, pendant combien de mois et sur toute sa durée, le meilleur total marqué. Pointez un terme pour voir les dés et les modificateurs qui l&apos;expliquent ; double-cliquez pour le modifier.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>OpenProgress</name>
    <message>
        <source>Opening %1...</source>
        <translation>Ouverture de %1...</translation>
    </message>
    <message>
        <source>Share of the file read</source>
        <translation>Part du fichier lue</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Your unit&apos;s name, size and base pay, kept for every document. The name and size fill printed contracts; the base pay sets the offers&apos; pay.</source>
        <translation>Le nom, la taille et la solde de base de votre unité, gardés pour chaque document. Le nom et la taille remplissent les contrats imprimés ; la solde de base fixe la solde des offres.</translation>
    </message>
    <message>
        <source>Closes the dialog and keeps the stored values.</source>
        <translation>Ferme la boîte de dialogue et garde les valeurs enregistrées.</translation>
    </message>
    <message>
        <source>Contract Time Period</source>
        <translation>Période du contrat</translation>
    </message>
    <message>
        <source>The campaign year saved with documents. Opening a document sets it; it cannot be changed here.</source>
        <translation>L&apos;année de la campagne enregistrée avec les documents. Ouvrir un document la fixe ; elle ne peut pas être modifiée ici.</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Nom de l&apos;unité</translation>
    </message>
    <message>
        <source>Your unit&apos;s name, as printed in contracts.</source>
        <translation>Le nom de votre unité, tel qu&apos;imprimé dans les contrats.</translation>
    </message>
    <message>
        <source>Base Pay For Unit (C-Bills/Month)</source>
        <translation>Solde de base de l&apos;unité (C-Bills/mois)</translation>
    </message>
    <message>
        <source>Your unit&apos;s monthly base pay in C-Bills, multiplied by each offer&apos;s payment multiplier. Write it without separators, for example 100000.</source>
        <translation>La solde de base mensuelle de votre unité en C-Bills, multipliée par le multiplicateur de solde de chaque offre. Écrivez-la sans séparateurs, par exemple 100000.</translation>
    </message>
    <message>
        <source>Size of Unit (eg. 2 Regiments)</source>
        <translation>Taille de l&apos;unité (p. ex. 2 Regiments)</translation>
    </message>
    <message>
        <source>Your unit&apos;s size, as printed in contracts.</source>
        <translation>La taille de votre unité, telle qu&apos;imprimée dans les contrats.</translation>
    </message>
    <message>
        <source>Stores the values.</source>
        <translation>Enregistre les valeurs.</translation>
    </message>
    <message>
        <source>The tables New Custom, New Random and Roll Term Again roll on: the built-in ones, or a rules file of your own. A file is checked when you press OK; one that has problems is not taken.</source>
        <translation>Les tables sur lesquelles « Nouveau personnalisé », « Nouveau aléatoire » et « Relancer le terme » tirent : les tables intégrées, ou un fichier de règles à vous. Un fichier est vérifié quand vous appuyez sur OK ; un fichier qui a des problèmes n&apos;est pas pris.</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Règles</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Choisir...</translation>
    </message>
    <message>
        <source>Chooses a rules file to roll with.</source>
        <translation>Choisit un fichier de règles pour les tirages.</translation>
    </message>
    <message>
        <source>&amp;Built-in</source>
        <translation>&amp;Intégrées</translation>
    </message>
    <message>
        <source>Goes back to the built-in tables.</source>
        <translation>Revient aux tables intégrées.</translation>
    </message>
    <message>
        <source>Choose a Rules File</source>
        <translation>Choisir un fichier de règles</translation>
    </message>
    <message>
        <source>Rules files (*.toml);;All files (*)</source>
        <translation>Fichiers de règles (*.toml);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>Intégrées</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Could not start print job.</source>
        <translation>Impossible de lancer l&apos;impression.</translation>
    </message>
</context>
<context>
    <name>PrintQueue</name>
    <message>
        <source>The printer &quot;%1&quot; does not accept print jobs now, so nothing was printed.</source>
        <translation>L&apos;imprimante « %1 » n&apos;accepte pas de travaux pour le moment, rien n&apos;a donc été imprimé.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the print job, so nothing was printed: %2</source>
        <translation>L&apos;imprimante « %1 » n&apos;a pas pris le travail d&apos;impression, rien n&apos;a donc été imprimé : %2</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
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
    <name>QObject</name>
    <message>
        <source>read as %1 C-Bills</source>
        <translation>lu comme %1 C-Bills</translation>
    </message>
    <message>
        <source>Offers per roll</source>
        <translation>Offres par tirage</translation>
    </message>
    <message>
        <source>% of rolls</source>
        <translation>% des tirages</translation>
    </message>
    <message>
        <source>offers</source>
        <translation>offres</translation>
    </message>
    <message>
        <source>Payment multiplier</source>
        <translation>Multiplicateur de solde</translation>
    </message>
    <message>
        <source> (%1 offers whose multiplier is no finite number are not shown)</source>
        <translation> (%1 offres dont le multiplicateur n&apos;est pas un nombre fini ne sont pas montrées)</translation>
    </message>
    <message>
        <source>% of offers</source>
        <translation>% des offres</translation>
    </message>
    <message>
        <source>multiplier (each bar from its value to the next)</source>
        <translation>multiplicateur (chaque barre de sa valeur à la suivante)</translation>
    </message>
    <message>
        <source>The rules file %1 cannot be used:
%2</source>
        <translation>Le fichier de règles %1 ne peut pas être utilisé :
%2</translation>
    </message>
    <message>
        <source>and %1 more.</source>
        <translation>et %1 de plus.</translation>
    </message>
    <message>
        <source>the file is not there.</source>
        <translation>le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>ce n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes.</source>
        <translation>il dépasse %1 octets.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>Intégrées</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>House rules</source>
        <translation>Règles maison</translation>
    </message>
    <message>
        <source>± points</source>
        <translation>± points</translation>
    </message>
    <message>
        <source>Edit Line %1</source>
        <translation>Modifier la ligne %1</translation>
    </message>
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>The settings file %1 could not be read completely. It is kept as it is, and settings changed now last only until the program ends.</source>
        <translation>Le fichier de paramètres %1 n&apos;a pas pu être lu entièrement. Il est conservé tel quel, et les paramètres modifiés maintenant ne durent que jusqu&apos;à la fin du programme.</translation>
    </message>
    <message>
        <source>The settings were not removed: their file could not be read completely and is kept as it is.</source>
        <translation>Les paramètres n&apos;ont pas été supprimés : leur fichier n&apos;a pas pu être lu entièrement et est conservé tel quel.</translation>
    </message>
    <message>
        <source>The settings were not removed: %1 could not be changed.</source>
        <translation>Les paramètres n&apos;ont pas été supprimés : %1 n&apos;a pas pu être modifié.</translation>
    </message>
    <message>
        <source>The settings were cleared, but their file %1 could not be deleted: %2.</source>
        <translation>Les paramètres ont été effacés, mais leur fichier %1 n&apos;a pas pu être supprimé : %2.</translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
    <message>
        <source>&lt;b&gt;Recent file&lt;/b&gt;&lt;p&gt;Opens this document again.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Fichier récent&lt;/b&gt;&lt;p&gt;Rouvre ce document.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>RulesEditor</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Takes back the last edit.</source>
        <translation>Annule la dernière modification.</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Makes the edit Undo took back.</source>
        <translation>Refait la modification qu&apos;Annuler a défaite.</translation>
    </message>
    <message>
        <source>&amp;Try It</source>
        <translation>&amp;Tester</translation>
    </message>
    <message>
        <source>Shows the odds of the rating with the edited tables beside the built-in ones, without saving.</source>
        <translation>Montre les probabilités du classement avec les tables modifiées à côté des tables intégrées, sans enregistrer.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Saves the rules file.</source>
        <translation>Enregistre le fichier de règles.</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Saves the rules under a new name.</source>
        <translation>Enregistre les règles sous un nouveau nom.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
    <message>
        <source>Text or first field</source>
        <translation>Texte ou premier champ</translation>
    </message>
    <message>
        <source>Field %1</source>
        <translation>Champ %1</translation>
    </message>
    <message>
        <source>The rules are sound.</source>
        <translation>Les règles sont correctes.</translation>
    </message>
    <message>
        <source>1 problem: the rules cannot be used until it is mended.</source>
        <translation>1 problème : les règles ne peuvent pas être utilisées tant qu&apos;il n&apos;est pas corrigé.</translation>
    </message>
    <message>
        <source>%1 problems: the rules cannot be used until they are mended.</source>
        <translation>%1 problèmes : les règles ne peuvent pas être utilisées tant qu&apos;ils ne sont pas corrigés.</translation>
    </message>
    <message>
        <source>Save Rules As</source>
        <translation>Enregistrer les règles sous</translation>
    </message>
    <message>
        <source>Rules files (*.toml);;All files (*)</source>
        <translation>Fichiers de règles (*.toml);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The edited tables have problems; mend them before trying them.</source>
        <translation>Les tables modifiées ont des problèmes ; corrigez-les avant de les essayer.</translation>
    </message>
    <message>
        <source>Odds of the Edited Rules - Zuvaduro</source>
        <translation>Probabilités des règles modifiées - Zuvaduro</translation>
    </message>
    <message>
        <source>copy of the built-in tables</source>
        <translation>copie des tables intégrées</translation>
    </message>
    <message>
        <source>Rules Editor - %1[*] - Zuvaduro</source>
        <translation>Éditeur de règles - %1[*] - Zuvaduro</translation>
    </message>
    <message>
        <source>Zuvaduro</source>
        <translation>Zuvaduro</translation>
    </message>
    <message>
        <source>Save the changes to the rules?</source>
        <translation>Enregistrer les modifications des règles ?</translation>
    </message>
</context>
<context>
    <name>SideWindows</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>Impossible de lancer l&apos;aide.</translation>
    </message>
</context>
</TS>
