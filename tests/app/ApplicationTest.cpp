// The application object in the whole program: the "Volby" command around
// the options dialog (music, frame size, repaint), the strength reaching the
// engine's next request, the new game and tournament commands, and the
// settings written at every exit and read at the next start. The settings
// store and the program's folder are temporary; a recording player stands
// in for the sound card.

#include "DivuzEvents.h"
#include "DivuzView.h"
#include "Levels.h"
#include "MainFrame.h"
#include "OptionsDialog.h"
#include "PoleThread.h"
#include "ProgramTest.h"
#include "SplashWnd.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

// Counts what reaches a widget: WM_FIT_FRAME commands, or paints.
class Watcher : public QObject
{
  public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == DivuzCommandEvent::EventType() &&
            static_cast<DivuzCommandEvent *>(event)->Command() == WM_FIT_FRAME)
            ++fits;
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    int fits = 0;
    int paints = 0;
};

class ApplicationTest : public ProgramTest
{
  protected:
    ApplicationTest() { AddPieces({"a.mid", "b.mid", "c.mid"}); }

    // Starts the program in music mode 2; `setup` adjusts the options.
    void Start(const std::function<void(DivuzOptions &)> &setup = {})
    {
        StartProgram([&](DivuzOptions &options) {
            options.MusicMode = 2;
            if (setup)
                setup(options);
        });
        SplashWnd::HideSplash(); // the tests click at once
        Frame().installEventFilter(&myFrameWatch);
        Frame().View()->installEventFilter(&myViewWatch);
        Settle();
    }

    // "Volby" with the dialog driven by clicks on the given control ids,
    // then "Budiž" (1) or "Zrušit" (2) as the last id says.
    void Options(std::vector<int> clicks, const QString &piece = QString())
    {
        myApp->SetDialogRunner([&](QDialog &dialog) {
            auto &d = static_cast<OptionsDialog &>(dialog);
            d.show();
            if (!piece.isEmpty()) {
                auto *list = qobject_cast<QComboBox *>(d.Control(IDC_MUSIC_LIST));
                list->setCurrentIndex(list->findText(piece));
            }
            // Near the left edge, where a radio button's indicator is.
            for (int id : clicks) {
                QWidget *w = d.Control(id);
                QTest::mouseClick(w, Qt::LeftButton, {},
                                  QPoint(std::min(8, w->width() / 2), w->height() / 2));
            }
            return d.result();
        });
        myFrameWatch.fits = myViewWatch.paints = 0;
        Frame().OnCommand(ID_OPTIONS);
        PumpPosted();
    }

    Watcher myFrameWatch, myViewWatch;
};

} // namespace

TEST_F(ApplicationTest, VolbyIsOfferedAndConfirmingWithoutAChangeFitsAndRepaintsOnly)
{
    Start();
    EXPECT_TRUE(Frame().Action(ID_OPTIONS)->isEnabled());
    const std::size_t opened = myPlayer->opened.size();
    Options({IDOK_BUDIZ});
    EXPECT_EQ(myFrameWatch.fits, 1);
    EXPECT_GT(myViewWatch.paints, 0);
    EXPECT_EQ(myPlayer->opened.size(), opened); // the music goes on
    EXPECT_EQ(myPlayer->closes, 0);
}

TEST_F(ApplicationTest, AnotherPieceRestartsTheMusicWithItWhenMusicIsOn)
{
    Start();
    ASSERT_EQ(myPlayer->OpenPiece(), "a.mid");
    Options({IDOK_BUDIZ}, "c.mid");
    EXPECT_EQ(myApp->GetOptions().MusicName, "c.mid");
    EXPECT_EQ(myPlayer->OpenPiece(), "c.mid");
    EXPECT_TRUE(myPlayer->playing);
}

TEST_F(ApplicationTest, WithMusicOffAnotherPieceOnlyChangesMusicName)
{
    Start([](DivuzOptions &o) { o.IsMusicOn = false; });
    Options({IDOK_BUDIZ}, "b.mid");
    EXPECT_EQ(myApp->GetOptions().MusicName, "b.mid");
    EXPECT_TRUE(myPlayer->opened.empty());
    EXPECT_EQ(myFrameWatch.fits, 1);
}

