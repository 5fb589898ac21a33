// Theme file bytes as written, lookups as read back, and the reader's handling of damaged files.
#include "skin/styles/SUIThemeFile.h"
#include "support/FileSizeLimit.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray fileHeader(quint32 headerSize = 24, quint32 firstEntry = 24)
{
    QByteArray bytes("DOZErad_TB\0\0", 12);
    return bytes + le32(headerSize) + le32(1) + le32(firstEntry);
}

QByteArray entryHeader(
    const QByteArray& key, quint8 kind, quint32 dataOffset, quint32 dataSize, quint32 next)
{
    QByteArray bytes = key.left(64);
    bytes.append(64 - bytes.size(), '\0');
    bytes.append(char(kind));
    return bytes + le32(dataOffset) + le32(dataSize) + le32(next);
}

// Builds a file entry by entry with the writer's own layout, so single fields can be damaged.
struct RawFile {
    QByteArray bytes = fileHeader();
    QList<int> entryOffsets;

    RawFile& add(const QByteArray& key, quint8 kind, const QByteArray& data)
    {
        const quint32 at = quint32(bytes.size());
        entryOffsets.append(int(at));
        bytes += entryHeader(key, kind, at + 77, quint32(data.size()), at + 77 + data.size());
        bytes += data;
        return *this;
    }
    RawFile& terminate()
    {
        bytes += entryHeader({}, 2, 0, 0, 0);
        return *this;
    }
    void setField(int entry, int field, quint32 value)
    {
        qToLittleEndian(value, bytes.data() + entryOffsets[entry] + field);
    }
};

class ThemeFileTest : public testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }

    QString write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    static QByteArray contents(const QString& fileName)
    {
        QFile file(fileName);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    QTemporaryDir dir;
};

TEST_F(ThemeFileTest, EmptyWriterWritesHeaderAndTerminatorOnly)
{
    TsuiThemeFileWriter(path("empty.sui")).Save();
    const QByteArray expected = fileHeader() + entryHeader({}, 2, 0, 0, 0);
    ASSERT_EQ(expected.size(), 101);
    EXPECT_EQ(contents(path("empty.sui")), expected);
}

TEST_F(ThemeFileTest, SingleIntegerFileHasTheDocumentedBytes)
{
    {
        TsuiThemeFileWriter writer(path("one.sui"));
        writer.AddInteger("FormMinWidthInt", 270);
        writer.Save();
    }
    const QByteArray bytes = contents(path("one.sui"));
    ASSERT_EQ(bytes.size(), 182);
    QByteArray expected = fileHeader() + entryHeader("FormMinWidthInt", 1, 101, 4, 105);
    expected += QByteArray("\x0E\x01\x00\x00", 4) + entryHeader({}, 2, 0, 0, 0);
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(bytes.mid(24, 15), "FormMinWidthInt");
}

TEST_F(ThemeFileTest, KeysAreCutTo64CharactersAndAFullKeyHasNoTerminator)
{
    const QString key64 = QString(60, 'k') + "Full";
    const QString key70 = QString(64, 'a') + "Extra!";
    {
        TsuiThemeFileWriter writer(path("keys.sui"));
        writer.AddInteger(key64, 7);
        writer.AddBool(key70, true);
        writer.Save();
    }
    const QByteArray bytes = contents(path("keys.sui"));
    EXPECT_EQ(bytes.mid(24, 64), key64.toLatin1());
    EXPECT_EQ(quint8(bytes.at(24 + 64)), 1); // the kind follows the key directly

    TsuiThemeFileReader reader(path("keys.sui"));
    EXPECT_EQ(reader.GetInteger(key64), 7);
    EXPECT_FALSE(reader.GetBool(key70));
    EXPECT_TRUE(reader.GetBool(key70.left(64)));
    ASSERT_EQ(reader.entries().size(), 2u);
    EXPECT_EQ(reader.entries()[1].key, key70.left(64));
}

