// The picture generator as the build runs it: one folder and one resource list per group.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

const QString kGenerator = QStringLiteral(ORLENDA_BINARY_DIR "/tools/orlenda_resgen");

int runGenerator(const QStringList& arguments)
{
    QProcess process;
    process.start(kGenerator, arguments);
    if (!process.waitForFinished(60000))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

struct Listed {
    QString prefix;
    QStringList aliases;
    QStringList files;
};

Listed readQrc(const QString& path)
{
    Listed listed;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return listed;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("qresource"))
            listed.prefix = xml.attributes().value(QLatin1String("prefix")).toString();
        if (xml.name() == QLatin1String("file")) {
            listed.aliases << xml.attributes().value(QLatin1String("alias")).toString();
            listed.files << xml.readElementText();
        }
    }
    return listed;
}

} // namespace

TEST(Resgen, WritesEachPictureOfTheGroupAndAResourceListNamingIt)
{
    ASSERT_TRUE(QFile::exists(kGenerator));
    QTemporaryDir out;
    ASSERT_EQ(runGenerator({ "--out", out.path(), "--group", "skin" }), 0);
    const Listed skin = readQrc(out.filePath("skin.qrc"));
    EXPECT_EQ(skin.prefix, "/skin");
    EXPECT_GE(skin.files.size(), 110);
    EXPECT_TRUE(skin.aliases.contains("MSNPOPFORM.bmp"));
    for (int i = 0; i < skin.files.size(); ++i) {
        EXPECT_EQ(skin.files[i], "skin/" + skin.aliases[i]);
        const QImage image(out.filePath(skin.files[i]));
        EXPECT_FALSE(image.isNull()) << qPrintable(skin.files[i]);
    }
    // Only the asked group is drawn.
    EXPECT_FALSE(QFile::exists(out.filePath("browser.qrc")));
}

TEST(Resgen, AGroupWithoutPicturesStillGetsAnEmptyListAndMissingOptionsFail)
{
    QTemporaryDir out;
    ASSERT_EQ(runGenerator({ "--out", out.path(), "--group", "nothing" }), 0);
    const Listed none = readQrc(out.filePath("nothing.qrc"));
    EXPECT_EQ(none.prefix, "/nothing");
    EXPECT_TRUE(none.files.isEmpty());
    EXPECT_EQ(runGenerator({}), 2);
    // An output folder that cannot be created is reported, not passed over.
    QFile blocker(out.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_NE(runGenerator({ "--out", out.filePath("file"), "--group", "skin" }), 0);
}

TEST(Resgen, DrawsAContactSheetOfTheSelectedPictures)
{
    QTemporaryDir out;
    const QString sheet = out.filePath("sheet.png");
    ASSERT_EQ(runGenerator({ "--sheet", sheet, "--group", "skin" }), 0);
    const QImage image(sheet);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 1600);
    EXPECT_GT(image.height(), 1000);
}

namespace {

// How far a twin strays from its 1x picture, per logical pixel: its 2 x 2 block averaged.
struct Agreement {
    qint64 pixels = 0;
    qint64 keyDiffers = 0; // key colour in one and not (mostly) in the other
    qint64 colourDiffers = 0; // a channel more than a quarter of the range away
};

Agreement compare(const QImage& once, const QImage& twice)
{
    Agreement a;
    const auto isKey = [](QRgb p) { return (p & 0xFFFFFFu) == 0xFF00FFu; };
    for (int y = 0; y < once.height(); ++y)
        for (int x = 0; x < once.width(); ++x) {
            int sum[3] = { 0, 0, 0 }, keys = 0;
            for (int d = 0; d < 4; ++d) {
                const QRgb p = twice.pixel(2 * x + d % 2, 2 * y + d / 2);
                sum[0] += qRed(p), sum[1] += qGreen(p), sum[2] += qBlue(p);
                keys += isKey(p);
            }
            const QRgb p = once.pixel(x, y);
            ++a.pixels;
            if (isKey(p) != (keys >= 2))
                ++a.keyDiffers;
            else if (!isKey(p)
                && (std::abs(sum[0] / 4 - qRed(p)) > 64 || std::abs(sum[1] / 4 - qGreen(p)) > 64
                    || std::abs(sum[2] / 4 - qBlue(p)) > 64))
                ++a.colourDiffers;
        }
    return a;
}

} // namespace

TEST(Resgen, DrawsEverySkinBitmapAgainAtTwiceTheSizeWithTheSameLayout)
{
    QTemporaryDir out;
    ASSERT_EQ(runGenerator({ "--out", out.path(), "--group", "skin", "--group", "browser" }), 0);
    Agreement all;
    int twins = 0;
    for (const char* group : { "skin", "browser" }) {
        const Listed listed = readQrc(out.filePath(QString::fromLatin1(group) + ".qrc"));
        for (const QString& alias : listed.aliases) {
            if (!alias.endsWith(".bmp") || alias.contains('@'))
                continue;
            SCOPED_TRACE(alias.toStdString());
            QString twin = alias;
            twin.replace(".bmp", "@2x.bmp");
            ASSERT_TRUE(listed.aliases.contains(twin));
            const QImage once = QImage(out.filePath(QString::fromLatin1(group) + '/' + alias))
                                    .convertToFormat(QImage::Format_RGB32);
            QImage twice = QImage(out.filePath(QString::fromLatin1(group) + '/' + twin))
                               .convertToFormat(QImage::Format_RGB32);
            ASSERT_EQ(twice.size(), once.size() * 2);
            // Anti-aliased rims fall differently at twice the size; a shifted or misdrawn
            // layout would disagree on far more than that.
            const Agreement a = compare(once, twice);
            EXPECT_LE(a.keyDiffers * 100, a.pixels * 15);
            EXPECT_LE(a.colourDiffers * 100, a.pixels * 15);
            all.pixels += a.pixels, all.keyDiffers += a.keyDiffers;
            all.colourDiffers += a.colourDiffers;
            ++twins;

            // Pictures drawn pixel by pixel double exactly: no blur, no shift.
            if (alias == "MENU_CHECKED.bmp" || alias == "STATUSBAR_HANDLE.bmp"
                || alias == "MACOS_FORM_BACKGROUND.bmp" || alias == "PROTEIN_FORM_BACKGROUND.bmp") {
                const QImage expected
                    = once.scaled(once.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
                twice.setDevicePixelRatio(1);
                EXPECT_EQ(twice, expected);
            }
        }
    }
    EXPECT_GE(twins, 110);
    EXPECT_LE(all.keyDiffers * 100, all.pixels);
    EXPECT_LE(all.colourDiffers * 100, all.pixels * 2);
    // Only the skin's bitmaps have twins: the banner and the icons are drawn once.
    EXPECT_FALSE(QFile::exists(out.filePath("browser/BANNER@2x.jpg")));
    EXPECT_FALSE(QFile::exists(out.filePath("browser/MAINICON@2x.png")));
}

TEST(Resgen, DrawsTheContactSheetOfTheTwinsAtScaleTwoAndRefusesOtherScales)
{
    QTemporaryDir out;
    const QString twice = out.filePath("twice.png");
    ASSERT_EQ(runGenerator({ "--sheet", twice, "--group", "browser", "--scale", "2" }), 0);
    EXPECT_FALSE(QImage(twice).isNull());
    const QString refused = out.filePath("refused.png");
    EXPECT_EQ(runGenerator({ "--sheet", refused, "--scale", "3" }), 2);
    EXPECT_FALSE(QFile::exists(refused));
}
