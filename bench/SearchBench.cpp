// Whole-search benchmark over the fixed positions (positions.txt, or the file
// given, e.g. middle_games.txt): milliseconds per move, their median and total,
// and search calls per second at levels 2, 4, 6 and 8 (or those of --levels),
// and how far a timed search runs past its budget. With --record FILE it
// writes the moves and values the engine chooses, the expectation that the
// tests hold every change to.

#include "Positions.h"
#include "Random.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace
{

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    std::string positionsFile = DIVUZ_BENCH_DIR "/positions.txt";
    std::string recordFile;
    bool timed = true;
    int repeats = 3;
    std::vector<int> levels = {2, 4, 6, 8};
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--record") && i + 1 < argc)
            recordFile = argv[++i];
        else if (!std::strcmp(argv[i], "--no-timed"))
            timed = false;
        else if (!std::strcmp(argv[i], "--levels") && i + 1 < argc) {
            levels.clear();
            std::istringstream list(argv[++i]);
            for (std::string level; std::getline(list, level, ',');)
                levels.push_back(std::atoi(level.c_str()));
        } else if (!std::strcmp(argv[i], "--repeats") && i + 1 < argc)
            repeats = std::max(1, std::atoi(argv[++i]));
        else
            positionsFile = argv[i];
    }
    const std::vector<NamedPosition> positions = LoadPositions(positionsFile);
    std::ofstream record;
    if (!recordFile.empty()) {
        record.open(recordFile);
        record << "# name level x y sign value: what the engine plays on each benchmark position\n";
    }

    std::printf("%-18s %5s %10s %12s %14s\n", "position", "level", "ms/move", "calls", "calls/s");
    for (int level : levels) {
        std::vector<double> ms;
        double totalCalls = 0, totalSeconds = 0;
        double middleCalls = 0, middleSeconds = 0;
        for (const NamedPosition &p : positions) {
            std::vector<double> runs;
            std::uint64_t calls = 0;
            Move found;
            for (int r = 0; r < repeats; ++r) {
                Pole pole = p.Board();
                EngineRandom::SetFixedSeed(1);
                const std::uint64_t before = pole.SearchCalls();
                const auto start = Clock::now();
                found = pole.FindMove(p.SideToMove(), level);
                runs.push_back(
                    std::chrono::duration<double, std::milli>(Clock::now() - start).count());
                calls = pole.SearchCalls() - before;
            }
            const double median = Median(runs);
            ms.push_back(median);
            totalCalls += static_cast<double>(calls);
            totalSeconds += median / 1000.0;
            if (p.name.rfind("middle", 0) == 0) {
                middleCalls += static_cast<double>(calls);
                middleSeconds += median / 1000.0;
            }
            std::printf("%-18s %5d %10.2f %12llu %14.0f\n", p.name.c_str(), level, median,
                        static_cast<unsigned long long>(calls),
                        median > 0 ? static_cast<double>(calls) / (median / 1000.0) : 0.0);
            if (record.is_open())
                record << p.name << ' ' << level << ' ' << found.x << ' ' << found.y << ' '
                       << found.iZnak << ' ' << found.iValue << '\n';
        }
        std::printf(
            "LEVEL %d: median %.2f ms/move, total %.1f ms, max %.2f ms, %.0f search calls/s "
            "overall, %.0f on the middle games\n\n",
            level, Median(ms), 1000.0 * totalSeconds, *std::max_element(ms.begin(), ms.end()),
            totalSeconds > 0 ? totalCalls / totalSeconds : 0.0,
            middleSeconds > 0 ? middleCalls / middleSeconds : 0.0);
    }

    if (timed) {
        // A 2-second budget on every position.
        std::vector<double> over;
        for (const NamedPosition &p : positions) {
            Pole pole = p.Board();
            EngineRandom::SetFixedSeed(1);
            const auto start = Clock::now();
            pole.FindMoveInTime(p.SideToMove(), 2);
            const double ms =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            over.push_back(ms - 2000.0);
            std::printf("%-18s timed 2 s: returned after %.1f ms\n", p.name.c_str(), ms);
        }
        // Searches that finish early (a forced win, the deepest level, no
        // time for another level) return well inside the budget; the ones
        // that run into the limit show what it holds.
        std::vector<double> cut;
        for (double o : over)
            if (o > -100.0)
                cut.push_back(o);
        std::printf(
            "TIMED 2 s: %zu of %zu searches ran into the limit and returned %.1f ms past it at "
            "the median, %.1f ms at most\n",
            cut.size(), over.size(), Median(cut),
            cut.empty() ? 0.0 : *std::max_element(cut.begin(), cut.end()));
    }
    return 0;
}
