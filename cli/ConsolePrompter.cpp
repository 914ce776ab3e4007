#include "ConsolePrompter.h"

#include "Translation.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

// Messages come with CR LF line breaks; a terminal wants LF.
std::string ForTerminal(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            out += text[i];
    return out;
}

std::string ReadLine(bool hidden)
{
    termios saved {};
    const bool echoOff = hidden && ::tcgetattr(STDIN_FILENO, &saved) == 0;
    if (echoOff) {
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    std::string line;
    std::getline(std::cin, line);
    if (echoOff) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        std::cerr << "\n";
    }
    return line;
}

}  // namespace

bool InteractiveTerminal()
{
    return ::isatty(STDIN_FILENO) && ::isatty(STDERR_FILENO);
}

MessageAnswer ConsolePrompter::ShowMessageBox(const std::string& text, const std::string& title,
                                              MessageButtons buttons, MessageIcon icon)
{
    std::ostream& out = icon == MessageIcon::None && buttons == MessageButtons::Ok ? std::cout : std::cerr;
    const std::string shown = ForTerminal(text);
    if (buttons == MessageButtons::Ok) {
        out << shown << std::endl;
        return MessageAnswer::Ok;
    }
    const MessageAnswer fallback = buttons == MessageButtons::YesNoCancel ? MessageAnswer::No : MessageAnswer::Cancel;
    std::cerr << title << ": " << shown;
    if (!InteractiveTerminal()) {
        std::cerr << " -- "
                  << (fallback == MessageAnswer::No ? Words::translate("Console", "no (no terminal)")
                                                    : Words::translate("Console", "cancel (no terminal)"))
                  << std::endl;
        return fallback;
    }
    const bool yesNo = buttons == MessageButtons::YesNoCancel;
    //: the letters in brackets are the keys to type; keep them.
    std::cerr << " "
              << (yesNo ? Words::translate("Console", "[y]es, [n]o, [c]ancel:")
                        : Words::translate("Console", "[r]etry, [c]ancel:"))
              << " " << std::flush;
    const std::string answer = ReadLine(false);
    const char c = answer.empty() ? '\0' : static_cast<char>(answer[0] | 0x20);
    if (yesNo && c == 'y')
        return MessageAnswer::Yes;
    if (yesNo && c == 'n')
        return MessageAnswer::No;
    if (!yesNo && c == 'r')
        return MessageAnswer::Retry;
    return yesNo && c != 'c' ? MessageAnswer::No : MessageAnswer::Cancel;
}

std::string ConsolePrompter::AskInput(const std::string& prompt, const std::string&, InputEcho echo)
{
    if (!InteractiveTerminal())
        return {};
    std::cerr << ForTerminal(prompt) << " " << std::flush;
    return ReadLine(echo == InputEcho::Hidden);
}

void ConsolePrompter::PrintOnWindow(const std::string& text)
{
    if (InteractiveTerminal())
        std::cerr << text << std::flush;
}
