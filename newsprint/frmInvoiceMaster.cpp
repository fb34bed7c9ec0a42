#include "frmInvoiceMaster.h"
#include "Desktop.h"
#include "ReelGrid.h"
#include "Ui.h"
#include "mdlVelmora.h"
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace InvoiceKit;

namespace {

using Kind = InvoiceBox::Kind;
using Reset = InvoiceBox::Reset;

const QColor kMaroon(128, 0, 0);

// An amount box below the grid that keeps its figure at New; the sums in maroon.
InvoiceBox amount(const char *name, const char *label, int row, int column, bool filtered, bool emphasised)
{
    InvoiceBox b = InvoiceKit::amount(name, label, row, column, filtered, Reset::Keep);
    if (emphasised) {
        b.bold = true;
        b.colour = kMaroon;
    }
    return b;
}

} // namespace

InvoiceWindowConfig invoiceMasterConfig()
{
    InvoiceWindowConfig c;
    c.caption = QStringLiteral("Invoice Master");

    // Codes in a narrow column, the names wide beside them, the dates on the right.
    InvoiceBox serial = place("LbSerialNo", "Transaction ID", Kind::Label, 0, 0, 2);
    serial.input = false;
    InvoiceBox number = place("TxInvoiceNo", "Invoice No", Kind::Text, 1, 0, 2);
    number.colour = Qt::red;
    number.bold = true;
    number.selectOnEntry = true;
    number.onNew = Reset::Empty;
    InvoiceBox supplier = place("TxSuppCode", "Supplier", Kind::Lookup, 2, 0);
    supplier.selectOnEntry = true;
    supplier.width = 1800;
    supplier.onNew = Reset::Empty;
    InvoiceBox brand = place("TxBrandCode", "Brand", Kind::Lookup, 3, 0);
    brand.selectOnEntry = true;
    brand.width = 1800;
    brand.onNew = Reset::Empty;
    c.boxes << serial << number << place("DtInvoice", "Invoice Date", Kind::Date, 0, 2)
            << place("DtReceipt", "Receipt Date", Kind::Date, 1, 2) << supplier
            << place("TxSuppName", "", Kind::Name, 2, 1, 2) << brand << place("TxBrandName", "", Kind::Name, 3, 1, 2);
    for (InvoiceBox &b : c.boxes)
        b.stretch = b.kind == Kind::Name;

    // Four columns of amounts; the freight is demanded but enters no total.
    InvoiceBox freight = amount("TxFreight", "Freight", 0, 0, true, false);
    freight.selectOnEntry = true;
    freight.onNew = Reset::Zero;
    freight.zeroOnLoad = true;
    InvoiceBox weight = amount("TxWeight", "Weight", 1, 0, false, false);
    InvoiceBox plus = amount("TxRoundOffPlus", "Round +", 2, 0, true, false);
    plus.selectOnEntry = true;
    InvoiceBox net = amount("TxNet", "Net Bill", 0, 1, false, true);
    InvoiceBox taxable = amount("TxTaxable", "Gross Amt", 1, 1, false, true);
    InvoiceBox minus = amount("TxRoundOffMinus", "Round -", 2, 1, true, false);
    InvoiceBox cgst = amount("TxCGST", "CGST", 0, 2, true, true);
    InvoiceBox sgst = amount("TxSGST", "SGST", 1, 2, true, true);
    InvoiceBox igst = amount("TxIGST", "IGST", 2, 2, true, true);
    igst.selectOnEntry = true;
    InvoiceBox tcs = amount("TxTCS", "T C S", 0, 3, true, true);
    tcs.selectOnEntry = true;
    InvoiceBox total = amount("TxTotal", "Total", 1, 3, false, true);
    InvoiceBox grand = amount("TxGrandTotal", "Grand Total", 2, 3, true, true);
    grand.zeroOnLoad = true;
    for (InvoiceBox *b : {&plus, &minus, &cgst, &sgst, &igst, &tcs}) {
        b->totalsOnChange = true;
        b->onNew = Reset::Zero;
    }
    for (InvoiceBox *b : {&net, &total, &grand, &weight, &taxable})
        b->onNew = Reset::Zero;
    c.boxes << freight << weight << plus << net << taxable << minus << cgst << sgst << igst << tcs << total << grand;

    c.lookups << InvoiceLookup{name("TxSuppCode"), name("TxSuppName"), {}, [](const QString &typed) {
                                   return Lookup::scheme(InvoiceStore::current().supplierLookup(typed));
                               }};
    c.lookups << InvoiceLookup{name("TxBrandCode"), name("TxBrandName"), {}, [](const QString &typed) {
                                   return Lookup::scheme(InvoiceStore::current().brandLookup(typed));
                               }};

    using R = InvoiceEnter::Refuse;
    c.enterChain = {
        enter("TxInvoiceNo", name("DtInvoice"), R::WhenEmpty, "Please Enter the Invoice Number.    "),
        enter("DtInvoice", name("DtReceipt")),
        enter("DtReceipt", name("TxSuppCode")),
        enter("TxSuppCode", name("TxBrandCode"), R::WhenEmpty, "Please Select The Supplier Name.   "),
        enter("TxBrandCode", InvoiceWindowConfig::kGrid, R::WhenEmpty, "Please Select the Brand.   "),
        enter("TxFreight", name("TxRoundOffPlus"), R::WhenZero, "Please Enter the Freight Charge.   "),
        enter("TxRoundOffPlus", name("TxRoundOffMinus")),
        enter("TxRoundOffMinus", name("TxCGST")),
        enter("TxCGST", name("TxSGST")),
        enter("TxSGST", name("TxIGST")),
        enter("TxIGST", name("TxTCS")),
        enter("TxTCS", QString()),
    };
    c.leaveGridTo = name("TxFreight");

    using T = InvoiceCheck::Test;
    c.saveChecks = {
        {name("TxInvoiceNo"), T::Empty, QStringLiteral("Please Enter a Invoice Number.   "), name("TxInvoiceNo"), {}},
        {name("TxSuppName"), T::Empty, QStringLiteral("Please Select the Supplier.   "), name("TxSuppCode"), {}},
        {name("TxBrandName"), T::Empty, QStringLiteral("Please Select a  Brand.   "), name("TxBrandCode"), {}},
        {name("TxFreight"), T::Zero, QStringLiteral("Please Enter the Freight.   "), name("TxFreight"), {}},
        {name("TxGrandTotal"),
         T::Zero,
         QStringLiteral("Please Fill the Details Properly.   "),
         InvoiceWindowConfig::kGrid,
         {}},
        {InvoiceWindowConfig::kGrid, T::Lines, {}, InvoiceWindowConfig::kGrid, {}},
    };

    c.grid = ReelGrid::config(gridLookup(&ReelGrid::gsmLookup), gridLookup(&ReelGrid::reelTypeLookup));
    c.removeFinalizeButton = QStringLiteral("Cmrelease");
    c.numberCorrection = true;
    c.adminEditsFinalized = true;
    return c;
}

