#include "ZipBinding.h"

#include "LibraryText.h"
#include "SharedLibrary.h"
#include "UserPrompter.h"
#include "zip32.h"
#include "Translation.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

namespace {

constexpr std::size_t BufferBound = 4097;

using InitFn = int (*)(ZIPUSERFUNCTIONS*);
using SetOptionsFn = int (*)(ZPOPT*);
using ArchiveFn = int (*)(ZCL);
using SetReferenceFn = int (*)(const char*);
using CarryReferenceFn = int (*)(int, const char* const*);
using PrefetchReferenceFn = int (*)(const char*, int, const char* const*, int, const char* const*);
using SeeCarriedFn = int (*)(int, const char* const*, ZpSeeFn, void*);
using PrefixCarriedFn = int (*)(const char*, const char*, uint32_t);
using TransformCarriedFn = int (*)(int, const char* const*, ZpTransformFn, void*);
using PrefetchTransformedFn = int (*)(const char*, int, const char* const*, int, const char* const*, int,
                                      const char* const*, ZpTransformFn, void*);
static_assert(std::is_same_v<TransformEntryFn, ZpTransformFn>);
using OfferDeflatedFn = int (*)(const char*, const char*, uint64_t, uint32_t, uint64_t);

static_assert(RunZipNotInitialized == ZE_NOINIT && RunZipCarriedEntryRefused == ZE_CARRIED);

// The records handed to the library, filled anew on every call; our
// library reads them only during the call they are handed to.
ZIPUSERFUNCTIONS g_functions;
ZPOPT g_options;

LibraryOnFirstUse g_library(ZipLibraryName);

// Writes answer and a zero byte into a library buffer, within the bound.
void WriteAnswer(char* buffer, std::size_t room, const std::string& answer)
{
    room = std::min(room, BufferBound);
    std::memcpy(buffer, answer.data(), std::min(answer.size(), room - 1));
    buffer[std::min(answer.size(), room - 1)] = '\0';
}

int PrintCallback(char* buffer, uint32_t length)
{
    try {
        const std::string text = LibraryText::Read(buffer, std::min<std::size_t>(std::size_t{length} + 1, BufferBound));
        TheZipRequest().printText += text;
        Prompter().PrintOnWindow(text);
        Prompter().ProcessPendingEvents();
    } catch (...) {
    }
    return 0;
}

int16_t CommentCallback(char* buffer)
{
    try {
        const std::string answer = Prompter().AskInput(Words::translate("ZipBinding", "Enter the comment"),
                                                       ApplicationTitle, InputEcho::Shown);
        if (!answer.empty() && buffer)
            WriteAnswer(buffer, BufferBound, answer);
    } catch (...) {
    }
    return 1;
}

int16_t PasswordCallback(char* buffer, int bufferSize, const char*, const char*)
{
    try {
        const std::string answer =
            Prompter().AskInput(Words::translate("ZipBinding", "Please Enter The Password!"), ApplicationTitle,
                                InputEcho::Hidden);
        if (answer.empty() || !buffer || bufferSize <= 0)
            return 1;
        const std::size_t room = std::min<std::size_t>(static_cast<std::size_t>(bufferSize), BufferBound);
        std::memset(buffer, 0, room);
        WriteAnswer(buffer, room, answer);
        return 0;
    } catch (...) {
        return 1;
    }
}

// Called once per file, and again during long work on one file: the
// window handles what is pending, so that it never looks dead. The answer
// is always to go on.
int ServiceCallback(const char*, int32_t)
{
    try {
        Prompter().ProcessPendingEvents();
    } catch (...) {
    }
    return 0;
}

// Loads the library; nullptr when it cannot be had, which RunZip reports
// in its own message.
SharedLibrary* Library()
{
    try {
        return &g_library.Get();
    } catch (...) {
        return nullptr;
    }
}

template <typename Fn>
Fn EntryPoint(SharedLibrary* library, const char* name)
{
    try {
        return library ? reinterpret_cast<Fn>(library->EntryPoint(name)) : nullptr;
    } catch (...) {
        return nullptr;
    }
}

void FillOptions(const ZipRequest& r)
{
    g_options.Date = LibraryText::Pointer(r.Date);
    g_options.szRootDir = LibraryText::Pointer(r.szRootDir);
    g_options.szTempDir = LibraryText::Pointer(r.szTempDir);
    g_options.fSuffix = r.fSuffix;
    g_options.fEncrypt = r.fEncrypt;
    g_options.fSystem = r.fSystem;
    g_options.fVolume = r.fVolume;
    g_options.fExtra = r.fExtra;
    g_options.fNoDirEntries = r.fNoDirEntries;
    g_options.fExcludeDate = r.fExcludeDate;
    g_options.fIncludeDate = r.fIncludeDate;
    g_options.fVerbose = r.fVerbose;
    g_options.fQuiet = r.fQuiet;
    g_options.fCRLF_LF = r.fCRLF_LF;
    g_options.fLF_CRLF = r.fLF_CRLF;
    g_options.fJunkDir = r.fJunkDir;
    g_options.fGrow = r.fGrow;
    g_options.fForce = r.fForce;
    g_options.fMove = r.fMove;
    g_options.fDeleteEntries = r.fDeleteEntries;
    g_options.fUpdate = r.fUpdate;
    g_options.fFreshen = r.fFreshen;
    g_options.fJunkSFX = r.fJunkSFX;
    g_options.fLatestTime = r.fLatestTime;
    g_options.fComment = r.fComment;
    g_options.fOffsets = r.fOffsets;
    g_options.fPrivilege = r.fPrivilege;
    g_options.fEncryption = r.fEncryption;
    g_options.fRecurse = r.fRecurse;
    g_options.fRepair = r.fRepair;
    if (r.fLevel >= 0 && r.fLevel <= 255)
        g_options.fLevel = static_cast<char>(r.fLevel);
}

std::vector<const char*> PointersTo(const std::vector<std::string>& texts)
{
    std::vector<const char*> pointers;
    for (const std::string& text : texts)
        pointers.push_back(text.c_str());
    return pointers;
}

// Hands the library the callbacks and the request's options; false, with
// the message shown, when the library cannot be had.
bool Prepare(SharedLibrary* library)
{
    g_functions.print = PrintCallback;
    g_functions.comment = CommentCallback;
    g_functions.password = PasswordCallback;
    g_functions.service = ServiceCallback;
    const auto init = EntryPoint<InitFn>(library, "ZpInit");
    if (!init || init(&g_functions) == 0) {
        Prompter().ShowMessageBox(Words::translate("ZipBinding", "Zip32.dll did not initialize.  Is it in the current "
                                                                 "directory or on the command path?"),
                                  Words::translate("ZipBinding", "VB Zip"), MessageButtons::Ok, MessageIcon::None);
        return false;
    }
    FillOptions(TheZipRequest());
    if (const auto setOptions = EntryPoint<SetOptionsFn>(library, "ZpSetOptions"))
        setOptions(&g_options);
    return true;
}

// Names the reference and the entries to carry from it, as the request
// says; false when they cannot be carried.
bool SetReferenceAndCarried(SharedLibrary* library)
{
    const ZipRequest& request = TheZipRequest();
    const auto setReference = EntryPoint<SetReferenceFn>(library, "ZpSetReference");
    if (setReference)
        setReference(LibraryText::Pointer(request.szReferenceZip));
    if (!request.carryAllBut)
        return true;
    const auto carry = EntryPoint<CarryReferenceFn>(library, "ZpCarryReference");
    const std::vector<const char*> patterns = PointersTo(*request.carryAllBut);
    if (!setReference || !carry || carry(static_cast<int>(patterns.size()), patterns.data()) < 0)
        return false;
    const auto prefix = EntryPoint<PrefixCarriedFn>(library, "ZpPrefixCarried");
    for (const auto& [name, bytes] : request.carriedPrefixes)
        if (!prefix || bytes.size() > UINT32_MAX ||
            !prefix(name.c_str(), bytes.data(), static_cast<uint32_t>(bytes.size())))
            return false;
    // Where the library cannot transform, the entries go in as they are.
    const auto transform = EntryPoint<TransformCarriedFn>(library, "ZpTransformCarried");
    if (request.carriedTransform && request.carriedTransform->function && transform) {
        const std::vector<const char*> named = PointersTo(request.carriedTransform->patterns);
        transform(static_cast<int>(named.size()), named.data(), request.carriedTransform->function,
                  request.carriedTransform->context);
    }
    return true;
}

// Shows one entry to the caller's function; nothing escapes into the library.
int SeeCallback(const char* name, const char* data, uint64_t size, void* context)
{
    try {
        return (*static_cast<const SeeEntry*>(context))(name, std::string_view(data, size)) ? 0 : 1;
    } catch (...) {
        return 1;
    }
}

}  // namespace

