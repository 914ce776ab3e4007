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
    EXPECT_TRUE(SettingsStore::IsOptionOn(OptionKey::KeepOriginals));
    EXPECT_FALSE(std::filesystem::exists(settings.file()));

    // A store written before the originals could be kept keeps them too;
    // one that turned it off does not.
    WriteFile(settings.file(), "[Options]\nFontSizes=No\n");
    SettingsStore::LoadOptions();
    EXPECT_TRUE(SettingsStore::IsOptionOn(OptionKey::KeepOriginals));
    WriteFile(settings.file(), "[Options]\nKeepOriginals=No\n");
    SettingsStore::LoadOptions();
    EXPECT_FALSE(SettingsStore::IsOptionOn(OptionKey::KeepOriginals));
}

// Only the user's own file counts: an organisation-wide file beside it
// and a system-wide one are neither read nor written.
TEST(SettingsStore, FilesThatAreNotTheUsersOwnAreIgnored)
{
    ScratchSettings settings;
    TempFolder system;
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, QString::fromStdString(system.path()));
    const std::string userFolder = std::filesystem::path(settings.file()).parent_path().parent_path().string();
    const std::string others[] = {userFolder + "/Bindwell.ini", system / "Bindwell/Bindwell.ini", system / "Bindwell.ini"};
    for (const std::string& other : others)
        WriteFile(other, "[Options]\nDeleteCSS=Yes\nFontSizes=No\nStray=1\n");

    SettingsStore::LoadOptions();
    EXPECT_FALSE(SettingsStore::IsOptionOn(OptionKey::DeleteCSS));
    EXPECT_TRUE(SettingsStore::IsOptionOn(OptionKey::FontSizes)) << "a first run";
    SettingsStore::SaveOptions();
    EXPECT_EQ(ReadFile(settings.file()).find("Stray"), std::string::npos);
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, QStringLiteral("/etc/xdg"));
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
