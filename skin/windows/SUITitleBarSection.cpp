#include "skin/windows/SUITitleBarSection.h"

#include "framework/ApplicationExceptions.h"
#include "framework/BitmapOps.h"
#include "skin/windows/SUITitleBar.h"

TsuiTitleBarSection::TsuiTitleBarSection(QObject* collection)
    : QObject(collection)
{
}

void TsuiTitleBarSection::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (!m_picture.isNull())
        m_width = BitmapOps::logicalSize(m_picture).width();
    Q_EMIT changed();
}

void TsuiTitleBarSection::SetWidth(int width)
{
    if (m_width == width)
        return;
    m_width = width;
    Q_EMIT changed();
}

void TsuiTitleBarSection::SetAlign(TsuiTitleBarAlign align)
{
    if (align == TsuiTitleBarAlign::suiClient) {
        // The section itself counts too: writing suiClient again is refused like a second one.
        if (const TCollection* sections = collection()) {
            for (const QObject* item : sections->items()) {
                const auto* section = static_cast<const TsuiTitleBarSection*>(item);
                if (section->m_align == TsuiTitleBarAlign::suiClient) {
                    ApplicationExceptions::ShowMessage(QStringLiteral(
                        "Sorry, only one section's Align property can be \"suiClient\""));
                    return;
                }
            }
        }
        m_stretch = true;
    }
    m_align = align;
    Q_EMIT changed();
}

void TsuiTitleBarSection::SetPicture(const QImage& picture)
{
    m_picture = picture;
    if (m_autoSize && !m_picture.isNull())
        m_width = BitmapOps::logicalSize(m_picture).width();
    Q_EMIT changed();
}

void TsuiTitleBarSection::SetStretch(bool stretch)
{
    m_stretch = stretch || m_align == TsuiTitleBarAlign::suiClient;
    Q_EMIT changed();
}

void TsuiTitleBarSection::Assign(const TsuiTitleBarSection* source)
{
    if (!source)
        return;
    SetWidth(source->Width());
    SetAlign(source->Align());
    SetPicture(source->Picture());
    SetStretch(source->Stretch());
    SetAutoSize(source->AutoSize());
}

TsuiTitleBarSections::TsuiTitleBarSections(TsuiTitleBar* titleBar)
    : TCollection(titleBar, &TsuiTitleBarSection::staticMetaObject,
        [](TCollection* c) -> QObject* { return new TsuiTitleBarSection(c); })
{
}

TsuiTitleBar* TsuiTitleBarSections::TitleBar() const
{
    return qobject_cast<TsuiTitleBar*>(parent());
}

void TsuiTitleBarSections::Assign(const TCollection* source)
{
    if (!source || source == this)
        return;
    Clear();
    for (const QObject* item : source->items())
        AddSection()->Assign(qobject_cast<const TsuiTitleBarSection*>(item));
}
