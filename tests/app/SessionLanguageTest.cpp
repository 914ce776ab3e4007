// The windows, a message box and the core's messages in the language of
// the session (LANG, as CTest sets it for each run of this program):
// German for de_DE, and English exactly as always for en_US and for a
// language Bindwell has no translation for.
#include "BatchRun.h"
#include "Form1.h"
#include "Options.h"
#include "TestFiles.h"
#include "Translations.h"
#include "WidgetDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

bool SessionIsGerman()
{
    const char* lang = std::getenv("LANG");
    return lang && std::string(lang).rfind("de", 0) == 0;
}

TEST(SessionLanguage, WindowsMessagesAndButtonsFollowTheSession)
{
    ScratchSettings settings;
    InstallTranslations();
    const bool german = SessionIsGerman();

    Form1 window;
    EXPECT_EQ(Child<QPushButton>(window, "cmdStart").text(), german ? "&Starten" : "&Start");
    EXPECT_EQ(Child<QPushButton>(window, "cmdBrokenBook").text(), german ? "&Ordner..." : "&Browse...");
    EXPECT_EQ(Child<QPushButton>(window, "cmdOptions").text(), german ? "O&ptionen..." : "&Options...");

    Options dialog;
    EXPECT_EQ(dialog.windowTitle(), german ? "Optionen..." : "Options...");
    EXPECT_EQ(Child<QAbstractButton>(dialog, "checkKeepOriginals").text(),
              german ? "Originalbücher in den &Papierkorb verschieben" : "&Move the original books to the Trash");

    QMessageBox box(QMessageBox::Warning, "Bindwell", "x", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), german ? "&Ja" : "&Yes");
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), german ? "Abbrechen" : "Cancel");

    RunTally tally;
    tally.fixed = 2;
    tally.untouched = 1;
    tally.leftAlone = 1;
    tally.originalsKept = true;
    EXPECT_EQ(SummaryText(tally),
              german ? "Fertig, Ihre Bücher sind bereit. (2 EPUBs repariert.) 1 davon war schon so, wie die Optionen "
                       "es verlangen, und blieb unangetastet. 1 Buch blieb unverändert: Es lässt sich "
                       "nicht gefahrlos reparieren. Die ursprünglichen Bücher liegen im Papierkorb."
                     : "Okay, your books are all set. (2 epubs fixed.) 1 of them was already as the options ask, and "
                       "was left untouched. 1 book was left as it was: it cannot be fixed "
                       "safely. The original books are in the Trash.");
}

}  // namespace
