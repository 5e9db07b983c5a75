#include "Random.h"

#include <atomic>
#include <cstdlib>
#include <ctime>

namespace
{
std::atomic<bool> fixedSeed{false};
}

int EngineRandom::Random(int n)
{
    return n > 0 ? std::rand() % n : 0;
}

void EngineRandom::SeedFromTime()
{
    if (!fixedSeed.load())
        std::srand(static_cast<unsigned>(std::time(nullptr)));
}

void EngineRandom::SetFixedSeed(unsigned seed)
{
    fixedSeed.store(true);
    std::srand(seed);
}
