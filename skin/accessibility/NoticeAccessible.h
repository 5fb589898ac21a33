// The notice window to a screen reader: an alert named by its title line, described by its
// message, whose painted close box is a button named "Close".
#pragma once

#include "skin/accessibility/SkinPartAccessible.h"

#include <QAccessibleWidget>

class TfrmMSNPopForm;

class NoticeAccessible : public QAccessibleWidget {
public:
    explicit NoticeAccessible(TfrmMSNPopForm* notice);

    QString text(QAccessible::Text t) const override;
    // The labels as Qt lists them, then the close box.
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    TfrmMSNPopForm* notice() const;

    mutable SkinPartRegistry m_parts;
};
