// The main window of the whole program as it starts: the view, the banner
// bar, the menus, the toolbar and the status bar, files saved and opened
// through the window, and what it remembers across a restart.

#include "MainFrame.h"
#include "AdvertBar.h"
#include "BestGamesLocation.h"
#include "DivuzApp.h"
#include "DivuzDoc.h"
#include "DivuzView.h"
#include "GameTestSupport.h"
#include "Random.h"
#include "SplashWnd.h"
#include "TypeText.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

namespace
{

// Answers the best-games dialogs as a user would, as soon as one is open:
// types the name into the name dialog and confirms; notes the rows of the
// table and leaves it with the button given ("1" shows the selected game,
// "2" closes).
class DialogAnswerer : public QObject
{
  public:
    DialogAnswerer(QString name, const char *tableButton)
        : myName(std::move(name)), myButton(tableButton)
    {
        connect(&myTimer, &QTimer::timeout, this, &DialogAnswerer::Answer);
        myTimer.start(20);
    }

    int namesAsked = 0;
    std::vector<QStringList> tablesShown;

  private:
    void Answer()
    {
        QWidget *dialog = QApplication::activeModalWidget();
        if (dialog == nullptr)
            return;
        if (dialog->objectName() == "204") {
            ++namesAsked;
            auto *edit = dialog->findChild<QLineEdit *>("1059");
            edit->selectAll();
            TypeText(edit, myName);
            QTest::mouseClick(dialog->findChild<QPushButton *>("1"), Qt::LeftButton);
        } else if (dialog->objectName() == "203") {
            const auto *list = dialog->findChild<QListWidget *>("1071");
            QStringList rows;
            for (int i = 0; i < list->count(); ++i)
                rows << list->item(i)->text();
            tablesShown.push_back(rows);
            QTest::mouseClick(dialog->findChild<QPushButton *>(myButton), Qt::LeftButton);
        }
    }

    QString myName;
    const char *myButton;
    QTimer myTimer;
};

// The whole program as it starts, with its settings and files in a
// temporary folder.
class FrameTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, myHome.path());
        // The best-games table is the per-user copy in the temporary home,
        // never the one beside the test program.
        myOldHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(myHome.path()));
        QCoreApplication::setOrganizationName("Zidude");
        QCoreApplication::setApplicationName("Divuz");
        const QString table = QString::fromStdString(UserBestGamesPath());
        QDir().mkpath(QFileInfo(table).absolutePath());
        QFile(table).open(QIODevice::WriteOnly);
        StartProgram();
    }
    void StartProgram()
    {
        myApp = std::make_unique<CDivuzApp>();
        DivuzOptions options = myApp->GetOptions();
        options.Level = 0; // instant answers keep the tests quick
        options.WhoBeginsMode = 0;
        myApp->SetOptions(options);
        ASSERT_TRUE(myApp->InitInstance()); // an empty settings store keeps these
        SplashWnd::HideSplash();            // the tests click at once
        Frame().SetFileNamePrompt([this](bool) { return myFileName; });
        WaitForTheEngine();
    }
    void TearDown() override
    {
        myApp->ExitInstance();
        myApp.reset();
        qputenv("HOME", myOldHome);
        EXPECT_EQ(myErrors.texts, std::vector<std::string>{});
    }

    CMainFrame &Frame() { return *myApp->MainFrame(); }
    DataDivuzDoc Data()
    {
        DataDivuzDoc d;
        myApp->Document()->GetData(d);
        return d;
    }
    void WaitForTheEngine()
    {
        ASSERT_TRUE(PumpUntilSettled([this] { return Data().IsThinking; }));
    }
    void ClickCell(int x, int y)
    {
        QTest::mouseClick(&Frame().View()->Board(), Qt::LeftButton, {},
                          QPoint(4 + 20 * x + 9, 4 + 20 * y + 9));
        WaitForTheEngine();
    }

    QTemporaryDir myHome;
    QByteArray myOldHome;
    ErrorRecorder myErrors;
    std::unique_ptr<CDivuzApp> myApp;
    QString myFileName;
};

} // namespace

TEST_F(FrameTest, ViewIsExactlyTheLayoutWithAndWithoutThePanel)
{
    EXPECT_EQ(Frame().View()->size(), QSize(626, 387));
    EXPECT_EQ(Frame().windowTitle(), "Divuz");
    EXPECT_FALSE(Frame().windowFlags() & Qt::WindowMaximizeButtonHint);

    Frame().OnCommand(ID_VIEW_INFO);
    QCoreApplication::processEvents();
    EXPECT_EQ(Frame().View()->size(), QSize(387, 387));
    EXPECT_FALSE(myApp->GetOptions().IsViewInfo);
    EXPECT_TRUE(Frame().minimumSize() == Frame().maximumSize()); // the user cannot resize it

    Frame().OnCommand(ID_VIEW_INFO);
    QCoreApplication::processEvents();
    EXPECT_EQ(Frame().View()->size(), QSize(626, 387));
}

