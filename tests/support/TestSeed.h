#pragma once

// The engine's random choices (the weaker levels, the easy moves) fixed for
// a test run, so that a failure can be replayed: DIVUZ_TEST_SEED chooses
// the seed, and the seed in use is printed.

#include "Random.h"

#include <QtGlobal>

#include <cstdio>

inline void FixTestSeed()
{
    constexpr unsigned DefaultSeed = 20261208;
    bool given = false;
    const int chosen = qEnvironmentVariableIntValue("DIVUZ_TEST_SEED", &given);
    const unsigned seed = given ? static_cast<unsigned>(chosen) : DefaultSeed;
    EngineRandom::SetFixedSeed(seed);
    std::printf("random seed %u (DIVUZ_TEST_SEED)\n", seed);
}
