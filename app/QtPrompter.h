#pragma once

#include "UserPrompter.h"

#include <functional>
#include <string>

// Messages and questions as Qt message and input boxes over the active
// window; printed text goes to the main window's surface.
class QtPrompter : public UserPrompter {
public:
    explicit QtPrompter(std::function<void(const std::string&)> printOnWindow);

    MessageAnswer ShowMessageBox(const std::string& text, const std::string& title, MessageButtons buttons,
                                 MessageIcon icon) override;
    void ShowDetailedMessage(const std::string& text, const std::string& details, MessageIcon icon) override;
    std::string AskInput(const std::string& prompt, const std::string& title, InputEcho echo) override;
    void PrintOnWindow(const std::string& text) override;
    void ProcessPendingEvents() override;

private:
    std::function<void(const std::string&)> printOnWindow_;
};
