#pragma once

// Dialog 130, "Nastavení": the playing strength, who begins, the board's
// look and sign set, sounds and music. It edits the application's options
// record itself, and only when the player confirms with "Budiž"; "Zrušit"
// leaves the record as it was. Every control carries its resource id as its
// object name ("1001", "1040", ...), so tests and tools find it by id.

#include "DivuzOptions.h"

#include <QCoreApplication>
#include <QDialog>

#include <array>
#include <functional>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

// Control ids of dialog 130.
enum OptionsDialogIds : int {
    IDD_OPTIONS = 130,
    IDC_LEVEL_FIRST = 1001, // 1001..1006: the instant move and the timed settings
    IDC_LEVEL_BEGINNER = 1007,
    IDC_LEVEL_CANDIDATE = 1008,
    IDC_LEVEL_DILETTANTE = 1009,
    IDC_LEVEL_EXPERT = 1010,
    IDC_LEVEL_MASTER = 1011,
    IDC_RENJU = 1012,
    IDC_WHO_PLAYER = 1013,
    IDC_WHO_ALTERNATE = 1015,
    IDC_WHO_COMPUTER = 1016,
    IDC_SIGNSET_0 = 1020,
    IDC_SIGNSET_1 = 1026,
    IDC_MUSIC_MODE_0 = 1029,
    IDC_MUSIC_MODE_1 = 1030,
    IDC_MUSIC_MODE_2 = 1031,
    IDC_SOUND_ON = 1032,
    IDC_SOUND_EVENTS = 1038,
    IDC_SOUND_FILES = 1039,
    IDC_MUSIC_LIST = 1040,
    IDC_MUSIC_ON = 1043,
    IDC_SOUND_PLAY = 1047,
    IDC_SOUND_STOP = 1048,
    IDOK_BUDIZ = 1,
    IDCANCEL_ZRUSIT = 2,
    IDHELP_NAPOVEDA = 3,
};

// The help context of the dialog's help button: 0x10000 plus the button's id.
inline constexpr int OptionsHelpContext = 0x10000 + IDHELP_NAPOVEDA;

// The control id of each strength setting 0..10: the six timed ones in
// order, then the five named levels, whose ids do not follow their order.
inline constexpr std::array<int, LevelCount> LevelButtonIds = {1001,
                                                               1002,
                                                               1003,
                                                               1004,
                                                               1005,
                                                               1006,
                                                               IDC_LEVEL_BEGINNER,
                                                               IDC_LEVEL_DILETTANTE,
                                                               IDC_LEVEL_CANDIDATE,
                                                               IDC_LEVEL_MASTER,
                                                               IDC_LEVEL_EXPERT};

class OptionsDialog : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(OptionsDialog)

  public:
    // Works on options, the application's own record; takes the exchange
    // values and a copy of the sound names from it now.
    explicit OptionsDialog(DivuzOptions &options, QWidget *parent = nullptr);
    ~OptionsDialog() override;

    // The control with the given id, nullptr for an unknown id.
    QWidget *Control(int id) const;

  protected:
    // Fills the lists from the folders before the dialog shows.
    void showEvent(QShowEvent *event) override;

  private:
    void BuildControls();
    void FillLists();
    void OnEventSelected(int index);
    void OnSoundFileSelected(int index);
    void OnPlay();
    void OnStop();
    void OnHelp();
    // "Budiž": the exchange values from the controls into the record.
    void OnOK();

    DivuzOptions &myOptions;
    AbstractArray<std::string> mySoundNames;
    // The exchange values.
    int myLevel;
    int myWhoBegins;
    bool myIsRenju;
    int mySignSet;
    bool myIsMusicOn;
    bool myIsSoundOn;
    int myMusicMode;

    QButtonGroup *myLevelGroup = nullptr;
    QButtonGroup *myWhoGroup = nullptr;
    QButtonGroup *mySignSetGroup = nullptr;
    QButtonGroup *myMusicModeGroup = nullptr;
    QCheckBox *myRenju = nullptr;
    QCheckBox *mySoundOn = nullptr;
    QCheckBox *myMusicOn = nullptr;
    QComboBox *myMusicList = nullptr;
    QComboBox *myEventList = nullptr;
    QComboBox *mySoundFiles = nullptr;
    QPushButton *myPlay = nullptr;
    QPushButton *myStop = nullptr;
    bool myFilled = false;
};
