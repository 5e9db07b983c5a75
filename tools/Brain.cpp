// The brain command: the line protocol through which gomoku tournament
// managers drive an engine on stdin and stdout.
//
// Input is read on a thread of its own, so the manager is heard while the
// engine thinks: END ends the process at once and a stop request makes the
// engine answer with the best move it has. Every other request waits in a
// queue and is handled in order on the main thread, which owns the board.

#include "Commands.h"

#include "Levels.h"
#include "Protocol.h"
#include "TimeControl.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace
{

using Clock = std::chrono::steady_clock;

long long MsSince(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// The deepest pass of the engine's own time control, as for the game's timed
// settings: deeper passes never finish in any time a manager gives.
constexpr int MaxPassLevel = 18;

// Stops the board's search when the turn's deadline comes.
class Deadline
{
  public:
    Deadline(Pole &pole, Clock::time_point when) : myPole(pole)
    {
        myThread = std::thread([this, when] {
            std::unique_lock lock(myMutex);
            if (!myCondition.wait_until(lock, when, [this] { return myDone; }))
                myPole.RequestStop();
        });
    }
    ~Deadline()
    {
        {
            std::lock_guard lock(myMutex);
            myDone = true;
        }
        myCondition.notify_one();
        myThread.join();
    }

  private:
    Pole &myPole;
    std::mutex myMutex;
    std::condition_variable myCondition;
    bool myDone = false;
    std::thread myThread;
};

class Brain
{
  public:
    explicit Brain(int setting) : mySetting(setting) {}
    int Run();

  private:
    // The input thread.
    void ReadInput();
    void Take(Request request);
    void TakeEndOfInput();

    // The main thread.
    Request Next();
    void Handle(const Request &request);
    void Think();
    // Whether to go on: false once END has come.
    bool StartThinking();
    bool StopThinking();
    Move Deepen(const TurnBudget &budget, Clock::time_point started);
    void Answer(const std::string &line);

    int mySetting; // -1: the engine's own time control
    Pole myPole;
    ManagerClock myClock;

    // Shared between the two threads.
    std::mutex myMutex;
    std::condition_variable myArrived;
    std::deque<Request> myQueue;
    bool myThinking = false;
    bool myEnded = false;
};

void Brain::ReadInput()
{
    ProtocolReader reader;
    LineSplitter splitter;
    bool ended = false;
    const auto line = [&](std::string_view text, bool tooLong) {
        Request request;
        if (!ended && reader.Read(text, tooLong, request)) {
            ended = request.kind == Request::End;
            Take(std::move(request));
        }
    };
    char buffer[4096];
    while (!ended) {
        const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0)
            break; // end of input, or a pipe that failed
        splitter.Feed(buffer, static_cast<std::size_t>(n), line);
    }
    if (!ended) {
        splitter.Finish(line);
        if (!ended) {
            reader.Finish(); // a BOARD left open is dropped
            TakeEndOfInput();
        }
    }
}

void Brain::Take(Request request)
{
    std::lock_guard lock(myMutex);
    if (request.kind == Request::Stop || request.kind == Request::End) {
        if (myThinking)
            myPole.RequestStop();
        if (request.kind == Request::Stop)
            return; // with nothing being thought about, there is nothing to stop
        // END means leave now: the search is abandoned and whatever still
        // waits is dropped.
        myEnded = true;
        myQueue.clear();
    }
    myQueue.push_back(std::move(request));
    myArrived.notify_one();
}

void Brain::TakeEndOfInput()
{
    // Unlike END, the end of input lets every request that came before it,
    // and a search under way, finish.
    Request end;
    end.kind = Request::End;
    std::lock_guard lock(myMutex);
    myQueue.push_back(std::move(end));
    myArrived.notify_one();
}

Request Brain::Next()
{
    std::unique_lock lock(myMutex);
    myArrived.wait(lock, [this] { return !myQueue.empty(); });
    Request request = std::move(myQueue.front());
    myQueue.pop_front();
    return request;
}

void Brain::Answer(const std::string &line)
{
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

Move Brain::Deepen(const TurnBudget &budget, Clock::time_point started)
{
    // Level 0 is one look at the board and no search, so it is never cut
    // short: there is always a move to play.
    Move best = myPole.FindMove(KREST, 0);
    if (myPole.DoneMoves().GetCurSize() == 0)
        return best; // the opening move needs no search
    long long last = 0;
    long long previous = 0;
    for (int level = 1; level <= MaxPassLevel; ++level) {
        if (!StartAnotherPass(budget, MsSince(started), last, previous))
            break;
        const auto passStarted = Clock::now();
        const std::uint64_t callsBefore = myPole.SearchCalls();
        const Move found = myPole.FindMove(KREST, level);
        // A pass cut short by the deadline or a stop request has not looked
        // at every move; its choice is never played.
        if (myPole.IsStopRequested())
            break;
        best = found;
        previous = last;
        last = MsSince(passStarted);
        Answer("MESSAGE depth " + std::to_string(level) + " value " + std::to_string(found.iValue) +
               " calls " + std::to_string(myPole.SearchCalls() - callsBefore) + " time " +
               std::to_string(last) + " ms");
        if (found.iValue == WinValue)
            break;
    }
    return best;
}

bool Brain::StartThinking()
{
    std::lock_guard lock(myMutex);
    myThinking = !myEnded;
    return myThinking;
}

bool Brain::StopThinking()
{
    // Under the lock, so that a stop request coming now cannot outlive the
    // search it was meant for and cut the next one short.
    std::lock_guard lock(myMutex);
    myThinking = false;
    myPole.ClearStop();
    return !myEnded;
}

void Brain::Think()
{
    if (myPole.DoneMoves().GetCurSize() >= CellCount) {
        Answer("ERROR the board is full");
        return;
    }
    const auto started = Clock::now();
    const TurnBudget budget = BudgetForTurn(myClock, myPole.DoneMoves().GetCurSize());
    if (!StartThinking())
        return;
    Move found;
    bool cutShort = false;
    try {
        const Deadline stop(myPole, started + std::chrono::milliseconds(budget.deadline));
        if (mySetting < 0) {
            found = Deepen(budget, started);
        } else {
            found = FindMoveForSetting(myPole, KREST, mySetting);
            // The timed settings deepen on their own and keep the last pass
            // that finished; a fixed depth has only the one pass.
            cutShort = myPole.IsStopRequested() && !CallForSetting(mySetting).timed;
        }
    } catch (...) {
        StopThinking();
        throw;
    }
    if (!StopThinking())
        return;
    // A fixed-depth search that ran past the turn falls back on the pass of
    // level 0, the one pass that always completes.
    if (cutShort)
        found = myPole.FindMove(KREST, 0);
    const Move move = PlayableMove(myPole, found);
    myPole.MakeMove(Move{move.x, move.y, KREST, 0});
    Answer(std::to_string(move.x) + "," + std::to_string(move.y));
}

void Brain::Handle(const Request &request)
{
    switch (request.kind) {
    case Request::Start:
        if (request.number != BoardSize) {
            Answer("ERROR only the 19x19 board is supported");
        } else {
            myPole.Clear();
            Answer("OK");
        }
        break;
    case Request::Restart:
        myPole.Clear();
        Answer("OK");
        break;
    case Request::Begin:
        if (myPole.DoneMoves().GetCurSize() != 0)
            Answer("ERROR BEGIN on a board that is not empty");
        else
            Think();
        break;
    case Request::Turn:
        if (myPole.Cell(request.x, request.y).iZnak != FREE) {
            Answer("ERROR the cell " + std::to_string(request.x) + "," + std::to_string(request.y) +
                   " is occupied");
        } else {
            myPole.MakeMove(Move{request.x, request.y, NOL, 0});
            Think();
        }
        break;
    case Request::Board: {
        Pole board;
        for (const Request::Stone &s : request.stones) {
            if (board.Cell(s.x, s.y).iZnak != FREE) {
                Answer("ERROR the cell " + std::to_string(s.x) + "," + std::to_string(s.y) +
                       " is given twice in BOARD");
                return;
            }
            board.MakeMove(Move{s.x, s.y, s.own ? KREST : NOL, 0});
        }
        myPole = board;
        Think();
        break;
    }
    case Request::Takeback: {
        if (myPole.Cell(request.x, request.y).iZnak == FREE) {
            Answer("ERROR TAKEBACK needs an occupied cell x,y");
            break;
        }
        // Take back to the stone, then replay what came after it.
        const BoundedList<Move> done = myPole.DoneMoves();
        BoundedList<Move> keep(done.GetCurSize());
        for (int i = 0; i < done.GetCurSize(); ++i)
            if (done[i].x != request.x || done[i].y != request.y)
                keep.Push(done[i]);
        myPole.SetPosition(keep);
        Answer("OK");
        break;
    }
    case Request::Info:
        if (!request.text.empty())
            Answer(request.text);
        if (request.key == "timeout_turn")
            myClock.timeoutTurn = request.number;
        else if (request.key == "timeout_match")
            myClock.timeoutMatch = request.number;
        else if (request.key == "time_left")
            myClock.timeLeft = request.number;
        break; // rule 0, freestyle, is what the engine plays anyway
    case Request::About:
        Answer(std::string("name=\"Divuz\", version=\"1.0\", author=\"Divuz developers\", "
                           "country=\"Czech Republic\", rules=\"") +
               PlayedRules + "\"");
        break;
    case Request::Error:
        Answer(request.text);
        break;
    case Request::Unknown:
        Answer("UNKNOWN " + request.text);
        break;
    case Request::Stop:
    case Request::End:
        break;
    }
}

int Brain::Run()
{
    std::thread input([this] { ReadInput(); });
    for (;;) {
        const Request request = Next();
        if (request.kind == Request::End)
            break;
        try {
            Handle(request);
        } catch (const xError &e) {
            Answer(std::string("ERROR ") + e.GetText());
        }
    }
    input.join();
    return 0;
}

} // namespace

int RunBrain(const Args &args)
{
    long long setting = -1;
    if (!args.empty()) {
        if (args.size() != 2 || args[0] != "--setting" || !ParseDecimal(args[1], setting) ||
            setting < 0 || setting >= SettingCount) {
            return UsageError("divuz-engine brain: usage: brain [--setting 0..10]");
        }
    }
    return Brain(static_cast<int>(setting)).Run();
}
