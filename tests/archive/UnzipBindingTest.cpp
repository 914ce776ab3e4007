// The unzip binding over fake libraries: the version check and its three
// messages, the records handed over, and every callback.
#include "FakeLibrary.h"
#include "FakePrompter.h"
#include "FakeRecords.h"
#include "ProgramEnd.h"
#include "RunTimeError.h"
#include "UnzipBinding.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using LastCallFn = FakeUnzipCall* (*)();
using SetActionFn = void (*)(void (*)(USERFUNCTION*), int);

class UnzipBindingTest : public ::testing::Test {
protected:
    void Use(const std::string& fake)
    {
        library = FakePath(fake);
        SetUnzipLibraryFile(library);
        TheUnzipRequest() = UnzipRequest{};
        TheUnzipRequest().lpszZipFN = "/books/a.epub";
    }
    void TearDown() override { SetUnzipLibraryFile(UnzipLibraryName); }
    FakeUnzipCall& Last() { return *FakeEntry<LastCallFn>(library, "FakeUnzipLastCall")(); }
    void Act(void (*action)(USERFUNCTION*), int result = 0)
    {
        FakeEntry<SetActionFn>(library, "FakeUnzipSetAction")(action, result);
    }

    // Runs, expecting the version to be refused; returns the message.
    FakePrompter::Message Refused()
    {
        const int before = Last().calls;
        try {
            RunUnzip();
            ADD_FAILURE() << "the version was accepted";
        } catch (const ProgramEndRequest& end) {
            EXPECT_NE(end.exitCode, 0);
        }
        EXPECT_EQ(Last().calls, before) << "nothing may be extracted";
        EXPECT_EQ(prompter.messages.size(), 1u);
        return prompter.messages.empty() ? FakePrompter::Message{} : prompter.messages.back();
    }

    FakePrompter prompter;
    std::string library;
};

TEST_F(UnzipBindingTest, AStructureLengthAnswerGivesMessageOne)
{
    Use("fake_unzip_structlen");
    const auto m = Refused();
    EXPECT_EQ(m.text, "Incompatible DLL version discovered!\r\nThe UnZip DLL requires a version structure of length "
                      "100, but the VB frontend expects the DLL to need 68bytes.\r\n\r\nThe program cannot continue.");
    EXPECT_EQ(m.icon, MessageIcon::Critical);
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
    EXPECT_EQ(m.title, ApplicationTitle);
}

TEST_F(UnzipBindingTest, AnOldVersionGivesMessageTwo)
{
    Use("fake_unzip_old");
    EXPECT_EQ(Refused().text, "Incompatible old DLL version discovered!\r\nThis program requires an UnZip DLL version "
                              "of at least 6.0, but the version reported by the found DLL is only 5.52.\r\n\r\n"
                              "The program cannot continue.");
}

TEST_F(UnzipBindingTest, ANewerApiGivesMessageThree)
{
    Use("fake_unzip_api");
    EXPECT_EQ(Refused().text, "DLL version with incompatible API discovered!\r\nThis program can only handle UnZip "
                              "DLL API versions up to 6.0, but the found DLL reports a newer API version of 6.01."
                              "\r\n\r\nThe program cannot continue.");
    Use("fake_unzip_api_fourth_byte");
    prompter.messages.clear();
    EXPECT_NE(Refused().text.find("newer API version of 6.0."), std::string::npos);
}

TEST_F(UnzipBindingTest, VersionTexts)
{
    EXPECT_EQ(UnzipVersionText(0x06000000, false), "6.0");
    EXPECT_EQ(UnzipVersionText(0x05050200, false), "5.52");
    EXPECT_EQ(UnzipVersionText(0x060A0F00, false), "6.AF");
    EXPECT_EQ(UnzipVersionText(static_cast<int32_t>(0x80010000), true), "129.1") << "the quotient is truncated toward zero";
}

TEST_F(UnzipBindingTest, AMissingLibraryIsARunTimeError)
{
    SetUnzipLibraryFile("/nonexistent/libunzip32.so");
    try {
        RunUnzip();
        FAIL() << "no error";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::CannotLoadLibrary);
        EXPECT_NE(e.description().find("libunzip32.so"), std::string::npos);
    }
}

TEST_F(UnzipBindingTest, TheRequestReachesTheLibraryRecords)
{
    Use("fake_unzip_ok");
    UnzipRequest& r = TheUnzipRequest();
    r.noflag = 1;
    r.ndflag = 1;
    r.fQuiet = 2;
    r.includeCount = 1;
    r.includeNames[0] = "*.css";
    r.excludeNames[0] = std::nullopt;
    r.lpszExtractDir = "";
    EXPECT_EQ(RunUnzip(), 0);
    const FakeUnzipCall& call = Last();
    EXPECT_EQ(call.dcl.StructVersID, 0x600);
    EXPECT_EQ(call.dcl.noflag, 1);
    EXPECT_EQ(call.dcl.ndflag, 1);
    EXPECT_EQ(call.dcl.fQuiet, 2);
    EXPECT_EQ(call.dcl.B_flag, 0);
    EXPECT_EQ(call.zipName, "/books/a.epub");
    EXPECT_FALSE(call.extractDirNull) << "an assigned empty text is an empty string";
    EXPECT_EQ(call.includeCount, 1);
    EXPECT_EQ(call.include[0], "*.css");
    EXPECT_EQ(call.include[1], "(null)");
    EXPECT_EQ(call.exclude[0], "(null)");

    TheUnzipRequest().lpszExtractDir = std::nullopt;
    RunUnzip();
    EXPECT_TRUE(Last().extractDirNull) << "a text never assigned is a null pointer";
}

