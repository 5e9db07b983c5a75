#pragma once

// Games for the best-games tests: tournament wins of a given length, the
// options of a level, and the names a group of the table holds in order.

#include "BestGames.h"

#include <string>

// A tournament game the player won with the given history length.
inline DataDivuzDoc Win(int entries, int computerTime, const std::string &name,
                        bool playerFirst = true)
{
    DataDivuzDoc d;
    for (int i = 0; i < entries; ++i)
        d.UndoRedoMoves.Push(HistoryEntry{i % 19, i / 19, i % 2, 75, 75});
    d.Mode = ModeTournament;
    d.GameMode = PlayerWon;
    d.ComputerTime = computerTime;
    d.PlayerName = name;
    d.IsPlayerFirst = playerFirst;
    return d;
}

inline DivuzOptions AtLevel(int level)
{
    DivuzOptions o;
    o.Level = level;
    return o;
}

inline std::string Names(const BestGames &t, int level, int side)
{
    std::string out;
    for (int place = 0; place < BestPlaceCount; ++place) {
        if (place > 0)
            out += ' ';
        out += t.GetGame(level, side, place).PlayerName;
    }
    return out;
}
