// What only the file-backed store has to get right: its file.
#include "desktop/registry/registrybackend_file.h"
#include "desktop/registry/runvalue.h"
#include "desktop/registry/storefile.h"
#include "registryfixture.h"

#include <csignal>
#include <fstream>
#include <sys/resource.h>

using namespace modRegistry;
using Names = std::vector<std::string>;

using FileStore = RegistryFixture;

TEST_F(FileStore, EveryNameAndByteComesBackInWrittenOrderWhateverTheCase)
{
    const std::string key = std::string(Base) + "Odd [key] = 50%;\t\xE9\\";
    const Names names = {"z", "a=b", "50%", "[x]", ";semi", " lead", "tab\there", "\xE9t\xE9", ""};
    for (const std::string& name : names)
        WriteRegistryValue(registry(), key + name, "line\nnext\r\n" + name, RegSz);
    WriteRegistryValue(registry(), key + "Z", std::int64_t{-2}, RegBinary); // replaces "z" in its place
    WriteRegistryValue(registry(), "hkcu\\SOFTWARE\\lullwicktest\\Empty\\x", "", RegSz);

    const auto again = createFileRegistryBackend(storeFile);
    EXPECT_EQ(ListRegistryKey(*again, key, ListValues + ListDefaultValue),
              (Names{"z", "a=b", "50%", "[x]", ";semi", " lead", "tab\there", "\xE9t\xE9", ""}));
    EXPECT_EQ(ListRegistryKey(*again, Base, ListKeys), (Names{"Odd [key] = 50%;\t\xE9\\", "Empty\\"}));
    EXPECT_EQ(storedValue(key + "TAB\there"), "1:\"line\nnext\r\ntab\there\"");
    EXPECT_EQ(storedValue(key + "z"), "3:FEFF");
    DeleteRegistryEntry(*again, "HKCU\\software\\LULLWICKTEST\\empty\\", false);
    EXPECT_EQ(ListRegistryKey(registry(), Base, ListKeys), (Names{"Odd [key] = 50%;\t\xE9\\"}));
}

TEST_F(FileStore, DamagedFileGivesWhatCanBeReadAndIsReplacedOnTheNextWrite)
{
    std::string garbage = "\x7F"
                          "ELF\x01\x02[[[\n=\n[HKEY_CURRENT_USER\\%zz]\n%%%=1:00\n";
    garbage += std::string("\0\0\xFF\xFE", 4);
    for (int i = 0; i < 1000; ++i)
        garbage += static_cast<char>((i * 37) % 256);
    const struct {
        std::string file;
        std::string listed;
        RegistryList names;
        std::string good; // the value Good\V
    } rows[] = {
        {garbage, "HKCU\\", std::nullopt, "-"},
        {"[HKEY_CURRENT_USER\\Software\\LullwickTest\\Good]\r\nV=1:6F6B00\r\na line without an equals sign\n"
         "W=1:zz\nX=one:00\nY=1:0\n[NOT_A_ROOT\\Software]\nZ=1:00\n"
         "[HKEY_CURRENT_USER\\Software\\LullwickTest\\Good\\%G0]\n[HKEY_CURRENT_USER\\Software\\\\Empty]\n",
         std::string(Base) + "Good\\", Names{"V"}, "1:\"ok\""},
        {"[HKEY_CURRENT_USER\\Software\\LullwickTest\\Good]\nV=1:6F6B00\n", "HKCU\\Software\\",
         Names{"LullwickTest\\"}, "1:\"ok\""},
        {"[HKEY_PERFORMANCE_DATA\\Counters]\nV=1:00\n", "HKPD\\", std::nullopt, "-"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.listed);
        std::filesystem::create_directories(storeFile.parent_path());
        std::ofstream(storeFile, std::ios::binary) << row.file;
        EXPECT_EQ(ListRegistryKey(registry(), row.listed, 0), row.names);
        EXPECT_EQ(storedValue(std::string(Base) + "Good\\V"), row.good);
        WriteRegistryValue(registry(), std::string(Base) + "Good\\After", "ok", RegSz);
        EXPECT_EQ(storedValue(std::string(Base) + "Good\\After"), "1:\"ok\"");
    }
}

