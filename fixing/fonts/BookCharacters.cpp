// The characters a book's text needs, read from its documents and stylesheets.
#include "BookCharacters.h"

#include "MarkupCharacters.h"
#include "StylesheetCharacters.h"
#include "TextEncoding.h"
#include "Utf8Text.h"

#include <QChar>
#include <QList>
#include <QString>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

using namespace Utf8Text;

namespace {

// A document's text as UTF-8, and whether a byte-order mark said so (the
// mark outranks every declaration in the text).
class DecodedText {
public:
    // nullopt for a UTF-32 mark, or a UTF-16 one on an odd number of bytes.
    static std::optional<DecodedText> Of(std::string_view bytes)
    {
        DecodedText decoded;
        const std::string_view mark = bytes.substr(0, 2);
        if (mark == "\xFF\xFE" || mark == "\xFE\xFF") {
            std::optional<EditableText> utf16 = DecodeForEditing(std::string(bytes));
            if (!utf16)
                return std::nullopt;
            decoded.utf16_ = std::move(utf16->text);
            decoded.marked_ = true;
        } else if (bytes.substr(0, 4) == std::string_view("\0\0\xFE\xFF", 4)) {
            return std::nullopt;
        } else if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
            decoded.bytes_ = bytes.substr(3);
            decoded.marked_ = true;
        } else {
            decoded.bytes_ = bytes;
        }
        return decoded;
    }

    std::string_view Text() const { return utf16_ ? std::string_view(*utf16_) : bytes_; }
    bool Marked() const { return marked_; }

private:
    std::string_view bytes_;             // the document's own bytes
    std::optional<std::string> utf16_;   // or its text decoded from UTF-16
    bool marked_ = false;
};

}  // namespace

void BookCharacters::AddContentDocument(std::string_view bytes)
{
    if (!set_.Readable())
        return;
    const std::optional<DecodedText> decoded = DecodedText::Of(bytes);
    if (!decoded)
        return set_.MarkUnreadable();
    CollectMarkupCharacters(decoded->Text(), decoded->Marked(), set_);
}

void BookCharacters::AddStylesheet(std::string_view bytes)
{
    if (!set_.Readable())
        return;
    const std::optional<DecodedText> decoded = DecodedText::Of(bytes);
    if (!decoded)
        return set_.MarkUnreadable();
    const std::string_view charset = CharsetLabel(decoded->Text());
    const Declared declared = decoded->Marked() || charset.empty() ? Declared::Utf8 : ClassOf(charset);
    if (declared == Declared::Other)
        return set_.MarkUnreadable();
    CollectStylesheetCharacters(decoded->Text(), declared == Declared::AsciiAlike, set_);
}

std::vector<char32_t> BookCharacters::Characters(char32_t page) const
{
    const std::vector<char32_t>& found = set_.Found();
    std::vector<char32_t> all = found;
    for (const char32_t c : found) {
        all.push_back(QChar::toUpper(c));
        all.push_back(QChar::toLower(c));
        all.push_back(QChar::toTitleCase(c));
        // Full mappings too: ß is SS in capitals, ŉ is ʼN.
        const QString one = QString::fromUcs4(&c, 1);
        for (const QString& mapped : {one.toUpper(), one.toLower()})
            for (const char32_t m : mapped.toUcs4())
                all.push_back(m);
        if (c == 0x3A3 || c == 0x3C3 || c == 0x3C2)
            all.insert(all.end(), {0x3A3, 0x3C3, 0x3C2});  // lower-cased, a sigma ending a word is ς
    }
    if (page > 1) {
        std::set<char32_t> pages;
        for (const char32_t c : all)
            pages.insert(c / page);
        all.clear();
        for (const char32_t first : pages)
            for (char32_t c = first * page; c < (first + 1) * page; ++c)
                all.push_back(c);
    }
    for (const auto& [first, last] : ReaderDrawnCharacters)
        for (char32_t c = first; c <= last; ++c)
            all.push_back(c);
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return all;
}
