#include "skin/styles/Suimgr.h"

#include "framework/ComponentRegistry.h"

void RegisterSuimgrComponents()
{
    ComponentRegistry& registry = ComponentRegistry::instance();
    registry.add<TsuiFileTheme>();
    registry.add<TsuiBuiltInFileTheme>();
    registry.add<TsuiThemeManager>();
}

namespace {
const bool registered = [] {
    RegisterSuimgrComponents();
    return true;
}();
} // namespace
