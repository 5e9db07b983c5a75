// The saved-game file: a game saved and opened again as it was, a save that
// fails leaving the old file, and files that hold no game refused.

#include "DivuzDoc.h"

#include "DivuzCommands.h"
#include "DocumentTestFixture.h"
#include "FileSizeLimit.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>

namespace
{

TEST_F(DocumentTest, SavedGameOpensAsItWasAndItsUndoneMovesAndHintCarryOn)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("game.orb");
    QString error, caption;
    NewGame();
    for (int i = 0; i < 4; ++i)
        ClickHarmlessMove();
    const DataDivuzDoc played = Data();
    Command(ID_EDIT_UNDO);
    Command(ID_EDIT_UNDO);
    Pulses(37);
    const DataDivuzDoc saved = Data();
    ASSERT_EQ(saved.UndoRedoMoves.GetCurSize(), 5);
    ASSERT_TRUE(myDoc.SaveGame(path, &error)) << error.toStdString();

    // Another game in between, opened by the computer, is replaced whole.
    myApp.myOptions.WhoBeginsMode = 1;
    NewGame();
    ASSERT_TRUE(myDoc.OpenGame(path, &error, &caption)) << error.toStdString();
    EXPECT_EQ(Bytes(Data()), Bytes(saved));
    EXPECT_TRUE(InStep(Data(), myDoc.Request().DoneMoves));
    Command(ID_REDO);
    Command(ID_REDO);
    // The history, counts included, is the one played before the undo.
    EXPECT_EQ(Bytes(Data()).substr(12, 8 + 20 * 9), Bytes(played).substr(12, 8 + 20 * 9));
    ClickHarmlessMove();
    EXPECT_EQ(HistorySize(), 11);

    // A game saved while a hint is shown opens showing it; the next click
    // ends the hint and the one after it is a move.
    Command(ID_HINT);
    const DataDivuzDoc hinted = Data();
    ASSERT_EQ(hinted.Mode, ModeHint);
    ASSERT_TRUE(myDoc.SaveGame(path, &error)) << error.toStdString();
    NewGame();
    ASSERT_TRUE(myDoc.OpenGame(path, &error, &caption)) << error.toStdString();
    EXPECT_EQ(Bytes(Data()), Bytes(hinted));
    EXPECT_EQ(myDoc.OnUpdateGameStatus(), Utf8("Radím vám tento tah."));
    Click(0, 18);
    EXPECT_EQ(Data().Mode, ModeGame);
    EXPECT_EQ(Data().FoundMove, hinted.FoundMove);
    EXPECT_EQ(HistorySize(), 11);
    Click(0, 18);
    EXPECT_EQ(HistorySize(), 13);

    EXPECT_FALSE(myDoc.SaveGame(dir.filePath("missing/game.orb"), &error));
    EXPECT_FALSE(error.isEmpty());
}

// A saved game is replaced whole or not at all: a save onto a folder, or one
// that cannot be finished (a file-size limit, which holds for root too),
// fails, says why, and leaves the old file as it was, with no half-written
// file beside it.
TEST_F(DocumentTest, AFailedSaveLeavesTheOldFileAndSaysSo)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("game.orb");
    NewGame();
    ClickHarmlessMove();
    QString error;
    ASSERT_TRUE(myDoc.SaveGame(path, &error)) << error.toStdString();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray before = saved.readAll();
    saved.close();

    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.orb"));
    EXPECT_FALSE(myDoc.SaveGame(dir.filePath("folder.orb"), &error));
    EXPECT_TRUE(error.contains("folder.orb")) << error.toStdString();

    for (int i = 0; i < 6; ++i)
        ClickHarmlessMove();
    error.clear();
    bool written = true;
    {
        const FileSizeLimit halfFull(static_cast<rlim_t>(before.size() / 2));
        ASSERT_TRUE(halfFull.IsActive());
        written = myDoc.SaveGame(path, &error);
    }
    EXPECT_FALSE(written);
    EXPECT_FALSE(error.isEmpty());
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"game.orb"});
}

TEST_F(DocumentTest, FileWithoutAGameIsRefusedAndTheGameInProgressGoesOn)
{
    QTemporaryDir dir;
    NewGame();
    ClickHarmlessMove();
    ClickHarmlessMove();
    const DataDivuzDoc playing = Data();
    const std::string good = Bytes(playing);
    DataDivuzDoc occupied = playing; // a second stone on the first one's cell
    occupied.UndoRedoMoves[2].x = occupied.UndoRedoMoves[1].x;
    occupied.UndoRedoMoves[2].y = occupied.UndoRedoMoves[1].y;
    std::string version2 = good;
    version2[0] = 2;

    const QString unexpected = "Unexpected file format.";
    const struct {
        const char *name;
        std::string bytes;
        QString text, caption;
    } files[] = {
        {"truncated", good.substr(0, good.size() - 1), unexpected, "Divuz"},
        {"version 2", version2, "Invalid file format!", "Error"},
        {"refused history", Bytes(occupied), unexpected, "Divuz"},
    };
    for (const auto &file : files) {
        SCOPED_TRACE(file.name);
        const QString path = dir.filePath(file.name);
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(file.bytes.data(), qint64(file.bytes.size()));
        out.close();
        QString error, caption;
        EXPECT_FALSE(myDoc.OpenGame(path, &error, &caption));
        EXPECT_EQ(error, file.text);
        EXPECT_EQ(caption, file.caption);
        EXPECT_EQ(Bytes(Data()), good);
        EXPECT_TRUE(InStep(Data(), myDoc.Request().DoneMoves));
    }
    QString error;
    EXPECT_FALSE(myDoc.OpenGame(dir.filePath("none.orb"), &error));
    EXPECT_TRUE(error.contains("none.orb"));

    // The engine thread still answers.
    ClickHarmlessMove();
    EXPECT_EQ(HistorySize(), 7);
}

} // namespace
