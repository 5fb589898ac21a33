// A themed test control on the component model and helpers that write small theme files.
#pragma once

#include "framework/ComponentRegistry.h"
#include "framework/TControl.h"
#include "skin/styles/SUIThemeFile.h"
#include "skin/styles/SuiThemedControl.h"
#include "skin/styles/Suiresdef.h"

#include <QDir>
#include <QFile>
#include <QWidget>

// Keeps copies of a few items, re-read on every style change, as real themed controls do.
class TsuiProbeControl : public TControlBase<QWidget> {
    Q_OBJECT
    Q_MOC_INCLUDE("skin/styles/TsuiFileTheme.h")
    Q_PROPERTY(SuiThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
public:
    explicit TsuiProbeControl(QWidget* parent = nullptr)
        : TControlBase<QWidget>(parent)
    {
        m_theme.initFromOwner(SuiThemedControl::ownerOf(this));
    }
    TsuiUIStyle UIStyle() const { return m_theme.uiStyle(); }
    void SetUIStyle(TsuiUIStyle style) { m_theme.setUIStyle(style); }
    TsuiFileTheme* FileTheme() const { return m_theme.fileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme) { m_theme.setFileTheme(theme); }
    bool usesFile() const { return m_theme.usesFileTheme(); }

    int reloads = 0;
    uint32_t borderColor = 0;
    QImage button;

private:
    void reload()
    {
        ++reloads;
        borderColor = m_theme.color(SuiThemes::SuiItem::ControlBorderColor);
        m_theme.bitmap(SuiThemes::SuiItem::ButtonImage, button);
    }
    SuiThemedControl m_theme { this, [this] { reload(); } };
};

// The same properties on a class whose name does not mark it as a skin component.
class ProbeOther : public TControlBase<QWidget> {
    Q_OBJECT
    Q_MOC_INCLUDE("skin/styles/TsuiFileTheme.h")
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
public:
    using TControlBase<QWidget>::TControlBase;
    TsuiFileTheme* FileTheme() const { return m_theme; }
    void SetFileTheme(TsuiFileTheme* theme)
    {
        m_theme = theme;
        ++writes;
    }
    int writes = 0;

private:
    TsuiFileTheme* m_theme = nullptr;
};

// A theme file holding one colour for ControlBorderColor and a 6x2 button image of one colour.
inline void writeSmallTheme(const QString& path, int32_t border, QRgb buttonColour = 0xFF102030)
{
    QImage button(6, 2, QImage::Format_RGB32);
    button.fill(buttonColour);
    const QString bmp = path + QStringLiteral(".button.bmp");
    button.save(bmp, "BMP");
    {
        TsuiThemeFileWriter writer(path);
        writer.AddInteger(QStringLiteral("ControlBorderColor"), border);
        writer.AddFile(QStringLiteral("ButtonImage"), bmp);
        writer.Save();
    }
    QFile::remove(bmp);
}

inline QString shippedTheme(const QString& name)
{
    return QStringLiteral(ORLENDA_SOURCE_DIR "/resources/themes/") + name + QStringLiteral(".sui");
}
