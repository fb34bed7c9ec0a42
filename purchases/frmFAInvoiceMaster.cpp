#include "frmFAInvoiceMaster.h"
#include "AssetGrid.h"
#include "BillYears.h"
#include "Desktop.h"
#include "RoundOff.h"
#include "Ui.h"
#include "mdlVelmora.h"
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea> // WindowRegistry.h reads the area inline
#include <QPushButton>
#include "WindowRegistry.h"

using namespace InvoiceKit;

namespace {

using Kind = InvoiceBox::Kind;
using Reset = InvoiceBox::Reset;

const QString kFillDetails = QStringLiteral("Please Fill the Details Properly.   ");

// The stores databases whose payments count for a bill held in `storesDb`.
QList<DbName> paymentYears(const DbName &storesDb)
{
    QList<DbName> years;
    for (const BillYear &y : billYearsFor(storesDb))
        years << y.stores;
    return years;
}

} // namespace

InvoiceWindowConfig faInvoiceMasterConfig()
{
    InvoiceWindowConfig c;
    c.caption = QStringLiteral("Fixed Assets Invoice");

    InvoiceBox serial = place("LbSerialNo", "Transaction ID", Kind::Label, 0, 0);
    serial.input = false;
    InvoiceBox po = place("TxPO", "P.O No", Kind::Text, 0, 1);
    po.selectOnEntry = true;
    po.onNew = Reset::Empty;
    InvoiceBox invoiceNo = place("TxInvoiceNo", "Invoice No", Kind::Text, 1, 0);
    invoiceNo.selectOnEntry = true;
    invoiceNo.onNew = Reset::Empty;
    InvoiceBox supplier = place("TxSuppCode", "Supplier", Kind::Lookup, 2, 0);
    supplier.selectOnEntry = true;
    supplier.onNew = Reset::Empty;
    InvoiceBox supplierName = place("TxSuppName", "", Kind::Name, 2, 1, 2);
    supplierName.stretch = true;
    c.boxes << serial << po << place("DtInvoice", "Invoice Date", Kind::Date, 0, 2) << invoiceNo
            << place("DtPO", "P.O Date", Kind::Date, 1, 1) << place("DtReceipt", "Receipt Date", Kind::Date, 1, 2)
            << supplier << supplierName;

    InvoiceBox narration = place("TxNarration", "Narration", Kind::Text, 0, 0, 4);
    narration.footer = true;
    InvoiceBox freight = amount("TxFreight", "Service Chg", 1, 0);
    InvoiceBox vat = amount("TxVat", "CGST", 1, 1);
    InvoiceBox plus = amount("TxRoundOffPlus", "Round Off +", 1, 2);
    InvoiceBox total = amount("TxTotal", "Gross Amt ", 1, 3);
    total.numeric.reset();
    InvoiceBox preparedBy = place("TxPreparedBy", "Prepared By", Kind::Name, 2, 0);
    preparedBy.footer = true;
    preparedBy.input = false;
    InvoiceBox cess = amount("TxCess", "SGST", 2, 1);
    InvoiceBox minus = amount("TxRoundOffMinus", "Round Off -", 2, 2);
    InvoiceBox grand = amount("TxGrandTotal", "Grand Total", 2, 3);
    for (InvoiceBox *b : {&freight, &vat, &cess, &plus})
        b->selectOnEntry = true;
    for (InvoiceBox *b : {&freight, &vat, &cess, &grand})
        b->zeroOnLoad = true;
    for (InvoiceBox *b : {&freight, &vat, &cess, &plus, &minus})
        b->totalsOnChange = true;
    c.boxes << narration << freight << vat << plus << total << preparedBy << cess << minus << grand;

    c.lookups << InvoiceLookup{name("TxSuppCode"), name("TxSuppName"), {}, [](const QString &typed) {
                                   return Lookup::scheme(FAInvoiceStore::current().supplierLookup(typed));
                               }};

    using R = InvoiceEnter::Refuse;
    c.enterChain = {
        enter("TxInvoiceNo", name("TxPO"), R::WhenEmpty, "Please Enter the Invoice Number.    "),
        enter("TxPO", name("DtPO")),
        enter("DtPO", name("DtInvoice")),
        enter("DtInvoice", name("DtReceipt")),
        enter("DtReceipt", name("TxSuppCode")),
        enter("TxSuppCode", InvoiceWindowConfig::kGrid, R::WhenEmpty, "Please Select The Supplier Name.   "),
        enter("TxFreight", name("TxVat")),
        enter("TxVat", name("TxCess")),
        enter("TxCess", name("TxRoundOffPlus")),
        enter("TxRoundOffPlus", name("TxRoundOffMinus")),
        enter("TxRoundOffMinus", name("CmNew")),
    };
    c.leaveGridTo = name("TxFreight");

    using T = InvoiceCheck::Test;
    c.saveChecks = {
        {name("TxInvoiceNo"), T::Empty, QStringLiteral("Please Enter a Invoice Number.   "), name("TxInvoiceNo"), {}},
        {name("TxPO"), T::EmptyTrimmed, QStringLiteral("Please Enter the Purchase Order Number.   "), name("TxPO"), {}},
        {name("TxSuppName"), T::Empty, QStringLiteral("Please Select the Supplier.   "), name("TxSuppCode"), {}},
        {InvoiceWindowConfig::kGrid, T::Lines, kFillDetails, InvoiceWindowConfig::kGrid, {}},
        {name("TxGrandTotal"), T::Zero, kFillDetails, InvoiceWindowConfig::kGrid, {}},
    };
    RoundOff::guard(c, name("TxRoundOffPlus"), name("TxRoundOffMinus"));

    c.grid = AssetGrid::config(gridLookup(&AssetGrid::itemLookup), gridLookup(&AssetGrid::brandLookup), {});
    c.finalizedText = QStringLiteral("Finalized");
    c.finalizeRule = ButtonRule::Untouched;
    c.barItems = {{name("CmChqReceived"), QStringLiteral("Cheque Received"), false, ButtonRule::Untouched},
                  {name("CmChqDetails"), QStringLiteral("Cheque Details"), false, ButtonRule::Untouched},
                  {name("LbChq"), QString(), true, ButtonRule::Untouched}};
    return c;
}

