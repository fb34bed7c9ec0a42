#include "frmUserGroups.h"
#include "UserGroupStore.h"
#include "mdlVelmora.h"

CodeNameMasterConfig frmUserGroupsConfig()
{
    CodeNameMasterConfig c;
    c.windowName = QStringLiteral("frmUserGroups");
    c.caption = QStringLiteral("User Groups");
    c.title = QStringLiteral("User Groups");
    c.gridName = QStringLiteral("GrUser");
    c.nameHeading = QStringLiteral("User Group");
    c.seriesKey = [] { return QStringLiteral("GRP_") + gUnitCode; };
    c.emptyNameMessage = QStringLiteral("Please enter the group name.   ");
    c.duplicateNewMessage = QStringLiteral("The Same user group already exists for this unit.   ");
    c.duplicateRenameMessage = QStringLiteral("User Group already exists for this unit.   ");
    // Only the name shows: the code column stays hidden.
    c.gridColumns = {{QStringLiteral("Code"), 0}, {QStringLiteral("User Group"), 6125}};
    c.clientArea = QSize(6540, 6000);
    c.colouredHeading = false;
    c.tabOrder = {QStringLiteral("TxCode"),  QStringLiteral("TxName"), QStringLiteral("CmNew"),
                  QStringLiteral("GrUser"),  QStringLiteral("CmEdit"), QStringLiteral("CmClose"),
                  QStringLiteral("CmCancel")};
    c.store = [] { return std::make_unique<UserGroupStore>(); };
    return c;
}

CodeNameMasterWindow *newUserGroupsWindow(QWidget *parent)
{
    return new CodeNameMasterWindow(frmUserGroupsConfig(), parent);
}
