#pragma once

// The characters one book's text needs, as the scanners of its content
// documents and stylesheets find them (MarkupCharacters,
// StylesheetCharacters): the set the faces are cut from, filled in one pass
// over each document; one a book, not shared between threads.

#include <bitset>
#include <cstddef>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The characters reading systems draw themselves, whatever the text:
// every face keeps them, and no book needs to bring them in.
inline constexpr std::pair<char32_t, char32_t> ReaderDrawnCharacters[] = {
    {0x20, 0x7E},     {0xA0, 0xA0},     {0xAD, 0xAD},     {0x2010, 0x2015}, {0x2018, 0x201F},
    {0x2022, 0x2022}, {0x2026, 0x2026}, {0x25AA, 0x25AA}, {0x25E6, 0x25E6}};

class CharacterSet {
public:
    // Collects one character past ASCII (ASCII is drawn anyway) and, for
    // the numbers U+0080 to U+009F, the Windows-1252 character an HTML
    // reader shows for a reference to them.
    void Add(char32_t c);

    // Collects the markers of a predefined counter style (see
    // CounterStyleCharacters) but those readers draw anyway, which are
    // kept as they are: disc, circle and square bring no page of their own.
    void AddCounterStyle(std::string_view name);

    // Once a document or stylesheet cannot be read, the book's text is
    // unreadable and its faces go in whole.
    void MarkUnreadable() { readable_ = false; }
    bool Readable() const { return readable_; }

    // A `content` declaration draws the values of the attributes of this
    // name (attr()); what the stylesheet scanner says.
    void DrawAttribute(std::string_view name);
    // Whether the values of attributes of this local name (any ASCII case,
    // as HTML has names) are drawn; what the markup scanner asks.
    bool DrawsAttribute(std::string_view localName) const;
    // How many attribute names are drawn: the markup scanner reads a
    // document again when its own <style> named one more.
    std::size_t DrawnAttributeCount() const { return drawnAttributes_.size(); }

    // Each character collected, once, in the order found.
    const std::vector<char32_t>& Found() const { return found_; }

private:
    std::vector<char32_t> found_;
    std::bitset<0x10000> basic_;  // which of the Basic Multilingual Plane are found
    std::set<char32_t> beyond_;   // which of the planes above it, rare in books
    std::set<std::string, std::less<>> drawnAttributes_;  // in lower case
    bool readable_ = true;
};
