// A theme carried inside a form description: written from the recorded file, read back through a
// temporary file that is created exclusively and removed again.
#include "FileThemeTestSupport.h"

#include "framework/FormReader.h"
#include "framework/FormWriter.h"
#include "framework/TForm.h"
#include "skin/styles/Suimgr.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace SuiThemes;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

class BuiltInFileThemeTest : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterSuimgrComponents();
        ComponentRegistry::instance().add<TsuiProbeControl>();
        m_oldTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        ASSERT_EQ(QDir(QDir::tempPath()).canonicalPath(), QDir(temp.path()).canonicalPath());
    }
    void TearDown() override { qputenv("TMPDIR", m_oldTmp); }

    // A form whose control takes its items from a built-in theme recorded at `recorded`.
    QByteArray describeForm(const QString& recorded)
    {
        TForm form;
        form.setObjectName(QStringLiteral("fmThemed"));
        auto* theme = new TsuiBuiltInFileTheme(&form);
        theme->setObjectName(QStringLiteral("suiBuiltInFileTheme1"));
        theme->SetRecordedThemeFile(recorded);
        auto* control = new TsuiProbeControl(&form);
        control->setObjectName(QStringLiteral("suiProbe1"));
        control->SetFileTheme(theme);
        control->SetUIStyle(TsuiUIStyle::FromThemeFile);
        return formDescription(&form);
    }
    void readInto(TForm& form, const QByteArray& description)
    {
        QByteArray copy = description;
        QBuffer buffer(&copy);
        buffer.open(QIODevice::ReadOnly);
        readForm(&form, &buffer, QStringLiteral("themed.xml"));
    }
    QStringList tempEntries() const
    {
        return QDir(temp.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    QTemporaryDir temp;
    QTemporaryDir source;

private:
    QByteArray m_oldTmp;
};

TEST_F(BuiltInFileThemeTest, SettingTheRecordedPathLoadsNothing)
{
    const QString path = source.filePath(QStringLiteral("recorded.sui"));
    writeSmallTheme(path, 1);
    TsuiBuiltInFileTheme theme;
    EXPECT_TRUE(theme.setProperty("ThemeFile", path));
    EXPECT_EQ(theme.property("ThemeFile").toString(), path);
    EXPECT_FALSE(theme.CanUse());
    EXPECT_TRUE(theme.TsuiFileTheme::ThemeFile().isEmpty());
}

TEST_F(BuiltInFileThemeTest, AFormStillThemesItsControlsWhenTheOriginalFileIsGone)
{
    const QString path = source.filePath(QStringLiteral("carried.sui"));
    writeSmallTheme(path, 0x00445566, 0xFF0A0B0C);
    const QByteArray original = bytesOf(path);
    const QByteArray description = describeForm(path);
    ASSERT_TRUE(description.contains("SkinData")) << description.toStdString();
    // Stored once, under the published name, with the recorded path.
    EXPECT_EQ(description.count("name=\"ThemeFile\""), 1);
    EXPECT_TRUE(description.contains(QByteArray(original.toBase64())));
    ASSERT_TRUE(QFile::remove(path));

    TForm form;
    readInto(form, description);
    auto* theme = form.findChild<TsuiBuiltInFileTheme*>(QStringLiteral("suiBuiltInFileTheme1"));
    auto* control = form.findChild<TsuiProbeControl*>(QStringLiteral("suiProbe1"));
    ASSERT_TRUE(theme && control);
    EXPECT_TRUE(theme->CanUse());
    EXPECT_EQ(theme->RecordedThemeFile(), path);
    EXPECT_EQ(theme->TsuiFileTheme::ThemeFile(), QDir(temp.path()).filePath("DIDEZOV.sui"));
    EXPECT_TRUE(control->usesFile());
    EXPECT_EQ(control->borderColor, 0x00445566u);
    ASSERT_EQ(control->button.size(), QSize(6, 2));
    EXPECT_EQ(control->button.pixel(5, 1), 0xFF0A0B0Cu);
    EXPECT_TRUE(tempEntries().isEmpty()) << tempEntries().join(' ').toStdString();
}

TEST_F(BuiltInFileThemeTest, ATakenTemporaryNameIsLeftAloneAndTheCounterNameUsed)
{
    const QString path = source.filePath(QStringLiteral("carried.sui"));
    writeSmallTheme(path, 0x00010203);
    const QByteArray description = describeForm(path);
    const QString taken = QDir(temp.path()).filePath(QStringLiteral("DIDEZOV.sui"));
    const QByteArray someoneElses("not ours, keep me\n");
    writeBytes(taken, someoneElses);

    TForm form;
    readInto(form, description);
    auto* theme = form.findChild<TsuiBuiltInFileTheme*>();
    auto* control = form.findChild<TsuiProbeControl*>();
    ASSERT_TRUE(theme && control);
    EXPECT_EQ(theme->TsuiFileTheme::ThemeFile(), QDir(temp.path()).filePath("DIDEZOV1.sui"));
    EXPECT_EQ(control->borderColor, 0x00010203u);
    EXPECT_EQ(bytesOf(taken), someoneElses);
    EXPECT_EQ(tempEntries(), QStringList { QStringLiteral("DIDEZOV.sui") });
}

TEST_F(BuiltInFileThemeTest, TemporaryNamesCountOnPastEveryTakenOne)
{
    const QDir dir(temp.path());
    writeBytes(dir.filePath("DIDEZOV.sui"), "a");
    writeBytes(dir.filePath("DIDEZOV1.sui"), "b");
    // A dangling link is a taken name too: creating through it would make a file elsewhere.
    ASSERT_TRUE(QFile::link(source.filePath("elsewhere"), dir.filePath("DIDEZOV2.sui")));
    const QString made = SaveTemporaryThemeFile(temp.path(), "theme bytes");
    EXPECT_EQ(made, dir.filePath("DIDEZOV3.sui"));
    EXPECT_EQ(bytesOf(made), QByteArray("theme bytes"));
    EXPECT_FALSE(QFileInfo::exists(source.filePath("elsewhere")));
    EXPECT_EQ(bytesOf(dir.filePath("DIDEZOV.sui")), QByteArray("a"));
    EXPECT_EQ(bytesOf(dir.filePath("DIDEZOV1.sui")), QByteArray("b"));
}

TEST_F(BuiltInFileThemeTest, NoSkinDataIsWrittenWhenTheRecordedFileIsMissing)
{
    const QByteArray description = describeForm(source.filePath(QStringLiteral("absent.sui")));
    EXPECT_FALSE(description.contains("SkinData"));
    TForm form;
    readInto(form, description);
    auto* control = form.findChild<TsuiProbeControl*>();
    ASSERT_TRUE(control);
    EXPECT_FALSE(control->usesFile());
    EXPECT_EQ(control->borderColor, GetInsideThemeColor(TsuiUIStyle::DeepBlue, 25));
}

TEST_F(BuiltInFileThemeTest, CarriedBytesThatAreNoThemeFailTheDescriptionAndLeaveNoFile)
{
    const QString path = source.filePath(QStringLiteral("fake.sui"));
    writeBytes(path, "plainly not a theme");
    const QByteArray description = describeForm(path);
    ASSERT_TRUE(description.contains("SkinData"));
    TForm form;
    try {
        readInto(form, description);
        FAIL() << "the description was accepted";
    } catch (const OrlendaException& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("Invalid skin file for DOZErad!")))
            << e.message().toStdString();
    }
    EXPECT_TRUE(tempEntries().isEmpty());
}

} // namespace
