// The registry library as one table of operations, run in order on one registry: on the file
// store here, on the real registry under Wine (tests/windows). Each row gives what the
// operation returns or stores, or the error it raises; where the row says so, the registry
// calls it made; and after every row no key handle may be left open.
#include "desktop/registry/runvalue.h"
#include "registryfixture.h"

#include <optional>
#include <sstream>

using namespace modRegistry;

namespace {

struct Row {
    std::string operation; // parse, open, create, write, read, list, delete, deleteDefault, runData,
                           // setRun, clearRun
    std::string path;      // "~" stands for RegistryFixture::Base and "@" for the Run key, here
                           // and in the texts below
    RegistryData data = std::string();
    int number = 0; // the data type of a write, the flags of a list
    // What the operation gives, or "!number message" for the error it raises; the number of a
    // registry error counts from RegistryErrorBase.
    std::string result = {};
    // "call=code": that registry call answers code without running; "call+code": after running.
    std::string fault = {};
    // Every call to the registry but closing, counting and enumerating, in order.
    std::optional<std::string> calls = std::nullopt;
};

const std::string Overflow = "!6 Overflow", Mismatch = "!13 Type mismatch";
const std::string Invalid = "!5 Invalid procedure call or argument";
const std::string NoHost = "!3 Unable to connect to remote computer '\\\\LULLWICK-NO-SUCH-HOST'";
const std::string ListFailed = "!9 Unable to read information from registry key '~List\\'";

const std::vector<Row> rows = {
    // Paths cut into computer, root, key and value name, each root by either name.
    {"parse", "@Lullwick", {}, 0, "|80000002|Software\\Microsoft\\Windows\\CurrentVersion\\Run\\|Lullwick"},
    {"parse", "\\\\PC\\HKEY_CURRENT_CONFIG\\A\\B\\C", {}, 0, "PC|80000005|A\\B\\|C"},
    {"parse", "hkcu\\", {}, 0, "|80000001||"},
    {"parse", "hKeY_ClAsSeS_RoOt\\X", {}, 0, "|80000000||X"},
    {"parse", "HKEY_LOCAL_MACHINE\\X", {}, 0, "|80000002||X"},
    {"parse", "hkus\\X", {}, 0, "|80000003||X"},
    {"parse", "HKEY_PERFORMANCE_DATA\\X", {}, 0, "|80000004||X"},
    {"parse", "HKDD\\X", {}, 0, "|80000006||X"},
    {"parse", "HKU\\X", {}, 0, "!1 Invalid root in registry key 'HKU\\X'"},
    {"parse", "HKEY_LOCAL\\X", {}, 0, "!1 Invalid root in registry key 'HKEY_LOCAL\\X'"},
    {"parse", "\\\\PC\\HKLM", {}, 0, Invalid},

    // Keys opened and created, locally and on another computer.
    {"open", "~Keys\\", {}, 0, "!2 Unable to open registry key '~Keys\\'"},
    {"create", "~Keys\\", {}, 0, "", "", "create ~Keys\\ write"},
    {"create", "~Keys\\", {}, 0, ""},
    {"open", "~Keys\\", {}, 0, "", "", "open ~Keys\\ read"},
    {"open", "\\\\LULLWICK-NO-SUCH-HOST\\HKCU\\S\\", {}, 0, NoHost, "", "connect LULLWICK-NO-SUCH-HOST HKCU"},
    {"delete", "\\\\LULLWICK-NO-SUCH-HOST\\HKCU\\S\\V", {}, 0, NoHost},

    // Values written in each data type's form; data that does not fit its type writes nothing.
    {"write", "~W\\Text", "abc", RegSz, "1:\"abc\"", "", "create ~W\\ write,set Text 1"},
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
    {"write", "~Range\\V", 32768, RegBinary, Overflow},
    {"write", "~Range\\V", -32769, RegBinary, Overflow},
    {"write", "~Range\\V", "nan", RegBinary, Mismatch},
    {"write", "~Range\\V", 2147483648, RegDword, Overflow},
    {"write", "~Range\\V", "1e30", RegDword, Overflow},
    {"write", "~Range\\V", "", RegDword, Mismatch},
    {"write", "~Range\\V", "12abc", RegDword, Mismatch},
    {"write", "~Range\\V", "+-1", RegDword, Mismatch, "", "create ~Range\\ write"},
    {"write", "~Range\\V", "x", 7, Invalid},
    {"write", "~Range\\V", "x", 0, Invalid, "", "create ~Range\\ write"},
    {"read", "~Range\\V", {}, 0, "-"},
    // Any spelling of a root, a value right below a root, a computer prefix ignored.
    {"write", "hkcu\\Software\\LullwickTest\\Same\\X", "one", RegSz, "1:\"one\""},
    {"write", "HKEY_CURRENT_USER\\Software\\LullwickTest\\Same\\X", "two", RegSz, "1:\"two\""},
    {"list", "~Same\\", {}, ListValues, "| X"},
    {"write", "HKCU\\LullwickTestValue", 7, RegDword, "4:07000000", "",
     "create HKCU\\ write,set LullwickTestValue 4"},
    {"delete", "HKCU\\LullwickTestValue", {}, 0, ""},
    {"read", "HKCU\\LullwickTestValue", {}, 0, "-"},
    {"write", "\\\\ELSEWHERE\\~Remote\\V", "here", RegSz, "1:\"here\"", "", "create ~Remote\\ write,set V 1"},
    // Refusals name the whole path.
    {"write", "~Refused\\V", "x", RegSz, "!5 Unable to create registry key '~Refused\\V'", "create=5"},
    {"write", "~Refused\\V", "x", RegSz, "!8 Unable to write registry value '~Refused\\V'", "set=5"},
    {"write", "HKXX\\A\\B", "x", RegSz, "!1 Invalid root in registry key 'HKXX\\A\\B'"},
    {"write", "HKCU", "x", RegSz, Invalid},

    // Listing: sub-keys b, C, a and values y, X and the default value, written in that order.
    {"write", "~List\\b\\inner", "1", RegSz, "1:\"1\""},
    {"write", "~List\\C\\inner", "1", RegSz, "1:\"1\""},
    {"write", "~List\\a\\inner", "1", RegSz, "1:\"1\""},
    {"write", "~List\\y", "2", RegSz, "1:\"2\""},
    {"write", "~List\\X", "2", RegSz, "1:\"2\""},
    {"write", "~List\\", "2", RegSz, "1:\"2\""},
    {"list", "~List\\", {}, 0, "C\\ a\\ b\\ | X y", "", "open ~List\\ read"},
    {"list", "~List\\", {}, ListDefaultValue, "C\\ a\\ b\\ | (default) X y"},
    {"list", "~List\\", {}, ListKeys, "C\\ a\\ b\\ |"},
    {"list", "~List\\", {}, ListValues + ListDefaultValue, "| (default) X y"},
    {"list", "~List", {}, ListSorted + ListDefaultValue, "C\\,a\\,b\\,(default),X,y"},
    {"list", "~List\\", {}, ListSorted + ListValues, "X,y"},
    {"list", "~List\\", {}, 5, Invalid, "", ""},
    {"list", "~List\\", {}, 16, Invalid, "", ""},
    {"list", "~Missing", {}, 0, "!2 Unable to open registry key '~Missing\\'"},
    {"list", "~List", {}, 0, ListFailed, "query=5"},
    {"list", "~List\\", {}, 0, ListFailed, "enumKey=259"},
    {"list", "~List\\", {}, 0, ListFailed, "enumValue=234"},
    // MoreData with the name is no failure (the class did not fit); without it, it is.
    {"list", "~List\\", {}, ListKeys + ListSorted, "C\\,a\\,b\\", "enumKey+234"},
    {"delete", "~List\\", {}, 0, ListFailed, "enumKey=234", "open ~List\\ read"},
    // Nothing to list gives no list.
    {"delete", "~List\\a\\inner", {}, 0, ""},
    {"list", "~List\\a\\", {}, 0, "(nothing)"},
    {"write", "~List\\a\\", "d", RegSz, "1:\"d\""},
    {"list", "~List\\a\\", {}, 0, "(nothing)"},
    {"list", "~List\\a\\", {}, ListDefaultValue, "| (default)"},

    // Deleting values and keys.
    {"write", "~Del\\V", "1", RegSz, "1:\"1\""},
    {"write", "~Del\\W", "2", RegSz, "1:\"2\""},
    {"delete", "~Del\\V", {}, 0, "", "", "open ~Del\\ write,deleteValue V"},
    {"read", "~Del\\V", {}, 0, "-"},
    {"read", "~Del\\W", {}, 0, "1:\"2\""},
    {"delete", "~Del\\V", {}, 0, ""},
    {"delete", "~NoKey\\V", {}, 0, "!2 Unable to open registry key '~NoKey\\V'"},
    {"delete", "HKCU", {}, 0, Invalid},
    {"deleteDefault", "~Del\\", {}, 0, "!11 Unable to delete registry key default value '~Del\\(Default)'"},
    {"write", "~Del\\", "d", RegSz, "1:\"d\""},
    {"deleteDefault", "~Del\\", {}, 0, "", "", "open ~Del\\ write,deleteValue "},
    {"read", "~Del\\", {}, 0, "-"},
    {"read", "~Del\\W", {}, 0, "1:\"2\""},
    {"write", "~Tree\\a\\b\\c\\v", "x", RegSz, "1:\"x\""},
    {"write", "~Tree\\keep\\v", "x", RegSz, "1:\"x\""},
    {"delete", "~Tree\\a\\", {}, 0, ""},
    {"list", "~Tree\\", {}, 0, "keep\\ |"},
    {"write", "~Fail\\v", "x", RegSz, "1:\"x\""},
    {"delete", "~Fail\\", {}, 0, "!10 Unable to delete registry key '~Fail\\'", "deleteKey=5"},
    {"read", "~Fail\\v", {}, 0, "1:\"x\""},
    // A root is never emptied: refused before anything is asked of the registry.
    {"delete",
     "\\\\PC\\HKEY_CURRENT_USER\\",
     {},
     0,
     "!10 Unable to delete registry key '\\\\PC\\HKEY_CURRENT_USER\\'",
     "",
     ""},
    {"read", "~Tree\\keep\\v", {}, 0, "1:\"x\""},

    // The start-at-login value.
    {"runData", "C:/Apps/Lull/lullwick.bin", {}, 0, "C:\\Apps\\Lull\\lullwick.exe"},
    {"runData", "C:\\Apps\\lullwick", {}, 0, "C:\\Apps\\lullwick.exe"},
    {"runData", "C:\\my.app\\run.me.now", {}, 0, "C:\\my.app\\run.me.exe"},
    {"runData", "C:\\lullwick.EXE", {}, 0, "C:\\lullwick.exe"},
    {"setRun", "C:\\P F\\L.exe", {}, 0, "1:\"C:\\P F\\L.exe\"", "", "create @ write,set Lullwick 1"},
    {"clearRun", "", {}, 0, "-", "", "open @ write,deleteValue Lullwick"},
    {"clearRun", "", {}, 0, "-"},
    {"setRun", "C:\\L\\L.exe", {}, 0, "Unable to create registry key '@Lullwick'", "create=5"},
    {"setRun", "C:\\L\\L.exe", {}, 0, "Unable to write registry value '@Lullwick'", "set=5"},
    {"clearRun", "", {}, 0, "Unable to open registry key '@Lullwick'", "open=5"},
};

std::string expand(std::string text)
{
    const std::string runKey = std::string(RunValuePath).substr(0, std::string(RunValuePath).rfind('\\') + 1);
    for (std::size_t at = text.find_first_of("~@"); at != std::string::npos;
         at = text.find_first_of("~@", at))
        text.replace(at, 1, text[at] == '~' ? std::string(RegistryFixture::Base) : runKey);
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

std::string callText(const RecordingBackend::Call& call)
{
    const auto root = std::find_if(std::begin(RegistryRoots), std::end(RegistryRoots),
                                   [&](const RootName& name) { return name.handle == call.handle; });
    const std::string prefix = root == std::end(RegistryRoots) ? "" : std::string(root->abbreviation) + '\\';
    const std::string access = call.number == KeyReadAccess    ? " read"
                               : call.number == KeyWriteAccess ? " write"
                                                               : "";
    if (call.operation == "connect")
        return "connect " + call.text + ' ' + prefix.substr(0, 4);
    if (call.operation == "open" || call.operation == "create")
        return call.operation + ' ' + prefix + call.text + access;
    if (call.operation == "set")
        return "set " + call.text + ' ' + std::to_string(call.number);
    return call.operation + ' ' + call.text;
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
            return message.empty() ? storedValue(RunValuePath) : message;
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
    for (const Row& row : rows) {
        SCOPED_TRACE(row.operation + ' ' + row.path + " (" + std::to_string(row.number) + ')');
        recorder->calls.clear();
        if (const auto split = row.fault.find_first_of("=+"); split != std::string::npos)
            (row.fault[split] == '=' ? recorder->failing
                                     : recorder->answerAfterRunning)[row.fault.substr(0, split)] =
                std::stoi(row.fault.substr(split + 1));
        std::string result;
        try {
            result = perform(row);
        } catch (const RegistryError& error) {
            const std::int32_t number = error.number();
            result =
                '!' + std::to_string(number < 0 ? number - RegistryErrorBase : number) + ' ' + error.what();
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
