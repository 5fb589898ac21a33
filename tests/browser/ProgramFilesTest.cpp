// Where the program reads its catalogue and writes its pages, in a build folder or installed.
#include "MainWindowFixture.h"

#include "browser/CatalogueLocation.h"
#include "browser/ReferencePages.h"
#include "catalogue/OrlendaData.h"
#include "framework/ProgramFolders.h"
#include "framework/TCppWebBrowser.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// Writes a catalogue of `count` values named QV0, QV1, ... to `path`, making its folder.
void writeValues(const QString& path, int count)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    OrlendaWriter writer;
    for (int i = 0; i < count; ++i)
        writer.AddItem(testRecord(("QV" + std::to_string(i)).c_str(), 1));
    ASSERT_TRUE(writer.Save(QFile::encodeName(path).constData()));
}

int loadedCount(const std::string& file)
{
    OrlendaData data(file.c_str());
    return data.GetCount();
}

// Points the per-user and system-wide data and cache folders into `root` for one test.
class XdgFolders {
public:
    explicit XdgFolders(const QString& root)
    {
        for (const char* name : kNames) {
            m_saved.append(qgetenv(name));
            m_wasSet.append(qEnvironmentVariableIsSet(name));
        }
        qputenv("XDG_DATA_HOME", QFile::encodeName(root + QStringLiteral("/home-data")));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(root + QStringLiteral("/system-data")));
        // A space in the path, as in the cache folder named after the program's title.
        qputenv("XDG_CACHE_HOME", QFile::encodeName(root + QStringLiteral("/user cache")));
    }
    ~XdgFolders()
    {
        for (int i = 0; i < int(std::size(kNames)); ++i) {
            if (m_wasSet[i])
                qputenv(kNames[i], m_saved[i]);
            else
                qunsetenv(kNames[i]);
        }
    }
    XdgFolders(const XdgFolders&) = delete;
    XdgFolders& operator=(const XdgFolders&) = delete;

private:
    static constexpr const char* kNames[] = { "XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CACHE_HOME" };
    QList<QByteArray> m_saved;
    QList<bool> m_wasSet;
};

class ProgramFilesTest : public MainWindowFixture {
protected:
    QTemporaryDir root;
    XdgFolders xdg { root.path() };
    // An installed tree whose folder names are not plain ASCII.
    QString prefix = root.path() + QStringLiteral("/Pr\u00f6gramme");
    QString bin = prefix + QStringLiteral("/bin");
    QString installed = prefix + QStringLiteral("/share/orlenda/orlenda.dat");
};

TEST_F(ProgramFilesTest, TheWorkingDirectoryWinsThenTheProgramFolderThenTheInstalledData)
{
    writeValues(installed, 1);
    writeValues(bin + QStringLiteral("/orlenda.dat"), 2);
    writeCatalogue(); // five values in the working directory

    std::string file = CatalogueLocation::catalogueFile(bin, QStringLiteral("orlenda"));
    EXPECT_EQ(file, "orlenda.dat");
    EXPECT_EQ(loadedCount(file), 5);

    ASSERT_TRUE(QFile::remove(QStringLiteral("orlenda.dat")));
    file = CatalogueLocation::catalogueFile(bin, QStringLiteral("orlenda"));
    EXPECT_EQ(QFile::decodeName(file.c_str()), bin + QStringLiteral("/orlenda.dat"));
    EXPECT_EQ(loadedCount(file), 2);

    ASSERT_TRUE(QFile::remove(bin + QStringLiteral("/orlenda.dat")));
    file = CatalogueLocation::catalogueFile(bin, QStringLiteral("orlenda"));
    EXPECT_EQ(QFile::decodeName(file.c_str()), installed);
    EXPECT_EQ(loadedCount(file), 1);
}

