#pragma once

// The archive form of the game records: the layout of a saved game, which is
// also the entry format of the best-games file. Standard library only, so
// the command-line tools read both files without Qt.

#include "Records.h"

// The text and caption the user sees when a record's version word is not 1.
inline constexpr const char *InvalidFileFormatText = "Invalid file format!";
inline constexpr const char *InvalidFileFormatCaption = "Error";

// A record whose version word is not 1: nothing after the word is read, so
// the caller can tell the user the file is of a kind this program does not
// know (a truncated or damaged file raises other xError kinds instead).
class xBadVersion : public xIO
{
  public:
    xBadVersion() : xIO(InvalidFileFormatText) {}
};

// A history entry is stored with the two shares first: Price2, Price1, x, y,
// iZnak. Stack<HistoryEntry>::Serialize finds these by argument lookup.
void ArchiveStore(ArchiveWriter &ar, const HistoryEntry &entry);
void ArchiveLoad(ArchiveReader &ar, HistoryEntry &entry);

// The record format's only version.
inline constexpr std::int32_t RecordVersion = 1;
