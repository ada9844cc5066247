#include "registrybackend_file.h"

#include "registrystore.h"
#include "storefile.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace modRegistry {
namespace {

namespace Status = RegistryStatus;

// A key named by its root and the names below it; handles refer to keys this way, so a
// handle whose key was deleted finds nothing.
struct KeyPath {
    std::size_t root = 0;
    std::vector<std::string> names;
};

// The names in a key text; a trailing backslash is allowed, an empty name in between is not.
std::optional<std::vector<std::string>> splitKeyText(std::string_view text)
{
    if (text.ends_with('\\'))
        text.remove_suffix(1);
    std::vector<std::string> names;
    if (text.empty())
        return names;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\\', start);
        const std::string_view name = text.substr(start, end - start);
        if (name.empty())
            return std::nullopt;
        names.emplace_back(name);
        if (end == std::string_view::npos)
            return names;
        start = end + 1;
    }
}

StoredKey* findKey(RegistryStore& store, const KeyPath& path)
{
    StoredKey* key = &store.root(path.root);
    for (const std::string& name : path.names) {
        if (key == nullptr)
            break;
        key = key->findSubKey(name);
    }
    return key;
}

std::int32_t copyName(const std::string& name, std::span<char> buffer, std::uint32_t& length)
{
    const std::size_t capacity = std::min<std::size_t>(length, buffer.size());
    if (name.size() + 1 > capacity) {
        length = static_cast<std::uint32_t>(name.size());
        return Status::MoreData;
    }
    std::memcpy(buffer.data(), name.data(), name.size());
    buffer[name.size()] = '\0';
    length = static_cast<std::uint32_t>(name.size());
    return Status::Success;
}

template <typename Items> std::uint32_t longestName(const Items& items)
{
    std::size_t longest = 0;
    for (const auto& item : items)
        longest = std::max(longest, item.name.size());
    return static_cast<std::uint32_t>(longest);
}

class FileRegistryBackend final : public RegistryBackend {
public:
    explicit FileRegistryBackend(std::filesystem::path storeFile) : m_file(std::move(storeFile)) {}

    std::int32_t connect(const std::string&, RegistryHandle, RegistryHandle&) override
    {
        return Status::BadNetPath;
    }

    std::int32_t openKey(RegistryHandle parent, const std::string& key, std::uint32_t,
                         RegistryHandle& result) override
    {
        KeyPath path;
        if (const std::int32_t status = extend(parent, key, path); status != Status::Success)
            return status;
        RegistryStore store = load();
        if (findKey(store, path) == nullptr)
            return Status::NotFound;
        result = remember(std::move(path));
        return Status::Success;
    }

    std::int32_t createKey(RegistryHandle parent, const std::string& key, std::uint32_t,
                           RegistryHandle& result) override
    {
        KeyPath path;
        if (const std::int32_t status = extend(parent, key, path); status != Status::Success)
            return status;
        if (!RegistryStore::holdsKeys(path.root))
            return Status::AccessDenied;
        RegistryStore store = load();
        StoredKey* current = &store.root(path.root);
        bool created = false;
        for (const std::string& name : path.names) {
            StoredKey* next = current->findSubKey(name);
            if (next == nullptr) {
                current->subKeys.push_back(StoredKey{name, {}, {}});
                next = &current->subKeys.back();
                created = true;
            }
            current = next;
        }
        if (created && !save(store))
            return Status::IoFailed;
        result = remember(std::move(path));
        return Status::Success;
    }

    std::int32_t closeKey(RegistryHandle key) override
    {
        if (RegistryStore::rootIndex(key))
            return Status::Success;
        return m_keys.erase(key) == 1 ? Status::Success : Status::InvalidHandle;
    }

    std::int32_t setValue(RegistryHandle handle, const std::string& name, std::uint32_t type,
                          std::span<const unsigned char> data) override
    {
        const std::optional<KeyPath> path = resolve(handle);
        if (!path)
            return Status::InvalidHandle;
        if (!RegistryStore::holdsKeys(path->root))
            return Status::AccessDenied;
        RegistryStore store = load();
        StoredKey* key = findKey(store, *path);
        if (key == nullptr)
            return Status::KeyDeleted;
        key->setValue(name, type, {data.begin(), data.end()});
        return save(store) ? Status::Success : Status::IoFailed;
    }

    std::int32_t queryInfo(RegistryHandle handle, RegistryKeyInfo& info) override
    {
        const std::optional<KeyPath> path = resolve(handle);
        if (!path)
            return Status::InvalidHandle;
        RegistryStore store = load();
        const StoredKey* key = findKey(store, *path);
        if (key == nullptr)
            return Status::KeyDeleted;
        info.subKeys = static_cast<std::uint32_t>(key->subKeys.size());
        info.longestSubKeyName = longestName(key->subKeys);
        info.values = static_cast<std::uint32_t>(key->values.size());
        info.longestValueName = longestName(key->values);
        return Status::Success;
    }

