#include "CommandLine.h"

#include "SettingsStore.h"

#include <map>

const char* const UsageText =
    "Usage: bindwell-cli [options] FOLDER\n"
    "Lists every EPUB below FOLDER as the Bindwell window does (same rules, same order)\n"
    "and fixes them all.\n"
    "\n"
    "  --list                          print the books found, one relative path a line,\n"
    "                                  and change nothing\n"
    "  --font-sizes | --no-font-sizes  option FontSizes for this run\n"
    "  --justify    | --no-justify     option JustifyText for this run\n"
    "  --fonts      | --no-fonts       option IntlFonts for this run\n"
    "  --delete-css | --keep-css       option DeleteCSS for this run\n"
    "  --save                          also save the options given to the settings store\n"
    "  -h, --help                      show this text\n"
    "  --version                       show the version\n"
    "\n"
    "Options not given come from the settings store, as the window reads them.\n"
    "Exit status: 0 books fixed, 1 a failure or no books, 2 a usage error,\n"
    "3 an UnZip library of the wrong version.\n";

CommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    static const std::map<std::string, std::pair<const char*, bool>> switches = {
        {"--font-sizes", {OptionKey::FontSizes, true}},  {"--no-font-sizes", {OptionKey::FontSizes, false}},
        {"--justify", {OptionKey::JustifyText, true}},   {"--no-justify", {OptionKey::JustifyText, false}},
        {"--fonts", {OptionKey::IntlFonts, true}},       {"--no-fonts", {OptionKey::IntlFonts, false}},
        {"--delete-css", {OptionKey::DeleteCSS, true}},  {"--keep-css", {OptionKey::DeleteCSS, false}},
    };
    CommandLine line;
    auto fail = [&](const std::string& why) {
        line.action = CommandLine::Action::UsageError;
        line.error = why;
        return line;
    };
    bool folderGiven = false, onlyNames = false;
    for (const std::string& arg : arguments) {
        if (!onlyNames && arg == "--") {
            onlyNames = true;
        } else if (!onlyNames && (arg == "-h" || arg == "--help")) {
            line.action = CommandLine::Action::Help;
            return line;
        } else if (!onlyNames && arg == "--version") {
            line.action = CommandLine::Action::Version;
            return line;
        } else if (!onlyNames && arg == "--list") {
            line.action = CommandLine::Action::List;
        } else if (!onlyNames && arg == "--save") {
            line.save = true;
        } else if (auto it = switches.find(arg); !onlyNames && it != switches.end()) {
            line.options.emplace_back(it->second.first, it->second.second);
        } else if (!onlyNames && arg.size() > 1 && arg[0] == '-') {
            return fail("unknown option " + arg);
        } else if (folderGiven) {
            return fail("only one FOLDER may be given");
        } else {
            line.folder = arg;
            folderGiven = true;
        }
    }
    if (!folderGiven)
        return fail("no FOLDER given");
    return line;
}
