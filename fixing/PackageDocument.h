#pragma once

#include <string>

// Adds the four font items right after every manifest start tag of one
// package document and rewrites it in place. fontFolder is put in front of
// each font's file name: the path from this document's folder up to the
// book's top folder ("" there, "../" one folder down), always with "/".
void AlterContentOpf(const std::string& sFileName, const std::string& fontFolder = "");