frmInvoiceMaster::frmInvoiceMaster(QWidget *parent) : InvoiceEntryWindow(invoiceMasterConfig(), parent)
{
    setObjectName(QStringLiteral("frmInvoiceMaster"));
    LbSerialNo = label(name("LbSerialNo"));
    TxInvoiceNo = box(name("TxInvoiceNo"));
    DtInvoice = date(name("DtInvoice"));
    DtReceipt = date(name("DtReceipt"));
    TxSuppCode = lookupBox(name("TxSuppCode"));
    TxSuppName = box(name("TxSuppName"));
    TxBrandCode = lookupBox(name("TxBrandCode"));
    TxBrandName = box(name("TxBrandName"));
    TxFreight = box(name("TxFreight"));
    TxWeight = box(name("TxWeight"));
    TxRoundOffPlus = box(name("TxRoundOffPlus"));
    TxRoundOffMinus = box(name("TxRoundOffMinus"));
    TxNet = box(name("TxNet"));
    TxTaxable = box(name("TxTaxable"));
    TxCGST = box(name("TxCGST"));
    TxSGST = box(name("TxSGST"));
    TxIGST = box(name("TxIGST"));
    TxTCS = box(name("TxTCS"));
    TxTotal = box(name("TxTotal"));
    TxGrandTotal = box(name("TxGrandTotal"));
    Cmrelease = CmRemoveFinalize;
    // Boxes and reel cells hold what their columns hold.
    limitBoxes([this] {
        const InvoiceStore::BoxLengths lengths = InvoiceStore::current().boxLengths();
        GrInvoice->setMaxLength(ReelGrid::ReelNo, lengths.reelNo);
        return lengths.boxes;
    });
    formLoad();
}

