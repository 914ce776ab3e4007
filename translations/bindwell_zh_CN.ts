<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ArchiveFailure</name>
    <message>
        <source>it holds no files at all.</source>
        <translation>其中没有任何文件。</translation>
    </message>
    <message>
        <source>some of its entries have unsafe names, are links or appear twice, so it cannot be unpacked exactly as it is.</source>
        <translation>其中一些条目的名称不安全、是链接或重复出现，因此无法按原样解压。</translation>
    </message>
    <message>
        <source>it is damaged and could not be unpacked completely.</source>
        <translation>它已损坏，无法完整解压。</translation>
    </message>
    <message>
        <source>it could not be opened as an EPUB (ZIP) archive.</source>
        <translation>无法将其作为 EPUB（ZIP）压缩包打开。</translation>
    </message>
    <message>
        <source>there was not enough memory to unpack it.</source>
        <translation>内存不足，无法解压。</translation>
    </message>
    <message>
        <source>the disk is full, so it could not be unpacked.</source>
        <translation>磁盘已满，无法解压。</translation>
    </message>
    <message>
        <source>unpacking it was stopped.</source>
        <translation>解压已被中止。</translation>
    </message>
    <message>
        <source>it is encrypted and no correct password was given.</source>
        <translation>它已加密，且未提供正确的密码。</translation>
    </message>
    <message>
        <source>it would expand to far more than its own size (it may be a zip bomb).</source>
        <translation>解压后的大小会远超其自身大小（可能是 ZIP 炸弹）。</translation>
    </message>
    <message>
        <source>unpacking it failed (UnZip error %1).</source>
        <translation>解压失败（UnZip 错误 %1）。</translation>
    </message>
    <message>
        <source>Bindwell left this book as it was: %1</source>
        <extracomment>%1 is one of the reasons, which begin in lower case.</extracomment>
        <translation>Bindwell 未改动这本书：%1</translation>
    </message>
    <message>
        <source>The disk is full; the book was left as it was.</source>
        <translation>磁盘已满；这本书保持原样。</translation>
    </message>
    <message>
        <source>The new book could not be written beside the old one; the book was left as it was.</source>
        <translation>无法在原书旁写入新书；这本书保持原样。</translation>
    </message>
    <message>
        <source>A file of the unpacked book could not be read; the book was left as it was.</source>
        <translation>无法读取解压后书中的某个文件；这本书保持原样。</translation>
    </message>
    <message>
        <source>There was nothing to pack; the book was left as it was.</source>
        <translation>没有可打包的内容；这本书保持原样。</translation>
    </message>
    <message>
        <source>The Zip library could not be used; the book was left as it was.</source>
        <translation>无法使用 Zip 库；这本书保持原样。</translation>
    </message>
    <message>
        <source>Two of its entries have names that readers read as one; the book was left as it was.</source>
        <translation>其中两个条目的名称在阅读器看来是同一个；该书保持原样。</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>%1 Error unzipping:  %2</source>
        <extracomment>%1 is the error&apos;s number, %2 its description.</extracomment>
        <translation>%1 解压出错：  %2</translation>
    </message>
    <message>
        <source>Please enter the path to the folder containing your ebooks.</source>
        <translation>请输入存放电子书的文件夹路径。</translation>
    </message>
    <message>
        <source>Another Bindwell run is using the working folder %1.</source>
        <translation>另一个 Bindwell 任务正在使用工作文件夹 %1。</translation>
    </message>
    <message>
        <source>Wait until it has finished, then press Start again.</source>
        <translation>请等待其完成，然后再次点击“开始”。</translation>
    </message>
    <message>
        <source>Subscript out of range (the book list no longer has an entry %1)</source>
        <translation>下标越界（书籍列表中已没有第 %1 项）</translation>
    </message>
    <message numerus="yes">
        <source>%n books failed:</source>
        <translation>
            <numerusform>%n 本书修复失败：</numerusform>
        </translation>
    </message>
    <message>
        <source>No books fixed - no books selected.</source>
        <translation>未修复任何书籍——未选择任何书籍。</translation>
    </message>
    <message numerus="yes">
        <source>Stopped. (%n epubs fixed.)</source>
        <translation>
            <numerusform>已停止。（已修复 %n 个 EPUB。）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Okay, your books are all set. (%n epubs fixed.)</source>
        <translation>
            <numerusform>好了，您的书都已处理妥当。（已修复 %n 个 EPUB。）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n books were left as they were: they cannot be fixed safely.</source>
        <translation>
            <numerusform>有 %n 本书保持原样：无法安全地修复。</numerusform>
        </translation>
    </message>
    <message>
        <source> The original books are in the Trash.</source>
        <translation>原书已移到回收站。</translation>
    </message>
    <message>
        <source>Internal error (%1)</source>
        <translation>内部错误（%1）</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>内部错误</translation>
    </message>
    <message>
        <source>Permission denied (the temporary folder &quot;%1&quot; is a link, another user&apos;s, or open to others; remove it and start again)</source>
        <translation>权限被拒绝（临时文件夹“%1”是链接、属于其他用户或对他人开放；请将其删除后重新开始）</translation>
    </message>
    <message numerus="yes">
        <source> %n of them were already as the options ask, and were left untouched.</source>
        <translation>
            <numerusform>其中 %n 个已符合选项要求，未作改动。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> For %n of them no language was found; they keep the one they name.</source>
        <translation>
            <numerusform>其中 %n 本未能识别语言，保留其标注的语言。</numerusform>
        </translation>
    </message>
    <message>
        <source>Pictures: %1 → %2.</source>
        <extracomment>%1 is the size the pictures fitted took before, %2 the size they take now: &quot;Pictures: 122.3 MB → 60.1 MB.&quot;</extracomment>
        <translation>图片：%1 → %2。</translation>
    </message>
    <message numerus="yes">
        <source>%n epubs would be fixed</source>
        <extracomment>Followed by what the other counts say, then a full stop: &quot;40 epubs would be fixed; 38 of them are already as the options ask.&quot;</extracomment>
        <translation>
            <numerusform>将修复 %n 个 EPUB</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n of them are already as the options ask</source>
        <translation>
            <numerusform>；其中 %n 个已符合选项要求</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> For %n of them no language would be found; they would keep the one they name.</source>
        <translation>
            <numerusform>其中 %n 本将无法识别语言，会保留其标注的语言。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n books would be left as they are: they cannot be fixed safely.</source>
        <translation>
            <numerusform>有 %n 本书将保持原样：无法安全地修复。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BookFix</name>
    <message>
        <source>Overflow (Zip result %1)</source>
        <translation>溢出（Zip 结果 %1）</translation>
    </message>
    <message>
        <source>Zip error: %1</source>
        <translation>Zip 错误：%1</translation>
    </message>
    <message>
        <source>The book changed on disk while Bindwell was fixing it, so Bindwell left it as the other program wrote it.</source>
        <translation>Bindwell 修复这本书时，它在磁盘上被更改了，因此 Bindwell 保留了另一个程序写入的版本。</translation>
    </message>
    <message>
        <source>Too many entry names for the UnZip library</source>
        <translation>条目名称过多，UnZip 库无法处理</translation>
    </message>
    <message>
        <source>Regular expression &quot;%1&quot; is invalid: %2</source>
        <translation>正则表达式“%1”无效：%2</translation>
    </message>
    <message>
        <source>Out of memory creating a regular expression</source>
        <translation>创建正则表达式时内存不足</translation>
    </message>
    <message>
        <source>Out of memory matching a regular expression</source>
        <translation>匹配正则表达式时内存不足</translation>
    </message>
    <message>
        <source>Regular expression match failed: %1</source>
        <translation>正则表达式匹配失败：%1</translation>
    </message>
    <message>
        <source>%1 could not be read and was left as it was</source>
        <extracomment>%1 is the picture&apos;s name in the book, as &quot;OEBPS/images/cut.jpg&quot;.</extracomment>
        <translation>无法读取 %1，已保持原样</translation>
    </message>
    <message>
        <source>%1 has more than 500 megapixels and was left as it was</source>
        <extracomment>%1 is the picture&apos;s name in the book.</extracomment>
        <translation>%1 超过 5 亿像素，已保持原样</translation>
    </message>
    <message>
        <source>%1 is too large to be decoded whole and was left as it was</source>
        <extracomment>%1 is the picture&apos;s name in the book; progressive JPEGs and interlaced PNGs are decoded whole.</extracomment>
        <translation>%1 太大，无法整体解码，已保持原样</translation>
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
        <translation>像 Bindwell 窗口一样修复 EPUB 书籍。每个 PATH 是一个文件夹（其中的书籍按与窗口
