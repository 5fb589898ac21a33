// Constraints of a control's size ("Constraints.MinWidth"); 0 means no constraint.
#pragma once

#include <QObject>
#include <QWidget>

class TSizeConstraints : public QObject {
    Q_OBJECT
    Q_PROPERTY(int MaxHeight READ MaxHeight WRITE setMaxHeight)
    Q_PROPERTY(int MaxWidth READ MaxWidth WRITE setMaxWidth)
    Q_PROPERTY(int MinHeight READ MinHeight WRITE setMinHeight)
    Q_PROPERTY(int MinWidth READ MinWidth WRITE setMinWidth)
public:
    explicit TSizeConstraints(QWidget* control);

    int MaxHeight() const { return m_maxHeight; }
    void setMaxHeight(int value);
    int MaxWidth() const { return m_maxWidth; }
    void setMaxWidth(int value);
    int MinHeight() const { return m_minHeight; }
    void setMinHeight(int value);
    int MinWidth() const { return m_minWidth; }
    void setMinWidth(int value);

    // The size a requested size becomes under the constraints.
    QSize constrain(QSize size) const;

private:
    void apply();

    QWidget* m_control;
    int m_maxHeight = 0;
    int m_maxWidth = 0;
    int m_minHeight = 0;
    int m_minWidth = 0;
};
