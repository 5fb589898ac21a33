#include "tools/gallery/GalleryMDI.h"

#include "framework/ShortCut.h"
#include "framework/TMenuItem.h"
#include "skin/controls/SUIButton.h"
#include "skin/windows/SUIForm.h"
#include "skin/windows/SUIMDIForm.h"
#include "skin/windows/SUIMSNPopForm.h"
#include "skin/windows/SUIMainMenu.h"
#include "skin/windows/frmMSNPop.h"
#include "tools/gallery/GalleryWindow.h"
#include "tools/gallery/Screenshot.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPainter>
#include <QVBoxLayout>

namespace {

TMenuItem* addItem(QObject* parent, const QString& caption, int shortCut = 0)
{
    auto* item = new TMenuItem(parent);
    item->setCaption(caption);
    item->setShortCut(shortCut);
    return item;
}

void settle()
{
    QDeadlineTimer deadline(150);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// The client of a child window: the frame docks it below the title bar and its tiled or plain
// background shows through.
class ChildPage : public TControlBase<QWidget> {
    Q_OBJECT
    ORLENDA_CONTROL_PROPERTIES
public:
    using TControlBase<QWidget>::TControlBase;
};

struct PageText {
    const char* caption;
    const char* text;
};

const PageText kPages[] = {
    { "QCCSID - Coded character set identifier",
        "Identifies the character set, code page and graphic characters used for data." },
    { "QDATFMT - Date format",
        "The order of year, month and day in dates the system shows: YMD, MDY, DMY or JUL." },
    { "QMAXSIGN - Maximum sign-on attempts",
        "How many wrong sign-on attempts a user may make before the system acts." },
};

} // namespace

GalleryMDIWindow CreateGalleryMDIWindow(TsuiUIStyle style)
{
    GalleryMDIWindow window;
    window.form = std::make_unique<TForm>();
    const QString name = GalleryStyleName(style);
    window.form->setObjectName(QStringLiteral("fmGalleryMDI") + name);
    window.form->setCaption(QStringLiteral("Orlenda Workbench - ") + name);
    window.form->resize(760, 520);

    auto* frame = new TsuiMDIForm(window.form.get());
    window.frame = frame;
    auto* menu = new TsuiMainMenu(window.form.get());
    TMenuItem* file = addItem(menu, QStringLiteral("&File"));
    addItem(file, QStringLiteral("&New Window"), scCtrl | 'N');
    addItem(file, QStringLiteral("-"));
    addItem(file, QStringLiteral("E&xit"));
    TMenuItem* windows = addItem(menu, QStringLiteral("&Window"));
    TMenuItem* tile = addItem(windows, QStringLiteral("&Tile"));
    TMenuItem* cascade = addItem(windows, QStringLiteral("&Cascade"));
    addItem(windows, QStringLiteral("-"));
    TMenuItem* notify = addItem(windows, QStringLiteral("Show &Notice"), scCtrl | 'M');
    TMenuItem* help = addItem(menu, QStringLiteral("&Help"));
    addItem(help, QStringLiteral("&About..."));
    frame->SetMenu(menu);
    frame->SetUIStyle(style);

    auto* notice = new TsuiMSNPopForm(window.form.get());
    window.notice = notice;
    notice->SetTitle(QStringLiteral("Orlenda"));
    notice->SetMessageText(
        QStringLiteral("The reference pages of all system values are up to date."));
    notice->TitleFont()->setStyle(ControlTypes::fsBold);
    tile->OnClick = [frame](QObject*) { frame->Tile(); };
    cascade->OnClick = [frame](QObject*) { frame->Cascade(); };
    notify->OnClick = [notice](QObject*) { notice->Popup(); };

    for (const PageText& page : kPages) {
        auto* child = new TForm();
        child->setCaption(QString::fromLatin1(page.caption).section(QLatin1Char(' '), 0, 0));
        child->resize(330, 200);
        auto* childFrame = new TsuiForm(child);
        childFrame->SetUIStyle(style);
        auto* content = new ChildPage(childFrame);
        childFrame->SetPanel(content);
        auto* layout = new QVBoxLayout(content);
        layout->setContentsMargins(12, 10, 12, 10);
        auto* heading = new QLabel(QString::fromLatin1(page.caption));
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        heading->setWordWrap(true);
        auto* text = new QLabel(QString::fromLatin1(page.text));
        text->setWordWrap(true);
        layout->addWidget(heading);
        layout->addWidget(text);
        layout->addStretch(1);
        auto* button = new TsuiButton(content);
        button->SetUIStyle(style);
        button->SetCaption(QStringLiteral("Show &notice"));
        button->setFixedSize(96, 27);
        button->OnClick = [notice](QObject*) { notice->Popup(); };
        layout->addWidget(button, 0, Qt::AlignRight);
        QMdiSubWindow* sub = frame->MDIClient()->addSubWindow(child);
        window.children.append(sub);
    }
    return window;
}

namespace {

void showWindow(GalleryMDIWindow& window)
{
    TForm* form = window.form.get();
    form->move(40, 40);
    form->show();
    for (QMdiSubWindow* child : window.children)
        child->show();
    window.frame->Cascade();
    settle();
    // Shown as the window the user works in, whatever the screen's own focus.
    window.frame->TitleBar()->SetActive(true);
}

} // namespace

QImage GalleryMDIScreenshot(GalleryMDIWindow& window)
{
    showWindow(window);
    window.children.value(1)->showMaximized();
    settle();
    QImage shot = GrabShaped(window.form.get());
    window.children.value(1)->showNormal();
    settle();
    return shot;
}

QImage GalleryNoticeScreenshot(GalleryMDIWindow& window)
{
    showWindow(window);
    TsuiMSNPopForm* notice = window.notice;
    notice->SetAnimateTime(0);
    notice->SetStayTime(60000);
    notice->Popup();
    settle();
    TfrmMSNPopForm* popup = notice->Window();
    window.frame->TitleBar()->SetActive(true);
    QImage shot = GrabShaped(window.form.get());
    const QImage card = popup->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QPainter painter(&shot);
    // Where it stands on a work area ending at the window's bottom-right corner.
    const QPoint at
        = TfrmMSNPopForm::AutoHome(QRect(QPoint(0, 0), LogicalSize(shot)), LogicalSize(card));
    painter.drawImage(at, card);
    painter.end();
    notice->Close();
    return shot;
}

#include "GalleryMDI.moc"
