#include "framework/ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace ProgramFolders {

QString dataFolderName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString installedDataDirectory(const QString& programDir, const QString& name)
{
    return QDir::cleanPath(programDir + QStringLiteral("/../share/") + name);
}

QStringList installedDataDirectories(const QString& programDir, const QString& name)
{
    QStringList dirs;
    if (name.isEmpty())
        return dirs;
    const auto add = [&dirs](const QString& dir) {
        if (!dir.isEmpty() && !dirs.contains(dir))
            dirs.append(dir);
    };
    if (!programDir.isEmpty())
        add(installedDataDirectory(programDir, name));
    // Per-user first: it is where a user puts a file of their own in place of the shipped one.
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!user.isEmpty())
        add(QDir(user).filePath(name));
    for (const QString& dir :
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        add(QDir(dir).filePath(name));
    return dirs;
}

QStringList installedDataDirectories()
{
    return installedDataDirectories(QCoreApplication::applicationDirPath(), dataFolderName());
}

QString findFile(const QStringList& dirs, const QString& fileName)
{
    if (fileName.isEmpty())
        return {};
    for (const QString& dir : dirs) {
        // Only regular files: a folder or a device of that name is not the file looked for.
        const QFileInfo candidate(QDir(dir).filePath(fileName));
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return {};
}

QString userCacheDirectory()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (dir.isEmpty() || !QDir().mkpath(dir))
        return {};
    return dir;
}

} // namespace ProgramFolders
