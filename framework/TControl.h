// What every control shares (bounds, docking, visibility, hint, cursor, tab order, colour, font,
// OnClick, OnResize), mixed over the Qt widget class the control stands on.
#pragma once

#include "framework/AlignLayout.h"
#include "framework/Component.h"
#include "framework/ControlTypes.h"
#include "framework/Event.h"
#include "framework/TFont.h"

#include <QColor>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QWidget>

namespace ControlSupport {
Qt::CursorShape cursorShape(ControlTypes::TCursor cursor);
// Chains the focus order of `container`'s children by their TabOrder property.
void applyTabOrder(QWidget* container);
// The form (TForm) a control sits on, or null.
QWidget* parentForm(const QWidget* control);
} // namespace ControlSupport

// The published properties every control declares; moc expands it inside the class body.
#define ORLENDA_CONTROL_PROPERTIES                                                                 \
    Q_PROPERTY(int Left READ Left WRITE setLeft)                                                   \
    Q_PROPERTY(int Top READ Top WRITE setTop)                                                      \
    Q_PROPERTY(int Width READ Width WRITE setWidth)                                                \
    Q_PROPERTY(int Height READ Height WRITE setHeight)                                             \
    Q_PROPERTY(ControlTypes::TAlign Align READ Align WRITE setAlign)                               \
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)                                         \
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)                                         \
    Q_PROPERTY(QString Hint READ Hint WRITE setHint)                                               \
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE setShowHint)                                      \
    Q_PROPERTY(ControlTypes::TCursor Cursor READ cursorKind WRITE setCursorKind)                   \
    Q_PROPERTY(int TabOrder READ TabOrder WRITE setTabOrderIndex)                                  \
    Q_PROPERTY(bool TabStop READ TabStop WRITE setTabStop)                                         \
    Q_PROPERTY(QColor Color READ Color WRITE setColor)                                             \
    Q_PROPERTY(TFont* Font READ Font WRITE assignFont)                                             \
    Q_PROPERTY(FormMethod OnClick READ onClickHandler WRITE setOnClickHandler)                     \
    Q_PROPERTY(FormMethod OnResize READ onResizeHandler WRITE setOnResizeHandler)

