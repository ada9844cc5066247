#include "desktop/registry/modregistry.h"
#include "registryfixture.h"
#include "registrytesthelpers.h"

#include <cctype>
#include <functional>
#include <iterator>
#include <utility>

using namespace modRegistry;
using Bytes = std::vector<unsigned char>;

namespace {

constexpr char InvalidArgumentMessage[] = "Invalid procedure call or argument";

std::string textPart(const std::string& path, std::int32_t part)
{
    return std::get<std::string>(ParseRegistryPath(path, part));
}

RegistryHandle rootOf(const std::string& path)
{
    return std::get<RegistryHandle>(ParseRegistryPath(path, RootPart));
}

std::string lowerCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

// ---- Cutting paths apart ----

TEST(ParseRegistryPath, CutsComputerRootKeyAndValueName)
{
    struct Row {
        std::string path, computer;
        RegistryHandle root;
        std::string key, value;
    };
    const Row rows[] = {
        {"HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Lullwick", "", HkeyLocalMachine,
         "Software\\Microsoft\\Windows\\CurrentVersion\\Run\\", "Lullwick"},
        {"hkcu\\Software\\Demo\\", "", HkeyCurrentUser, "Software\\Demo\\", ""},
        {"HKEY_USERS\\Sample", "", HkeyUsers, "", "Sample"},
        {"\\\\COMPUTER\\HKLM\\Software\\Demo\\Item", "COMPUTER", HkeyLocalMachine, "Software\\Demo\\",
         "Item"},
        {"\\\\PC\\HKEY_CURRENT_CONFIG\\A\\B\\C", "PC", HkeyCurrentConfig, "A\\B\\", "C"},
        {"HKCU\\Item", "", HkeyCurrentUser, "", "Item"},
        {"HKCU\\", "", HkeyCurrentUser, "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(textPart(row.path, ComputerPart), row.computer);
        EXPECT_EQ(rootOf(row.path), row.root);
        EXPECT_EQ(textPart(row.path, KeyPart), row.key);
        EXPECT_EQ(textPart(row.path, ValuePart), row.value);
    }
}

TEST(ParseRegistryPath, AcceptsEveryRootInEitherFormAndAnyCase)
{
    ASSERT_EQ(std::size(RegistryRoots), 7u);
    for (const RootName& root : RegistryRoots) {
        for (const std::string& name : {std::string(root.abbreviation), std::string(root.fullName)}) {
            for (const std::string& spelling :
                 {name, lowerCase(name), lowerCase(name.substr(0, 2)) + name.substr(2)}) {
                SCOPED_TRACE(spelling);
                EXPECT_EQ(rootOf(spelling + "\\Software\\X"), root.handle);
                EXPECT_EQ(rootOf("\\\\PC\\" + spelling + "\\X"), root.handle);
            }
        }
    }
    EXPECT_EQ(rootOf("HKUS\\X"), 0x80000003u);
    EXPECT_EQ(rootOf("HKDD\\X"), 0x80000006u);
}

TEST(ParseRegistryPath, RejectsRootsOutsideTheTableNamingThePath)
{
    for (const std::string path : {"HKU\\Software\\X", "\\\\PC\\HKU\\X", "\\Software\\X", "HKEY_LOCAL\\X"}) {
        SCOPED_TRACE(path);
        const RegistryError error = registryErrorOf([&] { ParseRegistryPath(path, RootPart); });
        EXPECT_EQ(error.number(), InvalidRootError);
        EXPECT_EQ(std::string(error.what()), "Invalid root in registry key '" + path + "'");
    }
}

TEST(ParseRegistryPath, UnknownSelectorsAndUncuttablePathsAreInvalidArguments)
{
    for (const std::int32_t selector : {0, 5, -1}) {
        const RegistryError error = registryErrorOf([&] { ParseRegistryPath("HKCU\\X", selector); });
        EXPECT_EQ(error.number(), 5);
        EXPECT_EQ(std::string(error.what()), InvalidArgumentMessage);
    }
    // No backslash at all, or a computer prefix with nothing after it.
    EXPECT_EQ(registryErrorOf([] { ParseRegistryPath("HKCU", RootPart); }).number(), 5);
    EXPECT_EQ(registryErrorOf([] { ParseRegistryPath("\\\\PC", ComputerPart); }).number(), 5);
    EXPECT_EQ(registryErrorOf([] { ParseRegistryPath("\\\\PC\\HKLM", RootPart); }).number(), 5);
    // The value name needs no backslash: it is the text after the last one, if any.
    EXPECT_EQ(textPart("HKCU", ValuePart), "HKCU");
}

TEST(RegistryErrors, NumbersAreTheBasePlusTheirOffsets)
{
    EXPECT_EQ(RegistryErrorBase, static_cast<std::int32_t>(0x80040000u));
    EXPECT_EQ(InvalidRootError, -2147221503);
    EXPECT_EQ(OpenKeyError, -2147221502);
    EXPECT_EQ(ConnectError, -2147221501);
    EXPECT_EQ(OpenRemoteKeyError, -2147221500);
    EXPECT_EQ(CreateKeyError, -2147221499);
    EXPECT_EQ(WriteValueError, -2147221496);
    EXPECT_EQ(ReadInfoError, -2147221495);
    EXPECT_EQ(DeleteKeyError, -2147221494);
    EXPECT_EQ(DeleteDefaultValueError, -2147221493);
}

// ---- Opening and creating keys ----

TEST_F(RegistryFixture, CreatedKeysOpenAndEveryHandleIsClosed)
{
    const std::string path = std::string(Base) + "Handles\\";
    EXPECT_EQ(registryErrorOf([&] { OpenRegistryKey(registry(), path, KeyReadAccess); }).number(),
              OpenKeyError);
    CloseRegistryKey(registry(), CreateRegistryKey(registry(), path, KeyWriteAccess));
    // Creating an existing key opens it.
    CloseRegistryKey(registry(), CreateRegistryKey(registry(), path, KeyWriteAccess));
    CloseRegistryKey(registry(), OpenRegistryKey(registry(), path, KeyReadAccess));
    EXPECT_EQ(recorder->openHandles(), 0u);

    const auto opens = recorder->callsOf("open");
    ASSERT_FALSE(opens.empty());
    EXPECT_EQ(opens.back().handle, HkeyCurrentUser);
    EXPECT_EQ(opens.back().text, "Software\\LullwickTest\\Handles\\");
    EXPECT_EQ(opens.back().number, KeyReadAccess);
}

TEST_F(RegistryFixture, UnreachableComputerRaisesTheConnectError)
{
    const std::string remote = "\\\\LULLWICK-NO-SUCH-HOST\\HKCU\\Software\\";
    const std::string message = "Unable to connect to remote computer '\\\\LULLWICK-NO-SUCH-HOST'";
    for (const auto& operation : std::initializer_list<std::function<void()>>{
             [&] { OpenRegistryKey(registry(), remote, KeyReadAccess); },
             [&] { ListRegistryKey(registry(), remote, 0); },
             [&] { DeleteRegistryEntry(registry(), remote + "Value", false); }}) {
        const RegistryError error = registryErrorOf(operation);
        EXPECT_EQ(error.number(), ConnectError);
        EXPECT_EQ(std::string(error.what()), message);
    }
    const auto connects = recorder->callsOf("connect");
    ASSERT_EQ(connects.size(), 3u);
    EXPECT_EQ(connects[0].text, "LULLWICK-NO-SUCH-HOST");
    EXPECT_EQ(connects[0].handle, HkeyCurrentUser);
}

// ---- Writing values ----

TEST_F(RegistryFixture, WriteTextStoresItWithOneNulCountedInTheLength)
{
    const std::string path = std::string(Base) + "Write\\Text";
    WriteRegistryValue(registry(), path, std::string("abc"), RegSz);

    const auto creates = recorder->callsOf("create");
    ASSERT_EQ(creates.size(), 1u);
    EXPECT_EQ(creates[0].handle, HkeyCurrentUser);
    EXPECT_EQ(creates[0].text, "Software\\LullwickTest\\Write\\");
    EXPECT_EQ(creates[0].number, KeyWriteAccess);
    const auto sets = recorder->callsOf("set");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].text, "Text");
    EXPECT_EQ(sets[0].number, 1u);
    EXPECT_EQ(sets[0].data, (Bytes{'a', 'b', 'c', 0}));

