// The skinned frame's menu bar to a screen reader: a menu bar whose painted titles are menu
// items named by their captions; pressing one drops its menu down.
#pragma once

#include "skin/accessibility/SkinPartAccessible.h"

#include <QAccessibleWidget>

class FormMenuBar;

class MenuBarAccessible : public QAccessibleWidget {
public:
    explicit MenuBarAccessible(FormMenuBar* bar);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    FormMenuBar* bar() const;

    mutable SkinPartRegistry m_parts;
};
