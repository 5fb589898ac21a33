// The orlenda.dat the build writes, checked against the public fact list it was made from.
#include "catalogue/CatalogueNames.h"
#include "catalogue/CatalogueSource.h"
#include "catalogue/OrlendaData.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

#include <cstring>

namespace {

struct Fact {
    QString name, category, type, length, defaultValue, since, notes;
};

const QString kFactList = ORLENDA_SOURCE_DIR "/catalogue/data/ibmi-system-values.tsv";

std::vector<Fact> readFacts(const QString& path)
{
    std::vector<Fact> facts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return facts;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        if (line.startsWith('#') || line.startsWith("name\t") || line.isEmpty())
            continue;
        QStringList f = line.split('\t');
        while (f.size() < 7)
            f.append(QString());
        facts.push_back({ f[0], f[1], f[2], f[3], f[4], f[5], f[6] });
    }
    return facts;
}

int indexOf(const char (*table)[kNameSlotSize], int count, const QString& text)
{
    for (int i = 0; i < count; ++i) {
        if (text == QLatin1String(table[i]))
            return i;
    }
    return -1;
}

class ShippedCatalogue : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(facts.size(), 158u) << "fact list " << kFactList.toStdString();
    }
    std::vector<Fact> facts = readFacts(kFactList);
    OrlendaData data { ORLENDA_BINARY_DIR "/bin/orlenda.dat" };
};

TEST_F(ShippedCatalogue, HoldsEveryListedValueWithItsCategoryTypeAndLength)
{
    ASSERT_TRUE(data.Load(nullptr));
    ASSERT_EQ(data.GetCount(), int(facts.size()));
    for (int i = 0; i < data.GetCount(); ++i) {
        const Fact& fact = facts[std::size_t(i)];
        const tagSysValItem& item = *data.GetItem(i);
        SCOPED_TRACE(fact.name.toStdString());
        EXPECT_EQ(QLatin1String(item.szName), fact.name);
        EXPECT_EQ(item.nCategory, indexOf(CategoryNames, kCategoryCount, fact.category));
        EXPECT_EQ(item.nValueType, indexOf(ValueTypeNames, kValueTypeCount, fact.type));
        const QString detail = QString::fromLatin1(item.strDetail.view());
        if (fact.length.size() < int(sizeof item.szLength)) {
            EXPECT_EQ(QLatin1String(item.szLength), fact.length);
        } else {
            // Too long for the field: a shorter form of the same size, the full text in the detail.
            EXPECT_EQ(QString(item.szLength).section(' ', 0, 0), fact.length.section(' ', 0, 0));
            EXPECT_TRUE(detail.contains(fact.length));
        }
        EXPECT_FALSE(item.strDescription.empty());
        EXPECT_EQ(item.strDescription.view().find('\n'), std::string_view::npos);
    }
}

TEST_F(ShippedCatalogue, DetailPagesStateOnlyTheFactsTheListConfirms)
{
    ASSERT_EQ(data.GetCount(), int(facts.size()));
    for (int i = 0; i < data.GetCount(); ++i) {
        const Fact& fact = facts[std::size_t(i)];
        const QString detail = QString::fromLatin1(data.GetItem(i)->strDetail.view());
        SCOPED_TRACE(fact.name.toStdString());
        EXPECT_TRUE(detail.startsWith("<p>"));
        // Defaults the list leaves open may still be shown when SOURCES.md records the document
        // that confirms them; CatalogueRules holds those pages to that record.
        if (fact.defaultValue != "?")
            EXPECT_TRUE(detail.contains("Shipped default:"));
        if (fact.since.startsWith("<="))
            EXPECT_TRUE(detail.contains("since " + fact.since.mid(2) + " or an earlier release"));
        else
            EXPECT_TRUE(detail.contains("Introduced in " + fact.since + "."));
        EXPECT_EQ(detail.contains("Read-only"), fact.notes == "read-only");
        EXPECT_EQ(detail.contains("Obsolete"), fact.notes == "obsolete");
    }
}

TEST_F(ShippedCatalogue, IsWhatTheCurrentSourceDescribes)
{
    CatalogueSource source;
    ASSERT_TRUE(source.load(ORLENDA_SOURCE_DIR "/catalogue/data/systemvalues.txt"))
        << source.error();
    ASSERT_EQ(int(source.items().size()), data.GetCount());
    for (int i = 0; i < data.GetCount(); ++i) {
        const tagSysValItem& built = *data.GetItem(i);
        const tagSysValItem& written = source.items()[std::size_t(i)];
        EXPECT_STREQ(built.szName, written.szName);
        EXPECT_EQ(built.strDetail, written.strDetail) << built.szName;
        EXPECT_EQ(built.strExtra, written.strExtra) << built.szName;
    }
}

TEST(ShippedFactList, MatchesTheSharedOriginalWhereThatIsAvailable)
{
    QFile shared(ORLENDA_SOURCE_DIR "/../shared/data/ibmi-system-values.tsv");
    if (!shared.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "no shared fact list beside this checkout";
    QFile copy(kFactList);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), shared.readAll());
}

} // namespace
