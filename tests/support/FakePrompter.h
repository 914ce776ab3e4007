#pragma once

#include "UserPrompter.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// Records every message, question and printed text, and answers from
// queues the test fills. An empty queue answers OK / Cancel / the empty
// text. Installs itself as the program's prompter while it lives.
class FakePrompter : public UserPrompter {
public:
    struct Message {
        std::string text, title;
        MessageButtons buttons;
        MessageIcon icon;
        std::string details;
    };
    struct Question {
        std::string prompt, title;
    };

    FakePrompter() { SetPrompter(this); }
    ~FakePrompter() override { SetPrompter(nullptr); }

    MessageAnswer ShowMessageBox(const std::string& text, const std::string& title, MessageButtons buttons,
                                 MessageIcon icon) override
    {
        return Record({text, title, buttons, icon, {}});
    }

    void ShowDetailedMessage(const std::string& text, const std::string& details, MessageIcon icon) override
    {
        Record({text, ApplicationTitle, MessageButtons::Ok, icon, details});
    }

    MessageAnswer Record(Message message)
    {
        messages.push_back(std::move(message));
        const MessageButtons buttons = messages.back().buttons;
        if (onMessage)
            onMessage(messages.back());
        if (!messageAnswers.empty()) {
            const MessageAnswer a = messageAnswers.front();
            messageAnswers.pop_front();
            return a;
        }
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }

    std::string AskInput(const std::string& prompt, const std::string& title, InputEcho) override
    {
        questions.push_back({prompt, title});
        if (inputAnswers.empty())
            return {};
        std::string a = inputAnswers.front();
        inputAnswers.pop_front();
        return a;
    }

    void PrintOnWindow(const std::string& text) override { printed += text; }
    void ProcessPendingEvents() override
    {
        ++eventRounds;
        if (onEvents)
            onEvents();
    }

    std::vector<std::string> texts() const
    {
        std::vector<std::string> all;
        for (const Message& m : messages)
            all.push_back(m.text);
        return all;
    }

    std::vector<Message> messages;
    std::vector<Question> questions;
    std::deque<MessageAnswer> messageAnswers;
    std::deque<std::string> inputAnswers;
    std::string printed;
    int eventRounds = 0;
    // Called as each message is shown, while the code that shows it waits.
    std::function<void(const Message&)> onMessage;
    // Called whenever the program lets the window handle what is pending:
    // what another program or the user might do in the middle of a run.
    std::function<void()> onEvents;
};
