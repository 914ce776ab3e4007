// Both windows at the size and places given in twips, in whatever font the
// machine has, with every caption readable and the tab order as designed.
#include "Form1.h"
#include "LayoutChecks.h"
#include "Options.h"
#include "TestFiles.h"
#include "Translations.h"
#include "WindowLayout.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(WindowLayout, TwipsBecomePixelsAtTheScreensResolution)
{
    EXPECT_EQ(TwipsToPixels(6525, 96), 435);
    EXPECT_EQ(TwipsToPixels(4935, 96), 329);
    EXPECT_EQ(TwipsToPixels(6525, 144), 653);
    EXPECT_EQ(TwipsToPixels(7, 96), 0);
    EXPECT_EQ(TwipsToPixels(8, 96), 1);
}

std::vector<std::string> TabOrder(QWidget& window, const char* first)
{
    std::vector<std::string> order;
    QWidget* start = window.findChild<QWidget*>(QString::fromLatin1(first));
    QWidget* w = start;
    do {
        if (w->focusPolicy() & Qt::TabFocus && !w->objectName().isEmpty())
            order.push_back(w->objectName().toStdString());
        w = w->nextInFocusChain();
    } while (w != start);
    return order;
}

TEST(WindowLayout, TheMainWindow)
{
    ScratchSettings settings;
    Form1 window;
    window.show();
    ExpectReadableAndApart(window, 6525, 4935);
    EXPECT_EQ(window.windowTitle(), "Bindwell");
    EXPECT_EQ(TabOrder(window, "txtBrokenBook"),
              (std::vector<std::string>{"txtBrokenBook", "cmdBrokenBook", "cmdAll", "cmdNone", "listBooks",
                                        "cmdOptions", "cmdStart", "cmdCancel"}));
    ASSERT_NE(window.focusWidget(), nullptr);
    EXPECT_EQ(window.focusWidget()->objectName(), "txtBrokenBook") << "the focus starts in the text box";
    ExpectDistinctMnemonics(window);
}

TEST(WindowLayout, TheOptionsDialog)
{
    ScratchSettings settings;
    Options dialog;
    dialog.show();
    ExpectReadableAndApart(dialog, 10710, 5445);
    EXPECT_EQ(dialog.windowTitle(), "Options...");
    EXPECT_EQ(TabOrder(dialog, "radioAlterCss"),
              (std::vector<std::string>{"radioAlterCss", "radioDeleteCss", "checkJustify", "checkText",
                                        "checkIntlFonts", "checkLineHeights", "checkPageMargins", "checkFontFamilies",
                                        "checkTextColors", "checkRelativeSizes", "checkSubsetFonts", "checkKindleReady",
                                        "checkKoboBooks", "checkFitPictures", "comboScreenSize", "checkGreyPictures",
                                        "checkKeepOriginals", "cmdOk", "cmdCancel"}));
    ExpectDistinctMnemonics(dialog);
}

// Every language the program speaks fits the fixed windows, and gives
// each button and tick box a key of its own.
class WindowsInEveryLanguage : public ::testing::TestWithParam<const char*> {
protected:
    void TearDown() override { InstallTranslations(QLocale(QLocale::C)); }
    ScratchSettings settings;
};

TEST_P(WindowsInEveryLanguage, AreReadableWithTheirOwnKeys)
{
    InstallTranslations(QLocale(QString::fromLatin1(GetParam())));
    Form1 window;
    window.show();
    ExpectReadableAndApart(window, 6525, 4935);
    ExpectDistinctMnemonics(window);
    Options dialog;
    dialog.show();
    ExpectReadableAndApart(dialog, 10710, 5445);
    ExpectDistinctMnemonics(dialog);
}

INSTANTIATE_TEST_SUITE_P(Languages, WindowsInEveryLanguage,
                         ::testing::Values("en_US", "de_DE", "fr_FR", "es_ES", "pt_BR", "pl_PL", "ru_RU", "zh_CN"));

}  // namespace
