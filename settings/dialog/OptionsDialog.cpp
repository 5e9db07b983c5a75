#include "OptionsDialog.h"

#include "DivuzApplication.h"
#include "Errors.h"
#include "Levels.h"
#include "MediaPlayer.h"
#include "Pictures.h"
#include "RadioTabStop.h"
#include "SettingsStore.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <new>
#include <string_view>

namespace
{

// The strength settings' names for the translation tools, which cannot read
// the engine's table; they must stay the same as there.
constexpr const char *LevelNames[] = {
    QT_TRANSLATE_NOOP("Levels", "Okamžetě"),   QT_TRANSLATE_NOOP("Levels", "2  sec/tah"),
    QT_TRANSLATE_NOOP("Levels", "5  sec/tah"), QT_TRANSLATE_NOOP("Levels", "10 sec/tah"),
    QT_TRANSLATE_NOOP("Levels", "30 sec/tah"), QT_TRANSLATE_NOOP("Levels", "60 sec/tah"),
    QT_TRANSLATE_NOOP("Levels", "Začátečník"), QT_TRANSLATE_NOOP("Levels", "Amatér"),
    QT_TRANSLATE_NOOP("Levels", "Pokročilý"),  QT_TRANSLATE_NOOP("Levels", "Mistr"),
    QT_TRANSLATE_NOOP("Levels", "Expert")};
static_assert(std::size(LevelNames) == SettingCount);
static_assert(
    [] {
        for (int i = 0; i < SettingCount; ++i)
            if (std::string_view(LevelNames[i]) != StrengthSettings[i].name)
                return false;
        return true;
    }(),
    "every strength setting keeps its name for translation");

template <class W> W *Named(W *widget, int id)
{
    widget->setObjectName(QString::number(id));
    return widget;
}

// The picture beside a sign-set button: the first sign of the set and the
// second, side by side (the dialog's pictures 151 and 156 for the X and O
// set, 150 and 155 for the stones).
QPixmap SignSetPicture(int firstStrip, int secondStrip, qreal dpr)
{
    const QSize cell = DivuzPictureCellRect(firstStrip, SignPlain).size();
    QPixmap both(QSize(cell.width() * 2 + 4, cell.height()) * dpr);
    both.setDevicePixelRatio(dpr);
    both.fill(Qt::transparent);
    QPainter painter(&both);
    const QRect source(DivuzPictureCellRect(firstStrip, SignPlain).topLeft() * dpr, cell * dpr);
    painter.drawPixmap(QRect(QPoint(0, 0), cell), DivuzPicture(firstStrip, dpr), source);
    painter.drawPixmap(QRect(QPoint(cell.width() + 4, 0), cell), DivuzPicture(secondStrip, dpr),
                       source);
    return both;
}

// The platform's prefix search of a list: the first entry that begins with
// text, ignoring case; -1 when none does.
int FindPrefix(const QComboBox *list, const QString &text)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->itemText(i).startsWith(text, Qt::CaseInsensitive))
            return i;
    return -1;
}

// The files of folder matching pattern, sorted as a sorted list box sorts.
QStringList SortedFiles(const std::string &folder, const QString &pattern)
{
    QStringList names = QDir(QString::fromStdString(folder)).entryList({pattern}, QDir::Files);
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return QString::localeAwareCompare(a.toLower(), b.toLower()) < 0;
    });
    return names;
}

} // namespace

OptionsDialog::OptionsDialog(DivuzOptions &options, QWidget *parent)
    : QDialog(parent), myOptions(options), mySoundNames(SoundCount), myLevel(options.Level),
      myWhoBegins(options.WhoBeginsMode), myIsRenju(options.IsRenjuStyle),
      mySignSet(options.CurSignSet), myIsMusicOn(options.IsMusicOn), myIsSoundOn(options.IsSoundOn),
      myMusicMode(options.MusicMode)
{
    try {
        mySoundNames = options.SoundNames;
    } catch (const std::bad_alloc &) {
        throw xMemory(); // "Not enough memory."
    }
    setObjectName(QString::number(IDD_OPTIONS));
    setWindowTitle(tr("Nastavení"));
    BuildControls();
}

OptionsDialog::~OptionsDialog() = default;

QWidget *OptionsDialog::Control(int id) const
{
    return findChild<QWidget *>(QString::number(id));
}

