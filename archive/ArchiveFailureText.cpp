#include "ArchiveFailureText.h"

#include "LineBreak.h"
#include "ZipBinding.h"
#include "unzip32.h"
#include "zip32.h"

#include <sstream>

namespace {

constexpr int DetailLines = 5;

std::string Reason(int result)
{
    switch (result) {
    case UZ_OK:
        return "it holds no files at all.";
    case UZ_WARN:
        return "some of its entries have unsafe names, are links or appear twice, so it cannot be unpacked exactly as it "
               "is.";
    case UZ_ERR:
    case UZ_BADERR:
    case UZ_EOF:
        return "it is damaged and could not be unpacked completely.";
    case UZ_NOZIP:
        return "it could not be opened as an EPUB (ZIP) archive.";
    case UZ_MEM:
        return "there was not enough memory to unpack it.";
    case UZ_DISK:
        return "the disk is full, so it could not be unpacked.";
    case UZ_CTRLC:
        return "unpacking it was stopped.";
    case UZ_BADPWD:
        return "it is encrypted and no correct password was given.";
    case UZ_TOOBIG:
        return "it would expand to far more than its own size (it may be a zip bomb).";
    default:
        return "unpacking it failed (UnZip error " + std::to_string(result) + ").";
    }
}

bool IsProgressLine(const std::string& line)
{
    for (const char* start : {"Archive:", "  inflating:", " extracting:", "   creating:"})
        if (line.rfind(start, 0) == 0)
            return true;
    return line.empty();
}

}  // namespace

std::string UnpackFailureText(int result, const std::string& printed)
{
    std::string text = "Bindwell left this book as it was: " + Reason(result);
    std::istringstream lines(printed);
    int shown = 0;
    for (std::string line; std::getline(lines, line) && shown < DetailLines;) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (IsProgressLine(line))
            continue;
        text += LineBreak + line;
        ++shown;
    }
    return text;
}

std::string PackFailureWords(int result)
{
    switch (result) {
    case ZE_DISKFULL:
        return "The disk is full; the book was left as it was.";
    case ZE_CREAT:
    case ZE_WRITE:
    case ZE_OPEN:
        return "The new book could not be written beside the old one; the book was left as it was.";
    case ZE_READ:
        return "A file of the unpacked book could not be read; the book was left as it was.";
    case ZE_NONE:
        return "There was nothing to pack; the book was left as it was.";
    case RunZipNotInitialized:
        return "The Zip library could not be used; the book was left as it was.";
    default:
        return {};
    }
}
