#include "frmConsumption.h"
#include "ConsumptionStore.h"
#include "Desktop.h"
#include "Sheet.h"
#include "mdlVelmora.h"
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kCodeColumn = 1;
constexpr int kReelColumn = 3;
constexpr int kAmountColumn = 6;
constexpr int kTransIdColumn = 8;
const QString kListFont = QStringLiteral("ARIAL");
// The user who may cancel bookings besides the administrator.
const QString kCancelUserId = QStringLiteral("608");

ConsumptionStore consumptionStore()
{
    return ConsumptionStore(gConnection, {gInvDbName, gAcDbName, gCompCode, gUnitCode, userIdNumber()});
}

ListColumn column(const char *heading, int width, std::function<QString(const RecordSet &, int)> value)
{
    ListColumn c;
    c.heading = QString::fromLatin1(heading);
    c.width = width;
    c.value = std::move(value);
    return c;
}

// Every cell is text, numbers already in their shown form.
std::function<QString(const RecordSet &, int)> text(const char *field)
{
    const QString name = QString::fromLatin1(field);
    return [name](const RecordSet &r, int) { return r.text(name); };
}

std::function<QString(const RecordSet &, int)> number(const char *field, int decimals)
{
    const QString name = QString::fromLatin1(field);
    return [name, decimals](const RecordSet &r, int) { return r.decimal(name).toText(decimals); };
}

ListWindowConfig consumptionListConfig()
{
    ListWindowConfig c;
    c.windowName = QStringLiteral("frmConsumption");
    c.caption = QStringLiteral("Consumption Details");
    c.entryWindow = QStringLiteral("frmConsumptionMaster");
    c.keyColumn = kCodeColumn;
    ListColumn amount = column("Amount", 3500, number("cons_amt", 2));
    amount.alignRight = true;
    c.columns = {
        column("Code", 3900, text("cons_no")),
        column("Date", 3000,
               [](const RecordSet &r, int) {
                   const QDate d = r.date(QStringLiteral("cons_date"));
                   return d.isValid() ? dateText(d) : QString();
               }),
        column("Material Name", 10800, text("cons_reel_no")),
        column("Quantity", 2500, number("cons_qty", 3)),
        column("Rate", 2500, number("cons_rate", 2)),
        amount,
        column("Product", 1500, text("cons_pdt_code")),
        column("Invoice No", 0, text("cons_inv_no")),
    };
    return c;
}
} // namespace

frmConsumption::frmConsumption(QWidget *parent) : ListWindow(consumptionListConfig(), parent)
{
    auto dateBox = [this](const char *name) {
        auto *d = new QDateEdit(today(), this);
        d->setObjectName(QString::fromLatin1(name));
        d->setLocale(QLocale::c());
        d->setDisplayFormat(QStringLiteral("dd-MMM-yyyy"));
        d->setCalendarPopup(true);
        return d;
    };
    m_dtFrom = dateBox("DtFrom");
    m_dtTo = dateBox("DtTo");
    auto *lbFrom = new QLabel(QStringLiteral("From"), this);
    lbFrom->setBuddy(m_dtFrom);
    auto *lbTo = new QLabel(QStringLiteral("To"), this);
    lbTo->setBuddy(m_dtTo);
    filterBar()->addWidget(lbFrom);
    filterBar()->addWidget(m_dtFrom);
    filterBar()->addWidget(lbTo);
    filterBar()->addWidget(m_dtTo);
    filterBar()->addStretch(1);
    // Enter in the first date moves to the second; nowhere else does it fill.
    enterMovesFocus(m_dtFrom, m_dtTo, Qt::OtherFocusReason);

    // The search row sits between the sheet and the buttons.
    auto *searchRow = new QHBoxLayout;
    auto *lbSearch = new QLabel(QStringLiteral("Search"), this);
    m_txSearch = new QLineEdit(this);
    m_txSearch->setObjectName(QStringLiteral("TxSearch"));
    lbSearch->setBuddy(m_txSearch);
    m_cmSearch = new QPushButton(QStringLiteral("Search"), this);
    m_cmSearch->setObjectName(QStringLiteral("CmSearch"));
    searchRow->addWidget(lbSearch);
    searchRow->addWidget(m_txSearch, 1);
    searchRow->addWidget(m_cmSearch);
    auto *outer = static_cast<QVBoxLayout *>(layout());
    outer->insertLayout(outer->count() - 1, searchRow);
    connect(m_cmSearch, &QPushButton::clicked, this, &frmConsumption::CmSearch_Click);

    // The kit's Delete button cancels a booking here.
    if (auto *cmDelete = findChild<QPushButton *>(QStringLiteral("Command2"))) {
        cmDelete->setObjectName(QStringLiteral("CmDelete"));
        connect(cmDelete, &QPushButton::clicked, this, &frmConsumption::CmDelete_Click);
    }
    takeKeysFirst({Qt::Key_F2, Qt::Key_F5, Qt::Key_F9, Qt::Key_Escape});
}

