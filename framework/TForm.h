// A top-level window built from a form description; TfmMain and TfmAbout derive from it.
#pragma once

#include "framework/TControl.h"
#include "framework/TSizeConstraints.h"

class QEventLoop;
class QMenuBar;
class TMainMenu;

class TForm : public TControlBase<QWidget> {
    Q_OBJECT
    Q_MOC_INCLUDE("framework/TMainMenu.h")
    ORLENDA_CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(int ClientWidth READ ClientWidth WRITE setClientWidth)
    Q_PROPERTY(int ClientHeight READ ClientHeight WRITE setClientHeight)
    Q_PROPERTY(ControlTypes::TPosition Position READ Position WRITE setPosition)
    Q_PROPERTY(ControlTypes::TBorderIcons BorderIcons READ BorderIcons WRITE setBorderIcons)
    Q_PROPERTY(TSizeConstraints* Constraints READ Constraints)
    Q_PROPERTY(bool Scaled READ Scaled WRITE setScaled)
    Q_PROPERTY(TMainMenu* Menu READ Menu WRITE setMenu)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE setModalResult STORED false)
    Q_PROPERTY(FormMethod OnCreate READ onCreateHandler WRITE setOnCreateHandler)
    Q_PROPERTY(FormMethod OnDestroy READ onDestroyHandler WRITE setOnDestroyHandler)
    Q_PROPERTY(FormMethod OnClose READ onCloseHandler WRITE setOnCloseHandler)
public:
    // The owner is the form (or any component) that frees this form with itself.
    explicit TForm(QWidget* owner = nullptr);
    ~TForm() override;

    Event<> OnCreate;
    Event<> OnDestroy;
    Event<> OnClose;

    // Caption is QWidget::windowTitle(); Close() is close(), Release() deleteLater().
    QString Caption() const { return this->windowTitle(); }
    void setCaption(const QString& caption) { this->setWindowTitle(caption); }
    // The client area is what lies below the form's menu bar.
    int ClientWidth() const;
    void setClientWidth(int width);
    int ClientHeight() const;
    void setClientHeight(int height);
    ControlTypes::TPosition Position() const { return m_position; }
    void setPosition(ControlTypes::TPosition position) { m_position = position; }
    ControlTypes::TBorderIcons BorderIcons() const { return m_borderIcons; }
    void setBorderIcons(ControlTypes::TBorderIcons icons);
    TSizeConstraints* Constraints() const { return m_constraints; }
    bool Scaled() const { return m_scaled; }
    void setScaled(bool scaled) { m_scaled = scaled; }
    TMainMenu* Menu() const { return m_menu; }
    void setMenu(TMainMenu* menu);
    QMenuBar* menuBar() const { return m_menuBar; }

    int ModalResult() const { return m_modalResult; }
    // A non-zero result ends a running ShowModal.
    void setModalResult(int result);
    // Shows the form application-modal and returns its modal result once one is set or the
    // form is closed (mrCancel).
    int ShowModal();
    void Close();
    // Frees the form once the current event is handled.
    void Release();

    // Raises OnCreate once; readForm calls it at the end of creation.
    void DoCreate();
    // Raises OnDestroy once, before any component is destroyed. A form whose OnDestroy handler
    // is its own method calls this first in its destructor: C++ has taken the derived part
    // down before ~TForm runs.
    void BeforeDestruction();

    bool IsForm() const override { return true; }
    void Notification(QObject* component, Operation operation) override;

    FormMethod onCreateHandler() const { return OnCreate.method(); }
    void setOnCreateHandler(const FormMethod& m) { OnCreate.bind(m); }
    FormMethod onDestroyHandler() const { return OnDestroy.method(); }
    void setOnDestroyHandler(const FormMethod& m) { OnDestroy.bind(m); }
    FormMethod onCloseHandler() const { return OnClose.method(); }
    void setOnCloseHandler(const FormMethod& m) { OnClose.bind(m); }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resized() override;

private:
    void rebuildMenuBar();
    void placeMenuBar();

    TSizeConstraints* m_constraints;
    TMainMenu* m_menu = nullptr;
    QMenuBar* m_menuBar = nullptr;
    int m_menuBarMargin = 0; // the bar's share of the top margin
    QEventLoop* m_modalLoop = nullptr;
    ControlTypes::TPosition m_position = ControlTypes::TPosition::poDesigned;
    ControlTypes::TBorderIcons m_borderIcons
        = ControlTypes::biSystemMenu | ControlTypes::biMinimize | ControlTypes::biMaximize;
    int m_modalResult = 0;
    bool m_scaled = true;
    bool m_created = false;
    bool m_destroying = false;
    bool m_positioned = false;
};
