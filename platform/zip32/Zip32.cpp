// zip32 on libzip: packs the files and folders below a root folder that
// match the caller's name patterns into one archive. A top-level
// "mimetype" file goes first and stored, so that a packed EPUB stays a
// valid container. Nothing is left out for its name: on this platform a
// leading dot marks no file as hidden or system, and a book's own
// ".DS_Store" or ".extra.css" is part of the book.
#include "CarriedEntries.h"
#include "PackedSource.h"
#include "Prefetch.h"
#include "MemoryOutput.h"
#include "PackingQueue.h"
#include "ReferenceArchive.h"
#include "ServiceClock.h"
#include "StaleScratch.h"
#include "Wildcard.h"
#include "zip32.h"

#include <zip.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

constexpr int DefaultLevel = 6;
// New archives of files up to this size are written in memory first.
constexpr std::uint64_t MemoryLimit = 32ull << 20;

ZIPUSERFUNCTIONS g_functions{};
bool g_initialized = false;
ZPOPT g_options{};
std::optional<std::string> g_reference;
std::optional<platform::CarriedEntries> g_carried;  // for the next archive only

constexpr char MimetypeName[] = "mimetype";

// The deflate level the options ask for; 0 stores.
int OptionsLevel()
{
    const char level = g_options.fLevel;
    if (level == '0')
        return 0;
    return level >= '1' && level <= '9' ? level - '0' : DefaultLevel;
}

// The patterns a caller hands over, nullopt when they cannot be read.
std::optional<std::vector<std::string>> PatternsOf(int count, const char* const* patterns)
{
    if (count < 0 || (count > 0 && !patterns))
        return std::nullopt;
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i)
        if (patterns[i])
            out.emplace_back(patterns[i]);
    return out;
}

struct Item {
    std::string path;  // on disk
    std::string name;  // in the archive
    bool folder = false;
    struct stat st {};
    const platform::CarriedEntry* carried = nullptr;  // an entry of the reference that has no file
};

class Packer {
public:
    explicit Packer(const ZCL& command) : command_(command) {}

    ~Packer()
    {
        if (archive_)
            zip_discard(archive_);
    }

    int Run()
    {
        if (!command_.lpszZipFN || !*command_.lpszZipFN)
            return ZE_PARMS;
        root_ = g_options.szRootDir && *g_options.szRootDir ? g_options.szRootDir : ".";
        while (root_.size() > 1 && root_.back() == '/')
            root_.pop_back();
        archivePath_ = command_.lpszZipFN;  // a relative name is relative to the current directory
        carried_ = std::exchange(g_carried, std::nullopt);

        struct stat rootStat {};
        if (::stat(root_.c_str(), &rootStat) != 0 || !S_ISDIR(rootStat.st_mode)) {
            Warn("zip error: cannot open folder " + root_ + "\n");
            return ZE_OPEN;
        }
        struct stat archiveStat {};
        const bool archiveExists = ::stat(archivePath_.c_str(), &archiveStat) == 0;
        if (archiveExists)
            archiveId_ = {archiveStat.st_dev, archiveStat.st_ino};

        if (carried_ && (g_options.fEncrypt || g_options.fDeleteEntries || carried_->path() != ReferencePath())) {
            Warn("zip error: entries can be carried only from the reference into a new unencrypted archive\n");
            return ZE_PARMS;
        }
        for (int i = 0; command_.FNV && i < command_.argc; ++i)
            if (command_.FNV[i])
                Collect(command_.FNV[i]);
        if (!clash_.empty()) {
            Warn("zip error: " + clash_ + " is a file in one place and a folder in the other\n");
            return ZE_CARRIED;
        }
        if (items_.empty() && !g_options.fDeleteEntries) {
            Warn("zip warning: nothing to do! (" + archivePath_ + ")\n");
            return ZE_NONE;
        }
        PutMimetypeFirst();

        platform::RemoveStaleScratchFiles(archivePath_);
        int code = 0;
        inMemory_ = !archiveExists && FileBytes() <= MemoryLimit;
        archive_ = inMemory_ ? memory_.Open(code)
                             : zip_open(archivePath_.c_str(), archiveExists ? 0 : ZIP_CREATE | ZIP_EXCL, &code);
        if (!archive_) {
            Warn("zip error: cannot open " + archivePath_ + "\n");
            return archiveExists ? ZE_OPEN : ZE_CREAT;
        }
        entriesBefore_ = zip_get_num_entries(archive_, 0);
        if (g_options.fDeleteEntries)
            return DeleteEntries();

        std::string password;
        if (g_options.fEncrypt && !AskPassword(password))
            return ZE_PARMS;
        // Files the reference archive holds as they are keep its compressed
        // bytes; encrypted entries are always packed anew.
        const std::string reference = password.empty() ? ReferencePath() : std::string();
        // The entries carried were read with every other: not read again.
        std::optional<platform::ReferenceIndex> ownIndex;
        if (!carried_)
            ownIndex.emplace(reference);
        const platform::ReferenceIndex& index = carried_ ? carried_->index() : *ownIndex;
        for (const Item& item : items_)
            if (item.carried && !item.folder)
                jobs_.push_back({{}, LevelFor(item), item.carried->entry, true});
            else if (!item.folder)
                jobs_.push_back({item.path, LevelFor(item), index.Find(item.name)});
        reader_ = std::make_unique<platform::ReferenceReader>(reference);
        // What was packed ahead for this book is taken; a prefetch of
        // another goes on.
        platform::PackingQueue packing(jobs_, reference,
                                       carried_ ? platform::Prefetch::TakeFor(reference) : nullptr);
        std::size_t fileNumber = 0;
        for (const Item& item : items_) {
            const int added = Add(item, password, packing, item.folder ? 0 : fileNumber++);
            if (added != ZE_OK)
                return added;
        }
        if (g_options.fComment)
            SetComment();
        return Close();
    }

private:
    // Adds the entries a name pattern matches, relative to the root.
    void Collect(const std::string& pattern)
    {
        const auto cut = pattern.find_last_of('/');
        const std::string folder = cut == std::string::npos ? "" : pattern.substr(0, cut + 1);
        const std::string namePattern = cut == std::string::npos ? pattern : pattern.substr(cut + 1);
        for (const std::string& name : SortedNames(folder.empty() ? folder : folder.substr(0, folder.size() - 1)))
            if (platform::WildcardMatch(namePattern, name))
                AddPath(folder + name, true);
    }