TEST_F(ProgramFilesTest, TheUserDataFolderComesBeforeTheSystemOnesAndAFolderIsNoCatalogue)
{
    const QString user = root.path() + QStringLiteral("/home-data/orlenda/orlenda.dat");
    const QString system = root.path() + QStringLiteral("/system-data/orlenda/orlenda.dat");
    writeValues(system, 3);
    // Something called orlenda.dat that is not a file is passed over wherever it is.
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("orlenda.dat")));
    ASSERT_TRUE(QDir().mkpath(bin + QStringLiteral("/orlenda.dat")));

    std::string file = CatalogueLocation::catalogueFile(bin, QStringLiteral("orlenda"));
    EXPECT_EQ(QFile::decodeName(file.c_str()), system);
    EXPECT_EQ(loadedCount(file), 3);

    writeValues(user, 4);
    file = CatalogueLocation::catalogueFile(bin, QStringLiteral("orlenda"));
    EXPECT_EQ(QFile::decodeName(file.c_str()), user);
    EXPECT_EQ(loadedCount(file), 4);
}

TEST_F(ProgramFilesTest, WithNoCatalogueAnywhereTheWorkingDirectoryNameFailsToLoadAsBefore)
{
    const std::string file = CatalogueLocation::catalogueFile(bin, QStringLiteral("orlenda"));
    EXPECT_EQ(file, "orlenda.dat");
    OrlendaData data(file.c_str());
    EXPECT_FALSE(data.Load(nullptr));
    EXPECT_EQ(data.GetCount(), 0);
}

TEST_F(ProgramFilesTest, TheMainWindowReadsTheCatalogueInstalledForItsProgram)
{
    // The test program's own installed data folder: share/<its name> in the user's data.
    writeValues(root.path() + QStringLiteral("/home-data/") + ProgramFolders::dataFolderName()
            + QStringLiteral("/orlenda.dat"),
        2);
    start();
    ASSERT_NE(form->catalogue(), nullptr);
    EXPECT_EQ(form->catalogue()->GetCount(), 2);
    // Both values begin with QV: one letter group.
    EXPECT_EQ(topLevelTexts(), QStringList { QStringLiteral("QV") });
}

TEST_F(ProgramFilesTest, PagesGoToTheUserCacheWhenTheProgramFolderCannotBeWritten)
{
    const std::string bytes = "<html>page</html>\r\n";
    // A writable program folder keeps its pages, as always.
    const std::string writable = QFile::encodeName(bin).toStdString() + '/';
    ASSERT_TRUE(QDir().mkpath(bin));
    EXPECT_EQ(ReferencePages::writePageFile(writable, "item", bytes), writable + "item.html");

    // A folder below a regular file cannot be made or written, not even by the superuser.
    QFile blocker(root.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const std::string locked = QFile::encodeName(blocker.fileName()).toStdString() + "/bin/";
    const std::string written = ReferencePages::writePageFile(locked, "group", bytes);
    const QString cache = ProgramFolders::userCacheDirectory();
    ASSERT_TRUE(cache.startsWith(root.path() + QStringLiteral("/user cache/")))
        << cache.toStdString();
    EXPECT_EQ(QFile::decodeName(written.c_str()), cache + QStringLiteral("/group.html"));
    QFile page(QFile::decodeName(written.c_str()));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_EQ(page.readAll().toStdString(), bytes);
    // The view shows the page from there.
    TCppWebBrowser view;
    view.Navigate2(QString::fromLocal8Bit(ReferencePages::pageUrl(written).c_str()));
    EXPECT_EQ(view.toPlainText().trimmed(), QStringLiteral("page"));
}

TEST_F(ProgramFilesTest, APageThatCanBeWrittenNowhereIsReportedAsNotWritten)
{
    QFile blocker(root.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // The cache folder cannot be made either.
    qputenv("XDG_CACHE_HOME", QFile::encodeName(blocker.fileName() + QStringLiteral("/cache")));
    const std::string locked = QFile::encodeName(blocker.fileName()).toStdString() + "/bin/";
    EXPECT_EQ(ReferencePages::writePageFile(locked, "item", "<html></html>"), "");
}

} // namespace
