#include "desktop/registry/modregistry.h"
#include "desktop/registry/runvalue.h"
#include "registryfixture.h"
#include "registrytesthelpers.h"

using namespace modRegistry;

TEST(RunValueData, IsTheFolderTheNameWithoutExtensionAndExe)
{
    const std::pair<std::string, std::string> rows[] = {
        {"C:\\Program Files\\Lullwick\\Lullwick.exe", "C:\\Program Files\\Lullwick\\Lullwick.exe"},
        {"C:/Apps/Lull/lullwick.bin", "C:\\Apps\\Lull\\lullwick.exe"},
        {"C:\\Apps\\lullwick", "C:\\Apps\\lullwick.exe"},
        {"C:\\my.app\\run.me.now", "C:\\my.app\\run.me.exe"},
        {"C:\\lullwick.EXE", "C:\\lullwick.exe"},
        {"D:\\tools\\.hidden", "D:\\tools\\.hidden.exe"},
    };
    for (const auto& [executable, data] : rows)
        EXPECT_EQ(RunValueData(executable), data) << executable;
}

TEST_F(RegistryFixture, SetRunValueWritesTheExecutablesPathAsText)
{
    EXPECT_EQ(SetRunValue(registry(), "C:\\Program Files\\Lullwick\\Lullwick.exe"), "");

    const auto creates = recorder->callsOf("create");
    ASSERT_EQ(creates.size(), 1u);
    EXPECT_EQ(creates[0].handle, HkeyLocalMachine);
    EXPECT_EQ(creates[0].text, "Software\\Microsoft\\Windows\\CurrentVersion\\Run\\");
    EXPECT_EQ(creates[0].number, 0x20006u);
    const auto sets = recorder->callsOf("set");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].text, "Lullwick");
    EXPECT_EQ(sets[0].number, 1u);
    const auto stored = storedValue(RunValuePath);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, 1u);
    EXPECT_EQ(stored->data, bytesOf(std::string("C:\\Program Files\\Lullwick\\Lullwick.exe") + '\0'));

    // Moved and renamed: the data follows.
    EXPECT_EQ(SetRunValue(registry(), "D:/Moved/lullwick.bin"), "");
    EXPECT_EQ(storedValue(RunValuePath)->data, bytesOf(std::string("D:\\Moved\\lullwick.exe") + '\0'));
    EXPECT_EQ(recorder->openHandles(), 0u);
}

TEST_F(RegistryFixture, ClearRunValueRemovesItAndSucceedsWhenItIsGone)
{
    ASSERT_EQ(SetRunValue(registry(), "C:\\Lullwick\\Lullwick.exe"), "");
    EXPECT_EQ(ClearRunValue(registry()), "");
    EXPECT_FALSE(storedValue(RunValuePath));
    EXPECT_EQ(ClearRunValue(registry()), "");
    EXPECT_EQ(recorder->callsOf("deleteValue").back().text, "Lullwick");
    EXPECT_EQ(recorder->callsOf("open").back().number, 0x20006u);
}

TEST_F(RegistryFixture, RunValueFailuresComeBackAsTheRegistryMessage)
{
    const std::string path = RunValuePath;
    recorder->failures = {{"create", RegistryStatus::AccessDenied}};
    EXPECT_EQ(SetRunValue(registry(), "C:\\Lullwick\\Lullwick.exe"),
              "Unable to create registry key '" + path + "'");
    recorder->failures = {{"set", RegistryStatus::AccessDenied}};
    EXPECT_EQ(SetRunValue(registry(), "C:\\Lullwick\\Lullwick.exe"),
              "Unable to write registry value '" + path + "'");
    recorder->failures = {{"open", RegistryStatus::AccessDenied}};
    EXPECT_EQ(ClearRunValue(registry()), "Unable to open registry key '" + path + "'");
    EXPECT_FALSE(storedValue(RunValuePath));
}
