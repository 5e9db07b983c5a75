// The music of the whole program, heard through a recording player: how it
// walks a folder of three pieces in each of the three modes, and how the
// game's own pieces end at their last note.

#include "MidiLength.h"
#include "SoundsAndMusicTestFixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace
{

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
        PumpPosted();
        EXPECT_EQ(myPlayer->starts, starts) << "ended before its last note had rung";
        EXPECT_TRUE(myPlayer->PlayFor(std::chrono::milliseconds(1)));
        PumpPosted();
        EXPECT_EQ(myPlayer->starts, starts + 1);
    }
};

} // namespace

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
