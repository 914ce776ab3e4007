// zip32's entry point for deflated bytes a caller hands over (ZpOfferDeflated).
#include "OfferedDeflates.h"
#include "zip32.h"

#include <string>

extern "C" int ZpOfferDeflated(const char* name, const char* deflated, uint64_t length, uint32_t crc, uint64_t size)
{
    try {
        if (!name || !deflated || length == 0)
            return 0;
        return platform::OfferDeflated(name, size, crc, std::string(deflated, length)) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}