ZipRequest& TheZipRequest()
{
    static ZipRequest request;
    return request;
}

void SetZipLibraryFile(const std::string& fileName)
{
    g_library.SetFile(fileName);
}

void PrefetchReferenceEntries(const std::string& book, const std::vector<std::string>& allBut,
                              const std::vector<std::string>& seen, const std::optional<CarriedTransform>& transform)
{
    SharedLibrary* library = Library();
    const auto prefetch = EntryPoint<PrefetchReferenceFn>(library, "ZpPrefetchReference");
    const auto transformed = EntryPoint<PrefetchTransformedFn>(library, "ZpPrefetchTransformed");
    if (!prefetch)
        return;
    FillOptions(TheZipRequest());
    if (const auto setOptions = EntryPoint<SetOptionsFn>(library, "ZpSetOptions"))
        setOptions(&g_options);
    const std::vector<const char*> patterns = PointersTo(allBut), shown = PointersTo(seen);
    if (transform && transform->function && transformed) {
        const std::vector<const char*> named = PointersTo(transform->patterns);
        transformed(book.c_str(), static_cast<int>(patterns.size()), patterns.data(), static_cast<int>(shown.size()),
                    shown.data(), static_cast<int>(named.size()), named.data(), transform->function,
                    transform->context);
        return;
    }
    prefetch(book.c_str(), static_cast<int>(patterns.size()), patterns.data(), static_cast<int>(shown.size()),
             shown.data());
}

