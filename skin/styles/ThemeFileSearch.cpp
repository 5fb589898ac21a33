#include "skin/styles/ThemeFileSearch.h"

#include "framework/ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QStringList ThemeSearchDirectories()
{
    QStringList dirs { QCoreApplication::applicationDirPath() };
    // The per-user directory stands for the Windows directory, the system-wide ones for the
    // system directory.
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!user.isEmpty())
        dirs.append(user);
    for (const QString& dir : QStandardPaths::standardLocations(QStandardPaths::AppDataLocation))
        if (!dirs.contains(dir))
            dirs.append(dir);
    // Last, the themes installed with the program (<prefix>/share/<program>).
    for (const QString& dir : ProgramFolders::installedDataDirectories())
        if (!dirs.contains(dir))
            dirs.append(dir);
    return dirs;
}

QString FindThemeFile(const QString& path)
{
    // Only regular files: a directory or a device of the name is not a theme.
    if (!path.isEmpty() && QFileInfo(path).isFile())
        return QFileInfo(path).absoluteFilePath();
    const QString name = QFileInfo(path).fileName();
    if (name.isEmpty())
        return {};
    for (const QString& dir : ThemeSearchDirectories()) {
        const QFileInfo candidate(QDir(dir).filePath(name));
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return {};
}
