#include "frmConsumptionMaster.h"
#include "Desktop.h"
#include "Lookup.h"
#include "NumericKey.h"
#include "TextLengths.h"
#include "Twips.h"
#include "mdlVelmora.h"
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kOverBooked = QStringLiteral("Consumed Quantity Could Be Greater Than Quantity Available in the Reel  ");
const QString kBadReel = QStringLiteral("Please Enter the Reel No. Correctly.  ");
const QString kNoUnit = QStringLiteral("Please Select the Unit.   ");
const QString kNotFound = QStringLiteral("Nothing was changed: the consumption was not found.   ");
const QString kSavedNotReadBack = QStringLiteral("The consumption is saved, but it could not be read back: ");

Decimal numberOf(const QLineEdit *box)
{
    return Decimal::fromText(box->text());
}

// The quantity a booking is cut back to: what the reel holds, in the two
// decimals the box shows unless that would round above it.
QString cutBackText(Decimal available)
{
    return available.rounded(2) == available ? available.toText(2) : available.toText(3);
}
} // namespace

frmConsumptionMaster::frmConsumptionMaster(QWidget *parent) : RecordWindow(parent)
{
    setObjectName(QStringLiteral("frmConsumptionMaster"));
    setCaption(QStringLiteral("Consumption"));

    auto *outer = new QVBoxLayout(this);
    outer->addWidget(makeTitleLabel(QStringLiteral("Newsprint Consumption"), QStringLiteral("LbTitle"), this));

    auto setUp = [](QLineEdit *b, const char *name, bool locked, bool right) {
        b->setObjectName(QString::fromLatin1(name));
        b->setReadOnly(locked);
        if (right)
            b->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    };
    auto makeBox = [this, setUp](const char *name, bool locked, bool right) {
        auto *b = new QLineEdit(this);
        setUp(b, name, locked, right);
        return b;
    };
    auto makeLookupBox = [this, setUp](const char *name, bool locked) {
        auto *b = new LookupBox(this);
        setUp(b, name, locked, false);
        b->setShows(LookupBox::Shows::Code);
        return b;
    };
    m_txConsumptionCode = makeBox("TxConsumptionCode", true, false);
    m_txReelNo = makeLookupBox("TxReelNo", false);
    m_txSupplierName = makeBox("TxSupplierName", false, false);
    m_txBrandName = makeBox("TxBrandName", false, false);
    m_txGSM = makeBox("TxGSM", false, true);
    m_txReelType = makeBox("TxReelType", false, true);
    m_txRate = makeBox("TxRate", false, true);
    m_txProductCode = makeLookupBox("TxProductCode", true);
    m_txQty = makeBox("TxQty", false, true);
    m_txAmount = makeBox("TxAmount", true, true);
    m_txProductName = makeBox("TxProductName", false, false);
    m_txQtyAvail = makeBox("TxQtyAvail", false, true);
    m_txUnitCode = makeLookupBox("TxUnitCode", true);
    m_txUnitName = makeBox("TxUnitName", false, false);
    QFont big = m_txAmount->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    m_txAmount->setFont(big);

    m_dtCons = new QDateEdit(this);
    m_dtCons->setObjectName(QStringLiteral("DTCons"));
    m_dtCons->setLocale(QLocale::c());
    m_dtCons->setDisplayFormat(QStringLiteral("dd-MMM-yyyy"));
    m_dtCons->setCalendarPopup(true);

    auto *grid = new QGridLayout;
    auto label = [this, grid](const char *name, const char *text, QWidget *buddy, int row, int column) {
        auto *l = new QLabel(QString::fromLatin1(text), this);
        l->setObjectName(QString::fromLatin1(name));
        l->setBuddy(buddy);
        grid->addWidget(l, row, column);
    };
    label("LbConsumptionCode", "Consuption Code", m_txConsumptionCode, 0, 0);
    grid->addWidget(m_txConsumptionCode, 0, 1);
    label("LbDate", "Date", m_dtCons, 0, 4);
    grid->addWidget(m_dtCons, 0, 5);
    label("LbReelNo", "Reel No", m_txReelNo, 1, 0);
    grid->addWidget(m_txReelNo, 1, 1);
    label("LbQtyAvail", "Quantity Available in this Reel (Kg)", m_txQtyAvail, 1, 2);
    grid->addWidget(m_txQtyAvail, 1, 5);
    label("LbSupplier", "Supplier", m_txSupplierName, 2, 0);
    grid->addWidget(m_txSupplierName, 2, 1, 1, 5);
    label("LbBrand", "Brand", m_txBrandName, 3, 0);
    grid->addWidget(m_txBrandName, 3, 1, 1, 5);
    label("LbGSM", "GSM", m_txGSM, 4, 0);
    grid->addWidget(m_txGSM, 4, 1);
    label("LbReelType", "Reel Type", m_txReelType, 4, 2);
    grid->addWidget(m_txReelType, 4, 3);
    label("LbRate", "Rate", m_txRate, 4, 4);
    grid->addWidget(m_txRate, 4, 5);
    label("LbProduct", "Product", m_txProductCode, 5, 0);
    grid->addWidget(m_txProductCode, 5, 1);
    grid->addWidget(m_txProductName, 5, 2, 1, 4);
    label("LbUnit", "Unit", m_txUnitCode, 6, 0);
    grid->addWidget(m_txUnitCode, 6, 1);
    grid->addWidget(m_txUnitName, 6, 2, 1, 4);
    label("LbQty", "Quantity in KG", m_txQty, 7, 0);
    grid->addWidget(m_txQty, 7, 1);
    label("LbAmount", "Amount", m_txAmount, 7, 4);
    grid->addWidget(m_txAmount, 7, 5);
    // Code boxes wide enough for a whole code, a reel number or a quantity.
    for (QLineEdit *b : {m_txConsumptionCode, static_cast<QLineEdit *>(m_txReelNo), m_txGSM, m_txReelType,
                         static_cast<QLineEdit *>(m_txProductCode), static_cast<QLineEdit *>(m_txUnitCode), m_txQty})
        b->setMinimumWidth(twipsToPixels(1800));
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(5, 1);
    outer->addLayout(grid);
    outer->addWidget(makeButtonBar({CmNew, CmEdit, CmCancel, CmClose}));

    const QList<QWidget *> order{m_txConsumptionCode,
                                 m_dtCons,
                                 m_txReelNo,
                                 m_txSupplierName,
                                 m_txBrandName,
                                 m_txGSM,
                                 m_txReelType,
                                 m_txRate,
                                 m_txProductCode,
                                 m_txQty,
                                 m_txAmount,
                                 CmNew,
                                 CmEdit,
                                 CmCancel,
                                 CmClose,
                                 m_txProductName,
                                 m_txQtyAvail,
                                 m_txUnitCode,
                                 m_txUnitName};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));

    // The reel lookup offers the unit's reels at the press that are not used up.
    m_txReelNo->setLookup([this] { return reelLookup(); });
    m_txReelNo->setOnNothing(LookupBox::OnNothing::Empty);
    connect(m_txReelNo, &LookupBox::picked, this, &frmConsumptionMaster::reelPicked);
    connect(m_txReelNo, &LookupBox::cleared, this, &frmConsumptionMaster::reelCleared);
    // Only the clerk's typing: the lookup writes the box too.
    connect(m_txReelNo, &QLineEdit::textEdited, this, &frmConsumptionMaster::TxReelNo_Edited);

    // Product and consuming unit: a code box with its name beside it; a
    // lookup that hands back nothing keeps the choice already made.
    auto codeAndName = [this](LookupBox *code, QLineEdit *name, Lookup lookup) {
        code->setLookup([lookup] { return lookup; });
        code->setOnNothing(LookupBox::OnNothing::Keep);
        connect(code, &QLineEdit::textChanged, name, &QLineEdit::clear);
        connect(code, &LookupBox::picked, name, [name](const LookupRow &row) { name->setText(row.name()); });
    };
    codeAndName(m_txProductCode, m_txProductName,
                {ConsumptionStore::productLookupQuery(),
                 {},
                 QStringLiteral("Products"),
                 5000,
                 {{1000, QStringLiteral("Code")}, {4000, QStringLiteral("Name")}},
                 2});
    codeAndName(m_txUnitCode, m_txUnitName,
                {ConsumptionStore::unitLookupQuery(),
                 {},
                 QStringLiteral("Unit Help"),
                 4000,
                 {{0, QStringLiteral("Unit Code")}, {4000, QStringLiteral("Unit Name")}},
                 2});
    m_txUnitCode->setDelClears(true); // Del empties code and name (the code's change empties the name)

    connect(m_txQty, &QLineEdit::textChanged, this, &frmConsumptionMaster::TxQty_Change);
    connect(m_txRate, &QLineEdit::textChanged, this, &frmConsumptionMaster::showAmount);
    // Both handlers of the quantity keep the same two places: a key-down
    // filter of three places would turn the "0.00" of a zero quantity into
    // "0.000" on every key, and the key-press filter back, losing the caret,
    // so that nothing below 1 kg could be typed.
    installNumericKey(m_txQty, NumericKeySettings{12, 2, 1, false});
    installNumericKey(m_txRate, NumericKeySettings{12, 2, 1, false});

    // Boxes hold what their columns hold.
    limitBoxes([this] { return store().boxLengths(); });

    resize(sizeHint());
    setFixedFrame();
    alsoTakeKeys({Qt::Key_Return, Qt::Key_Enter});
    // Only the boxes the clerk types into select their text on entry.
    selectTextOnEntry({m_txReelNo, m_txProductCode, m_txQty, m_txRate, m_txUnitCode});
    SetEditMode(false);

    // Load: the booking handed over by the list, if any.
    if (!gSelectedCode.isEmpty()) {
        m_loading = true;
        LoadRecord(gSelectedCode);
        m_loading = false;
    }
}

