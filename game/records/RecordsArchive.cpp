#include "RecordsArchive.h"

#include <string>

namespace
{

// The most cells a winning line can list: every stone on the board.
constexpr std::int32_t MaxWinLineCells = CellCount;

void StorePlace(ArchiveWriter &ar, const Place &p)
{
    ar.WriteInt32(p.x);
    ar.WriteInt32(p.y);
    ar.WriteInt32(p.iZnak);
}

Place LoadPlace(ArchiveReader &ar)
{
    Place p;
    p.x = ar.ReadInt32();
    p.y = ar.ReadInt32();
    p.iZnak = ar.ReadInt32();
    return p;
}

// Reads a move history. Both counts are checked before any entry is read,
// so a damaged count never sends the reader through thousands of bytes of
// something else, and a history comes back only with CurSize within the
// recorded entries, which is all the program itself ever writes.
void LoadHistory(ArchiveReader &ar, Stack<HistoryEntry> &history)
{
    const std::int32_t redoLimit = ar.ReadInt32();
    const std::int32_t curSize = ar.ReadInt32();
    if (curSize < 0 || curSize > history.GetSize())
        throw xParam("Stack<T>::SetCurSize : BAD TSize.");
    if (redoLimit < 0 || redoLimit > history.GetSize())
        throw xParam("Index out of range.");
    if (curSize > redoLimit)
        throw xParam("Stack<T>::SetCurSize : BAD TSize.");
    // The stack is fresh; pushing leaves RedoLimit at the number of entries.
    for (std::int32_t i = 0; i < redoLimit; ++i) {
        HistoryEntry entry;
        ArchiveLoad(ar, entry);
        history.Push(entry);
    }
    history.SetCurSize(curSize);
}

BoundedList<Place> LoadWinLine(ArchiveReader &ar)
{
    const std::int32_t count = ar.ReadInt32();
    if (count < 0)
        throw xParam("AbstractArray::AbstractArray: Size of array<0");
    if (count > MaxWinLineCells)
        throw xIO("DataDivuzDoc::Serialize : WinLine longer than the board");
    BoundedList<Place> line(count);
    for (std::int32_t i = 0; i < count; ++i)
        line.Push(LoadPlace(ar));
    return line;
}

} // namespace

void ArchiveStore(ArchiveWriter &ar, const HistoryEntry &entry)
{
    ar.WriteInt32(entry.Price2);
    ar.WriteInt32(entry.Price1);
    ar.WriteInt32(entry.x);
    ar.WriteInt32(entry.y);
    ar.WriteInt32(entry.iZnak);
}

void ArchiveLoad(ArchiveReader &ar, HistoryEntry &entry)
{
    entry.Price2 = ar.ReadInt32();
    entry.Price1 = ar.ReadInt32();
    entry.x = ar.ReadInt32();
    entry.y = ar.ReadInt32();
    entry.iZnak = ar.ReadInt32();
}

void DataDivuzDoc::Serialize(ArchiveWriter &ar) const
{
    ar.WriteInt32(RecordVersion);
    ar.WriteInt32(ComputerWins);
    ar.WriteInt32(PlayerTime);
    UndoRedoMoves.Serialize(ar);
    ar.WriteBool(IsBadMove);
    ar.WriteBool(IsPlayerFirst);
    ar.WriteBool(IsThinking);
    ar.WriteInt32(Price1);
    ar.WriteInt32(SoundEvent);
    ar.WriteInt32(Mode);
    ar.WriteInt32(Price2);
    ar.WriteString(PlayerName);
    ar.WriteInt32(PlayerWins);
    ar.WriteInt32(ComputerTime);
    ar.WriteInt32(PlayerSign);
    StorePlace(ar, FoundMove);
    ar.WriteInt32(WinLine.GetCurSize());
    for (int i = 0; i < WinLine.GetCurSize(); ++i)
        StorePlace(ar, WinLine[i]);
    ar.WriteInt32(Winner);
    ar.WriteInt32(WinPredict);
    ar.WriteInt32(GameMode);
}

void DataDivuzDoc::Serialize(ArchiveReader &ar)
{
    if (ar.ReadInt32() != RecordVersion)
        throw xBadVersion();

    // Everything goes into a fresh record first: a file that fails half-way
    // must leave the caller's game as it was.
    DataDivuzDoc d;
    d.ComputerWins = ar.ReadInt32();
    d.PlayerTime = ar.ReadInt32();
    LoadHistory(ar, d.UndoRedoMoves);
    d.IsBadMove = ar.ReadBool();
    d.IsPlayerFirst = ar.ReadBool();
    d.IsThinking = ar.ReadBool();
    d.Price1 = ar.ReadInt32();
    d.SoundEvent = ar.ReadInt32();
    d.Mode = ar.ReadInt32();
    d.Price2 = ar.ReadInt32();
    d.PlayerName = ar.ReadString();
    d.PlayerWins = ar.ReadInt32();
    d.ComputerTime = ar.ReadInt32();
    d.PlayerSign = ar.ReadInt32();
    d.FoundMove = LoadPlace(ar);
    d.WinLine = LoadWinLine(ar);
    d.Winner = ar.ReadInt32();
    d.WinPredict = ar.ReadInt32();
    d.GameMode = ar.ReadInt32();

    // The mode tables of the document and its status texts have no rows for
    // other values; such a record can only come from a damaged file.
    if (d.Mode < ModeGame || d.Mode > ModeTournament)
        throw xIO("DataDivuzDoc::Serialize : Strange Mode");
    if (d.GameMode < InProgress || d.GameMode > Draw)
        throw xIO("DataDivuzDoc::Serialize : Strange GameMode");

    *this = d;
}

bool operator<(const DataDivuzDoc &a, const DataDivuzDoc &b)
{
    const bool qa = IsTournamentWin(a);
    const bool qb = IsTournamentWin(b);
    if (qa != qb)
        return qa;
    if (!qa)
        return true;
    const int lengthA = a.UndoRedoMoves.GetRedoLimit();
    const int lengthB = b.UndoRedoMoves.GetRedoLimit();
    if (lengthA != lengthB)
        return lengthA < lengthB;
    return a.ComputerTime < b.ComputerTime;
}
