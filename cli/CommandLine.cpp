#include "CommandLine.h"

#include "FixOptions.h"
#include "SettingsStore.h"
#include "Translation.h"

#include <QCoreApplication>
#include <QStringList>

#include <map>
#include <optional>

namespace {

const char Description[] = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Fixes EPUB books as the Bindwell window does. Each PATH is a folder, whose books\n"
    "are found as the window finds them (same rules, same order), or an EPUB file.\n"
    "Books are fixed in the order given, each once.\n"
    "\n"
    "Options not given come from the settings store, as the window reads them.\n"
    "Exit status: 0 books fixed, 1 a failure or no books, 2 a usage error,\n"
    "3 an UnZip library of the wrong version.");

struct Switch {
    const char* name;
    const char* key;
    bool on;
    const char* description;
};

const Switch Switches[] = {
    {"font-sizes", OptionKey::FontSizes, true,
        QT_TRANSLATE_NOOP("CommandLine", "Remove fixed font sizes (option FontSizes) in this run.")},
    {"no-font-sizes", OptionKey::FontSizes, false,
        QT_TRANSLATE_NOOP("CommandLine", "Keep fixed font sizes in this run.")},
    {"justify", OptionKey::JustifyText, true,
        QT_TRANSLATE_NOOP("CommandLine", "Justify all paragraphs (option JustifyText) in this run.")},
    {"no-justify", OptionKey::JustifyText, false,
        QT_TRANSLATE_NOOP("CommandLine", "Do not justify paragraphs in this run.")},
    {"fonts", OptionKey::IntlFonts, true,
        QT_TRANSLATE_NOOP("CommandLine", "Install the Liberation fonts (option IntlFonts) in this run.")},
    {"no-fonts", OptionKey::IntlFonts, false,
        QT_TRANSLATE_NOOP("CommandLine", "Do not install the fonts in this run.")},
    {"delete-css", OptionKey::DeleteCSS, true,
        QT_TRANSLATE_NOOP("CommandLine", "Delete the stylesheets entirely (option DeleteCSS) in this run.")},
    {"keep-css", OptionKey::DeleteCSS, false,
        QT_TRANSLATE_NOOP("CommandLine", "Alter the stylesheets instead of deleting them in this run.")},
    {"line-heights", OptionKey::LineHeights, true,
        QT_TRANSLATE_NOOP("CommandLine", "Remove fixed line heights (option LineHeights) in this run.")},
    {"no-line-heights", OptionKey::LineHeights, false,
        QT_TRANSLATE_NOOP("CommandLine", "Keep fixed line heights in this run.")},
    {"page-margins", OptionKey::PageMargins, true,
        QT_TRANSLATE_NOOP("CommandLine", "Remove the page margins (option PageMargins) in this run.")},
    {"no-page-margins", OptionKey::PageMargins, false,
        QT_TRANSLATE_NOOP("CommandLine", "Keep the page margins in this run.")},
    {"font-families", OptionKey::FontFamilies, true,
        QT_TRANSLATE_NOOP("CommandLine",
            "Remove the typefaces the books name, monospace ones aside, so that the reader's own is used "
            "(option FontFamilies) in this run.")},
    {"no-font-families", OptionKey::FontFamilies, false,
        QT_TRANSLATE_NOOP("CommandLine", "Keep the typefaces the books name in this run.")},
    {"relative-sizes", OptionKey::RelativeSizes, true,
        QT_TRANSLATE_NOOP("CommandLine",
            "Where fixed font sizes are removed, keep the sizes relative to the reader's own "
            "(option RelativeSizes) in this run.")},
    {"no-relative-sizes", OptionKey::RelativeSizes, false,
        QT_TRANSLATE_NOOP("CommandLine", "Remove relative font sizes too in this run.")},
    {"subset-fonts", OptionKey::SubsetFonts, true,
        QT_TRANSLATE_NOOP("CommandLine",
            "Where the fonts are installed, embed only the characters each book uses "
            "(option SubsetFonts) in this run.")},
    {"no-subset-fonts", OptionKey::SubsetFonts, false,
        QT_TRANSLATE_NOOP("CommandLine", "Embed the fonts whole in this run.")},
    {"kindle", OptionKey::KindleReady, true,
        QT_TRANSLATE_NOOP("CommandLine",
            "Make the books ready for Send to Kindle: each content document declares its encoding and links "
            "to no chapter's body, no picture lacks a source, and each book names a language code and its cover "
            "both ways (option KindleReady) in this run.")},
    {"no-kindle", OptionKey::KindleReady, false,
        QT_TRANSLATE_NOOP("CommandLine", "Do not ready the books for Send to Kindle in this run.")},
    {"text-colors", OptionKey::TextColors, true,
        QT_TRANSLATE_NOOP("CommandLine",
            "Remove the colours the books give their text and its background, so that the reader's own are "
            "used (option TextColors) in this run.")},
    {"no-text-colors", OptionKey::TextColors, false,
        QT_TRANSLATE_NOOP("CommandLine", "Keep the colours the books give their text in this run.")},
    {"fit-pictures", OptionKey::FitPictures, true,
        QT_TRANSLATE_NOOP("CommandLine",
            "Scale the pictures larger than the e-reader's screen down to it (option FitPictures) in this "
            "run.")},
    {"no-fit-pictures", OptionKey::FitPictures, false,
        QT_TRANSLATE_NOOP("CommandLine", "Keep the pictures' sizes in this run.")},
    {"grey-pictures", OptionKey::GreyPictures, true,
        QT_TRANSLATE_NOOP("CommandLine", "Make the pictures in colour grey (option GreyPictures) in this run.")},
    {"no-grey-pictures", OptionKey::GreyPictures, false,
        QT_TRANSLATE_NOOP("CommandLine", "Keep the pictures' colours in this run.")},
    {"kepub", OptionKey::KoboBooks, true,
        QT_TRANSLATE_NOOP("CommandLine",
            "Make Kobo books: each book becomes NAME.kepub.epub, read by Kobo's own renderer "
            "(option KoboBooks) in this run.")},
    {"no-kepub", OptionKey::KoboBooks, false,
        QT_TRANSLATE_NOOP("CommandLine", "Do not make Kobo books in this run.")},
    {"keep-originals", OptionKey::KeepOriginals, true,
        QT_TRANSLATE_NOOP(
            "CommandLine", "Move each replaced book's original to the Trash (option KeepOriginals) in this run.")},
    {"no-keep-originals", OptionKey::KeepOriginals, false,
        QT_TRANSLATE_NOOP("CommandLine", "Do not keep the originals in this run.")},
};

