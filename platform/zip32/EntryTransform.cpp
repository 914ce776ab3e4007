// Calls a caller's transform of a carried entry, and takes the bytes it puts.
#include "EntryTransform.h"

namespace platform {
namespace {

struct Sink {
    std::optional<std::string> bytes;
    bool failed = false;
};

void Put(void* sink, const char* data, uint64_t size)
{
    Sink& s = *static_cast<Sink*>(sink);
    try {
        if (!data && size > 0) {
            s.failed = true;
            return;
        }
        s.bytes.emplace(data ? data : "", static_cast<std::size_t>(size));
    } catch (...) {
        s.failed = true;
    }
}

}  // namespace

bool SameTransform(const SharedTransform& a, const SharedTransform& b)
{
    if (!a || !b)
        return !a && !b;
    return a->function == b->function && a->context == b->context;
}

std::optional<std::string> Transformed(const EntryTransform& transform, const std::string& name,
                                       const std::string& bytes)
{
    if (!transform.function)
        return std::nullopt;
    Sink sink;
    const int replaced =
        transform.function(name.c_str(), bytes.data(), bytes.size(), Put, &sink, transform.context);
    if (replaced != 1 || sink.failed)
        return std::nullopt;
    return std::move(sink.bytes);
}

}  // namespace platform
