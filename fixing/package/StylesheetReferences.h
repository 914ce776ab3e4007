#pragma once

// The references that deleting a book's stylesheets would leave pointing
// at nothing, taken out of its package and content documents.

#include <set>
#include <string>
#include <string_view>

// What taking the references out of one document gives.
struct ReferencesRemoved {
    enum Kind {
        None,        // it names none of the stylesheets: nothing to write
        Edited,      // document holds all the bytes to write
        Unreadable,  // it cannot be edited safely: not well-formed, an encoding the fix cannot edit (see
                     // ReadXmlText), or another element names an item to go by its id
    } kind = None;
    std::string document;
};

// Both take a document (its bytes) whose name in the book is entry, and
// the names in the book of the deleted stylesheets; an href names one when
// it resolves to it from the document's folder (see EntryOf). Only bytes
// are deleted: each reference from its "<" to its last ">" (an element
// with all it holds), and every line it leaves holding nothing but spaces
// and tabs, with its line break (the last line, having none, takes the one
// before it), so that the document reads as if it had never been there.
// UTF-16 documents are edited as their characters and written back in
// their encoding; others as the bytes they are.

// The manifest items (item elements in a manifest, any prefix) of a
// package document whose href names a deleted stylesheet.
ReferencesRemoved WithoutStylesheetItems(std::string_view packageDocument, const std::string& entry,
                                         const std::set<std::string>& deleted);

// The link elements (any prefix, whatever their rel) and xml-stylesheet
// processing instructions of a content document whose href names a
// deleted stylesheet. A document that holds no "link" and no NUL byte
// holds neither, and is not read further.
ReferencesRemoved WithoutStylesheetLinks(std::string_view contentDocument, const std::string& entry,
                                         const std::set<std::string>& deleted);

// Why a book keeps its stylesheets: "OEBPS/ch1.xhtml cannot be edited
// safely, so the stylesheets are kept", entryName being the Unreadable
// document's name in the book.
std::string KeptStylesheetsReason(const std::string& entryName);
