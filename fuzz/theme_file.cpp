// Theme file reader on arbitrary bytes: it must end, stay inside the file and answer lookups;
// and whatever it reads, the writer writes back to a file that answers every lookup the same.
#include "skin/styles/SUIThemeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QtEndian>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// Scratch files of this process, memory-backed where there is /dev/shm: a file on a disk costs
// milliseconds per input.
QString scratch(const QString& name)
{
    static const QDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
            ? QStringLiteral("/dev/shm")
            : QDir::tempPath());
    return dir.filePath(QStringLiteral("orlenda_fuzz_theme_%1_%2")
                            .arg(QCoreApplication::applicationPid())
                            .arg(name));
}

void writeFile(const QString& path, const char* bytes, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes, size) != size)
        __builtin_trap();
}

QByteArray streamBytes(QIODevice* stream)
{
    return stream ? stream->readAll() : QByteArray();
}

// Writes every usable entry of reader back through the writer and checks that the copy answers
// each of their keys as the original does (booleans come back as 0 or 1, so only GetBool counts).
void checkRoundTrip(const TsuiThemeFileReader& reader)
{
    using namespace SuiThemeFileFormat;
    const QString copyPath = scratch(QStringLiteral("copy.sui"));
    std::vector<QString> sources;
    {
        TsuiThemeFileWriter writer(copyPath);
        for (const auto& entry : reader.entries()) {
            if (!entry.usable)
                continue;
            switch (entry.kind) {
            case KindFile:
                sources.push_back(scratch(QStringLiteral("source%1.bmp").arg(sources.size())));
                writeFile(sources.back(), entry.data.constData(), entry.data.size());
                writer.AddFile(entry.key, sources.back());
                break;
            case KindString:
                writer.AddStr(entry.key, QString::fromLatin1(entry.data));
                break;
            case KindInteger:
                writer.AddInteger(entry.key, qFromLittleEndian<qint32>(entry.data.constData()));
                break;
            case KindBoolean:
                writer.AddBool(entry.key, entry.data.at(0) != 0);
                break;
            }
        }
        writer.Save();
    }
    const TsuiThemeFileReader copy(copyPath);
    for (const auto& entry : reader.entries()) {
        if (reader.GetInteger(entry.key) != copy.GetInteger(entry.key)
            || reader.GetBool(entry.key) != copy.GetBool(entry.key)
            || reader.GetStr(entry.key) != copy.GetStr(entry.key)
            || streamBytes(reader.GetFile(entry.key)) != streamBytes(copy.GetFile(entry.key)))
            __builtin_trap();
    }
    for (const QString& source : sources)
        QFile::remove(source);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QString path = scratch(QStringLiteral("input.sui"));
    writeFile(path, reinterpret_cast<const char*>(data), qint64(size));
    (void)IsSUIThemeFile(path);
    try {
        const TsuiThemeFileReader reader(path);
        qint64 total = 0;
        for (const auto& entry : reader.entries()) {
            total += entry.data.size();
            if (QIODevice* stream = reader.GetFile(entry.key))
                (void)stream->readAll();
            (void)reader.GetInteger(entry.key);
            (void)reader.GetBool(entry.key);
            (void)reader.GetStr(entry.key);
        }
        // Entries never overlap, so all data held together fits in the file.
        if (total > qint64(size))
            __builtin_trap();
        (void)reader.GetInteger(QStringLiteral("FormMinWidthInt"));
        (void)reader.GetBool(QStringLiteral("ButtonTransparentBool"));
        (void)reader.GetFile(QStringLiteral("ButtonImage"));
        try {
            checkRoundTrip(reader);
        } catch (const OrlendaException&) {
            // Writing back a file that was read must not fail.
            __builtin_trap();
        }
    } catch (const OrlendaException&) {
    }
    return 0;
}
