#pragma once

// What a language value stands for, as a code reading systems take.

#include <map>
#include <optional>
#include <string>
#include <string_view>

// What a language value (a dc:language, an html lang) stands for, as a
// code that reading systems take.
//
// A value is usable when it is a well-formed language tag (the syntax of
// BCP 47: language, then script, region, variants, extensions and private
// use, each subtag of its own length and letters) whose language subtag is
// a registered code of ISO 639 other than "und" ("undetermined"), or one
// of the tags BCP 47 grandfathered ("en-GB-oed", "art-lojban",
// "sgn-BE-FR" ...), written as tags are written: '-' between subtags, the
// language in lower case, a script in title case ("Latn"), a region in
// upper case, the rest in lower case, the two-letter code where a
// three-letter one has one, and a grandfathered tag as BCP 47's registry
// writes it. Anything around it, even white space, makes it not usable.
//
// The registered codes are those Qt knows (QLocale::codeToLanguage) and
// those of Debian's iso-codes tables (ReadIso639Codes), read once, on
// first use; where the tables cannot be read, those Qt knows alone.

// The usable code value stands for, or nullopt when it stands for none:
// - usable: value itself;
// - a usable code written otherwise ("pt_BR", "EN-us", " eng ", "fre"):
//   that code written as above ("pt-BR", "en-US", "en", "fr");
// - the name of a language Qt knows, in English or in the language
//   itself, in any case ("English", "french", "Deutsch", "Français"): its
//   code;
// - nullopt for an empty value, "C", "POSIX", "und", and whatever else is
//   no registered code or name.
std::optional<std::string> LanguageCode(std::string_view value);

// Whether value is usable as it is.
bool IsUsableLanguage(std::string_view value);

// The codes of ISO 639 that Debian's iso-codes lists in folder, in its
// iso_639-3.json and iso_639-2.json: every three-letter code (the
// bibliographic ones too, "ger") and two-letter code, in lower case, each
// with the code it is written as: its two-letter code where it has one,
// else its three-letter terminology code. A table that cannot be read adds
// nothing.
std::map<std::string, std::string> ReadIso639Codes(const std::string& folder);