frmFAInvoiceMaster::frmFAInvoiceMaster(QWidget *parent) : InvoiceEntryWindow(faInvoiceMasterConfig(), parent)
{
    setObjectName(QStringLiteral("frmFAInvoiceMaster"));
    LbSerialNo = label(name("LbSerialNo"));
    TxInvoiceNo = box(name("TxInvoiceNo"));
    TxPO = box(name("TxPO"));
    DtPO = date(name("DtPO"));
    DtInvoice = date(name("DtInvoice"));
    DtReceipt = date(name("DtReceipt"));
    TxSuppCode = lookupBox(name("TxSuppCode"));
    TxSuppName = box(name("TxSuppName"));
    TxNarration = box(name("TxNarration"));
    TxFreight = box(name("TxFreight"));
    TxVat = box(name("TxVat"));
    TxCess = box(name("TxCess"));
    TxRoundOffPlus = box(name("TxRoundOffPlus"));
    TxRoundOffMinus = box(name("TxRoundOffMinus"));
    TxTotal = box(name("TxTotal"));
    TxGrandTotal = box(name("TxGrandTotal"));
    TxPreparedBy = box(name("TxPreparedBy"));
    CmChqReceived = barButton(name("CmChqReceived"));
    CmChqDetails = barButton(name("CmChqDetails"));
    LbChq = barLabel(name("LbChq"));
    connect(CmChqReceived, &QPushButton::clicked, this, &frmFAInvoiceMaster::CmChqReceived_Click);
    connect(CmChqDetails, &QPushButton::clicked, this, &frmFAInvoiceMaster::CmChqDetails_Click);
    // The warranty picker starts a year after the invoice date, whatever the cell holds.
    GrInvoice->setDateInitial([this] { return DtInvoice->date().addMonths(12); });
    // Only a stored bill whose payments add up can have its cheque marked.
    CmChqReceived->setEnabled(false);
    // Boxes and description cells hold what their columns hold.
    limitBoxes([this] {
        const FAInvoiceStore::BoxLengths lengths = FAInvoiceStore::current().boxLengths();
        GrInvoice->setMaxLength(AssetGrid::Description, lengths.description);
        return lengths.boxes;
    });
    formLoad();
}

