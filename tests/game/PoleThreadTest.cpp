#include "PoleThread.h"

#include "DivuzEvents.h"
#include "GameTestSupport.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace
{

BoundedList<Move> Moves(std::initializer_list<Move> moves)
{
    BoundedList<Move> list(int(moves.size()));
    for (const Move &m : moves)
        list.Push(m);
    return list;
}

// Records the command and ticket of every reply that reaches it.
class ReplyLog : public QObject
{
  public:
    bool event(QEvent *event) override
    {
        if (event->type() != DivuzCommandEvent::EventType())
            return QObject::event(event);
        const auto *c = static_cast<const DivuzCommandEvent *>(event);
        replies.emplace_back(c->Command(), c->Ticket());
        return true;
    }
    std::vector<std::pair<int, std::uint64_t>> replies;
};

// A thread whose replies land in a reply log.
class PoleThreadTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        myRequest.ReplyCommand = 103;
        myThread.Start();
    }

    // Sends one request and waits for its reply.
    void Request(int message, std::int32_t param = 0)
    {
        const std::size_t before = myLog.replies.size();
        myThread.PostThreadMessage(message, &myRequest, param, ++myTicket);
        ASSERT_TRUE(PumpUntil([&] { return myLog.replies.size() > before; }));
        EXPECT_EQ(myLog.replies.back(), std::pair(103, myTicket));
    }

    ErrorRecorder myErrors;
    ReplyLog myLog;
    PoleThread myThread{&myLog};
    PoleRequest myRequest;
    std::uint64_t myTicket = 0;
};

TEST_F(PoleThreadTest, SearchesPredictAForcedWinForEitherSide)
{
    // KREST has an open four: whoever searches, KREST wins by force.
    myRequest.DoneMoves = Moves({{5, 9, KREST, 0},
                                 {6, 9, KREST, 0},
                                 {7, 9, KREST, 0},
                                 {8, 9, KREST, 0},
                                 {5, 5, NOL, 0},
                                 {6, 5, NOL, 0},
                                 {14, 14, NOL, 0}});
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
}

TEST_F(PoleThreadTest, StopEndsARunningSearchAndDrainsTheQueueWithoutReplies)
{
    // With two stones a timed search takes all of its time.
    myRequest.DoneMoves = Moves({{9, 9, KREST, 0}, {10, 10, NOL, 0}});
    Request(WM_POLE_SET_POSITION);
    const std::size_t before = myLog.replies.size();

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
    EXPECT_EQ(myLog.replies.size(), before);
    // The queued move was still made, only its reply was held back.
    EXPECT_EQ(myThread.Board().DoneMoves().GetCurSize(), 3);
    EXPECT_FALSE(myThread.Board().IsStopRequested());
}

TEST(PoleThreadReplayTest, ReplayStopsSilentlyAtAnOccupiedCell)
{
    ErrorRecorder errors;
    ReplyLog log;
    const PoleThread thread(
        &log, Moves({{9, 9, KREST, 0}, {9, 10, NOL, 0}, {9, 9, NOL, 0}, {9, 11, KREST, 0}}));
    EXPECT_EQ(thread.Board().DoneMoves().GetCurSize(), 2);
    EXPECT_TRUE(errors.texts.empty());

    const PoleThread bad(&log, Moves({{9, 9, KREST, 0}, {30, 9, NOL, 0}, {9, 11, KREST, 0}}));
    EXPECT_EQ(bad.Board().DoneMoves().GetCurSize(), 1);
    EXPECT_EQ(errors.texts, std::vector<std::string>{"Index out of range."});
}

} // namespace
