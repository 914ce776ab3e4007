// The options dialog, shown from the main window's "Options..." button as
// a user shows it.
#include "FakePrompter.h"
#include "FixOptions.h"
#include "Form1.h"
#include "Options.h"
#include "SettingsStore.h"
#include "TestFiles.h"
#include "WidgetDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace {

using Store = std::map<std::string, std::string>;

// What the dialog shows: whether "Delete CSS entirely?" is selected, each
// check box as "ticked"/"unticked" and "on"/"off" (enabled), and whether
// the note under the fonts is enabled.
struct Shown {
    bool deleteSelected;
    std::map<std::string, std::string> checks;
    bool noteEnabled;
    bool operator==(const Shown&) const = default;
};

class OptionsDialogTest : public ::testing::Test {
protected:
    OptionsDialogTest() { window.show(); }

    void Stored(const Store& values)
    {
        QSettings store(QString::fromStdString(settings.file()), QSettings::IniFormat);
        for (const auto& [key, value] : values)
            store.setValue(QString::fromStdString("Options/" + key), QString::fromStdString(value));
        store.sync();
        SettingsStore::LoadOptions();
    }
    Store InStore()
    {
        QSettings store(QString::fromStdString(settings.file()), QSettings::IniFormat);
        Store values;
        store.beginGroup("Options");
        for (const QString& key : store.childKeys())
            values[key.toStdString()] = store.value(key).toString().toStdString();
        return values;
    }
    Store InMap()
    {
        Store values;
        for (const char* key : {OptionKey::FontSizes, OptionKey::JustifyText, OptionKey::IntlFonts, OptionKey::DeleteCSS,
                                OptionKey::KeepOriginals, OptionKey::LineHeights, OptionKey::PageMargins,
                                OptionKey::FontFamilies, OptionKey::RelativeSizes, OptionKey::SubsetFonts,
                                OptionKey::KindleReady, OptionKey::TextColors, OptionKey::KoboBooks,
                                OptionKey::FitPictures, OptionKey::GreyPictures})
            values[key] = SettingsStore::IsOptionOn(key) ? "Yes" : "No";
        values["ScreenSize"] = ScreenSizeText(FixOptions::Current().screen);
        return values;
    }

    // Shows the dialog, lets act work on it while it is up, and returns
    // once it has been closed or hidden.
    void WithOptions(const std::function<void(QWidget&)>& act)
    {
        WhenModal([act](QWidget& dialog) {
            EXPECT_EQ(dialog.objectName(), "Options");
            act(dialog);
        });
        QTest::mouseClick(&Child<QPushButton>(window, "cmdOptions"), Qt::LeftButton);
    }
    static Shown Showing(QWidget& dialog)
    {
        Shown shown{Child<QRadioButton>(dialog, "radioDeleteCss").isChecked(), {},
                    Child<QLabel>(dialog, "Label1").isEnabled()};
        EXPECT_NE(shown.deleteSelected, Child<QRadioButton>(dialog, "radioAlterCss").isChecked());
        for (const char* name : {"checkText", "checkJustify", "checkIntlFonts", "checkLineHeights", "checkPageMargins",
                                 "checkFontFamilies", "checkTextColors", "checkRelativeSizes", "checkSubsetFonts",
                                 "checkKindleReady", "checkKoboBooks", "checkFitPictures", "checkGreyPictures"}) {
            const QCheckBox& box = Child<QCheckBox>(dialog, name);
            shown.checks[name] = std::string(box.isChecked() ? "ticked" : "unticked") + (box.isEnabled() ? " on" : " off");
        }
        return shown;
    }
    static void Press(QWidget& dialog, const char* name)
    {
        QTest::mouseClick(&Child<QAbstractButton>(dialog, name), Qt::LeftButton);
    }

    ScratchSettings settings;
    FakePrompter prompter;
    Form1 window;
};

