#include "desktop/registry/modregistry.h"
#include "registryfixture.h"
#include "registrytesthelpers.h"

#include <windows.h>

using namespace modRegistry;

// Wine reaches only its own computer by name; there the remote path is a real connection.
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

    WriteRegistryValue(registry(), std::string(Base) + "There\\v", std::string("x"), RegSz);
    CloseRegistryKey(registry(), OpenRegistryKey(registry(), remote + "There\\", KeyReadAccess));
    EXPECT_EQ(ListRegistryKey(registry(), remote + "There\\", 0), (std::vector<std::string>{"v"}));
    EXPECT_EQ(recorder->callsOf("connect").size(), 3u);
    // The remote root and the keys opened through it are all closed again.
    EXPECT_EQ(recorder->openHandles(), 0u);
}
