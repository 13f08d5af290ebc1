#include "options/DataFileLocation.h"

#include "game/files/AtomicFileWrite.h"
#include "game/files/FileRead.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <filesystem>

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

std::filesystem::path LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// A pipe, a device or a huge file in the shipped file's place is not copied whole.
void CopyShippedFile(const QString& shipped, const QString& mine, std::size_t maxBytes) {
    const FileBytes read = ReadFileStart(LocalPath(shipped), maxBytes);
    if (read.Result == FileBytes::Status::Read && !read.CutShort &&
        WriteFileAtomically(LocalPath(mine), read.Bytes).Ok) {
        QFile(mine).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
}

} // namespace

QString WritableDataFile(const QString& programFolder, const QString& relativePath,
                         std::size_t maxBytes) {
    QString shipped = QDir(programFolder).filePath(relativePath);
    if (CanWriteBeside(shipped)) {
        return shipped;
    }
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QString mine = QDir(own).filePath(relativePath);
    if (!QFileInfo::exists(mine) && QFileInfo::exists(shipped)) {
        CopyShippedFile(shipped, mine, maxBytes);
    }
    return mine;
}

} // namespace lexabit
