// A component that holds a loaded theme file and answers the same item lookups as the built-in
// styles; themed controls refer to it through their FileTheme property.
#pragma once

#include "framework/Component.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>

class TsuiFileThemeMgr;

class TsuiFileTheme : public QObject, public Component {
    Q_OBJECT
    Q_PROPERTY(QString ThemeFile READ ThemeFile WRITE SetThemeFile)
public:
    explicit TsuiFileTheme(QObject* parent = nullptr);
    ~TsuiFileTheme() override;

    // The full path of the loaded file, as found by the search, not the text assigned.
    QString ThemeFile() const { return m_themeFile; }
    // Finds the file (the text itself, then its file name in the program's directory, the
    // per-user and the system-wide data directories); nothing happens when it is found nowhere.
    // A file without the theme magic raises OrlendaException "Invalid skin file for DOZErad!"
    // and changes nothing. After a good load every themed component of the owner form that
    // uses this theme is given it again, so it reloads its items.
    void SetThemeFile(const QString& value);

    // True once a valid theme file is loaded.
    virtual bool CanUse() const;
    static bool CheckThemeFile(const QString& path);

    // Item indexes are 1..42; frames are counted from 1 at the left of a strip of `frameCount`.
    // Unusable: colour and integer 0, flag false, image unchanged. Usable: a key the file lacks
    // answers -1, false, and leaves the image unchanged.
    virtual void GetBitmap(int index, QImage& target) const;
    virtual void GetBitmap(int index, QImage& target, int frameCount, int frameNumber) const;
    virtual uint32_t GetColor(int index) const; // 0x00BBGGRR
    virtual int32_t GetInt(int index) const;
    virtual bool GetBool(int index) const;

private:
    void reassignUsers();

    QString m_themeFile;
    std::unique_ptr<TsuiFileThemeMgr> m_items;
    bool m_canUse = false;
};
