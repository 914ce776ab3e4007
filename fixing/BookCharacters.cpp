#include "BookCharacters.h"

#include "CharacterEntities.h"
#include "CounterStyles.h"
#include "MarkupCharacters.h"
#include "StylesheetCharacters.h"
#include "TextEncoding.h"
#include "Utf8Text.h"

#include <QChar>
#include <QList>
#include <QString>

#include <algorithm>
#include <iterator>
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

// The characters reading systems draw themselves, whatever the text.
constexpr std::pair<char32_t, char32_t> DrawnByReaders[] = {
    {0x20, 0x7E}, {0xA0, 0xA0}, {0xAD, 0xAD}, {0x2010, 0x2015}, {0x2018, 0x201F}, {0x2022, 0x2022},
    {0x2026, 0x2026}, {0x25AA, 0x25AA}, {0x25E6, 0x25E6}};

}  // namespace

void BookCharacters::AddContentDocument(std::string_view bytes)
{
    if (!readable_)
        return;
    const std::optional<DecodedText> decoded = DecodedText::Of(bytes);
    if (!decoded)
        return MarkUnreadable();
    CollectMarkupCharacters(decoded->Text(), decoded->Marked(), *this);
}

void BookCharacters::AddStylesheet(std::string_view bytes)
{
    if (!readable_)
        return;
    const std::optional<DecodedText> decoded = DecodedText::Of(bytes);
    if (!decoded)
        return MarkUnreadable();
    const std::string_view charset = CharsetLabel(decoded->Text());
    const Declared declared = decoded->Marked() || charset.empty() ? Declared::Utf8 : ClassOf(charset);
    if (declared == Declared::Other)
        return MarkUnreadable();
    CollectStylesheetCharacters(decoded->Text(), declared == Declared::AsciiAlike, *this);
}

void BookCharacters::Add(char32_t c)
{
    if (c < 0x80)
        return;  // drawn by readers anyway, or a control
    if (c < 0x10000 ? basic_.test(c) : !beyond_.insert(c).second)
        return;
    if (c < 0x10000)
        basic_.set(c);
    found_.push_back(c);
    if (const char32_t shown = Windows1252Character(c))
        Add(shown);
}

namespace {

std::string LowerCase(std::string_view name)
{
    std::string lower(name);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

}  // namespace

void BookCharacters::AddCounterStyle(std::string_view name)
{
    for (const char32_t c : CounterStyleCharacters(name))
        if (std::none_of(std::begin(DrawnByReaders), std::end(DrawnByReaders),
                         [c](const auto& range) { return c >= range.first && c <= range.second; }))
            Add(c);
}

void BookCharacters::DrawAttribute(std::string_view name)
{
    if (!name.empty())
        drawnAttributes_.insert(LowerCase(name));
}

bool BookCharacters::DrawsAttribute(std::string_view localName) const
{
    return !drawnAttributes_.empty() && drawnAttributes_.count(LowerCase(localName)) != 0;
}

std::vector<char32_t> BookCharacters::Characters(char32_t page) const
{
    std::vector<char32_t> all = found_;
    for (const char32_t c : found_) {
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
    for (const auto& [first, last] : DrawnByReaders)
        for (char32_t c = first; c <= last; ++c)
            all.push_back(c);
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return all;
}
