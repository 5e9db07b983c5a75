#pragma once

// Helpers shared by the game tests: an application object that records
// what the document sends to the main window, a view that records every
// update, an event log, an error recorder and event pumping.

#include "DivuzApplication.h"
#include "DivuzDoc.h"
#include "DivuzEvents.h"
#include "ErrorReport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
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

// Records the command events and error reports that reach an object, in
// arrival order. As an event filter it sees them before the document does.
class EventLog : public QObject {
public:
    struct Entry {
        int command = 0; // 0 for an error report
        std::uint64_t ticket = 0;
        std::string text;
    };

    bool eventFilter(QObject *, QEvent *event) override
    {
        Record(event);
        return false;
    }
    bool event(QEvent *event) override { return Record(event) || QObject::event(event); }

    std::vector<Entry> entries;

private:
    bool Record(QEvent *event)
    {
        if (event->type() == DivuzCommandEvent::EventType()) {
            const auto *c = static_cast<const DivuzCommandEvent *>(event);
            entries.push_back({c->Command(), c->Ticket(), {}});
            return true;
        }
        if (event->type() == EngineErrorEvent::EventType()) {
            entries.push_back({0, 0, static_cast<const EngineErrorEvent *>(event)->Text()});
            return true;
        }
        return false;
    }
};

// A view as the real one behaves: reads the record on every update, then
// clears the sound event. Every copy is kept for the test to inspect.
class RecordingView : public IDivuzView {
public:
    explicit RecordingView(CDivuzDoc &doc) : myDoc(doc) {}

    void OnUpdate() override
    {
        DataDivuzDoc data;
        myDoc.GetData(data);
        if (onUpdate)
            onUpdate(data);
        updates.push_back(std::move(data));
        myDoc.ClearSoundEvent();
    }
    QObject *ReplyTarget() override { return &myTarget; }

    int CountSound(int soundEvent) const
    {
        int n = 0;
        for (const DataDivuzDoc &d : updates)
            n += d.SoundEvent == soundEvent;
        return n;
    }

    std::vector<DataDivuzDoc> updates;
    std::function<void(const DataDivuzDoc &)> onUpdate;

private:
    CDivuzDoc &myDoc;
    QObject myTarget;
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
