#pragma once

// The commands of divuz-engine. Each returns the process exit code.

#include <string>
#include <string_view>
#include <vector>

using Args = std::vector<std::string>;

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
