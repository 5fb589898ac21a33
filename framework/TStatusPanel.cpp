#include "framework/TStatusPanel.h"

void TStatusPanel::setAlignment(ControlTypes::TAlignment alignment)
{
    if (m_alignment == alignment)
        return;
    m_alignment = alignment;
    Q_EMIT changed();
}

void TStatusPanel::setText(const QString& text)
{
    if (m_text == text)
        return;
    m_text = text;
    Q_EMIT changed();
}

void TStatusPanel::setWidth(int width)
{
    if (m_width == width)
        return;
    m_width = width;
    Q_EMIT changed();
}