TEST_F(ThemeFileTest, WriterGroupsKindsAsFileStringIntegerBoolean)
{
    write("a.bmp", "AAAA");
    write("b.bmp", "BB");
    {
        TsuiThemeFileWriter writer(path("order.sui"));
        writer.AddBool("Flag", false);
        writer.AddInteger("Second", 2);
        writer.AddStr("Text", "hello");
        writer.AddFile("Image", path("a.bmp"));
        writer.AddInteger("Third", 3);
        writer.AddFile("Other", path("b.bmp"));
        writer.Save();
    }
    TsuiThemeFileReader reader(path("order.sui"));
    QStringList keys;
    QList<int> kinds;
    quint32 expectedOffset = 24;
    for (const auto& entry : reader.entries()) {
        keys << entry.key;
        kinds << entry.kind;
        EXPECT_EQ(entry.headerOffset, expectedOffset);
        EXPECT_EQ(entry.dataOffset, expectedOffset + 77);
        expectedOffset = entry.dataOffset + entry.dataSize;
    }
    EXPECT_EQ(keys, QStringList({ "Image", "Other", "Text", "Second", "Third", "Flag" }));
    EXPECT_EQ(kinds, QList<int>({ 0, 0, 3, 1, 1, 2 }));
    EXPECT_EQ(qsizetype(expectedOffset + 77), contents(path("order.sui")).size());
}

TEST_F(ThemeFileTest, LookupsIgnoreCaseLetTheFirstAnswerAndKeepKindsApart)
{
    write("pic.bmp", QByteArray("BM\0\x01pixels", 10));
    {
        TsuiThemeFileWriter writer(path("look.sui"));
        writer.AddInteger("ControlBorderColor", 0x00C8752A);
        writer.AddInteger("CONTROLBORDERCOLOR", 5);
        writer.AddBool("TitleBarCaptionShadowBool", true);
        writer.AddStr("Query", "a=b=c");
        writer.AddStr("x=y", "z");
        writer.AddFile("ButtonImage", path("pic.bmp"));
        writer.AddInteger("Negative", -2);
        writer.Save();
    }
    TsuiThemeFileReader reader(path("look.sui"));
    EXPECT_EQ(reader.GetInteger("controlbordercolor"), 0x00C8752A);
    EXPECT_EQ(reader.GetInteger("Negative"), -2);
    EXPECT_TRUE(reader.GetBool("titlebarcaptionshadowbool"));
    EXPECT_EQ(reader.GetStr("QUERY"), "a=b=c");
    EXPECT_EQ(reader.GetStr("x=y"), "z");
    EXPECT_EQ(reader.GetStr("x"), QString());

    // A key answers only in its own kind.
    EXPECT_EQ(reader.GetInteger("TitleBarCaptionShadowBool"), -1);
    EXPECT_FALSE(reader.GetBool("ControlBorderColor"));
    EXPECT_EQ(reader.GetStr("ButtonImage"), QString());
    EXPECT_EQ(reader.GetFile("Query"), nullptr);

    EXPECT_EQ(reader.GetInteger("Missing"), -1);
    EXPECT_FALSE(reader.GetBool("Missing"));
    EXPECT_EQ(reader.GetFile("Missing"), nullptr);
}

TEST_F(ThemeFileTest, FileStreamsAreSharedRewoundAndHoldTheSourceBytes)
{
    const QByteArray picture("BM\0\0\xff\xfe picture bytes", 20);
    write("pic.bmp", picture);
    write("other.bmp", "other");
    {
        TsuiThemeFileWriter writer(path("files.sui"));
        writer.AddFile("ButtonImage", path("pic.bmp"));
        writer.AddFile("buttonimage", path("other.bmp")); // duplicate key: never answers
        writer.Save();
    }
    TsuiThemeFileReader reader(path("files.sui"));
    QIODevice* stream = reader.GetFile("BUTTONIMAGE");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->readAll(), picture);
    EXPECT_TRUE(stream->atEnd());
    EXPECT_EQ(reader.GetFile("ButtonImage"), stream);
    EXPECT_EQ(stream->pos(), 0);
    EXPECT_EQ(stream->readAll(), picture);
}

