// The theme tool's folder conversions: round trips, refusals naming file and line, and listing.
#include "tools/themetool/ThemeFolder.h"

#include "skin/styles/SUIThemeFile.h"
#include "skin/styles/Suiresdef.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace SuiThemes;

QString keyOf(const TsuiThemeItem& item)
{
    return QString::fromLatin1(item.key.data(), qsizetype(item.key.size()));
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ThemeToolTest : public testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }

    void write(const QString& name, const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(path(name)).path());
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    void writePicture(const QString& name, int width = 2, int height = 1) const
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(QColor(10, 20, 30));
        QDir().mkpath(QFileInfo(path(name)).path());
        ASSERT_TRUE(image.save(path(name), "BMP"));
    }

    // The message of the error `pack` raises for a folder holding `text` as theme.txt.
    std::string packError(const QByteArray& text)
    {
        const QString folder = path(QStringLiteral("bad%1").arg(++folders));
        QDir().mkpath(folder);
        write(folder.mid(dir.path().size() + 1) + "/theme.txt", text);
        try {
            ThemeFolder::pack(folder, folder + ".sui");
        } catch (const ThemeToolError& error) {
            EXPECT_FALSE(QFile::exists(folder + ".sui")) << "a refused folder writes no file";
            return error.message().mid(folder.size() + 1).toStdString();
        }
        return "accepted";
    }

    QTemporaryDir dir;
    int folders = 0;
};

TEST_F(ThemeToolTest, ExportedStylePacksUnpacksAndPacksAgainToTheSameBytes)
{
    ThemeFolder::exportBuiltin(TsuiUIStyle::WinXP, path("exported"));
    EXPECT_TRUE(ThemeFolder::pack(path("exported"), path("first.sui")).isEmpty());
    EXPECT_TRUE(ThemeFolder::unpack(path("first.sui"), path("unpacked")).isEmpty());
    EXPECT_TRUE(ThemeFolder::pack(path("unpacked"), path("second.sui")).isEmpty());
    EXPECT_EQ(contents(path("first.sui")), contents(path("second.sui")));

    // The file answers what the built-in style answers, pictures pixel for pixel.
    const TsuiThemeFileReader reader(path("first.sui"));
    EXPECT_EQ(reader.entries().size(), 42u);
    for (const TsuiThemeItem& item : kThemeItems) {
        const QString key = keyOf(item);
        switch (item.kind) {
        case TsuiType::Str: {
            QImage builtIn;
            GetInsideThemeBitmap(TsuiUIStyle::WinXP, item.index, &builtIn);
            QImage stored;
            ASSERT_NE(reader.GetFile(key), nullptr) << item.index;
            ASSERT_TRUE(stored.load(reader.GetFile(key), "BMP")) << item.index;
            EXPECT_EQ(stored.convertToFormat(QImage::Format_RGB32),
                builtIn.convertToFormat(QImage::Format_RGB32))
                << item.index;
            EXPECT_EQ(contents(path("unpacked/" + key + ".bmp")),
                contents(path("exported/" + key + ".bmp")));
            break;
        }
        case TsuiType::Color:
            EXPECT_EQ(uint32_t(reader.GetInteger(key)),
                GetInsideThemeColor(TsuiUIStyle::WinXP, item.index))
                << item.index;
            break;
        case TsuiType::Int:
            EXPECT_EQ(reader.GetInteger(key), GetInsideThemeInt(TsuiUIStyle::WinXP, item.index));
            break;
        case TsuiType::Bool:
            EXPECT_EQ(reader.GetBool(key), GetInsideThemeBool(TsuiUIStyle::WinXP, item.index));
            break;
        }
    }
}

TEST_F(ThemeToolTest, PackReadsColoursRedLowAndWarnsOfMissingItems)
{
    writePicture("folder/buttonimage.BMP", 3, 2);
    write("folder/theme.txt",
        "# my theme\n\n  FormBackgroundColor   =   #112233  \r\n"
        "formminwidthint=-5\nButtonTransparentBool = TRUE\nMenuBarColor = 0x8000000F\n");
    const QStringList warnings = ThemeFolder::pack(path("folder"), path("out.sui"));
    EXPECT_EQ(warnings.size(), 42 - 5);
    EXPECT_TRUE(warnings.filter("CheckBoxImage").size() == 1);

    const TsuiThemeFileReader reader(path("out.sui"));
    EXPECT_EQ(reader.GetInteger("FormBackgroundColor"), 0x00332211);
    EXPECT_EQ(uint32_t(reader.GetInteger("MenuBarColor")), 0x8000000Fu);
    EXPECT_EQ(reader.GetInteger("FormMinWidthInt"), -5);
    EXPECT_TRUE(reader.GetBool("ButtonTransparentBool"));
    ASSERT_FALSE(reader.entries().empty());
    EXPECT_EQ(reader.entries()[0].key, "ButtonImage"); // the table's spelling
    EXPECT_EQ(reader.GetFile("ButtonImage")->readAll(), contents(path("folder/buttonimage.BMP")));
}

