#include "frmOtherInvoiceMaster.h"
#include "Desktop.h"
#include "RoundOff.h"
#include "Ui.h"
#include "mdlVelmora.h"
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace InvoiceKit;
using Kind = InvoiceBox::Kind;
using Reset = InvoiceBox::Reset;

namespace {

// A typed tax total as it is stored: to the paisa.
void showToPaisa(QLineEdit *box)
{
    box->setText(number(box).toText(2));
}

} // namespace

InvoiceWindowConfig otherInvoiceMasterConfig()
{
    InvoiceWindowConfig c;
    c.caption = QStringLiteral("Invoice Master - Other Stores");
    c.entryCaption = c.caption;

    InvoiceBox serial = place("LbSerialNo", "Transaction ID", Kind::Label, 0, 0, 2);
    serial.input = false;
    InvoiceBox number = place("TxInvoiceNo", "Invoice No", Kind::Text, 1, 0, 2);
    number.selectOnEntry = true;
    number.onNew = Reset::Empty;
    InvoiceBox supplier = place("TxSuppCode", "Supplier", Kind::Lookup, 2, 0);
    supplier.selectOnEntry = true;
    supplier.width = 1800;
    supplier.onNew = Reset::Empty;
    InvoiceBox supplierName = place("TxSuppName", "", Kind::Name, 2, 1, 2);
    supplierName.stretch = true;
    // The supplier's GST number: filled by the lookup, open to typing in every state.
    InvoiceBox gst = place("TxGST", "GST No", Kind::Text, 3, 0, 2);
    gst.input = false;
    gst.selectOnEntry = true;
    c.boxes << serial << number << place("DtInvoice", "Invoice Date", Kind::Date, 0, 2)
            << place("DtReceipt", "Receipt Date", Kind::Date, 1, 2) << supplier << supplierName << gst;

    InvoiceBox narration = place("TxNarration", "Narration", Kind::Text, 0, 0, 3);
    narration.footer = true;
    narration.input = false;
    narration.selectOnEntry = true;
    InvoiceBox tcs = amount("TxTCS", "TCS", 0, 3, true);
    InvoiceBox freight = amount("TxFreight", "Freight", 1, 0, true);
    freight.zeroOnLoad = true;
    InvoiceBox cgst = amount("TxCGST", "CGST", 1, 1, false);
    InvoiceBox sgst = amount("TxSGST", "SGST", 1, 2, false);
    InvoiceBox igst = amount("TxIGST", "IGST", 1, 3, false);
    InvoiceBox gross = amount("TxTotal", "Gross Amt ", 2, 0, false);
    InvoiceBox plus = amount("TxRoundOffPlus", "Round +", 2, 1, true);
    InvoiceBox minus = amount("TxRoundOffMinus", "Round -", 2, 2, true);
    InvoiceBox grand = amount("TxGrandTotal", "Grand Total", 2, 3, true);
    grand.zeroOnLoad = true;
    for (InvoiceBox *b : {&tcs, &freight, &plus, &minus})
        b->totalsOnChange = true;
    for (InvoiceBox *b : {&tcs, &freight, &plus, &cgst, &sgst, &igst})
        b->selectOnEntry = true;
    c.boxes << narration << tcs << freight << cgst << sgst << igst << gross << plus << minus << grand;

    c.lookups << InvoiceLookup{name("TxSuppCode"), name("TxSuppName"), {{name("TxGST"), 3}}, [](const QString &typed) {
                                   Lookup l = Lookup::of(OtherInvoiceStore::current().supplierLookup(typed),
                                                         QStringLiteral("Supplier"), 10500,
                                                         {{1500, QStringLiteral("Code")},
                                                          {4500, QStringLiteral("Supplier Name")},
                                                          {4500, QStringLiteral("GST No")}});
                                   l.displayFields = 3;
                                   return l;
                               }};

    using R = InvoiceEnter::Refuse;
    // The tax boxes' actions are set by the window, which owns the boxes.
    c.enterChain = {
        enter("TxInvoiceNo", name("DtInvoice"), R::WhenEmpty, "Please Enter the Invoice Number.    "),
        enter("DtInvoice", name("DtReceipt")),
        enter("DtReceipt", name("TxSuppCode")),
        enter("TxSuppCode", InvoiceWindowConfig::kGrid, R::WhenEmpty, "Please Select The Supplier Name.   "),
        enter("TxNarration", name("TxTCS")),
        enter("TxTCS", name("TxFreight")),
        enter("TxFreight", name("TxRoundOffPlus"), R::WhenZero, "Please Enter the Freight Charge.   "),
        enter("TxRoundOffPlus", name("TxRoundOffMinus")),
        enter("TxRoundOffMinus", name("TxCGST")),
        enter("TxCGST", name("TxSGST")),
        enter("TxSGST", name("TxIGST")),
        enter("TxIGST", name("CmNew")),
        enter("TxGrandTotal", QString()),
    };
    c.leaveGridTo = name("TxNarration");

    using T = InvoiceCheck::Test;
    c.saveChecks = {
        {name("TxInvoiceNo"), T::Empty, QStringLiteral("Please Enter a Invoice Number.   "), name("TxInvoiceNo"), {}},
        {name("TxSuppName"), T::Empty, QStringLiteral("Please Select the Supplier.   "), name("TxSuppCode"), {}},
        {name("TxFreight"), T::Zero, QStringLiteral("Please Enter the Freight.   "), name("TxFreight"), {}},
        // A name typed without the lookup has no item behind it: it could be
        // neither stored nor shown again, so the line goes back to the clerk.
        // So does an item emptied above other lines; as that leaves no total,
        // the lines are checked before the grand total.
        {InvoiceWindowConfig::kGrid, T::Lines, {}, InvoiceWindowConfig::kGrid, {}},
        {name("TxGrandTotal"),
         T::Zero,
         QStringLiteral("Please Fill the Details Properly.   "),
         InvoiceWindowConfig::kGrid,
         {}},
    };
    RoundOff::guard(c, name("TxRoundOffPlus"), name("TxRoundOffMinus"));

    c.grid = GstGrid::config(gridLookup(&GstGrid::itemLookup));
    c.removeFinalizeButton = QStringLiteral("CmRemove");
    return c;
}

