// File themes: where a named file is found, what loading changes, what lookups answer, and how a
// form's themed components follow a load or a removal.
#include "FileThemeTestSupport.h"
#include "framework/ProgramFolders.h"

#include "framework/OrlendaException.h"
#include "framework/TForm.h"
#include "skin/styles/SUIThemes.h"
#include "skin/styles/Suimgr.h"
#include "skin/styles/ThemeFileSearch.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace SuiThemes;

namespace {

// Points the per-user and system-wide data directories at fresh temporary folders.
class FileThemeTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_oldHome = qgetenv("XDG_DATA_HOME");
        m_oldDirs = qgetenv("XDG_DATA_DIRS");
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(system.path()));
        const QStringList dirs = ThemeSearchDirectories();
        ASSERT_GE(dirs.size(), 3);
        userDir = dirs[1];
        systemDir = dirs[2];
        QDir().mkpath(userDir);
        QDir().mkpath(systemDir);
    }
    void TearDown() override
    {
        qputenv("XDG_DATA_HOME", m_oldHome);
        qputenv("XDG_DATA_DIRS", m_oldDirs);
        for (const QString& f : std::as_const(programFiles))
            QFile::remove(f);
    }
    QString inProgramDir(const QString& name)
    {
        const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(name);
        programFiles << path;
        return path;
    }

    QTemporaryDir home;
    QTemporaryDir system;
    QTemporaryDir work;
    QString userDir;
    QString systemDir;
    QStringList programFiles;

private:
    QByteArray m_oldHome;
    QByteArray m_oldDirs;
};

TEST_F(FileThemeTest, SearchGoesFromTheProgramDirectoryToTheUserThenTheSystemDataDirectory)
{
    const QStringList dirs = ThemeSearchDirectories();
    EXPECT_EQ(dirs[0], QCoreApplication::applicationDirPath());
    EXPECT_TRUE(userDir.startsWith(home.path())) << userDir.toStdString();
    EXPECT_TRUE(systemDir.startsWith(system.path())) << systemDir.toStdString();

    const QString name = QStringLiteral("ft_search_order.sui");
    writeSmallTheme(QDir(systemDir).filePath(name), 3);
    writeSmallTheme(QDir(userDir).filePath(name), 2);
    writeSmallTheme(inProgramDir(name), 1);

    TsuiFileTheme theme;
    theme.SetThemeFile(QStringLiteral("nowhere/") + name);
    EXPECT_EQ(theme.ThemeFile(), QDir(QCoreApplication::applicationDirPath()).filePath(name));
    EXPECT_EQ(theme.GetColor(SuiItem::ControlBorderColor), 1u);

    QFile::remove(inProgramDir(name));
    theme.SetThemeFile(name);
    EXPECT_EQ(theme.ThemeFile(), QDir(userDir).filePath(name));
    EXPECT_EQ(theme.GetInt(SuiItem::ControlBorderColor), 2);

    QFile::remove(QDir(userDir).filePath(name));
    theme.SetThemeFile(name);
    EXPECT_EQ(theme.ThemeFile(), QDir(systemDir).filePath(name));
    EXPECT_EQ(theme.GetInt(SuiItem::ControlBorderColor), 3);

    // The path as given comes first of all.
    const QString given = work.filePath(name);
    writeSmallTheme(given, 4);
    theme.SetThemeFile(given);
    EXPECT_EQ(theme.ThemeFile(), given);
    EXPECT_EQ(theme.GetInt(SuiItem::ControlBorderColor), 4);
}

TEST_F(FileThemeTest, AThemeInstalledWithTheProgramIsFoundByNameAfterTheDataDirectories)
{
    // <program folder>/../share/<program name>: where the install puts the shipped themes.
    const QString installed = ProgramFolders::installedDataDirectory(
        QCoreApplication::applicationDirPath(), ProgramFolders::dataFolderName());
    ASSERT_TRUE(QDir().mkpath(installed));
    const QString name = QStringLiteral("ft_installed.sui");
    const QString path = QDir(installed).filePath(name);
    programFiles << path;
    writeSmallTheme(path, 7);

    const QStringList dirs = ThemeSearchDirectories();
    EXPECT_GT(dirs.indexOf(installed), dirs.indexOf(systemDir));
    TsuiFileTheme theme;
    theme.SetThemeFile(name);
    EXPECT_EQ(theme.ThemeFile(), path);
    EXPECT_EQ(theme.GetInt(SuiItem::ControlBorderColor), 7);

    // The same name in the user's data directory comes first.
    writeSmallTheme(QDir(userDir).filePath(name), 8);
    theme.SetThemeFile(QStringLiteral("elsewhere/") + name);
    EXPECT_EQ(theme.GetInt(SuiItem::ControlBorderColor), 8);
}

