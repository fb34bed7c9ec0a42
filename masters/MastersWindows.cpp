#include "MastersWindows.h"
#include "CodeNameMasters.h"
#include "ItemMasterWindow.h"
#include <QMdiArea> // WindowRegistry.h needs the complete type
#include "WindowRegistry.h"

void registerMastersWindows()
{
    WindowRegistry &registry = WindowRegistry::instance();
    for (const CodeNameMasterConfig &c : codeNameMasterConfigs())
        registry.registerWindow(c.windowName, [c] { return new CodeNameMasterWindow(c); });
    for (const ItemMasterKind &k : itemMasterKinds())
        registry.registerWindow(k.windowName, [k] { return new ItemMasterWindow(k); });
}
