// The characters one book's text needs, as its scanners collect them.
#include "CharacterSet.h"

#include "AsciiText.h"
#include "CharacterEntities.h"
#include "CounterStyles.h"

#include <algorithm>
#include <iterator>

void CharacterSet::Add(char32_t c)
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

void CharacterSet::AddCounterStyle(std::string_view name)
{
    for (const char32_t c : CounterStyleCharacters(name))
        if (std::none_of(std::begin(ReaderDrawnCharacters), std::end(ReaderDrawnCharacters),
                         [c](const auto& range) { return c >= range.first && c <= range.second; }))
            Add(c);
}

void CharacterSet::DrawAttribute(std::string_view name)
{
    if (!name.empty())
        drawnAttributes_.insert(AsciiLowered(name));
}

bool CharacterSet::DrawsAttribute(std::string_view localName) const
{
    return !drawnAttributes_.empty() && drawnAttributes_.count(AsciiLowered(localName)) != 0;
}
