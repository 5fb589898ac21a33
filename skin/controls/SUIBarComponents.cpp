#include "skin/controls/SUIBarComponents.h"

#include "framework/ComponentRegistry.h"
#include "skin/controls/SUIScrollBar.h"
#include "skin/controls/SUIScrollTrackBar.h"
#include "skin/controls/SUITrackBar.h"
#include "skin/controls/Suiprogressbar.h"

void RegisterSUIBarComponents()
{
    ComponentRegistry& registry = ComponentRegistry::instance();
    registry.add<TsuiProgressBar>();
    registry.add<TsuiTrackBar>();
    registry.add<TsuiScrollTrackBar>();
    registry.add<TsuiScrollBar>();
}
