// The best-games file: saved whole and read back, damaged files kept aside,
// where the table lives, and two copies of the program merging their wins.

#include "BestGamesStore.h"

#include "BestGamesLocation.h"
#include "BestGamesTestGames.h"
#include "DamagedTable.h"
#include "FileSizeLimit.h"
#include "RecordsArchive.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sstream>
#include <string>

namespace
{

std::string Bytes(const DataDivuzDoc &d)
{
    std::ostringstream out;
    ArchiveWriter ar(out);
    d.Serialize(ar);
    return out.str();
}

QByteArray ReadAll(const std::string &path)
{
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteAll(const std::string &path, const std::string &bytes)
{
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

} // namespace

class BestGamesFileTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(myFolder.isValid());
        myOptions.ProgramFolder = myFolder.path().toStdString();
        myPath = myOptions.ProgramFolder + "/Best.tab";
        // Every user-folder path must lie in the test's temporary data home.
        ASSERT_TRUE(QString::fromStdString(UserBestGamesPath())
                        .startsWith(qEnvironmentVariable("XDG_DATA_HOME")));
    }
    void TearDown() override { QFile::remove(QString::fromStdString(UserBestGamesPath())); }

    // A table with a stored game in several groups and a name per entry.
    static BestGames Filled(const std::string &prefix)
    {
        BestGames t;
        for (int i = 0; i < 50; ++i)
            t[i].PlayerName = prefix + std::to_string(i);
        t.SetGame(Win(41, 300, prefix + "-win"), 2, 0, 0);
        t.SetGame(Win(7, 20, "J\xC3\xB8rn"), 4, 1, 3);
        return t;
    }

    QTemporaryDir myFolder;
    DivuzOptions myOptions;
    std::string myPath;
};

// A missing file or a folder is refused and an empty file read, all leaving
// the table as it was; Save writes the fifty records and Load reads them back.
TEST_F(BestGamesFileTest, SaveWritesTheFiftyRecordsAndLoadReadsThemBack)
{
    BestGames back = Filled("Old");
    BestGamesProblem problem;
    EXPECT_FALSE(back.Load(myPath, &problem));
    EXPECT_NE(problem.Text.find("Best.tab"), std::string::npos);
    EXPECT_FALSE(back.Load(myOptions.ProgramFolder, &problem)) << "a folder is no table";
    WriteAll(myPath, "");
    EXPECT_TRUE(back.Load(myPath));
    EXPECT_EQ(back[49].PlayerName, "Old49");

    const BestGames t = Filled("E");
    ASSERT_TRUE(t.Save(myPath));
    std::string expected;
    for (int i = 0; i < 50; ++i)
        expected += Bytes(t[i]);
    EXPECT_EQ(ReadAll(myPath), QByteArray::fromStdString(expected));
    EXPECT_TRUE(back.Load(myPath));
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(Bytes(back[i]), Bytes(t[i])) << "entry " << i;
}

TEST_F(BestGamesFileTest, LoadStopsAtTheFirstDamagedRecord)
{
    const BestGames stored = Filled("E");
    std::string bytes;
    for (int i = 0; i < 7; ++i)
        bytes += Bytes(stored[i]);
    const std::string seventh = Bytes(stored[7]);

    // Cut in the middle of entry 7.
    WriteAll(myPath, bytes + seventh.substr(0, seventh.size() / 2));
    BestGames t = Filled("Old");
    BestGamesProblem problem;
    EXPECT_FALSE(t.Load(myPath, &problem));
    EXPECT_FALSE(problem.IsBadVersion);
    EXPECT_EQ(t[6].PlayerName, "E6");
    EXPECT_EQ(t[7].PlayerName, "Old7");

    // Entry 7 of another version: what follows it is never read.
    std::string version2 = seventh;
    version2[0] = 2;
    WriteAll(myPath, bytes + version2 + Bytes(stored[8]) + Bytes(stored[9]));
    t = BestGames();
    EXPECT_FALSE(t.Load(myPath, &problem));
    EXPECT_TRUE(problem.IsBadVersion);
    EXPECT_NE(problem.Text.find(InvalidFileFormatText), std::string::npos);
    EXPECT_EQ(t[6].PlayerName, "E6");
    EXPECT_EQ(t[7].PlayerName, "Anonymous");
    EXPECT_EQ(t[8].PlayerName, "Anonymous");
}

