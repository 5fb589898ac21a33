// Theme files (".sui"): a 24-byte header and a chain of 77-byte entry headers, each followed by
// its data; little-endian, packed. The writer produces them, the reader loads one into memory.
#pragma once

#include "framework/OrlendaException.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class QBuffer;
class QIODevice;

// The framework's stream errors, raised with a message that names the file.
class EFOpenError : public OrlendaException {
public:
    using OrlendaException::OrlendaException;
};
class EFCreateError : public OrlendaException {
public:
    using OrlendaException::OrlendaException;
};
class EWriteError : public OrlendaException {
public:
    using OrlendaException::OrlendaException;
};

namespace SuiThemeFileFormat {
inline constexpr char Magic[] = "DOZErad_TB";
inline constexpr int MagicFieldSize = 12;
inline constexpr int HeaderSize = 24;
inline constexpr int EntryHeaderSize = 77;
inline constexpr int KeySize = 64;
inline constexpr int FormatNumber = 1;
// Entry kinds as stored in byte 64 of an entry header.
enum EntryKind : uint8_t { KindFile = 0, KindInteger = 1, KindBoolean = 2, KindString = 3 };
} // namespace SuiThemeFileFormat

// Collects entries and writes the whole file at once, only when Save is called. Keys and texts
// are stored as 8-bit (Latin-1) characters; a key is cut to 64 of them. Adding a key twice to
// one kind stores it twice; readers answer the first.
class TsuiThemeFileWriter {
public:
    explicit TsuiThemeFileWriter(const QString& fileName);
    // Writes nothing: a writer left unsaved leaves the disk as it was.
    ~TsuiThemeFileWriter();

    TsuiThemeFileWriter(const TsuiThemeFileWriter&) = delete;
    TsuiThemeFileWriter& operator=(const TsuiThemeFileWriter&) = delete;

    void AddFile(const QString& key, const QString& sourcePath);
    void AddStr(const QString& key, const QString& text);
    void AddInteger(const QString& key, int32_t value);
    void AddBool(const QString& key, bool value);

    // Writes the file in kind order file, string, integer, boolean. The new file replaces the
    // old one only once it is complete: on any failure the old file (or no file) stays and the
    // failure is raised. EFCreateError: the output cannot be created; EFOpenError: a source
    // file cannot be read; EWriteError: writing failed or the data would not fit the format's
    // 32-bit offsets.
    void Save();

    QString fileName() const { return m_fileName; }

private:
    struct Line {
        QString key;
        QString text; // source path or string value
        int32_t number = 0;
    };

    QString m_fileName;
    QList<Line> m_files;
    QList<Line> m_strings;
    QList<Line> m_integers;
    QList<Line> m_booleans;
};

// Loads a theme file whole into memory and answers lookups by key (letter case ignored, the
// first entry of a key answers; the kinds are separate namespaces).
//
// Damaged files never make it read past the file or allocate more than the file holds:
// - a file shorter than its header, or a header size below 24 or beyond the file: nothing loads;
//   a larger header size is accepted and its extra bytes are ignored;
// - the chain must move forward: an entry's data must lie after its own header and inside the
//   file, and its next entry must start after its data. The first entry that breaks this, or a
//   header or data cut off by the end of the file, ends reading; the entries before it are kept.
//   So a looping chain ends, and all data held is at most the file's size;
// - an integer entry whose size is not 4, a boolean entry whose size is not 1 and an entry of an
//   unknown kind are skipped (listed by entries(), never answered), and reading goes on.
// The magic is not checked here; callers ask IsSUIThemeFile first.
class TsuiThemeFileReader {
public:
    struct Entry {
        QString key;
        uint8_t kind = 0; // as stored; see SuiThemeFileFormat::EntryKind
        uint32_t headerOffset = 0;
        uint32_t dataOffset = 0;
        uint32_t dataSize = 0;
        QByteArray data;
        bool usable = false; // a lookup can answer from this entry
    };

    // Loads the file; EFOpenError when it cannot be opened.
    explicit TsuiThemeFileReader(const QString& fileName);
    ~TsuiThemeFileReader();

    TsuiThemeFileReader(const TsuiThemeFileReader&) = delete;
    TsuiThemeFileReader& operator=(const TsuiThemeFileReader&) = delete;

    // Replaces what is held by the file's entries; EFOpenError (and nothing changes) when the
    // file cannot be opened.
    void Load(const QString& fileName);

    // The data of the file entry, rewound; owned by the reader, the same stream for the same key.
    QIODevice* GetFile(const QString& key) const;
    int32_t GetInteger(const QString& key) const; // -1 when absent
    bool GetBool(const QString& key) const; // false when absent; any non-zero byte is true
    QString GetStr(const QString& key) const; // empty when absent

    // Every entry of the chain in file order, skipped ones included (for listing tools).
    const std::vector<Entry>& entries() const { return m_entries; }

private:
    const Entry* find(const QString& key, uint8_t kind) const;

    std::vector<Entry> m_entries;
    // Parallel to m_entries: a stream over the data of each usable file entry.
    std::vector<std::unique_ptr<QBuffer>> m_streams;
};

// True when the file exists and its first 12 bytes, read as text up to the first zero byte, are
// exactly "DOZErad_TB". Never raises.
bool IsSUIThemeFile(const QString& fileName);
