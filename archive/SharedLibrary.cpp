#include "SharedLibrary.h"

#include "PathText.h"
#include "RunTimeError.h"

#include <dlfcn.h>
#include <unistd.h>

#include <filesystem>

std::string ProgramFolder()
{
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : PathText::AsFolder(self.parent_path().string());
}

SharedLibrary::SharedLibrary(const std::string& fileName) : fileName_(fileName)
{
    const bool bare = fileName.find(PathText::Separator) == std::string::npos;
    const std::string beside = ProgramFolder() + fileName;
    if (bare && ::access(beside.c_str(), R_OK) == 0)
        handle_ = ::dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_)
        handle_ = ::dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* why = ::dlerror();
        throw RunTimeError(ErrorNumber::CannotLoadLibrary,
                           "Cannot load the library " + fileName + (why ? std::string(" (") + why + ")" : ""));
    }
}

SharedLibrary::~SharedLibrary()
{
    ::dlclose(handle_);
}

void* SharedLibrary::EntryPoint(const char* name) const
{
    void* entry = ::dlsym(handle_, name);
    if (!entry)
        throw RunTimeError(ErrorNumber::EntryPointMissing,
                           std::string("Cannot find the entry point ") + name + " in " + fileName_);
    return entry;
}