    const auto stored = storedValue(path);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, 1u);
    EXPECT_EQ(stored->data, (Bytes{'a', 'b', 'c', 0}));
    EXPECT_EQ(recorder->openHandles(), 0u);
}

TEST_F(RegistryFixture, WriteConvertsTextAndNumbersToTheTypesForm)
{
    struct Row {
        std::int32_t type;
        RegistryData value;
        Bytes stored;
    };
    const Row rows[] = {
        {RegBinary, std::int64_t{258}, {0x02, 0x01}},
        {RegBinary, std::string("-2"), {0xFE, 0xFF}},
        {RegBinary, std::string(" 12 "), {0x0C, 0x00}},
        {RegBinary, std::string("2.5"), {0x02, 0x00}}, // half to even
        {RegBinary, std::string("+3.5"), {0x04, 0x00}},
        {RegBinary, std::int64_t{-32768}, {0x00, 0x80}},
        {RegDword, std::int64_t{0x01020304}, {0x04, 0x03, 0x02, 0x01}},
        {RegDword, std::int64_t{-1}, {0xFF, 0xFF, 0xFF, 0xFF}},
        {RegDword, std::string("2147483647"), {0xFF, 0xFF, 0xFF, 0x7F}},
        {RegSz, std::int64_t{42}, {'4', '2', 0}},
        {RegSz, std::string(), {0}},
        {RegExpandSz, std::string("%TEMP%"), {'%', 'T', 'E', 'M', 'P', '%', 0}},
    };
    int index = 0;
    for (const Row& row : rows) {
        const std::string path = std::string(Base) + "Types\\V" + std::to_string(index++);
        SCOPED_TRACE(path);
        WriteRegistryValue(registry(), path, row.value, row.type);
        EXPECT_EQ(recorder->callsOf("set").back().data, row.stored);
        const auto stored = storedValue(path);
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->type, static_cast<std::uint32_t>(row.type));
        EXPECT_EQ(stored->data, row.stored);
    }
}

