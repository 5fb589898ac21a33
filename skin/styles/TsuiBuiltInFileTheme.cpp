#include "skin/styles/TsuiBuiltInFileTheme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kSkinData = QStringLiteral("SkinData");

// A directory that keeps refusing new files should not be walked for ever.
constexpr int kMaxCandidates = 100000;

} // namespace

QStringList TsuiBuiltInFileTheme::BinaryPropertyNames() const
{
    return { kSkinData };
}

std::optional<QByteArray> TsuiBuiltInFileTheme::WriteBinaryProperty(const QString& name) const
{
    if (name != kSkinData || m_recorded.isEmpty() || !QFileInfo(m_recorded).isFile())
        return std::nullopt;
    QFile file(m_recorded);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

void TsuiBuiltInFileTheme::ReadBinaryProperty(const QString& name, const QByteArray& data)
{
    if (name != kSkinData)
        return;
    const QString path = SaveTemporaryThemeFile(QDir::tempPath(), data);
    if (path.isEmpty())
        return;
    // Removed also when the bytes turn out not to be a theme.
    struct Remove {
        QString path;
        ~Remove() { QFile::remove(path); }
    } remove { path };
    TsuiFileTheme::SetThemeFile(path);
}

QString SaveTemporaryThemeFile(const QString& directory, const QByteArray& data)
{
    const QDir dir(directory);
    for (int counter = 0; counter < kMaxCandidates; ++counter) {
        const QString name = counter == 0 ? QStringLiteral("DIDEZOV.sui")
                                          : QStringLiteral("DIDEZOV%1.sui").arg(counter);
        const QString path = dir.filePath(name);
        if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
            continue;
        QFile file(path);
        // NewOnly fails when the name exists by now, so another program's file is never opened.
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
                continue;
            return {};
        }
        if (file.write(data) != data.size() || !file.flush()) {
            file.close();
            file.remove();
            return {};
        }
        file.close();
        return path;
    }
    return {};
}
