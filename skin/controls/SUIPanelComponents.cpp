#include "skin/controls/SUIPanelComponents.h"

#include "framework/ComponentRegistry.h"
#include "skin/controls/SUICheckGroup.h"
#include "skin/controls/SUIGroupBox.h"
#include "skin/controls/SUIImagePanel.h"
#include "skin/controls/SUIPanel.h"
#include "skin/controls/SUIRadioGroup.h"

void RegisterSUIPanelComponents()
{
    ComponentRegistry& registry = ComponentRegistry::instance();
    registry.add<TsuiImagePanel>();
    registry.add<TsuiPanel>();
    registry.add<TsuiGroupBox>();
    registry.add<TsuiCheckGroup>();
    registry.add<TsuiRadioGroup>();
}