// The first run's choices: the three style choices ticked, and of those
// for e-readers only embedding the characters each book uses.
const Shown AllTicked{false,
                      {{"checkText", "ticked on"}, {"checkJustify", "ticked on"}, {"checkIntlFonts", "ticked on"},
                       {"checkLineHeights", "unticked on"}, {"checkPageMargins", "unticked on"},
                       {"checkFontFamilies", "unticked on"}, {"checkRelativeSizes", "unticked on"},
                       {"checkSubsetFonts", "ticked on"}, {"checkKindleReady", "unticked on"},
                       {"checkTextColors", "unticked on"}, {"checkKoboBooks", "unticked on"},
                       {"checkFitPictures", "unticked on"}, {"checkGreyPictures", "unticked on"}},
                      true};

// The options for e-readers that first run leaves off; each test names
// SubsetFonts, which follows the fonts.
const Store ReaderOptionsOff{{"LineHeights", "No"},  {"PageMargins", "No"}, {"FontFamilies", "No"},
                             {"RelativeSizes", "No"}, {"KindleReady", "No"}, {"TextColors", "No"},
                             {"KoboBooks", "No"},     {"FitPictures", "No"}, {"GreyPictures", "No"},
                             {"ScreenSize", "1264x1680"}};

// The values given, and the others for e-readers as first run leaves them.
Store With(Store values, const Store& more = ReaderOptionsOff)
{
    values.insert(more.begin(), more.end());
    return values;
}

TEST_F(OptionsDialogTest, FirstRunShowsTheThreeStyleChoicesTickedAndOkWritesEveryOption)
{
    WithOptions([](QWidget& dialog) {
        EXPECT_EQ(Showing(dialog), AllTicked);
        EXPECT_TRUE(Child<QCheckBox>(dialog, "checkKeepOriginals").isChecked());
        Press(dialog, "cmdOk");
    });
    EXPECT_EQ(InStore(), With({{"DeleteCSS", "No"}, {"FontSizes", "Yes"}, {"IntlFonts", "Yes"}, {"JustifyText", "Yes"},
                               {"KeepOriginals", "Yes"}, {"SubsetFonts", "Yes"}}));
}

// A settings file written before SubsetFonts existed has it on; readying
// the books for Send to Kindle edits no stylesheet, so it stays enabled
// and saved as ticked with Delete CSS.
TEST_F(OptionsDialogTest, StoredDeleteShowsTheChoicesDisabledAndOkSavesThemOff)
{
    Stored({{"DeleteCSS", "Yes"}, {"FontSizes", "Yes"}, {"JustifyText", "No"}, {"IntlFonts", "No"},
            {"LineHeights", "Yes"}, {"RelativeSizes", "Yes"}, {"KindleReady", "Yes"}});
    WithOptions([](QWidget& dialog) {
        EXPECT_EQ(Showing(dialog),
                  (Shown{true,
                         {{"checkText", "ticked off"}, {"checkJustify", "unticked off"}, {"checkIntlFonts", "unticked off"},
                          {"checkLineHeights", "ticked off"}, {"checkPageMargins", "unticked off"},
                          {"checkFontFamilies", "unticked off"}, {"checkRelativeSizes", "ticked off"},
                          {"checkSubsetFonts", "ticked off"}, {"checkKindleReady", "ticked on"},
                          {"checkTextColors", "unticked off"}, {"checkKoboBooks", "unticked on"},
                          {"checkFitPictures", "unticked on"}, {"checkGreyPictures", "unticked on"}},
                         false}));
        Press(dialog, "cmdOk");
    });
    EXPECT_EQ(InStore(), With({{"DeleteCSS", "Yes"}, {"FontSizes", "No"}, {"IntlFonts", "No"}, {"JustifyText", "No"},
                               {"KeepOriginals", "Yes"}, {"SubsetFonts", "No"}, {"KindleReady", "Yes"}}));
}

TEST_F(OptionsDialogTest, CancelWritesNothingAndTheNextShowingReadsTheMapAgain)
{
    WithOptions([](QWidget& dialog) {
        Press(dialog, "radioDeleteCss");
        EXPECT_FALSE(Child<QCheckBox>(dialog, "checkText").isEnabled());
        Press(dialog, "cmdCancel");
    });
    EXPECT_EQ(InMap(), With({{"DeleteCSS", "No"}, {"FontSizes", "Yes"}, {"IntlFonts", "Yes"}, {"JustifyText", "Yes"},
                             {"KeepOriginals", "Yes"}, {"SubsetFonts", "Yes"}}));
    EXPECT_TRUE(InStore().empty());

    SettingsStore::PutOption(OptionKey::JustifyText, false);
    WithOptions([](QWidget& dialog) {
        EXPECT_FALSE(Child<QRadioButton>(dialog, "radioDeleteCss").isChecked());
        EXPECT_FALSE(Child<QCheckBox>(dialog, "checkJustify").isChecked()) << "a new dialog reads the map";
        dialog.close();  // the close box counts as Cancel
    });
    EXPECT_TRUE(InStore().empty());
}