TEST_F(RegistryFixture, WriteRefusesValuesThatDoNotFitAfterCreatingTheKey)
{
    struct Row {
        std::int32_t type;
        RegistryData value;
        std::int32_t error;
    };
    const Row rows[] = {
        {RegBinary, std::int64_t{32768}, OverflowError},
        {RegBinary, std::int64_t{-32769}, OverflowError},
        {RegBinary, std::string("abc"), TypeMismatchError},
        {RegBinary, std::string("nan"), TypeMismatchError},
        {RegDword, std::int64_t{2147483648}, OverflowError},
        {RegDword, std::string("1e30"), OverflowError},
        {RegDword, std::string(""), TypeMismatchError},
        {RegDword, std::string("12abc"), TypeMismatchError},
        {RegDword, std::string("0x10"), TypeMismatchError},
        {RegDword, std::string("+-1"), TypeMismatchError},
    };
    const std::string path = std::string(Base) + "Range\\V";
    for (const Row& row : rows) {
        EXPECT_EQ(
            registryErrorOf([&] { WriteRegistryValue(registry(), path, row.value, row.type); }).number(),
            row.error);
    }
    EXPECT_TRUE(recorder->callsOf("set").empty());
    EXPECT_FALSE(storedValue(path));
    EXPECT_EQ(ListRegistryKey(registry(), Base, ListKeys), (std::vector<std::string>{"Range\\"}));
    EXPECT_EQ(recorder->openHandles(), 0u);
}

TEST_F(RegistryFixture, WriteWithAnUnknownTypeCreatesTheKeyThenFails)
{
    for (const std::int32_t type : {7, 0, 5}) {
        const RegistryError error = registryErrorOf(
            [&] { WriteRegistryValue(registry(), std::string(Base) + "Bad\\V", std::string("x"), type); });
        EXPECT_EQ(error.number(), 5);
        EXPECT_EQ(std::string(error.what()), InvalidArgumentMessage);
    }
    EXPECT_TRUE(recorder->callsOf("set").empty());
    EXPECT_EQ(ListRegistryKey(registry(), Base, 0), (std::vector<std::string>{"Bad\\"}));
    EXPECT_EQ(ListRegistryKey(registry(), std::string(Base) + "Bad\\", 0), std::nullopt);
    EXPECT_EQ(recorder->openHandles(), 0u);
}

