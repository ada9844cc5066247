#include "desktop/registry/modregistry.h"
#include "desktop/registry/registrybackend_file.h"
#include "desktop/registry/registrystore.h"
#include "desktop/registry/storefile.h"
#include "registryfixture.h"

#include <cstdlib>

void RegistryFixture::SetUp()
{
    std::string folder = (std::filesystem::temp_directory_path() / "lullwick-registry-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    storeFile = std::filesystem::path(folder) / "Lullwick" / "registry.ini";
    backend = modRegistry::createPlatformRegistryBackend(storeFile);
    recorder = std::make_unique<RecordingBackend>(*backend);
}

void RegistryFixture::TearDown()
{
    std::error_code ignored;
    std::filesystem::remove_all(storeFile.parent_path().parent_path(), ignored);
}

std::optional<RegistryFixture::Stored> RegistryFixture::storedValue(const std::string& path)
{
    using namespace modRegistry;
    const auto text = readStoreFile(storeFile);
    if (!text)
        return std::nullopt;
    RegistryStore store = parseRegistryStore(*text);
    const auto root = RegistryStore::rootIndex(std::get<RegistryHandle>(ParseRegistryPath(path, RootPart)));
    const StoredKey* key = &store.root(root.value());
    std::string keyText = std::get<std::string>(ParseRegistryPath(path, KeyPart));
    for (std::size_t start = 0; key != nullptr && start < keyText.size();) {
        std::size_t end = keyText.find('\\', start);
        if (end == std::string::npos)
            end = keyText.size();
        key = key->findSubKey(keyText.substr(start, end - start));
        start = end + 1;
    }
    const StoredValue* value =
        key == nullptr ? nullptr : key->findValue(std::get<std::string>(ParseRegistryPath(path, ValuePart)));
    if (value == nullptr)
        return std::nullopt;
    return Stored{value->type, value->data};
}
