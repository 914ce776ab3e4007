<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ArchiveFailure</name>
    <message>
        <source>it holds no files at all.</source>
        <translation>es enthält überhaupt keine Dateien.</translation>
    </message>
    <message>
        <source>some of its entries have unsafe names, are links or appear twice, so it cannot be unpacked exactly as it is.</source>
        <translation>einige Einträge haben unsichere Namen, sind Verknüpfungen oder kommen doppelt vor, daher lässt es sich nicht genau so entpacken, wie es ist.</translation>
    </message>
    <message>
        <source>it is damaged and could not be unpacked completely.</source>
        <translation>es ist beschädigt und konnte nicht vollständig entpackt werden.</translation>
    </message>
    <message>
        <source>it could not be opened as an EPUB (ZIP) archive.</source>
        <translation>es ließ sich nicht als EPUB-(ZIP-)Archiv öffnen.</translation>
    </message>
    <message>
        <source>there was not enough memory to unpack it.</source>
        <translation>für das Entpacken war nicht genug Speicher frei.</translation>
    </message>
    <message>
        <source>the disk is full, so it could not be unpacked.</source>
        <translation>der Datenträger ist voll, daher konnte es nicht entpackt werden.</translation>
    </message>
    <message>
        <source>unpacking it was stopped.</source>
        <translation>das Entpacken wurde abgebrochen.</translation>
    </message>
    <message>
        <source>it is encrypted and no correct password was given.</source>
        <translation>es ist verschlüsselt, und es wurde kein richtiges Passwort angegeben.</translation>
    </message>
    <message>
        <source>it would expand to far more than its own size (it may be a zip bomb).</source>
        <translation>es würde sich auf ein Vielfaches seiner Größe ausdehnen (vielleicht eine ZIP-Bombe).</translation>
    </message>
    <message>
        <source>unpacking it failed (UnZip error %1).</source>
        <translation>das Entpacken ist fehlgeschlagen (UnZip-Fehler %1).</translation>
    </message>
    <message>
        <source>Bindwell left this book as it was: %1</source>
        <extracomment>%1 is one of the reasons, which begin in lower case.</extracomment>
        <translation>Bindwell hat dieses Buch unverändert gelassen: %1</translation>
    </message>
    <message>
        <source>The disk is full; the book was left as it was.</source>
        <translation>Der Datenträger ist voll; das Buch bleibt unverändert.</translation>
    </message>
    <message>
        <source>The new book could not be written beside the old one; the book was left as it was.</source>
        <translation>Das neue Buch konnte nicht neben das alte geschrieben werden; das Buch bleibt unverändert.</translation>
    </message>
    <message>
        <source>A file of the unpacked book could not be read; the book was left as it was.</source>
        <translation>Eine Datei des entpackten Buchs ließ sich nicht lesen; das Buch bleibt unverändert.</translation>
    </message>
    <message>
        <source>There was nothing to pack; the book was left as it was.</source>
        <translation>Es gab nichts zu packen; das Buch bleibt unverändert.</translation>
    </message>
    <message>
        <source>The Zip library could not be used; the book was left as it was.</source>
        <translation>Die Zip-Bibliothek ließ sich nicht verwenden; das Buch bleibt unverändert.</translation>
    </message>
    <message>
        <source>Two of its entries have names that readers read as one; the book was left as it was.</source>
        <translation>Zwei seiner Einträge haben Namen, die Lesegeräte als einen lesen; das Buch blieb, wie es war.</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>%1 Error unzipping:  %2</source>
        <extracomment>%1 is the error&apos;s number, %2 its description.</extracomment>
        <translation>Fehler %1 beim Entpacken:  %2</translation>
    </message>
    <message>
        <source>Please enter the path to the folder containing your ebooks.</source>
        <translation>Bitte geben Sie den Pfad zu dem Ordner mit Ihren E-Books ein.</translation>
    </message>
    <message>
        <source>Another Bindwell run is using the working folder %1.</source>
        <translation>Ein anderer Bindwell-Durchlauf verwendet den Arbeitsordner %1.</translation>
    </message>
    <message>
        <source>Wait until it has finished, then press Start again.</source>
        <translation>Warten Sie, bis er fertig ist, und klicken Sie dann erneut auf „Starten“.</translation>
    </message>
    <message>
        <source>Subscript out of range (the book list no longer has an entry %1)</source>
        <translation>Index außerhalb des Bereichs (die Bücherliste hat keinen Eintrag %1 mehr)</translation>
    </message>
    <message numerus="yes">
        <source>%n books failed:</source>
        <translation>
            <numerusform>%n Buch fehlgeschlagen:</numerusform>
            <numerusform>%n Bücher fehlgeschlagen:</numerusform>
        </translation>
    </message>
    <message>
        <source>No books fixed - no books selected.</source>
        <translation>Keine Bücher repariert – keine Bücher ausgewählt.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped. (%n epubs fixed.)</source>
        <translation>
            <numerusform>Angehalten. (%n EPUB repariert.)</numerusform>
            <numerusform>Angehalten. (%n EPUBs repariert.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Okay, your books are all set. (%n epubs fixed.)</source>
        <translation>
            <numerusform>Fertig, Ihre Bücher sind bereit. (%n EPUB repariert.)</numerusform>
            <numerusform>Fertig, Ihre Bücher sind bereit. (%n EPUBs repariert.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n books were left as they were: they cannot be fixed safely.</source>
        <translation>
            <numerusform> %n Buch blieb unverändert: Es lässt sich nicht gefahrlos reparieren.</numerusform>
            <numerusform> %n Bücher blieben unverändert: Sie lassen sich nicht gefahrlos reparieren.</numerusform>
        </translation>
    </message>
    <message>
        <source> The original books are in the Trash.</source>
        <translation> Die ursprünglichen Bücher liegen im Papierkorb.</translation>
    </message>
    <message>
        <source>Internal error (%1)</source>
        <translation>Interner Fehler (%1)</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Interner Fehler</translation>
    </message>
    <message>
        <source>Permission denied (the temporary folder &quot;%1&quot; is a link, another user&apos;s, or open to others; remove it and start again)</source>
        <translation>Zugriff verweigert (der temporäre Ordner „%1“ ist eine Verknüpfung, gehört einem anderen Benutzer oder ist für andere offen; löschen Sie ihn und starten Sie erneut)</translation>
    </message>
    <message numerus="yes">
        <source> %n of them were already as the options ask, and were left untouched.</source>
        <translation>
            <numerusform> %n davon war schon so, wie die Optionen es verlangen, und blieb unangetastet.</numerusform>
            <numerusform> %n davon waren schon so, wie die Optionen es verlangen, und blieben unangetastet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> For %n of them no language was found; they keep the one they name.</source>
        <translation>
            <numerusform> Für %n davon wurde keine Sprache gefunden; es behält die, die es angibt.</numerusform>
            <numerusform> Für %n davon wurde keine Sprache gefunden; sie behalten die, die sie angeben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pictures: %1 → %2.</source>
        <extracomment>%1 is the size the pictures fitted took before, %2 the size they take now: &quot;Pictures: 122.3 MB → 60.1 MB.&quot;</extracomment>
        <translation>Bilder: %1 → %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n epubs would be fixed</source>
        <extracomment>Followed by what the other counts say, then a full stop: &quot;40 epubs would be fixed; 38 of them are already as the options ask.&quot;</extracomment>
        <translation>
            <numerusform>%n EPUB würde repariert</numerusform>
            <numerusform>%n EPUBs würden repariert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n of them are already as the options ask</source>
        <translation>
            <numerusform>; %n davon ist schon so, wie die Optionen es verlangen</numerusform>
            <numerusform>; %n davon sind schon so, wie die Optionen es verlangen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> For %n of them no language would be found; they would keep the one they name.</source>
        <translation>
            <numerusform> Für %n davon würde keine Sprache gefunden; es behielte die angegebene.</numerusform>
            <numerusform> Für %n davon würde keine Sprache gefunden; sie behielten die angegebene.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n books would be left as they are: they cannot be fixed safely.</source>
        <translation>
            <numerusform> %n Buch bliebe unverändert: Es lässt sich nicht sicher reparieren.</numerusform>
            <numerusform> %n Bücher blieben unverändert: Sie lassen sich nicht sicher reparieren.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BookFix</name>
    <message>
        <source>Overflow (Zip result %1)</source>
        <translation>Überlauf (Zip-Ergebnis %1)</translation>
    </message>
    <message>
        <source>Zip error: %1</source>
        <translation>Zip-Fehler: %1</translation>
    </message>
    <message>
        <source>The book changed on disk while Bindwell was fixing it, so Bindwell left it as the other program wrote it.</source>
        <translation>Das Buch wurde auf dem Datenträger geändert, während Bindwell es reparierte; Bindwell hat es daher so belassen, wie das andere Programm es geschrieben hat.</translation>
    </message>
    <message>
        <source>Too many entry names for the UnZip library</source>
        <translation>Zu viele Eintragsnamen für die UnZip-Bibliothek</translation>
    </message>
    <message>
        <source>Regular expression &quot;%1&quot; is invalid: %2</source>
        <translation>Der reguläre Ausdruck „%1“ ist ungültig: %2</translation>
    </message>
    <message>
        <source>Out of memory creating a regular expression</source>
        <translation>Nicht genug Speicher zum Anlegen eines regulären Ausdrucks</translation>
    </message>
    <message>
        <source>Out of memory matching a regular expression</source>
        <translation>Nicht genug Speicher zum Auswerten eines regulären Ausdrucks</translation>
    </message>
    <message>
        <source>Regular expression match failed: %1</source>
        <translation>Auswertung des regulären Ausdrucks fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>%1 could not be read and was left as it was</source>
        <extracomment>%1 is the picture&apos;s name in the book, as &quot;OEBPS/images/cut.jpg&quot;.</extracomment>
        <translation>%1 konnte nicht gelesen werden und wurde so belassen, wie es war</translation>
    </message>
    <message>
        <source>%1 has more than 500 megapixels and was left as it was</source>
        <extracomment>%1 is the picture&apos;s name in the book.</extracomment>
        <translation>%1 hat mehr als 500 Megapixel und wurde so belassen, wie es war</translation>
    </message>
    <message>
        <source>%1 is too large to be decoded whole and was left as it was</source>
        <extracomment>%1 is the picture&apos;s name in the book; progressive JPEGs and interlaced PNGs are decoded whole.</extracomment>
        <translation>%1 ist zu groß, um am Stück dekodiert zu werden, und wurde so belassen, wie es war</translation>
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
        <translation>Repariert EPUB-Bücher wie das Bindwell-Fenster. Jeder PATH ist ein Ordner, dessen
Bücher wie im Fenster gefunden werden (gleiche Regeln, gleiche Reihenfolge), oder
eine EPUB-Datei. Die Bücher werden in der angegebenen Reihenfolge repariert, jedes
einmal.

Nicht angegebene Optionen kommen aus den gespeicherten Einstellungen, wie im Fenster.
Rückgabewert: 0 Bücher repariert, 1 ein Fehler oder keine Bücher, 2 ein
Bedienfehler, 3 eine UnZip-Bibliothek in der falschen Version.</translation>
    </message>
    <message>
        <source>Remove fixed font sizes (option FontSizes) in this run.</source>
        <translation>Feste Schriftgrößen entfernen (Option FontSizes), für diesen Durchlauf.</translation>
    </message>
    <message>
        <source>Keep fixed font sizes in this run.</source>
        <translation>Feste Schriftgrößen in diesem Durchlauf behalten.</translation>
    </message>
    <message>
        <source>Justify all paragraphs (option JustifyText) in this run.</source>
        <translation>Alle Absätze im Blocksatz setzen (Option JustifyText), für diesen Durchlauf.</translation>
    </message>
    <message>
        <source>Do not justify paragraphs in this run.</source>
        <translation>Absätze in diesem Durchlauf nicht im Blocksatz setzen.</translation>
    </message>
    <message>
        <source>Install the Liberation fonts (option IntlFonts) in this run.</source>
        <translation>Die Liberation-Schriften einbetten (Option IntlFonts), für diesen Durchlauf.</translation>
    </message>
    <message>
        <source>Do not install the fonts in this run.</source>
        <translation>Die Schriften in diesem Durchlauf nicht einbetten.</translation>
    </message>
    <message>
        <source>Delete the stylesheets entirely (option DeleteCSS) in this run.</source>
        <translation>Die Stylesheets vollständig löschen (Option DeleteCSS), für diesen Durchlauf.</translation>
    </message>
    <message>
        <source>Alter the stylesheets instead of deleting them in this run.</source>
        <translation>Die Stylesheets in diesem Durchlauf anpassen statt löschen.</translation>
    </message>
    <message>
        <source>Move each replaced book&apos;s original to the Trash (option KeepOriginals) in this run.</source>
        <translation>Das Original jedes ersetzten Buchs in den Papierkorb verschieben (Option KeepOriginals), für diesen Durchlauf.</translation>
    </message>
    <message>
        <source>Do not keep the originals in this run.</source>
        <translation>Die Originale in diesem Durchlauf nicht aufbewahren.</translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation>kein PATH angegeben</translation>
    </message>
    <message>
        <source>Print the books found, one a line, and change nothing; a protected book with the reason after a tab.</source>
        <translation>Die gefundenen Bücher zeilenweise ausgeben und nichts ändern; bei einem geschützten Buch folgt nach einem Tabulator der Grund.</translation>
    </message>
    <message>
        <source>Also save the options given to the settings store.</source>
        <translation>Die angegebenen Optionen auch in den Einstellungen speichern.</translation>
    </message>
    <message>
        <source>Report a book that fails, leave it as it was, and go on with the next; list the failed books at the end.</source>
        <translation>Ein fehlgeschlagenes Buch melden, unverändert lassen und mit dem nächsten weitermachen; am Ende die fehlgeschlagenen Bücher auflisten.</translation>
    </message>
    <message>
        <source>A folder of books, or an EPUB file.</source>
        <extracomment>PATH is the argument&apos;s name in the usage line; keep it.</extracomment>
        <translation>Ein Ordner mit Büchern oder eine EPUB-Datei.</translation>
    </message>
    <message>
        <source>Remove fixed line heights (option LineHeights) in this run.</source>
        <translation>Feste Zeilenhöhen entfernen (Option LineHeights), für diesen Durchlauf.</translation>
    </message>
    <message>
        <source>Keep fixed line heights in this run.</source>
        <translation>Feste Zeilenhöhen in diesem Durchlauf behalten.</translation>
    </message>
    <message>
        <source>Remove the page margins (option PageMargins) in this run.</source>
        <translation>Seitenränder entfernen (Option PageMargins), für diesen Durchlauf.</translation>
    </message>
    <message>
        <source>Keep the page margins in this run.</source>
        <translation>Seitenränder in diesem Durchlauf behalten.</translation>
    </message>
    <message>
        <source>Remove the typefaces the books name, monospace ones aside, so that the reader&apos;s own is used (option FontFamilies) in this run.</source>
        <translation>Die Schriften entfernen, die die Bücher nennen (außer nichtproportionalen), damit die des Lesegeräts gilt (Option FontFamilies), für diesen Durchlauf.</translation>
    </message>
    <message>
        <source>Keep the typefaces the books name in this run.</source>
        <translation>Die Schriften, die die Bücher nennen, in diesem Durchlauf behalten.</translation>
    </message>
    <message>
        <source>Where fixed font sizes are removed, keep the sizes relative to the reader&apos;s own (option RelativeSizes) in this run.</source>
        <translation>Wo feste Schriftgrößen entfernt werden, die Größen relativ zu der des Lesegeräts behalten (Option RelativeSizes), für diesen Durchlauf.</translation>
    </message>
    <message>
        <source>Remove relative font sizes too in this run.</source>
        <translation>In diesem Durchlauf auch relative Schriftgrößen entfernen.</translation>
    </message>
    <message>
        <source>Where the fonts are installed, embed only the characters each book uses (option SubsetFonts) in this run.</source>
        <translation>Wo die Schriften eingebettet werden, nur die Zeichen einbetten, die jedes Buch verwendet (Option SubsetFonts), für diesen Durchlauf.</translation>
    </message>
    <message>
        <source>Embed the fonts whole in this run.</source>
        <translation>Die Schriften in diesem Durchlauf vollständig einbetten.</translation>
    </message>
    <message>
        <source>Make the books ready for Send to Kindle: each content document declares its encoding and links to no chapter&apos;s body, no picture lacks a source, and each book names a language code and its cover both ways (option KindleReady) in this run.</source>
        <translation>Die Bücher für Send to Kindle vorbereiten: Jedes Inhaltsdokument nennt seine Kodierung und verweist auf keinen Kapitelkörper, kein Bild ist ohne Quelle, und jedes Buch nennt einen Sprachcode und sein Titelbild auf beide Arten (Option KindleReady), für diesen Durchlauf.</translation>
    </message>
    <message>
        <source>Do not ready the books for Send to Kindle in this run.</source>
        <translation>Die Bücher in diesem Durchlauf nicht für Send to Kindle vorbereiten.</translation>
    </message>
    <message>
        <source>Remove the colours the books give their text and its background, so that the reader&apos;s own are used (option TextColors) in this run.</source>
        <translation>Die Farben entfernen, die die Bücher ihrem Text und dessen Hintergrund geben, damit die des Lesegeräts gelten (Option TextColors), für diesen Durchlauf.</translation>
    </message>
    <message>
        <source>Keep the colours the books give their text in this run.</source>
        <translation>Die Textfarben der Bücher behalten, für diesen Durchlauf.</translation>
    </message>
    <message>
        <source>Scale the pictures larger than the e-reader&apos;s screen down to it (option FitPictures) in this run.</source>
        <translation>Bilder, die größer als der Bildschirm des Lesegeräts sind, auf ihn verkleinern (Option FitPictures), für diesen Durchlauf.</translation>
    </message>
    <message>
        <source>Keep the pictures&apos; sizes in this run.</source>
        <translation>Die Größe der Bilder behalten, für diesen Durchlauf.</translation>
    </message>
    <message>
        <source>Make the pictures in colour grey (option GreyPictures) in this run.</source>
        <translation>Farbige Bilder in Graustufen umwandeln (Option GreyPictures), für diesen Durchlauf.</translation>
    </message>
    <message>
        <source>Keep the pictures&apos; colours in this run.</source>
        <translation>Die Farben der Bilder behalten, für diesen Durchlauf.</translation>
    </message>
    <message>
        <source>Make Kobo books: each book becomes NAME.kepub.epub, read by Kobo&apos;s own renderer (option KoboBooks) in this run.</source>
        <translation>Kobo-Bücher erstellen: Jedes Buch wird zu NAME.kepub.epub, das Kobos eigene Darstellung liest (Option KoboBooks), für diesen Durchlauf.</translation>
    </message>
    <message>
        <source>Do not make Kobo books in this run.</source>
        <translation>Keine Kobo-Bücher erstellen, für diesen Durchlauf.</translation>
    </message>
    <message>
        <source>The e-reader&apos;s screen in pixels, such as 1264x1680, that pictures are fitted to (option ScreenSize) in this run.</source>
        <extracomment>WIDTHxHEIGHT is the value&apos;s name in the usage line; keep it.</extracomment>
        <translation>Der Bildschirm des Lesegeräts in Pixeln, etwa 1264x1680, an den die Bilder angepasst werden (Option ScreenSize), für diesen Durchlauf.</translation>
    </message>
    <message>
        <source>--screen takes WIDTHxHEIGHT in pixels, such as 1264x1680, not &quot;%1&quot;</source>
        <extracomment>%1 is what was given after --screen.</extracomment>
        <translation>--screen erwartet BREITExHÖHE in Pixeln, etwa 1264x1680, nicht „%1“</translation>
    </message>
    <message>
        <source>Take every book through the fix as a run would, and print what it would do to each, one line a book, then the summary a run would print; change nothing.</source>
        <translation>Jedes Buch wie bei einem Durchlauf reparieren lassen und ausgeben, was das mit ihm täte, eine Zeile je Buch, danach die Zusammenfassung eines Durchlaufs; nichts ändern.</translation>
    </message>
    <message>
        <source>--dry-run changes nothing, so it saves nothing: --save cannot go with it</source>
        <extracomment>--dry-run, --save and --list are the options&apos; names; keep them.</extracomment>
        <translation>--dry-run ändert nichts und speichert daher nichts: --save passt nicht dazu</translation>
    </message>
    <message>
        <source>--dry-run and --list cannot go together</source>
        <translation>--dry-run und --list passen nicht zusammen</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>no (no terminal)</source>
        <translation>nein (kein Terminal)</translation>
    </message>
    <message>
        <source>cancel (no terminal)</source>
        <translation>abbrechen (kein Terminal)</translation>
    </message>
    <message>
        <source>[y]es, [n]o, [c]ancel:</source>
        <extracomment>the letters in brackets are the keys to type; keep them.</extracomment>
        <translation>[y] ja, [n] nein, [c] abbrechen:</translation>
    </message>
    <message>
        <source>[r]etry, [c]ancel:</source>
        <translation>[r] wiederholen, [c] abbrechen:</translation>
    </message>
    <message>
        <source>%1: left as it was: %2</source>
        <translation>%1: unverändert gelassen: %2</translation>
    </message>
    <message>
        <source>The original books are in the Trash: %1</source>
        <translation>Die ursprünglichen Bücher liegen im Papierkorb: %1</translation>
    </message>
    <message>
        <source>%1 is neither a folder nor an EPUB file</source>
        <translation>%1 ist weder ein Ordner noch eine EPUB-Datei</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: would change: %2</source>
        <extracomment>%1 is the book, %2 what a run would change in it.</extracomment>
        <translation>%1: würde geändert: %2</translation>
    </message>
    <message>
        <source>%1: already as the options ask</source>
        <translation>%1: schon so, wie die Optionen es verlangen</translation>
    </message>
    <message>
        <source>%1: left alone: %2</source>
        <translation>%1: bleibt unverändert: %2</translation>
    </message>
    <message>
        <source>%1: would fail: %2</source>
        <extracomment>%2 is the message a run would give, its lines joined.</extracomment>
        <translation>%1: würde fehlschlagen: %2</translation>
    </message>
</context>
<context>
    <name>ContentWalk</name>
    <message>
        <source>%1 is in %2, which the fix does not edit</source>
        <extracomment>%1 is a stylesheet&apos;s name in the book, %2 the encoding its @charset rule names.</extracomment>
        <translation>%1 ist in %2 kodiert; diese Kodierung bearbeitet die Reparatur nicht</translation>
    </message>
</context>
<context>
    <name>DeleteCss</name>
    <message>
        <source>%1 cannot be edited safely, so the stylesheets are kept</source>
        <extracomment>%1 is the name of a package or content document in the book, as OEBPS/ch1.xhtml.</extracomment>
        <translation>%1 lässt sich nicht sicher bearbeiten, daher bleiben die Stylesheets erhalten</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Datei existiert bereits</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genug Speicher</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>%1 (%2 &quot;%3&quot;: %4)</source>
        <extracomment>%1 says what went wrong, %2 what was being done, %3 the file or folder, %4 the system&apos;s own words.</extracomment>
        <translation>%1 (%2 „%3“: %4)</translation>
    </message>
    <message>
        <source>listing folder</source>
        <translation>beim Auflisten des Ordners</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>beim Schreiben</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>beim Lesen</translation>
    </message>
    <message>
        <source>deleting folder</source>
        <translation>beim Löschen des Ordners</translation>
    </message>
    <message>
        <source>deleting</source>
        <translation>beim Löschen</translation>
    </message>
    <message>
        <source>deleting file</source>
        <translation>beim Löschen der Datei</translation>
    </message>
    <message>
        <source>copying</source>
        <translation>beim Kopieren</translation>
    </message>
    <message>
        <source>copying to</source>
        <translation>beim Kopieren nach</translation>
    </message>
    <message>
        <source>deleting file (it is a folder)</source>
        <translation>beim Löschen der Datei (es ist ein Ordner)</translation>
    </message>
    <message>
        <source>creating folder</source>
        <translation>beim Anlegen des Ordners</translation>
    </message>
    <message>
        <source>moving</source>
        <translation>beim Verschieben</translation>
    </message>
    <message>
        <source>moving to</source>
        <translation>beim Verschieben nach</translation>
    </message>
    <message>
        <source>opening</source>
        <translation>beim Öffnen</translation>
    </message>
    <message>
        <source>flushing</source>
        <translation>beim Schreiben auf den Datenträger</translation>
    </message>
    <message>
        <source>replacing</source>
        <translation>beim Ersetzen</translation>
    </message>
    <message>
        <source>Internal error (a UTF-16 text was cut apart)</source>
        <translation>Interner Fehler (ein UTF-16-Text wurde zerschnitten)</translation>
    </message>
    <message>
        <source>opening for writing</source>
        <translation>beim Öffnen zum Schreiben</translation>
    </message>
    <message>
        <source>creating the Trash folder</source>
        <translation>beim Anlegen des Papierkorb-Ordners</translation>
    </message>
    <message>
        <source>opening the Trash folder</source>
        <translation>beim Öffnen des Papierkorb-Ordners</translation>
    </message>
    <message>
        <source>finding the filesystem of</source>
        <translation>beim Bestimmen des Dateisystems von</translation>
    </message>
    <message>
        <source>creating</source>
        <translation>beim Anlegen</translation>
    </message>
    <message>
        <source>linking into the Trash</source>
        <translation>beim Verknüpfen in den Papierkorb</translation>
    </message>
    <message>
        <source>moving into the Trash</source>
        <translation>beim Verschieben in den Papierkorb</translation>
    </message>
    <message>
        <source>creating the private temporary folder</source>
        <translation>beim Anlegen des privaten temporären Ordners</translation>
    </message>
    <message>
        <source>creating the lock</source>
        <translation>beim Anlegen der Sperre</translation>
    </message>
    <message>
        <source>Internal error (a stylesheet was to be written without its encoding)</source>
        <translation>Interner Fehler (ein Stylesheet sollte ohne seine Kodierung geschrieben werden)</translation>
    </message>
    <message>
        <source>renaming</source>
        <translation>beim Umbenennen</translation>
    </message>
</context>
<context>
    <name>FixRecord</name>
    <message numerus="yes">
        <source>%n stylesheets edited</source>
        <translation>
            <numerusform>%n Stylesheet bearbeitet</numerusform>
            <numerusform>%n Stylesheets bearbeitet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stylesheets, </source>
        <extracomment>Followed by the declarations removed: &quot;3 stylesheets, 41 declarations removed&quot;.</extracomment>
        <translation>
            <numerusform>%n Stylesheet, </numerusform>
            <numerusform>%n Stylesheets, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n declarations removed</source>
        <translation>
            <numerusform>%n Deklaration entfernt</numerusform>
            <numerusform>%n Deklarationen entfernt</numerusform>
        </translation>
    </message>
    <message>
        <source>the fonts embedded whole (%1)</source>
        <extracomment>%1 is the size the four faces take in the book, as &quot;814 KB&quot;.</extracomment>
        <translation>die Schriften vollständig eingebettet (%1)</translation>
    </message>
    <message>
        <source>the fonts embedded, cut to the book&apos;s characters (%1)</source>
        <extracomment>%1 is the size the four faces take in the book, as &quot;94 KB&quot;.</extracomment>
        <translation>die Schriften eingebettet, auf die Zeichen des Buchs gekürzt (%1)</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <extracomment>%1 is a number of kilobytes.</extracomment>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1 is a number of megabytes, with one decimal.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 is %2 MB: Send to Kindle takes at most 50 MB by e-mail.</source>
        <extracomment>%1 is the book, %2 its size in megabytes: &quot;Series/Atlas.epub is 63 MB: Send to Kindle takes at most 50 MB by e-mail.&quot;</extracomment>
        <translation>%1 ist %2 MB groß: Send to Kindle nimmt per E-Mail höchstens 50 MB an.</translation>
    </message>
    <message numerus="yes">
        <source>%n stylesheets deleted</source>
        <translation>
            <numerusform>%n Stylesheet gelöscht</numerusform>
            <numerusform>%n Stylesheets gelöscht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the links to them taken out of %n documents</source>
        <translation>
            <numerusform>die Verweise darauf aus %n Dokument entfernt</numerusform>
            <numerusform>die Verweise darauf aus %n Dokumenten entfernt</numerusform>
        </translation>
    </message>
    <message>
        <source>language %1 → %2</source>
        <extracomment>%1 is the language the book named, %2 the code it names now: &quot;language C → de&quot;.</extracomment>
        <translation>Sprache %1 → %2</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures, %1 → %2</source>
        <extracomment>%1 and %2 are the pictures&apos; sizes before and after: &quot;12 pictures, 4.1 MB → 1.2 MB&quot;.</extracomment>
        <translation>
            <numerusform>%n Bild, %1 → %2</numerusform>
            <numerusform>%n Bilder, %1 → %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n encoding declarations added</source>
        <translation>
            <numerusform>%n Kodierungsangabe hinzugefügt</numerusform>
            <numerusform>%n Kodierungsangaben hinzugefügt</numerusform>
        </translation>
    </message>
    <message>
        <source>the links and pictures mended for Send to Kindle</source>
        <translation>die Verweise und Bilder für Send to Kindle ausgebessert</translation>
    </message>
    <message>
        <source>the cover named in the package</source>
        <translation>das Titelbild im Paketdokument benannt</translation>
    </message>
    <message numerus="yes">
        <source>%n sentences and pictures in Kobo&apos;s spans</source>
        <translation>
            <numerusform>%n Satz oder Bild in Kobo-Spans</numerusform>
            <numerusform>%n Sätze und Bilder in Kobo-Spans</numerusform>
        </translation>
    </message>
    <message>
        <source>would become %1</source>
        <extracomment>%1 is the book&apos;s new file name, as &quot;a.kepub.epub&quot;.</extracomment>
        <translation>würde zu %1</translation>
    </message>
    <message>
        <source>now %1</source>
        <translation>jetzt %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>            <numerusform>%n Byte</numerusform>            <numerusform>%n Byte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>less than a minute left</source>
        <translation>weniger als eine Minute übrig</translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>noch etwa %n Minute</numerusform>
            <numerusform>noch etwa %n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>noch etwa %1 h %2 min</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Repariert</translation>
    </message>
    <message>
        <source>Already as the options ask: left untouched</source>
        <translation>Bereits wie in den Optionen gewünscht: nicht angetastet</translation>
    </message>
    <message>
        <source>Left as it was: </source>
        <translation>Unverändert gelassen: </translation>
    </message>
    <message>
        <source>Failed: </source>
        <translation>Fehlgeschlagen: </translation>
    </message>
    <message>
        <source>&amp;Load EBook from:</source>
        <translation>&amp;E-Books laden aus:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Ordner...</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Books done</source>
        <translation>Erledigte Bücher</translation>
    </message>
    <message>
        <source>Check the boo&amp;ks you want to fix:</source>
        <translation>&amp;Bücher zum Reparieren ankreuzen:</translation>
    </message>
    <message>
        <source>Select:</source>
        <translation>Auswahl:</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>O&amp;ptionen...</translation>
    </message>
    <message>
        <source>Select a folder...</source>
        <translation>Ordner auswählen...</translation>
    </message>
    <message>
        <source>Stopping after %1</source>
        <translation>Anhalten nach %1</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>In Arbeit</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>Anha&amp;lten</translation>
    </message>
    <message>
        <source>Fixing %1 of %2: %3</source>
        <translation>Repariere %1 von %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n books</source>
        <translation>
            <numerusform>%1 von %n Buch</numerusform>
            <numerusform>%1 von %n Büchern</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 counts the books done, %2 says the time left.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Fixed: </source>
        <translation>Repariert: </translation>
    </message>
</context>
<context>
    <name>KindleReady</name>
    <message>
        <source>%1 is not UTF-8 and names no encoding</source>
        <extracomment>%1 is the name of a content document in the book, as OEBPS/ch1.xhtml.</extracomment>
        <translation>%1 ist nicht UTF-8 und nennt keine Kodierung</translation>
    </message>
    <message>
        <source>no language found</source>
        <translation>keine Sprache gefunden</translation>
    </message>
    <message>
        <source>%1 holds a NUL byte, which XML does not allow</source>
        <extracomment>%1 is the name of a content document in the book, as OEBPS/ch1.xhtml.</extracomment>
        <translation>%1 enthält ein NUL-Byte, das XML nicht zulässt</translation>
    </message>
    <message>
        <source>%1 names %2 and is not UTF-8</source>
        <extracomment>%1 is the name of a content document in the book, as OEBPS/ch1.xhtml; %2 the name of an encoding as the document gives it, as windows-1252.</extracomment>
        <translation>%1 nennt %2 und ist nicht UTF-8</translation>
    </message>
</context>
<context>
    <name>Kobo</name>
    <message>
        <source>%1 is not UTF-8 or UTF-16</source>
        <translation>%1 ist weder UTF-8 noch UTF-16</translation>
    </message>
    <message>
        <source>%1 does not read as XML (%2)</source>
        <extracomment>%1 is the content document, %2 where and why it does not read (&quot;line 3: ...&quot;).</extracomment>
        <translation>%1 lässt sich nicht als XML lesen (%2)</translation>
    </message>
    <message>
        <source>%1 is in a calibre library; calibre&apos;s own Kobo driver converts it as it sends it</source>
        <translation>%1 liegt in einer calibre-Bibliothek; calibres eigener Kobo-Treiber wandelt es beim Senden um</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 gibt es schon</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Options...</source>
        <translation>Optionen...</translation>
    </message>
    <message>
        <source>Text styling</source>
        <translation>Textgestaltung</translation>
    </message>
    <message>
        <source>(Otherwise, we&apos;ll just remove all the font sizes.)</source>
        <translation>(Sonst werden nur alle Schriftgrößen entfernt.)</translation>
    </message>
    <message>
        <source>&amp;Alter the stylesheet:</source>
        <translation>Stylesheet &amp;anpassen:</translation>
    </message>
    <message>
        <source>&amp;Delete CSS entirely?</source>
        <translation>CSS ganz &amp;löschen?</translation>
    </message>
    <message>
        <source>&amp;Justify all paragraphs.</source>
        <translation>Alle Absätze im &amp;Blocksatz.</translation>
    </message>
    <message>
        <source>&amp;Remove fixed font sizes.</source>
        <translation>Feste Schriftgrößen &amp;entfernen.</translation>
    </message>
    <message>
        <source>&amp;Install Liberation fonts.</source>
        <translation>Liberation-Schriften e&amp;inbetten.</translation>
    </message>
    <message>
        <source>(Allows display of international characters.)</source>
        <translation>(Zeigt internationale Schriftzeichen an.)</translation>
    </message>
    <message>
        <source>&amp;Move the original books to the Trash</source>
        <translation>Originalbücher in den &amp;Papierkorb verschieben</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>For e-readers</source>
        <translation>Für E-Reader</translation>
    </message>
    <message>
        <source>Remove fixed &amp;line heights</source>
        <translation>Feste &amp;Zeilenhöhen entfernen</translation>
    </message>
    <message>
        <source>Remove &amp;page margins</source>
        <translation>&amp;Seitenränder entfernen</translation>
    </message>
    <message>
        <source>&amp;Use the reader&apos;s own typeface</source>
        <translation>Schrift des Lesegeräts &amp;verwenden</translation>
    </message>
    <message>
        <source>&amp;Keep relative font sizes</source>
        <translation>&amp;Relative Schriftgrößen behalten</translation>
    </message>
    <message>
        <source>&amp;Embed only the characters each book uses</source>
        <translation>&amp;Nur die im Buch genutzten Zeichen einbetten</translation>
    </message>
    <message>
        <source>Make the books ready for &amp;Send to Kindle</source>
        <translation>Bücher für Send to &amp;Kindle vorbereiten</translation>
    </message>
    <message>
        <source>Use the reader&apos;s o&amp;wn colours</source>
        <translation>&amp;Farben des Lesegeräts verwenden</translation>
    </message>
    <message>
        <source>Make Kobo &amp;books (KEPUB)</source>
        <translation>Kobo-Bücher (KEPUB) ers&amp;tellen</translation>
    </message>
    <message>
        <source>&amp;Fit pictures to the e-reader&apos;s screen</source>
        <translation>Bil&amp;der an den Bildschirm des Lesegeräts anpassen</translation>
    </message>
    <message>
        <source>Screen si&amp;ze:</source>
        <translation>Bildsc&amp;hirmgröße:</translation>
    </message>
    <message>
        <source>Make pictures &amp;grey</source>
        <translation>Bilder in &amp;Graustufen umwandeln</translation>
    </message>
</context>
<context>
    <name>Protection</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>protected: %1 cannot be read</source>
        <translation>geschützt: %1 lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>protected: %1 is not well-formed (%2)</source>
        <translation>geschützt: %1 ist nicht wohlgeformt (%2)</translation>
    </message>
    <message>
        <source>a resource it does not name</source>
        <translation>eine Ressource, die sie nicht nennt</translation>
    </message>
    <message>
        <source>protected: %1 obfuscates %2, which the fix would write over</source>
        <translation>geschützt: %1 verschleiert %2, das die Reparatur überschreiben würde</translation>
    </message>
    <message>
        <source>protected: %1 encrypts %2</source>
        <translation>geschützt: %1 verschlüsselt %2</translation>
    </message>
    <message numerus="yes">
        <source>protected: %1 encrypts %2 and %n more</source>
        <extracomment>%1 is META-INF/encryption.xml, %2 the first resource it encrypts, %n how many more it encrypts.</extracomment>
        <translation>
            <numerusform>geschützt: %1 verschlüsselt %2 und %n weitere</numerusform>
            <numerusform>geschützt: %1 verschlüsselt %2 und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SharedLibrary</name>
    <message>
        <source>Cannot load the library %1 (%2)</source>
        <translation>Die Bibliothek %1 lässt sich nicht laden (%2)</translation>
    </message>
    <message>
        <source>Cannot load the library %1</source>
        <translation>Die Bibliothek %1 lässt sich nicht laden</translation>
    </message>
    <message>
        <source>Cannot find the entry point %1 in %2</source>
        <translation>Der Einsprungpunkt %1 fehlt in %2</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>Permission denied (the Trash folder &quot;%1&quot; is a link, a file or another user&apos;s folder)</source>
        <translation>Zugriff verweigert (der Papierkorb-Ordner „%1“ ist eine Verknüpfung, eine Datei oder der Ordner eines anderen Benutzers)</translation>
    </message>
    <message>
        <source>The original of &quot;%1&quot; could not be put in the Trash &quot;%2&quot;, so it was left as it was: %3</source>
        <translation>Das Original von „%1“ konnte nicht in den Papierkorb „%2“ gelegt werden; es bleibt daher unverändert: %3</translation>
    </message>
    <message>
        <source>The book &quot;%1&quot; could not be replaced, and its original is in the Trash as &quot;%2&quot;.</source>
        <translation>Das Buch „%1“ konnte nicht ersetzt werden; sein Original liegt im Papierkorb als „%2“.</translation>
    </message>
</context>
<context>
    <name>UnzipBinding</name>
    <message>
        <source>Overwrite &quot;%1&quot; ?</source>
        <translation>„%1“ überschreiben?</translation>
    </message>
    <message>
        <source>VBUnZip32 - File Already Exists!</source>
        <translation>VBUnZip32 – Datei existiert bereits!</translation>
    </message>
    <message>
        <source>Please Enter The Password!</source>
        <translation>Bitte das Passwort eingeben!</translation>
    </message>
    <message>
        <source>The supplied password exceeds the maximum password length %1 supported by the UnZip DLL.</source>
        <translation>Das angegebene Passwort ist länger als die höchstens %1 Zeichen, die die UnZip-DLL unterstützt.</translation>
    </message>
    <message>
        <source>UnZip password too long</source>
        <translation>UnZip-Passwort zu lang</translation>
    </message>
    <message>
        <source>The program cannot continue.</source>
        <translation>Das Programm kann nicht fortfahren.</translation>
    </message>
    <message>
        <source>Incompatible DLL version discovered!</source>
        <translation>Inkompatible DLL-Version gefunden!</translation>
    </message>
    <message>
        <source>The UnZip DLL requires a version structure of length %1, but the VB frontend expects the DLL to need 68bytes.</source>
        <translation>Die UnZip-DLL verlangt eine Versionsstruktur der Länge %1, die VB-Oberfläche erwartet aber 68 Bytes.</translation>
    </message>
    <message>
        <source>Incompatible old DLL version discovered!</source>
        <translation>Inkompatible alte DLL-Version gefunden!</translation>
    </message>
    <message>
        <source>This program requires an UnZip DLL version of at least %1, but the version reported by the found DLL is only %2.</source>
        <translation>Dieses Programm benötigt mindestens die UnZip-DLL-Version %1, die gefundene DLL meldet aber nur %2.</translation>
    </message>
    <message>
        <source>DLL version with incompatible API discovered!</source>
        <translation>DLL-Version mit inkompatibler API gefunden!</translation>
    </message>
    <message>
        <source>This program can only handle UnZip DLL API versions up to %1, but the found DLL reports a newer API version of %2.</source>
        <translation>Dieses Programm unterstützt UnZip-DLL-API-Versionen nur bis %1, die gefundene DLL meldet aber die neuere API-Version %2.</translation>
    </message>
</context>
<context>
    <name>ZipBinding</name>
    <message>
        <source>Enter the comment</source>
        <translation>Kommentar eingeben</translation>
    </message>
    <message>
        <source>Please Enter The Password!</source>
        <translation>Bitte das Passwort eingeben!</translation>
    </message>
    <message>
        <source>Zip32.dll did not initialize.  Is it in the current directory or on the command path?</source>
        <translation>Zip32.dll wurde nicht initialisiert.  Liegt sie im aktuellen Verzeichnis oder im Suchpfad?</translation>
    </message>
    <message>
        <source>VB Zip</source>
        <translation>VB Zip</translation>
    </message>
</context>
</TS>
