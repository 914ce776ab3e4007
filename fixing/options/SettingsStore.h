#pragma once

// The yes/no options and the screen's size, kept in the per-user settings file.

#include <string>

// The yes/no options, kept in the per-user settings store
// (application "Bindwell", section "Options") and held in one in-memory map.
// A run takes them for each book at once (FixOptions); the dialog reads
// and writes them one key at a time.
namespace OptionKey {
inline constexpr char FontSizes[] = "FontSizes";
inline constexpr char JustifyText[] = "JustifyText";
inline constexpr char IntlFonts[] = "IntlFonts";
inline constexpr char DeleteCSS[] = "DeleteCSS";
// For e-readers: the reader's own settings win over the publisher's.
inline constexpr char LineHeights[] = "LineHeights";
inline constexpr char PageMargins[] = "PageMargins";
inline constexpr char FontFamilies[] = "FontFamilies";
inline constexpr char RelativeSizes[] = "RelativeSizes";  // only with FontSizes
// For e-readers: fonts small enough for a reader's storage, and books
// that Send to Kindle takes.
inline constexpr char SubsetFonts[] = "SubsetFonts";  // only with IntlFonts
inline constexpr char KindleReady[] = "KindleReady";
// For e-readers: the reader's own colours, pictures fitted to its screen,
// Kobo's own books.
inline constexpr char TextColors[] = "TextColors";
inline constexpr char FitPictures[] = "FitPictures";
inline constexpr char ScreenSize[] = "ScreenSize";  // not yes/no: "WIDTHxHEIGHT", "1264x1680" until changed
inline constexpr char GreyPictures[] = "GreyPictures";
inline constexpr char KoboBooks[] = "KoboBooks";
// Not a fix: whether a replaced book's original goes to the desktop's Trash.
inline constexpr char KeepOriginals[] = "KeepOriginals";
}  // namespace OptionKey

namespace SettingsStore {

// Creates the map afresh from the store, or with the first-run values when
// the store's section is empty. A store that predates KeepOriginals has it
// on, as a first run has: a user who never chose keeps the way back; one
// that predates SubsetFonts has it on too: small books stay small.
// Writes nothing.
void LoadOptions();

// True exactly when the map holds the text "Yes" for the key.
bool IsOptionOn(const std::string& key);

// Sets the key to "Yes" or "No" in the map only.
void PutOption(const std::string& key, bool on);

// The text the map holds for a key that is not yes/no (ScreenSize); empty
// when it holds none.
std::string OptionText(const std::string& key);

// Sets such a key's text in the map only.
void PutOptionText(const std::string& key, const std::string& text);

// Writes every key of the map, extra keys included, to the store.
void SaveOptions();

}  // namespace SettingsStore
