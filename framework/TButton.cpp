#include "framework/TButton.h"

#include "framework/TForm.h"

TButton::TButton(QWidget* parent)
    : TControlBase<QPushButton>(parent)
{
    setClicksOnMouse(false);
    setAutoDefault(false);
    resize(75, 25);
    connect(this, &QAbstractButton::clicked, this, [this] { Click(); });
}

void TButton::Click()
{
    if (m_modalResult != 0) {
        if (auto* form = qobject_cast<TForm*>(ControlSupport::parentForm(this)))
            form->setModalResult(m_modalResult);
    }
    TControlBase<QPushButton>::Click();
}