TEST_F(FileThemeTest, TheSameBareNameLoadsAgainButTheResolvedPathDoesNot)
{
    const QString name = QStringLiteral("ft_twice.sui");
    const QString path = inProgramDir(name);
    writeSmallTheme(path, 10);
    TsuiFileTheme theme;
    theme.SetThemeFile(name);
    ASSERT_EQ(theme.GetInt(SuiItem::ControlBorderColor), 10);

    QImage before;
    theme.GetBitmap(SuiItem::ButtonImage, before);
    writeSmallTheme(path, 11, 0xFF0000FF);
    theme.SetThemeFile(theme.ThemeFile()); // the stored text: nothing happens
    EXPECT_EQ(theme.GetInt(SuiItem::ControlBorderColor), 10);
    theme.SetThemeFile(name); // differs from the stored full path: found and loaded again
    EXPECT_EQ(theme.GetInt(SuiItem::ControlBorderColor), 11);
    // Pictures come from the new load too, not from what the old one decoded.
    QImage after;
    theme.GetBitmap(SuiItem::ButtonImage, after);
    EXPECT_EQ(before.pixel(0, 0), 0xFF102030u);
    EXPECT_EQ(after.pixel(0, 0), 0xFF0000FFu);
}

TEST_F(FileThemeTest, ANameFoundNowhereChangesNothing)
{
    TsuiFileTheme theme;
    theme.SetThemeFile(QStringLiteral("ft_missing_first.sui"));
    EXPECT_FALSE(theme.CanUse());
    EXPECT_TRUE(theme.ThemeFile().isEmpty());

    const QString path = work.filePath(QStringLiteral("kept.sui"));
    writeSmallTheme(path, 5);
    theme.SetThemeFile(path);
    theme.SetThemeFile(QStringLiteral("/no/such/dir/ft_missing_second.sui"));
    EXPECT_TRUE(theme.CanUse());
    EXPECT_EQ(theme.ThemeFile(), path);
    EXPECT_EQ(theme.GetInt(SuiItem::ControlBorderColor), 5);
    // A directory of the name is not a theme file.
    theme.SetThemeFile(work.path());
    EXPECT_EQ(theme.ThemeFile(), path);
}

TEST_F(FileThemeTest, AFileWithoutTheMagicIsRefusedAndTheLoadedThemeStays)
{
    const QString good = work.filePath(QStringLiteral("good.sui"));
    writeSmallTheme(good, 6);
    QByteArray bad;
    {
        QFile f(good);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        bad = f.readAll();
    }
    bad[0] = 'X';
    const QString badPath = work.filePath(QStringLiteral("bad.sui"));
    {
        QFile f(badPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bad);
    }
    EXPECT_FALSE(TsuiFileTheme::CheckThemeFile(badPath));
    EXPECT_TRUE(TsuiFileTheme::CheckThemeFile(good));

    TsuiFileTheme theme;
    theme.SetThemeFile(good);
    try {
        theme.SetThemeFile(badPath);
        FAIL() << "no error for a file without the magic";
    } catch (const OrlendaException& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Invalid skin file for DOZErad!"));
    }
    EXPECT_EQ(theme.ThemeFile(), good);
    EXPECT_TRUE(theme.CanUse());
    EXPECT_EQ(theme.GetInt(SuiItem::ControlBorderColor), 6);
}

TEST_F(FileThemeTest, LookupsAnswerZeroUnloadedAndMinusOneForAMissingKey)
{
    TsuiFileTheme theme;
    QImage target(3, 3, QImage::Format_RGB32);
    target.fill(Qt::green);
    const QImage before = target;
    EXPECT_EQ(theme.GetColor(SuiItem::ControlBorderColor), 0u);
    EXPECT_EQ(theme.GetInt(SuiItem::FormMinWidthInt), 0);
    EXPECT_FALSE(theme.GetBool(SuiItem::ButtonTransparentBool));
    theme.GetBitmap(SuiItem::ButtonImage, target);
    theme.GetBitmap(SuiItem::ButtonImage, target, 3, 1);
    EXPECT_EQ(target, before);

    const QString path = work.filePath(QStringLiteral("small.sui"));
    writeSmallTheme(path, 0x00332211);
    theme.SetThemeFile(path);
    EXPECT_EQ(theme.GetColor(SuiItem::ControlBorderColor), 0x00332211u);
    EXPECT_EQ(theme.GetColor(SuiItem::FormBorderColor), 0xFFFFFFFFu);
    EXPECT_EQ(theme.GetInt(SuiItem::FormMinWidthInt), -1);
    EXPECT_FALSE(theme.GetBool(SuiItem::ButtonTransparentBool));
    theme.GetBitmap(SuiItem::CheckBoxImage, target);
    theme.GetBitmap(SuiItem::CheckBoxImage, target, 4, 2);
    EXPECT_EQ(target, before);
    theme.GetBitmap(SuiItem::ButtonImage, target, 3, 2);
    ASSERT_EQ(target.size(), QSize(2, 2));
    EXPECT_EQ(target.pixel(1, 1), 0xFF102030u);
}

