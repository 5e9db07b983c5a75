// Sounds and music of the whole program, heard through a recording player:
// which wave each document update plays and how, and how the music walks a
// folder of three pieces in each of the three modes.

#include "DivuzView.h"
#include "ProgramTest.h"
#include "SettingsStore.h"
#include "ViewSounds.h"

#include <gtest/gtest.h>

namespace
{

using Wave = RecordingMediaPlayer::Wave;

// The program with the given music files, sound and music as asked.
class SoundsAndMusicTest : public ProgramTest
{
  protected:
    void Start(const std::vector<QString> &pieces, int musicMode, bool musicOn = true,
               bool soundOn = true)
    {
        AddPieces(pieces);
        StartProgram([&](DivuzOptions &options) {
            options.MusicMode = musicMode;
            options.IsMusicOn = musicOn;
            options.IsSoundOn = soundOn;
        });
        Settle();
    }
    void Place(int x, int y, bool player = true)
    {
        const DataDivuzDoc d = Data();
        myApp->Document()->OnMakeMove({x, y, player ? d.PlayerSign : Opponent(d.PlayerSign)});
        Settle();
    }
    // Four in a row set up in edit mode; the fifth, by `player`, ends the game.
    void EndAGame(bool playerWins)
    {
        Frame().OnCommand(ID_GAME_EDITMODE);
        for (int i = 0; i < 4; ++i) {
            Place(5 + i, 12, playerWins);
            Place(6 + i, 3, !playerWins);
        }
        Frame().OnCommand(ID_GAME_EDITMODE);
        if (playerWins) {
            Place(9, 12);
        } else {
            Place(0, 0); // the computer completes its five in its answer
        }
    }
    std::string SoundFile(const char *name) const
    {
        return myFolder.filePath(QString("Sound/") + name).toStdString();
    }
    std::string MusicName() const { return myApp->GetOptions().MusicName; }
    void FinishPiece()
    {
        ASSERT_TRUE(myPlayer->FinishMusic());
        PumpFor(30);
    }
};

std::vector<QString> ThreePieces()
{
    return {"a.mid", "b.mid", "c.mid"};
}

// The game's own pieces, as the build made them.
class RealPiecesTest : public SoundsAndMusicTest
{
  protected:
    void Start(int musicMode)
    {
        for (const char *name : {"FrereJacques.mid", "Greensleeves.mid"})
            ASSERT_TRUE(QFile::copy(QString(DIVUZ_PROGRAM_DIR "/Music/") + name,
                                    myFolder.filePath(QString("Music/") + name)));
        SoundsAndMusicTest::Start({}, musicMode);
    }
    // Plays the open piece to its last note and then for the ring the real
    // player allows it: only then does it end, and the music goes on.
    void PlayToTheEnd()
    {
        const auto length = MidiFilePlayingTime(myPlayer->openPath);
        ASSERT_TRUE(length.has_value());
        const int starts = myPlayer->starts;
        EXPECT_FALSE(myPlayer->PlayFor(*length - std::chrono::milliseconds(1)));
        EXPECT_FALSE(myPlayer->PlayFor(LastNoteRing));
        PumpFor(30);
        EXPECT_EQ(myPlayer->starts, starts) << "ended before its last note had rung";
        EXPECT_TRUE(myPlayer->PlayFor(std::chrono::milliseconds(1)));
        PumpFor(30);
        EXPECT_EQ(myPlayer->starts, starts + 1);
    }
};

} // namespace

