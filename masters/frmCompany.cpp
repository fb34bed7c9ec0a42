#include "frmCompany.h"
#include "CompanyStore.h"
#include "mdlVelmora.h"

ListWindowConfig companyListConfig()
{
    ListWindowConfig c;
    c.windowName = QStringLiteral("frmCompany");
    c.caption = QStringLiteral("Company Details List");
    c.clientArea = QSize(11550, 6675);
    c.sheetSize = QSize(11535, 5055);
    const struct {
        const char *heading;
        int width;
        const char *field;
    } columns[] = {
        {"Code", 3000, "comp_code"},
        {"Company Name", 9000, "comp_name"},
        {"Address", 5500, "comp_address"},
        {"Address 1", 5500, "comp_address1"},
        {"Address 2", 5500, "comp_address2"},
        {"Address 3", 5500, "comp_address3"},
        {"Phone", 5500, "comp_phone"},
        {"Fax", 5500, "comp_fax"},
        {"TIN", 5500, "comp_tin"},
        {"VAT", 5500, "comp_vat"},
        {"E-Mail", 5500, "comp_email"},
    };
    for (const auto &col : columns) {
        ListColumn lc;
        lc.heading = QString::fromLatin1(col.heading);
        lc.width = col.width;
        lc.field = QString::fromLatin1(col.field);
        c.columns << lc;
    }
    c.keyColumn = 1;
    c.entryWindow = QStringLiteral("frmCompanyMaster");
    // The year's database as it stands at each fill.
    c.query = [] { return CompanyStore(gConnection, gInvDbName).list(); };
    return c;
}

frmCompany::frmCompany(QWidget *parent) : ListWindow(companyListConfig(), parent) {}
