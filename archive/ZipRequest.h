#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A function the zip library's threads call with a carried entry's bytes,
// several at once, as each is packed: it hands put the entry's new bytes
// and answers 1, or answers 0 to keep it (ZpTransformFn). It must not throw.
using TransformEntryFn = int (*)(const char* name, const char* data, std::uint64_t size,
                                 void (*put)(void* sink, const char* data, std::uint64_t size), void* sink,
                                 void* context);

// The carried entries to transform, by name (case ignored; "*" and "?"),
// and the function with its context, which must outlive every archive and
// check ahead that may call it.
struct CarriedTransform {
    std::vector<std::string> patterns;
    TransformEntryFn function = nullptr;
    void* context = nullptr;
};

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

    // Our addition: carried entries given new bytes as they are packed,
    // stored (ZpTransformCarried). Ignored by a library without that entry
    // point: the entries are then carried as they are.
    std::optional<CarriedTransform> carriedTransform;

    // What the library printed since RunZip last began: where it failed,
    // its warnings name the file and the reason.
    std::string printText;
};

ZipRequest& TheZipRequest();
