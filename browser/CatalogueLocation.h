// Which catalogue file the main window reads.
#pragma once

#include <QString>

#include <string>

namespace CatalogueLocation {

// "orlenda.dat" in the working directory, as the program has always read it; when there is
// none there, the first one beside the program or in the data folders of an installed program.
// When none exists anywhere, the working-directory name, so loading fails as it always did.
// The result is in the local 8-bit encoding the C library's fopen expects.
std::string catalogueFile();
std::string catalogueFile(const QString& programDir, const QString& dataFolderName);

} // namespace CatalogueLocation
