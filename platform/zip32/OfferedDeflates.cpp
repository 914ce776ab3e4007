// Deflated bytes a caller hands over for the files of one name and content,
// packed as they are instead of deflating the file anew (ZpOfferDeflated).
#include "OfferedDeflates.h"

#include "Budget.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <list>
#include <mutex>
#include <optional>

namespace platform {
namespace {

struct Offer {
    std::string name;
    std::uint64_t size = 0;
    std::uint32_t crc = 0;
    std::string deflated;
    std::optional<std::string> checked;  // the bytes deflated was seen to inflate to

    std::size_t Held() const { return deflated.size() + (checked ? checked->size() : 0); }
};

std::mutex g_mutex;
std::list<Offer> g_offers;  // the most recent first
std::size_t g_held = 0;

// Drops the oldest offers until what is held fits the budget.
void Trim()
{
    while (g_held > budget::Offered && !g_offers.empty()) {
        g_held -= g_offers.back().Held();
        g_offers.pop_back();
    }
}

// Whether deflated, a raw deflate stream, inflates to exactly raw and ends
// with its last byte.
bool InflatesExactlyTo(const std::string& deflated, const std::string& raw)
{
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        return false;
    std::string out(raw.size() + 1, '\0');  // a byte more: a longer stream shows
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(deflated.data()));
    z.avail_in = static_cast<uInt>(deflated.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    const int rc = inflate(&z, Z_FINISH);
    const bool same = rc == Z_STREAM_END && z.avail_in == 0 && z.total_out == raw.size() &&
                      out.compare(0, raw.size(), raw) == 0;
    inflateEnd(&z);
    return same;
}

}  // namespace

bool OfferDeflated(const std::string& name, std::uint64_t size, std::uint32_t crc, std::string deflated)
{
    if (name.empty() || deflated.empty() || deflated.size() > budget::Offered / 4 || size > budget::Offered / 4 ||
        deflated.size() > UINT_MAX)
        return false;
    const std::lock_guard hold(g_mutex);
    const auto same = std::find_if(g_offers.begin(), g_offers.end(), [&](const Offer& offer) {
        return offer.name == name && offer.size == size && offer.crc == crc;
    });
    if (same != g_offers.end()) {
        // Offered again: the bytes already held (and maybe checked) stay,
        // whatever these are, and are the most recent.
        g_offers.splice(g_offers.begin(), g_offers, same);
        return true;
    }
    g_offers.push_front({name, size, crc, std::move(deflated), std::nullopt});
    g_held += g_offers.front().Held();
    Trim();
    return true;
}

bool TakeOffered(const std::string& name, const std::string& raw, std::uint32_t crc, InMemory& out)
{
    std::string deflated;
    {
        const std::lock_guard hold(g_mutex);
        const auto offer = std::find_if(g_offers.begin(), g_offers.end(), [&](const Offer& o) {
            return o.name == name && o.size == raw.size() && o.crc == crc;
        });
        if (offer == g_offers.end())
            return false;
        if (offer->checked) {
            if (*offer->checked != raw)
                return false;
            out.deflated = true;
            out.data = offer->deflated;
            return true;
        }
        deflated = offer->deflated;
    }
    // The first file of that content: the offered bytes are inflated, out
    // of the lock, and must give the file's bytes.
    if (!InflatesExactlyTo(deflated, raw))
        return false;
    {
        const std::lock_guard hold(g_mutex);
        const auto offer = std::find_if(g_offers.begin(), g_offers.end(), [&](const Offer& o) {
            return o.name == name && o.size == raw.size() && o.crc == crc && o.deflated == deflated;
        });
        if (offer != g_offers.end() && !offer->checked) {
            offer->checked = raw;
            g_held += raw.size();
            Trim();
        }
    }
    out.deflated = true;
    out.data = std::move(deflated);
    return true;
}

void ForgetOffers()
{
    const std::lock_guard hold(g_mutex);
    g_offers.clear();
    g_held = 0;
}

}  // namespace platform
