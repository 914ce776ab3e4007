#pragma once

#include "UserPrompter.h"

// Messages on the terminal: failures and warnings on standard error, the
// rest on standard output. Questions are asked on the terminal when there
// is one, and otherwise answered No, Cancel or the empty text, so that a
// script never waits.
class ConsolePrompter : public UserPrompter {
public:
    MessageAnswer ShowMessageBox(const std::string& text, const std::string& title, MessageButtons buttons,
                                 MessageIcon icon) override;
    // The details were said on standard error as the run went (the
    // console window's progress lines); the text alone is said again.
    void ShowDetailedMessage(const std::string& text, const std::string&, MessageIcon icon) override
    {
        ShowMessageBox(text, ApplicationTitle, MessageButtons::Ok, icon);
    }
    std::string AskInput(const std::string& prompt, const std::string& title, InputEcho echo) override;
    void PrintOnWindow(const std::string& text) override;
    void ProcessPendingEvents() override {}
};

// True when standard input and standard error are both a terminal.
bool InteractiveTerminal();
