// Theme file reader on arbitrary bytes: it must end, stay inside the file and answer lookups.
#include "skin/styles/SUIThemeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The reader works on files, so each input goes through one scratch file of this process,
    // memory-backed where there is /dev/shm: a file on a disk costs milliseconds per input.
    static const QString path
        = QDir(QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm")
                                                                  : QDir::tempPath())
              .filePath(QStringLiteral("orlenda_fuzz_theme_%1.sui")
                            .arg(QCoreApplication::applicationPid()));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
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
    } catch (const OrlendaException&) {
    }
    return 0;
}
