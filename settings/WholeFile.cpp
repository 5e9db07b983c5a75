#include "WholeFile.h"

#include <QSaveFile>

bool WriteWholeFile(const QString &path, const std::string &bytes, QString *error)
{
    // Unbuffered, so a write the disk takes only in part is seen here: a
    // buffered QSaveFile flushes a short write at commit without a word and
    // renames the cut file over the old one.
    QSaveFile file(path);
    const qint64 size = static_cast<qint64>(bytes.size());
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        file.write(bytes.data(), size) == size && file.commit())
        return true;
    // An unfinished QSaveFile is discarded when it goes out of scope.
    if (error != nullptr)
        *error = file.errorString();
    return false;
}
