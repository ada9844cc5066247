#include "desktop/registry/runvalue.h"
#include "registryfixture.h"

#include <windows.h>

using namespace modRegistry;

namespace {

// Everything the tests write: the scratch key, the Run value and one value directly under HKCU.
void removeTestEntries(RegistryBackend& registry)
{
    for (const char* path : {RegistryFixture::Base, RunValuePath, "HKCU\\LullwickTestValue"}) {
        try {
            DeleteRegistryEntry(registry, path, false);
        } catch (const RegistryError&) { // not there
        }
    }
}

} // namespace

void RegistryFixture::SetUp()
{
    backend = createPlatformRegistryBackend({});
    removeTestEntries(*backend);
    recorder = std::make_unique<RecordingBackend>(*backend);
}

void RegistryFixture::TearDown()
{
    removeTestEntries(*backend);
}

std::string RegistryFixture::storedValue(const std::string& path)
{
    const auto root = std::get<RegistryHandle>(ParseRegistryPath(path, RootPart));
    const HKEY rootKey = reinterpret_cast<HKEY>(static_cast<std::intptr_t>(static_cast<std::int32_t>(root)));
    const std::string name = std::get<std::string>(ParseRegistryPath(path, ValuePart));
    HKEY key = nullptr;
    if (RegOpenKeyExA(rootKey, std::get<std::string>(ParseRegistryPath(path, KeyPart)).c_str(), 0, KEY_READ,
                      &key) != ERROR_SUCCESS)
        return "-";
    DWORD type = 0;
    DWORD size = 0;
    std::string data;
    LONG status = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        data.resize(size);
        status =
            RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
        data.resize(size);
    }
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? describeStored(type, data) : "-";
}