// The arguments QCommandLineParser takes for positional ones, with their
// bytes: everything after "--", and every argument not starting with "-".
std::vector<std::string> RawPositionals(const std::vector<std::string>& arguments)
{
    std::vector<std::string> raw;
    bool onlyNames = false;
    for (const std::string& arg : arguments) {
        if (!onlyNames && arg == "--")
            onlyNames = true;
        else if (onlyNames || arg.empty() || arg[0] != '-' || arg == "-")
            raw.push_back(arg);
    }
    return raw;
}

}  // namespace

CommandLineParser::CommandLineParser()
{
    const auto inLanguage = [](const char* text) { return QCoreApplication::translate("CommandLine", text); };
    parser_.setApplicationDescription(inLanguage(Description));
    parser_.addHelpOption();
    parser_.addVersionOption();
    parser_.addOption({QStringLiteral("list"),
        inLanguage(QT_TRANSLATE_NOOP("CommandLine",
            "Print the books found, one a line, "
            "and change nothing; a protected "
            "book with the reason after a tab."))});
    for (const Switch& s : Switches)
        parser_.addOption({QString::fromLatin1(s.name), inLanguage(s.description)});
    //: WIDTHxHEIGHT is the value's name in the usage line; keep it.
    parser_.addOption({QStringLiteral("screen"),
        inLanguage(QT_TRANSLATE_NOOP("CommandLine",
            "The e-reader's screen in pixels, such as 1264x1680, that pictures are fitted to "
            "(option ScreenSize) in this run.")),
        QStringLiteral("WIDTHxHEIGHT")});
    parser_.addOption({QStringLiteral("save"),
        inLanguage(QT_TRANSLATE_NOOP("CommandLine", "Also save the options given to the settings store."))});
    parser_.addOption({QStringLiteral("dry-run"),
        inLanguage(QT_TRANSLATE_NOOP("CommandLine",
            "Take every book through the fix as a run would, and print what it would do to each, "
            "one line a book, then the summary a run would print; change nothing."))});
    parser_.addOption({QStringLiteral("keep-going"),
        inLanguage(QT_TRANSLATE_NOOP("CommandLine",
            "Report a book that fails, leave it as it was, and go on "
            "with the next; list the failed books at the end."))});
    //: PATH is the argument's name in the usage line; keep it.
    parser_.addPositionalArgument(QStringLiteral("PATH"),
        inLanguage(QT_TRANSLATE_NOOP("CommandLine", "A folder of books, or an EPUB file.")), QStringLiteral("PATH..."));
}

