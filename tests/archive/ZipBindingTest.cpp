// The zip binding over fake libraries: the records handed over, the
// result passed back, and the message when the library cannot be had.
#include "FakeLibrary.h"
#include "FakePrompter.h"
#include "FakeRecords.h"
#include "ZipBinding.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using LastCallFn = FakeZipCall* (*)();
using SetResultFn = void (*)(int);

class ZipBindingTest : public ::testing::Test {
protected:
    void Use(const std::string& fake)
    {
        library = FakePath(fake);
        SetZipLibraryFile(library);
        TheZipRequest() = ZipRequest{};
    }
    void TearDown() override { SetZipLibraryFile(ZipLibraryName); }
    FakeZipCall& Last() { return *FakeEntry<LastCallFn>(library, "FakeZipLastCall")(); }

    FakePrompter prompter;
    std::string library;
};

const char* const InitMessage = "Zip32.dll did not initialize.  Is it in the current directory or on the command path?";

TEST_F(ZipBindingTest, TheRequestReachesTheOptionRecordAndTheCommand)
{
    Use("fake_zip_ok");
    ZipRequest& r = TheZipRequest();
    r.fRecurse = 1;
    r.fQuiet = 1;
    r.fLevel = 57;
    r.fJunkDir = -1;
    r.nameCount = 1;
    r.zipFileName = "/books/a.epub.tmp";
    r.fileNames[0] = "*";
    r.szRootDir = "/work/Bindwell";
    EXPECT_EQ(RunZip(), 0);
    const FakeZipCall& call = Last();
    EXPECT_EQ(call.options.fRecurse, 1);
    EXPECT_EQ(call.options.fQuiet, 1);
    EXPECT_EQ(call.options.fLevel, '9');
    EXPECT_EQ(call.options.fTemp, 0);
    EXPECT_EQ(call.options.fJunkDir, -1) << "widened with its sign";
    EXPECT_STREQ(call.options.szRootDir, "/work/Bindwell");
    EXPECT_EQ(call.options.Date, nullptr);
    EXPECT_EQ(call.argc, 1);
    EXPECT_EQ(call.zipName, "/books/a.epub.tmp");
    EXPECT_EQ(call.names[0], "*");
    for (int i = 1; i < 100; ++i)
        EXPECT_EQ(call.names[i], "(null)");
    EXPECT_EQ(prompter.printed, "  adding: x (deflated 50%)\n") << "printed on the window";
    EXPECT_EQ(r.printText, "  adding: x (deflated 50%)\n") << "and kept for the caller";
    EXPECT_GT(prompter.eventRounds, 0) << "the window handles events while packing";
    RunZip();
    EXPECT_EQ(r.printText, "  adding: x (deflated 50%)\n") << "what the last call printed";
}

TEST_F(ZipBindingTest, ALevelOutOfRangeLeavesTheByteAsItWas)
{
    Use("fake_zip_ok");
    TheZipRequest().fLevel = 57;
    RunZip();
    TheZipRequest().fLevel = 300;
    RunZip();
    EXPECT_EQ(Last().options.fLevel, '9');
}

TEST_F(ZipBindingTest, ANonZeroArchiveResultComesBackUnchanged)
{
    Use("fake_zip_ok");
    FakeEntry<SetResultFn>(library, "FakeZipSetResult")(18);
    EXPECT_EQ(RunZip(), 18);
    FakeEntry<SetResultFn>(library, "FakeZipSetResult")(0);
}

TEST_F(ZipBindingTest, ARefusedInitShowsTheMessageAndIsNeverSuccess)
{
    Use("fake_zip_refuse");
    const int before = Last().setOptions;
    EXPECT_NE(RunZip(), 0);
    EXPECT_EQ(Last().setOptions, before);
    EXPECT_EQ(Last().archives, 0);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, InitMessage);
    EXPECT_EQ(prompter.messages[0].title, "VB Zip");
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::None);
}

TEST_F(ZipBindingTest, AMissingLibraryShowsTheMessageOncePerCall)
{
    SetZipLibraryFile("/nonexistent/libzip32.so");
    EXPECT_NE(RunZip(), 0);
    EXPECT_NE(RunZip(), 0);
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{InitMessage, InitMessage}));
}

TEST_F(ZipBindingTest, CommentAndPasswordCallbacks)
{
    Use("fake_zip_ok");
    RunZip();  // hands the callbacks to the fake
    ZIPUSERFUNCTIONS* f = FakeEntry<ZIPUSERFUNCTIONS* (*)()>(library, "FakeZipFunctions")();

    std::string comment(ZP_COMMENT_BUFFER, 'x');
    prompter.inputAnswers = {"My library"};
    EXPECT_EQ(f->comment(comment.data()), 1);
    EXPECT_EQ(comment.substr(0, 11), std::string("My library\0", 11));
    EXPECT_EQ(prompter.questions.back().prompt, "Enter the comment");
    EXPECT_EQ(f->comment(comment.data()), 1) << "cancelled";
    EXPECT_EQ(comment.substr(0, 11), std::string("My library\0", 11)) << "nothing written";

    char password[8];
    std::memset(password, 'x', sizeof password);
    EXPECT_EQ(f->password(password, 8, "ignored", "a.epub"), 1) << "cancelled";
    EXPECT_EQ(password[0], 'x');
    prompter.inputAnswers = {"secret"};
    EXPECT_EQ(f->password(password, 8, "ignored", "a.epub"), 0);
    EXPECT_EQ(std::string(password, 8), std::string("secret\0\0", 8));
    EXPECT_EQ(prompter.questions.back().prompt, "Please Enter The Password!");
    EXPECT_EQ(f->service("x", 1), 0);
}

}  // namespace