相同的规则和顺序查找）或一个 EPUB 文件。书籍按给定顺序修复，每本只修复一次。

未指定的选项取自已保存的设置，与窗口读取的相同。
退出状态：0 书籍已修复，1 出现失败或没有书籍，2 用法错误，
3 UnZip 库版本不符。</translation>
    </message>
    <message>
        <source>Remove fixed font sizes (option FontSizes) in this run.</source>
        <translation>本次运行中移除固定字体大小（选项 FontSizes）。</translation>
    </message>
    <message>
        <source>Keep fixed font sizes in this run.</source>
        <translation>本次运行中保留固定字体大小。</translation>
    </message>
    <message>
        <source>Justify all paragraphs (option JustifyText) in this run.</source>
        <translation>本次运行中两端对齐所有段落（选项 JustifyText）。</translation>
    </message>
    <message>
        <source>Do not justify paragraphs in this run.</source>
        <translation>本次运行中不对齐段落。</translation>
    </message>
    <message>
        <source>Install the Liberation fonts (option IntlFonts) in this run.</source>
        <translation>本次运行中安装 Liberation 字体（选项 IntlFonts）。</translation>
    </message>
    <message>
        <source>Do not install the fonts in this run.</source>
        <translation>本次运行中不安装字体。</translation>
    </message>
    <message>
        <source>Delete the stylesheets entirely (option DeleteCSS) in this run.</source>
        <translation>本次运行中完全删除样式表（选项 DeleteCSS）。</translation>
    </message>
    <message>
        <source>Alter the stylesheets instead of deleting them in this run.</source>
        <translation>本次运行中修改样式表而不是删除。</translation>
    </message>
    <message>
        <source>Move each replaced book&apos;s original to the Trash (option KeepOriginals) in this run.</source>
        <translation>本次运行中将每本被替换书籍的原件移到回收站（选项 KeepOriginals）。</translation>
    </message>
    <message>
        <source>Do not keep the originals in this run.</source>
        <translation>本次运行中不保留原件。</translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation>未指定 PATH</translation>
    </message>
    <message>
        <source>Print the books found, one a line, and change nothing; a protected book with the reason after a tab.</source>
        <translation>逐行列出找到的书籍，不做任何更改；受保护的书籍会在制表符后注明原因。</translation>
    </message>
    <message>
        <source>Also save the options given to the settings store.</source>
        <translation>同时将指定的选项保存到设置中。</translation>
    </message>
    <message>
        <source>Report a book that fails, leave it as it was, and go on with the next; list the failed books at the end.</source>
        <translation>报告失败的书籍并保持原样，继续处理下一本；最后列出失败的书籍。</translation>
    </message>
    <message>
        <source>A folder of books, or an EPUB file.</source>
        <extracomment>PATH is the argument&apos;s name in the usage line; keep it.</extracomment>
        <translation>书籍文件夹或 EPUB 文件。</translation>
    </message>
    <message>
        <source>Remove fixed line heights (option LineHeights) in this run.</source>
        <translation>本次运行中移除固定行高（选项 LineHeights）。</translation>
    </message>
    <message>
        <source>Keep fixed line heights in this run.</source>
        <translation>本次运行中保留固定行高。</translation>
    </message>
    <message>
        <source>Remove the page margins (option PageMargins) in this run.</source>
        <translation>本次运行中移除页边距（选项 PageMargins）。</translation>
    </message>
    <message>
        <source>Keep the page margins in this run.</source>
        <translation>本次运行中保留页边距。</translation>
    </message>
    <message>
        <source>Remove the typefaces the books name, monospace ones aside, so that the reader&apos;s own is used (option FontFamilies) in this run.</source>
        <translation>本次运行中移除书中指定的字体（等宽字体除外），以使用阅读器自带的字体（选项 FontFamilies）。</translation>
    </message>
    <message>
        <source>Keep the typefaces the books name in this run.</source>
        <translation>本次运行中保留书中指定的字体。</translation>
    </message>
    <message>
        <source>Where fixed font sizes are removed, keep the sizes relative to the reader&apos;s own (option RelativeSizes) in this run.</source>
        <translation>本次运行中，移除固定字体大小时保留相对于阅读器字号的大小（选项 RelativeSizes）。</translation>
    </message>
    <message>
        <source>Remove relative font sizes too in this run.</source>
        <translation>本次运行中也移除相对字体大小。</translation>
    </message>
    <message>
        <source>Where the fonts are installed, embed only the characters each book uses (option SubsetFonts) in this run.</source>
        <translation>本次运行中，安装字体时仅嵌入每本书用到的字符（选项 SubsetFonts）。</translation>
    </message>
    <message>
        <source>Embed the fonts whole in this run.</source>
        <translation>本次运行中嵌入完整的字体。</translation>
    </message>
    <message>
        <source>Make the books ready for Send to Kindle: each content document declares its encoding and links to no chapter&apos;s body, no picture lacks a source, and each book names a language code and its cover both ways (option KindleReady) in this run.</source>
        <translation>本次运行中为 Send to Kindle 准备书籍：每个内容文档声明其编码且不链接到章节正文元素，没有缺少来源的图片，每本书注明语言代码并以两种方式标明封面（选项 KindleReady）。</translation>
    </message>
    <message>
        <source>Do not ready the books for Send to Kindle in this run.</source>
        <translation>本次运行中不为 Send to Kindle 准备书籍。</translation>
    </message>
    <message>
        <source>Remove the colours the books give their text and its background, so that the reader&apos;s own are used (option TextColors) in this run.</source>
        <translation>本次运行中移除书籍为文本及其背景设置的颜色，使阅读器自带的颜色生效（选项 TextColors）。</translation>
    </message>
    <message>
        <source>Keep the colours the books give their text in this run.</source>
        <translation>本次运行中保留书籍的文本颜色。</translation>
    </message>
    <message>
        <source>Scale the pictures larger than the e-reader&apos;s screen down to it (option FitPictures) in this run.</source>
        <translation>本次运行中将大于阅读器屏幕的图片缩小到屏幕大小（选项 FitPictures）。</translation>
    </message>
    <message>
        <source>Keep the pictures&apos; sizes in this run.</source>
        <translation>本次运行中保留图片的尺寸。</translation>
    </message>
    <message>
        <source>Make the pictures in colour grey (option GreyPictures) in this run.</source>
        <translation>本次运行中将彩色图片转为灰度（选项 GreyPictures）。</translation>
    </message>
    <message>
        <source>Keep the pictures&apos; colours in this run.</source>
        <translation>本次运行中保留图片的颜色。</translation>
    </message>
    <message>
        <source>Make Kobo books: each book becomes NAME.kepub.epub, read by Kobo&apos;s own renderer (option KoboBooks) in this run.</source>
        <translation>本次运行中制作 Kobo 书籍：每本书变为 NAME.kepub.epub，由 Kobo 自己的渲染引擎阅读（选项 KoboBooks）。</translation>
    </message>
    <message>
        <source>Do not make Kobo books in this run.</source>
        <translation>本次运行中不制作 Kobo 书籍。</translation>
    </message>
    <message>
        <source>The e-reader&apos;s screen in pixels, such as 1264x1680, that pictures are fitted to (option ScreenSize) in this run.</source>
        <extracomment>WIDTHxHEIGHT is the value&apos;s name in the usage line; keep it.</extracomment>
        <translation>本次运行中图片所适配的阅读器屏幕像素尺寸，例如 1264x1680（选项 ScreenSize）。</translation>
    </message>
    <message>
        <source>--screen takes WIDTHxHEIGHT in pixels, such as 1264x1680, not &quot;%1&quot;</source>
        <extracomment>%1 is what was given after --screen.</extracomment>
        <translation>--screen 需要以像素表示的 宽x高，例如 1264x1680，而不是“%1”</translation>
    </message>
    <message>
        <source>Take every book through the fix as a run would, and print what it would do to each, one line a book, then the summary a run would print; change nothing.</source>
        <translation>像正式运行一样让每本书经过修复，并逐本输出修复会对它做什么，每本书一行，然后输出正式运行会给出的摘要；不做任何改动。</translation>
    </message>
    <message>
        <source>--dry-run changes nothing, so it saves nothing: --save cannot go with it</source>
        <extracomment>--dry-run, --save and --list are the options&apos; names; keep them.</extracomment>
        <translation>--dry-run 不做任何改动，因此也不保存任何内容：不能与 --save 同用</translation>
    </message>
    <message>
        <source>--dry-run and --list cannot go together</source>
        <translation>--dry-run 与 --list 不能同时使用</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>no (no terminal)</source>
        <translation>否（没有终端）</translation>
    </message>
    <message>
        <source>cancel (no terminal)</source>
        <translation>取消（没有终端）</translation>
    </message>
    <message>
        <source>[y]es, [n]o, [c]ancel:</source>
        <extracomment>the letters in brackets are the keys to type; keep them.</extracomment>
        <translation>[y] 是，[n] 否，[c] 取消：</translation>
    </message>
    <message>
        <source>[r]etry, [c]ancel:</source>
        <translation>[r] 重试，[c] 取消：</translation>
    </message>
    <message>
        <source>%1: left as it was: %2</source>
        <translation>%1：保持原样：%2</translation>
    </message>
    <message>
        <source>The original books are in the Trash: %1</source>
        <translation>原书已移到回收站：%1</translation>
    </message>
    <message>
        <source>%1 is neither a folder nor an EPUB file</source>
        <translation>%1 既不是文件夹也不是 EPUB 文件</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1: would change: %2</source>
        <extracomment>%1 is the book, %2 what a run would change in it.</extracomment>
        <translation>%1：将会更改：%2</translation>
    </message>
    <message>
        <source>%1: already as the options ask</source>
        <translation>%1：已符合选项要求</translation>
    </message>
    <message>
        <source>%1: left alone: %2</source>
        <translation>%1：保持原样：%2</translation>
    </message>
    <message>
        <source>%1: would fail: %2</source>
        <extracomment>%2 is the message a run would give, its lines joined.</extracomment>
        <translation>%1：将会失败：%2</translation>
    </message>
