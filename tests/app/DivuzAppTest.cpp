#include "DivuzApp.h"
#include "BestGamesLocation.h"
#include "DivuzCommands.h"
#include "DivuzDoc.h"
#include "DivuzHelp.h"
#include "DivuzView.h"
#include "FrameCommands.h"
#include "GameTestSupport.h"
#include "HelpWindow.h"
#include "MainFrame.h"
#include "Pictures.h"
#include "PoleWnd.h"
#include "SplashWnd.h"

#include <QActionGroup>
#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace
{

constexpr int ZoomCommands[] = {ID_VIEW_ZOOM_100, ID_VIEW_ZOOM_150, ID_VIEW_ZOOM_200};

// The program as it starts, splash screen included, with its settings in a
// temporary folder and the player to begin.
class DivuzAppTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, myHome.path());
        myApp = std::make_unique<CDivuzApp>();
        DivuzOptions options = myApp->GetOptions();
        options.WhoBeginsMode = 0;
        options.Level = 0;
        myApp->SetOptions(options);
        ASSERT_TRUE(myApp->InitInstance());
        ASSERT_TRUE(PumpUntil([this] { return !Data().IsThinking; }));
    }
    void TearDown() override
    {
        myApp->ExitInstance();
        myApp.reset();
        EXPECT_EQ(myErrors.texts, std::vector<std::string>{});
    }

    DataDivuzDoc Data() const
    {
        DataDivuzDoc d;
        myApp->Document()->GetData(d);
        return d;
    }
    int MovesOnBoard() const { return Data().UndoRedoMoves.GetCurSize() - 1; }
    void ClickBoard()
    {
        QTest::mouseClick(&myApp->MainFrame()->View()->Board(), Qt::LeftButton, {},
                          QPoint(4 + 20 * 9 + 9, 4 + 20 * 9 + 9));
        ASSERT_TRUE(PumpUntilSettled([this] { return Data().IsThinking; }));
    }
    QString HelpPage() const
    {
        HelpWindow *window = myApp->Help().Window();
        return window && window->isVisible() ? window->CurrentPage() : QString();
    }

    QTemporaryDir myHome;
    ErrorRecorder myErrors;
    std::unique_ptr<CDivuzApp> myApp;
};

} // namespace

TEST_F(DivuzAppTest, TheSplashGreetsAndAClickOnTheBoardUnderItPlaysNoMove)
{
    ASSERT_NE(SplashWnd::Current(), nullptr);
    EXPECT_TRUE(SplashWnd::Current()->isVisible());
    EXPECT_TRUE(SplashWnd::Current()->geometry().intersects(myApp->MainFrame()->geometry()));

    ClickBoard();
    EXPECT_EQ(SplashWnd::Current(), nullptr);
    EXPECT_EQ(MovesOnBoard(), 0);
    ClickBoard();
    EXPECT_EQ(MovesOnBoard(), 2) << "the next click plays, the computer answers";
}

// Nobody can move while the splash covers the board, so the player's clock
// waits for it to go away.
TEST_F(DivuzAppTest, TheFirstGamesClockStartsWhenTheSplashGoesAway)
{
    ASSERT_TRUE(SplashWnd::Current() && SplashWnd::Current()->isVisible());
    PumpFor(300);
    EXPECT_EQ(Data().PlayerTime, 0);
    SplashWnd::HideSplash();
    ASSERT_TRUE(PumpUntil([this] { return Data().PlayerTime >= 3; }, 5000));
    EXPECT_EQ(Data().ComputerTime, 0);
}

