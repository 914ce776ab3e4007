#pragma once

#include <QCommandLineParser>

#include <string>
#include <utility>
#include <vector>

// What the command line asked for.
struct CommandLine {
    enum class Action { Fix, List, Help, Version, UsageError };
    Action action = Action::Fix;
    std::vector<std::string> paths;                     // folders and books, as given
    std::vector<std::pair<std::string, bool>> options;  // option key, on; in the order given
    std::vector<std::pair<std::string, std::string>> texts;  // option key, text: the screen's size
    bool save = false;
    bool keepGoing = false;
    bool dryRun = false;
    std::string error;  // for UsageError
};

// Reads the arguments (the program's name aside) with QCommandLineParser.
// PATHs keep their bytes as given, whatever their encoding.
class CommandLineParser {
public:
    CommandLineParser();
    CommandLine Parse(const std::vector<std::string>& arguments);

    // Qt's help text; needs the QCoreApplication.
    std::string HelpText() const;

private:
    QCommandLineParser parser_;
};
