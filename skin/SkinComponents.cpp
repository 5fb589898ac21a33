#include "skin/SkinComponents.h"

#include "skin/controls/SUIBarComponents.h"
#include "skin/controls/SUIButtonComponents.h"
#include "skin/controls/SUIEditComponents.h"
#include "skin/controls/SUIPanelComponents.h"
#include "skin/styles/Suimgr.h"
#include "skin/windows/SUIForm.h"
#include "skin/windows/SUIMDIForm.h"
#include "skin/windows/SUIMainMenu.h"

void RegisterSkinComponents()
{
    RegisterSuiFormComponents();
    RegisterSuiMDIFormComponents();
    RegisterSuiMenuComponents();
    RegisterSUIButtonComponents();
    RegisterSUIPanelComponents();
    RegisterSUIBarComponents();
    RegisterSUIEditComponents();
    RegisterSuimgrComponents();
}
