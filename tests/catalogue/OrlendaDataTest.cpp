#include "catalogue/CatalogueError.h"
#include "catalogue/OrlendaData.h"

#include "CatalogueBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

#include <sys/stat.h>

namespace {

class OrlendaDataTest : public testing::Test {
protected:
    std::string write(const QByteArray& bytes, const QString& name = "orlenda.dat")
    {
        return CatalogueBytes::save(dir.filePath(name), bytes);
    }
    // Two records with every field distinct, and where each record ends in the file.
    static CatalogueBytes twoRecords(uint32_t count, std::vector<int>* recordEnds = nullptr)
    {
        CatalogueBytes bytes;
        bytes.header().u32(count);
        bytes.record("QDATE", 1, 1, "7", "System date", "x", "<p>date</p>");
        if (recordEnds)
            recordEnds->push_back(bytes.size());
        bytes.record("QACGLVL", 4, 2, "80 (8 x 10)", "Accounting", "", "<p>acc</p>");
        if (recordEnds)
            recordEnds->push_back(bytes.size());
        return bytes;
    }
    QTemporaryDir dir;
};

TEST_F(OrlendaDataTest, ReadsEveryFieldOfEveryRecordInFileOrder)
{
    OrlendaData data(write(twoRecords(2).bytes()).c_str());
    ASSERT_EQ(data.GetCount(), 2);
    const tagSysValItem* first = data.GetItem(0);
    EXPECT_STREQ(first->szName, "QDATE");
    EXPECT_EQ(first->nCategory, 1);
    EXPECT_EQ(first->nValueType, 1);
    EXPECT_STREQ(first->szLength, "7");
    EXPECT_EQ(first->strDescription, "System date");
    EXPECT_EQ(first->strExtra, "x");
    EXPECT_EQ(first->strDetail, "<p>date</p>");
    EXPECT_STREQ(data.GetItem(1)->szName, "QACGLVL");
    EXPECT_EQ(data.GetItem(1)->strExtra, "");
    EXPECT_TRUE(data.Load(nullptr));
}

TEST_F(OrlendaDataTest, ACutFileKeepsExactlyTheRecordsThatEndBeforeTheCut)
{
    // Every prefix of the file: inside the header, the count, each length field, each string
    // and each index field.
    std::vector<int> ends;
    const QByteArray full = twoRecords(2, &ends).bytes();
    for (int size = 0; size < full.size(); ++size) {
        SCOPED_TRACE(size);
        OrlendaData data(write(full.left(size)).c_str());
        const int complete
            = int(std::count_if(ends.begin(), ends.end(), [&](int end) { return end <= size; }));
        ASSERT_EQ(data.GetCount(), complete);
        if (complete > 0)
            EXPECT_EQ(data.GetItem(0)->strDetail, "<p>date</p>");
        EXPECT_FALSE(data.Load(nullptr));
    }
}

TEST_F(OrlendaDataTest, EmptyAndHeaderOnlyFilesGiveAnEmptyCatalogue)
{
    OrlendaData data(write(CatalogueBytes().header().u32(0).bytes()).c_str());
    EXPECT_EQ(data.GetCount(), 0);
    EXPECT_TRUE(data.Load(nullptr)) << "eleven bytes with N = 0 is a complete file";
    EXPECT_FALSE(data.Load(write(CatalogueBytes().header().bytes(), "header").c_str()));
    EXPECT_FALSE(data.Load(write({}, "empty").c_str()));
    EXPECT_FALSE(data.Load(dir.filePath("missing").toLocal8Bit().constData()));
    EXPECT_FALSE(data.Load(dir.path().toLocal8Bit().constData())) << "a directory";
    EXPECT_EQ(data.GetCount(), 0);
}

TEST_F(OrlendaDataTest, CountBeyondTheRecordsPresentKeepsTheCompleteOnes)
{
    QByteArray bytes = twoRecords(3).bytes();
    bytes += CatalogueBytes().str("QTHIRD").u32(0).bytes();
    OrlendaData data(write(bytes).c_str());
    EXPECT_EQ(data.GetCount(), 2);
    EXPECT_STREQ(data.GetItem(1)->szName, "QACGLVL");

    // A count with its top bit set is a huge unsigned number, not a negative one.
    EXPECT_FALSE(data.Load(write(twoRecords(0x80000002u).bytes()).c_str()));
    EXPECT_EQ(data.GetCount(), 2);
}

TEST_F(OrlendaDataTest, HeaderBytesAndTrailingBytesAreIgnoredAndStringsStopAtNul)
{
    CatalogueBytes bytes;
    bytes.header(QByteArray(7, '\xff')).u32(1);
    bytes.record("QA\0B", -1, 7, "", QByteArray("one\0two", 7), "", "");
    QByteArray file = bytes.bytes() + "trailing garbage";
    OrlendaData data(write(file).c_str());
    ASSERT_EQ(data.GetCount(), 1);
    EXPECT_TRUE(data.Load(nullptr));
    const tagSysValItem* item = data.GetItem(0);
    EXPECT_STREQ(item->szName, "QA");
    EXPECT_EQ(item->nCategory, -1);
    EXPECT_EQ(item->nValueType, 7);
    EXPECT_STREQ(item->szLength, "");
    EXPECT_EQ(item->strDescription, "one");
    EXPECT_TRUE(item->strDetail.empty());
}

TEST_F(OrlendaDataTest, OverlongNamesAndLengthTextsAreCutAndLoadingGoesOn)
{
    CatalogueBytes bytes;
    bytes.header().u32(2);
    bytes.record("QABCDEFGHIJKLMN", 0, 0, "123456789012345678901234567890", "d", "", "");
    bytes.record("QNEXT", 0, 0, "1", "d", "", "");
    OrlendaData data(write(bytes.bytes()).c_str());
    ASSERT_EQ(data.GetCount(), 2);
    EXPECT_STREQ(data.GetItem(0)->szName, "QABCDEFGHIJ");
    EXPECT_STREQ(data.GetItem(0)->szLength, "12345678901234567890123");
    EXPECT_STREQ(data.GetItem(1)->szName, "QNEXT");
    EXPECT_TRUE(data.Load(nullptr));
}

TEST_F(OrlendaDataTest, AStringLongerThanTheReadBufferEndsLoadingAtThatRecord)
{
    const QByteArray longest(int(OrlendaData::kReadBufferSize - 1), 'a');
    CatalogueBytes bytes;
    bytes.header().u32(3);
    bytes.record("QFITS", 0, 0, "1", "d", "", longest);
    bytes.record("QLONG", 0, 0, "1", "d", "", longest + "b");
    bytes.record("QAFTER", 0, 0, "1", "d", "", "");
    OrlendaData data(write(bytes.bytes()).c_str());
    ASSERT_EQ(data.GetCount(), 1);
    EXPECT_EQ(data.GetItem(0)->strDetail.size(), longest.size());
    EXPECT_FALSE(data.Load(nullptr));

    // A hostile length with no bytes behind it fails at once instead of allocating.
    EXPECT_FALSE(
        data.Load(write(CatalogueBytes().header().u32(1).u32(0xffffffffu).bytes()).c_str()));
    EXPECT_EQ(data.GetCount(), 0);
}

TEST_F(OrlendaDataTest, RecordsOfManySizesReadBackWhole)
{
    // Records of odd sizes, so strings and integers start and end at every alignment; each
    // detail ends in a NUL and bytes the text must drop.
    constexpr int kRecords = 61;
    CatalogueBytes bytes;
    bytes.header().u32(kRecords);
    std::vector<QByteArray> details;
    for (int i = 0; i < kRecords; ++i) {
        QByteArray detail(9362 + 13 * i, char('a' + i % 26));
        details.push_back(detail);
        const QByteArray name = "Q" + QByteArray::number(i);
        bytes.record(name, i % 8, i % 3, QByteArray::number(i), name + " description",
            QByteArray(i % 5, 'x'), detail + QByteArray("\0tail", 5));
    }
    OrlendaData data(write(bytes.bytes()).c_str());
    ASSERT_EQ(data.GetCount(), kRecords);
    for (int i = 0; i < kRecords; ++i) {
        const tagSysValItem* item = data.GetItem(i);
        EXPECT_EQ(item->szName, "Q" + std::to_string(i));
        EXPECT_EQ(item->nCategory, i % 8);
        EXPECT_EQ(item->nValueType, i % 3);
        EXPECT_EQ(item->szLength, std::to_string(i));
        EXPECT_EQ(item->strDescription, item->szName + std::string(" description"));
        EXPECT_EQ(item->strExtra, std::string(std::size_t(i % 5), 'x'));
        EXPECT_EQ(item->strDetail, details[std::size_t(i)].toStdString()) << "record " << i;
    }
    EXPECT_TRUE(data.Load(nullptr));
}

TEST_F(OrlendaDataTest, TheLongestStringReadsWholeAtTheFilesEndAndACutOneDropsItsRecord)
{
    const QByteArray longest(int(OrlendaData::kReadBufferSize - 1), 'z');
    CatalogueBytes bytes;
    bytes.header().u32(2);
    bytes.record("QFIRST", 0, 0, "", "first", "", "");
    bytes.record("QLONG", 0, 0, "", "", "", longest);
    OrlendaData data(write(bytes.bytes()).c_str());
    ASSERT_EQ(data.GetCount(), 2);
    EXPECT_EQ(data.GetItem(1)->strDetail, longest.toStdString());
    EXPECT_TRUE(data.Load(nullptr));
    // Cut one byte short of its last string, and then inside its length field.
    for (qsizetype cut : { qsizetype(1), longest.size() + 2 }) {
        SCOPED_TRACE(cut);
        EXPECT_FALSE(data.Load(write(bytes.bytes().chopped(cut), "cut.dat").c_str()));
        ASSERT_EQ(data.GetCount(), 1);
        EXPECT_EQ(data.GetItem(0)->strDescription, "first");
    }
}

TEST_F(OrlendaDataTest, CopiedTextsKeepTheirBytesThroughReloadsAndTheCatalogueItself)
{
    const std::string first = write(twoRecords(2).bytes());
    auto data = std::make_unique<OrlendaData>(first.c_str());
    ASSERT_EQ(data->GetCount(), 2);
    const tagSysValItem kept = *data->GetItem(0);
    OrlendaData copies(dir.filePath("none").toLocal8Bit().constData());
    ASSERT_TRUE(copies.AddItem(data->GetItem(1)));
    const CatalogueText detail = copies.GetItem(0)->strDetail;

    // A file of the same size: had the catalogue read it into the buffer the copies still
    // share, their texts would change under them.
    CatalogueBytes other;
    other.header().u32(2);
    other.record("QTIME", 1, 1, "7", "System time", "y", "<p>time</p>");
    other.record("QYRSLVL", 4, 2, "90 (9 x 10)", "Yearly lvl", "", "<p>yrs</p>");
    ASSERT_EQ(other.size(), twoRecords(2).size());
    ASSERT_TRUE(data->Load(write(other.bytes(), "other.dat").c_str()));
    EXPECT_EQ(data->GetItem(0)->strDetail, "<p>time</p>");
    EXPECT_EQ(kept.strDescription, "System date");
    EXPECT_EQ(kept.strDetail, "<p>date</p>");

    data.reset();
    EXPECT_EQ(kept.strExtra, "x");
    EXPECT_EQ(copies.GetItem(0)->strDetail, detail);
    EXPECT_STREQ(copies.GetItem(0)->szName, "QACGLVL");
}

TEST_F(OrlendaDataTest, AFileThatCannotSeekIsReadWhole)
{
    // More than the first read step, so that the buffer has to grow while reading.
    constexpr int kRecords = 40;
    CatalogueBytes bytes;
    bytes.header().u32(kRecords);
    for (int i = 0; i < kRecords; ++i)
        bytes.record("Q" + QByteArray::number(i), 0, 0, "1", "d", "", QByteArray(9000, 'p'));
    const std::string pipe = dir.filePath("pipe").toStdString();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::thread writer([&] {
        QFile file(QString::fromStdString(pipe));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes.bytes());
    });
    OrlendaData data(pipe.c_str());
    writer.join();
    ASSERT_EQ(data.GetCount(), kRecords);
    EXPECT_STREQ(data.GetItem(kRecords - 1)->szName, "Q39");
    EXPECT_EQ(data.GetItem(kRecords - 1)->strDetail, std::string(9000, 'p'));
}

