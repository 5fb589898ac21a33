// One panel of a status bar's Panels collection.
#pragma once

#include "framework/ControlTypes.h"

#include <QObject>

class TStatusPanel : public QObject {
    Q_OBJECT
    Q_PROPERTY(ControlTypes::TAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(int Width READ Width WRITE setWidth)
public:
    Q_INVOKABLE explicit TStatusPanel(QObject* collection = nullptr)
        : QObject(collection)
    {
    }

    ControlTypes::TAlignment Alignment() const { return m_alignment; }
    void setAlignment(ControlTypes::TAlignment alignment);
    QString Text() const { return m_text; }
    void setText(const QString& text);
    int Width() const { return m_width; }
    void setWidth(int width);

Q_SIGNALS:
    void changed();

private:
    ControlTypes::TAlignment m_alignment = ControlTypes::TAlignment::taLeftJustify;
    QString m_text;
    int m_width = 50;
};