TEST_F(FrameTest, BannerBarSpansTheWindowBelowTheViewAndKeepsTheViewItsSize)
{
    const CAdvertBar *bar = Frame().findChild<CAdvertBar *>();
    ASSERT_NE(bar, nullptr);
    for (const QSize view : {QSize(387, 387), QSize(626, 387)}) {
        Frame().OnCommand(ID_VIEW_INFO);
        QCoreApplication::processEvents();
        EXPECT_EQ(Frame().View()->size(), view);
        EXPECT_EQ(bar->width(), Frame().width());
        EXPECT_EQ(bar->height(), bar->sizeHint().height());
        EXPECT_GE(bar->mapTo(&Frame(), QPoint(0, 0)).y(),
                  Frame().View()->mapTo(&Frame(), QPoint(0, view.height())).y());
        EXPECT_EQ(Frame().minimumSize(), Frame().maximumSize());
    }
}

TEST_F(FrameTest, MenusCarryTheirLabelsAndFollowTheGame)
{
    EXPECT_EQ(Frame().Action(ID_FILE_NEW)->text(), QString::fromUtf8("&Nový\tCtrl+N"));
    EXPECT_EQ(Frame().Action(ID_OPEN_GAME)->text(), QString::fromUtf8("&Otevřít...\tCtrl+O"));
    EXPECT_EQ(Frame().Action(ID_EDIT_UNDO)->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_TRUE(Frame().Action(ID_OPTIONS)->isEnabled());
    EXPECT_TRUE(Frame().Action(ID_BEST_GAMES)->isEnabled());

    EXPECT_FALSE(Frame().Action(ID_EDIT_UNDO)->isEnabled());
    EXPECT_EQ(Frame().StatusPane()->text(), QString::fromUtf8("Váš tah"));
    ClickCell(9, 9);
    EXPECT_EQ(Data().UndoRedoMoves.GetCurSize(), 3); // the bottom, the player's, the answer
    EXPECT_TRUE(Frame().Action(ID_EDIT_UNDO)->isEnabled());

    Frame().OnCommand(ID_WHO_COMPUTER);
    EXPECT_TRUE(Frame().Action(ID_WHO_COMPUTER)->isChecked());
    EXPECT_FALSE(Frame().Action(ID_WHO_PLAYER)->isChecked());
    Frame().OnCommand(ID_NEW_TOURNAMENT);
    WaitForTheEngine();
    EXPECT_EQ(Data().Mode, ModeTournament);
    EXPECT_FALSE(Frame().Action(ID_FILE_SAVE_AS)->isEnabled());
    EXPECT_EQ(Data().UndoRedoMoves.GetCurSize(), 2); // the computer opened
}

TEST_F(FrameTest, SavingAndOpeningThroughTheWindowRestoresTheBoard)
{
    ClickCell(9, 9);
    ClickCell(3, 3);
    const DataDivuzDoc saved = Data();
    const QImage board = Frame().View()->Board().grab().toImage();

    QTemporaryDir files;
    myFileName = files.filePath("game"); // the extension is added
    Frame().OnCommand(ID_FILE_SAVE_AS);
    EXPECT_TRUE(QFile::exists(files.filePath("game.orb")));

    Frame().OnCommand(ID_FILE_NEW);
    WaitForTheEngine();
    EXPECT_EQ(Data().UndoRedoMoves.GetCurSize(), 1);

    myFileName = files.filePath("game.orb");
    Frame().OnCommand(ID_OPEN_GAME);
    WaitForTheEngine();
    EXPECT_EQ(Frame().PathName(), "Untitled");
    // The same moves: the same history length and the same board.
    EXPECT_EQ(Data().UndoRedoMoves.GetCurSize(), saved.UndoRedoMoves.GetCurSize());
    EXPECT_EQ(Frame().View()->Board().grab().toImage(), board);

    // The game goes on from where it was saved.
    ClickCell(15, 15);
    EXPECT_EQ(Data().UndoRedoMoves.GetCurSize(), saved.UndoRedoMoves.GetCurSize() + 2);
}

TEST_F(FrameTest, PlainLettersNeverOpenAMenuAfterAKeyboardMenu)
{
    Frame().show();
    // Under a window manager the keys go nowhere until it has made the
    // frame the active window.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    const auto type = [](int key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : QApplication::activeWindow(), Qt::Key(key), modifiers);
        QCoreApplication::processEvents();
    };
    ClickCell(9, 9);
    type(Qt::Key_H, Qt::AltModifier);
    EXPECT_NE(QApplication::activePopupWidget(), nullptr); // Alt+H opens "&Hra"
    type(Qt::Key_Escape);
    type(Qt::Key_Escape);
    EXPECT_TRUE(Frame().View()->hasFocus());

    ClickCell(3, 3);
    const int moves = Data().UndoRedoMoves.GetCurSize();
    type(Qt::Key_S);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    type(Qt::Key_Return);
    WaitForTheEngine();
    EXPECT_EQ(Data().UndoRedoMoves.GetCurSize(), moves);
}

