#pragma once

#include <string>

// A shared library found by file name the way a program finds its own:
// beside the program first, then in the installation's private library
// folder (found from the program's own folder), then on the system's
// search path.
class SharedLibrary {
public:
    // Raises RunTimeError (CannotLoadLibrary) when it cannot be loaded.
    explicit SharedLibrary(const std::string& fileName);
    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    // Raises RunTimeError (EntryPointMissing) when the library lacks it.
    void* EntryPoint(const char* name) const;

    const std::string& fileName() const { return fileName_; }

private:
    std::string fileName_;
    void* handle_ = nullptr;
};
