#include "tools/gallery/GalleryPanels.h"

#include "skin/controls/SUICheckBox.h"
#include "skin/controls/SUICheckGroup.h"
#include "skin/controls/SUIGroupBox.h"
#include "skin/controls/SUIImagePanel.h"
#include "skin/controls/SUIPanel.h"
#include "skin/controls/SUIRadioGroup.h"

#include <QBoxLayout>
#include <QPainter>

namespace {

// The controls sit at fixed places on a holder, as on a form; the holder takes the room they need.
QWidget* holder(QWidget* place, const QSize& size)
{
    auto* h = new QWidget(place);
    h->setFixedSize(size);
    if (auto* box = qobject_cast<QBoxLayout*>(place->layout()))
        box->insertWidget(box->count() - 1, h);
    return h;
}

// A small two-tone tile for the picture panel.
QImage checkerTile()
{
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(QColor(226, 232, 242));
    QPainter p(&tile);
    p.fillRect(0, 0, 4, 4, QColor(196, 208, 228));
    p.fillRect(4, 4, 4, 4, QColor(196, 208, 228));
    return tile;
}

TsuiPanel* titledPanel(QWidget* parent, TsuiUIStyle style, const QString& caption, QRect at)
{
    auto* panel = new TsuiPanel(parent);
    panel->SetUIStyle(style);
    panel->setCaption(caption);
    panel->setBounds(at);
    return panel;
}

TsuiGroupBox* groupBox(QWidget* parent, TsuiUIStyle style, const QString& caption, QRect at)
{
    auto* box = new TsuiGroupBox(parent);
    box->setBounds(at);
    box->SetGroupCaption(caption);
    auto* inside = new TsuiCheckBox(box);
    inside->SetCaption(QStringLiteral("Inside"));
    inside->SetChecked(true);
    inside->setBounds(QRect(QPoint(8, 20), inside->size()));
    // Set last: the box hands its style to what it contains.
    box->SetUIStyle(style);
    return box;
}

} // namespace

void AddPanelsAndGroupBoxes(QWidget* place, TsuiUIStyle style)
{
    QWidget* h = holder(place, QSize(232, 160));
    TsuiPanel* expanded = titledPanel(h, style, QStringLiteral("Expanded"), QRect(0, 0, 111, 84));
    auto* note = new TsuiCheckBox(expanded);
    note->SetUIStyle(style);
    note->SetCaption(QStringLiteral("Content"));
    note->setBounds(QRect(QPoint(8, 30), note->size()));
    TsuiPanel* collapsed = titledPanel(h, style, QStringLiteral("Pushed"), QRect(121, 0, 111, 84));
    collapsed->Push();
    collapsed->FinishAnimation();

    auto* picture = new TsuiImagePanel(h);
    picture->setBounds(QRect(121, 30, 111, 54));
    picture->SetDrawStyle(TsuiCustomPanel::suiTile);
    picture->SetPicture(checkerTile());
    picture->setCaption(QStringLiteral("Tiled picture"));

    groupBox(h, style, QStringLiteral("Group box"), QRect(0, 94, 111, 62));
    groupBox(h, style, QStringLiteral("Disabled"), QRect(121, 94, 111, 62))->setEnabled(false);
}

void AddCheckAndRadioGroups(QWidget* place, TsuiUIStyle style)
{
    QWidget* h = holder(place, QSize(232, 160));
    auto* radio = new TsuiRadioGroup(h);
    radio->setBounds(QRect(0, 0, 97, 92));
    radio->SetGroupCaption(QStringLiteral("One column"));
    radio->SetItems(
        { QStringLiteral("&Name"), QStringLiteral("&Category"), QStringLiteral("&Type") });
    radio->SetItemIndex(1);
    radio->SetUIStyle(style);

    auto* check = new TsuiCheckGroup(h);
    check->setBounds(QRect(105, 0, 127, 92));
    check->SetGroupCaption(QStringLiteral("Two columns"));
    check->SetItems({ QStringLiteral("*ALC"), QStringLiteral("*EDT"), QStringLiteral("*MSG"),
        QStringLiteral("*SEC"), QStringLiteral("*STG") });
    check->SetColumns(2);
    check->SetChecked(0, true);
    check->SetChecked(3, true);
    check->SetItemEnabled(4, false);
    check->SetUIStyle(style);

    auto* wide = new TsuiRadioGroup(h);
    wide->setBounds(QRect(0, 100, 232, 58));
    wide->SetGroupCaption(QStringLiteral("Three columns, disabled"));
    wide->SetItems({ QStringLiteral("Left"), QStringLiteral("Centre"), QStringLiteral("Right") });
    wide->SetColumns(3);
    wide->SetTopMargin(4);
    wide->SetItemIndex(0);
    wide->SetUIStyle(style);
    wide->setEnabled(false);
}
