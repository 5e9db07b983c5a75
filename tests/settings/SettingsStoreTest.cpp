// The settings store: the options saved and read back, each stored value
// checked against its range, a failed write reported, and the order in
// which the music folder's pieces follow one another.

#include "SettingsStore.h"

#include "FileSizeLimit.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace
{

// A program folder of its own whose "Music" folder holds the given files.
class ProgramFolder
{
  public:
    explicit ProgramFolder(const std::vector<std::string> &musicFiles)
    {
        QDir(myDir.path()).mkdir("Music");
        for (const std::string &name : musicFiles)
            QFile(myDir.path() + "/Music/" + QString::fromStdString(name))
                .open(QIODevice::WriteOnly);
    }
    std::string Path() const { return myDir.path().toStdString(); }

  private:
    QTemporaryDir myDir;
};

// The checked fields by store key, booleans as 0 or 1.
const std::map<std::string, std::function<int(const DivuzOptions &)>> Field = {
    {"Level", [](const DivuzOptions &o) { return o.Level; }},
    {"CurSignSet", [](const DivuzOptions &o) { return o.CurSignSet; }},
    {"WhoBeginsMode", [](const DivuzOptions &o) { return o.WhoBeginsMode; }},
    {"MusicMode", [](const DivuzOptions &o) { return o.MusicMode; }},
    {"IsRenjuStyle", [](const DivuzOptions &o) { return int(o.IsRenjuStyle); }},
    {"IsMusicOn", [](const DivuzOptions &o) { return int(o.IsMusicOn); }},
    {"Zoom", [](const DivuzOptions &o) { return int(o.Zoom); }},
};

class SettingsStoreTest : public testing::Test
{
  protected:
    void SetUp() override { QSettings("Zidude", "Divuz").clear(); }
};

} // namespace

TEST_F(SettingsStoreTest, RoundTripKeepsStoredFieldsOnly)
{
    ProgramFolder folder({"a.mid", "b.mid", "c.mid"});
    DivuzOptions saved;
    saved.IsRenjuStyle = true;
    saved.CurSignSet = 1;
    saved.Level = 10;
    saved.WhoBeginsMode = 0;
    saved.IsMusicOn = saved.IsSoundOn = saved.IsViewInfo = false;
    saved.MusicMode = 2;
    saved.MusicName = "b.mid";
    saved.Zoom = 150;
    for (int i = 0; i < SoundCount; ++i)
        saved.SoundNames[i] = "Zvuk " + std::to_string(i) + ", čistý.wav";
    saved.IsTournament = true;
    saved.WndLayout = StandardWndLayout();
    SaveSettings(saved);

    DivuzOptions loaded;
    LoadSettings(loaded, folder.Path());
    for (const auto &[key, field] : Field)
        EXPECT_EQ(field(loaded), field(saved)) << key;
    EXPECT_FALSE(loaded.IsSoundOn || loaded.IsViewInfo);
    // A stored piece that is still in the folder stays the current one.
    EXPECT_EQ(loaded.MusicName, "b.mid");
    for (int i = 0; i < SoundCount; ++i)
        EXPECT_EQ(loaded.SoundNames[i], saved.SoundNames[i]) << i;
    EXPECT_FALSE(loaded.IsTournament);
    EXPECT_EQ(loaded.WndLayout.PoleWndLayout.Rect.right, 0);

    // Keys as named; booleans as numbers, not as "true".
    const QSettings raw("Zidude", "Divuz");
    EXPECT_EQ(raw.value("Options/IsRenjuStyle").toString(), "1");
    EXPECT_EQ(raw.value("Options/IsSoundOn").toString(), "0");
    EXPECT_EQ(raw.value("Options/SoundNames/Illegal move").toString().toStdString(),
              saved.SoundNames[1]);
}

// Each stored value alone; out of range or not a number falls back to the
// default, so no table is ever indexed with it.
TEST_F(SettingsStoreTest, StoredValuesAreCheckedAgainstTheirRanges)
{
    struct Case {
        const char *key;
        QVariant stored;
        int expected;
    };
    const Case cases[] = {
        {"Level", 0, 0},         {"Level", 10, 10},      {"Level", 11, 6},
        {"Level", -1, 6},        {"Level", "Expert", 6}, {"Level", "99999999999", 6},
        {"CurSignSet", 1, 1},    {"CurSignSet", 2, 0},   {"WhoBeginsMode", 0, 0},
        {"WhoBeginsMode", 3, 2}, {"MusicMode", 2, 2},    {"MusicMode", -1, 1},
        {"MusicMode", "1.5", 1}, {"IsRenjuStyle", 7, 1}, {"IsRenjuStyle", "yes", 0},
        {"IsMusicOn", 0, 0},     {"IsMusicOn", -1, 1},   {"IsMusicOn", "off", 1},
        {"Zoom", 150, 150},      {"Zoom", 200, 200},     {"Zoom", 120, 100},
        {"Zoom", 300, 100},      {"Zoom", "big", 100},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.stored.toString().toStdString());
        SetUp();
        QSettings("Zidude", "Divuz").setValue(QString("Options/") + c.key, c.stored);
        DivuzOptions o;
        LoadSettings(o, "/nonexistent");
        EXPECT_EQ(Field.at(c.key)(o), c.expected);
    }
}

