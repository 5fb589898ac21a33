// The skinned two-state check box: a state picture from the skin followed by the caption, sized
// to fit both. OnClick is its change event and fires on every change except while loading.
#pragma once

#include "framework/TControl.h"
#include "skin/controls/SUIDialogKeys.h"
#include "skin/styles/SuiThemedControl.h"
#include "skin/controls/OffscreenPaint.h"

#include <QImage>

class TsuiCheckBox : public TControlBase<QWidget>, public SuiDialogKeyClient {
    Q_OBJECT
    ORLENDA_CONTROL_PROPERTIES
    Q_PROPERTY(SuiThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(TCheckBoxState State READ State WRITE SetState)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
public:
    // A view of Checked: there is no third state, cbGrayed is taken as unchecked.
    enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
    Q_ENUM(TCheckBoxState)

    explicit TsuiCheckBox(QWidget* parent = nullptr);

    TsuiUIStyle UIStyle() const { return m_theme.uiStyle(); }
    void SetUIStyle(TsuiUIStyle style) { m_theme.setUIStyle(style); }
    TsuiFileTheme* FileTheme() const { return m_theme.fileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme) { m_theme.setFileTheme(theme); }
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    bool Checked() const { return m_checked; }
    void SetChecked(bool checked);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    TCheckBoxState State() const { return m_checked ? cbChecked : cbUnchecked; }
    void SetState(TCheckBoxState state) { SetChecked(state == cbChecked); }
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);

    // The check box changes state through DoClick; the toolkit click has no event of its own.
    void Click() override { DoClick(); }

    // The size AutoSize gives with the current caption, font and pictures.
    QSize AutoSizeExtent() const;
    // The look in its current state, drawn into `rect` as if the control were rect's size.
    void PaintCheckBox(QPainter& painter, const QRect& rect) const;
    // Frame 1..4 of the state picture strip that the current state shows.
    int PictureIndex() const;

    // What AutoSize gives, or the size it was given.
    QSize sizeHint() const override { return m_autoSize ? AutoSizeExtent() : size(); }

    bool DialogKey(int, Qt::KeyboardModifiers) override { return false; }
    bool DialogChar(QChar character) override;

protected:
    virtual bool NeedDrawFocus() const { return TabStop() && hasFocus(); }
    virtual bool GetPicTransparent() const { return false; }
    virtual int GetPicThemeIndex() const;
    virtual void CheckStateChanged();
    virtual void Toggle() { }
    virtual void DoClick();
    virtual bool WantKeyUp() const { return true; }

    // Loading from a form description fires no change events.
    bool IsLoadingSettings() const;
    // Re-reads the state pictures (call after construction when GetPicThemeIndex differs).
    void ReloadPictures();

    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void styleReloaded();
    void applyAutoSize();

    SuiThemedControl m_theme { this, [this] { styleReloaded(); } };
    QImage m_pictures[4];
    QString m_caption;
    int m_acceleratorId = 0;
    OffscreenPaint m_offscreen;
    bool m_checked = false;
    bool m_transparent = false;
    bool m_autoSize = true;
    bool m_leftDown = false;
};
