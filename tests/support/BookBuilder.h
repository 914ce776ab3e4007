#pragma once

#include <string>

// Small but complete EPUB books for the end-to-end tests: the stylesheet
// and package document in sub-folders, a page, an image.
enum class EpubVersion { Two, Three };

inline constexpr char BookStylesheet[] = "OEBPS/Styles/book.css";
inline constexpr char BookPackage[] = "OEBPS/content.opf";
inline constexpr char BookCss[] = "body { margin: 0; }\r\np { font-size: 12pt; text-indent: 1em; }\r\n";

// A paragraph long enough for its language to be told (German).
inline constexpr char GermanParagraph[] =
    "<p>Es war einmal ein K\xC3\xB6nig, der hatte drei T\xC3\xB6" "chter. Die j\xC3\xBCngste war so sch\xC3\xB6n, "
    "dass die Sonne selbst sich verwunderte, sooft sie ihr ins Gesicht schien. Nahe bei dem Schlosse des "
    "K\xC3\xB6nigs lag ein gro\xC3\x9F" "er dunkler Wald, und in dem Walde unter einer alten Linde war ein "
    "Brunnen. Wenn nun der Tag recht hei\xC3\x9F war, so ging das K\xC3\xB6nigskind hinaus in den Wald und "
    "setzte sich an den Rand des k\xC3\xBChlen Brunnens, und wenn es Langeweile hatte, so nahm es eine goldene "
    "Kugel, warf sie in die H\xC3\xB6he und fing sie wieder; und das war sein liebstes Spielwerk.</p>";

// The package document is where packageDocument says, the book's other
// files in the same folder, and the container names it.
void MakeEpub(const std::string& path, EpubVersion version, const std::string& title = "A Test Book",
              const std::string& packageDocument = BookPackage);

// The bytes of one entry of an archive; throws when it is absent.
std::string EntryBytes(const std::string& archive, const std::string& name);
