#include "UnzipBinding.h"

#include "ProgramEnd.h"
#include "LibraryText.h"
#include "SharedLibrary.h"
#include "LineBreak.h"
#include "UserPrompter.h"
#include "unzip32.h"
#include "Translation.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int32_t Version600 = 6 << 24;
constexpr std::size_t NameBound = 257;
constexpr std::size_t PrintBound = 32801;
constexpr int ProgramEndCode = 3;

using VersionFn = uint32_t (*)(UZPVER2*);
using UnzipFn = int (*)(int, char**, int, char**, DCL*, USERFUNCTION*);

// The records handed to the library, filled anew on every call; our
// library reads them only during the call they are handed to.
DCL g_dcl;
USERFUNCTION g_functions;
UZPVER2 g_version;

LibraryOnFirstUse g_library(UnzipLibraryName);

// The number written after `pads` pad characters, cut to its last `width`
// characters: right-aligned, and a longer number keeps its last digits.
std::string Column(const std::string& number, std::size_t pads, char pad, std::size_t width)
{
    std::string text(pads, pad);
    text.append(number);
    return text.substr(text.size() - std::min(width, text.size()));
}

// Writes text over the line from column (1-based) on. Copied byte by
// byte: GCC 12 takes std::string::replace of short texts here for an
// overlapping copy and warns.
void Place(std::string& line, std::size_t column, const std::string& text)
{
    if (line.size() < column - 1 + text.size())
        line.resize(column - 1 + text.size(), ' ');
    std::copy(text.begin(), text.end(), line.begin() + static_cast<std::ptrdiff_t>(column - 1));
}

int PrintCallback(char* buffer, uint32_t length)
{
    try {
        const std::string text = LibraryText::Read(buffer, std::min<std::size_t>(length, PrintBound));
        std::string converted;
        converted.reserve(text.size());
        for (char c : text) {
            if (c == '\n')
                converted += LineBreak;
            else
                converted += c == '\\' ? '/' : c;
        }
        TheUnzipRequest().printText += converted;
    } catch (...) {
    }
    return 0;
}

int ReplaceCallback(char* fileName, uint32_t bufferSize)
{
    MessageAnswer answer = MessageAnswer::No;
    try {
        std::string name = LibraryText::Read(fileName, std::min<std::size_t>(bufferSize, PrintBound));
        std::replace(name.begin(), name.end(), '\\', '/');
        answer = Prompter().ShowMessageBox(Words::Fill(Words::translate("UnzipBinding", "Overwrite \"%1\" ?"), {name}),
                                           Words::translate("UnzipBinding", "VBUnZip32 - File Already Exists!"),
                                           MessageButtons::YesNoCancel, MessageIcon::Warning);
    } catch (...) {
    }
    switch (answer) {
    case MessageAnswer::Yes:
        return UZ_REPLACE_YES;
    case MessageAnswer::Cancel:
        return UZ_REPLACE_NONE;
    default:
        return UZ_REPLACE_NO;
    }
}

int PasswordCallback(char* buffer, int bufferSize, const char* prompt, const char* entryName)
{
    UnzipRequest& request = TheUnzipRequest();
    if (request.skipPasswords)
        return -1;
    std::string answer;
    try {
        const std::string libraryPrompt = LibraryText::Read(prompt, NameBound);
        const std::string shown = libraryPrompt.empty()
                                      ? Words::translate("UnzipBinding", "Please Enter The Password!")
                                      : libraryPrompt + " " + LibraryText::Read(entryName, NameBound);
        for (;;) {
            answer = Prompter().AskInput(shown, ApplicationTitle, InputEcho::Hidden);
            if (static_cast<long>(answer.size()) < bufferSize)
                break;
            const MessageAnswer again = Prompter().ShowMessageBox(
                Words::Fill(Words::translate("UnzipBinding", "The supplied password exceeds the maximum password "
                                                             "length %1 supported by the UnZip DLL."),
                            {std::to_string(bufferSize - 1)}),
                Words::translate("UnzipBinding", "UnZip password too long"), MessageButtons::RetryCancel,
                MessageIcon::Warning);
            if (again != MessageAnswer::Retry) {
                answer.clear();
                break;
            }
        }
    } catch (...) {
        answer.clear();
    }
    if (answer.empty() || !buffer || bufferSize <= 0) {
        request.skipPasswords = -1;
        return -1;
    }
    const std::size_t room = std::min<std::size_t>(static_cast<std::size_t>(bufferSize), NameBound);
    std::memset(buffer, 0, room);
    std::memcpy(buffer, answer.data(), std::min(answer.size(), room - 1));
    return 0;
}

