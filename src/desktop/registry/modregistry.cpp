#include "modregistry.h"

#include "registrydata.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace modRegistry {
namespace {

std::string textPart(const std::string& path, std::int32_t part)
{
    return std::get<std::string>(ParseRegistryPath(path, part));
}

RegistryHandle rootPart(const std::string& path)
{
    return std::get<RegistryHandle>(ParseRegistryPath(path, RootPart));
}

// Closes a key handle when the operation that opened it ends, whether it succeeds or throws.
class OpenKey {
public:
    OpenKey(RegistryBackend& registry, RegistryHandle key) : m_registry(registry), m_key(key) {}
    ~OpenKey() { CloseRegistryKey(m_registry, m_key); }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    RegistryHandle handle() const { return m_key; }

private:
    RegistryBackend& m_registry;
    RegistryHandle m_key;
};

bool isSubKey(const std::string& name)
{
    return name.ends_with('\\');
}

// Sub-keys stay in front of the values; each group is put in ascending order of character
// codes, so upper-case letters come before lower-case ones.
void sortByExchange(std::vector<std::string>& names)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        for (std::size_t j = i; j < names.size(); ++j) {
            if (isSubKey(names[i]) == isSubKey(names[j]) && names[i] > names[j])
                std::swap(names[i], names[j]);
        }
    }
}

RegistryError readError(const std::string& path)
{
    return {ReadInfoError, "Unable to read information from registry key '" + path + "'"};
}

// The first `length` characters of a name buffer, never more than the buffer holds and
// never past a NUL: registry names hold none, so a NUL ends what the registry wrote.
std::string nameFromBuffer(const std::vector<char>& buffer, std::uint32_t length)
{
    const auto end =
        buffer.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(length, buffer.size()));
    return {buffer.begin(), std::find(buffer.begin(), end, '\0')};
}

} // namespace

RegistryHandle OpenRegistryKey(RegistryBackend& registry, const std::string& path, std::uint32_t access)
{
    const std::string computer = textPart(path, ComputerPart);
    const RegistryHandle root = rootPart(path);
    const std::string key = textPart(path, KeyPart);
    RegistryHandle result = 0;
    if (computer.empty()) {
        if (registry.openKey(root, key, access, result) != RegistryStatus::Success)
            throw RegistryError(OpenKeyError, "Unable to open registry key '" + path + "'");
        return result;
    }
    RegistryHandle remoteRoot = 0;
    if (registry.connect(computer, root, remoteRoot) != RegistryStatus::Success)
        throw RegistryError(ConnectError, "Unable to connect to remote computer '\\\\" + computer + "'");
    const std::int32_t status = registry.openKey(remoteRoot, key, access, result);
    registry.closeKey(remoteRoot);
    if (status != RegistryStatus::Success)
        throw RegistryError(OpenRemoteKeyError, "Unable to open remote registry key '" + path + "'");
    return result;
}

RegistryHandle CreateRegistryKey(RegistryBackend& registry, const std::string& path, std::uint32_t access)
{
    const RegistryHandle root = rootPart(path);
    const std::string key = textPart(path, KeyPart);
    RegistryHandle result = 0;
    if (registry.createKey(root, key, access, result) != RegistryStatus::Success)
        throw RegistryError(CreateKeyError, "Unable to create registry key '" + path + "'");
    return result;
}

void CloseRegistryKey(RegistryBackend& registry, RegistryHandle key)
{
    registry.closeKey(key);
}

void WriteRegistryValue(RegistryBackend& registry, const std::string& path, const RegistryData& value,
                        std::int32_t type)
{
    const OpenKey key(registry, CreateRegistryKey(registry, path, KeyWriteAccess));
    const std::string name = textPart(path, ValuePart);
    const std::vector<unsigned char> data = registryDataBytes(value, type);
    if (registry.setValue(key.handle(), name, static_cast<std::uint32_t>(type), data) !=
        RegistryStatus::Success)
        throw RegistryError(WriteValueError, "Unable to write registry value '" + path + "'");
}

RegistryList ListRegistryKey(RegistryBackend& registry, const std::string& path, std::uint8_t flags)
{
    if ((flags & (ListKeys | ListValues)) == 0)
        flags += ListKeys + ListValues;
    if (flags > 15 || ((flags & ListDefaultValue) != 0 && (flags & ListValues) == 0))
        throw RegistryError::invalidArgument();

    const std::string keyPath = path.ends_with('\\') ? path : path + '\\';
    const OpenKey key(registry, OpenRegistryKey(registry, keyPath, KeyReadAccess));
    RegistryKeyInfo info;
    if (registry.queryInfo(key.handle(), info) != RegistryStatus::Success)
        throw readError(keyPath);

    std::vector<std::string> names;
    if ((flags & ListKeys) != 0) {
        for (std::uint32_t i = 0; i < info.subKeys; ++i) {
            std::vector<char> buffer(std::size_t{info.longestSubKeyName} + 1, '\0');
            auto length = static_cast<std::uint32_t>(buffer.size());
            const std::int32_t status = registry.enumKey(key.handle(), i, buffer, length);
            if (status != RegistryStatus::Success && status != RegistryStatus::MoreData)
                throw readError(keyPath);
            // MoreData may come without the name; an empty name would make a key deletion
            // recurse into the same key for ever.
            std::string name = nameFromBuffer(buffer, length);
            if (name.empty())
                throw readError(keyPath);
            names.push_back(name + '\\');
        }
    }
    if ((flags & ListValues) != 0) {
        for (std::uint32_t j = 0; j < info.values; ++j) {
            std::vector<char> buffer(std::size_t{info.longestValueName} + 1, '\0');
            auto length = static_cast<std::uint32_t>(buffer.size());
            if (registry.enumValue(key.handle(), j, buffer, length) != RegistryStatus::Success)
                throw readError(keyPath);
            std::string name = nameFromBuffer(buffer, length);
            if (!name.empty() || (flags & ListDefaultValue) != 0)
                names.push_back(std::move(name));
        }
    }
    if ((flags & ListSorted) != 0)
        sortByExchange(names);
    if (names.empty())
        return std::nullopt;
    return names;
}

void DeleteRegistryEntry(RegistryBackend& registry, const std::string& path, bool defaultValue)
{
    const std::string name = textPart(path, ValuePart);
    if (!name.empty() || defaultValue) {
        const OpenKey key(registry, OpenRegistryKey(registry, path, KeyWriteAccess));
        // A named value that cannot be deleted (usually: is not there) is not reported.
        if (registry.deleteValue(key.handle(), name) != RegistryStatus::Success && defaultValue)
            throw RegistryError(DeleteDefaultValueError,
                                "Unable to delete registry key default value '" + path + "(Default)'");
        return;
    }

    const RegistryError deleteError(DeleteKeyError, "Unable to delete registry key '" + path + "'");
    // A root key is never emptied: refused before anything below it is touched.
    rootPart(path);
    if (textPart(path, KeyPart).empty())
        throw deleteError;

    if (const RegistryList subKeys = ListRegistryKey(registry, path, ListKeys)) {
        for (const std::string& subKey : *subKeys)
            DeleteRegistryEntry(registry, path + subKey, false);
    }
    const std::size_t split = path.rfind('\\', path.size() - 2);
    const std::string parentPath = path.substr(0, split + 1);
    const std::string ownName = path.substr(split + 1);
    const OpenKey parent(registry, OpenRegistryKey(registry, parentPath, KeyWriteAccess));
    if (registry.deleteKey(parent.handle(), ownName) != RegistryStatus::Success)
        throw deleteError;
}

} // namespace modRegistry
