#include "DivuzApp.h"
#include "DivuzDoc.h"
#include "GameTestSupport.h"
#include "MainFrame.h"
#include "MainView.h"

#include <QAction>
#include <QLabel>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The whole program as it starts, with its settings and files in a
// temporary folder.
class FrameTest : public testing::Test {
protected:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, myHome.path());
        myApp = std::make_unique<CDivuzApp>();
        DivuzOptions options = myApp->GetOptions();
        options.Level = 0; // instant answers keep the tests quick
        options.WhoBeginsMode = 0;
        myApp->SetOptions(options);
        ASSERT_TRUE(myApp->InitInstance()); // an empty settings store keeps these
        Frame().SetFileNamePrompt([this](bool) { return myFileName; });
        WaitForTheEngine();
    }
    void TearDown() override
    {
        myApp->ExitInstance();
        myApp.reset();
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
        PumpFor(20);
        ASSERT_TRUE(PumpUntil([this] { return !Data().IsThinking; }, 10000));
    }
    void ClickCell(int x, int y)
    {
        QTest::mouseClick(&Frame().View()->Board(), Qt::LeftButton, {},
                          QPoint(4 + 20 * x + 9, 4 + 20 * y + 9));
        WaitForTheEngine();
    }

    QTemporaryDir myHome;
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

TEST_F(FrameTest, MenusCarryTheirLabelsAndFollowTheGame)
{
    EXPECT_EQ(Frame().Action(ID_FILE_NEW)->text(), QString::fromUtf8("&Nový\tCtrl+N"));
    EXPECT_EQ(Frame().Action(ID_OPEN_GAME)->text(), QString::fromUtf8("&Otevřít...\tCtrl+O"));
    EXPECT_EQ(Frame().Action(ID_EDIT_UNDO)->shortcut(), QKeySequence("Ctrl+Z"));
    // Dialogs that come later are shown but cannot be used yet.
    EXPECT_TRUE(Frame().Action(ID_OPTIONS)->isEnabled());
    EXPECT_FALSE(Frame().Action(ID_BEST_GAMES)->isEnabled());

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
