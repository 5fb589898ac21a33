#include "skin/styles/SUIThemeFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <cstring>
#include <limits>

using namespace SuiThemeFileFormat;

namespace {

QString describe(const QFileDevice& file)
{
    return file.errorString();
}

QByteArray headerBytes()
{
    QByteArray header(HeaderSize, '\0');
    std::memcpy(header.data(), Magic, sizeof(Magic) - 1);
    qToLittleEndian<quint32>(HeaderSize, header.data() + 12);
    qToLittleEndian<quint32>(FormatNumber, header.data() + 16);
    qToLittleEndian<quint32>(HeaderSize, header.data() + 20);
    return header;
}

QByteArray entryHeaderBytes(
    const QString& key, uint8_t kind, quint32 dataOffset, quint32 dataSize, quint32 next)
{
    QByteArray entry(EntryHeaderSize, '\0');
    const QByteArray name = key.toLatin1().left(KeySize);
    std::memcpy(entry.data(), name.constData(), size_t(name.size()));
    entry[KeySize] = char(kind);
    qToLittleEndian<quint32>(dataOffset, entry.data() + 65);
    qToLittleEndian<quint32>(dataSize, entry.data() + 69);
    qToLittleEndian<quint32>(next, entry.data() + 73);
    return entry;
}

// The output is written beside the target and renamed over it when complete; a failure
// before that discards it.
class OutputFile {
public:
    explicit OutputFile(const QString& name)
        : m_file(name)
    {
        if (!m_file.open(QIODevice::WriteOnly))
            throw EFCreateError(QStringLiteral("Cannot create file \"%1\". %2")
                                    .arg(QFileInfo(name).absoluteFilePath(), describe(m_file)));
    }

    void write(const QByteArray& bytes)
    {
        if (m_file.write(bytes) != bytes.size())
            fail();
    }

    // One entry: its header, then its data right behind it.
    void writeEntry(const QString& key, uint8_t kind, const QByteArray& data)
    {
        const quint64 dataOffset = quint64(m_file.pos()) + EntryHeaderSize;
        const quint64 next = dataOffset + quint64(data.size());
        // Offsets are 32-bit in the file; past that they would wrap and corrupt the chain.
        if (next > std::numeric_limits<quint32>::max())
            throw EWriteError(QStringLiteral("Theme file \"%1\" would exceed 4 GB at entry \"%2\".")
                                  .arg(m_file.fileName(), key));
        write(
            entryHeaderBytes(key, kind, quint32(dataOffset), quint32(data.size()), quint32(next)));
        write(data);
    }

    void commit()
    {
        if (!m_file.commit())
            fail();
    }

private:
    [[noreturn]] void fail()
    {
        throw EWriteError(
            QStringLiteral("Cannot write file \"%1\". %2")
                .arg(QFileInfo(m_file.fileName()).absoluteFilePath(), describe(m_file)));
    }

    QSaveFile m_file;
};

} // namespace

TsuiThemeFileWriter::TsuiThemeFileWriter(const QString& fileName)
    : m_fileName(fileName)
{
}

TsuiThemeFileWriter::~TsuiThemeFileWriter() = default;

void TsuiThemeFileWriter::AddFile(const QString& key, const QString& sourcePath)
{
    m_files.append({ key, sourcePath, 0 });
}

void TsuiThemeFileWriter::AddStr(const QString& key, const QString& text)
{
    m_strings.append({ key, text, 0 });
}

void TsuiThemeFileWriter::AddInteger(const QString& key, int32_t value)
{
    m_integers.append({ key, {}, value });
}

void TsuiThemeFileWriter::AddBool(const QString& key, bool value)
{
    m_booleans.append({ key, {}, value ? 1 : 0 });
}

void TsuiThemeFileWriter::Save()
{
    OutputFile out(m_fileName);
    out.write(headerBytes());

    for (const Line& line : m_files) {
        QFile source(line.text);
        if (!source.open(QIODevice::ReadOnly))
            throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2")
                                  .arg(QFileInfo(line.text).absoluteFilePath(), describe(source)));
        const QByteArray data = source.readAll();
        if (source.error() != QFileDevice::NoError)
            throw EFOpenError(QStringLiteral("Cannot read file \"%1\". %2")
                                  .arg(QFileInfo(line.text).absoluteFilePath(), describe(source)));
        out.writeEntry(line.key, KindFile, data);
    }
    for (const Line& line : m_strings)
        out.writeEntry(line.key, KindString, line.text.toLatin1());
    for (const Line& line : m_integers) {
        QByteArray data(4, '\0');
        qToLittleEndian<qint32>(line.number, data.data());
        out.writeEntry(line.key, KindInteger, data);
    }
    for (const Line& line : m_booleans)
        out.writeEntry(line.key, KindBoolean, QByteArray(1, char(line.number)));

    // The terminator: zero key, kind boolean, every offset 0.
    out.write(entryHeaderBytes(QString(), KindBoolean, 0, 0, 0));
    out.commit();
}

