#include "frmSwitch.h"
#include "ContextStore.h"
#include "GridTextModel.h"
#include "MainCaption.h"
#include "frmMain.h"
#include "mdlVelmora.h"
#include <QTableView>

namespace {
const int kDesignedRows = 9;
}

frmSwitch::frmSwitch(QWidget *parent) : SwitchWindow(QStringLiteral("frmSwitch"), QStringLiteral("Change Unit"), parent)
{
    units = new GridTextModel(this);
    units->setHeadings({QString(), QString(), QString()});
    units->clear(kDesignedRows);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    setUpGrid(units, {{0, 2450, 0}, kDesignedRows, QColor(255, 128, 192), font, 20});
    Form_Load();
}

void frmSwitch::Form_Load()
{
    readList([this] {
        QList<QStringList> rows;
        for (const UnitRow &u : ContextStore(gConnection).unitsOfUser(gUserId))
            rows.append({u.code, u.name, QString()});
        units->reset(rows, kDesignedRows);
    });
    // The first unit of the list is current, whichever unit is in use.
    GrUnit->setCurrentIndex(units->index(0, 1));
}

void frmSwitch::CmSwitch_Click()
{
    const int row = currentRow();
    const QString code = units->text(row, 0);
    if (code.isEmpty())
        return;
    if (MsgBox(QStringLiteral("Do you want to change the unit... "), MsgButtons::OkCancel, MsgIcon::Information)
        != MsgAnswer::Ok)
        return;
    gUnitCode = code;
    gUnitName = units->text(row, 1);
    refreshMainWindowTexts(CaptionEvent::UnitSwitch);
    if (gUnitCode != kFixedAssetUnit)
        if (frmMain *m = frmMain::instance())
            m->disableFixedAssetMenus();
    unload();
}
