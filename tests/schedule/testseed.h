#pragma once

#include <QByteArray>
#include <gtest/gtest.h>
#include <iostream>
#include <random>

// The seed of a randomised test: LULLWICK_TEST_SEED when set, a fresh one otherwise. It is
// printed and recorded with the test's result, so a failure can be run again exactly.
inline unsigned testSeed()
{
    bool ok = false;
    unsigned seed = qEnvironmentVariable("LULLWICK_TEST_SEED").toUInt(&ok);
    if (!ok)
        seed = std::random_device{}();
    std::cout << "seed " << seed << " (LULLWICK_TEST_SEED=" << seed << " repeats this run)" << std::endl;
    ::testing::Test::RecordProperty("seed", std::to_string(seed));
    return seed;
}
