#pragma once

#include <memory>
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

// The library a binding drives: loaded by file name at its first use and
// kept loaded until another file is named.
class LibraryOnFirstUse {
public:
    explicit LibraryOnFirstUse(std::string fileName) : fileName_(std::move(fileName)) {}

    // Raises RunTimeError (CannotLoadLibrary) when it cannot be loaded.
    SharedLibrary& Get()
    {
        if (!library_)
            library_ = std::make_unique<SharedLibrary>(fileName_);
        return *library_;
    }

    // The next Get loads this file instead.
    void SetFile(std::string fileName)
    {
        library_.reset();
        fileName_ = std::move(fileName);
    }

private:
    std::string fileName_;
    std::unique_ptr<SharedLibrary> library_;
};
