#pragma once

#include "LineBreak.h"

#include <string>

// Everything the program shows a user or asks one goes through this one
// interface: the window has a Qt version, the command line a console one,
// and the tests a recording fake.
enum class MessageButtons { Ok, YesNoCancel, RetryCancel };
enum class MessageIcon { None, Warning, Critical };
enum class MessageAnswer { Ok, Yes, No, Cancel, Retry };
enum class InputEcho { Shown, Hidden };  // Hidden: a password, not shown as it is typed

inline constexpr char ApplicationTitle[] = "Bindwell";

class UserPrompter {
public:
    virtual ~UserPrompter() = default;

    // A modal message box; returns the button chosen.
    virtual MessageAnswer ShowMessageBox(const std::string& text, const std::string& title, MessageButtons buttons,
                                         MessageIcon icon) = 0;

    // A modal message box with an OK button and the application's title,
    // whose details, a longer text the user may open, list what text sums
    // up. Where there is no such box, the details follow the text.
    virtual void ShowDetailedMessage(const std::string& text, const std::string& details, MessageIcon icon)
    {
        ShowMessageBox(details.empty() ? text : text + LineBreak + LineBreak + details, ApplicationTitle,
                       MessageButtons::Ok, icon);
    }

    // A modal input box with no default text; empty when cancelled.
    virtual std::string AskInput(const std::string& prompt, const std::string& title, InputEcho echo) = 0;

    // Plain text drawn on the main window's own surface.
    virtual void PrintOnWindow(const std::string& text) = 0;

    // Lets the window handle what is pending (input, repaints).
    virtual void ProcessPendingEvents() = 0;
};

// The prompter in use. Until one is set, a silent one answers every
// question with Cancel or the empty text.
UserPrompter& Prompter();
void SetPrompter(UserPrompter* prompter);

// The batch run's warning box: OK, the exclamation icon, "Bindwell".
void ShowMessage(const std::string& text);
