// Dialog 130 on an options record of its own: its controls, ids, groups and
// texts, the lists filled from the folders, the exchange of values on
// "Budiž", and that "Zrušit" changes nothing whatever was clicked.

#include "OptionsDialog.h"
#include "StandInApplication.h"

#include "Levels.h"
#include "RecordingMediaPlayer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{

class OptionsDialogTest : public testing::Test
{
  protected:
    OptionsDialogTest()
    {
        QDir(myFolder.path()).mkdir("Music");
        QDir(myFolder.path()).mkdir("Sound");
        for (const char *name : {"Korobeiniki.mid", "alpha.mid", "Greensleeves.mid"})
            Touch(QString("Music/") + name);
        for (const char *name : {"MakeMove.wav", "BadMove.wav", "Win1.wav", "Zvon.wav"})
            Touch(QString("Sound/") + name);
        myOptions.ProgramFolder = myFolder.path().toStdString();
        myOptions.MusicName = "Korobeiniki.mid";
    }
    void Touch(const QString &name) { QFile(myFolder.filePath(name)).open(QIODevice::WriteOnly); }

    template <class W = QWidget> W *Get(OptionsDialog &d, int id)
    {
        auto *w = qobject_cast<W *>(d.Control(id));
        EXPECT_NE(w, nullptr) << id;
        return w;
    }
    // Near the left edge, where the indicator of a radio button or check
    // box is, whatever room the layout gives the button.
    void Click(OptionsDialog &d, int id)
    {
        QWidget *w = Get(d, id);
        QTest::mouseClick(w, Qt::LeftButton, {},
                          QPoint(std::min(8, w->width() / 2), w->height() / 2));
    }
    static QStringList Items(const QComboBox *list)
    {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        return items;
    }

    QTemporaryDir myFolder;
    DivuzOptions myOptions;
    RecordingMediaPlayer myPlayer;
};

} // namespace

TEST_F(OptionsDialogTest, EveryControlCarriesItsIdTextAndGroup)
{
    OptionsDialog d(myOptions);
    d.show();
    EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Nastavení"));
    EXPECT_EQ(d.objectName(), "130");
    // The eleven strength buttons take their names from the engine's table.
    for (int level = 0; level < LevelCount; ++level)
        EXPECT_EQ(Get<QRadioButton>(d, LevelButtonIds[level])->text(),
                  QString::fromUtf8(StrengthSettings[level].name));
    EXPECT_EQ(Get<QRadioButton>(d, 1002)->text(), "2  sec/tah");
    EXPECT_EQ(Get<QRadioButton>(d, 1009)->text(), QString::fromUtf8("Amatér"));
    EXPECT_EQ(Get<QRadioButton>(d, 1011)->text(), QString::fromUtf8("Mistr"));
    const std::pair<int, const char *> texts[] = {{1013, "Hráč"},
                                                  {1016, "Počítač"},
                                                  {1015, "Střídavě"},
                                                  {1029, "Za sebou"},
                                                  {1030, "Jedna pro jednu hru"},
                                                  {1031, "Jedna pro všechny hry "},
                                                  {1012, "Renju board"},
                                                  {1032, "Zapnout zvuk"},
                                                  {1043, "Zapnout hudbu"},
                                                  {1, "Budiž"},
                                                  {2, "Zrušit"},
                                                  {3, "Nápověda"},
                                                  {1047, "Play"},
                                                  {1048, "Stop"}};
    for (auto [id, text] : texts)
        EXPECT_EQ(Get<QAbstractButton>(d, id)->text(), QString::fromUtf8(text)) << id;
    // The named levels sit in "Obtížnost", the timed ones in an untitled box.
    EXPECT_EQ(qobject_cast<QGroupBox *>(d.Control(1009)->parentWidget())->title(),
              QString::fromUtf8("Obtížnost"));
    EXPECT_EQ(qobject_cast<QGroupBox *>(d.Control(1001)->parentWidget())->title(), "");
    for (int id : {1013, 1016, 1015})
        EXPECT_EQ(qobject_cast<QGroupBox *>(d.Control(id)->parentWidget())->title(),
                  QString::fromUtf8("Kdo začíná"));
    for (int id : {1020, 1026, 1012})
        EXPECT_EQ(qobject_cast<QGroupBox *>(d.Control(id)->parentWidget())->title(), "Vzhled");
    for (int id : {1032, 1043, 1029, 1040})
        EXPECT_EQ(qobject_cast<QGroupBox *>(d.Control(id)->parentWidget())->title(), "Hudba");
    // The sound test is built but hidden and disabled.
    for (int id : {1038, 1039, 1047, 1048}) {
        EXPECT_FALSE(d.Control(id)->isVisible()) << id;
        EXPECT_FALSE(d.Control(id)->isEnabled()) << id;
    }
    // The defaults show: Začátečník, alternately, music and sound on, one
    // piece per game.
    EXPECT_TRUE(Get<QRadioButton>(d, 1007)->isChecked());
    EXPECT_TRUE(Get<QRadioButton>(d, 1015)->isChecked());
    EXPECT_TRUE(Get<QRadioButton>(d, 1020)->isChecked());
    EXPECT_TRUE(Get<QRadioButton>(d, 1030)->isChecked());
    EXPECT_TRUE(Get<QCheckBox>(d, 1043)->isChecked());
    EXPECT_FALSE(Get<QCheckBox>(d, 1012)->isChecked());
}

