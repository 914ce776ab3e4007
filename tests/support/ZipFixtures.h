#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// Archives the tests build themselves (hostile ones included), and ways
// to look inside archives and folders.
struct EntrySpec {
    std::string name;
    std::string data;
    enum Kind { File, Folder, SymbolicLink } kind = File;
    bool stored = false;
    bool utf8 = false;  // the name is flagged UTF-8 (else it is taken as it is, CP437 to readers)
};

// Writes a new archive, or with addToExisting adds the entries to one,
// replacing entries of the same name.
void BuildZip(const std::string& path, const std::vector<EntrySpec>& entries, bool addToExisting = false);

// Entry names in archive order.
std::vector<std::string> ZipEntryNames(const std::string& path);

// The first local header of an archive, read from its bytes.
struct LocalHeader {
    int method = -1;
    int extraLength = -1;
    std::string name;
};
LocalHeader FirstLocalHeader(const std::string& path);

// Entry name -> bytes of every entry, each read whole so that its CRC is
// checked; nullopt when the archive does not open or an entry is damaged.
std::optional<std::map<std::string, std::string>> ZipContents(const std::string& path);

// Entry name -> compression method (0 stored, 8 deflated).
std::map<std::string, int> ZipMethods(const std::string& path);

// Every file below folder: relative path -> bytes; folders map to "<dir>".
std::map<std::string, std::string> ReadTree(const std::string& folder);

// An entry's bytes as the archive holds them (compressed, as they are).
std::string PackedEntryBytes(const std::string& archive, const std::string& name);

// Flips a byte in the middle of an entry's compressed data, leaving its
// declared CRC and sizes as they were.
void DamageEntryData(const std::string& archive, const std::string& name);

// Bytes that deflate cannot shrink.
std::string RandomBytes(std::size_t size, unsigned seed);
