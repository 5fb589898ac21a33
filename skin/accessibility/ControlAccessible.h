// A skinned control to a screen reader: the role of what it stands for, its caption as its name,
// its checked state or value, and the action a click performs.
#pragma once

#include <QAccessibleWidget>

class ControlAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    // The role a skinned control of this class plays; NoRole for classes the skin does not know.
    static QAccessible::Role roleOf(const QObject* control);

    ControlAccessible(QWidget* control, QAccessible::Role role);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    bool checkable() const;
    bool hasValue() const;
    QString caption() const;
};