TEST_F(RegistryFixture, RootNamesInAnyFormAddressTheSameValue)
{
    WriteRegistryValue(registry(), "hkcu\\Software\\LullwickTest\\Same\\X", std::string("one"), RegSz);
    WriteRegistryValue(registry(), "HKEY_CURRENT_USER\\Software\\LullwickTest\\Same\\X", std::string("two"),
                       RegSz);
    EXPECT_EQ(ListRegistryKey(registry(), std::string(Base) + "Same\\", ListValues),
              (std::vector<std::string>{"X"}));
    EXPECT_EQ(storedValue("HkCu\\Software\\LullwickTest\\Same\\X")->data, bytesOf(std::string("two") + '\0'));
}

TEST_F(RegistryFixture, SingleBackslashPathWritesDirectlyUnderTheRoot)
{
    const std::string path = "HKCU\\LullwickTestValue";
    WriteRegistryValue(registry(), path, std::int64_t{7}, RegDword);
    EXPECT_EQ(recorder->callsOf("create").at(0).text, "");
    EXPECT_EQ(storedValue(path)->data, (Bytes{7, 0, 0, 0}));
    DeleteRegistryEntry(registry(), path, false);
    EXPECT_FALSE(storedValue(path));
}

TEST_F(RegistryFixture, WriteIgnoresAComputerPrefix)
{
    WriteRegistryValue(registry(), "\\\\ELSEWHERE\\HKCU\\Software\\LullwickTest\\Remote\\V",
                       std::string("here"), RegSz);
    EXPECT_TRUE(recorder->callsOf("connect").empty());
    EXPECT_TRUE(storedValue(std::string(Base) + "Remote\\V"));
}

TEST_F(RegistryFixture, WriteReportsRefusedKeysAndValuesWithThePath)
{
    const std::string path = std::string(Base) + "Refused\\V";
    recorder->failures["create"] = RegistryStatus::AccessDenied;
    RegistryError error =
        registryErrorOf([&] { WriteRegistryValue(registry(), path, std::string("x"), RegSz); });
    EXPECT_EQ(error.number(), CreateKeyError);
    EXPECT_EQ(std::string(error.what()), "Unable to create registry key '" + path + "'");

    recorder->failures = {{"set", RegistryStatus::AccessDenied}};
    error = registryErrorOf([&] { WriteRegistryValue(registry(), path, std::string("x"), RegSz); });
    EXPECT_EQ(error.number(), WriteValueError);
    EXPECT_EQ(std::string(error.what()), "Unable to write registry value '" + path + "'");
    EXPECT_EQ(recorder->openHandles(), 0u);

    EXPECT_EQ(registryErrorOf([&] {
                  WriteRegistryValue(registry(), "HKXX\\A\\B", std::string("x"), RegSz);
              }).number(),
              InvalidRootError);
    EXPECT_EQ(
        registryErrorOf([&] { WriteRegistryValue(registry(), "HKCU", std::string("x"), RegSz); }).number(),
        5);
}

// ---- Listing keys ----

class RegistryListing : public RegistryFixture {
protected:
    // Sub-keys b, C and a; values y, X and the default value.
    void SetUp() override
    {
        RegistryFixture::SetUp();
        for (const char* name : {"b", "C", "a"})
            WriteRegistryValue(*backend, key + name + "\\inner", std::string("1"), RegSz);
        for (const char* name : {"y", "X", ""})
            WriteRegistryValue(*backend, key + name, std::string("2"), RegSz);
    }

