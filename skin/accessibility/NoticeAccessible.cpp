#include "skin/accessibility/NoticeAccessible.h"

#include "skin/windows/frmMSNPop.h"

namespace {

class CloseBoxAccessible : public SkinPartAccessible {
public:
    using SkinPartAccessible::SkinPartAccessible;

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? QStringLiteral("Close") : QString();
    }
    QAccessible::Role role() const override { return QAccessible::PushButton; }

protected:
    QRect partRect() const override { return TfrmMSNPopForm::CloseBox(); }
    bool partExists() const override { return true; }
    void press() override { ClickAt(host(), TfrmMSNPopForm::CloseBox().center()); }
};

constexpr int kCloseBoxPart = 0;

} // namespace

NoticeAccessible::NoticeAccessible(TfrmMSNPopForm* notice)
    : QAccessibleWidget(notice, QAccessible::AlertMessage)
{
}

TfrmMSNPopForm* NoticeAccessible::notice() const
{
    return static_cast<TfrmMSNPopForm*>(widget());
}

QString NoticeAccessible::text(QAccessible::Text t) const
{
    // Names the program gave win over the labels shown.
    if (t == QAccessible::Name) {
        const QString own = widget()->accessibleName();
        return own.isEmpty() ? notice()->lbl_title->text() : own;
    }
    if (t == QAccessible::Description) {
        const QString own = widget()->accessibleDescription();
        return own.isEmpty() ? notice()->lbl_text->text() : own;
    }
    return QAccessibleWidget::text(t);
}

int NoticeAccessible::childCount() const
{
    return QAccessibleWidget::childCount() + 1;
}

QAccessibleInterface* NoticeAccessible::child(int index) const
{
    const int widgets = QAccessibleWidget::childCount();
    if (index != widgets)
        return QAccessibleWidget::child(index);
    return m_parts.part(
        kCloseBoxPart, [this] { return new CloseBoxAccessible(notice(), kCloseBoxPart); });
}

int NoticeAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (m_parts.indexOf(child) == kCloseBoxPart)
        return QAccessibleWidget::childCount();
    return QAccessibleWidget::indexOfChild(child);
}

QAccessibleInterface* NoticeAccessible::childAt(int x, int y) const
{
    if (TfrmMSNPopForm::CloseBox().contains(widget()->mapFromGlobal(QPoint(x, y))))
        return child(QAccessibleWidget::childCount());
    return QAccessibleWidget::childAt(x, y);
}
