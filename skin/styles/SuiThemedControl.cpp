#include "skin/styles/SuiThemedControl.h"

#include "skin/accessibility/SkinAccessibility.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>

namespace {

// Watches a control for the moments its screen, and so its device pixel ratio, can change: when
// it is shown, moved to another parent, or its window to another screen (Qt tells every widget
// of the window then).
class PictureScaleWatch final : public QObject {
public:
    PictureScaleWatch(QObject* control, SuiThemedControl* theme)
        : QObject(control)
        , m_theme(theme)
    {
        control->installEventFilter(this);
    }
    void forget() { m_theme = nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::ParentChange:
        case QEvent::ScreenChangeInternal:
            if (m_theme && watched == parent())
                m_theme->checkPictureScale();
            break;
        default:
            break;
        }
        return false;
    }

private:
    SuiThemedControl* m_theme;
};

} // namespace

SuiThemedControl::SuiThemedControl(QObject* control, ReloadHook reload)
    : m_control(control)
    , m_reload(std::move(reload))
{
    // Every skinned component has one of these, so screen readers meet the skin's accessible
    // interfaces from the first skinned window on, without a call from the program.
    InstallSkinAccessibility();
    if (control && control->isWidgetType())
        m_scaleWatch = new PictureScaleWatch(control, this);
}

SuiThemedControl::~SuiThemedControl()
{
    QObject::disconnect(m_removal);
    // The watch belongs to the control and may outlive this helper by a few events.
    if (m_scaleWatch)
        static_cast<PictureScaleWatch*>(m_scaleWatch.data())->forget();
}

void SuiThemedControl::checkPictureScale()
{
    if (SkinPictureScale(m_control) != m_scale)
        setUIStyle(m_style);
}

QObject* SuiThemedControl::ownerOf(QObject* control)
{
    if (!control)
        return nullptr;
    if (control->isWidgetType()) {
        // The nearest form above the control; an MDI child form counts, not only the window.
        for (QWidget* up = static_cast<QWidget*>(control)->parentWidget(); up;
             up = up->parentWidget())
            if (IsSUIForm(up))
                return up;
        return nullptr;
    }
    return control->parent();
}

void SuiThemedControl::initFromOwner(QObject* owner)
{
    setUIStyle(GetSUIFormStyle(owner));
}

void SuiThemedControl::setUIStyle(TsuiUIStyle style)
{
    m_style = style;
    m_usingFile = UsingFileTheme(m_fileTheme.data(), style, m_effective);
    m_scale = SkinPictureScale(m_control);
    if (m_reload)
        m_reload();
}

void SuiThemedControl::setFileTheme(TsuiFileTheme* theme)
{
    QObject::disconnect(m_removal);
    m_fileTheme = theme;
    if (theme) {
        // Context is the control, so the connection dies with it.
        m_removal = QObject::connect(theme, &QObject::destroyed, m_control,
            [this](QObject* gone) { fileThemeRemoved(gone); });
    }
    setUIStyle(m_style);
}

void SuiThemedControl::fileThemeRemoved(QObject* theme)
{
    // Only the theme this control refers to matters; QPointer has already dropped it, so the
    // half-destroyed object is never asked for anything.
    Q_UNUSED(theme);
    QObject::disconnect(m_removal);
    m_fileTheme.clear();
    // Through the control's own writer when it publishes one, so its reactions run too.
    const QVariant deepBlue = QVariant::fromValue(TsuiUIStyle::DeepBlue);
    if (m_control->metaObject()->indexOfProperty("UIStyle") >= 0)
        m_control->setProperty("UIStyle", deepBlue);
    else
        setUIStyle(TsuiUIStyle::DeepBlue);
}

uint32_t SuiThemedControl::color(int index) const
{
    if (m_usingFile && m_fileTheme)
        return m_fileTheme->GetColor(index);
    return GetInsideThemeColor(m_effective, index);
}

int32_t SuiThemedControl::integer(int index) const
{
    if (m_usingFile && m_fileTheme)
        return m_fileTheme->GetInt(index);
    return GetInsideThemeInt(m_effective, index);
}

bool SuiThemedControl::flag(int index) const
{
    if (m_usingFile && m_fileTheme)
        return m_fileTheme->GetBool(index);
    return GetInsideThemeBool(m_effective, index);
}

void SuiThemedControl::bitmap(int index, QImage& target, int frameCount, int frameNumber) const
{
    if (m_usingFile && m_fileTheme) {
        if (frameCount == 0)
            m_fileTheme->GetBitmap(index, target);
        else
            m_fileTheme->GetBitmap(index, target, frameCount, frameNumber);
        return;
    }
    GetInsideThemeBitmap(m_effective, index, &target, frameCount, frameNumber, m_scale);
}
