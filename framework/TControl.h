// What every control shares (bounds, docking, visibility, hint, cursor, tab order, colour, font,
// OnClick, OnResize), mixed over the Qt widget class the control stands on.
#pragma once

#include "framework/AlignLayout.h"
#include "framework/Component.h"
#include "framework/ControlTypes.h"
#include "framework/Event.h"
#include "framework/TFont.h"

#include <QColor>
#include <QLayoutItem>
#include <QMouseEvent>
#include <QPointer>
#include <QResizeEvent>
#include <QWidget>

namespace ControlSupport {
Qt::CursorShape cursorShape(ControlTypes::TCursor cursor);
// Chains the focus order of `container`'s children by their TabOrder property.
void applyTabOrder(QWidget* container);
// The form (TForm) a control sits on, or null.
QWidget* parentForm(const QWidget* control);
} // namespace ControlSupport

// The published properties every control declares; moc expands it inside the class body. The
// Qt member behind each is listed in framework/README.md.
#define ORLENDA_CONTROL_PROPERTIES                                                                 \
    Q_PROPERTY(int Left READ Left WRITE setLeft)                                                   \
    Q_PROPERTY(int Top READ Top WRITE setTop)                                                      \
    Q_PROPERTY(int Width READ Width WRITE setWidth)                                                \
    Q_PROPERTY(int Height READ Height WRITE setHeight)                                             \
    Q_PROPERTY(ControlTypes::TAlign Align READ Align WRITE setAlign)                               \
    Q_PROPERTY(bool Visible READ isShownWithParent WRITE setVisible)                               \
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)                                       \
    Q_PROPERTY(QString Hint READ Hint WRITE setHint)                                               \
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE setShowHint)                                      \
    Q_PROPERTY(ControlTypes::TCursor Cursor READ cursorKind WRITE setCursorKind)                   \
    Q_PROPERTY(int TabOrder READ tabOrderIndex WRITE setTabOrderIndex)                             \
    Q_PROPERTY(bool TabStop READ TabStop WRITE setTabStop)                                         \
    Q_PROPERTY(QColor Color READ Color WRITE setColor)                                             \
    Q_PROPERTY(TFont* Font READ fontObject WRITE assignFont)                                       \
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

    // Left, Top, Width and Height read x(), y(), width() and height(); writing one sets the
    // control's bounds with setBounds.
    int Left() const { return this->x(); }
    void setLeft(int value) { setBounds(QRect(value, this->y(), this->width(), this->height())); }
    int Top() const { return this->y(); }
    void setTop(int value) { setBounds(QRect(this->x(), value, this->width(), this->height())); }
    int Width() const { return this->width(); }
    void setWidth(int value) { setBounds(QRect(this->x(), this->y(), value, this->height())); }
    int Height() const { return this->height(); }
    void setHeight(int value) { setBounds(QRect(this->x(), this->y(), this->width(), value)); }
    // QWidget::setGeometry, then at once what a new size brings (resized(), also off screen,
    // where Qt sends no resize event), then the container docks again.
    void setBounds(const QRect& bounds)
    {
        if (bounds == this->geometry())
            return;
        applyBounds(bounds);
        requestParentAlign();
    }

    // A docked control (alTop .. alClient) is an item of its container's AlignLayout.
    ControlTypes::TAlign Align() const { return m_align; }
    void setAlign(ControlTypes::TAlign align)
    {
        if (m_align == align)
            return;
        m_align = align;
        joinParentLayout();
        requestParentAlign();
    }

    // The published Visible: true unless the control was hidden on purpose, so it shows whenever
    // its parent does (QWidget::isVisible() is whether it is on screen now). For a window the
    // two are the same.
    bool isShownWithParent() const
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

    // The tool tip shown while ShowHint is on (QWidget::toolTip()).
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

    // The published Cursor; crDefault unsets QWidget::cursor().
    ControlTypes::TCursor cursorKind() const { return m_cursor; }
    void setCursorKind(ControlTypes::TCursor cursor)
    {
        m_cursor = cursor;
        if (cursor == ControlTypes::TCursor::crDefault)
            this->unsetCursor();
        else
            this->setCursor(ControlSupport::cursorShape(cursor));
    }

    // The published TabOrder: the control's place in its container's focus chain, applied with
    // QWidget::setTabOrder; -1 leaves it out.
    int tabOrderIndex() const { return m_tabOrder; }
    void setTabOrderIndex(int order)
    {
        m_tabOrder = order;
        if (QWidget* parent = this->parentWidget())
            ControlSupport::applyTabOrder(parent);
    }
    // StrongFocus or ClickFocus as QWidget::focusPolicy() (controls that take no focus keep
    // NoFocus).
    bool TabStop() const { return m_tabStop; }
    void setTabStop(bool stop)
    {
        m_tabStop = stop;
        if (this->focusPolicy() != Qt::NoFocus)
            this->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
    }

    // The palette's colour of backgroundRole(), filled behind the control once set.
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

    // The published Font: a TFont that reads and writes QWidget::font() and the text colour.
    TFont* fontObject() const { return m_font; }
    void assignFont(TFont* font) { m_font->Assign(font); }

    FormMethod onClickHandler() const { return OnClick.method(); }
    void setOnClickHandler(const FormMethod& method) { OnClick.bind(method); }
    FormMethod onResizeHandler() const { return OnResize.method(); }
    void setOnResizeHandler(const FormMethod& method) { OnResize.bind(method); }

    // Raises OnClick; controls with their own click rules call it themselves.
    virtual void Click() { OnClick(this); }

    void Loaded() override { AlignLayout::dock(this); }

