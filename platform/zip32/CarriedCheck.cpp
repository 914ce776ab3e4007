#include "CarriedCheck.h"

#include "Budget.h"

#include <algorithm>

namespace platform {

std::uint32_t Crc(std::uint32_t crc, const char* data, std::size_t length)
{
    return static_cast<std::uint32_t>(crc32_z(crc, reinterpret_cast<const Bytef*>(data), length));
}

CarriedCheck::CarriedCheck(const ReferenceEntry& entry, std::string& raw, std::size_t rawLimit)
    : entry_(entry), raw_(raw), rawLimit_(rawLimit)
{
    // Room for what is kept, as far as the declared size can be believed
    // before it is seen.
    raw_.reserve(static_cast<std::size_t>(std::min<std::uint64_t>({entry.size, rawLimit, budget::WholeEntry})));
    inflating_ = entry.deflated && inflateInit2(&z_, -MAX_WBITS) == Z_OK;
    rc_ = entry.deflated ? Z_OK : Z_STREAM_END;
    failed_ = entry.deflated && !inflating_;
}

CarriedCheck::~CarriedCheck()
{
    if (inflating_)
        inflateEnd(&z_);
}

bool CarriedCheck::Take(const char* data, std::size_t length)
{
    if (failed_)
        return false;
    if (!entry_.deflated)
        return Count(data, length);
    // A buffer per thread: a fresh one per entry would cost more than
    // inflating a small entry.
    thread_local std::string piece(256u << 10, '\0');
    z_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
    z_.avail_in = static_cast<uInt>(length);
    // Until the piece is used up and inflate has nothing more to give.
    while (rc_ == Z_OK) {
        z_.next_out = reinterpret_cast<Bytef*>(piece.data());
        z_.avail_out = static_cast<uInt>(piece.size());
        rc_ = inflate(&z_, Z_NO_FLUSH);
        if (rc_ == Z_BUF_ERROR && z_.avail_in == 0) {
            rc_ = Z_OK;  // wants the next piece
            break;
        }
        if ((rc_ != Z_OK && rc_ != Z_STREAM_END) || !Count(piece.data(), piece.size() - z_.avail_out)) {
            failed_ = true;
            return false;
        }
        if (z_.avail_in == 0 && z_.avail_out != 0)
            break;
    }
    failed_ = z_.avail_in != 0;  // bytes after the end of the deflate stream
    return !failed_;
}

bool CarriedCheck::Count(const char* data, std::size_t length)
{
    size_ += length;
    crc_ = Crc(crc_, data, length);
    if (raw_.size() < rawLimit_)
        raw_.append(data, std::min(length, rawLimit_ - raw_.size()));
    failed_ = size_ > entry_.size;
    return !failed_;
}

}  // namespace platform
