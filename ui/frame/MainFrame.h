#pragma once

// The main window: a fixed-size frame with the menu, the toolbar, the status
// bar with the game status pane, and the view of the game as its central
// widget. Commands carry their numeric ids; the frame routes each one to the
// document, to the application or to its own file handling, and refreshes
// the enabled and checked state of every command after each document update
// and on a short idle timer.

#include "FrameCommands.h"
#include "MidiWnd.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QMargins>
#include <QString>
#include <QTimer>

#include <functional>
#include <map>

class CDivuzDoc;
class CDivuzView;
class QAction;
class QLabel;
class QScreen;
class QToolBar;

class CMainFrame : public QMainWindow
{
    Q_OBJECT

  public:
    explicit CMainFrame(CDivuzDoc *document, QWidget *parent = nullptr);
    ~CMainFrame() override;

    CDivuzView *View() const { return myView; }
    QAction *Action(int id) const;
    QLabel *StatusPane() const { return myStatusPane; }
    QToolBar *ToolBar() const { return myToolBar; }

    // Sizes the frame so that the view's client area is exactly the layout:
    // 626 x 387 with the information panel, 387 x 387 without it.
    void FitToLayout();
    // Adds a bar along the bottom of the window, as wide as the window and
    // as high as the bar asks; the window grows so the view keeps its size.
    // The frame owns the bar from here on.
    void AddBottomBar(QWidget *bar);
    // Routes a command id; returns false when nobody handles it.
    bool OnCommand(int id);
    // Enables, checks and labels everything for the present state.
    void UpdateCommandUI();

    // The application's commands (who begins, new game, tournament, the
    // panel, options, About); it answers whether it handled the id and what
    // state its items have.
    using AppCommandHandler = std::function<bool(int id)>;
    using AppCommandState = std::function<bool(int id, CommandState &state)>;
    void SetApplicationCommands(AppCommandHandler handler, AppCommandState state);

    // Asks for a file name to open (save false) or save (save true); empty
    // when the user cancels. Tests replace the file dialog through this.
    using FileNamePrompt = std::function<QString(bool save)>;
    void SetFileNamePrompt(FileNamePrompt prompt) { myPrompt = std::move(prompt); }

    // Where the file dialogs start: the folder last saved to or opened
    // from, else the user's documents folder when it exists, else the home.
    QString FileDialogFolder() const;
    // What the save dialog proposes: the game's file name ("Untitled.orb"
    // for a game not saved yet) in FileDialogFolder.
    QString SaveDialogProposal() const;

    // The name of a game not saved yet.
    static inline const QString Untitled = QStringLiteral("Untitled");
    // The saved game this window shows, "Untitled" when it has none.
    const QString &PathName() const { return myPathName; }

    // Places the window in the middle of the screen, a little above centre,
    // and wholly within reach, title bar included; on a screen too small
    // for it the view is drawn smaller (FitToScreen).
    void PlaceOnScreen();
    // Fits the frame at the chosen size (the zoom), or smaller where the
    // screen has no room for it; the smaller size is never stored.
    void FitToScreen();
    // Writes the state of the toolbar and the status bar to the settings
    // store; the frame reads it back when it is made.
    void SaveBarState();

    // Closes the playing piece and, when music is on, opens MusicName from
    // the music folder: played once in mode 0, looped in modes 1 and 2.
    void UpdateMusic();
    // Message 2022: the next piece of the folder becomes current and plays.
    int OnEndMusic();
    MidiWnd &Music() { return myMidiWnd; }

  signals:
    // The view is shown at a new scale (1 for the layout's own size); a bar
    // below it follows.
    void ScaleChanged(qreal scale);
    // The window has closed ("&Konec", its close button, the window manager);
    // the program ends with it.
    void Closed();

  protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateAccelerators();
    void KeepKeyboardOnTheView();
    void FitStatusPane();
    void RestoreBarState();
    void ReturnKeyboardToView();
    void PlaceOnceFramed();
    // Moves the window back inside the screen's available area when a
    // change of size took part of it off the screen.
    void KeepOnScreen();
    // The window manager's frame around the client area; none before the
    // window manager has framed the window.
    QMargins FrameMargins() const;
    // The screen the window is on, else the primary one; null without any.
    const QScreen *Screen() const;
    QAction *MakeAction(int id, const QString &label = QString());
    CommandState StateOf(int id) const;

    void OnFileNew();
    void OnOpenGame();
    void OpenFile();
    void SaveFile(bool askForName);
    void ShowFileProblem(const QString &caption, const QString &text, const QString &path);
    void RememberFileFolder(const QString &path);

    CDivuzDoc *myDocument;
    CDivuzView *myView = nullptr;
    QToolBar *myToolBar = nullptr;
    QLabel *myStatusPane = nullptr;
    std::map<int, QAction *> myActions;
    QTimer myIdleTimer;
    AppCommandHandler myAppHandler;
    AppCommandState myAppState;
    FileNamePrompt myPrompt;
    QString myPathName = Untitled;
    MidiWnd myMidiWnd;
    QElapsedTimer myPlacementWait; // since the placement began waiting for a frame
    QToolBar *myBottomBar = nullptr;
    // The view's size on a screen too small for the chosen zoom: a factor
    // below 1, else 1.
    qreal myShrink = 1.0;
};