QString frmFAInvoiceMaster::yearLockMessage()
{
    return QStringLiteral("You Are Not Allowed to Modify the Data of this Financial Year.   ");
}

bool frmFAInvoiceMaster::commandsAllowed()
{
    if (gInvDefault)
        return true;
    MsgBox(yearLockMessage(), MsgButtons::Ok, MsgIcon::Critical);
    return false;
}

bool frmFAInvoiceMaster::prepareSave()
{
    // Gross and grand total are worked out, never typed: what is saved is the
    // sum of the lines and amounts on view. A round-off above its limit stays
    // out of them; Save refuses it.
    return !boxesWithinLimits() || recalculate();
}

void frmFAInvoiceMaster::CalculateTotals()
{
    AssetGrid::CalculateTotals(*GrInvoice,
                               {TxTotal, TxGrandTotal, TxFreight, TxRoundOffPlus, TxRoundOffMinus, TxCess, TxVat});
}

QString frmFAInvoiceMaster::nextTransactionId()
{
    return GetNextNumber(FAInvoiceStore::seriesKey(gCompCode, gUnitCode));
}

void frmFAInvoiceMaster::newStarted()
{
    InvoiceEntryWindow::newStarted();
    TxPreparedBy->setText(gUserName);
    CmFinalize->setEnabled(false);
    CmChqReceived->setEnabled(false);
    LbChq->clear();
}

FABill frmFAInvoiceMaster::shownBill() const
{
    FABill b;
    b.code = transactionId();
    b.invoiceNo = TxInvoiceNo->text();
    b.po = TxPO->text();
    b.poDate = DtPO->date();
    b.invoiceDate = DtInvoice->date();
    b.receiptDate = DtReceipt->date();
    b.suppCode = TxSuppCode->text();
    b.narration = TxNarration->text();
    b.freight = number(TxFreight);
    b.vat = number(TxVat);
    b.cess = number(TxCess);
    b.total = number(TxTotal);
    b.roundPlus = number(TxRoundOffPlus);
    b.roundMinus = number(TxRoundOffMinus);
    b.grandTotal = number(TxGrandTotal);
    const ItemGrid &g = *GrInvoice;
    const int lines = g.lineCount();
    for (int r = 1; r <= lines; ++r) {
        FABillLine l;
        l.slNo = r;
        l.itemName = g.cell(r, AssetGrid::ItemName);
        l.itemCode = g.cell(r, AssetGrid::ItemCode);
        l.brandName = g.cell(r, AssetGrid::Brand);
        l.brandCode = g.cell(r, AssetGrid::BrandCode);
        l.narration = g.cell(r, AssetGrid::Description);
        l.warranty = dateFromText(g.cell(r, AssetGrid::Warranty));
        l.qty = Decimal::fromText(g.cell(r, AssetGrid::Qty));
        l.rate = Decimal::fromText(g.cell(r, AssetGrid::Rate));
        l.amount = Decimal::fromText(g.cell(r, AssetGrid::Amount));
        b.lines << l;
    }
    return b;
}

