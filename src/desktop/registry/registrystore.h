#pragma once

#include "registrybackend.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The registry held in memory and its text form, for platforms without a registry.
// Key and value names are compared without regard to letter case, like Windows does;
// keys and values stay in the order they were created.
namespace modRegistry {

struct StoredValue {
    std::string name;
    std::uint32_t type = 0;
    std::vector<unsigned char> data;
};

struct StoredKey {
    std::string name;
    std::vector<StoredKey> subKeys;
    std::vector<StoredValue> values;

    StoredKey* findSubKey(std::string_view wanted);
    const StoredKey* findSubKey(std::string_view wanted) const;
    StoredValue* findValue(std::string_view wanted);
    const StoredValue* findValue(std::string_view wanted) const;
    // Adds a value or replaces the data of the one with that name, which keeps its place.
    void setValue(std::string_view valueName, std::uint32_t type, std::vector<unsigned char> data);
};

bool sameRegistryName(std::string_view a, std::string_view b);

struct RegistryStore {
    // The predefined root keys, in the order of RegistryRoots.
    std::array<StoredKey, 7> roots;

    // Where a predefined root handle's key is kept, if `handle` is one.
    static std::optional<std::size_t> rootIndex(RegistryHandle handle);
    // HKEY_PERFORMANCE_DATA and HKEY_DYN_DATA are live data on Windows, not stored keys:
    // here they stay empty, and nothing can be written below them.
    static bool holdsKeys(std::size_t index);
    StoredKey& root(std::size_t index) { return roots.at(index); }
};

// The store's text: a section "[ROOT\key\sub]" per key, then one line "name=type:hex data"
// per value; names are written with %XX for bytes that the syntax reserves.
std::string formatRegistryStore(const RegistryStore& store);
// Reads that text back. Never fails: whatever cannot be read (a broken or foreign file) is
// skipped, so garbage gives an empty store.
RegistryStore parseRegistryStore(std::string_view text);

} // namespace modRegistry
