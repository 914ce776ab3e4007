// A stand-in UnZip library for the binding's tests. Its version answers are
// fixed at build time; it keeps a copy of what the binding handed over and
// runs the test's action inside Wiz_SingleEntryUnzip.
#include "FakeRecords.h"

#include <cstring>
#include <string>
#include <vector>

#ifndef FAKE_STRUCTLEN_ANSWER
#define FAKE_STRUCTLEN_ANSWER 0
#endif
#ifndef FAKE_UNZIP_VERSION
#define FAKE_UNZIP_VERSION 6, 0, 0, 0
#endif
#ifndef FAKE_API_VERSION
#define FAKE_API_VERSION 6, 0, 0, 0
#endif


namespace {
FakeUnzipCall g_last{};
void (*g_action)(USERFUNCTION*) = nullptr;
int g_result = 0;

std::vector<std::string> Names(char** names)
{
    std::vector<std::string> out;
    for (int i = 0; i < 100; ++i)
        out.push_back(names[i] ? names[i] : "(null)");
    return out;
}
}  // namespace

extern "C" UNZIP32_API uint32_t UzpVersion2(UZPVER2* v)
{
    if (FAKE_STRUCTLEN_ANSWER)
        return FAKE_STRUCTLEN_ANSWER;
    v->unzip = {FAKE_UNZIP_VERSION};
    v->dllapimin = {FAKE_API_VERSION};
    return 0;
}

extern "C" UNZIP32_API int Wiz_SingleEntryUnzip(int ic, char** in, int xc, char** ex, DCL* dcl, USERFUNCTION* uf)
{
    ++g_last.calls;
    g_last.dcl = *dcl;
    g_last.includeCount = ic;
    g_last.excludeCount = xc;
    g_last.include = Names(in);
    g_last.exclude = Names(ex);
    g_last.zipNameNull = dcl->lpszZipFN == nullptr;
    g_last.zipName = dcl->lpszZipFN ? dcl->lpszZipFN : "";
    g_last.extractDirNull = dcl->lpszExtractDir == nullptr;
    g_last.extractDir = dcl->lpszExtractDir ? dcl->lpszExtractDir : "";
    if (g_action)
        g_action(uf);
    return g_result;
}

extern "C" UNZIP32_API FakeUnzipCall* FakeUnzipLastCall()
{
    return &g_last;
}

extern "C" UNZIP32_API void FakeUnzipSetAction(void (*action)(USERFUNCTION*), int result)
{
    g_action = action;
    g_result = result;
}
