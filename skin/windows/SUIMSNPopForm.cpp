#include "skin/windows/SUIMSNPopForm.h"

#include "framework/ComponentRegistry.h"
#include "skin/styles/Suipublic.h"
#include "skin/windows/frmMSNPop.h"

#include <QWidget>

ORLENDA_REGISTER_COMPONENT(TsuiMSNPopForm);

void RegisterSuiMSNPopFormComponents()
{
    ComponentRegistry::instance().add<TsuiMSNPopForm>();
}

namespace {

constexpr QColor kNoticeInk(0x00, 0x00, 0x80);

TFont* makeFont(std::unique_ptr<QWidget>& host)
{
    host = std::make_unique<QWidget>();
    auto* font = new TFont(host.get());
    font->setColor(kNoticeInk);
    return font;
}

} // namespace

TsuiMSNPopForm::TsuiMSNPopForm(QObject* owner)
    : QObject(owner)
    , Component(this)
{
    m_titleFont = makeFont(m_titleFontHost);
    m_messageFont = makeFont(m_messageFontHost);
    m_window = new TfrmMSNPopForm();
    m_window->OnFormClick = [this] { raise(OnClick); };
    m_window->OnTextClick = [this] { raise(OnClick); };
    m_window->OnTitleClick = [this] { raise(OnTitleClick); };
    m_window->OnHidden = [this] { raise(OnClose); };
    m_window->SetAnimateTime(m_animateTime);
    m_window->hide();
}

TsuiMSNPopForm::~TsuiMSNPopForm()
{
    TfrmMSNPopForm* window = std::exchange(m_window, nullptr);
    window->OnFormClick = nullptr;
    window->OnTextClick = nullptr;
    window->OnTitleClick = nullptr;
    window->OnHidden = nullptr;
    // Off the screen at once, sliding or not, and without telling anybody.
    window->Slide()->stop();
    window->Timer1->stop();
    window->hide();
    // Freed from inside one of the window's own calls: the window goes once that call is over.
    if (m_inHandler > 0)
        window->deleteLater();
    else
        delete window;
}

void TsuiMSNPopForm::raise(const Event<>& event)
{
    ++m_inHandler;
    const QPointer<QObject> alive(this);
    event(this);
    if (alive)
        --m_inHandler;
}

void TsuiMSNPopForm::SetAnimateTime(int time)
{
    m_animateTime = time;
}

void TsuiMSNPopForm::SetTitleFont(TFont* font)
{
    m_titleFont->Assign(font);
}

void TsuiMSNPopForm::SetTextFont(TFont* font)
{
    m_messageFont->Assign(font);
}

void TsuiMSNPopForm::Popup()
{
    TfrmMSNPopForm* window = m_window;
    window->SetAnimateTime(m_animateTime);
    window->SetStayTime(m_stayTime);
    window->SetClickHide(m_clickHide);
    window->lbl_title->setCaption(m_title);
    window->lbl_title->assignFont(m_titleFont);
    window->lbl_text->setCaption(m_messageText);
    window->lbl_text->assignFont(m_messageFont);
    window->SetHome(m_autoPosition ? TfrmMSNPopForm::AutoHome(GetWorkAreaRect(), window->size())
                                   : QPoint(m_positionX, m_positionY));
    window->ShowNotice();
}

void TsuiMSNPopForm::Close()
{
    m_window->HideNotice();
}
