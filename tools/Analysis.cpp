// The table and search commands.

#include "Commands.h"

#include "LinePatternTable.h"
#include "Pole.h"
#include "PositionText.h"
#include "Random.h"

#include <chrono>
#include <cstdio>
#include <iterator>

int RunTable(const Args &args)
{
    if (!args.empty()) {
        std::fputs("divuz-engine table: takes no arguments\n", stderr);
        return 2;
    }
    const auto &table = LinePattern::Table();
    for (unsigned code = 0; code < 65536; ++code) {
        bool meaningful = true;
        for (int j = 0; j < 8; ++j)
            meaningful = meaningful && ((code >> (2 * j)) & 3) != 3;
        if (meaningful)
            std::printf("%04x %d\n", code, table[code]);
    }
    return 0;
}

namespace
{

int Fail(const std::string &message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
    return 1;
}

// The levels the engine has tables for: a negative level picks among that
// many best-rated cells (at most every cell); a search level indexes the
// threat depths, and its move filters end one level further.
constexpr long long MinLevel = -CellCount;
constexpr long long MaxLevel = static_cast<long long>(std::size(Pole::ThreatDepth)) - 1;

} // namespace

int RunSearch(const Args &args)
{
    long long level = 1, seconds = -1, side = -1, seed = 0;
    bool timed = false, haveLevel = false, stats = false;
    Pole pole;
    std::int32_t lastSign = FREE;
    try {
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string &a = args[i];
            auto value = [&](long long &out) {
                return i + 1 < args.size() && ParseDecimal(args[++i], out);
            };
            if (a == "--level") {
                if (!value(level) || level < MinLevel || level > MaxLevel)
                    return Fail("bad value for --level: " + std::to_string(MinLevel) + ".." +
                                std::to_string(MaxLevel));
                haveLevel = true;
            } else if (a == "--seconds") {
                if (!value(seconds) || seconds < 0 || seconds > 100000)
                    return Fail("bad value for --seconds");
                timed = true;
            } else if (a == "--side") {
                if (!value(side) || (side != 0 && side != 1))
                    return Fail("bad value for --side: 0 or 1");
            } else if (a == "--seed") {
                if (!value(seed))
                    return Fail("bad value for --seed");
                EngineRandom::SetFixedSeed(static_cast<unsigned>(seed));
            } else if (a == "--stats") {
                stats = true;
            } else {
                Move move;
                if (!ParseMoveText(a, move))
                    return Fail("bad move '" + a + "': expected x,y,s with s 1 (X) or 0 (O)");
                pole.MakeMove(move);
                lastSign = move.iZnak;
            }
        }
        if (timed && haveLevel)
            return Fail("give either --level or --seconds, not both");
        BoundedList<Place> line(BoardSize);
        const std::int32_t winner = pole.CheckVictory(line);
        if (winner != FREE)
            return Fail(std::string("the game is over: ") + (winner == KREST ? "X" : "O") +
                        " has five in a row");

        const std::int32_t sign = side >= 0          ? static_cast<std::int32_t>(side)
                                  : lastSign != FREE ? Opponent(lastSign)
                                                     : KREST;
        const auto started = std::chrono::steady_clock::now();
        const std::uint64_t nodesBefore = pole.SearchCalls();
        const Move found = timed ? pole.FindMoveInTime(sign, static_cast<std::int32_t>(seconds))
                                 : pole.FindMove(sign, static_cast<std::int32_t>(level));
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - started)
                            .count();
        const PriceSplit price = pole.CalcPrice(found.x, found.y, found.iZnak, found.iValue);
        std::printf("%d %d %d %d %d %d\n", found.x, found.y, found.iZnak, found.iValue,
                    price.iKrest, price.iNol);
        if (stats)
            std::fprintf(stderr, "nodes %llu ms %lld\n",
                         static_cast<unsigned long long>(pole.SearchCalls() - nodesBefore),
                         static_cast<long long>(ms));
        return 0;
    } catch (const xError &e) {
        return Fail(e.GetText());
    }
}