frmOtherInvoiceMaster::frmOtherInvoiceMaster(QWidget *parent) : InvoiceEntryWindow(otherInvoiceMasterConfig(), parent)
{
    setObjectName(QStringLiteral("frmOtherInvoiceMaster"));
    LbSerialNo = label(name("LbSerialNo"));
    TxInvoiceNo = box(name("TxInvoiceNo"));
    DtInvoice = date(name("DtInvoice"));
    DtReceipt = date(name("DtReceipt"));
    TxSuppCode = lookupBox(name("TxSuppCode"));
    TxSuppName = box(name("TxSuppName"));
    TxGST = box(name("TxGST"));
    TxNarration = box(name("TxNarration"));
    TxTCS = box(name("TxTCS"));
    TxFreight = box(name("TxFreight"));
    TxRoundOffPlus = box(name("TxRoundOffPlus"));
    TxRoundOffMinus = box(name("TxRoundOffMinus"));
    TxTotal = box(name("TxTotal"));
    TxCGST = box(name("TxCGST"));
    TxSGST = box(name("TxSGST"));
    TxIGST = box(name("TxIGST"));
    TxGrandTotal = box(name("TxGrandTotal"));
    CmRemove = CmRemoveFinalize;
    for (QLineEdit *b : {TxTotal, TxCGST, TxSGST, TxIGST})
        b->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // A typed tax total gives the grand total from the boxes as they stand;
    // CGST is worked out before its box is formatted, SGST and IGST after.
    setEnterAction(name("TxCGST"), [this] {
        withinRange([&] {
            GstGrid::CalculateGrandTotal(totalBoxes());
            showToPaisa(TxCGST);
        });
    });
    setEnterAction(name("TxSGST"), [this] {
        withinRange([&] {
            showToPaisa(TxSGST);
            GstGrid::CalculateGrandTotal(totalBoxes());
        });
    });
    setEnterAction(name("TxIGST"), [this] {
        withinRange([&] {
            showToPaisa(TxIGST);
            GstGrid::CalculateGrandTotal(totalBoxes());
        });
    });

    GrInvoice->clearRows(GstGrid::kRowsAtLoad);
    GrInvoice->RenumberRows();
    // Boxes hold what their columns hold.
    limitBoxes([] { return OtherInvoiceStore::current().boxLengths(); });
    formLoad();
}

GstGrid::Boxes frmOtherInvoiceMaster::totalBoxes() const
{
    return {TxTotal, TxCGST, TxSGST, TxIGST, TxTCS, TxRoundOffPlus, TxRoundOffMinus, TxGrandTotal};
}

void frmOtherInvoiceMaster::CalculateTotals()
{
    try {
        GstGrid::CalculateTotals(*GrInvoice, totalBoxes());
        m_tooLargeShown = false;
    } catch (const DecimalOverflow &) {
        // Nothing was changed; the clerk corrects the figure.
        if (!m_tooLargeShown) {
            m_tooLargeShown = true;
            MsgBox(Decimal::overflowMessage(), MsgButtons::Ok, MsgIcon::Critical);
        }
    }
}

