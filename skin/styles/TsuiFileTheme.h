// What a themed control needs of a loaded theme file: the same item lookups as the built-in styles.
#pragma once

#include <QImage>
#include <QObject>
#include <cstdint>

class TsuiFileTheme : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~TsuiFileTheme() override = default;

    // True once a valid theme file is loaded.
    virtual bool CanUse() const = 0;
    // Item indexes are 1..42; frames are counted from 1 at the left of a strip of `frameCount`.
    virtual void GetBitmap(int index, QImage& target) const = 0;
    virtual void GetBitmap(int index, QImage& target, int frameCount, int frameNumber) const = 0;
    virtual uint32_t GetColor(int index) const = 0; // 0x00BBGGRR
    virtual int32_t GetInt(int index) const = 0;
    virtual bool GetBool(int index) const = 0;
};
