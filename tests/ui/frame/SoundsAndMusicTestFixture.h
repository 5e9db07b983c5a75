#pragma once

// The fixture of the tests of the whole program's sounds and music: the
// program with the music files, sound and music it is given, heard through
// a recording player.

#include "ProgramTest.h"

#include <QString>

#include <string>
#include <vector>

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
        PumpPosted();
    }
};

inline std::vector<QString> ThreePieces()
{
    return {"a.mid", "b.mid", "c.mid"};
}