void frmOtherInvoiceMaster::CalculateGrandTotal()
{
    withinRange([&] { GstGrid::CalculateGrandTotal(totalBoxes()); });
}

QString frmOtherInvoiceMaster::nextTransactionId()
{
    return GetNextNumber(OtherInvoiceStore::seriesKey(gCompCode, gUnitCode));
}

OtherInvoice frmOtherInvoiceMaster::shownInvoice() const
{
    OtherInvoice inv;
    inv.transId = transactionId();
    inv.invoiceNo = TxInvoiceNo->text();
    inv.invoiceDate = DtInvoice->date();
    inv.receiptDate = DtReceipt->date();
    inv.suppCode = TxSuppCode->text();
    inv.gstNo = TxGST->text();
    inv.tcs = number(TxTCS);
    inv.freight = number(TxFreight);
    inv.narration = TxNarration->text();
    inv.roundPlus = number(TxRoundOffPlus);
    inv.roundMinus = number(TxRoundOffMinus);
    inv.grossTotal = number(TxTotal);
    inv.cgst = number(TxCGST);
    inv.sgst = number(TxSGST);
    inv.igst = number(TxIGST);
    inv.netTotal = number(TxGrandTotal);
    // Only the lines down to the first without an item are the invoice's.
    const ItemGrid &g = *GrInvoice;
    const int filled = g.lineCount();
    for (int r = 1; r <= filled; ++r) {
        OtherInvoiceLine l;
        l.itemCode = g.cell(r, GstGrid::ItemCode);
        l.itemName = g.cell(r, GstGrid::ItemName);
        l.qty = number(g.cell(r, GstGrid::Qty));
        l.rate = number(g.cell(r, GstGrid::Rate));
        l.cgstPer = number(g.cell(r, GstGrid::CgstPer));
        l.cgstAmt = number(g.cell(r, GstGrid::Cgst));
        l.sgstPer = number(g.cell(r, GstGrid::SgstPer));
        l.sgstAmt = number(g.cell(r, GstGrid::Sgst));
        l.igstPer = number(g.cell(r, GstGrid::IgstPer));
        l.igstAmt = number(g.cell(r, GstGrid::Igst));
        l.amount = number(g.cell(r, GstGrid::Amount));
        inv.lines << l;
    }
    return inv;
}

bool frmOtherInvoiceMaster::prepareSave()
{
    // The gross is the lines' own, whatever was typed over it; typed tax
    // totals stay, shown to the paisa as they are stored; the grand total
    // saved is the sum of the boxes on view. A round-off above its limit
    // stays out of it; Save refuses it.
    if (!boxesWithinLimits())
        return true;
    return withinRange([&] {
        TxTotal->setText(GstGrid::countedGross(GstGrid::lineCells(*GrInvoice)));
        for (QLineEdit *b : {TxCGST, TxSGST, TxIGST})
            showToPaisa(b);
        GstGrid::CalculateGrandTotal(totalBoxes());
    });
}

std::optional<OtherInvoice> frmOtherInvoiceMaster::typedInvoice()
{
    std::optional<OtherInvoice> inv;
    withinRange([&] { inv = shownInvoice(); });
    return inv;
}

std::optional<OtherInvoiceStore> frmOtherInvoiceMaster::shownStore() const
{
    const std::optional<ShownRecord> &shown = shownRecord();
    if (!shown)
        return std::nullopt;
    return OtherInvoiceStore(gConnection, shown->stores, shown->accounts, shown->company, shown->unit, userIdNumber());
}

