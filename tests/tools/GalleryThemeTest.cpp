// The gallery on a shipped style's theme file looks exactly like the same style built in, except
// where the frame's rules tie a look to the built-in style itself (MacOS and Protein).
#include "skin/controls/SUIPanel.h"
#include "skin/windows/SUIForm.h"
#include "skin/windows/SUITitleBar.h"
#include "tools/gallery/GalleryWindow.h"
#include "tools/gallery/Screenshot.h"

#include "framework/OrlendaException.h"

#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString shipped(const QString& style)
{
    return QStringLiteral(ORLENDA_SOURCE_DIR "/resources/themes/") + style + QStringLiteral(".sui");
}

// The bounding box of the pixels that differ; empty when none do.
QRect differences(const QImage& a, const QImage& b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

class GalleryThemeTest : public testing::TestWithParam<TsuiUIStyle> { };

TEST_P(GalleryThemeTest, AShippedStyleFileLooksLikeTheStyleBuiltIn)
{
    const QString name = GalleryStyleName(GetParam());
    // One window at a time: a second window alive would take the focus cue from the first.
    QImage expected;
    {
        GalleryWindow builtIn = CreateGalleryWindow(GetParam());
        expected = GalleryScreenshot(builtIn).convertToFormat(QImage::Format_RGB32);
    }
    GalleryWindow fromFile = CreateThemeGalleryWindow(shipped(name));
    EXPECT_EQ(fromFile.frame->UIStyle(), TsuiUIStyle::FromThemeFile);
    QImage actual = GalleryScreenshot(fromFile).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(actual.size(), expected.size());
    // A titled panel writes its caption white or black by the file's "ControlFontColor" marker,
    // where the built-in style has a colour of its own: its title band is left out.
    for (TsuiPanel* panel : fromFile.form->findChildren<TsuiPanel*>()) {
        const QRect band(panel->mapTo(fromFile.form.get(), QPoint()),
            QSize(panel->width(), panel->TitleHeight() + 1));
        QPainter painter(&actual);
        painter.drawImage(band.topLeft(), expected.copy(band));
    }
    const QRect diff = differences(actual, expected);
    const QRect titleBar = fromFile.frame->TitleBar()->geometry().translated(
        fromFile.frame->mapTo(fromFile.form.get(), QPoint()));
    const QRect below(0, titleBar.bottom() + 1, actual.width(), actual.height());
    // The window's outline and band are the same in every case.
    const QRect inside = actual.rect().adjusted(3, 0, -3, -3);
    switch (GetParam()) {
    case TsuiUIStyle::MacOS:
        // MacOS writes its caption black; a file theme does so only for a marker value in
        // "ControlFontColor", and the exported MacOS file holds plain black there, so its caption
        // is white. MacOS's tiled client and menu pictures belong to the built-in style alone.
        EXPECT_TRUE(differences(actual.copy(titleBar), expected.copy(titleBar)).isValid());
        EXPECT_TRUE(inside.contains(diff));
        break;
    case TsuiUIStyle::Protein:
        // Protein's tiled client belongs to the built-in style; a file theme fills the client
        // with its "FormBackgroundColor". The title bar and the band match.
        EXPECT_TRUE(diff.isValid());
        EXPECT_TRUE(below.contains(diff) && inside.contains(diff))
            << diff.x() << "," << diff.y() << " " << diff.width() << "x" << diff.height();
        break;
    default:
        EXPECT_TRUE(diff.isEmpty()) << "pixels differ in " << diff.x() << "," << diff.y() << " "
                                    << diff.width() << "x" << diff.height();
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedStyles, GalleryThemeTest,
    testing::Values(TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
        TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass),
    [](const auto& info) { return GalleryStyleName(info.param).toStdString(); });

TEST(GalleryTheme, AFileWithoutTheMagicIsRefused)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plain.sui"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("no theme here");
    file.close();
    EXPECT_THROW(CreateThemeGalleryWindow(path), OrlendaException);
    EXPECT_EQ(GalleryThemeName(shipped(QStringLiteral("Copper"))), QStringLiteral("Copper"));
}

} // namespace
