#pragma once

// The table of the five best won tournament games per level index and per
// side that moved first, and its file "Best.tab": the 50 records one after
// another in their archive form, with no header.

#include "DivuzOptions.h"
#include "Records.h"

#include <string>

inline constexpr int BestLevelCount = 5; // Začátečník, Amatér, Pokročilý, Mistr, Expert
inline constexpr int BestSideCount = 2;  // 0: the player moved first, 1: the computer
inline constexpr int BestPlaceCount = 5; // 0 is the best game
inline constexpr int BestEntryCount = BestPlaceCount * BestSideCount * BestLevelCount;
inline constexpr const char *BestGamesFileName = "Best.tab";

// The level index under which a game played at the Level setting (0..10) is
// filed; the timed settings share index 0 with Začátečník. Another Level
// throws xParam "LevelIndex : Strange Level".
int LevelIndex(int level);

// Why a Load or Save failed, for the user interface to show.
struct BestGamesProblem {
    // A record's version word was not 1: the interface shows
    // InvalidFileFormatText with InvalidFileFormatCaption.
    bool IsBadVersion = false;
    // What went wrong, naming the file.
    std::string Text;
};

class BestGames : public AbstractArray<DataDivuzDoc>
{
  public:
    BestGames();

    // Entry place + 5 * (side + 2 * level). A bad side or place throws xParam
    // "BestGames::GetGame : Bad Side" / "... : Bad Place" (the side is checked
    // first); a level outside 0..4 ends in "Index out of range.".
    DataDivuzDoc GetGame(int level, int side, int place) const;
    // As GetGame, with the texts "BestGames::SetGame : ...".
    void SetGame(const DataDivuzDoc &record, int level, int side, int place);

    // Whether a finished game enters the table: a tournament win that ranks
    // above the fifth game of its group, or finds the fifth place empty. The
    // group comes from the settings' Level, not from the record.
    bool IsWorthy(const DataDivuzDoc &record, const DivuzOptions &settings) const;
    // Files a worthy game at its rank in its group; the fifth game drops out.
    // A game ranking equal to stored ones goes after them. Does nothing for
    // a game that is not worthy.
    void AddGame(const DataDivuzDoc &record, const DivuzOptions &settings);

    // Reads the 50 entries from path. A missing or unreadable file returns
    // false and leaves the table as it was; an empty file reads nothing and
    // returns true. Reading stops at the first damaged record (returning
    // false): the entries before it keep what was read, that entry and the
    // later ones keep their previous contents.
    bool Load(const std::string &path, BestGamesProblem *problem = nullptr);
    // Writes the 50 entries to path through a temporary file that replaces
    // the old one only once it is complete, so a failure leaves the previous
    // table intact. Returns false on failure.
    bool Save(const std::string &path, BestGamesProblem *problem = nullptr) const;

    // The 50 entries in index order; loading throws at the first damaged
    // record after the earlier entries have taken their new contents.
    void Serialize(ArchiveWriter &ar) const;
    void Serialize(ArchiveReader &ar);

  private:
    static int Index(int level, int side, int place, const char *member);
};
