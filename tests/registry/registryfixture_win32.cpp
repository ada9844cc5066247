#include "desktop/registry/modregistry.h"
#include "desktop/registry/runvalue.h"
#include "registryfixture.h"

#include <windows.h>

namespace {

void removeQuietly(modRegistry::RegistryBackend& registry, const std::string& path)
{
    try {
        modRegistry::DeleteRegistryEntry(registry, path, false);
    } catch (const modRegistry::RegistryError&) {
        // not there
    }
}

// Everything the tests write: the scratch key, the Run value and one value directly under
// HKCU (for paths with a single backslash).
void removeTestEntries(modRegistry::RegistryBackend& registry, const std::string& base)
{
    removeQuietly(registry, base);
    removeQuietly(registry, modRegistry::RunValuePath);
    removeQuietly(registry, "HKCU\\LullwickTestValue");
}

} // namespace

void RegistryFixture::SetUp()
{
    backend = modRegistry::createPlatformRegistryBackend({});
    removeTestEntries(*backend, Base);
    recorder = std::make_unique<RecordingBackend>(*backend);
}

void RegistryFixture::TearDown()
{
    removeTestEntries(*backend, Base);
}

std::optional<RegistryFixture::Stored> RegistryFixture::storedValue(const std::string& path)
{
    using namespace modRegistry;
    const auto root = std::get<RegistryHandle>(ParseRegistryPath(path, RootPart));
    const HKEY rootKey = reinterpret_cast<HKEY>(static_cast<std::intptr_t>(static_cast<std::int32_t>(root)));
    HKEY key = nullptr;
    if (RegOpenKeyExA(rootKey, std::get<std::string>(ParseRegistryPath(path, KeyPart)).c_str(), 0, KEY_READ,
                      &key) != ERROR_SUCCESS)
        return std::nullopt;
    const std::string name = std::get<std::string>(ParseRegistryPath(path, ValuePart));
    Stored stored;
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        stored.data.resize(size);
        status = RegQueryValueExA(key, name.c_str(), nullptr, &type, stored.data.data(), &size);
        stored.data.resize(size);
    }
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    stored.type = type;
    return stored;
}
