// unzip32 on libzip: unpacks, lists or tests one archive, reporting through
// the caller's callbacks. Names are cut back so that nothing is written
// outside the target folder, and no symbolic link is ever created.
#include "SafeEntryPath.h"
#include "ServiceClock.h"
#include "Wildcard.h"
#include "unzip32.h"

#include <zip.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr uint64_t FourGigabytes = 4ull << 30;
constexpr uint64_t LimitFloor = 100ull << 20;
constexpr uint64_t ExpansionFactor = 100;
constexpr int PasswordTries = 3;

std::string FolderOf(const std::string& path)
{
    const auto cut = path.find_last_of('/');
    return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

bool IsLink(zip_t* archive, zip_uint64_t index)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) != 0)
        return false;
    return system == ZIP_OPSYS_UNIX && ((attributes >> 16) & S_IFMT) == S_IFLNK;
}

class Unzipper {
public:
    Unzipper(const DCL& dcl, USERFUNCTION* functions, int includeCount, char** includeNames, int excludeCount,
             char** excludeNames)
        : dcl_(dcl), functions_(functions)
    {
        for (int i = 0; includeNames && i < includeCount; ++i)
            if (includeNames[i])
                include_.emplace_back(includeNames[i]);
        for (int i = 0; excludeNames && i < excludeCount; ++i)
            if (excludeNames[i])
                exclude_.emplace_back(excludeNames[i]);
    }

    ~Unzipper()
    {
        if (archive_)
            zip_discard(archive_);
    }