    std::int32_t enumKey(RegistryHandle handle, std::uint32_t index, std::span<char> name,
                         std::uint32_t& length) override
    {
        return enumerate(handle, index, name, length, &StoredKey::subKeys);
    }

    std::int32_t enumValue(RegistryHandle handle, std::uint32_t index, std::span<char> name,
                           std::uint32_t& length) override
    {
        return enumerate(handle, index, name, length, &StoredKey::values);
    }

    std::int32_t deleteValue(RegistryHandle handle, const std::string& name) override
    {
        const std::optional<KeyPath> path = resolve(handle);
        if (!path)
            return Status::InvalidHandle;
        RegistryStore store = load();
        StoredKey* key = findKey(store, *path);
        if (key == nullptr)
            return Status::KeyDeleted;
        const StoredValue* value = key->findValue(name);
        if (value == nullptr)
            return Status::NotFound;
        key->values.erase(key->values.begin() + (value - key->values.data()));
        return save(store) ? Status::Success : Status::IoFailed;
    }

    std::int32_t deleteKey(RegistryHandle parent, const std::string& key) override
    {
        std::optional<KeyPath> owner = resolve(parent);
        if (!owner)
            return Status::InvalidHandle;
        const auto names = splitKeyText(key);
        if (!names || names->empty())
            return Status::BadPathname;
        owner->names.insert(owner->names.end(), names->begin(), names->end() - 1);
        RegistryStore store = load();
        StoredKey* ownerKey = findKey(store, *owner);
        const StoredKey* doomed = ownerKey == nullptr ? nullptr : ownerKey->findSubKey(names->back());
        if (doomed == nullptr)
            return Status::NotFound;
        if (!doomed->subKeys.empty())
            return Status::AccessDenied;
        ownerKey->subKeys.erase(ownerKey->subKeys.begin() + (doomed - ownerKey->subKeys.data()));
        return save(store) ? Status::Success : Status::IoFailed;
    }

private:
    std::optional<KeyPath> resolve(RegistryHandle handle) const
    {
        if (const auto root = RegistryStore::rootIndex(handle))
            return KeyPath{*root, {}};
        const auto found = m_keys.find(handle);
        if (found == m_keys.end())
            return std::nullopt;
        return found->second;
    }

    // The key `text` names below the key of `parent`.
    std::int32_t extend(RegistryHandle parent, std::string_view text, KeyPath& path)
    {
        const std::optional<KeyPath> base = resolve(parent);
        if (!base)
            return Status::InvalidHandle;
        const auto names = splitKeyText(text);
        if (!names)
            return Status::BadPathname;
        path = *base;
        path.names.insert(path.names.end(), names->begin(), names->end());
        return Status::Success;
    }

    template <typename Items>
    std::int32_t enumerate(RegistryHandle handle, std::uint32_t index, std::span<char> name,
                           std::uint32_t& length, Items StoredKey::*items)
    {
        const std::optional<KeyPath> path = resolve(handle);
        if (!path)
            return Status::InvalidHandle;
        RegistryStore store = load();
        const StoredKey* key = findKey(store, *path);
        if (key == nullptr)
            return Status::KeyDeleted;
        const Items& list = key->*items;
        if (index >= list.size())
            return Status::NoMoreItems;
        return copyName(list[index].name, name, length);
    }

    RegistryHandle remember(KeyPath path)
    {
        const RegistryHandle handle = m_nextHandle;
        m_nextHandle += 4;
        m_keys.emplace(handle, std::move(path));
        return handle;
    }

    RegistryStore load() const
    {
        const auto text = readStoreFile(m_file);
        return text ? parseRegistryStore(*text) : RegistryStore{};
    }

    bool save(const RegistryStore& store) const { return writeStoreFile(m_file, formatRegistryStore(store)); }

    std::filesystem::path m_file;
    std::map<RegistryHandle, KeyPath> m_keys;
    RegistryHandle m_nextHandle = 4;
};

} // namespace

std::unique_ptr<RegistryBackend> createFileRegistryBackend(std::filesystem::path storeFile)
{
    return std::make_unique<FileRegistryBackend>(std::move(storeFile));
}

std::unique_ptr<RegistryBackend> createPlatformRegistryBackend(const std::filesystem::path& storeFile)
{
    return createFileRegistryBackend(storeFile);
}

} // namespace modRegistry