bool frmConsumption::mayCancel(const QString &userId)
{
    return userId == kAdminUserId || userId == kCancelUserId;
}

RecordSet frmConsumption::runQuery()
{
    return consumptionStore().list(m_dtFrom->date(), m_dtTo->date(), m_txSearch->text());
}

void frmConsumption::FillList()
{
    guarded([&] {
        RecordSet records = runQuery();
        Sheet &s = *sheet();
        const int written = fillSheet(s, records, config().columns);
        Decimal total;
        for (int row = 2; row <= written + 1; ++row)
            total += s.CellNumber(row, kAmountColumn);
        // One row left empty below the data, even when there is none.
        const int totalRow = written + 3;
        s.setCellText(totalRow, kCodeColumn, QStringLiteral("Total"));
        s.setCellText(totalRow, kAmountColumn, total.toText(2));
        s.SelectCells(totalRow, 1, totalRow, s.ColumnCount());
        s.SetSelectionFont(kListFont, 8, true, false, false, false, 0, false, false);
        s.SelectCells(totalRow, kAmountColumn, totalRow, kAmountColumn);
        s.SetSelectionAlignment(CellFormat::AlignRight, false, CellFormat::AlignMiddle, 0);
        m_dataRows = written;
    });
}

void frmConsumption::CmSearch_Click()
{
    // Nothing while other sheet work runs or the hourglass shows.
    runGuarded([this] { FillList(); });
}

void frmConsumption::CmDelete_Click()
{
    if (!mayCancel(gUserId)) {
        MsgBox(QStringLiteral("You Are Not Allowed to Perform This Task.   "), MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    // Only a booking's own row: the heading, the total and empty rows name none.
    const Sheet &s = *sheet();
    const int row = s.ActiveRow();
    const QString code = s.CellText(row, kCodeColumn);
    if (row < 2 || row > m_dataRows + 1 || code.isEmpty()) {
        MsgBox(QStringLiteral("Please Select the Consumption to Cancel.   "), MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    const QString reel = s.CellText(row, kReelColumn);
    const QString transId = s.CellText(row, kTransIdColumn);
    if (MsgBox(QStringLiteral("Are you sure you want to Cancel the Consumption"), MsgButtons::YesNo,
               MsgIcon::Information)
        == MsgAnswer::Yes) {
        bool cancelled = false;
        if (guarded([&] { cancelled = consumptionStore().cancel(code, reel, transId); })) {
            if (cancelled)
                MsgBox(QStringLiteral("Consumption Cancelled"), MsgButtons::Ok, MsgIcon::Information);
            else
                MsgBox(QStringLiteral("This Consumption Is Already Cancelled.   "), MsgButtons::Ok,
                       MsgIcon::Information);
        }
    }
    FillList();
}
