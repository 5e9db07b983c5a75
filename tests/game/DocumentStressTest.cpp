// Thousands of random steps through the document, the way an impatient user
// and the engine thread can interleave them. After every step the history
// must match the engine's board, a command given while a request is out
// must change nothing, and every saved game must open exactly as it was.
//
// DIVUZ_STRESS_STEPS and DIVUZ_STRESS_SEED choose the length and the walk;
// scripts/stress.sh runs a long one under ThreadSanitizer.

#include "DivuzCommands.h"
#include "DivuzDoc.h"
#include "GameTestSupport.h"
#include "RecordsArchive.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>

namespace
{

int EnvironmentNumber(const char *name, int fallback)
{
    const char *text = std::getenv(name);
    return text != nullptr ? std::atoi(text) : fallback;
}

class SilentView : public IDivuzView
{
  public:
    explicit SilentView(CDivuzDoc &doc) : myDoc(doc) {}
    void OnUpdate() override { myDoc.ClearSoundEvent(); }

  private:
    CDivuzDoc &myDoc;
};

enum Step { Click, Undo, Redo, Hint, EditMode, NewGame, SaveAndOpen, ChangeLevel, StepCount };

class DocumentStress : public testing::Test
{
  protected:
    DocumentStress() : myView(myDoc), myRandom(EnvironmentNumber("DIVUZ_STRESS_SEED", 7))
    {
        myDoc.AddView(&myView);
    }
    ~DocumentStress() override { myDoc.RemoveView(&myView); }

    DataDivuzDoc Data() const
    {
        DataDivuzDoc d;
        myDoc.GetData(d);
        return d;
    }
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(myRandom); }

    // A command of the enabling table while a request is out: refused, and
    // nothing changes.
    void GameCommand(const std::function<void()> &command)
    {
        const bool thinking = Data().IsThinking;
        const std::string before = Bytes(Data());
        command();
        if (thinking) {
            ASSERT_EQ(Bytes(Data()), before) << "a command ran while the engine worked";
        }
    }

    void SaveAndOpenAgain()
    {
        if (Data().IsThinking)
            return; // the frame saves only between requests
        const DataDivuzDoc saved = Data();
        const QString path = myFiles.filePath("stress.orb");
        ASSERT_TRUE(myDoc.SaveGame(path));
        QString error;
        ASSERT_TRUE(myDoc.OpenGame(path, &error)) << error.toStdString();
        ASSERT_EQ(Bytes(Data()), Bytes(saved));
    }

    void Take(Step step)
    {
        switch (step) {
        case Click: {
            const Place p{Pick(BoardSize), Pick(BoardSize), Pick(2) ? NOL : KREST};
            GameCommand([&] { myDoc.OnMakeMove(p); });
            break;
        }
        case Undo:
            GameCommand([&] { myDoc.OnCommand(ID_EDIT_UNDO); });
            break;
        case Redo:
            GameCommand([&] { myDoc.OnCommand(ID_REDO); });
            break;
        case Hint:
            GameCommand([&] { myDoc.OnCommand(ID_HINT); });
            break;
        case EditMode:
            GameCommand([&] { myDoc.OnCommand(ID_GAME_EDITMODE); });
            break;
        case NewGame:
            myApp.myOptions.IsTournament = Pick(2) == 0;
            myDoc.OnNewDocument();
            break;
        case SaveAndOpen:
            SaveAndOpenAgain();
            break;
        case ChangeLevel: {
            // The instant setting and the depth levels; the timed ones would
            // only make the walk slower.
            static const int levels[] = {0, 6, 7, 8};
            myApp.myOptions.Level = levels[Pick(4)];
            break;
        }
        default:
            break;
        }
    }

    // The engine thread's replies arrive now, later or not before the next
    // step, as they would between a user's clicks.
    void LetTheEngineAnswer()
    {
        switch (Pick(3)) {
        case 0:
            break;
        case 1:
            QCoreApplication::processEvents();
            break;
        default:
            ASSERT_TRUE(PumpUntil([this] { return !Data().IsThinking; }));
        }
    }

    StandInApplication myApp;
    ErrorRecorder myErrors;
    CDivuzDoc myDoc;
    SilentView myView;
    std::mt19937 myRandom;
    QTemporaryDir myFiles;
};

TEST_F(DocumentStress, RandomStepsKeepHistoryEngineAndFilesInStep)
{
    const int steps = EnvironmentNumber("DIVUZ_STRESS_STEPS", 400);
    ASSERT_TRUE(myDoc.OnNewDocument());
    for (int i = 0; i < steps; ++i) {
        SCOPED_TRACE(i);
        ASSERT_NO_FATAL_FAILURE(Take(Step(Pick(StepCount))));
        ASSERT_NO_FATAL_FAILURE(LetTheEngineAnswer());
        const DataDivuzDoc d = Data();
        if (d.IsThinking)
            continue;
        // Between requests the history is exactly the engine's moves.
        const BoundedList<Move> &done = myDoc.Request().DoneMoves;
        ASSERT_EQ(d.UndoRedoMoves.GetCurSize(), done.GetCurSize() + 1);
        for (int k = 1; k < d.UndoRedoMoves.GetCurSize(); ++k) {
            const HistoryEntry &h = d.UndoRedoMoves[k];
            ASSERT_TRUE(h.x == done[k - 1].x && h.y == done[k - 1].y &&
                        h.iZnak == done[k - 1].iZnak)
                << "entry " << k;
        }
    }
    ASSERT_TRUE(PumpUntil([this] { return !Data().IsThinking; }));
    EXPECT_EQ(myErrors.texts, std::vector<std::string>{});
}

} // namespace
