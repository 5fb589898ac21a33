#include "skin/controls/SUICheckBox.h"

#include "framework/BitmapOps.h"
#include "framework/PainterStateGuard.h"
#include "framework/TextDraw.h"
#include "skin/styles/Suipublic.h"
#include "skin/styles/Suiresdef.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>

using namespace SuiThemes;

TsuiCheckBox::TsuiCheckBox(QWidget* parent)
    : TControlBase<QWidget>(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setClicksOnMouse(false);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::StrongFocus);
    setTabStop(true);
    setBounds(QRect(x(), y(), 93, 17));
    connect(fontObject(), &TFont::changed, this, [this] {
        applyAutoSize();
        update();
    });
    m_theme.initFromOwner(SuiThemedControl::ownerOf(this));
    WatchDialogKeys(this);
}

int TsuiCheckBox::GetPicThemeIndex() const
{
    return SuiItem::CheckBoxImage;
}

void TsuiCheckBox::ReloadPictures()
{
    const int item = GetPicThemeIndex();
    for (int i = 0; i < 4; ++i) {
        m_pictures[i] = QImage();
        m_theme.bitmap(item, m_pictures[i], 4, i + 1);
    }
}

void TsuiCheckBox::styleReloaded()
{
    ReloadPictures();
    applyAutoSize();
    update();
}

void TsuiCheckBox::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    applyAutoSize();
    update();
}

void TsuiCheckBox::SetCaption(const QString& caption)
{
    m_caption = caption;
    m_acceleratorId = GrabAccelerator(this, m_acceleratorId, caption);
    setAccessibleName(StripAccelerators(caption));
    applyAutoSize();
    update();
}

void TsuiCheckBox::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    update();
}

void TsuiCheckBox::SetChecked(bool checked)
{
    if (m_checked == checked)
        return;
    m_checked = checked;
    update();
    CheckStateChanged();
}

bool TsuiCheckBox::IsLoadingSettings() const
{
    if (IsLoading())
        return true;
    const Component* owner = Component::of(Owner());
    return owner && owner->IsLoading();
}

void TsuiCheckBox::CheckStateChanged()
{
    if (!IsLoadingSettings())
        OnClick(this);
}

void TsuiCheckBox::DoClick()
{
    Toggle();
    SetChecked(!m_checked);
}

bool TsuiCheckBox::DialogChar(QChar character)
{
    const QChar accelerator = AcceleratorChar(m_caption);
    if (accelerator.isNull() || accelerator.toUpper() != character.toUpper() || !isEnabled())
        return false;
    if (isVisible())
        setFocus(Qt::ShortcutFocusReason);
    Click();
    return true;
}

int TsuiCheckBox::PictureIndex() const
{
    if (isEnabled())
        return m_checked ? 1 : 2;
    return m_checked ? 3 : 4;
}

QSize TsuiCheckBox::AutoSizeExtent() const
{
    const QImage& picture = m_pictures[PictureIndex() - 1];
    const QSize pictureSize = BitmapOps::logicalSize(picture);
    const QFontMetrics metrics(font());
    const int th = metrics.height();
    // Measured as written, "&" included.
    const int tw = metrics.horizontalAdvance(m_caption);
    return QSize(pictureSize.width() + tw + 8, std::max(th + 2, pictureSize.height()) + 4);
}

void TsuiCheckBox::applyAutoSize()
{
    if (!m_autoSize)
        return;
    const QSize extent = AutoSizeExtent();
    if (extent != size())
        setBounds(QRect(pos(), extent));
    updateGeometry();
}

void TsuiCheckBox::PaintCheckBox(QPainter& painter, const QRect& rect) const
{
    PainterStateGuard guard(painter);
    painter.translate(rect.topLeft());
    const QSize size = rect.size();
    const QRect client(QPoint(0, 0), size);
    const QImage& picture = m_pictures[PictureIndex() - 1];
    const QSize pictureSize = BitmapOps::logicalSize(picture);

    if (!m_transparent) {
        painter.fillRect(client, palette().color(QPalette::Active, backgroundRole()));
    } else {
        QWidget* parent = parentWidget();
        const bool onPage = parent && parent->inherits("TTabSheet");
        DoTrans(painter, onPage ? parent : const_cast<TsuiCheckBox*>(this));
    }

    if (!picture.isNull()) {
        const QPoint at(1, (size.height() - pictureSize.height()) / 2);
        if (GetPicTransparent())
            BitmapOps::drawKeyed(painter, at, picture, picture.pixel(0, picture.height() - 1));
        else
            painter.drawImage(at, picture);
    }

    painter.setFont(font());
    const int th = QFontMetrics(font()).height();
    const int x = pictureSize.width() + 4;
    const int y = (size.height() - th) / 2;
    // The caption keeps the font colour when disabled: frames 3 and 4 carry the disabled look.
    painter.setPen(palette().color(QPalette::Active, foregroundRole()));
    QRect textRect(QPoint(x, y), QPoint(size.width() - 1, size.height() - 1));
    DrawText(painter, m_caption, textRect, DT_SINGLELINE);

    if (NeedDrawFocus())
        DrawFocusRect(painter, QRect(QPoint(x - 1, y), QPoint(size.width() - 1, y + th + 1)));
}

void TsuiCheckBox::paintEvent(QPaintEvent*)
{
    if (m_autoSize && AutoSizeExtent() != size()) {
        // Sized while painting: the next paint shows the new size.
        QMetaObject::invokeMethod(
            this, [this] { applyAutoSize(); }, Qt::QueuedConnection);
    }
    m_offscreen.paint(
        this, [this](QPainter& canvas) { PaintCheckBox(canvas, rect()); },
        palette().color(QPalette::Active, backgroundRole()));
}

void TsuiCheckBox::changeEvent(QEvent* event)
{
    TControlBase<QWidget>::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        applyAutoSize();
        update();
    } else if (event->type() == QEvent::FontChange) {
        applyAutoSize();
        update();
    }
}

bool TsuiCheckBox::event(QEvent* event)
{
    return DialogClientEvent(this, event, m_caption) || TControlBase<QWidget>::event(event);
}

void TsuiCheckBox::mousePressEvent(QMouseEvent* event)
{
    TControlBase<QWidget>::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        m_leftDown = true;
}

void TsuiCheckBox::mouseReleaseEvent(QMouseEvent* event)
{
    TControlBase<QWidget>::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !m_leftDown)
        return;
    m_leftDown = false;
    // Accepted before the click: the toolkit looks no further at a control its handler deleted.
    event->accept();
    if (rect().contains(event->position().toPoint()))
        Click();
}

void TsuiCheckBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space) {
        event->accept();
        return;
    }
    TControlBase<QWidget>::keyPressEvent(event);
}

void TsuiCheckBox::keyReleaseEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool toggleKey = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (toggleKey && !event->isAutoRepeat() && WantKeyUp() && hasFocus() && isEnabled()) {
        event->accept();
        update();
        Click();
        return;
    }
    TControlBase<QWidget>::keyReleaseEvent(event);
}

void TsuiCheckBox::focusInEvent(QFocusEvent* event)
{
    TControlBase<QWidget>::focusInEvent(event);
    update();
}

void TsuiCheckBox::focusOutEvent(QFocusEvent* event)
{
    TControlBase<QWidget>::focusOutEvent(event);
    update();
}
