#include "DataFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

std::vector<std::string> DataFolderCandidates(const std::string &programFolder)
{
    std::vector<std::string> folders{programFolder};
    const QString besideBin =
        QDir::cleanPath(QString::fromStdString(programFolder) + QStringLiteral("/") +
                        QStringLiteral(DIVUZ_DATA_FROM_PROGRAM));
    folders.push_back(besideBin.toStdString());
    const std::string configured = DIVUZ_INSTALLED_DATA;
    if (configured != folders.back())
        folders.push_back(configured);
    return folders;
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
