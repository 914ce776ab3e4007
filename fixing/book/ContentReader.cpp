// Reading and editing the content documents a book's fix does not unpack.
#include "ContentReader.h"

#include "FileSystemObject.h"
#include "NameOrder.h"
#include "PackingValues.h"
#include "PathText.h"
#include "RunTimeError.h"
#include "TextFile.h"
#include "Translation.h"
#include "UnzipBinding.h"
#include "Wildcard.h"
#include "ZipBinding.h"

#include <algorithm>
#include <filesystem>

namespace {

class Carried : public ContentReader {
public:
    Carried(std::string book, std::string folder, std::vector<std::string> unpacked)
        : book_(std::move(book)), folder_(std::move(folder)), unpacked_(std::move(unpacked))
    {
    }

    void Heads(const std::vector<std::string>& patterns, std::size_t size, const See& see) override
    {
        // An entry that cannot be read even so far is found damaged where
        // it is checked, when it is carried.
        ReadEntryHeads(book_, patterns, size, see);
    }

    bool Whole(const std::vector<std::string>& patterns, const See& see) override
    {
        SetPackingValues(book_, folder_, unpacked_);
        return SeeCarriedEntries(patterns, see) != RunZipCarriedEntryRefused;
    }

    void Replace(const std::string& name, std::string_view bytes) override
    {
        // A file of the working folder stands for the entry of its name.
        WriteWholeFile(PathText::Join(folder_, name), bytes);
    }

    void PutFirst(const std::string& name, std::string_view prefix) override
    {
        TheZipRequest().carriedPrefixes.emplace_back(name, prefix);
    }

private:
    std::string book_, folder_;
    std::vector<std::string> unpacked_;
};

class Unpacked : public ContentReader {
public:
    explicit Unpacked(std::string folder) : folder_(std::move(folder)) {}

    void Heads(const std::vector<std::string>& patterns, std::size_t size, const See& see) override
    {
        for (const std::string& name : Matching(patterns))
            if (!see(name, ReadTextFile(PathText::Join(folder_, name)).substr(0, size)))
                return;
    }

    bool Whole(const std::vector<std::string>& patterns, const See& see) override
    {
        for (const std::string& name : Matching(patterns))
            if (!see(name, ReadTextFile(PathText::Join(folder_, name))))
                break;
        return true;
    }

    void Replace(const std::string& name, std::string_view bytes) override
    {
        WriteWholeFile(PathText::Join(folder_, name), bytes);
    }

    void PutFirst(const std::string& name, std::string_view prefix) override
    {
        const std::string path = PathText::Join(folder_, name);
        WriteWholeFile(path, std::string(prefix) + ReadTextFile(path));
    }

private:
    // The files below the folder whose names match, in the order of names.
    // A folder that cannot be listed fails as every file service does,
    // naming that folder.
    std::vector<std::string> Matching(const std::vector<std::string>& patterns) const
    {
        namespace fs = std::filesystem;
        const auto fail = [](const std::error_code& error, const fs::path& folder) {
            throw ErrorFromErrno(error.value(), QT_TRANSLATE_NOOP("FileErrors", "listing folder"), folder.string());
        };
        std::vector<std::string> names;
        std::error_code error;
        fs::recursive_directory_iterator it(folder_, error);
        if (error)
            fail(error, folder_);
        while (it != fs::recursive_directory_iterator()) {
            const fs::path path = it->path();
            const bool file = it->is_regular_file(error) && !it->is_symlink(error);
            if (error)
                fail(error, path.parent_path());
            const std::string name = path.lexically_relative(folder_).generic_string();
            if (file && wildcard::MatchesAny(patterns, name, true))
                names.push_back(name);
            // What fails next is most likely entering this folder.
            const bool folder = it->is_directory(error) && !error;
            it.increment(error);
            if (error)
                fail(error, folder ? path : path.parent_path());
        }
        std::sort(names.begin(), names.end(), NameOrderLess);
        return names;
    }

    std::string folder_;
};

}  // namespace

void ContentReader::Write(const ContentEdits& edits)
{
    for (const auto& [name, edit] : edits.ByName()) {
        if (edit.whole)
            Replace(name, *edit.whole);
        else
            PutFirst(name, edit.prefix);
    }
}

std::unique_ptr<ContentReader> CarriedContent(const std::string& book, const std::string& workingFolder,
                                              const std::vector<std::string>& unpacked)
{
    return std::make_unique<Carried>(book, workingFolder, unpacked);
}

std::unique_ptr<ContentReader> UnpackedContent(const std::string& workingFolder)
{
    return std::make_unique<Unpacked>(workingFolder);
}