// The player's click puts the game into the engine's hands: the status text
// and the commands say so at once, before the event loop runs again, not a
// quarter of a second later.
TEST_F(DivuzAppTest, TheStatusAndTheCommandsFollowAClickAtOnce)
{
    SplashWnd::HideSplash();
    CMainFrame &frame = *myApp->MainFrame();
    ClickBoard();
    ASSERT_TRUE(frame.Action(ID_EDIT_UNDO)->isEnabled());
    const QString waiting = frame.StatusPane()->text();

    QTest::mouseClick(&frame.View()->Board(), Qt::LeftButton, {},
                      QPoint(4 + 20 * 3 + 9, 4 + 20 * 3 + 9));
    ASSERT_TRUE(Data().IsThinking);
    EXPECT_EQ(frame.StatusPane()->text(), myApp->Document()->OnUpdateGameStatus());
    EXPECT_NE(frame.StatusPane()->text(), waiting);
    EXPECT_FALSE(frame.Action(ID_EDIT_UNDO)->isEnabled());
    EXPECT_FALSE(frame.Action(ID_HINT)->isEnabled());
    ASSERT_TRUE(PumpUntil([this] { return !Data().IsThinking; }));
}

// Every item of every menu, the menus themselves included, has a letter of
// its own within its menu, so the keyboard reaches each at once; the three
// "Kdo začíná" items are one exclusive group.
TEST_F(DivuzAppTest, EveryMenuItemHasAMnemonicOfItsOwn)
{
    const auto mnemonic = [](const QString &text) {
        const QString label = text.section('\t', 0, 0);
        const int at = label.indexOf('&');
        return at >= 0 && at + 1 < label.size() ? label.at(at + 1).toLower() : QChar();
    };
    const auto check = [&](const QList<QAction *> &actions, const QString &where) {
        std::set<QChar> letters;
        for (const QAction *action : actions) {
            if (action->isSeparator() || !action->isVisible())
                continue;
            const QChar letter = mnemonic(action->text());
            EXPECT_FALSE(letter.isNull())
                << where.toStdString() << ": " << action->text().toStdString();
            EXPECT_TRUE(letters.insert(letter).second)
                << where.toStdString() << ": " << action->text().toStdString()
                << " repeats a letter";
        }
    };
    QMenuBar *bar = myApp->MainFrame()->menuBar();
    check(bar->actions(), "menu bar");
    int menus = 0;
    for (const QMenu *menu : bar->findChildren<QMenu *>()) {
        check(menu->actions(), menu->title());
        ++menus;
    }
    EXPECT_GE(menus, 5); // the four of the bar and "Kdo začíná"
    const QAction *who = myApp->MainFrame()->Action(ID_WHO_PLAYER);
    ASSERT_NE(who->actionGroup(), nullptr);
    EXPECT_TRUE(who->actionGroup()->isExclusive());
    EXPECT_EQ(who->actionGroup()->actions().size(), 3);
}

