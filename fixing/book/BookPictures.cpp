// Finds a book's pictures for the pipeline to fit, and reads back what it did to them.
#include "BookPictures.h"

#include "BookUnpacking.h"
#include "Translation.h"
#include "UnzipBinding.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>
#include <utility>

namespace {

bool HiddenPart(std::string_view name)
{
    for (std::size_t at = 0; at < name.size();) {
        if (name[at] == '.')
            return true;
        const std::size_t slash = name.find('/', at);
        if (slash == std::string_view::npos)
            break;
        at = slash + 1;
    }
    return false;
}

// What the archive declares of its file entries, by name.
std::map<std::string, std::pair<std::uint64_t, std::uint32_t>> Declared(const std::string& archive)
{
    std::map<std::string, std::pair<std::uint64_t, std::uint32_t>> declared;
    ListBookEntries(archive, {"*"});
    UnzipRequest& unzip = TheUnzipRequest();
    unzip.listingText.clear();  // the listing asked for, not a failure
    for (const UnzipRequest::ListedEntry& entry : unzip.listedEntries)
        declared[entry.name] = {entry.size, entry.crc};
    return declared;
}

}  // namespace

std::optional<PictureRule> PictureRuleOf(const FixOptions& options)
{
    if (!options.fitPictures && !options.greyPictures)
        return std::nullopt;
    return PictureRule{options.screen.width, options.screen.height, options.fitPictures, options.greyPictures};
}

std::vector<std::string> PicturesToFit(const std::string& book, const PictureRule& rule)
{
    std::vector<std::string> pictures, jpegs;
    // A PNG's header is in its first bytes; a JPEG's may come after its
    // metadata, and a PNG's palette after its header: read in a second
    // look at those alone.
    const int first = ReadEntryHeads(book, {"*"}, PngHeadBytes, [&](const std::string& name, std::string_view head) {
        if (HiddenPart(name))
            return true;
        const PictureHead read = ReadPictureHead(head);
        if (read.kind == PictureKind::Jpeg || (read.palette && rule.grey))
            jpegs.push_back(name);
        else if (read.kind == PictureKind::Png && RuleMayChange(read, rule))
            pictures.push_back(name);
        return true;
    });
    if (first != UnzipSucceeded && first != UnzipMatchedNothing)
        return {};
    const std::set<std::string> wanted(jpegs.begin(), jpegs.end());
    constexpr std::size_t MostPatterns = 100;
    for (std::size_t at = 0; at < jpegs.size(); at += MostPatterns) {
        const std::vector<std::string> some(jpegs.begin() + static_cast<std::ptrdiff_t>(at),
                                            jpegs.begin() + static_cast<std::ptrdiff_t>(std::min(jpegs.size(), at + MostPatterns)));
        ReadEntryHeads(book, some, JpegHeadBytes, [&](const std::string& name, std::string_view head) {
            // A name's pattern may match more than its own entry.
            if (wanted.count(name) && RuleMayChange(ReadPictureHead(head), rule))
                pictures.push_back(name);
            return true;
        });
    }
    std::sort(pictures.begin(), pictures.end());
    pictures.erase(std::unique(pictures.begin(), pictures.end()), pictures.end());
    return pictures;
}

std::vector<std::string> LikelyPictures()
{
    return {"*.jpg", "*.jpeg", "*.jpe", "*.png"};
}

void RecordPictures(const std::string& book, const std::string& archive, const std::vector<std::string>& names,
                    const PictureRule& rule, FixRecord& record)
{
    const auto before = Declared(book);
    const auto after = Declared(archive);
    for (const std::string& name : names) {
        const auto was = before.find(name), is = after.find(name);
        if (was == before.end() || is == after.end())
            continue;
        if (was->second != is->second) {
            ++record.picturesFitted;
            record.pictureBytesBefore += was->second.first;
            record.pictureBytesAfter += is->second.first;
            continue;
        }
        const std::optional<PictureVerdict> verdict = VerdictOf(rule, was->second.first, was->second.second);
        if (!verdict)
            continue;
        std::string note;
        switch (*verdict) {
        case PictureVerdict::Unreadable:
            //: %1 is the picture's name in the book, as "OEBPS/images/cut.jpg".
            note = Words::translate("BookFix", "%1 could not be read and was left as it was");
            break;
        case PictureVerdict::TooLarge:
            //: %1 is the picture's name in the book.
            note = Words::translate("BookFix", "%1 has more than 500 megapixels and was left as it was");
            break;
        case PictureVerdict::TooLargeWhole:
            //: %1 is the picture's name in the book; progressive JPEGs and interlaced PNGs are decoded whole.
            note = Words::translate("BookFix", "%1 is too large to be decoded whole and was left as it was");
            break;
        case PictureVerdict::Kept:
        case PictureVerdict::Fitted:
            continue;
        }
        record.picturesLeftAlone.push_back(name);
        record.Note(Words::Fill(note, {name}));
    }
}
