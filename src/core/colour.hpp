#pragma once
// The colour value of the model.

#include <cstdint>

namespace kestrel {

/// A colour in the $00BBGGRR layout (blue in the high byte), as stored in files and settings.
using Colour = std::uint32_t;

} // namespace kestrel
