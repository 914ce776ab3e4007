#include "UserPrompter.h"

namespace {

class SilentPrompter : public UserPrompter {
public:
    MessageAnswer ShowMessageBox(const std::string&, const std::string&, MessageButtons buttons, MessageIcon) override
    {
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
    std::string AskInput(const std::string&, const std::string&, InputEcho) override { return {}; }
    void PrintOnWindow(const std::string&) override {}
    void ProcessPendingEvents() override {}
};

SilentPrompter g_silent;
UserPrompter* g_current = &g_silent;

}  // namespace

UserPrompter& Prompter()
{
    return *g_current;
}

void SetPrompter(UserPrompter* prompter)
{
    g_current = prompter ? prompter : &g_silent;
}

void ShowMessage(const std::string& text)
{
    Prompter().ShowMessageBox(text, ApplicationTitle, MessageButtons::Ok, MessageIcon::Warning);
}
