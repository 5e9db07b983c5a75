#pragma once

// Moves written as text, "x,y,s" with s 1 for X (KREST) and 0 for O (NOL),
// as the command-line engine and the benchmark positions write them.

#include "Types.h"

#include <string>
#include <vector>

bool ParseMoveText(const std::string &token, Move &move);

// A whitespace-separated list of moves; false at the first bad token, which
// is returned in badToken.
bool ParseMoveList(const std::string &text, std::vector<Move> &moves, std::string &badToken);
