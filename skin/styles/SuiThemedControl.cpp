#include "skin/styles/SuiThemedControl.h"

#include "skin/accessibility/SkinAccessibility.h"

#include <QVariant>
#include <QWidget>

SuiThemedControl::SuiThemedControl(QObject* control, ReloadHook reload)
    : m_control(control)
    , m_reload(std::move(reload))
{
    // Every skinned component has one of these, so screen readers meet the skin's accessible
    // interfaces from the first skinned window on, without a call from the program.
    InstallSkinAccessibility();
}

SuiThemedControl::~SuiThemedControl()
{
    QObject::disconnect(m_removal);
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
    GetInsideThemeBitmap(m_effective, index, &target, frameCount, frameNumber);
}