    int Run()
    {
        if (!dcl_.lpszZipFN)
            return UZ_PARAM;
        archivePath_ = dcl_.lpszZipFN;
        target_ = dcl_.lpszExtractDir && *dcl_.lpszExtractDir ? dcl_.lpszExtractDir : ".";
        while (target_.size() > 1 && target_.back() == '/')
            target_.pop_back();

        struct stat st {};
        if (::stat(archivePath_.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
            Error("unzip:  cannot find or open " + archivePath_ + "\n");
            return UZ_NOZIP;
        }
        const int opened = Open();
        if (opened != UZ_OK)
            return opened;

        const zip_int64_t count = zip_get_num_entries(archive_, 0);
        uint64_t declared = 0;
        for (zip_int64_t i = 0; i < count; ++i) {
            zip_stat_t es;
            if (zip_stat_index(archive_, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW, &es) == 0 &&
                (es.valid & ZIP_STAT_SIZE))
                declared += es.size;
        }
        limit_ = std::min(FourGigabytes, std::max(LimitFloor, ExpansionFactor * static_cast<uint64_t>(st.st_size)));
        if (functions_) {
            functions_->TotalSizeComp = static_cast<uint32_t>(st.st_size);
            functions_->TotalSizeCompHigh = static_cast<uint32_t>(static_cast<uint64_t>(st.st_size) >> 32);
            functions_->TotalSize = static_cast<uint32_t>(declared);
            functions_->TotalSizeHigh = static_cast<uint32_t>(declared >> 32);
            functions_->NumMembers = static_cast<uint32_t>(count);
            functions_->NumMembersHigh = static_cast<uint32_t>(static_cast<uint64_t>(count) >> 32);
        }

        const bool listing = dcl_.nvflag || dcl_.nZIflag;
        if (!listing && !dcl_.ntflag && declared > limit_) {
            Error("error:  " + archivePath_ + " would expand to " + std::to_string(declared) +
                  " bytes, more than the limit of " + std::to_string(limit_) + "; nothing unpacked\n");
            return UZ_TOOBIG;
        }
        Info("Archive:  " + archivePath_ + "\n");
        if (dcl_.nzflag) {
            int length = 0;
            if (const char* comment = zip_get_archive_comment(archive_, &length, ZIP_FL_ENC_RAW); comment && length)
                Info(std::string(comment, static_cast<std::size_t>(length)) + "\n");
        }

        bool matchedAny = false;
        for (zip_int64_t i = 0; i < count && !stopped_; ++i) {
            zip_stat_t es;
            if (zip_stat_index(archive_, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW, &es) != 0 || !es.name) {
                Raise(UZ_BADERR);
                Error("error:  entry " + std::to_string(i) + " is damaged\n");
                continue;
            }
            const std::string name = es.name;
            if (!Selected(name))
                continue;
            matchedAny = true;
            if (listing)
                List(es);
            else
                Handle(static_cast<zip_uint64_t>(i), es);
        }
        if (!include_.empty() && !matchedAny && !stopped_) {
            Error("caution: filename not matched\n");
            Raise(UZ_FIND);
        }
        return result_;
    }

private:
    int Open()
    {
        int code = 0;
        archive_ = zip_open(archivePath_.c_str(), ZIP_RDONLY, &code);
        if (archive_)
            return UZ_OK;
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        Error("error:  " + archivePath_ + " cannot be read as a ZIP archive (" + zip_error_strerror(&error) + ")\n");
        zip_error_fini(&error);
        switch (code) {
        case ZIP_ER_NOZIP:
            return UZ_NOZIP;
        case ZIP_ER_MEMORY:
            return UZ_MEM;
        case ZIP_ER_EOF:
            return UZ_EOF;
        default:
            return UZ_BADERR;
        }
    }

    bool Selected(const std::string& name) const
    {
        const bool ic = dcl_.C_flag != 0;
        return (include_.empty() || wildcard::MatchesAny(include_, name, ic)) &&
               !wildcard::MatchesAny(exclude_, name, ic);
    }

    void Handle(zip_uint64_t index, const zip_stat_t& es)
    {
        const std::string name = es.name;
        platform::SafeEntryPath safe = platform::MakeSafeEntryPath(name);
        if (!safe.warning.empty()) {
            Warn(safe.warning);
            Raise(UZ_WARN);
        }
        if (IsSymbolicLink(index)) {
            Warn("warning:  " + name + " is a symbolic link; not unpacked\n");
            Raise(UZ_WARN);
            return;
        }
        if (safe.path.empty()) {
            if (!safe.isFolder || safe.warning.size()) {
                Warn("warning:  " + name + " has no usable name; not unpacked\n");
                Raise(UZ_WARN);
            }
            return;
        }
        if (dcl_.SpaceToUnderscore)
            std::replace(safe.path.begin(), safe.path.end(), ' ', '_');
        if (!dcl_.ndflag) {
            if (safe.isFolder)
                return;
            safe.path = safe.path.substr(safe.path.find_last_of('/') + 1);
        }
        // A second entry of the same name would overwrite the first. Readers
        // show a name decoded (CP437 unless the entry says UTF-8): two that
        // decode alike are one name too, and packing could keep only one.
        const char* shown = zip_get_name(archive_, index, ZIP_FL_ENC_STRICT);
        if (!safe.isFolder && (!unpackedNames_.insert(safe.path).second ||
                               (shown && !shownNames_.insert(shown).second))) {
            Warn("warning:  " + std::string(shown ? shown : name) +
                 " appears twice in the archive; the second is not unpacked\n");
            Raise(UZ_WARN);
            return;
        }
        if (!ServiceSaysGoOn(name, es.size))
            return;

        const std::string path = target_ + "/" + safe.path;
        if (dcl_.ntflag) {
            Test(index, es, name);
            return;
        }
        if (safe.isFolder) {
            if (!MakeFolders(path))
                return;
            Info("   creating: " + safe.path + "/\n");
            return;
        }
        if (!dcl_.ncflag && (!MakeFolders(FolderOf(path)) || !MayWrite(path, es)))
            return;
        Extract(index, es, path, safe.path);
    }

    bool IsSymbolicLink(zip_uint64_t index) { return IsLink(archive_, index); }

    // Asks the service callback again during long work on one entry, when
    // it is due.
    bool StillGoingOn(const std::string& name, uint64_t size)
    {
        return !stopped_ && (!serviceClock_.Due() || ServiceSaysGoOn(name, size));
    }

    bool ServiceSaysGoOn(const std::string& name, uint64_t size)
    {
        serviceClock_.Served();
        int answer = 0;
        if (functions_ && functions_->service64)
            answer = functions_->service64(name.c_str(), size);
        else if (functions_ && functions_->service32)
            answer = functions_->service32(name.c_str(), static_cast<uint32_t>(size), static_cast<uint32_t>(size >> 32));
        if (answer != 0) {
            Warn("unzip stopped by the caller\n");
            result_ = UZ_CTRLC;
            stopped_ = true;
            return false;
        }
        return true;
    }

    // Creates the folders of path below the target; refuses to go through
    // anything that is not a real folder, a symbolic link included.
    bool MakeFolders(const std::string& path)
    {
        if (!targetReady_) {
            // The target folder itself is created with every folder above it.
            for (std::size_t cut = target_.find('/', 1); cut != std::string::npos; cut = target_.find('/', cut + 1))
                ::mkdir(target_.substr(0, cut).c_str(), 0777);
            if (!EnsureFolder(target_))
                return false;
            targetReady_ = true;
        }
        if (path.size() <= target_.size())
            return true;
        std::size_t at = target_.size() + 1;
        while (at <= path.size()) {
            std::size_t next = path.find('/', at);
            if (next == std::string::npos)
                next = path.size();
            if (!EnsureFolder(path.substr(0, next)))
                return false;
            at = next + 1;
        }
        return true;
    }

    bool EnsureFolder(const std::string& folder)
    {
        struct stat st {};
        if (::lstat(folder.c_str(), &st) == 0) {
            if (S_ISDIR(st.st_mode))
                return true;
            Error("error:  cannot create " + folder + ": something else is in the way\n");
            Raise(UZ_ERR);
            return false;
        }
        if (::mkdir(folder.c_str(), 0777) == 0 || errno == EEXIST)
            return true;
        return SystemError(errno, "cannot create " + folder);
    }

    // Decides whether an existing file may be overwritten.
    bool MayWrite(const std::string& path, const zip_stat_t& es)
    {
        struct stat st {};
        const bool exists = ::lstat(path.c_str(), &st) == 0;
        if (dcl_.nfflag && !exists)
            return false;
        if (!exists)
            return true;
        if (S_ISDIR(st.st_mode)) {
            Error("error:  cannot unpack " + path + ": a folder of that name exists\n");
            Raise(UZ_ERR);
            return false;
        }
        if ((dcl_.nfflag || dcl_.ExtractOnlyNewer) && (es.valid & ZIP_STAT_MTIME) && st.st_mtime >= es.mtime)
            return false;
        if (dcl_.noflag || replaceAll_)
            return true;
        if (replaceNone_ || !dcl_.PromptToOverwrite || !functions_ || !functions_->replace)
            return false;

        std::vector<char> buffer(32801, '\0');
        std::memcpy(buffer.data(), path.data(), std::min(path.size(), buffer.size() - 1));
        switch (functions_->replace(buffer.data(), static_cast<uint32_t>(buffer.size()))) {
        case UZ_REPLACE_YES:
            return true;
        case UZ_REPLACE_ALL:
            replaceAll_ = true;
            return true;
        case UZ_REPLACE_NONE:
            replaceNone_ = true;
            return false;
        default:
            return false;
        }
    }

    // The check bytes of an encrypted entry let one wrong password in 256
    // (traditional) or 65536 (AES) through, so a password counts as right only
    // when the whole entry decrypts and inflates without a CRC or data error.
    // The error is left on the archive for the caller to read.
    bool DecryptsCleanly(zip_uint64_t index, const char* password, const std::string& name, uint64_t size)
    {
        zip_file_t* file = zip_fopen_index_encrypted(archive_, index, 0, password);
        if (!file)
            return false;
        std::vector<char> buffer(1 << 16);
        zip_int64_t got;
        uint64_t read = written_;
        // Past the expansion limit the extraction itself stops the archive.
        while ((got = zip_fread(file, buffer.data(), buffer.size())) > 0) {
            if ((read += static_cast<uint64_t>(got)) > limit_ || !StillGoingOn(name, size)) {
                got = 0;
                break;
            }
        }
        if (got < 0)
            zip_error_set(zip_get_error(archive_), zip_error_code_zip(zip_file_get_error(file)), 0);
        zip_fclose(file);
        return got == 0;
    }

    // Opens an entry, asking for a password when it is encrypted.
    zip_file_t* OpenEntry(zip_uint64_t index, const zip_stat_t& es, const std::string& name)
    {
        const bool encrypted = (es.valid & ZIP_STAT_ENCRYPTION_METHOD) && es.encryption_method != ZIP_EM_NONE;
        if (!encrypted)
            return zip_fopen_index(archive_, index, 0);
        if (!password_.empty() && DecryptsCleanly(index, password_.c_str(), name, es.size))
            return zip_fopen_index_encrypted(archive_, index, 0, password_.c_str());
        for (int attempt = 0; attempt < PasswordTries && functions_ && functions_->password; ++attempt) {
            char buffer[UZ_PASSWORD_BUFFER] = {};
            if (functions_->password(buffer, UZ_PASSWORD_BUFFER, "Enter the password for", name.c_str()) != 0)
                break;
            buffer[UZ_PASSWORD_BUFFER - 1] = '\0';
            if (DecryptsCleanly(index, buffer, name, es.size)) {
                password_ = buffer;
                return zip_fopen_index_encrypted(archive_, index, 0, buffer);
            }
            const int code = zip_error_code_zip(zip_get_error(archive_));
            if (code != ZIP_ER_WRONGPASSWD && code != ZIP_ER_CRC && code != ZIP_ER_ZLIB)
                break;
        }
        Error("   skipping: " + name + "  incorrect password\n");
        Raise(UZ_BADPWD);
        return nullptr;
    }

    void Extract(zip_uint64_t index, const zip_stat_t& es, const std::string& path, const std::string& shown)
    {
        zip_file_t* file = OpenEntry(index, es, es.name);
        if (!file) {
            if (result_ != UZ_BADPWD)
                EntryError(es.name, zip_error_strerror(zip_get_error(archive_)));
            return;
        }
        int out = -1;
        if (!dcl_.ncflag) {
            out = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (out < 0) {
                zip_fclose(file);
                SystemError(errno, "cannot create " + path);
                return;
            }
        }
        const bool stored = (es.valid & ZIP_STAT_COMP_METHOD) && es.comp_method == ZIP_CM_STORE;
        Info(std::string(stored ? " extracting: " : "  inflating: ") + shown + "\n");

        std::vector<char> buffer(1 << 16);
        bool ok = true;
        for (;;) {
            const zip_int64_t got = zip_fread(file, buffer.data(), buffer.size());
            if (got == 0)
                break;
            if (got < 0) {
                const bool encrypted = es.encryption_method != ZIP_EM_NONE;
                const int code = zip_error_code_zip(zip_file_get_error(file));
                if (encrypted && code == ZIP_ER_CRC) {
                    Error("   skipping: " + std::string(es.name) + "  incorrect password\n");
                    Raise(UZ_BADPWD);
                } else {
                    EntryError(es.name, zip_file_strerror(file));
                }
                ok = false;
                break;
            }
            written_ += static_cast<uint64_t>(got);
            if (!StillGoingOn(es.name, es.size)) {
                ok = false;
                break;
            }
            if (written_ > limit_) {
                Error("error:  " + archivePath_ + " expands to more than the limit of " + std::to_string(limit_) +
                      " bytes; stopped\n");
                result_ = UZ_TOOBIG;
                stopped_ = true;
                ok = false;
                break;
            }
            if (out < 0) {
                Print(std::string(buffer.data(), static_cast<std::size_t>(got)));
                continue;
            }
            if (!WriteAll(out, buffer.data(), static_cast<std::size_t>(got), path)) {
                ok = false;
                break;
            }
        }
        zip_fclose(file);
        if (out < 0)
            return;
        if (::close(out) != 0 && ok)
            ok = SystemError(errno, "cannot write " + path);
        if (!ok) {
            ::unlink(path.c_str());
            return;
        }
        if (!dcl_.D_flag && (es.valid & ZIP_STAT_MTIME)) {
            const struct timespec times[2] = {{es.mtime, 0}, {es.mtime, 0}};
            ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
        }
    }

    void Test(zip_uint64_t index, const zip_stat_t& es, const std::string& name)
    {
        if (name.back() == '/')
            return;
        zip_file_t* file = OpenEntry(index, es, name);
        if (!file) {
            if (result_ != UZ_BADPWD)
                EntryError(name, zip_error_strerror(zip_get_error(archive_)));
            return;
        }
        std::vector<char> buffer(1 << 16);
        zip_int64_t got;
        while ((got = zip_fread(file, buffer.data(), buffer.size())) > 0)
            if (!StillGoingOn(name, es.size))
                break;
        if (got < 0 && !stopped_)
            EntryError(name, zip_file_strerror(file));
        else if (!stopped_)
            Info("    testing: " + name + "   OK\n");
        zip_fclose(file);
    }

    void List(const zip_stat_t& es)
    {
        const uint64_t size = es.size;
        const uint64_t packed = es.comp_size;
        const uint32_t factor = size ? static_cast<uint32_t>(packed >= size ? 0 : 100 - packed * 100 / size) : 0;
        struct tm when {};
        const time_t mtime = es.mtime;
        localtime_r(&mtime, &when);
        const bool stored = es.comp_method == ZIP_CM_STORE;
        const char* method = stored ? "Stored" : "Defl:N";
        const char encrypted = es.encryption_method != ZIP_EM_NONE ? 'E' : '\0';
        const auto month = static_cast<uint32_t>(when.tm_mon + 1), day = static_cast<uint32_t>(when.tm_mday),
                   year = static_cast<uint32_t>(when.tm_year + 1900), hour = static_cast<uint32_t>(when.tm_hour),
                   minute = static_cast<uint32_t>(when.tm_min);
        if (functions_ && functions_->listing64)
            functions_->listing64(size, packed, factor, month, day, year, hour, minute, ' ', es.name, method,
                                  es.crc, encrypted);
        else if (functions_ && functions_->listing32)
            functions_->listing32(static_cast<uint32_t>(size), static_cast<uint32_t>(size >> 32),
                                  static_cast<uint32_t>(packed), static_cast<uint32_t>(packed >> 32), factor, month,
                                  day, year, hour, minute, ' ', es.name, method, es.crc, encrypted);
    }

    bool WriteAll(int fd, const char* data, std::size_t size, const std::string& path)
    {
        while (size > 0) {
            const ssize_t put = ::write(fd, data, size);
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                return SystemError(errno, "cannot write " + path);
            }
            data += put;
            size -= static_cast<std::size_t>(put);
        }
        return true;
    }