TEST_F(BestGamesFileTest, FailingSaveNeverDamagesThePreviousTable)
{
    ASSERT_TRUE(Filled("Old").Save(myPath));
    const QByteArray before = ReadAll(myPath);

    BestGamesProblem problem;
    EXPECT_FALSE(Filled("New").Save(myOptions.ProgramFolder + "/missing/Best.tab", &problem));
    EXPECT_FALSE(problem.Text.empty());

    // A table far larger than the old file, written under a file-size limit
    // that lets it fail half-way (the limit holds for root too).
    BestGames big;
    for (int i = 0; i < 50; ++i)
        big[i] = Win(360, i, "Big");
    bool saved1 = true;
    {
        const FileSizeLimit small(static_cast<rlim_t>(before.size()) + 4096);
        ASSERT_TRUE(small.IsActive());
        saved1 = big.Save(myPath, &problem);
    }

    EXPECT_FALSE(saved1);
    EXPECT_EQ(ReadAll(myPath), before);
    EXPECT_EQ(QDir(myFolder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Best.tab"})
        << "no temporary file is left behind";
}

// The table lives in the program folder while it can be written there, else
// in the user's folder; once a per-user copy exists it wins for reading and
// writing alike.
TEST_F(BestGamesFileTest, TableGoesToTheUserFolderOnlyWhenTheProgramFolderIsUnwritable)
{
    EXPECT_EQ(BestGamesWritePath(myOptions), myPath);
    BestGamesStore here;
    here.Load(myOptions);
    here.AddGame(Win(20, 5, "Here"), AtLevel(6));
    ASSERT_TRUE(here.Save(myOptions));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(UserBestGamesPath())));
    BestGames t;
    EXPECT_TRUE(LoadBestGames(t, myOptions).IsComplete);
    EXPECT_EQ(Names(t, 0, 0), "Here Anonymous Anonymous Anonymous Anonymous");

    // A program folder that does not exist cannot be written, whoever runs.
    DivuzOptions elsewhere = myOptions;
    elsewhere.ProgramFolder = myOptions.ProgramFolder + "/gone";
    EXPECT_EQ(BestGamesWritePath(elsewhere), UserBestGamesPath());
    BestGamesStore user;
    user.AddGame(Win(20, 5, "User"), AtLevel(6));
    ASSERT_TRUE(user.Save(elsewhere));
    EXPECT_EQ(BestGamesReadPath(elsewhere), UserBestGamesPath());

    EXPECT_EQ(BestGamesReadPath(myOptions), UserBestGamesPath());
    EXPECT_EQ(BestGamesWritePath(myOptions), UserBestGamesPath());
    EXPECT_TRUE(LoadBestGames(t, myOptions).IsComplete);
    EXPECT_EQ(Names(t, 0, 0), "User Anonymous Anonymous Anonymous Anonymous");
}

// An installed program (its folder the bin folder beside share/divuz) keeps
// its table per user even where it could write into its installation, as
// root can; the same folder without share/divuz beside it is a build tree.
TEST_F(BestGamesFileTest, AnInstalledProgramNeverWritesIntoItsInstallation)
{
    const QString bin = myFolder.filePath("usr/bin");
    ASSERT_TRUE(QDir().mkpath(bin));
    DivuzOptions installed = myOptions;
    installed.ProgramFolder = bin.toStdString();
    EXPECT_EQ(BestGamesWritePath(installed), installed.ProgramFolder + "/Best.tab");

    ASSERT_TRUE(QDir().mkpath(myFolder.filePath("usr/share/divuz")));
    EXPECT_EQ(BestGamesWritePath(installed), UserBestGamesPath());
    BestGamesStore store;
    store.Load(installed);
    store.AddGame(Win(20, 5, "Root"), AtLevel(6));
    ASSERT_TRUE(store.Save(installed));
    EXPECT_EQ(QDir(bin).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{});
    BestGames t;
    ASSERT_TRUE(t.Load(UserBestGamesPath()));
    EXPECT_EQ(t.GetGame(0, 0, 0).PlayerName, "Root");
}

// Two copies of the program, each with the table it read at start: every
// save ranks this copy's new wins into the file as it is now, so neither
// copy's exit wipes the other's wins, and each sees the other's after it
// saved.
TEST_F(BestGamesFileTest, TwoCopiesEnteringWinsInTurnKeepEveryWin)
{
    const DivuzOptions beginner = AtLevel(6);
    DivuzOptions options = myOptions;
    options.Level = beginner.Level;
    BestGames stored;
    for (const char *name : {"S20", "S30", "S40"})
        stored.AddGame(Win(std::stoi(name + 1), 10, name), beginner);
    ASSERT_TRUE(stored.Save(myPath));

    BestGamesStore first, second;
    first.Load(options);
    second.Load(options);
    first.AddGame(Win(25, 10, "First"), beginner);
    ASSERT_TRUE(first.Save(options)); // the win saved as soon as it was entered
    second.AddGame(Win(22, 10, "Dvojnik"), beginner);
    second.AddGame(Win(50, 10, "Late"), beginner);
    ASSERT_TRUE(second.Save(options));
    EXPECT_EQ(Names(second.Table(), 0, 0), "S20 Dvojnik First S30 S40") << "Late drops out";

    // The first copy's exit keeps the second copy's win, and a save with
    // nothing new writes the file back as it is.
    const QByteArray both = ReadAll(myPath);
    ASSERT_TRUE(first.Save(options));
    EXPECT_EQ(ReadAll(myPath), both);
    EXPECT_EQ(Names(first.Table(), 0, 0), "S20 Dvojnik First S30 S40");

    // A game the file holds already is not filed twice.
    BestGamesStore third;
    third.Load(options);
    third.AddGame(Win(21, 10, "Twice"), beginner);
    BestGames copied = third.Table();
    ASSERT_TRUE(copied.Save(myPath));
    ASSERT_TRUE(third.Save(options));
    EXPECT_EQ(Names(third.Table(), 0, 0), "S20 Twice Dvojnik First S30");
}

