#include "FixOptions.h"

#include "SettingsStore.h"

FixOptions FixOptions::Current()
{
    using SettingsStore::IsOptionOn;
    FixOptions options;
    options.fontSizes = IsOptionOn(OptionKey::FontSizes);
    options.justifyText = IsOptionOn(OptionKey::JustifyText);
    options.intlFonts = IsOptionOn(OptionKey::IntlFonts);
    options.deleteCSS = IsOptionOn(OptionKey::DeleteCSS);
    options.keepOriginals = IsOptionOn(OptionKey::KeepOriginals);
    options.lineHeights = IsOptionOn(OptionKey::LineHeights);
    options.pageMargins = IsOptionOn(OptionKey::PageMargins);
    options.fontFamilies = IsOptionOn(OptionKey::FontFamilies);
    options.relativeSizes = IsOptionOn(OptionKey::RelativeSizes);
    options.subsetFonts = IsOptionOn(OptionKey::SubsetFonts);
    options.kindleReady = IsOptionOn(OptionKey::KindleReady);
    return options;
}