    // Reports a failed system call; a full disk stops the whole archive.
    bool SystemError(int err, const std::string& what)
    {
        if (err == ENOSPC || err == EDQUOT) {
            Error("error:  " + what + ": disk full\n");
            result_ = UZ_DISK;
            stopped_ = true;
        } else {
            Error("error:  " + what + ": " + std::strerror(err) + "\n");
            Raise(UZ_ERR);
        }
        return false;
    }

    void EntryError(const std::string& name, const std::string& why)
    {
        Error("error:  " + name + " is damaged (" + why + ")\n");
        Raise(UZ_BADERR);
    }

    void Raise(int code)
    {
        if (!stopped_)
            result_ = std::max(result_, code);
    }

    void Info(const std::string& text)
    {
        if (dcl_.fQuiet == 0)
            Print(text);
    }
    void Warn(const std::string& text)
    {
        if (dcl_.fQuiet < 2)
            Print(text);
    }
    void Error(const std::string& text) { Warn(text); }

    void Print(const std::string& text)
    {
        if (!functions_ || !functions_->print || text.empty())
            return;
        std::vector<char> buffer(text.begin(), text.end());
        buffer.push_back('\0');
        functions_->print(buffer.data(), static_cast<uint32_t>(text.size()));
    }

    const DCL& dcl_;
    USERFUNCTION* functions_;
    std::vector<std::string> include_, exclude_;
    std::string archivePath_, target_, password_;
    std::set<std::string> unpackedNames_;
    std::set<std::string> shownNames_;  // the same, decoded as readers show them
    zip_t* archive_ = nullptr;
    int result_ = UZ_OK;
    bool stopped_ = false, replaceAll_ = false, replaceNone_ = false, targetReady_ = false;
    uint64_t limit_ = 0, written_ = 0;
    platform::ServiceClock serviceClock_;
};

