// bindwell-cli: the batch run from a terminal or a script, over the books
// of the folders and the book files it is given.
#include "BatchRun.h"
#include "BookProtection.h"
#include "CommandLine.h"
#include "ConsolePrompter.h"
#include "ConsoleWindow.h"
#include "LocalTimeZone.h"
#include "NamedBooks.h"
#include "ProgramEnd.h"
#include "RunTimeError.h"
#include "SettingsStore.h"
#include "Translations.h"

#include <QCoreApplication>

#include <iostream>
#include <optional>

namespace {

enum ExitStatus { Fixed = 0, Failed = 1, Usage = 2 };

// One book a line; a protected book, which a run would leave as it is,
// with a tab and the reason after it.
int ListBooks(const std::vector<ConsoleBook>& books)
{
    const bool fontsCopied = SettingsStore::IsOptionOn(OptionKey::IntlFonts);
    for (const ConsoleBook& book : books) {
        std::optional<std::string> protection;
        try {
            protection = PackedBookProtection(book.path, fontsCopied);
        } catch (const RunTimeError& e) {
            std::cerr << "bindwell-cli: " << e.description() << "\n";
            return Failed;
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
