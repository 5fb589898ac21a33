#include "tools/gallery/GalleryEdits.h"

#include "skin/controls/SUIEdit.h"
#include "skin/controls/SUIMaskEdit.h"
#include "skin/controls/SUINumberEdit.h"
#include "skin/controls/SUISpinEdit.h"

#include <QBoxLayout>
#include <QGridLayout>

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
