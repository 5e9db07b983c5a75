// Developer's tool: plays a few scenes through the real program and writes
// a picture of the main window for each into a folder (the README's
// screenshots), with the splash screen, the About box, a help page and a
// file dialog. Settings live in a temporary folder; the user's are never
// touched.

#include "AboutDlg.h"
#include "BestGamesLocation.h"
#include "DivuzApp.h"
#include "DivuzDoc.h"
#include "DivuzHelp.h"
#include "DivuzView.h"
#include "ErrorReport.h"
#include "FrameCommands.h"
#include "HelpWindow.h"
#include "MainFrame.h"
#include "OptionsDialog.h"
#include "ProgramLanguage.h"
#include "SplashWnd.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

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
        Shoot(myApp.MainFrame(), name);
    }
    void Shoot(QWidget *widget, const char *name)
    {
        QCoreApplication::processEvents();
        const QString path = QDir(myFolder).filePath(QString(name) + ".png");
        widget->grab().save(path);
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

    // The best-games dialogs as they open: each is photographed, then the
    // name dialog gets name and "OK", the table has the row with that name
    // chosen for replay.
    void AnswerBestGamesDialogs(const QString &name)
    {
        QWidget *dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || dialog->property("shot").toBool())
            return;
        dialog->setProperty("shot", true);
        auto *edit = dialog->findChild<QLineEdit *>("1059");
        if (edit != nullptr) {
            edit->setText(name);
            Shoot(dialog, "best-games-name-entry");
        } else if (auto *list = dialog->findChild<QListWidget *>("1071")) {
            Shoot(dialog, "best-games-table");
            const QList<QListWidgetItem *> rows = list->findItems(name, Qt::MatchContains);
            if (!rows.isEmpty())
                list->setCurrentItem(rows.front());
        }
        dialog->findChild<QPushButton *>("1")->click();
    }

  private:
    CDivuzApp &myApp;
    QString myFolder;
};

// A won tournament game for the table: pairs of moves far apart, then
// five in a row for the player, who began.
DataDivuzDoc SampleWin(const char *name, int pairs)
{
    DataDivuzDoc d;
    d.Mode = ModeTournament;
    d.GameMode = PlayerWon;
    d.PlayerName = name;
    d.ComputerTime = 10 * pairs;
    Stack<HistoryEntry> &h = d.UndoRedoMoves;
    h.Push(HistoryEntry{0, 0, FREE, 0, 0});
    for (int i = 0; i < pairs; ++i) {
        const int row = 16 - 4 * (i / 10);
        h.Push(HistoryEntry{2 * (i % 10), row, NOL, 75, 75});
        h.Push(HistoryEntry{2 * (i % 10), row + 2, KREST, 75, 75});
    }
    for (int i = 0; i < 5; ++i) {
        h.Push(HistoryEntry{5 + i, 9, NOL, 75, 75});
        if (i < 4)
            h.Push(HistoryEntry{2 * i, 2, KREST, 75, 75});
    }
    return d;
}

} // namespace

int main(int argc, char **argv)
{
    ErrorGuard<QApplication> application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("screenshots");
    QDir().mkpath(folder);
    QTemporaryDir home;
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    // The best-games table, too, is an empty per-user copy in that folder.
    qputenv("HOME", QFile::encodeName(home.path()));
    QCoreApplication::setOrganizationName("Zidude");
    QCoreApplication::setApplicationName("Divuz");
    QDir().mkpath(QFileInfo(QString::fromStdString(UserBestGamesPath())).absolutePath());
    QFile(QString::fromStdString(UserBestGamesPath())).open(QIODevice::WriteOnly);
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

    // The best games: a tournament won against "Začátečník" by a player who
    // searches four plies, filed beside three stored games; its replay
    // stopped half-way.
    scenes.SetOptions(false, 0, 0);
    DivuzOptions options = app.GetOptions();
    options.Level = 6;
    app.SetOptions(options);
    for (auto [name, pairs] :
         {std::pair{"Eva", 8}, {"Tomáš", 12}, {"Maximilián Alexandr Dlouhý z Horní Dolní", 16}})
        app.GetBestGames().AddGame(SampleWin(name, pairs), options);
    const QString winner = QString::fromUtf8("Jiří");
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] { scenes.AnswerBestGamesDialogs(winner); });
    answerer.start(50);
    const int wins = scenes.Data().PlayerWins;
    for (int game = 0; game < 3 && scenes.Data().PlayerWins == wins; ++game) {
        app.MainFrame()->OnCommand(ID_NEW_TOURNAMENT);
        scenes.Settle();
        for (int move = 0; move < 180 && scenes.Data().GameMode == InProgress; ++move) {
            const DataDivuzDoc d = scenes.Data();
            Pole pole;
            pole.SetPosition(
                CDivuzDoc::HistoryMoves(d.UndoRedoMoves, 1, d.UndoRedoMoves.GetCurSize()));
            const Move m = pole.FindMove(d.PlayerSign, 4);
            scenes.Play(m.x, m.y);
        }
    }
    // The dialogs answer themselves; the chosen game comes back on an
    // empty board.
    scenes.Settle(1500);
    const int stored = scenes.Data().UndoRedoMoves.GetRedoLimit() - 1;
    for (int move = 0; move < stored / 2; ++move) {
        app.MainFrame()->OnCommand(ID_REDO);
        scenes.Settle(20);
    }
    scenes.Shoot("best-games-replay");

    // The options, the About box, a help page and a file dialog, in the
    // language the program speaks.
    DivuzOptions shown = app.GetOptions();
    OptionsDialog optionsDialog(shown, app.MainFrame());
    optionsDialog.show();
    scenes.Settle();
    scenes.Shoot(&optionsDialog, "options-dialog");
    optionsDialog.close();
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
    QFileDialog files(app.MainFrame(), QCoreApplication::translate("CMainFrame", "Otevřít"),
                      games.path(),
                      QCoreApplication::translate("CMainFrame", "Darudo Files (*.orb)"));
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.show();
    scenes.Settle(800);
    scenes.Shoot(&files, qPrintable("file-dialog-" + ProgramLanguage()));
    files.close();

    app.ExitInstance();
    return 0;
}
