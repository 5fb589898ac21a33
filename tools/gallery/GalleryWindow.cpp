#include "tools/gallery/GalleryWindow.h"

#include "framework/ShortCut.h"
#include "framework/TMenuItem.h"
#include "framework/OrlendaException.h"
#include "skin/styles/Suipublic.h"
#include "skin/styles/Suiresdef.h"
#include "skin/styles/TsuiFileTheme.h"
#include "skin/windows/SUIForm.h"
#include "skin/windows/SUIMainMenu.h"
#include "tools/gallery/GalleryBars.h"
#include "tools/gallery/GalleryButtons.h"
#include "tools/gallery/GalleryEdits.h"
#include "tools/gallery/GalleryPanels.h"

#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMetaEnum>
#include <QPainter>
#include <QPointer>
#include <QVBoxLayout>
#include <cstdlib>
#include <functional>

namespace {

// The client of a gallery window paints nothing itself, so the frame's background (the tiled
// pictures of MacOS and Protein) shows between the places.
class GalleryClient : public TControlBase<QWidget> {
    Q_OBJECT
    ORLENDA_CONTROL_PROPERTIES
public:
    using TControlBase<QWidget>::TControlBase;
};

TMenuItem* addItem(QObject* parent, const QString& caption, int shortCut = 0)
{
    auto* item = new TMenuItem(parent);
    item->setCaption(caption);
    item->setShortCut(shortCut);
    return item;
}

void buildMenu(TsuiMainMenu* menu)
{
    TMenuItem* file = addItem(menu, QStringLiteral("&File"));
    addItem(file, QStringLiteral("&New"), scCtrl | 'N');
    addItem(file, QStringLiteral("&Open..."), scCtrl | 'O')->setDefault(true);
    addItem(file, QStringLiteral("-"));
    addItem(file, QStringLiteral("&Save"), scCtrl | 'S');
    addItem(file, QStringLiteral("Save &As..."));
    addItem(file, QStringLiteral("&Print..."), scCtrl | 'P')->setEnabled(false);
    addItem(file, QStringLiteral("-"));
    addItem(file, QStringLiteral("E&xit"), scAlt | 0x73); // Alt+F4

    TMenuItem* view = addItem(menu, QStringLiteral("&View"));
    TMenuItem* byName = addItem(view, QStringLiteral("By &Name"));
    byName->setRadioItem(true);
    byName->setChecked(true);
    addItem(view, QStringLiteral("By &Category"))->setRadioItem(true);
    addItem(view, QStringLiteral("-"));
    addItem(view, QStringLiteral("&Status Bar"))->setChecked(true);
    addItem(view, QStringLiteral("&Refresh"), 0x74); // F5

    TMenuItem* help = addItem(menu, QStringLiteral("&Help"));
    addItem(help, QStringLiteral("&Contents"), 0x70); // F1
    addItem(help, QStringLiteral("-"));
    addItem(help, QStringLiteral("&About..."));
}

// Frame `frame` of the 18 caption button pictures, from a built-in style or a file theme.
using CaptionPictures = std::function<void(int frame, QImage& image)>;

// A custom caption button: the style's minimize button with its glyph replaced by a pin.
void giveCustomPictures(TsuiTitleBarButton* custom, const CaptionPictures& captionPicture)
{
    const auto picture = [&captionPicture](int frame) {
        QImage image;
        captionPicture(frame, image);
        if (image.isNull())
            return image;
        image = image.convertToFormat(QImage::Format_RGB32);
        // The glyph's colour: the pixel inside the face that stands out most from it.
        const QRgb faceAtCentre = image.pixel(4, image.height() / 2);
        QRgb glyph = faceAtCentre;
        int contrast = -1;
        for (int y = 4; y < image.height() - 4; ++y) {
            for (int x = 5; x < image.width() - 5; ++x) {
                const int d = std::abs(qGray(image.pixel(x, y)) - qGray(faceAtCentre));
                if (d > contrast) {
                    contrast = d;
                    glyph = image.pixel(x, y);
                }
            }
        }
        // The minimize glyph goes: each row of the face takes the colour it has beside the
        // glyph, so the button's own shading stays.
        for (int y = 4; y < image.height() - 4; ++y) {
            const QRgb face = image.pixel(4, y);
            for (int x = 5; x < image.width() - 5; ++x)
                image.setPixel(x, y, face);
        }
        QPainter painter(&image);
        // A pin: round head, short needle.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromRgb(glyph));
        const QPointF centre(image.width() / 2.0, image.height() / 2.0 - 2);
        painter.drawEllipse(centre, 3, 3);
        painter.fillRect(QRectF(centre.x() - 0.75, centre.y() + 2, 1.5, 5), QColor::fromRgb(glyph));
        return image;
    };
    custom->SetPicNormal(picture(13));
    custom->SetPicMouseOn(picture(14));
    custom->SetPicMouseDown(picture(15));
}

QWidget* section(const QString& title, const QColor& ink)
{
    auto* box = new QFrame;
    box->setFrameShape(QFrame::StyledPanel);
    box->setFrameShadow(QFrame::Sunken);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(10, 8, 10, 8);
    auto* heading = new QLabel(title);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    QPalette palette = heading->palette();
    palette.setColor(QPalette::WindowText, ink);
    heading->setPalette(palette);
    layout->addWidget(heading);
    layout->addStretch(1);
    box->setMinimumSize(180, 80);
    return box;
}

} // namespace

const QList<TsuiUIStyle>& GalleryStyles()
{
    static const QList<TsuiUIStyle> styles { TsuiUIStyle::MacOS, TsuiUIStyle::WinXP,
        TsuiUIStyle::DeepBlue, TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass };
    return styles;
}

