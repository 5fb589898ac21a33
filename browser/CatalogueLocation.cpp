#include "browser/CatalogueLocation.h"

#include "catalogue/OrlendaData.h"
#include "framework/ProgramFolders.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace CatalogueLocation {

std::string catalogueFile()
{
    return catalogueFile(QCoreApplication::applicationDirPath(), ProgramFolders::dataFolderName());
}

std::string catalogueFile(const QString& programDir, const QString& dataFolderName)
{
    const QString name = QString::fromLatin1(OrlendaData::kDefaultFileName);
    // The usual start costs one look at the working directory and nothing more.
    if (QFileInfo(name).isFile())
        return OrlendaData::kDefaultFileName;
    QStringList dirs;
    if (!programDir.isEmpty())
        dirs << programDir;
    dirs << ProgramFolders::installedDataDirectories(programDir, dataFolderName);
    const QString found = ProgramFolders::findFile(dirs, name);
    if (found.isEmpty())
        return OrlendaData::kDefaultFileName;
    return QFile::encodeName(found).toStdString();
}

} // namespace CatalogueLocation
