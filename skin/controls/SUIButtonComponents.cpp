#include "skin/controls/SUIButtonComponents.h"

#include "framework/ComponentRegistry.h"
#include "skin/controls/SUIArrowButton.h"
#include "skin/controls/SUIButton.h"
#include "skin/controls/SUICheckBox.h"
#include "skin/controls/SUIControlButton.h"
#include "skin/controls/SUIImageButton.h"
#include "skin/controls/SUIRadioButton.h"
#include "skin/controls/SUIToolBarSpeedButton.h"

void RegisterSUIButtonComponents()
{
    ComponentRegistry& registry = ComponentRegistry::instance();
    registry.add<TsuiButton>();
    registry.add<TsuiImageButton>();
    registry.add<TsuiArrowButton>();
    registry.add<TsuiControlButton>();
    registry.add<TsuiToolBarSpeedButton>();
    registry.add<TsuiCheckBox>();
    registry.add<TsuiRadioButton>();
}
