#pragma once

// The language a package document names, judged and written.

#include <optional>
#include <string>
#include <string_view>

// The language a package document names: the first dc:language of its
// metadata (the root's metadata child, in any namespace, so <opf:metadata>
// too), where dc: is whatever prefix the document binds to the Dublin
// Core namespace, the default namespace included.
//
// A package document is given as its bytes: UTF-8, UTF-16 with its mark
// (edited in UTF-16, see TextEncoding) or any encoding that keeps ASCII as
// ASCII (read as Latin-1 where it is not UTF-8). Every byte outside the
// edit stays as it is.
//
// A book is readied for its language in two steps:
//  1. JudgePackageLanguage, from the package document alone: Usable needs
//     nothing; Rewrite gives the code; FromText asks for step 2; CannotEdit
//     leaves the language alone (name the book with NoLanguageFoundReason).
//  2. For FromText, a TextLanguageCollector fed the content documents in
//     spine order (see PackageSpine, TextLanguage) finds the code, or none:
//     then the language is left alone and the book named with
//     NoLanguageFoundReason.
// With a code, WritePackageLanguage writes it, and RewriteHtmlLanguage
// (HtmlLanguage) gives it to every content document whose html element
// carries the package's unusable value.

struct PackageLanguage {
    enum Kind {
        Usable,      // a usable code (see LanguageTag): nothing to do
        Rewrite,     // a code written badly, or a language's name: code is what to write
        FromText,    // missing, empty, "C", "POSIX", "und" or unknown: the text must tell
        CannotEdit,  // not well-formed before the language, no metadata to put one in, or
                     // a dc:language holding elements or unresolved references: left alone
    } kind = CannotEdit;
    // The first dc:language's text as read (references resolved, white
    // space kept, comments and processing instructions passed over: "en"
    // for en<!-- -->); empty when there is none. Html elements carrying
    // the same value are given the same code.
    std::string value;
    std::string code;  // Rewrite only
};

// Reads the package document only as far as its language (the end of its
// metadata where it has none).
PackageLanguage JudgePackageLanguage(std::string_view packageDocument);

// The package document with code as its language: the first dc:language's
// text replaced in place (an empty-element tag written out with start and
// end tag; comments and processing instructions in it stay, in order, and
// the code stands where its first text that is more than white space
// stood, or first), or, where there is none, a dc:language inserted into the
// metadata after its last Dublin Core element (after its start tag where
// it has none), on a line of its own indented as that element is. It uses
// the prefix the document binds to the Dublin Core namespace there (the
// one the metadata's own Dublin Core elements use where there are
// several); where none is bound, the new element declares "dc" for itself
// and nothing else changes. nullopt where JudgePackageLanguage says
// CannotEdit, where the document already says code, or where the edited
// document would not read back as saying code.
std::optional<std::string> WritePackageLanguage(std::string_view packageDocument, const std::string& code);

// Why a book's language was left alone: "no language found".
std::string NoLanguageFoundReason();
