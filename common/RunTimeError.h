#pragma once

#include <stdexcept>
#include <string>

// The one failure type of the program: a number and a description that a
// user can read. Raised where an operation fails and caught by the batch
// run, which reports it in one message, and by the front ends where they
// act without a run (bindwell-cli's listing).
class RunTimeError : public std::runtime_error {
public:
    RunTimeError(int number, std::string description)
        : std::runtime_error(description), number_(number), description_(std::move(description)) {}

    int number() const { return number_; }
    const std::string& description() const { return description_; }

private:
    int number_;
    std::string description_;
};

// Error numbers used across the program.
namespace ErrorNumber {
inline constexpr int InvalidCall = 5;       // bad argument, pattern or state
inline constexpr int Overflow = 6;          // a number out of its range
inline constexpr int SubscriptOutOfRange = 9;  // an index past the end of a list
inline constexpr int OutOfMemory = 7;
inline constexpr int FileNotFound = 53;
inline constexpr int FileAlreadyExists = 58;
inline constexpr int DiskFull = 61;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccess = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int CannotLoadLibrary = 48;
inline constexpr int EntryPointMissing = 453;
inline constexpr int InternalError = 51;
}  // namespace ErrorNumber

// Builds the error for a failed system call: the number that fits errno,
// the action and path, and the system's own reason. The action is an
// English phrase marked QT_TRANSLATE_NOOP("FileErrors", ...) where it is
// written, and is shown translated.
RunTimeError ErrorFromErrno(int err, const std::string& action, const std::string& path);
