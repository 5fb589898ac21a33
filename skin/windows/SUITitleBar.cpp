#include "skin/windows/SUITitleBar.h"

#include "framework/BitmapOps.h"
#include "framework/ComponentRegistry.h"
#include "framework/TForm.h"
#include "skin/styles/Suiresdef.h"
#include "skin/windows/SUITitleBarMetrics.h"
#include "skin/windows/SUITitleBarPopupMenu.h"

#include <algorithm>
#include <string_view>

using namespace SuiThemes::SuiItem;
using namespace TitleBarMetrics;

ORLENDA_REGISTER_COMPONENT(TsuiTitleBar);

namespace {

// The frames are recognised by class name, so the bar does not depend on them (the namespace a
// class sits in is ignored, as GetSUIFormStyle does).
bool isClass(const QObject* object, std::string_view wanted)
{
    for (const QMetaObject* meta = object ? object->metaObject() : nullptr; meta;
         meta = meta->superClass()) {
        const std::string_view name(meta->className());
        const size_t colon = name.rfind(':');
        if (name.substr(colon == std::string_view::npos ? 0 : colon + 1) == wanted)
            return true;
    }
    return false;
}

// File themes mark a dark caption through their control font colour.
bool isDarkCaptionMarker(uint32_t color)
{
    return color == 0x010000 || color == 0x030000 || color == 0x040000 || color == 0x050000;
}

} // namespace

TsuiTitleBar::TsuiTitleBar(QWidget* parent)
    : TControlBase<QWidget>(parent)
    , m_theme(this, [this] { applyStyle(); })
    , m_sections(new TsuiTitleBarSections(this))
    , m_buttons(new TsuiTitleBarButtons(this))
    , m_popupMenu(new TsuiTitleBarPopupMenu(this))
{
    setMouseTracking(true);
    // Every pixel comes from the off-screen image; nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(m_sections, &TCollection::changed, this, [this] { update(); });
    connect(m_buttons, &TCollection::changed, this, [this] { update(); });
    for (TsuiTitleBarBtnType type :
        { TsuiTitleBarBtnType::suiControlBox, TsuiTitleBarBtnType::suiClose,
            TsuiTitleBarBtnType::suiMax, TsuiTitleBarBtnType::suiMin })
        m_buttons->AddButton()->SetButtonType(type);
    setAlign(ControlTypes::TAlign::alTop);
    fontObject()->setColor(Qt::white);
    fontObject()->setName(QStringLiteral("Tahoma"));
    fontObject()->setStyle(ControlTypes::fsBold);
    watchForm();
    m_theme.initFromOwner(SuiThemedControl::ownerOf(this));
}

TsuiTitleBar::~TsuiTitleBar()
{
    if (m_watchedForm)
        m_watchedForm->removeEventFilter(this);
}

void TsuiTitleBar::SetUIStyle(TsuiUIStyle style)
{
    m_theme.setUIStyle(style);
}

void TsuiTitleBar::SetFileTheme(TsuiFileTheme* theme)
{
    m_applyingFileTheme = true;
    m_theme.setFileTheme(theme);
    m_applyingFileTheme = false;
}

void TsuiTitleBar::applyStyle()
{
    if (m_custom)
        return;
    m_sections->Clear();
    const auto addSection = [this](int item, bool autoSize, TsuiTitleBarAlign align) {
        QImage picture;
        m_theme.bitmap(item, picture);
        TsuiTitleBarSection* section = m_sections->AddSection();
        section->SetPicture(picture);
        if (autoSize)
            section->SetAutoSize(true);
        if (align != TsuiTitleBarAlign::suiLeft)
            section->SetAlign(align);
    };
    addSection(TitleBarLeftImage, true, TsuiTitleBarAlign::suiLeft);
    addSection(TitleBarRightImage, true, TsuiTitleBarAlign::suiRight);
    addSection(TitleBarClientImage, false, TsuiTitleBarAlign::suiClient);

    m_leftBtnXOffset = m_theme.integer(TitleBarButtonLeftOffsetInt);
    m_rightBtnXOffset = m_theme.integer(TitleBarButtonRightOffsetInt);
    QImage strip;
    m_theme.bitmap(TitleBarButtonImage, strip);
    m_buttonStripHeight = BitmapOps::logicalSize(strip).height();
    m_styleButtonTop = m_theme.integer(TitleBarButtonTopInt);
    if (QWidget* form = Form()) {
        // A theme without the item gives -1: no constraint then.
        const int minWidth = std::max(0, int(m_theme.integer(FormMinWidthInt)));
        if (auto* tform = qobject_cast<TForm*>(form))
            tform->Constraints()->setMinWidth(minWidth);
        else
            form->setMinimumWidth(minWidth);
    }
    m_roundCorner = m_theme.integer(FormRoundCornerInt);

    const TsuiUIStyle buttonStyle
        = m_theme.usesFileTheme() ? TsuiUIStyle::FromThemeFile : m_theme.effectiveStyle();
    for (int i = 0; i < m_buttons->Count(); ++i)
        m_buttons->Button(i)->SetUIStyle(buttonStyle);
    m_popupMenu->SetUIStyle(buttonStyle);
    m_popupMenu->SetFileTheme(FileTheme());

    if (!m_applyingFileTheme) {
        const bool dark = UIStyle() == TsuiUIStyle::MacOS
            || (m_theme.usesFileTheme() && isDarkCaptionMarker(m_theme.color(ControlFontColor)));
        fontObject()->setColor(dark ? QColor(Qt::black) : QColor(Qt::white));
    }
    m_wasInForm = InForm();
    SetAutoSize(true);
    update();
}

