// An up and a down arrow button stacked one over the other, overlapping by one pixel; a held
// button repeats its click.
#pragma once

#include "framework/TControl.h"
#include "skin/controls/SUIArrowButton.h"

class TsuiSpinButtons : public TControlBase<QWidget> {
    Q_OBJECT
    ORLENDA_CONTROL_PROPERTIES
    Q_PROPERTY(SuiThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(FormMethod OnUpClick READ onUpClickHandler WRITE setOnUpClickHandler)
    Q_PROPERTY(FormMethod OnDownClick READ onDownClickHandler WRITE setOnDownClickHandler)
public:
    static constexpr int MinimumWidth = 15;
    static constexpr int RepeatInterval = 400;

    explicit TsuiSpinButtons(QWidget* parent = nullptr);

    Event<> OnUpClick;
    Event<> OnDownClick;

    // Kept by the buttons, not by the pair.
    TsuiUIStyle UIStyle() const;
    void SetUIStyle(TsuiUIStyle style);
    TsuiFileTheme* FileTheme() const;
    void SetFileTheme(TsuiFileTheme* theme);

    TsuiArrowButton* UpButton() const { return m_up; }
    TsuiArrowButton* DownButton() const { return m_down; }

    void Loaded() override;

    FormMethod onUpClickHandler() const { return OnUpClick.method(); }
    void setOnUpClickHandler(const FormMethod& m) { OnUpClick.bind(m); }
    FormMethod onDownClickHandler() const { return OnDownClick.method(); }
    void setOnDownClickHandler(const FormMethod& m) { OnDownClick.bind(m); }

protected:
    void resized() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void layoutButtons();

    TsuiArrowButton* m_up = nullptr;
    TsuiArrowButton* m_down = nullptr;
};