void CopyText(char* field, std::size_t size, const char* text)
{
    std::memset(field, 0, size);
    std::strncpy(field, text, size - 1);
}

}  // namespace

extern "C" uint32_t UzpVersion2(UZPVER2* version)
{
    if (!version || version->structlen != UZ_UZPVER2_LENGTH)
        return UZ_UZPVER2_LENGTH;
    version->flag = 0;
    CopyText(version->betalevel, sizeof version->betalevel, "");
    CopyText(version->date, sizeof version->date, "2026");
    CopyText(version->zlib_version, sizeof version->zlib_version, zip_libzip_version());
    version->unzip = {6, 0, 0, 0};
    version->zipinfo = {3, 0, 0, 0};
    version->os2dll = {6, 0, 0, 0};
    version->windll = {6, 0, 0, 0};
    version->dllapimin = {6, 0, 0, 0};
    return 0;
}

extern "C" int Wiz_SingleEntryUnzip(int includeCount, char** includeNames, int excludeCount, char** excludeNames,
                                    DCL* lpDCL, USERFUNCTION* lpUserFunctions)
{
    if (!lpDCL || lpDCL->StructVersID != UZ_STRUCT_VERSION)
        return UZ_PARAM;
    try {
        Unzipper unzipper(*lpDCL, lpUserFunctions, includeCount, includeNames, excludeCount, excludeNames);
        return unzipper.Run();
    } catch (const std::bad_alloc&) {
        return UZ_MEM;
    } catch (...) {
        return UZ_BADERR;
    }
}

