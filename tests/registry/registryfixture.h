#pragma once

#include "desktop/registry/modregistry.h"
#include "recordingbackend.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

// A registry for one test case, with a RecordingBackend in front of it. The same tests run on
// the file-backed store (a fresh file per case) and, cross-compiled, on the real Windows
// registry under Wine (below Base, removed before and after each case); each back end defines
// the members below in its own file.
class RegistryFixture : public ::testing::Test {
public:
    // Scratch key of the tests on the real registry; the file store starts empty anyway.
    static constexpr char Base[] = "HKCU\\Software\\LullwickTest\\";

protected:
    void SetUp() override;
    void TearDown() override;

    // What the registry holds for the value `path` names, read without the library:
    // "1:\"text\"" for text with its one NUL, "type:hex bytes" otherwise, "-" when absent.
    std::string storedValue(const std::string& path);

    modRegistry::RegistryBackend& registry() { return *recorder; }

    std::unique_ptr<modRegistry::RegistryBackend> backend;
    std::unique_ptr<RecordingBackend> recorder;
    std::filesystem::path storeFile; // empty on Windows
};

// How storedValue() writes what it found.
inline std::string describeStored(std::uint32_t type, const std::string& data)
{
    const bool text = (type == modRegistry::RegSz || type == modRegistry::RegExpandSz) && !data.empty() &&
                      data.find('\0') == data.size() - 1;
    if (text)
        return std::to_string(type) + ":\"" + data.substr(0, data.size() - 1) + '"';
    std::string hex = std::to_string(type) + ':';
    for (const unsigned char byte : data)
        hex += "0123456789ABCDEF"[byte >> 4], hex += "0123456789ABCDEF"[byte & 15];
    return hex;
}

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