TEST_F(OptionsDialogTest, OkHidesTheDialogAsTheUserLeftIt)
{
    WithOptions([](QWidget& dialog) {
        Press(dialog, "checkJustify");
        Press(dialog, "radioDeleteCss");
        Press(dialog, "cmdOk");
    });
    EXPECT_EQ(InStore(), With({{"DeleteCSS", "Yes"}, {"FontSizes", "No"}, {"IntlFonts", "No"}, {"JustifyText", "No"},
                               {"KeepOriginals", "Yes"}, {"SubsetFonts", "No"}}));

    // The hidden dialog shows its old ticks, not the map's "No"; choosing
    // to alter again brings them back, and OK saves them.
    SettingsStore::PutOption(OptionKey::IntlFonts, true);
    WithOptions([](QWidget& dialog) {
        EXPECT_EQ(Showing(dialog),
                  (Shown{true,
                         {{"checkText", "ticked off"}, {"checkJustify", "unticked off"}, {"checkIntlFonts", "ticked off"},
                          {"checkLineHeights", "unticked off"}, {"checkPageMargins", "unticked off"},
                          {"checkFontFamilies", "unticked off"}, {"checkRelativeSizes", "unticked off"},
                          {"checkSubsetFonts", "ticked off"}, {"checkKindleReady", "unticked on"},
                          {"checkTextColors", "unticked off"}, {"checkKoboBooks", "unticked on"},
                          {"checkFitPictures", "unticked on"}, {"checkGreyPictures", "unticked on"}},
                         false}));
        Press(dialog, "radioAlterCss");
        EXPECT_TRUE(Child<QLabel>(dialog, "Label1").isEnabled());
        Press(dialog, "cmdOk");
    });
    EXPECT_EQ(InStore(), With({{"DeleteCSS", "No"}, {"FontSizes", "Yes"}, {"IntlFonts", "Yes"}, {"JustifyText", "No"},
                               {"KeepOriginals", "Yes"}, {"SubsetFonts", "Yes"}}));
}

// Keeping relative font sizes means something only while fixed ones are
// removed: its box follows "Remove fixed font sizes.", and OK saves it
// off while that is unticked.
TEST_F(OptionsDialogTest, TheReaderChoicesAndRelativeSizesFollowingFontSizes)
{
    WithOptions([](QWidget& dialog) {
        for (const char* name : {"checkLineHeights", "checkPageMargins", "checkFontFamilies", "checkRelativeSizes"})
            Press(dialog, name);
        Press(dialog, "checkText");
        EXPECT_EQ(Showing(dialog).checks.at("checkRelativeSizes"), "ticked off");
        Press(dialog, "cmdOk");
    });
    EXPECT_EQ(InStore(), With({{"DeleteCSS", "No"}, {"FontSizes", "No"}, {"IntlFonts", "Yes"}, {"JustifyText", "Yes"},
                               {"KeepOriginals", "Yes"}, {"LineHeights", "Yes"}, {"PageMargins", "Yes"},
                               {"FontFamilies", "Yes"}, {"RelativeSizes", "No"}, {"SubsetFonts", "Yes"}}));
    WithOptions([](QWidget& dialog) {
        Press(dialog, "checkText");
        EXPECT_EQ(Showing(dialog).checks.at("checkRelativeSizes"), "ticked on");
        Press(dialog, "cmdOk");
    });
    EXPECT_EQ(InMap().at("RelativeSizes"), "Yes");
}

