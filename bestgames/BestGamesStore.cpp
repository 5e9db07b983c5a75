#include "BestGamesStore.h"

#include "DamagedTable.h"
#include "RecordsArchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <sstream>

namespace
{

// Another copy holds the lock only while it reads and writes the table, a
// few milliseconds; a lock left by a copy that died is taken over at once.
constexpr int LockWaitMs = 3000;

std::string ArchiveBytes(const DataDivuzDoc &record)
{
    std::ostringstream out;
    ArchiveWriter ar(out);
    record.Serialize(ar);
    return out.str();
}

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether the game is stored in its group already, byte for byte: a game
// that reached the file once is never filed twice.
bool IsStored(const BestGames &table, const DataDivuzDoc &record, int level)
{
    const int levelIndex = LevelIndex(level);
    const int side = record.IsPlayerFirst ? 0 : 1;
    const std::string bytes = ArchiveBytes(record);
    for (int place = 0; place < BestPlaceCount; ++place)
        if (ArchiveBytes(table.GetGame(levelIndex, side, place)) == bytes)
            return true;
    return false;
}

} // namespace

BestGamesLoad BestGamesStore::Load(const DivuzOptions &options)
{
    const BestGamesLoad load = LoadBestGames(myTable, options);
    myEntered.clear();
    myKeptPath = load.KeptPath;
    return load;
}

void BestGamesStore::AddGame(const DataDivuzDoc &record, const DivuzOptions &settings)
{
    if (!myTable.IsWorthy(record, settings))
        return;
    myTable.AddGame(record, settings);
    myEntered.push_back({record, settings.Level});
}

bool BestGamesStore::Save(const DivuzOptions &options, BestGamesProblem *problem)
{
    const std::string user = UserBestGamesPath();
    const std::string path = BestGamesWritePath(options);
    if (path != user && SaveTo(path, problem))
        return true;
    if (user.empty())
        return false;
    QDir().mkpath(QFileInfo(QString::fromStdString(user)).absolutePath());
    return SaveTo(user, problem);
}

bool BestGamesStore::SaveTo(const std::string &path, BestGamesProblem *problem)
{
    QLockFile lock(QString::fromStdString(path) + QStringLiteral(".lock"));
    if (!lock.tryLock(LockWaitMs)) {
        if (problem != nullptr)
            *problem = {false, path + ": locked by another copy of the program"};
        return false;
    }
    const std::optional<BestGames> merged = MergedWith(path);
    if (!merged) {
        if (problem != nullptr)
            *problem = {false, path + ": damaged, and it could not be kept aside"};
        return false;
    }
    if (!merged->Save(path, problem))
        return false;
    myTable = *merged;
    myEntered.clear();
    return true;
}

std::optional<BestGames> BestGamesStore::MergedWith(const std::string &path)
{
    const QString file = QString::fromStdString(path);
    // A folder in the way is no table; the write that follows fails on it.
    if (!QFileInfo(file).isFile())
        return myTable;

    BestGames onDisk;
    if (onDisk.Load(path)) {
        for (const EnteredGame &game : myEntered) {
            DivuzOptions settings;
            settings.Level = game.Level;
            if (!IsStored(onDisk, game.Record, game.Level))
                onDisk.AddGame(game.Record, settings);
        }
        return onDisk;
    }

    // Damaged since this copy read it, or damaged as it was read at start
    // and kept aside then: never overwritten without a copy.
    if (myKeptPath.empty() || FileBytes(file) != FileBytes(QString::fromStdString(myKeptPath))) {
        myKeptPath = KeepDamagedTable(path);
        if (myKeptPath.empty())
            return std::nullopt;
    }
    return myTable;
}
