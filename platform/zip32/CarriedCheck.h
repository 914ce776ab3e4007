#pragma once

#include "ReferenceArchive.h"

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// The CRC-32 of length bytes at data, going on from crc.
std::uint32_t Crc(std::uint32_t crc, const char* data, std::size_t length);

// Inflates a carried entry's compressed bytes as they come, piece by
// piece, and checks that they give exactly the size and CRC-32 the archive
// declares; stored bytes are only summed. raw keeps up to rawLimit of the
// inflated bytes.
class CarriedCheck {
public:
    CarriedCheck(const ReferenceEntry& entry, std::string& raw, std::size_t rawLimit);
    ~CarriedCheck();
    CarriedCheck(const CarriedCheck&) = delete;
    CarriedCheck& operator=(const CarriedCheck&) = delete;

    // False once the bytes cannot be what the archive declares.
    bool Take(const char* data, std::size_t length);

    // Whether all that was taken is exactly the entry.
    bool Whole() const { return !failed_ && rc_ == Z_STREAM_END && size_ == entry_.size && crc_ == entry_.crc; }

private:
    bool Count(const char* data, std::size_t length);

    const ReferenceEntry& entry_;
    std::string& raw_;
    std::size_t rawLimit_;
    z_stream z_{};
    bool inflating_ = false;
    bool failed_ = false;
    int rc_ = Z_OK;
    std::uint64_t size_ = 0;
    std::uint32_t crc_ = Crc(0, nullptr, 0);
};

}  // namespace platform
