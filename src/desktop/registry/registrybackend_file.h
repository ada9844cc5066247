#pragma once

#include "registrybackend.h"

#include <filesystem>
#include <memory>

namespace modRegistry {

// A registry kept in one file, for platforms without one. The file is read at every
// operation and rewritten as a whole, atomically, at every change, so two stores on the same
// file see each other's changes and a failed write leaves the previous content. A missing,
// unreadable or broken file reads as an empty registry. There is no remote registry:
// connecting always fails. HKEY_PERFORMANCE_DATA and HKEY_DYN_DATA are empty and read-only.
std::unique_ptr<RegistryBackend> createFileRegistryBackend(std::filesystem::path storeFile);

} // namespace modRegistry