TEST_F(FileStore, FailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    WriteRegistryValue(registry(), std::string(Base) + "V", "old", RegSz);
    const std::string before = readStoreFile(storeFile).value_or("(missing)");
    // A file size limit makes the rewrite fail half-way, as a full disk would.
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = previous;
    limited.rlim_cur = before.size() + 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const RegistryError error = registryErrorOf(
        [&] { WriteRegistryValue(registry(), std::string(Base) + "W", std::string(4096, 'x'), RegSz); });
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(error.number(), WriteValueError);
    EXPECT_EQ(readStoreFile(storeFile), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(storeFile.parent_path()), {}), 1);
}

TEST_F(FileStore, LiveDataRootsStayEmptyAndTheRunKeyComesWithTheFirstValue)
{
    for (const std::string root : {"HKPD", "HKDD"})
        EXPECT_EQ(
            registryErrorOf([&] { WriteRegistryValue(registry(), root + "\\X\\V", "1", RegSz); }).number(),
            CreateKeyError);
    EXPECT_FALSE(std::filesystem::exists(storeFile));
    EXPECT_EQ(ClearRunValue(registry()), "Unable to open registry key '" + std::string(RunValuePath) + "'");
    ASSERT_EQ(SetRunValue(registry(), "/opt/lullwick/lullwick"), "");
    EXPECT_EQ(storedValue(RunValuePath), "1:\"\\opt\\lullwick\\lullwick.exe\"");
}

// The Windows result codes the library relies on.
TEST_F(FileStore, BackendAnswersAsTheWindowsRegistryDoes)
{
    RegistryBackend& store = *backend;
    RegistryHandle key = 0;
    RegistryHandle inner = 0;
    RegistryHandle remote = 0;
    ASSERT_EQ(
        store.createKey(HkeyCurrentUser, "Software\\LullwickTest\\abcdef\\inner\\", KeyWriteAccess, key), 0);
    ASSERT_EQ(store.closeKey(key), 0);
    ASSERT_EQ(store.openKey(HkeyCurrentUser, "software\\lullwicktest\\", KeyReadAccess, key), 0);
    std::vector<char> name(16, 'x');
    std::uint32_t small = 3;
    std::uint32_t length = 16;
    const unsigned char data[] = {0};
    const std::pair<std::function<std::int32_t()>, std::int32_t> rows[] = {
        {[&] { return store.enumKey(key, 0, name, small); }, RegistryStatus::MoreData},
        {[&] { return store.enumKey(key, 0, name, length); }, RegistryStatus::Success},
        {[&] { return std::string(name.data()) == "abcdef" && length == 6 ? 0 : -1; }, 0},
        {[&] { return store.enumKey(key, 1, name, length); }, RegistryStatus::NoMoreItems},
        {[&] { return store.deleteKey(key, "abcdef\\"); }, RegistryStatus::AccessDenied}, // has a sub-key
        {[&] { return store.deleteKey(key, "missing\\"); }, RegistryStatus::NotFound},
        {[&] { return store.deleteValue(key, "missing"); }, RegistryStatus::NotFound},
        {[&] { return store.openKey(key, "a\\\\b", KeyReadAccess, inner); }, RegistryStatus::BadPathname},
        {[&] { return store.connect("ANY", HkeyLocalMachine, remote); }, RegistryStatus::BadNetPath},
        // A handle outlives its key but finds nothing.
        {[&] { return store.openKey(key, "abcdef\\inner", KeyWriteAccess, inner); }, RegistryStatus::Success},
        {[&] { return store.deleteKey(key, "abcdef\\inner\\"); }, RegistryStatus::Success},
        {[&] { return store.setValue(inner, "v", RegSz, data); }, RegistryStatus::KeyDeleted},
        {[&] { return store.closeKey(inner); }, RegistryStatus::Success},
        {[&] { return store.closeKey(inner); }, RegistryStatus::InvalidHandle},
    };
    int step = 0;
    for (const auto& [call, status] : rows)
        EXPECT_EQ(call(), status) << "step " << step++;
    EXPECT_EQ(store.closeKey(key), 0);
}
