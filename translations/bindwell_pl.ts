<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>ArchiveFailure</name>
    <message>
        <source>it holds no files at all.</source>
        <translation>nie zawiera żadnych plików.</translation>
    </message>
    <message>
        <source>some of its entries have unsafe names, are links or appear twice, so it cannot be unpacked exactly as it is.</source>
        <translation>niektóre jej wpisy mają niebezpieczne nazwy, są dowiązaniami lub występują dwukrotnie, więc nie da się jej rozpakować dokładnie w obecnej postaci.</translation>
    </message>
    <message>
        <source>it is damaged and could not be unpacked completely.</source>
        <translation>jest uszkodzona i nie udało się jej w całości rozpakować.</translation>
    </message>
    <message>
        <source>it could not be opened as an EPUB (ZIP) archive.</source>
        <translation>nie udało się jej otworzyć jako archiwum EPUB (ZIP).</translation>
    </message>
    <message>
        <source>there was not enough memory to unpack it.</source>
        <translation>zabrakło pamięci, by ją rozpakować.</translation>
    </message>
    <message>
        <source>the disk is full, so it could not be unpacked.</source>
        <translation>dysk jest pełny, więc nie dało się jej rozpakować.</translation>
    </message>
    <message>
        <source>unpacking it was stopped.</source>
        <translation>rozpakowywanie zostało przerwane.</translation>
    </message>
    <message>
        <source>it is encrypted and no correct password was given.</source>
        <translation>jest zaszyfrowana i nie podano prawidłowego hasła.</translation>
    </message>
    <message>
        <source>it would expand to far more than its own size (it may be a zip bomb).</source>
        <translation>po rozpakowaniu zajęłaby wielokrotnie więcej niż sama (może to być bomba ZIP).</translation>
    </message>
    <message>
        <source>unpacking it failed (UnZip error %1).</source>
        <translation>rozpakowywanie nie powiodło się (błąd UnZip %1).</translation>
    </message>
    <message>
        <source>Bindwell left this book as it was: %1</source>
        <extracomment>%1 is one of the reasons, which begin in lower case.</extracomment>
        <translation>Bindwell pozostawił tę książkę bez zmian: %1</translation>
    </message>
    <message>
        <source>The disk is full; the book was left as it was.</source>
        <translation>Dysk jest pełny; książka pozostała bez zmian.</translation>
    </message>
    <message>
        <source>The new book could not be written beside the old one; the book was left as it was.</source>
        <translation>Nie udało się zapisać nowej książki obok starej; książka pozostała bez zmian.</translation>
    </message>
    <message>
        <source>A file of the unpacked book could not be read; the book was left as it was.</source>
        <translation>Nie udało się odczytać pliku rozpakowanej książki; książka pozostała bez zmian.</translation>
    </message>
    <message>
        <source>There was nothing to pack; the book was left as it was.</source>
        <translation>Nie było czego spakować; książka pozostała bez zmian.</translation>
    </message>
    <message>
        <source>The Zip library could not be used; the book was left as it was.</source>
        <translation>Nie udało się użyć biblioteki Zip; książka pozostała bez zmian.</translation>
    </message>
    <message>
        <source>Two of its entries have names that readers read as one; the book was left as it was.</source>
        <translation>Dwa jej wpisy mają nazwy, które czytniki odczytują jako jedną; książka została pozostawiona bez zmian.</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>%1 Error unzipping:  %2</source>
        <extracomment>%1 is the error&apos;s number, %2 its description.</extracomment>
        <translation>%1 Błąd rozpakowywania:  %2</translation>
    </message>
    <message>
        <source>Please enter the path to the folder containing your ebooks.</source>
        <translation>Podaj ścieżkę do folderu z e-bookami.</translation>
    </message>
    <message>
        <source>Another Bindwell run is using the working folder %1.</source>
        <translation>Inne uruchomienie Bindwell korzysta z folderu roboczego %1.</translation>
    </message>
    <message>
        <source>Wait until it has finished, then press Start again.</source>
        <translation>Poczekaj, aż się zakończy, i ponownie kliknij Rozpocznij.</translation>
    </message>
    <message>
        <source>Subscript out of range (the book list no longer has an entry %1)</source>
        <translation>Indeks poza zakresem (lista książek nie ma już pozycji %1)</translation>
    </message>
    <message numerus="yes">
        <source>%n books failed:</source>
        <translation>
            <numerusform>Nie udało się naprawić %n książki:</numerusform>
            <numerusform>Nie udało się naprawić %n książek:</numerusform>
            <numerusform>Nie udało się naprawić %n książek:</numerusform>
        </translation>
    </message>
    <message>
        <source>No books fixed - no books selected.</source>
        <translation>Nie naprawiono żadnej książki – nie zaznaczono żadnej.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped. (%n epubs fixed.)</source>
        <translation>
            <numerusform>Zatrzymano. (Naprawiono %n plik EPUB.)</numerusform>
            <numerusform>Zatrzymano. (Naprawiono %n pliki EPUB.)</numerusform>
            <numerusform>Zatrzymano. (Naprawiono %n plików EPUB.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Okay, your books are all set. (%n epubs fixed.)</source>
        <translation>
            <numerusform>Gotowe, Twoje książki są w porządku. (Naprawiono %n plik EPUB.)</numerusform>
            <numerusform>Gotowe, Twoje książki są w porządku. (Naprawiono %n pliki EPUB.)</numerusform>
            <numerusform>Gotowe, Twoje książki są w porządku. (Naprawiono %n plików EPUB.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n books were left as they were: they cannot be fixed safely.</source>
        <translation>
            <numerusform> %n książka pozostała bez zmian: nie da się jej bezpiecznie naprawić.</numerusform>
            <numerusform> %n książki pozostały bez zmian: nie da się ich bezpiecznie naprawić.</numerusform>
            <numerusform> %n książek pozostało bez zmian: nie da się ich bezpiecznie naprawić.</numerusform>
        </translation>
    </message>
    <message>
        <source> The original books are in the Trash.</source>
        <translation> Oryginalne książki są w koszu.</translation>
    </message>
    <message>
        <source>Internal error (%1)</source>
        <translation>Błąd wewnętrzny (%1)</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Błąd wewnętrzny</translation>
    </message>
    <message>
        <source>Permission denied (the temporary folder &quot;%1&quot; is a link, another user&apos;s, or open to others; remove it and start again)</source>
        <translation>Odmowa dostępu (folder tymczasowy „%1” jest dowiązaniem, należy do innego użytkownika lub jest dostępny dla innych; usuń go i zacznij od nowa)</translation>
    </message>
    <message numerus="yes">
        <source> %n of them were already as the options ask, and were left untouched.</source>
        <translation>
            <numerusform> %n z nich był już zgodny z opcjami i pozostał nietknięty.</numerusform>
            <numerusform> %n z nich były już zgodne z opcjami i pozostały nietknięte.</numerusform>
            <numerusform> %n z nich było już zgodnych z opcjami i pozostało nietkniętych.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> For %n of them no language was found; they keep the one they name.</source>
        <translation>
            <numerusform> Dla %n z nich nie znaleziono języka; zachowuje ten, który podaje.</numerusform>
            <numerusform> Dla %n z nich nie znaleziono języka; zachowują ten, który podają.</numerusform>
            <numerusform> Dla %n z nich nie znaleziono języka; zachowują ten, który podają.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pictures: %1 → %2.</source>
        <extracomment>%1 is the size the pictures fitted took before, %2 the size they take now: &quot;Pictures: 122.3 MB → 60.1 MB.&quot;</extracomment>
        <translation>Obrazy: %1 → %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n epubs would be fixed</source>
        <extracomment>Followed by what the other counts say, then a full stop: &quot;40 epubs would be fixed; 38 of them are already as the options ask.&quot;</extracomment>
        <translation>
            <numerusform>Naprawiono by %n plik EPUB</numerusform>
            <numerusform>Naprawiono by %n pliki EPUB</numerusform>
            <numerusform>Naprawiono by %n plików EPUB</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n of them are already as the options ask</source>
        <translation>
            <numerusform>; %n z nich jest już zgodny z opcjami</numerusform>
            <numerusform>; %n z nich są już zgodne z opcjami</numerusform>
            <numerusform>; %n z nich jest już zgodnych z opcjami</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> For %n of them no language would be found; they would keep the one they name.</source>
        <translation>
            <numerusform> Dla %n z nich nie znaleziono by języka; zachowałby ten, który podaje.</numerusform>
            <numerusform> Dla %n z nich nie znaleziono by języka; zachowałyby ten, który podają.</numerusform>
            <numerusform> Dla %n z nich nie znaleziono by języka; zachowałyby ten, który podają.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n books would be left as they are: they cannot be fixed safely.</source>
        <translation>
            <numerusform> %n książka pozostałaby bez zmian: nie da się jej bezpiecznie naprawić.</numerusform>
            <numerusform> %n książki pozostałyby bez zmian: nie da się ich bezpiecznie naprawić.</numerusform>
            <numerusform> %n książek pozostałoby bez zmian: nie da się ich bezpiecznie naprawić.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BookFix</name>
    <message>
        <source>Overflow (Zip result %1)</source>
        <translation>Przepełnienie (wynik Zip %1)</translation>
    </message>
    <message>
        <source>Zip error: %1</source>
        <translation>Błąd Zip: %1</translation>
    </message>
    <message>
        <source>The book changed on disk while Bindwell was fixing it, so Bindwell left it as the other program wrote it.</source>
        <translation>Książka zmieniła się na dysku, gdy Bindwell ją naprawiał, więc Bindwell pozostawił ją tak, jak zapisał ją inny program.</translation>
    </message>
    <message>
        <source>Too many entry names for the UnZip library</source>
        <translation>Za dużo nazw wpisów dla biblioteki UnZip</translation>
    </message>
    <message>
        <source>Regular expression &quot;%1&quot; is invalid: %2</source>
        <translation>Wyrażenie regularne „%1” jest nieprawidłowe: %2</translation>
    </message>
    <message>
        <source>Out of memory creating a regular expression</source>
        <translation>Za mało pamięci, by utworzyć wyrażenie regularne</translation>
    </message>
    <message>
        <source>Out of memory matching a regular expression</source>
        <translation>Za mało pamięci, by dopasować wyrażenie regularne</translation>
    </message>
    <message>
        <source>Regular expression match failed: %1</source>
        <translation>Dopasowanie wyrażenia regularnego nie powiodło się: %1</translation>
    </message>
    <message>
        <source>%1 could not be read and was left as it was</source>
        <extracomment>%1 is the picture&apos;s name in the book, as &quot;OEBPS/images/cut.jpg&quot;.</extracomment>
        <translation>Nie udało się odczytać %1; pozostawiono bez zmian</translation>
    </message>
    <message>
        <source>%1 has more than 500 megapixels and was left as it was</source>
        <extracomment>%1 is the picture&apos;s name in the book.</extracomment>
        <translation>%1 ma ponad 500 megapikseli; pozostawiono bez zmian</translation>
    </message>
    <message>
        <source>%1 is too large to be decoded whole and was left as it was</source>
        <extracomment>%1 is the picture&apos;s name in the book; progressive JPEGs and interlaced PNGs are decoded whole.</extracomment>
        <translation>%1 jest zbyt duży, by zdekodować go w całości; pozostawiono bez zmian</translation>
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
        <translation>Naprawia książki EPUB tak jak okno programu Bindwell. Każda PATH to folder, którego
książki są wyszukiwane tak jak w oknie (te same zasady, ta sama kolejność), albo
plik EPUB. Książki są naprawiane w podanej kolejności, każda jeden raz.

Niepodane opcje są brane z zapisanych ustawień, tak jak w oknie.
Kod wyjścia: 0 książki naprawione, 1 błąd lub brak książek, 2 błąd użycia,
3 biblioteka UnZip w niewłaściwej wersji.</translation>
    </message>
    <message>
        <source>Remove fixed font sizes (option FontSizes) in this run.</source>
        <translation>Usuń stałe rozmiary czcionek (opcja FontSizes) w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Keep fixed font sizes in this run.</source>
        <translation>Zachowaj stałe rozmiary czcionek w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Justify all paragraphs (option JustifyText) in this run.</source>
        <translation>Wyjustuj wszystkie akapity (opcja JustifyText) w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Do not justify paragraphs in this run.</source>
        <translation>Nie justuj akapitów w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Install the Liberation fonts (option IntlFonts) in this run.</source>
        <translation>Zainstaluj czcionki Liberation (opcja IntlFonts) w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Do not install the fonts in this run.</source>
        <translation>Nie instaluj czcionek w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Delete the stylesheets entirely (option DeleteCSS) in this run.</source>
        <translation>Usuń całkowicie arkusze stylów (opcja DeleteCSS) w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Alter the stylesheets instead of deleting them in this run.</source>
        <translation>Zmień arkusze stylów zamiast je usuwać w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Move each replaced book&apos;s original to the Trash (option KeepOriginals) in this run.</source>
        <translation>Przenieś oryginał każdej zastąpionej książki do kosza (opcja KeepOriginals) w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Do not keep the originals in this run.</source>
        <translation>Nie zachowuj oryginałów w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation>nie podano PATH</translation>
    </message>
    <message>
        <source>Print the books found, one a line, and change nothing; a protected book with the reason after a tab.</source>
        <translation>Wypisz znalezione książki, po jednej w wierszu, niczego nie zmieniając; przy chronionej książce po tabulatorze podany jest powód.</translation>
    </message>
    <message>
        <source>Also save the options given to the settings store.</source>
        <translation>Zapisz też podane opcje w ustawieniach.</translation>
    </message>
    <message>
        <source>Report a book that fails, leave it as it was, and go on with the next; list the failed books at the end.</source>
        <translation>Zgłoś książkę, której nie udało się naprawić, pozostaw ją bez zmian i przejdź do następnej; na końcu wypisz książki, których nie udało się naprawić.</translation>
    </message>
    <message>
        <source>A folder of books, or an EPUB file.</source>
        <extracomment>PATH is the argument&apos;s name in the usage line; keep it.</extracomment>
        <translation>Folder z książkami lub plik EPUB.</translation>
    </message>
    <message>
        <source>Remove fixed line heights (option LineHeights) in this run.</source>
        <translation>Usuń stałą interlinię (opcja LineHeights) w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Keep fixed line heights in this run.</source>
        <translation>Zachowaj stałą interlinię w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Remove the page margins (option PageMargins) in this run.</source>
        <translation>Usuń marginesy strony (opcja PageMargins) w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Keep the page margins in this run.</source>
        <translation>Zachowaj marginesy strony w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Remove the typefaces the books name, monospace ones aside, so that the reader&apos;s own is used (option FontFamilies) in this run.</source>
        <translation>Usuń kroje pisma wskazane przez książki, poza krojami o stałej szerokości, aby użyty był krój czytnika (opcja FontFamilies) w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Keep the typefaces the books name in this run.</source>
        <translation>Zachowaj kroje pisma wskazane przez książki w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Where fixed font sizes are removed, keep the sizes relative to the reader&apos;s own (option RelativeSizes) in this run.</source>
        <translation>Tam, gdzie usuwane są stałe rozmiary czcionek, zachowaj rozmiary względne wobec rozmiaru czytnika (opcja RelativeSizes) w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Remove relative font sizes too in this run.</source>
        <translation>Usuń także względne rozmiary czcionek w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Where the fonts are installed, embed only the characters each book uses (option SubsetFonts) in this run.</source>
        <translation>Tam, gdzie instalowane są czcionki, osadź tylko znaki używane przez każdą książkę (opcja SubsetFonts) w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Embed the fonts whole in this run.</source>
        <translation>Osadź całe czcionki w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Make the books ready for Send to Kindle: each content document declares its encoding and links to no chapter&apos;s body, no picture lacks a source, and each book names a language code and its cover both ways (option KindleReady) in this run.</source>
        <translation>Przygotuj książki do Send to Kindle: każdy dokument treści deklaruje swoje kodowanie i nie linkuje do treści głównej żadnego rozdziału, żaden obraz nie jest bez źródła, a każda książka podaje kod języka i swoją okładkę na oba sposoby (opcja KindleReady) w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Do not ready the books for Send to Kindle in this run.</source>
        <translation>Nie przygotowuj książek do Send to Kindle w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Remove the colours the books give their text and its background, so that the reader&apos;s own are used (option TextColors) in this run.</source>
        <translation>Usuń kolory, które książki nadają tekstowi i jego tłu, aby obowiązywały kolory czytnika (opcja TextColors), w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Keep the colours the books give their text in this run.</source>
        <translation>Zachowaj kolory tekstu książek w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Scale the pictures larger than the e-reader&apos;s screen down to it (option FitPictures) in this run.</source>
        <translation>Zmniejsz obrazy większe od ekranu czytnika do jego rozmiaru (opcja FitPictures) w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Keep the pictures&apos; sizes in this run.</source>
        <translation>Zachowaj rozmiary obrazów w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Make the pictures in colour grey (option GreyPictures) in this run.</source>
        <translation>Zamień kolorowe obrazy na odcienie szarości (opcja GreyPictures) w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Keep the pictures&apos; colours in this run.</source>
        <translation>Zachowaj kolory obrazów w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Make Kobo books: each book becomes NAME.kepub.epub, read by Kobo&apos;s own renderer (option KoboBooks) in this run.</source>
        <translation>Twórz książki Kobo: każda książka staje się plikiem NAZWA.kepub.epub, czytanym przez własny silnik Kobo (opcja KoboBooks), w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Do not make Kobo books in this run.</source>
        <translation>Nie twórz książek Kobo w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>The e-reader&apos;s screen in pixels, such as 1264x1680, that pictures are fitted to (option ScreenSize) in this run.</source>
        <extracomment>WIDTHxHEIGHT is the value&apos;s name in the usage line; keep it.</extracomment>
        <translation>Ekran czytnika w pikselach, np. 1264x1680, do którego dopasowuje się obrazy (opcja ScreenSize), w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>--screen takes WIDTHxHEIGHT in pixels, such as 1264x1680, not &quot;%1&quot;</source>
        <extracomment>%1 is what was given after --screen.</extracomment>
        <translation>--screen przyjmuje SZEROKOŚĆxWYSOKOŚĆ w pikselach, np. 1264x1680, a nie „%1”</translation>
    </message>
    <message>
        <source>Take every book through the fix as a run would, and print what it would do to each, one line a book, then the summary a run would print; change nothing.</source>
        <translation>Przeprowadź każdą książkę przez naprawę tak jak uruchomienie i wypisz, co by z nią zrobiła, jeden wiersz na książkę, potem podsumowanie, jakie wypisałoby uruchomienie; niczego nie zmieniaj.</translation>
    </message>
    <message>
        <source>--dry-run changes nothing, so it saves nothing: --save cannot go with it</source>
        <extracomment>--dry-run, --save and --list are the options&apos; names; keep them.</extracomment>
        <translation>--dry-run niczego nie zmienia, więc niczego nie zapisuje: nie można użyć z nim --save</translation>
    </message>
    <message>
        <source>--dry-run and --list cannot go together</source>
        <translation>--dry-run i --list nie mogą być użyte razem</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>no (no terminal)</source>
        <translation>nie (brak terminala)</translation>
    </message>
    <message>
        <source>cancel (no terminal)</source>
        <translation>anuluj (brak terminala)</translation>
    </message>
    <message>
        <source>[y]es, [n]o, [c]ancel:</source>
        <extracomment>the letters in brackets are the keys to type; keep them.</extracomment>
        <translation>[y] tak, [n] nie, [c] anuluj:</translation>
    </message>
    <message>
        <source>[r]etry, [c]ancel:</source>
        <translation>[r] ponów, [c] anuluj:</translation>
    </message>
    <message>
        <source>%1: left as it was: %2</source>
        <translation>%1: pozostawiona bez zmian: %2</translation>
    </message>
    <message>
        <source>The original books are in the Trash: %1</source>
        <translation>Oryginalne książki są w koszu: %1</translation>
    </message>
    <message>
        <source>%1 is neither a folder nor an EPUB file</source>
        <translation>%1 nie jest ani folderem, ani plikiem EPUB</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: would change: %2</source>
        <extracomment>%1 is the book, %2 what a run would change in it.</extracomment>
        <translation>%1: zostałaby zmieniona: %2</translation>
    </message>
    <message>
        <source>%1: already as the options ask</source>
        <translation>%1: już jest zgodna z opcjami</translation>
    </message>
    <message>
        <source>%1: left alone: %2</source>
        <translation>%1: pozostaje bez zmian: %2</translation>
    </message>
    <message>
        <source>%1: would fail: %2</source>
        <extracomment>%2 is the message a run would give, its lines joined.</extracomment>
        <translation>%1: nie powiodłaby się: %2</translation>
    </message>
</context>
<context>
    <name>ContentWalk</name>
    <message>
        <source>%1 is in %2, which the fix does not edit</source>
        <extracomment>%1 is a stylesheet&apos;s name in the book, %2 the encoding its @charset rule names.</extracomment>
        <translation>%1 jest w kodowaniu %2, którego naprawa nie edytuje</translation>
    </message>
</context>
<context>
    <name>DeleteCss</name>
    <message>
        <source>%1 cannot be edited safely, so the stylesheets are kept</source>
        <extracomment>%1 is the name of a package or content document in the book, as OEBPS/ch1.xhtml.</extracomment>
        <translation>Nie da się bezpiecznie edytować %1, więc arkusze stylów zostają zachowane</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Nie znaleziono ścieżki</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Plik już istnieje</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Odmowa dostępu</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Dysk pełny</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Za mało pamięci</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Błąd dostępu do ścieżki lub pliku</translation>
    </message>
    <message>
        <source>%1 (%2 &quot;%3&quot;: %4)</source>
        <extracomment>%1 says what went wrong, %2 what was being done, %3 the file or folder, %4 the system&apos;s own words.</extracomment>
        <translation>%1 (%2 „%3”: %4)</translation>
    </message>
    <message>
        <source>listing folder</source>
        <translation>podczas listowania folderu</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>podczas zapisu</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>podczas odczytu</translation>
    </message>
    <message>
        <source>deleting folder</source>
        <translation>podczas usuwania folderu</translation>
    </message>
    <message>
        <source>deleting</source>
        <translation>podczas usuwania</translation>
    </message>
    <message>
        <source>deleting file</source>
        <translation>podczas usuwania pliku</translation>
    </message>
    <message>
        <source>copying</source>
        <translation>podczas kopiowania</translation>
    </message>
    <message>
        <source>copying to</source>
        <translation>podczas kopiowania do</translation>
    </message>
    <message>
        <source>deleting file (it is a folder)</source>
        <translation>podczas usuwania pliku (to folder)</translation>
    </message>
    <message>
        <source>creating folder</source>
        <translation>podczas tworzenia folderu</translation>
    </message>
    <message>
        <source>moving</source>
        <translation>podczas przenoszenia</translation>
    </message>
    <message>
        <source>moving to</source>
        <translation>podczas przenoszenia do</translation>
    </message>
    <message>
        <source>opening</source>
        <translation>podczas otwierania</translation>
    </message>
    <message>
        <source>flushing</source>
        <translation>podczas zapisu na dysk</translation>
    </message>
    <message>
        <source>replacing</source>
        <translation>podczas zastępowania</translation>
    </message>
    <message>
        <source>Internal error (a UTF-16 text was cut apart)</source>
        <translation>Błąd wewnętrzny (tekst UTF-16 został rozcięty)</translation>
    </message>
    <message>
        <source>opening for writing</source>
        <translation>podczas otwierania do zapisu</translation>
    </message>
    <message>
        <source>creating the Trash folder</source>
        <translation>podczas tworzenia folderu kosza</translation>
    </message>
    <message>
        <source>opening the Trash folder</source>
        <translation>podczas otwierania folderu kosza</translation>
    </message>
    <message>
        <source>finding the filesystem of</source>
        <translation>podczas ustalania systemu plików dla</translation>
    </message>
    <message>
        <source>creating</source>
        <translation>podczas tworzenia</translation>
    </message>
    <message>
        <source>linking into the Trash</source>
        <translation>podczas dowiązywania do kosza</translation>
    </message>
    <message>
        <source>moving into the Trash</source>
        <translation>podczas przenoszenia do kosza</translation>
    </message>
    <message>
        <source>creating the private temporary folder</source>
        <translation>podczas tworzenia prywatnego folderu tymczasowego</translation>
    </message>
    <message>
        <source>creating the lock</source>
        <translation>podczas tworzenia blokady</translation>
    </message>
    <message>
        <source>Internal error (a stylesheet was to be written without its encoding)</source>
        <translation>Błąd wewnętrzny (arkusz stylów miał zostać zapisany bez swojego kodowania)</translation>
    </message>
    <message>
        <source>renaming</source>
        <translation>podczas zmiany nazwy</translation>
    </message>
</context>
<context>
    <name>FixRecord</name>
    <message numerus="yes">
        <source>%n stylesheets edited</source>
        <translation>
            <numerusform>%n arkusz stylów zmieniony</numerusform>
            <numerusform>%n arkusze stylów zmienione</numerusform>
            <numerusform>%n arkuszy stylów zmienionych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stylesheets, </source>
        <extracomment>Followed by the declarations removed: &quot;3 stylesheets, 41 declarations removed&quot;.</extracomment>
        <translation>
            <numerusform>%n arkusz stylów, </numerusform>
            <numerusform>%n arkusze stylów, </numerusform>
            <numerusform>%n arkuszy stylów, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n declarations removed</source>
        <translation>
            <numerusform>usunięto %n deklarację</numerusform>
            <numerusform>usunięto %n deklaracje</numerusform>
            <numerusform>usunięto %n deklaracji</numerusform>
        </translation>
    </message>
    <message>
        <source>the fonts embedded whole (%1)</source>
        <extracomment>%1 is the size the four faces take in the book, as &quot;814 KB&quot;.</extracomment>
        <translation>czcionki osadzone w całości (%1)</translation>
    </message>
    <message>
        <source>the fonts embedded, cut to the book&apos;s characters (%1)</source>
        <extracomment>%1 is the size the four faces take in the book, as &quot;94 KB&quot;.</extracomment>
        <translation>czcionki osadzone, przycięte do znaków książki (%1)</translation>
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
        <translation>%1 ma %2 MB: Send to Kindle przyjmuje e-mailem najwyżej 50 MB.</translation>
    </message>
    <message numerus="yes">
        <source>%n stylesheets deleted</source>
        <translation>
            <numerusform>%n arkusz stylów usunięty</numerusform>
            <numerusform>%n arkusze stylów usunięte</numerusform>
            <numerusform>%n arkuszy stylów usuniętych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the links to them taken out of %n documents</source>
        <translation>
            <numerusform>odnośniki do nich usunięte z %n dokumentu</numerusform>
            <numerusform>odnośniki do nich usunięte z %n dokumentów</numerusform>
            <numerusform>odnośniki do nich usunięte z %n dokumentów</numerusform>
        </translation>
    </message>
    <message>
        <source>language %1 → %2</source>
        <extracomment>%1 is the language the book named, %2 the code it names now: &quot;language C → de&quot;.</extracomment>
        <translation>język %1 → %2</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures, %1 → %2</source>
        <extracomment>%1 and %2 are the pictures&apos; sizes before and after: &quot;12 pictures, 4.1 MB → 1.2 MB&quot;.</extracomment>
        <translation>
            <numerusform>%n obraz, %1 → %2</numerusform>
            <numerusform>%n obrazy, %1 → %2</numerusform>
            <numerusform>%n obrazów, %1 → %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n encoding declarations added</source>
        <translation>
            <numerusform>dodano %n deklarację kodowania</numerusform>
            <numerusform>dodano %n deklaracje kodowania</numerusform>
            <numerusform>dodano %n deklaracji kodowania</numerusform>
        </translation>
    </message>
    <message>
        <source>the links and pictures mended for Send to Kindle</source>
        <translation>linki i obrazy poprawione dla Send to Kindle</translation>
    </message>
    <message>
        <source>the cover named in the package</source>
        <translation>okładka wskazana w pakiecie</translation>
    </message>
    <message numerus="yes">
        <source>%n sentences and pictures in Kobo&apos;s spans</source>
        <translation>
            <numerusform>%n zdanie lub obraz w spanach Kobo</numerusform>
            <numerusform>%n zdania i obrazy w spanach Kobo</numerusform>
            <numerusform>%n zdań i obrazów w spanach Kobo</numerusform>
        </translation>
    </message>
    <message>
        <source>would become %1</source>
        <extracomment>%1 is the book&apos;s new file name, as &quot;a.kepub.epub&quot;.</extracomment>
        <translation>stałby się %1</translation>
    </message>
    <message>
        <source>now %1</source>
        <translation>teraz %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>            <numerusform>%n bajt</numerusform>            <numerusform>%n bajty</numerusform>            <numerusform>%n bajtów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>less than a minute left</source>
        <translation>pozostała niecała minuta</translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>pozostało około %n minuty</numerusform>
            <numerusform>pozostało około %n minut</numerusform>
            <numerusform>pozostało około %n minut</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>pozostało ok. %1 godz. %2 min</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Naprawiona</translation>
    </message>
    <message>
        <source>Already as the options ask: left untouched</source>
        <translation>Już zgodna z opcjami: nietknięta</translation>
    </message>
    <message>
        <source>Left as it was: </source>
        <translation>Pozostawiona bez zmian: </translation>
    </message>
    <message>
        <source>Failed: </source>
        <translation>Niepowodzenie: </translation>
    </message>
    <message>
        <source>&amp;Load EBook from:</source>
        <translation>Wczytaj &amp;książki z:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Przeglądaj...</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Rozpocznij</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Books done</source>
        <translation>Przetworzone książki</translation>
    </message>
    <message>
        <source>Check the boo&amp;ks you want to fix:</source>
        <translation>Zaznacz książki do &amp;naprawienia:</translation>
    </message>
    <message>
        <source>Select:</source>
        <translation>Zaznacz:</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>Ża&amp;dne</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Wszystkie</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opcje...</translation>
    </message>
    <message>
        <source>Select a folder...</source>
        <translation>Wybierz folder...</translation>
    </message>
    <message>
        <source>Stopping after %1</source>
        <translation>Zatrzymywanie po %1</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>W toku</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Zatrzymaj</translation>
    </message>
    <message>
        <source>Fixing %1 of %2: %3</source>
        <translation>Naprawianie %1 z %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n books</source>
        <translation>
            <numerusform>%1 z %n książki</numerusform>
            <numerusform>%1 z %n książek</numerusform>
            <numerusform>%1 z %n książek</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 counts the books done, %2 says the time left.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Fixed: </source>
        <translation>Naprawiono: </translation>
    </message>
</context>
<context>
    <name>KindleReady</name>
    <message>
        <source>%1 is not UTF-8 and names no encoding</source>
        <extracomment>%1 is the name of a content document in the book, as OEBPS/ch1.xhtml.</extracomment>
        <translation>%1 nie jest w UTF-8 i nie podaje kodowania</translation>
    </message>
    <message>
        <source>no language found</source>
        <translation>nie znaleziono języka</translation>
    </message>
    <message>
        <source>%1 holds a NUL byte, which XML does not allow</source>
        <extracomment>%1 is the name of a content document in the book, as OEBPS/ch1.xhtml.</extracomment>
        <translation>%1 zawiera bajt NUL, na który XML nie pozwala</translation>
    </message>
    <message>
        <source>%1 names %2 and is not UTF-8</source>
        <extracomment>%1 is the name of a content document in the book, as OEBPS/ch1.xhtml; %2 the name of an encoding as the document gives it, as windows-1252.</extracomment>
        <translation>%1 podaje kodowanie %2 i nie jest w UTF-8</translation>
    </message>
</context>
<context>
    <name>Kobo</name>
    <message>
        <source>%1 is not UTF-8 or UTF-16</source>
        <translation>%1 nie jest w UTF-8 ani w UTF-16</translation>
    </message>
    <message>
        <source>%1 does not read as XML (%2)</source>
        <extracomment>%1 is the content document, %2 where and why it does not read (&quot;line 3: ...&quot;).</extracomment>
        <translation>%1 nie daje się odczytać jako XML (%2)</translation>
    </message>
    <message>
        <source>%1 is in a calibre library; calibre&apos;s own Kobo driver converts it as it sends it</source>
        <translation>%1 jest w bibliotece calibre; własny sterownik Kobo programu calibre konwertuje go podczas wysyłania</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 już istnieje</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Options...</source>
        <translation>Opcje...</translation>
    </message>
    <message>
        <source>Text styling</source>
        <translation>Styl tekstu</translation>
    </message>
    <message>
        <source>(Otherwise, we&apos;ll just remove all the font sizes.)</source>
        <translation>(Inaczej zostaną usunięte tylko rozmiary czcionek.)</translation>
    </message>
    <message>
        <source>&amp;Alter the stylesheet:</source>
        <translation>&amp;Zmień arkusz stylów:</translation>
    </message>
    <message>
        <source>&amp;Delete CSS entirely?</source>
        <translation>Usuń CSS &amp;całkowicie?</translation>
    </message>
    <message>
        <source>&amp;Justify all paragraphs.</source>
        <translation>&amp;Wyjustuj wszystkie akapity.</translation>
    </message>
    <message>
        <source>&amp;Remove fixed font sizes.</source>
        <translation>Usuń &amp;stałe rozmiary czcionek.</translation>
    </message>
    <message>
        <source>&amp;Install Liberation fonts.</source>
        <translation>Zainstaluj czcionki &amp;Liberation.</translation>
    </message>
    <message>
        <source>(Allows display of international characters.)</source>
        <translation>(Wyświetla znaki międzynarodowe.)</translation>
    </message>
    <message>
        <source>&amp;Move the original books to the Trash</source>
        <translation>Przenieś oryginalne książki do &amp;kosza</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>For e-readers</source>
        <translation>Dla czytników e-booków</translation>
    </message>
    <message>
        <source>Remove fixed &amp;line heights</source>
        <translation>Usuń stałą &amp;interlinię</translation>
    </message>
    <message>
        <source>Remove &amp;page margins</source>
        <translation>Usuń &amp;marginesy strony</translation>
    </message>
    <message>
        <source>&amp;Use the reader&apos;s own typeface</source>
        <translation>Użyj kroju &amp;pisma czytnika</translation>
    </message>
    <message>
        <source>&amp;Keep relative font sizes</source>
        <translation>Zachowaj względne &amp;rozmiary czcionek</translation>
    </message>
    <message>
        <source>&amp;Embed only the characters each book uses</source>
        <translation>Osadź tylko znaki &amp;używane w każdej książce</translation>
    </message>
    <message>
        <source>Make the books ready for &amp;Send to Kindle</source>
        <translation>Przygotuj książki &amp;do Send to Kindle</translation>
    </message>
    <message>
        <source>Use the reader&apos;s o&amp;wn colours</source>
        <translation>Uży&amp;j kolorów czytnika</translation>
    </message>
    <message>
        <source>Make Kobo &amp;books (KEPUB)</source>
        <translation>Twórz książki Ko&amp;bo (KEPUB)</translation>
    </message>
    <message>
        <source>&amp;Fit pictures to the e-reader&apos;s screen</source>
        <translation>Dopasuj obrazy do ekranu czy&amp;tnika</translation>
    </message>
    <message>
        <source>Screen si&amp;ze:</source>
        <translation>Rozmiar ekra&amp;nu:</translation>
    </message>
    <message>
        <source>Make pictures &amp;grey</source>
        <translation>Zamień obrazy na odci&amp;enie szarości</translation>
    </message>
</context>
<context>
    <name>Protection</name>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>protected: %1 cannot be read</source>
        <translation>chroniona: nie można odczytać %1</translation>
    </message>
    <message>
        <source>protected: %1 is not well-formed (%2)</source>
        <translation>chroniona: %1 jest niepoprawnie sformułowany (%2)</translation>
    </message>
    <message>
        <source>a resource it does not name</source>
        <translation>zasób, którego nie nazywa</translation>
    </message>
    <message>
        <source>protected: %1 obfuscates %2, which the fix would write over</source>
        <translation>chroniona: %1 zaciemnia %2, który naprawa by nadpisała</translation>
    </message>
    <message>
        <source>protected: %1 encrypts %2</source>
        <translation>chroniona: %1 szyfruje %2</translation>
    </message>
    <message numerus="yes">
        <source>protected: %1 encrypts %2 and %n more</source>
        <extracomment>%1 is META-INF/encryption.xml, %2 the first resource it encrypts, %n how many more it encrypts.</extracomment>
        <translation>
            <numerusform>chroniona: %1 szyfruje %2 i %n inny zasób</numerusform>
            <numerusform>chroniona: %1 szyfruje %2 i %n inne zasoby</numerusform>
            <numerusform>chroniona: %1 szyfruje %2 i %n innych zasobów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SharedLibrary</name>
    <message>
        <source>Cannot load the library %1 (%2)</source>
        <translation>Nie można wczytać biblioteki %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot load the library %1</source>
        <translation>Nie można wczytać biblioteki %1</translation>
    </message>
    <message>
        <source>Cannot find the entry point %1 in %2</source>
        <translation>Nie znaleziono punktu wejścia %1 w %2</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>Permission denied (the Trash folder &quot;%1&quot; is a link, a file or another user&apos;s folder)</source>
        <translation>Odmowa dostępu (folder kosza „%1” jest dowiązaniem, plikiem lub folderem innego użytkownika)</translation>
    </message>
    <message>
        <source>The original of &quot;%1&quot; could not be put in the Trash &quot;%2&quot;, so it was left as it was: %3</source>
        <translation>Nie udało się przenieść oryginału „%1” do kosza „%2”, więc pozostał bez zmian: %3</translation>
    </message>
    <message>
        <source>The book &quot;%1&quot; could not be replaced, and its original is in the Trash as &quot;%2&quot;.</source>
        <translation>Nie udało się zastąpić książki „%1”, a jej oryginał jest w koszu jako „%2”.</translation>
    </message>
</context>
<context>
    <name>UnzipBinding</name>
    <message>
        <source>Overwrite &quot;%1&quot; ?</source>
        <translation>Nadpisać „%1”?</translation>
    </message>
    <message>
        <source>VBUnZip32 - File Already Exists!</source>
        <translation>VBUnZip32 – plik już istnieje!</translation>
    </message>
    <message>
        <source>Please Enter The Password!</source>
        <translation>Wprowadź hasło!</translation>
    </message>
    <message>
        <source>The supplied password exceeds the maximum password length %1 supported by the UnZip DLL.</source>
        <translation>Podane hasło przekracza maksymalną długość %1 znaków obsługiwaną przez bibliotekę DLL UnZip.</translation>
    </message>
    <message>
        <source>UnZip password too long</source>
        <translation>Hasło UnZip jest za długie</translation>
    </message>
    <message>
        <source>The program cannot continue.</source>
        <translation>Program nie może kontynuować.</translation>
    </message>
    <message>
        <source>Incompatible DLL version discovered!</source>
        <translation>Wykryto niezgodną wersję biblioteki DLL!</translation>
    </message>
    <message>
        <source>The UnZip DLL requires a version structure of length %1, but the VB frontend expects the DLL to need 68bytes.</source>
        <translation>Biblioteka DLL UnZip wymaga struktury wersji o długości %1, a interfejs VB oczekuje 68 bajtów.</translation>
    </message>
    <message>
        <source>Incompatible old DLL version discovered!</source>
        <translation>Wykryto starą, niezgodną wersję biblioteki DLL!</translation>
    </message>
    <message>
        <source>This program requires an UnZip DLL version of at least %1, but the version reported by the found DLL is only %2.</source>
        <translation>Ten program wymaga biblioteki DLL UnZip w wersji co najmniej %1, a znaleziona biblioteka zgłasza tylko wersję %2.</translation>
    </message>
    <message>
        <source>DLL version with incompatible API discovered!</source>
        <translation>Wykryto bibliotekę DLL z niezgodnym API!</translation>
    </message>
    <message>
        <source>This program can only handle UnZip DLL API versions up to %1, but the found DLL reports a newer API version of %2.</source>
        <translation>Ten program obsługuje wersje API biblioteki DLL UnZip tylko do %1, a znaleziona biblioteka zgłasza nowszą wersję API %2.</translation>
    </message>
</context>
<context>
    <name>ZipBinding</name>
    <message>
        <source>Enter the comment</source>
        <translation>Wprowadź komentarz</translation>
    </message>
    <message>
        <source>Please Enter The Password!</source>
        <translation>Wprowadź hasło!</translation>
    </message>
    <message>
        <source>Zip32.dll did not initialize.  Is it in the current directory or on the command path?</source>
        <translation>Biblioteka Zip32.dll nie została zainicjowana.  Czy jest w bieżącym katalogu lub na ścieżce wyszukiwania?</translation>
    </message>
    <message>
        <source>VB Zip</source>
        <translation>VB Zip</translation>
    </message>
</context>
</TS>
