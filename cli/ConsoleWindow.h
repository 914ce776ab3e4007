#pragma once

#include "BatchWindow.h"

#include <string>
#include <vector>

// The batch run's window on a terminal: one folder, its books all ticked,
// and a progress line per book on standard error when it is a terminal.
class ConsoleWindow : public BatchWindow {
public:
    ConsoleWindow(std::string folder, std::vector<std::string> entries);

    std::string FolderText() const override { return folder_; }
    std::size_t EntryCount() const override { return entries_.size(); }
    std::string EntryText(std::size_t index) const override { return entries_.at(index); }
    bool EntryTicked(std::size_t) const override { return true; }
    void SetStartCaption(const std::string&) override {}
    void SetStartEnabled(bool) override {}
    void SetCancelEnabled(bool) override {}
    void BookStarting(std::size_t number, std::size_t total, const std::string& entry) override;

private:
    std::string folder_;
    std::vector<std::string> entries_;
};
