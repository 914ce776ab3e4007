#pragma once

#include <QString>

#include <memory>

class QDBusConnection;

// What the program tells the desktop about a run, over the session bus:
// the part done on the program's launcher icon (the LauncherEntry signal
// that docks and task managers read), and a notification. Every message
// goes without waiting for an answer: without a session bus, or with
// nobody listening, nothing is shown and nothing else changes.
class DesktopSignals {
public:
    DesktopSignals();
    ~DesktopSignals();
    DesktopSignals(const DesktopSignals&) = delete;
    DesktopSignals& operator=(const DesktopSignals&) = delete;

    // done: the part of the run done, from 0 to 1.
    void ShowProgress(double done);
    void ClearProgress();

    // A notification with the program's name and icon that says text.
    void Notify(const QString& text);

private:
    bool Connected();
    void SendProgress(double done, bool visible);

    bool looked_ = false;                   // for a session bus, when first needed
    std::unique_ptr<QDBusConnection> bus_;  // none without a session bus
    int shownPercent_ = -1;                 // what the icon shows; -1 when nothing
};