TEST_F(ThemeFileTest, BooleanByteIsKeptAndAnyNonZeroByteIsTrue)
{
    RawFile raw;
    raw.add("Two", 2, QByteArray(1, 2)).add("Zero", 2, QByteArray(1, 0));
    raw.add("Big", 2, QByteArray(1, char(0xFF))).terminate();
    TsuiThemeFileReader reader(write("bools.sui", raw.bytes));
    ASSERT_EQ(reader.entries().size(), 3u);
    EXPECT_EQ(reader.entries()[0].data, QByteArray(1, 2));
    EXPECT_TRUE(reader.GetBool("Two"));
    EXPECT_FALSE(reader.GetBool("Zero"));
    EXPECT_TRUE(reader.GetBool("Big"));
}

TEST_F(ThemeFileTest, AFailedSaveRaisesNamingTheFileAndLeavesTheOldFileWhole)
{
    TsuiThemeFileWriter first(path("theme.sui"));
    first.AddInteger("Value", 1);
    first.Save();
    const QByteArray old = contents(path("theme.sui"));

    TsuiThemeFileWriter missingSource(path("theme.sui"));
    missingSource.AddInteger("Value", 2);
    missingSource.AddFile("ButtonImage", path("missing.bmp"));
    try {
        missingSource.Save();
        FAIL() << "a missing source file must raise";
    } catch (const EFOpenError& error) {
        EXPECT_TRUE(error.message().contains("missing.bmp")) << error.what();
    }
    EXPECT_EQ(contents(path("theme.sui")), old);

    // A write that fails part way, as on a full disk.
    write("big.bmp", QByteArray(20000, 'b'));
    TsuiThemeFileWriter tooBig(path("theme.sui"));
    tooBig.AddFile("ButtonImage", path("big.bmp"));
    {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.active());
        EXPECT_THROW(tooBig.Save(), EWriteError);
    }
    EXPECT_EQ(contents(path("theme.sui")), old);
    EXPECT_EQ(
        QDir(dir.path()).entryList({ "theme.sui*" }, QDir::Files), QStringList { "theme.sui" })
        << "no temporary file stays";

    TsuiThemeFileWriter nowhere(path("no/such/folder/out.sui"));
    try {
        nowhere.Save();
        FAIL() << "an output that cannot be created must raise";
    } catch (const EFCreateError& error) {
        EXPECT_TRUE(error.message().contains("out.sui")) << error.what();
    }
}

TEST_F(ThemeFileTest, AWriterThatIsNeverSavedWritesNothing)
{
    {
        TsuiThemeFileWriter writer(path("unsaved.sui"));
        writer.AddInteger("Value", 1);
    }
    EXPECT_FALSE(QFile::exists(path("unsaved.sui")));
}

TEST_F(ThemeFileTest, ReaderRaisesOpenErrorForFilesItCannotOpen)
{
    try {
        TsuiThemeFileReader reader(path("absent.sui"));
        FAIL() << "a missing file must raise";
    } catch (const EFOpenError& error) {
        EXPECT_TRUE(error.message().contains("absent.sui")) << error.what();
    }
    EXPECT_THROW(TsuiThemeFileReader { dir.path() }, EFOpenError);
}

TEST_F(ThemeFileTest, LoadReplacesWhatWasHeld)
{
    {
        TsuiThemeFileWriter first(path("1.sui"));
        first.AddInteger("Value", 1);
        TsuiThemeFileWriter second(path("2.sui"));
        second.AddInteger("Value", 2);
        first.Save();
        second.Save();
    }
    TsuiThemeFileReader reader(path("1.sui"));
    reader.Load(path("2.sui"));
    EXPECT_EQ(reader.GetInteger("Value"), 2);
    EXPECT_EQ(reader.entries().size(), 1u);
    EXPECT_THROW(reader.Load(path("3.sui")), EFOpenError);
    EXPECT_EQ(reader.GetInteger("Value"), 2);
}

