#pragma once

#include "desktop/registry/modregistry.h"

#include <algorithm>
#include <gtest/gtest.h>

// A registry for one test case: the file store in a fresh folder, or the real registry under
// Wine with Base emptied. Each back end defines SetUp and storedValue in a file of its own.
class RegistryFixture : public ::testing::Test {
public:
    static constexpr char Base[] = "HKCU\\Software\\LullwickTest\\";

protected:
    void SetUp() override;
    // The value `path` names as stored, read without the library: type:"text" for text ending
    // in its only NUL, type:hex bytes otherwise, "-" when absent.
    std::string storedValue(const std::string& path);
    static std::string describe(std::uint32_t type, const std::string& data)
    {
        if (type <= modRegistry::RegExpandSz && !data.empty() && data.find('\0') == data.size() - 1)
            return std::to_string(type) + ":\"" + data.substr(0, data.size() - 1) + '"';
        std::string hex = std::to_string(type) + ':';
        for (const unsigned char code : data)
            hex += "0123456789ABCDEF"[code >> 4], hex += "0123456789ABCDEF"[code & 15];
        return hex;
    }
    // The names listed, sorted here unless the library sorted them (registries differ in order).
    std::string listed(const std::string& path, int flags)
    {
        modRegistry::RegistryList list = ListRegistryKey(*registry, path, static_cast<std::uint8_t>(flags));
        if ((flags & modRegistry::ListSorted) == 0 && list)
            std::sort(list->begin(), list->end());
        std::string text;
        for (const std::string& name : list.value_or(std::vector<std::string>{"(nothing)"}))
            text += (text.empty() ? "" : ",") + (name.empty() ? "(default)" : name);
        return text;
    }

    std::unique_ptr<modRegistry::RegistryBackend> registry;
};