</context>
<context>
    <name>ContentWalk</name>
    <message>
        <source>%1 is in %2, which the fix does not edit</source>
        <extracomment>%1 is a stylesheet&apos;s name in the book, %2 the encoding its @charset rule names.</extracomment>
        <translation>%1 采用 %2 编码，修复不编辑这种编码</translation>
    </message>
</context>
<context>
    <name>DeleteCss</name>
    <message>
        <source>%1 cannot be edited safely, so the stylesheets are kept</source>
        <extracomment>%1 is the name of a package or content document in the book, as OEBPS/ch1.xhtml.</extracomment>
        <translation>无法安全地编辑 %1，因此保留样式表</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>File not found</source>
        <translation>找不到文件</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>找不到路径</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>文件已存在</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>权限被拒绝</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>路径/文件访问错误</translation>
    </message>
    <message>
        <source>%1 (%2 &quot;%3&quot;: %4)</source>
        <extracomment>%1 says what went wrong, %2 what was being done, %3 the file or folder, %4 the system&apos;s own words.</extracomment>
        <translation>%1（%2“%3”：%4）</translation>
    </message>
    <message>
        <source>listing folder</source>
        <translation>列出文件夹</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>deleting folder</source>
        <translation>删除文件夹</translation>
    </message>
    <message>
        <source>deleting</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>deleting file</source>
        <translation>删除文件</translation>
    </message>
    <message>
        <source>copying</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>copying to</source>
        <translation>复制到</translation>
    </message>
    <message>
        <source>deleting file (it is a folder)</source>
        <translation>删除文件（它是文件夹）</translation>
    </message>
    <message>
        <source>creating folder</source>
        <translation>创建文件夹</translation>
    </message>
    <message>
        <source>moving</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>moving to</source>
        <translation>移动到</translation>
    </message>
    <message>
        <source>opening</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>flushing</source>
        <translation>写入磁盘</translation>
    </message>
    <message>
        <source>replacing</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Internal error (a UTF-16 text was cut apart)</source>
        <translation>内部错误（UTF-16 文本被截断）</translation>
    </message>
    <message>
        <source>opening for writing</source>
        <translation>打开以写入</translation>
    </message>
    <message>
        <source>creating the Trash folder</source>
        <translation>创建回收站文件夹</translation>
    </message>
    <message>
        <source>opening the Trash folder</source>
        <translation>打开回收站文件夹</translation>
    </message>
    <message>
        <source>finding the filesystem of</source>
        <translation>查找所在文件系统</translation>
    </message>
    <message>
        <source>creating</source>
        <translation>创建</translation>
    </message>
    <message>
        <source>linking into the Trash</source>
        <translation>链接到回收站</translation>
    </message>
    <message>
        <source>moving into the Trash</source>
        <translation>移到回收站</translation>
    </message>
    <message>
        <source>creating the private temporary folder</source>
        <translation>创建私有临时文件夹</translation>
    </message>
    <message>
        <source>creating the lock</source>
        <translation>创建锁</translation>
    </message>
    <message>
        <source>Internal error (a stylesheet was to be written without its encoding)</source>
        <translation>内部错误（样式表将在没有其编码的情况下写入）</translation>
    </message>
    <message>
        <source>renaming</source>
        <translation>重命名</translation>
    </message>
