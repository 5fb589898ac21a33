#include "skin/styles/TsuiFileTheme.h"

#include "framework/OrlendaException.h"
#include "skin/styles/SUIThemeFile.h"
#include "skin/styles/SUIThemes.h"
#include "skin/styles/Suipublic.h"
#include "skin/styles/ThemeFileSearch.h"
#include "skin/styles/TsuiFileThemeMgr.h"

#include <QPointer>
#include <QVariant>

TsuiFileTheme::TsuiFileTheme(QObject* parent)
    : QObject(parent)
    , Component(this)
    , m_items(std::make_unique<TsuiFileThemeMgr>())
{
}

TsuiFileTheme::~TsuiFileTheme() = default;

void TsuiFileTheme::SetThemeFile(const QString& value)
{
    if (value == m_themeFile)
        return;
    const QString found = FindThemeFile(value);
    if (found.isEmpty())
        return;
    if (!CheckThemeFile(found))
        throw OrlendaException(QStringLiteral("Invalid skin file for DOZErad!"));
    m_themeFile = found;
    m_canUse = m_items->LoadFromFile(found);
    if (m_canUse)
        reassignUsers();
}

void TsuiFileTheme::reassignUsers()
{
    QObject* owner = Owner();
    if (!owner)
        owner = parent();
    if (!owner || !IsSUIForm(owner))
        return;
    QList<QPointer<QObject>> members;
    if (const Component* form = Component::of(owner)) {
        for (const Component* c : form->Components())
            members.append(c->Self());
    } else {
        for (QObject* o : owner->findChildren<QObject*>())
            members.append(o);
    }
    const QVariant self = QVariant::fromValue(this);
    for (const QPointer<QObject>& member : std::as_const(members)) {
        // Guarded: a control's reaction may delete others.
        if (!member || member == this)
            continue;
        if (!QByteArray(member->metaObject()->className()).startsWith("Tsui"))
            continue;
        if (!IsHasProperty(member, "FileTheme"))
            continue;
        if (member->property("FileTheme").value<TsuiFileTheme*>() != this)
            continue;
        member->setProperty("FileTheme", self);
    }
}

bool TsuiFileTheme::CanUse() const
{
    return m_canUse;
}

bool TsuiFileTheme::CheckThemeFile(const QString& path)
{
    return IsSUIThemeFile(path);
}

void TsuiFileTheme::GetBitmap(int index, QImage& target) const
{
    m_items->GetBitmap(index, target);
}

void TsuiFileTheme::GetBitmap(int index, QImage& target, int frameCount, int frameNumber) const
{
    QImage strip;
    m_items->GetBitmap(index, strip);
    // No image for the key: the target keeps what it had.
    if (strip.isNull())
        return;
    SpitBitmap(strip, target, frameCount, frameNumber);
}

uint32_t TsuiFileTheme::GetColor(int index) const
{
    return m_items->GetColor(index);
}

int32_t TsuiFileTheme::GetInt(int index) const
{
    return m_items->GetInt(index);
}

bool TsuiFileTheme::GetBool(int index) const
{
    return m_items->GetBool(index);
}
