// The notice component: shows a short title and message in a small window that slides up out of
// the bottom of the work area, stays a while on top of everything and slides away again.
#pragma once

#include "framework/Component.h"
#include "framework/Event.h"
#include "framework/TFont.h"

#include <QObject>
#include <memory>

class TfrmMSNPopForm;

class TsuiMSNPopForm : public QObject, public Component {
    Q_OBJECT
    Q_PROPERTY(int AnimateTime READ AnimateTime WRITE SetAnimateTime)
    Q_PROPERTY(int StayTime READ StayTime WRITE SetStayTime)
    Q_PROPERTY(int PositionX READ PositionX WRITE SetPositionX)
    Q_PROPERTY(int PositionY READ PositionY WRITE SetPositionY)
    Q_PROPERTY(bool AutoPosition READ AutoPosition WRITE SetAutoPosition)
    Q_PROPERTY(bool ClickHide READ ClickHide WRITE SetClickHide)
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
    Q_PROPERTY(QString MessageText READ MessageText WRITE SetMessageText)
    Q_PROPERTY(TFont* TitleFont READ TitleFont WRITE SetTitleFont)
    Q_PROPERTY(TFont* MessageFont READ MessageFont WRITE SetTextFont)
    Q_PROPERTY(FormMethod OnTitleClick READ onTitleClickHandler WRITE setOnTitleClickHandler)
    Q_PROPERTY(FormMethod OnClick READ onClickHandler WRITE setOnClickHandler)
    Q_PROPERTY(FormMethod OnClose READ onCloseHandler WRITE setOnCloseHandler)
public:
    explicit TsuiMSNPopForm(QObject* owner = nullptr);
    ~TsuiMSNPopForm() override;

    // Sender: this component.
    Event<> OnTitleClick;
    Event<> OnClick;
    Event<> OnClose;

    int AnimateTime() const { return m_animateTime; }
    void SetAnimateTime(int time);
    int StayTime() const { return m_stayTime; }
    void SetStayTime(int time) { m_stayTime = time; }
    int PositionX() const { return m_positionX; }
    void SetPositionX(int x) { m_positionX = x; }
    int PositionY() const { return m_positionY; }
    void SetPositionY(int y) { m_positionY = y; }
    bool AutoPosition() const { return m_autoPosition; }
    void SetAutoPosition(bool autoPosition) { m_autoPosition = autoPosition; }
    bool ClickHide() const { return m_clickHide; }
    void SetClickHide(bool hide) { m_clickHide = hide; }
    QString Title() const { return m_title; }
    void SetTitle(const QString& title) { m_title = title; }
    QString MessageText() const { return m_messageText; }
    void SetMessageText(const QString& text) { m_messageText = text; }
    // Writing either font keeps a copy of it.
    TFont* TitleFont() const { return m_titleFont; }
    void SetTitleFont(TFont* font);
    TFont* MessageFont() const { return m_messageFont; }
    void SetTextFont(TFont* font);

    // Shows the notice with the current settings; while one shows it takes the new texts and
    // place and goes on staying.
    void Popup();
    // Stops the stay and slides the notice away (nothing when it is not on screen).
    void Close();

    TfrmMSNPopForm* Window() const { return m_window; }

    FormMethod onTitleClickHandler() const { return OnTitleClick.method(); }
    void setOnTitleClickHandler(const FormMethod& m) { OnTitleClick.bind(m); }
    FormMethod onClickHandler() const { return OnClick.method(); }
    void setOnClickHandler(const FormMethod& m) { OnClick.bind(m); }
    FormMethod onCloseHandler() const { return OnClose.method(); }
    void setOnCloseHandler(const FormMethod& m) { OnClose.bind(m); }

private:
    // Runs a handler; tells the destructor whether the window is still inside one of its calls.
    void raise(const Event<>& event);

    TfrmMSNPopForm* m_window = nullptr;
    // The fonts need a widget to live on; these are never shown.
    std::unique_ptr<QWidget> m_titleFontHost;
    std::unique_ptr<QWidget> m_messageFontHost;
    TFont* m_titleFont = nullptr;
    TFont* m_messageFont = nullptr;
    QString m_title;
    QString m_messageText;
    int m_animateTime = 400;
    int m_stayTime = 2000;
    int m_positionX = 0;
    int m_positionY = 0;
    int m_inHandler = 0;
    bool m_autoPosition = true;
    bool m_clickHide = false;
};

// Registers the notice for form descriptions.
void RegisterSuiMSNPopFormComponents();
