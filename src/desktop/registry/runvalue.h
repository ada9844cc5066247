#pragma once

#include "registrybackend.h"

#include <string>

// The start-with-Windows registration: the value "Lullwick" under the machine-wide Run key,
// holding the executable's full path.
namespace modRegistry {

inline constexpr char RunValuePath[] = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Lullwick";

// The Run value's data for the executable at `executablePath` (either separator accepted):
// its folder, "\", its name without extension, ".exe".
std::string RunValueData(const std::string& executablePath);

// Write and delete the Run value. Each returns an empty string on success and otherwise the
// registry error's message; deleting a value that is not there succeeds.
std::string SetRunValue(RegistryBackend& registry, const std::string& executablePath);
std::string ClearRunValue(RegistryBackend& registry);

} // namespace modRegistry