// A whole game from the keyboard alone: the board has the keyboard from the
// start, the arrows move a cursor that starts on the last move, Enter plays
// there as a left click would. In edit mode Shift+Enter plays as the right
// button: the other side's stone.
TEST_F(DivuzAppTest, AWholeGameIsPlayedWithTheKeyboardAlone)
{
    SplashWnd::HideSplash();
    PoleWnd &board = myApp->MainFrame()->View()->Board();
    myApp->MainFrame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(myApp->MainFrame()));
    ASSERT_EQ(QApplication::focusWidget(), &board);
    const auto key = [&](Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), k, modifiers);
    };
    EXPECT_FALSE(board.Cursor().has_value());
    key(Qt::Key_Left); // shows the cursor in the centre of the empty board
    ASSERT_EQ(board.Cursor(), QPoint(9, 9));
    EXPECT_EQ(board.accessibleDescription(), QString("K10, volné pole"));

    const auto occupied = [this](int x, int y) {
        const Stack<HistoryEntry> &h = Data().UndoRedoMoves;
        for (int i = 1; i < h.GetCurSize(); ++i)
            if (h[i].x == x && h[i].y == y)
                return true;
        return false;
    };
    int turns = 0;
    while (Data().GameMode == InProgress && turns++ < 200) {
        // The next free cell in reading order, reached with the arrows.
        QPoint target(-1, -1);
        for (int cell = 0; cell < BoardSize * BoardSize && target.x() < 0; ++cell)
            if (!occupied(cell % BoardSize, cell / BoardSize))
                target = QPoint(cell % BoardSize, cell / BoardSize);
        ASSERT_GE(target.x(), 0);
        if (!board.Cursor())
            key(Qt::Key_Home);
        while (board.Cursor()->x() != target.x())
            key(board.Cursor()->x() < target.x() ? Qt::Key_Right : Qt::Key_Left);
        while (board.Cursor()->y() != target.y())
            key(board.Cursor()->y() < target.y() ? Qt::Key_Down : Qt::Key_Up);
        const int moves = MovesOnBoard();
        key(Qt::Key_Return);
        ASSERT_TRUE(PumpUntil([&] { return !Data().IsThinking; }));
        ASSERT_GT(MovesOnBoard(), moves)
            << "Enter played no move at " << target.x() << "," << target.y();
    }
    EXPECT_NE(Data().GameMode, InProgress) << "the game never ended";

    // Edit mode: Enter places the player's sign, Shift+Enter the other one.
    myApp->MainFrame()->OnCommand(ID_FILE_NEW);
    ASSERT_TRUE(PumpUntil([this] { return !Data().IsThinking; }));
    myApp->MainFrame()->OnCommand(ID_GAME_EDITMODE);
    key(Qt::Key_Home);
    key(Qt::Key_Return);
    ASSERT_TRUE(PumpUntil([this] { return !Data().IsThinking; }));
    key(Qt::Key_Down);
    key(Qt::Key_Return, Qt::ShiftModifier);
    ASSERT_TRUE(PumpUntil([this] { return !Data().IsThinking; }));
    const Stack<HistoryEntry> &h = Data().UndoRedoMoves;
    ASSERT_EQ(h.GetCurSize(), 3);
    EXPECT_EQ(std::tuple(h[1].x, h[1].y, h[1].iZnak), std::tuple(9, 9, Data().PlayerSign));
    EXPECT_EQ(std::tuple(h[2].x, h[2].y, h[2].iZnak),
              std::tuple(9, 10, Opponent(Data().PlayerSign)));
    EXPECT_EQ(board.accessibleDescription(), QString("K9, kámen počítače"));

    // A click hides the cursor; the mouse has taken over.
    ClickBoard();
    EXPECT_FALSE(board.Cursor().has_value());
}

// The header shows which sign each side plays: the one who begins has the
// first picture of the set, so the pictures change places when the other
// side begins.
TEST_F(DivuzAppTest, TheHeaderShowsEachSidesSign)
{
    SplashWnd::HideSplash();
    CDivuzView &view = *myApp->MainFrame()->View();
    const auto signs = [&] {
        const QImage header = view.Header().grab().toImage();
        return std::pair(header.copy(99, 14, 13, 13), header.copy(223, 14, 13, 13));
    };
    const auto [playerFirst, computerFirst] = signs();
    EXPECT_NE(playerFirst, computerFirst);

    DivuzOptions options = myApp->GetOptions();
    options.WhoBeginsMode = 1; // the computer
    myApp->SetOptions(options);
    myApp->MainFrame()->OnCommand(ID_FILE_NEW);
    ASSERT_TRUE(PumpUntil([this] { return !Data().IsThinking; }));
    ASSERT_FALSE(Data().IsPlayerFirst);
    const auto [player, computer] = signs();
    EXPECT_EQ(player, computerFirst);
    EXPECT_EQ(computer, playerFirst);
}

