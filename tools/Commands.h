#pragma once

// The commands of divuz-engine. Each returns the process exit code, by one
// rule for every command.

#include <string>
#include <string_view>
#include <vector>

using Args = std::vector<std::string>;

// Success.
inline constexpr int ExitSuccess = 0;
// The input cannot be used: a damaged or missing file, a position the board
// refuses or one that is already won.
inline constexpr int ExitInputFailure = 1;
// The command line itself is wrong: an unknown command or option, a missing
// or malformed argument, a value out of its range.
inline constexpr int ExitUsage = 2;

// The message on standard error, then the exit code.
int UsageError(const std::string &message);
int InputFailure(const std::string &message);

int RunTable(const Args &args);
int RunSearch(const Args &args);
int RunSelfPlay(const Args &args);
int RunBrain(const Args &args);
int RunShow(const Args &args);
int RunShowBest(const Args &args);

// Numbers on the command line are read as the protocol reads them.
bool ParseDecimal(std::string_view text, long long &value);

struct Move;
class Pole;

// The engine may fall back on a cell that is already taken when nothing on
// the board is worth anything; a player program must still move somewhere,
// so such a move becomes the first free cell in row order.
Move PlayableMove(const Pole &pole, const Move &found);