    // What is at relative: the file or folder there, else a carried entry
    // (a folder as unpacking would have made it). False when nothing is.
    bool Find(const std::string& relative, Item& item)
    {
        item.path = root_ + "/" + relative;
        const platform::CarriedEntry* carried = carried_ ? carried_->Find(relative) : nullptr;
        // Only names the folder listed can be there: a carried one is not
        // looked for.
        if ((!carried || onDisk_.count(relative)) && ::lstat(item.path.c_str(), &item.st) == 0) {
            // A file of the folder stands for the carried entry of its name.
            if (carried && carried->folder != S_ISDIR(item.st.st_mode))
                clash_ = relative;
            return true;
        }
        if (!carried)
            return false;
        item.carried = carried;
        item.st = {};
        item.st.st_mode = carried->folder ? S_IFDIR | carried_->folderMode() : S_IFREG | carried_->fileMode();
        item.st.st_mtime = carried->folder ? startTime_ : carried->entry.mtime;
        item.st.st_size = carried->folder ? 0 : static_cast<off_t>(carried->entry.size);
        return true;
    }

    void AddPath(const std::string& relative, bool topLevel)
    {
        Item item;
        if (!Find(relative, item))
            return;
        if (S_ISLNK(item.st.st_mode)) {
            Warn("zip warning: skipping symbolic link " + relative + "\n");
            return;
        }
        if (!item.carried && std::pair(item.st.st_dev, item.st.st_ino) == archiveId_)
            return;  // never the archive itself
        item.folder = S_ISDIR(item.st.st_mode);
        if (!item.folder && !S_ISREG(item.st.st_mode))
            return;
        item.name = g_options.fJunkDir ? relative.substr(relative.find_last_of('/') + 1) : relative;
        if (item.folder && (topLevel || g_options.fRecurse)) {
            if (!g_options.fNoDirEntries && !g_options.fJunkDir)
                Push(Item{item.path, item.name + "/", true, item.st, item.carried});
            if (g_options.fRecurse)
                for (const std::string& name : SortedNames(relative))
                    AddPath(relative + "/" + name, false);
            return;
        }
        if (!item.folder)
            Push(item);
    }

    void Push(const Item& item)
    {
        if (seen_.insert(item.name).second)
            items_.push_back(item);
    }

    void PutMimetypeFirst()
    {
        auto it = std::find_if(items_.begin(), items_.end(),
                               [](const Item& i) { return !i.folder && i.name == MimetypeName; });
        if (it != items_.end())
            std::rotate(items_.begin(), it, it + 1);
    }

