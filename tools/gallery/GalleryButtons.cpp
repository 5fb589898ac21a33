#include "tools/gallery/GalleryButtons.h"

#include "skin/controls/SUIArrowButton.h"
#include "skin/controls/SUIButton.h"
#include "skin/controls/SUICheckBox.h"
#include "skin/controls/SUIControlButton.h"
#include "skin/controls/SUIImageButton.h"
#include "skin/controls/SUIRadioButton.h"
#include "skin/controls/SUIToolBarSpeedButton.h"
#include "skin/styles/Suiresdef.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

enum class Shown { Normal, Hot, Pressed, Focused, Disabled };

// The states are put on with the same events a user's mouse would send.
void show(QWidget* control, Shown state)
{
    const QPointF at(3, 3);
    switch (state) {
    case Shown::Normal:
        break;
    case Shown::Hot: {
        QEnterEvent enter(at, at, at);
        QCoreApplication::sendEvent(control, &enter);
        break;
    }
    case Shown::Pressed: {
        QEnterEvent enter(at, at, at);
        QCoreApplication::sendEvent(control, &enter);
        QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(control, &press);
        break;
    }
    case Shown::Focused:
        // Once the window is up; focus asked for before it is shown would go to the first stop.
        QTimer::singleShot(0, control, [control] { control->setFocus(); });
        break;
    case Shown::Disabled:
        control->setEnabled(false);
        break;
    }
}

QBoxLayout* contentOf(QWidget* place)
{
    auto* box = qobject_cast<QBoxLayout*>(place->layout());
    return box;
}

void insert(QWidget* place, QLayout* content)
{
    if (QBoxLayout* box = contentOf(place))
        box->insertLayout(box->count() - 1, content);
}

// A 16 x 16 glyph on magenta: a page with a folded corner.
QImage pageGlyph(bool twoImages)
{
    QImage glyph(twoImages ? 32 : 16, 16, QImage::Format_RGB32);
    glyph.fill(QColor(255, 0, 255));
    QPainter p(&glyph);
    for (int i = 0; i < (twoImages ? 2 : 1); ++i) {
        const QColor ink = i == 0 ? QColor(40, 70, 140) : QColor(150, 150, 150);
        const int x = 16 * i;
        p.fillRect(x + 3, 1, 10, 14, ink);
        p.fillRect(x + 4, 2, 8, 12, Qt::white);
        p.fillRect(x + 6, 5, 5, 1, ink);
        p.fillRect(x + 6, 8, 5, 1, ink);
        p.fillRect(x + 6, 11, 4, 1, ink);
    }
    return glyph;
}

QImage tile(const QColor& face, const QColor& edge)
{
    QImage image(22, 22, QImage::Format_RGB32);
    image.fill(face);
    QPainter p(&image);
    p.setPen(edge);
    p.drawRect(0, 0, 21, 21);
    p.fillRect(8, 8, 6, 6, edge);
    return image;
}

} // namespace

