#pragma once

#include <string>

// What went wrong when a book could not be unpacked cleanly, in words a
// user understands, from the UnZip library's result and what it printed.
std::string UnpackFailureText(int result, const std::string& printed);

// The same for the Zip library's result; empty when there is nothing to add
// to the number.
std::string PackFailureWords(int result);

// The first lines of what the Zip library printed, each after a line
// break, leaving out its progress: its warnings, which name the file and
// the reason where it failed. Empty when it printed none.
std::string PackFailureDetail(const std::string& printed);
