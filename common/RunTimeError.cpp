#include "RunTimeError.h"

#include "Translation.h"

#include <cerrno>
#include <cstring>

namespace {

struct Meaning {
    int number;
    const char* words;
};

Meaning MeaningOf(int err)
{
    switch (err) {
    case ENOENT:
        return {ErrorNumber::FileNotFound, QT_TRANSLATE_NOOP("FileErrors", "File not found")};
    case ENOTDIR:
        return {ErrorNumber::PathNotFound, QT_TRANSLATE_NOOP("FileErrors", "Path not found")};
    case EEXIST:
    case ENOTEMPTY:
        return {ErrorNumber::FileAlreadyExists, QT_TRANSLATE_NOOP("FileErrors", "File already exists")};
    case EACCES:
    case EPERM:
    case EROFS:
        return {ErrorNumber::PermissionDenied, QT_TRANSLATE_NOOP("FileErrors", "Permission denied")};
    case ENOSPC:
    case EDQUOT:
        return {ErrorNumber::DiskFull, QT_TRANSLATE_NOOP("FileErrors", "Disk full")};
    case ENOMEM:
        return {ErrorNumber::OutOfMemory, QT_TRANSLATE_NOOP("FileErrors", "Out of memory")};
    default:
        return {ErrorNumber::PathFileAccess, QT_TRANSLATE_NOOP("FileErrors", "Path/File access error")};
    }
}

}  // namespace

RunTimeError ErrorFromErrno(int err, const std::string& action, const std::string& path)
{
    const Meaning m = MeaningOf(err);
    //: %1 says what went wrong, %2 what was being done, %3 the
    //: file or folder, %4 the system's own words.
    const std::string text =
        Words::Fill(Words::translate("FileErrors", "%1 (%2 \"%3\": %4)"),
                    {Words::translate("FileErrors", m.words), Words::translate("FileErrors", action.c_str()), path,
                     std::strerror(err)});
    return RunTimeError(m.number, text);
}
