#include "skin/styles/TsuiFileThemeMgr.h"

#include "skin/styles/SUIThemeFile.h"
#include "skin/styles/Suiresdef.h"

#include <QFileInfo>
#include <QIODevice>

namespace {

QString keyOf(int index)
{
    const std::string_view key = SuiThemes::ThemeItemKey(index);
    return QString::fromLatin1(key.data(), qsizetype(key.size()));
}

} // namespace

TsuiFileThemeMgr::TsuiFileThemeMgr() = default;
TsuiFileThemeMgr::~TsuiFileThemeMgr() = default;

bool TsuiFileThemeMgr::LoadFromFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    m_reader.reset();
    m_decoded.clear();
    try {
        m_reader = std::make_unique<TsuiThemeFileReader>(path);
    } catch (const EFOpenError&) {
        // Released already; a half answer from an unreadable file is worse than none.
        return false;
    }
    return true;
}

void TsuiFileThemeMgr::GetBitmap(int index, QImage& target) const
{
    if (!m_reader)
        return;
    auto cached = m_decoded.constFind(index);
    if (cached == m_decoded.constEnd()) {
        QImage image;
        const QString key = keyOf(index);
        if (QIODevice* stream = key.isEmpty() ? nullptr : m_reader->GetFile(key)) {
            stream->seek(0);
            image = QImage::fromData(stream->readAll(), "BMP");
            stream->seek(0);
        }
        // A null image is remembered too: the key stays missing for this load.
        cached = m_decoded.insert(index, image);
    }
    if (!cached->isNull())
        target = *cached;
}

uint32_t TsuiFileThemeMgr::GetColor(int index) const
{
    return uint32_t(GetInt(index));
}

int32_t TsuiFileThemeMgr::GetInt(int index) const
{
    if (!m_reader)
        return 0;
    const QString key = keyOf(index);
    return key.isEmpty() ? -1 : m_reader->GetInteger(key);
}

bool TsuiFileThemeMgr::GetBool(int index) const
{
    if (!m_reader)
        return false;
    const QString key = keyOf(index);
    return !key.isEmpty() && m_reader->GetBool(key);
}
