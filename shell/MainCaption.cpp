#include "MainCaption.h"
#include "frmMain.h"
#include "mdlVelmora.h"

namespace {
const QString kProduct = QStringLiteral("Quillbase Inventory");
const QString kLocalServer = QStringLiteral("127.0.0.1");

QString yearPart(const CaptionValues &v)
{
    return QStringLiteral("     [Financial Year ") + dateText(v.fromDate) + QStringLiteral(" - ") + dateText(v.toDate)
        + u']';
}
} // namespace

MainTexts mainWindowTexts(CaptionEvent event, const CaptionValues &v)
{
    MainTexts t;
    t.panel = kProduct + QStringLiteral("  ") + v.compName + QStringLiteral("    ") + v.unitName
        + QStringLiteral("  [User : ") + v.userName + QStringLiteral(" ]") + yearPart(v);
    const bool local = v.serverIp == kLocalServer;
    switch (event) {
    case CaptionEvent::MainLoad:
        t.caption = (local ? kProduct + QStringLiteral("   [Local]  ") : kProduct + QStringLiteral("     "))
            + v.compName + QStringLiteral("    ") + v.unitName + QStringLiteral("            [User : ") + v.userName
            + QStringLiteral(" ]") + yearPart(v);
        break;
    case CaptionEvent::CompanyChoice:
        if (v.userType)
            t.caption = kProduct + QStringLiteral("     ") + v.compName + QStringLiteral("  ") + v.unitName
                + QString(47, u' ') + QStringLiteral("*[Current User : ") + v.userName + QStringLiteral(" ]*");
        else if (!local)
            t.caption = kProduct + QStringLiteral("    ") + v.compName + QStringLiteral("  ") + v.unitName;
        else
            t.caption = kProduct + QStringLiteral("   [Local]  ") + v.compName + QStringLiteral("  ") + v.unitName;
        break;
    case CaptionEvent::UnitSwitch:
        t.caption = kProduct + QStringLiteral("    ") + v.compName + QStringLiteral("    ") + v.unitName;
        t.caption += v.userType ? QStringLiteral(" * [Current User : ") + v.userName + QStringLiteral(" ] * ")
                                : QStringLiteral(" ");
        break;
    case CaptionEvent::YearSwitch:
        t.caption = kProduct + QStringLiteral("    ") + v.compName + QStringLiteral("    ") + v.unitName
            + QStringLiteral("            [User : ") + v.userName + QStringLiteral(" ]") + yearPart(v);
        break;
    }
    return t;
}

CaptionValues currentCaptionValues()
{
    CaptionValues v;
    v.serverIp = gServerIp;
    v.userType = gUserType;
    v.compName = gCompName;
    v.unitName = gUnitName;
    v.userName = gUserName;
    v.fromDate = gFromDate;
    v.toDate = gToDate;
    return v;
}

void refreshMainWindowTexts(CaptionEvent event)
{
    if (frmMain *m = frmMain::instance()) {
        const MainTexts t = mainWindowTexts(event, currentCaptionValues());
        m->setCaptionText(t.caption);
        m->setStatusPanel1(t.panel);
    }
}
