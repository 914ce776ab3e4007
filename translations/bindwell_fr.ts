<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ArchiveFailure</name>
    <message>
        <source>it holds no files at all.</source>
        <translation>il ne contient aucun fichier.</translation>
    </message>
    <message>
        <source>some of its entries have unsafe names, are links or appear twice, so it cannot be unpacked exactly as it is.</source>
        <translation>certaines de ses entrées ont des noms dangereux, sont des liens ou apparaissent deux fois ; il ne peut donc pas être décompressé tel quel.</translation>
    </message>
    <message>
        <source>it is damaged and could not be unpacked completely.</source>
        <translation>il est endommagé et n&apos;a pas pu être entièrement décompressé.</translation>
    </message>
    <message>
        <source>it could not be opened as an EPUB (ZIP) archive.</source>
        <translation>il n&apos;a pas pu être ouvert comme archive EPUB (ZIP).</translation>
    </message>
    <message>
        <source>there was not enough memory to unpack it.</source>
        <translation>la mémoire était insuffisante pour le décompresser.</translation>
    </message>
    <message>
        <source>the disk is full, so it could not be unpacked.</source>
        <translation>le disque est plein ; il n&apos;a donc pas pu être décompressé.</translation>
    </message>
    <message>
        <source>unpacking it was stopped.</source>
        <translation>sa décompression a été interrompue.</translation>
    </message>
    <message>
        <source>it is encrypted and no correct password was given.</source>
        <translation>il est chiffré et aucun mot de passe correct n&apos;a été fourni.</translation>
    </message>
    <message>
        <source>it would expand to far more than its own size (it may be a zip bomb).</source>
        <translation>il occuperait bien plus que sa propre taille une fois décompressé (il s&apos;agit peut-être d&apos;une bombe ZIP).</translation>
    </message>
    <message>
        <source>unpacking it failed (UnZip error %1).</source>
        <translation>sa décompression a échoué (erreur UnZip %1).</translation>
    </message>
    <message>
        <source>Bindwell left this book as it was: %1</source>
        <extracomment>%1 is one of the reasons, which begin in lower case.</extracomment>
        <translation>Bindwell a laissé ce livre tel quel&#xa0;: %1</translation>
    </message>
    <message>
        <source>The disk is full; the book was left as it was.</source>
        <translation>Le disque est plein ; le livre a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The new book could not be written beside the old one; the book was left as it was.</source>
        <translation>Le nouveau livre n&apos;a pas pu être écrit à côté de l&apos;ancien ; le livre a été laissé tel quel.</translation>
    </message>
    <message>
        <source>A file of the unpacked book could not be read; the book was left as it was.</source>
        <translation>Un fichier du livre décompressé n&apos;a pas pu être lu ; le livre a été laissé tel quel.</translation>
    </message>
    <message>
        <source>There was nothing to pack; the book was left as it was.</source>
        <translation>Il n&apos;y avait rien à compresser ; le livre a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The Zip library could not be used; the book was left as it was.</source>
        <translation>La bibliothèque Zip n&apos;a pas pu être utilisée ; le livre a été laissé tel quel.</translation>
    </message>
    <message>
        <source>Two of its entries have names that readers read as one; the book was left as it was.</source>
        <translation>Deux de ses entrées ont des noms que les liseuses lisent comme un seul ; le livre a été laissé tel quel.</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>%1 Error unzipping:  %2</source>
        <extracomment>%1 is the error&apos;s number, %2 its description.</extracomment>
        <translation>%1 Erreur de décompression&#xa0;:  %2</translation>
    </message>
    <message>
        <source>Please enter the path to the folder containing your ebooks.</source>
        <translation>Veuillez saisir le chemin du dossier qui contient vos livres numériques.</translation>
    </message>
    <message>
        <source>Another Bindwell run is using the working folder %1.</source>
        <translation>Une autre exécution de Bindwell utilise le dossier de travail %1.</translation>
    </message>
    <message>
        <source>Wait until it has finished, then press Start again.</source>
        <translation>Attendez qu&apos;elle se termine, puis appuyez de nouveau sur Démarrer.</translation>
    </message>
    <message>
        <source>Subscript out of range (the book list no longer has an entry %1)</source>
        <translation>Indice hors limites (la liste des livres n&apos;a plus d&apos;entrée %1)</translation>
    </message>
    <message numerus="yes">
        <source>%n books failed:</source>
        <translation>
            <numerusform>%n livre en échec&#xa0;:</numerusform>
            <numerusform>%n livres en échec&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>No books fixed - no books selected.</source>
        <translation>Aucun livre corrigé – aucun livre sélectionné.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped. (%n epubs fixed.)</source>
        <translation>
            <numerusform>Arrêté. (%n EPUB corrigé.)</numerusform>
            <numerusform>Arrêté. (%n EPUB corrigés.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Okay, your books are all set. (%n epubs fixed.)</source>
        <translation>
            <numerusform>C&apos;est fait, vos livres sont prêts. (%n EPUB corrigé.)</numerusform>
            <numerusform>C&apos;est fait, vos livres sont prêts. (%n EPUB corrigés.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n books were left as they were: they cannot be fixed safely.</source>
        <translation>
            <numerusform> %n livre a été laissé tel quel&#xa0;: il ne peut pas être corrigé sans risque.</numerusform>
            <numerusform> %n livres ont été laissés tels quels&#xa0;: ils ne peuvent pas être corrigés sans risque.</numerusform>
        </translation>
    </message>
    <message>
        <source> The original books are in the Trash.</source>
        <translation> Les livres d&apos;origine sont dans la corbeille.</translation>
    </message>
    <message>
        <source>Internal error (%1)</source>
        <translation>Erreur interne (%1)</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Erreur interne</translation>
    </message>
    <message>
        <source>Permission denied (the temporary folder &quot;%1&quot; is a link, another user&apos;s, or open to others; remove it and start again)</source>
        <translation>Permission refusée (le dossier temporaire «&#xa0;%1&#xa0;» est un lien, appartient à un autre utilisateur ou est ouvert aux autres ; supprimez-le et recommencez)</translation>
    </message>
    <message numerus="yes">
        <source> %n of them were already as the options ask, and were left untouched.</source>
        <translation>
            <numerusform> %n d&apos;entre eux était déjà conforme aux options et n&apos;a pas été touché.</numerusform>
            <numerusform> %n d&apos;entre eux étaient déjà conformes aux options et n&apos;ont pas été touchés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> For %n of them no language was found; they keep the one they name.</source>
        <translation>
            <numerusform> Pour %n d&apos;entre eux, aucune langue n&apos;a été trouvée ; il garde celle qu&apos;il indique.</numerusform>
            <numerusform> Pour %n d&apos;entre eux, aucune langue n&apos;a été trouvée ; ils gardent celle qu&apos;ils indiquent.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pictures: %1 → %2.</source>
        <extracomment>%1 is the size the pictures fitted took before, %2 the size they take now: &quot;Pictures: 122.3 MB → 60.1 MB.&quot;</extracomment>
        <translation>Images : %1 → %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n epubs would be fixed</source>
        <extracomment>Followed by what the other counts say, then a full stop: &quot;40 epubs would be fixed; 38 of them are already as the options ask.&quot;</extracomment>
        <translation>
            <numerusform>%n EPUB serait corrigé</numerusform>
            <numerusform>%n EPUB seraient corrigés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n of them are already as the options ask</source>
        <translation>
            <numerusform>; %n d&apos;entre eux est déjà conforme aux options</numerusform>
            <numerusform>; %n d&apos;entre eux sont déjà conformes aux options</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> For %n of them no language would be found; they would keep the one they name.</source>
        <translation>
            <numerusform> Pour %n d&apos;entre eux, aucune langue ne serait trouvée ; il garderait celle qu&apos;il indique.</numerusform>
            <numerusform> Pour %n d&apos;entre eux, aucune langue ne serait trouvée ; ils garderaient celle qu&apos;ils indiquent.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n books would be left as they are: they cannot be fixed safely.</source>
        <translation>
            <numerusform> %n livre serait laissé tel quel : il ne peut pas être corrigé sans risque.</numerusform>
            <numerusform> %n livres seraient laissés tels quels : ils ne peuvent pas être corrigés sans risque.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BookFix</name>
    <message>
        <source>Overflow (Zip result %1)</source>
        <translation>Dépassement de capacité (résultat Zip %1)</translation>
    </message>
    <message>
        <source>Zip error: %1</source>
        <translation>Erreur Zip&#xa0;: %1</translation>
    </message>
    <message>
        <source>The book changed on disk while Bindwell was fixing it, so Bindwell left it as the other program wrote it.</source>
        <translation>Le livre a été modifié sur le disque pendant que Bindwell le corrigeait ; Bindwell l&apos;a donc laissé tel que l&apos;autre programme l&apos;a écrit.</translation>
    </message>
    <message>
        <source>Too many entry names for the UnZip library</source>
        <translation>Trop de noms d&apos;entrées pour la bibliothèque UnZip</translation>
    </message>
    <message>
        <source>Regular expression &quot;%1&quot; is invalid: %2</source>
        <translation>L&apos;expression régulière «&#xa0;%1&#xa0;» n&apos;est pas valide&#xa0;: %2</translation>
    </message>
    <message>
        <source>Out of memory creating a regular expression</source>
        <translation>Mémoire insuffisante pour créer une expression régulière</translation>
    </message>
    <message>
        <source>Out of memory matching a regular expression</source>
        <translation>Mémoire insuffisante pour appliquer une expression régulière</translation>
    </message>
    <message>
        <source>Regular expression match failed: %1</source>
        <translation>L&apos;application de l&apos;expression régulière a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 could not be read and was left as it was</source>
        <extracomment>%1 is the picture&apos;s name in the book, as &quot;OEBPS/images/cut.jpg&quot;.</extracomment>
        <translation>%1 n&apos;a pas pu être lu et a été laissé tel quel</translation>
    </message>
    <message>
        <source>%1 has more than 500 megapixels and was left as it was</source>
        <extracomment>%1 is the picture&apos;s name in the book.</extracomment>
        <translation>%1 compte plus de 500 mégapixels et a été laissé tel quel</translation>
    </message>
    <message>
        <source>%1 is too large to be decoded whole and was left as it was</source>
        <extracomment>%1 is the picture&apos;s name in the book; progressive JPEGs and interlaced PNGs are decoded whole.</extracomment>
        <translation>%1 est trop grand pour être décodé d&apos;un seul tenant et a été laissé tel quel</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Fixes EPUB books as the Bindwell window does. Each PATH is a folder, whose books
are found as the window finds them (same rules, same order), or an EPUB file.
Books are fixed in the order given, each once.

Options not given come from the settings store, as the window reads them.
Exit status: 0 books fixed, 1 a failure or no books, 2 a usage error,
3 an UnZip library of the wrong version.</source>
        <translation>Corrige des livres EPUB comme le fait la fenêtre de Bindwell. Chaque PATH est un
dossier, dont les livres sont trouvés comme dans la fenêtre (mêmes règles, même
ordre), ou un fichier EPUB. Les livres sont corrigés dans l&apos;ordre donné, chacun une
seule fois.

Les options non indiquées viennent des réglages enregistrés, comme pour la fenêtre.
Code de sortie&#xa0;: 0 livres corrigés, 1 un échec ou aucun livre, 2 une erreur
d&apos;utilisation, 3 une bibliothèque UnZip de mauvaise version.</translation>
    </message>
    <message>
        <source>Remove fixed font sizes (option FontSizes) in this run.</source>
        <translation>Retirer les tailles de police fixes (option FontSizes) pour cette exécution.</translation>
    </message>
    <message>
        <source>Keep fixed font sizes in this run.</source>
        <translation>Conserver les tailles de police fixes pour cette exécution.</translation>
    </message>
    <message>
        <source>Justify all paragraphs (option JustifyText) in this run.</source>
        <translation>Justifier tous les paragraphes (option JustifyText) pour cette exécution.</translation>
    </message>
    <message>
        <source>Do not justify paragraphs in this run.</source>
        <translation>Ne pas justifier les paragraphes pour cette exécution.</translation>
    </message>
    <message>
        <source>Install the Liberation fonts (option IntlFonts) in this run.</source>
        <translation>Installer les polices Liberation (option IntlFonts) pour cette exécution.</translation>
    </message>
    <message>
        <source>Do not install the fonts in this run.</source>
        <translation>Ne pas installer les polices pour cette exécution.</translation>
    </message>
    <message>
        <source>Delete the stylesheets entirely (option DeleteCSS) in this run.</source>
        <translation>Supprimer entièrement les feuilles de style (option DeleteCSS) pour cette exécution.</translation>
    </message>
    <message>
        <source>Alter the stylesheets instead of deleting them in this run.</source>
        <translation>Modifier les feuilles de style au lieu de les supprimer pour cette exécution.</translation>
    </message>
    <message>
        <source>Move each replaced book&apos;s original to the Trash (option KeepOriginals) in this run.</source>
        <translation>Mettre l&apos;original de chaque livre remplacé à la corbeille (option KeepOriginals) pour cette exécution.</translation>
    </message>
    <message>
        <source>Do not keep the originals in this run.</source>
        <translation>Ne pas conserver les originaux pour cette exécution.</translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation>aucun PATH indiqué</translation>
    </message>
    <message>
        <source>Print the books found, one a line, and change nothing; a protected book with the reason after a tab.</source>
        <translation>Afficher les livres trouvés, un par ligne, sans rien modifier ; pour un livre protégé, la raison suit après une tabulation.</translation>
    </message>
    <message>
        <source>Also save the options given to the settings store.</source>
        <translation>Enregistrer aussi les options indiquées dans les réglages.</translation>
    </message>
    <message>
        <source>Report a book that fails, leave it as it was, and go on with the next; list the failed books at the end.</source>
        <translation>Signaler un livre en échec, le laisser tel quel et passer au suivant ; lister les livres en échec à la fin.</translation>
    </message>
    <message>
        <source>A folder of books, or an EPUB file.</source>
        <extracomment>PATH is the argument&apos;s name in the usage line; keep it.</extracomment>
        <translation>Un dossier de livres, ou un fichier EPUB.</translation>
    </message>
    <message>
        <source>Remove fixed line heights (option LineHeights) in this run.</source>
        <translation>Retirer les hauteurs de ligne fixes (option LineHeights) pour cette exécution.</translation>
    </message>
    <message>
        <source>Keep fixed line heights in this run.</source>
        <translation>Conserver les hauteurs de ligne fixes pour cette exécution.</translation>
    </message>
    <message>
        <source>Remove the page margins (option PageMargins) in this run.</source>
        <translation>Retirer les marges de page (option PageMargins) pour cette exécution.</translation>
    </message>
    <message>
        <source>Keep the page margins in this run.</source>
        <translation>Conserver les marges de page pour cette exécution.</translation>
    </message>
    <message>
        <source>Remove the typefaces the books name, monospace ones aside, so that the reader&apos;s own is used (option FontFamilies) in this run.</source>
        <translation>Retirer les polices que nomment les livres, sauf celles à chasse fixe, pour que la liseuse utilise la sienne (option FontFamilies) pour cette exécution.</translation>
    </message>
    <message>
        <source>Keep the typefaces the books name in this run.</source>
        <translation>Conserver les polices que nomment les livres pour cette exécution.</translation>
    </message>
    <message>
        <source>Where fixed font sizes are removed, keep the sizes relative to the reader&apos;s own (option RelativeSizes) in this run.</source>
        <translation>Là où les tailles de police fixes sont retirées, garder les tailles relatives à celle de la liseuse (option RelativeSizes) pour cette exécution.</translation>
    </message>
    <message>
        <source>Remove relative font sizes too in this run.</source>
        <translation>Retirer aussi les tailles de police relatives pour cette exécution.</translation>
    </message>
    <message>
        <source>Where the fonts are installed, embed only the characters each book uses (option SubsetFonts) in this run.</source>
        <translation>Là où les polices sont installées, n&apos;intégrer que les caractères qu&apos;utilise chaque livre (option SubsetFonts) pour cette exécution.</translation>
    </message>
    <message>
        <source>Embed the fonts whole in this run.</source>
        <translation>Intégrer les polices entières pour cette exécution.</translation>
    </message>
    <message>
        <source>Make the books ready for Send to Kindle: each content document declares its encoding and links to no chapter&apos;s body, no picture lacks a source, and each book names a language code and its cover both ways (option KindleReady) in this run.</source>
        <translation>Préparer les livres pour Send to Kindle&#xa0;: chaque document de contenu déclare son encodage et ne renvoie au corps d&apos;aucun chapitre, aucune image n&apos;est sans source, et chaque livre indique un code de langue et sa couverture des deux façons (option KindleReady) pour cette exécution.</translation>
    </message>
    <message>
        <source>Do not ready the books for Send to Kindle in this run.</source>
        <translation>Ne pas préparer les livres pour Send to Kindle pour cette exécution.</translation>
    </message>
    <message>
        <source>Remove the colours the books give their text and its background, so that the reader&apos;s own are used (option TextColors) in this run.</source>
        <translation>Retirer les couleurs que les livres donnent à leur texte et à son fond, pour que celles de la liseuse s&apos;appliquent (option TextColors), pour cette exécution.</translation>
    </message>
    <message>
        <source>Keep the colours the books give their text in this run.</source>
        <translation>Conserver les couleurs du texte des livres, pour cette exécution.</translation>
    </message>
    <message>
        <source>Scale the pictures larger than the e-reader&apos;s screen down to it (option FitPictures) in this run.</source>
        <translation>Réduire à la taille de l&apos;écran de la liseuse les images plus grandes que lui (option FitPictures), pour cette exécution.</translation>
    </message>
    <message>
        <source>Keep the pictures&apos; sizes in this run.</source>
        <translation>Conserver la taille des images, pour cette exécution.</translation>
    </message>
    <message>
        <source>Make the pictures in colour grey (option GreyPictures) in this run.</source>
        <translation>Mettre en niveaux de gris les images en couleur (option GreyPictures), pour cette exécution.</translation>
    </message>
    <message>
        <source>Keep the pictures&apos; colours in this run.</source>
        <translation>Conserver les couleurs des images, pour cette exécution.</translation>
    </message>
    <message>
        <source>Make Kobo books: each book becomes NAME.kepub.epub, read by Kobo&apos;s own renderer (option KoboBooks) in this run.</source>
        <translation>Créer des livres Kobo : chaque livre devient NOM.kepub.epub, lu par le moteur de rendu propre à Kobo (option KoboBooks), pour cette exécution.</translation>
    </message>
    <message>
        <source>Do not make Kobo books in this run.</source>
        <translation>Ne pas créer de livres Kobo, pour cette exécution.</translation>
    </message>
    <message>
        <source>The e-reader&apos;s screen in pixels, such as 1264x1680, that pictures are fitted to (option ScreenSize) in this run.</source>
        <extracomment>WIDTHxHEIGHT is the value&apos;s name in the usage line; keep it.</extracomment>
        <translation>L&apos;écran de la liseuse en pixels, par exemple 1264x1680, auquel les images sont adaptées (option ScreenSize), pour cette exécution.</translation>
    </message>
    <message>
        <source>--screen takes WIDTHxHEIGHT in pixels, such as 1264x1680, not &quot;%1&quot;</source>
        <extracomment>%1 is what was given after --screen.</extracomment>
        <translation>--screen attend LARGEURxHAUTEUR en pixels, par exemple 1264x1680, et non « %1 »</translation>
    </message>
    <message>
        <source>Take every book through the fix as a run would, and print what it would do to each, one line a book, then the summary a run would print; change nothing.</source>
        <translation>Faire passer chaque livre par la correction comme le ferait une exécution, et afficher ce qu&apos;elle lui ferait, une ligne par livre, puis le résumé qu&apos;afficherait une exécution ; ne rien modifier.</translation>
    </message>
    <message>
        <source>--dry-run changes nothing, so it saves nothing: --save cannot go with it</source>
        <extracomment>--dry-run, --save and --list are the options&apos; names; keep them.</extracomment>
        <translation>--dry-run ne modifie rien et n&apos;enregistre donc rien : --save ne peut pas l&apos;accompagner</translation>
    </message>
    <message>
        <source>--dry-run and --list cannot go together</source>
        <translation>--dry-run et --list ne peuvent pas aller ensemble</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>no (no terminal)</source>
        <translation>non (pas de terminal)</translation>
    </message>
    <message>
        <source>cancel (no terminal)</source>
        <translation>annuler (pas de terminal)</translation>
    </message>
    <message>
        <source>[y]es, [n]o, [c]ancel:</source>
        <extracomment>the letters in brackets are the keys to type; keep them.</extracomment>
        <translation>[y] oui, [n] non, [c] annuler&#xa0;:</translation>
    </message>
    <message>
        <source>[r]etry, [c]ancel:</source>
        <translation>[r] réessayer, [c] annuler&#xa0;:</translation>
    </message>
    <message>
        <source>%1: left as it was: %2</source>
        <translation>%1&#xa0;: laissé tel quel&#xa0;: %2</translation>
    </message>
    <message>
        <source>The original books are in the Trash: %1</source>
        <translation>Les livres d&apos;origine sont dans la corbeille&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 is neither a folder nor an EPUB file</source>
        <translation>%1 n&apos;est ni un dossier ni un fichier EPUB</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: would change: %2</source>
        <extracomment>%1 is the book, %2 what a run would change in it.</extracomment>
        <translation>%1 : serait modifié : %2</translation>
    </message>
    <message>
        <source>%1: already as the options ask</source>
        <translation>%1 : déjà conforme aux options</translation>
    </message>
    <message>
        <source>%1: left alone: %2</source>
        <translation>%1 : laissé tel quel : %2</translation>
    </message>
    <message>
        <source>%1: would fail: %2</source>
        <extracomment>%2 is the message a run would give, its lines joined.</extracomment>
        <translation>%1 : échouerait : %2</translation>
    </message>
</context>
<context>
    <name>ContentWalk</name>
    <message>
        <source>%1 is in %2, which the fix does not edit</source>
        <extracomment>%1 is a stylesheet&apos;s name in the book, %2 the encoding its @charset rule names.</extracomment>
        <translation>%1 est en %2, que la correction ne modifie pas</translation>
    </message>
</context>
<context>
    <name>DeleteCss</name>
    <message>
        <source>%1 cannot be edited safely, so the stylesheets are kept</source>
        <extracomment>%1 is the name of a package or content document in the book, as OEBPS/ch1.xhtml.</extracomment>
        <translation>%1 ne peut pas être modifié sans risque, les feuilles de style sont donc conservées</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Chemin introuvable</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Le fichier existe déjà</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erreur d&apos;accès au chemin ou au fichier</translation>
    </message>
    <message>
        <source>%1 (%2 &quot;%3&quot;: %4)</source>
        <extracomment>%1 says what went wrong, %2 what was being done, %3 the file or folder, %4 the system&apos;s own words.</extracomment>
        <translation>%1 (%2 «&#xa0;%3&#xa0;»&#xa0;: %4)</translation>
    </message>
    <message>
        <source>listing folder</source>
        <translation>lors du listage du dossier</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>lors de l&apos;écriture de</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>lors de la lecture de</translation>
    </message>
    <message>
        <source>deleting folder</source>
        <translation>lors de la suppression du dossier</translation>
    </message>
    <message>
        <source>deleting</source>
        <translation>lors de la suppression de</translation>
    </message>
    <message>
        <source>deleting file</source>
        <translation>lors de la suppression du fichier</translation>
    </message>
    <message>
        <source>copying</source>
        <translation>lors de la copie de</translation>
    </message>
    <message>
        <source>copying to</source>
        <translation>lors de la copie vers</translation>
    </message>
    <message>
        <source>deleting file (it is a folder)</source>
        <translation>lors de la suppression du fichier (c&apos;est un dossier)</translation>
    </message>
    <message>
        <source>creating folder</source>
        <translation>lors de la création du dossier</translation>
    </message>
    <message>
        <source>moving</source>
        <translation>lors du déplacement de</translation>
    </message>
    <message>
        <source>moving to</source>
        <translation>lors du déplacement vers</translation>
    </message>
    <message>
        <source>opening</source>
        <translation>lors de l&apos;ouverture de</translation>
    </message>
    <message>
        <source>flushing</source>
        <translation>lors de l&apos;écriture sur le disque de</translation>
    </message>
    <message>
        <source>replacing</source>
        <translation>lors du remplacement de</translation>
    </message>
    <message>
        <source>Internal error (a UTF-16 text was cut apart)</source>
        <translation>Erreur interne (un texte UTF-16 a été coupé)</translation>
    </message>
    <message>
        <source>opening for writing</source>
        <translation>lors de l&apos;ouverture en écriture de</translation>
    </message>
    <message>
        <source>creating the Trash folder</source>
        <translation>lors de la création du dossier de la corbeille</translation>
    </message>
    <message>
        <source>opening the Trash folder</source>
        <translation>lors de l&apos;ouverture du dossier de la corbeille</translation>
    </message>
    <message>
        <source>finding the filesystem of</source>
        <translation>lors de la recherche du système de fichiers de</translation>
    </message>
    <message>
        <source>creating</source>
        <translation>lors de la création de</translation>
    </message>
    <message>
        <source>linking into the Trash</source>
        <translation>lors de la création du lien dans la corbeille</translation>
    </message>
    <message>
        <source>moving into the Trash</source>
        <translation>lors du déplacement dans la corbeille</translation>
    </message>
    <message>
        <source>creating the private temporary folder</source>
        <translation>lors de la création du dossier temporaire privé</translation>
    </message>
    <message>
        <source>creating the lock</source>
        <translation>lors de la création du verrou</translation>
    </message>
    <message>
        <source>Internal error (a stylesheet was to be written without its encoding)</source>
        <translation>Erreur interne (une feuille de style allait être écrite sans son encodage)</translation>
    </message>
    <message>
        <source>renaming</source>
        <translation>lors du renommage de</translation>
    </message>
</context>
<context>
    <name>FixRecord</name>
    <message numerus="yes">
        <source>%n stylesheets edited</source>
        <translation>
            <numerusform>%n feuille de style modifiée</numerusform>
            <numerusform>%n feuilles de style modifiées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stylesheets, </source>
        <extracomment>Followed by the declarations removed: &quot;3 stylesheets, 41 declarations removed&quot;.</extracomment>
        <translation>
            <numerusform>%n feuille de style, </numerusform>
            <numerusform>%n feuilles de style, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n declarations removed</source>
        <translation>
            <numerusform>%n déclaration retirée</numerusform>
            <numerusform>%n déclarations retirées</numerusform>
        </translation>
    </message>
    <message>
        <source>the fonts embedded whole (%1)</source>
        <extracomment>%1 is the size the four faces take in the book, as &quot;814 KB&quot;.</extracomment>
        <translation>les polices intégrées entières (%1)</translation>
    </message>
    <message>
        <source>the fonts embedded, cut to the book&apos;s characters (%1)</source>
        <extracomment>%1 is the size the four faces take in the book, as &quot;94 KB&quot;.</extracomment>
        <translation>les polices intégrées, réduites aux caractères du livre (%1)</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <extracomment>%1 is a number of kilobytes.</extracomment>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1 is a number of megabytes, with one decimal.</extracomment>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 is %2 MB: Send to Kindle takes at most 50 MB by e-mail.</source>
        <extracomment>%1 is the book, %2 its size in megabytes: &quot;Series/Atlas.epub is 63 MB: Send to Kindle takes at most 50 MB by e-mail.&quot;</extracomment>
        <translation>%1 fait %2 Mo&#xa0;: Send to Kindle accepte au plus 50 Mo par e-mail.</translation>
    </message>
    <message numerus="yes">
        <source>%n stylesheets deleted</source>
        <translation>
            <numerusform>%n feuille de style supprimée</numerusform>
            <numerusform>%n feuilles de style supprimées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the links to them taken out of %n documents</source>
        <translation>
            <numerusform>les liens vers elles retirés de %n document</numerusform>
            <numerusform>les liens vers elles retirés de %n documents</numerusform>
        </translation>
    </message>
    <message>
        <source>language %1 → %2</source>
        <extracomment>%1 is the language the book named, %2 the code it names now: &quot;language C → de&quot;.</extracomment>
        <translation>langue %1 → %2</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures, %1 → %2</source>
        <extracomment>%1 and %2 are the pictures&apos; sizes before and after: &quot;12 pictures, 4.1 MB → 1.2 MB&quot;.</extracomment>
        <translation>
            <numerusform>%n image, %1 → %2</numerusform>
            <numerusform>%n images, %1 → %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n encoding declarations added</source>
        <translation>
            <numerusform>%n déclaration d&apos;encodage ajoutée</numerusform>
            <numerusform>%n déclarations d&apos;encodage ajoutées</numerusform>
        </translation>
    </message>
    <message>
        <source>the links and pictures mended for Send to Kindle</source>
        <translation>les liens et les images corrigés pour Send to Kindle</translation>
    </message>
    <message>
        <source>the cover named in the package</source>
        <translation>la couverture désignée dans le paquet</translation>
    </message>
    <message numerus="yes">
        <source>%n sentences and pictures in Kobo&apos;s spans</source>
        <translation>
            <numerusform>%n phrase ou image dans des spans Kobo</numerusform>
            <numerusform>%n phrases et images dans des spans Kobo</numerusform>
        </translation>
    </message>
    <message>
        <source>would become %1</source>
        <extracomment>%1 is the book&apos;s new file name, as &quot;a.kepub.epub&quot;.</extracomment>
        <translation>deviendrait %1</translation>
    </message>
    <message>
        <source>now %1</source>
        <translation>désormais %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>            <numerusform>%n octet</numerusform>            <numerusform>%n octets</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>less than a minute left</source>
        <translation>moins d&apos;une minute restante</translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>environ %n minute restante</numerusform>
            <numerusform>environ %n minutes restantes</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>environ %1&#xa0;h %2&#xa0;min restantes</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Corrigé</translation>
    </message>
    <message>
        <source>Already as the options ask: left untouched</source>
        <translation>Déjà conforme aux options&#xa0;: laissé intact</translation>
    </message>
    <message>
        <source>Left as it was: </source>
        <translation>Laissé tel quel&#xa0;: </translation>
    </message>
    <message>
        <source>Failed: </source>
        <translation>Échec&#xa0;: </translation>
    </message>
    <message>
        <source>&amp;Load EBook from:</source>
        <translation>&amp;Charger les livres depuis&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>Books done</source>
        <translation>Livres traités</translation>
    </message>
    <message>
        <source>Check the boo&amp;ks you want to fix:</source>
        <translation>Cochez les &amp;livres à corriger&#xa0;:</translation>
    </message>
    <message>
        <source>Select:</source>
        <translation>Sélection&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>Aucu&amp;n</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tous</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>Select a folder...</source>
        <translation>Choisir un dossier...</translation>
    </message>
    <message>
        <source>Stopping after %1</source>
        <translation>Arrêt après %1</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Fixing %1 of %2: %3</source>
        <translation>Correction %1 sur %2&#xa0;: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n books</source>
        <translation>
            <numerusform>%1 sur %n livre</numerusform>
            <numerusform>%1 sur %n livres</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 counts the books done, %2 says the time left.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Fixed: </source>
        <translation>Corrigé : </translation>
    </message>
</context>
<context>
    <name>KindleReady</name>
    <message>
        <source>%1 is not UTF-8 and names no encoding</source>
        <extracomment>%1 is the name of a content document in the book, as OEBPS/ch1.xhtml.</extracomment>
        <translation>%1 n&apos;est pas en UTF-8 et n&apos;indique aucun encodage</translation>
    </message>
    <message>
        <source>no language found</source>
        <translation>aucune langue trouvée</translation>
    </message>
    <message>
        <source>%1 holds a NUL byte, which XML does not allow</source>
        <extracomment>%1 is the name of a content document in the book, as OEBPS/ch1.xhtml.</extracomment>
        <translation>%1 contient un octet NUL, ce que XML n&apos;admet pas</translation>
    </message>
    <message>
        <source>%1 names %2 and is not UTF-8</source>
        <extracomment>%1 is the name of a content document in the book, as OEBPS/ch1.xhtml; %2 the name of an encoding as the document gives it, as windows-1252.</extracomment>
        <translation>%1 indique %2 et n&apos;est pas en UTF-8</translation>
    </message>
</context>
<context>
    <name>Kobo</name>
    <message>
        <source>%1 is not UTF-8 or UTF-16</source>
        <translation>%1 n'est ni en UTF-8 ni en UTF-16</translation>
    </message>
    <message>
        <source>%1 does not read as XML (%2)</source>
        <extracomment>%1 is the content document, %2 where and why it does not read (&quot;line 3: ...&quot;).</extracomment>
        <translation>%1 ne se lit pas comme du XML (%2)</translation>
    </message>
    <message>
        <source>%1 is in a calibre library; calibre&apos;s own Kobo driver converts it as it sends it</source>
        <translation>%1 se trouve dans une bibliothèque calibre ; le pilote Kobo de calibre le convertit lui-même à l&apos;envoi</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 existe déjà</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Options...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <source>Text styling</source>
        <translation>Mise en forme du texte</translation>
    </message>
    <message>
        <source>(Otherwise, we&apos;ll just remove all the font sizes.)</source>
        <translation>(Sinon, seules les tailles de police sont retirées.)</translation>
    </message>
    <message>
        <source>&amp;Alter the stylesheet:</source>
        <translation>&amp;Modifier la feuille de style&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Delete CSS entirely?</source>
        <translation>&amp;Supprimer le CSS&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Justify all paragraphs.</source>
        <translation>&amp;Justifier tous les paragraphes.</translation>
    </message>
    <message>
        <source>&amp;Remove fixed font sizes.</source>
        <translation>&amp;Retirer les tailles de police fixes.</translation>
    </message>
    <message>
        <source>&amp;Install Liberation fonts.</source>
        <translation>&amp;Installer les polices Liberation.</translation>
    </message>
    <message>
        <source>(Allows display of international characters.)</source>
        <translation>(Affiche les caractères internationaux.)</translation>
    </message>
    <message>
        <source>&amp;Move the original books to the Trash</source>
        <translation>Mettre les livres d&apos;origine à la &amp;corbeille</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>For e-readers</source>
        <translation>Pour les liseuses</translation>
    </message>
    <message>
        <source>Remove fixed &amp;line heights</source>
        <translation>Retirer les &amp;hauteurs de ligne fixes</translation>
    </message>
    <message>
        <source>Remove &amp;page margins</source>
        <translation>Retirer les marges de &amp;page</translation>
    </message>
    <message>
        <source>&amp;Use the reader&apos;s own typeface</source>
        <translation>Utiliser la police de la &amp;liseuse</translation>
    </message>
    <message>
        <source>&amp;Keep relative font sizes</source>
        <translation>&amp;Garder les tailles de police relatives</translation>
    </message>
    <message>
        <source>&amp;Embed only the characters each book uses</source>
        <translation>&amp;N&apos;intégrer que les caractères utilisés par chaque livre</translation>
    </message>
    <message>
        <source>Make the books ready for &amp;Send to Kindle</source>
        <translation>Préparer les livres pour Send to &amp;Kindle</translation>
    </message>
    <message>
        <source>Use the reader&apos;s o&amp;wn colours</source>
        <translation>Utiliser l&amp;es couleurs de la liseuse</translation>
    </message>
    <message>
        <source>Make Kobo &amp;books (KEPUB)</source>
        <translation>Créer des livres Ko&amp;bo (KEPUB)</translation>
    </message>
    <message>
        <source>&amp;Fit pictures to the e-reader&apos;s screen</source>
        <translation>&amp;Adapter les images à l&apos;écran de la liseuse</translation>
    </message>
    <message>
        <source>Screen si&amp;ze:</source>
        <translation>&amp;Taille de l&apos;écran&#xa0;:</translation>
    </message>
    <message>
        <source>Make pictures &amp;grey</source>
        <translation>Mettre les images en ni&amp;veaux de gris</translation>
    </message>
</context>
<context>
    <name>Protection</name>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>protected: %1 cannot be read</source>
        <translation>protégé&#xa0;: %1 est illisible</translation>
    </message>
    <message>
        <source>protected: %1 is not well-formed (%2)</source>
        <translation>protégé&#xa0;: %1 est mal formé (%2)</translation>
    </message>
    <message>
        <source>a resource it does not name</source>
        <translation>une ressource qu&apos;il ne nomme pas</translation>
    </message>
    <message>
        <source>protected: %1 obfuscates %2, which the fix would write over</source>
        <translation>protégé&#xa0;: %1 masque %2, que la correction écraserait</translation>
    </message>
    <message>
        <source>protected: %1 encrypts %2</source>
        <translation>protégé&#xa0;: %1 chiffre %2</translation>
    </message>
    <message numerus="yes">
        <source>protected: %1 encrypts %2 and %n more</source>
        <extracomment>%1 is META-INF/encryption.xml, %2 the first resource it encrypts, %n how many more it encrypts.</extracomment>
        <translation>
            <numerusform>protégé&#xa0;: %1 chiffre %2 et %n autre</numerusform>
            <numerusform>protégé&#xa0;: %1 chiffre %2 et %n autres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SharedLibrary</name>
    <message>
        <source>Cannot load the library %1 (%2)</source>
        <translation>Impossible de charger la bibliothèque %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot load the library %1</source>
        <translation>Impossible de charger la bibliothèque %1</translation>
    </message>
    <message>
        <source>Cannot find the entry point %1 in %2</source>
        <translation>Point d&apos;entrée %1 introuvable dans %2</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>Permission denied (the Trash folder &quot;%1&quot; is a link, a file or another user&apos;s folder)</source>
        <translation>Permission refusée (le dossier de la corbeille «&#xa0;%1&#xa0;» est un lien, un fichier ou le dossier d&apos;un autre utilisateur)</translation>
    </message>
    <message>
        <source>The original of &quot;%1&quot; could not be put in the Trash &quot;%2&quot;, so it was left as it was: %3</source>
        <translation>L&apos;original de «&#xa0;%1&#xa0;» n&apos;a pas pu être mis dans la corbeille «&#xa0;%2&#xa0;» ; il a donc été laissé tel quel&#xa0;: %3</translation>
    </message>
    <message>
        <source>The book &quot;%1&quot; could not be replaced, and its original is in the Trash as &quot;%2&quot;.</source>
        <translation>Le livre «&#xa0;%1&#xa0;» n&apos;a pas pu être remplacé, et son original est dans la corbeille sous «&#xa0;%2&#xa0;».</translation>
    </message>
</context>
<context>
    <name>UnzipBinding</name>
    <message>
        <source>Overwrite &quot;%1&quot; ?</source>
        <translation>Écraser «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>VBUnZip32 - File Already Exists!</source>
        <translation>VBUnZip32 – Le fichier existe déjà&#xa0;!</translation>
    </message>
    <message>
        <source>Please Enter The Password!</source>
        <translation>Veuillez saisir le mot de passe&#xa0;!</translation>
    </message>
    <message>
        <source>The supplied password exceeds the maximum password length %1 supported by the UnZip DLL.</source>
        <translation>Le mot de passe fourni dépasse la longueur maximale de %1 caractères prise en charge par la DLL UnZip.</translation>
    </message>
    <message>
        <source>UnZip password too long</source>
        <translation>Mot de passe UnZip trop long</translation>
    </message>
    <message>
        <source>The program cannot continue.</source>
        <translation>Le programme ne peut pas continuer.</translation>
    </message>
    <message>
        <source>Incompatible DLL version discovered!</source>
        <translation>Version de DLL incompatible détectée&#xa0;!</translation>
    </message>
    <message>
        <source>The UnZip DLL requires a version structure of length %1, but the VB frontend expects the DLL to need 68bytes.</source>
        <translation>La DLL UnZip exige une structure de version de longueur %1, mais l&apos;interface VB s&apos;attend à ce qu&apos;elle en demande 68&#xa0;octets.</translation>
    </message>
    <message>
        <source>Incompatible old DLL version discovered!</source>
        <translation>Ancienne version de DLL incompatible détectée&#xa0;!</translation>
    </message>
    <message>
        <source>This program requires an UnZip DLL version of at least %1, but the version reported by the found DLL is only %2.</source>
        <translation>Ce programme nécessite une DLL UnZip de version %1 au moins, mais la DLL trouvée n&apos;indique que la version %2.</translation>
    </message>
    <message>
        <source>DLL version with incompatible API discovered!</source>
        <translation>Version de DLL à l&apos;API incompatible détectée&#xa0;!</translation>
    </message>
    <message>
        <source>This program can only handle UnZip DLL API versions up to %1, but the found DLL reports a newer API version of %2.</source>
        <translation>Ce programme ne gère les versions d&apos;API de la DLL UnZip que jusqu&apos;à %1, mais la DLL trouvée indique une version d&apos;API plus récente, %2.</translation>
    </message>
</context>
<context>
    <name>ZipBinding</name>
    <message>
        <source>Enter the comment</source>
        <translation>Saisissez le commentaire</translation>
    </message>
    <message>
        <source>Please Enter The Password!</source>
        <translation>Veuillez saisir le mot de passe&#xa0;!</translation>
    </message>
    <message>
        <source>Zip32.dll did not initialize.  Is it in the current directory or on the command path?</source>
        <translation>Zip32.dll ne s&apos;est pas initialisée.  Se trouve-t-elle dans le dossier courant ou dans le chemin de recherche&#xa0;?</translation>
    </message>
    <message>
        <source>VB Zip</source>
        <translation>VB Zip</translation>
    </message>
</context>
</TS>
