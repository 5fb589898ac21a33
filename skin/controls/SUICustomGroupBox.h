// A group box: a one-pixel skin-coloured frame broken by the caption. Its style goes on to the
// controls it contains, and so does its Enabled.
#pragma once

#include "skin/controls/SUICustomPanel.h"
#include "skin/styles/SuiThemedControl.h"

class TsuiCustomGroupBox : public TsuiCustomPanel {
    Q_OBJECT
    Q_PROPERTY(SuiThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    // The group box's own caption; the panel text underneath stays blank.
    Q_PROPERTY(QString Caption READ GroupCaption WRITE SetGroupCaption)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
public:
    explicit TsuiCustomGroupBox(QWidget* parent = nullptr);

    TsuiUIStyle UIStyle() const { return m_theme.uiStyle(); }
    void SetUIStyle(TsuiUIStyle style) { m_theme.setUIStyle(style); }
    TsuiFileTheme* FileTheme() const { return m_theme.fileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme) { m_theme.setFileTheme(theme); }
    QColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(const QColor& color);
    QString GroupCaption() const { return m_caption; }
    void SetGroupCaption(const QString& caption);

    // The absolute font height, which places the frame line and the inner rectangle.
    int FontHeightPixels() const;
    // The client rectangle less the caption band and the frame: where group items go.
    QRect GetClient() const;

    // The look (background, frame, caption) painted into `rect` of any painter.
    void PaintGroupBox(QPainter& painter, const QRect& rect) const;

protected:
    // Runs for every write of UIStyle and FileTheme: first the contained controls take the style,
    // then the box reads its own colours.
    virtual void UpdateUIStyle(TsuiUIStyle style, TsuiFileTheme* fileTheme);
    const SuiThemedControl& theme() const { return m_theme; }

    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateMargins();

    SuiThemedControl m_theme { this, [this] { UpdateUIStyle(UIStyle(), FileTheme()); } };
    QString m_caption;
    QColor m_borderColor;
};