CommandLine CommandLineParser::Parse(const std::vector<std::string>& arguments)
{
    CommandLine line;
    QStringList list{QStringLiteral("bindwell-cli")};
    for (const std::string& arg : arguments)
        list << QString::fromLocal8Bit(arg.c_str());
    if (!parser_.parse(list)) {
        line.action = CommandLine::Action::UsageError;
        line.error = parser_.errorText().toStdString();
        return line;
    }
    if (parser_.isSet(QStringLiteral("help")) || parser_.isSet(QStringLiteral("help-all"))) {
        line.action = CommandLine::Action::Help;
        return line;
    }
    if (parser_.isSet(QStringLiteral("version"))) {
        line.action = CommandLine::Action::Version;
        return line;
    }
    for (const QString& name : parser_.optionNames())
        for (const Switch& s : Switches)
            if (name == QLatin1String(s.name))
                line.options.emplace_back(s.key, s.on);
    if (parser_.isSet(QStringLiteral("screen"))) {
        const std::string screen = parser_.value(QStringLiteral("screen")).toStdString();
        const std::optional<FixOptions::Screen> parsed = ParseScreenSize(screen);
        if (!parsed) {
            line.action = CommandLine::Action::UsageError;
            //: %1 is what was given after --screen.
            line.error = Words::Fill(Words::translate("CommandLine",
                                                      "--screen takes WIDTHxHEIGHT in pixels, such as 1264x1680, "
                                                      "not \"%1\""),
                                     {screen});
            return line;
        }
        line.texts.emplace_back(OptionKey::ScreenSize, ScreenSizeText(*parsed));
    }
    line.save = parser_.isSet(QStringLiteral("save"));
    line.keepGoing = parser_.isSet(QStringLiteral("keep-going"));
    line.dryRun = parser_.isSet(QStringLiteral("dry-run"));
    if (parser_.isSet(QStringLiteral("list")))
        line.action = CommandLine::Action::List;
    if (line.dryRun && (line.save || line.action == CommandLine::Action::List)) {
        line.action = CommandLine::Action::UsageError;
        //: --dry-run, --save and --list are the options' names; keep them.
        line.error = line.save ? Words::translate("CommandLine", "--dry-run changes nothing, so it saves nothing: "
                                                                 "--save cannot go with it")
                               : Words::translate("CommandLine", "--dry-run and --list cannot go together");
        return line;
    }

    const QStringList positionals = parser_.positionalArguments();
    line.paths = RawPositionals(arguments);
    if (line.paths.size() != static_cast<std::size_t>(positionals.size())) {
        line.paths.clear();
        for (const QString& path : positionals)
            line.paths.push_back(path.toLocal8Bit().toStdString());
    }
    if (line.paths.empty()) {
        line.action = CommandLine::Action::UsageError;
        line.error = Words::translate("CommandLine", "no PATH given");
    }
    return line;
}

std::string CommandLineParser::HelpText() const
{
    return parser_.helpText().toStdString();
}
