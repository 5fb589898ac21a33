// The installed tree: the program finds its files there, and an outside program builds against
// the installed package with find_package and shows a skinned window.
#include "framework/ProgramFolders.h"
#include "skin/styles/SUIThemes.h"
#include "skin/windows/SUIForm.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kSourceDir = QStringLiteral(ORLENDA_SOURCE_DIR);
const QString kBinaryDir = QStringLiteral(ORLENDA_BINARY_DIR);
const QString kCMake = QStringLiteral(ORLENDA_CMAKE_COMMAND);

// Runs a command to its end; its output joins `log` so a failure shows what went wrong.
bool run(const QString& program, const QStringList& arguments, QString& log,
    const QString& workingDirectory = {}, int timeoutMs = 300000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    log += QStringLiteral("$ %1 %2\n").arg(program, arguments.join(QLatin1Char(' ')));
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        log += QString::fromLocal8Bit(process.readAll()) + QStringLiteral("(timed out)\n");
        return false;
    }
    log += QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The files of the guide's example: each fenced block that follows a line "File `name`:".
QMap<QString, QString> guideFiles(const QString& guide)
{
    QMap<QString, QString> files;
    static const QRegularExpression block(
        QStringLiteral("^File `([^`]+)`:\\s*\\n\\s*```[a-z]*\\n(.*?)^```"),
        QRegularExpression::MultilineOption | QRegularExpression::DotMatchesEverythingOption);
    QRegularExpressionMatchIterator it = block.globalMatch(guide);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        files.insert(match.captured(1), match.captured(2));
    }
    return files;
}

class InstalledTreeTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(prefixDir.isValid());
        QString log;
        ASSERT_TRUE(run(kCMake,
            { QStringLiteral("--install"), kBinaryDir, QStringLiteral("--prefix"), prefix }, log))
            << log.toStdString();
    }
    QString installed(const QString& relative) const
    {
        return prefix + QLatin1Char('/') + relative;
    }

    QTemporaryDir prefixDir;
    QString prefix = prefixDir.path() + QStringLiteral("/prefix");
};

TEST_F(InstalledTreeTest, TheProgramItsCatalogueAndThemesLieWhereTheProgramLooksForThem)
{
    const QFileInfo program(installed(QStringLiteral("bin/orlenda")));
    ASSERT_TRUE(program.isFile());
    EXPECT_TRUE(program.isExecutable());

    // The installed program's own lookup rule names the folder its data went to.
    const QString data
        = ProgramFolders::installedDataDirectory(program.path(), QStringLiteral("orlenda"));
    EXPECT_EQ(fileBytes(QDir(data).filePath(QStringLiteral("orlenda.dat"))),
        fileBytes(kBinaryDir + QStringLiteral("/bin/orlenda.dat")));
    const QStringList themes = QDir(kSourceDir + QStringLiteral("/resources/themes"))
                                   .entryList({ QStringLiteral("*.sui") }, QDir::Files);
    ASSERT_FALSE(themes.isEmpty());
    for (const QString& theme : themes)
        EXPECT_EQ(fileBytes(QDir(data).filePath(theme)),
            fileBytes(kSourceDir + QStringLiteral("/resources/themes/") + theme))
            << theme.toStdString();
}

TEST_F(InstalledTreeTest, TheDesktopEntryAndAnIconOfEverySizeGoToTheDesktopsFolders)
{
    const QByteArray entry
        = fileBytes(installed(QStringLiteral("share/applications/orlenda.desktop")));
    EXPECT_TRUE(entry.contains("\nExec=orlenda\n")) << entry.toStdString();
    EXPECT_TRUE(entry.contains("\nIcon=orlenda\n")) << entry.toStdString();
    for (int size : { 16, 32, 48, 64, 128, 256 }) {
        const QString file
            = installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/orlenda.png").arg(size));
        const QImage icon(file);
        ASSERT_FALSE(icon.isNull()) << file.toStdString();
        // Drawn at its size: a rounded tile, clear in the corners and solid in the middle.
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 4)), 255) << size;
    }
}

#ifdef ORLENDA_DESIGNER_INSTALLED
TEST_F(InstalledTreeTest, TheDesignerPluginGoesBesideDesignersOwnPlugins)
{
    const QFileInfo plugin(installed(QStringLiteral(ORLENDA_DESIGNER_INSTALLED)));
    EXPECT_TRUE(plugin.isFile()) << plugin.filePath().toStdString();
    EXPECT_EQ(plugin.dir().dirName(), QStringLiteral("designer"));
}
#endif

