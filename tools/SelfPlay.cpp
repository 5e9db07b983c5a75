// The selfplay command: whole games between two strength settings.

#include "Commands.h"

#include "Levels.h"
#include "Random.h"

#include <chrono>
#include <cstdio>

Move PlayableMove(const Pole &pole, const Move &found)
{
    const bool onBoard = found.x >= 0 && found.x < BoardSize && found.y >= 0 && found.y < BoardSize;
    if (onBoard && pole.Cell(found.x, found.y).iZnak == FREE)
        return found;
    for (int y = 0; y < BoardSize; ++y)
        for (int x = 0; x < BoardSize; ++x)
            if (pole.Cell(x, y).iZnak == FREE)
                return Move{x, y, found.iZnak, found.iValue};
    return found;
}

namespace
{

struct Player {
    int setting = 0;
    int wins = 0, losses = 0, draws = 0;
    long long moves = 0;
    double seconds = 0;
};

const char *SignName(std::int32_t sign)
{
    return sign == KREST ? "X" : "O";
}

} // namespace

int RunSelfPlay(const Args &args)
{
    long long first = -1, second = -1, games = 2, seed = -1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        long long *target = args[i] == "--first"    ? &first
                            : args[i] == "--second" ? &second
                            : args[i] == "--games"  ? &games
                            : args[i] == "--seed"   ? &seed
                                                    : nullptr;
        if (target == nullptr || i + 1 >= args.size() || !ParseDecimal(args[++i], *target)) {
            return UsageError("divuz-engine selfplay: bad argument '" + args[i] + "'");
        }
    }
    if (first < 0 || first >= SettingCount || second < 0 || second >= SettingCount) {
        return UsageError("divuz-engine selfplay: --first and --second take settings 0..10");
    }
    if (games < 1 || games > 100000) {
        return UsageError("divuz-engine selfplay: --games takes 1..100000");
    }
    if (seed >= 0)
        EngineRandom::SetFixedSeed(static_cast<unsigned>(seed));

    Player players[2];
    players[0].setting = static_cast<int>(first);
    players[1].setting = static_cast<int>(second);
    try {
        for (long long game = 0; game < games; ++game) {
            // The players take turns at beginning; whoever begins plays X.
            const int beginner = static_cast<int>(game % 2);
            Pole pole;
            int toMove = beginner;
            std::int32_t sign = KREST;
            int winner = -1;
            while (pole.DoneMoves().GetCurSize() < CellCount) {
                Player &p = players[toMove];
                const auto started = std::chrono::steady_clock::now();
                Move found = FindMoveForSetting(pole, sign, p.setting);
                p.seconds +=
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - started)
                        .count();
                ++p.moves;
                // Moves of the game carry no value, as in a game against a person.
                const Move played = PlayableMove(pole, found);
                pole.MakeMove(Move{played.x, played.y, sign, 0});
                BoundedList<Place> line(1);
                if (pole.CheckVictory(line) != FREE) {
                    winner = toMove;
                    break;
                }
                toMove = 1 - toMove;
                sign = Opponent(sign);
            }
            const int length = pole.DoneMoves().GetCurSize();
            if (winner < 0) {
                ++players[0].draws;
                ++players[1].draws;
                std::printf("game %lld: setting %d (X) vs setting %d (O): draw, full board\n",
                            game + 1, players[beginner].setting, players[1 - beginner].setting);
            } else {
                ++players[winner].wins;
                ++players[1 - winner].losses;
                std::printf("game %lld: setting %d (X) vs setting %d (O): setting %d (%s) wins "
                            "with five in a row after %d moves\n",
                            game + 1, players[beginner].setting, players[1 - beginner].setting,
                            players[winner].setting, SignName(winner == beginner ? KREST : NOL),
                            length);
            }
            std::fflush(stdout);
        }
    } catch (const xError &e) {
        return InputFailure(e.GetText());
    }
    const char *names[2] = {"first", "second"};
    for (int i = 0; i < 2; ++i) {
        const Player &p = players[i];
        std::printf("%s (setting %d): %d wins, %d losses, %d draws, average move %.1f ms\n",
                    names[i], p.setting, p.wins, p.losses, p.draws,
                    p.moves > 0 ? 1000.0 * p.seconds / static_cast<double>(p.moves) : 0.0);
    }
    return ExitSuccess;
}