    // The names in a folder below the root ("" for the root itself) and
    // those carried into it, in the order they are packed.
    std::vector<std::string> SortedNames(const std::string& relative)
    {
        std::vector<std::string> names;
        if (carried_)
            names = carried_->NamesIn(relative);
        if (DIR* dir = ::opendir((relative.empty() ? root_ : root_ + "/" + relative).c_str())) {
            while (dirent* entry = ::readdir(dir)) {
                const std::string name = entry->d_name;
                if (name == "." || name == "..")
                    continue;
                names.push_back(name);
                if (carried_)
                    onDisk_.insert(relative.empty() ? name : relative + "/" + name);
            }
            ::closedir(dir);
        }
        std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
            const int folded = ::strcasecmp(a.c_str(), b.c_str());
            return folded != 0 ? folded < 0 : a < b;
        });
        names.erase(std::unique(names.begin(), names.end()), names.end());
        return names;
    }

    bool Skip(const Item& item)
    {
        if (!g_options.fUpdate && !g_options.fFreshen)
            return false;
        zip_stat_t es;
        const bool exists = zip_stat(archive_, item.name.c_str(), 0, &es) == 0;
        if (!exists)
            return g_options.fFreshen != 0;
        return (es.valid & ZIP_STAT_MTIME) && es.mtime >= item.st.st_mtime;
    }

    static int LevelFor(const Item& item) { return item.name == MimetypeName ? 0 : OptionsLevel(); }

    int Add(const Item& item, const std::string& password, platform::PackingQueue& packing, std::size_t fileNumber)
    {
        if (Skip(item))
            return ZE_OK;
        if (!Service(item.name, item.folder ? 0 : item.st.st_size))
            return Stopped();
        zip_int64_t index;
        if (item.folder) {
            index = zip_name_locate(archive_, item.name.c_str(), 0);
            if (index < 0)
                index = zip_dir_add(archive_, item.name.c_str(), ZIP_FL_ENC_GUESS);
            if (index < 0) {
                zip_error_clear(archive_);
                return ZE_OK;  // a folder of that name, as readers read it, is there already
            }
        } else {
            const int deflateLevel = LevelFor(item);
            const std::string name = item.name;
            platform::PackedBytes bytes = packing.Take(fileNumber, [&] { KeepAlive(name); });
            if (stopped_)
                return Stopped();
            if (bytes.damaged) {
                Warn("zip error: " + name + " is damaged in " + carried_->path() + "\n");
                return ZE_CARRIED;
            }
            platform::PackedFile packed =
                platform::MakePackedSource(archive_, jobs_[fileNumber], std::move(bytes), *reader_,
                                           [this, name] { return KeepAlive(name); }, heldBytes_);
            index = packed.source ? AddFile(item.name, packed.source) : -1;
            if (index < 0 && packed.source)
                zip_source_free(packed.source);
            if (index == NameTaken) {
                Warn("zip error: " + name + " has the name of another entry, as readers read names\n");
                return carried_ ? ZE_CARRIED : ZE_SAMENAME;
            }
            if (index >= 0)
                zip_set_file_compression(archive_, static_cast<zip_uint64_t>(index),
                                         packed.packing == platform::Packing::Stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE,
                                         static_cast<zip_uint32_t>(deflateLevel));
            if (!packed.source) {
                Warn("zip error: cannot read " + item.path + " (" + packed.error + ")\n");
                return ZE_READ;
            }
        }
        const auto at = static_cast<zip_uint64_t>(index);
        zip_file_set_mtime(archive_, at, item.st.st_mtime, 0);
        zip_file_set_external_attributes(archive_, at, 0, ZIP_OPSYS_UNIX,
                                         static_cast<zip_uint32_t>(item.st.st_mode & 0xFFFF) << 16);
        if (item.folder)
            return ZE_OK;

        if (!password.empty() && zip_file_set_encryption(archive_, at, ZIP_EM_AES_256, password.c_str()) != 0) {
            Warn("zip error: cannot encrypt " + item.name + " (" + zip_strerror(archive_) + ")\n");
            return ZE_PARMS;
        }
        added_.push_back(item.name);
        return ZE_OK;
    }

    static constexpr zip_int64_t NameTaken = -2;

    // Adds a file's entry; NameTaken when an entry added to this archive
    // already has its name as readers decode names (libzip compares them
    // so): replacing that entry would lose a file. Only an entry the
    // archive held before, when updating it, is replaced.
    zip_int64_t AddFile(const std::string& name, zip_source_t* source)
    {
        const zip_int64_t index = zip_file_add(archive_, name.c_str(), source, ZIP_FL_ENC_GUESS);
        if (index >= 0 || zip_error_code_zip(zip_get_error(archive_)) != ZIP_ER_EXISTS)
            return index;
        zip_error_clear(archive_);
        const zip_int64_t old = zip_name_locate(archive_, name.c_str(), 0);
        if (old < 0 || old >= entriesBefore_)
            return NameTaken;
        return zip_file_add(archive_, name.c_str(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_GUESS);
    }

    // The service callback, once per entry and again during long work on
    // one entry; false once it asked to stop.
    bool Service(const std::string& name, off_t size = 0)
    {
        serviceClock_.Served();
        if (!stopped_ && g_functions.service && g_functions.service(name.c_str(), static_cast<int32_t>(size)) != 0)
            stopped_ = true;
        return !stopped_;
    }

    bool KeepAlive(const std::string& name) { return serviceClock_.Due() ? Service(name) : !stopped_; }

    int Stopped()
    {
        Warn("zip: stopped by the caller\n");
        return ZE_ABORT;
    }

    // The reference archive, unless it is the archive being written.
    std::string ReferencePath() const
    {
        struct stat st {};
        if (!g_reference || ::stat(g_reference->c_str(), &st) != 0 || std::pair(st.st_dev, st.st_ino) == archiveId_)
            return {};
        return *g_reference;
    }

    std::uint64_t FileBytes() const
    {
        std::uint64_t total = 0;
        for (const Item& item : items_)
            if (!item.folder)
                total += item.carried ? item.carried->entry.packedSize : static_cast<std::uint64_t>(item.st.st_size);
        return total;
    }

    int DeleteEntries()
    {
        const zip_int64_t count = zip_get_num_entries(archive_, 0);
        for (zip_int64_t i = 0; i < count; ++i) {
            const char* name = zip_get_name(archive_, static_cast<zip_uint64_t>(i), 0);
            if (name && seen_.count(name)) {
                zip_delete(archive_, static_cast<zip_uint64_t>(i));
                Info("deleting: " + std::string(name) + "\n");
            }
        }
        return Close();
    }

    bool AskPassword(std::string& password)
    {
        char buffer[ZP_PASSWORD_BUFFER] = {};
        if (!g_functions.password ||
            g_functions.password(buffer, ZP_PASSWORD_BUFFER, "Enter password: ", archivePath_.c_str()) != 0 ||
            !buffer[0]) {
            Warn("zip error: no password given for encryption\n");
            return false;
        }
        buffer[ZP_PASSWORD_BUFFER - 1] = '\0';
        password = buffer;
        return true;
    }

    void SetComment()
    {
        if (!g_functions.comment)
            return;
        std::vector<char> buffer(ZP_COMMENT_BUFFER, '\0');
        g_functions.comment(buffer.data());
        buffer.back() = '\0';
        const std::size_t length = std::strlen(buffer.data());
        if (length)
            zip_set_archive_comment(archive_, buffer.data(), static_cast<zip_uint16_t>(std::min<std::size_t>(length, 65535)));
    }

    int Close()
    {
        if (zip_close(archive_) == 0) {
            archive_ = nullptr;
            if (inMemory_)
                if (const int failure = memory_.WriteTo(archivePath_, [this] { KeepAlive(archivePath_); })) {
                    Warn("zip error: cannot write " + archivePath_ + " (" + std::strerror(failure) + ")\n");
                    return failure == ENOSPC || failure == EDQUOT ? ZE_DISKFULL : ZE_WRITE;
                }
            ReportAdded();
            if (g_options.fMove)
                for (const Item& item : items_)
                    if (!item.folder && !item.carried)
                        ::unlink(item.path.c_str());
            return ZE_OK;
        }
        zip_error_t* error = zip_get_error(archive_);
        const int system = zip_error_code_system(error);
        const int code = zip_error_code_zip(error);
        Warn("zip error: cannot write " + archivePath_ + " (" + zip_error_strerror(error) + ")\n");
        if (system == ENOSPC || system == EDQUOT)
            return ZE_DISKFULL;
        if (stopped_ || code == ZIP_ER_CANCELLED)
            return ZE_ABORT;
        switch (code) {
        case ZIP_ER_MEMORY:
            return ZE_MEM;
        case ZIP_ER_READ:
        case ZIP_ER_OPEN:
            return ZE_READ;
        case ZIP_ER_TMPOPEN:
            return ZE_CREAT;
        default:
            return ZE_WRITE;
        }
    }

    // The "adding" lines; compression happens as the archive is written, so
    // they come once it is complete.
    void ReportAdded()
    {
        if (g_options.fQuiet || added_.empty())
            return;
        zip_t* written = zip_open(archivePath_.c_str(), ZIP_RDONLY, nullptr);
        if (!written)
            return;
        for (const std::string& name : added_) {
            zip_stat_t es;
            if (zip_stat(written, name.c_str(), 0, &es) != 0)
                continue;
            const bool stored = es.comp_method == ZIP_CM_STORE;
            const long percent = es.size && !stored ? static_cast<long>(100 - es.comp_size * 100 / es.size) : 0;
            Info("  adding: " + name + (stored ? " (stored 0%)" : " (deflated " + std::to_string(percent) + "%)") +
                 "\n");
        }
        zip_discard(written);
    }

    void Info(const std::string& text)
    {
        if (!g_options.fQuiet)
            Print(text);
    }
    void Warn(const std::string& text) { Print(text); }

    static void Print(const std::string& text)
    {
        if (!g_functions.print)
            return;
        std::vector<char> buffer(text.begin(), text.end());
        buffer.push_back('\0');
        g_functions.print(buffer.data(), static_cast<uint32_t>(text.size()));
    }

    const ZCL& command_;
    std::string root_, archivePath_;
    std::pair<dev_t, ino_t> archiveId_{0, 0};
    zip_int64_t entriesBefore_ = 0;  // of an archive being updated
    std::vector<Item> items_;
    std::set<std::string> seen_;
    std::vector<std::string> added_;
    zip_t* archive_ = nullptr;
    platform::ServiceClock serviceClock_;
    bool stopped_ = false;
    bool inMemory_ = false;  // a new archive small enough is written in memory first
    platform::MemoryOutput memory_;
    std::vector<platform::PackJob> jobs_;              // one per file, in archive order
    std::optional<platform::CarriedEntries> carried_;  // entries of the reference that have no file
    std::string clash_;                                 // a carried entry that a file or folder contradicts
    std::set<std::string> onDisk_;                      // paths below the root that the folders listed, while carrying
    std::time_t startTime_ = std::time(nullptr);        // carried folders' time, as unpacking would give it
    std::size_t heldBytes_ = 0;                         // what the sources keep until libzip reads them
    std::unique_ptr<platform::ReferenceReader> reader_;  // the caller's own
};

}  // namespace

