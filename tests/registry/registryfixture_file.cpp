// The registry fixture on the file store, the library's registry where Windows has none.
#include "desktop/registry/registrystore.h"
#include "desktop/registry/storefile.h"
#include "registryfixture.h"

#include <QTemporaryDir>
#include <sstream>

using namespace modRegistry;

namespace {
std::optional<QTemporaryDir> folder;
std::filesystem::path storeFile;
} // namespace

void RegistryFixture::SetUp()
{
    folder.emplace();
    storeFile = folder->filePath("Lullwick/registry.ini").toStdString();
    registry = createPlatformRegistryBackend(storeFile);
}

std::string RegistryFixture::storedValue(const std::string& path)
{
    const RegistryStore store = parseRegistryStore(readStoreFile(storeFile).value_or(""));
    const auto root = RegistryStore::rootIndex(std::get<RegistryHandle>(ParseRegistryPath(path, RootPart)));
    const StoredKey* key = &store.roots.at(*root);
    std::istringstream names(std::get<std::string>(ParseRegistryPath(path, KeyPart)));
    for (std::string keyName; key != nullptr && std::getline(names, keyName, '\\');)
        key = key->findSubKey(keyName);
    const StoredValue* value =
        key == nullptr ? nullptr : key->findValue(std::get<std::string>(ParseRegistryPath(path, ValuePart)));
    return value == nullptr ? "-" : describe(value->type, {value->data.begin(), value->data.end()});
}
