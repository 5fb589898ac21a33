// The theme files shipped in resources/themes hold their built-in style, item for item.
#include "skin/styles/SUIThemeFile.h"
#include "skin/styles/Suiresdef.h"

#include <QImage>
#include <QMetaEnum>
#include <gtest/gtest.h>

namespace {

using namespace SuiThemes;

class ShippedThemeFileTest : public testing::TestWithParam<TsuiUIStyle> {
protected:
    static QString styleName(TsuiUIStyle style)
    {
        return QLatin1String(QMetaEnum::fromType<TsuiUIStyle>().valueToKey(int(style)));
    }
};

TEST_P(ShippedThemeFileTest, HoldsAllItemsWithTheBuiltInKindsAndValues)
{
    const TsuiUIStyle style = GetParam();
    const QString file
        = QStringLiteral(ORLENDA_SOURCE_DIR "/resources/themes/") + styleName(style) + ".sui";
    ASSERT_TRUE(IsSUIThemeFile(file)) << file.toStdString();
    const TsuiThemeFileReader reader(file);
    EXPECT_EQ(reader.entries().size(), size_t(SUI_THEME_ITEM_COUNT));

    for (const TsuiThemeItem& item : kThemeItems) {
        const QString key = QString::fromLatin1(item.key.data(), qsizetype(item.key.size()));
        SCOPED_TRACE(key.toStdString());
        switch (item.kind) {
        case TsuiType::Str: {
            QIODevice* stream = reader.GetFile(key);
            ASSERT_NE(stream, nullptr);
            QImage stored;
            ASSERT_TRUE(stored.load(stream, "BMP"));
            QImage builtIn;
            GetInsideThemeBitmap(style, item.index, &builtIn);
            ASSERT_FALSE(builtIn.isNull());
            // Pixel for pixel: a redrawn built-in picture must reach the shipped files too.
            EXPECT_EQ(stored.convertToFormat(QImage::Format_RGB32),
                builtIn.convertToFormat(QImage::Format_RGB32));
            break;
        }
        case TsuiType::Color:
            EXPECT_EQ(uint32_t(reader.GetInteger(key)), GetInsideThemeColor(style, item.index));
            break;
        case TsuiType::Int:
            EXPECT_EQ(reader.GetInteger(key), GetInsideThemeInt(style, item.index));
            break;
        case TsuiType::Bool: {
            EXPECT_EQ(reader.GetBool(key), GetInsideThemeBool(style, item.index));
            EXPECT_EQ(reader.GetInteger(key), -1); // stored as a boolean entry, not an integer
            break;
        }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryBuiltInStyle, ShippedThemeFileTest,
    testing::Values(TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
        TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass),
    [](const auto& info) {
        return QMetaEnum::fromType<TsuiUIStyle>().valueToKey(int(info.param));
    });

} // namespace
