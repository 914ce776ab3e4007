#pragma once

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

    // The values the settings store holds now.
    static FixOptions Current();
};
