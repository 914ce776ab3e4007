// What a book's record of its fix says, in the user's language.
#include "RecordWords.h"

#include "Translation.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <vector>

namespace {

int Count(std::size_t n)
{
    return static_cast<int>(std::min<std::size_t>(n, INT_MAX));
}

std::string Stylesheets(const FixRecord& record)
{
    if (record.stylesheetsEdited == 0)
        return {};
    const int edited = Count(record.stylesheetsEdited);
    if (record.declarationsEdited == 0)
        return Words::translate("FixRecord", "%n stylesheets edited", nullptr, edited);
    //: Followed by the declarations removed: "3 stylesheets, 41 declarations removed".
    return Words::translate("FixRecord", "%n stylesheets, ", nullptr, edited) +
           Words::translate("FixRecord", "%n declarations removed", nullptr, Count(record.declarationsEdited));
}

std::string Faces(const FixRecord& record)
{
    switch (record.faces) {
    case FixRecord::Faces::None:
        return {};
    case FixRecord::Faces::Whole:
        //: %1 is the size the four faces take in the book, as "814 KB".
        return Words::Fill(Words::translate("FixRecord", "the fonts embedded whole (%1)"),
                           {SizeText(record.facesPackedBytes)});
    case FixRecord::Faces::Cut:
        //: %1 is the size the four faces take in the book, as "94 KB".
        return Words::Fill(Words::translate("FixRecord", "the fonts embedded, cut to the book's characters (%1)"),
                           {SizeText(record.facesPackedBytes)});
    }
    return {};
}

}  // namespace

std::string SizeText(std::uint64_t bytes)
{
    if (bytes < 1000) {
        const int few = static_cast<int>(bytes);
        return Words::translate("FixRecord", "%n bytes", nullptr, few);
    }
    char number[32];
    if (bytes < 1000 * 1000) {
        std::snprintf(number, sizeof number, "%llu", static_cast<unsigned long long>((bytes + 500) / 1000));
        //: %1 is a number of kilobytes.
        return Words::Fill(Words::translate("FixRecord", "%1 KB"), {number});
    }
    std::snprintf(number, sizeof number, "%.1f", static_cast<double>(bytes) / 1e6);
    //: %1 is a number of megabytes, with one decimal.
    return Words::Fill(Words::translate("FixRecord", "%1 MB"), {number});
}

std::string TooLargeForKindleText(const std::string& entry, std::uint64_t bytes)
{
    // Whole megabytes, up: a book just over the limit is never said to be at it.
    const std::uint64_t megabytes = (bytes + 999'999) / 1'000'000;
    //: %1 is the book, %2 its size in megabytes: "Series/Atlas.epub is 63 MB: Send to Kindle takes at most 50 MB
    //: by e-mail."
    return Words::Fill(Words::translate("FixRecord", "%1 is %2 MB: Send to Kindle takes at most 50 MB by e-mail."),
                       {entry, std::to_string(megabytes)});
}

std::string RecordWords(const FixRecord& record, bool wouldBe)
{
    std::vector<std::string> parts;
    parts.push_back(Stylesheets(record));
    if (record.stylesheetsDeleted > 0)
        parts.push_back(
            Words::translate("FixRecord", "%n stylesheets deleted", nullptr, Count(record.stylesheetsDeleted)));
    if (record.documentsUnlinked > 0)
        parts.push_back(Words::translate("FixRecord", "the links to them taken out of %n documents", nullptr,
                                         Count(record.documentsUnlinked)));
    parts.push_back(Faces(record));
    if (record.language)
        //: %1 is the language the book named, %2 the code it names now: "language C → de".
        parts.push_back(Words::Fill(Words::translate("FixRecord", "language %1 → %2"),
                                    {record.language->first.empty() ? std::string("-") : record.language->first,
                                     record.language->second}));
    if (record.picturesFitted > 0)
        //: %1 and %2 are the pictures' sizes before and after: "12 pictures, 4.1 MB → 1.2 MB".
        parts.push_back(Words::Fill(Words::translate("FixRecord", "%n pictures, %1 → %2", nullptr,
                                                     Count(record.picturesFitted)),
                                    {SizeText(record.pictureBytesBefore), SizeText(record.pictureBytesAfter)}));
    if (record.encodingsDeclared > 0)
        parts.push_back(Words::translate("FixRecord", "%n encoding declarations added", nullptr,
                                         Count(record.encodingsDeclared)));
    if (record.bodyLinksCut > 0 || record.picturesRemoved > 0)
        parts.push_back(Words::translate("FixRecord", "the links and pictures mended for Send to Kindle"));
    if (record.coversNamed > 0)
        parts.push_back(Words::translate("FixRecord", "the cover named in the package"));
    if (record.koboSpans > 0)
        parts.push_back(Words::translate("FixRecord", "%n sentences and pictures in Kobo's spans", nullptr,
                                         Count(record.koboSpans)));
    if (!record.newName.empty())
        //: %1 is the book's new file name, as "a.kepub.epub".
        parts.push_back(Words::Fill(wouldBe ? Words::translate("FixRecord", "would become %1")
                                            : Words::translate("FixRecord", "now %1"),
                                    {record.newName}));
    std::string words;
    for (const std::string& part : parts)
        if (!part.empty())
            words += (words.empty() ? "" : "; ") + part;
    return words;
}
