#pragma once

// The game records: what one engine request produced, the request itself,
// and the whole state of a game. Plain values, copied whole; they know
// nothing of threads or windows, so the command-line tools use them too.

#include "Containers.h"
#include "Types.h"

#include <cstdint>
#include <string>

// One entry of the move history: the move and the chances shown when it
// was recorded.
struct HistoryEntry {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t iZnak = FREE;
    std::int32_t Price2 = 0;
    std::int32_t Price1 = 0;

    bool operator==(const HistoryEntry &) const = default;
};

// What one engine request produced.
struct PoleResult {
    std::int32_t Winner = FREE;     // the side with five in a row, FREE if none
    std::int32_t WinPredict = FREE; // the side the last search sees winning by force
    bool IsBadMove = false;         // the engine refused the move it was asked to make
    BoundedList<Place> WinLine{1};  // the stones of the winning line(s)
    std::int32_t Price1 = 0;        // KREST's share of the 150 chance points
    std::int32_t Price2 = 0;        // NOL's share
    Place FoundMove;                // the last search's move (or the advised one)
};

// A request to the engine thread, and the place where it leaves its result.
struct PoleRequest : PoleResult {
    Place MoveToMake;
    std::int32_t Depth = 0;
    std::int32_t Seconds = 1;
    std::int32_t SignToMove = 1;
    std::int32_t ReplyCommand = 0;
    BoundedList<Move> DoneMoves{1}; // the engine's moves after every request
    std::int32_t SoundEvent = 0;
};

constexpr int HistoryCapacity = 362; // the bottom entry and one per cell

// Interaction modes.
enum GameModes : std::int32_t {
    ModeGame = 0,
    ModeEdit = 1,
    ModeDebug = 2,
    ModeHint = 3,
    ModeViewParty = 4,
    ModeTournament = 5
};

// Results.
enum GameResults : std::int32_t { InProgress = 0, PlayerWon = 1, ComputerWon = 2, Draw = 3 };

inline constexpr int ModeCount = 6;
inline constexpr int GameModeCount = 4;
inline bool IsValidMode(std::int32_t mode)
{
    return mode >= 0 && mode < ModeCount;
}
inline bool IsValidGameMode(std::int32_t gameMode)
{
    return gameMode >= 0 && gameMode < GameModeCount;
}

// Sound events announced to the views.
enum SoundEvents : std::int32_t {
    SoundNone = 0,
    SoundNewGame = 1,
    SoundMove = 2,
    SoundBack = 3,
    SoundSecond = 4,
    SoundBadMove = 5
};

// The game record.
struct DataDivuzDoc : PoleResult {
    bool IsThinking = false;
    std::int32_t Mode = ModeGame;
    std::int32_t PlayerSign = NOL;
    std::int32_t PlayerWins = 0;
    std::int32_t ComputerWins = 0;
    std::int32_t ComputerTime = 0; // tenths of a second
    std::int32_t PlayerTime = 0;   // tenths of a second
    bool IsPlayerFirst = true;
    std::int32_t SoundEvent = SoundNone;
    Stack<HistoryEntry> UndoRedoMoves{HistoryCapacity};
    std::int32_t GameMode = InProgress;
    std::string PlayerName = "Anonymous"; // UTF-8

    // The record's archive form, shared by saved games and the best-games
    // file (RecordsArchive.cpp). Loading throws xBadVersion for a version
    // word other than 1 and another xError for damaged contents; either way
    // the record keeps its previous contents.
    void Serialize(ArchiveWriter &ar) const;
    void Serialize(ArchiveReader &ar);
};

inline bool IsTournamentWin(const DataDivuzDoc &d)
{
    return d.Mode == ModeTournament && d.GameMode == PlayerWon;
}

// The ranking of the best-games table: a record that is less ranks higher.
// Won tournament games come first, the shorter history first among them and,
// on equal length, the smaller ComputerTime. Any two records that are not
// tournament wins compare as less both ways, so this is no strict weak
// ordering: std::sort and friends must not be given it.
bool operator<(const DataDivuzDoc &a, const DataDivuzDoc &b);
