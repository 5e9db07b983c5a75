#pragma once

// The game document: owner of the game record, of the request record it
// shares with the engine thread, and of that thread. Every decision about
// the game is taken here on the user-interface thread; the engine works only
// on its own thread and answers through reply commands in the view's queue.

#include "DivuzView.h"
#include "PoleThread.h"
#include "Records.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

// The request that stands for a strength setting: the message, Depth and
// Seconds.
struct LevelRequest {
    int message;
    std::int32_t depth;
    std::int32_t seconds;
};

// The request for the computer's own move, or for a hint, at a Level;
// nullptr for a Level outside 0..10.
const LevelRequest *LevelRequestFor(int level, bool forHint);

class CDivuzDoc : public QObject {
    Q_OBJECT

public:
    explicit CDivuzDoc(QObject *parent = nullptr);
    // Stops the engine thread.
    ~CDivuzDoc() override;

    // The views, updated in the order they were added. The first one's
    // reply object receives the engine thread's replies. Removing the view
    // the engine replies to stops the engine thread first.
    void AddView(IDivuzView *view);
    void RemoveView(IDivuzView *view);
    void UpdateAllViews();

    // Starts a new game with a new engine thread; who begins, the game kind
    // and the music come from the application's settings.
    bool OnNewDocument();
    // Stops the engine thread and resets everything but the score, the
    // player's name and who began the last game.
    void DeleteContents();

    void GetData(DataDivuzDoc &data) const { data = myData; }
    void ClearSoundEvent() { myData.SoundEvent = SoundNone; }

    // Row of the enabling table: allowed in this Mode and GameMode while no
    // request is out.
    bool IsCommandAllowed(int row) const;

    // A click on a cell: the left button gives the player's sign, the right
    // one the computer's.
    void OnMakeMove(const Place &m);
    // Reply 102: take the player's move over, then ask for the computer's.
    void OnFindAndMakeMove();
    // Reply 104: make the move the computer found.
    void OnMoveFound();
    // Reply 103: take the last request's result over. False when the move
    // was refused or the game ended.
    bool CheckAndSetResult();
    // Switches between the game and setting up a position.
    void OnGameEditmode();

    // The text of the status pane for the present state of the game.
    QString OnUpdateGameStatus() const;
    // One tick of the view's 100 ms timer: advances the clock that runs.
    void OnTimePulse();

    // Routes a command id to its handler; false when the document has none.
    // Engine replies reach it only while their request is the one out.
    bool OnCommand(int id);

    // The request record, readable while no request is out (IsThinking false).
    const PoleRequest &Request() const { return myRequest; }
    bool HasEngineThread() const { return myThread != nullptr; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void PostRequest(int message, int replyCommand, int soundEvent, std::int32_t param = 0);
    Place PlayableMove(const Place &found) const;
    int WhichPulse() const;
    void StopEngine();

    std::unique_ptr<PoleThread> myThread;
    IDivuzView *myEngineView = nullptr; // the view the engine thread replies to
    PoleRequest myRequest;
    DataDivuzDoc myData;
    std::vector<IDivuzView *> myViews;
    // Numbers the requests; a reply counts only while it carries the number
    // of the request now out, so one left over from a stopped thread is
    // dropped. Never reset, so numbers from an old game never match.
    std::uint64_t myTicket = 0;
};
