#include "skin/SkinComponents.h"

#include "skin/controls/SUIBarComponents.h"
#include "skin/controls/SUIButtonComponents.h"
#include "skin/controls/SUIEditComponents.h"
#include "skin/controls/SUIPanelComponents.h"
#include "skin/styles/Suimgr.h"
#include "skin/windows/SUIForm.h"
#include "skin/windows/SUIMainMenu.h"

void RegisterSkinComponents()
{
    RegisterSuiFormComponents();
    RegisterSuiMenuComponents();
    RegisterSUIButtonComponents();
    RegisterSUIPanelComponents();
    RegisterSUIBarComponents();
    RegisterSUIEditComponents();
    RegisterSuimgrComponents();
}