bool frmFAInvoiceMaster::SaveNew()
{
    FABill bill = shownBill();
    FAInvoiceStore::Saved result = FAInvoiceStore::Saved::NoSuchBill;
    if (!guarded([&] { result = FAInvoiceStore::current().saveNew(bill); }))
        return false;
    if (result == FAInvoiceStore::Saved::DuplicateNumber) {
        MsgBox(QStringLiteral("The Same Invoice Number Already Exists.   "), MsgButtons::Ok, MsgIcon::Information);
        TxInvoiceNo->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (result == FAInvoiceStore::Saved::TooLong)
        return refuseTextTooLong();
    if (result == FAInvoiceStore::Saved::Refused) {
        MsgBox(kFillDetails, MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
    LbSerialNo->setText(bill.code);
    setShownRecord(ShownRecord{bill.code, gInvDbName, gAcDbName, gUnitCode, gCompCode});
    return true;
}

bool frmFAInvoiceMaster::SaveEdit()
{
    const std::optional<ShownRecord> shown = shownHereOrRefuse();
    if (!shown)
        return false;
    FABill bill = shownBill();
    bill.code = shown->code;
    FAInvoiceStore::Saved result = FAInvoiceStore::Saved::NoSuchBill;
    if (!guarded([&] { result = FAInvoiceStore::current().saveEdit(bill); }))
        return false;
    if (result == FAInvoiceStore::Saved::Finalized) {
        MsgBox(QStringLiteral("You Cannot Edit Finalized Invoice.   "), MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
    if (result == FAInvoiceStore::Saved::TooLong)
        return refuseTextTooLong();
    if (result == FAInvoiceStore::Saved::Refused) {
        MsgBox(kFillDetails, MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
    if (result != FAInvoiceStore::Saved::Saved) {
        MsgBox(notStoredMessage(), MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
    return true;
}

void frmFAInvoiceMaster::saved(bool wasEdit)
{
    if (!wasEdit)
        CmFinalize->setEnabled(true);
}

void frmFAInvoiceMaster::LoadRecord(const QString &transId)
{
    loadRecordFrom(transId, gInvDbName);
}

void frmFAInvoiceMaster::loadRecordFrom(const QString &code, const DbName &storesDb)
{
    const DbName stores = storesDb.isEmpty() ? gInvDbName : storesDb;
    std::optional<FABill> bill;
    if (!guarded([&] { bill = FAInvoiceStore::current().loadRecord(code, stores, paymentYears(stores)); }))
        return;
    if (!bill) {
        // Nothing of another bill may stay on view or acted on.
        setShownRecord(std::nullopt);
        clearShown();
        CmFinalize->setEnabled(true);
        CmChqReceived->setEnabled(false);
        return;
    }
    const DbName accounts = stores == gInvDbName || gPrevAcDbName.isEmpty() ? gAcDbName : gPrevAcDbName;
    setShownRecord(ShownRecord{bill->code, stores, accounts, bill->unitCode, bill->compCode});
    showBill(*bill);
}

void frmFAInvoiceMaster::showBill(const FABill &bill)
{
    LbSerialNo->setText(bill.code);
    TxInvoiceNo->setText(bill.invoiceNo);
    TxSuppCode->setChoice(bill.suppCode, bill.suppCode);
    TxSuppName->setText(bill.suppName);
    TxPO->setText(bill.po);
    DtInvoice->setDate(bill.invoiceDate.isValid() ? bill.invoiceDate : today());
    DtReceipt->setDate(bill.receiptDate.isValid() ? bill.receiptDate : today());
    DtPO->setDate(bill.poDate.isValid() ? bill.poDate : today());
    TxFreight->setText(bill.freight.toText(2));
    TxRoundOffPlus->setText(bill.roundPlus.toText(2));
    TxRoundOffMinus->setText(bill.roundMinus.toText(2));
    TxVat->setText(bill.vat.toText(2));
    TxCess->setText(bill.cess.toText(2));
    TxNarration->setText(bill.narration);

    LbFinalize->setText(bill.finalized ? config().finalizedText : QString());
    CmFinalize->setEnabled(!bill.finalized);
    LbChq->setText(bill.chequeReceived ? QStringLiteral("Cheque Received") : QString());
    // Exact decimals: 333.33 + 333.33 + 333.34 pays a bill of 1000.00.
    CmChqReceived->setEnabled(!bill.chequeReceived && bill.adjusted == bill.grandTotal);
    TxPreparedBy->setText(bill.preparedBy);

    // A bill shown after another starts from an empty grid.
    ItemGrid &g = *GrInvoice;
    g.clearRows(std::max(config().grid.initialRows, int(bill.lines.size()) + 1));
    int r = 1;
    for (const FABillLine &l : bill.lines) {
        g.setCell(r, AssetGrid::SlNo, QString::number(l.slNo));
        // A line whose master row is missing shows its code: the totals count
        // it and an edit, which stores the lines down to the first empty one, keeps it.
        g.setCell(r, AssetGrid::ItemName, l.itemName.isEmpty() ? l.itemCode : l.itemName);
        g.setCell(r, AssetGrid::Brand, l.brandName.isEmpty() ? l.brandCode : l.brandName);
        g.setCell(r, AssetGrid::Description, l.narration);
        g.setCell(r, AssetGrid::Warranty, l.warranty.isValid() ? dateText(l.warranty) : QString());
        g.setCell(r, AssetGrid::Qty, l.qty.toText(2));
        g.setCell(r, AssetGrid::Rate, l.rate.toText(2));
        g.setCell(r, AssetGrid::Amount, l.amount.toText(2));
        g.setCell(r, AssetGrid::ItemCode, l.itemCode);
        g.setCell(r, AssetGrid::BrandCode, l.brandCode);
        ++r;
    }
    g.RenumberRows();
    recalculate();
    // The header shows its totals as stored; the lines their worked-out amounts.
    TxTotal->setText(bill.total.toText(2));
    TxGrandTotal->setText(bill.grandTotal.toText(2));
}

std::optional<bool> frmFAInvoiceMaster::storedFinalized()
{
    const std::optional<ShownRecord> &shown = shownRecord();
    if (!shown)
        return std::nullopt;
    return FAInvoiceStore::current().isFinalized(shown->code);
}

bool frmFAInvoiceMaster::editAllowed()
{
    const std::optional<ShownRecord> &shown = shownRecord();
    if (shown && shown->stores != gInvDbName) {
        // A bill of another year is changed in its own year only.
        MsgBox(yearLockMessage(), MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
    if (!shownHereOrRefuse())
        return false;
    return InvoiceEntryWindow::editAllowed();
}

bool frmFAInvoiceMaster::finalizeStored()
{
    const std::optional<ShownRecord> &shown = shownRecord();
    if (!shown)
        return false;
    return FAInvoiceStore::current().finalize(shown->stores, shown->unit, shown->company, shown->code);
}

void frmFAInvoiceMaster::CmChqReceived_Click()
{
    if (MsgBox(QStringLiteral("Are you sure you Received The Cheque of This Invoice?"), MsgButtons::YesNo,
               MsgIcon::Question, gCompName)
        != MsgAnswer::Yes)
        return;
    const std::optional<ShownRecord> &shown = shownRecord();
    if (!shown) {
        MsgBox(notStoredMessage(), MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    FAInvoiceStore::Cheque result = FAInvoiceStore::Cheque::NoSuchBill;
    if (!guarded([&] {
            result = FAInvoiceStore::current().chequeReceived(shown->stores, shown->unit, shown->company, shown->code,
                                                              paymentYears(shown->stores));
        }))
        return;
    switch (result) {
    case FAInvoiceStore::Cheque::Marked:
    case FAInvoiceStore::Cheque::AlreadyMarked:
        CmChqReceived->setEnabled(false);
        LbChq->setText(QStringLiteral("Cheque Received"));
        break;
    case FAInvoiceStore::Cheque::NotPaid:
        CmChqReceived->setEnabled(false);
        MsgBox(QStringLiteral("The Payments of This Invoice Do Not Add Up to Its Grand Total.   "), MsgButtons::Ok,
               MsgIcon::Critical);
        break;
    case FAInvoiceStore::Cheque::NoSuchBill: MsgBox(notStoredMessage(), MsgButtons::Ok, MsgIcon::Critical); break;
    }
}

void frmFAInvoiceMaster::CmChqDetails_Click()
{
    gSelectedCode = LbSerialNo->text();
    const std::optional<ShownRecord> &shown = shownRecord();
    gSelectedDbName = shown ? shown->stores : gInvDbName;
    if (QWidget *w = WindowRegistry::instance().open(QStringLiteral("frmFAChequeDetails")))
        w->setFocus(Qt::OtherFocusReason);
}
