#include "desktop/registry/modregistry.h"
#include "desktop/registry/registrybackend_file.h"
#include "desktop/registry/runvalue.h"
#include "desktop/registry/storefile.h"
#include "registryfixture.h"
#include "registrytesthelpers.h"

#include <csignal>
#include <fstream>
#include <sys/resource.h>

using namespace modRegistry;
using Bytes = std::vector<unsigned char>;

namespace {

void writeFile(const std::filesystem::path& file, const std::string& content)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
}

std::string fileContent(const std::filesystem::path& file)
{
    return readStoreFile(file).value_or("(missing)");
}

} // namespace

using FileStore = RegistryFixture;

TEST_F(FileStore, KeepsValuesInWrittenOrder)
{
    const std::string key = std::string(Base) + "Order\\";
    for (const char* name : {"z", "a", "M", ""})
        WriteRegistryValue(registry(), key + name, std::string("1"), RegSz);
    WriteRegistryValue(registry(), key + "a", std::string("rewritten"), RegSz);
    EXPECT_EQ(ListRegistryKey(registry(), key, ListValues + ListDefaultValue),
              (std::vector<std::string>{"z", "a", "M", ""}));
}

TEST_F(FileStore, KeepsEveryNameAndByteAcrossInstances)
{
    EXPECT_FALSE(std::filesystem::exists(storeFile.parent_path()));
    const std::string key = std::string(Base) + "Odd [key] = 50%;\t\xE9\\";
    const std::vector<std::string> names = {"a=b",   "50%",       "[x]",       ";semi",
                                            " lead", "tab\there", "\xE9t\xE9", ""};
    for (const std::string& name : names)
        WriteRegistryValue(registry(), key + name, std::string("line\nnext\r\n") + name, RegSz);
    WriteRegistryValue(registry(), key + "bin", std::int64_t{-2}, RegBinary);
    CloseRegistryKey(registry(),
                     CreateRegistryKey(registry(), std::string(Base) + "Empty\\", KeyWriteAccess));

    const auto again = createFileRegistryBackend(storeFile);
    std::vector<std::string> expected = names;
    expected.push_back("bin");
    EXPECT_EQ(ListRegistryKey(*again, key, ListValues + ListDefaultValue), expected);
    EXPECT_EQ(ListRegistryKey(*again, Base, ListKeys),
              (std::vector<std::string>{"Odd [key] = 50%;\t\xE9\\", "Empty\\"}));
    EXPECT_EQ(storedValue(key + "tab\there")->data, bytesOf(std::string("line\nnext\r\ntab\there") + '\0'));
    EXPECT_EQ(storedValue(key + "bin")->type, 3u);
    EXPECT_EQ(storedValue(key + "bin")->data, (Bytes{0xFE, 0xFF}));
}

TEST_F(FileStore, ComparesNamesWithoutRegardToCase)
{
    WriteRegistryValue(registry(), "HKCU\\Software\\LullwickTest\\Case\\Name", std::string("1"), RegSz);
    WriteRegistryValue(registry(), "hkcu\\SOFTWARE\\lullwicktest\\CASE\\NAME", std::string("2"), RegSz);
    EXPECT_EQ(ListRegistryKey(registry(), Base, 0), (std::vector<std::string>{"Case\\"}));
    EXPECT_EQ(ListRegistryKey(registry(), std::string(Base) + "case", 0), (std::vector<std::string>{"Name"}));
    EXPECT_EQ(storedValue(std::string(Base) + "Case\\Name")->data, bytesOf(std::string("2") + '\0'));
    DeleteRegistryEntry(registry(), "HKCU\\software\\LULLWICKTEST\\case\\", false);
    EXPECT_EQ(ListRegistryKey(registry(), Base, 0), std::nullopt);
}

TEST_F(FileStore, GarbageFileReadsAsEmptyAndIsReplacedOnTheNextWrite)
{
    std::string garbage = "\x7F"
                          "ELF\x01\x02[[[\n=\n[HKEY_CURRENT_USER\\%zz]\n%%%=1:00\n";
    garbage += std::string("\0\0\xFF\xFE", 4);
    for (int i = 0; i < 1000; ++i)
        garbage += static_cast<char>((i * 37) % 256);
    writeFile(storeFile, garbage);

    EXPECT_EQ(ListRegistryKey(registry(), "HKCU\\", 0), std::nullopt);
    WriteRegistryValue(registry(), std::string(Base) + "After\\V", std::string("ok"), RegSz);
    EXPECT_EQ(storedValue(std::string(Base) + "After\\V")->data, bytesOf(std::string("ok") + '\0'));
    EXPECT_EQ(ListRegistryKey(registry(), "HKCU\\", 0), (std::vector<std::string>{"Software\\"}));
}

