#pragma once

#include <cstddef>

namespace platform {

// The offset a field gets in a record laid out naturally: the end of the
// field before it, rounded up to the field's alignment.
constexpr std::size_t NaturalOffset(std::size_t endOfPrevious, std::size_t alignment)
{
    return (endOfPrevious + alignment - 1) / alignment * alignment;
}

}  // namespace platform