TEST_F(ApplicationTest, SwitchingMusicOffClosesThePieceAtOnceAndOnStartsItAgain)
{
    Start();
    ASSERT_TRUE(myPlayer->playing);
    Options({IDC_MUSIC_ON, IDOK_BUDIZ});
    EXPECT_FALSE(myApp->GetOptions().IsMusicOn);
    EXPECT_FALSE(myPlayer->playing);
    EXPECT_EQ(myPlayer->openDevice, 0);
    const int starts = myPlayer->starts;
    Options({IDC_MUSIC_ON, IDOK_BUDIZ});
    EXPECT_EQ(myPlayer->OpenPiece(), "a.mid");
    EXPECT_EQ(myPlayer->starts, starts + 1);
}

TEST_F(ApplicationTest, ZrusitChangesNothingWhateverWasClicked)
{
    Start();
    const DivuzOptions before = myApp->GetOptions();
    const std::size_t opened = myPlayer->opened.size();
    Options({1005, IDC_WHO_COMPUTER, IDC_SIGNSET_1, IDC_RENJU, IDC_SOUND_ON, IDC_MUSIC_ON,
             IDC_MUSIC_MODE_0, IDCANCEL_ZRUSIT},
            "b.mid");
    const DivuzOptions after = myApp->GetOptions();
    EXPECT_EQ(after.Level, before.Level);
    EXPECT_EQ(after.WhoBeginsMode, before.WhoBeginsMode);
    EXPECT_EQ(after.CurSignSet, before.CurSignSet);
    EXPECT_EQ(after.IsRenjuStyle, before.IsRenjuStyle);
    EXPECT_EQ(after.IsSoundOn, before.IsSoundOn);
    EXPECT_EQ(after.IsMusicOn, before.IsMusicOn);
    EXPECT_EQ(after.MusicMode, before.MusicMode);
    EXPECT_EQ(after.MusicName, before.MusicName);
    EXPECT_EQ(myFrameWatch.fits, 0);
    EXPECT_EQ(myPlayer->opened.size(), opened);
}

TEST_F(ApplicationTest, EachStrengthButtonReachesTheNextComputerMove)
{
    Start();
    std::vector<std::pair<int, PoleRequest>> requests;
    myApp->Document()->SetRequestObserver(
        [&requests](int message, const PoleRequest &r) { requests.emplace_back(message, r); });
    for (int level = 0; level < LevelCount; ++level) {
        SCOPED_TRACE(level);
        Frame().OnCommand(ID_NEW_GAME);
        Settle();
        Options({LevelButtonIds[level], IDOK_BUDIZ});
        ASSERT_EQ(myApp->GetOptions().Level, level);
        requests.clear();
        const DataDivuzDoc d = Data();
        myApp->Document()->OnMakeMove({9, 9, d.PlayerSign});
        // The player's move, then the search for the answer.
        ASSERT_TRUE(PumpUntil([&] { return requests.size() >= 2; }, 5000));
        const SettingCall call = CallForSetting(level);
        const auto &[message, request] = requests[1];
        if (call.timed) {
            EXPECT_EQ(message, WM_POLE_FIND_IN_TIME);
            EXPECT_EQ(request.Seconds, call.value);
        } else {
            EXPECT_EQ(message, WM_POLE_FIND);
            EXPECT_EQ(request.Depth, call.value);
        }
        // A long timed search is cut short by the next new game.
    }
    Frame().OnCommand(ID_NEW_GAME);
    Settle();
}

TEST_F(ApplicationTest, TheLevelCaptionFollowsTheNewLevelAtTheNextRepaint)
{
    Start();
    QWidget *level = Frame().View()->findChild<QWidget *>("LevelWnd Window");
    ASSERT_NE(level, nullptr);
    const QImage before = level->grab().toImage();
    Options({IDC_LEVEL_EXPERT, IDOK_BUDIZ});
    EXPECT_NE(level->grab().toImage(), before);
}

TEST_F(ApplicationTest, TheBoardLookChangesAtOnce)
{
    Start();
    const QImage before = Frame().View()->Board().grab().toImage();
    Options({IDC_RENJU, IDOK_BUDIZ});
    const QImage renju = Frame().View()->Board().grab().toImage();
    EXPECT_NE(renju, before);
    EXPECT_TRUE(myApp->GetOptions().IsRenjuStyle);
}

TEST_F(ApplicationTest, NovyTurnajThenNovyGivesTwoTournamentGamesAndNovaHraEndsThat)
{
    Start();
    Frame().OnCommand(ID_NEW_TOURNAMENT);
    Settle();
    EXPECT_EQ(Data().Mode, ModeTournament);
    Frame().OnCommand(ID_FILE_NEW);
    Settle();
    EXPECT_EQ(Data().Mode, ModeTournament);
    Frame().OnCommand(ID_NEW_GAME);
    Settle();
    EXPECT_EQ(Data().Mode, ModeGame);
    Frame().OnCommand(ID_FILE_NEW);
    Settle();
    EXPECT_EQ(Data().Mode, ModeGame);
}

