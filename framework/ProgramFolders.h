// Where a program finds its own files, in its build folder or installed, and where it may write.
#pragma once

#include <QString>
#include <QStringList>

namespace ProgramFolders {

// The name of the program's folder under a "share" folder: the executable's base name, so
// `<prefix>/bin/orlenda` keeps its files in `<prefix>/share/orlenda`.
QString dataFolderName();

// The folder installed beside the program: `<program folder>/../share/<name>`, cleaned.
QString installedDataDirectory(const QString& programDir, const QString& name);

// The data folders of a program installed with this layout, searched last by every lookup:
// the installed folder beside it, then `<name>` in the per-user and system-wide data folders.
QStringList installedDataDirectories(const QString& programDir, const QString& name);
QStringList installedDataDirectories();

// The first regular file called `fileName` in `dirs`; empty when there is none.
QString findFile(const QStringList& dirs, const QString& fileName);

// The per-user cache folder, created when missing; empty when it cannot be made.
QString userCacheDirectory();

} // namespace ProgramFolders
