// Micro-benchmarks of the board: one move made and taken back in a middle
// game, and building the line-pattern table by its rule.

#include "LinePatternTable.h"
#include "Positions.h"

#include <benchmark/benchmark.h>

static void MakeAndBackMove(benchmark::State &state)
{
    const std::vector<NamedPosition> positions = LoadPositions(DIVUZ_BENCH_DIR "/positions.txt");
    Pole pole = positions.at(6).Board(); // a middle game
    const Move move{9, 3, pole.DoneMoves().Top().iZnak == KREST ? NOL : KREST, 0};
    for (auto _ : state) {
        pole.MakeMove(move);
        pole.BackMove();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(MakeAndBackMove);

static void BuildPatternTable(benchmark::State &state)
{
    for (auto _ : state) {
        std::int32_t sum = 0;
        for (std::uint32_t code = 0; code < 65536; ++code)
            sum += LinePattern::Classify(code);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BuildPatternTable)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
