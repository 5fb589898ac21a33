// A text label; "&" marks an accelerator and is not shown ("&&" shows one "&").
#pragma once

#include "framework/TControl.h"

#include <QLabel>

class TLabel : public TControlBase<QLabel> {
    Q_OBJECT
    ORLENDA_CONTROL_PROPERTIES
    Q_PROPERTY(ControlTypes::TAlignment Alignment READ textAlignment WRITE setTextAlignment)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE setWordWrap)
public:
    explicit TLabel(QWidget* parent = nullptr);

    // The published Alignment, kept apart from QLabel::setAlignment(Qt::Alignment), which it
    // sets (always top-aligned).
    ControlTypes::TAlignment textAlignment() const { return m_alignment; }
    void setTextAlignment(ControlTypes::TAlignment alignment);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    bool WordWrap() const { return wordWrap(); }
    void setWordWrap(bool wrap);

    // The caption as shown: accelerator marks removed.
    static QString displayText(const QString& caption);

private:
    void fitToText();

    QString m_caption;
    ControlTypes::TAlignment m_alignment = ControlTypes::TAlignment::taLeftJustify;
    bool m_autoSize = true;
    bool m_transparent = false;
};
