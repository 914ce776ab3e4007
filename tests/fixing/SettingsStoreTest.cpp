// The four fix options and the per-user store behind them.
#include "SettingsStore.h"
#include "TestFiles.h"

#include <QSettings>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

QSettings Store()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "Bindwell", "Bindwell");
}

void Put(const QString& key, const QString& value)
{
    QSettings store = Store();
    store.setValue("Options/" + key, value);
}

TEST(SettingsStore, FirstRunTurnsTheThreeStyleOptionsOnAndWritesNothing)
{
    ScratchSettings settings;
    SettingsStore::LoadOptions();
    EXPECT_TRUE(SettingsStore::IsOptionOn(OptionKey::FontSizes));
    EXPECT_TRUE(SettingsStore::IsOptionOn(OptionKey::JustifyText));
    EXPECT_TRUE(SettingsStore::IsOptionOn(OptionKey::IntlFonts));
    EXPECT_FALSE(SettingsStore::IsOptionOn(OptionKey::DeleteCSS));
    EXPECT_FALSE(std::filesystem::exists(settings.file()));
}

TEST(SettingsStore, APartialSectionLeavesTheMissingKeysOff)
{
    ScratchSettings settings;
    Put("DeleteCSS", "No");
    SettingsStore::LoadOptions();
    for (const char* key : {OptionKey::FontSizes, OptionKey::JustifyText, OptionKey::IntlFonts, OptionKey::DeleteCSS})
        EXPECT_FALSE(SettingsStore::IsOptionOn(key)) << key;
}

TEST(SettingsStore, OnlyTheExactTextYesIsOn)
{
    ScratchSettings settings;
    Put("FontSizes", "yes");
    Put("JustifyText", "YES");
    Put("IntlFonts", "Yes");
    Put("DeleteCSS", "");
    SettingsStore::LoadOptions();
    EXPECT_FALSE(SettingsStore::IsOptionOn(OptionKey::FontSizes));
    EXPECT_FALSE(SettingsStore::IsOptionOn(OptionKey::JustifyText));
    EXPECT_TRUE(SettingsStore::IsOptionOn(OptionKey::IntlFonts));
    EXPECT_FALSE(SettingsStore::IsOptionOn(OptionKey::DeleteCSS));
    EXPECT_FALSE(SettingsStore::IsOptionOn("fontsizes")) << "keys are case-sensitive";
}

TEST(SettingsStore, PutChangesOnlyTheMapAndSaveWritesEveryKeyExtraOnesIncluded)
{
    ScratchSettings settings;
    WriteFile(settings.file(), "[Options]\nFontSizes=Yes\nColour=blue, green\n");
    SettingsStore::LoadOptions();
    SettingsStore::PutOption(OptionKey::DeleteCSS, true);
    SettingsStore::PutOption(OptionKey::FontSizes, false);
    EXPECT_TRUE(SettingsStore::IsOptionOn(OptionKey::DeleteCSS));
    EXPECT_EQ(Store().value("Options/FontSizes").toString(), "Yes") << "nothing written before saving";

    SettingsStore::SaveOptions();
    QSettings store = Store();
    EXPECT_EQ(store.value("Options/FontSizes").toString(), "No");
    EXPECT_EQ(store.value("Options/DeleteCSS").toString(), "Yes");
    EXPECT_NE(ReadFile(settings.file()).find("Colour=blue, green"), std::string::npos) << "carried back unchanged";
}

TEST(SettingsStore, SaveLeavesKeysThatTheMapDoesNotHold)
{
    ScratchSettings settings;
    SettingsStore::LoadOptions();  // first-run values only
    Put("Other", "kept");
    SettingsStore::SaveOptions();
    EXPECT_EQ(Store().value("Options/Other").toString(), "kept");
    EXPECT_EQ(Store().value("Options/IntlFonts").toString(), "Yes");
}

}  // namespace
