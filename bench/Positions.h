#pragma once

// The benchmark's fixed positions, read from positions.txt: one per line,
// "name: x,y,s x,y,s ...", lines starting with # ignored.

#include "Pole.h"
#include "PositionText.h"

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

struct NamedPosition {
    std::string name;
    std::vector<Move> moves;

    Pole Board() const
    {
        Pole pole;
        for (const Move &m : moves)
            pole.MakeMove(m);
        return pole;
    }
    // The side to move: the opposite of the last move's.
    std::int32_t SideToMove() const { return moves.empty() ? KREST : Opponent(moves.back().iZnak); }
};

inline std::vector<NamedPosition> LoadPositions(const std::string &path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    std::vector<NamedPosition> positions;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::size_t colon = line.find(':');
        if (colon == std::string::npos)
            throw std::runtime_error("bad line in " + path + ": " + line);
        NamedPosition p;
        p.name = line.substr(0, colon);
        std::string bad;
        if (!ParseMoveList(line.substr(colon + 1), p.moves, bad))
            throw std::runtime_error("bad move " + bad + " in " + path);
        positions.push_back(p);
    }
    return positions;
}