void OptionsDialog::BuildControls()
{
    auto *layout = new QGridLayout(this);

    // The strength: one radio group of eleven buttons in two boxes, the
    // timed settings and the five named levels. The names come from the
    // table of strength settings.
    myLevelGroup = new QButtonGroup(this);
    auto *timed = new QGroupBox(this);
    auto *timedLayout = new QVBoxLayout(timed);
    auto *named = new QGroupBox(tr("Obtížnost"), this);
    auto *namedLayout = new QVBoxLayout(named);
    for (int level = 0; level < LevelCount; ++level) {
        auto *button =
            Named(new QRadioButton(QCoreApplication::translate("Levels", LevelNames[level])),
                  LevelButtonIds[level]);
        myLevelGroup->addButton(button, level);
        (level < 6 ? timedLayout : namedLayout)->addWidget(button);
    }
    layout->addWidget(timed, 0, 0);
    layout->addWidget(named, 1, 0);

    // Who begins.
    auto *who = new QGroupBox(tr("Kdo začíná"), this);
    auto *whoLayout = new QVBoxLayout(who);
    myWhoGroup = new QButtonGroup(this);
    const std::pair<int, const char *> whoButtons[] = {{IDC_WHO_PLAYER, QT_TR_NOOP("Hráč")},
                                                       {IDC_WHO_COMPUTER, QT_TR_NOOP("Počítač")},
                                                       {IDC_WHO_ALTERNATE, QT_TR_NOOP("Střídavě")}};
    for (int mode = 0; mode <= MaxWhoBeginsMode; ++mode) {
        auto *button = Named(new QRadioButton(tr(whoButtons[mode].second)), whoButtons[mode].first);
        myWhoGroup->addButton(button, mode);
        whoLayout->addWidget(button);
    }
    layout->addWidget(who, 0, 1);

    // The look: the sign set with its pictures, and the Renju board.
    auto *look = new QGroupBox(tr("Vzhled"), this);
    auto *lookLayout = new QGridLayout(look);
    lookLayout->addWidget(new QLabel(tr("Vyber sadu značek:")), 0, 0, 1, 2);
    mySignSetGroup = new QButtonGroup(this);
    const qreal dpr = devicePixelRatioF();
    const std::pair<int, QPixmap> sets[] = {
        {IDC_SIGNSET_0, SignSetPicture(PictureSignsX, PictureSignsO, dpr)},
        {IDC_SIGNSET_1, SignSetPicture(PictureStonesBlack, PictureStonesWhite, dpr)}};
    for (int set = 0; set <= MaxSignSet; ++set) {
        // The pictures go on the button itself, so a click on them chooses.
        auto *button = Named(new QRadioButton, sets[set].first);
        button->setIcon(QIcon(sets[set].second));
        button->setIconSize(sets[set].second.deviceIndependentSize().toSize());
        mySignSetGroup->addButton(button, set);
        lookLayout->addWidget(button, 1 + set, 0, 1, 2);
    }
    myRenju = Named(new QCheckBox(tr("Renju board")), IDC_RENJU);
    lookLayout->addWidget(myRenju, 3, 0, 1, 2);
    layout->addWidget(look, 1, 1);

    // Sounds and music.
    auto *music = new QGroupBox(tr("Hudba"), this);
    auto *musicLayout = new QGridLayout(music);
    mySoundOn = Named(new QCheckBox(tr("Zapnout zvuk")), IDC_SOUND_ON);
    myMusicOn = Named(new QCheckBox(tr("Zapnout hudbu")), IDC_MUSIC_ON);
    musicLayout->addWidget(mySoundOn, 0, 0);
    musicLayout->addWidget(myMusicOn, 1, 0);
    musicLayout->addWidget(new QLabel(tr("Režim přehrávání:")), 2, 0);
    myMusicModeGroup = new QButtonGroup(this);
    const std::pair<int, const char *> modes[] = {
        {IDC_MUSIC_MODE_0, QT_TR_NOOP("Za sebou")},
        {IDC_MUSIC_MODE_1, QT_TR_NOOP("Jedna pro jednu hru")},
        {IDC_MUSIC_MODE_2, QT_TR_NOOP("Jedna pro všechny hry ")}};
    for (int mode = 0; mode <= MaxMusicMode; ++mode) {
        auto *button = Named(new QRadioButton(tr(modes[mode].second)), modes[mode].first);
        myMusicModeGroup->addButton(button, mode);
        musicLayout->addWidget(button, 3 + mode, 0);
    }
    musicLayout->addWidget(new QLabel(tr("Současná melodie :")), 6, 0);
    myMusicList = Named(new QComboBox, IDC_MUSIC_LIST);
    musicLayout->addWidget(myMusicList, 7, 0);

    // The sound test: built and filled, but hidden and disabled.
    myEventList = Named(new QComboBox, IDC_SOUND_EVENTS);
    mySoundFiles = Named(new QComboBox, IDC_SOUND_FILES);
    myPlay = Named(new QPushButton(tr("Play")), IDC_SOUND_PLAY);
    myStop = Named(new QPushButton(tr("Stop")), IDC_SOUND_STOP);
    int row = 8;
    for (QWidget *w : std::initializer_list<QWidget *>{myEventList, mySoundFiles, myPlay, myStop}) {
        musicLayout->addWidget(w, row++, 0);
        w->setEnabled(false);
        w->hide();
    }
    layout->addWidget(music, 0, 2, 2, 1);

    // The dialog's buttons.
    auto *buttons = new QHBoxLayout;
    auto *ok = Named(new QPushButton(tr("Budiž")), IDOK_BUDIZ);
    auto *cancel = Named(new QPushButton(tr("Zrušit")), IDCANCEL_ZRUSIT);
    auto *help = Named(new QPushButton(tr("Nápověda")), IDHELP_NAPOVEDA);
    ok->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    layout->addLayout(buttons, 2, 0, 1, 3);

    connect(ok, &QPushButton::clicked, this, &OptionsDialog::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &OptionsDialog::OnHelp);
    connect(myEventList, &QComboBox::currentIndexChanged, this, &OptionsDialog::OnEventSelected);
    connect(mySoundFiles, &QComboBox::activated, this, &OptionsDialog::OnSoundFileSelected);
    connect(myPlay, &QPushButton::clicked, this, &OptionsDialog::OnPlay);
    connect(myStop, &QPushButton::clicked, this, &OptionsDialog::OnStop);

    // The exchange values into the controls. A value out of its range
    // checks no button.
    auto check = [](QButtonGroup *group, int id) {
        if (QAbstractButton *button = group->button(id))
            button->setChecked(true);
    };
    check(myLevelGroup, myLevel);
    check(myWhoGroup, myWhoBegins);
    check(mySignSetGroup, mySignSet);
    check(myMusicModeGroup, myMusicMode);
    for (QButtonGroup *group : {myLevelGroup, myWhoGroup, mySignSetGroup, myMusicModeGroup})
        TabToCheckedButton(group);
    myRenju->setChecked(myIsRenju);
    mySoundOn->setChecked(myIsSoundOn);
    myMusicOn->setChecked(myIsMusicOn);
}

