<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ArchiveFailure</name>
    <message>
        <source>it holds no files at all.</source>
        <translation>ele não contém nenhum arquivo.</translation>
    </message>
    <message>
        <source>some of its entries have unsafe names, are links or appear twice, so it cannot be unpacked exactly as it is.</source>
        <translation>algumas de suas entradas têm nomes inseguros, são links ou aparecem duas vezes, então ele não pode ser descompactado exatamente como está.</translation>
    </message>
    <message>
        <source>it is damaged and could not be unpacked completely.</source>
        <translation>ele está danificado e não pôde ser descompactado por completo.</translation>
    </message>
    <message>
        <source>it could not be opened as an EPUB (ZIP) archive.</source>
        <translation>ele não pôde ser aberto como arquivo EPUB (ZIP).</translation>
    </message>
    <message>
        <source>there was not enough memory to unpack it.</source>
        <translation>não havia memória suficiente para descompactá-lo.</translation>
    </message>
    <message>
        <source>the disk is full, so it could not be unpacked.</source>
        <translation>o disco está cheio, então ele não pôde ser descompactado.</translation>
    </message>
    <message>
        <source>unpacking it was stopped.</source>
        <translation>a descompactação foi interrompida.</translation>
    </message>
    <message>
        <source>it is encrypted and no correct password was given.</source>
        <translation>ele está criptografado e nenhuma senha correta foi informada.</translation>
    </message>
    <message>
        <source>it would expand to far more than its own size (it may be a zip bomb).</source>
        <translation>ele ocuparia muito mais que o próprio tamanho ao ser descompactado (pode ser uma bomba ZIP).</translation>
    </message>
    <message>
        <source>unpacking it failed (UnZip error %1).</source>
        <translation>a descompactação falhou (erro do UnZip %1).</translation>
    </message>
    <message>
        <source>Bindwell left this book as it was: %1</source>
        <extracomment>%1 is one of the reasons, which begin in lower case.</extracomment>
        <translation>O Bindwell deixou este livro como estava: %1</translation>
    </message>
    <message>
        <source>The disk is full; the book was left as it was.</source>
        <translation>O disco está cheio; o livro foi deixado como estava.</translation>
    </message>
    <message>
        <source>The new book could not be written beside the old one; the book was left as it was.</source>
        <translation>Não foi possível gravar o novo livro ao lado do antigo; o livro foi deixado como estava.</translation>
    </message>
    <message>
        <source>A file of the unpacked book could not be read; the book was left as it was.</source>
        <translation>Não foi possível ler um arquivo do livro descompactado; o livro foi deixado como estava.</translation>
    </message>
    <message>
        <source>There was nothing to pack; the book was left as it was.</source>
        <translation>Não havia nada para compactar; o livro foi deixado como estava.</translation>
    </message>
    <message>
        <source>The Zip library could not be used; the book was left as it was.</source>
        <translation>Não foi possível usar a biblioteca Zip; o livro foi deixado como estava.</translation>
    </message>
    <message>
        <source>Two of its entries have names that readers read as one; the book was left as it was.</source>
        <translation>Duas de suas entradas têm nomes que os leitores leem como um só; o livro foi deixado como estava.</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>%1 Error unzipping:  %2</source>
        <extracomment>%1 is the error&apos;s number, %2 its description.</extracomment>
        <translation>%1 Erro ao descompactar:  %2</translation>
    </message>
    <message>
        <source>Please enter the path to the folder containing your ebooks.</source>
        <translation>Digite o caminho da pasta que contém os seus e-books.</translation>
    </message>
    <message>
        <source>Another Bindwell run is using the working folder %1.</source>
        <translation>Outra execução do Bindwell está usando a pasta de trabalho %1.</translation>
    </message>
    <message>
        <source>Wait until it has finished, then press Start again.</source>
        <translation>Aguarde até que termine e clique em Iniciar novamente.</translation>
    </message>
    <message>
        <source>Subscript out of range (the book list no longer has an entry %1)</source>
        <translation>Índice fora do intervalo (a lista de livros não tem mais uma entrada %1)</translation>
    </message>
    <message numerus="yes">
        <source>%n books failed:</source>
        <translation>
            <numerusform>%n livro falhou:</numerusform>
            <numerusform>%n livros falharam:</numerusform>
        </translation>
    </message>
    <message>
        <source>No books fixed - no books selected.</source>
        <translation>Nenhum livro corrigido – nenhum livro selecionado.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped. (%n epubs fixed.)</source>
        <translation>
            <numerusform>Interrompido. (%n EPUB corrigido.)</numerusform>
            <numerusform>Interrompido. (%n EPUBs corrigidos.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Okay, your books are all set. (%n epubs fixed.)</source>
        <translation>
            <numerusform>Pronto, seus livros estão em ordem. (%n EPUB corrigido.)</numerusform>
            <numerusform>Pronto, seus livros estão em ordem. (%n EPUBs corrigidos.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n books were left as they were: they cannot be fixed safely.</source>
        <translation>
            <numerusform> %n livro foi deixado como estava: não é possível corrigi-lo com segurança.</numerusform>
            <numerusform> %n livros foram deixados como estavam: não é possível corrigi-los com segurança.</numerusform>
        </translation>
    </message>
    <message>
        <source> The original books are in the Trash.</source>
        <translation> Os livros originais estão na Lixeira.</translation>
    </message>
    <message>
        <source>Internal error (%1)</source>
        <translation>Erro interno (%1)</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Erro interno</translation>
    </message>
    <message>
        <source>Permission denied (the temporary folder &quot;%1&quot; is a link, another user&apos;s, or open to others; remove it and start again)</source>
        <translation>Permissão negada (a pasta temporária “%1” é um link, pertence a outro usuário ou está aberta a outros; remova-a e comece de novo)</translation>
    </message>
    <message numerus="yes">
        <source> %n of them were already as the options ask, and were left untouched.</source>
        <translation>
            <numerusform> %n deles já estava como as opções pedem e não foi alterado.</numerusform>
            <numerusform> %n deles já estavam como as opções pedem e não foram alterados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> For %n of them no language was found; they keep the one they name.</source>
        <translation>
            <numerusform> Para %n deles nenhum idioma foi encontrado; ele mantém o que indica.</numerusform>
            <numerusform> Para %n deles nenhum idioma foi encontrado; eles mantêm o que indicam.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pictures: %1 → %2.</source>
        <extracomment>%1 is the size the pictures fitted took before, %2 the size they take now: &quot;Pictures: 122.3 MB → 60.1 MB.&quot;</extracomment>
        <translation>Imagens: %1 → %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n epubs would be fixed</source>
        <extracomment>Followed by what the other counts say, then a full stop: &quot;40 epubs would be fixed; 38 of them are already as the options ask.&quot;</extracomment>
        <translation>
            <numerusform>%n EPUB seria corrigido</numerusform>
            <numerusform>%n EPUBs seriam corrigidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n of them are already as the options ask</source>
        <translation>
            <numerusform>; %n deles já está como as opções pedem</numerusform>
            <numerusform>; %n deles já estão como as opções pedem</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> For %n of them no language would be found; they would keep the one they name.</source>
        <translation>
            <numerusform> Para %n deles nenhum idioma seria encontrado; ele manteria o que indica.</numerusform>
            <numerusform> Para %n deles nenhum idioma seria encontrado; eles manteriam o que indicam.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n books would be left as they are: they cannot be fixed safely.</source>
        <translation>
            <numerusform> %n livro seria deixado como está: não é possível corrigi-lo com segurança.</numerusform>
            <numerusform> %n livros seriam deixados como estão: não é possível corrigi-los com segurança.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BookFix</name>
    <message>
        <source>Overflow (Zip result %1)</source>
        <translation>Estouro (resultado do Zip %1)</translation>
    </message>
    <message>
        <source>Zip error: %1</source>
        <translation>Erro do Zip: %1</translation>
    </message>
    <message>
        <source>The book changed on disk while Bindwell was fixing it, so Bindwell left it as the other program wrote it.</source>
        <translation>O livro foi alterado no disco enquanto o Bindwell o corrigia, então o Bindwell o deixou como o outro programa o gravou.</translation>
    </message>
    <message>
        <source>Too many entry names for the UnZip library</source>
        <translation>Nomes de entradas demais para a biblioteca UnZip</translation>
    </message>
    <message>
        <source>Regular expression &quot;%1&quot; is invalid: %2</source>
        <translation>A expressão regular “%1” é inválida: %2</translation>
    </message>
    <message>
        <source>Out of memory creating a regular expression</source>
        <translation>Memória insuficiente para criar uma expressão regular</translation>
    </message>
    <message>
        <source>Out of memory matching a regular expression</source>
        <translation>Memória insuficiente para aplicar uma expressão regular</translation>
    </message>
    <message>
        <source>Regular expression match failed: %1</source>
        <translation>Falha ao aplicar a expressão regular: %1</translation>
    </message>
    <message>
        <source>%1 could not be read and was left as it was</source>
        <extracomment>%1 is the picture&apos;s name in the book, as &quot;OEBPS/images/cut.jpg&quot;.</extracomment>
        <translation>%1 não pôde ser lido e foi deixado como estava</translation>
    </message>
    <message>
        <source>%1 has more than 500 megapixels and was left as it was</source>
        <extracomment>%1 is the picture&apos;s name in the book.</extracomment>
        <translation>%1 tem mais de 500 megapixels e foi deixado como estava</translation>
    </message>
    <message>
        <source>%1 is too large to be decoded whole and was left as it was</source>
        <extracomment>%1 is the picture&apos;s name in the book; progressive JPEGs and interlaced PNGs are decoded whole.</extracomment>
        <translation>%1 é grande demais para ser decodificado de uma vez e foi deixado como estava</translation>
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
        <translation>Corrige livros EPUB como a janela do Bindwell faz. Cada PATH é uma pasta, cujos
livros são encontrados como na janela (mesmas regras, mesma ordem), ou um arquivo
EPUB. Os livros são corrigidos na ordem indicada, cada um uma vez.

As opções não informadas vêm das configurações salvas, como na janela.
Status de saída: 0 livros corrigidos, 1 uma falha ou nenhum livro, 2 um erro de
uso, 3 uma biblioteca UnZip de versão incorreta.</translation>
    </message>
    <message>
        <source>Remove fixed font sizes (option FontSizes) in this run.</source>
        <translation>Remover tamanhos de fonte fixos (opção FontSizes) nesta execução.</translation>
    </message>
    <message>
        <source>Keep fixed font sizes in this run.</source>
        <translation>Manter os tamanhos de fonte fixos nesta execução.</translation>
    </message>
    <message>
        <source>Justify all paragraphs (option JustifyText) in this run.</source>
        <translation>Justificar todos os parágrafos (opção JustifyText) nesta execução.</translation>
    </message>
    <message>
        <source>Do not justify paragraphs in this run.</source>
        <translation>Não justificar os parágrafos nesta execução.</translation>
    </message>
    <message>
        <source>Install the Liberation fonts (option IntlFonts) in this run.</source>
        <translation>Instalar as fontes Liberation (opção IntlFonts) nesta execução.</translation>
    </message>
    <message>
        <source>Do not install the fonts in this run.</source>
        <translation>Não instalar as fontes nesta execução.</translation>
    </message>
    <message>
        <source>Delete the stylesheets entirely (option DeleteCSS) in this run.</source>
        <translation>Excluir as folhas de estilo por completo (opção DeleteCSS) nesta execução.</translation>
    </message>
    <message>
        <source>Alter the stylesheets instead of deleting them in this run.</source>
        <translation>Alterar as folhas de estilo em vez de excluí-las nesta execução.</translation>
    </message>
    <message>
        <source>Move each replaced book&apos;s original to the Trash (option KeepOriginals) in this run.</source>
        <translation>Mover o original de cada livro substituído para a Lixeira (opção KeepOriginals) nesta execução.</translation>
    </message>
    <message>
        <source>Do not keep the originals in this run.</source>
        <translation>Não guardar os originais nesta execução.</translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation>nenhum PATH informado</translation>
    </message>
    <message>
        <source>Print the books found, one a line, and change nothing; a protected book with the reason after a tab.</source>
        <translation>Mostrar os livros encontrados, um por linha, sem alterar nada; num livro protegido, o motivo vem após uma tabulação.</translation>
    </message>
    <message>
        <source>Also save the options given to the settings store.</source>
        <translation>Salvar também as opções informadas nas configurações.</translation>
    </message>
    <message>
        <source>Report a book that fails, leave it as it was, and go on with the next; list the failed books at the end.</source>
        <translation>Informar um livro que falhar, deixá-lo como estava e seguir para o próximo; listar no final os livros que falharam.</translation>
    </message>
    <message>
        <source>A folder of books, or an EPUB file.</source>
        <extracomment>PATH is the argument&apos;s name in the usage line; keep it.</extracomment>
        <translation>Uma pasta de livros ou um arquivo EPUB.</translation>
    </message>
    <message>
        <source>Remove fixed line heights (option LineHeights) in this run.</source>
        <translation>Remover alturas de linha fixas (opção LineHeights) nesta execução.</translation>
    </message>
    <message>
        <source>Keep fixed line heights in this run.</source>
        <translation>Manter as alturas de linha fixas nesta execução.</translation>
    </message>
    <message>
        <source>Remove the page margins (option PageMargins) in this run.</source>
        <translation>Remover as margens de página (opção PageMargins) nesta execução.</translation>
    </message>
    <message>
        <source>Keep the page margins in this run.</source>
        <translation>Manter as margens de página nesta execução.</translation>
    </message>
    <message>
        <source>Remove the typefaces the books name, monospace ones aside, so that the reader&apos;s own is used (option FontFamilies) in this run.</source>
        <translation>Remover as fontes que os livros nomeiam, exceto as monoespaçadas, para que seja usada a do leitor (opção FontFamilies) nesta execução.</translation>
    </message>
    <message>
        <source>Keep the typefaces the books name in this run.</source>
        <translation>Manter as fontes que os livros nomeiam nesta execução.</translation>
    </message>
    <message>
        <source>Where fixed font sizes are removed, keep the sizes relative to the reader&apos;s own (option RelativeSizes) in this run.</source>
        <translation>Onde os tamanhos de fonte fixos são removidos, manter os tamanhos relativos ao do leitor (opção RelativeSizes) nesta execução.</translation>
    </message>
    <message>
        <source>Remove relative font sizes too in this run.</source>
        <translation>Remover também os tamanhos de fonte relativos nesta execução.</translation>
    </message>
    <message>
        <source>Where the fonts are installed, embed only the characters each book uses (option SubsetFonts) in this run.</source>
        <translation>Onde as fontes são instaladas, incorporar só os caracteres que cada livro usa (opção SubsetFonts) nesta execução.</translation>
    </message>
    <message>
        <source>Embed the fonts whole in this run.</source>
        <translation>Incorporar as fontes inteiras nesta execução.</translation>
    </message>
    <message>
        <source>Make the books ready for Send to Kindle: each content document declares its encoding and links to no chapter&apos;s body, no picture lacks a source, and each book names a language code and its cover both ways (option KindleReady) in this run.</source>
        <translation>Preparar os livros para o Send to Kindle: cada documento de conteúdo declara sua codificação e não aponta para o corpo de nenhum capítulo, nenhuma imagem fica sem origem, e cada livro indica um código de idioma e sua capa das duas formas (opção KindleReady) nesta execução.</translation>
    </message>
    <message>
        <source>Do not ready the books for Send to Kindle in this run.</source>
        <translation>Não preparar os livros para o Send to Kindle nesta execução.</translation>
    </message>
    <message>
        <source>Remove the colours the books give their text and its background, so that the reader&apos;s own are used (option TextColors) in this run.</source>
        <translation>Remover as cores que os livros dão ao texto e ao fundo dele, para que valham as do próprio leitor (opção TextColors) nesta execução.</translation>
    </message>
    <message>
        <source>Keep the colours the books give their text in this run.</source>
        <translation>Manter as cores do texto dos livros nesta execução.</translation>
    </message>
    <message>
        <source>Scale the pictures larger than the e-reader&apos;s screen down to it (option FitPictures) in this run.</source>
        <translation>Reduzir ao tamanho da tela do leitor as imagens maiores que ela (opção FitPictures) nesta execução.</translation>
    </message>
    <message>
        <source>Keep the pictures&apos; sizes in this run.</source>
        <translation>Manter o tamanho das imagens nesta execução.</translation>
    </message>
    <message>
        <source>Make the pictures in colour grey (option GreyPictures) in this run.</source>
        <translation>Deixar em tons de cinza as imagens coloridas (opção GreyPictures) nesta execução.</translation>
    </message>
    <message>
        <source>Keep the pictures&apos; colours in this run.</source>
        <translation>Manter as cores das imagens nesta execução.</translation>
    </message>
    <message>
        <source>Make Kobo books: each book becomes NAME.kepub.epub, read by Kobo&apos;s own renderer (option KoboBooks) in this run.</source>
        <translation>Criar livros Kobo: cada livro vira NOME.kepub.epub, lido pelo renderizador próprio da Kobo (opção KoboBooks) nesta execução.</translation>
    </message>
    <message>
        <source>Do not make Kobo books in this run.</source>
        <translation>Não criar livros Kobo nesta execução.</translation>
    </message>
    <message>
        <source>The e-reader&apos;s screen in pixels, such as 1264x1680, that pictures are fitted to (option ScreenSize) in this run.</source>
        <extracomment>WIDTHxHEIGHT is the value&apos;s name in the usage line; keep it.</extracomment>
        <translation>A tela do leitor em pixels, como 1264x1680, à qual as imagens são ajustadas (opção ScreenSize) nesta execução.</translation>
    </message>
    <message>
        <source>--screen takes WIDTHxHEIGHT in pixels, such as 1264x1680, not &quot;%1&quot;</source>
        <extracomment>%1 is what was given after --screen.</extracomment>
        <translation>--screen espera LARGURAxALTURA em pixels, como 1264x1680, e não “%1”</translation>
    </message>
    <message>
        <source>Take every book through the fix as a run would, and print what it would do to each, one line a book, then the summary a run would print; change nothing.</source>
        <translation>Passar cada livro pela correção como faria uma execução e mostrar o que ela faria com ele, uma linha por livro, depois o resumo que uma execução mostraria; não alterar nada.</translation>
    </message>
    <message>
        <source>--dry-run changes nothing, so it saves nothing: --save cannot go with it</source>
        <extracomment>--dry-run, --save and --list are the options&apos; names; keep them.</extracomment>
        <translation>--dry-run não altera nada, então não salva nada: --save não pode ir com ele</translation>
    </message>
    <message>
        <source>--dry-run and --list cannot go together</source>
        <translation>--dry-run e --list não podem ir juntos</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>no (no terminal)</source>
        <translation>não (sem terminal)</translation>
    </message>
    <message>
        <source>cancel (no terminal)</source>
        <translation>cancelar (sem terminal)</translation>
    </message>
    <message>
        <source>[y]es, [n]o, [c]ancel:</source>
        <extracomment>the letters in brackets are the keys to type; keep them.</extracomment>
        <translation>[y] sim, [n] não, [c] cancelar:</translation>
    </message>
    <message>
        <source>[r]etry, [c]ancel:</source>
        <translation>[r] tentar de novo, [c] cancelar:</translation>
    </message>
    <message>
        <source>%1: left as it was: %2</source>
        <translation>%1: deixado como estava: %2</translation>
    </message>
    <message>
        <source>The original books are in the Trash: %1</source>
        <translation>Os livros originais estão na Lixeira: %1</translation>
    </message>
    <message>
        <source>%1 is neither a folder nor an EPUB file</source>
        <translation>%1 não é uma pasta nem um arquivo EPUB</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: would change: %2</source>
        <extracomment>%1 is the book, %2 what a run would change in it.</extracomment>
        <translation>%1: seria alterado: %2</translation>
    </message>
    <message>
        <source>%1: already as the options ask</source>
        <translation>%1: já está como as opções pedem</translation>
    </message>
    <message>
        <source>%1: left alone: %2</source>
        <translation>%1: deixado como está: %2</translation>
    </message>
    <message>
        <source>%1: would fail: %2</source>
        <extracomment>%2 is the message a run would give, its lines joined.</extracomment>
        <translation>%1: falharia: %2</translation>
    </message>
</context>
<context>
    <name>ContentWalk</name>
    <message>
        <source>%1 is in %2, which the fix does not edit</source>
        <extracomment>%1 is a stylesheet&apos;s name in the book, %2 the encoding its @charset rule names.</extracomment>
        <translation>%1 está em %2, que a correção não edita</translation>
    </message>
</context>
<context>
    <name>DeleteCss</name>
    <message>
        <source>%1 cannot be edited safely, so the stylesheets are kept</source>
        <extracomment>%1 is the name of a package or content document in the book, as OEBPS/ch1.xhtml.</extracomment>
        <translation>%1 não pode ser editado com segurança, então as folhas de estilo são mantidas</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Caminho não encontrado</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>O arquivo já existe</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco cheio</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erro de acesso ao caminho ou arquivo</translation>
    </message>
    <message>
        <source>%1 (%2 &quot;%3&quot;: %4)</source>
        <extracomment>%1 says what went wrong, %2 what was being done, %3 the file or folder, %4 the system&apos;s own words.</extracomment>
        <translation>%1 (%2 “%3”: %4)</translation>
    </message>
    <message>
        <source>listing folder</source>
        <translation>ao listar a pasta</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>ao gravar</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>ao ler</translation>
    </message>
    <message>
        <source>deleting folder</source>
        <translation>ao excluir a pasta</translation>
    </message>
    <message>
        <source>deleting</source>
        <translation>ao excluir</translation>
    </message>
    <message>
        <source>deleting file</source>
        <translation>ao excluir o arquivo</translation>
    </message>
    <message>
        <source>copying</source>
        <translation>ao copiar</translation>
    </message>
    <message>
        <source>copying to</source>
        <translation>ao copiar para</translation>
    </message>
    <message>
        <source>deleting file (it is a folder)</source>
        <translation>ao excluir o arquivo (é uma pasta)</translation>
    </message>
    <message>
        <source>creating folder</source>
        <translation>ao criar a pasta</translation>
    </message>
    <message>
        <source>moving</source>
        <translation>ao mover</translation>
    </message>
    <message>
        <source>moving to</source>
        <translation>ao mover para</translation>
    </message>
    <message>
        <source>opening</source>
        <translation>ao abrir</translation>
    </message>
    <message>
        <source>flushing</source>
        <translation>ao gravar no disco</translation>
    </message>
    <message>
        <source>replacing</source>
        <translation>ao substituir</translation>
    </message>
    <message>
        <source>Internal error (a UTF-16 text was cut apart)</source>
        <translation>Erro interno (um texto UTF-16 foi cortado)</translation>
    </message>
    <message>
        <source>opening for writing</source>
        <translation>ao abrir para gravação</translation>
    </message>
    <message>
        <source>creating the Trash folder</source>
        <translation>ao criar a pasta da Lixeira</translation>
    </message>
    <message>
        <source>opening the Trash folder</source>
        <translation>ao abrir a pasta da Lixeira</translation>
    </message>
    <message>
        <source>finding the filesystem of</source>
        <translation>ao identificar o sistema de arquivos de</translation>
    </message>
    <message>
        <source>creating</source>
        <translation>ao criar</translation>
    </message>
    <message>
        <source>linking into the Trash</source>
        <translation>ao vincular na Lixeira</translation>
    </message>
    <message>
        <source>moving into the Trash</source>
        <translation>ao mover para a Lixeira</translation>
    </message>
    <message>
        <source>creating the private temporary folder</source>
        <translation>ao criar a pasta temporária privada</translation>
    </message>
    <message>
        <source>creating the lock</source>
        <translation>ao criar o bloqueio</translation>
    </message>
    <message>
        <source>Internal error (a stylesheet was to be written without its encoding)</source>
        <translation>Erro interno (uma folha de estilo seria gravada sem a sua codificação)</translation>
    </message>
    <message>
        <source>renaming</source>
        <translation>ao renomear</translation>
    </message>
</context>
<context>
    <name>FixRecord</name>
    <message numerus="yes">
        <source>%n stylesheets edited</source>
        <translation>
            <numerusform>%n folha de estilo editada</numerusform>
            <numerusform>%n folhas de estilo editadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stylesheets, </source>
        <extracomment>Followed by the declarations removed: &quot;3 stylesheets, 41 declarations removed&quot;.</extracomment>
        <translation>
            <numerusform>%n folha de estilo, </numerusform>
            <numerusform>%n folhas de estilo, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n declarations removed</source>
        <translation>
            <numerusform>%n declaração removida</numerusform>
            <numerusform>%n declarações removidas</numerusform>
        </translation>
    </message>
    <message>
        <source>the fonts embedded whole (%1)</source>
        <extracomment>%1 is the size the four faces take in the book, as &quot;814 KB&quot;.</extracomment>
        <translation>as fontes incorporadas inteiras (%1)</translation>
    </message>
    <message>
        <source>the fonts embedded, cut to the book&apos;s characters (%1)</source>
        <extracomment>%1 is the size the four faces take in the book, as &quot;94 KB&quot;.</extracomment>
        <translation>as fontes incorporadas, reduzidas aos caracteres do livro (%1)</translation>
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
        <translation>%1 tem %2 MB: o Send to Kindle aceita no máximo 50 MB por e-mail.</translation>
    </message>
    <message numerus="yes">
        <source>%n stylesheets deleted</source>
        <translation>
            <numerusform>%n folha de estilo excluída</numerusform>
            <numerusform>%n folhas de estilo excluídas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the links to them taken out of %n documents</source>
        <translation>
            <numerusform>os links para elas removidos de %n documento</numerusform>
            <numerusform>os links para elas removidos de %n documentos</numerusform>
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
            <numerusform>%n imagem, %1 → %2</numerusform>
            <numerusform>%n imagens, %1 → %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n encoding declarations added</source>
        <translation>
            <numerusform>%n declaração de codificação adicionada</numerusform>
            <numerusform>%n declarações de codificação adicionadas</numerusform>
        </translation>
    </message>
    <message>
        <source>the links and pictures mended for Send to Kindle</source>
        <translation>os links e as imagens corrigidos para o Send to Kindle</translation>
    </message>
    <message>
        <source>the cover named in the package</source>
        <translation>a capa indicada no pacote</translation>
    </message>
    <message numerus="yes">
        <source>%n sentences and pictures in Kobo&apos;s spans</source>
        <translation>
            <numerusform>%n frase ou imagem em spans do Kobo</numerusform>
            <numerusform>%n frases e imagens em spans do Kobo</numerusform>
        </translation>
    </message>
    <message>
        <source>would become %1</source>
        <extracomment>%1 is the book&apos;s new file name, as &quot;a.kepub.epub&quot;.</extracomment>
        <translation>passaria a ser %1</translation>
    </message>
    <message>
        <source>now %1</source>
        <translation>agora %1</translation>
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
        <translation>falta menos de um minuto</translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>falta cerca de %n minuto</numerusform>
            <numerusform>faltam cerca de %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>faltam cerca de %1 h %2 min</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Corrigido</translation>
    </message>
    <message>
        <source>Already as the options ask: left untouched</source>
        <translation>Já estava como as opções pedem: não foi alterado</translation>
    </message>
    <message>
        <source>Left as it was: </source>
        <translation>Deixado como estava: </translation>
    </message>
    <message>
        <source>Failed: </source>
        <translation>Falhou: </translation>
    </message>
    <message>
        <source>&amp;Load EBook from:</source>
        <translation>Carregar &amp;livros de:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Procurar...</translation>
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
        <translation>Livros processados</translation>
    </message>
    <message>
        <source>Check the boo&amp;ks you want to fix:</source>
        <translation>&amp;Marque os livros que deseja corrigir:</translation>
    </message>
    <message>
        <source>Select:</source>
        <translation>Selecionar:</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Nenhum</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Todos</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opções...</translation>
    </message>
    <message>
        <source>Select a folder...</source>
        <translation>Selecionar uma pasta...</translation>
    </message>
    <message>
        <source>Stopping after %1</source>
        <translation>Parando depois de %1</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Trabalhando</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>Pa&amp;rar</translation>
    </message>
    <message>
        <source>Fixing %1 of %2: %3</source>
        <translation>Corrigindo %1 de %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n books</source>
        <translation>
            <numerusform>%1 de %n livro</numerusform>
            <numerusform>%1 de %n livros</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 counts the books done, %2 says the time left.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Fixed: </source>
        <translation>Corrigido: </translation>
    </message>
</context>
<context>
    <name>KindleReady</name>
    <message>
        <source>%1 is not UTF-8 and names no encoding</source>
        <extracomment>%1 is the name of a content document in the book, as OEBPS/ch1.xhtml.</extracomment>
        <translation>%1 não está em UTF-8 e não indica nenhuma codificação</translation>
    </message>
    <message>
        <source>no language found</source>
        <translation>nenhum idioma encontrado</translation>
    </message>
    <message>
        <source>%1 holds a NUL byte, which XML does not allow</source>
        <extracomment>%1 is the name of a content document in the book, as OEBPS/ch1.xhtml.</extracomment>
        <translation>%1 contém um byte NUL, que o XML não permite</translation>
    </message>
    <message>
        <source>%1 names %2 and is not UTF-8</source>
        <extracomment>%1 is the name of a content document in the book, as OEBPS/ch1.xhtml; %2 the name of an encoding as the document gives it, as windows-1252.</extracomment>
        <translation>%1 indica %2 e não está em UTF-8</translation>
    </message>
</context>
<context>
    <name>Kobo</name>
    <message>
        <source>%1 is not UTF-8 or UTF-16</source>
        <translation>%1 não está em UTF-8 nem em UTF-16</translation>
    </message>
    <message>
        <source>%1 does not read as XML (%2)</source>
        <extracomment>%1 is the content document, %2 where and why it does not read (&quot;line 3: ...&quot;).</extracomment>
        <translation>%1 não pode ser lido como XML (%2)</translation>
    </message>
    <message>
        <source>%1 is in a calibre library; calibre&apos;s own Kobo driver converts it as it sends it</source>
        <translation>%1 está em uma biblioteca do calibre; o próprio driver Kobo do calibre o converte ao enviá-lo</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 já existe</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Options...</source>
        <translation>Opções...</translation>
    </message>
    <message>
        <source>Text styling</source>
        <translation>Estilo do texto</translation>
    </message>
    <message>
        <source>(Otherwise, we&apos;ll just remove all the font sizes.)</source>
        <translation>(Senão, só os tamanhos de fonte são removidos.)</translation>
    </message>
    <message>
        <source>&amp;Alter the stylesheet:</source>
        <translation>&amp;Alterar a folha de estilo:</translation>
    </message>
    <message>
        <source>&amp;Delete CSS entirely?</source>
        <translation>&amp;Excluir todo o CSS?</translation>
    </message>
    <message>
        <source>&amp;Justify all paragraphs.</source>
        <translation>&amp;Justificar todos os parágrafos.</translation>
    </message>
    <message>
        <source>&amp;Remove fixed font sizes.</source>
        <translation>&amp;Remover tamanhos de fonte fixos.</translation>
    </message>
    <message>
        <source>&amp;Install Liberation fonts.</source>
        <translation>&amp;Instalar as fontes Liberation.</translation>
    </message>
    <message>
        <source>(Allows display of international characters.)</source>
        <translation>(Exibe caracteres internacionais.)</translation>
    </message>
    <message>
        <source>&amp;Move the original books to the Trash</source>
        <translation>&amp;Mover os livros originais para a Lixeira</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>For e-readers</source>
        <translation>Para leitores digitais</translation>
    </message>
    <message>
        <source>Remove fixed &amp;line heights</source>
        <translation>Remover alturas de &amp;linha fixas</translation>
    </message>
    <message>
        <source>Remove &amp;page margins</source>
        <translation>Remover margens de &amp;página</translation>
    </message>
    <message>
        <source>&amp;Use the reader&apos;s own typeface</source>
        <translation>&amp;Usar a fonte do próprio leitor</translation>
    </message>
    <message>
        <source>&amp;Keep relative font sizes</source>
        <translation>Manter tamanhos de fonte relati&amp;vos</translation>
    </message>
    <message>
        <source>&amp;Embed only the characters each book uses</source>
        <translation>Incorporar &amp;só os caracteres que cada livro usa</translation>
    </message>
    <message>
        <source>Make the books ready for &amp;Send to Kindle</source>
        <translation>Preparar os livros para o Send to &amp;Kindle</translation>
    </message>
    <message>
        <source>Use the reader&apos;s o&amp;wn colours</source>
        <translation>Usar as cores &amp;do próprio leitor</translation>
    </message>
    <message>
        <source>Make Kobo &amp;books (KEPUB)</source>
        <translation>Criar livros Ko&amp;bo (KEPUB)</translation>
    </message>
    <message>
        <source>&amp;Fit pictures to the e-reader&apos;s screen</source>
        <translation>Ajustar as imagens à &amp;tela do leitor</translation>
    </message>
    <message>
        <source>Screen si&amp;ze:</source>
        <translation>Tama&amp;nho da tela:</translation>
    </message>
    <message>
        <source>Make pictures &amp;grey</source>
        <translation>Deixar as ima&amp;gens em tons de cinza</translation>
    </message>
</context>
<context>
    <name>Protection</name>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>protected: %1 cannot be read</source>
        <translation>protegido: não é possível ler %1</translation>
    </message>
    <message>
        <source>protected: %1 is not well-formed (%2)</source>
        <translation>protegido: %1 não está bem formado (%2)</translation>
    </message>
    <message>
        <source>a resource it does not name</source>
        <translation>um recurso que ele não nomeia</translation>
    </message>
    <message>
        <source>protected: %1 obfuscates %2, which the fix would write over</source>
        <translation>protegido: %1 ofusca %2, que a correção sobrescreveria</translation>
    </message>
    <message>
        <source>protected: %1 encrypts %2</source>
        <translation>protegido: %1 criptografa %2</translation>
    </message>
    <message numerus="yes">
        <source>protected: %1 encrypts %2 and %n more</source>
        <extracomment>%1 is META-INF/encryption.xml, %2 the first resource it encrypts, %n how many more it encrypts.</extracomment>
        <translation>
            <numerusform>protegido: %1 criptografa %2 e mais %n</numerusform>
            <numerusform>protegido: %1 criptografa %2 e mais %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SharedLibrary</name>
    <message>
        <source>Cannot load the library %1 (%2)</source>
        <translation>Não é possível carregar a biblioteca %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot load the library %1</source>
        <translation>Não é possível carregar a biblioteca %1</translation>
    </message>
    <message>
        <source>Cannot find the entry point %1 in %2</source>
        <translation>Ponto de entrada %1 não encontrado em %2</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>Permission denied (the Trash folder &quot;%1&quot; is a link, a file or another user&apos;s folder)</source>
        <translation>Permissão negada (a pasta da Lixeira “%1” é um link, um arquivo ou a pasta de outro usuário)</translation>
    </message>
    <message>
        <source>The original of &quot;%1&quot; could not be put in the Trash &quot;%2&quot;, so it was left as it was: %3</source>
        <translation>Não foi possível colocar o original de “%1” na Lixeira “%2”, então ele foi deixado como estava: %3</translation>
    </message>
    <message>
        <source>The book &quot;%1&quot; could not be replaced, and its original is in the Trash as &quot;%2&quot;.</source>
        <translation>Não foi possível substituir o livro “%1”, e o original dele está na Lixeira como “%2”.</translation>
    </message>
</context>
<context>
    <name>UnzipBinding</name>
    <message>
        <source>Overwrite &quot;%1&quot; ?</source>
        <translation>Sobrescrever “%1”?</translation>
    </message>
    <message>
        <source>VBUnZip32 - File Already Exists!</source>
        <translation>VBUnZip32 – O arquivo já existe!</translation>
    </message>
    <message>
        <source>Please Enter The Password!</source>
        <translation>Digite a senha!</translation>
    </message>
    <message>
        <source>The supplied password exceeds the maximum password length %1 supported by the UnZip DLL.</source>
        <translation>A senha informada excede o tamanho máximo de %1 caracteres aceito pela DLL do UnZip.</translation>
    </message>
    <message>
        <source>UnZip password too long</source>
        <translation>Senha do UnZip longa demais</translation>
    </message>
    <message>
        <source>The program cannot continue.</source>
        <translation>O programa não pode continuar.</translation>
    </message>
    <message>
        <source>Incompatible DLL version discovered!</source>
        <translation>Versão de DLL incompatível encontrada!</translation>
    </message>
    <message>
        <source>The UnZip DLL requires a version structure of length %1, but the VB frontend expects the DLL to need 68bytes.</source>
        <translation>A DLL do UnZip exige uma estrutura de versão de tamanho %1, mas a interface VB espera que ela precise de 68 bytes.</translation>
    </message>
    <message>
        <source>Incompatible old DLL version discovered!</source>
        <translation>Versão antiga de DLL incompatível encontrada!</translation>
    </message>
    <message>
        <source>This program requires an UnZip DLL version of at least %1, but the version reported by the found DLL is only %2.</source>
        <translation>Este programa exige uma DLL do UnZip da versão %1 ou superior, mas a DLL encontrada informa apenas a versão %2.</translation>
    </message>
    <message>
        <source>DLL version with incompatible API discovered!</source>
        <translation>Versão de DLL com API incompatível encontrada!</translation>
    </message>
    <message>
        <source>This program can only handle UnZip DLL API versions up to %1, but the found DLL reports a newer API version of %2.</source>
        <translation>Este programa só aceita versões da API da DLL do UnZip até %1, mas a DLL encontrada informa uma versão mais recente, %2.</translation>
    </message>
</context>
<context>
    <name>ZipBinding</name>
    <message>
        <source>Enter the comment</source>
        <translation>Digite o comentário</translation>
    </message>
    <message>
        <source>Please Enter The Password!</source>
        <translation>Digite a senha!</translation>
    </message>
    <message>
        <source>Zip32.dll did not initialize.  Is it in the current directory or on the command path?</source>
        <translation>A Zip32.dll não foi inicializada.  Ela está na pasta atual ou no caminho de busca?</translation>
    </message>
    <message>
        <source>VB Zip</source>
        <translation>VB Zip</translation>
    </message>
</context>
</TS>
