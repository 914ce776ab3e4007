#pragma once

#include <dlfcn.h>

#include <stdexcept>
#include <string>

// Reaches into a fake library that the binding has loaded, to read what
// it recorded or to tell it how to answer.
template <typename Fn>
Fn FakeEntry(const std::string& library, const char* name)
{
    // Kept open, so that the entry stays valid whether or not the binding
    // has loaded the library yet.
    void* handle = ::dlopen(library.c_str(), RTLD_NOW);
    if (!handle)
        throw std::runtime_error("cannot open " + library);
    void* entry = ::dlsym(handle, name);
    if (!entry)
        throw std::runtime_error(std::string("no ") + name + " in " + library);
    return reinterpret_cast<Fn>(entry);
}

inline std::string FakePath(const std::string& name)
{
    return std::string(BINDWELL_FAKES_DIR) + "/lib" + name + ".so";
}
