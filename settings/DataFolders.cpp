#include "DataFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

namespace
{

// share/divuz seen from the program's bin folder.
QString DataFolderBesideBin(const std::string &programFolder)
{
    return QDir::cleanPath(QString::fromStdString(programFolder) + QStringLiteral("/") +
                           QStringLiteral(DIVUZ_DATA_FROM_PROGRAM));
}

} // namespace

std::vector<std::string> DataFolderCandidates(const std::string &programFolder)
{
    std::vector<std::string> folders{programFolder};
    folders.push_back(DataFolderBesideBin(programFolder).toStdString());
    const std::string configured = DIVUZ_INSTALLED_DATA;
    if (configured != folders.back())
        folders.push_back(configured);
    return folders;
}

bool IsInstalledProgram(const std::string &programFolder)
{
    return QFileInfo(DataFolderBesideBin(programFolder)).isDir();
}

std::string FindDataFolder(const std::string &programFolder, std::string_view name)
{
    for (const std::string &folder : DataFolderCandidates(programFolder)) {
        const QFileInfo candidate(QString::fromStdString(folder + "/" + std::string(name)));
        if (candidate.isDir())
            return folder;
    }
    return programFolder;
}
