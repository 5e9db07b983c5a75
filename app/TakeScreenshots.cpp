// Developer's tool: plays a few scenes through the real program and writes
// a picture of the main window for each into a folder (the README's
// screenshots). Settings live in a temporary folder; the user's are never
// touched.

#include "DivuzApp.h"
#include "DivuzDoc.h"
#include "ErrorReport.h"
#include "FrameCommands.h"
#include "MainFrame.h"
#include "MainView.h"
#include "OptionsDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

class Scenes
{
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
        const QString path = QDir(myFolder).filePath(QString(name) + ".png");
        myApp.MainFrame()->grab().save(path);
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

    // The options dialog, as it opens; then the other look chosen in it:
    // the dotted board ("Renju board") with stones; the computer begins.
    app.SetDialogRunner([&](QDialog &dialog) {
        auto &d = static_cast<OptionsDialog &>(dialog);
        d.show();
        scenes.Settle(300);
        const QString path = QDir(folder).filePath("options-dialog.png");
        d.grab().save(path);
        std::printf("%s\n", qPrintable(path));
        for (int id : {int(IDC_RENJU), int(IDC_SIGNSET_1), int(IDC_WHO_COMPUTER)})
            static_cast<QAbstractButton *>(d.Control(id))->click();
        static_cast<QAbstractButton *>(d.Control(IDOK_BUDIZ))->click();
        return d.result();
    });
    app.MainFrame()->OnCommand(ID_OPTIONS);
    scenes.Settle();
    app.MainFrame()->OnCommand(ID_NEW_GAME);
    scenes.Settle();
    for (auto [x, y] : {std::pair{8, 8}, {10, 10}})
        scenes.Play(x, y);
    scenes.Shoot("renju-stones");

    app.ExitInstance();
    return 0;
}