void frmInvoiceMaster::CalculateTotals()
{
    ReelGrid::CalculateTotals(*GrInvoice,
                              {TxTotal, TxGrandTotal, TxNet, TxTaxable, TxWeight, TxRoundOffPlus, TxRoundOffMinus,
                               TxCGST, TxSGST, TxIGST, TxTCS});
}

QString frmInvoiceMaster::nextTransactionId()
{
    return GetNextNumber(InvoiceStore::seriesKey(gCompCode, gUnitCode));
}

Invoice frmInvoiceMaster::shownInvoice() const
{
    Invoice inv;
    inv.transId = transactionId();
    inv.invoiceNo = TxInvoiceNo->text();
    inv.invoiceDate = DtInvoice->date();
    inv.receiptDate = DtReceipt->date();
    inv.suppCode = TxSuppCode->text();
    inv.brandCode = TxBrandCode->text();
    inv.freight = number(TxFreight);
    inv.weight = number(TxWeight);
    inv.total = number(TxTotal);
    inv.roundPlus = number(TxRoundOffPlus);
    inv.roundMinus = number(TxRoundOffMinus);
    inv.cgst = number(TxCGST);
    inv.sgst = number(TxSGST);
    inv.igst = number(TxIGST);
    inv.grandTotal = number(TxGrandTotal);
    inv.netTotal = number(TxNet);
    inv.tcs = number(TxTCS);
    // Only the lines down to the first without a reel number are the invoice's.
    const ItemGrid &g = *GrInvoice;
    const int filled = g.lineCount();
    for (int r = 1; r <= filled; ++r) {
        InvoiceReel reel;
        reel.slNo = r;
        reel.reelNo = g.cell(r, ReelGrid::ReelNo);
        reel.gsmCode = g.cell(r, ReelGrid::GsmCode);
        reel.reelTypeCode = g.cell(r, ReelGrid::ReelTypeCode);
        reel.weight = Decimal::fromText(g.cell(r, ReelGrid::Weight));
        reel.rate = Decimal::fromText(g.cell(r, ReelGrid::Rate));
        reel.amount = Decimal::fromText(g.cell(r, ReelGrid::Amount));
        reel.line = g.cell(r, ReelGrid::StoredLine).toInt();
        inv.reels << reel;
    }
    return inv;
}

