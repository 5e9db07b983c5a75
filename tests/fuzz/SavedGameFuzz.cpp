// The saved-game reader on any bytes: the record's archive form, then the
// replay of its history on the engine's board, as opening a game does. A
// damaged file may only end in an xError; a record that was read must be
// written and read again to the same bytes.

#include "FuzzSupport.h"

#include "Pole.h"
#include "RecordsArchive.h"

namespace
{

std::string Bytes(const DataDivuzDoc &record)
{
    std::ostringstream out(std::ios::binary);
    ArchiveWriter ar(out);
    record.Serialize(ar);
    return out.str();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::istringstream in = AsStream(data, size);
    ArchiveReader ar(in);
    DataDivuzDoc record;
    try {
        record.Serialize(ar);
    } catch (const xError &) {
        return 0;
    }

    const Stack<HistoryEntry> &history = record.UndoRedoMoves;
    FUZZ_CHECK(history.GetCurSize() >= 0 && history.GetCurSize() <= history.GetRedoLimit());
    BoundedList<Move> moves(history.GetRedoLimit());
    for (int i = 1; i < history.GetRedoLimit(); ++i)
        moves.Push(Move{history[i].x, history[i].y, history[i].iZnak, 0});
    Pole board;
    try {
        board.SetPosition(moves);
        BoundedList<Place> line(1);
        board.CheckVictory(line);
    } catch (const xError &) {
        // The board refuses the history; opening the game fails.
    }

    const std::string once = Bytes(record);
    std::istringstream again(once, std::ios::binary);
    ArchiveReader ar2(again);
    DataDivuzDoc reread;
    reread.Serialize(ar2); // throws, and so fails the run, if the writer wrote nonsense
    FUZZ_CHECK(Bytes(reread) == once);
    return 0;
}
