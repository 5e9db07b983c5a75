#include "SettingsStore.h"

#include "DataFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QString>
#include <QVariant>

#include <algorithm>

namespace
{

const QString OptionsGroup = QStringLiteral("Options");
const QString SoundNamesGroup = QStringLiteral("Options/SoundNames");

QSettings OpenStore()
{
    return QSettings(QStringLiteral("Zidude"), QStringLiteral("Divuz"));
}

// Reads an integer into value when it is stored, numeric and within
// min..max; anything else is treated as if the key were absent.
void ReadInt(const QSettings &store, const char *key, int min, int max, std::int32_t &value)
{
    const QVariant stored = store.value(QLatin1String(key));
    if (!stored.isValid())
        return;
    bool ok = false;
    const int number = stored.toInt(&ok);
    if (ok && number >= min && number <= max)
        value = number;
}

// Booleans are stored as integers: any non-zero number means true.
void ReadBool(const QSettings &store, const char *key, bool &value)
{
    const QVariant stored = store.value(QLatin1String(key));
    if (!stored.isValid())
        return;
    bool ok = false;
    const int number = stored.toInt(&ok);
    if (ok)
        value = number != 0;
}

void ReadText(const QSettings &store, const QString &key, std::string &value)
{
    const QVariant stored = store.value(key);
    if (stored.isValid() && stored.canConvert<QString>())
        value = stored.toString().toStdString();
}

void WriteBool(QSettings &store, const char *key, bool value)
{
    store.setValue(QLatin1String(key), value ? 1 : 0);
}

void WriteInt(QSettings &store, const char *key, std::int32_t value)
{
    store.setValue(QLatin1String(key), static_cast<int>(value));
}

// A sound name is a plain file name inside the sound folder. A name that
// climbs out of it ("../../etc/passwd"), an absolute path or a name with a
// folder in it is no sound of ours and would otherwise be kept for ever.
bool IsPlainFileName(const std::string &name)
{
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

// The folder may hold no piece at all, or the stored piece may have been
// removed since the last run; a piece that is still there stays current.
void SettleMusicName(DivuzOptions &options)
{
    const std::vector<std::string> pieces = ListMusicPieces(options.ProgramFolder);
    if (std::find(pieces.begin(), pieces.end(), options.MusicName) == pieces.end())
        options.MusicName = NextMusicName(pieces, options.MusicName);
}

} // namespace

void LoadSettings(DivuzOptions &options)
{
    LoadSettings(options, FindProgramFolder());
}

void LoadSettings(DivuzOptions &options, const std::string &programFolder)
{
    QSettings store = OpenStore();

    // Step 1. The scalar options.
    store.beginGroup(OptionsGroup);
    ReadBool(store, "IsRenjuStyle", options.IsRenjuStyle);
    ReadInt(store, "Level", 0, MaxLevel, options.Level);
    ReadInt(store, "CurSignSet", 0, MaxSignSet, options.CurSignSet);
    ReadInt(store, "WhoBeginsMode", 0, MaxWhoBeginsMode, options.WhoBeginsMode);
    ReadBool(store, "IsMusicOn", options.IsMusicOn);
    ReadBool(store, "IsSoundOn", options.IsSoundOn);
    ReadBool(store, "IsViewInfo", options.IsViewInfo);
    ReadInt(store, "MusicMode", 0, MaxMusicMode, options.MusicMode);
    ReadText(store, QStringLiteral("MusicName"), options.MusicName);
    // A size of our own: only the sizes the menu offers, else the layout's.
    std::int32_t zoom = DefaultZoom;
    ReadInt(store, "Zoom", ZoomLevels.front(), ZoomLevels.back(), zoom);
    options.Zoom = std::find(ZoomLevels.begin(), ZoomLevels.end(), zoom) != ZoomLevels.end()
                       ? zoom
                       : DefaultZoom;
    store.endGroup();

    // Step 2. The wave file of each sound event; a name that is not a plain
    // file name falls back to the event's own.
    store.beginGroup(SoundNamesGroup);
    for (int i = 0; i < SoundCount; ++i) {
        ReadText(store, QLatin1String(SoundValueNames[i]), options.SoundNames[i]);
        if (!IsPlainFileName(options.SoundNames[i]))
            options.SoundNames[i] = DefaultSoundFiles[i];
    }
    store.endGroup();

    // Step 3. The folder everything else is found in.
    options.ProgramFolder = programFolder;

    // Step 4. A current piece that exists.
    SettleMusicName(options);
}

bool SaveSettings(const DivuzOptions &options)
{
    QSettings store = OpenStore();

    store.beginGroup(OptionsGroup);
    WriteBool(store, "IsRenjuStyle", options.IsRenjuStyle);
    WriteInt(store, "Level", options.Level);
    WriteInt(store, "CurSignSet", options.CurSignSet);
    WriteInt(store, "WhoBeginsMode", options.WhoBeginsMode);
    WriteBool(store, "IsMusicOn", options.IsMusicOn);
    WriteBool(store, "IsSoundOn", options.IsSoundOn);
    WriteBool(store, "IsViewInfo", options.IsViewInfo);
    WriteInt(store, "MusicMode", options.MusicMode);
    store.setValue(QStringLiteral("MusicName"), QString::fromStdString(options.MusicName));
    WriteInt(store, "Zoom", options.Zoom);
    store.endGroup();

    store.beginGroup(SoundNamesGroup);
    for (int i = 0; i < SoundCount; ++i)
        store.setValue(QLatin1String(SoundValueNames[i]),
                       QString::fromStdString(options.SoundNames[i]));
    store.endGroup();

    // QSettings writes a new file beside the old one and renames it over, so
    // a failed write leaves the old file whole. It is not reported to the
    // user: the next run simply starts from the older values.
    store.sync();
    return store.status() == QSettings::NoError;
}

void PickNextMusic(DivuzOptions &options)
{
    options.MusicName = NextMusicName(ListMusicPieces(options.ProgramFolder), options.MusicName);
}

std::string FindProgramFolder()
{
    if (QCoreApplication::instance() == nullptr)
        return {};
    QString folder = QCoreApplication::applicationDirPath();
    // A program at the root gives "/"; the folder is then empty so that
    // appending "/Best.tab" still makes a valid path.
    while (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder.toStdString();
}

std::vector<std::string> ListMusicPieces(const std::string &programFolder)
{
    const QDir folder(QString::fromStdString(FindDataFolder(programFolder, "Music") + "/Music"));
    const QStringList names =
        folder.entryList({QStringLiteral("*.mid")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    std::vector<std::string> pieces;
    pieces.reserve(names.size());
    for (const QString &name : names)
        pieces.push_back(name.toStdString());
    return pieces;
}

std::string NextMusicName(const std::vector<std::string> &pieces, const std::string &current)
{
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
        if (pieces[i] == current)
            return pieces[i + 1];
    }
    // The current piece is the last one, or not in the folder at all.
    return pieces.empty() ? std::string(NoMusicName) : pieces.front();
}

BarMemory LoadBarMemory()
{
    const QSettings store = OpenStore();
    return {store.value(QStringLiteral("BarState")).toByteArray(),
            store.value(QStringLiteral("StatusBar"), 1).toInt() != 0};
}

void SaveBarMemory(const BarMemory &bars)
{
    QSettings store = OpenStore();
    store.setValue(QStringLiteral("BarState"), bars.Layout);
    store.setValue(QStringLiteral("StatusBar"), bars.StatusBarShown ? 1 : 0);
}

QString LoadLastFileFolder()
{
    return OpenStore().value(QStringLiteral("LastFolder")).toString();
}

void SaveLastFileFolder(const QString &folder)
{
    OpenStore().setValue(QStringLiteral("LastFolder"), folder);
}
