#pragma once

// The program's one pseudo-random generator (the C library's, taken modulo n).

namespace EngineRandom
{

// A pseudo-random integer in 0..n-1.
int Random(int n);

// Seeds from the time of day, unless a fixed seed was chosen.
void SeedFromTime();

// Seeds with a fixed value and keeps it: later SeedFromTime calls do nothing,
// so a seeded run is reproducible.
void SetFixedSeed(unsigned seed);

} // namespace EngineRandom
