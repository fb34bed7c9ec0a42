#include "frmFinancialYear.h"
#include "ContextStore.h"
#include "MainCaption.h"
#include "PickGrid.h"
#include "mdlVelmora.h"
#include <algorithm>
#include <QPalette>
#include <QTableView>

namespace {
const int kDesignedRows = 12;
}

frmFinancialYear::frmFinancialYear(QWidget *parent)
    : SwitchWindow(QStringLiteral("frmFinancialYear"), QStringLiteral(" Financial Year"), parent)
{
    years = new MarkedGridModel(1, palette().brush(QPalette::Highlight), this);
    years->setHeadings({QString(), QString(), QString(), QString(), QString()});
    years->clear(kDesignedRows);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(12);
    font.setBold(true);
    setUpGrid(years, {{0, 2800, 0, 0, 0}, kDesignedRows, QColor(255, 187, 221), font, 24});
    Form_Load();
}

void frmFinancialYear::Form_Load()
{
    QSet<int> defaults;
    readList([&] {
        QList<QStringList> rows;
        for (const InvYearRow &y : ContextStore(gConnection).allInvYears()) {
            // Marked is the default year as start-up takes it: a value of 1.
            if (y.defaultText == u"1")
                defaults.insert(int(rows.size()));
            rows.append({y.unitCode, y.period, dateText(y.fromDate), dateText(y.toDate), y.defaultText});
        }
        years->reset(rows, kDesignedRows);
        m_yearRows = int(rows.size());
    });
    // The default year, not the one in use, is marked and current; of
    // several default rows each is marked and the last becomes current.
    years->setMarkedRows(defaults);
    const int current = defaults.isEmpty() ? 0 : *std::max_element(defaults.begin(), defaults.end());
    GrUnit->setCurrentIndex(years->index(current, 1));
}

void frmFinancialYear::CmSwitch_Click()
{
    const int row = currentRow();
    // A row below the last year does nothing; a year row without its unit is
    // a broken row, and says so rather than doing nothing.
    if (row >= m_yearRows)
        return;
    if (years->text(row, 0).trimmed().isEmpty()) {
        refuse(years->text(row, 1), QStringLiteral("has no unit in the year list"));
        return;
    }
    if (MsgBox(QStringLiteral("Do you want to change the Financial Year to ") + u'\n' + QString(13, u' ')
                   + years->text(row, 1),
               MsgButtons::OkCancel, MsgIcon::Information)
        != MsgAnswer::Ok)
        return;
    const QDate from = dateFromText(years->text(row, 2));
    const QDate to = dateFromText(years->text(row, 3));

    // Everything is read and checked before any value changes, so that a
    // failure leaves the working year as it was.
    QString period = gInvPeriod;
    DbName invDb = gInvDbName;
    bool invDefault = gInvDefault;
    DbName acDb = gAcDbName;
    DbName selectedDb = gSelectedDbName;
    bool found = false;
    bool dbMissing = false;
    QString dbText;
    const bool read = guarded([&] {
        ContextStore store(gConnection);
        for (const InvYearRow &y : store.invYearsByDates(from, to)) {
            found = true;
            period = y.period;
            invDb = DbName::isValid(y.dbName) ? DbName(y.dbName) : DbName();
            invDefault = y.isDefault;
            acDb = DbName::isValid(y.acDbName) ? DbName(y.acDbName) : DbName();
            selectedDb = invDb;
            dbText = y.dbName;
            dbMissing = invDb.isEmpty() || !store.databaseExists(invDb.str());
        }
    });
    if (!read)
        return;
    // Every window of a year without its stores database would fail; the
    // clerk learns it here and keeps working in the current year.
    if (!found) {
        refuse(years->text(row, 1), QStringLiteral("is no longer in the year list"));
        return;
    }
    if (dbMissing) {
        refuse(period, QStringLiteral("has no stores database \"%1\" on the server").arg(dbText));
        return;
    }
    gFromDate = from;
    gToDate = to;
    gInvPeriod = period;
    gInvDbName = invDb;
    gInvDefault = invDefault;
    gAcDbName = acDb;
    gSelectedDbName = selectedDb;

    refreshMainWindowTexts(CaptionEvent::YearSwitch);
    unload();
}

void frmFinancialYear::refuse(const QString &period, const QString &why)
{
    MsgBox(QStringLiteral("The financial year %1 %2.   ").arg(period.trimmed(), why) + u'\n'
               + QStringLiteral("The financial year is not changed.   "),
           MsgButtons::Ok, MsgIcon::Information);
}
