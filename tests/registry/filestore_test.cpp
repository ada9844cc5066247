// What only the file-backed store has to get right: its file.
#include "desktop/registry/registrybackend_file.h"
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