TEST_F(OptionsDialogTest, TheStrengthButtonsAreOneRadioGroupInTheirTabOrder)
{
    OptionsDialog d(myOptions);
    d.show();
    Click(d, 1001);
    Click(d, 1010);
    int checked = 0;
    for (int id : LevelButtonIds)
        checked += Get<QRadioButton>(d, id)->isChecked();
    EXPECT_EQ(checked, 1);
    // Tab order 1001..1006, then 1007, 1009, 1008, 1011, 1010.
    int previous = -1;
    for (int id : LevelButtonIds) {
        QWidget *button = d.Control(id);
        int position = 0;
        for (QWidget *x = d.Control(1001); x != button; x = x->nextInFocusChain())
            ++position;
        EXPECT_GT(position, previous) << id;
        previous = position;
    }
}

// Tab walks the dialog with one stop per radio group, its checked button,
// so Space there changes nothing; the arrows move the choice.
TEST_F(OptionsDialogTest, TabLandsOnTheCheckedButtonOfEachRadioGroup)
{
    myOptions.Level = 7;     // "Amatér"
    myOptions.MusicMode = 2; // "Jedna pro všechny hry"
    OptionsDialog d(myOptions);
    d.show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    std::vector<QRadioButton *> radios;
    for (int step = 0; step < 40; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (auto *radio = qobject_cast<QRadioButton *>(QApplication::focusWidget()))
            radios.push_back(radio);
    }
    ASSERT_FALSE(radios.empty());
    for (QRadioButton *radio : radios)
        EXPECT_TRUE(radio->isChecked())
            << radio->objectName().toStdString() << " " << radio->text().toStdString();
    const auto reached = [&](int id) {
        return std::find(radios.begin(), radios.end(), d.Control(id)) != radios.end();
    };
    EXPECT_TRUE(reached(LevelButtonIds[7]));
    EXPECT_TRUE(reached(IDC_MUSIC_MODE_2));

    // Space on it keeps the setting; Down moves to the next button.
    d.Control(IDC_MUSIC_MODE_2)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(d.Control(IDC_MUSIC_MODE_2), Qt::Key_Space);
    EXPECT_TRUE(Get<QRadioButton>(d, IDC_MUSIC_MODE_2)->isChecked());
    QTest::keyClick(d.Control(IDC_MUSIC_MODE_2), Qt::Key_Up);
    EXPECT_TRUE(Get<QRadioButton>(d, IDC_MUSIC_MODE_1)->isChecked());
}

TEST_F(OptionsDialogTest, EachStrengthButtonStoresItsLevelAmaterSeven)
{
    for (int level = 0; level < LevelCount; ++level) {
        DivuzOptions options = myOptions;
        OptionsDialog d(options);
        d.show();
        Click(d, LevelButtonIds[level]);
        Click(d, 1);
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_EQ(options.Level, level) << LevelButtonIds[level];
    }
    DivuzOptions options = myOptions;
    OptionsDialog d(options);
    d.show();
    Click(d, 1009); // "Amatér"
    Click(d, 1);
    EXPECT_EQ(options.Level, 7);
}

TEST_F(OptionsDialogTest, BudizTakesEveryValueFromTheControls)
{
    OptionsDialog d(myOptions);
    d.show();
    for (int id : {1011, 1016, 1026, 1012, 1032, 1043, 1029})
        Click(d, id);
    auto *music = Get<QComboBox>(d, 1040);
    music->setCurrentIndex(music->findText("alpha.mid"));
    Click(d, 1);
    EXPECT_EQ(myOptions.Level, 9);
    EXPECT_EQ(myOptions.WhoBeginsMode, 1);
    EXPECT_EQ(myOptions.CurSignSet, 1);
    EXPECT_TRUE(myOptions.IsRenjuStyle);
    EXPECT_FALSE(myOptions.IsSoundOn);
    EXPECT_FALSE(myOptions.IsMusicOn);
    EXPECT_EQ(myOptions.MusicMode, 0);
    EXPECT_EQ(myOptions.MusicName, "alpha.mid");
}