TEST_F(ThemeFileTest, MagicCheckReadsTheFirstTwelveBytesAsText)
{
    const QByteArray magic("DOZErad_TB\0\0", 12);
    for (int size = 12; size <= 15; ++size)
        EXPECT_TRUE(IsSUIThemeFile(write("ok.sui", magic + QByteArray(size - 12, 'x')))) << size;
    EXPECT_TRUE(IsSUIThemeFile(write("z.sui", QByteArray("DOZErad_TB\0Q", 12))));
    EXPECT_TRUE(IsSUIThemeFile(write("full.sui", fileHeader() + entryHeader({}, 2, 0, 0, 0))));

    EXPECT_FALSE(IsSUIThemeFile(write("short.sui", magic.left(11))));
    EXPECT_FALSE(IsSUIThemeFile(write("case.sui", QByteArray("DOZERAD_TB\0\0", 12))));
    EXPECT_FALSE(IsSUIThemeFile(write("lower.sui", QByteArray("dozerad_tb\0\0", 12))));
    EXPECT_FALSE(IsSUIThemeFile(write("long.sui", QByteArray("DOZErad_TBXY1234"))));
    EXPECT_FALSE(IsSUIThemeFile(write("one.sui", QByteArray("DOZErad_TBX\0", 12))));
    EXPECT_FALSE(IsSUIThemeFile(write("empty.sui", {})));
    EXPECT_FALSE(IsSUIThemeFile(path("absent.sui")));
    EXPECT_FALSE(IsSUIThemeFile(dir.path()));
    EXPECT_FALSE(IsSUIThemeFile(QString()));
}

// A file with one entry of every kind, terminated, as the writer lays it out.
RawFile sampleFile()
{
    RawFile raw;
    raw.add("ButtonImage", 0, "BMdata");
    raw.add("Caption", 3, "text");
    raw.add("FormMinWidthInt", 1, le32(270));
    raw.add("FormRoundCornerBool", 2, QByteArray(1, 1));
    return raw.terminate();
}

TEST_F(ThemeFileTest, TruncatedFilesKeepEveryEntryThatEndsInside)
{
    const RawFile raw = sampleFile();
    for (int size = 0; size <= raw.bytes.size(); ++size) {
        TsuiThemeFileReader reader(write("cut.sui", raw.bytes.left(size)));
        size_t complete = 0;
        for (int at : raw.entryOffsets) {
            const quint32 dataOffset = qFromLittleEndian<quint32>(raw.bytes.constData() + at + 65);
            const quint32 dataSize = qFromLittleEndian<quint32>(raw.bytes.constData() + at + 69);
            if (dataOffset + dataSize <= quint32(size))
                ++complete;
        }
        ASSERT_EQ(reader.entries().size(), complete) << "file cut at " << size;
        EXPECT_EQ(reader.GetInteger("FormMinWidthInt"), complete >= 3 ? 270 : -1);
    }
}

TEST_F(ThemeFileTest, HeaderSizeBelow24OrBeyondTheFileLoadsNothing)
{
    RawFile raw = sampleFile();
    for (quint32 headerSize : { 0u, 16u, 23u, quint32(raw.bytes.size() + 1), 0xFFFFFFFFu }) {
        qToLittleEndian(headerSize, raw.bytes.data() + 12);
        TsuiThemeFileReader reader(write("header.sui", raw.bytes));
        EXPECT_TRUE(reader.entries().empty()) << headerSize;
    }
}

