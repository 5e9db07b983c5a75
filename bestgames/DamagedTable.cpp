#include "DamagedTable.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace
{

// Far more numbered copies than anyone keeps; past it nothing more is kept
// rather than searching on for ever.
constexpr int MaxKeptCopies = 1000;

} // namespace

std::string KeepDamagedTable(const std::string &path)
{
    const QString source = QString::fromStdString(path);
    for (int n = 1; n <= MaxKeptCopies; ++n) {
        QString target = source + QStringLiteral(".damaged");
        if (n > 1)
            target += QLatin1Char('.') + QString::number(n);
        if (QFileInfo::exists(target))
            continue;
        // A copy leaves the table file where the program looks for it, so it
        // is replaced as a whole by the next save. A file that cannot be read
        // cannot be copied, but it can still be moved aside.
        if (QFile::copy(source, target) || QFile::rename(source, target))
            return target.toStdString();
        return {};
    }
    return {};
}

QString DamagedTableNotice(const std::string &path, const std::string &keptPath)
{
    const QString file = QString::fromStdString(path);
    if (keptPath.empty())
        return QCoreApplication::translate(
                   "DamagedTable", "Tabulka nejlepších her v souboru „%1“ je poškozená a nedala se "
                                   "celá načíst. Soubor se nepodařilo uschovat pod jiným jménem.")
            .arg(file);
    return QCoreApplication::translate(
               "DamagedTable", "Tabulka nejlepších her v souboru „%1“ byla poškozená a nedala se "
                               "celá načíst. Původní soubor je uschován jako „%2“; nová tabulka "
                               "se uloží na původní místo.")
        .arg(file, QString::fromStdString(keptPath));
}