// A window manager resizes and places the frame on its own schedule; the
// offscreen platform does it at once.
void WaitForTheWindowManager()
{
    PumpFor(QGuiApplication::platformName() == "offscreen" ? 20 : 300);
}

// Drags the toolbar by its handle to a point given in the frame's
// coordinates, as a user would.
void DragToolBar(QToolBar *bar, QWidget *frame, QPoint to)
{
    // In screen coordinates, since the toolbar moves under the mouse.
    const QPoint from = bar->mapToGlobal(QPoint(4, bar->height() / 2));
    const QPoint target = frame->mapToGlobal(to);
    QTest::mousePress(bar, Qt::LeftButton, {}, bar->mapFromGlobal(from));
    for (int i = 1; i <= 10; ++i) {
        QTest::mouseMove(bar, bar->mapFromGlobal(from + (target - from) * i / 10));
        PumpFor(10);
    }
    QTest::mouseRelease(bar, Qt::LeftButton, {}, bar->mapFromGlobal(target));
    WaitForTheWindowManager();
}

TEST_F(FrameTest, StatusPaneShowsTheGameAfterTheToolBarFloatsAndDocks)
{
    Frame().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    WaitForTheWindowManager(); // its placement, before the drag begins
    QToolBar *bar = Frame().ToolBar();
    const auto paneShows = [this] {
        // The status bar must lie within the frame after the frame shrank
        // or grew, or the pane is drawn nowhere.
        const QLabel *pane = Frame().StatusPane();
        return Frame().rect().contains(Frame().statusBar()->geometry()) &&
               !pane->visibleRegion().isEmpty() && pane->text() == QString::fromUtf8("Váš tah");
    };
    DragToolBar(bar, &Frame(), QPoint(200, 600));
    ASSERT_TRUE(bar->isFloating());
    EXPECT_TRUE(paneShows());
    EXPECT_EQ(Frame().View()->size(), QSize(626, 387));

    // Docked again where it was.
    Frame().addToolBar(Qt::TopToolBarArea, bar);
    WaitForTheWindowManager();
    EXPECT_FALSE(bar->isFloating());
    EXPECT_TRUE(paneShows());
}

TEST_F(FrameTest, MenuPromptFitsBesideTheStatusWithThePanelHidden)
{
    Frame().show();
    Frame().OnCommand(ID_VIEW_INFO);
    QCoreApplication::processEvents();
    ASSERT_EQ(Frame().View()->width(), 387);
    const QString prompt = Frame().Action(ID_FILE_NEW)->statusTip();
    ASSERT_EQ(prompt, QString::fromUtf8("Začne novou hru"));
    // The prompt is drawn left of the pane, after a small margin.
    const QLabel *pane = Frame().StatusPane();
    EXPECT_GE(pane->x(), pane->fontMetrics().horizontalAdvance(prompt) + 8);
    EXPECT_TRUE(Frame().rect().contains(pane->mapTo(&Frame(), pane->rect().topRight())));

    // With the panel, the pane keeps room for its longest text.
    Frame().OnCommand(ID_VIEW_INFO);
    QCoreApplication::processEvents();
    EXPECT_GE(pane->width(), pane->fontMetrics().horizontalAdvance(
                                 "Make position. Use left and right buttons, Undo."));
}

