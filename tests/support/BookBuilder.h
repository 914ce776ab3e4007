#pragma once

#include <string>

// Small but complete EPUB books for the end-to-end tests: the stylesheet
// and package document in sub-folders, a page, an image.
enum class EpubVersion { Two, Three };

inline constexpr char BookStylesheet[] = "OEBPS/Styles/book.css";
inline constexpr char BookPackage[] = "OEBPS/content.opf";
inline constexpr char BookCss[] = "body { margin: 0; }\r\np { font-size: 12pt; text-indent: 1em; }\r\n";

// The package document is where packageDocument says, the book's other
// files in the same folder, and the container names it.
void MakeEpub(const std::string& path, EpubVersion version, const std::string& title = "A Test Book",
              const std::string& packageDocument = BookPackage);

// The bytes of one entry of an archive; throws when it is absent.
std::string EntryBytes(const std::string& archive, const std::string& name);
