#include "browser/ReferencePages.h"
#include "browser/CatalogueTree.h"
#include "TestCatalogue.h"
#include "support/FileSizeLimit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

std::string readBytes(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing " + fileName.toStdString() + ">";
    return file.readAll().toStdString();
}

std::string expected(const char* name)
{
    return readBytes(QStringLiteral(ORLENDA_SOURCE_DIR "/tests/browser/data/") + name);
}

class ReferencePagesTest : public testing::Test {
protected:
    std::unique_ptr<OrlendaData> data = makeCatalogue({
        { "QDATE", 1, 1, "6", "System date & <today>",
            "<p>Format <i>mmddyy</i>\nfollows QDATFMT.</p>" },
        { "QDAYOFWEEK", 1, 1, "4" },
        { "QDATFMT", 1, 7, "3", "Date format" }, // value type outside the table
        { "QX9", 12, -3, "" },
    });
    QTreeWidget tree;
    std::vector<std::string> urls;
    ReferencePages::ShowUrlFunction show = [this](const std::string& url) { urls.push_back(url); };

    void SetUp() override { CatalogueTree(&tree, data.get()).FillTree(CatalogueTree::ByName); }
    QTreeWidgetItem* group(const char* label)
    {
        auto found = tree.findItems(QString::fromLatin1(label), Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.first();
    }
};

TEST_F(ReferencePagesTest, PagesMatchTheExpectedBytesExactly)
{
    EXPECT_EQ(
        ReferencePages::groupPage("QD", { data->GetItem(0), data->GetItem(1), data->GetItem(2) }),
        expected("group_QD.html"));
    EXPECT_EQ(ReferencePages::itemPage(*data->GetItem(0)), expected("item_QDATE.html"));
    // No detail: neither the heading nor the extra line end; unknown indexes read "?".
    EXPECT_EQ(ReferencePages::itemPage(*data->GetItem(3)), expected("item_without_detail.html"));
}

TEST_F(ReferencePagesTest, SelectingAGroupWritesTheGroupPageBesideTheProgramAndShowsIt)
{
    const std::string path = QCoreApplication::applicationDirPath().toStdString() + "/group.html";
    ReferencePages::WriteGroupPage(group("QD"), show);
    ASSERT_EQ(urls, std::vector<std::string> { "file://" + path });
    EXPECT_EQ(readBytes(QString::fromStdString(path)), expected("group_QD.html"));
}

TEST_F(ReferencePagesTest, SelectingAValueWritesTheItemPageAndTheSameValueTwiceRewritesIt)
{
    const std::string path = QCoreApplication::applicationDirPath().toStdString() + "/item.html";
    QTreeWidgetItem* qdate = group("QD")->child(0);
    ReferencePages::WriteItemPage(qdate, show);
    QFile::resize(QString::fromStdString(path), 3);
    ReferencePages::WriteItemPage(qdate, show);
    ASSERT_EQ(urls.size(), 2u);
    EXPECT_EQ(urls[0], "file://" + path);
    EXPECT_EQ(urls[1], urls[0]);
    EXPECT_EQ(readBytes(QString::fromStdString(path)), expected("item_QDATE.html"));
}

TEST_F(ReferencePagesTest, AWriteThatFailsPartWayLeavesTheOldPageWholeAndShowsNothing)
{
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/item.html");
    ReferencePages::WriteItemPage(group("QD")->child(1), show);
    const std::string old = readBytes(path);
    const std::string fresh = expected("item_QDATE.html");
    ASSERT_GT(fresh.size(), old.size());
    {
        // The disk "fills" halfway through the old page's length: a page written in place
        // would be new bytes followed by the old page's tail.
        FileSizeLimit limit(old.size() / 2);
        ASSERT_TRUE(limit.active());
        ReferencePages::WriteItemPage(group("QD")->child(0), show);
        EXPECT_FALSE(ReferencePages::writePage(path.toStdString(), fresh));
    }
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(urls.size(), 1u) << "a failed write must not show the old page as the new one";
    const QStringList besides = QDir(QCoreApplication::applicationDirPath())
                                    .entryList({ QStringLiteral("item.html*") }, QDir::Files);
    EXPECT_EQ(besides, QStringList { QStringLiteral("item.html") }) << "no temporary file stays";

    ReferencePages::WriteItemPage(group("QD")->child(0), show);
    EXPECT_EQ(readBytes(path), fresh);
    EXPECT_EQ(urls.size(), 2u);
}

TEST_F(ReferencePagesTest, MissingNodesAndGroupNodesGiveNoItemPage)
{
    ReferencePages::WriteItemPage(nullptr, show);
    ReferencePages::WriteItemPage(group("QD"), show);
    ReferencePages::WriteGroupPage(nullptr, show);
    EXPECT_TRUE(urls.empty());
}

TEST(ReferencePagesFiles, WritingIntoAPathThatCannotBeOpenedFailsWithoutCreatingAnything)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_FALSE(ReferencePages::writePage(dir.filePath("missing/item.html").toStdString(), "x"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("missing")));
}

TEST(ReferencePagesFiles, AShorterPageReplacesALongerOneWithoutLeavingItsTail)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath(QStringLiteral("item.html")).toStdString();
    ASSERT_TRUE(ReferencePages::writePage(path, std::string(5000, 'L') + "\r\n"));
    ASSERT_TRUE(ReferencePages::writePage(path, "<b>short</b>\r\n"));
    EXPECT_EQ(readBytes(QString::fromStdString(path)), "<b>short</b>\r\n");
    ASSERT_TRUE(ReferencePages::writePage(path, ""));
    EXPECT_EQ(QFileInfo(QString::fromStdString(path)).size(), 0);
}

TEST(ReferencePagesFiles, APageThatMayOnlyBeWrittenIsStillReplaced)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString name = dir.filePath(QStringLiteral("item.html"));
    ASSERT_TRUE(ReferencePages::writePage(name.toStdString(), std::string(100, 'x')));
    ASSERT_TRUE(QFile::setPermissions(name, QFile::WriteOwner));
    QFile probe(name);
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "permissions do not bind this user";
    EXPECT_TRUE(ReferencePages::writePage(name.toStdString(), "new"));
    QFile::setPermissions(name, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(readBytes(name), "new");
}

TEST(ReferencePagesFiles, PathsLongerThanTheOldFixedBuffersWorkUnchanged)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Several directory levels with a space, far beyond 260 bytes in total.
    QString deep = dir.path();
    for (int level = 0; level < 8; ++level)
        deep += QStringLiteral("/a folder with a rather long name number %1").arg(level);
    ASSERT_TRUE(QDir().mkpath(deep));
    const std::string path = deep.toStdString() + "/item.html";
    ASSERT_GT(path.size(), 300u);

    std::string bytes(70000, 'x');
    bytes += "\r\n";
    ASSERT_TRUE(ReferencePages::writePage(path, bytes));
    EXPECT_EQ(readBytes(QString::fromStdString(path)), bytes);
    EXPECT_EQ(ReferencePages::pageUrl(path), "file://" + path);
}

TEST(ReferencePagesFiles, ModulePathIsTheProgramDirectoryWithATrailingSeparator)
{
    EXPECT_EQ(ReferencePages::GetModulePath(nullptr), 0);
    std::string path;
    EXPECT_EQ(ReferencePages::GetModulePath(&path), 1);
    EXPECT_EQ(path, QCoreApplication::applicationDirPath().toStdString() + "/");
    EXPECT_EQ(ReferencePages::pagePath("group"), path + "group.html");
}

} // namespace