TEST_F(ApplicationTest, EveryApplicationCommandIsEnabledAndChecksItsMode)
{
    Start();
    for (int id :
         std::initializer_list<int>{ID_WHO_PLAYER, ID_WHO_COMPUTER, ID_WHO_ALTERNATE,
                                    int(ID_OPTIONS), ID_VIEW_INFO, ID_NEW_GAME, ID_NEW_TOURNAMENT})
        EXPECT_TRUE(Frame().Action(id)->isEnabled()) << id;
    for (int mode = 0; mode < 3; ++mode) {
        Frame().OnCommand(ID_WHO_PLAYER + mode);
        EXPECT_EQ(myApp->GetOptions().WhoBeginsMode, mode);
        for (int other = 0; other < 3; ++other)
            EXPECT_EQ(Frame().Action(ID_WHO_PLAYER + other)->isChecked(), other == mode);
    }
    EXPECT_TRUE(Frame().Action(ID_VIEW_INFO)->isChecked());
    Frame().OnCommand(ID_VIEW_INFO);
    EXPECT_FALSE(Frame().Action(ID_VIEW_INFO)->isChecked());
    Frame().OnCommand(ID_VIEW_INFO);
}

TEST_F(ApplicationTest, SettingsAreWrittenAtExitEvenWhenNothingChanged)
{
    Start();
    QSettings store("Zidude", "Divuz");
    EXPECT_FALSE(store.contains("Options/Level"));
    Frame().close(); // as the window manager closes it
    Stop();
    store.sync();
    EXPECT_EQ(store.value("Options/Level").toInt(), 0);
    EXPECT_EQ(store.value("Options/WhoBeginsMode").toInt(), 0);
    EXPECT_EQ(store.value("Options/MusicName").toString(), "a.mid");
    EXPECT_EQ(store.value("Options/SoundNames/Win 5").toString(), "Win5.wav");
}

TEST_F(ApplicationTest, ARestartShowsTheOptionsChosenBeforeExit)
{
    Start();
    Options({IDC_LEVEL_MASTER, IDC_WHO_COMPUTER, IDC_SIGNSET_1, IDC_RENJU, IDC_SOUND_ON,
             IDC_MUSIC_MODE_0, IDOK_BUDIZ},
            "b.mid");
    Frame().OnCommand(ID_VIEW_INFO);
    Stop();

    myApp = std::make_unique<CDivuzApp>(myFolder.path().toStdString());
    myPlayer = std::make_unique<RecordingMediaPlayer>();
    ASSERT_TRUE(myApp->InitInstance());
    Settle();
    const DivuzOptions o = myApp->GetOptions();
    EXPECT_EQ(o.Level, 9);
    EXPECT_EQ(o.WhoBeginsMode, 1);
    EXPECT_EQ(o.CurSignSet, 1);
    EXPECT_TRUE(o.IsRenjuStyle);
    EXPECT_FALSE(o.IsSoundOn);
    EXPECT_EQ(o.MusicMode, 0);
    EXPECT_EQ(o.MusicName, "b.mid");
    EXPECT_FALSE(o.IsViewInfo);
    EXPECT_EQ(myPlayer->OpenPiece(), "b.mid");
    EXPECT_EQ(Frame().View()->size(), QSize(387, 387));
    // The dialog opens on them.
    myApp->SetDialogRunner([](QDialog &dialog) {
        auto &d = static_cast<OptionsDialog &>(dialog);
        d.show();
        EXPECT_TRUE(qobject_cast<QAbstractButton *>(d.Control(IDC_LEVEL_MASTER))->isChecked());
        EXPECT_TRUE(qobject_cast<QAbstractButton *>(d.Control(IDC_WHO_COMPUTER))->isChecked());
        EXPECT_TRUE(qobject_cast<QAbstractButton *>(d.Control(IDC_SIGNSET_1))->isChecked());
        EXPECT_EQ(qobject_cast<QComboBox *>(d.Control(IDC_MUSIC_LIST))->currentText(), "b.mid");
        return int(QDialog::Rejected);
    });
    Frame().OnCommand(ID_OPTIONS);
}