void ListingCallback(uint32_t sizeLow, uint32_t sizeHigh, uint32_t packedLow, uint32_t packedHigh, uint32_t,
                     uint32_t month, uint32_t day, uint32_t year, uint32_t hour, uint32_t minute, char,
                     const char* entryName, const char*, uint32_t crc, char)
{
    try {
        UnzipRequest& request = TheUnzipRequest();
        if (request.listedCount == 0) {
            std::string header(80, ' ');
            Place(header, 1, "Filename:");
            Place(header, 53, "Size");
            Place(header, 62, "Date");
            Place(header, 71, "Time");
            request.listingText = header + LineBreak;
        }
        auto low16 = [](uint32_t v) { return std::to_string(static_cast<int16_t>(v & 0xFFFF)); };
        const uint64_t size = (static_cast<uint64_t>(sizeHigh) << 32) + sizeLow;
        std::string line(80, ' ');
        Place(line, 1, LibraryText::Read(entryName, NameBound).substr(0, 50));
        Place(line, 51, Column(std::to_string(size), 8, ' ', 9));
        Place(line, 62, Column(low16(month), 1, '0', 2));
        Place(line, 64, "/");
        Place(line, 65, Column(low16(day), 1, '0', 2));
        Place(line, 67, "/");
        Place(line, 68, Column(low16(year), 1, '0', 2));
        Place(line, 72, Column(low16(hour), 1, ' ', 2));
        Place(line, 74, ":");
        Place(line, 75, Column(low16(minute), 1, '0', 2));
        request.listingText += line + LineBreak;
        ++request.listedCount;
        const uint64_t packed = (static_cast<uint64_t>(packedHigh) << 32) + packedLow;
        request.listedEntries.push_back({LibraryText::Read(entryName, NameBound), size, crc, packed});
    } catch (...) {
    }
}

// Called once per entry, and again during long work on one entry: the
// window handles what is pending, so that it never looks dead. The answer
// is always to go on.
int ServiceCallback(const char*, uint32_t, uint32_t)
{
    try {
        Prompter().ProcessPendingEvents();
    } catch (...) {
    }
    return 0;
}

void EndProgramWith(const std::string& text)
{
    Prompter().ShowMessageBox(text, ApplicationTitle, MessageButtons::Ok, MessageIcon::Critical);
    throw ProgramEndRequest{ProgramEndCode};
}

int32_t VersionNumber(const UzpVersionNumber& v)
{
    return static_cast<int32_t>((static_cast<uint32_t>(v.major) << 24) | (static_cast<uint32_t>(v.minor) << 16) |
                                (static_cast<uint32_t>(v.patchlevel) << 8) | v.not_used);
}

void CheckVersion(VersionFn version)
{
    std::memset(&g_version, 0, sizeof g_version);
    g_version.structlen = UZ_UZPVER2_LENGTH;
    const uint32_t needed = version(&g_version);
    const std::string closing =
        std::string(LineBreak) + LineBreak + Words::translate("UnzipBinding", "The program cannot continue.");
    const auto say = [&](const char* title, const std::string& detail) {
        EndProgramWith(Words::translate("UnzipBinding", title) + LineBreak + detail + closing);
    };
    if (needed != 0)
        say(QT_TRANSLATE_NOOP("UnzipBinding", "Incompatible DLL version discovered!"),
            Words::Fill(Words::translate("UnzipBinding", "The UnZip DLL requires a version structure of length %1, "
                                                         "but the VB frontend expects the DLL to need 68bytes."),
                        {std::to_string(needed)}));
    const int32_t unzip = VersionNumber(g_version.unzip);
    if (unzip < Version600)
        say(QT_TRANSLATE_NOOP("UnzipBinding", "Incompatible old DLL version discovered!"),
            Words::Fill(Words::translate("UnzipBinding", "This program requires an UnZip DLL version of at least %1, "
                                                         "but the version reported by the found DLL is only %2."),
                        {UnzipVersionText(Version600, false), UnzipVersionText(unzip, false)}));
    const int32_t api = VersionNumber(g_version.dllapimin);
    if (api > Version600)
        say(QT_TRANSLATE_NOOP("UnzipBinding", "DLL version with incompatible API discovered!"),
            Words::Fill(Words::translate("UnzipBinding", "This program can only handle UnZip DLL API versions up to "
                                                         "%1, but the found DLL reports a newer API version of %2."),
                        {UnzipVersionText(Version600, true), UnzipVersionText(api, true)}));
}

