#pragma once

#include "desktop/registry/modregistry.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// The RegistryError that `operation` throws; a test failure when it throws none.
template <typename Operation> modRegistry::RegistryError registryErrorOf(Operation operation)
{
    try {
        operation();
    } catch (const modRegistry::RegistryError& error) {
        return error;
    }
    ADD_FAILURE() << "no RegistryError was thrown";
    return {0, "(none)"};
}

inline std::vector<std::string> sortedNames(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

inline std::vector<unsigned char> bytesOf(const std::string& text)
{
    return {text.begin(), text.end()};
}