bool frmInvoiceMaster::SaveNew()
{
    Invoice inv = shownInvoice();
    InvoiceStore::Saved result = InvoiceStore::Saved::NoSuchInvoice;
    if (!guarded([&] { result = InvoiceStore::current().saveNew(inv); }))
        return false;
    if (result == InvoiceStore::Saved::DuplicateNumber) {
        MsgBox(QStringLiteral("The Same Invoice Number Already Exists.   "), MsgButtons::Ok, MsgIcon::Information);
        TxInvoiceNo->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (result == InvoiceStore::Saved::TooLong)
        return refuseTextTooLong();
    LbSerialNo->setText(inv.transId);
    setShownRecord(ShownRecord{inv.transId, gInvDbName, gAcDbName, gUnitCode, gCompCode});
    // The reels were stored in the grid's order: line r is row r.
    for (int r = 1; r <= inv.reels.size(); ++r)
        markStored(r, r);
    return true;
}

bool frmInvoiceMaster::SaveEdit()
{
    // The invoice this window loaded or stored, whatever id the label shows.
    const std::optional<ShownRecord> shown = shownHereOrRefuse();
    if (!shown)
        return false;
    Invoice inv = shownInvoice();
    inv.transId = shown->code;
    InvoiceStore::Saved result = InvoiceStore::Saved::NoSuchInvoice;
    QString refusal;
    QList<int> lines;
    if (!guarded([&] { result = InvoiceStore::current().saveEdit(inv, &refusal, &lines); }))
        return false;
    if (result == InvoiceStore::Saved::Finalized) {
        // Another workstation finalised it after the edit began.
        MsgBox(QStringLiteral("You Cannot Edit Finalized Invoice.   "), MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
    if (result == InvoiceStore::Saved::ReelInUse) {
        MsgBox(refusal, MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
    if (result == InvoiceStore::Saved::TooLong)
        return refuseTextTooLong();
    if (result != InvoiceStore::Saved::Saved) {
        MsgBox(notStoredMessage(), MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
    // The window stays on the invoice: the next edit knows each row's reel.
    for (int r = 1; r <= lines.size(); ++r)
        markStored(r, lines.at(r - 1));
    return true;
}

void frmInvoiceMaster::markStored(int row, int line)
{
    GrInvoice->setCell(row, ReelGrid::StoredLine, QString::number(line));
    GrInvoice->setCell(row, ReelGrid::StoredGsmCode, GrInvoice->cell(row, ReelGrid::GsmCode));
    GrInvoice->setCell(row, ReelGrid::StoredReelTypeCode, GrInvoice->cell(row, ReelGrid::ReelTypeCode));
}

void frmInvoiceMaster::LoadRecord(const QString &transId)
{
    std::optional<Invoice> inv;
    if (!guarded([&] { inv = InvoiceStore::current().loadRecord(transId); }))
        return;
    if (!inv)
        return;
    showInvoice(*inv);
    setShownRecord(ShownRecord{inv->transId, gInvDbName, gAcDbName, inv->unitCode, gCompCode});
}

void frmInvoiceMaster::showInvoice(const Invoice &inv)
{
    LbSerialNo->setText(inv.transId);
    DtInvoice->setDate(inv.invoiceDate);
    DtReceipt->setDate(inv.receiptDate);
    TxInvoiceNo->setText(inv.invoiceNo);
    TxSuppCode->setChoice(inv.suppCode, inv.suppCode);
    TxSuppName->setText(inv.suppName);
    TxBrandCode->setChoice(inv.brandCode, inv.brandCode);
    TxBrandName->setText(inv.brandName);
    TxFreight->setText(inv.freight.toText(2));
    TxTotal->setText(inv.total.toText(2));
    TxRoundOffPlus->setText(inv.roundPlus.toText(2));
    TxRoundOffMinus->setText(inv.roundMinus.toText(2));
    TxGrandTotal->setText(inv.grandTotal.toText(2));
    TxNet->setText(inv.netTotal.toText(2));
    TxCGST->setText(inv.cgst.toText(2));
    TxSGST->setText(inv.sgst.toText(2));
    TxIGST->setText(inv.igst.toText(2));
    TxTCS->setText(inv.tcs.toText(2));
    showFinalized(inv.finalized);

    ItemGrid &g = *GrInvoice;
    if (g.rows() <= inv.reels.size())
        g.setRows(int(inv.reels.size()) + 1);
    int r = 1;
    for (const InvoiceReel &reel : inv.reels) {
        g.setCell(r, ReelGrid::SlNo, QString::number(reel.slNo));
        g.setCell(r, ReelGrid::ReelNo, reel.reelNo);
        g.setCell(r, ReelGrid::Gsm, reel.gsmName);
        g.setCell(r, ReelGrid::ReelType, reel.reelTypeName);
        g.setCell(r, ReelGrid::Weight, reel.weight.toText(2));
        g.setCell(r, ReelGrid::Rate, reel.rate.toText(2));
        g.setCell(r, ReelGrid::Amount, reel.amount.toText(2));
        g.setCell(r, ReelGrid::GsmCode, reel.gsmCode);
        g.setCell(r, ReelGrid::ReelTypeCode, reel.reelTypeCode);
        g.setCell(r, ReelGrid::ConsFlag, QString::number(reel.consFlag));
        g.setCell(r, ReelGrid::FinalizeFlag, QString::number(reel.finalize));
        markStored(r, reel.line);
        ++r;
    }
    CalculateTotals();
}

std::optional<bool> frmInvoiceMaster::storedFinalized()
{
    const std::optional<ShownRecord> shown = shownHere();
    if (!shown)
        return std::nullopt;
    return InvoiceStore::current().isFinalized(shown->code);
}

bool frmInvoiceMaster::finalizeStored()
{
    const std::optional<ShownRecord> shown = shownHere();
    return shown && InvoiceStore::current().finalize(shown->code);
}

bool frmInvoiceMaster::mayRemoveFinalize()
{
    return InvoiceStore::mayRemoveFinalize(userIdNumber());
}

bool frmInvoiceMaster::removeFinalizeStored()
{
    const std::optional<ShownRecord> shown = shownHere();
    return shown && InvoiceStore::current().removeFinalize(shown->code) == InvoiceStore::Removed::Removed;
}

bool frmInvoiceMaster::correctStoredNumber(const QString &invoiceNo)
{
    const std::optional<ShownRecord> shown = shownHere();
    return shown
        && InvoiceStore::current().correctInvoiceNo(shown->code, invoiceNo) == InvoiceStore::Corrected::Corrected;
}
