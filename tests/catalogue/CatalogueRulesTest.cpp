// The catalogue's source text held to the rules its pages promise a reader: every page gives
// its allowed values or says why it has none, a shipped default on a closed list is one of the
// listed values, every Q-name on a page is a system value of the catalogue or a known object,
// and every shipped default beyond the fact list is recorded in SOURCES.md with its document.
#include "catalogue/CatalogueSource.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

#include <map>

namespace {

const char kSource[] = ORLENDA_SOURCE_DIR "/catalogue/data/systemvalues.txt";
const QString kSources = ORLENDA_SOURCE_DIR "/catalogue/data/SOURCES.md";
const QString kFactList = ORLENDA_SOURCE_DIR "/catalogue/data/ibmi-system-values.tsv";

// Objects the pages name that are libraries, queues, journals or subsystems, not system values.
const QSet<QString> kKnownObjects
    = { "QTEMP", "QSYS", "QSYS2", "QHLPSYS", "QUSRSYS", "QGPL", "QSYSOPR", "QSYSMSG", "QAUDJRN",
          "QACGJRN", "QHST", "QBASE", "QCTL", "QSYSSBSD", "QSTRUP", "QSECOFR", "QSYSWRK", "QCMN" };

QString detailOf(const tagSysValItem& item)
{
    return QString::fromLatin1(item.strDetail.view());
}

// The bold entries of the list that follows "Allowed values:"; empty when the page has no list
// or the list is open (an italic entry such as "library names" stands for any name).
QStringList closedAllowedList(const QString& detail)
{
    const qsizetype start = detail.indexOf("<b>Allowed values:</b>");
    if (start < 0)
        return {};
    const qsizetype paragraphEnd = detail.indexOf("</p>", start);
    if (paragraphEnd < 0 || detail.mid(paragraphEnd, 9) != "</p>\n<ul>")
        return {};
    const QString list
        = detail.mid(paragraphEnd, detail.indexOf("</ul>", paragraphEnd) - paragraphEnd);
    QStringList values;
    static const QRegularExpression entry("<li>(<b>([^<]*)</b>|<i>)");
    for (auto it = entry.globalMatch(list); it.hasNext();) {
        const auto match = it.next();
        if (match.captured(2).isEmpty())
            return {};
        values << match.captured(2);
    }
    return values;
}

// The value a page gives as shipped default, without its explanation; empty when the page
// gives none or describes it in words ("depends on the country or region").
QString shippedDefault(const QString& detail)
{
    static const QRegularExpression line("<p><b>Shipped default:</b> ([^<]*)</p>");
    const QString text = line.match(detail).captured(1);
    if (text.isEmpty() || text[0].isLower())
        return {};
    return text.section(" (", 0, 0).section(';', 0, 0).trimmed();
}

bool isAllowed(const QString& value, const QStringList& allowed)
{
    if (allowed.contains(value))
        return true;
    bool isNumber = false;
    const int number = value.toInt(&isNumber);
    for (const QString& entry : allowed) {
        static const QRegularExpression range("^(\\d+)-(\\d+)$");
        const auto match = range.match(entry);
        if (isNumber && match.hasMatch() && number >= match.captured(1).toInt()
            && number <= match.captured(2).toInt())
            return true;
    }
    return false;
}

struct SourceRow {
    QString document, release, shippedDefault;
};

// SOURCES.md rows "| QNAME | document | release | default |" in file order.
std::vector<std::pair<QString, SourceRow>> readSources()
{
    std::vector<std::pair<QString, SourceRow>> rows;
    QFile file(kSources);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.startsWith("| Q"))
            continue;
        const QStringList cells = line.mid(1, line.size() - 2).split(" | ");
        if (cells.size() != 4)
            return {};
        const QString cellDefault = cells[3].trimmed() == "-" ? QString() : cells[3].trimmed();
        rows.push_back(
            { cells[0].trimmed(), { cells[1].trimmed(), cells[2].trimmed(), cellDefault } });
    }
    return rows;
}

