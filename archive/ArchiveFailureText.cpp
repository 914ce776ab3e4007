#include "ArchiveFailureText.h"

#include "LineBreak.h"
#include "ZipBinding.h"
#include "unzip32.h"
#include "zip32.h"
#include "Translation.h"

#include <initializer_list>
#include <sstream>

namespace {

constexpr int DetailLines = 5;

std::string Reason(int result)
{
    switch (result) {
    case UZ_OK:
        return Words::translate("ArchiveFailure", "it holds no files at all.");
    case UZ_WARN:
        return Words::translate("ArchiveFailure",
            "some of its entries have unsafe names, are links or appear twice, so "
            "it cannot be unpacked exactly as it is.");
    case UZ_ERR:
    case UZ_BADERR:
    case UZ_EOF:
        return Words::translate("ArchiveFailure", "it is damaged and could not be unpacked completely.");
    case UZ_NOZIP:
        return Words::translate("ArchiveFailure", "it could not be opened as an EPUB (ZIP) archive.");
    case UZ_MEM:
        return Words::translate("ArchiveFailure", "there was not enough memory to unpack it.");
    case UZ_DISK:
        return Words::translate("ArchiveFailure", "the disk is full, so it could not be unpacked.");
    case UZ_CTRLC:
        return Words::translate("ArchiveFailure", "unpacking it was stopped.");
    case UZ_BADPWD:
        return Words::translate("ArchiveFailure", "it is encrypted and no correct password was given.");
    case UZ_TOOBIG:
        return Words::translate("ArchiveFailure", "it would expand to far more than its own size (it may be a zip "
                                                  "bomb).");
    default:
        return Words::Fill(Words::translate("ArchiveFailure", "unpacking it failed (UnZip error %1)."),
                           {std::to_string(result)});
    }
}

bool IsEmptyOrBeginsWith(const std::string& line, std::initializer_list<const char*> starts)
{
    for (const char* start : starts)
        if (line.rfind(start, 0) == 0)
            return true;
    return line.empty();
}

bool IsProgressLine(const std::string& line)
{
    return IsEmptyOrBeginsWith(line, {"Archive:", "  inflating:", " extracting:", "   creating:"});
}

// The first lines of printed, without those skip names, each after a line break.
std::string DetailOf(const std::string& printed, bool (*skip)(const std::string&))
{
    std::string text;
    std::istringstream lines(printed);
    int shown = 0;
    for (std::string line; std::getline(lines, line) && shown < DetailLines;) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (skip(line))
            continue;
        text += LineBreak + line;
        ++shown;
    }
    return text;
}

}  // namespace

std::string UnpackFailureText(int result, const std::string& printed)
{
    //: %1 is one of the reasons, which begin in lower case.
    return Words::Fill(Words::translate("ArchiveFailure", "Bindwell left this book as it was: %1"), {Reason(result)}) +
           DetailOf(printed, IsProgressLine);
}

std::string PackFailureDetail(const std::string& printed)
{
    return DetailOf(printed,
                    [](const std::string& line) { return IsEmptyOrBeginsWith(line, {"  adding:", "deleting:"}); });
}

std::string PackFailureWords(int result)
{
    switch (result) {
    case ZE_DISKFULL:
        return Words::translate("ArchiveFailure", "The disk is full; the book was left as it was.");
    case ZE_CREAT:
    case ZE_WRITE:
    case ZE_OPEN:
        return Words::translate("ArchiveFailure",
                                "The new book could not be written beside the old one; the book was left as it was.");
    case ZE_READ:
        return Words::translate("ArchiveFailure",
                                "A file of the unpacked book could not be read; the book was left as it was.");
    case ZE_SAMENAME:
        return Words::translate("ArchiveFailure",
                                "Two of its entries have names that readers read as one; the book was left as it was.");
    case ZE_NONE:
        return Words::translate("ArchiveFailure", "There was nothing to pack; the book was left as it was.");
    case RunZipNotInitialized:
        return Words::translate("ArchiveFailure", "The Zip library could not be used; the book was left as it was.");
    default:
        return {};
    }
}
