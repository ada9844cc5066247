// The registry library as one table of operations, run in order on one registry: on the file
// store here, on the real registry under Wine (tests/windows). Each row gives what the
// operation returns or stores, or the error it raises; where the row says so, the registry
// calls it made; and after every row no key handle may be left open.
#include "desktop/registry/runvalue.h"
#include "registryfixture.h"

#include <map>
#include <optional>
#include <sstream>

using namespace modRegistry;

namespace {

constexpr char RunKey[] = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\";

struct Row {
    std::string operation; // parse, part, open, create, write, read, list, delete, deleteDefault,
                           // runData, setRun, clearRun
    std::string path;      // "~" stands for RegistryFixture::Base, here and in the texts below
    RegistryData data = std::string();
    int number = 0; // the data type of a write, the flags of a list, the selector of a part
    // What the operation gives, or "!error message" for the error it raises.
    std::string result = {};
    // Every call to the registry but closing, counting and enumerating, in order.
    std::optional<std::string> calls = std::nullopt;
    std::map<std::string, std::int32_t> failing = {};
    std::map<std::string, std::int32_t> answerAfterRunning = {};
};

const std::vector<Row>& rows()
{
    using Fail = std::map<std::string, std::int32_t>;
    const std::string sub = "~List\\";
    static const std::vector<Row> table = {
        // Paths cut into computer, root, key and value name.
        {"parse",
         RunKey + std::string("Lullwick"),
         {},
         0,
         "|80000002|Software\\Microsoft\\Windows\\CurrentVersion\\Run\\|Lullwick"},
        {"parse", "hkcu\\Software\\Demo\\", {}, 0, "|80000001|Software\\Demo\\|"},
        {"parse",
         "\\\\COMPUTER\\HKLM\\Software\\Demo\\Item",
         {},
         0,
         "COMPUTER|80000002|Software\\Demo\\|Item"},
        {"parse", "\\\\PC\\HKEY_CURRENT_CONFIG\\A\\B\\C", {}, 0, "PC|80000005|A\\B\\|C"},
        {"parse", "HKCU\\", {}, 0, "|80000001||"},
        {"parse", "hKeY_ClAsSeS_RoOt\\X", {}, 0, "|80000000||X"},
        {"parse", "HKEY_LOCAL_MACHINE\\X", {}, 0, "|80000002||X"},
        {"parse", "hkus\\X", {}, 0, "|80000003||X"},
        {"parse", "HKEY_USERS\\X", {}, 0, "|80000003||X"},
        {"parse", "HKPD\\X", {}, 0, "|80000004||X"},
        {"parse", "HKEY_PERFORMANCE_DATA\\X", {}, 0, "|80000004||X"},
        {"parse", "HKCC\\X", {}, 0, "|80000005||X"},
        {"parse", "HKDD\\X", {}, 0, "|80000006||X"},
        {"parse", "HKEY_DYN_DATA\\X", {}, 0, "|80000006||X"},
        {"parse",
         "HKU\\Software\\X",
         {},
         0,
         "!InvalidRootError Invalid root in registry key 'HKU\\Software\\X'"},
        {"parse", "\\\\PC\\HKU\\X", {}, 0, "!InvalidRootError Invalid root in registry key '\\\\PC\\HKU\\X'"},
        {"parse", "HKEY_LOCAL\\X", {}, 0, "!InvalidRootError Invalid root in registry key 'HKEY_LOCAL\\X'"},
        {"parse", "HKCU", {}, 0, "!5 Invalid procedure call or argument"},
        {"parse", "\\\\PC\\HKLM", {}, 0, "!5 Invalid procedure call or argument"},
        {"part", "HKCU\\X", {}, 0, "!5 Invalid procedure call or argument"},
        {"part", "HKCU\\X", {}, 5, "!5 Invalid procedure call or argument"},
        {"part", "HKCU", {}, ValuePart, "HKCU"},

        // Keys opened and created, locally and on another computer.
        {"open", "~Keys\\", {}, 0, "!OpenKeyError Unable to open registry key '~Keys\\'"},
        {"create", "~Keys\\", {}, 0, "", "create ~Keys\\ write"},
        {"create", "~Keys\\", {}, 0, "", "create ~Keys\\ write"},
        {"open", "~Keys\\", {}, 0, "", "open ~Keys\\ read"},
        {"open",
         "\\\\LULLWICK-NO-SUCH-HOST\\HKCU\\Software\\",
         {},
         0,
         "!ConnectError Unable to connect to remote computer '\\\\LULLWICK-NO-SUCH-HOST'",
         "connect LULLWICK-NO-SUCH-HOST HKCU"},
        {"list",
         "\\\\LULLWICK-NO-SUCH-HOST\\HKCU\\Software\\",
         {},
         0,
         "!ConnectError Unable to connect to remote computer '\\\\LULLWICK-NO-SUCH-HOST'"},
        {"delete",
         "\\\\LULLWICK-NO-SUCH-HOST\\HKCU\\Software\\V",
         {},
         0,
         "!ConnectError Unable to connect to remote computer '\\\\LULLWICK-NO-SUCH-HOST'"},

        // Values written in each data type's form.
        {"write", "~W\\Text", "abc", RegSz, "1:\"abc\"", "create ~W\\ write,set Text 1"},
        {"write", "~W\\B1", 258, RegBinary, "3:0201"},
        {"write", "~W\\B2", "-2", RegBinary, "3:FEFF"},
        {"write", "~W\\B3", " 12 ", RegBinary, "3:0C00"},
        {"write", "~W\\B4", "2.5", RegBinary, "3:0200"},
        {"write", "~W\\B5", "+3.5", RegBinary, "3:0400"},
        {"write", "~W\\B6", -32768, RegBinary, "3:0080"},
        {"write", "~W\\D1", 0x01020304, RegDword, "4:04030201"},
        {"write", "~W\\D2", -1, RegDword, "4:FFFFFFFF"},
        {"write", "~W\\D3", "2147483647", RegDword, "4:FFFFFF7F"},
        {"write", "~W\\S1", 42, RegSz, "1:\"42\""},
        {"write", "~W\\S2", "", RegSz, "1:\"\""},
        {"write", "~W\\E", "%TEMP%", RegExpandSz, "2:\"%TEMP%\""},
        {"write", "~W\\B1", "7", RegDword, "4:07000000"},
        // Data that does not fit its type: the key is created, no value is written.
        {"write", "~Range\\V", 32768, RegBinary, "!6 Overflow"},
        {"write", "~Range\\V", -32769, RegBinary, "!6 Overflow"},
        {"write", "~Range\\V", "abc", RegBinary, "!13 Type mismatch"},
        {"write", "~Range\\V", "nan", RegBinary, "!13 Type mismatch"},
        {"write", "~Range\\V", 2147483648, RegDword, "!6 Overflow"},
        {"write", "~Range\\V", "1e30", RegDword, "!6 Overflow"},
        {"write", "~Range\\V", "", RegDword, "!13 Type mismatch"},
        {"write", "~Range\\V", "12abc", RegDword, "!13 Type mismatch"},
        {"write", "~Range\\V", "0x10", RegDword, "!13 Type mismatch"},
        {"write", "~Range\\V", "+-1", RegDword, "!13 Type mismatch", "create ~Range\\ write"},
        {"write", "~Range\\V", "x", 7, "!5 Invalid procedure call or argument"},
        {"write", "~Range\\V", "x", 0, "!5 Invalid procedure call or argument", "create ~Range\\ write"},
        {"read", "~Range\\V", {}, 0, "-"},
        {"list", "~Range\\", {}, 0, "(nothing)"},
        // Any spelling of a root, a value right below a root, a computer prefix ignored.
        {"write", "hkcu\\Software\\LullwickTest\\Same\\X", "one", RegSz, "1:\"one\""},
        {"write", "HKEY_CURRENT_USER\\Software\\LullwickTest\\Same\\X", "two", RegSz, "1:\"two\""},
        {"list", "~Same\\", {}, ListValues, "| X"},
        {"write", "HKCU\\LullwickTestValue", 7, RegDword, "4:07000000",
         "create HKCU\\ write,set LullwickTestValue 4"},
        {"delete", "HKCU\\LullwickTestValue", {}, 0, ""},
        {"read", "HKCU\\LullwickTestValue", {}, 0, "-"},
        {"write", "\\\\ELSEWHERE\\~Remote\\V", "here", RegSz, "1:\"here\"", "create ~Remote\\ write,set V 1"},
        // Refusals name the whole path.
        {"write",
         "~Refused\\V",
         "x",
         RegSz,
         "!CreateKeyError Unable to create registry key '~Refused\\V'",
         {},
         Fail{{"create", RegistryStatus::AccessDenied}}},
        {"write",
         "~Refused\\V",
         "x",
         RegSz,
         "!WriteValueError Unable to write registry value '~Refused\\V'",
         {},
         Fail{{"set", RegistryStatus::AccessDenied}}},
        {"write", "HKXX\\A\\B", "x", RegSz, "!InvalidRootError Invalid root in registry key 'HKXX\\A\\B'"},
        {"write", "HKCU", "x", RegSz, "!5 Invalid procedure call or argument"},

        // Listing: sub-keys b, C, a and values y, X and the default value, written in that order.
        {"write", sub + "b\\inner", "1", RegSz, "1:\"1\""},
        {"write", sub + "C\\inner", "1", RegSz, "1:\"1\""},
        {"write", sub + "a\\inner", "1", RegSz, "1:\"1\""},
        {"write", sub + "y", "2", RegSz, "1:\"2\""},
        {"write", sub + "X", "2", RegSz, "1:\"2\""},
        {"write", sub, "2", RegSz, "1:\"2\""},
        {"list", sub, {}, 0, "C\\ a\\ b\\ | X y", "open ~List\\ read"},
        {"list", sub, {}, ListDefaultValue, "C\\ a\\ b\\ | (default) X y"},
        {"list", sub, {}, ListKeys, "C\\ a\\ b\\ |"},
        {"list", sub, {}, ListValues, "| X y"},
        {"list", sub, {}, ListValues + ListDefaultValue, "| (default) X y"},
        {"list", sub, {}, ListSorted, "C\\,a\\,b\\,X,y"},
        {"list", sub, {}, ListSorted + ListDefaultValue, "C\\,a\\,b\\,(default),X,y"},
        {"list", sub, {}, ListSorted + ListValues, "X,y"},
        {"list", "~List", {}, ListSorted + ListKeys, "C\\,a\\,b\\", "open ~List\\ read"},
        {"list", sub, {}, 5, "!5 Invalid procedure call or argument", ""},
        {"list", sub, {}, 13, "!5 Invalid procedure call or argument", ""},
        {"list", sub, {}, 16, "!5 Invalid procedure call or argument", ""},
        {"list", sub, {}, 255, "!5 Invalid procedure call or argument", ""},
        {"list", "~Missing", {}, 0, "!OpenKeyError Unable to open registry key '~Missing\\'"},
        {"list",
         "~List",
         {},
         0,
         "!ReadInfoError Unable to read information from registry key '~List\\'",
         {},
         Fail{{"query", RegistryStatus::AccessDenied}}},
        {"list",
         sub,
         {},
         0,
         "!ReadInfoError Unable to read information from registry key '~List\\'",
         {},
         Fail{{"enumKey", RegistryStatus::NoMoreItems}}},
        {"list",
         sub,
         {},
         0,
         "!ReadInfoError Unable to read information from registry key '~List\\'",
         {},
         Fail{{"enumValue", RegistryStatus::MoreData}}},
        // MoreData with the name is no failure (the class did not fit); without it, it is.
        {"list",
         sub,
         {},
         ListKeys + ListSorted,
         "C\\,a\\,b\\",
         {},
         {},
         Fail{{"enumKey", RegistryStatus::MoreData}}},
        {"list",
         sub,
         {},
         ListKeys,
         "!ReadInfoError Unable to read information from registry key '~List\\'",
         {},
         Fail{{"enumKey", RegistryStatus::MoreData}}},
        {"delete",
         sub,
         {},
         0,
         "!ReadInfoError Unable to read information from registry key '~List\\'",
         "open ~List\\ read",
         Fail{{"enumKey", RegistryStatus::MoreData}}},
        // Nothing to list gives no list.
        {"delete", sub + "a\\inner", {}, 0, ""},
        {"list", sub + "a\\", {}, 0, "(nothing)"},
        {"write", sub + "a\\", "d", RegSz, "1:\"d\""},
        {"list", sub + "a\\", {}, 0, "(nothing)"},
        {"list", sub + "a\\", {}, ListDefaultValue, "| (default)"},
        {"list", sub + "a\\", {}, ListKeys, "(nothing)"},

        // Deleting values and keys.
        {"write", "~Del\\V", "1", RegSz, "1:\"1\""},
        {"write", "~Del\\W", "2", RegSz, "1:\"2\""},
        {"delete", "~Del\\V", {}, 0, "", "open ~Del\\ write,deleteValue V"},
        {"read", "~Del\\V", {}, 0, "-"},
        {"read", "~Del\\W", {}, 0, "1:\"2\""},
        {"delete", "~Del\\V", {}, 0, ""},
        {"delete", "~Del\\Never", {}, 0, ""},
        {"delete", "~NoKey\\V", {}, 0, "!OpenKeyError Unable to open registry key '~NoKey\\V'"},
        {"delete", "~NoKey\\", {}, 0, "!OpenKeyError Unable to open registry key '~NoKey\\'"},
        {"delete", "HKCU", {}, 0, "!5 Invalid procedure call or argument"},
        {"deleteDefault",
         "~Del\\",
         {},
         0,
         "!DeleteDefaultValueError Unable to delete registry key default value '~Del\\(Default)'"},
        {"write", "~Del\\", "d", RegSz, "1:\"d\""},
        {"deleteDefault", "~Del\\", {}, 0, "", "open ~Del\\ write,deleteValue "},
        {"read", "~Del\\", {}, 0, "-"},
        {"read", "~Del\\W", {}, 0, "1:\"2\""},
        {"write", "~Tree\\a\\b\\c\\v", "x", RegSz, "1:\"x\""},
        {"write", "~Tree\\keep\\v", "x", RegSz, "1:\"x\""},
        {"delete",
         "~Tree\\a\\",
         {},
         0,
         "",
         "open ~Tree\\a\\ read,open ~Tree\\a\\b\\ read,open ~Tree\\a\\b\\c\\ read,open ~Tree\\a\\b\\ "
         "write,deleteKey c\\,"
         "open ~Tree\\a\\ write,deleteKey b\\,open ~Tree\\ write,deleteKey a\\"},
        {"list", "~Tree\\", {}, 0, "keep\\ |"},
        {"write", "~Fail\\v", "x", RegSz, "1:\"x\""},
        {"delete",
         "~Fail\\",
         {},
         0,
         "!DeleteKeyError Unable to delete registry key '~Fail\\'",
         "open ~Fail\\ read,open ~ write,deleteKey Fail\\",
         Fail{{"deleteKey", RegistryStatus::AccessDenied}}},
        {"read", "~Fail\\v", {}, 0, "1:\"x\""},
        {"read", "~Tree\\keep\\v", {}, 0, "1:\"x\""},
        // A root is never emptied: refused before anything is asked of the registry.
        {"delete",
         "HKCU\\",
         {},
         0,
         "!DeleteKeyError Unable to delete registry key 'HKCU\\'",
         "",
         Fail{{"deleteKey", 5}, {"deleteValue", 5}}},
        {"delete",
         "HKEY_CURRENT_USER\\",
         {},
         0,
         "!DeleteKeyError Unable to delete registry key 'HKEY_CURRENT_USER\\'",
         "",
         Fail{{"deleteKey", 5}, {"deleteValue", 5}}},
        {"delete",
         "\\\\PC\\HKCU\\",
         {},
         0,
         "!DeleteKeyError Unable to delete registry key '\\\\PC\\HKCU\\'",
         "",
         Fail{{"deleteKey", 5}, {"deleteValue", 5}}},
        {"read", "~Tree\\keep\\v", {}, 0, "1:\"x\""},

        // The start-at-login value.
        {"runData",
         "C:\\Program Files\\Lullwick\\Lullwick.exe",
         {},
         0,
         "C:\\Program Files\\Lullwick\\Lullwick.exe"},
        {"runData", "C:/Apps/Lull/lullwick.bin", {}, 0, "C:\\Apps\\Lull\\lullwick.exe"},
        {"runData", "C:\\Apps\\lullwick", {}, 0, "C:\\Apps\\lullwick.exe"},
        {"runData", "C:\\my.app\\run.me.now", {}, 0, "C:\\my.app\\run.me.exe"},
        {"runData", "C:\\lullwick.EXE", {}, 0, "C:\\lullwick.exe"},
        {"runData", "D:\\tools\\.hidden", {}, 0, "D:\\tools\\.hidden.exe"},
        {"setRun",
         "C:\\Program Files\\Lullwick\\Lullwick.exe",
         {},
         0,
         "1:\"C:\\Program Files\\Lullwick\\Lullwick.exe\"",
         "create " + std::string(RunKey) + " write,set Lullwick 1"},
        {"setRun", "D:/Moved/lullwick.bin", {}, 0, "1:\"D:\\Moved\\lullwick.exe\""},
        {"clearRun", "", {}, 0, "-", "open " + std::string(RunKey) + " write,deleteValue Lullwick"},
        {"clearRun", "", {}, 0, "-"},
        {"setRun",
         "C:\\L\\L.exe",
         {},
         0,
         "Unable to create registry key '" + std::string(RunKey) + "Lullwick'",
         {},
         Fail{{"create", 5}}},
        {"setRun",
         "C:\\L\\L.exe",
         {},
         0,
         "Unable to write registry value '" + std::string(RunKey) + "Lullwick'",
         {},
         Fail{{"set", 5}}},
        {"clearRun",
         "",
         {},
         0,
         "Unable to open registry key '" + std::string(RunKey) + "Lullwick'",
         {},
         Fail{{"open", 5}}},

    };
    return table;
}

std::string expand(std::string text)
{
    for (std::size_t at = text.find('~'); at != std::string::npos; at = text.find('~', at))
        text.replace(at, 1, RegistryFixture::Base);
    return text;
}

std::string join(const std::vector<std::string>& names, const char* separator)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : separator) + (name.empty() ? std::string("(default)") : name);
    return text;
}

