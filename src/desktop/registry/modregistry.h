#pragma once

#include "registrybackend.h"
#include "registryerror.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// A small library over the registry in which every key and value is named by one path:
// an optional "\\computer\" prefix, a root key, the key path and, after the last backslash,
// the value name (empty for the key's default value). Each operation opens what it needs,
// does its work and closes its handles again; every failure throws RegistryError.
namespace modRegistry {

// The predefined root keys.
inline constexpr RegistryHandle HkeyClassesRoot = 0x80000000;
inline constexpr RegistryHandle HkeyCurrentUser = 0x80000001;
inline constexpr RegistryHandle HkeyLocalMachine = 0x80000002;
inline constexpr RegistryHandle HkeyUsers = 0x80000003;
inline constexpr RegistryHandle HkeyPerformanceData = 0x80000004;
inline constexpr RegistryHandle HkeyCurrentConfig = 0x80000005;
inline constexpr RegistryHandle HkeyDynData = 0x80000006;

struct RootName {
    const char* abbreviation;
    const char* fullName;
    RegistryHandle handle;
};
inline constexpr RootName RegistryRoots[] = {
    {"HKCR", "HKEY_CLASSES_ROOT", HkeyClassesRoot},
    {"HKCU", "HKEY_CURRENT_USER", HkeyCurrentUser},
    {"HKLM", "HKEY_LOCAL_MACHINE", HkeyLocalMachine},
    {"HKUS", "HKEY_USERS", HkeyUsers},
    {"HKPD", "HKEY_PERFORMANCE_DATA", HkeyPerformanceData},
    {"HKCC", "HKEY_CURRENT_CONFIG", HkeyCurrentConfig},
    {"HKDD", "HKEY_DYN_DATA", HkeyDynData},
};

// Part selectors of ParseRegistryPath.
inline constexpr std::int32_t RootPart = 1;
inline constexpr std::int32_t KeyPart = 2;
inline constexpr std::int32_t ValuePart = 3;
inline constexpr std::int32_t ComputerPart = 4;

// Access masks: KEY_READ and KEY_WRITE.
inline constexpr std::uint32_t KeyReadAccess = 0x20019;
inline constexpr std::uint32_t KeyWriteAccess = 0x20006;

// Data types of WriteRegistryValue: REG_SZ, REG_EXPAND_SZ, REG_BINARY, REG_DWORD.
inline constexpr std::int32_t RegSz = 1;
inline constexpr std::int32_t RegExpandSz = 2;
inline constexpr std::int32_t RegBinary = 3;
inline constexpr std::int32_t RegDword = 4;

// List flags of ListRegistryKey, combined by addition.
inline constexpr std::uint8_t ListKeys = 1;
inline constexpr std::uint8_t ListValues = 2;
inline constexpr std::uint8_t ListDefaultValue = 4;
inline constexpr std::uint8_t ListSorted = 8;

// Library error numbers: RegistryErrorBase plus these offsets.
inline constexpr std::int32_t InvalidRootError = RegistryErrorBase + 1;
inline constexpr std::int32_t OpenKeyError = RegistryErrorBase + 2;
inline constexpr std::int32_t ConnectError = RegistryErrorBase + 3;
inline constexpr std::int32_t OpenRemoteKeyError = RegistryErrorBase + 4;
inline constexpr std::int32_t CreateKeyError = RegistryErrorBase + 5;
inline constexpr std::int32_t WriteValueError = RegistryErrorBase + 8;
inline constexpr std::int32_t ReadInfoError = RegistryErrorBase + 9;
inline constexpr std::int32_t DeleteKeyError = RegistryErrorBase + 10;
inline constexpr std::int32_t DeleteDefaultValueError = RegistryErrorBase + 11;

// A part of a path: the root's handle for RootPart, text for the other parts.
using RegistryPathPart = std::variant<RegistryHandle, std::string>;
// Data to write: text or a number, converted to the data type's form.
using RegistryData = std::variant<std::string, std::int64_t>;
// The names found by ListRegistryKey; no list (std::nullopt) stands for "nothing to list".
using RegistryList = std::optional<std::vector<std::string>>;

// Cuts `part` out of `path`. Throws error 5 for an unknown selector or a path that cannot be
// cut, and InvalidRootError for a root name outside the root table.
RegistryPathPart ParseRegistryPath(const std::string& path, std::int32_t part);

// Opens the key that `path` names (the value name is ignored), on the remote computer when
// the path has a computer prefix. The caller closes the handle with CloseRegistryKey.
RegistryHandle OpenRegistryKey(RegistryBackend& registry, const std::string& path, std::uint32_t access);
// Creates or opens the key on the local machine; a computer prefix is ignored.
RegistryHandle CreateRegistryKey(RegistryBackend& registry, const std::string& path, std::uint32_t access);
void CloseRegistryKey(RegistryBackend& registry, RegistryHandle key);

// Writes `value` as `type` (1 to 4), creating the key first. A value that does not fit the
// type throws TypeMismatch (text that is no number) or Overflow, after the key is created.
void WriteRegistryValue(RegistryBackend& registry, const std::string& path, const RegistryData& value,
                        std::int32_t type);

// The sub-keys (each with a backslash appended) and/or value names of the key that `path`
// names, as `flags` asks; std::nullopt when there is nothing to list.
RegistryList ListRegistryKey(RegistryBackend& registry, const std::string& path, std::uint8_t flags);

// Deletes the value that `path` names (the default value when `defaultValue` is true), or,
// for a path ending in a backslash, the key with everything below it. Deleting a named value
// that is not there is not an error.
void DeleteRegistryEntry(RegistryBackend& registry, const std::string& path, bool defaultValue);

} // namespace modRegistry