TEST_F(FileStore, SkipsOnlyWhatItCannotRead)
{
    writeFile(storeFile, "[HKEY_CURRENT_USER\\Software\\LullwickTest\\Good]\r\n"
                         "V=1:6F6B00\r\n"
                         "a line without an equals sign\n"
                         "W=1:zz\n"
                         "X=one:00\n"
                         "Y=1:0\n"
                         "[NOT_A_ROOT\\Software]\n"
                         "Z=1:00\n"
                         "[HKEY_CURRENT_USER\\Software\\LullwickTest\\Good\\%G0]\n"
                         "[HKEY_CURRENT_USER\\Software\\\\Empty]\n"
                         "[HKEY_PERFORMANCE_DATA\\Counters]\n");
    EXPECT_EQ(ListRegistryKey(registry(), std::string(Base) + "Good\\", 0), (std::vector<std::string>{"V"}));
    EXPECT_EQ(storedValue(std::string(Base) + "Good\\V")->data, bytesOf(std::string("ok") + '\0'));
    EXPECT_EQ(ListRegistryKey(registry(), "HKCU\\Software\\", 0),
              (std::vector<std::string>{"LullwickTest\\"}));
    EXPECT_EQ(ListRegistryKey(registry(), "HKPD\\", 0), std::nullopt);
}

TEST_F(FileStore, FailedWriteKeepsTheOldFile)
{
    WriteRegistryValue(registry(), std::string(Base) + "V", std::string("old"), RegSz);
    const std::string before = fileContent(storeFile);

    // A file size limit makes the next rewrite fail half-way, as a full disk would.
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
    EXPECT_EQ(fileContent(storeFile), before);
    EXPECT_TRUE(storedValue(std::string(Base) + "V"));
    EXPECT_FALSE(storedValue(std::string(Base) + "W"));
    // No half-written temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(storeFile.parent_path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(FileStore, PerformanceAndDynamicDataRootsAreEmptyAndReadOnly)
{
    for (const std::string root : {"HKPD", "HKDD"}) {
        EXPECT_EQ(registryErrorOf([&] {
                      WriteRegistryValue(registry(), root + "\\X\\V", std::string("1"), RegSz);
                  }).number(),
                  CreateKeyError);
        EXPECT_EQ(ListRegistryKey(registry(), root + "\\", 0), std::nullopt);
    }
    EXPECT_FALSE(std::filesystem::exists(storeFile));
}

TEST_F(FileStore, HasNoRunKeyUntilSomethingIsWrittenThere)
{
    EXPECT_EQ(ClearRunValue(registry()), "Unable to open registry key '" + std::string(RunValuePath) + "'");
    ASSERT_EQ(SetRunValue(registry(), "/opt/lullwick/lullwick"), "");
    EXPECT_EQ(storedValue(RunValuePath)->data, bytesOf(std::string("\\opt\\lullwick\\lullwick.exe") + '\0'));
}

TEST_F(FileStore, BackendReportsWindowsResultCodes)
{
    RegistryBackend& store = *backend;
    RegistryHandle key = 0;
    ASSERT_EQ(
        store.createKey(HkeyCurrentUser, "Software\\LullwickTest\\abcdef\\inner\\", KeyWriteAccess, key), 0);
    ASSERT_EQ(store.closeKey(key), 0);
    ASSERT_EQ(store.openKey(HkeyCurrentUser, "software\\lullwicktest\\", KeyReadAccess, key), 0);

    std::vector<char> buffer(16, 'x');
    std::uint32_t length = 3;
    EXPECT_EQ(store.enumKey(key, 0, buffer, length), RegistryStatus::MoreData);
    length = static_cast<std::uint32_t>(buffer.size());
    EXPECT_EQ(store.enumKey(key, 0, buffer, length), RegistryStatus::Success);
    EXPECT_EQ(std::string(buffer.data()), "abcdef");
    EXPECT_EQ(length, 6u);
    EXPECT_EQ(store.enumKey(key, 1, buffer, length), RegistryStatus::NoMoreItems);

    EXPECT_EQ(store.deleteKey(key, "abcdef\\"), RegistryStatus::AccessDenied); // it has a sub-key
    EXPECT_EQ(store.deleteKey(key, "missing\\"), RegistryStatus::NotFound);
    EXPECT_EQ(store.deleteValue(key, "missing"), RegistryStatus::NotFound);
    EXPECT_EQ(store.openKey(key, "a\\\\b", KeyReadAccess, key), RegistryStatus::BadPathname);
    RegistryHandle remote = 0;
    EXPECT_EQ(store.connect("ANY", HkeyLocalMachine, remote), RegistryStatus::BadNetPath);

    // A handle outlives its key but finds nothing.
    RegistryHandle inner = 0;
    ASSERT_EQ(store.openKey(key, "abcdef\\inner", KeyWriteAccess, inner), 0);
    ASSERT_EQ(store.deleteKey(key, "abcdef\\inner\\"), 0);
    const unsigned char data[] = {0};
    EXPECT_EQ(store.setValue(inner, "v", 1, data), RegistryStatus::KeyDeleted);
    EXPECT_EQ(store.closeKey(inner), 0);
    EXPECT_EQ(store.closeKey(inner), RegistryStatus::InvalidHandle);
    EXPECT_EQ(store.closeKey(key), 0);
}
