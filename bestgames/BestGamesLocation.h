#pragma once

// Where "Best.tab" lives. Its home is the program folder of a program run
// from its build tree or an unpacked folder. An installed program, or one
// whose folder cannot be written, keeps the table in the per-user data
// folder instead, and once a per-user copy exists it is the one read and
// written, so an older table beside the program never shadows newer results. Needs a
// QCoreApplication; the per-user folder follows its organisation and application names.

#include "BestGames.h"

#include <string>

// "Best.tab" in the per-user data folder; empty when the platform offers
// no such folder.
std::string UserBestGamesPath();

// The file read at start: the per-user copy when it exists, else the one in
// the program folder.
std::string BestGamesReadPath(const DivuzOptions &options);
// The file written: the per-user copy when it exists, when the program is
// installed or when its folder cannot be written, else the one in the
// program folder.
std::string BestGamesWritePath(const DivuzOptions &options);

// What reading the table at start found.
struct BestGamesLoad {
    std::string Path;         // the file read, BestGamesReadPath(options)
    bool IsComplete = true;   // read whole, or absent, or empty
    std::string KeptPath;     // where an incomplete file was kept, else empty
    BestGamesProblem Problem; // why it was incomplete
};

// table.Load(BestGamesReadPath(options)). A file that exists but was not read
// completely is kept aside at once (KeepDamagedTable), before the save at exit
// can replace it with the part that was read.
BestGamesLoad LoadBestGames(BestGames &table, const DivuzOptions &options);
