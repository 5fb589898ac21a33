// A file theme that carries its theme file inside the form's description ("SkinData"), so the
// file need not ship beside the program.
#pragma once

#include "skin/styles/TsuiFileTheme.h"

class TsuiBuiltInFileTheme : public TsuiFileTheme {
    Q_OBJECT
    // Publishes the recorded path under the inherited name; the inherited ThemeFile (reached
    // through TsuiFileTheme::ThemeFile) still holds the path really loaded.
    Q_PROPERTY(QString ThemeFile READ RecordedThemeFile WRITE SetRecordedThemeFile)
public:
    using TsuiFileTheme::TsuiFileTheme;

    QString RecordedThemeFile() const { return m_recorded; }
    // Only records the text; nothing is loaded.
    void SetRecordedThemeFile(const QString& path) { m_recorded = path; }

    QStringList BinaryPropertyNames() const override;
    // The recorded file's bytes, whole; nothing when no file is there.
    std::optional<QByteArray> WriteBinaryProperty(const QString& name) const override;
    // Saves the bytes as a new temporary theme file, loads it and deletes it again.
    void ReadBinaryProperty(const QString& name, const QByteArray& data) override;

private:
    QString m_recorded;
};

// The temporary theme file for `data`: "DIDEZOV.sui" in `directory`, or "DIDEZOV1.sui",
// "DIDEZOV2.sui" ... when the name is taken; each candidate is created exclusively, so a file of
// that name (even one made a moment ago by another program) is never opened or changed.
// Empty when none could be written.
QString SaveTemporaryThemeFile(const QString& directory, const QByteArray& data);
