#include "desktop/registry/registrystore.h"
#include "desktop/registry/storefile.h"
#include "registryfixture.h"

#include <algorithm>
#include <cstdlib>

using namespace modRegistry;

void RegistryFixture::SetUp()
{
    std::string folder = (std::filesystem::temp_directory_path() / "lullwick-registry-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    storeFile = std::filesystem::path(folder) / "Lullwick" / "registry.ini";
    backend = createPlatformRegistryBackend(storeFile);
    recorder = std::make_unique<RecordingBackend>(*backend);
}

void RegistryFixture::TearDown()
{
    std::error_code ignored;
    std::filesystem::remove_all(storeFile.parent_path().parent_path(), ignored);
}

std::string RegistryFixture::storedValue(const std::string& path)
{
    RegistryStore store = parseRegistryStore(readStoreFile(storeFile).value_or(""));
    const StoredKey* key =
        &store.root(*RegistryStore::rootIndex(std::get<RegistryHandle>(ParseRegistryPath(path, RootPart))));
    const std::string keyText = std::get<std::string>(ParseRegistryPath(path, KeyPart));
    for (std::size_t start = 0, end = 0; key != nullptr && start < keyText.size(); start = end + 1) {
        end = std::min(keyText.find('\\', start), keyText.size());
        key = key->findSubKey(keyText.substr(start, end - start));
    }
    const StoredValue* value =
        key == nullptr ? nullptr : key->findValue(std::get<std::string>(ParseRegistryPath(path, ValuePart)));
    return value == nullptr
               ? "-"
               : describeStored(value->type, std::string(value->data.begin(), value->data.end()));
}
