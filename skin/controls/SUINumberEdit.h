// A floating-point value shown right-aligned through a format mask; only digits, one decimal
// separator and (when the mask has one) a leading minus can be typed.
#pragma once

#include "skin/controls/SUIEdit.h"

class TsuiNumberEdit : public TsuiEdit {
    Q_OBJECT
    Q_PROPERTY(QString Mask READ Mask WRITE SetMask)
    Q_PROPERTY(double Value READ Value WRITE SetValue)
    Q_PROPERTY(int AutoSelectSigns READ AutoSelectSigns WRITE SetAutoSelectSigns)
public:
    explicit TsuiNumberEdit(QWidget* parent = nullptr);

    QString Mask() const { return m_mask; }
    // Takes effect at the next Value assignment.
    void SetMask(const QString& mask) { m_mask = mask; }
    double Value() const { return m_value; }
    // Non-finite values are refused with the conversion error; the value stays.
    void SetValue(double value);
    int AutoSelectSigns() const { return m_autoSelectSigns; }
    void SetAutoSelectSigns(int signs) { m_autoSelectSigns = signs; }

    // Text that does not convert is replaced by the last good Value and the conversion error is
    // raised here, after the text is whole again.
    void SetText(const QString& text) override;

    void Click() override;

protected:
    void Change() override;
    void DoEnter() override;
    void DoExit() override;
    void KeyPress(QChar& key) override;

private:
    // Without the locale's thousands separators, in the locale's number notation.
    bool convert(const QString& text, double& value) const;
    void selectSigns();

    QString m_mask = QStringLiteral("0.00");
    double m_value = 0;
    int m_autoSelectSigns = 2;
    // Set while SetText runs, so the error goes to its caller instead of the message display.
    bool m_raiseToCaller = false;
    QString m_failedText;
};