extern "C" int UzpReadHeads(const char* archivePath, int patternCount, const char* const* patterns,
                            uint32_t headSize, UzHeadFn see, void* context)
{
    if (!archivePath || !see || patternCount < 0 || (patternCount > 0 && !patterns))
        return UZ_PARAM;
    try {
        std::vector<std::string> wanted;
        for (int i = 0; i < patternCount; ++i)
            if (patterns[i])
                wanted.emplace_back(patterns[i]);
        int code = 0;
        zip_t* archive = zip_open(archivePath, ZIP_RDONLY, &code);
        if (!archive)
            return code == ZIP_ER_NOZIP || code == ZIP_ER_NOENT ? UZ_NOZIP : code == ZIP_ER_MEMORY ? UZ_MEM : UZ_BADERR;
        int result = UZ_OK;
        std::string head;
        const zip_int64_t count = zip_get_num_entries(archive, 0);
        for (zip_int64_t i = 0; i < count; ++i) {
            const auto index = static_cast<zip_uint64_t>(i);
            zip_stat_t es;
            if (zip_stat_index(archive, index, ZIP_FL_ENC_RAW, &es) != 0 || !es.name || !*es.name ||
                es.name[std::strlen(es.name) - 1] == '/' || !wildcard::MatchesAny(wanted, es.name, true) ||
                es.encryption_method != ZIP_EM_NONE || IsLink(archive, index))
                continue;
            head.resize((es.valid & ZIP_STAT_SIZE) ? static_cast<std::size_t>(std::min<zip_uint64_t>(headSize, es.size))
                                                    : headSize);
            zip_file_t* file = zip_fopen_index(archive, index, 0);
            bool failed = !file;
            std::size_t got = 0;
            while (file && got < head.size()) {
                const zip_int64_t piece = zip_fread(file, head.data() + got, head.size() - got);
                failed = piece < 0;
                if (piece <= 0)
                    break;
                got += static_cast<std::size_t>(piece);
            }
            if (file)
                zip_fclose(file);
            if (failed) {
                result = UZ_ERR;
                continue;
            }
            if (see(es.name, head.data(), static_cast<uint32_t>(got), context) != 0)
                break;
        }
        zip_discard(archive);
        return result;
    } catch (const std::bad_alloc&) {
        return UZ_MEM;
    } catch (...) {
        return UZ_BADERR;
    }
}
