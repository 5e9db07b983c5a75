#include "BestGamesLocation.h"

#include "DamagedTable.h"
#include "DataFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>

namespace
{

QString ToQt(const std::string &s)
{
    return QString::fromStdString(s);
}

bool IsWritableFolder(const std::string &folder)
{
    // An empty program folder is the root (the folder never ends in '/').
    const QFileInfo info(folder.empty() ? QStringLiteral("/") : ToQt(folder));
    return info.isDir() && info.isWritable();
}

} // namespace

std::string UserBestGamesPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty())
        return {};
    return (folder + QLatin1Char('/') + QLatin1String(BestGamesFileName)).toStdString();
}

std::string BestGamesReadPath(const DivuzOptions &options)
{
    const std::string user = UserBestGamesPath();
    if (!user.empty() && QFileInfo::exists(ToQt(user)))
        return user;
    return BestGamesPath(options);
}

std::string BestGamesWritePath(const DivuzOptions &options)
{
    const std::string user = UserBestGamesPath();
    if (user.empty())
        return BestGamesPath(options);
    // An installed program never writes into its installation, not even run by
    // root; every user keeps a table of his own.
    if (QFileInfo::exists(ToQt(user)) || IsInstalledProgram(options.ProgramFolder) ||
        !IsWritableFolder(options.ProgramFolder))
        return user;
    return BestGamesPath(options);
}

BestGamesLoad LoadBestGames(BestGames &table, const DivuzOptions &options)
{
    BestGamesLoad load;
    load.Path = BestGamesReadPath(options);
    const QFileInfo file(ToQt(load.Path));
    // A missing file is a first start, and a folder of that name is no table
    // and cannot be replaced by one; neither is anything to keep.
    if (table.Load(load.Path, &load.Problem) || !file.exists() || file.isDir())
        return load;
    load.IsComplete = false;
    load.KeptPath = KeepDamagedTable(load.Path);
    return load;
}
