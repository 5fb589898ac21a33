// Builds data files byte by byte, so reader tests do not depend on the writer they check.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>
#include <string>

class CatalogueBytes {
public:
    CatalogueBytes& header(const QByteArray& bytes = "ORLENDA")
    {
        m_bytes += bytes;
        return *this;
    }
    CatalogueBytes& u32(uint32_t value)
    {
        for (int shift = 0; shift < 32; shift += 8)
            m_bytes += char(value >> shift & 0xff);
        return *this;
    }
    CatalogueBytes& str(const QByteArray& text)
    {
        u32(uint32_t(text.size()));
        m_bytes += text;
        return *this;
    }
    CatalogueBytes& record(const QByteArray& name, int32_t category, int32_t type,
        const QByteArray& length, const QByteArray& description, const QByteArray& extra,
        const QByteArray& detail)
    {
        str(name).u32(uint32_t(category)).u32(uint32_t(type)).str(length);
        return str(description).str(extra).str(detail);
    }
    const QByteArray& bytes() const { return m_bytes; }
    int size() const { return int(m_bytes.size()); }

    static std::string save(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return path.toStdString();
    }

private:
    QByteArray m_bytes;
};