TEST_F(ThemeToolTest, PackRefusesBadLinesNamingFileAndLine)
{
    EXPECT_EQ(packError("FormMinWidthInt = 1\nNoEquals\n"), "theme.txt:2: expected Key = value");
    EXPECT_EQ(packError(" = 5"), "theme.txt:1: expected Key = value");
    EXPECT_EQ(packError("\n# c\nUnknownKey = 1"), "theme.txt:3: unknown key \"UnknownKey\"");
    EXPECT_EQ(packError("buttonimage = x"),
        "theme.txt:1: \"ButtonImage\" is an image item; put ButtonImage.bmp beside theme.txt");
    EXPECT_EQ(packError("FormMinWidthInt = 1\nFORMMINWIDTHINT = 2"),
        "theme.txt:2: \"FormMinWidthInt\" is already set on line 1");
    EXPECT_EQ(packError("FormMinWidthInt = 12a"),
        "theme.txt:1: \"FormMinWidthInt\" needs a whole number, not \"12a\"");
    EXPECT_EQ(packError("FormMinWidthInt = 4294967296"),
        "theme.txt:1: \"FormMinWidthInt\" needs a whole number, not \"4294967296\"");
    for (const char* colour : { "#12345", "#1234567", "red", "#GG0000", "#+12345", "0x", "12" }) {
        EXPECT_EQ(packError(QByteArray("FormBorderColor = ") + colour),
            "theme.txt:1: \"FormBorderColor\" needs a colour #RRGGBB, not \"" + std::string(colour)
                + "\"");
    }
    EXPECT_EQ(packError("ButtonTransparentBool = yes"),
        "theme.txt:1: \"ButtonTransparentBool\" needs true or false, not \"yes\"");
}

TEST_F(ThemeToolTest, PackRefusesPicturesThatNameNoImageOrAreNoBmp)
{
    const auto refusal = [&](const QString& folder) -> QString {
        write(folder + "/theme.txt", "");
        try {
            ThemeFolder::pack(path(folder), path(folder + ".sui"));
        } catch (const ThemeToolError& error) {
            return error.message().mid(path(folder).size() + 1);
        }
        return "accepted";
    };
    writePicture("a/Unknown.bmp");
    EXPECT_EQ(refusal("a"), "Unknown.bmp: no image item is named \"Unknown\"");
    writePicture("b/FormMinWidthInt.bmp");
    EXPECT_EQ(refusal("b"), "FormMinWidthInt.bmp: \"FormMinWidthInt\" is not an image item");
    write("c/ButtonImage.bmp", "BM but not a picture");
    EXPECT_EQ(refusal("c"), "ButtonImage.bmp: not a BMP picture");
    writePicture("d/ButtonImage.bmp");
    writePicture("d/buttonimage.bmp");
    EXPECT_TRUE(refusal("d").contains("a second picture for \"ButtonImage\""));

    EXPECT_THROW(ThemeFolder::pack(path("none"), path("none.sui")), ThemeToolError);
    QDir().mkpath(path("notext"));
    EXPECT_THROW(ThemeFolder::pack(path("notext"), path("notext.sui")), ThemeToolError);
}

TEST_F(ThemeToolTest, UnpackWritesOnlyThemeItemsAndNeverLeavesTheFolder)
{
    writePicture("pic.bmp", 4, 2);
    write("notbmp.bin", "plain bytes");
    {
        TsuiThemeFileWriter writer(path("mixed.sui"));
        writer.AddFile("../escape", path("pic.bmp"));
        writer.AddFile("checkboximage", path("pic.bmp"));
        writer.AddFile("RadioButtonImage", path("notbmp.bin"));
        writer.AddStr("Caption", "text");
        writer.AddInteger("FormBackgroundColor", 0x00332211);
        writer.AddInteger("FormBackgroundColor", 0x00FFFFFF);
        writer.AddInteger("MenuBarColor", int32_t(0x8000000F));
        writer.AddInteger("ButtonImage", 3);
        writer.AddBool("FormMinWidthInt", true);
        writer.AddBool("ButtonTransparentBool", true);
        writer.Save();
    }
    const QStringList warnings = ThemeFolder::unpack(path("mixed.sui"), path("out"));
    EXPECT_EQ(warnings.filter("\"../escape\" (file) is no theme item").size(), 1);
    EXPECT_EQ(warnings.filter("\"Caption\" (string) is no theme item").size(), 1);
    EXPECT_EQ(warnings.filter("\"ButtonImage\" (integer) is no theme item").size(), 1);
    EXPECT_EQ(warnings.filter("\"FormMinWidthInt\" (boolean) is no theme item").size(), 1);
    EXPECT_EQ(warnings.filter("repeats an earlier key").size(), 1);
    EXPECT_EQ(warnings.filter("\"RadioButtonImage\" (file) is not a BMP picture").size(), 1);
    EXPECT_FALSE(QFile::exists(path("escape.bmp")));
    EXPECT_FALSE(QFile::exists(path("../escape.bmp")));

    QStringList written = QDir(path("out")).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(written, QStringList({ "CheckBoxImage.bmp", "RadioButtonImage.bmp", "theme.txt" }));
    EXPECT_EQ(contents(path("out/CheckBoxImage.bmp")), contents(path("pic.bmp")));
    const QString text = QString::fromUtf8(contents(path("out/theme.txt")));
    EXPECT_TRUE(text.contains("\nFormBackgroundColor = #112233\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nMenuBarColor = 0x8000000F\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nButtonTransparentBool = true\n")) << text.toStdString();
}

