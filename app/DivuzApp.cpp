#include "DivuzApp.h"

#include "BestGamesLocation.h"
#include "DivuzCommands.h"
#include "DivuzDoc.h"
#include "DivuzEvents.h"
#include "FrameCommands.h"
#include "MainFrame.h"
#include "MainView.h"
#include "OptionsDialog.h"
#include "SettingsStore.h"

#include <QCoreApplication>

CDivuzApp::CDivuzApp(std::string programFolder) : myProgramFolder(std::move(programFolder))
{
    myOptions.WndLayout = StandardWndLayout();
    RegisterApplication(this);
    RegisterMediaPlayer(&myPlayer);
}

CDivuzApp::~CDivuzApp()
{
    // The window goes before the document it shows.
    myFrame.reset();
    myDocument.reset();
    UnregisterMediaPlayer(&myPlayer);
    UnregisterApplication(this);
}

bool CDivuzApp::InitInstance()
{
    // The per-user folders (the settings store, a per-user best-games
    // table) are named after these.
    QCoreApplication::setOrganizationName("Zidude");
    QCoreApplication::setApplicationName("Divuz");
    if (myProgramFolder.empty())
        LoadSettings(myOptions);
    else
        LoadSettings(myOptions, myProgramFolder);
    LoadBestGames(myBestGames, myOptions);

    myDocument = std::make_unique<CDivuzDoc>();
    myFrame = std::make_unique<CMainFrame>(myDocument.get());
    myFrame->SetApplicationCommands(
        [this](int id) { return OnCommand(id); },
        [this](int id, CommandState &state) { return GetCommandState(id, state); });
    myFrame->OnCommand(ID_FILE_NEW); // the first game
    myFrame->show();
    myFrame->PlaceOnScreen();
    return true;
}

int CDivuzApp::ExitInstance()
{
    if (myDocument)
        myDocument->DeleteContents();
    SaveSettings(myOptions);
    SaveBestGames(myBestGames, myOptions);
    return 0;
}

void CDivuzApp::PostMainWindowCommand(int id)
{
    if (myFrame)
        QCoreApplication::postEvent(myFrame.get(), new DivuzCommandEvent(id));
}

void CDivuzApp::SendMainWindowMessage(int message)
{
    if (myFrame) {
        DivuzCommandEvent event(message);
        QCoreApplication::sendEvent(myFrame.get(), &event);
    }
}

void CDivuzApp::StartNewGame(bool tournament)
{
    myOptions.IsTournament = tournament;
    myFrame->OnCommand(ID_FILE_NEW);
}

bool CDivuzApp::OnCommand(int id)
{
    switch (id) {
    case ID_WHO_PLAYER:    // "Hráč"
    case ID_WHO_COMPUTER:  // "Počítač"
    case ID_WHO_ALTERNATE: // "Střídavě"
        myOptions.WhoBeginsMode = id - ID_WHO_PLAYER;
        return true;
    case ID_VIEW_INFO:
        myOptions.IsViewInfo = !myOptions.IsViewInfo;
        PostMainWindowCommand(WM_FIT_FRAME);
        RepaintView();
        return true;
    case ID_NEW_GAME:
        StartNewGame(false);
        return true;
    case ID_NEW_TOURNAMENT:
        StartNewGame(true);
        return true;
    case ID_OPTIONS:
        OnOptions();
        return true;
    default:
        return false;
    }
}

void CDivuzApp::OnOptions()
{
    // Step 1. What decides whether the music starts again.
    const bool wasMusicOn = myOptions.IsMusicOn;
    const std::string oldMusicName = myOptions.MusicName;

    // Step 2. The dialog on the application's own record.
    OptionsDialog dialog(myOptions, myFrame.get());
    const int result = myDialogRunner ? myDialogRunner(dialog) : dialog.exec();
    if (result != QDialog::Accepted)
        return;

    // Step 3. The music when it was switched, or another piece while on;
    // then the frame's size and a full repaint.
    if (myOptions.IsMusicOn != wasMusicOn ||
        (myOptions.IsMusicOn && myOptions.MusicName != oldMusicName))
        myFrame->UpdateMusic();
    PostMainWindowCommand(WM_FIT_FRAME);
    RepaintView();
}

void CDivuzApp::RepaintView()
{
    CDivuzView *view = myFrame->View();
    view->update();
    for (QWidget *child : view->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->update();
}

bool CDivuzApp::GetCommandState(int id, CommandState &state) const
{
    switch (id) {
    case ID_WHO_PLAYER:
    case ID_WHO_COMPUTER:
    case ID_WHO_ALTERNATE:
        state = {true, myOptions.WhoBeginsMode == id - ID_WHO_PLAYER};
        return true;
    case ID_VIEW_INFO:
        state = {true, myOptions.IsViewInfo};
        return true;
    case ID_NEW_TOURNAMENT:
    case ID_NEW_GAME:
        state = {true, false};
        return true;
    default:
        return false;
    }
}