bool frmOtherInvoiceMaster::SaveNew()
{
    std::optional<OtherInvoice> inv = typedInvoice();
    if (!inv)
        return false;
    OtherInvoiceStore::Saved result = OtherInvoiceStore::Saved::Refused;
    if (!guarded([&] { result = OtherInvoiceStore::current().saveNew(*inv); }))
        return false;
    if (result == OtherInvoiceStore::Saved::DuplicateNumber) {
        MsgBox(QStringLiteral("The Same Invoice Number Already Exists.   "), MsgButtons::Ok, MsgIcon::Information);
        TxInvoiceNo->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (result == OtherInvoiceStore::Saved::TooLong)
        return refuseTextTooLong();
    if (result != OtherInvoiceStore::Saved::Saved) {
        MsgBox(QStringLiteral("Please Fill the Details Properly.   "), MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
    LbSerialNo->setText(inv->transId);
    setShownRecord(ShownRecord{inv->transId, gInvDbName, gAcDbName, gUnitCode, gCompCode});
    return true;
}

bool frmOtherInvoiceMaster::SaveEdit()
{
    std::optional<OtherInvoice> inv = typedInvoice();
    std::optional<OtherInvoiceStore> store = shownStore();
    if (!inv || !store)
        return false;
    // The invoice as it was loaded, in its own unit and company, whatever the box shows or the context holds now.
    inv->transId = shownRecord()->code;
    OtherInvoiceStore::Saved result = OtherInvoiceStore::Saved::Refused;
    if (!guarded([&] { result = store->saveEdit(*inv); }))
        return false;
    switch (result) {
    case OtherInvoiceStore::Saved::Saved: return true;
    case OtherInvoiceStore::Saved::Finalized:
        MsgBox(QStringLiteral("You Cannot Edit Finalized Invoice.   "), MsgButtons::Ok, MsgIcon::Critical);
        return false;
    case OtherInvoiceStore::Saved::NoSuchInvoice:
        MsgBox(notStoredMessage(), MsgButtons::Ok, MsgIcon::Critical);
        return false;
    case OtherInvoiceStore::Saved::TooLong: return refuseTextTooLong();
    default:
        MsgBox(QStringLiteral("Please Fill the Details Properly.   "), MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
}

void frmOtherInvoiceMaster::LoadRecord(const QString &transId)
{
    std::optional<OtherInvoice> inv;
    if (!guarded([&] { inv = OtherInvoiceStore::current().loadRecord(transId); }))
        return;
    if (!inv)
        return;
    showInvoice(*inv);
    setShownRecord(ShownRecord{inv->transId, gInvDbName, gAcDbName, inv->unitCode, gCompCode});
}
void frmOtherInvoiceMaster::showInvoice(const OtherInvoice &inv)
{
    LbSerialNo->setText(inv.transId);
    DtInvoice->setDate(inv.invoiceDate);
    DtReceipt->setDate(inv.receiptDate);
    TxInvoiceNo->setText(inv.invoiceNo);
    // The code first: choosing it empties the name and GST number beside it.
    TxSuppCode->setChoice(inv.suppCode, inv.suppCode);
    TxGST->setText(inv.gstNo);
    TxSuppName->setText(inv.suppName);
    TxFreight->setText(inv.freight.toText(2));
    TxTCS->setText(inv.tcs.toText(2));
    TxRoundOffPlus->setText(inv.roundPlus.toText(2));
    TxRoundOffMinus->setText(inv.roundMinus.toText(2));
    if (inv.finalized)
        showFinalized(true);
    TxNarration->setText(inv.narration);

    ItemGrid &g = *GrInvoice;
    if (g.rows() <= inv.lines.size())
        g.setRows(int(inv.lines.size()) + 1);
    int r = 1;
    for (const OtherInvoiceLine &l : inv.lines) {
        g.setCell(r, GstGrid::SlNo, QString::number(r));
        g.setCell(r, GstGrid::ItemName, l.itemName);
        g.setCell(r, GstGrid::Qty, l.qty.toText(2));
        g.setCell(r, GstGrid::Rate, l.rate.toText(2));
        g.setCell(r, GstGrid::CgstPer, l.cgstPer.toText(2));
        g.setCell(r, GstGrid::Cgst, l.cgstAmt.toText(2));
        g.setCell(r, GstGrid::SgstPer, l.sgstPer.toText(2));
        g.setCell(r, GstGrid::Sgst, l.sgstAmt.toText(2));
        g.setCell(r, GstGrid::IgstPer, l.igstPer.toText(2));
        g.setCell(r, GstGrid::Igst, l.igstAmt.toText(2));
        g.setCell(r, GstGrid::Amount, l.amount.toText(2));
        g.setCell(r, GstGrid::ItemCode, l.itemCode);
        ++r;
    }
    CalculateTotals();
    // The header shows its totals as stored, typed-over taxes included.
    TxTotal->setText(inv.grossTotal.toText(2));
    TxCGST->setText(inv.cgst.toText(2));
    TxSGST->setText(inv.sgst.toText(2));
    TxIGST->setText(inv.igst.toText(2));
    TxGrandTotal->setText(inv.netTotal.toText(2));
}

std::optional<bool> frmOtherInvoiceMaster::storedFinalized()
{
    const std::optional<OtherInvoiceStore> store = shownStore();
    if (!store)
        return std::nullopt;
    return OtherInvoiceStore(*store).isFinalized(shownRecord()->code);
}

bool frmOtherInvoiceMaster::finalizeStored()
{
    std::optional<OtherInvoiceStore> store = shownStore();
    return store && store->setFinalized(shownRecord()->code, true);
}

bool frmOtherInvoiceMaster::removeFinalizeStored()
{
    std::optional<OtherInvoiceStore> store = shownStore();
    return store && store->setFinalized(shownRecord()->code, false);
}