TEST_F(InstalledTreeTest, EveryInstalledHeaderFindsTheHeadersItIncludesInTheInstalledTree)
{
    const QString root = installed(QStringLiteral("include/orlenda"));
    static const QRegularExpression include(
        QStringLiteral("^#include \"([^\"]+)\""), QRegularExpression::MultilineOption);
    int headers = 0;
    QDirIterator it(root, { QStringLiteral("*.h") }, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString header = it.next();
        ++headers;
        QRegularExpressionMatchIterator found
            = include.globalMatch(QString::fromUtf8(fileBytes(header)));
        while (found.hasNext()) {
            const QString name = found.next().captured(1);
            EXPECT_TRUE(QFileInfo(QDir(root).filePath(name)).isFile()
                || QFileInfo(QFileInfo(header).dir().filePath(name)).isFile())
                << header.toStdString() << " includes " << name.toStdString();
        }
    }
    // The frame, the title bar, the menus and the controls at least.
    EXPECT_TRUE(QFileInfo(QDir(root).filePath(QStringLiteral("skin/windows/SUIForm.h"))).isFile());
    EXPECT_TRUE(QFileInfo(QDir(root).filePath(QStringLiteral("framework/TControl.h"))).isFile());
    EXPECT_GT(headers, 50);
    // Nothing of the program or the tools goes with the library.
    EXPECT_FALSE(QFileInfo::exists(QDir(root).filePath(QStringLiteral("browser"))));
    EXPECT_FALSE(QFileInfo::exists(QDir(root).filePath(QStringLiteral("skin/CMakeLists.txt"))));
}

TEST_F(InstalledTreeTest, TheGuidesExampleBuildsAgainstThePackageAndShowsASkinnedWindow)
{
    // The guide's files, exactly as a reader would copy them.
    const QMap<QString, QString> files = guideFiles(
        QString::fromUtf8(fileBytes(kSourceDir + QStringLiteral("/docs/using-the-skin.md"))));
    ASSERT_TRUE(files.contains(QStringLiteral("CMakeLists.txt")));
    ASSERT_TRUE(files.contains(QStringLiteral("main.cpp")));
    const QString source = prefixDir.path() + QStringLiteral("/hello");
    ASSERT_TRUE(QDir().mkpath(source));
    for (auto it = files.begin(); it != files.end(); ++it) {
        QFile file(QDir(source).filePath(it.key()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(it.value().toUtf8());
    }

    QString log;
    const QString build = source + QStringLiteral("/build");
    QStringList configure { QStringLiteral("-S"), source, QStringLiteral("-B"), build,
        QStringLiteral("-G"), QStringLiteral(ORLENDA_CMAKE_GENERATOR),
        QStringLiteral("-DCMAKE_PREFIX_PATH=") + prefix,
        QStringLiteral("-DCMAKE_CXX_COMPILER=" ORLENDA_CXX_COMPILER),
        QStringLiteral("-DQt6_DIR=" ORLENDA_QT6_DIR) };
    if (!QStringLiteral(ORLENDA_CXX_LAUNCHER).isEmpty())
        configure << QStringLiteral("-DCMAKE_CXX_COMPILER_LAUNCHER=" ORLENDA_CXX_LAUNCHER);
    ASSERT_TRUE(run(kCMake, configure, log)) << log.toStdString();
    ASSERT_TRUE(run(kCMake, { QStringLiteral("--build"), build }, log)) << log.toStdString();

    // Started from elsewhere and headless (QT_QPA_PLATFORM is inherited), it saves its window and
    // ends on its own.
    const QString shot = prefixDir.path() + QStringLiteral("/hello.png");
    ASSERT_TRUE(run(build + QStringLiteral("/skinned_hello"),
        { QStringLiteral("--screenshot"), shot }, log, prefixDir.path(), 60000))
        << log.toStdString();
    const QImage outside = QImage(shot).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(outside.isNull()) << log.toStdString();

    // The caption buttons at the right of its title bar are the style's pictures: the same
    // pixels as a frame of the same size drawn here, in one of the built-in styles.
    bool matched = false;
    for (TsuiUIStyle style : { TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
             TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass }) {
        QWidget window;
        window.resize(outside.size());
        auto* frame = new TsuiForm(&window);
        frame->SetUIStyle(style);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_EQ(window.size(), outside.size());
        const QImage here = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect bar(frame->TitleBar()->mapTo(&window, QPoint(0, 0)), frame->TitleBar()->size());
        const QRect buttons(bar.right() - 80, bar.top(), 80, bar.height());
        ASSERT_TRUE(here.rect().contains(buttons));
        if (here.copy(buttons) == outside.copy(buttons)) {
            matched = true;
            break;
        }
    }
    EXPECT_TRUE(matched) << "the outside program's title bar is none of the built-in styles";
}

} // namespace
