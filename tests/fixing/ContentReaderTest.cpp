// The unpacked book's reader: a working folder it cannot walk fails as the
// file services fail, naming the folder and the system's reason.
#include "ContentReader.h"
#include "RunTimeError.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The error walking folder for content documents raises.
RunTimeError WalkError(const std::string& folder)
{
    try {
        UnpackedContent(folder)->Whole({"*.xhtml"}, [](const std::string&, std::string_view) { return true; });
    } catch (const RunTimeError& e) {
        return e;
    }
    return RunTimeError(0, "no error");
}

TEST(UnpackedContent, AFolderItCannotWalkIsARunTimeErrorNamingThePathAndTheReason)
{
    TempFolder dir;
    const RunTimeError gone = WalkError(dir / "gone");
    EXPECT_EQ(gone.number(), ErrorNumber::FileNotFound);
    EXPECT_NE(gone.description().find(dir / "gone"), std::string::npos) << gone.description();
    EXPECT_NE(gone.description().find(std::strerror(ENOENT)), std::string::npos) << gone.description();

    // A folder below that cannot be opened is named itself (the superuser
    // opens any).
    if (::geteuid() != 0) {
        WriteFile(dir / "book/OEBPS/Text/ch1.xhtml", "<html/>");
        ::chmod((dir / "book/OEBPS/Text").c_str(), 0);
        const RunTimeError closed = WalkError(dir / "book");
        ::chmod((dir / "book/OEBPS/Text").c_str(), 0755);
        EXPECT_EQ(closed.number(), ErrorNumber::PermissionDenied);
        EXPECT_NE(closed.description().find(dir / "book/OEBPS/Text"), std::string::npos) << closed.description();
    }
}

}  // namespace
