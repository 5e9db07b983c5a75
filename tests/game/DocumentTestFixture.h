#pragma once

// The fixture of the game document's tests: a document with a view that
// records every update, the player's clicks and commands, and a check that
// no test leaves an error it did not expect.

#include "DivuzDoc.h"

#include "GameTestSupport.h"

#include <gtest/gtest.h>

#include <QString>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

inline QString Utf8(const char *text)
{
    return QString::fromUtf8(text);
}

// The history holds exactly the engine's moves, bottom entry first.
inline testing::AssertionResult InStep(const DataDivuzDoc &d, const BoundedList<Move> &done)
{
    const int n = d.UndoRedoMoves.GetCurSize();
    if (n != done.GetCurSize() + (n > 0)) // no bottom entry before a game starts
        return testing::AssertionFailure() << "history " << n << ", engine " << done.GetCurSize();
    for (int i = 1; i < n; ++i) {
        const HistoryEntry &h = d.UndoRedoMoves[i];
        const Move &m = done[i - 1];
        if (h.x != m.x || h.y != m.y || h.iZnak != m.iZnak)
            return testing::AssertionFailure() << "entry " << i << " differs";
    }
    return testing::AssertionSuccess();
}

// A view as the real one behaves: reads the record on every update, then
// clears the sound event. Every copy is kept for the test to look at, and
// after every taken-over result the history must match the engine.
class RecordingView : public IDivuzView
{
  public:
    explicit RecordingView(CDivuzDoc &doc) : myDoc(doc) {}

    void OnUpdate() override
    {
        DataDivuzDoc data;
        myDoc.GetData(data);
        if (!data.IsThinking) {
            EXPECT_TRUE(InStep(data, myDoc.Request().DoneMoves));
        }
        updates.push_back(std::move(data));
        myDoc.ClearSoundEvent();
    }

    int CountSound(int soundEvent) const
    {
        int n = 0;
        for (const DataDivuzDoc &d : updates)
            n += d.SoundEvent == soundEvent;
        return n;
    }

    std::vector<DataDivuzDoc> updates;

  private:
    CDivuzDoc &myDoc;
};

class DocumentTest : public testing::Test
{
  protected:
    DocumentTest() { myDoc.AddView(&myView); }
    // No test reports an error it does not expect and clear.
    void TearDown() override { EXPECT_EQ(myErrors.texts, std::vector<std::string>{}); }
    ~DocumentTest() override { myDoc.RemoveView(&myView); }

    DataDivuzDoc Data() const
    {
        DataDivuzDoc d;
        myDoc.GetData(d);
        return d;
    }
    int HistorySize() const { return Data().UndoRedoMoves.GetCurSize(); }
    void WaitIdle()
    {
        ASSERT_TRUE(PumpUntil([this] { return !Data().IsThinking; }));
    }
    void NewGame()
    {
        ASSERT_TRUE(myDoc.OnNewDocument());
        WaitIdle();
    }
    void Click(int x, int y, std::int32_t sign = NOL)
    {
        myDoc.OnMakeMove(Place{x, y, sign});
        WaitIdle();
    }
    // The player asks an engine of its own for a strong move.
    void ClickStrongMove()
    {
        const Move m = BoardOf(Data()).FindMove(NOL, 4);
        Click(m.x, m.y);
    }
    // The player takes the next free cell with both coordinates even: no
    // two of them ever touch, so the player never makes five.
    void ClickHarmlessMove()
    {
        const Pole pole = BoardOf(Data());
        for (int y = 0; y < BoardSize; y += 2)
            for (int x = 0; x < BoardSize; x += 2)
                if (pole.Cell(x, y).iZnak == FREE)
                    return Click(x, y);
        FAIL() << "no harmless cell left";
    }
    enum class Player { Strong, Harmless };
    void PlayToTheEnd(Player player)
    {
        for (int moves = 0; Data().GameMode == InProgress && moves < 180; ++moves)
            player == Player::Strong ? ClickStrongMove() : ClickHarmlessMove();
        ASSERT_NE(Data().GameMode, InProgress);
    }
    // A search that runs for seconds: with one stone on the board even the
    // timed levels answer at once, so the player's second move starts it.
    // Returns once the search is out.
    void StartSearch(int level)
    {
        myApp.myOptions.Level = 0;
        Click(9, 9);
        myApp.myOptions.Level = level;
        const Pole board = BoardOf(Data());
        const int x = board.Cell(10, 10).iZnak == FREE ? 10 : 8;
        myDoc.OnMakeMove(Place{x, 10, NOL});
        ASSERT_TRUE(PumpUntil([this] { return HistorySize() >= 4; }));
    }
    // Stones of both signs set up in edit mode; the player moves next.
    void SetUpPosition(std::initializer_list<Place> stones)
    {
        myDoc.OnGameEditmode();
        for (const Place &p : stones)
            Click(p.x, p.y, p.iZnak);
        myDoc.OnGameEditmode();
        ASSERT_EQ(Data().Mode, ModeGame);
    }
    bool Enabled(int id) const { return myDoc.CommandState(id).enabled; }
    void Command(int id)
    {
        ASSERT_TRUE(myDoc.OnCommand(id));
        WaitIdle();
    }
    void Pulses(int n)
    {
        for (int i = 0; i < n; ++i)
            myDoc.OnTimePulse();
    }

    StandInApplication myApp;
    ErrorRecorder myErrors;
    CDivuzDoc myDoc;
    RecordingView myView{myDoc};
};
