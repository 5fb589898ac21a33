#include "catalogue/OrlendaWriter.h"

#include "catalogue/OrlendaData.h"

#include "CatalogueBytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>

namespace {

tagSysValItem makeItem(const char* name, int32_t category, int32_t type, const char* length,
    std::string description, std::string extra, std::string detail)
{
    tagSysValItem item;
    std::strncpy(item.szName, name, sizeof item.szName - 1);
    item.nCategory = category;
    item.nValueType = type;
    std::strncpy(item.szLength, length, sizeof item.szLength - 1);
    item.strDescription = std::move(description);
    item.strExtra = std::move(extra);
    item.strDetail = std::move(detail);
    return item;
}

TEST(OrlendaWriter, WritesTheHeaderCountAndLengthPrefixedFieldsLittleEndian)
{
    OrlendaWriter writer;
    ASSERT_TRUE(writer.AddItem(makeItem("QDATE", 1, -2, "7", "date", "", "<p>x</p>")));
    CatalogueBytes expected;
    expected.header("ORLENDA").u32(1).record("QDATE", 1, -2, "7", "date", "", "<p>x</p>");
    const std::string bytes = writer.bytes();
    EXPECT_EQ(QByteArray(bytes.data(), qsizetype(bytes.size())), expected.bytes());
}

TEST(OrlendaWriter, WhatItWritesReadsBackUnchanged)
{
    const std::vector<tagSysValItem> items = {
        makeItem("QABCDEFGHIJ", 7, 2, "12345678901234567890123", "full fixed fields", "V5R4",
            std::string(OrlendaData::kReadBufferSize - 1, 'd')),
        makeItem("", -1, 3, "", "", "", ""),
        makeItem("QCURSYM", 2, 1, "1", "high bytes \xa4\xff pass unchanged", "x", "<p>\r\n</p>"),
    };
    OrlendaWriter writer;
    for (const tagSysValItem& item : items)
        ASSERT_TRUE(writer.AddItem(item)) << writer.error();
    QTemporaryDir dir;
    const std::string path = dir.filePath("orlenda.dat").toStdString();
    ASSERT_TRUE(writer.Save(path.c_str())) << writer.error();

    OrlendaData data(path.c_str());
    ASSERT_EQ(data.GetCount(), int(items.size()));
    for (int i = 0; i < data.GetCount(); ++i) {
        const tagSysValItem& read = *data.GetItem(i);
        EXPECT_STREQ(read.szName, items[i].szName);
        EXPECT_EQ(read.nCategory, items[i].nCategory);
        EXPECT_EQ(read.nValueType, items[i].nValueType);
        EXPECT_STREQ(read.szLength, items[i].szLength);
        EXPECT_EQ(read.strDescription, items[i].strDescription);
        EXPECT_EQ(read.strExtra, items[i].strExtra);
        EXPECT_EQ(read.strDetail, items[i].strDetail);
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path + ".part")));
}

TEST(OrlendaWriter, RefusesRecordsTheReaderWouldCutOrReject)
{
    OrlendaWriter writer;
    EXPECT_FALSE(writer.AddItem(
        makeItem("Q", 0, 0, "1", "", "", std::string(OrlendaData::kReadBufferSize, 'd'))));
    EXPECT_NE(writer.error().find("detail"), std::string::npos) << writer.error();
    EXPECT_FALSE(writer.AddItem(makeItem("Q", 0, 0, "1", std::string("a\0b", 3), "", "")));
    EXPECT_NE(writer.error().find("NUL"), std::string::npos) << writer.error();
    tagSysValItem unterminated = makeItem("Q", 0, 0, "1", "", "", "");
    std::memset(unterminated.szLength, 'L', sizeof unterminated.szLength);
    EXPECT_FALSE(writer.AddItem(unterminated));
    EXPECT_EQ(writer.count(), 0u);
    EXPECT_EQ(writer.bytes().size(), 11u);
}

TEST(OrlendaWriter, SaveReplacesAnOldFileAndFailsCleanlyWhereItCannotWrite)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("orlenda.dat").toStdString();
    CatalogueBytes::save(QString::fromStdString(path), QByteArray(5000, 'o'));
    OrlendaWriter writer;
    ASSERT_TRUE(writer.Save(path.c_str()));
    EXPECT_EQ(QFile(QString::fromStdString(path)).size(), 11);

    EXPECT_FALSE(writer.Save(dir.filePath("no/such/dir/orlenda.dat").toStdString().c_str()));
    EXPECT_FALSE(writer.error().empty());
    EXPECT_FALSE(writer.Save(""));
}

} // namespace
