#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Where a font file the fix copies into a book comes from: the current
// directory, or else the folder of the system's Liberation fonts
// (fonts-liberation2), so that a program started from a desktop menu finds
// it. The bare name when neither has it.
std::string FontSource(const std::string& fileName);

// The system's folder of the Liberation fonts, or the one tests set.
std::string InstalledFontFolder();
void SetInstalledFontFolder(const std::string& folder);

// A file's size and CRC-32: how a book's copy of a font is told from ours
// without unpacking it, as the archive declares both for every entry.
struct FileFingerprint {
    std::uint64_t size = 0;
    std::uint32_t crc = 0;
    bool operator==(const FileFingerprint&) const = default;
};

// nullopt when no file is there; a file that cannot be read raises
// RunTimeError. Remembered per path while the file keeps its size and
// modification time.
std::optional<FileFingerprint> FingerprintOf(const std::string& path);

// The four font files for one run: copied once into a folder of the run's
// own, and hard-linked from there into each book's working folder, which
// gives the book the same bytes as a copy without writing them again for
// every book. A link that cannot be made is a copy.
class FontStock {
public:
    // folder: where the run keeps its copies (beside the working folder).
    explicit FontStock(std::string folder) : folder_(std::move(folder)) {}

    // Puts the four faces into workingFolder (ending in the separator),
    // in copy order. A font file that cannot be read raises RunTimeError.
    void PutInto(const std::string& workingFolder);

    // Removes the run's copies; they go with the run.
    void Remove();

private:
    std::string folder_;
    bool stocked_ = false;
};