TEST_F(SettingsStoreTest, MissingKeysKeepDefaultsAndAMissingPieceGivesWayToTheFirst)
{
    ProgramFolder folder({"b.mid", "a.mid"});
    QSettings store("Zidude", "Divuz");
    store.setValue("Options/Level", 2);
    store.setValue("Options/MusicName", "removed.mid");
    store.setValue("Options/SoundNames/Win 1", "Fanfare.wav");
    DivuzOptions options;
    LoadSettings(options, folder.Path());
    EXPECT_EQ(options.Level, 2);
    EXPECT_EQ(options.WhoBeginsMode, 2);
    EXPECT_EQ(options.SoundNames[9], "Fanfare.wav");
    EXPECT_EQ(options.SoundNames[10], "Win2.wav");
    EXPECT_EQ(options.MusicName, "a.mid");

    LoadSettings(options, "/nonexistent");
    EXPECT_EQ(options.MusicName, "NoName");

    // Without a folder named, the program's own, without a trailing separator.
    LoadSettings(options);
    EXPECT_EQ(options.ProgramFolder, QCoreApplication::applicationDirPath().toStdString());
    EXPECT_NE(options.ProgramFolder.back(), '/');
    EXPECT_EQ(BestGamesPath(options), options.ProgramFolder + "/Best.tab");
}

// A sound name is a file of the sound folder and nothing else: a name that
// climbs out of it, an absolute path or a name with a folder in it gives way
// to the event's own sound, and the store is mended at the next save.
TEST_F(SettingsStoreTest, SoundNamesThatAreNoPlainFileNamesAreRefused)
{
    const char *refused[] = {
        "../../../../dev/urandom", "/etc/passwd", "sub/Win1.wav", "..\\Win1.wav", "..", ".", ""};
    QSettings store("Zidude", "Divuz");
    for (int i = 0; i < int(std::size(refused)); ++i)
        store.setValue(QString("Options/SoundNames/") + SoundValueNames[i], refused[i]);
    store.setValue("Options/SoundNames/Win 3", "...Fanfare..wav");
    store.sync();

    DivuzOptions options;
    LoadSettings(options, "/nonexistent");
    for (int i = 0; i < int(std::size(refused)); ++i)
        EXPECT_EQ(options.SoundNames[i], DefaultSoundFiles[i]) << refused[i];
    EXPECT_EQ(options.SoundNames[11], "...Fanfare..wav") << "dots alone are no folder";

    ASSERT_TRUE(SaveSettings(options));
    EXPECT_EQ(QSettings("Zidude", "Divuz").value("Options/SoundNames/Make move").toString(),
              "MakeMove.wav");
}

// The store's file is replaced, never written in place: a write the disk
// refuses (here a file-size limit of nothing, which holds for root too)
// leaves the old file as it was and says so.
TEST_F(SettingsStoreTest, AFailedWriteLeavesTheOldStoreAndIsReported)
{
    DivuzOptions options;
    options.Level = 9;
    ASSERT_TRUE(SaveSettings(options));
    const QString path = QSettings("Zidude", "Divuz").fileName();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    options.Level = 3;
    bool written = true;
    {
        const FileSizeLimit full(0);
        ASSERT_TRUE(full.IsActive());
        written = SaveSettings(options);
    }

    EXPECT_FALSE(written);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

TEST(MusicOrderTest, PickNextMusicWalksTheFolderInNameOrder)
{
    // Created out of order, next to files and a folder that are no pieces.
    ProgramFolder folder({"c.mid", "a.mid", "notes.txt", "b.mid", "b.mid.bak"});
    QDir(QString::fromStdString(folder.Path() + "/Music")).mkdir("d.mid");

    DivuzOptions options;
    options.ProgramFolder = folder.Path();
    const char *const walk[][2] = {
        {"b.mid", "c.mid"}, {"c.mid", "a.mid"}, {"x.mid", "a.mid"}, {"a.mid", "b.mid"}};
    for (const auto &step : walk) {
        options.MusicName = step[0];
        PickNextMusic(options);
        EXPECT_EQ(options.MusicName, step[1]) << "after " << step[0];
    }

    ProgramFolder empty({});
    options.ProgramFolder = empty.Path();
    PickNextMusic(options);
    EXPECT_EQ(options.MusicName, "NoName");
    options.ProgramFolder = empty.Path() + "/absent";
    options.MusicName = "a.mid";
    PickNextMusic(options);
    EXPECT_EQ(options.MusicName, "NoName");

    // The comparison is exact: another case is another piece.
    EXPECT_EQ(NextMusicName({"a.mid", "b.mid"}, "B.mid"), "a.mid");
    EXPECT_EQ(NextMusicName({"only.mid"}, "only.mid"), "only.mid");
}
