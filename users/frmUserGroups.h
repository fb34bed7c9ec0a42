#pragma once
#include "CodeNameMasterWindow.h"

// The user groups window: the code/name master on the central user groups,
// with codes from the series "GRP_" + the current unit.
CodeNameMasterConfig frmUserGroupsConfig();
CodeNameMasterWindow *newUserGroupsWindow(QWidget *parent = nullptr);
