#pragma once

#include "UserPrompter.h"

#include <functional>
#include <string>
#include <utility>

// The prompter while a run goes on: hands every message to the prompter it
// stands in for, and the run's summary (its one message with details) to
// a watcher first, as the box that shows it comes up. In use while it
// lives.
class SummaryWatch : public UserPrompter {
public:
    explicit SummaryWatch(std::function<void(const std::string&)> summaryShowing)
        : inner_(Prompter()), summaryShowing_(std::move(summaryShowing))
    {
        SetPrompter(this);
    }
    ~SummaryWatch() override { SetPrompter(&inner_); }
    SummaryWatch(const SummaryWatch&) = delete;
    SummaryWatch& operator=(const SummaryWatch&) = delete;

    MessageAnswer ShowMessageBox(const std::string& text, const std::string& title, MessageButtons buttons,
                                 MessageIcon icon) override
    {
        return inner_.ShowMessageBox(text, title, buttons, icon);
    }
    void ShowDetailedMessage(const std::string& text, const std::string& details, MessageIcon icon) override
    {
        summaryShowing_(text);
        inner_.ShowDetailedMessage(text, details, icon);
    }
    std::string AskInput(const std::string& prompt, const std::string& title, InputEcho echo) override
    {
        return inner_.AskInput(prompt, title, echo);
    }
    void PrintOnWindow(const std::string& text) override { inner_.PrintOnWindow(text); }
    void ProcessPendingEvents() override { inner_.ProcessPendingEvents(); }

private:
    UserPrompter& inner_;
    std::function<void(const std::string&)> summaryShowing_;
};
