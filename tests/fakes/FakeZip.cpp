// A stand-in Zip library for the binding's tests: keeps a copy of the
// records the binding handed over and answers as the test set it.
#include "FakeRecords.h"

#include <string>
#include <vector>

#ifndef FAKE_INIT_ANSWER
#define FAKE_INIT_ANSWER 1
#endif


namespace {
FakeZipCall g_last{};
int g_result = 0;
std::string g_printed = "  adding: x (deflated 50%)\n";
ZIPUSERFUNCTIONS g_functions{};
}  // namespace

extern "C" ZIP32_API int ZpInit(ZIPUSERFUNCTIONS* f)
{
    ++g_last.inits;
    g_functions = *f;
    return FAKE_INIT_ANSWER;
}

extern "C" ZIP32_API int ZpSetOptions(ZPOPT* o)
{
    ++g_last.setOptions;
    g_last.options = *o;
    return 1;
}

extern "C" ZIP32_API ZPOPT ZpGetOptions(void)
{
    return g_last.options;
}

extern "C" ZIP32_API int ZpArchive(ZCL c)
{
    ++g_last.archives;
    g_last.argc = c.argc;
    g_last.zipName = c.lpszZipFN ? c.lpszZipFN : "(null)";
    g_last.names.clear();
    for (int i = 0; i < 100; ++i)
        g_last.names.push_back(c.FNV[i] ? c.FNV[i] : "(null)");
    std::vector<char> text(g_printed.begin(), g_printed.end());
    text.push_back('\0');
    g_functions.print(text.data(), static_cast<uint32_t>(g_printed.size()));
    return g_result;
}

extern "C" ZIP32_API FakeZipCall* FakeZipLastCall()
{
    return &g_last;
}

extern "C" ZIP32_API void FakeZipSetResult(int result)
{
    g_result = result;
}

// What the next archives print, a line that ends in a line feed.
extern "C" ZIP32_API void FakeZipSetPrinted(const char* text)
{
    g_printed = text;
}

extern "C" ZIP32_API ZIPUSERFUNCTIONS* FakeZipFunctions()
{
    return &g_functions;
}
