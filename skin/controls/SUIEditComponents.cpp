#include "skin/controls/SUIEditComponents.h"

#include "framework/ComponentRegistry.h"
#include "skin/controls/SUIEdit.h"
#include "skin/controls/SUIMaskEdit.h"
#include "skin/controls/SUINumberEdit.h"
#include "skin/controls/SUISpinButtons.h"
#include "skin/controls/SUISpinEdit.h"
#include "skin/controls/SUIToolBar.h"

void RegisterSUIEditComponents()
{
    ComponentRegistry& registry = ComponentRegistry::instance();
    registry.add<TsuiEdit>();
    registry.add<TsuiMaskEdit>();
    registry.add<TsuiNumberEdit>();
    registry.add<TsuiSpinEdit>();
    registry.add<TsuiSpinButtons>();
    registry.add<TsuiToolBar>();
}
