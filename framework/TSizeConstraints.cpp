#include "framework/TSizeConstraints.h"

TSizeConstraints::TSizeConstraints(QWidget* control)
    : QObject(control)
    , m_control(control)
{
}

void TSizeConstraints::setMaxHeight(int value)
{
    m_maxHeight = qMax(0, value);
    apply();
}

void TSizeConstraints::setMaxWidth(int value)
{
    m_maxWidth = qMax(0, value);
    apply();
}

void TSizeConstraints::setMinHeight(int value)
{
    m_minHeight = qMax(0, value);
    apply();
}

void TSizeConstraints::setMinWidth(int value)
{
    m_minWidth = qMax(0, value);
    apply();
}

QSize TSizeConstraints::constrain(QSize size) const
{
    int w = size.width();
    int h = size.height();
    if (m_maxWidth > 0)
        w = qMin(w, m_maxWidth);
    if (m_maxHeight > 0)
        h = qMin(h, m_maxHeight);
    return QSize(qMax(w, m_minWidth), qMax(h, m_minHeight));
}

void TSizeConstraints::apply()
{
    m_control->setMinimumSize(m_minWidth, m_minHeight);
    m_control->setMaximumSize(m_maxWidth > 0 ? m_maxWidth : QWIDGETSIZE_MAX,
        m_maxHeight > 0 ? m_maxHeight : QWIDGETSIZE_MAX);
}
