#pragma once

// The application object: owns the options record and the best-games
// table, loads both at start and saves both at exit, ties the document, the
// main frame and the view together, starts the first game and handles the
// application-wide commands (who begins, new game, new tournament, the
// information panel, About and help).

#include "BestGames.h"
#include "BestGamesDialogRunner.h"
#include "DivuzApplication.h"
#include "DivuzOptions.h"

#include <memory>

class CDivuzDoc;
class CMainFrame;
class DivuzHelp;
class SplashMessageFilter;
struct CommandState;

class CDivuzApp : public IDivuzApplication {
public:
    CDivuzApp();
    ~CDivuzApp() override;

    // Start-up: settings, best games, document and window, the first game.
    bool InitInstance();
    // Shut-down: the game stops, settings and best games are written.
    int ExitInstance();

    DivuzOptions GetOptions() const override { return myOptions; }
    void SetOptions(const DivuzOptions &options) override { myOptions = options; }
    void PostMainWindowCommand(int id) override;
    void SendMainWindowMessage(int message) override;
    void ShowHelp(int context) override;

    // "--check-data": prints where the sounds, music and help are found;
    // returns the program's exit code, 0 when everything is there.
    int CheckData();

    BestGames &GetBestGames() { return myBestGames; }
    CMainFrame *MainFrame() const { return myFrame.get(); }
    CDivuzDoc *Document() const { return myDocument.get(); }
    DivuzHelp &Help() { return *myHelp; }

    bool OnCommand(int id);
    bool GetCommandState(int id, CommandState &state) const;

private:
    void StartNewGame(bool tournament);

    DivuzOptions myOptions;
    BestGames myBestGames;
    BestGamesDialogRunner myBestGamesDialogs;
    std::unique_ptr<CDivuzDoc> myDocument;
    std::unique_ptr<CMainFrame> myFrame;
    std::unique_ptr<DivuzHelp> myHelp;
    std::unique_ptr<SplashMessageFilter> mySplashFilter;
};
