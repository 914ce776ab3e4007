#pragma once

#include <filesystem>
#include <string>

// A fresh folder under the system's temporary folder, removed with
// everything in it when the test ends.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    // The path with the separator at its end, as the walks want it.
    std::string folder() const { return path_ + "/"; }
    std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

private:
    std::string path_;
};

// Writes bytes to path, creating the folders above it.
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);

// Points the per-user settings store and the desktop's home Trash
// ($XDG_DATA_HOME) at a private folder for one test, empty, so no test
// touches the real user's settings or Trash.
class ScratchSettings {
public:
    ScratchSettings();
    ~ScratchSettings();
    std::string file() const;   // the store's file, for inspection
    std::string trash() const;  // the home Trash

private:
    TempFolder folder_;
};
