// The registry library as one table of operations run in order on one registry: the file store
// here, the real registry under Wine (tests/windows).
#include "desktop/registry/runvalue.h"
#include "registryfixture.h"

using namespace modRegistry;

namespace {

struct Row {
    std::string operation; // write, list, delete, deleteDefault, runData, setRun, clearRun
    std::string path;
    std::string result; // what the operation gives, or "!number message" of its error
    RegistryData data = {};
    int number = 0; // the data type of a write, the flags of a list
};

const std::string W = std::string(RegistryFixture::Base) + "W\\";
// Where Windows looks for programs to start at anyone's login.
const std::string RunPath = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Lullwick";
const std::string Odd = W + "k=[%;]\t\xE9\\"; // a sub-key holding only its default value
const std::string Invalid = "!5 Invalid procedure call or argument", Overflow = "!6 Overflow";
const std::string Mismatch = "!13 Type mismatch";

const Row rows[] = {
    // Each data type's form, under any spelling of the path; data that does not fit writes nothing.
    {"write", W + "v=[%;]\xE9", "1:\"line\nnext\r\n\"", "line\nnext\r\n", RegSz},
    {"write", "\\\\PC\\" + Odd, "1:\"42\"", 42, RegSz},
    {"write", W + "E", "2:\"%TEMP%\"", "%TEMP%", RegExpandSz},
    {"write", W + "B", "3:0080", " -32768\t", RegBinary},
    {"write", W + "b", "3:0200", "+2.5", RegBinary},
    {"write", W + "D", "4:FFFFFFFF", -1, RegDword},
    {"write", "hkey_current_user\\SOFTWARE\\lullwicktest\\w\\d", "4:FFFFFF7F", "2147483647", RegDword},
    {"write", W + "V", Overflow, 32768, RegBinary},
    {"write", W + "V", Overflow, -32769, RegBinary},
    {"write", W + "V", Overflow, 2147483648, RegDword},
    {"write", W + "V", Overflow, "1e30", RegDword},
    {"write", W + "V", Mismatch, "nan", RegBinary},
    {"write", W + "V", Mismatch, "12abc", RegDword},
    {"write", W + "V", Mismatch, "+-1", RegDword},
    {"write", W + "V", Mismatch, "", RegDword},
    {"write", W + "V", Invalid, "x", 0},
    {"write", "HKPD\\X\\V", "!5 Unable to create registry key 'HKPD\\X\\V'", "x", RegSz},
    {"write", "HKU\\X", "!1 Invalid root in registry key 'HKU\\X'", "x", RegSz},
    {"write", "\\\\PC\\HKCU", Invalid, "x", RegSz},
    {"list", "\\\\NOPC\\HKCU\\S\\", "!3 Unable to connect to remote computer '\\\\NOPC'"},
    // Sub-keys stay in front of values, each group in order of character codes.
    {"list", W, "k=[%;]\t\xE9\\,B,D,E,v=[%;]\xE9", {}, ListSorted + ListDefaultValue},
    {"list", W, "k=[%;]\t\xE9\\", {}, ListKeys},
    {"list", Odd, "(nothing)"},
    {"list", Odd, "(default)", {}, ListValues + ListDefaultValue},
    {"list", W, Invalid, {}, 5},
    {"list", W, Invalid, {}, 16},
    {"list", W + "Missing\\", "!2 Unable to open registry key '" + W + "Missing\\'"},
    // Deleting; a named value that is not there is no error, a root is never emptied.
    {"delete", W + "E", "-"},
    {"delete", W + "E", "-"},
    {"deleteDefault", Odd, "-"},
    {"deleteDefault", Odd, "!11 Unable to delete registry key default value '" + Odd + "(Default)'"},
    {"write", Odd + "a\\b\\", "1:\"x\"", "x", RegSz},
    {"delete", Odd, "-"},
    {"delete", "\\\\PC\\HKCU\\", "!10 Unable to delete registry key '\\\\PC\\HKCU\\'"},
    {"list", W, "B,D,v=[%;]\xE9"},
    // The start-at-login value: setRun and clearRun give their message, then the value.
    {"runData", "C:/my.app/run.me.now", "C:\\my.app\\run.me.exe"},
    {"runData", "C:\\Apps\\lullwick", "C:\\Apps\\lullwick.exe"},
    {"runData", "C:\\Apps\\.lullwick", "C:\\Apps\\.lullwick.exe"},
    {"setRun", "C:\\P F\\L.exe", "1:\"C:\\P F\\L.exe\""},
    {"clearRun", "", "-"},
    {"clearRun", "", "-"},
    {"delete", RunPath.substr(0, RunPath.rfind('\\') + 1), "-"},
    {"clearRun", "", "Unable to open registry key '" + RunPath + "'-"},
};

} // namespace

using RegistryTable = RegistryFixture;

TEST_F(RegistryTable, EachOperationGivesItsResultOrItsError)
{
    const auto perform = [this](const Row& row) -> std::string {
        if (row.operation == "list")
            return listed(row.path, row.number);
        if (row.operation == "runData")
            return RunValueData(row.path);
        if (row.operation.ends_with("Run"))
            return (row.operation == "setRun" ? SetRunValue(*registry, row.path) : ClearRunValue(*registry))
                .append(storedValue(RunPath));
        if (row.operation == "write")
            WriteRegistryValue(*registry, row.path, row.data, row.number);
        else
            DeleteRegistryEntry(*registry, row.path, row.operation == "deleteDefault");
        return storedValue(row.path);
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.operation + ' ' + row.path + ' ' + std::to_string(row.number));
        std::string result;
        try {
            result = perform(row);
        } catch (const RegistryError& error) {
            result = '!' + std::to_string(error.number() - (error.number() < 0 ? RegistryErrorBase : 0)) +
                     ' ' + error.what();
        }
        EXPECT_EQ(result, row.result);
    }
}