// Embedding only the characters each book uses means something only while
// the fonts are installed: its box follows "Install Liberation fonts.", and
// OK saves it off while that is unticked. Readying the books for Send to
// Kindle follows nothing.
TEST_F(OptionsDialogTest, SubsetFontsFollowingTheFontsAndKindleReadyOnItsOwn)
{
    WithOptions([](QWidget& dialog) {
        Press(dialog, "checkIntlFonts");
        EXPECT_EQ(Showing(dialog).checks.at("checkSubsetFonts"), "ticked off");
        Press(dialog, "checkKindleReady");
        Press(dialog, "radioDeleteCss");
        Press(dialog, "radioAlterCss");
        EXPECT_EQ(Showing(dialog).checks.at("checkKindleReady"), "ticked on");
        Press(dialog, "cmdOk");
    });
    EXPECT_EQ(InStore(), With({{"DeleteCSS", "No"}, {"FontSizes", "Yes"}, {"IntlFonts", "No"}, {"JustifyText", "Yes"},
                               {"KeepOriginals", "Yes"}, {"SubsetFonts", "No"}, {"KindleReady", "Yes"}}));
    WithOptions([](QWidget& dialog) {
        Press(dialog, "checkIntlFonts");
        EXPECT_EQ(Showing(dialog).checks.at("checkSubsetFonts"), "ticked on");
        Press(dialog, "checkKindleReady");
        Press(dialog, "cmdOk");
    });
    EXPECT_EQ(InMap().at("SubsetFonts"), "Yes");
    EXPECT_EQ(InMap().at("KindleReady"), "No");
}

// The reader's own colours are a stylesheet choice, off with Delete CSS;
// Kobo books and the pictures edit no stylesheet. The screen's size is
// chosen while pictures are fitted, and a size set on the command line
// is offered beside the common ones and kept.
TEST_F(OptionsDialogTest, ColoursFollowTheStylesheetsAndTheScreenFollowsFittedPictures)
{
    Stored({{"FitPictures", "No"}, {"ScreenSize", "800x600"}, {"TextColors", "Yes"}});
    WithOptions([](QWidget& dialog) {
        auto& screen = Child<QComboBox>(dialog, "comboScreenSize");
        EXPECT_FALSE(screen.isEnabled());
        EXPECT_EQ(screen.currentData().toString(), "800x600");
        EXPECT_EQ(screen.count(), 6);
        for (const char* name : {"checkFitPictures", "checkGreyPictures", "checkKoboBooks"})
            Press(dialog, name);
        EXPECT_TRUE(screen.isEnabled());
        screen.setCurrentIndex(screen.findData(QStringLiteral("1072x1448")));
        Press(dialog, "radioDeleteCss");
        EXPECT_EQ(Showing(dialog).checks.at("checkTextColors"), "ticked off");
        EXPECT_EQ(Showing(dialog).checks.at("checkFitPictures"), "ticked on");
        Press(dialog, "cmdOk");
    });
    const Store stored = InStore();
    EXPECT_EQ(stored.at("ScreenSize"), "1072x1448");
    EXPECT_EQ(stored.at("TextColors"), "No");
    for (const char* key : {"FitPictures", "GreyPictures", "KoboBooks", "DeleteCSS"})
        EXPECT_EQ(stored.at(key), "Yes") << key;
}

TEST_F(OptionsDialogTest, UntickingEverythingSavesNoForEveryKey)
{
    WithOptions([](QWidget& dialog) {
        for (const char* name : {"checkText", "checkJustify", "checkIntlFonts", "checkKeepOriginals"})
            Press(dialog, name);
        // Neither Enter nor Esc closes the dialog.
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        Press(dialog, "cmdOk");
    });
    EXPECT_EQ(InStore(), With({{"DeleteCSS", "No"}, {"FontSizes", "No"}, {"IntlFonts", "No"}, {"JustifyText", "No"},
                               {"KeepOriginals", "No"}, {"SubsetFonts", "No"}}));
}

TEST_F(OptionsDialogTest, TheProgramEndsWithTheMainWindowWhileTheDialogIsHidden)
{
    WithOptions([](QWidget& dialog) { Press(dialog, "cmdOk"); });
    QTimer::singleShot(0, [this] { QTest::mouseClick(&Child<QPushButton>(window, "cmdCancel"), Qt::LeftButton); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
