// An integer edit with spin buttons inside its border on the right; the text never runs under
// them. MinValue = MaxValue means no limit.
#pragma once

#include "skin/controls/SUIEdit.h"

class TsuiSpinButtons;

class TsuiSpinEdit : public TsuiEdit {
    Q_OBJECT
    Q_PROPERTY(int MinValue READ MinValue WRITE SetMinValue)
    Q_PROPERTY(int MaxValue READ MaxValue WRITE SetMaxValue)
    Q_PROPERTY(int Increment READ Increment WRITE SetIncrement)
    Q_PROPERTY(bool EditorEnabled READ EditorEnabled WRITE SetEditorEnabled)
    Q_PROPERTY(int Value READ Value WRITE SetValue)
public:
    explicit TsuiSpinEdit(QWidget* parent = nullptr);

    int MinValue() const { return m_minValue; }
    void SetMinValue(int value) { m_minValue = value; }
    int MaxValue() const { return m_maxValue; }
    void SetMaxValue(int value) { m_maxValue = value; }
    int Increment() const { return m_increment; }
    void SetIncrement(int increment) { m_increment = increment; }
    bool EditorEnabled() const { return m_editorEnabled; }
    void SetEditorEnabled(bool enabled) { m_editorEnabled = enabled; }

    // The text as a decimal integer; MinValue when it does not convert.
    int Value() const;
    void SetValue(int value);
    // v clamped to the range, or v itself when MinValue = MaxValue.
    int CheckValue(int value) const;

    TsuiSpinButtons* Button() const { return m_buttons; }

    virtual bool IsValidChar(QChar key) const;
    virtual void UpClick(QObject* sender);
    virtual void DownClick(QObject* sender);

protected:
    void UIStyleChanged() override;
    void DoEnter() override;
    void DoExit() override;
    void KeyPress(QChar& key) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resized() override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void placeButtons();
    bool editable() const { return m_editorEnabled && !isReadOnly(); }

    int m_minValue = 0;
    int m_maxValue = 0;
    int m_increment = 1;
    bool m_editorEnabled = true;
    bool m_mouseEntering = false;
    TsuiSpinButtons* m_buttons = nullptr;
};
