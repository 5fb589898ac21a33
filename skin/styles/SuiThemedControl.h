// The themed-control pattern: one helper every Tsui control holds for UIStyle and FileTheme.
#pragma once

#include "skin/styles/SUIThemes.h"
#include "skin/styles/TsuiFileTheme.h"

#include <QMetaObject>
#include <QPointer>
#include <functional>

// A control declares the two published properties itself (moc needs them in its own class):
//
//   Q_PROPERTY(SuiThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
//   Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
//
// and forwards them to a SuiThemedControl member:
//
//   TsuiUIStyle UIStyle() const { return m_theme.uiStyle(); }
//   void SetUIStyle(TsuiUIStyle s) { m_theme.setUIStyle(s); }
//   TsuiFileTheme* FileTheme() const { return m_theme.fileTheme(); }
//   void SetFileTheme(TsuiFileTheme* t) { m_theme.setFileTheme(t); }
//
// The reload hook re-reads every item the control keeps (through color(), integer(), flag(),
// bitmap()), runs the control's own style reaction and repaints.
class SuiThemedControl {
public:
    using ReloadHook = std::function<void()>;

    SuiThemedControl(QObject* control, ReloadHook reload);
    ~SuiThemedControl();
    SuiThemedControl(const SuiThemedControl&) = delete;
    SuiThemedControl& operator=(const SuiThemedControl&) = delete;

    // Creation: take the style of the owner form's TsuiForm (DeepBlue without one) and load.
    void initFromOwner(QObject* owner);
    // The owner of a control: the nearest form above it (IsSUIForm); a non-widget's parent.
    static QObject* ownerOf(QObject* control);

    TsuiUIStyle uiStyle() const { return m_style; }
    TsuiFileTheme* fileTheme() const { return m_fileTheme.data(); }
    // Always re-applies, even for the current style: setting it again is how a control
    // picks up a changed theme.
    void setUIStyle(TsuiUIStyle style);
    void setFileTheme(TsuiFileTheme* theme);

    // Where the items come from, as decided by the last setUIStyle.
    bool usesFileTheme() const { return m_usingFile; }
    TsuiUIStyle effectiveStyle() const { return m_effective; }

    // Typed readers: the file theme when in use, else the effective built-in style.
    uint32_t color(int index) const;
    int32_t integer(int index) const;
    bool flag(int index) const;
    // Built-in pictures come at the picture scale of the control's screen (@2x from a device
    // pixel ratio of 2 on); file themes carry only 1x pictures, which Qt scales.
    void bitmap(int index, QImage& target, int frameCount = 0, int frameNumber = 0) const;
    // The picture scale the control's pictures were last loaded at.
    int pictureScale() const { return m_scale; }
    // Reloads when the control's picture scale is no longer the one loaded (it moved to a screen
    // of another density). The control's own watcher calls it; cheap when nothing changed.
    void checkPictureScale();

private:
    void fileThemeRemoved(QObject* theme);

    QObject* m_control;
    ReloadHook m_reload;
    TsuiUIStyle m_style = TsuiUIStyle::DeepBlue;
    TsuiUIStyle m_effective = TsuiUIStyle::DeepBlue;
    bool m_usingFile = false;
    QPointer<TsuiFileTheme> m_fileTheme;
    QMetaObject::Connection m_removal;
    int m_scale = 1;
    QPointer<QObject> m_scaleWatch; // owned by the control
};
