#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The unzip binding's process-wide request and result record. The caller
// fills the inputs, calls RunUnzip, and reads the results; every field
// keeps its value from one call to the next. A text never assigned
// (nullopt) reaches the library as a null pointer.
struct UnzipRequest {
    using Text = std::optional<std::string>;

    int32_t ExtractOnlyNewer = 0;
    int32_t SpaceToUnderscore = 0;
    int32_t PromptToOverwrite = 0;
    int32_t fQuiet = 0;
    int32_t ncflag = 0;
    int32_t ntflag = 0;
    int32_t nvflag = 0;
    int32_t nfflag = 0;
    int32_t nzflag = 0;
    int32_t ndflag = 0;
    int32_t noflag = 0;
    int32_t naflag = 0;
    int32_t nZIflag = 0;
    int32_t C_flag = 0;
    int32_t fPrivilege = 0;
    Text lpszZipFN;
    Text lpszExtractDir;
    int32_t includeCount = 0;
    std::array<Text, 100> includeNames;
    int32_t excludeCount = 0;
    std::array<Text, 100> excludeNames;

    // Results, written by the callbacks.
    std::string listingText;
    int32_t listedCount = 0;
    // Every entry listed since the caller last emptied it, with the size
    // and CRC-32 the archive declares: a caller can tell whether a book
    // already holds a file without unpacking it.
    struct ListedEntry {
        std::string name;
        uint64_t size = 0;
        uint32_t crc = 0;
        uint64_t packedSize = 0;  // as the archive holds it
    };
    std::vector<ListedEntry> listedEntries;
    std::string printText;
    int16_t skipPasswords = 0;  // -1 once the user declined a password
};

UnzipRequest& TheUnzipRequest();
