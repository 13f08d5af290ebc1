#include "options/DataFileLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace lexabit {

namespace {

// The nearest folder on the way to path that exists decides whether it can be written.
bool CanWriteBeside(const QString& path) {
    QFileInfo folder(QFileInfo(path).absolutePath());
    while (!folder.exists() && !folder.isRoot()) {
        folder = QFileInfo(folder.absolutePath());
    }
    return folder.isWritable();
}

} // namespace

QString WritableDataFile(const QString& programFolder, const QString& relativePath) {
    QString shipped = QDir(programFolder).filePath(relativePath);
    if (CanWriteBeside(shipped)) {
        return shipped;
    }
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QString mine = QDir(own).filePath(relativePath);
    if (!QFileInfo::exists(mine) && QFileInfo::exists(shipped)) {
        QDir().mkpath(QFileInfo(mine).absolutePath());
        QFile::copy(shipped, mine);
        QFile(mine).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    return mine;
}

} // namespace lexabit
