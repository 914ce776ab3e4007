#pragma once

#include "BatchWindow.h"

#include <set>
#include <string>
#include <vector>

// One book of the command line: how it is shown, and where it is.
struct ConsoleBook {
    std::string shown;
    std::string path;
};

// The batch run's window on a terminal: the books the command line named,
// all ticked, and a progress line per book on standard error when it is a
// terminal. A book left alone is named there with the reason in any case,
// and so is each folder the originals went to. In a dry run each book gets
// one line on standard output instead, saying what a run would do to it.
// A book that takes a new name has its new path printed on standard output.
class ConsoleWindow : public BatchWindow {
public:
    ConsoleWindow(std::string folderText, std::vector<ConsoleBook> books, bool dryRun = false);

    std::string FolderText() const override { return folderText_; }
    std::size_t EntryCount() const override { return books_.size(); }
    std::string EntryText(std::size_t index) const override { return books_.at(index).shown; }
    std::string BookPath(std::size_t index) const override { return books_.at(index).path; }
    bool EntryTicked(std::size_t) const override { return true; }
    void SetStartCaption(const std::string&) override {}
    void SetStartEnabled(bool) override {}
    void SetCancelEnabled(bool) override {}
    void BookStarting(std::size_t number, std::size_t total, const std::string& entry) override;
    void BookFinished(std::size_t index, BookOutcome outcome, const std::string& why) override;
    void BookNoted(std::size_t index, const std::string& note) override;
    void BookSaid(std::size_t index, const std::string& sentence) override;
    void BookRenamed(std::size_t index, const std::string& newPath) override;
    void OriginalKept(const std::string& bookPath, const std::string& kept) override;

private:
    std::string folderText_;
    std::vector<ConsoleBook> books_;
    std::set<std::string> trashFolders_;  // each said once
    bool dryRun_ = false;
};
