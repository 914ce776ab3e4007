#pragma once

#include "BatchWindow.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

// A batch run's window for the tests: a folder, a list of entries with
// ticks, and a record of what the run did to the two buttons.
class FakeWindow : public BatchWindow {
public:
    std::string FolderText() const override { return folder; }
    std::size_t EntryCount() const override { return entries.size(); }
    std::string EntryText(std::size_t i) const override { return entries.at(i).first; }
    bool EntryTicked(std::size_t i) const override { return entries.at(i).second; }
    void SetStartCaption(const std::string& caption) override { events.push_back("caption " + caption); }
    void SetStartEnabled(bool on) override { events.push_back(on ? "start on" : "start off"); }
    void SetCancelEnabled(bool on) override { events.push_back(on ? "cancel on" : "cancel off"); }
    void BookStarting(std::size_t number, std::size_t total, const std::string& entry) override
    {
        started.push_back(std::to_string(number) + "/" + std::to_string(total) + " " + entry);
    }

    void BookFinished(std::size_t index, BookOutcome outcome, const std::string& /*why*/) override
    {
        if (onFinished)
            onFinished(index, outcome);
    }

    void Add(const std::string& entry, bool ticked = true) { entries.emplace_back(entry, ticked); }

    std::function<void(std::size_t index, BookOutcome outcome)> onFinished;

    std::string folder;
    std::vector<std::pair<std::string, bool>> entries;
    std::vector<std::string> events;
    std::vector<std::string> started;
};
