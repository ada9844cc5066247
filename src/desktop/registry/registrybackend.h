#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

namespace modRegistry {

// A key handle as the library hands it around: 32 bits, the predefined root keys being
// 0x80000000 to 0x80000006 as on Windows.
using RegistryHandle = std::uint32_t;

// Result codes of the registry operations, with the Windows values.
namespace RegistryStatus {
inline constexpr std::int32_t Success = 0;
inline constexpr std::int32_t NotFound = 2;      // ERROR_FILE_NOT_FOUND
inline constexpr std::int32_t AccessDenied = 5;  // ERROR_ACCESS_DENIED
inline constexpr std::int32_t InvalidHandle = 6; // ERROR_INVALID_HANDLE
inline constexpr std::int32_t BadNetPath = 53;   // ERROR_BAD_NETPATH
inline constexpr std::int32_t BadPathname = 161; // ERROR_BAD_PATHNAME
inline constexpr std::int32_t MoreData = 234;    // ERROR_MORE_DATA
inline constexpr std::int32_t NoMoreItems = 259; // ERROR_NO_MORE_ITEMS
inline constexpr std::int32_t IoFailed = 1016;   // ERROR_REGISTRY_IO_FAILED
inline constexpr std::int32_t KeyDeleted = 1018; // ERROR_KEY_DELETED
} // namespace RegistryStatus

// The key's counts that listing needs; name lengths in characters without the NUL.
struct RegistryKeyInfo {
    std::uint32_t subKeys = 0;
    std::uint32_t longestSubKeyName = 0;
    std::uint32_t values = 0;
    std::uint32_t longestValueName = 0;
};

// The registry operations the library is built on, one method per Windows call it makes.
// Every method returns RegistryStatus::Success or the Windows error code of the failure;
// out-parameters are set only on success unless a method says otherwise. Key texts may end
// with a backslash; names and data are single-byte (ANSI) text.
class RegistryBackend {
public:
    virtual ~RegistryBackend() = default;

    // Reaches the root key `root` on another computer (RegConnectRegistryA).
    virtual std::int32_t connect(const std::string& computer, RegistryHandle root,
                                 RegistryHandle& remoteRoot) = 0;
    // Opens an existing key below `parent`; an empty key text opens `parent` again.
    virtual std::int32_t openKey(RegistryHandle parent, const std::string& key, std::uint32_t access,
                                 RegistryHandle& result) = 0;
    // Opens the key, creating it and any missing keys above it first.
    virtual std::int32_t createKey(RegistryHandle parent, const std::string& key, std::uint32_t access,
                                   RegistryHandle& result) = 0;
    virtual std::int32_t closeKey(RegistryHandle key) = 0;
    // Writes a value, replacing one of the same name; an empty name is the default value.
    virtual std::int32_t setValue(RegistryHandle key, const std::string& name, std::uint32_t type,
                                  std::span<const unsigned char> data) = 0;
    virtual std::int32_t queryInfo(RegistryHandle key, RegistryKeyInfo& info) = 0;
    // Copies the name of sub-key or value number `index` into `name` with a NUL after it.
    // `length` holds the buffer size in characters on entry and the name's length on
    // success. An index past the end gives NoMoreItems, a buffer too small MoreData.
    virtual std::int32_t enumKey(RegistryHandle key, std::uint32_t index, std::span<char> name,
                                 std::uint32_t& length) = 0;
    virtual std::int32_t enumValue(RegistryHandle key, std::uint32_t index, std::span<char> name,
                                   std::uint32_t& length) = 0;
    virtual std::int32_t deleteValue(RegistryHandle key, const std::string& name) = 0;
    // Deletes a key below `parent` that has no sub-keys of its own.
    virtual std::int32_t deleteKey(RegistryHandle parent, const std::string& key) = 0;
};

// The platform's registry: the Windows registry on Windows, elsewhere a store kept in
// `storeFile` (ignored on Windows).
std::unique_ptr<RegistryBackend> createPlatformRegistryBackend(const std::filesystem::path& storeFile);

} // namespace modRegistry
