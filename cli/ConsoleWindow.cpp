#include "ConsoleWindow.h"

#include <iostream>
#include <unistd.h>

ConsoleWindow::ConsoleWindow(std::string folder, std::vector<std::string> entries)
    : folder_(std::move(folder)), entries_(std::move(entries))
{
}

void ConsoleWindow::BookStarting(std::size_t number, std::size_t total, const std::string& entry)
{
    if (::isatty(STDERR_FILENO))
        std::cerr << "[" << number << "/" << total << "] " << entry << std::endl;
}
