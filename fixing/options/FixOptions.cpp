// The options one book is fixed by, and the rules between them.
#include "FixOptions.h"

#include "SettingsStore.h"

#include <charconv>

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
    options.textColors = IsOptionOn(OptionKey::TextColors);
    options.fitPictures = IsOptionOn(OptionKey::FitPictures);
    options.greyPictures = IsOptionOn(OptionKey::GreyPictures);
    options.koboBooks = IsOptionOn(OptionKey::KoboBooks);
    if (const std::optional<FixOptions::Screen> screen = ParseScreenSize(SettingsStore::OptionText(OptionKey::ScreenSize)))
        options.screen = *screen;
    return options.Reconciled();
}

FixOptions FixOptions::Reconciled() const
{
    FixOptions options = *this;
    if (options.deleteCSS)
        for (bool* stylesheetOption : {&options.fontSizes, &options.justifyText, &options.intlFonts,
                                       &options.lineHeights, &options.pageMargins, &options.fontFamilies,
                                       &options.relativeSizes, &options.subsetFonts, &options.textColors})
            *stylesheetOption = false;
    options.relativeSizes &= options.fontSizes;
    options.subsetFonts &= options.intlFonts;
    return options;
}

std::optional<FixOptions::Screen> ParseScreenSize(std::string_view text)
{
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string_view::npos)
        return std::nullopt;
    FixOptions::Screen screen;
    const auto number = [](std::string_view digits, int& out) {
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), out);
        return error == std::errc() && end == digits.data() + digits.size() && !digits.empty() && digits[0] != '-' &&
               out >= MinScreenSide && out <= MaxScreenSide;
    };
    if (!number(text.substr(0, x), screen.width) || !number(text.substr(x + 1), screen.height))
        return std::nullopt;
    return screen;
}

std::string ScreenSizeText(const FixOptions::Screen& screen)
{
    return std::to_string(screen.width) + "x" + std::to_string(screen.height);
}
