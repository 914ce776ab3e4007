#pragma once

// The four font items added to a package document's manifest.

#include <string>

// Adds the four font items right after every manifest start tag of one
// package document and rewrites it in place. fontFolder is put in front of
// each font's file name: the path from this document's folder up to the
// book's top folder ("" there, "../" one folder down), always with "/".
// After a prefixed start tag (<opf:manifest>) the items carry the same
// prefix. A UTF-16 document is edited and written back in UTF-16.
//
// A document that already holds the four items exactly as this fix writes
// them for that prefix, that has no manifest start tag, or that no
// encoding can be edited in safely, is left as it was. Returns
// whether the file was rewritten.
bool AlterContentOpf(const std::string& sFileName, const std::string& fontFolder = "");