TEST(ChooseSoundTest, EveryEventCodeAndGameModePicksItsSoundAndPlaybackKind)
{
    const auto draw3 = [] { return 3; };
    struct Row {
        int event, gameMode;
        SoundChoice expected;
    };
    const Row rows[] = {
        {SoundNone, InProgress, {}},
        {SoundNewGame, InProgress, {3, false}},
        {SoundNewGame, PlayerWon, {3, false}},
        {SoundMove, InProgress, {0, false}},
        {SoundMove, PlayerWon, {12, true}},
        {SoundMove, ComputerWon, {7, true}},
        {SoundMove, Draw, {}},
        {SoundBack, InProgress, {2, false}},
        {SoundBack, ComputerWon, {2, false}},
        {SoundSecond, InProgress, {}},
        {SoundBadMove, InProgress, {1, false}},
        {SoundBadMove, Draw, {1, false}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(ChooseSound(row.event, row.gameMode, draw3), row.expected)
            << row.event << " " << row.gameMode;
    // All five of each kind are reachable: r is 0..4.
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(ChooseSound(SoundMove, PlayerWon, [r] { return r; }).index, 9 + r);
        EXPECT_EQ(ChooseSound(SoundMove, ComputerWon, [r] { return r; }).index, 4 + r);
    }
}

TEST(ChooseSoundTest, StrangeCodesRaiseTheirTexts)
{
    const auto draw = [] { return 0; };
    for (int event : {-1, 6}) {
        try {
            ChooseSound(event, InProgress, draw);
            ADD_FAILURE() << event;
        } catch (const xProgramme &e) {
            EXPECT_EQ(std::string(e.GetText()), "COrbeView::Sounds : Strange myData");
        }
    }
    for (int mode : {-1, 4}) {
        try {
            ChooseSound(SoundMove, mode, draw);
            ADD_FAILURE() << mode;
        } catch (const xProgramme &e) {
            EXPECT_EQ(std::string(e.GetText()), "COrbeView::Sounds : Unknown GameMode");
        }
    }
    EXPECT_EQ(ChooseSound(SoundBack, 99, draw), (SoundChoice{2, false})); // read for a move only
}

TEST_F(SoundsAndMusicTest, TheGameSoundsAtEachEventFromTheSoundFolder)
{
    Start(ThreePieces(), 2);
    EXPECT_EQ(myPlayer->waves, (std::vector<Wave>{{SoundFile("NewGame.wav"), false}}));
    myPlayer->waves.clear();

    Place(9, 9); // the player's move and the computer's answer
    EXPECT_EQ(myPlayer->waves, (std::vector<Wave>(2, {SoundFile("MakeMove.wav"), false})));
    myPlayer->waves.clear();

    Place(9, 9); // occupied
    EXPECT_EQ(myPlayer->waves, (std::vector<Wave>{{SoundFile("BadMove.wav"), false}}));
    myPlayer->waves.clear();

    Frame().OnCommand(ID_EDIT_UNDO);
    Settle();
    ASSERT_FALSE(myPlayer->waves.empty());
    EXPECT_EQ(myPlayer->waves.back(), (Wave{SoundFile("BackMove.wav"), false}));

    // A renamed sound plays under its new name.
    DivuzOptions options = myApp->GetOptions();
    options.SoundNames[0] = "Other.wav";
    myApp->SetOptions(options);
    myPlayer->waves.clear();
    Place(3, 3);
    EXPECT_EQ(myPlayer->waves.front(), (Wave{SoundFile("Other.wav"), false}));
}

TEST_F(SoundsAndMusicTest, AWinAndALossInterruptWithOneOfTheirFiveSounds)
{
    Start(ThreePieces(), 2);
    Frame().OnCommand(ID_NEW_GAME);
    Settle();
    EndAGame(true);
    ASSERT_EQ(Data().GameMode, PlayerWon);
    const Wave win = myPlayer->waves.back();
    EXPECT_TRUE(win.interrupt);
    EXPECT_TRUE(win.path.find("/Sound/Win") != std::string::npos) << win.path;

    Frame().OnCommand(ID_NEW_GAME);
    Settle();
    EndAGame(false);
    ASSERT_EQ(Data().GameMode, ComputerWon);
    const Wave loss = myPlayer->waves.back();
    EXPECT_TRUE(loss.interrupt);
    EXPECT_TRUE(loss.path.find("/Sound/Lose") != std::string::npos) << loss.path;
}

TEST_F(SoundsAndMusicTest, WithSoundsOffNothingPlaysNotEvenAtTheEndOfAGame)
{
    Start(ThreePieces(), 2, true, false);
    Place(9, 9);
    Frame().OnCommand(ID_NEW_GAME);
    Settle();
    EndAGame(true);
    EXPECT_EQ(Data().GameMode, PlayerWon);
    EXPECT_TRUE(myPlayer->waves.empty());
}

TEST_F(SoundsAndMusicTest, OneAfterAnotherRunsThroughTheFolderInOrderAndWraps)
{
    Start(ThreePieces(), 0);
    EXPECT_EQ(myPlayer->OpenPiece(), "a.mid");
    EXPECT_EQ(myPlayer->starts, 1);
    for (const char *next : {"b.mid", "c.mid", "a.mid", "b.mid"}) {
        FinishPiece();
        EXPECT_EQ(myPlayer->OpenPiece(), next);
        EXPECT_EQ(MusicName(), next);
        EXPECT_TRUE(myPlayer->playing);
    }
    // A new game changes nothing.
    Frame().OnCommand(ID_NEW_GAME);
    Settle();
    EXPECT_EQ(myPlayer->OpenPiece(), "b.mid");
}

TEST_F(SoundsAndMusicTest, OnePiecePerGameRepeatsWithinTheGameAndChangesAtEachNewGame)
{
    Start(ThreePieces(), 1);
    // The frame opened a.mid, then the first game moved on to b.mid.
    EXPECT_EQ(myPlayer->opened.size(), 2u);
    EXPECT_EQ(myPlayer->OpenPiece(), "b.mid");
    const int starts = myPlayer->starts;
    FinishPiece();
    EXPECT_EQ(myPlayer->OpenPiece(), "b.mid");
    EXPECT_EQ(myPlayer->starts, starts + 1);
    EXPECT_TRUE(myPlayer->playing);

    Frame().OnCommand(ID_NEW_GAME);
    Settle();
    EXPECT_EQ(myPlayer->OpenPiece(), "c.mid");
    Frame().OnCommand(ID_NEW_TOURNAMENT);
    Settle();
    EXPECT_EQ(myPlayer->OpenPiece(), "a.mid");
    EXPECT_EQ(MusicName(), "a.mid");
}

TEST_F(SoundsAndMusicTest, OnePieceForAllGamesKeepsItsPiece)
{
    Start(ThreePieces(), 2);
    EXPECT_EQ(myPlayer->OpenPiece(), "a.mid");
    FinishPiece();
    FinishPiece();
    Frame().OnCommand(ID_NEW_GAME);
    Settle();
    EXPECT_EQ(myPlayer->OpenPiece(), "a.mid");
    EXPECT_EQ(myPlayer->opened.size(), 1u);
    EXPECT_EQ(myPlayer->starts, 3);
}

TEST_F(SoundsAndMusicTest, WithMusicOffOnePiecePerGameStillMovesThePieceOn)
{
    Start(ThreePieces(), 1, false);
    EXPECT_EQ(MusicName(), "b.mid"); // the first game moved it on
    Frame().OnCommand(ID_NEW_GAME);
    Settle();
    EXPECT_EQ(MusicName(), "c.mid");
    EXPECT_TRUE(myPlayer->opened.empty());

    // Switched on later, the music starts with the piece the games reached.
    DivuzOptions options = myApp->GetOptions();
    options.IsMusicOn = true;
    myApp->SetOptions(options);
    Frame().UpdateMusic();
    EXPECT_EQ(myPlayer->OpenPiece(), "c.mid");
}

TEST_F(SoundsAndMusicTest, AnEmptyMusicFolderGivesNoNameAndSilence)
{
    Start({}, 0);
    EXPECT_EQ(MusicName(), "NoName");
    ASSERT_EQ(myPlayer->opened.size(), 1u);
    EXPECT_EQ(myPlayer->opened[0], myFolder.filePath("Music/NoName").toStdString());
    EXPECT_EQ(myPlayer->openDevice, 0);
    EXPECT_FALSE(myPlayer->FinishMusic());
}

TEST_F(SoundsAndMusicTest, SwitchingMusicOffClosesThePieceAtOnce)
{
    Start(ThreePieces(), 2);
    ASSERT_TRUE(myPlayer->playing);
    DivuzOptions options = myApp->GetOptions();
    options.IsMusicOn = false;
    myApp->SetOptions(options);
    Frame().UpdateMusic();
    EXPECT_FALSE(myPlayer->playing);
    EXPECT_EQ(myPlayer->openDevice, 0);
    EXPECT_EQ(myPlayer->closes, 1);
}

TEST_F(SoundsAndMusicTest, AStrangeMusicModeRaisesItsText)
{
    Start(ThreePieces(), 2);
    DivuzOptions options = myApp->GetOptions();
    options.MusicMode = 3;
    myApp->SetOptions(options);
    try {
        Frame().UpdateMusic();
        ADD_FAILURE();
    } catch (const xProgramme &e) {
        EXPECT_EQ(std::string(e.GetText()), "CMainFrame::UpdateMusic :Strange MusicMode");
    }
    options.MusicMode = 2;
    myApp->SetOptions(options);
}

// Each piece ends at its last note and a short ring, in every mode, so the
// next piece or the repeat starts within a second of the last note and not
// after the seconds of the synthesizer's tail. Frère Jacques' last note
// sounds at 76.55 s.
static_assert(LastNoteRing < std::chrono::seconds(1));

TEST_F(RealPiecesTest, OneAfterAnotherGoesOnToTheNextPieceAtTheLastNote)
{
    Start(0);
    ASSERT_EQ(myPlayer->OpenPiece(), "FrereJacques.mid");
    EXPECT_EQ(std::chrono::round<std::chrono::milliseconds>(*myPlayer->openLength).count(), 76552);
    PlayToTheEnd();
    EXPECT_EQ(myPlayer->OpenPiece(), "Greensleeves.mid");
}

TEST_F(RealPiecesTest, OnePiecePerGameRepeatsAtTheLastNote)
{
    Start(1);
    const std::string piece = myPlayer->OpenPiece();
    PlayToTheEnd();
    PlayToTheEnd();
    EXPECT_EQ(myPlayer->OpenPiece(), piece);
}

TEST_F(RealPiecesTest, OnePieceForAllGamesRepeatsAtTheLastNote)
{
    Start(2);
    ASSERT_EQ(myPlayer->OpenPiece(), "FrereJacques.mid");
    PlayToTheEnd();
    PlayToTheEnd();
    EXPECT_EQ(myPlayer->OpenPiece(), "FrereJacques.mid");
}
