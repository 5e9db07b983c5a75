#pragma once

// The best-games table as one copy of the program keeps it while other
// copies may run beside it. Every copy reads "Best.tab" at start and enters
// only its own wins, so a save never writes this copy's table over the file:
// under a lock beside the file it reads what is there now, ranks into it the
// games this copy entered since it last read the file, and writes the
// result. A win entered by another copy in the meantime stays. QtCore only.

#include "BestGames.h"
#include "BestGamesLocation.h"

#include <optional>
#include <string>
#include <vector>

class BestGamesStore
{
  public:
    // Reads the table at start (LoadBestGames); a file that could not be
    // read whole is kept aside there.
    BestGamesLoad Load(const DivuzOptions &options);

    const BestGames &Table() const { return myTable; }
    bool IsWorthy(const DataDivuzDoc &record, const DivuzOptions &settings) const
    {
        return myTable.IsWorthy(record, settings);
    }
    // Enters a worthy game into the table (BestGames::AddGame) and remembers
    // it for the next save.
    void AddGame(const DataDivuzDoc &record, const DivuzOptions &settings);

    // Writes the table to BestGamesWritePath(options), merged with the file
    // as it is now; when writing into the program folder fails, the table
    // goes to the per-user copy instead. On success the table is what was
    // written, other copies' wins included. A failure leaves the file as it
    // was and the entered games waiting for the next save.
    bool Save(const DivuzOptions &options, BestGamesProblem *problem = nullptr);

  private:
    // A game this copy entered, with the strength it was played at, which
    // decides its group.
    struct EnteredGame {
        DataDivuzDoc Record;
        int Level = 0;
    };

    bool SaveTo(const std::string &path, BestGamesProblem *problem);
    // The table to write over path: the file's entries with this copy's
    // entered games ranked in, or this copy's table where the file is missing
    // or damaged (a damaged file is kept aside first; nullopt when it could
    // not be, since it must not be overwritten then).
    std::optional<BestGames> MergedWith(const std::string &path);

    BestGames myTable;
    std::vector<EnteredGame> myEntered;
    // Where the damaged file read last was kept, so the same damage is not
    // kept twice.
    std::string myKeptPath;
};