TEST_F(FrameTest, BarsAndTheFileFolderAreRememberedAcrossARestart)
{
    Frame().OnCommand(ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(Frame().Action(ID_VIEW_STATUS_BAR)->isChecked());
    // Without a saved folder the dialogs start in the documents folder, or
    // the home folder when there is no documents folder: a folder, never a
    // file name. The save dialog proposes the game's name there.
    const QByteArray home = qgetenv("HOME");
    QTemporaryDir newHome;
    qputenv("HOME", newHome.path().toUtf8());
    EXPECT_EQ(Frame().FileDialogFolder(), newHome.path());
    EXPECT_EQ(Frame().SaveDialogProposal(), newHome.filePath("Untitled.orb"));
    ASSERT_TRUE(QDir(newHome.path()).mkdir("Documents"));
    EXPECT_EQ(Frame().SaveDialogProposal(), newHome.filePath("Documents/Untitled.orb"));
    qputenv("HOME", home);

    QTemporaryDir files;
    myFileName = files.filePath("game.orb");
    Frame().OnCommand(ID_FILE_SAVE_AS);
    EXPECT_EQ(Frame().FileDialogFolder(), files.path()); // the next dialog starts there
    EXPECT_EQ(Frame().SaveDialogProposal(), files.filePath("game.orb"));

    // The program ends as when its window is closed, then starts again.
    Frame().close();
    myApp->ExitInstance();
    myApp.reset(); // one application at a time
    myApp = std::make_unique<CDivuzApp>();
    ASSERT_TRUE(myApp->InitInstance());
    SplashWnd::HideSplash();
    WaitForTheEngine();
    EXPECT_FALSE(Frame().statusBar()->isVisible());
    EXPECT_FALSE(Frame().Action(ID_VIEW_STATUS_BAR)->isChecked());
    EXPECT_EQ(Frame().FileDialogFolder(), files.path());
}

TEST_F(FrameTest, OpenErrorNamesTheFile)
{
    QTemporaryDir files;
    myFileName = files.filePath("broken.orb");
    QFile broken(myFileName);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray("\x01\x00\x00\x00\x07", 5)); // version 1, then cut short
    broken.close();

    QString text, details;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->text();
        details = box->informativeText();
        box->accept();
    });
    Frame().OnCommand(ID_OPEN_GAME);
    EXPECT_EQ(text, "Unexpected file format.");
    EXPECT_EQ(details, QDir::toNativeSeparators(myFileName));
}

TEST_F(FrameTest, TournamentWonThroughTheWindowIsNamedFiledAndShownAfterARestart)
{
    // "Začátečník" against a player who searches four plies for every move;
    // a lost game is followed by another.
    EngineRandom::SetFixedSeed(11);
    DivuzOptions options = myApp->GetOptions();
    options.Level = 6;
    myApp->SetOptions(options);
    const QString name = QString::fromUtf8("Jiří 张");
    {
        DialogAnswerer answerer(name, "2");
        for (int game = 0; game < 3 && Data().PlayerWins == 0; ++game) {
            Frame().OnCommand(ID_NEW_TOURNAMENT);
            WaitForTheEngine();
            for (int move = 0; move < 180 && Data().GameMode == InProgress; ++move) {
                const Move m = BoardOf(Data()).FindMove(NOL, 4);
                ClickCell(m.x, m.y);
            }
        }
        ASSERT_EQ(Data().PlayerWins, 1);
        ASSERT_TRUE(PumpUntil([&] { return !answerer.tablesShown.empty(); }, 5000));
        EXPECT_EQ(answerer.namesAsked, 1);
        // Začátečník, the player began: the game is first in its group.
        const int moves = Data().UndoRedoMoves.GetCurSize() - 1;
        EXPECT_EQ(answerer.tablesShown.front(),
                  QStringList{QString("\t1\t%1\t%2").arg(name).arg(moves)});
    }
    EXPECT_EQ(Data().PlayerName, name.toStdString());
    EXPECT_EQ(Data().Mode, ModeViewParty);
    const DataDivuzDoc won = Data();

    // The program ends: "Best.tab" holds the game under the typed name.
    myApp->ExitInstance();
    myApp.reset();
    BestGames file;
    ASSERT_TRUE(file.Load(UserBestGamesPath()));
    const DataDivuzDoc stored = file.GetGame(0, 0, 0);
    EXPECT_EQ(stored.PlayerName, name.toStdString());
    EXPECT_EQ(stored.UndoRedoMoves.GetCurSize(), won.UndoRedoMoves.GetCurSize());
    EXPECT_FALSE(IsTournamentWin(file.GetGame(0, 0, 1)));

    // A restarted program shows it and replays it from an empty board.
    StartProgram();
    DialogAnswerer answerer(QString(), "1");
    Frame().Action(ID_BEST_GAMES)->trigger();
    WaitForTheEngine();
    ASSERT_EQ(answerer.tablesShown.size(), 1u);
    EXPECT_EQ(answerer.tablesShown.front().size(), 1);
    EXPECT_TRUE(answerer.tablesShown.front().value(0).contains(name));
    EXPECT_EQ(Data().Mode, ModeViewParty);
    EXPECT_EQ(Data().UndoRedoMoves.GetCurSize(), 1);
    EXPECT_EQ(Frame().StatusPane()->text(), "View party. Use Undo and Redo. ");
    Frame().Action(ID_REDO)->trigger();
    WaitForTheEngine();
    EXPECT_EQ(Data().UndoRedoMoves.GetCurSize(), 2);
    EXPECT_EQ(Data().UndoRedoMoves.Top().x, won.UndoRedoMoves[1].x);
}