</context>
<context>
    <name>FixRecord</name>
    <message numerus="yes">
        <source>%n stylesheets edited</source>
        <translation>
            <numerusform>编辑了 %n 个样式表</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stylesheets, </source>
        <extracomment>Followed by the declarations removed: &quot;3 stylesheets, 41 declarations removed&quot;.</extracomment>
        <translation>
            <numerusform>%n 个样式表，</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n declarations removed</source>
        <translation>
            <numerusform>移除了 %n 条声明</numerusform>
        </translation>
    </message>
    <message>
        <source>the fonts embedded whole (%1)</source>
        <extracomment>%1 is the size the four faces take in the book, as &quot;814 KB&quot;.</extracomment>
        <translation>完整嵌入了字体（%1）</translation>
    </message>
    <message>
        <source>the fonts embedded, cut to the book&apos;s characters (%1)</source>
        <extracomment>%1 is the size the four faces take in the book, as &quot;94 KB&quot;.</extracomment>
        <translation>嵌入了字体，并裁剪为书中用到的字符（%1）</translation>
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
        <translation>%1 大小为 %2 MB：Send to Kindle 通过电子邮件最多接收 50 MB。</translation>
    </message>
    <message numerus="yes">
        <source>%n stylesheets deleted</source>
        <translation>
            <numerusform>删除了 %n 个样式表</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the links to them taken out of %n documents</source>
        <translation>
            <numerusform>从 %n 个文档中移除了指向它们的链接</numerusform>
        </translation>
    </message>
    <message>
        <source>language %1 → %2</source>
        <extracomment>%1 is the language the book named, %2 the code it names now: &quot;language C → de&quot;.</extracomment>
        <translation>语言 %1 → %2</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures, %1 → %2</source>
        <extracomment>%1 and %2 are the pictures&apos; sizes before and after: &quot;12 pictures, 4.1 MB → 1.2 MB&quot;.</extracomment>
        <translation>
            <numerusform>%n 张图片，%1 → %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n encoding declarations added</source>
        <translation>
            <numerusform>添加了 %n 条编码声明</numerusform>
        </translation>
    </message>
    <message>
        <source>the links and pictures mended for Send to Kindle</source>
        <translation>已为 Send to Kindle 修正链接和图片</translation>
    </message>
    <message>
        <source>the cover named in the package</source>
        <translation>已在包文档中标明封面</translation>
    </message>
    <message numerus="yes">
        <source>%n sentences and pictures in Kobo&apos;s spans</source>
        <translation>
            <numerusform>%n 个句子和图片放入 Kobo 的 span</numerusform>
        </translation>
    </message>
    <message>
        <source>would become %1</source>
        <extracomment>%1 is the book&apos;s new file name, as &quot;a.kepub.epub&quot;.</extracomment>
        <translation>将变为 %1</translation>
    </message>
    <message>
        <source>now %1</source>
        <translation>现为 %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>            <numerusform>%n 字节</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>less than a minute left</source>
        <translation>剩余不到一分钟</translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>约剩 %n 分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>约剩 %1 小时 %2 分钟</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>已修复</translation>
    </message>
    <message>
        <source>Already as the options ask: left untouched</source>
        <translation>已符合选项要求：未作改动</translation>
    </message>
    <message>
        <source>Left as it was: </source>
        <translation>保持原样：</translation>
    </message>
    <message>
        <source>Failed: </source>
        <translation>失败：</translation>
    </message>
    <message>
        <source>&amp;Load EBook from:</source>
        <translation>从此处加载电子书(&amp;L)：</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>浏览(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Books done</source>
        <translation>已处理的书籍</translation>
    </message>
    <message>
        <source>Check the boo&amp;ks you want to fix:</source>
        <translation>勾选要修复的书籍(&amp;K)：</translation>
    </message>
    <message>
        <source>Select:</source>
        <translation>选择：</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>全不选(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>选项(&amp;O)...</translation>
    </message>
    <message>
        <source>Select a folder...</source>
        <translation>选择文件夹...</translation>
    </message>
    <message>
        <source>Stopping after %1</source>
        <translation>处理完 %1 后停止</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>处理中</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>停止(&amp;T)</translation>
    </message>
    <message>
        <source>Fixing %1 of %2: %3</source>
        <translation>正在修复第 %1 本，共 %2 本：%3</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n books</source>
        <translation>
            <numerusform>%1 / %n 本书</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 counts the books done, %2 says the time left.</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>Fixed: </source>
        <translation>已修复：</translation>
    </message>
</context>
<context>
    <name>KindleReady</name>
    <message>
        <source>%1 is not UTF-8 and names no encoding</source>
        <extracomment>%1 is the name of a content document in the book, as OEBPS/ch1.xhtml.</extracomment>
        <translation>%1 不是 UTF-8 编码，且未声明编码</translation>
    </message>
    <message>
        <source>no language found</source>
        <translation>未找到语言</translation>
    </message>
    <message>
        <source>%1 holds a NUL byte, which XML does not allow</source>
        <extracomment>%1 is the name of a content document in the book, as OEBPS/ch1.xhtml.</extracomment>
        <translation>%1 含有 XML 不允许的 NUL 字节</translation>
    </message>
    <message>
        <source>%1 names %2 and is not UTF-8</source>
        <extracomment>%1 is the name of a content document in the book, as OEBPS/ch1.xhtml; %2 the name of an encoding as the document gives it, as windows-1252.</extracomment>
        <translation>%1 声明为 %2 编码，但不是 UTF-8 编码</translation>
    </message>
</context>
<context>
    <name>Kobo</name>
    <message>
        <source>%1 is not UTF-8 or UTF-16</source>
        <translation>%1 既不是 UTF-8 也不是 UTF-16</translation>
    </message>
    <message>
        <source>%1 does not read as XML (%2)</source>
        <extracomment>%1 is the content document, %2 where and why it does not read (&quot;line 3: ...&quot;).</extracomment>
        <translation>%1 无法作为 XML 读取（%2）</translation>
    </message>
    <message>
        <source>%1 is in a calibre library; calibre&apos;s own Kobo driver converts it as it sends it</source>
        <translation>%1 位于 calibre 书库中；calibre 自带的 Kobo 驱动会在发送时转换它</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 已存在</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Options...</source>
        <translation>选项...</translation>
    </message>
    <message>
        <source>Text styling</source>
        <translation>文本样式</translation>
    </message>
    <message>
        <source>(Otherwise, we&apos;ll just remove all the font sizes.)</source>
        <translation>（否则，仅移除所有字体大小。）</translation>
    </message>
    <message>
        <source>&amp;Alter the stylesheet:</source>
        <translation>修改样式表(&amp;A)：</translation>
    </message>
    <message>
        <source>&amp;Delete CSS entirely?</source>
        <translation>完全删除 CSS(&amp;D)？</translation>
    </message>
    <message>
        <source>&amp;Justify all paragraphs.</source>
        <translation>两端对齐所有段落(&amp;J)。</translation>
    </message>
    <message>
        <source>&amp;Remove fixed font sizes.</source>
        <translation>移除固定字体大小(&amp;R)。</translation>
    </message>
    <message>
        <source>&amp;Install Liberation fonts.</source>
        <translation>安装 Liberation 字体(&amp;I)。</translation>
    </message>
    <message>
        <source>(Allows display of international characters.)</source>
        <translation>（可显示各国文字。）</translation>
    </message>
    <message>
        <source>&amp;Move the original books to the Trash</source>
        <translation>将原书移到回收站(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>For e-readers</source>
        <translation>适用于电子阅读器</translation>
    </message>
    <message>
        <source>Remove fixed &amp;line heights</source>
        <translation>移除固定行高(&amp;L)</translation>
    </message>
    <message>
        <source>Remove &amp;page margins</source>
        <translation>移除页边距(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Use the reader&apos;s own typeface</source>
        <translation>使用阅读器自带的字体(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Keep relative font sizes</source>
        <translation>保留相对字体大小(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Embed only the characters each book uses</source>
        <translation>仅嵌入每本书用到的字符(&amp;E)</translation>
    </message>
    <message>
        <source>Make the books ready for &amp;Send to Kindle</source>
        <translation>为 Send to Kindle 准备书籍(&amp;S)</translation>
    </message>
    <message>
        <source>Use the reader&apos;s o&amp;wn colours</source>
        <translation>使用阅读器自带的颜色(&amp;W)</translation>
    </message>
    <message>
        <source>Make Kobo &amp;books (KEPUB)</source>
        <translation>制作 Kobo 书籍 (KEPUB)(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Fit pictures to the e-reader&apos;s screen</source>
        <translation>将图片缩放到阅读器屏幕大小(&amp;F)</translation>
    </message>
    <message>
        <source>Screen si&amp;ze:</source>
        <translation>屏幕尺寸(&amp;Z)：</translation>
    </message>
    <message>
        <source>Make pictures &amp;grey</source>
        <translation>将图片转为灰度(&amp;G)</translation>
    </message>
</context>
<context>
    <name>Protection</name>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>protected: %1 cannot be read</source>
        <translation>受保护：无法读取 %1</translation>
    </message>
    <message>
        <source>protected: %1 is not well-formed (%2)</source>
        <translation>受保护：%1 格式不正确（%2）</translation>
    </message>
    <message>
        <source>a resource it does not name</source>
        <translation>一个未注明名称的资源</translation>
    </message>
    <message>
        <source>protected: %1 obfuscates %2, which the fix would write over</source>
        <translation>受保护：%1 对 %2 进行了混淆，而修复会覆盖它</translation>
    </message>
    <message>
        <source>protected: %1 encrypts %2</source>
        <translation>受保护：%1 加密了 %2</translation>
    </message>
    <message numerus="yes">
        <source>protected: %1 encrypts %2 and %n more</source>
        <extracomment>%1 is META-INF/encryption.xml, %2 the first resource it encrypts, %n how many more it encrypts.</extracomment>
        <translation>
            <numerusform>受保护：%1 加密了 %2 及另外 %n 个资源</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SharedLibrary</name>
    <message>
        <source>Cannot load the library %1 (%2)</source>
        <translation>无法加载库 %1（%2）</translation>
    </message>
    <message>
        <source>Cannot load the library %1</source>
        <translation>无法加载库 %1</translation>
    </message>
    <message>
        <source>Cannot find the entry point %1 in %2</source>
        <translation>在 %2 中找不到入口点 %1</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>Permission denied (the Trash folder &quot;%1&quot; is a link, a file or another user&apos;s folder)</source>
        <translation>权限被拒绝（回收站文件夹“%1”是链接、文件或其他用户的文件夹）</translation>
    </message>
    <message>
        <source>The original of &quot;%1&quot; could not be put in the Trash &quot;%2&quot;, so it was left as it was: %3</source>
        <translation>无法将“%1”的原件放入回收站“%2”，因此它保持原样：%3</translation>
    </message>
    <message>
        <source>The book &quot;%1&quot; could not be replaced, and its original is in the Trash as &quot;%2&quot;.</source>
        <translation>无法替换书籍“%1”，其原件已在回收站中，名为“%2”。</translation>
    </message>
</context>
<context>
    <name>UnzipBinding</name>
    <message>
        <source>Overwrite &quot;%1&quot; ?</source>
        <translation>覆盖“%1”？</translation>
    </message>
    <message>
        <source>VBUnZip32 - File Already Exists!</source>
        <translation>VBUnZip32 - 文件已存在！</translation>
    </message>
    <message>
        <source>Please Enter The Password!</source>
        <translation>请输入密码！</translation>
    </message>
    <message>
        <source>The supplied password exceeds the maximum password length %1 supported by the UnZip DLL.</source>
        <translation>所提供的密码超过了 UnZip DLL 支持的最大长度 %1。</translation>
    </message>
    <message>
        <source>UnZip password too long</source>
        <translation>UnZip 密码过长</translation>
    </message>
    <message>
        <source>The program cannot continue.</source>
        <translation>程序无法继续。</translation>
    </message>
    <message>
        <source>Incompatible DLL version discovered!</source>
        <translation>发现不兼容的 DLL 版本！</translation>
    </message>
    <message>
        <source>The UnZip DLL requires a version structure of length %1, but the VB frontend expects the DLL to need 68bytes.</source>
        <translation>UnZip DLL 需要长度为 %1 的版本结构，但 VB 前端期望 DLL 需要 68 字节。</translation>
    </message>
    <message>
        <source>Incompatible old DLL version discovered!</source>
        <translation>发现不兼容的旧版 DLL！</translation>
    </message>
    <message>
        <source>This program requires an UnZip DLL version of at least %1, but the version reported by the found DLL is only %2.</source>
        <translation>本程序需要至少 %1 版本的 UnZip DLL，但找到的 DLL 报告的版本仅为 %2。</translation>
    </message>
    <message>
        <source>DLL version with incompatible API discovered!</source>
        <translation>发现 API 不兼容的 DLL 版本！</translation>
    </message>
    <message>
        <source>This program can only handle UnZip DLL API versions up to %1, but the found DLL reports a newer API version of %2.</source>
        <translation>本程序只能处理 %1 及以下版本的 UnZip DLL API，但找到的 DLL 报告了更新的 API 版本 %2。</translation>
    </message>
</context>
<context>
    <name>ZipBinding</name>
    <message>
        <source>Enter the comment</source>
        <translation>请输入注释</translation>
    </message>
    <message>
        <source>Please Enter The Password!</source>
        <translation>请输入密码！</translation>
    </message>
    <message>
        <source>Zip32.dll did not initialize.  Is it in the current directory or on the command path?</source>
        <translation>Zip32.dll 未能初始化。它是否位于当前目录或命令搜索路径中？</translation>
    </message>
    <message>
        <source>VB Zip</source>
        <translation>VB Zip</translation>
    </message>
</context>
</TS>