frmConsumptionMaster::~frmConsumptionMaster() = default;

QSize frmConsumptionMaster::sizeHint() const
{
    const QSize designed(twipsToPixels(9000), twipsToPixels(5600));
    return designed.expandedTo(minimumSizeHint());
}

ConsumptionContext frmConsumptionMaster::workingContext()
{
    return {gInvDbName, gAcDbName, gCompCode, gUnitCode, userIdNumber()};
}

ConsumptionStore frmConsumptionMaster::store() const
{
    return ConsumptionStore(gConnection, workingContext());
}

bool frmConsumptionMaster::formKeyDown(QKeyEvent *event)
{
    if (RecordWindow::formKeyDown(event))
        return true;
    // Enter moves along the chain reel, product, quantity, Save.
    QWidget *at = focusWidget();
    if (at == m_txReelNo) {
        if (!m_txSupplierName->text().isEmpty()) {
            m_txProductCode->setFocus(Qt::OtherFocusReason);
        } else {
            MsgBox(kBadReel, MsgButtons::Ok, MsgIcon::Critical);
            m_txReelNo->setFocus(Qt::OtherFocusReason);
        }
        return true;
    }
    if (at == m_txProductCode || at == m_txRate) {
        m_txQty->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (at == m_txQty) {
        CmNew->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (at == m_txUnitCode) {
        if (m_txUnitName->text().isEmpty()) {
            MsgBox(kNoUnit, MsgButtons::Ok, MsgIcon::Critical);
            m_txUnitCode->setFocus(Qt::OtherFocusReason);
        } else if (m_txQty->isEnabled()) {
            m_txQty->setFocus(Qt::OtherFocusReason);
        } else {
            CmNew->setFocus(Qt::OtherFocusReason);
        }
        return true;
    }
    return false;
}

Lookup frmConsumptionMaster::reelLookup() const
{
    Lookup l;
    l.statement = store().reelLookupQuery(m_txReelNo->text(), &l.values);
    l.caption = QStringLiteral("Reel No");
    l.width = 10600;
    l.columns = {{1000, QStringLiteral("Reel No")}, {4000, QStringLiteral("Supplier")}, {2500, QStringLiteral("Brand")},
                 {1000, QStringLiteral("GSM")},     {1000, QStringLiteral("ReelType")}, {1000, QStringLiteral("Rate")},
                 {0, QStringLiteral("Weight")},     {0, QStringLiteral("Trans Id")}};
    l.displayFields = 8;
    return l;
}

void frmConsumptionMaster::reelPicked(const LookupRow &row)
{
    m_reelTag = row.column(8);
    m_txSupplierName->setText(row.column(2));
    m_txBrandName->setText(row.column(3));
    m_txGSM->setText(row.column(4));
    m_txReelType->setText(row.column(5));
    m_txRate->setText(Decimal::fromText(row.column(6)).toText(2)); // recomputes the amount
    const QString weight = Decimal::fromText(row.column(7)).toText(2);
    m_txQtyAvail->setText(weight);
    m_qtyAvailTag = weight;
    // The quantity already typed is not looked at again until it changes.
    guarded([&] {
        const Decimal available = store().available(m_txReelNo->text(), m_reelTag);
        m_txQtyAvail->setText(available.toText(2));
        m_qtyAvailTag = Decimal::fromText(available.toText(2)).toString();
    });
}

void frmConsumptionMaster::reelCleared()
{
    // No reel matched: nothing of an earlier reel may stay behind.
    m_reelTag.clear();
    for (QLineEdit *box : {m_txSupplierName, m_txBrandName, m_txGSM, m_txReelType, m_txRate, m_txQtyAvail})
        box->clear();
    m_qtyAvailTag.clear();
}

void frmConsumptionMaster::TxReelNo_Edited()
{
    // A reel number typed over a looked-up one names no reel: its details and
    // its available quantity go, and Save waits for another lookup.
    if (m_reelTag.isEmpty() && m_txSupplierName->text().isEmpty())
        return;
    m_reelTag.clear();
    for (QLineEdit *box : {m_txSupplierName, m_txBrandName, m_txGSM, m_txReelType})
        box->clear();
    m_qtyAvailTag = QStringLiteral("0");
    m_txQtyAvail->setText(QStringLiteral("0.00"));
}

void frmConsumptionMaster::showAmount()
{
    try {
        m_txAmount->setText((numberOf(m_txQty) * numberOf(m_txRate)).toText(2));
    } catch (const DecimalOverflow &) {
        // No amount is shown for a product beyond the range; the save refuses it too.
        m_txAmount->clear();
        MsgBox(Decimal::overflowMessage(), MsgButtons::Ok, MsgIcon::Critical);
    }
}

void frmConsumptionMaster::TxQty_Change()
{
    if (m_loading)
        return;
    const Decimal available = Decimal::fromText(m_qtyAvailTag);
    const Decimal qty = numberOf(m_txQty);
    if (available >= qty) {
        m_txQtyAvail->setText((available - qty).toText(2));
        showAmount();
        return;
    }
    MsgBox(kOverBooked, MsgButtons::Ok, MsgIcon::Critical);
    m_txQty->setText(cutBackText(available)); // runs this again: nothing left, amount of the rest
    m_txQtyAvail->setText((available - numberOf(m_txQty)).toText(2));
    m_txQty->selectAll();
    m_txUnitCode->setFocus(Qt::OtherFocusReason);
}

void frmConsumptionMaster::newStarted()
{
    // The code read below is no booking of this window's until its save.
    m_shown.reset();
    // Only read here: the save takes the code from the counter itself.
    // A database failure here shows its text; the save claims the code itself.
    guarded([this] {
        m_txConsumptionCode->setText(GetNextNumber(ConsumptionStore::seriesKey(gCompCode, gUnitCode)));
    });
    m_txReelNo->setFocus(Qt::OtherFocusReason);
}

QList<EntryCheck> frmConsumptionMaster::entryChecks()
{
    auto focusOn = [](QWidget *w) { return [w] { w->setFocus(Qt::OtherFocusReason); }; };
    auto isZero = [](QLineEdit *box) { return [box] { return numberOf(box).isZero(); }; };
    QList<EntryCheck> checks;
    // An edit keeps its stored reel; a new booking needs a looked-up one.
    if (state() == RecordState::New)
        checks << EntryCheck{[this] { return m_reelTag.isEmpty(); }, kBadReel, MsgIcon::Critical, focusOn(m_txReelNo)};
    checks << emptyBoxCheck(m_txProductCode, QStringLiteral("Please Enter the Product.  "))
           << EntryCheck{isZero(m_txQty), QStringLiteral("Please Enter the Quantity.  "), MsgIcon::Information,
                         focusOn(m_txQty)}
           << EntryCheck{isZero(m_txRate), QStringLiteral("Please Enter the Rate.  "), MsgIcon::Information,
                         focusOn(m_txRate)}
           << EntryCheck{isZero(m_txAmount), QStringLiteral("Please Enter the Amount.  "), MsgIcon::Information,
                         focusOn(m_txAmount)}
           << EntryCheck{[this] { return m_txUnitName->text().isEmpty(); }, kNoUnit, MsgIcon::Critical,
                         focusOn(m_txUnitCode)};
    return checks;
}

bool frmConsumptionMaster::SaveNew()
{
    ConsumptionEntry e;
    e.date = m_dtCons->date();
    e.productCode = m_txProductCode->text();
    e.reelNo = m_txReelNo->text();
    e.transId = m_reelTag;
    e.qty = numberOf(m_txQty);
    e.rate = numberOf(m_txRate);
    e.amount = numberOf(m_txAmount);
    e.consUnitCode = m_txUnitCode->text();
    SaveNewResult r;
    if (!guarded([&] { r = store().saveNew(e); }))
        return false;
    switch (r.outcome) {
    case SaveNewResult::Saved:
        // The code the counter gave inside the save, which another
        // workstation's save may have moved on from the one shown at New.
        m_txConsumptionCode->setText(r.code);
        m_shown = ShownBooking{r.code, workingContext()};
        m_qtyAvailTag = r.available.toString();
        m_txQtyAvail->setText((r.available - e.qty).toText(2));
        return true;
    case SaveNewResult::OverBooked:
        // Others booked from the reel since it was chosen: the box shows what
        // it holds now, and the quantity stays as typed for the clerk to
        // mend, so a second Save never stores a quantity nobody typed.
        m_qtyAvailTag = r.available.toString();
        m_txQtyAvail->setText(r.available.toText(2));
        MsgBox(kOverBooked, MsgButtons::Ok, MsgIcon::Critical);
        m_txQty->setFocus(Qt::OtherFocusReason);
        m_txQty->selectAll();
        return false;
    case SaveNewResult::NoSuchReel:
    case SaveNewResult::UsedUp:
        MsgBox(kBadReel, MsgButtons::Ok, MsgIcon::Critical);
        m_txReelNo->setFocus(Qt::OtherFocusReason);
        return false;
    case SaveNewResult::BadQuantity:
        MsgBox(QStringLiteral("Please Enter the Quantity.  "), MsgButtons::Ok, MsgIcon::Information);
        m_txQty->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return false;
}

bool frmConsumptionMaster::SaveEdit()
{
    // Only the booking this window loaded or stored: a code shown since New
    // may meanwhile be another station's booking.
    if (!m_shown) {
        MsgBox(kNotFound, MsgButtons::Ok, MsgIcon::Information);
        return false;
    }
    ConsumptionContext where = m_shown->where;
    where.userId = userIdNumber();
    ConsumptionStore stored(gConnection, where);
    const QString code = m_shown->code;
    qint64 matched = 0;
    if (!guarded([&] {
            matched = stored.saveEdit(code, m_dtCons->date(), m_txProductCode->text(), m_txUnitCode->text());
        }))
        return false;
    if (matched == 0) {
        MsgBox(kNotFound, MsgButtons::Ok, MsgIcon::Information);
        return false;
    }
    // Date, product and consuming unit alone were stored: the window shows
    // the booking as it now stands, not a rate typed during the edit. The
    // save stands whatever the reading does; a failed reading is told as such.
    std::optional<ConsumptionRecord> after;
    try {
        after = stored.loadRecord(code);
    } catch (const DbError &e) {
        MsgBox(kSavedNotReadBack + clerkText(e), MsgButtons::Ok, MsgIcon::Information);
    }
    if (after) {
        m_loading = true;
        showBooking(*after);
        m_loading = false;
    }
    return true;
}

void frmConsumptionMaster::LoadRecord(const QString &code)
{
    std::optional<ConsumptionRecord> found;
    if (!guarded([&] { found = store().loadRecord(code); }))
        return;
    if (!found)
        return; // no such booking: the window keeps what it shows
    m_shown = ShownBooking{found->code, workingContext()};
    showBooking(*found);
}

void frmConsumptionMaster::showBooking(const ConsumptionRecord &found)
{
    m_txConsumptionCode->setText(found.code);
    m_dtCons->setDate(found.date);
    m_txProductCode->setChoice(found.productCode, found.productCode);
    m_txProductName->setText(found.productName);
    m_txSupplierName->setText(found.supplierName);
    m_txBrandName->setText(found.brandName);
    m_txGSM->setText(found.gsmName);
    m_txReelType->setText(found.reelTypeName);
    m_txReelNo->setChoice(found.reelNo, found.reelNo);
    m_txQty->setText(found.qty.toText(3));
    m_txRate->setText(found.rate.toText(2));
    m_txAmount->setText(found.amount.toText(2));
    m_txUnitCode->setChoice(found.consUnitCode, found.consUnitCode);
    guarded([&] { m_txUnitName->setText(GetUnitName(found.consUnitCode)); });
}

void frmConsumptionMaster::enableInputs(bool on)
{
    for (QWidget *w : std::initializer_list<QWidget *>{
             m_txConsumptionCode, m_txProductCode, m_txProductName, m_txReelNo, m_txQtyAvail, m_txSupplierName,
             m_txBrandName, m_txGSM, m_txReelType, m_txQty, m_txRate, m_txAmount, m_dtCons, m_txUnitCode, m_txUnitName})
        w->setEnabled(on);
    // An edit changes date, product and consuming unit only.
    if (on && state() == RecordState::Edit)
        for (QWidget *w : std::initializer_list<QWidget *>{m_txReelNo, m_txBrandName, m_txGSM, m_txReelType, m_txQty})
            w->setEnabled(false);
}

void frmConsumptionMaster::ClearFields()
{
    m_txConsumptionCode->clear();
    m_txReelNo->clearChoice();
    // A new entry books against no reel until one is looked up.
    m_reelTag.clear();
    m_txSupplierName->clear();
    m_qtyAvailTag = QStringLiteral("0");
    m_txQtyAvail->setText(QStringLiteral("0.00"));
    m_txBrandName->clear();
    m_txGSM->clear();
    m_txReelType->clear();
    m_txRate->setText(QStringLiteral("0.00"));
    m_txUnitCode->setChoice(gUnitCode, gUnitCode);
    m_txUnitName->clear();
    guarded([this] { m_txUnitName->setText(GetUnitName(gUnitCode)); });
    m_txProductCode->clearChoice();
    m_txAmount->setText(QStringLiteral("0.00"));
    m_txQty->setText(QStringLiteral("0.00"));
    m_dtCons->setDate(today());
}
