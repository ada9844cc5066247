#include "registryfixture.h"

#include <windows.h>

using namespace modRegistry;

// Wine reaches only its own computer by name; there a remote path is a real connection, and
// the remote root and every key opened through it are closed again.
TEST_F(RegistryFixture, RemotePathOnThisComputerOpensKeysThroughAConnection)
{
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD length = sizeof name;
    ASSERT_TRUE(GetComputerNameA(name, &length));
    const std::string remote = "\\\\" + std::string(name) + "\\HKCU\\Software\\LullwickTest\\";

    const RegistryError error =
        registryErrorOf([&] { OpenRegistryKey(registry(), remote + "Missing\\", KeyReadAccess); });
    EXPECT_EQ(error.number(), OpenRemoteKeyError);
    EXPECT_EQ(std::string(error.what()), "Unable to open remote registry key '" + remote + "Missing\\'");
    WriteRegistryValue(registry(), std::string(Base) + "There\\v", "x", RegSz);
    EXPECT_EQ(ListRegistryKey(registry(), remote + "There\\", 0), (std::vector<std::string>{"v"}));
    EXPECT_TRUE(recorder->open.empty());
}
