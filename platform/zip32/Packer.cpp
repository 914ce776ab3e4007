// Writes one archive: the entries ArchiveItems lists, packed on the
// pipeline's threads and taken here one by one in their order, each handed
// to libzip as a source of its packed bytes; libzip writes them as they
// are when the archive is closed.
#include "Packer.h"

#include "ArchiveItems.h"
#include "Budget.h"
#include "MemoryOutput.h"
#include "PackedSource.h"
#include "Pipeline.h"
#include "ServiceClock.h"
#include "StaleScratch.h"

#include <zip.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <sys/stat.h>

namespace platform {
namespace {

constexpr int DefaultLevel = 6;

WalkRules RulesOf(const ZPOPT& options)
{
    return {options.fRecurse != 0, options.fJunkDir != 0, options.fNoDirEntries == 0};
}

class Writer {
public:
    explicit Writer(ArchiveRequest request) : r_(std::move(request)) {}

    ~Writer()
    {
        if (archive_)
            zip_discard(archive_);
    }

    int Run()
    {
        if (!r_.command.lpszZipFN || !*r_.command.lpszZipFN)
            return ZE_PARMS;
        std::string root = r_.options.szRootDir && *r_.options.szRootDir ? r_.options.szRootDir : ".";
        while (root.size() > 1 && root.back() == '/')
            root.pop_back();
        archivePath_ = r_.command.lpszZipFN;  // a relative name is relative to the current directory

        struct stat rootStat {};
        if (::stat(root.c_str(), &rootStat) != 0 || !S_ISDIR(rootStat.st_mode)) {
            Warn("zip error: cannot open folder " + root + "\n");
            return ZE_OPEN;
        }
        struct stat archiveStat {};
        const bool archiveExists = ::stat(archivePath_.c_str(), &archiveStat) == 0;
        if (archiveExists)
            archiveId_ = {archiveStat.st_dev, archiveStat.st_ino};

        const CarriedEntries* carried = r_.carried ? &*r_.carried : nullptr;
        if (carried && (r_.options.fEncrypt || r_.options.fDeleteEntries || carried->path() != ReferencePath())) {
            Warn("zip error: entries can be carried only from the reference into a new unencrypted archive\n");
            return ZE_PARMS;
        }
        std::vector<std::string> patterns;
        for (int i = 0; r_.command.FNV && i < r_.command.argc; ++i)
            if (r_.command.FNV[i])
                patterns.emplace_back(r_.command.FNV[i]);
        ArchiveItems walk = WalkArchiveItems(root, patterns, RulesOf(r_.options), carried, archiveId_,
                                             [this](const std::string& text) { Warn(text); });
        if (!walk.clash.empty()) {
            Warn("zip error: " + walk.clash + " is a file in one place and a folder in the other\n");
            return ZE_CARRIED;
        }
        items_ = std::move(walk.items);
        if (items_.empty() && !r_.options.fDeleteEntries) {
            Warn("zip warning: nothing to do! (" + archivePath_ + ")\n");
            return ZE_NONE;
        }

        RemoveStaleScratchFiles(archivePath_);
        int code = 0;
        inMemory_ = !archiveExists && FileBytes() <= budget::InMemoryArchive;
        archive_ = inMemory_ ? memory_.Open(code)
                             : zip_open(archivePath_.c_str(), archiveExists ? 0 : ZIP_CREATE | ZIP_EXCL, &code);
        if (!archive_) {
            Warn("zip error: cannot open " + archivePath_ + "\n");
            return archiveExists ? ZE_OPEN : ZE_CREAT;
        }
        entriesBefore_ = zip_get_num_entries(archive_, 0);
        if (r_.options.fDeleteEntries)
            return DeleteEntries();

        std::string password;
        if (r_.options.fEncrypt && !AskPassword(password))
            return ZE_PARMS;
        // Files the reference archive holds as they are keep its compressed
        // bytes; encrypted entries are always packed anew.
        const std::string reference = password.empty() ? ReferencePath() : std::string();
        // The entries carried were read with every other: not read again.
        std::optional<ReferenceIndex> ownIndex;
        if (!carried)
            ownIndex.emplace(reference);
        jobs_ = JobsFor(items_, DeflateLevel(r_.options), carried ? carried->index() : *ownIndex);
        reader_ = std::make_unique<ReferenceReader>(reference);
        // What was checked ahead for this book is taken.
        const std::unique_ptr<Pipeline::Batch> batch = Pipeline::Shared().Start(reference, jobs_);
        std::size_t fileNumber = 0;
        for (const Item& item : items_) {
            const int added = Add(item, password, *batch, item.folder ? 0 : fileNumber++);
            if (added != ZE_OK)
                return added;
        }
        if (r_.options.fComment)
            SetComment();
        return Close();
    }

private:
    static constexpr zip_int64_t NameTaken = -2;

    bool Skip(const Item& item)
    {
        if (!r_.options.fUpdate && !r_.options.fFreshen)
            return false;
        zip_stat_t es;
        const bool exists = zip_stat(archive_, item.name.c_str(), 0, &es) == 0;
        if (!exists)
            return r_.options.fFreshen != 0;
        return (es.valid & ZIP_STAT_MTIME) && es.mtime >= item.st.st_mtime;
    }

