#pragma once

// The options one book is fixed by, and the rules between them.

#include <optional>
#include <string>
#include <string_view>

// The options one book is fixed by. The run takes them together when the
// book starts and uses only these until the book is done, so that a change
// made in the options dialog meanwhile (the window answers throughout a
// run) applies from the next book on and never to half of one book.
struct FixOptions {
    bool fontSizes = false;      // FontSizes: remove fixed font sizes
    bool justifyText = false;    // JustifyText: justify paragraphs
    bool intlFonts = false;      // IntlFonts: embed the Liberation Serif faces
    bool deleteCSS = false;      // DeleteCSS: delete the stylesheets instead
    bool keepOriginals = false;  // KeepOriginals: the replaced book goes to the Trash
    bool lineHeights = false;    // LineHeights: remove fixed line heights
    bool pageMargins = false;    // PageMargins: remove the page's margins
    bool fontFamilies = false;   // FontFamilies: remove the fonts the publisher chose
    bool relativeSizes = false;  // RelativeSizes: with fontSizes, keep sizes relative to the reader's
    bool subsetFonts = false;    // SubsetFonts: with intlFonts, embed only the characters the book uses
    bool kindleReady = false;    // KindleReady: content documents declare their encoding, the book its language
    bool textColors = false;     // TextColors: remove the text's colours, so that the reader's own are used
    bool fitPictures = false;    // FitPictures: pictures larger than the screen are scaled down to it
    bool greyPictures = false;   // GreyPictures: pictures in colour are made grey
    bool koboBooks = false;      // KoboBooks: the books become Kobo books (NAME.kepub.epub)

    // ScreenSize: the e-reader's screen, in pixels, that FitPictures fits to.
    struct Screen {
        int width = 1264;
        int height = 1680;
        auto operator<=>(const Screen&) const = default;
    } screen;

    // The values the settings store holds now, with the rules between
    // options applied (see Reconciled).
    static FixOptions Current();

    // The options as the rules between them leave them, the same whoever
    // set them (the dialog, the command line, a settings file written by
    // hand): with the stylesheets deleted, no option that edits them is on,
    // nor the fonts, which only stylesheets use; relative sizes are kept
    // only where fixed ones are removed, and the faces are cut only where
    // they are embedded.
    FixOptions Reconciled() const;
};

// The smallest and largest side a screen may be given.
inline constexpr int MinScreenSide = 100;
inline constexpr int MaxScreenSide = 20000;

// A screen size as the settings and the command line write it,
// "WIDTHxHEIGHT" in pixels ("1264x1680"); nullopt for anything else.
std::optional<FixOptions::Screen> ParseScreenSize(std::string_view text);
std::string ScreenSizeText(const FixOptions::Screen& screen);
