// A skinned group box with one check box per line of Items, arranged in columns. OnClick is the
// group's change event: any item changing, or a click on the group's own area.
#pragma once

#include "skin/controls/SUICustomGroupBox.h"

#include <QList>
#include <QPointer>
#include <QStringList>

class TsuiCheckBox;

class TsuiCheckGroup : public TsuiCustomGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(int TopMargin READ TopMargin WRITE SetTopMargin)
    Q_PROPERTY(QColor FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(QColor BorderColor READ BorderColor WRITE SetBorderColor)
    // The cursor of the items; the group's own area keeps the control cursor.
    Q_PROPERTY(ControlTypes::TCursor Cursor READ ItemCursor WRITE SetItemCursor)
public:
    explicit TsuiCheckGroup(QWidget* parent = nullptr);
    ~TsuiCheckGroup() override;

    QStringList Items() const { return m_items; }
    // Every write is one change of the list: the buttons are rebuilt to mirror it.
    void SetItems(const QStringList& items);
    int Columns() const { return m_columns; }
    // Values below 1 are ignored (the arrangement divides by the column count).
    void SetColumns(int columns);
    int TopMargin() const { return m_topMargin; }
    // Negative values are ignored.
    void SetTopMargin(int margin);
    QColor FontColor() const { return fontObject()->Color(); }
    void SetFontColor(const QColor& color) { fontObject()->setColor(color); }
    ControlTypes::TCursor ItemCursor() const { return m_itemCursor; }
    void SetItemCursor(ControlTypes::TCursor cursor);

    int ButtonCount() const { return int(m_buttons.size()); }
    TsuiCheckBox* Button(int index) const;

    // The getters answer false outside the list; the setters throw OrlendaException there.
    bool GetChecked(int index) const;
    void SetChecked(int index, bool value);
    bool GetItemEnabled(int index) const;
    void SetItemEnabled(int index, bool value);

    void SetTransparent(bool transparent) override;

    // Where button `index` of `count` goes: the column arithmetic of the group.
    static QPoint ButtonPosition(
        int index, int count, int columns, const QRect& inner, int topMargin, int groupWidth);

    // The group's framework click: the change handler.
    void Click() override { Changed(); }

    // Moves the focus from one item to the next (step 1) or previous (step -1) that can take it,
    // wrapping round.
    void FocusNeighbour(QWidget* from, int step);

    void Notification(QObject* component, Operation operation) override;

protected:
    virtual void NewClick() { }
    virtual TsuiCheckBox* CreateAButton();
    virtual void FocusUpdate();
    void UpdateUIStyle(TsuiUIStyle style, TsuiFileTheme* fileTheme) override;

    // The change handler: NewClick, then OnClick unless the form is loading.
    void Changed();
    // The buttons, in line order.
    const QList<TsuiCheckBox*>& buttons() const { return m_buttons; }

    void resized() override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void UpdateButtons();
    void ArrangeButtons();
    void fontChanged();
    void destroyButton(TsuiCheckBox* button);

    QStringList m_items;
    QList<TsuiCheckBox*> m_buttons;
    int m_columns = 1;
    int m_topMargin = 8;
    int m_changeDepth = 0;
    Qt::FocusReason m_lastFocusReason = Qt::OtherFocusReason;
    ControlTypes::TCursor m_itemCursor = ControlTypes::TCursor::crDefault;
};