    // Listing order is the registry's own: Wine sorts sub-keys and values by name, Windows
    // sorts sub-keys and keeps values in written order, the file store keeps both in written
    // order. Only ListSorted fixes it, so the other listings are compared as sets.
    static void expectListing(const RegistryList& list, std::vector<std::string> subKeys,
                              std::vector<std::string> values)
    {
        ASSERT_TRUE(list);
        ASSERT_EQ(list->size(), subKeys.size() + values.size());
        const std::vector<std::string> front(list->begin(), list->begin() + std::ssize(subKeys));
        const std::vector<std::string> back(list->begin() + std::ssize(subKeys), list->end());
        EXPECT_EQ(sortedNames(front), sortedNames(subKeys));
        EXPECT_EQ(sortedNames(back), sortedNames(values));
    }

    std::string key = std::string(Base) + "List\\";
};

TEST_F(RegistryListing, FlagsChooseSubKeysValuesAndTheDefaultValue)
{
    expectListing(ListRegistryKey(registry(), key, 0), {"a\\", "b\\", "C\\"}, {"X", "y"});
    expectListing(ListRegistryKey(registry(), key, ListDefaultValue), {"a\\", "b\\", "C\\"}, {"", "X", "y"});
    expectListing(ListRegistryKey(registry(), key, ListKeys), {"a\\", "b\\", "C\\"}, {});
    expectListing(ListRegistryKey(registry(), key, ListValues), {}, {"X", "y"});
    expectListing(ListRegistryKey(registry(), key, ListValues + ListDefaultValue), {}, {"", "X", "y"});
    EXPECT_EQ(recorder->openHandles(), 0u);
}

TEST_F(RegistryListing, InvalidFlagsAreRefusedBeforeTheKeyIsOpened)
{
    for (const int flags : {5, 13, 16, 17, 255}) {
        const RegistryError error =
            registryErrorOf([&] { ListRegistryKey(registry(), key, static_cast<std::uint8_t>(flags)); });
        EXPECT_EQ(error.number(), 5) << flags;
        EXPECT_EQ(std::string(error.what()), InvalidArgumentMessage);
    }
    EXPECT_TRUE(recorder->callsOf("open").empty());
}

TEST_F(RegistryListing, SortedListHasSubKeysThenValuesInCharacterCodeOrder)
{
    EXPECT_EQ(ListRegistryKey(registry(), key, ListSorted),
              (std::vector<std::string>{"C\\", "a\\", "b\\", "X", "y"}));
    EXPECT_EQ(ListRegistryKey(registry(), key, ListSorted + ListDefaultValue),
              (std::vector<std::string>{"C\\", "a\\", "b\\", "", "X", "y"}));
    EXPECT_EQ(ListRegistryKey(registry(), key, ListSorted + ListValues),
              (std::vector<std::string>{"X", "y"}));
}

TEST_F(RegistryListing, NothingToListGivesNoList)
{
    const std::string inner = key + "a\\";
    DeleteRegistryEntry(registry(), inner + "inner", false);
    EXPECT_EQ(ListRegistryKey(registry(), inner, 0), std::nullopt);
    // Only a default value: nothing without ListDefaultValue, the empty name with it.
    WriteRegistryValue(registry(), inner, std::string("d"), RegSz);
    EXPECT_EQ(ListRegistryKey(registry(), inner, 0), std::nullopt);
    EXPECT_EQ(ListRegistryKey(registry(), inner, ListDefaultValue), (std::vector<std::string>{""}));
    // Values only, sub-keys asked for.
    EXPECT_EQ(ListRegistryKey(registry(), inner, ListKeys), std::nullopt);
}

TEST_F(RegistryListing, PathWithoutTrailingBackslashListsThatKey)
{
    const std::string withoutBackslash = key.substr(0, key.size() - 1);
    EXPECT_EQ(ListRegistryKey(registry(), withoutBackslash, ListKeys + ListSorted),
              (std::vector<std::string>{"C\\", "a\\", "b\\"}));
    const auto opens = recorder->callsOf("open");
    ASSERT_EQ(opens.size(), 1u);
    EXPECT_EQ(opens[0].text, "Software\\LullwickTest\\List\\");
    EXPECT_EQ(opens[0].number, KeyReadAccess);

    // A path without any backslash lists the root itself.
    const RegistryList roots = ListRegistryKey(registry(), "HKCU", ListKeys);
    ASSERT_TRUE(roots);
    EXPECT_TRUE(std::any_of(roots->begin(), roots->end(), [](const std::string& name) {
        return name.size() == 9 && std::equal(name.begin(), name.end(), "SOFTWARE\\",
                                              [](char a, char b) { return std::toupper(a) == b; });
    }));
}

