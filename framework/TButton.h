// A push button; a click hands its ModalResult to the form, which ends the form's ShowModal.
#pragma once

#include "framework/TControl.h"

#include <QPushButton>

class TButton : public TControlBase<QPushButton> {
    Q_OBJECT
    ORLENDA_CONTROL_PROPERTIES
    Q_PROPERTY(bool Cancel READ Cancel WRITE setCancel)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Default READ Default WRITE setDefault)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE setModalResult)
public:
    explicit TButton(QWidget* parent = nullptr);

    bool Cancel() const { return m_cancel; }
    void setCancel(bool cancel) { m_cancel = cancel; }
    // Caption is QAbstractButton::text(), Default QPushButton::isDefault().
    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    bool Default() const { return isDefault(); }
    int ModalResult() const { return m_modalResult; }
    void setModalResult(int result) { m_modalResult = result; }

    // The form's ModalResult first, then OnClick.
    void Click() override;

private:
    int m_modalResult = 0;
    bool m_cancel = false;
};
