#include "tools/gallery/GalleryEdits.h"

#include "skin/controls/SUIEdit.h"
#include "skin/controls/SUIMaskEdit.h"
#include "skin/controls/SUINumberEdit.h"
#include "skin/controls/SUISpinEdit.h"

#include "skin/controls/SUIToolBar.h"

#include <QAction>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QGridLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

namespace {

template <typename Edit>
Edit* edit(QWidget* place, TsuiUIStyle style, QGridLayout* grid, int row, int column)
{
    auto* e = new Edit(place);
    e->SetUIStyle(style);
    e->setFixedSize(118, 21);
    grid->addWidget(e, row, column);
    return e;
}

// A 16 x 16 picture: a coloured disc with a light core.
QIcon disc(const QColor& colour)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(colour.darker(150));
    p.setBrush(colour);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(colour.lighter(160));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(4.5, 4, 5, 4));
    return QIcon(picture);
}

// The mouse over the button, as a user's would be.
void hover(QToolButton* button, bool press)
{
    const QPointF at(4, 4);
    QEnterEvent enter(at, at, at);
    QCoreApplication::sendEvent(button, &enter);
    if (press) {
        QMouseEvent down(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(button, &down);
    }
}

TsuiToolBar* toolBar(QWidget* place, TsuiUIStyle style, bool list)
{
    auto* bar = new TsuiToolBar(place);
    bar->SetUIStyle(style);
    bar->SetShowCaptions(true);
    bar->SetList(list);
    bar->setIconSize(QSize(16, 16));
    return bar;
}

} // namespace

void AddEdits(QWidget* place, TsuiUIStyle style)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);

    edit<TsuiEdit>(place, style, grid, 0, 0)->setText(QStringLiteral("QSYSLIBL"));
    auto* selected = edit<TsuiEdit>(place, style, grid, 0, 1);
    selected->setText(QStringLiteral("Selected text"));
    selected->SetHideSelection(false);
    selected->setSelection(0, 8);

    auto* disabled = edit<TsuiEdit>(place, style, grid, 1, 0);
    disabled->setText(QStringLiteral("Disabled"));
    disabled->setEnabled(false);
    auto* readOnly = edit<TsuiEdit>(place, style, grid, 1, 1);
    readOnly->setText(QStringLiteral("Read-only"));
    readOnly->setReadOnly(true);

    auto* number = edit<TsuiNumberEdit>(place, style, grid, 2, 0);
    number->SetMask(QStringLiteral("#,##0.00"));
    number->SetValue(1234.5);
    auto* spin = edit<TsuiSpinEdit>(place, style, grid, 2, 1);
    spin->SetMaxValue(999);
    spin->SetMinValue(0);
    spin->SetValue(32);

    auto* mask = edit<TsuiMaskEdit>(place, style, grid, 3, 0);
    mask->SetEditMask(QStringLiteral("00:00:00;1;_"));
    mask->SetText(QStringLiteral("235959"));
    auto* disabledSpin = edit<TsuiSpinEdit>(place, style, grid, 3, 1);
    disabledSpin->SetValue(7);
    disabledSpin->setEnabled(false);

    if (auto* box = qobject_cast<QBoxLayout*>(place->layout()))
        box->insertLayout(box->count() - 1, grid);
}

void AddToolBars(QWidget* place, TsuiUIStyle style)
{
    auto* column = new QVBoxLayout;
    column->setSpacing(6);
    auto* menu = new QMenu(place);
    menu->addAction(QStringLiteral("Recent"));
    auto button
        = [](TsuiToolBar* bar, QColor colour, const char* caption, QMenu* dropDown = nullptr) {
              return bar->AddButton(
                  new QAction(disc(colour), QString::fromLatin1(caption), bar), dropDown);
          };

    // Captions below the images: pressed (under the mouse), checked, a drop-down at rest.
    auto* below = toolBar(place, style, false);
    QToolButton* pressed = button(below, QColor(200, 150, 40), "&Save");
    QToolButton* checked = button(below, QColor(190, 70, 60), "&Bold");
    checked->defaultAction()->setCheckable(true);
    checked->defaultAction()->setChecked(true);
    button(below, QColor(120, 90, 170), "&View", menu);
    button(below, QColor(60, 120, 200), "&New");
    hover(pressed, true);
    column->addWidget(below);

    // Captions beside the images: hot, plain and disabled.
    auto* beside = toolBar(place, style, true);
    QToolButton* hot = button(beside, QColor(60, 160, 90), "&Open");
    button(beside, QColor(60, 120, 200), "&Find");
    button(beside, QColor(150, 150, 150), "Off")->defaultAction()->setEnabled(false);
    hover(hot, false);
    column->addWidget(beside);

    // A hot drop-down button shows its arrow part.
    auto* dropDowns = toolBar(place, style, true);
    QToolButton* hotDropDown = button(dropDowns, QColor(60, 160, 90), "&Go", menu);
    button(dropDowns, QColor(120, 90, 170), "&Back", menu);
    hover(hotDropDown, false);
    column->addWidget(dropDowns);

    if (auto* box = qobject_cast<QBoxLayout*>(place->layout()))
        box->insertLayout(box->count() - 1, column);
}