std::map<QString, QString> factDefaults()
{
    std::map<QString, QString> defaults;
    QFile file(kFactList);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return defaults;
    while (!file.atEnd()) {
        const QStringList f = QString::fromUtf8(file.readLine()).chopped(1).split('\t');
        if (f.size() >= 5 && f[0].startsWith('Q'))
            defaults[f[0]] = f[4];
    }
    return defaults;
}

class CatalogueRules : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(source.load(kSource)) << source.error();
        ASSERT_EQ(source.items().size(), 158u);
    }
    CatalogueSource source;
};

TEST_F(CatalogueRules, EveryPageGivesItsAllowedValuesOrSaysWhyItHasNone)
{
    for (const tagSysValItem& item : source.items()) {
        const QString detail = detailOf(item);
        SCOPED_TRACE(item.szName);
        const bool says = detail.contains("<b>Allowed values:</b>") || detail.contains("Read-only:")
            || detail.contains("Obsolete:");
        EXPECT_TRUE(says);
        // A list announced by a colon must follow it.
        if (detail.contains("<b>Allowed values:</b></p>"))
            EXPECT_TRUE(detail.contains("<b>Allowed values:</b></p>\n<ul>\n<li>"));
    }
}

TEST_F(CatalogueRules, ShippedDefaultOfAClosedListIsOneOfTheListedValues)
{
    int checked = 0;
    for (const tagSysValItem& item : source.items()) {
        const QString detail = detailOf(item);
        const QStringList allowed = closedAllowedList(detail);
        const QString value = shippedDefault(detail);
        if (allowed.isEmpty() || value.isEmpty())
            continue;
        SCOPED_TRACE(item.szName);
        // A list value such as "*NOGROUP *NORMAL" names one allowed value per part.
        for (const QString& part : value.split(' ', Qt::SkipEmptyParts))
            EXPECT_TRUE(isAllowed(part, allowed)) << part.toStdString();
        ++checked;
    }
    EXPECT_GE(checked, 20); // the rule must keep seeing the pages it is about
}

TEST_F(CatalogueRules, EveryQNameOnAPageIsASystemValueOrAKnownObject)
{
    QSet<QString> names;
    for (const tagSysValItem& item : source.items())
        names.insert(QString::fromLatin1(item.szName));
    static const QRegularExpression qName("\\bQ[A-Z0-9]{2,9}\\b");
    for (const tagSysValItem& item : source.items()) {
        const QString text = QString::fromLatin1(item.strDescription.view()) + ' ' + detailOf(item);
        for (auto it = qName.globalMatch(text); it.hasNext();) {
            const QString name = it.next().captured();
            EXPECT_TRUE(names.contains(name) || kKnownObjects.contains(name))
                << item.szName << " names " << name.toStdString();
        }
    }
}

TEST_F(CatalogueRules, SourcesRecordEveryValueAndEveryDefaultBeyondTheFactList)
{
    const auto rows = readSources();
    ASSERT_EQ(rows.size(), source.items().size()) << "rows of " << kSources.toStdString();
    const auto facts = factDefaults();
    ASSERT_EQ(facts.size(), source.items().size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const tagSysValItem& item = source.items()[i];
        const auto& [name, row] = rows[i];
        SCOPED_TRACE(item.szName);
        EXPECT_EQ(name, QLatin1String(item.szName));
        EXPECT_FALSE(row.document.isEmpty());
        EXPECT_FALSE(row.release.isEmpty());
        const QString detail = detailOf(item);
        const bool factKnown = facts.at(name) != "?";
        EXPECT_EQ(
            detail.contains("<b>Shipped default:</b>"), factKnown || !row.shippedDefault.isEmpty());
        // A default confirmed only by the record must be the one the page shows.
        if (!factKnown && !row.shippedDefault.isEmpty())
            EXPECT_TRUE(detail.contains("<b>Shipped default:</b> " + row.shippedDefault))
                << row.shippedDefault.toStdString();
    }
}

} // namespace
