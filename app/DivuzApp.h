#pragma once

// The application object: owns the options record and the best-games
// table, loads both at start and saves both at exit, ties the document, the
// main frame and the view together, starts the first game and handles the
// application-wide commands (who begins, new game, new tournament, the
// information panel, the options, About and help).

#include "BestGamesDialogRunner.h"
#include "BestGamesStore.h"
#include "DivuzApplication.h"
#include "DivuzOptions.h"
#include "SdlMediaPlayer.h"

#include <functional>
#include <memory>
#include <string>

class CDivuzDoc;
class CMainFrame;
class DivuzHelp;
class QDialog;
class SplashMessageFilter;
struct CommandState;

class CDivuzApp : public IDivuzApplication
{
  public:
    // The program's folder (Best.tab, Music, Sound) is the program file's,
    // or programFolder when one is given (tests, screenshots).
    explicit CDivuzApp(std::string programFolder = {});
    ~CDivuzApp() override;

    // Start-up: settings, best games, document and window, the first game.
    bool InitInstance();
    // Shut-down: the game stops, settings and best games are written. Runs
    // once, however many ways out were taken.
    int ExitInstance();

    // The way out of a signal or any other request from outside: the same
    // orderly exit as "&Konec", through the main window's closing.
    void RequestExit();
    // Whether the program is on its way out: the main window has closed, so
    // the event loop must not start or go on.
    bool IsExiting() const { return myIsExiting; }
    // Writes the settings and the best-games table now, as at exit (the
    // session manager asks for this before a logout).
    void SaveState();

    DivuzOptions GetOptions() const override { return myOptions; }
    void SetOptions(const DivuzOptions &options) override { myOptions = options; }
    void PostMainWindowCommand(int id) override;
    void SendMainWindowMessage(int message) override;
    void ShowHelp(int context) override;

    // "--check-data": prints where the sounds, music and help are found;
    // returns the program's exit code, 0 when everything is there.
    int CheckData();

    BestGamesStore &GetBestGames() { return myBestGames; }
    CMainFrame *MainFrame() const { return myFrame.get(); }
    CDivuzDoc *Document() const { return myDocument.get(); }
    DivuzHelp &Help() { return *myHelp; }
    SdlMediaPlayer &Player() { return myPlayer; }

    bool OnCommand(int id);
    bool GetCommandState(int id, CommandState &state) const;

    // Runs a modal dialog and returns its result (QDialog::Accepted or
    // Rejected); exec() unless a test or tool drives the dialog itself.
    using DialogRunner = std::function<int(QDialog &dialog)>;
    void SetDialogRunner(DialogRunner runner) { myDialogRunner = std::move(runner); }

  private:
    void StartNewGame(bool tournament);
    // The main window has closed: every other window of ours closes with it
    // and the event loop ends, whatever dialog was running.
    void OnMainFrameClosed();
    // Reads the settings, from the program folder given at construction
    // when there is one.
    void LoadOptions();
    // "Volby": the options dialog on the application's own record, then the
    // music, the frame's size and the view follow what changed.
    void OnOptions();
    // The view and every window in it, repainted.
    void RepaintView();

    DivuzOptions myOptions;
    BestGamesStore myBestGames;
    BestGamesDialogRunner myBestGamesDialogs;
    std::string myProgramFolder;
    // Sounds and music; registered as the program's player while the
    // application lives, and outliving the frame that plays through it.
    SdlMediaPlayer myPlayer;
    std::unique_ptr<CDivuzDoc> myDocument;
    std::unique_ptr<CMainFrame> myFrame;
    std::unique_ptr<DivuzHelp> myHelp;
    std::unique_ptr<SplashMessageFilter> mySplashFilter;
    DialogRunner myDialogRunner;
    bool myIsStarting = true; // until the splash is up
    bool myIsExiting = false;
    bool myHasExited = false;
};
