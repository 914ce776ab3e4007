#pragma once

#include <optional>
#include <string>
#include <string_view>

// What a language value (a dc:language, an html lang) stands for, as a
// code that reading systems take.
//
// A value is usable when it is a well-formed language tag (the syntax of
// BCP 47: language, then script, region, variants, extensions and private
// use, each subtag of its own length and letters) whose language subtag is
// a code Qt knows (QLocale::codeToLanguage), written as tags are written:
// '-' between subtags, the language in lower case, a script in title case
// ("Latn"), a region in upper case, the rest in lower case, and the
// two-letter code where a three-letter one has one. Anything around it,
// even white space, makes it not usable.

// The usable code value stands for, or nullopt when it stands for none:
// - usable: value itself;
// - a usable code written otherwise ("pt_BR", "EN-us", " eng ", "fre"):
//   that code written as above ("pt-BR", "en-US", "en", "fr");
// - the name of a language, in English or in the language itself, in any
//   case ("English", "french", "Deutsch", "Français"): its code;
// - nullopt for an empty value, "C", "POSIX", "und", "mul", and whatever
//   else names no language Qt knows.
std::optional<std::string> LanguageCode(std::string_view value);

// Whether value is usable as it is.
bool IsUsableLanguage(std::string_view value);