protected:
    // The control has a new size, on screen or not; its docked children are placed already.
    // Controls that react to their size override this rather than resizeEvent(), which Qt
    // delivers only on screen. Settings being read are not yet a resize the form reacts to.
    virtual void resized()
    {
        if (!IsLoading())
            OnResize(this);
    }

    // Plain controls click on a left press and release inside them; buttons switch this off.
    void setClicksOnMouse(bool on) { m_clicksOnMouse = on; }

    bool event(QEvent* event) override
    {
        // A docked control moved to another container docks there.
        if (event->type() == QEvent::ParentChange)
            joinParentLayout();
        return Base::event(event);
    }
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
        // The container's layout has docked the children already (Qt hands it the event first).
        if (!m_reportedSize.isValid())
            m_reportedSize = event->oldSize();
        reportSize();
    }
    void showEvent(QShowEvent* event) override
    {
        Base::showEvent(event);
        // Coming on screen is the first size the control reports, even if it never changed.
        if (!m_shownOnce) {
            m_shownOnce = true;
            m_reportedSize = this->size();
            OnResize(this);
        }
    }

    void requestParentAlign()
    {
        if (QWidget* parent = this->parentWidget())
            AlignLayout::dock(parent);
    }

private:
    // Docking places a control through this item: the bounds are set as setBounds sets them,
    // without asking the container to dock once more.
    class DockedItem : public QWidgetItem {
    public:
        explicit DockedItem(TControlBase* control)
            : QWidgetItem(control)
            , m_control(control)
        {
        }
        void setGeometry(const QRect& bounds) override
        {
            if (bounds != m_control->geometry())
                m_control->applyBounds(bounds);
        }

    private:
        TControlBase* m_control;
    };

    void applyBounds(const QRect& bounds)
    {
        if (!m_reportedSize.isValid())
            m_reportedSize = this->size();
        this->setGeometry(QRect(bounds.topLeft(), bounds.size().expandedTo(QSize(0, 0))));
        // On screen the resize event has reported the size already.
        reportSize();
    }

    // Reports each new size once, whichever way it came: off screen the children are docked
    // here, on screen the layout has docked them on Qt's resize event.
    void reportSize()
    {
        if (this->size() == m_reportedSize)
            return;
        m_reportedSize = this->size();
        if (!this->isVisible())
            AlignLayout::dock(this);
        resized();
    }

    void joinParentLayout()
    {
        QWidget* parent = this->isWindow() ? nullptr : this->parentWidget();
        // The container left behind has dropped the item (Qt removes a departing child); the
        // space it leaves is docked at once.
        if (m_dockedIn && m_dockedIn != parent)
            AlignLayout::dock(m_dockedIn);
        m_dockedIn = nullptr;
        if (!parent)
            return;
        if (AlignLayout::docks(m_align)) {
            if (AlignLayout* layout = AlignLayout::ensure(parent)) {
                layout->addItem(new DockedItem(this));
                m_dockedIn = parent;
            }
        } else if (AlignLayout* layout = AlignLayout::of(parent)) {
            layout->removeWidget(this);
        }
    }

    TFont* m_font;
    QPointer<QWidget> m_dockedIn; // the container whose AlignLayout holds this control
    ControlTypes::TAlign m_align = ControlTypes::TAlign::alNone;
    ControlTypes::TCursor m_cursor = ControlTypes::TCursor::crDefault;
    QString m_hint;
    QColor m_color;
    QSize m_reportedSize; // the size resized() last heard of; invalid until the first change
    int m_tabOrder = -1;
    bool m_showHint = false;
    bool m_tabStop = true;
    bool m_clicksOnMouse = true;
    bool m_pressed = false;
    bool m_shownOnce = false;
};
