#include "PoleThread.h"

#include "DivuzEvents.h"
#include "ErrorReport.h"
#include "ThreadHandOff.h"

#include <QCoreApplication>

#include <exception>
#include <utility>

PoleThread::PoleThread(QObject *receiver) : myReceiver(receiver) {}

PoleThread::PoleThread(QObject *receiver, const BoundedList<Move> &moves) : myReceiver(receiver)
{
    // Built on the user-interface thread, so an error is reported directly.
    try {
        for (int i = 0; i < moves.GetCurSize(); ++i)
            myPole.MakeMove(moves[i]);
    } catch (const xMove &) {
    } catch (const xError &error) {
        ReportError(error);
    }
}

PoleThread::~PoleThread()
{
    StopThread();
}

void PoleThread::Start()
{
    // The thread's initialisation has nothing to do: the board is built.
    if (!IsStarted())
        myThread = std::thread(&PoleThread::Run, this);
}

void PoleThread::PostThreadMessage(int message, PoleRequest *request, std::int32_t param,
                                   std::uint64_t ticket)
{
    {
        std::lock_guard lock(myQueueMutex);
        myQueue.push_back(Message{message, request, param, ticket});
    }
    // Notified outside the lock, so the woken thread does not block on it.
    myQueueWake.notify_one();
}

void PoleThread::StopThread()
{
    if (!IsStarted())
        return;
    // Step 1. A running search returns at its next node and does not reply.
    myPole.RequestStop();
    // Step 2. Whatever is queued ahead drains without replies; resume then
    // clears the flag and quit ends the loop.
    PostThreadMessage(WM_POLE_RESUME);
    PostThreadMessage(WM_POLE_QUIT);
    // Step 3. Wait for the thread to end.
    myThread.join();
}

void PoleThread::Run()
{
    for (;;) {
        Message message;
        {
            std::unique_lock lock(myQueueMutex);
            myQueueWake.wait(lock, [this] { return !myQueue.empty(); });
            message = myQueue.front();
            myQueue.pop_front();
        }
        // One message at a time, each from start to end: only StopSearch,
        // set from the other thread, cuts a request short.
        if (message.id == WM_POLE_QUIT)
            return;
        if (message.id == WM_POLE_RESUME)
            myPole.ClearStop();
        else if (message.request != nullptr)
            Handle(message);
    }
}

void PoleThread::Handle(const Message &message)
{
    PoleRequest &request = *message.request;
    try {
        switch (message.id) {
        case WM_POLE_BACK:
            for (std::int32_t i = 0; i < message.param; ++i)
                myPole.BackMove();
            CompleteBoardRequest(request, false);
            break;
        case WM_POLE_MAKE:
            MakeMove(request);
            break;
        case WM_POLE_FIND:
            Find(request, false);
            break;
        case WM_POLE_FIND_IN_TIME:
            Find(request, true);
            break;
        case WM_POLE_SET_POSITION:
            SetPosition(request);
            break;
        default:
            // An unknown message is a fault of the sender; it still gets its
            // reply so that it does not wait for ever.
            PostError("PoleThread::Handle : Strange message");
            break;
        }
    } catch (const xError &error) {
        // The request keeps whatever results it had; the reply still goes out.
        PostError(error.GetText());
    } catch (const std::exception &error) {
        PostError(error.what());
    }
    Reply(request, message.ticket);
}

void PoleThread::MakeMove(PoleRequest &request)
{
    // A refused move is an answer, not an error: the board is unchanged.
    const Place &m = request.MoveToMake;
    bool isBadMove = false;
    try {
        myPole.MakeMove(Move{m.x, m.y, m.iZnak, 0});
    } catch (const xMove &) {
        isBadMove = true;
    }
    CompleteBoardRequest(request, isBadMove);
}

void PoleThread::SetPosition(PoleRequest &request)
{
    // Setting a position rebuilds the board, flag included; a stop that was
    // asked for before must survive it, or the reply would go out.
    struct KeepStop {
        Pole &pole;
        bool wasSet = pole.IsStopRequested();
        ~KeepStop()
        {
            if (wasSet)
                pole.RequestStop();
        }
    } keepStop{myPole};

    bool isBadMove = false;
    try {
        myPole.SetPosition(request.DoneMoves);
    } catch (const xMove &) {
        isBadMove = true;
    }
    CompleteBoardRequest(request, isBadMove);
}

void PoleThread::Find(PoleRequest &request, bool inTime)
{
    const Move found = inTime ? myPole.FindMoveInTime(request.SignToMove, request.Seconds)
                              : myPole.FindMove(request.SignToMove, request.Depth);
    // The two weakest levels pick their move by chance; the chances shown
    // come from a plain one-level search of the same position instead.
    const Move priced =
        !inTime && request.Depth < 1 ? myPole.FindMove(request.SignToMove, 1) : found;

    request.DoneMoves = myPole.DoneMoves();
    request.IsBadMove = false;
    const PriceSplit price = myPole.CalcPrice(priced.x, priced.y, priced.iZnak, priced.iValue);
    request.Price1 = price.iKrest;
    request.Price2 = price.iNol;
    request.FoundMove = Place{found.x, found.y, found.iZnak};
    request.Winner = myPole.CheckVictory(request.WinLine);
    request.WinPredict = found.iValue == WinValue    ? found.iZnak
                         : found.iValue == -WinValue ? Opponent(found.iZnak)
                                                     : FREE;
}

void PoleThread::CompleteBoardRequest(PoleRequest &request, bool isBadMove)
{
    // Nothing was searched: no advised move and no prediction.
    request.DoneMoves = myPole.DoneMoves();
    request.FoundMove = Place{0, 0, 0};
    request.IsBadMove = isBadMove;
    request.Winner = myPole.CheckVictory(request.WinLine);
    request.WinPredict = FREE;
}

void PoleThread::Reply(const PoleRequest &request, std::uint64_t ticket)
{
    // While the thread is being stopped nobody waits for this request.
    if (myPole.IsStopRequested())
        return;
    auto *reply = new DivuzCommandEvent(request.ReplyCommand, ticket);
    HandOver(&request);
    HandOver(reply);
    QCoreApplication::postEvent(myReceiver, reply);
}

void PoleThread::PostError(const std::string &text)
{
    auto *error = new EngineErrorEvent(text);
    HandOver(error);
    QCoreApplication::postEvent(myReceiver, error);
}