    int Add(const Item& item, const std::string& password, Pipeline::Batch& batch, std::size_t fileNumber)
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
            const std::string& name = item.name;
            PackOutcome outcome = batch.Take(fileNumber, [&] { KeepAlive(name); });
            if (stopped_)
                return Stopped();
            if (std::holds_alternative<Damaged>(outcome)) {
                Warn("zip error: " + name + " is damaged in " + r_.carried->path() + "\n");
                return ZE_CARRIED;
            }
            if (!jobs_[fileNumber].prefix.empty() && !PutFirst(outcome, jobs_[fileNumber].prefix)) {
                Warn("zip error: " + name + " cannot take the bytes to put before its own\n");
                return ZE_CARRIED;
            }
            const auto unreadable = [this, name](const std::string& why) {
                if (unreadable_.empty())
                    unreadable_ = name + " (" + why + ")";
            };
            PackedFile packed = MakePackedSource(archive_, jobs_[fileNumber], std::move(outcome), *reader_,
                                                 [this, name] { return KeepAlive(name); }, unreadable, heldBytes_);
            if (!packed.source) {
                Warn("zip error: cannot read " + name + " (" + packed.error + ")\n");
                return ZE_READ;
            }
            index = AddFile(name, packed.source);
            if (index < 0)
                zip_source_free(packed.source);
            if (index == NameTaken) {
                Warn("zip error: " + name + " has the name of another entry, as readers read names\n");
                return r_.carried ? ZE_CARRIED : ZE_SAMENAME;
            }
            if (index >= 0)
                zip_set_file_compression(archive_, static_cast<zip_uint64_t>(index),
                                         packed.deflated ? ZIP_CM_DEFLATE : ZIP_CM_STORE,
                                         static_cast<zip_uint32_t>(jobs_[fileNumber].level));
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
        if (!stopped_ && r_.functions.service && r_.functions.service(name.c_str(), static_cast<int32_t>(size)) != 0)
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
        if (!r_.reference || ::stat(r_.reference->c_str(), &st) != 0 || std::pair(st.st_dev, st.st_ino) == archiveId_)
            return {};
        return *r_.reference;
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
            if (name && std::any_of(items_.begin(), items_.end(), [&](const Item& item) { return item.name == name; })) {
                zip_delete(archive_, static_cast<zip_uint64_t>(i));
                Info("deleting: " + std::string(name) + "\n");
            }
        }
        return Close();
    }

    bool AskPassword(std::string& password)
    {
        char buffer[ZP_PASSWORD_BUFFER] = {};
        if (!r_.functions.password ||
            r_.functions.password(buffer, ZP_PASSWORD_BUFFER, "Enter password: ", archivePath_.c_str()) != 0 ||
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
        if (!r_.functions.comment)
            return;
        std::vector<char> buffer(ZP_COMMENT_BUFFER, '\0');
        r_.functions.comment(buffer.data());
        buffer.back() = '\0';
        const std::size_t length = std::strlen(buffer.data());
        if (length)
            zip_set_archive_comment(archive_, buffer.data(),
                                    static_cast<zip_uint16_t>(std::min<std::size_t>(length, 65535)));
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
            if (r_.options.fMove)
                for (const Item& item : items_)
                    if (!item.folder && !item.carried)
                        ::unlink(item.path.c_str());
            return ZE_OK;
        }
        zip_error_t* error = zip_get_error(archive_);
        const int system = zip_error_code_system(error);
        const int code = zip_error_code_zip(error);
        if (!unreadable_.empty() && !stopped_) {
            Warn("zip error: cannot read " + unreadable_ + "\n");
            return ZE_READ;
        }
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
        if (r_.options.fQuiet || added_.empty())
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
        if (!r_.options.fQuiet)
            Print(text);
    }
    void Warn(const std::string& text) { Print(text); }

    void Print(const std::string& text) const
    {
        if (!r_.functions.print)
            return;
        std::vector<char> buffer(text.begin(), text.end());
        buffer.push_back('\0');
        r_.functions.print(buffer.data(), static_cast<uint32_t>(text.size()));
    }

    ArchiveRequest r_;
    std::string archivePath_;
    std::pair<dev_t, ino_t> archiveId_{0, 0};
    zip_int64_t entriesBefore_ = 0;  // of an archive being updated
    std::vector<Item> items_;
    std::vector<PackJob> jobs_;  // one per file, in archive order
    std::vector<std::string> added_;
    zip_t* archive_ = nullptr;
    ServiceClock serviceClock_;
    bool stopped_ = false;
    bool inMemory_ = false;  // a new archive small enough is written in memory first
    MemoryOutput memory_;
    std::size_t heldBytes_ = 0;                  // what the sources keep until libzip reads them
    std::string unreadable_;                     // the first file packed again that failed: its name and why
    std::unique_ptr<ReferenceReader> reader_;  // the caller's own
};

}  // namespace

int DeflateLevel(const ZPOPT& options)
{
    const char level = options.fLevel;
    if (level == '0')
        return 0;
    return level >= '1' && level <= '9' ? level - '0' : DefaultLevel;
}

std::vector<PackJob> CarriedJobs(const CarriedEntries& carried, const ZPOPT& options,
                                 const std::vector<std::string>& seen)
{
    const ArchiveItems walk = WalkArchiveItems(std::nullopt, {"*"}, RulesOf(options), &carried, {0, 0},
                                               [](const std::string&) {});
    return JobsFor(walk.items, DeflateLevel(options), carried.index(), seen);
}

int WriteArchive(ArchiveRequest request)
{
    return Writer(std::move(request)).Run();
}

}  // namespace platform