std::string Hex(int value)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), digits[value % 16]);
        value /= 16;
    } while (value > 0);
    return text;
}

static_assert(UnzipSucceeded == UZ_OK && UnzipMatchedNothing == UZ_FIND);

}  // namespace

UnzipRequest& TheUnzipRequest()
{
    static UnzipRequest request;
    return request;
}

void SetUnzipLibraryFile(const std::string& fileName)
{
    g_library.SetFile(fileName);
}

std::string UnzipVersionText(int32_t number, bool asApiVersion)
{
    const auto bits = static_cast<uint32_t>(number);
    int major = static_cast<int>(bits >> 24);
    if (asApiVersion) {
        major = number / (1 << 24);  // truncated toward zero
        if (major < 0)
            major += 256;
    }
    const int minor = static_cast<int>((bits >> 16) & 0xFF);
    const int patch = static_cast<int>((bits >> 8) & 0xFF);
    return std::to_string(major) + "." + Hex(minor) + (patch ? Hex(patch) : "");
}

int RunUnzip()
{
    const UnzipRequest& request = TheUnzipRequest();
    g_dcl = DCL{};
    g_dcl.StructVersID = UZ_STRUCT_VERSION;
    g_dcl.ExtractOnlyNewer = request.ExtractOnlyNewer;
    g_dcl.SpaceToUnderscore = request.SpaceToUnderscore;
    g_dcl.PromptToOverwrite = request.PromptToOverwrite;
    g_dcl.fQuiet = request.fQuiet;
    g_dcl.ncflag = request.ncflag;
    g_dcl.ntflag = request.ntflag;
    g_dcl.nvflag = request.nvflag;
    g_dcl.nfflag = request.nfflag;
    g_dcl.nzflag = request.nzflag;
    g_dcl.ndflag = request.ndflag;
    g_dcl.noflag = request.noflag;
    g_dcl.naflag = request.naflag;
    g_dcl.nZIflag = request.nZIflag;
    g_dcl.C_flag = request.C_flag;
    g_dcl.fPrivilege = request.fPrivilege;
    g_dcl.lpszZipFN = LibraryText::Pointer(request.lpszZipFN);
    g_dcl.lpszExtractDir = LibraryText::Pointer(request.lpszExtractDir);

    g_functions = USERFUNCTION{};
    g_functions.print = PrintCallback;
    g_functions.replace = ReplaceCallback;
    g_functions.password = PasswordCallback;
    g_functions.listing32 = ListingCallback;
    g_functions.service32 = ServiceCallback;

    SharedLibrary& library = g_library.Get();
    const auto version = reinterpret_cast<VersionFn>(library.EntryPoint("UzpVersion2"));
    const auto unzip = reinterpret_cast<UnzipFn>(library.EntryPoint("Wiz_SingleEntryUnzip"));
    CheckVersion(version);

    std::vector<char*> include = LibraryText::Pointers(request.includeNames);
    std::vector<char*> exclude = LibraryText::Pointers(request.excludeNames);
    return unzip(request.includeCount, include.data(), request.excludeCount, exclude.data(), &g_dcl, &g_functions);
}

int ReadEntryHeads(const std::string& book, const std::vector<std::string>& patterns, std::size_t size,
                   const SeeHead& see)
{
    using HeadsFn = int (*)(const char*, int, const char* const*, uint32_t, UzHeadFn, void*);
    const auto heads = reinterpret_cast<HeadsFn>(g_library.Get().EntryPoint("UzpReadHeads"));
    std::vector<const char*> names;
    for (const std::string& pattern : patterns)
        names.push_back(pattern.c_str());
    const UzHeadFn shown = [](const char* name, const char* data, uint32_t length, void* context) {
        try {
            return (*static_cast<const SeeHead*>(context))(name, std::string_view(data, length)) ? 0 : 1;
        } catch (...) {
            return 1;
        }
    };
    return heads(book.c_str(), static_cast<int>(names.size()), names.data(),
                 static_cast<uint32_t>(std::min<std::size_t>(size, UINT32_MAX)), shown, const_cast<SeeHead*>(&see));
}