template <typename Base> class TControlBase : public Base, public Component {
public:
    explicit TControlBase(QWidget* parent = nullptr)
        : Base(parent)
        , Component(this)
        , m_font(new TFont(this))
    {
    }

    Event<> OnClick;
    Event<> OnResize;

    int Left() const { return this->x(); }
    void setLeft(int value) { setBounds(QRect(value, this->y(), this->width(), this->height())); }
    int Top() const { return this->y(); }
    void setTop(int value) { setBounds(QRect(this->x(), value, this->width(), this->height())); }
    int Width() const { return this->width(); }
    void setWidth(int value) { setBounds(QRect(this->x(), this->y(), value, this->height())); }
    int Height() const { return this->height(); }
    void setHeight(int value) { setBounds(QRect(this->x(), this->y(), this->width(), value)); }
    void setBounds(const QRect& bounds)
    {
        if (bounds == this->geometry())
            return;
        AlignLayout::setBounds(this, bounds);
        requestParentAlign();
    }

    ControlTypes::TAlign Align() const { return m_align; }
    void setAlign(ControlTypes::TAlign align)
    {
        if (m_align == align)
            return;
        m_align = align;
        if (QWidget* parent = this->parentWidget())
            AlignLayout::watch(parent);
        requestParentAlign();
    }

    // Windows report whether they are on screen; controls whether they are meant to be shown.
    bool Visible() const
    {
        if (this->isWindow())
            return this->isVisible();
        return !(this->testAttribute(Qt::WA_WState_ExplicitShowHide) && this->isHidden());
    }
    void setVisible(bool visible) override
    {
        Base::setVisible(visible);
        requestParentAlign();
    }
    bool Enabled() const { return this->isEnabled(); }

    QString Hint() const { return m_hint; }
    void setHint(const QString& hint)
    {
        m_hint = hint;
        this->setToolTip(m_showHint ? m_hint : QString());
    }
    bool ShowHint() const { return m_showHint; }
    void setShowHint(bool show)
    {
        m_showHint = show;
        this->setToolTip(m_showHint ? m_hint : QString());
    }

    ControlTypes::TCursor cursorKind() const { return m_cursor; }
    void setCursorKind(ControlTypes::TCursor cursor)
    {
        m_cursor = cursor;
        if (cursor == ControlTypes::TCursor::crDefault)
            this->unsetCursor();
        else
            this->setCursor(ControlSupport::cursorShape(cursor));
    }

    int TabOrder() const { return m_tabOrder; }
    void setTabOrderIndex(int order)
    {
        m_tabOrder = order;
        if (QWidget* parent = this->parentWidget())
            ControlSupport::applyTabOrder(parent);
    }
    bool TabStop() const { return m_tabStop; }
    void setTabStop(bool stop)
    {
        m_tabStop = stop;
        if (this->focusPolicy() != Qt::NoFocus)
            this->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
    }

    QColor Color() const
    {
        return m_color.isValid() ? m_color : this->palette().color(this->backgroundRole());
    }
    void setColor(const QColor& color)
    {
        if (m_color == color)
            return;
        m_color = color;
        QPalette palette = this->palette();
        palette.setColor(this->backgroundRole(), color);
        this->setPalette(palette);
        this->setAutoFillBackground(true);
        this->update();
    }

    TFont* Font() const { return m_font; }
    void assignFont(TFont* font) { m_font->Assign(font); }

    FormMethod onClickHandler() const { return OnClick.method(); }
    void setOnClickHandler(const FormMethod& method) { OnClick.bind(method); }
    FormMethod onResizeHandler() const { return OnResize.method(); }
    void setOnResizeHandler(const FormMethod& method) { OnResize.bind(method); }

    // Raises OnClick; controls with their own click rules call it themselves.
    virtual void Click() { OnClick(this); }

    void Loaded() override { AlignLayout::realign(this); }

protected:
    // Plain controls click on a left press and release inside them; buttons switch this off.
    void setClicksOnMouse(bool on) { m_clicksOnMouse = on; }

    void mousePressEvent(QMouseEvent* event) override
    {
        Base::mousePressEvent(event);
        if (m_clicksOnMouse && event->button() == Qt::LeftButton)
            m_pressed = true;
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        Base::mouseReleaseEvent(event);
        if (!m_clicksOnMouse || event->button() != Qt::LeftButton || !m_pressed)
            return;
        m_pressed = false;
        if (this->rect().contains(event->position().toPoint()))
            Click();
    }
    void resizeEvent(QResizeEvent* event) override
    {
        Base::resizeEvent(event);
        // Docking runs first (the container's watcher), then the control hears of its new size;
        // settings being read are not yet a resize the form reacts to.
        if (event->size() != event->oldSize() && !IsLoading())
            OnResize(this);
    }
    void showEvent(QShowEvent* event) override
    {
        Base::showEvent(event);
        // Coming on screen is the first size the control reports, even if it never changed.
        if (!m_shownOnce) {
            m_shownOnce = true;
            AlignLayout::realign(this);
            OnResize(this);
        }
    }

    void requestParentAlign()
    {
        if (QWidget* parent = this->parentWidget())
            AlignLayout::realign(parent);
    }

private:
    TFont* m_font;
    ControlTypes::TAlign m_align = ControlTypes::TAlign::alNone;
    ControlTypes::TCursor m_cursor = ControlTypes::TCursor::crDefault;
    QString m_hint;
    QColor m_color;
    int m_tabOrder = -1;
    bool m_showHint = false;
    bool m_tabStop = true;
    bool m_clicksOnMouse = true;
    bool m_pressed = false;
    bool m_shownOnce = false;
};