extern "C" int ZpInit(ZIPUSERFUNCTIONS* functions)
{
    g_initialized = functions && functions->print;
    g_functions = g_initialized ? *functions : ZIPUSERFUNCTIONS{};
    return g_initialized ? 1 : 0;
}

extern "C" int ZpSetOptions(ZPOPT* options)
{
    if (!options)
        return 0;
    g_options = *options;
    return 1;
}

extern "C" int ZpSetReference(const char* archivePath)
{
    try {
        g_reference = archivePath && *archivePath ? std::optional<std::string>(archivePath) : std::nullopt;
        return 1;
    } catch (...) {
        return 0;
    }
}

extern "C" int ZpCarryReference(int patternCount, const char* const* patterns)
{
    try {
        g_carried.reset();
        const auto allBut = PatternsOf(patternCount, patterns);
        if (!g_reference || !allBut)
            return -1;
        g_carried = platform::CarriedEntries::Read(*g_reference, *allBut);
        if (!g_carried || g_carried->FileCount() > INT32_MAX) {
            g_carried.reset();
            return -1;
        }
        return static_cast<int>(g_carried->FileCount());
    } catch (...) {
        g_carried.reset();
        return -1;
    }
}

extern "C" int ZpPrefetchReference(const char* archivePath, int patternCount, const char* const* patterns)
{
    try {
        const auto allBut = PatternsOf(patternCount, patterns);
        if (!allBut)
            return 0;
        platform::Prefetch::Begin(archivePath ? archivePath : "", *allBut, OptionsLevel());
        return 1;
    } catch (...) {
        return 0;
    }
}

extern "C" ZPOPT ZpGetOptions(void)
{
    return g_options;
}

extern "C" int ZpArchive(ZCL C)
{
    if (!g_initialized)
        return ZE_NOINIT;
    try {
        Packer packer(C);
        return packer.Run();
    } catch (const std::bad_alloc&) {
        return ZE_MEM;
    } catch (...) {
        return ZE_WRITE;
    }
}