void OptionsDialog::showEvent(QShowEvent *event)
{
    if (!myFilled) {
        myFilled = true;
        FillLists();
    }
    QDialog::showEvent(event);
}

void OptionsDialog::FillLists()
{
    // Step 1. The music pieces, sorted; the current one by prefix search.
    myMusicList->clear();
    myMusicList->addItems(SortedFiles(MusicFolder(myOptions), QStringLiteral("*.mid")));
    myMusicList->setCurrentIndex(
        FindPrefix(myMusicList, QString::fromStdString(myOptions.MusicName)));

    // Step 2. The wave files; the first event's file selected.
    mySoundFiles->clear();
    mySoundFiles->addItems(SortedFiles(SoundFolder(myOptions), QStringLiteral("*.wav")));
    mySoundFiles->setCurrentIndex(
        FindPrefix(mySoundFiles, QString::fromStdString(mySoundNames[0])));

    // Step 3. The fourteen events in index order, the first selected.
    const QSignalBlocker quiet(myEventList);
    myEventList->clear();
    for (const char *name : SoundValueNames)
        myEventList->addItem(QString::fromUtf8(name));
    myEventList->setCurrentIndex(0);

    // Step 4. The pictures of "Play" and "Stop" (159 and 163) are not drawn
    // by this program, so the buttons keep their texts.
}

void OptionsDialog::OnEventSelected(int index)
{
    if (index >= 0 && index < SoundCount)
        mySoundFiles->setCurrentIndex(
            FindPrefix(mySoundFiles, QString::fromStdString(mySoundNames[index])));
}

void OptionsDialog::OnSoundFileSelected(int index)
{
    const int event = myEventList->currentIndex();
    if (index >= 0 && event >= 0 && event < SoundCount)
        mySoundNames[event] = mySoundFiles->itemText(index).toStdString();
}

void OptionsDialog::OnPlay()
{
    if (mySoundFiles->currentIndex() >= 0)
        CurrentMediaPlayer().PlayWave(
            SoundFolder(myOptions) + mySoundFiles->currentText().toStdString(), true);
}

void OptionsDialog::OnStop()
{
    CurrentMediaPlayer().StopWave();
}

void OptionsDialog::OnHelp()
{
    if (IDivuzApplication *app = FindApplication())
        app->ShowHelp(OptionsHelpContext);
}

void OptionsDialog::OnOK()
{
    // The exchange values from the controls; an unchecked group keeps its value.
    auto read = [](QButtonGroup *group, int &value) {
        if (group->checkedId() >= 0)
            value = group->checkedId();
    };
    read(myLevelGroup, myLevel);
    read(myWhoGroup, myWhoBegins);
    read(mySignSetGroup, mySignSet);
    read(myMusicModeGroup, myMusicMode);
    myIsRenju = myRenju->isChecked();
    myIsMusicOn = myMusicOn->isChecked();
    myIsSoundOn = mySoundOn->isChecked();
    accept();

    // Into the record, in the order of the options dialog's description.
    myOptions.IsRenjuStyle = myIsRenju;
    myOptions.Level = myLevel;
    myOptions.WhoBeginsMode = myWhoBegins;
    myOptions.CurSignSet = mySignSet;
    myOptions.IsMusicOn = myIsMusicOn;
    myOptions.IsSoundOn = myIsSoundOn;
    myOptions.MusicMode = myMusicMode;
    myOptions.SoundNames = mySoundNames;
    if (myMusicList->currentIndex() >= 0)
        myOptions.MusicName = myMusicList->currentText().toStdString();
}
