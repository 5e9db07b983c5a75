#pragma once

// Helpers shared by the game and window tests: an application object that
// records what the document sends to the main window, an error recorder and
// event pumping.

#include "DivuzApplication.h"
#include "DivuzDoc.h"
#include "ErrorReport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <functional>
#include <string>
#include <utility>
#include <vector>

// Registered while it lives; the test changes its options directly.
class FakeApplication : public IDivuzApplication {
public:
    FakeApplication()
    {
        // Instant, deterministic defaults; tests choose otherwise where it matters.
        myOptions.Level = 0;
        myOptions.WhoBeginsMode = 0;
        myOptions.MusicMode = 0;
        RegisterApplication(this);
    }
    ~FakeApplication() override { UnregisterApplication(this); }

    DivuzOptions GetOptions() const override { return myOptions; }
    void SetOptions(const DivuzOptions &options) override { myOptions = options; }
    void PostMainWindowCommand(int id) override { commands.push_back(id); }
    void SendMainWindowMessage(int message) override { messages.push_back(message); }

    DivuzOptions myOptions;
    std::vector<int> commands;
    std::vector<int> messages;
};

// Collects reported error texts while it lives.
class ErrorRecorder {
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