void ListTwo(USERFUNCTION* uf)
{
    uf->listing32(1234567890u, 2u, 0, 0, 0, 3, 7, 9, 9, 5, ' ',
                  "OEBPS/Text/a-very-long-chapter-name-that-goes-on-and-on.xhtml", "Defl:N", 0, 0);
    uf->listing32(42, 0, 0, 0, 0, 12, 31, 2009, 23, 59, ' ', "mimetype", "Stored", 0, 0);
}

TEST_F(UnzipBindingTest, TheListingLaysOutEightyColumnLines)
{
    Use("fake_unzip_ok");
    Act(ListTwo);
    RunUnzip();
    const UnzipRequest& r = TheUnzipRequest();
    EXPECT_EQ(r.listedCount, 2);
    const std::string header = "Filename:" + std::string(43, ' ') + "Size     Date     Time" + std::string(6, ' ');
    // 1234567890 + 2 * 2^32 = 9824502482: ten digits, the last nine kept
    const std::string first = "OEBPS/Text/a-very-long-chapter-name-that-goes-on-a" + std::string("824502482") +
                              "  03/07/09   9:05" + std::string(4, ' ');
    const std::string second = "mimetype" + std::string(42, ' ') + "       42  12/31/09  23:59" + std::string(4, ' ');
    ASSERT_EQ(header.size(), 80u);
    ASSERT_EQ(first.size(), 80u);
    EXPECT_EQ(r.listingText, header + "\r\n" + first + "\r\n" + second + "\r\n");
}

void PrintBytes(USERFUNCTION* uf)
{
    char text[] = "a\\b\nc";
    uf->print(text, 4);  // the library passes the length of what it means
}

TEST_F(UnzipBindingTest, PrintedTextTurnsLineFeedsAndBackslashes)
{
    Use("fake_unzip_ok");
    Act(PrintBytes);
    RunUnzip();
    EXPECT_EQ(TheUnzipRequest().printText, "a/b\r\n");
}

int g_replaceAnswers[3];
void AskReplaceThrice(USERFUNCTION* uf)
{
    for (int& answer : g_replaceAnswers) {
        char name[64] = "OEBPS\\style.css";
        answer = uf->replace(name, sizeof name);
    }
}

TEST_F(UnzipBindingTest, TheReplaceQuestionAndItsAnswers)
{
    Use("fake_unzip_ok");
    prompter.messageAnswers = {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel};
    Act(AskReplaceThrice);
    RunUnzip();
    EXPECT_EQ(g_replaceAnswers[0], 102);
    EXPECT_EQ(g_replaceAnswers[1], 100);
    EXPECT_EQ(g_replaceAnswers[2], 104);
    ASSERT_EQ(prompter.messages.size(), 3u);
    EXPECT_EQ(prompter.messages[0].text, "Overwrite \"OEBPS/style.css\" ?");
    EXPECT_EQ(prompter.messages[0].title, "VBUnZip32 - File Already Exists!");
    EXPECT_EQ(prompter.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::Warning);
}

int g_passwordAnswer;
char g_passwordBuffer[8];
void AskPassword(USERFUNCTION* uf)
{
    std::memset(g_passwordBuffer, 'x', sizeof g_passwordBuffer);
    g_passwordAnswer = uf->password(g_passwordBuffer, 5, "", "a.xhtml");
}
void AskPasswordWithPrompt(USERFUNCTION* uf)
{
    g_passwordAnswer = uf->password(g_passwordBuffer, 5, "Enter the password for", "a.xhtml");
}

TEST_F(UnzipBindingTest, PasswordPromptsLengthsAndTheMemoryOfADecline)
{
    Use("fake_unzip_ok");
    prompter.inputAnswers = {"12345", "1234"};
    prompter.messageAnswers = {MessageAnswer::Retry};
    Act(AskPassword);
    RunUnzip();
    EXPECT_EQ(g_passwordAnswer, 0);
    EXPECT_EQ(std::string(g_passwordBuffer, 6), std::string("1234\0x", 6)) << "zeroed within the buffer size only";
    ASSERT_EQ(prompter.questions.size(), 2u);
    EXPECT_EQ(prompter.questions[0].prompt, "Please Enter The Password!");
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              "The supplied password exceeds the maximum password length 4 supported by the UnZip DLL.");
    EXPECT_EQ(prompter.messages[0].title, "UnZip password too long");
    EXPECT_EQ(prompter.messages[0].buttons, MessageButtons::RetryCancel);

    Act(AskPasswordWithPrompt);
    prompter.questions.clear();
    RunUnzip();  // no answer queued: the user cancels
    EXPECT_EQ(g_passwordAnswer, -1);
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_EQ(prompter.questions[0].prompt, "Enter the password for a.xhtml");
    EXPECT_EQ(TheUnzipRequest().skipPasswords, -1);

    prompter.inputAnswers = {"1234"};
    RunUnzip();
    EXPECT_EQ(g_passwordAnswer, -1) << "a declined password is never asked again";
    EXPECT_EQ(prompter.questions.size(), 1u);
}

TEST_F(UnzipBindingTest, CancellingTheTooLongMessageCountsAsNoPassword)
{
    Use("fake_unzip_ok");
    prompter.inputAnswers = {"123456"};
    prompter.messageAnswers = {MessageAnswer::Cancel};
    Act(AskPassword);
    RunUnzip();
    EXPECT_EQ(g_passwordAnswer, -1);
    EXPECT_EQ(TheUnzipRequest().skipPasswords, -1);
}

}  // namespace