// A list as text: in its own order when sorted; otherwise sub-keys, "|", values, each group
// put in order here, as every registry enumerates in an order of its own.
std::string listText(const RegistryList& list, int flags)
{
    if (!list)
        return "(nothing)";
    if ((flags & ListSorted) != 0)
        return join(*list, ",");
    std::vector<std::string> keys;
    std::vector<std::string> values;
    for (const std::string& name : *list)
        (name.ends_with('\\') ? keys : values).push_back(name);
    std::sort(keys.begin(), keys.end());
    std::sort(values.begin(), values.end());
    return join(keys, " ") + (keys.empty() ? "|" : " |") + (values.empty() ? "" : " " + join(values, " "));
}

std::string rootPrefix(RegistryHandle handle)
{
    const auto root = std::find_if(std::begin(RegistryRoots), std::end(RegistryRoots),
                                   [&](const RootName& name) { return name.handle == handle; });
    return root == std::end(RegistryRoots) ? std::string() : std::string(root->abbreviation) + '\\';
}

std::string callText(const RecordingBackend::Call& call)
{
    const std::string access = call.number == KeyReadAccess    ? " read"
                               : call.number == KeyWriteAccess ? " write"
                                                               : "";
    if (call.operation == "connect")
        return "connect " + call.text + ' ' + rootPrefix(call.handle).substr(0, 4);
    if (call.operation == "open" || call.operation == "create")
        return call.operation + ' ' + rootPrefix(call.handle) + call.text + access;
    if (call.operation == "set")
        return "set " + call.text + ' ' + std::to_string(call.number);
    return call.operation + ' ' + call.text;
}

