// The zip request for packing one book's new archive.
#include "PackingValues.h"

#include "ZipBinding.h"

void SetPackingValues(const std::string& book, const std::string& workingFolder,
                      std::optional<std::vector<std::string>> carryAllBut, const std::string& archive)
{
    ZipRequest& r = TheZipRequest();
    r.fJunkDir = 0;
    r.fRecurse = 1;
    r.fUpdate = 0;
    r.fFreshen = 0;
    r.fLevel = '9';
    r.fEncrypt = 0;
    r.fComment = 0;
    r.fQuiet = 1;
    r.nameCount = 1;
    r.fileNames[0].emplace(1, '*');
    r.zipFileName = archive;
    r.szRootDir = workingFolder;
    r.szReferenceZip = book;
    r.carryAllBut = std::move(carryAllBut);
}
