#include "ZipFixtures.h"

#include "TestFiles.h"

#include <zip.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <sys/stat.h>

namespace fs = std::filesystem;

void BuildZip(const std::string& path, const std::vector<EntrySpec>& entries, bool addToExisting)
{
    int error = 0;
    zip_t* za = zip_open(path.c_str(), addToExisting ? 0 : ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!za)
        throw std::runtime_error("cannot create " + path);
    for (const EntrySpec& e : entries) {
        zip_int64_t index;
        if (e.kind == EntrySpec::Folder) {
            index = zip_dir_add(za, e.name.c_str(), ZIP_FL_ENC_RAW);
        } else {
            zip_source_t* src = zip_source_buffer(za, e.data.data(), e.data.size(), 0);
            index = zip_file_add(za, e.name.c_str(), src,
                                 (e.utf8 ? ZIP_FL_ENC_UTF_8 : ZIP_FL_ENC_RAW) | ZIP_FL_OVERWRITE);
        }
        if (index < 0)
            throw std::runtime_error("cannot add " + e.name + ": " + zip_strerror(za));
        const auto at = static_cast<zip_uint64_t>(index);
        if (e.kind == EntrySpec::SymbolicLink)
            zip_file_set_external_attributes(za, at, 0, ZIP_OPSYS_UNIX, (S_IFLNK | 0777u) << 16);
        if (e.stored)
            zip_set_file_compression(za, at, ZIP_CM_STORE, 0);
    }
    if (zip_close(za) != 0)
        throw std::runtime_error("cannot write " + path + ": " + zip_strerror(za));
}

std::vector<std::string> ZipEntryNames(const std::string& path)
{
    std::vector<std::string> names;
    zip_t* za = zip_open(path.c_str(), ZIP_RDONLY, nullptr);
    if (!za)
        return names;
    for (zip_int64_t i = 0; i < zip_get_num_entries(za, 0); ++i)
        names.push_back(zip_get_name(za, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW));
    zip_discard(za);
    return names;
}

std::map<std::string, int> ZipMethods(const std::string& path)
{
    std::map<std::string, int> methods;
    zip_t* za = zip_open(path.c_str(), ZIP_RDONLY, nullptr);
    if (!za)
        return methods;
    for (zip_int64_t i = 0; i < zip_get_num_entries(za, 0); ++i) {
        zip_stat_t st;
        zip_stat_index(za, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW, &st);
        methods[st.name] = st.comp_method;
    }
    zip_discard(za);
    return methods;
}

LocalHeader FirstLocalHeader(const std::string& path)
{
    const std::string bytes = ReadFile(path);
    LocalHeader h;
    if (bytes.size() < 30 || bytes.compare(0, 4, "PK\x03\x04") != 0)
        return h;
    auto u16 = [&](std::size_t at) {
        return static_cast<int>(static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8));
    };
    h.method = u16(8);
    const int nameLength = u16(26);
    h.extraLength = u16(28);
    h.name = bytes.substr(30, static_cast<std::size_t>(nameLength));
    return h;
}

std::map<std::string, std::string> ReadTree(const std::string& folder)
{
    std::map<std::string, std::string> tree;
    if (!fs::exists(folder))
        return tree;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string relative = fs::relative(entry.path(), folder).string();
        if (entry.is_symlink())
            tree[relative] = "<link>";
        else if (entry.is_directory())
            tree[relative] = "<dir>";
        else
            tree[relative] = ReadFile(entry.path().string());
    }
    return tree;
}

std::string RandomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() & 0xFF);
    return bytes;
}

std::optional<std::map<std::string, std::string>> ZipContents(const std::string& path)
{
    int error = 0;
    zip_t* za = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!za)
        return std::nullopt;
    std::map<std::string, std::string> contents;
    bool whole = true;
    const zip_int64_t count = zip_get_num_entries(za, 0);
    for (zip_int64_t i = 0; whole && i < count; ++i) {
        zip_stat_t st;
        zip_file_t* file = zip_stat_index(za, static_cast<zip_uint64_t>(i), 0, &st) == 0
                               ? zip_fopen_index(za, static_cast<zip_uint64_t>(i), 0)
                               : nullptr;
        if (!file) {
            whole = false;
            break;
        }
        std::string bytes(st.size, '\0');
        // Reading one byte past the end makes libzip check the CRC.
        std::string extra(1, '\0');
        whole = zip_fread(file, bytes.data(), st.size) == static_cast<zip_int64_t>(st.size) &&
                zip_fread(file, extra.data(), 1) == 0;
        zip_fclose(file);
        contents[st.name] = std::move(bytes);
    }
    zip_discard(za);
    return whole ? std::optional(std::move(contents)) : std::nullopt;
}

std::string PackedEntryBytes(const std::string& archive, const std::string& name)
{
    zip_t* za = zip_open(archive.c_str(), ZIP_RDONLY, nullptr);
    zip_stat_t st;
    zip_file_t* file = za && zip_stat(za, name.c_str(), 0, &st) == 0 ? zip_fopen(za, name.c_str(), ZIP_FL_COMPRESSED)
                                                                     : nullptr;
    std::string bytes;
    if (file) {
        bytes.resize(st.comp_size);
        bytes.resize(static_cast<std::size_t>(std::max<zip_int64_t>(0, zip_fread(file, bytes.data(), bytes.size()))));
        zip_fclose(file);
    }
    if (za)
        zip_discard(za);
    if (!file)
        throw std::runtime_error("no " + name + " in " + archive);
    return bytes;
}

void DamageEntryData(const std::string& archive, const std::string& name)
{
    std::string bytes = ReadFile(archive);
    // The local header: its signature 30 bytes before the name; the name and
    // the extra field come before the data.
    std::size_t at = bytes.find(name);
    while (at != std::string::npos && (at < 30 || bytes.compare(at - 30, 4, "PK\x03\x04") != 0))
        at = bytes.find(name, at + 1);
    if (at == std::string::npos)
        throw std::runtime_error("no local header for " + name);
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const std::size_t extra = byteAt(at - 2) | (byteAt(at - 1) << 8);
    const std::size_t packed = byteAt(at - 12) | (byteAt(at - 11) << 8) | (byteAt(at - 10) << 16) |
                               (static_cast<std::size_t>(byteAt(at - 9)) << 24);
    bytes[at + name.size() + extra + packed / 2] ^= 0x55;
    WriteFile(archive, bytes);
}