std::string errorName(std::int32_t number)
{
    const std::pair<std::int32_t, const char*> names[] = {
        {InvalidRootError, "InvalidRootError"},
        {OpenKeyError, "OpenKeyError"},
        {ConnectError, "ConnectError"},
        {OpenRemoteKeyError, "OpenRemoteKeyError"},
        {CreateKeyError, "CreateKeyError"},
        {WriteValueError, "WriteValueError"},
        {ReadInfoError, "ReadInfoError"},
        {DeleteKeyError, "DeleteKeyError"},
        {DeleteDefaultValueError, "DeleteDefaultValueError"}};
    const auto found = std::find_if(std::begin(names), std::end(names),
                                    [&](const auto& entry) { return entry.first == number; });
    return found == std::end(names) ? std::to_string(number) : found->second;
}

} // namespace

class RegistryTable : public RegistryFixture {
protected:
    std::string perform(const Row& row)
    {
        const std::string path = expand(row.path);
        if (row.operation == "parse") {
            std::ostringstream parts;
            parts << std::get<std::string>(ParseRegistryPath(path, ComputerPart)) << '|' << std::hex
                  << std::get<RegistryHandle>(ParseRegistryPath(path, RootPart)) << '|'
                  << std::get<std::string>(ParseRegistryPath(path, KeyPart)) << '|'
                  << std::get<std::string>(ParseRegistryPath(path, ValuePart));
            return parts.str();
        }
        if (row.operation == "part")
            return std::get<std::string>(ParseRegistryPath(path, row.number));
        if (row.operation == "open")
            CloseRegistryKey(registry(), OpenRegistryKey(registry(), path, KeyReadAccess));
        else if (row.operation == "create")
            CloseRegistryKey(registry(), CreateRegistryKey(registry(), path, KeyWriteAccess));
        else if (row.operation == "write")
            WriteRegistryValue(registry(), path, row.data, row.number);
        else if (row.operation == "list")
            return listText(ListRegistryKey(registry(), path, static_cast<std::uint8_t>(row.number)),
                            row.number);
        else if (row.operation == "delete" || row.operation == "deleteDefault")
            DeleteRegistryEntry(registry(), path, row.operation == "deleteDefault");
        else if (row.operation == "runData")
            return RunValueData(path);
        else if (row.operation == "setRun" || row.operation == "clearRun") {
            const std::string message =
                row.operation == "setRun" ? SetRunValue(registry(), path) : ClearRunValue(registry());
            return message.empty() ? storedValue(std::string(RunKey) + "Lullwick") : message;
        }
        return row.operation == "write" || row.operation == "read" ? storedValue(path) : std::string();
    }

    // The recorded calls but closing, counting and enumerating, as text.
    std::string calls() const
    {
        std::string text;
        for (const auto& call : recorder->calls) {
            if (call.operation != "close" && call.operation != "query" && !call.operation.starts_with("enum"))
                text += (text.empty() ? "" : ",") + callText(call);
        }
        return text;
    }
};

TEST_F(RegistryTable, EachOperationGivesItsResultOrItsError)
{
    for (const Row& row : rows()) {
        SCOPED_TRACE(row.operation + ' ' + row.path + " (" + std::to_string(row.number) + ')');
        recorder->calls.clear();
        recorder->failing = row.failing;
        recorder->answerAfterRunning = row.answerAfterRunning;
        std::string result;
        try {
            result = perform(row);
        } catch (const RegistryError& error) {
            result = '!' + errorName(error.number()) + ' ' + error.what();
        }
        recorder->failing.clear();
        recorder->answerAfterRunning.clear();
        EXPECT_EQ(result, expand(row.result));
        if (row.calls) {
            EXPECT_EQ(calls(), expand(*row.calls));
        }
        EXPECT_TRUE(recorder->open.empty()) << "a key handle was left open";
    }
}