TEST_F(FileThemeTest, AShippedStyleFileAnswersAsItsBuiltInStyle)
{
    TsuiFileTheme theme;
    theme.SetThemeFile(shippedTheme(QStringLiteral("DeepBlue")));
    ASSERT_TRUE(theme.CanUse());
    for (const TsuiThemeItem& item : kThemeItems) {
        SCOPED_TRACE(std::string(item.key));
        switch (item.kind) {
        case TsuiType::Color:
            EXPECT_EQ(
                theme.GetColor(item.index), GetInsideThemeColor(TsuiUIStyle::DeepBlue, item.index));
            break;
        case TsuiType::Int:
            EXPECT_EQ(
                theme.GetInt(item.index), GetInsideThemeInt(TsuiUIStyle::DeepBlue, item.index));
            break;
        case TsuiType::Bool:
            EXPECT_EQ(
                theme.GetBool(item.index), GetInsideThemeBool(TsuiUIStyle::DeepBlue, item.index));
            break;
        case TsuiType::Str: {
            QImage fromFile;
            QImage builtIn;
            theme.GetBitmap(item.index, fromFile, 2, 2);
            GetInsideThemeBitmap(TsuiUIStyle::DeepBlue, item.index, &builtIn, 2, 2);
            EXPECT_EQ(fromFile.convertToFormat(QImage::Format_RGB32),
                builtIn.convertToFormat(QImage::Format_RGB32));
            break;
        }
        }
    }
}

TEST_F(FileThemeTest, AFileThatVanishesAfterLoadingChangesNothing)
{
    const QString path = work.filePath(QStringLiteral("vanishing.sui"));
    writeSmallTheme(path, 77, 0xFF405060);
    TsuiFileTheme theme;
    theme.SetThemeFile(path);
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_TRUE(theme.CanUse());
    EXPECT_EQ(theme.GetInt(SuiItem::ControlBorderColor), 77);
    QImage image;
    theme.GetBitmap(SuiItem::ButtonImage, image);
    ASSERT_EQ(image.size(), QSize(6, 2));
    EXPECT_EQ(image.pixel(0, 0), 0xFF405060u);
    // Assigning the same path again finds nothing and so keeps the loaded data.
    theme.SetThemeFile(QStringLiteral("vanishing.sui"));
    EXPECT_EQ(theme.GetInt(SuiItem::ControlBorderColor), 77);
}

TEST_F(FileThemeTest, LoadingGivesTheThemeAgainToEveryTsuiComponentOfTheFormThatUsesIt)
{
    TForm form;
    auto* theme = new TsuiFileTheme(&form);
    auto* other = new TsuiFileTheme(&form);
    auto* user = new TsuiProbeControl(&form);
    auto* notUser = new TsuiProbeControl(&form);
    auto* otherUser = new TsuiProbeControl(&form);
    auto* foreign = new ProbeOther(&form);
    user->SetFileTheme(theme);
    user->SetUIStyle(TsuiUIStyle::FromThemeFile);
    otherUser->SetFileTheme(other);
    otherUser->SetUIStyle(TsuiUIStyle::FromThemeFile);
    foreign->SetFileTheme(theme);
    // Not loaded yet: the control falls back to DeepBlue.
    EXPECT_FALSE(user->usesFile());
    EXPECT_EQ(user->borderColor, GetInsideThemeColor(TsuiUIStyle::DeepBlue, 25));

    const int userReloads = user->reloads;
    const int notUserReloads = notUser->reloads;
    const int otherReloads = otherUser->reloads;
    const int foreignWrites = foreign->writes;
    const QString path = work.filePath(QStringLiteral("form.sui"));
    writeSmallTheme(path, 0x00ABCDEF);
    theme->SetThemeFile(path);

    EXPECT_EQ(user->reloads, userReloads + 1);
    EXPECT_TRUE(user->usesFile());
    EXPECT_EQ(user->borderColor, 0x00ABCDEFu);
    EXPECT_EQ(user->button.size(), QSize(6, 2));
    EXPECT_EQ(notUser->reloads, notUserReloads);
    EXPECT_EQ(otherUser->reloads, otherReloads);
    EXPECT_EQ(foreign->writes, foreignWrites); // its class is no skin component

    // A failed load reassigns nothing.
    theme->SetThemeFile(QStringLiteral("/nowhere/ft_nothing.sui"));
    EXPECT_EQ(user->reloads, userReloads + 1);
}

TEST_F(FileThemeTest, RemovingTheFileThemeReturnsItsControlsToDeepBlue)
{
    TForm form;
    auto* theme = new TsuiFileTheme(&form);
    auto* fileUser = new TsuiProbeControl(&form);
    auto* styleUser = new TsuiProbeControl(&form);
    const QString path = work.filePath(QStringLiteral("removed.sui"));
    writeSmallTheme(path, 0x00121212);
    theme->SetThemeFile(path);
    fileUser->SetFileTheme(theme);
    fileUser->SetUIStyle(TsuiUIStyle::FromThemeFile);
    styleUser->SetUIStyle(TsuiUIStyle::WinXP);
    styleUser->SetFileTheme(theme);
    ASSERT_EQ(fileUser->borderColor, 0x00121212u);

    delete theme;
    EXPECT_EQ(fileUser->FileTheme(), nullptr);
    EXPECT_EQ(fileUser->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(fileUser->borderColor, GetInsideThemeColor(TsuiUIStyle::DeepBlue, 25));
    EXPECT_EQ(styleUser->UIStyle(), TsuiUIStyle::DeepBlue);
}

} // namespace
