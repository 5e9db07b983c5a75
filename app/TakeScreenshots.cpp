// Developer's tool: plays a few scenes through the real program and writes
// a picture of the main window for each into a folder (the README's
// screenshots), with the splash screen, the About box, a help page and a
// file dialog. Settings live in a temporary folder; the user's are never
// touched.

#include "AboutDlg.h"
#include "DivuzApp.h"
#include "DivuzDoc.h"
#include "DivuzHelp.h"
#include "ErrorReport.h"
#include "FrameCommands.h"
#include "HelpWindow.h"
#include "MainFrame.h"
#include "MainView.h"
#include "SplashWnd.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

namespace {

class Scenes {
public:
    Scenes(CDivuzApp &app, QString folder) : myApp(app), myFolder(std::move(folder)) {}

    void Settle(int ms = 300)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms || (Data().IsThinking && t.elapsed() < 20000))
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    DataDivuzDoc Data() const
    {
        DataDivuzDoc d;
        myApp.Document()->GetData(d);
        return d;
    }
    void Play(int x, int y, bool player = true)
    {
        const DataDivuzDoc d = Data();
        myApp.Document()->OnMakeMove(Place{x, y, player ? d.PlayerSign : Opponent(d.PlayerSign)});
        Settle(50);
    }
    void Shoot(const char *name)
    {
        Settle(3500); // the chances columns glide for up to three seconds
        Shoot(myApp.MainFrame(), name);
    }
    void Shoot(QWidget *window, const char *name)
    {
        const QString path = QDir(myFolder).filePath(QString(name) + ".png");
        window->grab().save(path);
        std::printf("%s\n", qPrintable(path));
    }
    void SetOptions(bool renju, int signSet, int who)
    {
        DivuzOptions o = myApp.GetOptions();
        o.IsRenjuStyle = renju;
        o.CurSignSet = signSet;
        o.WhoBeginsMode = who;
        o.Level = 10;
        myApp.SetOptions(o);
    }

private:
    CDivuzApp &myApp;
    QString myFolder;
};

} // namespace

int main(int argc, char **argv)
{
    ErrorGuard<QApplication> application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("screenshots");
    QDir().mkpath(folder);
    QTemporaryDir home;
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    SetErrorReporter([](const std::string &text) { std::fprintf(stderr, "%s\n", text.c_str()); });

    CDivuzApp app;
    app.InitInstance();
    Scenes scenes(app, folder);
    scenes.Settle();
    scenes.Shoot(SplashWnd::Current(), "splash");
    SplashWnd::HideSplash();
    scenes.SetOptions(false, 0, 0);
    app.MainFrame()->OnCommand(ID_NEW_GAME);
    scenes.Shoot("start");

    // A game in progress: the player's moves, the computer's answers.
    for (auto [x, y] : {std::pair{9, 9}, {10, 10}, {8, 10}, {10, 8}, {11, 11}})
        scenes.Play(x, y);
    scenes.Shoot("game-in-progress");

    // A won game: set up four in a row in edit mode, then play the fifth.
    app.MainFrame()->OnCommand(ID_NEW_GAME);
    scenes.Settle();
    app.MainFrame()->OnCommand(ID_GAME_EDITMODE);
    for (int i = 0; i < 4; ++i) {
        scenes.Play(5 + i, 12, true);
        scenes.Play(6 + i, 9 - i, false);
    }
    scenes.Play(12, 5, false);
    app.MainFrame()->OnCommand(ID_GAME_EDITMODE);
    scenes.Play(9, 12);
    scenes.Shoot("won-game");

    // The other look: the dotted board with stones; the computer begins.
    scenes.SetOptions(true, 1, 1);
    app.MainFrame()->OnCommand(ID_NEW_GAME);
    scenes.Settle();
    for (auto [x, y] : {std::pair{8, 8}, {10, 8}, {9, 11}, {11, 10}})
        scenes.Play(x, y);
    scenes.Shoot("renju-stones");

    // The About box, a help page and a file dialog in Czech.
    CAboutDlg about(app.MainFrame());
    about.show();
    scenes.Settle();
    scenes.Shoot(&about, "about");
    about.close();
    app.Help().ShowDefault();
    app.Help().Window()->resize(900, 720);
    scenes.Settle();
    scenes.Shoot(app.Help().Window(), "help-page");
    app.Help().Window()->close();
    QTemporaryDir games;
    for (const char *name : {"Moje hra.orb", "Turnaj s Mistrem.orb", "Pozice.orb"})
        app.Document()->SaveGame(games.filePath(name));
    QFileDialog files(app.MainFrame(), "Otevřít", games.path(), "Darudo Files (*.orb)");
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.show();
    scenes.Settle(800);
    scenes.Shoot(&files, "file-dialog-cs");
    files.close();

    app.ExitInstance();
    return 0;
}
