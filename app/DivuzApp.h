#pragma once

// The application object: owns the options record and the best-games
// table, loads both at start and saves both at exit, ties the document, the
// main frame and the view together, starts the first game and handles the
// application-wide commands (who begins, new game, new tournament, the
// information panel).

#include "BestGames.h"
#include "DivuzApplication.h"
#include "DivuzOptions.h"
#include "SdlMediaPlayer.h"

#include <functional>
#include <memory>
#include <string>

class CDivuzDoc;
class CMainFrame;
class QDialog;
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
    // Shut-down: the game stops, settings and best games are written.
    int ExitInstance();

    DivuzOptions GetOptions() const override { return myOptions; }
    void SetOptions(const DivuzOptions &options) override { myOptions = options; }
    void PostMainWindowCommand(int id) override;
    void SendMainWindowMessage(int message) override;

    BestGames &GetBestGames() { return myBestGames; }
    CMainFrame *MainFrame() const { return myFrame.get(); }
    CDivuzDoc *Document() const { return myDocument.get(); }
    SdlMediaPlayer &Player() { return myPlayer; }

    bool OnCommand(int id);
    bool GetCommandState(int id, CommandState &state) const;

    // Runs a modal dialog and returns its result (QDialog::Accepted or
    // Rejected); exec() unless a test or tool drives the dialog itself.
    using DialogRunner = std::function<int(QDialog &dialog)>;
    void SetDialogRunner(DialogRunner runner) { myDialogRunner = std::move(runner); }

  private:
    void StartNewGame(bool tournament);
    // "Volby": the options dialog on the application's own record, then the
    // music, the frame's size and the view follow what changed.
    void OnOptions();
    // The view and every window in it, repainted.
    void RepaintView();

    DivuzOptions myOptions;
    BestGames myBestGames;
    std::string myProgramFolder;
    // Sounds and music; registered as the program's player while the
    // application lives, and outliving the frame that plays through it.
    SdlMediaPlayer myPlayer;
    std::unique_ptr<CDivuzDoc> myDocument;
    std::unique_ptr<CMainFrame> myFrame;
    DialogRunner myDialogRunner;
};