// "Velikost": the whole view at 100, 150 and 200 %, kept in the settings.
// A click reaches the cell under the pointer at every size; the board is
// drawn at the size it is shown, as sharp as its picture drawn at that
// density; back at 100 % the view is the layout again, pixel for pixel.
TEST_F(DivuzAppTest, TheViewZoomsAndAClickReachesTheCellUnderThePointer)
{
    SplashWnd::HideSplash();
    CMainFrame &frame = *myApp->MainFrame();
    CDivuzView &view = *frame.View();
    ASSERT_EQ(view.size(), QSize(626, 387));
    // A fresh game with the clocks held and the chances settled, so the two
    // pictures at 100 % can only differ by the zoom's doing.
    view.SetClockGate([] { return false; });
    const auto freshGame = [&] {
        frame.OnCommand(ID_FILE_NEW);
        ASSERT_TRUE(PumpUntilSettled([this] { return Data().IsThinking; }));
        while (view.Chances().OnTimer()) {
        }
        PumpPosted();
    };
    freshGame();
    const QImage before = view.grab().toImage();

    const std::pair<int, int> cells[] = {{0, 0}, {18, 18}, {3, 14}};
    for (const int zoom : {100, 150, 200}) {
        SCOPED_TRACE(zoom);
        frame.OnCommand(zoom == 100   ? ID_VIEW_ZOOM_100
                        : zoom == 150 ? ID_VIEW_ZOOM_150
                                      : ID_VIEW_ZOOM_200);
        PumpPosted();
        EXPECT_TRUE(frame.Action(ZoomCommands[zoom / 50 - 2])->isChecked());
        EXPECT_EQ(myApp->GetOptions().Zoom, zoom);
        EXPECT_EQ(QSettings("Zidude", "Divuz").value("Options/Zoom").toInt(), zoom);
        // On the offscreen platform's own 800 x 600 screen a size that
        // does not fit is drawn smaller, never larger than chosen, and the
        // window fits; on a large screen (ZoomOnALargeScreen) it is exact.
        const qreal scale = view.Scale();
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        if (screen.width() >= 1400 && screen.height() >= 1100) {
            EXPECT_EQ(scale, zoom / 100.0);
        }
        EXPECT_LE(scale, zoom / 100.0);
        EXPECT_GT(scale, 0.9);
        EXPECT_TRUE(
            QGuiApplication::primaryScreen()->availableGeometry().contains(frame.frameGeometry()));
        EXPECT_EQ(view.size(), QSize(qRound(626 * scale), qRound(387 * scale)));
        for (const auto &[x, y] : cells) {
            myApp->MainFrame()->OnCommand(ID_FILE_NEW);
            ASSERT_TRUE(PumpUntil([this] { return !Data().IsThinking; }));
            const qreal centre = 4 + 20 * x + 9.5;
            const qreal middle = 4 + 20 * y + 9.5;
            QTest::mouseClick(&view.Board(), Qt::LeftButton, {},
                              QPointF(centre * scale, middle * scale).toPoint());
            ASSERT_TRUE(PumpUntil([this] { return !Data().IsThinking; }));
            ASSERT_GE(Data().UndoRedoMoves.GetCurSize(), 2);
            EXPECT_EQ(std::pair(Data().UndoRedoMoves[1].x, Data().UndoRedoMoves[1].y),
                      std::pair(x, y));
        }
        // The empty top-left cells: the board picture made at the density
        // it is shown at, not the small one blown up.
        const QImage board = view.Board().grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage sharp =
            DivuzPictureImage(myApp->GetOptions().WndLayout.PoleWndLayout.BoardBitmaps[0], scale)
                .convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(board.copy(0, 0, 60, 60), sharp.copy(0, 0, 60, 60));
    }
    frame.OnCommand(ID_VIEW_ZOOM_100);
    freshGame();
    EXPECT_EQ(view.size(), QSize(626, 387));
    EXPECT_EQ(view.grab().toImage(), before);
}