// A file damaged after this copy read it is kept aside before this copy's
// table takes its place. A folder in the way is no table: writing over it
// fails and the table goes to the per-user copy, the folder left alone.
TEST_F(BestGamesFileTest, ASaveOverADamagedFileKeepsItAside)
{
    BestGamesStore store;
    store.Load(myOptions);
    store.AddGame(Win(20, 5, "Mine"), AtLevel(6));
    WriteAll(myPath, "damaged by hand");
    ASSERT_TRUE(store.Save(myOptions));
    EXPECT_EQ(ReadAll(myPath + ".damaged"), QByteArray("damaged by hand"));
    BestGames t;
    ASSERT_TRUE(t.Load(myPath));
    EXPECT_EQ(t.GetGame(0, 0, 0).PlayerName, "Mine");

    QFile::remove(QString::fromStdString(myPath));
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(myPath)));
    BestGamesProblem problem;
    EXPECT_FALSE(BestGames().Save(myPath, &problem));
    EXPECT_FALSE(problem.Text.empty());
    store.AddGame(Win(19, 5, "Later"), AtLevel(6));
    ASSERT_TRUE(store.Save(myOptions));
    EXPECT_TRUE(QFileInfo(QString::fromStdString(myPath)).isDir());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(myPath + ".damaged.2")));
    ASSERT_TRUE(t.Load(UserBestGamesPath()));
    EXPECT_EQ(Names(t, 0, 0), "Later Mine Anonymous Anonymous Anonymous");
}

// A table that was not read completely is kept byte for byte under a name of
// its own before the save at exit writes the partial table; the next damaged
// file gets the next free number. A complete table is saved as before.
TEST_F(BestGamesFileTest, DamagedTableSurvivesAStartAndExitUnderItsOwnName)
{
    const BestGames stored = Filled("E");
    std::string damaged;
    std::size_t firstFive = 0;
    for (int i = 0; i < 50; ++i) {
        damaged += Bytes(stored[i]);
        if (i == 4)
            firstFive = damaged.size();
    }
    damaged[firstFive] = 2; // entry 5 of another version
    WriteAll(myPath, damaged);

    BestGamesStore t; // start ...
    const BestGamesLoad load = t.Load(myOptions);
    EXPECT_FALSE(load.IsComplete);
    EXPECT_TRUE(load.Problem.IsBadVersion);
    EXPECT_EQ(load.KeptPath, myPath + ".damaged");
    const QString notice = DamagedTableNotice(load.Path, load.KeptPath);
    EXPECT_TRUE(notice.contains(QString::fromStdString(load.KeptPath))) << notice.toStdString();
    ASSERT_TRUE(t.Save(myOptions)); // ... and exit, the same damage not kept twice
    EXPECT_EQ(ReadAll(load.KeptPath), QByteArray::fromStdString(damaged));
    std::string partial = damaged.substr(0, firstFive);
    for (int i = 5; i < 50; ++i)
        partial += Bytes(DataDivuzDoc());
    EXPECT_EQ(ReadAll(myPath), QByteArray::fromStdString(partial)) << "the part that was read";

    // The next damaged table (here one cut short) does not replace the first.
    WriteAll(myPath, damaged.substr(0, 100));
    EXPECT_EQ(t.Load(myOptions).KeptPath, myPath + ".damaged.2");
    EXPECT_EQ(ReadAll(myPath + ".damaged.2"), QByteArray::fromStdString(damaged.substr(0, 100)));
    EXPECT_EQ(ReadAll(load.KeptPath), QByteArray::fromStdString(damaged));

    // A complete table keeps nothing aside and is written back unchanged.
    ASSERT_TRUE(Filled("Whole").Save(myPath));
    const QByteArray whole = ReadAll(myPath);
    const BestGamesLoad complete = t.Load(myOptions);
    EXPECT_TRUE(complete.IsComplete);
    EXPECT_TRUE(complete.KeptPath.empty());
    ASSERT_TRUE(t.Save(myOptions));
    EXPECT_EQ(ReadAll(myPath), whole);
    EXPECT_EQ(QDir(myFolder.path()).entryList(QDir::Files),
              (QStringList{"Best.tab", "Best.tab.damaged", "Best.tab.damaged.2"}));
}
