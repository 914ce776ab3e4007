// The batch run's requests to the unzip binding: listing and unpacking a book's entries.
#include "BookUnpacking.h"

#include "RunTimeError.h"
#include "UnzipBinding.h"
#include "Translation.h"

#include <optional>

namespace {

using Names = std::array<UnzipRequest::Text, 100>;

int32_t FillNames(Names& array, const std::vector<std::string>& names)
{
    if (names.size() > array.size())
        throw RunTimeError(
            ErrorNumber::InvalidCall, Words::translate("BookFix", "Too many entry names for the UnZip library"));
    array.fill(std::nullopt);
    for (std::size_t i = 0; i < names.size(); ++i)
        array[i] = names[i];
    return static_cast<int32_t>(names.size());
}

// Empties the results and points the request at book.
UnzipRequest& Request(const std::string& book)
{
    UnzipRequest& r = TheUnzipRequest();
    r.lpszZipFN = book;
    r.printText.clear();
    r.listingText.clear();
    r.listedCount = 0;
    r.listedEntries.clear();
    return r;
}

}  // namespace

void SetRunWideUnzipValues()
{
    UnzipRequest& r = TheUnzipRequest();
    r.noflag = 1;
    r.PromptToOverwrite = 0;
    r.nzflag = 0;
    r.ndflag = 1;
}

int ListBookEntries(const std::string& book, const std::vector<std::string>& names)
{
    UnzipRequest& r = Request(book);
    r.nvflag = 1;
    r.C_flag = 0;
    r.includeCount = FillNames(r.includeNames, names);
    r.excludeCount = FillNames(r.excludeNames, {});
    const int result = RunUnzip();
    r.nvflag = 0;
    return result;
}

int UnpackBookEntries(const std::string& book, const std::string& folder, const std::vector<std::string>& patterns,
                      Selection which)
{
    UnzipRequest& r = Request(book);
    r.lpszExtractDir = folder;
    r.nvflag = 0;
    r.C_flag = 1;
    r.includeCount = FillNames(r.includeNames, which == Selection::Only ? patterns : std::vector<std::string>{});
    r.excludeCount = FillNames(r.excludeNames, which == Selection::AllBut ? patterns : std::vector<std::string>{});
    return RunUnzip();
}