TEST_F(DivuzAppTest, EveryHelpCommandAndDialogContextOpensItsPage)
{
    SplashWnd::HideSplash();
    CMainFrame &frame = *myApp->MainFrame();
    for (int id : {ID_HELP_FINDER, ID_HELP, ID_CONTEXT_HELP, ID_APP_ABOUT})
        EXPECT_TRUE(frame.Action(id)->isEnabled()) << id;

    EXPECT_TRUE(frame.OnCommand(ID_HELP_FINDER));
    EXPECT_EQ(HelpPage(), "obsah.html");
    myApp->Help().Window()->close();
    // The keys reach the frame while it is the active window.
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_F1);
    EXPECT_EQ(HelpPage(), "obsah.html");
    EXPECT_TRUE(frame.OnCommand(ID_DEFAULT_HELP));
    EXPECT_EQ(HelpPage(), "uvod.html");

    myApp->ShowHelp(65657);
    EXPECT_EQ(HelpPage(), "turnaj.html");
    myApp->ShowHelp(65539);
    EXPECT_EQ(HelpPage(), "volby.html");
    myApp->ShowHelp(4242);
    EXPECT_EQ(HelpPage(), "obsah.html");

    // Shift+F1, then a click on the board: its page, and no move.
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_F1, Qt::ShiftModifier);
    ClickBoard();
    EXPECT_EQ(HelpPage(), "hra.html");
    EXPECT_EQ(MovesOnBoard(), 0);
}

TEST_F(DivuzAppTest, HelpAskedForByAModalDialogOpensAsItsChild)
{
    SplashWnd::HideSplash();
    QDialog dialog(myApp->MainFrame());
    QTimer::singleShot(0, &dialog, [&] {
        myApp->ShowHelp(65539);
        EXPECT_EQ(myApp->Help().Window()->parentWidget(), &dialog);
        EXPECT_EQ(HelpPage(), "volby.html");
        dialog.reject();
    });
    dialog.exec();
}

// Closing the main window ends the program whatever else of ours is open:
// the help window goes with it, a modal dialog too (a signal's way out), the
// event loop ends, and the exit writes the settings and the table, once.
TEST_F(DivuzAppTest, ClosingTheMainWindowEndsTheProgramWhateverElseIsOpen)
{
    SplashWnd::HideSplash();
    CMainFrame &frame = *myApp->MainFrame();
    const QString settings = QSettings("Zidude", "Divuz").fileName();
    const QString table = QString::fromStdString(BestGamesWritePath(myApp->GetOptions()));
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });

    // "&Konec" with the help window open.
    EXPECT_TRUE(frame.OnCommand(ID_HELP_FINDER));
    ASSERT_TRUE(myApp->Help().Window()->isVisible());
    QTimer::singleShot(0, &frame, [&] { frame.OnCommand(ID_APP_EXIT); });
    giveUp.start(10000);
    EXPECT_EQ(QCoreApplication::exec(), 0) << "the event loop went on";
    EXPECT_FALSE(myApp->Help().Window()->isVisible());
    EXPECT_TRUE(myApp->IsExiting());

    // A request from outside while a modal dialog runs: the dialog closes
    // and the program leaves as well.
    frame.show();
    QString shown;
    QTimer::singleShot(0, &frame, [&] { frame.OnCommand(ID_APP_ABOUT); });
    QTimer::singleShot(100, &frame, [&] {
        shown = QApplication::activeModalWidget() ? "modal" : "none";
        myApp->RequestExit();
    });
    giveUp.start(10000);
    EXPECT_EQ(QCoreApplication::exec(), 0) << "the dialog kept the program alive";
    EXPECT_EQ(shown, "modal");
    EXPECT_FALSE(frame.isVisible());

    QFile::remove(settings);
    QFile::remove(table);
    myApp->ExitInstance();
    EXPECT_TRUE(QFile::exists(settings));
    EXPECT_TRUE(QFile::exists(table));
    QFile::remove(settings);
    myApp->ExitInstance(); // TearDown's, and any other way out, writes nothing more
    EXPECT_FALSE(QFile::exists(settings));
}

TEST_F(DivuzAppTest, AboutShowsTheAboutBoxModally)
{
    SplashWnd::HideSplash();
    QString shown;
    QTimer::singleShot(0, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        shown = modal->objectName();
        modal->close();
    });
    EXPECT_TRUE(myApp->MainFrame()->OnCommand(ID_APP_ABOUT));
    EXPECT_EQ(shown, "100");
}
