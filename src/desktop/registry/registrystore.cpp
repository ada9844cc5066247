#include "registrystore.h"

#include "modregistry.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace modRegistry {
namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

template <typename Items> auto* findByName(Items& items, std::string_view wanted)
{
    const auto found = std::find_if(items.begin(), items.end(),
                                    [&](const auto& item) { return sameRegistryName(item.name, wanted); });
    return found == items.end() ? nullptr : &*found;
}

bool reserved(unsigned char c)
{
    return c < 0x20 || c >= 0x7F || std::strchr("%=[]\\;", c) != nullptr;
}

std::string escaped(std::string_view name)
{
    std::string out;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (reserved(byte)) {
            out += '%';
            out += HexDigits[byte >> 4];
            out += HexDigits[byte & 0x0F];
        } else {
            out += c;
        }
    }
    return out;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = lower(c);
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<unsigned char> hexByte(char high, char low)
{
    const int h = hexValue(high);
    const int l = hexValue(low);
    if (h < 0 || l < 0)
        return std::nullopt;
    return static_cast<unsigned char>(h * 16 + l);
}

std::optional<std::string> unescaped(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size())
            return std::nullopt;
        const auto byte = hexByte(text[i + 1], text[i + 2]);
        if (!byte)
            return std::nullopt;
        out += static_cast<char>(*byte);
        i += 2;
    }
    return out;
}

void formatKey(std::string& out, const StoredKey& key, const std::string& section, bool isRoot)
{
    if (!isRoot || !key.values.empty()) {
        out += '[' + section + "]\n";
        for (const StoredValue& value : key.values) {
            out += escaped(value.name) + '=' + std::to_string(value.type) + ':';
            for (const unsigned char byte : value.data) {
                out += HexDigits[byte >> 4];
                out += HexDigits[byte & 0x0F];
            }
            out += '\n';
        }
        out += '\n';
    }
    for (const StoredKey& subKey : key.subKeys)
        formatKey(out, subKey, section + '\\' + escaped(subKey.name), false);
}

// The key a section line names, created with the keys above it; null when it names none.
StoredKey* sectionKey(RegistryStore& store, std::string_view section)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = section.find('\\', start);
        const auto part = unescaped(section.substr(start, end - start));
        if (!part || part->empty())
            return nullptr;
        parts.push_back(*part);
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    StoredKey* key = nullptr;
    for (std::size_t i = 0; i < std::size(RegistryRoots); ++i) {
        if (sameRegistryName(parts.front(), RegistryRoots[i].fullName) && RegistryStore::holdsKeys(i))
            key = &store.root(i);
    }
    for (std::size_t i = 1; key != nullptr && i < parts.size(); ++i) {
        StoredKey* next = key->findSubKey(parts[i]);
        if (next == nullptr) {
            key->subKeys.push_back(StoredKey{parts[i], {}, {}});
            next = &key->subKeys.back();
        }
        key = next;
    }
    return key;
}

std::optional<StoredValue> valueLine(std::string_view line)
{
    const std::size_t equals = line.find('=');
    const std::size_t colon = line.find(':', equals);
    if (equals == std::string_view::npos || colon == std::string_view::npos)
        return std::nullopt;
    StoredValue value;
    const auto name = unescaped(line.substr(0, equals));
    const std::string_view type = line.substr(equals + 1, colon - equals - 1);
    const auto [end, error] = std::from_chars(type.data(), type.data() + type.size(), value.type);
    const std::string_view hex = line.substr(colon + 1);
    if (!name || error != std::errc() || end != type.data() + type.size() || type.empty() ||
        hex.size() % 2 != 0)
        return std::nullopt;
    value.name = *name;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const auto byte = hexByte(hex[i], hex[i + 1]);
        if (!byte)
            return std::nullopt;
        value.data.push_back(*byte);
    }
    return value;
}

} // namespace

bool sameRegistryName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lower(x) == lower(y); });
}

StoredKey* StoredKey::findSubKey(std::string_view wanted)
{
    return findByName(subKeys, wanted);
}

const StoredKey* StoredKey::findSubKey(std::string_view wanted) const
{
    return findByName(subKeys, wanted);
}

StoredValue* StoredKey::findValue(std::string_view wanted)
{
    return findByName(values, wanted);
}

const StoredValue* StoredKey::findValue(std::string_view wanted) const
{
    return findByName(values, wanted);
}

void StoredKey::setValue(std::string_view valueName, std::uint32_t type, std::vector<unsigned char> data)
{
    if (StoredValue* existing = findValue(valueName)) {
        existing->type = type;
        existing->data = std::move(data);
        return;
    }
    values.push_back(StoredValue{std::string(valueName), type, std::move(data)});
}

std::optional<std::size_t> RegistryStore::rootIndex(RegistryHandle handle)
{
    for (std::size_t i = 0; i < std::size(RegistryRoots); ++i) {
        if (RegistryRoots[i].handle == handle)
            return i;
    }
    return std::nullopt;
}

bool RegistryStore::holdsKeys(std::size_t index)
{
    const RegistryHandle handle = RegistryRoots[index].handle;
    return handle != HkeyPerformanceData && handle != HkeyDynData;
}

std::string formatRegistryStore(const RegistryStore& store)
{
    std::string out = "; Lullwick registry store\n\n";
    for (std::size_t i = 0; i < store.roots.size(); ++i)
        formatKey(out, store.roots[i], RegistryRoots[i].fullName, true);
    return out;
}

RegistryStore parseRegistryStore(std::string_view text)
{
    RegistryStore store;
    StoredKey* current = nullptr;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.empty() || line.starts_with(';'))
            continue;
        if (line.starts_with('[') && line.ends_with(']') && line.size() >= 2) {
            current = sectionKey(store, line.substr(1, line.size() - 2));
        } else if (current != nullptr) {
            if (auto value = valueLine(line))
                current->setValue(value->name, value->type, std::move(value->data));
        }
    }
    return store;
}

} // namespace modRegistry
