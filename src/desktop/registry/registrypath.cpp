#include "modregistry.h"

#include <cctype>
#include <cstddef>

// Positions below count from 1 and 0 means "not found", so that the cuts read as the
// path syntax describes them; a cut with a negative length is an invalid argument.
namespace modRegistry {
namespace {

std::ptrdiff_t length(const std::string& text)
{
    return static_cast<std::ptrdiff_t>(text.size());
}

// Position of the first backslash at or after `start`, or 0.
std::ptrdiff_t backslashFrom(const std::string& text, std::ptrdiff_t start)
{
    if (start < 1)
        throw RegistryError::invalidArgument();
    if (start > length(text))
        return 0;
    const std::size_t found = text.find('\\', static_cast<std::size_t>(start - 1));
    return found == std::string::npos ? 0 : static_cast<std::ptrdiff_t>(found) + 1;
}

// Position of the last backslash, or 0.
std::ptrdiff_t lastBackslash(const std::string& text)
{
    const std::size_t found = text.rfind('\\');
    return found == std::string::npos ? 0 : static_cast<std::ptrdiff_t>(found) + 1;
}

// `count` characters from position `start`.
std::string cut(const std::string& text, std::ptrdiff_t start, std::ptrdiff_t count)
{
    if (start < 1 || count < 0)
        throw RegistryError::invalidArgument();
    if (start > length(text))
        return {};
    return text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count));
}

std::string computerPart(const std::string& path)
{
    if (!path.starts_with("\\\\"))
        return {};
    return cut(path, 3, backslashFrom(path, 3) - 3);
}

// The root name as written.
std::string rootText(const std::string& path, const std::string& computer)
{
    if (computer.empty())
        return cut(path, 1, backslashFrom(path, 1) - 1);
    const std::ptrdiff_t start = length(computer) + 4;
    return cut(path, start, backslashFrom(path, start) - start);
}

RegistryHandle rootPart(const std::string& path)
{
    std::string root = rootText(path, computerPart(path));
    for (char& c : root)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const RootName& known : RegistryRoots) {
        if (root == known.abbreviation || root == known.fullName)
            return known.handle;
    }
    throw RegistryError(InvalidRootError, "Invalid root in registry key '" + path + "'");
}

std::string keyPart(const std::string& path)
{
    const std::string computer = computerPart(path);
    const std::ptrdiff_t last = lastBackslash(path);
    if (computer.empty()) {
        const std::ptrdiff_t first = backslashFrom(path, 1);
        return cut(path, first + 1, last - first);
    }
    const std::ptrdiff_t prefix = length(computer) + length(rootText(path, computer)) + 4;
    return cut(path, prefix + 1, last - prefix);
}

std::string valuePart(const std::string& path)
{
    return path.substr(static_cast<std::size_t>(lastBackslash(path)));
}

} // namespace

RegistryPathPart ParseRegistryPath(const std::string& path, std::int32_t part)
{
    switch (part) {
    case RootPart:
        return rootPart(path);
    case KeyPart:
        return keyPart(path);
    case ValuePart:
        return valuePart(path);
    case ComputerPart:
        return computerPart(path);
    default:
        throw RegistryError::invalidArgument();
    }
}

} // namespace modRegistry