QString GalleryStyleName(TsuiUIStyle style)
{
    return QString::fromLatin1(QMetaEnum::fromType<TsuiUIStyle>().valueToKey(int(style)));
}

const QStringList& GallerySections()
{
    // The first place lies under the drop-down of the screenshots: plain edits lose least there.
    static const QStringList sections { QStringLiteral("Edits"), QStringLiteral("Push buttons"),
        QStringLiteral("Check boxes and radio buttons"), QStringLiteral("Scroll bars"),
        QStringLiteral("Progress bars"), QStringLiteral("Track bars"),
        QStringLiteral("Panels and group boxes"), QStringLiteral("Tool bar"),
        QStringLiteral("Check and radio groups") };
    return sections;
}

namespace {

// The window of one look: `style` built in, or FromThemeFile with `theme` already loaded.
GalleryWindow createWindow(const QString& name, TsuiUIStyle style, TsuiFileTheme* theme,
    std::unique_ptr<TForm> form, const CaptionPictures& captionPicture)
{
    GalleryWindow window;
    window.form = std::move(form);
    window.form->setObjectName(QStringLiteral("fmGallery") + name);
    window.form->setCaption(QStringLiteral("Orlenda Gallery - ") + name);
    window.form->resize(860, 660);

    auto* frame = new TsuiForm(window.form.get());
    window.frame = frame;
    frame->SetFileTheme(theme);
    frame->SetUIStyle(style);

    TsuiTitleBarButtons* buttons = frame->TitleBarButtons();
    buttons->AddButton()->SetButtonType(TsuiTitleBarBtnType::suiHelp);
    giveCustomPictures(buttons->AddButton(), captionPicture);

    auto* menu = new TsuiMainMenu(window.form.get());
    menu->setObjectName(QStringLiteral("mnGallery"));
    buildMenu(menu);
    frame->SetMenu(menu);
    frame->SetUIStyle(style);

    // The client: one labelled place per control family, for the control issues to fill.
    auto* client = new GalleryClient(frame);
    frame->SetPanel(client);
    auto* grid = new QGridLayout(client);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->setSpacing(10);
    const QColor ink = QColor::fromRgb(0x30, 0x38, 0x48);
    const QStringList& names = GallerySections();
    for (int i = 0; i < names.size(); ++i) {
        QWidget* place = section(names[i], ink);
        grid->addWidget(place, i / 3, i % 3);
        if (names[i] == QLatin1String("Push buttons"))
            AddPushButtons(place, style);
        else if (names[i] == QLatin1String("Check boxes and radio buttons"))
            AddCheckBoxesAndRadioButtons(place, style);
        else if (names[i] == QLatin1String("Edits"))
            AddEdits(place, style);
        else if (names[i] == QLatin1String("Tool bar"))
            AddToolBars(place, style);
        else if (names[i] == QLatin1String("Scroll bars"))
            AddScrollBars(place, style);
        else if (names[i] == QLatin1String("Progress bars"))
            AddProgressBars(place, style);
        else if (names[i] == QLatin1String("Track bars"))
            AddTrackBars(place, style);
        else if (names[i] == QLatin1String("Panels and group boxes"))
            AddPanelsAndGroupBoxes(place, style);
        else if (names[i] == QLatin1String("Check and radio groups"))
            AddCheckAndRadioGroups(place, style);
    }
    if (theme) {
        // Every themed component of the window, however deep, takes the file theme.
        // Guarded: restyling one component may rebuild (delete) children of another.
        QList<QPointer<QObject>> components;
        for (QObject* component : window.form->findChildren<QObject*>())
            components.append(component);
        for (const QPointer<QObject>& component : std::as_const(components)) {
            if (!component || component == theme || !IsHasProperty(component, "FileTheme")
                || !IsHasProperty(component, "UIStyle"))
                continue;
            component->setProperty("FileTheme", QVariant::fromValue(theme));
            component->setProperty("UIStyle", QVariant::fromValue(TsuiUIStyle::FromThemeFile));
        }
    }
    // Controls size themselves as they take their style, state and theme, some after their
    // places were laid out: every place is laid out again on the final sizes.
    for (QLayout* layout : window.form->findChildren<QLayout*>()) {
        layout->invalidate();
        layout->activate();
    }
    return window;
}

} // namespace

GalleryWindow CreateGalleryWindow(TsuiUIStyle style)
{
    return createWindow(GalleryStyleName(style), style, nullptr, std::make_unique<TForm>(),
        [style](int frame, QImage& image) {
            GetInsideThemeBitmap(style, SuiThemes::SuiItem::TitleBarButtonImage, &image, 18, frame);
        });
}

GalleryWindow CreateThemeGalleryWindow(const QString& themeFile)
{
    auto form = std::make_unique<TForm>();
    auto* theme = new TsuiFileTheme(form.get());
    theme->setObjectName(QStringLiteral("suiFileTheme1"));
    theme->SetThemeFile(themeFile);
    if (!theme->CanUse())
        throw OrlendaException(QStringLiteral("Cannot load the theme file %1").arg(themeFile));
    return createWindow(GalleryThemeName(themeFile), TsuiUIStyle::FromThemeFile, theme,
        std::move(form), [theme](int frame, QImage& image) {
            theme->GetBitmap(SuiThemes::SuiItem::TitleBarButtonImage, image, 18, frame);
        });
}

QString GalleryThemeName(const QString& themeFile)
{
    return QFileInfo(themeFile).completeBaseName();
}

#include "GalleryWindow.moc"
