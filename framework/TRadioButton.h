// A radio button: exclusive with the radio buttons of the same parent; OnClick is raised only
// when it becomes checked (by the user or by setting Checked).
#pragma once

#include "framework/TControl.h"

#include <QRadioButton>

class TRadioButton : public TControlBase<QRadioButton> {
    Q_OBJECT
    ORLENDA_CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Checked READ Checked WRITE setChecked)
public:
    explicit TRadioButton(QWidget* parent = nullptr);

    // Caption is QAbstractButton::text(), Checked QAbstractButton::isChecked().
    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    bool Checked() const { return isChecked(); }

protected:
    // A click on a checked radio button leaves it checked.
    void nextCheckState() override;

private:
    void checkedChanged(bool checked);
};
