#include "skin/styles/TsuiThemeManager.h"

#include "framework/OrlendaException.h"
#include "skin/styles/Suipublic.h"
#include "skin/styles/frmThemeMgr.h"

#include <QVariant>
#include <QWidget>

TsuiThemeManager::TsuiThemeManager(QObject* parent)
    : QObject(parent)
    , Component(this)
{
}

TsuiThemeManager::~TsuiThemeManager() = default;

void TsuiThemeManager::SetUIStyle(TsuiUIStyle style)
{
    const TsuiUIStyle old = m_style;
    m_style = style;
    UpdateAll();
    if (style != old)
        OnUIStyleChanged(this);
}

void TsuiThemeManager::SetFileTheme(TsuiFileTheme* theme)
{
    if (m_fileTheme && m_fileTheme != theme)
        RemoveFreeNotification(m_fileTheme);
    m_fileTheme = theme;
    // A theme owned elsewhere must still tell us when it goes.
    if (theme)
        FreeNotification(theme);
    SetUIStyle(m_style);
}

QWidget* TsuiThemeManager::OwnerForm() const
{
    const Component* owner = Component::of(Owner());
    return owner && owner->IsForm() ? qobject_cast<QWidget*>(owner->Self()) : nullptr;
}

void TsuiThemeManager::UpdateAll()
{
    QWidget* form = OwnerForm();
    if (!form)
        return;
    const Component* owner = Component::of(form);
    const QVariant style = QVariant::fromValue(m_style);
    const QVariant theme = QVariant::fromValue(m_fileTheme.data());
    // A copy: a component's reaction may change the list (by removing a component).
    const TsuiThemeMgrCompList names = m_compList;
    for (const QString& name : names) {
        QObject* target = owner->FindComponent(name);
        if (!target)
            continue;
        for (const char* property : { "UIStyle", "FileTheme" }) {
            if (!IsHasProperty(target, property))
                throw OrlendaException(QStringLiteral("Property %1 does not exist in %2")
                                           .arg(QLatin1String(property), target->objectName()));
        }
        target->setProperty("UIStyle", style);
        target->setProperty("FileTheme", theme);
    }
}

QList<QObject*> TsuiThemeManager::Candidates() const
{
    QList<QObject*> result;
    QWidget* form = OwnerForm();
    if (!form)
        return result;
    for (const Component* c : Component::of(form)->Components()) {
        QObject* o = c->Self();
        if (!QByteArray(o->metaObject()->className()).startsWith("Tsui"))
            continue;
        if (!IsHasProperty(o, "UIStyle") || !IsHasProperty(o, "FileTheme"))
            continue;
        if (qobject_cast<TsuiThemeManager*>(o))
            continue;
        result.append(o);
    }
    return result;
}

void TsuiThemeManager::EditCompList()
{
    if (!OwnerForm())
        return;
    {
        TfrmMgr dialog;
        dialog.Fill(Candidates(), m_compList);
        if (dialog.exec() == QDialog::Accepted)
            m_compList = dialog.CheckedNames();
    }
    UpdateAll();
}

void TsuiThemeManager::Notification(QObject* component, Operation operation)
{
    Component::Notification(component, operation);
    if (operation != Operation::opRemove || !component)
        return;
    if (component != this) {
        // The QObject part still stands while the component is taken out, so its name reads.
        const QString name = component->objectName();
        for (qsizetype i = 0; i < m_compList.size(); ++i) {
            // Names compare as component names do, letter case ignored.
            if (!name.isEmpty() && m_compList[i].compare(name, Qt::CaseInsensitive) == 0) {
                m_compList.removeAt(i);
                break;
            }
        }
    }
    if (component == static_cast<QObject*>(m_fileTheme.data())) {
        m_fileTheme.clear();
        m_style = TsuiUIStyle::DeepBlue;
    }
}