void TsuiTitleBar::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (m_sections->Count() == 0) {
        m_autoSize = false;
        return;
    }
    setHeight(PreferredHeight());
}

int TsuiTitleBar::PreferredHeight() const
{
    if (m_sections->Count() == 0)
        return 0;
    const int height = BitmapOps::logicalSize(m_sections->Section(0)->Picture()).height()
        - (InForm() ? kFrameBand : 0);
    return std::max(0, height);
}

void TsuiTitleBar::SetButtonInterval(int interval)
{
    if (m_buttonInterval == interval)
        return;
    m_buttonInterval = interval;
    update();
}

void TsuiTitleBar::SetCaption(const QString& caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    update();
}

void TsuiTitleBar::SetActive(bool active)
{
    if (m_formActive == active)
        return;
    m_formActive = active;
    update();
}

void TsuiTitleBar::SetLeftBtnXOffset(int offset)
{
    if (m_leftBtnXOffset == offset)
        return;
    m_leftBtnXOffset = offset;
    update();
}

void TsuiTitleBar::SetRightBtnXOffset(int offset)
{
    if (m_rightBtnXOffset == offset)
        return;
    m_rightBtnXOffset = offset;
    update();
}

void TsuiTitleBar::SetDrawAppIcon(bool draw)
{
    if (m_drawAppIcon == draw)
        return;
    m_drawAppIcon = draw;
    update();
}

QWidget* TsuiTitleBar::Form() const
{
    for (QWidget* up = parentWidget(); up; up = up->parentWidget())
        if (IsSUIForm(up))
            return up;
    return nullptr;
}

bool TsuiTitleBar::InForm() const
{
    return isClass(parentWidget(), "TsuiForm") || isClass(parent(), "TsuiMDIForm")
        || isClass(Owner(), "TsuiMDIForm");
}

int TsuiTitleBar::ButtonTop() const
{
    return m_styleButtonTop - (InForm() ? kFrameBand : 0);
}

bool TsuiTitleBar::InMDIForm() const
{
    return parentWidget() && (isClass(parent(), "TsuiMDIForm") || isClass(Owner(), "TsuiMDIForm"));
}

void TsuiTitleBar::FormStateChanged()
{
    if (const QWidget* form = Form())
        SetActive(form->isActiveWindow());
    ProcessMaxBtn();
}

void TsuiTitleBar::ProcessMaxBtn()
{
    for (int i = 0; i < m_buttons->Count(); ++i)
        m_buttons->Button(i)->ProcessMaxBtn();
}

void TsuiTitleBar::MinimizeForm()
{
    // The program's main form and any other form minimize alike here: the window system
    // minimizes the one window.
    if (QWidget* window = SUIFormWindow(Form()))
        window->setWindowState(window->windowState() | Qt::WindowMinimized);
}

void TsuiTitleBar::PopupControlBoxMenu()
{
    const QPoint at = mapToGlobal(QPoint(0, height()));
    m_popupMenu->Popup(at.x(), at.y());
}

QImage TsuiTitleBar::GetLeftImage() const
{
    return m_sections->Count() > 0 ? m_sections->Section(0)->Picture() : QImage();
}

QImage TsuiTitleBar::GetRightImage() const
{
    return m_sections->Count() > 1 ? m_sections->Section(1)->Picture() : QImage();
}

QImage TsuiTitleBar::GetCenterImage() const
{
    return m_sections->Count() > 2 ? m_sections->Section(2)->Picture() : QImage();
}

bool TsuiTitleBar::CanPaint() const
{
    if (m_sections->Count() != 3)
        return false;
    for (int i = 0; i < 3; ++i)
        if (m_sections->Section(i)->Picture().isNull())
            return false;
    return true;
}

void TsuiTitleBar::resizeEvent(QResizeEvent* event)
{
    TControlBase<QWidget>::resizeEvent(event);
    update();
}

bool TsuiTitleBar::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ParentChange:
        watchForm();
        // Moved onto a frame or off one: the pictures' 3-pixel overlap changes the height.
        if (InForm() != m_wasInForm && m_sections->Count() > 0)
            SetAutoSize(m_autoSize);
        m_wasInForm = InForm();
        break;
    case QEvent::FontChange:
    case QEvent::PaletteChange:
        update();
        break;
    default:
        break;
    }
    return TControlBase<QWidget>::event(event);
}

void TsuiTitleBar::watchForm()
{
    // An MDI child is maximized and restored through its sub-window.
    QWidget* form = SUIFormWindow(Form());
    if (form == m_watchedForm)
        return;
    if (m_watchedForm)
        m_watchedForm->removeEventFilter(this);
    m_watchedForm = form;
    if (form)
        form->installEventFilter(this);
}

bool TsuiTitleBar::eventFilter(QObject* watched, QEvent* event)
{
    // The maximize button follows the form however it was maximized or restored.
    if (watched == m_watchedForm && event->type() == QEvent::WindowStateChange)
        ProcessMaxBtn();
    return TControlBase<QWidget>::eventFilter(watched, event);
}