void AddPushButtons(QWidget* place, TsuiUIStyle style)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    const struct {
        const char* caption;
        Shown state;
    } states[]
        = { { "&Normal", Shown::Normal }, { "&Hot", Shown::Hot }, { "&Pressed", Shown::Pressed },
              { "&Focused", Shown::Focused }, { "&Disabled", Shown::Disabled } };
    int cell = 0;
    for (const auto& s : states) {
        auto* b = new TsuiButton(place);
        b->SetUIStyle(style);
        b->SetCaption(QString::fromLatin1(s.caption));
        b->setFixedSize(76, 27);
        grid->addWidget(b, cell / 3, cell % 3);
        ++cell;
        show(b, s.state);
    }
    // Glyphs in their layouts; the two-image glyph shows its own disabled picture.
    const TsuiButton::TButtonLayout layouts[]
        = { TsuiButton::blGlyphLeft, TsuiButton::blGlyphRight, TsuiButton::blGlyphTop };
    auto* twoImages = new TsuiButton(place);
    twoImages->SetUIStyle(style);
    twoImages->SetCaption(QStringLiteral("Page"));
    twoImages->SetGlyph(pageGlyph(true));
    twoImages->setFixedSize(76, 27);
    twoImages->setEnabled(false);
    grid->addWidget(twoImages, 1, 2);
    int column = 0;
    for (TsuiButton::TButtonLayout layout : layouts) {
        auto* b = new TsuiButton(place);
        b->SetUIStyle(style);
        b->SetCaption(QStringLiteral("Page"));
        b->SetGlyph(pageGlyph(false));
        b->SetLayout(layout);
        b->setFixedSize(76, layout == TsuiButton::blGlyphTop ? 40 : 27);
        grid->addWidget(b, 2, column++);
    }

    // Small buttons: arrows in every state, a control button, an image button, a speed button.
    auto* small = new QHBoxLayout;
    small->setSpacing(4);
    const std::pair<TsuiArrowButton::TsuiArrowButtonType, Shown> arrows[]
        = { { TsuiArrowButton::suiUp, Shown::Normal }, { TsuiArrowButton::suiUp, Shown::Hot },
              { TsuiArrowButton::suiUp, Shown::Pressed },
              { TsuiArrowButton::suiDown, Shown::Normal },
              { TsuiArrowButton::suiDown, Shown::Disabled } };
    for (const auto& [arrow, state] : arrows) {
        auto* a = new TsuiArrowButton(place);
        a->SetUIStyle(style);
        a->SetArrow(arrow);
        a->setFixedSize(17, 16);
        small->addWidget(a);
        show(a, state);
    }
    small->addSpacing(6);
    for (Shown state : { Shown::Normal, Shown::Hot }) {
        auto* c = new TsuiControlButton(place);
        c->SetUIStyle(style);
        c->SetThemeID(SuiThemes::SuiItem::CheckBoxImage);
        c->SetPicCount(4);
        c->SetPicIndex(1);
        small->addWidget(c);
        show(c, state);
    }
    small->addSpacing(6);
    auto* image = new TsuiImageButton(place);
    image->SetAutoSize(true);
    image->SetPicNormal(tile(QColor(210, 220, 235), QColor(60, 90, 150)));
    image->SetPicMouseOn(tile(QColor(235, 240, 250), QColor(60, 90, 150)));
    image->SetPicMouseDown(tile(QColor(170, 185, 215), QColor(30, 50, 100)));
    small->addWidget(image);
    auto* speed = new TsuiToolBarSpeedButton(place);
    speed->SetGlyph(pageGlyph(false));
    speed->setFixedSize(18, 18);
    small->addWidget(speed);
    auto* hotSpeed = new TsuiToolBarSpeedButton(place);
    hotSpeed->SetGlyph(pageGlyph(false));
    hotSpeed->setFixedSize(18, 18);
    small->addWidget(hotSpeed);
    show(hotSpeed, Shown::Hot);
    small->addStretch(1);
    grid->addLayout(small, 3, 0, 1, 3);
    insert(place, grid);
}

void AddCheckBoxesAndRadioButtons(QWidget* place, TsuiUIStyle style)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    const struct {
        const char* caption;
        bool checked;
        Shown state;
    } states[] = { { "&Checked", true, Shown::Normal }, { "&Unchecked", false, Shown::Normal },
        { "Disabled, on", true, Shown::Disabled }, { "Disabled, off", false, Shown::Disabled },
        { "&Focused", true, Shown::Focused } };
    int row = 0;
    for (const auto& s : states) {
        auto* box = new TsuiCheckBox(place);
        box->SetUIStyle(style);
        // Over the place's own look, as on a form with a picture background.
        box->SetTransparent(true);
        box->SetCaption(QString::fromLatin1(s.caption));
        box->SetChecked(s.checked);
        grid->addWidget(box, row, 0);
        show(box, s.state == Shown::Focused ? Shown::Normal : s.state);

        auto* radio = new TsuiRadioButton(place);
        radio->SetUIStyle(style);
        radio->SetTransparent(true);
        radio->SetCaption(QString::fromLatin1(s.caption).replace(QLatin1Char('&'), QString()));
        // Each its own group, so every state can show at once.
        radio->SetGroupIndex(row);
        radio->SetChecked(s.checked);
        grid->addWidget(radio, row, 1);
        show(radio, s.state);
        ++row;
    }
    // Grayed is no state of its own: it shows unchecked.
    auto* grayed = new TsuiCheckBox(place);
    grayed->SetUIStyle(style);
    grayed->SetTransparent(true);
    grayed->SetCaption(QStringLiteral("&Grayed"));
    grayed->SetState(TsuiCheckBox::cbGrayed);
    grid->addWidget(grayed, row, 0);
    grid->setColumnStretch(2, 1);
    insert(place, grid);
}
