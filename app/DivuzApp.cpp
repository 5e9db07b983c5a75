#include "DivuzApp.h"

#include "AboutDlg.h"
#include "AdvertBar.h"
#include "BestGamesLocation.h"
#include "DamagedTable.h"
#include "DataCheck.h"
#include "DivuzCommands.h"
#include "DivuzDoc.h"
#include "DivuzEvents.h"
#include "DivuzHelp.h"
#include "DivuzView.h"
#include "FrameCommands.h"
#include "MainFrame.h"
#include "OptionsDialog.h"
#include "Pictures.h"
#include "ProgramLanguage.h"
#include "SettingsStore.h"
#include "SplashWnd.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include <cstdio>

namespace
{

// The per-user folders (the settings store, a per-user best-games table)
// are named after these.
void NameApplication()
{
    QCoreApplication::setOrganizationName("Zidude");
    QCoreApplication::setApplicationName("Divuz");
}

// The emblem at the sizes window managers and task bars ask for.
QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(DivuzIconImage(size)));
    return icon;
}

} // namespace

CDivuzApp::CDivuzApp(std::string programFolder)
    : myProgramFolder(std::move(programFolder)), myHelp(std::make_unique<DivuzHelp>())
{
    myOptions.WndLayout = StandardWndLayout();
    RegisterApplication(this);
    RegisterMediaPlayer(&myPlayer);
}

CDivuzApp::~CDivuzApp()
{
    // The windows go before the document they show.
    myHelp.reset();
    myFrame.reset();
    myDocument.reset();
    UnregisterMediaPlayer(&myPlayer);
    UnregisterApplication(this);
}

bool CDivuzApp::InitInstance()
{
    // Every key and mouse-button press passes the splash screen first.
    SplashWnd::EnableSplash(true);
    mySplashFilter = std::make_unique<SplashMessageFilter>();
    qApp->installEventFilter(mySplashFilter.get());
    InstallTranslations();
    QGuiApplication::setWindowIcon(ProgramIcon());
    QGuiApplication::setDesktopFileName("org.example.divuz");
    NameApplication();
    LoadOptions();
    const BestGamesLoad bestGames = myBestGames.Load(myOptions);

    myDocument = std::make_unique<CDivuzDoc>();
    myDocument->SetBestGames(&myBestGames, &myBestGamesDialogs);
    myFrame = std::make_unique<CMainFrame>(myDocument.get());
    myFrame->SetApplicationCommands(
        [this](int id) { return OnCommand(id); },
        [this](int id, CommandState &state) { return GetCommandState(id, state); });
    QObject::connect(myFrame.get(), &CMainFrame::Closed, [this] { OnMainFrameClosed(); });
    // A logout asks first; what an exit would write is written now.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, [this] { SaveState(); });
    // The banner bar, for banners of 468 x 62; the component gets 585, 1, 2.
    auto *banners = new CAdvertBar(AdvertWidth, AdvertHeight, 585, 1, 2);
    QObject::connect(myFrame.get(), &CMainFrame::ScaleChanged, banners, &CAdvertBar::SetScale);
    myFrame->AddBottomBar(banners);
    myFrame->OnCommand(ID_FILE_NEW); // the first game
    // Nobody can move while the splash covers the board, so the first
    // game's clock waits until it has gone. The gate is set before the frame
    // shows: showing a window may run the event loop, pulses included.
    myFrame->View()->SetClockGate([this] {
        const SplashWnd *splash = SplashWnd::Current();
        return !myIsStarting && (splash == nullptr || !splash->isVisible());
    });
    myFrame->show();
    myFrame->PlaceOnScreen();
    // A best-games file that was not read completely has been kept aside;
    // the user is told so once, here.
    if (!bestGames.IsComplete)
        QMessageBox::warning(myFrame.get(), "Divuz",
                             DamagedTableNotice(bestGames.Path, bestGames.KeptPath));
    // Shown once the frame is up, so the splash lies above it.
    SplashWnd::ShowSplash(myFrame.get());
    myIsStarting = false;
    return true;
}

int CDivuzApp::CheckData()
{
    NameApplication();
    LoadOptions();
    std::string report;
    const bool complete = ReportData(myOptions, report);
    std::fputs(report.c_str(), stdout);
    return complete ? 0 : 1;
}

void CDivuzApp::LoadOptions()
{
    if (myProgramFolder.empty())
        LoadSettings(myOptions);
    else
        LoadSettings(myOptions, myProgramFolder);
}

int CDivuzApp::ExitInstance()
{
    if (myHasExited)
        return 0;
    myHasExited = true;
    if (myDocument)
        myDocument->DeleteContents();
    SaveState();
    return 0;
}

void CDivuzApp::SaveState()
{
    SaveSettings(myOptions);
    myBestGames.Save(myOptions);
}

void CDivuzApp::RequestExit()
{
    if (myFrame && !myIsExiting)
        myFrame->close();
    else
        OnMainFrameClosed();
}

void CDivuzApp::OnMainFrameClosed()
{
    myIsExiting = true;
    // Help, a dialog or a message box would otherwise keep the program alive
    // without its main window; a modal one's own loop ends as it closes.
    QApplication::closeAllWindows();
    QCoreApplication::quit();
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

void CDivuzApp::ShowHelp(int context)
{
    myHelp->ShowContext(context);
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
        SaveSettings(myOptions);
        return true;
    case ID_VIEW_INFO:
        myOptions.IsViewInfo = !myOptions.IsViewInfo;
        SaveSettings(myOptions);
        PostMainWindowCommand(WM_FIT_FRAME);
        RepaintView();
        return true;
    case ID_VIEW_ZOOM_100:
    case ID_VIEW_ZOOM_150:
    case ID_VIEW_ZOOM_200:
        myOptions.Zoom = ZoomOfCommand(id);
        SaveSettings(myOptions);
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
    case ID_APP_ABOUT: {
        CAboutDlg about(myFrame.get());
        about.exec();
        return true;
    }
    case ID_HELP_FINDER: // "&Témata nápovědy"
    case ID_HELP:        // F1
        myHelp->ShowContents();
        return true;
    case ID_CONTEXT_HELP: // Shift+F1
        myHelp->EnterContextMode();
        return true;
    case ID_DEFAULT_HELP:
        myHelp->ShowDefault();
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
    // Kept at once: a session that ends later must not take the choice along.
    SaveSettings(myOptions);

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
    case ID_VIEW_ZOOM_100:
    case ID_VIEW_ZOOM_150:
    case ID_VIEW_ZOOM_200:
        state = {true, myOptions.Zoom == ZoomOfCommand(id)};
        return true;
    case ID_NEW_TOURNAMENT:
    case ID_NEW_GAME:
    case ID_APP_ABOUT:
    case ID_HELP_FINDER:
    case ID_HELP:
    case ID_CONTEXT_HELP:
    case ID_DEFAULT_HELP:
        state = {true, false};
        return true;
    default:
        return false;
    }
}