int32_t SeeCarriedEntries(const std::vector<std::string>& patterns, const SeeEntry& see)
{
    SharedLibrary* library = Library();
    const auto seeCarried = EntryPoint<SeeCarriedFn>(library, "ZpSeeCarried");
    if (!seeCarried || !Prepare(library) || !SetReferenceAndCarried(library))
        return RunZipCarriedEntryRefused;
    const std::vector<const char*> names = PointersTo(patterns);
    const int shown = seeCarried(static_cast<int>(names.size()), names.data(), SeeCallback,
                                 const_cast<SeeEntry*>(&see));
    return shown < 0 ? RunZipCarriedEntryRefused : shown;
}

bool OfferDeflatedEntry(const std::string& name, std::string_view deflated, std::uint32_t crc, std::uint64_t size)
{
    const auto offer = EntryPoint<OfferDeflatedFn>(Library(), "ZpOfferDeflated");
    return offer && !deflated.empty() && offer(name.c_str(), deflated.data(), deflated.size(), crc, size) != 0;
}

int32_t RunZip()
{
    ZipRequest& request = TheZipRequest();
    request.printText.clear();
    SharedLibrary* library = Library();
    if (!Prepare(library))
        return RunZipNotInitialized;
    if (!SetReferenceAndCarried(library))
        return RunZipCarriedEntryRefused;

    std::vector<char*> names = LibraryText::Pointers(request.fileNames);
    const auto archive = EntryPoint<ArchiveFn>(library, "ZpArchive");
    if (!archive)
        return RunZipNotInitialized;
    return archive(ZCL{request.nameCount, LibraryText::Pointer(request.zipFileName), names.data()});
}
