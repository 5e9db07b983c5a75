// The saved-game file: the game record in archive form, written whole or not
// at all, and read and checked whole before it replaces the game.

#include "DivuzDoc.h"

#include "RecordsArchive.h"
#include "WholeFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace
{

bool IsPlayedSign(std::int32_t sign)
{
    return sign == KREST || sign == NOL;
}

bool IsDrawablePlace(const Place &p)
{
    return p.x >= 0 && p.x < BoardSize && p.y >= 0 && p.y < BoardSize && IsPlayedSign(p.iZnak);
}

} // namespace

BoundedList<Move> CDivuzDoc::HistoryMoves(const Stack<HistoryEntry> &history, int first, int last)
{
    BoundedList<Move> moves(std::max(0, last - first));
    for (int i = first; i < last; ++i)
        moves.Push(Move{history[i].x, history[i].y, history[i].iZnak, 0});
    return moves;
}

// What the archive form cannot rule out but the game cannot live with: no
// bottom entry, a history (undone moves included, since redo makes them
// again) that the board refuses, or signs the board window cannot draw.
// Such a record can only come from a damaged file.
void CDivuzDoc::CheckOpenedRecord(const DataDivuzDoc &d)
{
    const Stack<HistoryEntry> &history = d.UndoRedoMoves;
    if (history.GetCurSize() < 1)
        throw xIO("CDivuzDoc::Serialize : No bottom entry");
    Pole board;
    try {
        board.SetPosition(HistoryMoves(history, 1, history.GetRedoLimit()));
    } catch (const xError &) {
        throw xIO("CDivuzDoc::Serialize : The board refuses the history");
    }
    if (!IsPlayedSign(d.PlayerSign))
        throw xIO("CDivuzDoc::Serialize : Strange PlayerSign");
    if (d.SoundEvent < SoundNone || d.SoundEvent > SoundBadMove)
        throw xIO("CDivuzDoc::Serialize : Strange SoundEvent");
    for (int i = 0; i < d.WinLine.GetCurSize(); ++i)
        if (!IsDrawablePlace(d.WinLine[i]))
            throw xIO("CDivuzDoc::Serialize : Strange WinLine");
    if (d.Mode == ModeHint && !IsDrawablePlace(d.FoundMove))
        throw xIO("CDivuzDoc::Serialize : Strange FoundMove");
}

void CDivuzDoc::Serialize(ArchiveWriter &ar) const
{
    myData.Serialize(ar);
}

void CDivuzDoc::Serialize(ArchiveReader &ar)
{
    DataDivuzDoc opened;
    opened.Serialize(ar);
    CheckOpenedRecord(opened);
    StartOpenedGame(opened);
}

void CDivuzDoc::StartOpenedGame(const DataDivuzDoc &opened)
{
    // Checked before anything changes: without a view the old game stays.
    if (myViews.empty())
        throw xProgramme("CDivuzDoc::Serialize : No view");

    DeleteContents();
    myData = opened;
    // No request of the saved game is out any more.
    myData.IsThinking = false;

    // Only the moves on the board are replayed; the undone ones wait in the
    // history for redo.
    const Stack<HistoryEntry> &history = myData.UndoRedoMoves;
    myThread = std::make_unique<PoleThread>(this, HistoryMoves(history, 1, history.GetCurSize()));
    // The request must look as if it had just brought the saved position
    // back: a click that ends a saved hint takes its result over before
    // any engine reply could set it.
    static_cast<PoleResult &>(myRequest) = static_cast<const PoleResult &>(myData);
    myRequest.DoneMoves = myThread->Board().DoneMoves();
    myThread->Start();

    UpdateAllViews();
}

bool CDivuzDoc::SaveGame(const QString &path, QString *error) const
{
    std::ostringstream bytes;
    ArchiveWriter ar(bytes);
    Serialize(ar);
    QString why;
    if (WriteWholeFile(path, bytes.str(), &why))
        return true;
    if (error != nullptr)
        *error = path + ": " + why;
    return false;
}

bool CDivuzDoc::OpenGame(const QString &path, QString *error, QString *caption)
{
    const auto fail = [&](const QString &text, const char *title) {
        if (error != nullptr)
            *error = text;
        if (caption != nullptr)
            *caption = QString::fromUtf8(title);
        return false;
    };
    // A folder opens as a stream here but reads as nothing.
    std::ifstream file;
    if (!QFileInfo(path).isDir())
        file.open(QFile::encodeName(path).toStdString(), std::ios::binary);
    if (!file.is_open())
        return fail(QStringLiteral("Unable to open %1").arg(path), GameFileCaption);

    try {
        ArchiveReader ar(file);
        Serialize(ar);
    } catch (const xBadVersion &) {
        return fail(QString::fromUtf8(InvalidFileFormatText), InvalidFileFormatCaption);
    } catch (const xProgramme &) {
        throw;
    } catch (const xError &) {
        // Truncated, empty or damaged: the user needs no more than that.
        return fail(QString::fromUtf8(UnexpectedFileFormatText), GameFileCaption);
    }
    return true;
}