TEST_F(RegistryListing, MissingKeyRaisesTheOpenErrorWithTheListedPath)
{
    const RegistryError error =
        registryErrorOf([&] { ListRegistryKey(registry(), std::string(Base) + "Missing", 0); });
    EXPECT_EQ(error.number(), OpenKeyError);
    EXPECT_EQ(std::string(error.what()),
              "Unable to open registry key 'HKCU\\Software\\LullwickTest\\Missing\\'");
}

TEST_F(RegistryListing, UnreadableKeyRaisesTheReadError)
{
    const std::string message = "Unable to read information from registry key '" + key + "'";
    for (const auto& [operation, status] :
         std::vector<std::pair<std::string, std::int32_t>>{{"query", RegistryStatus::AccessDenied},
                                                           {"enumKey", RegistryStatus::NoMoreItems},
                                                           {"enumValue", RegistryStatus::MoreData}}) {
        recorder->failures = {{operation, status}};
        const RegistryError error =
            registryErrorOf([&] { ListRegistryKey(registry(), key.substr(0, key.size() - 1), 0); });
        EXPECT_EQ(error.number(), ReadInfoError) << operation;
        EXPECT_EQ(std::string(error.what()), message);
    }
    // MoreData for a sub-key is no failure when the name came with it (the class did not
    // fit), but without the name there is nothing to list.
    recorder->failures = {};
    recorder->resultsAfterRunning = {{"enumKey", RegistryStatus::MoreData}};
    EXPECT_EQ(ListRegistryKey(registry(), key, ListKeys + ListSorted),
              (std::vector<std::string>{"C\\", "a\\", "b\\"}));
    recorder->resultsAfterRunning = {};
    recorder->failures = {{"enumKey", RegistryStatus::MoreData}};
    EXPECT_EQ(registryErrorOf([&] { ListRegistryKey(registry(), key, ListKeys); }).number(), ReadInfoError);
    EXPECT_EQ(registryErrorOf([&] { DeleteRegistryEntry(registry(), key, false); }).number(), ReadInfoError);
    EXPECT_EQ(recorder->callsOf("deleteKey").size(), 0u);
    EXPECT_EQ(recorder->openHandles(), 0u);
}

// ---- Deleting values and keys ----

TEST_F(RegistryFixture, DeletingAValueLeavesTheOthers)
{
    const std::string key = std::string(Base) + "Del\\";
    WriteRegistryValue(registry(), key + "V", std::string("1"), RegSz);
    WriteRegistryValue(registry(), key + "W", std::string("2"), RegSz);
    DeleteRegistryEntry(registry(), key + "V", false);
    EXPECT_FALSE(storedValue(key + "V"));
    EXPECT_TRUE(storedValue(key + "W"));
    const auto opens = recorder->callsOf("open");
    ASSERT_EQ(opens.size(), 1u);
    EXPECT_EQ(opens[0].text, "Software\\LullwickTest\\Del\\");
    EXPECT_EQ(opens[0].number, KeyWriteAccess);
    EXPECT_EQ(recorder->callsOf("deleteValue").at(0).text, "V");

    // A value that is not there: no complaint.
    EXPECT_NO_THROW(DeleteRegistryEntry(registry(), key + "V", false));
    EXPECT_NO_THROW(DeleteRegistryEntry(registry(), key + "Never", false));
    EXPECT_EQ(recorder->openHandles(), 0u);
}

TEST_F(RegistryFixture, DeletingInAMissingKeyRaisesTheOpenError)
{
    for (const std::string& path : {std::string(Base) + "NoKey\\V", std::string(Base) + "NoKey\\"}) {
        const RegistryError error = registryErrorOf([&] { DeleteRegistryEntry(registry(), path, false); });
        EXPECT_EQ(error.number(), OpenKeyError);
        EXPECT_EQ(std::string(error.what()), "Unable to open registry key '" + path + "'");
    }
    EXPECT_EQ(registryErrorOf([&] { DeleteRegistryEntry(registry(), "HKCU", false); }).number(), 5);
}

