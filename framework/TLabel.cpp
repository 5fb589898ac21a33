#include "framework/TLabel.h"

using namespace ControlTypes;

TLabel::TLabel(QWidget* parent)
    : TControlBase<QLabel>(parent)
{
    setTextFormat(Qt::PlainText);
    resize(32, 13);
}

QString TLabel::displayText(const QString& caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&'))
                shown += QLatin1Char('&');
            else if (i + 1 == caption.size())
                shown += QLatin1Char('&');
            ++i;
            if (i < caption.size() && caption[i] != QLatin1Char('&'))
                shown += caption[i];
            continue;
        }
        shown += caption[i];
    }
    return shown;
}

void TLabel::setTextAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    Qt::Alignment a = Qt::AlignTop;
    switch (alignment) {
    case TAlignment::taLeftJustify:
        a |= Qt::AlignLeft;
        break;
    case TAlignment::taRightJustify:
        a |= Qt::AlignRight;
        break;
    case TAlignment::taCenter:
        a |= Qt::AlignHCenter;
        break;
    }
    QLabel::setAlignment(a);
}

void TLabel::setAutoSize(bool autoSize)
{
    if (m_autoSize == autoSize)
        return;
    m_autoSize = autoSize;
    fitToText();
}

void TLabel::setCaption(const QString& caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    setText(displayText(caption));
    fitToText();
}

void TLabel::setTransparent(bool transparent)
{
    m_transparent = transparent;
    setAutoFillBackground(!transparent);
    update();
}

void TLabel::setWordWrap(bool wrap)
{
    QLabel::setWordWrap(wrap);
    fitToText();
}

void TLabel::fitToText()
{
    // While a description is read the stored size is the designed one; keep it.
    if (!m_autoSize || IsLoading())
        return;
    const QSize hint = sizeHint();
    setBounds(QRect(x(), y(), wordWrap() ? width() : hint.width(), hint.height()));
}
