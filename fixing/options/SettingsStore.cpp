// The yes/no options and the screen's size, kept in the per-user settings file.
#include "SettingsStore.h"

#include <QSettings>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr char ApplicationName[] = "Bindwell";
constexpr char SectionName[] = "Options";
constexpr char OnText[] = "Yes";
constexpr char OffText[] = "No";

// Key and value as the store returned them. Values are kept as the store's
// own variants so that keys this program does not know go back unchanged.
using OptionMap = std::vector<std::pair<QString, QVariant>>;

std::optional<OptionMap>& TheMap()
{
    static std::optional<OptionMap> map;
    return map;
}

// The user's own settings file and nothing else: with fallbacks, a
// system-wide or organisation-wide "Bindwell.ini" would decide what a
// first run does to the user's books.
std::unique_ptr<QSettings> OpenStore()
{
    auto store = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, ApplicationName,
                                             ApplicationName);
    store->setFallbacksEnabled(false);
    return store;
}

QVariant* Find(OptionMap& map, const QString& key)
{
    for (auto& [k, v] : map)
        if (k == key)
            return &v;
    return nullptr;
}

}  // namespace

namespace SettingsStore {

void LoadOptions()
{
    const std::unique_ptr<QSettings> store = OpenStore();
    store->beginGroup(SectionName);
    const QStringList keys = store->childKeys();

    OptionMap map;
    if (keys.isEmpty()) {
        map.emplace_back(OptionKey::FontSizes, QString(OnText));
        map.emplace_back(OptionKey::JustifyText, QString(OnText));
        map.emplace_back(OptionKey::IntlFonts, QString(OnText));
    } else {
        for (const QString& key : keys)
            map.emplace_back(key, store->value(key));
    }
    for (const char* onUnlessSaid : {OptionKey::KeepOriginals, OptionKey::SubsetFonts})
        if (!Find(map, QLatin1String(onUnlessSaid)))
            map.emplace_back(onUnlessSaid, QString(OnText));
    TheMap() = std::move(map);
}

bool IsOptionOn(const std::string& key)
{
    if (!TheMap())
        return false;
    const QVariant* value = Find(*TheMap(), QString::fromStdString(key));
    // Compared as text: a variant's own truth would take "No" for true.
    return value && value->typeId() == QMetaType::QString && value->toString() == QLatin1String(OnText);
}

void PutOption(const std::string& key, bool on)
{
    PutOptionText(key, on ? OnText : OffText);
}

std::string OptionText(const std::string& key)
{
    if (!TheMap())
        return {};
    const QVariant* value = Find(*TheMap(), QString::fromStdString(key));
    return value && value->typeId() == QMetaType::QString ? value->toString().toStdString() : std::string();
}

void PutOptionText(const std::string& key, const std::string& text)
{
    if (!TheMap())
        TheMap().emplace();
    const QString name = QString::fromStdString(key);
    const QString value = QString::fromStdString(text);
    if (QVariant* found = Find(*TheMap(), name))
        *found = value;
    else
        TheMap()->emplace_back(name, value);
}

void SaveOptions()
{
    if (!TheMap())
        return;
    const std::unique_ptr<QSettings> store = OpenStore();
    store->beginGroup(SectionName);
    for (const auto& [key, value] : *TheMap())
        store->setValue(key, value);
    store->endGroup();
    store->sync();
}

}  // namespace SettingsStore