TEST_F(OptionsDialogTest, ZrusitChangesNothingWhateverWasClicked)
{
    const DivuzOptions before = myOptions;
    OptionsDialog d(myOptions);
    d.show();
    for (int id : {1004, 1013, 1026, 1012, 1032, 1043, 1031})
        Click(d, id);
    Get<QComboBox>(d, 1040)->setCurrentIndex(0);
    Click(d, 2);
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(myOptions.Level, before.Level);
    EXPECT_EQ(myOptions.WhoBeginsMode, before.WhoBeginsMode);
    EXPECT_EQ(myOptions.CurSignSet, before.CurSignSet);
    EXPECT_EQ(myOptions.IsRenjuStyle, before.IsRenjuStyle);
    EXPECT_EQ(myOptions.IsSoundOn, before.IsSoundOn);
    EXPECT_EQ(myOptions.IsMusicOn, before.IsMusicOn);
    EXPECT_EQ(myOptions.MusicMode, before.MusicMode);
    EXPECT_EQ(myOptions.MusicName, before.MusicName);
}

TEST_F(OptionsDialogTest, TheListsAreFilledSortedAndSelectedByPrefixIgnoringCase)
{
    myOptions.MusicName = "GREEN"; // a prefix of Greensleeves.mid, in other case
    OptionsDialog d(myOptions);
    d.show();
    auto *music = Get<QComboBox>(d, 1040);
    EXPECT_EQ(Items(music), (QStringList{"alpha.mid", "Greensleeves.mid", "Korobeiniki.mid"}));
    EXPECT_EQ(music->currentText(), "Greensleeves.mid");
    auto *events = Get<QComboBox>(d, 1038);
    EXPECT_EQ(events->count(), 14);
    EXPECT_EQ(events->itemText(0), "Make move");
    EXPECT_EQ(events->itemText(13), "Win 5");
    EXPECT_EQ(events->currentIndex(), 0);
    auto *waves = Get<QComboBox>(d, 1039);
    EXPECT_EQ(Items(waves), (QStringList{"BadMove.wav", "MakeMove.wav", "Win1.wav", "Zvon.wav"}));
    EXPECT_EQ(waves->currentText(), "MakeMove.wav");
    // Selecting an event shows its file; choosing a file assigns it.
    events->setCurrentIndex(1);
    EXPECT_EQ(waves->currentText(), "BadMove.wav");
    events->setCurrentIndex(9);
    EXPECT_EQ(waves->currentText(), "Win1.wav");
    waves->setCurrentIndex(3);
    emit waves->activated(3);
    Click(d, 1);
    EXPECT_EQ(myOptions.SoundNames[9], "Zvon.wav");
    EXPECT_EQ(myOptions.SoundNames[1], "BadMove.wav");
}

TEST_F(OptionsDialogTest, AMusicNameThatMatchesNothingSelectsNothingAndIsKept)
{
    myOptions.MusicName = "NoName";
    OptionsDialog d(myOptions);
    d.show();
    EXPECT_EQ(Get<QComboBox>(d, 1040)->currentIndex(), -1);
    Click(d, 1);
    EXPECT_EQ(myOptions.MusicName, "NoName");
}

TEST_F(OptionsDialogTest, AnEmptyMusicFolderLeavesTheListEmptyAndKeepsMusicName)
{
    QDir(myFolder.filePath("Music")).removeRecursively();
    OptionsDialog d(myOptions);
    d.show();
    EXPECT_EQ(Get<QComboBox>(d, 1040)->count(), 0);
    Click(d, 1);
    EXPECT_EQ(myOptions.MusicName, "Korobeiniki.mid");
}

TEST_F(OptionsDialogTest, PlayStopAndHelpDoTheirJobs)
{
    StandInApplication app;
    OptionsDialog d(myOptions);
    d.show();
    Click(d, 3);
    EXPECT_EQ(app.helpContexts, std::vector<int>{65539});
    // The hidden sound test, once enabled, plays the chosen file, interrupting.
    for (int id : {1047, 1048})
        d.Control(id)->setEnabled(true), d.Control(id)->show();
    Click(d, 1047);
    ASSERT_EQ(myPlayer.waves.size(), 1u);
    EXPECT_EQ(myPlayer.waves[0].path, myOptions.ProgramFolder + "/Sound/MakeMove.wav");
    EXPECT_TRUE(myPlayer.waves[0].interrupt);
    Click(d, 1048);
    EXPECT_EQ(myPlayer.waveStops, 1);
}
