// The title bar to a screen reader: a title bar named by its caption, whose caption buttons are
// buttons named by what they do ("Close", "Minimize", ...).
#pragma once

#include "skin/accessibility/SkinPartAccessible.h"

#include <QAccessibleWidget>

class TsuiTitleBar;

class TitleBarAccessible : public QAccessibleWidget {
public:
    explicit TitleBarAccessible(TsuiTitleBar* bar);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // What a caption button of this kind is called; the maximize button says what it will do.
    static QString buttonName(int type, bool formMaximized);

private:
    TsuiTitleBar* bar() const;
    // The collection indexes of the buttons shown, left to right.
    QList<int> shownButtons() const;

    mutable SkinPartRegistry m_parts;
};
