#include "execution/win32/playsound.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A 0.2 s PCM clip: 8-bit mono at 11,025 samples per second.
void writeClip(const char* name)
{
    const std::uint32_t samples = 2205;
    std::vector<unsigned char> wave;
    const auto text = [&](const char* four) { wave.insert(wave.end(), four, four + 4); };
    const auto number = [&](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            wave.push_back(static_cast<unsigned char>(value >> (8 * i)));
    };
    text("RIFF");
    number(36 + samples, 4);
    text("WAVE");
    text("fmt ");
    number(16, 4);
    number(1, 2);
    number(1, 2);
    number(11025, 4);
    number(11025, 4);
    number(1, 2);
    number(8, 2);
    text("data");
    number(samples, 4);
    for (std::uint32_t i = 0; i < samples; ++i)
        wave.push_back((i / 12) % 2 == 0 ? 0x40 : 0xC0);
    std::FILE* file = std::fopen(name, "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(wave.data(), 1, wave.size(), file);
    std::fclose(file);
}

template <typename Call> std::chrono::milliseconds timeOf(Call call)
{
    const auto start = std::chrono::steady_clock::now();
    call();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
}

} // namespace

// Wine has no sound output here; what can be seen is that playing never waits for the clip.
TEST(PlaySoundFile, ReturnsAtOnceWhetherOrNotTheFileCanBePlayed)
{
    EXPECT_LT(timeOf([] { PlaySoundFile("C:\\no such folder\\warning.wav"); }).count(), 2000);

    writeClip("lullwick-test-clip.wav");
    EXPECT_LT(timeOf([] { PlaySoundFile("lullwick-test-clip.wav"); }).count(), 2000);
    // A second play while the first may still run restarts it, again without waiting.
    EXPECT_LT(timeOf([] { PlaySoundFile("lullwick-test-clip.wav"); }).count(), 2000);
    std::remove("lullwick-test-clip.wav");
}
