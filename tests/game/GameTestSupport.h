#pragma once

// Helpers shared by the game and window tests: the stand-in application,
// an error recorder, event pumping and the board of a record.

#include "DivuzDoc.h"
#include "ErrorReport.h"
#include "RecordsArchive.h"
#include "StandInApplication.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

// Collects reported error texts while it lives.
class ErrorRecorder
{
  public:
    ErrorRecorder()
        : myPrevious(SetErrorReporter([this](const std::string &t) { texts.push_back(t); }))
    {
    }
    ~ErrorRecorder() { SetErrorReporter(std::move(myPrevious)); }

    std::vector<std::string> texts;

  private:
    ErrorReporter myPrevious;
};

// Handles events until the condition holds; false when it still does not
// after the timeout.
inline bool PumpUntil(const std::function<bool()> &done, int timeoutMs = 20000)
{
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        QCoreApplication::processEvents();
        if (done())
            return true;
        if (timer.elapsed() > timeoutMs)
            return false;
        QThread::usleep(200);
    }
}

inline void PumpFor(int ms)
{
    PumpUntil([] { return false; }, ms);
}

// Handles events until nothing is busy any more and the events that its
// end posted have run too: a few passes of the event loop in a row with
// busy() false, rather than a fixed time.
inline bool PumpUntilSettled(const std::function<bool()> &busy, int timeoutMs = 10000)
{
    constexpr int QuietPasses = 3;
    int quiet = 0;
    return PumpUntil(
        [&] {
            quiet = busy() ? 0 : quiet + 1;
            return quiet >= QuietPasses;
        },
        timeoutMs);
}

// Runs the events already posted and those they post in turn.
inline void PumpPosted()
{
    PumpUntilSettled([] { return false; });
}

// The engine board of a record's history.
inline Pole BoardOf(const DataDivuzDoc &d)
{
    Pole pole;
    pole.SetPosition(CDivuzDoc::HistoryMoves(d.UndoRedoMoves, 1, d.UndoRedoMoves.GetCurSize()));
    return pole;
}

// The record's archive form: equal bytes, equal records.
inline std::string Bytes(const DataDivuzDoc &d)
{
    std::ostringstream out;
    ArchiveWriter ar(out);
    d.Serialize(ar);
    return out.str();
}
