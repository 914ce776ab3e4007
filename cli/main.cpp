// bindwell-cli: the batch run from a terminal or a script, over every EPUB
// below one folder.
#include "BatchRun.h"
#include "BookDiscovery.h"
#include "CommandLine.h"
#include "ConsolePrompter.h"
#include "ConsoleWindow.h"
#include "FileSystemObject.h"
#include "PathText.h"
#include "ProgramEnd.h"
#include "SettingsStore.h"

#include <iostream>

namespace {

enum ExitStatus { Fixed = 0, Failed = 1, Usage = 2, VersionRefused = 3 };

// The folder as the run joins entries to it: without a final separator,
// unless it is the root.
std::string FolderText(std::string folder)
{
    while (folder.size() > 1 && folder.back() == PathText::Separator)
        folder.pop_back();
    return folder;
}

}  // namespace

int main(int argc, char** argv)
{
    const CommandLine line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (line.action) {
    case CommandLine::Action::Help:
        std::cout << UsageText;
        return Fixed;
    case CommandLine::Action::Version:
        std::cout << "bindwell-cli " << BINDWELL_VERSION << "\n";
        return Fixed;
    case CommandLine::Action::UsageError:
        std::cerr << "bindwell-cli: " << line.error << "\n" << UsageText;
        return Usage;
    default:
        break;
    }
    if (!FileSystem().FolderExists(line.folder)) {
        std::cerr << "bindwell-cli: " << line.folder << " is not a folder\n";
        return Usage;
    }

    const std::string folder = FolderText(line.folder);
    const std::vector<std::string> books = ListBooks(folder);
    if (line.action == CommandLine::Action::List) {
        for (const std::string& book : books)
            std::cout << book << "\n";
        return books.empty() ? Failed : Fixed;
    }

    SettingsStore::LoadOptions();
    for (const auto& [key, on] : line.options)
        SettingsStore::PutOption(key, on);
    if (line.save)
        SettingsStore::SaveOptions();

    ConsolePrompter prompter;
    SetPrompter(&prompter);
    ConsoleWindow window(folder, books);
    try {
        const RunOutcome outcome = StartBatchRun(window);
        return outcome == RunOutcome::Summary ? Fixed : Failed;
    } catch (const ProgramEndRequest& end) {
        return end.exitCode;
    }
}