TEST_F(RegistryFixture, DefaultValueDeletionReportsItsFailure)
{
    const std::string key = std::string(Base) + "Def\\";
    WriteRegistryValue(registry(), key + "Other", std::string("1"), RegSz);
    const RegistryError error = registryErrorOf([&] { DeleteRegistryEntry(registry(), key, true); });
    EXPECT_EQ(error.number(), DeleteDefaultValueError);
    EXPECT_EQ(std::string(error.what()),
              "Unable to delete registry key default value 'HKCU\\Software\\LullwickTest\\Def\\(Default)'");

    WriteRegistryValue(registry(), key, std::string("d"), RegSz);
    EXPECT_NO_THROW(DeleteRegistryEntry(registry(), key, true));
    EXPECT_FALSE(storedValue(key));
    EXPECT_TRUE(storedValue(key + "Other"));
    EXPECT_EQ(recorder->openHandles(), 0u);
}

TEST_F(RegistryFixture, DeletingAKeyRemovesEveryLevelBelowItChildrenFirst)
{
    const std::string tree = std::string(Base) + "Tree\\";
    for (const std::string key : {"a\\", "a\\b\\", "a\\b\\c\\", "a\\b\\c\\d\\", "a\\b2\\", "keep\\"})
        WriteRegistryValue(registry(), tree + key + "v", std::string("x"), RegSz);
    recorder->calls.clear();

    DeleteRegistryEntry(registry(), tree + "a\\", false);

    EXPECT_EQ(ListRegistryKey(registry(), tree, 0), (std::vector<std::string>{"keep\\"}));
    EXPECT_TRUE(storedValue(tree + "keep\\v"));
    std::vector<std::string> deleted;
    for (const auto& call : recorder->callsOf("deleteKey"))
        deleted.push_back(call.text);
    ASSERT_EQ(deleted.size(), 5u);
    const auto at = [&](const std::string& name) { return std::find(deleted.begin(), deleted.end(), name); };
    EXPECT_LT(at("d\\"), at("c\\"));
    EXPECT_LT(at("c\\"), at("b\\"));
    EXPECT_NE(at("b2\\"), deleted.end());
    EXPECT_EQ(deleted.back(), "a\\");
    EXPECT_EQ(recorder->openHandles(), 0u);
}

TEST_F(RegistryFixture, RootKeyIsNeverEmptied)
{
    WriteRegistryValue(registry(), std::string(Base) + "Stay\\v", std::string("x"), RegSz);
    recorder->calls.clear();
    // Should the refusal ever fail, the fake failures keep the registry intact.
    recorder->failures = {{"deleteKey", RegistryStatus::AccessDenied},
                          {"deleteValue", RegistryStatus::AccessDenied}};
    for (const std::string path : {"HKCU\\", "HKEY_CURRENT_USER\\", "\\\\PC\\HKCU\\"}) {
        const RegistryError error = registryErrorOf([&] { DeleteRegistryEntry(registry(), path, false); });
        EXPECT_EQ(error.number(), DeleteKeyError);
        EXPECT_EQ(std::string(error.what()), "Unable to delete registry key '" + path + "'");
    }
    EXPECT_TRUE(recorder->calls.empty());
    EXPECT_TRUE(storedValue(std::string(Base) + "Stay\\v"));
}

TEST_F(RegistryFixture, RefusedKeyDeletionNamesTheWholePath)
{
    const std::string key = std::string(Base) + "Fail\\";
    WriteRegistryValue(registry(), key + "v", std::string("x"), RegSz);
    recorder->failures["deleteKey"] = RegistryStatus::AccessDenied;
    const RegistryError error = registryErrorOf([&] { DeleteRegistryEntry(registry(), key, false); });
    EXPECT_EQ(error.number(), DeleteKeyError);
    EXPECT_EQ(std::string(error.what()), "Unable to delete registry key '" + key + "'");
    EXPECT_EQ(recorder->callsOf("open").back().text, "Software\\LullwickTest\\");
    EXPECT_EQ(recorder->callsOf("open").back().number, KeyWriteAccess);
    EXPECT_EQ(recorder->openHandles(), 0u);
}
