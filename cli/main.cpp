// bindwell-cli: the batch run from a terminal or a script, over the books
// of the folders and the book files it is given.
#include "BatchRun.h"
#include "BookProtection.h"
#include "BookReplacement.h"
#include "CommandLine.h"
#include "ConsolePrompter.h"
#include "ConsoleWindow.h"
#include "LocalTimeZone.h"
#include "NamedBooks.h"
#include "ProgramEnd.h"
#include "RunTimeError.h"
#include "SettingsStore.h"
#include "Translations.h"
#include "Translation.h"

#include <QCoreApplication>

#include <filesystem>
#include <iostream>
#include <optional>

namespace {

enum ExitStatus { Fixed = 0, Failed = 1, Usage = 2 };

// What a run would do to a book's name, as Kobo books: "would become
// NAME.kepub.epub", or why it keeps it and is left as it is; empty where
// the name stays and nothing keeps the book from being fixed.
std::string KoboNameMark(const std::string& path)
{
    if (InCalibreLibrary(path))
        return Words::Fill(Words::translate("Kobo", "%1 is in a calibre library; calibre's own Kobo driver converts it "
                                                    "as it sends it"),
                           {path});
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec))
        return {};
    const std::optional<std::string> name = KoboBookName(path);
    if (!name)
        return {};
    if (std::filesystem::exists(std::filesystem::symlink_status(std::filesystem::path(path).parent_path() / *name, ec)))
        return Words::Fill(Words::translate("Kobo", "%1 already exists"), {*name});
    return Words::Fill(Words::translate("FixRecord", "would become %1"), {*name});
}

// One book a line; a protected book, which a run would leave as it is,
// with a tab and the reason after it; with Kobo books, a book whose name
// a run would change, or which it would leave as it is for its name, with
// a tab and what the run would do.
int ListBooks(const std::vector<ConsoleBook>& books)
{
    const bool fontsCopied = SettingsStore::IsOptionOn(OptionKey::IntlFonts);
    const bool kobo = SettingsStore::IsOptionOn(OptionKey::KoboBooks);
    for (const ConsoleBook& book : books) {
        std::optional<std::string> protection;
        try {
            protection = PackedBookProtection(book.path, fontsCopied);
        } catch (const RunTimeError& e) {
            std::cerr << "bindwell-cli: " << e.description() << "\n";
            return Failed;
        }
        if (!protection && kobo) {
            const std::string mark = KoboNameMark(book.path);
            if (!mark.empty())
                protection = mark;
        }
        std::cout << book.shown << (protection ? "\t" + *protection : std::string()) << "\n";
    }
    return books.empty() ? Failed : Fixed;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("bindwell-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BINDWELL_VERSION));
    InstallTranslations();
    NameLocalTimeZone();

    CommandLineParser parser;
    const CommandLine line = parser.Parse(std::vector<std::string>(argv + 1, argv + argc));
    switch (line.action) {
    case CommandLine::Action::Help:
        std::cout << parser.HelpText();
        return Fixed;
    case CommandLine::Action::Version:
        std::cout << "bindwell-cli " << BINDWELL_VERSION << "\n";
        return Fixed;
    case CommandLine::Action::UsageError:
        std::cerr << "bindwell-cli: " << line.error << "\n\n" << parser.HelpText();
        return Usage;
    default:
        break;
    }

    const NamedBooks named = FindNamedBooks(line.paths);
    if (!named.error.empty()) {
        std::cerr << "bindwell-cli: " << named.error << "\n";
        return Usage;
    }
    SettingsStore::LoadOptions();
    for (const auto& [key, on] : line.options)
        SettingsStore::PutOption(key, on);
    for (const auto& [key, text] : line.texts)
        SettingsStore::PutOptionText(key, text);
    if (line.save && line.action != CommandLine::Action::List)
        SettingsStore::SaveOptions();

    ConsolePrompter prompter;
    SetPrompter(&prompter);
    ConsoleWindow window(FolderWithoutSeparator(line.paths.front()), named.books, line.dryRun);
    try {
        if (line.action == CommandLine::Action::List)
            return ListBooks(named.books);
        const RunOutcome outcome = StartBatchRun(window, RunPolicy{line.keepGoing, line.dryRun});
        return outcome == RunOutcome::Summary ? Fixed : Failed;
    } catch (const ProgramEndRequest& end) {
        return end.exitCode;
    }
}
