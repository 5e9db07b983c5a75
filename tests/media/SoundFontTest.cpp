// The sound font the music is played with: found only where there is one,
// the system's default before the first by name.

#include "SoundFont.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

TEST(SoundFontTest, FindsAFontOnlyWhereOneIs)
{
    QTemporaryDir dir;
    EXPECT_EQ(FindSoundFont({dir.path().toStdString()}), "");
    std::ofstream(dir.filePath("b.sf2").toStdString()) << "x";
    std::ofstream(dir.filePath("a.sf3").toStdString()) << "x";
    std::ofstream(dir.filePath("notes.txt").toStdString()) << "x";
    EXPECT_EQ(FindSoundFont({dir.path().toStdString()}), dir.filePath("a.sf3").toStdString());
    std::ofstream(dir.filePath("default-GM.sf2").toStdString()) << "x";
    EXPECT_EQ(FindSoundFont({dir.path().toStdString()}),
              dir.filePath("default-GM.sf2").toStdString());
}
