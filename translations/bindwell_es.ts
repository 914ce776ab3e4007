<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ArchiveFailure</name>
    <message>
        <source>it holds no files at all.</source>
        <translation>no contiene ningún archivo.</translation>
    </message>
    <message>
        <source>some of its entries have unsafe names, are links or appear twice, so it cannot be unpacked exactly as it is.</source>
        <translation>algunas de sus entradas tienen nombres inseguros, son enlaces o aparecen dos veces, así que no se puede descomprimir tal como está.</translation>
    </message>
    <message>
        <source>it is damaged and could not be unpacked completely.</source>
        <translation>está dañado y no se pudo descomprimir por completo.</translation>
    </message>
    <message>
        <source>it could not be opened as an EPUB (ZIP) archive.</source>
        <translation>no se pudo abrir como archivo EPUB (ZIP).</translation>
    </message>
    <message>
        <source>there was not enough memory to unpack it.</source>
        <translation>no había memoria suficiente para descomprimirlo.</translation>
    </message>
    <message>
        <source>the disk is full, so it could not be unpacked.</source>
        <translation>el disco está lleno, así que no se pudo descomprimir.</translation>
    </message>
    <message>
        <source>unpacking it was stopped.</source>
        <translation>se detuvo su descompresión.</translation>
    </message>
    <message>
        <source>it is encrypted and no correct password was given.</source>
        <translation>está cifrado y no se dio ninguna contraseña correcta.</translation>
    </message>
    <message>
        <source>it would expand to far more than its own size (it may be a zip bomb).</source>
        <translation>ocuparía muchísimo más que su propio tamaño al descomprimirse (puede ser una bomba ZIP).</translation>
    </message>
    <message>
        <source>unpacking it failed (UnZip error %1).</source>
        <translation>falló su descompresión (error de UnZip %1).</translation>
    </message>
    <message>
        <source>Bindwell left this book as it was: %1</source>
        <extracomment>%1 is one of the reasons, which begin in lower case.</extracomment>
        <translation>Bindwell dejó este libro como estaba: %1</translation>
    </message>
    <message>
        <source>The disk is full; the book was left as it was.</source>
        <translation>El disco está lleno; el libro se dejó como estaba.</translation>
    </message>
    <message>
        <source>The new book could not be written beside the old one; the book was left as it was.</source>
        <translation>No se pudo escribir el libro nuevo junto al antiguo; el libro se dejó como estaba.</translation>
    </message>
    <message>
        <source>A file of the unpacked book could not be read; the book was left as it was.</source>
        <translation>No se pudo leer un archivo del libro descomprimido; el libro se dejó como estaba.</translation>
    </message>
    <message>
        <source>There was nothing to pack; the book was left as it was.</source>
        <translation>No había nada que comprimir; el libro se dejó como estaba.</translation>
    </message>
    <message>
        <source>The Zip library could not be used; the book was left as it was.</source>
        <translation>No se pudo usar la biblioteca Zip; el libro se dejó como estaba.</translation>
    </message>
    <message>
        <source>Two of its entries have names that readers read as one; the book was left as it was.</source>
        <translation>Dos de sus entradas tienen nombres que los lectores leen como uno solo; el libro se dejó como estaba.</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>%1 Error unzipping:  %2</source>
        <extracomment>%1 is the error&apos;s number, %2 its description.</extracomment>
        <translation>%1 Error al descomprimir:  %2</translation>
    </message>
    <message>
        <source>Please enter the path to the folder containing your ebooks.</source>
        <translation>Escriba la ruta de la carpeta que contiene sus libros electrónicos.</translation>
    </message>
    <message>
        <source>Another Bindwell run is using the working folder %1.</source>
        <translation>Otra ejecución de Bindwell está usando la carpeta de trabajo %1.</translation>
    </message>
    <message>
        <source>Wait until it has finished, then press Start again.</source>
        <translation>Espere a que termine y vuelva a pulsar Iniciar.</translation>
    </message>
    <message>
        <source>Subscript out of range (the book list no longer has an entry %1)</source>
        <translation>Subíndice fuera del intervalo (la lista de libros ya no tiene una entrada %1)</translation>
    </message>
    <message numerus="yes">
        <source>%n books failed:</source>
        <translation>
            <numerusform>%n libro falló:</numerusform>
            <numerusform>%n libros fallaron:</numerusform>
        </translation>
    </message>
    <message>
        <source>No books fixed - no books selected.</source>
        <translation>No se corrigió ningún libro: no hay libros seleccionados.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped. (%n epubs fixed.)</source>
        <translation>
            <numerusform>Detenido. (%n EPUB corregido.)</numerusform>
            <numerusform>Detenido. (%n EPUB corregidos.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Okay, your books are all set. (%n epubs fixed.)</source>
        <translation>
            <numerusform>Listo, sus libros están preparados. (%n EPUB corregido.)</numerusform>
            <numerusform>Listo, sus libros están preparados. (%n EPUB corregidos.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n books were left as they were: they cannot be fixed safely.</source>
        <translation>
            <numerusform> %n libro se dejó como estaba: no se puede corregir sin riesgo.</numerusform>
            <numerusform> %n libros se dejaron como estaban: no se pueden corregir sin riesgo.</numerusform>
        </translation>
    </message>
    <message>
        <source> The original books are in the Trash.</source>
        <translation> Los libros originales están en la papelera.</translation>
    </message>
    <message>
        <source>Internal error (%1)</source>
        <translation>Error interno (%1)</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Error interno</translation>
    </message>
    <message>
        <source>Permission denied (the temporary folder &quot;%1&quot; is a link, another user&apos;s, or open to others; remove it and start again)</source>
        <translation>Permiso denegado (la carpeta temporal «%1» es un enlace, es de otro usuario o está abierta a otros; elimínela y vuelva a empezar)</translation>
    </message>
    <message numerus="yes">
        <source> %n of them were already as the options ask, and were left untouched.</source>
        <translation>
            <numerusform> %n de ellos ya estaba como piden las opciones y no se tocó.</numerusform>
            <numerusform> %n de ellos ya estaban como piden las opciones y no se tocaron.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> For %n of them no language was found; they keep the one they name.</source>
        <translation>
            <numerusform> Para %n de ellos no se encontró ningún idioma; conserva el que indica.</numerusform>
            <numerusform> Para %n de ellos no se encontró ningún idioma; conservan el que indican.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pictures: %1 → %2.</source>
        <extracomment>%1 is the size the pictures fitted took before, %2 the size they take now: &quot;Pictures: 122.3 MB → 60.1 MB.&quot;</extracomment>
        <translation>Imágenes: %1 → %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n epubs would be fixed</source>
        <extracomment>Followed by what the other counts say, then a full stop: &quot;40 epubs would be fixed; 38 of them are already as the options ask.&quot;</extracomment>
        <translation>
            <numerusform>%n EPUB se corregiría</numerusform>
            <numerusform>%n EPUB se corregirían</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n of them are already as the options ask</source>
        <translation>
            <numerusform>; %n de ellos ya está como piden las opciones</numerusform>
            <numerusform>; %n de ellos ya están como piden las opciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> For %n of them no language would be found; they would keep the one they name.</source>
        <translation>
            <numerusform> Para %n de ellos no se encontraría ningún idioma; conservaría el que indica.</numerusform>
            <numerusform> Para %n de ellos no se encontraría ningún idioma; conservarían el que indican.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n books would be left as they are: they cannot be fixed safely.</source>
        <translation>
            <numerusform> %n libro se dejaría como está: no se puede corregir sin riesgo.</numerusform>
            <numerusform> %n libros se dejarían como están: no se pueden corregir sin riesgo.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BookFix</name>
    <message>
        <source>Overflow (Zip result %1)</source>
        <translation>Desbordamiento (resultado de Zip %1)</translation>
    </message>
    <message>
        <source>Zip error: %1</source>
        <translation>Error de Zip: %1</translation>
    </message>
    <message>
        <source>The book changed on disk while Bindwell was fixing it, so Bindwell left it as the other program wrote it.</source>
        <translation>El libro cambió en el disco mientras Bindwell lo corregía, así que Bindwell lo dejó como lo escribió el otro programa.</translation>
    </message>
    <message>
        <source>Too many entry names for the UnZip library</source>
        <translation>Demasiados nombres de entradas para la biblioteca UnZip</translation>
    </message>
    <message>
        <source>Regular expression &quot;%1&quot; is invalid: %2</source>
        <translation>La expresión regular «%1» no es válida: %2</translation>
    </message>
    <message>
        <source>Out of memory creating a regular expression</source>
        <translation>Memoria insuficiente para crear una expresión regular</translation>
    </message>
    <message>
        <source>Out of memory matching a regular expression</source>
        <translation>Memoria insuficiente para aplicar una expresión regular</translation>
    </message>
    <message>
        <source>Regular expression match failed: %1</source>
        <translation>Falló la aplicación de la expresión regular: %1</translation>
    </message>
    <message>
        <source>%1 could not be read and was left as it was</source>
        <extracomment>%1 is the picture&apos;s name in the book, as &quot;OEBPS/images/cut.jpg&quot;.</extracomment>
        <translation>%1 no se pudo leer y se dejó como estaba</translation>
    </message>
    <message>
        <source>%1 has more than 500 megapixels and was left as it was</source>
        <extracomment>%1 is the picture&apos;s name in the book.</extracomment>
        <translation>%1 tiene más de 500 megapíxeles y se dejó como estaba</translation>
    </message>
    <message>
        <source>%1 is too large to be decoded whole and was left as it was</source>
        <extracomment>%1 is the picture&apos;s name in the book; progressive JPEGs and interlaced PNGs are decoded whole.</extracomment>
        <translation>%1 es demasiado grande para descodificarse de una vez y se dejó como estaba</translation>
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
        <translation>Corrige libros EPUB como lo hace la ventana de Bindwell. Cada PATH es una carpeta,
cuyos libros se buscan como en la ventana (mismas reglas, mismo orden), o un archivo
EPUB. Los libros se corrigen en el orden indicado, cada uno una vez.

Las opciones no indicadas se toman de la configuración guardada, como en la ventana.
Estado de salida: 0 libros corregidos, 1 un fallo o ningún libro, 2 un error de uso,
3 una biblioteca UnZip de versión incorrecta.</translation>
    </message>
    <message>
        <source>Remove fixed font sizes (option FontSizes) in this run.</source>
        <translation>Quitar los tamaños de letra fijos (opción FontSizes) en esta ejecución.</translation>
    </message>
    <message>
        <source>Keep fixed font sizes in this run.</source>
        <translation>Conservar los tamaños de letra fijos en esta ejecución.</translation>
    </message>
    <message>
        <source>Justify all paragraphs (option JustifyText) in this run.</source>
        <translation>Justificar todos los párrafos (opción JustifyText) en esta ejecución.</translation>
    </message>
    <message>
        <source>Do not justify paragraphs in this run.</source>
        <translation>No justificar los párrafos en esta ejecución.</translation>
    </message>
    <message>
        <source>Install the Liberation fonts (option IntlFonts) in this run.</source>
        <translation>Instalar las fuentes Liberation (opción IntlFonts) en esta ejecución.</translation>
    </message>
    <message>
        <source>Do not install the fonts in this run.</source>
        <translation>No instalar las fuentes en esta ejecución.</translation>
    </message>
    <message>
        <source>Delete the stylesheets entirely (option DeleteCSS) in this run.</source>
        <translation>Eliminar por completo las hojas de estilo (opción DeleteCSS) en esta ejecución.</translation>
    </message>
    <message>
        <source>Alter the stylesheets instead of deleting them in this run.</source>
        <translation>Modificar las hojas de estilo en lugar de eliminarlas en esta ejecución.</translation>
    </message>
    <message>
        <source>Move each replaced book&apos;s original to the Trash (option KeepOriginals) in this run.</source>
        <translation>Mover el original de cada libro sustituido a la papelera (opción KeepOriginals) en esta ejecución.</translation>
    </message>
    <message>
        <source>Do not keep the originals in this run.</source>
        <translation>No conservar los originales en esta ejecución.</translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation>no se indicó ningún PATH</translation>
    </message>
    <message>
        <source>Print the books found, one a line, and change nothing; a protected book with the reason after a tab.</source>
        <translation>Mostrar los libros encontrados, uno por línea, sin cambiar nada; en un libro protegido, el motivo sigue tras un tabulador.</translation>
    </message>
    <message>
        <source>Also save the options given to the settings store.</source>
        <translation>Guardar también las opciones indicadas en la configuración.</translation>
    </message>
    <message>
        <source>Report a book that fails, leave it as it was, and go on with the next; list the failed books at the end.</source>
        <translation>Informar de un libro que falla, dejarlo como estaba y seguir con el siguiente; listar al final los libros que fallaron.</translation>
    </message>
    <message>
        <source>A folder of books, or an EPUB file.</source>
        <extracomment>PATH is the argument&apos;s name in the usage line; keep it.</extracomment>
        <translation>Una carpeta de libros o un archivo EPUB.</translation>
    </message>
    <message>
        <source>Remove fixed line heights (option LineHeights) in this run.</source>
        <translation>Quitar las alturas de línea fijas (opción LineHeights) en esta ejecución.</translation>
    </message>
    <message>
        <source>Keep fixed line heights in this run.</source>
        <translation>Conservar las alturas de línea fijas en esta ejecución.</translation>
    </message>
    <message>
        <source>Remove the page margins (option PageMargins) in this run.</source>
        <translation>Quitar los márgenes de página (opción PageMargins) en esta ejecución.</translation>
    </message>
    <message>
        <source>Keep the page margins in this run.</source>
        <translation>Conservar los márgenes de página en esta ejecución.</translation>
    </message>
    <message>
        <source>Remove the typefaces the books name, monospace ones aside, so that the reader&apos;s own is used (option FontFamilies) in this run.</source>
        <translation>Quitar las tipografías que nombran los libros, salvo las monoespaciadas, para que se use la del lector (opción FontFamilies) en esta ejecución.</translation>
    </message>
    <message>
        <source>Keep the typefaces the books name in this run.</source>
        <translation>Conservar las tipografías que nombran los libros en esta ejecución.</translation>
    </message>
    <message>
        <source>Where fixed font sizes are removed, keep the sizes relative to the reader&apos;s own (option RelativeSizes) in this run.</source>
        <translation>Donde se quitan los tamaños de letra fijos, conservar los relativos al tamaño del lector (opción RelativeSizes) en esta ejecución.</translation>
    </message>
    <message>
        <source>Remove relative font sizes too in this run.</source>
        <translation>Quitar también los tamaños de letra relativos en esta ejecución.</translation>
    </message>
    <message>
        <source>Where the fonts are installed, embed only the characters each book uses (option SubsetFonts) in this run.</source>
        <translation>Donde se instalan las fuentes, incrustar solo los caracteres que usa cada libro (opción SubsetFonts) en esta ejecución.</translation>
    </message>
    <message>
        <source>Embed the fonts whole in this run.</source>
        <translation>Incrustar las fuentes completas en esta ejecución.</translation>
    </message>
    <message>
        <source>Make the books ready for Send to Kindle: each content document declares its encoding and links to no chapter&apos;s body, no picture lacks a source, and each book names a language code and its cover both ways (option KindleReady) in this run.</source>
        <translation>Preparar los libros para Send to Kindle: cada documento de contenido declara su codificación y no enlaza al cuerpo de ningún capítulo, ninguna imagen carece de origen, y cada libro indica un código de idioma y su portada de las dos maneras (opción KindleReady) en esta ejecución.</translation>
    </message>
    <message>
        <source>Do not ready the books for Send to Kindle in this run.</source>
        <translation>No preparar los libros para Send to Kindle en esta ejecución.</translation>
    </message>
    <message>
        <source>Remove the colours the books give their text and its background, so that the reader&apos;s own are used (option TextColors) in this run.</source>
        <translation>Quitar los colores que los libros dan a su texto y a su fondo, para que se usen los del lector (opción TextColors) en esta ejecución.</translation>
    </message>
    <message>
        <source>Keep the colours the books give their text in this run.</source>
        <translation>Conservar los colores del texto de los libros en esta ejecución.</translation>
    </message>
    <message>
        <source>Scale the pictures larger than the e-reader&apos;s screen down to it (option FitPictures) in this run.</source>
        <translation>Reducir al tamaño de la pantalla del lector las imágenes más grandes que ella (opción FitPictures) en esta ejecución.</translation>
    </message>
    <message>
        <source>Keep the pictures&apos; sizes in this run.</source>
        <translation>Conservar el tamaño de las imágenes en esta ejecución.</translation>
    </message>
    <message>
        <source>Make the pictures in colour grey (option GreyPictures) in this run.</source>
        <translation>Convertir a escala de grises las imágenes en color (opción GreyPictures) en esta ejecución.</translation>
    </message>
    <message>
        <source>Keep the pictures&apos; colours in this run.</source>
        <translation>Conservar los colores de las imágenes en esta ejecución.</translation>
    </message>
    <message>
        <source>Make Kobo books: each book becomes NAME.kepub.epub, read by Kobo&apos;s own renderer (option KoboBooks) in this run.</source>
        <translation>Crear libros Kobo: cada libro pasa a ser NOMBRE.kepub.epub, que lee el motor propio de Kobo (opción KoboBooks) en esta ejecución.</translation>
    </message>
    <message>
        <source>Do not make Kobo books in this run.</source>
        <translation>No crear libros Kobo en esta ejecución.</translation>
    </message>
    <message>
        <source>The e-reader&apos;s screen in pixels, such as 1264x1680, that pictures are fitted to (option ScreenSize) in this run.</source>
        <extracomment>WIDTHxHEIGHT is the value&apos;s name in the usage line; keep it.</extracomment>
        <translation>La pantalla del lector en píxeles, por ejemplo 1264x1680, a la que se ajustan las imágenes (opción ScreenSize) en esta ejecución.</translation>
    </message>
    <message>
        <source>--screen takes WIDTHxHEIGHT in pixels, such as 1264x1680, not &quot;%1&quot;</source>
        <extracomment>%1 is what was given after --screen.</extracomment>
        <translation>--screen espera ANCHOxALTO en píxeles, por ejemplo 1264x1680, no «%1»</translation>
    </message>
    <message>
        <source>Take every book through the fix as a run would, and print what it would do to each, one line a book, then the summary a run would print; change nothing.</source>
        <translation>Pasar cada libro por la corrección como lo haría una ejecución y mostrar lo que le haría, una línea por libro, y después el resumen que mostraría una ejecución; no cambiar nada.</translation>
    </message>
    <message>
        <source>--dry-run changes nothing, so it saves nothing: --save cannot go with it</source>
        <extracomment>--dry-run, --save and --list are the options&apos; names; keep them.</extracomment>
        <translation>--dry-run no cambia nada, así que no guarda nada: --save no puede ir con él</translation>
    </message>
    <message>
        <source>--dry-run and --list cannot go together</source>
        <translation>--dry-run y --list no pueden ir juntos</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>no (no terminal)</source>
        <translation>no (sin terminal)</translation>
    </message>
    <message>
        <source>cancel (no terminal)</source>
        <translation>cancelar (sin terminal)</translation>
    </message>
    <message>
        <source>[y]es, [n]o, [c]ancel:</source>
        <extracomment>the letters in brackets are the keys to type; keep them.</extracomment>
        <translation>[y] sí, [n] no, [c] cancelar:</translation>
    </message>
    <message>
        <source>[r]etry, [c]ancel:</source>
        <translation>[r] reintentar, [c] cancelar:</translation>
    </message>
    <message>
        <source>%1: left as it was: %2</source>
        <translation>%1: se dejó como estaba: %2</translation>
    </message>
    <message>
        <source>The original books are in the Trash: %1</source>
        <translation>Los libros originales están en la papelera: %1</translation>
    </message>
    <message>
        <source>%1 is neither a folder nor an EPUB file</source>
        <translation>%1 no es ni una carpeta ni un archivo EPUB</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: would change: %2</source>
        <extracomment>%1 is the book, %2 what a run would change in it.</extracomment>
        <translation>%1: cambiaría: %2</translation>
    </message>
    <message>
        <source>%1: already as the options ask</source>
        <translation>%1: ya está como piden las opciones</translation>
    </message>
    <message>
        <source>%1: left alone: %2</source>
        <translation>%1: se deja como está: %2</translation>
    </message>
    <message>
        <source>%1: would fail: %2</source>
        <extracomment>%2 is the message a run would give, its lines joined.</extracomment>
        <translation>%1: fallaría: %2</translation>
    </message>
</context>
<context>
    <name>ContentWalk</name>
    <message>
        <source>%1 is in %2, which the fix does not edit</source>
        <extracomment>%1 is a stylesheet&apos;s name in the book, %2 the encoding its @charset rule names.</extracomment>
        <translation>%1 está en %2, que la corrección no edita</translation>
    </message>
</context>
<context>
    <name>DeleteCss</name>
    <message>
        <source>%1 cannot be edited safely, so the stylesheets are kept</source>
        <extracomment>%1 is the name of a package or content document in the book, as OEBPS/ch1.xhtml.</extracomment>
        <translation>%1 no se puede editar con seguridad, así que se conservan las hojas de estilo</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>File not found</source>
        <translation>No se encontró el archivo</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>No se encontró la ruta</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco lleno</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Error de acceso a la ruta o al archivo</translation>
    </message>
    <message>
        <source>%1 (%2 &quot;%3&quot;: %4)</source>
        <extracomment>%1 says what went wrong, %2 what was being done, %3 the file or folder, %4 the system&apos;s own words.</extracomment>
        <translation>%1 (%2 «%3»: %4)</translation>
    </message>
    <message>
        <source>listing folder</source>
        <translation>al listar la carpeta</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>al escribir</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>al leer</translation>
    </message>
    <message>
        <source>deleting folder</source>
        <translation>al eliminar la carpeta</translation>
    </message>
    <message>
        <source>deleting</source>
        <translation>al eliminar</translation>
    </message>
    <message>
        <source>deleting file</source>
        <translation>al eliminar el archivo</translation>
    </message>
    <message>
        <source>copying</source>
        <translation>al copiar</translation>
    </message>
    <message>
        <source>copying to</source>
        <translation>al copiar a</translation>
    </message>
    <message>
        <source>deleting file (it is a folder)</source>
        <translation>al eliminar el archivo (es una carpeta)</translation>
    </message>
    <message>
        <source>creating folder</source>
        <translation>al crear la carpeta</translation>
    </message>
    <message>
        <source>moving</source>
        <translation>al mover</translation>
    </message>
    <message>
        <source>moving to</source>
        <translation>al mover a</translation>
    </message>
    <message>
        <source>opening</source>
        <translation>al abrir</translation>
    </message>
    <message>
        <source>flushing</source>
        <translation>al volcar al disco</translation>
    </message>
    <message>
        <source>replacing</source>
        <translation>al sustituir</translation>
    </message>
    <message>
        <source>Internal error (a UTF-16 text was cut apart)</source>
        <translation>Error interno (se cortó un texto UTF-16)</translation>
    </message>
    <message>
        <source>opening for writing</source>
        <translation>al abrir para escribir</translation>
    </message>
    <message>
        <source>creating the Trash folder</source>
        <translation>al crear la carpeta de la papelera</translation>
    </message>
    <message>
        <source>opening the Trash folder</source>
        <translation>al abrir la carpeta de la papelera</translation>
    </message>
    <message>
        <source>finding the filesystem of</source>
        <translation>al buscar el sistema de archivos de</translation>
    </message>
    <message>
        <source>creating</source>
        <translation>al crear</translation>
    </message>
    <message>
        <source>linking into the Trash</source>
        <translation>al enlazar en la papelera</translation>
    </message>
    <message>
        <source>moving into the Trash</source>
        <translation>al mover a la papelera</translation>
    </message>
    <message>
        <source>creating the private temporary folder</source>
        <translation>al crear la carpeta temporal privada</translation>
    </message>
    <message>
        <source>creating the lock</source>
        <translation>al crear el bloqueo</translation>
    </message>
    <message>
        <source>Internal error (a stylesheet was to be written without its encoding)</source>
        <translation>Error interno (se iba a escribir una hoja de estilo sin su codificación)</translation>
    </message>
    <message>
        <source>renaming</source>
        <translation>al renombrar</translation>
    </message>
</context>
<context>
    <name>FixRecord</name>
    <message numerus="yes">
        <source>%n stylesheets edited</source>
        <translation>
            <numerusform>%n hoja de estilo editada</numerusform>
            <numerusform>%n hojas de estilo editadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stylesheets, </source>
        <extracomment>Followed by the declarations removed: &quot;3 stylesheets, 41 declarations removed&quot;.</extracomment>
        <translation>
            <numerusform>%n hoja de estilo, </numerusform>
            <numerusform>%n hojas de estilo, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n declarations removed</source>
        <translation>
            <numerusform>%n declaración quitada</numerusform>
            <numerusform>%n declaraciones quitadas</numerusform>
        </translation>
    </message>
    <message>
        <source>the fonts embedded whole (%1)</source>
        <extracomment>%1 is the size the four faces take in the book, as &quot;814 KB&quot;.</extracomment>
        <translation>las fuentes incrustadas enteras (%1)</translation>
    </message>
    <message>
        <source>the fonts embedded, cut to the book&apos;s characters (%1)</source>
        <extracomment>%1 is the size the four faces take in the book, as &quot;94 KB&quot;.</extracomment>
        <translation>las fuentes incrustadas, reducidas a los caracteres del libro (%1)</translation>
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
        <translation>%1 ocupa %2 MB: Send to Kindle acepta como máximo 50 MB por correo electrónico.</translation>
    </message>
    <message numerus="yes">
        <source>%n stylesheets deleted</source>
        <translation>
            <numerusform>%n hoja de estilo eliminada</numerusform>
            <numerusform>%n hojas de estilo eliminadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the links to them taken out of %n documents</source>
        <translation>
            <numerusform>los enlaces a ellas quitados de %n documento</numerusform>
            <numerusform>los enlaces a ellas quitados de %n documentos</numerusform>
        </translation>
    </message>
    <message>
        <source>language %1 → %2</source>
        <extracomment>%1 is the language the book named, %2 the code it names now: &quot;language C → de&quot;.</extracomment>
        <translation>idioma %1 → %2</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures, %1 → %2</source>
        <extracomment>%1 and %2 are the pictures&apos; sizes before and after: &quot;12 pictures, 4.1 MB → 1.2 MB&quot;.</extracomment>
        <translation>
            <numerusform>%n imagen, %1 → %2</numerusform>
            <numerusform>%n imágenes, %1 → %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n encoding declarations added</source>
        <translation>
            <numerusform>%n declaración de codificación añadida</numerusform>
            <numerusform>%n declaraciones de codificación añadidas</numerusform>
        </translation>
    </message>
    <message>
        <source>the links and pictures mended for Send to Kindle</source>
        <translation>los enlaces y las imágenes corregidos para Send to Kindle</translation>
    </message>
    <message>
        <source>the cover named in the package</source>
        <translation>la portada indicada en el paquete</translation>
    </message>
    <message numerus="yes">
        <source>%n sentences and pictures in Kobo&apos;s spans</source>
        <translation>
            <numerusform>%n frase o imagen en spans de Kobo</numerusform>
            <numerusform>%n frases e imágenes en spans de Kobo</numerusform>
        </translation>
    </message>
    <message>
        <source>would become %1</source>
        <extracomment>%1 is the book&apos;s new file name, as &quot;a.kepub.epub&quot;.</extracomment>
        <translation>pasaría a ser %1</translation>
    </message>
    <message>
        <source>now %1</source>
        <translation>ahora %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>            <numerusform>%n byte</numerusform>            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>less than a minute left</source>
        <translation>queda menos de un minuto</translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>queda %n minuto aproximadamente</numerusform>
            <numerusform>quedan unos %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>quedan unas %1 h %2 min</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Corregido</translation>
    </message>
    <message>
        <source>Already as the options ask: left untouched</source>
        <translation>Ya estaba como piden las opciones: no se tocó</translation>
    </message>
    <message>
        <source>Left as it was: </source>
        <translation>Se dejó como estaba: </translation>
    </message>
    <message>
        <source>Failed: </source>
        <translation>Falló: </translation>
    </message>
    <message>
        <source>&amp;Load EBook from:</source>
        <translation>Ca&amp;rgar libros desde:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Books done</source>
        <translation>Libros procesados</translation>
    </message>
    <message>
        <source>Check the boo&amp;ks you want to fix:</source>
        <translation>Marque los &amp;libros que quiere corregir:</translation>
    </message>
    <message>
        <source>Select:</source>
        <translation>Seleccionar:</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Ninguno</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Todos</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>Select a folder...</source>
        <translation>Seleccionar una carpeta...</translation>
    </message>
    <message>
        <source>Stopping after %1</source>
        <translation>Deteniendo después de %1</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Trabajando</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Fixing %1 of %2: %3</source>
        <translation>Corrigiendo %1 de %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n books</source>
        <translation>
            <numerusform>%1 de %n libro</numerusform>
            <numerusform>%1 de %n libros</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 counts the books done, %2 says the time left.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Fixed: </source>
        <translation>Corregido: </translation>
    </message>
</context>
<context>
    <name>KindleReady</name>
    <message>
        <source>%1 is not UTF-8 and names no encoding</source>
        <extracomment>%1 is the name of a content document in the book, as OEBPS/ch1.xhtml.</extracomment>
        <translation>%1 no está en UTF-8 y no indica ninguna codificación</translation>
    </message>
    <message>
        <source>no language found</source>
        <translation>no se encontró ningún idioma</translation>
    </message>
    <message>
        <source>%1 holds a NUL byte, which XML does not allow</source>
        <extracomment>%1 is the name of a content document in the book, as OEBPS/ch1.xhtml.</extracomment>
        <translation>%1 contiene un byte NUL, que XML no admite</translation>
    </message>
    <message>
        <source>%1 names %2 and is not UTF-8</source>
        <extracomment>%1 is the name of a content document in the book, as OEBPS/ch1.xhtml; %2 the name of an encoding as the document gives it, as windows-1252.</extracomment>
        <translation>%1 indica %2 y no está en UTF-8</translation>
    </message>
</context>
<context>
    <name>Kobo</name>
    <message>
        <source>%1 is not UTF-8 or UTF-16</source>
        <translation>%1 no está en UTF-8 ni en UTF-16</translation>
    </message>
    <message>
        <source>%1 does not read as XML (%2)</source>
        <extracomment>%1 is the content document, %2 where and why it does not read (&quot;line 3: ...&quot;).</extracomment>
        <translation>%1 no se puede leer como XML (%2)</translation>
    </message>
    <message>
        <source>%1 is in a calibre library; calibre&apos;s own Kobo driver converts it as it sends it</source>
        <translation>%1 está en una biblioteca de calibre; el propio controlador Kobo de calibre lo convierte al enviarlo</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 ya existe</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Options...</source>
        <translation>Opciones...</translation>
    </message>
    <message>
        <source>Text styling</source>
        <translation>Estilo del texto</translation>
    </message>
    <message>
        <source>(Otherwise, we&apos;ll just remove all the font sizes.)</source>
        <translation>(Si no, solo se quitan los tamaños de letra.)</translation>
    </message>
    <message>
        <source>&amp;Alter the stylesheet:</source>
        <translation>&amp;Modificar la hoja de estilo:</translation>
    </message>
    <message>
        <source>&amp;Delete CSS entirely?</source>
        <translation>¿&amp;Eliminar el CSS?</translation>
    </message>
    <message>
        <source>&amp;Justify all paragraphs.</source>
        <translation>&amp;Justificar todos los párrafos.</translation>
    </message>
    <message>
        <source>&amp;Remove fixed font sizes.</source>
        <translation>&amp;Quitar los tamaños de letra fijos.</translation>
    </message>
    <message>
        <source>&amp;Install Liberation fonts.</source>
        <translation>&amp;Instalar las fuentes Liberation.</translation>
    </message>
    <message>
        <source>(Allows display of international characters.)</source>
        <translation>(Muestra caracteres internacionales.)</translation>
    </message>
    <message>
        <source>&amp;Move the original books to the Trash</source>
        <translation>Mover los libros originales a la &amp;papelera</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>For e-readers</source>
        <translation>Para lectores electrónicos</translation>
    </message>
    <message>
        <source>Remove fixed &amp;line heights</source>
        <translation>Quitar las alturas de &amp;línea fijas</translation>
    </message>
    <message>
        <source>Remove &amp;page margins</source>
        <translation>Quitar los má&amp;rgenes de página</translation>
    </message>
    <message>
        <source>&amp;Use the reader&apos;s own typeface</source>
        <translation>&amp;Usar la tipografía del lector</translation>
    </message>
    <message>
        <source>&amp;Keep relative font sizes</source>
        <translation>Mantener los tamaños de letra relati&amp;vos</translation>
    </message>
    <message>
        <source>&amp;Embed only the characters each book uses</source>
        <translation>Incrustar &amp;solo los caracteres que usa cada libro</translation>
    </message>
    <message>
        <source>Make the books ready for &amp;Send to Kindle</source>
        <translation>Preparar los libros para Send to &amp;Kindle</translation>
    </message>
    <message>
        <source>Use the reader&apos;s o&amp;wn colours</source>
        <translation>Usar los c&amp;olores del lector</translation>
    </message>
    <message>
        <source>Make Kobo &amp;books (KEPUB)</source>
        <translation>Crear libros Ko&amp;bo (KEPUB)</translation>
    </message>
    <message>
        <source>&amp;Fit pictures to the e-reader&apos;s screen</source>
        <translation>Ajustar las imágenes a la pan&amp;talla del lector</translation>
    </message>
    <message>
        <source>Screen si&amp;ze:</source>
        <translation>Tamaño de pa&amp;ntalla:</translation>
    </message>
    <message>
        <source>Make pictures &amp;grey</source>
        <translation>Convertir las imágenes a escala de &amp;grises</translation>
    </message>
</context>
<context>
    <name>Protection</name>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>protected: %1 cannot be read</source>
        <translation>protegido: no se puede leer %1</translation>
    </message>
    <message>
        <source>protected: %1 is not well-formed (%2)</source>
        <translation>protegido: %1 no está bien formado (%2)</translation>
    </message>
    <message>
        <source>a resource it does not name</source>
        <translation>un recurso que no nombra</translation>
    </message>
    <message>
        <source>protected: %1 obfuscates %2, which the fix would write over</source>
        <translation>protegido: %1 ofusca %2, que la corrección sobrescribiría</translation>
    </message>
    <message>
        <source>protected: %1 encrypts %2</source>
        <translation>protegido: %1 cifra %2</translation>
    </message>
    <message numerus="yes">
        <source>protected: %1 encrypts %2 and %n more</source>
        <extracomment>%1 is META-INF/encryption.xml, %2 the first resource it encrypts, %n how many more it encrypts.</extracomment>
        <translation>
            <numerusform>protegido: %1 cifra %2 y %n más</numerusform>
            <numerusform>protegido: %1 cifra %2 y %n más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SharedLibrary</name>
    <message>
        <source>Cannot load the library %1 (%2)</source>
        <translation>No se puede cargar la biblioteca %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot load the library %1</source>
        <translation>No se puede cargar la biblioteca %1</translation>
    </message>
    <message>
        <source>Cannot find the entry point %1 in %2</source>
        <translation>No se encuentra el punto de entrada %1 en %2</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>Permission denied (the Trash folder &quot;%1&quot; is a link, a file or another user&apos;s folder)</source>
        <translation>Permiso denegado (la carpeta de la papelera «%1» es un enlace, un archivo o la carpeta de otro usuario)</translation>
    </message>
    <message>
        <source>The original of &quot;%1&quot; could not be put in the Trash &quot;%2&quot;, so it was left as it was: %3</source>
        <translation>No se pudo poner el original de «%1» en la papelera «%2», así que se dejó como estaba: %3</translation>
    </message>
    <message>
        <source>The book &quot;%1&quot; could not be replaced, and its original is in the Trash as &quot;%2&quot;.</source>
        <translation>No se pudo sustituir el libro «%1», y su original está en la papelera como «%2».</translation>
    </message>
</context>
<context>
    <name>UnzipBinding</name>
    <message>
        <source>Overwrite &quot;%1&quot; ?</source>
        <translation>¿Sobrescribir «%1»?</translation>
    </message>
    <message>
        <source>VBUnZip32 - File Already Exists!</source>
        <translation>VBUnZip32: ¡el archivo ya existe!</translation>
    </message>
    <message>
        <source>Please Enter The Password!</source>
        <translation>¡Escriba la contraseña!</translation>
    </message>
    <message>
        <source>The supplied password exceeds the maximum password length %1 supported by the UnZip DLL.</source>
        <translation>La contraseña indicada supera la longitud máxima de %1 caracteres que admite la DLL de UnZip.</translation>
    </message>
    <message>
        <source>UnZip password too long</source>
        <translation>Contraseña de UnZip demasiado larga</translation>
    </message>
    <message>
        <source>The program cannot continue.</source>
        <translation>El programa no puede continuar.</translation>
    </message>
    <message>
        <source>Incompatible DLL version discovered!</source>
        <translation>¡Se encontró una versión de DLL incompatible!</translation>
    </message>
    <message>
        <source>The UnZip DLL requires a version structure of length %1, but the VB frontend expects the DLL to need 68bytes.</source>
        <translation>La DLL de UnZip requiere una estructura de versión de longitud %1, pero la interfaz VB espera que necesite 68 bytes.</translation>
    </message>
    <message>
        <source>Incompatible old DLL version discovered!</source>
        <translation>¡Se encontró una versión antigua de DLL incompatible!</translation>
    </message>
    <message>
        <source>This program requires an UnZip DLL version of at least %1, but the version reported by the found DLL is only %2.</source>
        <translation>Este programa requiere una DLL de UnZip de la versión %1 como mínimo, pero la DLL encontrada solo indica la versión %2.</translation>
    </message>
    <message>
        <source>DLL version with incompatible API discovered!</source>
        <translation>¡Se encontró una versión de DLL con una API incompatible!</translation>
    </message>
    <message>
        <source>This program can only handle UnZip DLL API versions up to %1, but the found DLL reports a newer API version of %2.</source>
        <translation>Este programa solo admite versiones de la API de la DLL de UnZip hasta la %1, pero la DLL encontrada indica una versión más reciente, la %2.</translation>
    </message>
</context>
<context>
    <name>ZipBinding</name>
    <message>
        <source>Enter the comment</source>
        <translation>Escriba el comentario</translation>
    </message>
    <message>
        <source>Please Enter The Password!</source>
        <translation>¡Escriba la contraseña!</translation>
    </message>
    <message>
        <source>Zip32.dll did not initialize.  Is it in the current directory or on the command path?</source>
        <translation>Zip32.dll no se inicializó.  ¿Está en la carpeta actual o en la ruta de búsqueda?</translation>
    </message>
    <message>
        <source>VB Zip</source>
        <translation>VB Zip</translation>
    </message>
</context>
</TS>
