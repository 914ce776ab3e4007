// The unzip library on arbitrary archive bytes: whatever it is given, it
// must not crash, must write only inside the target folder, and must never
// leave a symbolic link there.
#include "FuzzFiles.h"
#include "unzip32.h"

#include <cstdio>

namespace fs = std::filesystem;

namespace {

int Print(char*, uint32_t)
{
    return 0;
}
int Replace(char*, uint32_t)
{
    return UZ_REPLACE_YES;
}
int NoPassword(char*, int, const char*, const char*)
{
    return 1;
}
int Service(const char*, uint64_t)
{
    return 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const fs::path archive = ScratchFolder() / "book.epub";
    const fs::path target = ScratchFolder() / "out";
    WriteBytes(archive, data, size);

    DCL dcl{};
    dcl.StructVersID = UZ_STRUCT_VERSION;
    dcl.noflag = 1;
    dcl.ndflag = 1;
    dcl.lpszZipFN = archive.c_str();
    dcl.lpszExtractDir = target.c_str();
    USERFUNCTION functions{};
    functions.print = Print;
    functions.replace = Replace;
    functions.password = NoPassword;
    functions.service64 = Service;
    Wiz_SingleEntryUnzip(0, nullptr, 0, nullptr, &dcl, &functions);

    // Nothing beside the archive and the target folder; no link inside it.
    for (const fs::directory_entry& entry : fs::directory_iterator(ScratchFolder()))
        if (entry.path() != archive && entry.path() != target)
            std::abort();
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(target, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        if (it->is_symlink())
            std::abort();
    fs::remove_all(target);
    return 0;
}
