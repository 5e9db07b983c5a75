// The table and search commands.

#include "Commands.h"

#include "LinePatternTable.h"
#include "Pole.h"
#include "Random.h"

#include <chrono>
#include <cstdio>
#include <iterator>

int RunTable(const Args &args)
{
    if (!args.empty())
        return UsageError("divuz-engine table: takes no arguments");
    const auto &table = LinePattern::Table();
    for (unsigned code = 0; code < 65536; ++code) {
        bool meaningful = true;
        for (int j = 0; j < 8; ++j)
            meaningful = meaningful && ((code >> (2 * j)) & 3) != 3;
        if (meaningful)
            std::printf("%04x %d\n", code, table[code]);
    }
    return ExitSuccess;
}

namespace
{

// The levels the engine has tables for: a negative level picks among that
// many best-rated cells (at most every cell); a search level indexes the
// threat depths, and its move filters end one level further.
constexpr long long MinLevel = -CellCount;
constexpr long long MaxLevel = static_cast<long long>(std::size(Pole::ThreatDepth)) - 1;

// A move given as x,y,s: three plain whole numbers, or nothing.
bool ParseMoveFields(const std::string &token, long long (&fields)[3])
{
    std::size_t start = 0;
    for (int i = 0; i < 3; ++i) {
        const std::size_t comma = token.find(',', start);
        if ((i < 2) != (comma != std::string::npos))
            return false;
        if (!ParseDecimal(std::string_view(token).substr(start, comma - start), fields[i]))
            return false;
        start = comma + 1;
    }
    return true;
}

// Why the board cannot take the move, naming its cell; empty when it can.
std::string RefusedMove(const Pole &pole, const long long (&f)[3])
{
    const std::string cell = std::to_string(f[0]) + "," + std::to_string(f[1]);
    if (f[0] < 0 || f[0] >= BoardSize || f[1] < 0 || f[1] >= BoardSize)
        return "cell " + cell + " is off the board: x and y are 0.." +
               std::to_string(BoardSize - 1);
    if (f[2] != 0 && f[2] != 1)
        return "move " + cell + "," + std::to_string(f[2]) + ": the sign is 1 (X) or 0 (O)";
    if (pole.Cell(static_cast<int>(f[0]), static_cast<int>(f[1])).iZnak != FREE)
        return "cell " + cell + " is given twice";
    return {};
}

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
                    return UsageError("bad value for --level: " + std::to_string(MinLevel) + ".." +
                                      std::to_string(MaxLevel));
                haveLevel = true;
            } else if (a == "--seconds") {
                if (!value(seconds) || seconds < 0 || seconds > 100000)
                    return UsageError("bad value for --seconds");
                timed = true;
            } else if (a == "--side") {
                if (!value(side) || (side != 0 && side != 1))
                    return UsageError("bad value for --side: 0 or 1");
            } else if (a == "--seed") {
                if (!value(seed))
                    return UsageError("bad value for --seed");
                EngineRandom::SetFixedSeed(static_cast<unsigned>(seed));
            } else if (a == "--stats") {
                stats = true;
            } else {
                long long fields[3];
                if (!ParseMoveFields(a, fields))
                    return UsageError("bad move '" + a + "': expected x,y,s with s 1 (X) or 0 (O)");
                if (const std::string why = RefusedMove(pole, fields); !why.empty())
                    return InputFailure(why);
                const Move move{static_cast<int>(fields[0]), static_cast<int>(fields[1]),
                                fields[2] == 1 ? KREST : NOL, 0};
                pole.MakeMove(move);
                lastSign = move.iZnak;
            }
        }
        if (timed && haveLevel)
            return UsageError("give either --level or --seconds, not both");
        BoundedList<Place> line(BoardSize);
        const std::int32_t winner = pole.CheckVictory(line);
        if (winner != FREE)
            return InputFailure(std::string("the game is over: ") + (winner == KREST ? "X" : "O") +
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
        return ExitSuccess;
    } catch (const xError &e) {
        return InputFailure(e.GetText());
    }
}
