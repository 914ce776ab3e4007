#include "ConsoleWindow.h"

#include "Translation.h"

#include <iostream>
#include <string>
#include <unistd.h>

namespace {

// A message of several lines on one: its lines joined by a blank.
std::string OneLine(std::string text)
{
    std::string joined;
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            if (!joined.empty() && joined.back() != ' ')
                joined += ' ';
        } else {
            joined += c;
        }
    }
    while (!joined.empty() && joined.back() == ' ')
        joined.pop_back();
    return joined;
}

}  // namespace

ConsoleWindow::ConsoleWindow(std::string folderText, std::vector<ConsoleBook> books, bool dryRun)
    : folderText_(std::move(folderText)), books_(std::move(books)), dryRun_(dryRun)
{
}

void ConsoleWindow::BookStarting(std::size_t number, std::size_t total, const std::string& entry)
{
    if (::isatty(STDERR_FILENO))
        std::cerr << "[" << number << "/" << total << "] " << entry << std::endl;
}

void ConsoleWindow::BookFinished(std::size_t index, BookOutcome outcome, const std::string& why)
{
    if (dryRun_) {
        const std::string& book = books_.at(index).shown;
        switch (outcome) {
        case BookOutcome::Fixed:
            //: %1 is the book, %2 what a run would change in it.
            std::cout << Words::Fill(Words::translate("Console", "%1: would change: %2"), {book, why});
            break;
        case BookOutcome::Untouched:
            std::cout << Words::Fill(Words::translate("Console", "%1: already as the options ask"), {book});
            break;
        case BookOutcome::LeftAlone:
            std::cout << Words::Fill(Words::translate("Console", "%1: left alone: %2"), {book, why});
            break;
        case BookOutcome::Failed:
            //: %2 is the message a run would give, its lines joined.
            std::cout << Words::Fill(Words::translate("Console", "%1: would fail: %2"), {book, OneLine(why)});
            break;
        }
        std::cout << std::endl;
        return;
    }
    if (outcome == BookOutcome::LeftAlone)
        std::cerr << Words::Fill(Words::translate("Console", "%1: left as it was: %2"), {books_.at(index).shown, why})
                  << std::endl;
}

void ConsoleWindow::BookNoted(std::size_t index, const std::string& note)
{
    std::cerr << Words::Fill(Words::translate("Console", "%1: %2"), {books_.at(index).shown, note}) << std::endl;
}

void ConsoleWindow::BookSaid(std::size_t, const std::string& sentence)
{
    std::cerr << sentence << std::endl;
}

void ConsoleWindow::BookRenamed(std::size_t index, const std::string& newPath)
{
    books_.at(index).path = newPath;
    std::cout << newPath << std::endl;
}

void ConsoleWindow::OriginalKept(const std::string&, const std::string& kept)
{
    const std::string folder = PathText::FolderOf(kept);
    if (trashFolders_.insert(folder).second)
        std::cerr << Words::Fill(Words::translate("Console", "The original books are in the Trash: %1"), {folder})
                  << std::endl;
}
