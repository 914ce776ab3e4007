// A caller's function that gives carried entries new bytes as they are packed (ZpTransformCarried).
#pragma once

#include "zip32.h"

#include <memory>
#include <optional>
#include <string>

namespace platform {

struct EntryTransform {
    ZpTransformFn function = nullptr;
    void* context = nullptr;
};

using SharedTransform = std::shared_ptr<const EntryTransform>;

// Whether two jobs' transforms give the same bytes: none, or the same
// function with the same context.
bool SameTransform(const SharedTransform& a, const SharedTransform& b);

// The bytes transform gives the entry name in place of bytes; nullopt when
// it keeps them, or fails in any way.
std::optional<std::string> Transformed(const EntryTransform& transform, const std::string& name,
                                       const std::string& bytes);

}  // namespace platform
