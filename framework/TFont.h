// The Font of a control: a view onto the widget's QFont and text colour, set by name
// ("Font.Name", "Font.Height", "Font.Style").
#pragma once

#include "framework/ControlTypes.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QWidget>

class TFont : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Charset READ Charset WRITE setCharset)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    // Negative heights are character heights in pixels, positive ones cell heights.
    Q_PROPERTY(int Height READ Height WRITE setHeight)
    Q_PROPERTY(QString Name READ Name WRITE setName)
    Q_PROPERTY(int Size READ Size WRITE setSize STORED false)
    Q_PROPERTY(ControlTypes::TFontStyles Style READ Style WRITE setStyle)
public:
    explicit TFont(QWidget* control);

    int Charset() const { return m_charset; }
    void setCharset(int charset);
    QColor Color() const;
    void setColor(const QColor& color);
    int Height() const;
    void setHeight(int height);
    QString Name() const;
    void setName(const QString& name);
    int Size() const;
    void setSize(int points);
    ControlTypes::TFontStyles Style() const;
    void setStyle(ControlTypes::TFontStyles style);

    void Assign(const TFont* other);
    QFont toQFont() const;

Q_SIGNALS:
    void changed();

private:
    void apply(const QFont& font);

    QWidget* m_control;
    int m_charset = 1; // DEFAULT_CHARSET
};
