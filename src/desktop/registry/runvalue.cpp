#include "runvalue.h"

#include "modregistry.h"

#include <algorithm>

namespace modRegistry {

std::string RunValueData(const std::string& executablePath)
{
    std::string path = executablePath;
    std::replace(path.begin(), path.end(), '/', '\\');
    const std::size_t separator = path.rfind('\\');
    const std::string folder = separator == std::string::npos ? std::string() : path.substr(0, separator);
    std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
    // A leading dot starts a name, not an extension.
    if (const std::size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0)
        name.erase(dot);
    return folder + '\\' + name + ".exe";
}

std::string SetRunValue(RegistryBackend& registry, const std::string& executablePath)
{
    try {
        WriteRegistryValue(registry, RunValuePath, RunValueData(executablePath), RegSz);
    } catch (const RegistryError& error) {
        return error.what();
    }
    return {};
}

std::string ClearRunValue(RegistryBackend& registry)
{
    try {
        DeleteRegistryEntry(registry, RunValuePath, false);
    } catch (const RegistryError& error) {
        return error.what();
    }
    return {};
}

} // namespace modRegistry
