#include "registrybackend.h"

#include <algorithm>
#include <cstdint>
#include <windows.h>

namespace modRegistry {
namespace {

// Key handles cross the library as 32-bit numbers. Windows keeps handle values within 32
// bits and defines the predefined keys as sign-extended 32-bit values, so the conversion is
// exact both ways; a handle that would not survive it is closed and refused.
HKEY toKey(RegistryHandle handle)
{
    return reinterpret_cast<HKEY>(static_cast<std::intptr_t>(static_cast<std::int32_t>(handle)));
}

std::int32_t fromKey(HKEY key, RegistryHandle& handle)
{
    const auto value = reinterpret_cast<std::intptr_t>(key);
    if (value != static_cast<std::int32_t>(value)) {
        RegCloseKey(key);
        return ERROR_INVALID_HANDLE;
    }
    handle = static_cast<RegistryHandle>(value);
    return ERROR_SUCCESS;
}

class Win32RegistryBackend final : public RegistryBackend {
public:
    std::int32_t connect(const std::string& computer, RegistryHandle root,
                         RegistryHandle& remoteRoot) override
    {
        HKEY remote = nullptr;
        const LONG status = RegConnectRegistryA(computer.c_str(), toKey(root), &remote);
        return status == ERROR_SUCCESS ? fromKey(remote, remoteRoot) : status;
    }

    std::int32_t openKey(RegistryHandle parent, const std::string& key, std::uint32_t access,
                         RegistryHandle& result) override
    {
        HKEY opened = nullptr;
        const LONG status = RegOpenKeyExA(toKey(parent), key.c_str(), 0, access, &opened);
        return status == ERROR_SUCCESS ? fromKey(opened, result) : status;
    }

    std::int32_t createKey(RegistryHandle parent, const std::string& key, std::uint32_t access,
                           RegistryHandle& result) override
    {
        SECURITY_ATTRIBUTES security{};
        HKEY created = nullptr;
        DWORD disposition = 0;
        const LONG status = RegCreateKeyExA(toKey(parent), key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                            access, &security, &created, &disposition);
        return status == ERROR_SUCCESS ? fromKey(created, result) : status;
    }

    std::int32_t closeKey(RegistryHandle key) override { return RegCloseKey(toKey(key)); }

    std::int32_t setValue(RegistryHandle key, const std::string& name, std::uint32_t type,
                          std::span<const unsigned char> data) override
    {
        return RegSetValueExA(toKey(key), name.c_str(), 0, type, data.data(),
                              static_cast<DWORD>(data.size()));
    }

    std::int32_t queryInfo(RegistryHandle key, RegistryKeyInfo& info) override
    {
        char keyClass[1] = {'\0'};
        DWORD classLength = 0;
        DWORD subKeys = 0;
        DWORD longestSubKey = 0;
        DWORD longestClass = 0;
        DWORD values = 0;
        DWORD longestValueName = 0;
        DWORD longestData = 0;
        DWORD securityDescriptor = 0;
        FILETIME lastWrite{};
        const LONG status = RegQueryInfoKeyA(toKey(key), keyClass, &classLength, nullptr, &subKeys,
                                             &longestSubKey, &longestClass, &values, &longestValueName,
                                             &longestData, &securityDescriptor, &lastWrite);
        if (status == ERROR_SUCCESS)
            info = {subKeys, longestSubKey, values, longestValueName};
        return status;
    }

    std::int32_t enumKey(RegistryHandle key, std::uint32_t index, std::span<char> name,
                         std::uint32_t& length) override
    {
        // The class length is the class buffer's real size: with 0, Wine reports ERROR_MORE_DATA
        // for every key and leaves the name unwritten.
        char keyClass[1] = {'\0'};
        DWORD classLength = sizeof keyClass;
        FILETIME lastWrite{};
        auto nameLength = static_cast<DWORD>(std::min<std::size_t>(length, name.size()));
        const LONG status = RegEnumKeyExA(toKey(key), index, name.data(), &nameLength, nullptr, keyClass,
                                          &classLength, &lastWrite);
        length = nameLength;
        return status;
    }

    std::int32_t enumValue(RegistryHandle key, std::uint32_t index, std::span<char> name,
                           std::uint32_t& length) override
    {
        auto nameLength = static_cast<DWORD>(std::min<std::size_t>(length, name.size()));
        DWORD type = 0;
        DWORD dataLength = 0;
        const LONG status =
            RegEnumValueA(toKey(key), index, name.data(), &nameLength, nullptr, &type, nullptr, &dataLength);
        length = nameLength;
        return status;
    }

    std::int32_t deleteValue(RegistryHandle key, const std::string& name) override
    {
        return RegDeleteValueA(toKey(key), name.c_str());
    }

    std::int32_t deleteKey(RegistryHandle parent, const std::string& key) override
    {
        return RegDeleteKeyA(toKey(parent), key.c_str());
    }
};

} // namespace

std::unique_ptr<RegistryBackend> createPlatformRegistryBackend(const std::filesystem::path&)
{
    return std::make_unique<Win32RegistryBackend>();
}

} // namespace modRegistry
