#include "framework/TStatusBar.h"

#include "framework/TStatusPanel.h"

#include <QLabel>

using namespace ControlTypes;

TStatusBar::TStatusBar(QWidget* parent)
    : TControlBase<QStatusBar>(parent)
    , m_panels(new TCollection(this, &TStatusPanel::staticMetaObject,
          [](TCollection* c) -> QObject* { return new TStatusPanel(c); }))
    , m_simpleLabel(new QLabel(this))
{
    setClicksOnMouse(true);
    resize(100, 19);
    setAlign(TAlign::alBottom);
    m_simpleLabel->hide();
    connect(m_panels, &TCollection::changed, this, &TStatusBar::rebuild);
}

void TStatusBar::setSimplePanel(bool simple)
{
    if (m_simplePanel == simple)
        return;
    m_simplePanel = simple;
    rebuild();
}

void TStatusBar::setSimpleText(const QString& text)
{
    if (m_simpleText == text)
        return;
    m_simpleText = text;
    m_simpleLabel->setText(text);
}

void TStatusBar::rebuild()
{
    for (QLabel* label : std::as_const(m_labels)) {
        removeWidget(label);
        delete label;
    }
    m_labels.clear();
    removeWidget(m_simpleLabel);
    if (m_simplePanel) {
        m_simpleLabel->setText(m_simpleText);
        addWidget(m_simpleLabel, 1);
        m_simpleLabel->show();
        return;
    }
    m_simpleLabel->hide();
    for (int i = 0; i < m_panels->Count(); ++i) {
        auto* panel = m_panels->at<TStatusPanel>(i);
        auto* label = new QLabel(panel->Text(), this);
        label->setFixedWidth(qMax(0, panel->Width()));
        switch (panel->Alignment()) {
        case TAlignment::taLeftJustify:
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            break;
        case TAlignment::taRightJustify:
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            break;
        case TAlignment::taCenter:
            label->setAlignment(Qt::AlignCenter);
            break;
        }
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        addWidget(label);
        label->show();
        m_labels.append(label);
    }
}
