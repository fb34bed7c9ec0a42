#pragma once
#include "CodeNameMasterWindow.h"
#include <QList>

// The code/name masters of the stores database (GSM grades, reel types,
// measurements) and the brand masters of the three groups, by window name.
QList<CodeNameMasterConfig> codeNameMasterConfigs();
// The configuration of one of them; an empty windowName when there is none.
CodeNameMasterConfig codeNameMasterConfig(const QString &windowName);
