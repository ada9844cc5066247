#pragma once

#include "modregistry.h"

#include <cstdint>
#include <vector>

namespace modRegistry {

// The bytes that WriteRegistryValue stores for `value` as `type`: text and one NUL for
// types 1 and 2, a 16-bit or 32-bit signed integer, low byte first, for types 3 and 4.
// Throws error 5 for any other type, TypeMismatch for text that is no number and Overflow
// for a number out of the type's range.
std::vector<unsigned char> registryDataBytes(const RegistryData& value, std::int32_t type);

} // namespace modRegistry