TEST_F(ThemeFileTest, LargerHeaderIsReadUpToItsFirstEntry)
{
    QByteArray bytes = fileHeader(32, 32) + QByteArray(8, 'x');
    bytes += entryHeader("Width", 1, 109, 4, 113) + le32(9) + entryHeader({}, 2, 0, 0, 0);
    TsuiThemeFileReader reader(write("big.sui", bytes));
    EXPECT_EQ(reader.GetInteger("Width"), 9);

    // A first entry inside the header is refused.
    qToLittleEndian<quint32>(24, bytes.data() + 20);
    TsuiThemeFileReader inside(write("inside.sui", bytes));
    EXPECT_TRUE(inside.entries().empty());
}

TEST_F(ThemeFileTest, ChainsThatGoBackOrOverlapEndReading)
{
    for (quint32 next : { 24u, 0x1Du, 24u + 77 + 5 }) {
        RawFile raw = sampleFile();
        raw.setField(0, 73, next); // the image entry's next: itself, inside it, before its end
        TsuiThemeFileReader reader(write("loop.sui", raw.bytes));
        EXPECT_TRUE(reader.entries().empty()) << next;
    }
    RawFile raw = sampleFile();
    raw.setField(2, 73, quint32(raw.entryOffsets[0])); // the integer's next loops to the start
    TsuiThemeFileReader reader(write("loop.sui", raw.bytes));
    EXPECT_EQ(reader.entries().size(), 2u);
    EXPECT_EQ(reader.GetStr("Caption"), "text");
    EXPECT_EQ(reader.GetInteger("FormMinWidthInt"), -1);
}

TEST_F(ThemeFileTest, SizesAndOffsetsBeyondTheFileEndReading)
{
    // Damage to the string entry (the second); `kept` entries survive.
    const struct {
        int field;
        quint32 value;
        size_t kept;
    } damages[] = { { 69, 0xFFFFFFF0u, 1 }, { 69, 1000, 1 }, { 65, 0xFFFFFFFFu, 1 },
        { 65, 5000, 1 }, { 65, 0, 1 }, { 73, 0xFFFFFFFFu, 2 }, { 73, 100000, 2 } };
    for (const auto& damage : damages) {
        RawFile raw = sampleFile();
        raw.setField(1, damage.field, damage.value);
        TsuiThemeFileReader reader(write("size.sui", raw.bytes));
        ASSERT_EQ(reader.entries().size(), damage.kept) << damage.field << " " << damage.value;
        EXPECT_NE(reader.GetFile("ButtonImage"), nullptr);
        EXPECT_EQ(reader.GetStr("Caption"), damage.kept == 2 ? "text" : QString());
        EXPECT_EQ(reader.GetInteger("FormMinWidthInt"), -1);
    }
}

TEST_F(ThemeFileTest, EntriesOfWrongSizeOrUnknownKindAreSkipped)
{
    RawFile raw;
    raw.add("Wide", 1, le32(1) + le32(2));
    raw.add("Short", 1, "ab");
    raw.add("NoByte", 2, {});
    raw.add("TwoBytes", 2, "\x01\x01");
    raw.add("Future", 9, "whatever");
    raw.add("Kept", 1, le32(42));
    raw.terminate();
    TsuiThemeFileReader reader(write("skip.sui", raw.bytes));
    EXPECT_EQ(reader.entries().size(), 6u);
    EXPECT_EQ(reader.GetInteger("Wide"), -1);
    EXPECT_EQ(reader.GetInteger("Short"), -1);
    EXPECT_FALSE(reader.GetBool("NoByte"));
    EXPECT_FALSE(reader.GetBool("TwoBytes"));
    EXPECT_EQ(reader.GetInteger("Kept"), 42);
    EXPECT_FALSE(reader.entries()[4].usable);
}

TEST_F(ThemeFileTest, FileWithoutTerminatorKeepsItsEntries)
{
    RawFile raw;
    raw.add("Only", 1, le32(3));
    TsuiThemeFileReader reader(write("open.sui", raw.bytes));
    EXPECT_EQ(reader.GetInteger("Only"), 3);
}

} // namespace
