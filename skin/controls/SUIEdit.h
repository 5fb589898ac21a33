// The flat themed single-line edit: QLineEdit inside a 2-pixel frame, an outer line in the
// theme's control border colour and an inner line in the control's own colour.
#pragma once

#include "framework/TControl.h"
#include "skin/styles/SuiThemedControl.h"

#include <QLineEdit>

class TsuiEdit : public TControlBase<QLineEdit> {
    Q_OBJECT
    ORLENDA_CONTROL_PROPERTIES
    Q_PROPERTY(QColor BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(SuiThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(bool ReadOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(int MaxLength READ maxLength WRITE setMaxLength)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE SetAutoSelect)
    Q_PROPERTY(bool HideSelection READ HideSelection WRITE SetHideSelection)
    Q_PROPERTY(QString PasswordChar READ PasswordChar WRITE SetPasswordChar)
    Q_PROPERTY(TEditCharCase CharCase READ CharCase WRITE SetCharCase)
    Q_PROPERTY(FormMethod OnChange READ onChangeHandler WRITE setOnChangeHandler)
    Q_PROPERTY(FormMethod OnEnter READ onEnterHandler WRITE setOnEnterHandler)
    Q_PROPERTY(FormMethod OnExit READ onExitHandler WRITE setOnExitHandler)
public:
    enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
    Q_ENUM(TEditCharCase)

    // The width of the frame the border fills, on every side.
    static constexpr int BorderWidth = 2;

    explicit TsuiEdit(QWidget* parent = nullptr);

    Event<> OnChange;
    Event<> OnEnter;
    Event<> OnExit;

    QColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(const QColor& color);
    TsuiUIStyle UIStyle() const { return m_theme.uiStyle(); }
    void SetUIStyle(TsuiUIStyle style) { m_theme.setUIStyle(style); }
    TsuiFileTheme* FileTheme() const { return m_theme.fileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme) { m_theme.setFileTheme(theme); }

    QString Text() const { return text(); }
    // Program-set text runs the same change handling as typing; subclasses may raise from it.
    virtual void SetText(const QString& text) { setText(text); }
    bool AutoSelect() const { return m_autoSelect; }
    void SetAutoSelect(bool on) { m_autoSelect = on; }
    bool HideSelection() const { return m_hideSelection; }
    void SetHideSelection(bool on);
    QString PasswordChar() const { return m_passwordChar; }
    void SetPasswordChar(const QString& character);
    TEditCharCase CharCase() const { return m_charCase; }
    void SetCharCase(TEditCharCase charCase);

    // The border as it is drawn over the edit, into `rect` taken as the whole control.
    void PaintBorder(QPainter& painter) const;

    FormMethod onChangeHandler() const { return OnChange.method(); }
    void setOnChangeHandler(const FormMethod& m) { OnChange.bind(m); }
    FormMethod onEnterHandler() const { return OnEnter.method(); }
    void setOnEnterHandler(const FormMethod& m) { OnEnter.bind(m); }
    FormMethod onExitHandler() const { return OnExit.method(); }
    void setOnExitHandler(const FormMethod& m) { OnExit.bind(m); }

protected:
    SuiThemedControl& theme() { return m_theme; }
    virtual void UIStyleChanged() { }
    // Runs on every text change, typed or set by program.
    virtual void Change() { OnChange(this); }
    virtual void DoEnter() { OnEnter(this); }
    virtual void DoExit() { OnExit(this); }
    // A typed character; set it to the null character to drop the keystroke.
    virtual void KeyPress(QChar&) { }

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void reloadTheme();
    void applyCharCase();

    QColor m_borderColor;
    bool m_autoSelect = true;
    bool m_hideSelection = true;
    QString m_passwordChar;
    TEditCharCase m_charCase = ecNormal;
    SuiThemedControl m_theme;
};