TEST_F(ThemeToolTest, WritingRefusesFoldersThatHoldFilesAndFilesThatAreNoTheme)
{
    write("full/keep.txt", "mine");
    EXPECT_THROW(ThemeFolder::exportBuiltin(TsuiUIStyle::MacOS, path("full")), ThemeToolError);
    EXPECT_THROW(ThemeFolder::exportBuiltin(TsuiUIStyle::FromThemeFile, path("x")), ThemeToolError);
    write("plain.sui", "DOZErad_tb\0\0 not quite");
    EXPECT_THROW(ThemeFolder::unpack(path("plain.sui"), path("y")), ThemeToolError);
    EXPECT_THROW(ThemeFolder::list(path("plain.sui")), ThemeToolError);
    EXPECT_FALSE(QDir(path("y")).exists());
    EXPECT_EQ(contents(path("full/keep.txt")), "mine");
}

TEST_F(ThemeToolTest, ListShowsEveryEntryInFileOrder)
{
    writePicture("pic.bmp", 4, 2);
    {
        TsuiThemeFileWriter writer(path("list.sui"));
        writer.AddBool("ButtonTransparentBool", true);
        writer.AddInteger("FormBorderColor", 0x00C82C00);
        writer.AddInteger("FormBorderColor", 7);
        writer.AddInteger("FormMinWidthInt", 270);
        writer.AddFile("ButtonImage", path("pic.bmp"));
        writer.AddStr("Note", "a=b");
        writer.Save();
    }
    const QStringList lines = ThemeFolder::list(path("list.sui"));
    ASSERT_EQ(lines.size(), 6);
    const auto fields = [&](int i) { return lines[i].simplified(); };
    EXPECT_EQ(fields(0),
        QStringLiteral("ButtonImage file %1 BMP 4x2").arg(contents(path("pic.bmp")).size()));
    EXPECT_EQ(fields(1), "Note string 3 \"a=b\"");
    EXPECT_EQ(fields(2), "FormBorderColor integer 4 #002CC8");
    EXPECT_EQ(fields(3), "FormBorderColor integer 4 #070000 (hidden by an earlier entry)");
    EXPECT_EQ(fields(4), "FormMinWidthInt integer 4 270");
    EXPECT_EQ(fields(5), "ButtonTransparentBool boolean 1 true");
}

TEST(ThemeToolTextTest, ColoursAndStyleNamesReadBackAsWritten)
{
    EXPECT_EQ(ThemeFolder::colorText(0x00C82C00), "#002CC8");
    EXPECT_EQ(ThemeFolder::colorText(0x00000000), "#000000");
    EXPECT_EQ(ThemeFolder::colorText(0xFFFFFFFF), "0xFFFFFFFF");
    for (uint32_t colour : { 0x00332211u, 0x00FFFFFFu, 0x8000000Fu, 0xFF000000u, 0x01000000u })
        EXPECT_EQ(ThemeFolder::parseColor(ThemeFolder::colorText(colour)), colour);
    EXPECT_EQ(ThemeFolder::parseColor("#a0b0c0"), 0x00C0B0A0u);
    EXPECT_EQ(ThemeFolder::parseColor("0x123456789"), std::nullopt);

    EXPECT_EQ(ThemeFolder::styleFromName("blueglass"), TsuiUIStyle::BlueGlass);
    EXPECT_EQ(ThemeFolder::styleFromName("MacOS"), TsuiUIStyle::MacOS);
    EXPECT_EQ(ThemeFolder::styleFromName("FromThemeFile"), std::nullopt);
    EXPECT_EQ(ThemeFolder::styleFromName("Aqua"), std::nullopt);
}

} // namespace
