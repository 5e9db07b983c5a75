#include "PoleThread.h"

#include "GameTestSupport.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

BoundedList<Move> Moves(std::initializer_list<Move> moves)
{
    BoundedList<Move> list(int(moves.size()));
    for (const Move &m : moves)
        list.Push(m);
    return list;
}

// A thread whose replies land in an event log.
class PoleThreadTest : public testing::Test {
protected:
    void SetUp() override
    {
        myRequest.ReplyCommand = 103;
        myThread.Start();
    }

    // Sends one request and waits for its reply.
    void Request(int message, std::int32_t param = 0)
    {
        const std::size_t before = myLog.entries.size();
        myThread.PostThreadMessage(message, &myRequest, param, ++myTicket);
        ASSERT_TRUE(PumpUntil([&] {
            return myLog.entries.size() > before && myLog.entries.back().command != 0;
        }));
        EXPECT_EQ(myLog.entries.back().ticket, myTicket);
    }
    void Make(int x, int y, int sign)
    {
        myRequest.MoveToMake = Place{x, y, sign};
        myRequest.ReplyCommand = 103;
        Request(WM_POLE_MAKE);
    }

    ErrorRecorder myErrors;
    EventLog myLog;
    PoleThread myThread{&myLog};
    PoleRequest myRequest;
    std::uint64_t myTicket = 0;
};

TEST_F(PoleThreadTest, BoardRequestsReportTheWinnerAndItsLine)
{
    myRequest.DoneMoves = Moves({{3, 3, NOL, 0}, {4, 3, NOL, 0}, {5, 3, NOL, 0}, {6, 3, NOL, 0},
                                 {7, 3, NOL, 0}, {3, 4, KREST, 0}});
    Request(WM_POLE_SET_POSITION);
    EXPECT_FALSE(myRequest.IsBadMove);
    EXPECT_EQ(myRequest.Winner, NOL);
    EXPECT_EQ(myRequest.WinLine.GetCurSize(), 5);
    EXPECT_EQ(myRequest.WinPredict, FREE);

    Request(WM_POLE_BACK, 2);
    EXPECT_EQ(myRequest.DoneMoves.GetCurSize(), 4);
    EXPECT_EQ(myRequest.Winner, FREE);
}

TEST_F(PoleThreadTest, PositionStopsAtARefusedMoveKeepingTheMovesBefore)
{
    myRequest.DoneMoves =
        Moves({{9, 9, KREST, 0}, {10, 9, NOL, 0}, {9, 9, NOL, 0}, {11, 9, KREST, 0}});
    Request(WM_POLE_SET_POSITION);
    EXPECT_TRUE(myRequest.IsBadMove);
    EXPECT_EQ(myRequest.DoneMoves.GetCurSize(), 2);
}

TEST_F(PoleThreadTest, SearchesPredictAForcedWinForEitherSide)
{
    // KREST has an open four: whoever searches, KREST wins by force.
    myRequest.DoneMoves = Moves({{5, 9, KREST, 0}, {6, 9, KREST, 0}, {7, 9, KREST, 0},
                                 {8, 9, KREST, 0}, {5, 5, NOL, 0}, {6, 5, NOL, 0}, {14, 14, NOL, 0}});
    Request(WM_POLE_SET_POSITION);
    const BoundedList<Move> position = myRequest.DoneMoves;

    for (int message : {WM_POLE_FIND, WM_POLE_FIND_IN_TIME}) {
        for (int side : {KREST, NOL}) {
            SCOPED_TRACE(testing::Message() << "message " << message << ", side " << side);
            myRequest.SignToMove = side;
            myRequest.Depth = 2;
            myRequest.Seconds = 1;
            Request(message);
            EXPECT_EQ(myRequest.WinPredict, KREST);
            EXPECT_EQ(myRequest.FoundMove.iZnak, side);
            EXPECT_EQ(myRequest.Price1 + myRequest.Price2, 150);
            // A search leaves the board as it found it.
            EXPECT_EQ(myRequest.DoneMoves.GetCurSize(), position.GetCurSize());
            EXPECT_EQ(myRequest.Winner, FREE);
        }
    }

    // The weak levels choose by chance, but still come back complete.
    myRequest.SignToMove = NOL;
    myRequest.Depth = -15;
    Request(WM_POLE_FIND);
    EXPECT_EQ(myRequest.FoundMove.iZnak, NOL);
    EXPECT_EQ(myRequest.Price1 + myRequest.Price2, 150);
}

TEST_F(PoleThreadTest, StopEndsARunningSearchAndDrainsTheQueueWithoutReplies)
{
    // With two stones a timed search takes all of its time.
    Make(9, 9, KREST);
    Make(10, 10, NOL);
    const std::size_t before = myLog.entries.size();

    PoleRequest second;
    second.MoveToMake = Place{1, 1, NOL};
    second.ReplyCommand = 103;
    myRequest.SignToMove = KREST;
    myRequest.Seconds = 60;
    myThread.PostThreadMessage(WM_POLE_FIND_IN_TIME, &myRequest, 0, ++myTicket);
    myThread.PostThreadMessage(WM_POLE_MAKE, &second, 0, ++myTicket);
    QThread::msleep(50);
    myThread.StopThread();
    EXPECT_FALSE(myThread.IsStarted());

    PumpFor(50);
    EXPECT_EQ(myLog.entries.size(), before);
    // The queued move was still made, only its reply was held back.
    EXPECT_EQ(myThread.Board().DoneMoves().GetCurSize(), 3);
    EXPECT_FALSE(myThread.Board().IsStopRequested());
}

TEST(PoleThreadReplayTest, ReplayStopsSilentlyAtAnOccupiedCell)
{
    ErrorRecorder errors;
    EventLog log;
    const PoleThread thread(&log, Moves({{9, 9, KREST, 0}, {9, 10, NOL, 0}, {9, 9, NOL, 0},
                                         {9, 11, KREST, 0}}));
    EXPECT_EQ(thread.Board().DoneMoves().GetCurSize(), 2);
    EXPECT_TRUE(errors.texts.empty());

    const PoleThread bad(&log, Moves({{9, 9, KREST, 0}, {30, 9, NOL, 0}, {9, 11, KREST, 0}}));
    EXPECT_EQ(bad.Board().DoneMoves().GetCurSize(), 1);
    EXPECT_EQ(errors.texts, std::vector<std::string>{"Index out of range."});
}

} // namespace
