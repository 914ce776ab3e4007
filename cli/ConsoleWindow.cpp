#include "ConsoleWindow.h"

#include "Translation.h"

#include <iostream>
#include <unistd.h>

ConsoleWindow::ConsoleWindow(std::string folderText, std::vector<ConsoleBook> books)
    : folderText_(std::move(folderText)), books_(std::move(books))
{
}

void ConsoleWindow::BookStarting(std::size_t number, std::size_t total, const std::string& entry)
{
    if (::isatty(STDERR_FILENO))
        std::cerr << "[" << number << "/" << total << "] " << entry << std::endl;
}

void ConsoleWindow::BookFinished(std::size_t index, BookOutcome outcome, const std::string& why)
{
    if (outcome == BookOutcome::LeftAlone)
        std::cerr << Words::Fill(Words::translate("Console", "%1: left as it was: %2"), {books_.at(index).shown, why})
                  << std::endl;
}

void ConsoleWindow::BookNoted(std::size_t index, const std::string& note)
{
    std::cerr << Words::Fill(Words::translate("Console", "%1: %2"), {books_.at(index).shown, note}) << std::endl;
}

void ConsoleWindow::OriginalKept(const std::string&, const std::string& kept)
{
    const std::string folder = PathText::FolderOf(kept);
    if (trashFolders_.insert(folder).second)
        std::cerr << Words::Fill(Words::translate("Console", "The original books are in the Trash: %1"), {folder})
                  << std::endl;
}
