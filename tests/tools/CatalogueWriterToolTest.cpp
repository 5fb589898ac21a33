// Runs the real orlenda_catwriter the build uses to write the shipped catalogue.
#include "catalogue/OrlendaData.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kTool = ORLENDA_BINARY_DIR "/bin/orlenda_catwriter";

struct ToolRun {
    int exitCode = -1;
    QString errors;
};

ToolRun runTool(const QStringList& arguments)
{
    QProcess process;
    process.start(kTool, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return { process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError()) };
}

class CatalogueWriterTool : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QFile::exists(kTool)) << kTool.toStdString(); }
    QString writeSource(const QByteArray& text)
    {
        const QString path = dir.filePath("values.txt");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }
    QTemporaryDir dir;
    const QString output = dir.filePath("orlenda.dat");
};

TEST_F(CatalogueWriterTool, WritesALoadableCatalogueFromAValidSource)
{
    const QString source = writeSource("[QSECURITY]\ncategory: *SEC\ntype: Character\nlength: 2\n"
                                       "description: Security level\ndetail:\n<p>40</p>\n.\n");
    const ToolRun run = runTool({ source, output });
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    OrlendaData data(output.toLocal8Bit().constData());
    ASSERT_EQ(data.GetCount(), 1);
    EXPECT_STREQ(data.GetItem(0)->szName, "QSECURITY");
    EXPECT_EQ(data.GetItem(0)->nCategory, 5);
    EXPECT_EQ(data.GetItem(0)->strDetail, "<p>40</p>");
}

TEST_F(CatalogueWriterTool, RejectsAMalformedSourceWithItsLineAndLeavesTheOldFile)
{
    QFile old(output);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("previous");
    old.close();
    const QString source = writeSource("[QSECURITY]\ncategory: *SEC\ntype: Decimal\n");
    const ToolRun run = runTool({ source, output });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.startsWith(source + ":3: unknown type 'Decimal'"))
        << run.errors.toStdString();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "previous");
}

TEST_F(CatalogueWriterTool, FailsOnAnEmptyOrMissingSourceAndOnWrongArguments)
{
    const QString empty = writeSource("# nothing here\n");
    ToolRun run = runTool(QStringList { empty, output });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains("holds no values")) << run.errors.toStdString();
    run = runTool({ dir.filePath("missing.txt"), output });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains("cannot open"));
    EXPECT_EQ(runTool({ output }).exitCode, 2);
    EXPECT_FALSE(QFile::exists(output));
}

} // namespace
