// The game's sounds, heard through a recording player: which wave each
// event code and game result picks and how it plays, and the waves the
// whole program plays as a game goes on.

#include "ViewSounds.h"

#include "SoundsAndMusicTestFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

using Wave = RecordingMediaPlayer::Wave;

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
