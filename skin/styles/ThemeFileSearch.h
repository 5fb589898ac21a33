// Where a theme file named in a form is looked for, in order, after the path as given.
#pragma once

#include <QString>
#include <QStringList>

// The program's directory, then the per-user data directory, then the system-wide ones, then
// the data folders of an installed program (ProgramFolders).
QStringList ThemeSearchDirectories();
// The first existing regular file of: `path` itself, then its file name in each search
// directory; empty when there is none.
QString FindThemeFile(const QString& path);
