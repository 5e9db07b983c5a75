#include "DivuzApp.h"
#include "BestGamesLocation.h"
#include "DivuzDoc.h"
#include "DivuzHelp.h"
#include "FrameCommands.h"
#include "GameTestSupport.h"
#include "HelpWindow.h"
#include "MainFrame.h"
#include "MainView.h"
#include "SplashWnd.h"

#include <QApplication>
#include <QDialog>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace
{

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
        PumpFor(20);
        ASSERT_TRUE(PumpUntil([this] { return !Data().IsThinking; }));
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
