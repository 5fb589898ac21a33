// Item lookups of a loaded theme file: the item index names its key in the theme item table.
#pragma once

#include <QHash>
#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>

class TsuiThemeFileReader;

class TsuiFileThemeMgr {
public:
    TsuiFileThemeMgr();
    ~TsuiFileThemeMgr();
    TsuiFileThemeMgr(const TsuiFileThemeMgr&) = delete;
    TsuiFileThemeMgr& operator=(const TsuiFileThemeMgr&) = delete;

    // False with the current file kept when no file is at `path`. Otherwise the current file is
    // released first; a file that then cannot be read leaves none loaded (and answers false).
    bool LoadFromFile(const QString& path);
    bool IsLoaded() const { return m_reader != nullptr; }

    // The item's key is the i-th key of kThemeItems. An image's BMP bytes are decoded once per
    // load and shared (QImage copies on write), so a form of many controls does not decode the
    // same strip for each; a key without an image, or bytes that do not decode, leave the target
    // as is.
    void GetBitmap(int index, QImage& target) const;
    uint32_t GetColor(int index) const; // -1 when the key is absent, 0 with no file
    int32_t GetInt(int index) const; // -1 when the key is absent, 0 with no file
    bool GetBool(int index) const;

private:
    std::unique_ptr<TsuiThemeFileReader> m_reader;
    mutable QHash<int, QImage> m_decoded; // by item index, for the loaded reader only
};
