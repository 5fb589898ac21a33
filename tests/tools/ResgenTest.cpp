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
