// Copper, our own theme: complete, of the right kinds and sizes, and as the generator draws it now.
#include "skin/styles/SUIThemeFile.h"
#include "skin/styles/SUIThemes.h"
#include "skin/styles/Suiresdef.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace SuiThemes;

const QString kCopper = QStringLiteral(ORLENDA_SOURCE_DIR "/resources/themes/Copper.sui");

QString keyOf(const TsuiThemeItem& item)
{
    return QString::fromLatin1(item.key.data(), qsizetype(item.key.size()));
}

TEST(CopperTheme, HoldsEveryItemWithItsKindAndTheBuiltInPictureSizes)
{
    ASSERT_TRUE(IsSUIThemeFile(kCopper));
    const TsuiThemeFileReader reader(kCopper);
    EXPECT_EQ(reader.entries().size(), size_t(SUI_THEME_ITEM_COUNT));
    for (const TsuiThemeItem& item : kThemeItems) {
        SCOPED_TRACE(keyOf(item).toStdString());
        switch (item.kind) {
        case TsuiType::Str: {
            QIODevice* stream = reader.GetFile(keyOf(item));
            ASSERT_NE(stream, nullptr);
            QImage stored;
            ASSERT_TRUE(stored.load(stream, "BMP"));
            // Frame layouts are those of the items, so every control cuts it as it cuts DeepBlue.
            QImage builtIn;
            GetInsideThemeBitmap(TsuiUIStyle::DeepBlue, item.index, &builtIn);
            EXPECT_EQ(stored.size(), builtIn.size());
            break;
        }
        case TsuiType::Color:
        case TsuiType::Int:
            EXPECT_NE(reader.GetInteger(keyOf(item)), -1);
            break;
        case TsuiType::Bool:
            EXPECT_EQ(reader.GetInteger(keyOf(item)), -1); // a boolean entry, not an integer
            break;
        }
    }
    // White captions on the copper title bar: black is no dark-caption marker.
    EXPECT_EQ(reader.GetInteger(QStringLiteral("ControlFontColor")), 0);
}

TEST(CopperTheme, IsWhatTheGeneratorDrawsNow)
{
    QTemporaryDir out;
    QProcess generator;
    generator.start(QStringLiteral(ORLENDA_BINARY_DIR "/tools/orlenda_resgen"),
        { QStringLiteral("--out"), out.path(), QStringLiteral("--group"),
            QStringLiteral("theme_copper") });
    ASSERT_TRUE(generator.waitForFinished(60000));
    ASSERT_EQ(generator.exitCode(), 0);
    const TsuiThemeFileReader reader(kCopper);
    for (const TsuiThemeItem& item : kThemeItems) {
        if (item.kind != TsuiType::Str)
            continue;
        SCOPED_TRACE(keyOf(item).toStdString());
        const QImage drawn(
            QDir(out.path())
                .filePath(QStringLiteral("theme_copper/") + keyOf(item) + QStringLiteral(".bmp")));
        QImage stored;
        QIODevice* stream = reader.GetFile(keyOf(item));
        ASSERT_NE(stream, nullptr);
        ASSERT_TRUE(stored.load(stream, "BMP"));
        EXPECT_EQ(stored.convertToFormat(QImage::Format_RGB32),
            drawn.convertToFormat(QImage::Format_RGB32))
            << "run scripts/make-copper-theme.sh";
    }
}

} // namespace
