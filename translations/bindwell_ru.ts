<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ArchiveFailure</name>
    <message>
        <source>it holds no files at all.</source>
        <translation>в ней нет ни одного файла.</translation>
    </message>
    <message>
        <source>some of its entries have unsafe names, are links or appear twice, so it cannot be unpacked exactly as it is.</source>
        <translation>некоторые её записи имеют небезопасные имена, являются ссылками или повторяются, поэтому её нельзя распаковать в точности как есть.</translation>
    </message>
    <message>
        <source>it is damaged and could not be unpacked completely.</source>
        <translation>она повреждена и не может быть распакована полностью.</translation>
    </message>
    <message>
        <source>it could not be opened as an EPUB (ZIP) archive.</source>
        <translation>её не удалось открыть как архив EPUB (ZIP).</translation>
    </message>
    <message>
        <source>there was not enough memory to unpack it.</source>
        <translation>для её распаковки не хватило памяти.</translation>
    </message>
    <message>
        <source>the disk is full, so it could not be unpacked.</source>
        <translation>диск заполнен, поэтому её не удалось распаковать.</translation>
    </message>
    <message>
        <source>unpacking it was stopped.</source>
        <translation>распаковка была прервана.</translation>
    </message>
    <message>
        <source>it is encrypted and no correct password was given.</source>
        <translation>она зашифрована, а правильный пароль не был введён.</translation>
    </message>
    <message>
        <source>it would expand to far more than its own size (it may be a zip bomb).</source>
        <translation>после распаковки она заняла бы намного больше своего размера (возможно, это ZIP-бомба).</translation>
    </message>
    <message>
        <source>unpacking it failed (UnZip error %1).</source>
        <translation>распаковка не удалась (ошибка UnZip %1).</translation>
    </message>
    <message>
        <source>Bindwell left this book as it was: %1</source>
        <extracomment>%1 is one of the reasons, which begin in lower case.</extracomment>
        <translation>Bindwell оставил эту книгу без изменений: %1</translation>
    </message>
    <message>
        <source>The disk is full; the book was left as it was.</source>
        <translation>Диск заполнен; книга оставлена без изменений.</translation>
    </message>
    <message>
        <source>The new book could not be written beside the old one; the book was left as it was.</source>
        <translation>Не удалось записать новую книгу рядом со старой; книга оставлена без изменений.</translation>
    </message>
    <message>
        <source>A file of the unpacked book could not be read; the book was left as it was.</source>
        <translation>Не удалось прочитать файл распакованной книги; книга оставлена без изменений.</translation>
    </message>
    <message>
        <source>There was nothing to pack; the book was left as it was.</source>
        <translation>Упаковывать было нечего; книга оставлена без изменений.</translation>
    </message>
    <message>
        <source>The Zip library could not be used; the book was left as it was.</source>
        <translation>Не удалось использовать библиотеку Zip; книга оставлена без изменений.</translation>
    </message>
    <message>
        <source>Two of its entries have names that readers read as one; the book was left as it was.</source>
        <translation>У двух её элементов имена, которые читалки читают как одно; книга оставлена как была.</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>%1 Error unzipping:  %2</source>
        <extracomment>%1 is the error&apos;s number, %2 its description.</extracomment>
        <translation>%1 Ошибка распаковки:  %2</translation>
    </message>
    <message>
        <source>Please enter the path to the folder containing your ebooks.</source>
        <translation>Укажите путь к папке с вашими электронными книгами.</translation>
    </message>
    <message>
        <source>Another Bindwell run is using the working folder %1.</source>
        <translation>Рабочая папка %1 занята другим запуском Bindwell.</translation>
    </message>
    <message>
        <source>Wait until it has finished, then press Start again.</source>
        <translation>Дождитесь его завершения и снова нажмите «Начать».</translation>
    </message>
    <message>
        <source>Subscript out of range (the book list no longer has an entry %1)</source>
        <translation>Индекс вне диапазона (в списке книг больше нет записи %1)</translation>
    </message>
    <message numerus="yes">
        <source>%n books failed:</source>
        <translation>
            <numerusform>Не удалось исправить %n книгу:</numerusform>
            <numerusform>Не удалось исправить %n книги:</numerusform>
            <numerusform>Не удалось исправить %n книг:</numerusform>
        </translation>
    </message>
    <message>
        <source>No books fixed - no books selected.</source>
        <translation>Ни одна книга не исправлена — книги не выбраны.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped. (%n epubs fixed.)</source>
        <translation>
            <numerusform>Остановлено. (Исправлен %n файл EPUB.)</numerusform>
            <numerusform>Остановлено. (Исправлено %n файла EPUB.)</numerusform>
            <numerusform>Остановлено. (Исправлено %n файлов EPUB.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Okay, your books are all set. (%n epubs fixed.)</source>
        <translation>
            <numerusform>Готово, ваши книги в порядке. (Исправлен %n файл EPUB.)</numerusform>
            <numerusform>Готово, ваши книги в порядке. (Исправлено %n файла EPUB.)</numerusform>
            <numerusform>Готово, ваши книги в порядке. (Исправлено %n файлов EPUB.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n books were left as they were: they cannot be fixed safely.</source>
        <translation>
            <numerusform> %n книга оставлена без изменений: её нельзя безопасно исправить.</numerusform>
            <numerusform> %n книги оставлены без изменений: их нельзя безопасно исправить.</numerusform>
            <numerusform> %n книг оставлено без изменений: их нельзя безопасно исправить.</numerusform>
        </translation>
    </message>
    <message>
        <source> The original books are in the Trash.</source>
        <translation> Исходные книги находятся в корзине.</translation>
    </message>
    <message>
        <source>Internal error (%1)</source>
        <translation>Внутренняя ошибка (%1)</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Внутренняя ошибка</translation>
    </message>
    <message>
        <source>Permission denied (the temporary folder &quot;%1&quot; is a link, another user&apos;s, or open to others; remove it and start again)</source>
        <translation>Доступ запрещён (временная папка «%1» — ссылка, принадлежит другому пользователю или открыта для других; удалите её и начните заново)</translation>
    </message>
    <message numerus="yes">
        <source> %n of them were already as the options ask, and were left untouched.</source>
        <translation>
            <numerusform> %n из них уже соответствовал параметрам и остался нетронутым.</numerusform>
            <numerusform> %n из них уже соответствовали параметрам и остались нетронутыми.</numerusform>
            <numerusform> %n из них уже соответствовали параметрам и остались нетронутыми.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> For %n of them no language was found; they keep the one they name.</source>
        <translation>
            <numerusform> Для %n из них язык не определён; книга сохраняет указанный в ней.</numerusform>
            <numerusform> Для %n из них язык не определён; они сохраняют указанный в них.</numerusform>
            <numerusform> Для %n из них язык не определён; они сохраняют указанный в них.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pictures: %1 → %2.</source>
        <extracomment>%1 is the size the pictures fitted took before, %2 the size they take now: &quot;Pictures: 122.3 MB → 60.1 MB.&quot;</extracomment>
        <translation>Изображения: %1 → %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n epubs would be fixed</source>
        <extracomment>Followed by what the other counts say, then a full stop: &quot;40 epubs would be fixed; 38 of them are already as the options ask.&quot;</extracomment>
        <translation>
            <numerusform>Был бы исправлен %n файл EPUB</numerusform>
            <numerusform>Были бы исправлены %n файла EPUB</numerusform>
            <numerusform>Было бы исправлено %n файлов EPUB</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n of them are already as the options ask</source>
        <translation>
            <numerusform>; %n из них уже соответствует параметрам</numerusform>
            <numerusform>; %n из них уже соответствуют параметрам</numerusform>
            <numerusform>; %n из них уже соответствуют параметрам</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> For %n of them no language would be found; they would keep the one they name.</source>
        <translation>
            <numerusform> Для %n из них язык не был бы определён; книга сохранила бы указанный в ней.</numerusform>
            <numerusform> Для %n из них язык не был бы определён; они сохранили бы указанный в них.</numerusform>
            <numerusform> Для %n из них язык не был бы определён; они сохранили бы указанный в них.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n books would be left as they are: they cannot be fixed safely.</source>
        <translation>
            <numerusform> %n книга осталась бы без изменений: её нельзя безопасно исправить.</numerusform>
            <numerusform> %n книги остались бы без изменений: их нельзя безопасно исправить.</numerusform>
            <numerusform> %n книг осталось бы без изменений: их нельзя безопасно исправить.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BookFix</name>
    <message>
        <source>Overflow (Zip result %1)</source>
        <translation>Переполнение (результат Zip %1)</translation>
    </message>
    <message>
        <source>Zip error: %1</source>
        <translation>Ошибка Zip: %1</translation>
    </message>
    <message>
        <source>The book changed on disk while Bindwell was fixing it, so Bindwell left it as the other program wrote it.</source>
        <translation>Книга изменилась на диске, пока Bindwell её исправлял, поэтому Bindwell оставил её такой, какой её записала другая программа.</translation>
    </message>
    <message>
        <source>Too many entry names for the UnZip library</source>
        <translation>Слишком много имён записей для библиотеки UnZip</translation>
    </message>
    <message>
        <source>Regular expression &quot;%1&quot; is invalid: %2</source>
        <translation>Регулярное выражение «%1» недопустимо: %2</translation>
    </message>
    <message>
        <source>Out of memory creating a regular expression</source>
        <translation>Недостаточно памяти для создания регулярного выражения</translation>
    </message>
    <message>
        <source>Out of memory matching a regular expression</source>
        <translation>Недостаточно памяти для сопоставления регулярного выражения</translation>
    </message>
    <message>
        <source>Regular expression match failed: %1</source>
        <translation>Ошибка сопоставления регулярного выражения: %1</translation>
    </message>
    <message>
        <source>%1 could not be read and was left as it was</source>
        <extracomment>%1 is the picture&apos;s name in the book, as &quot;OEBPS/images/cut.jpg&quot;.</extracomment>
        <translation>Не удалось прочитать %1; оставлено как было</translation>
    </message>
    <message>
        <source>%1 has more than 500 megapixels and was left as it was</source>
        <extracomment>%1 is the picture&apos;s name in the book.</extracomment>
        <translation>%1 содержит более 500 мегапикселей; оставлено как было</translation>
    </message>
    <message>
        <source>%1 is too large to be decoded whole and was left as it was</source>
        <extracomment>%1 is the picture&apos;s name in the book; progressive JPEGs and interlaced PNGs are decoded whole.</extracomment>
        <translation>%1 слишком велико для декодирования целиком; оставлено как было</translation>
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
        <translation>Исправляет книги EPUB так же, как окно Bindwell. Каждый PATH — папка, книги в
которой ищутся так же, как в окне (те же правила, тот же порядок), или файл EPUB.
Книги исправляются в указанном порядке, каждая по одному разу.

Не заданные параметры берутся из сохранённых настроек, как в окне.
Код возврата: 0 книги исправлены, 1 ошибка или нет книг, 2 ошибка в вызове,
3 библиотека UnZip неподходящей версии.</translation>
    </message>
    <message>
        <source>Remove fixed font sizes (option FontSizes) in this run.</source>
        <translation>Убрать фиксированные размеры шрифта (параметр FontSizes) в этом запуске.</translation>
    </message>
    <message>
        <source>Keep fixed font sizes in this run.</source>
        <translation>Сохранить фиксированные размеры шрифта в этом запуске.</translation>
    </message>
    <message>
        <source>Justify all paragraphs (option JustifyText) in this run.</source>
        <translation>Выровнять все абзацы по ширине (параметр JustifyText) в этом запуске.</translation>
    </message>
    <message>
        <source>Do not justify paragraphs in this run.</source>
        <translation>Не выравнивать абзацы по ширине в этом запуске.</translation>
    </message>
    <message>
        <source>Install the Liberation fonts (option IntlFonts) in this run.</source>
        <translation>Установить шрифты Liberation (параметр IntlFonts) в этом запуске.</translation>
    </message>
    <message>
        <source>Do not install the fonts in this run.</source>
        <translation>Не устанавливать шрифты в этом запуске.</translation>
    </message>
    <message>
        <source>Delete the stylesheets entirely (option DeleteCSS) in this run.</source>
        <translation>Полностью удалить таблицы стилей (параметр DeleteCSS) в этом запуске.</translation>
    </message>
    <message>
        <source>Alter the stylesheets instead of deleting them in this run.</source>
        <translation>Изменять таблицы стилей вместо удаления в этом запуске.</translation>
    </message>
    <message>
        <source>Move each replaced book&apos;s original to the Trash (option KeepOriginals) in this run.</source>
        <translation>Перемещать оригинал каждой заменённой книги в корзину (параметр KeepOriginals) в этом запуске.</translation>
    </message>
    <message>
        <source>Do not keep the originals in this run.</source>
        <translation>Не сохранять оригиналы в этом запуске.</translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation>не задан PATH</translation>
    </message>
    <message>
        <source>Print the books found, one a line, and change nothing; a protected book with the reason after a tab.</source>
        <translation>Вывести найденные книги по одной в строке, ничего не меняя; у защищённой книги после табуляции указана причина.</translation>
    </message>
    <message>
        <source>Also save the options given to the settings store.</source>
        <translation>Также сохранить заданные параметры в настройках.</translation>
    </message>
    <message>
        <source>Report a book that fails, leave it as it was, and go on with the next; list the failed books at the end.</source>
        <translation>Сообщить о книге, которую не удалось исправить, оставить её без изменений и перейти к следующей; в конце перечислить такие книги.</translation>
    </message>
    <message>
        <source>A folder of books, or an EPUB file.</source>
        <extracomment>PATH is the argument&apos;s name in the usage line; keep it.</extracomment>
        <translation>Папка с книгами или файл EPUB.</translation>
    </message>
    <message>
        <source>Remove fixed line heights (option LineHeights) in this run.</source>
        <translation>Убрать фиксированный межстрочный интервал (параметр LineHeights) в этом запуске.</translation>
    </message>
    <message>
        <source>Keep fixed line heights in this run.</source>
        <translation>Сохранить фиксированный межстрочный интервал в этом запуске.</translation>
    </message>
    <message>
        <source>Remove the page margins (option PageMargins) in this run.</source>
        <translation>Убрать поля страницы (параметр PageMargins) в этом запуске.</translation>
    </message>
    <message>
        <source>Keep the page margins in this run.</source>
        <translation>Сохранить поля страницы в этом запуске.</translation>
    </message>
    <message>
        <source>Remove the typefaces the books name, monospace ones aside, so that the reader&apos;s own is used (option FontFamilies) in this run.</source>
        <translation>Убрать шрифты, заданные в книгах, кроме моноширинных, чтобы использовался шрифт устройства (параметр FontFamilies) в этом запуске.</translation>
    </message>
    <message>
        <source>Keep the typefaces the books name in this run.</source>
        <translation>Сохранить шрифты, заданные в книгах, в этом запуске.</translation>
    </message>
    <message>
        <source>Where fixed font sizes are removed, keep the sizes relative to the reader&apos;s own (option RelativeSizes) in this run.</source>
        <translation>Там, где убираются фиксированные размеры шрифта, сохранить размеры относительно размера устройства (параметр RelativeSizes) в этом запуске.</translation>
    </message>
    <message>
        <source>Remove relative font sizes too in this run.</source>
        <translation>Убрать и относительные размеры шрифта в этом запуске.</translation>
    </message>
    <message>
        <source>Where the fonts are installed, embed only the characters each book uses (option SubsetFonts) in this run.</source>
        <translation>Там, где устанавливаются шрифты, встроить только символы, которые использует каждая книга (параметр SubsetFonts), в этом запуске.</translation>
    </message>
    <message>
        <source>Embed the fonts whole in this run.</source>
        <translation>Встроить шрифты целиком в этом запуске.</translation>
    </message>
    <message>
        <source>Make the books ready for Send to Kindle: each content document declares its encoding and links to no chapter&apos;s body, no picture lacks a source, and each book names a language code and its cover both ways (option KindleReady) in this run.</source>
        <translation>Подготовить книги для Send to Kindle: каждый документ содержимого объявляет свою кодировку и не ссылается на тело главы, ни одно изображение не остаётся без источника, а каждая книга указывает код языка и свою обложку обоими способами (параметр KindleReady) в этом запуске.</translation>
    </message>
    <message>
        <source>Do not ready the books for Send to Kindle in this run.</source>
        <translation>Не готовить книги для Send to Kindle в этом запуске.</translation>
    </message>
    <message>
        <source>Remove the colours the books give their text and its background, so that the reader&apos;s own are used (option TextColors) in this run.</source>
        <translation>Убрать цвета, которые книги задают тексту и его фону, чтобы действовали цвета устройства (параметр TextColors), в этом запуске.</translation>
    </message>
    <message>
        <source>Keep the colours the books give their text in this run.</source>
        <translation>Сохранить цвета текста книг в этом запуске.</translation>
    </message>
    <message>
        <source>Scale the pictures larger than the e-reader&apos;s screen down to it (option FitPictures) in this run.</source>
        <translation>Уменьшить до размера экрана устройства изображения, которые больше него (параметр FitPictures), в этом запуске.</translation>
    </message>
    <message>
        <source>Keep the pictures&apos; sizes in this run.</source>
        <translation>Сохранить размеры изображений в этом запуске.</translation>
    </message>
    <message>
        <source>Make the pictures in colour grey (option GreyPictures) in this run.</source>
        <translation>Сделать цветные изображения серыми (параметр GreyPictures) в этом запуске.</translation>
    </message>
    <message>
        <source>Keep the pictures&apos; colours in this run.</source>
        <translation>Сохранить цвета изображений в этом запуске.</translation>
    </message>
    <message>
        <source>Make Kobo books: each book becomes NAME.kepub.epub, read by Kobo&apos;s own renderer (option KoboBooks) in this run.</source>
        <translation>Делать книги Kobo: каждая книга становится файлом ИМЯ.kepub.epub, который читает собственный движок Kobo (параметр KoboBooks), в этом запуске.</translation>
    </message>
    <message>
        <source>Do not make Kobo books in this run.</source>
        <translation>Не делать книги Kobo в этом запуске.</translation>
    </message>
    <message>
        <source>The e-reader&apos;s screen in pixels, such as 1264x1680, that pictures are fitted to (option ScreenSize) in this run.</source>
        <extracomment>WIDTHxHEIGHT is the value&apos;s name in the usage line; keep it.</extracomment>
        <translation>Экран устройства в пикселях, например 1264x1680, под который подгоняются изображения (параметр ScreenSize), в этом запуске.</translation>
    </message>
    <message>
        <source>--screen takes WIDTHxHEIGHT in pixels, such as 1264x1680, not &quot;%1&quot;</source>
        <extracomment>%1 is what was given after --screen.</extracomment>
        <translation>--screen ожидает ШИРИНАxВЫСОТА в пикселях, например 1264x1680, а не «%1»</translation>
    </message>
    <message>
        <source>Take every book through the fix as a run would, and print what it would do to each, one line a book, then the summary a run would print; change nothing.</source>
        <translation>Провести каждую книгу через исправление, как при запуске, и вывести, что оно сделало бы с ней, по строке на книгу, затем сводку, которую вывел бы запуск; ничего не менять.</translation>
    </message>
    <message>
        <source>--dry-run changes nothing, so it saves nothing: --save cannot go with it</source>
        <extracomment>--dry-run, --save and --list are the options&apos; names; keep them.</extracomment>
        <translation>--dry-run ничего не меняет и потому ничего не сохраняет: --save с ним нельзя</translation>
    </message>
    <message>
        <source>--dry-run and --list cannot go together</source>
        <translation>--dry-run и --list нельзя использовать вместе</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>no (no terminal)</source>
        <translation>нет (нет терминала)</translation>
    </message>
    <message>
        <source>cancel (no terminal)</source>
        <translation>отмена (нет терминала)</translation>
    </message>
    <message>
        <source>[y]es, [n]o, [c]ancel:</source>
        <extracomment>the letters in brackets are the keys to type; keep them.</extracomment>
        <translation>[y] да, [n] нет, [c] отмена:</translation>
    </message>
    <message>
        <source>[r]etry, [c]ancel:</source>
        <translation>[r] повторить, [c] отмена:</translation>
    </message>
    <message>
        <source>%1: left as it was: %2</source>
        <translation>%1: оставлена без изменений: %2</translation>
    </message>
    <message>
        <source>The original books are in the Trash: %1</source>
        <translation>Исходные книги находятся в корзине: %1</translation>
    </message>
    <message>
        <source>%1 is neither a folder nor an EPUB file</source>
        <translation>%1 — не папка и не файл EPUB</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: would change: %2</source>
        <extracomment>%1 is the book, %2 what a run would change in it.</extracomment>
        <translation>%1: изменилось бы: %2</translation>
    </message>
    <message>
        <source>%1: already as the options ask</source>
        <translation>%1: уже соответствует параметрам</translation>
    </message>
    <message>
        <source>%1: left alone: %2</source>
        <translation>%1: остаётся без изменений: %2</translation>
    </message>
    <message>
        <source>%1: would fail: %2</source>
        <extracomment>%2 is the message a run would give, its lines joined.</extracomment>
        <translation>%1: не удалось бы: %2</translation>
    </message>
</context>
<context>
    <name>ContentWalk</name>
    <message>
        <source>%1 is in %2, which the fix does not edit</source>
        <extracomment>%1 is a stylesheet&apos;s name in the book, %2 the encoding its @charset rule names.</extracomment>
        <translation>%1 в кодировке %2, которую исправление не редактирует</translation>
    </message>
</context>
<context>
    <name>DeleteCss</name>
    <message>
        <source>%1 cannot be edited safely, so the stylesheets are kept</source>
        <extracomment>%1 is the name of a package or content document in the book, as OEBPS/ch1.xhtml.</extracomment>
        <translation>%1 нельзя безопасно изменить, поэтому таблицы стилей сохранены</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Путь не найден</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Файл уже существует</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Доступ запрещён</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Диск заполнен</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Ошибка доступа к пути или файлу</translation>
    </message>
    <message>
        <source>%1 (%2 &quot;%3&quot;: %4)</source>
        <extracomment>%1 says what went wrong, %2 what was being done, %3 the file or folder, %4 the system&apos;s own words.</extracomment>
        <translation>%1 (%2 «%3»: %4)</translation>
    </message>
    <message>
        <source>listing folder</source>
        <translation>при просмотре папки</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>при записи</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>при чтении</translation>
    </message>
    <message>
        <source>deleting folder</source>
        <translation>при удалении папки</translation>
    </message>
    <message>
        <source>deleting</source>
        <translation>при удалении</translation>
    </message>
    <message>
        <source>deleting file</source>
        <translation>при удалении файла</translation>
    </message>
    <message>
        <source>copying</source>
        <translation>при копировании</translation>
    </message>
    <message>
        <source>copying to</source>
        <translation>при копировании в</translation>
    </message>
    <message>
        <source>deleting file (it is a folder)</source>
        <translation>при удалении файла (это папка)</translation>
    </message>
    <message>
        <source>creating folder</source>
        <translation>при создании папки</translation>
    </message>
    <message>
        <source>moving</source>
        <translation>при перемещении</translation>
    </message>
    <message>
        <source>moving to</source>
        <translation>при перемещении в</translation>
    </message>
    <message>
        <source>opening</source>
        <translation>при открытии</translation>
    </message>
    <message>
        <source>flushing</source>
        <translation>при сбросе на диск</translation>
    </message>
    <message>
        <source>replacing</source>
        <translation>при замене</translation>
    </message>
    <message>
        <source>Internal error (a UTF-16 text was cut apart)</source>
        <translation>Внутренняя ошибка (текст UTF-16 был разрезан)</translation>
    </message>
    <message>
        <source>opening for writing</source>
        <translation>при открытии для записи</translation>
    </message>
    <message>
        <source>creating the Trash folder</source>
        <translation>при создании папки корзины</translation>
    </message>
    <message>
        <source>opening the Trash folder</source>
        <translation>при открытии папки корзины</translation>
    </message>
    <message>
        <source>finding the filesystem of</source>
        <translation>при определении файловой системы для</translation>
    </message>
    <message>
        <source>creating</source>
        <translation>при создании</translation>
    </message>
    <message>
        <source>linking into the Trash</source>
        <translation>при создании ссылки в корзине</translation>
    </message>
    <message>
        <source>moving into the Trash</source>
        <translation>при перемещении в корзину</translation>
    </message>
    <message>
        <source>creating the private temporary folder</source>
        <translation>при создании личной временной папки</translation>
    </message>
    <message>
        <source>creating the lock</source>
        <translation>при создании блокировки</translation>
    </message>
    <message>
        <source>Internal error (a stylesheet was to be written without its encoding)</source>
        <translation>Внутренняя ошибка (таблица стилей должна была быть записана без своей кодировки)</translation>
    </message>
    <message>
        <source>renaming</source>
        <translation>при переименовании</translation>
    </message>
</context>
<context>
    <name>FixRecord</name>
    <message numerus="yes">
        <source>%n stylesheets edited</source>
        <translation>
            <numerusform>изменена %n таблица стилей</numerusform>
            <numerusform>изменены %n таблицы стилей</numerusform>
            <numerusform>изменено %n таблиц стилей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stylesheets, </source>
        <extracomment>Followed by the declarations removed: &quot;3 stylesheets, 41 declarations removed&quot;.</extracomment>
        <translation>
            <numerusform>%n таблица стилей, </numerusform>
            <numerusform>%n таблицы стилей, </numerusform>
            <numerusform>%n таблиц стилей, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n declarations removed</source>
        <translation>
            <numerusform>удалено %n объявление</numerusform>
            <numerusform>удалено %n объявления</numerusform>
            <numerusform>удалено %n объявлений</numerusform>
        </translation>
    </message>
    <message>
        <source>the fonts embedded whole (%1)</source>
        <extracomment>%1 is the size the four faces take in the book, as &quot;814 KB&quot;.</extracomment>
        <translation>шрифты встроены целиком (%1)</translation>
    </message>
    <message>
        <source>the fonts embedded, cut to the book&apos;s characters (%1)</source>
        <extracomment>%1 is the size the four faces take in the book, as &quot;94 KB&quot;.</extracomment>
        <translation>шрифты встроены, урезаны до символов книги (%1)</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <extracomment>%1 is a number of kilobytes.</extracomment>
        <translation>%1 КБ</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1 is a number of megabytes, with one decimal.</extracomment>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>%1 is %2 MB: Send to Kindle takes at most 50 MB by e-mail.</source>
        <extracomment>%1 is the book, %2 its size in megabytes: &quot;Series/Atlas.epub is 63 MB: Send to Kindle takes at most 50 MB by e-mail.&quot;</extracomment>
        <translation>%1 занимает %2 МБ: Send to Kindle принимает по электронной почте не более 50 МБ.</translation>
    </message>
    <message numerus="yes">
        <source>%n stylesheets deleted</source>
        <translation>
            <numerusform>удалена %n таблица стилей</numerusform>
            <numerusform>удалены %n таблицы стилей</numerusform>
            <numerusform>удалено %n таблиц стилей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the links to them taken out of %n documents</source>
        <translation>
            <numerusform>ссылки на них убраны из %n документа</numerusform>
            <numerusform>ссылки на них убраны из %n документов</numerusform>
            <numerusform>ссылки на них убраны из %n документов</numerusform>
        </translation>
    </message>
    <message>
        <source>language %1 → %2</source>
        <extracomment>%1 is the language the book named, %2 the code it names now: &quot;language C → de&quot;.</extracomment>
        <translation>язык %1 → %2</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures, %1 → %2</source>
        <extracomment>%1 and %2 are the pictures&apos; sizes before and after: &quot;12 pictures, 4.1 MB → 1.2 MB&quot;.</extracomment>
        <translation>
            <numerusform>%n изображение, %1 → %2</numerusform>
            <numerusform>%n изображения, %1 → %2</numerusform>
            <numerusform>%n изображений, %1 → %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n encoding declarations added</source>
        <translation>
            <numerusform>добавлено %n объявление кодировки</numerusform>
            <numerusform>добавлено %n объявления кодировки</numerusform>
            <numerusform>добавлено %n объявлений кодировки</numerusform>
        </translation>
    </message>
    <message>
        <source>the links and pictures mended for Send to Kindle</source>
        <translation>ссылки и изображения исправлены для Send to Kindle</translation>
    </message>
    <message>
        <source>the cover named in the package</source>
        <translation>обложка указана в пакете</translation>
    </message>
    <message numerus="yes">
        <source>%n sentences and pictures in Kobo&apos;s spans</source>
        <translation>
            <numerusform>%n предложение или рисунок в спанах Kobo</numerusform>
            <numerusform>%n предложения и рисунка в спанах Kobo</numerusform>
            <numerusform>%n предложений и рисунков в спанах Kobo</numerusform>
        </translation>
    </message>
    <message>
        <source>would become %1</source>
        <extracomment>%1 is the book&apos;s new file name, as &quot;a.kepub.epub&quot;.</extracomment>
        <translation>стал бы %1</translation>
    </message>
    <message>
        <source>now %1</source>
        <translation>теперь %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>            <numerusform>%n байт</numerusform>            <numerusform>%n байта</numerusform>            <numerusform>%n байт</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>less than a minute left</source>
        <translation>осталось меньше минуты</translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>осталось около %n минуты</numerusform>
            <numerusform>осталось около %n минут</numerusform>
            <numerusform>осталось около %n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>осталось около %1 ч %2 мин</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Исправлена</translation>
    </message>
    <message>
        <source>Already as the options ask: left untouched</source>
        <translation>Уже соответствует параметрам: не изменялась</translation>
    </message>
    <message>
        <source>Left as it was: </source>
        <translation>Оставлена без изменений: </translation>
    </message>
    <message>
        <source>Failed: </source>
        <translation>Ошибка: </translation>
    </message>
    <message>
        <source>&amp;Load EBook from:</source>
        <translation>&amp;Загрузить книги из:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Обзор...</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Начать</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>Books done</source>
        <translation>Обработано книг</translation>
    </message>
    <message>
        <source>Check the boo&amp;ks you want to fix:</source>
        <translation>Отметьте книги для и&amp;справления:</translation>
    </message>
    <message>
        <source>Select:</source>
        <translation>Выбрать:</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>Ни&amp;чего</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Все</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>Пара&amp;метры...</translation>
    </message>
    <message>
        <source>Select a folder...</source>
        <translation>Выберите папку...</translation>
    </message>
    <message>
        <source>Stopping after %1</source>
        <translation>Остановка после %1</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Работа</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Прервать</translation>
    </message>
    <message>
        <source>Fixing %1 of %2: %3</source>
        <translation>Исправляется %1 из %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n books</source>
        <translation>
            <numerusform>%1 из %n книги</numerusform>
            <numerusform>%1 из %n книг</numerusform>
            <numerusform>%1 из %n книг</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 counts the books done, %2 says the time left.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Fixed: </source>
        <translation>Исправлено: </translation>
    </message>
</context>
<context>
    <name>KindleReady</name>
    <message>
        <source>%1 is not UTF-8 and names no encoding</source>
        <extracomment>%1 is the name of a content document in the book, as OEBPS/ch1.xhtml.</extracomment>
        <translation>%1 не в UTF-8 и не указывает кодировку</translation>
    </message>
    <message>
        <source>no language found</source>
        <translation>язык не найден</translation>
    </message>
    <message>
        <source>%1 holds a NUL byte, which XML does not allow</source>
        <extracomment>%1 is the name of a content document in the book, as OEBPS/ch1.xhtml.</extracomment>
        <translation>%1 содержит байт NUL, недопустимый в XML</translation>
    </message>
    <message>
        <source>%1 names %2 and is not UTF-8</source>
        <extracomment>%1 is the name of a content document in the book, as OEBPS/ch1.xhtml; %2 the name of an encoding as the document gives it, as windows-1252.</extracomment>
        <translation>%1 указывает кодировку %2 и не в UTF-8</translation>
    </message>
</context>
<context>
    <name>Kobo</name>
    <message>
        <source>%1 is not UTF-8 or UTF-16</source>
        <translation>%1 не в кодировке UTF-8 или UTF-16</translation>
    </message>
    <message>
        <source>%1 does not read as XML (%2)</source>
        <extracomment>%1 is the content document, %2 where and why it does not read (&quot;line 3: ...&quot;).</extracomment>
        <translation>%1 не читается как XML (%2)</translation>
    </message>
    <message>
        <source>%1 is in a calibre library; calibre&apos;s own Kobo driver converts it as it sends it</source>
        <translation>%1 находится в библиотеке calibre; собственный драйвер Kobo в calibre преобразует его при отправке</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 уже существует</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Options...</source>
        <translation>Параметры...</translation>
    </message>
    <message>
        <source>Text styling</source>
        <translation>Оформление текста</translation>
    </message>
    <message>
        <source>(Otherwise, we&apos;ll just remove all the font sizes.)</source>
        <translation>(Иначе будут лишь удалены размеры шрифта.)</translation>
    </message>
    <message>
        <source>&amp;Alter the stylesheet:</source>
        <translation>&amp;Изменить таблицу стилей:</translation>
    </message>
    <message>
        <source>&amp;Delete CSS entirely?</source>
        <translation>&amp;Удалить весь CSS?</translation>
    </message>
    <message>
        <source>&amp;Justify all paragraphs.</source>
        <translation>&amp;Выровнять абзацы по ширине.</translation>
    </message>
    <message>
        <source>&amp;Remove fixed font sizes.</source>
        <translation>Убрать &amp;фиксированные размеры шрифта.</translation>
    </message>
    <message>
        <source>&amp;Install Liberation fonts.</source>
        <translation>Установить шрифты &amp;Liberation.</translation>
    </message>
    <message>
        <source>(Allows display of international characters.)</source>
        <translation>(Латиница с акцентами, греческий, кириллица.)</translation>
    </message>
    <message>
        <source>&amp;Move the original books to the Trash</source>
        <translation>Переместить исходные книги в &amp;корзину</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>For e-readers</source>
        <translation>Для электронных книг</translation>
    </message>
    <message>
        <source>Remove fixed &amp;line heights</source>
        <translation>Убрать фиксированный &amp;межстрочный интервал</translation>
    </message>
    <message>
        <source>Remove &amp;page margins</source>
        <translation>Убрать &amp;поля страницы</translation>
    </message>
    <message>
        <source>&amp;Use the reader&apos;s own typeface</source>
        <translation>Использовать &amp;шрифт устройства</translation>
    </message>
    <message>
        <source>&amp;Keep relative font sizes</source>
        <translation>Сохранять относительные &amp;размеры шрифта</translation>
    </message>
    <message>
        <source>&amp;Embed only the characters each book uses</source>
        <translation>Встраивать только &amp;символы книги</translation>
    </message>
    <message>
        <source>Make the books ready for &amp;Send to Kindle</source>
        <translation>По&amp;дготовить книги для Send to Kindle</translation>
    </message>
    <message>
        <source>Use the reader&apos;s o&amp;wn colours</source>
        <translation>Использовать &amp;цвета устройства</translation>
    </message>
    <message>
        <source>Make Kobo &amp;books (KEPUB)</source>
        <translation>Делать книги Ko&amp;bo (KEPUB)</translation>
    </message>
    <message>
        <source>&amp;Fit pictures to the e-reader&apos;s screen</source>
        <translation>Подгонять изображения под &amp;экран устройства</translation>
    </message>
    <message>
        <source>Screen si&amp;ze:</source>
        <translation>Ра&amp;змер экрана:</translation>
    </message>
    <message>
        <source>Make pictures &amp;grey</source>
        <translation>Делать изобра&amp;жения серыми</translation>
    </message>
</context>
<context>
    <name>Protection</name>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>protected: %1 cannot be read</source>
        <translation>защищена: не удаётся прочитать %1</translation>
    </message>
    <message>
        <source>protected: %1 is not well-formed (%2)</source>
        <translation>защищена: %1 составлен с ошибками (%2)</translation>
    </message>
    <message>
        <source>a resource it does not name</source>
        <translation>ресурс, который в нём не назван</translation>
    </message>
    <message>
        <source>protected: %1 obfuscates %2, which the fix would write over</source>
        <translation>защищена: %1 маскирует %2, а исправление записало бы поверх него</translation>
    </message>
    <message>
        <source>protected: %1 encrypts %2</source>
        <translation>защищена: %1 шифрует %2</translation>
    </message>
    <message numerus="yes">
        <source>protected: %1 encrypts %2 and %n more</source>
        <extracomment>%1 is META-INF/encryption.xml, %2 the first resource it encrypts, %n how many more it encrypts.</extracomment>
        <translation>
            <numerusform>защищена: %1 шифрует %2 и ещё %n ресурс</numerusform>
            <numerusform>защищена: %1 шифрует %2 и ещё %n ресурса</numerusform>
            <numerusform>защищена: %1 шифрует %2 и ещё %n ресурсов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SharedLibrary</name>
    <message>
        <source>Cannot load the library %1 (%2)</source>
        <translation>Не удаётся загрузить библиотеку %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot load the library %1</source>
        <translation>Не удаётся загрузить библиотеку %1</translation>
    </message>
    <message>
        <source>Cannot find the entry point %1 in %2</source>
        <translation>Точка входа %1 не найдена в %2</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>Permission denied (the Trash folder &quot;%1&quot; is a link, a file or another user&apos;s folder)</source>
        <translation>Доступ запрещён (папка корзины «%1» — ссылка, файл или папка другого пользователя)</translation>
    </message>
    <message>
        <source>The original of &quot;%1&quot; could not be put in the Trash &quot;%2&quot;, so it was left as it was: %3</source>
        <translation>Не удалось поместить оригинал «%1» в корзину «%2», поэтому он оставлен без изменений: %3</translation>
    </message>
    <message>
        <source>The book &quot;%1&quot; could not be replaced, and its original is in the Trash as &quot;%2&quot;.</source>
        <translation>Не удалось заменить книгу «%1»; её оригинал находится в корзине как «%2».</translation>
    </message>
</context>
<context>
    <name>UnzipBinding</name>
    <message>
        <source>Overwrite &quot;%1&quot; ?</source>
        <translation>Перезаписать «%1»?</translation>
    </message>
    <message>
        <source>VBUnZip32 - File Already Exists!</source>
        <translation>VBUnZip32 — файл уже существует!</translation>
    </message>
    <message>
        <source>Please Enter The Password!</source>
        <translation>Введите пароль!</translation>
    </message>
    <message>
        <source>The supplied password exceeds the maximum password length %1 supported by the UnZip DLL.</source>
        <translation>Введённый пароль длиннее максимальных %1 символов, поддерживаемых библиотекой UnZip DLL.</translation>
    </message>
    <message>
        <source>UnZip password too long</source>
        <translation>Слишком длинный пароль UnZip</translation>
    </message>
    <message>
        <source>The program cannot continue.</source>
        <translation>Программа не может продолжить работу.</translation>
    </message>
    <message>
        <source>Incompatible DLL version discovered!</source>
        <translation>Обнаружена несовместимая версия DLL!</translation>
    </message>
    <message>
        <source>The UnZip DLL requires a version structure of length %1, but the VB frontend expects the DLL to need 68bytes.</source>
        <translation>Библиотеке UnZip DLL нужна структура версии длиной %1, а интерфейс VB ожидает 68 байт.</translation>
    </message>
    <message>
        <source>Incompatible old DLL version discovered!</source>
        <translation>Обнаружена устаревшая несовместимая версия DLL!</translation>
    </message>
    <message>
        <source>This program requires an UnZip DLL version of at least %1, but the version reported by the found DLL is only %2.</source>
        <translation>Этой программе нужна библиотека UnZip DLL версии не ниже %1, а найденная сообщает лишь версию %2.</translation>
    </message>
    <message>
        <source>DLL version with incompatible API discovered!</source>
        <translation>Обнаружена версия DLL с несовместимым API!</translation>
    </message>
    <message>
        <source>This program can only handle UnZip DLL API versions up to %1, but the found DLL reports a newer API version of %2.</source>
        <translation>Эта программа поддерживает версии API UnZip DLL только до %1, а найденная DLL сообщает о более новой версии API %2.</translation>
    </message>
</context>
<context>
    <name>ZipBinding</name>
    <message>
        <source>Enter the comment</source>
        <translation>Введите комментарий</translation>
    </message>
    <message>
        <source>Please Enter The Password!</source>
        <translation>Введите пароль!</translation>
    </message>
    <message>
        <source>Zip32.dll did not initialize.  Is it in the current directory or on the command path?</source>
        <translation>Zip32.dll не инициализировалась.  Находится ли она в текущей папке или в пути поиска?</translation>
    </message>
    <message>
        <source>VB Zip</source>
        <translation>VB Zip</translation>
    </message>
</context>
</TS>