TEST_F(OrlendaDataTest, GetItemOutsideTheListThrows)
{
    OrlendaData data(write(twoRecords(2).bytes()).c_str());
    EXPECT_THROW(data.GetItem(2), CatalogueError);
    EXPECT_THROW(data.GetItem(-1), CatalogueError);
    data.Clear();
    EXPECT_THROW(data.GetItem(0), CatalogueError);
}

TEST_F(OrlendaDataTest, LoadingAgainReplacesTheRecordsAndKeepsANewFileName)
{
    OrlendaData data(write(twoRecords(2).bytes()).c_str());
    const std::string other
        = write(CatalogueBytes().header().u32(1).record("QONE", 0, 0, "1", "", "", "").bytes(),
            "other.dat");
    EXPECT_TRUE(data.Load(other.c_str()));
    EXPECT_TRUE(data.Load(""));
    EXPECT_EQ(data.fileName(), other);
    ASSERT_EQ(data.GetCount(), 1);
    EXPECT_STREQ(data.GetItem(0)->szName, "QONE");
}

TEST_F(OrlendaDataTest, WithoutAFileNameItReadsOrlendaDatFromTheWorkingDirectory)
{
    write(twoRecords(2).bytes());
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    OrlendaData unnamed(nullptr);
    OrlendaData empty("");
    QDir::setCurrent(previous);
    EXPECT_EQ(unnamed.fileName(), "orlenda.dat");
    EXPECT_EQ(unnamed.GetCount(), 2);
    EXPECT_EQ(empty.GetCount(), 2);
}

TEST_F(OrlendaDataTest, AddItemCopiesTheRecordAndBoundsItsFixedTexts)
{
    OrlendaData data(dir.filePath("none").toLocal8Bit().constData());
    EXPECT_FALSE(data.AddItem(nullptr));
    tagSysValItem item;
    std::memset(item.szName, 'N', sizeof item.szName); // no terminator at all
    std::memcpy(item.szLength, "10", 3);
    item.strDetail = "detail";
    ASSERT_TRUE(data.AddItem(&item));
    item.strDetail = "changed";
    EXPECT_STREQ(data.GetItem(0)->szName, "NNNNNNNNNNN");
    EXPECT_EQ(data.GetItem(0)->strDetail, "detail");
}

} // namespace
