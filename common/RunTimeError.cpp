#include "RunTimeError.h"

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
        return {ErrorNumber::FileNotFound, "File not found"};
    case ENOTDIR:
        return {ErrorNumber::PathNotFound, "Path not found"};
    case EEXIST:
    case ENOTEMPTY:
        return {ErrorNumber::FileAlreadyExists, "File already exists"};
    case EACCES:
    case EPERM:
    case EROFS:
        return {ErrorNumber::PermissionDenied, "Permission denied"};
    case ENOSPC:
    case EDQUOT:
        return {ErrorNumber::DiskFull, "Disk full"};
    case ENOMEM:
        return {ErrorNumber::OutOfMemory, "Out of memory"};
    default:
        return {ErrorNumber::PathFileAccess, "Path/File access error"};
    }
}

}  // namespace

RunTimeError ErrorFromErrno(int err, const std::string& action, const std::string& path)
{
    const Meaning m = MeaningOf(err);
    std::string text = std::string(m.words) + " (" + action + " \"" + path + "\": " + std::strerror(err) + ")";
    return RunTimeError(m.number, text);
}
