#pragma once

#include "desktop/registry/registrybackend.h"
#include "recordingbackend.h"

#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A registry for one test case, in front of which a RecordingBackend sits. The same test
// sources run on the file-backed store (a fresh file per case) and, cross-compiled, on the
// real Windows registry under Wine (below Base, removed before and after each case);
// each backend has its own definition of the members below.
class RegistryFixture : public ::testing::Test {
protected:
    // Scratch key of the tests on the real registry; the store starts empty anyway.
    static constexpr char Base[] = "HKCU\\Software\\LullwickTest\\";

    struct Stored {
        std::uint32_t type = 0;
        std::vector<unsigned char> data;
    };

    void SetUp() override;
    void TearDown() override;

    // What the registry holds for the value that `path` names, read without the library.
    std::optional<Stored> storedValue(const std::string& path);

    modRegistry::RegistryBackend& registry() { return *recorder; }

    std::unique_ptr<modRegistry::RegistryBackend> backend;
    std::unique_ptr<RecordingBackend> recorder;
    std::filesystem::path storeFile; // empty on Windows
};
