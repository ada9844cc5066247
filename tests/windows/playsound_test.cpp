#include "execution/win32/playsound.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <windows.h>

namespace {

std::string contents(const char* name)
{
    std::ifstream file(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

void put(const char* name, const std::string& bytes)
{
    std::ofstream(name, std::ios::binary) << bytes;
}

} // namespace

// What lies at "warning.wav" before the clip is written there: the clip replaces it, and a
// file that a link at that name points to keeps its contents.
TEST(WriteSoundFile, ReplacesWhatLiesAtTheNameAndNeverWritesThroughALink)
{
    const std::string clip(13074, '\x80');
    struct Case {
        const char* what;
        bool (*prepare)();
    };
    const Case cases[] = {
        {"nothing", [] { return true; }},
        {"a longer file", [] { return put("warning.wav", std::string(20000, 'x')), true; }},
        {"a symbolic link", [] { return CreateSymbolicLinkA("warning.wav", "target.txt", 0) != FALSE; }},
        {"a hard link", [] { return CreateHardLinkA("warning.wav", "target.txt", nullptr) != FALSE; }},
    };
    for (const Case& c : cases) {
        DeleteFileA("warning.wav");
        put("target.txt", "the user's own file");
        ASSERT_TRUE(c.prepare()) << c.what << ": " << GetLastError();
        EXPECT_TRUE(WriteSoundFile("warning.wav", clip)) << c.what;
        EXPECT_TRUE(contents("warning.wav") == clip) << c.what;
        EXPECT_EQ(contents("target.txt"), "the user's own file") << c.what;
    }
    DeleteFileA("warning.wav");
    DeleteFileA("target.txt");
}

TEST(WriteSoundFile, AFolderThatCannotBeWrittenLeavesNothingBehind)
{
    EXPECT_FALSE(WriteSoundFile("C:\\no such folder\\warning.wav", "clip"));
}
