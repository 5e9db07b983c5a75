#pragma once

// The game document: owner of the game record, of the request record it
// shares with the engine thread, and of that thread. Every decision about
// the game is taken here on the user-interface thread; the engine works only
// on its own thread and answers through reply commands posted to the
// document itself, so they are taken over in order on the user-interface
// thread. The work is spread over files by concern: the turn cycle
// (DivuzDoc.cpp), the commands (DocumentCommands.cpp), undo, redo, hint and
// the modes (DocumentHistory.cpp), the clocks (DocumentClock.cpp), the
// saved-game file (DocumentFile.cpp) and the best-games table
// (DocumentBestGames.cpp).

#include "DivuzCommands.h"
#include "IDivuzView.h"
#include "PoleThread.h"
#include "Records.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The request that stands for a strength setting: the message, Depth and
// Seconds.
struct LevelRequest {
    int message;
    std::int32_t depth;
    std::int32_t seconds;
};

// The request for the computer's own move, or for a hint, at a Level;
// nothing for a Level outside 0..10.
std::optional<LevelRequest> LevelRequestFor(int level, bool forHint);

// The enabling table: whether a command row is allowed in a Mode and a
// GameMode (while no request is out); false for a row, Mode or GameMode
// outside its range.
bool CommandAllowedIn(int row, std::int32_t mode, std::int32_t gameMode);

// The string-table id of the game status in a Mode and GameMode, while the
// player is to move or while a request is out; 0 when there is none.
int GameStatusTextId(std::int32_t mode, std::int32_t gameMode, bool thinking);

// The message shown when a file holds no readable game, and the caption of
// every message about opening or saving a game except a wrong version
// (InvalidFileFormatText with InvalidFileFormatCaption).
inline constexpr const char *UnexpectedFileFormatText = "Unexpected file format.";
inline constexpr const char *GameFileCaption = "Divuz";

class BestGamesStore;
class IBestGamesDialogs;

class CDivuzDoc : public QObject
{
    Q_OBJECT

  public:
    explicit CDivuzDoc(QObject *parent = nullptr);
    // Stops the engine thread.
    ~CDivuzDoc() override;

    // The views, updated in the order they were added.
    void AddView(IDivuzView *view);
    void RemoveView(IDivuzView *view);
    void UpdateAllViews();

    // Told of every request posted to the engine thread (the message and
    // the request record as it leaves), for tests and tools that check what
    // the engine is asked to do.
    using RequestObserver = std::function<void(int message, const PoleRequest &request)>;
    void SetRequestObserver(RequestObserver observer) { myRequestObserver = std::move(observer); }
    // Called as soon as a request has gone out to the engine, so the windows
    // can show at once, in the same turn of the event loop, that the game
    // now waits for it (the replies update the views anyway).
    void SetRequestListener(std::function<void()> listener)
    {
        myRequestListener = std::move(listener);
    }

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

    // Undo: takes back the player's move and the computer's answer in a
    // game, one move in edit mode and view party, and un-counts a win that
    // is taken back (except in view party).
    void OnEditUndo();
    // Redo: makes again the undone moves, a pair at a time in a game, one at
    // a time in edit mode and view party; only while nobody has won.
    void OnGameRedo();
    // Reply 108: the first move of a redone pair is made; make the second.
    void OnRedoSecondMove();
    // Asks the engine for the move it would advise the player, at the
    // hint strength of the present Level.
    void OnGameHint();
    // Reply 105: shows the advised move and keeps everything else the
    // board showed before the hint.
    void OnHintFound();
    // Switches between the game and setting up a position.
    void OnGameEditmode();
    // Switches between setting up a position and debug mode.
    void OnGameDegugmode();
    // A key of debug mode: allowed only in debug mode and without effect.
    // Returns whether it was allowed.
    bool OnDebugKey(int id);

    // Enabling of undo and redo: the row and whether the history can step
    // by the number of moves the command would take.
    bool OnUpdateEditUndo() const;
    bool OnUpdateGameRedo() const;
    // Enabled and checked for a command id. Commands the document has no
    // say in come back enabled and unchecked.
    ::CommandState CommandState(int id) const;

    // The saved-game file: the game record and nothing else. Loading reads
    // and checks the whole record before the game in progress is touched;
    // it throws xBadVersion for a version other than 1, another xError for
    // a record that is damaged or whose history the board refuses, and
    // leaves the game as it was in either case. On success the opened game
    // replaces the old one and a new engine thread holds its position.
    void Serialize(ArchiveWriter &ar) const;
    void Serialize(ArchiveReader &ar);
    // Saves the game to path; a failure leaves any earlier file at path as
    // it was. On failure, error (when given) gets a message for the user.
    bool SaveGame(const QString &path, QString *error = nullptr) const;
    // Opens the game saved at path. On failure the game in progress goes on
    // untouched, and error and caption (when given) get the message box the
    // user is to see.
    bool OpenGame(const QString &path, QString *error = nullptr, QString *caption = nullptr);

    // The best-games table and the dialogs that show it, both kept by the
    // caller for the document's lifetime. Without them a won tournament game
    // is not filed and the best-games command shows nothing.
    void SetBestGames(BestGamesStore *table, IBestGamesDialogs *dialogs);
    // Command 120, posted after a won tournament game: a game good enough
    // for the table gets the player's name, is filed, and the table is
    // shown. Any other game is left as it is.
    void OnTournamentWin();
    // Shows the table; a stored game chosen there replaces the game for a
    // replay that starts on an empty board and goes on with Redo and Undo.
    void OnBestGames();
    // Sets the engine's board to the moves of the history up to CurSize.
    void SendPosition();

    // The text of the status pane for the present state of the game.
    QString OnUpdateGameStatus() const;
    // One tick of the view's 100 ms timer: advances the clock that runs.
    void OnTimePulse();

    // Routes a command id to its handler; false when the document has none.
    bool OnCommand(int id);

    // The moves of history entries first..last-1, for an engine's board.
    static BoundedList<Move> HistoryMoves(const Stack<HistoryEntry> &history, int first, int last);

    // The request record, readable while no request is out (IsThinking false).
    const PoleRequest &Request() const { return myRequest; }

  protected:
    // Takes the engine thread's replies and error reports.
    bool event(QEvent *event) override;

  private:
    void PostRequest(int message, int replyCommand, int soundEvent, std::int32_t param = 0);
    Place PlayableMove(const Place &found) const;
    int WhichPulse() const;
    void StopEngine();
    int UndoCount() const;
    void RedoOneMove(int replyCommand);
    void StartOpenedGame(const DataDivuzDoc &opened);
    // Throws xIO for a record that only a damaged file can hold: no bottom
    // entry, a history the board refuses, signs the board cannot draw.
    static void CheckOpenedRecord(const DataDivuzDoc &d);

    std::unique_ptr<PoleThread> myThread;
    PoleRequest myRequest;
    DataDivuzDoc myData;
    std::vector<IDivuzView *> myViews;
    BestGamesStore *myBestGames = nullptr;
    IBestGamesDialogs *myBestGamesDialogs = nullptr;
    // Numbers the requests; a reply counts only while it carries the number
    // of the request now out, so one left over from a stopped thread is
    // dropped. Never reset, so numbers from an old game never match.
    std::uint64_t myTicket = 0;
    RequestObserver myRequestObserver;
    std::function<void()> myRequestListener;
};
