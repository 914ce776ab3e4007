#include "SharedLibrary.h"

#include "PathText.h"
#include "ProgramFolder.h"
#include "RunTimeError.h"
#include "Translation.h"

#include <dlfcn.h>
#include <unistd.h>

SharedLibrary::SharedLibrary(const std::string& fileName) : fileName_(fileName)
{
    // Beside the program in a build tree; in the private folder an
    // installation keeps them in, found from the program wherever the
    // installation lies.
    if (fileName.find(PathText::Separator) == std::string::npos)
        for (const std::string& folder : {ProgramFolder(), ProgramFolder() + BINDWELL_LIBRARY_FOLDER + "/"}) {
            const std::string candidate = folder + fileName;
            if (!handle_ && ::access(candidate.c_str(), R_OK) == 0)
                handle_ = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        }
    if (!handle_)
        handle_ = ::dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* why = ::dlerror();
        throw RunTimeError(ErrorNumber::CannotLoadLibrary,
            why ? Words::Fill(Words::translate("SharedLibrary", "Cannot load the library %1 (%2)"), {fileName, why})
                : Words::Fill(Words::translate("SharedLibrary", "Cannot load the library %1"), {fileName}));
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
                           Words::Fill(Words::translate("SharedLibrary", "Cannot find the entry point %1 in %2"),
                                       {name, fileName_}));
    return entry;
}
