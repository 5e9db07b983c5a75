#include "DataFolders.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(DataFolders, BesideTheProgramFirstThenTheInstalledDataFolder)
{
    QTemporaryDir root;
    const std::string bin = root.filePath("usr/bin").toStdString();
    const std::string data = root.filePath("usr/share/divuz").toStdString();
    QDir().mkpath(root.filePath("usr/bin"));

    // Nothing anywhere: looked for beside the program.
    EXPECT_EQ(FindDataFolder(bin, "Music"), bin);

    QDir().mkpath(root.filePath("usr/share/divuz/Music"));
    EXPECT_EQ(FindDataFolder(bin, "Music"), data);
    EXPECT_EQ(FindDataFolder(bin, "Sound"), bin) << "each folder is looked for on its own";

    QDir().mkpath(root.filePath("usr/bin/Music"));
    EXPECT_EQ(FindDataFolder(bin, "Music"), bin) << "the build tree's copy wins";

    const std::vector<std::string> candidates = DataFolderCandidates(bin);
    ASSERT_GE(candidates.size(), 2u);
    EXPECT_EQ(candidates[0], bin);
    EXPECT_EQ(candidates[1], data);
}
