#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The zip binding's process-wide request record. The caller fills it and
// calls RunZip; every field keeps its value from one call to the next. A
// text never assigned (nullopt) reaches the library as a null pointer.
struct ZipRequest {
    using Text = std::optional<std::string>;

    Text Date;
    Text szRootDir;
    Text szTempDir;
    int16_t fSuffix = 0;
    int16_t fEncrypt = 0;
    int16_t fSystem = 0;
    int16_t fVolume = 0;
    int16_t fExtra = 0;
    int16_t fNoDirEntries = 0;
    int16_t fExcludeDate = 0;
    int16_t fIncludeDate = 0;
    int16_t fVerbose = 0;
    int16_t fQuiet = 0;
    int16_t fCRLF_LF = 0;
    int16_t fLF_CRLF = 0;
    int16_t fJunkDir = 0;
    int16_t fGrow = 0;
    int16_t fForce = 0;
    int16_t fMove = 0;
    int16_t fDeleteEntries = 0;
    int16_t fUpdate = 0;
    int16_t fFreshen = 0;
    int16_t fJunkSFX = 0;
    int16_t fLatestTime = 0;
    int16_t fComment = 0;
    int16_t fOffsets = 0;
    int16_t fPrivilege = 0;
    int16_t fEncryption = 0;
    int16_t fRecurse = 0;
    int16_t fRepair = 0;
    int16_t fLevel = 0;  // the character code of the level's digit: 57 for "9"
    int16_t nameCount = 0;
    Text zipFileName;
    std::array<Text, 100> fileNames;

    // Our addition: an archive whose entries may give their compressed
    // bytes to files of the same name and content (ZpSetReference), so
    // that what a fix did not change is not deflated again. Ignored by a
    // library without that entry point.
    Text szReferenceZip;

    // Our addition: when set, the archive also carries every entry of the
    // reference archive that matches none of these patterns (case ignored)
    // and that no file below szRootDir stands for, as if it had been
    // unpacked there (ZpCarryReference). When the library cannot carry them
    // so, or lacks that entry point, nothing is written and RunZip returns
    // RunZipCarriedEntryRefused.
    std::optional<std::vector<std::string>> carryAllBut;

    // Our addition: entries carried so, by name, each with the bytes put
    // before its own (ZpPrefixCarried), its compressed bytes kept as they
    // are. When the library cannot, RunZip returns RunZipCarriedEntryRefused.
    std::vector<std::pair<std::string, std::string>> carriedPrefixes;

    // What the library printed since RunZip last began: where it failed,
    // its warnings name the file and the reason.
    std::string printText;
};

ZipRequest& TheZipRequest();
