#include "SkinDesignerPlugin.h"

#include "SkinWidgetEntry.h"
#include "skin/controls/SUIButton.h"
#include "skin/controls/SUICheckBox.h"
#include "skin/controls/SUICheckGroup.h"
#include "skin/controls/SUIEdit.h"
#include "skin/controls/SUIGroupBox.h"
#include "skin/controls/SUIImageButton.h"
#include "skin/controls/SUIImagePanel.h"
#include "skin/controls/SUIMaskEdit.h"
#include "skin/controls/SUINumberEdit.h"
#include "skin/controls/SUIPanel.h"
#include "skin/controls/SUIRadioButton.h"
#include "skin/controls/SUIRadioGroup.h"
#include "skin/controls/SUIScrollBar.h"
#include "skin/controls/SUISpinEdit.h"
#include "skin/controls/SUIToolBar.h"
#include "skin/controls/SUITrackBar.h"
#include "skin/controls/Suiprogressbar.h"
#include "skin/windows/SUIForm.h"

namespace {

template <typename Widget>
std::unique_ptr<SkinWidgetEntry> entry(const char* className, const char* header, const char* group,
    const char* toolTip, QSize size, bool container = false)
{
    return std::make_unique<SkinWidgetEntry>(QString::fromLatin1(className),
        QString::fromLatin1(header), QStringLiteral("Orlenda Skin: ") + QString::fromLatin1(group),
        QString::fromLatin1(toolTip), size, container,
        [](QWidget* parent) -> QWidget* { return new Widget(parent); });
}

} // namespace

SkinDesignerPlugin::SkinDesignerPlugin(QObject* parent)
    : QObject(parent)
{
    m_entries.push_back(entry<TsuiForm>("TsuiForm", "skin/windows/SUIForm.h", "Windows",
        "Skinned frame: title bar, caption buttons, menu bar and border", QSize(320, 240), true));

    m_entries.push_back(entry<TsuiButton>("TsuiButton", "skin/controls/SUIButton.h", "Buttons",
        "Skinned push button", QSize(75, 25)));
    m_entries.push_back(entry<TsuiImageButton>("TsuiImageButton", "skin/controls/SUIImageButton.h",
        "Buttons", "Push button drawn from pictures", QSize(75, 25)));
    m_entries.push_back(entry<TsuiCheckBox>("TsuiCheckBox", "skin/controls/SUICheckBox.h",
        "Buttons", "Skinned check box", QSize(97, 17)));
    m_entries.push_back(entry<TsuiRadioButton>("TsuiRadioButton", "skin/controls/SUIRadioButton.h",
        "Buttons", "Skinned radio button", QSize(113, 17)));

    m_entries.push_back(entry<TsuiEdit>("TsuiEdit", "skin/controls/SUIEdit.h", "Edits",
        "Skinned single-line edit", QSize(121, 21)));
    m_entries.push_back(entry<TsuiMaskEdit>("TsuiMaskEdit", "skin/controls/SUIMaskEdit.h", "Edits",
        "Skinned edit with an input mask", QSize(121, 21)));
    m_entries.push_back(entry<TsuiNumberEdit>("TsuiNumberEdit", "skin/controls/SUINumberEdit.h",
        "Edits", "Skinned number edit", QSize(121, 21)));
    m_entries.push_back(entry<TsuiSpinEdit>("TsuiSpinEdit", "skin/controls/SUISpinEdit.h", "Edits",
        "Skinned edit with spin buttons", QSize(121, 21)));

    m_entries.push_back(entry<TsuiProgressBar>("TsuiProgressBar", "skin/controls/Suiprogressbar.h",
        "Bars", "Skinned progress bar", QSize(150, 16)));
    m_entries.push_back(entry<TsuiTrackBar>("TsuiTrackBar", "skin/controls/SUITrackBar.h", "Bars",
        "Skinned track bar", QSize(150, 45)));
    m_entries.push_back(entry<TsuiScrollBar>("TsuiScrollBar", "skin/controls/SUIScrollBar.h",
        "Bars", "Skinned scroll bar", QSize(121, 17)));
    m_entries.push_back(entry<TsuiToolBar>(
        "TsuiToolBar", "skin/controls/SUIToolBar.h", "Bars", "Skinned tool bar", QSize(200, 29)));

    m_entries.push_back(entry<TsuiPanel>("TsuiPanel", "skin/controls/SUIPanel.h", "Containers",
        "Skinned panel", QSize(185, 41), true));
    m_entries.push_back(entry<TsuiImagePanel>("TsuiImagePanel", "skin/controls/SUIImagePanel.h",
        "Containers", "Panel showing a picture", QSize(185, 41), true));
    m_entries.push_back(entry<TsuiGroupBox>("TsuiGroupBox", "skin/controls/SUIGroupBox.h",
        "Containers", "Skinned group box", QSize(185, 105), true));
    m_entries.push_back(entry<TsuiCheckGroup>("TsuiCheckGroup", "skin/controls/SUICheckGroup.h",
        "Containers", "Group of check boxes from a list of items", QSize(185, 105)));
    m_entries.push_back(entry<TsuiRadioGroup>("TsuiRadioGroup", "skin/controls/SUIRadioGroup.h",
        "Containers", "Group of radio buttons from a list of items", QSize(185, 105)));
}

SkinDesignerPlugin::~SkinDesignerPlugin() = default;

QList<QDesignerCustomWidgetInterface*> SkinDesignerPlugin::customWidgets() const
{
    QList<QDesignerCustomWidgetInterface*> widgets;
    for (const auto& widget : m_entries)
        widgets.append(widget.get());
    return widgets;
}
