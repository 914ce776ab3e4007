#pragma once

#include "BatchWindow.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

class DesktopSignals;
class Options;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

// The main window: names the book folder (typed or browsed), lists every
// EPUB below it with a tick box, opens the options and starts the batch
// run, which reads the folder text and the list through BatchWindow.
// During a run Cancel reads Stop, a bar shows the books done and the time
// left, and each book's entry shows how its fix ended. Folders and books
// named on the command line or dropped on the window are listed as if the
// folder had been typed.
class Form1 : public QWidget, public BatchWindow {
public:
    Form1();
    ~Form1() override;

    // Shows the folder chooser; a chosen folder goes into txtBox and is
    // listed afresh. Cancelling changes nothing.
    void OpenFolder(QLineEdit& txtBox);

    // Folders and books, named on the command line or dropped: the text box
    // shows the nearest folder that holds them all, its books are listed,
    // and only the named ones (or those in a named folder) are ticked. A
    // path that is neither is shown as typed, and lists nothing.
    void OpenPaths(const QStringList& paths);

    // How long a run must last for its end to be announced to the desktop
    // when the window is not the active one; ten seconds unless a test says.
    void SetLongRun(std::chrono::milliseconds duration) { longRun_ = duration; }

    // Adds an entry, ticked, for every EPUB in FolderPath and below it.
    void FindBooks(const std::string& FolderPath, const std::string& InnerPath);

    // Text printed by the Zip library, drawn on the window's own surface.
    void Print(const std::string& text);

    // The progress line drawn under the text box during a run.
    const QString& ProgressLine() const { return progress_; }

    std::string FolderText() const override;
    std::size_t EntryCount() const override;
    std::string EntryText(std::size_t index) const override;
    bool EntryTicked(std::size_t index) const override;
    void SetStartCaption(const std::string& caption) override;
    void SetStartEnabled(bool enabled) override;
    void SetCancelEnabled(bool enabled) override;
    void BookStarting(std::size_t number, std::size_t total, const std::string& entry) override;
    void BookFinished(std::size_t index, BookOutcome outcome, const std::string& why) override;
    void BookRenamed(std::size_t index, const std::string& newPath) override;
    bool StopRequested() const override { return stopRequested_; }
    bool SummaryAfterStop() const override { return stopWithSummary_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ValidateFolderText();
    void ListFolder(const std::string& folder);
    void TickAll(bool ticked);
    void ShowOptions();
    void Start();
    void CancelOrStop();
    void RequestStop(bool withSummary);
    void EndProgram(int exitCode);
    void SummaryShowing(const std::string& summary);

    QLabel* Label1;
    QLineEdit* txtBrokenBook;
    QPushButton* cmdBrokenBook;
    QPushButton* cmdStart;
    QPushButton* cmdCancel;
    QListWidget* listBooks;
    QLabel* Label2;
    QLabel* Label4;
    QPushButton* cmdNone;
    QPushButton* cmdAll;
    QPushButton* cmdOptions;
    QProgressBar* progressBar;  // books done of books ticked, during a run

    std::unique_ptr<Options> options_;   // exists from its first showing until a Cancel
    std::unique_ptr<DesktopSignals> desktop_;
    std::optional<std::string> listed_;  // the folder text the list's entries belong to
    int listing_ = 0;                    // counts the times the list was read
    int runListing_ = 0;                 // the listing the run's outcomes belong to
    bool running_ = false;
    bool ending_ = false;
    bool stopRequested_ = false;    // Stop was pressed or the window closed during a run
    bool stopWithSummary_ = false;  // by Stop, which ends with a summary
    QElapsedTimer runClock_;        // since the first book of the run began
    QElapsedTimer runLength_;       // since Start was pressed
    std::chrono::milliseconds longRun_ = std::chrono::seconds(10);
    long long runCounted_ = 0;      // books of the run fixed or already as the options ask
    QString current_;   // the entry of the book in hand
    QString progress_;  // "Fixing N of M: ENTRY" while a run goes on
    QString printed_;   // the last line the Zip library printed
};
