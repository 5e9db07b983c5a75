#pragma once

// The engine thread: one per game. It owns the engine board and works
// through a queue of messages, each naming a request record of the document.
// It makes the request on its board, writes the results back into the same
// record and posts the reply command the record names to the receiver (the
// document), so every result is taken over on the user-interface thread in queue order.

#include "Pole.h"
#include "Records.h"

#include <QObject>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>

// Messages to the engine thread. The five requests carry the document's
// request record; quit and resume carry none.
enum PoleThreadMessages : int {
    WM_POLE_BACK = 1124,         // take back the parameter's number of moves
    WM_POLE_MAKE = 1125,         // make MoveToMake
    WM_POLE_FIND = 1126,         // search SignToMove's move to Depth
    WM_POLE_FIND_IN_TIME = 1127, // search SignToMove's move within Seconds
    WM_POLE_SET_POSITION = 1128, // set the board to DoneMoves
    WM_POLE_QUIT = 1146,         // end the thread
    WM_POLE_RESUME = 1147        // clear the board's StopSearch flag
};

class PoleThread
{
  public:
    // An empty board; the replies go to receiver, which must outlive the
    // thread.
    explicit PoleThread(QObject *receiver);
    // The board after the given moves in order. A refused move ends the
    // replay silently; any other error is reported and ends it likewise.
    // The moves before the one that failed stay on the board.
    PoleThread(QObject *receiver, const BoundedList<Move> &moves);
    // Stops the thread first when it still runs.
    ~PoleThread();

    PoleThread(const PoleThread &) = delete;
    PoleThread &operator=(const PoleThread &) = delete;

    void Start();
    bool IsStarted() const { return myThread.joinable(); }

    // Queues a message. The request must stay untouched by the caller until
    // its reply arrives; the ticket travels with the reply, so the receiver
    // can tell which request a reply answers.
    void PostThreadMessage(int message, PoleRequest *request = nullptr, std::int32_t param = 0,
                           std::uint64_t ticket = 0);

    // Makes a running search return at once, lets the queued messages drain
    // without replies and waits until the thread has ended. Blocks the
    // caller only as long as that takes.
    void StopThread();

    // The board, for a caller that knows the thread is not running.
    const Pole &Board() const { return myPole; }

  private:
    struct Message {
        int id = 0;
        PoleRequest *request = nullptr;
        std::int32_t param = 0;
        std::uint64_t ticket = 0;
    };

    void Run();
    void Handle(const Message &message);
    void MakeMove(PoleRequest &request);
    void SetPosition(PoleRequest &request);
    void Find(PoleRequest &request, bool inTime);
    void CompleteBoardRequest(PoleRequest &request, bool isBadMove);
    void Reply(const PoleRequest &request, std::uint64_t ticket);
    void PostError(const std::string &text);

    Pole myPole;
    QObject *myReceiver;
    std::thread myThread;
    std::mutex myQueueMutex;
    std::condition_variable myQueueWake;
    std::deque<Message> myQueue;
};
