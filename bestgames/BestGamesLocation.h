#pragma once

// Where "Best.tab" lives. Its home is the program folder; when that folder
// cannot be written (an installation owned by another user), the table
// lives in the per-user data folder instead, and once a per-user copy exists
// it is the one read and written, so an older table beside the program never
// shadows newer results. Needs a QCoreApplication; the per-user folder
// follows its organisation and application names.

#include "BestGames.h"

#include <string>

// "Best.tab" in the per-user data folder; empty when the platform offers
// no such folder.
std::string UserBestGamesPath();

// The file read at start: the per-user copy when it exists, else the one in
// the program folder.
std::string BestGamesReadPath(const DivuzOptions &options);
// The file written at exit: the per-user copy when it exists or when the
// program folder cannot be written, else the one in the program folder.
std::string BestGamesWritePath(const DivuzOptions &options);

// table.Load(BestGamesReadPath(options)).
bool LoadBestGames(BestGames &table, const DivuzOptions &options,
                   BestGamesProblem *problem = nullptr);
// Saves to BestGamesWritePath(options); when writing into the program folder
// fails after all, the table goes to the per-user copy instead.
bool SaveBestGames(const BestGames &table, const DivuzOptions &options,
                   BestGamesProblem *problem = nullptr);