namespace {

// The `size` bytes at `offset` of the file's contents, or null when they would reach past its end.
const char* bytesAt(const QByteArray& contents, quint64 offset, quint64 size)
{
    const quint64 length = quint64(contents.size());
    if (offset > length || size > length - offset)
        return nullptr;
    return contents.constData() + offset;
}

QString keyOf(const char* entryHeader)
{
    const char* key = entryHeader;
    const void* zero = std::memchr(key, 0, KeySize);
    const int length = zero ? int(static_cast<const char*>(zero) - key) : KeySize;
    return QString::fromLatin1(key, length);
}

} // namespace

TsuiThemeFileReader::TsuiThemeFileReader(const QString& fileName)
{
    Load(fileName);
}

TsuiThemeFileReader::~TsuiThemeFileReader() = default;

void TsuiThemeFileReader::Load(const QString& fileName)
{
    QFile file(fileName);
    const QFileInfo info(fileName);
    // Opening a pipe would wait for a writer; only regular files can hold a theme.
    if (info.exists() && !info.isFile())
        throw EFOpenError(QStringLiteral("Cannot open file \"%1\". It is not a regular file.")
                              .arg(info.absoluteFilePath()));
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2")
                              .arg(info.absoluteFilePath(), describe(file)));
    m_entries.clear();
    m_streams.clear();
    // A pipe or device has no size to bound the reads by; it holds no theme.
    if (file.isSequential())
        return;
    // One read of the whole file, as long as it is now: seeking for every entry header costs a
    // system call each, ten times the read itself. Every offset and size below is checked
    // against what was read, and the entries together never hold more than that.
    const QByteArray contents = file.read(file.size());

    const char* header = bytesAt(contents, 0, HeaderSize);
    if (!header)
        return;
    const quint64 fileSize = quint64(contents.size());
    const quint32 headerSize = qFromLittleEndian<quint32>(header + 12);
    const quint32 firstEntry = qFromLittleEndian<quint32>(header + 20);
    if (headerSize < HeaderSize || headerSize > fileSize || firstEntry < headerSize)
        return;

    quint64 offset = firstEntry;
    while (const char* raw = bytesAt(contents, offset, EntryHeaderSize)) {
        const quint32 next = qFromLittleEndian<quint32>(raw + 73);
        if (next == 0)
            break;
        Entry entry;
        entry.key = keyOf(raw);
        entry.kind = uint8_t(raw[KeySize]);
        entry.headerOffset = quint32(offset);
        entry.dataOffset = qFromLittleEndian<quint32>(raw + 65);
        entry.dataSize = qFromLittleEndian<quint32>(raw + 69);
        const quint64 dataEnd = quint64(entry.dataOffset) + entry.dataSize;
        if (entry.dataOffset < offset + EntryHeaderSize || dataEnd > fileSize || next < dataEnd)
            break;

        switch (entry.kind) {
        case KindFile:
        case KindString:
            entry.usable = true;
            break;
        case KindInteger:
            entry.usable = entry.dataSize == 4;
            break;
        case KindBoolean:
            entry.usable = entry.dataSize == 1;
            break;
        default:
            break;
        }
        if (entry.usable)
            entry.data = QByteArray(
                bytesAt(contents, entry.dataOffset, entry.dataSize), qsizetype(entry.dataSize));

        std::unique_ptr<QBuffer> stream;
        if (entry.usable && entry.kind == KindFile) {
            stream = std::make_unique<QBuffer>();
            stream->setData(entry.data); // shares the bytes, no copy
            stream->open(QIODevice::ReadOnly);
        }
        m_entries.push_back(std::move(entry));
        m_streams.push_back(std::move(stream));
        offset = next;
    }
}

const TsuiThemeFileReader::Entry* TsuiThemeFileReader::find(const QString& key, uint8_t kind) const
{
    for (const Entry& entry : m_entries) {
        if (entry.usable && entry.kind == kind && entry.key.compare(key, Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

QIODevice* TsuiThemeFileReader::GetFile(const QString& key) const
{
    const Entry* entry = find(key, KindFile);
    if (!entry)
        return nullptr;
    QBuffer* stream = m_streams[size_t(entry - m_entries.data())].get();
    if (!stream->isOpen())
        stream->open(QIODevice::ReadOnly);
    stream->seek(0);
    return stream;
}

int32_t TsuiThemeFileReader::GetInteger(const QString& key) const
{
    const Entry* entry = find(key, KindInteger);
    return entry ? qFromLittleEndian<qint32>(entry->data.constData()) : -1;
}

bool TsuiThemeFileReader::GetBool(const QString& key) const
{
    const Entry* entry = find(key, KindBoolean);
    return entry && entry->data.at(0) != 0;
}

QString TsuiThemeFileReader::GetStr(const QString& key) const
{
    const Entry* entry = find(key, KindString);
    return entry ? QString::fromLatin1(entry->data) : QString();
}

bool IsSUIThemeFile(const QString& fileName)
{
    QFile file(fileName);
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(MagicFieldSize);
    if (head.size() != MagicFieldSize)
        return false;
    const int length = head.indexOf('\0');
    return head.left(length < 0 ? MagicFieldSize : length) == QByteArrayLiteral("DOZErad_TB");
}
